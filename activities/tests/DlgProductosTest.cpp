// The agricultural-product dialogs on simulated controls: net yields rounded to whole units, totals, the preset
// indexes and notes by product and activity code, the index of a line without yield cleared on OK, and the choice
// of dialog, index slot and hint by product.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "activities/DlgProductos.h"
#include "framework/DialogoSimulado.h"

namespace actividades {
namespace {

using marco::CControlesSimulados;

template <typename T>
struct SAbierto {
  SAbierto() : v(dlg.Plantilla()) {
    dlg.FijarEntorno({1, false, false, false});
    dlg.PonerCodigoSujeto(1);
  }
  void Abrir(int producto, std::int32_t codigo) {
    dlg.m_nProducto = producto;
    dlg.m_nCodigoActividad = codigo;
    dlg.PonerIndicesFijos(IndiceProducto(producto, codigo));
    v.Abrir(dlg);
  }
  void Poner(int id, std::string_view texto, int siguiente) {
    v.Enfocar(id);
    v.Escribir(id, texto);
    v.Enfocar(siguiente);
  }
  T dlg;
  CControlesSimulados v;
};

TEST(DlgProductos, RestoProductosRendimientosYTotal) {
  SAbierto<CDlgRestoProductos> d;
  d.Abrir(4, 3);  // the preset index of line 1: 0.26
  EXPECT_EQ(d.v.Texto(1042), "0,26");
  EXPECT_FALSE(d.v.Habilitado(1042));  // preset index
  EXPECT_FALSE(d.v.Habilitado(1100));  // net yield
  EXPECT_TRUE(d.v.Habilitado(1051));   // a typed index
  d.Poner(1584, "1000000", 1585);
  EXPECT_DOUBLE_EQ(d.dlg.m_valores[2], 260000.0);
  d.Poner(1585, "333333", 1051);
  d.Poner(1051, "0,13", 1588);
  EXPECT_DOUBLE_EQ(d.dlg.m_valores[5], 43333.0);  // 43,333.29 rounded
  EXPECT_DOUBLE_EQ(d.dlg.m_valores[9], 303333.0);
  EXPECT_EQ(d.v.Texto(kIdTotalProducto), "303.333");
  // Line 3 with an index but no income: its index goes on OK.
  d.Poner(1065, "0,5", 1584);
  d.v.Pulsar(marco::kIdAceptar);
  EXPECT_EQ(d.v.ResultadoVentana(), marco::kIdAceptar);
  EXPECT_EQ(d.dlg.m_valores[7], 0.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_valores[4], 0.13);
}

TEST(DlgProductos, NotasEIndicesFijosPorProductoYCodigo) {
  SAbierto<CDlgProducto1> p1;
  p1.Abrir(1, 7);
  EXPECT_DOUBLE_EQ(p1.dlg.m_valores[1], 0.23);
  EXPECT_DOUBLE_EQ(p1.dlg.m_valores[7], 0.23);
  EXPECT_DOUBLE_EQ(p1.dlg.m_valores[13], 0.23);
  EXPECT_EQ(p1.v.Texto(kIdNotaProducto), "");
  EXPECT_FALSE(p1.v.Habilitado(1207));  // line C's index
  EXPECT_TRUE(p1.v.Habilitado(1067));   // line B's index is typed

  SAbierto<CDlgProducto1> p1b;
  p1b.Abrir(1, 12);
  EXPECT_DOUBLE_EQ(p1b.dlg.m_valores[1], kIndiceReducido);
  EXPECT_DOUBLE_EQ(p1b.dlg.m_valores[7], kIndiceReducido);
  EXPECT_DOUBLE_EQ(p1b.dlg.m_valores[13], 0.13);
  EXPECT_EQ(p1b.v.Texto(kIdNotaProducto), kNotaIndicesReducidos);

  SAbierto<CDlgRestoProductos> p7;
  p7.Abrir(7, 3);
  EXPECT_EQ(p7.v.Texto(kIdNotaProducto), kNotaPorcinoCria);
  SAbierto<CDlgRestoProductos> p7b;
  p7b.Abrir(7, 7);
  EXPECT_EQ(p7b.v.Texto(kIdNotaProducto), "");

  SAbierto<CDlgRestoProductosTierras> p8;
  p8.Abrir(8, 3);
  EXPECT_EQ(p8.v.Texto(kIdNotaProducto), kNotaArrozPatata);
  EXPECT_EQ(p8.v.Texto(kIdEtiquetaIndiceReducido), "INDICE (*)");
  EXPECT_EQ(p8.v.Texto(kIdEtiquetaIndice), "");
  SAbierto<CDlgRestoProductosTierras> p6;
  p6.Abrir(6, 3);
  EXPECT_EQ(p6.v.Texto(kIdNotaProducto), "");
  EXPECT_EQ(p6.v.Texto(kIdEtiquetaIndice), "INDICE");
}

TEST(DlgProductos, TierrasPropiasYArrendadas) {
  SAbierto<CDlgRestoProductosTierras> d;
  d.Abrir(6, 3);  // slot 4: 0.32 on lines 1 and 4
  EXPECT_DOUBLE_EQ(d.dlg.m_valores[1], 0.32);
  EXPECT_DOUBLE_EQ(d.dlg.m_valores[11], 0.32);
  d.Poner(1328, "100000", 1586);
  d.Poner(1586, "50000", 1328);
  EXPECT_DOUBLE_EQ(d.dlg.m_valores[9], 32000.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_valores[19], 16000.0);
  EXPECT_DOUBLE_EQ(d.dlg.m_valores[20], 48000.0);
  EXPECT_EQ(d.v.Texto(1337), "32.000");
  EXPECT_EQ(d.v.Texto(1145), "16.000");

  // The one-part form: lines 4-6 of the same entry, the total in the grand total's place.
  SAbierto<CDlgRestoProductosB> b;
  b.Abrir(6, 3);
  b.Poner(1584, "50000", 1585);
  EXPECT_DOUBLE_EQ(b.dlg.m_valores[10], 50000.0);
  EXPECT_DOUBLE_EQ(b.dlg.m_valores[12], 16000.0);
  EXPECT_DOUBLE_EQ(b.dlg.m_valores[20], 16000.0);
  EXPECT_DOUBLE_EQ(b.dlg.m_valores[19], 0.0);
}

TEST(DlgProductos, RanurasDeIndice) {
  struct SCaso {
    int producto;
    std::int32_t codigo;
    double indice;
  };
  const SCaso casos[] = {
      {2, 222, 0.13}, {2, 7, 0.23},   {2, 0, 0.23},   {1, 7, 0.23},  {1, 3, 0.13},  {3, 7, 0.36},  {5, 1, 0.26},
      {6, 7, 0.42},   {7, 2, 0.32},   {8, 7, 0.47},   {9, 2, 0.37},  {10, 7, 0.52}, {12, 2, 0.42}, {11, 7, 0.42},
      {13, 7, 0.56},  {14, 7, 0.13},  {0, 7, 0.13},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(std::to_string(c.producto) + "/" + std::to_string(c.codigo));
    EXPECT_DOUBLE_EQ(kIndicesRendimiento[static_cast<std::size_t>(IndiceProducto(c.producto, c.codigo))], c.indice);
  }
}

TEST(DlgProductos, DialogoYAyudaDeCadaProducto) {
  EXPECT_EQ(CrearDialogoProducto(1, '1')->IdRecurso(), kRecursoProducto1);
  EXPECT_EQ(CrearDialogoProducto(2, '6')->IdRecurso(), kRecursoRestoProductos);
  EXPECT_NE(dynamic_cast<CDlgRestoProductosB*>(CrearDialogoProducto(8, '6').get()), nullptr);
  EXPECT_NE(dynamic_cast<CDlgRestoProductosTierras*>(CrearDialogoProducto(8, '3').get()), nullptr);
  EXPECT_EQ(CrearDialogoProducto(14, '1'), nullptr);
  EXPECT_EQ(CrearDialogoProducto(0, '1'), nullptr);
  EXPECT_EQ(CrearDialogoProducto(1, '1')->Valores(), 18u);
  EXPECT_EQ(CrearDialogoProducto(4, '1')->Valores(), 10u);
  EXPECT_EQ(CrearDialogoProducto(10, '1')->Valores(), 21u);
  EXPECT_EQ(TextoAyudaProducto(4), "Ganado bovino de carne y cunicultura.");
  EXPECT_TRUE(TextoAyudaProducto(14).empty());
  // The popup below the edit, to its left near the page's right edge.
  EXPECT_EQ(SituarAyudaProducto(100, 200, 50, 220, 800).x, 200);
  const SPuntoAyuda izquierda = SituarAyudaProducto(600, 700, 50, 220, 800);
  EXPECT_EQ(izquierda.x, 380);
  EXPECT_EQ(izquierda.y, 50);
}

}  // namespace
}  // namespace actividades
