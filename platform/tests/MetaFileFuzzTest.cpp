// Mutated metafiles fed to the loader, the player and the archive form: none may crash, read out of bounds or
// leave the canvas broken. The seed is fixed, so a failure repeats.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/Lienzo.h"
#include "platform/MetaFile.h"
#include "platform/MetaFileEscritor.h"
#include "platform/MetaFileRegistros.h"

using namespace plataforma;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A picture that uses every record the writer has.
Bytes BaseEscrita() {
  CEscritorMetaFile e({-100, -50, 4000, 5600}, 576);
  const int pluma = e.CrearPluma(CPluma{EstiloPluma::Guiones, 0, Rgb(10, 20, 30)});
  const int gruesa = e.CrearPluma(CPluma{EstiloPluma::Solida, 30, Rgb(200, 0, 0)});
  const int rayado = e.CrearPincel(CPincel{EstiloPincel::Rayado, Rgb(0, 0, 200), Rayado::CruzDiagonal});
  const int fuente = e.CrearFuente(CFuente{"Arial", -120, 700, true, true, true, 450});
  e.Seleccionar(pluma);
  e.Seleccionar(rayado);
  e.Rectangulo({0, 0, 2000, 1000});
  e.Elipse({100, 1200, 1900, 2200});
  e.GuardarEstado();
  e.Seleccionar(gruesa);
  const CPunto puntos[] = {{0, 3000}, {1000, 2500}, {2000, 3000}, {1500, 4000}};
  e.Poligono(puntos);
  e.Polilinea(puntos);
  e.RestaurarEstado();
  e.Seleccionar(fuente);
  e.PonColorTexto(Rgb(0, 100, 0));
  e.PonColorFondo(Rgb(250, 250, 0));
  e.PonModoFondo(ModoFondo::Opaco);
  e.PonAlineacionTexto(kAlineaCentro | kAlineaBase);
  e.Texto({2000, 4500}, "Declaraci\xF3n \x80 1999");
  e.Linea({0, 5000}, {3900, 5500});
  e.Borrar(gruesa);
  return e.Bytes();
}

// A picture without placeable header with the records only other programs write.
Bytes BaseCruda() {
  std::vector<std::uint16_t> w = {1, 9, 0x0300, 0, 0, 6, 0, 0, 0};
  const auto reg = [&](std::uint16_t f, std::vector<std::uint16_t> p) {
    const auto n = static_cast<std::uint32_t>(3 + p.size());
    w.push_back(static_cast<std::uint16_t>(n));
    w.push_back(0);
    w.push_back(f);
    w.insert(w.end(), p.begin(), p.end());
  };
  reg(wmf::kPonOrigenVentana, {0, 0});
  reg(wmf::kPonExtensionVentana, {1000, 800});
  reg(wmf::kCrearPluma, {2, 3, 0, 0x00FF, 0});
  reg(wmf::kSeleccionarObjeto, {0});
  reg(wmf::kCrearPincelPatronDib, {5, 0, 1, 2});
  reg(wmf::kSeleccionarObjeto, {1});
  reg(wmf::kRectanguloRedondeado, {50, 50, 700, 700, 100, 100});
  reg(wmf::kPoliPoligono, {2, 3, 3, 0, 0, 100, 0, 0, 100, 200, 200, 300, 200, 200, 300});
  reg(wmf::kPonModoRelleno, {2});
  reg(wmf::kPonModoDibujo, {6});
  reg(wmf::kElipse, {600, 600, 400, 400});
  reg(wmf::kPonModoDibujo, {13});
  reg(wmf::kTextoExt, {400, 100, 5, 6, 90, 380, 400, 420, 0x6548, 0x6C6C, 0x006F, 1, 2, 3, 4, 5});
  reg(wmf::kCrearRegion, {0, 0, 0, 0});
  reg(wmf::kCrearPaleta, {0x300, 0});
  reg(wmf::kSeleccionarObjeto, {2});
  reg(wmf::kRestaurarDC, {3});
  reg(wmf::kGuardarDC, {});
  reg(wmf::kRecortarRect, {500, 500, 0, 0});
  reg(wmf::kLineaA, {700, 900});
  w.insert(w.end(), {3, 0, 0});
  w[3] = static_cast<std::uint16_t>(w.size());
  Bytes b(w.size() * 2);
  for (std::size_t i = 0; i < w.size(); ++i) {
    b[2 * i] = static_cast<std::uint8_t>(w[i] & 0xFF);
    b[2 * i + 1] = static_cast<std::uint8_t>(w[i] >> 8);
  }
  return b;
}

