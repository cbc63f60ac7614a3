// Section N: the regional deductions. Every member slot belongs to a region (a two-digit code of the family data);
// eight regions have deductions of their own. For each slot the rules of its region run; the results of every other
// region are cleared in that slot, and a region that no slot belongs to is cleared whole, entries included. The
// region totals go into the two arrays of RegResultados taken only from the second quota. Nothing is rounded here.
//
// Reads RegDatosFamilia, RegBaseImponible, RegLiquidacion, RegApartadoG, RegApartadoM, RegApartadoD1, RegApartadoD2,
// RegApartadoD4, RegApartadoD5, RegApartadoK, RegApartadoI and RegApartadoH; writes RegApartadoN and the arrays 600
// and 640 of RegResultados.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <utility>

#include "Ayudas.h"
#include "EnteroDeTexto.h"
#include "bloques/RegApartadoD1.h"
#include "bloques/RegApartadoD2.h"
#include "bloques/RegApartadoD4.h"
#include "bloques/RegApartadoD5.h"
#include "bloques/RegApartadoG.h"
#include "bloques/RegApartadoH.h"
#include "bloques/RegApartadoI.h"
#include "bloques/RegApartadoK.h"
#include "bloques/RegApartadoM.h"
#include "bloques/RegApartadoN.h"
#include "bloques/RegBaseImponible.h"
#include "bloques/RegDatosFamilia.h"
#include "bloques/RegLiquidacion.h"
#include "bloques/RegResultados.h"

namespace ximardol {
namespace {

namespace N = ApartadoN;
namespace DF = DatosFamilia;
namespace BI = BaseImponible;

constexpr std::size_t Slots = 5;
using Codigos = std::array<int, Slots>;
using ArrayN = CampoMiembro<RegApartadoN>;

// ---- The regions and what clearing them zeroes ----------------------------------------------------------------

// Bytes [desde, hasta) of the block.
struct Tramo {
  std::size_t desde;
  std::size_t hasta;
};

// What a region cleared whole zeroes: its result arrays and its entries, sorted and joined where they touch (the
// regions lie one after another in the block, and most are one unbroken stretch).
constexpr std::size_t MaximoTramosRegion = 4;
struct TramosRegion {
  std::array<Tramo, MaximoTramosRegion> tramos{};
  std::size_t cuantos = 0;
};

consteval TramosRegion UneTramos(std::span<const ArrayN> resultados, std::span<const Tramo> entradas) {
  std::array<Tramo, 32> todos{};
  std::size_t n = 0;
  for (const ArrayN& campo : resultados) {
    todos[n++] = {campo.desplazamiento, campo.desplazamiento + sizeof(ImportesMiembro)};
  }
  for (const Tramo& t : entradas) todos[n++] = t;
  for (std::size_t i = 1; i < n; ++i) {
    for (std::size_t j = i; j > 0 && todos[j].desde < todos[j - 1].desde; --j) std::swap(todos[j], todos[j - 1]);
  }
  TramosRegion unidos;
  for (std::size_t i = 0; i < n; ++i) {
    if (unidos.cuantos > 0 && todos[i].desde <= unidos.tramos[unidos.cuantos - 1].hasta) {
      Tramo& ultimo = unidos.tramos[unidos.cuantos - 1];
      if (todos[i].hasta > ultimo.hasta) ultimo.hasta = todos[i].hasta;
    } else {
      unidos.tramos.at(unidos.cuantos++) = todos[i];  // past the array: not a constant expression
    }
  }
  return unidos;
}

struct Region {
  int codigo;
  std::span<const ArrayN> resultados;  // zeroed slot by slot for a member of another region
  std::span<const Tramo> entradas;     // also zeroed when no member belongs to the region
  TramosRegion entera;                 // both, as they are zeroed when no member belongs to the region

