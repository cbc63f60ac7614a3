// Where the income-tax bar-code record reads the declaration: offsets counted from the start of DatosRenta, and
// the layouts of the rows its filters copy. Per-person sources move with the person p (1 family unit ... 5 second
// child) by the stride given beside them; slot p of a per-member array of five doubles lies 8 × (p − 1) further.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ximardol.h"

namespace salida::registro_renta {

// ---- the blocks the record reads ----

inline constexpr std::size_t kDatosFamilia = offsetof(DatosRenta, DatosFamilia);
inline constexpr std::size_t kIdentificacion = offsetof(DatosRenta, Identificacion);
inline constexpr std::size_t kApartadoD1 = offsetof(DatosRenta, ApartadoD1);
inline constexpr std::size_t kApartadoD2 = offsetof(DatosRenta, ApartadoD2);
inline constexpr std::size_t kApartadoD3 = offsetof(DatosRenta, ApartadoD3);
inline constexpr std::size_t kApartadoD4 = offsetof(DatosRenta, ApartadoD4);
inline constexpr std::size_t kApartadoD5 = offsetof(DatosRenta, ApartadoD5);
inline constexpr std::size_t kApartadoM4 = offsetof(DatosRenta, ApartadoM4);
inline constexpr std::size_t kApartadoN = offsetof(DatosRenta, ApartadoN);
inline constexpr std::size_t kBaseImponible = offsetof(DatosRenta, BaseImponible);
inline constexpr std::size_t kLiquidacion = offsetof(DatosRenta, Liquidacion);
inline constexpr std::size_t kResultados = offsetof(DatosRenta, Resultados);

inline constexpr std::size_t kSlot = 8;  // one double of a per-member array

// ---- header and identification (data-area offsets; width, then the per-person stride) ----

inline constexpr std::size_t kCabecera1002 = 1002;  // 2 characters
inline constexpr std::size_t kCabecera1022 = 1022;  // 3 characters
inline constexpr std::size_t kIdentificacionImpresa = 657, kPasoIdentificacionImpresa = 60;
inline constexpr std::size_t kReferencia = 557, kPasoReferencia = 20;
inline constexpr std::size_t kNif = 1063, kPasoNif = 9;
inline constexpr std::size_t kApellido = 1183, kPasoApellido = 15;
// Four one-byte choices of the person (value 1), written as "1" to "4".
inline constexpr std::array<std::size_t, 4> kOpciones = {1043, 1048, 1053, 1058};
inline constexpr std::size_t kCodigo1693 = 1693, kPasoCodigo1693 = 4;
inline constexpr std::size_t kTexto1760 = 1760, kPasoTexto1760 = 9;  // blanks and NULs written as "0"
inline constexpr std::size_t kTexto1815 = 1815, kPasoTexto1815 = 9;
inline constexpr std::size_t kApellidoSegundo = 1935, kPasoApellidoSegundo = 15;
inline constexpr std::size_t kNumero2430 = 2430, kPasoNumero2430 = 4;
// Two mark texts of the person ("x"), written as "1" and "2".
inline constexpr std::size_t kMarcaX1 = 1805, kMarcaX2 = 1810;
// Disability degrees (doubles) in RegDatosFamilia: declarant, spouse, first child, second child.
inline constexpr std::array<std::size_t, 4> kGrados = {0x10, 0x18, 0x20, 0x28};

// ---- family rows ----

inline constexpr std::size_t kFamilia1 = 3048, kFilasFamilia1 = 10, kBytesFamilia1 = 72;
inline constexpr std::size_t kFamilia2 = 3768, kFilasFamilia2 = 4, kBytesFamilia2 = 80;
inline constexpr std::size_t kFilaNif = 0;          // 9 characters
inline constexpr std::size_t kFilaNombre = 9;       // 33 characters
inline constexpr std::size_t kFilaAnio = 42;        // 4 characters, a year
inline constexpr std::size_t kFilaGrado = 48;       // double
inline constexpr std::size_t kFilaMarcas = 57;      // five person markers, one per person code
inline constexpr std::size_t kFilaClase = 62;       // first table
inline constexpr std::size_t kFilaExclusion1 = 63;  // first table
inline constexpr std::size_t kFilaExclusion2 = 64;  // first table
inline constexpr std::size_t kFilaPersonas = 64;    // second table, double
inline constexpr long kAnioLimiteFamilia = 1982;

// ---- codes and flags ----

inline constexpr std::size_t kCodigoComunidad = 0x30, kPasoCodigoComunidad = 32;  // in RegDatosFamilia
inline constexpr std::array<std::size_t, 4> kMarcas3026 = {3026, 3031, 3036, 3041};
inline constexpr std::size_t kMarcaResultados = 0x1b58;  // in RegResultados, one byte per person
// Fields 40-43: two alternative sources chosen by a byte each, the last text shared.
inline constexpr std::size_t kEleccionA = 0x1b5d, kEleccionB = 0x1a2f;
inline constexpr std::array<std::size_t, 3> kTextosA = {0x1b62, 0x1b76, 0x1b8a};
inline constexpr std::array<std::size_t, 3> kTextosB = {0x1a34, 0x1a48, 0x1a5c};
inline constexpr std::array<int, 3> kAnchosTextos = {4, 4, 2};
inline constexpr std::size_t kTextoComun = 0x1b94;  // 10 characters
inline constexpr std::size_t kAnchoTextoComun = 10;

// ---- amounts ----

enum class EClaseTramo : std::uint8_t {
  Slots,        // slot p of each listed array
  Cero,         // one amount of 0
  Sumas,        // slot p of two arrays added, for each pair
  SumasPor100,  // the same, times 100
};

struct STramoImportes {
  EClaseTramo clase;
  std::size_t bloque;  // data-area offset of the block
  bool soloD100;       // written as 0 for D-101
  std::uint8_t cuenta;
  std::array<std::uint16_t, 16> desplazamientos;  // in the block; pairs for the sums
};

inline constexpr std::array<STramoImportes, 27> kTramos{{
    {EClaseTramo::Slots,
     kBaseImponible,
     false,
     16,
     {0x0, 0x28, 0x50, 0x78, 0xa0, 0xc8, 0xf0, 0x118, 0x140, 0x168, 0x190, 0x1b8, 0x1e0, 0x208, 0x230, 0x258}},
    {EClaseTramo::Slots, kBaseImponible, true, 6, {0x280, 0x2a8, 0x2d0, 0x2f8, 0x320, 0x348}},
    {EClaseTramo::Slots, kBaseImponible, false, 1, {0x370}},
    {EClaseTramo::Slots, kBaseImponible, true, 4, {0x398, 0x3c0, 0x3e8, 0x410}},
    {EClaseTramo::Slots, kBaseImponible, false, 2, {0x438, 0x460}},
    {EClaseTramo::Slots, kBaseImponible, true, 1, {0x488}},
    {EClaseTramo::Slots, kBaseImponible, false, 6, {0x4d0, 0x4f8, 0x520, 0x548, 0x570, 0x598}},
    {EClaseTramo::Slots, kBaseImponible, true, 1, {0x5c0}},
    {EClaseTramo::Slots, kLiquidacion, false, 1, {0x0}},
    {EClaseTramo::Slots, kBaseImponible, false, 1, {0x608}},
    {EClaseTramo::Slots, kBaseImponible, true, 1, {0x630}},
    {EClaseTramo::Cero, 0, false, 1, {}},
    {EClaseTramo::Slots, kBaseImponible, false, 2, {0x6a0, 0x6c8}},
    {EClaseTramo::Slots, kLiquidacion, true, 7, {0x140, 0x198, 0x1e0, 0x2a8, 0x2d0, 0x2f8, 0x320}},
    {EClaseTramo::Sumas, kLiquidacion, false, 2, {0x348, 0x370, 0x398, 0x3c0}},
    {EClaseTramo::Slots,
     kLiquidacion,
     false,
     13,
     {0x3e8, 0x410, 0x438, 0x460, 0x488, 0x4b0, 0x4d8, 0x500, 0x528, 0x550, 0x578, 0x5a0, 0x5c8}},
    {EClaseTramo::Slots, kResultados, false, 1, {0x0}},
    {EClaseTramo::Slots, kResultados, true, 6, {0x28, 0x50, 0x78, 0xa0, 0xc8, 0x110}},
    {EClaseTramo::Slots, kResultados, false, 7, {0x168, 0x230, 0x258, 0x280, 0x2a8, 0x2d0, 0x2f8}},
    {EClaseTramo::Slots, kResultados, true, 9, {0x320, 0x378, 0x880, 0x8d8, 0xde0, 0xe38, 0x1340, 0x1368, 0x1390}},
    {EClaseTramo::Slots, kResultados, false, 2, {0x13b8, 0x13e0}},
    {EClaseTramo::Slots, kResultados, true, 2, {0x1468, 0x14b8}},
    {EClaseTramo::Slots, kResultados, false, 6, {0x14e0, 0x1538, 0x1638, 0x1660, 0x1688, 0x16b0}},
    {EClaseTramo::Slots, kResultados, true, 2, {0x1750, 0x1798}},
    {EClaseTramo::Slots, kResultados, false, 7, {0x17e0, 0x1808, 0x1830, 0x1858, 0x1880, 0x18c8, 0x18f0}},
    {EClaseTramo::Slots, kResultados, true, 3, {0x1918, 0x1988, 0x19f8}},
    {EClaseTramo::SumasPor100, kLiquidacion, false, 2, {0x78, 0xa0, 0xf0, 0x118}},
}};

// The reduction block: seven amounts of RegApartadoN chosen by the person's region code (0: an amount of 0).
struct SVarianteReduccion {
  int codigo;
  std::array<std::uint16_t, 7> desplazamientos;
};
inline constexpr std::array<SVarianteReduccion, 6> kReducciones{{
    {4, {0x28, 0x78, 0xd0, 0x110, 0x188, 0, 0}},
    {8, {0x240, 0x2a0, 0x2c8, 0x390, 0x3e8, 0, 0}},
    {12, {0x5c0, 0x628, 0, 0, 0, 0, 0}},
    {13, {0x6e8, 0x740, 0, 0, 0, 0, 0}},
    {16, {0x818, 0x870, 0, 0, 0, 0, 0}},
    {17, {0x918, 0x980, 0x9b0, 0xa08, 0xa38, 0xa90, 0xae8}},
}};

// ---- section D ----

// The six tables of RegApartadoD1 and RegApartadoD2 (two rows each): three of 184 bytes, three of 40.
inline constexpr std::array<std::size_t, 3> kTablasDLargas = {0x10, 0x180, 0x2f0};
inline constexpr std::array<std::size_t, 3> kTablasDCortas = {0x460, 0x4b0, 0x500};
inline constexpr std::size_t kFilasD = 2, kBytesDLarga = 184, kBytesDCorta = 40;
inline constexpr std::size_t kImportesDLarga = 22;  // doubles from row byte 8
// The section's two marks ("X"): byte p − 1 and byte 5 + (p − 1) of the block.
inline constexpr std::size_t kMarcaD1 = 0, kMarcaD2 = 5;
// The text of the short rows: 9 characters at these bytes of tables d, e and f.
inline constexpr std::array<std::size_t, 3> kTextoDCorta = {6, 2, 7};

inline constexpr std::array<std::size_t, 3> kApartadoD3Importes = {0x0, 0x38, 0x70};

inline constexpr std::size_t kFilasD4 = 4, kBytesD4 = 1560;
inline constexpr std::size_t kD4Titular = 24, kD4Titular2 = 1534, kD4Condicion = 1536;
inline constexpr std::array<std::size_t, 4> kD4Importes = {1352, 1360, 1368, 1376};
inline constexpr std::size_t kD4Por100 = 1384, kD4Importes10 = 1440;  // five doubles times 100, ten amounts
inline constexpr std::size_t kD4Texto = 1520, kD4Clave = 1529;        // 9 and 5 characters
inline constexpr std::array<std::size_t, 2> kD4Finales = {1544, 1552};

inline constexpr std::size_t kFilasD5 = 4, kBytesD5 = 2064, kD5Origen = 0x10;
inline constexpr std::size_t kD5Titular = 8, kD5Titular2 = 2033, kD5Condicion = 2040;
inline constexpr std::array<std::size_t, 4> kD5Importes = {1824, 1832, 1840, 1896};
inline constexpr std::size_t kD5Por100 = 1904, kD5Importes10 = 1944;
inline constexpr std::size_t kD5Texto = 2024;  // 9 characters
inline constexpr std::array<std::size_t, 2> kD5Finales = {2056, 2048};

// RegApartadoM4: 40 amounts from 0xfc0, 0x28 apart, then one more.
inline constexpr std::size_t kM4Inicio = 0xfc0, kM4Paso = 0x28, kM4Cuenta = 40, kM4Ultimo = 0x1608;

}  // namespace salida::registro_renta
