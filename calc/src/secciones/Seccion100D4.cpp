// Block D4 of section D, activities by modules (instance 4 of Calculos100D).
//
// Each of the four rows: the units and result of its seven module entries, the reduction for employment, the yield
// before the indices, the special, small-business, seasonal, excess and starting indices, the limit at 110 % of the
// reference yield, the general reduction of 7 % or 12 %, and the row's net and final yields (its own, or the share
// of its percentage). Then the block total and RegBaseImponible+760.
//
// Writes RegApartadoD4 and RegBaseImponible+760.
#include "secciones/Seccion100D4.h"

#include <array>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <span>

#include "Ayudas.h"
#include "RepartoFilas.h"
#include "bloques/RegApartadoD4.h"
#include "bloques/RegBaseImponible.h"

namespace ximardol::EstimacionObjetiva {
namespace {

namespace D4 = ApartadoD4;
namespace Modulo = ApartadoD4::Modulo;

constexpr double HorasJornadaCompleta = 1800.0;
constexpr double DiasAnio = 365.0;
constexpr double SinLimite = std::numeric_limits<double>::infinity();

// ---- Constant tables ----------------------------------------------------------------------------------------

// A bracket of a scale: a value up to `hasta` gives base + (value - desde) x tipo.
struct Tramo {
  double hasta;
  double base;
  double desde;
  double tipo;
};

constexpr std::array<Tramo, 5> TramosCoeficienteEmpleo{{
    {1.0, 0.0, 0.0, 0.1},
    {3.0, 0.1, 1.0, 0.15},
    {5.0, 0.4, 3.0, 0.2},
    {8.0, 0.8, 5.0, 0.25},
    {SinLimite, 1.55, 8.0, 0.3},
}};

constexpr std::array<Tramo, 5> TramosEscalaPersonal{{
    {1.0, 0.0, 0.0, 0.9},
    {3.0, 0.9, 1.0, 0.85},
    {5.0, 2.6, 3.0, 0.8},
    {8.0, 4.2, 5.0, 0.75},
    {SinLimite, 6.45, 8.0, 0.7},
}};

// The first bracket that holds the value (the last one for a value that compares with none).
const Tramo& TramoDe(std::span<const Tramo> tramos, double valor) {
  for (const Tramo& tramo : tramos) {
    if (valor <= tramo.hasta) return tramo;
  }
  return tramos.back();
}

// An index chosen by an exact value (a count, a year).
struct IndicePorValor {
  double valor;
  double indice;
};

// The index of the first entry whose value equals `valor`, else `otro`.
double BuscaIndice(std::span<const IndicePorValor> tabla, double valor, double otro) {
  for (const IndicePorValor& caso : tabla) {
    if (caso.valor == valor) return caso.indice;
  }
  return otro;
}

// Special index by the count N: activity 143 and activity 174 (any other N: 1.0).
constexpr std::array<IndicePorValor, 5> EspecialN143{{{1.0, 1.0}, {2.0, 0.95}, {3.0, 0.8}, {4.0, 0.8}, {5.0, 0.8}}};
constexpr std::array<IndicePorValor, 2> EspecialN174{{{3.0, 0.85}, {2.0, 0.9}}};
constexpr double IndiceEspecialP = 0.8;  // activities 173, 175 and 178 with P = 1

// Small-business index without salaried hours, by the count N (any other N: 0.8); with salaried hours 0.9.
constexpr std::array<IndicePorValor, 2> PequenaN143{{{5.0, 0.7}, {4.0, 0.75}}};
constexpr std::array<IndicePorValor, 2> PequenaNOtras{{{1.0, 0.7}, {2.0, 0.75}}};
constexpr double PequenaSinAsalariadosOtro = 0.8;
constexpr double PequenaConAsalariados = 0.9;

// Seasonal index by the days of the season (above the last bound: none).
struct IndiceHasta {
  double hasta;
  double indice;
};
constexpr std::array<IndiceHasta, 3> IndicesTemporada{{{60.0, 1.5}, {120.0, 1.35}, {180.0, 1.25}}};

// Starting index by the year the activity started (other years: none).
constexpr std::array<IndicePorValor, 2> IndicesInicio{{{1999.0, 0.8}, {1998.0, 0.9}}};

constexpr double IndiceExceso = 1.3;
constexpr double LimiteReferencia = 1.1;
constexpr double ReduccionGeneralComun = 0.07;
constexpr double ReduccionGeneralElegida = 0.12;
constexpr double IncrementoPorUnidad = 0.4;      // reduction for employment: each unit of staff growth
constexpr double IncrementoReferencia = 0.6;     // reference yield: each unit of staff growth
constexpr double FraccionHorasParciales = 0.6;   // hours counted at 60 %

// What the reference yield multiplies by the reference amount of each module entry.
enum class UnidadesReferencia {
  CuotaPrimera,   // the first entry's share of the graded staff value
  CuotaSegunda,   // the second entry's share
  NoAsalariado,   // the non-salaried units of the reference
  DiasPrimeras,   // activity 173: the first units by days
  DiasSegundas,   // activity 173: the second units by days
  Almacenadas,    // the entry's own stored units
};
using U = UnidadesReferencia;
constexpr std::array<UnidadesReferencia, Modulo::Cuantos> ReferenciaDosPlantillas{
    U::CuotaPrimera, U::CuotaSegunda, U::NoAsalariado, U::Almacenadas, U::Almacenadas, U::Almacenadas, U::Almacenadas};
constexpr std::array<UnidadesReferencia, Modulo::Cuantos> ReferenciaPorDias{
    U::CuotaPrimera, U::NoAsalariado, U::DiasPrimeras, U::DiasSegundas, U::Almacenadas, U::Almacenadas, U::Almacenadas};
constexpr std::array<UnidadesReferencia, Modulo::Cuantos> ReferenciaGeneral{
    U::CuotaPrimera, U::NoAsalariado, U::Almacenadas, U::Almacenadas, U::Almacenadas, U::Almacenadas, U::Almacenadas};

// The four triples (first value, second value, days) of the third entry of activity 173.
constexpr std::array<std::size_t, 4> TriplesDias{48, 72, 96, 120};

// ---- Activity codes ----------------------------------------------------------------------------------------

constexpr std::int32_t Actividad143 = 143;
constexpr std::int32_t Actividad173 = 173;
constexpr std::int32_t Actividad174 = 174;
constexpr std::int32_t Actividad175 = 175;
constexpr std::int32_t Actividad178 = 178;

// Activities 119 to 122 count the staff of the first two entries, and their non-salaried persons in the third.
bool DosEntradasPersonal(std::int32_t codigo) { return codigo >= 119 && codigo <= 122; }

bool EsTipoPersonal(std::uint8_t tipo) { return tipo == 1 || tipo == 15 || tipo == 16; }
constexpr std::uint8_t TipoNoAsalariado = 2;

// ---- Reading a row --------------------------------------------------------------------------------------------

std::size_t DesplazamientoModulo(std::size_t fila, std::size_t modulo, std::size_t campo) {
  return D4::Actividades.Desplazamiento(fila) + Modulo::Inicio + modulo * Modulo::Paso + campo;
}

double LeeModulo(const RegApartadoD4* bloque, std::size_t fila, std::size_t modulo, std::size_t campo) {
  return LeeEn<double>(bloque, DesplazamientoModulo(fila, modulo, campo));
}

void EscribeModulo(RegApartadoD4* bloque, std::size_t fila, std::size_t modulo, std::size_t campo, double valor) {
  EscribeEn<double>(bloque, DesplazamientoModulo(fila, modulo, campo), valor);
}

// The whole part of a count as an int; a value beyond the int range counts as its nearest end, not a number as 0.
int ParteEntera(double valor) {
  if (std::isnan(valor)) return 0;
  if (valor >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (valor <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(valor);
}

// The fields of a row that the steps consult.
struct DatosFila {
  std::int32_t codigo;
  double porcentaje;
  double dias;
  double anioInicio;
  bool incrementoPlantilla;
  std::uint8_t selectorReduccion;
  bool pequenaEmpresa;
  double p;
  std::uint8_t marcaP;
  double n;
  double r;
};

DatosFila LeeDatosFila(const RegApartadoD4* bloque, std::size_t fila) {
  return {
      .codigo = Lee(bloque, D4::CodigoActividad, fila),
      .porcentaje = Lee(bloque, D4::Porcentaje, fila),
      .dias = Lee(bloque, D4::DiasTemporada, fila),
      .anioInicio = Lee(bloque, D4::AnioInicio, fila),
      .incrementoPlantilla = Lee(bloque, D4::IncrementoPlantilla, fila) == 1,
      .selectorReduccion = Lee(bloque, D4::SelectorReduccion, fila),
      .pequenaEmpresa = Lee(bloque, D4::PequenaEmpresa, fila) == 1,
      .p = Lee(bloque, D4::CuentaP, fila),
      .marcaP = Lee(bloque, D4::MarcaCuentaP, fila),
      .n = Lee(bloque, D4::CuentaN, fila),
      .r = Lee(bloque, D4::CuentaR, fila),
  };
}

// Hours of full count plus hours counted at 60 % of one entry (the salaried hours of the entry).
double HorasAsalariadasEntrada(const RegApartadoD4* bloque, std::size_t fila, std::size_t modulo) {
  return LeeModulo(bloque, fila, modulo, Modulo::Entrada1) + LeeModulo(bloque, fila, modulo, Modulo::Entrada2);
}

// The salaried hours T of the row: the first entry's, and for activities 119 to 122 the second entry's too.
double HorasAsalariadas(const RegApartadoD4* bloque, std::size_t fila, std::int32_t codigo) {
  double horas = LeeModulo(bloque, fila, 0, Modulo::Entrada1) + LeeModulo(bloque, fila, 0, Modulo::Entrada2);
  if (DosEntradasPersonal(codigo)) {
    horas = horas + LeeModulo(bloque, fila, 1, Modulo::Entrada1) + LeeModulo(bloque, fila, 1, Modulo::Entrada2);
  }
  return horas;
}

// Staff units of an entry from its three inputs (of this year, or of the previous year), cut to two decimals.
double UnidadesPersonal(const RegApartadoD4* bloque, std::size_t fila, std::size_t modulo, bool anterior) {
  const std::size_t plena = anterior ? Modulo::EntradaAnterior1 : Modulo::Entrada1;
  const std::size_t parcial = anterior ? Modulo::EntradaAnterior2 : Modulo::Entrada2;
  const std::size_t anuales = anterior ? Modulo::EntradaAnterior3 : Modulo::Entrada3;
  return TruncSinCeros((LeeModulo(bloque, fila, modulo, parcial) * FraccionHorasParciales +
                  LeeModulo(bloque, fila, modulo, plena)) /
                 HorasAnuales(LeeModulo(bloque, fila, modulo, anuales)), 2);
}

// ---- Indices ------------------------------------------------------------------------------------------------

// The special index of the activity, 0 when none. `primeraSinPersonal` is what activities 175 and 178 test of the
// first entry (the row tests its hours, the reference yield its result).
double IndiceEspecial(const DatosFila& datos, bool primeraSinPersonal) {
  switch (datos.codigo) {
    case Actividad143:
      return BuscaIndice(EspecialN143, datos.n, 1.0);
    case Actividad173:
      return datos.p == 1.0 ? IndiceEspecialP : 0.0;
    case Actividad174:
      return BuscaIndice(EspecialN174, datos.n, 1.0);
    case Actividad175:
    case Actividad178:
      return datos.p == 1.0 && primeraSinPersonal ? IndiceEspecialP : 0.0;
    default:
      return 0.0;
  }
}

bool SinIndicePequenaEmpresa(std::int32_t codigo) {
  return codigo == Actividad173 || codigo == Actividad174 || codigo == Actividad175 || codigo == Actividad178;
}

// The small-business index of a business without salaried hours, by the count N.
double IndicePequenaSinAsalariados(const DatosFila& datos) {
  return datos.codigo == Actividad143 ? BuscaIndice(PequenaN143, datos.n, PequenaSinAsalariadosOtro)
                                      : BuscaIndice(PequenaNOtras, datos.n, PequenaSinAsalariadosOtro);
}

// The seasonal index of the days, 0 above the last bound.
double IndiceTemporada(double dias) {
  for (const IndiceHasta& tramo : IndicesTemporada) {
    if (dias <= tramo.hasta) return tramo.indice;
  }
  return 0.0;
}

// ---- Reference yield ------------------------------------------------------------------------------------------

// Staff units of an entry for the reference yield, not cut.
double UnidadesPersonalReferencia(const RegApartadoD4* bloque, std::size_t fila, std::size_t modulo, bool anterior) {
  const double plena = LeeModulo(bloque, fila, modulo, anterior ? Modulo::EntradaAnterior1 : Modulo::Entrada1);
  const double parcial = LeeModulo(bloque, fila, modulo, anterior ? Modulo::EntradaAnterior2 : Modulo::Entrada2);
  const double anuales = LeeModulo(bloque, fila, modulo, anterior ? Modulo::EntradaAnterior3 : Modulo::Entrada3);
  return plena / HorasAnuales(anuales) + parcial / HorasAnuales(anuales) * FraccionHorasParciales;
}

// Non-salaried units of the reference yield from the hours of entry `modulo`, cut to two decimals.
double UnidadesNoAsalariadoReferencia(const RegApartadoD4* bloque, std::size_t fila, std::size_t modulo,
                                      const DatosFila& datos) {
  double h1 = LeeModulo(bloque, fila, modulo, Modulo::Entrada1);
  double h2 = LeeModulo(bloque, fila, modulo, Modulo::Entrada2);
  const double h3 = LeeModulo(bloque, fila, modulo, Modulo::Entrada3);
  if (datos.porcentaje == 0.0) {
    if (h1 > HorasJornadaCompleta) h1 = HorasJornadaCompleta;
    if (h2 > HorasJornadaCompleta) h2 = HorasJornadaCompleta;
  }
  double segundo = (h2 + h3) / HorasJornadaCompleta;
  if (datos.porcentaje == 0.0 && HorasAsalariadas(bloque, fila, datos.codigo) == 0.0 && h1 >= HorasJornadaCompleta) {
    segundo = segundo * 0.5;
  }
  return TruncSinCeros(h1 / HorasJornadaCompleta + segundo, 2);
}

// Activity 173: the two units by days of the third entry, each cut to two decimals.
void UnidadesDiasReferencia(const RegApartadoD4* bloque, std::size_t fila, double& primeras, double& segundas) {
  constexpr std::size_t modulo = 2;
  const double diasPorDefecto = LeeModulo(bloque, fila, modulo, Modulo::DiasPorDefecto);
  double suma1 = 0.0;
  double suma2 = 0.0;
  for (std::size_t triple : TriplesDias) {
    double dias = LeeModulo(bloque, fila, modulo, triple + 16);
    if (dias == 0.0) dias = diasPorDefecto;
    suma1 += LeeModulo(bloque, fila, modulo, triple) * dias / DiasAnio;
    suma2 += LeeModulo(bloque, fila, modulo, triple + 8) * dias / DiasAnio;
  }
  primeras = TruncSinCeros(suma1, 2);
  segundas = TruncSinCeros(suma2, 2);
}

// ---- The steps of a row ---------------------------------------------------------------------------------------

// Step 1: units and result of each entry; gives the sum of the results and the row's staff units (those of the
// last salaried entry).
double CalculaModulos(RegApartadoD4* bloque, std::size_t fila, const DatosFila& datos, double& unidadesPersonal) {
  unidadesPersonal = 0.0;
  double suma = 0.0;
  for (std::size_t modulo = 0; modulo < Modulo::Cuantos; ++modulo) {
    const std::uint8_t tipo = LeeEn<std::uint8_t>(bloque, DesplazamientoModulo(fila, modulo, Modulo::Tipo));
    double unidades = 0.0;
    if (EsTipoPersonal(tipo)) {
      unidades = UnidadesPersonal(bloque, fila, modulo, false);
      EscribeModulo(bloque, fila, modulo, Modulo::Unidades, unidades);
      unidadesPersonal = unidades;
    } else if (tipo == TipoNoAsalariado) {
      UnidadesNoAsalariado(LeeModulo(bloque, fila, modulo, Modulo::Entrada1),
                           LeeModulo(bloque, fila, modulo, Modulo::Entrada2),
                           LeeModulo(bloque, fila, modulo, Modulo::Entrada3), datos.porcentaje,
                           ParteEntera(datos.r), unidades);
      EscribeModulo(bloque, fila, modulo, Modulo::Unidades, unidades);
    } else {
      unidades = LeeModulo(bloque, fila, modulo, Modulo::Unidades);
    }
    const double resultado =
        RedondeaSinCeros(TruncSinCeros(unidades, 2) * LeeModulo(bloque, fila, modulo, Modulo::ImportePorUnidad));
    EscribeModulo(bloque, fila, modulo, Modulo::Resultado, resultado);
    suma += resultado;
  }
  return suma;
}

// Step 2: the reduction for employment.
double ReduccionEmpleo(const RegApartadoD4* bloque, std::size_t fila, const DatosFila& datos,
                       double unidadesPersonal) {
  const double a = LeeModulo(bloque, fila, 0, Modulo::Unidades);
  const double importeA = LeeModulo(bloque, fila, 0, Modulo::ImportePorUnidad);
  if (DosEntradasPersonal(datos.codigo)) {
    const double b = LeeModulo(bloque, fila, 1, Modulo::Unidades);
    const double importeB = LeeModulo(bloque, fila, 1, Modulo::ImportePorUnidad);
    const double s = a + b;
    if (s == 0.0) return 0.0;
    double m = 0.0;
    if (datos.incrementoPlantilla) {
      const double c = UnidadesPersonal(bloque, fila, 0, true);
      const double d = UnidadesPersonal(bloque, fila, 1, true);
      const double v = s - c - d;
      m = v <= 0.0 ? CoeficienteEmpleo(s) : CoeficienteEmpleo(c + d) + v * IncrementoPorUnidad;
    } else {
      m = CoeficienteEmpleo(s);
    }
    return Redondea(m * a / s * importeA + m * b / s * importeB);
  }
  if (datos.incrementoPlantilla) {
    const double c = UnidadesPersonal(bloque, fila, 0, true);
    const double v = unidadesPersonal - c;
    const double m = v > 0.0 ? CoeficienteEmpleo(c) + v * IncrementoPorUnidad : CoeficienteEmpleo(unidadesPersonal);
    return Redondea(m * importeA);
  }
  return Redondea(CoeficienteEmpleo(a) * importeA);
}

// Steps 4 to 9 on a yield that is not negative: the indices, each stored in its field, and the limit. Gives the
// yield after the indices; `exceso` is the excess over the rounded 110 % of the reference yield.
double AplicaIndices(RegApartadoD4* bloque, std::size_t fila, const DatosFila& datos, double rendimiento,
                     double& exceso) {
  const double especial = IndiceEspecial(datos, HorasAsalariadasEntrada(bloque, fila, 0) == 0.0);
  if (especial != 0.0) {
    Escribe(bloque, D4::IndiceEspecial, fila, especial);
    rendimiento *= especial;
  }

  double pequena = 0.0;
  if (!SinIndicePequenaEmpresa(datos.codigo) && datos.porcentaje == 0.0 && datos.pequenaEmpresa &&
      datos.p <= 1.0 && datos.r <= 2.0 && (datos.p != 1.0 || datos.marcaP == 0)) {
    pequena = HorasAsalariadas(bloque, fila, datos.codigo) != 0.0 ? PequenaConAsalariados
                                                                  : IndicePequenaSinAsalariados(datos);
    Escribe(bloque, D4::IndicePequenaEmpresa, fila, pequena);
    rendimiento *= pequena;
  }

  if (datos.dias != 0.0) {
    const double temporada = IndiceTemporada(datos.dias);
    if (temporada != 0.0) {
      Escribe(bloque, D4::IndiceTemporada, fila, temporada);
      rendimiento *= temporada;
    }
  }

  const double umbral = Lee(bloque, D4::UmbralExceso, fila);
  if (pequena == 0.0 && datos.codigo != Actividad174 && rendimiento > umbral) {
    Escribe(bloque, D4::IndiceExceso, fila, IndiceExceso);
    rendimiento = (rendimiento - umbral) * IndiceExceso + umbral;
  }

  if (datos.dias == 0.0) {
    const double inicio = BuscaIndice(IndicesInicio, datos.anioInicio, 0.0);
    if (inicio != 0.0) {
      Escribe(bloque, D4::IndiceInicio, fila, inicio);
      rendimiento = Redondea(rendimiento * inicio);
    }
  } else {
    rendimiento = Redondea(rendimiento);
  }

  // The reference yield reads the units and results stored by step 1.
  const double limite = RendimientoReferencia(bloque, fila) * LimiteReferencia;
  exceso = rendimiento <= limite ? 0.0 : rendimiento - Redondea(limite);
  return rendimiento;
}

// ---- A row with nothing entered ------------------------------------------------------------------------------

// The fields of a row that the steps read as entered data past the module entries.
constexpr std::array<Columna<RegApartadoD4, double>, 6> EntradasTrasModulos{
    D4::ImporteRestarModulos, D4::UmbralExceso,  D4::UmbralExcesoReferencia,
    D4::ImporteRestarLimitado, D4::ImporteSumar, D4::ImporteRestarNeto};

// True when every byte the steps of the row read is zero: the whole row up to its sums (the activity data and the
// seven module entries, computed fields among them) and the entered fields after them. Most declarations leave
// every row so, and each such row comes out the same: every computed field +0, the texts and code copied as zeros.
bool FilaSinDatos(const RegApartadoD4* bloque, std::size_t fila) {
  // A row with data costs this pass on top of its steps, an empty row far less than the steps.
  constexpr std::size_t Palabras = (D4::SumaModulos.primero - D4::Actividades.inicio) / sizeof(std::uint64_t);
  static_assert(Palabras * sizeof(std::uint64_t) == D4::SumaModulos.primero - D4::Actividades.inicio);
  if (!PalabrasACero<Palabras>(bloque->octetos + D4::Actividades.Desplazamiento(fila))) return false;
  for (const auto& campo : EntradasTrasModulos) {
    std::uint64_t palabra;
    std::memcpy(&palabra, bloque->octetos + campo.Desplazamiento(fila), sizeof palabra);
    if (palabra != 0) return false;
  }
  return true;
}

// What steps 1 to 12 write for a row with nothing entered (`FilaSinDatos`): every computed value +0 (module results
// and sums, reductions, indices, yields) and the copies of the texts, code and percentage as zeros; it adds +0 to the
// total. The module results lie in the stretch already found zero. After the module entries the row is zeroed from
// its sums to the copied code and from the copied percentage to its end: the entered fields among them are zero
// already, and the byte between the code and the percentage, which the steps never write, is left as it is.
void EscribeFilaSinDatos(RegApartadoD4* bloque, std::size_t fila) {
  static_assert(D4::CopiaCodigoMiembro.primero + 1 < D4::CopiaPorcentaje.primero);
  static_assert(D4::RendimientoFinalAtribuido.primero + sizeof(double) ==
                D4::Actividades.inicio + D4::Actividades.paso);
  unsigned char* inicio = bloque->octetos + D4::Actividades.Desplazamiento(fila) - D4::Actividades.inicio;
  std::memset(inicio + D4::SumaModulos.primero, 0, D4::CopiaCodigoMiembro.primero + 1 - D4::SumaModulos.primero);
  std::memset(inicio + D4::CopiaPorcentaje.primero, 0,
              D4::RendimientoFinalAtribuido.primero + sizeof(double) - D4::CopiaPorcentaje.primero);
}

// One row, steps 1 to 12; gives what the row adds to the block total.
double CalculaFila(RegApartadoD4* bloque, std::size_t fila) {
  if (FilaSinDatos(bloque, fila)) {
    EscribeFilaSinDatos(bloque, fila);
    return 0.0;
  }
  const DatosFila datos = LeeDatosFila(bloque, fila);

  double unidadesPersonal = 0.0;
  const double sumaModulos = CalculaModulos(bloque, fila, datos, unidadesPersonal);
  Escribe(bloque, D4::SumaModulos, fila, sumaModulos);
  const double reduccionEmpleo = ReduccionEmpleo(bloque, fila, datos, unidadesPersonal);
  Escribe(bloque, D4::ReduccionEmpleo, fila, reduccionEmpleo);

  const double previo = sumaModulos - reduccionEmpleo - Lee(bloque, D4::ImporteRestarModulos, fila);
  Escribe(bloque, D4::RendimientoPrevio, fila, previo);
  for (const auto indice : {D4::IndiceEspecial, D4::IndicePequenaEmpresa, D4::IndiceTemporada, D4::IndiceExceso,
                            D4::IndiceInicio}) {
    Escribe(bloque, indice, fila, 0.0);
  }

  double rendimiento = previo;
  double exceso = 0.0;
  if (previo >= 0.0) rendimiento = AplicaIndices(bloque, fila, datos, previo, exceso);
  Escribe(bloque, D4::RendimientoIndices, fila, rendimiento);
  Escribe(bloque, D4::ExcesoLimite, fila, exceso);

  Escribe(bloque, D4::RendimientoLimitado, fila, rendimiento - exceso);
  const double antesReduccion = rendimiento - exceso - Lee(bloque, D4::ImporteRestarLimitado, fila);
  Escribe(bloque, D4::RendimientoAntesReduccion, fila, antesReduccion);
  const double tipo = datos.selectorReduccion == 0 || datos.selectorReduccion == 255 ? ReduccionGeneralComun
                                                                                      : ReduccionGeneralElegida;
  double reduccion = Redondea(antesReduccion * tipo);
  if (reduccion < 0.0) reduccion = 0.0;
  Escribe(bloque, D4::ReduccionGeneral, fila, reduccion);

  const double sumar = Lee(bloque, D4::ImporteSumar, fila);
  const double restar = Lee(bloque, D4::ImporteRestarNeto, fila);
  if (datos.porcentaje == 0.0) {
    const double neto = antesReduccion - reduccion + sumar;
    const double final = neto - restar;
    Escribe(bloque, D4::RendimientoNeto, fila, neto);
    Escribe(bloque, D4::RendimientoFinal, fila, final);
    Escribe(bloque, D4::CopiaIdentificacion, fila, Texto<9>{});
    Escribe(bloque, D4::CopiaActividad, fila, Texto<5>{});
    Escribe(bloque, D4::CopiaCodigoMiembro, fila, std::uint8_t{0});
    Escribe(bloque, D4::CopiaPorcentaje, fila, 0.0);
    Escribe(bloque, D4::RendimientoNetoAtribuido, fila, 0.0);
    Escribe(bloque, D4::RendimientoFinalAtribuido, fila, 0.0);
  } else {
    Escribe(bloque, D4::RendimientoNeto, fila, 0.0);
    Escribe(bloque, D4::RendimientoFinal, fila, 0.0);
    Escribe(bloque, D4::CopiaIdentificacion, fila, Lee(bloque, D4::TextoIdentificacion, fila));
    Escribe(bloque, D4::CopiaActividad, fila, Lee(bloque, D4::TextoActividad, fila));
    Escribe(bloque, D4::CopiaCodigoMiembro, fila, Lee(bloque, D4::CodigoMiembro, fila));
    Escribe(bloque, D4::CopiaPorcentaje, fila, datos.porcentaje);
    Escribe(bloque, D4::RendimientoNetoAtribuido, fila,
            Redondea((antesReduccion - reduccion + sumar) * datos.porcentaje * 0.01));
    Escribe(bloque, D4::RendimientoFinalAtribuido, fila,
            Redondea((antesReduccion - reduccion + sumar - restar) * datos.porcentaje * 0.01));
  }
  return Lee(bloque, D4::RendimientoFinalAtribuido, fila) + Lee(bloque, D4::RendimientoFinal, fila);
}

}  // namespace

// ---- Helpers of the module regime ------------------------------------------------------------------------------

double HorasAnuales(double horas) { return horas == 0.0 ? HorasJornadaCompleta : horas; }

double CoeficienteEmpleo(double unidades) {
  const Tramo& tramo = TramoDe(TramosCoeficienteEmpleo, unidades);
  return tramo.base + (unidades - tramo.desde) * tramo.tipo;
}

double EscalaPersonal(double& unidades) {
  const Tramo& tramo = TramoDe(TramosEscalaPersonal, unidades);
  const double valor = tramo.base + (unidades - tramo.desde) * tramo.tipo;
  unidades = unidades - tramo.desde;
  return valor;
}

double UnidadesNoAsalariado(double horas1, double horas2, double horas3, double porcentaje, int cuenta,
                            double& unidades) {
  if (porcentaje == 0.0) {
    if (horas1 > HorasJornadaCompleta) horas1 = HorasJornadaCompleta;
    if (horas2 > HorasJornadaCompleta) horas2 = HorasJornadaCompleta;
  }
  const double calculadas = cuenta <= 1 && porcentaje == 0.0 && horas1 >= HorasJornadaCompleta
                                ? (horas1 + (horas2 + horas3) * 0.5) / HorasJornadaCompleta
                                : (horas1 + horas2 + horas3) / HorasJornadaCompleta;
  unidades = TruncSinCeros(calculadas, 2);
  return unidades;
}

double FactorExcesoReferencia() { return std::nextafter(0.3, 1.0); }

double RendimientoReferencia(const RegApartadoD4* bloque, std::size_t fila) {
  if (bloque == nullptr || fila >= D4::Actividades.cuantas) return 0.0;
  const DatosFila datos = LeeDatosFila(bloque, fila);
  const bool dosEntradas = DosEntradasPersonal(datos.codigo);

  // Staff units of this year and of the previous year.
  const double u1 = UnidadesPersonalReferencia(bloque, fila, 0, false);
  const double u1Anterior = datos.incrementoPlantilla ? UnidadesPersonalReferencia(bloque, fila, 0, true) : 0.0;
  double u2 = 0.0;
  double u = u1;
  double uAnterior = u1Anterior;
  if (dosEntradas) {
    u2 = UnidadesPersonalReferencia(bloque, fila, 1, false);
    const double u2Anterior = datos.incrementoPlantilla ? UnidadesPersonalReferencia(bloque, fila, 1, true) : 0.0;
    u = TruncSinCeros(u1 + u2, 2);
    uAnterior = TruncSinCeros(u1Anterior + u2Anterior, 2);
  }

  // The graded staff value and its shares.
  double g = 0.0;
  if (datos.incrementoPlantilla) {
    double unidades = TruncSinCeros(uAnterior, 2);
    g = EscalaPersonal(unidades);
    if (u - uAnterior > 0.0) g += (u - uAnterior) * IncrementoReferencia;
  } else {
    double unidades = TruncSinCeros(u, 2);
    g = EscalaPersonal(unidades);
  }
  double cuotaPrimera = TruncSinCeros(g, 2);
  double cuotaSegunda = 0.0;
  if (dosEntradas && u1 + u2 != 0.0) {
    cuotaPrimera = TruncSinCeros(g * u1 / (u1 + u2), 2);
    cuotaSegunda = TruncSinCeros(g * u2 / (u1 + u2), 2);
  }

  const double noAsalariado = UnidadesNoAsalariadoReferencia(bloque, fila, dosEntradas ? 2 : 1, datos);
  double diasPrimeras = 0.0;
  double diasSegundas = 0.0;
  if (datos.codigo == Actividad173) UnidadesDiasReferencia(bloque, fila, diasPrimeras, diasSegundas);

  const auto& fuentes = dosEntradas                     ? ReferenciaDosPlantillas
                        : datos.codigo == Actividad173 ? ReferenciaPorDias
                                                       : ReferenciaGeneral;
  double y = 0.0;
  for (std::size_t modulo = 0; modulo < Modulo::Cuantos; ++modulo) {
    double unidades = 0.0;
    switch (fuentes[modulo]) {
      case U::CuotaPrimera: unidades = cuotaPrimera; break;
      case U::CuotaSegunda: unidades = cuotaSegunda; break;
      case U::NoAsalariado: unidades = noAsalariado; break;
      case U::DiasPrimeras: unidades = diasPrimeras; break;
      case U::DiasSegundas: unidades = diasSegundas; break;
      case U::Almacenadas: unidades = LeeModulo(bloque, fila, modulo, Modulo::Unidades); break;
    }
    y += RedondeaSinCeros(unidades * LeeModulo(bloque, fila, modulo, Modulo::ImporteReferencia));
  }

  // Special, small-business and seasonal factors.
  const double especial = IndiceEspecial(datos, LeeModulo(bloque, fila, 0, Modulo::Resultado) == 0.0);
  const double d = especial != 0.0 ? especial : 1.0;
  double e = 0.0;
  if (!SinIndicePequenaEmpresa(datos.codigo) && datos.porcentaje == 0.0 &&
      HorasAsalariadasEntrada(bloque, fila, 0) == 0.0 &&
      !(dosEntradas && HorasAsalariadasEntrada(bloque, fila, 1) != 0.0) && datos.pequenaEmpresa &&
      !(datos.p != 0.0 && (datos.p != 1.0 || datos.marcaP == 1))) {
    e = IndicePequenaSinAsalariados(datos);
  }
  double s = 1.0;
  if (datos.dias > 0.0) {
    const double temporada = IndiceTemporada(datos.dias);
    if (temporada != 0.0) s = temporada;
  }

  y = d * y * (e != 0.0 ? e : 1.0) * s;
  const double umbral = Lee(bloque, D4::UmbralExcesoReferencia, fila);
  if (e == 0.0 && datos.codigo != Actividad174 && y > umbral) y = y + (y - umbral) * FactorExcesoReferencia();
  return Redondea(y);
}

void CalculaApartadoD4(RegApartadoD4* bloque, RegBaseImponible* baseImponible) {
  if (bloque == nullptr || baseImponible == nullptr) return;
  double total = 0.0;
  Escribe(bloque, D4::TotalBloque, total);
  double declarante = 0.0;
  double conyuge = 0.0;
  for (std::size_t fila = 0; fila < D4::Actividades.cuantas; ++fila) {
    const double aporta = CalculaFila(bloque, fila);
    total += aporta;
    const std::uint8_t miembro = Lee(bloque, D4::CodigoMiembro, fila);
    if (miembro == Sujeto::Declarante) declarante += aporta;
    if (miembro == Sujeto::Conyuge) conyuge += aporta;
  }
  Escribe(bloque, D4::TotalBloque, total);
  Escribe(baseImponible, BaseImponible::ActividadD4, ImportesMiembro{total, declarante, conyuge, 0.0, 0.0});
}

}  // namespace ximardol::EstimacionObjetiva
