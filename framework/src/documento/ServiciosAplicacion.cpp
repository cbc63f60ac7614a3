#include "framework/ServiciosAplicacion.h"

#include "framework/BaseDatos.h"

namespace marco {

namespace {
// The two process-wide language letters the main window fills from the profile.
std::string& Idioma() {
  static std::string idioma = "e";
  return idioma;
}
std::string& IdiomaImpresion() {
  static std::string idioma = "e";
  return idioma;
}
std::string LetraOPorDefecto(std::string_view idioma) { return idioma.empty() ? std::string("e") : std::string(idioma); }
}  // namespace

const std::string& IdiomaV() { return Idioma(); }

void PonerIdiomaV(std::string_view idioma) { Idioma() = LetraOPorDefecto(idioma); }

char LetraIdiomaV() { return Idioma().front(); }

const std::string& IdiomaI() { return IdiomaImpresion(); }

void PonerIdiomaI(std::string_view idioma) { IdiomaImpresion() = LetraOPorDefecto(idioma); }

char LetraIdiomaI() { return IdiomaImpresion().front(); }

int AbrirBasesDatos(std::string_view dirBDRed, std::string_view dirBDLocal) {
  const int red = BaseDatosRedPrograma().Abrir(dirBDRed, true, 3, "DBF");
  const int local = BaseDatosLocalPrograma().Abrir(dirBDLocal, false, 1, "DBF");
  const bool abiertas = red != 0 && local != 0;
  PublicarBasesDatos(abiertas);
  return abiertas ? 1 : 0;
}

void CerrarBasesDatos() { PublicarBasesDatos(false); }

}  // namespace marco
