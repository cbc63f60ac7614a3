// Fields of RegApartadoD5 (section D, block 5: agricultural activities),
// by offset from the start of the block.
// One line per field, in offset order; each section adds here the fields it reads or writes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "Acceso.h"

namespace ximardol::ApartadoD5 {

// Marks and flags of the head.
inline constexpr CampoByte<RegApartadoD5> MarcaIndicador1A{0};  // "X" when IndicadorPrimero is 1, else blank
inline constexpr CampoByte<RegApartadoD5> MarcaIndicador1B{1};  // the same mark again
inline constexpr CampoByte<RegApartadoD5> MarcaIndicador2A{2};  // "X" when IndicadorSegundo is 1, else blank
inline constexpr CampoByte<RegApartadoD5> MarcaIndicador2B{5};  // the same mark again
inline constexpr CampoByte<RegApartadoD5> IndicadorPrimero{10};  // 1 = set
inline constexpr CampoByte<RegApartadoD5> IndicadorSegundo{11};  // 1 = set
// Four activity rows of 2064 bytes after a 16-byte head.
inline constexpr Filas<RegApartadoD5> Actividades{16, 2064, 4};
inline constexpr auto TipoActividad = Actividades.Columna<std::uint8_t>(0);  // a digit character "1" to "7"
inline constexpr auto CodigoMiembro = Actividades.Columna<std::uint8_t>(8);
inline constexpr auto Porcentaje = Actividades.Columna<double>(16);                 // 0 = held directly
inline constexpr auto SelectorReduccion = Actividades.Columna<std::uint8_t>(33);    // 1 gives 12 %, else 7 %
inline constexpr auto IndicadorMediosAjenos = Actividades.Columna<std::uint8_t>(34);  // 1 = set; 0 or 255 not set
inline constexpr auto IndicadorPiensos = Actividades.Columna<std::uint8_t>(35);     // feed bought; 1 = set
inline constexpr auto CostePersonal = Actividades.Columna<double>(40);              // salaried staff
inline constexpr auto IndicadorReduccion25 = Actividades.Columna<std::uint8_t>(48);  // 1 = set; 0 or 255 not set
// Thirteen product groups from row offset 56 to 1823 (GruposProductos below).
inline constexpr auto VolumenIngresos = Actividades.Columna<double>(1824);          // the thirteen groups' volumes
inline constexpr auto RendimientoTotal = Actividades.Columna<double>(1832);
inline constexpr auto TotalDeducciones = Actividades.Columna<double>(1840);
inline constexpr auto DeduccionA = Actividades.Columna<double>(1856);               // entered
inline constexpr auto DeduccionB = Actividades.Columna<double>(1864);               // entered
inline constexpr auto DeduccionD1 = Actividades.Columna<double>(1872);              // entered
inline constexpr auto DeduccionC = Actividades.Columna<double>(1880);               // entered
inline constexpr auto DeduccionD2 = Actividades.Columna<double>(1888);              // entered
inline constexpr auto RendimientoMenosDeducciones = Actividades.Columna<double>(1896);
inline constexpr auto IndiceMediosAjenos = Actividades.Columna<double>(1904);       // 0.75 or 0
inline constexpr auto IndicePersonal = Actividades.Columna<double>(1912);           // 0 = none
inline constexpr auto IndiceTierrasArrendadas = Actividades.Columna<double>(1920);  // 0.9 or 0
inline constexpr auto IndicePiensos = Actividades.Columna<double>(1928);            // 0.8 or 0
inline constexpr auto IndiceRendimientosReducidos = Actividades.Columna<double>(1936);  // 0.9 or 0
inline constexpr auto RendimientoTrasIndices = Actividades.Columna<double>(1944);
inline constexpr auto ExcesoReferencia = Actividades.Columna<double>(1952);         // over 105 % of the reference
inline constexpr auto RendimientoLimitado = Actividades.Columna<double>(1960);
inline constexpr auto ImporteRestarLimitado = Actividades.Columna<double>(1968);    // entered
inline constexpr auto RendimientoPrevioReducciones = Actividades.Columna<double>(1976);
inline constexpr auto ReduccionGeneral = Actividades.Columna<double>(1984);
inline constexpr auto Reduccion25 = Actividades.Columna<double>(1992);
inline constexpr auto RendimientoNeto = Actividades.Columna<double>(2000);            // row held directly
inline constexpr auto ImporteRestarNeto = Actividades.Columna<double>(2008);        // entered
inline constexpr auto RendimientoFinal = Actividades.Columna<double>(2016);         // row held directly
inline constexpr auto IdentificacionEntidad = Actividades.Columna<Texto<9>>(2024);
inline constexpr auto CopiaPorcentaje = Actividades.Columna<double>(2040);          // 0 when held directly
inline constexpr auto RendimientoFinalAtribuido = Actividades.Columna<double>(2048);  // row with a percentage
inline constexpr auto RendimientoNetoAtribuido = Actividades.Columna<double>(2056);  // row with a percentage

// A product group of an activity row, by offsets inside the row (0 where the group has no such field). Items are
// 24 bytes: volume of income, index of yield, yield. Groups 3, 6, 8 and 10 have items 4 to 6 on leased land;
// group 1 has six items not split by land and no partial yields.
struct GrupoProductos {
  std::size_t volumen;               // the items' volumes
  std::array<std::size_t, 6> items;  // items 1 to 6
  std::size_t parcialX;              // partial yield of the own land
  std::size_t parcialY;              // partial yield of the leased land
  std::size_t parcialZ;              // third partial yield
  std::size_t textoIndice;           // 8 bytes: the common index, "VARIOS" or empty
  std::size_t rendimiento;           // the items' yields
};
inline constexpr std::size_t ItemVolumen = 0;
inline constexpr std::size_t ItemIndice = 8;
inline constexpr std::size_t ItemRendimiento = 16;
inline constexpr std::array<GrupoProductos, 13> GruposProductos{{
    {56, {64, 88, 112, 136, 160, 184}, 0, 0, 0, 208, 216},
    {224, {232, 256, 280, 0, 0, 0}, 304, 0, 0, 312, 320},
    {328, {336, 360, 384, 416, 440, 464}, 408, 488, 496, 504, 512},
    {520, {528, 552, 576, 0, 0, 0}, 600, 0, 0, 608, 616},
    {624, {632, 656, 680, 0, 0, 0}, 704, 0, 0, 712, 720},
    {728, {736, 760, 784, 816, 840, 864}, 808, 888, 896, 904, 912},
    {920, {928, 952, 976, 0, 0, 0}, 1000, 0, 0, 1008, 1016},
    {1024, {1032, 1056, 1080, 1112, 1136, 1160}, 1104, 1184, 1192, 1200, 1208},
    {1216, {1224, 1248, 1272, 0, 0, 0}, 1296, 0, 0, 1304, 1312},
    {1320, {1328, 1352, 1376, 1408, 1432, 1456}, 1400, 1480, 1488, 1496, 1504},
    {1512, {1520, 1544, 1568, 0, 0, 0}, 1592, 0, 0, 1600, 1608},
    {1616, {1624, 1648, 1672, 0, 0, 0}, 1696, 0, 0, 1704, 1712},
    {1720, {1728, 1752, 1776, 0, 0, 0}, 1800, 0, 0, 1808, 1816},
}};

// Every field of the groups lies between the row's fixed head and its totals at 1824.
consteval bool GruposDentroDeLaFila() {
  for (const GrupoProductos& g : GruposProductos) {
    const std::size_t campos[] = {g.volumen, g.parcialX, g.parcialY, g.parcialZ, g.textoIndice, g.rendimiento};
    for (std::size_t c : campos) {
      if (c != 0 && (c < 56 || c + 8 > 1824)) return false;
    }
    for (std::size_t item : g.items) {
      if (item != 0 && (item < 56 || item + 24 > 1824)) return false;
    }
  }
  return true;
}
static_assert(GruposDentroDeLaFila());

}  // namespace ximardol::ApartadoD5
