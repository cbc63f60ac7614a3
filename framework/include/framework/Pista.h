// The update hints a declaration document sends to its views through UpdateAllViews: a small object that
// carries the hint's number. The numbers are the program's own and stay the same everywhere.
#pragma once

#include <wx/object.h>

namespace marco {

inline constexpr int kPistaNinguna = 0;     // no hint object: a plain refresh
inline constexpr int kPistaValores = 1;     // values changed: the views redraw their boxes
inline constexpr int kPistaZoom = 2;        // the zoom changed
inline constexpr int kPistaSujeto = 3;      // the person or the form changed
inline constexpr int kPistaSinAccion = 5;   // nothing to do

class CPista : public wxObject {
 public:
  explicit CPista(int codigo = kPistaNinguna) : m_nCodigo(codigo) {}
  int DameCodigo() const { return m_nCodigo; }

 private:
  int m_nCodigo;
};

// The number a view receives: the hint's number, or kPistaNinguna when the hint is absent or not a CPista.
inline int CodigoPista(const wxObject* pista) {
  const auto* p = dynamic_cast<const CPista*>(pista);
  return p != nullptr ? p->DameCodigo() : kPistaNinguna;
}

}  // namespace marco
