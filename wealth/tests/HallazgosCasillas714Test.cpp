// Every box a filing check of the D-714 names can be filled so that its finding goes: for each check, a declaration
// ready to file loses what that check asks for, the check names its page and box, and the box of that page, loaded
// from the built tables and bound as the page binds it, takes the value through its own edit the way a person gives
// it (a code typed, an entry taken from a list, the name dialog, the detail dialog of an amount); then the finding
// is gone and no other has come.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/CuentaBancaria.h"
#include "framework/EditDetalle.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/EditEx.h"
#include "framework/EditLista.h"
#include "framework/EditSeleccion.h"
#include "framework/FabricaEdit.h"
#include "framework/MensajeGuion.h"
#include "framework/ServiciosAplicacion.h"
#include "wealth/C714Doc.h"
#include "wealth/C714Reglas.h"
#include "wealth/CamposPatrimonio.h"
#include "wealth/Enlace714.h"

namespace fs = std::filesystem;
using namespace patrimonio;

namespace {

// The window names of the boxes that open a dialog, as the page sources give them.
constexpr const char* kVentanaNombre = "IDD_NOMAPE";
constexpr const char* kVentanaLimite = "IDD_PCUOTINT";
constexpr const char* kVentanaExtranjero = "IDD_PIMPEXTR";
// The detail blocks those dialogs edit: the quota limit from summary 296, the foreign taxes from summary 424.
constexpr std::size_t kBloqueLimite = 56;
constexpr std::size_t kBloqueExtranjero = 48;

// An account whose check digits are right: entity, office and number given, the two digits found.
std::string CuentaCorrecta() {
  for (int dc = 0; dc < 100; ++dc) {
    const std::string cuenta = std::string("21000418") + static_cast<char>('0' + dc / 10) +
                               static_cast<char>('0' + dc % 10) + "0200051332";
    if (marco::DigitosCuenta(cuenta) == marco::kCuentaCorrecta) return cuenta;
  }
  return {};
}

bool Tiene(const std::vector<SHallazgo714>& hallazgos, std::string_view codigo) {
  return std::any_of(hallazgos.begin(), hallazgos.end(), [&](const SHallazgo714& h) { return h.codigo == codigo; });
}

std::string Codigos(const std::vector<SHallazgo714>& hallazgos) {
  std::string r;
  for (const SHallazgo714& h : hallazgos) r += " " + std::string(h.codigo);
  return r;
}

class HallazgosCasillas714 : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-hallazgos714-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::create_directories(m_dir);
    ASSERT_EQ(marco::AbrirBasesDatos(m_dir.string(), KORVELIX_DATOS_LOCAL), 1);
    marco::PonerIdiomaV("e");
    marco::RegistrarEditsFechaCasillaDetalle(marco::FabricaEdit());
    marco::RegistrarEditsTablas(marco::FabricaEdit());
    m_doc = std::make_unique<C714Doc>();
    m_doc->InicializarDatos();
    Completa();
  }
  void TearDown() override {
    marco::RegistroSelecciones().Registrar(kVentanaNombre, {});
    marco::QuitarDialogoDetalle(kVentanaLimite);
    marco::QuitarDialogoDetalle(kVentanaExtranjero);
    m_doc.reset();
    marco::CerrarBasesDatos();
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  DatosPatrimonio& D() { return m_doc->Datos(); }
  RegPatDatosPersonales& DP() { return D().PatDatosPersonales; }

  // A declaration ready to file: office, tax number, name and region; a positive result paid by direct debit from
  // a right account; a joint quota limit and foreign taxes within the net wealth.
  void Completa() {
    EscribeTexto(DP(), SCampo{81, 3}, "28");
    EscribeTexto(DP(), personales::Identificacion1, "MADRID");
    EscribeTexto(DP(), SCampo{103, 4}, "618");
    EscribeTexto(DP(), personales::Identificacion2, "HORTALEZA");
    EscribeTexto(DP(), personales::Nif, "12345678Z");
    EscribeTexto(DP(), personales::Apellidos, "GARCIA LOPEZ");
    EscribeTexto(DP(), personales::Nombre, "MARIA");
    EscribeTexto(DP(), personales::CodigoPagina1, "12");
    EscribeDouble(D().PatResumen, resumen::Resultado, 11400.0);
    EscribeByte(D().PatDI, di::Domiciliacion, 1);
    EscribeTexto(D().PatDI, di::Cuenta, CuentaCorrecta());
    EscribeDouble(D().PatResumen, resumen::Total168, 23000000.0);
    EscribeByte(D().PatResumen, resumen::ClaseLimite, 'C');
    EscribeDouble(D().PatResumen, resumen::Limite328, 500000.0);
  }

  // The box array of a page, loaded from the built tables and bound to the declaration.
  std::unique_ptr<CControlesPAT> Pagina(int pagina) {
    std::unique_ptr<CControlesPAT> c = CrearControles714(pagina);
    c->PonerDocumento(m_doc.get());
    EXPECT_EQ(c->Cargar(IdPagina714(pagina), 1.0, marco::DameBaseDatosLocal()), 1);
    return c;
  }

  fs::path m_dir;
  std::unique_ptr<C714Doc> m_doc;
};

