#include "income/DatosMiembros.h"

#include <array>
#include <cstddef>
#include <cstring>

#include "framework/DocumentoServicios.h"
#include "income/RentaValidacion.h"

namespace renta {

namespace {

constexpr std::size_t kTrabajo = offsetof(DatosRenta, RendTrabajo);
constexpr std::size_t kInmuebles = offsetof(DatosRenta, RendCapInmobiliario);
constexpr std::size_t kMobiliario = offsetof(DatosRenta, RendCapMobiliario);
constexpr std::size_t kD1 = offsetof(DatosRenta, ApartadoD1);
constexpr std::size_t kD2 = offsetof(DatosRenta, ApartadoD2);
constexpr std::size_t kD3 = offsetof(DatosRenta, ApartadoD3);
constexpr std::size_t kD4 = offsetof(DatosRenta, ApartadoD4);
constexpr std::size_t kD5 = offsetof(DatosRenta, ApartadoD5);
constexpr std::size_t kE1 = offsetof(DatosRenta, ApartadoE1);
constexpr std::size_t kE2 = offsetof(DatosRenta, ApartadoE2);
constexpr std::size_t kE3 = offsetof(DatosRenta, ApartadoE3);
constexpr std::size_t kE4 = offsetof(DatosRenta, ApartadoE4);
constexpr std::size_t kE5 = offsetof(DatosRenta, ApartadoE5);
constexpr std::size_t kF1 = offsetof(DatosRenta, ApartadoF1);
constexpr std::size_t kF2 = offsetof(DatosRenta, ApartadoF2);
constexpr std::size_t kF3 = offsetof(DatosRenta, ApartadoF3);
constexpr std::size_t kF4 = offsetof(DatosRenta, ApartadoF4);
constexpr std::size_t kJ = offsetof(DatosRenta, ApartadoJ);
constexpr std::size_t kM = offsetof(DatosRenta, ApartadoM);
constexpr std::size_t kN = offsetof(DatosRenta, ApartadoN);
constexpr std::size_t kBI = offsetof(DatosRenta, BaseImponible);
constexpr std::size_t kRS = offsetof(DatosRenta, Resultados);

using C = EContenidoFila;

// Page numbers of the D-100 form.
constexpr int kPaginaEstimacionDirecta = 3;
constexpr int kPaginaDirectaSimplificada = 4;
constexpr int kPaginaModulos = 5;
constexpr int kPaginaAgrarias = 6;
constexpr int kPaginaImputaciones = 7;
constexpr int kPaginaGananciasF2 = 8;
constexpr int kPaginaGananciasF3 = 9;
constexpr int kPaginaBaseImponible = 10;
constexpr int kPaginaDeducciones = 11;
constexpr int kPaginaDeduccionesM4 = 12;

// A table of coded entries: a member code and an amount 8 bytes after it (`ancho` bytes in all).
constexpr SGrupoMiembro Entradas(std::string_view nombre, std::size_t desp, std::size_t ancho, std::size_t filas,
                                 int pagina = 0) {
  return {nombre, desp, ancho, filas, 0, ancho, pagina};
}

constexpr SGrupoMiembro kGrupos[] = {
    // Both forms.
    {"A. Rendimientos del trabajo", kTrabajo + 40, 104, 6, 0, 104, 0},
    {"B. Capital inmobiliario", kInmuebles + 40, 72, 6, 0, 72, 0},
    Entradas("C. Capital mobiliario (1)", kMobiliario + 40, 48, 6),
    Entradas("C. Capital mobiliario (2)", kMobiliario + 368, 24, 6),
    Entradas("C. Capital mobiliario (3)", kMobiliario + 552, 32, 6),
    Entradas("C. Capital mobiliario (4)", kMobiliario + 784, 24, 6),
    Entradas("C. Capital mobiliario (5)", kMobiliario + 968, 32, 6),
    Entradas("C. Capital mobiliario (6)", kMobiliario + 1280, 16, 6),
    Entradas("C. Capital mobiliario (7)", kMobiliario + 1376, 16, 6),
    Entradas("C. Capital mobiliario (8)", kMobiliario + 1592, 16, 6),
    Entradas("E1. Rentas inmobiliarias imputadas", kE1, 48, 6),
    Entradas("F1. Ganancias y perdidas", kF1, 56, 9),
    Entradas("F1. Premios", kF1 + 704, 24, 2),
    Entradas("F1. Ayudas y otras ganancias", kF1 + 792, 32, 2),
    Entradas("F4. Saldos de otros ejercicios", kF4 + 240, 48, 1),
    Entradas("J. Planes de pensiones", kJ, 48, 2),
    Entradas("J. Planes de minusvalidos", kJ + 136, 72, 2),
    Entradas("J. Otras aportaciones", kJ + 280, 40, 2),
    Entradas("M. Primer grupo", kM + 40, 16, 3),
    Entradas("M. Clases a, b y c", kM + 168, 32, 3),
    Entradas("M. Vivienda", kM + 544, 80, 3),
    Entradas("Cuota: primera deduccion proporcional", kRS + 240, 16, 2),
    Entradas("Cuota: segunda deduccion proporcional", kRS + 312, 24, 2),
    Entradas("Cuota: tercera deduccion proporcional", kRS + 400, 24, 6),
    Entradas("Cuota: incrementos de la cuota estatal", kRS + 840, 16, 3),
    Entradas("Cuota: filas de la cuota estatal", kRS + 928, 416, 3),
    Entradas("Cuota: incrementos de ambas cuotas", kRS + 2216, 16, 3),
    Entradas("Cuota: filas de ambas cuotas", kRS + 2304, 416, 3),
    Entradas("Cuota: incrementos de la cuota autonomica", kRS + 3592, 16, 3),
    Entradas("Cuota: filas de la cuota autonomica", kRS + 3680, 416, 3),
    Entradas("Cuota: deduccion tomada como se declara", kRS + 5264, 16, 2),
    Entradas("Cuota: deduccion del 10 por ciento", kRS + 5384, 16, 3),
    Entradas("Cuota: filas de 72 octetos", kRS + 5472, 72, 3),
    Entradas("Pagos a cuenta", kRS + 5848, 24, 5),
    Entradas("Pagos a cuenta A", kRS + 6008, 16, 2),
    Entradas("Pagos a cuenta B", kRS + 6080, 16, 2),
    Entradas("Pagos a cuenta C", kRS + 6312, 16, 2),
    Entradas("Diferencia final: importes que se restan", kRS + 6464, 16, 4),
    Entradas("Diferencia final: importes que se suman", kRS + 6576, 16, 4),
    // The regional deductions: both forms enter them (page 13 of D-100, page 5 of D-101).
    Entradas("N. Comunidad 4", kN + 312, 16, 5),
    Entradas("N. Comunidad 4, bases", kN + 432, 32, 2),
    Entradas("N. Comunidad 8 (A)", kN + 952, 16, 3),
    Entradas("N. Comunidad 8 (B)", kN + 1040, 16, 3),
    Entradas("N. Comunidad 12", kN + 1720, 16, 3),
    Entradas("N. Comunidad 13 (T)", kN + 1808, 16, 3),
    Entradas("N. Comunidad 13 (S)", kN + 1896, 16, 3),
    Entradas("N. Comunidad 13 (V)", kN + 2024, 16, 3),
    Entradas("N. Comunidad 16 (Y)", kN + 2112, 16, 3),
    Entradas("N. Comunidad 16 (W)", kN + 2200, 16, 3),
    Entradas("N. Comunidad 17 (jovenes)", kN + 2520, 16, 3),
    Entradas("N. Comunidad 17 (20 %)", kN + 2656, 16, 3),
    Entradas("N. Comunidad 17 (10 %)", kN + 2744, 16, 3),
    Entradas("N. Comunidad 17 (5 %)", kN + 2832, 16, 3),
    Entradas("N. Comunidad 17 (bases)", kN + 2960, 16, 3),
    // Only the ordinary form.
    {"D. Estimacion directa", kD1 + 16, 184, 6, 0, 184, kPaginaEstimacionDirecta},
    Entradas("D. Estimacion directa, otras filas", kD1 + 1120, 40, 6, kPaginaEstimacionDirecta),
    {"D. Estimacion directa simplificada", kD2 + 16, 184, 6, 0, 184, kPaginaDirectaSimplificada},
    Entradas("D. Estimacion directa simplificada, otras filas", kD2 + 1120, 40, 6, kPaginaDirectaSimplificada),
    {"D. Estimacion objetiva (modulos)", kD4, 1560, 4, 24, 1560, kPaginaModulos, C::Modulos},
    {"D. Actividades agricolas", kD5 + 16, 2064, 4, 8, 2064, kPaginaAgrarias, C::Agraria},
    {"E2. Transparencia fiscal", kE2 + 24, 160, 3, 10, 160, kPaginaImputaciones},
    // The last rows of E3 and E5 would run past their blocks: only the bytes the rows use.
    {"E3. Agrupaciones de interes economico", kE3 + 24, 56, 3, 0, 24, kPaginaImputaciones},
    {"E4. Transparencia fiscal internacional", kE4, 80, 1, 0, 80, kPaginaImputaciones},
    {"E5. Cesion de derechos de imagen", kE5 + 24, 80, 3, 0, 48, kPaginaImputaciones},
    {"F2. Elementos transmitidos", kF2, 328, 9, 20, 328, kPaginaGananciasF2},
    Entradas("F2. Filas de la segunda parte", kF2 + 3072, 24, 9, kPaginaGananciasF2),
    Entradas("F2. Filas de la segunda parte (2)", kF2 + 3328, 24, 9, kPaginaGananciasF2),
    Entradas("F2. Filas de la tercera parte", kF2 + 3584, 32, 9, kPaginaGananciasF2),
    {"F3. Elementos con importes anuales", kF3, 640, 9, 20, 640, kPaginaGananciasF3},
    Entradas("F3. Ganancias", kF3 + 5880, 24, 9, kPaginaGananciasF3),
    Entradas("F3. Perdidas", kF3 + 6136, 24, 9, kPaginaGananciasF3),
    Entradas("Base imponible: segunda reduccion", kBI + 1200, 16, 2, kPaginaBaseImponible),
    Entradas("Base imponible: reduccion de la parte especial", kBI + 1624, 16, 2, kPaginaBaseImponible),
    Entradas("Base liquidable: tercera reduccion", kBI + 1512, 16, 2, kPaginaDeducciones),
    Entradas("M. Deducciones con tope", kM + 984, 32, 6, kPaginaDeducciones),
    Entradas("M. Deducciones limitadas por la cuota", kM + 1752, 16, 6, kPaginaDeducciones),
};

// The other income of page 4 (three lines of 56 bytes of section D3): amounts typed for the declarant (+40) and
// the spouse (+48).
constexpr std::size_t kLineasD3 = kD3;
constexpr std::size_t kPasoLineaD3 = 56;
constexpr std::size_t kLineasOtrosRendimientos = 3;
constexpr std::size_t kOtrosDeclarante = 40;
constexpr std::size_t kOtrosConyuge = 48;
// The two entities of page 11: a mark and a tax number per person each, and their texts (kM + 1416 to 1711).
constexpr std::size_t kEntidades = kM + 1416;
constexpr std::size_t kAnchoEntidades = 1712 - 1416;
constexpr std::array<std::size_t, 4> kEntidadPersona = {kM + 1416, kM + 1521, kM + 1561, kM + 1666};
constexpr std::array<std::size_t, 4> kAnchoEntidadPersona = {1, 9, 1, 9};

const unsigned char* Octetos(const DatosRenta& datos) { return reinterpret_cast<const unsigned char*>(&datos); }
unsigned char* Octetos(DatosRenta& datos) { return reinterpret_cast<unsigned char*>(&datos); }

double Doble(const unsigned char* p) {
  double v = 0.0;
  std::memcpy(&v, p, sizeof v);
  return v;
}

bool Vacio(unsigned char c) { return c == 0 || c == ' '; }

bool ConDatos(const unsigned char* fila, const SGrupoMiembro& g) {
  switch (g.contenido) {
    case C::Modulos: return ActividadModulosRellena(fila);
    case C::Agraria: return ActividadAgrariaRellena(fila);
    case C::Bytes: break;
  }
  for (std::size_t i = 0; i < g.ancho; ++i) {
    if (i != g.codigo && !Vacio(fila[i])) return true;
  }
  return false;
}

bool SujetoValido(int sujeto) { return sujeto >= marco::kSujetoUnidadFamiliar && sujeto <= marco::kSujetoHijo2; }

template <typename F>
bool AlgunaFila(const DatosRenta& datos, F&& criterio) {
  const unsigned char* base = Octetos(datos);
  for (const SGrupoMiembro& g : kGrupos) {
    for (std::size_t f = 0; f < g.filas; ++f) {
      const unsigned char* fila = base + g.desp + g.paso * f;
      if (criterio(g, fila) && ConDatos(fila, g)) return true;
    }
  }
  return false;
}

}  // namespace

std::span<const SGrupoMiembro> GruposMiembro() { return kGrupos; }

bool FilaDelSujeto(unsigned char codigo, int sujeto) {
  if (codigo < marco::kSujetoUnidadFamiliar || codigo > marco::kSujetoHijo2) return false;
  if (sujeto == marco::kSujetoUnidadFamiliar) return true;
  if (sujeto == marco::kSujetoDeclarante || sujeto == marco::kSujetoConyuge) {
    return codigo == sujeto || codigo == marco::kSujetoUnidadFamiliar;
  }
  return codigo == sujeto;
}

int PaginaSoloOrdinaria(const DatosRenta& datos, int sujeto, double importeM4) {
  if (!SujetoValido(sujeto)) return 0;
  const unsigned char* base = Octetos(datos);
  const std::size_t k = static_cast<std::size_t>(sujeto - 1);
  int pagina = 0;
  const auto anotar = [&pagina](int p) {
    if (pagina == 0 || p < pagina) pagina = p;
  };
  for (const SGrupoMiembro& g : kGrupos) {
    if (g.paginaOrdinaria == 0) continue;
    for (std::size_t f = 0; f < g.filas; ++f) {
      const unsigned char* fila = base + g.desp + g.paso * f;
      if (FilaDelSujeto(fila[g.codigo], sujeto) && ConDatos(fila, g)) anotar(g.paginaOrdinaria);
    }
  }
  // The other income of page 4, typed per declarant and spouse.
  for (std::size_t l = 0; l < kLineasOtrosRendimientos; ++l) {
    const unsigned char* linea = base + kLineasD3 + kPasoLineaD3 * l;
    const bool declarante = Doble(linea + kOtrosDeclarante) != 0.0;
    const bool conyuge = Doble(linea + kOtrosConyuge) != 0.0;
    if ((declarante && sujeto != marco::kSujetoConyuge && sujeto < marco::kSujetoHijo1) ||
        (conyuge && sujeto != marco::kSujetoDeclarante && sujeto < marco::kSujetoHijo1)) {
      anotar(kPaginaDirectaSimplificada);
    }
  }
  // The entities of page 11.
  if (sujeto == marco::kSujetoUnidadFamiliar) {
    for (std::size_t i = 0; i < kAnchoEntidades; ++i) {
      if (!Vacio(base[kEntidades + i])) anotar(kPaginaDeducciones);
    }
  } else {
    for (std::size_t e = 0; e < kEntidadPersona.size(); ++e) {
      for (std::size_t i = 0; i < kAnchoEntidadPersona[e]; ++i) {
        if (!Vacio(base[kEntidadPersona[e] + kAnchoEntidadPersona[e] * k + i])) anotar(kPaginaDeducciones);
      }
    }
  }
  if (importeM4 > 0.0) anotar(kPaginaDeduccionesM4);
  return pagina;
}

int ModeloNecesarioDatos(const DatosRenta& datos, int sujeto, double importeM4) {
  return PaginaSoloOrdinaria(datos, sujeto, importeM4) != 0 ? 2 : 1;
}

bool TieneEntradasPropias(const DatosRenta& datos, int sujeto) {
  if (sujeto < marco::kSujetoDeclarante || !SujetoValido(sujeto)) return false;
  const auto codigo = static_cast<unsigned char>(sujeto);
  if (AlgunaFila(datos, [codigo](const SGrupoMiembro& g, const unsigned char* fila) { return fila[g.codigo] == codigo; })) {
    return true;
  }
  if (sujeto != marco::kSujetoConyuge) return false;
  const unsigned char* base = Octetos(datos);
  for (std::size_t l = 0; l < kLineasOtrosRendimientos; ++l) {
    if (Doble(base + kLineasD3 + kPasoLineaD3 * l + kOtrosConyuge) != 0.0) return true;
  }
  return false;
}

void PasarEntradasAlDeclarante(DatosRenta& datos, int sujeto) {
  if (sujeto < marco::kSujetoConyuge || !SujetoValido(sujeto)) return;
  unsigned char* base = Octetos(datos);
  const auto codigo = static_cast<unsigned char>(sujeto);
  for (const SGrupoMiembro& g : kGrupos) {
    for (std::size_t f = 0; f < g.filas; ++f) {
      unsigned char* fila = base + g.desp + g.paso * f;
      if (fila[g.codigo] == codigo) fila[g.codigo] = static_cast<unsigned char>(marco::kSujetoDeclarante);
    }
  }
  if (sujeto != marco::kSujetoConyuge) return;
  for (std::size_t l = 0; l < kLineasOtrosRendimientos; ++l) {
    unsigned char* linea = base + kLineasD3 + kPasoLineaD3 * l;
    const double suma = Doble(linea + kOtrosDeclarante) + Doble(linea + kOtrosConyuge);
    const double cero = 0.0;
    std::memcpy(linea + kOtrosDeclarante, &suma, sizeof suma);
    std::memcpy(linea + kOtrosConyuge, &cero, sizeof cero);
  }
}

}  // namespace renta
