// The commands of a declaration's document menu and of its page views, with the program's own numbers, their
// translation to wxWidgets ids at the window boundary, the rules that enable them, and what the shell lends the
// document for them (the go-to-page dialog, the findings list, the section bar, the calculator).
//
// Inside the program a command keeps its number (57603 save, 32776 first page...); only menus, accelerators and
// events carry the wxWidgets id that ComandoAWx gives.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "framework/EditEx.h"

class wxWindow;

namespace marco {

class CProg32Doc;

// ---- the document's commands (the page and edit ones are in EditEx.h) ----
inline constexpr int kComandoCerrar = 57602;
inline constexpr int kComandoGuardar = 57603;
inline constexpr int kComandoImprimir = 57607;
inline constexpr int kComandoImprimirDirecto = 57608;
inline constexpr int kComandoBorrador = 57609;  // "&Presentación borrador"
inline constexpr int kComandoIrAPaginaMenu = 32775;  // "&Ir a página..." of the document menu
inline constexpr int kComandoPaginaElegida = 32781;  // sent by the go-to-page dialog, page number in the event
inline constexpr int kComandoImportar = 32787;
inline constexpr int kComandoExportar = 32805;
inline constexpr int kComandoEstadoDeclaracion = 32790;
inline constexpr int kComandoPresentacionInternet = 57612;  // the Internet filing file of the declaration
// The form of an income-tax declaration (its document answers them and ticks the form in use).
inline constexpr int kComandoSimplificada = 33110;  // "&Simplificada (D-101)"
inline constexpr int kComandoOrdinaria = 33111;     // "&Ordinaria (D-100)"
// The person shown of an income-tax declaration (its document answers them, enables the persons present and ticks
// the one shown), its personal and family data and the summary of individual against joint filing.
inline constexpr int kComandoUnidadFamiliar = 33101;  // "&Unidad Familiar"
inline constexpr int kComandoDeclarante = 33102;      // "&Declarante"
inline constexpr int kComandoConyuge = 33103;         // "&Cónyuge"
inline constexpr int kComandoHijo1 = 33104;           // "Hijo &1"
inline constexpr int kComandoHijo2 = 33105;           // "Hijo &2"
inline constexpr int kComandoDatosPersonales = 33120;   // "&Datos personales y familiares"
inline constexpr int kComandoResumenResultados = 33121; // "Resumen de resultados"
// The page number that stands for the personal and family data when a page is chosen or asked for (the go-to-page
// dialog, the section tree, the findings list).
inline constexpr int kPaginaDatosPersonales = 100;

// ---- the boundary ----
// The wxWidgets id of a command: the standard id where wxWidgets has one (save, close, print, copy...); an id of
// its own below kIdWxMaximo for the other numbers that wxWidgets cannot take (menus refuse ids from 0x7FFF on);
// otherwise the same number. ComandoDeWx undoes it, and gives any other id back unchanged.
inline constexpr int kIdWxMaximo = 0x7FFE;
int ComandoAWx(int comando);
int ComandoDeWx(int idWx);

// ---- rules of the page commands ----
// The index into the page list of a page shown: base b = 100 (D-101 or no form yet), 200 (D-100), 300 (D-714);
// n mod b - 1 (n - 1 when n < b); on the D-101 form index 16 (its summary page) is its eighth page, 7. -1 for a
// page id that is no page of the form (and for an unknown form).
int IndicePaginaDeVista(int numeroPagina, int tipoDec);
// "Página 1" and "Anterior": a page is current and it is not the first.
inline bool HayPaginaAnterior(int actual) { return actual != 0 && actual != -1; }
// "Siguiente" and "Ultima Página": a page is current and it is not the last.
inline bool HayPaginaPosterior(int actual, int ultima) { return actual != ultima && actual != -1; }

// The question asked before a changed declaration closes, for its key (trailing blanks removed).
std::string PreguntaGuardarCambios(std::string_view clave);
inline constexpr std::string_view kTextoNoSeBorraDeclaracion = "No se puede borrar la declaraci\xF3n";

// ---- what the shell lends the document's commands ----
struct SServiciosComandos {
  // Runs the go-to-page dialog modally for the document; the dialog sends kComandoPaginaElegida to the document
  // with the chosen page number in the event's int.
  std::function<void(CProg32Doc&)> irAPagina;
  // Shows the findings list of the document (its key) modally.
  std::function<void(CProg32Doc&)> mostrarHallazgos;
  // Shows it for filing (the list's file mode): its result, 6 when the user chose to write the file.
  std::function<int(CProg32Doc&)> mostrarHallazgosFichero;
  // The section bar of the main frame: hidden when a declaration closes; whether it is shown.
  std::function<void()> ocultarBarraApartados;
  std::function<bool()> barraApartadosVisible;
  // Clears the main frame's caption of the open declaration.
  std::function<void()> limpiarTituloDeclaracion;
  // The calculator dialog without a box (the page view's command when no box is active).
  std::function<void(wxWindow* padre)> calculadora;
  // The declaration now has the form of `tipoDec` (its pages changed): the section tree shows that form's pages.
  std::function<void(int tipoDec)> formularioCambiado;
};
// The services in use; the shell sets them at start-up (tests too, and put back empty ones afterwards).
const SServiciosComandos& ServiciosComandos();
void PonerServiciosComandos(SServiciosComandos servicios);

}  // namespace marco
