// Pages ORD010 to ORD014 from the tables the build makes: every box bound to its place with the picture its page
// source gives it (a box of a group through its row table), and the rules that matter: a duplicate holder refused
// on page 10 and the locks of its groups, the cases of section M that page 11 runs, the per-person boxes of page
// 11, the groups of page 13 opened by the community codes, page 14 never recalculating.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PaginasPrueba.h"
#include "d100/ORD004.h"
#include "d100/ORD010.h"
#include "d100/ORD011.h"
#include "d100/ORD012.h"
#include "d100/ORD013.h"
#include "d100/ORD014.h"
#include "dialogs/DialogosDetalle.h"
#include "dialogs/DlgDeduccionesTitulares.h"
#include "framework/BaseDatos.h"
#include "income/Liquidacion.h"
#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Validador.h"

namespace {

using ordinaria::Doble;
using ordinaria::PonerDoble;

using ordinaria::CControlesORD010;

constexpr std::size_t kBI = offsetof(DatosRenta, BaseImponible);
constexpr std::size_t kF4 = offsetof(DatosRenta, ApartadoF4);
constexpr std::size_t kG = offsetof(DatosRenta, ApartadoG);
constexpr std::size_t kH = offsetof(DatosRenta, ApartadoH);
constexpr std::size_t kI = offsetof(DatosRenta, ApartadoI);
constexpr std::size_t kJ = offsetof(DatosRenta, ApartadoJ);
constexpr std::size_t kK = offsetof(DatosRenta, ApartadoK);
constexpr std::size_t kL = offsetof(DatosRenta, ApartadoL);
constexpr std::size_t kM = offsetof(DatosRenta, ApartadoM);
constexpr std::size_t kM4 = offsetof(DatosRenta, ApartadoM4);
constexpr std::size_t kN = offsetof(DatosRenta, ApartadoN);
constexpr std::size_t kLQ = offsetof(DatosRenta, Liquidacion);
constexpr std::size_t kRS = offsetof(DatosRenta, Resultados);
constexpr std::size_t kRef = offsetof(DatosRenta, Identificacion) + 105;
constexpr std::size_t kFam = offsetof(DatosRenta, DatosFamilia);

// The section calls made through the recording table: "J 0", "M 3", "N 0".
std::vector<std::string>& Llamadas() {
  static std::vector<std::string> llamadas;
  return llamadas;
}

const recalculo::FuncionesRenta& Anotadas() {
  static const recalculo::FuncionesRenta tabla = [] {
    recalculo::FuncionesRenta f = recalculo::FuncionesRentaBiblioteca();
    f.J = [](RegApartadoJ*, RegResultados*, RegBaseImponible*, RegRendTrabajo*, RegApartadoD1*, RegApartadoD2*,
             RegApartadoD5*, RegApartadoD4*, RegDatosFamilia*, RegApartadoE2*, int n) {
      Llamadas().push_back("J " + std::to_string(n));
      return 0;
    };
    f.M = [](RegApartadoM*, RegApartadoK*, RegLiquidacion*, RegResultados*, RegRendCapMobiliario*, RegApartadoE2*,
             int n) {
      Llamadas().push_back("M " + std::to_string(n));
      return 0;
    };
    f.N = [](RegApartadoN*, RegDatosFamilia*, RegBaseImponible*, RegLiquidacion*, RegApartadoG*, RegApartadoM*,
             RegApartadoD1*, RegApartadoD2*, RegApartadoD4*, RegApartadoD5*, RegApartadoK*, RegApartadoI*,
             RegApartadoH*, RegResultados*, int n) {
      Llamadas().push_back("N " + std::to_string(n));
      return 0;
    };
    return f;
  }();
  return tabla;
}

// Where a box is expected: a place of the data area, a header text, or a field of a shown row of a group of page
// 10 ('F', 'C', 'D', 'E').
enum class ELugar : std::uint8_t { Datos, Nif, Nombre, Ejemplar, Fila };
struct SEsperada {
  int numero;
  char tipo;  // the picture's letter
  ELugar lugar;
  std::size_t desp;  // in the data area, or in the row
  char grupo = 0;
  int fila = 0;
  std::size_t enlace = 0;  // the detail link's offset in the data area (0: none checked)
};

class PaginasBase : public ordinaria::pruebas::CPaginasPrueba {
 protected:
  void SetUp() override {
    CPaginasPrueba::SetUp();
    if (HasFatalFailure()) return;
    validador.PonerDatosRenta(datos.get());
    Llamadas().clear();
  }
  unsigned char* En(std::size_t desp) { return reinterpret_cast<unsigned char*>(datos.get()) + desp; }

