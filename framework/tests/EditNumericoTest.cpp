// The number box edits: the amount filter (digits within n and d, the comma, the sign), the clipboard check, the
// text to value conversion both ways through the box record, person entries, integers and counters.
#include "framework/EditNumerico.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "EditPrueba.h"
#include "framework/Imagen.h"

namespace marco {
namespace {

using pruebas_edit::Caja;
using pruebas_edit::Seleccionar;
using pruebas_edit::Tecla;
using pruebas_edit::Teclear;

class EditNumerico : public pruebas_edit::CFixtureEdit {};

TEST_F(EditNumerico, CifrasDentroDeNyD) {
  std::array<double, 1> dato{};
  CCampo campo = Caja("F7.2", dato.data());
  CDoubleEdit edit(campo);
  EXPECT_EQ(edit.LongitudMaxima(), 10);
  Teclear(edit, "1234567");
  Teclear(edit, "8");
  EXPECT_EQ(edit.Texto(), "1234567");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 1);
  Teclear(edit, ",5");
  Teclear(edit, "6");
  EXPECT_EQ(edit.Texto(), "1234567,56");
  Teclear(edit, "7");
  EXPECT_EQ(edit.Texto(), "1234567,56");
  // Before the comma the whole part is full; over a selection a digit always goes in.
  Seleccionar(edit, 2, 2);
  Teclear(edit, "9");
  EXPECT_EQ(edit.Texto(), "1234567,56");
  Seleccionar(edit, 2, 3);
  Teclear(edit, "9");
  EXPECT_EQ(edit.Texto(), "1294567,56");
  // A second comma, a point and letters are refused.
  Seleccionar(edit, 1, 1);
  Teclear(edit, ",.A");
  EXPECT_EQ(edit.Texto(), "1294567,56");

  CCampo entero = Caja("F5", dato.data());
  CDoubleEdit sinDecimales(entero);
  EXPECT_EQ(sinDecimales.LongitudMaxima(), 5);
  Teclear(sinDecimales, "12,3456");
  EXPECT_EQ(sinDecimales.Texto(), "12345");
}

TEST_F(EditNumerico, Signo) {
  std::array<double, 1> dato{};
  CCampo campo = Caja("F7.2", dato.data());
  campo.AdmitNega = 1;
  CDoubleEdit edit(campo);
  Teclear(edit, "-");
  EXPECT_EQ(edit.Texto(), "-");
  Teclear(edit, "12");
  Teclear(edit, "-");
  EXPECT_EQ(edit.Texto(), "12");
  Teclear(edit, "-");
  EXPECT_EQ(edit.Texto(), "-12");
  EXPECT_TRUE(edit.EstaModificado());
  Seleccionar(edit, 1, 2);
  Teclear(edit, "+");
  EXPECT_EQ(edit.Texto(), "12");
  int inicio = 0;
  int fin = 0;
  edit.Superficie().Seleccion(inicio, fin);
  EXPECT_EQ(inicio, 0);  // the selection stays over the same digit
  EXPECT_EQ(fin, 1);

  CCampo positivo = Caja("F7.2", dato.data());
  CDoubleEdit soloPositivos(positivo);
  Teclear(soloPositivos, "-5");
  EXPECT_EQ(soloPositivos.Texto(), "5");
  EXPECT_EQ(soloPositivos.SuperficieMemoria().Pitidos(), 1);
  soloPositivos.PonerTexto("-5");
  Teclear(soloPositivos, "+");  // '+' drops the sign even where none may be typed
  EXPECT_EQ(soloPositivos.Texto(), "5");

  // A read-only box keeps its sign.
  edit.PonerTexto("7");
  edit.PonerSoloLectura(true);
  Teclear(edit, "-");
  EXPECT_EQ(edit.Texto(), "7");
}

TEST_F(EditNumerico, ComprobacionDelPortapapeles) {
  struct Caso {
    const char* texto;
    int admitido;
  };
  const Caso casos[] = {{"", 1},       {"1500", 1},  {"-1500,5", 1}, {"+3", 1},   {",5", 0},
                        {"1.500", 0},  {"1,5,0", 0}, {"12\xBA", 0},  {"1\xB7", 0}, {"A1", 0}};
  CCampo campo = Caja("F9.2", nullptr);
  CDoubleEdit edit(campo);
  for (const Caso& caso : casos) EXPECT_EQ(edit.TextoAdmisible(caso.texto), caso.admitido) << caso.texto;

  edit.SuperficieMemoria().PonerPortapapeles("1.500");
  Teclear(edit, "7");
  Tecla(edit, 'V', true);
  EXPECT_EQ(edit.Texto(), "7");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 1);
  edit.SuperficieMemoria().PonerPortapapeles("1500,25");
  edit.Pegar();
  EXPECT_EQ(edit.Texto(), "71500,25");
  // A cut that leaves a comma first is undone too.
  Seleccionar(edit, 0, 5);
  Tecla(edit, 'X', true);
  EXPECT_EQ(edit.Texto(), "71500,25");
}

