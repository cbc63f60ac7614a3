// The rules of the activity selection window, with no display: two row-aligned lists of the offered activities
// (sector code and description), the epigraphs of the highlighted activity, its long description, the re-sorting
// of both lists by the column of the list that has just taken the focus, acceptance and consultation. The window
// (CDlgSeleccionarActividad) forwards its events here and shows what these say.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "activities/CargaModulos.h"
#include "activities/DatosMod.h"

namespace actividades {

// Control ids of the window, as the rules speak of them.
inline constexpr int kIdListaSector = 1002;
inline constexpr int kIdListaActividad = 1003;
inline constexpr int kIdListaEpigrafe = 1004;
inline constexpr int kIdConsultar = 1007;
inline constexpr int kIdAyuda = 1011;

// The message that says why the selection offers no activity: the module figures are not shipped.
inline constexpr std::string_view kMensajeSinActividades = "MODU001";

// Which consultation window a kind opens.
enum class EConsulta { Ninguna, Irpf, Iva, Actividad };

class CSeleccionarActividadReglas {
 public:
  // `carga` has its kind, table names and preset epigraph set; `idInicial` is the preset activity (0 none).
  CSeleccionarActividadReglas(CCargaModulos& carga, std::int32_t idInicial);

  // Loads the lists in sector order and selects the preset activity, else the one that best matches the preset
  // epigraph, else the first row; shows its description and epigraphs.
  void Iniciar();

  const std::vector<SEntradaActividad>& Actividades() const { return m_actividades; }
  int Fila() const { return m_nFila; }  // -1 none
  const std::vector<std::string>& Epigrafes() const { return m_epigrafes; }
  int FilaEpigrafe() const { return m_nEpigrafe; }
  // The long description of the highlighted activity; with no activity offered, the text of MODU001 (in the
  // interface language), which says why.
  const std::string& Descripcion() const { return m_descripcion; }
  // The code of the message the window shows instead of an activity (MODU001), empty while one is offered.
  std::string_view Aviso() const { return m_actividades.empty() ? kMensajeSinActividades : std::string_view{}; }

  // The focus has entered a list: the next selection made in it re-sorts both lists by its column.
  void EnfocarLista(int idLista);
  int ListaEnfocada() const { return m_nEnfocada; }
  // A row chosen in the Sector or the Activity list (the same row is selected in the other one).
  void ElegirFila(int idLista, int fila);
  void ElegirEpigrafe(int fila);

  // Acceptance: loads the highlighted activity with the selected epigraph into `datos` (left as it was when no
  // row is selected). The window then closes with OK.
  void Aceptar(CDatosMod& datos);
  // Consultation: loads as Aceptar and says which window shows it (none for kinds other than 1, 2 and 3).
  EConsulta Consultar(CDatosMod& datos);

  bool ConsultaHabilitada() const;
  // Kind 5 selects a sector key: its first label reads "Clave:" and it has no epigraph list.
  bool EsSeleccionDeClave() const { return m_carga.Clase() == 5; }
  int TemaAyuda() const;

 private:
  int FilaDeActividad(std::int32_t id) const;
  void MostrarActividad();

  CCargaModulos& m_carga;
  std::int32_t m_nIdInicial;
  std::vector<SEntradaActividad> m_actividades;
  int m_nFila = -1;
  std::vector<std::string> m_epigrafes;
  int m_nEpigrafe = -1;
  std::string m_descripcion;
  std::string m_epigrafePendiente;
  int m_nOrdenPendiente = 0;
  int m_nEnfocada = kIdListaSector;
};

// ---- the rows of the module lists of the consultation windows ----

// An amount as the module lists show it: empty for 0; two decimals with "," and thousands points, trailing zeros
// of the decimals dropped ("1.234,5", "1.234"). A value above 999.999.999.999 shows as 0 and is set to 0;
// `desbordado` then says so (the caller shows WIN032 once).
std::string TextoImporteModulo(double& valor, bool* desbordado = nullptr);
// The 15 columns of the amount: right-aligned in 15 when it has decimals, else in 12 followed by three blanks.
std::string AlinearImporteModulo(const std::string& texto);
// One row of 55 characters: number (2), blank, short description (25), blank, short unit (10), blank, amount (15).
std::string FilaModulo(int numero, const CModulo& modulo, bool* desbordado = nullptr);
// The rows of the modules of a kind (empty when the kind has none).
std::vector<std::string> FilasModulos(const CDatosMod& datos, int tipo, bool* desbordado = nullptr);

// Rewrites a whole-number text in place with a "." between groups of three digits (at most `grupos` points),
// keeping its length, the number right-aligned ("1500000   " → " 1.500.000"). false, with the text unchanged,
// when it is not a number (or has no room for the points).
bool PonerSeparadoresMiles(std::string& texto, int grupos);

}  // namespace actividades
