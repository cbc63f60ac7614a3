// The compressed frame of the bar-code data record: the record is compressed in pieces of 4,096 characters and
// framed with a header that names the form, the total length, the person's identifier and the number of pieces.
// The frame is what the PDF417 symbols of the first printed page carry.
//
// Frame (text header, no terminator):
//   bytes 0-9    the form prefix ("1001999  1" for the income-tax declaration)
//   bytes 10-15  total length of the frame, header included, "%06d"
//   bytes 16-24  the person's identifier (NIF)
//   bytes 25-26  number of pieces, "%02d"
//   then, for each piece in order, its compressed length "%06d" followed by that many bytes of zlib data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace salida {

inline constexpr std::size_t kCabeceraTrama = 27;
inline constexpr std::size_t kCaracteresPorPieza = 4096;
inline constexpr std::size_t kAnchoPrefijo = 10;
inline constexpr std::size_t kAnchoIdentificador = 9;
// The longest frame the header can tell and the most pieces it can count.
inline constexpr std::size_t kMaximoTrama = 999999;
inline constexpr int kMaximoPiezas = 99;
// What the compression call is told: form and year, then three blanks.
inline constexpr std::string_view kFormularioCompresion = "1001999   ";
// Where the identifiers of the five persons lie in the income-tax data area, nine bytes each.
inline constexpr std::size_t kDesplazamientoIdentificadores = 1063;

// The compression call: the form text, the piece, and an output buffer of a given size. It gives the bytes
// written; a count above the buffer's size says the buffer was too small and that size is needed; 0 or less is a
// failure. Tests put their own in place of the library's.
using FuncionComprimir =
    std::function<int(std::string_view formulario, std::string_view pieza, std::span<std::uint8_t> salida)>;

class CCodigoBarrasDatos {
 public:
  // With no function given, the platform's compressor.
  explicit CCodigoBarrasDatos(FuncionComprimir comprimir = {});

  // Ten characters, blank-padded or cut.
  void PonerPrefijo(std::string_view prefijo);
  // Nine characters, blank-padded or cut.
  void PonerIdentificador(std::string_view identificador);
  // The identifier of person `persona` (1 to 5) from the income-tax data area; false, changing nothing, when the
  // person or the area cannot give one.
  bool PonerIdentificadorDePersona(std::span<const std::uint8_t> datosRenta, int persona);
  const std::string& DamePrefijo() const { return m_prefijo; }
  const std::string& DameIdentificador() const { return m_identificador; }

  // Compresses and frames the record (its characters up to the first NUL). 1 when the frame is complete; 0 for
  // an empty record (silently) and for every failure, which shows "PDF002": a blank prefix or identifier, no
  // compressor, a piece that does not compress, a record too long for the header to tell.
  int ComprimirCodigoBarras(std::string_view registro);

  std::span<const std::uint8_t> DatosTrama() const { return m_trama; }
  int LongitudTrama() const { return static_cast<int>(m_trama.size()); }
  int NumeroPiezas() const { return m_nPiezas; }
  const std::string& CopiaRegistro() const { return m_registro; }

 private:
  int Fallo();

  FuncionComprimir m_comprimir;
  std::string m_prefijo;
  std::string m_identificador;
  std::string m_registro;
  std::vector<std::uint8_t> m_trama;
  int m_nPiezas = 0;
};

// What a reader finds in a frame.
struct CTramaLeida {
  std::string prefijo;
  std::string identificador;
  std::vector<std::vector<std::uint8_t>> piezas;  // compressed, in order
};

// Takes a frame apart; nothing when the header or the pieces do not add up to the bytes given.
std::optional<CTramaLeida> LeerTrama(std::span<const std::uint8_t> trama);

// The record back from a frame made with the platform's compressor; nothing when the frame or a piece is damaged.
std::optional<std::string> RecuperarRegistro(std::span<const std::uint8_t> trama);

}  // namespace salida
