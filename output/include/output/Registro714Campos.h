// Where the wealth-tax bar-code record reads the declaration: offsets inside the blocks of DatosPatrimonio.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "ximardol.h"

namespace salida::registro_714 {

inline constexpr std::size_t kDatosPersonales = offsetof(DatosPatrimonio, PatDatosPersonales);
inline constexpr std::size_t kDI = offsetof(DatosPatrimonio, PatDI);
inline constexpr std::size_t kResumen = offsetof(DatosPatrimonio, PatResumen);

// RegPatDatosPersonales.
inline constexpr std::size_t kReferencia = 0x01, kAnchoReferencia = 20;
inline constexpr std::size_t kIdentificacionImpresa = 0x15, kAnchoIdentificacionImpresa = 60;
inline constexpr std::size_t kCodigo51 = 0x51;  // 2 characters (box 0 of page PAT011)
inline constexpr std::size_t kCodigo67 = 0x67;  // 3 characters (box 1 of page PAT011)
inline constexpr std::size_t kSinMinimoExento = 0x7E;
inline constexpr std::size_t kNif = 0x7F, kAnchoNif = 9;
inline constexpr std::size_t kApellidos = 0x89, kAnchoApellidos = 30;
inline constexpr std::size_t kNombre = 0xA8, kAnchoNombre = 15;
// The declarant kind: three one-byte choices, written "3", "4" and "5"; the first set one counts.
inline constexpr std::array<std::size_t, 3> kClaseDeclarante = {0x1CD, 0x1CE, 0x1CF};
inline constexpr std::size_t kCodigoPagina1 = 0x1D0;  // 3 characters, the record takes 2
inline constexpr std::size_t kCalculoDI = 0x1E6;

// RegPatDI: the result that decides pages 11 and 12.
inline constexpr std::size_t kDatoDI = 0x10;

// RegPatResumen: the 40 summary amounts in record order (the order is part of the format), and the average rate
// written times 100.
inline constexpr std::array<std::uint16_t, 40> kImportesResumen = {
    0x00,  0x08,  0x10,  0xC0,  0x18,  0x20,  0x28,  0x30,  0x38,  0x40,  0x48,  0xC8, 0xD0, 0x50,
    0x58,  0x60,  0x68,  0x70,  0x78,  0x80,  0x88,  0x90,  0x98,  0xA0,  0xA8,  0xB0, 0xB8, 0x118,
    0x120, 0x160, 0x168, 0x170, 0x178, 0x180, 0x188, 0x1E0, 0x1E8, 0x1F0, 0x1F8, 0x200};
inline constexpr std::size_t kTipoMedio = 0x190;

}  // namespace salida::registro_714
