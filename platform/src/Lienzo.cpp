#include "platform/Lienzo.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <utility>

#include "platform/Texto.h"

namespace plataforma {
namespace {

// Device coordinates are kept inside what cairo's fixed-point paths hold, whatever a picture asks for.
constexpr double kLimiteDispositivo = 4194304.0;
// The largest glyph drawn, in device units: bigger texts are drawn at this size rather than rasterised huge.
constexpr double kFuenteMaxima = 2048.0;
constexpr double kPi = std::numbers::pi;

double Acota(double v) {
  if (!(v == v)) return 0.0;  // NaN
  return std::clamp(v, -kLimiteDispositivo, kLimiteDispositivo);
}

int Entero(double v) { return static_cast<int>(std::lround(Acota(v))); }

void PonColor(cairo_t* cr, CColor c) { cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0); }

struct CRectD {
  double l, t, r, b;
};

CRectD Normaliza(const CRectangulo& d) {
  return CRectD{static_cast<double>(std::min(d.left, d.right)), static_cast<double>(std::min(d.top, d.bottom)),
                static_cast<double>(std::max(d.left, d.right)), static_cast<double>(std::max(d.top, d.bottom))};
}

// Half a unit for odd widths puts a line on the centres of whole pixels.
double Desplazamiento(double ancho) { return (static_cast<long>(ancho) % 2 == 1) ? 0.5 : 0.0; }

std::string NombreFuenteUtf8(const std::string& nombre1252) {
  const std::string_view nombre = LeeFija(nombre1252.data(), nombre1252.size());
  if (Recorta(nombre).empty()) return "Arial";
  return Cp1252AUtf8(nombre);
}

}  // namespace

CLienzo::CLienzo(cairo_surface_t* superficie, int ancho, int alto, int ppp, double escalaSuperficie)
    : superficie_(superficie), cr_(cairo_create(superficie)), ancho_(ancho), alto_(alto), ppp_(std::max(ppp, 1)) {
  if (escalaSuperficie != 1.0) cairo_scale(cr_, escalaSuperficie, escalaSuperficie);
}

CLienzo CLienzo::Imagen(int ancho, int alto, int puntosPorPulgada) {
  ancho = std::clamp(ancho, 0, 32767);
  alto = std::clamp(alto, 0, 32767);
  CLienzo lienzo(cairo_image_surface_create(CAIRO_FORMAT_RGB24, ancho, alto), ancho, alto, puntosPorPulgada, 1.0);
  cairo_save(lienzo.cr_);
  cairo_set_source_rgb(lienzo.cr_, 1.0, 1.0, 1.0);
  cairo_paint(lienzo.cr_);
  cairo_restore(lienzo.cr_);
  return lienzo;
}

CLienzo CLienzo::Pdf(const std::string& ruta, double anchoPuntos, double altoPuntos, int puntosPorPulgada) {
  puntosPorPulgada = std::max(puntosPorPulgada, 1);
  const int ancho = Entero(anchoPuntos * puntosPorPulgada / 72.0);
  const int alto = Entero(altoPuntos * puntosPorPulgada / 72.0);
  return CLienzo(cairo_pdf_surface_create(ruta.c_str(), anchoPuntos, altoPuntos), ancho, alto, puntosPorPulgada,
                 72.0 / puntosPorPulgada);
}

CLienzo::CLienzo(cairo_t* contexto, int anchoDispositivo, int altoDispositivo, int puntosPorPulgada)
    : cr_(cairo_reference(contexto)),
      adoptado_(true),
      ancho_(anchoDispositivo),
      alto_(altoDispositivo),
      ppp_(std::max(puntosPorPulgada, 1)) {
  cairo_save(cr_);
}

CLienzo::CLienzo(CLienzo&& otro) noexcept
    : superficie_(std::exchange(otro.superficie_, nullptr)),
      cr_(std::exchange(otro.cr_, nullptr)),
      adoptado_(otro.adoptado_),
      ancho_(otro.ancho_),
      alto_(otro.alto_),
      ppp_(otro.ppp_),
      estado_(otro.estado_),
      pila_(std::move(otro.pila_)) {
  otro.pila_.clear();
}

