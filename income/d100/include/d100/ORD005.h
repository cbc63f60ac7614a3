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

#include "d100/GruposActividades.h"

class wxClassInfo;

namespace ordinaria {

inline constexpr int kIdPaginaORD005 = 205;
inline constexpr int kCasillasORD005 = 106;
// The boxes of a row of the group of activities (from its first box, box 5 or 48): code, unit, holder, the seven
// modules (text, quantity, result), the results; the six figures of an activity through an entity are boxes 91-96
// and 97-102.
// NavegarGrupo's actions (the row table's orders): store, delete a row whose code was emptied, empty the modules,
// holder change, reload.
enum EAccionesORD005 : int {
  kAccionGuardar5 = renta::kOrdenGuardar5,
  kAccionSuprimir5 = renta::kOrdenSuprimir5,
  kAccionBorrarModulos5 = renta::kOrdenBorrarModulos5,
  kAccionTitular5 = 105,
  kAccionRecargar5 = renta::kOrdenRecargar5
};
inline constexpr std::string_view kMensajeMinoracion5 = "100V194";
// The dialog of the information buttons of the two shown rows, as the detail-dialog registry knows it (the
// request's block is the 88-byte information part of the row at +32, its first parameter the activity's epigraph
// id, which chooses the variant).
inline constexpr std::string_view kVentanaInfoActividad5 = "IDD_INFOACTIVIDAD";
inline constexpr std::size_t kInicioInfo5 = 32;
inline constexpr std::size_t kLargoInfo5 = 88;
inline constexpr std::string_view kMensajeActividadRepetida = "100M007";
inline constexpr std::string_view kMensajeTemporada = "100M005";
inline constexpr std::string_view kMensajeIncrementoPersonal = "100M006";
inline constexpr std::string_view kMensajeSinEntidad = "100M011";
inline constexpr std::string_view kMensajePersonal = "100M012";

class CControlesORD005 : public CControlesActividades {
 public:
  CControlesORD005();
  int AbrirInfo(int fila, wxWindow* padre) override { return AbrirInfoActividad(fila, 0, padre); }

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
  // A module quantity set through its window: the row stored and calculated, then the persons of the personnel
  // modules checked against the activity's employees.
  int AlConfirmarCasilla(const SCasillaGrupo& casilla) override;
  // The amounts taken off the net income: 0 refuses the value (100V194 answered Corregir), else 1.
  int ComprobarTecleado(const SCasillaGrupo& casilla) override;
  // Empties the modules of a row.
  int AccionPropia(renta::CFilasApartadoF& filas, int fila, int accion, int extra) override;
  // A row's code opens while the row above is open or it has one; its holder once it has a code; a module's
  // quantity once the row has a holder and the module a text; the entered amounts once it has a holder.
  bool CasillaLibre(const SFilaActividad& fila, int campo, int numero) override;
  // A row without a code shows its code box alone: what the calculation leaves in an empty row is not shown, nor
  // printed.
  void* LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) override;

 private:
  renta::CFilasORD005A* Actividades() const;
};

wxClassInfo* ClasePaginaORD005();

}  // namespace ordinaria
