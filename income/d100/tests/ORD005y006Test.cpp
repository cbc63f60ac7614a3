// Pages ORD005 and ORD006 from the tables the build makes: every box bound to its place (a box of a row through
// the row table, its value reaching the stored activity once the row is stored), the change of activity that asks
// first (390E013), the row whose code is emptied, the read-only states, the checks of what is taken off the net
// income (100V194, 100V196) and the supplementary sheet of a third activity.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "PaginasPrueba.h"
#include "d100/ORD005.h"
#include "d100/ORD006.h"
#include "d100/PaginasD100.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/FabricaEdit.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"
#include "framework/ServiciosAplicacion.h"
#include "income/RentaVista.h"

namespace {

using ordinaria::Doble;
using ordinaria::Entero;
using ordinaria::PonerDoble;
using ordinaria::PonerEntero;

using ordinaria::CControlesORD005;
using ordinaria::CControlesORD006;

std::string Texto(const void* p, std::size_t n) { return std::string(static_cast<const char*>(p), n); }

constexpr std::size_t kD4 = offsetof(DatosRenta, ApartadoD4);
constexpr std::size_t kD5 = offsetof(DatosRenta, ApartadoD5);
constexpr std::size_t kBI = offsetof(DatosRenta, BaseImponible);
constexpr std::size_t kId = offsetof(DatosRenta, Identificacion) + 105;

// The offset in an activity row of each box of a row of page 5, box by box from the row's first (the code).
std::vector<std::size_t> LugaresFila5() {
  std::vector<std::size_t> l = {0, 12, 24};
  for (std::size_t j = 0; j < 7; ++j) {
    const std::size_t m = 120 + 176 * j;
    l.insert(l.end(), {m + 1, m + 40, m + 168});
  }
  for (std::size_t d = 1352; d <= 1416; d += 8) l.push_back(d);
  for (std::size_t d = 1440; d <= 1512; d += 8) l.push_back(d);
  l.insert(l.end(), {1520, 1529, 1534, 1536, 1544, 1552});
  return l;
}
// The same for page 6, from the row's first box (the holder).
std::vector<std::size_t> LugaresFila6() {
  std::vector<std::size_t> l = {8, 0, 56};
  const std::size_t textos[13] = {208, 312, 504, 608, 712, 904, 1008, 1200, 1304, 1496, 1600, 1704, 1808};
  for (std::size_t k = 0; k < 13; ++k) {
    l.insert(l.end(), {textos[k], textos[k] + 8});
    if (k < 12) l.push_back(textos[k] + 16);
  }
  l.insert(l.end(), {1824, 1832, 1840});
  for (std::size_t d = 1896; d <= 2016; d += 8) l.push_back(d);
  l.insert(l.end(), {2024, 2033, 2040, 2056, 2048});
  return l;
}

class PaginasD : public ordinaria::pruebas::CPaginasPrueba {
 protected:
  unsigned char* Fila5(int r) { return datos->ApartadoD4.octetos + 1560 * r; }
  unsigned char* Fila6(int r) { return datos->ApartadoD5.octetos + 16 + 2064 * r; }
  // An activity under modules: its code, activity number and holder; module 0 is a staff module with a text.
  void Actividad5(int r, const char* codigo, std::int32_t id, std::uint8_t titular) {
    unsigned char* f = Fila5(r);
    std::memcpy(f, codigo, std::strlen(codigo));
    PonerEntero(f + 8, id);
    f[24] = titular;
    f[120] = 1;
    std::memcpy(f + 121, "Personal asalariado", 19);
    std::memcpy(f + 145, "Personas", 8);
  }
  bool Bloqueada(marco::CControlesPagina& c, int numero) { return c.CampoDeNumero(numero)->SoloLectur != 0; }
};

// Every box of a row, typed through its place and stored, reaches its stored place (shown rows 0 and 1 over rows 0
// and 1).
template <typename Controles>
void ComprobarFilas(Controles& c, unsigned char* base, std::size_t bloque, std::size_t primera, std::size_t ancho,
                    const std::vector<std::vector<int>>& casillas, const std::vector<std::size_t>& lugares,
                    int accionGuardar, int grupo) {
  for (std::size_t r = 0; r < casillas.size(); ++r) {
    ASSERT_EQ(casillas[r].size(), lugares.size());
    unsigned char marca = 1;
    for (std::size_t k = 0; k < lugares.size(); ++k) {
      const int numero = casillas[r][k];
      SCOPED_TRACE("casilla " + std::to_string(numero));
      marco::CCampo* campo = c.CampoDeNumero(numero);
      ASSERT_NE(campo, nullptr);
      ASSERT_NE(campo->Dato, nullptr);
      EXPECT_EQ(c.GrupoDeCasilla(numero), grupo);
      EXPECT_EQ(c.FilaDeCasilla(numero), static_cast<int>(r));
      auto* p = static_cast<unsigned char*>(campo->Dato);
      const bool doble = campo->Letra() == 'F' || campo->Letra() == 'M';
      ++marca;
      if (doble) {
        PonerDoble(p, 100.0 + marca);
      } else {
        *p = static_cast<unsigned char>('0' + marca % 10);
      }
      c.NavegarGrupo(grupo, static_cast<int>(r), accionGuardar, 0);
      const unsigned char* destino = base + bloque + primera + ancho * r + lugares[k];
      if (doble) {
        EXPECT_EQ(Doble(destino), 100.0 + marca);
      } else {
        EXPECT_EQ(*destino, '0' + marca % 10);
      }
    }
  }
}

// ---- binding ----

TEST_F(PaginasD, ORD005CadaCasillaLlegaASuSitio) {
  marco::CGuionMensajes guion;
  // A row shows its boxes once it has a code.
  std::memcpy(Fila5(0), "6594", 4);
  std::memcpy(Fila5(1), "6421", 4);
  auto c = Cargar<CControlesORD005>(205);
  ASSERT_EQ(c->NumeroCampos(), ordinaria::kCasillasORD005);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(c->CampoDeNumero(1)->Dato, Base() + kId);
  EXPECT_EQ(c->CampoDeNumero(2)->Dato, nif);
  EXPECT_EQ(c->CampoDeNumero(3)->Dato, nombre);
  EXPECT_NE(c->CampoDeNumero(4)->Dato, nullptr);
  EXPECT_EQ(c->CampoDeNumero(103)->Dato, Base() + kBI + 760);
  EXPECT_EQ(c->CampoDeNumero(104)->Dato, nullptr) << "the title of a further sheet only";
  EXPECT_EQ(c->CampoDeNumero(105)->Dato, ejemplar);
  ASSERT_NE(c->CampoDeNumero(106)->Dato, nullptr);
  EXPECT_NE(*static_cast<const char*>(c->CampoDeNumero(106)->Dato), '\0');
  // Boxes 5-47 and 91-96 are row 1, boxes 48-90 and 97-102 row 2.
  std::vector<std::vector<int>> casillas(2);
  for (int r = 0; r < 2; ++r) {
    for (int k = 0; k < 43; ++k) casillas[r].push_back(5 + 43 * r + k);
    for (int k = 0; k < 6; ++k) casillas[r].push_back(91 + 6 * r + k);
  }
  // The code box links its row (the activity selection writes the whole row); a module's units link the module.
  for (int r = 0; r < 2; ++r) {
    const auto* fila = static_cast<unsigned char*>(c->CampoDeNumero(casillas[r][0])->Dato);
    EXPECT_EQ(c->CampoDeNumero(casillas[r][0])->Enlace, fila);
    EXPECT_EQ(c->CampoDeNumero(casillas[r][0])->NombreVent, "IDD_SELIAE");
    for (int j = 0; j < 7; ++j) {
      marco::CCampo* unidades = c->CampoDeNumero(casillas[r][static_cast<std::size_t>(4 + 3 * j)]);
      EXPECT_EQ(unidades->Letra(), 'M');
      EXPECT_EQ(unidades->Enlace, fila + 120 + 176 * j);
      EXPECT_EQ(unidades->Dato, fila + 160 + 176 * j);
    }
  }
  ComprobarFilas(*c, Base(), kD4, 0, 1560, casillas, LugaresFila5(), ordinaria::kAccionGuardar5,
                 ordinaria::kGrupoActividades);
  EXPECT_TRUE(guion.Codigos().empty());
  // Every box of the page is bound but the title of a further sheet.
  for (int n = 1; n <= ordinaria::kCasillasORD005; ++n) {
    if (n != 104) {
      EXPECT_NE(c->CampoDeNumero(n)->Dato, nullptr) << n;
    }
  }
}

TEST_F(PaginasD, ORD006CadaCasillaLlegaASuSitio) {
  marco::CGuionMensajes guion;
  // A group's index text is bound while the group has a volume.
  for (int r = 0; r < 2; ++r) {
    for (std::size_t v : {56, 224, 328, 520, 624, 728, 920, 1024, 1216, 1320, 1512, 1616, 1720}) PonerDoble(Fila6(r) + v, 1.0);
  }
  auto c = Cargar<CControlesORD006>(206);
  ASSERT_EQ(c->NumeroCampos(), ordinaria::kCasillasORD006);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(c->CampoDeNumero(1)->Dato, nif);
  EXPECT_EQ(c->CampoDeNumero(2)->Dato, nombre);
  EXPECT_NE(c->CampoDeNumero(3)->Dato, nullptr);
  EXPECT_EQ(c->CampoDeNumero(4)->Dato, Base() + kD5 + 0);
  EXPECT_EQ(c->CampoDeNumero(5)->Dato, Base() + kD5 + 5);
  EXPECT_EQ(c->CampoDeNumero(136)->Dato, Base() + kBI + 800);
  EXPECT_EQ(c->CampoDeNumero(137)->Dato, Base() + kBI + 840);
  EXPECT_EQ(c->CampoDeNumero(138)->Dato, Base() + kId);
  EXPECT_EQ(c->CampoDeNumero(139)->Dato, nullptr) << "the title of a further sheet only";
  EXPECT_EQ(c->CampoDeNumero(140)->Dato, ejemplar);
  EXPECT_NE(c->CampoDeNumero(141)->Dato, nullptr);
  std::vector<std::vector<int>> casillas(2);
  for (int r = 0; r < 2; ++r) {
    for (int k = 0; k < 60; ++k) casillas[r].push_back(6 + 60 * r + k);
    for (int k = 0; k < 5; ++k) casillas[r].push_back(126 + 5 * r + k);
  }
  for (int r = 0; r < 2; ++r) {
    marco::CCampo* clave = c->CampoDeNumero(casillas[r][1]);
    EXPECT_EQ(clave->Enlace, clave->Dato) << "the key is the row's first field";
    EXPECT_EQ(clave->NombreVent, "IDD_SELCLAVE");
    for (int s = 0; s < 13; ++s) EXPECT_EQ(c->CampoDeNumero(casillas[r][static_cast<std::size_t>(2 + 3 * s)])->Letra(), 'M');
  }
  ComprobarFilas(*c, Base(), kD5, 16, 2064, casillas, LugaresFila6(), ordinaria::kAccionGuardar6,
                 ordinaria::kGrupoAgrarias);
  EXPECT_TRUE(guion.Codigos().empty());
  for (int n = 1; n <= ordinaria::kCasillasORD006; ++n) {
    if (n != 139) {
      EXPECT_NE(c->CampoDeNumero(n)->Dato, nullptr) << n;
    }
  }
}

// ---- the rules of page 5 ----

TEST_F(PaginasD, ORD005OtraActividadPreguntaAntesDeBorrarLasUnidades) {
  Actividad5(0, "6594", 100, marco::kSujetoDeclarante);
  PonerDoble(Fila5(0) + 160, 3.0);  // module 0: three persons
  PonerDoble(Fila5(0) + 208, 1.0);  // and its working data
  auto c = Cargar<CControlesORD005>(205);
  auto* trabajo = static_cast<unsigned char*>(c->CampoDeNumero(5)->Enlace);
  ASSERT_NE(trabajo, nullptr);
  ASSERT_NE(trabajo, Fila5(0)) << "the boxes show a working copy";
  // The selection writes another activity into the row; Cancelar keeps the stored one.
  const auto elegir = [&] {
    std::memcpy(trabajo, "6595", 4);
    PonerEntero(trabajo + 8, 101);
  };
  {
    marco::CGuionMensajes guion({marco::kBotonCancelar});
    elegir();
    c->CasillaCambiada(5);
    EXPECT_EQ(guion.Veces("390E013"), 1);
    EXPECT_EQ(Entero(Fila5(0) + 8), 100);
    EXPECT_EQ(Entero(trabajo + 8), 100) << "the row is put back";
    EXPECT_EQ(Texto(trabajo, 4), "6594");
    EXPECT_EQ(Doble(Fila5(0) + 160), 3.0);
  }
  {
    marco::CGuionMensajes guion({marco::kBotonAceptar});
    elegir();
    c->CasillaCambiada(5);
    EXPECT_EQ(guion.Veces("390E013"), 1);
    EXPECT_EQ(Entero(Fila5(0) + 8), 101);
    EXPECT_EQ(Texto(Fila5(0), 4), "6595");
    EXPECT_EQ(Doble(Fila5(0) + 160), 0.0) << "the old activity's units go";
    EXPECT_EQ(Doble(Fila5(0) + 208), 0.0);
    EXPECT_EQ(Fila5(0)[120], 1) << "the module itself is the activity's";
    EXPECT_EQ(Fila5(0)[24], 0) << "the holder is chosen again";
  }
  // The same activity again asks nothing.
  marco::CGuionMensajes guion;
  c->CasillaCambiada(5);
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST_F(PaginasD, ORD005UnaFilaSinCodigoSeSuprimeYLasSiguientesSuben) {
  Actividad5(0, "6594", 100, marco::kSujetoDeclarante);
  Actividad5(1, "6421", 101, marco::kSujetoDeclarante);
  Actividad5(2, "6422", 102, marco::kSujetoConyuge);
  auto c = Cargar<CControlesORD005>(205);
  marco::CGuionMensajes guion;
  // The code of the first row erased (the selection blanks it, having asked first).
  auto* codigo = static_cast<unsigned char*>(c->CampoDeNumero(5)->Dato);
  std::memset(codigo, ' ', 5);
  c->CasillaCambiada(5);
  EXPECT_EQ(Texto(Fila5(0), 4), "6421");
  EXPECT_EQ(Texto(Fila5(1), 4), "6422");
  EXPECT_EQ(Fila5(1)[24], marco::kSujetoConyuge);
  EXPECT_EQ(Entero(Fila5(2) + 8), 0);
  EXPECT_EQ(Fila5(2)[24], 0);
  // The boxes show the rows as they now stand.
  EXPECT_EQ(Texto(c->CampoDeNumero(5)->Dato, 4), "6421");
  EXPECT_EQ(Texto(c->CampoDeNumero(48)->Dato, 4), "6422");
  EXPECT_FALSE(std::count(guion.Codigos().begin(), guion.Codigos().end(), "390E013"));
  // A code that is still there deletes nothing.
  c->CasillaCambiada(5);
  EXPECT_EQ(Texto(Fila5(0), 4), "6421");
}

TEST_F(PaginasD, ORD005AbreCadaCasillaCuandoSuFilaLaPermite) {
  auto c = Cargar<CControlesORD005>(205);
  // No activity: the first code alone.
  EXPECT_FALSE(Bloqueada(*c, 5));
  for (int n : {7, 9, 31, 48, 50}) EXPECT_TRUE(Bloqueada(*c, n)) << n;
  EXPECT_TRUE(Bloqueada(*c, 6));
  // A code opens its holder; a code and a holder open the next row's code and the amounts typed.
  auto* fila = static_cast<unsigned char*>(c->CampoDeNumero(5)->Dato);
  std::memcpy(fila, "6594", 4);
  c->NavegarGrupo(ordinaria::kGrupoActividades, 0, ordinaria::kAccionGuardar5, 0);
  EXPECT_FALSE(Bloqueada(*c, 7));
  EXPECT_TRUE(Bloqueada(*c, 48));
  fila[24] = marco::kSujetoDeclarante;
  c->NavegarGrupo(ordinaria::kGrupoActividades, 0, ordinaria::kAccionGuardar5, 0);
  EXPECT_FALSE(Bloqueada(*c, 48));
  for (int n : {31, 41, 44, 46}) EXPECT_FALSE(Bloqueada(*c, n)) << n;
  for (int n : {6, 29, 30, 45, 47, 91}) EXPECT_TRUE(Bloqueada(*c, n)) << n;
  // A module's units wait for its second text.
  EXPECT_TRUE(Bloqueada(*c, 9));
  std::memcpy(fila + 120 + 25, "Personas", 8);
  c->NavegarGrupo(ordinaria::kGrupoActividades, 0, ordinaria::kAccionGuardar5, 0);
  EXPECT_FALSE(Bloqueada(*c, 9));
  EXPECT_TRUE(Bloqueada(*c, 12));
}

TEST_F(PaginasD, ORD005LoQueSeRestaDelRendimientoNetoSeAvisa) {
  struct SCaso {
    double a, b, c;
    bool aviso;
  };
  for (const SCaso& k : {SCaso{1000, 1, 401, true}, SCaso{1000, 1, 400, false}, SCaso{1000, 0, 5000, false}}) {
    SCOPED_TRACE(k.c);
    std::memset(datos.get(), 0, sizeof(DatosRenta));
    Actividad5(0, "6594", 100, marco::kSujetoDeclarante);
    PonerDoble(Fila5(0) + 1488, k.a);
    PonerDoble(Fila5(0) + 1496, k.b);
    PonerDoble(Fila5(0) + 1504, k.c);
    auto c = Cargar<CControlesORD005>(205);
    marco::CGuionMensajes guion({marco::kBotonCorregir});
    EXPECT_EQ(c->ComprobarCasilla(46), k.aviso ? 0 : 1);
    EXPECT_EQ(guion.Veces("100V194"), k.aviso ? 1 : 0);
  }
}

// ---- printing ----

TEST_F(PaginasD, TresActividadesSeImprimenEnDosHojas) {
  Actividad5(0, "6594", 100, marco::kSujetoDeclarante);
  Actividad5(1, "6421", 101, marco::kSujetoDeclarante);
  Actividad5(2, "6422", 102, marco::kSujetoDeclarante);
  for (std::int32_t mostrado : {marco::kSujetoUnidadFamiliar, marco::kSujetoDeclarante}) {
    SCOPED_TRACE(mostrado);
    sujeto = mostrado;
    auto c = Cargar<CControlesORD005>(205);
    ASSERT_EQ(c->AvisoGrupo(1, 0), 1);
    EXPECT_EQ(c->DameHojasExtra(), 1);
    c->CamposDerivados(1);
    EXPECT_EQ(c->CampoDeNumero(4)->Texto, "1");
    EXPECT_EQ(Texto(c->CampoDeNumero(5)->Dato, 4), "6594");
    EXPECT_EQ(Texto(c->CampoDeNumero(48)->Dato, 4), "6421");
    EXPECT_NE(c->CampoDeNumero(103)->Dato, nullptr);
    // Sheet 2: the third activity, no total, the title.
    ASSERT_EQ(c->AvisoGrupo(2, 0), 1);
    c->CamposDerivados(2);
    EXPECT_EQ(c->CampoDeNumero(4)->Texto, "0");
    EXPECT_EQ(Texto(c->CampoDeNumero(5)->Dato, 4), "6422");
    EXPECT_EQ(Entero(static_cast<const unsigned char*>(c->CampoDeNumero(48)->Dato) + 8), 0);
    EXPECT_EQ(c->CampoDeNumero(103)->Dato, nullptr);
    ASSERT_NE(c->CampoDeNumero(104)->Dato, nullptr);
    EXPECT_EQ(std::string(static_cast<const char*>(c->CampoDeNumero(104)->Dato)), "HOJA COMPLEMENTARIA");
    EXPECT_EQ(c->AvisoGrupo(3, 0), 0);
  }
  // The spouse has none of them; two activities fit on one sheet.
  sujeto = marco::kSujetoConyuge;
  EXPECT_EQ(Cargar<CControlesORD005>(205)->DameHojasExtra(), 0);
  sujeto = marco::kSujetoUnidadFamiliar;
  std::memset(Fila5(2), 0, 1560);
  auto c = Cargar<CControlesORD005>(205);
  ASSERT_EQ(c->AvisoGrupo(1, 0), 1);
  EXPECT_EQ(c->DameHojasExtra(), 0);
  EXPECT_EQ(c->AvisoGrupo(2, 0), 0);
}

// The sheets count the rows the page shows (a code with a letter or digit), as the page shows them: a row whose
// activity number is 0 (a code kept from an earlier version of the program) is shown, so it is printed too.
TEST_F(PaginasD, TresFilasMostradasImprimenSusHojasAunqueUnaNoTengaActividad) {
  Actividad5(0, "6594", 100, marco::kSujetoDeclarante);
  Actividad5(1, "6421", 0, marco::kSujetoDeclarante);
  Actividad5(2, "6422", 102, marco::kSujetoDeclarante);
  auto c = Cargar<CControlesORD005>(205);
  ASSERT_EQ(c->AvisoGrupo(1, 0), 1);
  EXPECT_EQ(c->DameHojasExtra(), 1);
  ASSERT_EQ(c->AvisoGrupo(2, 0), 1);
  c->CamposDerivados(2);
  EXPECT_EQ(Texto(c->CampoDeNumero(5)->Dato, 4), "6422");
  EXPECT_EQ(c->AvisoGrupo(3, 0), 0);
}

TEST_F(PaginasD, SinActividadesLasPaginasNoTienenNadaQueImprimir) {
  // The section calculations over empty blocks (they write an index text for every product group).
  Calculos100D(&datos->ApartadoD1, &datos->ApartadoD2, &datos->ApartadoD3, &datos->BaseImponible, &datos->ApartadoD4,
               &datos->ApartadoD5, 4);
  Calculos100D5(&datos->ApartadoD1, &datos->ApartadoD2, &datos->ApartadoD3, &datos->BaseImponible, &datos->ApartadoD4,
                &datos->ApartadoD5, 5);
  auto c5 = Cargar<CControlesORD005>(205);
  auto c6 = Cargar<CControlesORD006>(206);
  EXPECT_EQ(c5->TieneDatos(0, {marco::kSujetoUnidadFamiliar, 'e'}), 0);
  EXPECT_EQ(c6->TieneDatos(0, {marco::kSujetoUnidadFamiliar, 'e'}), 0);
  EXPECT_EQ(c6->CampoDeNumero(9)->Dato, nullptr) << "no index without a volume";
  EXPECT_EQ(c5->CampoDeNumero(6)->Dato, nullptr) << "nothing but the code in a row without one";
  EXPECT_NE(c5->CampoDeNumero(5)->Dato, nullptr);
  // One activity is something to print.
  Actividad5(0, "6594", 100, marco::kSujetoDeclarante);
  EXPECT_EQ(Cargar<CControlesORD005>(205)->TieneDatos(0, {marco::kSujetoUnidadFamiliar, 'e'}), 1);
}

// ---- page 6 ----

TEST_F(PaginasD, ORD006LaClaveAbreLosGruposDeSuSector) {
  auto c = Cargar<CControlesORD006>(206);
  EXPECT_FALSE(Bloqueada(*c, 7));
  EXPECT_TRUE(Bloqueada(*c, 6)) << "no holder without a key";
  EXPECT_TRUE(Bloqueada(*c, 67));
  auto* fila = static_cast<unsigned char*>(c->CampoDeNumero(7)->Dato);
  fila[0] = '3';
  c->NavegarGrupo(ordinaria::kGrupoAgrarias, 0, ordinaria::kAccionGuardar6, 0);
  EXPECT_FALSE(Bloqueada(*c, 6));
  for (int s = 1; s <= 13; ++s) EXPECT_TRUE(Bloqueada(*c, 8 + 3 * (s - 1))) << s;
  fila[8] = marco::kSujetoDeclarante;
  c->NavegarGrupo(ordinaria::kGrupoAgrarias, 0, ordinaria::kAccionGuardar6, 0);
  // Sector 3 opens groups 12 and 13, and the three amounts typed.
  for (int s = 1; s <= 13; ++s) EXPECT_EQ(Bloqueada(*c, 8 + 3 * (s - 1)), s != 12 && s != 13) << s;
  for (int n : {49, 59, 64}) EXPECT_FALSE(Bloqueada(*c, n)) << n;
  EXPECT_FALSE(Bloqueada(*c, 67)) << "the next row's key";
  // A key emptied deletes the row.
  fila[0] = ' ';
  c->CasillaCambiada(7);
  EXPECT_EQ(Fila6(0)[8], 0);
  EXPECT_TRUE(Bloqueada(*c, 67));
}

TEST_F(PaginasD, ORD006LasDeduccionesSeDetallanEnLosSectores125) {
  auto c = Cargar<CControlesORD006>(206);
  marco::CCampo* deducciones = c->CampoDeNumero(49);
  ASSERT_NE(deducciones, nullptr);
  EXPECT_EQ(deducciones->NombreVent, "IDD_AMORTIAG");
  EXPECT_EQ(c->CampoDeNumero(109)->NombreVent, "IDD_AMORTIAG");
  auto* fila = static_cast<unsigned char*>(c->CampoDeNumero(7)->Dato);
  fila[8] = marco::kSujetoDeclarante;
  // The split by use is the whole row (its first field is the key); other sectors type the amount.
  for (const char clave : {'1', '2', '3', '4', '5', '6', '7'}) {
    SCOPED_TRACE(clave);
    fila[0] = clave;
    c->NavegarGrupo(ordinaria::kGrupoAgrarias, 0, ordinaria::kAccionGuardar6, 0);
    const bool detalle = clave == '1' || clave == '2' || clave == '5';
    EXPECT_EQ(deducciones->Enlace, detalle ? static_cast<void*>(fila) : nullptr);
    EXPECT_EQ(marco::ElegirClaseEdit(*deducciones),
              detalle ? marco::EClaseEdit::ImporteDetalleEdit : marco::EClaseEdit::DoubleEdit);
  }
  // A row bound with its key already set has the link from the start (the first row was stored with key 7).
  Fila6(1)[0] = '2';
  Fila6(1)[8] = marco::kSujetoDeclarante;
  auto otra = Cargar<CControlesORD006>(206);
  EXPECT_EQ(otra->CampoDeNumero(109)->Enlace, otra->CampoDeNumero(67)->Dato);
  EXPECT_EQ(otra->CampoDeNumero(49)->Enlace, nullptr);
}

TEST_F(PaginasD, ORD006LoQueSeRestaDelRendimientoNetoSeAvisa) {
  struct SCaso {
    double x, y;
    bool aviso;
  };
  for (const SCaso& k : {SCaso{1000, 401, true}, SCaso{1000, 400, false}, SCaso{0, 5000, false}}) {
    SCOPED_TRACE(k.y);
    std::memset(datos.get(), 0, sizeof(DatosRenta));
    Fila6(0)[0] = '3';
    Fila6(0)[8] = marco::kSujetoDeclarante;
    PonerEntero(Fila6(0) + 4, 300);
    PonerDoble(Fila6(0) + 2000, k.x);
    PonerDoble(Fila6(0) + 2008, k.y);
    auto c = Cargar<CControlesORD006>(206);
    // The calculation of the section is not the subject here: the amounts stay as typed.
    static const recalculo::FuncionesRenta kSinCalculo = [] {
      recalculo::FuncionesRenta f = recalculo::FuncionesRentaBiblioteca();
      f.D5 = [](RegApartadoD1*, RegApartadoD2*, RegApartadoD3*, RegBaseImponible*, RegApartadoD4*, RegApartadoD5*,
                int) { return 0; };
      return f;
    }();
    c->PonerFunciones(kSinCalculo);
    marco::CGuionMensajes guion({marco::kBotonCorregir});
    EXPECT_EQ(c->ComprobarCasilla(64), k.aviso ? 0 : 1);
    EXPECT_EQ(guion.Veces("100V196"), k.aviso ? 1 : 0);
  }
}

// ---- the page classes ----

// The information dialog as the registry runs it, replaced by a function that edits the block: what the page does
// with the copy it gets back.
class DialogoInfoFalso {
 public:
  DialogoInfoFalso(std::string_view nombre, std::size_t tamano, std::function<int(std::span<unsigned char>, std::int32_t)> f)
      : m_nombre(nombre) {
    marco::RegistrarDialogoDetalle(nombre, tamano, [this, f](marco::SPeticionDetalle& p) {
      ++veces;
      parametro = p.primerParametro;
      return f(p.bloque, p.primerParametro);
    });
  }
  ~DialogoInfoFalso() { marco::QuitarDialogoDetalle(m_nombre); }
  int veces = 0;
  std::int32_t parametro = 0;

 private:
  std::string m_nombre;
};

TEST_F(PaginasD, ORD005LaInformacionVuelveSoloConOkYPideCodigoYTitular) {
  Actividad5(0, "6594", 143, marco::kSujetoDeclarante);
  Actividad5(1, "6421", 101, 0);  // no holder yet
  auto c = Cargar<CControlesORD005>(205);
  int respuesta = marco::kDialogoCancelado;
  DialogoInfoFalso falso(ordinaria::kVentanaInfoActividad5, ordinaria::kLargoInfo5,
                         [&](std::span<unsigned char> b, std::int32_t) {
                           PonerDoble(b.data() + 24, 30.0);  // seasonal days
                           return respuesta;
                         });
  marco::CGuionMensajes guion;
  EXPECT_EQ(c->AbrirInfoActividad(1, 0), 0) << "a row without a holder opens nothing";
  EXPECT_EQ(falso.veces, 0);
  EXPECT_EQ(c->AbrirInfoActividad(0, 0), marco::kDialogoCancelado);
  EXPECT_EQ(falso.parametro, 143) << "the epigraph id chooses the variant";
  EXPECT_EQ(Doble(Fila5(0) + 56), 0.0);
  respuesta = marco::kDialogoAceptado;
  EXPECT_EQ(c->AbrirInfoActividad(0, 0), marco::kDialogoAceptado);
  EXPECT_EQ(Doble(Fila5(0) + 56), 30.0);
  // One member's view in a family with a spouse never writes.
  sujeto = marco::kSujetoConyuge;
  PonerDoble(Fila5(0) + 56, 0.0);
  auto miembro = Cargar<CControlesORD005>(205);
  miembro->AbrirInfoActividad(0, 0);
  EXPECT_EQ(Doble(Fila5(0) + 56), 0.0);
}

TEST_F(PaginasD, ORD005UnaActividadRepetidaSeSuprime) {
  Actividad5(0, "6594", 100, marco::kSujetoDeclarante);
  Actividad5(1, "6594", 100, marco::kSujetoDeclarante);
  PonerDoble(Fila5(1) + 32, 50.0);  // the second through an entity
  std::memcpy(Fila5(1) + 40, "E12345678", 9);
  auto c = Cargar<CControlesORD005>(205);
  EXPECT_FALSE(c->ActividadRepetida());
  DialogoInfoFalso falso(ordinaria::kVentanaInfoActividad5, ordinaria::kLargoInfo5,
                         [](std::span<unsigned char> b, std::int32_t) {
                           PonerDoble(b.data(), 0.0);  // carried on directly, as the first
                           std::memset(b.data() + 8, 0, 16);
                           return marco::kDialogoAceptado;
                         });
  marco::CGuionMensajes guion;
  EXPECT_EQ(c->AbrirInfoActividad(1, 0), marco::kDialogoCancelado);
  EXPECT_EQ(guion.Veces("100M007"), 1);
  EXPECT_EQ(Entero(Fila5(1) + 8), 0) << "the repeated row is gone";
  EXPECT_EQ(Entero(Fila5(0) + 8), 100);
}

TEST_F(PaginasD, ORD005MasPersonalBorraLosModulosDePersonalSalvoCancelar) {
  for (const int respuesta : {marco::kBotonCancelar, marco::kBotonAceptar}) {
    SCOPED_TRACE(respuesta);
    std::memset(datos.get(), 0, sizeof(DatosRenta));
    Actividad5(0, "6594", 100, marco::kSujetoDeclarante);
    PonerDoble(Fila5(0) + 160, 3.0);  // module 0 (personnel): three persons
    auto c = Cargar<CControlesORD005>(205);
    DialogoInfoFalso falso(ordinaria::kVentanaInfoActividad5, ordinaria::kLargoInfo5,
                           [](std::span<unsigned char> b, std::int32_t) {
                             b[40] = 1;  // staff increased
                             return marco::kDialogoAceptado;
                           });
    marco::CGuionMensajes guion({respuesta});
    c->AbrirInfoActividad(0, 0);
    EXPECT_EQ(guion.Veces("100M006"), 1);
    if (respuesta == marco::kBotonCancelar) {
      EXPECT_EQ(Fila5(0)[72], 0) << "the answer is put back";
      EXPECT_EQ(Doble(Fila5(0) + 160), 3.0);
    } else {
      EXPECT_EQ(Fila5(0)[72], 1);
      EXPECT_EQ(Doble(Fila5(0) + 160), 0.0);
    }
  }
}

TEST_F(PaginasD, ORD005EmpleadosSinModulosDePersonalSeAvisan) {
  Actividad5(0, "6594", 100, marco::kSujetoDeclarante);
  auto c = Cargar<CControlesORD005>(205);
  DialogoInfoFalso falso(ordinaria::kVentanaInfoActividad5, ordinaria::kLargoInfo5,
                         [](std::span<unsigned char> b, std::int32_t) {
                           PonerDoble(b.data() + 72, 2.0);  // two employees
                           return marco::kDialogoAceptado;
                         });
  marco::CGuionMensajes guion;
  EXPECT_EQ(c->AbrirInfoActividad(0, 0), marco::kDialogoAceptado);
  EXPECT_EQ(guion.Veces("100M012"), 1);
  EXPECT_EQ(Doble(Fila5(0) + 104), 2.0) << "the value stays";
}

TEST_F(PaginasD, ORD005LasUnidadesDePersonalSinEmpleadosSeAvisan) {
  Actividad5(0, "6594", 100, marco::kSujetoDeclarante);
  auto c = Cargar<CControlesORD005>(205);
  auto* trabajo = static_cast<unsigned char*>(c->CampoDeNumero(5)->Enlace);
  ASSERT_NE(trabajo, nullptr);
  PonerDoble(trabajo + 120 + 48, 2.0);  // two persons in the first module's quantities
  {
    marco::CGuionMensajes guion;
    c->CasillaConfirmada(9);
    EXPECT_EQ(guion.Veces("100M012"), 1);
  }
  // With the employees given the figures agree.
  PonerDoble(Fila5(0) + 104, 2.0);
  auto otra = Cargar<CControlesORD005>(205);
  auto* t2 = static_cast<unsigned char*>(otra->CampoDeNumero(5)->Enlace);
  PonerDoble(t2 + 120 + 48, 2.0);
  marco::CGuionMensajes guion;
  otra->CasillaConfirmada(9);
  EXPECT_EQ(guion.Veces("100M012"), 0);
}

TEST_F(PaginasD, ORD006LaInformacionLlevaElNifYElPorcentajeALaFila) {
  unsigned char* f = Fila6(0);
  f[0] = '5';
  PonerEntero(f + 4, 7);
  f[8] = marco::kSujetoDeclarante;
  auto c = Cargar<CControlesORD006>(206);
  DialogoInfoFalso falso(ordinaria::kVentanaInfoActividad6, ordinaria::kLargoInfo6,
                         [](std::span<unsigned char> b, std::int32_t) {
                           PonerDoble(b.data(), 40.0);
                           std::memcpy(b.data() + 8, "E12345678", 9);
                           return marco::kDialogoAceptado;
                         });
  marco::CGuionMensajes guion;
  EXPECT_EQ(c->AbrirInfoActividad(0), marco::kDialogoAceptado);
  EXPECT_EQ(falso.parametro, '5') << "the activity kind";
  EXPECT_EQ(Doble(f + 16), 40.0);
  EXPECT_EQ(Texto(f + 2024, 9), "E12345678");
  EXPECT_EQ(Doble(f + 2040), 40.0);
  EXPECT_EQ(f[2033], marco::kSujetoDeclarante);
}

TEST(PaginasD5y6, CadaPaginaSeHallaPorSuNombreConSuNumero) {
  const auto clases = ordinaria::ClasesPaginasD100();
  struct SCaso {
    const char* nombre;
    int id;
  };
  for (const SCaso& c : {SCaso{"ORD005", 205}, SCaso{"ORD006", 206}}) {
    wxClassInfo* clase = wxClassInfo::FindClass(c.nombre);
    ASSERT_NE(clase, nullptr) << c.nombre;
    EXPECT_NE(std::find(clases.begin(), clases.end(), clase), clases.end()) << c.nombre;
    std::unique_ptr<wxObject> objeto(clase->CreateObject());
    auto* vista = dynamic_cast<renta::CRentaVista*>(objeto.get());
    ASSERT_NE(vista, nullptr) << c.nombre;
    EXPECT_EQ(vista->DameNumeroPagina(), c.id) << c.nombre;
    EXPECT_NE(dynamic_cast<ordinaria::CControlesGrupos*>(vista->DameControles()), nullptr) << c.nombre;
  }
}

}  // namespace
