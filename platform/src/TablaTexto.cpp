#include "platform/TablaTexto.h"

#include <charconv>
#include <system_error>
#include <utility>

#include "platform/Nombres.h"
#include "platform/Numeros.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace fs = std::filesystem;

namespace plataforma {
namespace {

std::vector<std::string_view> Palabras(std::string_view linea) {
  std::vector<std::string_view> r;
  std::size_t i = 0;
  while (i < linea.size()) {
    while (i < linea.size() && (linea[i] == ' ' || linea[i] == '\t')) ++i;
    const std::size_t inicio = i;
    while (i < linea.size() && linea[i] != ' ' && linea[i] != '\t') ++i;
    if (i > inicio) r.push_back(linea.substr(inicio, i - inicio));
  }
  return r;
}

// UTF-8 text to Windows-1252; false when a character has no byte in the code page or the UTF-8 is broken.
bool A1252(std::string_view utf8, std::string& salida) {
  const std::string b = Utf8ACp1252(utf8);
  if (Cp1252AUtf8(b) != utf8) return false;
  salida += b;
  return true;
}

int Hex(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// One value of a row line: escapes undone, UTF-8 turned into Windows-1252.
bool Valor(std::string_view campo, std::string& salida, std::string& error) {
  std::size_t tramo = 0;
  for (std::size_t i = 0; i < campo.size(); ++i) {
    if (campo[i] != '\\') continue;
    if (!A1252(campo.substr(tramo, i - tramo), salida)) {
      error = "carácter sin equivalente en Windows-1252";
      return false;
    }
    if (i + 1 >= campo.size()) {
      error = "'\\' al final de la línea";
      return false;
    }
    const char c = campo[++i];
    switch (c) {
      case 'n': salida += '\n'; break;
      case 'r': salida += '\r'; break;
      case 't': salida += '\t'; break;
      case 'x': {
        const int a = i + 2 < campo.size() ? Hex(campo[i + 1]) : -1;
        const int b = a >= 0 ? Hex(campo[i + 2]) : -1;
        if (b < 0) {
          error = "\\x necesita dos cifras hexadecimales";
          return false;
        }
        salida += static_cast<char>(a * 16 + b);
        i += 2;
        break;
      }
      default:
        if (static_cast<unsigned char>(c) >= 0x80) {
          error = "escape de un carácter no ASCII";
          return false;
        }
        salida += c;
        break;
    }
    tramo = i + 1;
  }
  if (!A1252(campo.substr(tramo), salida)) {
    error = "carácter sin equivalente en Windows-1252";
    return false;
  }
  return true;
}

std::vector<std::string_view> PartirFila(std::string_view linea) {
  std::vector<std::string_view> r;
  std::size_t inicio = 0;
  for (std::size_t i = 0; i < linea.size(); ++i) {
    if (linea[i] == '\\') {
      ++i;
    } else if (linea[i] == '|') {
      r.push_back(linea.substr(inicio, i - inicio));
      inicio = i + 1;
    }
  }
  r.push_back(linea.substr(inicio));
  return r;
}

bool DeHex(std::string_view texto, std::string& bytes) {
  bytes.clear();
  const auto t = Recorta(texto);
  if (t.size() % 2 != 0) return false;
  for (std::size_t i = 0; i < t.size(); i += 2) {
    const int a = Hex(t[i]);
    const int b = Hex(t[i + 1]);
    if (a < 0 || b < 0) return false;
    bytes += static_cast<char>(a * 16 + b);
  }
  return true;
}

const char kCifras[] = "0123456789abcdef";

// Windows-1252 text of a row value as UTF-8 with the escapes the format needs.
std::string Escapa(std::string_view texto) {
  std::string r;
  for (char ch : texto) {
    const auto b = static_cast<unsigned char>(ch);
    switch (ch) {
      case '\\': r += "\\\\"; continue;
      case '|': r += "\\|"; continue;
      case '\n': r += "\\n"; continue;
      case '\r': r += "\\r"; continue;
      case '\t': r += "\\t"; continue;
      default: break;
    }
    if (b < 0x20 || b == 0x7f || b == 0x81 || b == 0x8d || b == 0x8f || b == 0x90 || b == 0x9d) {
      r += "\\x";
      r += kCifras[b >> 4];
      r += kCifras[b & 15];
    } else {
      r += Cp1252AUtf8(std::string_view(&ch, 1));
    }
  }
  return r;
}

std::string Numero(double v) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

}  // namespace

bool LeeFuenteTabla(std::string_view utf8, CFuenteTabla& fuente, std::string& error) {
  fuente = CFuenteTabla{};
  bool enFilas = false;
  int numero = 0;
  std::size_t p = 0;
  auto falla = [&](const std::string& que) {
    error = "línea " + std::to_string(numero) + ": " + que;
    return false;
  };
  if (utf8.starts_with("\xEF\xBB\xBF")) p = 3;
  while (p < utf8.size()) {
    std::size_t fin = utf8.find('\n', p);
    if (fin == std::string_view::npos) fin = utf8.size();
    std::string_view linea = utf8.substr(p, fin - p);
    p = fin + 1;
    ++numero;
    if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
    if (linea.empty() || linea.front() == '#') continue;
    if (!enFilas) {
      const auto w = Palabras(linea);
      if (w.empty()) continue;
      const std::string clave = MayusculasAscii(w[0]);
      if (clave == "TABLA") {
        if (w.size() != 2) return falla("TABLA lleva un nombre");
        fuente.nombre = std::string(w[1]);
      } else if (clave == "CAMPO") {
        if (w.size() < 3 || w.size() > 5 || w[2].size() != 1) return falla("CAMPO nombre letra [ancho [decimales]]");
        CCampoTabla c;
        c.nombre = std::string(w[1]);
        c.letra = w[2][0];
        if (w.size() > 3) c.ancho = static_cast<int>(LeeEntero(w[3]));
        if (w.size() > 4) c.decimales = static_cast<int>(LeeEntero(w[4]));
        const std::string e = NormalizaCampo(c);
        if (!e.empty()) return falla(e);
        if (IndiceCampo(fuente.campos, c.nombre) >= 0) return falla("campo repetido " + c.nombre);
        fuente.campos.push_back(std::move(c));
      } else if (clave == "ETIQUETA") {
        if (w.size() < 3) return falla("ETIQUETA nombre expresión");
        CEtiquetaTabla e;
        e.nombre = std::string(w[1]);
        const auto resto = Recorta(linea.substr(static_cast<std::size_t>(w[1].data() + w[1].size() - linea.data())));
        if (!A1252(resto, e.expresion)) return falla("carácter sin equivalente en Windows-1252");
        fuente.etiquetas.push_back(std::move(e));
      } else if (clave == "FILAS") {
        if (fuente.campos.empty()) return falla("FILAS antes de ningún CAMPO");
        enFilas = true;
      } else {
        return falla("se esperaba TABLA, CAMPO, ETIQUETA o FILAS");
      }
      continue;
    }
    CFilaFuente fila;
    fila.linea = numero;
    if (linea.front() == '*') {
      fila.borrada = true;
      linea.remove_prefix(1);
    }
    const auto partes = PartirFila(linea);
    if (partes.size() != fuente.campos.size()) {
      return falla(std::to_string(partes.size()) + " valores para " + std::to_string(fuente.campos.size()) +
                   " campos");
    }
    for (std::size_t i = 0; i < partes.size(); ++i) {
      std::string v;
      std::string e;
      if (fuente.campos[i].letra == 'B') {
        if (!DeHex(partes[i], v)) return falla("el campo " + fuente.campos[i].nombre + " lleva cifras hexadecimales");
      } else if (!Valor(partes[i], v, e)) {
        return falla(fuente.campos[i].nombre + ": " + e);
      }
      fila.valores.push_back(std::move(v));
    }
    fuente.filas.push_back(std::move(fila));
  }
  if (fuente.campos.empty()) {
    numero = 0;
    return falla("sin campos");
  }
  return true;
}

std::string EscribeFuenteTabla(const CFuenteTabla& fuente) {
  std::string r;
  if (!fuente.nombre.empty()) r += "TABLA " + fuente.nombre + "\n";
  for (const auto& c : fuente.campos) {
    r += "CAMPO " + c.nombre + " " + c.letra;
    if (c.letra == 'C' || c.letra == 'N' || c.letra == 'F') r += " " + std::to_string(c.ancho);
    if (c.letra == 'N' || c.letra == 'F') r += " " + std::to_string(c.decimales);
    r += "\n";
  }
  for (const auto& e : fuente.etiquetas) r += "ETIQUETA " + e.nombre + " " + Cp1252AUtf8(e.expresion) + "\n";
  r += "FILAS\n";
  for (const auto& f : fuente.filas) {
    std::string linea = f.borrada ? "*" : "";
    for (std::size_t i = 0; i < f.valores.size() && i < fuente.campos.size(); ++i) {
      if (i > 0) linea += "|";
      const std::string& v = f.valores[i];
      if (fuente.campos[i].letra == 'B') {
        for (char ch : v) {
          linea += kCifras[static_cast<unsigned char>(ch) >> 4];
          linea += kCifras[static_cast<unsigned char>(ch) & 15];
        }
      } else {
        linea += Escapa(v);
      }
    }
    // A line must not start like a comment or a deleted row.
    const std::size_t inicio = f.borrada ? 1 : 0;
    if (linea.size() > inicio && (linea[inicio] == '#' || linea[inicio] == '*')) linea.insert(inicio, "\\");
    r += linea + "\n";
  }
  return r;
}

bool CreaTablaDeFuente(const CFuenteTabla& fuente, const fs::path& fichero, std::string& error) {
  const fs::path nuevo = fs::path(fichero.string() + ".nuevo");
  const fs::path lateral = fs::path(nuevo.string() + ".lck");
  std::error_code ec;
  fs::remove(nuevo, ec);
  auto limpia = [&]() {
    fs::remove(nuevo, ec);
    fs::remove(lateral, ec);
  };
  if (!CTablaRegistros::Crear(nuevo, fuente.campos, {}, &error)) return false;
  {
    auto t = CTablaRegistros::Abrir(nuevo, {}, 1, &error);
    if (!t || !t->EmpezarLote()) {
      if (t) error = t->UltimoError();
      t.reset();
      limpia();
      return false;
    }
    for (const auto& f : fuente.filas) {
      bool bien = t->Anadir() == kAnadido;
      for (std::size_t i = 0; bien && i < f.valores.size(); ++i) {
        bien = t->PonerTexto(t->Campos()[i].nombre, f.valores[i]);
      }
      if (bien && f.borrada) bien = t->Borrar();
      if (!bien) {
        error = "línea " + std::to_string(f.linea) + ": " + t->UltimoError();
        t->TerminarLote(false);
        t.reset();
        limpia();
        return false;
      }
      t->DesbloquearRegistro(t->NumeroRegistro());
    }
    if (!t->TerminarLote(true)) {
      error = t->UltimoError();
      t.reset();
      limpia();
      return false;
    }
    for (const auto& e : fuente.etiquetas) {
      if (!t->CrearIndice(e.nombre, e.expresion, e.opcion)) {
        error = "etiqueta " + e.nombre + ": " + t->UltimoError();
        t.reset();
        limpia();
        return false;
      }
    }
  }
  fs::rename(nuevo, fichero, ec);
  std::error_code sinImportancia;
  fs::remove(lateral, sinImportancia);
  if (ec) {
    error = "no se puede escribir " + fichero.string() + ": " + ec.message();
    fs::remove(nuevo, ec);
    return false;
  }
  return true;
}

bool LeeTablaComoFuente(const fs::path& fichero, CFuenteTabla& fuente, std::string& error) {
  auto t = CTablaRegistros::Abrir(fichero, {}, 1, &error);
  if (!t) return false;
  fuente = CFuenteTabla{};
  fuente.nombre = t->Alias();
  fuente.campos = t->Campos();
  fuente.etiquetas = t->Etiquetas();
  t->OcultarBorrados(false);
  t->PonerOrden(0);
  for (bool hay = t->Primero(); hay; hay = t->Saltar(1)) {
    CFilaFuente f;
    f.borrada = (t->EstadoRegistro(t->NumeroRegistro()) & kEstadoBorrado) != 0;
    for (const auto& c : fuente.campos) {
      switch (c.letra) {
        case 'C':
        case 'D': f.valores.emplace_back(RecortaDerecha(t->LeerTexto(c.nombre))); break;
        case 'N': f.valores.push_back(FormateaFijo(t->LeerDouble(c.nombre), c.decimales)); break;
        case 'F': f.valores.push_back(Numero(t->LeerDouble(c.nombre))); break;
        default: f.valores.push_back(t->LeerTexto(c.nombre)); break;
      }
    }
    fuente.filas.push_back(std::move(f));
  }
  return true;
}

}  // namespace plataforma
