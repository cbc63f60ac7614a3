// Dates as 8-character texts: two digits of day, two of month, four of year.
#include <array>
#include <cstdint>
#include <cstring>

#include "Ayudas.h"
#include "EnteroDeTexto.h"

namespace ximardol {
namespace {

constexpr std::size_t LargoFecha = 8;
static_assert(LargoFecha == sizeof(std::uint64_t));

int DiasDelMes(int mes, int anio) {
  constexpr std::array<int, 12> dias{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (mes == 2 && EsBisiesto(anio)) return 29;
  return dias[static_cast<std::size_t>(mes - 1)];
}

}  // namespace

bool DescomponeFecha(std::string_view texto, int& dia, int& mes, int& anio) {
  if (texto.size() != LargoFecha) return false;
  // Nearly every date is eight digits: each part is then its digits' value, which is what reading it as an integer
  // gives. Anything else (blanks, signs, other characters) is read part by part below. The eight bytes are tested
  // together: a byte is a digit when its high half is 3 and so is the high half of the byte plus 6 (a carry out of
  // a byte only comes from one whose high half is not 3, so it cannot make the test pass).
  std::uint64_t bytes;
  std::memcpy(&bytes, texto.data(), sizeof bytes);
  constexpr std::uint64_t MitadesAltas = 0xF0F0F0F0F0F0F0F0u;
  const std::uint64_t altas = (bytes & MitadesAltas) | (((bytes + 0x0606060606060606u) & MitadesAltas) >> 4);
  if (altas == 0x3333333333333333u) {
    const auto cifra = [texto](std::size_t i) { return texto[i] - '0'; };
    dia = cifra(0) * 10 + cifra(1);
    mes = cifra(2) * 10 + cifra(3);
    anio = ((cifra(4) * 10 + cifra(5)) * 10 + cifra(6)) * 10 + cifra(7);
    return true;
  }
  if (texto.find('\0') != std::string_view::npos) return false;
  dia = EnteroDeTexto(texto.substr(0, 2));
  mes = EnteroDeTexto(texto.substr(2, 2));
  anio = EnteroDeTexto(texto.substr(4, 4));
  return true;
}

bool EsBisiesto(int anio) { return (anio % 4 == 0 && anio % 100 != 0) || anio == 2000; }

namespace {

// The parts of a date text that `ValidaFecha` accepts; false when it does not.
bool DescomponeFechaValida(std::string_view texto, int& dia, int& mes, int& anio) {
  if (!DescomponeFecha(texto, dia, mes, anio)) return false;
  return anio >= 0 && mes >= 1 && mes <= 12 && dia >= 1 && dia <= DiasDelMes(mes, anio);
}

}  // namespace

bool ValidaFecha(std::string_view texto) {
  int dia = 0;
  int mes = 0;
  int anio = 0;
  return DescomponeFechaValida(texto, dia, mes, anio);
}

int ComparaFechas(std::string_view a, std::string_view b) {
  int diaA = 0, mesA = 0, anioA = 0;
  int diaB = 0, mesB = 0, anioB = 0;
  if (!DescomponeFechaValida(a, diaA, mesA, anioA) || !DescomponeFechaValida(b, diaB, mesB, anioB)) return -2;
  if (anioA != anioB) return anioA < anioB ? -1 : 1;
  if (mesA != mesB) return mesA < mesB ? -1 : 1;
  if (diaA != diaB) return diaA < diaB ? -1 : 1;
  return 0;
}

int AniosEntreFechas(std::string_view desde, std::string_view hasta, int& anios, int& noExacto) {
  noExacto = 0;
  int diaDesde = 0, mesDesde = 0, anioDesde = 0;
  int diaHasta = 0, mesHasta = 0, anioHasta = 0;
  if (!DescomponeFecha(desde, diaDesde, mesDesde, anioDesde)) return -1;
  if (!DescomponeFecha(hasta, diaHasta, mesHasta, anioHasta)) return -1;
  if (anioDesde == anioHasta) {
    anios = 0;
    return 0;
  }
  if (anioDesde > anioHasta) return -1;

  const int diferencia = anioHasta - anioDesde;
  if (mesHasta != mesDesde) {
    anios = mesHasta > mesDesde ? diferencia : diferencia - 1;
    noExacto = 1;
    return 1;
  }
  // The end of February: the 29th of a leap year and the 28th of the next years are the same point of the year.
  if (mesDesde == 2 && diaDesde > 27 && diaHasta > 27 && !EsBisiesto(anioHasta)) {
    anios = diferencia;
    noExacto = (EsBisiesto(anioDesde) && diaDesde == 29 && diaHasta == 28) ? 0 : 1;
    return 1;
  }
  if (diaHasta > diaDesde) {
    anios = diferencia;
    noExacto = 1;
  } else if (diaHasta == diaDesde) {
    anios = diferencia;
  } else {
    anios = diferencia - 1;
    noExacto = 1;
  }
  return 1;
}

}  // namespace ximardol