  // Every box of the page is in the table, bound where it says, with the picture it says.
  void ComprobarTabla(marco::CControlesPagina& c, const std::vector<SEsperada>& tabla, int casillas,
                      const CControlesORD010* pagina10 = nullptr) {
    ASSERT_EQ(c.NumeroCampos(), casillas);
    ASSERT_EQ(tabla.size(), static_cast<std::size_t>(casillas));
    for (std::size_t i = 0; i < tabla.size(); ++i) {
      const SEsperada& e = tabla[i];
      SCOPED_TRACE("box " + std::to_string(e.numero));
      ASSERT_EQ(e.numero, static_cast<int>(i) + 1);
      const marco::CCampo* campo = c.CampoDeNumero(e.numero);
      ASSERT_NE(campo, nullptr);
      ASSERT_FALSE(campo->StrValidac.empty());
      EXPECT_EQ(campo->StrValidac[0], e.tipo) << campo->StrValidac;
      const void* esperado = nullptr;
      switch (e.lugar) {
        case ELugar::Datos: esperado = En(e.desp); break;
        case ELugar::Nif: esperado = nif; break;
        case ELugar::Nombre: esperado = nombre; break;
        case ELugar::Ejemplar: esperado = ejemplar; break;
        case ELugar::Fila: {
          ASSERT_NE(pagina10, nullptr);
          const renta::CFilasPagina* filas = pagina10->Filas(e.grupo);
          ASSERT_NE(filas, nullptr);
          esperado = const_cast<renta::CFilasPagina*>(filas)->FilaMostrada(e.fila) + e.desp;
          break;
        }
      }
      EXPECT_EQ(campo->Dato, esperado);
      if (e.enlace != 0) {
        EXPECT_EQ(campo->Enlace, En(e.enlace));
      }
    }
  }

