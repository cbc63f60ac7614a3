// The fixed texts of the windows (captions, labels, buttons, frames, list entries) are written once, in Castilian
// and Windows-1252, in the layouts and the code. Where such a text enters a window it is looked up in the catalog of
// the interface language (data/idiomas, loaded at start-up and on a language switch); a text the catalog lacks, and
// every text while the interface is in Castilian, is shown as written. Data the user types or the program fills in
// (names, amounts, codes) never goes through here.
#pragma once

#include <string>
#include <string_view>

#include <wx/string.h>

class wxMessageDialog;
class wxWindow;

namespace marco {

// The text for a window, in the interface language.
wxString TextoFijoWx(std::string_view cp1252);

// The same, back in Windows-1252, for code that measures or draws texts of that encoding. A character of the
// translation that Windows-1252 lacks becomes '?'.
std::string TextoFijo1252(std::string_view cp1252);

// A fixed text the program writes into a declaration or onto paper (a sheet's printed title), kept as a row of the
// message table so that it speaks the interface language: the text of `codigo` in the local database's table of
// that language, or `porDefecto` (Castilian, Windows-1252) when the table or the row is missing.
std::string TextoDeTabla(std::string_view codigo, std::string_view porDefecto);

// A question or notice in a message box, as wxMessageBox asks it (`estilo` of wxYES_NO, wxOK, wxCANCEL, icons;
// the answer wxYES, wxNO, wxOK or wxCANCEL), whose buttons carry the labels of the interface language's catalogs
// and not those of the system's locale (which may lack the language).
int PreguntaVentana(const wxString& texto, const wxString& titulo, long estilo, wxWindow* padre);
// Gives a message box's buttons (those `estilo` asks for) the labels of the interface language's catalogs.
void PonerBotonesPregunta(wxMessageDialog& dialogo, long estilo);

}  // namespace marco
