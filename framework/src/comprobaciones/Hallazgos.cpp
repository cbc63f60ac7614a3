#include "framework/Hallazgos.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "framework/BaseDatos.h"
#include "framework/DlgMensaje.h"
#include "framework/Tabla.h"
#include "framework/Validador.h"
#include "platform/Expresion.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace marco {

namespace {

constexpr std::size_t kAnchoClave = 50;
constexpr std::size_t kAnchoCodigo = 7;

// A text without what follows a NUL and without trailing blanks.
std::string Limpio(std::string_view texto, std::size_t ancho) {
  if (texto.empty()) return {};
  return std::string(plataforma::RecortaDerecha(plataforma::LeeFija(texto.data(), std::min(texto.size(), ancho))));
}

std::string Rellenar(std::string_view texto, std::size_t ancho) {
  std::string r(texto.substr(0, std::min(texto.size(), ancho)));
  r.resize(ancho, ' ');
  return r;
}

std::size_t Ancho(CTabla& tabla, std::string_view campo, std::size_t porDefecto) {
  const int ancho = tabla.LongitudCampo(campo);
  return ancho > 0 ? static_cast<std::size_t>(ancho) : porDefecto;
}

// The declaration's rows: clave equal to the key, trailing blanks aside. Built from the field and the value, so
// that no key (O'NEILL, "A'B\"C") can change what the condition means.
plataforma::CCondicion CondicionDeclaracion(std::string_view clave) {
  return plataforma::CCondicion::Campo("clave", plataforma::EComparacion::Exacto, clave);
}

int LeerEntero(CTabla& tabla, std::string_view campo) {
  std::int32_t v = 0;
  tabla.LeerCampo(campo, &v, kCampoEntero, sizeof v);
  return v;
}

int GrabarEntero(CTabla& tabla, std::string_view campo, int valor) {
  const std::int32_t v = valor;
  return tabla.GrabarCampo(campo, &v, kCampoEntero, sizeof v);
}

int GrabarTexto(CTabla& tabla, std::string_view campo, const std::string& valor) {
  return tabla.GrabarCampo(campo, valor.c_str(), kCampoTexto, static_cast<std::uint16_t>(valor.size() + 1));
}

std::string LeerTexto(CTabla& tabla, std::string_view campo) {
  std::string buffer(static_cast<std::size_t>(std::max(tabla.LongitudCampo(campo), 0)) + 1, '\0');
  if (tabla.LeerCampo(campo, buffer.data(), kCampoTexto, static_cast<std::uint16_t>(buffer.size())) == 0) return {};
  return std::string(plataforma::RecortaDerecha(buffer.c_str()));
}

SHallazgo LeerFila(CTabla& tabla) {
  SHallazgo h;
  h.codigo = LeerTexto(tabla, "coderror");
  h.vista = LeerEntero(tabla, "vista");
  h.numcontr = LeerEntero(tabla, "numcontr");
  h.severidad = LeerEntero(tabla, "severidad");
  return h;
}

}  // namespace

std::string ClaveHallazgo(CTabla& tabla, std::string_view clave, std::string_view codigo) {
  return Rellenar(Limpio(clave, kAnchoClave), Ancho(tabla, "clave", kAnchoClave)) +
         Rellenar(Limpio(codigo, kAnchoCodigo), Ancho(tabla, "coderror", kAnchoCodigo));
}

std::vector<SHallazgo> LeerHallazgos(CBaseDatos* baseDatos, std::string_view clave) {
  std::vector<SHallazgo> hallazgos;
  if (baseDatos == nullptr) return hallazgos;
  CTabla tabla(baseDatos);
  if (tabla.Abrir(0, kOrdenHallazgos, kTablaHallazgos) == 0) return hallazgos;
  plataforma::CTablaRegistros* t = tabla.Registros();
  const auto condicion = CondicionDeclaracion(Limpio(clave, kAnchoClave));
  if (!t->PonerFiltro(condicion)) return hallazgos;
  for (t->Primero(); !t->FinDeFichero(); t->Saltar(1)) {
    if (t->Cumple(condicion)) hallazgos.push_back(LeerFila(tabla));
  }
  t->QuitarFiltro();
  return hallazgos;
}

int BuscarHallazgo(CBaseDatos* baseDatos, std::string_view clave, std::string_view codigo, SHallazgo& hallazgo) {
  if (baseDatos == nullptr) return 0;
  CTabla tabla(baseDatos);
  if (tabla.Abrir(0, kOrdenHallazgos, kTablaHallazgos) == 0) return 0;
  if (tabla.Buscar(ClaveHallazgo(tabla, clave, codigo), false, kOrdenHallazgos, false) == 0) return 0;
  hallazgo = LeerFila(tabla);
  return 1;
}

