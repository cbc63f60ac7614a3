// The detail-opening boxes without a window: the detail window text, the dialog table, the dialog registered by
// window name run on a copy of the detail block (written back on OK only, with 0x402), the messages when there is
// nothing to open, the dialog-opening tick box, and the classes the factory makes once they are registered.
#include "framework/EditDetalle.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "EditPrueba.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditFecha.h"
#include "framework/FabricaEdit.h"

namespace marco {
namespace {

using pruebas_edit::Caja;
using pruebas_edit::Tecla;
using pruebas_edit::Teclear;

TEST(VentanaDetalle, NombreYParametros) {
  struct SCaso {
    const char* texto;
    const char* nombre;
    int primero;
    int segundo;
  };
  const SCaso casos[] = {
      {"IDD_TIT1DAT1", "IDD_TIT1DAT1", 0, 0},   {"IDD_TIT1DAT1*3", "IDD_TIT1DAT1", 3, 0},
      {"IDD_TIT1DAT1*12*4", "IDD_TIT1DAT1", 12, 4}, {"IDD_X*2*", "IDD_X", 2, 0},
      {"IDD_X**7", "IDD_X", 0, 7},              {"IDD_X*A*B", "IDD_X", 0, 0},
      {"", "", 0, 0},
  };
  for (const SCaso& c : casos) {
    const SVentanaDetalle e = AnalizarVentanaDetalle(c.texto);
    EXPECT_EQ(e.nombre, c.nombre) << c.texto;
    EXPECT_EQ(e.primerParametro, c.primero) << c.texto;
    EXPECT_EQ(e.segundoParametro, c.segundo) << c.texto;
  }
  EXPECT_EQ(NumeroDialogoDetalle("IDD_INMOBILIARIO"), 1559);
  EXPECT_EQ(NumeroDialogoDetalle("IDD_RDTO_TRABAJO"), 1551);
  EXPECT_EQ(NumeroDialogoDetalle("IDD_VALADQUI2"), 1598);
  EXPECT_EQ(NumeroDialogoDetalle("idd_inmobiliario"), -1);  // exact comparison
  EXPECT_EQ(NumeroDialogoDetalle("IDD_IGLESIAS"), -1);
  EXPECT_TRUE(DialogoDetalleAbre("IDD_TIT1DAT1"));
  EXPECT_FALSE(DialogoDetalleAbre("IDD_MESES"));
}

// The detail block of the tests' dialog.
struct SBloque {
  std::int32_t items[4];
  double total;
};

class EditDetalle : public pruebas_edit::CFixtureEdit {
 protected:
  void SetUp() override {
    pruebas_edit::CFixtureEdit::SetUp();
    bloque_ = {{1, 2, 3, 4}, 10.0};
    RegistrarDialogoDetalle("IDD_TIT1DAT1", sizeof(SBloque), [this](SPeticionDetalle& p) {
      peticiones_.push_back(p);
      EXPECT_EQ(p.bloque.size(), sizeof(SBloque));
      // A copy, not the declaration's block.
      EXPECT_NE(static_cast<const void*>(p.bloque.data()), static_cast<const void*>(&bloque_));
      SBloque copia;
      std::memcpy(&copia, p.bloque.data(), sizeof copia);
      EXPECT_EQ(copia.items[3], bloque_.items[3]);
      copia.items[0] = 99;
      copia.total = 123.5;
      std::memcpy(p.bloque.data(), &copia, sizeof copia);
      return respuesta_;
    });
  }
  void TearDown() override {
    QuitarDialogoDetalle("IDD_TIT1DAT1");
    QuitarDialogoDetalle("IDD_IGLESIAS");
    pruebas_edit::CFixtureEdit::TearDown();
  }
  CCampo CajaDetalle(std::string_view mascara, void* dato, std::string_view nombre, void* enlace) {
    CCampo campo = Caja(mascara, dato, 31);
    campo.NombreVent = std::string(nombre);
    campo.TituloVent = "RENDIMIENTOS";
    campo.Enlace = enlace;
    return campo;
  }

