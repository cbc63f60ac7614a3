// The writer base of the Internet filing file: values in Internet field order, sheets and their marks, CR LF line
// ends, the writer's own 'P' values, and every way a run can fail without touching the chosen file.
#include "output/InternetFichero.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstring>
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
using pruebas::CDocumentoPrueba;
using pruebas::CProgresoPrueba;
using pruebas::SCasillaPrueba;

// A writer of `paginas` slots, model 101, catalogue ids 100 + page; every page it is given is written.
class CEscritorPrueba : public CInetFichero {
 public:
  explicit CEscritorPrueba(int paginas) : m_nPaginas(paginas) {}
  int catalogo = 1;  // what ExistePagina answers for every page

 protected:
  int NumeroPaginas() const override { return m_nPaginas; }
  std::string_view TituloPaginas() const override { return "PRUEBA"; }
  int NumeroModelo() const override { return 101; }
  int IdCatalogo(int pagina) const override { return 100 + pagina; }
  int ExistePagina(int /*idPagina*/) override { return catalogo; }
  int CrearCamposPagina(int pagina) override { return CargarCamposPagina(IdCatalogo(pagina)); }

 private:
  int m_nPaginas;
};

using CDocumento = CDocumentoPrueba<IDeclaracionInternet>;

class InternetFichero : public pruebas::CCarpetaInternet {
 protected:
  void Pagina(int id, std::vector<SCasillaPrueba> casillas, int hojas = 1) {
    documento_.paginas[id] = [casillas, hojas]() { return std::make_unique<CControlesFijos>(casillas, hojas); };
  }
  std::filesystem::path Destino() const { return carpeta_ / "KVXINET"; }

  CDocumento documento_;
  marco::CGuionMensajes guion_;
};

TEST_F(InternetFichero, ValoresEnOrdenDeNumeroInternet) {
  double siete = 7;
  double nueve = 9;
  double ocho = 8;
  double uno = 1;
  std::array<char, 5> hola{'H', 'O', 'L', 'A', ' '};
  // Numbers 2, 1, 4 (and boxes with 999 or none): 1 and 2 are written, 4 is beyond the count of numbered boxes.
  Pagina(101, {{"A5", "050A", 2, hola.data()},
               {"F12", "120N", 1, &siete},
               {"F12", "120N", 4, &nueve},
               {"F12", "120N", kOrdenNoEscrito, &ocho},
               {"F12", "120N", 0, &ocho}});
  // A number given twice: the first box in array order has it.
  Pagina(102, {{"F12", "120N", 1, &uno}, {"F12", "120N", 2, &siete}, {"F12", "120N", 1, &nueve}});
  // Every box unnumbered: the line holds only the model, the page and the mark.
  Pagina(103, {{"F12", "120N", kOrdenNoEscrito, &uno}});

  CEscritorPrueba escritor(3);
  escritor.PonerDocumento(&documento_);
  ASSERT_EQ(escritor.Generar(Destino()), 1);
  EXPECT_EQ(escritor.DameResultado(), EResultadoInet::Escrito);
  EXPECT_EQ(LeerFichero(Destino()),
            "10101 000000000007HOLA \r\n"
            "10102 000000000001000000000007\r\n"
            "10103 \r\n");
  EXPECT_TRUE(guion_.Mensajes().empty());
  EXPECT_EQ(Nombres(), (std::set<std::string>{"KVXINET"}));
}

TEST_F(InternetFichero, UnaLineaPorHojaConSuMarca) {
  double valor = 0;
  documento_.paginas[101] = [&valor]() {
    auto controles = std::make_unique<CControlesFijos>(std::vector<SCasillaPrueba>{{"F12", "120N", 1, &valor}}, 3);
    controles->alPreparar = [&valor](int hoja) { valor = hoja * 10; };
    return controles;
  };
  CEscritorPrueba escritor(1);
  escritor.PonerDocumento(&documento_);
  ASSERT_EQ(escritor.Generar(Destino()), 1);
  const auto lineas = pruebas::Lineas(LeerFichero(Destino()));
  EXPECT_EQ(lineas, (std::vector<std::string>{"10101 000000000010", "10101C000000000020", "10101C000000000030"}));
}