CLienzo& CLienzo::operator=(CLienzo&& otro) noexcept {
  if (this != &otro) {
    Liberar();
    superficie_ = std::exchange(otro.superficie_, nullptr);
    cr_ = std::exchange(otro.cr_, nullptr);
    adoptado_ = otro.adoptado_;
    ancho_ = otro.ancho_;
    alto_ = otro.alto_;
    ppp_ = otro.ppp_;
    estado_ = otro.estado_;
    pila_ = std::move(otro.pila_);
    otro.pila_.clear();
  }
  return *this;
}

CLienzo::~CLienzo() { Liberar(); }

void CLienzo::Liberar() {
  if (cr_ != nullptr) {
    for (std::size_t i = 0; i < pila_.size(); ++i) cairo_restore(cr_);
    pila_.clear();
    if (adoptado_) cairo_restore(cr_);
    cairo_destroy(cr_);
    cr_ = nullptr;
  }
  if (superficie_ != nullptr) {
    cairo_surface_destroy(superficie_);
    superficie_ = nullptr;
  }
}

bool CLienzo::Correcto() const {
  if (cr_ == nullptr || cairo_status(cr_) != CAIRO_STATUS_SUCCESS) return false;
  return superficie_ == nullptr || cairo_surface_status(superficie_) == CAIRO_STATUS_SUCCESS;
}

// ---- mapping

void CLienzo::PonModoMapeo(ModoMapeo modo) {
  const int valor = static_cast<int>(modo);
  if (valor < 1 || valor > 8) return;
  estado_.modo = modo;
}

bool CLienzo::PonExtensionVentana(CTamano extension) {
  if (extension.cx == 0 || extension.cy == 0) return false;
  estado_.extVentana = extension;
  return true;
}

bool CLienzo::PonExtensionVista(CTamano extension) {
  if (extension.cx == 0 || extension.cy == 0) return false;
  estado_.extVista = extension;
  return true;
}

