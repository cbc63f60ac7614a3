// Every finding of the rest of the declaration leads to a box that shows what it speaks of, on the ordinary form
// and on the simplified one: for each rule, a declaration that makes it fire (otherwise empty); for each finding it
// gives, the page it names is made from the form's page list (its own page class, loaded from the built tables and
// bound to the declaration as the screen binds it), and the box it names shows the value the finding says it speaks
// of (that very place of the data area, or for a row of a group the stored row's value as the page's rows show it;
// a list of entries as the detail behind its box). A simplified form without a box for the field leads to a
// stand-in box and says so; the ordinary form never does.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "d100/PaginasD100.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/ControlesPagina.h"
#include "framework/DocumentoServicios.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "income/FilasSecciones.h"
#include "income/Pago.h"
#include "income/RentaDoc.h"
#include "income/RentaImpre.h"
#include "income/RentaReglas.h"
#include "income/RentaValidacion.h"
#include "income/SIM001.h"
#include "income/SIM002.h"
#include "income/SIM003.h"
#include "income/SIM004.h"
#include "ximardol.h"

namespace {

using namespace renta;

void Texto(unsigned char* bloque, std::size_t desp, std::string_view texto) {
  std::memcpy(bloque + desp, texto.data(), texto.size());
}
void Doble(unsigned char* bloque, std::size_t desp, double valor) { std::memcpy(bloque + desp, &valor, sizeof valor); }
void Persona(unsigned char* bloque, std::size_t base, int sujeto, double valor) {
  Doble(bloque, base + 8 * static_cast<std::size_t>(sujeto - 1), valor);
}
unsigned char* Res(DatosRenta& d) { return d.Resultados.octetos; }
unsigned char* Base(DatosRenta& d) { return d.BaseImponible.octetos; }
unsigned char* FilaD(DatosRenta& d, int pagina, int g, int f) {
  unsigned char* bloque = pagina == 3 ? d.ApartadoD1.octetos : d.ApartadoD2.octetos;
  return bloque + kDespGruposD[g] + kAnchoGruposD[g] * static_cast<std::size_t>(f);
}
void FilaAtribucion(DatosRenta& d, int pagina, int g, unsigned char titular, std::string_view nif, double porcentaje,
                    double rendimiento, double computado) {
  static constexpr std::size_t kNif[6] = {0, 0, 0, 6, 2, 7};
  unsigned char* fila = FilaD(d, pagina, g, 0);
  fila[0] = titular;
  Texto(fila, kNif[g], nif);
  Doble(fila, 16, porcentaje);
  Doble(fila, 24, rendimiento);
  Doble(fila, 32, computado);
}
void Marca(DatosRenta& d, std::size_t base, int sujeto) { Res(d)[base + static_cast<std::size_t>(sujeto - 1)] = 1; }
constexpr std::size_t kResultado = 6384;

// A declaration that makes one rule fire, seen by one person.
struct SDisparo {
  const char* nombre;
  int sujeto;
  std::function<void(DatosRenta&)> cambio;
  bool internet = false;
  bool sinConyuge = false;
};

std::vector<SDisparo> Disparos() {
  return {
      {"comunidad de la unidad", 1,
       [](DatosRenta& d) {
         Texto(d.DatosFamilia.octetos, 48, "13");
         Texto(d.DatosFamilia.octetos, 48 + 32, "13");
         Texto(d.DatosFamilia.octetos, 48 + 64, "09");
         Persona(Base(d), 1312, 3, 2000000);
       }},
      {"clave de minusvalido del declarante", 2,
       [](DatosRenta& d) {
         d.RendTrabajo.octetos[40] = 2;
         d.RendTrabajo.octetos[41] = '1';
         Doble(d.DatosFamilia.octetos, 0x10, 70);
       }},
      {"clave de minusvalido del conyuge vista por la unidad", 1,
       [](DatosRenta& d) {
         d.RendTrabajo.octetos[40 + 104] = 3;
         d.RendTrabajo.octetos[41 + 104] = '3';
         Doble(d.DatosFamilia.octetos, 0x18, 40);
       }},
      {"clave de minusvalido del conyuge visto por el", 3,
       [](DatosRenta& d) {
         d.RendTrabajo.octetos[40] = 3;
         d.RendTrabajo.octetos[41] = '3';
         Doble(d.DatosFamilia.octetos, 0x18, 40);
       }},
      {"cuotas negativas", 2,
       [](DatosRenta& d) {
         Persona(Res(d), 680, 2, -1);
         Persona(Res(d), 720, 2, -1);
         Persona(Res(d), 5008, 2, -1);
       }},
      {"titular de actividad que no es miembro", 1,
       [](DatosRenta& d) {
         FilaD(d, 3, 0, 0)[0] = 3;
         FilaD(d, 3, 0, 0)[1] = 1;
       },
       false, true},
      {"fila de actividad sin titular ni clave", 1, [](DatosRenta& d) { Doble(FilaD(d, 4, 0, 0), 8, 5); }},
      {"atribucion sin titular", 1, [](DatosRenta& d) { FilaAtribucion(d, 4, 3, 0, "         ", 50, 100, 50); }},
      {"atribucion de quien no es miembro", 1,
       [](DatosRenta& d) { FilaAtribucion(d, 4, 4, 3, "12345678Z", 50, 100, 50); }, false, true},
      {"dos filas del mismo titular y entidad", 2,
       [](DatosRenta& d) {
         FilaAtribucion(d, 4, 3, 2, "12345678Z", 50, 100, 50);
         unsigned char* fila = FilaD(d, 4, 3, 1);
         fila[0] = 2;
         Texto(fila, 6, "12345678Z");
         Doble(fila, 16, 50);
         Doble(fila, 24, 200);
         Doble(fila, 32, 100);
       }},
      {"porcentaje negativo", 2, [](DatosRenta& d) { FilaAtribucion(d, 4, 5, 2, "12345678Z", -5, 100, 50); }},
      {"porcentaje sobre 100", 2, [](DatosRenta& d) { FilaAtribucion(d, 4, 5, 2, "12345678Z", 150, 100, 50); }},
      {"computado mayor que el rendimiento y NIF que no vale", 2,
       [](DatosRenta& d) { FilaAtribucion(d, 4, 4, 2, "12345678A", 50, -100, -150); }},
      {"entidad sin importes", 2, [](DatosRenta& d) { FilaAtribucion(d, 4, 5, 2, "12345678Z", 0, 0, 0); }},
      {"actividad sin clave", 2,
       [](DatosRenta& d) {
         FilaD(d, 3, 0, 0)[0] = 2;
         Doble(FilaD(d, 3, 0, 0), 16, 100);
       }},
      {"rendimiento sin computado", 2, [](DatosRenta& d) { FilaAtribucion(d, 3, 3, 2, "12345678Z", 50, 100, 0); }},
      {"computado sin rendimiento", 2, [](DatosRenta& d) { FilaAtribucion(d, 4, 5, 2, "12345678Z", 50, 0, 30); }},
      {"pago a cuenta sin titular", 1, [](DatosRenta& d) { Doble(Res(d), 5848 + 24 * 2 + 16, 10); }},
      {"pago a cuenta de quien no es miembro", 1,
       [](DatosRenta& d) {
         Res(d)[6008 + 16] = 3;
         Doble(Res(d), 6008 + 16 + 8, 10);
       },
       false, true},
      {"dos entradas del mismo titular", 2,
       [](DatosRenta& d) {
         Res(d)[6080] = 2;
         Doble(Res(d), 6080 + 8, 10);
         Res(d)[6080 + 16] = 2;
         Doble(Res(d), 6080 + 16 + 8, 20);
       }},
      {"retenciones negativas", 2,
       [](DatosRenta& d) {
         for (std::size_t desp : {5728, 5768, 5808, 5968, 6040, 6112, 6152, 6232, 6272}) Persona(Res(d), desp, 2, -3);
       }},
      {"total de la unidad distinto de sus miembros", 1,
       [](DatosRenta& d) {
         Persona(Res(d), 80, 1, 100);
         Persona(Res(d), 80, 2, 60);
       }},
      {"entrada con titular sin importe", 2, [](DatosRenta& d) { Res(d)[6312] = 2; }},
      {"reducciones por encima de la parte general", 2,
       [](DatosRenta& d) {
         Persona(Base(d), 1080, 2, 300);
         Persona(Base(d), 1352, 2, 200);
         Persona(Base(d), 1120, 2, 150);
       }},
      {"exceso de aportaciones del declarante", 2, [](DatosRenta& d) { Doble(d.ApartadoJ.octetos, 104, 10); }},
      {"fila de saldos sin titular", 1, [](DatosRenta& d) { Doble(d.ApartadoF4.octetos, 240 + 8 + 16, 10); }},
      {"fila de saldos de quien no es miembro", 1, [](DatosRenta& d) { d.ApartadoF4.octetos[240] = 3; }, false,
       true},
      {"aportaciones del declarante en su segunda fila", 2,
       [](DatosRenta& d) {
         Texto(d.DatosFamilia.octetos, 4, "1960");
         d.ApartadoJ.octetos[0] = 3;
         d.ApartadoJ.octetos[48] = 2;
         Doble(d.ApartadoJ.octetos, 48 + 8, DameCuantiaMaximaPlanPensiones(1960) + 1);
         Doble(d.ApartadoJ.octetos, 48 + 16, DameCuantiaMaximaPlanPensiones(1960) + 1);
       }},
      {"segunda clase sobre el tope del primer grupo", 1,
       [](DatosRenta& d) {
         d.ApartadoJ.octetos[136] = 2;
         Doble(d.ApartadoJ.octetos, 136 + 32, 2200001);
         Doble(d.ApartadoJ.octetos, 136 + 56, 2200001);
       }},
      {"segunda clase sobre el tope del segundo grupo", 3,
       [](DatosRenta& d) {
         d.ApartadoJ.octetos[136] = 3;
         Doble(d.ApartadoJ.octetos, 136 + 48, 1100001);
         Doble(d.ApartadoJ.octetos, 136 + 64, 1100001);
       }},
      {"devolucion por transferencia sin cuenta", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, -100);
         Marca(d, 7005, 2);
       }},
      {"primer plazo domiciliado sin cuenta", 3,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 3, 100);
         Marca(d, 6693, 3);
         Marca(d, 6703, 3);
       }},
      {"segundo plazo domiciliado sin fraccionar", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, 100);
         Marca(d, 6688, 2);
         Marca(d, 6853, 2);
       }},
      {"segundo plazo domiciliado sin cuenta", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, 100);
         Marca(d, 6693, 2);
         Marca(d, 6853, 2);
       }},
      {"devolucion sin forma elegida", 2, [](DatosRenta& d) { Persona(Res(d), kResultado, 2, -100); }},
      {"ingreso sin forma elegida", 1, [](DatosRenta& d) { Persona(Res(d), kResultado, 1, 100); }},
      {"actividad con empleados y sin modulo de personal", 1,
       [](DatosRenta& d) {
         Texto(d.ApartadoD4.octetos, 0, " 6532");
         d.ApartadoD4.octetos[24] = 2;
         Doble(d.ApartadoD4.octetos, 104, 2);
       }},
      {"actividades sin titular", 1,
       [](DatosRenta& d) {
         Texto(d.ApartadoD4.octetos, 0, " 6532");
         Texto(d.ApartadoD5.octetos + 16, 0, "0123");
       },
       true},
      {"imputacion sin titular", 2, [](DatosRenta& d) { Doble(d.ApartadoE2.octetos + 24, 16, 100); }, true},
      {"imputacion de clase desconocida", 2,
       [](DatosRenta& d) {
         unsigned char* fila = d.ApartadoE2.octetos + 24 + 160;
         fila[9] = '7';
         fila[10] = 2;
         Doble(fila, 16, 100);
       },
       true},
      {"fraccionamiento con marca de diferencia final", 2,
       [](DatosRenta& d) {
         Persona(Res(d), kResultado, 2, 100);
         Marca(d, 6693, 2);
         d.Identificacion.octetos[2484 + 1] = 1;
       },
       true},
      {"diferencia final sin marca", 3, [](DatosRenta& d) { Persona(Res(d), 6424, 3, 5); }, true},
      {"filas de dos importes", 2,
       [](DatosRenta& d) {
         for (std::size_t desp : {3072, 3328}) {
           unsigned char* fila = d.ApartadoF2.octetos + desp;
           fila[0] = 2;
           Doble(fila, 8, 100);
         }
         unsigned char* a = d.ApartadoF2.octetos + 3584;
         a[0] = 2;
         Doble(a, 16, 100);
         for (std::size_t desp : {5880, 6136}) {
           unsigned char* fila = d.ApartadoF3.octetos + desp;
           fila[0] = 2;
           Doble(fila, 16, 7);
         }
       }},
  };
}

