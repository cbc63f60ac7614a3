// The interface switched to Galician the way the program switches it (the language's catalog and the language
// letter): the declaration index speaks Galician (its caption, its buttons, its grid's headings), a page's box reads
// its Galician text from the box table's twin, a coded message comes from the Galician message table, and the texts
// the program assembles at run time (print and filing progress, printed page numbers) speak Galician around their
// data.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/button.h>

#include <filesystem>
#include <string>

#include "AlmacenPrueba.h"
#include "PruebasWx.h"
#include "framework/BaseDatos.h"
#include "framework/ControlesPagina.h"
#include "framework/GridCtrl.h"
#include "framework/GridModelo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"
#include "framework/ServiciosAplicacion.h"
#include "output/ImpresionReglas.h"
#include "output/InternetFichero.h"
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
  std::string cabeceraDeclaraciones;
  std::string cabeceraModelo;
  std::string guardadaDeclaraciones;
  wxTheApp->CallAfter([&] {
    titulo = dialogo.GetTitle();
    alta = dialogo.FindWindow(shell::kIdAlta)->GetLabel();
    if (auto* rejilla = dynamic_cast<marco::CGridCtrl*>(dialogo.FindWindow(shell::kIdRejilla))) {
      cabeceraDeclaraciones = rejilla->Modelo().TextoMostradoCelda(0, 1);
      cabeceraModelo = rejilla->Modelo().TextoMostradoCelda(0, 2);
      guardadaDeclaraciones = rejilla->Modelo().DameTextoCelda(0, 1);
    }
    dialogo.EndModal(99);
  });
  dialogo.ShowModal();
  EXPECT_EQ(titulo, wxString::FromUTF8("Índice de declaracións "));
  EXPECT_EQ(alta, wxString::FromUTF8("&Alta"));
  // The grid keeps its heading in Castilian and shows it in Galician.
  EXPECT_EQ(cabeceraDeclaraciones, Cp("Declaracións"));
  EXPECT_EQ(cabeceraModelo, "Mod.");
  EXPECT_EQ(guardadaDeclaraciones, "Declaraciones");

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

// Texts assembled at run time: each fixed piece in Galician, the numbers and names in it as they are; a cell that
// is not a heading shows its data untranslated even when it reads like a heading.
TEST_F(IdiomaGallegoVentanaTest, LosTextosArmadosAlVueloHablanGallego) {
  EXPECT_EQ(salida::TextoPaginaImprimiendo(3, 5), Cp("Imprimindo páx.: 3 de 5"));
  EXPECT_EQ(salida::TextoDocumentoImprimiendo("RENTA 1999  ", "Laser", "LPT1"),
            Cp("Imprimindo RENTA 1999 sobre Laser no porto LPT1  "));
  EXPECT_EQ(salida::TextoHojaImpresa(2, 3, ""), Cp("Páxina 2 (folla 3)"));
  EXPECT_EQ(salida::TextoProgresoPagina(1, 8), Cp("Escribindo a páxina 1 de 8"));
  EXPECT_EQ(salida::TextoPaginaFalta(8, 217), Cp("Páxina 8 (217)"));

  marco::CGridModelo grid;
  grid.PonNumeroFilas(2);
  grid.PonNumeroColumnas(2);
  grid.PonFilasFijas(1);
  grid.PonColumnasFijas(0);
  grid.PonTextoCelda(0, 1, Cp("Descripción"));
  grid.PonTextoCelda(1, 1, Cp("Descripción"));
  EXPECT_EQ(grid.TextoMostradoCelda(0, 1), Cp("Descrición"));
  EXPECT_EQ(grid.TextoMostradoCelda(1, 1), Cp("Descripción"));
  EXPECT_EQ(grid.TextoMostradoCelda(0, 0), "");
  EXPECT_EQ(grid.TextoMostradoCelda(5, 5), "");
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
