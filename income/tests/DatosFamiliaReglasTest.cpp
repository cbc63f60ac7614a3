// The rules of the family data without a window: the checks of the wizard in their order, the clearing of what
// does not apply, the profile's preset, the copy to the identification block and the pension-plan adjustment.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "income/DatosFamiliaReglas.h"
#include "income/RentaReglas.h"

using namespace renta;

namespace {

void PonerTexto(RegDatosFamilia& f, std::size_t desp, std::string_view texto) {
  std::memcpy(f.octetos + desp, texto.data(), texto.size());
}

// A single declarant with everything the checks ask for.
RegDatosFamilia Soltero() {
  RegDatosFamilia f{};
  PonerTexto(f, kDespAnioDeclarante, "1960");
  PonerComunidad(f, kMiembroDeclarante, "12", "MADRID");
  return f;
}

// A married couple filing jointly in community 09.
RegDatosFamilia Matrimonio() {
  RegDatosFamilia f = Soltero();
  f.octetos[kDespEstadoCivil] = kEstadoCasado;
  PonerTexto(f, kDespAnioConyuge, "1962");
  PonerComunidad(f, kMiembroConyuge, "09", "CATALU\xD1" "A");
  PonerComunidad(f, kMiembroConjunta, "09", "CATALU\xD1" "A");
  return f;
}

std::vector<std::string> Codigos(const RegDatosFamilia& f) {
  std::vector<std::string> codigos;
  for (const SFalloDatosFamilia& fallo : RevisarDatosFamilia(f)) {
    codigos.push_back(std::string(fallo.codigo) + (fallo.error ? "E" : "W"));
  }
  return codigos;
}

using Cambio = void (*)(RegDatosFamilia&);

struct SCaso {
  const char* nombre;
  RegDatosFamilia (*base)();
  Cambio cambio;
  std::vector<std::string> esperado;
};

TEST(DatosFamiliaReglas, ComprobacionesEnSuOrden) {
  const SCaso casos[] = {
      {"soltero completo", Soltero, [](RegDatosFamilia&) {}, {}},
      {"matrimonio completo", Matrimonio, [](RegDatosFamilia&) {}, {}},
      {"soltero sin comunidad", Soltero, [](RegDatosFamilia& f) { PonerComunidad(f, kMiembroDeclarante, "", ""); },
       {"100R129E"}},
      {"conjunta sin comunidad de ninguno",
       Matrimonio,
       [](RegDatosFamilia& f) {
         PonerComunidad(f, kMiembroDeclarante, "", "");
         PonerComunidad(f, kMiembroConyuge, "", "");
       },
       {"100R129E", "100R131E"}},
      {"conjunta con solo el conyuge", Matrimonio, [](RegDatosFamilia& f) { PonerComunidad(f, kMiembroDeclarante, "", ""); },
       {}},
      {"conjunta sin comunidad comun", Matrimonio,
       [](RegDatosFamilia& f) { PonerComunidad(f, kMiembroConjunta, "", ""); }, {"100R129E", "100R131E"}},
      {"hijos sin comunidad del primero", Soltero,
       [](RegDatosFamilia& f) {
         f.octetos[kDespHijos] = 1;
         PonerComunidad(f, kMiembroConjunta, "12", "MADRID");
       },
       {"100R129E"}},
      {"conjunta que no coincide con nadie", Matrimonio,
       [](RegDatosFamilia& f) { PonerComunidad(f, kMiembroConjunta, "01", "ANDALUC\xCD" "A"); }, {"100R131E"}},
      {"conjunta que solo coincide con el segundo hijo", Matrimonio,
       [](RegDatosFamilia& f) {
         f.octetos[kDespHijos] = 1;
         PonerComunidad(f, kMiembroHijo1, "12", "MADRID");
         PonerComunidad(f, kMiembroHijo2, "01", "ANDALUC\xCD" "A");
         PonerComunidad(f, kMiembroConjunta, "01", "ANDALUC\xCD" "A");
       },
       {}},
      {"viudo con conyuge fallecido cuenta como conjunta", Soltero,
       [](RegDatosFamilia& f) {
         f.octetos[kDespEstadoCivil] = kEstadoViudoDivorciado;
         f.octetos[kDespConyugeFallecido] = 1;
       },
       {"100R129E", "100R131E", "100R141E"}},
      {"exactamente 6 en el primer grupo", Soltero,
       [](RegDatosFamilia& f) {
         PonerDoble(f, 232, 3.0);
         PonerDoble(f, 352, 3.0);
         PonerDoble(f, 304, 5.0);  // not part of the group
       },
       {"100V121W"}},
      {"6 y una fraccion en el primer grupo", Soltero,
       [](RegDatosFamilia& f) {
         PonerDoble(f, 232, 3.0);
         PonerDoble(f, 352, 3.5);
       },
       {"100V120W"}},
      {"grupos de descendientes", Soltero,
       [](RegDatosFamilia& f) {
         PonerDoble(f, 256, 1.5);
         PonerDoble(f, 264, 1.0);
         PonerDoble(f, 312, 2.5);
       },
       {"100R132E", "100R133E"}},
      {"ascendientes", Soltero,
       [](RegDatosFamilia& f) {
         for (std::size_t d = 368; d <= 408; d += 8) PonerDoble(f, d, 1.25);
       },
       {"100V133W", "100R134E"}},
      {"rentas exentas", Soltero,
       [](RegDatosFamilia& f) {
         PonerDoble(f, 416, 2.0);
         PonerDoble(f, 424, 2.0);
         PonerDoble(f, 464, 3.5);
         PonerDoble(f, 488, 2.5);
         PonerDoble(f, 504, 2.0);  // exactly 2: nothing
       },
       {"100V122W", "100V122W", "100V134W", "100V135W"}},
      {"soltero sin anio", Soltero, [](RegDatosFamilia& f) { std::memset(f.octetos + kDespAnioDeclarante, ' ', 4); },
       {"100R140E"}},
      {"conjunta sin anio del conyuge", Matrimonio,
       [](RegDatosFamilia& f) { std::memset(f.octetos + kDespAnioConyuge, 0, 4); }, {"100R141E"}},
  };
  for (const SCaso& caso : casos) {
    RegDatosFamilia f = caso.base();
    caso.cambio(f);
    EXPECT_EQ(Codigos(f), caso.esperado) << caso.nombre;
  }
}

TEST(DatosFamiliaReglas, LimpiarNoAplicables) {
  RegDatosFamilia f = Matrimonio();
  f.octetos[kDespHijos] = 1;
  f.octetos[kDespConyugeFallecido] = 1;  // meaningless for a married declarant
  PonerDoble(f, DespMinusvalia(kMiembroConyuge), 33.0);
  PonerDoble(f, DespMinusvalia(kMiembroHijo1), 65.0);
  PonerComunidad(f, kMiembroHijo1, "12", "MADRID");
  PonerDoble(f, DespContador(0), 2.0);

  LimpiarNoAplicables(f);
  EXPECT_EQ(f.octetos[kDespConyugeFallecido], 0);
  EXPECT_EQ(AnioNacimiento(f, kDespAnioConyuge), 1962);

  // Single with children: the spouse goes, the joint community stays.
  f.octetos[kDespEstadoCivil] = kEstadoSoltero;
  LimpiarNoAplicables(f);
  EXPECT_EQ(AnioNacimiento(f, kDespAnioConyuge), 0);
  EXPECT_EQ(LeerDoble(f, DespMinusvalia(kMiembroConyuge)), 0.0);
  EXPECT_EQ(CodigoComunidad(f, kMiembroConyuge), std::string(2, '\0'));
  EXPECT_EQ(CodigoComunidad(f, kMiembroConjunta), "09");
  EXPECT_EQ(LeerDoble(f, DespMinusvalia(kMiembroHijo1)), 65.0);

  // No children either: their data and the joint community go; the declarant and the counts stay.
  f.octetos[kDespHijos] = 0;
  LimpiarNoAplicables(f);
  EXPECT_EQ(LeerDoble(f, DespMinusvalia(kMiembroHijo1)), 0.0);
  EXPECT_EQ(CodigoComunidad(f, kMiembroHijo1), std::string(2, '\0'));
  EXPECT_EQ(CodigoComunidad(f, kMiembroConjunta), std::string(2, '\0'));
  EXPECT_EQ(CodigoComunidad(f, kMiembroDeclarante), "12");
  EXPECT_EQ(LeerDoble(f, DespContador(0)), 2.0);
}

TEST(DatosFamiliaReglas, AutocargaSoloRellenaLoVacio) {
  RegDatosFamilia vacia{};
  AplicarAutocarga(vacia);
  EXPECT_EQ(AnioNacimiento(vacia, kDespAnioDeclarante), 1971);
  EXPECT_EQ(CodigoComunidad(vacia, kMiembroDeclarante), "12");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(vacia.octetos + DespNombreComunidad(kMiembroDeclarante)), 30),
            "MADRID" + std::string(24, ' '));

  RegDatosFamilia escrita = Matrimonio();
  const RegDatosFamilia antes = escrita;
  AplicarAutocarga(escrita);
  EXPECT_EQ(std::memcmp(&escrita, &antes, sizeof antes), 0);
}

