// Every coded message in the four languages: the source of the message tables (data/mensajes/Mensajes.txt) and
// the tables the build makes from it. A failure lists exactly the codes that lack a language.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/DlgMensaje.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

#include "ComunIdiomas.h"

namespace {

using idiomas::Leer;
using idiomas::Lista;
namespace fs = std::filesystem;

// The rows of Mensajes.txt: code and the eleven values.
std::vector<std::vector<std::string>> FilasMensajes() {
  std::vector<std::vector<std::string>> filas;
  std::istringstream entrada(Leer(KORVELIX_FUENTE_MENSAJES));
  std::string linea;
  bool enFilas = false;
  while (std::getline(entrada, linea)) {
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    if (!enFilas) {
      enFilas = linea.rfind("FILAS", 0) == 0;
      continue;
    }
    if (linea.empty() || linea.front() == '#') continue;
    std::vector<std::string> valores;
    std::size_t desde = 0;
    while (true) {
      const std::size_t barra = linea.find('|', desde);
      valores.push_back(linea.substr(desde, barra - desde));
      if (barra == std::string::npos) break;
      desde = barra + 1;
    }
    filas.push_back(std::move(valores));
  }
  return filas;
}

constexpr std::array<char, 3> kOtrosIdiomas = {'C', 'G', 'V'};

TEST(Idiomas, CadaMensajeTieneTituloYTextoEnLosCuatroIdiomas) {
  const auto filas = FilasMensajes();
  ASSERT_GT(filas.size(), 100u);
  std::vector<std::string> faltan;
  for (const auto& f : filas) {
    if (f.size() != 11) {
      faltan.push_back(f.front() + ": la fila no tiene 11 valores");
      continue;
    }
    std::string letras;
    if (f[3].empty() || f[4].empty()) letras += " E";
    for (std::size_t k = 0; k < kOtrosIdiomas.size(); ++k) {
      if (f[5 + 2 * k].empty() || f[6 + 2 * k].empty()) letras += std::string(" ") + kOtrosIdiomas[k];
    }
    if (!letras.empty()) faltan.push_back(f.front() + ": falta" + letras + ": " + f[4]);
  }
  EXPECT_TRUE(faltan.empty()) << faltan.size() << " mensajes de data/mensajes/Mensajes.txt sin todos sus idiomas:\n"
                              << Lista(faltan);
}

// Every code the program shows a coded message by (its pages, its checks, its dialogs and the rest of its code) has
// its row in Mensajes.txt with a title and a text in the four languages: a code without one shows only itself. The
// codes are found in the sources as the literals given to the message calls and to the constants of message codes,
// and every literal of the form's own code shape (three digits, a letter, three digits). A failure lists each code
// without its row, or without a language, and a source that uses it.
TEST(Idiomas, CadaCodigoDeMensajeQueUsaElProgramaTieneSuTextoEnLosCuatroIdiomas) {
  std::map<std::string, std::vector<std::string>> filas;
  for (auto& f : FilasMensajes()) filas[f.front()] = f;
  const std::string literal = R"re("([^"\\\n]*)")re";
  const std::vector<std::regex> usos = {
      std::regex(R"re(\b(?:MostrarMensaje|Mensaje|AvisarError|falla)\(\s*)re" + literal),
      std::regex(R"re(\bk(?:Mensaje|Codigo)\w*\s*=\s*)re" + literal),
      std::regex(R"re("(\d{3}[A-Z]\d{3})")re"),
  };
  const std::regex forma(R"re([A-Z0-9]{4,7})re");
  const std::regex comentario(R"re(//[^\n]*)re");
  std::vector<fs::path> fuentes;
  for (const char* sala : {"framework", "income", "wealth", "dialogs", "activities", "shell", "output"}) {
    const fs::path dir = fs::path(KORVELIX_FUENTES) / sala;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) continue;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
      const std::string ruta = e.path().generic_string();
      if (ruta.find("/tests/") != std::string::npos) continue;
      if (e.path().extension() == ".cpp" || e.path().extension() == ".h") fuentes.push_back(e.path());
    }
  }
  std::sort(fuentes.begin(), fuentes.end());
  ASSERT_GT(fuentes.size(), 100u);
  std::map<std::string, std::string> usados;  // code -> a source that uses it
  for (const fs::path& fuente : fuentes) {
    const std::string codigo = std::regex_replace(Leer(fuente), comentario, "");
    for (const std::regex& uso : usos) {
      for (auto it = std::sregex_iterator(codigo.begin(), codigo.end(), uso); it != std::sregex_iterator(); ++it) {
        std::string c = (*it)[1].str();
        // A code padded to the table's field is the same code.
        c.erase(c.find_last_not_of(' ') + 1);
        if (!std::regex_match(c, forma) || std::none_of(c.begin(), c.end(), [](char x) { return x >= 'A' && x <= 'Z'; })) {
          continue;
        }
        usados.emplace(c, fs::relative(fuente, KORVELIX_FUENTES).generic_string());
      }
    }
  }
  EXPECT_GT(usados.size(), 150u);
  std::vector<std::string> faltan;
  for (const auto& [c, fuente] : usados) {
    const auto f = filas.find(c);
    if (f == filas.end()) {
      faltan.push_back(c + " (" + fuente + "): no tiene fila");
      continue;
    }
    const auto& v = f->second;
    std::string letras;
    for (std::size_t k = 0; k < 4; ++k) {
      if (v.size() != 11 || v[3 + 2 * k].empty() || v[4 + 2 * k].empty()) letras += std::string(" ") + "ECGV"[k];
    }
    if (!letras.empty()) faltan.push_back(c + " (" + fuente + "): falta" + letras);
  }
  EXPECT_TRUE(faltan.empty()) << faltan.size() << " códigos de mensaje sin su texto en data/mensajes/Mensajes.txt:\n"
                              << Lista(faltan);
}

