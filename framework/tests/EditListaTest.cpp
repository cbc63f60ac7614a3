// The list box edit without windows: the catalogue row, the drop-down's entries and what taking one stores, the
// filter by a linked value, the type-ahead, the keys it refuses, and the edits the registration puts in the
// factory.
#include "framework/EditLista.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "TablasConsultaPrueba.h"
#include "framework/CodigoDescripcion.h"
#include "framework/EditSeleccion.h"
#include "framework/FabricaEdit.h"
#include "framework/SelectorTitular.h"

namespace marco {
namespace {

using pruebas_edit::Caja;
using pruebas_edit::Tecla;
using pruebas_edit::Teclear;

// Record order: MADRID, MALAGA, MURCIA, an empty description, SEVILLA.
constexpr const char* kFuenteCiudades =
    "TABLA PRUEBASE\n"
    "CAMPO clave    C 2\n"
    "CAMPO descripc C 20\n"
    "CAMPO grupo    C 2\n"
    "ETIQUETA CLAVE clave\n"
    "FILAS\n"
    "03|MADRID|28\n"
    "01|M\xC3\x81LAGA|29\n"
    "02|MURCIA|30\n"
    "04||\n"
    "05|SEVILLA|41\n";

std::vector<std::string> Textos(const CListaEdit& edit) {
  std::vector<std::string> textos;
  for (const SEntradaLista& e : edit.Entradas()) textos.push_back(e.texto);
  return textos;
}

class EditLista : public pruebas_edit::CFixtureTablasConsulta {
 protected:
  void SetUp() override {
    CFixtureTablasConsulta::SetUp();
    CrearTabla("PRUEBASE", kFuenteCiudades);
  }
  // A list box of 20 characters bound to valor_, on the test table.
  CCampo CajaLista() {
    std::memset(valor_.data(), ' ', valor_.size());
    CCampo campo = Caja("L20", valor_.data());
    campo.FicheroTab = "PRUEBASE.TAB";
    return campo;
  }
  std::string Valor() const { return std::string(valor_.data(), valor_.size()); }

  std::array<char, 20> valor_{};
};

TEST_F(EditLista, EntradasOrdenYTomaDeUnaEntrada) {
  CrearCatalogo("PRUEBASE|CLAVE|clave|descripc||clave||T|F\n");
  CCampo campo = CajaLista();
  std::memcpy(valor_.data(), "MURCIA", 6);
  campo.ActualizarTexto();
  CListaEdit edit(campo, &base_);
  edit.AbrirDesplegable();
  ASSERT_TRUE(edit.DesplegableAbierto());
  // In key order; an empty description is the erasing entry; the box's value is the one selected.
  EXPECT_EQ(Textos(edit), (std::vector<std::string>{"M\xC1LAGA", "MURCIA", "MADRID", "< BORRAR >", "SEVILLA"}));
  EXPECT_EQ(edit.EntradaSeleccionada(), 1);

  edit.SeleccionarEntrada(0);
  edit.TomarEntrada();
  EXPECT_FALSE(edit.DesplegableAbierto());
  // Without a link, a key whose second character is a digit hands back the description.
  EXPECT_EQ(Valor(), std::string("M\xC1LAGA") + std::string(14, ' '));
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos().back(), kAvisoValorCambiado);
  EXPECT_TRUE(edit.EstaModificado());

  // Taking the erasing entry empties the box.
  edit.AbrirDesplegable();
  EXPECT_EQ(edit.EntradaSeleccionada(), 0);
  edit.SeleccionarEntrada(3);
  edit.TomarEntrada();
  EXPECT_EQ(Valor(), std::string(20, ' '));

