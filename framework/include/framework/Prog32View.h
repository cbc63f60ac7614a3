// The page view: one form page of a declaration in a scrolling window. It draws the page's picture (from its
// catalogue entry) scaled to the window's width and the zoom (laid out again whenever the window's width changes,
// so that at zoom 1 the page's whole width is in view), the boxes over it, and puts the edit of the active box over
// that box; it turns clicks, keys and the edits' notifications into box activation, focus moves and the
// page's operations (CProg32ViewReglas), and handles the edit, zoom, calculator and print commands.
//
// Every page class derives from it and answers DameNumeroPagina, DameCampo, NumeroCampos, DibujarCampos and the
// box events. The view makes its own frame when it is created: a child of the main window (an MDI child when the
// main window is an MDI parent). The document reaches the page shown through CPaginaActiva, which the view
// implements over its rules.
#pragma once

#include <wx/docview.h>
#include <wx/font.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/PaginaActiva.h"
#include "framework/Prog32Doc.h"
#include "framework/Prog32ViewReglas.h"
#include "platform/MetaFile.h"


namespace marco {

class CEditEx;
class CLienzoPagina;

class CProg32View : public wxView, public CProg32ViewReglas, public CPaginaActiva {
 public:
  CProg32View();
  ~CProg32View() override;

  // ---- the framework's ----
  // Makes the frame and the page window, then PrepararPagina, DevuelveUnoVista and PrepararCampos must all give
  // nonzero; the frame takes the page title. False (and nothing left) otherwise.
  bool OnCreate(wxDocument* documento, long banderas) override;
  // Draws the page on any drawing surface (printing, a bitmap) at the current scroll position.
  void OnDraw(wxDC* dc) override;
  // Hints: 1 RefrescarControles; 2 the zoom changed; 3 ConfirmarCampoActivo then MostrarTextoEstado(none, 1); 5
  // nothing; any other a repaint.
  void OnUpdate(wxView* emisor, wxObject* pista) override;

  CProg32Doc* DameDocumento() const;

  // ---- the page ----
  const PaginaInfo& Pagina() const { return m_pagina; }
  const SGeometriaPagina& Geometria() const { return m_geometria; }
  const plataforma::CMetaFile& Imagen() const { return m_imagen; }
  int DameAnchoUtil() const { return m_nAnchoUtil; }
  const wxFont& FuenteCampos() const { return m_fuente; }
  // The window the page is drawn in (a child of the frame).
  wxWindow* DameVentana() const;
  // The scroll position in pixels.
  plataforma::CPunto Desplazamiento() const;
  // The active box's edit; none.
  CEditEx* DameEditActivo() const { return m_pEdit.get(); }

  // ---- the page shown, as the document asks for it (CPaginaActiva) ----
  int ConfirmarCampoModificado() override { return ComprobarEditModificado(); }
  int CampoPendiente() override { return CampoAEnfocar(); }
  void IrACampoPagina(int indice) override { IrACampo(indice); }
  int CuantosCampos() override { return NumeroCampos(); }
  int IdPagina() override { return DameNumeroPagina(); }
  wxWindow* VentanaCampoActivo() const override;
  wxWindow* VentanaPagina() const override { return DameVentana(); }

  // Draws the page as the window shows it: `lienzo` covers the window's client area, scrolled by `desplazamiento`.
  void Pintar(plataforma::CLienzo& lienzo, plataforma::CPunto desplazamiento);

