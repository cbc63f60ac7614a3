// Reading the data area for the whole-declaration check: fixed-width texts, blank tests and doubles at an offset
// of a block, and the slot of a person in a five-slot array. Only the check's own sources include this.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "framework/Utilidades.h"
#include "platform/Texto.h"

namespace renta::validacion {

inline std::string_view Campo(const unsigned char* bloque, std::size_t desp, std::size_t ancho) {
  return plataforma::LeeFija(reinterpret_cast<const char*>(bloque) + desp, ancho);
}

// A field is empty when nothing but blanks comes before its end or its first NUL.
inline bool Vacio(const unsigned char* bloque, std::size_t desp, std::size_t ancho) {
  return marco::EsCadenaEnBlanco(Campo(bloque, desp, ancho));
}

inline bool Blanco(const unsigned char* bloque, std::size_t desp) {
  return marco::EsBlanco(static_cast<char>(bloque[desp]));
}

// A stored double; anything that is not a finite number counts as 0, so a damaged area never raises a finding
// of its own nor hides one behind a comparison with NaN.
inline double Doble(const unsigned char* bloque, std::size_t desp) {
  double valor = 0;
  std::memcpy(&valor, bloque + desp, sizeof valor);
  return std::isfinite(valor) ? valor : 0.0;
}

// The element of person `sujeto` (1 the family unit ... 5 the second child) of a five-element array of `ancho`
// bytes each that starts at `base`.
inline std::size_t Plaza(std::size_t base, int sujeto, std::size_t ancho = sizeof(double)) {
  return base + ancho * static_cast<std::size_t>(sujeto - 1);
}

}  // namespace renta::validacion
