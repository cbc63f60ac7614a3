#include "framework/TextosVentana.h"

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

}  // namespace marco
