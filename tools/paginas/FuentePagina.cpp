#include "FuentePagina.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <set>
#include <stdexcept>
#include <utility>

#include "platform/Texto.h"

namespace paginas {
namespace {

using plataforma::CRectangulo;

// A fault of a source: its line and what is wrong; turned into the message at the edge of this file.
struct CFallo {
  int linea = 0;
  std::string que;
};

[[noreturn]] void Falla(int linea, std::string que) { throw CFallo{linea, std::move(que)}; }

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

std::string_view SinBlancos(std::string_view t) {
  while (!t.empty() && EsBlanco(t.front())) t.remove_prefix(1);
  while (!t.empty() && EsBlanco(t.back())) t.remove_suffix(1);
  return t;
}

// The first word of `resto` (taken off it).
std::string_view Palabra(std::string_view& resto) {
  resto = SinBlancos(resto);
  std::size_t i = 0;
  while (i < resto.size() && !EsBlanco(resto[i])) ++i;
  const std::string_view p = resto.substr(0, i);
  resto = SinBlancos(resto.substr(i));
  return p;
}

int Entero(std::string_view texto, int linea, const char* que, long minimo, long maximo) {
  long valor = 0;
  const auto r = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (texto.empty() || r.ec != std::errc{} || r.ptr != texto.data() + texto.size()) {
    Falla(linea, std::string(que) + ": \"" + std::string(texto) + "\" no es un número entero");
  }
  if (valor < minimo || valor > maximo) {
    Falla(linea, std::string(que) + " fuera de " + std::to_string(minimo) + ".." + std::to_string(maximo));
  }
  return static_cast<int>(valor);
}

// UTF-8 to Windows-1252; a character the code page lacks is a fault.
std::string A1252(std::string_view utf8, int linea) {
  const std::string t = plataforma::Utf8ACp1252(utf8, '\0');
  if (t.find('\0') != std::string::npos) {
    Falla(linea, "el texto \"" + std::string(utf8) + "\" tiene caracteres que Windows-1252 no tiene");
  }
  return t;
}

void CompruebaLargo(const std::string& t, std::size_t maximo, int linea, const char* que) {
  if (t.size() > maximo) {
    Falla(linea, std::string(que) + " de " + std::to_string(t.size()) + " caracteres (como mucho " +
                     std::to_string(maximo) + ")");
  }
}

int IndiceIdioma(std::string_view letra, int linea) {
  for (int k = 0; k < kNumIdiomas; ++k) {
    if (letra.size() == 1 && letra[0] == kIdiomas[static_cast<std::size_t>(k)]) return k;
  }
  Falla(linea, "idioma \"" + std::string(letra) + "\": se espera e, c, g o v");
}

// "<keyword> <language> <text>": stores the text for that language once.
void TextoIdioma(CTextos& textos, std::string_view resto, int linea, const char* que, std::size_t maximo) {
  const int k = IndiceIdioma(Palabra(resto), linea);
  auto& t = textos[static_cast<std::size_t>(k)];
  if (t) Falla(linea, std::string(que) + " repetido para el idioma " + kIdiomas[static_cast<std::size_t>(k)]);
  t = A1252(resto, linea);
  if (maximo > 0) CompruebaLargo(*t, maximo, linea, que);
}

std::string FicheroDibujoSano(std::string_view nombre, int linea) {
  if (nombre.size() < kMinFicheroDibujo) {
    Falla(linea, "el nombre del dibujo \"" + std::string(nombre) + "\" tiene menos de 8 caracteres (el programa "
                 "cambia su 5.º y su 8.º carácter)");
  }
  if (nombre.size() > kMaxFicheroDibujo) Falla(linea, "el nombre del dibujo tiene más de 60 caracteres");
  for (const char c : nombre) {
    const bool sano = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
                      c == '-' || c == '.';
    if (!sano) Falla(linea, "el nombre del dibujo lleva \"" + std::string(1, c) + "\": solo letras, cifras, _ - .");
  }
  if (nombre[4] == '.' || nombre[7] == '.') {
    Falla(linea, "el 5.º y el 8.º carácter del nombre del dibujo no pueden ser el punto de la extensión");
  }
  return std::string(nombre);
}

void Unico(bool& visto, int linea, const char* que) {
  if (visto) Falla(linea, std::string(que) + " repetido");
  visto = true;
}

class CLector {
 public:
  explicit CLector(CPagina& pagina) : p_(pagina) {}

