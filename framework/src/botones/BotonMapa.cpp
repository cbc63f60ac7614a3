#include "framework/BotonMapa.h"

#include <wx/image.h>

namespace marco {

bool CortarImagenesMapa(const wxImage& bitmap, const SColoresSistema& sistema,
                        std::array<wxBitmap, kImagenesMapa>& imagenes) {
  if (!bitmap.IsOk()) return false;
  const int ancho = AnchoImagenMapa(bitmap.GetWidth());
  if (ancho == 0 || bitmap.GetHeight() <= 0) return false;
  wxImage mapa = bitmap.Copy();
  unsigned char* datos = mapa.GetData();
  const long pixeles = static_cast<long>(mapa.GetWidth()) * mapa.GetHeight();
  for (long i = 0; i < pixeles; ++i) {
    unsigned char* p = datos + 3 * i;
    const SColorBoton color = MapearColorSistema({p[0], p[1], p[2]}, sistema);
    p[0] = color.r;
    p[1] = color.g;
    p[2] = color.b;
  }
  std::array<wxBitmap, kImagenesMapa> cortadas;
  for (int i = 0; i < kImagenesMapa; ++i)
    cortadas[static_cast<std::size_t>(i)] = wxBitmap(mapa.GetSubImage(wxRect(i * ancho, 0, ancho, mapa.GetHeight())));
  imagenes = cortadas;
  return true;
}

bool CMappedBitmapButton::CargarBitmaps(int idBitmap) {
  return CargarBitmaps(CImagenesBoton::DelPrograma(), idBitmap);
}

bool CMappedBitmapButton::CargarBitmaps(const CImagenesBoton& imagenes, int idBitmap) {
  if (!CortarImagenesMapa(imagenes.Cargar(ETipoImagenBoton::Bitmap, idBitmap), ColoresDelSistema(), m_imagenes))
    return false;
  m_bCargado = true;
  m_nIdBitmap = idBitmap;
  m_origen = imagenes;
  InvalidateBestSize();
  Refresh();
  return true;
}

bool CMappedBitmapButton::Crear(int idControl, wxWindow* padre, int idBitmap) {
  return Crear(idControl, padre, CImagenesBoton::DelPrograma(), idBitmap);
}

bool CMappedBitmapButton::Crear(int idControl, wxWindow* padre, const CImagenesBoton& imagenes, int idBitmap) {
  if (padre == nullptr || GetHandle() != nullptr) return false;
  wxWindow* anterior = nullptr;
  for (wxWindow* hijo : padre->GetChildren()) {
    if (hijo->GetId() == idControl) {
      anterior = hijo;
      break;
    }
  }
  if (anterior == nullptr) return false;

  std::array<wxBitmap, kImagenesMapa> cortadas;
  if (!CortarImagenesMapa(imagenes.Cargar(ETipoImagenBoton::Bitmap, idBitmap), ColoresDelSistema(), cortadas))
    return false;

  const wxSize tamano = cortadas[0].GetSize();
  if (!Create(padre, idControl, anterior->GetLabel(), anterior->GetPosition(), tamano)) return false;
  m_imagenes = cortadas;
  m_bCargado = true;
  m_nIdBitmap = idBitmap;
  m_origen = imagenes;
  SetToolTip(anterior->GetToolTipText());
  MoveAfterInTabOrder(anterior);
  Show(anterior->IsShown());
  anterior->Destroy();
  return true;
}

void CMappedBitmapButton::AlCambiarColores() {
  if (m_bCargado && m_origen) {
    std::array<wxBitmap, kImagenesMapa> cortadas;
    if (CortarImagenesMapa(m_origen->Cargar(ETipoImagenBoton::Bitmap, m_nIdBitmap), ColoresDelSistema(), cortadas))
      m_imagenes = cortadas;
  }
}

wxSize CMappedBitmapButton::DoGetBestSize() const {
  return m_bCargado ? m_imagenes[0].GetSize() : wxSize(16, 16);
}

void CMappedBitmapButton::Dibujar(wxDC& dc, SRectBoton item, SEstadoItem estado, const SColoresSistema& sistema) {
  RellenarRect(dc, item, ColorWx(sistema.cara));
  if (!m_bCargado) return;
  dc.DrawBitmap(m_imagenes[static_cast<std::size_t>(ImagenMapa(estado))], item.x, item.y, true);
}

}  // namespace marco
