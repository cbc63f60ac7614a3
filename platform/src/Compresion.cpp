#include "platform/Compresion.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <vector>

namespace plataforma {

std::int16_t Comprimir(std::string_view /*formulario*/, std::string_view pieza, std::span<std::uint8_t> salida) {
  if (pieza.empty() || pieza.size() > std::numeric_limits<uLong>::max()) return 0;
  uLongf tamano = compressBound(static_cast<uLong>(pieza.size()));
  std::vector<Bytef> comprimido(tamano);
  if (compress2(comprimido.data(), &tamano, reinterpret_cast<const Bytef*>(pieza.data()),
                static_cast<uLong>(pieza.size()), Z_BEST_COMPRESSION) != Z_OK) {
    return 0;
  }
  if (tamano > static_cast<uLongf>(std::numeric_limits<std::int16_t>::max())) return 0;
  if (tamano <= salida.size()) std::copy_n(comprimido.begin(), tamano, salida.begin());
  return static_cast<std::int16_t>(tamano);
}

std::optional<std::string> Descomprimir(std::span<const std::uint8_t> datos, std::size_t maximo) {
  if (datos.empty() || datos.size() > std::numeric_limits<uInt>::max()) return std::nullopt;
  z_stream flujo{};
  if (inflateInit(&flujo) != Z_OK) return std::nullopt;
  flujo.next_in = const_cast<Bytef*>(datos.data());
  flujo.avail_in = static_cast<uInt>(datos.size());
  std::string resultado;
  char trozo[4096];
  int estado = Z_OK;
  while (estado == Z_OK) {
    flujo.next_out = reinterpret_cast<Bytef*>(trozo);
    flujo.avail_out = sizeof trozo;
    estado = inflate(&flujo, Z_NO_FLUSH);
    const std::size_t hechos = sizeof trozo - flujo.avail_out;
    if (resultado.size() + hechos > maximo) {
      estado = Z_BUF_ERROR;
      break;
    }
    resultado.append(trozo, hechos);
    if (estado == Z_OK && hechos == 0 && flujo.avail_in == 0) estado = Z_BUF_ERROR;  // the stream is cut short
  }
  // Sound only when the stream ends where the data ends.
  const bool bien = estado == Z_STREAM_END && flujo.avail_in == 0;
  inflateEnd(&flujo);
  if (!bien) return std::nullopt;
  return resultado;
}

std::uint32_t SumaCrc32(std::span<const std::uint8_t> datos) {
  uLong suma = crc32(0L, Z_NULL, 0);
  std::size_t hecho = 0;
  while (hecho < datos.size()) {
    const std::size_t trozo = std::min<std::size_t>(datos.size() - hecho, std::numeric_limits<uInt>::max());
    suma = crc32(suma, datos.data() + hecho, static_cast<uInt>(trozo));
    hecho += trozo;
  }
  return static_cast<std::uint32_t>(suma);
}

}  // namespace plataforma
