// The general base to liquidate: the general base after the minimum, less the pension-plan reductions and a third
// limited reduction. Reads RegApartadoI; writes RegApartadoK, RegBaseImponible, RegLiquidacion and RegApartadoL.
#include <array>
#include <cstddef>

#include "Ayudas.h"
#include "bloques/RegApartadoI.h"
#include "bloques/RegApartadoK.h"
#include "bloques/RegApartadoL.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegLiquidacion.h"

extern "C" int Calculos100K(RegApartadoK* apartadoK, RegBaseImponible* baseImponible, RegLiquidacion* liquidacion,
                            RegApartadoL* apartadoL, RegApartadoI* apartadoI, int /*instancia*/) {
  using namespace ximardol;
  namespace BI = BaseImponible;
  if (apartadoK == nullptr || baseImponible == nullptr || liquidacion == nullptr || apartadoL == nullptr ||
      apartadoI == nullptr) {
    return 0;
  }
  const ImportesMiembro planes = Lee(baseImponible, BI::PlanesPensionesPrimeraClase) +
                                 Lee(baseImponible, BI::PlanesPensionesSegundaClase) +
                                 Lee(baseImponible, BI::PlanesPensionesTerceraClase);
  Escribe(apartadoK, ApartadoK::ReduccionesPlanesPensiones, planes);
  const ImportesMiembro general = Lee(baseImponible, BI::BaseGeneralTrasMinimo) - planes;
  Escribe(apartadoK, ApartadoK::BaseGeneralTrasPlanes, general);

  // At most the general base left, and never negative.
  ImportesMiembro tercera = RepartirImportes(
      {{Lee(baseImponible, BI::CodigoTerceraReduccion, 0), Lee(baseImponible, BI::ImporteTerceraReduccion, 0)},
       {Lee(baseImponible, BI::CodigoTerceraReduccion, 1), Lee(baseImponible, BI::ImporteTerceraReduccion, 1)}});
  std::array<Cota, 5> techo{};
  std::array<Cota, 5> suelo{};
  for (std::size_t i = 0; i < techo.size(); ++i) {
    techo[i] = {general[i], CotaSuperior};
    suelo[i] = {0.0, CotaInferior};
  }
  AcotaImportes(tercera, techo);
  AcotaImportes(tercera, suelo);
  Escribe(baseImponible, BI::TerceraReduccion, tercera);

  const ImportesMiembro liquidable = general - tercera;
  Escribe(liquidacion, Liquidacion::BaseLiquidableGeneral, liquidable);
  ImportesMiembro negativa{};
  for (std::size_t i = 0; i < negativa.size(); ++i) {
    if (liquidable[i] < 0.0) negativa[i] = -liquidable[i];
  }
  Escribe(apartadoL, ApartadoL::BaseLiquidableNegativa, negativa);

  const ImportesMiembro especial = Lee(apartadoI, ApartadoI::BaseEspecialTrasMinimo);
  Escribe(baseImponible, BI::BaseEspecialLiquidable, especial);
  Escribe(apartadoK, ApartadoK::SumaBasesLiquidables, liquidable + especial);
  return 0;
}
