#include "platform/Nombres.h"

#include <system_error>

namespace plataforma {
namespace {
char Mayuscula(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char Minuscula(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }
}  // namespace

bool IgualesSinCaso(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Mayuscula(a[i]) != Mayuscula(b[i])) return false;
  }
  return true;
}

int ComparaSinCaso(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(Mayuscula(a[i]));
    const auto y = static_cast<unsigned char>(Mayuscula(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::string MayusculasAscii(std::string_view texto) {
  std::string s(texto);
  for (char& c : s) c = Mayuscula(c);
  return s;
}

std::string MinusculasAscii(std::string_view texto) {
  std::string s(texto);
  for (char& c : s) c = Minuscula(c);
  return s;
}

std::optional<std::filesystem::path> BuscaFicheroSinCaso(const std::filesystem::path& carpeta,
                                                         std::string_view nombre) {
  std::error_code ec;
  const auto exacto = carpeta / std::string(nombre);
  if (std::filesystem::exists(exacto, ec)) return exacto;
  std::filesystem::directory_iterator it(carpeta, ec);
  if (ec) return std::nullopt;
  for (const auto& entrada : it) {
    if (IgualesSinCaso(entrada.path().filename().string(), nombre)) return entrada.path();
  }
  return std::nullopt;
}

}  // namespace plataforma