TEST_F(InternetFichero, ValoresDelEscritorYBytesDeControl) {
  // Each field of kind 'P' gets the system letter once, however many such fields the file has.
  std::array<char, 6> texto{'A', 'B', '\r', '\n', 'C', 'D'};
  Pagina(101, {{"A1", "010P", 1, nullptr}, {"A6", "060A", 2, texto.data()}, {"A1", "010P", 3, nullptr}});
  Pagina(102, {{"A1", "010P", 1, nullptr}});
  CEscritorPrueba escritor(2);
  escritor.PonerDocumento(&documento_);
  ASSERT_EQ(escritor.Generar(Destino()), 1);
  // A line end inside a value would split the sheet's line: it becomes blanks of the same width.
  EXPECT_EQ(LeerFichero(Destino()), "10101 IAB  CDI\r\n10102 I\r\n");
}

TEST_F(InternetFichero, ProgresoPorPagina) {
  double valor = 5;
  Pagina(101, {});
  Pagina(102, {{"F12", "120N", 1, &valor}});
  Pagina(103, {});
  documento_.clave = "FAMILIA PEREZ";
  CEscritorPrueba escritor(3);
  escritor.PonerDocumento(&documento_);
  CProgresoPrueba progreso;
  escritor.PonerProgreso(&progreso);
  ASSERT_EQ(escritor.Generar(Destino()), 1);
  EXPECT_EQ(LeerFichero(Destino()), "10101 \r\n10102 000000000005\r\n10103 \r\n");
  EXPECT_EQ(progreso.textos, (std::vector<std::string>{"Escribiendo p\xE1gina 1 de 3", "Escribiendo p\xE1gina 2 de 3",
                                                        "Escribiendo p\xE1gina 3 de 3"}));
  EXPECT_EQ(progreso.claves, std::vector<std::string>(3, "FAMILIA PEREZ"));
  EXPECT_EQ(progreso.tipos, std::vector<std::string>(3, "PRUEBA"));
  EXPECT_EQ(progreso.bombeos, 3);
  EXPECT_TRUE(guion_.Mensajes().empty());
}

// A page the run must write whose box array cannot be made (its class is not in the program) fails the run with
// its message; no file is left, and the one there before stays as it was.
TEST_F(InternetFichero, UnaPaginaSinCasillasDetieneElFicheroConSuMensaje) {
  pruebas::EscribirFichero(Destino(), "ANTERIOR");
  double valor = 5;
  Pagina(101, {{"F12", "120N", 1, &valor}});
  // Page 102 has no page class: the document gives no array.
  Pagina(103, {{"F12", "120N", 1, &valor}});
  CEscritorPrueba escritor(3);
  escritor.PonerDocumento(&documento_);
  EXPECT_EQ(escritor.Generar(Destino()), 0);
  EXPECT_EQ(escritor.DameResultado(), EResultadoInet::ErrorPagina);
  EXPECT_EQ(documento_.pedidas, (std::vector<int>{101, 102}));
  escritor.MostrarResultado();
  EXPECT_EQ(guion_.Codigos(), std::vector<std::string>{std::string(kMensajeInetPagina)});
  EXPECT_EQ(LeerFichero(Destino()), "ANTERIOR");
  EXPECT_EQ(Nombres(), (std::set<std::string>{"KVXINET"}));
}