TEST_F(EditNumerico, TextoADouble) {
  struct Caso {
    const char* texto;
    double valor;
  };
  const Caso casos[] = {{"1.234,5", 1234.5}, {"", 0.0},   {"-", 0.0},        {",5", 0.5},
                        {"-12,25", -12.25},  {"+7", 7.0}, {"12abc", 12.0},   {"1,2,3", 1.2}};
  for (const Caso& caso : casos) EXPECT_DOUBLE_EQ(CDoubleEdit::TextoADouble(caso.texto), caso.valor) << caso.texto;
}

TEST_F(EditNumerico, FormaDeEdicion) {
  struct Caso {
    double valor;
    int decimales;
    const char* texto;
  };
  const Caso casos[] = {{1500.0, 2, "1500"}, {1500.5, 2, "1500,5"},      {0.0, 2, ""},   {-0.0, 2, ""},
                        {1234567.0, 0, "1234567"}, {0.125, 2, "0,13"},   {-3.1, 2, "-3,1"}};
  for (const Caso& caso : casos) {
    EXPECT_EQ(CDoubleEdit::TextoEdicion(caso.valor, caso.decimales), caso.texto) << caso.valor;
  }
  std::string texto = "12,500";
  CDoubleEdit::QuitarCerosDecimales(texto);
  EXPECT_EQ(texto, "12,5");
  texto = "100";
  CDoubleEdit::QuitarCerosDecimales(texto);
  EXPECT_EQ(texto, "100");
}

TEST_F(EditNumerico, GuardaYMuestraLaEntradaDelMiembro) {
  std::array<double, 5> dato{1.0, 2.0, 1500.5, 4.0, 5.0};
  CCampo campo = Caja("F9*5.2", dato.data());
  CDoubleEdit edit(campo);
  EXPECT_EQ(edit.AsignarDato(dato.data()), 8);
  sujeto_ = kSujetoConyuge;
  edit.AlGanarFoco();
  EXPECT_EQ(edit.Texto(), "1500,5");
  edit.PonerTexto("");
  Teclear(edit, "1234,5");
  edit.AlPerderFoco();
  EXPECT_DOUBLE_EQ(dato[2], 1234.5);
  EXPECT_DOUBLE_EQ(dato[0], 1.0);
  EXPECT_EQ(campo.Texto, "1.234,5");
  // On a page the edit shows the editing form again after leaving.
  EXPECT_EQ(edit.Texto(), "1234,5");

  // An empty box, or one starting with a blank, stores zero.
  edit.PonerTexto(" 12");
  EXPECT_EQ(edit.GuardarValor(), 1);
  EXPECT_DOUBLE_EQ(dato[2], 0.0);

  // Beyond the box's entries: nothing stored, nothing shown.
  CCampo dos = Caja("F9*2.2", dato.data());
  CDoubleEdit corto(dos);
  sujeto_ = kSujetoHijo1;
  corto.PonerTexto("99");
  EXPECT_EQ(corto.GuardarValor(), 0);
  EXPECT_DOUBLE_EQ(dato[3], 4.0);
  corto.MostrarValor(0);
  EXPECT_EQ(corto.Texto(), "");

  // The family unit (or no declaration) works on the first entry.
  sujeto_ = kSujetoUnidadFamiliar;
  corto.PonerTexto("8");
  EXPECT_EQ(corto.GuardarValor(), 1);
  EXPECT_DOUBLE_EQ(dato[0], 8.0);
}

