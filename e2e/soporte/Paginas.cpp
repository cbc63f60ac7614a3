#include "Paginas.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string_view>

namespace e2e {

namespace {

struct SFuente {
  int pagina = 0;
  int como = 0;
  int tipodec = 0;
  std::string nombre;
  std::vector<SCasillaPagina> casillas;
};

// The rest of the line after the keyword and the language letter `e` ("ETIQUETA e Saldo de 1995").
std::string TextoCastellano(std::istringstream& palabras) {
  std::string letra;
  if (!(palabras >> letra) || letra != "e") return {};
  std::string resto;
  std::getline(palabras, resto);
  const std::size_t inicio = resto.find_first_not_of(" \t");
  if (inicio == std::string::npos) return {};
  resto.erase(0, inicio);
  while (!resto.empty() && (resto.back() == ' ' || resto.back() == '\r' || resto.back() == '\t')) resto.pop_back();
  return resto;
}

SFuente LeerFuente(const std::filesystem::path& ruta) {
  SFuente f;
  std::ifstream in(ruta);
  std::string linea;
  SCasillaPagina* actual = nullptr;
  while (std::getline(in, linea)) {
    std::istringstream palabras(linea);
    std::string clave;
    if (!(palabras >> clave) || clave.front() == '#') continue;
    const bool sangrada = !linea.empty() && (linea.front() == ' ' || linea.front() == '\t');
    if (!sangrada) actual = nullptr;
    if (clave == "PAGINA") {
      palabras >> f.pagina;
    } else if (clave == "NOMBRE") {
      palabras >> f.nombre;
    } else if (clave == "TIPODEC") {
      palabras >> f.tipodec;
    } else if (clave == "COMO") {
      palabras >> f.como;
    } else if (clave == "CASILLA") {
      SCasillaPagina c;
      palabras >> c.numero;
      f.casillas.push_back(c);
      actual = &f.casillas.back();
    } else if (actual != nullptr) {
      if (clave == "ID") palabras >> actual->id;
      if (clave == "LECTURA") actual->lectura = true;
      if (clave == "MASCARA") palabras >> actual->mascara;
      if (clave == "TABLA") palabras >> actual->tabla;
      if (clave == "NUMERO") palabras >> actual->impreso;
      if (clave == "ETIQUETA") {
        const std::string texto = TextoCastellano(palabras);
        if (!texto.empty()) actual->etiqueta = texto;
      }
      if (clave == "DESCRIPCION" && actual->etiqueta.empty()) actual->etiqueta = TextoCastellano(palabras);
      if (clave == "VENTANA") palabras >> actual->ventana;
      if (clave == "INTERNET") palabras >> actual->internet >> actual->ordenInternet;
      if (clave == "PINTAR") {
        int donde = 0;
        palabras >> donde;
        actual->enPantalla = donde != 2;
      }
    }
  }
  return f;
}

std::optional<SFuente> BuscarFuente(const std::filesystem::path& carpeta, int pagina) {
  std::error_code e;
  for (const auto& entrada : std::filesystem::directory_iterator(carpeta, e)) {
    if (entrada.path().extension() != ".txt") continue;
    SFuente f = LeerFuente(entrada.path());
    if (f.pagina == pagina) return f;
  }
  return std::nullopt;
}

}  // namespace

std::optional<CPaginaFuente> CPaginaFuente::Leer(const std::filesystem::path& carpeta, int pagina) {
  std::optional<SFuente> f = BuscarFuente(carpeta, pagina);
  // A twin page takes its boxes from the page it is written like.
  for (int vueltas = 0; f && f->como != 0 && vueltas < 4; ++vueltas) f = BuscarFuente(carpeta, f->como);
  if (!f) return std::nullopt;
  CPaginaFuente p;
  p.m_casillas = std::move(f->casillas);
  std::sort(p.m_casillas.begin(), p.m_casillas.end(),
            [](const SCasillaPagina& a, const SCasillaPagina& b) { return a.numero < b.numero; });
  return p;
}

std::vector<SPaginaFuente> CPaginaFuente::Listar(const std::filesystem::path& carpeta) {
  std::vector<SPaginaFuente> paginas;
  std::error_code e;
  for (const auto& entrada : std::filesystem::directory_iterator(carpeta, e)) {
    if (entrada.path().extension() != ".txt") continue;
    const SFuente f = LeerFuente(entrada.path());
    if (f.pagina != 0) paginas.push_back({f.pagina, f.nombre, f.tipodec, f.como});
  }
  std::sort(paginas.begin(), paginas.end(),
            [](const SPaginaFuente& a, const SPaginaFuente& b) { return a.pagina < b.pagina; });
  return paginas;
}

int CPaginaFuente::PrimeraEditable() const {
  for (const auto& c : m_casillas) {
    if (Editable(c)) return c.numero;
  }
  return 0;
}

std::optional<int> CPaginaFuente::Tabulaciones(int desde, int hasta) const {
  const auto destino = std::find_if(m_casillas.begin(), m_casillas.end(),
                                    [&](const SCasillaPagina& c) { return c.numero == hasta; });
  if (destino == m_casillas.end() || !Editable(*destino)) return std::nullopt;
  const auto origen = std::find_if(m_casillas.begin(), m_casillas.end(),
                                   [&](const SCasillaPagina& c) { return c.numero == desde; });
  if (origen == m_casillas.end()) return std::nullopt;
  // Forward from the box left, wrapping at the end of the array.
  int pasos = 0;
  const std::size_t n = m_casillas.size();
  std::size_t i = static_cast<std::size_t>(origen - m_casillas.begin());
  for (std::size_t vuelta = 0; vuelta < n; ++vuelta) {
    if (m_casillas[i].numero == hasta) return pasos;
    i = (i + 1) % n;
    if (Editable(m_casillas[i])) ++pasos;
  }
  return std::nullopt;
}

std::optional<SCampoInternet> CPaginaFuente::CampoInternet(int numero) const {
  const auto ancho = [](const std::string& formato) -> std::size_t {
    if (formato.size() != 4) return 0;
    const bool numerico = std::string_view("19GMNZ").find(formato[3]) != std::string_view::npos;
    return static_cast<std::size_t>((formato[0] - '0') * 10 + (formato[1] - '0') + (numerico ? formato[2] - '0' : 0));
  };
  const auto archivado = [](const SCasillaPagina& c) { return c.ordenInternet > 0 && c.ordenInternet != 999; };
  const auto caja = std::find_if(m_casillas.begin(), m_casillas.end(),
                                 [&](const SCasillaPagina& c) { return c.numero == numero; });
  if (caja == m_casillas.end() || !archivado(*caja)) return std::nullopt;
  SCampoInternet r;
  r.inicio = 6;
  for (const SCasillaPagina& c : m_casillas) {
    if (archivado(c) && c.ordenInternet < caja->ordenInternet) r.inicio += ancho(c.internet);
  }
  r.ancho = ancho(caja->internet);
  return r;
}

int CPaginaFuente::NumeroDe(const std::string& id) const {
  for (const auto& c : m_casillas) {
    if (c.id == id) return c.numero;
  }
  return 0;
}

}  // namespace e2e
