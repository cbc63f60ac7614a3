#include "framework/EditNumerico.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "framework/Campo.h"
#include "framework/Imagen.h"
#include "platform/Numeros.h"

namespace marco {

namespace {

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

int LongitudDeMaximo(const CCampo& campo) {
  return campo.Decimales > 0 ? campo.Longitud + campo.Decimales + 1 : campo.Longitud;
}

}  // namespace

// ---- amounts ----

CDoubleEdit::CDoubleEdit(CCampo& campo) : CEditEx(campo) { PonerLongitudMaxima(LongitudDeMaximo(campo)); }

CDoubleEdit::CDoubleEdit(int enteros, int decimales) : CEditEx(decimales > 0 ? enteros + decimales + 1 : enteros) {
  CCampo& campo = *DameCampo();
  campo.Longitud = enteros;
  campo.Decimales = decimales;
  campo.StrValidac = "F" + std::to_string(enteros) + "." + std::to_string(decimales);
}

int CDoubleEdit::AsignarDato(void* dato) {
  CEditEx::AsignarDato(dato);
  return static_cast<int>(sizeof(double));
}

unsigned CDoubleEdit::DameEstilo() { return CEditEx::DameEstilo() | kEstiloDerecha; }

void CDoubleEdit::CambiarSigno(const std::string& texto, int inicio, int fin) {
  if (fin > inicio) {
    CambiarTexto(texto, inicio, fin);
  } else {
    const int final = static_cast<int>(texto.size());
    CambiarTexto(texto, final, final);
  }
  PonerModificado(true);
}

int CDoubleEdit::ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) {
  const int base = CEditEx::ValidarCaracter(caracter, repeticiones, banderas, llamada);
  if (base != 0) return base;
  const CCampo* campo = DameCampo();
  const int n = campo != nullptr ? campo->Longitud : 0;
  const int d = campo != nullptr ? campo->Decimales : 0;
  const bool negativos = campo != nullptr && campo->AdmitNega != 0;
  std::string texto = Texto();
  const int largo = static_cast<int>(texto.size());
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  const std::size_t coma = texto.find(',');

  if (caracter == kTeclaRetroceso || caracter == kTeclaEscape) return 0;
  if (caracter == ',') return d == 0 || coma != std::string::npos ? 1 : 0;
  if (caracter == '-') {
    if (!negativos) return 1;
    if (texto.empty()) return 0;
    if (EsSoloLectura()) return 2;
    if (texto.front() == '-') {
      texto.erase(0, 1);
      inicio = std::max(inicio - 1, 0);
      fin = std::max(fin - 1, 0);
    } else {
      texto.insert(0, 1, '-');
      ++inicio;
      ++fin;
    }
    CambiarSigno(texto, inicio, fin);
    return 2;
  }
  if (caracter == '+') {
    if (EsSoloLectura()) return 2;
    if (!texto.empty() && texto.front() == '-') {
      texto.erase(0, 1);
      inicio = std::max(inicio - 1, 0);
      fin = std::max(fin - 1, 0);
    }
    CambiarSigno(texto, inicio, fin);
    return 2;
  }
  if (caracter <= 0xFF && EsDigito(static_cast<char>(caracter))) {
    if (d > 0 && inicio == fin) {
      if (coma == std::string::npos) {
        if (largo >= n) return 1;
      } else if (inicio > static_cast<int>(coma)) {
        if (largo - static_cast<int>(coma) - 1 >= d) return 1;
      } else if (static_cast<int>(coma) >= n) {
        return 1;
      }
    }
    return 0;
  }
  return 1;
}

int CDoubleEdit::TextoAdmisible(std::string_view texto) {
  if (texto.empty()) return 1;
  const char primero = texto.front();
  if (primero != '+' && primero != '-' && !EsDigito(primero)) return 0;
  int comas = 0;
  for (std::size_t i = 1; i < texto.size(); ++i) {
    if (texto[i] == ',') {
      if (++comas > 1) return 0;
    } else if (!EsDigito(texto[i])) {
      return 0;
    }
  }
  return 1;
}

