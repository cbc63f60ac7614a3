// The one value common to a list, as the 8-byte text of a box.
#include <charconv>
#include <cstring>

#include "Ayudas.h"

namespace ximardol {

Texto<8> FormateaValorComun(std::span<const double> valores) {
  Texto<8> texto{};
  if (valores.empty()) return texto;

  double candidato = valores[0];
  for (std::size_t i = 1; i < valores.size(); ++i) {
    if (valores[i] == 0.0) continue;  // cut, still 0 (or -0): skipped like any value of 0 or less
    const double valor = Trunc(valores[i], 2);
    if (valor < 0.0) break;
    if (valor <= 0.0) continue;
    if (candidato == 0.0) {
      candidato = valor;
    } else if (valor != candidato) {
      std::memcpy(texto.caracteres, "VARIOS", 6);
      return texto;
    }
  }
  if (!(candidato > 0.0)) return texto;

  // The general format with six significant digits, as the C "%g" writes it, whatever the process locale.
  char formato[32];
  const auto [fin, error] = std::to_chars(formato, formato + sizeof formato, Trunc(candidato, 2),
                                          std::chars_format::general, 6);
  if (error != std::errc{}) return texto;
  const std::size_t largo = static_cast<std::size_t>(fin - formato);
  std::memcpy(texto.caracteres, formato, largo < sizeof texto.caracteres ? largo : sizeof texto.caracteres);
  for (std::size_t i = 0; i < 6; ++i) {
    if (texto.caracteres[i] == '.') texto.caracteres[i] = ',';
  }
  return texto;
}

Texto<8> FormateaValorComun(std::initializer_list<double> valores) {
  return FormateaValorComun(std::span<const double>(valores.begin(), valores.size()));
}

}  // namespace ximardol