TEST_F(InternetFichero, UnaPaginaQueFaltaEnElCatalogoRechazaElFormularioEntero) {
  pruebas::EscribirFichero(Destino(), "ANTERIOR");
  double valor = 5;
  Pagina(101, {{"F12", "120N", 1, &valor}});
  Pagina(102, {{"F12", "120N", 1, &valor}});
  // The catalogue lacks page 102: a file without it would pass for the whole declaration.
  class CSinPagina2 : public CEscritorPrueba {
   public:
    CSinPagina2() : CEscritorPrueba(3) {}

   protected:
    int ExistePagina(int idPagina) override { return idPagina == 102 ? 0 : 1; }
  } escritor;
  escritor.PonerDocumento(&documento_);
  CProgresoPrueba progreso;
  escritor.PonerProgreso(&progreso);
  EXPECT_EQ(escritor.Generar(Destino()), 0);
  EXPECT_EQ(escritor.DameResultado(), EResultadoInet::SinPagina);
  EXPECT_EQ(escritor.DamePaginaFalta(), 2);
  EXPECT_EQ(escritor.DameIdPaginaFalta(), 102);
  // Refused before anything was written: no page was asked for, no progress shown, the old file untouched.
  EXPECT_TRUE(documento_.pedidas.empty());
  EXPECT_TRUE(progreso.textos.empty());
  EXPECT_EQ(LeerFichero(Destino()), "ANTERIOR");
  EXPECT_EQ(Nombres(), (std::set<std::string>{"KVXINET"}));
  // The command tells the user, naming the page.
  EXPECT_TRUE(guion_.Mensajes().empty());
  escritor.MostrarResultado();
  ASSERT_EQ(guion_.Veces(std::string(kMensajeInetCatalogo)), 1);
  EXPECT_EQ(TextoPaginaFalta(2, 102), "P\xE1gina 2 (102)");

  // A catalogue that cannot be read at all is no proof either.
  class CSinCatalogo : public CEscritorPrueba {
   public:
    CSinCatalogo() : CEscritorPrueba(2) { catalogo = -1; }
  } otro;
  otro.PonerDocumento(&documento_);
  EXPECT_EQ(otro.Generar(Destino()), 0);
  EXPECT_EQ(otro.DameResultado(), EResultadoInet::ErrorPagina);
  EXPECT_EQ(LeerFichero(Destino()), "ANTERIOR");
}

TEST_F(InternetFichero, SustituyeElFicheroAnteriorConservandoSusPermisos) {
  pruebas::EscribirFichero(Destino(), "VIEJO");
  ::chmod(Destino().c_str(), 0600);
  double valor = 3;
  Pagina(101, {{"F12", "120N", 1, &valor}});
  CEscritorPrueba escritor(1);
  escritor.PonerDocumento(&documento_);
  ASSERT_EQ(escritor.Generar(Destino()), 1);
  EXPECT_EQ(LeerFichero(Destino()), "10101 000000000003\r\n");
  struct stat datos {};
  ASSERT_EQ(::stat(Destino().c_str(), &datos), 0);
  EXPECT_EQ(datos.st_mode & 0777, 0600u);
}

// Every failure leaves the chosen file as it was and no temporary file behind.
TEST_F(InternetFichero, UnFalloNoTocaElFichero) {
  double bien = 1;
  double grande = 1e13;  // thirteen digits in a twelve-digit field
  struct SCaso {
    const char* nombre;
    std::function<void(CDocumento&, CEscritorPrueba&)> preparar;
    int cancelarTras;
    EResultadoInet resultado;
    std::vector<std::string> mensajes;
  };
  const std::vector<SCaso> casos = {
      {"valor que no cabe",
       [&](CDocumento& d, CEscritorPrueba&) {
         d.paginas[102] = [&]() {
           return std::make_unique<CControlesFijos>(std::vector<SCasillaPrueba>{{"F14", "120N", 1, &grande}});
         };
       },
       0, EResultadoInet::ErrorValor, {"100P006"}},
      {"carga fallida",
       [&](CDocumento& d, CEscritorPrueba&) {
         d.paginas[102] = [&]() {
           auto c = std::make_unique<CControlesFijos>(std::vector<SCasillaPrueba>{{"F12", "120N", 1, &bien}});
           c->fallarCarga = true;
           return c;
         };
       },
       0, EResultadoInet::ErrorPagina, {}},
      {"hojas sin fin",
       [&](CDocumento& d, CEscritorPrueba&) {
         d.paginas[102] = [&]() {
           return std::make_unique<CControlesFijos>(std::vector<SCasillaPrueba>{{"F12", "120N", 1, &bien}}, -1);
         };
       },
       0, EResultadoInet::ErrorPagina, {}},
      {"catalogo ilegible", [&](CDocumento&, CEscritorPrueba& e) { e.catalogo = -1; }, 0, EResultadoInet::ErrorPagina,
       {}},
      {"cancelado tras la primera pagina", [&](CDocumento&, CEscritorPrueba&) {}, 1, EResultadoInet::Cancelado, {}},
  };
  for (const SCaso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    pruebas::EscribirFichero(Destino(), "VIEJO");
    CDocumento documento;
    documento.paginas[101] = [&]() {
      return std::make_unique<CControlesFijos>(std::vector<SCasillaPrueba>{{"F12", "120N", 1, &bien}});
    };
    CEscritorPrueba escritor(3);
    caso.preparar(documento, escritor);
    escritor.PonerDocumento(&documento);
    CProgresoPrueba progreso(&escritor, caso.cancelarTras);
    escritor.PonerProgreso(&progreso);
    marco::CGuionMensajes guion;
    EXPECT_EQ(escritor.Generar(Destino()), 0);
    EXPECT_EQ(escritor.DameResultado(), caso.resultado);
    EXPECT_EQ(escritor.EstaCancelado(), 0);
    EXPECT_EQ(guion.Codigos(), caso.mensajes);
    EXPECT_EQ(LeerFichero(Destino()), "VIEJO");
    EXPECT_EQ(Nombres(), (std::set<std::string>{"KVXINET"}));
  }
}

