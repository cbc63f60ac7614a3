// The identification pages ORD001 and SIM001: their boxes loaded from the built tables and bound where the page
// says, for every person; the family lists filtered for the person shown and written back only by those who edit
// them; the rules between boxes, the checks and the page header; and one page opened in a window.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalle.h"
#include "framework/EditEx.h"
#include "framework/EditLista.h"
#include "framework/FabricaEdit.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "income/IdentificacionComun.h"
#include "income/ORD001.h"
#include "income/RentaComandos.h"
#include "income/RentaDoc.h"
#include "income/SIM001.h"

namespace fs = std::filesystem;
using namespace renta;

namespace {

constexpr EPaginaIdentificacion kORD = EPaginaIdentificacion::ORD001;
constexpr EPaginaIdentificacion kSIM = EPaginaIdentificacion::SIM001;

// A family unit of a married couple with children: spouse and both children present, the family unit shown.
void FamiliaCompleta(CRentaDoc& doc) {
  doc.Datos().DatosFamilia.octetos[0] = 1;
  doc.Datos().DatosFamilia.octetos[1] = 1;
  doc.ActualizarSujetos();
}

unsigned char* Fila(CRentaDoc& doc, std::size_t desp, std::size_t ancho, std::size_t r) {
  return doc.Datos().Identificacion.octetos + desp + r * ancho;
}

// A descendant row: tax id, year, the marks of persons 1-3, the other situation and the two mark boxes.
void Descendiente(CRentaDoc& doc, std::size_t r, const char* nif, const char* ano, const char* marcas,
                  char situacion = ' ', unsigned char casilla = 0) {
  unsigned char* f = Fila(doc, kDespDescendientes, kAnchoDescendiente, r);
  std::memcpy(f, nif, 9);
  std::memcpy(f + 42, ano, 4);
  std::memcpy(f + 57, marcas, 3);
  f[62] = static_cast<unsigned char>(situacion);
  f[63] = casilla;
}

void Ascendiente(CRentaDoc& doc, std::size_t r, const char* nif, const char* marcas) {
  unsigned char* f = Fila(doc, kDespAscendientes, kAnchoAscendiente, r);
  std::memcpy(f, nif, 9);
  std::memcpy(f + 57, marcas, 3);
}

std::string Nif(const unsigned char* fila) { return std::string(reinterpret_cast<const char*>(fila), 9); }

class Identificacion : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-ident-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::create_directories(m_dir);
    ASSERT_EQ(marco::AbrirBasesDatos(m_dir.string(), KORVELIX_DATOS_LOCAL), 1);
    marco::PonerIdiomaV("e");
    marco::PonerDirBase(KORVELIX_DATOS_LOCAL);
    marco::PonerZoomTexto("1.0");
    PonerAsignacionCambiadaTrasImprimir(false);
  }
  void TearDown() override {
    marco::CerrarBasesDatos();
    marco::PonerDirBase("");
    marco::PonerZoomTexto("");
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  // A box array of a page loaded from the built tables and bound to the document.
  template <typename Controles>
  void Cargar(Controles& controles, CRentaDoc& doc, int idPagina) {
    controles.PonerDocumento(&doc);
    ASSERT_EQ(controles.Cargar(idPagina, 1.0, nullptr), 1);
  }

  fs::path m_dir;
};

// The places the pages give their fixed boxes: box, offset in RegIdentificacion and the bytes per person (0: one
// place for the whole declaration). Boxes 1-40 and 125-134 are the same on both pages.
struct SEsperado {
  int casilla;
  std::size_t desp;
  std::size_t paso;
};
const std::vector<SEsperado> kComunes{
    {1, 452, 0},    {2, 473, 0},    {3, 450, 0},    {4, 470, 0},    {5, 511, 9},    {6, 631, 15},
    {7, 706, 15},   {8, 556, 15},   {9, 796, 26},   {10, 926, 4},   {11, 946, 2},   {12, 956, 2},
    {13, 966, 2},   {14, 976, 15},  {15, 1051, 13}, {16, 1116, 5},  {17, 405, 9},   {18, 491, 1},
    {19, 496, 1},   {20, 501, 1},   {21, 506, 1},   {22, 1141, 4},  {23, 1168, 8},  {24, 1208, 9},
    {25, 1263, 9},  {26, 1383, 15}, {27, 1458, 15}, {28, 1308, 15}, {29, 1533, 26}, {30, 1663, 4},
    {31, 1683, 2},  {32, 1693, 2},  {33, 1703, 2},  {34, 1713, 15}, {35, 1788, 13}, {36, 1853, 5},
    {37, 1878, 4},  {38, 1904, 8},  {39, 1253, 1},  {40, 1258, 1},  {125, 1944, 2}, {126, 1954, 9},
    {127, 1999, 32}, {128, 2159, 26}, {129, 2289, 4}, {130, 2309, 15}, {131, 2384, 13}, {132, 2449, 5},
    {133, 2474, 1}, {134, 2479, 1}};

