// Page 5 of the ordinary form D-100 (page id 205): the business activities whose income is worked out by modules
// (RegApartadoD4, section D instance 4 of the calculation). Four activity rows, two shown, each with its code,
// unit, holder, seven module slots, its results and, apart from the rest, the figures of an activity carried on
// through an entity. One group (997) that scrolls with a pair of buttons; a third or fourth activity of the person
// prints on a supplementary sheet.
//
// The module quantity boxes ('M') take whatever edit the box edit factory gives for that letter; the page binds
// them to the quantity of their slot and links them to the slot itself, whatever the edit.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "d100/GruposPagina.h"

class wxButton;
class wxClassInfo;
class wxWindow;

namespace ordinaria {

inline constexpr int kIdPaginaORD005 = 205;
inline constexpr int kCasillasORD005 = 106;
inline constexpr int kGrupoActividades = 997;
// Boxes of a row (from its first box, box 5 or 48): code, unit, holder, the seven modules (text, quantity,
// result), the results; the six figures of an activity through an entity are boxes 91-96 and 97-102.
inline constexpr int kCasillaCodigo5 = 0;
inline constexpr int kCasillaTitular5 = 2;
// NavegarGrupo's actions: store, delete a row whose code was emptied, empty the modules, holder change, reload.
inline constexpr int kAccionGuardar5 = 101;
inline constexpr int kAccionSuprimir5 = 102;
inline constexpr int kAccionBorrarModulos5 = 104;
inline constexpr int kAccionTitular5 = 105;
inline constexpr int kAccionRecargar5 = 106;
inline constexpr std::string_view kMensajeMinoracion5 = "100V194";
inline constexpr int kComandoBotonesORD005 = 998;
// The information buttons of the two shown rows, and the dialog they open through the detail-dialog registry (the
// request's block is the 88-byte information part of the row at +32, its first parameter the activity's epigraph
// id, which chooses the variant).
inline constexpr int kComandoInfoActividad5 = 1002;
inline constexpr std::string_view kVentanaInfoActividad5 = "IDD_INFOACTIVIDAD";
inline constexpr std::size_t kInicioInfo5 = 32;
inline constexpr std::size_t kLargoInfo5 = 88;
inline constexpr std::string_view kMensajeActividadRepetida = "100M007";
inline constexpr std::string_view kMensajeTemporada = "100M005";
inline constexpr std::string_view kMensajeIncrementoPersonal = "100M006";
inline constexpr std::string_view kMensajeSinEntidad = "100M011";
inline constexpr std::string_view kMensajePersonal = "100M012";

class CControlesORD005 : public CControlesGrupos {
 public:
  std::span<const SGrupoPagina> Grupos() const override;
  int CasillaMarcaHojas() const override { return 4; }
  int CasillaTituloHoja() const override { return 104; }
  std::span<const int> CasillasTotales() const override;
  int FilasPorHoja() const override { return 2; }
  // The activities (a code chosen) of the person shown: the family unit counts every one.
  int ContarHojas() override;

  int NavegarGrupo(int grupo, int fila, int accion, int extra) override;

  // ---- the box events (by box number) ----
  // A value changed: the code stored (a row whose code was emptied goes), a new holder empties the modules the old
  // one entered, a module quantity stored; each followed by the section calculation.
  void CasillaCambiada(int numero) override;
  // A value set through its window: 1 when the declaration is to be recalculated.
  int CasillaConfirmada(int numero) override;
  // The check of a typed value: 0 refuses it (100V194 answered Corregir), else 1.
  int ComprobarCasilla(int numero) override;

  // ---- the activity information ----
  // Opens the information dialog of shown row `fila` when the row has a code and a holder; on OK the copy goes to
  // AplicarInfoActividad. The dialog's result (1 taken over), 0 when no dialog was opened.
  int AbrirInfoActividad(int fila, int extra, wxWindow* padre = nullptr);
  // Takes the dialog's copy into the row and stores it, with what a change calls for: a repeated activity is
  // refused (100M007, the row goes); a change of the seasonal days of a calculated activity is confirmed (100M005)
  // or put back; a staff increase empties the personnel modules (100M006) unless cancelled; leaving an entity warns
  // (100M011) and empties the quantities of the second or third module when it is number 2; then the personnel
  // check. 1 when the copy was kept.
  int AplicarInfoActividad(int fila, std::span<const unsigned char, kLargoInfo5> datos, int extra, wxWindow* padre);
  // Two stored activities with the same epigraph id and holder, both direct or both through the same entity.
  bool ActividadRepetida() const;
  // The maximum number of employees against the personnel modules' quantities (100M012, a warning).
  void ComprobarPersonal(int fila);

 protected:
  void EnlazarFijas() override;
  void SoloLecturaGrupo(int grupo) override;
  // A row without a code shows its code box alone: what the calculation leaves in an empty row is not shown, nor
  // printed.
  void* LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) override;

 private:
  std::unique_ptr<renta::CFilasApartadoF> CrearTabla(int indice, DatosRenta& datos) const override;
  renta::CFilasORD005A* Actividades() const;
  void CalcularSeccion();
  void GuardarYCalcular(int fila);

  std::array<char, 6> m_aMarca{};
};

class ORD005 : public CVistaGrupos {
 public:
  ORD005();
  int DameNumeroPagina() override { return kIdPaginaORD005; }
  std::string_view DameNombrePagina() const { return "ORD005"; }
  CControlesORD005* Controles() const;

 protected:
  int PrimerComando() const override { return kComandoBotonesORD005; }
  int CasillaBotones(int) const override { return 7; }
  // The information buttons of shown rows 0 and 1, beside each row's holder box: the dialog, then the row stored,
  // calculated and shown again.
  SBotonesFila BotonesFila() const override;
  int CasillaBotonFila(int fila) const override;
  void PulsarBotonFila(int fila) override;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD005);
};

wxClassInfo* ClasePaginaORD005();

}  // namespace ordinaria
