// The date box edit (letter 'D'): a fixed mask "DD/MM/YYYY" (or "DD/MM/YY" for a six-character date) typed in
// overwrite fashion. Every accepted key writes the text without its separators into the bound value at once, as
// long as every field typed so far passes its check: a date with a field that fails keeps the value it had before
// in the declaration, whatever the window shows. A field is checked when it is completed and when the caret leaves
// it (CVDIA1 day, CVMES1 month, CVANO1 year), and Tab / Shift+Tab and Down / Up walk day, month and year before
// they leave the box. The box is left only with a whole date that exists, or with none: a date with a field left
// blank (half erased) or one that does not exist (31/02/1999) shows FECHAM, and the declaration gets back the value
// it held before the edit wrote into it; a click elsewhere, which cannot keep the box, gives it back without a
// word (the focus may have gone to a message of the page).
//
// Also here: the copy-only clipboard filter that the edits which are not typed into share.
#pragma once

#include <string>
#include <string_view>

#include "framework/EditEx.h"

namespace marco {

// Coded messages of the date fields.
inline constexpr std::string_view kMensajeDiaNoValido = "CVDIA1";
inline constexpr std::string_view kMensajeMesNoValido = "CVMES1";
inline constexpr std::string_view kMensajeAnoNoValido = "CVANO1";
// A date that is incomplete or does not exist, when the box is left.
inline constexpr std::string_view kMensajeFechaNoValida = "FECHAM";

// The copy-only clipboard filter: Ctrl+C and Ctrl+Insert copy the selection; no other clipboard key is handled.
// Nonzero when handled.
int FiltrarTeclaSoloCopia(CEditEx& edit, int tecla);

// The fields of a date text.
enum class ECampoFecha { Dia = 0, Mes = 1, Ano = 2 };

class CFechaEdit : public CEditEx {
 public:
  // Bound to a 'D' box of n = 8 (or 6) characters. A box of any other length cannot hold a date: its edit is
  // read-only.
  explicit CFechaEdit(CCampo& campo);
  // With a record of its own of length L (picture "D" + L).
  explicit CFechaEdit(int longitud);

  // The value is the n characters of the date: n.
  int AsignarDato(void* dato) override;
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  // Up and Down walk the fields (and leave the box from the first or the last one); Delete erases forwards.
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;
  // Tab walks the fields forwards, Shift+Tab backwards: 0 when the box may be left, 2 when the caret moved to
  // another field.
  int ValidarAlSalir(const std::string* texto) override;
  // Normalises the three fields of a non-blank date and writes it through; a text that is not a date mask is not
  // stored. 0 when nothing is bound.
  int GuardarValor() override;
  void MostrarValor(int forma) override;
  int FiltrarTeclaControl(int tecla) override { return FiltrarTeclaSoloCopia(*this, tecla); }
  void Pegar() override {}
  // Only a date mask of this box's length (digits and blanks, "/" in their places) may stay.
  int TextoAdmisible(std::string_view texto) override;

  // The leave check from the caret's field, forwards or backwards: the field is normalised and checked (a field
  // that fails shows its message and takes the caret back); true when the box may be left.
  bool SalirDeCampo(bool adelante);

  // ---- the rules on a date text of a box of n characters (text length n + 2) ----
  // A date of only blanks and separators passes every check.
  static bool CampoValido(std::string_view texto, ECampoFecha campo, int longitud);
  // Every field that holds anything but blanks passes its check, and a date whose three fields are all there
  // exists: the text may go into the declaration (while it is typed).
  static bool TextoAdmitido(std::string_view texto, int longitud);
  // The box may be left with the text: a blank date, or a whole one (every field complete, the year with its
  // century in a box of eight) that exists.
  static bool FechaCompleta(std::string_view texto, int longitud);
  // Day and month: "5 " and " 5" become "05". Year (n = 8): digits packed left; two digits get their century
  // (00-09 → 2000-2009, 10-99 → 1910-1999). True when the text changed.
  static bool NormalizarCampo(std::string& texto, ECampoFecha campo, int longitud);
  // True when `texto` has the shape of the mask of a box of n characters.
  static bool EsMascara(std::string_view texto, int longitud, bool soloCifras);
  // The empty mask ("  /  /    ").
  static std::string MascaraVacia(int longitud);

 private:
  int Longitud() const;
  int LargoTexto() const { return Longitud() + 2; }
  // The text being edited: the window's when it is a date mask, else the bound value's, else the empty mask.
  std::string TextoTrabajo();
  // Copies the text without separators into the person's entry when its fields pass their checks (else the entry
  // gets back what it held before this edit wrote into it; a person beyond the box's entries has none), shows the
  // text with the caret at `caret`, modified := 1.
  void EscribirTexto(const std::string& texto, int caret);
  int Borrar(bool adelante);
  // The person's entry of the bound value (none when nothing is bound or the person has no entry).
  char* Entrada();
  // The entry gets back what the declaration held before the edit first wrote into it.
  void RestaurarPrevio();
  // The whole-date check of a box being left: true when it may be; otherwise FECHAM, the entry restored, and the
  // field to correct in `campo`.
  bool ComprobarFechaEntera(const std::string& texto, ECampoFecha& campo);
  int MensajeCampo(ECampoFecha campo);
  void Caret(int posicion) { Superficie().PonerSeleccion(posicion, posicion); }
  int PosicionCaret() const;

  // The entry as the declaration held it before the edit first wrote into it since the value was last shown.
  std::string m_previo;
  bool m_bHayPrevio = false;
};

}  // namespace marco
