// What the dialog base (CTemplateDlg) and the wizard page base (CTemplatePropPg) share, without a window: the
// layout, the window side they talk to (CControlesDialogo), the environment of the open declaration, the event
// operations the box notifications reach, the keyboard rules, and the bindings of controls to values that the
// data exchange (ActualizarDatosHijos) runs.
//
// A binding ties a control's text to a value in the dialog's working copy: `mostrar` gives the text to show,
// `guardar` takes the typed text (false: the text is not a value; nothing is changed and the old value is shown
// again). Box edits that carry their own value (CEditEx::AsignarDato) need no binding: the window runs their own
// exchange in the same step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/DialogoPlantilla.h"
#include "framework/TemplateDlgReglas.h"

namespace marco {

struct SEnlaceControl {
  std::function<std::string()> mostrar;
  std::function<bool(std::string_view)> guardar;
  // An amount's room: the largest whole part its value takes (0: the binding sets none). A text that reads as an
  // amount past it is not stored: the overflow message (WIN032, as the page boxes give) is shown and the field
  // shows its value again.
  double maximo = 0.0;
};

// Whether an amount typed as `texto` is past the room `maximo` (0: no room set; a text that is no amount is not).
bool DesbordaEnlace(std::string_view texto, double maximo);

// The shared background of locked fields: one per base, alive while an initialised dialog (page) of that base is.
struct SPincelFondo {
  SColorDialogo color = kFondoBloqueado;
};

class CDialogoBase {
 public:
  explicit CDialogoBase(int idRecurso);
  virtual ~CDialogoBase();
  CDialogoBase(const CDialogoBase&) = delete;
  CDialogoBase& operator=(const CDialogoBase&) = delete;

  int IdRecurso() const { return m_nIdRecurso; }
  CPlantillaDialogo& Plantilla() { return m_plantilla; }
  const CPlantillaDialogo& Plantilla() const { return m_plantilla; }

  // ---- the window ----
  // The window side while the dialog is open (null before and after). The window classes and the simulated
  // controls of the tests attach themselves here.
  CControlesDialogo* Ventana() const { return m_pVentana; }
  void AsociarVentana(CControlesDialogo* ventana) { m_pVentana = ventana; }
  // The result the dialog ended with (1 OK, 2 Cancel); 0 while it runs.
  int Resultado() const { return m_nResultado; }

  // ---- environment of the open declaration ----
  // The one fixed with FijarEntorno, else the one the declaration document publishes.
  SEntornoDialogo Entorno() const;
  void FijarEntorno(const SEntornoDialogo& entorno) { m_entorno = entorno; }

  // ---- person code and spouse column (the launcher or the derived dialog sets them) ----
  std::int32_t CodigoSujeto() const { return m_nSujeto; }
  void PonerCodigoSujeto(std::int32_t sujeto) { m_nSujeto = sujeto; }
  std::int32_t ColumnaConyuge() const { return m_nColumnaConyuge; }
  void PonerColumnaConyuge(std::int32_t columna) { m_nColumnaConyuge = columna; }
  const std::string& Titulo() const { return m_strTitulo; }
  void PonerTitulo(std::string_view titulo) { m_strTitulo = std::string(titulo); }
  const SFuenteDialogo& Fuente() const { return m_fuente; }

  // ---- bindings and data exchange ----
  void Enlazar(int id, SEnlaceControl enlace);
  // A fixed text field of n bytes (Windows-1252, blank-padded, no terminator); the text shown has its trailing
  // blanks removed.
  void EnlazarTexto(int id, char* campo, std::size_t n);
  // An amount: shown with "." between thousands and "," before at most `decimales` decimals, typed with ","
  // (or ".") as the decimal separator and no thousands separators ("." groups are accepted too). An empty text
  // is 0; zero shows empty unless `mostrarCero`.
  void EnlazarImporte(int id, double* valor, int decimales = 2, bool mostrarCero = false);
  void QuitarEnlace(int id);
  bool TieneEnlace(int id) const { return m_enlaces.count(id) != 0; }
  // Stores the text of a bound control into its value at once (as leaving it does) and shows the value again;
  // false when the text is not a value (the old value is shown again) or the control is not bound.
  bool GuardarEnlace(int id);
  // 1: every bound control's text into its value (read-only controls keep theirs), then the children's own
  // exchange; 0: the children's own exchange, then every bound value shown in its control.
  void ActualizarDatos(int direccion);

  // ---- events ----
  // An edit of this window reports an event (kAviso...) for control `id`. A bound field that lost the focus with
  // its text changed stores it first, as a box edit does. The result is the event operation's.
  int Notificar(int id, int codigo);
  // A button (or another control) was clicked.
  int Pulsar(int id);

