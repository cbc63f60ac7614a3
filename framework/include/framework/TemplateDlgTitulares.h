// The base of holder grids: amount dialogs with one entry per holder (common, declarant, spouse, children), each
// entry a holder code field (field 0) followed by amount fields. The used entries (those with a holder) are kept
// packed at the front; a per-person view keeps only that person's share (a common entry is handed to the
// declarant or the spouse through EntradaComun and EntradaPropia) and is not editable. The derived dialog gives
// the table of control ids and the entry operations that are empty here, on its own working copy.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/TemplateDlg.h"

namespace marco {

class CTemplateDlgTitulares : public CTemplateDlg {
 public:
  CTemplateDlgTitulares(int idRecurso, wxWindow* padre, std::int32_t segundoParametro = 0);

  // The id table: `entradas` entries of `campos` fields (field 0 the holder code), stored field by field: the id
  // of field f of entry e is element f x entradas + e. A table of another size is refused (false).
  bool PonerTablaIds(int entradas, int campos, std::vector<int> ids);
  int Entradas() const { return m_nEntradas; }
  int Campos() const { return m_nCampos; }

  // ---- entries ----
  // Control id of field `campo` of entry `entrada`; 0 when an index is out of range.
  virtual int IdControl(int campo, int entrada) const;
  // Empties the entry's amounts; nothing here.
  virtual void LimpiarEntrada(int entrada);
  // The entries with a holder move to the front in order; every later one is dropped and emptied.
  virtual void CompactarEntradas();
  // An entry without holder is emptied; the amount fields are open only for entries with a holder while every
  // entry may be edited; the focus goes to CampoInicialDeEntrada of each open entry.
  virtual void ActualizarEntradas();
  // Copies entry `de` (holder and amounts) onto entry `a`; nothing here.
  virtual void MoverEntrada(int a, int de);
  // Drops the entry's holder (holder := 0); nothing here.
  virtual void QuitarEntrada(int entrada);
  // Whether every entry may be edited; when not, reduces the entries to the share of the current person. 1 when
  // every entry may be edited.
  virtual int AjustarEntradasAlSujeto();
  // Holder code of the entry (0 none, 1 common, 2 declarant, 3 spouse, 4 and 5 the children); 0 here.
  virtual std::uint8_t TitularDeEntrada(int entrada) const;
  // A common entry seen by the declarant or the spouse (halve its amounts); nothing here.
  virtual void EntradaComun(int entrada);
  // An entry the current person keeps (it becomes the declarant's); nothing here.
  virtual void EntradaPropia(int entrada);
  // The field that takes the focus in an open entry; 1 here.
  virtual int CampoInicialDeEntrada(int entrada) const;

  // Entry and field of a control id (-1 when it is not in the table).
  int EntradaDeControl(int id) const;
  int FilaDeControl(int id) const;
  // Drops (QuitarEntrada) every entry with a holder whose amount fields all show an empty or blank text.
  void QuitarEntradasVacias();

  // Leaving a field: 1 unless the focus went to Cancel or to no window.
  int AlSalirDeCampo(int id) override;
  // Entering a holder code field shows the holder hint in static 1266; 1.
  int AlEntrarEnCampo(int id) override;
  // A holder changed: texts into values, an entry left without holder emptied, entries packed, values shown
  // again, fields opened; 1 (0 for a control outside the table).
  int AlCambiarValor(int id) override;
  // A holder cell is a selector, as on the pages: a typed letter is the holder at once (the cell's binding
  // decides which letters it takes; a refused one beeps and changes nothing), a blank or Backspace drops the
  // holder; then the value change (0x403) opens or closes the entry and takes the focus to its first field.
  // Other cells as the base.
  int ValidarCaracterCampo(int id, unsigned caracter) override;
  // The Enter or Tab that follows a typed holder letter belongs to that letter: the focus already went on to the
  // entry's first field, where it stays. Any other key is the base's.
  int OnChar(int caracter) override;
  int Tabular(bool atras) override;

  // The character typed into the box goes to the first amount field of the entry of the person shown (the
  // declarant when the whole family unit is shown): that person's entry, or else the first entry without holder,
  // given that person as its holder as a typed holder letter gives it. None when the entries may not be edited.
  // When the box shows one field of the entries (CampoCasilla), that field of the entry instead.
  int CampoParaCaracterInicial() override;

  // The flag AjustarEntradasAlSujeto computed: every entry may be edited.
  bool TodasLasEntradas() const { return m_bTodas; }
  // The person shown of the open declaration.
  std::uint8_t SujetoActual() const;
  // Shows the holder hint in the static `idEstatico` (some dialogs use another static than 1266).
  void MostrarAyudaTitular(int idEstatico);

 protected:
  int DespacharEvento(int codigo, int id) override;

 private:
  int m_nEntradas = 0;
  int m_nCampos = 0;
  std::vector<int> m_ids;
  bool m_bTodas = false;
  // The field a typed holder letter sent the focus to, until a key is typed there or it is left (0: none).
  int m_nFocoPorTitular = 0;
  // True (and forgotten) when the focus still stands where a holder letter sent it.
  bool ConsumirSaltoTitular();
};

}  // namespace marco
