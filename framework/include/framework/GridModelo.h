// The grid's model: the cells of a table with fixed (heading) rows and columns, their sizes and attributes, the
// focus cell and the selection, scrolling arithmetic over a client area, the keyboard, copying, cutting and
// pasting as text, sorting, fitting sizes to the area and to the contents, the drop mark, the in-place edit rules
// and the colours that follow the system. No window code: the window class `CGridCtrl` forwards its events here and
// paints what this says; tests drive it without a display.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Lienzo.h"

namespace marco {

// Cell state bits.
inline constexpr unsigned kGvisFoco = 0x01;
inline constexpr unsigned kGvisSeleccionada = 0x02;
inline constexpr unsigned kGvisMarcaSoltar = 0x04;
inline constexpr unsigned kGvisSoloLectura = 0x08;

// Mask bits of an item record: which fields `PonCelda` copies. Any mask of 0x80 or more copies the font.
inline constexpr unsigned kGvifTexto = 0x01;
inline constexpr unsigned kGvifImagen = 0x02;
inline constexpr unsigned kGvifParametro = 0x04;
inline constexpr unsigned kGvifEstado = 0x08;
inline constexpr unsigned kGvifFondo = 0x10;
inline constexpr unsigned kGvifColorTexto = 0x20;
inline constexpr unsigned kGvifFormato = 0x40;
inline constexpr unsigned kGvifFuente = 0x80;

// Text-drawing flags of a cell's format.
inline constexpr unsigned kDtCentro = 0x0001;
inline constexpr unsigned kDtDerecha = 0x0002;
inline constexpr unsigned kDtCentroVertical = 0x0004;
inline constexpr unsigned kDtAbajo = 0x0008;
inline constexpr unsigned kDtSaltoPalabra = 0x0010;
inline constexpr unsigned kDtLineaUnica = 0x0020;
inline constexpr unsigned kDtSinRecorte = 0x0100;
inline constexpr unsigned kDtSinPrefijo = 0x0800;
inline constexpr unsigned kDtElipsisFinal = 0x8000;

// Notification codes to the parent.
inline constexpr int kGvnAntesCambioFoco = -104;
inline constexpr int kGvnCambioFoco = -103;
inline constexpr int kGvnInicioEdicion = -105;
inline constexpr int kGvnFinEdicion = -106;
inline constexpr int kGvnInicioArrastre = -109;

// The message number a double click sends to the parent, and the auto-scroll timer.
inline constexpr int kMensajeDobleClicGrid = 0x400 + 12;
inline constexpr int kTemporizadorAutoDesplazamiento = 513;
inline constexpr int kIntervaloAutoDesplazamiento = 25;  // ms

// A cell colour that means "the grid's default".
inline constexpr std::uint32_t kColorDefecto = 0xFF000000u;
// The wheel setting that scrolls a page per notch.
inline constexpr int kRuedaPagina = -1;
// Width (pixels) within which a press counts as being on a row or column border.
inline constexpr int kMargenBorde = 3;
// Vertical step between the pieces of a cell text split by the two-character marker backslash-n.
inline constexpr int kPasoLineaMarcador = 14;

struct CGridCelda {
  unsigned nEstado = 0;
  unsigned nFormato = 0;
  std::string strTexto;  // Windows-1252
  int nImagen = -1;
  std::uint32_t crFondo = kColorDefecto;
  std::uint32_t crTexto = kColorDefecto;
  std::int32_t lParam = 0;
  plataforma::CFuente fuente;
};

// The item record of `PonCelda`.
struct SGridItem {
  int fila = 0;
  int columna = 0;
  unsigned mascara = 0;
  unsigned estado = 0;
  unsigned formato = 0;
  std::string texto;
  int imagen = -1;
  std::uint32_t crFondo = kColorDefecto;
  std::uint32_t crTexto = kColorDefecto;
  std::int32_t lParam = 0;
  plataforma::CFuente fuente;
};

struct SCeldaId {
  int fila = -1;
  int columna = -1;
  bool Valida() const { return fila >= 0 && columna >= 0; }
  friend bool operator==(const SCeldaId&, const SCeldaId&) = default;
};

// A block of cells, both corners included; -1 everywhere when there is none.
struct SRangoCeldas {
  int fila1 = -1;
  int columna1 = -1;
  int fila2 = -1;
  int columna2 = -1;
  bool Valido() const { return fila1 >= 0 && columna1 >= 0 && fila2 >= fila1 && columna2 >= columna1; }
  bool Contiene(int f, int c) const { return Valido() && f >= fila1 && f <= fila2 && c >= columna1 && c <= columna2; }
  friend bool operator==(const SRangoCeldas&, const SRangoCeldas&) = default;
};

// The system colours the grid starts from and follows (0x00BBGGRR).
struct SColoresGrid {
  std::uint32_t ventana = 0xFFFFFF;
  std::uint32_t textoVentana = 0x000000;
  std::uint32_t caraBoton = 0xC0C0C0;
  std::uint32_t sombraBoton = 0x808080;
  std::uint32_t luzBoton = 0xFFFFFF;       // 3-D highlight
  std::uint32_t claroBoton = 0xDFDFDF;     // 3-D light
  std::uint32_t sombraOscura = 0x404040;   // 3-D dark shadow
  std::uint32_t resalte = 0x800000;        // selected cells
  std::uint32_t textoResalte = 0xFFFFFF;
};

// Measures texts in a font (logical units of the font's own size). The window and the tests give one backed by a
// drawing canvas; `CMedidorLienzo` is that one.
class IMedidorTexto {
 public:
  virtual ~IMedidorTexto() = default;
  virtual plataforma::CTamano Medir(std::string_view texto1252, const plataforma::CFuente& fuente) = 0;
};

class CMedidorLienzo final : public IMedidorTexto {
 public:
  CMedidorLienzo();
  plataforma::CTamano Medir(std::string_view texto1252, const plataforma::CFuente& fuente) override;

