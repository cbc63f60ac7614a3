#include "shell/Calculadora.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/Numeros.h"

namespace shell {

namespace {

using EOrden = EOrdenCalculadora;
using EResultado = EResultadoCalculadora;

constexpr STeclaCalculadora kTeclas[] = {
    {EOrden::MemoriaBorrar, "Borra la memoria (Ctrl+L)", "MC", 0, 0},
    {EOrden::MemoriaRecuperar, "Muestra la cifra de la memoria (Ctrl+R)", "MR", 0, 1},
    {EOrden::MemoriaSumar, "Suma la cifra a la memoria (Ctrl+P)", "M+", 0, 2},
    {EOrden::MemoriaRestar, "Resta la cifra de la memoria (Ctrl+Q)", "M-", 0, 3},
    {EOrden::BorrarEntrada, "Borra la cifra (Supr)", "CE", 0, 4},
    {EOrden::Siete, "", "7", 1, 0},
    {EOrden::Ocho, "", "8", 1, 1},
    {EOrden::Nueve, "", "9", 1, 2},
    {EOrden::Dividir, "", "÷", 1, 3},
    {EOrden::Borrar, "Borra todo menos la memoria (C)", "C", 1, 4},
    {EOrden::Cuatro, "", "4", 2, 0},
    {EOrden::Cinco, "", "5", 2, 1},
    {EOrden::Seis, "", "6", 2, 2},
    {EOrden::Multiplicar, "", "×", 2, 3},
    {EOrden::Porcentaje, "", "%", 2, 4},
    {EOrden::Uno, "", "1", 3, 0},
    {EOrden::Dos, "", "2", 3, 1},
    {EOrden::Tres, "", "3", 3, 2},
    {EOrden::Restar, "", "-", 3, 3},
    {EOrden::CambiarSigno, "Cambia el signo (F9)", "±", 3, 4},
    {EOrden::Cero, "", "0", 4, 0},
    {EOrden::Coma, "", ",", 4, 1},
    {EOrden::Retroceso, "Borra el último carácter (Retroceso)", "←", 4, 2},
    {EOrden::Sumar, "", "+", 4, 3},
    {EOrden::Igual, "Calcula (Intro)", "=", 4, 4},
    {EOrden::PesetasAEuros, "Pesetas a euros, redondeado al céntimo (E)", "Pts → €", 5, 0, 2},
    {EOrden::EurosAPesetas, "Euros a pesetas, redondeado a la peseta (P)", "€ → Pts", 5, 2, 2},
};

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

int CuentaDigitos(std::string_view texto) {
  return static_cast<int>(std::count_if(texto.begin(), texto.end(), EsDigito));
}

// The digits before the point or comma of a formatted number.
int DigitosEnteros(std::string_view texto) {
  const std::size_t fin = texto.find_first_of(".,");
  return CuentaDigitos(texto.substr(0, fin));
}

// A plain figure as a number: "," before the decimals, a trailing comma allowed.
double LeerCifra(std::string_view cifra) {
  std::string texto(cifra);
  if (!texto.empty() && texto.back() == ',') texto.pop_back();
  std::replace(texto.begin(), texto.end(), ',', '.');
  double valor = 0.0;
  if (!plataforma::LeeDouble(texto, valor) || !std::isfinite(valor)) return 0.0;
  return valor;
}

// A number with exactly `decimales` decimals, "," before them; none when its whole part has more than 12 digits.
std::optional<std::string> CifraFija(double valor, int decimales) {
  if (!std::isfinite(valor)) return std::nullopt;
  std::string texto = plataforma::FormateaFijo(valor, decimales);
  if (DigitosEnteros(texto) > kCifrasCalculadora) return std::nullopt;
  std::replace(texto.begin(), texto.end(), '.', ',');
  return texto;
}

}  // namespace

std::string_view MensajeDe(EResultadoCalculadora resultado) {
  switch (resultado) {
    case EResultado::DivisionPorCero: return kMensajeDivisionPorCero;
    case EResultado::DemasiadasCifras: return kMensajeDemasiadasCifras;
    case EResultado::Hecho:
    case EResultado::Rechazado: break;
  }
  return {};
}

std::span<const STeclaCalculadora> TeclasCalculadora() { return kTeclas; }

std::optional<EOrdenCalculadora> OrdenDeTecla(char32_t caracter, ETeclaEspecial especial, bool control) {
  switch (especial) {
    case ETeclaEspecial::Intro: return EOrden::Igual;
    case ETeclaEspecial::Suprimir: return EOrden::BorrarEntrada;
    case ETeclaEspecial::Retroceso: return EOrden::Retroceso;
    case ETeclaEspecial::F9: return EOrden::CambiarSigno;
    case ETeclaEspecial::Ninguna: break;
  }
  if (control) {
    switch (caracter) {
      case U'p': case U'P': return EOrden::MemoriaSumar;
      case U'q': case U'Q': return EOrden::MemoriaRestar;
      case U'r': case U'R': return EOrden::MemoriaRecuperar;
      case U'l': case U'L': return EOrden::MemoriaBorrar;
      default: return std::nullopt;
    }
  }
  if (caracter >= U'0' && caracter <= U'9') {
    return static_cast<EOrden>(static_cast<int>(EOrden::Cero) + static_cast<int>(caracter - U'0'));
  }
  switch (caracter) {
    case U',': case U'.': return EOrden::Coma;
    case U'+': return EOrden::Sumar;
    case U'-': return EOrden::Restar;
    case U'*': case U'x': case U'X': return EOrden::Multiplicar;
    case U'/': return EOrden::Dividir;
    case U'=': return EOrden::Igual;
    case U'%': return EOrden::Porcentaje;
    case U'c': case U'C': return EOrden::Borrar;
    case U'e': case U'E': return EOrden::PesetasAEuros;
    case U'p': case U'P': return EOrden::EurosAPesetas;
    default: return std::nullopt;
  }
}

// ---- the rules ----

CReglasCalculadora::CReglasCalculadora(double memoria) : m_memoria(Cifra(memoria) ? memoria : 0.0) {}

std::optional<std::string> CReglasCalculadora::Cifra(double valor) {
  if (!std::isfinite(valor)) return std::nullopt;
  // The digits of the whole part decide how many decimals are left of the 12 (a whole part of 0 counts as one).
  const std::string entero = plataforma::FormateaFijo(std::trunc(std::fabs(valor)), 0);
  const int enteros = CuentaDigitos(entero);
  if (enteros > kCifrasCalculadora) return std::nullopt;
  std::optional<std::string> texto = CifraFija(valor, kCifrasCalculadora - enteros);
  if (!texto) return std::nullopt;
  if (texto->find(',') != std::string::npos) {
    while (texto->back() == '0') texto->pop_back();
    if (texto->back() == ',') texto->pop_back();
  }
  if (*texto == "-0") *texto = "0";
  return texto;
}

std::string CReglasCalculadora::ConPuntos(std::string_view cifra) {
  const std::size_t inicio = !cifra.empty() && cifra.front() == '-' ? 1 : 0;
  const std::size_t coma = std::min(cifra.find(','), cifra.size());
  std::string texto(cifra.substr(0, inicio));
  const std::string_view entero = cifra.substr(inicio, coma - inicio);
  for (std::size_t i = 0; i < entero.size(); ++i) {
    if (i > 0 && (entero.size() - i) % 3 == 0) texto += '.';
    texto += entero[i];
  }
  texto += cifra.substr(coma);
  return texto;
}

std::string CReglasCalculadora::TextoMemoria(double memoria) {
  if (memoria == 0.0 || !std::isfinite(memoria)) return "0.0";
  char buffer[64];
  const auto r = std::to_chars(buffer, buffer + sizeof buffer, memoria, std::chars_format::fixed);
  std::string texto(buffer, r.ptr);
  if (texto.find('.') == std::string::npos) texto += ".0";
  return texto;
}

double CReglasCalculadora::LeerMemoria(std::string_view texto) {
  double valor = 0.0;
  if (!plataforma::LeeDouble(texto, valor) || !Cifra(valor)) return 0.0;
  return valor;
}

std::string CReglasCalculadora::Pantalla() const { return ConPuntos(m_cifra); }

std::string CReglasCalculadora::Resultado() const {
  std::string texto = m_cifra;
  if (!texto.empty() && texto.back() == ',') texto.pop_back();
  if (LeerCifra(texto) == 0.0) return "0";
  return texto;
}

double CReglasCalculadora::Valor() const { return LeerCifra(m_cifra); }

EResultadoCalculadora CReglasCalculadora::Ejecutar(EOrdenCalculadora orden) {
  if (orden >= EOrden::Cero && orden <= EOrden::Nueve) {
    return Digito(static_cast<char>('0' + (static_cast<int>(orden) - static_cast<int>(EOrden::Cero))));
  }
  switch (orden) {
    case EOrden::Coma: return Coma();
    case EOrden::Sumar: return Operar('+');
    case EOrden::Restar: return Operar('-');
    case EOrden::Multiplicar: return Operar('*');
    case EOrden::Dividir: return Operar('/');
    case EOrden::Igual: return Igual();
    case EOrden::Porcentaje: return Porcentaje();
    case EOrden::CambiarSigno: return CambiarSigno();
    case EOrden::Borrar:
      *this = CReglasCalculadora(m_memoria);
      return EResultado::Hecho;
    case EOrden::BorrarEntrada:
      m_cifra = "0";
      m_bNueva = true;
      return EResultado::Hecho;
    case EOrden::Retroceso: return Retroceso();
    case EOrden::MemoriaSumar: return SumarMemoria(1.0);
    case EOrden::MemoriaRestar: return SumarMemoria(-1.0);
    case EOrden::MemoriaRecuperar: return Mostrar(m_memoria);
    case EOrden::MemoriaBorrar:
      m_memoria = 0.0;
      return EResultado::Hecho;
    case EOrden::PesetasAEuros: return Convertir(true);
    case EOrden::EurosAPesetas: return Convertir(false);
    default: break;
  }
  return EResultado::Rechazado;
}

void CReglasCalculadora::SegundoOperando() {
  if (m_operacion != 0) m_bSegundo = true;
}

EResultadoCalculadora CReglasCalculadora::Digito(char digito) {
  if (m_bNueva) {
    m_cifra.assign(1, digito);
    m_bNueva = false;
    SegundoOperando();
    return EResultado::Hecho;
  }
  if (CuentaDigitos(m_cifra) >= kCifrasCalculadora) return EResultado::Rechazado;
  // A leading zero gives way to the digit typed after it.
  if (m_cifra == "0") {
    m_cifra.assign(1, digito);
  } else if (m_cifra == "-0") {
    m_cifra = std::string("-") + digito;
  } else {
    m_cifra += digito;
  }
  return EResultado::Hecho;
}

EResultadoCalculadora CReglasCalculadora::Coma() {
  if (m_bNueva) {
    m_cifra = "0,";
    m_bNueva = false;
    SegundoOperando();
    return EResultado::Hecho;
  }
  if (m_cifra.find(',') != std::string::npos || CuentaDigitos(m_cifra) >= kCifrasCalculadora) {
    return EResultado::Rechazado;
  }
  m_cifra += ',';
  return EResultado::Hecho;
}

EResultadoCalculadora CReglasCalculadora::Calcular(double& resultado) const {
  const double segundo = Valor();
  switch (m_operacion) {
    case '+': resultado = m_acumulado + segundo; break;
    case '-': resultado = m_acumulado - segundo; break;
    case '*': resultado = m_acumulado * segundo; break;
    case '/':
      if (segundo == 0.0) return EResultado::DivisionPorCero;
      resultado = m_acumulado / segundo;
      break;
    default: resultado = segundo; break;
  }
  return Cifra(resultado) ? EResultado::Hecho : EResultado::DemasiadasCifras;
}

EResultadoCalculadora CReglasCalculadora::Operar(char operacion) {
  // A second figure given completes the operation pending first; an operator pressed right after another takes
  // its place.
  if (m_operacion != 0 && m_bSegundo) {
    double resultado = 0.0;
    if (const EResultado r = Calcular(resultado); r != EResultado::Hecho) return r;
    m_cifra = *Cifra(resultado);
  }
  m_acumulado = Valor();
  m_operacion = operacion;
  m_bSegundo = false;
  m_bNueva = true;
  return EResultado::Hecho;
}

EResultadoCalculadora CReglasCalculadora::Igual() {
  if (m_operacion != 0) {
    // The figure shown is the second one, typed or not ("5 + =" gives 10).
    double resultado = 0.0;
    if (const EResultado r = Calcular(resultado); r != EResultado::Hecho) return r;
    m_cifra = *Cifra(resultado);
    m_operacion = 0;
    m_bSegundo = false;
  }
  m_bNueva = true;
  return EResultado::Hecho;
}

EResultadoCalculadora CReglasCalculadora::Porcentaje() {
  const double cifra = Valor();
  // "200 + 10 %" adds 10 % of 200; "200 × 10 %" multiplies by 0.10; alone, 10 % is 0.10.
  const double valor = m_operacion == '+' || m_operacion == '-' ? m_acumulado * cifra / 100.0 : cifra / 100.0;
  return Mostrar(valor);
}

EResultadoCalculadora CReglasCalculadora::CambiarSigno() {
  if (LeerCifra(m_cifra) == 0.0 && m_cifra.find(',') == std::string::npos) return EResultado::Hecho;
  if (m_cifra.front() == '-') {
    m_cifra.erase(0, 1);
  } else {
    m_cifra.insert(0, 1, '-');
  }
  SegundoOperando();
  return EResultado::Hecho;
}

EResultadoCalculadora CReglasCalculadora::Retroceso() {
  if (m_bNueva) return EResultado::Rechazado;
  m_cifra.pop_back();
  if (m_cifra.empty() || m_cifra == "-") m_cifra = "0";
  return EResultado::Hecho;
}

EResultadoCalculadora CReglasCalculadora::SumarMemoria(double signo) {
  const std::optional<std::string> cifra = Cifra(m_memoria + signo * Valor());
  if (!cifra) return EResultado::DemasiadasCifras;
  m_memoria = LeerCifra(*cifra);
  m_bNueva = true;
  return EResultado::Hecho;
}

EResultadoCalculadora CReglasCalculadora::Convertir(bool aEuros) {
  const double valor = Valor();
  const std::optional<std::string> cifra =
      aEuros ? CifraFija(valor / kPesetasPorEuro, 2) : CifraFija(valor * kPesetasPorEuro, 0);
  if (!cifra) return EResultado::DemasiadasCifras;
  // Euros keep their cents ("60,10"); "-0,00" is no figure of its own.
  return MostrarTexto(LeerCifra(*cifra) == 0.0 ? std::string("0") : *cifra);
}

EResultadoCalculadora CReglasCalculadora::Mostrar(double valor) {
  const std::optional<std::string> cifra = Cifra(valor);
  if (!cifra) return EResultado::DemasiadasCifras;
  return MostrarTexto(*cifra);
}

EResultadoCalculadora CReglasCalculadora::MostrarTexto(std::string cifra) {
  m_cifra = std::move(cifra);
  m_bNueva = true;
  SegundoOperando();
  return EResultado::Hecho;
}

}  // namespace shell
