// The date box edit without a window: digits typed into the mask and written through at once, the field checks
// when a field is completed or left, the walk between fields with Tab and the arrows, erasing, and the rules on
// a date text (checks and normalisation).
#include "framework/EditFecha.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "EditPrueba.h"

namespace marco {
namespace {

using pruebas_edit::Caja;
using pruebas_edit::Seleccionar;
using pruebas_edit::Tecla;
using pruebas_edit::Teclear;

class EditFecha : public pruebas_edit::CFixtureEdit {
 protected:
  // A blank date box of n characters, shown, with the caret at the start.
  void Preparar(CFechaEdit& edit) {
    edit.MostrarValor(0);
    Seleccionar(edit, 0, 0);
  }
  static int Caret(const CEditEx& edit) {
    int inicio = 0;
    int fin = 0;
    edit.Superficie().Seleccion(inicio, fin);
    return inicio;
  }
  static void Tab(CEditEx& edit, bool mayusculas = false) {
    edit.SuperficieMemoria().PulsarTecla(kTeclaMayusculas, mayusculas);
    edit.AlCaracter(kTeclaTabulador);
    edit.SuperficieMemoria().PulsarTecla(kTeclaMayusculas, false);
  }
};

TEST_F(EditFecha, TecleadaYCompletadaAlSalir) {
  std::array<char, 8> dato;
  dato.fill(' ');
  CCampo campo = Caja("D8", dato.data(), 12);
  CFechaEdit edit(campo);
  EXPECT_EQ(edit.AsignarDato(dato.data()), 8);
  Preparar(edit);
  EXPECT_EQ(edit.Texto(), "  /  /    ");

  Teclear(edit, "3");
  // Written through at once, without the separators.
  EXPECT_EQ(std::string(dato.data(), 8), "3       ");
  Teclear(edit, "11299");
  EXPECT_EQ(edit.Texto(), "31/12/99  ");
  EXPECT_EQ(Caret(edit), 8);
  EXPECT_TRUE(edit.EstaModificado());
  EXPECT_TRUE(guion_.Codigos().empty());

  // Tab from the year leaves the box: the two-digit year gets its century first.
  edit.SuperficieMemoria().Olvidar();
  Tab(edit);
  EXPECT_EQ(edit.Texto(), "31/12/1999");
  EXPECT_EQ(std::string(dato.data(), 8), "31121999");
  ASSERT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), 1u);
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas()[0].codigo, kTeclaTabulador);
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos().front(), kAvisoTabulador);

  // 0 and 5 as a year give 2005.
  Seleccionar(edit, 6, 10);
  Tecla(edit, kTeclaSuprimir);
  Seleccionar(edit, 6, 6);
  Teclear(edit, "05");
  Tab(edit);
  EXPECT_EQ(std::string(dato.data(), 8), "31122005");
}

TEST_F(EditFecha, CampoCompletadoNoValido) {
  std::array<char, 8> dato;
  dato.fill(' ');
  CCampo campo = Caja("D8", dato.data());
  CFechaEdit edit(campo);
  Preparar(edit);
  Teclear(edit, "32");
  EXPECT_EQ(guion_.Codigos(), std::vector<std::string>{"CVDIA1"});
  EXPECT_EQ(guion_.Mensajes()[0].icono, IconoMano);
  EXPECT_EQ(edit.Texto(), "32/  /    ");
  EXPECT_EQ(Caret(edit), 2);  // after the 2, not past the separator
  // The window keeps what was typed; the declaration keeps the value it had.
  EXPECT_EQ(std::string(dato.data(), 8), "        ");

  Seleccionar(edit, 0, 2);
  Tecla(edit, kTeclaSuprimir);
  Teclear(edit, "01");
  EXPECT_EQ(Caret(edit), 3);
  Teclear(edit, "00");
  EXPECT_EQ(guion_.Veces("CVMES1"), 1);
  EXPECT_EQ(edit.Texto(), "01/00/    ");
  EXPECT_EQ(Caret(edit), 5);
}