  consteval Region(int codigoRegion, std::span<const ArrayN> resultadosRegion, std::span<const Tramo> entradasRegion)
      : codigo(codigoRegion),
        resultados(resultadosRegion),
        entradas(entradasRegion),
        entera(UneTramos(resultadosRegion, entradasRegion)) {}
};

constexpr ArrayN Resultados4[] = {N::Comunidad4Mayores,           N::Comunidad4DeduccionEdad,
                                  N::Comunidad4Descendientes,     N::Comunidad4DeduccionDescendientes,
                                  N::Comunidad4DeduccionImportes, N::Comunidad4DeduccionEntradas,
                                  N::Comunidad4Deduccion25,       N::Comunidad4Total};
constexpr Tramo Entradas4[] = {{160, 208}, {248, 272}, {312, 392}, {432, 496}};

// The count of descendants at 632 is a result like the others, and the six coded entries are cleared whole, so that
// nothing of an earlier calculation comes back when a member returns to the region.
constexpr ArrayN Resultados8[] = {N::Comunidad8Unidades,      N::Comunidad8ImporteFijo,
                                  N::Comunidad8Descendientes, N::Comunidad8ImporteUnidades,
                                  N::Comunidad8DeduccionDescendientes, N::Comunidad8Total1,
                                  N::Comunidad8DeduccionA,    N::Comunidad8DeduccionB,
                                  N::Comunidad8Total2};
constexpr Tramo Entradas8[] = {{616, 632}, {752, 872}, {952, 1000}, {1040, 1088}};

constexpr ArrayN Resultados9[] = {N::Comunidad9Descendientes, N::Comunidad9DeduccionDescendientes};
constexpr Tramo Entradas9[] = {{1208, 1232}};

constexpr ArrayN Resultados11[] = {N::Comunidad11Descendientes, N::Comunidad11DeduccionDescendientes};
constexpr Tramo Entradas11[] = {{1312, 1432}};

constexpr ArrayN Resultados12[] = {N::Comunidad12Descendientes1, N::Comunidad12Deduccion1,
                                   N::Comunidad12Descendientes2, N::Comunidad12Deduccion2,
                                   N::Comunidad12Total,          N::Comunidad12DeduccionEntradas};
constexpr Tramo Entradas12[] = {{1512, 1536}, {1616, 1640}, {1720, 1768}};

constexpr ArrayN Resultados13[] = {N::Comunidad13DeduccionT, N::Comunidad13DeduccionS, N::Comunidad13Total,
                                   N::Comunidad13DeduccionV};
constexpr Tramo Entradas13[] = {{1808, 1856}, {1896, 1944}, {2024, 2072}};

constexpr ArrayN Resultados16[] = {N::Comunidad16DeduccionY, N::Comunidad16DeduccionW, N::Comunidad16Total};
constexpr Tramo Entradas16[] = {{2112, 2160}, {2200, 2248}};

// The two claim bytes at 2472 are entries like those at 2608 and are cleared with them.
constexpr ArrayN Resultados17[] = {N::Comunidad17Descendientes,   N::Comunidad17DeduccionDescendientes,
                                   N::Comunidad17Mayores,         N::Comunidad17DeduccionMayores,
                                   N::Comunidad17DeduccionJovenes, N::Comunidad17DeduccionFija,
                                   N::Comunidad17Deduccion20,     N::Comunidad17Deduccion10,
                                   N::Comunidad17Deduccion5,      N::Comunidad17Total,
                                   N::Comunidad17DeduccionBases};
constexpr Tramo Entradas17[] = {{2368, 2392}, {2472, 2474}, {2520, 2568}, {2608, 2610},
                                {2656, 2704}, {2744, 2792}, {2832, 2880}, {2960, 3008}};

// In the order the clearing passes take them.
constexpr std::array<Region, 8> Regiones{{
    {4, Resultados4, Entradas4},
    {8, Resultados8, Entradas8},
    {9, Resultados9, Entradas9},
    {11, Resultados11, Entradas11},
    {12, Resultados12, Entradas12},
    {13, Resultados13, Entradas13},
    {16, Resultados16, Entradas16},
    {17, Resultados17, Entradas17},
}};

consteval bool TablaDentroDelBloque() {
  for (const Region& r : Regiones) {
    for (const Tramo& t : r.entradas) {
      if (t.desde >= t.hasta || t.hasta > sizeof(RegApartadoN)) return false;
    }
    for (std::size_t i = 0; i < r.entera.cuantos; ++i) {
      if (r.entera.tramos[i].hasta > sizeof(RegApartadoN)) return false;
    }
  }
  return true;
}
static_assert(TablaDentroDelBloque());

int CuentaRegion(const Codigos& codigos, int codigo) {
  int n = 0;
  for (int c : codigos) {
    if (c == codigo) ++n;
  }
  return n;
}

// Every member either has no region (0) or belongs to this one.
bool SoloRegion(const Codigos& codigos, int codigo) {
  for (int c : codigos) {
    if (c != 0 && c != codigo) return false;
  }
  return true;
}

// The slot's double of each result array (slot < 5, so it lies inside the array).
void BorraDeduccionesRegionMiembro(RegApartadoN* n, const Region& region, std::size_t slot) {
  for (const ArrayN& campo : region.resultados) {
    EscribeEn<double>(n, campo.desplazamiento + slot * sizeof(double), 0.0);
  }
}

// Zeroes stretches of the block, each one joined to the one before when they touch, so that regions cleared whole
// one after another take one memset. A joined stretch stays under 2 KiB, where the C library still zeroes with
// vector stores (from there on it switches to a string instruction with a start-up cost). The stretches are inside
// the block (checked above when the code compiles); `Vacia` zeroes what is still pending.
class CBorrador {
 public:
  explicit CBorrador(RegApartadoN* n) : n_(n) {}

  void Borra(const Tramo& t) {
    constexpr std::size_t MaximoJunto = 2048;
    if (pendiente_.hasta > pendiente_.desde && pendiente_.hasta == t.desde &&
        t.hasta - pendiente_.desde < MaximoJunto) {
      pendiente_.hasta = t.hasta;
      return;
    }
    Vacia();
    pendiente_ = t;
  }

  void Vacia() {
    if (pendiente_.hasta > pendiente_.desde) {
      std::memset(n_->octetos + pendiente_.desde, 0, pendiente_.hasta - pendiente_.desde);
    }
    pendiente_ = {0, 0};
  }

 private:
  RegApartadoN* n_;
  Tramo pendiente_{0, 0};
};

void BorraDeduccionesRegion(CBorrador& borrador, const Region& region) {
  for (std::size_t i = 0; i < region.entera.cuantos; ++i) borrador.Borra(region.entera.tramos[i]);
}

// A region no member belongs to is cleared whole; in the others, the slots of members of other regions. The first
// pass may stop once every slot's region has been seen. Returns the regions cleared whole (bit i: Regiones[i]);
// those of `yaBorradas` are skipped: no rule writes a region no member belongs to, and its totals are left as they
// were cleared (TotalesRegiones), so between the two passes its bytes stay as the first pass left them.
unsigned PasadaBorrado(RegApartadoN* n, const Codigos& codigos, bool pararAlCompletar, unsigned yaBorradas = 0) {
  CBorrador borrador(n);
  unsigned borradas = 0;
  int vistos = 0;
  for (std::size_t r = 0; r < Regiones.size(); ++r) {
    const Region& region = Regiones[r];
    if ((yaBorradas & (1u << r)) != 0) {
      borradas |= 1u << r;
      continue;
    }
    const int cuantos = CuentaRegion(codigos, region.codigo);
    if (cuantos < 1) {
      BorraDeduccionesRegion(borrador, region);
      borradas |= 1u << r;
    } else {
      vistos += cuantos;
      for (std::size_t j = 0; j < Slots; ++j) {
        if (codigos[j] != region.codigo) BorraDeduccionesRegionMiembro(n, region, j);
      }
    }
    if (pararAlCompletar && vistos >= static_cast<int>(Slots)) break;
  }
  borrador.Vacia();
  return borradas;
}

// ---- What the rules read -----------------------------------------------------------------------------------------

struct Entorno {
  RegApartadoN* n;
  const RegDatosFamilia* familia;
  const RegBaseImponible* bi;
  const RegLiquidacion* liquidacion;
  const RegApartadoG* g;
  const RegApartadoM* m;
  const RegApartadoD1* d1;
  const RegApartadoD2* d2;
  const RegApartadoD4* d4;
  const RegApartadoD5* d5;
  const RegApartadoK* k;
  const RegApartadoI* i;
  const RegApartadoH* h;
  Codigos codigos;

  // Read each time a rule needs them: a blank year reads as 0.
  int AnioDeclarante() const { return EnteroDeTexto(LeeTexto(familia, DF::AnioNacimientoDeclarante)); }
  int AnioConyuge() const { return EnteroDeTexto(LeeTexto(familia, DF::AnioNacimientoConyuge)); }
  bool Conjunta() const {
    return Lee(familia, DF::IndicadorUnidadFamiliar) == 1 || Lee(familia, DF::IndicadorConjunta) == 1;
  }

