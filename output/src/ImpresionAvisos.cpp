#include "output/ImpresionAvisos.h"

#include <wx/font.h>
#include <wx/stattext.h>

#include <algorithm>
#include <string>

#include "framework/DialogoPlantilla.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace salida {

namespace {

constexpr int kAnchoAviso = 300;
constexpr int kMargen = 8;
// Dialog units of a text line and the characters that fit a line of the notice.
constexpr int kAltoLinea = 9;
constexpr std::size_t kCaracteresLinea = 64;

int LineasDe(std::string_view texto) {
  return static_cast<int>(std::max<std::size_t>(1, (texto.size() + kCaracteresLinea - 1) / kCaracteresLinea));
}

}  // namespace

std::vector<std::string_view> TextosAvisoSobreRenta() {
  return {
      "Para presentar esta declaraci\xF3n deber\xE1 utilizar un sobre de retorno del programa LUSKA que podr\xE1 "
      "obtener gratuitamente en las Delegaciones y Administraciones de la Brumendia y en las entidades "
      "financieras.",
      "NO OLVIDE",
      "Pegar las etiquetas identificativas en la p\xE1gina 0 de la declaraci\xF3n y en el documento de "
      "ingreso/devoluci\xF3n",
      "Firmar la declaraci\xF3n",
      "RECUERDE que si HA FRACCIONADO el pago y NO HA DOMICILIADO el 2\xBA plazo, debe ingresar su importe, "
      "mediante el modelo 102, antes del 6 de noviembre.",
      "Compruebe que el c\xF3" "digo de puntos (PDF) aparece impreso de forma clara en la parte superior izquierda "
      "de la primera p\xE1gina (p\xE1gina 0). Este c\xF3" "digo es muy importante para agilizar el tratamiento de la "
      "declaraci\xF3n.",
      "Si necesita corregir esta declaraci\xF3n impresa no lo haga sobre el papel. Haga las modificaciones en el "
      "programa y vuelva a imprimirla.",
  };
}

std::vector<std::string_view> TextosAvisoSobrePatrimonio() {
  return {
      "Para presentar esta declaraci\xF3n deber\xE1 utilizar un sobre de retorno del programa LUSKA PATRIMONIO que "
      "podr\xE1 obtener gratuitamente en las Delegaciones y Administraciones de la Brumendia y en las entidades "
      "financieras.",
      "NO OLVIDE",
      "Pegar las etiquetas identificativas en la declaraci\xF3n y en el documento de ingreso.",
      "Firmar la declaraci\xF3n.",
      "Compruebe que el c\xF3" "digo de puntos (PDF) aparece impreso de forma clara en la parte superior izquierda "
      "de la primera p\xE1gina. Este c\xF3" "digo es muy importante para agilizar el tratamiento de la declaraci\xF3n.",
      "Si necesita corregir esta declaraci\xF3n impresa no lo haga sobre el papel. Haga las modificaciones en el "
      "programa y vuelva a imprimirla.",
  };
}

void ComponerAviso(marco::CPlantillaDialogo& plantilla, const std::vector<std::string_view>& textos) {
  int y = kMargen;
  for (const std::string_view texto : textos) {
    const int alto = LineasDe(texto) * kAltoLinea;
    const std::string copia(texto);
    // A label that breaks its lines to the notice's width.
    plantilla.Propio(-1, {kMargen, y, kAnchoAviso - 2 * kMargen, alto},
                     [copia](wxWindow* padre, int id, const marco::SRectDialogo& px) -> wxWindow* {
                       auto* etiqueta = new wxStaticText(padre, id, marco::TextoFijoWx(copia),
                                                         wxPoint(px.x, px.y), wxSize(px.ancho, px.alto));
                       etiqueta->Wrap(px.ancho);
                       return etiqueta;
                     });
    y += alto + 4;
  }
  plantilla.Aceptar({(kAnchoAviso - 50) / 2, y + 2, 50, 16});
  plantilla.Tamano(kAnchoAviso, y + 24);
}

CDlgAvisoSobreRenta::CDlgAvisoSobreRenta(wxWindow* padre) : marco::CTemplateDlg(kIdAvisoSobreRenta, padre) {
  Plantilla().Titulo("ATENCI\xD3N");
  ComponerAviso(Plantilla(), TextosAvisoSobreRenta());
}

CDlgAvisoSobrePatrimonio::CDlgAvisoSobrePatrimonio(wxWindow* padre)
    : marco::CTemplateDlg(kIdAvisoSobrePatrimonio, padre) {
  Plantilla().Titulo("ATENCI\xD3N");
  ComponerAviso(Plantilla(), TextosAvisoSobrePatrimonio());
}

}  // namespace salida
