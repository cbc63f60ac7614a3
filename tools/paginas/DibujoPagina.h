// The page picture: a placeable Windows metafile drawn from the same layout as the box rectangles, in the sober
// style of a paper tax form: the form's line and the page title at the top, section headings, labels, printed
// box numbers and a frame at the very rectangle of every box.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FuentePagina.h"

namespace paginas {

// The picture of a prepared page in one language (index into kIdiomas). Empty with the reason in `error` when a
// value does not fit the format.
std::vector<std::uint8_t> DibujaPagina(const CPagina& pagina, int idioma, std::string& error);

// The picture's rectangle in its own units: the page in tenths of a page unit.
plataforma::CRectangulo CajaDibujo();

}  // namespace paginas
