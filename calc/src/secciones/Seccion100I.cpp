// The personal and family minimum taken off the general base first and what is left of it off the special base.
// Reads RegApartadoH and RegApartadoG; writes RegBaseImponible and RegApartadoI.
#include <cstddef>

#include "Ayudas.h"
#include "bloques/RegApartadoG.h"
#include "bloques/RegApartadoH.h"
#include "bloques/RegApartadoI.h"
#include "bloques/RegBaseImponible.h"

extern "C" int Calculos100I(RegApartadoI* apartadoI, RegBaseImponible* baseImponible, RegApartadoH* apartadoH,
                            RegApartadoG* apartadoG, int /*instancia*/) {
  using namespace ximardol;
  if (apartadoI == nullptr || baseImponible == nullptr || apartadoH == nullptr || apartadoG == nullptr) return 0;
  const ImportesMiembro minimo = Lee(apartadoH, ApartadoH::MinimoTotal);
  const ImportesMiembro general = Lee(apartadoG, ApartadoG::BaseGeneralAntesMinimo);
  const ImportesMiembro especial = Lee(apartadoG, ApartadoG::BaseEspecialAntesMinimo);

  ImportesMiembro enGeneral = minimo;
  ImportesMiembro enEspecial{};
  for (std::size_t i = 0; i < minimo.size(); ++i) {
    if (minimo[i] > general[i]) {
      // The general base takes what it can (nothing when negative); the rest goes to the special base.
      enGeneral[i] = general[i] < 0.0 ? 0.0 : general[i];
      enEspecial[i] = minimo[i] - enGeneral[i];
      if (enEspecial[i] > especial[i]) enEspecial[i] = especial[i];
    }
  }
  Escribe(baseImponible, BaseImponible::MinimoBaseGeneral, enGeneral);
  Escribe(baseImponible, BaseImponible::MinimoBaseEspecial, enEspecial);
  const ImportesMiembro generalTrasMinimo = general - enGeneral;
  const ImportesMiembro especialTrasMinimo = especial - enEspecial;
  Escribe(baseImponible, BaseImponible::BaseGeneralTrasMinimo, generalTrasMinimo);
  Escribe(apartadoI, ApartadoI::BaseEspecialTrasMinimo, especialTrasMinimo);
  Escribe(apartadoI, ApartadoI::BasesTrasMinimo, generalTrasMinimo + especialTrasMinimo);
  return 0;
}
