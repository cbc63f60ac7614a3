// Spanish tax identification numbers (NIF of persons, CIF of entities, NIE of foreigners): normalisation of what
// the user typed into the nine-character form, and classification with the check of the control character.
#pragma once

#include <string>
#include <string_view>

namespace marco {

// Kinds and errors given by ClasificarNIF.
namespace TipoNIF {
inline constexpr int kSoloDigitos = 0;          // nine digits, no control letter
inline constexpr int kPersonal = 1;             // national identity number with its letter
inline constexpr int kLetraKLM = 2;             // K, L or M number
inline constexpr int kExtranjero = 3;           // foreigner's number, X in front
inline constexpr int kEntidadDigito = 20;       // entity with a control digit
inline constexpr int kEntidadLetra = 21;        // entity A-H or N with a control letter
inline constexpr int kEntidadPQS = 22;          // entity P, Q or S with a control letter

inline constexpr int kFormaNoReconocida = -1;   // letters where no kind has them
inline constexpr int kLongitud = -2;            // not nine characters
inline constexpr int kEnBlanco = -3;            // nine blanks
inline constexpr int kCaracterNoValido = -4;    // a character that is neither a NIF letter nor a digit
inline constexpr int kDemasiadasLetras = -5;    // a third letter
inline constexpr int kControlEntidad = -10;     // wrong control digit or letter of an entity
inline constexpr int kControlLetra = -11;       // wrong control letter of a person
inline constexpr int kProvinciaKLM = -13;       // positions 2-3 of a K, L or M number are not digits
inline constexpr int kDigitosSinCero = -20;     // digits only, the first one not '0'
inline constexpr int kDigitosRepetidos = -21;   // digits only, positions 2-9 all the same digit
}  // namespace TipoNIF

inline bool EsNIFPersonal(int tipo) {
  return tipo == TipoNIF::kPersonal || tipo == TipoNIF::kLetraKLM || tipo == TipoNIF::kExtranjero;
}
inline bool EsNIFEntidad(int tipo) {
  return tipo == TipoNIF::kEntidadDigito || tipo == TipoNIF::kEntidadLetra || tipo == TipoNIF::kEntidadPQS;
}

// The nine-character form of a typed number: its first nine characters (up to a NUL), upper case, inner blanks
// removed, right-aligned with leading zeros; a foreigner's X typed before fewer digits goes back in front
// ("x123456l" -> "X0123456L").
std::string NormalizarNIF(std::string_view origen);

// The steps of NormalizarNIF, in place.
// Lower-case NIF letters become upper case; 'o', 'u' and 'ñ' stay as they are (they are not NIF letters).
void MayusculasNIF(std::string& texto);
// Every blank followed somewhere by a character that is not a blank is removed; blanks are added at the end so
// the length stays the same.
void QuitarBlancosInternos(std::string& texto);
// The trailing blanks move to the front.
void AlinearDerecha(std::string& texto);

// The kind of a normalised nine-character number, or a negative error (TipoNIF). The text ends at a NUL.
int ClasificarNIF(std::string_view nif);

}  // namespace marco
