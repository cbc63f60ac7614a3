#include "framework/ListasIncompletas.h"

#include <algorithm>
#include <cctype>

#include "framework/BaseDatos.h"
#include "framework/CatalogoTablas.h"
#include "framework/DlgMensaje.h"
#include "framework/Tabla.h"
#include "platform/Nombres.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace marco {

namespace {

struct SLista {
  EListaIncompleta lista;
  std::string_view tabla;  // the Castilian twin, which every language shares row for row
  std::string_view orden;
  std::string_view columna;  // the key column (the whole compound key for the administrations)
  std::string_view mensajeForma;
  std::string_view aviso;
};

constexpr std::string_view kTablaDelegaciones = "DELEGACE";
constexpr std::string_view kTablaAdministraciones = "ADMINISE";
constexpr std::string_view kTablaClavesCanarias = "INVCANAE";

constexpr SLista kListas[] = {
    {EListaIncompleta::Delegaciones, kTablaDelegaciones, "CLAVE", "clave", "LISTA05", "LISTA01"},
    {EListaIncompleta::Administraciones, kTablaAdministraciones, "CODIGO", "deleg", "LISTA06", "LISTA02"},
    {EListaIncompleta::ClavesCanarias, kTablaClavesCanarias, "CLAVE", "clave", "LISTA07", "LISTA03"},
};

const SLista* Lista(EListaIncompleta lista) {
  for (const SLista& l : kListas) {
    if (l.lista == lista) return &l;
  }
  return nullptr;
}

bool Digitos(std::string_view texto) {
  return !texto.empty() && std::all_of(texto.begin(), texto.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

EListaIncompleta ListaIncompletaDe(std::string_view nombreTabla) {
  const std::string nombre = NombreSinExtension(nombreTabla);
  if (nombre.size() != 8) return EListaIncompleta::Ninguna;
  for (const SLista& l : kListas) {
    if (plataforma::IgualesSinCaso(std::string_view(nombre).substr(0, 7), l.tabla.substr(0, 7))) return l.lista;
  }
  return EListaIncompleta::Ninguna;
}

bool TieneFormaDeLista(EListaIncompleta lista, std::string_view codigo) {
  codigo = plataforma::RecortaDerecha(codigo);
  switch (lista) {
    case EListaIncompleta::Delegaciones: {
      if (codigo.size() != 2 || !Digitos(codigo)) return false;
      const int n = (codigo[0] - '0') * 10 + (codigo[1] - '0');
      return n >= 1 && n <= 52;
    }
    case EListaIncompleta::Administraciones:
      return codigo.size() == 3 && Digitos(codigo) && codigo != "000";
    case EListaIncompleta::ClavesCanarias:
      return codigo.size() == 1 && std::isalnum(static_cast<unsigned char>(codigo[0])) != 0 &&
             static_cast<unsigned char>(codigo[0]) < 0x80;
    case EListaIncompleta::Ninguna:
      break;
  }
  return false;
}

std::string_view MensajeFormaLista(EListaIncompleta lista) {
  const SLista* l = Lista(lista);
  return l != nullptr ? l->mensajeForma : std::string_view{};
}

std::string_view AvisoFueraDeLista(EListaIncompleta lista) {
  const SLista* l = Lista(lista);
  return l != nullptr ? l->aviso : std::string_view{};
}

std::string TextoFueraDeLista(CBaseDatos* base) {
  CDlgMensaje mensaje(nullptr, base);
  if (mensaje.BuscarMensaje(kMensajeFueraDeLista) != 0 && !mensaje.DameTexto().empty()) return mensaje.DameTexto();
  return std::string(kMensajeFueraDeLista);
}

bool CodigoEnLista(CBaseDatos* base, EListaIncompleta lista, std::string_view clave) {
  const SLista* l = Lista(lista);
  if (l == nullptr || base == nullptr) return false;
  clave = plataforma::RecortaDerecha(clave);
  if (clave.empty() || !base->ExisteTabla(l->tabla)) return false;
  CTabla tabla(base);
  if (tabla.Abrir(1, {}, l->tabla) == 0) return false;
  bool hallada = false;
  if (tabla.Buscar(clave, false, l->orden, false) == 1) {
    if (plataforma::CTablaRegistros* filas = tabla.Registros()) {
      // Exact: the key found must be the code, not one that only begins with it.
      std::string leida = LeerValorTabla(*filas, l->columna);
      if (lista == EListaIncompleta::Administraciones) leida += LeerValorTabla(*filas, "codigo");
      hallada = plataforma::RecortaDerecha(leida) == clave;
    }
  }
  tabla.Cerrar();
  return hallada;
}

}  // namespace marco
