// The rules of the declaration index: the list of stored declarations filtered by tax, the choice of one, the
// creation of a new one with its name checks, its deletion, and which buttons are offered. The dialog window
// (DlgIndiceDeclaraciones.h) forwards its events here and paints what this object holds; tests drive it alone.
//
// Every message is a coded one with the exclamation icon and no extra text.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/AlmacenDeclaraciones.h"

class wxWindow;

namespace shell {

// Control ids of the dialog (resource 121).
inline constexpr int kIdIndiceDlg = 121;
inline constexpr int kIdSeleccionar = 1;
inline constexpr int kIdCancelar = 2;
inline constexpr int kIdBuscar = 4;
inline constexpr int kIdAlta = 1007;
inline constexpr int kIdBaja = 1229;
inline constexpr int kIdNombre = 1160;
inline constexpr int kIdRejilla = 1133;
inline constexpr int kIdTotal = 1016;
inline constexpr int kIdNumeroFila = 1017;
inline constexpr int kIdRenta = 1065;
inline constexpr int kIdPatrimonio = 1066;
inline constexpr int kIdVerRenta = 1134;
inline constexpr int kIdVerPatrimonio = 1135;
inline constexpr int kIdPaginaArriba = 1137;
inline constexpr int kIdPaginaAbajo = 1138;
inline constexpr int kIdFilaArriba = 1109;
inline constexpr int kIdFilaAbajo = 1110;

// Rows the list shows at least (an older store can list more: the list then has a row for each), and the step of
// the page buttons.
inline constexpr int kFilasIndice = 50;
inline constexpr int kPasoPaginaIndice = 10;

// The form number shown for a stored type: 101 for 0 and 1, 100 for 2, 714 for 3, 390 for 4, else the type.
int ModeloDeTipo(std::int32_t tipodec);

class CIndiceDeclaraciones {
 public:
  // One data row of the list, as shown: row number ("%5d"), name, form number.
  struct SFila {
    std::string numero;
    std::string nombre;
    std::string modelo;
  };
  enum class EFoco { Ninguno, Nombre, Rejilla };

  // `red` holds the store; `local` the message table (null: the program's). `padre` is the messages' parent.
  CIndiceDeclaraciones(marco::CBaseDatos* red, marco::CBaseDatos* local, wxWindow* padre = nullptr);

  // ---- the members the caller sets and reads back ----
  int EsNueva = 0;
  std::string NombreDeclaracion;  // 50 characters as stored
  int TipoDeclaracion = 0;        // 0 income tax, 1 wealth tax
  int PermitirAlta = 1;

  // ---- events ----
  // False when the store does not open: the dialog then stays empty, with Alta, Baja, Seleccionar and the radio
  // pair disabled.
  bool OnInitDialog();
  void Refrescar();
  // Fills the list; the number of rows that passed the filter.
  int CargarLista();
  void ActualizarBotones(int seleccion);
  // The name edit changed to `texto` (Windows-1252).
  void OnCambioNombre(std::string_view texto);
  // A grid notification naming data row `fila` (1 to the rows of the list).
  void OnSeleccionFila(int fila);
  // Moves the selection to data row `fila` (page buttons, search, the first row).
  void SeleccionarFila(int fila);
  // The page and row buttons: 1137, 1138, 1109, 1110.
  void OnNavegar(int id);
  // The filter boxes changed.
  void CambiarFiltro(bool renta, bool patrimonio);
  // The radio pair: 0 income tax, 1 wealth tax.
  void PonerTipo(int tipo) { TipoDeclaracion = tipo != 0 ? 1 : 0; }
  void OnAlta();
  // 1 created, 0 not (after its message).
  int AnadirDeclaracion(std::string_view nombre);
  void OnBaja();
  void OnOK();
  // A double click on `fila` (row 0 is the header).
  void OnDobleClic(int fila);
  // Search: `buscar` gets the store and the tax filter of the list, and gives the name the search dialog found, or
  // nothing when it was cancelled. The first listed row whose name begins so is chosen.
  void OnBuscar();
  using FBuscador = std::function<std::optional<std::string>(const CAlmacenDeclaraciones&, bool renta, bool patrimonio)>;
  void PonerBuscador(FBuscador buscar) { m_buscar = std::move(buscar); }
  void OnCancel() { m_nResultado = kIdCancelar; }
  // The window the messages are shown over.
  void PonerPadre(wxWindow* padre) { m_pPadre = padre; }

  // ---- what the window paints ----
  // The rows of the list: one per listed declaration, and blank ones up to kFilasIndice.
  const std::vector<SFila>& Filas() const { return m_filas; }
  int NumeroFilas() const { return static_cast<int>(m_filas.size()); }
  int Listadas() const { return m_nListadas; }
  std::string TextoTotal() const { return std::to_string(m_nListadas); }
  const std::string& TextoNombre() const { return m_textoNombre; }
  bool NombreSoloLectura() const { return m_bNombreSoloLectura; }
  bool FiltroRenta() const { return m_bVerRenta; }
  bool FiltroPatrimonio() const { return m_bVerPatrimonio; }
  // Enabled state of a control by id (Alta, Baja, Seleccionar and the radio pair; others are always enabled).
  bool Habilitado(int id) const;
  int BotonPorDefecto() const { return m_nBotonDefecto; }
  EFoco Foco() const { return m_foco; }
  // The data row selected (1 to NumeroFilas()), 0 when none.
  int FilaSeleccionada() const { return m_nFila; }
  std::string TextoNumeroFila() const { return std::to_string(m_nFilaMostrada); }
  // 0 while the dialog runs; 1 ended with OK, 2 cancelled.
  int Resultado() const { return m_nResultado; }
  // Bumped whenever something the window shows changed.
  unsigned Version() const { return m_nVersion; }

 private:
  int Mensaje(std::string_view codigo) const;
  std::string NombreDeFila(int fila) const;
  void VaciarLista();

  CAlmacenDeclaraciones m_almacen;
  marco::CBaseDatos* m_pLocal;
  wxWindow* m_pPadre;
  FBuscador m_buscar;

  std::vector<SFila> m_filas = std::vector<SFila>(kFilasIndice);
  int m_nListadas = 0;
  std::string m_textoNombre;
  bool m_bNombreSoloLectura = false;
  bool m_bVerRenta = true;
  bool m_bVerPatrimonio = true;
  bool m_bAlta = true;
  bool m_bBaja = true;
  bool m_bSeleccionar = true;
  bool m_bTipos = true;
  int m_nBotonDefecto = kIdSeleccionar;
  EFoco m_foco = EFoco::Ninguno;
  int m_nFila = 0;
  int m_nFilaMostrada = 1;
  int m_nResultado = 0;
  unsigned m_nVersion = 0;
};

}  // namespace shell
