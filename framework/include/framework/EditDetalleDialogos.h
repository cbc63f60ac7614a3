// The detail dialogs the detail-opening boxes open, registered by their window name (the box's NombreVent before
// its first '*', "IDD_INMOBILIARIO"). The module that writes a detail dialog registers it at start-up, before the
// first page is shown, with the size of the detail block it edits and the function that runs it:
//
//   RegistrarDialogoDetalle("IDD_INMOBILIARIO", sizeof(RegInmobiliario),
//                           [](SPeticionDetalle& p) {
//                             CDlgCapitalInmobiliario dlg(p.padre, p.segundoParametro);
//                             std::memcpy(&dlg.m_recibido, p.bloque.data(), p.bloque.size());
//                             PrepararDialogoDetalle(dlg, p);
//                             const int r = dlg.DoModal();
//                             if (r == kDialogoAceptado) std::memcpy(p.bloque.data(), &dlg.m_recibido, p.bloque.size());
//                             return r;
//                           });
//
// The box edit copies the box's detail block into the request before the run and back into the declaration only
// when the function answers kDialogoAceptado, so a dialog works on a copy and Cancel changes nothing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class wxWindow;

namespace marco {

class CTemplateDlg;

// Results of a detail dialog's run.
inline constexpr int kDialogoAceptado = 1;
inline constexpr int kDialogoCancelado = 2;

// What the box edit hands the dialog.
struct SPeticionDetalle {
  wxWindow* padre = nullptr;             // the box edit's window (none for an edit without a window)
  std::int32_t primerParametro = 0;      // given to the dialog before the run (PonerParametro)
  std::int32_t segundoParametro = 0;     // given to the dialog's constructor
  std::string titulo;                    // the box's TituloVent
  std::int32_t repeticion = 0;           // the box's repetition count m
  std::int32_t sujeto = 0;               // the person shown
  std::int32_t conyugeOPrimerHijo = 0;   // 1 when the spouse or the first child is present
  std::span<unsigned char> bloque;       // the working copy of the detail block (empty for a tick box's dialog)
  double importeCasilla = 0.0;           // the amount the box itself shows (some dialogs only read it)
  std::array<const void*, 2> lectura{};  // the box's places read beside the block (CCampo::EnlacesLectura)
  unsigned caracter = 0;                 // the character typed into the box that opened the dialog (0: none)
  // Where the box's own value lies in the block, when it lies there (boxes that show one field of the block their
  // dialog edits: the dialog may give what was typed into the box to that field).
  std::optional<std::size_t> lugarCasilla;
  // The field of the dialog's entries whose amounts the box's value adds up (CCampo::CampoDetalle; 0: the box
  // shows a total of the whole block): what is typed into the box goes to that field of the person's entry.
  std::int32_t campoCasilla = 0;
};

// Runs the dialog modally: kDialogoAceptado or kDialogoCancelado. On kDialogoAceptado the working copy holds
// the dialog's result.
using FAbrirDialogoDetalle = std::function<int(SPeticionDetalle& peticion)>;

struct SDialogoDetalle {
  std::size_t tamanoBloque = 0;  // bytes of the detail block the dialog edits
  FAbrirDialogoDetalle abrir;
};

// Puts (or replaces) the dialog of a window name; an empty function takes it out.
void RegistrarDialogoDetalle(std::string_view nombre, std::size_t tamanoBloque, FAbrirDialogoDetalle abrir);
void QuitarDialogoDetalle(std::string_view nombre);
// The dialog of a window name (exact comparison); none when not registered.
const SDialogoDetalle* BuscarDialogoDetalle(std::string_view nombre);
// The names registered, in name order.
std::vector<std::string> NombresDialogosDetalle();

// What every detail dialog receives before the run: title, repetition count, person, spouse-or-first-child flag
// (PrepararDialogo), the first parameter (PonerParametro) and the character typed into the box, which the dialog
// types into its field for it once it is up (PonerCaracterInicial).
void PrepararDialogoDetalle(CTemplateDlg& dialogo, const SPeticionDetalle& peticion);

}  // namespace marco
