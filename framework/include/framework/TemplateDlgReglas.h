// What every data-entry dialog and wizard page shares, without a window: the box event codes the field edits
// report, the control ids the bases know, the look (font, the pale yellow of locked fields), the holder hint, the
// centring over the main window, the person shown and the persons present, and the window side of a dialog as
// the bases' rules see it (CControlesDialogo). The wx windows implement that side; tests use CControlesSimulados
// (DialogoSimulado.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/EditEx.h"

namespace marco {

// The box event codes (kAviso..., 0x100 to 0x404) and the key codes (kTecla...) are the box edits' own
// (EditEx.h).

// ---- control ids the bases know ----
inline constexpr int kIdAceptar = 1;  // also the result of a dialog closed with OK (IDOK)
inline constexpr int kIdCancelar = 2;  // also the result of a dialog closed with Cancel (IDCANCEL)
inline constexpr int kIdBotonAyuda = 1011;
inline constexpr int kIdAyudaTitular = 1266;  // the static where holder grids show the holder hint

// Pictures of the three bitmap buttons (the program's icons), 32 x 32.
inline constexpr int kImagenAceptar = 141;
inline constexpr int kImagenCancelar = 146;
inline constexpr int kImagenAyuda = 158;
inline constexpr int kLadoImagenBoton = 32;

// Button flags of a dialog: which of the three buttons take their picture; 0x100 is handed to their drawing.
inline constexpr unsigned kBotonesAceptar = 0x1;
inline constexpr unsigned kBotonesCancelar = 0x2;
inline constexpr unsigned kBotonesAyuda = 0x4;
inline constexpr unsigned kBotonesDibujo = 0x100;
inline constexpr unsigned kBotonesPorDefecto = 0x207;

// ---- characters as the bases' keyboard rules take them (keys down are the edits' kTecla...) ----
inline constexpr int kCaracterTab = 9;
inline constexpr int kCaracterIntro = 13;
inline constexpr int kCaracterEscape = 27;

// ---- look ----
struct SColorDialogo {
  std::uint8_t rojo = 0;
  std::uint8_t verde = 0;
  std::uint8_t azul = 0;
  friend bool operator==(const SColorDialogo&, const SColorDialogo&) = default;
};
// Locked fields: black text on pale yellow.
inline constexpr SColorDialogo kFondoBloqueado{255, 255, 192};
inline constexpr SColorDialogo kTextoBloqueado{0, 0, 0};

// The dialogs' font: a face and a height in pixels given the classic way (negative: the character height without
// the internal leading).
struct SFuenteDialogo {
  std::string_view cara = "Arial";
  int alto = -13;
};
inline constexpr SFuenteDialogo kFuenteDialogo{};

// The colours a control is drawn with: none (the default drawing) or black on pale yellow. A dialog gives them to
// its disabled field edits only; a wizard page to any disabled control.
struct SColoresControl {
  SColorDialogo texto;
  SColorDialogo fondo;
};
std::optional<SColoresControl> ColoresDeControl(bool esPagina, bool esEdicion, bool habilitado);

// ---- rectangles (screen pixels, or dialog units in a layout) ----
struct SRectDialogo {
  int x = 0;
  int y = 0;
  int ancho = 0;
  int alto = 0;
  friend bool operator==(const SRectDialogo&, const SRectDialogo&) = default;
};

// Where a dialog goes to sit centred over the main window (both rectangles in screen coordinates); it keeps its
// size. A dialog larger than the main window is kept from going above or left of the screen's origin.
SRectDialogo CentrarSobre(const SRectDialogo& principal, const SRectDialogo& dialogo);

// ---- the person shown and the persons present ----
struct SEntornoDialogo {
  std::int32_t sujetoActual = 0;  // 1 family unit ... 5 second child; 0 without an open income-tax declaration
  bool conyuge = false;
  bool hijo1 = false;
  bool hijo2 = false;
  // The spouse or the first child is present (the lock rule of joint declarations).
  bool HayConyugeOHijo() const { return conyuge || hijo1; }
  // The current person may edit every entry: the family unit, or the declarant alone (also without an open
  // income-tax declaration).
  bool EditaTodasLasEntradas() const;
};
// The environment of the open declaration, as the declaration document publishes it.
SEntornoDialogo EntornoDialogoActual();

// ---- the holder hint ----
// The resource string that lists the holder codes the user may type (42 ... 55), 0 for a holder kind of 7 or more
// (no hint). The spouse column applies when the dialog's spouse column flag is set and the spouse is present.
int CadenaAyudaTitular(int tipoTitular, bool columnaConyuge, const SEntornoDialogo& entorno);
// The text of one of those strings (Windows-1252); empty for any other number.
std::string_view TextoCadenaTitular(int cadena);

// ---- the window side of a dialog or page, as the rules see it ----
// Control ids are the program's own (1 OK, 2 Cancel, 1011 help ...). Texts are Windows-1252.
class CControlesDialogo {
 public:
  virtual ~CControlesDialogo() = default;

