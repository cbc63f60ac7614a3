// A second user of one store of declarations, for the tests of the store under several processes.
//   guardar <red> <local> <prefix> <n> <saves>  adds the declarations "<prefix>-0" .. "<prefix>-<n-1>" (those
//       already stored are kept), then saves them in turn, <saves> times (0: until it is killed), as the program
//       saves a declaration: loaded (its row locked), key, type, language and data area written, a finding
//       stored. Writes "GUARDADA <i> <save>" after each save that succeeded, "FALLO ..." with the messages shown
//       otherwise, and "FIN" at the end.
//   alta <red> <local> <name>  writes "LISTO", waits for a line on stdin, adds the declaration and writes what the
//       store answered ("Hecho", "Existe", ...).
// Messages are answered "Cancelar" by a script: no question ever waits for a person.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "framework/Prog32Doc.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "framework/Validador.h"
#include "shell/AlmacenDeclaraciones.h"
#include "AlmacenContenido.h"

namespace {

using pruebasalmacen::ContenidoGuardado;

// A declaration document that writes a data area of its own with the row.
class CDocumentoPrueba : public marco::CProg32Doc {
 public:
  int GrabarCamposDeclaracion(marco::CTabla& tabla) override {
    const char idioma[2] = {m_cIdioma, '\0'};
    return tabla.GrabarCampo("idioma", idioma, marco::kCampoTexto, sizeof idioma) != 0 &&
                   tabla.GrabarCampo("datos", m_datos.data(), marco::kCampoBinario,
                                     static_cast<std::uint16_t>(m_datos.size())) != 0
               ? 1
               : 0;
  }
  char m_cIdioma = 'e';
  std::vector<char> m_datos;
};

void Linea(const std::string& texto) {
  std::fputs((texto + "\n").c_str(), stdout);
  std::fflush(stdout);
}

std::string Mensajes(const marco::CGuionMensajes& guion, std::size_t desde) {
  std::string r;
  const auto codigos = guion.Codigos();
  for (std::size_t i = desde; i < codigos.size(); ++i) r += " " + (codigos[i].empty() ? "(texto)" : codigos[i]);
  return r;
}

const char* NombreResultado(shell::EResultadoAlmacen r) {
  switch (r) {
    case shell::EResultadoAlmacen::Hecho: return "Hecho";
    case shell::EResultadoAlmacen::NoAbre: return "NoAbre";
    case shell::EResultadoAlmacen::Existe: return "Existe";
    case shell::EResultadoAlmacen::NoExiste: return "NoExiste";
    case shell::EResultadoAlmacen::Bloqueo: return "Bloqueo";
    case shell::EResultadoAlmacen::Ocupado: return "Ocupado";
    case shell::EResultadoAlmacen::SinBloqueos: return "SinBloqueos";
    case shell::EResultadoAlmacen::Lleno: return "Lleno";
    case shell::EResultadoAlmacen::Danado: return "Danado";
    default: return "Fallo";
  }
}

int Guardar(const std::string& prefijo, int cuantas, long guardados) {
  marco::CGuionMensajes guion({}, marco::kBotonCancelar);
  shell::CAlmacenDeclaraciones almacen(marco::DameBaseDatosRed());
  std::vector<std::string> nombres;
  for (int i = 0; i < cuantas; ++i) {
    nombres.push_back(shell::NombreAlmacen(prefijo + "-" + std::to_string(i)));
    const auto r = almacen.Anadir(nombres.back(), 2);
    if (r != shell::EResultadoAlmacen::Hecho && r != shell::EResultadoAlmacen::Existe) {
      Linea(std::string("FALLO alta ") + NombreResultado(r) + Mensajes(guion, 0));
      return 1;
    }
  }
  for (long s = 1; guardados == 0 || s <= guardados; ++s) {
    const std::size_t vistos = guion.Codigos().size();
    const int i = static_cast<int>(s % cuantas);
    const ContenidoGuardado c = ContenidoGuardado::De(nombres[static_cast<std::size_t>(i)], s);
    bool bien = false;
    {
      CDocumentoPrueba doc;
      doc.PonerClave(c.clave);
      if (doc.CargarDeclaracion() == 1) {
        doc.PonerTipoDec(static_cast<std::uint8_t>(c.tipodec));
        doc.m_cIdioma = c.idioma;
        doc.m_datos = c.datos;
        doc.Modify(true);
        bien = doc.Guardar() == 1;
      }
    }
    marco::CValidador validador(c.clave);
    validador.PonerBaseDatos(marco::DameBaseDatosRed());
    const int pagina = static_cast<int>(s % 10000);
    bien = bien && validador.AnadirHallazgo("PRU001", pagina, pagina, i) == 1;
    if (!bien) {
      Linea("FALLO guardar " + std::to_string(i) + " " + std::to_string(s) + Mensajes(guion, vistos));
      return 1;
    }
    Linea("GUARDADA " + std::to_string(i) + " " + std::to_string(s));
  }
  Linea("FIN");
  return 0;
}

int Alta(const std::string& nombre) {
  marco::CGuionMensajes guion({}, marco::kBotonCancelar);
  shell::CAlmacenDeclaraciones almacen(marco::DameBaseDatosRed());
  Linea("LISTO");
  char buf[64];
  if (std::fgets(buf, sizeof buf, stdin) == nullptr) return 1;
  Linea(NombreResultado(almacen.Anadir(nombre, 2)) + Mensajes(guion, 0));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && marco::AbrirBasesDatos(argv[2], argv[3]) == 1) {
    if (argc >= 7 && std::strcmp(argv[1], "guardar") == 0) {
      return Guardar(argv[4], std::atoi(argv[5]), std::atol(argv[6]));
    }
    if (argc >= 5 && std::strcmp(argv[1], "alta") == 0) return Alta(argv[4]);
  }
  std::fputs("uso: almacen_ayudante guardar|alta <red> <local> ...\n", stderr);
  return 2;
}
