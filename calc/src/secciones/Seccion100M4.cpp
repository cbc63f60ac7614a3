// Section M4: thirty-nine groups of entered deductions, each admitted only up to a share of the quota
// left after the deductions of section M. Groups that share a limit draw on it in a fixed order, and every group
// draws on one running remainder R of that quota, so a group taken earlier keeps what it was admitted. Writes
// RegApartadoM4, RegResultados 40 to 160 and the caller's five per-person doubles; reads RegLiquidacion and
// RegResultados. Nothing here is rounded.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

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

int Codigo(const RegApartadoM4* m4, const GrupoDeduccion& g, std::size_t entrada) {
  return LeeEn<std::uint8_t>(m4, g.codigos[entrada]);
}

double Importe(const RegApartadoM4* m4, const GrupoDeduccion& g, std::size_t entrada, std::size_t k) {
  return LeeEn<double>(m4, g.codigos[entrada] + g.importes[k].distancia) * g.importes[k].tipo;
}

// Amount k of both entries, distributed by itself.
Importes Reparte(const RegApartadoM4* m4, const GrupoDeduccion& g, std::size_t k) {
  return RepartirImportes({{Codigo(m4, g, 0), Importe(m4, g, 0, k)}, {Codigo(m4, g, 1), Importe(m4, g, 1, k)}});
}

// Every amount of the group distributed by itself, for the groups whose amounts have limits of their own.
std::array<Importes, 6> ReparteCadaImporte(const RegApartadoM4* m4, const GrupoDeduccion& g) {
  std::array<Importes, 6> importes{};
  for (std::size_t k = 0; k < g.cuantosImportes; ++k) importes[k] = Reparte(m4, g, k);
  return importes;
}

// Before a computed group is distributed, each entry's amount at +24 becomes its deduction.
void CalculaEntradas(RegApartadoM4* m4, const GrupoDeduccion& g) {
  if (!g.Calculado()) return;
  for (std::size_t codigo : g.codigos) {
    const double x = LeeEn<double>(m4, codigo + 8);
    const double umbral = LeeEn<double>(m4, codigo + 16);
    const double deduccion =
        x > umbral ? (x - umbral) * g.calculo.alto + umbral * g.calculo.bajo : x * g.calculo.bajo;
    EscribeEn<double>(m4, codigo + 24, deduccion);
  }
}

// The asked array: every amount of both entries in one distribution, entry by entry; written and returned.
Importes Pide(RegApartadoM4* m4, const GrupoDeduccion& g) {
  CalculaEntradas(m4, g);
  std::array<ParMiembro, 12> pares{};
  std::size_t n = 0;
  for (std::size_t entrada = 0; entrada < 2; ++entrada) {
    for (std::size_t k = 0; k < g.cuantosImportes; ++k) {
      pares[n++] = {Codigo(m4, g, entrada), Importe(m4, g, entrada, k)};
    }
  }
  const Importes pedido = RepartirImportes(std::span<const ParMiembro>(pares.data(), n));
  EscribeEn<Importes>(m4, g.pedido, pedido);
  return pedido;
}

// Writes what was admitted and, where the group has one, the excess over it.
Importes Anota(RegApartadoM4* m4, const GrupoDeduccion& g, const Importes& pedido, const Importes& admitido) {
  EscribeEn<Importes>(m4, g.admitido, admitido);
  if (g.exceso != SinExceso) EscribeEn<Importes>(m4, g.exceso, pedido - admitido);
  return admitido;
}

// Admits `porAdmitir` (the asked array, or the sum of its amounts after their own limits) up to the limit lowered to
// what is left, and takes it from what is left.
Importes Admite(RegApartadoM4* m4, const GrupoDeduccion& g, const Importes& pedido, const Importes& porAdmitir,
                const Importes& limite, Importes& resto) {
  const Importes admitido = Anota(m4, g, pedido, RebajadoA(porAdmitir, RebajadoA(limite, resto)));
  resto = resto - admitido;
  return admitido;
}

Importes AdmiteGrupo(RegApartadoM4* m4, const GrupoDeduccion& g, const Importes& limite, Importes& resto) {
  const Importes pedido = Pide(m4, g);
  return Admite(m4, g, pedido, pedido, limite, resto);
}

// One amount of a group, lowered to its limit and to what is left, and taken from what is left.
void AdmiteImporte(Importes& importe, const Importes& limite, Importes& resto) {
  importe = RebajadoA(importe, RebajadoA(limite, resto));
  resto = resto - importe;
}

