#include "income/IdentificacionComun.h"

#include <algorithm>
#include <cstring>

#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/Utilidades.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"

namespace renta {

namespace {

using L = SLugarIdentificacion;

// A place of one value for the whole declaration; an array of one value per person, `ancho` bytes each.
constexpr L Unico(std::uint16_t desp, std::uint16_t tamano, SParLugar par = {}) {
  return {EClaseLugar::Fijo, desp, tamano, 0, par, false};
}
constexpr L Persona(std::uint16_t desp, std::uint16_t ancho, bool enlacePropio = false) {
  return {EClaseLugar::Fijo, desp, static_cast<std::uint16_t>(ancho * kNumeroSujetos), ancho, {}, enlacePropio};
}
constexpr L Lista(EClaseLugar clase) { return {clase, 0, 0, 0, {}, false}; }

// The boxes both pages bind the same: 1-40 and 125-134; the tails follow.
constexpr std::array<L, 40> kComunes{
    Unico(452, 18, {450, 2, 0, 0}),    // 1 delegation, chosen from its list
    Unico(473, 18, {470, 3, 450, 2}),  // 2 administration, its list filtered by the delegation
    Unico(450, 2, {452, 18, 0, 0}),    // 3 delegation code
    Unico(470, 3, {473, 18, 450, 2}),  // 4 administration code
    Persona(511, 9),                   // 5 tax id
    Persona(631, 15),                  // 6-8 first surname, second surname, name
    Persona(706, 15),
    Persona(556, 15),
    Persona(796, 26),                  // 9-16 address
    Persona(926, 4),
    Persona(946, 2),
    Persona(956, 2),
    Persona(966, 2),
    Persona(976, 15),
    Persona(1051, 13),
    Persona(1116, 5),
    {EClaseLugar::PorPersona, 405, 9, 9, {}, false},  // 17 the person's code, read-only
    Persona(491, 1),                   // 18-21 marital status
    Persona(496, 1),
    Persona(501, 1),
    Persona(506, 1),
    Persona(1141, 4),                  // 22 year of birth
    Persona(1168, 8),                  // 23 disability degree
    Persona(1208, 9),                  // 24 telephone
    Persona(1263, 9),                  // 25 spouse's tax id
    Persona(1383, 15),                 // 26-28 spouse's surnames and name
    Persona(1458, 15),
    Persona(1308, 15),
    Persona(1533, 26),                 // 29-36 spouse's address
    Persona(1663, 4),
    Persona(1683, 2),
    Persona(1693, 2),
    Persona(1703, 2),
    Persona(1713, 15),
    Persona(1788, 13),
    Persona(1853, 5),
    Persona(1878, 4),                  // 37 spouse's year of birth
    Persona(1904, 8),                  // 38 spouse's disability degree
    Persona(1253, 1),                  // 39, 40 kind of taxation
    Persona(1258, 1),
};

constexpr std::array<L, 10> kRepresentante{
    Persona(1944, 2),  // 125 representation code
    Persona(1954, 9),  // 126-132 representative
    Persona(1999, 32), Persona(2159, 26), Persona(2289, 4), Persona(2309, 15), Persona(2384, 13), Persona(2449, 5),
    Persona(2474, 1, true),  // 133, 134 tax allocation, whose dialog works on the box's own marks
    Persona(2479, 1, true),
};

constexpr std::array<L, 6> kFecha{
    Unico(3536, 20),                      // account
    Unico(3556, 2),                       // day
    Unico(3558, 10, {3558, 10, 0, 0}),    // month, chosen from its list into its own place
    Unico(3568, 4),                       // year
    Persona(105, 60),                     // identification printed with the declaration
    {EClaseLugar::CabeceraNombre, 0, 40, 0, {}, false},
};

template <std::size_t N>
constexpr std::array<L, N> Construir(bool ordinaria) {
  std::array<L, N> t{};
  std::size_t i = 0;
  for (const L& l : kComunes) t[i++] = l;
  for (int n = 0; n < 60; ++n) t[i++] = Lista(EClaseLugar::Descendientes);
  for (int n = 0; n < 24; ++n) t[i++] = Lista(EClaseLugar::Ascendientes);
  for (const L& l : kRepresentante) t[i++] = l;
  if (ordinaria) {
    t[i++] = Persona(2484, 1);  // 135 split payment, 136 second instalment debited
    t[i++] = Persona(2489, 1);
  }
  for (const L& l : kFecha) t[i++] = l;
  return t;
}

constexpr auto kLugaresORD001 = Construir<kCasillasORD001>(true);
constexpr auto kLugaresSIM001 = Construir<kCasillasSIM001>(false);
static_assert(kLugaresORD001[kCasillasORD001 - 1].clase == EClaseLugar::CabeceraNombre);
static_assert(kLugaresSIM001[kCasillasSIM001 - 1].clase == EClaseLugar::CabeceraNombre);
static_assert(kLugaresORD001[40].clase == EClaseLugar::Descendientes &&
              kLugaresORD001[100].clase == EClaseLugar::Ascendientes &&
              kLugaresORD001[124].desplazamiento == 1944);

bool PersonaValida(int sujeto) { return sujeto >= 1 && sujeto <= kNumeroSujetos; }
std::size_t Indice(int sujeto) { return static_cast<std::size_t>(sujeto - 1); }

bool g_asignacionCambiada = false;

// The box number of a field that both pages place differently: the date and account boxes come two later on the
// ordinary form, which has the two split-payment boxes before them.
int Desfase(EPaginaIdentificacion pagina) { return pagina == EPaginaIdentificacion::ORD001 ? 2 : 0; }

}  // namespace

int NumeroCasillasIdentificacion(EPaginaIdentificacion pagina) {
  return pagina == EPaginaIdentificacion::ORD001 ? kCasillasORD001 : kCasillasSIM001;
}

std::span<const SLugarIdentificacion> LugaresIdentificacion(EPaginaIdentificacion pagina) {
  if (pagina == EPaginaIdentificacion::ORD001) return kLugaresORD001;
  return kLugaresSIM001;
}

unsigned char* DireccionCasilla(EPaginaIdentificacion pagina, RegIdentificacion& identificacion, int numero,
                                int sujeto) {
  const auto lugares = LugaresIdentificacion(pagina);
  if (numero < 1 || numero > static_cast<int>(lugares.size()) || !PersonaValida(sujeto)) return nullptr;
  const SLugarIdentificacion& l = lugares[static_cast<std::size_t>(numero - 1)];
  if (l.clase == EClaseLugar::PorPersona) return identificacion.octetos + l.desplazamiento + l.tamano * Indice(sujeto);
  if (l.clase != EClaseLugar::Fijo) return nullptr;
  return identificacion.octetos + l.desplazamiento + l.elemento * Indice(sujeto);
}

bool ListasEditables(int sujeto, bool hayConyugeOHijo) {
  return sujeto == marco::kSujetoUnidadFamiliar || (sujeto == marco::kSujetoDeclarante && !hayConyugeOHijo);
}

// ---- rules ----

bool AsignacionCambiadaTrasImprimir() { return g_asignacionCambiada; }
void PonerAsignacionCambiadaTrasImprimir(bool cambiada) { g_asignacionCambiada = cambiada; }

SEfectoRegla ReglaIdentificacion(EPaginaIdentificacion pagina, RegIdentificacion& identificacion, int sujeto,
                                 int numero) {
  SEfectoRegla e;
  if (!PersonaValida(sujeto)) return e;
  unsigned char* id = identificacion.octetos;
  const std::size_t k = Indice(sujeto);
  const bool ordinaria = pagina == EPaginaIdentificacion::ORD001;
  auto marcaAsignacion = [&] {
    e.aplicada = true;
    e.marcaAsignacion = id[kDespMarcaSujeto + k] == 1;
  };
  switch (numero) {
    case 1:
      // A new delegation: its administrations are others, the one chosen goes.
      std::memset(id + kDespCodigoAdministracion, ' ', kAnchoAdministracion);
      e.refrescar = {3, 1, 2, 4};
      break;
    case 2:
      e.refrescar = {4};
      break;
    case 18:
      if (id[kDespEstadoCivil1 + k] == 1) id[kDespEstadoCivil3 + k] = 0;
      break;
    case 20:
      if (id[kDespEstadoCivil3 + k] == 1) id[kDespEstadoCivil1 + k] = 0;
      break;
    case 133:
      if (!ordinaria) {
        marcaAsignacion();
        return e;
      }
      [[fallthrough]];
    case 135:
      if (!ordinaria) return e;
      if (id[kDespFraccionamiento + k] == 0) id[kDespDomiciliacion + k] = 0;
      break;
    case 134:
      marcaAsignacion();
      return e;
    case 136:
      if (!ordinaria) return e;
      if (id[kDespDomiciliacion + k] == 1) id[kDespFraccionamiento + k] = 1;
      break;
    default:
      return e;
  }
  e.aplicada = true;
  e.recalcular = true;
  return e;
}

// ---- checks ----

std::vector<SComprobacion> ComprobacionesIdentificacion(EPaginaIdentificacion pagina, int numero, int sujeto) {
  if (!PersonaValida(sujeto)) return {};
  const std::size_t k = Indice(sujeto);
  switch (numero) {
    case 5: return {{21, kDespNif + kAnchoNif * k}};
    case 16: return {{8, kDespCodigoPostal + 5 * k}};
    case 22: return {{101, kDespAnoNacimiento + 4 * k}};
    case 23: return {{20, kDespMinusvalia + 8 * k}};
    case 25: return {{21, kDespNifConyuge + kAnchoNif * k}};
    case 36: return {{8, kDespCodigoPostalConyuge + 5 * k}};
    case 37: return {{101, kDespAnioDelConyuge + 4 * k}};
    case 38: return {{20, kDespMinusvaliaConyuge + 8 * k}};
    case 126: return {{22, kDespNifRepresentante + kAnchoNif * k}};
    case 132: return {{8, kDespCodigoPostalRepresentante + 5 * k}};
    default: break;
  }
  const int d = Desfase(pagina);
  if (numero == 135 + d) return {{10, kDespCuenta}};
  if (numero == 136 + d || numero == 137 + d) return {{6, kDespFecha}};
  if (numero == 138 + d) return {{16, kDespAnoFecha}, {6, kDespFecha}};
  return {};
}

EEfectoComprobacion EfectoComprobacion(int numero) {
  if (numero == 5) return EEfectoComprobacion::CabeceraNif;
  if ((numero >= 6 && numero <= 8) || (numero >= 26 && numero <= 28)) return EEfectoComprobacion::CabeceraNombre;
  return EEfectoComprobacion::Nada;
}

std::string_view AvisoPagoFraccionado(const RegIdentificacion& identificacion, int sujeto, int numero) {
  if (!PersonaValida(sujeto) || (numero != 135 && numero != 136)) return {};
  const std::size_t k = Indice(sujeto);
  const char fraccionado = static_cast<char>(identificacion.octetos[kDespFraccionamiento + k]);
  const char domiciliado = static_cast<char>(identificacion.octetos[kDespDomiciliacion + k]);
  if (marco::EsBlanco(fraccionado) && !marco::EsBlanco(domiciliado)) return "100V166";
  return {};
}

// ---- the header ----

SCabeceraIdentificacion CabeceraIdentificacion(const RegIdentificacion& identificacion, int sujeto,
                                               bool conyugePresente) {
  SCabeceraIdentificacion c;
  if (!PersonaValida(sujeto)) return c;
  auto nif = [&](int persona) {
    const char* p = reinterpret_cast<const char*>(identificacion.octetos) + kDespNif + kAnchoNif * Indice(persona);
    return std::string(plataforma::RecortaDerecha(plataforma::LeeFija(p, kAnchoNif)));
  };
  c.nif = nif(sujeto);
  c.nombre = NombreCompuesto(identificacion, sujeto);
  if (sujeto == marco::kSujetoUnidadFamiliar && conyugePresente) {
    c.nif2 = nif(marco::kSujetoConyuge);
    c.nombre2 = NombreCompuesto(identificacion, marco::kSujetoConyuge);
  }
  return c;
}

SCamposCabecera CamposCabeceraIdentificacion(const RegIdentificacion& identificacion, int sujeto) {
  SCamposCabecera c;
  if (!PersonaValida(sujeto)) {
    c.nif20.assign(20, ' ');
    return c;
  }
  const std::size_t k = Indice(sujeto);
  const unsigned char* id = identificacion.octetos;
  const std::string_view nif = plataforma::LeeFija(reinterpret_cast<const char*>(id) + kDespNif + kAnchoNif * k,
                                                   kAnchoNif);
  c.nif20 = std::string(20 - nif.size(), ' ') + std::string(nif);
  constexpr std::size_t kEstados[4] = {kDespEstadoCivil1, kDespEstadoCivil2, kDespEstadoCivil3, kDespEstadoCivil4};
  for (int i = 0; i < 4; ++i) {
    if (id[kEstados[i] + k] == 1) {
      c.estadoCivil = static_cast<char>('1' + i);
      break;
    }
  }
  const unsigned char t = id[kDespTributacion1 + k];
  c.tributacion = t == 1 || t == 'x' || t == 'X' ? '1' : '2';
  return c;
}

// ---- the box array ----

CControlesIdentificacion::CControlesIdentificacion(EPaginaIdentificacion pagina)
    : m_pagina(pagina), m_enlaces(static_cast<std::size_t>(NumeroCasillasIdentificacion(pagina))) {}

CRentaDoc* CControlesIdentificacion::DameDocumentoRenta() const {
  return m_pDocumentoRenta != nullptr ? m_pDocumentoRenta : dynamic_cast<CRentaDoc*>(DameDocumento());
}

void CControlesIdentificacion::LiberarEnlaces() {
  const auto lugares = LugaresIdentificacion(m_pagina);
  for (int i = 0; i < NumeroCampos() && i < static_cast<int>(lugares.size()); ++i) {
    marco::CCampo* campo = Campo(i);
    if (campo != nullptr && lugares[static_cast<std::size_t>(i)].par.anchoDestino > 0) campo->Enlace = nullptr;
  }
}

void CControlesIdentificacion::Refrescar() { Enlazar(1); }

void CControlesIdentificacion::Enlazar(int liberarAntes) {
  if (liberarAntes != 0) LiberarEnlaces();
  CRentaDoc* doc = DameDocumentoRenta();
  for (int i = 0; i < NumeroCampos(); ++i) {
    if (marco::CCampo* campo = Campo(i)) {
      campo->Dato = nullptr;
      campo->Enlace = nullptr;
    }
  }
  if (doc == nullptr) return;
  RegIdentificacion& id = doc->Datos().Identificacion;
  const int sujeto = doc->DameSujetoActual();
  const auto lugares = LugaresIdentificacion(m_pagina);
  for (int i = 0; i < NumeroCampos() && i < static_cast<int>(lugares.size()); ++i) {
    EnlazarCasilla(i + 1, lugares[static_cast<std::size_t>(i)], id, sujeto);
  }
  const auto presentes = doc->SujetosPresentes();
  const bool hayConyugeOHijo =
      presentes[marco::kSujetoConyuge - 1] != 0 || presentes[marco::kSujetoHijo1 - 1] != 0;
  EnlazarListasFamiliares(id, sujeto, hayConyugeOHijo);
  // Without a spouse there is nobody to describe in the spouse's boxes.
  const bool conyuge = presentes[marco::kSujetoConyuge - 1] != 0;
  for (int n = 25; n <= 38; ++n) {
    if (marco::CCampo* campo = CampoDeNumero(n)) campo->SoloLectur = conyuge ? campo->SoloLecturInicial : 1;
  }
  CamposDerivados(1);
}

void CControlesIdentificacion::EnlazarCasilla(int numero, const SLugarIdentificacion& lugar, RegIdentificacion& id,
                                              int sujeto) {
  marco::CCampo* campo = CampoDeNumero(numero);
  if (campo == nullptr) return;
  unsigned char* base = nullptr;
  std::size_t tamano = lugar.tamano;
  switch (lugar.clase) {
    case EClaseLugar::Fijo:
      base = id.octetos + lugar.desplazamiento;
      break;
    case EClaseLugar::PorPersona:
      if (!PersonaValida(sujeto)) return;
      base = id.octetos + lugar.desplazamiento + lugar.tamano * Indice(sujeto);
      break;
    case EClaseLugar::CabeceraNombre: {
      CRentaDoc* doc = DameDocumentoRenta();
      base = reinterpret_cast<unsigned char*>(doc->TextoCabecera1());
      tamano = 40;
      break;
    }
    default:
      return;  // the lists are bound with their copies
  }
  const std::size_t valor = campo->TamanoValor() * static_cast<std::size_t>(std::max(campo->Repeticion, 1));
  if (valor == 0 || valor > tamano) return;
  campo->Dato = base;
  if (lugar.enlacePropio) {
    campo->Enlace = base;
  } else if (lugar.par.anchoDestino > 0) {
    marco::SEnlaceTabla& enlace = m_enlaces[static_cast<std::size_t>(numero - 1)];
    enlace.destino = reinterpret_cast<char*>(id.octetos + lugar.par.destino);
    enlace.anchoDestino = lugar.par.anchoDestino;
    enlace.filtro = lugar.par.anchoFiltro > 0 ? reinterpret_cast<const char*>(id.octetos + lugar.par.filtro) : nullptr;
    enlace.anchoFiltro = lugar.par.anchoFiltro;
    campo->Enlace = &enlace;
  }
}

void CControlesIdentificacion::EnlazarFila(int primera, unsigned char* fila,
                                           const std::array<std::size_t, kColumnasLista>& columnas,
                                           const std::array<std::size_t, kColumnasLista>& anchos, int sujeto) {
  for (int c = 0; c < kColumnasLista; ++c) {
    marco::CCampo* campo = CampoDeNumero(primera + c);
    if (campo == nullptr) continue;
    std::size_t desp = columnas[static_cast<std::size_t>(c)];
    if (c == 4) desp += static_cast<std::size_t>(std::clamp(sujeto, 1, kNumeroSujetos) - 1);
    const std::size_t valor = campo->TamanoValor() * static_cast<std::size_t>(std::max(campo->Repeticion, 1));
    campo->Dato = valor > 0 && valor <= anchos[static_cast<std::size_t>(c)] ? fila + desp : nullptr;
  }
}

void CControlesIdentificacion::EnlazarListasFamiliares(const RegIdentificacion& identificacion, int sujeto,
                                                       bool hayConyugeOHijo) {
  SeleccionarFilasFamiliares(identificacion, sujeto, hayConyugeOHijo, m_descendientes, m_ascendientes);
  for (std::size_t r = 0; r < kFilasDescendientes; ++r) {
    EnlazarFila(kPrimeraDescendientes + kColumnasLista * static_cast<int>(r),
                m_descendientes.data() + r * kAnchoDescendiente, kColumnasDescendiente, kAnchosDescendiente, sujeto);
  }
  for (std::size_t r = 0; r < kFilasAscendientes; ++r) {
    EnlazarFila(kPrimeraAscendientes + kColumnasLista * static_cast<int>(r),
                m_ascendientes.data() + r * kAnchoAscendiente, kColumnasAscendiente, kAnchosAscendiente, sujeto);
  }
  const bool editables = ListasEditables(sujeto, hayConyugeOHijo);
  auto primera = [&](int numero, void* copia) {
    marco::CCampo* campo = CampoDeNumero(numero);
    if (campo == nullptr) return;
    campo->Enlace = copia;
    campo->Grupo = -1;
    campo->SoloLectur = editables ? 0 : 1;
  };
  primera(kPrimeraDescendientes, m_descendientes.data());
  primera(kPrimeraAscendientes, m_ascendientes.data());
}

void CControlesIdentificacion::CamposDerivados(int /*hoja*/) {
  CRentaDoc* doc = DameDocumentoRenta();
  if (doc == nullptr) return;
  m_cabecera = CamposCabeceraIdentificacion(doc->Datos().Identificacion, doc->DameSujetoActual());
}

}  // namespace renta
