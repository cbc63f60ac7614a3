// The choice of the edit a box of a form page gets when it becomes active, and the table of the edit classes that
// make them.
//
// The choice (ElegirClaseEdit) follows the box's type letter, whether it names a detail window (NombreVent),
// whether the page's binding gave it a link (Enlace), and its repetition count m and decimals d. Each class of
// the choice is made by the creator registered for it: the framework registers the plain, text and number edits;
// the modules that own the other edit classes register theirs at start-up, before the first page is shown (an
// explicit call, not a static initialiser, which a static library may drop).
//
// A class without a creator falls back to its fallback class when that one is registered (a detail-opening amount
// to the plain amount, a detail-opening tick box to the tick box, a list, code or selection edit to the plain
// edit), else to the plain CEditEx; the plain edit is read-only when the box's value is not characters (tick
// boxes, holders, numbers, dates), so that it never writes text into a value of another layout.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

namespace marco {

class CBaseDatos;
class CCampo;
class CEditEx;

enum class EClaseEdit {
  EditEx,              // CEditEx, the plain edit
  AlfaEdit,            // CAlfaEdit, 'A'
  CasillaEdit,         // CCasillaEdit, 'B'
  EditDialogo,         // CEditDialogo, 'B' with a window and a link
  ContadorEdit,        // CContadorEdit, 'C'
  FechaEdit,           // CFechaEdit, 'D'
  SelEpigraf,          // CSelEpigraf, 'E' with a link
  DoubleEdit,          // CDoubleEdit, 'F'
  ImporteDetalleEdit,  // CImporteDetalleEdit, 'F' with a window and a link
  CodigoDescripcion,   // CCodigoDescripcion, 'G' (given the local database)
  EnteroEdit,          // CEnteroEdit, 'I'
  ListaEdit,           // CListaEdit, 'L' (given the local database)
  ModsProductoEdit,    // CModsProductoEdit, 'M' with m = 1
  ModsEmpreEdit,       // CModsEmpreEdit, 'M' with another m
  Moneda,              // CMoneda, 'R'
  MonedaDetalle,       // CMonedaDetalle, 'R' with a window and a link
  TitularEdit,         // CTitularEdit, 'T'
  ANumEdit,            // CANumEdit, 'Z'
  SelStrEdit,          // CSelStrEdit, other letters with a window and a link, d = -1
  SelClaveEdit,        // CSelClaveEdit, the same with d other than -1 and m = 1
  SelIAEEdit,          // CSelIAEEdit, the same with d other than -1 and another m
};
inline constexpr std::size_t kNumeroClasesEdit = static_cast<std::size_t>(EClaseEdit::SelIAEEdit) + 1;

// The class name ("CListaEdit").
std::string_view NombreClaseEdit(EClaseEdit clase);
// The class tried when `clase` has no creator; `clase` itself when there is none to try.
EClaseEdit ClaseEditSustituta(EClaseEdit clase);

// The class for a box.
EClaseEdit ElegirClaseEdit(const CCampo& campo);

// Makes the edit of a class bound to the box; `baseLocal` is the local database (the list and code edits use it;
// the others ignore it). It may give none, which counts as not registered.
using FCreadorEdit = std::function<std::unique_ptr<CEditEx>(CCampo& campo, CBaseDatos* baseLocal)>;

class CFabricaEdit {
 public:
  // With the framework's own classes registered: the plain, text and number edits.
  CFabricaEdit();

  // Puts (or replaces) the creator of a class; an empty one takes the class out.
  void Registrar(EClaseEdit clase, FCreadorEdit creador);
  bool EstaRegistrada(EClaseEdit clase) const;

  // The edit for the box: the chosen class's, or its fallback's (above). Never none.
  std::unique_ptr<CEditEx> Crear(CCampo& campo, CBaseDatos* baseLocal = nullptr) const;
  // The same for a class chosen elsewhere.
  std::unique_ptr<CEditEx> CrearClase(EClaseEdit clase, CCampo& campo, CBaseDatos* baseLocal = nullptr) const;

 private:
  std::array<FCreadorEdit, kNumeroClasesEdit> m_creadores;
};

// The program's factory, which the page view asks and the modules register into.
CFabricaEdit& FabricaEdit();

}  // namespace marco
