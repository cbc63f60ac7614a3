// Section J: the reductions of the general base for pension-plan contributions of the declarant and the spouse.
// The first kind is limited per person by the lesser of a fifth of the person's net income from work and
// activities and the maximum for the person's year of birth; the second kind has two fixed caps; the third is
// taken as it is. Reads RegDatosFamilia, RegRendTrabajo, RegApartadoD1, D2, D4, D5, RegApartadoE2 and
// RegBaseImponible; writes RegApartadoJ and the pension-plan groups of RegBaseImponible. RegResultados is not read.
#include <array>
#include <cstddef>
#include <cstdint>

#include "Ayudas.h"
#include "EnteroDeTexto.h"
#include "RentasActividades.h"
#include "bloques/RegApartadoE2.h"
#include "bloques/RegApartadoJ.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegDatosFamilia.h"
#include "bloques/RegRendTrabajo.h"

namespace ximardol {
namespace {

namespace AJ = ApartadoJ;
namespace BI = BaseImponible;

// Caps of the second kind, per person.
constexpr double TopeGrupo1 = 2200000.0;
constexpr double TopeGrupo2 = 1100000.0;

// Slot of a person code: 1 the declarant, 2 the spouse; 0 for any other code (counts for nobody).
std::size_t SlotPersona(std::uint8_t codigo) {
  if (codigo == Sujeto::Declarante) return 1;
  if (codigo == Sujeto::Conyuge) return 2;
  return 0;
}

// Net income from work and activities of each person, for the limit of the first kind.
ImportesMiembro RentaNeta(const RegBaseImponible* bi, const RegRendTrabajo* trabajo, const RegApartadoD1* d1,
                          const RegApartadoD2* d2, const RegApartadoD4* d4, const RegApartadoD5* d5,
                          const RegApartadoE2* e2) {
  ImportesMiembro renta =
      RendimientosActividades(d1, d2, d4, d5) + Lee(trabajo, RendTrabajo::RendimientoNeto) - Lee(bi, BI::ActividadD3);
  // Section E2 rows of kind "2" or "3" whose income is marked for the person's limit.
  for (std::size_t k = 0; k < 3; ++k) {
    const char clase = Lee(e2, ApartadoE2::Clase, k);
    if (clase != '2' && clase != '3') continue;
    const std::uint8_t codigo = Lee(e2, ApartadoE2::CodigoMiembro, k);
    const double importe = Lee(e2, ApartadoE2::Renta, k);
    if (codigo == Sujeto::Declarante && Lee(e2, ApartadoE2::PlanDeclarante, k) == 1) renta[1] += importe;
    if (codigo == Sujeto::Conyuge && Lee(e2, ApartadoE2::PlanConyuge, k) == 1) renta[2] += importe;
  }
  return renta;
}

}  // namespace
}  // namespace ximardol