CLienzo::CEscala CLienzo::Escala() const {
  const double p = ppp_;
  switch (estado_.modo) {
    case ModoMapeo::Texto: return {1.0, 1.0};
    case ModoMapeo::MetricoBajo: return {p / 254.0, -p / 254.0};
    case ModoMapeo::MetricoAlto: return {p / 2540.0, -p / 2540.0};
    case ModoMapeo::InglesBajo: return {p / 100.0, -p / 100.0};
    case ModoMapeo::InglesAlto: return {p / 1000.0, -p / 1000.0};
    case ModoMapeo::Twips: return {p / 1440.0, -p / 1440.0};
    case ModoMapeo::Isotropico:
    case ModoMapeo::Anisotropico: {
      double sx = static_cast<double>(estado_.extVista.cx) / estado_.extVentana.cx;
      double sy = static_cast<double>(estado_.extVista.cy) / estado_.extVentana.cy;
      if (estado_.modo == ModoMapeo::Isotropico) {
        const double m = std::min(std::fabs(sx), std::fabs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
      }
      return {sx, sy};
    }
  }
  return {1.0, 1.0};
}

double CLienzo::DispositivoX(int x, const CEscala& e) const {
  return std::round(Acota((static_cast<double>(x) - estado_.origenVentana.x) * e.sx + estado_.origenVista.x));
}

double CLienzo::DispositivoY(int y, const CEscala& e) const {
  return std::round(Acota((static_cast<double>(y) - estado_.origenVentana.y) * e.sy + estado_.origenVista.y));
}

CPunto CLienzo::LogicoADispositivo(CPunto p) const {
  const CEscala e = Escala();
  return CPunto{static_cast<int>(DispositivoX(p.x, e)), static_cast<int>(DispositivoY(p.y, e))};
}

CPunto CLienzo::DispositivoALogico(CPunto p) const {
  const CEscala e = Escala();
  return CPunto{Entero((static_cast<double>(p.x) - estado_.origenVista.x) / e.sx + estado_.origenVentana.x),
                Entero((static_cast<double>(p.y) - estado_.origenVista.y) / e.sy + estado_.origenVentana.y)};
}

CRectangulo CLienzo::LogicoADispositivo(const CRectangulo& r) const {
  const CPunto a = LogicoADispositivo(CPunto{r.left, r.top});
  const CPunto b = LogicoADispositivo(CPunto{r.right, r.bottom});
  return CRectangulo{a.x, a.y, b.x, b.y};
}

CRectangulo CLienzo::DispositivoALogico(const CRectangulo& r) const {
  const CPunto a = DispositivoALogico(CPunto{r.left, r.top});
  const CPunto b = DispositivoALogico(CPunto{r.right, r.bottom});
  return CRectangulo{a.x, a.y, b.x, b.y};
}

// ---- state

int CLienzo::Guardar() {
  pila_.push_back(estado_);
  cairo_save(cr_);
  return Profundidad();
}

bool CLienzo::Restaurar() {
  if (pila_.empty()) return false;
  estado_ = pila_.back();
  pila_.pop_back();
  cairo_restore(cr_);
  return true;
}

void CLienzo::RestablecerHerramientas() {
  estado_.pluma = CPluma{};
  estado_.pincel = CPincel{};
  estado_.fuente = CFuente{};
  estado_.colorTexto = kNegro;
  estado_.colorFondo = kBlanco;
  estado_.modoFondo = ModoFondo::Opaco;
  estado_.alineacion = 0;
  estado_.modoDibujo = ModoDibujo::Copiar;
  estado_.relleno = ModoRelleno::Alterno;
}

// ---- pens and brushes

double CLienzo::AnchoPlumaDispositivo() const {
  if (estado_.pluma.ancho <= 0) return 1.0;
  const double limite = 2.0 * std::max({ancho_, alto_, 1}) + 2.0;
  const double w = std::round(std::fabs(estado_.pluma.ancho * Escala().sx));
  return std::clamp(w, 1.0, limite);
}

void CLienzo::PreparaOperador(CColor color) {
  switch (estado_.modoDibujo) {
    case ModoDibujo::Invertir:
      cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
      PonColor(cr_, kBlanco);
      break;
    case ModoDibujo::Diferencia:
      cairo_set_operator(cr_, CAIRO_OPERATOR_DIFFERENCE);
      PonColor(cr_, color);
      break;
    default:
      cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
      PonColor(cr_, color);
      break;
  }
}

bool CLienzo::PreparaPluma() {
  const CPluma& pluma = estado_.pluma;
  if (pluma.estilo == EstiloPluma::Nula) return false;
  const double w = AnchoPlumaDispositivo();
  cairo_set_line_width(cr_, w);
  if (w > 1.0) {
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
  } else {
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
  }
  // Dashes and dots only for thin pens, as a display draws them; wider styled pens are solid.
  const double k = std::max(1.0, std::round(ppp_ / 96.0));
  static constexpr double kGuiones[] = {18, 6};
  static constexpr double kPuntos[] = {3, 3};
  static constexpr double kGuionPunto[] = {9, 6, 3, 6};
  static constexpr double kGuionPuntoPunto[] = {9, 3, 3, 3, 3, 3};
  std::span<const double> patron;
  if (w <= 1.0) {
    switch (pluma.estilo) {
      case EstiloPluma::Guiones: patron = kGuiones; break;
      case EstiloPluma::Puntos: patron = kPuntos; break;
      case EstiloPluma::GuionPunto: patron = kGuionPunto; break;
      case EstiloPluma::GuionPuntoPunto: patron = kGuionPuntoPunto; break;
      default: break;
    }
  }
  double escalado[6] = {};
  for (std::size_t i = 0; i < patron.size(); ++i) escalado[i] = patron[i] * k;
  cairo_set_dash(cr_, escalado, static_cast<int>(patron.size()), 0.0);
  PreparaOperador(pluma.color);
  return true;
}

bool CLienzo::PreparaPincel() {
  const CPincel& pincel = estado_.pincel;
  if (pincel.estilo == EstiloPincel::Nulo) return false;
  if (pincel.estilo != EstiloPincel::Rayado || estado_.modoDibujo != ModoDibujo::Copiar) {
    PreparaOperador(pincel.color);
    return true;
  }
  // A hatch: an n x n tile repeated over the shape, on the background colour when the background is opaque.
  const int n = 8 * static_cast<int>(std::max(1.0, std::round(ppp_ / 96.0)));
  cairo_surface_t* tesela = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, n, n);
  cairo_t* t = cairo_create(tesela);
  if (estado_.modoFondo == ModoFondo::Opaco) {
    PonColor(t, estado_.colorFondo);
    cairo_paint(t);
  }
  PonColor(t, pincel.color);
  cairo_set_line_width(t, n / 8.0);
  const double m = n / 2.0;
  const auto raya = [&](double x0, double y0, double x1, double y1) {
    cairo_move_to(t, x0, y0);
    cairo_line_to(t, x1, y1);
  };
  switch (pincel.rayado) {
    case Rayado::Horizontal: raya(0, m, n, m); break;
    case Rayado::Vertical: raya(m, 0, m, n); break;
    case Rayado::DiagonalAbajo: raya(0, 0, n, n); break;
    case Rayado::DiagonalArriba: raya(0, n, n, 0); break;
    case Rayado::Cruz: raya(0, m, n, m); raya(m, 0, m, n); break;
    case Rayado::CruzDiagonal: raya(0, 0, n, n); raya(0, n, n, 0); break;
  }
  cairo_stroke(t);
  cairo_destroy(t);
  cairo_pattern_t* patron = cairo_pattern_create_for_surface(tesela);
  cairo_pattern_set_extend(patron, CAIRO_EXTEND_REPEAT);
  cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
  cairo_set_source(cr_, patron);
  cairo_pattern_destroy(patron);
  cairo_surface_destroy(tesela);
  return true;
}

