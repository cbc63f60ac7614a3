#include "framework/BotonTipos.h"

#include <algorithm>

namespace marco {

SRectBoton SRectBoton::Encoger(int n) const {
  return {x + n, y + n, std::max(0, ancho - 2 * n), std::max(0, alto - 2 * n)};
}

SColorBoton SColoresSistema::De(EColorSistema color) const {
  switch (color) {
    case EColorSistema::Cara: return cara;
    case EColorSistema::Texto: return texto;
    case EColorSistema::Sombra: return sombra;
    case EColorSistema::Luz: return luz;
    case EColorSistema::Claro: return claro;
    case EColorSistema::SombraOscura: return sombraOscura;
    case EColorSistema::TextoGris: return textoGris;
  }
  return cara;
}

SColorBoton MapearColorSistema(SColorBoton color, const SColoresSistema& sistema) {
  if (color == SColorBoton{0, 0, 0}) return sistema.texto;
  if (color == SColorBoton{128, 128, 128}) return sistema.sombra;
  if (color == SColorBoton{192, 192, 192}) return sistema.cara;
  if (color == SColorBoton{255, 255, 255}) return sistema.luz;
  return color;
}

SAnillosBorde AnillosBorde(EBordeBoton borde) {
  using C = EColorSistema;
  switch (borde) {
    case EBordeBoton::Ninguno: return {};
    case EBordeBoton::FinoHundido: return {1, {{C::Sombra, C::Luz}, {C::Cara, C::Cara}}};
    case EBordeBoton::FinoRealzado: return {1, {{C::Luz, C::Sombra}, {C::Cara, C::Cara}}};
    case EBordeBoton::MarcoSombra: return {1, {{C::Sombra, C::Sombra}, {C::Cara, C::Cara}}};
    case EBordeBoton::Invisible: return {1, {{C::Cara, C::Cara}, {C::Cara, C::Cara}}};
    case EBordeBoton::Realce3D: return {2, {{C::Luz, C::SombraOscura}, {C::Claro, C::Sombra}}};
    case EBordeBoton::DobleRealzado: return {2, {{C::Luz, C::SombraOscura}, {C::Cara, C::Sombra}}};
    case EBordeBoton::DobleHundido: return {2, {{C::SombraOscura, C::Luz}, {C::Sombra, C::Cara}}};
  }
  return {};
}

}  // namespace marco
