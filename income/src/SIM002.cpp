#include "income/SIM002.h"

#include <algorithm>
#include <array>
#include <memory>

#include "framework/Campo.h"
#include "framework/Pista.h"
#include "framework/Validador.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace renta {

wxIMPLEMENT_ABSTRACT_CLASS(CVistaTrabajoCapital, CRentaVista);
wxIMPLEMENT_DYNAMIC_CLASS(SIM002, CVistaTrabajoCapital);

namespace {

using Z = EZonaCasilla;

// Bytes of the places.
constexpr std::uint16_t kImporte = 5 * sizeof(double);  // an ImportesMiembro
constexpr std::uint16_t kFilasTrabajo = 6 * 104;         // the six work-income detail rows
constexpr std::uint16_t kFilasInmobiliario = 6 * 72;     // the six real-estate detail rows
constexpr std::uint16_t kBloqueDividendos = 6 * 48;
constexpr std::uint16_t kBloqueIngresosRetenciones = 6 * 24;
constexpr std::uint16_t kBloqueIngresosGastos = 6 * 32;
constexpr std::uint16_t kBloqueReducciones = 6 * 16;
constexpr std::uint16_t kTextoReferencia = 20;

constexpr SLugarCasilla Importe(Z zona, std::uint16_t desplazamiento) { return {zona, desplazamiento, kImporte}; }
constexpr SLugarCasilla Nada() { return {}; }

constexpr SLugarCasilla kDetalleTrabajo{Z::RendTrabajo, 40, kFilasTrabajo};
constexpr SLugarCasilla kDetalleInmobiliario{Z::RendCapInmobiliario, 40, kFilasInmobiliario};

constexpr std::array<SEnlaceCasilla, kCasillasTrabajoCapital> kEnlaces{{
    {{Z::NifCabecera, 0, 9}, Nada()},                                                       // 1
    {{Z::NombreCabecera, 0, 40}, Nada()},                                                   // 2
    {Importe(Z::BaseImponible, 0), kDetalleTrabajo},                                        // 3
    {Importe(Z::RendTrabajo, 664), kDetalleTrabajo},                                        // 4
    {Importe(Z::RendTrabajo, 704), kDetalleTrabajo},                                        // 5
    {Importe(Z::RendTrabajo, 744), kDetalleTrabajo},                                        // 6
    {Importe(Z::BaseImponible, 40), kDetalleTrabajo},                                       // 7
    {Importe(Z::BaseImponible, 80), kDetalleTrabajo},                                       // 8
    {Importe(Z::BaseImponible, 120), kDetalleTrabajo},                                      // 9
    {Importe(Z::RendTrabajo, 784), kDetalleTrabajo},                                        // 10
    {Importe(Z::RendTrabajo, 824), kDetalleTrabajo},                                        // 11
    {Importe(Z::RendTrabajo, 864), kDetalleTrabajo},                                        // 12
    {Importe(Z::RendTrabajo, 904), kDetalleTrabajo},                                        // 13
    {Importe(Z::BaseImponible, 160), kDetalleTrabajo},                                      // 14
    {Importe(Z::RendTrabajo, 944), kDetalleTrabajo},                                        // 15
    {Importe(Z::BaseImponible, 200), kDetalleTrabajo},                                      // 16
    {Importe(Z::BaseImponible, 240), kDetalleTrabajo},                                      // 17
    {Importe(Z::RendCapInmobiliario, 0), kDetalleInmobiliario},                             // 18
    {Importe(Z::RendCapInmobiliario, 472), kDetalleInmobiliario, 2},                        // 19
    {Importe(Z::BaseImponible, 280), Nada()},                                               // 20
    {Importe(Z::RendCapInmobiliario, 512), kDetalleInmobiliario, 3},                        // 21
    {Importe(Z::RendCapInmobiliario, 552), kDetalleInmobiliario, 4},                        // 22
    {Importe(Z::RendCapInmobiliario, 592), kDetalleInmobiliario, 5},                        // 23
    {Importe(Z::RendCapInmobiliario, 632), kDetalleInmobiliario, 6},                        // 24
    {Importe(Z::BaseImponible, 320), Nada()},                                               // 25
    {Importe(Z::RendCapInmobiliario, 672), Nada()},                                         // 26
    {Importe(Z::BaseImponible, 360), Nada()},                                               // 27
    {Importe(Z::BaseImponible, 400), Nada()},                                               // 28
    {Importe(Z::RendCapMobiliario, 0), {Z::RendCapMobiliario, 40, kBloqueDividendos}},      // 29
    {Importe(Z::RendCapMobiliario, 328), {Z::RendCapMobiliario, 368, kBloqueIngresosRetenciones}},  // 30
    {Importe(Z::RendCapMobiliario, 512), {Z::RendCapMobiliario, 552, kBloqueIngresosGastos}},       // 31
    {Importe(Z::RendCapMobiliario, 744), {Z::RendCapMobiliario, 784, kBloqueIngresosRetenciones}},  // 32
    {Importe(Z::RendCapMobiliario, 928), {Z::RendCapMobiliario, 968, kBloqueIngresosGastos}},       // 33
    {Importe(Z::BaseImponible, 440), Nada()},                                               // 34
    {Importe(Z::RendCapMobiliario, 1160), Nada()},                                          // 35
    {Importe(Z::RendCapMobiliario, 1200), Nada()},                                          // 36
    {Importe(Z::BaseImponible, 480), Nada()},                                               // 37
    {Importe(Z::RendCapMobiliario, 1240), Nada()},                                          // 38
    {Importe(Z::BaseImponible, 520), {Z::RendCapMobiliario, 1280, kBloqueReducciones}},     // 39
    {Importe(Z::BaseImponible, 560), {Z::RendCapMobiliario, 1376, kBloqueReducciones}},     // 40
    {Importe(Z::BaseImponible, 600), Nada()},                                               // 41
    {Importe(Z::RendCapMobiliario, 1512), {Z::RendCapMobiliario, 1592, kBloqueReducciones}},  // 42
    {Importe(Z::RendCapMobiliario, 1552), {Z::RendCapMobiliario, 1592, kBloqueReducciones}},  // 43
    {{Z::Identificacion, 105, kTextoReferencia}, Nada()},                                   // 44
    {{Z::Ejemplar, 0, 40}, Nada()},                                                         // 45
}};

// The bytes of each area, so that every place of the table is checked to lie inside its area.
constexpr std::size_t TamanoZona(Z zona) {
  switch (zona) {
    case Z::Ninguna: return 0;
    case Z::NifCabecera: return 9;
    case Z::NombreCabecera: return 40;
    case Z::Ejemplar: return 40;
    case Z::Identificacion: return sizeof(RegIdentificacion);
    case Z::RendTrabajo: return sizeof(RegRendTrabajo);
    case Z::RendCapInmobiliario: return sizeof(RegRendCapInmobiliario);
    case Z::RendCapMobiliario: return sizeof(RegRendCapMobiliario);
    case Z::BaseImponible: return sizeof(RegBaseImponible);
  }
  return 0;
}

constexpr bool DentroDeSuZona(const SLugarCasilla& l) {
  return static_cast<std::size_t>(l.desplazamiento) + l.tamano <= TamanoZona(l.zona);
}

constexpr bool TablaDentroDeSusZonas() {
  for (const SEnlaceCasilla& e : kEnlaces) {
    if (!DentroDeSuZona(e.valor) || !DentroDeSuZona(e.detalle)) return false;
  }
  return true;
}
static_assert(TablaDentroDeSusZonas(), "a box place runs past its area");

// ---- the recalculation table ----

using P = EPasoCalculo;
constexpr SPasoCalculo kPasosA[] = {{P::SeccionA, -1}, {P::Reparto203}, {P::Reparto204}};
constexpr SPasoCalculo kPasosB[] = {{P::Reparto205}, {P::SeccionB, -1}};
constexpr SPasoCalculo kPasosC[][1] = {{{P::SeccionC, 1}}, {{P::SeccionC, 2}}, {{P::SeccionC, 3}}, {{P::SeccionC, 4}},
                                       {{P::SeccionC, 5}}, {{P::SeccionC, 6}}, {{P::SeccionC, 7}}};
constexpr SPasoCalculo kPasosEspecial[] = {{P::SeccionC, 8}, {P::TotalesF, -1}, {P::SeccionA, -1}};

unsigned char* Octetos(DatosRenta& d, Z zona) {
  switch (zona) {
    case Z::Identificacion: return d.Identificacion.octetos;
    case Z::RendTrabajo: return d.RendTrabajo.octetos;
    case Z::RendCapInmobiliario: return d.RendCapInmobiliario.octetos;
    case Z::RendCapMobiliario: return d.RendCapMobiliario.octetos;
    case Z::BaseImponible: return d.BaseImponible.octetos;
    default: return nullptr;
  }
}

void SeccionA(DatosRenta& d, const recalculo::FuncionesRenta& f) {
  // The family data go eleventh: the section reads them from there.
  f.A(&d.RendTrabajo, &d.BaseImponible, &d.RendCapInmobiliario, &d.RendCapMobiliario, &d.ApartadoD1, &d.ApartadoD2,
      &d.ApartadoD4, &d.ApartadoD5, &d.ApartadoF4, &d.Resultados, &d.DatosFamilia, -1);
}

}  // namespace

