// The base box edit without a window: leaving with Tab and Enter, the member lock, the keys handed to the parent,
// the clipboard keys, overwrite mode, storing a person's entry, the notifications and the calculator.
#include "framework/EditEx.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "EditPrueba.h"
#include "framework/EditNumerico.h"

namespace marco {
namespace {

using pruebas_edit::Caja;
using pruebas_edit::Seleccionar;
using pruebas_edit::Tecla;
using pruebas_edit::Teclear;

// An edit whose leave check answers what the test says.
class CEditSalida : public CEditEx {
 public:
  using CEditEx::CEditEx;
  int ValidarAlSalir(const std::string* texto) override {
    ++llamadas;
    if (texto != nullptr) ultimoTexto = *texto;
    return respuesta;
  }
  int respuesta = 0;
  int llamadas = 0;
  std::string ultimoTexto;
};

using STecla = CSuperficieEditMemoria::STeclaReenviada;

class EditEx : public pruebas_edit::CFixtureEdit {};

TEST_F(EditEx, TabuladorSegunLaComprobacionDeSalida) {
  struct Caso {
    int respuesta;
    bool reenviada;
    int avisos070;
    bool confirmado;
  };
  const Caso casos[] = {{0, true, 0, true}, {1, false, 1, false}, {2, false, 0, true}};
  for (const Caso& caso : casos) {
    for (const unsigned tecla : {unsigned{kTeclaTabulador}, unsigned{kTeclaIntro}}) {
      std::array<char, 10> dato{};
      CCampo campo = Caja("A10", dato.data(), 12);
      CEditSalida edit(campo);
      edit.respuesta = caso.respuesta;
      Teclear(edit, "AB");
      ASSERT_FALSE(edit.EstaConfirmado());
      const int mensajesAntes = guion_.Veces("WIN070");
      edit.SuperficieMemoria().Olvidar();
      edit.AlCaracter(tecla);
      SCOPED_TRACE(caso.respuesta);
      // The parent hears of Tab or Enter before the check, whatever the check says.
      ASSERT_FALSE(edit.SuperficieMemoria().Avisos().empty());
      EXPECT_EQ(edit.SuperficieMemoria().Avisos().front(), (CSuperficieEditMemoria::SAviso{12, kAvisoTabulador}));
      EXPECT_EQ(edit.ultimoTexto, "AB");
      EXPECT_EQ(guion_.Veces("WIN070") - mensajesAntes, caso.avisos070);
      EXPECT_EQ(edit.EstaConfirmado(), caso.confirmado);
      const auto& teclas = edit.SuperficieMemoria().TeclasReenviadas();
      if (caso.reenviada) {
        ASSERT_EQ(teclas.size(), 1u);
        EXPECT_EQ(teclas[0], (STecla{true, EDestinoTecla::Padre, static_cast<int>(tecla)}));
      } else {
        EXPECT_TRUE(teclas.empty());
      }
    }
  }
}

TEST_F(EditEx, EscapeVaAlDueno) {
  std::array<char, 10> dato{};
  CCampo campo = Caja("A10", dato.data());
  CEditEx edit(campo);
  edit.AlCaracter(kTeclaEscape);
  ASSERT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), 1u);
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas()[0], (STecla{true, EDestinoTecla::Dueno, kTeclaEscape}));
  EXPECT_EQ(edit.Texto(), "");
}

