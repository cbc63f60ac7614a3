// Page 3 of the simplified form: its 58 boxes from the built tables, each bound to its place in the data area, the
// rows of section F1 and their read-only marks, the marked balances of earlier years, the section calculations of
// a committed box and the check of a row's gain and loss; then the page in a window under Xvfb.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "PruebasWx.h"
#include "SIM003Prueba.h"
#include "framework/Campo.h"
#include "framework/EditEx.h"
#include "framework/MensajeGuion.h"
#include "income/RentaDoc.h"
#include "income/SIM003.h"

using namespace renta;
using pruebassim::EscribirDoble;
using pruebassim::LeerDoble;
using pruebassim::Llamadas;
using pruebassim::Octeto;

namespace {

constexpr std::size_t kE1 = offsetof(DatosRenta, ApartadoE1);
constexpr std::size_t kF1 = offsetof(DatosRenta, ApartadoF1);
constexpr std::size_t kF4 = offsetof(DatosRenta, ApartadoF4);
constexpr std::size_t kG = offsetof(DatosRenta, ApartadoG);
constexpr std::size_t kH = offsetof(DatosRenta, ApartadoH);
constexpr std::size_t kBI = offsetof(DatosRenta, BaseImponible);
constexpr std::size_t kId = offsetof(DatosRenta, Identificacion);

struct SEsperado {
  int casilla;
  std::size_t valor;
  std::size_t enlace;  // 0: none
};

// Where the page's fixed boxes must be bound, as the form lays them out.
const std::vector<SEsperado>& Esperados() {
  static const std::vector<SEsperado> tabla = {
      {3, kBI + 880, kE1},        {26, kF1 + 504, 0},        {27, kF1 + 544, 0},  {28, kF1 + 584, 0},
      {29, kF1 + 624, 0},         {30, kF1 + 664, kF1 + 704}, {31, kF1 + 752, kF1 + 792},
      {32, kF1 + 856, kF1 + 792}, {33, kF1 + 896, kF1 + 792}, {34, kF1 + 936, 0},  {35, kF4 + 0, 0},
      {36, kF4 + 40, 0},          {37, kBI + 1232, 0},       {38, kF4 + 80, 0},   {39, kF4 + 120, 0},
      {40, kF4 + 160, 0},         {41, kBI + 1544, 0},       {42, kF4 + 200, 0},  {47, kBI + 1080, 0},
      {48, kBI + 1120, 0},        {49, kBI + 1232, 0},       {50, kG + 72, 0},    {51, kG + 144, 0},
      {52, kH + 0, 0},            {53, kH + 40, 0},          {54, kH + 80, 0},    {55, kH + 120, 0},
      {58, kId + 105, 0},         {4, kG + 32, 0},           {56, kBI + 1272, 0},
  };
  return tabla;
}

class SIM003Test : public pruebassim::PaginaRentaTest {
 protected:
  // The page's boxes from the built tables, bound to the test's data area.
  void Cargar() {
    m_controles.PonerDatos(m_datos.get(), Cabecera());
    m_controles.PonerFunciones(pruebassim::FuncionesAnotadas());
    ASSERT_EQ(m_controles.Cargar(kIdPaginaSIM003, 1.0, marco::DameBaseDatosLocal()), 1);
  }
  marco::CCampo& Casilla(int n) { return *m_controles.CampoDeNumero(n); }
  bool SoloLectura(int n) { return Casilla(n).SoloLectur != 0; }
  // Box of shown row r of F1 at position k of the row's seven boxes.
  static int CasillaF1(int r, int k) { return kPrimeraCasillaF1 + 7 * r + k; }

