// The rules of the personal and family data of an income-tax declaration, without a window: the places of
// RegDatosFamilia the family-data wizard edits, the checks it runs before it lets the data be taken, the clearing of
// the data that do not apply to the family unit, the adjustment of the pension-plan amounts to the cap of a changed
// year of birth, and the copy of the personal fields into the identification block that repeats them.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "income/RentaReglas.h"
#include "ximardol.h"

namespace renta {

// ---- places inside RegDatosFamilia ----
inline constexpr std::size_t kDespEstadoCivil = 0;       // 0 single, 1 married, 2 widowed/divorced, 3 separated
inline constexpr std::size_t kDespHijos = 1;             // children flag: 0 no, 1 yes
inline constexpr std::size_t kDespConyugeFallecido = 3;  // the spouse died in the year (joint filing)
inline constexpr std::size_t kDespAnioDeclarante = 4;    // four characters
inline constexpr std::size_t kDespAnioConyuge = 8;
inline constexpr std::size_t kAnchoAnio = 4;
inline constexpr std::size_t kDespMinusvalia = 16;       // doubles: declarant, spouse, first child, second child
inline constexpr std::size_t kDespComunidades = 48;      // 5 entries of 32 bytes: code (2) and name (30)
inline constexpr std::size_t kPasoComunidad = 32;
inline constexpr std::size_t kAnchoCodigoComunidad = 2;
inline constexpr std::size_t kAnchoNombreComunidad = 30;
inline constexpr std::size_t kDespContadores = 208;      // 38 doubles, every 8 bytes up to 504
inline constexpr std::size_t kNumeroContadores = 38;

// Marital status values of byte 0.
inline constexpr int kEstadoSoltero = 0;
inline constexpr int kEstadoCasado = 1;
inline constexpr int kEstadoViudoDivorciado = 2;
inline constexpr int kEstadoSeparado = 3;

// Members with a community entry and a disability degree.
enum EMiembroFamilia : int {
  kMiembroConjunta = 0,  // the joint declaration (community only)
  kMiembroDeclarante = 1,
  kMiembroConyuge = 2,
  kMiembroHijo1 = 3,
  kMiembroHijo2 = 4,
};

// The year of birth of each person in RegIdentificacion: 4 characters per person code, index person - 1.
inline constexpr std::size_t kDespAnioNacimientoSujeto = 1141;

// ---- reading and writing the fields ----
double LeerDoble(const RegDatosFamilia& familia, std::size_t desp);
void PonerDoble(RegDatosFamilia& familia, std::size_t desp, double valor);
// The offset of count i (0 to 37).
constexpr std::size_t DespContador(std::size_t i) { return kDespContadores + 8 * i; }
// The offset of a member's disability degree (declarant to second child).
constexpr std::size_t DespMinusvalia(int miembro) { return kDespMinusvalia + 8 * static_cast<std::size_t>(miembro - 1); }
// The offsets of a member's community code and name.
constexpr std::size_t DespCodigoComunidad(int miembro) {
  return kDespComunidades + kPasoComunidad * static_cast<std::size_t>(miembro);
}
constexpr std::size_t DespNombreComunidad(int miembro) { return DespCodigoComunidad(miembro) + kAnchoCodigoComunidad; }
// The two characters of a member's community code as stored (NULs included).
std::string CodigoComunidad(const RegDatosFamilia& familia, int miembro);
// Writes a community: code and name blank-padded; an empty code empties both (zeros, as a new declaration has).
void PonerComunidad(RegDatosFamilia& familia, int miembro, std::string_view codigo, std::string_view nombre);
// The year of birth of the declarant or the spouse as a number (0 when it is empty or not a number).
int AnioNacimiento(const RegDatosFamilia& familia, std::size_t desp);

// ---- the texts of the counts ----

// The counts are shown in groups (descendants, ascendants, exempt income), each a table whose rows name a kind of
// person or income and whose columns say whose it is; a cell holds the index of its count, -1 when the row has none
// in that column.
struct SFilaContadores {
  std::string_view texto;  // Windows-1252
  std::array<int, 3> contadores;
};
struct SGrupoContadores {
  std::string_view titulo;
  std::array<std::string_view, 3> columnas;  // empty: the group has no such column
  std::vector<SFilaContadores> filas;
};
// Every count appears once, in one group.
const std::vector<SGrupoContadores>& GruposContadores();
// The text that names count i (0 to 37): its row, and its column when the row has more than one; empty for an
// index out of range.
std::string TextoContador(std::size_t i);

// ---- the checks of the wizard ----

// One failed check: its coded message, whether it is an error (the data may not be taken) or a warning (the
// user may go on), and the field the message asks the user to review (its offset in RegDatosFamilia: a year of
// birth, a community's code, or the first count of the sum that is too big).
struct SFalloDatosFamilia {
  std::string_view codigo;
  bool error = false;
  std::size_t campo = 0;
  friend bool operator==(const SFalloDatosFamilia&, const SFalloDatosFamilia&) = default;
};
// Every check the data fail, in the order they are put to the user: the communities (100R129, 100R131), the
// counts of the family unit (100V120, 100V133, 100V121, 100R132, 100R133, 100R134, 100V122 twice, 100V134,
// 100V135 twice) and the years of birth (100R140, 100R141). A sum exceeds a limit when it is strictly greater.
std::vector<SFalloDatosFamilia> RevisarDatosFamilia(const RegDatosFamilia& familia);

// Clears what does not apply to the family unit: the spouse's year, degree and community unless the unit files
// jointly; the joint community when it neither files jointly nor has children; the children's degrees and
// communities when it has none; the spouse-deceased byte unless the declarant is widowed or divorced.
void LimpiarNoAplicables(RegDatosFamilia& familia);

// The profile's preset of a new family (key "Autocarga" of section "Parametros" equal to "1"): the declarant born
// in 1971 in community 12, MADRID. Only empty fields are preset: data already entered are never replaced.
void AplicarAutocarga(RegDatosFamilia& familia);

// The children's years of birth (AniosHijos) as the identification block keeps them.
AniosHijos LeerAniosHijos(const RegIdentificacion& identificacion);

// The copy of the personal fields that the identification block repeats on page 1, so that the page and the
// wizard agree:
// - the years of birth: the declarant's and the spouse's, and the children's (`hijos`, while there are children);
//   in a joint declaration also the spouse section's year (the family unit's and the declarant's spouse is the
//   spouse, the spouse's is the declarant), cleared for the family unit and the declarant without a spouse;
// - the marital status ticked (one of the four marks, the others cleared) for the family unit and the declarant
//   from the status chosen (widowed or divorced keeps a divorce already ticked, else ticks widowed; legally
//   separated ticks the fourth), for the spouse of a joint declaration married, for the children single;
// - the taxation marks (individual, joint) of every member present: joint when the family unit is present (a
//   spouse or children), individual for the declarant otherwise.
void CopiarDatosPersonales(const RegDatosFamilia& familia, const AniosHijos& hijos, RegIdentificacion& identificacion);

// ---- pension plans ----

// Where the pension-plan amounts of a person lie: the six 104-byte rows of work income (person code in the first
// byte, contribution at row offset 48) and the two 48-byte entries of section J (person code, amounts at 24 and
// 32).
inline constexpr std::size_t kDespFilasPlanes = 40;  // in RegRendTrabajo (4,168 in DatosRenta)
inline constexpr std::size_t kPasoFilaPlanes = 104;
inline constexpr std::size_t kFilasPlanes = 6;
inline constexpr std::size_t kDespImporteFilaPlanes = 48;
inline constexpr std::size_t kPasoEntradaJ = 48;
inline constexpr std::size_t kEntradasJ = 2;
inline constexpr std::size_t kDespImporteJ1 = 24;
inline constexpr std::size_t kDespImporteJ2 = 32;

// Brings the pension-plan amounts of one person (2 declarant, 3 spouse) within `tope`. `seguir` is asked (with
// the warning shown) each time an amount above the cap is found; when it answers false the user wants to correct
// and the result is false, with the blocks possibly half adjusted: work on copies and keep them only on true.
//  1. Work-income rows: when the person's contributions add up to more than the cap, the warning; then the first
//     row of the person gets the cap and the later ones 0.
//  2. Section J: every amount at 24 above the cap is cut to it; when the person's amounts at 24 and 32 together
//     exceed the cap, the warning; then the amounts at 32 are reduced, first entry first, until the person is
//     within the cap, and if the amounts at 24 alone still exceed it, the later entries' amounts at 24 too.
bool AjustarPlanesPensiones(RegRendTrabajo& trabajo, RegApartadoJ& apartadoJ, int sujeto, double tope,
                            const std::function<bool()>& seguir);

// ---- the profile value of the preset ----
// The value of [Parametros] Autocarga that the shell read from the profile ("" when it has none).
const std::string& ValorAutocarga();
void PonerValorAutocarga(std::string_view valor);

}  // namespace renta
