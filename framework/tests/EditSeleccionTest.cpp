// The selection edit base with a scripted dialog in a registry of its own: the window name's parts, what opens the
// dialog and what refuses it, the notifications after a confirmed dialog, erasing, and the plain messages.
#include "framework/EditSeleccion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "EditPrueba.h"
#include "framework/EditLista.h"
#include "framework/FabricaEdit.h"

namespace marco {
namespace {

using pruebas_edit::Caja;
using pruebas_edit::Tecla;
using pruebas_edit::Teclear;

TEST(NombreSeleccion, PartesDelNombreDeVentana) {
  struct Caso {
    const char* nombreVent;
    const char* nombre;
    int n1;
    int n2;
  };
  const Caso casos[] = {
      {"IDD_NOMAPE", "IDD_NOMAPE", 0, 0},
      {"12", "12", 12, 0},  // a name alone gives its own value
      {"IDD_EPIGRAFE*2", "IDD_EPIGRAFE", 2, 0},
      {"IDD_PERIMPO*3*A7", "IDD_PERIMPO", 3, 7},  // the last character of b
      {"IDD_X*A*", "IDD_X", 0, 0},
      {"", "", 0, 0},
  };
  for (const Caso& c : casos) {
    const SNombreSeleccion r = AnalizarNombreSeleccion(c.nombreVent);
    EXPECT_EQ(r.nombre, c.nombre) << c.nombreVent;
    EXPECT_EQ(r.numero1, c.n1) << c.nombreVent;
    EXPECT_EQ(r.numero2, c.n2) << c.nombreVent;
  }
}

class EditSeleccion : public pruebas_edit::CFixtureEdit {
 protected:
  // A selection box opening `nombreVent` from the test registry, linked to bloque_.
  CCampo CajaSeleccion(const char* nombreVent) {
    CCampo campo = Caja("S20", texto_, 9);
    campo.NombreVent = nombreVent;
    campo.TituloVent = "T\xCDTULO";
    campo.Enlace = bloque_;
    campo.Decimales = -1;
    return campo;
  }
  void Iniciar(CSelStrEdit& edit, CCampo& campo) {
    edit.Inicializar(campo);
    edit.PonerRegistro(&registro_);
  }
  // The dialog writes into the block and answers `resultado`.
  void RegistrarDialogo(const char* nombre, int resultado) {
    registro_.Registrar(nombre, [this, resultado](const SContextoSeleccion& c) {
      abiertos_.push_back(c.nombre + "/" + std::to_string(c.numero1) + "/" + c.titulo);
      static_cast<char*>(c.enlace)[0] = 'X';
      return resultado;
    });
  }

