// Tables of a database: opening, orders, seeks, conditions, the field access by type code, locks and appends with
// their series of tries (a second process holds the record or the table), and the messages they show.
#include "framework/Tabla.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "TablasPrueba.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "platform/Registros.h"

namespace marco {
namespace {

constexpr const char* kFuente =
    "TABLA Prueba\n"
    "CAMPO CLAVE C 6\n"
    "CAMPO NUMERO N 8 2\n"
    "CAMPO ENTERO I\n"
    "CAMPO REAL F 12 4\n"
    "CAMPO ACTIVO L\n"
    "CAMPO NOTA M\n"
    "CAMPO DATOS B\n"
    "ETIQUETA CLAVE CLAVE\n"
    "ETIQUETA NUMERO STRZERO(ENTERO,4)\n"
    "FILAS\n"
    "A01|12.50|7|1.25|T|hola memo|414243\n"
    "A02|-3|9|0|F||\n"
    "*A03|1|1|1|F||\n";

class Tabla : public pruebas::CCarpetaTablas {
 protected:
  void SetUp() override {
    CCarpetaTablas::SetUp();
    ruta_ = CrearTabla("Prueba", kFuente).string();
    local_.Abrir(Carpeta(), false, 5, "DBF");
    red_.Abrir(Carpeta(), true, 3, "DBF");
  }

