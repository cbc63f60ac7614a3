// The Internet filing command: its steps in order over a scripted person and a fixture declaration, with the real
// writer base. A declaration with an error never gets as far as a file, a cancelled or failed run leaves no file,
// and the file dialog's rules.
#include "output/PresentacionInternet.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "InternetPrueba.h"
#include "TablaHallazgos.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"
#include "platform/TablaTexto.h"

namespace salida {
namespace {

using pruebas::CControlesFijos;
using pruebas::LeerFichero;
using pruebas::SCasillaPrueba;

// A writer of two page slots (model 101, ids 101 and 102), every page in the catalogue.
class CEscritorDos : public CInetFichero {
 protected:
  int NumeroPaginas() const override { return 2; }
  std::string_view TituloPaginas() const override { return "PRUEBA"; }
  int NumeroModelo() const override { return 101; }
  int IdCatalogo(int pagina) const override { return 100 + pagina; }
  int ExistePagina(int idPagina) override { return idPagina == faltante ? 0 : 1; }
  int CrearCamposPagina(int pagina) override { return CargarCamposPagina(IdCatalogo(pagina)); }

 public:
  int faltante = 0;
};

// The declaration: what its check finds, whether it saves, and the steps it was asked for.
class CDocumentoPresentacion : public IDocumentoPresentacion {
 public:
  explicit CDocumentoPresentacion(IDeclaracionInternet& declaracion) : m_declaracion(declaracion) {}
  void ConfirmarCampoActivo() override { pasos.push_back("confirmar campo"); }
  int ValidarPresentacion() override {
    pasos.push_back("validar");
    return sinErrores;
  }
  int GuardarDeclaracion() override {
    pasos.push_back("guardar");
    return guarda;
  }
  std::string_view NombreFichero() const override { return kNombreInternetRenta; }
  std::unique_ptr<CInetFichero> CrearEscritor() override {
    auto escritor = std::make_unique<CEscritorDos>();
    escritor->faltante = faltante;
    escritor->PonerDocumento(&m_declaracion);
    return escritor;
  }

  int sinErrores = 1;
  int guarda = 1;
  int faltante = 0;
  std::vector<std::string> pasos;

 private:
  IDeclaracionInternet& m_declaracion;
};

// The person: the answers to each window, and what was shown.
class CPersonaGuion : public IDialogosPresentacion {
 public:
  int MostrarHallazgos() override {
    pasos.push_back("hallazgos");
    return hallazgos;
  }
  bool ConfirmarPresentacion() override {
    pasos.push_back("aviso");
    return confirma;
  }
  std::optional<std::filesystem::path> PedirFichero(std::string_view nombre) override {
    pasos.push_back("fichero " + std::string(nombre));
    return fichero;
  }
  int Generar(CInetFichero& escritor, const std::filesystem::path& ruta) override {
    pasos.push_back("generar");
    pruebas::CProgresoPrueba progreso(&escritor, cancelarTras);
    escritor.PonerProgreso(&progreso);
    const int r = escritor.Generar(ruta);
    escritor.PonerProgreso(nullptr);
    return r;
  }
  void MostrarResultado(const CInetFichero& escritor) override {
    pasos.push_back("resultado");
    resultado = escritor.DameResultado();
    escritor.MostrarResultado();
  }

  int hallazgos = 2;  // Cancel
  bool confirma = true;
  std::optional<std::filesystem::path> fichero;
  int cancelarTras = 0;
  EResultadoInet resultado = EResultadoInet::SinEmpezar;
  std::vector<std::string> pasos;
};

class PresentacionInternet : public pruebas::CCarpetaInternet {
 protected:
  void SetUp() override {
    CCarpetaInternet::SetUp();
    for (int id : {101, 102}) {
      declaracion_.paginas[id] = [this]() {
        return std::make_unique<CControlesFijos>(std::vector<SCasillaPrueba>{{"F12", "120N", 1, &valor_}});
      };
    }
    persona_.fichero = Destino();
  }
  std::filesystem::path Destino() const { return carpeta_ / "KVXINET"; }
  EPresentacion Presentar() { return PresentarPorInternet(documento_, persona_); }

