// Calculos100E1: section E. Instance 1 block E1, instance 2 block E2 (deductions limited by the average tax rate,
// run once more after the liquidation because it reads its results), instance 3 block E3, instance 5 blocks E4
// and E5.
//
// Writes the section's own blocks, RegBaseImponible and RegResultados; reads RegLiquidacion.
#include <array>
#include <cstddef>
#include <cstdint>

#include "Ayudas.h"
#include "bloques/RegApartadoE1.h"
#include "bloques/RegApartadoE2.h"
#include "bloques/RegApartadoE3.h"
#include "bloques/RegApartadoE4.h"
#include "bloques/RegApartadoE5.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegLiquidacion.h"
#include "bloques/RegResultados.h"
#include "RepartoFilas.h"

namespace ximardol {
namespace {

void CalculaE1(const RegApartadoE1* e1, RegBaseImponible* baseImponible) {
  Escribe(baseImponible, BaseImponible::ApartadoE1,
          RepartirFilasFijas<ApartadoE1::CodigoMiembro, ApartadoE1::Importe>(e1));
}

void CalculaE3(RegApartadoE3* e3, RegBaseImponible* baseImponible) {
  for (std::size_t fila = 0; fila < ApartadoE3::CodigoMiembro.cuantos; ++fila) {
    Escribe(e3, ApartadoE3::Diferencia, fila,
            Lee(e3, ApartadoE3::Importe1, fila) - Lee(e3, ApartadoE3::Importe2, fila));
  }
  Escribe(baseImponible, BaseImponible::ApartadoE3,
          RepartirFilasFijas<ApartadoE3::CodigoMiembro, ApartadoE3::Diferencia>(e3));
}

void CalculaE4E5(const RegApartadoE4* e4, RegApartadoE5* e5, RegBaseImponible* baseImponible,
                 RegResultados* resultados) {
  const int codigo = Lee(e4, ApartadoE4::CodigoMiembro);
  Escribe(baseImponible, BaseImponible::ApartadoE4, RepartirImportes({{codigo, Lee(e4, ApartadoE4::Rendimiento)}}));
  Escribe(resultados, Resultados::DeduccionApartadoE4, RepartirImportes({{codigo, Lee(e4, ApartadoE4::Deduccion)}}));
  Escribe(resultados, Resultados::PagosApartadoE4, RepartirImportes({{codigo, Lee(e4, ApartadoE4::Pagos)}}));

  for (std::size_t fila = 0; fila < ApartadoE5::CodigoMiembro.cuantos; ++fila) {
    Escribe(e5, ApartadoE5::CopiaImporte1, fila, Lee(e5, ApartadoE5::Importe1, fila));
    Escribe(e5, ApartadoE5::CopiaImporte2, fila, Lee(e5, ApartadoE5::Importe2, fila));
    Escribe(e5, ApartadoE5::CopiaImporte3, fila, Lee(e5, ApartadoE5::Importe3, fila));
  }
  Escribe(baseImponible, BaseImponible::ApartadoE5,
          RepartirFilasFijas<ApartadoE5::CodigoMiembro, ApartadoE5::CopiaImporte3>(e5));
}

std::uint8_t MarcaDe(const RegApartadoE2* e2, std::size_t indicador) {
  return Lee(e2, ApartadoE2::Indicadores, indicador) == 1 ? 'X' : ' ';
}

// Slot k of a member array: only its double is read, not the whole array.
template <typename Bloque>
double Slot(const Bloque* bloque, CampoMiembro<Bloque> campo, std::size_t k) {
  return LeeEn<double>(bloque, campo.desplazamiento + k * sizeof(double));
}

// Block E2: the limits of the rows' deductions by the average tax rate of the family total and of the row's member.
class CLimitesE2 {
 public:
  CLimitesE2(const RegBaseImponible* baseImponible, const RegResultados* resultados,
             const RegLiquidacion* liquidacion)
      : baseImponible_(baseImponible), resultados_(resultados), liquidacion_(liquidacion) {}

