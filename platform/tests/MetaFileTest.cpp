#include "platform/MetaFile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "platform/Lienzo.h"
#include "platform/MetaFileEscritor.h"
#include "platform/MetaFileRegistros.h"

using namespace plataforma;

namespace {

constexpr CColor kRojo = Rgb(255, 0, 0);
constexpr CColor kAzul = Rgb(0, 0, 255);
constexpr CColor kVerde = Rgb(0, 255, 0);
constexpr CColor kAmarillo = Rgb(255, 255, 0);
constexpr CColor kCian = Rgb(0, 255, 255);

using Bytes = std::vector<std::uint8_t>;

std::string Temporal(const std::string& nombre) {
  return (std::filesystem::temp_directory_path() /
          ("korvelix-metafile-" + std::to_string(::getpid()) + "-" + nombre))
      .string();
}

int Leer(CMetaFile& m, const Bytes& b) {
  std::istringstream flujo(std::string(b.begin(), b.end()));
  return m.LeerFichero(flujo);
}

void Pon16(Bytes& b, std::size_t i, std::uint16_t v) {
  b[i] = static_cast<std::uint8_t>(v & 0xFF);
  b[i + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Pon32(Bytes& b, std::size_t i, std::uint32_t v) {
  Pon16(b, i, static_cast<std::uint16_t>(v & 0xFFFF));
  Pon16(b, i + 2, static_cast<std::uint16_t>(v >> 16));
}

// A record written by hand: its function and its parameter words.
struct CReg {
  std::uint16_t funcion;
  std::vector<std::uint16_t> p;
};

std::uint16_t W(int v) { return static_cast<std::uint16_t>(static_cast<std::int16_t>(v)); }
std::vector<std::uint16_t> Color(CColor c) {
  return {static_cast<std::uint16_t>(c.ColorRef() & 0xFFFF), static_cast<std::uint16_t>(c.ColorRef() >> 16)};
}
CReg Pluma(CColor c, int ancho = 0) {
  auto col = Color(c);
  return {wmf::kCrearPluma, {0, W(ancho), 0, col[0], col[1]}};
}
CReg Pincel(int estilo, CColor c) {
  auto col = Color(c);
  return {wmf::kCrearPincel, {W(estilo), col[0], col[1], 0}};
}
CReg Rect(int l, int t, int r, int b) { return {wmf::kRectangulo, {W(b), W(r), W(t), W(l)}}; }
std::vector<std::uint16_t> Texto(std::string_view t) {
  std::vector<std::uint16_t> w;
  for (std::size_t k = 0; k < t.size(); k += 2) {
    const auto a = static_cast<std::uint8_t>(t[k]);
    const auto b = k + 1 < t.size() ? static_cast<std::uint8_t>(t[k + 1]) : std::uint8_t{0};
    w.push_back(static_cast<std::uint16_t>(a | (b << 8)));
  }
  return w;
}

// A metafile without placeable header.
Bytes Crudo(const std::vector<CReg>& registros, std::uint16_t objetos = 8) {
  std::vector<std::uint16_t> w = {1, 9, 0x0300, 0, 0, objetos, 0, 0, 0};
  for (const CReg& r : registros) {
    const auto n = static_cast<std::uint32_t>(3 + r.p.size());
    w.push_back(static_cast<std::uint16_t>(n & 0xFFFF));
    w.push_back(static_cast<std::uint16_t>(n >> 16));
    w.push_back(r.funcion);
    w.insert(w.end(), r.p.begin(), r.p.end());
  }
  w.insert(w.end(), {3, 0, 0});
  w[3] = static_cast<std::uint16_t>(w.size() & 0xFFFF);
  w[4] = static_cast<std::uint16_t>(w.size() >> 16);
  Bytes b(w.size() * 2);
  for (std::size_t i = 0; i < w.size(); ++i) Pon16(b, 2 * i, w[i]);
  return b;
}

// An A4 page picture in twips with a frame, a filled box, a triangle and text.
Bytes PaginaDePrueba() {
  CEscritorMetaFile e({0, 0, 11906, 16838}, 1440);
  const int pluma = e.CrearPluma(CPluma{EstiloPluma::Solida, 0, kNegro});
  const int hueco = e.CrearPincel(CPincel{EstiloPincel::Nulo, kBlanco});
  const int rojo = e.CrearPincel(CPincel{EstiloPincel::Solido, kRojo});
  const int fuente = e.CrearFuente(CFuente{"Arial", -400, 700});
  e.Seleccionar(pluma);
  e.Seleccionar(hueco);
  e.Rectangulo({1000, 1000, 6000, 3000});
  e.Seleccionar(rojo);
  e.Rectangulo({7000, 1000, 11000, 3000});
  e.Seleccionar(fuente);
  e.PonModoFondo(ModoFondo::Transparente);
  e.PonColorTexto(kAzul);
  e.PonAlineacionTexto(kAlineaBase);
  e.Texto({1000, 6000}, "Casilla \xD1");
  const CPunto triangulo[] = {{1000, 8000}, {6000, 8000}, {1000, 12000}};
  e.Poligono(triangulo);
  e.Linea({1000, 15000}, {11000, 15000});
  e.Borrar(rojo);
  return e.Bytes();
}

}  // namespace

TEST(MetaFile, TamanosSegunLaCabecera) {
  CMetaFile conCabecera;
  ASSERT_EQ(Leer(conCabecera, PaginaDePrueba()), 1);
  EXPECT_EQ(conCabecera.DameTamano(), (CTamano{2100, 2970}));
  EXPECT_EQ(conCabecera.Cabecera().clave, wmf::kClavePlaceable);
  EXPECT_EQ(conCabecera.Cabecera().unidadesPorPulgada, 1440);
  EXPECT_EQ(conCabecera.Cabecera().derecha, 11906);
  EXPECT_EQ(conCabecera.Cabecera().abajo, 16838);

  CMetaFile sinCabecera;
  ASSERT_EQ(Leer(sinCabecera, Crudo({Rect(0, 0, 100, 100)})), 1);
  EXPECT_EQ(sinCabecera.DameTamano(), (CTamano{790, 1100}));
  EXPECT_EQ(sinCabecera.Cabecera(), CCabeceraPlaceable{});

  CMetaFile vacio;
  EXPECT_TRUE(vacio.EstaVacio());
  EXPECT_EQ(vacio.DameTamano(), (CTamano{0, 0}));
  CLienzo l = CLienzo::Imagen(10, 10);
  EXPECT_EQ(vacio.Dibujar(l, {0, 0, 10, 10}, 0), 0);

  conCabecera.Vaciar();
  EXPECT_TRUE(conCabecera.EstaVacio());
  EXPECT_EQ(conCabecera.Cabecera(), CCabeceraPlaceable{});
}

TEST(MetaFile, CabeceraPlaceableDelEscritor) {
  const Bytes b = PaginaDePrueba();
  ASSERT_GT(b.size(), 40u);
  std::uint16_t suma = 0;
  for (std::size_t i = 0; i < 20; i += 2) suma ^= static_cast<std::uint16_t>(b[i] | (b[i + 1] << 8));
  EXPECT_EQ(b[20] | (b[21] << 8), suma);
  // The metafile header states the words that follow the placeable header.
  const std::uint32_t palabras = static_cast<std::uint32_t>(b[28] | (b[29] << 8) | (b[30] << 16) | (b[31] << 24));
  EXPECT_EQ(palabras * 2, b.size() - 22);
  EXPECT_EQ(b[32] | (b[33] << 8), 4);  // four objects were alive at once

  CEscritorMetaFile fuera({0, 0, 100, 100}, 1440);
  fuera.Linea({0, 0}, {40000, 0});
  EXPECT_FALSE(fuera.Correcto());
  EXPECT_TRUE(fuera.Bytes().empty());
  EXPECT_EQ(fuera.Guardar(Temporal("fuera.wmf")), 0);
  EXPECT_FALSE(CEscritorMetaFile({0, 0, 0, 100}, 1440).Correcto());
  EXPECT_FALSE(CEscritorMetaFile({0, 0, 100, 100}, 0).Correcto());
}

TEST(MetaFile, AjustarRectPorCodigo) {
  struct Caso {
    int codigo;
    CRectangulo rect;
    CTamano tamano;
    CRectangulo esperado;
  };
  const CRectangulo ancho{0, 0, 1000, 500};
  const Caso casos[] = {
      {1, ancho, {200, 100}, {0, 0, 200, 100}},
      {2, ancho, {200, 100}, {400, 0, 600, 100}},
      {3, ancho, {200, 100}, {800, 0, 1000, 100}},
      {4, ancho, {200, 100}, {0, 200, 200, 300}},
      {5, ancho, {200, 100}, {400, 200, 600, 300}},
      {6, ancho, {200, 100}, {800, 200, 1000, 300}},
      {7, ancho, {200, 100}, {0, 400, 200, 500}},
      {8, ancho, {200, 100}, {400, 400, 600, 500}},
      {9, ancho, {200, 100}, {800, 400, 1000, 500}},
      // Codes 1 to 9 never leave the rectangle passed in.
      {5, ancho, {2000, 1000}, ancho},
      {1, ancho, {2000, 1000}, ancho},
      {9, {100, 100, 200, 200}, {300, 50}, {100, 150, 200, 200}},
      {10, ancho, {200, 100}, ancho},
      // Code 11 keeps the proportions: a wide rectangle centres the page at full height, a tall one at full width.
      {11, ancho, {2100, 2970}, {323, 0, 676, 500}},
      {11, {0, 0, 100, 1000}, {2100, 2970}, {0, 429, 100, 570}},
      {11, ancho, {0, 0}, ancho},
      {0, ancho, {200, 100}, ancho},
      {12, ancho, {200, 100}, ancho},
      {-1, ancho, {200, 100}, ancho},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(testing::Message() << "codigo " << c.codigo << " tamano " << c.tamano.cx << "x" << c.tamano.cy);
    CRectangulo r = c.rect;
    CMetaFile::AjustarRect(r, c.tamano, c.codigo);
    EXPECT_EQ(r, c.esperado) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST(MetaFile, FicherosDanadosNoDejanImagen) {
  const Bytes bueno = Crudo({Rect(0, 0, 100, 100)});
  const auto conCambio = [&](std::size_t i, std::uint16_t v) {
    Bytes b = bueno;
    Pon16(b, i, v);
    return b;
  };
  const auto conTotal = [&](std::uint32_t palabras) {
    Bytes b = bueno;
    Pon32(b, 6, palabras);
    return b;
  };
  const auto placeable = [&](std::int16_t l, std::int16_t t, std::int16_t r, std::int16_t bo, std::uint16_t u) {
    Bytes b(22 + bueno.size());
    std::copy(bueno.begin(), bueno.end(), b.begin() + 22);
    Pon32(b, 0, wmf::kClavePlaceable);
    Pon16(b, 6, static_cast<std::uint16_t>(l));
    Pon16(b, 8, static_cast<std::uint16_t>(t));
    Pon16(b, 10, static_cast<std::uint16_t>(r));
    Pon16(b, 12, static_cast<std::uint16_t>(bo));
    Pon16(b, 14, u);
    return b;
  };
  const Bytes conClave = placeable(0, 0, 100, 100, 1440);
  Bytes registroNulo = bueno;
  Pon32(registroNulo, 18, 0);
  Bytes registroLargo = bueno;
  Pon32(registroLargo, 18, 1000);
  struct Caso {
    const char* nombre;
    Bytes bytes;
    ErrorMetaFile error;
  };
  const Caso casos[] = {
      {"vacio", {}, ErrorMetaFile::Cortado},
      {"tres bytes", {1, 0, 9}, ErrorMetaFile::Cortado},
      {"solo la clave", Bytes(conClave.begin(), conClave.begin() + 4), ErrorMetaFile::Cortado},
      {"clave y cabecera cortada", Bytes(conClave.begin(), conClave.begin() + 30), ErrorMetaFile::Cortado},
      {"cabecera cortada", Bytes(bueno.begin(), bueno.begin() + 12), ErrorMetaFile::Cortado},
      {"tipo 3", conCambio(0, 3), ErrorMetaFile::NoEsMetaFile},
      {"tipo 0", conCambio(0, 0), ErrorMetaFile::NoEsMetaFile},
      {"cabecera de 8 palabras", conCambio(2, 8), ErrorMetaFile::Danado},
      {"cabecera mayor que el total", conCambio(2, 200), ErrorMetaFile::Danado},
      {"total mayor que el fichero", conTotal(static_cast<std::uint32_t>(bueno.size() / 2 + 1)),
       ErrorMetaFile::Cortado},
      {"total de mil millones de palabras", conTotal(1000000000u), ErrorMetaFile::DemasiadoGrande},
      {"total menor que la cabecera", conTotal(4), ErrorMetaFile::Danado},
      {"registro de tamano cero", registroNulo, ErrorMetaFile::Danado},
      {"registro que sale del fichero", registroLargo, ErrorMetaFile::Danado},
      {"unidades por pulgada cero", placeable(0, 0, 100, 100, 0), ErrorMetaFile::Danado},
      {"caja sin ancho", placeable(100, 0, 100, 100, 1440), ErrorMetaFile::Danado},
      {"caja invertida", placeable(0, 100, 100, 0, 1440), ErrorMetaFile::Danado},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    CMetaFile m;
    ASSERT_EQ(Leer(m, PaginaDePrueba()), 1);
    EXPECT_EQ(Leer(m, c.bytes), 0);
    EXPECT_TRUE(m.EstaVacio());
    EXPECT_EQ(m.DameTamano(), (CTamano{0, 0}));
    EXPECT_EQ(m.Cabecera(), CCabeceraPlaceable{});
    EXPECT_EQ(m.UltimoError(), c.error);
  }
  CMetaFile m;
  EXPECT_EQ(Leer(m, placeable(0, 0, 100, 100, 1440)), 1);
  EXPECT_EQ(m.UltimoError(), ErrorMetaFile::Ninguno);
}

namespace {

// A stream that says it holds `largo` bytes (the first ones given, zeros after) and notes how far it was read.
class CFlujoEnorme : public std::streambuf {
 public:
  CFlujoEnorme(Bytes inicio, std::uint64_t largo) : inicio_(std::move(inicio)), largo_(largo) {}
  std::uint64_t leidoHasta = 0;

 protected:
  pos_type seekoff(off_type desp, std::ios_base::seekdir dir, std::ios_base::openmode) override {
    const std::int64_t actual = static_cast<std::int64_t>(pos_) - (egptr() - gptr());
    const std::int64_t base = dir == std::ios_base::beg ? 0 : dir == std::ios_base::cur ? actual
                                                                                        : static_cast<std::int64_t>(largo_);
    if (base + desp < 0) return pos_type(off_type(-1));
    pos_ = static_cast<std::uint64_t>(base + desp);
    setg(nullptr, nullptr, nullptr);
    return pos_type(static_cast<off_type>(pos_));
  }
  pos_type seekpos(pos_type p, std::ios_base::openmode modo) override {
    return seekoff(off_type(p), std::ios_base::beg, modo);
  }
  int_type underflow() override {
    if (pos_ >= largo_) return traits_type::eof();
    c_ = pos_ < inicio_.size() ? static_cast<char>(inicio_[pos_]) : '\0';
    setg(&c_, &c_, &c_ + 1);
    ++pos_;
    leidoHasta = std::max(leidoHasta, pos_);
    return traits_type::to_int_type(c_);
  }

 private:
  Bytes inicio_;
  std::uint64_t largo_;
  std::uint64_t pos_ = 0;
  char c_ = 0;
};

}  // namespace

// A header claiming 10^9 words in a file that is really that large is refused by the cap, before the body is
// read or memory is taken for it.
TEST(MetaFile, TamanoEnormeSeRechazaSinReservar) {
  Bytes cabecera = Crudo({});
  Pon32(cabecera, 6, 1000000000u);
  CFlujoEnorme flujo(cabecera, 3000000000ull);
  std::istream entrada(&flujo);
  CMetaFile m;
  EXPECT_EQ(m.LeerFichero(entrada), 0);
  EXPECT_EQ(m.UltimoError(), ErrorMetaFile::DemasiadoGrande);
  EXPECT_LE(flujo.leidoHasta, wmf::kBytesCabecera);
  EXPECT_TRUE(m.EstaVacio());
}

TEST(MetaFile, CargarDesdeFichero) {
  CEscritorMetaFile e({0, 0, 11906, 16838}, 1440);
  e.Rectangulo({100, 100, 200, 200});
  const std::string ruta = Temporal("pagina.wmf");
  ASSERT_EQ(e.Guardar(ruta), 1);
  CMetaFile m;
  EXPECT_EQ(m.Cargar(ruta), 1);
  EXPECT_EQ(m.DameTamano(), (CTamano{2100, 2970}));
  std::filesystem::remove(ruta);
  EXPECT_EQ(m.Cargar(ruta), 0);
  EXPECT_EQ(m.UltimoError(), ErrorMetaFile::NoSeAbre);
  EXPECT_TRUE(m.EstaVacio());
}

// The writer's picture played into a PNG: frames, fills, text and lines where the picture puts them.
TEST(MetaFile, DibujaLaPaginaEscritaEnUnaImagen) {
  CMetaFile m;
  ASSERT_EQ(Leer(m, PaginaDePrueba()), 1);
  // 11906 x 16838 twips onto 238 x 337 pixels: one pixel is 50 twips.
  CLienzo l = CLienzo::Imagen(238, 337);
  ASSERT_EQ(m.Dibujar(l, {0, 0, 238, 337}, 0), 1);
  const std::string ruta = Temporal("pagina.png");
  ASSERT_TRUE(l.GuardarPng(ruta));
  EXPECT_GT(std::filesystem::file_size(ruta), 100u);
  std::filesystem::remove(ruta);
  EXPECT_TRUE(l.Correcto());
  EXPECT_EQ(l.Profundidad(), 0);

  // Frame 1000,1000 - 6000,3000 twips: pixels 20..119 x 20..59, hollow.
  for (CPunto p : {CPunto{20, 20}, CPunto{119, 20}, CPunto{20, 59}, CPunto{119, 59}, CPunto{70, 20}}) {
    EXPECT_EQ(l.Pixel(p.x, p.y), kNegro) << p.x << "," << p.y;
  }
  EXPECT_EQ(l.Pixel(70, 40), kBlanco);
  EXPECT_EQ(l.Pixel(19, 19), kBlanco);
  // Red box 7000,1000 - 11000,3000 twips.
  EXPECT_EQ(l.Pixel(180, 40), kRojo);
  EXPECT_EQ(l.Pixel(140, 20), kNegro);
  // Triangle, filled with the red brush still selected.
  EXPECT_EQ(l.Pixel(30, 170), kRojo);
  EXPECT_EQ(l.Pixel(110, 230), kBlanco);
  // Line at 15000 twips.
  EXPECT_EQ(l.Pixel(120, 300), kNegro);
  // Blue text on the baseline at 6000 twips (pixel 120), 400 twips high (8 pixels).
  int azules = 0;
  for (int y = 108; y <= 121; ++y) {
    for (int x = 20; x < 140; ++x) {
      const auto c = l.Pixel(x, y);
      azules += (c && c->b > 150 && c->r < 120) ? 1 : 0;
    }
  }
  EXPECT_GT(azules, 20);
}

TEST(MetaFile, CodigoOnceCentraEnUnRectanguloAncho) {
  CEscritorMetaFile e({0, 0, 1000, 1000}, 1000);
  e.Seleccionar(e.CrearPincel(CPincel{EstiloPincel::Solido, kNegro}));
  e.Rectangulo({0, 0, 1000, 1000});
  CMetaFile m;
  ASSERT_EQ(Leer(m, e.Bytes()), 1);
  CLienzo l = CLienzo::Imagen(300, 100);
  ASSERT_EQ(m.Dibujar(l, {0, 0, 300, 100}, 11), 1);
  EXPECT_EQ(l.Pixel(100, 0), kNegro);
  EXPECT_EQ(l.Pixel(199, 99), kNegro);
  EXPECT_EQ(l.Pixel(150, 50), kNegro);
  EXPECT_EQ(l.Pixel(98, 50), kBlanco);
  EXPECT_EQ(l.Pixel(201, 50), kBlanco);

  // Code 0 stretches the picture over the whole rectangle.
  CLienzo estirado = CLienzo::Imagen(300, 100);
  ASSERT_EQ(m.Dibujar(estirado, {0, 0, 300, 100}, 0), 1);
  EXPECT_EQ(estirado.Pixel(5, 50), kNegro);
  EXPECT_EQ(estirado.Pixel(295, 50), kNegro);
}

// The common records written by hand, the way other programs write them.
TEST(MetaFile, ReproduceLosRegistrosComunes) {
  const auto cian = Color(kCian);
  const auto negro = Color(kNegro);
  const std::string texto = "ABC";
  std::vector<std::uint16_t> textoExt = {W(62), W(61), W(3), wmf::kTextoExtOpaco, W(60), W(60), W(95), W(80)};
  for (auto w : Texto(texto)) textoExt.push_back(w);
  std::vector<std::uint16_t> textoSimple = {W(3)};
  for (auto w : Texto(texto)) textoSimple.push_back(w);
  textoSimple.insert(textoSimple.end(), {W(85), W(5)});
  std::vector<std::uint16_t> fuente = {W(-12), 0, 0, 0, W(400), 0, 0, 0, 0};
  for (auto w : Texto("Arial")) fuente.push_back(w);
  fuente.push_back(0);
  const Bytes bytes = Crudo({
      {wmf::kPonModoMapeo, {8}},
      {wmf::kPonOrigenVentana, {W(0), W(0)}},
      {wmf::kPonExtensionVentana, {W(100), W(100)}},
      Pluma(kRojo),                        // slot 0
      Pluma(kAzul),                        // slot 1
      {wmf::kBorrarObjeto, {0}},           // frees slot 0
      Pluma(kVerde),                       // takes slot 0 again
      {wmf::kSeleccionarObjeto, {0}},
      {wmf::kMoverA, {W(10), W(10)}},
      {wmf::kLineaA, {W(10), W(90)}},
      Pincel(0, kAmarillo),                // slot 2
      {wmf::kSeleccionarObjeto, {2}},
      Rect(20, 20, 40, 40),
      {0x0626, {1, 2, 3}},                 // an escape: nothing drawn, the records after it still are
      {wmf::kGuardarDC, {}},
      {wmf::kSeleccionarObjeto, {1}},
      {wmf::kRecortarRect, {W(100), W(100), W(0), W(50)}},
      Rect(44, 20, 56, 30),                // clipped: only its right part shows
      {wmf::kRestaurarDC, {W(-1)}},
      Rect(44, 32, 48, 36),                // green pen again after the restore
      {wmf::kPolilinea, {3, W(5), W(50), W(15), W(50), W(15), W(60)}},
      {wmf::kPoligono, {3, W(20), W(45), W(40), W(45), W(20), W(55)}},
      {wmf::kPonColorFondo, {cian[0], cian[1]}},
      {wmf::kPonColorTexto, {negro[0], negro[1]}},
      {wmf::kCrearFuente, fuente},         // slot 3
      {wmf::kSeleccionarObjeto, {3}},
      {wmf::kTextoExt, textoExt},
      {wmf::kPonModoFondo, {1}},
      {wmf::kTexto, textoSimple},
      {wmf::kSeleccionarObjeto, {40}},     // no such object
      {wmf::kBorrarObjeto, {40}},
  });
  CMetaFile m;
  ASSERT_EQ(Leer(m, bytes), 1);
  CLienzo l = CLienzo::Imagen(100, 100);
  ASSERT_EQ(m.Dibujar(l, {0, 0, 100, 100}, 0), 1);
  EXPECT_TRUE(l.Correcto());
  EXPECT_EQ(l.Pixel(50, 10), kVerde);     // line with the pen that reused slot 0
  EXPECT_EQ(l.Pixel(20, 20), kVerde);     // rectangle outline
  EXPECT_EQ(l.Pixel(30, 30), kAmarillo);  // and its brush
  EXPECT_EQ(l.Pixel(46, 20), kBlanco);    // clipped away
  EXPECT_EQ(l.Pixel(55, 20), kAzul);      // inside the clip, blue pen
  EXPECT_EQ(l.Pixel(52, 25), kAmarillo);
  EXPECT_EQ(l.Pixel(44, 32), kVerde);
  EXPECT_EQ(l.Pixel(10, 50), kVerde);     // polyline
  EXPECT_EQ(l.Pixel(15, 55), kVerde);
  EXPECT_EQ(l.Pixel(10, 55), kBlanco);    // not closed
  EXPECT_EQ(l.Pixel(24, 48), kAmarillo);  // polygon
  EXPECT_EQ(l.Pixel(61, 61), kCian);      // extended text's opaque rectangle
  EXPECT_EQ(l.Pixel(94, 79), kCian);
  int oscuros = 0;
  for (int y = 84; y < 100; ++y) {
    for (int x = 5; x < 40; ++x) {
      const auto c = l.Pixel(x, y);
      oscuros += (c && c->r < 128 && c->g < 128 && c->b < 128) ? 1 : 0;
    }
  }
  EXPECT_GT(oscuros, 5);  // the plain text record
}

TEST(MetaFile, TablaDeObjetosLlenaPierdeElObjeto) {
  const Bytes bytes = Crudo({{wmf::kPonExtensionVentana, {W(10), W(10)}}, Pluma(kRojo), Pluma(kAzul),
                             {wmf::kSeleccionarObjeto, {1}}, {wmf::kSeleccionarObjeto, {0}}, Rect(2, 2, 8, 8)},
                            1);
  CMetaFile m;
  ASSERT_EQ(Leer(m, bytes), 1);
  CLienzo l = CLienzo::Imagen(10, 10);
  m.Dibujar(l, {0, 0, 10, 10}, 0);
  EXPECT_EQ(l.Pixel(2, 2), kRojo);
}

// A picture that saves states without end does not take memory without end, and every state is given back.
TEST(MetaFile, EstadosGuardadosSinFinSeAcotan) {
  std::vector<CReg> registros = {{wmf::kPonExtensionVentana, {W(10), W(10)}}};
  registros.insert(registros.end(), 200000, CReg{wmf::kGuardarDC, {}});
  registros.push_back(Pluma(kRojo));
  registros.push_back({wmf::kSeleccionarObjeto, {0}});
  registros.push_back(Rect(1, 1, 9, 9));
  CMetaFile m;
  ASSERT_EQ(Leer(m, Crudo(registros)), 1);
  CLienzo l = CLienzo::Imagen(10, 10);
  l.Guardar();
  ASSERT_EQ(m.Dibujar(l, {0, 0, 10, 10}, 0), 1);
  EXPECT_EQ(l.Profundidad(), 1);
  EXPECT_EQ(l.Pixel(1, 1), kRojo);
}

// Without a placeable header or a window of its own, a picture fills the rectangle with what it draws.
TEST(MetaFile, SinVentanaPropiaUsaLoQueDibuja) {
  CMetaFile m;
  ASSERT_EQ(Leer(m, Crudo({Pluma(kRojo), {wmf::kSeleccionarObjeto, {0}}, Rect(50, 50, 150, 100)})), 1);
  CLienzo l = CLienzo::Imagen(100, 50);
  ASSERT_EQ(m.Dibujar(l, {0, 0, 100, 50}, 0), 1);
  EXPECT_EQ(l.Pixel(0, 0), kRojo);
  EXPECT_EQ(l.Pixel(50, 0), kRojo);
  EXPECT_EQ(l.Pixel(0, 25), kRojo);
  EXPECT_EQ(l.Pixel(50, 25), kBlanco);

  CMetaFile nada;
  ASSERT_EQ(Leer(nada, Crudo({})), 1);
  EXPECT_EQ(nada.Dibujar(l, {0, 0, 100, 50}, 0), 1);
}

TEST(MetaFile, SerializacionDeIdaYVuelta) {
  CMetaFile vacio;
  std::ostringstream salidaVacia;
  ASSERT_EQ(vacio.Serialize(salidaVacia), 1);
  EXPECT_EQ(salidaVacia.str(), std::string(28, '\0'));

  CMetaFile m;
  ASSERT_EQ(Leer(m, PaginaDePrueba()), 1);
  std::ostringstream salida;
  ASSERT_EQ(m.Serialize(salida), 1);
  const std::string archivo = salida.str() + "resto del archivo";
  std::istringstream entrada(archivo);
  CMetaFile copia;
  ASSERT_EQ(copia.Serialize(entrada), 1);
  EXPECT_EQ(copia.Cabecera(), m.Cabecera());
  EXPECT_EQ(copia.DameTamano(), (CTamano{2100, 2970}));
  std::string resto;
  std::getline(entrada, resto);
  EXPECT_EQ(resto, "resto del archivo");
  std::ostringstream otraVez;
  copia.Serialize(otraVez);
  EXPECT_EQ(otraVez.str(), salida.str());

  std::istringstream entradaVacia(salidaVacia.str());
  EXPECT_EQ(copia.Serialize(entradaVacia), 1);
  EXPECT_TRUE(copia.EstaVacio());

  // Damaged archives: cut short, a count past the end, bits that are no metafile.
  std::string cortado = salida.str().substr(0, 10);
  std::string cuentaLarga = salida.str();
  cuentaLarga[26] = '\x7F';
  std::string bitsMalos = salida.str();
  bitsMalos[28] = 9;  // metafile type 9
  for (const std::string& malo : {cortado, cuentaLarga, bitsMalos}) {
    std::istringstream e(malo);
    CMetaFile d;
    EXPECT_EQ(d.Serialize(e), 0);
    EXPECT_TRUE(d.EstaVacio());
  }
}
