#include "output/CodigoBarrasDatos.h"

#include <algorithm>
#include <charconv>

#include "framework/DlgMensaje.h"
#include "platform/Compresion.h"
#include "platform/Texto.h"

namespace salida {

namespace {

// A number zero-padded to the width ("%06d", "%02d"); callers keep it within the width.
std::string Ceros(std::size_t valor, std::size_t ancho) {
  char digitos[24];
  const auto r = std::to_chars(digitos, digitos + sizeof digitos, valor);
  std::string texto(digitos, static_cast<std::size_t>(r.ptr - digitos));
  if (texto.size() < ancho) texto.insert(0, ancho - texto.size(), '0');
  return texto;
}

void Escribir(std::vector<std::uint8_t>& destino, std::size_t desde, std::string_view texto) {
  std::copy(texto.begin(), texto.end(), destino.begin() + static_cast<std::ptrdiff_t>(desde));
}

void Anadir(std::vector<std::uint8_t>& destino, std::string_view texto) {
  destino.insert(destino.end(), texto.begin(), texto.end());
}

bool EnBlanco(std::string_view texto) {
  return std::all_of(texto.begin(), texto.end(), [](char c) { return c == ' '; });
}

// A decimal field of the frame made only of digits.
std::optional<std::size_t> LeerNumero(std::span<const std::uint8_t> trama, std::size_t desde, std::size_t ancho) {
  if (desde + ancho > trama.size()) return std::nullopt;
  std::size_t valor = 0;
  const char* p = reinterpret_cast<const char*>(trama.data() + desde);
  const auto r = std::from_chars(p, p + ancho, valor);
  if (r.ec != std::errc{} || r.ptr != p + ancho) return std::nullopt;
  return valor;
}

}  // namespace

CCodigoBarrasDatos::CCodigoBarrasDatos(FuncionComprimir comprimir)
    : m_comprimir(comprimir ? std::move(comprimir)
                            : FuncionComprimir([](std::string_view f, std::string_view p, std::span<std::uint8_t> s) {
                                return static_cast<int>(plataforma::Comprimir(f, p, s));
                              })),
      m_prefijo(kAnchoPrefijo, ' '),
      m_identificador(kAnchoIdentificador, ' ') {}

void CCodigoBarrasDatos::PonerPrefijo(std::string_view prefijo) {
  plataforma::CopiaFija(m_prefijo.data(), kAnchoPrefijo, prefijo);
}

void CCodigoBarrasDatos::PonerIdentificador(std::string_view identificador) {
  plataforma::CopiaFija(m_identificador.data(), kAnchoIdentificador, identificador);
}

bool CCodigoBarrasDatos::PonerIdentificadorDePersona(std::span<const std::uint8_t> datosRenta, int persona) {
  if (persona < 1 || persona > 5) return false;
  const std::size_t desde = kDesplazamientoIdentificadores + kAnchoIdentificador * static_cast<std::size_t>(persona - 1);
  if (desde + kAnchoIdentificador > datosRenta.size()) return false;
  PonerIdentificador(plataforma::LeeFija(reinterpret_cast<const char*>(datosRenta.data() + desde), kAnchoIdentificador));
  return true;
}

int CCodigoBarrasDatos::Fallo() {
  marco::CDlgMensaje().MostrarMensaje("PDF002", marco::IconoMano, "");
  return 0;
}

int CCodigoBarrasDatos::ComprimirCodigoBarras(std::string_view registro) {
  if (EnBlanco(m_prefijo) || EnBlanco(m_identificador)) return Fallo();
  m_registro.clear();
  m_trama.clear();
  m_nPiezas = 0;
  registro = registro.substr(0, registro.find('\0'));
  if (registro.empty()) return 0;

  m_registro.assign(registro);
  Anadir(m_trama, m_prefijo);
  Anadir(m_trama, "000000");
  Anadir(m_trama, m_identificador);
  Anadir(m_trama, "00");

  const std::size_t piezas = (registro.size() + kCaracteresPorPieza - 1) / kCaracteresPorPieza;
  // The header counts the pieces in two digits: a longer record could not be read back.
  if (piezas > static_cast<std::size_t>(kMaximoPiezas) || !m_comprimir) return Fallo();

  for (std::size_t desde = 0; desde < registro.size(); desde += kCaracteresPorPieza) {
    const std::string pieza(registro.substr(desde, kCaracteresPorPieza));
    std::size_t tamano = pieza.size();
    std::vector<std::uint8_t> salida(tamano, ' ');
    int cuenta = m_comprimir(kFormularioCompresion, pieza, salida);
    // A buffer too small: once more, with the size asked for. A negative count tells no size, so the same size
    // is tried again.
    if (cuenta < 0 || static_cast<std::size_t>(cuenta) > tamano) {
      if (cuenta > 0) tamano = static_cast<std::size_t>(cuenta);
      salida.assign(tamano, ' ');
      cuenta = m_comprimir(kFormularioCompresion, pieza, salida);
    }
    // Still more than the buffer holds: the piece cannot be appended whole.
    if (cuenta <= 0 || static_cast<std::size_t>(cuenta) > tamano) return Fallo();
    if (m_trama.size() + 6 + static_cast<std::size_t>(cuenta) > kMaximoTrama) return Fallo();
    Anadir(m_trama, Ceros(static_cast<std::size_t>(cuenta), 6));
    m_trama.insert(m_trama.end(), salida.begin(), salida.begin() + cuenta);
    ++m_nPiezas;
  }
  Escribir(m_trama, 10, Ceros(m_trama.size(), 6));
  Escribir(m_trama, 25, Ceros(static_cast<std::size_t>(m_nPiezas), 2));
  return 1;
}

std::optional<CTramaLeida> LeerTrama(std::span<const std::uint8_t> trama) {
  if (trama.size() < kCabeceraTrama) return std::nullopt;
  const auto longitud = LeerNumero(trama, 10, 6);
  const auto piezas = LeerNumero(trama, 25, 2);
  if (!longitud || !piezas || *longitud != trama.size()) return std::nullopt;
  CTramaLeida leida;
  leida.prefijo.assign(trama.begin(), trama.begin() + 10);
  leida.identificador.assign(trama.begin() + 16, trama.begin() + 25);
  std::size_t desde = kCabeceraTrama;
  for (std::size_t i = 0; i < *piezas; ++i) {
    const auto cuenta = LeerNumero(trama, desde, 6);
    if (!cuenta || *cuenta == 0 || desde + 6 + *cuenta > trama.size()) return std::nullopt;
    const auto inicio = trama.begin() + static_cast<std::ptrdiff_t>(desde + 6);
    leida.piezas.emplace_back(inicio, inicio + static_cast<std::ptrdiff_t>(*cuenta));
    desde += 6 + *cuenta;
  }
  if (desde != trama.size()) return std::nullopt;
  return leida;
}

std::optional<std::string> RecuperarRegistro(std::span<const std::uint8_t> trama) {
  const auto leida = LeerTrama(trama);
  if (!leida) return std::nullopt;
  std::string registro;
  for (std::size_t i = 0; i < leida->piezas.size(); ++i) {
    const auto pieza = plataforma::Descomprimir(leida->piezas[i], kCaracteresPorPieza);
    // Every piece but the last is whole.
    if (!pieza || (i + 1 < leida->piezas.size() && pieza->size() != kCaracteresPorPieza)) return std::nullopt;
    registro += *pieza;
  }
  return registro;
}

}  // namespace salida