  // Pressing the button again closes an open drop-down.
  edit.AbrirDesplegable();
  edit.AbrirDesplegable();
  EXPECT_FALSE(edit.DesplegableAbierto());
}

TEST_F(EditLista, EnOrdenDeRegistrosYConClaveEnElDestino) {
  CrearCatalogo("PRUEBASE|CLAVE|clave|descripc||clave||F|F\n");
  CCampo campo = CajaLista();
  std::array<char, 2> codigo{'9', '9'};
  SEnlaceTabla enlace{codigo.data(), codigo.size(), nullptr, 0};
  campo.Enlace = &enlace;
  CListaEdit edit(campo, &base_);
  edit.AbrirDesplegable();
  EXPECT_EQ(Textos(edit), (std::vector<std::string>{"MADRID", "M\xC1LAGA", "MURCIA", "< BORRAR >", "SEVILLA"}));
  edit.SeleccionarEntrada(2);
  edit.TomarEntrada();
  // The key goes to the linked destination; the box keeps the description.
  EXPECT_EQ(std::string(codigo.data(), 2), "02");
  EXPECT_EQ(Valor(), "MURCIA" + std::string(14, ' '));
}

TEST_F(EditLista, DescripcionConClaveSinBusquedaPorInicial) {
  CrearCatalogo("PRUEBASE|CLAVE|clave|descripc|grupo|clave||T|F\n");
  CCampo campo = CajaLista();
  CListaEdit edit(campo, &base_);
  edit.AbrirDesplegable();
  EXPECT_EQ(Textos(edit).front(), "M\xC1LAGA (01)");
  EXPECT_EQ(Textos(edit)[3], " (04)");
  edit.CerrarDesplegable();
  Teclear(edit, "M");
  EXPECT_EQ(Valor(), std::string(20, ' '));  // the type-ahead is off
  EXPECT_EQ(edit.Texto(), "");
}

TEST_F(EditLista, FiltroPorElValorEnlazado) {
  CrearCatalogo("PRUEBASE|CLAVE|clave|descripc||clave|grupo|T|F\n");
  CCampo campo = CajaLista();
  std::array<char, 2> destino{};
  std::string filtro = "29";
  SEnlaceTabla enlace{destino.data(), destino.size(), filtro.data(), filtro.size()};
  campo.Enlace = &enlace;
  CListaEdit edit(campo, &base_);
  edit.AbrirDesplegable();
  EXPECT_EQ(Textos(edit), (std::vector<std::string>{"M\xC1LAGA"}));
  edit.CerrarDesplegable();

  // A blank filter value, or none, refuses the list with WIN063.
  filtro = "  ";
  edit.AbrirDesplegable();
  EXPECT_FALSE(edit.DesplegableAbierto());
  enlace.filtro = nullptr;
  edit.AbrirDesplegable();
  EXPECT_FALSE(edit.DesplegableAbierto());
  EXPECT_EQ(guion_.Codigos(), (std::vector<std::string>{"WIN063", "WIN063"}));

  // Without a link there is no filter.
  campo.Enlace = nullptr;
  edit.AbrirDesplegable();
  EXPECT_EQ(edit.Entradas().size(), 5u);
}

TEST_F(EditLista, LosEpigrafesSeFiltranTambienPorUnValorVacio) {
  CrearTabla("EPIGRAFE", std::string(kFuenteCiudades).replace(6, 8, "EPIGRAFE"));
  CrearCatalogo("EPIGRAFE|CLAVE|clave|descripc||clave|grupo|T|F\n");
  CCampo campo = CajaLista();
  campo.FicheroTab = "EPIGRAFE.TAB";
  std::array<char, 2> destino{};
  SEnlaceTabla enlace{destino.data(), destino.size(), nullptr, 0};
  campo.Enlace = &enlace;
  CListaEdit edit(campo, &base_);
  edit.AbrirDesplegable();
  EXPECT_TRUE(edit.DesplegableAbierto());
  EXPECT_EQ(edit.Entradas().size(), 5u);
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(EditLista, BusquedaPorInicialAvanzaConLaMismaLetra) {
  CrearCatalogo("PRUEBASE|CLAVE|clave|descripc||clave||T|F\n");
  CCampo campo = CajaLista();
  CListaEdit edit(campo, &base_);
  const auto valor = [&] { return std::string(plataforma::RecortaDerecha(Valor())); };
  Teclear(edit, "m");
  EXPECT_EQ(valor(), "MADRID");
  Teclear(edit, "M");
  EXPECT_EQ(valor(), "M\xC1LAGA");
  Teclear(edit, "M");
  EXPECT_EQ(valor(), "MURCIA");
  Teclear(edit, "M");
  EXPECT_EQ(valor(), "MURCIA");  // after the last one nothing changes
  EXPECT_EQ(edit.Texto(), "MURCIA");
  Teclear(edit, "x");
  EXPECT_EQ(valor(), "MURCIA");  // no entry begins with X
  Teclear(edit, "s");
  EXPECT_EQ(valor(), "SEVILLA");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 0);
  EXPECT_TRUE(edit.EstaModificado());
  // Delete looks for the description that begins with a blank: the empty one.
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(Valor(), std::string(20, ' '));
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 0);
}

TEST_F(EditLista, TeclasRechazadasYCasillasCerradas) {
  CrearCatalogo("PRUEBASE|CLAVE|clave|descripc||clave||T|F\n");
  CCampo campo = CajaLista();
  std::memcpy(valor_.data(), "MADRID", 6);
  CListaEdit edit(campo, &base_);
  edit.MostrarValor(0);
  // The list box never pastes, cuts or undoes.
  edit.SuperficieMemoria().PonerPortapapeles("SORIA");
  Tecla(edit, 'V', true);
  Tecla(edit, 'X', true);
  Tecla(edit, kTeclaInsertar, false, true);
  EXPECT_EQ(edit.Texto(), "MADRID");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 3);
  edit.Superficie().PonerSeleccion(0, 3);
  Tecla(edit, 'C', true);
  EXPECT_EQ(edit.SuperficieMemoria().Portapapeles(), "MAD");

  // "(" (and Alt+Down) opens the drop-down; a read-only box has no button and opens nothing.
  Teclear(edit, "(");
  EXPECT_TRUE(edit.DesplegableAbierto());
  Teclear(edit, "\x1B");
  EXPECT_FALSE(edit.DesplegableAbierto());
  edit.PonerSoloLectura(true);
  EXPECT_FALSE(edit.TieneBoton());
  EXPECT_EQ(edit.ValidarCaracter(kTeclaAbajo, 1, 0, 1), 1);
  EXPECT_FALSE(edit.DesplegableAbierto());
}

