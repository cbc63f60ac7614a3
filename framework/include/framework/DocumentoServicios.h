// What the declaration documents share with the rest of the program: the base folder of the page pictures, the
// configured zoom, the program-wide status letter, the open declaration document, and the person shown and the
// persons present of the open income-tax declaration.
//
// The shell fills the texts from the profile at start-up; the documents publish the rest while they are open.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace marco {

class CProg32Doc;

// The base folder (profile [Directorios] DirBase); the page picture path is this folder + the catalogue's file.
const std::string& DirBase();
void PonerDirBase(std::string_view directorio);

// The zoom text (profile [Aspecto] Zoom, "1.0" by default); the page view writes it back with two decimals.
const std::string& ZoomTexto();
// An empty text sets the default "1.0" again.
void PonerZoomTexto(std::string_view zoom);
// The zoom text as a number ("." or "," before the decimals); 1.0 when it does not read as a positive number.
double ZoomConfigurado();

// The program-wide status letter: 'P' while an open document holds the lock on its stored declaration row,
// '\0' otherwise.
char LetraEstadoPrograma();
void PonerLetraEstadoPrograma(char letra);

// The open declaration document: the first document of the first document template that has one, when it is a
// declaration document; none without a document manager or without documents.
CProg32Doc* DameDocumentoActivo();

// Person codes of an income-tax declaration.
inline constexpr std::int32_t kSujetoUnidadFamiliar = 1;
inline constexpr std::int32_t kSujetoDeclarante = 2;
inline constexpr std::int32_t kSujetoConyuge = 3;
inline constexpr std::int32_t kSujetoHijo1 = 4;
inline constexpr std::int32_t kSujetoHijo2 = 5;

// The open income-tax document publishes where it keeps the person shown and the five presence flags (indexed by
// person code - 1); null when it closes. The pointed values must live as long as they are published.
void PublicarSujetoActual(const std::int32_t* sujetoActual);
void PublicarSujetosPresentes(const std::int32_t* sujetosPresentes);
// Nonzero when the member (person code 1 to 5) is present in the open income-tax declaration; 0 otherwise or
// without one.
std::int32_t DameSujetoPresente(std::int32_t codigo);
// The person shown, 0 without an open income-tax document.
std::int32_t DameSujetoActual();
// 1 when the spouse or the first child is present, 0 otherwise or without an open income-tax document.
int HayConyugeOHijo();

}  // namespace marco
