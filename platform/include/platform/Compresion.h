// The compressor of the bar-code data: zlib behind the call the bar-code frame is built with. A piece of the data
// record goes in; the zlib stream (header, deflate data and check sum) comes out, so any reader can undo it and
// tell damaged data from good.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace plataforma {

// Compresses `pieza` into `salida`. Gives the number of bytes written (1 or more); when `salida` is too small,
// nothing is written and the count is the size it needs, which is above `salida.size()`; 0 or less on failure
// (an empty piece, or a result that a 16-bit count cannot give). `formulario` (form and year, such as
// "1001999   ") is part of the call and does not steer the compression.
std::int16_t Comprimir(std::string_view formulario, std::string_view pieza, std::span<std::uint8_t> salida);

// The reverse: the bytes of one compressed piece, or nothing when the data is not a whole, sound zlib stream or
// would give more than `maximo` bytes.
std::optional<std::string> Descomprimir(std::span<const std::uint8_t> datos, std::size_t maximo);

// CRC-32 of the bytes (the zlib one).
std::uint32_t SumaCrc32(std::span<const std::uint8_t> datos);

}  // namespace plataforma