TEST_F(InternetFichero, SinCarpetaOSinDocumento) {
  Pagina(101, {});
  CEscritorPrueba escritor(1);
  escritor.PonerDocumento(&documento_);
  EXPECT_EQ(escritor.Generar(carpeta_ / "no-existe" / "KVXINET"), 0);
  EXPECT_EQ(escritor.DameResultado(), EResultadoInet::ErrorFichero);
  EXPECT_EQ(escritor.Generar(carpeta_), 0);  // a folder is not a file name
  EXPECT_EQ(escritor.DameResultado(), EResultadoInet::ErrorFichero);
  EXPECT_TRUE(std::filesystem::is_directory(carpeta_));

  CEscritorPrueba sinDocumento(1);
  EXPECT_EQ(sinDocumento.Generar(Destino()), 0);
  EXPECT_EQ(sinDocumento.DameResultado(), EResultadoInet::SinDocumento);
  EXPECT_TRUE(Nombres().empty());
}

TEST_F(InternetFichero, UnaDeclaracionConErroresNoSeEscribe) {
  const auto datos = carpeta_ / "red";
  std::string error;
  ASSERT_TRUE(::pruebas::CrearTablaHallazgos(datos,
                                             "AVISOS|100V019|4|2|0|3\n"
                                             "ERRORES|100V019|4|2|0|3\n"
                                             "ERRORES|100R012|4|2|1|5\n",
                                             error))
      << error;
  marco::CBaseDatos red;
  red.Abrir(datos.string() + "/", true, 1, "DBF");
  EXPECT_EQ(DeclaracionConErrores(&red, "ERRORES"), 1);
  EXPECT_EQ(DeclaracionConErrores(&red, "AVISOS"), 0);

  double valor = 1;
  Pagina(101, {{"F12", "120N", 1, &valor}});
  CEscritorPrueba escritor(1);
  escritor.PonerBasesDatos(nullptr, &red);
  escritor.PonerDocumento(&documento_);

  documento_.clave = "ERRORES";
  EXPECT_EQ(escritor.Generar(Destino()), 0);
  EXPECT_EQ(escritor.DameResultado(), EResultadoInet::ConErrores);
  EXPECT_TRUE(documento_.pedidas.empty());
  EXPECT_FALSE(std::filesystem::exists(Destino()));

  // Warnings alone do not stop the file.
  documento_.clave = "AVISOS";
  EXPECT_EQ(escritor.Generar(Destino()), 1);
  EXPECT_EQ(LeerFichero(Destino()), "10101 000000000001\r\n");
}

TEST(InternetMensajes, CadaFalloTieneSuMensaje) {
  const std::vector<std::pair<EResultadoInet, std::vector<std::string>>> casos = {
      {EResultadoInet::ConErrores, {"INET001"}},   {EResultadoInet::ErrorFichero, {"INET012"}},
      {EResultadoInet::SinDocumento, {"INET012"}}, {EResultadoInet::ErrorValor, {"INET013"}},
      {EResultadoInet::ErrorPagina, {"INET014"}},  {EResultadoInet::Cancelado, {}},
      {EResultadoInet::Escrito, {}},
  };
  for (const auto& [resultado, codigos] : casos) {
    marco::CGuionMensajes guion;
    const int boton = MostrarResultadoInternet(resultado);
    EXPECT_EQ(guion.Codigos(), codigos);
    EXPECT_EQ(boton, codigos.empty() ? 0 : marco::kBotonAceptar);
  }
}

}  // namespace
}  // namespace salida