TEST_F(EditEx, BloqueoDeMiembro) {
  std::array<char, 10> dato{};
  dato.fill(' ');
  CCampo campo = Caja("S10", dato.data());
  campo.Decimales = 0;
  CEditEx edit(campo);
  edit.PonerTexto("ABC");
  Seleccionar(edit, 0, 0);

  // The declarant shown, a spouse present, marker 0: no typing, no erasing.
  ConConyuge(kSujetoDeclarante);
  Teclear(edit, "X");
  EXPECT_EQ(edit.Texto(), "ABC");
  EXPECT_EQ(guion_.Veces("WINR007"), 1);
  EXPECT_GE(edit.SuperficieMemoria().Pitidos(), 1);
  EXPECT_FALSE(edit.EstaModificado());

  // Delete in a single-line box ('S' other than d = 1 is multi-line; a number box is single-line).
  std::array<double, 1> importe{12.0};
  CCampo caja = Caja("F5", importe.data());
  CDoubleEdit numero(caja);
  numero.PonerTexto("12");
  Seleccionar(numero, 0, 0);
  EXPECT_FALSE(Tecla(numero, kTeclaSuprimir));
  EXPECT_EQ(numero.Texto(), "12");
  EXPECT_EQ(guion_.Veces("WINR007"), 2);

  // Delete in a multi-line box on a page keeps the text as well.
  EXPECT_FALSE(Tecla(edit, kTeclaSuprimir));
  EXPECT_EQ(guion_.Veces("WINR007"), 3);
  EXPECT_EQ(edit.Texto(), "ABC");
  EXPECT_FALSE(edit.EstaModificado());

  // Navigation keys are never locked.
  EXPECT_FALSE(Tecla(edit, kTeclaAvPag));
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas().back().codigo, kTeclaAvPag);

  // A box with a marker, the family unit shown, or no spouse nor child: typing goes in.
  edit.PonerMarca(1);
  Teclear(edit, "X");
  EXPECT_EQ(edit.Texto(), "XABC");
  edit.PonerMarca(0);
  sujeto_ = kSujetoUnidadFamiliar;
  Teclear(edit, "Y");
  EXPECT_EQ(edit.Texto(), "XYABC");
  sujeto_ = kSujetoDeclarante;
  presentes_[kSujetoConyuge - 1] = 0;
  Teclear(edit, "Z");
  EXPECT_EQ(edit.Texto(), "XYZABC");
  EXPECT_EQ(guion_.Veces("WINR007"), 3);
}

TEST_F(EditEx, SuprimirMarcaModificadoYBorra) {
  std::array<char, 6> dato{};
  CCampo campo = Caja("A6", dato.data());
  CEditEx edit(campo);
  edit.PonerTexto("ABC");
  Seleccionar(edit, 1, 1);
  EXPECT_FALSE(Tecla(edit, kTeclaSuprimir));
  EXPECT_EQ(edit.Texto(), "AC");
  EXPECT_TRUE(edit.EstaModificado());
  edit.AlPerderFoco();
  EXPECT_EQ(std::string(dato.data(), dato.size()), "AC    ");
}

TEST_F(EditEx, SaltosDeLineaPegadosSeGuardanComoBlancos) {
  std::array<char, 12> dato{};
  CCampo campo = Caja("A12", dato.data());
  CEditEx edit(campo);
  edit.AlGanarFoco();
  edit.SuperficieMemoria().PonerPortapapeles("UNO\r\nDOS\nT");
  EXPECT_FALSE(Tecla(edit, 'V', true));
  EXPECT_EQ(edit.Texto(), "UNO\r\nDOS\nT");
  edit.AlPerderFoco();
  EXPECT_EQ(std::string(dato.data(), dato.size()), "UNO  DOS T  ");
  EXPECT_EQ(edit.Texto(), "UNO  DOS T");
}

TEST_F(EditEx, GuardaLaEntradaDelMiembro) {
  std::array<char, 50> dato{};
  dato.fill('.');
  CCampo campo = Caja("S10*5", dato.data());
  ASSERT_EQ(campo.Repeticion, 5);
  CEditEx edit(campo);
  sujeto_ = kSujetoConyuge;  // person 3
  edit.PonerTexto("GARCIA");
  EXPECT_EQ(edit.GuardarValor(), 1);
  const std::string todo(dato.data(), dato.size());
  EXPECT_EQ(todo.substr(20, 10), "GARCIA    ");
  EXPECT_EQ(todo.substr(0, 20), std::string(20, '.'));
  EXPECT_EQ(todo.substr(30), std::string(20, '.'));

  // The text is cut at the field length and at a NUL; unbound stores nothing.
  edit.PonerTexto(std::string("ABCDEFGHIJKLMNO"));
  edit.GuardarValor();
  EXPECT_EQ(std::string(dato.data() + 20, 10), "ABCDEFGHIJ");
  EXPECT_EQ(dato[30], '.');
  campo.Dato = nullptr;
  EXPECT_EQ(edit.GuardarValor(), 0);
}