// A date refused by a check never reaches the declaration: what it held before the edit wrote stays, while
// typing and after leaving; a date that passes is written through; a person beyond the box's entries has none.
TEST_F(EditFecha, LaFechaRechazadaDejaElValorAnterior) {
  std::array<char, 8> dato{'1', '5', '0', '3', '1', '9', '9', '9'};
  CCampo campo = Caja("D8", dato.data());
  CFechaEdit edit(campo);
  edit.AsignarDato(dato.data());
  Preparar(edit);
  EXPECT_EQ(edit.Texto(), "15/03/1999");
  Seleccionar(edit, 0, 10);
  Tecla(edit, kTeclaSuprimir);
  Seleccionar(edit, 0, 0);
  Teclear(edit, "32012000");
  EXPECT_EQ(guion_.Codigos(), std::vector<std::string>{"CVDIA1"});
  EXPECT_EQ(std::string(dato.data(), 8), "15031999");
  // Leaving refuses the day again and shows the declaration's value.
  Seleccionar(edit, 0, 0);
  Tab(edit);
  EXPECT_EQ(guion_.Veces("CVDIA1"), 2);
  EXPECT_EQ(std::string(dato.data(), 8), "15031999");
  EXPECT_EQ(edit.Texto(), "15/03/1999");

  // Month 13 likewise; a good date then goes through.
  Seleccionar(edit, 3, 5);
  Tecla(edit, kTeclaSuprimir);
  Seleccionar(edit, 3, 3);
  Teclear(edit, "13");
  EXPECT_EQ(guion_.Veces("CVMES1"), 1);
  EXPECT_EQ(std::string(dato.data(), 8), "15031999");
  Seleccionar(edit, 3, 5);
  Tecla(edit, kTeclaSuprimir);
  Seleccionar(edit, 3, 3);
  Teclear(edit, "12");
  EXPECT_EQ(std::string(dato.data(), 8), "15121999");

  std::array<char, 16> dos{};
  std::fill(dos.begin(), dos.end(), ' ');
  CCampo repetida = Caja("D8*2", dos.data());
  CFechaEdit porPersona(repetida);
  porPersona.AsignarDato(dos.data());
  sujeto_ = kSujetoConyuge;
  Preparar(porPersona);
  Teclear(porPersona, "01");
  EXPECT_EQ(std::string(dos.data(), dos.size()), std::string(16, ' '));
  sujeto_ = kSujetoDeclarante;
  Preparar(porPersona);
  Teclear(porPersona, "01");
  EXPECT_EQ(std::string(dos.data(), dos.size()), std::string(8, ' ') + "01      ");
  sujeto_ = kSujetoUnidadFamiliar;
}

TEST_F(EditFecha, DigitosPorPosicion) {
  std::array<char, 8> dato;
  dato.fill(' ');
  CCampo campo = Caja("D8", dato.data());
  CFechaEdit edit(campo);
  Preparar(edit);
  Teclear(edit, "1");
  // The first day digit again: the one there moves to the second place.
  Seleccionar(edit, 0, 0);
  Teclear(edit, "2");
  EXPECT_EQ(edit.Texto(), "21/  /    ");
  EXPECT_EQ(Caret(edit), 1);
  // With both places full the first position refuses; the second is replaced.
  Seleccionar(edit, 0, 0);
  Teclear(edit, "3");
  EXPECT_EQ(edit.Texto(), "21/  /    ");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 1);
  Seleccionar(edit, 1, 1);
  Teclear(edit, "5");
  EXPECT_EQ(edit.Texto(), "25/  /    ");
  // On a separator the caret moves past it and the key is refused.
  Seleccionar(edit, 2, 2);
  Teclear(edit, "1");
  EXPECT_EQ(edit.Texto(), "25/  /    ");
  EXPECT_EQ(Caret(edit), 3);
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 2);
  // Year digits are inserted while the last place is free, then refused.
  Seleccionar(edit, 6, 6);
  Teclear(edit, "999");
  Seleccionar(edit, 6, 6);
  Teclear(edit, "1");
  EXPECT_EQ(edit.Texto(), "25/  /1999");
  Seleccionar(edit, 7, 7);
  Teclear(edit, "2");
  EXPECT_EQ(edit.Texto(), "25/  /1999");
  // Letters, º · ¿ and a caret past the end are refused.
  Seleccionar(edit, 3, 3);
  Teclear(edit, "a\xBA\xB7\xBF");
  Seleccionar(edit, 10, 10);
  Teclear(edit, "1");
  EXPECT_EQ(edit.Texto(), "25/  /1999");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 8);
}

