// Amounts of a data area that are not numbers.
//
// A declaration's data area (DatosRenta, DatosPatrimonio) is a block of bytes in which every amount is a
// little-endian IEEE double at an offset that is a multiple of 8 (every block starts at such an offset and the
// calculation library keeps all its amounts on that grid). A stored or imported area whose amount is a NaN or an
// infinity did not come from this program: the calculation would carry it into every result. So an area is
// looked at word by word, every 8 bytes from its start, and refused at the first word whose bits are those of a
// non-finite double.
//
// Only amounts are meant, but nothing in the header says which words hold texts and codes; the check is still
// sound for them: a word reads as non-finite only when its last byte is 0x7F or 0xFF and the one before it is
// 0xF0 or higher, which no code of the areas and no blank- or NUL-padded Windows-1252 text of a person's data
// holds in those two places ("ñÿ", "üÿ" and the like).
#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace marco {

// The offset of the first word of the area that is a NaN or an infinity; none when there is none.
std::optional<std::size_t> PrimerImporteNoFinito(std::span<const unsigned char> area);

inline std::optional<std::size_t> PrimerImporteNoFinito(std::span<const char> area) {
  return PrimerImporteNoFinito(
      std::span<const unsigned char>(reinterpret_cast<const unsigned char*>(area.data()), area.size()));
}

}  // namespace marco