  // Bases after the minimum.
  double B(std::size_t s) const {
    return Lee(bi, BI::BaseGeneralTrasMinimo)[s] + Lee(bi, BI::BaseEspecialLiquidable)[s];
  }
  // Bases before the minimum.
  double G(std::size_t s) const {
    return Lee(g, ApartadoG::BaseGeneralAntesMinimo)[s] + Lee(g, ApartadoG::BaseEspecialAntesMinimo)[s];
  }
  // Bases to liquidate.
  double L(std::size_t s) const {
    return Lee(liquidacion, Liquidacion::BaseLiquidableGeneral)[s] + Lee(bi, BI::BaseEspecialLiquidable)[s];
  }
  // What section M admitted in its third instance, with its fourth, and in its first two.
  double M3(std::size_t s) const {
    return Lee(m, ApartadoM::PrimerosImportes3)[s] + Lee(m, ApartadoM::SegundosImportes3)[s] +
           Lee(m, ApartadoM::TercerosImportes3)[s] + Lee(m, ApartadoM::CuartosImportes3)[s] +
           Lee(m, ApartadoM::QuintosImportes3)[s];
  }
  double M34(std::size_t s) const {
    return M3(s) + Lee(m, ApartadoM::PrimerosImportes4)[s] + Lee(m, ApartadoM::SegundosImportes4)[s] +
           Lee(m, ApartadoM::TercerosImportes4)[s];
  }
  double MG(std::size_t s) const {
    return Lee(m, ApartadoM::PrimerGrupoAdmitido)[s] + Lee(m, ApartadoM::ClasesAdmitidas)[s];
  }

  double Doble(CampoDouble<RegApartadoN> campo) const { return Lee(n, campo); }

