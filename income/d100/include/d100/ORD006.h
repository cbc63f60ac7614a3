// Page 6 of the ordinary form D-100 (page id 206): the agricultural, livestock and forestry activities whose
// income is worked out by modules (RegApartadoD5, section D instance 5 of the calculation). Four activity rows, two
// shown, each with its holder, its sector key, the volumes of income of its thirteen product groups with their
// index and yield, its results and, apart from the rest, the figures of an activity carried on through an entity.
// One group (997) that scrolls with a pair of buttons; a third or fourth activity prints on a supplementary sheet.
//
// The volume boxes ('M') take whatever edit the box edit factory gives for that letter; the page binds them to the
// group's volume, whatever the edit.
#pragma once

#include <span>
#include <string_view>

#include "d100/GruposActividades.h"

class wxClassInfo;

namespace ordinaria {

inline constexpr int kIdPaginaORD006 = 206;
inline constexpr int kCasillasORD006 = 141;
// The group of the agricultural activities.
inline constexpr int kGrupoAgrarias = kGrupoActividades;
// The dialog of the information buttons of the two shown rows (dialog 192 through the detail-dialog registry: the
// block is the 40-byte information part at +16, the first parameter the activity kind, the first character of the
// row's key).
inline constexpr std::string_view kVentanaInfoActividad6 = "IDD_INFOACTIVIDADAGR";
inline constexpr std::size_t kInicioInfo6 = 16;
inline constexpr std::size_t kLargoInfo6 = 40;
// NavegarGrupo's actions (the row table's orders): store, delete a row whose key was emptied, reload, holder
// change.
enum EAccionesORD006 : int {
  kAccionGuardar6 = renta::kOrdenGuardar6,
  kAccionSuprimir6 = renta::kOrdenSuprimir6,
  kAccionRecargar6 = renta::kOrdenRecargar6,
  kAccionTitular6 = 86
};
inline constexpr std::string_view kMensajeMinoracion6 = "100V196";

class CControlesORD006 : public CControlesActividades {
 public:
  CControlesORD006();
  int AbrirInfo(int fila, wxWindow* padre) override { return AbrirInfoActividad(fila, padre); }
  // Opens the information dialog of shown row `fila` when the row has a key and a holder; on OK the copy goes back
  // to the row with the entity's tax id (+2024), the percentage (+2040) and, through an entity, the holder (+2033),
  // and the row is stored. The dialog's result, 0 when none was opened.
  int AbrirInfoActividad(int fila, wxWindow* padre = nullptr);

 protected:
  // The amounts taken off the net income: 0 refuses the value (100V196 answered Corregir), else 1.
  int ComprobarTecleado(const SCasillaGrupo& casilla) override;
  // A row's key opens while the row above is open, its holder once it has a key too; a product group's volume
  // when the row's sector has that group; the entered amounts once it has a holder. The deductions box opens its
  // split by use only in the sectors that have one.
  bool CasillaLibre(const SFilaActividad& fila, int campo, int numero) override;
  // A group's index text is shown only while the group has a volume: the calculation writes one for every group.
  void* LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) override;
};

wxClassInfo* ClasePaginaORD006();

}  // namespace ordinaria