 private:
  plataforma::CLienzo m_lienzo;
};

// The width of an average character of a font: the width of the 52 letters of the alphabet (as the program has
// always measured them) divided by 52.
int AnchoMedioCaracter(IMedidorTexto& medidor, const plataforma::CFuente& fuente);

// Keys the grid and its in-place editor know.
enum class ETeclaGrid {
  Otra,
  Arriba,
  Abajo,
  Izquierda,
  Derecha,
  RePag,
  AvPag,
  Inicio,
  Fin,
  Tab,
  Intro,
  Escape,
  Suprimir,
  Retroceso,
  Espacio,
};

enum class EBarra { Vertical, Horizontal };
enum class EDesplazamiento { LineaArriba, LineaAbajo, PaginaArriba, PaginaAbajo, Pulgar, Principio, Final };

// What a key did in the grid.
struct SResultadoTecla {
  bool procesada = false;     // false: the key goes on to default processing
  bool copiar = false;        // the window copies `TextoCopia` to the clipboard
  bool pegar = false;         // the window pastes the clipboard text
  bool cortar = false;        // the window copies, then the grid empties the selection (`Cortar`)
  bool repintar = false;
};

// How the in-place editor starts.
enum class EInicioEdicion { CaretAlFinal, SeleccionarTodo, Reemplazar };
struct SInicioEdicion {
  EInicioEdicion modo = EInicioEdicion::CaretAlFinal;
  bool flechasTerminan = false;  // started by a key: arrows and pages end the edit
  std::string texto;             // the text the editor shows first (Windows-1252)
};
// A start key of `ETeclaGrid::Otra` with `caracter` set is a typed character; `porRaton` wins over both.
SInicioEdicion ReglaInicioEdicion(std::string_view textoCelda, bool porRaton, ETeclaGrid tecla, char caracter);
// Whether a key ends the in-place editor; `restaurar` tells that the text goes back to the one it started with.
struct SFinEdicion {
  bool termina = false;
  bool restaurar = false;
  bool moverFoco = false;  // the grid moves its focus cell by that key afterwards
};
SFinEdicion ReglaTeclaEdicion(ETeclaGrid tecla, bool ctrl, bool flechasTerminan);
// The same for the in-place list editor. In its edit part the arrows and pages work in the text unless Ctrl is
// held (then they go to the list); in the list they move the choice unless the editor was started by a key or Ctrl
// is held, and then they end it, remembered for the grid to move on. Escape puts the starting text back; Tab, Enter
// and Escape end it.
SFinEdicion ReglaTeclaLista(ETeclaGrid tecla, bool ctrl, bool iniciadoPorTecla, bool enParteEdicion);
// The entry an Up or Down that stays in the list editor chooses: the one after (Down) or before (Up) the entry
// whose text the editor shows, staying at the ends; from a text that is no entry, Down the first and Up the last.
// -1 for any other key or an empty list.
int EntradaListaTrasTecla(const std::vector<std::string>& opciones, std::string_view texto, ETeclaGrid tecla);
// The editor's width while typing: the text plus 5 pixels, not past the grid's client edge, never narrower than
// the cell.
int AnchoEditor(int anchoTexto, int izquierdaCelda, int anchoCelda, int anchoCliente);

// Splits a clipboard text into rows (line feeds, a carriage return before one is dropped) and cells (tabs). A
// final line feed does not make an empty last row.
std::vector<std::vector<std::string>> PartirTextoPegado(std::string_view texto);

class CGridModelo {
 public:
  using FnAviso = std::function<void(int codigo, int fila, int columna)>;

