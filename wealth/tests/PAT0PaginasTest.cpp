// The twelve D-714 pages without a window: their boxes loaded from the tables the build makes, every box bound to
// its place in the data area, the links of the binding, and the rules between boxes of pages 1, 2-8, 10 and 11.
#include <gtest/gtest.h>

#include <set>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/EditEx.h"
#include "framework/FabricaEdit.h"
#include "framework/MensajeGuion.h"
#include "framework/ReferenciaReglas.h"
#include "framework/ServiciosAplicacion.h"
#include "wealth/C714Doc.h"
#include "wealth/CamposPatrimonio.h"
#include "wealth/Enlace714.h"
#include "wealth/PAT0Paginas.h"
#include "wealth/PAT0Reglas.h"

namespace fs = std::filesystem;
using namespace patrimonio;

namespace {

constexpr std::array<int, 12> kCasillas{40, 238, 185, 110, 93, 81, 104, 75, 31, 27, 36, 34};

// Where a box must be: an offset of the data area, or one of the document's two texts.
constexpr long kNombre = -1;
constexpr long kEjercicio = -2;

constexpr long P(long d) { return static_cast<long>(kBloquePersonales) + d; }
constexpr long R(long d) { return static_cast<long>(kBloqueResumen) + d; }
constexpr long DIo(long d) { return static_cast<long>(kBloqueDI) + d; }
constexpr long kAjuste = static_cast<long>(kBloqueAjuste);

// The expected places, written from the layout of the form's record, page by page.
std::vector<long> Esperado(int pagina) {
  std::vector<long> e;
  const auto cab = [&] { e.insert(e.end(), {P(127), kNombre}); };
  const auto pie = [&] { e.insert(e.end(), {P(21), kEjercicio}); };
  // Row groups: block offset, first row, rows, fields, stride; then the total.
  const auto filas = [&](long bloque, long primera, int n, std::vector<long> campos, long paso, long total) {
    for (int f = 0; f < n; ++f) {
      for (const long c : campos) e.push_back(bloque + primera + f * paso + c);
    }
    e.push_back(bloque + total);
  };
  const auto off = [](std::size_t o) { return static_cast<long>(o); };
  switch (pagina) {
    case 1:
      e = {P(84),  P(107), P(81),  P(103), P(126), P(127), kNombre, P(184), P(187), P(215), P(220), P(223), P(226),
           P(229), P(239), P(273), P(293), P(299), P(309), P(346),  P(349), P(377), P(382), P(385), P(388), P(391),
           P(401), P(435), P(455), P(461), P(462), P(463), P(464),  P(486), P(487), P(507), P(509), P(519)};
      pie();
      break;
    case 2:
      cab();
      filas(off(offsetof(DatosPatrimonio, PatA)), 0, 28, {0, 1, 2, 23, 64}, 72, 2088);
      filas(off(offsetof(DatosPatrimonio, PatB)), 0, 23, {0, 1, 22, 64}, 72, 1728);
      pie();
      break;
    case 3: {
      const long c = off(offsetof(DatosPatrimonio, PatC));
      cab();
      filas(c, 0, 13, {0, 6, 35, 64}, 72, 1008);
      filas(c, 1016, 12, {0, 6, 7, 28, 64}, 72, 1952);
      e.push_back(c + 1960);
      filas(off(offsetof(DatosPatrimonio, PatD)), 0, 13, {0, 6, 7, 28, 64}, 72, 1008);
      pie();
      break;
    }
    case 4:
      cab();
      filas(off(offsetof(DatosPatrimonio, PatE)), 0, 15, {0, 42, 64}, 72, 1152);
      filas(off(offsetof(DatosPatrimonio, PatF1)), 0, 15, {0, 64}, 72, 1152);
      filas(off(offsetof(DatosPatrimonio, PatF2)), 0, 14, {0, 64}, 72, 1080);
      pie();
      break;
    case 5:
      cab();
      filas(off(offsetof(DatosPatrimonio, PatG1)), 0, 12, {0, 64}, 72, 936);
      filas(off(offsetof(DatosPatrimonio, PatG2)), 0, 18, {0, 64}, 72, 1368);
      filas(off(offsetof(DatosPatrimonio, PatG3)), 0, 13, {0, 64}, 72, 1008);
      pie();
      break;
    case 6: {
      cab();
      filas(off(offsetof(DatosPatrimonio, PatG4)), 0, 11, {0, 64}, 72, 864);
      filas(off(offsetof(DatosPatrimonio, PatH1)), 0, 5, {0, 64}, 72, 432);
      filas(off(offsetof(DatosPatrimonio, PatH2)), 0, 5, {0, 64}, 72, 432);
      filas(off(offsetof(DatosPatrimonio, PatI)), 0, 5, {0, 64}, 72, 432);
      const long j = off(offsetof(DatosPatrimonio, PatJ));
      for (const long d : {0, 42, 48, 56, 64, 170, 112, 120, 128, 106, 176, 184, 192, 234, 240, 248, 256, 298, 304,
                           312, 384}) {
        e.push_back(j + d);
      }
      pie();
      break;
    }
    case 7:
      cab();
      filas(off(offsetof(DatosPatrimonio, PatK)), 0, 13, {0, 64}, 72, 1008);
      filas(off(offsetof(DatosPatrimonio, PatL)), 0, 9, {0, 64}, 72, 720);
      filas(off(offsetof(DatosPatrimonio, PatM)), 0, 8, {0, 1, 22, 48, 56}, 64, 576);
      filas(off(offsetof(DatosPatrimonio, PatN)), 0, 6, {0, 64}, 72, 504);
      pie();
      break;
    case 8:
      cab();
      filas(off(offsetof(DatosPatrimonio, PatO)), 0, 5, {0, 64}, 72, 360);
      filas(off(offsetof(DatosPatrimonio, PatP)), 0, 5, {0, 64}, 72, 360);
      filas(off(offsetof(DatosPatrimonio, PatQ)), 0, 12, {0, 64}, 72, 864);
      e.push_back(R(152));
      filas(off(offsetof(DatosPatrimonio, PatDeudas)), 0, 11, {0, 64}, 72, 792);
      pie();
      break;
    case 9:
      cab();
      for (long k = 0; k <= 26; ++k) e.push_back(R(8 * k));
      pie();
      break;
    case 10:
      cab();
      for (const long d : {216, 224, 232, 240, 248, 264, 272, 280, 288, 352, 360, 368, 376, 384, 392, 400, 416, 472,
                           480, 488, 496, 504, 512}) {
        e.push_back(R(d));
      }
      pie();
      break;
    case 11:
      e = {P(81),  P(103), P(84),  P(107), P(127), kNombre, P(184), P(187), P(215), P(220), P(223), P(226),
           P(229), P(239), P(273), P(293), P(126), R(512),  DIo(0), DIo(8), DIo(16), kAjuste, DIo(24), DIo(25),
           DIo(48), DIo(26), DIo(30), DIo(34), DIo(36), P(487), P(507),  P(509), P(519),  P(21),  kEjercicio, P(1)};
      break;
    case 12:
      e = {P(84),  P(107), P(81),  P(103), P(127), kNombre, P(184), P(187),  P(215), P(220), P(223), P(226),
           P(229), P(239), P(273), P(293), P(126), R(512),  DIo(16), kAjuste, DIo(24), DIo(25), DIo(48), DIo(26),
           DIo(30), DIo(34), DIo(36), P(487), P(507), P(509),  P(519),  kEjercicio, P(1), P(21)};
      break;
    default: break;
  }
  return e;
}

// A document whose views, boxes and checks work on the local database the build makes.
class Paginas714 : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-pat-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::create_directories(m_dir);
    ASSERT_EQ(marco::AbrirBasesDatos(m_dir.string(), KORVELIX_DATOS_LOCAL), 1);
    marco::PonerIdiomaV("e");
    ASSERT_TRUE(fs::exists(fs::path(KORVELIX_DATOS_LOCAL) / "ControlX.DBF")) << "build the target datos_paginas";
    m_doc = std::make_unique<C714Doc>();
    m_doc->InicializarDatos();
  }
  void TearDown() override {
    m_vistas.clear();
    m_doc.reset();
    marco::CerrarBasesDatos();
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  // The page view of a page, on the document, with its boxes loaded and bound.
  template <typename Vista>
  Vista& Abrir() {
    auto vista = std::make_unique<Vista>();
    vista->SetDocument(m_doc.get());
    EXPECT_EQ(vista->CargarCampos(1.0, marco::DameBaseDatosLocal()), 1);
    Vista& r = *vista;
    m_vistas.push_back(std::move(vista));
    return r;
  }

  DatosPatrimonio& D() { return m_doc->Datos(); }
  RegPatDatosPersonales& DP() { return D().PatDatosPersonales; }
  std::string Texto(const marco::CCampo& c, std::size_t n) {
    return std::string(static_cast<const char*>(c.Dato), n);
  }

  fs::path m_dir;
  std::unique_ptr<C714Doc> m_doc;
  std::vector<std::unique_ptr<C714Vista>> m_vistas;
};

