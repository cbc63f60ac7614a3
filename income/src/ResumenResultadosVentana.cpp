// The window of the summary "RESUMEN DE DECLARACIONES": its lines in a read-only text of fixed-width letters (so
// that the columns line up and the user can select and copy them) and the button that closes it.
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/font.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "framework/TextosVentana.h"
#include "income/ResumenResultados.h"
#include "platform/Texto.h"

namespace renta {

void MostrarResumenDeclaraciones(wxWindow* padre, const std::vector<std::string>& lineas) {
  wxDialog dialogo(padre, wxID_ANY, marco::TextoFijoWx("RESUMEN DE DECLARACIONES"), wxDefaultPosition, wxDefaultSize,
                   wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER);
  std::string texto;
  std::size_t columnas = 0;
  for (const std::string& linea : lineas) {
    if (!texto.empty()) texto += '\n';
    texto += linea;
    columnas = std::max(columnas, linea.size());
  }
  auto* cifras = new wxTextCtrl(&dialogo, wxID_ANY, wxString::FromUTF8(plataforma::Cp1252AUtf8(texto)),
                                wxDefaultPosition, wxDefaultSize, wxTE_MULTILINE | wxTE_READONLY | wxTE_DONTWRAP);
  cifras->SetFont(wxFont(wxFontInfo(10).Family(wxFONTFAMILY_TELETYPE)));
  const wxSize letra = cifras->GetTextExtent("0");
  cifras->SetMinSize(wxSize(letra.GetWidth() * static_cast<int>(columnas + 4),
                            letra.GetHeight() * static_cast<int>(lineas.size() + 2)));
  auto* aceptar = new wxButton(&dialogo, wxID_OK, marco::TextoFijoWx("&Aceptar"));
  aceptar->SetDefault();
  auto* columna = new wxBoxSizer(wxVERTICAL);
  columna->Add(cifras, 1, wxEXPAND | wxALL, 8);
  columna->Add(aceptar, 0, wxALIGN_RIGHT | wxLEFT | wxRIGHT | wxBOTTOM, 8);
  dialogo.SetSizerAndFit(columna);
  dialogo.CentreOnParent();
  cifras->SetFocus();
  dialogo.ShowModal();
}

}  // namespace renta
