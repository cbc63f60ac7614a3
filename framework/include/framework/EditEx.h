// The in-place edit of one box of a form page or of a dialog field, bound to a box record (CCampo). It filters
// keys by the kind of box, keeps its own modified flag, checks the text when the user leaves the box, copies the
// text into the value the box is bound to and shows that value again, offers the clipboard keys, help and the
// calculator, and tells its parent what happened: notifications (control id, event code) and forwarded keys.
//
// The edit is a plain object that works on a control (CSuperficieEdit): the window made by CrearEnVista or
// CrearEnDialogo, or, until then (and when no window can be made), a control without a window. Window events
// arrive through the Al... operations; the virtual operations are what each kind of box overrides.
//
// Hooks answer 0 accept (processing goes on), 1 refuse (a beep; on leaving the box, the warning WIN070), 2 handled
// (nothing more is done; on leaving, the value counts as confirmed and the focus stays).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/EditSuperficie.h"

class wxFont;
class wxWindow;

namespace marco {

class CCampo;
class CVentanaEdit;

// ---- box event codes (the high word of a box notification; the low word is the control id) ----
inline constexpr int kAvisoFocoGanado = 0x100;
inline constexpr int kAvisoFocoPerdido = 0x200;
inline constexpr int kAvisoTextoCambiado = 0x300;
inline constexpr int kAvisoTextoCambiara = 0x400;
inline constexpr int kAvisoCampoBorrado = 0x401;
inline constexpr int kAvisoValorFijado = 0x402;   // set through a list, a selection or a detail dialog
inline constexpr int kAvisoValorCambiado = 0x403;  // changed or toggled
inline constexpr int kAvisoTabulador = 0x404;      // Tab or Enter

// ---- key codes of the edit rules (the classic virtual-key numbers; the window translates its own) ----
inline constexpr int kTeclaRetroceso = 0x08;
inline constexpr int kTeclaTabulador = 0x09;
inline constexpr int kTeclaIntro = 0x0D;
inline constexpr int kTeclaMayusculas = 0x10;  // Shift
inline constexpr int kTeclaControl = 0x11;
inline constexpr int kTeclaAlt = 0x12;
inline constexpr int kTeclaEscape = 0x1B;
inline constexpr int kTeclaRePag = 0x21;
inline constexpr int kTeclaAvPag = 0x22;
inline constexpr int kTeclaFin = 0x23;
inline constexpr int kTeclaInicio = 0x24;
inline constexpr int kTeclaIzquierda = 0x25;
inline constexpr int kTeclaArriba = 0x26;
inline constexpr int kTeclaDerecha = 0x27;
inline constexpr int kTeclaAbajo = 0x28;
inline constexpr int kTeclaInsertar = 0x2D;
inline constexpr int kTeclaSuprimir = 0x2E;
inline constexpr int kTeclaF1 = 0x70;
inline constexpr int kTeclaF2 = 0x71;
inline constexpr int kTeclaF5 = 0x74;
inline constexpr int kTeclaF7 = 0x76;
inline constexpr int kTeclaF9 = 0x78;

// ---- styles of the edit control (DameEstilo) ----
inline constexpr unsigned kEstiloDerecha = 0x0002;
inline constexpr unsigned kEstiloMultilinea = 0x0004;
inline constexpr unsigned kEstiloMayusculas = 0x0008;
inline constexpr unsigned kEstiloDesplazamientoH = 0x0080;
inline constexpr unsigned kEstiloSoloLectura = 0x0800;
inline constexpr unsigned kEstiloQuiereRetorno = 0x1000;
// A box too small for the toolkit's frame, whose padding would leave no room for its text: drawn without it, also
// inside a dialog.
inline constexpr unsigned kEstiloSinMarco = 0x10000;

// ---- coded messages of the edits ----
inline constexpr std::string_view kMensajeMiembroBloqueado = "WINR007";
inline constexpr std::string_view kMensajeValorNoValido = "WIN070";
inline constexpr std::string_view kMensajeCalculadoraLargo = "WIN059";

// The longest calculator result a box takes.
inline constexpr std::size_t kMaxResultadoCalculadora = 12;

// ---- the context menu of a box on a page ----
// Command ids of the program (the standard edit ones, the page, zoom, contents and calculator commands).
inline constexpr int kComandoCopiar = 57634;
inline constexpr int kComandoCortar = 57635;
inline constexpr int kComandoPegar = 57637;
inline constexpr int kComandoDeshacer = 57643;
inline constexpr int kComandoAyuda = 57670;
inline constexpr int kComandoIrAPagina = 32802;
inline constexpr int kComandoPrimeraPagina = 32776;
inline constexpr int kComandoUltimaPagina = 32777;
inline constexpr int kComandoPaginaSiguiente = 32778;
inline constexpr int kComandoPaginaAnterior = 32779;
inline constexpr int kComandoZoomAcercar = 32773;
inline constexpr int kComandoZoomAlejar = 32774;
inline constexpr int kComandoApartados = 144;
inline constexpr int kComandoCalculadora = 32772;

// One entry of a menu: a command (Windows-1252 text, "\t" before the accelerator) or a separator (id 0).
struct SOpcionMenuEdit {
  std::string_view texto;
  int id = 0;
};
// The box menu of the pages, in order.
const std::vector<SOpcionMenuEdit>& MenuContextualPagina();
// The person commands the page menus add after a separator while an income-tax declaration is open (a person is
// shown), each a tick its document sets: the texts and accelerators of the "Declaración" menu.
const std::vector<SOpcionMenuEdit>& MenuContextualPersonas();

// ---- what the shell lends the edits ----
struct SServiciosEdit {
  // The calculator: shown modally over `padre`, told whether the box holds a number; its result text on OK,
  // nothing when cancelled. Without one, F5 and the menu command only beep.
  std::function<std::optional<std::string>(wxWindow* padre, bool numerico)> calculadora;
  // The application's help on a context number. Without one, F1 does nothing.
  std::function<void(int contexto)> ayuda;
};
// The services in use; the shell sets them at start-up (tests too, and put back empty ones afterwards).
const SServiciosEdit& ServiciosEdit();
void PonerServiciosEdit(SServiciosEdit servicios);

class CEditEx {
 public:
  // Bound to a box record of the page or dialog (borrowed): maximum length := the field length; a help context
  // of 0 becomes 1.
  explicit CEditEx(CCampo& campo);
  // Without a record, for edits that set theirs later (PonerCampo).
  CEditEx();
  // With a record of its own of field length L (picture "S" + L).
  explicit CEditEx(int longitudMaxima);
  virtual ~CEditEx();
  CEditEx(const CEditEx&) = delete;
  CEditEx& operator=(const CEditEx&) = delete;

