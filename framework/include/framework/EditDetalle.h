// The detail-opening boxes: amounts that are the result of a detail dialog ('F' and 'R' boxes with a window name
// and a detail link) and the tick box that opens a dialog ('B' likewise). They are not typed into: a click on the
// small "..." button at their right edge, a double click or a typed character opens the box's detail dialog on a
// copy of the block the detail link points to (a character typed into an amount box goes on into the dialog's
// field for it, see docs/DIALOGOS.md); OK writes the copy back and tells the owner 0x402 (the page recalculates),
// Cancel changes nothing.
//
// The dialogs themselves are registered by window name (EditDetalleDialogos.h). RegistrarEditsFechaCasillaDetalle
// puts the date, tick-box and detail-opening edits into the edit factory; the program's start-up calls it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/EditNumerico.h"
#include "framework/EditSiNo.h"

class wxWindow;

namespace marco {

class CFabricaEdit;

// Coded messages of the detail boxes.
inline constexpr std::string_view kMensajeSinDetalle = "WIN033";         // the box has no detail link
inline constexpr std::string_view kMensajeDialogoDesconocido = "WIN034";  // the window name is not a detail dialog
inline constexpr std::string_view kMensajeDialogoNoRegistrado = "DETA001";  // its dialog is not in this program
// Texts of the dialog-opening tick box.
inline constexpr std::string_view kTextoSinDatoEditar = "No existe dato a editar";
inline constexpr std::string_view kTextoDialogoNoRegistrado = "No existe esa caja de dialogo registrada";

// The control id of the detail button.
inline constexpr int kIdBotonDetalle = 123;
// The dialog number of the dialog-opening tick box's one dialog.
inline constexpr int kDialogoAsignacionTributaria = 164;

// The detail window text of a box: "name", "name*number" or "name*number*digit".
struct SVentanaDetalle {
  std::string nombre;                  // before the first '*'
  std::int32_t primerParametro = 0;    // the number after the first '*'
  std::int32_t segundoParametro = 0;   // the last digit after a second '*'
};
SVentanaDetalle AnalizarVentanaDetalle(std::string_view textoVentana);

// The dialog number of a detail window name; -1 when it is none.
int NumeroDialogoDetalle(std::string_view nombre);
// True when the number's dialog opens (some numbers of the table have none: nothing opens).
bool DialogoDetalleAbre(std::string_view nombre);

// What both detail-opening edits share: the "..." button beside the edit.
class CDetalleBoton {
 public:
  CDetalleBoton();
  ~CDetalleBoton();
  CDetalleBoton(const CDetalleBoton&) = delete;
  CDetalleBoton& operator=(const CDetalleBoton&) = delete;

  // Places the button beside the edit's window, in its parent, the edit narrowed by the button's side the first
  // time; the button's clicks and double clicks on the edit call `abrir`. When the edit's window goes the button
  // goes too, and `alDestruir` runs. Nothing for a read-only edit or one without a window.
  void Situar(CEditEx& edit, std::function<void()> abrir, std::function<void()> alDestruir = {});
  // The button window; none until placed and once gone.
  wxWindow* Boton() const;
  // The button's side; 0 until first placed.
  int Ancho() const { return m_nAncho; }

 private:
  struct SEstado;
  std::shared_ptr<SEstado> m_pEstado;
  int m_nAncho = 0;
};

// 'F' with a window name and a detail link.
class CImporteDetalleEdit : public CDoubleEdit {
 public:
  explicit CImporteDetalleEdit(CCampo& campo);
  // For dialogs: `enteros` digits, `decimales` decimals and a detail window text.
  CImporteDetalleEdit(int enteros, int decimales, std::string_view textoVentana);

  const std::string& NombreDialogo() const { return m_ventana.nombre; }
  const std::string& TituloDialogo() const { return m_sTitulo; }
  std::int32_t PrimerParametro() const { return m_ventana.primerParametro; }
  std::int32_t SegundoParametro() const { return m_ventana.segundoParametro; }
  // The button window (none until placed, and for read-only boxes).
  wxWindow* BotonDetalle() const { return m_boton.Boton(); }

  int EsNumerico() override { return 0; }
  void Pegar() override {}
  void AlCrearVentana() override;
  // Any typed character opens the dialog (Escape only goes on to the owner); one that writes something goes on
  // into the dialog's field for it (the first amount of the person shown), where the keys after it follow.
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  // Delete is refused.
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;
  int ValidarAlSalir(const std::string*) override { return 0; }
  // The value is written by the dialog: nothing is stored.
  int GuardarValor() override { return 1; }
  int FiltrarTeclaControl(int tecla) override;
  // Never locked to the family unit: the dialog applies its own lock.
  std::int32_t DameMarca() override { return 1; }
  int TextoAdmisible(std::string_view) override { return 0; }
  // Its value is its dialog's: a calculator figure would not agree with the detail, and is refused.
  bool TextoDeCalculadora(double, std::string&) override { return false; }

  // Opens the detail dialog: 1 refused (no link: WIN033; unknown name: WIN034), 2 handled. On OK the block is
  // written back, modified := 1 and 0x402 goes to the owner; the focus comes back to the edit. `caracter`, the
  // character typed into the box (0: none), is handed to the dialog.
  int AbrirDetalle(unsigned caracter = 0);

 protected:
  // The stored value, for the currency edit that stores its text.
  int GuardarComoImporte() { return CDoubleEdit::GuardarValor(); }

 private:
  void Preparar();

  SVentanaDetalle m_ventana;
  std::string m_sTitulo;
  CDetalleBoton m_boton;
  std::shared_ptr<bool> m_pVivo = std::make_shared<bool>(true);
};

// 'R' with a window name and a detail link: the same, with the box's currency picture, and its text stored as an
// amount edit stores it.
class CMonedaDetalle : public CImporteDetalleEdit {
 public:
  explicit CMonedaDetalle(CCampo& campo);
  int GuardarValor() override { return GuardarComoImporte(); }
};

// 'B' with a window name and a detail link: a tick box whose value its dialog sets.
class CEditDialogo : public CCasillaEdit {
 public:
  explicit CEditDialogo(CCampo& campo);

  const std::string& NombreDialogo() const { return m_ventana.nombre; }
  // kDialogoAsignacionTributaria for its one dialog name, -1 otherwise.
  int NumeroDialogo() const;
  wxWindow* BotonDetalle() const { return m_boton.Boton(); }

  void AlCrearVentana() override;
  // Backspace refused, Escape accepted, any other character opens the dialog.
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  // Delete empties the box (0x401) for the dialog's box, and is refused otherwise.
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;
  // The value is written by the dialog: nothing is stored.
  int GuardarValor() override { return 1; }
  int FiltrarTeclaControl(int tecla) override;
  std::int32_t DameMarca() override { return 1; }
  // A press is the control's: the dialog opens on a double click.
  bool AlPulsarRaton() override { return false; }

  // 1 refused (no link, name not registered), 2 handled.
  int AbrirDetalle();

 private:
  SVentanaDetalle m_ventana;
  std::string m_sTitulo;
  CDetalleBoton m_boton;
  std::shared_ptr<bool> m_pVivo = std::make_shared<bool>(true);
};

// Registers CFechaEdit, CCasillaEdit, CEditDialogo, CImporteDetalleEdit and CMonedaDetalle in the factory.
void RegistrarEditsFechaCasillaDetalle(CFabricaEdit& fabrica);

}  // namespace marco