  // Writes one slot of an array of the block.
  void Pon(ArrayN campo, std::size_t s, double valor) const {
    ImportesMiembro valores = Lee(n, campo);
    valores[s] = valor;
    Escribe(n, campo, valores);
  }
};

// The three coded entries of a group, each amount times the factor.
ImportesMiembro RepartirEntradas(const RegApartadoN* n, Columna<RegApartadoN, std::uint8_t> codigos,
                                 Columna<RegApartadoN, double> importes, double factor = 1.0) {
  std::array<ParMiembro, 3> pares{};
  for (std::size_t e = 0; e < pares.size(); ++e) {
    pares[e] = {Lee(n, codigos, e), Lee(n, importes, e) * factor};
  }
  return RepartirImportes(pares);
}

void Techo(ImportesMiembro& importes, std::size_t s, double limite) {
  AcotaImportes(std::span<double>(importes).subspan(s, 1), {{limite, CotaSuperior}});
}
void TechoTodos(ImportesMiembro& importes, double limite) {
  for (std::size_t s = 0; s < Slots; ++s) Techo(importes, s, limite);
}

// ---- Region 4 ------------------------------------------------------------------------------------------------

constexpr double LimiteBase4Unidad = 2000000.0;
constexpr double LimiteBase4Persona = 1500000.0;

void Region4Edad(const Entorno& e, std::size_t s) {
  const int declarante = e.AnioDeclarante();
  const int conyuge = e.AnioConyuge();
  double personas = 0.0;
  if (s == 0) {
    const int n = (declarante < 1935 ? 1 : 0) + (conyuge < 1935 && conyuge > 0 ? 1 : 0);
    if (n != 0 && !(e.B(0) > LimiteBase4Unidad)) personas = n;
  } else if (s == 1) {
    if (!(declarante > 1934 || e.B(1) > LimiteBase4Persona)) personas = 1.0;
  } else if (s == 2) {
    if (!(conyuge > 1934 || conyuge < 1 || e.B(2) > LimiteBase4Persona)) personas = 1.0;
  } else {
    return;
  }
  e.Pon(N::Comunidad4Mayores, s, personas);
  e.Pon(N::Comunidad4DeduccionEdad, s, personas * 4000.0);
}

void Region4Descendientes(const Entorno& e, std::size_t s) {
  const double comunes = e.Doble(N::Comunidad4DescendientesComunes);
  const double declarante = e.Doble(N::Comunidad4DescendientesDeclarante);
  const double conyuge = e.Doble(N::Comunidad4DescendientesConyuge);
  double cuenta = 0.0;
  double importe = 0.0;
  if (!(e.B(s) > (s == 0 ? LimiteBase4Unidad : LimiteBase4Persona))) {
    switch (s) {
      case 0:
        cuenta = e.Doble(N::Comunidad4DescendientesTotal);
        importe = cuenta * 10000.0;
        break;
      case 1:
        cuenta = comunes + declarante;
        importe = (comunes * 0.5 + declarante) * 10000.0;
        break;
      case 2:
        cuenta = conyuge + comunes;
        importe = (conyuge + comunes * 0.5) * 10000.0;
        break;
      case 3:
        cuenta = e.Doble(N::Comunidad4DescendientesHijo1);
        importe = cuenta * 10000.0;
        break;
      default:
        cuenta = e.Doble(N::Comunidad4DescendientesHijo2);
        importe = cuenta * 10000.0;
        break;
    }
  }
  e.Pon(N::Comunidad4Descendientes, s, cuenta);
  e.Pon(N::Comunidad4DeduccionDescendientes, s, importe);
}

void Region4Importes(const Entorno& e, std::size_t s) {
  if (s > 2) return;
  const double a = RebajadoA(e.Doble(N::Comunidad4ImporteA) * 0.075, 12500.0);
  const double bDeclarante = e.Doble(N::Comunidad4ImporteBDeclarante);
  const double bConyuge = e.Doble(N::Comunidad4ImporteBConyuge);
  double importe = 0.0;
  if (s == 1) {
    if (!(e.B(1) > LimiteBase4Persona)) importe = RebajadoA(a + RebajadoA(bDeclarante * 0.15, 25000.0), 25000.0);
  } else if (s == 2) {
    if (!(e.B(2) > LimiteBase4Persona) && e.Conjunta()) {
      importe = RebajadoA(a + RebajadoA(bConyuge * 0.15, 25000.0), 25000.0);
    }
  } else if (!(e.B(0) > LimiteBase4Unidad)) {
    importe = e.Conjunta() ? (bConyuge + bDeclarante + e.Doble(N::Comunidad4ImporteA)) * 0.15
                           : a + RebajadoA(bDeclarante * 0.15, 25000.0);
    importe = RebajadoA(importe, 25000.0);
  }
  e.Pon(N::Comunidad4DeduccionImportes, s, importe);
}

void Region4Entradas(const Entorno& e, std::size_t s) {
  if (s > 2) return;
  const bool conjunta = e.Conjunta();
  const bool soloRegion = SoloRegion(e.codigos, 4);
  double importe = 0.0;
  for (std::size_t k = 0; k < N::Comunidad4CodigoEntrada.cuantos; ++k) {
    const int codigo = Lee(e.n, N::Comunidad4CodigoEntrada, k);
    const double cantidad = Lee(e.n, N::Comunidad4ImporteEntrada, k);
    const double parte10 = RebajadoA(cantidad * 0.1, 10000.0);
    const double parte5 = RebajadoA(cantidad * 0.05, 5000.0);
    if (s == 0) {
      if (conjunta) {
        importe += parte10;
      } else if (codigo == Sujeto::Declarante) {
        importe += parte10;
      } else if (codigo == Sujeto::UnidadFamiliar) {
        importe += parte5;
      }
    } else if (soloRegion) {
      const int propio = s == 1 ? Sujeto::Declarante : Sujeto::Conyuge;
      if (codigo == propio) {
        importe += parte10;
      } else if (codigo == Sujeto::UnidadFamiliar && (s == 1 || conjunta)) {
        importe += parte5;
      }
    }
  }
  e.Pon(N::Comunidad4DeduccionEntradas, s, importe);
}

void Region4Deduccion25(const Entorno& e, std::size_t s) {
  const RegApartadoN* n = e.n;
  const int codigo0 = Lee(n, N::Comunidad4CodigoBase, 0);
  const int codigo1 = Lee(n, N::Comunidad4CodigoBase, 1);
  const ImportesMiembro c1 = RepartirImportes({{codigo0, Lee(n, N::Comunidad4MilesTope, 0) * 1000.0},
                                               {codigo1, Lee(n, N::Comunidad4MilesTope, 1) * 1000.0}});
  const ImportesMiembro c2 = RepartirImportes(
      {{codigo0, Lee(n, N::Comunidad4ImporteTope, 0)}, {codigo1, Lee(n, N::Comunidad4ImporteTope, 1)}});
  ImportesMiembro deduccion =
      0.25 * RepartirImportes({{codigo0, Lee(n, N::Comunidad4Base, 0)}, {codigo1, Lee(n, N::Comunidad4Base, 1)}});
  for (std::size_t k = 0; k < Slots; ++k) Techo(deduccion, k, c1[k] > c2[k] ? c1[k] : c2[k]);
  deduccion[0] = deduccion[1] + deduccion[2];
  deduccion = ElevadoACero(deduccion);
  e.Pon(N::Comunidad4Deduccion25, s, deduccion[s]);
}

void Region4(const Entorno& e, std::size_t s) {
  Region4Edad(e, s);
  Region4Descendientes(e, s);
  Region4Importes(e, s);
  Region4Entradas(e, s);
  Region4Deduccion25(e, s);
}

// ---- Regions 8 and 11: descendants by classes -------------------------------------------------------------------

struct Clases {
  Columna<RegApartadoN, double> comunes;
  Columna<RegApartadoN, double> declarante;
  Columna<RegApartadoN, double> conyuge;
  std::array<double, 5> unidades;
};

// The count and the amount of slots 0 to 2: the whole unit counts every row whole; a person its own row whole and
// the common row at one half.
void DescendientesPorClases(const Entorno& e, const Clases& clases, std::size_t s, ArrayN cuenta, ArrayN importe) {
  if (s > 2) return;
  const auto propia = s == 1 ? clases.declarante : clases.conyuge;
  double numero = 0.0;
  double deduccion = 0.0;
  if (s == 0) {
    for (auto fila : {clases.comunes, clases.declarante, clases.conyuge}) {
      for (std::size_t c = 0; c < 5; ++c) numero += Lee(e.n, fila, c);
    }
    for (std::size_t c = 0; c < 5; ++c) {
      deduccion += (Lee(e.n, clases.comunes, c) + Lee(e.n, clases.declarante, c) + Lee(e.n, clases.conyuge, c)) *
                   clases.unidades[c];
    }
  } else {
    for (auto fila : {clases.comunes, propia}) {
      for (std::size_t c = 0; c < 5; ++c) numero += Lee(e.n, fila, c);
    }
    for (std::size_t c = 0; c < 5; ++c) {
      deduccion += (Lee(e.n, propia, c) + Lee(e.n, clases.comunes, c) * 0.5) * clases.unidades[c];
    }
  }
  e.Pon(cuenta, s, numero);
  e.Pon(importe, s, deduccion);
}

void Region8(const Entorno& e, std::size_t s) {
  const double unidades = e.Doble(N::Comunidad8NumeroUnidades);
  e.Pon(N::Comunidad8Unidades, s, unidades);

  if (s <= 2) {
    double fijo = 0.0;
    double porUnidades = 0.0;
    if (Lee(e.n, N::Comunidad8Aplica) == 1) {
      const bool entero = s == 0 || (s == 1 && !e.Conjunta());
      fijo = entero ? 35000.0 : 17500.0;
      porUnidades = unidades * (entero ? 15000.0 : 7500.0);
    }
    e.Pon(N::Comunidad8ImporteFijo, s, fijo);
    e.Pon(N::Comunidad8ImporteUnidades, s, porUnidades);
  }

  DescendientesPorClases(e,
                         {N::Comunidad8ClasesComunes, N::Comunidad8ClasesDeclarante, N::Comunidad8ClasesConyuge,
                          {10000.0, 20000.0, 30000.0, 40000.0, 50000.0}},
                         s, N::Comunidad8Descendientes, N::Comunidad8DeduccionDescendientes);

  ImportesMiembro p = RepartirEntradas(e.n, N::Comunidad8CodigoEntradaA, N::Comunidad8ImporteEntradaA);
  for (std::size_t k = 0; k < Slots; ++k) Techo(p, k, e.L(k) * 0.05);
  p = ElevadoACero(p);
  e.Pon(N::Comunidad8DeduccionA, s, p[s] * 0.15);

  ImportesMiembro q = RepartirEntradas(e.n, N::Comunidad8CodigoEntradaB, N::Comunidad8ImporteEntradaB);
  for (std::size_t k = 0; k < Slots; ++k) Techo(q, k, e.L(k) * 0.05 - p[k]);
  q = ElevadoACero(q);
  e.Pon(N::Comunidad8DeduccionB, s, q[s] * 0.15);
}

// ---- Region 9 ------------------------------------------------------------------------------------------------

void Region9(const Entorno& e, std::size_t s) {
  const double comunes = e.Doble(N::Comunidad9DescendientesComunes);
  const double declarante = e.Doble(N::Comunidad9DescendientesDeclarante);
  const double conyuge = e.Doble(N::Comunidad9DescendientesConyuge);
  double cuenta = 0.0;
  double importe = 0.0;
  switch (s) {
    case 0:
      cuenta = comunes + declarante + conyuge;
      importe = e.Conjunta() ? (declarante + conyuge) * 12500.0 + comunes * 25000.0
                             : (declarante + comunes) * 12500.0;
      break;
    case 1:
      cuenta = declarante + comunes;
      importe = cuenta * 12500.0;
      break;
    case 2:
      cuenta = conyuge + comunes;
      importe = cuenta * 12500.0;
      break;
    default:
      return;
  }
  e.Pon(N::Comunidad9Descendientes, s, cuenta);
  e.Pon(N::Comunidad9DeduccionDescendientes, s, importe);
}

// ---- Region 11 -----------------------------------------------------------------------------------------------

void Region11(const Entorno& e, std::size_t s) {
  DescendientesPorClases(e,
                         {N::Comunidad11ClasesComunes, N::Comunidad11ClasesDeclarante, N::Comunidad11ClasesConyuge,
                          {20000.0, 20000.0, 30000.0, 40000.0, 50000.0}},
                         s, N::Comunidad11Descendientes, N::Comunidad11DeduccionDescendientes);
}

// ---- Region 12 -----------------------------------------------------------------------------------------------

void Region12(const Entorno& e, std::size_t s) {
  if (s <= 2) {
    // First kind: over the limit on the bases before the minimum, count and amount are both 0.
    const double comunes1 = e.Doble(N::Comunidad12Comunes1);
    const double declarante1 = e.Doble(N::Comunidad12Declarante1);
    const double conyuge1 = e.Doble(N::Comunidad12Conyuge1);
    double cuenta1 = 0.0;
    double importe1 = 0.0;
    if (!(e.G(s) > (s == 0 ? 5000000.0 : 3500000.0))) {
      if (s == 0) {
        cuenta1 = comunes1 + declarante1 + conyuge1;
        importe1 = cuenta1 * 25450.0;
      } else {
        const double propios1 = s == 1 ? declarante1 : conyuge1;
        cuenta1 = propios1 + comunes1;
        importe1 = (propios1 + comunes1 * 0.5) * 25450.0;
      }
    }
    e.Pon(N::Comunidad12Descendientes1, s, cuenta1);
    e.Pon(N::Comunidad12Deduccion1, s, importe1);

    const double comunes2 = e.Doble(N::Comunidad12Comunes2);
    const double declarante2 = e.Doble(N::Comunidad12Declarante2);
    const double conyuge2 = e.Doble(N::Comunidad12Conyuge2);
    double cuenta2 = 0.0;
    double importe2 = 0.0;
    if (s == 0) {
      cuenta2 = comunes2 + declarante2 + conyuge2;
      importe2 = cuenta2 * 50000.0;
    } else {
      const double propios2 = s == 1 ? declarante2 : conyuge2;
      cuenta2 = propios2 + comunes2;
      importe2 = (propios2 + comunes2 * 0.5) * 50000.0;
    }
    e.Pon(N::Comunidad12Descendientes2, s, cuenta2);
    e.Pon(N::Comunidad12Deduccion2, s, importe2);
  }

  ImportesMiembro r = RepartirEntradas(e.n, N::Comunidad12CodigoEntrada, N::Comunidad12ImporteEntrada);
  for (std::size_t k = 0; k < Slots; ++k) Techo(r, k, e.L(k) * 0.1 - e.MG(k));
  r = ElevadoACero(r);
  e.Pon(N::Comunidad12DeduccionEntradas, s, r[s] * 0.1);
}

// ---- Region 13 -----------------------------------------------------------------------------------------------

void Region13(const Entorno& e, std::size_t s) {
  ImportesMiembro sS = RepartirEntradas(e.n, N::Comunidad13CodigoEntradaS, N::Comunidad13ImporteEntradaS);
  for (std::size_t k = 0; k < Slots; ++k) Techo(sS, k, 1500000.0 - e.M34(k));
  sS = ElevadoACero(sS);
  ImportesMiembro deduccionS = 0.1 * sS;
  TechoTodos(deduccionS, 40000.0);
  deduccionS = ElevadoACero(deduccionS);

  ImportesMiembro t = RepartirEntradas(e.n, N::Comunidad13CodigoEntradaT, N::Comunidad13ImporteEntradaT);
  for (std::size_t k = 0; k < Slots; ++k) Techo(t, k, 1500000.0 - e.M34(k) - sS[k]);
  t = ElevadoACero(t);
  const ImportesMiembro baseGeneral = Lee(e.liquidacion, Liquidacion::BaseLiquidableGeneral);
  const ImportesMiembro baseEspecial = Lee(e.bi, BI::BaseEspecialLiquidable);
  ImportesMiembro deduccionT;
  for (std::size_t k = 0; k < Slots; ++k) {
    const bool tipoReducido = baseGeneral[k] >= 2500000.0 || baseEspecial[k] > 250000.0;
    deduccionT[k] = t[k] * (tipoReducido ? 0.02 : 0.03);
    Techo(deduccionT, k, 40000.0 - deduccionS[k]);
  }
  deduccionT = ElevadoACero(deduccionT);

  ImportesMiembro v = RepartirEntradas(e.n, N::Comunidad13CodigoEntradaV, N::Comunidad13ImporteEntradaV);
  for (std::size_t k = 0; k < Slots; ++k) Techo(v, k, e.L(k) * 0.1 - e.MG(k));
  v = ElevadoACero(v);

  e.Pon(N::Comunidad13DeduccionS, s, deduccionS[s]);
  e.Pon(N::Comunidad13DeduccionT, s, deduccionT[s]);
  e.Pon(N::Comunidad13DeduccionV, s, v[s] * 0.2);
}

// ---- Region 16 -----------------------------------------------------------------------------------------------

void Region16(const Entorno& e, std::size_t s) {
  ImportesMiembro w = RepartirEntradas(e.n, N::Comunidad16CodigoEntradaW, N::Comunidad16ImporteEntradaW);
  for (std::size_t k = 0; k < Slots; ++k) Techo(w, k, 1500000.0 - e.M3(k));
  TechoTodos(w, 1071428.0);
  w = ElevadoACero(w);
  ImportesMiembro deduccionW = 0.07 * w;
  TechoTodos(deduccionW, 75000.0);
  deduccionW = ElevadoACero(deduccionW);

  ImportesMiembro y = RepartirEntradas(e.n, N::Comunidad16CodigoEntradaY, N::Comunidad16ImporteEntradaY);
  for (std::size_t k = 0; k < Slots; ++k) Techo(y, k, 1500000.0 - e.M3(k) - w[k]);
  y = ElevadoACero(y);
  // The unit's slot takes the young members' own amounts before their own limits are applied.
  const int declarante = e.AnioDeclarante();
  const int conyuge = e.AnioConyuge();
  y[0] = 0.0;
  if (!(e.G(0) > 5000000.0)) y[0] = (declarante > 1967 ? y[1] : 0.0) + (conyuge > 1967 ? y[2] : 0.0);
  if (declarante < 1968 || e.G(1) > 3000000.0) y[1] = 0.0;
  if (conyuge < 1968 || e.G(2) > 3000000.0) y[2] = 0.0;
  for (std::size_t k = 0; k < Slots; ++k) Techo(y, k, 1500000.0 - e.M3(k) - w[k]);

  e.Pon(N::Comunidad16DeduccionW, s, deduccionW[s]);
  e.Pon(N::Comunidad16DeduccionY, s, y[s] * 0.03);
}

// ---- Region 17 -----------------------------------------------------------------------------------------------

// The share of a row held through an entity: its percentage over 100, or the whole row without one.
double Fraccion(double porcentaje) { return porcentaje > 0.0 ? porcentaje * 0.01 : 1.0; }

// The income measure of each member: the activity yields and reductions, the bases after the minimum, the minimum
// and some work and capital amounts.
ImportesMiembro MedidaRenta(const Entorno& e) {
  namespace D1 = ApartadoD1;
  namespace D2 = ApartadoD2;
  namespace D4 = ApartadoD4;
  namespace D5 = ApartadoD5;
  constexpr std::size_t FilasD4 = D4::Actividades.cuantas;
  constexpr std::size_t FilasD5 = D5::Actividades.cuantas;
  static_assert(D1::Actividades.cuantas == 6 && D1::OtrasFilas.cuantas == 6 && D2::Actividades.cuantas == 6 &&
                D2::OtrasFilas.cuantas == 6);

  std::array<ParMiembro, 24 + 3 * FilasD4 + 3 * FilasD5> pares{};
  std::size_t p = 0;
  for (std::size_t f = 0; f < 6; ++f) pares[p++] = {Lee(e.d1, D1::CodigoMiembro, f), Lee(e.d1, D1::ImporteRestar, f)};
  for (std::size_t f = 0; f < 6; ++f) {
    pares[p++] = {Lee(e.d1, D1::CodigoMiembroOtraFila, f), Lee(e.d1, D1::ImporteOtraFilaPrevio, f)};
  }
  for (std::size_t f = 0; f < 6; ++f) pares[p++] = {Lee(e.d2, D2::CodigoMiembro, f), Lee(e.d2, D2::ImporteRestar, f)};
  for (std::size_t f = 0; f < 6; ++f) {
    pares[p++] = {Lee(e.d2, D2::CodigoMiembroOtraFila, f), Lee(e.d2, D2::ImporteOtraFilaPrevio, f)};
  }
  for (std::size_t f = 0; f < FilasD4; ++f) {
    pares[p++] = {Lee(e.d4, D4::CodigoMiembro, f), Lee(e.d4, D4::RendimientoNetoAtribuido, f)};
  }
  for (std::size_t f = 0; f < FilasD5; ++f) {
    pares[p++] = {Lee(e.d5, D5::CodigoMiembro, f), Lee(e.d5, D5::ImporteRestarNeto, f)};
  }
  for (std::size_t f = 0; f < FilasD4; ++f) {
    pares[p++] = {Lee(e.d4, D4::CodigoMiembro, f), Lee(e.d4, D4::ImporteRestarNeto, f)};
  }
  for (std::size_t f = 0; f < FilasD4; ++f) {
    pares[p++] = {Lee(e.d4, D4::CodigoMiembro, f),
                  Fraccion(Lee(e.d4, D4::Porcentaje, f)) * Lee(e.d4, D4::ReduccionGeneral, f)};
  }
  for (std::size_t f = 0; f < FilasD5; ++f) {
    pares[p++] = {Lee(e.d5, D5::CodigoMiembro, f), Lee(e.d5, D5::RendimientoNetoAtribuido, f)};
  }
  for (std::size_t f = 0; f < FilasD5; ++f) {
    pares[p++] = {Lee(e.d5, D5::CodigoMiembro, f),
                  Fraccion(Lee(e.d5, D5::CopiaPorcentaje, f)) *
                      (Lee(e.d5, D5::ReduccionGeneral, f) + Lee(e.d5, D5::Reduccion25, f))};
  }
  const ImportesMiembro suma = RepartirImportes(std::span<const ParMiembro>(pares.data(), p));

  std::array<ParMiembro, 12 + FilasD4 + FilasD5> restar{};
  std::size_t r = 0;
  for (std::size_t f = 0; f < 6; ++f) {
    restar[r++] = {Lee(e.d1, D1::CodigoMiembroOtraFila, f), Lee(e.d1, D1::ImporteOtraFila, f)};
  }
  for (std::size_t f = 0; f < 6; ++f) {
    restar[r++] = {Lee(e.d2, D2::CodigoMiembroOtraFila, f), Lee(e.d2, D2::ImporteOtraFila, f)};
  }
  for (std::size_t f = 0; f < FilasD4; ++f) {
    restar[r++] = {Lee(e.d4, D4::CodigoMiembro, f), Lee(e.d4, D4::RendimientoFinalAtribuido, f)};
  }
  for (std::size_t f = 0; f < FilasD5; ++f) {
    restar[r++] = {Lee(e.d5, D5::CodigoMiembro, f), Lee(e.d5, D5::RendimientoFinalAtribuido, f)};
  }
  const ImportesMiembro z = RepartirImportes(std::span<const ParMiembro>(restar.data(), r));

  const ImportesMiembro bases = Lee(e.i, ApartadoI::BasesTrasMinimo);
  const ImportesMiembro minimo = Lee(e.h, ApartadoH::MinimoTotal);
  const ImportesMiembro importe8 = Lee(e.bi, BI::TrabajoImporte8);
  const ImportesMiembro reduccion = Lee(e.bi, BI::TrabajoReduccion);
  const ImportesMiembro inmobiliario7 = Lee(e.bi, BI::InmobiliarioImporte7);
  const ImportesMiembro mobiliario6 = Lee(e.bi, BI::MobiliarioSubapartado6);
  const ImportesMiembro mobiliario7 = Lee(e.bi, BI::MobiliarioSubapartado7);
  ImportesMiembro x;
  for (std::size_t k = 0; k < Slots; ++k) {
    x[k] = suma[k] + bases[k] + minimo[k] + importe8[k] + reduccion[k] + inmobiliario7[k] + mobiliario6[k] +
           mobiliario7[k] - z[k];
  }
  return x;
}

void Region17(const Entorno& e, std::size_t s) {
  const RegApartadoN* n = e.n;
  const int declarante = e.AnioDeclarante();
  const int conyuge = e.AnioConyuge();

  // Descendants, no limit on the bases.
  if (s <= 2) {
    const double comunes = e.Doble(N::Comunidad17DescendientesComunes);
    const double propiosDeclarante = e.Doble(N::Comunidad17DescendientesDeclarante);
    const double propiosConyuge = e.Doble(N::Comunidad17DescendientesConyuge);
    double cuenta = 0.0;
    double importe = 0.0;
    if (s == 0) {
      cuenta = comunes + propiosDeclarante + propiosConyuge;
      importe = comunes * 50000.0 + (propiosDeclarante + propiosConyuge) * 25000.0;
    } else {
      cuenta = (s == 1 ? propiosDeclarante : propiosConyuge) + comunes;
      importe = cuenta * 25000.0;
    }
    e.Pon(N::Comunidad17Descendientes, s, cuenta);
    e.Pon(N::Comunidad17DeduccionDescendientes, s, importe);

    // Members born before 1935 with a disability of 33 % or more who claim it.
    const bool mayorDeclarante = declarante < 1935 && Lee(e.familia, DF::GradoMinusvalia, 0) >= 33.0 &&
                                 Lee(n, N::Comunidad17PideMayoresDeclarante) == 1;
    const bool mayorConyuge = conyuge < 1935 && conyuge > 0 && Lee(e.familia, DF::GradoMinusvalia, 1) >= 33.0 &&
                              Lee(n, N::Comunidad17PideMayoresConyuge) == 1;
    const double mayores = s == 0   ? (mayorDeclarante ? 1.0 : 0.0) + (mayorConyuge ? 1.0 : 0.0)
                           : s == 1 ? (mayorDeclarante ? 1.0 : 0.0)
                                    : (mayorConyuge ? 1.0 : 0.0);
    e.Pon(N::Comunidad17Mayores, s, mayores);
    e.Pon(N::Comunidad17DeduccionMayores, s, mayores * 25000.0);

    // Members born in 1964 or later whose income measure is not above the limit; the fixed amount goes to those
    // who claim it and get nothing here.
    ImportesMiembro f = RepartirEntradas(n, N::Comunidad17CodigoEntradaJovenes, N::Comunidad17ImporteEntradaJovenes);
    const ImportesMiembro x = MedidaRenta(e);
    const bool jovenDeclarante = declarante >= 1964 && !(x[1] > 1939560.0);
    const bool jovenConyuge = conyuge >= 1964 && !(x[2] > 1939560.0);
    const bool pideDeclarante = Lee(n, N::Comunidad17PideFijaDeclarante) == 1;
    const bool pideConyuge = Lee(n, N::Comunidad17PideFijaConyuge) == 1;
    double jovenes = 0.0;
    double fija = 0.0;
    if (s == 0) {
      double parteDeclarante = 0.0;
      if (jovenDeclarante) {
        parteDeclarante = f[1] * 0.03;
      } else {
        f[1] = 0.0;
      }
      double parteConyuge = 0.0;
      if (jovenConyuge) {
        parteConyuge = f[2] * 0.03;
      } else {
        f[2] = 0.0;
      }
      jovenes = parteDeclarante + parteConyuge;
      fija = 0.0 + (pideDeclarante && f[1] == 0.0 ? 15000.0 : 0.0) + (pideConyuge && f[2] == 0.0 ? 15000.0 : 0.0);
    } else {
      const bool joven = s == 1 ? jovenDeclarante : jovenConyuge;
      const bool pide = s == 1 ? pideDeclarante : pideConyuge;
      jovenes = joven ? f[s] * 0.03 : 0.0;
      fija = pide && jovenes == 0.0 ? 15000.0 : 0.0;
    }
    e.Pon(N::Comunidad17DeduccionJovenes, s, jovenes);
    e.Pon(N::Comunidad17DeduccionFija, s, fija);
  }

  e.Pon(N::Comunidad17Deduccion20, s,
        RepartirEntradas(n, N::Comunidad17CodigoEntrada20, N::Comunidad17ImporteEntrada20, 0.2)[s]);
  e.Pon(N::Comunidad17Deduccion10, s,
        RepartirEntradas(n, N::Comunidad17CodigoEntrada10, N::Comunidad17ImporteEntrada10, 0.1)[s]);
  e.Pon(N::Comunidad17Deduccion5, s,
        RepartirEntradas(n, N::Comunidad17CodigoEntrada5, N::Comunidad17ImporteEntrada5, 0.05)[s]);

  // On the bases to liquidate of each member; the unit's on the declarant's and spouse's, when positive.
  ImportesMiembro h = RepartirEntradas(n, N::Comunidad17CodigoEntradaBases, N::Comunidad17ImporteEntradaBases);
  const ImportesMiembro bases = Lee(e.k, ApartadoK::SumaBasesLiquidables);
  const double limite0 = ((bases[1] > 0.0 ? bases[1] : 0.0) + (bases[2] > 0.0 ? bases[2] : 0.0)) * 0.2;
  Techo(h, 0, limite0);
  for (std::size_t k = 1; k < Slots; ++k) Techo(h, k, bases[k] * 0.2);
  h = ElevadoACero(h);
  h[0] = RebajadoA(h[1] + h[2], limite0);
  e.Pon(N::Comunidad17DeduccionBases, s, h[s] * 0.05);
}

// ---- Totals ----------------------------------------------------------------------------------------------------

// The bit of a region in the masks of the clearing passes.
consteval unsigned BitRegion(int codigo) {
  for (std::size_t r = 0; r < Regiones.size(); ++r) {
    if (Regiones[r].codigo == codigo) return 1u << r;
  }
  throw "not a region with deductions";
}

// The totals of the regions cleared whole are skipped: they would add the zeros of their arrays to +0.0, the bytes
// the clearing left.
void TotalesRegiones(RegApartadoN* n, unsigned borradas) {
  auto l = [n](ArrayN campo) { return Lee(n, campo); };
  const auto calcula = [borradas](unsigned bit) { return (borradas & bit) == 0; };
  if (calcula(BitRegion(4))) {
    Escribe(n, N::Comunidad4Total,
            SumaPonderada({{l(N::Comunidad4DeduccionEdad), 1.0},
                           {l(N::Comunidad4DeduccionDescendientes), 1.0},
                           {l(N::Comunidad4DeduccionImportes), 1.0},
                           {l(N::Comunidad4DeduccionEntradas), 1.0},
                           {l(N::Comunidad4Deduccion25), 1.0}}));
  }
  if (calcula(BitRegion(8))) {
    Escribe(n, N::Comunidad8Total1,
            SumaPonderada({{l(N::Comunidad8ImporteFijo), 1.0},
                           {l(N::Comunidad8ImporteUnidades), 1.0},
                           {l(N::Comunidad8DeduccionDescendientes), 1.0}}));
    Escribe(n, N::Comunidad8Total2,
            SumaPonderada({{l(N::Comunidad8DeduccionA), 1.0}, {l(N::Comunidad8DeduccionB), 1.0}}));
  }
  if (calcula(BitRegion(12))) {
    Escribe(n, N::Comunidad12Total,
            SumaPonderada({{l(N::Comunidad12Deduccion1), 1.0}, {l(N::Comunidad12Deduccion2), 1.0}}));
  }
  if (calcula(BitRegion(13))) {
    Escribe(n, N::Comunidad13Total,
            SumaPonderada({{l(N::Comunidad13DeduccionT), 1.0}, {l(N::Comunidad13DeduccionS), 1.0}}));
  }
  if (calcula(BitRegion(16))) {
    Escribe(n, N::Comunidad16Total,
            SumaPonderada({{l(N::Comunidad16DeduccionY), 1.0}, {l(N::Comunidad16DeduccionW), 1.0}}));
  }
  if (calcula(BitRegion(17))) {
    Escribe(n, N::Comunidad17Total,
            SumaPonderada({{l(N::Comunidad17DeduccionDescendientes), 1.0},
                           {l(N::Comunidad17DeduccionMayores), 1.0},
                           {l(N::Comunidad17DeduccionJovenes), 1.0},
                           {l(N::Comunidad17DeduccionFija), 1.0},
                           {l(N::Comunidad17Deduccion20), 1.0},
                           {l(N::Comunidad17Deduccion10), 1.0},
                           {l(N::Comunidad17Deduccion5), 1.0}}));
  }
}

void TotalesResultados(const RegApartadoN* n, RegResultados* resultados) {
  auto l = [n](ArrayN campo) { return Lee(n, campo); };
  Escribe(resultados, Resultados::DeduccionesSegundaCuotaA,
          SumaPonderada({{l(N::Comunidad9DeduccionDescendientes), 1.0},
                         {l(N::Comunidad8Total1), 1.0},
                         {l(N::Comunidad11DeduccionDescendientes), 1.0},
                         {l(N::Comunidad4Total), 1.0},
                         {l(N::Comunidad12Total), 1.0},
                         {l(N::Comunidad13Total), 1.0},
                         {l(N::Comunidad16Total), 1.0},
                         {l(N::Comunidad17Total), 1.0}}));
  Escribe(resultados, Resultados::DeduccionesSegundaCuotaB,
          SumaPonderada({{l(N::Comunidad8Total2), 1.0},
                         {l(N::Comunidad12DeduccionEntradas), 1.0},
                         {l(N::Comunidad13DeduccionV), 1.0},
                         {l(N::Comunidad17DeduccionBases), 1.0}}));
}

void ReglasRegion(const Entorno& e, std::size_t s) {
  switch (e.codigos[s]) {
    case 4: Region4(e, s); break;
    case 8: Region8(e, s); break;
    case 9: Region9(e, s); break;
    case 11: Region11(e, s); break;
    case 12: Region12(e, s); break;
    case 13: Region13(e, s); break;
    case 16: Region16(e, s); break;
    case 17: Region17(e, s); break;
    default: break;  // no deductions of its own
  }
}

}  // namespace
}  // namespace ximardol