  marco::CGuionMensajes guion;
  marco::CValidador validador;
};

SEsperada D(int n, std::size_t desp, char tipo = 'F', std::size_t enlace = 0) {
  return {n, tipo, ELugar::Datos, desp, 0, 0, enlace};
}
SEsperada R(int n, char tipo, char grupo, int fila, std::size_t desp) {
  return {n, tipo, ELugar::Fila, desp, grupo, fila, 0};
}
SEsperada Cabecera(int n) { return {n, n == 1 ? 'P' : 'A', n == 1 ? ELugar::Nif : ELugar::Nombre, 0}; }
SEsperada Ejemplar(int n) { return {n, 'A', ELugar::Ejemplar, 0}; }

// ---- page 10 ----

class ORD010Test : public PaginasBase {
 protected:
  std::unique_ptr<CControlesORD010> Pagina() {
    auto c = std::make_unique<CControlesORD010>();
    c->PonerDatos(datos.get(), {nif, nombre, ejemplar}, &validador);
    c->PonerFunciones(Anotadas());
    EXPECT_EQ(c->Cargar(ordinaria::kIdPaginaORD010, 1.0, &local), 1);
    return c;
  }
  bool Bloqueada(CControlesORD010& c, int n) { return c.CampoDeNumero(n)->SoloLectur != 0; }
};

TEST_F(ORD010Test, CadaCasillaEstaEnSuSitioConSuTipo) {
  auto c = Pagina();
  std::vector<SEsperada> t = {Cabecera(1), Cabecera(2)};
  t.push_back(R(3, 'T', 'F', 0, 0));
  for (int k = 1; k <= 4; ++k) t.push_back(R(3 + k, 'F', 'F', 0, 8u * static_cast<std::size_t>(k)));
  const std::size_t fijas[] = {kBI + 1080, kBI + 1120, kBI + 1160, kG + 32,    kBI + 1232, kG + 72,    kBI + 1544,
                               kBI + 1584, kG + 144,   kH + 0,     kH + 40,    kH + 80,    kH + 120,   kG + 72,
                               kG + 144,   kBI + 1272, kBI + 1696, kBI + 1312, kI + 0,     kI + 40};
  for (int k = 0; k < 20; ++k) t.push_back(D(8 + k, fijas[k]));
  t[9].enlace = kBI + 1200;   // box 10
  t[14].enlace = kBI + 1624;  // box 15
  for (int fila = 0; fila < 2; ++fila) {
    t.push_back(R(28 + 3 * fila, 'T', 'C', fila, 0));
    t.push_back(R(29 + 3 * fila, 'F', 'C', fila, 8));
    t.push_back(R(30 + 3 * fila, 'F', 'C', fila, 40));
  }
  t.push_back(D(34, kBI + 1352));
  t.push_back(D(35, kJ + 96));
  for (int fila = 0; fila < 2; ++fila) {
    t.push_back(R(36 + 4 * fila, 'T', 'D', fila, 0));
    t.push_back(R(37 + 4 * fila, 'P', 'D', fila, 1));
    t.push_back(R(38 + 4 * fila, 'F', 'D', fila, 56));
    t.push_back(R(39 + 4 * fila, 'F', 'D', fila, 64));
  }
  t.push_back(D(44, kBI + 1392));
  for (int fila = 0; fila < 2; ++fila) {
    t.push_back(R(45 + 4 * fila, 'T', 'E', fila, 0));
    t.push_back(R(46 + 4 * fila, 'A', 'E', fila, 1));
    t.push_back(R(47 + 4 * fila, 'P', 'E', fila, 21));
    t.push_back(R(48 + 4 * fila, 'F', 'E', fila, 32));
  }
  t.push_back(D(53, kBI + 1432));
  t.push_back(D(54, kRef, 'A'));
  t.push_back(Ejemplar(55));
  ComprobarTabla(*c, t, ordinaria::kCasillasORD010, c.get());
  // The plan dialogs get the working row from its holder byte; the balances' holder links their last amount.
  EXPECT_EQ(c->CampoDeNumero(29)->Enlace, c->Filas('C')->FilaMostrada(0));
  EXPECT_EQ(c->CampoDeNumero(43)->Enlace, c->Filas('D')->FilaMostrada(1));
  EXPECT_EQ(c->CampoDeNumero(3)->Enlace, c->Filas('F')->FilaMostrada(0) + 40);
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST_F(ORD010Test, UnTitularRepetidoSeRechazaEnLosGruposCyD) {
  auto c = Pagina();
  const struct {
    char grupo;
    int titular0, titular1;  // the holder boxes of rows 0 and 1
    std::size_t fila0, fila1;  // the stored rows
  } casos[] = {{'C', 28, 31, kJ + 0, kJ + 48}, {'D', 36, 40, kJ + 136, kJ + 208}};
  for (const auto& g : casos) {
    SCOPED_TRACE(g.grupo);
    // Row 0 takes the declarant.
    *static_cast<unsigned char*>(c->CampoDeNumero(g.titular0)->Dato) = 2;
    c->CasillaCambiada(g.titular0);
    EXPECT_EQ(*En(g.fila0), 2);
    // Row 1 given the same holder gets its old one (none) back, and nothing is stored.
    *static_cast<unsigned char*>(c->CampoDeNumero(g.titular1)->Dato) = 2;
    c->CasillaCambiada(g.titular1);
    EXPECT_EQ(*static_cast<unsigned char*>(c->CampoDeNumero(g.titular1)->Dato), 0);
    EXPECT_EQ(*En(g.fila1), 0);
    // The 0x402 road refuses it too.
    *static_cast<unsigned char*>(c->CampoDeNumero(g.titular1)->Dato) = 2;
    c->CasillaConfirmada(g.titular1);
    EXPECT_EQ(*En(g.fila1), 0);
    // The spouse is taken.
    *static_cast<unsigned char*>(c->CampoDeNumero(g.titular1)->Dato) = 3;
    c->CasillaCambiada(g.titular1);
    EXPECT_EQ(*En(g.fila1), 3);
    // Row 0 given row 1's holder keeps the declarant.
    *static_cast<unsigned char*>(c->CampoDeNumero(g.titular0)->Dato) = 3;
    c->CasillaCambiada(g.titular0);
    EXPECT_EQ(*static_cast<unsigned char*>(c->CampoDeNumero(g.titular0)->Dato), 2);
    EXPECT_EQ(*En(g.fila0), 2);
  }
  // Group E has no such rule: both rows may be the declarant's.
  for (const int n : {45, 49}) {
    *static_cast<unsigned char*>(c->CampoDeNumero(n)->Dato) = 2;
    c->CasillaCambiada(n);
  }
  EXPECT_EQ(*En(kJ + 280), 2);
  EXPECT_EQ(*En(kJ + 320), 2);
  // Every stored row ran section J once.
  EXPECT_EQ(Llamadas().front(), "J 0");
}

TEST_F(ORD010Test, LasFilasEsperanASuTitularYElPromotorBloqueaElTitular) {
  auto c = Pagina();
  // Nothing held: the first holder of each group is open, the rest waits.
  for (const int n : {28, 36, 45}) EXPECT_FALSE(Bloqueada(*c, n)) << n;
  for (const int n : {29, 30, 31, 32, 33, 37, 38, 39, 40, 41, 42, 43, 46, 47, 48, 49, 50, 51, 52}) {
    EXPECT_TRUE(Bloqueada(*c, n)) << n;
  }
  // An amount typed in row 0 of group E once it has its holder is stored and shown by section J's reduction.
  *static_cast<unsigned char*>(c->CampoDeNumero(45)->Dato) = 2;
  c->CasillaCambiada(45);
  for (const int n : {46, 47, 48, 49}) EXPECT_FALSE(Bloqueada(*c, n)) << n;
  for (const int n : {50, 51, 52}) EXPECT_TRUE(Bloqueada(*c, n)) << n;
  // The promoter's contributions of a general-regime row lock its holder.
  PonerDoble(En(kJ + 24), 50000.0);
  *En(kJ) = 2;
  c->Enlazar(1);
  EXPECT_TRUE(Bloqueada(*c, 28));
  EXPECT_FALSE(Bloqueada(*c, 29));
  EXPECT_FALSE(Bloqueada(*c, 31));
}

TEST_F(ORD010Test, SinTitularLosSaldosSeBorranYParaUnHijoNoSeEscriben) {
  auto c = Pagina();
  EXPECT_FALSE(Bloqueada(*c, 3));
  for (int n = 4; n <= 7; ++n) EXPECT_TRUE(Bloqueada(*c, n)) << n;
  *static_cast<unsigned char*>(c->CampoDeNumero(3)->Dato) = 2;
  EXPECT_EQ(c->CasillaConfirmada(3), 1);
  for (int n = 4; n <= 7; ++n) EXPECT_FALSE(Bloqueada(*c, n)) << n;
  PonerDoble(static_cast<unsigned char*>(c->CampoDeNumero(5)->Dato), 1234.0);
  c->ComprobarCasilla(5);
  EXPECT_EQ(Doble(En(kF4 + 256)), 1234.0);
  // The holder erased: the five amounts go, the boxes lock.
  *static_cast<unsigned char*>(c->CampoDeNumero(3)->Dato) = 0;
  c->CasillaConfirmada(3);
  for (std::size_t d = 248; d < 288; d += 8) EXPECT_EQ(Doble(En(kF4 + d)), 0.0) << d;
  for (int n = 4; n <= 7; ++n) EXPECT_TRUE(Bloqueada(*c, n)) << n;
  // A child's page never takes the holder.
  sujeto = marco::kSujetoHijo1;
  c->Refrescar();
  EXPECT_TRUE(Bloqueada(*c, 3));
}

TEST_F(ORD010Test, UnNifMalEscritoSeVaciaEnLaFilaYEnElAlmacen) {
  auto c = Pagina();
  *static_cast<unsigned char*>(c->CampoDeNumero(36)->Dato) = 2;
  c->CasillaCambiada(36);
  std::memcpy(c->CampoDeNumero(37)->Dato, "12345678A", 9);
  c->CasillaConfirmada(37);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"DNIE001"});
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(En(kJ + 137)), 9).find_first_not_of(std::string(" \0", 2)),
            std::string::npos);
  EXPECT_EQ(static_cast<const char*>(c->CampoDeNumero(37)->Dato)[0] == '1', false);
  // A sound number stays, and the dialog's copy follows it.
  std::memcpy(c->CampoDeNumero(37)->Dato, "12345678Z", 9);
  c->CasillaConfirmada(37);
  c->CasillaConfirmada(38);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(En(kJ + 137)), 9), "12345678Z");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(En(kJ + 152)), 9), "12345678Z");
}

