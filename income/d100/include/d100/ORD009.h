// Page 9 of the ordinary form D-100 (page id 209): the tail of section F2 (nine rows of two amounts and two marks),
// section F3 (nine dated rows of elements held more than two years, each with its holder, its dates and the amounts
// the calculation works out; two small groups of two amounts) and the section F totals. Three rows of each group
// show at a time; rows beyond the third of the person shown print on up to two supplementary sheets.
//
// The rules live in the box array (CControlesORD009), which tests drive over a data area of their own; the view
// forwards the box events to it and recalculates the whole declaration after each.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "d100/GruposElementos.h"

class wxClassInfo;

namespace ordinaria {

inline constexpr int kIdPaginaORD009 = 209;
inline constexpr int kCasillasORD009 = 110;
// The groups: A the rows of F2's tail, B the dated rows of F3, C and D its two small groups.
enum EGruposORD009 : int { kGrupoORD009A = 997, kGrupoORD009B, kGrupoORD009C, kGrupoORD009D };
// NavegarGrupo's actions (besides kAccionMover and kAccionPuedeMover): 5 store the row (groups A, C and D then
// check its two amounts), 6 delete it when it has no holder, 7 reload it, 8 the read-only states of a row of B.
enum EAccionesORD009 : int { kAccionGuardar9 = 5, kAccionSuprimir9, kAccionRecargar9, kAccionSoloLectura9 };
// The element-type buttons of group B's shown rows 0, 1 and 2.
inline constexpr int kComandoTipoElemento = 1020;

class CControlesORD009 : public CControlesElementos {
 public:
  CControlesORD009();
  // The sheet mark (box 3), then boxes 7, 12 and 17 the mark of each row of group A ('1' the first mark, '2' the
  // second, blank none).
  void CamposDerivados(int hoja) override;

  void CasillaBorrada(int numero);
  // The focus entered a box: the row of group A, C or D left for another of its groups is checked (100R177); 1.
  int FocoEnCasilla(int numero) override;
  // The box a failed amount check of a row wants the focus on (0 none); taken once.
  int TomarCasillaAEnfocar() override;

  // The date checks of a row of group B (the acquisition and the transfer date).
  void ComprobarFechaAdquisicion(int fila);
  void ComprobarFechaTransmision(int fila);

  // The element-type list of shown row `fila` of group B: nothing while the row has no holder or the rows are one
  // person's copy. On OK the chosen type and value enter the stored row (type 1 or 2 clears its byte at 64, type 3
  // those at 64 and 65), a changed type has the identification composed again and group B's shown rows are
  // reloaded. 1 when the list was accepted.
  int ElegirTipoElemento(int fila);
  // The element-type button of shown row `fila`: a person's view of a joint declaration refuses with WINR007;
  // otherwise the list. 1 when the list was accepted.
  int BotonTipoElemento(int fila);

 protected:
  // ---- the box events ----
  void AlCambiarCasilla(const SCasillaGrupo& casilla) override;
  // 1 when the declaration is to be recalculated.
  int AlConfirmarCasilla(const SCasillaGrupo& casilla) override;
  // Always accepts (1): a value that breaks a rule is repaired.
  int AlComprobarCasilla(const SCasillaGrupo& casilla) override;

  int AccionFila(renta::CFilasApartadoF& filas, int grupo, int fila, int accion, int extra) override;
  void VaciarTrasFecha(unsigned char* fila) const override;

 private:
  void ReglaTitularB(int fila);
  void ReglaMarcaB(int fila);
  void ConfirmarMarcaB(int fila);

  std::array<std::array<char, kAnchoMarcaHojas + 1>, 3> m_aMarcasA{};
  int m_nRespuesta = 0;     // 1 when the last 100V201 was answered Cancelar
  int m_nFilaFocoA = -1;
  int m_nFilaFocoCD = -1;  // 0-2 group C, 3-5 group D
  int m_nCasillaAEnfocar = 0;
};

wxClassInfo* ClasePaginaORD009();

}  // namespace ordinaria