TEST(DatosFamiliaReglas, CopiaDeLosAniosALaIdentificacion) {
  RegIdentificacion id{};
  std::memset(id.octetos + kDespAnioNacimientoSujeto, '9', 20);
  const AniosHijos hijos{{{'2', '0', '0', '1'}, {'2', '0', '0', '2'}}};
  CopiarDatosPersonales(Soltero(), hijos, id);
  const std::string anios(reinterpret_cast<const char*>(id.octetos + kDespAnioNacimientoSujeto), 20);
  EXPECT_EQ(anios.substr(0, 4), "9999");  // the family unit has none of its own
  EXPECT_EQ(anios.substr(4, 4), "1960");
  EXPECT_EQ(anios.substr(8, 4), std::string(4, '\0'));  // no spouse
  EXPECT_EQ(anios.substr(12), "99999999");  // no children: their years are left alone

  RegDatosFamilia conHijos = Matrimonio();
  conHijos.octetos[kDespHijos] = 1;
  CopiarDatosPersonales(conHijos, hijos, id);
  const std::string todos(reinterpret_cast<const char*>(id.octetos + kDespAnioNacimientoSujeto), 20);
  EXPECT_EQ(todos.substr(4), "1960196220012002");
  EXPECT_EQ(LeerAniosHijos(id), hijos);
  // The spouse section of page 1: each one's spouse.
  const std::string conyuges(reinterpret_cast<const char*>(id.octetos + kDespAnioDelConyuge), 12);
  EXPECT_EQ(conyuges, "196219621960");
  // Single again: the page's spouse section has no year either.
  CopiarDatosPersonales(Soltero(), hijos, id);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(id.octetos + kDespAnioDelConyuge), 8), std::string(8, '\0'));
}

