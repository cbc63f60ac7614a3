// Section F2: the gain or loss on the transfer of each of nine dated assets, its acquisition value updated by the
// coefficients of the years of its amounts and, under the old-asset rule, its gain reduced by the years held; then
// the rows' results by member. Reads and writes RegApartadoF2 only.
#include "Ayudas.h"
#include "bloques/RegApartadoF2.h"
#include "RepartoFilas.h"
#include "secciones/Seccion100F.h"

namespace ximardol {
namespace {

using namespace ApartadoF2;

// The computed results of a row, zeroed before each calculation.
constexpr Columna<RegApartadoF2, double> Resultados[] = {
    BienPerdida,      BienPerdidaParte,      BienGanancia,          BienGananciaProrrateada, BienGananciaTrasProrrata,
    BienGananciaParte, BienReduccion,        BienGananciaReducida,  BienProrrataReducida,    BienGananciaParteAntigua};

struct Coeficientes {
  double reduccion = 0.0;
  double fechaA = 0.0;
  double fechaC = 0.0;
  double fechaD = 0.0;
  double resta1 = 0.0;
  double resta2 = 0.0;
};

// The plain-rule coefficient of a dated amount held until the transfer: 1.0 for less than a year or one whole year
// exactly, else the table of its year; 0 when the dates give no span.
double CoeficienteReglaGeneral(std::string_view fecha, std::string_view transmision) {
  int anios = 0;
  int noExacto = 0;
  const int resultado = AniosEntreFechas(fecha, transmision, anios, noExacto);
  if (resultado != 0 && resultado != 1) return 0.0;
  if (anios == 0 || (anios == 1 && noExacto == 0)) return 1.0;
  return CoeficienteActualizacion(fecha);
}

Coeficientes CalculaCoeficientes(const RegApartadoF2* f2, std::size_t fila, bool antigua) {
  Coeficientes c;
  const Texto<8> textoA = Lee(f2, BienFechaA, fila);
  const Texto<8> textoB = Lee(f2, BienFechaB, fila);
  const Texto<8> textoC = Lee(f2, BienFechaC, fila);
  const Texto<8> textoD = Lee(f2, BienFechaD, fila);
  const std::string_view a = textoA.Vista();
  const std::string_view b = textoB.Vista();

  if (HayFecha(a) && HayFecha(b)) {
    int anios = 0;
    int noExacto = 0;
    const int resultado = AniosEntreFechas(a, b, anios, noExacto);
    if (resultado == 0 || resultado == 1) {
      c.reduccion = CoeficienteReduccion(anios + noExacto);
      if (antigua) {
        c.fechaA = CoeficienteActualizacionAntiguo(a);
      } else {
        c.fechaA = (anios == 0 || (anios == 1 && noExacto == 0)) ? 1.0 : CoeficienteActualizacion(a);
      }
    }
  }
  const auto coeficienteDe = [&](std::string_view fecha) {
    if (!HayFecha(fecha) || !HayFecha(b)) return 0.0;
    return antigua ? CoeficienteActualizacionAntiguo(fecha) : CoeficienteReglaGeneral(fecha, b);
  };
  c.fechaC = coeficienteDe(textoC.Vista());
  c.fechaD = coeficienteDe(textoD.Vista());

  if (Lee(f2, BienResta1, fila) != 0.0) c.resta1 = antigua ? 1.02 : 1.038;
  if (Lee(f2, BienResta2, fila) != 0.0) c.resta2 = antigua ? 1.007 : 1.0;
  return c;
}

void CalculaBien(RegApartadoF2* f2, std::size_t fila) {
  const bool antigua = Lee(f2, BienRegla, fila) == 1;
  const Coeficientes c = CalculaCoeficientes(f2, fila, antigua);

  Escribe(f2, BienResta3Copia, fila, Lee(f2, BienResta3, fila));
  const auto actualiza = [&](Columna<RegApartadoF2, double> importe, Columna<RegApartadoF2, double> actualizado,
                             double coeficiente) {
    const double valor = Lee(f2, importe, fila);
    Escribe(f2, actualizado, fila, Lee(f2, BienActualiza, fila) == 1 ? Redondea(valor * coeficiente) : valor);
  };
  actualiza(BienImporteA, BienImporteAActualizado, c.fechaA);
  actualiza(BienImporteC, BienImporteCActualizado, c.fechaC);
  actualiza(BienImporteD, BienImporteDActualizado, c.fechaD);
  actualiza(BienResta1, BienResta1Actualizada, c.resta1);
  actualiza(BienResta2, BienResta2Actualizada, c.resta2);

  Escribe(f2, BienCopiaFechaA, fila, Lee(f2, BienFechaA, fila));
  Escribe(f2, BienCopiaFechaB, fila, Lee(f2, BienFechaB, fila));

  const double transmision = Lee(f2, BienValorTransmision, fila);
  const double neto = transmision - Lee(f2, BienGastosTransmision, fila);
  const double adquisicion = Lee(f2, BienImporteCActualizado, fila) + Lee(f2, BienImporteDActualizado, fila) +
                             Lee(f2, BienImporteAActualizado, fila) - Lee(f2, BienResta1Actualizada, fila) -
                             Lee(f2, BienResta2Actualizada, fila) - Lee(f2, BienResta3Copia, fila);
  Escribe(f2, BienValorTransmisionNeto, fila, neto);
  Escribe(f2, BienValorAdquisicion, fila, adquisicion);

  const double parte = Lee(f2, BienImporteParte, fila);
  const double prorrata = Lee(f2, BienImporteProrrata, fila);

  if (adquisicion > neto) {
    const double perdida = adquisicion - neto;
    Escribe(f2, BienPerdida, fila, perdida);
    EscribeParte(f2, BienPerdidaParte, fila, perdida, parte, transmision);
    return;
  }

  const double ganancia = neto - adquisicion;
  Escribe(f2, BienGanancia, fila, ganancia);
  if (!antigua) {
    const double resta = Lee(f2, BienRestaProrrata, fila);
    double prorrateada = 0.0;
    if ((transmision != 0.0 || resta != 0.0) && transmision != resta) {
      prorrateada = Redondea(ganancia * prorrata / (transmision - resta));
      if (prorrateada > ganancia) prorrateada = ganancia;
    }
    const double tras = ganancia - prorrateada;
    Escribe(f2, BienGananciaProrrateada, fila, prorrateada);
    Escribe(f2, BienGananciaTrasProrrata, fila, tras);
    EscribeParte(f2, BienGananciaParte, fila, tras, parte, transmision);
    return;
  }

  const double reduccion = Lee(f2, BienAplicaReduccion, fila) == 1 ? Redondea(c.reduccion * ganancia) : 0.0;
  const double reducida = ganancia - reduccion;
  Escribe(f2, BienReduccion, fila, reduccion);
  Escribe(f2, BienGananciaReducida, fila, reducida);
  const double prorrateada =
      ProrrataReglaAntigua(reducida, prorrata, transmision, Lee(f2, BienRestaProrrataReducida, fila));
  Escribe(f2, BienProrrataReducida, fila, prorrateada);
  EscribeParte(f2, BienGananciaParteAntigua, fila, reducida - prorrateada, parte, transmision);
}

// Each row only reads and writes its own bytes. A row whose bytes are all zero (no asset entered, its results
// zero) is left as it is: zeroing its results and calculating it would write +0 and zero bytes everywhere.
void Instancia1(RegApartadoF2* f2) {
  for (std::size_t fila = 0; fila < Bienes.cuantas; ++fila) {
    if (FilaACero<Bienes>(f2, fila)) continue;
    for (const auto& resultado : Resultados) Escribe(f2, resultado, fila, 0.0);
    CalculaBien(f2, fila);
  }
  const auto grupos =
      RepartirFilasJuntas<BienMiembro, BienPerdidaParte, BienGananciaParte, BienGananciaParteAntigua>(f2);
  Escribe(f2, PerdidasParte, grupos[0]);
  Escribe(f2, GananciasParteGeneral, grupos[1]);
  Escribe(f2, GananciasParteAntigua, grupos[2]);
}

}  // namespace
}  // namespace ximardol

extern "C" int Calculos100F2(RegApartadoF2* apartadoF2, int instancia) {
  using namespace ximardol;
  if (apartadoF2 == nullptr) return 0;
  switch (instancia) {
    case 1:
      Instancia1(apartadoF2);
      break;
    case 2:
      Escribe(apartadoF2, ApartadoF2::GrupoInstancia2,
              RepartirFilasFijas<ApartadoF2::FilaInstancia2Miembro, ApartadoF2::FilaInstancia2Importe>(apartadoF2));
      Escribe(apartadoF2, ApartadoF2::GrupoInstancia2Segunda,
              RepartirFilasFijas<ApartadoF2::FilaInstancia2SegundaMiembro, ApartadoF2::FilaInstancia2SegundaImporte>(
                  apartadoF2));
      break;
    case 3:
      Escribe(apartadoF2, ApartadoF2::GrupoInstancia3,
              RepartirFilasFijas<ApartadoF2::FilaInstancia3Miembro, ApartadoF2::FilaInstancia3Importe>(apartadoF2));
      break;
    default:
      break;
  }
  return 0;
}
