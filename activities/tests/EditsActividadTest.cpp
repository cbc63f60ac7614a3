#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "ModulosPrueba.h"
#include "activities/EditsActividad.h"
#include "framework/Campo.h"
#include "framework/FabricaEdit.h"

namespace actividades::pruebas {
namespace {

// A window that accepts activity 20 with epigraph 659.4 (or cancels) and records the preset it was opened on.
struct SVentana {
  bool aceptar = true;
  int veces = 0;
  std::string epigrafeInicial;
  FVentanaActividad Funcion() {
    return [this](CCargaModulos& carga, std::int32_t, CDatosMod& datos) {
      ++veces;
      epigrafeInicial = carga.EpigrafeInicial();
      if (aceptar) carga.CargarDatosModulos(20, "659.4", datos);
      return aceptar;
    };
  }
};

class EditsActividad : public CPruebaModulos {
 protected:
  void SetUp() override {
    CPruebaModulos::SetUp();
    campo_.StrValidac = "X5";
    campo_.LeerMascara(marco::kMonedaPesetas);
    campo_.Dato = fila_.data();
    campo_.Enlace = fila_.data();
    campo_.Longitud = 5;
  }
  void Teclear(marco::CEditEx& edit, std::string_view texto) {
    for (const char c : texto) edit.AlCaracter(static_cast<unsigned char>(c));
  }
  std::array<unsigned char, kLargoFilaModulos> fila_{};
  marco::CCampo campo_;
};

TEST_F(EditsActividad, ElCodigoSeTecleaConElPuntoEnCuartoLugar) {
  CSelIAEEdit edit(campo_, &base_);
  Teclear(edit, "6.59x.4");
  EXPECT_EQ(edit.Texto(), "659.4");
  EXPECT_TRUE(edit.Tecleado());
}

TEST_F(EditsActividad, AlSalirSeConfirmaLoTecleadoEnLaVentana) {
  CSelIAEEdit edit(campo_, &base_);
  SVentana ventana;
  edit.PonerVentana(ventana.Funcion());
  Teclear(edit, "659.4");
  const std::string texto = edit.Texto();
  edit.ValidarAlSalir(&texto);
  EXPECT_EQ(ventana.veces, 1);
  EXPECT_EQ(ventana.epigrafeInicial, "659.4");
  std::int32_t id = 0;
  std::memcpy(&id, fila_.data() + FilaModulos::IdIae, sizeof id);
  EXPECT_EQ(id, 20);
  EXPECT_EQ(fila_[FilaModulos::Modulos + FilaModulos::ModuloId], 1);
  EXPECT_EQ(edit.Texto(), "659.4");
  EXPECT_FALSE(edit.Tecleado());
  // Once chosen, nothing more is typed into it; leaving again opens nothing.
  Teclear(edit, "1");
  EXPECT_EQ(edit.Texto(), "659.4");
  edit.ValidarAlSalir(&texto);
  EXPECT_EQ(ventana.veces, 1);
}

// A heading typed that no activity of the catalogue lists is refused before any window opens: its message names
// it, nothing of it stays in the row (no code without its activity) and the page is told the box was erased.
TEST_F(EditsActividad, UnEpigrafeTecleadoQueNingunaActividadTieneSeRechaza) {
  for (const char* tecleado : {"721.2", "659.3", "501.3"}) {  // 501.3 is listed, but its activity is not income tax
    fila_.fill(0);
    CSelIAEEdit edit(campo_, &base_);
    SVentana ventana;
    edit.PonerVentana(ventana.Funcion());
    Teclear(edit, tecleado);
    const std::string texto = edit.Texto();
    edit.ValidarAlSalir(&texto);
    EXPECT_EQ(ventana.veces, 0) << tecleado;
    EXPECT_EQ(guion_.Codigos().back(), kMensajeEpigrafeSinActividad) << tecleado;
    EXPECT_EQ(guion_.Mensajes().back().extra, tecleado);
    EXPECT_EQ(fila_[0], 0) << tecleado;
    std::int32_t id = 0;
    std::memcpy(&id, fila_.data() + FilaModulos::IdIae, sizeof id);
    EXPECT_EQ(id, 0) << tecleado;
    EXPECT_EQ(edit.Texto(), "") << tecleado;
    EXPECT_FALSE(edit.Tecleado());
  }
  EXPECT_EQ(guion_.Veces(std::string(kMensajeEpigrafeSinActividad)), 3);
  // A heading the catalogue lists goes on to the window.
  fila_.fill(0);
  CSelIAEEdit edit(campo_, &base_);
  SVentana ventana;
  edit.PonerVentana(ventana.Funcion());
  Teclear(edit, "659.2");
  const std::string texto = edit.Texto();
  edit.ValidarAlSalir(&texto);
  EXPECT_EQ(ventana.veces, 1);
  EXPECT_TRUE(Carga(3).OfreceEpigrafe("659.2"));
  EXPECT_FALSE(Carga(3).OfreceEpigrafe("501.3"));
  EXPECT_TRUE(Carga(2).OfreceEpigrafe("501.3"));
  EXPECT_FALSE(Carga(3).OfreceEpigrafe(""));
}

TEST_F(EditsActividad, CancelarEnLaVentanaDejaLaFilaComoEstaba) {
  std::memcpy(fila_.data(), "659.1", 5);
  const auto antes = fila_;
  CSelIAEEdit edit(campo_, &base_);
  SVentana ventana;
  ventana.aceptar = false;
  edit.PonerVentana(ventana.Funcion());
  EXPECT_EQ(edit.AbrirSeleccion(0), kSeleccionSinCambios);
  EXPECT_EQ(fila_, antes);
  EXPECT_EQ(edit.Texto(), "659.1");
}

TEST_F(EditsActividad, BorrarPreguntaPrimero) {
  std::memcpy(fila_.data(), "659.4", 5);
  CSelIAEEdit edit(campo_, &base_);
  guion_.Responder(marco::kBotonCancelar);
  EXPECT_EQ(edit.BorrarSeleccion(), 1);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(fila_.data()), 5), "659.4");
  guion_.Responder(marco::kBotonAceptar);
  EXPECT_EQ(edit.BorrarSeleccion(), 2);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(fila_.data()), 5), "     ");
  EXPECT_EQ(guion_.Veces("390E013"), 2);
}

