// The selection edit: a box with a small "..." button at its right end that opens a modal dialog registered under
// the box's window name (NombreVent, "NAME", "NAME*a" or "NAME*a*b"); the dialog edits the data the box's link
// designates and the box's parent is told when it was confirmed. Nothing is ever typed into the box: a letter
// opens the dialog, a blank or Delete erases the selection (when the kind of box has one to erase).
//
// The dialogs are registered by the modules that own them, at start-up, in the program's registry of selection
// dialogs (RegistroSelecciones): each one is given the edit, its window, the link and the numbers of the window
// name, copies the data in, runs modally and, on OK, copies it back (and marks the declaration as changed when
// its data calls for it); it gives the dialog's result, 1 for OK.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <wx/weakref.h>
#include <wx/button.h>

#include "framework/EditEx.h"

class wxWindow;

namespace marco {

class CSelStrEdit;

inline constexpr std::string_view kTextoSinDato = "No existe dato a editar";
inline constexpr std::string_view kTextoSinDialogo = "No existe esa caja de dialogo registrada";
inline constexpr std::string_view kDialogoNombreApellidos = "IDD_NOMAPE";
// A box names a dialog that no module registered: said with this coded message, never silently.
inline constexpr std::string_view kMensajeDialogoNoExiste = "WIN071";
// The heading search of the activity boxes (registered by the activities module).
inline constexpr std::string_view kDialogoEpigrafes = "IDD_EPIGRAFE";

// The link of a box that takes an activity heading (letter 'E', CSelEpigraf): the heading code (5 bytes for box
// kinds 1 and 3, 3 for kind 2; NUL or blank padded) and the group byte (0 artists and sportsmen, 1 professionals,
// 2 business).
struct SEnlaceEpigrafe {
  char* codigo = nullptr;
  std::uint8_t* grupo = nullptr;
};

// What a selection dialog is given.
struct SContextoSeleccion {
  CSelStrEdit* edit = nullptr;
  wxWindow* padre = nullptr;  // the edit's window (none without one)
  void* enlace = nullptr;     // the box's link: the data the dialog edits
  std::string nombre;         // the dialog name
  std::string titulo;         // the box's TituloVent
  std::int32_t numero1 = 0;
  std::int32_t numero2 = 0;
  int palabra = 0;            // the word AbrirSeleccion was called with
  unsigned caracter = 0;      // the character typed into the box that opened the dialog (Windows-1252); 0 when
                              // the button or a double-click opened it. A dialog with a text field takes it as
                              // the first character typed there.
};

// Runs the dialog modally on the data; its result (1 OK).
using FDialogoSeleccion = std::function<int(const SContextoSeleccion&)>;

class CRegistroSelecciones {
 public:
  // Puts (or replaces) the dialog of a name; an empty one takes the name out.
  void Registrar(std::string_view nombre, FDialogoSeleccion dialogo);
  // The dialog of a name (matched exactly); none when not registered.
  const FDialogoSeleccion* Buscar(std::string_view nombre) const;
  bool EstaRegistrado(std::string_view nombre) const { return Buscar(nombre) != nullptr; }
  // The names registered, in name order.
  std::vector<std::string> Nombres() const;

 private:
  std::map<std::string, FDialogoSeleccion, std::less<>> m_dialogos;
};

// The program's registry, filled at start-up by the modules that own the dialogs.
CRegistroSelecciones& RegistroSelecciones();

// The dialogs a member's page may open on a family with a spouse or a first child.
bool DialogoPermitidoAMiembro(std::string_view nombre);

// The dialog name and the two numbers of a window name.
struct SNombreSeleccion {
  std::string nombre;
  std::int32_t numero1 = 0;
  std::int32_t numero2 = 0;
};
SNombreSeleccion AnalizarNombreSeleccion(std::string_view nombreVent);

class CSelStrEdit : public CEditEx {
 public:
  CSelStrEdit();
  ~CSelStrEdit() override;

  // Binds the box record and reads its window name and title.
  void Inicializar(CCampo& campo);

  const std::string& NombreDialogo() const { return m_nombre; }
  const std::string& Titulo() const { return m_titulo; }
  std::int32_t Numero1() const { return m_nNumero1; }
  std::int32_t Numero2() const { return m_nNumero2; }
  // While blocked neither the button nor a double-click opens the dialog.
  bool Bloqueada() const { return m_bBloqueada; }
  void PonerBloqueada(bool bloqueada) { m_bBloqueada = bloqueada; }
  // The registry the edit opens from (the program's unless another is given, as tests do).
  void PonerRegistro(const CRegistroSelecciones* registro) { m_pRegistro = registro; }

  // The button pressed: nothing while blocked; refused with WINR007 on a member's page of a family with a spouse
  // or first child unless the dialog is one a member may open; otherwise Abrir.
  void PulsarBoton();
  // A double-click: Abrir unless blocked (then the edit only takes the focus).
  void AlDobleClic();
  // Opens the dialog (`caracter`: the character typed that opened it, 0 none); when confirmed, the parent is told
  // the value changed and the caret goes to the start. 2.
  int Abrir(unsigned caracter = 0);
  wxButton* Boton() const { return m_boton.get(); }

  // ---- CEditEx ----
  void AlCrearVentana() override;
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;
  int ValidarAlSalir(const std::string*) override { return 0; }
  int FiltrarTeclaControl(int tecla) override;
  std::int32_t DameMarca() override { return 1; }
  void Pegar() override;
  int TextoAdmisible(std::string_view) override { return 0; }

  // ---- own operations ----
  // Opens the registered dialog: its result (1 OK); 1 after a message (no link, no name); 2 when the name is not
  // registered (after WIN071). On OK the parent gets 0x401 and 0x402.
  virtual int AbrirSeleccion(int palabra);
  // Erases the selection: 0 or 2 when erased, other values when not (1: nothing to erase here).
  virtual int BorrarSeleccion() { return 1; }

 protected:
  // The open declaration shows a member and has a spouse or a first child.
  static bool MiembroConFamilia();
  void CaretAlPrincipio() { Superficie().PonerSeleccion(0, 0); }
  // Expires with the edit: a notification may make the parent delete it.
  std::shared_ptr<bool> m_pVivoSeleccion = std::make_shared<bool>(true);

 private:
  void DestruirBoton();

  bool m_bBloqueada = false;
  unsigned m_nCaracter = 0;  // the character that is opening the dialog
  std::string m_nombre;
  std::string m_titulo;
  std::int32_t m_nNumero1 = 0;
  std::int32_t m_nNumero2 = 0;
  int m_nLadoBoton = 0;
  const CRegistroSelecciones* m_pRegistro = nullptr;
  wxWeakRef<wxButton> m_boton;
};

// The edit of a box that takes an activity heading (letter 'E' with a link SEnlaceEpigrafe): its button, a
// double-click or a typed character open the heading search registered under the box's window name
// ("IDD_EPIGRAFE*k", k the box kind; "IDD_EPIGRAFE" kind 3 when the box names no window), which writes the code
// chosen back; a blank or Delete empties the box at once.
class CSelEpigraf : public CSelStrEdit {
 public:
  CSelEpigraf() = default;
  // Binds the box record; a box without a window name opens the heading search of kind 3 (artists and business).
  void InicializarEpigrafe(CCampo& campo);
  // The search; a code picked marks the declaration modified.
  int AbrirSeleccion(int palabra) override;
  // The value filled with blanks over the box's length and the linked code emptied (the declaration modified); 2.
  // 1 when the box has neither.
  int BorrarSeleccion() override;
};

}  // namespace marco
