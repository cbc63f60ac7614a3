#include "framework/TextosVentana.h"

#include <wx/msgdlg.h>
#include <wx/stockitem.h>
#include <wx/translation.h>

#include "framework/DlgMensaje.h"
#include "platform/Texto.h"

namespace marco {

wxString TextoFijoWx(std::string_view cp1252) {
  const wxString original = wxString::FromUTF8(plataforma::Cp1252AUtf8(cp1252));
  if (original.empty()) return original;
  return wxGetTranslation(original);
}

std::string TextoFijo1252(std::string_view cp1252) {
  return plataforma::Utf8ACp1252(TextoFijoWx(cp1252).utf8_string());
}

std::string TextoDeTabla(std::string_view codigo, std::string_view porDefecto) {
  CDlgMensaje mensaje;
  if (mensaje.BuscarMensaje(codigo) == 1 && !mensaje.DameTexto().empty()) return mensaje.DameTexto();
  return std::string(porDefecto);
}

int PreguntaVentana(const wxString& texto, const wxString& titulo, long estilo, wxWindow* padre) {
  // wxMessageBox's own default: OK when no button is asked for.
  if ((estilo & (wxYES_NO | wxOK | wxCANCEL)) == 0) estilo |= wxOK;
  wxMessageDialog dialogo(padre, texto, titulo, estilo);
  PonerBotonesPregunta(dialogo, estilo);
  switch (dialogo.ShowModal()) {
    case wxID_YES: return wxYES;
    case wxID_NO: return wxNO;
    case wxID_OK: return wxOK;
    default: return wxCANCEL;
  }
}

void PonerBotonesPregunta(wxMessageDialog& dialogo, long estilo) {
  const wxString si = wxGetStockLabel(wxID_YES);
  const wxString no = wxGetStockLabel(wxID_NO);
  const wxString aceptar = wxGetStockLabel(wxID_OK);
  const wxString cancelar = wxGetStockLabel(wxID_CANCEL);
  if ((estilo & wxYES_NO) == wxYES_NO) {
    if ((estilo & wxCANCEL) != 0) {
      dialogo.SetYesNoCancelLabels(si, no, cancelar);
    } else {
      dialogo.SetYesNoLabels(si, no);
    }
  } else if ((estilo & wxCANCEL) != 0) {
    dialogo.SetOKCancelLabels(aceptar, cancelar);
  } else {
    dialogo.SetOKLabel(aceptar);
  }
}

}  // namespace marco
