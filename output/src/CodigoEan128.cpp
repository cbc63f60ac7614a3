#include "output/CodigoEan128.h"

#include <cstdint>

#include "framework/DlgMensaje.h"
#include "platform/CodigoBarras.h"

namespace salida {

std::string TextoCodigoEan128(std::string_view referencia) {
  referencia = referencia.substr(0, referencia.find('\0'));
  std::string texto = "21011";
  texto.append(referencia.substr(0, 12));
  if (referencia.size() >= 14) texto.push_back(referencia[13]);
  return texto;
}

plataforma::CRectangulo RectanguloEan128(plataforma::CTamano pagina) {
  const auto parte = [](int total, int numerador, int denominador) {
    return static_cast<int>(static_cast<std::int64_t>(total) * numerador / denominador);
  };
  const int x = parte(pagina.cx, 500, 790);
  const int y = parte(pagina.cy, 175, 1100);
  return plataforma::CRectangulo{x, y, x + parte(pagina.cx, 300, 790), y + parte(pagina.cy, 125, 1100)};
}

int ImprimirCodigoBarras(plataforma::CLienzo& lienzo, plataforma::CTamano pagina, std::string_view referencia) {
  referencia = referencia.substr(0, referencia.find('\0'));
  if (referencia.empty()) return 1;
  if (!plataforma::PintarCodigoBarras(lienzo, RectanguloEan128(pagina), TextoCodigoEan128(referencia))) {
    marco::CDlgMensaje().MostrarMensaje("PDF001", marco::IconoMano, "");
    return 1;
  }
  return 0;
}

}  // namespace salida