// A person's ways of giving a box its value, through the box's own edit.
void Teclear(marco::CEditEx& edit, std::string_view texto) {
  for (const char c : texto) edit.AlCaracter(static_cast<unsigned char>(c));
  edit.AlCaracter(marco::kTeclaTabulador);
  edit.AlPerderFoco();
}

void Elegir(marco::CEditEx& edit, std::string_view entrada) {
  auto* lista = dynamic_cast<marco::CListaEdit*>(&edit);
  ASSERT_NE(lista, nullptr) << "not a list box";
  lista->AbrirDesplegable();
  ASSERT_TRUE(lista->DesplegableAbierto()) << "the list did not open";
  const auto& entradas = lista->Entradas();
  const auto it = std::find_if(entradas.begin(), entradas.end(),
                               [&](const marco::SEntradaLista& e) { return e.texto == entrada; });
  ASSERT_NE(it, entradas.end()) << "no entry " << entrada;
  lista->SeleccionarEntrada(static_cast<int>(it - entradas.begin()));
  lista->TomarEntrada();
  edit.AlPerderFoco();
}

TEST_F(HallazgosCasillas714, CadaCasillaQueNombraUnHallazgoSeLlenaYElHallazgoSeVa) {
  marco::CGuionMensajes guion;
  ASSERT_FALSE(CuentaCorrecta().empty());
  ASSERT_TRUE(ComprobarDeclaracion714(D()).empty()) << Codigos(ComprobarDeclaracion714(D()));

  // The name dialog and the two liquidation dialogs answer as a person who types there: the surnames (the first
  // character is the one typed into the box) and the name; amounts within the net wealth.
  marco::RegistroSelecciones().Registrar(kVentanaNombre, [](const marco::SContextoSeleccion& c) {
    EXPECT_EQ(c.caracter, static_cast<unsigned>('G'));
    auto* bloque = static_cast<char*>(c.enlace);
    std::memset(bloque, 0, 47);
    std::memcpy(bloque, "GARCIA LOPEZ                  ", 30);
    std::memcpy(bloque + 31, "MARIA          ", 15);
    return marco::kDialogoAceptado;
  });
  marco::RegistrarDialogoDetalle(kVentanaLimite, kBloqueLimite, [](marco::SPeticionDetalle& p) {
    EXPECT_EQ(p.bloque.size(), kBloqueLimite);
    // The spouse's amounts (summary 320, 336, 344) no larger than what they are compared with.
    for (const std::size_t d : {24u, 40u, 48u}) std::memset(p.bloque.data() + d, 0, sizeof(double));
    return marco::kDialogoAceptado;
  });
  marco::RegistrarDialogoDetalle(kVentanaExtranjero, kBloqueExtranjero, [](marco::SPeticionDetalle& p) {
    EXPECT_EQ(p.bloque.size(), kBloqueExtranjero);
    const double gravado = 100000.0;
    for (const std::size_t d : {0u, 16u, 32u}) std::memcpy(p.bloque.data() + d, &gravado, sizeof gravado);
    return marco::kDialogoAceptado;
  });

  const std::string cuenta = CuentaCorrecta();
  struct SCaso {
    std::string codigo;
    std::function<void(DatosPatrimonio&)> quitar;  // what the declaration loses
    std::function<void(marco::CEditEx&)> llenar;        // what the person does in the box named
    std::vector<std::string> mas;                       // the next boxes of the same page, typed in order
  };
  const auto blanco = [](SCampo campo) {
    return [campo](DatosPatrimonio& d) { EscribeTexto(d.PatDatosPersonales, campo, ""); };
  };
  const std::vector<SCaso> casos{
      {"WIN001", [](DatosPatrimonio& d) { EscribeTexto(d.PatDatosPersonales, SCampo{81, 21}, ""); },
       [](marco::CEditEx& e) { Elegir(e, "MADRID"); }, {}},
      {"WIN002", [](DatosPatrimonio& d) { EscribeTexto(d.PatDatosPersonales, SCampo{103, 22}, ""); },
       [](marco::CEditEx& e) { Elegir(e, "HORTALEZA"); }, {}},
      {"WIN003", blanco(personales::Nif), [](marco::CEditEx& e) { Teclear(e, "12345678Z"); }, {}},
      {"NOAPE1",
       [](DatosPatrimonio& d) {
         EscribeTexto(d.PatDatosPersonales, personales::Apellidos, "");
         EscribeTexto(d.PatDatosPersonales, personales::Nombre, "");
       },
       [](marco::CEditEx& e) { e.AlCaracter('G'); }, {}},
      {"100R129", blanco(personales::CodigoPagina1), [](marco::CEditEx& e) { Teclear(e, "12"); }, {}},
      {"100R129", blanco(personales::CodigoPagina1), [](marco::CEditEx& e) { Elegir(e, "ANDALUC\xCD" "A"); }, {}},
      {"100I002", [](DatosPatrimonio& d) { EscribeTexto(d.PatDI, di::Cuenta, ""); },
       [&cuenta](marco::CEditEx& e) { Teclear(e, cuenta.substr(0, 4)); },
       {cuenta.substr(4, 4), cuenta.substr(8, 2), cuenta.substr(10, 10)}},
      {"100P003",
       [](DatosPatrimonio& d) { EscribeDouble(d.PatResumen, resumen::Limite336, 600000.0); },
       [](marco::CEditEx& e) { e.AlCaracter('1'); }, {}},
      {"100P015",
       [](DatosPatrimonio& d) { EscribeDouble(d.PatResumen, resumen::Limite344, 600000.0); },
       [](marco::CEditEx& e) { e.AlCaracter('1'); }, {}},
      {"100P103",
       [](DatosPatrimonio& d) {
         EscribeDouble(d.PatResumen, resumen::Limite320, 30000000.0);
         EscribeDouble(d.PatResumen, resumen::Limite336, 1.0);
       },
       [](marco::CEditEx& e) { e.AlCaracter('1'); }, {}},
      {"100P001",
       [](DatosPatrimonio& d) { EscribeDouble(d.PatResumen, resumen::Extranjero440, 30000000.0); },
       [](marco::CEditEx& e) { e.AlCaracter('1'); }, {}},
  };

  for (const SCaso& caso : casos) {
    SCOPED_TRACE(caso.codigo);
    D() = DatosPatrimonio{};
    Completa();
    caso.quitar(D());
    const std::vector<SHallazgo714> antes = ComprobarDeclaracion714(D());
    const auto hallazgo = std::find_if(antes.begin(), antes.end(),
                                       [&](const SHallazgo714& h) { return h.codigo == caso.codigo; });
    ASSERT_NE(hallazgo, antes.end()) << "the check did not find it:" << Codigos(antes);
    ASSERT_EQ(antes.size(), 1u) << Codigos(antes);

    // The page and the box the finding names, as the findings list leads there.
    std::unique_ptr<CControlesPAT> pagina = Pagina(hallazgo->pagina);
    marco::CCampo* campo = pagina->Campo(hallazgo->casilla);
    ASSERT_NE(campo, nullptr) << "page " << hallazgo->pagina << " has no box " << hallazgo->casilla;
    ASSERT_EQ(campo->SoloLectur, 0) << "the box the finding names cannot be filled";
    {
      std::unique_ptr<marco::CEditEx> edit = marco::FabricaEdit().Crear(*campo, marco::DameBaseDatosLocal());
      caso.llenar(*edit);
    }
    for (std::size_t k = 0; k < caso.mas.size(); ++k) {
      marco::CCampo* siguiente = pagina->Campo(hallazgo->casilla + 1 + static_cast<int>(k));
      ASSERT_NE(siguiente, nullptr);
      ASSERT_EQ(siguiente->SoloLectur, 0);
      std::unique_ptr<marco::CEditEx> edit = marco::FabricaEdit().Crear(*siguiente, marco::DameBaseDatosLocal());
      Teclear(*edit, caso.mas[k]);
    }
    const std::vector<SHallazgo714> despues = ComprobarDeclaracion714(D());
    EXPECT_TRUE(despues.empty()) << "left after filling the box:" << Codigos(despues);
    EXPECT_FALSE(Tiene(despues, caso.codigo));
  }
  EXPECT_TRUE(guion.Codigos().empty()) << guion.Codigos().front();
}

