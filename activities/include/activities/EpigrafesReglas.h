// The rules of the heading search ("EPIGRAFES", dialog 218): choosing the heading of an activity among the headings
// of one group (artists and sportsmen, professionals, business), from the list or by typing its number. The box kind
// decides which groups may be chosen and where the search opens; the dialog works on codes without the point
// ("6594") and gives them back with it ("659.4"). The headings are looked up by section and key (the code followed
// by one blank); the answer is the heading's description, or a text starting with a blank when there is none.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace actividades {

inline constexpr int kGrupoArtistas = 0;
inline constexpr int kGrupoProfesionales = 1;
inline constexpr int kGrupoMercantil = 2;
inline constexpr std::size_t kLargoDescripcionEpigrafe = 47;
inline constexpr std::string_view kMensajeEpigrafeNoEncontrado = "100R200";

// The description of the heading of a key in a section ("1" business, "2" professionals, "3" artists).
using FBuscarEpigrafe = std::function<std::string(std::string_view seccion, std::string_view clave)>;

class CEpigrafesReglas {
 public:
  // `tipo`: the box kind (1, 2 or 3); `codigo`: the box's heading code (5 characters, or 3 for kind 2), NUL or
  // blank padded; `grupo`: the box's group byte.
  CEpigrafesReglas(int tipo, std::string_view codigo, std::uint8_t grupo, FBuscarEpigrafe buscar);

  // The opening: the group and section by kind, the code without its point and, for a code, its description.
  // False for a kind other than 1, 2 or 3 (no list and no group).
  bool Iniciar();
  bool GrupoHabilitado(int grupo) const;
  int Grupo() const { return m_nGrupo; }
  std::string_view Seccion() const;
  const std::string& Codigo() const { return m_codigo; }
  const std::string& Descripcion() const { return m_descripcion; }

  // Another group: the chosen heading goes; the same group keeps it.
  void CambiarGrupo(int grupo);
  // A heading taken from the list.
  void ElegirDeLista(std::string_view codigo, std::string_view descripcion);
  // The search text keeps only digits and points; the search button is enabled while it is not empty.
  static std::string FiltrarBusqueda(std::string_view texto);
  static bool BusquedaHabilitada(std::string_view texto) { return !texto.empty(); }
  // Looks the typed heading up in the group's section: the message to show (empty when found or when there is
  // nothing to look for). Found: it becomes the chosen heading.
  std::string Buscar(std::string_view texto);
  // OK: the code with its point, in the box's width, and the group byte.
  std::string CodigoDevuelto() const;
  std::uint8_t GrupoDevuelto() const { return static_cast<std::uint8_t>(m_nGrupo); }

  static std::string QuitarPunto(std::string_view codigo);
  static std::string PonerPunto(std::string_view codigo);

 private:
  int m_nTipo;
  std::string m_codigo;
  std::uint8_t m_nGrupoRecibido;
  int m_nGrupo = 1;
  bool m_bIniciado = false;
  std::string m_descripcion;
  FBuscarEpigrafe m_buscar;
};

}  // namespace actividades