// Groups that take their turn on one shared limit: each is admitted against what the limit has left, which is then
// lowered to what is left of the quota.
template <std::size_t N>
void Cadena(RegApartadoM4* m4, const std::array<std::size_t, N>& indices, Importes& limite, Importes& resto) {
  for (std::size_t indice : indices) {
    limite = limite - AdmiteGrupo(m4, Grupos[indice], limite, resto);
    limite = RebajadoA(limite, resto);
  }
}

const GrupoDeduccion& G(std::size_t indice) { return Grupos[indice]; }

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

// The places in the table of a block's groups, in table order.
template <int Bloque>
consteval auto IndicesDelBloque() {
  std::array<std::size_t, GruposDelBloque(Bloque)> indices{};
  std::size_t n = 0;
  for (std::size_t i = 0; i < Grupos.size(); ++i) {
    if (Grupos[i].bloque == Bloque) indices[n++] = i;
  }
  return indices;
}

// The asked, admitted and excess arrays of a block's groups, each summed in the order of the groups.
template <int Bloque>
void SumaBloque(RegApartadoM4* m4, RegResultados* resultados) {
  static constexpr auto Indices = IndicesDelBloque<Bloque>();
  Importes pedido{};
  Importes admitido{};
  Importes exceso{};
  for (std::size_t indice : Indices) {
    const GrupoDeduccion& g = Grupos[indice];
    pedido = pedido + LeeEn<Importes>(m4, g.pedido);
    admitido = admitido + LeeEn<Importes>(m4, g.admitido);
    if (g.exceso != SinExceso) exceso = exceso + LeeEn<Importes>(m4, g.exceso);
  }
  const TotalesBloque& totales = Totales[static_cast<std::size_t>(Bloque - 1)];
  Escribe(m4, totales.pedido, pedido);
  Escribe(resultados, totales.admitido, admitido);
  Escribe(m4, totales.exceso, exceso);
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

// Every group in its turn; returns the per-person sum of what was asked.
Importes Calcula(RegApartadoM4* m4, const RegLiquidacion* liquidacion, RegResultados* resultados) {
  namespace M4 = ApartadoM4;
  const Importes q = CuotaBase(liquidacion, resultados);
  Importes resto = q;

  // Groups 0 and 1408 open the first 0.35 and the first 0.7 shares; some of their amounts have limits of their own,
  // which do not look at what is left.
  std::array<Importes, 6> a = ReparteCadaImporte(m4, G(Indice(0)));
  const Importes pedido0 = a[0] + a[1] + a[2];
  EscribeEn<Importes>(m4, G(Indice(0)).pedido, pedido0);
  a[0] = RebajadoA(a[0], 0.25 * q);
  a[1] = RebajadoA(a[1], 0.25 * q);
  const Importes adm4032 = Admite(m4, G(Indice(0)), pedido0, a[0] + a[1] + a[2], 0.35 * q, resto);

  std::array<Importes, 6> b = ReparteCadaImporte(m4, G(Indice(1408)));
  const Importes pedido1408 = b[0] + b[1] + b[2] + b[3] + b[4] + b[5];
  EscribeEn<Importes>(m4, G(Indice(1408)).pedido, pedido1408);
  b[0] = RebajadoA(b[0], 0.55 * q);
  b[1] = RebajadoA(b[1], 0.55 * q);
  b[3] = RebajadoA(b[3], 0.6 * q - b[0]);
  b[4] = RebajadoA(b[4], 0.6 * q - b[1]);
  b[2] = RebajadoA(b[2], 0.65 * q);
  const Importes adm4632 =
      Admite(m4, G(Indice(1408)), pedido1408, b[0] + b[1] + b[2] + b[3] + b[4] + b[5], 0.7 * q, resto);

  const Importes adm5192 = AdmiteGrupo(m4, G(Indice(2792)), 0.25 * q, resto);
  const Importes adm5312 = AdmiteGrupo(m4, G(Indice(3088)), 0.25 * q, resto);
  AdmiteGrupo(m4, G(Indice(3584)), resto, resto);

  std::array<Importes, 6> d = ReparteCadaImporte(m4, G(Indice(104)));
  const Importes pedido104 = d[0] + d[1] + d[2];
  EscribeEn<Importes>(m4, G(Indice(104)).pedido, pedido104);
  d[0] = RebajadoA(d[0], 0.25 * q);
  d[1] = RebajadoA(d[1], 0.25 * q);
  const Importes adm4072 = Admite(m4, G(Indice(104)), pedido104, d[0] + d[1] + d[2], 0.35 * q - adm4032, resto);

  std::array<Importes, 6> e = ReparteCadaImporte(m4, G(Indice(1560)));
  const Importes pedido1560 = e[0] + e[1] + e[2];
  EscribeEn<Importes>(m4, G(Indice(1560)).pedido, pedido1560);
  e[0] = RebajadoA(e[0], 0.6 * q);
  e[1] = RebajadoA(e[1], 0.6 * q);
  const Importes adm4672 = Admite(m4, G(Indice(1560)), pedido1560, e[0] + e[1] + e[2], 0.7 * q - adm4632, resto);

  // The amounts of groups 2864 (f), 3160 (g), 352 (m), 1736 (p) and 1896 (o) are admitted one by one, interleaved
  // with whole groups.
  std::array<Importes, 6> f = ReparteCadaImporte(m4, G(Indice(2864)));
  std::array<Importes, 6> g = ReparteCadaImporte(m4, G(Indice(3160)));
  AdmiteImporte(f[0], 0.25 * q - adm5192, resto);
  AdmiteImporte(g[0], 0.25 * q - adm5312, resto);

  AdmiteGrupo(m4, G(Indice(3656)), resto, resto);
  AdmiteGrupo(m4, G(Indice(208)), RebajadoA(0.15 * q, 0.35 * q - adm4032 - adm4072), resto);
  const Importes adm4152 = AdmiteGrupo(m4, G(Indice(280)), 0.35 * q, resto);
  const Importes adm4712 = AdmiteGrupo(m4, G(Indice(1664)), RebajadoA(0.5 * q, 0.7 * q - adm4632 - adm4672), resto);
  const Importes adm4792 = AdmiteGrupo(m4, G(Indice(1824)), 0.7 * q, resto);

  AdmiteImporte(f[1], 0.25 * q - adm5192 - f[0], resto);
  AdmiteImporte(g[1], 0.25 * q - adm5312 - g[0], resto);

  std::array<Importes, 6> m = ReparteCadaImporte(m4, G(Indice(352)));
  std::array<Importes, 6> p = ReparteCadaImporte(m4, G(Indice(1736)));
  std::array<Importes, 6> o = ReparteCadaImporte(m4, G(Indice(1896)));
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

  const Importes adm4192 = Anota(m4, G(Indice(352)), Pide(m4, G(Indice(352))), m[0] + m[1]);
  Anota(m4, G(Indice(1736)), Pide(m4, G(Indice(1736))), p[0] + p[1]);
  const Importes adm4832 = Anota(m4, G(Indice(1896)), Pide(m4, G(Indice(1896))), o[0] + o[1]);
  const Importes adm5232 = Anota(m4, G(Indice(2864)), Pide(m4, G(Indice(2864))), f[0] + f[1] + f[2] + f[3]);
  const Importes adm5352 = Anota(m4, G(Indice(3160)), Pide(m4, G(Indice(3160))), g[0] + g[1] + g[2] + g[3]);

  // What the second 0.35 share has left goes to the first chain.
  Importes limite = RebajadoA(0.35 * q - adm4152 - adm4192, resto);
  Cadena(m4,
         std::array{Indice(440), Indice(528), Indice(616), Indice(736), Indice(840), Indice(928), Indice(1016),
                    Indice(1120), Indice(1192), Indice(1280)},
         limite, resto);
  SumaBloque<1>(m4, resultados);

  // What the second 0.7 share has left goes to the second chain.
  limite = RebajadoA(0.7 * q - adm4792 - adm4832, resto);
  Cadena(m4, std::array{Indice(1984), Indice(2072)}, limite, resto);
  limite = ElevadoACero(limite);
  Cadena(m4, std::array{Indice(2160), Indice(2280), Indice(2384), Indice(2472), Indice(2560)}, limite, resto);
  AdmiteGrupo(m4, G(Indice(2664)), 0.5 * q, resto);
  SumaBloque<2>(m4, resultados);

  // The rest of the two 0.25 shares.
  AdmiteGrupo(m4, G(Indice(2984)), 0.25 * q - adm5192 - adm5232, resto);
  limite = RebajadoA(0.25 * q - adm5312 - adm5352, resto);
  Cadena(m4, std::array{Indice(3280), Indice(3368), Indice(3456)}, limite, resto);
  SumaBloque<3>(m4, resultados);
  SumaBloque<4>(m4, resultados);

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