std::vector<SEsperado> Esperados(EPaginaIdentificacion pagina) {
  std::vector<SEsperado> e = kComunes;
  if (pagina == kORD) {
    e.insert(e.end(), {{135, 2484, 1}, {136, 2489, 1}, {137, 3536, 0}, {138, 3556, 0}, {139, 3558, 0},
                       {140, 3568, 0}, {141, 105, 60}});
  } else {
    e.insert(e.end(), {{135, 3536, 0}, {136, 3556, 0}, {137, 3558, 0}, {138, 3568, 0}, {139, 105, 60}});
  }
  return e;
}

// Every fixed box, for every person: a value written through the box is found at the place the page gives, and
// nothing of it lands outside the place.
void ComprobarEnlaces(CControlesIdentificacion& controles, CRentaDoc& doc, EPaginaIdentificacion pagina) {
  for (int sujeto = 1; sujeto <= 5; ++sujeto) {
    doc.PonerSujetoActual(sujeto);
    controles.Refrescar();
    for (const SEsperado& e : Esperados(pagina)) {
      SCOPED_TRACE("box " + std::to_string(e.casilla) + " person " + std::to_string(sujeto));
      marco::CCampo* campo = controles.CampoDeNumero(e.casilla);
      ASSERT_NE(campo, nullptr);
      unsigned char* entrada = campo->EntradaSujeto(sujeto);
      ASSERT_NE(entrada, nullptr);
      const std::size_t tamano = campo->TamanoValor();
      ASSERT_GT(tamano, 0u);
      const std::size_t desp = e.desp + e.paso * static_cast<std::size_t>(sujeto - 1);
      ASSERT_LE(desp + tamano, sizeof(RegIdentificacion));
      if (e.paso != 0) {
        EXPECT_LE(tamano, e.paso);
      }
      const DatosRenta antes = doc.Datos();
      std::memset(entrada, 0x5A, tamano);
      const unsigned char* id = doc.Datos().Identificacion.octetos;
      for (std::size_t i = 0; i < sizeof(RegIdentificacion); ++i) {
        const bool dentro = i >= desp && i < desp + tamano;
        ASSERT_EQ(id[i], dentro ? 0x5A : antes.Identificacion.octetos[i]) << "byte " << i;
      }
      EXPECT_EQ(DireccionCasilla(pagina, doc.Datos().Identificacion, e.casilla, sujeto), id + desp);
      doc.Datos() = antes;
    }
  }
}

}  // namespace

TEST_F(Identificacion, ORD001CargaSusCasillasYCadaUnaVaDondeDiceLaPagina) {
  CRentaDoc doc;
  FamiliaCompleta(doc);
  CControlesORD001 controles;
  Cargar(controles, doc, 201);
  ASSERT_EQ(controles.NumeroCampos(), kCasillasORD001);
  ComprobarEnlaces(controles, doc, kORD);
  // The last box shows the document's header name.
  EXPECT_EQ(controles.CampoDeNumero(142)->Dato, doc.TextoCabecera1());
  // The code and list boxes carry their table links: the administration's list is filtered by the delegation.
  const auto* admon = static_cast<const marco::SEnlaceTabla*>(controles.CampoDeNumero(2)->Enlace);
  ASSERT_NE(admon, nullptr);
  EXPECT_EQ(admon->destino, reinterpret_cast<char*>(doc.Datos().Identificacion.octetos + 470));
  EXPECT_EQ(admon->anchoDestino, 3u);
  EXPECT_EQ(admon->filtro, reinterpret_cast<char*>(doc.Datos().Identificacion.octetos + 450));
  const auto* mes = static_cast<const marco::SEnlaceTabla*>(controles.CampoDeNumero(139)->Enlace);
  ASSERT_NE(mes, nullptr);
  EXPECT_EQ(mes->destino, reinterpret_cast<char*>(doc.Datos().Identificacion.octetos + 3558));
  EXPECT_EQ(mes->filtro, nullptr);
  // The tax allocation marks open their dialog on their own place.
  EXPECT_EQ(controles.CampoDeNumero(133)->Enlace, controles.CampoDeNumero(133)->Dato);
  controles.LiberarEnlaces();
  EXPECT_EQ(controles.CampoDeNumero(2)->Enlace, nullptr);
}

TEST_F(Identificacion, SIM001CargaSusCasillasYCadaUnaVaDondeDiceLaPagina) {
  CRentaDoc doc;
  FamiliaCompleta(doc);
  CControlesSIM001 controles;
  Cargar(controles, doc, 101);
  ASSERT_EQ(controles.NumeroCampos(), kCasillasSIM001);
  ComprobarEnlaces(controles, doc, kSIM);
  EXPECT_EQ(controles.CampoDeNumero(140)->Dato, doc.TextoCabecera1());
  EXPECT_NE(controles.CampoDeNumero(137)->Enlace, nullptr);
}

