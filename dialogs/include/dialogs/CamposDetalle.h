// The fields of the small detail dialogs that are not holder grids: amounts of a fixed number of digits, mark
// cells ("X" or blank, stored as 1 or 0) and yes/no cells ("S", "N" or blank, stored as 1, 0 or 255), each a
// binding of a plain edit to a value of the dialog's working copy, and the answer to a character typed in a mark
// or yes/no cell.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "framework/DialogoBase.h"
#include "framework/DialogoPlantilla.h"

namespace dialogos {

inline constexpr std::uint8_t kMarcaSi = 1;
inline constexpr std::uint8_t kMarcaNo = 0;
inline constexpr std::uint8_t kSiNoSinContestar = 255;

// An amount of at most `enteros` whole digits and `decimales` decimals, never negative. A text that is not such an
// amount is refused (the old value is shown again); an empty text is 0, and 0 shows empty.
marco::SEnlaceControl EnlaceImporteCampo(double* valor, int enteros, int decimales);
// A mark: shows "X" for 1 and nothing for anything else; takes "X" (either case) or a blank text.
marco::SEnlaceControl EnlaceMarca(std::uint8_t* marca);
// A yes/no answer: shows "SI" for 1, "NO" for 0, nothing for any other byte; takes "S"/"SI", "N"/"NO" or blank.
marco::SEnlaceControl EnlaceSiNo(std::uint8_t* respuesta);

// The byte a character typed in a mark cell gives: a letter or digit marks, a blank or Backspace clears; none for
// any other character.
std::optional<std::uint8_t> MarcaTecleada(unsigned caracter);
// The byte a character typed in a yes/no cell gives: S yes, N no, a blank or Backspace not answered.
std::optional<std::uint8_t> SiNoTecleado(unsigned caracter);

// A line of a plain dialog: the label, then its edit at `xEdit`, `anchoEdit` wide.
void LineaCampo(marco::CPlantillaDialogo& p, int id, std::string_view etiqueta, int y, int xEdit, int anchoEdit,
                int longitud = 14);

}  // namespace dialogos
