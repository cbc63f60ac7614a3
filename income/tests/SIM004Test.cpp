// Page 4 of the simplified form: its 63 boxes from the built tables bound where the form puts them, the three row
// tables of section J with their read-only marks and stores, and the section M calculations of a committed box.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "SIM003Prueba.h"
#include "framework/EditEx.h"
#include "framework/FabricaEdit.h"
#include "income/RentaDoc.h"
#include "framework/Campo.h"
#include "framework/MensajeGuion.h"
#include "framework/Validador.h"
#include "income/SIM004.h"

using namespace renta;
using pruebassim::EscribirDoble;
using pruebassim::LeerDoble;
using pruebassim::Llamadas;
using pruebassim::Octeto;

namespace {

constexpr std::size_t kG = offsetof(DatosRenta, ApartadoG);
constexpr std::size_t kI = offsetof(DatosRenta, ApartadoI);
constexpr std::size_t kJ = offsetof(DatosRenta, ApartadoJ);
constexpr std::size_t kK = offsetof(DatosRenta, ApartadoK);
constexpr std::size_t kL = offsetof(DatosRenta, ApartadoL);
constexpr std::size_t kM = offsetof(DatosRenta, ApartadoM);
constexpr std::size_t kBI = offsetof(DatosRenta, BaseImponible);
constexpr std::size_t kLQ = offsetof(DatosRenta, Liquidacion);
constexpr std::size_t kId = offsetof(DatosRenta, Identificacion);

struct SEsperado {
  int casilla;
  std::size_t valor;
  std::size_t enlace;
};

const std::vector<SEsperado>& Esperados() {
  static const std::vector<SEsperado> tabla = {
      {3, kG + 72, 0},      {4, kG + 144, 0},     {5, kBI + 1272, 0},   {6, kBI + 1696, 0},
      {7, kBI + 1312, 0},   {8, kI + 0, 0},       {9, kI + 40, 0},      {16, kBI + 1352, 0},
      {17, kJ + 96, 0},     {26, kBI + 1392, 0},  {35, kBI + 1432, 0},  {36, kBI + 1312, 0},
      {37, kI + 0, 0},      {38, kK + 0, 0},      {39, kLQ + 0, 0},     {40, kBI + 1736, 0},
      {41, kK + 80, 0},     {42, kL + 0, 0},      {43, kL + 40, 0},     {44, kL + 80, 0},
      {45, kM + 0, kM + 40}, {46, kM + 88, 0},    {47, kLQ + 1240, 0},  {48, kM + 128, kM + 168},
      {49, kM + 264, 0},    {50, kLQ + 1280, 0},  {51, kM + 304, 0},    {52, kM + 344, 0},
      {53, kM + 504, kM + 544}, {54, kM + 1256, 0}, {55, kM + 784, kM + 544}, {56, kM + 1296, 0},
      {57, kLQ + 1320, 0},  {58, kM + 824, kM + 544}, {59, kLQ + 1360, 0}, {60, kM + 864, kM + 544},
      {61, kLQ + 1400, 0},  {62, kId + 105, 0},
  };
  return tabla;
}

class SIM004Test : public pruebassim::PaginaRentaTest {
 protected:
  void Cargar() {
    m_validador.PonerDatosRenta(m_datos.get());
    m_controles.PonerDatos(m_datos.get(), Cabecera(), &m_validador);
    m_controles.PonerFunciones(pruebassim::FuncionesAnotadas());
    ASSERT_EQ(m_controles.Cargar(kIdPaginaSIM004, 1.0, marco::DameBaseDatosLocal()), 1);
  }
  marco::CCampo& Casilla(int n) { return *m_controles.CampoDeNumero(n); }
  bool SoloLectura(int n) { return Casilla(n).SoloLectur != 0; }

