// What choosing an activity writes into its row of the declaration. Two boxes of the activity pages open the
// activity selection: the epigraph code of an activity under the module regime (a row of RegApartadoD4, 1560
// bytes) and the sector key of an agricultural activity (a row of RegApartadoD5, 2064 bytes). Both box edits
// hand the row to these routines, which build the selection, run it through the window they are given and write
// the choice.
//
// Results: kSeleccionEscrita (the row holds the new choice), kSeleccionBorrar (nothing written; the caller is to
// erase the box, as for a choice without a code), kSeleccionSinCambios (nothing written and nothing to erase:
// the window was cancelled, or the same activity and code were chosen again).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "activities/CargaModulos.h"
#include "activities/DatosMod.h"

namespace actividades {

inline constexpr std::size_t kLargoFilaModulos = 1560;  // one activity of RegApartadoD4
inline constexpr std::size_t kLargoFilaAgraria = 2064;  // one activity of RegApartadoD5

inline constexpr int kSeleccionSinCambios = 0;
inline constexpr int kSeleccionEscrita = 1;
inline constexpr int kSeleccionBorrar = 2;

// Selection kinds as the two boxes give them (high byte: what is offered and loaded; low byte 1).
inline constexpr std::uint16_t kTipoSeleccionEpigrafe = 0x0301;
inline constexpr std::uint16_t kTipoSeleccionClave = 0x0501;

// Offsets in an activity row of RegApartadoD4.
namespace FilaModulos {
inline constexpr std::size_t Codigo = 0;         // the epigraph code, 5 characters
inline constexpr std::size_t IdIae = 8;          // 32-bit activity number
inline constexpr std::size_t Unidad = 12;        // unit text of five activities, 12 bytes
inline constexpr std::size_t Modulos = 120;      // seven module slots
inline constexpr std::size_t PasoModulo = 176;
inline constexpr std::size_t NumeroModulos = 7;
inline constexpr std::size_t ModuloId = 0;       // byte: the low byte of the module number
inline constexpr std::size_t ModuloCorta = 1;    // 24 bytes
inline constexpr std::size_t Modulo15 = 25;      // 15 bytes
inline constexpr std::size_t ModuloImporte = 152;            // double: amount per unit
inline constexpr std::size_t ModuloImporteReferencia = 160;  // double: reference amount per unit
inline constexpr std::size_t Maximo = 1424;             // double: amount for the excess correction index
inline constexpr std::size_t MaximoReferencia = 1432;   // double: the reference one
}  // namespace FilaModulos

// Offsets in an activity row of RegApartadoD5.
namespace FilaAgraria {
inline constexpr std::size_t Clave = 0;  // the sector key character
inline constexpr std::size_t IdIae = 4;  // 32-bit activity number
}  // namespace FilaAgraria

// Runs the selection window on the loader (kind, table names and preset epigraph set) with the preset activity
// number: true when accepted, with `datos` holding the choice; false when cancelled.
using FVentanaActividad = std::function<bool(CCargaModulos& carga, std::int32_t idInicial, CDatosMod& datos)>;

// Writes an accepted epigraph choice (`elegida`, and `referencia` from the reference tables) into the row;
// `longitud` is the box's length (the code's characters written). kSeleccionBorrar when the chosen code has no
// letter or digit; kSeleccionSinCambios when the same activity and code are chosen again.
int EscribirEpigrafeElegido(std::span<unsigned char, kLargoFilaModulos> fila, std::size_t longitud,
                            const CDatosMod& elegida, const CDatosMod& referencia);

// Writes an accepted sector choice into the row: a different sector than the row's clears the whole row first.
// kSeleccionBorrar when the choice holds no activity.
int EscribirSectorElegido(std::span<unsigned char, kLargoFilaAgraria> fila, const CDatosMod& elegida);

// The whole epigraph selection: the window opens on the row's activity and code; on acceptance the module data is
// loaded again from the reference tables and everything is written.
int SeleccionarEpigrafe(std::span<unsigned char, kLargoFilaModulos> fila, std::size_t longitud,
                        marco::CBaseDatos* base, char letraIdioma, const FVentanaActividad& ventana);

// The whole sector selection.
int SeleccionarSector(std::span<unsigned char, kLargoFilaAgraria> fila, marco::CBaseDatos* base, char letraIdioma,
                      const FVentanaActividad& ventana);

}  // namespace actividades
