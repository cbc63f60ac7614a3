#include "framework/ReferenciaReglas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <ctime>

#include "framework/Fechas.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace marco {
namespace {

bool gRecomponerIdentificacion = false;

constexpr std::array<int, 12> kDiasMesComun = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// A text read from a fixed field ends at its first NUL.
std::string_view HastaNul(std::string_view texto) { return texto.substr(0, std::min(texto.find('\0'), texto.size())); }

bool EsLetra(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string Numero(long valor) {
  char texto[24];
  const auto [fin, error] = std::to_chars(texto, texto + sizeof texto, valor);
  return error == std::errc{} ? std::string(texto, fin) : std::string();
}

// A number of at least `ancho` digits, zeros before it (the value is never negative here).
std::string NumeroConCeros(long valor, std::size_t ancho) {
  std::string texto = Numero(valor);
  if (texto.size() < ancho) texto.insert(0, ancho - texto.size(), '0');
  return texto;
}

int LongitudMes(int mes, int ano) {
  if (mes == 2 && EsAnoBisiesto(ano)) return 29;
  return kDiasMesComun[static_cast<std::size_t>(std::clamp(mes, 1, 12) - 1)];
}

// Days from 1 January of year 0 to 1 January of `ano` (0 to 9999): the leap years before it are the multiples of
// 4 but not of 100, and 2000.
long DiasAntesDelAno(int ano) {
  const long bisiestos = (ano + 3L) / 4 - (ano + 99L) / 100 + (ano > 2000 ? 1 : 0);
  return 365L * ano + bisiestos;
}

// The day number of a valid date, counted from 1 January of year 0.
long NumeroDia(int dia, int mes, int ano) {
  long dias = DiasAntesDelAno(ano);
  for (int m = 1; m < mes; ++m) dias += LongitudMes(m, ano);
  return dias + dia;
}

// Splits a valid date; false (nothing written) otherwise.
bool FechaValida(std::string_view fecha, int& dia, int& mes, int& ano) {
  fecha = HastaNul(fecha);
  // Only digits (and blanks, read as a number does): a sign or a letter makes no date.
  if (fecha.size() != 8 || !std::all_of(fecha.begin(), fecha.end(), [](char c) {
        return c == ' ' || (c >= '0' && c <= '9');
      })) {
    return false;
  }
  int d = 0;
  int m = 0;
  int a = 0;
  if (!DescomponerFechaOchoCifras(fecha, d, m, a)) return false;
  if (m < 1 || m > 12 || a < 0 || d < 1 || d > LongitudMes(m, a)) return false;
  dia = d;
  mes = m;
  ano = a;
  return true;
}

}  // namespace

SMomento MomentoActual() {
  const std::time_t ahora = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&ahora, &local);
  return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec};
}

std::string FechaOchoCifras(const SMomento& momento) {
  return NumeroConCeros(std::clamp(momento.dia, 0, 99), 2) + NumeroConCeros(std::clamp(momento.mes, 0, 99), 2) +
         NumeroConCeros(std::clamp(momento.ano, 0, 9999), 4);
}

bool FechaOchoCifrasValida(std::string_view fecha) {
  int dia = 0;
  int mes = 0;
  int ano = 0;
  return FechaValida(fecha, dia, mes, ano);
}

int CompararFechasOchoCifras(std::string_view a, std::string_view b) {
  int da = 0, ma = 0, aa = 0, db = 0, mb = 0, ab = 0;
  if (!FechaValida(a, da, ma, aa) || !FechaValida(b, db, mb, ab)) return -2;
  const long na = NumeroDia(da, ma, aa);
  const long nb = NumeroDia(db, mb, ab);
  return na < nb ? -1 : (na > nb ? 1 : 0);
}

long DiasEntreFechasOchoCifras(std::string_view a, std::string_view b) {
  int da = 0, ma = 0, aa = 0, db = 0, mb = 0, ab = 0;
  if (!FechaValida(a, da, ma, aa) || !FechaValida(b, db, mb, ab)) return -1;
  const long dias = NumeroDia(db, mb, ab) - NumeroDia(da, ma, aa);
  return dias < 0 ? -1 : dias;
}

int DigitoControl(std::string_view texto) {
  int resto = 0;
  for (char c : texto) {
    if (c == '.') continue;
    const int digito = c >= '0' && c <= '9' ? c - '0' : 0;
    resto = (resto * 10 + digito) % 7;
  }
  return resto == 0 ? 0 : 7 - resto;
}