  CGridModelo(int filas = 0, int columnas = 0, int filasFijas = 0, int columnasFijas = 0,
              const SColoresGrid& sistema = {});

  // Where notifications go (-104, -103, -105, -106, -109).
  void PonAviso(FnAviso aviso) { m_fnAviso = std::move(aviso); }

  // ---- size of the grid
  int DameNumeroFilas() const { return m_nFilas; }
  int DameNumeroColumnas() const { return m_nColumnas; }
  int DameFilasFijas() const { return m_nFilasFijas; }
  int DameColumnasFijas() const { return m_nColumnasFijas; }
  int PonNumeroFilas(int filas);
  int PonNumeroColumnas(int columnas);
  int PonFilasFijas(int filas);
  int PonColumnasFijas(int columnas);
  int InsertarFila(std::string_view texto, int posicion = -1);

  // ---- cells
  bool EsCeldaValida(int fila, int columna) const;
  bool EsCeldaFija(int fila, int columna) const { return fila < m_nFilasFijas || columna < m_nColumnasFijas; }
  const CGridCelda* Celda(int fila, int columna) const;
  int PonCelda(const SGridItem& item);
  int DameCelda(SGridItem& item) const;  // fills the masked fields of the cell the record names
  int PonTextoCelda(int fila, int columna, std::string_view texto);
  std::string DameTextoCelda(int fila, int columna) const;
  // The text a cell shows (Windows-1252): a heading (a cell of the fixed rows) is a fixed text of the program and
  // shows in the interface language, on screen and on paper; every other cell shows its text as it is.
  std::string TextoMostradoCelda(int fila, int columna) const;
  int PonImagenCelda(int fila, int columna, int imagen);
  int PonFormatoCelda(int fila, int columna, unsigned formato);
  int PonFuenteCelda(int fila, int columna, const plataforma::CFuente& fuente);
  int DameFuenteCelda(int fila, int columna, plataforma::CFuente& fuente) const;
  int PonEstadoCelda(int fila, int columna, unsigned estado);
  unsigned DameEstadoCelda(int fila, int columna) const;
  int PonParametroCelda(int fila, int columna, std::int32_t parametro);
  int PonColoresCelda(int fila, int columna, std::uint32_t fondo, std::uint32_t texto);
  // Editable: editing enabled and the cell neither fixed nor read-only.
  bool EsCeldaEditable(int fila, int columna) const;

  // ---- row heights and column widths (negative sizes are refused)
  int PonAltoFila(int fila, int alto);
  int DameAltoFila(int fila) const;
  int PonAnchoColumna(int columna, int ancho);
  int DameAnchoColumna(int columna) const;
  int AltoFijo() const;
  int AnchoFijo() const;
  int AltoTotal() const;
  int AnchoTotal() const;
  int DameAltoDefecto() const { return m_nAltoDefecto; }
  int DameAnchoDefecto() const { return m_nAnchoDefecto; }
  int DameMargen() const { return m_nMargen; }

