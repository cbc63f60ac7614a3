// The picture-only button of the print preview bar: four pictures cut from one bitmap (plain, pressed, focused,
// disabled) whose button greys take the user's colours, the button sized to one picture.
#pragma once

#include <array>
#include <optional>

#include <wx/bitmap.h>

#include "framework/BotonDibujado.h"
#include "framework/BotonImagenes.h"
#include "framework/BotonMapaReglas.h"

namespace marco {

class CMappedBitmapButton : public CBotonDibujado {
 public:
  CMappedBitmapButton() = default;

  // Loads the four pictures of a bitmap from the program's pictures (or the given ones) in the current system
  // colours and remembers the bitmap. False, and the pictures as they were, when the bitmap does not load or is
  // narrower than four pixels.
  bool CargarBitmaps(int idBitmap);
  bool CargarBitmaps(const CImagenesBoton& imagenes, int idBitmap);

  // Takes the place of the parent's child window with that id (its position, tab order and id) and loads the
  // bitmap; the button takes the size of one picture. False, and nothing changed, when there is no such child,
  // the bitmap does not load or this button already has a window.
  bool Crear(int idControl, wxWindow* padre, int idBitmap);
  bool Crear(int idControl, wxWindow* padre, const CImagenesBoton& imagenes, int idBitmap);

  int IdBitmap() const { return m_nIdBitmap; }
  // 4 once a bitmap is loaded, 0 before.
  int Imagenes() const { return m_bCargado ? kImagenesMapa : 0; }
  const wxBitmap& Imagen(int indice) const { return m_imagenes.at(static_cast<std::size_t>(indice)); }

 protected:
  void Dibujar(wxDC& dc, SRectBoton item, SEstadoItem estado, const SColoresSistema& sistema) override;
  void AlCambiarColores() override;
  wxSize DoGetBestSize() const override;

 private:
  std::array<wxBitmap, kImagenesMapa> m_imagenes;
  bool m_bCargado = false;
  int m_nIdBitmap = -1;
  std::optional<CImagenesBoton> m_origen;  // where the bitmap came from, to load it again
};

// The four pictures of a bitmap, in the given system colours; false when it is narrower than four pixels.
bool CortarImagenesMapa(const wxImage& bitmap, const SColoresSistema& sistema,
                        std::array<wxBitmap, kImagenesMapa>& imagenes);

}  // namespace marco
