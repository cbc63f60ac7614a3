// The interface switched to Galician the way the program switches it (the language's catalog and the language
// letter): the declaration index speaks Galician, a page's box reads its Galician text from the box table's twin,
// and a coded message comes from the Galician message table.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>

#include <filesystem>
#include <string>

#include "AlmacenPrueba.h"
#include "PruebasWx.h"
#include "framework/BaseDatos.h"
#include "framework/ControlesPagina.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/TextosVentana.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"
#include "shell/DlgIndiceDeclaraciones.h"
#include "shell/Idiomas.h"

namespace {

using pruebasalmacen::AlmacenTest;

std::string Cp(const char* utf8) { return plataforma::Utf8ACp1252(utf8); }

class IdiomaGallegoVentanaTest : public AlmacenTest {
 protected:
  void SetUp() override {
    AlmacenTest::SetUp();
    ASSERT_TRUE(shell::CargarCatalogoIdioma('g', KORVELIX_LOCALE));
    marco::PonerIdiomaV("g");
  }
  void TearDown() override {
    shell::CargarCatalogoIdioma('e', KORVELIX_LOCALE);
    shell::QuitarCatalogoIdioma();
    marco::PonerIdiomaV("e");
    AlmacenTest::TearDown();
  }
};

TEST_F(IdiomaGallegoVentanaTest, ElIndiceUnaCasillaYUnMensajeHablanGallego) {
  REQUIERE_PANTALLA();
  marco::CGuionMensajes guion({marco::kBotonAceptar});
  shell::CIndiceDeclaraciones indice(&m_red, &m_local);
  shell::CDlgIndiceDeclaraciones dialogo(nullptr, indice);
  wxString titulo;
  wxString alta;
  wxTheApp->CallAfter([&] {
    titulo = dialogo.GetTitle();
    alta = dialogo.FindWindow(shell::kIdAlta)->GetLabel();
    dialogo.EndModal(99);
  });
  dialogo.ShowModal();
  EXPECT_EQ(titulo, wxString::FromUTF8("Índice de declaracións "));
  EXPECT_EQ(alta, wxString::FromUTF8("&Alta"));

  // A box of page 1 of D-100: its status-bar text comes from the Galician twin of the box table.
  marco::CBaseDatos local;
  ASSERT_EQ(local.Abrir((std::filesystem::path(KORVELIX_DATOS) / "local").string() + "/", false, 1, "DBF"), 1);
  marco::CControlesPagina controles;
  ASSERT_EQ(controles.Cargar(201, 1.0, &local), 1);
  ASSERT_NE(controles.CampoDeNumero(1), nullptr);
  EXPECT_EQ(controles.CampoDeNumero(1)->TextoDibuj, Cp("Delegación da Axencia Tributaria: escolla da lista"));

  // A coded message: the Galician title's first word and text.
  EXPECT_EQ(marco::CDlgMensaje(nullptr, &m_local).MostrarMensaje("WIN016", marco::IconoMano), marco::kBotonAceptar);
  ASSERT_EQ(guion.Mensajes().size(), 1u);
  EXPECT_EQ(guion.Mensajes()[0].titulo, "NOME");
  EXPECT_EQ(guion.Mensajes()[0].texto, Cp("Escriba o nome da nova declaración."));
}

TEST_F(IdiomaGallegoVentanaTest, LasAyudasDeLosBotonesYLaBarraDeEstadoHablanGallego) {
  // The tool tips of the pages' own buttons and the status bar's panes of the person and the form.
  struct Caso {
    std::string castellano;
    const char* gallego;
  } casos[] = {
      {"Siguiente", "Seguinte"},
      {"Anterior", "Anterior"},
      {Cp("Información Adicional"), "Información adicional"},
      {std::string(renta::TextoEstadoSujeto(marco::kSujetoUnidadFamiliar)), "U.FAMILIAR"},
      {std::string(renta::TextoEstadoSujeto(marco::kSujetoConyuge)), "CÓNXUXE"},
      {std::string(renta::TextoEstadoSujeto(marco::kSujetoHijo2)), "FILLO 2º"},
      {std::string(renta::TextoEstadoFormulario(2)), "ORDINARIA"},
  };
  for (const Caso& c : casos) EXPECT_EQ(marco::TextoFijoWx(c.castellano), wxString::FromUTF8(c.gallego)) << c.gallego;
  // A text the catalog lacks is shown as written.
  EXPECT_EQ(marco::TextoFijoWx("ZZ sin traducir"), wxString("ZZ sin traducir"));
}

}  // namespace
