// The fields of the bar-code data record: each value is written at a fixed width, one after the other, into a
// record of bounded size. A numeric value that does not fit its width stops the whole record, which the caller
// then abandons. Numbers are written without regard to the process locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace salida {

// How a field's source is read and written.
enum class ETipoCampo : int {
  Texto = 0,     // the first `ancho` bytes of a fixed text, as they are stored
  Entero = 1,    // 32-bit signed integer, zero-padded decimal
  EnteroBis = 2, // the same as Entero
  Caracter = 3,  // one character
  Decimal = 4,   // double with `decimales` decimals, zero-padded
  Marca = 5,     // flag byte: "1" when it is 1, "0" otherwise
  Importe = 6,   // double in whole units; a negative one as "N" and the digits of its absolute value
};

// Where a field's value comes from: a stretch of bytes of the data area, of a literal or of a work table, or
// nothing (a null source). Only the stretch is ever read.
class CFuenteCampo {
 public:
  CFuenteCampo() = default;
  CFuenteCampo(const void* datos, std::size_t tamano)
      : datos_(static_cast<const unsigned char*>(datos)), tamano_(datos != nullptr ? tamano : 0) {}
  static CFuenteCampo Nula() { return {}; }
  static CFuenteCampo DeTexto(std::string_view texto) { return CFuenteCampo(texto.data(), texto.size()); }
  // The bytes of one plain value (an integer, a double, a byte) or of a fixed text array.
  template <class T>
    requires std::is_trivially_copyable_v<T>
  static CFuenteCampo De(const T& valor) {
    return CFuenteCampo(&valor, sizeof valor);
  }

  bool EsNula() const { return datos_ == nullptr; }
  const unsigned char* Datos() const { return datos_; }
  std::size_t Tamano() const { return tamano_; }

 private:
  const unsigned char* datos_ = nullptr;
  std::size_t tamano_ = 0;
};

// 1 when the source's value can be written in `ancho` characters, 0 when it cannot. Integers and whole amounts
// are compared, as absolute values, with the number made of `ancho` nines (a negative double has one place less,
// the sign's); besides, a value whose text would be wider than the field (a negative integer that uses every
// digit, decimals that leave no room) does not fit. Texts, characters and flags always fit; a numeric source too
// short for its kind, a negative width and a value that is not a number never do.
int CabeEnAncho(const CFuenteCampo& fuente, ETipoCampo tipo, int ancho, int decimales = 0);

// The record being built, of at most `capacidad` bytes. Every field goes behind the one before; a field that
// does not fit its width or the record stops the record: nothing more is written and every later call fails.
class CRegistroFijo {
 public:
  explicit CRegistroFijo(std::size_t capacidad);

  // Writes the field and moves behind it; false, writing nothing, when the record is stopped. A kind the record
  // does not know writes nothing and keeps the position.
  bool AnadirCampoFijo(const CFuenteCampo& fuente, ETipoCampo tipo, int ancho, int decimales = 0);

  std::size_t Posicion() const { return texto_.size(); }
  std::size_t Capacidad() const { return capacidad_; }
  bool Detenido() const { return detenido_; }
  // The record written so far.
  std::string_view Texto() const { return texto_; }

 private:
  std::size_t capacidad_;
  std::string texto_;
  bool detenido_ = false;
};

}  // namespace salida
