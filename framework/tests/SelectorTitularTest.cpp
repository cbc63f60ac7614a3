// The holder selector: the letters each mode and family admit, typing in the family view and in a member's view,
// the drop-down's entries and taking one, erasing, and a stored code out of range.
#include "framework/SelectorTitular.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "TablasConsultaPrueba.h"

namespace marco {
namespace {

using pruebas_edit::Caja;
using pruebas_edit::Tecla;
using pruebas_edit::Teclear;

class SelectorTitular : public pruebas_edit::CFixtureTablasConsulta {
 protected:
  CCampo CajaTitular(const char* mascara = "T1") { return Caja(mascara, &byte_); }
  std::vector<std::string> Textos(const CListaEdit& edit) {
    std::vector<std::string> textos;
    for (const SEntradaLista& e : edit.Entradas()) textos.push_back(e.texto);
    return textos;
  }
  std::uint8_t byte_ = 0;
};

TEST_F(SelectorTitular, LetrasAdmitidasPorModoYFamilia) {
  struct Caso {
    int modo;
    std::array<std::int32_t, 5> presentes;
    const char* admitidas;  // of "ODC12"
  };
  const Caso casos[] = {
      {0, {1, 1, 0, 0, 0}, "D"},       // no spouse: not even the common holder
      {0, {1, 1, 1, 0, 0}, "ODC"},     // with a spouse
      {0, {1, 1, 1, 1, 1}, "ODC12"},
      {1, {1, 1, 1, 1, 1}, "D"},
      {2, {1, 1, 1, 1, 1}, "DC"},
      {4, {1, 1, 0, 1, 0}, "D1"},
      {9, {1, 1, 1, 1, 1}, ""},        // a mode out of range admits nothing
  };
  for (const Caso& c : casos) {
    presentes_ = c.presentes;
    CTitularEdit edit(c.modo, nullptr);
    std::string admitidas;
    for (const char letra : std::string("ODC12")) {
      if (edit.TitularAdmitido(letra)) admitidas += letra;
    }
    EXPECT_EQ(admitidas, c.admitidas) << c.modo;
    EXPECT_TRUE(edit.TitularAdmitido(' '));
  }
}

TEST_F(SelectorTitular, TecleoEnLaVistaFamiliar) {
  CCampo campo = CajaTitular("T1*0");
  CTitularEdit edit(campo, nullptr);
  edit.AsignarDato(&byte_);
  Teclear(edit, "o");  // no spouse: refused even in mode 0
  EXPECT_EQ(byte_, 0);
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 1);
  Teclear(edit, "d");
  EXPECT_EQ(byte_, kSujetoDeclarante);
  EXPECT_EQ(edit.Texto(), "DECLARANTE");
  EXPECT_EQ(campo.Texto, "DECLARANTE");
  const std::vector<int> avisos = edit.SuperficieMemoria().CodigosAvisos();
  EXPECT_EQ(std::count(avisos.begin(), avisos.end(), kAvisoValorCambiado), 1);
  presentes_[kSujetoConyuge - 1] = 1;
  Teclear(edit, "O");
  EXPECT_EQ(byte_, 1);
  EXPECT_EQ(edit.Texto(), "COM\xDAN");
  Teclear(edit, "2");  // the second child is not present
  EXPECT_EQ(byte_, 1);
}

TEST_F(SelectorTitular, TecleoEnLaVistaDeUnMiembro) {
  ConConyuge(kSujetoConyuge);
  CCampo campo = CajaTitular();
  CTitularEdit edit(campo, nullptr);
  edit.PonerMarca(1);  // the member's own box
  Teclear(edit, "C");
  EXPECT_EQ(byte_, 0);
  Teclear(edit, "D");
  EXPECT_EQ(byte_, kSujetoConyuge);  // the person shown
  EXPECT_EQ(edit.Texto(), "DECLARANTE");
  edit.MostrarValor(1);
  EXPECT_EQ(edit.Texto(), "DECLARANTE");
}

TEST_F(SelectorTitular, CodigoFueraDeLaTablaSeMuestraEnBlancoYVuelveACero) {
  byte_ = 7;
  CCampo campo = CajaTitular();
  CTitularEdit edit(campo, nullptr);
  edit.MostrarValor(1);
  EXPECT_EQ(byte_, 0);
  EXPECT_EQ(edit.Texto(), " ");
  byte_ = 3;
  edit.MostrarValor(1);
  EXPECT_EQ(edit.Texto(), "C\xD3NYUGE");
  EXPECT_EQ(edit.GuardarValor(), 1);
  EXPECT_EQ(byte_, 3);  // storing writes nothing
}

TEST_F(SelectorTitular, DesplegableYTomaDeUnaEntrada) {
  presentes_ = {1, 1, 1, 1, 0};
  CCampo campo = CajaTitular();
  CTitularEdit edit(campo, nullptr);
  edit.AbrirDesplegable();
  EXPECT_EQ(Textos(edit),
            (std::vector<std::string>{"<BORRAR>", "COM\xDAN", "DECLARANTE", "C\xD3NYUGE", "HIJO 1\xBA"}));
  EXPECT_EQ(edit.EntradaSeleccionada(), 0);
  edit.SeleccionarEntrada(3);
  edit.TomarEntrada();
  EXPECT_EQ(byte_, kSujetoConyuge);
  EXPECT_EQ(edit.Texto(), "C\xD3NYUGE");
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos().back(), kAvisoValorCambiado);
  // Taking the current holder again changes nothing.
  edit.AbrirDesplegable();
  EXPECT_EQ(edit.EntradaSeleccionada(), 3);
  edit.SuperficieMemoria().Olvidar();
  edit.TomarEntrada();
  EXPECT_TRUE(edit.SuperficieMemoria().CodigosAvisos().empty());
  // "<BORRAR>" erases.
  edit.AbrirDesplegable();
  edit.SeleccionarEntrada(0);
  edit.TomarEntrada();
  EXPECT_EQ(byte_, 0);

  // A member's page offers the erasing entry and the declarant, which stores the person shown.
  sujeto_ = kSujetoHijo1;
  edit.PonerMarca(1);
  edit.AbrirDesplegable();
  EXPECT_EQ(Textos(edit), (std::vector<std::string>{"<BORRAR>", "DECLARANTE"}));
  edit.SeleccionarEntrada(1);
  edit.TomarEntrada();
  EXPECT_EQ(byte_, kSujetoHijo1);
}

TEST_F(SelectorTitular, SuprimirBorraElTitular) {
  CCampo campo = CajaTitular();
  byte_ = kSujetoDeclarante;
  CTitularEdit edit(campo, nullptr);
  edit.MostrarValor(0);
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(byte_, 0);
  EXPECT_EQ(edit.Texto(), " ");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 0);
  // On a member's page of a family with a spouse, the family's box keeps its holder.
  ConConyuge(kSujetoConyuge);
  byte_ = kSujetoDeclarante;
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(byte_, kSujetoDeclarante);
  EXPECT_EQ(guion_.Codigos(), (std::vector<std::string>{"WINR007"}));
}

}  // namespace
}  // namespace marco