// The codes of the rest of the declaration.
const std::vector<std::string>& Codigos() {
  static const std::vector<std::string> codigos = {
      "100R154", "100V136", "100V157", "100V158", "100V159", "100R167", "WIN045",  "100I005",
      "100I006", "100I007", "100I008", "100I009", "100I010", "100I011", "100V171", "100V168",
      "100V169", "100R180", "100R181", "100R147", "100I001", "100I002", "100M012", "100V199",
      "100R192", "100V202", "100V203", "INET002", "INET003", "INET004", "100R177"};
  return codigos;
}

class HallazgosCasillas : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(m_local.Abrir(KORVELIX_DATOS_LOCAL "/", false, 1, "DBF"), 0);
    marco::PonerIdiomaV("e");
    ordinaria::ClasesPaginasD100();
    ClasesPaginasFinales();
    for (wxClassInfo* clase : {ClasePaginaSIM001(), ClasePaginaSIM002(), ClasePaginaSIM003(), ClasePaginaSIM004()}) {
      ASSERT_NE(clase, nullptr);
    }
    marco::PublicarSujetoActual(&m_sujeto);
    marco::PublicarSujetosPresentes(m_presentes.data());
  }
  void TearDown() override {
    marco::PublicarSujetoActual(nullptr);
    marco::PublicarSujetosPresentes(nullptr);
  }

  // The page `vista` of the form's page list, made from its own class and bound to `datos` for the person shown.
  std::shared_ptr<marco::CControlesPagina> Pagina(CRentaDoc& doc, int tipoDec, int vista) {
    const auto paginas = PaginasFormulario(tipoDec);
    if (vista < 1 || vista > static_cast<int>(paginas.size())) return nullptr;
    const int id = IdPaginaDeNombre(paginas[static_cast<std::size_t>(vista - 1)]);
    auto campos = CrearControlesPaginaRenta(doc, id);
    if (!campos || campos->Cargar(id, 1.0, &m_local) == 0) return nullptr;
    campos->Refrescar();
    return campos;
  }

  // Whether the box of the finding shows what it speaks of. The value the box shows is either the very place of
  // the data area, or (a group's working row) the value written there before the page was made.
  ::testing::AssertionResult Muestra(const DatosRenta& datos, int tipoDec, int sujeto, const marco::SHallazgo& h,
                                     const SDatoHallazgo& dato) {
    auto doc = std::make_unique<CRentaDoc>();
    doc->PonerTipoDec(tipoDec);
    doc->Datos() = datos;
    doc->ActualizarSujetos();
    doc->PonerSujetoActual(sujeto);
    m_sujeto = sujeto;
    const auto presentes = doc->SujetosPresentes();
    std::copy(presentes.begin(), presentes.end(), m_presentes.begin());
    auto* area = reinterpret_cast<unsigned char*>(&doc->Datos());
    auto campos = Pagina(*doc, tipoDec, h.vista);
    if (!campos) return ::testing::AssertionFailure() << "no page " << h.vista;
    const marco::CCampo* campo = campos->Campo(h.numcontr);
    if (campo == nullptr) return ::testing::AssertionFailure() << "no box " << h.numcontr + 1;
    if (dato.enlace) {
      if (campo->Enlace == area + dato.desplazamiento) return ::testing::AssertionSuccess();
      return ::testing::AssertionFailure() << "box " << h.numcontr + 1 << " does not open the list at "
                                           << dato.desplazamiento;
    }
    const unsigned char* valor = campo->ValorSujeto(sujeto);
    if (valor == nullptr) return ::testing::AssertionFailure() << "box " << h.numcontr + 1 << " is not bound";
    if (valor >= area && valor < area + sizeof(DatosRenta)) {
      if (valor == area + dato.desplazamiento) return ::testing::AssertionSuccess();
      return ::testing::AssertionFailure() << "box " << h.numcontr + 1 << " shows the place "
                                           << (valor - area) << ", not " << dato.desplazamiento;
    }
    // A row of a group: the box shows the page's working copy. A value of its own written into the stored field
    // must be what the box shows once the page is made again.
    std::vector<unsigned char> marca(dato.tamano);
    for (std::size_t i = 0; i < marca.size(); ++i) marca[i] = static_cast<unsigned char>(dato.tamano == 8 ? 0 : 'Q');
    if (dato.tamano == 8) {
      const double centinela = 987654321.0;
      std::memcpy(marca.data(), &centinela, 8);
    } else if (dato.tamano == 1) {
      marca[0] = area[dato.desplazamiento] == 0 ? 0x51 : static_cast<unsigned char>(area[dato.desplazamiento] ^ 0x40);
    }
    campos.reset();
    std::memcpy(area + dato.desplazamiento, marca.data(), marca.size());
    campos = Pagina(*doc, tipoDec, h.vista);
    if (!campos) return ::testing::AssertionFailure() << "no page " << h.vista << " the second time";
    campo = campos->Campo(h.numcontr);
    valor = campo != nullptr ? campo->ValorSujeto(sujeto) : nullptr;
    if (valor != nullptr && std::memcmp(valor, marca.data(), marca.size()) == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "box " << h.numcontr + 1 << " does not show the row's field at "
                                         << dato.desplazamiento;
  }

  marco::CBaseDatos m_local;
  marco::CGuionMensajes m_guion;
  std::int32_t m_sujeto = 1;
  std::array<std::int32_t, 5> m_presentes{1, 1, 1, 0, 0};
};

