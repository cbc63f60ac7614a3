#include "framework/ControlesPagina.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "framework/BaseDatos.h"
#include "framework/DlgMensaje.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "platform/Expresion.h"
#include "platform/Lienzo.h"
#include "platform/Nombres.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace marco {

namespace {

// Room for reading any text column of the box tables.
constexpr std::uint16_t kRoomTexto = 512;

std::string LeerTexto(CTabla& tabla, std::string_view campo, std::size_t maximo) {
  std::array<char, kRoomTexto> buffer{};
  if (tabla.LeerCampo(campo, buffer.data(), kCampoTexto, kRoomTexto) == 0) return {};
  const std::string_view texto = plataforma::LeeFija(buffer.data(), buffer.size());
  return std::string(plataforma::RecortaDerecha(texto.substr(0, std::min(texto.size(), maximo))));
}

// The key columns as stored, blanks included: the twin is sought by them.
std::string LeerClave(CTabla& tabla, std::string_view campo) {
  std::array<char, kRoomTexto> buffer{};
  if (tabla.LeerCampo(campo, buffer.data(), kCampoTexto, kRoomTexto) == 0) return {};
  return std::string(plataforma::LeeFija(buffer.data(), buffer.size()));
}

std::int32_t LeerEntero(CTabla& tabla, std::string_view campo) {
  std::int32_t valor = 0;
  if (tabla.LeerCampo(campo, &valor, kCampoEntero, sizeof valor) == 0) return 0;
  return valor;
}

std::int32_t LeerLogico(CTabla& tabla, std::string_view campo) {
  std::int32_t valor = 0;
  if (tabla.LeerCampo(campo, &valor, kCampoLogico, sizeof valor) == 0) return 0;
  return valor != 0 ? 1 : 0;
}

// A coordinate scaled as the page is shown: left and top down, right and bottom up, kept inside an int.
std::int32_t Escalar(std::int32_t valor, double escala, bool haciaArriba) {
  const double v = haciaArriba ? std::ceil(valor * escala) : std::floor(valor * escala);
  if (!std::isfinite(v)) return 0;
  constexpr double kMaximo = std::numeric_limits<std::int32_t>::max();
  constexpr double kMinimo = std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(std::clamp(v, kMinimo, kMaximo));
}

void LeerCoordenadas(CTabla& tabla, CCampo& campo, double escala) {
  campo.Coor_1 = Escalar(LeerEntero(tabla, "Coor_1"), escala, false);
  campo.Coor_2 = Escalar(LeerEntero(tabla, "Coor_2"), escala, false);
  campo.Coor_3 = Escalar(LeerEntero(tabla, "Coor_3"), escala, true);
  campo.Coor_4 = Escalar(LeerEntero(tabla, "Coor_4"), escala, true);
}

void MostrarTexto(std::string_view texto, int icono) {
  CDlgMensaje(nullptr, nullptr).MostrarMensaje({}, icono, texto);
}

void PaginaImposible() { MostrarTexto(kTextoPaginaImposible, IconoNinguno); }

void ControlesDeteriorados() {
  MostrarTexto(kTextoControlesDeteriorados, IconoMano);
  PaginaImposible();
}

CBaseDatos* BaseDatos(CBaseDatos* baseDatos) { return baseDatos != nullptr ? baseDatos : DameBaseDatosLocal(); }

// Identifiers that TieneDatos does not count, by set.
const std::array<std::vector<std::string_view>, kNumeroConjuntosTieneDatos>& IdentificadoresExcluidos() {
  static const std::array<std::vector<std::string_view>, kNumeroConjuntosTieneDatos> kConjuntos{{
      {"ZDNID", "ZAPEND", "NIF1", "APELL1"},
      {"T035", "T038", "T040", "ZDNID", "ZAPEND"},
      {"T035", "T038", "T040", "T047", "ZDNID", "ZAPEND"},
      {"TBD", "NIF1", "APELL1"},
  }};
  return kConjuntos;
}

}  // namespace

std::string ClaveIndiceFich(int idPagina) {
  std::string t = std::to_string(idPagina);
  if (t.size() < 4) t.insert(0, 4 - t.size(), ' ');
  return t;
}

CControlesPagina::~CControlesPagina() = default;

CCampo* CControlesPagina::Campo(int posicion) const {
  if (posicion < 0 || posicion >= NumeroCampos()) return nullptr;
  return m_campos[static_cast<std::size_t>(posicion)].get();
}

CCampo& CControlesPagina::Anadir(std::unique_ptr<CCampo> campo) {
  m_campos.push_back(std::move(campo));
  return *m_campos.back();
}

// ---- virtual operations: the base behaviour ----

void CControlesPagina::Dibujar(plataforma::CLienzo& lienzo, int scrollX, int scrollY, int modo) {
  for (const auto& campo : m_campos) {
    if (modo == kDibujoSoloTexto) campo->ActualizarTexto();
    campo->Dibujar(lienzo, scrollX, scrollY, modo);
  }
}

int CControlesPagina::Cargar(int idPagina, double escala, CBaseDatos* baseDatos) {
  return CargarFilas(idPagina, escala, baseDatos, false);
}

int CControlesPagina::CargarVariante(int idPagina, double escala, CBaseDatos* baseDatos) {
  return CargarFilas(idPagina, escala, baseDatos, true);
}

void CControlesPagina::Enlazar(int /*liberarAntes*/) {}

void CControlesPagina::LiberarEnlaces() {}

void CControlesPagina::Refrescar() {}

int CControlesPagina::NavegarGrupo(int /*grupo*/, int /*direccion*/, int /*accion*/, int /*extra*/) { return 0; }

void CControlesPagina::AvisoCampo(int /*posicion*/) {}

