// The rules of the page view that need no window: the page's geometry at a zoom (box scale, the page in pixels,
// scroll steps, box font), the zoom steps, hit-testing, the order boxes take the focus in, activation of a box,
// and the routing of box notifications to the page's operations.
//
// CProg32ViewReglas holds the state of those rules (the active box and the box under the mouse) and the virtual
// operations that the page classes override; what it needs of the window (an edit over a box, a frame redrawn,
// a box scrolled into view, the document marked modified...) it asks through the protected "window side"
// operations, which the page view (CProg32View) implements and tests record.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Lienzo.h"

class wxWindow;

namespace marco {

class CCampo;

// ---- geometry ----

// The page extent before a picture is loaded (and of a page without one).
inline constexpr plataforma::CTamano kTamanoPaginaDefecto{790, 1100};
// Box coordinates span this many units across the page's width.
inline constexpr double kUnidadesAnchoCampos = 1004.0;
// The box font at zoom 1 on a 1024-pixel-wide screen (character height and width, pixels), and on paper.
inline constexpr double kAltoFuentePantalla = -14.0;
inline constexpr double kAnchoFuentePantalla = -6.666666666666666;
inline constexpr double kAltoFuenteImpresora = -8.0;
inline constexpr double kAnchoFuenteImpresora = -6.0;
inline constexpr double kFactorFuente = 0.7181818181818181;

struct SFuenteCampos {
  int alto = 0;   // pixels; negative: the character height
  int ancho = 0;  // pixels; negative: the average character width
  friend bool operator==(const SFuenteCampos&, const SFuenteCampos&) = default;
};

struct SGeometriaPagina {
  plataforma::CTamano pagina = kTamanoPaginaDefecto;  // the picture's size in its own units (window extent)
  plataforma::CTamano vista{};                        // the page in pixels at the zoom (viewport extent)
  double escalaCampos = 0.0;                          // box coordinates to pixels
  plataforma::CTamano pasoPagina{};                   // scroll by a page: a fifth of the page
  plataforma::CTamano pasoLinea{};                    // scroll by a line: a twentieth
  SFuenteCampos fuente{};
};

// The width the page is laid out for: the screen's width less a vertical scroll bar's width.
int AnchoUtil(int anchoPantalla, int anchoBarraVertical);

// The narrowest width a page is laid out for: a window narrower than that scrolls across the page instead of
// shrinking its boxes and labels past reading.
inline constexpr int kAnchoUtilMinimo = 600;
// The width the page is laid out for in a window `anchoVentana` pixels wide (its scroll bars included): the window
// less a vertical scroll bar, so that at zoom 1 the whole width of the page is in view whatever the room the main
// window leaves it (the section tree shown or not); no narrower than kAnchoUtilMinimo, no wider than the screen's
// (AnchoUtil).
int AnchoUtilVentana(int anchoVentana, int anchoBarraVertical, int anchoPantalla);

// The box font for a usable width, a picture size and a zoom, from the base height and width (screen or paper).
// A picture without a size counts as the default page.
SFuenteCampos CalcularFuenteCampos(int anchoUtil, plataforma::CTamano imagen, double zoom,
                                   double altoBase = kAltoFuentePantalla, double anchoBase = kAnchoFuentePantalla);

// The page's geometry: box scale W x zoom / 1004, the page (floor(W x zoom), floor(h x W / w x zoom)) in pixels.
// A picture without a size (none loaded) keeps the default page extent.
SGeometriaPagina CalcularGeometria(int anchoUtil, plataforma::CTamano imagen, double zoom);

// A scroll position carried over a zoom change: the top at zoom 1.0, else the same place of the page.
plataforma::CPunto DesplazamientoTrasZoom(plataforma::CPunto anterior, plataforma::CTamano vistaAnterior,
                                          plataforma::CTamano vistaNueva, double zoomNuevo);
// A scroll position carried over a new size of the page: the same place of the page.
plataforma::CPunto DesplazamientoTrasEscala(plataforma::CPunto anterior, plataforma::CTamano vistaAnterior,
                                            plataforma::CTamano vistaNueva);
// A rectangle that stood over a box's edit area (`desde`, in pixels of the window) carried to the area's new place
// and size (`hasta`): the same place and share of the area. An area without a size leaves it where it is.
plataforma::CRectangulo LlevarSobreCampo(const plataforma::CRectangulo& r, const plataforma::CRectangulo& desde,
                                         const plataforma::CRectangulo& hasta);

// ---- zoom ----
inline constexpr double kZoomMinimo = 1.0;
inline constexpr double kZoomMedio = 1.25;
inline constexpr double kZoomMaximo = 1.5;
// 1.0 → 1.25 → 1.5; any other zoom stays.
double ZoomAcercado(double zoom);
// 1.5 → 1.25 → 1.0; any other zoom stays.
double ZoomAlejado(double zoom);
inline bool PuedeAcercar(double zoom) { return zoom < kZoomMaximo; }
inline bool PuedeAlejar(double zoom) { return zoom > kZoomMinimo; }
// The zoom as the profile keeps it: two decimals, "." ("1.25").
std::string TextoZoom(double zoom);

// ---- a box's rectangle in the window ----
// The box's rectangle in pixels of the window, scrolled.
plataforma::CRectangulo RectanguloCampoEnVentana(const CCampo& campo, plataforma::CPunto desplazamiento);
// Where the edit of a box goes: the box in the window, shrunk by 2 pixels on every side and 2 more on the left.
plataforma::CRectangulo RectanguloEditCampo(const CCampo& campo, plataforma::CPunto desplazamiento);
// Whether a pixel rectangle lies wholly inside the visible part of the page (the window's client area).
bool DentroDe(const plataforma::CRectangulo& r, const plataforma::CRectangulo& visible);

// ---- the rules ----
class CProg32ViewReglas {
 public:
  CProg32ViewReglas() = default;
  virtual ~CProg32ViewReglas() = default;
  CProg32ViewReglas(const CProg32ViewReglas&) = delete;
  CProg32ViewReglas& operator=(const CProg32ViewReglas&) = delete;