  // The grid's font: every cell takes it, then the margin and the default sizes are measured in it.
  void PonFuente(const plataforma::CFuente& fuente, IMedidorTexto& medidor);
  const plataforma::CFuente& DameFuente() const { return m_fuente; }

  // A cell's extent: its text's (in the cell's font; fixed cells at weight 600; pieces split by the marker stacked
  // 14 pixels apart) plus twice the margin, with the image when the grid has images.
  plataforma::CTamano ExtensionCelda(int fila, int columna, IMedidorTexto& medidor) const;
  int AutoAjustarColumna(int columna, IMedidorTexto& medidor);  // widest cell of all rows
  int AutoAjustarFila(int fila, IMedidorTexto& medidor);        // tallest cell of all columns
  // Spread the spare client width (height) over every column (row).
  void AjustarColumnas();
  void AjustarFilas();
  void AjustarAlArea();

  // ---- attributes
  std::uint32_t DameColorTextoDefecto() const { return m_crTexto; }
  std::uint32_t DameColorFondoDefecto() const { return m_crFondo; }
  std::uint32_t DameColorTextoFijo() const { return m_crTextoFijo; }
  std::uint32_t DameColorFondoFijo() const { return m_crFondoFijo; }
  std::uint32_t DameColorLineas() const { return m_crLineas; }
  std::uint32_t DameColorExterior() const { return m_crExterior; }
  void PonColorTextoDefecto(std::uint32_t c) { m_crTexto = c; }
  void PonColorFondoDefecto(std::uint32_t c) { m_crFondo = c; }
  void PonColorTextoFijo(std::uint32_t c) { m_crTextoFijo = c; }
  void PonColorFondoFijo(std::uint32_t c) { m_crFondoFijo = c; }
  void PonColorLineas(std::uint32_t c) { m_crLineas = c; }
  void PonColorExterior(std::uint32_t c) { m_crExterior = c; }
  const SColoresGrid& DameColoresSistema() const { return m_sistema; }
  // A change of the system colours: every grid colour still equal to the system colour it came from follows.
  void CambioColoresSistema(const SColoresGrid& nuevos);

  int DameLineas() const { return m_nLineas; }  // 0 none, 1 horizontal, 2 vertical, 3 both
  void PonLineas(int lineas) { m_nLineas = lineas & 3; }
  bool DameEditable() const { return m_bEditable; }
  void PonEditable(bool b) { m_bEditable = b; }
  bool DameModoLista() const { return m_bModoLista; }
  void PonModoLista(bool b) { m_bModoLista = b; }
  bool DameOrdenarCabecera() const { return m_bOrdenarCabecera; }
  void PonOrdenarCabecera(bool b) { m_bOrdenarCabecera = b; }
  // The further flag the program's dialogs switch off: whether the focus cell is shown marked (framed).
  bool DameMarcarFoco() const { return m_bMarcarFoco; }
  void PonMarcarFoco(bool b) { m_bMarcarFoco = b; }
  bool DameArrastreHabilitado() const { return m_bArrastre; }
  void PonArrastreHabilitado(bool b) { m_bArrastre = b; }
  bool DameSoltarPermitido() const { return m_bSoltar; }
  void PonSoltarPermitido(bool b) { m_bSoltar = b; }
  bool DameRedimensionarFilas() const { return m_bRedimFilas; }
  void PonRedimensionarFilas(bool b) { m_bRedimFilas = b; }
  bool DameRedimensionarColumnas() const { return m_bRedimColumnas; }
  void PonRedimensionarColumnas(bool b) { m_bRedimColumnas = b; }
  bool DameSeleccionHabilitada() const { return m_bSeleccion; }
  void PonSeleccionHabilitada(bool b) { m_bSeleccion = b; }
  bool DameTabPropio() const { return m_bTabPropio; }
  void PonTabPropio(bool b) { m_bTabPropio = b; }
  bool DameModificado() const { return m_bModificado; }
  void PonModificado(bool b) { m_bModificado = b; }
  // The image list: the size of its pictures (0 x 0 when the grid has none).
  void PonTamanoImagenes(int ancho, int alto, int cuantas);
  bool TieneImagenes() const { return m_nImagenes > 0; }
  int DameAnchoImagen() const { return m_nAnchoImagen; }
  int DameAltoImagen() const { return m_nAltoImagen; }
  bool TieneImagen(int fila, int columna) const;
  int DameLineasRueda() const { return m_nLineasRueda; }
  void PonLineasRueda(int lineas) { m_nLineasRueda = lineas; }