TEST_F(EditFecha, Borrar) {
  std::array<char, 8> dato;
  std::string("12051999").copy(dato.data(), 8);
  CCampo campo = Caja("D8", dato.data());
  CFechaEdit edit(campo);
  Preparar(edit);
  EXPECT_EQ(edit.Texto(), "12/05/1999");

  // Backspace at the start of the month: the caret goes onto the separator, with a beep.
  Seleccionar(edit, 3, 3);
  Teclear(edit, "\b");
  EXPECT_EQ(edit.Texto(), "12/05/1999");
  EXPECT_EQ(Caret(edit), 2);
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 1);
  // Backspace with nothing before the caret erases nothing.
  Seleccionar(edit, 0, 0);
  Teclear(edit, "\b");
  EXPECT_EQ(edit.Texto(), "12/05/1999");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 2);

  // Delete on the first day digit moves the second one left.
  Seleccionar(edit, 0, 0);
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(edit.Texto(), "2 /05/1999");
  EXPECT_EQ(std::string(dato.data(), 8), "2 051999");
  // Backspace in the year closes the gap.
  Seleccionar(edit, 8, 8);
  Teclear(edit, "\b");
  EXPECT_EQ(edit.Texto(), "2 /05/199 ");
  EXPECT_EQ(Caret(edit), 7);
  // A selection blanks everything but the separators.
  Seleccionar(edit, 1, 7);
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(edit.Texto(), "2 /  / 99 ");
  EXPECT_EQ(std::string(dato.data(), 8), "2    99 ");
}

TEST_F(EditFecha, TabYFlechasRecorrenLosCampos) {
  std::array<char, 8> dato;
  dato.fill(' ');
  CCampo campo = Caja("D8", dato.data());
  CFechaEdit edit(campo);
  Preparar(edit);
  Teclear(edit, "7");
  // Forwards: day → month → year → out; the day gets its zero when left.
  Tab(edit);
  EXPECT_EQ(edit.Texto(), "07/  /    ");
  EXPECT_EQ(Caret(edit), 3);
  EXPECT_TRUE(edit.SuperficieMemoria().TeclasReenviadas().empty());
  // Once the day is set, a blank month fails when left.
  Tab(edit);
  EXPECT_EQ(guion_.Codigos(), std::vector<std::string>{"CVMES1"});
  EXPECT_EQ(Caret(edit), 3);
  Teclear(edit, "3");
  Tab(edit);
  EXPECT_EQ(edit.Texto(), "07/03/    ");
  EXPECT_EQ(Caret(edit), 6);
  Teclear(edit, "1999");
  // Shift+Tab from the year goes back to the month; Up from the month to the day; Up from the day leaves.
  Tab(edit, true);
  EXPECT_EQ(Caret(edit), 3);
  edit.SuperficieMemoria().Olvidar();
  Tecla(edit, kTeclaArriba);
  EXPECT_EQ(Caret(edit), 0);
  EXPECT_TRUE(edit.SuperficieMemoria().TeclasReenviadas().empty());
  Tecla(edit, kTeclaArriba);
  ASSERT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), 1u);
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas()[0].codigo, kTeclaArriba);
  // Down walks forwards; a blank year fails when left, and the box keeps the caret in it.
  Tecla(edit, kTeclaAbajo);
  Tecla(edit, kTeclaAbajo);
  EXPECT_EQ(Caret(edit), 6);
  Seleccionar(edit, 6, 10);
  Tecla(edit, kTeclaSuprimir);
  Tecla(edit, kTeclaAbajo);
  EXPECT_EQ(guion_.Veces("CVANO1"), 1);
  EXPECT_EQ(Caret(edit), 6);
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), 1u);
  EXPECT_EQ(std::string(dato.data(), 8), "0703    ");
}

