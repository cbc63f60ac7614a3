// The rules of the income-tax declaration that need no window and no table: who is part of the family unit and who
// is shown, the person and form commands' states, the pages of each form, the texts of the status bar, the names
// of the declaration-wide boxes, the page header of the person shown and the refresh of the persons'
// identification texts before a save.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ximardol.h"

namespace renta {

// ---- places inside RegIdentificacion (offsets within the block; k is the person code - 1) ----
inline constexpr std::size_t kDespMarcaSujeto = 0;        // one print-mark byte per person
inline constexpr std::size_t kDespReferencia = 5;         // reference number, 20 characters per person
inline constexpr std::size_t kAnchoReferencia = 20;
inline constexpr std::size_t kDespIdentificacion = 105;   // composed identification text, 60 per person
inline constexpr std::size_t kAnchoIdentificacion = 60;
inline constexpr std::size_t kDespNif = 511;              // tax id, 9 per person
inline constexpr std::size_t kAnchoNif = 9;
inline constexpr std::size_t kDespNombre1 = 556;          // the two name fields, 15 per person
inline constexpr std::size_t kDespNombre2 = 631;
inline constexpr std::size_t kAnchoNombre = 15;
// Page 1's marital status of each person: four marks (single, widowed, married, divorced or legally separated),
// one byte per person each (1 ticked); and its taxation marks (individual, joint), one byte per person each.
inline constexpr std::size_t kDespEstadoCivil1 = 491;
inline constexpr std::size_t kDespEstadoCivil2 = 496;
inline constexpr std::size_t kDespEstadoCivil3 = 501;
inline constexpr std::size_t kDespEstadoCivil4 = 506;
inline constexpr std::size_t kDespTributacion1 = 1253;
inline constexpr std::size_t kDespTributacion2 = 1258;
// Page 1's year of birth of the spouse of each person (the spouse section of the page), 4 per person.
inline constexpr std::size_t kDespAnioDelConyuge = 1878;
inline constexpr int kNumeroSujetos = 5;
// The years of birth of the first and the second child, 4 characters each: the identification block keeps them
// (the persons' year of birth, persons 4 and 5); the family-data wizard edits them with the family data.
using AniosHijos = std::array<std::array<char, 4>, 2>;

// ---- persons ----

// What the family data make of the persons: the five presence flags (family unit, declarant, spouse, first child,
// second child), the person shown and the family-unit view flag.
struct SSujetos {
  std::array<std::int32_t, kNumeroSujetos> presentes{};
  std::int32_t actual = 2;
  std::uint8_t vistaUnidadFamiliar = 0;
};

// The kind of family unit (byte 0 of RegDatosFamilia: 0 single, 1 married, 2 widowed or divorced, 3 legally
// separated), where a widowed person whose spouse died during the year and who files jointly (byte 3 = 1) counts
// as married.
int TipoUnidadFamiliar(const RegDatosFamilia& familia);

// The declarant is always present; the spouse when the unit is married (TipoUnidadFamiliar 1); both children when
// the children flag (byte 1) is set. With a spouse or a first child the declaration opens on the family unit
// (present too); otherwise on the declarant.
SSujetos DerivarSujetos(const RegDatosFamilia& familia);

// The state of a person command ("&Unidad Familiar" ... "Hijo &2") for a person code 1 to 5: the family unit is
// enabled while the spouse or a child is present, the declarant always, the others while present; a command is
// checked while its person is shown.
struct SEstadoComando {
  bool habilitado = false;
  bool marcado = false;
};
SEstadoComando EstadoComandoSujeto(int sujeto, std::span<const std::int32_t, kNumeroSujetos> presentes,
                                   int sujetoActual);

// The person's pane of the status bar ("U.FAMILIAR" ... "HIJO 2º", Windows-1252) and the form's ("SIMPLIFICADA"
// for D-101, "ORDINARIA" for D-100); empty for any other code. They are the Castilian texts: the status bar shows
// them in the interface language through the window catalogs.
std::string_view TextoEstadoSujeto(int sujeto);
std::string_view TextoEstadoFormulario(int tipoDec);

// ---- pages of the forms ----

// The page view classes of a form in their order: D-101 the seven SIM pages and ORD017, D-100 ORD001 to ORD017;
// empty for any other type.
std::span<const std::string_view> PaginasFormulario(int tipoDec);
// The page id of a page name: form base (100 SIM, 200 ORD) plus the page number ("SIM003" 103, "ORD017" 217);
// 0 for a name that is not an income-tax screen page.
int IdPaginaDeNombre(std::string_view nombre);

// 1 when a box name (any case) is one of the declaration-wide boxes (identification, address, family and bank
// data, shown the same whichever person is shown), else 0.
int EsCampoPropio(std::string_view nombre);
// The table those names come from, in its order.
std::span<const std::string_view> CamposPropios();

// ---- identification of the persons ----

// The page header of a person: tax id, the two name fields and the reference number, trailing blanks removed.
// Nothing for a person code outside 1 to 5.
struct SCabecera {
  std::string nif;
  std::string nombre;      // name field 1, a blank and name field 2
  std::string referencia;
};
std::optional<SCabecera> CabeceraSujeto(const RegIdentificacion& identificacion, int sujeto);

// Where the identification texts come from: the composed identification text of a tax id and the form reference
// number. Nothing when they cannot be composed (the refresh then leaves the data as they are).
class CCompositorIdentificacion {
 public:
  virtual ~CCompositorIdentificacion() = default;
  virtual std::optional<std::string> Identificacion(std::string_view nif, int numeroPersona) = 0;
  virtual std::optional<std::string> NumeroReferencia() = 0;
};

// The refresh of the identification texts before a save. It runs for every person when the personal data
// changed (`datosCambiados`, cleared by the refresh), else for the person shown when its identification text or
// reference number starts with a NUL or a blank, else not at all. Each person refreshed gets its composed
// identification (60 characters) and reference number (20). When the person shown is refreshed while its print
// mark is 1, the mark is cleared and `avisoMarca` tells the caller to warn that the printed copy is stale.
struct SRefrescoIdentificacion {
  int personas = 0;  // how many persons were refreshed
  bool avisoMarca = false;
};
SRefrescoIdentificacion RefrescarIdentificaciones(RegIdentificacion& identificacion, int sujetoActual,
                                                  bool& datosCambiados, CCompositorIdentificacion& compositor);

}  // namespace renta