  // ---- focus and selection
  int PonCeldaFoco(int fila, int columna);  // (-1, -1) drops it
  SCeldaId DameCeldaFoco() const { return m_foco; }
  int PonRangoSeleccion(int fila1, int columna1, int fila2, int columna2);
  void QuitarSeleccion();
  // The smallest block holding every selected cell.
  SRangoCeldas DameRangoSeleccion() const;
  bool EstaSeleccionada(int fila, int columna) const;
  void SeleccionarTodo();
  // Selecting from an anchor: the shape follows the mode (cells, whole rows or whole columns); with `conservar`
  // the cells selected when it began stay selected.
  enum class EFormaSeleccion { Celdas, Filas, Columnas };
  void EmpezarSeleccion(SCeldaId ancla, EFormaSeleccion forma, bool conservar);
  void ExtenderSeleccion(SCeldaId hasta);
  SCeldaId DameAncla() const { return m_ancla; }
  void PonAncla(SCeldaId ancla) { m_ancla = ancla; }
  // Moves the focus cell with the notifications before and after; `extender` extends the selection from the
  // anchor, else the new cell becomes the anchor. The cell is scrolled into view.
  void MoverFoco(SCeldaId nueva, bool extender);

  // ---- client area and scrolling
  void PonTamanoCliente(int ancho, int alto);
  int DameAnchoCliente() const { return m_nAnchoCliente; }
  int DameAltoCliente() const { return m_nAltoCliente; }
  // The largest scroll values (scroll bar ranges): total size of the non-fixed rows (columns) minus 1 when they do
  // not fit, else 0.
  int RangoVertical() const;
  int RangoHorizontal() const;
  // The room for non-fixed rows (columns): the scroll bars' page.
  int PaginaVertical() const;
  int PaginaHorizontal() const;
  // The farthest position a scroll can reach: the total less the room, never below 0.
  int PosicionMaxima(EBarra barra) const;
  int DamePosicion(EBarra barra) const { return barra == EBarra::Vertical ? m_nPosV : m_nPosH; }
  // Scrolls; gives the pixels the contents moved (positive: towards the end).
  int Desplazar(EBarra barra, EDesplazamiento accion, int pulgar = 0);
  // Recomputes the positions after a change of sizes or of the client area (never past the farthest one).
  void AjustarPosiciones();
  // The first non-fixed cell visible at the top left.
  SCeldaId CeldaSuperiorIzquierda() const;
  // The non-fixed cells in view (partly visible ones included).
  SRangoCeldas CeldasVisibles() const;
  // The cell's rectangle in client coordinates; false when it is out of range or scrolled out of view.
  bool RectanguloCelda(int fila, int columna, plataforma::CRectangulo& rect) const;
  // Left edge of a column (top of a row) in client coordinates, as laid out now.
  int IzquierdaColumna(int columna) const;
  int ArribaFila(int fila) const;
  // The cell under a client point; -1 for each coordinate outside the cells.
  SCeldaId CeldaEnPunto(int x, int y) const;
  bool EsVisible(int fila, int columna) const;
  // Scrolls line by line until the cell is inside the client area; gives the number of line scrolls.
  int HacerVisible(int fila, int columna);
  // The line (page) scrolls of a wheel turn: positive scrolls up. `porPagina` tells the count is of pages.
  static int LineasDeRueda(int delta, int lineasRueda, bool& porPagina);

  // ---- keyboard and edit commands
  SResultadoTecla Tecla(ETeclaGrid tecla, bool shift, bool ctrl, char letra = 0);
  bool PuedeCopiar() const;
  bool PuedeCortar() const;
  bool PuedePegar(bool hayTexto) const;
  std::string TextoCopia() const;
  // Pastes tab-separated text from the focus cell (or the selection's top-left); only editable cells inside the
  // grid change. Gives the number of cells changed.
  int Pegar(std::string_view texto);
  // Empties the editable selected cells (after the window copied them).
  int Cortar();