TEST_F(EditFecha, FechaEnBlancoPasaYSeGuardaAlPerderFoco) {
  std::array<char, 8> dato;
  dato.fill('\0');
  CCampo campo = Caja("D8", dato.data());
  CFechaEdit edit(campo);
  Preparar(edit);
  // A value of zero bytes shows as the blank date; leaving it shows no message.
  EXPECT_EQ(edit.Texto(), "  /  /    ");
  Tab(edit);
  Tab(edit);
  Tab(edit);
  EXPECT_TRUE(guion_.Codigos().empty());
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), 1u);

  // Losing the focus normalises the three fields of what was typed.
  Seleccionar(edit, 0, 0);
  Teclear(edit, "4");
  Seleccionar(edit, 4, 4);
  Teclear(edit, "6");
  Seleccionar(edit, 6, 6);
  Teclear(edit, "98");
  edit.AlPerderFoco();
  EXPECT_EQ(std::string(dato.data(), 8), "04061998");
  EXPECT_EQ(edit.Texto(), "04/06/1998");
}

TEST_F(EditFecha, FechaDeSeisCaracteresYEntradasPorPersona) {
  std::array<char, 6> corta;
  corta.fill(' ');
  CCampo campo = Caja("D6", corta.data());
  CFechaEdit edit(campo);
  Preparar(edit);
  EXPECT_EQ(edit.Texto(), "  /  /  ");
  Teclear(edit, "010199");
  Tab(edit);
  // No century for a two-digit year box.
  EXPECT_EQ(edit.Texto(), "01/01/99");
  EXPECT_EQ(std::string(corta.data(), 6), "010199");

  // A date of each person: the third person's entry only.
  std::array<char, 40> entradas;
  entradas.fill(' ');
  CCampo porPersona = Caja("D8*5", entradas.data());
  sujeto_ = 3;
  CFechaEdit personal(porPersona);
  Preparar(personal);
  Teclear(personal, "01");
  EXPECT_EQ(std::string(entradas.data() + 16, 8), "01      ");
  EXPECT_EQ(std::string(entradas.data(), 16), std::string(16, ' '));
  EXPECT_EQ(std::string(entradas.data() + 24, 16), std::string(16, ' '));
}

TEST_F(EditFecha, SoloLecturaPortapapelesYMascaraDanada) {
  std::array<char, 8> dato;
  std::string("01021999").copy(dato.data(), 8);
  CCampo campo = Caja("D8", dato.data());
  CFechaEdit edit(campo);
  Preparar(edit);
  edit.PonerSoloLectura(true);
  Teclear(edit, "5\b");
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(std::string(dato.data(), 8), "01021999");
  edit.PonerSoloLectura(false);

  // Ctrl+C copies; pasting and cutting change nothing.
  Seleccionar(edit, 0, 5);
  Tecla(edit, 'C', true);
  EXPECT_EQ(edit.SuperficieMemoria().Portapapeles(), "01/02");
  edit.SuperficieMemoria().PonerPortapapeles("99/99");
  EXPECT_EQ(edit.FiltrarTeclaControl('V'), 0);
  edit.Pegar();
  edit.Cortar();
  EXPECT_EQ(edit.Texto(), "01/02/1999");
  // A text that is not a date (the calculator's) is not written into the value.
  edit.PonerTexto("12,00");
  EXPECT_EQ(edit.GuardarValor(), 1);
  EXPECT_EQ(std::string(dato.data(), 8), "01021999");

  // A date picture of another length never writes its value.
  std::array<char, 4> corto{'1', '2', '3', '4'};
  CCampo danado = Caja("D4", corto.data());
  CFechaEdit malo(danado);
  EXPECT_TRUE(malo.EsSoloLectura());
  malo.MostrarValor(0);
  Teclear(malo, "9");
  EXPECT_EQ(std::string(corto.data(), 4), "1234");
}