// Every detail box of pages 4 (its fixed boxes), 10 to 13, 15 and 16 names a dialog that the program registers, and
// that dialog's block, copied from the box's detail link and back on OK, covers neither a value that another box of
// the page shows nor another box's detail block: a dialog never writes over a neighbour. A box with a detail link
// and no window is typed (its link is the calculation's, not a dialog's).
TEST_F(ORD010Test, CadaDialogoDeDetalleCabeEnElBloqueDeSuCasilla) {
  dialogos::RegistrarDialogosDetalle();
  const unsigned char* inicio = En(0);
  const unsigned char* fin = inicio + sizeof(DatosRenta);
  const auto enDatos = [&](const void* p) {
    const auto* b = static_cast<const unsigned char*>(p);
    return b != nullptr && b >= inicio && b < fin;
  };
  struct SBloque {
    int numero;
    const unsigned char* desde;
    std::size_t tamano;
  };
  std::size_t abiertos = 0;
  const auto comprobar = [&](marco::CControlesPagina& c, const std::string& pagina) {
    std::vector<std::pair<int, const unsigned char*>> valores;
    std::vector<SBloque> bloques;
    for (int n = 1; n <= c.NumeroCampos(); ++n) {
      const marco::CCampo* campo = c.CampoDeNumero(n);
      if (campo == nullptr) continue;
      if (enDatos(campo->Dato)) valores.emplace_back(n, static_cast<const unsigned char*>(campo->Dato));
      if (campo->NombreVent.empty() || !enDatos(campo->Enlace)) continue;
      const marco::SVentanaDetalle ventana = marco::AnalizarVentanaDetalle(campo->NombreVent);
      const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(ventana.nombre);
      ASSERT_NE(dialogo, nullptr) << pagina << " box " << n << " " << campo->NombreVent;
      bloques.push_back({n, static_cast<const unsigned char*>(campo->Enlace), dialogo->tamanoBloque});
    }
    for (const SBloque& b : bloques) {
      SCOPED_TRACE(pagina + " box " + std::to_string(b.numero));
      ++abiertos;
      EXPECT_LE(b.desde + b.tamano, fin);
      for (const auto& [n, v] : valores) {
        EXPECT_FALSE(v >= b.desde && v < b.desde + b.tamano) << "covers the value of box " << n;
      }
      for (const SBloque& o : bloques) {
        if (o.desde == b.desde) continue;  // boxes that share one block (the housing rows of page 11)
        EXPECT_FALSE(o.desde < b.desde + b.tamano && b.desde < o.desde + o.tamano) << "meets the block of box "
                                                                                      << o.numero;
      }
    }
  };
  comprobar(*Pagina(), "ORD010");
  comprobar(*Cargar<ordinaria::CControlesORD011>(ordinaria::kIdPaginaORD011), "ORD011");
  comprobar(*Cargar<ordinaria::CControlesORD012>(ordinaria::kIdPaginaORD012), "ORD012");
  comprobar(*Cargar<ordinaria::CControlesORD013>(ordinaria::kIdPaginaORD013), "ORD013");
  comprobar(*Cargar<ordinaria::CControlesORD004>(204), "ORD004");
  comprobar(*Cargar<renta::CControlesLiquidacion>(renta::kIdPaginaORD015), "ORD015");
  comprobar(*Cargar<renta::CControlesResultados>(renta::kIdPaginaORD016), "ORD016");
  EXPECT_GT(abiertos, 90u);
}

