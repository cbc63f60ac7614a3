// The general base after its two limited reductions (step 1) and the special base after its deduction (step 2).
// Reads RegApartadoF4; writes RegBaseImponible, RegApartadoL and RegApartadoG. RegApartadoI is not read.
#include <cstddef>

#include "Ayudas.h"
#include "bloques/RegApartadoF4.h"
#include "bloques/RegApartadoG.h"
#include "bloques/RegApartadoL.h"
#include "bloques/RegBaseImponible.h"

namespace ximardol {
namespace {

namespace BI = BaseImponible;

void BaseGeneral(RegBaseImponible* bi, const RegApartadoF4* f4, RegApartadoL* l, RegApartadoG* g) {
  const ImportesMiembro suma = SumaPonderada({{Lee(bi, BI::TrabajoNeto), 1.0},
                                              {Lee(bi, BI::InmobiliarioNeto), 1.0},
                                              {Lee(bi, BI::MobiliarioNeto), 1.0},
                                              {Lee(bi, BI::ActividadD1), 1.0},
                                              {Lee(bi, BI::ActividadD2), 1.0},
                                              {Lee(bi, BI::ActividadD3), -1.0},
                                              {Lee(bi, BI::ActividadD4), 1.0},
                                              {Lee(bi, BI::AgrariaRendimientoFinal), 1.0},
                                              {Lee(bi, BI::ApartadoE1), 1.0},
                                              {Lee(bi, BI::ApartadoE2Ingresos), 1.0},
                                              {Lee(bi, BI::ApartadoE3), 1.0},
                                              {Lee(bi, BI::ApartadoE4), 1.0},
                                              {Lee(bi, BI::ApartadoE5), 1.0}});
  Escribe(bi, BI::SumaPartesGenerales, suma);
  ImportesMiembro segunda = RepartirFilas(bi, BI::CodigoSegundaReduccion, BI::ImporteSegundaReduccion);

  const ImportesMiembro reclamada = Lee(f4, ApartadoF4::PerdidaNetaGrupo1);
  ImportesMiembro primera{};
  ImportesMiembro exceso{};
  for (std::size_t i = 0; i < primera.size(); ++i) {
    if (reclamada[i] != 0.0) {
      // At most a tenth of the general parts, in whole pesetas, and never negative.
      primera[i] = reclamada[i];
      const double decima = Redondea(suma[i] * 0.1);
      if (decima < primera[i]) primera[i] = decima;
      if (primera[i] < 0.0) primera[i] = 0.0;
      exceso[i] = reclamada[i] - primera[i];
    }
    const double resto = suma[i] - primera[i];
    if (resto < segunda[i]) segunda[i] = resto < 0.0 ? 0.0 : resto;
  }
  Escribe(bi, BI::PrimeraReduccion, primera);
  Escribe(bi, BI::SegundaReduccion, segunda);
  Escribe(l, ApartadoL::ExcesoPrimeraReduccion, exceso);

  const ImportesMiembro general = suma - primera - segunda;
  Escribe(g, ApartadoG::BaseGeneralTrasReducciones, general);
  Escribe(g, ApartadoG::BaseGeneralAntesMinimo, general + Lee(bi, BI::GananciasNetasGrupo1));
}

void BaseEspecial(RegBaseImponible* bi, RegApartadoG* g) {
  const ImportesMiembro especial = Lee(bi, BI::GananciasNetasGrupo2);
  ImportesMiembro deduccion = RepartirFilas(bi, BI::CodigoDeduccionBaseEspecial, BI::ImporteDeduccionBaseEspecial);
  for (std::size_t i = 0; i < deduccion.size(); ++i) {
    if (deduccion[i] > especial[i]) deduccion[i] = especial[i];
  }
  Escribe(bi, BI::DeduccionBaseEspecial, deduccion);
  Escribe(g, ApartadoG::BaseEspecialAntesMinimo, especial - deduccion);
}

}  // namespace
}  // namespace ximardol

// Step 1 reads RegApartadoF4 and writes RegBaseImponible, RegApartadoL and RegApartadoG; step 2 writes
// RegBaseImponible and RegApartadoG. Other steps do nothing.
extern "C" int Calculos100LI1(RegBaseImponible* baseImponible, RegApartadoF4* apartadoF4, RegApartadoL* apartadoL,
                              RegApartadoI* /*apartadoI*/, RegApartadoG* apartadoG, int instancia) {
  using namespace ximardol;
  if (baseImponible == nullptr || apartadoG == nullptr) return 0;
  if (instancia == 1 && apartadoF4 != nullptr && apartadoL != nullptr) {
    BaseGeneral(baseImponible, apartadoF4, apartadoL, apartadoG);
  } else if (instancia == 2) {
    BaseEspecial(baseImponible, apartadoG);
  }
  return 0;
}
