// Section F3: like section F2, the gain or loss on the transfer of each of nine dated assets, with more amounts to
// update (eleven old-asset amounts and four yearly amounts) and a yearly reduction of the gain under the plain rule;
// then the rows' results, and two lists of member-coded amounts, by member. Reads and writes RegApartadoF3 only.
//
// The rule byte of a row: 0 plain rule, 1 old-asset rule. The coefficients and the updates of the old-asset amounts
// follow any value other than 0; the reductions of the gain run only for 0 and 1, so any other value gives the gain
// or loss alone.
#include <array>

#include "Ayudas.h"
#include "EnteroDeTexto.h"
#include "bloques/RegApartadoF3.h"
#include "RepartoFilas.h"
#include "secciones/Seccion100F.h"

namespace ximardol {
namespace {

using namespace ApartadoF3;

// The computed results of a row, zeroed before each calculation.
constexpr Columna<RegApartadoF3, double> Resultados[] = {
    BienPerdida,                BienPerdidaParte,        BienGanancia,             BienAniosHasta1996,
    BienGananciaReducidaGeneral, BienGananciaProrrateada, BienGananciaTrasProrrata, BienGananciaParteGeneral,
    BienReduccionAntigua,       BienGananciaReducidaAntigua, BienProrrataAntigua,  BienGananciaParteAntigua};

// The eleven old-asset amounts: before 1984, then 1984 to 1993.
constexpr std::array<double, 11> CoeficientesRestasAntiguas{1.889, 1.715, 1.584, 1.491, 1.42, 1.357,
                                                            1.298, 1.247, 1.205, 1.178, 1.162};
constexpr double CoeficienteRestaGeneral1 = 1.038;
constexpr double CoeficienteRestaGeneral2 = 1.097;
constexpr double CoeficienteResta1994 = 1.141;
constexpr double CoeficienteResta1995 = 1.096;
constexpr std::string_view FinDe1996 = "31121996";
constexpr double ReduccionAnualAntigua = 0.0714;

// Coefficient of a yearly amount by its year: 1996 to 1999 only.
double CoeficienteAnual(std::string_view anio, bool antigua) {
  constexpr std::array<double, 4> general{1.059, 1.038, 1.0, 1.0};
  constexpr std::array<double, 4> antiguo{1.044, 1.02, 1.007, 1.0};
  const int valor = EnteroDeTexto(anio);
  if (valor < 1996 || valor > 1999) return 0.0;
  return (antigua ? antiguo : general)[static_cast<std::size_t>(valor - 1996)];
}

// Years limit of the plain rule's yearly reduction by the kind of the row.
double LimiteAnios(std::int32_t clase) {
  switch (clase) {
    case 1:
    case 2:
      return 10.0;
    case 3:
      return 5.0;
    case 4:
      return 8.0;
    default:
      return 0.0;
  }
}

// Years held from one date to another, counting a part of a year as a whole one; less than a year counts 1 unless
// both dates are the same day. False when the dates give no span.
bool AniosTenencia(std::string_view desde, std::string_view hasta, double& tenencia) {
  int anios = 0;
  int noExacto = 0;
  const int resultado = AniosEntreFechas(desde, hasta, anios, noExacto);
  if (resultado != 0 && resultado != 1) return false;
  tenencia = anios + noExacto;
  if (anios == 0) tenencia = ComparaFechas(desde, hasta) == 0 ? 0.0 : 1.0;
  return true;
}

struct Coeficientes {
  double reduccion = 0.0;
  double fechaA = 0.0;
  double fechaC = 0.0;
  double fechaD = 0.0;
  std::array<double, 4> anuales{};
  double tenencia = 0.0;  // years held
};

// The plain-rule coefficient of a dated amount held until the transfer.
double CoeficienteReglaGeneral(std::string_view fecha, std::string_view transmision) {
  int anios = 0;
  int noExacto = 0;
  const int resultado = AniosEntreFechas(fecha, transmision, anios, noExacto);
  if (resultado != 0 && resultado != 1) return 0.0;
  if (anios == 0 || (anios == 1 && noExacto == 0)) return 1.0;
  // The last day of 1994 counts as acquired in 1995.
  return fecha == "31121994" ? 1.097 : CoeficienteActualizacion(fecha);
}

Coeficientes CalculaCoeficientes(const RegApartadoF3* f3, std::size_t fila, bool antigua,
                                 const std::array<ImporteAnual, 4>& anuales) {
  Coeficientes c;
  const Texto<8> textoA = Lee(f3, BienFechaA, fila);
  const Texto<8> textoB = Lee(f3, BienFechaB, fila);
  const Texto<8> textoC = Lee(f3, BienFechaC, fila);
  const Texto<8> textoD = Lee(f3, BienFechaD, fila);
  const std::string_view a = textoA.Vista();
  const std::string_view b = textoB.Vista();

  const auto coeficienteDe = [&](std::string_view fecha) {
    if (!HayFecha(fecha) || !HayFecha(b)) return 0.0;
    return antigua ? CoeficienteActualizacionAntiguo(fecha) : CoeficienteReglaGeneral(fecha, b);
  };
  if (HayFecha(a) && HayFecha(b)) {
    int anios = 0;
    int noExacto = 0;
    const int resultado = AniosEntreFechas(a, b, anios, noExacto);
    if (resultado == 0 || resultado == 1) c.reduccion = CoeficienteReduccion(anios + noExacto);
    AniosTenencia(a, b, c.tenencia);
  }
  c.fechaA = coeficienteDe(a);
  c.fechaC = coeficienteDe(textoC.Vista());
  c.fechaD = coeficienteDe(textoD.Vista());
  for (std::size_t k = 0; k < anuales.size(); ++k) c.anuales[k] = CoeficienteAnual(anuales[k].anio.Vista(), antigua);
  return c;
}

// The updated amounts of a row; with any kind but 1, copies of the amounts.
void Actualiza(RegApartadoF3* f3, std::size_t fila, bool antigua, const Coeficientes& c,
               std::array<ImporteAnual, 4>& anuales) {
  const bool actualiza = Lee(f3, BienClase, fila) == 1;
  const auto actualizado = [actualiza](double importe, double coeficiente) {
    return actualiza ? Redondea(importe * coeficiente) : importe;
  };
  Escribe(f3, BienImporteAActualizado, fila, actualizado(Lee(f3, BienImporteA, fila), c.fechaA));
  Escribe(f3, BienImporteCActualizado, fila, actualizado(Lee(f3, BienImporteC, fila), c.fechaC));
  Escribe(f3, BienImporteDActualizado, fila, actualizado(Lee(f3, BienImporteD, fila), c.fechaD));

  if (!antigua) {
    Escribe(f3, BienRestas1Actualizadas, fila,
            actualizado(Lee(f3, BienRestaGeneral1, fila), CoeficienteRestaGeneral1));
    Escribe(f3, BienRestas2Actualizadas, fila,
            actualizado(Lee(f3, BienRestaGeneral2, fila), CoeficienteRestaGeneral2));
  } else {
    std::array<ImporteActualizado, 11> restas = Lee(f3, BienRestasAntiguas, fila);
    double suma = 0.0;
    for (std::size_t k = 0; k < restas.size(); ++k) {
      restas[k].actualizado = actualizado(restas[k].importe, CoeficientesRestasAntiguas[k]);
      suma += restas[k].actualizado;
    }
    Escribe(f3, BienRestasAntiguas, fila, restas);
    Escribe(f3, BienRestas1Actualizadas, fila, suma);
    const double resta1994 = actualizado(Lee(f3, BienRestaAntigua1994, fila), CoeficienteResta1994);
    const double resta1995 = actualizado(Lee(f3, BienRestaAntigua1995, fila), CoeficienteResta1995);
    Escribe(f3, BienRestaAntigua1994Actualizada, fila, resta1994);
    Escribe(f3, BienRestaAntigua1995Actualizada, fila, resta1995);
    Escribe(f3, BienRestas2Actualizadas, fila, resta1994 + resta1995);
  }
  for (std::size_t k = 0; k < anuales.size(); ++k) {
    anuales[k].actualizado = actualizado(anuales[k].importe, c.anuales[k]);
  }
  Escribe(f3, BienImportesAnuales, fila, anuales);
}

// Plain rule: the gain reduced by a rate for each year held up to the end of 1996 beyond two, then prorated and
// shared.
void GananciaReglaGeneral(RegApartadoF3* f3, std::size_t fila, double ganancia, double neto) {
  const Texto<8> textoA = Lee(f3, BienFechaA, fila);
  const Texto<8> textoB = Lee(f3, BienFechaB, fila);
  const std::string_view a = textoA.Vista();
  double anios = 0.0;
  if (HayFecha(a) && HayFecha(textoB.Vista()) && neto != 0.0 && ComparaFechas(a, FinDe1996) != 1) {
    AniosTenencia(a, FinDe1996, anios);
  }
  Escribe(f3, BienAniosHasta1996, fila, anios);

  double reducida = ganancia;
  if (anios > 2.0) {
    reducida = anios > LimiteAnios(Lee(f3, BienClase, fila))
                   ? 0.0
                   : Redondea(ganancia - (anios - 2.0) * ganancia * Lee(f3, BienPorcentajeAnual, fila));
  }
  Escribe(f3, BienGananciaReducidaGeneral, fila, reducida);

  const double transmision = Lee(f3, BienValorTransmision, fila);
  const double prorrata = Lee(f3, BienImporteProrrata, fila);
  double prorrateada = 0.0;
  if (prorrata > 0.0) {
    const double resta = Lee(f3, BienRestaProrrata, fila);
    if ((transmision != 0.0 || resta != 0.0) && transmision != resta) {
      prorrateada = Redondea(reducida * prorrata / (transmision - resta));
    }
    if (prorrateada > reducida) prorrateada = reducida;
  }
  const double tras = reducida - prorrateada;
  Escribe(f3, BienGananciaProrrateada, fila, prorrateada);
  Escribe(f3, BienGananciaTrasProrrata, fila, tras);

  const double parte = Lee(f3, BienImporteParte, fila);
  if (parte == 0.0) {
    Escribe(f3, BienGananciaParteGeneral, fila, tras);
  } else if (transmision != 0.0) {
    Escribe(f3, BienGananciaParteGeneral, fila, Redondea(tras * parte / transmision));
  }
}

// Old-asset rule: the gain reduced by the coefficient of the years held or by 7.14 % a year beyond two, then
// prorated and shared.
void GananciaReglaAntigua(RegApartadoF3* f3, std::size_t fila, double ganancia, const Coeficientes& c) {
  double reduccion = 0.0;
  if (Lee(f3, BienReduceCoeficiente, fila) == 1) reduccion = Redondea(c.reduccion * ganancia);
  if (Lee(f3, BienReducePorAnio, fila) == 1) {
    // Two years or less give no reduction; more than fifteen, the whole gain.
    if (c.tenencia > 15.0) {
      reduccion = ganancia;
    } else if (c.tenencia > 2.0) {
      reduccion = Redondea((c.tenencia - 2.0) * ganancia * ReduccionAnualAntigua);
    } else {
      reduccion = 0.0;
    }
  }
  const double reducida = ganancia - reduccion;
  Escribe(f3, BienReduccionAntigua, fila, reduccion);
  Escribe(f3, BienGananciaReducidaAntigua, fila, reducida);

  const double transmision = Lee(f3, BienValorTransmision, fila);
  const double prorrata = Lee(f3, BienImporteProrrata, fila);
  const double prorrateada =
      ProrrataReglaAntigua(reducida, prorrata, transmision, Lee(f3, BienRestaProrrataReducida, fila));
  Escribe(f3, BienProrrataAntigua, fila, prorrateada);
  EscribeParte(f3, BienGananciaParteAntigua, fila, reducida - prorrateada, Lee(f3, BienImporteParte, fila),
               transmision);
}

void CalculaBien(RegApartadoF3* f3, std::size_t fila) {
  const std::uint8_t regla = Lee(f3, BienRegla, fila);
  const bool antigua = regla != 0;
  std::array<ImporteAnual, 4> anuales = Lee(f3, BienImportesAnuales, fila);
  const Coeficientes c = CalculaCoeficientes(f3, fila, antigua, anuales);
  Actualiza(f3, fila, antigua, c, anuales);

  Escribe(f3, BienCopiaFechaA, fila, Lee(f3, BienFechaA, fila));
  Escribe(f3, BienCopiaFechaB, fila, Lee(f3, BienFechaB, fila));
  const double neto = Lee(f3, BienValorTransmision, fila) - Lee(f3, BienGastosTransmision, fila);
  const double adquisicion = Lee(f3, BienImporteAActualizado, fila) + Lee(f3, BienImporteCActualizado, fila) +
                             Lee(f3, BienImporteDActualizado, fila) - Lee(f3, BienRestas1Actualizadas, fila) -
                             Lee(f3, BienRestas2Actualizadas, fila) - anuales[0].actualizado -
                             anuales[1].actualizado - anuales[2].actualizado - anuales[3].actualizado;
  Escribe(f3, BienValorTransmisionNeto, fila, neto);
  Escribe(f3, BienValorAdquisicion, fila, adquisicion);

  if (adquisicion > neto) {
    const double perdida = adquisicion - neto;
    Escribe(f3, BienPerdida, fila, perdida);
    EscribeParte(f3, BienPerdidaParte, fila, perdida, Lee(f3, BienImporteParte, fila),
                 Lee(f3, BienValorTransmision, fila));
    return;
  }

  const double ganancia = neto - adquisicion;
  Escribe(f3, BienGanancia, fila, ganancia);
  if (regla == 0) GananciaReglaGeneral(f3, fila, ganancia, neto);
  if (regla == 1) GananciaReglaAntigua(f3, fila, ganancia, c);
}

// Each row only reads and writes its own bytes. A row whose bytes are all zero (no asset entered, its results
// zero) is left as it is: zeroing its results and calculating it would write +0 and zero bytes everywhere.
void Instancia1(RegApartadoF3* f3) {
  for (std::size_t fila = 0; fila < Bienes.cuantas; ++fila) {
    if (FilaACero<Bienes>(f3, fila)) continue;
    for (const auto& resultado : Resultados) Escribe(f3, resultado, fila, 0.0);
    CalculaBien(f3, fila);
  }
  const auto grupos =
      RepartirFilasJuntas<BienMiembro, BienPerdidaParte, BienGananciaParteGeneral, BienGananciaParteAntigua>(f3);
  Escribe(f3, PerdidasParte, grupos[0]);
  Escribe(f3, GananciasParteGeneral, grupos[1]);
  Escribe(f3, GananciasParteAntigua, grupos[2]);
}

void Instancia2(RegApartadoF3* f3) {
  Escribe(f3, GrupoGanancias, RepartirFilasFijas<FilaGananciaMiembro, FilaGananciaImporte>(f3));
  Escribe(f3, GrupoPerdidas, RepartirFilasFijas<FilaPerdidaMiembro, FilaPerdidaImporte>(f3));
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100F3(RegApartadoF3* apartadoF3, int instancia) {
  using namespace ximardol;
  if (apartadoF3 == nullptr) return 0;
  if (instancia == 1) Instancia1(apartadoF3);
  if (instancia == 2) Instancia2(apartadoF3);
  return 0;
}