TEST_F(EditEx, SoloLecturaNoCambia) {
  std::array<char, 8> dato{};
  CCampo campo = Caja("A8", dato.data());
  CEditEx edit(campo);
  edit.PonerTexto("HOLA");
  edit.PonerSoloLectura(true);
  edit.SuperficieMemoria().PonerPortapapeles("X");
  edit.SuperficieMemoria().Olvidar();
  EXPECT_FALSE(Tecla(edit, kTeclaInsertar, false, true));  // Shift+Insert
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 1);
  Teclear(edit, "Z");
  Seleccionar(edit, 0, 4);
  Tecla(edit, 'X', true);
  EXPECT_EQ(edit.Texto(), "HOLA");
  EXPECT_EQ(edit.GuardarValor(), 1);
  EXPECT_EQ(dato[0], '\0');
}

TEST_F(EditEx, TeclasDelPortapapelesYDeshacer) {
  std::array<char, 10> dato{};
  CCampo campo = Caja("A10", dato.data());
  CEditEx edit(campo);
  Teclear(edit, "PEREZ");
  Seleccionar(edit, 0, 3);
  Tecla(edit, kTeclaInsertar, true);  // Ctrl+Insert copies
  EXPECT_EQ(edit.SuperficieMemoria().Portapapeles(), "PER");
  Tecla(edit, kTeclaSuprimir, false, true);  // Shift+Delete cuts
  EXPECT_EQ(edit.Texto(), "EZ");
  Seleccionar(edit, 2, 2);
  Tecla(edit, 'V', true);
  EXPECT_EQ(edit.Texto(), "EZPER");
  Tecla(edit, 'Z', true);
  EXPECT_EQ(edit.Texto(), "EZ");
  EXPECT_TRUE(edit.EstaModificado());
  // Ctrl+C leaves the text alone; a letter without Control is no clipboard key.
  Seleccionar(edit, 0, 2);
  Tecla(edit, 'C', true);
  EXPECT_EQ(edit.Texto(), "EZ");
  EXPECT_TRUE(Tecla(edit, 'C'));
}

TEST_F(EditEx, PegarRespetaLaLongitudYLasMayusculas) {
  std::array<char, 5> dato{};
  CCampo campo = Caja("A5", dato.data());
  CEditEx edit(campo);
  Teclear(edit, "ab");
  EXPECT_EQ(edit.Texto(), "AB");
  edit.SuperficieMemoria().PonerPortapapeles("\xF1xyzw");  // ñ
  edit.Pegar();
  EXPECT_EQ(edit.Texto(), "AB\xD1XY");
  Teclear(edit, "Q");  // no room left
  EXPECT_EQ(edit.Texto(), "AB\xD1XY");
}

TEST_F(EditEx, ModoSobrescribir) {
  std::array<double, 1> dato{};
  CCampo campo = Caja("F6", dato.data());
  campo.AdmitNega = 0;
  CEditEx edit(campo);
  edit.PonerTexto("1234");
  Seleccionar(edit, 1, 1);
  EXPECT_TRUE(Tecla(edit, kTeclaInsertar));
  EXPECT_TRUE(edit.Sobrescribir());
  Teclear(edit, "9");
  EXPECT_EQ(edit.Texto(), "1934");
  Teclear(edit, "-");  // a sign is inserted, never written over a digit
  EXPECT_EQ(edit.Texto(), "19-34");
  Tecla(edit, kTeclaInsertar);
  Teclear(edit, "5");
  EXPECT_EQ(edit.Texto(), "19-534");
}