TEST_F(Paginas714, CadaPaginaCargaSusCasillasYLasEnlazaDondeDiceElRegistro) {
  const auto* base = reinterpret_cast<const unsigned char*>(&D());
  for (int pagina = 1; pagina <= kPaginas714; ++pagina) {
    SCOPED_TRACE("page " + std::to_string(pagina));
    auto controles = CrearControles714(pagina);
    ASSERT_NE(controles, nullptr);
    controles->PonerDocumento(m_doc.get());
    ASSERT_EQ(controles->Cargar(IdPagina714(pagina), 1.0, marco::DameBaseDatosLocal()), 1);
    ASSERT_EQ(controles->NumeroCampos(), kCasillas[static_cast<std::size_t>(pagina - 1)]);
    ASSERT_EQ(MapaCasillas714(pagina).size(), static_cast<std::size_t>(controles->NumeroCampos()));
    const std::vector<long> esperado = Esperado(pagina);
    ASSERT_EQ(esperado.size(), static_cast<std::size_t>(controles->NumeroCampos()));
    for (int i = 0; i < controles->NumeroCampos(); ++i) {
      const marco::CCampo& c = *controles->Campo(i);
      ASSERT_NE(c.Dato, nullptr) << "box " << i << " picture " << c.StrValidac;
      const long e = esperado[static_cast<std::size_t>(i)];
      if (e == kNombre) {
        EXPECT_EQ(c.Dato, m_doc->TextoNombre()) << "box " << i;
      } else if (e == kEjercicio) {
        EXPECT_EQ(c.Dato, m_doc->EjercicioFiscal()) << "box " << i;
      } else {
        EXPECT_EQ(static_cast<const unsigned char*>(c.Dato) - base, e) << "box " << i;
      }
      // The value as its picture lays it out stays inside its block of the data area.
      if (e >= 0) {
        EXPECT_LE(static_cast<std::size_t>(e) + c.TamanoValor(), sizeof(DatosPatrimonio)) << "box " << i;
      }
    }
  }
}

