// Row-table models over the repeating sections of a data area: the window of shown rows, the person filter with
// halved family-unit rows, the row commands of the root, of the window and of the ORD003/ORD004 and ORD009
// sections, the field addresses, the option marks and the row check.
#include "income/FilasSecciones.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/DocumentoServicios.h"
#include "framework/MensajeGuion.h"

using namespace renta;

namespace {

double LeerDoble(const unsigned char* p) {
  double v = 0;
  std::memcpy(&v, p, sizeof v);
  return v;
}
void PonerDoble(unsigned char* p, double v) { std::memcpy(p, &v, sizeof v); }

std::string Bytes(const void* p, std::size_t n) { return std::string(static_cast<const char*>(p), n); }

class ModeloFilas : public ::testing::Test {
 protected:
  void SetUp() override { Presentes(true); }
  void TearDown() override {
    marco::PublicarSujetosPresentes(nullptr);
    marco::PublicarSujetoActual(nullptr);
  }
  // A declaration with or without spouse and children.
  void Presentes(bool familia) {
    m_presentes = familia ? std::array<std::int32_t, 5>{1, 1, 1, 1, 1} : std::array<std::int32_t, 5>{0, 1, 0, 0, 0};
    marco::PublicarSujetosPresentes(m_presentes.data());
  }

  unsigned char* F2A(std::size_t fila) { return m_d.ApartadoF2.octetos + kDespORD009A + 32 * fila; }
  unsigned char* D1(int grupo, std::size_t fila) {
    return m_d.ApartadoD1.octetos + kDespGruposD[grupo - 1] + kAnchoGruposD[grupo - 1] * fila;
  }
  // Row f of group A of ORD009: holder and two amounts.
  void FilaA(std::size_t f, unsigned char titular, double a, double b) {
    F2A(f)[0] = titular;
    PonerDoble(F2A(f) + 8, a);
    PonerDoble(F2A(f) + 16, b);
  }
  std::string GrupoA() { return Bytes(F2A(0), 9 * 32); }

