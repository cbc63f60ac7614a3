// The animated logo of the introduction screen: lines of text and pictures scrolling upwards through the control,
// one pixel per timer tick, drawn without flicker into an off-screen image. The rules of the run are in
// CLogoStaticReglas; this window owns the timer, the fonts, the pictures and the image, and carries out what the
// rules answer to each tick and each paint.
//
// Pictures are named by their line ("logo-korvelix^") and read from the program's picture folder as
// "<name>.png"; a missing or damaged picture is shown as the text of its line.
#pragma once

#include <wx/bitmap.h>
#include <wx/control.h>
#include <wx/dc.h>
#include <wx/image.h>
#include <wx/timer.h>

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "framework/LogoStaticReglas.h"

namespace marco {

// The named picture from the folder, or an invalid image when the name is not a picture name or the file is
// missing or not a readable PNG (never an error box).
wxImage CargarDibujoLogo(const std::filesystem::path& carpeta, std::string_view nombre);

class CLogoStatic : public wxControl, private IEntornoLogo {
 public:
  CLogoStatic();
  CLogoStatic(wxWindow* padre, wxWindowID id, const wxPoint& posicion = wxDefaultPosition,
              const wxSize& tamano = wxDefaultSize, long estilo = wxBORDER_NONE);
  ~CLogoStatic() override;

  bool Create(wxWindow* padre, wxWindowID id, const wxPoint& posicion = wxDefaultPosition,
              const wxSize& tamano = wxDefaultSize, long estilo = wxBORDER_NONE);

  // The text of lines (Windows-1252), cut at every separator; restarts the run from the first line (a control
  // that is not running shows the new text at its next paint).
  void PonerTexto(std::string_view texto, char separador);
  // Mode 0 to 2 and its interval in milliseconds (0 keeps the mode's interval); used from the next start.
  bool PonerModo(int modo, unsigned intervaloMs);
  // Entry 0 background, 1 to 4 the text colours; 0x00BBGGRR.
  bool PonerColor(int indice, ColorLogo color);
  // Nonzero: light grey (192, 192, 192) pixels of the pictures are transparent.
  void PonerOpcion(int valor) { m_reglas.PonerOpcion(valor); }
  // Starts the animation: 1 when it runs, 0 with no lines or when the timer could not start (the control then
  // shows the still picture of the whole text).
  int IniciarAnimacion();

  // Where the pictures are read from; the program's picture folder unless set.
  void PonerCarpetaDibujos(std::filesystem::path carpeta);

  // What a paint of the window puts on the screen.
  void DibujarEn(wxDC& dc);

  const CLogoStaticReglas& Reglas() const { return m_reglas; }
  // The off-screen image (invalid before the first tick or paint).
  const wxBitmap& Imagen() const { return m_imagen; }

  bool AcceptsFocus() const override { return false; }

 protected:
  wxSize DoGetBestSize() const override { return {160, 120}; }

 private:
  // IEntornoLogo
  unsigned IniciarTemporizador(unsigned id, unsigned intervaloMs) override;
  STamanoLogo MedirTexto(std::string_view texto, SFuenteLogo fuente) override;
  std::optional<STamanoLogo> TamanoDibujo(std::string_view nombre) override;

  void Iniciar();
  void OnTemporizador(wxTimerEvent& evento);
  void OnPintar(wxPaintEvent& evento);
  void OnTamano(wxSizeEvent& evento);
  void OnDestruir(wxWindowDestroyEvent& evento);

  SRectBoton Cliente() const;
  wxColour ColorDe(int indice) const;
  wxFont FuenteDe(SFuenteLogo fuente) const;
  const wxImage& Dibujo(std::string_view nombre);
  void SincronizarImagen();
  void ComprobarTamano();
  void CrearImagen(STamanoLogo tamano);
  void EjecutarPaso(const SPasoLogo& paso);
  void Construir(const SImagenCompletaLogo& imagen);
  void Rellenar(wxDC& dc, SRectBoton rect) const;
  void DibujarPieza(wxDC& dc, const SPiezaLogo& pieza);

  CLogoStaticReglas m_reglas;
  wxTimer m_temporizador;
  wxBitmap m_imagen;
  std::filesystem::path m_carpeta;
  std::map<std::string, wxImage, std::less<>> m_dibujos;  // pictures read so far (invalid: could not be read)
};

}  // namespace marco