  SBloque bloque_{};
  int respuesta_ = kDialogoAceptado;
  std::vector<SPeticionDetalle> peticiones_;
};

TEST_F(EditDetalle, DigitoAbreElDialogoYAceptarDevuelveElBloque) {
  double importe = 10.0;
  CCampo campo = CajaDetalle("F9.2", &importe, "IDD_TIT1DAT1*3*2", &bloque_);
  campo.Repeticion = 5;
  campo.CampoDetalle = 4;
  CImporteDetalleEdit edit(campo);
  EXPECT_EQ(edit.PrimerParametro(), 3);
  EXPECT_EQ(edit.SegundoParametro(), 2);
  edit.MostrarValor(0);
  EXPECT_EQ(edit.Texto(), "10");
  edit.SuperficieMemoria().Olvidar();

  Teclear(edit, "5");
  // The digit is not entered; the dialog ran on the copy with the box's title, parameters and person.
  EXPECT_EQ(edit.Texto(), "10");
  ASSERT_EQ(peticiones_.size(), 1u);
  EXPECT_EQ(peticiones_[0].titulo, "RENDIMIENTOS");
  EXPECT_EQ(peticiones_[0].primerParametro, 3);
  EXPECT_EQ(peticiones_[0].segundoParametro, 2);
  EXPECT_EQ(peticiones_[0].repeticion, 5);
  EXPECT_EQ(peticiones_[0].sujeto, kSujetoUnidadFamiliar);
  EXPECT_EQ(peticiones_[0].conyugeOPrimerHijo, 0);
  // The amount the box shows goes with the request (some dialogs read it).
  EXPECT_DOUBLE_EQ(peticiones_[0].importeCasilla, 10.0);
  // So does the field of the dialog's entries the box shows.
  EXPECT_EQ(peticiones_[0].campoCasilla, 4);
  EXPECT_EQ(bloque_.items[0], 99);
  EXPECT_DOUBLE_EQ(bloque_.total, 123.5);
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos(), std::vector<int>{kAvisoValorFijado});
  EXPECT_EQ(edit.SuperficieMemoria().Avisos()[0].idControl, 31);
  EXPECT_TRUE(edit.EstaModificado());
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 0);
  // The box's own value is the page's to compute: leaving it stores nothing.
  edit.PonerTexto("777");
  edit.AlPerderFoco();
  EXPECT_DOUBLE_EQ(importe, 10.0);
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(EditDetalle, CancelarNoCambiaNada) {
  double importe = 0.0;
  CCampo campo = CajaDetalle("F9.2", &importe, "IDD_TIT1DAT1", &bloque_);
  CImporteDetalleEdit edit(campo);
  respuesta_ = kDialogoCancelado;
  EXPECT_EQ(edit.AbrirDetalle(), 2);
  EXPECT_EQ(peticiones_.size(), 1u);
  EXPECT_EQ(bloque_.items[0], 1);
  EXPECT_DOUBLE_EQ(bloque_.total, 10.0);
  EXPECT_TRUE(edit.SuperficieMemoria().Avisos().empty());
  EXPECT_FALSE(edit.EstaModificado());
  // Escape opens nothing (it goes on to the owner); Delete beeps; Up and Down move on.
  edit.AlCaracter(kTeclaEscape);
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 1);
  Tecla(edit, kTeclaAbajo);
  EXPECT_EQ(peticiones_.size(), 1u);
  ASSERT_EQ(edit.SuperficieMemoria().TeclasReenviadas().size(), 2u);
  EXPECT_EQ(edit.SuperficieMemoria().TeclasReenviadas()[1].codigo, kTeclaAbajo);
}