TEST_F(Identificacion, UnaCasillaQueNoCabeEnSuSitioQuedaSinEnlazar) {
  CRentaDoc doc;
  CControlesORD001 controles;
  controles.PonerDocumento(&doc);
  // A damaged table: box 3 (2 characters at +450) asks for 40, box 5 (9 per person) for 10 per person.
  const char* mascaras[] = {"L18", "L18", "A40", "G3", "A10*5"};
  for (int n = 1; n <= 5; ++n) {
    auto campo = std::make_unique<marco::CCampo>();
    campo->IndNumero = n;
    campo->StrValidac = mascaras[n - 1];
    campo->LeerMascara('E');
    controles.Anadir(std::move(campo));
  }
  controles.Enlazar(0);
  EXPECT_NE(controles.CampoDeNumero(1)->Dato, nullptr);
  EXPECT_EQ(controles.CampoDeNumero(3)->Dato, nullptr);
  EXPECT_EQ(controles.CampoDeNumero(3)->Enlace, nullptr);
  EXPECT_NE(controles.CampoDeNumero(4)->Dato, nullptr);
  EXPECT_EQ(controles.CampoDeNumero(5)->Dato, nullptr);
}

// ---- the family lists ----

TEST_F(Identificacion, ListasFamiliaresSegunLaPersonaQueSeMuestra) {
  CRentaDoc doc;
  FamiliaCompleta(doc);
  Descendiente(doc, 0, "11111111A", "1990", "1 2");  // the declarant's own (spouse's mark '2')
  Descendiente(doc, 1, "22222222B", "1985", "221");  // the spouse's own
  Descendiente(doc, 2, "33333333C", "1992", "111", '2', 1);  // shared, born late, with a mark box: nobody's own
  Descendiente(doc, 3, "44444444D", "1960", "1  ");  // blank marks: both see it
  Ascendiente(doc, 0, "55555555E", "112");
  Ascendiente(doc, 1, "66666666F", "221");
  CControlesORD001 controles;
  Cargar(controles, doc, 201);

  struct SCaso {
    int sujeto;
    std::vector<std::string> descendientes;
    std::vector<std::string> ascendientes;
    bool editable;
  };
  const std::vector<SCaso> casos{
      {1, {"11111111A", "22222222B", "33333333C", "44444444D"}, {"55555555E", "66666666F"}, true},
      {2, {"11111111A", "44444444D"}, {"55555555E"}, false},
      {3, {"22222222B", "44444444D"}, {"66666666F"}, false},
      {4, {}, {}, false},
      {5, {}, {}, false},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE("person " + std::to_string(c.sujeto));
    doc.PonerSujetoActual(c.sujeto);
    controles.Refrescar();
    for (std::size_t r = 0; r < kFilasDescendientes; ++r) {
      const unsigned char* fila = controles.CopiaDescendientes().data() + r * kAnchoDescendiente;
      EXPECT_EQ(Nif(fila), r < c.descendientes.size() ? c.descendientes[r] : std::string(9, '\0'));
      // Row r's boxes show the copy's row: the fifth is the person's own mark.
      const int primera = kPrimeraDescendientes + 6 * static_cast<int>(r);
      EXPECT_EQ(controles.CampoDeNumero(primera)->Dato, fila);
      EXPECT_EQ(controles.CampoDeNumero(primera + 2)->Dato, fila + 42);
      EXPECT_EQ(controles.CampoDeNumero(primera + 4)->Dato, fila + 57 + (c.sujeto - 1));
      EXPECT_EQ(controles.CampoDeNumero(primera + 5)->Dato, fila + 62);
    }
    for (std::size_t r = 0; r < kFilasAscendientes; ++r) {
      const unsigned char* fila = controles.CopiaAscendientes().data() + r * kAnchoAscendiente;
      EXPECT_EQ(Nif(fila), r < c.ascendientes.size() ? c.ascendientes[r] : std::string(9, '\0'));
      EXPECT_EQ(controles.CampoDeNumero(kPrimeraAscendientes + 6 * static_cast<int>(r) + 5)->Dato, fila + 64);
    }
    for (int n : {kPrimeraDescendientes, kPrimeraAscendientes}) {
      const marco::CCampo& primera = *controles.CampoDeNumero(n);
      EXPECT_EQ(primera.SoloLectur, c.editable ? 0 : 1) << n;
      EXPECT_EQ(primera.Grupo, -1);
      EXPECT_EQ(primera.Decimales, -1);
      EXPECT_EQ(primera.NombreVent, n == kPrimeraDescendientes ? "IDD_DESCENDIENTES" : "IDD_ASCENDIENTES");
    }
    EXPECT_EQ(controles.CampoDeNumero(kPrimeraDescendientes)->Enlace, controles.CopiaDescendientes().data());
    EXPECT_EQ(controles.CampoDeNumero(kPrimeraAscendientes)->Enlace, controles.CopiaAscendientes().data());
  }

  // A declarant without spouse or children sees and edits every row.
  doc.Datos().DatosFamilia.octetos[0] = 0;
  doc.Datos().DatosFamilia.octetos[1] = 0;
  doc.ActualizarSujetos();
  ASSERT_EQ(doc.DameSujetoActual(), 2);
  controles.Refrescar();
  EXPECT_EQ(Nif(controles.CopiaDescendientes().data() + 2 * kAnchoDescendiente), "33333333C");
  EXPECT_EQ(controles.CampoDeNumero(kPrimeraDescendientes)->SoloLectur, 0);
}

