// The EAN-128 code of the payment pages: the declaration's reference as an 18-character code text, painted as a
// GS1-128 symbol in its place of the page.
#pragma once

#include <string>
#include <string_view>

#include "platform/Lienzo.h"

namespace salida {

// "21011", the first 12 characters of the reference and its 14th (the 13th is left out). A shorter reference
// gives a shorter text: the missing characters are simply absent. The reference ends at its first NUL.
std::string TextoCodigoEan128(std::string_view referencia);

// The code's place on a page of `pagina` device units: from (cx × 500/790, cy × 175/1100), (cx × 300/790,
// cy × 125/1100) across and down, each truncated.
plataforma::CRectangulo RectanguloEan128(plataforma::CTamano pagina);

// Paints the code of the reference on the page. 0 when drawn; 1 when the reference is empty (nothing drawn, no
// message) or the code could not be drawn ("PDF001").
int ImprimirCodigoBarras(plataforma::CLienzo& lienzo, plataforma::CTamano pagina, std::string_view referencia);

}  // namespace salida
