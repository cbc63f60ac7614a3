// The toolkit has no Galician catalog of its own texts (the labels of its standard buttons and menu entries): the
// program brings its own, data/idiomas/wxstd/gl.po. In Galician the standard buttons read Galician; a toolkit text
// that catalog lacks reads Castilian, never English; and every text of that catalog is one the toolkit asks for.
#include <gtest/gtest.h>
#include <wx/defs.h>
#include <wx/msgdlg.h>
#include <wx/stockitem.h>
#include <wx/translation.h>

#include <string>

#include "ComunIdiomas.h"
#include "PruebasWx.h"
#include "TraduccionesPagina.h"
#include "framework/TextosVentana.h"
#include "shell/Idiomas.h"

namespace {

using idiomas::Leer;
namespace fs = std::filesystem;

class ToolkitGallegoTest : public ::testing::Test {
 protected:
  void TearDown() override {
    shell::CargarCatalogoIdioma('e', KORVELIX_LOCALE);
    shell::QuitarCatalogoIdioma();
  }
};

TEST_F(ToolkitGallegoTest, LosBotonesEstandarHablanGallegoYLoQueFaltaCastellano) {
  // A toolkit text our Galician catalog lacks, as the Castilian interface shows it (English where the system has no
  // Castilian catalog of the toolkit either).
  shell::CargarCatalogoIdioma('e', KORVELIX_LOCALE);
  const wxString imprimiendo = wxGetTranslation("Printing");
  ASSERT_TRUE(shell::CargarCatalogoIdioma('g', KORVELIX_LOCALE));
  const struct {
    int id;
    const char* conAtajo;
    const char* sinAtajo;
  } botones[] = {{wxID_OK, "&Aceptar", "Aceptar"}, {wxID_CANCEL, "&Cancelar", "Cancelar"}, {wxID_YES, "&Si", "Si"},
                 {wxID_NO, "&Non", "Non"},          {wxID_CLOSE, "&Pechar", "Pechar"},      {wxID_HELP, "A&xuda", "Axuda"},
                 {wxID_APPLY, "&Aplicar", "Aplicar"}};
  for (const auto& b : botones) {
    EXPECT_EQ(wxGetStockLabel(b.id), wxString::FromUTF8(b.conAtajo)) << b.id;
    EXPECT_EQ(wxGetStockLabel(b.id, wxSTOCK_NOFLAGS), wxString::FromUTF8(b.sinAtajo)) << b.id;
  }
  // The message boxes' own buttons.
  EXPECT_EQ(wxGetTranslation("Yes"), "Si");
  EXPECT_EQ(wxGetTranslation("No"), "Non");
  // A toolkit text the Galician catalog lacks: Castilian, not English.
  EXPECT_EQ(wxGetTranslation("Printing"), imprimiendo);
  // The program's own texts still come from its catalog, ahead of the toolkit's.
  EXPECT_EQ(wxGetTranslation("&No"), "&Non");
  EXPECT_EQ(wxGetTranslation(wxString::FromUTF8("Índice de Declaraciones ")),
            wxString::FromUTF8("Índice de declaracións "));

  // Catalan keeps the toolkit's own catalog.
  ASSERT_TRUE(shell::CargarCatalogoIdioma('c', KORVELIX_LOCALE));
  EXPECT_NE(wxGetStockLabel(wxID_CANCEL), "&Cancel");
  EXPECT_NE(wxGetStockLabel(wxID_CANCEL), "&Cancelar");
}

// The program's message boxes (the question to keep a changed declaration, the Internet file's "file exists") carry
// the catalogs' labels, not the system's, which may lack Galician: "Si", "Non", "Cancelar".
TEST_F(ToolkitGallegoTest, LasPreguntasLlevanLosBotonesEnGallego) {
  REQUIERE_PANTALLA();
  ASSERT_TRUE(shell::CargarCatalogoIdioma('g', KORVELIX_LOCALE));
  // The toolkit writes a label's mnemonic its own way ("_Si" or "&Si"): compare without it.
  auto sin = [](wxString etiqueta) {
    etiqueta.Replace("_", "");
    etiqueta.Replace("&", "");
    return etiqueta;
  };
  const long conCancelar = wxYES_NO | wxCANCEL | wxICON_QUESTION;
  wxMessageDialog pregunta(nullptr, "?", "Korvelix", conCancelar);
  marco::PonerBotonesPregunta(pregunta, conCancelar);
  EXPECT_EQ(sin(pregunta.GetYesLabel()), "Si");
  EXPECT_EQ(sin(pregunta.GetNoLabel()), "Non");
  EXPECT_EQ(sin(pregunta.GetCancelLabel()), "Cancelar");
  wxMessageDialog aviso(nullptr, "!", "Korvelix", wxOK | wxCANCEL);
  marco::PonerBotonesPregunta(aviso, wxOK | wxCANCEL);
  EXPECT_EQ(sin(aviso.GetOKLabel()), "Aceptar");
  EXPECT_EQ(sin(aviso.GetCancelLabel()), "Cancelar");
}

// Every text of our catalog is a text the toolkit translates (a misspelt one would never be asked for). Checked
// against the toolkit's Castilian catalog, when the system has it.
TEST_F(ToolkitGallegoTest, CadaTextoDelCatalogoPropioEsUnoDelToolkit) {
  paginas::CCatalogo propio;
  std::string error;
  const fs::path ruta = fs::path(KORVELIX_FUENTES_CATALOGOS_TOOLKIT) / "gl.po";
  ASSERT_TRUE(paginas::LeeCatalogo(Leer(ruta), ruta.string(), propio, error)) << error;
  ASSERT_GE(propio.size(), 14u);
  shell::CargarCatalogoIdioma('e', KORVELIX_LOCALE);
  wxTranslations* traducciones = wxTranslations::Get();
  ASSERT_NE(traducciones, nullptr);
  const wxString dominio = wxString::Format("wxstd-%d.%d", wxMAJOR_VERSION, wxMINOR_VERSION);
  if (!traducciones->IsLoaded(dominio)) GTEST_SKIP() << "the system has no Castilian catalog of the toolkit";
  for (const auto& [texto, traduccion] : propio) {
    EXPECT_NE(traducciones->GetTranslatedString(wxString::FromUTF8(texto), dominio), nullptr) << texto;
  }
}

}  // namespace