  void Linea(std::string_view linea, int n) {
    std::string_view resto = SinBlancos(linea);
    if (resto.empty() || resto.front() == '#') return;
    const std::string_view clave = Palabra(resto);
    n_ = n;
    if (clave == "PAGINA") {
      Unico(vistoId_, n, "PAGINA");
      p_.id = Entero(resto, n, "PAGINA", 1, 9999);
    } else if (clave == "NOMBRE") {
      p_.nombre = A1252(resto, n);
    } else if (clave == "TIPODEC") {
      Unico(vistoTipo_, n, "TIPODEC");
      p_.tipoDec = Entero(resto, n, "TIPODEC", 1, 3);
    } else if (clave == "FICHERO") {
      Unico(vistoFichero_, n, "FICHERO");
      p_.ficheroDibujo = FicheroDibujoSano(resto, n);
      p_.lineaFichero = n;
    } else if (clave == "TITULO") {
      TextoIdioma(p_.titulo, resto, n, "TITULO", kMaxTituloPagina);
    } else if (clave == "IMPRESO") {
      TextoIdioma(p_.impreso, resto, n, "IMPRESO", 0);
    } else if (clave == "HOJA") {
      TextoIdioma(p_.hoja, resto, n, "HOJA", 0);
    } else if (clave == "COMO") {
      if (p_.como != 0) Falla(n, "COMO repetido");
      p_.como = Entero(resto, n, "COMO", 1, 9999);
      p_.lineaComo = n;
    } else if (clave == "COLUMNA") {
      const std::string nombre(Palabra(resto));
      if (nombre.empty()) Falla(n, "COLUMNA sin nombre");
      if (p_.columnas.count(nombre) != 0) Falla(n, "COLUMNA " + nombre + " repetida");
      CColumna c;
      c.izquierda = Entero(Palabra(resto), n, "COLUMNA", 0, kAnchoPagina);
      c.derecha = Entero(Palabra(resto), n, "COLUMNA", 0, kAnchoPagina);
      if (!resto.empty()) Falla(n, "COLUMNA lleva de más: " + std::string(resto));
      if (c.derecha <= c.izquierda) Falla(n, "COLUMNA " + nombre + ": la derecha no pasa de la izquierda");
      p_.columnas[nombre] = c;
    } else if (clave == "SECCION" || clave == "NOTA") {
      CElemento e;
      e.tipo = clave == "SECCION" ? CElemento::Tipo::Seccion : CElemento::Tipo::Nota;
      e.linea = n;
      TextoIdioma(e.texto, resto, n, clave == "SECCION" ? "SECCION" : "NOTA", 0);
      // Further languages of the same heading follow on lines of their own.
      Elemento(std::move(e));
    } else if (clave == "FILA") {
      CElemento e;
      e.tipo = CElemento::Tipo::Fila;
      e.linea = n;
      e.alto = resto.empty() ? kAltoFila : Entero(resto, n, "FILA", 10, 200);
      Elemento(std::move(e));
    } else if (clave == "ESPACIO") {
      CElemento e;
      e.tipo = CElemento::Tipo::Espacio;
      e.linea = n;
      e.alto = Entero(resto, n, "ESPACIO", 1, kAltoPagina);
      Elemento(std::move(e));
    } else if (clave == "RAYA") {
      if (!resto.empty()) Falla(n, "RAYA no lleva nada más");
      CElemento e;
      e.tipo = CElemento::Tipo::Raya;
      e.linea = n;
      Elemento(std::move(e));
    } else if (clave == "CASILLA") {
      Casilla(resto);
    } else if (EsAtributo(clave)) {
      Atributo(clave, resto);
    } else {
      Falla(n, "no se conoce \"" + std::string(clave) + "\"");
    }
  }