TEST_F(EditDetalle, NadaQueAbrir) {
  double importe = 0.0;
  struct SCaso {
    const char* nombre;
    bool enlace;
    int resultado;
    const char* mensaje;  // empty: none
  };
  const SCaso casos[] = {
      {"IDD_TIT1DAT1", false, 1, "WIN033"},   // no detail link
      {"IDD_NOEXISTE", true, 1, "WIN034"},    // not a detail dialog
      {"IDD_MESES", true, 2, ""},             // a number without a dialog: nothing opens
      {"IDD_INMOBILIARIO", true, 2, "DETA001"},  // a dialog this program has not registered
      // Dialogs written out in full elsewhere: they open when registered, and are never silently nothing.
      {"IDD_MODALIDADID", true, 2, "DETA001"},
      {"IDD_FORMPROF", true, 2, "DETA001"},
      {"IDD_SALPENEMPLEO", true, 2, "DETA001"},
      {"IDD_RESINVCAN2", true, 2, "DETA001"},
      {"IDD_CONVCOLA", true, 2, "DETA001"},
      {"IDD_VALADQUIG4", true, 2, "DETA001"},
  };
  for (const SCaso& c : casos) {
    CGuionMensajes guion;
    CCampo campo = CajaDetalle("F9.2", &importe, c.nombre, c.enlace ? &bloque_ : nullptr);
    CImporteDetalleEdit edit(campo);
    EXPECT_EQ(edit.AbrirDetalle(), c.resultado) << c.nombre;
    if (std::string(c.mensaje).empty()) {
      EXPECT_TRUE(guion.Codigos().empty()) << c.nombre;
    } else {
      EXPECT_EQ(guion.Codigos(), std::vector<std::string>{c.mensaje}) << c.nombre;
    }
    EXPECT_TRUE(edit.SuperficieMemoria().Avisos().empty()) << c.nombre;
  }
  EXPECT_TRUE(peticiones_.empty());
  EXPECT_EQ(bloque_.items[0], 1);
}

TEST_F(EditDetalle, PersonaDeUnaDeclaracionConjunta) {
  double importe = 0.0;
  CCampo campo = CajaDetalle("F9.2", &importe, "IDD_TIT1DAT1", &bloque_);
  CImporteDetalleEdit edit(campo);
  ConConyuge(kSujetoConyuge);
  // Never locked itself: the user is warned and the dialog opens, locked by its own rule.
  Teclear(edit, "1");
  EXPECT_EQ(guion_.Codigos(), std::vector<std::string>{"WINR007"});
  ASSERT_EQ(peticiones_.size(), 1u);
  EXPECT_EQ(peticiones_[0].sujeto, kSujetoConyuge);
  EXPECT_EQ(peticiones_[0].conyugeOPrimerHijo, 1);
}

TEST_F(EditDetalle, MonedaGuardaSuTexto) {
  double importe = 0.0;
  CCampo campo = CajaDetalle("R9", &importe, "IDD_TIT1DAT1", &bloque_);
  CMonedaDetalle edit(campo);
  EXPECT_EQ(campo.MascaraResuelta, 1);
  edit.PonerTexto("250");
  EXPECT_EQ(edit.GuardarValor(), 1);
  EXPECT_DOUBLE_EQ(importe, 250.0);
  // Its value is its dialog's: a calculator figure is refused and the value stays.
  EXPECT_EQ(edit.AplicarResultadoCalculadora("300"), 0);
  EXPECT_EQ(guion_.Veces("WIN059"), 1);
  EXPECT_DOUBLE_EQ(importe, 250.0);
  Teclear(edit, "7");
  EXPECT_EQ(peticiones_.size(), 1u);
}