  double valor_ = 42;
  pruebas::CDocumentoPrueba<IDeclaracionInternet> declaracion_;
  CDocumentoPresentacion documento_{declaracion_};
  CPersonaGuion persona_;
  marco::CGuionMensajes guion_;
};

TEST_F(PresentacionInternet, SinErroresSeGuardaSeConfirmaYSeEscribe) {
  EXPECT_EQ(Presentar(), EPresentacion::Escrita);
  EXPECT_EQ(documento_.pasos, (std::vector<std::string>{"confirmar campo", "validar", "guardar"}));
  EXPECT_EQ(persona_.pasos, (std::vector<std::string>{"aviso", "fichero KVXINET", "generar"}));
  EXPECT_EQ(LeerFichero(Destino()), "10101 000000000042\r\n10102 000000000042\r\n");
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(PresentacionInternet, CadaPasoQueNoSigueDejaSinFichero) {
  struct SCaso {
    const char* nombre;
    int sinErrores;
    int hallazgos;  // the findings list's result
    int guarda;
    bool confirma;
    bool conFichero;
    EPresentacion esperado;
    std::vector<std::string> persona;  // the windows shown
  };
  const std::vector<SCaso> casos = {
      {"errores: la lista se cierra sin escribir", 0, 2, 1, true, true, EPresentacion::ConErrores, {"hallazgos"}},
      {"no se puede guardar", 1, 2, 0, true, true, EPresentacion::SinGuardar, {}},
      {"el aviso se cancela", 1, 2, 1, false, true, EPresentacion::NoConfirmada, {"aviso"}},
      {"el dialogo del fichero se cancela", 1, 2, 1, true, false, EPresentacion::SinFichero,
       {"aviso", "fichero KVXINET"}},
  };
  for (const SCaso& c : casos) {
    SCOPED_TRACE(c.nombre);
    documento_.sinErrores = c.sinErrores;
    documento_.guarda = c.guarda;
    persona_.hallazgos = c.hallazgos;
    persona_.confirma = c.confirma;
    persona_.fichero = c.conFichero ? std::optional(Destino()) : std::nullopt;
    persona_.pasos.clear();
    EXPECT_EQ(Presentar(), c.esperado);
    EXPECT_EQ(persona_.pasos, c.persona);
    EXPECT_FALSE(std::filesystem::exists(Destino()));
    EXPECT_TRUE(Nombres().empty());
  }
}

TEST_F(PresentacionInternet, ConAvisosLaListaDejaSeguir) {
  // The check found only what the list offers to write anyway ("Escribir" gives 6).
  documento_.sinErrores = 0;
  persona_.hallazgos = 6;
  EXPECT_EQ(Presentar(), EPresentacion::Escrita);
  EXPECT_EQ(persona_.pasos.front(), "hallazgos");
  EXPECT_TRUE(std::filesystem::exists(Destino()));
}

TEST_F(PresentacionInternet, UnErrorEnLaTablaDeHallazgosNoEscribeAunqueLaListaSiga) {
  // The writer reads the findings itself: an error stored for the declaration refuses the file whatever the list
  // answered.
  const auto datos = carpeta_ / "red";
  std::string error;
  ASSERT_TRUE(::pruebas::CrearTablaHallazgos(datos, "PRUEBA|100R012|4|2|1|5\n", error)) << error;
  marco::CBaseDatos red;
  red.Abrir(datos.string() + "/", true, 1, "DBF");

  struct CDocumentoConRed : CDocumentoPresentacion {
    using CDocumentoPresentacion::CDocumentoPresentacion;
    std::unique_ptr<CInetFichero> CrearEscritor() override {
      auto escritor = CDocumentoPresentacion::CrearEscritor();
      escritor->PonerBasesDatos(nullptr, red);
      return escritor;
    }
    marco::CBaseDatos* red = nullptr;
  } documento(declaracion_);
  documento.red = &red;
  documento.sinErrores = 0;
  persona_.hallazgos = 6;
  const auto destino = carpeta_ / "salida" / "KVXINET";
  std::filesystem::create_directories(destino.parent_path());
  persona_.fichero = destino;
  EXPECT_EQ(PresentarPorInternet(documento, persona_), EPresentacion::Fallida);
  EXPECT_EQ(persona_.resultado, EResultadoInet::ConErrores);
  EXPECT_EQ(guion_.Veces(std::string(kMensajeInetConErrores)), 1);
  EXPECT_TRUE(std::filesystem::is_empty(destino.parent_path()));
}

TEST_F(PresentacionInternet, CancelarOFallarNoDejaFicheroYDiceLoQuePaso) {
  pruebas::EscribirFichero(Destino(), "ANTERIOR");
  // Cancel after the first page: the old file stays as it was, nothing is said (the user asked for it).
  persona_.cancelarTras = 1;
  EXPECT_EQ(Presentar(), EPresentacion::Fallida);
  EXPECT_EQ(persona_.resultado, EResultadoInet::Cancelado);
  EXPECT_TRUE(guion_.Mensajes().empty());
  EXPECT_EQ(LeerFichero(Destino()), "ANTERIOR");
  EXPECT_EQ(Nombres(), (std::set<std::string>{"KVXINET"}));

  // A page of the form missing from the catalogue: refused with its message, naming the page.
  persona_.cancelarTras = 0;
  documento_.faltante = 102;
  EXPECT_EQ(Presentar(), EPresentacion::Fallida);
  EXPECT_EQ(persona_.resultado, EResultadoInet::SinPagina);
  ASSERT_EQ(guion_.Veces(std::string(kMensajeInetCatalogo)), 1);
  EXPECT_EQ(LeerFichero(Destino()), "ANTERIOR");
  EXPECT_EQ(Nombres(), (std::set<std::string>{"KVXINET"}));
}

TEST_F(PresentacionInternet, ReglasDeLaRutaDelDialogo) {
  pruebas::EscribirFichero(carpeta_ / "EXISTE", "X");
  struct SCaso {
    std::filesystem::path ruta;
    ERutaInternet esperado;
  };
  const std::vector<SCaso> casos = {
      {"", ERutaInternet::Vacia},
      {carpeta_, ERutaInternet::Carpeta},
      {carpeta_ / "", ERutaInternet::Carpeta},
      {carpeta_ / "EXISTE", ERutaInternet::Reemplazar},
      {carpeta_ / "NUEVO", ERutaInternet::Aceptada},
  };
  for (const SCaso& c : casos) EXPECT_EQ(ComprobarRutaInternet(c.ruta), c.esperado) << c.ruta;
  EXPECT_EQ(RutaInicialInternet("KVXINET").filename(), "KVXINET");
  std::size_t cuantos = 0;
  const std::string_view* textos = TextosDlgInternet(cuantos);
  ASSERT_EQ(cuantos, 5u);
  EXPECT_EQ(textos[2], "Si la declaraci\xF3n resulta a INGRESAR deber\xE1 disponer, adem\xE1s, del NRC justificante del "
                       "ingreso.");
}

}  // namespace
}  // namespace salida
