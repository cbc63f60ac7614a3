// Draws one button picture from its text source into a PNG file, at build time.
//
//   dibujar_botones <source.txt> <picture.png>
//
// The source is one command a line (a line whose first word starts with "#" is a comment); coordinates are pixels, y growing downwards, angles in
// degrees clockwise from the right:
//
//   lienzo W H                           size of the picture (first command)
//   estados                              a strip of four pictures for a mapped-bitmap button: plain, pressed
//                                        (moved one pixel right and down), focused (dotted frame) and disabled
//                                        (embossed in the button greys); drawn without antialiasing so that
//                                        the greys stay exact
//   fondo #rrggbb                        fills the picture (otherwise it is transparent)
//   rect #rrggbb x y w h                 a filled rectangle
//   marco #rrggbb grosor x y w h         the outline of a rectangle
//   poligono #rrggbb x,y x,y ...         a filled polygon
//   trazo #rrggbb grosor x,y x,y ...     a line through the points, round ends
//   circulo #rrggbb cx cy r              a filled disc
//   aro #rrggbb grosor cx cy r           a circle
//   arco #rrggbb grosor cx cy r a1 a2    an arc from angle a1 to a2
//
// The same source always gives the same file. Any fault in the source is reported with its line and no file is
// written.
#include <cairo.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct SColor {
  double r = 0, g = 0, b = 0;
};

struct CError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::vector<std::string> Palabras(const std::string& linea) {
  std::vector<std::string> palabras;
  std::string actual;
  for (char c : linea) {
    if (c == ' ' || c == '\t' || c == '\r') {
      if (!actual.empty()) palabras.push_back(std::move(actual));
      actual.clear();
    } else {
      actual += c;
    }
  }
  if (!actual.empty()) palabras.push_back(std::move(actual));
  return palabras;
}

double Numero(std::string_view texto) {
  double valor = 0;
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (error != std::errc() || fin != texto.data() + texto.size()) throw CError("not a number: " + std::string(texto));
  return valor;
}

int Entero(std::string_view texto) {
  int valor = 0;
  const auto [fin, error] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  if (error != std::errc() || fin != texto.data() + texto.size() || valor <= 0 || valor > 1024)
    throw CError("not a size from 1 to 1024: " + std::string(texto));
  return valor;
}

SColor Color(std::string_view texto) {
  if (texto.size() != 7 || texto[0] != '#') throw CError("not a colour #rrggbb: " + std::string(texto));
  unsigned valor = 0;
  const auto [fin, error] = std::from_chars(texto.data() + 1, texto.data() + 7, valor, 16);
  if (error != std::errc() || fin != texto.data() + 7) throw CError("not a colour #rrggbb: " + std::string(texto));
  return {((valor >> 16) & 0xFF) / 255.0, ((valor >> 8) & 0xFF) / 255.0, (valor & 0xFF) / 255.0};
}

void Punto(std::string_view texto, double& x, double& y) {
  const auto coma = texto.find(',');
  if (coma == std::string_view::npos) throw CError("not a point x,y: " + std::string(texto));
  x = Numero(texto.substr(0, coma));
  y = Numero(texto.substr(coma + 1));
}

void Cuantas(const std::vector<std::string>& p, std::size_t n) {
  if (p.size() != n) throw CError(p[0] + " takes " + std::to_string(n - 1) + " values");
}

struct CSuperficie {
  cairo_surface_t* s;
  explicit CSuperficie(cairo_surface_t* sup) : s(sup) {}
  ~CSuperficie() { cairo_surface_destroy(s); }
  CSuperficie(const CSuperficie&) = delete;
  CSuperficie& operator=(const CSuperficie&) = delete;
};

struct CContexto {
  cairo_t* c;
  explicit CContexto(cairo_surface_t* s) : c(cairo_create(s)) {}
  ~CContexto() { cairo_destroy(c); }
  CContexto(const CContexto&) = delete;
  CContexto& operator=(const CContexto&) = delete;
};