  // The keyboard rules of both bases (1 handled, 0 default handling). Characters: Tab and Enter the next
  // control, Esc cancels and closes. Keys down: Up the previous control, Down the next, Tab the next.
  virtual int OnChar(int caracter);
  virtual int OnKeyDown(int tecla);
  // Tab in a field (after its 0x404): the next control that takes the focus, the previous one with Shift. 1.
  virtual int Tabular(bool atras);
  // A character typed into a plain field edit of the layout, before the control takes it (box edits have rules
  // of their own): a Windows-1252 byte, or Backspace (8). 0 the control takes it, 1 refused (a beep), 2 handled
  // here. An amount field (kEdicionImporte) takes digits, the comma, the point and the signs only; any other
  // field takes everything.
  virtual int ValidarCaracterCampo(int id, unsigned caracter);

  // Event operations (control id -> result); all give 0 here.
  virtual int AlSalirDeCampo(int id);
  virtual int AlBorrarCampo(int id);
  virtual int AlEntrarEnCampo(int id);
  virtual int AlCambiarTexto(int id);
  virtual int AlConfirmarCampo(int id);
  virtual int AlCambiarValor(int id);

  // The dialog's own exchange of members that are not bound controls (radio indexes and the like): 0 at
  // initialisation, 1 on OK. Nothing here.
  virtual void DoDataExchange(int direccion);
  // Clicks of buttons other than OK and Cancel (help 1011, the dialog's own): 1 when handled. Nothing here.
  virtual int AlComando(int id, int codigo);
  virtual void OnOK();
  virtual void OnCancel();

  // ---- helpers for derived dialogs (they do nothing without a window) ----
  std::string TextoControl(int id) const;
  void PonerTextoControl(int id, std::string_view texto);
  void HabilitarControl(int id, bool habilitar);
  // Check boxes and radio buttons.
  bool ControlMarcado(int id) const;
  void MarcarControl(int id, bool marcado);
  // A group of radio buttons as an index: the position in `ids` of the marked one (-1 none); marking by index
  // (an index outside `ids` unmarks them all).
  int IndiceOpcion(std::span<const int> ids) const;
  void PonerIndiceOpcion(std::span<const int> ids, int indice);
  // A list control: its entries replaced (Windows-1252 texts) and its selected row (-1 none).
  void RellenarLista(int id, const std::vector<std::string>& elementos);
  int SeleccionLista(int id) const;
  void PonerSeleccionLista(int id, int fila);
  void PonerFoco(int id);
  // The caret of a text control after its text (CControlesDialogo::CursorAlFinal).
  void CursorAlFinal(int id);
  // The shared leave-field answer: false when no window has the focus or the focus goes to Cancel (id 2).
  bool PermitirSalidaCampo() const;

 protected:
  // Routes the notifications both bases share (0x100, 0x200, 0x300, 0x401, 0x402, 0x403); 0 for any other code.
  int Despachar(int codigo, int id);
  virtual int DespacharEvento(int codigo, int id) = 0;
  // The keyboard is about to move the focus on to the next control (Tab, Enter, Down): a derived dialog opens here
  // what that move must be able to reach. Nothing here.
  virtual void AntesDeAvanzar();
  void Terminar(int resultado);
  void MostrarEnlace(int id);

  SFuenteDialogo m_fuente = kFuenteDialogo;

 private:
  struct SEnlaceVivo {
    SEnlaceControl enlace;
    std::string mostrado;
  };
  // Stores a bound control's text into its value; an amount past its room gives the overflow message instead.
  // False when nothing was stored (the caller shows the value again).
  static bool GuardarTexto(const SEnlaceVivo& vivo, std::string_view texto);

  int m_nIdRecurso;
  CPlantillaDialogo m_plantilla;
  CControlesDialogo* m_pVentana = nullptr;
  int m_nResultado = 0;
  std::optional<SEntornoDialogo> m_entorno;
  std::string m_strTitulo;
  std::int32_t m_nSujeto = 1;
  std::int32_t m_nColumnaConyuge = 1;
  std::map<int, SEnlaceVivo> m_enlaces;
};

// Runs the data exchange of every child of the dialog or page in the given direction: 1 stores each edit's text
// into its bound value, 0 shows each bound value in its edit.
void ActualizarDatosHijos(CDialogoBase& dialogo, int direccion);

// Amount texts of the bindings: the shown form, and the typed form read back (false when it is not a number).
std::string TextoImporteDialogo(double valor, int decimales, bool mostrarCero);
bool LeerImporteDialogo(std::string_view texto, double& valor);

}  // namespace marco
