// Section B, real-estate capital income: the amounts of the six rows by member, income, expenses and net income.
//
// Writes RegRendCapInmobiliario (its member arrays), RegBaseImponible and RegResultados.
#include <cstddef>

#include "Ayudas.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegRendCapInmobiliario.h"
#include "bloques/RegResultados.h"
#include "RepartoFilas.h"

extern "C" int Calculos100B1(RegRendCapInmobiliario* rendCapInmobiliario, RegResultados* resultados,
                             RegBaseImponible* baseImponible, int /*instancia: not read*/) {
  using namespace ximardol;
  namespace B = RendCapInmobiliario;
  if (rendCapInmobiliario == nullptr || resultados == nullptr || baseImponible == nullptr) return 0;
  RegRendCapInmobiliario* const b = rendCapInmobiliario;

  // The eight amounts of the rows by member, in one pass (the member arrays lie outside the rows).
  const auto importes = RepartirFilasJuntas<B::CodigoMiembro, B::Importe1, B::Importe2, B::Importe3, B::Importe4,
                                            B::Importe5, B::Importe6, B::Importe7, B::Importe8>(b);
  const ImportesMiembro& importes1 = importes[0];
  const ImportesMiembro& importes2 = importes[1];
  const ImportesMiembro& importes3 = importes[2];
  const ImportesMiembro& importes4 = importes[3];
  const ImportesMiembro& importes5 = importes[4];
  const ImportesMiembro& importes6 = importes[5];
  Escribe(b, B::Importes1, importes1);
  Escribe(b, B::Importes2, importes2);
  Escribe(b, B::Importes3, importes3);
  Escribe(b, B::Importes4, importes4);
  Escribe(b, B::Importes5, importes5);
  Escribe(b, B::Importes6, importes6);

  const ImportesMiembro ingresos = importes1 + importes2;
  const ImportesMiembro gastos = importes3 + importes4 + importes5 + importes6;
  const ImportesMiembro netoPrevio = ingresos - gastos;
  const ImportesMiembro& importes7 = importes[6];
  Escribe(baseImponible, BaseImponible::InmobiliarioIngresos, ingresos);
  Escribe(baseImponible, BaseImponible::InmobiliarioGastos, gastos);
  Escribe(b, B::RendimientoNetoPrevio, netoPrevio);
  Escribe(baseImponible, BaseImponible::InmobiliarioImporte7, importes7);
  Escribe(baseImponible, BaseImponible::InmobiliarioNeto, netoPrevio - importes7);

  Escribe(resultados, Resultados::ImportesEntradas, importes[7]);
  return 0;
}
