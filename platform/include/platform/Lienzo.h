// The drawing canvas: one set of drawing operations in logical units over a cairo context, so pages are drawn the
// same way on screen (a window's cairo context), into PDF pages for printing and into PNG images for tests.
//
// The canvas keeps the drawing model the page code and the page pictures are written in: a mapping mode with a
// window and a viewport, a current pen, brush and font, text colour, background colour and mode, text alignment,
// a current position, and a stack of saved states. Device units are whole pixels of the surface (screen, image) or
// dots of the printer resolution (PDF); logical points are turned into whole device units as a display does, so
// one-unit lines fall on whole pixels and stay crisp. Texts are Windows-1252 bytes, converted here.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

struct CPunto {
  int x = 0;
  int y = 0;
  friend bool operator==(const CPunto&, const CPunto&) = default;
};

struct CTamano {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const CTamano&, const CTamano&) = default;
};

struct CRectangulo {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Ancho() const { return right - left; }
  int Alto() const { return bottom - top; }
  friend bool operator==(const CRectangulo&, const CRectangulo&) = default;
};

struct CColor {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  // The 32-bit colour of the metafile records: red in the low byte, then green, then blue.
  static constexpr CColor DeColorRef(std::uint32_t valor) {
    return CColor{static_cast<std::uint8_t>(valor & 0xFF), static_cast<std::uint8_t>((valor >> 8) & 0xFF),
                  static_cast<std::uint8_t>((valor >> 16) & 0xFF)};
  }
  constexpr std::uint32_t ColorRef() const {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) | (static_cast<std::uint32_t>(b) << 16);
  }
  friend bool operator==(const CColor&, const CColor&) = default;
};

constexpr CColor Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return CColor{r, g, b}; }
inline constexpr CColor kNegro = Rgb(0, 0, 0);
inline constexpr CColor kBlanco = Rgb(255, 255, 255);

// Pen and brush styles carry the values the metafile records use.
enum class EstiloPluma : int { Solida = 0, Guiones = 1, Puntos = 2, GuionPunto = 3, GuionPuntoPunto = 4, Nula = 5,
                               DentroDelMarco = 6 };
enum class EstiloPincel : int { Solido = 0, Nulo = 1, Rayado = 2 };
// Hatches of a `Rayado` brush.
enum class Rayado : int { Horizontal = 0, Vertical = 1, DiagonalAbajo = 2, DiagonalArriba = 3, Cruz = 4,
                          CruzDiagonal = 5 };

struct CPluma {
  EstiloPluma estilo = EstiloPluma::Solida;
  int ancho = 0;  // logical units; 0 is one device unit
  CColor color = kNegro;
  friend bool operator==(const CPluma&, const CPluma&) = default;
};

struct CPincel {
  EstiloPincel estilo = EstiloPincel::Solido;
  CColor color = kBlanco;
  Rayado rayado = Rayado::Horizontal;
  friend bool operator==(const CPincel&, const CPincel&) = default;
};

struct CFuente {
  std::string nombre = "Arial";  // face name, Windows-1252
  int alto = 0;                  // logical units: negative = character height, positive = cell height, 0 = 12 points
  int peso = 400;                // 700 and above is bold
  bool cursiva = false;
  bool subrayada = false;
  bool tachada = false;
  int escapamiento = 0;  // angle of the text line, tenths of a degree counterclockwise
  friend bool operator==(const CFuente&, const CFuente&) = default;
};

enum class ModoMapeo : int { Texto = 1, MetricoBajo = 2, MetricoAlto = 3, InglesBajo = 4, InglesAlto = 5,
                             Twips = 6, Isotropico = 7, Anisotropico = 8 };
enum class ModoFondo : int { Transparente = 1, Opaco = 2 };
// How pens and brushes combine with what is drawn: copy, invert what is there, or a difference with the colour.
enum class ModoDibujo : int { Invertir = 6, Diferencia = 7, Copiar = 13 };
enum class ModoRelleno : int { Alterno = 1, Envolvente = 2 };

// Text alignment of `Texto` (the reference point of the text), values as in the metafile records.
inline constexpr int kAlineaIzquierda = 0;
inline constexpr int kAlineaActualiza = 1;  // the current position is the reference point and moves past the text
inline constexpr int kAlineaDerecha = 2;
inline constexpr int kAlineaCentro = 6;
inline constexpr int kAlineaArriba = 0;
inline constexpr int kAlineaAbajo = 8;
inline constexpr int kAlineaBase = 24;