TEST_F(EditsActividad, SinEnlaceAvisaYNoAbre) {
  campo_.Enlace = nullptr;
  CSelIAEEdit edit(campo_, &base_);
  SVentana ventana;
  edit.PonerVentana(ventana.Funcion());
  EXPECT_EQ(edit.AbrirSeleccion(0), kSeleccionBorrar);
  EXPECT_EQ(ventana.veces, 0);
  EXPECT_EQ(guion_.Veces("WIN019"), 1);
}

TEST_F(EditsActividad, LaClaveDeSectorSoloAdmiteDeUnoASiete) {
  std::array<unsigned char, kLargoFilaAgraria> fila{};
  campo_.StrValidac = "X1";
  campo_.LeerMascara(marco::kMonedaPesetas);
  campo_.Dato = fila.data();
  campo_.Enlace = fila.data();
  campo_.Longitud = 1;
  CSelClaveEdit edit(campo_, &base_);
  Teclear(edit, "089");
  EXPECT_EQ(edit.Texto(), "");
  Teclear(edit, "7");
  EXPECT_EQ(edit.Texto(), "7");
}

TEST(FabricaActividades, LasCajasDeActividadTomanSusEdits) {
  marco::CFabricaEdit fabrica;
  RegistrarEditsActividad(fabrica);
  EXPECT_TRUE(fabrica.EstaRegistrada(marco::EClaseEdit::SelIAEEdit));
  EXPECT_TRUE(fabrica.EstaRegistrada(marco::EClaseEdit::SelClaveEdit));
}

}  // namespace
}  // namespace actividades::pruebas