  // ---- the page's operations (the page classes override them; base behaviour beside each) ----
  // Draws the boxes at the current scroll position (through the window): the base asks the window to repaint them.
  virtual void RefrescarControles();
  // The box that must take the focus first (1-based), 0 none.
  virtual int CampoAEnfocar() { return 0; }
  // The page's own commit of the active box: nothing.
  virtual void ConfirmarCampoActivo() {}
  // Routes a box notification (code in the high word, box number in the low word) to the operations below;
  // nothing for a command without a control. 1: handled.
  virtual int DespacharAvisoCampo(std::uint32_t palabra, wxWindow* control);
  // Moves the focus to the next (1) or previous (any other) editable box.
  virtual void SaltarCampo(int direccion);
  // Flag 0 with an active edit: the active box's description goes to the status bar, 1; otherwise 0.
  virtual int MostrarTextoEstado(wxWindow* edit, int flag);
  // The page id: -1 in the base.
  virtual int DameNumeroPagina() { return -1; }
  // Box events, by box number (IndNumero): the edit lost the focus (1), a value set through a list or dialog
  // (1: the views must refresh), erased (1: refresh), text about to change, a value changed (1: refresh), the edit
  // got the focus.
  virtual int CampoPierdeFoco(int /*numero*/) { return 1; }
  virtual int Recalcular(int /*numero*/) { return 0; }
  virtual int CampoBorrado(int /*numero*/) { return 0; }
  virtual int CampoActualizandose(int /*numero*/) { return 0; }
  virtual int AplicarDependencias(int /*numero*/) { return 0; }
  virtual int CampoRecibeFoco(int /*numero*/) { return 0; }
  // The page's boxes: none in the base.
  virtual CCampo* DameCampo(int /*indice*/) { return nullptr; }
  virtual int NumeroCampos() { return 0; }
  // The box scale changed (zoom): the page classes rescale their boxes.
  virtual void RecargarCoordenadas(double /*escala*/) {}
  // The check of a box's value (by number): 1 accepted.
  virtual int ComprobarCampo(int /*numero*/) { return 1; }
  // Whether a box identifier belongs to this page (page classes).
  virtual int EsCampoPropio(int /*identificador*/) { return 0; }
  // Page set-up and the boxes' set-up; 1 done.
  virtual int PrepararPagina() { return 1; }
  virtual int DevuelveUnoVista() { return 1; }
  virtual int PrepararCampos() { return 1; }
  // Draws the boxes (frames and texts) on a canvas at a scroll position: nothing in the base.
  virtual void DibujarCampos(plataforma::CLienzo& /*lienzo*/, int /*scrollX*/, int /*scrollY*/) {}
  // A box was brought into view.
  virtual void AlMostrarCampo() {}
  // The print commands.
  virtual void PresentacionBorrador() {}

