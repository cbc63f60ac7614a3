// What the income-tax page views do without a window: the declaration-wide boxes marked, and the box that keeps
// the focus after the focused box is committed.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/Campo.h"
#include "framework/ControlesPagina.h"
#include "income/RentaVista.h"

using namespace renta;

namespace {

// A page of boxes by name; a name starting with '*' is read-only.
void Rellenar(marco::CControlesPagina& controles, std::initializer_list<const char*> nombres) {
  int numero = 0;
  for (const char* nombre : nombres) {
    auto campo = std::make_unique<marco::CCampo>();
    campo->IndNumero = ++numero;
    std::string n(nombre);
    if (!n.empty() && n.front() == '*') {
      campo->SoloLectur = 1;
      n.erase(0, 1);
    }
    campo->Identifica = n;
    controles.Anadir(std::move(campo));
  }
}

}  // namespace

TEST(RentaVista, MarcaLasCasillasDeLaDeclaracion) {
  marco::CControlesPagina controles;
  Rellenar(controles, {"zdnid", "IMPORTE1", "DDDECLAR", "", "X038"});
  controles.Campo(1)->Marca = 1;  // a mark left from before is put right
  MarcarCamposPropios(controles);
  EXPECT_EQ(controles.Campo(0)->Marca, 1);
  EXPECT_EQ(controles.Campo(1)->Marca, 0);
  EXPECT_EQ(controles.Campo(2)->Marca, 1);
  EXPECT_EQ(controles.Campo(3)->Marca, 0);
  EXPECT_EQ(controles.Campo(4)->Marca, 1);
}

TEST(RentaVista, CasillaQueConservaElFocoTrasConfirmar) {
  marco::CControlesPagina controles;
  Rellenar(controles, {"A", "*B", "*C", "D"});
  EXPECT_EQ(IndiceTrasConfirmar(controles, 0), 0);  // an editable box keeps the focus
  EXPECT_EQ(IndiceTrasConfirmar(controles, 3), 3);
  EXPECT_EQ(IndiceTrasConfirmar(controles, 1), 3);  // a read-only one passes it on
  EXPECT_EQ(IndiceTrasConfirmar(controles, 2), 3);
  EXPECT_EQ(IndiceTrasConfirmar(controles, -1), -1);
  EXPECT_EQ(IndiceTrasConfirmar(controles, 4), -1);

  marco::CControlesPagina vuelta;
  Rellenar(vuelta, {"A", "*B"});
  EXPECT_EQ(IndiceTrasConfirmar(vuelta, 1), 0);  // wrapping round

  marco::CControlesPagina soloLectura;
  Rellenar(soloLectura, {"*A", "*B"});
  EXPECT_EQ(IndiceTrasConfirmar(soloLectura, 0), -1);
  EXPECT_EQ(IndiceTrasConfirmar(marco::CControlesPagina(), 0), -1);
}