TEST_F(EditEx, FlechasYTeclasDeNavegacion) {
  std::array<char, 40> dato{};
  CCampo campo = Caja("S40.1", dato.data());
  CEditSalida edit(campo);
  ASSERT_TRUE(edit.EsMultilinea());
  edit.PonerTexto("LINEA UNO\nLINEA DOS");
  // Up on the second line moves the caret (the control's own processing); on the first it leaves the box.
  Seleccionar(edit, 12, 12);
  EXPECT_TRUE(Tecla(edit, kTeclaArriba));
  EXPECT_TRUE(edit.SuperficieMemoria().TeclasReenviadas().empty());
  Seleccionar(edit, 2, 2);
  EXPECT_FALSE(Tecla(edit, kTeclaArriba));
  ASSERT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), 1u);
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas()[0], (STecla{false, EDestinoTecla::Padre, kTeclaArriba}));
  EXPECT_EQ(edit.llamadas, 0);  // confirmed: no check

  // Unconfirmed text: Down checks first; a refusal warns and keeps the key.
  edit.SuperficieMemoria().Olvidar();
  Seleccionar(edit, 19, 19);
  Teclear(edit, "X");
  edit.respuesta = 1;
  EXPECT_FALSE(Tecla(edit, kTeclaAbajo));
  EXPECT_EQ(edit.llamadas, 1);
  EXPECT_EQ(guion_.Veces("WIN070"), 1);
  EXPECT_TRUE(edit.SuperficieMemoria().TeclasReenviadas().empty());
  edit.respuesta = 0;
  EXPECT_FALSE(Tecla(edit, kTeclaAbajo));
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), 1u);
  EXPECT_TRUE(edit.EstaConfirmado());

  // Left and Right move the caret unless Control and Shift are both down; Home is always the control's.
  edit.SuperficieMemoria().Olvidar();
  EXPECT_TRUE(Tecla(edit, kTeclaIzquierda));
  EXPECT_TRUE(Tecla(edit, kTeclaDerecha, true));
  EXPECT_TRUE(edit.SuperficieMemoria().TeclasReenviadas().empty());
  EXPECT_FALSE(Tecla(edit, kTeclaDerecha, true, true));
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), 1u);
  EXPECT_TRUE(Tecla(edit, kTeclaInicio));
  for (const int tecla : {kTeclaRePag, kTeclaAvPag, kTeclaF2, kTeclaF7, kTeclaF9}) EXPECT_FALSE(Tecla(edit, tecla));
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), 6u);
}

TEST_F(EditEx, TextoSinBlancosSeParteDondeElControlLoCorta) {
  std::array<char, 30> dato{};
  CCampo campo = Caja("S30.1", dato.data());
  CEditEx edit(campo);
  edit.SuperficieMemoria().PonerAnchoLinea(5);
  Teclear(edit, "ABCDE");
  EXPECT_EQ(edit.Texto(), "ABCDE");
  Teclear(edit, "F");
  EXPECT_EQ(edit.Texto(), "ABCDE F");
  Teclear(edit, "G");  // the text has a blank now
  EXPECT_EQ(edit.Texto(), "ABCDE FG");
}

