// Page 6 of the ordinary form D-100 (page id 206): the agricultural, livestock and forestry activities whose
// income is worked out by modules (RegApartadoD5, section D instance 5 of the calculation). Four activity rows, two
// shown, each with its holder, its sector key, the volumes of income of its thirteen product groups with their
// index and yield, its results and, apart from the rest, the figures of an activity carried on through an entity.
// One group (997) that scrolls with a pair of buttons; a third or fourth activity prints on a supplementary sheet.
//
// The volume boxes ('M') take whatever edit the box edit factory gives for that letter; the page binds them to the
// group's volume, whatever the edit.
#pragma once

#include <array>
#include <span>
#include <string_view>

#include "d100/GruposPagina.h"

class wxButton;
class wxClassInfo;
class wxWindow;

namespace ordinaria {

inline constexpr int kIdPaginaORD006 = 206;
inline constexpr int kCasillasORD006 = 141;
inline constexpr int kGrupoAgrarias = 997;
// NavegarGrupo's actions: store, delete a row whose key was emptied, reload, holder change.
inline constexpr int kAccionGuardar6 = 82;
inline constexpr int kAccionSuprimir6 = 83;
inline constexpr int kAccionRecargar6 = 85;
inline constexpr int kAccionTitular6 = 86;
inline constexpr std::string_view kMensajeMinoracion6 = "100V196";
inline constexpr int kComandoBotonesORD006 = 998;
// The information buttons of the two shown rows and the dialog they open (dialog 192 through the detail-dialog
// registry: the block is the 40-byte information part at +16, the first parameter the activity kind, the first
// character of the row's key).
inline constexpr int kComandoInfoActividad6 = 1002;
inline constexpr std::string_view kVentanaInfoActividad6 = "IDD_INFOACTIVIDADAGR";
inline constexpr std::size_t kInicioInfo6 = 16;
inline constexpr std::size_t kLargoInfo6 = 40;

class CControlesORD006 : public CControlesGrupos {
 public:
  std::span<const SGrupoPagina> Grupos() const override;
  int CasillaMarcaHojas() const override { return 3; }
  int CasillaTituloHoja() const override { return 139; }
  std::span<const int> CasillasTotales() const override;
  int FilasPorHoja() const override { return 2; }
  // The activities (an activity chosen) of the person shown: the family unit counts every one.
  int ContarHojas() override;

  int NavegarGrupo(int grupo, int fila, int accion, int extra) override;

  // ---- the box events (by box number) ----
  void CasillaCambiada(int numero) override;
  int CasillaConfirmada(int numero) override;
  // 0 refuses the value (100V196 answered Corregir), else 1.
  int ComprobarCasilla(int numero) override;
  // Opens the information dialog of shown row `fila` when the row has a key and a holder; on OK the copy goes back
  // to the row with the entity's tax id (+2024), the percentage (+2040) and, through an entity, the holder (+2033),
  // and the row is stored. The dialog's result, 0 when none was opened.
  int AbrirInfoActividad(int fila, wxWindow* padre = nullptr);

 protected:
  void EnlazarFijas() override;
  void SoloLecturaGrupo(int grupo) override;
  // A group's index text is shown only while the group has a volume: the calculation writes one for every group.
  void* LugarCasilla(int grupo, int fila, const SCasillaFila& casilla) override;

 private:
  std::unique_ptr<renta::CFilasApartadoF> CrearTabla(int indice, DatosRenta& datos) const override;
  renta::CFilasORD006A* Agrarias() const;
  void CalcularSeccion();
  void GuardarYCalcular(int fila);
};

class ORD006 : public CVistaGrupos {
 public:
  ORD006();
  int DameNumeroPagina() override { return kIdPaginaORD006; }
  std::string_view DameNombrePagina() const { return "ORD006"; }
  CControlesORD006* Controles() const;

 protected:
  int PrimerComando() const override { return kComandoBotonesORD006; }
  int CasillaBotones(int) const override { return 6; }
  // The information buttons of shown rows 0 and 1, beside each row's holder box: the dialog, then the declaration
  // calculated and both rows shown again.
  SBotonesFila BotonesFila() const override;
  int CasillaBotonFila(int fila) const override;
  void PulsarBotonFila(int fila) override;

 private:
  wxDECLARE_DYNAMIC_CLASS(ORD006);
};

wxClassInfo* ClasePaginaORD006();

}  // namespace ordinaria
