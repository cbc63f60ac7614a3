// What the two bar-code data records share: a bounded reader of a data area (nothing past the area is ever read),
// the writer that appends the record's fields through the fixed-width formatter, and the text transformations of
// their identification fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "output/CampoFijo.h"

namespace salida {

// A data area (or a stretch of one) read by offset. A read that would leave the stretch gives 0, a NUL byte or a
// shorter text; the records only read constant offsets inside their area, so this never happens in use.
class CAreaBytes {
 public:
  CAreaBytes() = default;
  explicit CAreaBytes(std::span<const std::uint8_t> datos) : datos_(datos) {}
  template <class Area>
  requires std::is_trivially_copyable_v<Area>
  static CAreaBytes De(const Area& area) {
    return CAreaBytes(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(&area), sizeof area));
  }

  std::uint8_t Byte(std::size_t desplazamiento) const {
    return desplazamiento < datos_.size() ? datos_[desplazamiento] : 0;
  }
  double Double(std::size_t desplazamiento) const {
    double valor = 0.0;
    if (desplazamiento <= datos_.size() && datos_.size() - desplazamiento >= sizeof valor) {
      std::memcpy(&valor, datos_.data() + desplazamiento, sizeof valor);
    }
    return valor;
  }
  // The `ancho` bytes as they are stored (NULs included), cut at the end of the stretch.
  std::string_view Bytes(std::size_t desplazamiento, std::size_t ancho) const;
  // The same up to the first NUL.
  std::string_view Texto(std::size_t desplazamiento, std::size_t ancho) const;
  CAreaBytes Tramo(std::size_t desplazamiento, std::size_t ancho) const;

 private:
  std::span<const std::uint8_t> datos_;
};

// The record being written: every field goes through AnadirCampoFijo; the first one refused stops the record and
// every later call does nothing.
class CEscritorRegistro {
 public:
  explicit CEscritorRegistro(std::size_t capacidad) : m_registro(capacidad) {}

  // Kind 0: the text's bytes, blank-padded or cut to the width; a NUL ends the text.
  void Texto(std::string_view texto, int ancho);
  // Kind 4 without decimals ("n" fields).
  void Numero(double valor, int ancho);
  // Kind 6: a whole amount, a negative one as the letter N and the digits.
  void Importe(double valor, int ancho);
  // Kind 5: "1" when the byte is 1, else "0".
  void Marca(std::uint8_t byte);

  bool Detenido() const { return m_registro.Detenido(); }
  std::size_t Longitud() const { return m_registro.Posicion(); }
  // The record, or an empty text when a field was refused.
  std::string Resultado() const { return Detenido() ? std::string() : std::string(m_registro.Texto()); }

 private:
  CRegistroFijo m_registro;
};

// The identification text of the printed form as the record carries it: without its first six characters and
// without any '.', then right-aligned in 20 characters and cut to the first 20.
std::string IdentificacionRegistro(std::string_view identificacion);

// The 13 characters of a declaration reference the record carries: its first 12, then its 14th (the 13th is left
// out). Missing characters are blanks.
std::string ReferenciaRegistro(std::string_view referencia);

// The letter upper-cased (Windows-1252).
char LetraMayuscula(char letra);

}  // namespace salida