TEST_F(EditEx, AvisosAlPadre) {
  std::array<char, 10> dato{};
  std::memcpy(dato.data(), "PEPE      ", 10);
  CCampo campo = Caja("A10", dato.data(), 31);
  CEditEx edit(campo);
  edit.AlGanarFoco();
  EXPECT_EQ(edit.Texto(), "PEPE");
  Teclear(edit, "S");
  edit.AlPerderFoco();
  EXPECT_EQ(std::string(dato.data(), 10), "SPEPE     ");
  const std::vector<int> esperado{kAvisoFocoGanado, kAvisoTextoCambiara, kAvisoTextoCambiado,  // shown
                                  kAvisoTextoCambiara, kAvisoTextoCambiado,                    // typed
                                  kAvisoFocoPerdido};
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos(), esperado);
  for (const auto& aviso : edit.SuperficieMemoria().Avisos()) EXPECT_EQ(aviso.idControl, 31);

  // A refused leave on losing the focus stops there: nothing stored, no notification.
  CEditSalida otro(campo);
  otro.respuesta = 1;
  Teclear(otro, "Q");
  otro.SuperficieMemoria().Olvidar();
  otro.AlPerderFoco();
  EXPECT_TRUE(otro.SuperficieMemoria().CodigosAvisos().empty());
  EXPECT_EQ(otro.SuperficieMemoria().Pitidos(), 1);
  EXPECT_EQ(std::string(dato.data(), 10), "SPEPE     ");
}

TEST_F(EditEx, Construccion) {
  CCampo campo = Caja("A9", nullptr);
  campo.NumeroDeCo = 0;
  CEditEx edit(campo);
  EXPECT_EQ(campo.NumeroDeCo, 1);
  EXPECT_EQ(edit.LongitudMaxima(), 9);
  EXPECT_FALSE(edit.EsCampoPropio());
  EXPECT_EQ(edit.IdControl(), 7);

  CEditEx propio(12);
  ASSERT_NE(propio.DameCampo(), nullptr);
  EXPECT_TRUE(propio.EsCampoPropio());
  EXPECT_EQ(propio.DameCampo()->StrValidac, "S12");
  EXPECT_EQ(propio.DameCampo()->Longitud, 12);
  EXPECT_EQ(propio.DameCampo()->NumeroDeCo, 1);
  EXPECT_EQ(propio.LongitudMaxima(), 12);

  CEditEx vacio;
  EXPECT_EQ(vacio.DameCampo(), nullptr);
  EXPECT_EQ(vacio.GuardarValor(), 0);
  vacio.MostrarValor(0);
  Teclear(vacio, "AB");
  EXPECT_EQ(vacio.Texto(), "AB");
  vacio.PonerCampo(campo);
  EXPECT_EQ(vacio.DameCampo(), &campo);

  EXPECT_EQ(edit.CambiarOpcionCampo(2), 0);
  EXPECT_EQ(edit.CambiarOpcionCampo(0), 2);
  int enlace = 0;
  edit.AsignarEnlaceDetalle(&enlace);
  EXPECT_EQ(campo.Enlace, &enlace);
  std::array<char, 9> dato{};
  EXPECT_EQ(edit.AsignarDato(dato.data()), 9);
  EXPECT_EQ(campo.Dato, dato.data());
}

TEST_F(EditEx, Estilos) {
  struct Caso {
    const char* mascara;
    unsigned extra;
  };
  const Caso casos[] = {
      {"S40.1", kEstiloMultilinea},
      {"S40", kEstiloMultilinea | kEstiloDesplazamientoH},
      {"A20", kEstiloMultilinea | kEstiloDesplazamientoH},
      {"P20", kEstiloDesplazamientoH},
      {"A20.1", kEstiloMultilinea | kEstiloDesplazamientoH},
  };
  for (const Caso& caso : casos) {
    CCampo campo = Caja(caso.mascara, nullptr);
    CEditEx edit(campo);
    EXPECT_EQ(edit.DameEstilo(), kEstiloMayusculas | kEstiloQuiereRetorno | caso.extra) << caso.mascara;
  }
  CCampo importe = Caja("F9.2", nullptr);
  EXPECT_EQ(CDoubleEdit(importe).DameEstilo(), kEstiloMayusculas | kEstiloQuiereRetorno | kEstiloDesplazamientoH |
                                                   kEstiloDerecha);
}

