// The lookup tables of the list and code boxes and their catalogue "Tablas" in the local database.
//
// A box names its lookup table in FicheroTab ("COMAUTOE.TAB"); which columns of that table give the entry text,
// the key, the value handed back and the filter is not in the box but in the catalogue row of the same name. A
// lookup table has one twin per language: its eighth character is the language letter.
//
// The link of a list or code box (CCampo::Enlace) is an SEnlaceTabla: where the chosen key (or the description
// found) is written, and the text whose first characters filter the list or prefix the code. Both carry their
// widths, so nothing is written or read past them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace plataforma {
class CTablaRegistros;
}  // namespace plataforma

namespace marco {

class CBaseDatos;
class CCampo;

inline constexpr std::string_view kTablaCatalogo = "Tablas";
// The lookup table whose list may be filtered by an empty value.
inline constexpr std::string_view kTablaEpigrafes = "EPIGRAFE";

// Room of the catalogue's texts as the boxes read them (terminator included).
inline constexpr std::size_t kRoomNombreCatalogo = 52;   // NomTabla, NomOrden, CamClave
inline constexpr std::size_t kRoomColumnaCatalogo = 256;  // CamDescr, CamDescr2, CamDevol, CamFiltro
// Room of the values a list reads from its lookup table (terminator included).
inline constexpr std::size_t kRoomValorTabla = 256;

// The link of a list or code box.
struct SEnlaceTabla {
  char* destino = nullptr;  // the chosen key, or the description found, written blank-padded
  std::size_t anchoDestino = 0;
  const char* filtro = nullptr;  // the text whose first characters filter the list or prefix the code
  std::size_t anchoFiltro = 0;
  // The destination is the list box's own value and the value is the key (a region code chosen from the list of
  // regions): the box shows and keeps the key, not the description (CListaEdit).
  bool guardaClave = false;

  bool TieneDestino() const { return destino != nullptr && anchoDestino > 0; }
  bool TieneFiltro() const { return filtro != nullptr; }
  // The first `n` characters of the filter text (fewer when it is narrower); empty without one.
  std::string PrimerosFiltro(std::size_t n) const;
  // Writes `valor` into the destination, cut or blank-padded to its width; nothing without one.
  void EscribirDestino(std::string_view valor) const;
};

// The link of a box, when it has one.
SEnlaceTabla* EnlaceTablaDe(const CCampo& campo);

// One row of the catalogue, as a box keeps it (column names with their trailing blanks removed).
struct SDefinicionTabla {
  bool encontrada = false;
  std::string NomTabla;  // cut at its first "." and with its eighth character upper-cased
  std::string NomOrden;
  std::string CamClave;
  std::string CamDescr;
  std::string CamDescr2;
  std::string CamDevol;
  std::string CamFiltro;
  std::int32_t ordenada = 0;  // 1: the list follows the table's first order; any nonzero value counts as 1
  std::int32_t Cortar = 0;    // 1: the key, not the description, is compared and handed back

  // The key column: the part after the first "+" of a compound key.
  std::string ColumnaClave() const;
  // Entries show "description (key)" and the type-ahead is off.
  bool ConDescripcion2() const { return !CamDescr2.empty(); }
  bool ConFiltro() const { return !CamFiltro.empty(); }
  // The catalogue row is the one of the activity headings.
  bool EsEpigrafes() const;
};

// A table name up to its first "." (all of it when there is none).
std::string NombreSinExtension(std::string_view nombre);
// The lookup table a box opens: its FicheroTab up to the first "." with the eighth character (when there is
// one) replaced by the interface language letter.
std::string NombreTablaConsulta(std::string_view ficheroTab, char idioma);
// A catalogue column as a box keeps it: cut to room - 1 characters, trailing blanks removed.
std::string ColumnaCatalogo(std::string_view valor, std::size_t room);
// The column after the first "+" of a compound key (all of it without one).
std::string ColumnaDeClave(std::string_view camClave);

// Looks the catalogue row of `ficheroTab` up in "Tablas" of `baseDatos` (names without regard to case). With
// `conCortar` false the "Cortar" column is not read. A missing catalogue, or no matching row, gives a definition
// with encontrada false and every column empty.
SDefinicionTabla LeerDefinicionTabla(CBaseDatos* baseDatos, std::string_view ficheroTab, bool conCortar = true);

// A text value of the current row of a table as a list reads it: empty for a blank or unknown column name, cut
// to room - 1 characters, blank-padded as stored.
std::string LeerValorTabla(plataforma::CTablaRegistros& tabla, std::string_view columna,
                           std::size_t room = kRoomValorTabla);

// The whole key of the current row, as a seek in the order named by the key column compares it: that order's key
// expression ("deleg+codigo": an administration by its delegation and its own code), or the key column itself
// when the table has no order of that name.
std::string ClaveDeFila(plataforma::CTablaRegistros& tabla, const SDefinicionTabla& definicion);

}  // namespace marco
