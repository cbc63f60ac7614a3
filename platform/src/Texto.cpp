#include "platform/Texto.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace plataforma {
namespace {

// Code points of bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kAltos80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

void AnadeUtf8(std::string& salida, char32_t c) {
  if (c < 0x80) {
    salida.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    salida.push_back(static_cast<char>(0xC0 | (c >> 6)));
    salida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    salida.push_back(static_cast<char>(0xE0 | (c >> 12)));
    salida.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    salida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    salida.push_back(static_cast<char>(0xF0 | (c >> 18)));
    salida.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    salida.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    salida.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Decodes one UTF-8 sequence at `i`; gives false (and advances one byte) on a malformed one.
bool LeeUtf8(std::string_view t, std::size_t& i, char32_t& c) {
  const auto b0 = static_cast<unsigned char>(t[i]);
  int resto = 0;
  char32_t minimo = 0;
  if (b0 < 0x80) {
    c = b0;
    ++i;
    return true;
  } else if ((b0 & 0xE0) == 0xC0) {
    c = b0 & 0x1F; resto = 1; minimo = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    c = b0 & 0x0F; resto = 2; minimo = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    c = b0 & 0x07; resto = 3; minimo = 0x10000;
  } else {
    ++i;
    return false;
  }
  if (i + resto >= t.size()) {
    ++i;
    return false;
  }
  for (int k = 1; k <= resto; ++k) {
    const auto b = static_cast<unsigned char>(t[i + k]);
    if ((b & 0xC0) != 0x80) {
      ++i;
      return false;
    }
    c = (c << 6) | (b & 0x3F);
  }
  if (c < minimo || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
    ++i;
    return false;
  }
  i += resto + 1;
  return true;
}

bool EsBlanco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

char32_t CodigoDeByte1252(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kAltos80[byte - 0x80];
  return byte;
}

int ByteDeCodigo1252(char32_t codigo) {
  if (codigo < 0x80 || (codigo >= 0xA0 && codigo <= 0xFF)) return static_cast<int>(codigo);
  for (std::size_t k = 0; k < kAltos80.size(); ++k) {
    if (kAltos80[k] == codigo) return static_cast<int>(0x80 + k);
  }
  return -1;
}

std::string Cp1252AUtf8(std::string_view texto) {
  std::string salida;
  salida.reserve(texto.size() + texto.size() / 4);
  for (char c : texto) AnadeUtf8(salida, CodigoDeByte1252(static_cast<unsigned char>(c)));
  return salida;
}

std::string Utf8ACp1252(std::string_view texto, char sustituto) {
  std::string salida;
  salida.reserve(texto.size());
  std::size_t i = 0;
  while (i < texto.size()) {
    char32_t c = 0;
    if (!LeeUtf8(texto, i, c)) {
      salida.push_back(sustituto);
      continue;
    }
    const int b = ByteDeCodigo1252(c);
    salida.push_back(b < 0 ? sustituto : static_cast<char>(b));
  }
  return salida;
}

void CopiaFija(char* destino, std::size_t ancho, std::string_view origen) {
  const std::size_t n = std::min(ancho, origen.size());
  if (n > 0) std::memcpy(destino, origen.data(), n);
  if (ancho > n) std::memset(destino + n, ' ', ancho - n);
}

std::string_view LeeFija(const char* origen, std::size_t ancho) {
  const void* nul = std::memchr(origen, '\0', ancho);
  const std::size_t n = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - origen) : ancho;
  return std::string_view(origen, n);
}

std::string_view LeeFijaRecortada(const char* origen, std::size_t ancho) {
  return RecortaDerecha(LeeFija(origen, ancho));
}

std::string_view RecortaDerecha(std::string_view texto) {
  while (!texto.empty() && EsBlanco(texto.back())) texto.remove_suffix(1);
  return texto;
}

std::string_view RecortaIzquierda(std::string_view texto) {
  while (!texto.empty() && EsBlanco(texto.front())) texto.remove_prefix(1);
  return texto;
}

std::string_view Recorta(std::string_view texto) { return RecortaIzquierda(RecortaDerecha(texto)); }

std::string Mayusculas1252(std::string_view texto) {
  std::string salida(texto);
  for (char& c : salida) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z') {
      c = static_cast<char>(b - 32);
    } else if ((b >= 0xE0 && b <= 0xFE && b != 0xF7)) {
      c = static_cast<char>(b - 32);
    } else if (b == 0x9A || b == 0x9C || b == 0x9E) {  // š œ ž
      c = static_cast<char>(b - 16);
    } else if (b == 0xFF) {  // ÿ
      c = static_cast<char>(0x9F);
    }
  }
  return salida;
}

}  // namespace plataforma