TEST_F(EditEx, Calculadora) {
  std::array<double, 1> dato{};
  CCampo campo = Caja("F12.2", dato.data());
  campo.AdmitNega = 1;
  CDoubleEdit edit(campo);

  // Without the shell's calculator F5 only beeps.
  EXPECT_FALSE(Tecla(edit, kTeclaF5));
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 1);

  struct Caso {
    const char* resultado;
    bool tomado;
    const char* texto;
    double valor;
  };
  const Caso casos[] = {
      {"123456789.5", true, "123456789,5", 123456789.5},  // "123456789,50": 12 characters
      {"1234567890", false, "", 0.0},                     // 13 characters
      {"-12,345", true, "-12,35", -12.35},
      {"no", false, "", 0.0},
  };
  for (const Caso& caso : casos) {
    dato[0] = 0.0;
    edit.PonerTexto("");
    edit.PonerModificado(false);
    bool numerico = false;
    PonerServiciosEdit({[&](wxWindow*, bool esNumerico) -> std::optional<std::string> {
                          numerico = esNumerico;
                          return std::string(caso.resultado);
                        },
                        {}});
    const int antes = guion_.Veces("WIN059");
    EXPECT_FALSE(Tecla(edit, kTeclaF5));
    EXPECT_TRUE(numerico);
    SCOPED_TRACE(caso.resultado);
    EXPECT_EQ(guion_.Veces("WIN059") - antes, caso.tomado ? 0 : 1);
    EXPECT_EQ(edit.Texto(), caso.texto);
    EXPECT_DOUBLE_EQ(dato[0], caso.valor);
    EXPECT_EQ(edit.EstaModificado(), caso.tomado);
  }

  // Cancelled: nothing changes. Locked: a beep and no calculator.
  int llamadas = 0;
  PonerServiciosEdit({[&](wxWindow*, bool) -> std::optional<std::string> {
                        ++llamadas;
                        return std::nullopt;
                      },
                      {}});
  edit.PonerTexto("5");
  Tecla(edit, kTeclaF5);
  EXPECT_EQ(edit.Texto(), "5");
  ConConyuge(kSujetoConyuge);
  Tecla(edit, kTeclaF5);
  EXPECT_EQ(llamadas, 1);
}