  std::array<std::int32_t, 5> m_presentes{};
  DatosRenta m_d{};
  marco::CGuionMensajes m_guion;
};

TEST_F(ModeloFilas, NuevoModeloMuestraLasPrimerasFilas) {
  for (std::size_t f = 0; f < 9; ++f) FilaA(f, 2, 100.0 + static_cast<double>(f), 1);
  CFilasORD009A m(m_d);
  EXPECT_EQ(m.DameFilas(), 9);
  EXPECT_EQ(m.DameCargadas(), 9);
  EXPECT_EQ(m.DameMostradas(), 3);
  EXPECT_EQ(m.DamePrimera(), 0);
  EXPECT_EQ(m.DameFiltro(), 1);
  EXPECT_EQ(m.TieneFilasGuardadas(), 1);
  for (int j = 0; j < 3; ++j) {
    ASSERT_EQ(m.FilaMostrada(j), m.FilaTrabajo(j));
    EXPECT_EQ(LeerDoble(static_cast<unsigned char*>(m.DireccionCampo(j, 1))), 100.0 + j);
  }
  // The working copy is a copy: a change reaches the store only through a store command.
  PonerDoble(static_cast<unsigned char*>(m.DireccionCampo(0, 1)), 5);
  EXPECT_EQ(LeerDoble(F2A(0) + 8), 100.0);
  EXPECT_EQ(m.OrdenFila(0, 5, 0), 0);
  EXPECT_EQ(LeerDoble(F2A(0) + 8), 5.0);
  EXPECT_EQ(m.TituloFila(), " ");

  // Without a stored array nothing is loaded.
  CFilasORD009A sinDatos(nullptr, 9, 3);
  EXPECT_EQ(sinDatos.TieneFilasGuardadas(), 0);
  EXPECT_EQ(sinDatos.DameCargadas(), 0);
  // The row count never exceeds what the section holds.
  CFilasORD003A demasiadas(D1(1, 0), 5, 1);
  EXPECT_EQ(demasiadas.DameFilas(), 2);
}

TEST_F(ModeloFilas, DireccionesDeCampos) {
  CFilasORD009B b(m_d);
  unsigned char* fila = b.FilaTrabajo(1);
  EXPECT_EQ(b.DireccionCampo(1, 9), fila);
  EXPECT_EQ(b.DireccionCampo(1, 10), fila + 20);
  EXPECT_EQ(b.DireccionCampo(1, 13), fila + 48);
  EXPECT_EQ(b.DireccionCampo(1, 16), fila + 120);
  EXPECT_EQ(b.DireccionCampo(1, 29), fila + 632);
  EXPECT_EQ(b.DireccionCampo(1, 8), nullptr);
  EXPECT_EQ(b.DireccionCampo(1, 30), nullptr);
  EXPECT_EQ(b.DireccionCampo(3, 9), nullptr);  // only three rows are shown
  EXPECT_EQ(b.DireccionCampo(-1, 9), nullptr);

  CFilasORD009D dd(m_d);
  EXPECT_EQ(dd.DireccionCampo(2, 35), dd.FilaTrabajo(2) + 16);
  EXPECT_EQ(dd.DireccionCampo(2, 32), nullptr);

  struct SCampo {
    int grupo;
    int k;
    int desp;
  };
  const std::vector<SCampo> campos = {{1, 0, 0},  {1, 1, 1},  {1, 2, 8},  {1, 23, 176}, {1, 24, -100},
                                      {3, 24, 4}, {4, 2, 6},  {4, 5, 32}, {4, 6, -100}, {5, 3, 2},
                                      {5, 6, 32}, {6, 2, 6},  {6, 3, 7},  {6, 4, 16},   {2, 3, 8}};
  for (const SCampo& c : campos) {
    std::unique_ptr<CFilasApartadoD> m = std::make_unique<CFilasApartadoD>(D1(c.grupo, 0), 2, 1, c.grupo);
    void* esperado = c.desp < 0 ? nullptr : m->FilaTrabajo(0) + c.desp;
    EXPECT_EQ(m->DireccionCampo(0, c.k), esperado) << c.grupo << " " << c.k;
  }
}

TEST_F(ModeloFilas, FiltroPorPersona) {
  FilaA(0, 1, 100, 40);  // family unit
  FilaA(1, 3, 10, 4);    // spouse
  FilaA(2, 2, 20, 8);    // declarant
  FilaA(3, 3, 30, 12);   // spouse
  FilaA(4, 4, 50, 0);    // first child
  const std::string guardado = GrupoA();
  CFilasORD009A m(m_d);

  // The family unit sees every row as stored, and stores it unchanged.
  EXPECT_EQ(m.FiltrarPorTitular(1), 1);
  EXPECT_FALSE(m.EsCopiaFiltrada());
  EXPECT_EQ(m.TitularTrabajo(1), 3);
  EXPECT_EQ(m.OrdenFila(1, 5, 0), 0);
  EXPECT_EQ(GrupoA(), guardado);

  // The spouse sees the family unit's row at half and its own rows, compacted, all as the declarant's.
  EXPECT_EQ(m.FiltrarPorTitular(3), 1);
  EXPECT_TRUE(m.EsCopiaFiltrada());
  EXPECT_EQ(m.DameFiltro(), 3);
  EXPECT_EQ(m.DameCargadas(), 3);
  const std::vector<std::pair<double, double>> vistos = {{50, 20}, {10, 4}, {30, 12}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(m.TitularTrabajo(i), 2) << i;
    EXPECT_EQ(LeerDoble(m.FilaTrabajo(i) + 8), vistos[static_cast<std::size_t>(i)].first) << i;
    EXPECT_EQ(LeerDoble(m.FilaTrabajo(i) + 16), vistos[static_cast<std::size_t>(i)].second) << i;
  }
  EXPECT_EQ(m.TitularTrabajo(3), 0);
  // Those rows do not stand at their stored place: nothing they hold is written back.
  for (int orden : {5, 6}) EXPECT_EQ(m.OrdenFila(0, orden, 0), 0);
  EXPECT_EQ(GrupoA(), guardado);
  // Next is offered only up to the person's own rows.
  EXPECT_EQ(m.PuedeMover(0), 0);

  // A child sees only its own rows, never the family unit's.
  m.FiltrarPorTitular(4);
  EXPECT_EQ(m.DameCargadas(), 1);
  EXPECT_EQ(LeerDoble(m.FilaTrabajo(0) + 8), 50.0);
  EXPECT_EQ(m.TitularTrabajo(0), 2);

  // The declarant without spouse or children sees every row unfiltered, and the table is stored again.
  Presentes(false);
  m.FiltrarPorTitular(2);
  EXPECT_FALSE(m.EsCopiaFiltrada());
  EXPECT_EQ(m.DameCargadas(), 9);
  EXPECT_EQ(m.TitularTrabajo(0), 1);
  EXPECT_EQ(LeerDoble(m.FilaTrabajo(0) + 8), 100.0);
  PonerDoble(m.FilaTrabajo(1) + 8, 11);
  m.OrdenFila(1, 5, 0);
  EXPECT_EQ(LeerDoble(F2A(1) + 8), 11.0);
}

TEST_F(ModeloFilas, MitadDeLasFilasComunesDeSeccionD) {
  D1(1, 0)[0] = 1;
  PonerDoble(D1(1, 0) + 8, 300);
  PonerDoble(D1(1, 0) + 176, 7);
  CFilasORD003A m(m_d);
  m.FiltrarPorTitular(2);
  EXPECT_EQ(m.TitularTrabajo(0), 2);
  EXPECT_EQ(LeerDoble(static_cast<unsigned char*>(m.DireccionCampo(0, 2))), 150.0);
  EXPECT_EQ(LeerDoble(static_cast<unsigned char*>(m.DireccionCampo(0, 23))), 3.5);
}

TEST_F(ModeloFilas, NavegacionYSiguiente) {
  for (std::size_t f = 0; f < 9; ++f) FilaA(f, 2, 1, 0);
  F2A(4)[0] = 0;
  CFilasORD009A m(m_d);
  EXPECT_EQ(m.PuedeMover(1), 0);
  EXPECT_EQ(m.PuedeMover(0), 1);
  EXPECT_EQ(m.Navegar(0), 0);
  EXPECT_EQ(m.DamePrimera(), 1);
  EXPECT_EQ(m.FilaMostrada(0), m.FilaTrabajo(1));
  EXPECT_EQ(m.PuedeMover(1), 1);
  // Rows 2-4 shown, row 4 empty: next is refused.
  m.Navegar(0);
  EXPECT_EQ(m.PuedeMover(0), 0);
  // Window at the last rows: refused, and forward does not move it.
  for (int i = 0; i < 10; ++i) m.Navegar(0);
  EXPECT_EQ(m.DamePrimera(), 6);
  F2A(4)[0] = 2;
  m.RevertirFila(4);
  EXPECT_EQ(m.PuedeMover(0), 0);
  m.Navegar(1);
  EXPECT_EQ(m.DamePrimera(), 5);
  EXPECT_EQ(m.PuedeMover(0), 1);
  for (int i = 0; i < 10; ++i) m.Navegar(1);
  EXPECT_EQ(m.DamePrimera(), 0);

  // A page forward past the rows shows no row instead of reading past the table.
  m.AvanzarPagina();
  m.AvanzarPagina();
  EXPECT_EQ(m.DamePrimera(), 6);
  m.AvanzarPagina();
  EXPECT_EQ(m.DamePrimera(), 9);
  EXPECT_EQ(m.FilaMostrada(0), nullptr);
  EXPECT_EQ(m.DireccionCampo(0, 1), nullptr);
  EXPECT_EQ(m.PuedeMover(0), 0);
  EXPECT_EQ(m.OrdenFila(0, 5, 0), -1);
}

TEST_F(ModeloFilas, OrdenesFueraDeLaTabla) {
  for (std::size_t f = 0; f < 9; ++f) FilaA(f, 2, 1, 0);
  const std::string guardado = GrupoA();
  CFilasORD009A m(m_d);
  for (int i = 0; i < 6; ++i) m.Navegar(0);
  for (int orden : {5, 6, 7}) {
    EXPECT_EQ(m.OrdenFila(3, orden, 0), -1);
    EXPECT_EQ(m.OrdenFila(-7, orden, 0), -1);
  }
  EXPECT_EQ(m.CModeloFilasDoc::OrdenFila(3, 2, 0), -1);
  EXPECT_EQ(m.CModeloFilas::OrdenFila(9, 2, 0), -1);
  EXPECT_EQ(GrupoA(), guardado);
  EXPECT_TRUE(m_guion.Codigos().empty());
}

TEST_F(ModeloFilas, BorrarFilaDeSeccionD) {
  // Row 0 lost its holder (its key field was erased); row 1 belongs to the spouse.
  PonerDoble(D1(4, 0) + 16, 9);
  D1(4, 1)[0] = 3;
  std::memcpy(D1(4, 1) + 6, "12345678Z", 9);
  PonerDoble(D1(4, 1) + 16, 75);
  const std::string fila1 = Bytes(D1(4, 1), 40);
  CFilasORD003D m(m_d);
  EXPECT_EQ(m.OrdenFila(0, 500, 0), 0);
  EXPECT_EQ(Bytes(D1(4, 0), 40), fila1);
  EXPECT_EQ(Bytes(D1(4, 1), 40), std::string(40, '\0'));
  EXPECT_EQ(m.TitularTrabajo(0), 3);
  EXPECT_EQ(m.TitularTrabajo(1), 0);

  // A row with a holder is emptied but keeps its holder, in the working copy only.
  EXPECT_EQ(m.OrdenFila(0, 500, 0), 0);
  EXPECT_EQ(m.TitularTrabajo(0), 3);
  EXPECT_EQ(LeerDoble(m.FilaTrabajo(0) + 16), 0.0);
  EXPECT_EQ(Bytes(D1(4, 0), 40), fila1);
  // 502 brings the stored row back, 501 stores the working one.
  EXPECT_EQ(m.OrdenFila(0, 502, 0), 0);
  EXPECT_EQ(LeerDoble(m.FilaTrabajo(0) + 16), 75.0);
  PonerDoble(m.FilaTrabajo(0) + 24, 3);
  EXPECT_EQ(m.OrdenFila(0, 501, 0), 0);
  EXPECT_EQ(LeerDoble(D1(4, 0) + 24), 3.0);
  EXPECT_EQ(m.OrdenFila(0, 999, 0), 0);
  EXPECT_EQ(m.OrdenFila(2, 501, 0), -1);

  // ORD004 works the same on block 2.
  m_d.ApartadoD2.octetos[kDespGruposD[0] + 184] = 2;
  CFilasORD004A d2(m_d);
  d2.Navegar(0);
  EXPECT_EQ(d2.TitularTrabajo(1), 2);
  d2.OrdenFila(0, 500, 0);
  EXPECT_EQ(m_d.ApartadoD2.octetos[kDespGruposD[0] + 184], 2);
}

TEST_F(ModeloFilas, MarcasDeLaOpcion) {
  D1(2, 0)[0] = 2;
  D1(2, 0)[1] = 2;
  D1(2, 1)[0] = 2;
  D1(2, 1)[1] = 1;
  CFilasORD003B m(m_d);
  auto* marca1 = static_cast<std::int32_t*>(m.DireccionCampo(0, 1));
  auto* marca2 = static_cast<std::int32_t*>(m.DireccionCampo(0, 2));
  ASSERT_NE(marca1, nullptr);
  ASSERT_NE(marca2, nullptr);
  EXPECT_EQ(*marca1, 0);
  EXPECT_EQ(*marca2, 1);
  EXPECT_EQ(m.DireccionCampo(0, 3), m.FilaTrabajo(0) + 8);

  // The user marks the first option: storing writes it into byte 1.
  *marca1 = 1;
  *marca2 = 0;
  m.OrdenFila(0, 501, 0);
  EXPECT_EQ(D1(2, 0)[1], 1);
  // The second row shows its own option; going back finds the choice kept.
  *marca1 = 0;
  *marca2 = 0;
  m.Navegar(0);
  EXPECT_EQ(*marca1, 1);
  EXPECT_EQ(*marca2, 0);
  m.Navegar(1);
  EXPECT_EQ(*marca1, 0);
  EXPECT_EQ(*marca2, 0);
  // Reverting takes the stored option again.
  m.OrdenFila(0, 502, 0);
  EXPECT_EQ(*marca1, 1);

  CFilasORD004E e(m_d);
  EXPECT_EQ(e.DireccionCampo(0, 3), e.FilaTrabajo(0) + 2);
}

TEST_F(ModeloFilas, BorrarYComprobarFilasDeORD009) {
  FilaA(0, 2, 10, 1);
  FilaA(1, 3, 20, 2);
  FilaA(2, 2, 30, 3);
  CFilasORD009A a(m_d);
  // Delete row 1: row 2 moves up, the last row is free; every row is stored.
  EXPECT_EQ(a.OrdenFila(1, 6, 0), 0);
  EXPECT_EQ(LeerDoble(F2A(1) + 8), 30.0);
  EXPECT_EQ(F2A(2)[0], 0);
  EXPECT_EQ(Bytes(F2A(8), 32), std::string(32, '\0'));
  EXPECT_EQ(LeerDoble(F2A(0) + 8), 10.0);

  // The check: a second amount above the first is refused with 100R174.
  PonerDoble(static_cast<unsigned char*>(a.DireccionCampo(1, 2)), 31);
  EXPECT_EQ(a.ComprobarFila(1), 0);
  EXPECT_EQ(m_guion.Codigos(), std::vector<std::string>{"100R174"});
  PonerDoble(static_cast<unsigned char*>(a.DireccionCampo(1, 2)), 30);
  EXPECT_EQ(a.ComprobarFila(1), 1);
  EXPECT_EQ(m_guion.Codigos().size(), 1u);
  // 7 reverts the row.
  EXPECT_EQ(a.OrdenFila(1, 7, 0), 0);
  EXPECT_EQ(LeerDoble(a.FilaTrabajo(1) + 16), 3.0);

  CFilasORD009C c(m_d);
  unsigned char* filaC = m_d.ApartadoF3.octetos + kDespORD009C;
  filaC[0] = 2;
  PonerDoble(filaC + 8, 1);
  PonerDoble(filaC + 16, 2);
  c.RevertirFila(0);
  EXPECT_EQ(c.ComprobarFila(0), 0);

  // Group B: a row with a text keeps it and its place; one without text is deleted.
  unsigned char* b0 = m_d.ApartadoF3.octetos;
  unsigned char* b1 = b0 + 640;
  std::memcpy(b0, "ACCIONES            ", 20);
  PonerDoble(b0 + 56, 5);
  b1[20] = 3;
  PonerDoble(b1 + 56, 6);
  CFilasORD009B b(m_d);
  PonerDoble(b.FilaTrabajo(0) + 16, 99);  // a larger second amount means nothing in group B
  EXPECT_EQ(b.ComprobarFila(0), 1);
  b.RevertirFila(0);
  b.OrdenFila(0, 6, 0);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(b0), 20), "ACCIONES            ");
  EXPECT_EQ(LeerDoble(b0 + 56), 0.0);
  EXPECT_EQ(b1[20], 3);
  std::memset(b0, ' ', 20);
  b.RevertirFila(0);
  b.OrdenFila(0, 6, 0);
  EXPECT_EQ(b0[20], 3);
  EXPECT_EQ(LeerDoble(b0 + 56), 6.0);
  EXPECT_EQ(b1[20], 0);
}

