// The amount edits of the 'M' boxes of the activities under the module regime.
//
// CModsEmpreEdit: a module quantity of a business activity. For a module with an entry dialog a small button at
// the edit's right edge, a double click or (for the modules whose quantity only the dialog gives: 1, 2, 15, 16,
// 21) any typed character opens the dialog on a copy of the module entry; OK writes the entry back, the box shows
// the quantity and the page is told 0x402 (it recalculates). A quantity typed by hand clears the entry's detail,
// so it never sits beside stale dialog facts. Modules 3, 12, 54 and numbers outside the list are plain amounts;
// the modules listed without a dialog become plain amounts at the first attempt to open one.
//
// CModsProductoEdit: the income of an agricultural product (the 'M' boxes with m = 1). It is filled only through
// the product dialog; while active, a small popup beside it names the kind of product.
//
// Both read their link (SEnlaceModulo) for the entry and the activity's row. The dialogs run through a function
// the tests may replace.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "activities/EntradaModulo.h"
#include "framework/EditDetalle.h"
#include "framework/EditNumerico.h"

class wxWindow;

namespace marco {
class CFabricaEdit;
class CTemplateDlg;
}  // namespace marco

namespace actividades {

// Runs a prepared dialog modally: 1 OK, 2 Cancel. By default its DoModal.
using FEjecutarDialogo = std::function<int(marco::CTemplateDlg& dialogo)>;

// Coded messages of the 'M' boxes.
inline constexpr std::string_view kMensajeProductoMiembro = "WIN007";

class CModsEmpreEdit : public marco::CDoubleEdit {
 public:
  explicit CModsEmpreEdit(marco::CCampo& campo);
  CModsEmpreEdit() = default;

  // The module number if it is in the accepted list, else -1.
  static int ValidarModulo(int modulo);

  int Modulo() const { return m_nModulo; }
  int ModuloLeido() const { return m_nModuloLeido; }
  const std::string& NombreCorto() const { return m_strNombreCorto; }
  std::int32_t ClaveActividad() const { return m_nClaveActividad; }
  wxWindow* Boton() const { return m_boton.Boton(); }
  void PonerEjecutor(FEjecutarDialogo ejecutor) { m_ejecutor = std::move(ejecutor); }

  // 0 for the modules whose quantity only the dialog gives (1, 2, 15, 16, 21), 1 for all others.
  int SoloPorDialogo() const;
  // Opens the module's dialog: 1 after OK, 2 otherwise. A module without a dialog turns the box plain.
  int AbrirDialogoModulo();

  void AlCrearVentana() override;
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;

 private:
  SEnlaceModulo* Enlace() const;
  // The twelve detail doubles of the entry set to 0 (and, with `cantidad`, the quantity and the value at +168).
  void LimpiarDetalle(bool cantidad);

  int m_nAnchoBoton = 0;
  std::int32_t m_nClaveActividad = 0;
  int m_nModulo = -1;
  int m_nModuloLeido = -1;
  std::string m_strNombreCorto;
  double m_dCantidad = 0.0;
  std::string m_strVentana;
  marco::CDetalleBoton m_boton;
  FEjecutarDialogo m_ejecutor;
  std::shared_ptr<bool> m_pVivo = std::make_shared<bool>(true);
};

class CModsProductoEdit : public marco::CDoubleEdit {
 public:
  explicit CModsProductoEdit(marco::CCampo& campo);
  ~CModsProductoEdit() override;

  wxWindow* Boton() const { return m_boton.Boton(); }
  // The hint popup while the edit has a window.
  wxWindow* Ayuda() const;
  void PonerEjecutor(FEjecutarDialogo ejecutor) { m_ejecutor = std::move(ejecutor); }

  // The product number and the activity code of the link (0 without one).
  int Producto() const;
  std::int32_t CodigoActividad() const;
  // The index slot of the box's product.
  int IndiceProducto() const;
  // Opens the product's dialog: 2 after OK, 1 otherwise.
  int AbrirDialogoProducto();
  // The title and the context of the dialog base.
  void PasarContexto(marco::CTemplateDlg& dialogo) const;
  // Sets the popup's text to the hint of product k (nothing without a popup).
  void MostrarAyudaProducto(int producto);

  void AlCrearVentana() override;
  // Any character opens the dialog (refused in the member view of a joint declaration); Escape opens nothing.
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;
  int GuardarValor() override { return 1; }
  std::int32_t DameMarca() override { return 1; }

 private:
  SEnlaceModulo* Enlace() const;
  void QuitarAyuda();

  int m_nAnchoBoton = 0;
  marco::CDetalleBoton m_boton;
  FEjecutarDialogo m_ejecutor;
  struct SAyuda;
  std::shared_ptr<SAyuda> m_pAyuda;
  std::shared_ptr<bool> m_pVivo = std::make_shared<bool>(true);
};

// Registers the two edits with the box edit factory.
void RegistrarEditsModulos(marco::CFabricaEdit& fabrica);

}  // namespace actividades
