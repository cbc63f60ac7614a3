// The base of list dialogs (the lists of descendants, of ascendants ...): entries of the same fields, one below
// the other, that fill from the top. Only the used entries and the first free one are open for typing; an entry
// emptied and left is squeezed out and the entries below move up. The derived dialog gives the table of control
// ids and the entry operations that are empty here (moving and clearing entries, and, when the controls' texts
// are not what tells whether an entry is used, EntradaEnUso).
#pragma once

#include <string_view>
#include <vector>

#include "framework/TemplateDlg.h"

namespace marco {

class CTemplateDlgLista : public CTemplateDlg {
 public:
  CTemplateDlgLista(int idRecurso, wxWindow* padre, std::int32_t segundoParametro = 0);

  // The id table: `entradas` entries of `campos` fields, stored field by field: the id of field f of entry e is
  // element f x entradas + e. A table of another size is refused (false, nothing changed).
  bool PonerTablaIds(int entradas, int campos, std::vector<int> ids);
  int Entradas() const { return m_nEntradas; }
  int Campos() const { return m_nCampos; }

  // Base initialisation, then whether the entries may be typed in (the current person is the family unit, or the
  // declarant with neither spouse nor child present).
  int OnInitDialog() override;
  // closing := 1, then the close as Cancel.
  void OnClose() override;

  // ---- entries ----
  // Control id of field `campo` of entry `entrada`; 0 when an index is out of range.
  virtual int IdControl(int campo, int entrada) const;
  // Empties the entry's fields; nothing here.
  virtual void LimpiarEntrada(int entrada);
  // Packs the used entries to the front: MoverEntrada (i, i-th used entry), LimpiarEntrada for the rest.
  virtual void CompactarEntradas();
  // Opens what may be typed: the used entries and the first free one (the last entry when all are used).
  virtual void ActualizarEntradas();
  // Copies entry `de`'s values onto entry `a`; nothing here.
  virtual void MoverEntrada(int a, int de);
  // 1 when any field of the entry shows a text that is not empty or blank.
  virtual int EntradaEnUso(int entrada) const;

  // Entry of a control id (-1 when it is not in the table).
  int EntradaDeControl(int id) const;
  // Enables (1) or disables (0) every field of the entry.
  void HabilitarEntrada(int entrada, int habilitar);

  // Leaving a field: nothing (0) when the focus went to Cancel, to no window, or the dialog is closing; otherwise
  // an emptied entry is squeezed out, or the next entry opens when the last open one got data (1).
  int AlSalirDeCampo(int id) override;

  bool Editable() const { return m_bEditable; }
  // True while entries are being refreshed or packed (derived dialogs skip their checks then).
  bool Ocupado() const { return m_bOcupado; }
  bool Cerrando() const { return m_bCerrando; }
  int EntradasAbiertas() const { return m_nEntradasAbiertas; }

 protected:
  // Moving on from a field of the last open entry that holds something (or whose field shows a text) opens the next
  // entry first, as leaving the field would: the move goes into it instead of past it.
  void AntesDeAvanzar() override;

 private:
  int m_nEntradas = 0;
  int m_nCampos = 0;
  int m_nEntradasAbiertas = 0;
  std::vector<int> m_ids;
  bool m_bEditable = false;
  bool m_bOcupado = true;
  bool m_bCerrando = false;
};

// 1 when any of the characters 2 to n of the text (the first is never looked at) is a letter or a digit
// (Windows-1252 letters count); 0 for an empty text or n below 2. The text may end (or hold a NUL) before n.
int HayAlfanumerico(std::string_view texto, int n);

}  // namespace marco
