// The grid window: a custom-drawn window over the grid's model (GridModelo.h), its mouse rules (GridRaton.h) and
// its drawing (GridDibujo.h). It forwards keys, characters, the mouse, the wheel, the scroll bars, the timer and
// colour changes to them and paints what they say; it owns the in-place text editor, the drop target and the
// clipboard exchange. The parent hears of it through `CGridEvento`: notifications (codes -103 to -109), the double
// click (row and column of the cell under the pointer) and the click command after a release on a cell.
#pragma once

#include <wx/combobox.h>
#include <wx/dnd.h>
#include <wx/event.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/window.h>

#include <string>
#include <vector>
#include <string_view>

#include "framework/GridDibujo.h"
#include "framework/GridModelo.h"
#include "framework/GridRaton.h"

namespace marco {

class CGridEvento : public wxCommandEvent {
 public:
  explicit CGridEvento(wxEventType tipo = wxEVT_NULL, int id = 0) : wxCommandEvent(tipo, id) {}
  wxEvent* Clone() const override { return new CGridEvento(*this); }

  int DameCodigo() const { return m_nCodigo; }  // notifications: -104, -103, -105, -106, -109
  int DameFila() const { return m_nFila; }
  int DameColumna() const { return m_nColumna; }
  const std::string& DameTexto() const { return m_strTexto; }  // end of editing: the new text (Windows-1252)
  ETeclaGrid DameTecla() const { return m_tecla; }              // end of editing: the key that ended it
  void PonDatos(int codigo, int fila, int columna, std::string texto = {}, ETeclaGrid tecla = ETeclaGrid::Otra) {
    m_nCodigo = codigo;
    m_nFila = fila;
    m_nColumna = columna;
    m_strTexto = std::move(texto);
    m_tecla = tecla;
  }

 private:
  int m_nCodigo = 0;
  int m_nFila = -1;
  int m_nColumna = -1;
  std::string m_strTexto;
  ETeclaGrid m_tecla = ETeclaGrid::Otra;
};

wxDECLARE_EVENT(EVT_GRID_NOTIFICACION, CGridEvento);  // sent
wxDECLARE_EVENT(EVT_GRID_DOBLE_CLIC, CGridEvento);    // sent; the message number is kMensajeDobleClicGrid
wxDECLARE_EVENT(EVT_GRID_CLIC, CGridEvento);          // posted after a release over a cell

class CGridCtrl;

// The in-place text editor over a cell.
class CGridCellEdit : public wxTextCtrl {
 public:
  CGridCellEdit(CGridCtrl* grid, const wxRect& rect, const SInicioEdicion& inicio, int fila, int columna);
  void Terminar(ETeclaGrid tecla);

 private:
  void OnTecla(wxKeyEvent& evento);
  void OnTexto(wxCommandEvent& evento);
  void OnPierdeFoco(wxFocusEvent& evento);

  CGridCtrl* m_pGrid;
  int m_nFila;
  int m_nColumna;
  int m_nAnchoCelda;
  bool m_bFlechasTerminan;
  wxString m_strOriginal;
  bool m_bTerminado = false;
};

// The in-place list editor over a cell: a drop-down list, with an edit part or without one. It ends as the text
// editor does, with the chosen (or typed) text and the key that ended it.
class CGridListEdit : public wxComboBox {
 public:
  CGridListEdit(CGridCtrl* grid, const wxRect& rect, const std::vector<std::string>& opciones, bool conEdicion,
                bool porTecla, int fila, int columna);
  void Terminar(ETeclaGrid tecla);
  // What a key does, as the window's key handler applies it; `enParteEdicion` for a key in the edit part.
  void AplicarTecla(ETeclaGrid tecla, bool ctrl, bool enParteEdicion);

 private:
  void OnTecla(wxKeyEvent& evento);
  void OnPierdeFoco(wxFocusEvent& evento);

  CGridCtrl* m_pGrid;
  int m_nFila;
  int m_nColumna;
  bool m_bConEdicion;
  bool m_bPorTecla;
  bool m_bListaAbierta = false;  // the drop-down list is shown
  std::vector<std::string> m_opciones;  // the entries, Windows-1252
  wxString m_strOriginal;
  bool m_bTerminado = false;
};

// The drop target: text dropped on an editable cell is pasted there.
class CGridOleTarget : public wxTextDropTarget {
 public:
  explicit CGridOleTarget(CGridCtrl* grid) : m_pGrid(grid) {}
  wxDragResult OnEnter(wxCoord x, wxCoord y, wxDragResult defecto) override;
  wxDragResult OnDragOver(wxCoord x, wxCoord y, wxDragResult defecto) override;
  void OnLeave() override;
  bool OnDrop(wxCoord x, wxCoord y) override;
  bool OnDropText(wxCoord x, wxCoord y, const wxString& texto) override;

