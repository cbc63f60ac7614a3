// Page 8 of the ordinary form D-100 (page id 208): section F1 (nine rows of a payer, a holder and the gains and
// losses that do not come from a transfer, three shown; the fixed entries with their details and the totals) and
// section F2 (nine dated rows of elements held two years or less, three shown; two small groups of two amounts; the
// totals). The dated rows are checked against each other and against the fiscal year (FechasElementos.h); section
// F1 is recalculated through Calculos100F1 after every change. Rows beyond the third of the person shown print on
// up to two supplementary sheets.
//
// The rules live in the box array (CControlesORD008), which tests drive over a data area of their own; the view
// forwards the box events to it and recalculates the whole declaration after each.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "d100/GruposElementos.h"

class wxClassInfo;

namespace ordinaria {

inline constexpr int kIdPaginaORD008 = 208;
inline constexpr int kCasillasORD008 = 112;
// The groups: A the rows of F1, B the dated rows of F2, C and D its two small groups.
enum EGruposORD008 : int { kGrupoORD008A = 997, kGrupoORD008B, kGrupoORD008C, kGrupoORD008D };
// NavegarGrupo's actions (besides kAccionMover and kAccionPuedeMover): 7 store the row, 8 delete it when it has no
// holder, 9 reload a row of group B, 10 its read-only states.
enum EAccionesORD008 : int { kAccionGuardar8 = 7, kAccionSuprimir8, kAccionRecargar8, kAccionSoloLectura8 };

class CControlesORD008 : public CControlesElementos {
 public:
  CControlesORD008();
  // The focus entered a box: the row of group C or D left is checked (100R177); 1.
  int FocoEnCasilla(int numero) override;

 protected:
  // ---- the box events; each ends with Calculos100F1 (-1) ----
  // A value changed or toggled (0x403).
  void AlCambiarCasilla(const SCasillaGrupo& casilla) override;
  // A value set through a detail window (0x402): 1 when the declaration is to be recalculated.
  int AlConfirmarCasilla(const SCasillaGrupo& casilla) override;
  // The check of a typed value; it always accepts (1): a value that breaks a rule is repaired.
  int AlComprobarCasilla(const SCasillaGrupo& casilla) override;

  int AccionFila(renta::CFilasApartadoF& filas, int grupo, int fila, int accion, int extra) override;
  void EnlazarFijas() override;
  void VaciarTrasFecha(unsigned char* fila) const override;

 private:
  void CambioEnGrupo(const SCasillaGrupo& casilla);
  void ComprobarEnGrupo(const SCasillaGrupo& casilla);
  void ComprobarFecha(int fila, bool transmision);
  void ReglaFilaB(int fila);
  void FinF1();

  std::array<char, 14> m_aRetencion{};
  int m_nFilaFocoCD = -1;
};


// The page's class, registered under "ORD008" (for the list of ClasesPaginasD100).
wxClassInfo* ClasePaginaORD008();

}  // namespace ordinaria
