// Where a print job's sheets go. The print loop starts the job, asks for a canvas per sheet, ends each sheet and
// ends the job (or leaves it unended when a sheet could not be written); what the destination does with the
// sheets is its own business:
//   - CDestinoPdf writes an A4 PDF file at the job's resolution, one outline entry per sheet (page and copy);
//   - CDestinoImagenes keeps every sheet as an image (the pages as the printer would get them, for a look);
//   - CDestinoGrabado records every sheet as vector drawing, to be played later on a printer's page.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "output/ImpresionReglas.h"
#include "platform/Lienzo.h"

namespace salida {

// The result of ending a sheet: written, or not written (the job then ends as stopped).
inline constexpr int kHojaImpresa = 1;
inline constexpr int kHojaFallida = 2;

// An A4 sheet in PDF points.
inline constexpr double kAnchoA4Puntos = 595.2755905511812;
inline constexpr double kAltoA4Puntos = 841.8897637795276;
// An A4 sheet in dots of a resolution.
plataforma::CTamano TamanoA4(int puntosPorPulgada);

class CDestinoImpresion {
 public:
  virtual ~CDestinoImpresion() = default;

  // What the printer reports, for the checks before anything is sent.
  virtual SConfiguracionImpresora Configuracion() const = 0;
  // A sheet in device dots (the printable page).
  virtual plataforma::CTamano TamanoPagina() const = 0;
  virtual std::string NombreImpresora() const = 0;
  virtual std::string Puerto() const = 0;

  // Starts the job; false when it cannot be started.
  virtual bool IniciarDocumento(std::string_view titulo) = 0;
  // Starts a sheet and gives its canvas (device units = dots, fresh drawing state); none when it cannot be
  // started. `nombre` names the sheet in the job (Windows-1252).
  virtual plataforma::CLienzo* IniciarHoja(std::string_view nombre) = 0;
  // Ends the sheet started last: kHojaImpresa or kHojaFallida.
  virtual int TerminarHoja() = 0;
  // Ends the job: true when everything reached its place.
  virtual bool TerminarDocumento() = 0;
  // Leaves the job unended: nothing of it is kept.
  virtual void AbandonarDocumento() = 0;
};

class CDestinoPdf : public CDestinoImpresion {
 public:
  // The file is written beside `ruta` and put in its place only when the job ends well, so a stopped job never
  // leaves a half file nor spoils one that was there.
  CDestinoPdf(std::string ruta, int puntosPorPulgada);
  ~CDestinoPdf() override;

  SConfiguracionImpresora Configuracion() const override;
  plataforma::CTamano TamanoPagina() const override;
  std::string NombreImpresora() const override { return "PDF"; }
  std::string Puerto() const override;
  bool IniciarDocumento(std::string_view titulo) override;
  plataforma::CLienzo* IniciarHoja(std::string_view nombre) override;
  int TerminarHoja() override;
  bool TerminarDocumento() override;
  void AbandonarDocumento() override;

  int Hojas() const { return m_nHojas; }

 private:
  std::string RutaTemporal() const { return m_ruta + ".parcial"; }

  std::string m_ruta;
  int m_nPpp;
  std::unique_ptr<plataforma::CLienzo> m_pLienzo;
  int m_nHojas = 0;
  bool m_bFallo = false;
};

class CDestinoImagenes : public CDestinoImpresion {
 public:
  explicit CDestinoImagenes(int puntosPorPulgada, SConfiguracionImpresora configuracion = {});

  SConfiguracionImpresora Configuracion() const override { return m_configuracion; }
  plataforma::CTamano TamanoPagina() const override { return TamanoA4(m_nPpp); }
  std::string NombreImpresora() const override { return "Imagen"; }
  std::string Puerto() const override { return {}; }
  bool IniciarDocumento(std::string_view titulo) override;
  plataforma::CLienzo* IniciarHoja(std::string_view nombre) override;
  int TerminarHoja() override;
  bool TerminarDocumento() override;
  void AbandonarDocumento() override;

  // The sheets ended, in order, and their names.
  std::vector<plataforma::CLienzo>& Hojas() { return m_hojas; }
  const std::vector<std::string>& Nombres() const { return m_nombres; }
  bool Terminado() const { return m_bTerminado; }
  bool Abandonado() const { return m_bAbandonado; }
  std::string Titulo() const { return m_titulo; }
  // A sheet number (from 0) whose end is reported as failed, for the tests of a stopped job; -1 none.
  void FallarEnHoja(int hoja) { m_nHojaFallida = hoja; }

 private:
  int m_nPpp;
  SConfiguracionImpresora m_configuracion;
  std::vector<plataforma::CLienzo> m_hojas;
  std::vector<std::string> m_nombres;
  std::string m_titulo;
  bool m_bTerminado = false;
  bool m_bAbandonado = false;
  int m_nHojaFallida = -1;
};

// One recorded sheet: vector drawing of `tamano` dots.
class CHojaGrabada {
 public:
  CHojaGrabada(cairo_surface_t* grabacion, plataforma::CTamano tamano, std::string nombre);
  CHojaGrabada(CHojaGrabada&& otra) noexcept;
  CHojaGrabada& operator=(CHojaGrabada&& otra) noexcept;
  CHojaGrabada(const CHojaGrabada&) = delete;
  CHojaGrabada& operator=(const CHojaGrabada&) = delete;
  ~CHojaGrabada();

  plataforma::CTamano Tamano() const { return m_tamano; }
  const std::string& Nombre() const { return m_nombre; }
  // Plays the sheet on a context whose user space is `destino` units across and down (stretched to fill it).
  bool Reproducir(cairo_t* contexto, double anchoDestino, double altoDestino) const;

 private:
  cairo_surface_t* m_pGrabacion;
  plataforma::CTamano m_tamano;
  std::string m_nombre;
};

class CDestinoGrabado : public CDestinoImpresion {
 public:
  CDestinoGrabado(SConfiguracionImpresora configuracion, plataforma::CTamano pagina, int puntosPorPulgada,
                  std::string impresora, std::string puerto);
  ~CDestinoGrabado() override;

  SConfiguracionImpresora Configuracion() const override { return m_configuracion; }
  plataforma::CTamano TamanoPagina() const override { return m_pagina; }
  std::string NombreImpresora() const override { return m_impresora; }
  std::string Puerto() const override { return m_puerto; }
  bool IniciarDocumento(std::string_view titulo) override;
  plataforma::CLienzo* IniciarHoja(std::string_view nombre) override;
  int TerminarHoja() override;
  // Hands the recorded sheets to Entregar; its answer.
  bool TerminarDocumento() override;
  void AbandonarDocumento() override;

  const std::vector<CHojaGrabada>& Hojas() const { return m_hojas; }
  const std::string& Titulo() const { return m_titulo; }

 protected:
  // Sends the sheets to their printer: the base keeps them and answers true.
  virtual bool Entregar() { return true; }

 private:
  void CerrarHoja();

  SConfiguracionImpresora m_configuracion;
  plataforma::CTamano m_pagina;
  int m_nPpp;
  std::string m_impresora;
  std::string m_puerto;
  std::string m_titulo;
  std::vector<CHojaGrabada> m_hojas;
  cairo_surface_t* m_pHoja = nullptr;
  cairo_t* m_pContexto = nullptr;
  std::unique_ptr<plataforma::CLienzo> m_pLienzo;
  std::string m_nombreHoja;
};

}  // namespace salida