// Layout of `TextoEnRect` (one line).
inline constexpr unsigned kTextoIzquierda = 0x0;
inline constexpr unsigned kTextoCentro = 0x1;
inline constexpr unsigned kTextoDerecha = 0x2;
inline constexpr unsigned kTextoCentroVertical = 0x4;
inline constexpr unsigned kTextoAbajo = 0x8;
inline constexpr unsigned kTextoSinRecorte = 0x100;

class CLienzo {
 public:
  // A white image of the given size in pixels; `puntosPorPulgada` gives the physical units their size.
  static CLienzo Imagen(int ancho, int alto, int puntosPorPulgada = 96);
  // A PDF file whose pages measure `anchoPuntos` x `altoPuntos` (1/72 inch); device units are dots of
  // `puntosPorPulgada`, so a printer resolution keeps its meaning. Check `Correcto` after making it.
  static CLienzo Pdf(const std::string& ruta, double anchoPuntos, double altoPuntos, int puntosPorPulgada);
  // Draws on someone else's context (a window's), whose user space is the device space. The context's state is
  // saved here and restored when the canvas goes, so the owner gets it back as it lent it.
  CLienzo(cairo_t* contexto, int anchoDispositivo, int altoDispositivo, int puntosPorPulgada = 96);

  CLienzo(CLienzo&&) noexcept;
  CLienzo& operator=(CLienzo&&) noexcept;
  CLienzo(const CLienzo&) = delete;
  CLienzo& operator=(const CLienzo&) = delete;
  ~CLienzo();

  bool Correcto() const;
  int AnchoDispositivo() const { return ancho_; }
  int AltoDispositivo() const { return alto_; }
  int PuntosPorPulgada() const { return ppp_; }

  // Mapping from logical to device units. Window and viewport extents count only in the isotropic and
  // anisotropic modes; a zero extent is refused (false) and changes nothing.
  void PonModoMapeo(ModoMapeo modo);
  ModoMapeo DameModoMapeo() const { return estado_.modo; }
  void PonOrigenVentana(CPunto origen) { estado_.origenVentana = origen; }
  bool PonExtensionVentana(CTamano extension);
  void PonOrigenVista(CPunto origen) { estado_.origenVista = origen; }
  bool PonExtensionVista(CTamano extension);
  CPunto DameOrigenVentana() const { return estado_.origenVentana; }
  CTamano DameExtensionVentana() const { return estado_.extVentana; }
  CPunto DameOrigenVista() const { return estado_.origenVista; }
  CTamano DameExtensionVista() const { return estado_.extVista; }
  CPunto LogicoADispositivo(CPunto p) const;
  CPunto DispositivoALogico(CPunto p) const;
  CRectangulo LogicoADispositivo(const CRectangulo& r) const;
  CRectangulo DispositivoALogico(const CRectangulo& r) const;

  // Saved states: mapping, tools, colours, modes, position and clipping. `Guardar` gives the new depth.
  int Guardar();
  bool Restaurar();
  int Profundidad() const { return static_cast<int>(pila_.size()); }

  void PonPluma(const CPluma& pluma) { estado_.pluma = pluma; }
  void PonPincel(const CPincel& pincel) { estado_.pincel = pincel; }
  void PonFuente(const CFuente& fuente) { estado_.fuente = fuente; }
  const CPluma& DamePluma() const { return estado_.pluma; }
  const CPincel& DamePincel() const { return estado_.pincel; }
  const CFuente& DameFuente() const { return estado_.fuente; }
  void PonColorTexto(CColor color) { estado_.colorTexto = color; }
  void PonColorFondo(CColor color) { estado_.colorFondo = color; }
  void PonModoFondo(ModoFondo modo) { estado_.modoFondo = modo; }
  void PonAlineacionTexto(int alineacion) { estado_.alineacion = alineacion; }
  void PonModoDibujo(ModoDibujo modo) { estado_.modoDibujo = modo; }
  void PonModoRelleno(ModoRelleno modo) { estado_.relleno = modo; }
  CColor DameColorTexto() const { return estado_.colorTexto; }
  CColor DameColorFondo() const { return estado_.colorFondo; }
  ModoFondo DameModoFondo() const { return estado_.modoFondo; }
  int DameAlineacionTexto() const { return estado_.alineacion; }
  CPunto DamePosicion() const { return estado_.posicion; }
  // Black one-unit pen, white brush, 12-point Arial, black text on white, opaque background, left/top alignment.
  void RestablecerHerramientas();