  void Fin() {
    if (p_.id == 0) Falla(0, "falta PAGINA");
    if (p_.tipoDec == 0) Falla(0, "falta TIPODEC");
    if (p_.ficheroDibujo.empty()) Falla(0, "falta FICHERO");
    if (!p_.titulo[0]) Falla(0, "falta TITULO e (el título en castellano)");
    if (p_.como != 0 && (!p_.columnas.empty() || !p_.elementos.empty() || !p_.casillas.empty())) {
      Falla(p_.lineaComo, "una página COMO otra no lleva columnas, filas ni casillas propias");
    }
  }

 private:
  static bool EsAtributo(std::string_view c) {
    static const std::set<std::string_view> atributos = {
        "MASCARA", "ID",     "AYUDA",  "LECTURA",  "NEGATIVOS",     "PINTAR",     "TABLA",      "VENTANA",
        "INTERNET", "NUMERO", "ANCHO", "ALTO",     "ETIQUETA",      "TITULOVENTANA", "DESCRIPCION"};
    return atributos.count(c) != 0;
  }

  // SECCION and NOTA of the same kind on consecutive lines with another language join the heading before them.
  void Elemento(CElemento e) {
    casilla_ = -1;
    if ((e.tipo == CElemento::Tipo::Seccion || e.tipo == CElemento::Tipo::Nota) && !p_.elementos.empty() &&
        ultimoTexto_) {
      CElemento& antes = p_.elementos.back();
      const int k = PrimerIdioma(e.texto);
      if (antes.tipo == e.tipo && k > 0 && !antes.texto[static_cast<std::size_t>(k)]) {
        antes.texto[static_cast<std::size_t>(k)] = e.texto[static_cast<std::size_t>(k)];
        return;
      }
    }
    if ((e.tipo == CElemento::Tipo::Seccion || e.tipo == CElemento::Tipo::Nota) && !e.texto[0]) {
      Falla(e.linea, "el primer texto de un título o una nota va en castellano (e)");
    }
    ultimoTexto_ = e.tipo == CElemento::Tipo::Seccion || e.tipo == CElemento::Tipo::Nota;
    fila_ = e.tipo == CElemento::Tipo::Fila ? static_cast<int>(p_.elementos.size()) : -1;
    p_.elementos.push_back(std::move(e));
  }

  static int PrimerIdioma(const CTextos& t) {
    for (int k = 0; k < kNumIdiomas; ++k) {
      if (t[static_cast<std::size_t>(k)]) return k;
    }
    return -1;
  }

  void Casilla(std::string_view resto) {
    ultimoTexto_ = false;
    CCasilla c;
    c.linea = n_;
    c.numero = Entero(Palabra(resto), n_, "CASILLA", 1, 9999);
    for (const CCasilla& otra : p_.casillas) {
      if (otra.numero == c.numero) {
        Falla(n_, "la casilla " + std::to_string(c.numero) + " ya está en la línea " + std::to_string(otra.linea));
      }
    }
    const std::string_view donde = Palabra(resto);
    if (donde == "EN") {
      c.libre = true;
      c.rect.left = Entero(Palabra(resto), n_, "EN", 0, kAnchoPagina);
      c.rect.top = Entero(Palabra(resto), n_, "EN", 0, kAltoPagina);
      c.rect.right = Entero(Palabra(resto), n_, "EN", 0, kAnchoPagina);
      c.rect.bottom = Entero(Palabra(resto), n_, "EN", 0, kAltoPagina);
      if (c.rect.right <= c.rect.left || c.rect.bottom <= c.rect.top) Falla(n_, "EN: rectángulo vacío");
    } else {
      if (donde.empty()) Falla(n_, "CASILLA sin columna (o EN izquierda arriba derecha abajo)");
      if (fila_ < 0) Falla(n_, "la casilla " + std::to_string(c.numero) + " va en una columna pero no hay FILA");
      c.columna = std::string(donde);
      p_.elementos[static_cast<std::size_t>(fila_)].casillas.push_back(c.numero);
    }
    if (!resto.empty()) Falla(n_, "CASILLA lleva de más: " + std::string(resto));
    p_.casillas.push_back(std::move(c));
    casilla_ = static_cast<int>(p_.casillas.size()) - 1;
    vistos_.clear();
  }

