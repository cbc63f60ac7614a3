// The reading of the activity catalogue and of the module tables of the local database: the activity lists of
// the selection window, an activity's long description and epigraphs, and the whole of one activity (CDatosMod).
// Every operation opens the tables it needs, reads them and closes them again: nothing is kept between calls.
//
// The nine tables, in slot order: IAEMOD (activities, one twin per language), EPIMOD (long descriptions, twins),
// LISTAMOD (epigraphs), MAXMOD (income-tax limits), PORMOD (VAT percentage), IVAMOD (VAT modules), IRPFMOD
// (income-tax modules), MOD (module texts, twins), CUOTAMIN (VAT minimum quota). Keys are the activity or
// module number written with four digits ("0085").
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "activities/DatosMod.h"

namespace marco {
class CBaseDatos;
}

namespace actividades {

inline constexpr std::size_t kNumeroTablasModulos = 9;
using CNombresTablas = std::array<std::string, kNumeroTablasModulos>;

enum ETablaModulos : std::size_t {
  kTablaIae = 0,
  kTablaEpi,
  kTablaLista,
  kTablaMax,
  kTablaPor,
  kTablaIva,
  kTablaIrpf,
  kTablaMod,
  kTablaCuota,
};

// The plain names ("IAEMOD", ..., "CUOTAMIN").
CNombresTablas TablasPorDefecto();
// The names the selection edits pass for an interface language letter: the twins of IAEMOD, EPIMOD and MOD take
// C, G or V for 'c', 'g' or 'v' (either case) and E for anything else.
CNombresTablas TablasIdioma(char letra);
// The same with the reference sets of the second load ("IRPFM7" and "MAXMOD7").
CNombresTablas TablasReferencia(char letra);

// The six offer flags of an IAEMOD row.
struct SBanderasIae {
  bool mod_agr = false;
  bool irpf = false;
  bool mod_iva = false;
  bool iva = false;
  bool iva_agr = false;
  bool irpf_agr = false;
};

// One offered activity: the Sector and Activity lists show its two texts side by side.
struct SEntradaActividad {
  std::string sector;
  std::string descripcion;
  std::int32_t id = 0;
};

// The epigraphs of an activity and the entry to select (-1 none).
struct SEpigrafes {
  std::vector<std::string> codigos;
  int seleccion = -1;
};

class CCargaModulos {
 public:
  explicit CCargaModulos(marco::CBaseDatos* baseDatos = nullptr);

  void PonerBaseDatos(marco::CBaseDatos* baseDatos) { m_pBaseDatos = baseDatos; }
  void PonerTablas(const CNombresTablas& nombres) { m_tablas = nombres; }
  const CNombresTablas& DameTablas() const { return m_tablas; }

  // The two-byte selection kind (low byte 1 for both openers); gives the previous one. Its high byte (Clase)
  // decides which activities are offered and which module sets are loaded:
  // 0 all, no sets; 1 "iva", VAT; 2 "irpf" or "mod_iva", both; 3 "irpf", income tax; 4 "iva_agr", VAT;
  // 5 "irpf_agr", income tax; 6 "mod_agr", VAT; above 6 nothing.
  std::uint16_t PonerTipoSeleccion(std::uint16_t tipo);
  std::uint16_t DameTipoSeleccion() const { return m_nTipo; }
  int Clase() const { return m_nTipo >> 8; }
  bool CumpleTipoSeleccion(const SBanderasIae& banderas) const;
  bool CargaIrpf() const;
  bool CargaIva() const;

  // The preset epigraph ("659.4", at most five characters kept; empty none).
  void PonerEpigrafeInicial(std::string_view epigrafe);
  const std::string& EpigrafeInicial() const { return m_epigrafeInicial; }

  // The offered activities in the order of an IAEMOD tag ("cod_sector" or "descripcio").
  std::vector<SEntradaActividad> CargarActividades(std::string_view orden);
  // The same in "cod_sector" order; `elegida` := the activity whose sector code best matches the preset epigraph
  // (characters 1, 2, 3 and 5), 0 when none matches even the first character.
  std::vector<SEntradaActividad> CargarActividadesPorCodigo(std::int32_t& elegida);
  // Whether an offered activity lists the epigraph (its five characters, trailing blanks aside) in LISTAMOD:
  // what a heading typed by hand into an activity row must be before the selection opens on it.
  bool OfreceEpigrafe(std::string_view epigrafe);
  // The long description; none when the activity has no row or its text is empty (the window keeps what it had).
  std::optional<std::string> DescripcionLarga(std::int32_t idIae);
  // The epigraphs of an activity; none when it has no row in LISTAMOD (the window keeps its list). `pendiente`
  // (the epigraph to select in preference, as the window keeps it) is emptied once used.
  std::optional<SEpigrafes> CargarEpigrafes(std::int32_t idIae, std::string& pendiente);
  // Empties `datos`, then fills the entry (when the kind offers the activity) and the module sets of the kind.
  void CargarDatosModulos(std::int32_t idIae, std::string_view epigrafe, CDatosMod& datos);

  // The four-digit key of a number.
  static std::string Clave(std::int32_t numero);

 private:
  void CargarConjunto(std::size_t tablaModulos, std::int32_t idIae, std::unique_ptr<CListaModulosDatos>& destino,
                      bool& creado);

  marco::CBaseDatos* m_pBaseDatos = nullptr;
  CNombresTablas m_tablas;
  std::uint16_t m_nTipo = 0;
  std::string m_epigrafeInicial;
};

// Whether two epigraph codes agree in characters 1, 2, 3 and 5 (the point is not compared); how many of those
// agree in a row from the first (0 to 4).
int CaracteresComunesEpigrafe(std::string_view codigo, std::string_view epigrafe);

}  // namespace actividades
