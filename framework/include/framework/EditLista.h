// The list box edit (letter 'L'): a one-line edit with a small "..." button at its right end that drops down the
// entries of the box's lookup table; a typed letter jumps to the next entry whose description begins with it. The
// catalogue "Tablas" says which columns give the entry text, the key, the value handed back and the filter
// (CatalogoTablas.h). It is also a plain member of dialogs, and the base of the holder selector.
//
// A box whose link says that the box's own value is the key chosen (SEnlaceTabla::guardaClave: a region code chosen
// from the list of regions) keeps the key: it shows the key, takes the digits typed into it as the code, and on
// leaving refuses a code its table does not have (100R127), the earlier value coming back.
//
// The drop-down is kept here as entries and a selection; when the edit has a window the drop-down is also shown
// in a popup list (EditListaVentana.h), which forwards the user's choice back here. Tests drive the same rules
// without any window.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/CatalogoTablas.h"
#include "framework/EditEx.h"

namespace marco {

class CBaseDatos;
class CFabricaEdit;
class CVentanasLista;

// The entry text of a lookup-table row whose description is empty; taking it empties the box.
inline constexpr std::string_view kEntradaBorrar = "< BORRAR >";
inline constexpr std::string_view kMensajeSinFiltro = "WIN063";

// Control ids of the companion windows.
inline constexpr int kIdBotonLista = 123;
inline constexpr int kIdListaDesplegable = 456;

// One entry of the drop-down: the text shown and the value handed back when it is taken.
struct SEntradaLista {
  std::string texto;
  std::string dato;
};

// Where the drop-down goes on the screen (pixels).
struct SRectanguloPantalla {
  int izquierda = 0;
  int arriba = 0;
  int derecha = 0;
  int abajo = 0;
  int Ancho() const { return derecha - izquierda; }
  int Alto() const { return abajo - arriba; }
  friend bool operator==(const SRectanguloPantalla&, const SRectanguloPantalla&) = default;
};

// The margin around the widest entry.
inline constexpr int kMargenDesplegable = 28;
// The drop-down's place once filled: `popup` as first placed (under the edit), the widest entry's width, the row
// height and the desktop. It grows to show the widest entry (rightwards, leftwards or centred), shows whole rows
// (at least 4) and opens upwards when it would not fit below.
SRectanguloPantalla AjustarDesplegable(SRectanguloPantalla popup, int anchoMaximo, int altoFila,
                                       const SRectanguloPantalla& escritorio);

// The clipboard keys of a box that never pastes, cuts or undoes: Ctrl+V, X, Z and Shift+Delete, Insert beep and
// are refused (1); Ctrl+C and Ctrl+Insert copy (1); anything else 0.
int FiltrarPortapapelesLista(CEditEx& edit, int tecla);

class CListaEdit : public CEditEx {
 public:
  // A box of a page on the given (local) database.
  CListaEdit(CCampo& campo, CBaseDatos* baseDatos);
  // A member of a dialog with a record of its own of the given length.
  CListaEdit(int longitud, CBaseDatos* baseDatos);
  // Without a database.
  CListaEdit();
  ~CListaEdit() override;

  CBaseDatos* DameBaseDatos() const { return m_pBaseDatos; }

  // ---- the lookup table ----
  // A non-empty name becomes the box's lookup table (FicheroTab); the catalogue row is read again when next used.
  void PonerTabla(std::string_view nombre);
  // Reads the catalogue row of the box's table.
  void LeerDefinicionTabla();
  // The catalogue row (read first when it was not yet).
  const SDefinicionTabla& Definicion();
  // The lookup table's name as opened (with the interface language letter).
  std::string NombreTabla() const;

  // ---- the button and the drop-down ----
  // Places the button at the right end of the edit (the edit is narrowed the first time) unless the edit is
  // read-only, and reads the catalogue row. Called when the window is made.
  void CrearBoton();
  // Closes the drop-down, removes the button and makes it again (after the box's table changed).
  void RehacerLista();
  // True when the button is there to press (not for a read-only edit).
  bool TieneBoton() const { return !EsSoloLectura(); }
  // The button pressed (or Alt+Down): refused on a locked member's box (WINR007); closes an open drop-down;
  // otherwise fills it and opens it.
  void AbrirDesplegable();
  void CerrarDesplegable();
  bool DesplegableAbierto() const { return m_bAbierto; }
  const std::vector<SEntradaLista>& Entradas() const { return m_entradas; }
  // The selected entry, -1 for none.
  int EntradaSeleccionada() const { return m_nSeleccion; }
  void SeleccionarEntrada(int indice);
  // Double-click or Enter in the drop-down: the selected entry is taken, the drop-down closes, and the parent is
  // told that the value changed.
  void TomarEntrada();
  // The type-ahead: the next entry whose description begins with `caracter`. 2 when the table was searched, 1
  // when there was nothing to search.
  int BuscarPorInicial(unsigned char caracter);

  // ---- CEditEx ----
  void AlCrearVentana() override;
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;
  // A code typed into a box that keeps the key is looked up; an unknown one is refused and the earlier value shown
  // again. Always 0: the input moves on.
  int ValidarAlSalir(const std::string* texto) override;
  // The list box never pastes, cuts or undoes: Ctrl+V, X, Z and Shift+Delete, Insert beep; Ctrl+C and Ctrl+Insert
  // copy.
  int FiltrarTeclaControl(int tecla) override;
  void Pegar() override;
  // No text from outside (a cut, a drop) is kept.
  int TextoAdmisible(std::string_view) override { return 0; }

  // The box's link makes the key chosen the box's own value: the box keeps the key.
  bool GuardaClave() const;

  // ---- own operations ----
  // Looks `clave` up in the lookup table (exact): its description and filter value, each of 255 characters;
  // 255 blanks each when not found.
  virtual void BuscarClave(std::string_view clave, std::string& descripcion, std::string& filtro);
  // Takes the selected entry into the box; 1.
  virtual int AceptarSeleccion();
  // Fills the open drop-down; 1 filled, 0 refused (the drop-down does not open).
  virtual int LlenarDesplegable();

  // The companion windows (none without a window).
  CVentanasLista* Ventanas() const { return m_ventanas.get(); }

 protected:
  void VaciarDesplegable();
  void AnadirEntrada(std::string texto, std::string dato);
  SEnlaceTabla* EnlaceTabla() const;
  // The bound value's first n characters, trailing blanks removed.
  std::string ValorActual() const;
  // Shows a text in the window as the edit's own change.
  void MostrarTexto(std::string_view texto) { PonerTexto(texto); }

  // Expires with the edit: a notification may make the parent delete it.
  std::shared_ptr<bool> m_pVivoLista = std::make_shared<bool>(true);

 private:
  bool m_bCatalogoLeido = false;
  SDefinicionTabla m_definicion;
  CBaseDatos* m_pBaseDatos = nullptr;
  bool m_bAbierto = false;
  std::vector<SEntradaLista> m_entradas;
  int m_nSeleccion = -1;
  std::unique_ptr<CVentanasLista> m_ventanas;
};

// Registers the list, code, holder and selection edits in the factory. The program's start-up calls it once,
// before the first page is shown.
void RegistrarEditsTablas(CFabricaEdit& fabrica);

}  // namespace marco
