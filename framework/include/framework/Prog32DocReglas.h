// The rules of the declaration document that need no window and no table: the page catalogue's key and picture
// name, page navigation by code, the key a stored declaration is sought by, the commands the document refuses.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace marco {

// Declaration types (the stored "tipodec").
inline constexpr int kTipoDecSimplificada = 1;  // D-101
inline constexpr int kTipoDecOrdinaria = 2;     // D-100
inline constexpr int kTipoDecPatrimonio = 3;    // D-714
inline constexpr int kTipoDecSinElegir = 0xFF;  // not chosen yet

// Navigation codes of NavegarPagina; any other number n means the n-th page.
inline constexpr int kNavegarPrimera = 1;
inline constexpr int kNavegarSiguiente = 80;
inline constexpr int kNavegarAnterior = 90;
inline constexpr int kNavegarUltima = 99;

// The catalogue key of a page: its id right-aligned in four characters ("  13", " 222").
std::string ClavePagina(int idPagina);

// The picture file of a catalogue row as a declaration shows it: page " 222" of a D-101 declaration takes the
// picture of the simplified form (fifth character '1'), and every picture takes the interface language letter as
// its eighth character. Trailing blanks of the stored name are dropped; a name too short for a position is left
// as it is there.
std::string NombreImagenPagina(std::string_view fichero, std::string_view clavePagina, int tipoDec, char idioma);

// The base folder + the picture file; a separator is put between them when the folder lacks one.
std::string RutaImagenPagina(std::string_view dirBase, std::string_view fichero);

// The page index after a navigation code, for a list whose indices run 0 to `ultima`: 1 the first, 80 the next
// (unless at the last), 90 the previous (unless at the first), 99 the last, any other n the index n - 1 when it is
// in the list; otherwise the index stays.
int IndiceNavegacion(int codigo, int actual, int ultima);

// The same over a list where some pages may be missing (`disponible`(i) false: the page's class is not in the
// program): the first and the last go to the first and the last page there is, the next and the previous to the
// nearest page there is in their direction (the index stays when there is none), and a chosen page n only when it is
// there. The index stays, too, when the chosen page is missing; the caller tells the user.
int IndiceNavegacion(int codigo, int actual, int ultima, const std::function<bool(int)>& disponible);

// The key a declaration is sought by in the store: the key (up to its first NUL) blank-padded or cut to the
// width of the stored key field, so that "PEPE" never finds "PEPEX".
std::string ClaveBusquedaDeclaracion(std::string_view clave, int ancho);

// The command the declaration document never handles (it leaves it to the window that has it).
inline constexpr int kComandoRechazado = 1;
inline bool AtiendeComando(int id) { return id != kComandoRechazado; }

}  // namespace marco