// The kind that a box of page 12 gives its dialog is the one whose rates are those the calculation applies to the
// box's group (section M4): the investment rate of each rated group, and the two rates of the computed groups.
TEST_F(PaginasBase, LaClaseDeCadaDialogoDeLaPagina12LlevaLosTiposDeSuGrupo) {
  auto c = Cargar<ordinaria::CControlesORD012>(ordinaria::kIdPaginaORD012);
  const auto clase = [&](int n, std::string_view nombre) {
    const marco::SVentanaDetalle v = marco::AnalizarVentanaDetalle(c->CampoDeNumero(n)->NombreVent);
    EXPECT_EQ(v.nombre, nombre) << "box " << n;
    return v.primerParametro;
  };
  // Rated groups by their box: 440, 528, 840, 928, 1192, 1280, 1984, 2072, 2384, 2472, 2664, 3280, 3368.
  const std::pair<int, double> tasas[] = {{17, 0.1},  {20, 0.05}, {29, 0.1},  {32, 0.25}, {41, 0.15},
                                          {44, 0.15}, {67, 0.3},  {70, 0.25}, {79, 0.3},  {82, 0.45},
                                          {88, 0.25}, {107, 0.075}, {110, 0.05}};
  for (const auto& [n, tasa] : tasas) EXPECT_EQ(dialogos::TasaInversion(clase(n, "IDD_INVPROTMED")), tasa) << n;
  // Group 3456 takes the deduction the dialog computes, at the kind no other box uses.
  EXPECT_EQ(clase(113, "IDD_INVPROTMED"), 13);
  // Computed groups 736, 1016, 2280, 2560: low and high rate.
  const struct {
    int casilla;
    std::string_view nombre;
    bool formacion;
    double bajo, alto;
  } calculados[] = {{26, "IDD_IPLUSD", false, 0.2, 0.4},
                    {35, "IDD_FORMPROF", true, 0.05, 0.1},
                    {76, "IDD_IPLUSD", false, 0.4, 0.72},
                    {85, "IDD_FORMPROF", true, 0.25, 0.3}};
  for (const auto& g : calculados) {
    const auto tasas = dialogos::TasasGasto(g.formacion, clase(g.casilla, g.nombre));
    ASSERT_TRUE(tasas.has_value()) << g.casilla;
    EXPECT_EQ(tasas->base, g.bajo) << g.casilla;
    EXPECT_EQ(tasas->exceso, g.alto) << g.casilla;
  }
}

// ---- pages 11 to 14 ----

TEST_F(PaginasBase, LaPagina11EnlazaCadaCasilla) {
  sujeto = marco::kSujetoDeclarante;
  auto c = Cargar<ordinaria::CControlesORD011>(ordinaria::kIdPaginaORD011);
  std::vector<SEsperada> t = {Cabecera(1),         Cabecera(2),         D(3, kBI + 1312),   D(4, kI + 0),
                              D(5, kK + 0),        D(6, kK + 40),       D(7, kBI + 1472, 'F', kBI + 1512),
                              D(8, kLQ + 0),       D(9, kBI + 1736),    D(10, kK + 80),     D(11, kL + 0),
                              D(12, kL + 40),      D(13, kL + 80),      D(14, kM + 0, 'F', kM + 40),
                              D(15, kM + 88),      D(16, kLQ + 1240),   D(17, kM + 128, 'F', kM + 168),
                              D(18, kM + 264),     D(19, kLQ + 1280),   D(20, kM + 304),    D(21, kM + 344),
                              D(22, kM + 504, 'F', kM + 544),           D(23, kM + 1256),
                              D(24, kM + 784, 'F', kM + 544),           D(25, kM + 1296),   D(26, kLQ + 1320),
                              D(27, kM + 824, 'F', kM + 544),           D(28, kLQ + 1360),
                              D(29, kM + 864, 'F', kM + 544),           D(30, kLQ + 1400),
                              D(31, kM + 944, 'F', kM + 984),           D(32, kM + 1336),
                              D(33, kM + 1176, 'F', kM + 984),          D(34, kM + 1376),   D(35, kLQ + 1440),
                              D(36, kM + 1216, 'F', kM + 984),          D(37, kLQ + 1480),
                              D(38, kM + 904, 'F', kM + 544),           D(39, kRS + 0),
                              D(40, kM + 1421, 'A'), D(41, kM + 1441, 'A'), D(42, kM + 1461, 'P'),
                              D(43, kM + 1471, 'P'), D(44, kM + 1416 + 1, 'B'), D(45, kM + 1521 + 9, 'P'),
                              D(46, kM + 1566, 'A'), D(47, kM + 1586, 'A'), D(48, kM + 1606, 'P'),
                              D(49, kM + 1616, 'P'), D(50, kM + 1561 + 1, 'B'), D(51, kM + 1666 + 9, 'P'),
                              D(52, kM + 1712, 'F', kM + 1752),         D(53, kM + 1848),   D(54, kM + 1888),
                              D(55, kM + 1928),      D(56, kM + 1968),  D(57, kM + 2008),   D(58, kRS + 5048),
                              D(59, kRef, 'A'),      Ejemplar(60)};
  ComprobarTabla(*c, t, ordinaria::CControlesORD011::kCasillas);
  // The capped boxes after each group's first show one field of the entries: what is typed into them goes there.
  const std::map<int, int> campos{{24, 2}, {27, 3}, {29, 4}, {38, 5}, {33, 2}, {36, 3}};
  for (int n = 1; n <= ordinaria::CControlesORD011::kCasillas; ++n) {
    const auto campo = campos.find(n);
    EXPECT_EQ(c->CampoDeNumero(n)->CampoDetalle, campo != campos.end() ? campo->second : 0) << n;
  }
}

