// Fields of RegApartadoM4 (section M4),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "Acceso.h"

namespace ximardol::ApartadoM4 {

// ---- The thirty-nine deduction groups -------------------------------------------------------------------------
//
// Every group has two entries: a member code byte followed by its amounts at fixed distances. Each amount is
// multiplied by its rate (1 when it has none) before it is distributed; the group writes what it asks (the offset of
// that array names the group), what is admitted and, for most groups, the excess. `bloque` tells which of the four
// totals the group goes into. A computed group first overwrites the amount at +24 of each entry with the deduction of
// the amount x at +8 over the threshold y at +16: (x - y) at the high rate plus y at the low rate when x is above y,
// else x at the low rate.

inline constexpr std::size_t SinExceso = static_cast<std::size_t>(-1);

struct ImporteEntrada {
  std::size_t distancia;  // from the entry's code byte
  double tipo = 1.0;
};

struct TiposCalculo {
  double bajo = 0.0;  // 0: the group's entries are not computed
  double alto = 0.0;
};

// Never defined: reached only when a row of the group table does not describe a sound group, which stops the
// compile.
void GrupoMalDescrito();

struct GrupoDeduccion {
  std::size_t pedido;
  std::array<std::size_t, 2> codigos;
  std::array<ImporteEntrada, 6> importes;
  std::size_t cuantosImportes;
  std::size_t admitido;
  std::size_t exceso;
  int bloque;
  TiposCalculo calculo;

  consteval GrupoDeduccion(std::size_t campoPedido, std::size_t codigo1, std::size_t codigo2,
                           std::initializer_list<ImporteEntrada> importesEntrada, std::size_t campoAdmitido,
                           std::size_t campoExceso, int bloqueTotales, TiposCalculo tipos = {})
      : pedido(campoPedido),
        codigos{codigo1, codigo2},
        importes{},
        cuantosImportes(importesEntrada.size()),
        admitido(campoAdmitido),
        exceso(campoExceso),
        bloque(bloqueTotales),
        calculo(tipos) {
    constexpr std::size_t tamano = sizeof(RegApartadoM4);
    constexpr std::size_t miembro = sizeof(ImportesMiembro);
    if (cuantosImportes == 0 || cuantosImportes > importes.size() || bloque < 1 || bloque > 4) GrupoMalDescrito();
    if (pedido > tamano - miembro || admitido > tamano - miembro) GrupoMalDescrito();
    if (exceso != SinExceso && exceso > tamano - miembro) GrupoMalDescrito();
    std::size_t largoEntrada = 1;  // the code byte, then every amount
    std::size_t i = 0;
    for (const ImporteEntrada& importe : importesEntrada) {
      if (importe.distancia == 0) GrupoMalDescrito();
      if (importe.distancia + sizeof(double) > largoEntrada) largoEntrada = importe.distancia + sizeof(double);
      importes[i++] = importe;
    }
    if (calculo.bajo != 0.0) {  // x, threshold and the computed amount: one amount, at +24
      if (cuantosImportes != 1 || importes[0].distancia != 24) GrupoMalDescrito();
      largoEntrada = 32;
    }
    if (codigo1 + largoEntrada > codigo2 || codigo2 > tamano || largoEntrada > tamano - codigo2) GrupoMalDescrito();
  }

