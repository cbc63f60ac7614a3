#include "platform/Expresion.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

#include "platform/Nombres.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace plataforma {

CValor CValor::DeTexto(std::string t) {
  CValor v;
  v.tipo = ETipoValor::Texto;
  v.texto = std::move(t);
  return v;
}

CValor CValor::DeNumero(double n) {
  CValor v;
  v.tipo = ETipoValor::Numero;
  v.numero = n;
  return v;
}

CValor CValor::DeLogico(bool l) {
  CValor v;
  v.tipo = ETipoValor::Logico;
  v.logico = l;
  return v;
}

enum class EOperacion {
  Literal, Campo, Menos, No, Y, O, Suma, Resta, Producto, Cociente,
  Igual, Exacto, Distinto, Menor, MenorOIgual, Mayor, MayorOIgual,
  StrZero, Str, Upper, Trim, LTrim, AllTrim, SubStr, Deleted, Recno
};

struct CNodoExpresion {
  EOperacion op = EOperacion::Literal;
  ETipoValor tipo = ETipoValor::Ninguno;
  CValor literal;
  std::size_t campo = 0;
  int profundidad = 1;  // levels of the tree from this node down
  std::vector<std::unique_ptr<CNodoExpresion>> hijos;
};

namespace {

using PNodo = std::unique_ptr<CNodoExpresion>;

enum class EToken {
  Fin, Numero, Texto, Nombre, Verdad, Falso, Y, O, No, Igual, Exacto, Distinto, Menor, MenorOIgual, Mayor,
  MayorOIgual, Mas, Menos, Por, Entre, AbreParen, CierraParen, Coma, Malo
};

struct CToken {
  EToken clase = EToken::Fin;
  std::string texto;
  double numero = 0;
};

bool EsLetra(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool EsDigito(char c) { return c >= '0' && c <= '9'; }

class CLexico {
 public:
  explicit CLexico(std::string_view t) : t_(t) {}

  CToken Siguiente() {
    while (p_ < t_.size() && (t_[p_] == ' ' || t_[p_] == '\t' || t_[p_] == '\r' || t_[p_] == '\n')) ++p_;
    CToken k;
    if (p_ >= t_.size()) return k;
    const char c = t_[p_];
    if (c == '\'' || c == '"') {
      const auto fin = t_.find(c, p_ + 1);
      if (fin == std::string_view::npos) return Malo("texto sin cerrar");
      k.clase = EToken::Texto;
      k.texto = std::string(t_.substr(p_ + 1, fin - p_ - 1));
      p_ = fin + 1;
      return k;
    }
    if (EsDigito(c) || (c == '.' && p_ + 1 < t_.size() && EsDigito(t_[p_ + 1]))) {
      std::size_t q = p_;
      while (q < t_.size() && EsDigito(t_[q])) ++q;
      if (q + 1 < t_.size() && t_[q] == '.' && EsDigito(t_[q + 1])) {
        ++q;
        while (q < t_.size() && EsDigito(t_[q])) ++q;
      }
      std::string num(t_.substr(p_, q - p_));
      if (num.front() == '.') num.insert(num.begin(), '0');
      if (!LeeDouble(num, k.numero)) return Malo("número mal escrito");
      k.clase = EToken::Numero;
      p_ = q;
      return k;
    }
    if (c == '.') {
      std::size_t q = p_ + 1;
      while (q < t_.size() && EsLetra(t_[q])) ++q;
      if (q >= t_.size() || t_[q] != '.') return Malo("operador con punto sin cerrar");
      const std::string palabra = MayusculasAscii(t_.substr(p_ + 1, q - p_ - 1));
      p_ = q + 1;
      if (palabra == "AND") k.clase = EToken::Y;
      else if (palabra == "OR") k.clase = EToken::O;
      else if (palabra == "NOT") k.clase = EToken::No;
      else if (palabra == "T" || palabra == "Y") k.clase = EToken::Verdad;
      else if (palabra == "F" || palabra == "N") k.clase = EToken::Falso;
      else return Malo("operador desconocido ." + palabra + ".");
      return k;
    }
    if (EsLetra(c)) {
      std::size_t q = p_;
      while (q < t_.size() && (EsLetra(t_[q]) || EsDigito(t_[q]))) ++q;
      k.clase = EToken::Nombre;
      k.texto = std::string(t_.substr(p_, q - p_));
      p_ = q;
      return k;
    }
    auto dos = [&](char segundo) { return p_ + 1 < t_.size() && t_[p_ + 1] == segundo; };
    std::size_t largo = 1;
    switch (c) {
      case '=':
        if (dos('=')) { k.clase = EToken::Exacto; largo = 2; } else { k.clase = EToken::Igual; }
        break;
      case '<':
        if (dos('=')) { k.clase = EToken::MenorOIgual; largo = 2; }
        else if (dos('>')) { k.clase = EToken::Distinto; largo = 2; }
        else { k.clase = EToken::Menor; }
        break;
      case '>':
        if (dos('=')) { k.clase = EToken::MayorOIgual; largo = 2; } else { k.clase = EToken::Mayor; }
        break;
      case '!':
        if (dos('=')) { k.clase = EToken::Distinto; largo = 2; } else { k.clase = EToken::No; }
        break;
      case '#': k.clase = EToken::Distinto; break;
      case '+': k.clase = EToken::Mas; break;
      case '-': k.clase = EToken::Menos; break;
      case '*': k.clase = EToken::Por; break;
      case '/': k.clase = EToken::Entre; break;
      case '(': k.clase = EToken::AbreParen; break;
      case ')': k.clase = EToken::CierraParen; break;
      case ',': k.clase = EToken::Coma; break;
      default: return Malo(std::string("carácter inesperado '") + c + "'");
    }
    p_ += largo;
    return k;
  }

  std::size_t Posicion() const { return p_; }

 private:
  CToken Malo(std::string que) {
    CToken k;
    k.clase = EToken::Malo;
    k.texto = std::move(que);
    p_ = t_.size();
    return k;
  }

  std::string_view t_;
  std::size_t p_ = 0;
};

class CSintactico {
 public:
  CSintactico(std::string_view texto, const std::vector<CCampoTabla>& campos) : lex_(texto), campos_(campos) {
    Avanza();
  }

  PNodo Todo() {
    PNodo n = Disyuncion();
    if (n && actual_.clase != EToken::Fin) return Falla("sobra texto al final");
    return n;
  }

  const std::string& Error() const { return error_; }
  EErrorExpresion Codigo() const { return codigo_; }

 private:
  void Avanza() {
    actual_ = lex_.Siguiente();
    if (actual_.clase == EToken::Malo && error_.empty()) error_ = actual_.texto;
  }

  PNodo Falla(std::string que, EErrorExpresion codigo = EErrorExpresion::Sintaxis) {
    if (error_.empty()) {
      error_ = std::move(que);
      codigo_ = codigo;
    }
    return nullptr;
  }
  PNodo FallaTipos(std::string que) { return Falla(std::move(que), EErrorExpresion::Tipos); }
  PNodo FallaAnidada() {
    return Falla("expresión anidada en más de " + std::to_string(kProfundidadMaximaExpresion) + " niveles",
                 EErrorExpresion::Anidada);
  }

  // One more level of the descent (a bracket, a function's argument, a sign or a .NOT.) while it lives; `Excede`
  // once the levels pass the limit, which stops the descent before the stack runs out.
  class CNivel {
   public:
    explicit CNivel(int& nivel) : nivel_(nivel) { ++nivel_; }
    ~CNivel() { --nivel_; }
    CNivel(const CNivel&) = delete;
    CNivel& operator=(const CNivel&) = delete;
    bool Excede() const { return nivel_ > kProfundidadMaximaExpresion; }

   private:
    int& nivel_;
  };

  static PNodo Nodo(EOperacion op, ETipoValor tipo) {
    auto n = std::make_unique<CNodoExpresion>();
    n->op = op;
    n->tipo = tipo;
    return n;
  }

  // A node with its children: refused when the tree would grow deeper than the limit (a long chain of operators
  // grows it one level per operator, without any bracket).
  PNodo ConHijos(EOperacion op, ETipoValor tipo, std::vector<PNodo> hijos) {
    auto n = Nodo(op, tipo);
    for (const PNodo& h : hijos) n->profundidad = std::max(n->profundidad, h->profundidad + 1);
    if (n->profundidad > kProfundidadMaximaExpresion) return FallaAnidada();
    n->hijos = std::move(hijos);
    return n;
  }

  PNodo Binario(EOperacion op, ETipoValor tipo, PNodo a, PNodo b) {
    std::vector<PNodo> hijos;
    hijos.push_back(std::move(a));
    hijos.push_back(std::move(b));
    return ConHijos(op, tipo, std::move(hijos));
  }

  PNodo Unico(EOperacion op, ETipoValor tipo, PNodo a) {
    std::vector<PNodo> hijos;
    hijos.push_back(std::move(a));
    return ConHijos(op, tipo, std::move(hijos));
  }

  PNodo Disyuncion() {
    const CNivel nivel(nivel_);
    if (nivel.Excede()) return FallaAnidada();
    PNodo a = Conjuncion();
    while (a && actual_.clase == EToken::O) {
      Avanza();
      PNodo b = Conjuncion();
      if (!b) return nullptr;
      if (a->tipo != ETipoValor::Logico || b->tipo != ETipoValor::Logico) {
        return FallaTipos(".OR. entre valores no lógicos");
      }
      a = Binario(EOperacion::O, ETipoValor::Logico, std::move(a), std::move(b));
    }
    return a;
  }

  PNodo Conjuncion() {
    PNodo a = Negacion();
    while (a && actual_.clase == EToken::Y) {
      Avanza();
      PNodo b = Negacion();
      if (!b) return nullptr;
      if (a->tipo != ETipoValor::Logico || b->tipo != ETipoValor::Logico) {
        return FallaTipos(".AND. entre valores no lógicos");
      }
      a = Binario(EOperacion::Y, ETipoValor::Logico, std::move(a), std::move(b));
    }
    return a;
  }

  PNodo Negacion() {
    if (actual_.clase == EToken::No) {
      const CNivel nivel(nivel_);
      if (nivel.Excede()) return FallaAnidada();
      Avanza();
      PNodo a = Negacion();
      if (!a) return nullptr;
      if (a->tipo != ETipoValor::Logico) return FallaTipos(".NOT. de un valor no lógico");
      return Unico(EOperacion::No, ETipoValor::Logico, std::move(a));
    }
    return Comparacion();
  }

  PNodo Comparacion() {
    PNodo a = Suma();
    if (!a) return nullptr;
    EOperacion op;
    switch (actual_.clase) {
      case EToken::Igual: op = EOperacion::Igual; break;
      case EToken::Exacto: op = EOperacion::Exacto; break;
      case EToken::Distinto: op = EOperacion::Distinto; break;
      case EToken::Menor: op = EOperacion::Menor; break;
      case EToken::MenorOIgual: op = EOperacion::MenorOIgual; break;
      case EToken::Mayor: op = EOperacion::Mayor; break;
      case EToken::MayorOIgual: op = EOperacion::MayorOIgual; break;
      default: return a;
    }
    Avanza();
    PNodo b = Suma();
    if (!b) return nullptr;
    if (a->tipo != b->tipo) return FallaTipos("comparación entre tipos distintos");
    const bool orden = op == EOperacion::Menor || op == EOperacion::MenorOIgual || op == EOperacion::Mayor ||
                       op == EOperacion::MayorOIgual;
    if (a->tipo == ETipoValor::Logico && orden) return FallaTipos("orden entre valores lógicos");
    return Binario(op, ETipoValor::Logico, std::move(a), std::move(b));
  }

  PNodo Suma() {
    PNodo a = Producto();
    while (a && (actual_.clase == EToken::Mas || actual_.clase == EToken::Menos)) {
      const bool mas = actual_.clase == EToken::Mas;
      Avanza();
      PNodo b = Producto();
      if (!b) return nullptr;
      if (a->tipo != b->tipo) return FallaTipos("suma de tipos distintos");
      if (a->tipo == ETipoValor::Texto && mas) {
        a = Binario(EOperacion::Suma, ETipoValor::Texto, std::move(a), std::move(b));
      } else if (a->tipo == ETipoValor::Numero) {
        a = Binario(mas ? EOperacion::Suma : EOperacion::Resta, ETipoValor::Numero, std::move(a), std::move(b));
      } else {
        return FallaTipos("operación aritmética sobre valores que no son números");
      }
    }
    return a;
  }

  PNodo Producto() {
    PNodo a = Unario();
    while (a && (actual_.clase == EToken::Por || actual_.clase == EToken::Entre)) {
      const EOperacion op = actual_.clase == EToken::Por ? EOperacion::Producto : EOperacion::Cociente;
      Avanza();
      PNodo b = Unario();
      if (!b) return nullptr;
      if (a->tipo != ETipoValor::Numero || b->tipo != ETipoValor::Numero) {
        return FallaTipos("operación aritmética sobre valores que no son números");
      }
      a = Binario(op, ETipoValor::Numero, std::move(a), std::move(b));
    }
    return a;
  }

  PNodo Unario() {
    if (actual_.clase == EToken::Menos || actual_.clase == EToken::Mas) {
      const CNivel nivel(nivel_);
      if (nivel.Excede()) return FallaAnidada();
      const bool menos = actual_.clase == EToken::Menos;
      Avanza();
      PNodo a = Unario();
      if (!a) return nullptr;
      if (a->tipo != ETipoValor::Numero) return FallaTipos("signo delante de un valor que no es un número");
      if (!menos) return a;
      if (a->op == EOperacion::Literal) {
        a->literal.numero = -a->literal.numero;
        return a;
      }
      return Unico(EOperacion::Menos, ETipoValor::Numero, std::move(a));
    }
    return Primario();
  }

  PNodo Primario() {
    switch (actual_.clase) {
      case EToken::Numero: {
        auto n = Nodo(EOperacion::Literal, ETipoValor::Numero);
        n->literal = CValor::DeNumero(actual_.numero);
        Avanza();
        return n;
      }
      case EToken::Texto: {
        auto n = Nodo(EOperacion::Literal, ETipoValor::Texto);
        n->literal = CValor::DeTexto(std::move(actual_.texto));
        Avanza();
        return n;
      }
      case EToken::Verdad:
      case EToken::Falso: {
        auto n = Nodo(EOperacion::Literal, ETipoValor::Logico);
        n->literal = CValor::DeLogico(actual_.clase == EToken::Verdad);
        Avanza();
        return n;
      }
      case EToken::AbreParen: {
        Avanza();
        PNodo n = Disyuncion();
        if (!n) return nullptr;
        if (actual_.clase != EToken::CierraParen) return Falla("falta ')'");
        Avanza();
        return n;
      }
      case EToken::Nombre: {
        std::string nombre = std::move(actual_.texto);
        Avanza();
        if (actual_.clase == EToken::AbreParen) return Funcion(nombre);
        const int i = IndiceCampo(campos_, nombre);
        if (i < 0) return FallaTipos("campo desconocido " + nombre);
        ETipoValor tipo = ETipoValor::Ninguno;
        switch (campos_[static_cast<std::size_t>(i)].letra) {
          case 'C': case 'D': case 'M': tipo = ETipoValor::Texto; break;
          case 'N': case 'F': case 'I': tipo = ETipoValor::Numero; break;
          case 'L': tipo = ETipoValor::Logico; break;
          default: return FallaTipos("el campo " + nombre + " no puede usarse en una expresión");
        }
        auto n = Nodo(EOperacion::Campo, tipo);
        n->campo = static_cast<std::size_t>(i);
        return n;
      }
      case EToken::Fin: return Falla("expresión incompleta");
      default: return Falla("se esperaba un valor");
    }
  }

  PNodo Funcion(const std::string& nombre) {
    Avanza();  // '('
    std::vector<PNodo> args;
    if (actual_.clase != EToken::CierraParen) {
      for (;;) {
        PNodo a = Disyuncion();
        if (!a) return nullptr;
        args.push_back(std::move(a));
        if (actual_.clase == EToken::Coma) {
          Avanza();
          continue;
        }
        break;
      }
    }
    if (actual_.clase != EToken::CierraParen) return Falla("falta ')' en " + nombre);
    Avanza();
    struct CFirma {
      const char* nombre;
      EOperacion op;
      ETipoValor resultado;
      std::size_t minimo;
      std::vector<ETipoValor> tipos;
    };
    using T = ETipoValor;
    static const CFirma firmas[] = {
        {"STRZERO", EOperacion::StrZero, T::Texto, 2, {T::Numero, T::Numero, T::Numero}},
        {"STR", EOperacion::Str, T::Texto, 1, {T::Numero, T::Numero, T::Numero}},
        {"UPPER", EOperacion::Upper, T::Texto, 1, {T::Texto}},
        {"TRIM", EOperacion::Trim, T::Texto, 1, {T::Texto}},
        {"RTRIM", EOperacion::Trim, T::Texto, 1, {T::Texto}},
        {"LTRIM", EOperacion::LTrim, T::Texto, 1, {T::Texto}},
        {"ALLTRIM", EOperacion::AllTrim, T::Texto, 1, {T::Texto}},
        {"SUBSTR", EOperacion::SubStr, T::Texto, 2, {T::Texto, T::Numero, T::Numero}},
        {"DELETED", EOperacion::Deleted, T::Logico, 0, {}},
        {"RECNO", EOperacion::Recno, T::Numero, 0, {}},
    };
    for (const auto& f : firmas) {
      if (!IgualesSinCaso(nombre, f.nombre)) continue;
      if (args.size() < f.minimo || args.size() > f.tipos.size()) return Falla("número de argumentos de " + nombre);
      for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i]->tipo != f.tipos[i]) return FallaTipos("tipo de argumento de " + nombre);
      }
      return ConHijos(f.op, f.resultado, std::move(args));
    }
    return Falla("función desconocida " + nombre);
  }

  CLexico lex_;
  const std::vector<CCampoTabla>& campos_;
  CToken actual_;
  std::string error_;
  EErrorExpresion codigo_ = EErrorExpresion::Ninguno;
  int nivel_ = 0;
};

