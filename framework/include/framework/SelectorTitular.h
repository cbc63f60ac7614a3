// The holder selector (letter 'T'): which member of the family unit holds an item (common, declarant, spouse,
// first or second child). The bound value is one byte, the holder code; the window shows the holder's name. Its
// drop-down entries come from the fixed holder table, and which holders are offered depends on the box's mode and
// on the members present in the open income-tax declaration. On a member's page (the person shown is not the
// family unit) only the declarant is offered: choosing it stores the person shown.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "framework/EditLista.h"

namespace marco {

inline constexpr std::string_view kTitularBorrar = "<BORRAR>";

// The holder table: code (the row), letter typed, text.
struct STitular {
  int codigo;
  char letra;
  std::string_view texto;
};
inline constexpr STitular kTitulares[] = {
    {0, ' ', kTitularBorrar},
    {1, 'O', "COM\xDA" "N"},
    {2, 'D', "DECLARANTE"},
    {3, 'C', "C\xD3" "NYUGE"},
    {4, '1', "HIJO 1\xBA"},
    {5, '2', "HIJO 2\xBA"},
};
// The letters each mode accepts (modes 0 to 5).
std::string_view LetrasModoTitular(int modo);

// The holder code of a typed holder letter (upper or lower case) in a dialog's holder cell: 0 for an empty text,
// 1 to 5 when the mode offers the letter and the member is present (common entries and the spouse's need the
// spouse, a child's entry that child), -1 when refused.
int CodigoTitularTecleado(std::string_view texto, int modo, bool conyuge, bool hijo1, bool hijo2);


class CTitularEdit : public CListaEdit {
 public:
  // A box of a page: the mode is the picture's second number; the box holds one character.
  CTitularEdit(CCampo& campo, CBaseDatos* baseDatos);
  // A member of a dialog in the given mode (picture "T1").
  CTitularEdit(int modo, CBaseDatos* baseDatos);

  int Modo() const { return m_nModo; }

  // The letter is in the mode's letters; "O" (common) only when the spouse is present.
  bool LetraPermitida(char letra) const;
  // The blank always; another letter when it is allowed and the member of its code is present.
  bool TitularAdmitido(char letra) const;
  // True when the open declaration shows the family unit.
  static bool VistaFamiliar();

  // ---- CEditEx ----
  int AsignarDato(void* dato) override;
  unsigned DameEstilo() override;
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;
  // Stores nothing: the value is written when chosen. 1 when bound.
  int GuardarValor() override;
  void MostrarValor(int forma) override;

  // ---- CListaEdit ----
  int AceptarSeleccion() override;
  int LlenarDesplegable() override;

 private:
  std::uint8_t* Byte() const;
  // The text shown for a code: a blank for 0, the declarant's on a member's page.
  static std::string_view TextoCodigo(int codigo);
  void MostrarTitular(std::string_view texto);

  int m_nModo = 0;
};

}  // namespace marco
