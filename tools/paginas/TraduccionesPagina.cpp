#include "TraduccionesPagina.h"

#include <filesystem>
#include <set>

#include "platform/Texto.h"

namespace paginas {
namespace {

// Calls f(texts, line, longest text of its column or 0, keyword) for every text of a page.
template <class P, class F>
void RecorreTextos(P& p, F&& f) {
  f(p.titulo, 0, kMaxTituloPagina, "TITULO");
  f(p.impreso, 0, std::size_t{0}, "IMPRESO");
  f(p.hoja, 0, std::size_t{0}, "HOJA");
  for (auto& e : p.elementos) {
    if (e.tipo == CElemento::Tipo::Seccion) f(e.texto, e.linea, std::size_t{0}, "SECCION");
    if (e.tipo == CElemento::Tipo::Nota) f(e.texto, e.linea, std::size_t{0}, "NOTA");
  }
  for (auto& c : p.casillas) {
    f(c.etiqueta, c.linea, std::size_t{0}, "ETIQUETA");
    f(c.tituloVentana, c.linea, kMaxTituloVentana, "TITULOVENTANA");
    f(c.descripcion, c.linea, kMaxDescripcion, "DESCRIPCION");
  }
}

std::string NombreFuente(const std::string& origen) { return std::filesystem::path(origen).filename().string(); }

// The value of a quoted .po string: "...", with its escapes.
bool CadenaPo(std::string_view t, std::string& valor) {
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  if (t.size() < 2 || t.front() != '"' || t.back() != '"') return false;
  t = t.substr(1, t.size() - 2);
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] != '\\') {
      if (t[i] == '"') return false;
      valor += t[i];
      continue;
    }
    if (++i == t.size()) return false;
    switch (t[i]) {
      case 'n': valor += '\n'; break;
      case 't': valor += '\t'; break;
      case '"': valor += '"'; break;
      case '\\': valor += '\\'; break;
      default: return false;
    }
  }
  return true;
}

std::string_view SinBlancosIzquierda(std::string_view t) {
  while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
  return t;
}

std::string EscapaPo(std::string_view t) {
  std::string r;
  for (const char c : t) {
    if (c == '"' || c == '\\') r += '\\';
    r += c;
  }
  return r;
}

}  // namespace

std::string FicheroCatalogo(char idioma) {
  switch (idioma) {
    case 'c': return "ca.po";
    case 'g': return "gl.po";
    case 'v': return "ca@valencia.po";
    default: return {};
  }
}

bool LeeCatalogo(std::string_view utf8, const std::string& origen, CCatalogo& catalogo, std::string& error) {
  catalogo.clear();
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
  enum class EParte { Nada, Id, Str };
  EParte parte = EParte::Nada;
  std::string id;
  std::string str;
  bool difusa = false;
  bool hay = false;
  int n = 0;
  auto falla = [&](const std::string& que) {
    error = origen + ": línea " + std::to_string(n) + ": " + que;
    return false;
  };
  auto cierra = [&]() -> bool {
    if (hay && !id.empty() && !str.empty() && !difusa) {
      const std::string id1252 = plataforma::Utf8ACp1252(id, '\0');
      const std::string str1252 = plataforma::Utf8ACp1252(str, '\0');
      if (id1252.find('\0') != std::string::npos || str1252.find('\0') != std::string::npos) {
        return falla("\"" + str + "\" tiene caracteres que Windows-1252 no tiene");
      }
      if (!catalogo.emplace(id1252, str1252).second) return falla("\"" + id + "\" está dos veces");
    }
    id.clear();
    str.clear();
    difusa = false;
    hay = false;
    parte = EParte::Nada;
    return true;
  };
  while (true) {
    const bool fin = utf8.empty();
    std::string_view linea;
    if (!fin) {
      ++n;
      const std::size_t salto = utf8.find('\n');
      linea = utf8.substr(0, salto);
      utf8 = salto == std::string_view::npos ? std::string_view{} : utf8.substr(salto + 1);
      if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
      linea = SinBlancosIzquierda(linea);
    }
    if (fin || linea.empty()) {
      if (!cierra()) return false;
      if (fin) break;
      continue;
    }
    if (linea.rfind("#,", 0) == 0) {
      if (parte == EParte::Str && !cierra()) return false;
      if (linea.find("fuzzy") != std::string_view::npos) difusa = true;
      continue;
    }
    if (linea.front() == '#') continue;
    std::string* destino = nullptr;
    std::string_view cadena;
    if (linea.rfind("msgctxt", 0) == 0) {
      return falla("msgctxt no se usa en estos catálogos: escriba el texto propio en la página");
    } else if (linea.rfind("msgid_plural", 0) == 0) {
      return falla("msgid_plural no se usa en estos catálogos");
    } else if (linea.rfind("msgid", 0) == 0) {
      if (parte == EParte::Str && !cierra()) return false;
      if (parte == EParte::Id) return falla("msgid sin msgstr");
      parte = EParte::Id;
      hay = true;
      destino = &id;
      cadena = SinBlancosIzquierda(linea.substr(5));
    } else if (linea.rfind("msgstr", 0) == 0) {
      if (parte != EParte::Id) return falla("msgstr sin msgid");
      parte = EParte::Str;
      destino = &str;
      cadena = SinBlancosIzquierda(linea.substr(6));
    } else if (linea.front() == '"') {
      if (parte == EParte::Nada) return falla("cadena suelta");
      destino = parte == EParte::Id ? &id : &str;
      cadena = linea;
    } else {
      return falla("línea que no se entiende: " + std::string(linea));
    }
    std::string valor;
    if (!CadenaPo(cadena, valor)) return falla("cadena mal escrita: " + std::string(cadena));
    *destino += valor;
  }
  return true;
}