  CControlesSIM003 m_controles;
};

TEST_F(SIM003Test, CargaLasCasillasYLasEnlazaDondeDiceElFormulario) {
  Cargar();
  ASSERT_EQ(m_controles.NumeroCampos(), kCasillasSIM003);
  auto* base = reinterpret_cast<unsigned char*>(m_datos.get());
  for (const SEsperado& e : Esperados()) {
    marco::CCampo& c = Casilla(e.casilla);
    EXPECT_EQ(c.Dato, base + e.valor) << "box " << e.casilla;
    EXPECT_EQ(c.Enlace, e.enlace == 0 ? nullptr : base + e.enlace) << "box " << e.casilla;
    // The prizes in kind: box 31 shows the entries' valuation (their first field), 32 and 33 their second and
    // third fields.
    EXPECT_EQ(c.CampoDetalle, e.casilla == 32 ? 2 : e.casilla == 33 ? 3 : 0) << "box " << e.casilla;
  }
  // A value set through an amount box is the person's element at the place (the spouse's: third double).
  for (const SEsperado& e : Esperados()) {
    marco::CCampo& c = Casilla(e.casilla);
    if (c.Letra() != 'F') continue;
    unsigned char* entrada = c.EntradaSujeto(marco::kSujetoConyuge);
    ASSERT_NE(entrada, nullptr) << "box " << e.casilla;
    const double v = 1000.0 + e.casilla;
    std::memcpy(entrada, &v, sizeof v);
    EXPECT_EQ(LeerDoble(*m_datos, e.valor + 2 * sizeof(double)), v) << "box " << e.casilla;
  }
  // The header texts and the identification of each person.
  EXPECT_EQ(Casilla(1).Dato, m_nif);
  EXPECT_EQ(Casilla(2).Dato, m_nombre);
  EXPECT_EQ(Casilla(57).Dato, m_ejemplar);
  std::memcpy(Octeto(*m_datos, kId + 105 + 60), "DECLARANTE", 10);
  m_sujeto = marco::kSujetoDeclarante;
  Casilla(58).ActualizarTexto(marco::SEntornoCampo{marco::kSujetoDeclarante, 'e'});
  EXPECT_EQ(Casilla(58).Texto.rfind("DECLARANTE", 0), 0u) << Casilla(58).Texto;
  // Every box is bound and the totals are read-only.
  for (int n = 1; n <= kCasillasSIM003; ++n) EXPECT_NE(Casilla(n).Dato, nullptr) << "box " << n;
  for (int n : {26, 34, 37, 41, 49, 50, 55, 56}) EXPECT_TRUE(SoloLectura(n)) << "box " << n;
}

TEST_F(SIM003Test, LasFilasDeF1SeEnlazanPorColumnaYSeGuardanAlConfirmar) {
  Cargar();
  const std::size_t columna[7] = {0, 1, 16, 24, 32, 40, 48};
  const int orden[7] = {0, 1, 3, 4, 5, 6, 2};  // the columns of a row's boxes, in box order
  for (int r = 0; r < 3; ++r) {
    for (int k = 0; k < 7; ++k) {
      marco::CCampo& c = Casilla(CasillaF1(r, k));
      ASSERT_NE(c.Dato, nullptr);
      // Bound to the working row of the table, which mirrors stored row r.
      EXPECT_EQ(static_cast<unsigned char*>(c.Dato), m_controles.FilasF1()->FilaMostrada(r) + columna[orden[k]]);
    }
  }
  // A holder and a gain typed on the second row reach the store when committed, with the F totals after them.
  *static_cast<unsigned char*>(Casilla(CasillaF1(1, 0)).Dato) = marco::kSujetoDeclarante;
  EXPECT_EQ(m_controles.AplicarReglas(CasillaF1(1, 0)), 1);
  EXPECT_EQ(*Octeto(*m_datos, kF1 + 56), marco::kSujetoDeclarante);
  const double ganancia = 250000;
  std::memcpy(Casilla(CasillaF1(1, 2)).Dato, &ganancia, sizeof ganancia);
  Llamadas().clear();
  EXPECT_EQ(m_controles.ComprobarValor(CasillaF1(1, 2)), 1);
  EXPECT_EQ(m_controles.CalcularCasilla(CasillaF1(1, 2)), 1);
  EXPECT_EQ(LeerDoble(*m_datos, kF1 + 56 + 24), ganancia);
  EXPECT_EQ(Llamadas(), (std::vector<std::string>{"F1 -1", "F4 -1"}));
}

TEST_F(SIM003Test, MarcasDeSoloLecturaDeLasFilas) {
  // Row 0 with a holder, row 1 without holder but with its concept written, row 2 empty; row 3 (not shown) has a
  // holder.
  *Octeto(*m_datos, kF1) = 2;
  std::memcpy(Octeto(*m_datos, kF1 + 56 + 1), "PREMIO ", 7);
  *Octeto(*m_datos, kF1 + 3 * 56) = 3;
  Cargar();
  for (int k = 0; k < 7; ++k) EXPECT_FALSE(SoloLectura(CasillaF1(0, k))) << k;  // a row with holder
  EXPECT_FALSE(SoloLectura(CasillaF1(1, 0)));  // opened by the holder above
  EXPECT_FALSE(SoloLectura(CasillaF1(1, 1)));
  for (int k = 2; k < 7; ++k) EXPECT_TRUE(SoloLectura(CasillaF1(1, k))) << k;  // no holder: no amounts
  EXPECT_FALSE(SoloLectura(CasillaF1(2, 0)));  // opened by the concept of the row above
  for (int k = 2; k < 7; ++k) EXPECT_TRUE(SoloLectura(CasillaF1(2, k))) << k;

  // Without the concept, the row below stays closed; the third row changes nothing below it.
  std::memset(Octeto(*m_datos, kF1 + 56 + 1), ' ', 7);
  m_controles.Enlazar(1);
  EXPECT_TRUE(SoloLectura(CasillaF1(2, 0)));
  EXPECT_TRUE(SoloLectura(CasillaF1(2, 1)));
  EXPECT_TRUE(SoloLectura(43) == false);
  EXPECT_TRUE(SoloLectura(44));
}

TEST_F(SIM003Test, UnaFilaSinTitularNiConceptoSeBorraYLasDemasSuben) {
  *Octeto(*m_datos, kF1) = 2;
  EscribirDoble(*m_datos, kF1 + 24, 100);
  *Octeto(*m_datos, kF1 + 56) = 3;
  EscribirDoble(*m_datos, kF1 + 56 + 24, 200);
  Cargar();
  *static_cast<unsigned char*>(Casilla(CasillaF1(0, 0)).Dato) = 0;
  m_controles.AplicarReglas(CasillaF1(0, 0));
  EXPECT_EQ(*Octeto(*m_datos, kF1), 3);
  EXPECT_EQ(LeerDoble(*m_datos, kF1 + 24), 200);
  EXPECT_EQ(*Octeto(*m_datos, kF1 + 56), 0);
  EXPECT_EQ(LeerDoble(*m_datos, kF1 + 56 + 24), 0);
}

TEST_F(SIM003Test, LaMarcaDeSaldosAbreOCierraSusImportesYAlQuitarlaLosBorra) {
  unsigned char* saldos = Octeto(*m_datos, kF4 + 240);
  saldos[0] = marco::kSujetoDeclarante;
  for (int k = 1; k <= 5; ++k) EscribirDoble(*m_datos, kF4 + 240 + 8 * k, 10.0 * k);
  Cargar();
  // The mark's link is the same row's last amount, in the table's working row.
  EXPECT_EQ(Casilla(43).Enlace, m_controles.SaldosF4()->FilaMostrada(0) + 40);
  for (int n = 44; n <= 46; ++n) EXPECT_FALSE(SoloLectura(n)) << n;
  EXPECT_EQ(*static_cast<double*>(Casilla(44).Dato), 20.0);

  // The mark erased through box 43: the five amounts go, the boxes close, the totals are run again.
  *static_cast<unsigned char*>(Casilla(43).Dato) = 0;
  EXPECT_EQ(m_controles.CalcularCasilla(43), 1);
  EXPECT_EQ(saldos[0], 0);
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(LeerDoble(*m_datos, kF4 + 240 + 8 * k), 0.0) << k;
  for (int n = 44; n <= 46; ++n) EXPECT_TRUE(SoloLectura(n)) << n;
  EXPECT_EQ(*static_cast<double*>(Casilla(45).Dato), 0.0);
  EXPECT_EQ(Llamadas(), (std::vector<std::string>{"F1 -1", "F4 -1"}));

  // Marked again: the boxes open.
  *static_cast<unsigned char*>(Casilla(43).Dato) = marco::kSujetoConyuge;
  m_controles.AplicarReglas(43);
  EXPECT_EQ(saldos[0], marco::kSujetoConyuge);
  for (int n = 44; n <= 46; ++n) EXPECT_FALSE(SoloLectura(n)) << n;
}

TEST_F(SIM003Test, CalculosDeSeccionDeCadaCasilla) {
  Cargar();
  struct SCaso {
    int casilla;
    int resultado;
    std::vector<std::string> llamadas;
  };
  const std::vector<SCaso> casos = {
      {3, 1, {"E1 1", "E1 -1", "F1 -1", "F4 -1"}},
      {30, 1, {"F1 1", "F1 -1", "F4 -1"}},
      {31, 1, {"F1 2", "F1 -1", "F4 -1"}},
      {33, 1, {"F1 2", "F1 -1", "F4 -1"}},
      {34, 0, {}},
      {50, 0, {}},
      {2, 0, {}},
  };
  for (const SCaso& c : casos) {
    Llamadas().clear();
    EXPECT_EQ(m_controles.CalcularCasilla(c.casilla), c.resultado) << "box " << c.casilla;
    EXPECT_EQ(Llamadas(), c.llamadas) << "box " << c.casilla;
  }
  // The rules of a box that is not a row or the mark end with the F1 totals only.
  Llamadas().clear();
  EXPECT_EQ(m_controles.AplicarReglas(47), 0);
  EXPECT_EQ(Llamadas(), (std::vector<std::string>{"F1 -1"}));
}

TEST_F(SIM003Test, GananciaYPerdidaDeLaMismaParteEnUnaFilaSeRechazan) {
  *Octeto(*m_datos, kF1) = 2;
  EscribirDoble(*m_datos, kF1 + 24, 500);  // gain of the general part
  Cargar();
  marco::CGuionMensajes guion;
  // A loss of the special part beside it is fine.
  *static_cast<double*>(Casilla(CasillaF1(0, 5)).Dato) = 70;
  EXPECT_EQ(m_controles.ComprobarValor(CasillaF1(0, 5)), 1);
  // A loss of the general part is refused and cleared.
  *static_cast<double*>(Casilla(CasillaF1(0, 3)).Dato) = 80;
  EXPECT_EQ(m_controles.ComprobarValor(CasillaF1(0, 3)), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"CIFE001"}));
  EXPECT_EQ(*static_cast<double*>(Casilla(CasillaF1(0, 3)).Dato), 0.0);
  EXPECT_TRUE(guion.Mensajes().front().encontrado);
}

