// Page 2 of the income-tax forms without a window: where each of its 45 boxes is bound in the declaration, a
// damaged box table that cannot make a box reach past its place, the section calculations a committed box runs and
// their order (with the family data in section A's eleventh place), the real library's results, and the page view's
// operations on a declaration.
#include <gtest/gtest.h>
#include <wx/docview.h>

#include <cstddef>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/Campo.h"
#include "framework/Pista.h"
#include "income/RentaDoc.h"
#include "income/SIM002.h"
#include "recalculo/Recalculo.h"

using namespace renta;

namespace pruebassim002 {

// A view that records the hints it receives.
class CVistaPistas : public wxView {
 public:
  void OnDraw(wxDC*) override {}
  void OnUpdate(wxView*, wxObject* pista) override { pistas.push_back(marco::CodigoPista(pista)); }
  std::vector<int> pistas;
};

}  // namespace pruebassim002

namespace {

using pruebassim002::CVistaPistas;

// Offsets of the blocks in DatosRenta.
constexpr std::size_t kIdentificacion = 552;
constexpr std::size_t kTrabajo = 4128;
constexpr std::size_t kInmobiliario = 5112;
constexpr std::size_t kMobiliario = 5824;
constexpr std::size_t kBase = 51176;

// The pictures of the page's boxes as its source gives them.
std::string Mascara(int numero) {
  switch (numero) {
    case 1: return "A9";
    case 2: return "A40";
    case 44: return "A20";
    case 45: return "A40";
    default: return "F12*5";
  }
}

// Boxes numbered 1..n with those pictures (or the ones given).
void Rellenar(marco::CControlesPagina& controles, int n, const std::vector<std::pair<int, std::string>>& otras = {}) {
  for (int numero = 1; numero <= n; ++numero) {
    auto campo = std::make_unique<marco::CCampo>();
    campo->IndNumero = numero;
    campo->StrValidac = Mascara(numero);
    for (const auto& [cual, mascara] : otras) {
      if (cual == numero) campo->StrValidac = mascara;
    }
    campo->LeerMascara('1');
    controles.Anadir(std::move(campo));
  }
}

const unsigned char* Area(const CRentaDoc& doc) { return reinterpret_cast<const unsigned char*>(&doc.Datos()); }

double DobleEn(const CRentaDoc& doc, std::size_t desplazamiento) {
  double v;
  std::memcpy(&v, Area(doc) + desplazamiento, sizeof v);
  return v;
}

void PonerDoble(CRentaDoc& doc, std::size_t desplazamiento, double v) {
  std::memcpy(reinterpret_cast<unsigned char*>(&doc.Datos()) + desplazamiento, &v, sizeof v);
}

TEST(SIM002, CadaCasillaSeEnlazaDondeDebe) {
  // Box number, its amount's offset in DatosRenta (0 for a text box) and its detail block's (0 for none).
  struct SEsperado {
    int numero;
    std::size_t importe;
    std::size_t detalle;
  };
  const std::size_t trabajo = kTrabajo + 40;
  const std::size_t inmobiliario = kInmobiliario + 40;
  const SEsperado esperados[] = {
      {3, kBase + 0, trabajo},           {4, kTrabajo + 664, trabajo},      {5, kTrabajo + 704, trabajo},
      {6, kTrabajo + 744, trabajo},      {7, kBase + 40, trabajo},          {8, kBase + 80, trabajo},
      {9, kBase + 120, trabajo},         {10, kTrabajo + 784, trabajo},     {11, kTrabajo + 824, trabajo},
      {12, kTrabajo + 864, trabajo},     {13, kTrabajo + 904, trabajo},     {14, kBase + 160, trabajo},
      {15, kTrabajo + 944, trabajo},     {16, kBase + 200, trabajo},        {17, kBase + 240, trabajo},
      {18, kInmobiliario + 0, inmobiliario},   {19, kInmobiliario + 472, inmobiliario}, {20, kBase + 280, 0},
      {21, kInmobiliario + 512, inmobiliario}, {22, kInmobiliario + 552, inmobiliario},
      {23, kInmobiliario + 592, inmobiliario}, {24, kInmobiliario + 632, inmobiliario}, {25, kBase + 320, 0},
      {26, kInmobiliario + 672, 0},      {27, kBase + 360, 0},              {28, kBase + 400, 0},
      {29, kMobiliario + 0, kMobiliario + 40},      {30, kMobiliario + 328, kMobiliario + 368},
      {31, kMobiliario + 512, kMobiliario + 552},   {32, kMobiliario + 744, kMobiliario + 784},
      {33, kMobiliario + 928, kMobiliario + 968},   {34, kBase + 440, 0},
      {35, kMobiliario + 1160, 0},       {36, kMobiliario + 1200, 0},       {37, kBase + 480, 0},
      {38, kMobiliario + 1240, 0},       {39, kBase + 520, kMobiliario + 1280},
      {40, kBase + 560, kMobiliario + 1376},        {41, kBase + 600, 0},
      {42, kMobiliario + 1512, kMobiliario + 1592}, {43, kMobiliario + 1552, kMobiliario + 1592},
  };

  CRentaDoc doc;
  CControlesSIM002 controles;
  Rellenar(controles, kCasillasTrabajoCapital);
  controles.PonerDocumento(&doc);
  controles.Enlazar(0);
  const unsigned char* area = Area(doc);

  double valor = 1000.0;
  for (const SEsperado& e : esperados) {
    marco::CCampo* campo = controles.CampoDeNumero(e.numero);
    ASSERT_NE(campo->Dato, nullptr) << e.numero;
    // Each person's element of the amount: the total first, then declarant, spouse, first and second child.
    for (int sujeto = 1; sujeto <= 5; ++sujeto) {
      valor += 1.0;
      std::memcpy(campo->EntradaSujeto(sujeto), &valor, sizeof valor);
      EXPECT_EQ(DobleEn(doc, e.importe + 8 * static_cast<std::size_t>(sujeto - 1)), valor) << e.numero;
    }
    if (e.detalle == 0) {
      EXPECT_EQ(campo->Enlace, nullptr) << e.numero;
    } else {
      EXPECT_EQ(campo->Enlace, area + e.detalle) << e.numero;
    }
  }
  // The real-estate boxes after the first show one field of the detail's entries each (the first is the entries'
  // first field, as every other box).
  for (int numero = 1; numero <= kCasillasTrabajoCapital; ++numero) {
    const std::map<int, int> campos{{19, 2}, {21, 3}, {22, 4}, {23, 5}, {24, 6}};
    const auto campo = campos.find(numero);
    EXPECT_EQ(controles.CampoDeNumero(numero)->CampoDetalle, campo != campos.end() ? campo->second : 0) << numero;
  }

  // The texts: the page header of the person shown, the declaration's reference, the copy label.
  auto* nif = static_cast<char*>(controles.CampoDeNumero(1)->Dato);
  auto* nombre = static_cast<char*>(controles.CampoDeNumero(2)->Dato);
  auto* referencia = static_cast<unsigned char*>(controles.CampoDeNumero(44)->Dato);
  auto* ejemplar = static_cast<char*>(controles.CampoDeNumero(45)->Dato);
  EXPECT_EQ(nif, doc.NifDeclarante());
  EXPECT_EQ(nombre, doc.TextoCabecera1());
  EXPECT_EQ(referencia, area + kIdentificacion + 105);
  EXPECT_EQ(ejemplar, doc.TextoEjemplar());
  for (int numero : {1, 2, 44, 45}) EXPECT_EQ(controles.CampoDeNumero(numero)->Enlace, nullptr) << numero;

  // Every place lies inside its area.
  for (const SEnlaceCasilla& e : EnlacesTrabajoCapital()) {
    for (const SLugarCasilla& l : {e.valor, e.detalle}) {
      unsigned char* p = DireccionLugar(l, doc);
      if (l.zona == EZonaCasilla::Ninguna) {
        EXPECT_EQ(p, nullptr);
      } else if (l.zona != EZonaCasilla::NifCabecera && l.zona != EZonaCasilla::NombreCabecera &&
                 l.zona != EZonaCasilla::Ejemplar) {
        EXPECT_GE(p, area);
        EXPECT_LE(p + l.tamano, area + sizeof(DatosRenta));
      }
    }
  }
}

TEST(SIM002, UnaTablaDeCasillasDaniadaNoAlcanzaMasAllaDeSuLugar) {
  CRentaDoc doc;
  CControlesSIM002 controles;
  // Box 2 wider than the name field, box 3 a text of more than five amounts, box 44 wider than the reference,
  // box 20 a text that fits, and a 46th box the page does not have.
  Rellenar(controles, 46, {{2, "A50"}, {3, "A41"}, {20, "A12"}, {44, "A21"}, {46, "F12*5"}});
  controles.PonerDocumento(&doc);
  controles.Enlazar(0);
  EXPECT_EQ(controles.CampoDeNumero(2)->Dato, nullptr);
  EXPECT_EQ(controles.CampoDeNumero(3)->Dato, nullptr);
  EXPECT_NE(controles.CampoDeNumero(3)->Enlace, nullptr);  // its detail block is still where it is
  EXPECT_NE(controles.CampoDeNumero(20)->Dato, nullptr);
  EXPECT_EQ(controles.CampoDeNumero(44)->Dato, nullptr);
  EXPECT_EQ(controles.CampoDeNumero(46)->Dato, nullptr);
  EXPECT_NE(controles.CampoDeNumero(4)->Dato, nullptr);
  for (int numero = 1; numero <= 46; ++numero) controles.CampoDeNumero(numero)->ActualizarTexto();

  // Without an income-tax document nothing is bound, and what was bound is let go.
  controles.PonerDocumento(nullptr);
  controles.Enlazar(1);
  for (int numero = 1; numero <= 46; ++numero) {
    EXPECT_EQ(controles.CampoDeNumero(numero)->Dato, nullptr) << numero;
    EXPECT_EQ(controles.CampoDeNumero(numero)->Enlace, nullptr) << numero;
  }
}

TEST(SIM002, PasosDeCadaCasillaConfirmada) {
  using P = EPasoCalculo;
  const std::vector<SPasoCalculo> a{{P::SeccionA, -1}, {P::Reparto203}, {P::Reparto204}};
  const std::vector<SPasoCalculo> b{{P::Reparto205}, {P::SeccionB, -1}};
  const std::vector<SPasoCalculo> especial{{P::SeccionC, 8}, {P::TotalesF, -1}, {P::SeccionA, -1}};
  auto pasos = [](int n) {
    const auto s = PasosTrabajoCapital(n);
    return std::vector<SPasoCalculo>(s.begin(), s.end());
  };
  for (int n = 3; n <= 13; ++n) EXPECT_EQ(pasos(n), a) << n;
  for (int n : {18, 19, 21, 22, 23, 24}) EXPECT_EQ(pasos(n), b) << n;
  const int casillasC[] = {29, 30, 31, 32, 33, 39, 40};
  for (int parte = 1; parte <= 7; ++parte) {
    EXPECT_EQ(pasos(casillasC[parte - 1]), (std::vector<SPasoCalculo>{{P::SeccionC, parte}})) << parte;
  }
  EXPECT_EQ(pasos(42), especial);
  EXPECT_EQ(pasos(43), especial);
  for (int n : {-1, 0, 1, 2, 14, 15, 16, 17, 20, 25, 26, 27, 28, 34, 35, 36, 37, 38, 41, 44, 45, 46, 1000}) {
    EXPECT_TRUE(pasos(n).empty()) << n;
  }
}

// ---- the calls, recorded ----

struct SLlamada {
  std::string seccion;
  int instancia;
  friend bool operator==(const SLlamada&, const SLlamada&) = default;
};
std::vector<SLlamada> gLlamadas;
DatosRenta* gDatos = nullptr;
bool gRepartoJAntesDeA = false;      // the holder entries of RegApartadoJ were filled before section A ran
bool gReparto205AntesDeB = false;    // the per-holder real-estate entries were there when section B ran
bool gArgumentosCorrectos = true;

bool EntradasJVacias() {
  for (std::size_t i = 0; i < 96; ++i) {
    if (gDatos->ApartadoJ.octetos[i] != 0) return false;
  }
  return true;
}

int RegistraA(RegRendTrabajo* t, RegBaseImponible* bi, RegRendCapInmobiliario* ci, RegRendCapMobiliario* cm,
              RegApartadoD1* d1, RegApartadoD2* d2, RegApartadoD4* d4, RegApartadoD5* d5, RegApartadoF4* f4,
              RegResultados* r, RegDatosFamilia* familia, int instancia) {
  DatosRenta& d = *gDatos;
  gArgumentosCorrectos = gArgumentosCorrectos && t == &d.RendTrabajo && bi == &d.BaseImponible &&
                         ci == &d.RendCapInmobiliario && cm == &d.RendCapMobiliario && d1 == &d.ApartadoD1 &&
                         d2 == &d.ApartadoD2 && d4 == &d.ApartadoD4 && d5 == &d.ApartadoD5 && f4 == &d.ApartadoF4 &&
                         r == &d.Resultados && familia == &d.DatosFamilia;
  if (!EntradasJVacias()) gRepartoJAntesDeA = true;
  gLlamadas.push_back({"A", instancia});
  return 0;
}

int RegistraB1(RegRendCapInmobiliario* ci, RegResultados* r, RegBaseImponible* bi, int instancia) {
  DatosRenta& d = *gDatos;
  gArgumentosCorrectos = gArgumentosCorrectos && ci == &d.RendCapInmobiliario && r == &d.Resultados &&
                         bi == &d.BaseImponible;
  if (d.Resultados.octetos[5848] == 2) gReparto205AntesDeB = true;
  gLlamadas.push_back({"B1", instancia});
  return 0;
}

int RegistraC(RegRendCapMobiliario* cm, RegResultados* r, RegBaseImponible* bi, int instancia) {
  DatosRenta& d = *gDatos;
  gArgumentosCorrectos = gArgumentosCorrectos && cm == &d.RendCapMobiliario && r == &d.Resultados &&
                         bi == &d.BaseImponible;
  gLlamadas.push_back({"C", instancia});
  return 0;
}

int RegistraF4(RegApartadoF4* f4, RegApartadoF1* f1, RegApartadoF2* f2, RegApartadoL* l, RegBaseImponible* bi,
               RegRendCapMobiliario* cm, RegApartadoF3* f3, int instancia) {
  DatosRenta& d = *gDatos;
  gArgumentosCorrectos = gArgumentosCorrectos && f4 == &d.ApartadoF4 && f1 == &d.ApartadoF1 && f2 == &d.ApartadoF2 &&
                         l == &d.ApartadoL && bi == &d.BaseImponible && cm == &d.RendCapMobiliario &&
                         f3 == &d.ApartadoF3;
  gLlamadas.push_back({"F4", instancia});
  return 0;
}

const recalculo::FuncionesRenta& FuncionesRegistradas() {
  static const recalculo::FuncionesRenta f = [] {
    recalculo::FuncionesRenta r = recalculo::FuncionesRentaBiblioteca();
    r.A = &RegistraA;
    r.B1 = &RegistraB1;
    r.C = &RegistraC;
    r.F4 = &RegistraF4;
    return r;
  }();
  return f;
}

class SIM002Llamadas : public ::testing::Test {
 protected:
  void SetUp() override {
    gLlamadas.clear();
    gDatos = &doc.Datos();
    gRepartoJAntesDeA = false;
    gReparto205AntesDeB = false;
    gArgumentosCorrectos = true;
    // A declarant's work-income row and real-estate row, so that the sums have something to write.
    DatosRenta& d = doc.Datos();
    d.RendTrabajo.octetos[40] = 2;
    PonerDoble(doc, kTrabajo + 40 + 48, 30000.0);
    PonerDoble(doc, kTrabajo + 40 + 56, 40000.0);
    d.RendCapInmobiliario.octetos[40] = 2;
    PonerDoble(doc, kInmobiliario + 40 + 64, 70000.0);
  }
  void TearDown() override { gDatos = nullptr; }
  CRentaDoc doc;
};

TEST_F(SIM002Llamadas, SeccionAConLosDatosFamiliaresYDespuesLosRepartos) {
  EXPECT_EQ(CalcularSeccionesTrabajoCapital(3, doc.Datos(), doc.Validador(), FuncionesRegistradas()), 1);
  EXPECT_EQ(gLlamadas, (std::vector<SLlamada>{{"A", -1}}));
  EXPECT_TRUE(gArgumentosCorrectos);
  EXPECT_FALSE(gRepartoJAntesDeA);
  // 203 then 204 ran after it: the declarant's pension-plan entries carry the detail rows' sums.
  EXPECT_EQ(doc.Datos().ApartadoJ.octetos[0], 2);
  EXPECT_EQ(DobleEn(doc, 38192 + 24), 30000.0);
  EXPECT_EQ(doc.Datos().ApartadoJ.octetos[136], 2);
  EXPECT_EQ(DobleEn(doc, 38192 + 136 + 32), 40000.0);
}

TEST_F(SIM002Llamadas, ElReparto205AntesDeLaSeccionB) {
  EXPECT_EQ(CalcularSeccionesTrabajoCapital(21, doc.Datos(), doc.Validador(), FuncionesRegistradas()), 1);
  EXPECT_EQ(gLlamadas, (std::vector<SLlamada>{{"B1", -1}}));
  EXPECT_TRUE(gReparto205AntesDeB);
  EXPECT_TRUE(gArgumentosCorrectos);
}

TEST_F(SIM002Llamadas, SeccionCParteAParteYLaParteEspecial) {
  int parte = 0;
  for (int n : {29, 30, 31, 32, 33, 39, 40}) {
    gLlamadas.clear();
    EXPECT_EQ(CalcularSeccionesTrabajoCapital(n, doc.Datos(), doc.Validador(), FuncionesRegistradas()), 1);
    EXPECT_EQ(gLlamadas, (std::vector<SLlamada>{{"C", ++parte}})) << n;
  }
  for (int n : {42, 43}) {
    gLlamadas.clear();
    EXPECT_EQ(CalcularSeccionesTrabajoCapital(n, doc.Datos(), doc.Validador(), FuncionesRegistradas()), 1);
    EXPECT_EQ(gLlamadas, (std::vector<SLlamada>{{"C", 8}, {"F4", -1}, {"A", -1}})) << n;
  }
  EXPECT_TRUE(gArgumentosCorrectos);

  // A box without a case runs nothing and writes nothing.
  const DatosRenta antes = doc.Datos();
  gLlamadas.clear();
  for (int n : {1, 14, 20, 25, 34, 41, 44, 45}) {
    EXPECT_EQ(CalcularSeccionesTrabajoCapital(n, doc.Datos(), doc.Validador(), FuncionesRegistradas()), 0) << n;
  }
  EXPECT_TRUE(gLlamadas.empty());
  EXPECT_EQ(std::memcmp(&antes, &doc.Datos(), sizeof antes), 0);
}

// ---- with the library ----

TEST(SIM002, ConLaBibliotecaLaSeccionADejaElIntegroDelDeclarante) {
  CRentaDoc doc;
  doc.Datos().RendTrabajo.octetos[40] = 2;           // first payer row: the declarant
  PonerDoble(doc, kTrabajo + 40 + 8, 1500000.0);     // money paid
  doc.Datos().RendTrabajo.octetos[40 + 104] = 2;     // a second row of the declarant
  PonerDoble(doc, kTrabajo + 40 + 104 + 8, 250000.0);
  EXPECT_EQ(CalcularSeccionesTrabajoCapital(3, doc.Datos(), doc.Validador()), 1);
  EXPECT_EQ(DobleEn(doc, kBase + 0), 1750000.0);      // box 3, total
  EXPECT_EQ(DobleEn(doc, kBase + 8), 1750000.0);      // box 3, declarant
  EXPECT_EQ(DobleEn(doc, kBase + 16), 0.0);           // box 3, spouse
  EXPECT_GT(DobleEn(doc, kTrabajo + 944 + 8), 0.0);   // box 15, the net income
}

// ---- the page view ----

class SIM002Vista : public ::testing::Test {
 protected:
  void SetUp() override {
    vista = new SIM002;
    vista->SetDocument(&doc);
    pistas = new CVistaPistas;
    pistas->SetDocument(&doc);
    controles = vista->DameControles();
    ASSERT_NE(controles, nullptr);
    Rellenar(*controles, kCasillasTrabajoCapital);
    controles->PonerDocumento(&doc);
    controles->Enlazar(0);
  }
  void TearDown() override {
    delete vista;
    delete pistas;
  }
  CRentaDoc doc;
  SIM002* vista = nullptr;
  CVistaPistas* pistas = nullptr;
  marco::CControlesPagina* controles = nullptr;
};

TEST_F(SIM002Vista, NombreEIdDeLaPagina) {
  EXPECT_EQ(vista->DameNombrePagina(), "SIM002");
  EXPECT_EQ(vista->DameNumeroPagina(), 102);
  EXPECT_EQ(ClasePaginaSIM002(), wxClassInfo::FindClass("SIM002"));
  EXPECT_TRUE(ClasePaginaSIM002()->IsKindOf(wxCLASSINFO(CRentaVista)));
  std::unique_ptr<wxObject> creada(ClasePaginaSIM002()->CreateObject());
  ASSERT_NE(dynamic_cast<SIM002*>(creada.get()), nullptr);
  EXPECT_NE(dynamic_cast<SIM002*>(creada.get())->DameControles(), nullptr);
}

TEST_F(SIM002Vista, UnaCasillaSinCalculoSoloMarcaModificada) {
  for (int n : {14, 20, 25, 34}) {
    doc.Modify(false);
    EXPECT_EQ(vista->Recalcular(n), 0) << n;
    EXPECT_TRUE(doc.IsModified()) << n;
  }
  EXPECT_TRUE(pistas->pistas.empty());
  EXPECT_EQ(vista->AplicarDependencias(3), 0);
}

TEST_F(SIM002Vista, UnaCasillaConCalculoRecalculaLaDeclaracion) {
  doc.Datos().RendTrabajo.octetos[40] = 2;
  PonerDoble(doc, kTrabajo + 40 + 8, 900000.0);
  doc.Modify(false);
  EXPECT_EQ(vista->Recalcular(3), 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(pistas->pistas, (std::vector<int>{marco::kPistaValores}));
  // Box 3 shows the declarant's gross work income.
  doc.PonerSujetoActual(2);
  marco::CCampo* caja3 = controles->CampoDeNumero(3);
  caja3->ActualizarTexto(marco::SEntornoCampo{2, 'e'});
  EXPECT_EQ(caja3->Texto, "900.000");
  caja3->ActualizarTexto(marco::SEntornoCampo{3, 'e'});
  EXPECT_EQ(caja3->Texto, "");
}

TEST_F(SIM002Vista, TodoValorTecleadoSeAcepta) {
  EXPECT_EQ(vista->ComprobarCampo(3), 1);
  EXPECT_EQ(vista->ComprobarCampo(45), 1);
  EXPECT_EQ(pistas->pistas, (std::vector<int>{marco::kPistaValores, marco::kPistaValores}));
}

TEST_F(SIM002Vista, AyudaDeLaCasillaBajoElPuntero) {
  marco::CCampo* caja5 = controles->CampoDeNumero(5);
  caja5->Coor_1 = 100;
  caja5->Coor_2 = 200;
  caja5->Coor_3 = 180;
  caja5->Coor_4 = 222;
  caja5->NumeroDeCo = 517;
  EXPECT_EQ(vista->NumeroAyudaEn({120, 210}), 517);
  EXPECT_EQ(vista->NumeroAyudaEn({90, 210}), 1);
}

}  // namespace
