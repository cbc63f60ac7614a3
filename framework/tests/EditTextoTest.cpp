// The name and digit-code box edits: their character filters, their clipboard checks and what they store.
#include "framework/EditTexto.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "EditPrueba.h"

namespace marco {
namespace {

using pruebas_edit::Caja;
using pruebas_edit::Seleccionar;
using pruebas_edit::Tecla;
using pruebas_edit::Teclear;

class EditTexto : public pruebas_edit::CFixtureEdit {};

TEST_F(EditTexto, FiltroDeNombres) {
  CCampo campo = Caja("A30", nullptr);
  CAlfaEdit edit(campo);
  // Refused: digits and this punctuation (0xBF inverted question mark, 0xB7 middle dot).
  for (const char c : std::string("0123456789!\"$%&()=?\xBF*\xB7+_~{}[]|")) {
    EXPECT_EQ(edit.ValidarCaracter(static_cast<unsigned char>(c), 1, 0, 1), 1) << c;
  }
  // Accepted: letters of every kind, blanks and the rest of the punctuation.
  for (const char c : std::string("AZaz \xD1\xF1\xC7\xE7\xC1\xE9-.,'/#@:;<>\\^`")) {
    EXPECT_EQ(edit.ValidarCaracter(static_cast<unsigned char>(c), 1, 0, 1), 0) << c;
  }
  EXPECT_EQ(edit.ValidarCaracter(kTeclaRetroceso, 1, 0, 1), 0);

  Teclear(edit, "7_\xF1o-.");
  EXPECT_EQ(edit.Texto(), "\xD1O-.");  // typed in upper case; the refused ones beeped
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 2);
  Teclear(edit, "\b");
  EXPECT_EQ(edit.Texto(), "\xD1O-");
}

TEST_F(EditTexto, FiltroDeCodigosDeCifras) {
  CCampo campo = Caja("Z5", nullptr);
  CANumEdit edit(campo);
  for (const unsigned c : {unsigned{'0'}, unsigned{'9'}, unsigned{kTeclaRetroceso}, unsigned{kTeclaEscape}}) {
    EXPECT_EQ(edit.ValidarCaracter(c, 1, 0, 1), 0) << c;
  }
  for (const unsigned c : {unsigned{'A'}, unsigned{' '}, unsigned{'-'}, unsigned{'.'}, 0xC7u, 0xE7u, 0xD1u, 0xF1u}) {
    EXPECT_EQ(edit.ValidarCaracter(c, 1, 0, 1), 1) << c;
  }
  Teclear(edit, "12A3456");
  EXPECT_EQ(edit.Texto(), "12345");  // the letter beeped, the sixth digit found no room
}

TEST_F(EditTexto, ComprobacionDelPortapapeles) {
  struct Caso {
    bool nombre;  // CAlfaEdit, else CANumEdit
    const char* tecleado;
    const char* pegado;
    const char* resultado;
    bool deshecho;
  };
  const Caso casos[] = {
      {true, "A", "GOMEZ", "AGOMEZ", false},
      {true, "A", "GOMEZ 2", "A", true},      // a digit after the first character
      {true, "A", "(GOMEZ", "A", true},
      {true, "", "(GOMEZ", "(GOMEZ", false},  // the first character of the text is not checked
      {true, "A", "G_MEZ", "A", true},
      {false, "9", "123", "9123", false},
      {false, "", "A12", "A12", false},
      {false, "9", "12A", "9", true},
  };
  for (const Caso& caso : casos) {
    CCampo campo = Caja(caso.nombre ? "A20" : "Z20", nullptr);
    std::unique_ptr<CEditEx> edit;
    if (caso.nombre) {
      edit = std::make_unique<CAlfaEdit>(campo);
    } else {
      edit = std::make_unique<CANumEdit>(campo);
    }
    Teclear(*edit, caso.tecleado);
    edit->SuperficieMemoria().PonerPortapapeles(caso.pegado);
    edit->SuperficieMemoria().Olvidar();
    Tecla(*edit, 'V', true);
    EXPECT_EQ(edit->Texto(), caso.resultado) << caso.pegado;
    EXPECT_EQ(edit->SuperficieMemoria().Pitidos(), caso.deshecho ? 1 : 0) << caso.pegado;
    // A failed paste leaves the clipboard as it was.
    EXPECT_EQ(edit->SuperficieMemoria().Portapapeles(), caso.pegado);
  }
}

TEST_F(EditTexto, PegadoFallidoConservaElTextoSeleccionado) {
  CCampo campo = Caja("A20", nullptr);
  CAlfaEdit edit(campo);
  Teclear(edit, "RUIZ");
  Seleccionar(edit, 1, 3);
  edit.SuperficieMemoria().PonerPortapapeles("X9");
  edit.Pegar();
  EXPECT_EQ(edit.Texto(), "RUIZ");
  int inicio = 0;
  int fin = 0;
  edit.Superficie().Seleccion(inicio, fin);
  EXPECT_EQ(inicio, 1);
  EXPECT_EQ(fin, 3);
}

TEST_F(EditTexto, GuardaRellenandoConBlancos) {
  std::array<char, 8> dato{};
  CCampo campo = Caja("A8", dato.data());
  CAlfaEdit edit(campo);
  EXPECT_EQ(edit.AsignarDato(dato.data()), 8);
  edit.AlGanarFoco();
  Teclear(edit, "ana");
  edit.AlPerderFoco();
  EXPECT_EQ(std::string(dato.data(), dato.size()), "ANA     ");
  EXPECT_EQ(campo.Texto, "ANA");

  // A box that repeats: each person writes their own entry; a person beyond the box's entries writes nothing,
  // never over the first person's entry.
  std::array<char, 6> dos{'L', 'U', 'I', 'E', 'V', 'A'};
  CCampo repetida = Caja("A3*2", dos.data());
  CAlfaEdit porPersona(repetida);
  struct Caso {
    std::int32_t sujeto;
    int resultado;
    const char* despues;
  };
  // Entries of persons 1 (family unit) and 2 (declarant).
  for (const Caso& caso : {Caso{kSujetoUnidadFamiliar, 1, "PEPEVA"}, Caso{kSujetoDeclarante, 1, "PEPROS"},
                           Caso{kSujetoConyuge, 0, "PEPROS"}, Caso{kSujetoHijo2, 0, "PEPROS"}}) {
    sujeto_ = caso.sujeto;
    porPersona.PonerTexto(caso.sujeto == kSujetoUnidadFamiliar ? "PEP" : caso.sujeto == kSujetoDeclarante ? "ROS"
                                                                                                           : "XXX");
    EXPECT_EQ(porPersona.GuardarValor(), caso.resultado) << caso.sujeto;
    EXPECT_EQ(std::string(dos.data(), dos.size()), caso.despues) << caso.sujeto;
  }
  sujeto_ = kSujetoUnidadFamiliar;

  CANumEdit propio(6);
  EXPECT_EQ(propio.DameCampo()->StrValidac, "S6");
  CAlfaEdit nombre(40);
  EXPECT_EQ(nombre.LongitudMaxima(), 40);
}

}  // namespace
}  // namespace marco