// The list box committed: the copy goes back for the family unit, and never for the spouse.
TEST_F(Identificacion, LaListaConfirmadaSoloVuelveDeQuienLaEdita) {
  marco::CGuionMensajes guion;
  CRentaDoc doc;
  FamiliaCompleta(doc);
  Descendiente(doc, 0, "11111111A", "1990", "1 2");
  Ascendiente(doc, 0, "55555555E", "112");
  ORD001 vista;
  vista.SetDocument(&doc);
  auto* controles = dynamic_cast<CControlesIdentificacion*>(vista.DameControles());
  ASSERT_NE(controles, nullptr);
  Cargar(*controles, doc, 201);

  // The family unit: what the list dialog left in the copy is the declaration's now, and the page shows it.
  std::memcpy(controles->CopiaDescendientes().data() + kAnchoDescendiente, "77777777G", 9);
  vista.Recalcular(kPrimeraDescendientes);
  EXPECT_EQ(Nif(Fila(doc, kDespDescendientes, kAnchoDescendiente, 1)), "77777777G");
  EXPECT_EQ(Nif(controles->CopiaDescendientes().data() + kAnchoDescendiente), "77777777G");
  EXPECT_TRUE(doc.IsModified());
  std::memcpy(controles->CopiaAscendientes().data(), "88888888H", 9);
  vista.Recalcular(kPrimeraAscendientes);
  EXPECT_EQ(Nif(Fila(doc, kDespAscendientes, kAnchoAscendiente, 0)), "88888888H");

  // The spouse: the copy is a filtered view; committing it writes nothing back.
  doc.PonerSujetoActual(3);
  controles->Refrescar();
  const DatosRenta antes = doc.Datos();
  std::memset(controles->CopiaDescendientes().data(), 'Z', sizeof(TablaDescendientes));
  vista.Recalcular(kPrimeraDescendientes);
  EXPECT_EQ(std::memcmp(Fila(doc, kDespDescendientes, kAnchoDescendiente, 0),
                        antes.Identificacion.octetos + kDespDescendientes, sizeof(TablaDescendientes)),
            0);
  EXPECT_TRUE(guion.Codigos().empty());
}

// ---- rules between boxes ----

TEST(IdentificacionReglas, LaDelegacionNuevaBorraLaAdministracion) {
  for (EPaginaIdentificacion pagina : {kORD, kSIM}) {
    RegIdentificacion id{};
    std::memcpy(id.octetos + 450, "28MADRID", 8);
    std::memcpy(id.octetos + 470, "001CENTRO", 9);
    id.octetos[491] = 7;  // the byte after the administration's name stays
    const SEfectoRegla e = ReglaIdentificacion(pagina, id, 2, 1);
    EXPECT_TRUE(e.aplicada && e.recalcular);
    EXPECT_EQ(e.refrescar, (std::vector<int>{3, 1, 2, 4}));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(id.octetos + 470), 21), std::string(21, ' '));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(id.octetos + 450), 8), "28MADRID");
    EXPECT_EQ(id.octetos[491], 7);
    EXPECT_EQ(ReglaIdentificacion(pagina, id, 2, 2).refrescar, (std::vector<int>{4}));
  }
}

