#include "wealth/PAT0Paginas.h"

#include <cstring>
#include <string>

#include "framework/Campo.h"
#include "framework/Mensajes.h"
#include "framework/Pista.h"
#include "framework/ReferenciaReglas.h"
#include "framework/Validador.h"
#include "wealth/C714Doc.h"
#include "wealth/C714Reglas.h"
#include "wealth/CamposPatrimonio.h"
#include "wealth/PAT0Reglas.h"

namespace patrimonio {

// Each page's run-time class is made (and so registered) the first time it is asked for.
#define KORVELIX_IMPLEMENTA_PAGINA_714(clase)                                                                  \
  wxClassInfo* clase::ClaseInfo() {                                                                          \
    static wxClassInfo info(wxT(#clase), wxCLASSINFO(C714Vista), nullptr, static_cast<int>(sizeof(clase)),   \
                            +[]() -> wxObject* { return new clase; });                                       \
    return &info;                                                                                            \
  }
KORVELIX_IMPLEMENTA_PAGINA_714(PAT001)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT002)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT003)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT004)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT005)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT006)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT007)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT008)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT009)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT010)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT011)
KORVELIX_IMPLEMENTA_PAGINA_714(PAT012)
#undef KORVELIX_IMPLEMENTA_PAGINA_714

namespace {

constexpr std::array<std::string_view, kPaginas714> kNombres{"PAT001", "PAT002", "PAT003", "PAT004",
                                                             "PAT005", "PAT006", "PAT007", "PAT008",
                                                             "PAT009", "PAT010", "PAT011", "PAT012"};

// Check types of the box checks.
constexpr int kValidarNif = 2;
constexpr int kValidarFechaFirma = 6;
constexpr int kValidarCodigoPostal = 8;
constexpr int kValidarCuenta = 10;
constexpr int kValidarAno = 16;
constexpr int kValidarNifEntidad = 22;

void ZeroBytes(RegPatDatosPersonales& dp, std::size_t desde, std::size_t n) {
  if (desde + n <= sizeof dp.octetos) std::memset(dp.octetos + desde, 0, n);
}

}  // namespace

const std::array<wxClassInfo*, kPaginas714>& RegistrarPaginas714() {
  static const std::array<wxClassInfo*, kPaginas714> clases{
      PAT001::ClaseInfo(), PAT002::ClaseInfo(), PAT003::ClaseInfo(), PAT004::ClaseInfo(),
      PAT005::ClaseInfo(), PAT006::ClaseInfo(), PAT007::ClaseInfo(), PAT008::ClaseInfo(),
      PAT009::ClaseInfo(), PAT010::ClaseInfo(), PAT011::ClaseInfo(), PAT012::ClaseInfo()};
  return clases;
}

C714VistaPagina::C714VistaPagina(int pagina) : m_nPagina(pagina) { PonerControles(CrearControles714(pagina)); }

std::string_view C714VistaPagina::NombrePagina() const {
  return m_nPagina >= 1 && m_nPagina <= kPaginas714 ? kNombres[static_cast<std::size_t>(m_nPagina - 1)]
                                                    : std::string_view{};
}

// ---- pages 2 to 8 ----

int C714VistaSeccion::ComprobarCampo(int numero) {
  DatosPatrimonio* datos = Datos();
  if (datos != nullptr && RecalcularSeccion714(*datos, NumeroPagina714(), numero)) RecalcularLiquidacion();
  return 1;
}

// ---- page 1 ----

void PAT001::Cola() {
  if (DatosPatrimonio* datos = Datos()) Calculos714DP(&datos->PatDatosPersonales);
  RecalcularLiquidacion();
}

void PAT001::ColaCodigo() {
  RecalcularLiquidacion();
  if (C714Doc* doc = DameDocumento714()) doc->ActualizarVistas(marco::kPistaValores);
}

void PAT001::ComponerNombre() {
  C714Doc* doc = DameDocumento714();
  DatosPatrimonio* datos = Datos();
  if (doc == nullptr || datos == nullptr) return;
  const std::string texto = ComponerTextoNombre(datos->PatDatosPersonales);
  char* destino = doc->TextoNombre();
  std::memset(destino, 0, kAnchoTextoNombre + 1);
  std::memcpy(destino, texto.data(), std::min(texto.size(), kAnchoTextoNombre));
}