void CLienzo::RellenarYTrazar() {
  cairo_set_fill_rule(cr_, estado_.relleno == ModoRelleno::Alterno ? CAIRO_FILL_RULE_EVEN_ODD
                                                                   : CAIRO_FILL_RULE_WINDING);
  if (PreparaPincel()) cairo_fill_preserve(cr_);
  if (PreparaPluma()) cairo_stroke_preserve(cr_);
  cairo_new_path(cr_);
}

void CLienzo::Trazar(bool cerrado) {
  if (cerrado) cairo_close_path(cr_);
  if (PreparaPluma()) cairo_stroke_preserve(cr_);
  cairo_new_path(cr_);
}

// ---- shapes

void CLienzo::LineaA(CPunto p) {
  const CEscala e = Escala();
  const double o = Desplazamiento(AnchoPlumaDispositivo());
  cairo_new_path(cr_);
  cairo_move_to(cr_, DispositivoX(estado_.posicion.x, e) + o, DispositivoY(estado_.posicion.y, e) + o);
  cairo_line_to(cr_, DispositivoX(p.x, e) + o, DispositivoY(p.y, e) + o);
  Trazar(false);
  estado_.posicion = p;
}

void CLienzo::Linea(CPunto desde, CPunto hasta) {
  MoverA(desde);
  LineaA(hasta);
}

void CLienzo::Rectangulo(const CRectangulo& r) {
  const CRectD d = Normaliza(LogicoADispositivo(r));
  const double ancho = d.r - d.l;
  const double alto = d.b - d.t;
  if (ancho <= 0 || alto <= 0) return;
  cairo_new_path(cr_);
  if (PreparaPincel()) {
    cairo_rectangle(cr_, d.l, d.t, ancho, alto);
    cairo_fill(cr_);
  }
  if (PreparaPluma()) {
    const double w = AnchoPlumaDispositivo();
    if (ancho <= w || alto <= w) {
      // The outline covers the whole rectangle.
      cairo_rectangle(cr_, d.l, d.t, ancho, alto);
      cairo_fill(cr_);
    } else {
      cairo_set_line_join(cr_, CAIRO_LINE_JOIN_MITER);
      cairo_rectangle(cr_, d.l + w / 2, d.t + w / 2, ancho - w, alto - w);
      cairo_stroke(cr_);
    }
  }
  cairo_new_path(cr_);
}

