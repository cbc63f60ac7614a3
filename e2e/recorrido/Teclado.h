// A person's keys and clicks, sent through the display as real input events (the X test extension, the way
// wxUIActionSimulator sends them), and the waits that let the program take each one before the next is judged.
#pragma once

#include <wx/gdicmn.h>

#include <functional>
#include <string_view>

class wxWindow;

namespace recorrido {

// After a key or a click: the display has delivered the events it made and the program has taken them, with all
// the work they queued (later activations, windows destroyed at idle time), also inside a dialog's own loop.
void Asentar();

// Lets the program run until `hecho` holds or `milisegundos` pass; whether it holds.
bool EsperarHasta(const std::function<bool()>& hecho, int milisegundos = 3000);

// One key (a wxWidgets key code: 'A', '7', WXK_TAB...) with modifiers (wxMOD_SHIFT, wxMOD_ALT...), pressed and
// released, then Asentar.
void Pulsar(int tecla, int modificadores = 0);
// Characters typed one after another (digits, letters, ',', blank), each taken before the next.
void Escribir(std::string_view texto);
// The same without waiting between characters: they queue up as fast typing does (what a detail box must keep
// for the dialog its first character opens).
void EscribirSeguido(std::string_view texto);
// Selects the whole text of the box that has the focus, as a person does (Home, then Shift+End).
void SeleccionarTodo();
// A click of the first button in the middle of a window; the pointer then goes back to the screen's corner,
// where it rests over no box.
void Clic(wxWindow* ventana);
// The pointer to the screen's corner.
void RatonAlRincon();

}  // namespace recorrido