TEST_F(Paginas714, UnImporteTecleadoLlegaASuSitioYLaCasillaLoMuestra) {
  // Every amount box of every page: a value set through the box is read back at the record's offset.
  for (int pagina = 1; pagina <= kPaginas714; ++pagina) {
    auto controles = CrearControles714(pagina);
    controles->PonerDocumento(m_doc.get());
    ASSERT_EQ(controles->Cargar(IdPagina714(pagina), 1.0, marco::DameBaseDatosLocal()), 1);
    const std::vector<long> esperado = Esperado(pagina);
    for (int i = 0; i < controles->NumeroCampos(); ++i) {
      marco::CCampo& c = *controles->Campo(i);
      if (c.Letra() != 'F') continue;
      const double valor = 1000.0 * pagina + i;
      std::memcpy(c.Dato, &valor, sizeof valor);
      double leido = 0.0;
      std::memcpy(&leido, reinterpret_cast<const unsigned char*>(&D()) + esperado[static_cast<std::size_t>(i)],
                  sizeof leido);
      EXPECT_EQ(leido, valor) << "page " << pagina << " box " << i;
      c.ActualizarTexto();
      EXPECT_FALSE(c.Texto.empty()) << "page " << pagina << " box " << i;
    }
  }
}

TEST_F(Paginas714, UnaCasillaDemasiadoAnchaParaSuCampoQuedaSinEnlazar) {
  // A damaged definition row (a text wider than its field) never writes past the field.
  CControlesPAT001 controles;
  controles.PonerDocumento(m_doc.get());
  ASSERT_EQ(controles.Cargar(IdPagina714(1), 1.0, marco::DameBaseDatosLocal()), 1);
  marco::CCampo& provincia = *controles.CampoDeNumero(16);
  provincia.StrValidac = "A40";
  provincia.LeerMascara('P');
  controles.Enlazar(1);
  EXPECT_EQ(provincia.Dato, nullptr);
  EXPECT_NE(controles.CampoDeNumero(17)->Dato, nullptr);
}

TEST_F(Paginas714, PrimeraPaginaNifNumeroYTelefonoTomanCifrasComoSeTeclean) {
  CControlesPAT001 controles;
  controles.PonerDocumento(m_doc.get());
  ASSERT_EQ(controles.Cargar(IdPagina714(1), 1.0, marco::DameBaseDatosLocal()), 1);
  struct SCaso {
    int casilla;
    std::string tecleado;
  };
  const SCaso casos[] = {{6, "12345678Z"}, {10, "12"}, {12, "3"}, {14, "915551234"}, {17, "28001"}, {18, "B12345678"}};
  for (const SCaso& c : casos) {
    SCOPED_TRACE("box " + std::to_string(c.casilla));
    marco::CCampo& campo = *controles.CampoDeNumero(c.casilla);
    ASSERT_NE(campo.Dato, nullptr);
    std::unique_ptr<marco::CEditEx> edit = marco::FabricaEdit().Crear(campo, nullptr);
    for (const char letra : c.tecleado) edit->AlCaracter(static_cast<unsigned char>(letra));
    EXPECT_EQ(edit->Texto(), c.tecleado);
    edit->AlPerderFoco();
    EXPECT_EQ(std::string(static_cast<const char*>(campo.Dato), c.tecleado.size()), c.tecleado);
  }
}