// A date half erased, or one that does not exist, never stays in the declaration: leaving the box with it gives the
// declaration back what it held; with Tab the box shows FECHAM and is not left, a click elsewhere lets it go
// without a word. A whole date that exists goes through.
TEST_F(EditFecha, UnaFechaAMediasOQueNoExisteNoSeQuedaGuardada) {
  enum class ESalida { Tab, Clic };
  struct SCaso {
    const char* nombre;
    const char* guardada;  // the value before, 8 characters
    int suprimir;          // Delete pressed on the first day digit before typing
    const char* teclas;    // typed over the erased date, from its start (nothing: the date only erased)
    ESalida salida;
    const char* queda;  // the value after leaving
    const char* muestra;
    bool mensaje;  // FECHAM shown
    bool sale;     // the box was left (Tab forwarded)
  };
  const SCaso casos[] = {
      {"dia borrado y clic fuera", "15031999", 2, "", ESalida::Clic, "15031999", "15/03/1999", false, false},
      {"dia borrado y Tab desde el ano", "15031999", 2, "", ESalida::Tab, "15031999", "15/03/1999", true, false},
      {"31 de febrero sobre una fecha", "15031999", 10, "31021999", ESalida::Tab, "15031999", "15/03/1999", true,
       false},
      {"31 de febrero en una casilla vacia", "        ", 0, "31021999", ESalida::Tab, "        ", "  /  /    ", true,
       false},
      {"29 de febrero de 1999 y clic fuera", "        ", 0, "29021999", ESalida::Clic, "        ", "  /  /    ", false,
       false},
      {"29 de febrero de 2000", "15031999", 10, "29022000", ESalida::Tab, "29022000", "29/02/2000", false, true},
      {"fecha borrada entera", "15031999", 10, "", ESalida::Tab, "        ", "  /  /    ", false, true},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.nombre);
    const int antes = guion_.Veces("FECHAM");
    std::array<char, 8> dato;
    std::string(c.guardada).copy(dato.data(), 8);
    CCampo campo = Caja("D8", dato.data());
    CFechaEdit edit(campo);
    edit.AsignarDato(dato.data());
    Preparar(edit);
    if (c.suprimir == 10) {
      Seleccionar(edit, 0, 10);
      Tecla(edit, kTeclaSuprimir);
    } else {
      for (int i = 0; i < c.suprimir; ++i) {
        Seleccionar(edit, 0, 0);
        Tecla(edit, kTeclaSuprimir);
      }
    }
    Seleccionar(edit, 0, 0);
    Teclear(edit, c.teclas);
    // A whole date that does not exist is not written through while it is typed.
    if (std::string(c.teclas).size() == 8 && std::string(c.queda) != c.teclas) {
      EXPECT_EQ(std::string(dato.data(), 8), c.guardada);
    }
    // The caret in the year, as after typing it.
    Seleccionar(edit, 8, 8);
    edit.SuperficieMemoria().Olvidar();
    if (c.salida == ESalida::Tab) {
      Tab(edit);
    } else {
      edit.AlPerderFoco();
    }
    EXPECT_EQ(std::string(dato.data(), 8), c.queda);
    EXPECT_EQ(edit.Texto(), c.muestra);
    EXPECT_EQ(guion_.Veces("FECHAM") - antes, c.mensaje ? 1 : 0);
    if (c.salida == ESalida::Tab) {
      EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), c.sale ? 1u : 0u);
      if (!c.sale) {
        EXPECT_EQ(Caret(edit), 0);
      }
    }
  }
}