TEST(IdentificacionReglas, EstadosCivilesExcluyentesSoloParaLaPersona) {
  for (EPaginaIdentificacion pagina : {kORD, kSIM}) {
    RegIdentificacion id{};
    std::memset(id.octetos + 501, 1, 5);  // every person's mark of box 20
    id.octetos[491 + 1] = 1;              // the declarant ticks box 18
    EXPECT_TRUE(ReglaIdentificacion(pagina, id, 2, 18).recalcular);
    EXPECT_EQ(id.octetos[501 + 1], 0);
    for (int k : {0, 2, 3, 4}) EXPECT_EQ(id.octetos[501 + k], 1) << k;
    // And the reverse, for the spouse.
    id.octetos[491 + 2] = 1;
    ReglaIdentificacion(pagina, id, 3, 20);
    EXPECT_EQ(id.octetos[491 + 2], 0);
    EXPECT_EQ(id.octetos[491 + 1], 1);
    // An unticked box changes nothing.
    id.octetos[491 + 3] = 0;
    ReglaIdentificacion(pagina, id, 4, 18);
    EXPECT_EQ(id.octetos[501 + 3], 1);
  }
}

TEST(IdentificacionReglas, PagoFraccionadoYAsignacionTributaria) {
  RegIdentificacion id{};
  // ORD001: a second instalment debited splits the payment; no split payment, no second instalment.
  id.octetos[kDespDomiciliacion + 1] = 1;
  EXPECT_TRUE(ReglaIdentificacion(kORD, id, 2, 136).recalcular);
  EXPECT_EQ(id.octetos[kDespFraccionamiento + 1], 1);
  id.octetos[kDespFraccionamiento + 1] = 0;
  EXPECT_TRUE(ReglaIdentificacion(kORD, id, 2, 135).recalcular);
  EXPECT_EQ(id.octetos[kDespDomiciliacion + 1], 0);
  EXPECT_EQ(AvisoPagoFraccionado(id, 2, 135), "");
  id.octetos[kDespDomiciliacion + 1] = 1;
  EXPECT_EQ(AvisoPagoFraccionado(id, 2, 135), "100V166");
  EXPECT_EQ(AvisoPagoFraccionado(id, 2, 20), "");

  // The tax allocation of a person whose declaration was printed sets the program-wide flag, without
  // recalculating; ORD001's box 133 only keeps the payment marks right.
  id.octetos[kDespMarcaSujeto + 1] = 1;
  SEfectoRegla e = ReglaIdentificacion(kORD, id, 2, 134);
  EXPECT_TRUE(e.aplicada && e.marcaAsignacion && !e.recalcular);
  EXPECT_FALSE(ReglaIdentificacion(kORD, id, 2, 133).marcaAsignacion);
  for (int n : {133, 134}) {
    e = ReglaIdentificacion(kSIM, id, 2, n);
    EXPECT_TRUE(e.aplicada && e.marcaAsignacion && !e.recalcular) << n;
    EXPECT_FALSE(ReglaIdentificacion(kSIM, id, 3, n).marcaAsignacion) << n;  // the spouse's mark is 0
  }
  // SIM001 has no split-payment boxes: its 135 and 136 are the account and the day.
  EXPECT_FALSE(ReglaIdentificacion(kSIM, id, 2, 136).aplicada);
  EXPECT_FALSE(ReglaIdentificacion(kORD, id, 2, 17).aplicada);
  EXPECT_FALSE(ReglaIdentificacion(kORD, id, 0, 1).aplicada);
}

// ---- checks ----

TEST(IdentificacionComprobaciones, TiposYValoresDeCadaCasilla) {
  using V = std::vector<SComprobacion>;
  struct SCaso {
    EPaginaIdentificacion pagina;
    int numero;
    int sujeto;
    V esperadas;
  };
  const std::vector<SCaso> casos{
      {kORD, 5, 3, {{21, 511 + 18}}},          {kSIM, 5, 1, {{21, 511}}},
      {kORD, 22, 2, {{101, 1141 + 4}}},        {kORD, 23, 2, {{20, 1168 + 8}}},
      {kORD, 25, 2, {{21, 1263 + 9}}},         {kORD, 37, 5, {{101, 1878 + 16}}},
      {kORD, 38, 3, {{20, 1904 + 16}}},        {kSIM, 126, 2, {{22, 1954 + 9}}},
      {kORD, 16, 2, {{8, 1116 + 5}}},          {kORD, 137, 2, {{10, 3536}}},
      {kORD, 138, 2, {{6, 3556}}},             {kORD, 139, 4, {{6, 3556}}},
      {kORD, 140, 2, {{16, 3568}, {6, 3556}}}, {kSIM, 135, 2, {{10, 3536}}},
      {kSIM, 136, 2, {{6, 3556}}},             {kSIM, 138, 2, {{16, 3568}, {6, 3556}}},
      {kSIM, 140, 2, {}},                      {kORD, 6, 2, {}},
      {kORD, 5, 0, {}},
  };
  for (const SCaso& c : casos) {
    EXPECT_EQ(ComprobacionesIdentificacion(c.pagina, c.numero, c.sujeto), c.esperadas)
        << (c.pagina == kORD ? "ORD001 " : "SIM001 ") << c.numero;
  }
}

