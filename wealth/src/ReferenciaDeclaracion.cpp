#include "wealth/ReferenciaDeclaracion.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ctime>

#include "framework/Fechas.h"
#include "platform/Texto.h"

namespace patrimonio {
namespace {

bool RecomponerIdentificacionGlobal = false;

bool EsLetra(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::string Numero(long valor) {
  char texto[24];
  const auto [fin, error] = std::to_chars(texto, texto + sizeof texto, valor);
  return error == std::errc{} ? std::string(texto, fin) : std::string();
}

// A text right-aligned in `ancho` characters with `relleno` before it, or its first `ancho` characters.
std::string AlineaDerecha(std::string texto, std::size_t ancho, char relleno) {
  if (texto.size() >= ancho) return texto.substr(0, ancho);
  return std::string(ancho - texto.size(), relleno) + texto;
}

int DiasDelMes(int mes, int ano) {
  static constexpr int kDias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (mes == 2 && marco::EsAnoBisiesto(ano)) return 29;
  return kDias[std::clamp(mes, 1, 12) - 1];
}

// Days from 1 January of `base` to the date (base <= the date's year).
long DiasDesde(int base, int dia, int mes, int ano) {
  long dias = 0;
  for (int a = base; a < ano; ++a) dias += marco::EsAnoBisiesto(a) ? 366 : 365;
  for (int m = 1; m < mes; ++m) dias += DiasDelMes(m, ano);
  return dias + dia - 1;
}

// The leading digits of a text as a number (0 when it does not start with a digit).
long NumeroInicial(std::string_view texto) {
  long valor = 0;
  std::from_chars(texto.data(), texto.data() + texto.size(), valor);
  return valor;
}

}  // namespace

SMomento MomentoActual() {
  const std::time_t ahora = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&ahora, &local);
  return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec};
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

std::string ComponerIdentificacion(std::string_view nif, const SMomento& momento) {
  nif = plataforma::LeeFija(nif.data(), std::min<std::size_t>(nif.size(), 9));
  if (plataforma::Recorta(nif).empty()) return std::string(kAnchoIdentificacion, ' ');

  // Number part: a letter in first and ninth place gives "9" and characters 2 to 8; a letter in ninth place only,
  // the first 8 characters; otherwise the last 8.
  std::string numero;
  const bool novenaLetra = nif.size() == 9 && EsLetra(nif[8]);
  if (novenaLetra && EsLetra(nif[0])) {
    numero = "9" + std::string(nif.substr(1, 7));
  } else if (novenaLetra) {
    numero = std::string(nif.substr(0, 8));
  } else {
    numero = std::string(nif.substr(nif.size() > 8 ? nif.size() - 8 : 0));
  }
  numero = AlineaDerecha(numero, 8, ' ');

  // Days part: the days between today and 15 April 2000, its last two digits.
  constexpr int kDiaBase = 15, kMesBase = 4, kAnoBase = 2000;
  const int primerAno = std::min(momento.ano, kAnoBase);
  const long dias = std::labs(DiasDesde(primerAno, momento.dia, momento.mes, momento.ano) -
                              DiasDesde(primerAno, kDiaBase, kMesBase, kAnoBase));
  const std::string parteDias = AlineaDerecha(Numero(dias % 100), 2, '0');

  // Time part.
  const long producto = static_cast<long>(momento.segundo + 1) * (momento.hora + 1) * (momento.minuto + 1);
  const std::string parteHora = AlineaDerecha(Numero(producto), 5, '0');

  std::string texto = numero + "." + parteDias + "." + parteHora + ".";
  texto += static_cast<char>('0' + DigitoControl(texto));
  std::string identificacion(kAnchoIdentificacion, ' ');
  const std::string compuesto = "Ref.: " + texto;
  identificacion.replace(0, std::min(compuesto.size(), kAnchoIdentificacion), compuesto, 0, kAnchoIdentificacion);
  return identificacion;
}

std::string_view CodigoModelo(int tipo) {
  switch (tipo) {
    case 0: case 1: case 2: return "100";
    case 3: return "714";
    case 5: return "393";
    case 6: return "390";
    case 7: return "311";
    case 8: return "104";
    case 9: return "105";
    default: return "999";
  }
}

std::string ComponerNumeroReferencia(int tipo, std::string_view texto, std::string_view ejercicio,
                                     const SMomento& momento) {
  const long ano = NumeroInicial(plataforma::Recorta(ejercicio));
  std::string referencia(CodigoModelo(tipo));
  referencia += static_cast<char>('0' + std::labs(ano - 4) % 10);

  texto = texto.substr(0, std::min(texto.find('\0'), texto.size()));
  std::string semilla =
      texto.empty() ? std::string("000") : std::string(texto.substr(std::min<std::size_t>(5, texto.size()), 3));
  semilla += Numero(momento.hora * 3600L + momento.minuto * 60L + momento.segundo);
  const long serie = 100000000L - NumeroInicial(semilla);
  referencia += AlineaDerecha(Numero(serie), 8, '0');

  const int control = DigitoControl(std::string_view(referencia).substr(0, 12));
  return referencia + " " + static_cast<char>('0' + control);
}

bool RecomponerIdentificacion() { return RecomponerIdentificacionGlobal; }
void PonerRecomponerIdentificacion(bool recomponer) { RecomponerIdentificacionGlobal = recomponer; }

}  // namespace patrimonio