TEST_F(ModeloFilas, OrdenesDeLaBase) {
  // Rows 0-2 stored for the declarant; row 3 is new in the working copy.
  for (std::size_t f = 0; f < 3; ++f) FilaA(f, 2, static_cast<double>(f + 1), 0);
  CFilasORD009A a(m_d);
  auto& ventana = static_cast<CModeloFilasDoc&>(a);

  // Command 0 of the window stores the shown row.
  PonerDoble(a.FilaTrabajo(0) + 8, 7);
  EXPECT_EQ(ventana.CModeloFilasDoc::OrdenFila(0, 0, 0), 0);
  EXPECT_EQ(LeerDoble(F2A(0) + 8), 7.0);

  // Command 1 on a row that is new in the store: it takes no other place and is stored where it stands.
  ventana.Navegar(0);
  a.FilaTrabajo(3)[0] = 3;
  PonerDoble(a.FilaTrabajo(3) + 8, 40);
  EXPECT_EQ(ventana.CModeloFilasDoc::OrdenFila(2, 1, 0), 0);
  EXPECT_EQ(F2A(3)[0], 3);
  EXPECT_EQ(LeerDoble(F2A(3) + 8), 40.0);

  // Command 1 on a row whose holder was erased: the row is deleted and the table reloaded.
  a.FilaTrabajo(1)[0] = 0;
  EXPECT_EQ(ventana.CModeloFilasDoc::OrdenFila(0, 1, 0), 0);
  EXPECT_EQ(a.DamePrimera(), 0);
  EXPECT_EQ(LeerDoble(F2A(1) + 8), 3.0);
  EXPECT_EQ(F2A(2)[0], 3);
  EXPECT_EQ(F2A(3)[0], 0);
  EXPECT_EQ(a.TitularTrabajo(2), 3);

  // Other commands on an empty row: WIN045 and -1; else revert (mark 1) or store.
  EXPECT_EQ(ventana.CModeloFilasDoc::OrdenFila(0, 2, 0), 0);
  EXPECT_EQ(ventana.CModeloFilasDoc::OrdenFila(2, 3, 0), 0);
  EXPECT_EQ(ventana.CModeloFilasDoc::OrdenFila(2, 3, 1), 0);
  EXPECT_TRUE(m_guion.Codigos().empty());
  a.Navegar(0);
  a.Navegar(0);
  EXPECT_EQ(ventana.CModeloFilasDoc::OrdenFila(2, 2, 0), -1);
  EXPECT_EQ(m_guion.Codigos(), std::vector<std::string>{"WIN045"});
  PonerDoble(a.FilaTrabajo(2) + 8, 55);
  a.FilaTrabajo(2)[0] = 2;
  EXPECT_EQ(ventana.CModeloFilasDoc::OrdenFila(0, 2, 1), 0);
  EXPECT_EQ(LeerDoble(a.FilaTrabajo(2) + 8), 40.0);
  EXPECT_EQ(a.TitularTrabajo(2), 3);

  // A mark of 1 on command 1 stores at once.
  PonerDoble(a.FilaTrabajo(2) + 8, 66);
  EXPECT_EQ(ventana.CModeloFilasDoc::OrdenFila(0, 1, 1), 0);
  EXPECT_EQ(LeerDoble(F2A(2) + 8), 66.0);
}

}  // namespace
