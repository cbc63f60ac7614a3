// Section A, work income: the payer rows by member, the net work income, the reduction for work income (with its
// other-income test and its increase for disabled workers) and the net work income after the reduction.
//
// Reads RegRendCapInmobiliario, RegRendCapMobiliario, RegApartadoD1, RegApartadoD2, RegApartadoD4, RegApartadoD5,
// RegApartadoF4 and RegDatosFamilia; writes RegRendTrabajo (its member arrays), RegBaseImponible and RegResultados.
#include <array>
#include <cstddef>
#include <cstdint>

#include "Ayudas.h"
#include "RentasActividades.h"
#include "bloques/RegApartadoF4.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegDatosFamilia.h"
#include "bloques/RegRendCapInmobiliario.h"
#include "bloques/RegRendCapMobiliario.h"
#include "bloques/RegRendTrabajo.h"
#include "bloques/RegResultados.h"

namespace ximardol {
namespace {

constexpr std::size_t kFilasPagadores = RendTrabajo::Pagadores.cuantas;

// The amounts 11 and 12 count at most this much in each slot.
constexpr double kTopeImportes11Y12 = 50000.0;

// Limits and amounts of the reduction for work income.
constexpr double kRendimientoMaximoReduccion = 2000000.0;
constexpr double kOtrasRentasMaximas = 1000000.0;
constexpr double kRendimientoInicioEscala = 1350000.0;
constexpr double kRestaEscala = 1350001.0;
constexpr double kCoeficienteEscala = 0.1923;
constexpr double kReduccionGeneral = 500000.0;
constexpr double kReduccionMinima = 300000.0;

// The member arrays of the payer rows, each added in row order as `SumaImporteMiembro` adds them. The results'
// amounts take amounts 2 and 4 of each row in turn, and so do amounts 6 and 7.
struct ImportesPagadores {
  ImportesMiembro importes1{};
  ImportesMiembro importes2Y4{};
  ImportesMiembro importes3{};
  ImportesMiembro importes4{};
  ImportesMiembro importes5{};
  ImportesMiembro importes6Y7{};
  ImportesMiembro importes8{};
  ImportesMiembro importes9{};
  ImportesMiembro importes10{};
  ImportesMiembro importes11{};
  ImportesMiembro importes12{};
};

// One pass over the payer rows for every array. A row whose code is not a member (1 to 5) adds nothing to any of
// them, so its amounts are not read.
ImportesPagadores SumaPagadores(const RegRendTrabajo* t) {
  namespace T = RendTrabajo;
  ImportesPagadores p;
  for (std::size_t i = 0; i < kFilasPagadores; ++i) {
    const std::uint8_t codigo = Lee(t, T::CodigoMiembro, i);
    if (codigo < Sujeto::UnidadFamiliar || codigo > Sujeto::SegundoHijo) continue;
    SumaImporteMiembro(p.importes1, codigo, Lee(t, T::Importe1, i));
    SumaImporteMiembro(p.importes2Y4, codigo, Lee(t, T::Importe2, i));
    SumaImporteMiembro(p.importes2Y4, codigo, Lee(t, T::Importe4, i));
    SumaImporteMiembro(p.importes3, codigo, Lee(t, T::Importe3, i));
    SumaImporteMiembro(p.importes4, codigo, Lee(t, T::Importe4, i));
    SumaImporteMiembro(p.importes5, codigo, Lee(t, T::Importe5, i));
    SumaImporteMiembro(p.importes6Y7, codigo, Lee(t, T::Importe6, i));
    SumaImporteMiembro(p.importes6Y7, codigo, Lee(t, T::Importe7, i));
    SumaImporteMiembro(p.importes8, codigo, Lee(t, T::Importe8, i));
    SumaImporteMiembro(p.importes9, codigo, Lee(t, T::Importe9, i));
    SumaImporteMiembro(p.importes10, codigo, Lee(t, T::Importe10, i));
    SumaImporteMiembro(p.importes11, codigo, Lee(t, T::Importe11, i));
    SumaImporteMiembro(p.importes12, codigo, Lee(t, T::Importe12, i));
  }
  return p;
}

ImportesMiembro AcotaA50000(ImportesMiembro importes) {
  const Cota tope{kTopeImportes11Y12, CotaSuperior};
  AcotaImportes(importes, {tope, tope, tope, tope, tope});
  return importes;
}

// The reduction of one slot before the increase for disabled workers.
double ReduccionBase(double neto, double otrasRentas) {
  double reduccion;
  if (neto > kRendimientoMaximoReduccion || otrasRentas > kOtrasRentasMaximas) {
    reduccion = kReduccionMinima;
  } else if (neto > kRendimientoInicioEscala) {
    reduccion = kReduccionGeneral - (neto - kRestaEscala) * kCoeficienteEscala;
  } else {
    reduccion = kReduccionGeneral;
  }
  return reduccion;
}

// Never more than the net work income, never negative.
double AcotaReduccion(double reduccion, double neto) {
  if (reduccion >= neto) reduccion = neto;
  if (reduccion < 0.0) reduccion = 0.0;
  return reduccion;
}

// The factor of the increase for a disability degree byte: "1" 0.75, "2" 1.25, "3" 1.75, anything else 0.
double FactorGrado(std::uint8_t grado) {
  switch (grado) {
    case '1':
      return 0.75;
    case '2':
      return 1.25;
    case '3':
      return 1.75;
    default:
      return 0.0;
  }
}

// The increase for disabled workers, on the reductions before rounding. The degree of each member code is that of
// its last payer row among the first five; the sixth row's degree is not read. The increase applies when any of
// those rows has a degree byte other than 0 and blank.
void AplicaIncrementoMinusvalia(const RegRendTrabajo* trabajo, const ImportesMiembro& neto,
                                ImportesMiembro& reduccion) {
  constexpr std::size_t kFilasConGrado = 5;
  std::array<std::uint8_t, 6> gradoDeCodigo{};  // index: member code 1 to 5
  bool hayGrado = false;
  for (std::size_t i = 0; i < kFilasConGrado; ++i) {
    const std::uint8_t codigo = Lee(trabajo, RendTrabajo::CodigoMiembro, i);
    if (codigo == 0) continue;
    const std::uint8_t grado = Lee(trabajo, RendTrabajo::GradoMinusvalia, i);
    if (grado != 0 && grado != ' ') hayGrado = true;
    // A code outside 1..5 belongs to no slot.
    if (codigo <= Sujeto::SegundoHijo) gradoDeCodigo[codigo] = grado;
  }
  if (!hayGrado) return;

  for (int codigo = Sujeto::Declarante; codigo <= Sujeto::SegundoHijo; ++codigo) {
    const std::size_t k = static_cast<std::size_t>(codigo - 1);
    const double extra = reduccion[k] * FactorGrado(gradoDeCodigo[static_cast<std::size_t>(codigo)]);
    reduccion[k] = AcotaReduccion(reduccion[k] + extra, neto[k]);
  }

  auto algunoConGrado = [&](std::uint8_t grado) {
    for (int codigo = Sujeto::Declarante; codigo <= Sujeto::SegundoHijo; ++codigo) {
      if (gradoDeCodigo[static_cast<std::size_t>(codigo)] == grado) return true;
    }
    return false;
  };
  double factorTotal = 0.0;
  if (algunoConGrado('3')) {
    factorTotal = 1.75;
  } else if (algunoConGrado('2')) {
    factorTotal = 1.25;
  } else if (algunoConGrado('1')) {
    factorTotal = 0.75;
  }
  const double extra = reduccion[0] * factorTotal;
  reduccion[0] = AcotaReduccion(reduccion[0] + extra, neto[0]);
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100A(RegRendTrabajo* rendTrabajo, RegBaseImponible* baseImponible,
                            RegRendCapInmobiliario* rendCapInmobiliario, RegRendCapMobiliario* rendCapMobiliario,
                            RegApartadoD1* apartadoD1, RegApartadoD2* apartadoD2, RegApartadoD4* apartadoD4,
                            RegApartadoD5* apartadoD5, RegApartadoF4* apartadoF4, RegResultados* resultados,
                            RegDatosFamilia* datosFamilia, int /*instancia: not read*/) {
  using namespace ximardol;
  if (rendTrabajo == nullptr || baseImponible == nullptr || rendCapInmobiliario == nullptr ||
      rendCapMobiliario == nullptr || apartadoD1 == nullptr || apartadoD2 == nullptr || apartadoD4 == nullptr ||
      apartadoD5 == nullptr || apartadoF4 == nullptr || resultados == nullptr || datosFamilia == nullptr) {
    return 0;
  }
  RegRendTrabajo* const t = rendTrabajo;
  RegBaseImponible* const bi = baseImponible;

  // Gross work income, the amounts 2 and 4 for the results, the amounts 3 + 4 - 5, 6 + 7 and 8.
  const ImportesPagadores pagadores = SumaPagadores(t);
  Escribe(bi, BaseImponible::TrabajoIntegro, pagadores.importes1);
  Escribe(resultados, Resultados::ImportesTrabajo, pagadores.importes2Y4);

  const ImportesMiembro& importes3 = pagadores.importes3;
  const ImportesMiembro& importes4 = pagadores.importes4;
  const ImportesMiembro& importes5 = pagadores.importes5;
  Escribe(t, RendTrabajo::Importes3, importes3);
  Escribe(t, RendTrabajo::Importes4, importes4);
  Escribe(t, RendTrabajo::Importes5, importes5);
  Escribe(bi, BaseImponible::TrabajoImportes3Mas4Menos5,
          SumaPonderada({{importes3, 1.0}, {importes4, 1.0}, {importes5, -1.0}}));
  Escribe(bi, BaseImponible::TrabajoImportes6Mas7, pagadores.importes6Y7);
  Escribe(bi, BaseImponible::TrabajoImporte8, pagadores.importes8);

  // Deductible expenses: amounts 9 and 10, and 11 and 12 capped slot by slot.
  const ImportesMiembro& importes9 = pagadores.importes9;
  const ImportesMiembro& importes10 = pagadores.importes10;
  const ImportesMiembro importes11 = AcotaA50000(pagadores.importes11);
  const ImportesMiembro importes12 = AcotaA50000(pagadores.importes12);
  Escribe(t, RendTrabajo::Importes9, importes9);
  Escribe(t, RendTrabajo::Importes10, importes10);
  Escribe(t, RendTrabajo::Importes11, importes11);
  Escribe(t, RendTrabajo::Importes12, importes12);
  Escribe(bi, BaseImponible::TrabajoGastosDeducibles, importes9 + importes10 + importes11 + importes12);

  // Net work income.
  const ImportesMiembro neto = SumaPonderada({{Lee(bi, BaseImponible::TrabajoIntegro), 1.0},
                                              {Lee(bi, BaseImponible::TrabajoImportes3Mas4Menos5), 1.0},
                                              {Lee(bi, BaseImponible::TrabajoImportes6Mas7), 1.0},
                                              {Lee(bi, BaseImponible::TrabajoImporte8), -1.0},
                                              {Lee(bi, BaseImponible::TrabajoGastosDeducibles), -1.0}});
  Escribe(t, RendTrabajo::RendimientoNeto, neto);

  // Other income of each slot; the family data give one double per person and their sum for the total.
  ImportesMiembro familia{};
  for (std::size_t p = 0; p < DatosFamilia::OtrasRentasReduccionTrabajo.cuantos; ++p) {
    familia[p + 1] = Lee(datosFamilia, DatosFamilia::OtrasRentasReduccionTrabajo, p);
  }
  familia[0] = familia[1] + familia[2] + familia[3] + familia[4];
  const ImportesMiembro actividades = RendimientosActividades(apartadoD1, apartadoD2, apartadoD4, apartadoD5);
  const ImportesMiembro inmobiliario = Lee(rendCapInmobiliario, RendCapInmobiliario::RendimientoNetoPrevio);
  const ImportesMiembro mobiliario = Lee(rendCapMobiliario, RendCapMobiliario::RendimientoNeto);
  const ImportesMiembro d3 = Lee(bi, BaseImponible::ActividadD3);
  const ImportesMiembro e1 = Lee(bi, BaseImponible::ApartadoE1);
  const ImportesMiembro e2 = Lee(bi, BaseImponible::ApartadoE2Ingresos);
  const ImportesMiembro e3 = Lee(bi, BaseImponible::ApartadoE3);
  const ImportesMiembro e4 = Lee(bi, BaseImponible::ApartadoE4);
  const ImportesMiembro e5 = Lee(bi, BaseImponible::ApartadoE5);
  const ImportesMiembro ganancias1 = Lee(apartadoF4, ApartadoF4::GananciasGrupo1);
  const ImportesMiembro perdidas1 = Lee(apartadoF4, ApartadoF4::PerdidasGrupo1);
  const ImportesMiembro ganancias2 = Lee(apartadoF4, ApartadoF4::GananciasGrupo2);
  const ImportesMiembro perdidas2 = Lee(apartadoF4, ApartadoF4::PerdidasGrupo2);

  // The reduction of every slot, the total on the family totals.
  ImportesMiembro reduccion{};
  for (std::size_t k = 0; k < reduccion.size(); ++k) {
    const double otrasRentas = familia[k] + actividades[k] + inmobiliario[k] + mobiliario[k] - d3[k] + e1[k] +
                               e2[k] + e3[k] + e4[k] + e5[k] + ganancias1[k] - perdidas1[k] + ganancias2[k] -
                               perdidas2[k];
    reduccion[k] = AcotaReduccion(ReduccionBase(neto[k], otrasRentas), neto[k]);
  }
  AplicaIncrementoMinusvalia(t, neto, reduccion);
  reduccion = Redondea(reduccion);

  Escribe(bi, BaseImponible::TrabajoReduccion, reduccion);
  Escribe(bi, BaseImponible::TrabajoNeto, neto - reduccion);
  return 0;
}