  std::string ruta_;
  CBaseDatos local_;
  CBaseDatos red_;
  CGuionMensajes guion_{{}, kBotonCancelar};  // an unexpected question to try again is declined
};

TEST_F(Tabla, AbreAlConstruirYCierraAlDestruir) {
  CTabla t(&local_, "prueba");
  EXPECT_EQ(t.EstaAbierta(), 1);
  EXPECT_EQ(t.DameNombre(), "prueba");
  EXPECT_EQ(t.NumeroRegistros(), 2);  // the deleted row is hidden
  EXPECT_EQ(t.Abrir(1), 0);           // already open: the object keeps its table
  EXPECT_EQ(t.EstaAbierta(), 1);
  t.Cerrar();
  EXPECT_EQ(t.EstaAbierta(), 0);
  EXPECT_EQ(t.Abrir(1, "CLAVE"), 1);
  EXPECT_EQ(t.DameOrden(), 1);
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(Tabla, FicheroQueNoExisteLoDiceYNoReintenta) {
  CTabla t(&red_, "NoExiste");
  EXPECT_EQ(t.EstaAbierta(), 0);
  ASSERT_EQ(guion_.Mensajes().size(), 1u);
  const SMensaje& m = guion_.Mensajes()[0];
  EXPECT_EQ(m.codigo, "");
  EXPECT_EQ(m.icono, IconoExclamacion);
  EXPECT_EQ(m.texto, "El fichero " + Carpeta() + "NoExiste.DBF no se ha encontrado.");
  EXPECT_EQ(t.IntentosUltimaOperacion(), 0);

  CTabla sinNombre(&local_);
  EXPECT_EQ(sinNombre.Abrir(1), 0);
  EXPECT_EQ(guion_.Mensajes().size(), 1u);
}

TEST_F(Tabla, FicheroDanadoLoDiceSinOfrecerReintentar) {
  std::ofstream(carpeta_ / "Roto.DBF") << "esto no es una tabla";
  CGuionMensajes guion({kBotonAceptar, kBotonAceptar}, kBotonAceptar);
  CTabla t(&local_);
  EXPECT_EQ(t.Abrir(0, {}, "Roto"), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM002"}));
  EXPECT_EQ(guion.Mensajes()[0].extra, Carpeta() + "Roto.DBF");
  EXPECT_EQ(t.IntentosUltimaOperacion(), 1);
  EXPECT_TRUE(t.FalloAvisado());

  // A table of the store (a shared database): said once as a damaged store, with the way to recover, and tried
  // once more for reading only; later opens say nothing more.
  CTabla u(&red_);
  EXPECT_EQ(u.Abrir(0, {}, "Roto"), 0);
  EXPECT_TRUE(u.FalloAvisado());
  EXPECT_TRUE(red_.TablaDanada("ROTO"));
  EXPECT_EQ(u.IntentosUltimaOperacion(), 2);
  CTabla v(&red_);
  EXPECT_EQ(v.Abrir(1, {}, "Roto"), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM002", "ALM006"}));
  EXPECT_EQ(guion.Mensajes()[1].extra, Carpeta() + "Roto.DBF");
  MotorRegistros().MarcarRescate(carpeta_ / "Roto.DBF", false);
}

TEST_F(Tabla, FicheroOcupadoOfreceReintentarPorSeries) {
  // Another process keeps the file from being read; each try waits a moment for it, and after a series of tries
  // the user is told that the store is busy with another user's writing.
  plataforma::COpcionesMotor antes = MotorRegistros().Opciones();
  plataforma::COpcionesMotor breve = antes;
  breve.esperaOcupadoMs = 20;
  MotorRegistros().PonerOpciones(breve);
  {
    pruebas::CAyudante otro({"retener", ruta_, "exclusivo"});
    ASSERT_EQ(otro.Linea(), "LISTO");
    CGuionMensajes guion({kBotonAceptar, kBotonCancelar}, kBotonCancelar);
    CTabla t(&red_);
    EXPECT_EQ(t.Abrir(0, {}, "Prueba"), 0);
    EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM001", "ALM001"}));
    EXPECT_EQ(t.IntentosUltimaOperacion(), 2 * 3);
    EXPECT_TRUE(t.FalloAvisado());

    CGuionMensajes otroGuion({}, kBotonCancelar);
    CTabla u(&local_);
    EXPECT_EQ(u.Abrir(2, {}, "Prueba"), 0);
    EXPECT_EQ(u.IntentosUltimaOperacion(), 1);  // a database that is not shared tries once per series

    // A write in one go: the busy store asks whether to try again, and nothing is written.
    CTabla w(&red_);
    otro.Terminar();
    ASSERT_EQ(w.Abrir(0, "CLAVE", "Prueba"), 1);
    ASSERT_EQ(w.Buscar("A01"), 1);
    pruebas::CAyudante escritor({"retener", ruta_, "inmediato"});
    ASSERT_EQ(escritor.Linea(), "LISTO");
    CGuionMensajes ocupado({kBotonAceptar, kBotonCancelar}, kBotonCancelar);
    int llamadas = 0;
    EXPECT_EQ(w.GrabarEnUnaVez([&] {
      ++llamadas;
      return w.GrabarCampo("CLAVE", "X", kCampoTexto, 2) != 0;
    }),
              0);
    EXPECT_EQ(ocupado.Codigos(), (std::vector<std::string>{"ALM001", "ALM001"}));
    EXPECT_TRUE(w.FalloAvisado());
    EXPECT_EQ(llamadas, 0);  // the turn to write never came: nothing was tried
  }
  MotorRegistros().PonerOpciones(antes);
}

TEST_F(Tabla, GrabarEnUnaVezGuardaTodoONada) {
  CTabla t(&local_);
  ASSERT_EQ(t.Abrir(0, "CLAVE", "Prueba"), 1);
  ASSERT_EQ(t.Buscar("A01"), 1);
  const std::int32_t entero = 41;
  // The second write is refused (a text into a logical field): the first one is not kept either.
  EXPECT_EQ(t.GrabarEnUnaVez([&] {
    return t.GrabarCampo("ENTERO", &entero, kCampoEntero, sizeof entero) != 0 &&
           t.GrabarCampo("ACTIVO", "QUIZA", kCampoTexto, 6) != 0;
  }),
            0);
  EXPECT_FALSE(t.FalloAvisado());  // the caller says what it could not save
  std::int32_t leido = 0;
  ASSERT_EQ(t.LeerCampo("ENTERO", &leido, kCampoEntero, sizeof leido), 1);
  EXPECT_EQ(leido, 7);
  // An append in the transaction goes with it.
  const long antes = t.NumeroRegistros();
  EXPECT_EQ(t.GrabarEnUnaVez([&] {
    return t.Registros()->Anadir() == plataforma::kAnadido && t.GrabarCampo("CLAVE", "N01", kCampoTexto, 4) != 0 &&
           false;
  }),
            0);
  EXPECT_EQ(t.NumeroRegistros(), antes);
  EXPECT_EQ(t.Buscar("N01", false, "CLAVE", false), 0);

  EXPECT_EQ(t.GrabarEnUnaVez([&] {
    return t.Registros()->Anadir() == plataforma::kAnadido && t.GrabarCampo("CLAVE", "N02", kCampoTexto, 4) != 0 &&
           t.GrabarCampo("ENTERO", &entero, kCampoEntero, sizeof entero) != 0;
  }),
            1);
  t.Registros()->DesbloquearTodo();
  ASSERT_EQ(t.Buscar("N02", false, "CLAVE", false), 1);
  ASSERT_EQ(t.LeerCampo("ENTERO", &leido, kCampoEntero, sizeof leido), 1);
  EXPECT_EQ(leido, 41);
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(Tabla, CarpetaSinBloqueosNoDaNadaPorBloqueado) {
  std::filesystem::create_directory(ruta_ + ".lck");
  CGuionMensajes guion({kBotonAceptar, kBotonAceptar}, kBotonAceptar);
  CTabla t(&red_, "Prueba");
  ASSERT_EQ(t.Buscar("A01", false, "CLAVE", false), 1);
  EXPECT_EQ(t.BloquearRegistro(), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"ALM003"}));  // once: no "try again" without end
  EXPECT_EQ(t.IntentosUltimaOperacion(), 1);
  EXPECT_EQ(t.BloquearFichero(), 0);
  EXPECT_EQ(t.BloquearAltas(), 0);
  EXPECT_EQ(t.UltimoFallo(), plataforma::EFallo::NoBloqueable);
  EXPECT_EQ(t.IntentosUltimaOperacion(), 1);
}

TEST_F(Tabla, OrdenQueNoExiste) {
  CTabla t(&local_);
  EXPECT_EQ(t.Abrir(1, "NOHAY", "Prueba"), 1);  // the first order is taken instead
  EXPECT_EQ(t.DameOrden(), 1);
  EXPECT_EQ(t.PonerOrden("numero"), 1);
  EXPECT_EQ(t.DameOrden(), 2);
  EXPECT_EQ(t.PonerOrden(""), 1);
  EXPECT_EQ(t.DameOrden(), 2);
  EXPECT_EQ(t.PonerOrden("OTRA"), 0);
  EXPECT_EQ(t.DameOrden(), 2);
  EXPECT_EQ(guion_.Codigos(), (std::vector<std::string>{"WIN052", "WIN052"}));
  EXPECT_EQ(guion_.Mensajes()[0].icono, IconoExclamacion);
}

TEST_F(Tabla, BuscarRecorrerYCumplir) {
  CTabla t(&local_, "Prueba");
  EXPECT_EQ(t.Buscar("A02", false, "CLAVE", true), 1);
  std::int32_t entero = 0;
  EXPECT_EQ(t.LeerCampo("ENTERO", &entero, kCampoEntero, 4), 1);
  EXPECT_EQ(entero, 9);
  EXPECT_EQ(t.Buscar("A03", false, "CLAVE", false), 0);  // deleted rows are hidden
  EXPECT_TRUE(guion_.Mensajes().empty());
  EXPECT_EQ(t.Buscar("A05", false, "CLAVE", true), 0);
  EXPECT_EQ(guion_.Codigos(), (std::vector<std::string>{"WIN053"}));
  EXPECT_EQ(t.Buscar("A00", true, "CLAVE", false), 0);  // near: a miss, but the pointer stays on the next row
  EXPECT_EQ(t.Cumple("CLAVE = \"A01\""), 1);

  int filas = 0;
  std::string claves;
  for (t.IrAlPrincipio("NUMERO"); t.Cumple("") != 0; t.Siguiente()) {
    char clave[7];
    ASSERT_EQ(t.LeerCampo("CLAVE", clave, kCampoTexto, sizeof clave), 1);
    claves += clave;
    ++filas;
  }
  EXPECT_EQ(filas, 2);
  EXPECT_EQ(claves, "A01   A02   ");
  EXPECT_EQ(t.Siguiente(), 0);  // at the end

  t.IrAlPrincipio();
  EXPECT_EQ(t.Cumple("ENTERO = 7 .AND. ACTIVO"), 1);
  EXPECT_EQ(t.Cumple(plataforma::CCondicion::Campo("CLAVE", plataforma::EComparacion::Igual, "A0\"1")), 0);
  EXPECT_EQ(t.Cumple("CLAVE"), 0);  // not logical
  EXPECT_EQ(t.Cumple("ENTERO = = 7"), 0);
  EXPECT_EQ(guion_.Veces("WIN054"), 2);
}

TEST_F(Tabla, LeerCampoPorCodigoDeTipo) {
  CTabla t(&local_, "Prueba");
  ASSERT_EQ(t.Buscar("A01", false, "CLAVE", false), 1);
  struct SCaso {
    const char* campo;
    std::int16_t tipo;
    std::uint16_t tamano;
    int resultado;
  };
  // Each case reads into a buffer filled with 0x5A; a refused read must leave it so.
  const SCaso casos[] = {
      {"NUMERO", kCampoDouble, 8, 1},  {"NUMERO", kCampoLogico, 4, 0},  {"NUMERO", kCampoEntero, 4, 1},
      {"NUMERO", kCampoEntero, 3, 0},  {"NUMERO", kCampoEnteroN, 4, 1}, {"NUMERO", kCampoDouble, 7, 0},
      {"ENTERO", kCampoEntero, 4, 1},  {"ENTERO", kCampoDouble, 8, 0},  {"REAL", kCampoDouble, 8, 1},
      {"REAL", kCampoEntero, 4, 0},    {"ACTIVO", kCampoLogico, 4, 1},  {"ACTIVO", kCampoEntero, 4, 0},
      {"CLAVE", kCampoTexto, 6, 0},    {"CLAVE", kCampoTexto, 7, 1},    {"CLAVE", kCampoTexto2, 7, 1},
      {"CLAVE", kCampoEntero, 4, 0},   {"NUMERO", kCampoTexto, 9, 1},   {"NOHAY", kCampoTexto, 50, 0},
      {"CLAVE", 4, 50, 0},             {"NOTA", kCampoMemo, 9, 1},      {"DATOS", kCampoBinario, 2, 1},
  };
  for (const auto& c : casos) {
    std::array<unsigned char, 64> buffer;
    buffer.fill(0x5A);
    EXPECT_EQ(t.LeerCampo(c.campo, buffer.data(), c.tipo, c.tamano), c.resultado)
        << c.campo << " tipo " << c.tipo << " tamano " << c.tamano;
    const bool intacto = std::all_of(buffer.begin(), buffer.end(), [](unsigned char b) { return b == 0x5A; });
    if (c.resultado == 0 || c.tipo == kCampoMemo || c.tipo == kCampoBinario) {
      EXPECT_TRUE(intacto) << c.campo << " tipo " << c.tipo;  // memo 9 = its length, bytes 2 < 3: left as it was
    }
  }

  double d = 0;
  ASSERT_EQ(t.LeerCampo("NUMERO", &d, kCampoDouble, sizeof d), 1);
  EXPECT_EQ(d, 12.5);
  std::int32_t i = 0;
  ASSERT_EQ(t.LeerCampo("ACTIVO", &i, kCampoLogico, sizeof i), 1);
  EXPECT_EQ(i, 1);
  char texto[16];
  ASSERT_EQ(t.LeerCampo("NUMERO", texto, kCampoTexto, sizeof texto), 1);
  EXPECT_STREQ(texto, "   12.50");
  char memo[16] = "x";
  ASSERT_EQ(t.LeerCampo("NOTA", memo, kCampoMemo, sizeof memo), 1);
  EXPECT_STREQ(memo, "hola memo");
  char bytes[3];
  ASSERT_EQ(t.LeerCampo("DATOS", bytes, kCampoBinario, sizeof bytes), 1);
  EXPECT_EQ(std::string(bytes, 3), "ABC");
  EXPECT_EQ(t.LongitudCampo("DATOS"), 3);
  EXPECT_EQ(t.LongitudCampo("NOTA"), 9);
  EXPECT_EQ(t.LongitudCampo("CLAVE"), 6);
  EXPECT_EQ(t.LongitudCampo("NOHAY"), 0);
}

TEST_F(Tabla, GrabarCampoPorCodigoDeTipo) {
  CTabla t(&local_, "Prueba");
  ASSERT_EQ(t.Buscar("A02", false, "CLAVE", false), 1);
  const std::int32_t cinco = 5;
  const double real = 2.5;
  const std::int32_t verdad = 1;
  EXPECT_EQ(t.GrabarCampo("ENTERO", &cinco, kCampoEnteroN, 4), 0);  // code 2 writes N fields only
  EXPECT_EQ(t.GrabarCampo("ENTERO", &cinco, kCampoEntero, 4), 1);
  EXPECT_EQ(t.GrabarCampo("NUMERO", &cinco, kCampoEnteroN, 4), 1);
  EXPECT_EQ(t.GrabarCampo("REAL", &real, kCampoDouble, 8), 1);
  EXPECT_EQ(t.GrabarCampo("ACTIVO", &verdad, kCampoLogico, 4), 1);
  EXPECT_EQ(t.GrabarCampo("ACTIVO", &verdad, kCampoEntero, 4), 0);
  EXPECT_EQ(t.GrabarCampo("CLAVE", "B02", kCampoTexto2, 4), 0);  // code 99 is for reading only
  EXPECT_EQ(t.GrabarCampo("CLAVE", "B02", 3, 4), 0);
  const char sinFin[4] = {'B', '0', '2', 'X'};  // no terminator: the size ends the text
  EXPECT_EQ(t.GrabarCampo("CLAVE", sinFin, kCampoTexto, 3), 1);
  EXPECT_EQ(t.GrabarCampo("NOTA", "otra nota", kCampoMemo, 20), 1);
  EXPECT_EQ(t.GrabarCampo("DATOS", "\x01\x02", kCampoBinario, 2), 1);

  CTabla otra(&local_, "Prueba");
  ASSERT_EQ(otra.Buscar("B02", false, "CLAVE", false), 1);
  std::int32_t i = 0;
  double d = 0;
  otra.LeerCampo("ENTERO", &i, kCampoEntero, 4);
  EXPECT_EQ(i, 5);
  otra.LeerCampo("NUMERO", &d, kCampoDouble, 8);
  EXPECT_EQ(d, 5.0);
  otra.LeerCampo("REAL", &d, kCampoDouble, 8);
  EXPECT_EQ(d, 2.5);
  otra.LeerCampo("ACTIVO", &i, kCampoLogico, 4);
  EXPECT_EQ(i, 1);
  EXPECT_EQ(otra.LongitudCampo("NOTA"), 9);
  EXPECT_EQ(otra.LongitudCampo("DATOS"), 2);
}

TEST_F(Tabla, SinAbrirNoLeeNiEscribe) {
  CTabla abierta(&local_, "Prueba");
  ASSERT_EQ(abierta.Buscar("A01", false, "CLAVE", false), 1);
  CTabla cerrada(&local_);
  const std::int32_t valor = 99;
  std::int32_t leido = -1;
  EXPECT_EQ(cerrada.GrabarCampo("ENTERO", &valor, kCampoEntero, 4), 0);
  EXPECT_EQ(cerrada.LeerCampo("ENTERO", &leido, kCampoEntero, 4), 0);
  EXPECT_EQ(leido, -1);
  EXPECT_EQ(cerrada.Buscar("A01"), 0);
  EXPECT_EQ(cerrada.Cumple(""), 0);
  EXPECT_EQ(cerrada.BloquearRegistro(), 0);
  EXPECT_EQ(cerrada.AnadirRegistro(), 0);
  EXPECT_EQ(cerrada.NumeroRegistros(), 0);
  abierta.LeerCampo("ENTERO", &leido, kCampoEntero, 4);
  EXPECT_EQ(leido, 7);
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(Tabla, CadaObjetoTieneSuCursor) {
  CTabla a(&local_, "Prueba");
  auto b = std::make_unique<CTabla>(&local_, "Prueba");
  ASSERT_EQ(a.Buscar("A01", false, "CLAVE", false), 1);
  ASSERT_EQ(b->Buscar("A02", false, "CLAVE", false), 1);
  char clave[7];
  a.LeerCampo("CLAVE", clave, kCampoTexto, sizeof clave);
  EXPECT_STREQ(clave, "A01   ");
  b.reset();  // closing one never closes the other
  EXPECT_EQ(a.EstaAbierta(), 1);
  a.LeerCampo("CLAVE", clave, kCampoTexto, sizeof clave);
  EXPECT_STREQ(clave, "A01   ");
}

TEST_F(Tabla, AnadirYBorrar) {
  CTabla t(&local_, "Prueba");
  ASSERT_EQ(t.AnadirRegistro(), 1);
  EXPECT_EQ(t.IntentosUltimaOperacion(), 1);
  EXPECT_EQ(t.GrabarCampo("CLAVE", "Z09", kCampoTexto, 4), 1);
  t.DesbloquearRegistro();
  EXPECT_EQ(t.NumeroRegistros(), 3);
  EXPECT_EQ(t.EstadoRegistro("Z09", false, "CLAVE"), 0);

  EXPECT_EQ(t.BorrarClave("A01", false, "CLAVE"), 1);
  EXPECT_EQ(t.Buscar("A01", false, "CLAVE", false), 0);
  EXPECT_EQ(t.NumeroRegistros(), 2);
  EXPECT_EQ(t.BorrarClave("NADA", false, "CLAVE"), 0);
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(Tabla, RegistroRetenidoPorOtroProcesoSeIntentaPorSeries) {
  CTabla t(&red_, "Prueba");
  ASSERT_EQ(t.Buscar("A01", false, "CLAVE", false), 1);
  const long numero = t.Registros()->NumeroRegistro();
  pruebas::CAyudante otro({"bloquear", ruta_, std::to_string(numero)});
  ASSERT_EQ(otro.Linea(), "LISTO");

  CGuionMensajes guion({kBotonAceptar, kBotonCancelar}, kBotonCancelar);
  EXPECT_EQ(t.BloquearRegistro(), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"WIN046", "WIN046"}));
  EXPECT_EQ(guion.Mensajes()[0].icono, IconoExclamacion);
  EXPECT_EQ(guion.Mensajes()[0].extra, "");
  EXPECT_EQ(t.IntentosUltimaOperacion(), 2 * (3 + 1));  // two series of attempts + 1 tries
  EXPECT_EQ(t.EstadoRegistro() & plataforma::kEstadoBloqueadoFuera, plataforma::kEstadoBloqueadoFuera);
  {
    CGuionMensajes cancela({kBotonCancelar});
    EXPECT_EQ(t.BorrarClave(), 0);  // a row it cannot lock is not deleted
    EXPECT_EQ(cancela.Codigos(), (std::vector<std::string>{"WIN046"}));
  }

  CTabla local(&local_, "Prueba");
  ASSERT_EQ(local.Buscar("A01", false, "CLAVE", false), 1);
  CGuionMensajes una({}, kBotonCancelar);
  EXPECT_EQ(local.BloquearRegistro(), 0);
  EXPECT_EQ(local.IntentosUltimaOperacion(), 2);  // not shared: a record lock is tried twice

  otro.Terminar();
  CGuionMensajes ninguno({}, kBotonCancelar);
  EXPECT_EQ(t.BloquearRegistro(), 1);
  EXPECT_TRUE(ninguno.Mensajes().empty());
  EXPECT_EQ(t.BorrarClave(), 1);
}

TEST_F(Tabla, TablaRetenidaPorOtroProceso) {
  CTabla t(&red_, "Prueba");
  pruebas::CAyudante otro({"bloquear-fichero", ruta_});
  ASSERT_EQ(otro.Linea(), "LISTO");

  CGuionMensajes guion({kBotonAceptar, kBotonCancelar}, kBotonCancelar);
  EXPECT_EQ(t.AnadirRegistro(), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"WIN051", "WIN051"}));
  EXPECT_EQ(t.IntentosUltimaOperacion(), 2 * 3);
  EXPECT_EQ(t.NumeroRegistros(), 2);
  EXPECT_EQ(t.BloquearFichero(), 0);  // the caller reports it
  EXPECT_EQ(t.IntentosUltimaOperacion(), 3 + 1);
  EXPECT_EQ(guion.Mensajes().size(), 2u);

  EXPECT_EQ(t.BloquearAltas(), 0);  // a lock of the whole table keeps the adders out too
  EXPECT_EQ(t.IntentosUltimaOperacion(), 3 + 1);

  otro.Terminar();
  EXPECT_EQ(t.BloquearFichero(), 1);
  EXPECT_EQ(t.AnadirRegistro(), 1);
  t.DesbloquearRegistro();
  t.DesbloquearFichero();
  EXPECT_EQ(t.NumeroRegistros(), 3);
}

TEST(NombreTablaIdioma, OctavoCaracter) {
  EXPECT_EQ(NombreTablaIdioma("ERRORESX", 'c', true), "ERRORESC");
  EXPECT_EQ(NombreTablaIdioma("ControlX", 'e'), "Controle");
  EXPECT_EQ(NombreTablaIdioma("Paginasx", 'g'), "Paginasg");
  EXPECT_EQ(NombreTablaIdioma("Tablas", 'v'), "Tablas");
}

}  // namespace
}  // namespace marco
