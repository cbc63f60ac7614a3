// Section M4: thirty-nine groups of entered deductions, each admitted only up to a share of the quota
// left after the deductions of section M. Groups that share a limit draw on it in a fixed order, and every group
// draws on one running remainder R of that quota, so a group taken earlier keeps what it was admitted. Writes
// RegApartadoM4, RegResultados 40 to 160 and the caller's five per-person doubles; reads RegLiquidacion and
// RegResultados. Nothing here is rounded.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

#include "Ayudas.h"
#include "bloques/RegApartadoM4.h"
#include "bloques/RegLiquidacion.h"
#include "bloques/RegResultados.h"

namespace ximardol {

// Never defined: reached only when a step names a group that the table does not have, which stops the compile.
void GrupoInexistente();

namespace {

using ApartadoM4::GrupoDeduccion;
using ApartadoM4::Grupos;
using ApartadoM4::SinExceso;

// ---- Checks on the group table ------------------------------------------------------------------------------

// The rows are in offset order, and no two fields of the groups share a byte.
consteval bool TablaOrdenadaYSinSolapes() {
  std::array<bool, sizeof(RegApartadoM4)> usado{};
  auto marca = [&usado](std::size_t desde, std::size_t largo) {
    for (std::size_t i = desde; i < desde + largo; ++i) {
      if (usado[i]) return false;
      usado[i] = true;
    }
    return true;
  };
  constexpr std::size_t miembro = sizeof(ImportesMiembro);
  for (std::size_t i = 0; i < Grupos.size(); ++i) {
    const GrupoDeduccion& g = Grupos[i];
    if (i > 0 && Grupos[i - 1].pedido >= g.pedido) return false;
    if (!marca(g.pedido, miembro) || !marca(g.admitido, miembro)) return false;
    if (g.exceso != SinExceso && !marca(g.exceso, miembro)) return false;
    for (std::size_t codigo : g.codigos) {
      if (!marca(codigo, 1)) return false;
      if (g.Calculado()) {
        for (std::size_t distancia : {8u, 16u, 24u}) {
          if (!marca(codigo + distancia, sizeof(double))) return false;
        }
      } else {
        for (std::size_t k = 0; k < g.cuantosImportes; ++k) {
          if (!marca(codigo + g.importes[k].distancia, sizeof(double))) return false;
        }
      }
    }
  }
  return true;
}
static_assert(TablaOrdenadaYSinSolapes());

consteval std::size_t GruposDelBloque(int bloque) {
  std::size_t cuantos = 0;
  for (const GrupoDeduccion& g : Grupos) cuantos += g.bloque == bloque ? 1 : 0;
  return cuantos;
}
static_assert(GruposDelBloque(1) == 15 && GruposDelBloque(2) == 14 && GruposDelBloque(3) == 8 &&
              GruposDelBloque(4) == 2);

consteval std::size_t Indice(std::size_t pedido) {
  for (std::size_t i = 0; i < Grupos.size(); ++i) {
    if (Grupos[i].pedido == pedido) return i;
  }
  GrupoInexistente();
  return 0;
}

using Importes = ImportesMiembro;

// ---- Groups -------------------------------------------------------------------------------------------------
//
// A group is named by the offset of its asked array, and every step on it is instantiated for that group: its
// offsets, rates and number of amounts are constants, so each read and write goes straight to its bytes and the
// loops over the amounts unroll. An entry whose code is not a member code (most entries are empty) distributes
// nothing, so its amounts are not read.

template <std::size_t Pedido>
inline constexpr const GrupoDeduccion& GrupoDe = Grupos[Indice(Pedido)];

// The member codes that distribution adds to; any other code adds nothing (SumaImporteMiembro).
constexpr bool EsMiembro(int codigo) { return codigo >= Sujeto::UnidadFamiliar && codigo <= Sujeto::SegundoHijo; }

template <std::size_t Pedido, std::size_t Entrada>
int Codigo(const RegApartadoM4* m4) {
  return Lee(m4, CampoByte<RegApartadoM4>{GrupoDe<Pedido>.codigos[Entrada]});
}

template <std::size_t Pedido, std::size_t Entrada, std::size_t K>
double Importe(const RegApartadoM4* m4) {
  constexpr const GrupoDeduccion& g = GrupoDe<Pedido>;
  return Lee(m4, CampoDouble<RegApartadoM4>{g.codigos[Entrada] + g.importes[K].distancia}) * g.importes[K].tipo;
}

// Calls paso(integral_constant<K>) for K = 0 .. N - 1, in order.
template <std::size_t N, typename Paso>
void ParaCadaImporte(Paso&& paso) {
  [&]<std::size_t... K>(std::index_sequence<K...>) {
    (paso(std::integral_constant<std::size_t, K>{}), ...);
  }(std::make_index_sequence<N>{});
}

template <std::size_t Pedido>
inline constexpr std::size_t CuantosImportes = GrupoDe<Pedido>.cuantosImportes;

// Every amount of the group distributed by itself, for the groups whose amounts have limits of their own: amount k
// of entry 0, then amount k of entry 1.
template <std::size_t Pedido>
std::array<Importes, CuantosImportes<Pedido>> ReparteCadaImporte(const RegApartadoM4* m4) {
  std::array<Importes, CuantosImportes<Pedido>> importes{};
  const int codigo0 = Codigo<Pedido, 0>(m4);
  const int codigo1 = Codigo<Pedido, 1>(m4);
  if (EsMiembro(codigo0)) {
    ParaCadaImporte<CuantosImportes<Pedido>>([&](auto k) {
      SumaImporteMiembro(importes[k], codigo0, Importe<Pedido, 0, k>(m4));
    });
  }
  if (EsMiembro(codigo1)) {
    ParaCadaImporte<CuantosImportes<Pedido>>([&](auto k) {
      SumaImporteMiembro(importes[k], codigo1, Importe<Pedido, 1, k>(m4));
    });
  }
  return importes;
}

// Before a computed group is distributed, the entry's amount at +24 becomes its deduction.
template <std::size_t Pedido, std::size_t Entrada>
void CalculaEntrada(RegApartadoM4* m4) {
  constexpr const GrupoDeduccion& g = GrupoDe<Pedido>;
  constexpr std::size_t codigo = g.codigos[Entrada];
  const double x = Lee(m4, CampoDouble<RegApartadoM4>{codigo + 8});
  const double umbral = Lee(m4, CampoDouble<RegApartadoM4>{codigo + 16});
  const double deduccion =
      x > umbral ? (x - umbral) * g.calculo.alto + umbral * g.calculo.bajo : x * g.calculo.bajo;
  Escribe(m4, CampoDouble<RegApartadoM4>{codigo + 24}, deduccion);
}

// Every amount of one entry added to the asked array.
template <std::size_t Pedido, std::size_t Entrada>
void SumaEntrada(const RegApartadoM4* m4, Importes& pedido) {
  const int codigo = Codigo<Pedido, Entrada>(m4);
  if (!EsMiembro(codigo)) return;
  ParaCadaImporte<CuantosImportes<Pedido>>([&](auto k) {
    SumaImporteMiembro(pedido, codigo, Importe<Pedido, Entrada, k>(m4));
  });
}

// The asked array: every amount of both entries in one distribution, entry by entry; written and returned.
template <std::size_t Pedido>
Importes Pide(RegApartadoM4* m4) {
  if constexpr (GrupoDe<Pedido>.Calculado()) {
    CalculaEntrada<Pedido, 0>(m4);
    CalculaEntrada<Pedido, 1>(m4);
  }
  Importes pedido{};
  SumaEntrada<Pedido, 0>(m4, pedido);
  SumaEntrada<Pedido, 1>(m4, pedido);
  Escribe(m4, CampoMiembro<RegApartadoM4>{Pedido}, pedido);
  return pedido;
}

// Writes what was admitted and, where the group has one, the excess over it.
template <std::size_t Pedido>
Importes Anota(RegApartadoM4* m4, const Importes& pedido, const Importes& admitido) {
  constexpr const GrupoDeduccion& g = GrupoDe<Pedido>;
  Escribe(m4, CampoMiembro<RegApartadoM4>{g.admitido}, admitido);
  if constexpr (g.exceso != SinExceso) Escribe(m4, CampoMiembro<RegApartadoM4>{g.exceso}, pedido - admitido);
  return admitido;
}

// Admits `porAdmitir` (the asked array, or the sum of its amounts after their own limits) up to the limit lowered to
// what is left, and takes it from what is left.
template <std::size_t Pedido>
Importes Admite(RegApartadoM4* m4, const Importes& pedido, const Importes& porAdmitir, const Importes& limite,
                Importes& resto) {
  const Importes admitido = Anota<Pedido>(m4, pedido, RebajadoA(porAdmitir, RebajadoA(limite, resto)));
  resto = resto - admitido;
  return admitido;
}

template <std::size_t Pedido>
Importes AdmiteGrupo(RegApartadoM4* m4, const Importes& limite, Importes& resto) {
  const Importes pedido = Pide<Pedido>(m4);
  return Admite<Pedido>(m4, pedido, pedido, limite, resto);
}

// One amount of a group, lowered to its limit and to what is left, and taken from what is left.
void AdmiteImporte(Importes& importe, const Importes& limite, Importes& resto) {
  importe = RebajadoA(importe, RebajadoA(limite, resto));
  resto = resto - importe;
}

// Groups that take their turn on one shared limit: each is admitted against what the limit has left, which is then
// lowered to what is left of the quota.
template <std::size_t... Pedidos>
void Cadena(RegApartadoM4* m4, Importes& limiteCadena, Importes& restoCadena) {
  // Worked on in copies, which no write to the block can touch, so they need not be read again after each write.
  Importes limite = limiteCadena;
  Importes resto = restoCadena;
  ((limite = limite - AdmiteGrupo<Pedidos>(m4, limite, resto), limite = RebajadoA(limite, resto)), ...);
  limiteCadena = limite;
  restoCadena = resto;
}

// ---- Totals -------------------------------------------------------------------------------------------------

struct TotalesBloque {
  CampoMiembro<RegApartadoM4> pedido;
  CampoMiembro<RegResultados> admitido;
  CampoMiembro<RegApartadoM4> exceso;
};

constexpr std::array<TotalesBloque, 4> Totales{{
    {ApartadoM4::PedidoBloque1, Resultados::AdmitidosM4Bloque1, ApartadoM4::ExcesoBloque1},
    {ApartadoM4::PedidoBloque2, Resultados::AdmitidosM4Bloque2, ApartadoM4::ExcesoBloque2},
    {ApartadoM4::PedidoBloque3, Resultados::AdmitidosM4Bloque3, ApartadoM4::ExcesoBloque3},
    {ApartadoM4::PedidoBloque4, Resultados::AdmitidosM4Grupos, ApartadoM4::ExcesoBloque4},
}};

// The asked arrays of a block's groups, in table order.
template <int Bloque>
consteval auto PedidosDelBloque() {
  std::array<std::size_t, GruposDelBloque(Bloque)> pedidos{};
  std::size_t n = 0;
  for (const GrupoDeduccion& g : Grupos) {
    if (g.bloque == Bloque) pedidos[n++] = g.pedido;
  }
  return pedidos;
}

// One group's arrays added to its block's sums.
template <std::size_t Pedido>
void SumaGrupo(const RegApartadoM4* m4, Importes& pedido, Importes& admitido, Importes& exceso) {
  constexpr const GrupoDeduccion& g = GrupoDe<Pedido>;
  pedido = pedido + Lee(m4, CampoMiembro<RegApartadoM4>{g.pedido});
  admitido = admitido + Lee(m4, CampoMiembro<RegApartadoM4>{g.admitido});
  if constexpr (g.exceso != SinExceso) exceso = exceso + Lee(m4, CampoMiembro<RegApartadoM4>{g.exceso});
}

// The asked, admitted and excess arrays of a block's groups, each summed in the order of the groups.
template <int Bloque>
void SumaBloque(RegApartadoM4* m4, RegResultados* resultados) {
  static constexpr auto Pedidos = PedidosDelBloque<Bloque>();
  Importes pedido{};
  Importes admitido{};
  Importes exceso{};
  [&]<std::size_t... J>(std::index_sequence<J...>) {
    (SumaGrupo<Pedidos[J]>(m4, pedido, admitido, exceso), ...);
  }(std::make_index_sequence<Pedidos.size()>{});
  const TotalesBloque& totales = Totales[static_cast<std::size_t>(Bloque - 1)];
  Escribe(m4, totales.pedido, pedido);
  Escribe(resultados, totales.admitido, admitido);
  Escribe(m4, totales.exceso, exceso);
}

// ---- A section without entries -----------------------------------------------------------------------------
//
// When no entry of any group has a member code, every group and every amount asks +0.0. Each slot of the quota is
// then 0 or more, -0.0 or NaN (it is raised to 0), and so is each limit: a share of the quota less what was admitted
// before (+0.0), lowered to or raised from such values, or what is left, which stays the quota as +0.0 is taken from
// it. 0.0 > limit never holds for these, so every group is admitted +0.0, its excess is 0.0 - 0.0 = +0.0 and the
// totals add up +0.0. The arrays are then written as +0.0 without the steps; the computed entries are still worked
// out, and the quota is not needed.

// Every entry of every group has code 0, as empty entries have (the OR of all the codes is 0). Codes that are not
// member codes either are rare and take the steps, which give the same.
bool SinEntradas(const RegApartadoM4* m4) {
  return [&]<std::size_t... I>(std::index_sequence<I...>) {
    return (... | (Codigo<Grupos[I].pedido, 0>(m4) | Codigo<Grupos[I].pedido, 1>(m4))) == 0;
  }(std::make_index_sequence<Grupos.size()>{});
}

// What the steps write when no entry has a member code.
template <std::size_t Pedido>
void AnotaGrupoSinEntradas(RegApartadoM4* m4) {
  constexpr const GrupoDeduccion& g = GrupoDe<Pedido>;
  if constexpr (g.Calculado()) {
    CalculaEntrada<Pedido, 0>(m4);
    CalculaEntrada<Pedido, 1>(m4);
  }
  Escribe(m4, CampoMiembro<RegApartadoM4>{g.pedido}, Importes{});
  Escribe(m4, CampoMiembro<RegApartadoM4>{g.admitido}, Importes{});
  if constexpr (g.exceso != SinExceso) Escribe(m4, CampoMiembro<RegApartadoM4>{g.exceso}, Importes{});
}

void AnotaSinEntradas(RegApartadoM4* m4, RegResultados* resultados) {
  [&]<std::size_t... I>(std::index_sequence<I...>) {
    (AnotaGrupoSinEntradas<Grupos[I].pedido>(m4), ...);
  }(std::make_index_sequence<Grupos.size()>{});
  for (const TotalesBloque& totales : Totales) {
    Escribe(m4, totales.pedido, Importes{});
    Escribe(resultados, totales.admitido, Importes{});
    Escribe(m4, totales.exceso, Importes{});
  }
}

// ---- Keys ---------------------------------------------------------------------------------------------------

bool EsClave(std::uint8_t caracter) { return caracter != ' ' && caracter != '\0'; }

// Position 1 takes the declarant's key and position 2 the spouse's (the first entry wins when both have the same
// code); position 0 is "5" when the two entries have different keys, else the one key there is.
Texto<3> Claves(std::uint8_t codigo1, std::uint8_t clave1, std::uint8_t codigo2, std::uint8_t clave2) {
  Texto<3> claves{{' ', ' ', ' '}};
  auto pon = [&claves](std::uint8_t codigo, std::uint8_t clave) {
    if (codigo == Sujeto::Declarante) claves.caracteres[1] = static_cast<char>(clave);
    if (codigo == Sujeto::Conyuge) claves.caracteres[2] = static_cast<char>(clave);
  };
  pon(codigo2, clave2);
  pon(codigo1, clave1);
  char primera = static_cast<char>(EsClave(clave1) ? clave1 : clave2);
  if (EsClave(clave1) && EsClave(clave2) && clave1 != clave2) primera = '5';
  claves.caracteres[0] = primera;
  return claves;
}

// ---- The calculation ----------------------------------------------------------------------------------------

// The quota left after the deductions of section M (all but the one at RegLiquidacion 1280), never below 0.
Importes CuotaBase(const RegLiquidacion* liquidacion, const RegResultados* resultados) {
  namespace L = Liquidacion;
  return ElevadoACero(Lee(liquidacion, L::CuotaTotal) - Lee(liquidacion, L::DeduccionGrupo1M) -
                    Lee(liquidacion, L::DeduccionImportes12M3) - Lee(liquidacion, L::DeduccionImportes3M3) -
                    Lee(liquidacion, L::DeduccionImportes4M3) - Lee(liquidacion, L::DeduccionImportes12M4) -
                    Lee(liquidacion, L::DeduccionImportes3M4) - Lee(resultados, Resultados::DeduccionM3Quintos));
}

// Every group in its turn, and the block totals.
void CalculaGrupos(RegApartadoM4* m4, const RegLiquidacion* liquidacion, RegResultados* resultados) {
  const Importes q = CuotaBase(liquidacion, resultados);
  Importes resto = q;

  // Groups 0 and 1408 open the first 0.35 and the first 0.7 shares; some of their amounts have limits of their own,
  // which do not look at what is left.
  auto a = ReparteCadaImporte<0>(m4);
  const Importes pedido0 = a[0] + a[1] + a[2];
  Escribe(m4, CampoMiembro<RegApartadoM4>{0}, pedido0);
  a[0] = RebajadoA(a[0], 0.25 * q);
  a[1] = RebajadoA(a[1], 0.25 * q);
  const Importes adm4032 = Admite<0>(m4, pedido0, a[0] + a[1] + a[2], 0.35 * q, resto);

  auto b = ReparteCadaImporte<1408>(m4);
  const Importes pedido1408 = b[0] + b[1] + b[2] + b[3] + b[4] + b[5];
  Escribe(m4, CampoMiembro<RegApartadoM4>{1408}, pedido1408);
  b[0] = RebajadoA(b[0], 0.55 * q);
  b[1] = RebajadoA(b[1], 0.55 * q);
  b[3] = RebajadoA(b[3], 0.6 * q - b[0]);
  b[4] = RebajadoA(b[4], 0.6 * q - b[1]);
  b[2] = RebajadoA(b[2], 0.65 * q);
  const Importes adm4632 =
      Admite<1408>(m4, pedido1408, b[0] + b[1] + b[2] + b[3] + b[4] + b[5], 0.7 * q, resto);

  const Importes adm5192 = AdmiteGrupo<2792>(m4, 0.25 * q, resto);
  const Importes adm5312 = AdmiteGrupo<3088>(m4, 0.25 * q, resto);
  AdmiteGrupo<3584>(m4, resto, resto);

  auto d = ReparteCadaImporte<104>(m4);
  const Importes pedido104 = d[0] + d[1] + d[2];
  Escribe(m4, CampoMiembro<RegApartadoM4>{104}, pedido104);
  d[0] = RebajadoA(d[0], 0.25 * q);
  d[1] = RebajadoA(d[1], 0.25 * q);
  const Importes adm4072 = Admite<104>(m4, pedido104, d[0] + d[1] + d[2], 0.35 * q - adm4032, resto);

  auto e = ReparteCadaImporte<1560>(m4);
  const Importes pedido1560 = e[0] + e[1] + e[2];
  Escribe(m4, CampoMiembro<RegApartadoM4>{1560}, pedido1560);
  e[0] = RebajadoA(e[0], 0.6 * q);
  e[1] = RebajadoA(e[1], 0.6 * q);
  const Importes adm4672 = Admite<1560>(m4, pedido1560, e[0] + e[1] + e[2], 0.7 * q - adm4632, resto);

  // The amounts of groups 2864 (f), 3160 (g), 352 (m), 1736 (p) and 1896 (o) are admitted one by one, interleaved
  // with whole groups.
  auto f = ReparteCadaImporte<2864>(m4);
  auto g = ReparteCadaImporte<3160>(m4);
  AdmiteImporte(f[0], 0.25 * q - adm5192, resto);
  AdmiteImporte(g[0], 0.25 * q - adm5312, resto);

  AdmiteGrupo<3656>(m4, resto, resto);
  AdmiteGrupo<208>(m4, RebajadoA(0.15 * q, 0.35 * q - adm4032 - adm4072), resto);
  const Importes adm4152 = AdmiteGrupo<280>(m4, 0.35 * q, resto);
  const Importes adm4712 = AdmiteGrupo<1664>(m4, RebajadoA(0.5 * q, 0.7 * q - adm4632 - adm4672), resto);
  const Importes adm4792 = AdmiteGrupo<1824>(m4, 0.7 * q, resto);

  AdmiteImporte(f[1], 0.25 * q - adm5192 - f[0], resto);
  AdmiteImporte(g[1], 0.25 * q - adm5312 - g[0], resto);

  auto m = ReparteCadaImporte<352>(m4);
  auto p = ReparteCadaImporte<1736>(m4);
  auto o = ReparteCadaImporte<1896>(m4);
  AdmiteImporte(m[0], 0.35 * q - adm4152, resto);
  AdmiteImporte(p[0], RebajadoA(0.5 * q - adm4712, 0.7 * q - adm4672 - adm4632 - adm4712), resto);
  AdmiteImporte(o[0], 0.7 * q - adm4792, resto);

  AdmiteImporte(f[2], 0.25 * q - adm5192 - f[0] - f[1], resto);
  AdmiteImporte(g[2], 0.25 * q - adm5312 - g[0] - g[1], resto);

  AdmiteImporte(m[1], 0.35 * q - adm4152 - m[0], resto);
  AdmiteImporte(p[1], RebajadoA(0.5 * q - adm4712 - p[0], 0.7 * q - adm4672 - adm4632 - adm4712 - p[0]), resto);
  AdmiteImporte(o[1], 0.7 * q - adm4792 - o[0], resto);

  AdmiteImporte(f[3], 0.25 * q - adm5192 - f[0] - f[1] - f[2], resto);
  AdmiteImporte(g[3], 0.25 * q - adm5312 - g[0] - g[1] - g[2], resto);

  const Importes adm4192 = Anota<352>(m4, Pide<352>(m4), m[0] + m[1]);
  Anota<1736>(m4, Pide<1736>(m4), p[0] + p[1]);
  const Importes adm4832 = Anota<1896>(m4, Pide<1896>(m4), o[0] + o[1]);
  const Importes adm5232 = Anota<2864>(m4, Pide<2864>(m4), f[0] + f[1] + f[2] + f[3]);
  const Importes adm5352 = Anota<3160>(m4, Pide<3160>(m4), g[0] + g[1] + g[2] + g[3]);

  // What the second 0.35 share has left goes to the first chain.
  Importes limite = RebajadoA(0.35 * q - adm4152 - adm4192, resto);
  Cadena<440, 528, 616, 736, 840, 928, 1016, 1120, 1192, 1280>(m4, limite, resto);
  SumaBloque<1>(m4, resultados);

  // What the second 0.7 share has left goes to the second chain.
  limite = RebajadoA(0.7 * q - adm4792 - adm4832, resto);
  Cadena<1984, 2072>(m4, limite, resto);
  limite = ElevadoACero(limite);
  Cadena<2160, 2280, 2384, 2472, 2560>(m4, limite, resto);
  AdmiteGrupo<2664>(m4, 0.5 * q, resto);
  SumaBloque<2>(m4, resultados);

  // The rest of the two 0.25 shares.
  AdmiteGrupo<2984>(m4, 0.25 * q - adm5192 - adm5232, resto);
  limite = RebajadoA(0.25 * q - adm5312 - adm5352, resto);
  Cadena<3280, 3368, 3456>(m4, limite, resto);
  SumaBloque<3>(m4, resultados);
  SumaBloque<4>(m4, resultados);
}

// Every group in its turn (or, without entries, their arrays of +0.0) and the entries that ask without a limit;
// returns the per-person sum of what was asked.
Importes Calcula(RegApartadoM4* m4, const RegLiquidacion* liquidacion, RegResultados* resultados) {
  namespace M4 = ApartadoM4;
  if (SinEntradas(m4)) {
    AnotaSinEntradas(m4, resultados);
  } else {
    CalculaGrupos(m4, liquidacion, resultados);
  }

  // Entries that ask without a limit.
  Escribe(m4, M4::PrimerosImportesA, RepartirFilas(m4, M4::CodigoEntradaA, M4::PrimerImporteEntradaA));
  Escribe(m4, M4::ClavesA,
          Claves(Lee(m4, M4::CodigoEntradaA, 0), Lee(m4, M4::ClaveEntradaA, 0), Lee(m4, M4::CodigoEntradaA, 1),
                 Lee(m4, M4::ClaveEntradaA, 1)));
  Escribe(m4, M4::SegundosImportesA, RepartirFilas(m4, M4::CodigoEntradaA, M4::SegundoImporteEntradaA));
  Escribe(m4, M4::PrimerosImportesB, RepartirFilas(m4, M4::CodigoEntradaB, M4::PrimerImporteEntradaB));
  Escribe(m4, M4::ClavesB,
          Claves(Lee(m4, M4::CodigoEntradaB, 0), Lee(m4, M4::ClaveEntradaB, 0), Lee(m4, M4::CodigoEntradaB, 1),
                 Lee(m4, M4::ClaveEntradaB, 1)));
  Escribe(m4, M4::SegundosImportesB, RepartirFilas(m4, M4::CodigoEntradaB, M4::SegundoImporteEntradaB));
  Escribe(m4, M4::ImportesResultados,
          RepartirFilas(resultados, Resultados::CodigoDeduccionProporcional2, Resultados::CuotaDeduccionProporcional2));
  Escribe(m4, M4::TercerosImportesB, RepartirFilas(m4, M4::CodigoEntradaB, M4::TercerImporteEntradaB));

  return Lee(m4, M4::PedidoBloque1) + Lee(m4, M4::PedidoBloque2) + Lee(m4, M4::PedidoBloque3) +
         Lee(m4, M4::PedidoBloque4) + Lee(m4, M4::PrimerosImportesA) + Lee(m4, M4::PrimerosImportesB) +
         Lee(m4, M4::ImportesResultados);
}

// The caller's per-person amounts: exactly five doubles.
void EscribePersonas(double* importesPersona, const Importes& importes) {
  std::memcpy(importesPersona, importes.data(), sizeof(Importes));
}

}  // namespace
}  // namespace ximardol

// RegApartadoK, RegRendCapMobiliario and RegApartadoE2 are passed and not read. Every instance clears the caller's
// five doubles; only instance 1 calculates.
extern "C" int Calculos100M4(RegApartadoM4* apartadoM4, RegApartadoK* /*apartadoK*/, RegLiquidacion* liquidacion,
                             RegResultados* resultados, RegRendCapMobiliario* /*rendCapMobiliario*/,
                             RegApartadoE2* /*apartadoE2*/, double* importesPersona, int instancia) {
  using namespace ximardol;
  if (importesPersona != nullptr) EscribePersonas(importesPersona, ImportesMiembro{});
  if (instancia != 1 || apartadoM4 == nullptr || liquidacion == nullptr || resultados == nullptr) return 0;
  const ImportesMiembro pedido = Calcula(apartadoM4, liquidacion, resultados);
  if (importesPersona != nullptr) EscribePersonas(importesPersona, ImportesMiembro{} + pedido);
  return 0;
}
