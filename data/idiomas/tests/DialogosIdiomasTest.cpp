// The fixed texts the dialog layouts write in the code (captions, labels, buttons, frames, options) are in the
// window catalogs of the three other languages. The layouts are read from the sources: every literal text given to
// a layout's Estatico, Boton, Casilla, Opcion, Marco or Titulo, or as a layout's caption. A failure lists exactly the
// texts without a translation, by source; add them to data/idiomas/<language>.po. (Texts a layout takes from a
// variable are not seen here; msgfmt's count and the window tests cover the catalogs themselves.)
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "ComunIdiomas.h"
#include "TraduccionesPagina.h"
#include "platform/Texto.h"

namespace {

using idiomas::Leer;
using idiomas::Lista;
namespace fs = std::filesystem;

// The Windows-1252 bytes of one or more adjacent C string literals ("a" "b"), their escapes resolved.
std::string Literales(const std::string& codigo) {
  std::string r;
  bool dentro = false;
  for (std::size_t i = 0; i < codigo.size(); ++i) {
    const char c = codigo[i];
    if (!dentro) {
      if (c == '"') dentro = true;
      continue;
    }
    if (c == '"') {
      dentro = false;
    } else if (c == '\\' && i + 1 < codigo.size()) {
      const char e = codigo[++i];
      if (e == 'x') {
        std::size_t n = 0;
        int valor = 0;
        while (n < 2 && i + 1 < codigo.size() && std::isxdigit(static_cast<unsigned char>(codigo[i + 1])) != 0) {
          valor = valor * 16 + std::stoi(std::string(1, codigo[++i]), nullptr, 16);
          ++n;
        }
        r += static_cast<char>(valor);
      } else {
        r += e == 'n' ? '\n' : e == 't' ? '\t' : e;
      }
    } else {
      r += c;
    }
  }
  return r;
}

TEST(Idiomas, LosTextosDeLosDialogosEstanEnLosCatalogosDeVentanas) {
  std::array<paginas::CCatalogo, 3> catalogos;
  const std::array<const char*, 3> letras = {"c", "g", "v"};
  const std::array<const char*, 3> ficheros = {"ca.po", "gl.po", "ca@valencia.po"};
  for (std::size_t k = 0; k < catalogos.size(); ++k) {
    std::string error;
    const fs::path ruta = fs::path(KORVELIX_FUENTES_CATALOGOS) / ficheros[k];
    ASSERT_TRUE(paginas::LeeCatalogo(Leer(ruta), ruta.string(), catalogos[k], error)) << error;
  }
  const std::string literal = R"re(((?:"(?:[^"\\\n]|\\.)*"\s*)+))re";
  const std::vector<std::regex> usos = {
      std::regex(R"re(\.(?:Estatico|Boton|Casilla|Opcion)\(\s*[^,()"]+,\s*)re" + literal),
      std::regex(R"re(\.(?:Marco|Titulo|Aceptar|Cancelar|Ayuda)\(\s*(?:\{[^{}]*\},\s*)?)re" + literal),
      std::regex(R"re(CPlantillaDialogo\s+\w+\(\s*[^,()"]+,\s*[^,()"]+,\s*)re" + literal),
  };
  std::vector<fs::path> fuentes;
  for (const char* carpeta : {"dialogs/src", "framework/src", "output/src", "activities/src"}) {
    const fs::path dir = fs::path(KORVELIX_FUENTES) / carpeta;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) continue;
    for (const auto& e : fs::directory_iterator(dir)) {
      if (e.path().extension() == ".cpp") fuentes.push_back(e.path());
    }
  }
  std::sort(fuentes.begin(), fuentes.end());
  ASSERT_GT(fuentes.size(), 20u);
  std::vector<std::string> faltan;
  std::set<std::string> vistos;
  std::size_t textos = 0;
  for (const fs::path& fuente : fuentes) {
    const std::string codigo = Leer(fuente);
    for (const std::regex& uso : usos) {
      for (auto it = std::sregex_iterator(codigo.begin(), codigo.end(), uso); it != std::sregex_iterator(); ++it) {
        const std::string texto = Literales((*it)[1].str());
        if (texto.empty() || !vistos.insert(texto).second) continue;
        // Years, dots and other texts without a letter read the same in every language.
        if (std::none_of(texto.begin(), texto.end(), [](char c) {
              const auto u = static_cast<unsigned char>(c);
              return std::isalpha(u) != 0 || u >= 0xC0;
            })) {
          continue;
        }
        ++textos;
        std::string sin;
        for (std::size_t k = 0; k < catalogos.size(); ++k) {
          if (catalogos[k].count(texto) == 0) sin += std::string(" ") + letras[k];
        }
        if (!sin.empty()) {
          faltan.push_back(fuente.filename().string() + ": falta" + sin + ": \"" + plataforma::Cp1252AUtf8(texto) + "\"");
        }
      }
    }
  }
  EXPECT_GT(textos, 30u);
  EXPECT_TRUE(faltan.empty()) << faltan.size() << " textos de diálogos sin traducir:\n" << Lista(faltan);
}

