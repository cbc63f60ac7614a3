// The box array of the print-only first page (222).
#include <algorithm>
#include <array>
#include <cstdint>

#include "framework/Campo.h"
#include "income/RentaDoc.h"
#include "income/RentaImpre.h"
#include "income/RentaReglas.h"

namespace renta {

namespace {

// Where a box of the page is bound: RegIdentificacion + offset, `tamano` bytes (a per-person array takes the whole
// array: its box shows the element of the person shown); or the name of the person shown; or the print marker.
enum class EZonaPdf : std::uint8_t { Identificacion, NombreCabecera, Marca };

struct SLugarPdf {
  EZonaPdf zona;
  std::uint16_t desplazamiento;
  std::uint16_t tamano;
};

constexpr SLugarPdf Unico(std::uint16_t d, std::uint16_t t) { return {EZonaPdf::Identificacion, d, t}; }
constexpr SLugarPdf Persona(std::uint16_t d, std::uint16_t ancho) {
  return {EZonaPdf::Identificacion, d, static_cast<std::uint16_t>(ancho * kNumeroSujetos)};
}

// The two per-person tax allocation marks; with neither set for the person shown the page prints the marker.
constexpr std::size_t kDespAsignacion1 = 2474;
constexpr std::size_t kDespAsignacion2 = 2479;

constexpr std::array<SLugarPdf, CControlesPAGPDF::kCasillas> kLugaresPdf{{
    Unico(452, 18),    // 1 delegation
    Unico(473, 18),    // 2 administration
    Unico(450, 2),     // 3 delegation code
    Unico(470, 3),     // 4 administration code
    Persona(511, 9),   // 5 tax id
    Persona(631, 15),  // 6-8 first surname, second surname, name
    Persona(706, 15),
    Persona(556, 15),
    Persona(kDespAsignacion1, 1),  // 9, 10 tax allocation marks
    Persona(kDespAsignacion2, 1),
    Persona(1263, 9),   // 11 spouse's tax id
    Persona(1383, 15),  // 12-14 spouse's surnames and name
    Persona(1458, 15),
    Persona(1308, 15),
    Unico(3536, 20),  // 15 account
    Unico(3556, 2),   // 16-18 date of signing: day, month, year
    Unico(3558, 10),
    Unico(3568, 4),
    Persona(105, 60),  // 19 identification printed with the declaration
    {EZonaPdf::NombreCabecera, 0, 40},  // 20 name of the person shown
    {EZonaPdf::Marca, 0, 1},            // 21 print marker
}};

}  // namespace

CRentaDoc* CControlesPAGPDF::DameDocumentoRenta() const {
  return m_pDocumentoRenta != nullptr ? m_pDocumentoRenta : dynamic_cast<CRentaDoc*>(DameDocumento());
}

void CControlesPAGPDF::Enlazar(int liberarAntes) {
  if (liberarAntes != 0) LiberarEnlaces();
  for (int i = 0; i < NumeroCampos(); ++i) {
    if (marco::CCampo* campo = Campo(i)) {
      campo->Dato = nullptr;
      campo->Enlace = nullptr;
    }
  }
  CRentaDoc* doc = DameDocumentoRenta();
  if (doc == nullptr) return;
  RegIdentificacion& id = doc->Datos().Identificacion;
  const int sujeto = doc->DameSujetoActual();
  const std::size_t p = static_cast<std::size_t>(std::clamp(sujeto, 1, kNumeroSujetos) - 1);
  m_cMarca = id.octetos[kDespAsignacion1 + p] == 0 && id.octetos[kDespAsignacion2 + p] == 0 ? kMarcaSinAsignacion
                                                                                            : ' ';
  for (int i = 0; i < NumeroCampos() && i < kCasillas; ++i) {
    marco::CCampo* campo = Campo(i);
    if (campo == nullptr) continue;
    const SLugarPdf& lugar = kLugaresPdf[static_cast<std::size_t>(i)];
    unsigned char* base = nullptr;
    switch (lugar.zona) {
      case EZonaPdf::Identificacion: base = id.octetos + lugar.desplazamiento; break;
      case EZonaPdf::NombreCabecera: base = reinterpret_cast<unsigned char*>(doc->TextoCabecera1()); break;
      case EZonaPdf::Marca: base = reinterpret_cast<unsigned char*>(&m_cMarca); break;
    }
    // A damaged box table never makes a box read past its place.
    const std::size_t valor = campo->TamanoValor() * static_cast<std::size_t>(std::max(campo->Repeticion, 1));
    if (valor == 0 || valor > lugar.tamano) continue;
    campo->Dato = base;
  }
}

void CControlesPAGPDF::Refrescar() { CamposDerivados(1); }

void CControlesPAGPDF::CamposDerivados(int /*hoja*/) {
  if (CRentaDoc* doc = DameDocumentoRenta()) doc->RellenarCabecera();
  Enlazar(1);
}

}  // namespace renta