// One command onto the picture.
void Dibujar(cairo_t* cr, const std::vector<std::string>& p, int ancho, int alto) {
  const std::string& orden = p[0];
  auto color = [&](std::size_t i) {
    const SColor c = Color(p.at(i));
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
  };
  cairo_new_path(cr);
  if (orden == "fondo") {
    Cuantas(p, 2);
    color(1);
    cairo_rectangle(cr, 0, 0, ancho, alto);
    cairo_fill(cr);
  } else if (orden == "rect") {
    Cuantas(p, 6);
    color(1);
    cairo_rectangle(cr, Numero(p[2]), Numero(p[3]), Numero(p[4]), Numero(p[5]));
    cairo_fill(cr);
  } else if (orden == "marco") {
    Cuantas(p, 7);
    color(1);
    cairo_set_line_width(cr, Numero(p[2]));
    cairo_rectangle(cr, Numero(p[3]), Numero(p[4]), Numero(p[5]), Numero(p[6]));
    cairo_stroke(cr);
  } else if (orden == "poligono" || orden == "trazo") {
    const bool trazo = orden == "trazo";
    const std::size_t primero = trazo ? 3 : 2;
    if (p.size() < primero + 2) throw CError(orden + " needs at least two points");
    color(1);
    for (std::size_t i = primero; i < p.size(); ++i) {
      double x = 0, y = 0;
      Punto(p[i], x, y);
      if (i == primero)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    if (trazo) {
      cairo_set_line_width(cr, Numero(p[2]));
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
      cairo_stroke(cr);
    } else {
      cairo_close_path(cr);
      cairo_fill(cr);
    }
  } else if (orden == "circulo") {
    Cuantas(p, 5);
    color(1);
    cairo_arc(cr, Numero(p[2]), Numero(p[3]), Numero(p[4]), 0, 2 * M_PI);
    cairo_fill(cr);
  } else if (orden == "aro" || orden == "arco") {
    const bool arco = orden == "arco";
    Cuantas(p, arco ? 8 : 6);
    color(1);
    cairo_set_line_width(cr, Numero(p[2]));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double desde = arco ? Numero(p[6]) * M_PI / 180 : 0;
    const double hasta = arco ? Numero(p[7]) * M_PI / 180 : 2 * M_PI;
    cairo_arc(cr, Numero(p[3]), Numero(p[4]), Numero(p[5]), desde, hasta);
    cairo_stroke(cr);
  } else {
    throw CError("unknown command: " + orden);
  }
}

// The pixel (x, y) of an ARGB32 surface, as 0xAARRGGBB.
std::uint32_t& Pixel(cairo_surface_t* s, int x, int y) {
  unsigned char* datos = cairo_image_surface_get_data(s);
  return *reinterpret_cast<std::uint32_t*>(datos + y * cairo_image_surface_get_stride(s) + 4 * x);
}

// The strip of four states of a mapped-bitmap button from the plain picture.
void Estados(cairo_surface_t* plano, cairo_surface_t* tira, int ancho, int alto, std::uint32_t fondo) {
  cairo_surface_flush(plano);
  cairo_surface_flush(tira);
  const std::uint32_t negro = 0xFF000000u, blanco = 0xFFFFFFFFu, gris = 0xFF808080u;
  for (int y = 0; y < alto; ++y) {
    for (int x = 0; x < ancho; ++x) {
      const std::uint32_t p = Pixel(plano, x, y);
      Pixel(tira, x, y) = p;                                                                  // plain
      Pixel(tira, ancho + x, y) = (x > 0 && y > 0) ? Pixel(plano, x - 1, y - 1) : fondo;      // pressed
      const bool marco = (x == 2 || y == 2 || x == ancho - 3 || y == alto - 3) && x >= 2 && y >= 2 &&
                         x <= ancho - 3 && y <= alto - 3 && (x + y) % 2 == 0;
      Pixel(tira, 2 * ancho + x, y) = marco ? negro : p;                                      // focused
      Pixel(tira, 3 * ancho + x, y) = fondo;                                                  // disabled
    }
  }
  // Disabled: every dark pixel of the picture embossed, white one pixel right and down, grey over it.
  auto oscuro = [&](int x, int y) {
    const std::uint32_t p = Pixel(plano, x, y);
    if (p == fondo || (p >> 24) == 0) return false;
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return r * 3 + g * 6 + b < 200 * 10;
  };
  for (int y = 0; y < alto; ++y)
    for (int x = 0; x < ancho; ++x)
      if (oscuro(x, y) && x + 1 < ancho && y + 1 < alto) Pixel(tira, 3 * ancho + x + 1, y + 1) = blanco;
  for (int y = 0; y < alto; ++y)
    for (int x = 0; x < ancho; ++x)
      if (oscuro(x, y)) Pixel(tira, 3 * ancho + x, y) = gris;
  cairo_surface_mark_dirty(tira);
}

int Ejecutar(const std::string& fuente, const std::string& salida) {
  std::ifstream entrada(fuente);
  if (!entrada) {
    std::fprintf(stderr, "%s: cannot be read\n", fuente.c_str());
    return 1;
  }
  int numero = 0;
  try {
    std::string linea;
    int ancho = 0, alto = 0;
    bool estados = false;
    std::uint32_t fondo = 0;
    std::unique_ptr<CSuperficie> superficie;
    std::unique_ptr<CContexto> contexto;
    while (std::getline(entrada, linea)) {
      ++numero;
      const std::vector<std::string> p = Palabras(linea);
      if (p.empty() || p[0][0] == '#') continue;
      if (p[0] == "lienzo") {
        if (superficie) throw CError("lienzo given twice");
        Cuantas(p, 3);
        ancho = Entero(p[1]);
        alto = Entero(p[2]);
        superficie = std::make_unique<CSuperficie>(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, ancho, alto));
        contexto = std::make_unique<CContexto>(superficie->s);
        continue;
      }
      if (!superficie) throw CError("the first command must be lienzo");
      if (p[0] == "estados") {
        Cuantas(p, 1);
        estados = true;
        cairo_set_antialias(contexto->c, CAIRO_ANTIALIAS_NONE);
        continue;
      }
      if (p[0] == "fondo") {
        Cuantas(p, 2);
        const SColor c = Color(p[1]);
        fondo = 0xFF000000u | (static_cast<std::uint32_t>(c.r * 255 + 0.5) << 16) |
                (static_cast<std::uint32_t>(c.g * 255 + 0.5) << 8) | static_cast<std::uint32_t>(c.b * 255 + 0.5);
      }
      Dibujar(contexto->c, p, ancho, alto);
      if (cairo_status(contexto->c) != CAIRO_STATUS_SUCCESS)
        throw CError(cairo_status_to_string(cairo_status(contexto->c)));
    }
    if (!superficie) throw CError("no lienzo");
    numero = 0;
    cairo_surface_t* final = superficie->s;
    std::unique_ptr<CSuperficie> tira;
    if (estados) {
      if (fondo == 0) throw CError("estados needs a fondo colour");
      tira = std::make_unique<CSuperficie>(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 4 * ancho, alto));
      Estados(superficie->s, tira->s, ancho, alto, fondo);
      final = tira->s;
    }
    if (cairo_surface_write_to_png(final, salida.c_str()) != CAIRO_STATUS_SUCCESS) {
      std::fprintf(stderr, "%s: cannot be written\n", salida.c_str());
      std::remove(salida.c_str());
      return 1;
    }
  } catch (const CError& error) {
    std::fprintf(stderr, "%s:%d: %s\n", fuente.c_str(), numero, error.what());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: dibujar_botones <source.txt> <picture.png>\n");
    return 2;
  }
  return Ejecutar(argv[1], argv[2]);
}
