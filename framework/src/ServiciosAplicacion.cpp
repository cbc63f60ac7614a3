#include "framework/ServiciosAplicacion.h"

#include "framework/BaseDatos.h"

namespace marco {

namespace {
std::string& Idioma() {
  static std::string idioma = "e";
  return idioma;
}
}  // namespace

const std::string& IdiomaV() { return Idioma(); }

void PonerIdiomaV(std::string_view idioma) { Idioma() = idioma.empty() ? std::string("e") : std::string(idioma); }

char LetraIdiomaV() { return Idioma().front(); }

int AbrirBasesDatos(std::string_view dirBDRed, std::string_view dirBDLocal) {
  const int red = BaseDatosRedPrograma().Abrir(dirBDRed, true, 3, "DBF");
  const int local = BaseDatosLocalPrograma().Abrir(dirBDLocal, false, 1, "DBF");
  const bool abiertas = red != 0 && local != 0;
  PublicarBasesDatos(abiertas);
  return abiertas ? 1 : 0;
}

void CerrarBasesDatos() { PublicarBasesDatos(false); }

}  // namespace marco
