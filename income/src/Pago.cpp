#include "income/Pago.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <string>

#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Validador.h"
#include "income/IdentificacionComun.h"
#include "income/Liquidacion.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "income/SIM001.h"

namespace renta {

namespace {

using M = SMarcasPago;

constexpr std::uint32_t kId = offsetof(DatosRenta, Identificacion);
constexpr std::uint32_t kRS = offsetof(DatosRenta, Resultados);
constexpr std::uint32_t kMiembro = 5 * sizeof(double);

constexpr SLugarDatos Id(std::uint32_t desp, std::uint32_t tamano) { return {kId + desp, tamano}; }
constexpr SLugarDatos Rs(std::uint32_t desp, std::uint32_t tamano) { return {kRS + desp, tamano}; }
constexpr SLugarDatos Importe(std::uint32_t desp) { return {kRS + desp, kMiembro}; }
constexpr std::uint32_t kSujetos = kNumeroSujetos;

// The places of ORD017's boxes (the header name, the declarant's tax number, the copy of the final differences and
// the copy label are bound apart: boxes 7, 19, 21 and 50).
constexpr SCasillaDatos kCasillasPago[] = {
    {1, Id(452, 18), {}},
    {2, Id(473, 18), {}},
    {3, Id(450, 2), {}},
    {4, Id(470, 3), {}},
    {5, Id(kDespReferencia, kAnchoReferencia * kSujetos), {}},
    {6, Id(kDespNif, kAnchoNif * kSujetos), {}},
    {8, Id(781, 3 * kSujetos), {}},
    {9, Id(796, 26 * kSujetos), {}},
    {10, Id(926, 4 * kSujetos), {}},
    {11, Id(946, 2 * kSujetos), {}},
    {12, Id(956, 2 * kSujetos), {}},
    {13, Id(966, 2 * kSujetos), {}},
    {14, Id(1208, 9 * kSujetos), {}},
    {15, Id(976, 15 * kSujetos), {}},
    {16, Id(1051, 13 * kSujetos), {}},
    {17, Id(1116, 5 * kSujetos), {}},
    {18, Id(1263, 9 * kSujetos), {}},
    {20, Importe(M::kResultado), {}},
    {22, Rs(M::kA1, kSujetos), {}},
    {23, Rs(M::kA2, kSujetos), {}},
    {24, Importe(M::kPrimerImporte), {}},
    {25, Rs(M::kB1, kSujetos), {}},
    {26, Rs(M::kB2, kSujetos), {}},
    {27, Rs(M::kCuentas[0], 4 * kSujetos), {}},
    {28, Rs(M::kCuentas[0] + 20, 4 * kSujetos), {}},
    {29, Rs(M::kCuentas[0] + 40, 2 * kSujetos), {}},
    {30, Rs(M::kCuentas[0] + 50, 10 * kSujetos), {}},
    {31, Rs(M::kC1, kSujetos), {}},
    {32, Rs(M::kC2, kSujetos), {}},
    {33, Importe(M::kSegundoImporte), {}},
    {34, Rs(M::kCuentas[1], 4 * kSujetos), {}},
    {35, Rs(M::kCuentas[1] + 20, 4 * kSujetos), {}},
    {36, Rs(M::kCuentas[1] + 40, 2 * kSujetos), {}},
    {37, Rs(M::kCuentas[1] + 50, 10 * kSujetos), {}},
    {38, Rs(M::kD1, kSujetos), {}},
    {39, Rs(M::kD2, kSujetos), {}},
    {40, Importe(M::kDevolucion), {}},
    {41, Rs(M::kCuentas[2], 4 * kSujetos), {}},
    {42, Rs(M::kCuentas[2] + 20, 4 * kSujetos), {}},
    {43, Rs(M::kCuentas[2] + 40, 2 * kSujetos), {}},
    {44, Rs(M::kCuentas[2] + 50, 10 * kSujetos), {}},
    {45, Id(kDespCuenta, 20), {}},
    {46, Id(kDespFecha, 2), {}},
    {47, Id(kDespFecha + 2, 10), {}},
    {48, Id(kDespFecha + 12, 4), {}},
    {49, Id(kDespIdentificacion, kAnchoIdentificacion * kSujetos), {}},
};
constexpr int kCasillaNombre = 7;
constexpr int kCasillaNifDeclarante = 19;
constexpr int kCasillaCopia = 21;
constexpr int kCasillaEjemplar = 50;

// The first box of each account and the widths of its four parts.
constexpr int kPrimeraCasillaCuenta[3] = {27, 34, 41};
constexpr std::size_t kAnchosCuenta[4] = {4, 4, 2, 10};
constexpr std::size_t kDespParteCuenta[4] = {0, 20, 40, 50};

// The rules' view of the person's slots.
class CPagoPersona {
 public:
  CPagoPersona(DatosRenta& datos, int sujeto) : m_r(datos.Resultados.octetos), m_q(static_cast<std::size_t>(sujeto - 1)) {}
  unsigned char& Marca(std::size_t desp) { return m_r[desp + m_q]; }
  double Doble(std::size_t desp) const {
    double v = 0.0;
    std::memcpy(&v, m_r + desp + 8 * m_q, sizeof v);
    return v;
  }
  void PonerDoble(std::size_t desp, double v) { std::memcpy(m_r + desp + 8 * m_q, &v, sizeof v); }
  void BorrarCuenta(int cuenta) {
    for (int parte = 0; parte < 4; ++parte) {
      const std::size_t ancho = kAnchosCuenta[parte];
      std::memset(m_r + M::kCuentas[cuenta] + kDespParteCuenta[parte] + ancho * m_q, 0, ancho);
    }
  }