TEST(EditFechaReglas, FechaEnteraYAdmitida) {
  struct SCaso {
    const char* texto;
    int n;
    bool completa;  // the box may be left with it
    bool admitida;  // it may be written through while typed
  };
  const SCaso casos[] = {
      {"  /  /    ", 8, true, true},   {"15/03/1999", 8, true, true},  {"  /03/1999", 8, false, true},
      {"15/  /1999", 8, false, true},  {"15/03/    ", 8, false, true}, {"15/03/99  ", 8, false, true},
      {"31/02/1999", 8, false, false}, {"29/02/1999", 8, false, false}, {"29/02/2000", 8, true, true},
      {"31/04/1999", 8, false, false}, {"01/01/1899", 8, false, false}, {"32/01/1999", 8, false, false},
      {"29/02/00", 6, false, false},   {"28/02/99", 6, true, true},    {"  /  /  ", 6, true, true},
  };
  for (const SCaso& c : casos) {
    EXPECT_EQ(CFechaEdit::FechaCompleta(c.texto, c.n), c.completa) << c.texto;
    EXPECT_EQ(CFechaEdit::TextoAdmitido(c.texto, c.n), c.admitida) << c.texto;
  }
}

TEST(EditFechaReglas, ComprobacionDeCampos) {
  struct SCaso {
    const char* texto;
    ECampoFecha campo;
    int n;
    bool valido;
  };
  const SCaso casos[] = {
      {"  /  /    ", ECampoFecha::Dia, 8, true},  {"  /  /    ", ECampoFecha::Ano, 8, true},
      {"00/00/0000", ECampoFecha::Dia, 8, false}, {"31/12/1999", ECampoFecha::Dia, 8, true},
      {"32/12/1999", ECampoFecha::Dia, 8, false}, {" 1/  /    ", ECampoFecha::Dia, 8, true},
      {"  /05/    ", ECampoFecha::Dia, 8, false}, {"01/13/1999", ECampoFecha::Mes, 8, false},
      {"01/12/1999", ECampoFecha::Mes, 8, true},  {"01/01/0000", ECampoFecha::Ano, 8, false},
      {"01/01/5   ", ECampoFecha::Ano, 8, true},  {"01/01/99", ECampoFecha::Ano, 6, true},
      {"01/01/00", ECampoFecha::Ano, 6, false},
  };
  for (const SCaso& c : casos) {
    EXPECT_EQ(CFechaEdit::CampoValido(c.texto, c.campo, c.n), c.valido) << c.texto;
  }
}

TEST(EditFechaReglas, Normalizacion) {
  struct SCaso {
    const char* antes;
    ECampoFecha campo;
    int n;
    const char* despues;
  };
  const SCaso casos[] = {
      {"5 /  /    ", ECampoFecha::Dia, 8, "05/  /    "}, {" 5/  /    ", ECampoFecha::Dia, 8, "05/  /    "},
      {"  /  /    ", ECampoFecha::Dia, 8, "  /  /    "}, {"  /7 /    ", ECampoFecha::Mes, 8, "  /07/    "},
      {"  /  / 9 9", ECampoFecha::Ano, 8, "  /  /1999"}, {"  /  /09  ", ECampoFecha::Ano, 8, "  /  /2009"},
      {"  /  /10  ", ECampoFecha::Ano, 8, "  /  /1910"}, {"  /  /199 ", ECampoFecha::Ano, 8, "  /  /199 "},
      {"  /  /7   ", ECampoFecha::Ano, 8, "  /  /7   "}, {"  /  /99", ECampoFecha::Ano, 6, "  /  /99"},
  };
  for (const SCaso& c : casos) {
    std::string texto = c.antes;
    CFechaEdit::NormalizarCampo(texto, c.campo, c.n);
    EXPECT_EQ(texto, c.despues) << c.antes;
  }
}

}  // namespace
}  // namespace marco