int PAT001::AplicarDependencias(int numero) {
  DatosPatrimonio* datos = Datos();
  if (datos == nullptr) return 0;
  RegPatDatosPersonales& dp = datos->PatDatosPersonales;
  switch (numero) {
    case 1:
      // Another delegation: its office no longer holds.
      BlanquearAdministracion714(dp);
      RedibujarCampo(3);
      RedibujarCampo(2);
      RedibujarCampo(4);
      Cola();
      return 1;
    case 2:
      RedibujarCampo(4);
      Cola();
      return 1;
    case 5:
      ZeroBytes(dp, personales::CodigoPagina1.desplazamiento, personales::CodigoPagina1.ancho);
      if (Controles() != nullptr) Controles()->AvisoCampo(0);
      marco::PonerRecomponerIdentificacion(true);
      Cola();
      return 1;
    case 30:
    case 31:
    case 32:
      if (Controles() != nullptr) Controles()->AvisoCampo(numero);
      marco::PonerRecomponerIdentificacion(true);
      Cola();
      return 1;
    case 33:
    case 34:
      marco::PonerRecomponerIdentificacion(true);
      return 0;
    default: return 0;
  }
}

int PAT001::ComprobarCampo(int numero) {
  C714Doc* doc = DameDocumento714();
  DatosPatrimonio* datos = Datos();
  if (doc == nullptr || datos == nullptr) return 1;
  RegPatDatosPersonales& dp = datos->PatDatosPersonales;
  auto* p = reinterpret_cast<char*>(dp.octetos);
  marco::CValidador& validador = doc->Validador();
  switch (numero) {
    case 3:
      BlanquearAdministracion714(dp);
      RedibujarCampo(2);
      RedibujarCampo(4);
      ColaCodigo();
      return 1;
    case 4:
      RedibujarCampo(2);
      ColaCodigo();
      return 1;
    case 5:
      if (Controles() != nullptr) Controles()->AvisoCampo(0);
      marco::PonerRecomponerIdentificacion(true);
      Calculos714DP(&dp);
      ColaCodigo();
      return 1;
    case 6:
      if (validador.ValidarCampo(kValidarNif, p + personales::Nif.desplazamiento) == 1) {
        std::memcpy(doc->NifDeclarante(), p + personales::Nif.desplazamiento, personales::Nif.ancho);
        doc->NifDeclarante()[personales::Nif.ancho] = '\0';
        return 1;
      }
      ColaCodigo();
      return 0;
    case 15:
      CopiarLugarFirma714(dp);
      return 1;
    case 16:
    case 28: {
      const std::size_t nombre = numero == 16 ? 273 : 435;
      const std::size_t postal = numero == 16 ? 293 : 455;
      if (const auto prefijo = PrefijoProvincia714(nullptr, LeeTexto(dp, SCampo{nombre, 15}))) {
        EscribeTexto(dp, SCampo{postal, 5}, CodigoPostalDeProvincia714(*prefijo));
        RedibujarCampo(numero + 1);
        IrACampo(marco::CControlesPagina::PosicionDeNumero(numero + 1));
      }
      RefrescarControles();
      return 1;
    }
    case 17:
    case 29:
    case 18: {
      const int tipo = numero == 18 ? kValidarNifEntidad : kValidarCodigoPostal;
      const std::size_t desde = numero == 17 ? 293 : numero == 29 ? 455 : 299;
      if (validador.ValidarCampo(tipo, p + desde) == 1) return 1;
      ColaCodigo();
      return 0;
    }
    case 36:
      if (validador.ValidarCampo(kValidarFechaFirma, p + 507) == 1) return 1;
      ZeroBytes(dp, 507, 2);
      return 0;
    case 37:
      if (validador.ValidarCampo(kValidarFechaFirma, p + 507) == 1) return 1;
      ZeroBytes(dp, 509, 10);
      return 0;
    case 38:
      if (validador.ValidarCampo(kValidarAno, p + 519) == 1 &&
          validador.ValidarCampo(kValidarFechaFirma, p + 507) == 1) {
        return 1;
      }
      ZeroBytes(dp, 519, 4);
      return 0;
    default: return 1;
  }
}

int PAT001::Recalcular(int numero) {
  if (numero == 7) ComponerNombre();
  return 0;
}

void PAT001::ConfirmarCampoActivo() {
  C714Vista::ConfirmarCampoActivo();
  ComponerNombre();
}

// ---- page 10 ----

int PAT010::ComprobarCampo(int numero) {
  DatosPatrimonio* datos = Datos();
  if (datos == nullptr) return 1;
  if (numero == 22 && !CeutaMelillaAdmitido714(datos->PatResumen)) {
    marco::AvisarError(kMensajeCeutaMelilla, marco::IconoMano, kTextoCeutaMelilla);
    EscribeDouble(datos->PatResumen, 488, 0.0);
    RefrescarControles();
    return 0;
  }
  if (numero == 11 || numero == 19 || numero == 22) {
    Calculos714LI(&datos->PatResumen, -1);
    Calculos714LI(&datos->PatResumen, 0);
    RecalcularLiquidacion();
  }
  return 1;
}

