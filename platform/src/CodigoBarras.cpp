#include "platform/CodigoBarras.h"

#include <zint.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/Compresion.h"

namespace plataforma {

namespace {

// One zint symbol, freed with its buffers however the encoding ends.
struct CBorrarZint {
  void operator()(zint_symbol* s) const { ZBarcode_Delete(s); }
};
using CZint = std::unique_ptr<zint_symbol, CBorrarZint>;

// zint keeps the modules of each row as bits, the first module in the lowest bit of the first byte.
bool ModuloZint(const zint_symbol& s, int fila, int columna) {
  return ((s.encoded_data[fila][columna >> 3] >> (columna & 7)) & 1) != 0;
}

// The modules of an encoded zint symbol; rows without a height of their own share the symbol's height.
CSimboloCodigoBarras ModulosDe(const zint_symbol& s) {
  const int filas = std::max(s.rows, 0);
  const int ancho = std::max(s.width, 0);
  std::vector<int> altos(static_cast<std::size_t>(filas), 1);
  const int altoComun = filas > 0 ? std::max(1, static_cast<int>(s.height / static_cast<float>(filas) + 0.5f)) : 1;
  std::vector<std::uint8_t> modulos(static_cast<std::size_t>(filas) * static_cast<std::size_t>(ancho), 0);
  for (int f = 0; f < filas; ++f) {
    const float alto = s.row_height[f];
    altos[static_cast<std::size_t>(f)] = alto > 0 ? std::max(1, static_cast<int>(alto + 0.5f)) : altoComun;
    for (int c = 0; c < ancho; ++c) {
      modulos[static_cast<std::size_t>(f) * static_cast<std::size_t>(ancho) + static_cast<std::size_t>(c)] =
          ModuloZint(s, f, c) ? 1 : 0;
    }
  }
  return CSimboloCodigoBarras(ancho, std::move(altos), std::move(modulos));
}

// Light modules on each side of a Code 128 symbol.
constexpr int kZonaSilencio128 = 10;

// Biggest piece one PDF417 symbol may hold (byte compaction of 928 codewords gives a little over 1,100 bytes).
constexpr std::size_t kMaximoPorSimbolo = 1200;

// Where a symbol stands in a Macro PDF417 sequence; a count of 0 is a plain symbol.
struct CSecuencia {
  int indice = 0;  // 1-based
  int cuenta = 0;
  const char* id = "";
};

// Encodes one piece in the shape asked; nothing when it does not fit that shape exactly.
std::optional<CSimboloCodigoBarras> CodificarPieza(std::span<const std::uint8_t> pieza, CFormaPdf417 forma,
                                                   const CSecuencia& secuencia) {
  if (pieza.empty() || forma.columnas < 1 || forma.columnas > 30 || forma.filas < 0 || forma.filas > 90 ||
      (forma.filas > 0 && forma.filas < 3)) {
    return std::nullopt;
  }
  CZint s(ZBarcode_Create());
  if (!s) return std::nullopt;
  s->symbology = BARCODE_PDF417;
  s->input_mode = DATA_MODE;
  s->option_2 = forma.columnas;
  s->option_3 = forma.filas;
  s->warn_level = WARN_FAIL_ALL;  // a shape the encoder would change is refused, not changed
  if (secuencia.cuenta >= 2) {
    s->structapp.index = secuencia.indice;
    s->structapp.count = secuencia.cuenta;
    std::snprintf(s->structapp.id, sizeof s->structapp.id, "%s", secuencia.id);
  }
  const int r = ZBarcode_Encode(s.get(), pieza.data(), static_cast<int>(pieza.size()));
  if (r != 0) return std::nullopt;
  if (s->option_2 != forma.columnas || (forma.filas > 0 && s->rows != forma.filas)) return std::nullopt;
  return ModulosDe(*s);
}

// The most bytes from the start of `datos` (at most `tope`) that one symbol of the shape holds; 0 when none.
std::size_t MayorPieza(std::span<const std::uint8_t> datos, std::size_t tope, CFormaPdf417 forma,
                       const CSecuencia& secuencia) {
  std::size_t alto = std::min({tope, datos.size(), kMaximoPorSimbolo});
  const auto cabe = [&](std::size_t n) { return CodificarPieza(datos.first(n), forma, secuencia).has_value(); };
  if (alto == 0) return 0;
  if (cabe(alto)) return alto;
  std::size_t bajo = 0;  // the largest known to fit (0: none)
  while (alto - bajo > 1) {
    const std::size_t medio = bajo + (alto - bajo) / 2;
    if (cabe(medio)) {
      bajo = medio;
    } else {
      alto = medio;
    }
  }
  return bajo;
}

}  // namespace

// ---- the symbol

CSimboloCodigoBarras::CSimboloCodigoBarras(int anchoModulos, std::vector<int> altosFilas,
                                           std::vector<std::uint8_t> modulos)
    : ancho_(std::max(anchoModulos, 0)), altos_(std::move(altosFilas)), modulos_(std::move(modulos)) {
  for (int& a : altos_) {
    a = std::max(a, 1);
    alto_ += a;
  }
  modulos_.resize(altos_.size() * static_cast<std::size_t>(ancho_), 0);
}

bool CSimboloCodigoBarras::Oscuro(int fila, int columna) const {
  if (fila < 0 || columna < 0 || fila >= Filas() || columna >= ancho_) return false;
  return modulos_[static_cast<std::size_t>(fila) * static_cast<std::size_t>(ancho_) +
                  static_cast<std::size_t>(columna)] != 0;
}

bool PintarSimbolo(CLienzo& lienzo, const CSimboloCodigoBarras& simbolo, CPunto origen, CTamano extension) {
  if (!lienzo.Correcto() || extension.cx <= 0 || extension.cy <= 0 || simbolo.AnchoModulos() <= 0 ||
      simbolo.AltoModulos() <= 0) {
    return false;
  }
  lienzo.Guardar();
  // One logical unit is one module: the symbol's own coordinates, stretched over the rectangle.
  lienzo.PonModoMapeo(ModoMapeo::Anisotropico);
  lienzo.PonOrigenVentana(CPunto{0, 0});
  lienzo.PonExtensionVentana(CTamano{simbolo.AnchoModulos(), simbolo.AltoModulos()});
  lienzo.PonOrigenVista(origen);
  lienzo.PonExtensionVista(extension);
  lienzo.RellenarRectangulo(CRectangulo{0, 0, simbolo.AnchoModulos(), simbolo.AltoModulos()}, kBlanco);
  int y = 0;
  for (int f = 0; f < simbolo.Filas(); ++f) {
    const int alto = simbolo.AltoFila(f);
    int c = 0;
    while (c < simbolo.AnchoModulos()) {
      if (!simbolo.Oscuro(f, c)) {
        ++c;
        continue;
      }
      const int inicio = c;
      while (c < simbolo.AnchoModulos() && simbolo.Oscuro(f, c)) ++c;
      lienzo.RellenarRectangulo(CRectangulo{inicio, y, c, y + alto}, kNegro);
    }
    y += alto;
  }
  lienzo.Restaurar();
  return lienzo.Correcto();
}

// ---- PDF417

CCodificadorPdf417::CCodificadorPdf417(std::span<const std::uint8_t> datos, std::vector<CFormaPdf417> formas)
    : datos_(datos.begin(), datos.end()), formas_(std::move(formas)) {}

void CCodificadorPdf417::Planificar() {
  planificado_ = true;
  if (datos_.empty()) {
    completo_ = true;
    return;
  }
  if (formas_.empty()) return;
  const std::span<const std::uint8_t> todo(datos_);
  // The file id of the sequence: two triplets (each below 900) from the data's check sum, so that the symbols of
  // two declarations lying side by side are not taken for one sequence.
  const std::uint32_t suma = SumaCrc32(todo);
  char id[8];
  std::snprintf(id, sizeof id, "%03u%03u", static_cast<unsigned>(suma % 900u),
                static_cast<unsigned>((suma / 900u) % 900u));

  // Fills the first `usados` shapes in order, each symbol of a sequence of `cuenta`. With `cierra`, every symbol
  // before the last takes as much as it holds (leaving at least one byte for those after it) and the last takes
  // the rest; without, every symbol takes as much as it holds and data must be left over.
  const auto repartir = [&](int usados, int cuenta, bool cierra, std::vector<CSimboloCodigoBarras>& salida) {
    std::size_t desde = 0;
    for (int i = 0; i < usados; ++i) {
      const CFormaPdf417 forma = formas_[static_cast<std::size_t>(i)];
      const CSecuencia secuencia{i + 1, cuenta, id};
      const auto resto = todo.subspan(desde);
      if (resto.empty()) return false;
      if (cierra && i + 1 == usados) {
        auto simbolo = CodificarPieza(resto, forma, secuencia);
        if (!simbolo) return false;
        salida.push_back(std::move(*simbolo));
        return true;
      }
      const std::size_t n = MayorPieza(resto, cierra ? resto.size() - 1 : resto.size(), forma, secuencia);
      if (n == 0) return false;
      auto simbolo = CodificarPieza(resto.first(n), forma, secuencia);
      if (!simbolo) return false;
      salida.push_back(std::move(*simbolo));
      desde += n;
    }
    return !cierra && desde < todo.size();
  };

  // The fewest symbols that hold the data.
  const int formas = static_cast<int>(formas_.size());
  for (int cuenta = 1; cuenta <= formas && static_cast<std::size_t>(cuenta) <= datos_.size(); ++cuenta) {
    std::vector<CSimboloCodigoBarras> simbolos;
    if (repartir(cuenta, cuenta, true, simbolos)) {
      simbolos_ = std::move(simbolos);
      completo_ = true;
      return;
    }
  }
  // More than the shapes can hold: they carry the beginning, in a sequence that announces one symbol more.
  std::vector<CSimboloCodigoBarras> simbolos;
  if (repartir(formas, formas + 1, false, simbolos)) {
    simbolos_ = std::move(simbolos);
  } else {
    fallo_ = -1;
  }
}

int CCodificadorPdf417::Siguiente() {
  if (!planificado_) Planificar();
  if (fallo_ < 0) return fallo_;
  const int planeados = static_cast<int>(simbolos_.size());
  if (actual_ + 1 < planeados) {
    ++actual_;
    return 1;
  }
  if (!completo_) {
    actual_ = planeados;  // another symbol would be needed, and there is no shape for it
    return 1;
  }
  actual_ = planeados;
  return 0;
}

const CSimboloCodigoBarras* CCodificadorPdf417::Simbolo() const {
  if (actual_ < 0 || actual_ >= static_cast<int>(simbolos_.size())) return nullptr;
  return &simbolos_[static_cast<std::size_t>(actual_)];
}

// ---- GS1-128

std::optional<CSimboloCodigoBarras> CodificarGs1128(std::string_view texto) {
  if (texto.size() < 3 || texto.size() > 48) return std::nullopt;
  for (char c : texto) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u > 0x7E || c == '[' || c == ']') return std::nullopt;
  }
  if (texto[0] < '0' || texto[0] > '9' || texto[1] < '0' || texto[1] > '9') return std::nullopt;
  // The encoder is told that the first two digits open one element string, and not to check it: the symbol then
  // holds FNC1 followed by the text exactly, with no separator of its own.
  std::string entrada = "[";
  entrada.append(texto.substr(0, 2)).append("]").append(texto.substr(2));
  CZint s(ZBarcode_Create());
  if (!s) return std::nullopt;
  s->symbology = BARCODE_GS1_128;
  s->input_mode = GS1_MODE | GS1NOCHECK_MODE;
  s->show_hrt = 0;
  s->warn_level = WARN_FAIL_ALL;
  if (ZBarcode_Encode(s.get(), reinterpret_cast<const unsigned char*>(entrada.data()),
                      static_cast<int>(entrada.size())) != 0) {
    return std::nullopt;
  }
  // The quiet zones on both sides belong to the symbol: whatever rectangle it is stretched over, the bars keep
  // their light margin.
  const CSimboloCodigoBarras barras = ModulosDe(*s);
  const int ancho = barras.AnchoModulos() + 2 * kZonaSilencio128;
  std::vector<int> altos;
  std::vector<std::uint8_t> modulos;
  for (int f = 0; f < barras.Filas(); ++f) {
    altos.push_back(barras.AltoFila(f));
    for (int c = 0; c < ancho; ++c) modulos.push_back(barras.Oscuro(f, c - kZonaSilencio128) ? 1 : 0);
  }
  return CSimboloCodigoBarras(ancho, std::move(altos), std::move(modulos));
}

bool PintarCodigoBarras(CLienzo& lienzo, const CRectangulo& destino, std::string_view texto) {
  const auto simbolo = CodificarGs1128(texto);
  if (!simbolo) return false;
  return PintarSimbolo(lienzo, *simbolo, CPunto{destino.left, destino.top}, CTamano{destino.Ancho(), destino.Alto()});
}

}  // namespace plataforma
