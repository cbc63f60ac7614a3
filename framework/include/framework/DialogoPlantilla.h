// The layout of a dialog or wizard page, written in code: its size, caption and controls, each with the program's
// control id and a rectangle in dialog units (a quarter of the font's average character width across, an eighth
// of its height down), so a layout keeps its proportions with the dialogs' font. The window is built from it
// (DialogoVentana.h); tests build a simulated window from the same layout (DialogoSimulado.h).
//
//   CPlantillaDialogo p(260, 120, "(B) RENDIMIENTOS");
//   p.Estatico(-1, "Titular", {6, 8, 40, 10});
//   p.Edicion(1101, {50, 6, 30, 12});
//   p.CampoEdit(1102, {90, 6, 60, 12}, m_importe);   // a box edit member (CDoubleEdit ...)
//   p.Aceptar({150, 96, 50, 18}).Cancelar({204, 96, 50, 18});
//
// Texts are Windows-1252. A control without an id of its own (a label) takes -1.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/TemplateDlgReglas.h"

class wxWindow;

namespace marco {

class CEditEx;

enum class ETipoControlDialogo {
  Estatico,  // a label; also the hint statics the dialogs write into
  Edicion,   // a field edit
  Boton,     // a push button; 1, 2 and 1011 become the bitmap buttons
  Casilla,   // a check box
  Opcion,    // a radio button; `primeroDeGrupo` starts a group
  Marco,     // a group frame with a title
  Lista,     // a drop-down list of fixed texts
  Propio,    // a window the dialog makes itself (a box edit, a grid): see `crear`
};

// Options of a field edit.
inline constexpr unsigned kEdicionMultilinea = 0x1;
inline constexpr unsigned kEdicionDerecha = 0x2;  // right-aligned (amounts)
inline constexpr unsigned kEdicionSoloLectura = 0x4;
inline constexpr unsigned kEdicionMayusculas = 0x8;
// An amount: it takes digits, the decimal comma or point and a sign, nothing else (Importe and Rejilla set it).
inline constexpr unsigned kEdicionImporte = 0x10;

struct SControlDialogo {
  ETipoControlDialogo tipo = ETipoControlDialogo::Estatico;
  int id = -1;
  std::string texto;      // label, caption or initial text
  SRectDialogo rect;      // dialog units
  unsigned opciones = 0;  // kEdicion... for edits
  int longitud = 0;       // text limit of an edit (0: none)
  bool primeroDeGrupo = false;
  std::vector<std::string> elementos;  // the texts of a list
  bool edicion = false;  // a window of its own that is a field edit (a box edit)
  // For ETipoControlDialogo::Propio: makes the window as a child of `padre` with the control id, at the pixel
  // rectangle given. The window answers as a field edit when it is a text edit.
  std::function<wxWindow*(wxWindow* padre, int id, const SRectDialogo& pixeles)> crear;
};

class CPlantillaDialogo {
 public:
  CPlantillaDialogo() = default;
  CPlantillaDialogo(int ancho, int alto, std::string_view titulo = {});

  CPlantillaDialogo& Tamano(int ancho, int alto);
  CPlantillaDialogo& Titulo(std::string_view titulo);

  CPlantillaDialogo& Estatico(int id, std::string_view texto, SRectDialogo rect);
  CPlantillaDialogo& Edicion(int id, SRectDialogo rect, unsigned opciones = 0, int longitud = 0);
  // An amount edit: right-aligned, taking only what an amount is written with.
  CPlantillaDialogo& Importe(int id, SRectDialogo rect, int longitud = 0);
  CPlantillaDialogo& Boton(int id, std::string_view texto, SRectDialogo rect);
  CPlantillaDialogo& Aceptar(SRectDialogo rect, std::string_view texto = "&Aceptar");
  CPlantillaDialogo& Cancelar(SRectDialogo rect, std::string_view texto = "&Cancelar");
  CPlantillaDialogo& Ayuda(SRectDialogo rect, std::string_view texto = "Ay&uda");
  CPlantillaDialogo& Casilla(int id, std::string_view texto, SRectDialogo rect);
  CPlantillaDialogo& Opcion(int id, std::string_view texto, SRectDialogo rect, bool primeroDeGrupo = false);
  CPlantillaDialogo& Marco(std::string_view texto, SRectDialogo rect);
  CPlantillaDialogo& Lista(int id, std::vector<std::string> elementos, SRectDialogo rect);
  CPlantillaDialogo& Propio(int id, SRectDialogo rect,
                            std::function<wxWindow*(wxWindow*, int, const SRectDialogo&)> crear);
  // A box edit of the dialog (it belongs to the dialog and outlives the window): its window is made at the place
  // with the control id (CEditEx::CrearEnDialogo) and the dialogs' font.
  CPlantillaDialogo& CampoEdit(int id, SRectDialogo rect, CEditEx& edit);

  // A row-table: `entradas` x `filas` edits, entry e of row f with id `ids[f * entradas + e]`, in a grid that
  // starts at (x, y) with cells of `ancho` x `alto` and no gap. Row 0 gets `opcionesFila0`, the others
  // `opciones`. The ids must hold entradas x filas numbers.
  CPlantillaDialogo& Rejilla(const std::vector<int>& ids, int entradas, int filas, int x, int y, int ancho, int alto,
                             unsigned opcionesFila0 = 0,
                             unsigned opciones = kEdicionDerecha | kEdicionImporte);

  int Ancho() const { return m_nAncho; }
  int Alto() const { return m_nAlto; }
  const std::string& TituloPlantilla() const { return m_strTitulo; }
  const std::vector<SControlDialogo>& Controles() const { return m_controles; }
  // The control of an id, or null.
  const SControlDialogo* Control(int id) const;
  // The controls that take the keyboard (all but labels and frames) in the order Tab visits them, as indexes into
  // Controles(): as a page is read, row by row from the top, left to right in a row. A control whose height
  // overlaps the row's first control's by more than half of the shorter of the two stands in that row. The radio
  // buttons of a group (made one after the other) stay together, in their own order, where the first one stands.
  std::vector<std::size_t> OrdenLectura() const;

 private:
  CPlantillaDialogo& Anadir(SControlDialogo control);

  int m_nAncho = 200;
  int m_nAlto = 100;
  std::string m_strTitulo;
  std::vector<SControlDialogo> m_controles;
};

}  // namespace marco
