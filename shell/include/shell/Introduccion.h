// The introduction screen shown at start-up, before the main window: its rules without a window. Whether start-up
// shows it (the profile's [Inicio] Introduccion and the command line), what the user's "do not show again" does to
// the profile, and the lines its animated logo scrolls. The window is CDlgIntroduccion (IntroduccionVentana.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace plataforma {
class CPerfil;
}

namespace shell {

// Fixed texts of the screen (UTF-8, Castilian; the window translates them).
inline constexpr std::string_view kTituloIntroduccion = "INTRODUCCIÓN";
inline constexpr std::string_view kTextoNoVolverAMostrar = "No volver a mostrar la pantalla de introducción";
inline constexpr std::string_view kTextoContinuar = "Continuar";
// The profile's section and key, and the value that turns the screen off.
inline constexpr std::string_view kSeccionInicio = "Inicio";
inline constexpr std::string_view kClaveIntroduccion = "Introduccion";
inline constexpr std::string_view kValorNoMostrar = "FALSE";
// The screen closes by itself after this long.
inline constexpr int kMilisegundosIntroduccion = 8000;
// The character that cuts the logo's text into lines.
inline constexpr char kSeparadorLogoIntroduccion = '|';

// False when the profile holds "FALSE" under [Inicio] Introduccion (any case, blanks around it ignored);
// true otherwise, a missing key included.
bool IntroduccionActiva(const plataforma::CPerfil& perfil);
// Whether start-up shows the screen: the command line lets it (`permitida`) and the profile does.
bool MostrarIntroduccionAlArrancar(const plataforma::CPerfil& perfil, bool permitida);
// The screen is closing, however it closes (the button, the time running out, the window closed). With the
// "do not show again" box checked the profile gets "FALSE" under [Inicio] Introduccion and is written at once;
// unchecked, the profile is left as it is. False only when the profile file could not be written.
bool CerrarIntroduccion(plataforma::CPerfil& perfil, bool noVolverAMostrar);

// The logo's text (Windows-1252, lines cut by kSeparadorLogoIntroduccion): the program's emblem, its name, and a
// few lines on what it prepares. `traducir` gives each text line (UTF-8) in the interface language; none keeps
// the Castilian. A separator, carriage return, tab or "^" that a translation brings is made a blank, so a
// translation can neither cut a line nor change its style.
std::string TextoLogoIntroduccion(const std::function<std::string(std::string_view)>& traducir = {});

}  // namespace shell