TEST_F(EditDetalle, CasillaQueAbreDialogo) {
  std::array<unsigned char, 1> marca{0};
  int dato = 0;
  RegistrarDialogoDetalle("IDD_IGLESIAS", 0, [&](SPeticionDetalle& p) {
    EXPECT_TRUE(p.bloque.empty());
    marca[0] = 1;  // its dialog writes the declaration itself
    return respuesta_;
  });

  CCampo campo = CajaDetalle("B1", marca.data(), "IDD_IGLESIAS", &dato);
  CEditDialogo edit(campo);
  EXPECT_EQ(edit.NumeroDialogo(), kDialogoAsignacionTributaria);
  edit.MostrarValor(0);
  Teclear(edit, "\b");
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 1);
  Teclear(edit, " ");
  EXPECT_EQ(marca[0], 1);
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos().back(), kAvisoValorFijado);
  // Delete empties its box as a tick box does and tells the page, whose rule clears the value.
  edit.MostrarValor(0);
  EXPECT_EQ(edit.Texto(), "X");
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(edit.Texto(), "");
  EXPECT_EQ(marca[0], 1);
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos().back(), kAvisoCampoBorrado);

  // Another name, or no link: a plain message, nothing opens; Delete beeps.
  CCampo otra = CajaDetalle("B1", marca.data(), "IDD_OTRA", &dato);
  CEditDialogo distinta(otra);
  EXPECT_EQ(distinta.AbrirDetalle(), 1);
  Tecla(distinta, kTeclaSuprimir);
  EXPECT_EQ(distinta.SuperficieMemoria().Pitidos(), 1);
  CCampo sinEnlace = CajaDetalle("B1", marca.data(), "IDD_IGLESIAS", nullptr);
  CEditDialogo vacia(sinEnlace);
  EXPECT_EQ(vacia.AbrirDetalle(), 1);
  ASSERT_EQ(guion_.Mensajes().size(), 2u);
  EXPECT_EQ(guion_.Mensajes()[0].texto, kTextoDialogoNoRegistrado);
  EXPECT_EQ(guion_.Mensajes()[1].texto, kTextoSinDatoEditar);
}

TEST(FabricaEditCasillas, ClasesRegistradas) {
  CFabricaEdit fabrica;
  double importe = 0.0;
  char fecha[8] = {};
  unsigned char marca = 0;
  int enlace = 0;
  const auto caja = [&](std::string_view mascara, void* dato, bool detalle) {
    CCampo campo = Caja(mascara, dato);
    if (detalle) {
      campo.NombreVent = "IDD_TIT1DAT1";
      campo.Enlace = &enlace;
    }
    return campo;
  };
  CCampo f = caja("D8", fecha, false);
  CCampo b = caja("B1", &marca, false);
  CCampo bd = caja("B1", &marca, true);
  CCampo fd = caja("F9.2", &importe, true);
  CCampo rd = caja("R9", &importe, true);
  // Before: a read-only plain edit for dates and ticks, the amount edit for detail amounts.
  EXPECT_TRUE(fabrica.Crear(f)->EsSoloLectura());
  EXPECT_NE(dynamic_cast<CDoubleEdit*>(fabrica.Crear(fd).get()), nullptr);
  EXPECT_EQ(dynamic_cast<CImporteDetalleEdit*>(fabrica.Crear(fd).get()), nullptr);

  RegistrarEditsFechaCasillaDetalle(fabrica);
  EXPECT_NE(dynamic_cast<CFechaEdit*>(fabrica.Crear(f).get()), nullptr);
  const auto casilla = fabrica.Crear(b);
  EXPECT_NE(dynamic_cast<CCasillaEdit*>(casilla.get()), nullptr);
  EXPECT_EQ(dynamic_cast<CEditDialogo*>(casilla.get()), nullptr);
  EXPECT_NE(dynamic_cast<CEditDialogo*>(fabrica.Crear(bd).get()), nullptr);
  const auto importeDetalle = fabrica.Crear(fd);
  EXPECT_NE(dynamic_cast<CImporteDetalleEdit*>(importeDetalle.get()), nullptr);
  EXPECT_EQ(dynamic_cast<CMonedaDetalle*>(importeDetalle.get()), nullptr);
  EXPECT_NE(dynamic_cast<CMonedaDetalle*>(fabrica.Crear(rd).get()), nullptr);
}

}  // namespace
}  // namespace marco