 private:
  CGridCtrl* m_pGrid;
};

class CGridCtrl : public wxWindow {
 public:
  // The grid without its window yet (`Create` or `DDX_Grid` makes it).
  explicit CGridCtrl(int filas = 0, int columnas = 0, int filasFijas = 0, int columnasFijas = 0);
  CGridCtrl(wxWindow* padre, wxWindowID id, const wxPoint& posicion = wxDefaultPosition,
            const wxSize& tamano = wxDefaultSize, int filas = 0, int columnas = 0, int filasFijas = 0,
            int columnasFijas = 0);
  ~CGridCtrl() override;
  bool Create(wxWindow* padre, wxWindowID id, const wxPoint& posicion = wxDefaultPosition,
              const wxSize& tamano = wxDefaultSize, long estilo = wxBORDER_SUNKEN);
  bool TieneVentana() const { return m_bCreada; }

  CGridModelo& Modelo() { return m_modelo; }
  const CGridModelo& Modelo() const { return m_modelo; }
  // Where notifications go instead of the window parent.
  void PonVentanaPadre(wxWindow* padre) { m_pVentanaPadre = padre; }

  // ---- the operations the program calls (out of range: nothing, 0)
  int PonNumeroFilas(int filas) { return Tras(m_modelo.PonNumeroFilas(filas)); }
  int PonNumeroColumnas(int columnas) { return Tras(m_modelo.PonNumeroColumnas(columnas)); }
  int PonFilasFijas(int filas) { return Tras(m_modelo.PonFilasFijas(filas)); }
  int PonColumnasFijas(int columnas) { return Tras(m_modelo.PonColumnasFijas(columnas)); }
  int DameNumeroFilas() const { return m_modelo.DameNumeroFilas(); }
  int DameNumeroColumnas() const { return m_modelo.DameNumeroColumnas(); }
  int DameFilasFijas() const { return m_modelo.DameFilasFijas(); }
  int DameColumnasFijas() const { return m_modelo.DameColumnasFijas(); }
  int InsertarFila(std::string_view texto, int posicion = -1) { return Tras(m_modelo.InsertarFila(texto, posicion)); }
  int PonCelda(const SGridItem& item) { return Tras(m_modelo.PonCelda(item)); }
  int PonTextoCelda(int fila, int columna, std::string_view texto) {
    return Tras(m_modelo.PonTextoCelda(fila, columna, texto));
  }
  std::string DameTextoCelda(int fila, int columna) const { return m_modelo.DameTextoCelda(fila, columna); }
  int PonImagenCelda(int fila, int columna, int imagen) { return Tras(m_modelo.PonImagenCelda(fila, columna, imagen)); }
  int PonFormatoCelda(int fila, int columna, unsigned formato) {
    return Tras(m_modelo.PonFormatoCelda(fila, columna, formato));
  }
  int PonFuenteCelda(int fila, int columna, const plataforma::CFuente& fuente) {
    return Tras(m_modelo.PonFuenteCelda(fila, columna, fuente));
  }
  int DameFuenteCelda(int fila, int columna, plataforma::CFuente& fuente) const {
    return m_modelo.DameFuenteCelda(fila, columna, fuente);
  }
  int PonAltoFila(int fila, int alto) { return Tras(m_modelo.PonAltoFila(fila, alto)); }
  int DameAltoFila(int fila) const { return m_modelo.DameAltoFila(fila); }
  int PonAnchoColumna(int columna, int ancho) { return Tras(m_modelo.PonAnchoColumna(columna, ancho)); }
  int DameAnchoColumna(int columna) const { return m_modelo.DameAnchoColumna(columna); }
  void AjustarColumnas();
  void AjustarFilas();
  void AjustarAlArea();
  int PonCeldaFoco(int fila, int columna) { return Tras(m_modelo.PonCeldaFoco(fila, columna)); }
  SCeldaId DameCeldaFoco() const { return m_modelo.DameCeldaFoco(); }
  int PonRangoSeleccion(int fila1, int columna1, int fila2, int columna2, bool forzarRepintado = true);
  SRangoCeldas DameRangoSeleccion() const { return m_modelo.DameRangoSeleccion(); }
  void QuitarSeleccion() {
    m_modelo.QuitarSeleccion();
    Tras(1);
  }
  int HacerVisible(int fila, int columna) { return Tras(m_modelo.HacerVisible(fila, columna)); }
  void PonColorFondoDefecto(std::uint32_t color) {
    m_modelo.PonColorFondoDefecto(color);
    Tras(1);
  }
  void PonEditable(bool editable) { m_modelo.PonEditable(editable); }
  void PonModoLista(bool lista) { m_modelo.PonModoLista(lista); }
  // The image list: a strip of pictures `anchoImagen` pixels wide, `mascara` transparent.
  bool PonListaImagenes(const wxBitmap& tira, int anchoImagen, const wxColour& mascara = *wxWHITE);
  // Prints every page onto a canvas (a PDF canvas of the printable page): gives the page count.
  int Imprimir(plataforma::CLienzo& destino) const;