TEST_F(EditLista, CasillaDeLaUnidadFamiliarEnLaPaginaDeUnMiembro) {
  CrearCatalogo("PRUEBASE|CLAVE|clave|descripc||clave||T|F\n");
  ConConyuge(kSujetoConyuge);
  CCampo campo = CajaLista();
  CListaEdit edit(campo, &base_);
  edit.AbrirDesplegable();
  EXPECT_FALSE(edit.DesplegableAbierto());
  EXPECT_EQ(guion_.Codigos(), (std::vector<std::string>{"WINR007"}));
  // A box marked as the member's own opens.
  edit.PonerMarca(1);
  edit.AbrirDesplegable();
  EXPECT_TRUE(edit.DesplegableAbierto());
}

TEST_F(EditLista, BuscarClaveExacta) {
  CrearCatalogo("PRUEBASE|CLAVE|clave|descripc||clave|grupo|T|F\n");
  CCampo campo = CajaLista();
  CListaEdit edit(campo, &base_);
  std::string descripcion;
  std::string filtro;
  edit.BuscarClave("03", descripcion, filtro);
  ASSERT_EQ(descripcion.size(), 255u);
  EXPECT_EQ(std::string(plataforma::RecortaDerecha(descripcion)), "MADRID");
  EXPECT_EQ(std::string(plataforma::RecortaDerecha(filtro)), "28");
  // A key that only begins the one sought is not it.
  edit.BuscarClave("0", descripcion, filtro);
  EXPECT_EQ(descripcion, std::string(255, ' '));
  EXPECT_EQ(filtro, std::string(255, ' '));
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(EditLista, SinFilaEnElCatalogoLaListaQuedaVacia) {
  CrearCatalogo("");
  CCampo campo = CajaLista();
  CListaEdit edit(campo, &base_);
  EXPECT_FALSE(edit.Definicion().encontrada);
  edit.AbrirDesplegable();
  EXPECT_TRUE(edit.DesplegableAbierto());
  EXPECT_EQ(Textos(edit), (std::vector<std::string>(5, "< BORRAR >")));
  Teclear(edit, "M");
  EXPECT_EQ(Valor(), std::string(20, ' '));
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST(RegistroEditsTablas, LaFabricaHaceCadaClase) {
  CFabricaEdit fabrica;
  RegistrarEditsTablas(fabrica);
  char texto[8] = {};
  int destino = 0;
  CCampo lista = Caja("L2", texto);
  CCampo codigo = Caja("G5", texto);
  CCampo titular = Caja("T1", texto);
  CCampo seleccion = Caja("S7", texto);
  seleccion.NombreVent = "IDD_NOMAPE";
  seleccion.Enlace = &destino;
  seleccion.Decimales = -1;
  EXPECT_NE(dynamic_cast<CListaEdit*>(fabrica.Crear(lista).get()), nullptr);
  EXPECT_NE(dynamic_cast<CCodigoDescripcion*>(fabrica.Crear(codigo).get()), nullptr);
  EXPECT_NE(dynamic_cast<CTitularEdit*>(fabrica.Crear(titular).get()), nullptr);
  const auto edit = fabrica.Crear(seleccion);
  const auto* sel = dynamic_cast<CSelStrEdit*>(edit.get());
  ASSERT_NE(sel, nullptr);
  EXPECT_EQ(sel->NombreDialogo(), "IDD_NOMAPE");
}

// A holder box's link is a place of its row (page 10's balances keep one), never a table link: the box reads nothing
// through it, whatever bytes lie there, and leaving it with a letter typed looks nothing up.
TEST_F(EditLista, UnaCasillaDeTitularNoLeeSuEnlaceComoDeTabla) {
  std::array<char, 1> titular{'\0'};
  SEnlaceTabla pareceDeTabla;  // what the row's bytes would say if read as a table link
  pareceDeTabla.destino = titular.data();
  pareceDeTabla.anchoDestino = titular.size();
  pareceDeTabla.guardaClave = true;
  CCampo campo = Caja("T1", titular.data());
  campo.Enlace = &pareceDeTabla;
  CTitularEdit edit(campo, &base_);
  EXPECT_FALSE(edit.GuardaClave());
  const std::string tecleado = "D";
  EXPECT_EQ(edit.ValidarAlSalir(&tecleado), 0);
  EXPECT_EQ(titular[0], '\0');

  // A list box with its table and the same link keeps the key, as the region box does.
  std::array<char, 2> codigo{' ', ' '};
  CCampo region = Caja("L2", codigo.data());
  region.FicheroTab = "PRUEBASE.TAB";
  SEnlaceTabla propio;
  propio.destino = codigo.data();
  propio.anchoDestino = codigo.size();
  propio.guardaClave = true;
  region.Enlace = &propio;
  CListaEdit listaRegion(region, &base_);
  EXPECT_TRUE(listaRegion.GuardaClave());
}

}  // namespace
}  // namespace marco
