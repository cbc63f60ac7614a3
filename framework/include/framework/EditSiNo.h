// The one-byte box edits changed by single keys instead of typed text: the tick box (letter 'B', "X" or blank,
// value 1 or 0 per person entry) and the yes/no box ("SI", "NO" or a blank, value 1, 0 or 255) that dialogs and
// pages create themselves. Both store at once and tell their owner that the value changed (0x403).
//
// Also here: the box groups, a program-wide list of (group, box number, owner window) entries that pages register
// for their groups of tick boxes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/EditEx.h"

class wxWindow;

namespace marco {

// ---- box groups ----
// Appends an entry.
void RegistrarGrupoCasillas(std::int32_t grupo, std::int32_t numeroCasilla, const wxWindow* dueno);
// Removes the first entry whose group, box number and owner all match.
void QuitarGrupoCasillas(std::int32_t grupo, std::int32_t numeroCasilla, const wxWindow* dueno);
// 1 when an entry of that group and owner exists; 0 for group 0.
int EsGrupoCasillasRegistrado(std::int32_t grupo, const wxWindow* dueno);

// The tick box.
class CCasillaEdit : public CEditEx {
 public:
  // Bound to a 'B' box: the picture's n is the box group (kept here and as the record's group) and the record's
  // field length becomes 1.
  explicit CCasillaEdit(CCampo& campo);
  // With a record of its own of field length L (picture "B1"); modified := 1.
  explicit CCasillaEdit(int longitud);

  std::int32_t Grupo() const { return m_nGrupo; }

  // One byte per person entry.
  int AsignarDato(void* dato) override;
  void AlCrearVentana() override;
  // The base style; the window has no frame of the toolkit's, whose padding would hide the "X" of so small a box.
  unsigned DameEstilo() override;
  // Blank toggles, 'n' clears, 's' and 'x' tick (any case); the value is stored and 0x403 sent. Any other key,
  // and any key in a read-only box, is refused.
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  // Delete empties the box, stores 0 and sends 0x401.
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;
  // 'X' (any case) first stores 1, anything else 0, into the person's entry. 0 when nothing is bound or the
  // person is beyond the box's entries.
  int GuardarValor() override;
  // A tick box admits "X", a blank or nothing.
  int TextoAdmisible(std::string_view texto) override;

  // A left-button press on the box: true when the rules took it (the press gets no other processing): a box that
  // is not read-only toggles as with the blank key, or, when locked, beeps and shows WINR007.
  virtual bool AlPulsarRaton();

 protected:
  // Sets the text, stores it and tells the owner with `codigo`.
  void FijarTexto(std::string_view texto, int codigo);

 private:
  std::int32_t m_nGrupo = 0;
};

// Values of a yes/no box.
inline constexpr unsigned char kValorSi = 1;
inline constexpr unsigned char kValorNo = 0;
inline constexpr unsigned char kValorSinRespuesta = 255;

// The yes/no box.
class CSiNoEdit : public CEditEx {
 public:
  // A record of its own of length 2 (picture "S2").
  CSiNoEdit();

  int AsignarDato(void* dato) override;
  // Blank, 'n' and 's' (any case) set a blank, "NO" or "SI", store the value and send 0x403; Tab is accepted;
  // anything else is refused.
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  // Delete is refused.
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;
  // "SI" → 1, "NO" → 0, anything else → 255. 0 when nothing is bound.
  int GuardarValor() override;
  // 255 → a blank, 0 → "NO", 1 → "SI", any other value → empty.
  void MostrarValor(int forma) override;
  int TextoAdmisible(std::string_view texto) override;
  void AlCrearVentana() override;

  // After Tab was handled as in every edit: Up (with Shift) or Down goes to the parent, so that Tab moves like
  // the arrow keys. The window calls it; a driver without a window calls it after the Tab.
  void TrasTabulador(bool mayusculas);

  // The text of a value.
  static std::string_view TextoDeValor(unsigned char valor);

 private:
  void Fijar(std::string_view texto);
};

}  // namespace marco