// The tables the build makes: every code of the source is in the table of each language with a title and a text,
// and a language's text is the one its column writes.
TEST(Idiomas, LasTablasDeMensajesConstruidasDicenCadaMensajeEnSuIdioma) {
  const auto filas = FilasMensajes();
  marco::CBaseDatos bd;
  ASSERT_EQ(bd.Abrir(KORVELIX_DATOS_LOCAL, false, 1, "DBF"), 1);
  std::vector<std::string> faltan;
  for (const char idioma : {'e', 'c', 'g', 'v'}) {
    marco::PonerIdiomaV(std::string(1, idioma));
    for (const auto& f : filas) {
      if (f.size() != 11) continue;
      marco::CDlgMensaje mensaje(nullptr, &bd);
      if (mensaje.BuscarMensaje(f[0]) != 1) {
        faltan.push_back(f[0] + ": no está en la tabla del idioma " + idioma);
        continue;
      }
      const std::size_t col = idioma == 'e' ? 4 : idioma == 'c' ? 6 : idioma == 'g' ? 8 : 10;
      if (mensaje.DameTitulo().empty() || mensaje.DameTexto().empty()) {
        faltan.push_back(f[0] + ": sin título o texto en el idioma " + idioma);
      } else if (!f[col].empty() && plataforma::Cp1252AUtf8(mensaje.DameTexto()).find(f[col].substr(0, 20)) != 0) {
        faltan.push_back(f[0] + ": la tabla del idioma " + idioma + " no dice el texto de su columna");
      }
    }
  }
  marco::PonerIdiomaV("e");
  EXPECT_TRUE(faltan.empty()) << Lista(faltan);
}

// A fixed text the program writes into a declaration (a supplementary sheet's printed title) comes from the message
// table of the interface language; without the table, the Castilian text.
TEST(Idiomas, ElTituloDeLaHojaComplementariaHablaElIdiomaDeLaInterfaz) {
  EXPECT_EQ(marco::TextoDeTabla("HOJACOM", "HOJA COMPLEMENTARIA"), "HOJA COMPLEMENTARIA");  // no database open
  const fs::path red = fs::temp_directory_path() / ("korvelix-idiomas-red-" + std::to_string(::getpid()));
  fs::create_directories(red);
  ASSERT_EQ(marco::AbrirBasesDatos(red.string(), KORVELIX_DATOS_LOCAL), 1);
  for (const auto& [idioma, titulo] : {std::pair{"e", "HOJA COMPLEMENTARIA"}, std::pair{"c", "FULL COMPLEMENTARI"},
                                       std::pair{"g", "FOLLA COMPLEMENTARIA"}, std::pair{"v", "FULL COMPLEMENTARI"}}) {
    marco::PonerIdiomaV(idioma);
    EXPECT_EQ(marco::TextoDeTabla("HOJACOM", "HOJA COMPLEMENTARIA"), titulo) << idioma;
  }
  EXPECT_EQ(marco::TextoDeTabla("NOHAY01", "Por defecto"), "Por defecto");
  marco::PonerIdiomaV("e");
  marco::CerrarBasesDatos();
  std::error_code ec;
  fs::remove_all(red, ec);
}

}  // namespace