  void Atributo(std::string_view clave, std::string_view resto) {
    if (casilla_ < 0) Falla(n_, std::string(clave) + " fuera de una casilla");
    CCasilla& c = p_.casillas[static_cast<std::size_t>(casilla_)];
    const bool multilingue = clave == "ETIQUETA" || clave == "TITULOVENTANA" || clave == "DESCRIPCION";
    if (!multilingue && !vistos_.insert(std::string(clave)).second) {
      Falla(n_, std::string(clave) + " repetido en la casilla " + std::to_string(c.numero));
    }
    if (clave == "MASCARA") {
      c.mascara = A1252(resto, n_);
      const std::string fallo = CompruebaMascara(c.mascara);
      if (!fallo.empty()) Falla(n_, "MASCARA \"" + c.mascara + "\": " + fallo);
    } else if (clave == "ID") {
      c.identifica = A1252(resto, n_);
      CompruebaLargo(c.identifica, kMaxIdentifica, n_, "ID");
    } else if (clave == "AYUDA") {
      c.ayuda = Entero(resto, n_, "AYUDA", 0, 99999999);
    } else if (clave == "LECTURA" || clave == "NEGATIVOS") {
      if (!resto.empty()) Falla(n_, std::string(clave) + " no lleva nada más");
      (clave == "LECTURA" ? c.soloLectura : c.admiteNegativos) = true;
    } else if (clave == "PINTAR") {
      c.pintarEn = Entero(resto, n_, "PINTAR", 0, 2);
    } else if (clave == "TABLA") {
      c.ficheroTabla = A1252(resto, n_);
      CompruebaLargo(c.ficheroTabla, kMaxFicheroTabla, n_, "TABLA");
    } else if (clave == "VENTANA") {
      c.nombreVentana = A1252(resto, n_);
      CompruebaLargo(c.nombreVentana, kMaxNombreVentana, n_, "VENTANA");
    } else if (clave == "INTERNET") {
      const std::string_view formato = Palabra(resto);
      const bool sano = formato.size() == 4 && std::isdigit(static_cast<unsigned char>(formato[0])) &&
                        std::isdigit(static_cast<unsigned char>(formato[1])) &&
                        std::isdigit(static_cast<unsigned char>(formato[2])) &&
                        std::isalnum(static_cast<unsigned char>(formato[3]));
      if (!sano) Falla(n_, "INTERNET: el formato son dos cifras de ancho, una de decimales y la clase (\"120N\")");
      c.fmInternet = std::string(formato);
      c.idInternet = Entero(resto, n_, "INTERNET", 0, 999999);
    } else if (clave == "NUMERO") {
      c.numeroImpreso = A1252(resto, n_);
      CompruebaLargo(c.numeroImpreso, 4, n_, "NUMERO");
    } else if (clave == "ANCHO") {
      c.ancho = Entero(resto, n_, "ANCHO", 4, kAnchoPagina);
    } else if (clave == "ALTO") {
      c.alto = Entero(resto, n_, "ALTO", 4, kAltoPagina);
    } else if (clave == "ETIQUETA") {
      TextoIdioma(c.etiqueta, resto, n_, "ETIQUETA", 0);
    } else if (clave == "TITULOVENTANA") {
      TextoIdioma(c.tituloVentana, resto, n_, "TITULOVENTANA", kMaxTituloVentana);
    } else if (clave == "DESCRIPCION") {
      TextoIdioma(c.descripcion, resto, n_, "DESCRIPCION", kMaxDescripcion);
    }
  }