// Page 1 shows what the wizard answered: one marital status ticked per member (the others cleared) and the
// taxation marks of the members present.
TEST(DatosFamiliaReglas, LaPagina1MuestraLoQueDiceElAsistente) {
  constexpr std::size_t kEstados[4] = {kDespEstadoCivil1, kDespEstadoCivil2, kDespEstadoCivil3, kDespEstadoCivil4};
  // The marks of a member: four marital statuses (single, widowed, married, divorced), individual, joint.
  const auto marcas = [&](const RegIdentificacion& id, int sujeto) {
    const std::size_t k = static_cast<std::size_t>(sujeto - 1);
    std::string m;
    for (std::size_t e : kEstados) m += static_cast<char>('0' + id.octetos[e + k]);
    m += static_cast<char>('0' + id.octetos[kDespTributacion1 + k]);
    m += static_cast<char>('0' + id.octetos[kDespTributacion2 + k]);
    return m;
  };
  const AniosHijos hijos{};
  struct SCaso {
    const char* nombre;
    std::function<RegDatosFamilia()> familia;
    std::function<void(RegIdentificacion&)> antes;
    std::array<std::string, 5> esperadas;  // persons 1 to 5
  };
  const std::vector<SCaso> casos = {
      {"soltero", [] { return Soltero(); }, [](RegIdentificacion&) {},
       {"100000", "100010", "000000", "000000", "000000"}},
      // Two statuses ticked on page 1 before: the wizard's answer leaves one.
      {"casado, con hijos", [] { RegDatosFamilia f = Matrimonio(); f.octetos[kDespHijos] = 1; return f; },
       [&](RegIdentificacion& id) { id.octetos[kEstados[1] + 1] = 1; id.octetos[kEstados[2] + 1] = 1; },
       {"001001", "001001", "001001", "100001", "100001"}},
      {"viudo", [] { RegDatosFamilia f = Soltero(); f.octetos[kDespEstadoCivil] = kEstadoViudoDivorciado; return f; },
       [](RegIdentificacion&) {}, {"010000", "010010", "000000", "000000", "000000"}},
      // Widowed or divorced keeps a divorce already ticked.
      {"divorciado", [] { RegDatosFamilia f = Soltero(); f.octetos[kDespEstadoCivil] = kEstadoViudoDivorciado; return f; },
       [&](RegIdentificacion& id) { id.octetos[kEstados[3] + 1] = 1; }, {"010000", "000110", "000000", "000000", "000000"}},
      {"separado, con hijos", [] { RegDatosFamilia f = Soltero(); f.octetos[kDespEstadoCivil] = kEstadoSeparado; f.octetos[kDespHijos] = 1; return f; },
       [](RegIdentificacion&) {}, {"000101", "000101", "000000", "100001", "100001"}},
  };
  for (const SCaso& c : casos) {
    RegIdentificacion id{};
    c.antes(id);
    CopiarDatosPersonales(c.familia(), hijos, id);
    for (int s = 1; s <= 5; ++s) EXPECT_EQ(marcas(id, s), c.esperadas[static_cast<std::size_t>(s - 1)]) << c.nombre << " " << s;
  }
}