  // The average rate of slot k, cut to four decimals; 0 when the slot has no base or quota to take it from.
  double Tipo(std::size_t k) const {
    const double base = Slot(liquidacion_, Liquidacion::BaseLiquidableGeneral, k);
    if (!(base > 0.0)) return 0.0;
    const double d = Slot(resultados_, Resultados::CuotaLiquida, k) - Slot(resultados_, Resultados::AdmitidosM5, k) -
                     Slot(resultados_, Resultados::Deduccion10PorCiento, k) -
                     Slot(resultados_, Resultados::DeduccionFilas72, k);
    const double cuotaTotal = Slot(liquidacion_, Liquidacion::CuotaTotal, k);
    const double general = Slot(baseImponible_, BaseImponible::GananciasNetasGrupo1, k) +
                           Slot(baseImponible_, BaseImponible::SumaPartesGenerales, k);
    if (!(d >= 0.0) || cuotaTotal == 0.0 || general == 0.0) return 0.0;
    if (Slot(baseImponible_, BaseImponible::BaseEspecialLiquidable, k) == 0.0) return Trunc(d / base, 4);
    const double cuotasEscala = Slot(liquidacion_, Liquidacion::Cuota2DosPiezas, k) +
                                Slot(liquidacion_, Liquidacion::Cuota2UnaPieza, k) +
                                Slot(liquidacion_, Liquidacion::Cuota1DosPiezas, k) +
                                Slot(liquidacion_, Liquidacion::Cuota1UnaPieza, k);
    return Trunc(cuotasEscala * d / (base * cuotaTotal), 4);
  }

  // The part of the general base to liquidate that the row's income stands for in slot k, at most that base.
  double Parte(std::size_t k, double renta) const {
    double base = Slot(baseImponible_, BaseImponible::GananciasNetasGrupo1, k) +
                  Slot(baseImponible_, BaseImponible::ApartadoE5, k) +
                  Slot(baseImponible_, BaseImponible::ApartadoE4, k) +
                  Slot(baseImponible_, BaseImponible::ApartadoE3, k) +
                  Slot(baseImponible_, BaseImponible::ApartadoE1, k);
    // The incomes of the base, each raised to 0, as they stand before this call (the E2 income too): the rows write
    // nothing of the base, so each is read here, only in the slot wanted.
    for (const CampoMiembro<RegBaseImponible>& grupo : GruposRenta) {
      base += ElevadoACero(Slot(baseImponible_, grupo, k));
    }
    base -= Slot(baseImponible_, BaseImponible::ActividadD3, k);
    const double liquidable = Slot(liquidacion_, Liquidacion::BaseLiquidableGeneral, k);
    const double parte = base > 0.0 ? Redondea(renta * liquidable / base) : 0.0;
    return parte > liquidable ? liquidable : parte;
  }

 private:
  const RegBaseImponible* baseImponible_;
  const RegResultados* resultados_;
  const RegLiquidacion* liquidacion_;

