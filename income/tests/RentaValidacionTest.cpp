// The whole-declaration check: the findings of each rule (code, page, box, severity) on a declaration that is
// complete but for one datum, the rows of the family lists each person sees, and the document's run against a
// findings table made from the real Corregix schema (earlier findings erased, one row per code).
#include "income/RentaValidacion.h"
#include "income/IdentificacionComun.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/DocumentoServicios.h"
#include "framework/Hallazgos.h"
#include "framework/MensajeGuion.h"
#include "income/RentaDoc.h"
#include "platform/TablaTexto.h"

namespace fs = std::filesystem;
using namespace renta;

namespace marco {
bool operator==(const SHallazgo& a, const SHallazgo& b) {
  return a.codigo == b.codigo && a.vista == b.vista && a.numcontr == b.numcontr && a.severidad == b.severidad;
}
void PrintTo(const SHallazgo& h, std::ostream* os) {
  *os << "{" << h.codigo << " " << h.vista << "/" << h.numcontr << "/" << h.severidad << "}";
}
}  // namespace marco

namespace {

using marco::SHallazgo;
using Hallazgos = std::vector<SHallazgo>;

void Texto(unsigned char* bloque, std::size_t desp, std::string_view texto) {
  std::memcpy(bloque + desp, texto.data(), texto.size());
}
void Blancos(unsigned char* bloque, std::size_t desp, std::size_t n) { std::memset(bloque + desp, ' ', n); }
void Doble(unsigned char* bloque, std::size_t desp, double valor) { std::memcpy(bloque + desp, &valor, sizeof valor); }

std::size_t P(int sujeto) { return static_cast<std::size_t>(sujeto); }

// A married couple with two children whose identification is complete for every person: no finding for anyone.
DatosRenta Completa() {
  DatosRenta d{};
  unsigned char* fam = d.DatosFamilia.octetos;
  unsigned char* id = d.Identificacion.octetos;
  fam[0] = 1;  // married
  fam[1] = 1;  // children
  fam[0x90] = ' ';
  fam[0xb0] = ' ';
  for (int e = 0; e < 4; ++e) Doble(fam, 0x10 + 8 * static_cast<std::size_t>(e), 70);
  Texto(id, 0x1c4, "28");
  Texto(id, 0x1d9, "MADRID");
  for (int s = 1; s <= 5; ++s) {
    const std::size_t p = P(s);
    Texto(id, 0x1f6 + 9 * p, s == 3 ? "87654321X" : "12345678Z");
    Texto(id, 0x21d + 15 * p, "ANA");
    Texto(id, 0x268 + 15 * p, "GARCIA");
    Texto(id, 0x2b3 + 15 * p, "LOPEZ");
    Texto(id, 0x302 + 26 * p, "CALLE MAYOR 1");
    Texto(id, 0x3c1 + 15 * p, "MADRID");
    Texto(id, 0x40e + 13 * p, "MADRID");
    Texto(id, 0x457 + 5 * p, "28001");
    Texto(id, 0x4af + 9 * p, "1");
    id[0x9a9 + p] = 1;
    if (s < 4) {
      Texto(id, 0x4e6 + 9 * p, "87654321X");
      Texto(id, 0x50d + 15 * p, "LUIS");
      Texto(id, 0x558 + 15 * p, "PEREZ");
    }
  }
  for (std::size_t desp : {0x1ee, 0x1ef, 0x481, 0x485}) id[desp] = '1';  // the children single, with their years
  return d;
}

Hallazgos Reglas(const DatosRenta& d, int sujeto, const TablaDescendientes* desc = nullptr,
                 const TablaAscendientes* asc = nullptr) {
  SContextoValidacion contexto;
  contexto.sujeto = sujeto;
  contexto.descendientes = desc;
  contexto.ascendientes = asc;
  return ReglasDeclaracion(d, contexto);
}

TEST(RentaValidacion, DeclaracionCompletaSinHallazgos) {
  const DatosRenta d = Completa();
  for (int s = 1; s <= 5; ++s) EXPECT_EQ(Reglas(d, s), Hallazgos{}) << "persona " << s;
  // No person shown, nothing checked.
  EXPECT_EQ(Reglas(DatosRenta{}, 0), Hallazgos{});
  EXPECT_EQ(Reglas(DatosRenta{}, 6), Hallazgos{});
}

struct SCaso {
  const char* nombre;
  int sujeto;
  std::function<void(DatosRenta&)> cambio;
  Hallazgos esperados;
};

unsigned char* Id(DatosRenta& d) { return d.Identificacion.octetos; }

// The delegation and administration codes of page 1: not of their form, an error; of their form but not in the
// program's list, a warning (the declaration still prints and files); without the list to look in, only the form.
TEST(RentaValidacion, CodigosDeDelegacionYAdministracion) {
  const auto enLista = [](marco::EListaIncompleta lista, std::string_view clave) {
    return lista == marco::EListaIncompleta::Delegaciones ? clave == "08" || clave == "28" : clave == "28618";
  };
  struct Caso {
    const char* delegacion;
    const char* administracion;
    bool conLista;
    Hallazgos esperados;
  };
  const Caso casos[] = {
      {"28", "618", true, {}},
      {"08", "999", true, {{"LISTA02", 1, 3, 0}}},
      {"51", "001", true, {{"LISTA01", 1, 2, 0}, {"LISTA02", 1, 3, 0}}},
      {"53", "618", true, {{"LISTA05", 1, 2, 1}, {"LISTA02", 1, 3, 0}}},
      {"00", "   ", true, {{"LISTA05", 1, 2, 1}}},
      {"28", "12 ", true, {{"LISTA06", 1, 3, 1}}},
      {"28", "000", false, {{"LISTA06", 1, 3, 1}}},
      {"08", "999", false, {}},
      {"  ", "   ", true, {}},
  };
  for (const Caso& c : casos) {
    DatosRenta d = Completa();
    Texto(Id(d), kDespCodigoDelegacion, c.delegacion);
    Texto(Id(d), kDespCodigoAdministracion, c.administracion);
    SContextoValidacion contexto;
    contexto.sujeto = 2;
    if (c.conLista) contexto.enLista = enLista;
    EXPECT_EQ(ReglasDeclaracion(d, contexto), c.esperados) << c.delegacion << " " << c.administracion;
  }
}

TEST(RentaValidacion, CadaReglaDaSuHallazgo) {
  const std::vector<SCaso> casos = {
      {"primer dato vacio", 2, [](DatosRenta& d) { Blancos(Id(d), 0x1c4, 21); }, {{"WIN001", 1, 0, 1}}},
      {"primer dato con NUL al principio", 2, [](DatosRenta& d) { Id(d)[0x1c4] = 0; }, {{"WIN001", 1, 0, 1}}},
      // A field with a value after a leading blank holds a value.
      {"primer dato tras un blanco", 2, [](DatosRenta& d) { Texto(Id(d), 0x1c4, " 28"); }, {}},
      {"segundo dato vacio", 2, [](DatosRenta& d) { Blancos(Id(d), 0x1d9, 21); }, {{"WIN002", 1, 1, 1}}},
      {"NIF del conyuge vacio", 3, [](DatosRenta& d) { Blancos(Id(d), 0x1f6 + 27, 9); },
       {{"104R002", 1, 4, 1}, {"NOME01", 1, 5, 1}}},
      {"NIF de otra persona vacio", 2, [](DatosRenta& d) { Blancos(Id(d), 0x1f6 + 27, 9); }, {}},
      {"nombre vacio", 2, [](DatosRenta& d) { Blancos(Id(d), 0x21d + 30, 15); }, {{"104R004", 1, 5, 1}}},
      {"primer apellido vacio", 5, [](DatosRenta& d) { Blancos(Id(d), 0x268 + 75, 15); }, {{"104R004", 1, 5, 1}}},
      {"NIF que no es de persona", 2, [](DatosRenta& d) { Texto(Id(d), 0x1f6 + 18, "12345678A"); },
       {{"NOME01", 1, 5, 1}}},
      {"nombre con cifras", 1, [](DatosRenta& d) { Texto(Id(d), 0x21d + 15, "ANA2"); }, {{"NOME01", 1, 5, 1}}},
      {"NIF del conyuge en la unidad casada", 1, [](DatosRenta& d) { Blancos(Id(d), 0x4e6 + 9, 9); },
       {{"104R003", 1, 24, 1}}},
      {"nombres del conyuge en la unidad casada", 3, [](DatosRenta& d) { Blancos(Id(d), 0x558 + 45, 15); },
       {{"104R005", 1, 25, 1}}},
      {"datos del conyuge no se piden a un hijo", 4, [](DatosRenta& d) { Blancos(Id(d), 0x4e6 + 36, 9); }, {}},
      {"datos del conyuge no se piden a un soltero", 2,
       [](DatosRenta& d) {
         d.DatosFamilia.octetos[0] = 0;
         Blancos(Id(d), 0x4e6 + 18, 9);
         Blancos(Id(d), 0x50d + 30, 15);
       },
       {}},
      {"viudo del año que declara en conjunto cuenta como casado", 2,
       [](DatosRenta& d) {
         d.DatosFamilia.octetos[0] = 2;
         d.DatosFamilia.octetos[3] = 1;
         Blancos(Id(d), 0x4e6 + 18, 9);
       },
       {{"104R003", 1, 24, 1}}},
      {"dato personal en blanco", 2, [](DatosRenta& d) { Id(d)[0x4af + 18] = ' '; }, {{"100V139", 1, 23, 0}}},
      {"sin domicilio", 2,
       [](DatosRenta& d) {
         Blancos(Id(d), 0x302 + 52, 26);
         Blancos(Id(d), 0x3c1 + 30, 15);
         Blancos(Id(d), 0x40e + 26, 13);
         Blancos(Id(d), 0x457 + 10, 5);
       },
       {{"104V001", 1, 8, 0}}},
      {"domicilio con solo el codigo postal", 2,
       [](DatosRenta& d) {
         Blancos(Id(d), 0x302 + 52, 26);
         Blancos(Id(d), 0x3c1 + 30, 15);
         Blancos(Id(d), 0x40e + 26, 13);
       },
       {}},
      {"sin ninguna asignacion", 3, [](DatosRenta& d) { Id(d)[0x9a9 + 3] = 0; }, {{"100R202", 1, 132, 0}}},
      {"con la segunda asignacion", 3,
       [](DatosRenta& d) {
         Id(d)[0x9a9 + 3] = 0;
         Id(d)[0x9ae + 3] = 1;
       },
       {}},
      {"hijo sin marcas", 4,
       [](DatosRenta& d) {
         Id(d)[0x1ee] = ' ';
         Id(d)[0x1f8] = 0;
       },
       {{"100R204", 1, 17, 1}}},
      {"hijo con una marca", 4, [](DatosRenta& d) { Id(d)[0x1ee] = ' '; Id(d)[0x1f8] = '1'; }, {}},
      // Two marital statuses ticked on page 1: an error on the first of them (boxes 18 to 21, from 0: 17 to 20).
      {"viudo y casado", 2, [](DatosRenta& d) { Id(d)[496 + 1] = 1; Id(d)[501 + 1] = 1; }, {{"FAM002", 1, 18, 1}}},
      {"soltero y divorciado", 2, [](DatosRenta& d) { Id(d)[491 + 1] = 1; Id(d)[506 + 1] = 1; }, {{"FAM002", 1, 17, 1}}},
      {"un solo estado civil", 2, [](DatosRenta& d) { Id(d)[501 + 1] = 1; }, {}},
      {"dos estados del conyuge", 3, [](DatosRenta& d) { Id(d)[491 + 2] = 'X'; Id(d)[501 + 2] = 1; }, {{"FAM002", 1, 17, 1}}},
      {"los del conyuge no son del declarante", 2, [](DatosRenta& d) { Id(d)[491 + 2] = 1; Id(d)[501 + 2] = 1; }, {}},
      {"hijo sin su dato", 4, [](DatosRenta& d) { Id(d)[0x481] = ' '; }, {{"100R140", 1, 21, 1}}},
      {"segundo hijo sin marcas ni dato", 5,
       [](DatosRenta& d) {
         Id(d)[0x1ef] = ' ';
         Id(d)[0x1f9] = ' ';
         Id(d)[0x485] = 0;
       },
       {{"100R204", 1, 17, 1}, {"100R140", 1, 21, 1}}},
      {"los datos del hijo no se miran con su marca familiar", 4,
       [](DatosRenta& d) {
         d.DatosFamilia.octetos[0x90] = 'X';
         Id(d)[0x1ee] = ' ';
         Id(d)[0x1f8] = ' ';
         Id(d)[0x481] = ' ';
       },
       {}},
      {"el primer hijo no mira los datos del segundo", 4, [](DatosRenta& d) { Id(d)[0x485] = ' '; }, {}},
  };
  for (const SCaso& c : casos) {
    DatosRenta d = Completa();
    c.cambio(d);
    EXPECT_EQ(Reglas(d, c.sujeto), c.esperados) << c.nombre;
  }
}

TEST(RentaValidacion, RendimientosDelTrabajoYEdad) {
  struct SFila {
    const char* nombre;
    unsigned char titular;
    double importe;
    double edad;
    bool hallazgo;
  };
  const std::vector<SFila> casos = {
      {"conyuge de 40 años", 3, 1000, 40, true},
      {"conyuge de 65 años", 3, 1000, 65, false},
      {"sin importe", 3, 0, 40, false},
      {"importe negativo", 5, -10, 12, true},
      {"titular unidad familiar", 1, 1000, 40, false},
      {"titular fuera de las personas", 6, 1000, 40, false},
  };
  for (const SFila& c : casos) {
    DatosRenta d = Completa();
    unsigned char* fila = d.RendTrabajo.octetos + 0x28 + 104 * 4;  // the fifth of the six rows
    fila[0] = c.titular;
    Doble(fila, 0x38, c.importe);
    if (c.titular >= 2 && c.titular <= 5) Doble(d.DatosFamilia.octetos, 0x10 + 8 * (c.titular - 2u), c.edad);
    // The rows are checked whichever person is shown.
    const Hallazgos esperados = c.hallazgo ? Hallazgos{{"100R136", 2, 2, 1}} : Hallazgos{};
    EXPECT_EQ(Reglas(d, 1), esperados) << c.nombre;
    EXPECT_EQ(Reglas(d, 4), esperados) << c.nombre;
  }
}

// ---- the family lists ----

unsigned char* FilaDesc(DatosRenta& d, std::size_t f) { return Id(d) + kDespDescendientes + f * kAnchoDescendiente; }
unsigned char* FilaAsc(DatosRenta& d, std::size_t f) { return Id(d) + kDespAscendientes + f * kAnchoAscendiente; }

// A row with tax id, name and year of birth, marked for the declarant (57 + 1) and/or the spouse (57 + 2).
void Familiar(unsigned char* fila, std::string_view nombre, std::string_view ano, char marcaDecl, char marcaCony) {
  Texto(fila, 0, "11111111H");
  Texto(fila, 9, nombre);
  Texto(fila, 42, ano);
  fila[58] = static_cast<unsigned char>(marcaDecl);
  fila[59] = static_cast<unsigned char>(marcaCony);
}

std::vector<std::string> Nombres(const unsigned char* tabla, std::size_t filas, std::size_t ancho) {
  std::vector<std::string> n;
  for (std::size_t f = 0; f < filas; ++f) {
    const unsigned char* fila = tabla + f * ancho;
    if (fila[9] != 0) n.emplace_back(reinterpret_cast<const char*>(fila + 9), 4);
  }
  return n;
}

TEST(RentaValidacion, FilasFamiliaresDeCadaPersona) {
  DatosRenta d = Completa();
  Familiar(FilaDesc(d, 0), "DES0", "1975", '1', ' ');  // the declarant's own
  Familiar(FilaDesc(d, 1), "DES1", "1990", '1', '1');  // young, shared and with its mark boxes set
  FilaDesc(d, 1)[63] = 1;
  Familiar(FilaDesc(d, 2), "DES2", "1990", '1', '1');  // young and shared, mark boxes free
  Familiar(FilaDesc(d, 3), "DES3", "1970", '0', '1');  // the spouse's only
  FilaDesc(d, 3)[62] = '2';                            // other situation, but no mark box set
  Familiar(FilaAsc(d, 0), "ASC0", "1920", '1', ' ');
  Familiar(FilaAsc(d, 1), "ASC1", "1925", ' ', '1');
  Familiar(FilaAsc(d, 2), "ASC2", "1930", '1', '1');

  Familiar(FilaDesc(d, 4), "DES4", "1985", ' ', ' ');  // marked for neither spouse

  constexpr auto kPagina = EUsoFilasFamiliares::Pagina;
  constexpr auto kCheck = EUsoFilasFamiliares::Validacion;
  struct SCasoLista {
    EUsoFilasFamiliares uso;
    int sujeto;
    bool hayConyugeOHijo;
    std::vector<std::string> descendientes;
    std::vector<std::string> ascendientes;
  };
  const std::vector<SCasoLista> casos = {
      {kPagina, 1, true, {"DES0", "DES1", "DES2", "DES3", "DES4"}, {"ASC0", "ASC1", "ASC2"}},
      {kPagina, 2, false, {"DES0", "DES1", "DES2", "DES3", "DES4"}, {"ASC0", "ASC1", "ASC2"}},
      {kPagina, 2, true, {"DES0", "DES2", "DES4"}, {"ASC0", "ASC2"}},
      // The page shows a descendant whose mark for the person is blank too; an ascendant needs the mark.
      {kPagina, 3, true, {"DES0", "DES2", "DES3", "DES4"}, {"ASC1", "ASC2"}},
      {kPagina, 4, true, {}, {}},
      {kPagina, 5, true, {}, {}},
      // The check hands each spouse only the rows marked '1' for them, the shared young one with its mark boxes
      // set included; a row marked for the other spouse or for nobody is not checked as theirs.
      {kCheck, 1, true, {"DES0", "DES1", "DES2", "DES3", "DES4"}, {"ASC0", "ASC1", "ASC2"}},
      {kCheck, 2, false, {"DES0", "DES1", "DES2", "DES3", "DES4"}, {"ASC0", "ASC1", "ASC2"}},
      {kCheck, 2, true, {"DES0", "DES1", "DES2"}, {"ASC0", "ASC2"}},
      {kCheck, 3, true, {"DES1", "DES2", "DES3"}, {"ASC1", "ASC2"}},
      {kCheck, 4, true, {}, {}},
  };
  for (const SCasoLista& c : casos) {
    const std::string caso =
        std::string(c.uso == kCheck ? "check" : "page") + ", person " + std::to_string(c.sujeto);
    TablaDescendientes desc;
    TablaAscendientes asc;
    desc.fill(0xee);
    asc.fill(0xee);
    SeleccionarFilasFamiliares(d.Identificacion, c.sujeto, c.hayConyugeOHijo, desc, asc, c.uso);
    EXPECT_EQ(Nombres(desc.data(), kFilasDescendientes, kAnchoDescendiente), c.descendientes) << caso;
    EXPECT_EQ(Nombres(asc.data(), kFilasAscendientes, kAnchoAscendiente), c.ascendientes) << caso;
    // Compacted, the rest zeroed.
    const std::size_t usados = c.descendientes.size() * kAnchoDescendiente;
    for (std::size_t i = usados; i < desc.size(); ++i) ASSERT_EQ(desc[i], 0) << caso << " byte " << i;
    // Every descendant row handed to a spouse by the check carries that spouse's mark.
    if (c.uso == kCheck && c.hayConyugeOHijo && (c.sujeto == 2 || c.sujeto == 3)) {
      for (std::size_t f = 0; f < c.descendientes.size(); ++f) {
        EXPECT_EQ(desc[f * kAnchoDescendiente + kFilaFamiliarMarcas + static_cast<std::size_t>(c.sujeto - 1)], '1')
            << caso << " row " << f;
      }
    }
  }
}

TEST(RentaValidacion, FilasFamiliaresIncompletas) {
  DatosRenta d = Completa();
  Familiar(FilaDesc(d, 0), "DES0", "1975", '1', '0');
  Familiar(FilaDesc(d, 1), "    ", "1990", '1', '0');
  Blancos(FilaDesc(d, 1), 0, 6);  // year without tax id nor name
  Familiar(FilaDesc(d, 2), "    ", "1991", '1', '0');  // year and tax id: not missing
  Familiar(FilaDesc(d, 3), "    ", "    ", '1', '0');
  Blancos(FilaDesc(d, 3), 0, 9);  // nothing at all: an unused row
  Familiar(FilaAsc(d, 0), "ASC0", "1920", '1', ' ');
  Familiar(FilaAsc(d, 1), "    ", "1925", '1', ' ');  // year without name
  Familiar(FilaAsc(d, 2), "ASC2", "1930", '1', ' ');
  Blancos(FilaAsc(d, 2), 0, 6);  // year without tax id
  Familiar(FilaAsc(d, 3), "ASC3", "1931", ' ', '1');
  Blancos(FilaAsc(d, 3), 0, 9);  // the spouse's only

  TablaDescendientes desc;
  TablaAscendientes asc;
  SeleccionarFilasFamiliares(d.Identificacion, 2, true, desc, asc, EUsoFilasFamiliares::Validacion);
  EXPECT_EQ(Reglas(d, 2, &desc, &asc),
            (Hallazgos{{"100R196", 1, 40, 1}, {"100R197", 1, 100, 1}, {"100R197", 1, 100, 1}}));
  // The spouse sees none of those rows but the ascendant without tax id.
  SeleccionarFilasFamiliares(d.Identificacion, 3, true, desc, asc, EUsoFilasFamiliares::Validacion);
  EXPECT_EQ(Reglas(d, 3, &desc, &asc), (Hallazgos{{"100R197", 1, 100, 1}}));
}

TEST(RentaValidacion, NombreCompuesto) {
  DatosRenta d{};
  Texto(Id(d), 0x268 + 30, "GARCIA");
  Texto(Id(d), 0x2b3 + 30, "LOPEZ  ");
  Texto(Id(d), 0x21d + 30, "ANA MARIA");
  EXPECT_EQ(NombreCompuesto(d.Identificacion, 2), "GARCIA LOPEZ, ANA MARIA");
  Texto(Id(d), 0x268 + 45, "RUIZ");
  EXPECT_EQ(NombreCompuesto(d.Identificacion, 3), "RUIZ");
  EXPECT_EQ(NombreCompuesto(d.Identificacion, 0), "");
  EXPECT_EQ(NombreCompuesto(d.Identificacion, 6), "");
  // Accented capitals are folded before the check: "ÁLVAREZ" (Windows-1252) passes.
  DatosRenta c = Completa();
  Texto(Id(c), 0x268 + 30, "\xC1LVAREZ");
  EXPECT_EQ(Reglas(c, 2), Hallazgos{});
}

// ---- the document against a findings table ----

std::string LeerFichero(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

class RentaValidacionDoc : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-validacion-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    const std::string esquema = LeerFichero(fs::path(KORVELIX_FUENTES_RED) / "Corregix.txt");
    ASSERT_FALSE(esquema.empty());
    plataforma::CFuenteTabla fuente;
    std::string error;
    ASSERT_TRUE(plataforma::LeeFuenteTabla(esquema + "ANA|100R147|4|3|0|7\nOTRA|WIN001|4|1|1|0\n", fuente, error))
        << error;
    ASSERT_TRUE(plataforma::CreaTablaDeFuente(fuente, m_dir / "Corregix.DBF", error)) << error;
    ASSERT_NE(m_red.Abrir(m_dir.string() + "/", true, 3, "DBF"), 0);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  // A document of declaration "ANA" whose findings go to this folder's table.
  void Preparar(CRentaDoc& doc, const DatosRenta& datos) {
    doc.Datos() = datos;
    doc.ActualizarSujetos();
    doc.Validador().PonerClave("ANA");
    doc.Validador().PonerBaseDatos(&m_red);
  }

  Hallazgos De(const std::string& clave) { return marco::LeerHallazgos(&m_red, clave); }

  fs::path m_dir;
  marco::CBaseDatos m_red;
  marco::CGuionMensajes m_guion;
};

// The check of the spouse examines the descendants marked for the spouse: the declarant's own incomplete row is
// not the spouse's finding, a young shared descendant of the spouse's (mark box set) without tax id nor name is.
TEST_F(RentaValidacionDoc, ElConyugeRespondeDeSusDescendientes) {
  DatosRenta d = Completa();
  Familiar(FilaDesc(d, 0), "    ", "1976", '1', ' ');
  Blancos(FilaDesc(d, 0), 0, 6);
  CRentaDoc doc;
  Preparar(doc, d);
  doc.SeleccionarSujeto(marco::kSujetoConyuge);
  EXPECT_EQ(doc.Validar(0), 1);
  EXPECT_EQ(De("ANA"), Hallazgos{});

  Familiar(FilaDesc(d, 1), "    ", "1990", '1', '1');
  Blancos(FilaDesc(d, 1), 0, 6);
  FilaDesc(d, 1)[63] = 1;
  doc.Datos() = d;
  EXPECT_EQ(doc.Validar(0), 0);
  EXPECT_EQ(De("ANA"), (Hallazgos{{"100R196", 1, 40, 1}}));
  // Every row the spouse was handed carries the spouse's mark.
  EXPECT_EQ(doc.DescendientesSujeto()[kFilaFamiliarMarcas + 2], '1');
  EXPECT_EQ(doc.DescendientesSujeto()[kAnchoDescendiente + kFilaFamiliarMarcas + 2], 0);
}

TEST_F(RentaValidacionDoc, ReescribeLosHallazgosDeLaDeclaracion) {
  DatosRenta d = Completa();
  Blancos(Id(d), 0x1c4, 21);
  // Two descendants with a year and nothing else: one row for the code.
  Familiar(FilaDesc(d, 0), "    ", "1990", '1', ' ');
  Blancos(FilaDesc(d, 0), 0, 6);
  Familiar(FilaDesc(d, 4), "    ", "1992", '1', ' ');
  Blancos(FilaDesc(d, 4), 0, 6);
  CRentaDoc doc;
  Preparar(doc, d);
  ASSERT_EQ(doc.DameSujetoActual(), marco::kSujetoUnidadFamiliar);

  EXPECT_EQ(doc.Validar(1), 0);
  // The earlier finding of this declaration is gone, the other declaration's stays.
  EXPECT_EQ(De("ANA"), (Hallazgos{{"100R196", 1, 40, 1}, {"WIN001", 1, 0, 1}}));
  EXPECT_EQ(De("OTRA"), (Hallazgos{{"WIN001", 1, 0, 1}}));
  // The family unit sees every descendant.
  EXPECT_EQ(doc.DescendientesSujeto()[kAnchoDescendiente * 4 + 42], '1');

  // Mended, only a warning is left: the declaration passes.
  d = Completa();
  Id(d)[0x9a9 + 1] = 0;
  doc.Datos() = d;
  EXPECT_EQ(doc.Validar(0), 1);
  EXPECT_EQ(De("ANA"), (Hallazgos{{"100R202", 1, 132, 0}}));
  EXPECT_TRUE(m_guion.Codigos().empty());
}

TEST_F(RentaValidacionDoc, ElUltimoHallazgoDeUnCodigoQueda) {
  DatosRenta d = Completa();
  // Both ascendants miss a datum; the child's own checks run for the first child shown.
  Familiar(FilaAsc(d, 0), "    ", "1920", '1', ' ');
  Familiar(FilaAsc(d, 3), "ASC3", "1921", '1', ' ');
  Blancos(FilaAsc(d, 3), 0, 6);
  Id(d)[0x481] = ' ';
  CRentaDoc doc;
  Preparar(doc, d);
  doc.PonerSujetoActual(marco::kSujetoDeclarante);
  EXPECT_EQ(doc.Validar(0), 0);
  EXPECT_EQ(De("ANA"), (Hallazgos{{"100R197", 1, 100, 1}}));

  doc.PonerSujetoActual(marco::kSujetoHijo1);
  doc.ComprobarDeclaracion();
  EXPECT_EQ(De("ANA"), (Hallazgos{{"100R140", 1, 21, 1}}));
  for (unsigned char b : doc.AscendientesSujeto()) ASSERT_EQ(b, 0);
}

TEST_F(RentaValidacionDoc, SinTablaLasReglasSiguen) {
  DatosRenta d = Completa();
  Blancos(Id(d), 0x1d9, 21);
  CRentaDoc doc;
  Preparar(doc, d);
  marco::CBaseDatos cerrada;
  doc.Validador().PonerBaseDatos(&cerrada);
  // The table layer tells why it cannot write; the result is still the rules' own.
  EXPECT_EQ(doc.Validar(0), 0);
}

}  // namespace
