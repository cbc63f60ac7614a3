// The values a row of the data area holds at a byte offset: doubles, whole numbers and dates of 8 characters,
// read and written byte by byte (the rows are packed, so a value may stand at any offset).
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace ordinaria {

inline double Doble(const unsigned char* p) {
  double v = 0;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void PonerDoble(unsigned char* p, double v) { std::memcpy(p, &v, sizeof v); }
inline std::int32_t Entero(const unsigned char* p) {
  std::int32_t v = 0;
  std::memcpy(&v, p, sizeof v);
  return v;
}
inline void PonerEntero(unsigned char* p, std::int32_t v) { std::memcpy(p, &v, sizeof v); }
inline std::string_view Fecha(const unsigned char* p) { return {reinterpret_cast<const char*>(p), 8}; }

}  // namespace ordinaria