TEST_F(PaginasBase, LasCasillasPorPersonaDeLaPagina11SiguenALaPersonaMostrada) {
  sujeto = marco::kSujetoDeclarante;
  auto c = Cargar<ordinaria::CControlesORD011>(ordinaria::kIdPaginaORD011);
  const void* otra = c->CampoDeNumero(40)->Dato;
  sujeto = marco::kSujetoConyuge;
  c->Refrescar();
  EXPECT_EQ(c->CampoDeNumero(45)->Dato, En(kM + 1521 + 18));
  EXPECT_EQ(c->CampoDeNumero(44)->Dato, En(kM + 1416 + 2));
  EXPECT_EQ(c->CampoDeNumero(51)->Dato, En(kM + 1666 + 18));
  EXPECT_EQ(c->CampoDeNumero(40)->Dato, otra);
  // The second child's slot of box 45 would cover the marks of box 50: it is not offered.
  sujeto = marco::kSujetoHijo2;
  c->Refrescar();
  EXPECT_EQ(c->CampoDeNumero(45)->Dato, nullptr);
  EXPECT_NE(c->CampoDeNumero(45)->SoloLectur, 0);
  EXPECT_EQ(c->CampoDeNumero(50)->Dato, En(kM + 1561 + 4));
  EXPECT_EQ(c->CampoDeNumero(51)->Dato, En(kM + 1666 + 36));
}

TEST_F(PaginasBase, LaCasilla22DeLaPagina11CalculaLosCasos3Y6YLaComprobacion206) {
  auto c = Cargar<ordinaria::CControlesORD011>(ordinaria::kIdPaginaORD011);
  c->PonerFuncionesM(Anotadas());
  c->PonerValidador(&validador);
  EXPECT_EQ(c->CalcularCasilla(22), 1);
  EXPECT_EQ(Llamadas(), (std::vector<std::string>{"M 3", "M 6"}));
  EXPECT_EQ(validador.DameValorActual(), &datos->ApartadoM);
  const struct {
    int casilla, resultado;
    std::vector<std::string> llamadas;
  } casos[] = {{14, 1, {"M 1"}}, {17, 1, {"M 1"}}, {38, 1, {"M 3", "M 6"}}, {31, 1, {"M 4"}}, {36, 1, {"M 4"}},
               {52, 1, {"M 5"}}, {7, 1, {}},        {15, 0, {}},             {45, 0, {}}};
  for (const auto& caso : casos) {
    Llamadas().clear();
    EXPECT_EQ(c->CalcularCasilla(caso.casilla), caso.resultado) << caso.casilla;
    EXPECT_EQ(Llamadas(), caso.llamadas) << caso.casilla;
  }
}

