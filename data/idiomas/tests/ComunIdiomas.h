#pragma once
// Helpers of the language checks.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace idiomas {

namespace fs = std::filesystem;

inline std::string Leer(const fs::path& ruta) {
  std::ifstream entrada(ruta, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(entrada)), std::istreambuf_iterator<char>());
}

inline std::string Lista(const std::vector<std::string>& lineas) {
  std::string r;
  for (const std::string& l : lineas) r += "  " + l + "\n";
  return r;
}

}  // namespace idiomas
