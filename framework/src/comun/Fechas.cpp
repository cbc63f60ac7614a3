#include "framework/Fechas.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace marco {
namespace {

constexpr std::array<int, 12> kDiasMesComun = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

constexpr std::array<std::string_view, 12> kMesesCastellano = {"ENE", "FEB", "MAR", "ABR", "MAY", "JUN",
                                                               "JUL", "AGO", "SEP", "OCT", "NOV", "DIC"};
constexpr std::array<std::string_view, 12> kMesesCatalan = {"GEN", "FEB", "MAR", "ABR", "MAI", "JUN",
                                                            "JUL", "AGO", "SET", "OCT", "NOV", "DES"};
// "XU\xD1" is XUÑ in Windows-1252.
constexpr std::array<std::string_view, 12> kMesesGallego = {"XAN", "FEB", "MAR", "ABR", "MAI", "XU\xD1",
                                                            "XUL", "AGO", "SET", "OUT", "NOV", "DEC"};

// A text read from a fixed field ends at its first NUL.
std::string_view HastaNul(std::string_view texto) {
  const auto fin = texto.find('\0');
  return fin == std::string_view::npos ? texto : texto.substr(0, fin);
}

// Characters `desde` to `desde + cuantos` of a text; what lies past its end counts as blanks.
std::string Trozo(std::string_view texto, std::size_t desde, std::size_t cuantos) {
  std::string trozo(cuantos, ' ');
  for (std::size_t i = 0; i < cuantos && desde + i < texto.size(); ++i) {
    trozo[i] = texto[desde + i];
  }
  return trozo;
}

// The number a text starts with (blanks, a sign, digits), held within the range of an int.
int EnteroDe(std::string_view texto) {
  const long valor = plataforma::LeeEntero(texto);
  return static_cast<int>(std::clamp<long>(valor, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// A field of a date: digits, possibly with blanks; anything else (a sign, a letter) is not a date.
bool LeeCampoFecha(std::string_view campo, int& valor) {
  for (char c : campo) {
    if (c != ' ' && (c < '0' || c > '9')) return false;
  }
  valor = EnteroDe(campo);
  return true;
}

int LongitudMes(int mes, int ano) {
  if (mes == 2) return EsAnoBisiesto(ano) ? 29 : 28;
  if (mes < 1 || mes > 12) return 28;
  return kDiasMesComun[static_cast<std::size_t>(mes - 1)];
}

// Months 1 to 13 (13: a name not in the table) as two digits.
std::string NumeroMesTexto(int numero) {
  char cifras[12];
  const auto fin = std::to_chars(cifras, cifras + sizeof cifras, numero).ptr;
  std::string texto(cifras, fin);
  return numero < 10 ? "0" + texto : texto;
}

}  // namespace

bool EsAnoBisiesto(int ano) { return ano % 4 == 0 && (ano % 100 != 0 || ano == 2000); }

bool EsFechaValida(std::string_view fecha) {
  fecha = HastaNul(fecha);
  if (plataforma::Recorta(fecha).empty()) return true;
  if (fecha.size() < 8) return false;
  int dia = 0;
  int mes = 0;
  int ano = 0;
  if (!LeeCampoFecha(fecha.substr(0, 2), dia) || !LeeCampoFecha(fecha.substr(2, 2), mes) ||
      !LeeCampoFecha(fecha.substr(fecha.size() - 4), ano)) {
    return false;
  }
  if (dia > 31 || mes > 12) return false;
  const bool algoEscrito = dia > 0 || mes > 0 || ano > 0;
  if (dia == 0 && algoEscrito) return false;
  if (algoEscrito && (mes == 0 || ano == 0 || ano < 1900)) return false;
  if (!algoEscrito) return true;  // "00000000": no date
  return dia <= LongitudMes(mes, ano);
}

bool DescomponerFechaOchoCifras(std::string_view fecha, int& dia, int& mes, int& ano) {
  fecha = HastaNul(fecha);
  if (fecha.size() != 8) return false;
  dia = EnteroDe(fecha.substr(0, 2));
  mes = EnteroDe(fecha.substr(2, 2));
  ano = EnteroDe(fecha.substr(4, 4));
  return true;
}

const std::array<std::string_view, 12>& NombresMeses(char idioma) {
  switch (idioma) {
    case 'C':
    case 'V':
    case 'c':
    case 'v':
      return kMesesCatalan;
    case 'G':
    case 'g':
      return kMesesGallego;
    default:
      return kMesesCastellano;
  }
}

int NumeroMes(std::string_view nombre, char idioma) {
  const auto& tabla = NombresMeses(idioma);
  for (std::size_t i = 0; i < tabla.size(); ++i) {
    if (tabla[i] == nombre) return static_cast<int>(i) + 1;
  }
  return 13;
}

CFechas::CFechas() : diasMes_(kDiasMesComun) {}

int CFechas::DiasMes(int mes) const {
  if (mes < 0 || mes >= static_cast<int>(diasMes_.size())) return 0;
  return diasMes_[static_cast<std::size_t>(mes)];
}

void CFechas::AjustarFebrero(int ano) { diasMes_[1] = EsAnoBisiesto(ano) ? 29 : 28; }

bool CFechas::DescomponerFecha(std::string_view fecha, int& dia, int& mes, int& ano) {
  fecha = HastaNul(fecha);
  if (fecha.size() < 6) return false;
  std::string textoAno(fecha.substr(4));
  if (textoAno.size() == 2) textoAno = "19" + textoAno;
  dia = EnteroDe(fecha.substr(0, 2));
  mes = EnteroDe(fecha.substr(2, 2));
  ano = EnteroDe(textoAno);
  return true;
}

int CFechas::AnosEntreFechas(std::string_view primera, std::string_view segunda, int& anos, bool& fraccion) {
  int d1 = 0;
  int m1 = 0;
  int a1 = 0;
  int d2 = 0;
  int m2 = 0;
  int a2 = 0;
  if (!DescomponerFechaOchoCifras(primera, d1, m1, a1) || !DescomponerFechaOchoCifras(segunda, d2, m2, a2)) {
    return kAnosFechaIlegible;
  }
  if (a1 == a2) {
    anos = 0;
    return kAnosMismoAno;
  }
  if (a1 > a2) return kAnosPrimeraPosterior;

  int cuenta = a2 - a1;
  bool resto = true;
  if (m2 < m1) {
    --cuenta;
  } else if (m2 == m1) {
    // A 29 February has its anniversary on 28 February of a common year.
    const bool bisiestoAComun =
        m1 == 2 && d1 == 29 && d2 == 28 && EsAnoBisiesto(a1) && !EsAnoBisiesto(a2);
    if (bisiestoAComun || d2 == d1) {
      resto = false;
    } else if (d2 < d1) {
      --cuenta;
    }
  }
  anos = cuenta;
  fraccion = resto;
  return kAnosCalculados;
}

std::string CFechas::ConvertirMes(std::string_view origen, char idioma) {
  origen = HastaNul(origen);
  return Trozo(origen, 0, 2) + NumeroMesTexto(NumeroMes(Trozo(origen, 2, 3), idioma)) + Trozo(origen, 12, 4);
}

std::string CFechas::MesCastellano(std::string_view nombre) { return NumeroMesTexto(NumeroMes(nombre, 'E')); }

std::string CFechas::MesCatalan(std::string_view nombre) { return NumeroMesTexto(NumeroMes(nombre, 'C')); }

std::string CFechas::MesGallego(std::string_view nombre) { return NumeroMesTexto(NumeroMes(nombre, 'G')); }

}  // namespace marco
