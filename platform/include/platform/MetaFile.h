// Page background pictures: Windows metafiles with or without the placeable header, loaded, measured, and played
// into a rectangle of a drawing canvas with an alignment rule.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/Lienzo.h"

namespace plataforma {

// The placeable header as read (all zero when the file has none).
struct CCabeceraPlaceable {
  std::uint32_t clave = 0;
  std::uint16_t handle = 0;
  std::int16_t izquierda = 0;
  std::int16_t arriba = 0;
  std::int16_t derecha = 0;
  std::int16_t abajo = 0;
  std::uint16_t unidadesPorPulgada = 0;  // 0 = no header
  std::uint32_t reservado = 0;
  std::uint16_t sumaControl = 0;
  friend bool operator==(const CCabeceraPlaceable&, const CCabeceraPlaceable&) = default;
};

// Why the last load gave 0.
enum class ErrorMetaFile {
  Ninguno,
  NoSeAbre,         // the file could not be opened or read
  NoEsMetaFile,     // the metafile header's type is not 1 or 2
  Cortado,          // shorter than its headers or than the size it states
  Danado,           // sizes or records that contradict each other, an empty bounding box, units per inch 0
  DemasiadoGrande,  // states a size above the cap
  SinMemoria,
};

class CMetaFile {
 public:
  CMetaFile() = default;

  // Loads a file. 0 when it cannot be opened or is no sound metafile: no picture is left, and `UltimoError` tells
  // why, so the caller can show its message.
  int Cargar(const std::string& ruta);
  // Loads from an open stream positioned anywhere (the picture is read from its start).
  int LeerFichero(std::istream& fichero);

  // Plays the picture into the rectangle (logical units of the canvas) placed by the alignment code; 0 when empty.
  int Dibujar(CLienzo& lienzo, const CRectangulo& rect, int codigo) const;
  // Places a picture of size `tamano` in `rect` by the alignment code (1 to 9 as on a keypad, 1 = top left;
  // 10 stretches; 11 keeps the proportions, centred); any other code leaves the rectangle as it was.
  static void AjustarRect(CRectangulo& rect, CTamano tamano, int codigo);
  // Size in tenths of a millimetre: from the placeable header, 790 x 1100 without one, 0 x 0 when empty.
  CTamano DameTamano() const;
  bool EstaVacio() const { return bits_.empty(); }
  void Vaciar();

  const CCabeceraPlaceable& Cabecera() const { return cabecera_; }
  ErrorMetaFile UltimoError() const { return error_; }

  // Archive form: the 24-byte header block, a 32-bit byte count of the picture (0 when empty), then its bytes.
  // Loading gives 0 and leaves no picture when the block is cut short or the picture is unsound.
  int Serialize(std::ostream& archivo) const;
  int Serialize(std::istream& archivo);
  // A stream that reads and writes must say which way it goes (cast it to std::ostream& or std::istream&).
  int Serialize(std::iostream& archivo) = delete;

 private:
  int Falla(ErrorMetaFile error);
  // Takes the metafile bytes (metafile header and records) after checking them; the header must already be set.
  int Adoptar(std::vector<std::uint8_t>&& bits);

  CCabeceraPlaceable cabecera_{};
  std::vector<std::uint8_t> bits_;  // the metafile: its 18-byte header and its records
  CRectangulo marco_{};             // the logical rectangle the picture fills
  ErrorMetaFile error_ = ErrorMetaFile::Ninguno;
};

}  // namespace plataforma