TEST_F(Paginas714, NifEjercicioYDatosDelDeclaranteDeLasOtrasPaginasTomanCifras) {
  // Page, box, a mixed value: the header N.I.F., the year, and the declarant's codes, number, telephone, postal code
  // and receipt number of the result pages take it whole.
  struct SCaso {
    int pagina;
    int casilla;
    std::string tecleado;
  };
  const SCaso casos[] = {
      {2, 1, "12345678Z"}, {2, 238, "1999"}, {5, 1, "X1234567L"}, {8, 75, "1999"},   {10, 27, "1999"},
      {11, 1, "28"},       {11, 2, "2801"},  {11, 5, "12345678Z"}, {11, 9, "12B"},   {11, 11, "3"},
      {11, 13, "915551234"}, {11, 16, "28001"}, {11, 36, "7140012345A"}, {11, 35, "1999"},
      {12, 3, "08"},       {12, 4, "0801"},  {12, 5, "B12345678"}, {12, 9, "4"},     {12, 13, "934445566"},
      {12, 16, "08001"},   {12, 33, "7140012345B"}, {12, 32, "1999"},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE("page " + std::to_string(c.pagina) + " box " + std::to_string(c.casilla));
    std::unique_ptr<CControlesPAT> controles;
    if (c.pagina == 10) {
      controles = std::make_unique<CControlesPAT010>();
    } else if (c.pagina == 11) {
      controles = std::make_unique<CControlesPAT011>();
    } else if (c.pagina == 12) {
      controles = std::make_unique<CControlesPAT012>();
    } else {
      controles = std::make_unique<CControlesPAT>(c.pagina);
    }
    controles->PonerDocumento(m_doc.get());
    ASSERT_EQ(controles->Cargar(IdPagina714(c.pagina), 1.0, marco::DameBaseDatosLocal()), 1);
    marco::CCampo* campo = controles->CampoDeNumero(c.casilla);
    ASSERT_NE(campo, nullptr);
    std::vector<char> valor(static_cast<std::size_t>(std::max(campo->Longitud, 0)) + 1, '\0');
    campo->Dato = valor.data();
    std::unique_ptr<marco::CEditEx> edit = marco::FabricaEdit().Crear(*campo, nullptr);
    for (const char letra : c.tecleado) edit->AlCaracter(static_cast<unsigned char>(letra));
    EXPECT_EQ(edit->Texto(), c.tecleado);
    edit->AlPerderFoco();
    EXPECT_EQ(std::string(valor.data(), c.tecleado.size()), c.tecleado);
  }
}

TEST_F(Paginas714, LasCasillasDeValorDeCadaSeccionSonLasQueSumaSuTotal) {
  // The value boxes that recalculate a section are exactly the boxes bound to the rows' values.
  for (int pagina = 2; pagina <= 8; ++pagina) {
    auto controles = CrearControles714(pagina);
    controles->PonerDocumento(m_doc.get());
    ASSERT_EQ(controles->Cargar(IdPagina714(pagina), 1.0, marco::DameBaseDatosLocal()), 1);
    int valores = 0;
    for (int i = 0; i < controles->NumeroCampos(); ++i) {
      const std::string_view seccion = SeccionDeCasilla714(pagina, i + 1);
      if (seccion.empty()) continue;
      ++valores;
      marco::CCampo& c = *controles->Campo(i);
      ASSERT_EQ(c.Letra(), 'F') << "page " << pagina << " box " << i + 1;
      // A value set in the box is added into the section total by the rule.
      const double antes = 0.0;
      std::memcpy(c.Dato, &antes, sizeof antes);
      std::memset(&D(), 0, sizeof(DatosPatrimonio));
      const double valor = 7.0;
      std::memcpy(c.Dato, &valor, sizeof valor);
      ASSERT_TRUE(RecalcularSeccion714(D(), pagina, i + 1));
      // The group's total box follows the group's rows.
      for (const SGrupoFilas714& g : GruposFilas714(pagina)) {
        if (g.seccion != seccion) continue;
        double total = 0.0;
        std::memcpy(&total, controles->Campo(g.casillaTotal)->Dato, sizeof total);
        EXPECT_EQ(total, 7.0) << "page " << pagina << " box " << i + 1;
      }
    }
    EXPECT_GT(valores, 0);
    EXPECT_FALSE(RecalcularSeccion714(D(), pagina, 1));
    EXPECT_FALSE(RecalcularSeccion714(D(), pagina, 3));
  }
  EXPECT_EQ(SeccionDeCasilla714(6, 62), "J");
  EXPECT_EQ(SeccionDeCasilla714(6, 78), "J");
  EXPECT_EQ(SeccionDeCasilla714(6, 79), "");
  EXPECT_EQ(SeccionDeCasilla714(3, 116), "");  // the C1 + C2 total is not a row value
  EXPECT_FALSE(RecalcularSeccion714(D(), 9, 3));
}