  // ---- the box record ----
  CCampo* DameCampo() const { return m_pCampo; }
  // Borrows a record (maximum length := its field length); an own record is freed.
  void PonerCampo(CCampo& campo);
  bool EsCampoPropio() const { return m_campoPropio != nullptr; }
  int LongitudMaxima() const { return m_nLongitudMaxima; }
  void PonerLongitudMaxima(int longitud) { m_nLongitudMaxima = longitud; }
  // The marker word of the record (what DameMarca gives in the base).
  void PonerMarca(std::int32_t marca);
  // Sets the record's option word; the previous one.
  std::int32_t CambiarOpcionCampo(std::int32_t opcion);

  // ---- the window ----
  // Makes the window over the box on a page view: the box rectangle minus the scroll (dx, dy), shrunk by 2
  // pixels on every side and 2 more on the left; control id = IndNumero. 1 made, 0 not (the edit then goes on
  // without a window).
  int CrearEnVista(wxWindow* padre, int dx, int dy, const wxFont* fuente);
  // Makes the window as a field of a dialog, at the given place (pixels of the parent) with the given control id.
  int CrearEnDialogo(wxWindow* padre, int idControl, int x, int y, int ancho, int alto, const wxFont* fuente);
  // Destroys the window (at the next idle time, so that it may happen inside one of its own events); the edit
  // then goes on without one. A window with the keyboard focus first loses it as the user leaving the box would
  // (check, store, notification 0x200). Deleting the edit destroys its window without that processing.
  void DestruirVentana();
  CVentanaEdit* DameVentana() const { return m_pVentana; }
  wxWindow* DameVentanaPadre() const;
  // The owner of the notifications and of Escape: the parent unless set.
  void PonerDueno(wxWindow* dueno);
  // The control in use: the window, or the one without a window.
  CSuperficieEdit& Superficie() const { return *m_pSuperficie; }
  // The control without a window (where the tests read what happened).
  CSuperficieEditMemoria& SuperficieMemoria() { return m_memoria; }
  // The control id of the notifications: the one given to the window, else the box's IndNumero.
  int IdControl() const;
  void PonerIdControl(int id) { m_nIdControl = id; }
  // True inside a dialog, false on a page (set by CrearEnDialogo / CrearEnVista).
  bool EnDialogo() const { return m_bEnDialogo; }
  void PonerEnDialogo(bool enDialogo) { m_bEnDialogo = enDialogo; }