int PAT010::Recalcular(int numero) {
  DatosPatrimonio* datos = Datos();
  if (datos != nullptr && (numero == 11 || numero == 19)) {
    Calculos714LI(&datos->PatResumen, numero == 11 ? 1 : 2);
    RecalcularLiquidacion();
  }
  MarcarDocumentoModificado();
  return 1;
}

void PAT010::RefrescarControles() {
  auto* controles = static_cast<CControlesPAT010*>(DameControles());
  if (controles != nullptr) {
    controles->AplicarMarcaMinimo();
    // The input leaves a detail box that has just become read-only.
    const int activo = NumeroCampoActivo();
    const marco::CCampo* campo = controles->CampoDeNumero(activo);
    if ((activo == 11 || activo == 19) && campo != nullptr && campo->SoloLectur != 0) SaltarCampo(1);
  }
  C714Vista::RefrescarControles();
}

// ---- page 11 ----

void PAT011::CuentaSegunMarcas() {
  auto* controles = static_cast<CControlesPAT011*>(DameControles());
  if (controles == nullptr) return;
  controles->AplicarMarcasCuenta();
  for (int numero = 23; numero <= 29; ++numero) RedibujarCampo(numero);
}

int PAT011::AplicarDependencias(int numero) {
  DatosPatrimonio* datos = Datos();
  if (datos == nullptr || (numero != 23 && numero != 24)) return 0;
  AplicarMarcasPago714(datos->PatDI, numero);
  CuentaSegunMarcas();
  return 1;
}

int PAT011::CampoBorrado(int numero) {
  DatosPatrimonio* datos = Datos();
  if (datos == nullptr || (numero != 23 && numero != 24)) return 0;
  BorrarMarcaPago714(datos->PatDI, numero);
  CuentaSegunMarcas();
  return 1;
}

int PAT011::ComprobarCampo(int numero) {
  C714Doc* doc = DameDocumento714();
  DatosPatrimonio* datos = Datos();
  if (doc == nullptr || datos == nullptr) return 1;
  RegPatDI& di = datos->PatDI;
  auto* controles = DameControles();
  if (numero == 20) {
    marco::PonerRecomponerIdentificacion(true);
    const bool negativo = LeeDouble(di, di::Cuota) - LeeDouble(di, di::ImporteDeducido) < 0.0;
    if (negativo) {
      EscribeByte(di, di::Marca1, 0);
      EscribeByte(di, di::Domiciliacion, 0);
      EscribeTexto(di, di::Cuenta, std::string(di::Cuenta.ancho, ' '));
    }
    if (controles != nullptr) {
      controles->PonerSoloLectura(23, negativo);
      controles->PonerSoloLectura(24, negativo);
    }
    CuentaSegunMarcas();
  } else if (numero >= 26 && numero <= 29) {
    auto* cuenta = reinterpret_cast<char*>(di.octetos + di::Cuenta.desplazamiento);
    if (doc->Validador().ValidarCampo(kValidarCuenta, cuenta) != 1) {
      // The part just typed is cleared and the input goes on to the part after it.
      static constexpr std::array<std::pair<std::size_t, std::size_t>, 4> kPartes{{{0, 4}, {4, 4}, {8, 2}, {10, 10}}};
      const auto [desde, n] = kPartes[static_cast<std::size_t>(numero - 26)];
      std::memset(cuenta + desde, 0, n);
      RedibujarCampo(numero);
      if (numero < 29) IrACampo(marco::CControlesPagina::PosicionDeNumero(numero + 1));
    }
  }
  doc->Calcular(1);
  RefrescarControles();
  return 1;
}

void PAT011::RefrescarControles() {
  auto* controles = static_cast<CControlesPAT011*>(DameControles());
  DatosPatrimonio* datos = Datos();
  if (controles != nullptr && datos != nullptr) {
    const bool cuota = LeeByte(datos->PatDatosPersonales, personales::CalculoCuota.desplazamiento) != 0;
    const bool positivo = AplicarResultado714(*datos);
    controles->PonerSoloLectura(20, !cuota);
    controles->PonerSoloLectura(23, !positivo);
    controles->PonerSoloLectura(24, !positivo);
    controles->AplicarMarcasCuenta();
  }
  C714Vista::RefrescarControles();
}

}  // namespace patrimonio