// A calculator figure goes into a box only as the box itself would take it: rounded to its decimals, within its
// digits, with a sign only where it admits negatives; an integer box takes whole figures only. What it would refuse
// shows WIN059 and leaves the box and its value as they were.
TEST_F(EditEx, LaCalculadoraRespetaLaReglaDeLaCasilla) {
  struct Caso {
    const char* mascara;
    bool negativos;
    const char* resultado;
    bool tomado;
    const char* texto;
    double valor;
  };
  const Caso casos[] = {
      {"F12", false, "3500", true, "3500", 3500.0},        // whole pesetas
      {"F12", false, "3500,5", true, "3501", 3501.0},      // rounded half away from zero
      {"F12", false, "-5", false, "", 7.0},                // no negatives in this box
      {"F12", true, "-5", true, "-5", -5.0},
      {"F12", true, "-0,4", true, "", 0.0},                // rounds to nothing
      {"F9.2", false, "123456789,126", true, "123456789,13", 123456789.13},
      {"F9.2", false, "1234567890", false, "", 7.0},       // ten digits in a box of nine
      {"F9.2", false, "60,10", true, "60,1", 60.1},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.resultado);
    std::array<double, 1> dato{7.0};
    CCampo campo = Caja(caso.mascara, dato.data());
    campo.AdmitNega = caso.negativos ? 1 : 0;
    CDoubleEdit edit(campo);
    edit.PonerTexto("");
    const int antes = guion_.Veces("WIN059");
    EXPECT_EQ(edit.AplicarResultadoCalculadora(caso.resultado), caso.tomado ? 1 : 0);
    EXPECT_EQ(guion_.Veces("WIN059") - antes, caso.tomado ? 0 : 1);
    EXPECT_EQ(edit.Texto(), caso.texto);
    EXPECT_DOUBLE_EQ(dato[0], caso.valor);
  }

  const struct {
    const char* resultado;
    bool tomado;
    std::int32_t valor;
  } enteros[] = {{"1999", true, 1999}, {"2,5", false, 3}, {"-1", false, 3}, {"123456", false, 3}, {"12,00", true, 12}};
  for (const auto& caso : enteros) {
    SCOPED_TRACE(caso.resultado);
    std::int32_t dato = 3;
    CCampo campo = Caja("I4", &dato);
    CEnteroEdit edit(campo);
    EXPECT_EQ(edit.AplicarResultadoCalculadora(caso.resultado), caso.tomado ? 1 : 0);
    EXPECT_EQ(dato, caso.valor);
  }

  // A box of digits only (a code) takes a whole figure as its digits, unconfirmed as if typed, so that leaving it
  // runs its check; a figure with decimals it refuses.
  struct CCodigo : CEditEx {
    using CEditEx::CEditEx;
    int EsNumerico() override { return 1; }
    int TextoAdmisible(std::string_view texto) override {
      return texto.find_first_not_of("0123456789") == std::string_view::npos ? 1 : 0;
    }
  };
  CCampo codigo = Caja("S5", nullptr);
  CCodigo cajaCodigo(codigo);
  EXPECT_EQ(cajaCodigo.AplicarResultadoCalculadora("28"), 1);
  EXPECT_EQ(cajaCodigo.Texto(), "28");
  EXPECT_FALSE(cajaCodigo.EstaConfirmado());
  EXPECT_EQ(cajaCodigo.AplicarResultadoCalculadora("2,5"), 0);
  EXPECT_EQ(cajaCodigo.Texto(), "28");

  // A read-only box takes nothing.
  std::array<double, 1> dato{7.0};
  CCampo campo = Caja("F12", dato.data());
  CDoubleEdit edit(campo);
  edit.PonerSoloLectura(true);
  EXPECT_EQ(edit.AplicarResultadoCalculadora("5"), 0);
  EXPECT_DOUBLE_EQ(dato[0], 7.0);
}

TEST_F(EditEx, AyudaConElContextoDelCampo) {
  std::vector<int> contextos;
  PonerServiciosEdit({{}, [&](int contexto) { contextos.push_back(contexto); }});
  CCampo campo = Caja("A5", nullptr);
  campo.NumeroDeCo = 345;
  CEditEx edit(campo);
  EXPECT_TRUE(edit.AntesDeTraducir(kTeclaF1));
  EXPECT_EQ(contextos, std::vector<int>{345});
}

TEST_F(EditEx, TeclaDeSistema) {
  // Alt+Down goes to the character hook (the list edits open their list there); nothing else happens.
  struct CEditLista : CEditEx {
    using CEditEx::CEditEx;
    int ValidarCaracter(unsigned caracter, int, unsigned, int) override {
      recibidos.push_back(caracter);
      return 0;
    }
    std::vector<unsigned> recibidos;
  };
  CCampo campo = Caja("L5", nullptr);
  CEditLista edit(campo);
  edit.AlPulsarTeclaSistema(kTeclaAbajo);
  edit.AlPulsarTeclaSistema('X');
  EXPECT_EQ(edit.recibidos, std::vector<unsigned>{kTeclaAbajo});
  EXPECT_EQ(edit.Texto(), "");
}

TEST_F(EditEx, MenuDeLaPagina) {
  const auto& menu = MenuContextualPagina();
  std::vector<int> ids;
  for (const auto& opcion : menu) ids.push_back(opcion.id);
  const std::vector<int> esperado{kComandoDeshacer, kComandoCortar, kComandoCopiar, kComandoPegar, 0,
                                  32802, 0, 32776, 32777, 32778, 32779, 0, 32773, 32774, 0, 144, 0, 32772, 0,
                                  kComandoAyuda, 0};
  EXPECT_EQ(ids, esperado);
  EXPECT_EQ(menu[5].texto, "&Ir a p\xE1gina... \tCtrl+I");
}

}  // namespace
}  // namespace marco
