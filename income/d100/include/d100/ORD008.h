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

#include "d100/FechasElementos.h"
#include "d100/GruposPagina.h"

class wxClassInfo;

namespace ordinaria {

inline constexpr int kIdPaginaORD008 = 208;
inline constexpr int kCasillasORD008 = 112;
// The groups: A the rows of F1, B the dated rows of F2, C and D its two small groups.
inline constexpr int kGrupoORD008A = 997;
inline constexpr int kGrupoORD008B = 998;
inline constexpr int kGrupoORD008C = 999;
inline constexpr int kGrupoORD008D = 1000;
// NavegarGrupo's actions (besides kAccionMover and kAccionPuedeMover): 7 store the row, 8 delete it when it has no
// holder, 9 reload a row of group B, 10 its read-only states.
inline constexpr int kAccionGuardar8 = 7;
inline constexpr int kAccionSuprimir8 = 8;
inline constexpr int kAccionRecargar8 = 9;
inline constexpr int kAccionSoloLectura8 = 10;
// The first command id of the group buttons (next of group A; previous one more; then B, C, D).
inline constexpr int kComandoBotonesORD008 = 1002;

class CControlesORD008 : public CControlesGrupos {
 public:
  std::span<const SGrupoPagina> Grupos() const override;
  int CasillaMarcaHojas() const override { return 3; }
  int CasillaTituloHoja() const override { return 111; }
  std::span<const int> CasillasTotales() const override;

  int NavegarGrupo(int grupo, int fila, int accion, int extra) override;

  // ---- the box events (by box number); each ends with Calculos100F1 (-1) ----
  // A value changed or toggled (0x403).
  void CasillaCambiada(int numero) override;
  // A value set through a detail window (0x402): 1 when the declaration is to be recalculated.
  int CasillaConfirmada(int numero) override;
  // The check of a typed value; it always accepts (1): a value that breaks a rule is repaired.
  int ComprobarCasilla(int numero) override;
  // The focus entered a box: the row of group C or D left is checked (100R177); 1.
  int FocoEnCasilla(int numero);

 protected:
  void EnlazarFijas() override;
  void SoloLecturaGrupo(int grupo) override;

 private:
  std::unique_ptr<renta::CFilasApartadoF> CrearTabla(int indice, DatosRenta& datos) const override;
  void ComprobarFecha(int fila, bool transmision);
  void RechazarFecha(int fila, bool transmision, EProblemaFecha problema);
  void ReglaFilaB(int fila);
  void FinF1();

  std::array<char, 14> m_aRetencion{};
  int m_nFilaFocoCD = -1;
};

class ORD008 : public CVistaGrupos {
 public:
  ORD008();
  int DameNumeroPagina() override { return kIdPaginaORD008; }
  std::string_view DameNombrePagina() const { return "ORD008"; }
  CControlesORD008* Controles() const;

  int CampoRecibeFoco(int numero) override;

 protected:
  int PrimerComando() const override { return kComandoBotonesORD008; }
  int CasillaBotones(int indiceGrupo) const override;
  // A change is not shown in the other views.
  bool AvisarOtrasVistas(int) const override { return false; }

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD008);
};

// The page's class, registered under "ORD008" (for the list of ClasesPaginasD100).
wxClassInfo* ClasePaginaORD008();

}  // namespace ordinaria