void CLienzo::RectanguloRedondeado(const CRectangulo& r, CTamano esquina) {
  const CRectD d = Normaliza(LogicoADispositivo(r));
  const double w = estado_.pluma.estilo == EstiloPluma::Nula ? 0.0 : AnchoPlumaDispositivo();
  const double l = d.l + w / 2, t = d.t + w / 2, ri = d.r - w / 2, b = d.b - w / 2;
  if (ri - l <= 0 || b - t <= 0) return;
  const CEscala e = Escala();
  const double rx = std::min(std::fabs(esquina.cx * e.sx) / 2, (ri - l) / 2);
  const double ry = std::min(std::fabs(esquina.cy * e.sy) / 2, (b - t) / 2);
  cairo_new_path(cr_);
  if (rx < 0.5 || ry < 0.5) {
    cairo_rectangle(cr_, l, t, ri - l, b - t);
  } else {
    const auto esquinaArco = [&](double cx, double cy, double a0, double a1) {
      cairo_save(cr_);
      cairo_translate(cr_, cx, cy);
      cairo_scale(cr_, rx, ry);
      cairo_arc(cr_, 0, 0, 1, a0, a1);
      cairo_restore(cr_);
    };
    esquinaArco(ri - rx, t + ry, -kPi / 2, 0);
    esquinaArco(ri - rx, b - ry, 0, kPi / 2);
    esquinaArco(l + rx, b - ry, kPi / 2, kPi);
    esquinaArco(l + rx, t + ry, kPi, 3 * kPi / 2);
    cairo_close_path(cr_);
  }
  RellenarYTrazar();
}

void CLienzo::Elipse(const CRectangulo& r) {
  const CRectD d = Normaliza(LogicoADispositivo(r));
  const double w = estado_.pluma.estilo == EstiloPluma::Nula ? 0.0 : AnchoPlumaDispositivo();
  const double rx = (d.r - d.l - w) / 2;
  const double ry = (d.b - d.t - w) / 2;
  if (rx < 0.5 || ry < 0.5) return;
  cairo_new_path(cr_);
  cairo_save(cr_);
  cairo_translate(cr_, (d.l + d.r) / 2, (d.t + d.b) / 2);
  cairo_scale(cr_, rx, ry);
  cairo_arc(cr_, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr_);
  cairo_close_path(cr_);
  RellenarYTrazar();
}

void CLienzo::RellenarRectangulo(const CRectangulo& r, CColor color) {
  const CRectD d = Normaliza(LogicoADispositivo(r));
  if (d.r - d.l <= 0 || d.b - d.t <= 0) return;
  cairo_new_path(cr_);
  cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
  PonColor(cr_, color);
  cairo_rectangle(cr_, d.l, d.t, d.r - d.l, d.b - d.t);
  cairo_fill(cr_);
}

void CLienzo::Polilinea(std::span<const CPunto> puntos) {
  if (puntos.size() < 2) return;
  const CEscala e = Escala();
  const double o = Desplazamiento(AnchoPlumaDispositivo());
  cairo_new_path(cr_);
  for (const CPunto& p : puntos) cairo_line_to(cr_, DispositivoX(p.x, e) + o, DispositivoY(p.y, e) + o);
  Trazar(false);
}

void CLienzo::Poligono(std::span<const CPunto> puntos) {
  const int cuenta = static_cast<int>(std::min<std::size_t>(puntos.size(), 0x7FFFFFFF));
  PoliPoligono(puntos, std::span<const int>(&cuenta, 1));
}

void CLienzo::PoliPoligono(std::span<const CPunto> puntos, std::span<const int> cuentas) {
  const CEscala e = Escala();
  const double o = estado_.pluma.estilo == EstiloPluma::Nula ? 0.0 : Desplazamiento(AnchoPlumaDispositivo());
  cairo_new_path(cr_);
  std::size_t i = 0;
  bool alguno = false;
  for (const int cuenta : cuentas) {
    if (cuenta < 0 || static_cast<std::size_t>(cuenta) > puntos.size() - i) break;
    if (cuenta >= 2) {
      cairo_new_sub_path(cr_);
      for (int k = 0; k < cuenta; ++k) {
        const CPunto& p = puntos[i + static_cast<std::size_t>(k)];
        cairo_line_to(cr_, DispositivoX(p.x, e) + o, DispositivoY(p.y, e) + o);
      }
      cairo_close_path(cr_);
      alguno = true;
    }
    i += static_cast<std::size_t>(cuenta);
  }
  if (!alguno) {
    cairo_new_path(cr_);
    return;
  }
  RellenarYTrazar();
}

// ---- text