  CPagina& p_;
  int n_ = 0;
  int fila_ = -1;
  int casilla_ = -1;
  bool ultimoTexto_ = false;
  std::set<std::string> vistos_;
  bool vistoId_ = false;
  bool vistoTipo_ = false;
  bool vistoFichero_ = false;
};

std::string Mensaje(const std::string& origen, const CFallo& f) {
  if (f.linea > 0) return origen + ": línea " + std::to_string(f.linea) + ": " + f.que;
  return origen + ": " + f.que;
}

// ---- widths of Arial (Helvetica metrics, thousandths of the character height) for the bytes 32 to 126
constexpr std::array<short, 95> kAnchos = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @ to O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,   // P to _
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,   // ` to o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};       // p to ~

int AnchoByte(unsigned char b) {
  if (b >= 32 && b <= 126) return kAnchos[b - 32];
  if (b >= 0xC0 && b <= 0xDE) return 722;  // capitals with accents, Ñ, Ç
  if (b >= 0xDF) return 556;               // small letters with accents, ñ, ç
  if (b == 0xAA || b == 0xBA) return 370;  // ª º
  return 556;
}

int AnchoDefecto(const CMascara& m) {
  switch (m.letra) {
    case 'F':
    case 'M':
    case 'R':
    case 'C':
    case 'I': {
      const int n = std::max(m.n, 1);
      const int caracteres = n + (n - 1) / 3 + (m.d > 0 ? m.d + 1 : 0) + 1;
      return 10 + caracteres * 7;
    }
    case 'D': return 90;
    case 'B': return 24;
    case 'T': return 100;
    default: return 10 + std::max(m.n, 1) * 8;
  }
}

bool Cortan(const CRectangulo& a, const CRectangulo& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void CopiaDeOtra(CPagina& p, const std::vector<CPagina>& paginas) {
  const auto origen = std::find_if(paginas.begin(), paginas.end(), [&](const CPagina& o) { return o.id == p.como; });
  if (origen == paginas.end()) Falla(p.lineaComo, "COMO " + std::to_string(p.como) + ": no hay esa página");
  if (origen->como != 0) Falla(p.lineaComo, "COMO " + std::to_string(p.como) + ": esa página es COMO otra");
  p.columnas = origen->columnas;
  p.elementos = origen->elementos;
  p.casillas = origen->casillas;
}

void Maqueta(CPagina& p) {
  std::sort(p.casillas.begin(), p.casillas.end(),
            [](const CCasilla& a, const CCasilla& b) { return a.numero < b.numero; });
  for (std::size_t i = 0; i < p.casillas.size(); ++i) {
    const CCasilla& c = p.casillas[i];
    if (c.numero != static_cast<int>(i) + 1) {
      Falla(c.linea, "las casillas van numeradas de 1 en 1: falta la " + std::to_string(i + 1));
    }
    if (c.mascara.empty()) Falla(c.linea, "la casilla " + std::to_string(c.numero) + " no tiene MASCARA");
  }
  // The filing writer looks for Internet fields 1 to n (n: the boxes that carry a number other than 999) and takes
  // the first box of each: a gap or a repeated number would drop a value from the file without a word.
  {
    std::vector<const CCasilla*> porOrden;
    for (const CCasilla& c : p.casillas) {
      if (c.idInternet > 0 && c.idInternet != kInternetNoEscrito) porOrden.push_back(&c);
    }
    std::vector<const CCasilla*> vista(porOrden.size() + 1, nullptr);
    for (const CCasilla* c : porOrden) {
      if (c->idInternet > static_cast<int>(porOrden.size())) {
        Falla(c->linea, "INTERNET " + std::to_string(c->idInternet) + " de la casilla " + std::to_string(c->numero) +
                            ": los campos van numerados de 1 a " + std::to_string(porOrden.size()) + " sin huecos");
      }
      const CCasilla*& antes = vista[static_cast<std::size_t>(c->idInternet)];
      if (antes != nullptr) {
        Falla(c->linea, "INTERNET " + std::to_string(c->idInternet) + " de la casilla " + std::to_string(c->numero) +
                            " ya lo lleva la casilla " + std::to_string(antes->numero));
      }
      antes = c;
    }
  }
  auto casilla = [&](int numero) -> CCasilla& { return p.casillas[static_cast<std::size_t>(numero - 1)]; };

  int y = kInicioFlujo;
  const int anchoTexto = kAnchoPagina - 2 * 30 - 16;
  for (CElemento& e : p.elementos) {
    e.y = y;
    switch (e.tipo) {
      case CElemento::Tipo::Seccion:
        for (int k = 0; k < kNumIdiomas; ++k) {
          if (AnchoTexto(TextoEn(e.texto, k), 13, true) > anchoTexto) {
            Falla(e.linea, std::string("el título de sección no cabe en la línea (idioma ") +
                               kIdiomas[static_cast<std::size_t>(k)] + ")");
          }
        }
        y += 32;
        break;
      case CElemento::Tipo::Nota:
        for (int k = 0; k < kNumIdiomas; ++k) {
          if (AnchoTexto(TextoEn(e.texto, k), 10, false) > anchoTexto) {
            Falla(e.linea, std::string("la nota no cabe en la línea (idioma ") +
                               kIdiomas[static_cast<std::size_t>(k)] + ")");
          }
        }
        y += 18;
        break;
      case CElemento::Tipo::Raya: y += 8; break;
      case CElemento::Tipo::Espacio: y += e.alto; break;
      case CElemento::Tipo::Fila:
        for (const int numero : e.casillas) {
          CCasilla& c = casilla(numero);
          const auto col = p.columnas.find(c.columna);
          if (col == p.columnas.end()) Falla(c.linea, "no hay COLUMNA " + c.columna);
          const int ancho = c.ancho > 0 ? c.ancho : AnchoDefecto(AnalizaMascara(c.mascara));
          const int alto = c.alto > 0 ? c.alto : kAltoCasilla;
          if (alto > e.alto) Falla(c.linea, "la casilla es más alta que su fila");
          c.rect.right = col->second.derecha;
          c.rect.left = c.rect.right - ancho;
          c.rect.top = y + (e.alto - alto) / 2;
          c.rect.bottom = c.rect.top + alto;
          const int numeroAncho = c.numeroImpreso.empty() ? 0 : kAnchoNumero + kHuecoNumero;
          if (c.rect.left - numeroAncho < col->second.izquierda) {
            Falla(c.linea, "la casilla " + std::to_string(c.numero) + " no cabe en la columna " + c.columna);
          }
        }
        y += e.alto;
        break;
    }
    if (y > kFinFlujo) Falla(e.linea, "la página se acaba aquí: las filas pasan del final de la hoja");
  }

  for (const CCasilla& c : p.casillas) {
    if (c.rect.bottom > kAltoPagina || c.rect.right > kAnchoPagina) {
      Falla(c.linea, "la casilla " + std::to_string(c.numero) + " se sale de la página");
    }
    const int conNumero = c.numeroImpreso.empty() ? 0 : kAnchoNumero + kHuecoNumero;
    if (c.rect.left - conNumero < 0) Falla(c.linea, "el número impreso se sale de la página");
  }
  for (std::size_t i = 0; i < p.casillas.size(); ++i) {
    for (std::size_t j = i + 1; j < p.casillas.size(); ++j) {
      if (Cortan(p.casillas[i].rect, p.casillas[j].rect)) {
        Falla(p.casillas[j].linea, "la casilla " + std::to_string(p.casillas[j].numero) + " pisa la casilla " +
                                       std::to_string(p.casillas[i].numero));
      }
    }
  }

  for (CCasilla& c : p.casillas) {
    const CSitioEtiqueta sitio = SitioEtiqueta(p, c);
    for (int k = 0; k < kNumIdiomas; ++k) {
      const std::string& etiqueta = TextoEn(c.etiqueta, k);
      const char letra = kIdiomas[static_cast<std::size_t>(k)];
      if (!etiqueta.empty() && !PartirEtiqueta(etiqueta, sitio.derecha - sitio.izquierda, kAltoEtiqueta,
                                               sitio.lineas)) {
        Falla(c.linea, "la etiqueta de la casilla " + std::to_string(c.numero) + " (idioma " + letra +
                           ") no cabe en su sitio: acórtela o dele más ancho");
      }
      // The status-bar text and the detail window's title are the label unless written apart.
      auto& descripcion = c.descripcion[static_cast<std::size_t>(k)];
      if (!descripcion && c.etiqueta[static_cast<std::size_t>(k)]) {
        if (etiqueta.size() > kMaxDescripcion) {
          Falla(c.linea, std::string("la etiqueta de la casilla ") + std::to_string(c.numero) + " (idioma " +
                             letra + ") pasa de 79 caracteres: escriba DESCRIPCION " + letra);
        }
        descripcion = etiqueta;
      }
      auto& titulo = c.tituloVentana[static_cast<std::size_t>(k)];
      if (!titulo && !c.nombreVentana.empty() && c.etiqueta[static_cast<std::size_t>(k)]) {
        if (etiqueta.size() > kMaxTituloVentana) {
          Falla(c.linea, std::string("la etiqueta de la casilla ") + std::to_string(c.numero) + " (idioma " +
                             letra + ") pasa de 50 caracteres: escriba TITULOVENTANA " + letra);
        }
        titulo = etiqueta;
      }
    }
  }
}

}  // namespace

const std::string& TextoEn(const CTextos& textos, int idioma) {
  static const std::string vacio;
  const auto& t = textos[static_cast<std::size_t>(idioma)];
  if (t) return *t;
  return textos[0] ? *textos[0] : vacio;
}

bool LeePagina(std::string_view utf8, const std::string& origen, CPagina& pagina, std::string& error) {
  pagina = CPagina{};
  pagina.origen = origen;
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
  CLector lector(pagina);
  try {
    int n = 0;
    while (!utf8.empty()) {
      ++n;
      const std::size_t fin = utf8.find('\n');
      std::string_view linea = utf8.substr(0, fin);
      utf8 = fin == std::string_view::npos ? std::string_view{} : utf8.substr(fin + 1);
      if (!linea.empty() && linea.back() == '\r') linea.remove_suffix(1);
      lector.Linea(linea, n);
    }
    lector.Fin();
  } catch (const CFallo& f) {
    error = Mensaje(origen, f);
    return false;
  }
  return true;
}

bool PreparaPaginas(std::vector<CPagina>& paginas, std::string& error) {
  const CPagina* actual = nullptr;
  try {
    std::map<int, const CPagina*> ids;
    std::map<std::string, const CPagina*> dibujos;
    for (const CPagina& p : paginas) {
      actual = &p;
      if (const auto [it, nueva] = ids.emplace(p.id, &p); !nueva) {
        Falla(0, "la página " + std::to_string(p.id) + " ya está en " + it->second->origen);
      }
      // Picture names are compared as the program's file names are, without regard to case.
      const std::string clave = plataforma::Mayusculas1252(p.ficheroDibujo);
      if (const auto [it, nuevo] = dibujos.emplace(clave, &p); !nuevo) {
        Falla(p.lineaFichero, "el dibujo " + p.ficheroDibujo + " ya es de " + it->second->origen);
      }
    }
    for (CPagina& p : paginas) {
      actual = &p;
      if (p.como != 0) CopiaDeOtra(p, paginas);
    }
    for (CPagina& p : paginas) {
      actual = &p;
      Maqueta(p);
    }
    std::sort(paginas.begin(), paginas.end(), [](const CPagina& a, const CPagina& b) { return a.id < b.id; });
  } catch (const CFallo& f) {
    error = Mensaje(actual != nullptr ? actual->origen : std::string("páginas"), f);
    return false;
  }
  return true;
}

std::string NombreDibujo(const std::string& ficheroDibujo, char idioma) {
  std::string nombre = ficheroDibujo;
  if (nombre.size() >= kMinFicheroDibujo) nombre[7] = idioma;
  return nombre;
}

CMascara AnalizaMascara(std::string_view mascara) {
  CMascara m;
  if (mascara.empty()) return m;
  m.letra = mascara[0];
  std::string_view resto = mascara.substr(1);
  if (m.letra == 'R') resto = resto.substr(0, resto.find('-'));
  const std::size_t corte = resto.find_first_of(".*");
  std::from_chars(resto.data(), resto.data() + std::min(corte, resto.size()), m.n);
  const std::size_t estrella = resto.find('*');
  if (estrella != std::string_view::npos && estrella + 1 < resto.size()) m.m = resto[estrella + 1] - '0';
  const std::size_t punto = resto.find('.');
  if (punto != std::string_view::npos) {
    const std::string_view d = resto.substr(punto + 1);
    std::from_chars(d.data(), d.data() + d.size(), m.d);
  }
  return m;
}

std::string CompruebaMascara(std::string_view mascara) {
  if (mascara.empty()) return "vacía";
  if (mascara.size() > kMaxMascara) return "pasa de 15 caracteres";
  const char letra = mascara[0];
  if (letra < 'A' || letra > 'Z') return "la primera letra (el tipo de casilla) va de A a Z";
  std::vector<std::string_view> formas{mascara.substr(1)};
  if (letra == 'R') {
    const std::size_t guion = mascara.find('-');
    if (guion != std::string_view::npos) formas = {mascara.substr(1, guion - 1), mascara.substr(guion + 1)};
  }
  for (const std::string_view forma : formas) {
    std::size_t i = 0;
    while (i < forma.size() && std::isdigit(static_cast<unsigned char>(forma[i]))) ++i;
    if (i == 0) return "tras la letra va el ancho n (cifras)";
    if (i < forma.size() && forma[i] == '*') {
      if (i + 1 >= forma.size() || forma[i + 1] < '1' || forma[i + 1] > '9') {
        return "tras \"*\" va una sola cifra m (1 a 9)";
      }
      i += 2;
    }
    if (i < forma.size() && forma[i] == '.') {
      ++i;
      const std::size_t inicio = i;
      if (i < forma.size() && forma[i] == '-') ++i;
      const std::size_t cifras = i;
      while (i < forma.size() && std::isdigit(static_cast<unsigned char>(forma[i]))) ++i;
      if (i == cifras || (forma[inicio] == '-' && forma.substr(inicio, i - inicio) != "-1")) {
        return "tras \".\" van los decimales d (cifras, o -1)";
      }
    }
    if (i != forma.size()) return "sobra \"" + std::string(forma.substr(i)) + "\"";
  }
  const CMascara m = AnalizaMascara(mascara);
  if ((letra == 'F' || letra == 'M' || letra == 'R' || letra == 'C' || letra == 'I') && m.n > 15) {
    return "un importe de más de 15 cifras no cabe en un double con exactitud";
  }
  return {};
}

int AnchoTexto(std::string_view texto1252, int alto, bool negrita) {
  long milesimas = 0;
  for (const char c : texto1252) milesimas += AnchoByte(static_cast<unsigned char>(c));
  // Room for the wider faces that stand in for Arial where it is not installed.
  milesimas = milesimas * (negrita ? 130 : 118) / 100;
  return static_cast<int>((milesimas * alto + 999) / 1000);
}

std::optional<std::vector<std::string>> PartirEtiqueta(std::string_view texto, int ancho, int alto,
                                                       int maxLineas) {
  std::vector<std::string> lineas;
  texto = SinBlancos(texto);
  while (!texto.empty()) {
    if (static_cast<int>(lineas.size()) == maxLineas) return std::nullopt;
    if (AnchoTexto(texto, alto, false) <= ancho) {
      lineas.emplace_back(texto);
      break;
    }
    // The longest run of whole words that fits.
    std::size_t corte = std::string_view::npos;
    for (std::size_t i = texto.find(' '); i != std::string_view::npos; i = texto.find(' ', i + 1)) {
      if (AnchoTexto(texto.substr(0, i), alto, false) > ancho) break;
      corte = i;
    }
    if (corte == std::string_view::npos) return std::nullopt;
    lineas.emplace_back(SinBlancos(texto.substr(0, corte)));
    texto = SinBlancos(texto.substr(corte));
  }
  return lineas;
}

CSitioEtiqueta SitioEtiqueta(const CPagina& pagina, const CCasilla& casilla) {
  CSitioEtiqueta s;
  const int numero = casilla.numeroImpreso.empty() ? 0 : kAnchoNumero + kHuecoNumero;
  s.derecha = casilla.rect.left - numero - 8;
  if (casilla.libre) {
    s.izquierda = std::max(30, s.derecha - 400);
    s.lineas = 1;
    return s;
  }
  const auto col = pagina.columnas.find(casilla.columna);
  s.izquierda = col != pagina.columnas.end() ? col->second.izquierda : 30;
  int altoFila = kAltoFila;
  for (const CElemento& e : pagina.elementos) {
    if (std::find(e.casillas.begin(), e.casillas.end(), casilla.numero) != e.casillas.end()) altoFila = e.alto;
  }
  s.lineas = altoFila >= 2 * (kAltoEtiqueta + 2) + 2 ? 2 : 1;
  return s;
}

}  // namespace paginas