  // ---- state ----
  std::string Texto() const;
  // Sets the whole text, as showing a value does (the undo step is forgotten, the change is notified).
  void PonerTexto(std::string_view texto);
  // Length of the text (all lines).
  int LongitudTexto() const;
  bool EstaModificado() const { return m_bModificado != 0; }
  void PonerModificado(bool modificado) { m_bModificado = modificado ? 1 : 0; }
  bool EstaConfirmado() const { return m_bConfirmado != 0; }
  bool EsSoloLectura() const { return m_bSoloLectura; }
  void PonerSoloLectura(bool soloLectura);
  // True in overwrite mode (toggled with Insert).
  bool Sobrescribir() const { return m_bSobrescribir; }
  // The member lock: the person shown is not the family unit, the declaration has a spouse or a first child, and
  // the box's marker is 0.
  bool Bloqueado();
  bool EsMultilinea() { return (DameEstilo() & kEstiloMultilinea) != 0; }

  // ---- editing operations (keys, menus and the page view's commands) ----
  void Copiar();
  // Cuts the selection; a text the kind of box does not admit afterwards comes back, with a beep.
  void Cortar();
  // Pastes the clipboard text over the selection (upper case, cut to the room left).
  void PegarPortapapeles();
  bool PuedeDeshacer() const { return m_deshacer.has_value(); }
  void Deshacer();
  bool HaySeleccion() const;
  // The calculator (F5 or the menu command) on this box: a box that takes numbers gets the figure of its OK; for any
  // other the calculator opens alone.
  void Calculadora();
  // What the calculator's OK does with its result text: read as a number (',' or '.' before the decimals), written
  // with a decimal comma and two decimals, then as the box's own rule takes it (TextoDeCalculadora), stored and
  // shown again, modified := 1. A result longer than 12 characters with two decimals, one that is not a number, and
  // one the box would refuse (TextoDeCalculadora false) show WIN059 and change nothing. A figure taken is
  // unconfirmed, as typed text is: leaving the box checks it. 1 taken, 0 not.
  int AplicarResultadoCalculadora(std::string_view resultado);
  // Data exchange: 1 stores the text into the bound value and rebuilds the record's display text; 0 shows the
  // bound value in the display form.
  void IntercambiarDatos(int guardar);

  // ---- events of the window (also what the tests drive) ----
  // A typed character (Windows-1252 byte, or Tab, Enter, Escape, Backspace).
  void AlCaracter(unsigned caracter, int repeticiones = 1, unsigned banderas = 0);
  // Before translation of a key-down: true when it was consumed (F1, the clipboard keys).
  bool AntesDeTraducir(int tecla);
  // A key-down: true when the control should apply its own default processing (caret moves and selection).
  bool AlPulsarTecla(int tecla, int repeticiones = 1, unsigned banderas = 0);
  // A key-down with Alt held.
  void AlPulsarTeclaSistema(int tecla, int repeticiones = 1, unsigned banderas = 0);
  void AlGanarFoco();
  void AlPerderFoco();
  // The control's text changed by a way the rules did not see (a drop, a selection paste): a text that fails the
  // clipboard check goes back to what it was, with a beep; otherwise the change is notified.
  void AlCambiarTextoFuera();
  // The window is going away.
  void AlDestruirVentana();