// ---- pension plans ----

void FilaTrabajo(RegRendTrabajo& t, std::size_t fila, unsigned char sujeto, double importe) {
  const std::size_t base = kDespFilasPlanes + kPasoFilaPlanes * fila;
  t.octetos[base] = sujeto;
  std::memcpy(t.octetos + base + kDespImporteFilaPlanes, &importe, sizeof importe);
}
double ImporteTrabajo(const RegRendTrabajo& t, std::size_t fila) {
  double v = 0;
  std::memcpy(&v, t.octetos + kDespFilasPlanes + kPasoFilaPlanes * fila + kDespImporteFilaPlanes, sizeof v);
  return v;
}
void EntradaJ(RegApartadoJ& j, std::size_t e, unsigned char sujeto, double a, double b) {
  j.octetos[kPasoEntradaJ * e] = sujeto;
  std::memcpy(j.octetos + kPasoEntradaJ * e + kDespImporteJ1, &a, sizeof a);
  std::memcpy(j.octetos + kPasoEntradaJ * e + kDespImporteJ2, &b, sizeof b);
}
double ImporteJ(const RegApartadoJ& j, std::size_t e, std::size_t desp) {
  double v = 0;
  std::memcpy(&v, j.octetos + kPasoEntradaJ * e + desp, sizeof v);
  return v;
}

TEST(DatosFamiliaReglas, PlanesDePensionesAlLimite) {
  RegRendTrabajo t{};
  RegApartadoJ j{};
  FilaTrabajo(t, 0, 3, 500.0);  // the spouse's: untouched
  FilaTrabajo(t, 1, 2, 700.0);
  FilaTrabajo(t, 4, 2, 600.0);
  EntradaJ(j, 0, 2, 1500.0, 300.0);
  EntradaJ(j, 1, 3, 200.0, 200.0);
  int avisos = 0;
  ASSERT_TRUE(AjustarPlanesPensiones(t, j, 2, 1000.0, [&] {
    ++avisos;
    return true;
  }));
  EXPECT_EQ(avisos, 2);
  EXPECT_EQ(ImporteTrabajo(t, 0), 500.0);
  EXPECT_EQ(ImporteTrabajo(t, 1), 1000.0);
  EXPECT_EQ(ImporteTrabajo(t, 4), 0.0);
  EXPECT_EQ(ImporteJ(j, 0, kDespImporteJ1), 1000.0);
  EXPECT_EQ(ImporteJ(j, 0, kDespImporteJ2), 0.0);
  EXPECT_EQ(ImporteJ(j, 1, kDespImporteJ1), 200.0);
  EXPECT_EQ(ImporteJ(j, 1, kDespImporteJ2), 200.0);
}

