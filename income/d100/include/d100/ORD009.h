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

#include "d100/FechasElementos.h"
#include "d100/GruposPagina.h"

class wxClassInfo;

namespace ordinaria {

inline constexpr int kIdPaginaORD009 = 209;
inline constexpr int kCasillasORD009 = 110;
inline constexpr int kGrupoORD009A = 997;
inline constexpr int kGrupoORD009B = 998;
inline constexpr int kGrupoORD009C = 999;
inline constexpr int kGrupoORD009D = 1000;
// NavegarGrupo's actions (besides kAccionMover and kAccionPuedeMover): 5 store the row (groups A, C and D then
// check its two amounts), 6 delete it when it has no holder, 7 reload it, 8 the read-only states of a row of B.
inline constexpr int kAccionGuardar9 = 5;
inline constexpr int kAccionSuprimir9 = 6;
inline constexpr int kAccionRecargar9 = 7;
inline constexpr int kAccionSoloLectura9 = 8;
inline constexpr int kComandoBotonesORD009 = 1002;
// The element-type buttons of group B's shown rows 0, 1 and 2.
inline constexpr int kComandoTipoElemento = 1020;

class CControlesORD009 : public CControlesGrupos {
 public:
  std::span<const SGrupoPagina> Grupos() const override;
  int CasillaMarcaHojas() const override { return 3; }
  int CasillaTituloHoja() const override { return 109; }
  std::span<const int> CasillasTotales() const override;

  int NavegarGrupo(int grupo, int fila, int accion, int extra) override;
  // The sheet mark (box 3), then boxes 7, 12 and 17 the mark of each row of group A ('1' the first mark, '2' the
  // second, blank none).
  void CamposDerivados(int hoja) override;

  // ---- the box events (by box number) ----
  void CasillaCambiada(int numero) override;
  // 1 when the declaration is to be recalculated.
  int CasillaConfirmada(int numero) override;
  // Always accepts (1): a value that breaks a rule is repaired.
  int ComprobarCasilla(int numero) override;
  void CasillaBorrada(int numero);
  int FocoEnCasilla(int numero);
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
  void EnlazarFijas() override;
  void SoloLecturaGrupo(int grupo) override;

 private:
  std::unique_ptr<renta::CFilasApartadoF> CrearTabla(int indice, DatosRenta& datos) const override;
  void RechazarFecha(int fila, bool transmision, EProblemaFecha problema);
  void ReglaTitularB(int fila);
  void ReglaMarcaB(int fila);
  void ConfirmarMarcaB(int fila);

  std::array<std::array<char, kAnchoMarcaHojas + 1>, 3> m_aMarcasA{};
  int m_nRespuesta = 0;     // 1 when the last 100V201 was answered Cancelar
  int m_nFilaFocoA = -1;
  int m_nFilaFocoCD = -1;  // 0-2 group C, 3-5 group D
  int m_nCasillaAEnfocar = 0;
};

class ORD009 : public CVistaGrupos {
 public:
  ORD009();
  int DameNumeroPagina() override { return kIdPaginaORD009; }
  std::string_view DameNombrePagina() const { return "ORD009"; }
  CControlesORD009* Controles() const;

  int CampoBorrado(int numero) override;
  int CampoRecibeFoco(int numero) override;

 protected:
  int PrimerComando() const override { return kComandoBotonesORD009; }
  int CasillaBotones(int indiceGrupo) const override;
  // A change is not shown in the other views.
  bool AvisarOtrasVistas(int) const override { return false; }
  // The element-type buttons beside each shown row's holder of group B (1020 + row): the list, then the
  // declaration recalculated when a type was chosen.
  SBotonesFila BotonesFila() const override;
  int CasillaBotonFila(int fila) const override;
  void PulsarBotonFila(int fila) override;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD009);
};

wxClassInfo* ClasePaginaORD009();

}  // namespace ordinaria