// Texts compared byte by byte as unsigned, the shorter one taken as padded with blanks.
int ComparaRellenando(std::string_view a, std::string_view b) {
  const std::size_t n = std::max(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(i < a.size() ? a[i] : ' ');
    const auto y = static_cast<unsigned char>(i < b.size() ? b[i] : ' ');
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

bool IgualTexto(std::string_view a, std::string_view b) {
  if (b.empty()) return true;
  if (a.size() < b.size()) return false;
  return a.substr(0, b.size()) == b;
}

int Anchura(double v, int porDefecto) {
  if (!std::isfinite(v)) return porDefecto;
  return static_cast<int>(std::clamp(v, 1.0, 255.0));
}

std::string Numero(double n, double ancho, double decimales, bool ceros) {
  const int w = Anchura(ancho, 10);
  // Clamped while still a double: converting a value beyond int's range is not defined.
  const int d = static_cast<int>(std::clamp(std::isfinite(decimales) ? decimales : 0.0, 0.0, 15.0));
  const bool negativo = n < 0 && RedondeaDecimales(n, d) != 0;
  std::string s = FormateaFijo(std::fabs(n), d);
  if (!std::isfinite(n) || s.size() + (negativo ? 1 : 0) > static_cast<std::size_t>(w)) {
    return std::string(static_cast<std::size_t>(w), '*');
  }
  const std::size_t relleno = static_cast<std::size_t>(w) - s.size() - (negativo ? 1 : 0);
  if (ceros) return (negativo ? "-" : "") + std::string(relleno, '0') + s;
  return std::string(relleno, ' ') + (negativo ? "-" : "") + s;
}

CValor Evalua(const CNodoExpresion& n, const CFuenteValores& f) {
  auto hijo = [&](std::size_t i) { return Evalua(*n.hijos[i], f); };
  switch (n.op) {
    case EOperacion::Literal: return n.literal;
    case EOperacion::Campo: {
      CValor v = f.ValorCampo(n.campo);
      if (v.tipo != n.tipo) {  // a damaged row: give the empty value of the field's type
        CValor vacio;
        vacio.tipo = n.tipo;
        return vacio;
      }
      return v;
    }
    case EOperacion::Menos: return CValor::DeNumero(-hijo(0).numero);
    case EOperacion::No: return CValor::DeLogico(!hijo(0).logico);
    case EOperacion::Y: return CValor::DeLogico(hijo(0).logico && hijo(1).logico);
    case EOperacion::O: return CValor::DeLogico(hijo(0).logico || hijo(1).logico);
    case EOperacion::Suma: {
      CValor a = hijo(0);
      CValor b = hijo(1);
      if (n.tipo == ETipoValor::Texto) return CValor::DeTexto(std::move(a.texto) + b.texto);
      return CValor::DeNumero(a.numero + b.numero);
    }
    case EOperacion::Resta: return CValor::DeNumero(hijo(0).numero - hijo(1).numero);
    case EOperacion::Producto: return CValor::DeNumero(hijo(0).numero * hijo(1).numero);
    case EOperacion::Cociente: {
      const double b = hijo(1).numero;
      return CValor::DeNumero(b == 0 ? 0 : hijo(0).numero / b);
    }
    case EOperacion::Igual:
    case EOperacion::Exacto:
    case EOperacion::Distinto:
    case EOperacion::Menor:
    case EOperacion::MenorOIgual:
    case EOperacion::Mayor:
    case EOperacion::MayorOIgual: {
      const CValor a = hijo(0);
      const CValor b = hijo(1);
      int cmp = 0;
      bool igual = false;
      switch (n.hijos[0]->tipo) {
        case ETipoValor::Texto:
          cmp = ComparaRellenando(a.texto, b.texto);
          igual = n.op == EOperacion::Exacto ? RecortaDerecha(a.texto) == RecortaDerecha(b.texto)
                                             : IgualTexto(a.texto, b.texto);
          break;
        case ETipoValor::Numero:
          cmp = a.numero < b.numero ? -1 : (a.numero > b.numero ? 1 : 0);
          igual = a.numero == b.numero;
          break;
        default:
          igual = a.logico == b.logico;
          break;
      }
      switch (n.op) {
        case EOperacion::Igual:
        case EOperacion::Exacto: return CValor::DeLogico(igual);
        case EOperacion::Distinto: return CValor::DeLogico(!igual);
        case EOperacion::Menor: return CValor::DeLogico(cmp < 0);
        case EOperacion::MenorOIgual: return CValor::DeLogico(cmp <= 0);
        case EOperacion::Mayor: return CValor::DeLogico(cmp > 0);
        default: return CValor::DeLogico(cmp >= 0);
      }
    }
    case EOperacion::StrZero:
    case EOperacion::Str: {
      const double v = hijo(0).numero;
      const double w = n.hijos.size() > 1 ? hijo(1).numero : 10;
      const double d = n.hijos.size() > 2 ? hijo(2).numero : 0;
      return CValor::DeTexto(Numero(v, w, d, n.op == EOperacion::StrZero));
    }
    case EOperacion::Upper: return CValor::DeTexto(Mayusculas1252(hijo(0).texto));
    case EOperacion::Trim: return CValor::DeTexto(std::string(RecortaDerecha(hijo(0).texto)));
    case EOperacion::LTrim: return CValor::DeTexto(std::string(RecortaIzquierda(hijo(0).texto)));
    case EOperacion::AllTrim: return CValor::DeTexto(std::string(Recorta(hijo(0).texto)));
    case EOperacion::SubStr: {
      const CValor s = hijo(0);
      const double inicio = hijo(1).numero;
      std::size_t desde = 0;
      if (std::isfinite(inicio) && inicio > 1) desde = static_cast<std::size_t>(std::min(inicio - 1, 1e9));
      if (desde >= s.texto.size()) return CValor::DeTexto({});
      std::size_t largo = s.texto.size() - desde;
      if (n.hijos.size() > 2) {
        const double l = hijo(2).numero;
        largo = (!std::isfinite(l) || l < 0) ? 0 : std::min(largo, static_cast<std::size_t>(std::min(l, 1e9)));
      }
      return CValor::DeTexto(s.texto.substr(desde, largo));
    }
    case EOperacion::Deleted: return CValor::DeLogico(f.Borrada());
    case EOperacion::Recno: return CValor::DeNumero(static_cast<double>(f.NumeroRegistro()));
  }
  return {};
}

bool EsNombreSimple(std::string_view nombre) {
  if (nombre.empty() || !EsLetra(nombre.front())) return false;
  return std::all_of(nombre.begin(), nombre.end(), [](char c) { return EsLetra(c) || EsDigito(c); });
}

const char* Operador(EComparacion op) {
  switch (op) {
    case EComparacion::Igual: return " = ";
    case EComparacion::Exacto: return " == ";
    case EComparacion::Distinto: return " <> ";
    case EComparacion::Menor: return " < ";
    case EComparacion::MenorOIgual: return " <= ";
    case EComparacion::Mayor: return " > ";
    case EComparacion::MayorOIgual: return " >= ";
  }
  return " = ";
}

// A text no expression compiles from.
const char* const kInvalida = ")";

}  // namespace

CExpresion CExpresion::Compilar(std::string_view texto, const std::vector<CCampoTabla>& campos) {
  CExpresion e;
  e.texto_ = std::string(texto);
  CSintactico s(texto, campos);
  PNodo raiz = s.Todo();
  if (!raiz) {
    e.error_ = s.Error().empty() ? "expresión no válida" : s.Error();
    e.codigo_ = s.Codigo() == EErrorExpresion::Ninguno ? EErrorExpresion::Sintaxis : s.Codigo();
    return e;
  }
  e.tipo_ = raiz->tipo;
  e.raiz_ = std::shared_ptr<const CNodoExpresion>(std::move(raiz));
  return e;
}

CValor CExpresion::Evaluar(const CFuenteValores& fila) const {
  if (!raiz_) return {};
  return Evalua(*raiz_, fila);
}

bool CExpresion::Cumple(const CFuenteValores& fila) const {
  if (!raiz_ || tipo_ != ETipoValor::Logico) return false;
  return Evalua(*raiz_, fila).logico;
}

std::string LiteralTexto(std::string_view texto) {
  if (texto.find('\'') == std::string_view::npos) return "'" + std::string(texto) + "'";
  if (texto.find('"') == std::string_view::npos) return "\"" + std::string(texto) + "\"";
  // Both quotes: pieces split before every change of quote, each delimited by the quote it does not hold.
  std::string resultado = "(";
  std::size_t i = 0;
  while (i < texto.size()) {
    const char delimitador = texto[i] == '\'' ? '"' : '\'';
    std::size_t j = i;
    while (j < texto.size() && texto[j] != delimitador) ++j;
    if (resultado.size() > 1) resultado += "+";
    resultado += delimitador;
    resultado.append(texto.substr(i, j - i));
    resultado += delimitador;
    i = j;
  }
  return resultado + ")";
}

std::string LiteralNumero(double numero) {
  if (!std::isfinite(numero)) return "0";
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, numero, std::chars_format::fixed);
  std::string s(buf, r.ptr);
  if (s.starts_with("-")) return "(" + s + ")";
  return s;
}

