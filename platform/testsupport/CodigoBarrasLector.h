// Reading bar codes back in tests with an independent reader (zxing-cpp): what the program paints must be
// readable by someone else's decoder, byte for byte.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pruebas {

struct CCodigoLeido {
  std::string formato;               // "PDF417", "Code128", ...
  std::vector<std::uint8_t> bytes;   // the content as it stands in the symbol
  std::string simbologia;            // the symbology identifier ("]L2", "]C1", ...)
  int indice = -1;                   // place in a Macro PDF417 sequence (0-based), -1 when alone
  int cuenta = -1;                   // symbols of that sequence, -1 when alone
  std::string idSecuencia;
  int izquierda = 0;                 // the left and top of the symbol found, in pixels
  int arriba = 0;
};

// Every bar code found in a PNG file.
std::vector<CCodigoLeido> LeerCodigosPng(const std::string& ruta);

// The content of the symbols of one Macro PDF417 sequence joined in sequence order (a lone symbol is its own
// content); empty when the sequence is not whole (a missing or repeated index, or symbols of another sequence).
std::vector<std::uint8_t> UnirSecuencia(const std::vector<CCodigoLeido>& codigos);

}  // namespace pruebas
