// The user's settings as the program keeps them between runs: the profile file KORVELIX.INI, its sections and
// keys, and the folders the program works in. These are the rules with no window: the main frame reads the profile
// when it is made and writes it back when it goes; the window's own state passes through the plain types below.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace plataforma {
class CPerfil;
}

namespace shell {

inline constexpr std::string_view kNombrePerfil = "KORVELIX.INI";
// The most declarations the store holds (written to the profile as [Parametros] MaxDeclar).
inline constexpr long kMaxDeclaraciones = 50;

// A window rectangle by its edges, in screen pixels.
struct SRectangulo {
  int izquierda = 10;
  int arriba = 10;
  int derecha = 500;
  int abajo = 400;
  bool operator==(const SRectangulo&) const = default;
};

enum class EMostrarVentana { Normal, Minimizada, Maximizada };

// How the main window first shows itself.
struct SColocacionVentana {
  EMostrarVentana mostrar = EMostrarVentana::Maximizada;
  // Restoring a minimised window makes it maximised again.
  bool restaurarMaximizada = true;
  SRectangulo normal;
};

// [Aspecto] Estado and Posicion as the main window reads them: Estado 3 normal, 2 minimised, anything else
// maximised; Posicion four numbers "left top right bottom". An empty, short or unreadable Posicion, or one
// whose rectangle has no area, gives 10 10 500 400.
SColocacionVentana ColocacionDesdePerfil(long estado, std::string_view posicion);
// The normal rectangle a first start uses (no Posicion kept yet): the profile's 10 10 500 400 is too small to
// work in, so the window takes three quarters of the screen's work area, centred on it. An empty work area
// leaves the profile's rectangle.
SRectangulo RectanguloPrimerArranque(const SRectangulo& areaPantalla);
// Posicion as written: "%04d %04d %04d %04d".
std::string TextoPosicion(const SRectangulo& rectangulo);
// Estado as written: 3 normal, 2 minimised, 1 maximised.
long EstadoParaPerfil(EMostrarVentana mostrar);

// The folders the program uses when the profile does not name them.
struct SCarpetasPrograma {
  std::filesystem::path datosPrograma;  // the built tables: local/ (layouts, messages) and red/ (an empty store)
  std::filesystem::path catalogos;      // the compiled translations (<language>/LC_MESSAGES/korvelix.mo)
  std::filesystem::path datosUsuario;   // the user's own files: red/ holds the store of declarations
};

// The defaults for a program at `ejecutable`: beside it in the build tree (<bin>/shell/korvelix with
// <bin>/datos and <bin>/share/locale) or in an installation (<prefix>/bin/korvelix with
// <prefix>/share/korvelix/datos and <prefix>/share/locale); the first whose "local" folder exists wins, else the
// build tree's. `datosUsuario` empty: the user's XDG data folder + "korvelix".
SCarpetasPrograma CarpetasJuntoAlPrograma(const std::filesystem::path& ejecutable,
                                          const std::filesystem::path& datosUsuario = {});

// The profile values the program holds while it runs, beyond the four texts the framework keeps (IdiomaV, IdiomaI,
// the zoom text and DirBase).
struct SAjustesPrograma {
  std::string idioDisp = "1000";  // one character per language command, "1" available
  std::string dirBDRed;           // folder of the network database (the store), ending in "/"
  std::string dirBDLocal;         // folder of the local database, ending in "/"
  // Whether the profile named each folder; only those are written back, so a default keeps following the
  // program's folders.
  bool dirBaseEnPerfil = false;
  bool dirBDRedEnPerfil = false;
  bool dirBDLocalEnPerfil = false;
  bool dirBDRedPorDefecto = true;  // the store is the user's own default folder (made on first run)
  long barApartados = 2;           // section bar: 0 hidden, 2 shown at its kept size
  long barApartadosX = 50;
  long barApartadosY = 425;
  long asistente = 0;
  long maxDeclar = kMaxDeclaraciones;
  long estado = 0;
  std::string posicion;
  long barTool = 1;  // 1 shown, 0 hidden
  long barStat = 1;
};

// The program's one set of profile values.
SAjustesPrograma& AjustesPrograma();

// Reads the frame's keys: fills AjustesPrograma() and the framework's IdiomaV, IdiomaI, zoom text and DirBase;
// a folder the profile does not name takes its default from `carpetas`; every folder ends in "/". Then writes
// [CALCULADORA] Memoria = "0.0" into the profile (the calculator memory starts at zero every run).
void LeerPerfil(plataforma::CPerfil& perfil, const SCarpetasPrograma& carpetas);
// Writes [Idioma], [Directorios] (only the folders the profile named), [Aspecto] and [Parametros] MaxDeclar from
// the values held now. The caller saves the file.
void GuardarPerfil(plataforma::CPerfil& perfil);

// The help file path: `dirBase` + "mideravo.hlp" with the character at index 7 of the name replaced by `letra`.
std::string RutaAyuda(std::string_view dirBase, char letra);

// A folder as the program keeps it: "~/" expanded, a "/" at the end.
std::string NormalizarCarpeta(std::string_view carpeta);

}  // namespace shell
