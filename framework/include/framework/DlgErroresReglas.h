// Rules of the findings list "Avisos y errores" without any window: its control ids, pictures and texts, how one
// finding becomes a row of the list, what the buttons and the hint statics say once the list is filled, where the
// controls go when the window is resized, and where the findings and their message texts are read from.
//
// The dialog class (DlgErrores.h) applies these rules to its window; tests drive them directly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Hallazgos.h"
#include "framework/TemplateDlgReglas.h"

namespace marco {

class CBaseDatos;
class CGridModelo;

// ---- control ids ----
inline constexpr int kIdListaAvisos = 1004;          // the grid
inline constexpr int kIdImprimirDeclaracion = 1000;  // "&Imprimir", or "Escribir" in file mode
inline constexpr int kIdImprimirLista = 1001;        // "Imprimir &Errores"
inline constexpr int kIdRevisar = 5;                 // "&Revisar"
inline constexpr int kIdValidacionDetallada = 1113;  // "&Validación detallada"
inline constexpr int kIdCancelarAvisos = 2;          // "&Cancelar"
inline constexpr int kIdImagenAvisos = 1140;         // the warning picture beside "Avisos"
inline constexpr int kIdImagenErrores = 1141;        // the error picture beside "Errores"
inline constexpr int kIdTextoSeleccion = 1376;       // the hint to pick a finding and press "&Revisar"
inline constexpr int kIdTextoVeredicto = 1377;       // whether the declaration may be printed (filed)
inline constexpr int kIdTextoNotaAvisos = 1378;      // the advice to look at the warnings
inline constexpr int kIdTextoAvisos = 1379;          // "Avisos"
inline constexpr int kIdTextoErrores = 1380;         // "Errores"

// ---- results of the dialog ----
inline constexpr int kResultadoIrAAviso = 1;  // IDOK: after going to a box or printing from the dialog
inline constexpr int kResultadoCancelar = 2;  // IDCANCEL
inline constexpr int kResultadoEscribir = 6;  // IDYES: "Escribir" in file mode, the caller writes the file

// ---- pictures (the program's pictures, 32 x 32 for the buttons) ----
inline constexpr int kIconoDlgErrores = 137;
inline constexpr int kImagenBotonCancelarAvisos = 142;
inline constexpr int kImagenBotonImprimir = 149;
inline constexpr int kImagenBotonEscribir = 214;
inline constexpr int kImagenBotonImprimirLista = 185;
inline constexpr int kImagenBotonRevisar = 150;
inline constexpr int kImagenBotonValidacion = 186;
// The strip of the list's pictures: 16 pixels wide each, white transparent; 0 a warning, 1 an error.
inline constexpr int kTiraImagenesAvisos = 145;
inline constexpr int kAnchoImagenAviso = 16;
inline constexpr int kImagenAviso = 0;
inline constexpr int kImagenError = 1;

// ---- the grid ----
inline constexpr int kFilasInicialesAvisos = 100;
inline constexpr int kFilasAnadidasAvisos = 10;
inline constexpr int kColumnasAvisos = 2;
inline constexpr int kAnchoColumnaCodigo = 80;
inline constexpr int kAnchoColumnaDescripcion = 675;
inline constexpr std::uint32_t kFondoListaAvisos = 0xE0FFFF;  // RGB(255, 255, 224) as 0x00BBGGRR
inline constexpr unsigned kMascaraCabeceraAvisos = 0x41;      // text and format
inline constexpr unsigned kFormatoCabeceraAvisos = 0x11;      // centred, word break
inline constexpr unsigned kFormatoTextoUnaLinea = 0x8024;     // end ellipsis, single line, vertically centred
inline constexpr unsigned kFormatoTextoVariasLineas = 0x8020;  // end ellipsis, single line

// ---- texts (Windows-1252) ----
inline constexpr std::string_view kTituloDlgErrores = "Avisos y errores";
inline constexpr std::string_view kCabeceraCodigo = "Tipo de error";
inline constexpr std::string_view kCabeceraDescripcion = "Descripci\xF3n";
inline constexpr std::string_view kTextoSeleccioneAviso = "Seleccione primero el aviso que quiere editar";
inline constexpr std::string_view kTextoSinMemoria = "No hay memoria suficiente para completar la lista de avisos.";

// The resource strings the list uses: 209, 210, 214, 215 and 219; empty for any other number.
inline constexpr int kCadenaPuedeImprimir = 209;
inline constexpr int kCadenaRevisarAvisos = 210;
inline constexpr int kCadenaPuedeEscribir = 214;
inline constexpr int kCadenaNoPuedeEscribir = 215;
inline constexpr int kCadenaEscribir = 219;
std::string_view TextoCadenaAvisos(int cadena);

// The texts the window starts with, before the list is filled (empty for the ids that have none).
std::string_view TextoInicialAvisos(int id);

// ---- one row of the list ----
struct SFilaAviso {
  std::string codigo;
  int imagen = kImagenAviso;
  std::string texto;      // the message text with its "\n" markers, trailing blanks removed; empty when missing
  unsigned formato = kFormatoTextoUnaLinea;
  int lineas = 1;         // the row is this many default heights high
};

// How many two-character markers backslash-n a text holds.
int ContarSaltosMarcados(std::string_view texto);
// The row of a finding with the text the message table has for its code (none: the text cell stays empty).
// Every severity above 0 is an error.
SFilaAviso FilaDeAviso(const SHallazgo& hallazgo, const std::optional<std::string>& texto);

// ---- what the window shows once the list is filled ----
struct SEstadoAvisos {
  bool imprimirHabilitado = false;  // button 1000
  bool revisarHabilitado = false;   // button 5
  std::string textoSeleccion;       // 1376
  std::string textoVeredicto;       // 1377
  std::string textoNotaAvisos;      // 1378
  std::string textoAvisos;          // 1379
  std::string textoErrores;         // 1380
  bool imagenAvisosVisible = true;  // 1140
  bool imagenErroresVisible = true;  // 1141
  std::string leyendaImprimir;      // caption of 1000
  int imagenImprimir = kImagenBotonImprimir;
};

// The state after a fill: `hallazgos` rows listed, `hayErrores` when one of them is an error, `leidos` false when
// the findings could not be read (then nothing says the declaration may be printed), `navegacion` the dialog's
// navigation flag, `modoFichero` its file mode. The texts depend on the findings only, never on whether the
// buttons are enabled.
SEstadoAvisos EstadoAvisos(int hallazgos, bool hayErrores, bool leidos, bool navegacion, bool modoFichero);

// ---- the grid ----
// Sets the grid up as the list wants it before the first fill: no selection, no editing, no list mode, the focus
// cell unmarked, the pale yellow background, 100 rows, 2 columns, 1 fixed row, no fixed column, the two headings
// and their widths.
void PrepararListaAvisos(CGridModelo& grid);
// Puts one row into the grid (every cell attribute of the row, so a list filled again shows nothing of the last
// fill).
void PonerFilaAviso(CGridModelo& grid, int fila, const SFilaAviso& aviso);
// The row the user chose: the first row of the selection, else the focus cell's row; -1 when none is a row of
// findings.
int FilaElegida(const CGridModelo& grid);

// ---- resizing ----
// Where a control goes when the client area changed by (dx, dy): every control moves by it; the grid grows
// instead, in each direction only while it stays at least 21 pixels there.
inline constexpr int kMinimoGridAvisos = 21;
SRectDialogo RecolocarControlAvisos(const SRectDialogo& rect, int dx, int dy, bool esGrid);

// ---- where the list reads from ----
class CFuenteAvisos {
 public:
  virtual ~CFuenteAvisos() = default;
  // The findings of a declaration, in code order; false when they could not be read.
  virtual bool LeerHallazgos(std::string_view clave, std::vector<SHallazgo>& hallazgos) = 0;
  // The message text of each code in the interface language (none for a code the table lacks), in one pass.
  virtual std::vector<std::optional<std::string>> TextosMensajes(const std::vector<std::string>& codigos) = 0;
  // One finding of a declaration: 1 found.
  virtual int BuscarHallazgo(std::string_view clave, std::string_view codigo, SHallazgo& hallazgo) = 0;
};

// The program's: "Corregix" of the network database and the message table of the interface language
// ("ERRORESX" with the language letter in its eighth place) of the local database. Null databases: the program's
// two.
class CFuenteAvisosTablas final : public CFuenteAvisos {
 public:
  explicit CFuenteAvisosTablas(CBaseDatos* red = nullptr, CBaseDatos* local = nullptr);
  bool LeerHallazgos(std::string_view clave, std::vector<SHallazgo>& hallazgos) override;
  std::vector<std::optional<std::string>> TextosMensajes(const std::vector<std::string>& codigos) override;
  int BuscarHallazgo(std::string_view clave, std::string_view codigo, SHallazgo& hallazgo) override;

 private:
  CBaseDatos* Red() const;
  CBaseDatos* Local() const;
  CBaseDatos* m_pRed;
  CBaseDatos* m_pLocal;
};

}  // namespace marco
