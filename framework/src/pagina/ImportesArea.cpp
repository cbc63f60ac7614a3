#include "framework/ImportesArea.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace marco {

std::optional<std::size_t> PrimerImporteNoFinito(std::span<const unsigned char> area) {
  for (std::size_t i = 0; i + sizeof(double) <= area.size(); i += sizeof(double)) {
    // The bytes as the little-endian double the area keeps, whatever the machine's own order.
    std::uint64_t bits = 0;
    for (std::size_t b = 0; b < sizeof bits; ++b) bits |= static_cast<std::uint64_t>(area[i + b]) << (8 * b);
    double valor = 0;
    std::memcpy(&valor, &bits, sizeof valor);
    if (!std::isfinite(valor)) return i;
  }
  return std::nullopt;
}

}  // namespace marco
