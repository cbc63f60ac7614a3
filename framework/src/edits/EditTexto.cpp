#include "framework/EditTexto.h"

#include <string_view>

namespace marco {

namespace {

bool EsDigito(unsigned caracter) { return caracter >= '0' && caracter <= '9'; }

// Punctuation a name never holds (Windows-1252: 0xBF inverted question mark, 0xB7 middle dot).
constexpr std::string_view kPuntuacionRechazada = "!\"$%&()=?\xBF*\xB7+_~{}[]|";

}  // namespace

bool CAlfaEdit::EsCaracterRechazado(unsigned char caracter) {
  return EsDigito(caracter) || kPuntuacionRechazada.find(static_cast<char>(caracter)) != std::string_view::npos;
}

int CAlfaEdit::ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) {
  const int base = CEditEx::ValidarCaracter(caracter, repeticiones, banderas, llamada);
  if (base != 0) return base;
  if (caracter > 0xFF) return 1;
  return EsCaracterRechazado(static_cast<unsigned char>(caracter)) ? 1 : 0;
}

int CAlfaEdit::TextoAdmisible(std::string_view texto) {
  for (std::size_t i = 1; i < texto.size(); ++i) {
    if (EsCaracterRechazado(static_cast<unsigned char>(texto[i]))) return 0;
  }
  return 1;
}

int CANumEdit::ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) {
  const int base = CEditEx::ValidarCaracter(caracter, repeticiones, banderas, llamada);
  if (base != 0) return base;
  if (EsDigito(caracter) || caracter == kTeclaRetroceso || caracter == kTeclaEscape) return 0;
  return 1;
}

int CANumEdit::TextoAdmisible(std::string_view texto) {
  for (std::size_t i = 1; i < texto.size(); ++i) {
    if (!EsDigito(static_cast<unsigned char>(texto[i]))) return 0;
  }
  return 1;
}

}  // namespace marco