TEST_F(EditNumerico, RegistroPropioYSoloLectura) {
  CDoubleEdit propio(9, 2);
  CCampo& campo = *propio.DameCampo();
  EXPECT_EQ(campo.StrValidac, "F9.2");
  EXPECT_EQ(campo.Longitud, 9);
  EXPECT_EQ(campo.Decimales, 2);
  EXPECT_EQ(propio.LongitudMaxima(), 12);
  EXPECT_EQ(CDoubleEdit(6, 0).LongitudMaxima(), 6);
  double valor = 1234567.25;
  propio.AsignarDato(&valor);
  // In a dialog's own field the display form carries the thousands points; the editing form does not.
  propio.IntercambiarDatos(0);
  EXPECT_EQ(propio.Texto(), "1.234.567,25");
  propio.AlGanarFoco();
  EXPECT_EQ(propio.Texto(), "1234567,25");
  propio.PonerTexto("5,5");
  propio.IntercambiarDatos(1);
  EXPECT_DOUBLE_EQ(valor, 5.5);

  // A read-only edit shows the display text and stores nothing.
  propio.PonerSoloLectura(true);
  propio.PonerTexto("77");
  EXPECT_EQ(propio.GuardarValor(), 1);
  EXPECT_DOUBLE_EQ(valor, 5.5);
  propio.MostrarValor(0);
  EXPECT_EQ(propio.Texto(), "5,5");
}

TEST_F(EditNumerico, MonedaResuelveLaMascara) {
  std::array<double, 1> dato{};
  PonerMonedaEnUso(kMonedaEuros);
  CCampo campo;
  campo.StrValidac = "R13.2-16.0";
  campo.Longitud = 13;
  campo.Decimales = 2;
  campo.Dato = dato.data();
  CMoneda edit(campo);
  PonerMonedaEnUso(kMonedaPesetas);
  EXPECT_EQ(campo.StrValidac, "R13.2");
  EXPECT_EQ(campo.Opcion, 2);
  EXPECT_EQ(edit.LongitudMaxima(), 16);
  EXPECT_EQ(edit.EsNumerico(), 1);
  Teclear(edit, "12,5");
  edit.AlPerderFoco();
  EXPECT_DOUBLE_EQ(dato[0], 12.5);
  EXPECT_EQ(campo.Texto, "12,50");
}

TEST_F(EditNumerico, Enteros) {
  std::int32_t dato = 0;
  CCampo campo = Caja("I9", &dato);
  CEnteroEdit edit(campo);
  EXPECT_EQ(edit.AsignarDato(&dato), 4);
  Teclear(edit, "1.2a-34");
  EXPECT_EQ(edit.Texto(), "1234");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 3);
  edit.AlPerderFoco();
  EXPECT_EQ(dato, 1234);
  EXPECT_EQ(edit.Texto(), "1.234");  // display form
  edit.AlGanarFoco();
  EXPECT_EQ(edit.Texto(), "1234");

  // A copied display text with its points stores the number.
  edit.PonerTexto("2.500.000");
  EXPECT_EQ(edit.GuardarValor(), 1);
  EXPECT_EQ(dato, 2500000);
  // Beyond 32 bits: refused, the value stays.
  CCampo largo = Caja("I12", &dato);
  CEnteroEdit grande(largo);
  grande.PonerTexto("99999999999");
  EXPECT_EQ(grande.GuardarValor(), 0);
  EXPECT_EQ(dato, 2500000);
  // A value longer than the box still shows whole.
  dato = -123456;
  CCampo estrecho = Caja("I3", &dato);
  CEnteroEdit corto(estrecho);
  corto.MostrarValor(0);
  EXPECT_EQ(corto.Texto(), "-123456");
  dato = 0;
  corto.MostrarValor(1);
  EXPECT_EQ(corto.Texto(), "");

  EXPECT_EQ(edit.TextoAdmisible("1.234"), 1);
  EXPECT_EQ(edit.TextoAdmisible("12a"), 0);
  EXPECT_EQ(CEnteroEdit(5).DameCampo()->StrValidac, "I5");
  EXPECT_EQ(CContadorEdit(3).DameCampo()->StrValidac, "C3");
}

TEST_F(EditNumerico, RetrocesoDelContador) {
  std::int32_t dato = 0;
  CCampo campo = Caja("C3", &dato);
  CContadorEdit edit(campo);
  Teclear(edit, "123");
  edit.PonerModificado(false);
  Seleccionar(edit, 0, 0);
  Teclear(edit, "\b");
  EXPECT_EQ(edit.Texto(), "12");
  EXPECT_TRUE(edit.EstaModificado());
  Teclear(edit, "\b\b\b");
  EXPECT_EQ(edit.Texto(), "");
  Teclear(edit, "4x");
  EXPECT_EQ(edit.Texto(), "4");
  edit.AlPerderFoco();
  EXPECT_EQ(dato, 4);
}

}  // namespace
}  // namespace marco
