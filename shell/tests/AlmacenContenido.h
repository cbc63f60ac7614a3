// What a test save writes into a declaration's row, and how a row read back is known to be whole: the data area
// names its declaration and its save number, and everything else in the row follows from that number.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pruebasalmacen {

struct ContenidoGuardado {
  static constexpr std::size_t kLongitud = 61624;

  std::string clave;  // 50 characters as stored
  long guardado = 0;
  std::int32_t tipodec = 0;
  char idioma = 'e';
  std::vector<char> datos;

  static ContenidoGuardado De(const std::string& clave, long guardado) {
    ContenidoGuardado c;
    c.clave = clave;
    c.guardado = guardado;
    c.tipodec = 1 + static_cast<std::int32_t>(guardado % 2);
    c.idioma = "ecgv"[guardado % 4];
    std::string cabecera = clave;
    std::string numero = std::to_string(guardado);
    cabecera += std::string(12 - numero.size(), '0') + numero;
    c.datos.assign(kLongitud, '\0');
    for (std::size_t i = 0; i < kLongitud; ++i) {
      c.datos[i] = i < cabecera.size() ? cabecera[i]
                                       : static_cast<char>((guardado * 31 + static_cast<long>(i) * 7) & 0x7f);
    }
    return c;
  }

  // The save number a stored row holds when the row is whole (its data area is exactly what that save wrote, and
  // its key, type and language agree with it); -1 otherwise.
  static long Guardado(const std::string& clave, std::int32_t tipodec, char idioma, const std::vector<char>& datos) {
    if (datos.size() != kLongitud || std::string(datos.data(), clave.size()) != clave) return -1;
    const std::string numero(datos.data() + clave.size(), 12);
    if (numero.find_first_not_of("0123456789") != std::string::npos) return -1;
    const ContenidoGuardado c = De(clave, std::stol(numero));
    if (c.datos != datos || c.tipodec != tipodec || c.idioma != idioma) return -1;
    return c.guardado;
  }
};

}  // namespace pruebasalmacen
