// The pictures of the buttons: one PNG file per picture in the program's picture folder, named by kind and
// number ("icono-141.png", "bitmap-316.png"). The build draws them from the sources in data/botones/ and puts
// them beside the program.
#pragma once

#include <filesystem>

#include <wx/bitmap.h>
#include <wx/image.h>

namespace marco {

enum class ETipoImagenBoton {
  Icono,   // the picture of an icon button, drawn over the face with its transparency
  Bitmap,  // a strip of pictures drawn in the button greys (mapped-bitmap buttons)
};

class CImagenesBoton {
 public:
  explicit CImagenesBoton(std::filesystem::path carpeta) : m_carpeta(std::move(carpeta)) {}

  const std::filesystem::path& Carpeta() const { return m_carpeta; }
  std::filesystem::path Ruta(ETipoImagenBoton tipo, int id) const;

  // The picture, or an invalid image when the file is missing or is not a readable PNG (never an error box).
  wxImage Cargar(ETipoImagenBoton tipo, int id) const;

  // The program's pictures: the first of "botones", "data/botones", "../data/botones" and
  // "../share/korvelix/botones" beside the executable that exists (the first one when none does).
  static const CImagenesBoton& DelPrograma();

 private:
  std::filesystem::path m_carpeta;
};

}  // namespace marco
