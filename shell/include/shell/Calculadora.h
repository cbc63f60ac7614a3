// The calculator's rules, without a window: the figure typed and shown, the four operations carried out as each
// operator is pressed (as a pocket calculator does), percent, sign change, clearing, a memory kept in the profile
// ([CALCULADORA] Memoria) and the conversion between pesetas and euros at the fixed rate. Figures hold at most 12
// digits: a key that would type a 13th is refused, and so is a result with more than 12 digits before the comma.
// Figures are written with "," before the decimals; the display groups the whole part in threes with ".".
//
// The dialog (CalculadoraVentana.h) shows these rules and turns keys and clicks into their orders.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace shell {

// Coded messages of the calculator.
inline constexpr std::string_view kMensajeDivisionPorCero = "CALC001";
inline constexpr std::string_view kMensajeDemasiadasCifras = "CALC002";

// Pesetas to the euro, fixed by law for the conversion: euros are rounded to the cent, pesetas to the whole unit.
inline constexpr double kPesetasPorEuro = 166.386;
// The digits a figure holds.
inline constexpr int kCifrasCalculadora = 12;

// Where the profile keeps the memory.
inline constexpr std::string_view kSeccionCalculadora = "CALCULADORA";
inline constexpr std::string_view kClaveMemoria = "Memoria";

// What a key of the calculator does.
enum class EOrdenCalculadora {
  Cero, Uno, Dos, Tres, Cuatro, Cinco, Seis, Siete, Ocho, Nueve,
  Coma,
  Sumar, Restar, Multiplicar, Dividir, Igual,
  Porcentaje,
  CambiarSigno,
  Borrar,         // C: the figure, the operation pending and the result go (the memory stays)
  BorrarEntrada,  // CE: the figure being typed goes, the operation pending stays
  Retroceso,      // the last character typed goes
  MemoriaSumar, MemoriaRestar, MemoriaRecuperar, MemoriaBorrar,
  PesetasAEuros, EurosAPesetas,
};

// What an order gave.
enum class EResultadoCalculadora {
  Hecho,
  Rechazado,         // nothing changed; the window beeps (a 13th digit, a second comma...)
  DivisionPorCero,   // nothing changed; message CALC001
  DemasiadasCifras,  // nothing changed; message CALC002
};
// The coded message of a result; empty for Hecho and Rechazado.
std::string_view MensajeDe(EResultadoCalculadora resultado);

// One key of the calculator as the dialog lays it out: its order, the tool tip that says what it does and names its
// key on the keyboard (Castilian, UTF-8, translated where it is shown; empty when the face says it), its face (the
// same in every language), and its place in the grid of keys.
struct STeclaCalculadora {
  EOrdenCalculadora orden;
  std::string_view ayuda;
  std::string_view rotulo;
  int fila;
  int columna;
  int columnas = 1;  // keys two places wide
};
// Every key, row by row.
std::span<const STeclaCalculadora> TeclasCalculadora();

// A key of the keyboard: a typed character, or one of the keys without a character.
enum class ETeclaEspecial { Ninguna, Intro, Suprimir, Retroceso, F9 };
// The order of a key: digits, "," and "." (the comma), + - * / and "x", "=" and Enter, "%", F9 (sign), Delete (CE),
// Backspace, "C" (C), "E" (pesetas to euros), "P" (euros to pesetas); with Control held: P (M+), Q (M-), R (MR),
// L (MC). None for any other key (Escape is the dialog's: it cancels).
std::optional<EOrdenCalculadora> OrdenDeTecla(char32_t caracter, ETeclaEspecial especial, bool control);

class CReglasCalculadora {
 public:
  // Starts showing 0, with `memoria` in the memory (a value of more than 12 digits counts as 0).
  explicit CReglasCalculadora(double memoria = 0.0);

  EResultadoCalculadora Ejecutar(EOrdenCalculadora orden);

  // The figure shown, its whole part grouped with points: "1.244,5".
  std::string Pantalla() const;
  // The figure shown as a box takes it: no points, "," before the decimals, no trailing comma: "1244,5".
  std::string Resultado() const;
  // The figure shown as a number.
  double Valor() const;
  // The operation waiting for its second figure: '+', '-', '*', '/', or 0.
  char OperacionPendiente() const { return m_operacion; }
  double Memoria() const { return m_memoria; }
  bool HayMemoria() const { return m_memoria != 0.0; }

  // The memory as the profile keeps it: "." before the decimals, always with one ("0.0", "200.0", "1234.5").
  static std::string TextoMemoria(double memoria);
  // The profile's text as a memory: 0 for a text that is not a number or holds more than 12 digits.
  static double LeerMemoria(std::string_view texto);
  // A number as the calculator shows it (plain form, "," before the decimals, no trailing zeros), rounded to the
  // 12 digits it holds (half away from zero); none when its whole part has more than 12 digits.
  static std::optional<std::string> Cifra(double valor);
  // A plain figure with its whole part grouped in threes with ".".
  static std::string ConPuntos(std::string_view cifra);

 private:
  EResultadoCalculadora Digito(char digito);
  EResultadoCalculadora Coma();
  EResultadoCalculadora Operar(char operacion);
  EResultadoCalculadora Igual();
  EResultadoCalculadora Porcentaje();
  EResultadoCalculadora CambiarSigno();
  EResultadoCalculadora Retroceso();
  EResultadoCalculadora SumarMemoria(double signo);
  EResultadoCalculadora Convertir(bool aEuros);
  // Shows a value as a new figure: the next digit starts another one. DemasiadasCifras when it does not fit.
  EResultadoCalculadora Mostrar(double valor);
  EResultadoCalculadora MostrarTexto(std::string cifra);
  // The operation pending on the accumulated value and the figure shown.
  EResultadoCalculadora Calcular(double& resultado) const;
  // The figure shown has become the second figure of the operation pending.
  void SegundoOperando();

  std::string m_cifra = "0";   // the figure shown, plain form
  bool m_bNueva = true;        // the next digit starts a new figure
  char m_operacion = 0;        // the operation pending
  double m_acumulado = 0.0;    // its first figure
  bool m_bSegundo = false;     // a second figure was given since the operator
  double m_memoria = 0.0;
};

}  // namespace shell
