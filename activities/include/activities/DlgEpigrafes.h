// The heading search window ("EPIGRAFES", dialog 218): the heading of an economic activity chosen from the
// drop-down list of the headings of one group (artists and sportsmen, professionals, business) or by typing its
// number and pressing "&Buscar". A box whose window name is "IDD_EPIGRAFE*k" opens it (k: the box kind, 1 to 3)
// on the data its link designates (SEnlaceEpigrafe): the heading code and the group byte go back only on
// "&Aceptar". The headings are the rows of the heading table of the local database (EPIGRAFE and its language
// twins: key, description, section). The rules are CEpigrafesReglas; this window forwards and paints.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "activities/EpigrafesReglas.h"
#include "framework/EditSeleccion.h"
#include "framework/TemplateDlg.h"

namespace marco {
class CBaseDatos;
struct SContextoSeleccion;
}  // namespace marco

namespace actividades {

inline constexpr int kIdDialogoEpigrafes = 218;
inline constexpr std::string_view kVentanaEpigrafe = marco::kDialogoEpigrafes;
inline constexpr std::string_view kTablaEpigrafes = "EPIGRAFE.TAB";

// Control ids of the window.
inline constexpr int kIdArtistas = 1875;
inline constexpr int kIdProfesionales = 1876;
inline constexpr int kIdMercantil = 1877;
inline constexpr int kIdCodigoEpigrafe = 1002;
inline constexpr int kIdListaEpigrafes = 1887;
inline constexpr int kIdTextoBuscar = 3;
inline constexpr int kIdBuscarEpigrafe = 1384;
inline constexpr int kImagenBuscar = 145;
inline constexpr std::array<int, 3> kIdsGrupos{kIdArtistas, kIdProfesionales, kIdMercantil};

// What a box's link designates: the heading code and the group byte (the framework's link of a heading box).
using SEnlaceEpigrafe = marco::SEnlaceEpigrafe;

// One heading of the table.
struct SEpigrafe {
  std::string codigo;       // without its point ("6594"), trailing blanks removed
  std::string descripcion;  // trailing blanks removed
  std::string seccion;      // "1" business, "2" professionals, "3" artists and sportsmen
};

// The headings of the table, in table order.
class CTablaEpigrafes {
 public:
  CTablaEpigrafes() = default;
  explicit CTablaEpigrafes(std::vector<SEpigrafe> filas) : m_filas(std::move(filas)) {}
  // The twin of the language letter `idioma` in the database's folder; no rows when it is not there (no message).
  static CTablaEpigrafes Leer(marco::CBaseDatos* base, char idioma);

  // The headings of a section, in table order.
  std::vector<SEpigrafe> DeSeccion(std::string_view seccion) const;
  // The description of the heading of a key (the code followed by blanks) in a section; 47 blanks when there is
  // none.
  std::string Buscar(std::string_view seccion, std::string_view clave) const;
  bool Vacia() const { return m_filas.empty(); }

 private:
  std::vector<SEpigrafe> m_filas;
};

class CDlgEpigrafes : public marco::CTemplateDlg {
 public:
  // `tipo`: the box kind; `codigo`, `grupo`: what the box holds. The table must outlive the dialog.
  CDlgEpigrafes(wxWindow* padre, int tipo, std::string_view codigo, std::uint8_t grupo, const CTablaEpigrafes& tabla);

  const CEpigrafesReglas& Reglas() const { return m_reglas; }
  // The headings the list shows.
  const std::vector<SEpigrafe>& Filas() const { return m_filas; }
  // A character typed into the box that opened the window: a digit or a point starts the search text.
  void PonerPrimerCaracter(unsigned caracter) { m_nPrimerCaracter = caracter; }
  // What goes back to the box after "&Aceptar": the code with its point in the box's width, and the group.
  std::string CodigoDevuelto() const { return m_reglas.CodigoDevuelto(); }
  std::uint8_t GrupoDevuelto() const { return m_reglas.GrupoDevuelto(); }

  int OnInitDialog() override;
  void OnOK() override;
  int AlBorrarCampo(int id) override;
  int AlCambiarTexto(int id) override;
  int AlCambiarValor(int id) override;
  int AlComando(int id, int codigo) override;
  // The search text takes digits and points only.
  int ValidarCaracterCampo(int id, unsigned caracter) override;
  // The search button: the typed heading in the group's list, or message 100R200.
  void OnBuscar();

 private:
  void Rellenar();
  void Mostrar();
  void CambiarGrupo();
  void HabilitarGrupos();
  void Colocar();

  CEpigrafesReglas m_reglas;
  const CTablaEpigrafes& m_tabla;
  std::vector<SEpigrafe> m_filas;
  bool m_bIniciado = false;
  unsigned m_nPrimerCaracter = 0;
};

// Runs the window for a box (what the selection edit's registry calls): copies the code and the group the link
// designates in, and back only on "&Aceptar". 1 when accepted, 2 otherwise (also without a link or for a box
// kind other than 1, 2 or 3).
// `correr` runs the dialog and gives its result (tests run it on simulated controls); by default DoModal.
using FCorrerEpigrafes = std::function<int(CDlgEpigrafes&)>;
int AbrirDlgEpigrafes(const marco::SContextoSeleccion& contexto, const CTablaEpigrafes& tabla,
                      const FCorrerEpigrafes& correr = {});

// Registers the window under "IDD_EPIGRAFE" in the program's registry of selection dialogs; it reads the heading
// table of the interface language each time it opens.
void RegistrarDlgEpigrafes();

}  // namespace actividades
