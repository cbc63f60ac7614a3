// Page sources: one UTF-8 text per form page holding its catalogue row, its boxes (the box-definition columns and
// their texts in the four languages) and what the page picture shows around them. The format is described in
// docs/PAGINAS.md. Reading checks every value against the width and rules of the column it fills; laying out turns
// rows and columns into the box rectangles, so the tables and the picture come from the same positions.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Lienzo.h"

namespace paginas {

// The interface languages, Castilian first: the letter that names each twin table and picture.
inline constexpr std::array<char, 4> kIdiomas = {'e', 'c', 'g', 'v'};
inline constexpr int kNumIdiomas = static_cast<int>(kIdiomas.size());

// Page units of the box rectangles: the page view maps 1004 of them to the width of the page; an A4 page is 1420 high.
inline constexpr int kAnchoPagina = 1004;
inline constexpr int kAltoPagina = 1420;
// The picture draws in tenths of a page unit; its bounding box and units per inch make an A4 sheet.
inline constexpr int kEscalaDibujo = 10;
inline constexpr int kUnidadesPorPulgada = 1214;

// Where the flow of rows starts (below the page heading) and where it must end.
inline constexpr int kInicioFlujo = 82;
inline constexpr int kFinFlujo = 1396;
// Default sizes of the flow.
inline constexpr int kAltoFila = 30;
inline constexpr int kAltoCasilla = 22;
// The Internet field number of a box that is not written to the filing file.
inline constexpr int kInternetNoEscrito = 999;
inline constexpr int kAnchoNumero = 30;  // the cell of the printed box number, left of the box
inline constexpr int kHuecoNumero = 3;   // between that cell and the box
inline constexpr int kAltoEtiqueta = 11;  // character height of labels

// Widths of the columns (characters; the room of the program's record minus its terminating zero).
inline constexpr std::size_t kMaxTituloPagina = 50;
inline constexpr std::size_t kMaxFicheroDibujo = 60;
inline constexpr std::size_t kMinFicheroDibujo = 8;  // the program replaces its 5th and 8th characters
inline constexpr std::size_t kMaxIdentifica = 10;
inline constexpr std::size_t kMaxMascara = 15;
inline constexpr std::size_t kMaxFicheroTabla = 50;
inline constexpr std::size_t kMaxNombreVentana = 25;
inline constexpr std::size_t kMaxTituloVentana = 50;
inline constexpr std::size_t kMaxDescripcion = 79;

// A text in each language, Windows-1252. A language the source leaves out repeats the Castilian text.
using CTextos = std::array<std::optional<std::string>, kNumIdiomas>;

// The Castilian text when the language has none; empty when neither is written.
const std::string& TextoEn(const CTextos& textos, int idioma);

struct CCasilla {
  int numero = 0;
  int linea = 0;  // of the CASILLA line, for messages
  // Placement: a column of the page in the current row, or a free rectangle.
  std::string columna;
  bool libre = false;
  int ancho = 0;  // 0: from the picture
  int alto = 0;   // 0: the default
  plataforma::CRectangulo rect{};  // page units, set by laying out

  std::string mascara;  // StrValidac
  std::string identifica;
  std::string ficheroTabla;
  std::string nombreVentana;
  std::string fmInternet;
  int idInternet = 0;
  int ayuda = 0;  // NumeroDeCo
  bool soloLectura = false;
  bool admiteNegativos = false;
  int pintarEn = 0;

  std::string numeroImpreso;  // the number the picture prints beside the box
  CTextos etiqueta;           // the label the picture prints
  CTextos tituloVentana;      // TituloVent
  CTextos descripcion;        // TextoDibuj
};

struct CElemento {
  enum class Tipo { Seccion, Nota, Fila, Espacio, Raya };
  Tipo tipo = Tipo::Fila;
  int linea = 0;
  CTextos texto;
  int alto = 0;
  std::vector<int> casillas;  // box numbers of a row
  int y = 0;                  // top, set by laying out
};

struct CColumna {
  int izquierda = 0;
  int derecha = 0;
};

struct CPagina {
  std::string origen;  // the source's file name, for messages
  int id = 0;
  std::string nombre;
  int tipoDec = 0;
  std::string ficheroDibujo;  // FicheroWMF
  int lineaFichero = 0;
  CTextos titulo;
  CTextos impreso;  // the form's line at the top of the picture
  CTextos hoja;     // the sheet's line at the top right
  int como = 0;     // takes columns, flow and boxes from that page
  int lineaComo = 0;
  std::map<std::string, CColumna> columnas;
  std::vector<CElemento> elementos;
  std::vector<CCasilla> casillas;  // in box-number order once prepared
};

// Reads one page source. On a fault: false and "<origen>: línea N: what" in `error`.
bool LeePagina(std::string_view utf8, const std::string& origen, CPagina& pagina, std::string& error);

// Completes a set of pages read from their sources: copies the pages written "COMO" another, checks what needs the
// whole set (distinct ids and picture names, boxes numbered 1 to n) and lays every page out (box rectangles, rows,
// labels that fit). On a fault: false and the reason.
bool PreparaPaginas(std::vector<CPagina>& paginas, std::string& error);

// The picture's file name for a language: the catalogue's name with its 8th character replaced by the letter.
std::string NombreDibujo(const std::string& ficheroDibujo, char idioma);

// Checks a picture (StrValidac): type letter, n digits, optional "*" and one character m, optional "." and d;
// an 'R' picture may join a euro and a peseta form with "-". Empty text when sound, else what is wrong.
std::string CompruebaMascara(std::string_view mascara);

// The picture's n, m and d as the program reads them (n up to the first "." or "*").
struct CMascara {
  char letra = 0;
  int n = 0;
  int m = 0;
  int d = 0;
};
CMascara AnalizaMascara(std::string_view mascara);

// Estimated width in page units of a text of character height `alto` (Windows-1252): Arial's widths with room for
// the wider faces that stand in for it. Fixed widths, not the installed fonts, so layout is the same everywhere.
int AnchoTexto(std::string_view texto1252, int alto, bool negrita);

// Splits a label into at most `maxLineas` lines of at most `ancho` page units; none when it does not fit.
std::optional<std::vector<std::string>> PartirEtiqueta(std::string_view texto1252, int ancho, int alto,
                                                       int maxLineas);

// Where the label of a box may be written: from the column's left edge to the printed number (or the box).
struct CSitioEtiqueta {
  int izquierda = 0;
  int derecha = 0;
  int lineas = 1;
};
CSitioEtiqueta SitioEtiqueta(const CPagina& pagina, const CCasilla& casilla);

}  // namespace paginas