TEST_F(Identificacion, ComprobarCampoRechazaYReparaConSuMensaje) {
  marco::CGuionMensajes guion;
  CRentaDoc doc;
  FamiliaCompleta(doc);
  doc.PonerSujetoActual(2);
  SIM001 vista;
  vista.SetDocument(&doc);
  RegIdentificacion& id = doc.Datos().Identificacion;
  // A year outside the admitted ones, a disability degree below 33: refused, repaired, told.
  std::memcpy(id.octetos + 1141 + 4, "1850", 4);
  EXPECT_EQ(vista.ComprobarCampo(22), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(id.octetos + 1145), 4), std::string(4, '\0'));
  const double veinte = 20;
  std::memcpy(id.octetos + 1904 + 8, &veinte, sizeof veinte);
  EXPECT_EQ(vista.ComprobarCampo(38), 0);
  double leido = -1;
  std::memcpy(&leido, id.octetos + 1904 + 8, sizeof leido);
  EXPECT_EQ(leido, 0.0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"CVANO1", "100R158"}));
  // A sound year and a box without checks pass silently.
  std::memcpy(id.octetos + 1145, "1960", 4);
  EXPECT_EQ(vista.ComprobarCampo(22), 1);
  EXPECT_EQ(vista.ComprobarCampo(9), 1);
  EXPECT_EQ(guion.Codigos().size(), 2u);
}

TEST_F(Identificacion, ElPagoNoFraccionadoConSegundoPlazoAvisa) {
  marco::CGuionMensajes guion;
  CRentaDoc doc;
  doc.ActualizarSujetos();
  ORD001 vista;
  vista.SetDocument(&doc);
  doc.Datos().Identificacion.octetos[kDespDomiciliacion + 1] = 1;
  EXPECT_EQ(vista.ComprobarCampo(136), 1);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"100V166"}));
}

// ---- the header ----

TEST(IdentificacionCabecera, NombreNifYSegundaLinea) {
  RegIdentificacion id{};
  auto poner = [&](std::size_t desp, int sujeto, std::size_t ancho, std::string texto) {
    texto.resize(ancho, ' ');
    std::memcpy(id.octetos + desp + ancho * static_cast<std::size_t>(sujeto - 1), texto.data(), ancho);
  };
  poner(511, 1, 9, "12345678Z");
  poner(631, 1, 15, "GARCIA");
  poner(706, 1, 15, "LOPEZ");
  poner(556, 1, 15, "ANA");
  poner(511, 3, 9, "87654321X");
  poner(631, 3, 15, "PEREZ");
  poner(556, 3, 15, "LUIS");
  SCabeceraIdentificacion c = CabeceraIdentificacion(id, 1, true);
  EXPECT_EQ(c.nif, "12345678Z");
  EXPECT_EQ(c.nombre, "GARCIA LOPEZ, ANA");
  EXPECT_EQ(c.nif2, "87654321X");
  EXPECT_EQ(c.nombre2, "PEREZ, LUIS");
  c = CabeceraIdentificacion(id, 1, false);
  EXPECT_TRUE(c.nif2.empty() && c.nombre2.empty());
  c = CabeceraIdentificacion(id, 3, true);
  EXPECT_EQ(c.nombre, "PEREZ, LUIS");
  EXPECT_TRUE(c.nombre2.empty());

  id.octetos[kDespEstadoCivil3] = 1;
  id.octetos[kDespEstadoCivil4] = 1;
  id.octetos[kDespTributacion1] = 'X';
  SCamposCabecera d = CamposCabeceraIdentificacion(id, 1);
  EXPECT_EQ(d.nif20, std::string(11, ' ') + "12345678Z");
  EXPECT_EQ(d.estadoCivil, '3');
  EXPECT_EQ(d.tributacion, '1');
  d = CamposCabeceraIdentificacion(id, 2);
  EXPECT_EQ(d.estadoCivil, ' ');
  EXPECT_EQ(d.tributacion, '2');
}

// ---- the page in a window ----

namespace {

using ::pruebas::Esperar;

wxImage Dibujo(marco::CProg32View& vista) {
  const wxSize tam = vista.DameVentana()->GetClientSize();
  wxBitmap bitmap(tam.x, tam.y, 24);
  {
    wxMemoryDC memoria(bitmap);
    vista.OnDraw(&memoria);
  }
  return bitmap.ConvertToImage();
}

}  // namespace