// After mutating, the stated total size is often set to fit again, so the records get past the loader.
void AjustaTotal(Bytes& b) {
  const std::size_t inicio = (b.size() >= 4 && b[0] == 0xD7 && b[1] == 0xCD && b[2] == 0xC6 && b[3] == 0x9A) ? 22 : 0;
  if (b.size() < inicio + wmf::kBytesCabecera) return;
  const auto palabras = static_cast<std::uint32_t>((b.size() - inicio) / 2);
  b.resize(inicio + palabras * 2);
  for (int k = 0; k < 4; ++k) b[inicio + 6 + k] = static_cast<std::uint8_t>(palabras >> (8 * k));
}

// Mild mutations change bytes in place (record sizes mostly survive); the others also cut, copy and insert.
void Muta(Bytes& b, std::mt19937& azar, bool suave) {
  const auto al = [&](std::size_t n) { return n == 0 ? std::size_t{0} : std::uniform_int_distribution<std::size_t>(0, n - 1)(azar); };
  static constexpr std::uint16_t kExtremos[] = {0, 1, 2, 3, 0x7FFF, 0x8000, 0xFFFF, 0xFFFE, 9, 0x0100};
  const int cambios = 1 + static_cast<int>(al(suave ? 3 : 8));
  for (int c = 0; c < cambios && !b.empty(); ++c) {
    switch (al(suave ? 3 : 6)) {
      case 0: b[al(b.size())] ^= static_cast<std::uint8_t>(1u << al(8)); break;
      case 1: b[al(b.size())] = static_cast<std::uint8_t>(al(256)); break;
      case 2: {
        const std::size_t i = al(b.size() / 2) * 2;
        if (i + 1 < b.size()) {
          const std::uint16_t v = kExtremos[al(std::size(kExtremos))];
          b[i] = static_cast<std::uint8_t>(v);
          b[i + 1] = static_cast<std::uint8_t>(v >> 8);
        }
        break;
      }
      case 3: b.resize(al(b.size() + 1)); break;
      case 4: {
        const std::size_t desde = al(b.size());
        const std::size_t n = std::min<std::size_t>(al(64) + 1, b.size() - desde);
        const Bytes trozo(b.begin() + static_cast<std::ptrdiff_t>(desde),
                          b.begin() + static_cast<std::ptrdiff_t>(desde + n));
        b.insert(b.begin() + static_cast<std::ptrdiff_t>(al(b.size() + 1)), trozo.begin(), trozo.end());
        break;
      }
      default: {
        const std::size_t n = al(16) + 1;
        const std::size_t donde = al(b.size() + 1);
        for (std::size_t k = 0; k < n; ++k) {
          b.insert(b.begin() + static_cast<std::ptrdiff_t>(donde), static_cast<std::uint8_t>(al(256)));
        }
        break;
      }
    }
  }
}

}  // namespace

TEST(MetaFileFuzz, MilesDeFicherosMutadosNoRompenNada) {
  const Bytes bases[] = {BaseEscrita(), BaseCruda()};
  for (const Bytes& base : bases) {
    CMetaFile m;
    std::istringstream flujo(std::string(base.begin(), base.end()));
    ASSERT_EQ(m.LeerFichero(flujo), 1);
  }
  std::mt19937 azar(19990615u);
  constexpr int kCasos = 5000;
  int cargados = 0;
  for (int caso = 0; caso < kCasos; ++caso) {
    Bytes b = bases[caso % 2];
    Muta(b, azar, caso % 4 < 2);
    if (caso % 4 != 3) AjustaTotal(b);
    CMetaFile m;
    std::istringstream flujo(std::string(b.begin(), b.end()));
    const int cargado = m.LeerFichero(flujo);
    ASSERT_EQ(cargado == 0, m.EstaVacio()) << "caso " << caso;
    if (cargado == 0) {
      ASSERT_EQ(m.DameTamano(), (CTamano{0, 0})) << "caso " << caso;
      continue;
    }
    ++cargados;
    CLienzo l = CLienzo::Imagen(60, 80);
    ASSERT_EQ(m.Dibujar(l, {0, 0, 60, 80}, static_cast<int>(azar() % 13)), 1) << "caso " << caso;
    ASSERT_TRUE(l.Correcto()) << "caso " << caso;
    ASSERT_EQ(l.Profundidad(), 0) << "caso " << caso;
    // The archive form gives the same picture back.
    std::stringstream archivo;
    ASSERT_EQ(m.Serialize(static_cast<std::ostream&>(archivo)), 1);
    CMetaFile copia;
    ASSERT_EQ(copia.Serialize(static_cast<std::istream&>(archivo)), 1) << "caso " << caso;
    ASSERT_EQ(copia.DameTamano(), m.DameTamano());
  }
  // Enough of them got through to exercise the player, not only the loader's checks.
  EXPECT_GT(cargados, kCasos / 4);
}