int CControlesPagina::AvisoGrupo(int hoja, int /*palabra*/) {
  if (hoja != 1) return 0;
  AvisoPagina(0);
  return 1;
}

void CControlesPagina::CamposDerivados(int /*hoja*/) {}

void CControlesPagina::AvisoPagina(int /*palabra*/) {}

void CControlesPagina::AvisoAdicional() {}

// ---- loading ----

int CControlesPagina::CargarFilas(int idPagina, double escala, CBaseDatos* baseDatos, bool variante) {
  // A page is loaded into an empty array, so that a box's position stays its number - 1.
  if (!m_campos.empty()) Liberar();

  CBaseDatos* bd = BaseDatos(baseDatos);
  CTabla controles(bd);
  if (bd == nullptr || controles.Abrir(1, kOrdenControles, kTablaControles) == 0) {
    PaginaImposible();
    return 0;
  }
  CTabla textos(bd);
  if (textos.Abrir(1, variante ? kOrdenControlesVariante : kOrdenControles,
                   NombreTablaIdioma(kTablaControles, LetraIdiomaV())) == 0) {
    PaginaImposible();
    return 0;
  }

  const std::string clave = ClaveIndiceFich(idPagina);
  if (controles.Buscar(clave, true, {}, false) == 0) {
    ControlesDeteriorados();
    return 0;
  }
  const plataforma::CCondicion dePagina = plataforma::CCondicion::Campo("IndiceFich", plataforma::EComparacion::Igual, clave);
  const char moneda = MonedaEnUso();
  bool correcta = true;
  while (controles.Cumple(dePagina) != 0) {
    auto campo = std::make_unique<CCampo>();
    const std::string indice = LeerClave(controles, "IndiceFich");
    const std::string numero = LeerClave(controles, "IndNumero");
    campo->IndiceFich = static_cast<std::int32_t>(plataforma::LeeEntero(indice));
    campo->IndNumero = static_cast<std::int32_t>(plataforma::LeeEntero(numero));
    campo->fminternet = LeerTexto(controles, "fminternet", kMaxFmInternet);
    campo->Idinternet = LeerEntero(controles, "Idinternet");
    LeerCoordenadas(controles, *campo, escala);
    campo->NumeroDeCo = LeerEntero(controles, "NumeroDeCo");
    campo->SoloLectur = LeerLogico(controles, "SoloLectur");
    campo->PintarEn = LeerEntero(controles, "PintarEn");
    campo->Identifica = LeerTexto(controles, "Identifica", kMaxIdentifica);
    campo->StrValidac = LeerTexto(controles, "StrValidac", kMaxStrValidac);
    campo->FicheroTab = LeerTexto(controles, "FicheroTab", kMaxFicheroTab);
    campo->NombreVent = LeerTexto(controles, "NombreVent", kMaxNombreVent);
    if (!variante) campo->AdmitNega = LeerLogico(controles, "AdmitNega");

    // A box without a row in the twin keeps empty texts.
    if (textos.Buscar(indice + numero, false, {}, false) != 0) {
      campo->TituloVent = LeerTexto(textos, "TituloVent", kMaxTituloVent);
      campo->TextoDibuj = LeerTexto(textos, "TextoDibuj", kMaxTextoDibuj);
    }

    // Notifications carry the number and the array is indexed by position: a row out of sequence would send
    // every event after it to the wrong box.
    if (campo->IndNumero != NumeroDePosicion(NumeroCampos())) {
      correcta = false;
      break;
    }
    campo->LeerMascara(moneda);
    campo->SoloLecturInicial = campo->SoloLectur;
    m_campos.push_back(std::move(campo));
    if (controles.Siguiente() == 0) break;
  }
  controles.Cerrar();
  textos.Cerrar();

  if (!correcta) {
    ControlesDeteriorados();
    return 0;
  }
  Enlazar(0);
  AvisoPagina(1);
  return 1;
}

int CControlesPagina::LeerCoordenadasPagina(int idPagina, double escala, CBaseDatos* baseDatos) {
  CBaseDatos* bd = BaseDatos(baseDatos);
  CTabla controles(bd);
  if (bd == nullptr || controles.Abrir(1, kOrdenControles, kTablaControles) == 0) return 0;
  const std::string clave = ClaveIndiceFich(idPagina);
  if (controles.Buscar(clave, true, {}, false) == 0) return 0;
  const plataforma::CCondicion dePagina = plataforma::CCondicion::Campo("IndiceFich", plataforma::EComparacion::Igual, clave);
  for (std::size_t i = 0; i < m_campos.size() && controles.Cumple(dePagina) != 0; ++i) {
    LeerCoordenadas(controles, *m_campos[i], escala);
    if (controles.Siguiente() == 0) break;
  }
  return 1;
}

void CControlesPagina::Liberar() {
  LiberarEnlaces();
  m_campos.clear();
}

int CControlesPagina::TieneDatos(int conjunto) const { return TieneDatos(conjunto, EntornoCampoActual()); }

int CControlesPagina::TieneDatos(int conjunto, const SEntornoCampo& entorno) const {
  if (conjunto < 0 || conjunto >= kNumeroConjuntosTieneDatos) return 0;
  const auto& excluidos = IdentificadoresExcluidos()[static_cast<std::size_t>(conjunto)];
  for (const auto& campo : m_campos) {
    if (campo->PintarEn != kPintarSiempre || campo->TieneValor(entorno) == 0) continue;
    bool excluido = false;
    for (std::string_view id : excluidos) {
      if (campo->Identifica == id) {
        excluido = true;
        break;
      }
    }
    if (!excluido) return 1;
  }
  return 0;
}

}  // namespace marco