bool CDoubleEdit::TextoDeCalculadora(double valor, std::string& texto) {
  const CCampo* campo = DameCampo();
  if (campo == nullptr || EsSoloLectura() || !std::isfinite(valor)) return false;
  const int decimales = std::max(campo->Decimales, 0);
  const double redondeado = plataforma::RedondeaDecimales(valor, decimales);
  if (redondeado < 0.0 && campo->AdmitNega == 0) return false;
  std::string cifras = plataforma::FormateaFijo(std::fabs(redondeado), 0);
  if (cifras == "0") cifras.clear();
  // The digits a person could type before the comma.
  if (static_cast<int>(cifras.size()) > campo->Longitud) return false;
  texto = TextoEdicion(redondeado, decimales);
  return static_cast<int>(texto.size()) <= LongitudMaxima();
}

double CDoubleEdit::TextoADouble(std::string_view texto) {
  std::string numero;
  numero.reserve(texto.size());
  for (const char c : texto) {
    if (c == '.') continue;
    numero += c == ',' ? '.' : c;
  }
  // As far as it reads as a number: an optional sign, digits, a point, digits.
  std::size_t i = 0;
  while (i < numero.size() && numero[i] == ' ') ++i;
  bool negativo = false;
  if (i < numero.size() && (numero[i] == '-' || numero[i] == '+')) negativo = numero[i++] == '-';
  std::size_t fin = i;
  while (fin < numero.size() && EsDigito(numero[fin])) ++fin;
  if (fin < numero.size() && numero[fin] == '.') {
    ++fin;
    while (fin < numero.size() && EsDigito(numero[fin])) ++fin;
  }
  double valor = 0.0;
  const std::string_view cifras(numero.data() + i, fin - i);
  if (cifras.empty() || cifras == ".") return 0.0;
  const auto r = std::from_chars(cifras.data(), cifras.data() + cifras.size(), valor, std::chars_format::fixed);
  if (r.ec != std::errc() || !std::isfinite(valor)) return 0.0;
  return negativo ? -valor : valor;
}

void CDoubleEdit::QuitarCerosDecimales(std::string& texto) {
  if (texto.find(',') == std::string::npos) return;
  while (!texto.empty() && texto.back() == '0') texto.pop_back();
  if (!texto.empty() && texto.back() == ',') texto.pop_back();
}

std::string CDoubleEdit::TextoEdicion(double valor, int decimales) {
  if (valor == 0.0 || !std::isfinite(valor)) return {};
  std::string texto = plataforma::FormateaFijo(valor, std::max(decimales, 0));
  std::replace(texto.begin(), texto.end(), '.', ',');
  QuitarCerosDecimales(texto);
  return texto;
}

int CDoubleEdit::GuardarValor() {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr) return 0;
  if (EsSoloLectura()) return 1;
  const bool modificado = EstaModificado();
  const std::string texto = Texto();
  const double valor = texto.empty() || texto.front() == ' ' ? 0.0 : TextoADouble(texto);
  const int c = SujetoActual();
  const int m = campo->Repeticion;
  auto* destino = static_cast<unsigned char*>(campo->Dato);
  if (c >= 1 && m > 1) {
    // A person beyond the box's entries has no value here.
    if (c > m) return 0;
    destino += static_cast<std::size_t>(c - 1) * sizeof(double);
  }
  std::memcpy(destino, &valor, sizeof valor);
  campo->ActualizarTexto();
  if (modificado) MarcarDeclaracionModificada();
  return 1;
}

void CDoubleEdit::MostrarValor(int forma) {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr) return;
  if (EsSoloLectura() || (forma == 1 && EsCampoPropio())) {
    campo->ActualizarTexto();
    PonerTexto(campo->Texto);
    return;
  }
  const int c = SujetoActual();
  const int m = campo->Repeticion;
  const auto* origen = static_cast<const unsigned char*>(campo->Dato);
  if (m >= 2 && c >= 1) {
    origen = c - 1 >= m ? nullptr : origen + static_cast<std::size_t>(c - 1) * sizeof(double);
  }
  double valor = 0.0;
  if (origen != nullptr) std::memcpy(&valor, origen, sizeof valor);
  PonerTexto(TextoEdicion(valor, campo->Decimales));
}

