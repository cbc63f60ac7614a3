// The commands of the main window with the program's own numbers, and their wxWidgets ids. Inside the program a
// command keeps its number; menus, tools and events carry the id IdWxComando gives (wxWidgets takes ids below
// 0x7FFF only, and has standard ids for exit and about).
#pragma once

namespace shell {

inline constexpr int kComandoNuevo = 57600;
inline constexpr int kComandoAbrir = 57601;
inline constexpr int kComandoAcercaDe = 57664;
inline constexpr int kComandoSalir = 57665;
inline constexpr int kComandoBarraHerramientas = 59392;
inline constexpr int kComandoBarraEstado = 59393;
inline constexpr int kComandoApartados = 144;
// Window ids of the bars, the program's numbers.
inline constexpr int kIdBarraHerramientas = 59392;
inline constexpr int kIdBarraEstado = 59393;
inline constexpr int kIdBarraApartados = 144;

// The wxWidgets id of a command or bar number (the framework's translation first), and back.
int IdWxComando(int comando);
int ComandoDeIdWx(int idWx);

}  // namespace shell