  // ---- sorting
  // Quicksort of the non-fixed rows by the text of a column (byte order), rows swapped whole with their heights.
  bool OrdenarPorColumna(int columna, bool ascendente);
  // A click on a heading in list mode: ascending first, then toggling on the same column.
  bool OrdenarPorClic(int columna);
  int DameColumnaOrden() const { return m_nColumnaOrden; }
  bool DameOrdenAscendente() const { return m_bAscendente; }

  // ---- in-place editing (the window shows the editor)
  // True when a typed character (or the mouse) may start editing the focus cell: valid, editable, visible.
  bool PuedeEditarFoco() const;
  // Stores the text the editor ended with and, for the moving keys, moves the focus by that key.
  void TerminarEdicion(int fila, int columna, std::string_view texto, ETeclaGrid tecla);

  // ---- drop target
  // Dragging over a client point: the drop mark moves to the editable cell there. Gives whether a drop is
  // accepted (then copy with Ctrl, else move).
  bool ArrastrarSobre(int x, int y);
  void QuitarMarcaSoltar();
  SCeldaId DameCeldaSoltar() const { return m_soltar; }
  // Pastes at the marked cell; 0 when there is none.
  int Soltar(std::string_view texto);
  bool AceptaSoltar() const { return m_bEditable && m_bSoltar; }

  void Avisar(int codigo, int fila, int columna) const;

 private:
  CGridCelda NuevaCelda(int fila, int columna) const;
  void RecortarFoco();
  int SumaAltos(int desde, int hasta) const;    // rows [desde, hasta)
  int SumaAnchos(int desde, int hasta) const;   // columns [desde, hasta)
  void AplicarSeleccion();
  SCeldaId MovimientoTecla(ETeclaGrid tecla, bool ctrl, bool shift, bool& fueraDelGrid) const;
  int VisiblesAbajo(int desde) const;  // rows that fit in the room starting at a row
  void OrdenarRango(int columna, bool ascendente, int bajo, int alto);
  void IntercambiarFilas(int a, int b);
  int PegarEn(SCeldaId inicio, std::string_view texto);

  int m_nFilas = 0;
  int m_nColumnas = 0;
  int m_nFilasFijas = 0;
  int m_nColumnasFijas = 0;
  std::vector<int> m_altos;
  std::vector<int> m_anchos;
  std::vector<std::vector<CGridCelda>> m_filas;

  int m_nMargen = 0;
  int m_nAltoDefecto = 20;
  int m_nAnchoDefecto = 64;
  plataforma::CFuente m_fuente;

  SColoresGrid m_sistema;
  std::uint32_t m_crTexto;
  std::uint32_t m_crFondo;
  std::uint32_t m_crTextoFijo;
  std::uint32_t m_crFondoFijo;
  std::uint32_t m_crLineas = 0x000000;
  std::uint32_t m_crExterior;
  int m_nLineas = 3;
  bool m_bEditable = true;
  bool m_bModoLista = false;
  bool m_bOrdenarCabecera = true;
  bool m_bMarcarFoco = true;
  bool m_bArrastre = false;
  bool m_bSoltar = true;
  bool m_bRedimFilas = true;
  bool m_bRedimColumnas = true;
  bool m_bSeleccion = true;
  bool m_bTabPropio = true;
  bool m_bModificado = false;
  int m_nAnchoImagen = 0;
  int m_nAltoImagen = 0;
  int m_nImagenes = 0;
  int m_nLineasRueda = 3;

  SCeldaId m_foco;
  SCeldaId m_ancla;
  SCeldaId m_soltar;
  EFormaSeleccion m_forma = EFormaSeleccion::Celdas;
  std::vector<SCeldaId> m_previas;  // kept while a Ctrl selection grows
  SCeldaId m_hasta;
  SRangoCeldas m_bloque;  // the block being selected

  int m_nAnchoCliente = 0;
  int m_nAltoCliente = 0;
  int m_nPosV = 0;
  int m_nPosH = 0;

  int m_nColumnaOrden = -1;
  bool m_bAscendente = true;

  FnAviso m_fnAviso;
};

}  // namespace marco