TEST_F(Paginas714, UnValorConfirmadoRecalculaSuSeccionYLaLiquidacion) {
  PAT002& vista = Abrir<PAT002>();
  EXPECT_EQ(vista.DameNumeroPagina(), 302);
  EXPECT_EQ(vista.NombrePagina(), "PAT002");
  const auto poner = [&](int numero, double v) { std::memcpy(vista.DameCampo(numero - 1)->Dato, &v, sizeof v); };
  poner(7, 1000000.0);
  poner(12, 500000.0);
  EXPECT_EQ(vista.ComprobarCampo(8), 1);  // a text box: nothing is summed
  EXPECT_EQ(LeeDouble(D().PatA, 2088), 0.0);
  EXPECT_EQ(vista.ComprobarCampo(12), 1);
  EXPECT_EQ(LeeDouble(D().PatA, 2088), 1500000.0);
  EXPECT_EQ(LeeDouble(D().PatResumen, 0), 1500000.0);
  poner(147, 250000.0);
  vista.ComprobarCampo(147);
  EXPECT_EQ(LeeDouble(D().PatB, 1728), 250000.0);
  EXPECT_EQ(LeeDouble(D().PatResumen, 8), 250000.0);
  // The liquidation ran on the new totals: the liquidation result and the sign follow.
  EXPECT_EQ(LeeByte(D().PatAjuste, 0), LeeDouble(D().PatResumen, 512) <= 0.0 ? 1 : 0);

  // Page 9 shows the copies in the summary.
  PAT009& resumen = Abrir<PAT009>();
  resumen.DameCampo(2)->ActualizarTexto();
  EXPECT_EQ(resumen.DameCampo(2)->Texto, "1.500.000");
  resumen.DameCampo(3)->ActualizarTexto();
  EXPECT_EQ(resumen.DameCampo(3)->Texto, "250.000");
}

// Page 3: the heading box of each row of C1 opens the heading search on the row's code (kind 3), with a group
// byte of its own; the edit the box gets is the heading box's.
TEST_F(Paginas714, TerceraPaginaLasCasillasDeEpigrafeDeC1) {
  auto controles = CrearControles714(3);
  controles->PonerDocumento(m_doc.get());
  ASSERT_EQ(controles->Cargar(IdPagina714(3), 1.0, marco::DameBaseDatosLocal()), 1);
  auto* c1 = reinterpret_cast<char*>(D().PatC.octetos);
  std::set<const std::uint8_t*> grupos;
  for (int r = 0; r < CControlesPAT003::kFilasC1; ++r) {
    const marco::CCampo& campo = *controles->Campo(2 + 4 * r);
    SCOPED_TRACE(r);
    EXPECT_EQ(campo.Letra(), 'E');
    EXPECT_EQ(campo.NombreVent, "IDD_EPIGRAFE*3");
    EXPECT_EQ(marco::ElegirClaseEdit(campo), marco::EClaseEdit::SelEpigraf);
    const auto* enlace = static_cast<const marco::SEnlaceEpigrafe*>(campo.Enlace);
    ASSERT_NE(enlace, nullptr);
    EXPECT_EQ(enlace->codigo, c1 + 72 * r);
    EXPECT_EQ(campo.Dato, c1 + 72 * r);
    ASSERT_NE(enlace->grupo, nullptr);
    EXPECT_EQ(*enlace->grupo, 2);  // business
    grupos.insert(enlace->grupo);
  }
  EXPECT_EQ(grupos.size(), static_cast<std::size_t>(CControlesPAT003::kFilasC1));
  // The other boxes of the page keep no link.
  EXPECT_EQ(controles->Campo(3)->Enlace, nullptr);
  EXPECT_EQ(controles->EnlacesVivos(), static_cast<std::size_t>(CControlesPAT003::kFilasC1));
}

TEST_F(Paginas714, PrimeraPaginaNombreNifYEnlaces) {
  EscribeTexto(DP(), personales::Apellidos, "GARCIA LOPEZ");
  EscribeTexto(DP(), personales::Nombre, "ANA");
  EscribeTexto(DP(), personales::Nif, "12345678Z");
  PAT001& vista = Abrir<PAT001>();
  EXPECT_STREQ(m_doc->TextoNombre(), "GARCIA LOPEZ, ANA");
  EXPECT_STREQ(m_doc->NifDeclarante(), "12345678Z");
  auto* controles = static_cast<CControlesPAT001*>(vista.DameControles());
  // The four office links, the region's and the name's link; the name box is a text-selection box.
  EXPECT_EQ(controles->EnlacesVivos(), 6u);
  const auto* delegacion = static_cast<const marco::SEnlaceTabla*>(controles->Campo(0)->Enlace);
  ASSERT_NE(delegacion, nullptr);
  EXPECT_EQ(delegacion->destino, reinterpret_cast<char*>(DP().octetos) + 81);
  const auto* oficina = static_cast<const marco::SEnlaceTabla*>(controles->Campo(3)->Enlace);
  EXPECT_EQ(oficina->destino, reinterpret_cast<char*>(DP().octetos) + 107);
  EXPECT_EQ(oficina->filtro, reinterpret_cast<char*>(DP().octetos) + 81);
  EXPECT_EQ(controles->Campo(6)->Enlace, DP().octetos + 137);
  EXPECT_EQ(controles->Campo(6)->Decimales, -1);
  // The region list hands its key to the box itself, which keeps it.
  const auto* comunidad = static_cast<const marco::SEnlaceTabla*>(controles->Campo(32)->Enlace);
  ASSERT_NE(comunidad, nullptr);
  EXPECT_EQ(comunidad->destino, controles->Campo(32)->Dato);
  EXPECT_EQ(comunidad->destino, reinterpret_cast<char*>(DP().octetos) + 464);
  EXPECT_EQ(comunidad->anchoDestino, 3u);
  EXPECT_TRUE(comunidad->guardaClave);
  EXPECT_FALSE(oficina->guardaClave);
  // Binding again with 1 frees the earlier links first: none is made twice.
  controles->Enlazar(1);
  EXPECT_EQ(controles->EnlacesVivos(), 6u);
  controles->LiberarEnlaces();
  EXPECT_EQ(controles->EnlacesVivos(), 0u);
  EXPECT_EQ(controles->Campo(0)->Enlace, nullptr);

  // No surnames: no separator before the name.
  EscribeTexto(DP(), personales::Apellidos, "");
  controles->Enlazar(1);
  EXPECT_STREQ(m_doc->TextoNombre(), "ANA");
  EscribeTexto(DP(), personales::Apellidos, "PEREZ");
  EscribeTexto(DP(), personales::Nombre, "");
  vista.Recalcular(7);
  EXPECT_STREQ(m_doc->TextoNombre(), "PEREZ, ");
}