int CValidador::AnadirHallazgo(std::string_view codigo, int vista, int numcontr, int severidad) {
  const std::string cod = Limpio(codigo, kAnchoCodigo);
  if (cod.empty()) return 0;
  // Within one run the more severe finding stays: an error keeps blocking printing and filing.
  const auto ronda = m_severidadesRonda.find(cod);
  if (ronda != m_severidadesRonda.end() && ronda->second > 0 && severidad <= 0) return 1;

  CBaseDatos* baseDatos = BaseDatos();
  if (baseDatos == nullptr) return 0;
  CTabla tabla(baseDatos);
  if (tabla.Abrir(0, kOrdenHallazgos, kTablaHallazgos) == 0) return 0;
  plataforma::CTablaRegistros* t = tabla.Registros();
  const std::string llave = ClaveHallazgo(tabla, m_clave, cod);

  // The row that takes the finding, locked before anything is written: its own row (rewritten in place, only
  // while this program holds it), a row of this key deleted by an earlier erase (used again before the file
  // grows), or else a new one.
  long fila = 0;
  bool borrada = false;
  if (tabla.Buscar(llave, false, kOrdenHallazgos, false) != 0) {
    if (tabla.BloquearRegistro() == 0) return 0;
    fila = t->NumeroRegistro();
  } else {
    const bool ocultos = t->BorradosOcultos();
    t->OcultarBorrados(false);
    if (tabla.Buscar(llave, false, kOrdenHallazgos, false) != 0) {
      if (tabla.BloquearRegistro() == 0) {
        t->OcultarBorrados(ocultos);
        return 0;
      }
      fila = t->NumeroRegistro();
      borrada = true;
    }
    t->OcultarBorrados(ocultos);
  }

  // The whole row in one transaction: a crash never leaves a blank key, or a key without its values.
  int anadido = plataforma::kAnadido;
  long escrita = fila;
  const int hecho = tabla.GrabarEnUnaVez([&] {
    if (fila != 0) {
      if (!t->IrA(fila)) return false;
      if (borrada && (t->EstadoRegistro(fila) & plataforma::kEstadoBorrado) != 0 && !t->Recuperar()) return false;
    } else {
      // An appended row is current and locked by this object.
      anadido = t->Anadir();
      if (anadido != plataforma::kAnadido) return false;
      escrita = t->NumeroRegistro();
    }
    int bien = 1;
    if (fila == 0 || borrada) {
      bien &= GrabarTexto(tabla, "clave", m_clave);
      bien &= GrabarTexto(tabla, "coderror", cod);
    }
    bien &= GrabarEntero(tabla, "tipdecla", kTipoDeclaracionHallazgo);
    bien &= GrabarEntero(tabla, "vista", vista);
    bien &= GrabarEntero(tabla, "severidad", severidad);
    bien &= GrabarEntero(tabla, "numcontr", numcontr);
    return bien != 0;
  });
  if (escrita != 0) t->DesbloquearRegistro(escrita);
  if (hecho == 0 && !tabla.FalloAvisado() && anadido != plataforma::kAnadido) {
    // The append was refused: the finding is lost, and the user is told why.
    CDlgMensaje(nullptr, DameBaseDatosLocal())
        .MostrarMensaje(anadido == plataforma::kAnadirImposible ? "WIN050" : "WIN051", IconoExclamacion);
  }
  if (hecho != 0) {
    int& mayor = m_severidadesRonda.try_emplace(cod, severidad).first->second;
    mayor = std::max(mayor, severidad);
  }
  return hecho;
}

int CValidador::BorrarHallazgos() {
  m_severidadesRonda.clear();
  CBaseDatos* baseDatos = BaseDatos();
  if (baseDatos == nullptr) return 0;
  CTabla tabla(baseDatos);
  if (tabla.Abrir(0, kOrdenHallazgos, kTablaHallazgos) == 0) return 0;
  plataforma::CTablaRegistros* t = tabla.Registros();
  const auto condicion = CondicionDeclaracion(m_clave);
  // Without its filter the loop below would reach other declarations' rows: nothing is erased then.
  if (!condicion.Valida() || !t->PonerFiltro(condicion)) return 0;
  int todo = 1;
  for (t->Primero(); !t->FinDeFichero(); t->Saltar(1)) {
    if (!t->Cumple(condicion)) continue;
    if (tabla.BloquearRegistro() == 0) {
      todo = 0;
      continue;
    }
    const long numero = t->NumeroRegistro();
    if (!(t->Borrar() && t->Confirmar())) todo = 0;
    t->DesbloquearRegistro(numero);
  }
  t->QuitarFiltro();
  return todo;
}

}  // namespace marco