TEST_F(HallazgosCasillas714, LaCasillaDeLaComunidadGuardaElCodigoYRechazaUnoQueNoEsta) {
  marco::CGuionMensajes guion;
  std::unique_ptr<CControlesPAT> pagina = Pagina(1);
  marco::CCampo* comunidad = pagina->Campo(32);
  ASSERT_NE(comunidad, nullptr);
  const auto edit = [&] { return marco::FabricaEdit().Crear(*comunidad, marco::DameBaseDatosLocal()); };
  // A region taken from the list is kept as its code, and the box shows the code.
  Elegir(*edit(), "ANDALUC\xCD" "A");
  EXPECT_EQ(LeeTexto(DP(), personales::CodigoPagina1), "01 ");
  comunidad->ActualizarTexto();
  EXPECT_EQ(comunidad->Texto, "01");
  // A code not in the table: refused, the earlier one stays.
  Teclear(*edit(), "99");
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R127"});
  EXPECT_EQ(LeeTexto(DP(), personales::CodigoPagina1), "01 ");
  // A letter looks the name up: "m" gives the first region whose name begins with it, kept by its code.
  EscribeTexto(DP(), personales::CodigoPagina1, "");
  {
    const auto e = edit();
    e->AlCaracter('m');
    e->AlPerderFoco();
  }
  EXPECT_EQ(LeeTexto(DP(), personales::CodigoPagina1), "12 ");
  EXPECT_EQ(guion.Codigos().size(), 1u);
  // The list's empty entry empties the box: the finding comes back.
  Elegir(*edit(), marco::kEntradaBorrar);
  EXPECT_TRUE(CampoVacio(DP(), personales::CodigoPagina1));
  EXPECT_TRUE(Tiene(ComprobarDeclaracion714(D()), "100R129"));
}

}  // namespace