TEST_F(Paginas714, PrimeraPaginaMarcasExclusivasYMinimoExento) {
  marco::CGuionMensajes guion;
  PAT001& vista = Abrir<PAT001>();
  marco::CControlesPagina& c = *vista.DameControles();
  marco::PonerRecomponerIdentificacion(false);
  // Each of the three marks clears the other two.
  for (int numero = 30; numero <= 32; ++numero) {
    for (std::size_t o = 461; o <= 463; ++o) EscribeByte(DP(), o, 1);
    EXPECT_EQ(vista.AplicarDependencias(numero), 1);
    for (int otro = 30; otro <= 32; ++otro) {
      EXPECT_EQ(LeeByte(DP(), 461 + static_cast<std::size_t>(otro - 30)), otro == numero ? 1 : 0)
          << numero << " " << otro;
    }
  }
  EXPECT_TRUE(marco::RecomponerIdentificacion());
  // The no-exempt-amount mark clears the code and locks its box; clearing the mark unlocks it.
  EscribeTexto(DP(), personales::CodigoPagina1, "09");
  EXPECT_EQ(c.CampoDeNumero(33)->SoloLectur, 0);
  EscribeByte(DP(), personales::SinMinimoExento.desplazamiento, 1);
  vista.AplicarDependencias(5);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(DP().octetos) + 464, 3), std::string(3, '\0'));
  EXPECT_EQ(c.CampoDeNumero(33)->SoloLectur, 1);
  EscribeByte(DP(), personales::SinMinimoExento.desplazamiento, 0);
  vista.ComprobarCampo(5);
  EXPECT_EQ(c.CampoDeNumero(33)->SoloLectur, 0);
  // Another delegation blanks the office fields.
  EscribeTexto(DP(), SCampo{103, 4}, "0791");
  EscribeTexto(DP(), SCampo{107, 18}, "OFICINA");
  vista.AplicarDependencias(1);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(DP().octetos) + 103, 21), std::string(21, ' '));
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST_F(Paginas714, PrimeraPaginaProvinciaLugarYComprobaciones) {
  marco::CGuionMensajes guion;
  PAT001& vista = Abrir<PAT001>();
  // A province found in the table writes its prefix into the postal code after it.
  EscribeTexto(DP(), SCampo{273, 15}, "MADRID");
  EXPECT_EQ(vista.ComprobarCampo(16), 1);
  EXPECT_EQ(LeeTexto(DP(), SCampo{293, 5}), "28   ");
  EscribeTexto(DP(), SCampo{435, 15}, "BARCELONA");
  vista.ComprobarCampo(28);
  EXPECT_EQ(LeeTexto(DP(), SCampo{455, 5}), "08   ");
  EscribeTexto(DP(), SCampo{435, 15}, "ATLANTIDA");
  EscribeTexto(DP(), SCampo{455, 5}, "99999");
  vista.ComprobarCampo(28);
  EXPECT_EQ(LeeTexto(DP(), SCampo{455, 5}), "99999");
  EXPECT_EQ(PrefijoProvincia714(nullptr, "   "), std::nullopt);
  // The municipality becomes the place of signing while it is empty.
  EscribeTexto(DP(), SCampo{239, 15}, "ALCALA");
  vista.ComprobarCampo(15);
  EXPECT_EQ(LeeTexto(DP(), SCampo{487, 20}), "ALCALA              ");
  EscribeTexto(DP(), SCampo{239, 15}, "GETAFE");
  vista.ComprobarCampo(15);
  EXPECT_EQ(LeeTexto(DP(), SCampo{487, 20}).substr(0, 6), "ALCALA");
  EXPECT_TRUE(guion.Codigos().empty());

  // A wrong tax number is refused; a right one is copied for the document.
  EscribeTexto(DP(), personales::Nif, "12345678A");
  EXPECT_EQ(vista.ComprobarCampo(6), 0);
  EXPECT_EQ(guion.Veces("DNIE001"), 1);
  EscribeTexto(DP(), personales::Nif, "12345678Z");
  EXPECT_EQ(vista.ComprobarCampo(6), 1);
  EXPECT_STREQ(m_doc->NifDeclarante(), "12345678Z");
  // A year of signing that is not one is cleared.
  EscribeTexto(DP(), SCampo{519, 4}, "19X9");
  EXPECT_EQ(vista.ComprobarCampo(38), 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(DP().octetos) + 519, 4), std::string(4, '\0'));
}

