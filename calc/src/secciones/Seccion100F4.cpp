// Section F totals: the gains and losses of sections F1, F2, F3 and of subsection 8 of section C in two groups, netted
// per member. Writes RegApartadoF4, RegBaseImponible (1232, 1544) and RegApartadoL (40); the other blocks are only
// read.
#include "Ayudas.h"
#include "bloques/RegApartadoF1.h"
#include "bloques/RegApartadoF2.h"
#include "bloques/RegApartadoF3.h"
#include "bloques/RegApartadoF4.h"
#include "bloques/RegApartadoL.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegRendCapMobiliario.h"

namespace ximardol {
namespace {

struct Neteo {
  ImportesMiembro ganancia;  // gains above losses, else 0
  ImportesMiembro perdida;   // losses at or above gains, less the gains, else 0
};

Neteo Netea(const ImportesMiembro& ganancias, const ImportesMiembro& perdidas) {
  Neteo neto{};
  for (std::size_t k = 0; k < ganancias.size(); ++k) {
    if (ganancias[k] > perdidas[k]) {
      neto.ganancia[k] = ganancias[k] - perdidas[k];
    } else {
      neto.perdida[k] = perdidas[k] - ganancias[k];
    }
  }
  return neto;
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100F4(RegApartadoF4* apartadoF4, RegApartadoF1* apartadoF1, RegApartadoF2* apartadoF2,
                             RegApartadoL* apartadoL, RegBaseImponible* baseImponible,
                             RegRendCapMobiliario* rendCapMobiliario, RegApartadoF3* apartadoF3, int /*instancia*/) {
  using namespace ximardol;
  if (apartadoF4 == nullptr || apartadoF1 == nullptr || apartadoF2 == nullptr || apartadoL == nullptr ||
      baseImponible == nullptr || rendCapMobiliario == nullptr || apartadoF3 == nullptr) {
    return 0;
  }

  // First group.
  const ImportesMiembro ganancias1 = Lee(apartadoF1, ApartadoF1::GananciasGrupo1) +
                                     Lee(apartadoF1, ApartadoF1::GrupoInstancia1) +
                                     Lee(apartadoF1, ApartadoF1::GrupoInstancia2Neto) +
                                     Lee(apartadoF2, ApartadoF2::GananciasParteGeneral) +
                                     Lee(apartadoF2, ApartadoF2::GananciasParteAntigua) +
                                     Lee(apartadoF2, ApartadoF2::GrupoInstancia2) +
                                     Lee(apartadoF2, ApartadoF2::GrupoInstancia3);
  const ImportesMiembro perdidas1 = Lee(apartadoF1, ApartadoF1::PerdidasGrupo1) +
                                    Lee(apartadoF2, ApartadoF2::PerdidasParte) +
                                    Lee(apartadoF2, ApartadoF2::GrupoInstancia2Segunda);
  Escribe(apartadoF4, ApartadoF4::GananciasGrupo1, ganancias1);
  Escribe(apartadoF4, ApartadoF4::PerdidasGrupo1, perdidas1);
  const Neteo neto1 = Netea(ganancias1, perdidas1);
  Escribe(baseImponible, BaseImponible::GananciasNetasGrupo1, neto1.ganancia);
  Escribe(apartadoF4, ApartadoF4::PerdidaNetaGrupo1, neto1.perdida);

  // Second group.
  const ImportesMiembro ganancias2 = Lee(apartadoF1, ApartadoF1::GananciasGrupo2) +
                                     Lee(apartadoF3, ApartadoF3::GananciasParteGeneral) +
                                     Lee(apartadoF3, ApartadoF3::GananciasParteAntigua) +
                                     Lee(apartadoF3, ApartadoF3::GrupoGanancias) +
                                     Lee(rendCapMobiliario, RendCapMobiliario::Subapartado8Positivo);
  const ImportesMiembro perdidas2 = Lee(apartadoF1, ApartadoF1::PerdidasGrupo2) +
                                    Lee(apartadoF3, ApartadoF3::PerdidasParte) +
                                    Lee(apartadoF3, ApartadoF3::GrupoPerdidas) +
                                    Lee(rendCapMobiliario, RendCapMobiliario::Subapartado8Negativo);
  Escribe(apartadoF4, ApartadoF4::GananciasGrupo2, ganancias2);
  Escribe(apartadoF4, ApartadoF4::PerdidasGrupo2, perdidas2);
  const Neteo neto2 = Netea(ganancias2, perdidas2);
  Escribe(baseImponible, BaseImponible::GananciasNetasGrupo2, neto2.ganancia);
  Escribe(apartadoF4, ApartadoF4::PerdidaNetaGrupo2, neto2.perdida);
  Escribe(apartadoL, ApartadoL::PerdidaNetaGrupo2, neto2.perdida);
  return 0;
}
