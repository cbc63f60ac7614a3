// Page 7 of the ordinary form D-100 (page id 207): section E, imputed income. The real-estate imputation (its box
// opens the detail by holder, IDD_IMPURENTAS, whose entries the calculation spreads over the persons), two pairs of
// per-person marks, the entities under the fiscal transparency regime (group A, three rows over RegApartadoE2), the
// rows of RegApartadoE3 (group B), the single row of RegApartadoE4 (group C) and the rows of RegApartadoE5
// (group D), each with its total. Every row of a group is shown; nothing scrolls.
//
// The rules live in the box array (CControlesORD007), which tests drive over a data area of their own; the view
// forwards the box events to it and recalculates the whole declaration after each.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "d100/GruposPagina.h"

class wxClassInfo;
class wxWindow;

namespace ordinaria {

inline constexpr int kIdPaginaORD007 = 207;
inline constexpr int kCasillasORD007 = 92;
inline constexpr int kGrupoORD007A = 167;
inline constexpr int kGrupoORD007B = 168;
inline constexpr int kGrupoORD007C = 169;
inline constexpr int kGrupoORD007D = 170;
// NavegarGrupo's actions: store a row (3, 5, 7 or 16, by group), delete it when its key is empty (4, 6, 8, 17),
// load it again from the data area (190, 502).
inline constexpr int kAccionGuardarA7 = 16;
inline constexpr int kAccionGuardarB7 = 7;
inline constexpr int kAccionGuardarC7 = 3;
inline constexpr int kAccionGuardarD7 = 5;
inline constexpr int kAccionSuprimirA7 = 17;
inline constexpr int kAccionSuprimirB7 = 8;
inline constexpr int kAccionSuprimirC7 = 4;
inline constexpr int kAccionSuprimirD7 = 6;
inline constexpr int kAccionRestaurar7 = 190;
inline constexpr int kAccionReescribir7 = 502;
// The question before a row of group A is emptied, and the check of the two amounts of a row of group B.
inline constexpr std::string_view kMensajeVaciarEntidad = "100V170";
inline constexpr std::string_view kMensajeTopeE3 = "100R170";
// The dialog of a row of group A that asks whether the holder carries on professional, artistic or sporting
// activities through the entity (1601), as the detail-dialog registry knows it: its block is the row's one answer
// byte for the row's option (byte 24 for option 2, 25 for option 3).
inline constexpr std::string_view kVentanaActividadSociedad7 = "IDD_ACTIVIDADSOCIEDAD";
inline constexpr int kComandoSociedad7 = 1001;  // the buttons of rows 0, 1 and 2: 1001, 1002, 1003

class CControlesORD007 : public CControlesGrupos {
 public:
  CControlesORD007();

  // Box 5 and box 7 print the code of each person's pair of marks ('1' the first, '2' the second); boxes 49, 56
  // and 62 the code of the marks of each row of group B that belongs to the person shown.
  void CamposDerivados(int hoja) override;

  // Keeps the kind code or the option of a row of group A as the box is entered; 1.
  int FocoEnCasilla(int numero) override;
  // The store of group C: the row stored, then its two amounts checked against its first (100R171, 100R172).
  void GuardarGrupoC();

  const char* CodigosMarcas(int par) const { return m_aCodigos[static_cast<std::size_t>(par & 1)].data(); }

  // The kind code of row `fila` of group A is one whose entity may carry on the holder's activities: any kind but
  // "1", "4" and none (the row's button), or only "2" and "3" (after the option is typed).
  bool ConSociedad(int fila, bool soloTipos2y3) const;
  // Dialog 1601 for row `fila` of group A, on the row's answer for its option (2 or 3): the dialog's result, 0
  // when the row has no such option, the page may not write it or the dialog is not registered. On OK the answer
  // (1 or 0) is written into the row and the row stored.
  int AbrirActividadSociedad(int fila, wxWindow* padre = nullptr);

 protected:
  // ---- the box events ----
  void AlCambiarCasilla(const SCasillaGrupo& casilla) override;
  // 1 when the declaration is to be recalculated (the section E calculation runs here).
  int AlConfirmarCasilla(const SCasillaGrupo& casilla) override;
  // 1 accepted; 0 when a row of group B holds a second amount above its first (100R170: the amount goes).
  int AlComprobarCasilla(const SCasillaGrupo& casilla) override;

  // Store a row (3, 5, 7 or 16, by group), delete it when its key is empty, load it again: see the actions above.
  int AccionFila(renta::CFilasApartadoF& filas, int grupo, int fila, int accion, int extra) override;
  void SoloLecturaGrupo(int grupo) override;
  void* LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) override;

 private:
  void ReglaClase(int fila);
  void ReglaOpcion(int fila);
  void ParejaMarcas(int numero);

  std::array<std::array<char, 6>, 2> m_aCodigos{};
  std::array<std::array<char, 6>, 3> m_aMarcasB{};
  char m_cClaseGuardada = 0;
  int m_nOpcionGuardada = 0;
  int m_nUltimoFoco = 0;
};

wxClassInfo* ClasePaginaORD007();

}  // namespace ordinaria