  void MoverA(CPunto p) { estado_.posicion = p; }
  void LineaA(CPunto p);
  void Linea(CPunto desde, CPunto hasta);
  // Outlined with the pen and filled with the brush; the outline lies inside the rectangle, whose right and bottom
  // edges are excluded as on a display.
  void Rectangulo(const CRectangulo& r);
  void RectanguloRedondeado(const CRectangulo& r, CTamano esquina);
  void Elipse(const CRectangulo& r);
  // Filled with a colour, no outline, whatever the pen and brush.
  void RellenarRectangulo(const CRectangulo& r, CColor color);
  void Polilinea(std::span<const CPunto> puntos);
  void Poligono(std::span<const CPunto> puntos);
  // Several polygons filled as one shape; `cuentas` gives the points of each.
  void PoliPoligono(std::span<const CPunto> puntos, std::span<const int> cuentas);

  // Text at a reference point, placed by the text alignment; in the opaque background mode the text's cell is
  // filled with the background colour first.
  void Texto(CPunto p, std::string_view texto1252);
  // One line of text laid out in a rectangle (`kTexto...` flags); clipped to it unless `kTextoSinRecorte`.
  void TextoEnRect(const CRectangulo& r, std::string_view texto1252, unsigned formato);
  // Width and height of the text's cell with the current font, logical units.
  CTamano MedirTexto(std::string_view texto1252);

  // Narrows the clipping to a rectangle (logical units); undone by `Restaurar`.
  void RecortarRect(const CRectangulo& r);

  // Image canvases only: the colour of one pixel, none outside the image; and the image as a PNG file.
  std::optional<CColor> Pixel(int x, int y);
  bool GuardarPng(const std::string& ruta);

  // PDF canvases: ends the page and starts the next one; `Terminar` writes the file out and tells how it went.
  void NuevaPagina();
  bool Terminar();

  cairo_t* Contexto() const { return cr_; }

 private:
  struct CEstado {
    ModoMapeo modo = ModoMapeo::Texto;
    CPunto origenVentana{};
    CTamano extVentana{1, 1};
    CPunto origenVista{};
    CTamano extVista{1, 1};
    CPluma pluma{};
    CPincel pincel{};
    CFuente fuente{};
    CColor colorTexto = kNegro;
    CColor colorFondo = kBlanco;
    ModoFondo modoFondo = ModoFondo::Opaco;
    int alineacion = 0;
    ModoDibujo modoDibujo = ModoDibujo::Copiar;
    ModoRelleno relleno = ModoRelleno::Alterno;
    CPunto posicion{};
  };
  struct CEscala {
    double sx = 1.0;
    double sy = 1.0;
  };

  CLienzo(cairo_surface_t* superficie, int ancho, int alto, int ppp, double escalaSuperficie);
  void Liberar();
  CEscala Escala() const;
  double DispositivoX(int x, const CEscala& e) const;
  double DispositivoY(int y, const CEscala& e) const;
  double AnchoPlumaDispositivo() const;
  bool PreparaPluma();
  bool PreparaPincel();
  void PreparaOperador(CColor color);
  void Trazar(bool cerrado);
  void RellenarYTrazar();
  struct CMetricas {
    double ascenso = 0;
    double descenso = 0;
    double ancho = 0;
  };
  bool PreparaFuente();
  CMetricas Medir(const std::string& utf8);
  void TextoDispositivo(double x, double y, const std::string& utf8, bool alinear);

  cairo_surface_t* superficie_ = nullptr;  // owned when the canvas made it
  cairo_t* cr_ = nullptr;                  // owned (one reference)
  bool adoptado_ = false;
  int ancho_ = 0;
  int alto_ = 0;
  int ppp_ = 96;
  CEstado estado_{};
  std::vector<CEstado> pila_;
};

}  // namespace plataforma