  static constexpr std::array<CampoMiembro<RegBaseImponible>, 8> GruposRenta{
      BaseImponible::TrabajoNeto, BaseImponible::InmobiliarioNeto, BaseImponible::MobiliarioNeto,
      BaseImponible::ActividadD1, BaseImponible::ActividadD2,      BaseImponible::ActividadD4,
      BaseImponible::AgrariaRendimientoFinal, BaseImponible::ApartadoE2Ingresos};
};

bool CuentaFila(const RegApartadoE2* e2, std::size_t fila) {
  const char clase = Lee(e2, ApartadoE2::Clase, fila);
  const std::uint8_t marca = Lee(e2, ApartadoE2::Marca, fila);
  const std::uint8_t codigo = Lee(e2, ApartadoE2::CodigoMiembro, fila);
  const bool cuentaClase = clase == '1' || ((marca == 0 || marca == ' ') && (clase == '2' || clase == '3'));
  // A code past the last person has no slot of its own: the row does not count.
  return cuentaClase && codigo >= Sujeto::UnidadFamiliar && codigo <= Sujeto::SegundoHijo;
}

void CalculaE2(RegApartadoE2* e2, RegBaseImponible* baseImponible, RegResultados* resultados,
               const RegLiquidacion* liquidacion) {
  Escribe(e2, ApartadoE2::MarcaIndicador1A, MarcaDe(e2, 0));
  Escribe(e2, ApartadoE2::MarcaIndicador1B, MarcaDe(e2, 0));
  Escribe(e2, ApartadoE2::MarcaIndicador2A, MarcaDe(e2, 1));
  Escribe(e2, ApartadoE2::MarcaIndicador2B, MarcaDe(e2, 1));
  Escribe(e2, ApartadoE2::MarcaIndicador3A, MarcaDe(e2, 2));
  Escribe(e2, ApartadoE2::MarcaIndicador3B, MarcaDe(e2, 2));
  Escribe(e2, ApartadoE2::MarcaIndicador4A, MarcaDe(e2, 3));
  Escribe(e2, ApartadoE2::MarcaIndicador4B, MarcaDe(e2, 3));

  const CLimitesE2 limites(baseImponible, resultados, liquidacion);
  ImportesMiembro excesos{};
  for (std::size_t fila = 0; fila < ApartadoE2::Deducciones.cuantas; ++fila) {
    Escribe(e2, ApartadoE2::CopiaImporte48, fila, Lee(e2, ApartadoE2::Importe48, fila));
    Escribe(e2, ApartadoE2::CopiaImporte112, fila, Lee(e2, ApartadoE2::Importe112, fila));
    Escribe(e2, ApartadoE2::CopiaImporte120, fila, Lee(e2, ApartadoE2::Importe120, fila));
    const double inicial = Lee(e2, ApartadoE2::Importe112, fila) + Lee(e2, ApartadoE2::Importe120, fila);
    Escribe(e2, ApartadoE2::LimiteMiembro, fila, inicial);
    Escribe(e2, ApartadoE2::LimiteTotal, fila, inicial);
    if (!CuentaFila(e2, fila)) continue;

    const std::size_t s = Lee(e2, ApartadoE2::CodigoMiembro, fila) - 1u;
    const double renta = Lee(e2, ApartadoE2::Renta, fila);
    const double limiteMiembro = limites.Parte(s, renta) * limites.Tipo(s);
    const double limiteTotal = limites.Parte(0, renta) * limites.Tipo(0);
    const double limiteFila = Lee(e2, ApartadoE2::Limite, fila);
    const double deduccion = ElevadoACero(Lee(e2, ApartadoE2::Deduccion, fila));
    if (limiteMiembro < limiteFila && limiteMiembro < Lee(e2, ApartadoE2::LimiteMiembro, fila)) {
      Escribe(e2, ApartadoE2::LimiteMiembro, fila, limiteMiembro);
      excesos[s] += deduccion;
    }
    if (limiteTotal < limiteFila && limiteTotal < Lee(e2, ApartadoE2::LimiteTotal, fila)) {
      Escribe(e2, ApartadoE2::LimiteTotal, fila, limiteTotal);
      excesos[0] += deduccion;
    }
  }
  Escribe(resultados, Resultados::ExcesosApartadoE2, excesos);

  const auto grupos = RepartirFilasJuntas<ApartadoE2::CodigoMiembro, ApartadoE2::Renta, ApartadoE2::LimiteMiembro>(e2);
  Escribe(baseImponible, BaseImponible::ApartadoE2Ingresos, grupos[0]);
  ImportesMiembro limitesFilas = grupos[1];
  limitesFilas[0] = 0.0;
  for (std::size_t fila = 0; fila < ApartadoE2::Deducciones.cuantas; ++fila) {
    limitesFilas[0] += Lee(e2, ApartadoE2::LimiteTotal, fila);
  }
  Escribe(resultados, Resultados::LimitesApartadoE2, limitesFilas);
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100E1(RegApartadoE1* apartadoE1, RegApartadoE2* apartadoE2, RegApartadoE3* apartadoE3,
    RegApartadoE4* apartadoE4, RegApartadoE5* apartadoE5, RegBaseImponible* baseImponible, RegResultados* resultados,
    RegLiquidacion* liquidacion, int instancia) {
  using namespace ximardol;
  if (baseImponible == nullptr) return 0;
  switch (instancia) {
    case 1:
      if (apartadoE1 != nullptr) CalculaE1(apartadoE1, baseImponible);
      break;
    case 2:
      if (apartadoE2 != nullptr && resultados != nullptr && liquidacion != nullptr) {
        CalculaE2(apartadoE2, baseImponible, resultados, liquidacion);
      }
      break;
    case 3:
      if (apartadoE3 != nullptr) CalculaE3(apartadoE3, baseImponible);
      break;
    case 5:
      if (apartadoE4 != nullptr && apartadoE5 != nullptr && resultados != nullptr) {
        CalculaE4E5(apartadoE4, apartadoE5, baseImponible, resultados);
      }
      break;
    default:
      break;
  }
  return 0;
}