std::span<const SEnlaceCasilla, kCasillasTrabajoCapital> EnlacesTrabajoCapital() { return kEnlaces; }

unsigned char* DireccionLugar(const SLugarCasilla& lugar, CRentaDoc& documento) {
  unsigned char* base = nullptr;
  switch (lugar.zona) {
    case Z::Ninguna: return nullptr;
    case Z::NifCabecera: base = reinterpret_cast<unsigned char*>(documento.NifDeclarante()); break;
    case Z::NombreCabecera: base = reinterpret_cast<unsigned char*>(documento.TextoCabecera1()); break;
    case Z::Ejemplar: base = reinterpret_cast<unsigned char*>(documento.TextoEjemplar()); break;
    default: base = Octetos(documento.Datos(), lugar.zona); break;
  }
  return base != nullptr ? base + lugar.desplazamiento : nullptr;
}

void EnlazarTrabajoCapital(marco::CControlesPagina& controles, CRentaDoc* documento) {
  const auto enlaces = EnlacesTrabajoCapital();
  for (int i = 0; i < controles.NumeroCampos(); ++i) {
    marco::CCampo* campo = controles.Campo(i);
    if (campo == nullptr) continue;
    campo->Dato = nullptr;
    campo->Enlace = nullptr;
    campo->CampoDetalle = 0;
    if (documento == nullptr || i >= kCasillasTrabajoCapital) continue;
    const SEnlaceCasilla& enlace = enlaces[static_cast<std::size_t>(i)];
    const std::size_t ocupa = campo->TamanoValor() * static_cast<std::size_t>(std::max(1, campo->Repeticion));
    if (ocupa > 0 && ocupa <= enlace.valor.tamano) campo->Dato = DireccionLugar(enlace.valor, *documento);
    campo->Enlace = DireccionLugar(enlace.detalle, *documento);
    campo->CampoDetalle = campo->Enlace != nullptr ? enlace.campoDetalle : 0;
  }
}