  // Ids of the child controls, in child order.
  virtual std::vector<int> Hijos() const = 0;
  virtual bool Existe(int id) const = 0;
  // A field edit (a text edit; the box edits are field edits).
  virtual bool EsEdicion(int id) const = 0;
  // An amount field: a plain field laid out for amounts (kEdicionImporte) or an amount box edit.
  virtual bool EsImporte(int id) const = 0;

  virtual std::string Texto(int id) const = 0;
  virtual void PonerTexto(int id, std::string_view texto) = 0;
  virtual bool Habilitado(int id) const = 0;
  virtual void Habilitar(int id, bool habilitar) = 0;
  virtual bool SoloLectura(int id) const = 0;
  virtual void PonerSoloLectura(int id, bool soloLectura) = 0;

  // Check boxes and radio buttons: marked or not. Marking a radio button unmarks the others of its group.
  virtual bool Marcado(int id) const = 0;
  virtual void Marcar(int id, bool marcado) = 0;
  // Lists: their entries are replaced (no row stays selected); the selected row, -1 for none; a row outside the
  // list selects none.
  virtual void PonerElementos(int id, const std::vector<std::string>& elementos) = 0;
  virtual int Seleccion(int id) const = 0;
  virtual void PonerSeleccion(int id, int fila) = 0;

  // The control that has the focus, or that is taking it while a focus-lost event is being handled. None when no
  // window has the focus; a window that is not a child answers an id that is no child's.
  virtual std::optional<int> Foco() const = 0;
  virtual void PonerFoco(int id) = 0;
  // Puts the caret of a text control after its text, once the focus it is taking has settled (a text control
  // selects its whole text as it takes the focus). Windows without carets do nothing.
  virtual void CursorAlFinal(int /*id*/) {}
  // Moves the focus to the next (or the previous) control that takes it.
  virtual void MoverFoco(bool anterior) = 0;
  // Types one character into field `id` as a key does once the field has the focus with its whole text selected:
  // the focus goes to the field, the character replaces its text when the field's rules take it (a plain field's
  // ValidarCaracterCampo, a box edit's own), and the caret stays after it for the keys that follow.
  virtual void TeclearCaracter(int id, unsigned caracter) = 0;

  // The child windows' own data exchange (box edits that carry it): 1 their texts into their values, 0 back.
  virtual void IntercambiarDatosHijos(int direccion) = 0;

  virtual void PonerTituloVentana(std::string_view titulo) = 0;
  // Ends the modal run with a result (1 OK, 2 Cancel). A page ignores it.
  virtual void Terminar(int resultado) = 0;
  // Asks the window to close as the close box does (later, from the event loop).
  virtual void PedirCierre() = 0;

  virtual SRectDialogo Rectangulo() const = 0;
  // The main window's rectangle; none when there is no main window.
  virtual std::optional<SRectDialogo> RectanguloPrincipal() const = 0;
  virtual void Mover(int x, int y) = 0;

  // Gives button `id` the program's picture `imagen` (32 x 32) with the drawing flag.
  virtual void PonerImagenBoton(int id, int imagen, bool dibujo) = 0;
  // Gives the field edits the dialogs' font.
  virtual void AplicarFuente() = 0;
  // Draws every control in the colours of ColoresDeControl (after enabling or locking changed).
  virtual void AplicarColores() = 0;
  // The program's help on a context.
  virtual void MostrarAyuda(int contexto) = 0;
};

}  // namespace marco
