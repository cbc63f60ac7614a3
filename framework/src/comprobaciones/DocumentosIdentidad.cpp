#include "framework/DocumentosIdentidad.h"

#include <algorithm>

namespace marco {
namespace {

constexpr std::string_view kLetras = "ABCDEFGHIJKLMNPQRSTVWXYZ";
constexpr std::string_view kLetrasMinusculas = "abcdefghijklmnpqrstvwxyz";
constexpr std::string_view kLetrasControlPersona = "TRWAGMYFPDXBNJZSQVHLCKE";
constexpr std::string_view kEntidadesDigitoOLetra = "ABCDEFGHN";
constexpr std::string_view kEntidadesLetra = "PQS";
constexpr std::string_view kLetrasControlEntidad = "ABCDEFGHIJ";

constexpr std::size_t kLongitudNIF = 9;

bool Contiene(std::string_view conjunto, char c) { return c != '\0' && conjunto.find(c) != std::string_view::npos; }

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

// The number of a run of digits (the caller has checked they are all digits).
long NumeroDe(std::string_view digitos) {
  long numero = 0;
  for (char c : digitos) numero = numero * 10 + (c - '0');
  return numero;
}

// The sum of an entity's body, positions 2-8: positions 2, 4, 6, 8 count twice (less 9 when that passes 9),
// positions 3, 5, 7 once.
int SumaEntidad(std::string_view nif) {
  int suma = 0;
  for (std::size_t pos = 2; pos <= 8; ++pos) {
    const int digito = nif[pos - 1] - '0';
    if (pos % 2 == 0) {
      const int doble = 2 * digito;
      suma += doble > 9 ? doble - 9 : doble;
    } else {
      suma += digito;
    }
  }
  return suma;
}

bool CuerpoEnDigitos(std::string_view nif) {
  return std::all_of(nif.begin() + 1, nif.begin() + 8, EsDigito);
}

int ClasificarUnaLetra(std::string_view nif) {
  if (Contiene(kEntidadesDigitoOLetra, nif[0]) && EsDigito(nif[8])) {
    const int control = (10 - SumaEntidad(nif) % 10) % 10;
    return control == nif[8] - '0' ? TipoNIF::kEntidadDigito : TipoNIF::kControlEntidad;
  }
  if (Contiene(kLetrasControlPersona, nif[8])) {
    const long numero = NumeroDe(nif.substr(0, 8));
    return kLetrasControlPersona[static_cast<std::size_t>(numero % 23)] == nif[8] ? TipoNIF::kPersonal
                                                                                  : TipoNIF::kControlLetra;
  }
  return TipoNIF::kFormaNoReconocida;
}

int ClasificarDosLetras(std::string_view nif) {
  const char primera = nif[0];
  const char ultima = nif[8];
  // Two letters: the body between them holds only digits exactly when the letters stand at both ends.
  if ((Contiene(kEntidadesDigitoOLetra, primera) || Contiene(kEntidadesLetra, primera)) &&
      Contiene(kLetrasControlEntidad, ultima) && CuerpoEnDigitos(nif)) {
    const int indice = 9 - SumaEntidad(nif) % 10;
    if (kLetrasControlEntidad[static_cast<std::size_t>(indice)] != ultima) return TipoNIF::kControlEntidad;
    return Contiene(kEntidadesDigitoOLetra, primera) ? TipoNIF::kEntidadLetra : TipoNIF::kEntidadPQS;
  }
  if ((primera == 'K' || primera == 'L' || primera == 'M') && Contiene(kLetrasControlPersona, ultima) &&
      CuerpoEnDigitos(nif)) {
    if (!EsDigito(nif[1]) || !EsDigito(nif[2])) return TipoNIF::kProvinciaKLM;
    const long provincia = NumeroDe(nif.substr(1, 2));
    if (provincia < 1 || provincia > 56) return TipoNIF::kFormaNoReconocida;
    const long numero = NumeroDe(nif.substr(1, 7));
    return kLetrasControlPersona[static_cast<std::size_t>(numero % 23)] == ultima ? TipoNIF::kLetraKLM
                                                                                  : TipoNIF::kControlLetra;
  }
  if (primera == 'X' && Contiene(kLetrasControlPersona, ultima) && CuerpoEnDigitos(nif)) {
    const long numero = NumeroDe(nif.substr(1, 7));
    return kLetrasControlPersona[static_cast<std::size_t>(numero % 23)] == ultima ? TipoNIF::kExtranjero
                                                                                  : TipoNIF::kControlLetra;
  }
  return TipoNIF::kFormaNoReconocida;
}

}  // namespace

void MayusculasNIF(std::string& texto) {
  for (char& c : texto) {
    const auto pos = kLetrasMinusculas.find(c);
    if (c != '\0' && pos != std::string_view::npos) c = kLetras[pos];
  }
}

void QuitarBlancosInternos(std::string& texto) {
  std::size_t i = 0;
  while (i < texto.size()) {
    if (texto[i] == ' ' && texto.find_first_not_of(' ', i) != std::string::npos) {
      texto.erase(i, 1);
      texto.push_back(' ');
    } else {
      ++i;
    }
  }
}

void AlinearDerecha(std::string& texto) {
  const auto ultimo = texto.find_last_not_of(' ');
  const std::size_t blancos = ultimo == std::string::npos ? texto.size() : texto.size() - ultimo - 1;
  std::rotate(texto.begin(), texto.end() - static_cast<std::ptrdiff_t>(blancos), texto.end());
}

std::string NormalizarNIF(std::string_view origen) {
  const auto fin = origen.find('\0');
  if (fin != std::string_view::npos) origen = origen.substr(0, fin);
  std::string nif(kLongitudNIF, ' ');
  std::copy_n(origen.begin(), std::min(origen.size(), kLongitudNIF), nif.begin());

  MayusculasNIF(nif);
  QuitarBlancosInternos(nif);
  AlinearDerecha(nif);
  for (char& c : nif) {
    if (c != ' ') break;
    c = '0';
  }
  // A foreigner's number typed with fewer digits: the X sits after the padding zeros and goes back in front.
  const auto x = nif.find('X');
  if (x != std::string::npos && x >= 1 && x <= 6 && nif.find_first_not_of('0') == x) {
    nif[x] = '0';
    nif[0] = 'X';
  }
  return nif;
}

int ClasificarNIF(std::string_view nif) {
  const auto fin = nif.find('\0');
  if (fin != std::string_view::npos) nif = nif.substr(0, fin);
  if (nif.size() != kLongitudNIF) return TipoNIF::kLongitud;
  if (nif.find_first_not_of(' ') == std::string_view::npos) return TipoNIF::kEnBlanco;

  int letras = 0;
  for (char c : nif) {
    if (EsDigito(c)) continue;
    if (!Contiene(kLetras, c)) return TipoNIF::kCaracterNoValido;
    if (++letras == 3) return TipoNIF::kDemasiadasLetras;
  }

  if (letras == 0) {
    if (nif[0] != '0') return TipoNIF::kDigitosSinCero;
    if (nif.find_first_not_of(nif[1], 1) == std::string_view::npos) return TipoNIF::kDigitosRepetidos;
    return TipoNIF::kSoloDigitos;
  }
  return letras == 1 ? ClasificarUnaLetra(nif) : ClasificarDosLetras(nif);
}

}  // namespace marco