  // ---- the page view's operations (beside those of CProg32ViewReglas) ----
  void RefrescarControles() override;
  int PrepararPagina() override;
  // Draft or direct presentation: with a draft pending, the document's printing (the draft view is the printing
  // subsystem's); otherwise the document's draft presentation command (PresentarBorrador).
  void PresentacionBorrador() override;
  // Draws a box's frame in a state now (through a repaint of its rectangle).
  void DibujarMarcoCampoVista(int estado, int indice) { DibujarMarcoCampo(estado, indice); }
  // The zoom commands: commit the active box through the document, store the new zoom, write its text and
  // update the views with hint 2. False when the zoom stays as it is.
  bool Acercar();
  bool Alejar();
  // The zoom changed (hint 2): geometry, scroll, boxes rescaled, the active edit placed again, repaint.
  void CambioZoom();
  // A command of the view (program number): true when handled. Its update rule: true when the view has one.
  bool EjecutarComandoVista(int comando);
  bool ActualizarComandoVista(int comando, bool& habilitado);
  // A key for the page (forwarded by an edit or typed on the page): Tab, Shift+Tab, Enter, Down and Up move
  // between boxes, Page Up/Down scroll a page, Ctrl+Home/End to the top and the bottom. True when used.
  bool AlTeclaPagina(int teclaWx, bool mayusculas, bool control);
  // A click at a point of the window: the box there becomes active.
  void AlPulsarRaton(plataforma::CPunto enVentana);
  // The pointer moved over the window.
  void AlMoverRatonVentana(plataforma::CPunto enVentana);
  // The draft flags: a draft is pending; the box font must be rebuilt before the next drawing.
  void PonerBorradorPendiente(bool pendiente) { m_bBorradorPendiente = pendiente; }
  bool DameBorradorPendiente() const { return m_bBorradorPendiente; }

 protected:
  // ---- the window side of the rules ----
  bool HayEditActivo() const override;
  bool EditModificado() const override;
  void LimpiarEditModificado() override;
  void GuardarEditActivo() override;
  void CrearControlCampo(int indice) override;
  void DestruirEdit() override;
  void DibujarMarcoCampo(int estado, int indice) override;
  void DibujarTextoCampo(int indice) override;
  void HacerVisible(int indice) override;
  // After the window changed its size: the page laid out for its new width, and no more scroll than the active box
  // needs.
  void AjustarTrasTamano();
  void ActivarMasTarde(int indice) override;
  void CaretAlFinal() override;
  void MarcarDocumentoModificado() override;
  void ActualizarVistasValores() override;
  void TextoBarraEstado(const std::string& texto1252) override;

  // Builds the box font for the screen width and zoom.
  void ReconstruirFuente();
  // Sets the scroll sizes of the window from the geometry.
  void AjustarDesplazamiento(plataforma::CPunto posicion);
  // The width the page is laid out for in the window as it is now (AnchoUtilVentana).
  int AnchoUtilVentanaActual() const;
  // The page laid out again for m_nAnchoUtil and the zoom: geometry, box font, boxes, the scroll carried to the new
  // page size (DesplazamientoTrasZoom after a zoom change, else DesplazamientoTrasEscala), the active edit
  // (TomarSobreCaja, DevolverSobreCaja), the page's own windows (AlMostrarCampo), a repaint.
  void Redistribuir(bool trasZoom);
  // The windows over the active box (its edit, and the buttons its edit put there), taken where the edit stands
  // now, and put back over the box where it is now, at its size; the box brought into view.
  struct SSobreCaja {
    plataforma::CRectangulo area;
    std::vector<std::pair<wxWindow*, plataforma::CRectangulo>> ventanas;
  };
  SSobreCaja TomarSobreCaja();
  void DevolverSobreCaja(const SSobreCaja& sobreCaja);

 private:
  friend class CLienzoPagina;
  void AlMenu(wxCommandEvent& evento);
  void AlActualizarMenu(wxUpdateUIEvent& evento);

  PaginaInfo m_pagina;
  SGeometriaPagina m_geometria;
  plataforma::CMetaFile m_imagen;
  std::unique_ptr<CEditEx> m_pEdit;
  wxFont m_fuente;
  CLienzoPagina* m_pLienzo = nullptr;
  int m_nAnchoUtil = 1024;
  bool m_bBorradorPendiente = false;
  bool m_bReconstruirFuente = false;
  bool m_bImprimiendo = false;

  wxDECLARE_DYNAMIC_CLASS(CProg32View);
};

}  // namespace marco
