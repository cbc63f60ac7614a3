// The windows of the dialog bases on wxWidgets: a modal wxDialog for CTemplateDlg and a wxPanel for a wizard
// page (CTemplatePropPg) inside its sheet. Both are built from the layout (CPlantillaDialogo), forward every
// event to the rules of the base and paint what the rules say: the dialogs' font, locked fields black on pale
// yellow, the bitmap buttons.
//
// What they forward: focus gained and lost and text changes of the plain field edits they make (0x100, 0x200,
// 0x300), Enter and Tab in those edits (0x404 first, then the keyboard rules), Esc, the Up and Down arrows, F1 in
// a page, clicks of buttons, check boxes, radio buttons and lists, and the close box. The box edits (CEditEx,
// placed with CPlantillaDialogo::CampoEdit) report their own box events (EVT_AVISO_CAMPO) and forward Tab, Enter,
// Esc and the navigation keys to their parent; the windows hand those to the same rules.
#pragma once

#include <wx/font.h>

class wxWindow;

namespace marco {

class CDialogoBase;

// The dialogs' font (Arial, 13 pixels high, or the nearest sans-serif face the system has).
wxFont FuenteDialogos();

// The dialog or page rules a window belongs to (the window itself or an ancestor), or null.
CDialogoBase* DialogoDeVentana(wxWindow* ventana);

// Runs the data exchange of every child of `ventana` in the given direction: 1 stores each edit's text into its
// bound value, 0 shows each bound value in its edit. For a dialog or page window the bindings of its rules run
// too.
void ActualizarDatosHijos(wxWindow* ventana, int direccion);

}  // namespace marco