bool CLienzo::PreparaFuente() {
  const CFuente& f = estado_.fuente;
  const std::string nombre = NombreFuenteUtf8(f.nombre);
  cairo_select_font_face(cr_, nombre.c_str(), f.cursiva ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         f.peso >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  double em = 0;
  if (f.alto == 0) {
    em = 12.0 * ppp_ / 72.0;
  } else {
    const double dispositivo = std::fabs(f.alto * Escala().sy);
    if (f.alto < 0) {
      em = dispositivo;
    } else {
      // A positive height is the whole cell (ascent and descent): the character size is a part of it.
      cairo_set_font_size(cr_, 100.0);
      cairo_font_extents_t fe;
      cairo_font_extents(cr_, &fe);
      const double celda = fe.ascent + fe.descent;
      em = celda > 0 ? dispositivo * 100.0 / celda : dispositivo;
    }
  }
  if (!(em >= 0.05)) return false;
  cairo_set_font_size(cr_, std::min(em, kFuenteMaxima));
  return cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

CLienzo::CMetricas CLienzo::Medir(const std::string& utf8) {
  cairo_font_extents_t fe;
  cairo_font_extents(cr_, &fe);
  cairo_text_extents_t te;
  cairo_text_extents(cr_, utf8.c_str(), &te);
  return CMetricas{fe.ascent, fe.descent, te.x_advance};
}

void CLienzo::TextoDispositivo(double x, double y, const std::string& utf8, bool alinear) {
  const CMetricas m = Medir(utf8);
  double ox = 0;
  double oy = 0;
  if (alinear) {
    const int a = estado_.alineacion;
    if ((a & 6) == 6) {
      ox = -m.ancho / 2;
    } else if ((a & 6) == 2) {
      ox = -m.ancho;
    }
    if ((a & 24) == 24) {
      oy = 0;
    } else if ((a & 8) != 0) {
      oy = -m.descenso;
    } else {
      oy = m.ascenso;
    }
  }
  cairo_save(cr_);
  cairo_new_path(cr_);
  cairo_translate(cr_, x, y);
  const int esc = estado_.fuente.escapamiento % 3600;
  if (esc != 0) cairo_rotate(cr_, -esc * kPi / 1800.0);
  cairo_set_operator(cr_, CAIRO_OPERATOR_OVER);
  if (estado_.modoFondo == ModoFondo::Opaco && m.ancho > 0) {
    PonColor(cr_, estado_.colorFondo);
    cairo_rectangle(cr_, ox, oy - m.ascenso, m.ancho, m.ascenso + m.descenso);
    cairo_fill(cr_);
  }
  PonColor(cr_, estado_.colorTexto);
  cairo_move_to(cr_, ox, oy);
  cairo_show_text(cr_, utf8.c_str());
  cairo_new_path(cr_);
  if ((estado_.fuente.subrayada || estado_.fuente.tachada) && m.ancho > 0) {
    const double grosor = std::max(1.0, (m.ascenso + m.descenso) / 16.0);
    cairo_set_line_width(cr_, grosor);
    cairo_set_dash(cr_, nullptr, 0, 0.0);
    if (estado_.fuente.subrayada) {
      cairo_move_to(cr_, ox, oy + m.descenso / 2);
      cairo_line_to(cr_, ox + m.ancho, oy + m.descenso / 2);
    }
    if (estado_.fuente.tachada) {
      cairo_move_to(cr_, ox, oy - m.ascenso / 3);
      cairo_line_to(cr_, ox + m.ancho, oy - m.ascenso / 3);
    }
    cairo_stroke(cr_);
  }
  cairo_restore(cr_);
}

void CLienzo::Texto(CPunto p, std::string_view texto1252) {
  const bool actualiza = (estado_.alineacion & kAlineaActualiza) != 0;
  if (actualiza) p = estado_.posicion;
  if (!PreparaFuente()) return;
  const std::string utf8 = Cp1252AUtf8(LeeFija(texto1252.data(), texto1252.size()));
  const CEscala e = Escala();
  TextoDispositivo(DispositivoX(p.x, e), DispositivoY(p.y, e), utf8, true);
  if (actualiza) {
    const int ancho = Entero(Medir(utf8).ancho / std::fabs(e.sx));
    const int a = estado_.alineacion & 6;
    if (a == 0) {
      estado_.posicion.x = p.x + ancho;
    } else if (a == 2) {
      estado_.posicion.x = p.x - ancho;
    }
  }
}

void CLienzo::TextoEnRect(const CRectangulo& r, std::string_view texto1252, unsigned formato) {
  if (!PreparaFuente()) return;
  const std::string utf8 = Cp1252AUtf8(LeeFija(texto1252.data(), texto1252.size()));
  const CRectD d = Normaliza(LogicoADispositivo(r));
  const CMetricas m = Medir(utf8);
  double x = d.l;
  if ((formato & kTextoDerecha) != 0) {
    x = d.r - m.ancho;
  } else if ((formato & kTextoCentro) != 0) {
    x = d.l + (d.r - d.l - m.ancho) / 2;
  }
  double y = d.t + m.ascenso;
  if ((formato & kTextoAbajo) != 0) {
    y = d.b - m.descenso;
  } else if ((formato & kTextoCentroVertical) != 0) {
    y = d.t + (d.b - d.t - (m.ascenso + m.descenso)) / 2 + m.ascenso;
  }
  const bool recortar = (formato & kTextoSinRecorte) == 0;
  if (recortar) {
    cairo_save(cr_);
    cairo_new_path(cr_);
    cairo_rectangle(cr_, d.l, d.t, d.r - d.l, d.b - d.t);
    cairo_clip(cr_);
  }
  TextoDispositivo(x, y, utf8, false);
  if (recortar) cairo_restore(cr_);
}

CTamano CLienzo::MedirTexto(std::string_view texto1252) {
  if (!PreparaFuente()) return CTamano{};
  const CMetricas m = Medir(Cp1252AUtf8(LeeFija(texto1252.data(), texto1252.size())));
  const CEscala e = Escala();
  return CTamano{Entero(m.ancho / std::fabs(e.sx)), Entero((m.ascenso + m.descenso) / std::fabs(e.sy))};
}

// ---- clipping and surfaces

void CLienzo::RecortarRect(const CRectangulo& r) {
  const CRectD d = Normaliza(LogicoADispositivo(r));
  cairo_new_path(cr_);
  cairo_rectangle(cr_, d.l, d.t, d.r - d.l, d.b - d.t);
  cairo_clip(cr_);
}

std::optional<CColor> CLienzo::Pixel(int x, int y) {
  if (superficie_ == nullptr || cairo_surface_get_type(superficie_) != CAIRO_SURFACE_TYPE_IMAGE) return std::nullopt;
  if (x < 0 || y < 0 || x >= cairo_image_surface_get_width(superficie_) ||
      y >= cairo_image_surface_get_height(superficie_)) {
    return std::nullopt;
  }
  cairo_surface_flush(superficie_);
  const unsigned char* datos = cairo_image_surface_get_data(superficie_);
  if (datos == nullptr) return std::nullopt;
  const int paso = cairo_image_surface_get_stride(superficie_);
  std::uint32_t valor = 0;
  std::memcpy(&valor, datos + static_cast<std::ptrdiff_t>(y) * paso + static_cast<std::ptrdiff_t>(x) * 4, 4);
  return CColor{static_cast<std::uint8_t>((valor >> 16) & 0xFF), static_cast<std::uint8_t>((valor >> 8) & 0xFF),
                static_cast<std::uint8_t>(valor & 0xFF)};
}

bool CLienzo::GuardarPng(const std::string& ruta) {
  if (superficie_ == nullptr || cairo_surface_get_type(superficie_) != CAIRO_SURFACE_TYPE_IMAGE) return false;
  cairo_surface_flush(superficie_);
  return cairo_surface_write_to_png(superficie_, ruta.c_str()) == CAIRO_STATUS_SUCCESS;
}

void CLienzo::NuevaPagina() { cairo_show_page(cr_); }

bool CLienzo::Terminar() {
  const bool bien = Correcto();
  if (superficie_ != nullptr) {
    cairo_surface_flush(superficie_);
    cairo_surface_finish(superficie_);
    return bien && cairo_surface_status(superficie_) == CAIRO_STATUS_SUCCESS;
  }
  return bien;
}

}  // namespace plataforma