// The instance is not read (callers pass 0).
extern "C" int Calculos100N(RegApartadoN* apartadoN, RegDatosFamilia* datosFamilia, RegBaseImponible* baseImponible,
                            RegLiquidacion* liquidacion, RegApartadoG* apartadoG, RegApartadoM* apartadoM,
                            RegApartadoD1* apartadoD1, RegApartadoD2* apartadoD2, RegApartadoD4* apartadoD4,
                            RegApartadoD5* apartadoD5, RegApartadoK* apartadoK, RegApartadoI* apartadoI,
                            RegApartadoH* apartadoH, RegResultados* resultados, int /*instancia*/) {
  using namespace ximardol;
  if (apartadoN == nullptr || datosFamilia == nullptr || baseImponible == nullptr || liquidacion == nullptr ||
      apartadoG == nullptr || apartadoM == nullptr || apartadoD1 == nullptr || apartadoD2 == nullptr ||
      apartadoD4 == nullptr || apartadoD5 == nullptr || apartadoK == nullptr || apartadoI == nullptr ||
      apartadoH == nullptr || resultados == nullptr) {
    return 0;
  }
  Entorno e{apartadoN, datosFamilia, baseImponible, liquidacion, apartadoG, apartadoM, apartadoD1,
            apartadoD2, apartadoD4,   apartadoD5,    apartadoK,   apartadoI, apartadoH, {}};
  for (std::size_t s = 0; s < Slots; ++s) {
    e.codigos[s] = EnteroDeTexto(Lee(datosFamilia, DatosFamilia::CodigoComunidad, s).Vista());
  }

  const unsigned borradas = PasadaBorrado(apartadoN, e.codigos, true);
  // No rule reads a region total, so the totals are summed once, after the rules of every slot.
  for (std::size_t s = 0; s < Slots; ++s) ReglasRegion(e, s);
  TotalesRegiones(apartadoN, borradas);
  PasadaBorrado(apartadoN, e.codigos, false, borradas);
  TotalesResultados(apartadoN, resultados);
  return 1;
}