std::string_view CodigoModelo(int tipo) {
  switch (tipo) {
    case 0:
    case 1:
    case 2:
      return "100";
    case 3:
      return "714";
    case 5:
      return "393";
    case 6:
      return "390";
    case 7:
      return "311";
    case 8:
      return "104";
    case 9:
      return "105";
    default:
      return "999";
  }
}

std::string TextoIdentificacion(std::string_view nif, const SMomento& momento) {
  nif = HastaNul(nif);
  nif = plataforma::RecortaDerecha(nif.substr(0, std::min<std::size_t>(nif.size(), 9)));
  std::string identificacion(kAnchoTextoReferencia, ' ');
  if (nif.empty()) return identificacion;

  std::string numero;
  const bool novenaLetra = nif.size() == 9 && EsLetra(nif[8]);
  if (novenaLetra && EsLetra(nif[0])) {
    numero = "9" + std::string(nif.substr(1, 7));
  } else if (novenaLetra) {
    numero = std::string(nif.substr(0, 8));
  } else {
    // A tax number shorter than 8 characters is taken whole, right-aligned.
    numero = std::string(nif.substr(nif.size() > 8 ? nif.size() - 8 : 0));
    numero.insert(0, 8 - numero.size(), ' ');
  }

  const std::string hoy = FechaOchoCifras(momento);
  const bool antes = CompararFechasOchoCifras(hoy, kFechaBaseReferencia) <= 0;
  long dias = antes ? DiasEntreFechasOchoCifras(hoy, kFechaBaseReferencia)
                    : DiasEntreFechasOchoCifras(kFechaBaseReferencia, hoy);
  if (dias < 0) dias = 0;  // a moment whose date is not one
  const std::string textoDias = NumeroConCeros(dias, 2);
  const std::string parteDias = textoDias.substr(textoDias.size() - 2);

  const long producto = (std::clamp(momento.segundo, 0, 60) + 1L) * (std::clamp(momento.hora, 0, 23) + 1L) *
                        (std::clamp(momento.minuto, 0, 59) + 1L);
  const std::string parteHora = NumeroConCeros(producto, 5);

  std::string texto = numero + "." + parteDias + "." + parteHora + ".";
  texto += static_cast<char>('0' + DigitoControl(texto));
  // The prefix is part of the reference the declaration stores and prints, in every interface language alike.
  const std::string compuesto = "Ref.: " + texto;
  identificacion.replace(0, compuesto.size(), compuesto);
  return identificacion;
}

std::string NumeroReferenciaFormulario(int tipo, std::string_view texto, std::string_view ejercicio,
                                       const SMomento& momento) {
  const long ano = plataforma::LeeEntero(HastaNul(ejercicio));
  std::string referencia(CodigoModelo(tipo));
  referencia += static_cast<char>('0' + std::labs(ano - 4) % 10);

  texto = HastaNul(texto);
  // A text shorter than 8 characters gives what it has after the fifth (perhaps nothing).
  std::string semilla =
      texto.empty() ? std::string("000") : std::string(texto.substr(std::min<std::size_t>(5, texto.size()), 3));
  const long segundos = std::clamp(momento.hora, 0, 23) * 3600L + std::clamp(momento.minuto, 0, 59) * 60L +
                        std::clamp(momento.segundo, 0, 60);
  semilla += Numero(segundos);
  // At most eight digits (and perhaps a sign) are read, so the serial is always positive.
  const long serie = 100000000L - plataforma::LeeEntero(semilla);
  referencia += NumeroConCeros(serie, 8).substr(0, 8);

  const int control = DigitoControl(std::string_view(referencia).substr(0, 12));
  return referencia + " " + static_cast<char>('0' + control);
}

char LetraWindows(const std::optional<SVersionWindows>& version) {
  if (!version) return 'I';
  switch (version->plataforma) {
    case EPlataformaWindows::Win32s:
      return 'W';
    case EPlataformaWindows::Windows9x:
      if (version->mayor < 4 || (version->mayor == 4 && version->menor == 0)) return '5';
      return '8';
    case EPlataformaWindows::NT:
      return 'T';
    case EPlataformaWindows::Otra:
      break;
  }
  return 'I';
}

char DameLetraWindows() { return LetraWindows(SVersionWindows{EPlataformaWindows::Otra, 0, 0}); }

bool RecomponerIdentificacion() { return gRecomponerIdentificacion; }
void PonerRecomponerIdentificacion(bool recomponer) { gRecomponerIdentificacion = recomponer; }

}  // namespace marco