 private:
  unsigned char* m_r;
  std::size_t m_q;
};

void Bloquear(CasillasBloqueadas& b, std::initializer_list<int> casillas) {
  for (const int n : casillas) b.set(static_cast<std::size_t>(n));
}
void BloquearCuenta(CasillasBloqueadas& b, int cuenta) {
  for (int k = 0; k < 4; ++k) b.set(static_cast<std::size_t>(kPrimeraCasillaCuenta[cuenta] + k));
}

}  // namespace

CasillasBloqueadas AplicarReglasPago(DatosRenta& datos, int sujeto, std::array<double, 5>& copia) {
  CasillasBloqueadas bloqueadas;
  if (sujeto < 1 || sujeto > kNumeroSujetos) return bloqueadas;
  CPagoPersona p(datos, sujeto);
  const double r = p.Doble(M::kResultado);
  if (!TieneMarcaDiferencia(datos, sujeto)) {
    // The refund.
    if (r >= 0) {
      p.Marca(M::kD1) = 0;
      p.Marca(M::kD2) = 0;
      p.PonerDoble(M::kDevolucion, 0.0);
      Bloquear(bloqueadas, {38, 39});
      BloquearCuenta(bloqueadas, 2);
      p.BorrarCuenta(2);
    } else {
      if (p.Marca(M::kD1) == 0 && p.Marca(M::kD2) == 0) p.Marca(M::kD2) = 1;
      if (p.Marca(M::kD1) != 1) {
        p.Marca(M::kD1) = 0;
        p.Marca(M::kD2) = 1;
      } else {
        p.Marca(M::kD2) = 0;
        BloquearCuenta(bloqueadas, 2);
        p.BorrarCuenta(2);
      }
      p.PonerDoble(M::kDevolucion, -r);
    }
    // The payment.
    if (r <= 0) {
      for (const std::size_t m : {M::kA1, M::kA2, M::kB1, M::kB2, M::kC1, M::kC2}) p.Marca(m) = 0;
      p.PonerDoble(M::kPrimerImporte, 0.0);
      p.PonerDoble(M::kSegundoImporte, 0.0);
      Bloquear(bloqueadas, {31, 32, 22, 23, 25, 26});
      BloquearCuenta(bloqueadas, 0);
      p.BorrarCuenta(0);
      BloquearCuenta(bloqueadas, 1);
      p.BorrarCuenta(1);
    } else {
      if (p.Marca(M::kA1) == 0 && p.Marca(M::kA2) == 0) {
        p.Marca(M::kA1) = 1;
        p.Marca(M::kB1) = 1;
      }
      if (p.Marca(M::kA1) == 1) {
        p.PonerDoble(M::kPrimerImporte, r);
        p.Marca(M::kA2) = 0;
        p.Marca(M::kC1) = 0;
        p.Marca(M::kC2) = 0;
        p.PonerDoble(M::kSegundoImporte, 0.0);
        Bloquear(bloqueadas, {31, 32});
        BloquearCuenta(bloqueadas, 1);
        p.BorrarCuenta(1);
      } else {
        if (p.Marca(M::kC1) == 0 && p.Marca(M::kC2) == 0) p.Marca(M::kC1) = 1;
        const double primero = kPartePrimerPlazo * r;
        p.PonerDoble(M::kPrimerImporte, primero);
        p.PonerDoble(M::kSegundoImporte, p.Marca(M::kC1) == 0 ? r - primero : 0.0);
        p.Marca(M::kA1) = 0;
        if (p.Marca(M::kC1) == 1) {
          BloquearCuenta(bloqueadas, 1);
          p.BorrarCuenta(1);
        }
      }
      if (p.Marca(M::kB1) == 1) {
        p.Marca(M::kB2) = 0;
        BloquearCuenta(bloqueadas, 0);
        p.BorrarCuenta(0);
      } else {
        p.Marca(M::kB1) = 0;
      }
    }
    return bloqueadas;
  }

  // A person whose final difference is marked pays it at once, or has nothing to pay; never a refund.
  const std::size_t q = static_cast<std::size_t>(sujeto - 1);
  if (copia[q] > 0) {
    p.PonerDoble(M::kPrimerImporte, p.Doble(M::kDiferencia));
    p.Marca(M::kA1) = 1;
    p.Marca(M::kA2) = 0;
    Bloquear(bloqueadas, {22, 23});
    if (p.Marca(M::kB1) == 1) {
      p.Marca(M::kB2) = 0;
      BloquearCuenta(bloqueadas, 0);
      p.BorrarCuenta(0);
    } else {
      p.Marca(M::kB1) = 0;
    }
  } else {
    copia[q] = 0.0;
    p.PonerDoble(M::kPrimerImporte, 0.0);
    for (const std::size_t m : {M::kA1, M::kA2, M::kB1, M::kB2}) p.Marca(m) = 0;
    Bloquear(bloqueadas, {22, 23, 25, 26});
    BloquearCuenta(bloqueadas, 0);
    p.BorrarCuenta(0);
  }
  p.Marca(M::kC1) = 0;
  p.Marca(M::kC2) = 0;
  p.PonerDoble(M::kSegundoImporte, 0.0);
  Bloquear(bloqueadas, {31, 32});
  p.BorrarCuenta(1);
  p.Marca(M::kD1) = 0;
  p.Marca(M::kD2) = 0;
  p.PonerDoble(M::kDevolucion, 0.0);
  Bloquear(bloqueadas, {38, 39});
  BloquearCuenta(bloqueadas, 2);
  p.BorrarCuenta(2);
  return bloqueadas;
}

// ---- ORD017 ----

CControlesORD017::CControlesORD017() = default;
CControlesORD017::~CControlesORD017() = default;

void CControlesORD017::PonerDatos(DatosRenta* datos, SCabeceraPagina cabecera, marco::CValidador* validador) {
  m_pDatos = datos;
  m_cabecera = cabecera;
  m_pValidador = validador;
}

void CControlesORD017::TomarDocumento() {
  if (CRentaDoc* documento = TomarDocumentoRenta(*this, m_pDatos, m_cabecera)) {
    m_pValidador = &documento->Validador();
  }
}

int CControlesORD017::Sujeto() {
  const std::int32_t sujeto = marco::DameSujetoActual();
  return sujeto >= 1 && sujeto <= kNumeroSujetos ? sujeto : marco::kSujetoUnidadFamiliar;
}

unsigned char& CControlesORD017::Byte(std::size_t desp) {
  return m_pDatos->Resultados.octetos[desp + static_cast<std::size_t>(Sujeto() - 1)];
}

void CControlesORD017::Enlazar(int liberarAntes) {
  if (liberarAntes != 0) LiberarEnlaces();
  TomarDocumento();
  LiberarEnlaces();
  if (m_pDatos == nullptr) return;
  std::memcpy(m_copiaDiferencias.data(), m_pDatos->Resultados.octetos + M::kDiferencia, sizeof m_copiaDiferencias);
  EnlazarCasilla(CampoDeNumero(kCasillaNombre), m_cabecera.nombre, kAnchoCabeceraTexto);
  EnlazarCasilla(CampoDeNumero(kCasillaNifDeclarante), m_cabecera.nif, kAnchoCabeceraNif);
  EnlazarCasilla(CampoDeNumero(kCasillaCopia), m_copiaDiferencias.data(), sizeof m_copiaDiferencias);
  EnlazarCasilla(CampoDeNumero(kCasillaEjemplar), m_cabecera.ejemplar, kAnchoCabeceraTexto);
  EnlazarCasillasDatos(*this, kCasillasPago, *m_pDatos);
  AvisoCampo(0);
}

void CControlesORD017::LiberarEnlaces() {
  for (int i = 0; i < NumeroCampos(); ++i) EnlazarCasilla(Campo(i), nullptr, 0);
}

void CControlesORD017::Refrescar() { Enlazar(0); }

void CControlesORD017::AvisoCampo(int /*numero*/) {
  if (m_pDatos == nullptr) return;
  const CasillasBloqueadas bloqueadas = AplicarReglasPago(*m_pDatos, Sujeto(), m_copiaDiferencias);
  // The boxes the rules speak of: the marks, the accounts; the others keep the state of their layout.
  static constexpr int kGobernadas[] = {22, 23, 25, 26, 27, 28, 29, 30, 31, 32, 38, 39, 41, 42, 43, 44};
  for (const int n : kGobernadas) PonerSoloLectura(CampoDeNumero(n), bloqueadas.test(static_cast<std::size_t>(n)));
  // Account 2 keeps its state when the rules say nothing of it (a marked person).
  for (int n = 34; n <= 37; ++n) {
    if (bloqueadas.test(static_cast<std::size_t>(n))) {
      PonerSoloLectura(CampoDeNumero(n), true);
    } else if (!TieneMarcaDiferencia(*m_pDatos, Sujeto())) {
      PonerSoloLectura(CampoDeNumero(n), false);
    }
  }
}

int CControlesORD017::ReglaSegundoPlazo() {
  if (m_pDatos == nullptr) return 0;
  if (TieneMarcaDiferencia(*m_pDatos, Sujeto())) {
    marco::CDlgMensaje().MostrarMensaje(kMensajeSinFraccionar, marco::IconoMano);
    return 0;
  }
  Byte(M::kA1) = Byte(M::kA2) == 1 ? 0 : 1;
  return 1;
}

int CControlesORD017::AplicarDependencia(int numero) {
  if (m_pDatos == nullptr) return 0;
  const auto par = [&](std::size_t propia, std::size_t otra) { Byte(otra) = Byte(propia) == 1 ? 0 : 1; };
  switch (numero) {
    case 22:
      if (Byte(M::kA1) == 1) {
        Byte(M::kA2) = 0;
      } else if (ReglaSegundoPlazo() != 0) {
        Byte(M::kA2) = 1;
      }
      break;
    case 23: ReglaSegundoPlazo(); break;
    case 25: par(M::kB1, M::kB2); break;
    case 26: par(M::kB2, M::kB1); break;
    case 31: par(M::kC1, M::kC2); break;
    case 32: {
      par(M::kC2, M::kC1);
      if (Byte(M::kC2) == 1) {
        // Account 2 still empty: it takes account 1.
        const std::size_t q = static_cast<std::size_t>(Sujeto() - 1);
        unsigned char* r = m_pDatos->Resultados.octetos;
        bool vacia = true;
        for (int parte = 0; parte < 4; ++parte) {
          const unsigned char c = r[M::kCuentas[1] + kDespParteCuenta[parte] + kAnchosCuenta[parte] * q];
          if (c != 0 && c != ' ') vacia = false;
        }
        if (vacia) {
          for (int parte = 0; parte < 4; ++parte) {
            const std::size_t ancho = kAnchosCuenta[parte];
            std::memcpy(r + M::kCuentas[1] + kDespParteCuenta[parte] + ancho * q,
                        r + M::kCuentas[0] + kDespParteCuenta[parte] + ancho * q, ancho);
          }
        }
      }
      break;
    }
    case 38: par(M::kD1, M::kD2); break;
    case 39: par(M::kD2, M::kD1); break;
    default: return 0;
  }
  return 1;
}

int CControlesORD017::MarcaBorrada(int numero) {
  if (m_pDatos == nullptr) return 0;
  switch (numero) {
    case 22:
      if (ReglaSegundoPlazo() != 0) Byte(M::kA2) = 1;
      break;
    case 23: Byte(M::kA1) = 1; break;
    case 25: Byte(M::kB2) = 1; break;
    case 26: Byte(M::kB1) = 1; break;
    case 31: Byte(M::kC2) = 1; break;
    case 32: Byte(M::kC1) = 1; break;
    case 38: Byte(M::kD2) = 1; break;
    case 39: Byte(M::kD1) = 1; break;
    default: return 0;
  }
  return 1;
}

int CControlesORD017::ComprobarCuenta(int numero) {
  if (m_pDatos == nullptr) return 1;
  int cuenta = -1;
  for (int k = 0; k < 3; ++k) {
    if (numero >= kPrimeraCasillaCuenta[k] && numero < kPrimeraCasillaCuenta[k] + 4) cuenta = k;
  }
  if (cuenta < 0 || m_pValidador == nullptr) return 1;
  const std::size_t q = static_cast<std::size_t>(Sujeto() - 1);
  unsigned char* r = m_pDatos->Resultados.octetos;
  std::string entera;
  for (int parte = 0; parte < 4; ++parte) {
    const std::size_t ancho = kAnchosCuenta[parte];
    entera.append(reinterpret_cast<const char*>(r + M::kCuentas[cuenta] + kDespParteCuenta[parte] + ancho * q), ancho);
  }
  for (char& c : entera) {
    if (c == '\0') c = ' ';
  }
  if (m_pValidador->ValidarCampo(10, entera.data()) != 0) return 1;
  const int parte = numero - kPrimeraCasillaCuenta[cuenta];
  const std::size_t ancho = kAnchosCuenta[parte];
  std::memset(r + M::kCuentas[cuenta] + kDespParteCuenta[parte] + ancho * q, ' ', ancho);
  return 0;
}

// ---- ORD018 ----

void CControlesORD018::PonerDatos(DatosRenta* datos, SCabeceraPagina cabecera) {
  m_pDatos = datos;
  m_cabecera = cabecera;
}

void CControlesORD018::Enlazar(int liberarAntes) {
  if (liberarAntes != 0) LiberarEnlaces();
  TomarDocumentoRenta(*this, m_pDatos, m_cabecera);
  LiberarEnlaces();
  if (m_pDatos == nullptr) return;
  // ORD017's places: boxes 1-22 the same (21 the final differences themselves), then one less from ORD017's 24.
  const auto numero = [](int n) { return n <= 22 ? n : n - 1; };
  for (const SCasillaDatos& c : kCasillasPago) {
    if (c.numero == 23) continue;
    const SCasillaDatos propia{numero(c.numero), c.valor, c.enlace};
    EnlazarCasillasDatos(*this, std::span<const SCasillaDatos>(&propia, 1), *m_pDatos);
  }
  EnlazarCasilla(CampoDeNumero(kCasillaNombre), m_cabecera.nombre, kAnchoCabeceraTexto);
  EnlazarCasilla(CampoDeNumero(kCasillaNifDeclarante), m_cabecera.nif, kAnchoCabeceraNif);
  EnlazarCasilla(CampoDeNumero(kCasillaCopia), m_pDatos->Resultados.octetos + M::kDiferencia, kMiembro);
  EnlazarCasilla(CampoDeNumero(numero(kCasillaEjemplar)), m_cabecera.ejemplar, kAnchoCabeceraTexto);
}

void CControlesORD018::LiberarEnlaces() {
  for (int i = 0; i < NumeroCampos(); ++i) EnlazarCasilla(Campo(i), nullptr, 0);
}

void CControlesORD018::Refrescar() { Enlazar(0); }

// ---- views ----

wxIMPLEMENT_DYNAMIC_CLASS(ORD017, CRentaVista);
wxIMPLEMENT_DYNAMIC_CLASS(ORD018, CRentaVista);

ORD017::ORD017() { PonerControles(std::make_unique<CControlesORD017>()); }

CControlesORD017* ORD017::Controles() const { return static_cast<CControlesORD017*>(DameControles()); }

void ORD017::RefrescarControles() {
  Controles()->Refrescar();
  CRentaVista::RefrescarControles();
}

int ORD017::Recalcular(int /*numero*/) {
  MarcarDocumentoModificado();
  RefrescarControles();
  return 0;
}

int ORD017::CampoBorrado(int numero) {
  if (Controles()->MarcaBorrada(numero) != 0) MarcarDocumentoModificado();
  RefrescarControles();
  return 1;
}

int ORD017::AplicarDependencias(int numero) {
  if (Controles()->AplicarDependencia(numero) != 0) MarcarDocumentoModificado();
  RefrescarControles();
  return 1;
}

int ORD017::ComprobarCampo(int numero) {
  Controles()->ComprobarCuenta(numero);
  RefrescarControles();
  ActualizarVistasValores();
  return 1;
}

ORD018::ORD018() { PonerControles(std::make_unique<CControlesORD018>()); }

int ORD018::Recalcular(int /*numero*/) {
  MarcarDocumentoModificado();
  return 0;
}

int ORD018::CampoBorrado(int /*numero*/) { return 1; }

int ORD018::ComprobarCampo(int /*numero*/) {
  RefrescarControles();
  ActualizarVistasValores();
  return 1;
}

// ---- the printed identification page of D-101 ----

class SIM010 : public CVistaIdentificacion {
 public:
  SIM010() : CVistaIdentificacion(std::make_unique<CControlesSIM001>()) {}
  std::string_view DameNombrePagina() const override { return "SIM010"; }
  int DameNumeroPagina() override { return 110; }

 private:
  wxDECLARE_DYNAMIC_CLASS(SIM010);
};
wxIMPLEMENT_DYNAMIC_CLASS(SIM010, CVistaIdentificacion);

std::span<wxClassInfo* const> ClasesPaginasFinales() {
  static wxClassInfo* const kClases[] = {wxCLASSINFO(SIM005), wxCLASSINFO(SIM006), wxCLASSINFO(SIM007),
                                         wxCLASSINFO(SIM010), wxCLASSINFO(ORD017), wxCLASSINFO(ORD018)};
  return kClases;
}

}  // namespace renta