  // ---- other operations ----
  // The first box (array order) whose rectangle holds the point (pixels of the page, scroll included); -1 none.
  int BuscarCampo(plataforma::CPunto punto);
  // From `indice`, stepping by +1 (direccion 1) or -1 with wrap-around, the first box that is not read-only,
  // `indice` itself looked at last; -1 when no box is editable.
  int SiguienteCampoEditable(int indice, int direccion);
  // Activates the box under the mouse (or the first editable one from the start when there is none and no box is
  // active): commits the active box first (its check refusing keeps it active, 0), then puts the edit over the
  // first editable box from there. 1 when a box was activated.
  int ActivarCampo();
  // The pointer moved to a point of the page: when the box under it changes, the previous one (unless active) is
  // drawn plain again and the new one highlighted (plain when read-only). True when it changed.
  bool AlMoverRaton(plataforma::CPunto punto);
  // Box under the mouse := i, brought into view, then activated (later, as a click on it would).
  void IrACampo(int indice);
  // The first box to take the focus: CampoAEnfocar - 1 with an active edit (when it names one), else box 0.
  void EnfocarCampoInicial();
  // The active edit's value when it was modified: the page's check of it, the edit's mark cleared. 0 when
  // nothing was pending.
  int ComprobarEditModificado();

  int DameCampoActivo() const { return m_nCampoActivo; }
  int DameCampoRaton() const { return m_nCampoRaton; }
  void PonerCampoRaton(int indice) { m_nCampoRaton = indice; }
  // The number (IndNumero) of the active box, 0 none.
  int NumeroCampoActivo();

 protected:
  // ---- the window side (the page view implements them) ----
  // Whether an edit is active and whether it was modified; clears the mark.
  virtual bool HayEditActivo() const = 0;
  virtual bool EditModificado() const = 0;
  virtual void LimpiarEditModificado() = 0;
  // Stores the active edit's text into its box's value (before the box is checked).
  virtual void GuardarEditActivo() = 0;
  // Makes the edit of a box over it (the factory) and gives it the focus; removes the active edit.
  virtual void CrearControlCampo(int indice) = 0;
  virtual void DestruirEdit() = 0;
  // Draws a box's frame in a state, its text.
  virtual void DibujarMarcoCampo(int estado, int indice) = 0;
  virtual void DibujarTextoCampo(int indice) = 0;
  // Scrolls a box into view (repainting when it scrolled).
  virtual void HacerVisible(int indice) = 0;
  // Activates a box a moment later (as a click on its top-left corner would).
  virtual void ActivarMasTarde(int indice) = 0;
  // Puts the caret after the text of the active edit.
  virtual void CaretAlFinal() = 0;
  // The document: modified; every view updated with hint 1 (values changed).
  virtual void MarcarDocumentoModificado() = 0;
  virtual void ActualizarVistasValores() = 0;
  // Pane 0 of the main window's status bar.
  virtual void TextoBarraEstado(const std::string& texto1252) = 0;
  // The re-armed amount-overflow warning (see Campo.h).
  virtual void RearmarAviso();

  void PonerCampoActivo(int indice) { m_nCampoActivo = indice; }

 private:
  // Commits and removes the active edit: 0 when its check refused the value (the box stays active).
  int SoltarCampoActivo();

  int m_nCampoActivo = -1;
  int m_nCampoRaton = -1;
};

}  // namespace marco
