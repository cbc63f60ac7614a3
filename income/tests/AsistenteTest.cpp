// The wizard sheet's rules without a window: the title of each step, the buttons, the page movement with the
// pages' exchange, and the results of finishing and cancelling.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "framework/DialogoPlantilla.h"
#include "framework/DialogoSimulado.h"
#include "framework/TemplatePropPg.h"
#include "income/Asistente.h"

using namespace renta;

namespace {

// A page with one text field bound to its own value.
class CPaginaPrueba : public marco::CTemplatePropPg {
 public:
  explicit CPaginaPrueba(int recurso) : marco::CTemplatePropPg(recurso, "Prueba") {
    marco::CPlantillaDialogo p(100, 40, "Prueba");
    p.Edicion(100, {4, 4, 40, 12}, 0, 8);
    Plantilla() = p;
  }
  int OnInitDialog() override {
    EnlazarTexto(100, valor.data(), valor.size());
    marco::CTemplatePropPg::OnInitDialog();
    ActualizarDatos(0);
    return 1;
  }
  std::array<char, 8> valor{};
};

class CVentanaAnotada : public CVentanaAsistente {
 public:
  void MostrarPagina(int indice) override { paginas.push_back(indice); }
  void PonerTitulo(std::string_view t) override { titulo = std::string(t); }
  void HabilitarBoton(int boton, bool h) override { habilitados[boton] = h; }
  void Terminar(int r) override { resultado = r; }
  std::vector<int> paginas;
  std::string titulo;
  std::map<int, bool> habilitados;
  int resultado = 0;
};

class AsistenteTest : public ::testing::Test {
 protected:
  AsistenteTest() : hoja("DATOS", nullptr), p1(130), p2(131), p3(132), v1(p1.Plantilla()), v2(p2.Plantilla()), v3(p3.Plantilla()) {
    for (CPaginaPrueba* p : {&p1, &p2, &p3}) hoja.AnadirPagina(*p);
    v1.Abrir(p1);
    v2.Abrir(p2);
    v3.Abrir(p3);
    hoja.AsociarVentana(&ventana);
  }
  CAsistente hoja;
  CPaginaPrueba p1, p2, p3;
  marco::CControlesSimulados v1, v2, v3;
  CVentanaAnotada ventana;
};

TEST_F(AsistenteTest, TituloYBotonesDeCadaPaso) {
  EXPECT_EQ(ventana.titulo, "DATOS - Paso 1 de 3");
  EXPECT_FALSE(ventana.habilitados[kBotonAtras]);
  EXPECT_TRUE(ventana.habilitados[kBotonSiguiente]);
  EXPECT_TRUE(ventana.habilitados[kBotonAplicar]);

  EXPECT_EQ(hoja.OnBoton(kBotonSiguiente), 1);
  EXPECT_EQ(hoja.OnBoton(kBotonSiguiente), 1);
  EXPECT_EQ(hoja.PaginaActiva(), 2);
  EXPECT_EQ(ventana.titulo, "DATOS - Paso 3 de 3");
  EXPECT_TRUE(ventana.habilitados[kBotonAtras]);
  EXPECT_FALSE(ventana.habilitados[kBotonSiguiente]);
  // Nothing beyond the last page, nor before the first.
  EXPECT_EQ(hoja.OnBoton(kBotonSiguiente), 0);
  EXPECT_EQ(hoja.MoverPagina(kMoverAtras, 5), 0);
  EXPECT_EQ(hoja.MoverPagina(kMoverAtras, 2), 1);
  EXPECT_EQ(hoja.PaginaActiva(), 0);
  EXPECT_EQ(ventana.paginas, (std::vector<int>{0, 1, 2, 0}));
  EXPECT_EQ(hoja.MoverPagina(99, 1), 0);
}

TEST_F(AsistenteTest, LaPaginaQueSeDejaGuardaYLaQueEntraMuestra) {
  v1.Escribir(100, "UNO");
  hoja.OnBoton(kBotonSiguiente);
  EXPECT_EQ(std::string(p1.valor.data(), 3), "UNO");
  p1.valor[0] = 'A';  // changed while another page is shown
  hoja.OnBoton(kBotonAtras);
  EXPECT_EQ(v1.Control(100)->texto, "ANO");
}

TEST_F(AsistenteTest, AplicarGuardaTodasLasPaginasYTermina) {
  v1.Escribir(100, "UNO");
  v3.Escribir(100, "TRES");
  EXPECT_EQ(hoja.OnBoton(kBotonAplicar), 1);
  EXPECT_EQ(hoja.Resultado(), kAsistenteTerminado);
  EXPECT_EQ(ventana.resultado, kAsistenteTerminado);
  EXPECT_EQ(std::string(p3.valor.data(), 4), "TRES");
  // Once ended, no button acts.
  EXPECT_EQ(hoja.OnBoton(kBotonCancelarAsistente), 0);
  EXPECT_EQ(hoja.Resultado(), kAsistenteTerminado);
}

TEST_F(AsistenteTest, CancelarNoGuarda) {
  v2.Escribir(100, "DOS");
  EXPECT_EQ(hoja.OnBoton(kBotonCancelarAsistente), 1);
  EXPECT_EQ(hoja.Resultado(), kAsistenteCancelado);
  EXPECT_EQ(p2.valor[0], '\0');
}

TEST_F(AsistenteTest, AyudaDeLaPaginaActiva) {
  hoja.OnBoton(kBotonSiguiente);
  hoja.OnBoton(kBotonAyudaAsistente);
  EXPECT_TRUE(v1.Ayudas().empty());
  EXPECT_EQ(v2.Ayudas(), std::vector<int>{1});
}

}  // namespace
