#include "shell/Idiomas.h"

#include <memory>
#include <system_error>

#include <wx/translation.h>

namespace shell {

namespace {
constexpr std::string_view kDominio = "korvelix";
}  // namespace

const SIdiomaInterfaz* IdiomaDeComando(int comando) {
  for (const SIdiomaInterfaz& idioma : kIdiomasInterfaz) {
    if (idioma.comando == comando) return &idioma;
  }
  return nullptr;
}

const SIdiomaInterfaz* IdiomaDeLetra(char letra) {
  for (const SIdiomaInterfaz& idioma : kIdiomasInterfaz) {
    if (idioma.letra == letra) return &idioma;
  }
  return nullptr;
}

SEstadoComandoIdioma EstadoComandoIdioma(int comando, std::string_view idioDisp, char idiomaV) {
  SEstadoComandoIdioma estado;
  const SIdiomaInterfaz* idioma = IdiomaDeComando(comando);
  if (idioma == nullptr) return estado;
  const auto posicion = static_cast<std::size_t>(idioma->posicion);
  estado.habilitado = posicion < idioDisp.size() && idioDisp[posicion] == '1';
  estado.marcado = idioma->letra == idiomaV;
  return estado;
}

std::filesystem::path RutaCatalogo(char letra, const std::filesystem::path& carpetaCatalogos) {
  const SIdiomaInterfaz* idioma = IdiomaDeLetra(letra);
  if (idioma == nullptr || idioma->catalogo.empty()) return {};
  return carpetaCatalogos / std::string(idioma->catalogo) / "LC_MESSAGES" / (std::string(kDominio) + ".mo");
}

bool CargarCatalogoIdioma(char letra, const std::filesystem::path& carpetaCatalogos) {
  const SIdiomaInterfaz* idioma = IdiomaDeLetra(letra);
  // Only the translations change: no wxLocale, so the process locale (and the way numbers read) stays as it is.
  auto traducciones = std::make_unique<wxTranslations>();
  if (idioma == nullptr || idioma->catalogo.empty()) {
    traducciones->SetLanguage(wxLANGUAGE_SPANISH);
    wxTranslations::Set(traducciones.release());
    return idioma != nullptr;
  }
  std::error_code ec;
  const std::filesystem::path ruta = RutaCatalogo(letra, carpetaCatalogos);
  if (!std::filesystem::is_regular_file(ruta, ec)) {
    traducciones->SetLanguage(wxLANGUAGE_SPANISH);
    wxTranslations::Set(traducciones.release());
    return false;
  }
  wxFileTranslationsLoader::AddCatalogLookupPathPrefix(wxString::FromUTF8(carpetaCatalogos.string()));
  traducciones->SetLanguage(wxString::FromUTF8(std::string(idioma->catalogo)));
  const bool cargado = traducciones->AddCatalog(wxString::FromUTF8(std::string(kDominio)), wxLANGUAGE_SPANISH);
  wxTranslations::Set(traducciones.release());
  return cargado;
}

void QuitarCatalogoIdioma() { wxTranslations::Set(nullptr); }

wxString Traduce(std::string_view texto) {
  const wxString original = wxString::FromUTF8(texto.data(), texto.size());
  return wxGetTranslation(original);
}

}  // namespace shell
