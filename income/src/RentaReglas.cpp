#include "income/RentaReglas.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "framework/DocumentoServicios.h"
#include "framework/Utilidades.h"
#include "platform/Nombres.h"
#include "platform/Texto.h"

namespace renta {

namespace {

constexpr std::string_view kPaginasSimplificada[] = {"SIM001", "SIM002", "SIM003", "SIM004",
                                                    "SIM005", "SIM006", "SIM007", "ORD017"};
constexpr std::string_view kPaginasOrdinaria[] = {"ORD001", "ORD002", "ORD003", "ORD004", "ORD005", "ORD006",
                                                 "ORD007", "ORD008", "ORD009", "ORD010", "ORD011", "ORD012",
                                                 "ORD013", "ORD014", "ORD015", "ORD016", "ORD017"};

// The declaration-wide boxes: identification, address, family and bank data of the declaration, then those of
// the identification page and of the printed first page. Found by their first equal entry.
constexpr std::string_view kCamposPropios[] = {
    // declarant and spouse identification and address
    "ZDELEG", "ZADMON", "ZDNID", "ZAPED1", "ZAPED2", "ZNOMD", "ZNOMC", "ZDNIC", "ZAPEC1", "ZAPEC2", "ZTELED",
    "CALLED", "ZVIAPD", "ZNUMD", "ZESD", "ZPID", "ZPRTD", "ZMUNID", "ZPROVD", "ZCODPD", "ZVIAPC", "ZNUMC", "ZESC",
    "ZPIC", "ZPRTC", "ZMUNIC", "ZPROVC", "ZCODPC", "ZVIAP", "ZNUME", "ZMUNI", "ZPROV", "ZCODP",
    // children and representative
    "ZDNIH1", "ZAPENH1", "ZDNIH2", "ZAPENH2", "ZDNIR", "ZAPENR", "ZVIAPR", "ZNUMR", "ZMUNIR", "ZPROVR", "ZCODPR",
    // descendants and ascendants, four rows each
    "ZDNIU1", "ZAPENU1", "ZPARU1", "ZANOU1", "ZDNIU2", "ZAPENU2", "ZPARU2", "ZANOU2", "ZDNIU3", "ZAPENU3",
    "ZPARU3", "ZANOU3", "ZDNIU4", "ZAPENU4", "ZPARU4", "ZANOU4", "ZDNIO1", "ZAPENO1", "ZPARO1", "ZANOO1",
    "ZDNIO2", "ZAPENO2", "ZPARO2", "ZANOO2", "ZDNIO3", "ZAPENO3", "ZPARO3", "ZANOO3", "ZDNIO4", "ZAPENO4",
    "ZPARO4", "ZANOO4",
    // complements, dependants, regional boxes, municipality, capital-income holders
    "ZCOMPLE1", "ZCOMPLE2", "ZSOST1", "ZSOST2", "Y31E", "Y31S", "Y31C", "Y31N", "Y51E", "Y51S", "Y51C", "Y51N",
    "Y81E", "Y81S", "Y81C", "Y81N", "MUNIDECLAR", "RCMED", "RCMC", "RCM1", "RCM2", "RCM3", "RCM4", "RCM5",
    // identification page
    "DNID", "APED1", "APED2", "NOMD", "VIAPD", "NUMD", "PRTD", "MUNID", "PROVD", "CODPD", "ESTCIVIL1",
    "ESTCIVIL2", "ESTCIVIL3", "ESTCIVIL4", "ZANOD", "TELED1", "TELED2", "DNIC", "APEC1", "APEC2", "NOMC", "VIAPC",
    "NUMC", "PRTC", "MUNIC", "PROVC", "CODPC", "ANOC", "DNIAS1", "APENAS1", "ANOAS1", "PCTMINAS1", "VINAS1",
    "CONVAS1", "DNIAS2", "APENAS2", "ANOAS2", "PCTMINAS2", "VINAS2", "CONVAS22", "CCON", "IG22", "ENT1", "SUC1",
    "ENT2", "SUC2", "DDDECLAR", "MMDECLAR", "AADECLAR",
    // printed first page
    "XDNID", "XAPED1", "XAPED2", "XXNOMD", "XVIAPD", "XNUMD", "XESD", "XPID", "XPRTD", "XMUNID", "XPROVD",
    "XCODPD", "XNIF", "X002", "X003", "X004", "X005", "X006", "X007", "X008", "X009", "X010", "X011", "X012",
    "X013", "X014", "X015", "X016", "X017", "X018", "X019", "X020", "X021", "X022", "X023", "X024", "X025",
    "X026", "X027", "X028", "X029", "X030", "X031", "X032", "X033", "X034", "X035", "X036", "X037", "X038",
    "DDDECLAR", "MMDECLAR", "AADECLAR"};

template <typename Bloque>
char* En(Bloque& bloque, std::size_t desplazamiento) {
  return reinterpret_cast<char*>(bloque.octetos) + desplazamiento;
}
template <typename Bloque>
const char* En(const Bloque& bloque, std::size_t desplazamiento) {
  return reinterpret_cast<const char*>(bloque.octetos) + desplazamiento;
}

std::string Recortado(const RegIdentificacion& id, std::size_t desplazamiento, std::size_t ancho) {
  return std::string(plataforma::LeeFijaRecortada(En(id, desplazamiento), ancho));
}

}  // namespace

int TipoUnidadFamiliar(const RegDatosFamilia& familia) {
  const int tipo = familia.octetos[0];
  if (tipo == 2 && familia.octetos[3] == 1) return 1;
  return tipo;
}

SSujetos DerivarSujetos(const RegDatosFamilia& familia) {
  SSujetos s;
  s.presentes[marco::kSujetoDeclarante - 1] = 1;
  if (TipoUnidadFamiliar(familia) == 1) s.presentes[marco::kSujetoConyuge - 1] = 1;
  if (familia.octetos[1] != 0) {
    s.presentes[marco::kSujetoHijo1 - 1] = 1;
    s.presentes[marco::kSujetoHijo2 - 1] = 1;
  }
  s.actual = marco::kSujetoDeclarante;
  s.vistaUnidadFamiliar = 0;
  if (s.presentes[marco::kSujetoConyuge - 1] == 1 || s.presentes[marco::kSujetoHijo1 - 1] == 1) {
    s.actual = marco::kSujetoUnidadFamiliar;
    s.vistaUnidadFamiliar = 1;
    s.presentes[marco::kSujetoUnidadFamiliar - 1] = 1;
  }
  return s;
}

SEstadoComando EstadoComandoSujeto(int sujeto, std::span<const std::int32_t, kNumeroSujetos> presentes,
                                   int sujetoActual) {
  SEstadoComando e;
  switch (sujeto) {
    case marco::kSujetoUnidadFamiliar:
      e.habilitado = presentes[marco::kSujetoConyuge - 1] != 0 || presentes[marco::kSujetoHijo1 - 1] != 0 ||
                     presentes[marco::kSujetoHijo2 - 1] != 0;
      break;
    case marco::kSujetoDeclarante: e.habilitado = true; break;
    case marco::kSujetoConyuge:
    case marco::kSujetoHijo1:
    case marco::kSujetoHijo2: e.habilitado = presentes[static_cast<std::size_t>(sujeto - 1)] == 1; break;
    default: return e;
  }
  e.marcado = sujeto == sujetoActual;
  return e;
}

std::string_view TextoEstadoSujeto(int sujeto) {
  switch (sujeto) {
    case marco::kSujetoUnidadFamiliar: return "U.FAMILIAR";
    case marco::kSujetoDeclarante: return "DECLARANTE";
    case marco::kSujetoConyuge: return "C\xD3NYUGE";
    case marco::kSujetoHijo1: return "HIJO 1\xBA";
    case marco::kSujetoHijo2: return "HIJO 2\xBA";
    default: return {};
  }
}

std::string_view TextoEstadoFormulario(int tipoDec) {
  if (tipoDec == 1) return "SIMPLIFICADA";
  if (tipoDec == 2) return "ORDINARIA";
  return {};
}

std::span<const std::string_view> PaginasFormulario(int tipoDec) {
  if (tipoDec == 1) return kPaginasSimplificada;
  if (tipoDec == 2) return kPaginasOrdinaria;
  return {};
}

int IdPaginaDeNombre(std::string_view nombre) {
  int base = 0;
  if (nombre.starts_with("SIM")) base = 100;
  if (nombre.starts_with("ORD")) base = 200;
  if (base == 0 || nombre.size() != 6) return 0;
  int numero = 0;
  const auto [fin, error] = std::from_chars(nombre.data() + 3, nombre.data() + nombre.size(), numero);
  if (error != std::errc() || fin != nombre.data() + nombre.size()) return 0;
  const int ultima = base == 100 ? 7 : 17;
  if (numero < 1 || numero > ultima) return 0;
  return base + numero;
}

int EsCampoPropio(std::string_view nombre) {
  for (std::string_view propio : kCamposPropios) {
    if (plataforma::IgualesSinCaso(nombre, propio)) return 1;
  }
  return 0;
}

std::span<const std::string_view> CamposPropios() { return kCamposPropios; }

std::optional<SCabecera> CabeceraSujeto(const RegIdentificacion& id, int sujeto) {
  if (sujeto < 1 || sujeto > kNumeroSujetos) return std::nullopt;
  const auto k = static_cast<std::size_t>(sujeto - 1);
  SCabecera c;
  c.nif = Recortado(id, kDespNif + kAnchoNif * k, kAnchoNif);
  const std::string nombre1 = Recortado(id, kDespNombre1 + kAnchoNombre * k, kAnchoNombre);
  const std::string nombre2 = Recortado(id, kDespNombre2 + kAnchoNombre * k, kAnchoNombre);
  c.nombre = nombre1.empty() || nombre2.empty() ? nombre1 + nombre2 : nombre1 + " " + nombre2;
  c.referencia = Recortado(id, kDespReferencia + kAnchoReferencia * k, kAnchoReferencia);
  return c;
}

SRefrescoIdentificacion RefrescarIdentificaciones(RegIdentificacion& id, int sujetoActual, bool& datosCambiados,
                                                  CCompositorIdentificacion& compositor) {
  SRefrescoIdentificacion r;
  int primera = 0;
  int ultima = -1;
  if (datosCambiados) {
    primera = 0;
    ultima = kNumeroSujetos - 1;
  } else if (sujetoActual >= 1 && sujetoActual <= kNumeroSujetos) {
    const auto k = static_cast<std::size_t>(sujetoActual - 1);
    if (marco::EsBlanco(*En(id, kDespIdentificacion + kAnchoIdentificacion * k)) ||
        marco::EsBlanco(*En(id, kDespReferencia + kAnchoReferencia * k))) {
      primera = ultima = sujetoActual - 1;
    }
  }
  for (int persona = primera; persona <= ultima; ++persona) {
    const auto k = static_cast<std::size_t>(persona);
    const std::string_view nif = plataforma::LeeFija(En(id, kDespNif + kAnchoNif * k), kAnchoNif);
    const std::optional<std::string> identificacion = compositor.Identificacion(nif, persona + 1);
    const std::optional<std::string> referencia = compositor.NumeroReferencia();
    if (!identificacion || !referencia) break;
    plataforma::CopiaFija(En(id, kDespIdentificacion + kAnchoIdentificacion * k), kAnchoIdentificacion,
                          *identificacion);
    plataforma::CopiaFija(En(id, kDespReferencia + kAnchoReferencia * k), kAnchoReferencia, *referencia);
    datosCambiados = false;
    ++r.personas;
    // The printed copy of the person shown no longer matches: its mark goes, and the rest are still refreshed.
    unsigned char& marca = id.octetos[kDespMarcaSujeto + k];
    if (persona == sujetoActual - 1 && marca == 1) {
      marca = 0;
      r.avisoMarca = true;
    }
  }
  return r;
}


}  // namespace renta
