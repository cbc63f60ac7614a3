// The tick box and the yes/no box without a window: the keys that set them, the value stored at once per person
// entry, the notifications, the member lock, the mouse press, and the box groups.
#include "framework/EditSiNo.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "EditPrueba.h"

namespace marco {
namespace {

using pruebas_edit::Caja;
using pruebas_edit::Tecla;
using pruebas_edit::Teclear;

class EditCasilla : public pruebas_edit::CFixtureEdit {};

TEST_F(EditCasilla, TeclasMarcanYGuardan) {
  std::array<unsigned char, 1> dato{0};
  CCampo campo = Caja("B1", dato.data(), 21);
  CCasillaEdit edit(campo);
  EXPECT_EQ(edit.AsignarDato(dato.data()), 1);
  edit.MostrarValor(0);

  struct SPaso {
    const char* teclas;
    const char* texto;
    unsigned char valor;
  };
  const SPaso pasos[] = {
      {" ", "X", 1}, {" ", " ", 0}, {"S", "X", 1}, {"n", " ", 0}, {"x", "X", 1}, {"X", "X", 1},
  };
  for (const SPaso& paso : pasos) {
    edit.SuperficieMemoria().Olvidar();
    Teclear(edit, paso.teclas);
    EXPECT_EQ(edit.Texto(), paso.texto) << paso.teclas;
    EXPECT_EQ(dato[0], paso.valor) << paso.teclas;
    const std::vector<int> avisos = edit.SuperficieMemoria().CodigosAvisos();
    ASSERT_FALSE(avisos.empty());
    EXPECT_EQ(avisos.back(), kAvisoValorCambiado) << paso.teclas;
  }
  EXPECT_TRUE(edit.EstaModificado());
  // Other keys beep and change nothing.
  edit.SuperficieMemoria().Olvidar();
  Teclear(edit, "a1\b");
  EXPECT_EQ(edit.Texto(), "X");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 3);
  EXPECT_TRUE(edit.SuperficieMemoria().Avisos().empty());

  // Delete empties a ticked box, stores 0 and sends 0x401.
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(edit.Texto(), "");
  EXPECT_EQ(dato[0], 0);
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos().back(), kAvisoCampoBorrado);
  EXPECT_EQ(edit.SuperficieMemoria().Avisos().back().idControl, 21);

  // A read-only box takes no key and no press.
  dato[0] = 1;
  edit.MostrarValor(0);
  edit.PonerSoloLectura(true);
  Teclear(edit, " n");
  Tecla(edit, kTeclaSuprimir);
  EXPECT_FALSE(edit.AlPulsarRaton());
  EXPECT_EQ(dato[0], 1);
}

TEST_F(EditCasilla, GrupoDeLaMascaraYEntradasPorPersona) {
  std::array<unsigned char, 5> dato{};
  CCampo campo = Caja("B3*5", dato.data());
  {
    CCasillaEdit edit(campo);
    EXPECT_EQ(edit.Grupo(), 3);
    EXPECT_EQ(campo.Grupo, 3);
    EXPECT_EQ(campo.Longitud, 1);
    EXPECT_EQ(edit.LongitudMaxima(), 1);
  }
  // The page makes a new edit each time the box becomes active: the group stays the picture's.
  CCasillaEdit edit(campo);
  EXPECT_EQ(edit.Grupo(), 3);

  // A repeated line: the third person's byte only.
  sujeto_ = 3;
  edit.MostrarValor(0);
  Teclear(edit, " ");
  EXPECT_EQ(dato, (std::array<unsigned char, 5>{0, 0, 1, 0, 0}));
  // A person beyond the entries stores nothing.
  CCampo dos = Caja("B1*2", dato.data());
  CCasillaEdit corta(dos);
  corta.PonerTexto("X");
  EXPECT_EQ(corta.GuardarValor(), 0);
  EXPECT_EQ(dato, (std::array<unsigned char, 5>{0, 0, 1, 0, 0}));

  // Its own record (in a dialog): picture "B1", modified from the start.
  CCasillaEdit propia(1);
  EXPECT_EQ(propia.DameCampo()->StrValidac, "B1");
  EXPECT_TRUE(propia.EstaModificado());
}