  // ---- editing and the clipboard
  void EditarCelda(int fila, int columna, ETeclaGrid tecla, char caracter, bool porRaton);
  // The list editor over a cell, with `opciones` (Windows-1252) and the cell's text as the starting choice; with
  // `conEdicion` other texts can be typed. Editing must be on and the cell editable, as for the text editor.
  void EditarCeldaConLista(int fila, int columna, const std::vector<std::string>& opciones, bool conEdicion,
                           bool porTecla);
  bool Editando() const { return m_pEdit != nullptr || m_pLista != nullptr; }
  CGridCellEdit* DameEditor() const { return m_pEdit; }
  CGridListEdit* DameEditorLista() const { return m_pLista; }
  bool Copiar();
  bool Cortar();
  bool Pegar();

  // ---- painting and events (the editor and the drop target call these)
  void DibujarEn(wxDC& dc);
  void FinEdicion(CGridCellEdit* editor, int fila, int columna, const std::string& texto, ETeclaGrid tecla);
  void FinEdicion(CGridListEdit* editor, int fila, int columna, const std::string& texto, ETeclaGrid tecla);
  wxDragResult ArrastrarSobre(int x, int y);
  void SalirArrastre();
  bool SoltarTexto(int x, int y, const wxString& texto);
  bool SetFont(const wxFont& fuente) override;
  void EnviarAviso(int codigo, int fila, int columna, std::string texto = {}, ETeclaGrid tecla = ETeclaGrid::Otra);

  static plataforma::CFuente FuenteDeWx(const wxFont& fuente);
  static wxFont FuenteAWx(const plataforma::CFuente& fuente);
  static SColoresGrid LeerColoresSistema();
  static ETeclaGrid TeclaDeWx(int codigo);

 private:
  int Tras(int resultado);  // after a change: scroll bars and repaint
  void ActualizarBarras();
  void Aplicar(const SAccionRaton& accion);
  wxWindow* Destinatario() const;

  void OnPintar(wxPaintEvent& evento);
  void OnTamano(wxSizeEvent& evento);
  void OnTeclaAbajo(wxKeyEvent& evento);
  void OnCaracter(wxKeyEvent& evento);
  void OnPulsar(wxMouseEvent& evento);
  void OnSoltar(wxMouseEvent& evento);
  void OnMover(wxMouseEvent& evento);
  void OnDobleClic(wxMouseEvent& evento);
  void OnRueda(wxMouseEvent& evento);
  void OnDesplazar(wxScrollWinEvent& evento);
  void OnTemporizador(wxTimerEvent& evento);
  void OnCapturaPerdida(wxMouseCaptureLostEvent& evento);
  void OnCambioColores(wxSysColourChangedEvent& evento);

  CGridModelo m_modelo;
  CGridRaton m_raton;
  CGridImagenes m_imagenes;
  CMedidorLienzo m_medidor;
  wxTimer m_temporizador;
  void RetirarEditor(wxWindow* editor, int fila, int columna, const std::string& texto, ETeclaGrid tecla);

  CGridCellEdit* m_pEdit = nullptr;  // a child window: wxWidgets deletes it
  CGridListEdit* m_pLista = nullptr;  // likewise
  wxWindow* m_pVentanaPadre = nullptr;
  bool m_bCreada = false;
};

// Puts the grid in place of the dialog's item of that id when the grid has no window yet (the item's position,
// size and id go to the grid; the item goes). False when there is no such item or the window cannot be made.
bool DDX_Grid(wxWindow* dialogo, int idItem, CGridCtrl& grid);

}  // namespace marco
