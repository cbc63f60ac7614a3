// Section B, real-estate capital income: the amounts of the six rows by member, income, expenses and net income.
//
// Writes RegRendCapInmobiliario (its member arrays), RegBaseImponible and RegResultados.
#include <cstddef>

#include "Ayudas.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegRendCapInmobiliario.h"
#include "bloques/RegResultados.h"

namespace ximardol {
namespace {

// The amount of `columna` of each row with the row's member code.
ImportesMiembro ReparteInmuebles(const RegRendCapInmobiliario* bloque,
                                 Columna<RegRendCapInmobiliario, double> columna) {
  return RepartirFilas(bloque, RendCapInmobiliario::CodigoMiembro, columna);
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100B1(RegRendCapInmobiliario* rendCapInmobiliario, RegResultados* resultados,
                             RegBaseImponible* baseImponible, int /*instancia: not read*/) {
  using namespace ximardol;
  namespace B = RendCapInmobiliario;
  if (rendCapInmobiliario == nullptr || resultados == nullptr || baseImponible == nullptr) return 0;
  RegRendCapInmobiliario* const b = rendCapInmobiliario;

  const ImportesMiembro importes1 = ReparteInmuebles(b, B::Importe1);
  const ImportesMiembro importes2 = ReparteInmuebles(b, B::Importe2);
  const ImportesMiembro importes3 = ReparteInmuebles(b, B::Importe3);
  const ImportesMiembro importes4 = ReparteInmuebles(b, B::Importe4);
  const ImportesMiembro importes5 = ReparteInmuebles(b, B::Importe5);
  const ImportesMiembro importes6 = ReparteInmuebles(b, B::Importe6);
  Escribe(b, B::Importes1, importes1);
  Escribe(b, B::Importes2, importes2);
  Escribe(b, B::Importes3, importes3);
  Escribe(b, B::Importes4, importes4);
  Escribe(b, B::Importes5, importes5);
  Escribe(b, B::Importes6, importes6);

  const ImportesMiembro ingresos = importes1 + importes2;
  const ImportesMiembro gastos = importes3 + importes4 + importes5 + importes6;
  const ImportesMiembro netoPrevio = ingresos - gastos;
  const ImportesMiembro importes7 = ReparteInmuebles(b, B::Importe7);
  Escribe(baseImponible, BaseImponible::InmobiliarioIngresos, ingresos);
  Escribe(baseImponible, BaseImponible::InmobiliarioGastos, gastos);
  Escribe(b, B::RendimientoNetoPrevio, netoPrevio);
  Escribe(baseImponible, BaseImponible::InmobiliarioImporte7, importes7);
  Escribe(baseImponible, BaseImponible::InmobiliarioNeto, netoPrevio - importes7);

  Escribe(resultados, Resultados::ImportesEntradas, ReparteInmuebles(b, B::Importe8));
  return 0;
}