TEST_F(SIM003Test, ConLaCopiaDeUnaPersonaLasFilasNoSeEditanNiSeGuardan) {
  m_presentes = {1, 1, 1, 0, 0};
  *Octeto(*m_datos, kF1) = 1;  // a row of the family unit: half for the spouse
  EscribirDoble(*m_datos, kF1 + 24, 300);
  *Octeto(*m_datos, kF1 + 56) = 2;  // the declarant's: not the spouse's
  m_sujeto = marco::kSujetoConyuge;
  Cargar();
  EXPECT_EQ(*static_cast<double*>(Casilla(CasillaF1(0, 2)).Dato), 150.0);
  EXPECT_EQ(*static_cast<unsigned char*>(Casilla(CasillaF1(1, 0)).Dato), 0);
  for (int r = 0; r < 3; ++r) {
    for (int k = 0; k < 7; ++k) EXPECT_TRUE(SoloLectura(CasillaF1(r, k))) << r << " " << k;
  }
  EXPECT_TRUE(SoloLectura(43));
  m_controles.CalcularCasilla(CasillaF1(0, 2));
  EXPECT_EQ(LeerDoble(*m_datos, kF1 + 24), 300.0);  // nothing written back

  // Back on the family unit, the rows are shown as stored and editable again.
  m_sujeto = marco::kSujetoUnidadFamiliar;
  m_controles.Refrescar();
  EXPECT_EQ(*static_cast<double*>(Casilla(CasillaF1(0, 2)).Dato), 300.0);
  EXPECT_FALSE(SoloLectura(CasillaF1(0, 2)));
}