  marco::CValidador m_validador;
  CControlesSIM004 m_controles;
};

TEST_F(SIM004Test, CargaLasCasillasYLasEnlazaDondeDiceElFormulario) {
  Cargar();
  ASSERT_EQ(m_controles.NumeroCampos(), kCasillasSIM004);
  auto* base = reinterpret_cast<unsigned char*>(m_datos.get());
  for (const SEsperado& e : Esperados()) {
    marco::CCampo& c = Casilla(e.casilla);
    EXPECT_EQ(c.Dato, base + e.valor) << "box " << e.casilla;
    EXPECT_EQ(c.Enlace, e.enlace == 0 ? nullptr : base + e.enlace) << "box " << e.casilla;
    // The housing boxes after the first show the entries' second to fourth fields.
    const int campo = e.casilla == 55 ? 2 : e.casilla == 58 ? 3 : e.casilla == 60 ? 4 : 0;
    EXPECT_EQ(c.CampoDetalle, campo) << "box " << e.casilla;
    if (c.Letra() != 'F') continue;
    const double v = 7.0 * e.casilla;
    std::memcpy(c.EntradaSujeto(marco::kSujetoHijo2), &v, sizeof v);
    EXPECT_EQ(LeerDoble(*m_datos, e.valor + 4 * sizeof(double)), v) << "box " << e.casilla;
  }
  EXPECT_EQ(Casilla(1).Dato, m_nif);
  EXPECT_EQ(Casilla(2).Dato, m_nombre);
  EXPECT_EQ(Casilla(63).Dato, m_ejemplar);
  for (int n = 1; n <= kCasillasSIM004; ++n) EXPECT_NE(Casilla(n).Dato, nullptr) << "box " << n;
}

TEST_F(SIM004Test, TablasDeLaSeccionJ) {
  // Each table's shown rows, by box: the field's offset in section J.
  struct SCampo {
    int casilla;
    std::size_t desp;
  };
  const std::vector<SCampo> campos = {
      {10, 0},        {11, 16},       {12, 24},       {13, 48},       {14, 64},       {15, 72},
      {18, 136},      {19, 168},      {20, 176},      {21, 184},      {22, 208},      {23, 240},
      {24, 248},      {25, 256},      {27, 280},      {28, 301},      {29, 281},      {30, 312},
      {31, 320},      {32, 341},      {33, 321},      {34, 352},
  };
  for (int fila = 0; fila < 2; ++fila) {
    *Octeto(*m_datos, kJ + 48 * fila) = 2;
    *Octeto(*m_datos, kJ + 136 + 72 * fila) = 3;
    *Octeto(*m_datos, kJ + 280 + 40 * fila) = 2;
  }
  Cargar();
  for (const SCampo& c : campos) {
    // Bound to the table's working row, which holds what the store holds.
    ASSERT_NE(Casilla(c.casilla).Dato, nullptr) << "box " << c.casilla;
    const std::size_t n = c.casilla == 28 || c.casilla == 32 ? 9 : (c.casilla == 29 || c.casilla == 33 ? 15 : 1);
    std::memset(Casilla(c.casilla).Dato, 0x41 + c.casilla % 20, n);
    m_controles.CalcularCasilla(c.casilla);
    EXPECT_EQ(*Octeto(*m_datos, kJ + c.desp), 0x41 + c.casilla % 20) << "box " << c.casilla;
  }
}

TEST_F(SIM004Test, ImportesDeUnaFilaSoloConTitularYFilaSinTitularSeBorra) {
  *Octeto(*m_datos, kJ + 136 + 72) = 2;  // second row of the second kind
  EscribirDoble(*m_datos, kJ + 136 + 72 + 32, 900);
  Cargar();
  for (int n : {19, 20, 21}) EXPECT_TRUE(SoloLectura(n)) << n;
  for (int n : {23, 24, 25}) EXPECT_FALSE(SoloLectura(n)) << n;
  EXPECT_FALSE(SoloLectura(18));
  // The first row gets a holder: its amounts open.
  *static_cast<unsigned char*>(Casilla(18).Dato) = 3;
  EXPECT_EQ(m_controles.AplicarReglas(18), 1);
  EXPECT_EQ(*Octeto(*m_datos, kJ + 136), 3);
  for (int n : {19, 20, 21}) EXPECT_FALSE(SoloLectura(n)) << n;
  // It loses its holder again: as it has no key, it goes and the second row moves up.
  *static_cast<unsigned char*>(Casilla(18).Dato) = 0;
  m_controles.AplicarReglas(18);
  EXPECT_EQ(*Octeto(*m_datos, kJ + 136), 2);
  EXPECT_EQ(LeerDoble(*m_datos, kJ + 136 + 32), 900);
  EXPECT_EQ(*Octeto(*m_datos, kJ + 136 + 72), 0);
}

TEST_F(SIM004Test, CalculosDeLaSeccionM) {
  Cargar();
  struct SCaso {
    int casilla;
    int resultado;
    std::vector<std::string> llamadas;
  };
  const std::vector<SCaso> casos = {
      {45, 1, {"M 1"}}, {48, 1, {"M 1"}}, {53, 1, {"M 3"}}, {55, 1, {"M 3"}}, {58, 1, {"M 3"}},
      {60, 1, {"M 3"}}, {46, 0, {}},      {61, 0, {}},      {16, 0, {}},      {5, 0, {}},
  };
  for (const SCaso& c : casos) {
    Llamadas().clear();
    EXPECT_EQ(m_controles.CalcularCasilla(c.casilla), c.resultado) << "box " << c.casilla;
    EXPECT_EQ(Llamadas(), c.llamadas) << "box " << c.casilla;
  }
}

TEST_F(SIM004Test, LaCasilla11RepartelasDeduccionesYGuardaSuFila) {
  // A deduction entry of the family unit in section M: check 206 gives each person its slot.
  std::memset(Octeto(*m_datos, kM + 544), 0, 240);
  *Octeto(*m_datos, kM + 544) = 1;
  EscribirDoble(*m_datos, kM + 544 + 40, 600);
  *Octeto(*m_datos, kJ) = 2;
  Cargar();
  std::vector<unsigned char> antes(Octeto(*m_datos, kM), Octeto(*m_datos, kM) + sizeof(RegApartadoM));
  *static_cast<double*>(Casilla(11).Dato) = 150000;
  Llamadas().clear();
  EXPECT_EQ(m_controles.CalcularCasilla(11), 1);
  EXPECT_EQ(LeerDoble(*m_datos, kJ + 16), 150000);
  EXPECT_TRUE(Llamadas().empty());
  EXPECT_NE(std::memcmp(antes.data(), Octeto(*m_datos, kM), antes.size()), 0);
}

TEST_F(SIM004Test, NifDelBeneficiarioSeComprueba) {
  *Octeto(*m_datos, kJ + 280) = 2;
  Cargar();
  marco::CGuionMensajes guion;
  std::memcpy(Casilla(28).Dato, "12345678Z", 9);
  EXPECT_EQ(m_controles.ComprobarValor(28), 1);
  std::memcpy(Casilla(28).Dato, "12345678A", 9);
  EXPECT_EQ(m_controles.ComprobarValor(28), 0);
  EXPECT_EQ(m_controles.ComprobarValor(30), 1);
}

TEST_F(SIM004Test, NifDelBeneficiarioYDeLaCabeceraTomanCifrasYLetras) {
  *Octeto(*m_datos, kJ + 280) = 2;
  Cargar();
  struct SCaso {
    int casilla;
    std::string tecleado;
  };
  const SCaso casos[] = {{1, "12345678Z"}, {28, "X1234567L"}, {32, "12345678Z"}};
  for (const SCaso& c : casos) {
    SCOPED_TRACE("box " + std::to_string(c.casilla));
    std::unique_ptr<marco::CEditEx> edit = marco::FabricaEdit().Crear(Casilla(c.casilla), nullptr);
    for (const char letra : c.tecleado) edit->AlCaracter(static_cast<unsigned char>(letra));
    EXPECT_EQ(edit->Texto(), c.tecleado);
    edit->AlPerderFoco();
    EXPECT_EQ(std::string(static_cast<const char*>(Casilla(c.casilla).Dato), c.tecleado.size()), c.tecleado);
  }
}

TEST_F(SIM004Test, ParaUnHijoLasFilasNoSeMuestranNiSeEditan) {
  m_presentes = {1, 1, 1, 1, 0};
  *Octeto(*m_datos, kJ) = 2;
  EscribirDoble(*m_datos, kJ + 16, 800);
  m_sujeto = marco::kSujetoHijo1;
  Cargar();
  EXPECT_EQ(*static_cast<unsigned char*>(Casilla(10).Dato), 0);
  for (int n = 10; n <= 34; ++n) {
    if (n == 16 || n == 17 || n == 26) continue;
    EXPECT_TRUE(SoloLectura(n)) << n;
  }
  m_controles.CalcularCasilla(10);
  EXPECT_EQ(*Octeto(*m_datos, kJ), 2);
  EXPECT_EQ(LeerDoble(*m_datos, kJ + 16), 800);
}

using ::pruebas::Esperar;

TEST_F(SIM004Test, PaginaEnVentanaConUnaAportacionTecleada) {
  REQUIERE_PANTALLA();
  marco::PonerDirBase(KORVELIX_DATOS_LOCAL);
  marco::PonerZoomTexto("1.0");
  marco::CGuionMensajes guion;
  CRentaDoc doc;
  doc.PonerTipoDec(1);
  doc.Datos().ApartadoJ.octetos[0] = marco::kSujetoDeclarante;
  ASSERT_EQ(wxClassInfo::FindClass("SIM004"), ClasePaginaSIM004());
  ASSERT_EQ(doc.MostrarPagina(ClasePaginaSIM004(), 0, 0), 1);
  auto* vista = dynamic_cast<SIM004*>(doc.BuscarVista(ClasePaginaSIM004()));
  ASSERT_NE(vista, nullptr);
  auto* marco = dynamic_cast<wxFrame*>(vista->GetFrame());
  ASSERT_NE(marco, nullptr);
  marco->SetClientSize(1100, 1500);
  marco->Move(0, 0);
  Esperar();
  EXPECT_EQ(vista->NumeroCampos(), kCasillasSIM004);

  // The participant's contribution of the first row of the first kind, typed and left with Tab.
  vista->IrACampo(11 - 1);
  Esperar();
  ASSERT_EQ(vista->DameCampoActivo(), 11 - 1);
  marco::CEditEx* edit = vista->DameEditActivo();
  ASSERT_NE(edit, nullptr);
  for (char c : std::string("40000")) edit->AlCaracter(static_cast<unsigned char>(c));
  edit->AlCaracter(marco::kTeclaTabulador);
  Esperar();
  double guardado = 0;
  std::memcpy(&guardado, doc.Datos().ApartadoJ.octetos + 16, sizeof guardado);
  EXPECT_EQ(guardado, 40000.0);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();

  const wxSize tam = vista->DameVentana()->GetClientSize();
  wxBitmap bitmap(tam.x, tam.y, 24);
  {
    wxMemoryDC memoria(bitmap);
    vista->OnDraw(&memoria);
  }
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  bitmap.ConvertToImage().SaveFile(wxString(::testing::TempDir()) + "pagina104.png", wxBITMAP_TYPE_PNG);
  delete vista;
  Esperar(5);
  marco::PonerDirBase("");
  marco::PonerZoomTexto("");
}

}  // namespace