TEST_F(PaginasBase, LaPagina12EnlazaCadaCasilla) {
  auto c = Cargar<ordinaria::CControlesORD012>(ordinaria::kIdPaginaORD012);
  // Each row: the amount asked with its entries as detail, admitted, and left over (the totals of the four blocks
  // show the admitted amount of RegResultados); the entries A and B end with their keys.
  const struct {
    int numero;
    std::size_t lugar;
    char tipo;
    std::size_t enlace;
  } filas[] = {
      {3, kM4 + 0, 'F', kM4 + 40}, {4, kM4 + 4032, 'F', 0}, {5, kM4 + 104, 'F', kM4 + 144}, {6, kM4 + 4072, 'F', 0},
      {7, kM4 + 5688, 'F', 0}, {8, kM4 + 208, 'F', kM4 + 248}, {9, kM4 + 4112, 'F', 0}, {10, kM4 + 5728, 'F', 0},
      {11, kM4 + 280, 'F', kM4 + 320}, {12, kM4 + 4152, 'F', 0}, {13, kM4 + 5768, 'F', 0}, {14, kM4 + 352, 'F', kM4 + 392},
      {15, kM4 + 4192, 'F', 0}, {16, kM4 + 5808, 'F', 0}, {17, kM4 + 440, 'F', kM4 + 480}, {18, kM4 + 4232, 'F', 0},
      {19, kM4 + 5848, 'F', 0}, {20, kM4 + 528, 'F', kM4 + 568}, {21, kM4 + 4272, 'F', 0}, {22, kM4 + 5888, 'F', 0},
      {23, kM4 + 616, 'F', kM4 + 656}, {24, kM4 + 4312, 'F', 0}, {25, kM4 + 5928, 'F', 0}, {26, kM4 + 736, 'F', kM4 + 776},
      {27, kM4 + 4352, 'F', 0}, {28, kM4 + 5968, 'F', 0}, {29, kM4 + 840, 'F', kM4 + 880}, {30, kM4 + 4392, 'F', 0},
      {31, kM4 + 6008, 'F', 0}, {32, kM4 + 928, 'F', kM4 + 968}, {33, kM4 + 4432, 'F', 0}, {34, kM4 + 6048, 'F', 0},
      {35, kM4 + 1016, 'F', kM4 + 1056}, {36, kM4 + 4472, 'F', 0}, {37, kM4 + 6088, 'F', 0}, {38, kM4 + 1120, 'F', kM4 + 1160},
      {39, kM4 + 4512, 'F', 0}, {40, kM4 + 6128, 'F', 0}, {41, kM4 + 1192, 'F', kM4 + 1232}, {42, kM4 + 4552, 'F', 0},
      {43, kM4 + 6168, 'F', 0}, {44, kM4 + 1280, 'F', kM4 + 1320}, {45, kM4 + 4592, 'F', 0}, {46, kM4 + 6208, 'F', 0},
      {47, kM4 + 1368, 'F', 0}, {48, kRS + 40, 'F', 0}, {49, kM4 + 6248, 'F', 0}, {50, kM4 + 1408, 'F', kM4 + 1448},
      {51, kM4 + 4632, 'F', 0}, {52, kM4 + 1560, 'F', kM4 + 1600}, {53, kM4 + 4672, 'F', 0}, {54, kM4 + 6288, 'F', 0},
      {55, kM4 + 1664, 'F', kM4 + 1704}, {56, kM4 + 4712, 'F', 0}, {57, kM4 + 6328, 'F', 0}, {58, kM4 + 1736, 'F', kM4 + 1776},
      {59, kM4 + 4752, 'F', 0}, {60, kM4 + 6368, 'F', 0}, {61, kM4 + 1824, 'F', kM4 + 1864}, {62, kM4 + 4792, 'F', 0},
      {63, kM4 + 6408, 'F', 0}, {64, kM4 + 1896, 'F', kM4 + 1936}, {65, kM4 + 4832, 'F', 0}, {66, kM4 + 6448, 'F', 0},
      {67, kM4 + 1984, 'F', kM4 + 2024}, {68, kM4 + 4872, 'F', 0}, {69, kM4 + 6488, 'F', 0}, {70, kM4 + 2072, 'F', kM4 + 2112},
      {71, kM4 + 4912, 'F', 0}, {72, kM4 + 6528, 'F', 0}, {73, kM4 + 2160, 'F', kM4 + 2200}, {74, kM4 + 4952, 'F', 0},
      {75, kM4 + 6568, 'F', 0}, {76, kM4 + 2280, 'F', kM4 + 2320}, {77, kM4 + 4992, 'F', 0}, {78, kM4 + 6608, 'F', 0},
      {79, kM4 + 2384, 'F', kM4 + 2424}, {80, kM4 + 5032, 'F', 0}, {81, kM4 + 6648, 'F', 0}, {82, kM4 + 2472, 'F', kM4 + 2512},
      {83, kM4 + 5072, 'F', 0}, {84, kM4 + 6688, 'F', 0}, {85, kM4 + 2560, 'F', kM4 + 2600}, {86, kM4 + 5112, 'F', 0},
      {87, kM4 + 6728, 'F', 0}, {88, kM4 + 2664, 'F', kM4 + 2704}, {89, kM4 + 5152, 'F', 0}, {90, kM4 + 6768, 'F', 0},
      {91, kM4 + 2752, 'F', 0}, {92, kRS + 80, 'F', 0}, {93, kM4 + 6808, 'F', 0}, {94, kM4 + 2792, 'F', kM4 + 2832},
      {95, kM4 + 5192, 'F', 0}, {96, kM4 + 2864, 'F', kM4 + 2904}, {97, kM4 + 5232, 'F', 0}, {98, kM4 + 6848, 'F', 0},
      {99, kM4 + 2984, 'F', kM4 + 3024}, {100, kM4 + 5272, 'F', 0}, {101, kM4 + 6888, 'F', 0}, {102, kM4 + 3088, 'F', kM4 + 3128},
      {103, kM4 + 5312, 'F', 0}, {104, kM4 + 3160, 'F', kM4 + 3200}, {105, kM4 + 5352, 'F', 0}, {106, kM4 + 6928, 'F', 0},
      {107, kM4 + 3280, 'F', kM4 + 3320}, {108, kM4 + 5392, 'F', 0}, {109, kM4 + 6968, 'F', 0}, {110, kM4 + 3368, 'F', kM4 + 3408},
      {111, kM4 + 5432, 'F', 0}, {112, kM4 + 7008, 'F', 0}, {113, kM4 + 3456, 'F', kM4 + 3496}, {114, kM4 + 5472, 'F', 0},
      {115, kM4 + 7048, 'F', 0}, {116, kM4 + 3544, 'F', 0}, {117, kRS + 120, 'F', 0}, {118, kM4 + 7088, 'F', 0},
      {119, kM4 + 3584, 'F', kM4 + 3624}, {120, kM4 + 5512, 'F', 0}, {121, kM4 + 3656, 'F', kM4 + 3696}, {122, kM4 + 5552, 'F', 0},
      {123, kM4 + 7128, 'F', 0}, {124, kM4 + 3728, 'F', 0}, {125, kRS + 160, 'F', 0}, {126, kM4 + 7168, 'F', 0},
      {127, kM4 + 3768, 'F', kM4 + 3808}, {128, kM4 + 5592, 'F', 0}, {129, kM4 + 5632, 'A', 0}, {130, kM4 + 3872, 'F', kM4 + 3912},
      {131, kM4 + 5640, 'F', 0}, {132, kM4 + 5680, 'A', 0}, {133, kM4 + 7208, 'F', 0}, {134, kM4 + 3992, 'F', kRS + 312},
  };
  std::vector<SEsperada> t = {Cabecera(1), Cabecera(2)};
  for (const auto& f : filas) t.push_back(D(f.numero, f.lugar, f.tipo, f.enlace));
  t.push_back(D(135, kRef, 'A'));
  t.push_back(Ejemplar(136));
  ComprobarTabla(*c, t, ordinaria::CControlesORD012::kCasillas);
}

