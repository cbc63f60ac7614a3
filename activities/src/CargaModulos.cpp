#include "activities/CargaModulos.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

#include "framework/Tabla.h"
#include "platform/Texto.h"

namespace actividades {

namespace {

constexpr std::string_view kOrdenIae = "id_iae";
constexpr std::string_view kOrdenModulo = "id_modulo";

// A table of the slot, open for the length of one operation (closed by its destructor).
std::unique_ptr<marco::CTabla> Abrir(marco::CBaseDatos* base, const std::string& nombre) {
  auto tabla = std::make_unique<marco::CTabla>(base, nombre);
  if (!tabla->EstaAbierta()) return nullptr;
  return tabla;
}

// A text column into a fixed array: trailing blanks dropped, at most n - 1 characters, always terminated. A
// column wider than the array is cut, never written past the array's end.
void LeerTexto(marco::CTabla& tabla, std::string_view campo, char* destino, std::size_t n) {
  std::string buffer(4097, '\0');
  if (tabla.LeerCampo(campo, buffer.data(), marco::kCampoTexto, static_cast<std::uint16_t>(buffer.size())) == 0) {
    destino[0] = '\0';
    return;
  }
  std::size_t largo = std::strlen(buffer.c_str());
  while (largo > 0 && buffer[largo - 1] == ' ') --largo;
  if (largo > n - 1) largo = n - 1;
  std::memcpy(destino, buffer.data(), largo);
  destino[largo] = '\0';
}

std::string LeerTexto(marco::CTabla& tabla, std::string_view campo) {
  char texto[4097];
  LeerTexto(tabla, campo, texto, sizeof texto);
  return texto;
}

std::int32_t LeerEntero(marco::CTabla& tabla, std::string_view campo) {
  std::int32_t valor = 0;
  tabla.LeerCampo(campo, &valor, marco::kCampoEntero, sizeof valor);
  return valor;
}

double LeerDouble(marco::CTabla& tabla, std::string_view campo) {
  double valor = 0.0;
  tabla.LeerCampo(campo, &valor, marco::kCampoDouble, sizeof valor);
  return valor;
}

bool LeerLogico(marco::CTabla& tabla, std::string_view campo) {
  std::int32_t valor = 0;
  tabla.LeerCampo(campo, &valor, marco::kCampoLogico, sizeof valor);
  return valor != 0;
}

SBanderasIae LeerBanderas(marco::CTabla& tabla) {
  SBanderasIae b;
  b.mod_agr = LeerLogico(tabla, "mod_agr");
  b.irpf = LeerLogico(tabla, "irpf");
  b.mod_iva = LeerLogico(tabla, "mod_iva");
  b.iva = LeerLogico(tabla, "iva");
  b.iva_agr = LeerLogico(tabla, "iva_agr");
  b.irpf_agr = LeerLogico(tabla, "irpf_agr");
  return b;
}

char LetraTwin(char letra) {
  switch (std::tolower(static_cast<unsigned char>(letra))) {
    case 'c': return 'C';
    case 'g': return 'G';
    case 'v': return 'V';
    default: return 'E';
  }
}

}  // namespace

CNombresTablas TablasPorDefecto() {
  return {"IAEMOD", "EPIMOD", "LISTAMOD", "MAXMOD", "PORMOD", "IVAMOD", "IRPFMOD", "MOD", "CUOTAMIN"};
}

CNombresTablas TablasIdioma(char letra) {
  const std::string l(1, LetraTwin(letra));
  return {"IAEMOD_" + l, "EPIMOD_" + l, "LISTAMOD", "MAXMOD", "PORMOD", "IVAMOD", "IRPFMOD", "MOD____" + l,
          "CUOTAMIN"};
}

CNombresTablas TablasReferencia(char letra) {
  CNombresTablas t = TablasIdioma(letra);
  t[kTablaIrpf] = "IRPFM7";
  t[kTablaMax] = "MAXMOD7";
  return t;
}

int CaracteresComunesEpigrafe(std::string_view codigo, std::string_view epigrafe) {
  static constexpr std::size_t kPosiciones[] = {0, 1, 2, 4};
  int iguales = 0;
  for (const std::size_t p : kPosiciones) {
    if (p >= codigo.size() || p >= epigrafe.size() || codigo[p] != epigrafe[p]) break;
    ++iguales;
  }
  return iguales;
}

CCargaModulos::CCargaModulos(marco::CBaseDatos* baseDatos) : m_pBaseDatos(baseDatos), m_tablas(TablasPorDefecto()) {}

std::uint16_t CCargaModulos::PonerTipoSeleccion(std::uint16_t tipo) {
  const std::uint16_t anterior = m_nTipo;
  m_nTipo = tipo;
  return anterior;
}

bool CCargaModulos::CumpleTipoSeleccion(const SBanderasIae& b) const {
  switch (Clase()) {
    case 0: return true;
    case 1: return b.iva;
    case 2: return b.irpf || b.mod_iva;
    case 3: return b.irpf;
    case 4: return b.iva_agr;
    case 5: return b.irpf_agr;
    case 6: return b.mod_agr;
    default: return false;
  }
}

bool CCargaModulos::CargaIrpf() const {
  const int c = Clase();
  return c == 2 || c == 3 || c == 5;
}

bool CCargaModulos::CargaIva() const {
  const int c = Clase();
  return c == 1 || c == 2 || c == 4 || c == 6;
}

void CCargaModulos::PonerEpigrafeInicial(std::string_view epigrafe) {
  m_epigrafeInicial = std::string(epigrafe.substr(0, 5));
  while (!m_epigrafeInicial.empty() && m_epigrafeInicial.back() == ' ') m_epigrafeInicial.pop_back();
}

std::string CCargaModulos::Clave(std::int32_t numero) {
  char clave[16];
  std::snprintf(clave, sizeof clave, "%04d", static_cast<int>(numero));
  return clave;
}

std::vector<SEntradaActividad> CCargaModulos::CargarActividades(std::string_view orden) {
  std::vector<SEntradaActividad> lista;
  const auto tabla = Abrir(m_pBaseDatos, m_tablas[kTablaIae]);
  if (!tabla) return lista;
  if (tabla->PonerOrden(orden) == 0) return lista;
  tabla->IrAlPrincipio();
  for (bool hay = tabla->Cumple(""); hay; hay = tabla->Siguiente() != 0 && tabla->Cumple("")) {
    if (!CumpleTipoSeleccion(LeerBanderas(*tabla))) continue;
    SEntradaActividad e;
    e.sector = LeerTexto(*tabla, "cod_sector");
    e.id = LeerEntero(*tabla, "id_iae");
    e.descripcion = LeerTexto(*tabla, "descripcio");
    lista.push_back(std::move(e));
  }
  return lista;
}

std::vector<SEntradaActividad> CCargaModulos::CargarActividadesPorCodigo(std::int32_t& elegida) {
  std::vector<SEntradaActividad> lista = CargarActividades("cod_sector");
  std::int32_t con[5] = {0, 0, 0, 0, 0};  // the first row matching 1, 2, 3 characters; the last matching 4
  if (!m_epigrafeInicial.empty()) {
    for (const SEntradaActividad& e : lista) {
      const int n = CaracteresComunesEpigrafe(e.sector, m_epigrafeInicial);
      for (int k = 1; k <= n && k <= 3; ++k) {
        if (con[k] == 0) con[k] = e.id;
      }
      if (n == 4) con[4] = e.id;
    }
  }
  elegida = 0;
  for (int k = 4; k >= 1; --k) {
    if (con[k] > 0) {
      elegida = con[k];
      break;
    }
  }
  return lista;
}

bool CCargaModulos::OfreceEpigrafe(std::string_view epigrafe) {
  epigrafe = plataforma::RecortaDerecha(epigrafe.substr(0, std::min<std::size_t>(epigrafe.find('\0'), 5)));
  if (epigrafe.empty()) return false;
  std::vector<std::int32_t> ids;
  {
    const auto lista = Abrir(m_pBaseDatos, m_tablas[kTablaLista]);
    if (!lista) return false;
    lista->IrAlPrincipio();
    for (bool hay = lista->Cumple(""); hay; hay = lista->Siguiente() != 0 && lista->Cumple("")) {
      char codigo[6];
      LeerTexto(*lista, "epigrafe", codigo, sizeof codigo);
      if (plataforma::RecortaDerecha(codigo) == epigrafe) ids.push_back(LeerEntero(*lista, "id_iae"));
    }
  }
  if (ids.empty()) return false;
  const auto iae = Abrir(m_pBaseDatos, m_tablas[kTablaIae]);
  if (!iae) return false;
  for (const std::int32_t id : ids) {
    if (iae->Buscar(Clave(id), false, kOrdenIae, false) != 0 && CumpleTipoSeleccion(LeerBanderas(*iae))) return true;
  }
  return false;
}

std::optional<std::string> CCargaModulos::DescripcionLarga(std::int32_t idIae) {
  const auto tabla = Abrir(m_pBaseDatos, m_tablas[kTablaEpi]);
  if (!tabla) return std::nullopt;
  if (tabla->Buscar(Clave(idIae), false, kOrdenIae, false) == 0) return std::nullopt;
  const int largo = tabla->LongitudCampo("descripcio");
  if (largo <= 0) return std::nullopt;
  std::string texto(static_cast<std::size_t>(largo) + 1, '\0');
  tabla->LeerCampo("descripcio", texto.data(), marco::kCampoMemo, static_cast<std::uint16_t>(texto.size()));
  texto.resize(std::strlen(texto.c_str()));
  if (texto.empty()) return std::nullopt;
  return texto;
}

std::optional<SEpigrafes> CCargaModulos::CargarEpigrafes(std::int32_t idIae, std::string& pendiente) {
  const auto tabla = Abrir(m_pBaseDatos, m_tablas[kTablaLista]);
  if (!tabla) return std::nullopt;
  if (tabla->Buscar(Clave(idIae), false, kOrdenIae, false) == 0) return std::nullopt;
  SEpigrafes r;
  int coincide = -1;
  do {
    if (LeerEntero(*tabla, "id_iae") != idIae) break;
    char codigo[6];
    LeerTexto(*tabla, "epigrafe", codigo, sizeof codigo);
    if (coincide < 0 && !m_epigrafeInicial.empty() && CaracteresComunesEpigrafe(codigo, m_epigrafeInicial) == 4) {
      coincide = static_cast<int>(r.codigos.size());
    }
    r.codigos.emplace_back(codigo);
  } while (tabla->Siguiente() != 0 && tabla->Cumple(""));
  if (r.codigos.empty()) return r;
  r.seleccion = 0;
  if (!pendiente.empty()) {
    for (std::size_t i = 0; i < r.codigos.size(); ++i) {
      if (r.codigos[i].starts_with(pendiente)) {
        r.seleccion = static_cast<int>(i);
        break;
      }
    }
    pendiente.clear();
  } else if (coincide >= 0) {
    r.seleccion = coincide;
  }
  return r;
}

void CCargaModulos::CargarConjunto(std::size_t tablaModulos, std::int32_t idIae,
                                   std::unique_ptr<CListaModulosDatos>& destino, bool& creado) {
  const auto tabla = Abrir(m_pBaseDatos, m_tablas[tablaModulos]);
  if (!tabla) return;
  const auto textos = Abrir(m_pBaseDatos, m_tablas[kTablaMod]);
  if (tabla->Buscar(Clave(idIae), false, kOrdenIae, false) == 0) return;
  creado = true;
  destino = std::make_unique<CListaModulosDatos>();
  do {
    if (LeerEntero(*tabla, "id_iae") != idIae) break;
    auto modulo = std::make_unique<CModulo>();
    modulo->id_modulo = LeerEntero(*tabla, "id_modulo");
    modulo->importe = LeerDouble(*tabla, "importe");
    if (textos && textos->Buscar(Clave(modulo->id_modulo), false, kOrdenModulo, false) != 0) {
      LeerTexto(*textos, "des_larga", modulo->des_larga, sizeof modulo->des_larga);
      LeerTexto(*textos, "des_corta", modulo->des_corta, sizeof modulo->des_corta);
      LeerTexto(*textos, "des_a_15", modulo->des_a_15, sizeof modulo->des_a_15);
      LeerTexto(*textos, "uni_larga", modulo->uni_larga, sizeof modulo->uni_larga);
      LeerTexto(*textos, "uni_corta", modulo->uni_corta, 11);
    }
    destino->push_back(std::move(modulo));
  } while (tabla->Siguiente() != 0 && tabla->Cumple(""));
}

void CCargaModulos::CargarDatosModulos(std::int32_t idIae, std::string_view epigrafe, CDatosMod& datos) {
  datos.Vaciar();
  if (const auto tabla = Abrir(m_pBaseDatos, m_tablas[kTablaIae])) {
    if (tabla->Buscar(Clave(idIae), false, kOrdenIae, false) != 0 && CumpleTipoSeleccion(LeerBanderas(*tabla))) {
      auto iae = std::make_unique<CDatosIae>();
      iae->id_iae = LeerEntero(*tabla, "id_iae");
      LeerTexto(*tabla, "cod_sector", iae->cod_sector, sizeof iae->cod_sector);
      LeerTexto(*tabla, "descripcio", iae->descripcio, sizeof iae->descripcio);
      iae->iva_op = LeerLogico(*tabla, "iva_op") ? 1 : 0;
      const std::string_view codigo = epigrafe.substr(0, 5);
      std::memcpy(iae->epigrafe, codigo.data(), codigo.size());
      iae->epigrafe[codigo.size()] = '\0';
      datos.iae = std::move(iae);
    }
  }
  if (CargaIrpf()) {
    std::unique_ptr<CListaModulosDatos> modulos;
    bool creado = false;
    CargarConjunto(kTablaIrpf, idIae, modulos, creado);
    if (creado) {
      datos.irpf = std::make_unique<CDatosIrpf>();
      datos.irpf->modulos = std::move(modulos);
    }
    if (const auto tabla = Abrir(m_pBaseDatos, m_tablas[kTablaMax])) {
      if (tabla->Buscar(Clave(idIae), false, kOrdenIae, false) != 0) {
        if (!datos.irpf) datos.irpf = std::make_unique<CDatosIrpf>();
        datos.irpf->max_import = LeerDouble(*tabla, "max_import");
        datos.irpf->max_person = LeerEntero(*tabla, "max_person");
      }
    }
  }
  if (CargaIva()) {
    std::unique_ptr<CListaModulosDatos> modulos;
    bool creado = false;
    CargarConjunto(kTablaIva, idIae, modulos, creado);
    if (creado) {
      datos.iva = std::make_unique<CDatosIva>();
      datos.iva->modulos = std::move(modulos);
    }
    if (const auto tabla = Abrir(m_pBaseDatos, m_tablas[kTablaPor])) {
      if (tabla->Buscar(Clave(idIae), false, kOrdenIae, false) != 0) {
        if (!datos.iva) datos.iva = std::make_unique<CDatosIva>();
        datos.iva->porcentaje = LeerDouble(*tabla, "porcentaje");
      }
    }
    if (const auto tabla = Abrir(m_pBaseDatos, m_tablas[kTablaCuota])) {
      if (tabla->Buscar(Clave(idIae), false, kOrdenIae, false) != 0) {
        if (!datos.iva) datos.iva = std::make_unique<CDatosIva>();
        datos.iva->cuota = LeerDouble(*tabla, "cuota");
      }
    }
  }
}

}  // namespace actividades