bool AplicaCatalogo(std::vector<CPagina>& paginas, int idioma, const CCatalogo& catalogo, std::string& error) {
  if (idioma <= 0 || idioma >= kNumIdiomas) return true;
  const auto k = static_cast<std::size_t>(idioma);
  for (CPagina& p : paginas) {
    bool bien = true;
    RecorreTextos(p, [&](CTextos& textos, int linea, std::size_t maximo, const char* que) {
      if (!bien || textos[k] || !textos[0]) return;
      const auto it = catalogo.find(*textos[0]);
      if (it == catalogo.end()) return;
      if (maximo > 0 && it->second.size() > maximo) {
        error = p.origen + ": línea " + std::to_string(linea) + ": " + que + " (idioma " + kIdiomas[k] +
                ", del catálogo " + FicheroCatalogo(kIdiomas[k]) + ") de " + std::to_string(it->second.size()) +
                " caracteres (como mucho " + std::to_string(maximo) + "): " + plataforma::Cp1252AUtf8(it->second);
        bien = false;
        return;
      }
      textos[k] = it->second;
    });
    if (!bien) return false;
  }
  return true;
}

std::vector<std::string> TextosSinTraducir(const std::vector<CPagina>& paginas) {
  std::vector<std::string> faltan;
  for (const CPagina& p : paginas) {
    RecorreTextos(p, [&](const CTextos& textos, int linea, std::size_t, const char* que) {
      if (!textos[0]) return;
      std::string letras;
      for (int k = 1; k < kNumIdiomas; ++k) {
        if (!textos[static_cast<std::size_t>(k)]) {
          letras += letras.empty() ? "" : " ";
          letras += kIdiomas[static_cast<std::size_t>(k)];
        }
      }
      if (letras.empty()) return;
      const std::string donde = linea > 0 ? ": línea " + std::to_string(linea) : std::string();
      faltan.push_back(NombreFuente(p.origen) + donde + ": " + que + ": falta " + letras + ": " +
                       plataforma::Cp1252AUtf8(*textos[0]));
    });
  }
  return faltan;
}

std::string PlantillaTextos(const std::vector<CPagina>& paginas) {
  std::string r =
      "# Castilian texts of the page sources (data/paginas); made by `paginas textos`.\n"
      "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\"Content-Transfer-Encoding: 8bit\\n\"\n";
  std::set<std::string> vistos;
  for (const CPagina& p : paginas) {
    RecorreTextos(p, [&](const CTextos& textos, int linea, std::size_t, const char*) {
      if (!textos[0] || textos[0]->empty() || !vistos.insert(*textos[0]).second) return;
      r += "\n#: " + NombreFuente(p.origen) + (linea > 0 ? ":" + std::to_string(linea) : std::string()) + "\nmsgid \"" +
           EscapaPo(plataforma::Cp1252AUtf8(*textos[0])) + "\"\nmsgstr \"\"\n";
    });
  }
  return r;
}

}  // namespace paginas
