// Exchange files: their bytes, the export through a temporary file, and the import that checks everything
// before it writes all or nothing into the store.
#include "shell/Intercambio.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>

#include "AlmacenPrueba.h"

namespace {

namespace fs = std::filesystem;
using pruebasalmacen::AlmacenTest;
using shell::EClaseIntercambio;
using shell::EDecisionNombre;
using shell::NombreAlmacen;
using shell::SDecisionNombre;
using shell::SFicheroIntercambio;

std::string LeerBytes(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

void EscribirBytes(const fs::path& ruta, const std::string& bytes) {
  std::ofstream f(ruta, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST(IntercambioFormato, CamposDeVersionYCuenta) {
  const auto cuenta = shell::CampoCuenta(7);
  EXPECT_EQ(std::string(cuenta.data(), cuenta.size()), std::string("7\0   ", 5));
  const auto grande = shell::CampoCuenta(9999);
  EXPECT_EQ(std::string(grande.data(), grande.size()), std::string("9999\0", 5));
  // A short version fills the rest with blanks; a long one is cut.
  const auto corta = shell::CampoVersion("1.2");
  EXPECT_EQ(std::string(corta.data(), corta.size()), "1.2        ");
  const auto larga = shell::CampoVersion("1999.1.0.12345");
  EXPECT_EQ(std::string(larga.data(), larga.size()), "1999.1.0.12");

  struct SCaso {
    std::string bytes;
    std::optional<int> cuenta;
  };
  for (const SCaso& c : {SCaso{std::string("7\0   ", 5), 7}, SCaso{std::string("12\0\0\0", 5), 12},
                         SCaso{"3    ", 3}, SCaso{std::string("\0    ", 5), std::nullopt},
                         SCaso{std::string("-1\0  ", 5), std::nullopt}, SCaso{std::string("1x\0  ", 5), std::nullopt},
                         SCaso{std::string("2\0 9 ", 5), std::nullopt}, SCaso{"     ", std::nullopt}}) {
    EXPECT_EQ(shell::LeerCampoCuenta(c.bytes.data()), c.cuenta) << c.bytes;
  }
}

class IntercambioTest : public AlmacenTest {
 protected:
  fs::path Fichero(const std::string& nombre) const { return m_dir / nombre; }

  // Exports straight from declarations (not through the store).
  fs::path Exportar(const std::string& nombre, const std::vector<shell::SDeclaracionAlmacen>& declaraciones,
                    std::string_view version = shell::VersionPrograma()) {
    const fs::path ruta = Fichero(nombre);
    EXPECT_TRUE(shell::EscribirIntercambio(ruta, version, declaraciones));
    return ruta;
  }
  std::string Analizar(const fs::path& ruta, EClaseIntercambio clase, SFicheroIntercambio& fichero) {
    return shell::AnalizarIntercambio(ruta, clase, fichero);
  }
  // Imports every declaration of a sound file, answering clashes from `respuestas` in turn.
  shell::SResultadoImportacion Importar(const fs::path& ruta, EClaseIntercambio clase,
                                        std::vector<SDecisionNombre> respuestas = {},
                                        std::vector<std::string>* preguntas = nullptr) {
    SFicheroIntercambio fichero;
    EXPECT_EQ(Analizar(ruta, clase, fichero), "");
    std::vector<std::size_t> todas;
    for (std::size_t i = 0; i < fichero.entradas.size(); ++i) todas.push_back(i);
    std::size_t siguiente = 0;
    return shell::ImportarDeclaraciones(Almacen(), fichero, todas, [&](const std::string& nombre, bool) {
      if (preguntas != nullptr) preguntas->push_back(std::string(plataforma::RecortaDerecha(nombre)));
      return siguiente < respuestas.size() ? respuestas[siguiente++] : SDecisionNombre{EDecisionNombre::Cancelar, ""};
    });
  }
  std::vector<char> DatosDe(const std::string& nombre) {
    shell::SDeclaracionAlmacen d;
    EXPECT_EQ(Almacen().Cargar(nombre, d), shell::EResultadoAlmacen::Hecho);
    return d.datos;
  }
};

TEST_F(IntercambioTest, ExportarEscribeElFormatoEntero) {
  Guardar({Declaracion("ORDINARIA", 2, 'o', "1"), Declaracion("BIENES", 3, 'b', "0")});
  const fs::path ruta = Fichero("mixto.ren");
  EXPECT_EQ(shell::ExportarDeclaraciones(Almacen(), ruta, {NombreAlmacen("ORDINARIA"), NombreAlmacen("BIENES")},
                                         "1999.1.0"),
            shell::kMsgExportadas);
  const std::string bytes = LeerBytes(ruta);
  ASSERT_EQ(bytes.size(), 84312u);  // 16 + (68 + 61,624) + (68 + 22,536)
  EXPECT_EQ(bytes.substr(0, 16), std::string("1999.1.0   2\0   ", 16));
  const std::string primera = bytes.substr(16, 68);
  EXPECT_EQ(primera.substr(0, 52), NombreAlmacen("ORDINARIA") + std::string(2, '\0'));
  EXPECT_EQ(primera.substr(52, 4), std::string("\x02\0\0\0", 4));
  EXPECT_EQ(primera.substr(56, 6), std::string(6, '\0'));
  EXPECT_EQ(primera[62], 'P');
  EXPECT_EQ(primera[63], '\0');
  EXPECT_EQ(primera.substr(64, 4), "1234");
  EXPECT_EQ(bytes[16 + 68], 'o');
  const std::string segunda = bytes.substr(16 + 68 + 61624, 68);
  EXPECT_EQ(segunda.substr(52, 4), std::string("\x03\0\0\0", 4));
  EXPECT_EQ(segunda[62], 'E');
  // Only the file itself is left in the folder.
  int ficheros = 0;
  for (const auto& e : fs::directory_iterator(m_dir)) ficheros += e.is_regular_file() ? 1 : 0;
  EXPECT_EQ(ficheros, 1);
}

TEST_F(IntercambioTest, UnaExportacionFallidaNoTocaElFicheroQueHabia) {
  Guardar({Declaracion("ANA", 1)});
  AnadirDirecto(NombreAlmacen("ROTA"), 1);  // a row without its data area
  const fs::path ruta = Fichero("antes.ren");
  EscribirBytes(ruta, "lo que habia");
  EXPECT_EQ(shell::ExportarDeclaraciones(Almacen(), ruta, {NombreAlmacen("ANA"), NombreAlmacen("ROTA")}),
            shell::kMsgAlmacenDanado);
  EXPECT_EQ(shell::ExportarDeclaraciones(Almacen(), ruta, {NombreAlmacen("NADIE")}), "MUES008");
  EXPECT_EQ(shell::ExportarDeclaraciones(Almacen(), m_dir / "no-existe" / "x.ren", {NombreAlmacen("ANA")}),
            shell::kMsgNoSeEscribe);
  EXPECT_EQ(LeerBytes(ruta), "lo que habia");
  EXPECT_EQ(shell::ExportarDeclaraciones(Almacen(), ruta, {}), shell::kMsgSinDeclaraciones);
}

TEST_F(IntercambioTest, LasExportablesSonLasDeSuImpuesto) {
  Guardar({Declaracion("B", 2), Declaracion("A", 1), Declaracion("C", 3)});
  AnadirDirecto(NombreAlmacen("NUEVA"), 0);
  std::vector<std::string> renta;
  for (const auto& f : shell::DeclaracionesExportables(Almacen(), EClaseIntercambio::Renta)) renta.push_back(f.clave);
  EXPECT_EQ(renta, (std::vector<std::string>{NombreAlmacen("A"), NombreAlmacen("B")}));
  EXPECT_EQ(shell::DeclaracionesExportables(Almacen(), EClaseIntercambio::Patrimonio).size(), 1u);
}

TEST_F(IntercambioTest, IdaYVueltaConservaCadaDeclaracion) {
  auto simplificada = Declaracion("SIMPLE", 1, 's', "1");
  simplificada.datos[0] = '\0';
  simplificada.datos.back() = '\xFF';
  const fs::path ruta = Exportar("ida.ren", {simplificada, Declaracion("ORDINARIA", 2, 'o')});
  const auto r = Importar(ruta, EClaseIntercambio::Renta);
  EXPECT_EQ(r.codigo, shell::kMsgImportadas);
  EXPECT_EQ(r.importadas, 2);
  EXPECT_EQ(Filas(), (std::vector<std::string>{"SIMPLE|1||61624", "ORDINARIA|2||61624"}));
  EXPECT_EQ(DatosDe("SIMPLE"), simplificada.datos);
  shell::SDeclaracionAlmacen leida;
  ASSERT_EQ(Almacen().Cargar("SIMPLE", leida), shell::EResultadoAlmacen::Hecho);
  EXPECT_EQ(leida.moneda, "1");
  EXPECT_EQ(std::string(leida.liqui311.data(), 4), "1234");
}

TEST_F(IntercambioTest, UnFicheroMaloSeRechazaConSuCodigo) {
  Guardar({Declaracion("YA", 3)});
  const std::string buena = LeerBytes(Exportar("buena.ren", {Declaracion("ANA", 1), Declaracion("EVA", 2)}));
  const std::string pat = LeerBytes(Exportar("buena.pat", {Declaracion("CASA", 3)}));
  const std::string otraVersion = LeerBytes(Exportar("vieja.ren", {Declaracion("ANA", 1)}, "1998.2.0"));
  auto cambiar = [&buena](std::size_t posicion, std::string bytes) {
    std::string b = buena;
    b.replace(posicion, bytes.size(), bytes);
    return b;
  };
  const std::size_t segunda = 16 + 68 + 61624;
  struct SCaso {
    const char* que;
    std::string bytes;
    EClaseIntercambio clase;
    std::string_view codigo;
  };
  const std::vector<SCaso> casos{
      {"vacio", "", EClaseIntercambio::Renta, shell::kMsgDanado},
      {"solo cabecera", buena.substr(0, 10), EClaseIntercambio::Renta, shell::kMsgDanado},
      {"cortado en una cabecera", buena.substr(0, segunda + 30), EClaseIntercambio::Renta, shell::kMsgDanado},
      {"cortado en los datos", buena.substr(0, buena.size() - 1), EClaseIntercambio::Renta, shell::kMsgDanado},
      {"bytes de mas", buena + "x", EClaseIntercambio::Renta, shell::kMsgDanado},
      {"cuenta menor", cambiar(11, std::string("1\0", 2)), EClaseIntercambio::Renta, shell::kMsgDanado},
      {"cuenta mayor", cambiar(11, std::string("3\0", 2)), EClaseIntercambio::Renta, shell::kMsgDanado},
      {"cuenta ilegible", cambiar(11, "ab"), EClaseIntercambio::Renta, shell::kMsgDanado},
      {"cuenta cero", cambiar(11, std::string("0\0", 2)), EClaseIntercambio::Renta, shell::kMsgSinDeclaraciones},
      {"tipo desconocido", cambiar(16 + 52, std::string("\x07\0\0\0", 4)), EClaseIntercambio::Renta,
       shell::kMsgDanado},
      {"tipo negativo", cambiar(segunda + 52, "\xFF\xFF\xFF\xFF"), EClaseIntercambio::Renta, shell::kMsgDanado},
      {"moneda rara", cambiar(16 + 62, "X"), EClaseIntercambio::Renta, shell::kMsgDanado},
      {"nombre en blanco", cambiar(16, std::string(50, ' ')), EClaseIntercambio::Renta, shell::kMsgDanado},
      {"otra version", otraVersion, EClaseIntercambio::Renta, shell::kMsgOtraVersion},
      {"patrimonio como renta", pat, EClaseIntercambio::Renta, shell::kMsgOtraClase},
      {"renta como patrimonio", buena, EClaseIntercambio::Patrimonio, shell::kMsgOtraClase},
  };
  const auto antes = Filas();
  for (const SCaso& c : casos) {
    const fs::path ruta = Fichero("mala.ren");
    EscribirBytes(ruta, c.bytes);
    SFicheroIntercambio fichero;
    EXPECT_EQ(Analizar(ruta, c.clase, fichero), c.codigo) << c.que;
    EXPECT_TRUE(fichero.entradas.empty()) << c.que;
  }
  SFicheroIntercambio fichero;
  EXPECT_EQ(Analizar(Fichero("no-existe.ren"), EClaseIntercambio::Renta, fichero), shell::kMsgFicheroNoEncontrado);
  EXPECT_EQ(Filas(), antes);
}

TEST_F(IntercambioTest, NombresRepetidosDeciden) {
  Guardar({Declaracion("ANA", 1, 'a'), Declaracion("EVA", 2, 'e'), Declaracion("LUIS", 1, 'l')});
  const fs::path ruta = Exportar(
      "choque.ren", {Declaracion("ANA", 2, 'A'), Declaracion("EVA", 1, 'E'), Declaracion("LUIS", 1, 'L'),
                     Declaracion("NUEVA", 1, 'N')});

  // Cancelling at the second question writes nothing at all.
  std::vector<std::string> preguntas;
  auto r = Importar(ruta, EClaseIntercambio::Renta, {{EDecisionNombre::Sobrescribir, ""}}, &preguntas);
  EXPECT_EQ(r.codigo, "");
  EXPECT_EQ(preguntas, (std::vector<std::string>{"ANA", "EVA"}));
  EXPECT_EQ(DatosDe("ANA")[0], 'a');
  EXPECT_EQ(Filas().size(), 3u);

  // Overwrite one, rename one (first to a stored name, which is asked again), skip one.
  preguntas.clear();
  r = Importar(ruta, EClaseIntercambio::Renta,
               {{EDecisionNombre::Sobrescribir, ""}, {EDecisionNombre::Renombrar, "LUIS"},
                {EDecisionNombre::Renombrar, "EVA2"}, {EDecisionNombre::Omitir, ""}},
               &preguntas);
  EXPECT_EQ(r.codigo, shell::kMsgImportadas);
  EXPECT_EQ(r.importadas, 3);
  EXPECT_EQ(preguntas, (std::vector<std::string>{"ANA", "EVA", "LUIS", "LUIS"}));
  EXPECT_EQ(DatosDe("ANA")[0], 'A');
  EXPECT_EQ(DatosDe("EVA")[0], 'e');
  EXPECT_EQ(DatosDe("EVA2")[0], 'E');
  EXPECT_EQ(DatosDe("LUIS")[0], 'l');
  EXPECT_EQ(DatosDe("NUEVA")[0], 'N');

  // Overwrite all asks once.
  preguntas.clear();
  r = Importar(ruta, EClaseIntercambio::Renta, {{EDecisionNombre::SobrescribirTodas, ""}}, &preguntas);
  EXPECT_EQ(r.importadas, 4);
  EXPECT_EQ(preguntas.size(), 1u);
  EXPECT_EQ(DatosDe("LUIS")[0], 'L');
  EXPECT_EQ(Filas().size(), 5u);
}

TEST_F(IntercambioTest, RenombrarANombreDeEstaImportacionNoSobrescribe) {
  Guardar({Declaracion("ANA", 1, 'a')});
  const fs::path ruta = Exportar("dos.ren", {Declaracion("NUEVA", 1, 'N'), Declaracion("ANA", 1, 'A')});
  SFicheroIntercambio fichero;
  ASSERT_EQ(Analizar(ruta, EClaseIntercambio::Renta, fichero), "");
  std::vector<std::pair<std::string, bool>> preguntas;
  std::vector<SDecisionNombre> respuestas{{EDecisionNombre::Renombrar, "NUEVA"},
                                          {EDecisionNombre::Sobrescribir, ""},
                                          {EDecisionNombre::Renombrar, "OTRA"}};
  std::size_t i = 0;
  const auto r = shell::ImportarDeclaraciones(Almacen(), fichero, {0, 1}, [&](const std::string& n, bool sobre) {
    preguntas.emplace_back(std::string(plataforma::RecortaDerecha(n)), sobre);
    return respuestas[i++];
  });
  EXPECT_EQ(r.importadas, 2);
  EXPECT_EQ(preguntas, (std::vector<std::pair<std::string, bool>>{{"ANA", true}, {"NUEVA", false}, {"NUEVA", false}}));
  EXPECT_EQ(DatosDe("NUEVA")[0], 'N');
  EXPECT_EQ(DatosDe("OTRA")[0], 'A');
  EXPECT_EQ(DatosDe("ANA")[0], 'a');
}

TEST_F(IntercambioTest, ElLimiteDeCincuentaSeCompruebaAntesDeEscribir) {
  std::vector<shell::SDeclaracionAlmacen> muchas;
  for (int i = 0; i < 49; ++i) muchas.push_back(Declaracion("D" + std::to_string(i), 1));
  Guardar(muchas);
  const fs::path ruta = Exportar("dos.ren", {Declaracion("D0", 1, 'z'), Declaracion("X1", 1), Declaracion("X2", 1)});
  auto r = Importar(ruta, EClaseIntercambio::Renta, {{EDecisionNombre::Sobrescribir, ""}});
  EXPECT_EQ(r.codigo, shell::kMsgLimite);
  EXPECT_EQ(Filas().size(), 49u);
  EXPECT_EQ(DatosDe("D0")[0], 'x');
  // Skipping one of the new ones leaves room: one overwritten, one new.
  SFicheroIntercambio fichero;
  ASSERT_EQ(Analizar(ruta, EClaseIntercambio::Renta, fichero), "");
  r = shell::ImportarDeclaraciones(Almacen(), fichero, {0, 2}, [](const std::string&, bool) {
    return SDecisionNombre{EDecisionNombre::Sobrescribir, ""};
  });
  EXPECT_EQ(r.importadas, 2);
  EXPECT_EQ(Filas().size(), 50u);
  EXPECT_EQ(DatosDe("D0")[0], 'z');
}

TEST_F(IntercambioTest, NadaSeEscribeSiAlgoFallaDespuesDeDecidir) {
  Guardar({Declaracion("YA", 1, 'y')});
  const fs::path ruta = Exportar("tres.ren", {Declaracion("PRIMERA", 1), Declaracion("YA", 1, 'n')});

  // The same name twice among those chosen.
  const fs::path repetida = Exportar("rep.ren", {Declaracion("PRIMERA", 1), Declaracion("PRIMERA", 2)});
  SFicheroIntercambio fichero;
  ASSERT_EQ(Analizar(repetida, EClaseIntercambio::Renta, fichero), "");
  EXPECT_EQ(shell::ImportarDeclaraciones(Almacen(), fichero, {0, 1}, nullptr).codigo, shell::kMsgNombreRepetido);

  // While the user decides, another user stores a declaration under a name planned as new.
  ASSERT_EQ(Analizar(ruta, EClaseIntercambio::Renta, fichero), "");
  auto r = shell::ImportarDeclaraciones(Almacen(), fichero, {0, 1}, [this](const std::string&, bool) {
    EXPECT_EQ(Almacen().Anadir("PRIMERA", 1), shell::EResultadoAlmacen::Hecho);
    return SDecisionNombre{EDecisionNombre::Sobrescribir, ""};
  });
  EXPECT_EQ(r.codigo, shell::kMsgAlmacenCambiado);
  EXPECT_EQ(DatosDe("YA")[0], 'y');
  ASSERT_EQ(Almacen().Borrar("PRIMERA"), shell::EResultadoAlmacen::Hecho);

  // The file is cut short after it was checked.
  ASSERT_EQ(Analizar(ruta, EClaseIntercambio::Renta, fichero), "");
  r = shell::ImportarDeclaraciones(Almacen(), fichero, {0, 1}, [&ruta](const std::string&, bool) {
    fs::resize_file(ruta, fs::file_size(ruta) - 100);
    return SDecisionNombre{EDecisionNombre::Sobrescribir, ""};
  });
  EXPECT_EQ(r.codigo, shell::kMsgDanado);
  EXPECT_EQ(Filas(), (std::vector<std::string>{"YA|1||61624", "PRIMERA|1|B|61624"}));
  EXPECT_EQ(DatosDe("YA")[0], 'y');
}

TEST_F(IntercambioTest, UnImporteQueNoEsUnNumeroSeRechazaYElAlmacenNoCambia) {
  Guardar({Declaracion("YA", 2, 'y')});
  const auto antes = Filas();
  struct SCaso {
    std::int32_t tipodec;
    std::size_t donde;
    double valor;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const SCaso& c : {SCaso{2, 0, nan}, SCaso{1, 54472, -inf}, SCaso{2, 61616, inf}, SCaso{3, 8, nan},
                         SCaso{3, 22528, -nan}}) {
    shell::SDeclaracionAlmacen mala = Declaracion("NUEVA", c.tipodec, 'n');
    std::memcpy(mala.datos.data() + c.donde, &c.valor, sizeof c.valor);
    const bool renta = c.tipodec != 3;
    const fs::path ruta = Exportar(renta ? "nan.ren" : "nan.pat", {Declaracion("OTRA", renta ? 1 : 3), mala});
    const auto r = Importar(ruta, renta ? EClaseIntercambio::Renta : EClaseIntercambio::Patrimonio);
    EXPECT_EQ(r.codigo, shell::kMsgImporteNoValido) << c.tipodec << " " << c.donde;
    EXPECT_EQ(r.importadas, 0);
    EXPECT_EQ(Filas(), antes);
    // The store itself takes no such area either, whoever hands it over.
    EXPECT_EQ(Almacen().Guardar({mala}, {}), shell::EResultadoAlmacen::Danado);
    EXPECT_EQ(Filas(), antes);
  }
}

}  // namespace
