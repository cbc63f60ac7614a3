#include "output/CampoFijo.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace salida {

namespace {

// A plain value of the source; a null source reads as 0, a source too short for the value cannot be read.
template <class T>
bool Leer(const CFuenteCampo& fuente, T& valor) {
  valor = T{};
  if (fuente.EsNula()) return true;
  if (fuente.Tamano() < sizeof(T)) return false;
  std::memcpy(&valor, fuente.Datos(), sizeof(T));
  return true;
}

// The number written as `ancho` nines, as a double; none beyond what a double holds.
double Nueves(int ancho) {
  if (ancho <= 0) return 0.0;
  if (ancho > std::numeric_limits<double>::max_exponent10) return std::numeric_limits<double>::infinity();
  const std::string nueves(static_cast<std::size_t>(ancho), '9');
  double valor = 0.0;
  std::from_chars(nueves.data(), nueves.data() + nueves.size(), valor);
  return valor;
}

// Zeros in front of the digits up to the width; a wider text stays as it is.
std::string ConCeros(std::string_view signo, std::string_view digitos, int ancho) {
  std::string texto(signo);
  const long faltan = static_cast<long>(ancho) - static_cast<long>(signo.size() + digitos.size());
  if (faltan > 0) texto.append(static_cast<std::size_t>(faltan), '0');
  texto.append(digitos);
  return texto;
}

// "%.*f" of the C library, whatever the process locale: the exact binary value rounded to the decimals, a tie
// going to the even digit (2.5 gives "2", 3.5 gives "4"). Empty when it cannot be written.
std::string FijoC(double valor, int decimales) {
  std::string texto(64, '\0');
  for (;;) {
    const auto r = std::to_chars(texto.data(), texto.data() + texto.size(), valor, std::chars_format::fixed,
                                 decimales < 0 ? 0 : decimales);
    if (r.ec == std::errc()) {
      texto.resize(static_cast<std::size_t>(r.ptr - texto.data()));
      // A negative value that rounds to zero is written as zero.
      if (!texto.empty() && texto.front() == '-' && texto.find_first_of("123456789") == std::string::npos) {
        texto.erase(0, 1);
      }
      return texto;
    }
    if (texto.size() > 4096) return {};
    texto.resize(texto.size() * 4);
  }
}

bool EsNumerico(ETipoCampo tipo) {
  return tipo == ETipoCampo::Entero || tipo == ETipoCampo::EnteroBis || tipo == ETipoCampo::Decimal ||
         tipo == ETipoCampo::Importe;
}

// The text of a numeric field: zero-padded to the width, sign first; nothing when the source cannot be read or
// its value is not a number.
std::optional<std::string> TextoNumerico(const CFuenteCampo& fuente, ETipoCampo tipo, int ancho, int decimales) {
  if (tipo == ETipoCampo::Entero || tipo == ETipoCampo::EnteroBis) {
    std::int32_t valor = 0;
    if (!Leer(fuente, valor)) return std::nullopt;
    const std::int64_t absoluto = valor < 0 ? -static_cast<std::int64_t>(valor) : valor;
    char digitos[24];
    const auto r = std::to_chars(digitos, digitos + sizeof digitos, absoluto);
    return ConCeros(valor < 0 ? "-" : "", std::string_view(digitos, static_cast<std::size_t>(r.ptr - digitos)),
                    ancho);
  }
  double valor = 0.0;
  if (!Leer(fuente, valor) || !std::isfinite(valor)) return std::nullopt;
  if (tipo == ETipoCampo::Decimal) {
    const std::string texto = FijoC(valor, decimales);
    if (!texto.empty() && texto.front() == '-') return ConCeros("-", std::string_view(texto).substr(1), ancho);
    return ConCeros("", texto, ancho);
  }
  // Whole amounts: the letter N stands where a minus sign would.
  if (valor < 0) return ConCeros("N", FijoC(-valor, 0), ancho);
  return ConCeros("", FijoC(valor, 0), ancho);
}

}  // namespace

int CabeEnAncho(const CFuenteCampo& fuente, ETipoCampo tipo, int ancho, int decimales) {
  if (ancho < 0) return 0;
  if (!EsNumerico(tipo)) return 1;
  double valor = 0.0;
  int util = ancho;
  if (tipo == ETipoCampo::Entero || tipo == ETipoCampo::EnteroBis) {
    std::int32_t entero = 0;
    if (!Leer(fuente, entero)) return 0;
    valor = std::fabs(static_cast<double>(entero));
  } else {
    double doble = 0.0;
    if (!Leer(fuente, doble)) return 0;
    valor = std::fabs(doble);
    if (doble < 0) --util;
  }
  if (!(valor <= Nueves(util))) return 0;  // a value that is not a number never fits
  if (ancho == 0) return 1;                // nothing is written
  const auto texto = TextoNumerico(fuente, tipo, ancho, decimales);
  return texto && texto->size() <= static_cast<std::size_t>(ancho) ? 1 : 0;
}

CRegistroFijo::CRegistroFijo(std::size_t capacidad) : capacidad_(capacidad) { texto_.reserve(capacidad); }

bool CRegistroFijo::AnadirCampoFijo(const CFuenteCampo& fuente, ETipoCampo tipo, int ancho, int decimales) {
  if (detenido_) return false;
  const int numero = static_cast<int>(tipo);
  if (numero < 0 || numero > 6) return true;  // a kind the record does not know writes nothing
  if (ancho < 0 || CabeEnAncho(fuente, tipo, ancho, decimales) == 0 ||
      static_cast<std::size_t>(ancho) > capacidad_ - texto_.size()) {
    detenido_ = true;
    return false;
  }
  if (ancho == 0) return true;
  const auto w = static_cast<std::size_t>(ancho);
  std::string campo(w, ' ');
  const bool vacia = fuente.EsNula() || fuente.Tamano() == 0;
  switch (tipo) {
    case ETipoCampo::Texto:
      // Byte for byte up to the width, never past the source; a NUL ends the text and blanks fill the field.
      if (!vacia) {
        plataforma::CopiaFija(campo.data(), w,
                              plataforma::LeeFija(reinterpret_cast<const char*>(fuente.Datos()),
                                                  std::min(fuente.Tamano(), w)));
      }
      break;
    case ETipoCampo::Caracter:
      if (!vacia && fuente.Datos()[0] != 0) campo[0] = static_cast<char>(fuente.Datos()[0]);
      break;
    case ETipoCampo::Marca:
      if (!vacia) campo[0] = fuente.Datos()[0] == 1 ? '1' : '0';
      break;
    default:
      campo = TextoNumerico(fuente, tipo, ancho, decimales).value_or(campo);
      campo.resize(w, ' ');
      break;
  }
  texto_ += campo;
  return true;
}

}  // namespace salida
