#include "framework/BotonImagenes.h"

#include <wx/log.h>

#include <array>
#include <string>
#include <system_error>

namespace marco {

namespace {

std::filesystem::path CarpetaDelPrograma() {
  std::error_code error;
  const std::filesystem::path ejecutable = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path base = error ? std::filesystem::current_path(error) : ejecutable.parent_path();
  const std::array<std::filesystem::path, 4> candidatas = {
      base / "botones", base / "data" / "botones", base / ".." / "data" / "botones",
      base / ".." / "share" / "korvelix" / "botones"};
  for (const auto& carpeta : candidatas) {
    if (std::filesystem::is_directory(carpeta, error)) return carpeta.lexically_normal();
  }
  return candidatas.front();
}

}  // namespace

std::filesystem::path CImagenesBoton::Ruta(ETipoImagenBoton tipo, int id) const {
  const char* prefijo = tipo == ETipoImagenBoton::Icono ? "icono-" : "bitmap-";
  return m_carpeta / (prefijo + std::to_string(id) + ".png");
}

wxImage CImagenesBoton::Cargar(ETipoImagenBoton tipo, int id) const {
  const std::filesystem::path ruta = Ruta(tipo, id);
  std::error_code error;
  if (!std::filesystem::is_regular_file(ruta, error)) return {};
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  wxLogNull sinAvisos;  // a damaged file gives an invalid image, not an error box
  wxImage imagen;
  if (!imagen.LoadFile(wxString(ruta.native().c_str(), *wxConvFileName), wxBITMAP_TYPE_PNG)) return {};
  return imagen;
}

const CImagenesBoton& CImagenesBoton::DelPrograma() {
  static const CImagenesBoton imagenes(CarpetaDelPrograma());
  return imagenes;
}

}  // namespace marco
