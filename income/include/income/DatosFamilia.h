// The personal and family data wizard of an income-tax declaration (CDatosFam): a wizard sheet of two pages,
// "Datos Personales" (CDatosFam1: marital status, children, years of birth, degrees of disability and the
// autonomous communities of the members and of the joint declaration) and "Percepción de Rentas Exentas"
// (CDatosFam4: the 38 counts of the family unit). It works on a private copy of RegDatosFamilia that its caller
// fills before showing it and reads back after it finished; finishing runs the checks of DatosFamiliaReglas.h and,
// for a stored declaration whose years of birth changed, the adjustment of the pension-plan amounts. Cancelling a
// declaration that has just been created deletes its stored row.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/CatalogoTablas.h"
#include "framework/EditLista.h"
#include "framework/EditNumerico.h"
#include "framework/EditSiNo.h"
#include "framework/EditTexto.h"
#include "framework/TemplatePropPg.h"
#include "income/Asistente.h"
#include "income/DatosFamiliaReglas.h"
#include "ximardol.h"

class wxWindow;

namespace renta {

class CRentaDoc;
class CDatosFam;

// The caption the document gives the wizard (string resource 222).
inline constexpr int kRecursoTituloDatosFamilia = 222;
inline constexpr std::string_view kTituloDatosFamilia = "DATOS FAMILIARES AL 31/12/1999";
// The lookup table of the autonomous communities.
inline constexpr std::string_view kTablaComunidades = "COMAUTOE.TAB";

// ---- control ids of the page "Datos Personales" ----
inline constexpr int kIdEstadoCivil = 1001;  // 1001 to 1004: single, married, widowed/divorced, separated
inline constexpr int kIdConyugeFallecido = 1005;
inline constexpr int kIdHijosNo = 1006;
inline constexpr int kIdHijosSi = 1007;
inline constexpr int kIdAnioDeclarante = 1021;
inline constexpr int kIdAnioConyuge = 1022;
inline constexpr int kIdAnioHijo1 = 1023;
inline constexpr int kIdAnioHijo2 = 1024;
inline constexpr int kIdMinusvalia = 1030;        // + member (1 declarant to 4 second child)
inline constexpr int kIdCodigoComunidad = 1040;   // + member (0 joint declaration to 4 second child)
inline constexpr int kIdNombreComunidad = 1050;   // + member
// The question asked about a member who leaves the family unit with entries of their own.
inline constexpr std::string_view kMensajeMiembroQueSale = "FAM003";
// The children's years of birth as ControlDeDato knows them (they are no field of RegDatosFamilia).
inline constexpr std::size_t kDatoAnioHijo1 = 0x10000;
inline constexpr std::size_t kDatoAnioHijo2 = 0x10001;
// ---- control ids of the page "Percepción de Rentas Exentas": count i (0 to 37) is 1101 + i ----
inline constexpr int kIdContador = 1101;

// Page "Datos Personales" (dialog resource 130).
class CDatosFam1 : public marco::CTemplatePropPg {
 public:
  explicit CDatosFam1(CDatosFam& asistente);
  ~CDatosFam1() override;

  // Binds the edits to the working copy, applies the profile's preset and, for a stored declaration, keeps the
  // years of birth as they stand.
  int OnInitDialog() override;
  // The tick boxes: exactly one marital status and one answer on children.
  int AlCambiarValor(int id) override;
  int AlSalirDeCampo(int id) override;
  // Shows the working copy again and enables what applies to the family unit.
  void Refrescar();
  // Enabling only: the spouse's fields with a joint declaration, the joint community with a joint declaration or
  // children, the children's fields with children, the spouse-deceased box for a widowed or divorced declarant.
  void ActualizarHabilitados();

  // The box edits (tests type into them when no window is there).
  marco::CCasillaEdit& CasillaEstado(int estado) { return *m_casillasEstado[static_cast<std::size_t>(estado)]; }
  marco::CCasillaEdit& CasillaFallecido() { return m_fallecido; }
  marco::CCasillaEdit& CasillaHijos(bool si) { return si ? m_hijosSi : m_hijosNo; }
  marco::CANumEdit& AnioDeclarante() { return m_anioDeclarante; }
  marco::CANumEdit& AnioConyuge() { return m_anioConyuge; }
  marco::CANumEdit& AnioHijo(int hijo) { return hijo == 1 ? m_anioHijo1 : m_anioHijo2; }
  marco::CDoubleEdit& Minusvalia(int miembro) { return *m_minusvalia[static_cast<std::size_t>(miembro - 1)]; }
  marco::CListaEdit& NombreComunidad(int miembro) { return *m_nombres[static_cast<std::size_t>(miembro)]; }

 private:
  // Sets byte `desp` of the working copy to `valor` from one of a group of exclusive tick boxes.
  void ElegirEnGrupo(int id, int primerId, int cuantos, std::size_t desp);
  // Looks a community code up in the lookup table: its name, or nothing.
  std::optional<std::string> BuscarComunidad(std::string_view codigo) const;