TEST_F(SIM003Test, VentanaDeFilasAvanzaSoloConLasFilasLlenas) {
  for (int r = 0; r < 4; ++r) *Octeto(*m_datos, kF1 + 56 * r) = 2;
  EscribirDoble(*m_datos, kF1 + 56 * 3 + 24, 44);
  Cargar();
  marco::CGuionMensajes guion;
  EXPECT_EQ(m_controles.NavegarGrupo(kGrupoFilasF1, 1, -2, 0), 0);
  EXPECT_EQ(m_controles.MoverFilasF1(0), 1);
  EXPECT_EQ(*static_cast<double*>(Casilla(CasillaF1(2, 2)).Dato), 44.0);  // row 3 now shown last
  EXPECT_EQ(m_controles.MoverFilasF1(0), 1);
  EXPECT_EQ(*static_cast<double*>(Casilla(CasillaF1(1, 2)).Dato), 44.0);
  // Row 4, shown last, is empty: "next" is refused and says why.
  EXPECT_EQ(m_controles.MoverFilasF1(0), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"WIN045"}));
  EXPECT_EQ(m_controles.FilasF1()->DamePrimera(), 2);
  EXPECT_EQ(m_controles.MoverFilasF1(1), 1);
  EXPECT_EQ(m_controles.FilasF1()->DamePrimera(), 1);
}

