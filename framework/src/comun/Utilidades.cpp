#include "framework/Utilidades.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/Numeros.h"

namespace marco {
namespace {

std::string_view HastaNul(std::string_view texto) {
  const auto fin = texto.find('\0');
  return fin == std::string_view::npos ? texto : texto.substr(0, fin);
}

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double Redondear(double valor) {
  if (!std::isfinite(valor)) return valor;
  double entero = 0;
  const double fraccion = std::modf(valor, &entero);
  if (fraccion >= 0.5) entero += 1;
  return entero + 0.0;  // -0.0 + 0.0 is +0.0
}

int NumeroDeCadena(std::string_view texto, int n) {
  if (n <= 0) return 0;
  texto = texto.substr(0, std::min(texto.size(), static_cast<std::size_t>(n)));
  const long valor = plataforma::LeeEntero(HastaNul(texto));
  return static_cast<int>(std::clamp<long>(valor, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

void QuitarPuntos(std::string& texto) { std::erase(texto, '.'); }

std::string CadenaSinPuntos(std::string_view texto) {
  texto = HastaNul(texto);
  if (texto.size() <= 6) return {};
  std::string resto(texto.substr(6));
  QuitarPuntos(resto);
  return resto;
}

void AnadirCaracteres(std::string_view texto, int n, std::string& destino) {
  if (n <= 0) return;
  texto = HastaNul(texto);
  destino.append(texto.substr(0, std::min(texto.size(), static_cast<std::size_t>(n))));
}

void QuitarBlancosDerecha(std::string& texto) {
  const auto ultimo = texto.find_last_not_of(' ');
  texto.erase(ultimo == std::string::npos ? 0 : ultimo + 1);
}

std::string QuitarAcentos(std::string_view texto) {
  std::string copia(texto);
  for (char& c : copia) {
    switch (static_cast<unsigned char>(c)) {
      case 0xC0:
      case 0xC1:
      case 0xC2:
      case 0xC4:
        c = 'A';
        break;
      case 0xC8:
      case 0xC9:
      case 0xCA:
      case 0xCB:
        c = 'E';
        break;
      case 0xCC:
      case 0xCD:
      case 0xCE:
      case 0xCF:
        c = 'I';
        break;
      case 0xD2:
      case 0xD3:
      case 0xD4:
      case 0xD6:
        c = 'O';
        break;
      case 0xD9:
      case 0xDA:
      case 0xDB:
      case 0xDC:
        c = 'U';
        break;
      default:
        break;
    }
  }
  return copia;
}

bool EsBlanco(char c) { return c == '\0' || c == ' '; }

bool NoEsBlanco(char c) { return !EsBlanco(c); }

bool EsCadenaEnBlanco(std::string_view texto, int n) {
  texto = HastaNul(texto);
  if (n >= 0) texto = texto.substr(0, std::min(texto.size(), static_cast<std::size_t>(n)));
  return texto.find_first_not_of(' ') == std::string_view::npos;
}

bool EsCadenaNumerica(std::string_view texto) {
  texto = HastaNul(texto);
  return std::all_of(texto.begin(), texto.end(), [](char c) { return c == ' ' || EsDigito(c); });
}

bool EsCodigoPostal(std::string_view texto) {
  texto = HastaNul(texto);
  if (EsCadenaEnBlanco(texto)) return true;
  if (texto.size() < 2 || !std::all_of(texto.begin(), texto.end(), EsDigito)) return false;
  const int provincia = (texto[0] - '0') * 10 + (texto[1] - '0');
  return provincia >= 1 && provincia <= 52;
}

bool EsLetraNombre(char c) {
  if (c == ' ' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  switch (static_cast<unsigned char>(c)) {
    case 0xC7:  // Ç
    case 0xD1:  // Ñ
    case 0xF1:  // ñ
    case 0xA5:  // Ñ in code page 850
    case 0xA4:  // ñ in code page 850
      return true;
    default:
      return false;
  }
}

}  // namespace marco
