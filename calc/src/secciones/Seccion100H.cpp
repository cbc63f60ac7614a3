// Section H: the personal and family minimum of every member slot. Step 1 the personal amounts by age and
// disability, step 2 the amounts for descendants and ascendants; every call totals them. Reads RegDatosFamilia and
// RegIdentificacion, writes RegApartadoH only.
#include <array>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "Ayudas.h"
#include "EnteroDeTexto.h"
#include "bloques/RegApartadoH.h"
#include "bloques/RegDatosFamilia.h"
#include "bloques/RegIdentificacion.h"

namespace ximardol {
namespace {

namespace DF = DatosFamilia;
namespace ID = Identificacion;

constexpr std::size_t MaxDescendientes = 10;
constexpr std::size_t MaxAscendientes = 4;

// Disability degrees count from 33 % and, the higher share, from 65 %: a degree between 32 and 33 counts for
// nothing, one between 64 and 65 for the lower share only.
bool GradoMinimo(double grado) { return grado >= 33.0; }
bool GradoAlto(double grado) { return grado >= 65.0; }

// A link character is set when it holds '1'; "blank or 0" is a blank, a NUL or the character '0'.
bool VinculoMarcado(std::uint8_t vinculo) { return vinculo == '1'; }
bool VinculoVacio(std::uint8_t vinculo) { return vinculo == ' ' || vinculo == 0 || vinculo == '0'; }

struct Descendiente {
  int anio;
  double grado;
  std::uint8_t vinculoUnidad;
  std::array<std::uint8_t, 2> vinculo;  // declarant, spouse
  std::uint8_t clase;
  std::uint8_t exclusion1;
  std::uint8_t exclusion2;
};

struct Ascendiente {
  int anio;
  double grado;
  std::array<std::uint8_t, 2> vinculo;  // declarant, spouse
  double personas;
  std::uint8_t exclusion;
};

struct Familia {
  std::array<Descendiente, MaxDescendientes> descendientes{};
  std::size_t numDescendientes = 0;
  bool hayClase3 = false;
  std::array<Ascendiente, MaxAscendientes> ascendientes{};
  std::size_t numAscendientes = 0;
};

// The descendants with a year of birth, earliest first (rows of the same year keep their order), and the
// ascendants with a year of birth, in row order.
Familia LeeFamilia(const RegIdentificacion* id) {
  Familia f;
  for (std::size_t fila = 0; fila < MaxDescendientes; ++fila) {
    const int anio = EnteroDeTexto(Lee(id, ID::DescendienteAnioNacimiento, fila).Vista());
    if (anio == 0) continue;
    Descendiente d{anio,
                   Lee(id, ID::DescendienteGrado, fila),
                   Lee(id, ID::DescendienteVinculoUnidad, fila),
                   {Lee(id, ID::DescendienteVinculoDeclarante, fila), Lee(id, ID::DescendienteVinculoConyuge, fila)},
                   Lee(id, ID::DescendienteClase, fila),
                   Lee(id, ID::DescendienteExclusion1, fila),
                   Lee(id, ID::DescendienteExclusion2, fila)};
    if (d.clase == '3') f.hayClase3 = true;
    f.descendientes[f.numDescendientes++] = d;
  }
  // Bubble sort: neighbours swap only when the later one is strictly earlier, so the order is stable.
  for (std::size_t pasada = 0; pasada + 1 < f.numDescendientes; ++pasada) {
    for (std::size_t k = 0; k + 1 < f.numDescendientes - pasada; ++k) {
      if (f.descendientes[k + 1].anio < f.descendientes[k].anio) {
        std::swap(f.descendientes[k], f.descendientes[k + 1]);
      }
    }
  }
  for (std::size_t fila = 0; fila < MaxAscendientes; ++fila) {
    const int anio = EnteroDeTexto(Lee(id, ID::AscendienteAnioNacimiento, fila).Vista());
    if (anio == 0) continue;
    f.ascendientes[f.numAscendientes++] = Ascendiente{
        anio,
        Lee(id, ID::AscendienteGrado, fila),
        {Lee(id, ID::AscendienteVinculoDeclarante, fila), Lee(id, ID::AscendienteVinculoConyuge, fila)},
        Lee(id, ID::AscendientePersonas, fila),
        Lee(id, ID::AscendienteExclusion, fila)};
  }
  return f;
}

// ---- Step 1 -------------------------------------------------------------------------------------------------

double ImportePersonal(int anio, double grado) {
  if (GradoAlto(grado)) return 1150000.0;
  if (GradoMinimo(grado)) return 850000.0;
  if (anio < 1935) return 650000.0;
  return 550000.0;
}

void MinimoPersonal(RegApartadoH* h, const RegDatosFamilia* df, const Familia& familia) {
  const int anioDeclarante = EnteroDeTexto(LeeTexto(df, DF::AnioNacimientoDeclarante));
  const int anioConyuge = EnteroDeTexto(LeeTexto(df, DF::AnioNacimientoConyuge));
  const double gradoDeclarante = Lee(df, DF::GradoMinusvalia, 0);
  const double gradoConyuge = Lee(df, DF::GradoMinusvalia, 1);
  const std::uint8_t unidad = Lee(df, DF::IndicadorUnidadFamiliar);
  const std::uint8_t conjunta = Lee(df, DF::IndicadorConjunta);

  ImportesMiembro minimo = Lee(h, ApartadoH::MinimoPersonal);
  const double declarante = ImportePersonal(anioDeclarante, gradoDeclarante);
  const double conyuge = ImportePersonal(anioConyuge, gradoConyuge);
  if (unidad == 1 || conjunta == 1) {
    minimo[0] = declarante + conyuge;
  } else if (conjunta == 0) {
    if (familia.hayClase3) {
      minimo[0] = declarante;
    } else if (GradoAlto(gradoDeclarante)) {
      minimo[0] = 1500000.0;
    } else if (GradoMinimo(gradoDeclarante)) {
      minimo[0] = 1200000.0;
    } else if (anioDeclarante < 1935) {
      minimo[0] = 1000000.0;
    } else {
      minimo[0] = 900000.0;
    }
  }  // another value of the joint byte leaves the total as it was
  minimo[1] = declarante;
  minimo[2] = conyuge;
  for (std::size_t hijo = 0; hijo < 2; ++hijo) {
    const double grado = Lee(df, DF::GradoMinusvalia, 2 + hijo);
    minimo[3 + hijo] = GradoAlto(grado) ? 1150000.0 : GradoMinimo(grado) ? 850000.0 : 550000.0;
  }
  Escribe(h, ApartadoH::MinimoPersonal, minimo);
}

// ---- Step 2 -------------------------------------------------------------------------------------------------

// Per descendant, by band (1975-1983 or an older disabled one, 1984-1996, 1997 on): the first two counted and the
// third and later, whole or half.
constexpr std::array<double, 3> PrimerosEnteros{200000.0, 225000.0, 250000.0};
constexpr std::array<double, 3> PrimerosMitad{100000.0, 112500.0, 125000.0};
constexpr std::array<double, 3> SiguientesEnteros{300000.0, 325000.0, 350000.0};
constexpr std::array<double, 3> SiguientesMitad{150000.0, 162500.0, 175000.0};

// 1, 2 or 3; 0 for an older descendant without disability (no amount).
int Tramo(const Descendiente& d) {
  if ((d.anio >= 1975 && d.anio <= 1983) || (d.anio < 1975 && GradoMinimo(d.grado))) return 1;
  if (d.anio >= 1984 && d.anio <= 1996) return 2;
  if (d.anio >= 1997) return 3;
  return 0;
}

double ImporteDescendiente(const Descendiente& d, std::size_t posicion, int contados, bool entero) {
  const int tramo = Tramo(d);
  if (tramo == 0) return 0.0;
  const bool siguientes = posicion >= 2 && contados >= 2;
  const std::size_t t = static_cast<std::size_t>(tramo - 1);
  if (siguientes) return entero ? SiguientesEnteros[t] : SiguientesMitad[t];
  return entero ? PrimerosEnteros[t] : PrimerosMitad[t];
}

double DescendientesUnidad(const RegDatosFamilia* df, const Familia& familia) {
  const bool unidad = Lee(df, DF::IndicadorUnidadFamiliar) == 1;
  const std::uint8_t conjunta = Lee(df, DF::IndicadorConjunta);
  double importes = 0.0;
  double grados = 0.0;
  int contados = 0;
  for (std::size_t k = 0; k < familia.numDescendientes; ++k) {
    const Descendiente& d = familia.descendientes[k];
    const bool a = ((d.anio <= 1981 && d.clase != '2') || d.clase == '1') && d.exclusion1 == 0 && d.exclusion2 == 0;
    const bool b = ((d.anio >= 1982 && d.clase != '1') || d.clase == '2') && d.exclusion1 == 0;
    if (!((a && (d.anio > 1974 || GradoMinimo(d.grado))) || b)) continue;
    const bool entero = conjunta == 1 || unidad || VinculoMarcado(d.vinculoUnidad);
    importes += ImporteDescendiente(d, k, contados, entero);
    if (GradoMinimo(d.grado)) {
      if (entero) {
        grados += GradoAlto(d.grado) ? 600000.0 : 300000.0;
      } else if (conjunta == 0 && VinculoVacio(d.vinculoUnidad)) {
        grados += GradoAlto(d.grado) ? 300000.0 : 150000.0;
      }
    }
    ++contados;
  }
  return importes + grados;
}

// persona 0 the declarant, 1 the spouse.
double DescendientesPersona(const Familia& familia, std::size_t persona) {
  double importes = 0.0;
  double cuotas33 = 0.0;
  double cuotas65 = 0.0;
  int contados = 0;
  for (std::size_t k = 0; k < familia.numDescendientes; ++k) {
    const Descendiente& d = familia.descendientes[k];
    const std::uint8_t vinculo = d.vinculo[persona];
    if (vinculo == '2' || d.exclusion1 != 0 || d.exclusion2 != 0) continue;
    const double cuota = VinculoMarcado(vinculo) ? 1.0 : VinculoVacio(vinculo) ? 0.5 : 0.0;
    if (GradoAlto(d.grado)) {
      cuotas65 += cuota;
    } else if (GradoMinimo(d.grado)) {
      cuotas33 += cuota;
    }
    if (d.anio < 1975 && !GradoMinimo(d.grado)) continue;
    if (VinculoMarcado(vinculo)) {
      importes += ImporteDescendiente(d, k, contados, true);
    } else if (VinculoVacio(vinculo)) {
      importes += ImporteDescendiente(d, k, contados, false);
    }
    ++contados;
  }
  return importes + cuotas33 * 300000.0 + cuotas65 * 600000.0;
}

// persona -1 the family unit, 0 the declarant, 1 the spouse.
double Ascendientes(const Familia& familia, int persona) {
  double cuotasEdad = 0.0;
  double cuotas33 = 0.0;
  double cuotas65 = 0.0;
  for (std::size_t k = 0; k < familia.numAscendientes; ++k) {
    const Ascendiente& a = familia.ascendientes[k];
    if (persona >= 0 && !VinculoMarcado(a.vinculo[static_cast<std::size_t>(persona)])) continue;
    const double cuota = a.personas >= 2.0 ? 1.0 / a.personas : 1.0;
    if ((a.anio < 1935 || GradoMinimo(a.grado)) && a.exclusion == 0) cuotasEdad += cuota;
    if (GradoAlto(a.grado)) {
      cuotas65 += cuota;
    } else if (GradoMinimo(a.grado)) {
      cuotas33 += cuota;
    }
  }
  return cuotasEdad * 100000.0 + cuotas33 * 300000.0 + cuotas65 * 600000.0;
}

void MinimoFamiliar(RegApartadoH* h, const RegDatosFamilia* df, const Familia& familia) {
  Escribe(h, ApartadoH::MinimoDescendientes,
          ImportesMiembro{DescendientesUnidad(df, familia), DescendientesPersona(familia, 0),
                          DescendientesPersona(familia, 1), 0.0, 0.0});
  Escribe(h, ApartadoH::MinimoAscendientes,
          ImportesMiembro{Ascendientes(familia, -1), Ascendientes(familia, 0), Ascendientes(familia, 1), 0.0, 0.0});
}

}  // namespace
}  // namespace ximardol

// Reads RegDatosFamilia and RegIdentificacion; writes RegApartadoH.
extern "C" int Calculos100H(RegApartadoH* apartadoH, RegDatosFamilia* datosFamilia,
                            RegIdentificacion* identificacion, int instancia) {
  using namespace ximardol;
  if (apartadoH == nullptr) return 0;
  if ((instancia == 1 || instancia == 2) && datosFamilia != nullptr && identificacion != nullptr) {
    const Familia familia = LeeFamilia(identificacion);
    if (instancia == 1) {
      MinimoPersonal(apartadoH, datosFamilia, familia);
    } else {
      MinimoFamiliar(apartadoH, datosFamilia, familia);
    }
  }
  Escribe(apartadoH, ApartadoH::MinimoTotal,
          Lee(apartadoH, ApartadoH::MinimoPersonal) + Lee(apartadoH, ApartadoH::MinimoDescendientes) +
              Lee(apartadoH, ApartadoH::MinimoAscendientes));
  return 0;
}