  // ---- virtual operations ----
  // Binds the value (stored in the record); its size in bytes (the field length in the base).
  virtual int AsignarDato(void* dato);
  // Shows WIN070.
  virtual void MostrarAviso();
  // Window style (kEstilo...).
  virtual unsigned DameEstilo();
  // Called once after the window exists.
  virtual void AlCrearVentana() {}
  // 1 for edits of numbers.
  virtual int EsNumerico() { return 0; }
  // Pastes, then applies the clipboard check.
  virtual void Pegar();
  virtual void AsignarEnlaceDetalle(void* enlace);
  // A typed character; 0, 1 or 2. `llamada` is 1 for a typed one.
  virtual int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada);
  // A key-down that reached the edit's rules; 0, 1 or 2.
  virtual int ProcesarTecla(int tecla, int repeticiones, unsigned banderas);
  // Leaving the box with unconfirmed text (none: the text was not read); 0, 1 or 2.
  virtual int ValidarAlSalir(const std::string* texto);
  // Copies the text into the bound value: 1 stored, 0 nothing bound.
  virtual int GuardarValor();
  // Shows the bound value: 0 the editing form, 1 the display form.
  virtual void MostrarValor(int forma);
  // The clipboard keys; nonzero when handled.
  virtual int FiltrarTeclaControl(int tecla);
  virtual std::int32_t DameMarca();
  // The clipboard check of the kind of box: 1 when a text pasted or left by a cut may stay.
  virtual int TextoAdmisible(std::string_view texto);
  // The box's own rule for a calculator figure `valor` (`texto`: that figure with a decimal comma and two
  // decimals): true with the text the box takes in `texto`, false when the box would refuse it. The base takes
  // the text as it is when the box is not read-only, the text fits its length and passes its clipboard check, or
  // else a whole figure as its digits on the same terms (a code box).
  virtual bool TextoDeCalculadora(double valor, std::string& texto);

 protected:
  // For hooks: ask for the control's default processing of the key being handled.
  void PedirProcesoPorDefecto() { m_bPorDefecto = true; }
  void Pitar() { Superficie().Pitar(); }
  bool TeclaPulsada(int tecla) const { return Superficie().TeclaPulsada(tecla); }
  void Notificar(int codigo) { Superficie().Notificar(IdControl(), codigo); }
  // Shows a coded message with the exclamation icon over the edit.
  int Mensaje(std::string_view codigo);
  // The line the caret is on (0-based).
  int LineaDelCaret() const;
  // The person shown of the open income-tax declaration.
  static int SujetoActual();
  // Marks the open declaration as changed.
  static void MarcarDeclaracionModificada();
  // Replaces the selection with `texto` as typing does: read-only does nothing; the undo step is kept; the text
  // is cut to the room the maximum length leaves (false, nothing inserted, when none is left for a non-empty text).
  bool ReemplazarSeleccion(std::string_view texto);
  // Sets the whole text and the selection as an edit the user can undo, and notifies the change.
  void CambiarTexto(std::string_view texto, int inicio, int fin);

 private:
  struct SEstadoTexto {
    std::string texto;
    int inicio = 0;
    int fin = 0;
  };
  void Ligar(CCampo* campo);
  void InsertarCaracter(unsigned caracter);
  void BorrarAdelante();
  void BorrarAtras();
  void GuardarDeshacer();
  void NotificarCambio(const std::string& antes);
  // After a clipboard change: the check of the kind of box, undone with a beep when it fails.
  void RevisarTrasPortapapeles(const std::string& antes);
  int Crear(wxWindow* padre, int id, int x, int y, int ancho, int alto, const wxFont* fuente);
  // Lets go of the window and has it destroyed, with no focus processing.
  void SoltarVentana();
  void MostrarAyuda();

  int m_nLongitudMaxima = 0;
  CCampo* m_pCampo = nullptr;
  std::unique_ptr<CCampo> m_campoPropio;
  int m_bConfirmado = 1;
  int m_bModificado = 0;
  bool m_bSoloLectura = false;
  bool m_bEnDialogo = false;
  bool m_bSobrescribir = false;
  bool m_bPorDefecto = false;
  int m_nIdControl = 0;
  std::optional<SEstadoTexto> m_deshacer;
  std::string m_textoConocido;
  CSuperficieEditMemoria m_memoria;
  CSuperficieEdit* m_pSuperficie = &m_memoria;
  CVentanaEdit* m_pVentana = nullptr;
  wxWindow* m_pDueno = nullptr;
  // Shared with the calls on the stack: false once the edit is gone, so that an event that made the parent
  // delete the edit touches nothing more.
  std::shared_ptr<bool> m_pVivo = std::make_shared<bool>(true);
};

}  // namespace marco