  CDatosFam& m_asistente;
  std::array<std::uint8_t, 4> m_aEstado{};
  std::array<std::uint8_t, 2> m_aHijos{};
  std::array<std::unique_ptr<marco::CCasillaEdit>, 4> m_casillasEstado;
  marco::CCasillaEdit m_fallecido{1};
  marco::CCasillaEdit m_hijosNo{1};
  marco::CCasillaEdit m_hijosSi{1};
  marco::CANumEdit m_anioDeclarante{4};
  marco::CANumEdit m_anioConyuge{4};
  marco::CANumEdit m_anioHijo1{4};
  marco::CANumEdit m_anioHijo2{4};
  std::array<std::unique_ptr<marco::CDoubleEdit>, 4> m_minusvalia;
  std::array<std::unique_ptr<marco::CListaEdit>, 5> m_nombres;
  std::array<marco::SEnlaceTabla, 5> m_enlaces{};
};

// Page "Percepción de Rentas Exentas" (dialog resource 1588): the 38 counts of the family unit.
class CDatosFam4 : public marco::CTemplatePropPg {
 public:
  explicit CDatosFam4(CDatosFam& asistente);
  int OnInitDialog() override;

 private:
  CDatosFam& m_asistente;
};

class CDatosFam : public CAsistente {
 public:
  // The sheet with the pages "Datos Personales" and "Percepción de Rentas Exentas", in that order.
  CDatosFam(std::string_view titulo, wxWindow* padre);
  ~CDatosFam() override;

  // The working copy of RegDatosFamilia: filled by the caller before the wizard is shown, read after it finished.
  RegDatosFamilia& Registro() { return m_registro; }
  // The children's years of birth (the family block has no place for them: the identification block keeps them,
  // AniosHijos), filled and read by the caller as the working copy.
  AniosHijos& AniosDeHijos() { return m_aniosHijos; }
  // The members the data no longer include whose entries are to become the declarant's (the user chose so when
  // the wizard asked), read by the caller after the finish.
  const std::vector<int>& MiembrosQueSalen() const { return m_aMiembrosQueSalen; }
  // Before the data are taken: each member present now (spouse, children) whom the data no longer include and who
  // has entries of their own is asked about (FAM003): "Corregir" keeps the wizard open (false); "Continuar" hands
  // the entries to the declarant when the wizard finishes.
  bool PreguntarMiembrosQueSalen();
  // 1 when the wizard runs for a declaration that has just been created.
  void PonerNuevaDeclaracion(bool nueva) { m_bNuevaDeclaracion = nueva ? 1 : 0; }
  bool EsNuevaDeclaracion() const { return m_bNuevaDeclaracion != 0; }
  // 1 when the whole declaration is to be cleared on finish.
  void PonerEmpezarDeNuevo(bool empezar) { m_bEmpezarDeNuevo = empezar ? 1 : 0; }
  // The declaration the wizard belongs to (its stored row, its pension-plan amounts); the active income-tax
  // document when none is given.
  void PonerDocumento(CRentaDoc* documento) { m_pDocumento = documento; }
  CRentaDoc* Documento() const;

  // Aplicar: the checks (the wizard stays open when they refuse), then the pension-plan adjustment is written into
  // the declaration, the whole data area is cleared when starting again, and the sheet ends. Cancelar: the row of
  // a new declaration is deleted, then the sheet ends. Atrás: one page back. Any other: the sheet's own.
  int OnBoton(int boton) override;
  // Gathers the pages into the working copy and runs the checks; errors refuse at once, a warning answered with
  // "Corregir" refuses; then, for a stored declaration, the pension-plan adjustment of each person whose year of
  // birth changed is prepared (its warning answered "Corregir" refuses too). 1 the data may be taken, 0 not.
  int ComprobarDatos();
  // Clears the data that do not apply to the family unit (DatosFamiliaReglas.h); the pages call it when the
  // marital status or the children flag changes.
  void LimpiarNoAplicables();
  // Deletes the declaration's stored row; "No se puede borrar la declaración" when it cannot.
  void BorrarDeclaracion();

  // The page and the control that show a field of RegDatosFamilia (its offset): the years of birth (the
  // children's as kDatoAnioHijo1 and kDatoAnioHijo2), the communities' codes and the counts; page -1 for any other.
  static std::pair<int, int> ControlDeDato(std::size_t desp);
  // Points the user at the control of a field that a check found wanting.
  void SenalarDato(std::size_t desp);

  // The years of birth kept when the first page opened (stored declarations only).
  void TomarAniosIniciales();
  CDatosFam1& PaginaDatosPersonales() { return m_pagina1; }
  CDatosFam4& PaginaRentasExentas() { return m_pagina4; }

 protected:
  void AlMostrarPagina(int indice) override;

 private:
  // The pension-plan blocks as the adjustment left them, written into the declaration on finish.
  struct SAjustePlanes {
    RegRendTrabajo trabajo;
    RegApartadoJ apartadoJ;
  };

  CDatosFam1 m_pagina1;
  CDatosFam4 m_pagina4;
  RegDatosFamilia m_registro{};
  AniosHijos m_aniosHijos{};
  std::vector<int> m_aMiembrosQueSalen;
  std::int32_t m_bNuevaDeclaracion = 0;
  std::int32_t m_bEmpezarDeNuevo = 0;
  std::array<char, kAnchoAnio> m_anioDeclarante{};
  std::array<char, kAnchoAnio> m_anioConyuge{};
  bool m_bAniosTomados = false;
  CRentaDoc* m_pDocumento = nullptr;
  std::optional<SAjustePlanes> m_ajuste;
};

}  // namespace renta