CMoneda::CMoneda(CCampo& campo) : CDoubleEdit(campo) {
  const int maximo = LongitudMaxima();
  campo.LeerMascara(MonedaEnUso());
  PonerLongitudMaxima(maximo);
}

// ---- integers ----

CEnteroEdit::CEnteroEdit(int longitud) : CEnteroEdit(longitud, 'I') {}

CEnteroEdit::CEnteroEdit(int longitud, char letra) : CEditEx(longitud) {
  DameCampo()->StrValidac = std::string(1, letra) + std::to_string(longitud);
}

int CEnteroEdit::AsignarDato(void* dato) {
  CEditEx::AsignarDato(dato);
  return static_cast<int>(sizeof(std::int32_t));
}

unsigned CEnteroEdit::DameEstilo() { return CEditEx::DameEstilo() | kEstiloDerecha; }

int CEnteroEdit::ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) {
  const int base = CEditEx::ValidarCaracter(caracter, repeticiones, banderas, llamada);
  if (base != 0) return base;
  if ((caracter >= '0' && caracter <= '9') || caracter == kTeclaRetroceso) return 0;
  return 1;
}

int CEnteroEdit::TextoAdmisible(std::string_view texto) {
  return std::all_of(texto.begin(), texto.end(), [](char c) { return EsDigito(c) || c == '.'; }) ? 1 : 0;
}

bool CEnteroEdit::TextoDeCalculadora(double valor, std::string& texto) {
  if (DameCampo() == nullptr || EsSoloLectura() || !std::isfinite(valor)) return false;
  if (valor < 0.0 || valor != std::trunc(valor) || valor > std::numeric_limits<std::int32_t>::max()) return false;
  std::string cifras = plataforma::FormateaFijo(valor, 0);
  if (static_cast<int>(cifras.size()) > LongitudMaxima()) return false;
  texto = std::move(cifras);
  return true;
}

int CEnteroEdit::GuardarValor() {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr) return 0;
  if (EsSoloLectura()) return 1;
  std::string texto = Texto();
  texto.erase(std::remove(texto.begin(), texto.end(), '.'), texto.end());
  const long leido = texto.empty() || texto.front() == ' ' ? 0L : plataforma::LeeEntero(texto);
  if (leido > std::numeric_limits<std::int32_t>::max() || leido < std::numeric_limits<std::int32_t>::min()) {
    // Too large for the box's value: it keeps the one it had.
    Pitar();
    return 0;
  }
  const auto valor = static_cast<std::int32_t>(leido);
  std::memcpy(campo->Dato, &valor, sizeof valor);
  return 1;
}

void CEnteroEdit::MostrarValor(int forma) {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr) return;
  std::int32_t valor = 0;
  std::memcpy(&valor, campo->Dato, sizeof valor);
  std::string texto;
  if (valor != 0) {
    if (forma == 1) {
      campo->ActualizarTexto();
      texto = campo->Texto;
    } else {
      texto = std::to_string(valor);
    }
  }
  PonerTexto(texto);
}

int CContadorEdit::ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) {
  const int base = CEditEx::ValidarCaracter(caracter, repeticiones, banderas, llamada);
  if (base != 0) return base;
  if (caracter >= '0' && caracter <= '9') return 0;
  if (caracter != kTeclaRetroceso) return 1;
  std::string texto = Texto();
  if (texto.empty() || EsSoloLectura()) return 2;
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  texto.pop_back();
  const int largo = static_cast<int>(texto.size());
  CambiarTexto(texto, std::min(inicio, largo), std::min(fin, largo));
  PonerModificado(true);
  return 2;
}

}  // namespace marco
