// One box of a form page: where it lies, what kind of value it shows (its picture, led by the type letter), where its
// value lives in the open declaration, and the texts that value becomes on the page, in an edit and in the Internet
// filing file. A page's boxes are loaded from the box-definition table "ControlX" and its language twin by the page
// box array (CControlesPagina), which owns them; the page binds each one to its place in the declaration.
//
// The bound value's layout follows the type letter: text letters, 'D' and 'Z' keep n characters (no terminator),
// 'B' and 'T' one byte, 'C' and 'I' a 32-bit integer, 'F', 'M' and 'R' a double. A box whose picture repeats m > 1
// times binds m values of that layout in a row, one per person of the family unit, and shows the person's shown.
//
// Showing a value never changes it: an amount too large for its box shows the overflow marker instead and warns
// once (WIN032) until the warning is armed again.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "framework/Imagen.h"

namespace plataforma {
class CLienzo;
struct CRectangulo;
}  // namespace plataforma

namespace marco {

// Room of the texts of a box as the table gives them (longer texts are cut when loaded).
inline constexpr std::size_t kMaxIdentifica = 10;
inline constexpr std::size_t kMaxStrValidac = 15;
inline constexpr std::size_t kMaxFicheroTab = 50;
inline constexpr std::size_t kMaxNombreVent = 25;
inline constexpr std::size_t kMaxTituloVent = 50;
inline constexpr std::size_t kMaxTextoDibuj = 79;
inline constexpr std::size_t kMaxFmInternet = 4;

// Where a box is drawn (PintarEn).
inline constexpr int kPintarSiempre = 0;
inline constexpr int kPintarNoEnTexto = 1;     // not in the texts-only drawing (printing)
inline constexpr int kPintarNoEnPantalla = 2;  // not on the screen

// Drawing modes of CCampo::Dibujar.
inline constexpr int kDibujoPantalla = 0;
inline constexpr int kDibujoSoloTexto = 1;

// Frame states of CCampo::DibujarMarco.
inline constexpr int kMarcoNormal = 0;
inline constexpr int kMarcoSimple = 1;
inline constexpr int kMarcoResaltado = 2;

// Shown in a box whose amount does not fit it.
inline constexpr std::string_view kMarcaDesborde = "###";
// The filing text of a value that cannot be written to the file.
inline constexpr std::string_view kTextoErrorFichero = "\xA1\xA1\xA1" "ERROR!!!";
// The display text of a blank date.
inline constexpr std::string_view kFechaEnBlanco = "  /  /    ";

// The amount-overflow warning: armed at start; showing WIN032 disarms it; committing a box and loading a
// declaration arm it again.
void RearmarAvisoDesborde();
bool AvisoDesbordeArmado();
// The same message (WIN032) for an amount typed past the room of a dialog's field, shown at once whatever the
// warning's state (the field refuses it and keeps its value). Gives the message's answer.
int MostrarAvisoDesborde();

// What the texts of a box depend on besides its value: the person shown (1-based; 0 counts as the first) and the
// printing language letter.
struct SEntornoCampo {
  int sujeto = 0;
  char idiomaImpresion = 'e';
};
// The person shown of the open income-tax declaration and the printing language of the program.
SEntornoCampo EntornoCampoActual();

// An amount as the boxes show it: fixed with `decimales` decimals rounded half away from zero, "." between groups
// of three digits and "," before the decimals. With `opcion` above 1 exactly that many decimals are shown (the
// value is then rounded to at most that many); otherwise trailing zero decimals are dropped, with the ","
// when none is left. Never depends on the process locale.
std::string FormatearImporte(double valor, int decimales, int opcion = 0);
// An integer with "." between groups of three digits.
std::string FormatearEntero(std::int64_t valor);

// The holder name of a code 1-5 in a printing language ('c', 'e', 'g', 'v'); empty for any other code or letter.
std::string_view NombreTitular(int codigo, char idioma);

class CCampo {
 public:
  CCampo() = default;

  // ---- the box as loaded ----
  std::int32_t IndiceFich = 0;  // page id
  std::int32_t IndNumero = 0;   // box number on the page (position in the page's array + 1); edit control id
  std::string Identifica;
  std::string StrValidac;  // the picture, type letter first; rewritten once for 'R' pictures
  std::string FicheroTab;  // lookup table of list boxes
  std::int32_t Coor_1 = 0;  // rectangle in view units, scaled when loaded
  std::int32_t Coor_2 = 0;
  std::int32_t Coor_3 = 0;
  std::int32_t Coor_4 = 0;
  std::string NombreVent;  // detail window or selection the box opens
  std::string TituloVent;  // its title
  std::int32_t SoloLectur = 0;  // 1 read-only; the page may change it
  std::string TextoDibuj;       // description: status bar and tooltip
  std::int32_t NumeroDeCo = 0;  // help context
  std::int32_t PintarEn = 0;    // kPintar...
  std::int32_t AdmitNega = 0;   // negatives allowed
  double EscalaY = 1.0;         // factors applied to the rectangle when drawn
  double EscalaX = 1.0;
  std::string fminternet;  // the Internet filing format
  std::int32_t Idinternet = 0;  // order in the Internet filing line; 999 none

