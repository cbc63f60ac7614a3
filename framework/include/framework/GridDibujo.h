// Drawing the grid on the cairo canvas: the layout of a cell text by its text-drawing flags, the grid's image
// list, the cells in their states, the visible client area (bands, cells, grid lines, the sizing line) and the
// printed pages (pagination, header, fixed rows repeated, footer). The window paints through this, the printout
// is laid out by it, and tests draw into image canvases and read pixels back.
#pragma once

#include <cairo.h>

#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/GridModelo.h"
#include "platform/Lienzo.h"

namespace marco {

// One line of a cell text and the rectangle it is drawn in, with the canvas's `kTexto...` layout flags.
struct SLineaCelda {
  plataforma::CRectangulo rect;
  std::string texto;
  unsigned formato = 0;
};

// Lays out a text in a rectangle by the text-drawing flags: one line (vertically placed) with `kDtLineaUnica`,
// else lines broken at line feeds and, with `kDtSaltoPalabra`, between words to fit the width, stacked from the
// top; with `kDtElipsisFinal` a line too wide ends in "...". Ampersands are shown as they are.
std::vector<SLineaCelda> DisponerTexto(std::string_view texto1252, const plataforma::CRectangulo& rect,
                                       unsigned formato, const plataforma::CFuente& fuente, IMedidorTexto& medidor);

// The pieces a cell text shows: split by the two characters backslash and n, each moved down 14 pixels from the
// one before, each laid out with the cell's flags.
std::vector<SLineaCelda> DisponerTextoMarcado(std::string_view texto1252, const plataforma::CRectangulo& rect,
                                              unsigned formato, const plataforma::CFuente& fuente,
                                              IMedidorTexto& medidor);

// The grid's image list: pictures of one size, the mask colour made transparent.
class CGridImagenes {
 public:
  CGridImagenes() = default;
  // A strip of pictures `anchoImagen` wide each, from 24-bit RGB rows (`ancho` x `alto`); pixels of the mask
  // colour (0x00BBGGRR) become transparent. An empty or mismatched strip gives an empty list.
  static CGridImagenes DeTira(const unsigned char* rgb, int ancho, int alto, int anchoImagen, std::uint32_t mascara);
  int Cuantas() const { return static_cast<int>(m_imagenes.size()); }
  int Ancho() const { return m_nAncho; }
  int Alto() const { return m_nAlto; }
  // Draws one picture with its top-left corner at a logical point.
  void Dibujar(plataforma::CLienzo& lienzo, int indice, int x, int y) const;

 private:
  struct CLiberaSuperficie {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
  };
  std::vector<std::shared_ptr<cairo_surface_t>> m_imagenes;
  int m_nAncho = 0;
  int m_nAlto = 0;
};

// Measures on the canvas being drawn, in its current mapping.
class CMedidorDeLienzo final : public IMedidorTexto {
 public:
  explicit CMedidorDeLienzo(plataforma::CLienzo& lienzo) : m_lienzo(lienzo) {}
  plataforma::CTamano Medir(std::string_view texto1252, const plataforma::CFuente& fuente) override;

 private:
  plataforma::CLienzo& m_lienzo;
};

// One cell at a rectangle. `imprimiendo` leaves out the focus, selection and drop marks and the bold headings.
void DibujarCelda(plataforma::CLienzo& lienzo, const CGridModelo& modelo, const CGridImagenes* imagenes, int fila,
                  int columna, const plataforma::CRectangulo& rect, bool imprimiendo);

// The client area as the model lays it out now: bands, visible cells, grid lines and the sizing line (inverted,
// two pixels wide) when `lineaRedimension` >= 0.
void DibujarGrid(plataforma::CLienzo& lienzo, const CGridModelo& modelo, const CGridImagenes* imagenes,
                 int lineaRedimension = -1, bool lineaVertical = true);

// ---- printing

struct SPaginaGrid {
  int primeraFila = 0;  // non-fixed rows of the page, both included; primeraFila > ultimaFila: none
  int ultimaFila = -1;
};

struct SDisposicionImpresion {
  int anchoMedio = 0;    // average character width of the printer font (logical units)
  int altoCaracter = 0;  // its character height
  int anchoLogico = 0;   // the page mapped in logical units: the grid's width plus 8 average characters
  int altoLogico = 0;
  int hueco = 0;         // room for rows on a page (after the header, footer and fixed rows)
  std::vector<SPaginaGrid> paginas;
};

// The printer font: Times New Roman at -9, weight 400.
plataforma::CFuente FuenteImpresora();

// Paginates the non-fixed rows for a printable area of `anchoDispositivo` x `altoDispositivo`: a row that would
// overflow the room starts a new page, a row taller than the room still gets a page of its own; at least one page.
SDisposicionImpresion PaginarGrid(const CGridModelo& modelo, int anchoMedio, int altoCaracter, int anchoDispositivo,
                                  int altoDispositivo);

struct STextosImpresion {
  std::string titulo;   // the application title (right of the header)
  std::string ventana;  // the text of the nearest window above the grid that has one (centred)
  std::string fecha;    // date and time of printing (right of the footer)
};

// "%d/%m/%y %H:%M:%S".
std::string FechaImpresion(const std::tm& momento);

// Draws every page onto the canvas (a PDF canvas whose pages have the printable size), starting a new canvas
// page between pages. Gives the page count, 0 when the canvas cannot be drawn on.
int ImprimirGrid(plataforma::CLienzo& lienzo, const CGridModelo& modelo, const CGridImagenes* imagenes,
                 const STextosImpresion& textos);

}  // namespace marco