  constexpr bool Calculado() const { return calculo.bajo != 0.0; }
};

// By offset of the asked array. Block 1: the groups of the first 0.35 shares of the quota; block 2: those of the 0.7
// and 0.5 shares; block 3: those of the two 0.25 shares; block 4: the groups limited only by what is left.
inline constexpr std::array<GrupoDeduccion, 39> Grupos{{
    {0, 40, 72, {{8}, {16}, {24}}, 4032, SinExceso, 1},
    {104, 144, 176, {{8}, {16}, {24}}, 4072, 5688, 1},
    {208, 248, 264, {{8}}, 4112, 5728, 1},
    {280, 320, 336, {{8}}, 4152, 5768, 1},
    {352, 392, 416, {{8}, {16}}, 4192, 5808, 1},
    {440, 480, 504, {{8, 0.1}}, 4232, 5848, 1},
    {528, 568, 592, {{8, 0.05}}, 4272, 5888, 1},
    {616, 656, 696, {{32}}, 4312, 5928, 1},
    {736, 776, 808, {{24}}, 4352, 5968, 1, {0.2, 0.4}},
    {840, 880, 904, {{8, 0.1}}, 4392, 6008, 1},
    {928, 968, 992, {{8, 0.25}}, 4432, 6048, 1},
    {1016, 1056, 1088, {{24}}, 4472, 6088, 1, {0.05, 0.1}},
    {1120, 1160, 1176, {{8}}, 4512, 6128, 1},
    {1192, 1232, 1256, {{8, 0.15}}, 4552, 6168, 1},
    {1280, 1320, 1344, {{8, 0.15}}, 4592, 6208, 1},
    {1408, 1448, 1504, {{8}, {16}, {24}, {32}, {40}, {48}}, 4632, SinExceso, 2},
    {1560, 1600, 1632, {{8}, {16}, {24}}, 4672, 6288, 2},
    {1664, 1704, 1720, {{8}}, 4712, 6328, 2},
    {1736, 1776, 1800, {{8}, {16}}, 4752, 6368, 2},
    {1824, 1864, 1880, {{8}}, 4792, 6408, 2},
    {1896, 1936, 1960, {{8}, {16}}, 4832, 6448, 2},
    {1984, 2024, 2048, {{8, 0.3}}, 4872, 6488, 2},
    {2072, 2112, 2136, {{8, 0.25}}, 4912, 6528, 2},
    {2160, 2200, 2240, {{32}}, 4952, 6568, 2},
    {2280, 2320, 2352, {{24}}, 4992, 6608, 2, {0.4, 0.72}},
    {2384, 2424, 2448, {{8, 0.3}}, 5032, 6648, 2},
    {2472, 2512, 2536, {{8, 0.45}}, 5072, 6688, 2},
    {2560, 2600, 2632, {{24}}, 5112, 6728, 2, {0.25, 0.3}},
    {2664, 2704, 2728, {{8, 0.25}}, 5152, 6768, 2},
    {2792, 2832, 2848, {{8}}, 5192, SinExceso, 3},
    {2864, 2904, 2944, {{8}, {16}, {24}, {32}}, 5232, 6848, 3},
    {2984, 3024, 3056, {{8, 0.3}, {16, 0.45}}, 5272, 6888, 3},
    {3088, 3128, 3144, {{8}}, 5312, SinExceso, 3},
    {3160, 3200, 3240, {{8}, {16}, {24}, {32}}, 5352, 6928, 3},
    {3280, 3320, 3344, {{8, 0.075}}, 5392, 6968, 3},
    {3368, 3408, 3432, {{8, 0.05}}, 5432, 7008, 3},
    {3456, 3496, 3520, {{16}}, 5472, 7048, 3},
    {3584, 3624, 3640, {{8}}, 5512, SinExceso, 4},
    {3656, 3696, 3712, {{8}}, 5552, 7128, 4},
}};

// ---- The other fields, in offset order ------------------------------------------------------------------------
// Member arrays are ImportesMiembro (total, declarant, spouse, first child, second child). Entries A: 32 bytes, a
// code, amounts at +8 and +16, a key character at +24. Entries B: 40 bytes, the same and an amount at +32.

inline constexpr CampoMiembro<RegApartadoM4> PedidoBloque1{1368};                // asked, groups 0 to 1280
inline constexpr CampoMiembro<RegApartadoM4> PedidoBloque2{2752};                // asked, groups 1408 to 2664
inline constexpr CampoMiembro<RegApartadoM4> PedidoBloque3{3544};                // asked, groups 2792 to 3456
inline constexpr CampoMiembro<RegApartadoM4> PedidoBloque4{3728};                // asked, groups 3584 and 3656
inline constexpr CampoMiembro<RegApartadoM4> PrimerosImportesA{3768};            // +8 amounts of the entries A
inline constexpr Columna<RegApartadoM4, std::uint8_t> CodigoEntradaA{3808, 32, 2};
inline constexpr Columna<RegApartadoM4, double> PrimerImporteEntradaA{3816, 32, 2};
inline constexpr Columna<RegApartadoM4, double> SegundoImporteEntradaA{3824, 32, 2};
inline constexpr Columna<RegApartadoM4, std::uint8_t> ClaveEntradaA{3832, 32, 2};
inline constexpr CampoMiembro<RegApartadoM4> PrimerosImportesB{3872};            // +8 amounts of the entries B
inline constexpr Columna<RegApartadoM4, std::uint8_t> CodigoEntradaB{3912, 40, 2};
inline constexpr Columna<RegApartadoM4, double> PrimerImporteEntradaB{3920, 40, 2};
inline constexpr Columna<RegApartadoM4, double> SegundoImporteEntradaB{3928, 40, 2};
inline constexpr Columna<RegApartadoM4, std::uint8_t> ClaveEntradaB{3936, 40, 2};
inline constexpr Columna<RegApartadoM4, double> TercerImporteEntradaB{3944, 40, 2};
inline constexpr CampoMiembro<RegApartadoM4> ImportesResultados{3992};           // RegResultados 312 and 336, +8
inline constexpr CampoMiembro<RegApartadoM4> SegundosImportesA{5592};            // +16 amounts of the entries A
inline constexpr CampoTexto<RegApartadoM4, 3> ClavesA{5632};                      // keys of the entries A
inline constexpr CampoMiembro<RegApartadoM4> SegundosImportesB{5640};            // +16 amounts of the entries B
inline constexpr CampoTexto<RegApartadoM4, 3> ClavesB{5680};                      // keys of the entries B
inline constexpr CampoMiembro<RegApartadoM4> ExcesoBloque1{6248};
inline constexpr CampoMiembro<RegApartadoM4> ExcesoBloque2{6808};
inline constexpr CampoMiembro<RegApartadoM4> ExcesoBloque3{7088};
inline constexpr CampoMiembro<RegApartadoM4> ExcesoBloque4{7168};                // copy of 7128
inline constexpr CampoMiembro<RegApartadoM4> TercerosImportesB{7208};            // +32 amounts of the entries B

}  // namespace ximardol::ApartadoM4
