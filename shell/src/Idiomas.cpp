#include "shell/Idiomas.h"

#include <algorithm>
#include <clocale>
#include <string>
#include <memory>
#include <system_error>

#include <wx/translation.h>

namespace shell {

namespace {

constexpr std::string_view kDominio = "korvelix";

// The program's own catalog of the toolkit's texts (stock buttons and labels), for the languages the toolkit has
// no catalog of: compiled from data/idiomas/wxstd/ into the catalogs' folder under this name.
constexpr std::string_view kDominioToolkitPropio = "korvelix-wxstd";
// A name that stands for the toolkit's Castilian catalog: loaded under the catalog of a language so that a toolkit
// text that catalog lacks is shown in Castilian, the program's own language, and not in English.
constexpr std::string_view kDominioRespaldoToolkit = "korvelix-wxstd-respaldo";

wxString TextoWx(std::string_view texto) { return wxString::FromUTF8(texto.data(), texto.size()); }

// Looks catalogs up as wxWidgets does, and when the toolkit's own catalog (the texts of its standard buttons and
// dialogs) has no translation into a language, takes the closest one it has: the language without its variant
// ("ca@valencia" reads Catalan), the program's own catalog of those texts, then Castilian, the program's own
// language, rather than English.
class CCargadorCatalogos : public wxFileTranslationsLoader {
 public:
  wxMsgCatalog* LoadCatalog(const wxString& dominio, const wxString& idioma) override {
    if (dominio == TextoWx(kDominioRespaldoToolkit)) {
      return wxFileTranslationsLoader::LoadCatalog(DominioToolkit(), TextoWx(kIdiomaToolkitCastellano));
    }
    if (wxMsgCatalog* catalogo = wxFileTranslationsLoader::LoadCatalog(dominio, idioma)) return catalogo;
    if (!dominio.StartsWith("wxstd")) return nullptr;
    std::vector<wxString> candidatos{idioma};
    for (const wxString& otro : IdiomasAlternativosToolkit(idioma.utf8_string())) candidatos.push_back(otro);
    for (const wxString& otro : candidatos) {
      if (otro != idioma) {
        if (wxMsgCatalog* catalogo = wxFileTranslationsLoader::LoadCatalog(dominio, otro)) return catalogo;
      }
      if (otro == TextoWx(kIdiomaToolkitCastellano)) continue;
      if (wxMsgCatalog* propio = wxFileTranslationsLoader::LoadCatalog(TextoWx(kDominioToolkitPropio), otro)) {
        return propio;
      }
    }
    return nullptr;
  }

  // The name of the toolkit's catalog of this version ("wxstd-3.2").
  static wxString DominioToolkit() { return wxString::Format("wxstd-%d.%d", wxMAJOR_VERSION, wxMINOR_VERSION); }
};

// A fresh set of translations for `idioma` (a catalog folder name, "es" for Castilian) with the toolkit's own
// catalog loaded, put in use. False when the toolkit has no catalog for it nor for any language close to it.
wxTranslations* NuevasTraducciones(const std::string& idioma) {
  auto traducciones = std::make_unique<wxTranslations>();
  traducciones->SetLoader(new CCargadorCatalogos);  // the translations own their loader
  traducciones->SetLanguage(wxString::FromUTF8(idioma));
  wxTranslations* puestas = traducciones.release();
  wxTranslations::Set(puestas);
  return puestas;
}

// The system locales whose messages fit each interface language, best first.
std::vector<std::string> LocalesMensajes(char letra) {
  const std::vector<std::string> castellano{"es_ES.UTF-8", "es_ES.utf8", "es_ES"};
  std::vector<std::string> locales;
  switch (letra) {
    case 'c': locales = {"ca_ES.UTF-8", "ca_ES.utf8", "ca_ES"}; break;
    case 'v': locales = {"ca_ES.UTF-8@valencia", "ca_ES.utf8@valencia", "ca_ES@valencia", "ca_ES.UTF-8", "ca_ES.utf8"}; break;
    case 'g': locales = {"gl_ES.UTF-8", "gl_ES.utf8", "gl_ES"}; break;
    default: break;
  }
  locales.insert(locales.end(), castellano.begin(), castellano.end());
  return locales;
}

}  // namespace

bool PonerIdiomaMensajesSistema(char letra) {
  // Only the language of messages: numbers, dates and the order of texts keep the locale they had.
  for (const std::string& locale : LocalesMensajes(letra)) {
    if (std::setlocale(LC_MESSAGES, locale.c_str()) != nullptr) return true;
  }
  std::setlocale(LC_MESSAGES, "");
  return false;
}

std::vector<wxString> IdiomasAlternativosToolkit(std::string_view idioma) {
  std::vector<wxString> idiomas;
  auto anadir = [&idiomas](std::string_view otro) {
    const wxString texto = wxString::FromUTF8(otro.data(), otro.size());
    if (!otro.empty() && std::find(idiomas.begin(), idiomas.end(), texto) == idiomas.end()) idiomas.push_back(texto);
  };
  const std::size_t variante = idioma.find_first_of("@_.");
  if (variante != std::string_view::npos) anadir(idioma.substr(0, variante));
  if (idioma.substr(0, std::min(variante, idioma.size())) != kIdiomaToolkitCastellano) {
    anadir(kIdiomaToolkitCastellano);
  }
  return idiomas;
}

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
  // The toolkit draws some standard buttons with the system's own translations, which follow the locale of
  // messages.
  PonerIdiomaMensajesSistema(idioma != nullptr ? letra : 'e');
  // Only the translations change: no wxLocale, so the process locale (and the way numbers read) stays as it is.
  // The toolkit's own catalog comes in every case, so its standard buttons speak the interface language too.
  if (idioma == nullptr || idioma->catalogo.empty()) {
    NuevasTraducciones(std::string(kIdiomaToolkitCastellano))->AddStdCatalog();
    return idioma != nullptr;
  }
  std::error_code ec;
  const std::filesystem::path ruta = RutaCatalogo(letra, carpetaCatalogos);
  if (!std::filesystem::is_regular_file(ruta, ec)) {
    NuevasTraducciones(std::string(kIdiomaToolkitCastellano))->AddStdCatalog();
    return false;
  }
  wxFileTranslationsLoader::AddCatalogLookupPathPrefix(wxString::FromUTF8(carpetaCatalogos.string()));
  wxTranslations* traducciones = NuevasTraducciones(std::string(idioma->catalogo));
  // A catalog loaded later is looked up first: the program's texts, then the toolkit's in the language, then the
  // toolkit's Castilian ones for whatever the language's catalog of them lacks.
  traducciones->AddCatalog(TextoWx(kDominioRespaldoToolkit), wxLANGUAGE_ENGLISH_US);
  traducciones->AddStdCatalog();
  return traducciones->AddCatalog(wxString::FromUTF8(std::string(kDominio)), wxLANGUAGE_SPANISH);
}

void QuitarCatalogoIdioma() { wxTranslations::Set(nullptr); }

wxString Traduce(std::string_view texto) {
  const wxString original = wxString::FromUTF8(texto.data(), texto.size());
  return wxGetTranslation(original);
}

}  // namespace shell
