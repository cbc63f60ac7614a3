// The bar-code data record of the wealth-tax declaration: the whole declaration as one text of 754 characters, a
// head of 124 (form, year, identification, reference, tax number, names, codes and marks) and 42 amounts of 15,
// which page 1 of the printed form compresses, frames and paints as a PDF417 symbol.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ximardol.h"

namespace salida {

class CCodigoBarrasDatos;

// What the record takes from the document and the program besides the data area.
struct SVistaRegistro714 {
  std::string_view ejercicioFiscal;  // 4 characters, "1999"
  char letraWindows = 'I';           // the Windows version letter
  char letraIdioma = 'e';            // the interface language letter (upper-cased here)
};

inline constexpr std::size_t kLongitudRegistro714 = 754;
// The form prefix of the wealth-tax frame.
inline constexpr std::string_view kPrefijoTrama714 = "7141999  1";

// The record; an empty text when an amount does not fit its 15 characters (the caller then shows "PDF002").
std::string DatosCodigoBarras714(const DatosPatrimonio& datos, const SVistaRegistro714& vista);

// Gives the frame the wealth-tax prefix and the declarant's tax number.
void PrepararTrama714(CCodigoBarrasDatos& trama, const DatosPatrimonio& datos);

}  // namespace salida