  char texto_[21] = {};
  char bloque_[8] = {};
  CRegistroSelecciones registro_;
  std::vector<std::string> abiertos_;
};

TEST_F(EditSeleccion, UnaLetraAbreElDialogoYNoSeTeclea) {
  RegistrarDialogo("IDD_NOMAPE", 1);
  CCampo campo = CajaSeleccion("IDD_NOMAPE*4");
  CSelStrEdit edit;
  Iniciar(edit, campo);
  EXPECT_EQ(edit.DameMarca(), 1);
  Teclear(edit, "a");
  EXPECT_EQ(abiertos_, (std::vector<std::string>{"IDD_NOMAPE/4/T\xCDTULO"}));
  EXPECT_EQ(edit.Texto(), "");
  EXPECT_EQ(bloque_[0], 'X');
  // A confirmed dialog: erased, set, then changed.
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos(),
            (std::vector<int>{kAvisoCampoBorrado, kAvisoValorFijado, kAvisoValorCambiado}));
  EXPECT_TRUE(edit.EstaModificado());
}

TEST_F(EditSeleccion, DialogoCanceladoNoAvisa) {
  RegistrarDialogo("IDD_NOMAPE", 2);
  CCampo campo = CajaSeleccion("IDD_NOMAPE");
  CSelStrEdit edit;
  Iniciar(edit, campo);
  edit.PulsarBoton();
  EXPECT_EQ(abiertos_.size(), 1u);
  EXPECT_TRUE(edit.SuperficieMemoria().CodigosAvisos().empty());
  // Blocked: neither the button nor a double-click opens it.
  edit.PonerBloqueada(true);
  edit.PulsarBoton();
  edit.AlDobleClic();
  EXPECT_EQ(abiertos_.size(), 1u);
}

TEST_F(EditSeleccion, PaginaDeUnMiembroConConyuge) {
  ConConyuge(kSujetoConyuge);
  RegistrarDialogo("IDD_NOMAPE", 1);
  RegistrarDialogo("IDD_OTRO", 1);
  RegistrarDialogo("IDD_DESCENDIENTES", 1);
  CCampo nomape = CajaSeleccion("IDD_NOMAPE");
  CSelStrEdit editNomape;
  Iniciar(editNomape, nomape);
  editNomape.PulsarBoton();
  EXPECT_EQ(abiertos_.size(), 1u);
  EXPECT_TRUE(guion_.Codigos().empty());

  CCampo otro = CajaSeleccion("IDD_OTRO");
  CSelStrEdit editOtro;
  Iniciar(editOtro, otro);
  editOtro.PulsarBoton();
  EXPECT_EQ(abiertos_.size(), 1u);  // refused
  EXPECT_EQ(guion_.Codigos(), (std::vector<std::string>{"WINR007"}));

  // A dialog a member may open warns first and opens all the same.
  CCampo descendientes = CajaSeleccion("IDD_DESCENDIENTES");
  CSelStrEdit editDescendientes;
  Iniciar(editDescendientes, descendientes);
  editDescendientes.PulsarBoton();
  EXPECT_EQ(abiertos_.size(), 2u);
  EXPECT_EQ(guion_.Codigos(), (std::vector<std::string>{"WINR007", "WINR007"}));
  // Delete is refused on a member's page.
  Tecla(editDescendientes, kTeclaSuprimir);
  EXPECT_EQ(editDescendientes.SuperficieMemoria().Pitidos(), 1);
}

TEST_F(EditSeleccion, SinEnlaceSinNombreONoRegistrado) {
  CCampo sinEnlace = CajaSeleccion("IDD_NOMAPE");
  sinEnlace.Enlace = nullptr;
  CSelStrEdit a;
  Iniciar(a, sinEnlace);
  EXPECT_EQ(a.AbrirSeleccion(0), 1);
  CCampo sinNombre = CajaSeleccion("");
  CSelStrEdit b;
  Iniciar(b, sinNombre);
  EXPECT_EQ(b.AbrirSeleccion(0), 1);
  ASSERT_EQ(guion_.Mensajes().size(), 2u);
  EXPECT_EQ(guion_.Mensajes()[0].texto, kTextoSinDato);
  EXPECT_EQ(guion_.Mensajes()[1].texto, kTextoSinDialogo);
  // A name nobody registered: nothing opens and nothing changes, and the user is told so with a coded message;
  // the parent gets no notification.
  CCampo otro = CajaSeleccion("IDD_DESCONOCIDO");
  CSelStrEdit c;
  Iniciar(c, otro);
  c.SuperficieMemoria().Olvidar();
  EXPECT_EQ(c.AbrirSeleccion(0), 2);
  ASSERT_EQ(guion_.Mensajes().size(), 3u);
  EXPECT_EQ(guion_.Codigos().back(), kMensajeDialogoNoExiste);
  EXPECT_TRUE(c.SuperficieMemoria().CodigosAvisos().empty());
  EXPECT_FALSE(c.EstaModificado());
}

// A selection that can be erased, as the module and activity selections are.
class CSeleccionBorrable : public CSelStrEdit {
 public:
  int BorrarSeleccion() override {
    ++borrados;
    return 0;
  }
  int borrados = 0;
};

TEST_F(EditSeleccion, BlancoYSuprimirBorranLaSeleccion) {
  CCampo campo = CajaSeleccion("IDD_NOMAPE");
  CSeleccionBorrable edit;
  Iniciar(edit, campo);
  Teclear(edit, " ");
  Tecla(edit, kTeclaSuprimir);
  EXPECT_EQ(edit.borrados, 2);
  EXPECT_EQ(edit.Texto(), "");  // the blank is not typed
  EXPECT_EQ(edit.SuperficieMemoria().CodigosAvisos(), (std::vector<int>{kAvisoCampoBorrado, kAvisoCampoBorrado}));
  EXPECT_EQ(edit.SuperficieMemoria().Pitidos(), 0);
  // The base has nothing to erase: a beep.
  CSelStrEdit base;
  Iniciar(base, campo);
  Teclear(base, " ");
  EXPECT_EQ(base.SuperficieMemoria().Pitidos(), 1);
  EXPECT_TRUE(base.SuperficieMemoria().CodigosAvisos().empty());
}

// The heading box ('E' with a link): the factory makes it; a letter, the button or a double-click open the heading
// search of its window name (kind 3 when it names none) on its link; a blank or Delete empty it at once.
TEST_F(EditSeleccion, LaCasillaDeEpigrafeAbreLaBusquedaYSeVaciaSinPreguntar) {
  char codigo[6] = {'6', '5', '9', '.', '4', ' '};
  std::uint8_t grupo = 2;
  SEnlaceEpigrafe enlace{codigo, &grupo};
  registro_.Registrar(kDialogoEpigrafes, [&](const SContextoSeleccion& c) {
    abiertos_.push_back(c.nombre + "/" + std::to_string(c.numero1));
    EXPECT_EQ(c.enlace, &enlace);
    std::memcpy(static_cast<SEnlaceEpigrafe*>(c.enlace)->codigo, "721.2", 5);
    return 1;
  });
  CFabricaEdit fabrica;
  RegistrarEditsTablas(fabrica);
  for (const char* nombreVent : {"IDD_EPIGRAFE*1", ""}) {
    CCampo campo = Caja("E6", codigo, 0);
    campo.NombreVent = nombreVent;
    campo.Enlace = &enlace;
    EXPECT_EQ(ElegirClaseEdit(campo), EClaseEdit::SelEpigraf) << nombreVent;
    std::unique_ptr<CEditEx> creado = fabrica.Crear(campo, nullptr);
    auto* edit = dynamic_cast<CSelEpigraf*>(creado.get());
    ASSERT_NE(edit, nullptr) << nombreVent;
    edit->PonerRegistro(&registro_);
    Teclear(*edit, "7");
    EXPECT_EQ(std::string(codigo, 5), "721.2");
    EXPECT_EQ(edit->SuperficieMemoria().CodigosAvisos(),
              (std::vector<int>{kAvisoCampoBorrado, kAvisoValorFijado, kAvisoValorCambiado}));
    edit->SuperficieMemoria().Olvidar();
    // Delete empties the box at once, without a question.
    Tecla(*edit, kTeclaSuprimir);
    EXPECT_EQ(std::string(codigo, 6), "      ");
    EXPECT_EQ(edit->SuperficieMemoria().CodigosAvisos(), (std::vector<int>{kAvisoCampoBorrado}));
    EXPECT_TRUE(guion_.Codigos().empty());
  }
  EXPECT_EQ(abiertos_, (std::vector<std::string>{"IDD_EPIGRAFE/1", "IDD_EPIGRAFE/3"}));
}

TEST(RegistroSelecciones, RegistrarReemplazarYQuitar) {
  CRegistroSelecciones registro;
  EXPECT_FALSE(registro.EstaRegistrado("IDD_NOMAPE"));
  registro.Registrar("IDD_NOMAPE", [](const SContextoSeleccion&) { return 1; });
  registro.Registrar("IDD_NOMAPE", [](const SContextoSeleccion&) { return 2; });
  ASSERT_TRUE(registro.EstaRegistrado("IDD_NOMAPE"));
  EXPECT_EQ((*registro.Buscar("IDD_NOMAPE"))(SContextoSeleccion{}), 2);
  EXPECT_FALSE(registro.EstaRegistrado("idd_nomape"));
  registro.Registrar("IDD_NOMAPE", {});
  EXPECT_FALSE(registro.EstaRegistrado("IDD_NOMAPE"));
}

}  // namespace
}  // namespace marco
