// The main window's menus and tool bar as data, the go-to-page dialog's rules, and the toolkit's own catalog
// loaded with the interface language; none needs a display.
#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <span>
#include <map>
#include <optional>
#include <set>
#include <string>

#include <wx/translation.h>

#include "framework/ComandosDocumento.h"
#include "shell/Comandos.h"
#include "shell/DlgIrPagina.h"
#include "shell/Idiomas.h"

namespace {

// Every entry gets an id that menus accept (ids from 0x7FFF on raise an assertion each time a menu is made), one
// per command, that comes back as the command.
TEST(MenusPrincipales, CadaOpcionTieneSuIdYVuelve) {
  std::map<int, int> idDeComando;
  auto comprobar = [&idDeComando](int comando) {
    const int id = shell::IdWxComando(comando);
    EXPECT_GT(id, 0) << comando;
    EXPECT_LE(id, marco::kIdWxMaximo) << comando;
    EXPECT_EQ(shell::ComandoDeIdWx(id), comando);
    const auto [posicion, nuevo] = idDeComando.emplace(comando, id);
    if (!nuevo) {
      EXPECT_EQ(posicion->second, id) << comando;
    }
  };
  for (const shell::SMenuPrincipal& menu : shell::MenusPrincipales()) {
    for (const shell::SOpcionMenu& opcion : shell::OrdenesDelMenu(menu)) comprobar(opcion.comando);
  }
  for (const shell::SBotonHerramienta& boton : shell::BotonesHerramientas()) {
    if (boton.tipo != shell::ETipoOpcion::Separador) comprobar(boton.comando);
  }
  std::set<int> ids;
  for (const auto& [comando, id] : idDeComando) EXPECT_TRUE(ids.insert(id).second) << comando;
}

// The document menu's texts and accelerators as users (and the end-to-end suite) know them; the document's
// commands are the framework's numbers, so the document that answers a menu entry is the one that rules it.
TEST(MenusPrincipales, LasOrdenesDeLaDeclaracionConSusTextos) {
  std::map<int, std::string> textos;
  for (const shell::SMenuPrincipal& menu : shell::MenusPrincipales()) {
    for (const shell::SOpcionMenu& opcion : shell::OrdenesDelMenu(menu)) textos[opcion.comando] = std::string(opcion.texto);
  }
  const std::map<int, std::string> esperados{
      {marco::kComandoGuardar, "&Guardar\tCtrl+G"},
      {marco::kComandoCerrar, "&Cerrar"},
      {marco::kComandoIrAPaginaMenu, "&Ir a p\u00e1gina... \tCtrl+I"},
      {marco::kComandoPrimeraPagina, "P\u00e1gina &1"},
      {marco::kComandoPaginaAnterior, "&Anterior"},
      {marco::kComandoPaginaSiguiente, "&Siguiente"},
      {marco::kComandoUltimaPagina, "&Ultima P\u00e1gina"},
      {marco::kComandoEstadoDeclaracion, "&Estado de la Declaraci\u00f3n"},
      {marco::kComandoBorrador, "&Presentaci\u00f3n borrador"},
      {marco::kComandoImportar, "I&mportar"},
      {marco::kComandoExportar, "&Exportar"},
      {shell::kComandoApartados, "&Apartados de la Declaraci\u00f3n"},
      // The persons, each with its mnemonic and its own accelerator (in their submenu of "Declaración").
      {marco::kComandoUnidadFamiliar, "&Unidad Familiar\tCtrl+F"},
      {marco::kComandoDeclarante, "&Declarante\tCtrl+D"},
      {marco::kComandoConyuge, "&C\u00f3nyuge\tCtrl+Y"},
      {marco::kComandoHijo1, "Hijo &1\tCtrl+J"},
      {marco::kComandoHijo2, "Hijo &2\tCtrl+K"},
      {marco::kComandoDatosPersonales, "&Datos personales y familiares"},
      {marco::kComandoResumenResultados, "&Resumen de resultados"},
      // The calculator (alone, or into the active box of a page) and the help entry.
      {marco::kComandoCalculadora, "&Calculadora\tF5"},
      {shell::kComandoTemasAyuda, "&Temas de Ayuda\tF1"},
  };
  for (const auto& [comando, texto] : esperados) EXPECT_EQ(textos[comando], texto) << comando;
  EXPECT_EQ(shell::IdWxComando(marco::kComandoGuardar), marco::ComandoAWx(marco::kComandoGuardar));
  EXPECT_EQ(shell::IdWxComando(marco::kComandoExportar), marco::ComandoAWx(marco::kComandoExportar));
  // Only the declaration's own commands wait for one.
  EXPECT_TRUE(shell::NecesitaDeclaracion(marco::kComandoGuardar));
  EXPECT_TRUE(shell::NecesitaDeclaracion(marco::kComandoEstadoDeclaracion));
  EXPECT_FALSE(shell::NecesitaDeclaracion(marco::kComandoExportar));
  EXPECT_FALSE(shell::NecesitaDeclaracion(shell::kComandoNuevo));
  EXPECT_TRUE(shell::NecesitaDeclaracion(marco::kComandoConyuge));
  EXPECT_TRUE(shell::NecesitaDeclaracion(marco::kComandoResumenResultados));
  EXPECT_FALSE(shell::NecesitaDeclaracion(marco::kComandoCalculadora));
  EXPECT_FALSE(shell::NecesitaDeclaracion(shell::kComandoTemasAyuda));
  // The page's calculator command and the menu entry are one command, so a page takes it first.
  EXPECT_EQ(shell::IdWxComando(marco::kComandoCalculadora), marco::ComandoAWx(marco::kComandoCalculadora));
}

// The letter after "&" of a menu text, in capitals ("" without one).
std::string Mnemonico(std::string_view texto) {
  const std::size_t amp = texto.find('&');
  if (amp == std::string_view::npos || amp + 1 >= texto.size()) return {};
  return wxString::FromUTF8(std::string(texto.substr(amp + 1))).Left(1).Upper().ToStdString(wxConvUTF8);
}

// A letter typed in the open "Declaración" menu reaches the persons, the personal data and the summary without
// a second entry of the same letter in the way (the older entries "&Siguiente" and "&Simplificada" share theirs);
// the persons' submenu has a letter per person; no two commands share an accelerator.
TEST(MenusPrincipales, LasPersonasSeEligenConUnaLetraYTienenSuAtajo) {
  std::multiset<std::string> letras;
  const shell::SOpcionMenu* persona = nullptr;
  std::set<std::string> atajos;
  std::function<void(std::span<const shell::SOpcionMenu>)> atajosDe = [&](std::span<const shell::SOpcionMenu> ops) {
    for (const shell::SOpcionMenu& o : ops) {
      const std::size_t tab = o.texto.find('\t');
      if (tab != std::string_view::npos) {
        EXPECT_TRUE(atajos.insert(std::string(o.texto.substr(tab + 1))).second) << o.texto;
      }
      if (o.tipo == shell::ETipoOpcion::Submenu) atajosDe(o.submenu);
    }
  };
  for (const shell::SMenuPrincipal& menu : shell::MenusPrincipales()) {
    atajosDe(menu.opciones);
    if (menu.titulo != "&Declaraci\u00f3n") continue;
    for (const shell::SOpcionMenu& opcion : menu.opciones) {
      if (opcion.tipo == shell::ETipoOpcion::Separador) continue;
      letras.insert(Mnemonico(opcion.texto));
      if (opcion.tipo == shell::ETipoOpcion::Submenu) persona = &opcion;
    }
  }
  ASSERT_NE(persona, nullptr);
  EXPECT_EQ(persona->texto, "&Persona");
  for (const char* letra : {"P", "D", "R"}) EXPECT_EQ(letras.count(letra), 1u) << letra;
  std::set<std::string> dePersonas;
  for (const shell::SOpcionMenu& opcion : persona->submenu) {
    EXPECT_EQ(opcion.tipo, shell::ETipoOpcion::Marca) << opcion.texto;
    EXPECT_TRUE(dePersonas.insert(Mnemonico(opcion.texto)).second) << opcion.texto;
  }
  EXPECT_EQ(dePersonas, (std::set<std::string>{"U", "D", "C", "1", "2"}));
}

TEST(IrPagina, OfreceLasPaginasDeLaListaConSusTitulos) {
  const std::vector<shell::SApartado> apartados{
      {301, 3, "Datos personales"}, {302, 3, "Bienes inmuebles"}, {303, 3, ""},
      {201, 2, "Identificacion"},   {399, 3, "Fuera de la lista"}, {117, 1, "Resumen"},
  };
  const shell::CIrPagina patrimonio(apartados, 3, 4, 1);
  ASSERT_EQ(patrimonio.Paginas().size(), 4u);
  EXPECT_EQ(patrimonio.Paginas()[0], (shell::SPaginaOfrecida{1, "Datos personales"}));
  EXPECT_EQ(patrimonio.Paginas()[1], (shell::SPaginaOfrecida{2, "Bienes inmuebles"}));
  // A page without a title, and one the catalogue does not name, are offered by number.
  EXPECT_EQ(patrimonio.Paginas()[2], (shell::SPaginaOfrecida{3, ""}));
  EXPECT_EQ(patrimonio.Paginas()[3], (shell::SPaginaOfrecida{4, ""}));
  EXPECT_EQ(patrimonio.Inicial(), 2);
  EXPECT_EQ(patrimonio.FilaDe(4), 3);
  EXPECT_EQ(patrimonio.FilaDe(5), -1);

  // The summary page of the simplified form is its eighth page.
  const shell::CIrPagina simplificada(apartados, 1, 8, -1);
  EXPECT_EQ(simplificada.Paginas()[7].titulo, "Resumen");
  EXPECT_EQ(simplificada.Inicial(), 1);

  // The payment page of the ordinary form (217) is the last page of both income-tax forms; no other page of the
  // ordinary form takes a place in the simplified one.
  const std::vector<shell::SApartado> renta{
      {101, 1, "Identificacion"}, {107, 1, "Resultado"}, {208, 2, "Ganancias"}, {217, 2, "Ingreso o devolucion"},
  };
  const shell::CIrPagina d101(renta, 1, 8, -1);
  EXPECT_EQ(d101.Paginas()[6].titulo, "Resultado");
  EXPECT_EQ(d101.Paginas()[7].titulo, "Ingreso o devolucion");
  const shell::CIrPagina d100(renta, 2, 17, -1);
  EXPECT_EQ(d100.Paginas()[7].titulo, "Ganancias");
  EXPECT_EQ(d100.Paginas()[16].titulo, "Ingreso o devolucion");
  EXPECT_EQ(d100.Paginas()[0].titulo, "");
  const struct {
    int id, grupo;
    bool del;
    int numero;
  } paginas[] = {{217, 100, true, 8}, {217, 200, true, 17}, {208, 100, false, 8}, {107, 100, true, 7},
                 {107, 200, false, 7}, {303, 300, true, 3}, {217, 300, false, 17}};
  for (const auto& c : paginas) {
    EXPECT_EQ(shell::PaginaDelGrupo(c.id, c.grupo), c.del) << c.id << " " << c.grupo;
    EXPECT_EQ(shell::NumeroEnGrupo(c.id, c.grupo), c.numero) << c.id << " " << c.grupo;
  }

  const struct {
    const char* texto;
    std::optional<int> numero;
  } casos[] = {{"3", 3}, {" 4 ", 4}, {"1", 1}, {"0", std::nullopt}, {"5", std::nullopt},
               {"", std::nullopt}, {"2a", std::nullopt}, {"-1", std::nullopt}, {"99999999999", std::nullopt}};
  for (const auto& c : casos) EXPECT_EQ(patrimonio.Leer(c.texto), c.numero) << c.texto;

  // Page 100 is the personal and family data of an income-tax declaration, and of nothing else.
  EXPECT_EQ(d101.Leer("100"), 100);
  EXPECT_EQ(d100.Leer(" 100 "), 100);
  EXPECT_EQ(patrimonio.Leer("100"), std::nullopt);
  EXPECT_EQ(d100.Leer("99"), std::nullopt);

  // A declaration without pages offers nothing and takes nothing.
  const shell::CIrPagina vacia(apartados, 3, 0, -1);
  EXPECT_TRUE(vacia.Paginas().empty());
  EXPECT_EQ(vacia.Leer("1"), std::nullopt);
}

// The standard buttons ("Aceptar", "Cancelar", "Sí"...) come from the toolkit's catalog in the interface
// language; where the toolkit has none, from the closest language it has, Castilian last.
TEST(CatalogoToolkit, LosBotonesEstandarHablanElIdiomaDeLaInterfaz) {
  const struct {
    char letra;
    const char* cancelar;
    const char* aceptar;
  } casos[] = {{'e', "&Cancelar", "&Aceptar"},
               {'c', "&Cancel\u00b7la", "D'ac&ord"},
               {'v', "&Cancel\u00b7la", "D'ac&ord"},
               {'g', "&Cancelar", "&Aceptar"}};
  for (const auto& c : casos) {
    shell::CargarCatalogoIdioma(c.letra, KORVELIX_CATALOGOS);
    EXPECT_EQ(wxGetTranslation("&Cancel"), wxString::FromUTF8(c.cancelar)) << c.letra;
    EXPECT_EQ(wxGetTranslation("&OK"), wxString::FromUTF8(c.aceptar)) << c.letra;
  }
  shell::QuitarCatalogoIdioma();
  EXPECT_EQ(wxGetTranslation("&Cancel"), "&Cancel");
  // The system's translations follow the language of messages, and numbers do not move with it.
  const std::string mensajesAntes = std::setlocale(LC_MESSAGES, nullptr);
  const std::string numerosAntes = std::setlocale(LC_NUMERIC, nullptr);
  EXPECT_TRUE(shell::PonerIdiomaMensajesSistema('e'));
  EXPECT_EQ(std::string(std::setlocale(LC_MESSAGES, nullptr)).substr(0, 5), "es_ES");
  EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), numerosAntes);
  EXPECT_STREQ(std::localeconv()->decimal_point, ".");
  std::setlocale(LC_MESSAGES, mensajesAntes.c_str());

  EXPECT_EQ(shell::IdiomasAlternativosToolkit("ca@valencia"), (std::vector<wxString>{"ca", "es"}));
  EXPECT_EQ(shell::IdiomasAlternativosToolkit("gl"), (std::vector<wxString>{"es"}));
  EXPECT_EQ(shell::IdiomasAlternativosToolkit("es"), (std::vector<wxString>{}));
  EXPECT_EQ(shell::IdiomasAlternativosToolkit("es_ES"), (std::vector<wxString>{"es"}));
}

}  // namespace
