// The activity information dialogs ("INFORMACION RELATIVA A LA ACTIVIDAD"): what an activity under the module
// regime needs besides its units (participation in an entity and its tax id, seasonal days, start year, staff,
// premises, vehicles, load, municipality, employees), in four variants chosen by the activity (187 to 190), the
// notice on new activities (1583), and the information of an agricultural activity (192). The pages ORD005 and
// ORD006 open them with their information buttons through the detail-dialog registry (window names below) and
// take the copy back only when the dialog answers OK. The rules are activities/InfoActividadReglas.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "activities/InfoActividadReglas.h"
#include "framework/EditSiNo.h"
#include "framework/TemplateDlg.h"

namespace dialogos {

// Window names in the detail-dialog registry. The request's block is the information part of the row (88 or 40
// bytes); its first parameter the activity's epigraph id (ORD005) or the activity kind character (ORD006).
inline constexpr std::string_view kVentanaInfoActividad = "IDD_INFOACTIVIDAD";
inline constexpr std::string_view kVentanaInfoActividadAgraria = "IDD_INFOACTIVIDADAGR";

inline constexpr int kIdPistaInfo = 1268;
inline constexpr int kIdEmpleados = 1558;
inline constexpr int kIdIncremento = 1563;
inline constexpr int kIdIncremento075 = 1564;
inline constexpr int kContextoAyudaInfo = 622;
inline constexpr int kContextoAyudaInfoAgraria = 905;
inline constexpr std::string_view kPistaDatoNecesario = "(*) Dato necesario para el c\xE1lculo.";

// The notice on the corrector index of new activities: 1 "&Aceptar", 2 "&Corregir".
class CDlgNuevasActividades : public marco::CTemplateDlg {
 public:
  explicit CDlgNuevasActividades(wxWindow* padre);
  int OnInitDialog() override;
  void OnOK() override;
};

// What the information dialog does when the notice on new activities is due: the notice's answer (1 or 2). The
// window runs CDlgNuevasActividades; tests put a function of their own.
using FAvisoNuevasActividades = std::function<int(wxWindow* padre)>;

// The four variants of page ORD005 (187 to 190) share this class; CDlgInfoActividadA ... D fix the variant.
class CDlgInfoActividadModulos : public marco::CTemplateDlg {
 public:
  CDlgInfoActividadModulos(wxWindow* padre, actividades::EVarianteInfo variante);

  actividades::EVarianteInfo Variante() const { return m_variante; }
  // The working copy: the opener fills it before the run and reads it after an OK.
  actividades::SDatosInfoActividad m_datos;
  void PonerAvisoNuevasActividades(FAvisoNuevasActividades aviso) { m_aviso = std::move(aviso); }
  // The boxes the variant shows, in order.
  const std::vector<int>& Cajas() const { return m_cajas; }
  bool Estrellada(int id) const;

  int OnInitDialog() override;
  void OnOK() override;
  int AlSalirDeCampo(int id) override;
  int AlEntrarEnCampo(int id) override;
  int AlCambiarTexto(int id) override;
  int AlCambiarValor(int) override { return 1; }
  int AlComando(int id, int codigo) override;
  int ValidarCaracterCampo(int id, unsigned caracter) override;
  // The first missing datum: shows its message, moves the focus and gives false.
  bool ComprobarDatos();

 private:
  bool Tiene(int id) const;
  int Mensaje(const actividades::SAvisoInfo& aviso);
  void ActualizarCarga();
  void ActualizarNif();

  actividades::EVarianteInfo m_variante;
  std::vector<int> m_cajas;
  actividades::CInfoActividadReglas m_reglas;
  FAvisoNuevasActividades m_aviso;
  std::string m_textoAlEntrar;
  int m_nCajaEntrada = 0;
  bool m_bMensaje = false;
};

class CDlgInfoActividadA : public CDlgInfoActividadModulos {
 public:
  explicit CDlgInfoActividadA(wxWindow* padre) : CDlgInfoActividadModulos(padre, actividades::EVarianteInfo::A) {}
};
class CDlgInfoActividadB : public CDlgInfoActividadModulos {
 public:
  explicit CDlgInfoActividadB(wxWindow* padre) : CDlgInfoActividadModulos(padre, actividades::EVarianteInfo::B) {}
};
class CDlgInfoActividadC : public CDlgInfoActividadModulos {
 public:
  explicit CDlgInfoActividadC(wxWindow* padre) : CDlgInfoActividadModulos(padre, actividades::EVarianteInfo::C) {}
};
class CDlgInfoActividadD : public CDlgInfoActividadModulos {
 public:
  explicit CDlgInfoActividadD(wxWindow* padre) : CDlgInfoActividadModulos(padre, actividades::EVarianteInfo::D) {}
};

// Dialog 192: the information of an agricultural, livestock or forestry activity (page ORD006).
class CDlgInfoActividad : public marco::CTemplateDlg {
 public:
  // `tipo`: the activity kind, the first character of the row's key ('1' to '7').
  CDlgInfoActividad(wxWindow* padre, char tipo);

  actividades::SDatosInfoActividadAgraria m_datos;

  int OnInitDialog() override;
  void OnOK() override;
  int AlSalirDeCampo(int id) override;
  int AlCambiarTexto(int) override { return 1; }
  int AlCambiarValor(int) override { return 1; }
  int AlComando(int id, int codigo) override;
  int ValidarCaracterCampo(int id, unsigned caracter) override;
  void ActualizarControles();
  bool ComprobarDatos();

 private:
  char m_cTipo;
  actividades::CInfoAgrariaReglas m_reglas;
};

// Dialog 1601: whether the holder carries on professional, artistic or sporting activities through the entity of
// a row of page ORD007 (one tick box). The page hands over the row's mark byte for the row's option and takes the
// answer back only on OK.
inline constexpr std::string_view kVentanaActividadSociedad = "IDD_ACTIVIDADSOCIEDAD";
inline constexpr int kIdDialogoActividadSociedad = 1601;
inline constexpr int kIdCasillaSociedad = 1299;
inline constexpr int kIdTextoSociedad = 1338;

class CDlgActividadSociedad : public marco::CTemplateDlg {
 public:
  explicit CDlgActividadSociedad(wxWindow* padre);

  // The answer: 1 ticked ("X"), 0 blank. The opener sets it before the run and reads it after an OK.
  std::uint8_t m_marca = 0;
  marco::CCasillaEdit& Casilla() { return m_casilla; }

  int OnInitDialog() override;

 private:
  marco::CCasillaEdit m_casilla{1};
};

// A row's mark byte counts as ticked when it holds 1, "x" or "X".
bool MarcaSociedad(std::uint8_t byte);

// Registers the information dialogs under their window names.
void RegistrarDlgInfoActividad();

}  // namespace dialogos