  // ---- the value and its texts ----
  std::string Texto;         // display text, rebuilt by ActualizarTexto
  std::string TextoFichero;  // filing text, or the holder code of a 'T' box
  std::int32_t MostrarCero = 0;  // 1: an amount of zero shows "0"; 0: shows empty
  void* Dato = nullptr;      // the bound value in the open declaration (not owned); none: unbound
  void* Enlace = nullptr;    // detail or selection link set by the page's binding (not owned)
  // What the detail dialog reads beside its block when the link names more than the block (a row's kind and the
  // amount it imputes); set by the page's binding with the link, none for most boxes (not owned).
  std::array<const void*, 2> EnlacesLectura{};
  // The field of the detail dialog's entries that the box's value adds up, set by the page's binding with the link
  // when the box shows one field of the entries (a holder grid's column); 0 when it shows a total of the whole
  // block.
  std::int32_t CampoDetalle = 0;
  std::int32_t Grupo = 0;
  std::int32_t Longitud = 0;    // n
  std::int32_t Repeticion = 0;  // m
  std::int32_t Decimales = 0;   // d
  std::int32_t Marca = 0;
  std::int32_t SoloLecturInicial = 0;
  std::int32_t Opcion = 0;  // for amounts, the decimals always shown: 2 for 'R' boxes in euros
  std::int32_t MascaraResuelta = 0;
  std::int32_t Desbordado = 0;  // 1 while the display text is the overflow marker

  // ---- the picture ----
  char Letra() const { return LetraMascara(StrValidac); }
  // Resolves an 'R' picture for the declaration's currency (once), then reads n, m and d. 1, or 0 for an empty
  // picture.
  int LeerMascara(char moneda);

  // ---- the bound value ----
  // Bytes of one value of this box's letter.
  std::size_t TamanoValor() const;
  // The value of a person (1-based; 0 counts as the first): the person's entry of a box that repeats, the one
  // value otherwise. None when unbound or when the person is beyond the box's repetition count.
  const unsigned char* ValorSujeto(int sujeto) const;
  // The same for writing: a person beyond the repetition count gets none, so nothing is stored for them.
  unsigned char* EntradaSujeto(int sujeto);

  // ---- texts ----
  // Rebuilds Texto from the bound value by the type letter; an unbound box gets an empty text, a letter outside
  // A..Z (and a letter without a display rule) leaves it alone.
  void ActualizarTexto();
  void ActualizarTexto(const SEntornoCampo& entorno);
  // The value in the filing file's form (Texto is rebuilt first) by the format "wwkK": width w, decimals k and
  // kind K. Also kept in TextoFichero. kTextoErrorFichero, after message 100P006, when the value does not fit.
  std::string FormatearParaFichero(std::string_view formato);
  std::string FormatearParaFichero(std::string_view formato, const SEntornoCampo& entorno);
  // 1 when the box holds a value worth printing, by letter, for the person shown.
  int TieneValor() const;
  int TieneValor(const SEntornoCampo& entorno) const;

  // ---- drawing ----
  // The box rectangle on a canvas: minus the scroll, times the scales (truncated), in the canvas's logical units.
  plataforma::CRectangulo Rectangulo(plataforma::CLienzo& lienzo, int scrollX, int scrollY) const;
  // Draws the box text; kDibujoPantalla fills the box first, kDibujoSoloTexto draws texts only.
  void Dibujar(plataforma::CLienzo& lienzo, int scrollX, int scrollY, int modo) const;
  // Draws the box frame in a state kMarco...
  void DibujarMarco(int estado, plataforma::CLienzo& lienzo, int scrollX, int scrollY) const;

 private:
  // The display text of the value; `desborde` tells whether the amount is too large for the box.
  std::string ComponerTexto(const SEntornoCampo& entorno, bool& desborde, bool& cambiar) const;
  double ImporteSujeto(int sujeto) const;
  std::int32_t EnteroSujeto(int sujeto) const;
  std::string CaracteresSujeto(int sujeto) const;
  bool AlineadoDerecha() const;
  bool PartirLineas() const;
};

// Trailing (resp. leading) blanks removed from the first n characters of a text that may end at a NUL.
std::string RecortarBlancosFinales(std::string_view texto, std::size_t n);
std::string RecortarBlancosIniciales(std::string_view texto, std::size_t n);

}  // namespace marco