std::span<const SPasoCalculo> PasosTrabajoCapital(int numero) {
  if (numero >= 3 && numero <= 13) return kPasosA;
  switch (numero) {
    case 18: case 19: case 21: case 22: case 23: case 24: return kPasosB;
    case 29: case 30: case 31: case 32: case 33: return kPasosC[numero - 29];
    case 39: case 40: return kPasosC[numero - 39 + 5];
    case 42: case 43: return kPasosEspecial;
    default: return {};
  }
}

int CalcularSeccionesTrabajoCapital(int numero, DatosRenta& d, marco::CValidador& validador,
                                    const recalculo::FuncionesRenta& f) {
  const std::span<const SPasoCalculo> pasos = PasosTrabajoCapital(numero);
  for (const SPasoCalculo& paso : pasos) {
    switch (paso.paso) {
      case P::SeccionA: SeccionA(d, f); break;
      case P::SeccionB: f.B1(&d.RendCapInmobiliario, &d.Resultados, &d.BaseImponible, paso.parte); break;
      case P::SeccionC: f.C(&d.RendCapMobiliario, &d.Resultados, &d.BaseImponible, paso.parte); break;
      case P::TotalesF:
        f.F4(&d.ApartadoF4, &d.ApartadoF1, &d.ApartadoF2, &d.ApartadoL, &d.BaseImponible, &d.RendCapMobiliario,
             &d.ApartadoF3, paso.parte);
        break;
      // The sums are not checks of a typed value: their answer means nothing here.
      case P::Reparto203: validador.ValidarCampo(203, d.RendTrabajo.octetos + 40); break;
      case P::Reparto204: validador.ValidarCampo(204, d.RendTrabajo.octetos + 40); break;
      case P::Reparto205: validador.ValidarCampo(205, d.RendCapInmobiliario.octetos + 40); break;
    }
  }
  return pasos.empty() ? 0 : 1;
}

// ---- the page classes ----

void CControlesTrabajoCapital::Enlazar(int /*liberarAntes*/) {
  auto* documento = dynamic_cast<CRentaDoc*>(DameDocumento());
  if (documento != nullptr) documento->RellenarCabecera();
  EnlazarTrabajoCapital(*this, documento);
}

void CControlesTrabajoCapital::Refrescar() {
  // The header follows the person shown: the view refreshes its boxes after every commit and person change.
  if (auto* documento = dynamic_cast<CRentaDoc*>(DameDocumento())) documento->RellenarCabecera();
}

int CVistaTrabajoCapital::DameNumeroPagina() { return IdPaginaDeNombre(DameNombrePagina()); }

int CVistaTrabajoCapital::Recalcular(int numero) {
  CRentaDoc* documento = DameDocumentoRenta();
  if (documento == nullptr) return 0;
  const int calculado =
      CalcularSeccionesTrabajoCapital(numero, documento->Datos(), documento->Validador(), *m_pFunciones);
  if (calculado != 0) {
    // The whole recalculation updates every view with hint 1.
    documento->Calcular(1);
    RefrescarControles();
  }
  documento->Modify(true);
  return calculado;
}

int CVistaTrabajoCapital::ComprobarCampo(int /*numero*/) {
  RefrescarControles();
  if (marco::CProg32Doc* documento = DameDocumento()) documento->ActualizarVistas(marco::kPistaValores);
  return 1;
}

void CVistaTrabajoCapital::ConfirmarCampoActivo() {
  CRentaVista::ConfirmarCampoActivo();
  RefrescarControles();
}

int CVistaTrabajoCapital::NumeroAyudaEn(plataforma::CPunto punto) {
  const int indice = BuscarCampo(punto);
  const marco::CCampo* campo = indice >= 0 ? DameCampo(indice) : nullptr;
  return campo != nullptr ? campo->NumeroDeCo : 1;
}

SIM002::SIM002() { PonerControles(std::make_unique<CControlesSIM002>()); }

wxClassInfo* ClasePaginaSIM002() { return wxCLASSINFO(SIM002); }

}  // namespace renta
