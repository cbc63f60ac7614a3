#include "shell/Introduccion.h"

#include "platform/Nombres.h"
#include "platform/Perfil.h"
#include "platform/Texto.h"

namespace shell {

namespace {

// One line of the logo: its text and the character that gives its style (the logo's rules read the last
// character: "\n" large yellow, "\r" medium cyan, "^" a picture; any other character, small white text).
struct SLineaIntroduccion {
  std::string_view texto;
  std::string_view fin;
};

constexpr SLineaIntroduccion kLineas[] = {
    {"logo-korvelix", "^"},
    {"Korvelix", "\n"},
    {"", ""},
    {"Renta y Patrimonio 1999", "\r"},
    {"", ""},
    {"Declaración del Impuesto sobre la Renta", ""},
    {"de las Personas Físicas, D-100 y D-101", ""},
    {"", ""},
    {"Declaración del Impuesto", ""},
    {"sobre el Patrimonio, D-714", ""},
    {"", ""},
    {"Cálculo, comprobación, impresión", ""},
    {"y presentación por Internet", ""},
    {"", ""},
};

}  // namespace

bool IntroduccionActiva(const plataforma::CPerfil& perfil) {
  return !plataforma::IgualesSinCaso(perfil.LeerCadena(kSeccionInicio, kClaveIntroduccion, ""), kValorNoMostrar);
}

bool MostrarIntroduccionAlArrancar(const plataforma::CPerfil& perfil, bool permitida) {
  return permitida && IntroduccionActiva(perfil);
}

bool CerrarIntroduccion(plataforma::CPerfil& perfil, bool noVolverAMostrar) {
  if (!noVolverAMostrar) return true;
  perfil.EscribirCadena(kSeccionInicio, kClaveIntroduccion, kValorNoMostrar);
  return perfil.Guardar();
}

std::string TextoLogoIntroduccion(const std::function<std::string(std::string_view)>& traducir) {
  std::string texto;
  bool primera = true;
  for (const SLineaIntroduccion& linea : kLineas) {
    if (!primera) texto += kSeparadorLogoIntroduccion;
    primera = false;
    // The picture's name is a file name, never translated.
    const bool traducible = traducir && !linea.texto.empty() && linea.fin != "^";
    std::string cp = plataforma::Utf8ACp1252(traducible ? traducir(linea.texto) : std::string(linea.texto));
    for (char& c : cp) {
      if (c == kSeparadorLogoIntroduccion || c == '\r' || c == '\n' || c == '\t' || c == '^') c = ' ';
    }
    texto += cp;
    texto += linea.fin;
  }
  return texto;
}

}  // namespace shell