TEST_F(SIM003Test, UnaTablaDeCasillasDanadaNoEnlazaFueraDeSuSitio) {
  Cargar();
  // A row box whose picture asks more than its field holds, and an amount asking more persons than there are.
  Casilla(CasillaF1(0, 1)).StrValidac = "A20";
  Casilla(CasillaF1(0, 1)).LeerMascara('0');
  Casilla(26).StrValidac = "F12*9";
  Casilla(26).LeerMascara('0');
  m_controles.Refrescar();
  EXPECT_EQ(Casilla(CasillaF1(0, 1)).Dato, nullptr);
  EXPECT_EQ(Casilla(26).Dato, nullptr);
  EXPECT_NE(Casilla(27).Dato, nullptr);
}

// ---- the page in a window ----

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

void Guardar(const wxImage& img, const std::string& nombre) {
  if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
  img.SaveFile(wxString(::testing::TempDir()) + nombre, wxBITMAP_TYPE_PNG);
}

TEST_F(SIM003Test, PaginaEnVentanaConUnaGananciaTecleada) {
  REQUIERE_PANTALLA();
  marco::PonerDirBase(KORVELIX_DATOS_LOCAL);
  marco::PonerZoomTexto("1.0");
  marco::CGuionMensajes guion;
  CRentaDoc doc;
  doc.PonerTipoDec(1);
  doc.Datos().ApartadoF1.octetos[0] = marco::kSujetoDeclarante;
  ASSERT_EQ(ClasePaginaSIM003()->GetClassName(), wxString("SIM003"));
  ASSERT_EQ(wxClassInfo::FindClass("SIM003"), ClasePaginaSIM003());
  ASSERT_EQ(doc.MostrarPagina(ClasePaginaSIM003(), 0, 0), 1);
  auto* vista = dynamic_cast<SIM003*>(doc.BuscarVista(ClasePaginaSIM003()));
  ASSERT_NE(vista, nullptr);
  wxFrame* marco = dynamic_cast<wxFrame*>(vista->GetFrame());
  ASSERT_NE(marco, nullptr);
  marco->SetClientSize(1100, 900);
  marco->Move(0, 0);
  Esperar();
  EXPECT_EQ(vista->NumeroCampos(), kCasillasSIM003);
  EXPECT_EQ(vista->DameCampo(0)->Dato, doc.NifDeclarante());
  EXPECT_EQ(vista->Controles()->Datos(), &doc.Datos());

  // The gain of the general part of F1's first row, typed and left with Tab: stored, recalculated, shown.
  vista->IrACampo(CasillaF1(0, 2) - 1);
  Esperar();
  ASSERT_EQ(vista->DameCampoActivo(), CasillaF1(0, 2) - 1);
  marco::CEditEx* edit = vista->DameEditActivo();
  ASSERT_NE(edit, nullptr);
  for (char c : std::string("125000")) edit->AlCaracter(static_cast<unsigned char>(c));
  edit->AlCaracter(marco::kTeclaTabulador);
  Esperar();
  double guardado = 0;
  std::memcpy(&guardado, doc.Datos().ApartadoF1.octetos + 24, sizeof guardado);
  EXPECT_EQ(guardado, 125000.0);
  // The library spread the row on the declarant: the general part's gains of the family unit and the declarant.
  double total[5] = {};
  std::memcpy(total, doc.Datos().ApartadoF1.octetos + 504, sizeof total);
  EXPECT_EQ(total[0], 125000.0);
  EXPECT_EQ(total[1], 125000.0);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(vista->DameCampo(CasillaF1(0, 2) - 1)->Texto, "125.000");
  EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();

  Guardar(Dibujo(*vista), "pagina103.png");
  delete vista;
  Esperar(5);
  marco::PonerDirBase("");
  marco::PonerZoomTexto("");
}

}  // namespace