TEST_F(Identificacion, NifNumeroYPisoTomanCifrasYLetrasComoSeTeclean) {
  struct SCaso {
    int pagina;
    int casilla;
    std::string tecleado;
  };
  const SCaso casos[] = {{201, 5, "12345678Z"}, {201, 10, "12B"}, {201, 12, "3"},   {201, 25, "X1234567L"},
                         {201, 126, "B12345678"}, {201, 129, "7"}, {101, 5, "12345678Z"}, {101, 30, "21"}};
  for (const SCaso& c : casos) {
    SCOPED_TRACE("page " + std::to_string(c.pagina) + " box " + std::to_string(c.casilla));
    CRentaDoc doc;
    doc.ActualizarSujetos();  // a single declarant
    CControlesORD001 ordinaria;
    CControlesSIM001 simplificada;
    CControlesIdentificacion& controles =
        c.pagina == 201 ? static_cast<CControlesIdentificacion&>(ordinaria) : simplificada;
    Cargar(controles, doc, c.pagina);
    marco::CCampo* campo = controles.CampoDeNumero(c.casilla);
    ASSERT_NE(campo, nullptr);
    std::unique_ptr<marco::CEditEx> edit = marco::FabricaEdit().Crear(*campo, nullptr);
    for (const char letra : c.tecleado) edit->AlCaracter(static_cast<unsigned char>(letra));
    EXPECT_EQ(edit->Texto(), c.tecleado);
    edit->AlPerderFoco();
    // Stored for the person shown: the box shows it back from the declaration.
    campo->ActualizarTexto();
    EXPECT_EQ(campo->Texto, c.tecleado);
  }
}

TEST_F(Identificacion, ORD001EnUnaVentanaMuestraLaPersonaYTomaLoTecleado) {
  REQUIERE_PANTALLA();
  marco::RegistrarEditsFechaCasillaDetalle(marco::FabricaEdit());
  marco::RegistrarEditsTablas(marco::FabricaEdit());
  marco::CGuionMensajes guion;
  CRentaDoc doc;
  doc.PonerTipoDec(marco::kTipoDecOrdinaria);
  doc.ActualizarSujetos();  // a single declarant
  std::memcpy(doc.Datos().Identificacion.octetos + 511 + 9, "12345678Z", 9);
  Descendiente(doc, 0, "11111111A", "1990", "11 ");
  ASSERT_EQ(doc.MostrarPagina(ClasePaginaORD001(), 0, kRecursoMarcoRenta), 1);
  auto* vista = dynamic_cast<ORD001*>(doc.BuscarVista(ClasePaginaORD001()));
  ASSERT_NE(vista, nullptr);
  EXPECT_EQ(vista->DameNumeroPagina(), 201);
  ASSERT_EQ(vista->NumeroCampos(), kCasillasORD001);
  auto* marcoVentana = dynamic_cast<wxFrame*>(vista->GetFrame());
  ASSERT_NE(marcoVentana, nullptr);
  marcoVentana->SetClientSize(1100, 900);
  marcoVentana->Move(0, 0);
  Esperar();

  // A click on box 6 (first surname) puts its edit there; what is typed goes to the declarant's element.
  marco::CCampo& apellido = *vista->DameCampo(5);
  const plataforma::CRectangulo caja = marco::RectanguloCampoEnVentana(apellido, vista->Desplazamiento());
  wxMouseEvent pulsar(wxEVT_LEFT_DOWN);
  pulsar.SetPosition(wxPoint(caja.left + 5, caja.top + 5));
  vista->DameVentana()->GetEventHandler()->ProcessEvent(pulsar);
  Esperar();
  ASSERT_EQ(vista->DameCampoActivo(), 5);
  marco::CEditEx* edit = vista->DameEditActivo();
  ASSERT_NE(edit, nullptr);
  for (char c : std::string("GARCIA")) edit->AlCaracter(static_cast<unsigned char>(c));
  edit->AlCaracter(marco::kTeclaTabulador);
  Esperar();
  EXPECT_EQ(std::string(reinterpret_cast<char*>(doc.Datos().Identificacion.octetos + 631 + 15), 6), "GARCIA");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(doc.Datos().Identificacion.octetos + 631), 6), std::string(6, '\0'));
  EXPECT_TRUE(doc.IsModified());
  // The header now names the declarant.
  EXPECT_EQ(std::string(doc.TextoCabecera1()), "GARCIA");
  EXPECT_EQ(std::string(doc.NifDeclarante()), "12345678Z");

  wxImage img = Dibujo(*vista);
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  img.SaveFile(wxString(::testing::TempDir()) + "pagina201.png", wxBITMAP_TYPE_PNG);
  EXPECT_EQ(apellido.Texto, "GARCIA");
  EXPECT_EQ(vista->DameCampo(4)->Texto, "12345678Z");
  EXPECT_EQ(vista->DameCampo(kPrimeraDescendientes - 1)->Texto, "11111111A");
  for (const marco::SMensaje& m : guion.Mensajes()) ADD_FAILURE() << m.codigo << ": " << m.texto << " " << m.extra;
  delete vista;
  Esperar(5);
}