TEST(DatosFamiliaReglas, PlanesDePensionesDentroDelLimiteOCorregir) {
  RegRendTrabajo t{};
  RegApartadoJ j{};
  FilaTrabajo(t, 0, 2, 400.0);
  EntradaJ(j, 0, 2, 300.0, 200.0);
  EntradaJ(j, 1, 2, 300.0, 400.0);
  int avisos = 0;
  // Within the cap: no warning, nothing changes.
  ASSERT_TRUE(AjustarPlanesPensiones(t, j, 2, 1200.0, [&] {
    ++avisos;
    return true;
  }));
  EXPECT_EQ(avisos, 0);
  EXPECT_EQ(ImporteJ(j, 1, kDespImporteJ2), 400.0);

  // Above it in section J: the amounts at 32 give way, first entry first.
  ASSERT_TRUE(AjustarPlanesPensiones(t, j, 2, 1000.0, [] { return true; }));
  EXPECT_EQ(ImporteJ(j, 0, kDespImporteJ2), 200.0);
  EXPECT_EQ(ImporteJ(j, 1, kDespImporteJ2), 200.0);
  EXPECT_EQ(ImporteJ(j, 0, kDespImporteJ1) + ImporteJ(j, 1, kDespImporteJ1), 600.0);

  // Two amounts at 24 that alone exceed the cap: the later one gives way too.
  EntradaJ(j, 0, 2, 800.0, 100.0);
  EntradaJ(j, 1, 2, 700.0, 0.0);
  ASSERT_TRUE(AjustarPlanesPensiones(t, j, 2, 1000.0, [] { return true; }));
  EXPECT_EQ(ImporteJ(j, 0, kDespImporteJ1), 800.0);
  EXPECT_EQ(ImporteJ(j, 0, kDespImporteJ2), 0.0);
  EXPECT_EQ(ImporteJ(j, 1, kDespImporteJ1), 200.0);

  // "Corregir" stops at once.
  FilaTrabajo(t, 0, 2, 5000.0);
  EXPECT_FALSE(AjustarPlanesPensiones(t, j, 2, 1000.0, [] { return false; }));
  EXPECT_EQ(ImporteTrabajo(t, 0), 5000.0);
}

}  // namespace

namespace {

TEST(DatosFamiliaReglas, CadaFalloSenalaElDatoQueHayQueRevisar) {
  struct SCasoCampo {
    const char* nombre;
    RegDatosFamilia (*base)();
    Cambio cambio;
    std::size_t campo;
  };
  const SCasoCampo casos[] = {
      {"sin comunidad", Soltero, [](RegDatosFamilia& f) { PonerComunidad(f, kMiembroDeclarante, "", ""); },
       DespCodigoComunidad(kMiembroDeclarante)},
      {"conjunta sin comunidad comun", Matrimonio,
       [](RegDatosFamilia& f) { PonerComunidad(f, kMiembroConjunta, "", ""); }, DespCodigoComunidad(kMiembroConjunta)},
      {"comunidad comun de nadie", Matrimonio,
       [](RegDatosFamilia& f) { PonerComunidad(f, kMiembroConjunta, "01", "ANDALUC\xCD" "A"); },
       DespCodigoComunidad(kMiembroConjunta)},
      {"sin anio", Soltero, [](RegDatosFamilia& f) { PonerTexto(f, kDespAnioDeclarante, "0000"); },
       kDespAnioDeclarante},
      {"conyuge sin anio", Matrimonio, [](RegDatosFamilia& f) { PonerTexto(f, kDespAnioConyuge, "0000"); },
       kDespAnioConyuge},
      // A sum that is too big points at its first count that holds something.
      {"ascendientes", Soltero, [](RegDatosFamilia& f) { PonerDoble(f, 376, 3.0); }, 376},
  };
  for (const SCasoCampo& caso : casos) {
    RegDatosFamilia f = caso.base();
    caso.cambio(f);
    const std::vector<SFalloDatosFamilia> fallos = RevisarDatosFamilia(f);
    ASSERT_FALSE(fallos.empty()) << caso.nombre;
    EXPECT_EQ(fallos.front().campo, caso.campo) << caso.nombre;
  }
}

TEST(DatosFamiliaReglas, CadaContadorTieneSuTextoUnaSolaVez) {
  std::vector<int> vistos(kNumeroContadores, 0);
  for (const SGrupoContadores& grupo : GruposContadores()) {
    EXPECT_FALSE(grupo.titulo.empty());
    for (const SFilaContadores& fila : grupo.filas) {
      EXPECT_FALSE(fila.texto.empty());
      for (std::size_t c = 0; c < fila.contadores.size(); ++c) {
        const int i = fila.contadores[c];
        if (i < 0) continue;
        ASSERT_LT(i, static_cast<int>(kNumeroContadores));
        ++vistos[static_cast<std::size_t>(i)];
        EXPECT_FALSE(grupo.columnas[c].empty()) << i;
      }
    }
  }
  for (std::size_t i = 0; i < kNumeroContadores; ++i) {
    EXPECT_EQ(vistos[i], 1) << "count " << i;
    const std::string texto = TextoContador(i);
    EXPECT_FALSE(texto.empty()) << i;
    EXPECT_EQ(texto.find("Dato"), std::string::npos) << texto;
  }
  EXPECT_EQ(TextoContador(0), "Hijos de la unidad familiar menores de 3 a\xF1os (Comunes)");
  EXPECT_EQ(TextoContador(kNumeroContadores), "");
}

}  // namespace
