#include "framework/BotonRedondoReglas.h"

#include <algorithm>
#include <cmath>

namespace marco {

CGeometriaRedonda CGeometriaRedonda::Cuadrar(int ancho, int alto) {
  CGeometriaRedonda g;
  g.m_nLado = std::max(0, std::min(ancho, alto));
  g.m_nCentroX = g.m_nLado / 2;
  g.m_nCentroY = g.m_nLado / 2;
  g.m_nRadio = std::max(0, g.m_nLado / 2 - 1);
  return g;
}

bool CGeometriaRedonda::Dentro(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_nLado || y >= m_nLado) return false;
  // Twice the distance of the pixel's centre from the square's centre, against the side.
  const long dx = 2L * x + 1 - m_nLado;
  const long dy = 2L * y + 1 - m_nLado;
  return dx * dx + dy * dy <= static_cast<long>(m_nLado) * m_nLado;
}

SColorBoton ColorSombreado(int dx, int dy, SColorBoton c1, SColorBoton c2) {
  const double angulo = std::atan2(static_cast<double>(dy), static_cast<double>(dx));
  double a = -2.356 - angulo;
  if (a < -3.1415)
    a += 6.293;
  else if (a > 3.1415)
    a -= 6.293;
  const double w = (std::cos(a) + 1.0) / 2.0;
  auto mezcla = [w](std::uint8_t p, std::uint8_t q) {
    const double v = p * w + q * (1.0 - w);
    return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
  };
  return {mezcla(c1.r, c2.r), mezcla(c1.g, c2.g), mezcla(c1.b, c2.b)};
}

namespace {

template <typename Poner>
void RecorrerCirculo(int radio, Poner poner) {
  int x = 0;
  int y = radio;
  int d = 1 - radio;
  int paso = 0;
  while (x <= y) {
    poner(paso, x, y);
    if (d < 0) {
      d += 2 * x + 3;
    } else {
      d += 2 * (x - y) + 5;
      --y;
    }
    ++x;
    ++paso;
  }
}

void Octantes(std::vector<SPuntoBoton>& puntos, int cx, int cy, int x, int y) {
  puntos.push_back({cx + x, cy + y});
  puntos.push_back({cx - x, cy + y});
  puntos.push_back({cx + x, cy - y});
  puntos.push_back({cx - x, cy - y});
  puntos.push_back({cx + y, cy + x});
  puntos.push_back({cx - y, cy + x});
  puntos.push_back({cx + y, cy - x});
  puntos.push_back({cx - y, cy - x});
}

}  // namespace

std::vector<SPuntoBoton> PuntosCirculo(int cx, int cy, int radio) {
  std::vector<SPuntoBoton> puntos;
  if (radio < 0) return puntos;
  RecorrerCirculo(radio, [&](int, int x, int y) { Octantes(puntos, cx, cy, x, y); });
  return puntos;
}

std::vector<SPuntoBoton> PuntosCirculoPunteado(int cx, int cy, int radio) {
  std::vector<SPuntoBoton> puntos;
  if (radio < 0) return puntos;
  RecorrerCirculo(radio, [&](int paso, int x, int y) {
    if (paso % 2 == 0) Octantes(puntos, cx, cy, x, y);
  });
  return puntos;
}

SCaraRedonda CaraRedonda(const CGeometriaRedonda& geometria, SEstadoItem estado, bool anilloFoco, bool plano) {
  using C = EColorSistema;
  SCaraRedonda cara;
  int r = geometria.Radio();
  const bool conAnillo = estado.enfocado && anilloFoco;
  if (conAnillo) {
    cara.circulos.push_back({r, true, false, C::Texto, C::Texto});
    --r;
  }
  if (plano) {
    cara.circulos.push_back({r, true, false, C::Texto, C::Texto});
    cara.circulos.push_back({r - 1, false, false, C::Luz, C::Luz});
  } else if (estado.seleccionado) {
    cara.circulos.push_back({r, false, true, C::SombraOscura, C::Luz});
    cara.circulos.push_back({r - 1, false, true, C::Sombra, C::Claro});
  } else {
    cara.circulos.push_back({r, false, true, C::Luz, C::SombraOscura});
    cara.circulos.push_back({r - 1, false, true, C::Claro, C::Sombra});
  }
  cara.radioTexto = r - 2;
  cara.centroTexto = {geometria.CentroX(), geometria.CentroY()};
  if (estado.seleccionado) cara.centroTexto = {cara.centroTexto.x + 1, cara.centroTexto.y + 1};
  cara.textoGris = estado.desactivado;
  cara.anilloPunteado = conAnillo;
  cara.radioPunteado = r - 4;
  return cara;
}

}  // namespace marco
