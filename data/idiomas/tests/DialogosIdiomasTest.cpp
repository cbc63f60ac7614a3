// The fixed texts the dialog layouts write in the code (captions, labels, buttons, frames, options) are in the
// window catalogs of the three other languages. The layouts are read from the sources: every literal text given to
// a layout's Estatico, Boton, Casilla, Opcion, Marco or Titulo, or as a layout's caption; every literal given to
// the catalog lookups (the pieces of the texts assembled at run time: progress lines, questions, printed page
// numbers); a grid's headings and the heading and title constants. A failure lists exactly the
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
#include "framework/DlgMensajeReglas.h"
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

// The code without its comment lines (a comment may show a layout as an example).
std::string SinComentarios(const std::string& codigo) {
  std::string r;
  std::size_t desde = 0;
  while (desde < codigo.size()) {
    std::size_t fin = codigo.find('\n', desde);
    if (fin == std::string::npos) fin = codigo.size();
    const std::size_t texto = codigo.find_first_not_of(" \t", desde);
    if (texto >= fin || codigo.compare(texto, 2, "//") != 0) r.append(codigo, desde, fin - desde);
    r += '\n';
    desde = fin + 1;
  }
  return r;
}

// Most sources write their texts in Windows-1252 escapes; the windows' own code writes some in UTF-8. A text that
// reads as UTF-8 with a character beyond ASCII is such a one.
std::string En1252(const std::string& texto) {
  const bool alto = std::any_of(texto.begin(), texto.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (!alto) return texto;
  std::size_t i = 0;
  while (i < texto.size()) {
    const auto c = static_cast<unsigned char>(texto[i]);
    const std::size_t largo = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
    if (largo == 0 || i + largo > texto.size()) return texto;
    for (std::size_t k = 1; k < largo; ++k) {
      if ((static_cast<unsigned char>(texto[i + k]) & 0xC0) != 0x80) return texto;
    }
    i += largo;
  }
  return plataforma::Utf8ACp1252(texto);
}

// The three window catalogs: Catalan, Galician, Valencian.
void LeerCatalogosVentanas(std::array<paginas::CCatalogo, 3>& catalogos) {
  const std::array<const char*, 3> ficheros = {"ca.po", "gl.po", "ca@valencia.po"};
  for (std::size_t k = 0; k < catalogos.size(); ++k) {
    std::string error;
    const fs::path ruta = fs::path(KORVELIX_FUENTES_CATALOGOS) / ficheros[k];
    ASSERT_TRUE(paginas::LeeCatalogo(Leer(ruta), ruta.string(), catalogos[k], error)) << error;
  }
}

TEST(Idiomas, LosTextosDeLosDialogosEstanEnLosCatalogosDeVentanas) {
  std::array<paginas::CCatalogo, 3> catalogos;
  ASSERT_NO_FATAL_FAILURE(LeerCatalogosVentanas(catalogos));
  const std::array<const char*, 3> letras = {"c", "g", "v"};
  const std::string literal = R"re(((?:"(?:[^"\\\n]|\\.)*"\s*)+))re";
  const std::vector<std::regex> usos = {
      std::regex(R"re(\.(?:Estatico|Boton|Casilla|Opcion)\(\s*[^,()"]+,\s*)re" + literal),
      std::regex(R"re(\.(?:Marco|Titulo|Aceptar|Cancelar|Ayuda)\(\s*(?:\{[^{}]*\},\s*)?)re" + literal),
      std::regex(R"re(CPlantillaDialogo\s+\w+\(\s*[^,()"]+,\s*[^,()"]+,\s*)re" + literal),
      // Texts given to the catalog lookups themselves (the pieces of texts assembled at run time too).
      std::regex(R"re(\b(?:TextoFijo1252|TextoFijoWx|AWx|Fijo|Traduce)\(\s*)re" + literal),
      // A grid's headings, and the fixed texts kept as named constants: headings, titles, captions.
      std::regex(R"re(PonTextoCelda\(\s*0\s*,\s*\d+\s*,\s*)re" + literal),
      std::regex(R"re(constexpr\s+std::string_view\s+k(?:Cabecera|Titulo)\w*\s*=\s*)re" + literal),
      // Tables of labels by control id ({id, "text"}) and the captions given to the layout helpers.
      std::regex(R"re(\{\s*[\w:]+\s*,\s*)re" + literal + R"re([,}])re"),
      std::regex(R"re(\b(?:Plantilla|PlantillaLineasTitulares)\(\s*)re" + literal),
      // The unit names of the module dialogs, chosen by kind of module.
      std::regex(R"re((?:\bunidades\(|m_strEtiqueta\d\s*=\s*))re" + literal),
  };
  // Statements any of whose literals is a fixed text: a layout's caption chosen among several.
  const std::vector<std::regex> sentencias = {
      std::regex(R"re(CPlantillaDialogo\s+\w+\(([^;]*)\);)re"),
      std::regex(R"re(\bcaption\s*=([^;]*);)re"),
  };
  const std::regex unLiteral(literal);
  std::vector<fs::path> fuentes;
  for (const char* carpeta : {"dialogs/src", "framework/src", "output/src", "activities/src", "shell/src",
                              "income/src", "wealth/src", "dialogs/include/dialogs", "framework/include/framework",
                              "output/include/output", "activities/include/activities", "shell/include/shell"}) {
    const fs::path dir = fs::path(KORVELIX_FUENTES) / carpeta;
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) continue;
    for (const auto& e : fs::recursive_directory_iterator(dir)) {
      if (e.path().extension() == ".cpp" || e.path().extension() == ".h") fuentes.push_back(e.path());
    }
  }
  std::sort(fuentes.begin(), fuentes.end());
  ASSERT_GT(fuentes.size(), 20u);
  std::vector<std::string> faltan;
  std::set<std::string> vistos;
  std::size_t textos = 0;
  for (const fs::path& fuente : fuentes) {
    const std::string codigo = SinComentarios(Leer(fuente));
    std::vector<std::string> encontrados;
    for (const std::regex& uso : usos) {
      for (auto it = std::sregex_iterator(codigo.begin(), codigo.end(), uso); it != std::sregex_iterator(); ++it) {
        encontrados.push_back(En1252(Literales((*it)[1].str())));
      }
    }
    for (const std::regex& sentencia : sentencias) {
      for (auto it = std::sregex_iterator(codigo.begin(), codigo.end(), sentencia); it != std::sregex_iterator();
           ++it) {
        const std::string cuerpo = (*it)[1].str();
        for (auto l = std::sregex_iterator(cuerpo.begin(), cuerpo.end(), unLiteral); l != std::sregex_iterator();
             ++l) {
          encontrados.push_back(En1252(Literales((*l)[1].str())));
        }
      }
    }
    for (std::string texto : encontrados) {
      // A menu entry is looked up without its shortcut ("&Guardar\tCtrl+G" as "&Guardar").
      texto = texto.substr(0, texto.find('\t'));
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
  EXPECT_GT(textos, 30u);
  EXPECT_TRUE(faltan.empty()) << faltan.size() << " textos de diálogos sin traducir:\n" << Lista(faltan);
}

// The tool tips the pages and windows give their own buttons in the code are window texts too: each goes through
// the catalog lookup (TextoFijoWx), and each literal text of it has its entry in the three catalogs. A failure
// lists the calls that give a tool tip as written and the texts without a translation.
TEST(Idiomas, LasAyudasDeLosBotonesPasanPorLosCatalogos) {
  std::array<paginas::CCatalogo, 3> catalogos;
  ASSERT_NO_FATAL_FAILURE(LeerCatalogosVentanas(catalogos));
  const std::array<const char*, 3> letras = {"c", "g", "v"};
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
  // The arguments of a call or of a braced list, split at the commas outside parentheses, braces and literals.
  const auto argumentos = [](const std::string& codigo, std::size_t inicio) {
    std::vector<std::string> lista(1);
    int nivel = 0;
    bool enLiteral = false;
    for (std::size_t i = inicio; i < codigo.size(); ++i) {
      const char c = codigo[i];
      if (enLiteral) {
        lista.back() += c;
        if (c == '\\' && i + 1 < codigo.size()) {
          lista.back() += codigo[++i];
        } else if (c == '"') {
          enLiteral = false;
        }
        continue;
      }
      if (c == '"') enLiteral = true;
      if (c == '(' || c == '{') ++nivel;
      if ((c == ')' || c == '}') && nivel-- == 0) break;
      if (c == ',' && nivel == 0) {
        lista.emplace_back();
        continue;
      }
      lista.back() += c;
    }
    return lista;
  };
  const std::regex traducido(R"re(^\s*(?:marco::)?TextoFijoWx\()re");
  const std::regex literal(R"re("(?:[^"\\\n]|\\.)*")re");
  std::vector<std::string> faltan;
  std::size_t textos = 0;
  // Each literal of a tool tip (both texts of a choice) is a catalog entry.
  const auto comprobar = [&](const std::string& argumento, const std::string& donde) {
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
  };
  for (const fs::path& fuente : fuentes) {
    const std::string codigo = Leer(fuente);
    // A tool tip set directly: through the lookup.
    const std::string llamada = "SetToolTip(";
    for (std::size_t p = codigo.find(llamada); p != std::string::npos; p = codigo.find(llamada, p + 1)) {
      const std::vector<std::string> args = argumentos(codigo, p + llamada.size());
      const std::string& argumento = args.front();
      if (argumento.find('"') == std::string::npos) continue;  // a text the code takes from elsewhere
      const std::string donde = fuente.filename().string() + ": " + argumento;
      if (!std::regex_search(argumento, traducido)) {
        faltan.push_back(donde + ": sin catálogo");
        continue;
      }
      comprobar(argumento, donde);
    }
    // The page buttons' maker looks its third argument up itself, and so do the row buttons a group page lists.
    const std::string boton = "CrearBotonPagina(";
    for (std::size_t p = codigo.find(boton); p != std::string::npos; p = codigo.find(boton, p + 1)) {
      const std::vector<std::string> args = argumentos(codigo, p + boton.size());
      if (args.size() >= 3) comprobar(args[2], fuente.filename().string() + ": " + args[2]);
    }
    const std::string fila = "BotonesFila() const {";
    for (std::size_t p = codigo.find(fila); p != std::string::npos; p = codigo.find(fila, p + 1)) {
      const std::size_t lista = codigo.find("return {", p);
      if (lista == std::string::npos) continue;
      const std::vector<std::string> args = argumentos(codigo, lista + 8);
      if (args.size() >= 4) comprobar(args[3], fuente.filename().string() + ": " + args[3]);
    }
  }
  // Next and previous of the group pages, the activities' information and the kind of asset element.
  EXPECT_GE(textos, 4u);
  EXPECT_TRUE(faltan.empty()) << faltan.size() << " ayudas de botones sin traducir:\n" << Lista(faltan);
}


// The buttons of the message window carry a mnemonic in every language ("Con&tinuar", "C&orregir"), and the five
// that can be shown together never share one: their letter presses them from the keyboard.
TEST(Idiomas, LosBotonesDeLosMensajesTienenSuLetraEnCadaIdioma) {
  std::array<paginas::CCatalogo, 3> catalogos;
  ASSERT_NO_FATAL_FAILURE(LeerCatalogosVentanas(catalogos));
  const auto letra = [](const std::string& rotulo) {
    for (std::size_t i = 0; i + 1 < rotulo.size(); ++i) {
      if (rotulo[i] != '&') continue;
      if (rotulo[i + 1] != '&') return static_cast<char>(std::tolower(static_cast<unsigned char>(rotulo[i + 1])));
      ++i;
    }
    return '\0';
  };
  const auto& tabla = marco::TablaBotonesMensaje();
  // Castilian, as written, then the three catalogs.
  for (std::size_t k = 0; k <= catalogos.size(); ++k) {
    std::set<char> usadas;
    for (std::size_t i = 0; i < tabla.size(); ++i) {
      const std::string original(tabla[i].rotulo);
      std::string rotulo = original;
      if (k > 0) {
        const auto it = catalogos[k - 1].find(original);
        ASSERT_NE(it, catalogos[k - 1].end()) << "catalog " << k << ": " << original;
        rotulo = it->second;
      }
      SCOPED_TRACE(rotulo);
      const char c = letra(rotulo);
      EXPECT_NE(c, '\0') << "no mnemonic";
      if (i < marco::kBotonesColocables) {
        EXPECT_TRUE(usadas.insert(c).second) << "mnemonic shared";
      }
    }
  }
  EXPECT_EQ(tabla[2].rotulo, "Con&tinuar");
  EXPECT_EQ(tabla[3].rotulo, "C&orregir");
}

}  // namespace