TEST_F(HallazgosCasillas, CadaHallazgoLlevaALaCasillaQueMuestraSuDato) {
  for (int tipoDec : {2, 1}) {
    SCOPED_TRACE(tipoDec == 1 ? "D-101" : "D-100");
    std::set<std::string> vistos;
    std::set<std::tuple<std::string, int, int>> propios;
    std::set<std::tuple<std::string, int, int>> sustitutos;
    for (const SDisparo& disparo : Disparos()) {
      SCOPED_TRACE(disparo.nombre);
      DatosRenta d{};
      d.DatosFamilia.octetos[0] = disparo.sinConyuge ? 0 : 1;
      d.DatosFamilia.octetos[1] = 1;
      disparo.cambio(d);
      SContextoValidacion c;
      c.sujeto = disparo.sujeto;
      c.presentacionInternet = disparo.internet;
      c.tipoDec = tipoDec;
      std::vector<marco::SHallazgo> hallazgos;
      std::vector<SDatoHallazgo> datos;
      ReglasRestoDeclaracion(d, c, hallazgos, &datos);
      ASSERT_EQ(datos.size(), hallazgos.size());
      EXPECT_FALSE(hallazgos.empty()) << "the rule did not fire";
      for (std::size_t i = 0; i < hallazgos.size(); ++i) {
        const marco::SHallazgo& h = hallazgos[i];
        SCOPED_TRACE(h.codigo + " page " + std::to_string(h.vista) + " box " + std::to_string(h.numcontr + 1));
        vistos.insert(h.codigo);
        if (h.codigo == "100R154") {
          // The region codes belong to the family data: the finding leads to no page.
          EXPECT_EQ(h.vista, 0);
          EXPECT_EQ(datos[i].tamano, 0u);
          continue;
        }
        ASSERT_GT(datos[i].tamano, 0u);
        EXPECT_TRUE(!datos[i].sustituto || tipoDec == 1) << "the ordinary form has a box for every finding";
        (datos[i].sustituto ? sustitutos : propios).insert({h.codigo, h.vista, h.numcontr});
        EXPECT_TRUE(Muestra(d, tipoDec, disparo.sujeto, h, datos[i]));
      }
    }
    for (const std::string& codigo : Codigos()) EXPECT_TRUE(vistos.count(codigo) == 1) << codigo << " not tried";
    // A stand-in place is never a code's own place too: the findings list tells them apart by the place.
    for (const auto& s : sustitutos) EXPECT_EQ(propios.count(s), 0u) << std::get<0>(s);
  }
  EXPECT_TRUE(m_guion.Codigos().empty());
}

}  // namespace