TEST_F(Paginas714, LiquidacionCeutaMelillaYCasillasDeDetalle) {
  marco::CGuionMensajes guion;
  PAT010& vista = Abrir<PAT010>();
  marco::CControlesPagina& c = *vista.DameControles();
  EXPECT_EQ(c.Campo(10)->Enlace, D().PatResumen.octetos + 296);
  EXPECT_EQ(c.Campo(18)->Enlace, D().PatResumen.octetos + 424);
  EXPECT_EQ(c.Campo(9)->MostrarCero, 1);
  EXPECT_EQ(c.Campo(16)->MostrarCero, 1);
  EXPECT_EQ(c.Campo(24)->MostrarCero, 1);
  EXPECT_EQ(c.Campo(6)->Decimales, 2);
  EXPECT_EQ(c.Campo(17)->Decimales, 2);
  EXPECT_EQ(c.Campo(10)->SoloLectur, 0);

  EscribeDouble(D().PatResumen, 168, 1000.0);
  EscribeDouble(D().PatResumen, 488, 2000.0);
  EXPECT_EQ(vista.ComprobarCampo(22), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"100P102"}));
  EXPECT_EQ(LeeDouble(D().PatResumen, 488), 0.0);
  EscribeDouble(D().PatResumen, 488, 1000.0);  // equal is allowed
  EXPECT_EQ(vista.ComprobarCampo(22), 1);
  EXPECT_EQ(LeeDouble(D().PatResumen, 488), 1000.0);
  EXPECT_EQ(guion.Codigos().size(), 1u);

  // With the no-exempt-amount mark set the two detail boxes cannot be edited.
  EscribeByte(DP(), personales::SinMinimoExento.desplazamiento, 1);
  vista.RefrescarControles();
  EXPECT_EQ(c.CampoDeNumero(11)->SoloLectur, 1);
  EXPECT_EQ(c.CampoDeNumero(19)->SoloLectur, 1);
  EscribeByte(DP(), personales::SinMinimoExento.desplazamiento, 0);
  vista.RefrescarControles();
  EXPECT_EQ(c.CampoDeNumero(11)->SoloLectur, 0);
}

TEST_F(Paginas714, PagoMarcasExcluyentesYCuenta) {
  // Marks 24 (box 23) and 25 (box 24): one excludes the other; the account only with the direct debit.
  RegPatDI di{};
  EscribeTexto(di, di::Cuenta, "21000418450200051331");
  EscribeByte(di, di::Marca1, 1);
  EXPECT_FALSE(AplicarMarcasPago714(di, 23));
  EXPECT_EQ(LeeByte(di, di::Domiciliacion), 0);
  EXPECT_EQ(LeeTexto(di, di::Cuenta), std::string(20, ' '));
  EscribeByte(di, di::Marca1, 0);
  EXPECT_TRUE(AplicarMarcasPago714(di, 23));
  EXPECT_EQ(LeeByte(di, di::Domiciliacion), 1);
  EscribeByte(di, di::Domiciliacion, 0);
  EXPECT_FALSE(AplicarMarcasPago714(di, 24));
  EXPECT_EQ(LeeByte(di, di::Marca1), 1);
  EscribeByte(di, di::Domiciliacion, 1);
  EXPECT_TRUE(AplicarMarcasPago714(di, 24));
  EXPECT_EQ(LeeByte(di, di::Marca1), 0);
  // Erasing either mark sets the other.
  EscribeByte(di, di::Marca1, 0);
  EscribeByte(di, di::Domiciliacion, 0);
  EXPECT_TRUE(BorrarMarcaPago714(di, 23));
  EXPECT_EQ(LeeByte(di, di::Domiciliacion), 1);
  EscribeByte(di, di::Marca1, 0);
  EscribeByte(di, di::Domiciliacion, 0);
  EXPECT_FALSE(BorrarMarcaPago714(di, 24));
  EXPECT_EQ(LeeByte(di, di::Marca1), 1);
}