TEST_F(EditCasilla, RatonYBloqueo) {
  std::array<unsigned char, 1> dato{0};
  CCampo campo = Caja("B1", dato.data());
  CCasillaEdit edit(campo);
  edit.MostrarValor(0);
  EXPECT_TRUE(edit.AlPulsarRaton());
  EXPECT_EQ(dato[0], 1);
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos().back(), kAvisoValorCambiado);

  // A family box seen for one person of a joint declaration: no key, no press, no Delete.
  ConConyuge(kSujetoDeclarante);
  edit.SuperficieMemoria().Olvidar();
  EXPECT_TRUE(edit.AlPulsarRaton());
  Teclear(edit, " ");
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(dato[0], 1);
  EXPECT_EQ(edit.Texto(), "X");
  EXPECT_EQ(guion_.Veces("WINR007"), 3);
  EXPECT_GE(edit.SuperficieMemoria().Pitidos(), 3);
  // A box the page marks as each person's is not locked.
  edit.PonerMarca(1);
  EXPECT_TRUE(edit.AlPulsarRaton());
  EXPECT_EQ(dato[0], 0);
}

TEST(GruposCasillas, RegistrarBuscarYQuitar) {
  int a = 0;
  int b = 0;
  const auto* duenoA = reinterpret_cast<const wxWindow*>(&a);
  const auto* duenoB = reinterpret_cast<const wxWindow*>(&b);
  EXPECT_EQ(EsGrupoCasillasRegistrado(4, duenoA), 0);
  RegistrarGrupoCasillas(4, 10, duenoA);
  RegistrarGrupoCasillas(4, 11, duenoA);
  EXPECT_EQ(EsGrupoCasillasRegistrado(4, duenoA), 1);
  EXPECT_EQ(EsGrupoCasillasRegistrado(4, duenoB), 0);
  EXPECT_EQ(EsGrupoCasillasRegistrado(5, duenoA), 0);
  RegistrarGrupoCasillas(0, 1, duenoA);
  EXPECT_EQ(EsGrupoCasillasRegistrado(0, duenoA), 0);
  // Only a full match is removed, one entry at a time.
  QuitarGrupoCasillas(4, 10, duenoB);
  QuitarGrupoCasillas(4, 10, duenoA);
  EXPECT_EQ(EsGrupoCasillasRegistrado(4, duenoA), 1);
  QuitarGrupoCasillas(4, 11, duenoA);
  EXPECT_EQ(EsGrupoCasillasRegistrado(4, duenoA), 0);
  QuitarGrupoCasillas(0, 1, duenoA);
}

class EditSiNo : public pruebas_edit::CFixtureEdit {};

TEST_F(EditSiNo, TeclasValoresYTexto) {
  unsigned char valor = 7;
  CSiNoEdit edit;
  EXPECT_EQ(edit.AsignarDato(&valor), 1);
  EXPECT_EQ(edit.LongitudMaxima(), 2);
  // A value that is none of the three shows an empty box.
  edit.MostrarValor(0);
  EXPECT_EQ(edit.Texto(), "");

  struct SPaso {
    char tecla;
    const char* texto;
    unsigned char valor;
  };
  const SPaso pasos[] = {{'s', "SI", 1}, {'N', "NO", 0}, {' ', " ", 255}, {'S', "SI", 1}};
  for (const SPaso& paso : pasos) {
    edit.SuperficieMemoria().Olvidar();
    edit.AlCaracter(static_cast<unsigned char>(paso.tecla));
    EXPECT_EQ(edit.Texto(), paso.texto);
    EXPECT_EQ(valor, paso.valor);
    EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos().back(), kAvisoValorCambiado);
  }
  edit.SuperficieMemoria().Olvidar();
  Teclear(edit, "x1");
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(edit.Texto(), "SI");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 3);

  for (const unsigned char v : {0, 1, 255}) {
    valor = v;
    edit.MostrarValor(1);
    EXPECT_EQ(edit.Texto(), CSiNoEdit::TextoDeValor(v));
  }
  // Tab: 0x404 and the Tab to the parent, then Down (Up with Shift) so that it moves like an arrow key.
  edit.SuperficieMemoria().Olvidar();
  edit.AlCaracter(kTeclaTabulador);
  edit.TrasTabulador(false);
  edit.TrasTabulador(true);
  const auto& teclas = edit.SuperficieMemoria().TeclasReenviadas();
  ASSERT_EQ(teclas.size(), 3u);
  EXPECT_TRUE(teclas[0].caracter);
  EXPECT_EQ(teclas[0].codigo, kTeclaTabulador);
  EXPECT_EQ(teclas[1].codigo, kTeclaAbajo);
  EXPECT_EQ(teclas[2].codigo, kTeclaArriba);
}

}  // namespace
}  // namespace marco
