#include "output/PresentacionInternet.h"

#include <wx/app.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include <system_error>

namespace salida {

namespace {

// The findings list's result that lets the file be written.
constexpr int kSeguirHallazgos = 6;

constexpr std::string_view kTextosDlg[] = {
    "Se va a generar un fichero con los datos que contiene la declaraci\xF3n seleccionada, para su presentaci\xF3n "
    "v\xED" "a Internet.",
    "Confirme o modifique el nombre del fichero, teniendo en cuenta que deber\xE1 facilitarlo en el momento de "
    "realizar la presentaci\xF3n.",
    "Si la declaraci\xF3n resulta a INGRESAR deber\xE1 disponer, adem\xE1s, del NRC justificante del ingreso.",
    "El fichero podr\xE1 transmitirse despu\xE9s a la O.V.D.A. desde su p\xE1gina en Internet.",
    "Encontrar\xE1 m\xE1s informaci\xF3n en la p\xE1gina de la Agencia Tributaria en Internet.",
};

}  // namespace

std::string TextoConfirmacionInternet() {
  return "Este proceso genera un fichero que contiene la informaci\xF3n necesaria para presentar la declaraci\xF3n "
         "por v\xED" "a telem\xE1tica.\n\n"
         "El fichero se env\xED" "a despu\xE9s desde la p\xE1gina de la Agencia Tributaria en Internet, con una "
         "conexi\xF3n a Internet.";
}

const std::string_view* TextosDlgInternet(std::size_t& cuantos) {
  cuantos = std::size(kTextosDlg);
  return kTextosDlg;
}

ERutaInternet ComprobarRutaInternet(const std::filesystem::path& ruta) {
  if (ruta.empty() || !ruta.has_filename()) return ruta.empty() ? ERutaInternet::Vacia : ERutaInternet::Carpeta;
  std::error_code ec;
  if (std::filesystem::is_directory(ruta, ec)) return ERutaInternet::Carpeta;
  if (std::filesystem::exists(ruta, ec)) return ERutaInternet::Reemplazar;
  return ERutaInternet::Aceptada;
}

std::filesystem::path RutaInicialInternet(std::string_view nombre) {
  std::filesystem::path carpeta;
  if (wxTheApp != nullptr) carpeta = wxStandardPaths::Get().GetDocumentsDir().utf8_string();
  std::error_code ec;
  if (carpeta.empty() || !std::filesystem::is_directory(carpeta, ec)) {
    carpeta = wxGetHomeDir().utf8_string();
  }
  return carpeta / std::string(nombre);
}

EPresentacion PresentarPorInternet(IDocumentoPresentacion& documento, IDialogosPresentacion& dialogos) {
  documento.ConfirmarCampoActivo();
  // The check in filing mode: an error keeps the file from being made; the list says which and where.
  if (documento.ValidarPresentacion() == 0 && dialogos.MostrarHallazgos() != kSeguirHallazgos) {
    return EPresentacion::ConErrores;
  }
  // The file holds what is stored: the declaration is saved first.
  if (documento.GuardarDeclaracion() != 1) return EPresentacion::SinGuardar;
  if (!dialogos.ConfirmarPresentacion()) return EPresentacion::NoConfirmada;
  const std::optional<std::filesystem::path> fichero = dialogos.PedirFichero(documento.NombreFichero());
  if (!fichero) return EPresentacion::SinFichero;
  std::unique_ptr<CInetFichero> escritor = documento.CrearEscritor();
  if (!escritor) return EPresentacion::Fallida;
  if (dialogos.Generar(*escritor, *fichero) != 1) {
    dialogos.MostrarResultado(*escritor);
    return EPresentacion::Fallida;
  }
  return EPresentacion::Escrita;
}

}  // namespace salida