TEST_F(Paginas714, PagoResultadoYEstadoDeLasCasillas) {
  // A positive result with the quota computation asked for: quota, difference and the marks can be chosen.
  EscribeByte(DP(), personales::CalculoCuota.desplazamiento, 1);
  EscribeDouble(D().PatResumen, 512, 50000.0);
  EscribeDouble(D().PatDI, di::ImporteDeducido, 80000.0);
  EscribeByte(D().PatDI, di::Domiciliacion, 1);
  PAT011& vista = Abrir<PAT011>();
  marco::CControlesPagina& c = *vista.DameControles();
  EXPECT_EQ(LeeDouble(D().PatDI, di::Cuota), 50000.0);
  EXPECT_EQ(LeeDouble(D().PatDI, di::Diferencia), 0.0);  // never negative
  EXPECT_EQ(LeeByte(D().PatAjuste, 0), 0);
  EXPECT_EQ(c.CampoDeNumero(20)->SoloLectur, 0);
  EXPECT_EQ(c.CampoDeNumero(23)->SoloLectur, 0);
  for (int n = 26; n <= 29; ++n) EXPECT_EQ(c.CampoDeNumero(n)->SoloLectur, 0) << n;
  // The other mark: the account is locked and blank.
  EscribeByte(D().PatDI, di::Marca1, 1);
  EXPECT_EQ(vista.AplicarDependencias(23), 1);
  for (int n = 26; n <= 29; ++n) EXPECT_EQ(c.CampoDeNumero(n)->SoloLectur, 1) << n;
  EXPECT_EQ(vista.AplicarDependencias(5), 0);

  // A result of zero: sign set, both marks cleared and locked; without the quota computation, no quota.
  EscribeByte(DP(), personales::CalculoCuota.desplazamiento, 0);
  EscribeDouble(D().PatResumen, 512, 0.0);
  vista.RefrescarControles();
  EXPECT_EQ(LeeByte(D().PatAjuste, 0), 1);
  EXPECT_EQ(LeeByte(D().PatDI, di::Marca1), 0);
  EXPECT_EQ(LeeByte(D().PatDI, di::Domiciliacion), 0);
  EXPECT_EQ(LeeDouble(D().PatDI, di::Cuota), 0.0);
  EXPECT_EQ(c.CampoDeNumero(20)->SoloLectur, 1);
  EXPECT_EQ(c.CampoDeNumero(23)->SoloLectur, 1);
  EXPECT_EQ(c.CampoDeNumero(24)->SoloLectur, 1);

  // Page 12 sets the sign from the result when it binds.
  EscribeDouble(D().PatResumen, 512, 10.0);
  PAT012& doce = Abrir<PAT012>();
  EXPECT_EQ(LeeByte(D().PatAjuste, 0), 0);
  EXPECT_EQ(doce.DameNumeroPagina(), 312);
}

TEST_F(Paginas714, CabeceraDelFicheroDeInternet) {
  CControlesPAT001 controles;
  controles.PonerDocumento(m_doc.get());
  ASSERT_EQ(controles.Cargar(IdPagina714(1), 1.0, marco::DameBaseDatosLocal()), 1);
  EscribeByte(DP(), 462, 1);
  EscribeByte(DP(), 463, 1);
  EscribeTexto(DP(), personales::Identificacion, "Ref.: 12345678.05.01234.6");
  EXPECT_EQ(controles.RellenaCabecera('8'), 1);
  EXPECT_STREQ(static_cast<const char*>(controles.Campo(29)->Dato), "4");
  EXPECT_EQ(controles.Campo(29)->Letra(), 'S');
  EXPECT_EQ(controles.Campo(38)->fminternet, "210X");
  const std::string cabecera(static_cast<const char*>(controles.Campo(38)->Dato));
  // Without its prefix and points, cut to 20, then the Windows-version letter.
  EXPECT_EQ(cabecera, "1234567805012346    8");
}

TEST(Paginas714Clases, LasDoceClasesSeEncuentranPorSuNombre) {
  const auto& clases = RegistrarPaginas714();
  for (int p = 1; p <= kPaginas714; ++p) {
    wxClassInfo* clase = clases[static_cast<std::size_t>(p - 1)];
    ASSERT_NE(clase, nullptr);
    const std::string nombre = "PAT0" + std::string(p < 10 ? "0" : "") + std::to_string(p);
    EXPECT_EQ(wxClassInfo::FindClass(wxString::FromUTF8(nombre)), clase) << nombre;
    std::unique_ptr<wxObject> objeto(clase->CreateObject());
    auto* vista = dynamic_cast<C714Vista*>(objeto.get());
    ASSERT_NE(vista, nullptr);
    EXPECT_EQ(vista->DameNumeroPagina(), 300 + p);
    EXPECT_EQ(vista->NombrePagina(), nombre);
    ASSERT_NE(vista->DameControles(), nullptr);
  }
  EXPECT_EQ(CrearControles714(0), nullptr);
  EXPECT_EQ(CrearControles714(13), nullptr);
  EXPECT_TRUE(MapaCasillas714(13).empty());
}

}  // namespace