// The tool tips the pages and windows give their own buttons in the code are window texts too: each goes through
// the catalog lookup (TextoFijoWx), and each literal text of it has its entry in the three catalogs. A failure
// lists the calls that give a tool tip as written and the texts without a translation.
TEST(Idiomas, LasAyudasDeLosBotonesPasanPorLosCatalogos) {
  std::array<paginas::CCatalogo, 3> catalogos;
  const std::array<const char*, 3> letras = {"c", "g", "v"};
  const std::array<const char*, 3> ficheros = {"ca.po", "gl.po", "ca@valencia.po"};
  for (std::size_t k = 0; k < catalogos.size(); ++k) {
    std::string error;
    const fs::path ruta = fs::path(KORVELIX_FUENTES_CATALOGOS) / ficheros[k];
    ASSERT_TRUE(paginas::LeeCatalogo(Leer(ruta), ruta.string(), catalogos[k], error)) << error;
  }
  std::vector<fs::path> fuentes;
  for (const char* carpeta : {"income/src", "income/d100/src", "wealth/src", "activities/src", "dialogs/src",
                              "output/src", "shell/src", "framework/src"}) {
    const fs::path dir = fs::path(KORVELIX_FUENTES) / carpeta;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) continue;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
      if (e.path().extension() == ".cpp") fuentes.push_back(e.path());
    }
  }
  std::sort(fuentes.begin(), fuentes.end());
  ASSERT_GT(fuentes.size(), 20u);
  const std::string llamada = "SetToolTip(";
  const std::regex traducido(R"re(^\s*(?:marco::)?TextoFijoWx\()re");
  std::vector<std::string> faltan;
  std::size_t textos = 0;
  for (const fs::path& fuente : fuentes) {
    const std::string codigo = Leer(fuente);
    for (std::size_t p = codigo.find(llamada); p != std::string::npos; p = codigo.find(llamada, p + 1)) {
      // The argument: up to the parenthesis that closes the call (the literals here hold no parentheses).
      const std::size_t inicio = p + llamada.size();
      std::size_t fin = inicio;
      for (int nivel = 1; fin < codigo.size() && nivel > 0; ++fin) {
        nivel += codigo[fin] == '(' ? 1 : codigo[fin] == ')' ? -1 : 0;
      }
      const std::string argumento = codigo.substr(inicio, fin - inicio - 1);
      if (argumento.find('"') == std::string::npos) continue;  // a text the code takes from elsewhere
      const std::string donde = fuente.filename().string() + ": " + argumento;
      if (!std::regex_search(argumento, traducido)) {
        faltan.push_back(donde + ": sin catálogo");
        continue;
      }
      // Each literal of the argument (both texts of a choice) is a catalog entry.
      const std::regex literal(R"re("(?:[^"\\\n]|\\.)*")re");
      for (auto it = std::sregex_iterator(argumento.begin(), argumento.end(), literal); it != std::sregex_iterator();
           ++it) {
        const std::string texto = Literales(it->str());
        ++textos;
        std::string sin;
        for (std::size_t k = 0; k < catalogos.size(); ++k) {
          if (catalogos[k].count(texto) == 0) sin += std::string(" ") + letras[k];
        }
        if (!sin.empty()) faltan.push_back(donde + ": falta" + sin + ": \"" + plataforma::Cp1252AUtf8(texto) + "\"");
      }
    }
  }
  // Next and previous of the group pages, the activities' information and the kind of asset element.
  EXPECT_GE(textos, 4u);
  EXPECT_TRUE(faltan.empty()) << faltan.size() << " ayudas de botones sin traducir:\n" << Lista(faltan);
}

}  // namespace
