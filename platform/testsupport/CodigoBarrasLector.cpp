#include "CodigoBarrasLector.h"

#include <cairo.h>

#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <memory>

namespace pruebas {

std::vector<CCodigoLeido> LeerCodigosPng(const std::string& ruta) {
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> imagen(
      cairo_image_surface_create_from_png(ruta.c_str()), &cairo_surface_destroy);
  std::vector<CCodigoLeido> leidos;
  if (cairo_surface_status(imagen.get()) != CAIRO_STATUS_SUCCESS) return leidos;
  cairo_surface_flush(imagen.get());
  const cairo_format_t formato = cairo_image_surface_get_format(imagen.get());
  if (formato != CAIRO_FORMAT_ARGB32 && formato != CAIRO_FORMAT_RGB24) return leidos;
  // cairo keeps each pixel as a native 32-bit word: blue, green, red, alpha in memory on this machine.
  const ZXing::ImageView vista(cairo_image_surface_get_data(imagen.get()), cairo_image_surface_get_width(imagen.get()),
                               cairo_image_surface_get_height(imagen.get()), ZXing::ImageFormat::BGRX,
                               cairo_image_surface_get_stride(imagen.get()));
  ZXing::DecodeHints pistas;
  pistas.setFormats(ZXing::BarcodeFormat::PDF417 | ZXing::BarcodeFormat::Code128);
  pistas.setTryHarder(true);
  pistas.setTryRotate(false);
  pistas.setTryDownscale(false);
  for (const ZXing::Result& r : ZXing::ReadBarcodes(vista, pistas)) {
    if (!r.isValid()) continue;
    CCodigoLeido c;
    c.formato = ZXing::ToString(r.format());
    c.bytes.assign(r.bytes().begin(), r.bytes().end());
    c.simbologia = r.symbologyIdentifier();
    c.indice = r.sequenceIndex();
    c.cuenta = r.sequenceSize();
    c.idSecuencia = r.sequenceId();
    const auto& p = r.position();
    c.izquierda = std::min({p.topLeft().x, p.bottomLeft().x, p.topRight().x, p.bottomRight().x});
    c.arriba = std::min({p.topLeft().y, p.bottomLeft().y, p.topRight().y, p.bottomRight().y});
    leidos.push_back(std::move(c));
  }
  return leidos;
}

std::vector<std::uint8_t> UnirSecuencia(const std::vector<CCodigoLeido>& codigos) {
  if (codigos.size() == 1 && codigos.front().indice < 0) return codigos.front().bytes;
  std::vector<const CCodigoLeido*> orden;
  for (const CCodigoLeido& c : codigos) {
    if (c.indice < 0 || c.cuenta != static_cast<int>(codigos.size()) || c.idSecuencia != codigos.front().idSecuencia) {
      return {};
    }
    orden.push_back(&c);
  }
  std::sort(orden.begin(), orden.end(), [](const CCodigoLeido* a, const CCodigoLeido* b) { return a->indice < b->indice; });
  std::vector<std::uint8_t> unidos;
  for (std::size_t i = 0; i < orden.size(); ++i) {
    if (orden[i]->indice != static_cast<int>(i)) return {};
    unidos.insert(unidos.end(), orden[i]->bytes.begin(), orden[i]->bytes.end());
  }
  return unidos;
}

}  // namespace pruebas