TEST_F(PaginasBase, LaPagina13EnlazaCadaCasilla) {
  auto c = Cargar<ordinaria::CControlesORD013>(ordinaria::kIdPaginaORD013);
  const std::size_t lugares[] = {0,    40,   80,   120,  208,  272,  392,  496,  576,  536,  672,  632,  712,
                                 872,  912,  1000, 1088, 1128, 1168, 1232, 1272, 1432, 1472, 1536, 1576, 1640,
                                 1680, 2072, 2160, 2248, 1768, 1856, 1944, 1984, 2288, 2328, 2392, 2432, 2480,
                                 2568, 2616, 2704, 2792, 2880, 2920};
  std::vector<SEsperada> t = {Cabecera(1), Cabecera(2)};
  for (std::size_t k = 0; k < std::size(lugares); ++k) t.push_back(D(static_cast<int>(3 + k), kN + lugares[k]));
  t.push_back(D(48, kRef, 'A'));
  t.push_back(Ejemplar(49));
  t[5].enlace = kN + 160;   // box 6
  t[12].enlace = kN + 616;  // box 13
  t[46].enlace = kN + 2960;  // box 47
  ComprobarTabla(*c, t, ordinaria::CControlesORD013::kCasillas);
}

TEST_F(PaginasBase, ElGrupo17DeLaPagina13SoloSeAbreConUnaPersonaDeCodigo17) {
  const int grupo17[] = {38, 40, 41, 42, 43, 44, 45, 47};
  // A value stored in the group does not open it.
  PonerDoble(En(kN + 2328), 500.0);
  std::memcpy(En(kFam + 80), "12", 2);
  auto c = Cargar<ordinaria::CControlesORD013>(ordinaria::kIdPaginaORD013);
  for (const int n : grupo17) EXPECT_NE(c->CampoDeNumero(n)->SoloLectur, 0) << n;
  for (const int n : {25, 27, 29}) EXPECT_EQ(c->CampoDeNumero(n)->SoloLectur, 0) << n;
  // The spouse's code opens it at the next refresh; the family unit's own slot (offset 48) does not count.
  std::memcpy(En(kFam + 48), "17", 2);
  c->Refrescar();
  for (const int n : grupo17) EXPECT_NE(c->CampoDeNumero(n)->SoloLectur, 0) << n;
  std::memcpy(En(kFam + 112), "17", 2);
  c->Refrescar();
  for (const int n : grupo17) EXPECT_EQ(c->CampoDeNumero(n)->SoloLectur, 0) << n;
  // Only the two characters count: "1" followed by a blank is no code 17.
  std::memcpy(En(kFam + 112), "1 ", 2);
  c->Refrescar();
  EXPECT_NE(c->CampoDeNumero(38)->SoloLectur, 0);
  // The computed totals never open.
  EXPECT_NE(c->CampoDeNumero(46)->SoloLectur, 0);
  // A committed box of a group runs section N; a total does not.
  c->PonerFunciones(Anotadas());
  EXPECT_EQ(c->CalcularCasilla(38), 1);
  EXPECT_EQ(c->CalcularCasilla(46), 0);
  EXPECT_EQ(Llamadas(), std::vector<std::string>{"N 0"});
}

TEST_F(PaginasBase, LaPagina14EnlazaCadaCasillaYNoSeEscribe) {
  auto c = Cargar<ordinaria::CControlesORD014>(ordinaria::kIdPaginaORD014);
  std::vector<SEsperada> t = {Cabecera(1), Cabecera(2)};
  for (std::size_t k = 0; k < 30; ++k) t.push_back(D(static_cast<int>(3 + k), kBI + 40 * k));
  for (const std::size_t d : {1232, 1272, 1312, 1352, 1392, 1432, 1472}) {
    t.push_back(D(static_cast<int>(t.size()) + 1, kBI + d));
  }
  t.push_back(D(40, kLQ + 0));
  for (const std::size_t d : {1544, 1584, 1696, 1736}) t.push_back(D(static_cast<int>(t.size()) + 1, kBI + d));
  t.push_back(D(45, kRef, 'A'));
  t.push_back(Ejemplar(46));
  ComprobarTabla(*c, t, ordinaria::CControlesORD014::kCasillas);
  // The totals are the calculation's: none is typed.
  for (int n = 3; n <= 44; ++n) EXPECT_NE(c->CampoDeNumero(n)->SoloLectur, 0) << n;
}

}  // namespace
