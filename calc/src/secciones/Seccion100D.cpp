// Section D, economic activities, blocks D1 to D4: the rows of the direct-estimation blocks D1 and D2 with their
// expense lines and marks (D2 with its flat allowance of 5 %), the three lines of D3 and the activities by modules of
// D4 (Seccion100D4.cpp). Each instance works on one block and leaves its per-member result in one group of
// RegBaseImponible.
//
// Instance 1 writes RegApartadoD1, 2 RegApartadoD2, 3 RegApartadoD3, 4 RegApartadoD4, and each its group of
// RegBaseImponible. RegApartadoD5 is not used.
#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "Ayudas.h"
#include "bloques/RegApartadoD1.h"
#include "bloques/RegApartadoD2.h"
#include "bloques/RegApartadoD3.h"
#include "bloques/RegBaseImponible.h"
#include "RepartoFilas.h"
#include "secciones/Seccion100D4.h"

namespace ximardol {
namespace {

constexpr std::uint8_t Marcado = 'X';
constexpr std::uint8_t SinMarcar = ' ';

// The fields of a direct-estimation block (D1 or D2): the same frame, rows with different expense lines.
template <typename Bloque, std::size_t Gastos>
struct FormatoActividades {
  CampoByte<Bloque> indicadorPrimero;
  std::array<CampoByte<Bloque>, 2> marcasPrimero;
  CampoByte<Bloque> indicadorSegundo;
  std::array<CampoByte<Bloque>, 2> marcasSegundo;
  Columna<Bloque, std::uint8_t> codigoMiembro;
  Columna<Bloque, std::array<double, 3>> ingresos;
  Columna<Bloque, double> totalIngresos;
  Columna<Bloque, std::array<double, Gastos>> gastos;
  Columna<Bloque, double> totalGastos;
  Columna<Bloque, double> diferencia;
  Columna<Bloque, double> importeRestar;
  Columna<Bloque, double> rendimientoNeto;
  Columna<Bloque, std::uint8_t> codigoOtraFila;
  Columna<Bloque, double> importeOtraFila;
  CampoMiembro<RegBaseImponible> resultado;
};

constexpr FormatoActividades<RegApartadoD1, 14> FormatoD1{
    ApartadoD1::IndicadorPrimero,
    {ApartadoD1::MarcaIndicador1A, ApartadoD1::MarcaIndicador1B},
    ApartadoD1::IndicadorSegundo,
    {ApartadoD1::MarcaIndicador2A, ApartadoD1::MarcaIndicador2B},
    ApartadoD1::CodigoMiembro,
    ApartadoD1::Ingresos,
    ApartadoD1::TotalIngresos,
    ApartadoD1::Gastos,
    ApartadoD1::TotalGastos,
    ApartadoD1::Diferencia,
    ApartadoD1::ImporteRestar,
    ApartadoD1::RendimientoNeto,
    ApartadoD1::CodigoMiembroOtraFila,
    ApartadoD1::ImporteOtraFila,
    BaseImponible::ActividadD1,
};

constexpr FormatoActividades<RegApartadoD2, 12> FormatoD2{
    ApartadoD2::IndicadorPrimero,
    {ApartadoD2::MarcaIndicador1A, ApartadoD2::MarcaIndicador1B},
    ApartadoD2::IndicadorSegundo,
    {ApartadoD2::MarcaIndicador2A, ApartadoD2::MarcaIndicador2B},
    ApartadoD2::CodigoMiembro,
    ApartadoD2::Ingresos,
    ApartadoD2::TotalIngresos,
    ApartadoD2::Gastos,
    ApartadoD2::TotalGastos,
    ApartadoD2::Diferencia,
    ApartadoD2::ImporteRestar,
    ApartadoD2::RendimientoNeto,
    ApartadoD2::CodigoMiembroOtraFila,
    ApartadoD2::ImporteOtraFila,
    BaseImponible::ActividadD2,
};

static_assert(ApartadoD1::Actividades.cuantas == 6 && ApartadoD1::OtrasFilas.cuantas == 6);
static_assert(ApartadoD2::Actividades.cuantas == 6 && ApartadoD2::OtrasFilas.cuantas == 6);
constexpr std::size_t FilasActividad = 6;
constexpr std::size_t FilasOtras = 6;

// Left to right, from 0.
template <std::size_t N>
double Suma(const std::array<double, N>& importes) {
  double suma = 0.0;
  for (double importe : importes) suma += importe;
  return suma;
}

// An activity row of D1 or D2 whose bytes are all zero.
bool FilaActividadACero(const RegApartadoD1* bloque, std::size_t fila) {
  return FilaACero<ApartadoD1::Actividades>(bloque, fila);
}
bool FilaActividadACero(const RegApartadoD2* bloque, std::size_t fila) {
  return FilaACero<ApartadoD2::Actividades>(bloque, fila);
}

// The flat allowance of a D2 row: 5 % of the difference, rounded, never negative. Its row keeps the allowance and
// the difference less it; the net income starts from the latter.
double GastosDificilJustificacionD2(RegApartadoD2* bloque, std::size_t fila, double diferencia) {
  double deduccion = Redondea(diferencia * 0.05);
  if (deduccion < 0.0) deduccion = 0.0;
  const double resto = diferencia - deduccion;
  Escribe(bloque, ApartadoD2::GastosDificilJustificacion, fila, deduccion);
  Escribe(bloque, ApartadoD2::DiferenciaMenosGastos, fila, resto);
  return resto;
}

// Marks, rows and the per-member result of a direct-estimation block.
template <typename Bloque, std::size_t Gastos>
void CalculaActividades(Bloque* bloque, RegBaseImponible* baseImponible,
                        const FormatoActividades<Bloque, Gastos>& formato) {
  const std::uint8_t marcaPrimero = Lee(bloque, formato.indicadorPrimero) == 1 ? Marcado : SinMarcar;
  const std::uint8_t marcaSegundo = Lee(bloque, formato.indicadorSegundo) == 1 ? Marcado : SinMarcar;
  for (const CampoByte<Bloque>& marca : formato.marcasPrimero) Escribe(bloque, marca, marcaPrimero);
  for (const CampoByte<Bloque>& marca : formato.marcasSegundo) Escribe(bloque, marca, marcaSegundo);

  // The member result: the net income of each activity row, then the amount of each other row, added in that order
  // (a code that is not a member adds nothing).
  ImportesMiembro resultado{};
  const auto suma = [&resultado](std::uint8_t codigo, double importe) {
    if (codigo >= Sujeto::UnidadFamiliar && codigo <= Sujeto::SegundoHijo) {
      SumaImporteMiembro(resultado, codigo, importe);
    }
  };
  for (std::size_t fila = 0; fila < FilasActividad; ++fila) {
    // A row whose bytes are all zero would get +0 in every computed field and add nothing: it is left as it is.
    if (FilaActividadACero(bloque, fila)) continue;
    const double ingresos = Suma(Lee(bloque, formato.ingresos, fila));
    const double gastos = Suma(Lee(bloque, formato.gastos, fila));
    const double diferencia = ingresos - gastos;
    Escribe(bloque, formato.totalIngresos, fila, ingresos);
    Escribe(bloque, formato.totalGastos, fila, gastos);
    Escribe(bloque, formato.diferencia, fila, diferencia);
    double baseNeto = diferencia;
    if constexpr (std::is_same_v<Bloque, RegApartadoD2>) {
      baseNeto = GastosDificilJustificacionD2(bloque, fila, diferencia);
    }
    const double neto = baseNeto - Lee(bloque, formato.importeRestar, fila);
    Escribe(bloque, formato.rendimientoNeto, fila, neto);
    suma(Lee(bloque, formato.codigoMiembro, fila), neto);
  }
  for (std::size_t fila = 0; fila < FilasOtras; ++fila) {
    const std::uint8_t codigo = Lee(bloque, formato.codigoOtraFila, fila);
    if (codigo < Sujeto::UnidadFamiliar || codigo > Sujeto::SegundoHijo) continue;
    suma(codigo, Lee(bloque, formato.importeOtraFila, fila));
  }
  Escribe(baseImponible, formato.resultado, resultado);
}

// D3: each line's declarant and spouse amounts and their sum (the child slots stay as they are); the group of
// RegBaseImponible is the sum of the three lines.
void CalculaApartadoD3(RegApartadoD3* bloque, RegBaseImponible* baseImponible) {
  std::array<FilaPonderada, ApartadoD3::Lineas.cuantas> lineas{};
  for (std::size_t linea = 0; linea < lineas.size(); ++linea) {
    ImportesMiembro importes = Lee(bloque, ApartadoD3::ImportesLinea, linea);
    importes[Sujeto::Declarante - 1] = Lee(bloque, ApartadoD3::ImporteDeclarante, linea);
    importes[Sujeto::Conyuge - 1] = Lee(bloque, ApartadoD3::ImporteConyuge, linea);
    importes[0] = importes[Sujeto::Declarante - 1] + importes[Sujeto::Conyuge - 1];
    Escribe(bloque, ApartadoD3::ImportesLinea, linea, importes);
    lineas[linea] = {importes, 1.0};
  }
  Escribe(baseImponible, BaseImponible::ActividadD3, SumaPonderada(lineas));
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100D(RegApartadoD1* apartadoD1, RegApartadoD2* apartadoD2, RegApartadoD3* apartadoD3,
                            RegBaseImponible* baseImponible, RegApartadoD4* apartadoD4,
                            RegApartadoD5* /*apartadoD5: not used*/, int instancia) {
  using namespace ximardol;
  if (baseImponible == nullptr) return 1;
  switch (instancia) {
    case 1:
      if (apartadoD1 != nullptr) CalculaActividades(apartadoD1, baseImponible, FormatoD1);
      break;
    case 2:
      if (apartadoD2 != nullptr) CalculaActividades(apartadoD2, baseImponible, FormatoD2);
      break;
    case 3:
      if (apartadoD3 != nullptr) CalculaApartadoD3(apartadoD3, baseImponible);
      break;
    case 4:
      if (apartadoD4 != nullptr) EstimacionObjetiva::CalculaApartadoD4(apartadoD4, baseImponible);
      break;
    default:
      break;
  }
  return 1;
}
