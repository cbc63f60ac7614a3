// Windows metafile records: the function numbers of the records our player draws and our writer emits, and the
// fixed values of the file format. All numbers are little-endian on file; parameters are 16-bit words.
#pragma once

#include <cstddef>
#include <cstdint>

namespace plataforma::wmf {

inline constexpr std::uint32_t kClavePlaceable = 0x9AC6CDD7;
inline constexpr std::size_t kBytesPlaceable = 22;   // the placeable header on file
inline constexpr std::size_t kBytesCabecera = 18;    // the metafile header (9 words)
inline constexpr std::uint16_t kPalabrasCabecera = 9;
inline constexpr std::size_t kBytesRegistroMinimo = 6;  // size (2 words) and function (1 word)

// Metafiles larger than this are refused before anything is allocated; a page picture is a few tens of kilobytes.
inline constexpr std::uint64_t kBytesMaximos = 64u * 1024u * 1024u;

enum Funcion : std::uint16_t {
  kFinal = 0x0000,
  kGuardarDC = 0x001E,
  kCrearPaleta = 0x00F7,
  kPonModoFondo = 0x0102,
  kPonModoMapeo = 0x0103,
  kPonModoDibujo = 0x0104,
  kPonModoRelleno = 0x0106,
  kRestaurarDC = 0x0127,
  kPonAlineacionTexto = 0x012E,
  kSeleccionarObjeto = 0x012D,
  kCrearPincelPatronDib = 0x0142,
  kBorrarObjeto = 0x01F0,
  kCrearPincelPatron = 0x01F9,
  kPonColorFondo = 0x0201,
  kPonColorTexto = 0x0209,
  kPonOrigenVentana = 0x020B,
  kPonExtensionVentana = 0x020C,
  kPonOrigenVista = 0x020D,
  kPonExtensionVista = 0x020E,
  kLineaA = 0x0213,
  kMoverA = 0x0214,
  kCrearPluma = 0x02FA,
  kCrearFuente = 0x02FB,
  kCrearPincel = 0x02FC,
  kPoligono = 0x0324,
  kPolilinea = 0x0325,
  kRecortarRect = 0x0416,
  kElipse = 0x0418,
  kRectangulo = 0x041B,
  kTexto = 0x0521,
  kPoliPoligono = 0x0538,
  kRectanguloRedondeado = 0x061C,
  kCrearRegion = 0x06FF,
  kTextoExt = 0x0A32,
};

// Options of the extended text record: the rectangle is filled with the background colour, or clips the text.
inline constexpr std::uint16_t kTextoExtOpaco = 0x0002;
inline constexpr std::uint16_t kTextoExtRecortado = 0x0004;

// The face name field of a font record.
inline constexpr std::size_t kBytesNombreFuente = 32;

}  // namespace plataforma::wmf
