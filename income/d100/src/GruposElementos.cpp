#include "d100/GruposElementos.h"

#include <utility>

#include "d100/ValoresFila.h"

namespace ordinaria {

namespace {

constexpr std::size_t kTitular = 20;

}  // namespace

SGrupoPagina GrupoElementosFechados(int grupo, std::vector<int> primeras, int primerCampo, int ultimaCalculada) {
  const int c = primerCampo;
  SGrupoPagina g{.id = grupo, .primeras = std::move(primeras),
                 .casillas = {{0, c, 20}, {1, c + 1, 1}, {2, c + 2, 1}, {3, c + 3, 8}, {4, c + 4, 8},
                              {5, c + 5, kD, c + 6}, {6, c + 7, kD, c + 8}},
                 .campoClave = c + 1, .cabeza = 2};
  for (int casilla = 7; casilla <= ultimaCalculada; ++casilla) g.casillas.push_back({casilla, c + casilla + 2, kD});
  return g;
}

CControlesElementos::CControlesElementos(const SPaginaGrupos& grupos, const SElementosFechados& elementos)
    : CControlesGrupos(grupos), m_elementos(elementos) {}

std::vector<SGrupoPagina> GruposElementos(SGrupoPagina a, std::vector<int> primerasB, int primerCampoB,
                                          int ultimaCalculadaB, std::vector<int> primerasC,
                                          std::vector<int> primerasD) {
  const int id = a.id;
  std::vector<SGrupoPagina> grupos;
  grupos.push_back(std::move(a));
  grupos.push_back(GrupoElementosFechados(id + 1, std::move(primerasB), primerCampoB, ultimaCalculadaB));
  grupos.push_back(GrupoParImportes(id + 2, std::move(primerasC), 30));
  grupos.push_back(GrupoParImportes(id + 3, std::move(primerasD), 33));
  return grupos;
}

void CControlesElementos::SoloLecturaGrupo(int grupo) {
  CControlesGrupos::SoloLecturaGrupo(grupo);
  const SElementosFechados& e = Elementos();
  const int indice = IndiceGrupo(grupo);
  if (grupo != e.grupo || indice < 0 || !GrupoEditable(grupo)) return;
  const SGrupoPagina& g = Grupos()[static_cast<std::size_t>(indice)];
  for (std::size_t j = 0; j < g.primeras.size(); ++j) {
    const unsigned char* f = FilaMostrada(grupo, static_cast<int>(j));
    const int k = g.primeras[j];
    for (int n = k + 7; n <= k + e.ultimaCalculada; ++n) Bloquear(n, true);
    if (f == nullptr || f[kTitular] == 0) continue;
    // A child's element has no mark; the values wait for both dates.
    Bloquear(k + 2, f[kTitular] == 4 || f[kTitular] == 5);
    const bool fechas = FechaPresente(Fecha(f + e.adquisicion)) && FechaPresente(Fecha(f + e.transmision));
    Bloquear(k + 5, !fechas);
    Bloquear(k + 6, !fechas);
  }
}

std::optional<CControlesElementos::SFilaFechada> CControlesElementos::GuardarFilaFechada(int fila) {
  const SElementosFechados& e = Elementos();
  NavegarGrupo(e.grupo, fila, e.accionGuardar, 0);
  unsigned char* f = FilaMostrada(e.grupo, fila);
  if (f == nullptr || !GrupoEditable(e.grupo)) return std::nullopt;
  return SFilaFechada{f, Fecha(f + e.adquisicion), Fecha(f + e.transmision)};
}

void CControlesElementos::RechazarFecha(int fila, bool transmision, EProblemaFecha problema) {
  const SElementosFechados& e = Elementos();
  unsigned char* f = FilaMostrada(e.grupo, fila);
  if (f == nullptr) return;
  RechazarFechaFila(f + (transmision ? e.transmision : e.adquisicion),
                    f + (transmision ? e.copiaTransmision : e.copiaAdquisicion), problema, e.plazo,
                    [this, f] { VaciarTrasFecha(f); });
  Guardar(e.grupo, fila);
}

}  // namespace ordinaria
