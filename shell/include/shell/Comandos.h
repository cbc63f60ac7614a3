// The commands of the main window with the program's own numbers, and their wxWidgets ids. Inside the program a
// command keeps its number; menus, tools and events carry the id IdWxComando gives (wxWidgets takes ids below
// 0x7FFF only, and has standard ids for exit and about).
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace shell {

inline constexpr int kComandoNuevo = 57600;
inline constexpr int kComandoAbrir = 57601;
inline constexpr int kComandoAcercaDe = 57664;
inline constexpr int kComandoTemasAyuda = 57667;  // "&Temas de Ayuda" (no help file ships: a message says so)
inline constexpr int kComandoSalir = 57665;
inline constexpr int kComandoBarraHerramientas = 59392;
inline constexpr int kComandoBarraEstado = 59393;
inline constexpr int kComandoApartados = 144;
// Window ids of the bars, the program's numbers.
inline constexpr int kIdBarraHerramientas = 59392;
inline constexpr int kIdBarraEstado = 59393;
inline constexpr int kIdBarraApartados = 144;

// The menus of the main window, as data: each entry a command number (0 a separator or a submenu) and its text
// with the accelerator after a tab (UTF-8, in Castilian: the interface language's catalog translates it); a submenu
// carries its own entries. The language menu is made from kIdiomasInterfaz.
enum class ETipoOpcion { Normal, Marca, Separador, Submenu };
struct SOpcionMenu {
  int comando;
  std::string_view texto;
  ETipoOpcion tipo = ETipoOpcion::Normal;
  std::span<const SOpcionMenu> submenu = {};
};
struct SMenuPrincipal {
  std::string_view titulo;
  std::span<const SOpcionMenu> opciones;
};
// In bar order, without the language menu (it goes before "Ayuda").
std::span<const SMenuPrincipal> MenusPrincipales();
// The command entries of a menu, those of its submenus included, in menu order (no separator, no submenu entry).
std::vector<SOpcionMenu> OrdenesDelMenu(const SMenuPrincipal& menu);
// The buttons of the tool bar, in order (0 a separator): command, short text, tip.
struct SBotonHerramienta {
  int comando;
  std::string_view texto;
  std::string_view ayuda;
  ETipoOpcion tipo = ETipoOpcion::Normal;
};
std::span<const SBotonHerramienta> BotonesHerramientas();
// The commands that need an open declaration: disabled while none is open.
bool NecesitaDeclaracion(int comando);

// The wxWidgets id of a command or bar number (the framework's translation first), and back.
int IdWxComando(int comando);
int ComandoDeIdWx(int idWx);

}  // namespace shell