// Reads RegDatosFamilia, RegRendTrabajo, RegApartadoD1, D2, D4, D5, RegApartadoE2 and RegBaseImponible; writes
// RegApartadoJ and RegBaseImponible (the three pension-plan groups; the child slots of the first two are left as
// they are). RegResultados and the instance are not read.
extern "C" int Calculos100J(RegApartadoJ* apartadoJ, RegResultados* /*resultados*/, RegBaseImponible* baseImponible,
                            RegRendTrabajo* rendTrabajo, RegApartadoD1* apartadoD1, RegApartadoD2* apartadoD2,
                            RegApartadoD5* apartadoD5, RegApartadoD4* apartadoD4, RegDatosFamilia* datosFamilia,
                            RegApartadoE2* apartadoE2, int /*instancia*/) {
  using namespace ximardol;
  if (apartadoJ == nullptr || baseImponible == nullptr || rendTrabajo == nullptr || apartadoD1 == nullptr ||
      apartadoD2 == nullptr || apartadoD5 == nullptr || apartadoD4 == nullptr || datosFamilia == nullptr ||
      apartadoE2 == nullptr) {
    return 0;
  }
  RegApartadoJ* j = apartadoJ;
  RegBaseImponible* bi = baseImponible;

  // 1. Limits by age.
  const int anioDeclarante = EnteroDeTexto(LeeTexto(datosFamilia, DatosFamilia::AnioNacimientoDeclarante));
  const int anioConyuge = EnteroDeTexto(LeeTexto(datosFamilia, DatosFamilia::AnioNacimientoConyuge));
  const std::array<double, 3> limiteEdad{0.0, DameCuantiaMaximaPlanPensiones(anioDeclarante),
                                         DameCuantiaMaximaPlanPensiones(anioConyuge)};

  // 2. First kind: complete the rows and add up each person's contributions.
  std::array<double, 3> aportado{};  // by slot: 1 declarant, 2 spouse
  for (std::size_t fila = 0; fila < AJ::FilasPrimeraClase.cuantas; ++fila) {
    Escribe(j, AJ::CopiaAportacion1, fila, Lee(j, AJ::Aportacion1, fila));
    Escribe(j, AJ::SumaAportaciones2y3, fila, Lee(j, AJ::Aportacion2, fila) + Lee(j, AJ::Aportacion3, fila));
    const std::size_t slot = SlotPersona(Lee(j, AJ::CodigoMiembroPrimeraClase, fila));
    if (slot != 0) aportado[slot] += Lee(j, AJ::CopiaAportacion1, fila) + Lee(j, AJ::SumaAportaciones2y3, fila);
  }

  // 3. A fifth of each person's net income, never negative, at most the limit by age.
  ImportesMiembro limite = RentaNeta(bi, rendTrabajo, apartadoD1, apartadoD2, apartadoD4, apartadoD5, apartadoE2);
  for (std::size_t i = 0; i < limite.size(); ++i) {
    if (limite[i] < 0.0) limite[i] = 0.0;
    limite[i] *= 0.2;
    const double tope = i == 1 || i == 2 ? limiteEdad[i] : 0.0;
    if (limite[i] > tope) limite[i] = tope;
  }

  // 4. Admitted and excess of the first kind.
  ImportesMiembro primera = Lee(bi, BI::PlanesPensionesPrimeraClase);
  for (std::size_t i = 1; i <= 2; ++i) primera[i] = aportado[i] <= limite[i] ? aportado[i] : limite[i];
  Escribe(j, AJ::ExcesoPrimeraClaseDeclarante, aportado[1] - primera[1]);
  Escribe(j, AJ::ExcesoPrimeraClaseConyuge, aportado[2] - primera[2]);
  primera[0] = primera[1] + primera[2];
  Escribe(bi, BI::PlanesPensionesPrimeraClase, primera);
  Escribe(j, AJ::ExcesoPrimeraClase, aportado[1] + aportado[2] - primera[0]);

  // 5. Second kind: two fixed caps per person.
  std::array<double, 3> grupo1{};
  std::array<double, 3> grupo2{};
  for (std::size_t fila = 0; fila < AJ::FilasSegundaClase.cuantas; ++fila) {
    Escribe(j, AJ::SumaGrupo1, fila, Lee(j, AJ::ImporteGrupo1A, fila) + Lee(j, AJ::ImporteGrupo1B, fila));
    Escribe(j, AJ::CopiaGrupo2, fila, Lee(j, AJ::ImporteGrupo2, fila));
    const std::size_t slot = SlotPersona(Lee(j, AJ::CodigoMiembroSegundaClase, fila));
    if (slot == 0) continue;
    grupo1[slot] += Lee(j, AJ::SumaGrupo1, fila);
    grupo2[slot] += Lee(j, AJ::CopiaGrupo2, fila);
  }
  ImportesMiembro segunda = Lee(bi, BI::PlanesPensionesSegundaClase);
  for (std::size_t i = 1; i <= 2; ++i) {
    segunda[i] = (grupo1[i] < TopeGrupo1 ? grupo1[i] : TopeGrupo1) + (grupo2[i] < TopeGrupo2 ? grupo2[i] : TopeGrupo2);
  }
  segunda[0] = segunda[1] + segunda[2];
  Escribe(bi, BI::PlanesPensionesSegundaClase, segunda);

  // 6. Third kind, as it is.
  Escribe(bi, BI::PlanesPensionesTerceraClase,
          RepartirImportes({{Lee(j, AJ::CodigoMiembroTerceraClase, 0), Lee(j, AJ::ImporteTerceraClase, 0)},
                            {Lee(j, AJ::CodigoMiembroTerceraClase, 1), Lee(j, AJ::ImporteTerceraClase, 1)}}));
  return 1;
}