// Page 1 and the personal data wizard agree: what the wizard answered (year of birth, marital status, joint filing)
// is on the page for the person shown; ticking "Viudo/a" beside "Casado/a" on the page, with the mouse and the
// space key on the real window, is an error of the whole-declaration check, on the first of the two.
TEST_F(Identificacion, LaPagina1MuestraElAsistenteYDosEstadosCivilesSonUnError) {
  REQUIERE_PANTALLA();
  marco::RegistrarEditsFechaCasillaDetalle(marco::FabricaEdit());
  marco::RegistrarEditsTablas(marco::FabricaEdit());
  marco::CGuionMensajes guion;
  CRentaDoc doc;
  RegDatosFamilia familia{};
  familia.octetos[0] = 1;  // married
  familia.octetos[1] = 1;  // with children
  std::memcpy(familia.octetos + 4, "19601962", 8);
  const AniosHijos hijos{{{'1', '9', '9', '0'}, {'1', '9', '9', '2'}}};
  doc.TomarDatosFamilia(familia, hijos);
  ASSERT_EQ(doc.MostrarPagina(ClasePaginaSIM001(), 0, kRecursoMarcoRenta), 1);
  auto* vista = dynamic_cast<CRentaVista*>(doc.BuscarVista(ClasePaginaSIM001()));
  ASSERT_NE(vista, nullptr);
  auto* marcoVentana = dynamic_cast<wxFrame*>(vista->GetFrame());
  ASSERT_NE(marcoVentana, nullptr);
  marcoVentana->SetClientSize(1100, 900);
  marcoVentana->Move(0, 0);
  Esperar();

  // The texts of boxes 18 to 22 (marital statuses, year of birth) and 39, 40 (taxation) for a person.
  const auto textos = [&](int sujeto) {
    doc.SeleccionarSujeto(sujeto);
    Esperar();
    std::string t;
    for (int n : {18, 19, 20, 21, 22, 39, 40}) {
      marco::CCampo* campo = vista->DameCampo(n - 1);
      campo->ActualizarTexto();
      t += "[" + campo->Texto + "]";
    }
    return t;
  };
  EXPECT_EQ(textos(marco::kSujetoDeclarante), "[ ][ ][X][ ][1960][ ][X]");
  EXPECT_EQ(textos(marco::kSujetoConyuge), "[ ][ ][X][ ][1962][ ][X]");
  EXPECT_EQ(textos(marco::kSujetoHijo1), "[X][ ][ ][ ][1990][ ][X]");
  EXPECT_EQ(textos(marco::kSujetoHijo2), "[X][ ][ ][ ][1992][ ][X]");

  // The declarant: a click on "Viudo/a" (box 19) and the space key tick it beside "Casado/a".
  doc.SeleccionarSujeto(marco::kSujetoDeclarante);
  Esperar();
  SContextoValidacion contexto{marco::kSujetoDeclarante};
  const auto estadosCiviles = [&] {
    std::vector<marco::SHallazgo> h;
    for (const marco::SHallazgo& x : ReglasDeclaracion(doc.Datos(), contexto)) {
      if (x.codigo == kHallazgoEstadosCiviles) h.push_back(x);
    }
    return h;
  };
  EXPECT_TRUE(estadosCiviles().empty());
  marco::CCampo& viudo = *vista->DameCampo(18);
  const plataforma::CRectangulo caja = marco::RectanguloCampoEnVentana(viudo, vista->Desplazamiento());
  wxMouseEvent pulsar(wxEVT_LEFT_DOWN);
  pulsar.SetPosition(wxPoint(caja.left + 3, caja.top + 3));
  vista->DameVentana()->GetEventHandler()->ProcessEvent(pulsar);
  Esperar();
  ASSERT_EQ(vista->DameCampoActivo(), 18);
  marco::CEditEx* edit = vista->DameEditActivo();
  ASSERT_NE(edit, nullptr);
  edit->AlCaracter(' ');
  edit->AlCaracter(marco::kTeclaTabulador);
  Esperar();
  ASSERT_NE(doc.Datos().Identificacion.octetos[kDespEstadoCivil2 + 1], 0) << "Viudo/a was not ticked";
  EXPECT_NE(doc.Datos().Identificacion.octetos[kDespEstadoCivil3 + 1], 0) << "Casado/a went";
  const std::vector<marco::SHallazgo> hallazgos = estadosCiviles();
  ASSERT_EQ(hallazgos.size(), 1u);
  EXPECT_EQ(hallazgos[0].vista, 1);
  EXPECT_EQ(hallazgos[0].numcontr, 18);  // box 19, the first of the two
  EXPECT_EQ(hallazgos[0].severidad, 1);
  for (const marco::SMensaje& m : guion.Mensajes()) ADD_FAILURE() << m.codigo << ": " << m.texto << " " << m.extra;
  delete vista;
  Esperar(5);
}