CCondicion CCondicion::Campo(std::string_view campo, EComparacion op, std::string_view texto) {
  CCondicion c;
  c.valida_ = EsNombreSimple(campo);
  c.texto_ = c.valida_ ? std::string(campo) + Operador(op) + LiteralTexto(texto) : kInvalida;
  return c;
}

CCondicion CCondicion::Campo(std::string_view campo, EComparacion op, double numero) {
  CCondicion c;
  c.valida_ = EsNombreSimple(campo) && std::isfinite(numero);
  c.texto_ = c.valida_ ? std::string(campo) + Operador(op) + LiteralNumero(numero) : kInvalida;
  return c;
}

CCondicion CCondicion::Y(const CCondicion& otra) const {
  CCondicion c;
  c.valida_ = valida_ && otra.valida_;
  c.texto_ = c.valida_ ? "(" + texto_ + ") .AND. (" + otra.texto_ + ")" : kInvalida;
  return c;
}

CCondicion CCondicion::O(const CCondicion& otra) const {
  CCondicion c;
  c.valida_ = valida_ && otra.valida_;
  c.texto_ = c.valida_ ? "(" + texto_ + ") .OR. (" + otra.texto_ + ")" : kInvalida;
  return c;
}

CCondicion CCondicion::No() const {
  CCondicion c;
  c.valida_ = valida_;
  c.texto_ = valida_ ? ".NOT. (" + texto_ + ")" : kInvalida;
  return c;
}

}  // namespace plataforma
