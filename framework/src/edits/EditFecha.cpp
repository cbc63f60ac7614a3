#include "framework/EditFecha.h"

#include <algorithm>
#include <cstring>

#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/Fechas.h"

namespace marco {

namespace {

constexpr int kSeparador1 = 2;
constexpr int kSeparador2 = 5;
constexpr int kInicioMes = 3;
constexpr int kInicioAno = 6;

bool EsCifra(char c) { return c >= '0' && c <= '9'; }

bool EsSeparador(int posicion) { return posicion == kSeparador1 || posicion == kSeparador2; }

// The number a field of the text reads as: leading blanks skipped, then the digits up to the first other
// character (none: 0).
int LeerNumero(std::string_view texto) {
  std::size_t i = 0;
  while (i < texto.size() && texto[i] == ' ') ++i;
  int valor = 0;
  for (; i < texto.size() && EsCifra(texto[i]); ++i) valor = valor * 10 + (texto[i] - '0');
  return valor;
}

bool SoloBlancosYSeparadores(std::string_view texto) {
  return std::all_of(texto.begin(), texto.end(), [](char c) { return c == ' ' || c == '/'; });
}

bool SoloCifras(std::string_view parte) { return !parte.empty() && std::all_of(parte.begin(), parte.end(), EsCifra); }

// The date of a mask whose fields are all digits as ddmmaaaa (a two-digit year is of the last century).
std::string FechaDeMascara(std::string_view texto) {
  const std::string_view ano = texto.substr(kInicioAno);
  return std::string(texto.substr(0, 2)) + std::string(texto.substr(kInicioMes, 2)) +
         (ano.size() == 2 ? "19" : "") + std::string(ano);
}

// Day or month starting at `inicio`.
bool NormalizarDosCifras(std::string& texto, int inicio) {
  char& primera = texto[static_cast<std::size_t>(inicio)];
  char& segunda = texto[static_cast<std::size_t>(inicio + 1)];
  if (EsCifra(primera) && segunda == ' ') {
    segunda = primera;
    primera = '0';
    return true;
  }
  if (primera == ' ' && EsCifra(segunda)) {
    primera = '0';
    return true;
  }
  return false;
}

}  // namespace

// ---- the copy-only clipboard filter ----

int FiltrarTeclaSoloCopia(CEditEx& edit, int tecla) {
  if (tecla >= 'a' && tecla <= 'z') tecla -= 'a' - 'A';
  if ((tecla == 'C' || tecla == kTeclaInsertar) && edit.Superficie().TeclaPulsada(kTeclaControl)) {
    edit.Copiar();
    return 1;
  }
  return 0;
}

// ---- the rules on a date text ----

std::string CFechaEdit::MascaraVacia(int longitud) {
  std::string texto(static_cast<std::size_t>(std::max(longitud, 6) + 2), ' ');
  texto[kSeparador1] = '/';
  texto[kSeparador2] = '/';
  return texto;
}

bool CFechaEdit::EsMascara(std::string_view texto, int longitud, bool soloCifras) {
  if (static_cast<int>(texto.size()) != longitud + 2 || longitud < 6) return false;
  for (int i = 0; i < static_cast<int>(texto.size()); ++i) {
    const char c = texto[static_cast<std::size_t>(i)];
    if (EsSeparador(i)) {
      if (c != '/') return false;
    } else if (c == '/' || c == '\0' || c == '\r' || c == '\n' || (soloCifras && c != ' ' && !EsCifra(c))) {
      return false;
    }
  }
  return true;
}

bool CFechaEdit::CampoValido(std::string_view texto, ECampoFecha campo, int longitud) {
  if (SoloBlancosYSeparadores(texto)) return true;
  const auto parte = [&](std::size_t inicio, std::size_t largo) {
    return inicio < texto.size() ? texto.substr(inicio, largo) : std::string_view();
  };
  switch (campo) {
    case ECampoFecha::Dia: {
      const int dia = LeerNumero(parte(0, 2));
      return dia >= 1 && dia <= 31;
    }
    case ECampoFecha::Mes: {
      const int mes = LeerNumero(parte(kInicioMes, 2));
      return mes >= 1 && mes <= 12;
    }
    case ECampoFecha::Ano:
      return LeerNumero(parte(kInicioAno, longitud == 6 ? 2 : 4)) > 0;
  }
  return false;
}

bool CFechaEdit::TextoAdmitido(std::string_view texto, int longitud) {
  if (!EsMascara(texto, longitud, false)) return false;
  const auto blanco = [&](std::size_t inicio, std::size_t largo) {
    const std::string_view parte = texto.substr(inicio, largo);
    return std::all_of(parte.begin(), parte.end(), [](char c) { return c == ' '; });
  };
  const std::size_t largoAno = texto.size() - kInicioAno;
  const bool campos = (blanco(0, 2) || CampoValido(texto, ECampoFecha::Dia, longitud)) &&
                      (blanco(kInicioMes, 2) || CampoValido(texto, ECampoFecha::Mes, longitud)) &&
                      (blanco(kInicioAno, largoAno) || CampoValido(texto, ECampoFecha::Ano, longitud));
  if (!campos) return false;
  // A date whose fields are all there must exist.
  const bool entera = SoloCifras(texto.substr(0, 2)) && SoloCifras(texto.substr(kInicioMes, 2)) &&
                      SoloCifras(texto.substr(kInicioAno));
  return !entera || EsFechaValida(FechaDeMascara(texto));
}

bool CFechaEdit::FechaCompleta(std::string_view texto, int longitud) {
  if (!EsMascara(texto, longitud, false)) return false;
  if (SoloBlancosYSeparadores(texto)) return true;
  return SoloCifras(texto.substr(0, 2)) && SoloCifras(texto.substr(kInicioMes, 2)) &&
         SoloCifras(texto.substr(kInicioAno)) && TextoAdmitido(texto, longitud);
}

bool CFechaEdit::NormalizarCampo(std::string& texto, ECampoFecha campo, int longitud) {
  if (!EsMascara(texto, longitud, false)) return false;
  switch (campo) {
    case ECampoFecha::Dia:
      return NormalizarDosCifras(texto, 0);
    case ECampoFecha::Mes:
      return NormalizarDosCifras(texto, kInicioMes);
    case ECampoFecha::Ano: {
      if (longitud != 8) return false;
      const std::string antes = texto;
      std::string cifras;
      for (int i = kInicioAno; i < kInicioAno + 4; ++i) {
        if (EsCifra(texto[static_cast<std::size_t>(i)])) cifras += texto[static_cast<std::size_t>(i)];
      }
      cifras.resize(4, ' ');
      if (EsCifra(cifras[0]) && EsCifra(cifras[1]) && cifras[2] == ' ' && cifras[3] == ' ') {
        // A two-digit year gets its century: 00-09 are this century's, 10-99 the last one's.
        cifras = std::string(cifras[0] < '1' ? "20" : "19") + cifras.substr(0, 2);
      }
      texto.replace(kInicioAno, 4, cifras);
      return texto != antes;
    }
  }
  return false;
}

// ---- the edit ----

CFechaEdit::CFechaEdit(CCampo& campo) : CEditEx(campo) {
  PonerLongitudMaxima(campo.Longitud + 2);
  // A date picture of another length is a damaged box: its value is never written.
  if (campo.Longitud != 6 && campo.Longitud != 8) PonerSoloLectura(true);
}

CFechaEdit::CFechaEdit(int longitud) : CEditEx(longitud) {
  DameCampo()->StrValidac = "D" + std::to_string(longitud);
  PonerLongitudMaxima(longitud + 2);
  if (longitud != 6 && longitud != 8) PonerSoloLectura(true);
}

int CFechaEdit::Longitud() const {
  const CCampo* campo = DameCampo();
  return campo != nullptr && campo->Longitud == 6 ? 6 : 8;
}

int CFechaEdit::AsignarDato(void* dato) {
  CEditEx::AsignarDato(dato);
  const CCampo* campo = DameCampo();
  return campo != nullptr ? campo->Longitud : 0;
}

int CFechaEdit::PosicionCaret() const {
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  return inicio;
}

std::string CFechaEdit::TextoTrabajo() {
  const int n = Longitud();
  std::string texto = Texto();
  if (EsMascara(texto, n, false)) return texto;
  CCampo* campo = DameCampo();
  if (campo != nullptr && campo->Dato != nullptr) {
    campo->ActualizarTexto();
    if (EsMascara(campo->Texto, n, false)) return campo->Texto;
  }
  return MascaraVacia(n);
}

char* CFechaEdit::Entrada() {
  CCampo* campo = DameCampo();
  const int m = campo != nullptr ? campo->Repeticion : 0;
  const int c = SujetoActual();
  // A person beyond the entries of a box that repeats has no value in it.
  if (campo == nullptr || campo->Dato == nullptr || campo->Longitud <= 0 || (m > 1 && c > m)) return nullptr;
  // The person's entry of a box that repeats; the first one otherwise.
  std::size_t desplazamiento = 0;
  if (m > 1) desplazamiento = static_cast<std::size_t>(std::max(c - 1, 0)) * static_cast<std::size_t>(campo->Longitud);
  return static_cast<char*>(campo->Dato) + desplazamiento;
}

void CFechaEdit::RestaurarPrevio() {
  char* entrada = Entrada();
  if (entrada == nullptr || !m_bHayPrevio) return;
  const auto n = static_cast<std::size_t>(DameCampo()->Longitud);
  std::memcpy(entrada, m_previo.data(), std::min(n, m_previo.size()));
}

void CFechaEdit::EscribirTexto(const std::string& texto, int caret) {
  // A date whose field fails its check never reaches the declaration: the value it had stays.
  if (char* entrada = Entrada()) {
    const auto n = static_cast<std::size_t>(DameCampo()->Longitud);
    // What the declaration held before this edit wrote into it.
    if (!m_bHayPrevio) {
      m_previo.assign(entrada, n);
      m_bHayPrevio = true;
    }
    if (TextoAdmitido(texto, Longitud())) {
      std::string valor = texto;
      valor.erase(std::remove(valor.begin(), valor.end(), '/'), valor.end());
      std::memcpy(entrada, valor.data(), std::min(n, valor.size()));
    } else {
      RestaurarPrevio();
    }
  }
  CambiarTexto(texto, caret, caret);
  PonerModificado(true);
}

bool CFechaEdit::ComprobarFechaEntera(const std::string& texto, ECampoFecha& campo) {
  const int n = Longitud();
  if (EsSoloLectura() || FechaCompleta(texto, n)) return true;
  const auto blanco = [&](std::size_t inicio, std::size_t largo) {
    return texto.substr(inicio, largo).find(' ') != std::string::npos;
  };
  // The field to correct: the first one left blank; the day when the date does not exist.
  campo = !blanco(0, 2) && blanco(kInicioMes, 2)                             ? ECampoFecha::Mes
          : !blanco(0, 2) && !blanco(kInicioMes, 2) && blanco(kInicioAno, 4) ? ECampoFecha::Ano
                                                                             : ECampoFecha::Dia;
  RestaurarPrevio();
  CDlgMensaje(Superficie().Ventana(), nullptr).MostrarMensaje(kMensajeFechaNoValida, IconoExclamacion);
  return false;
}

int CFechaEdit::MensajeCampo(ECampoFecha campo) {
  const std::string_view codigo = campo == ECampoFecha::Dia   ? kMensajeDiaNoValido
                                  : campo == ECampoFecha::Mes ? kMensajeMesNoValido
                                                              : kMensajeAnoNoValido;
  return CDlgMensaje(Superficie().Ventana(), nullptr).MostrarMensaje(codigo, IconoMano);
}

int CFechaEdit::ValidarCaracter(unsigned caracter, int, unsigned, int) {
  if (caracter == kTeclaRetroceso || caracter == kTeclaEscape) return Borrar(false);
  if (caracter > 0xFF || !EsCifra(static_cast<char>(caracter))) return 1;
  if (EsSoloLectura()) return 1;
  std::string texto = TextoTrabajo();
  const int largo = static_cast<int>(texto.size());
  const int p = PosicionCaret();
  if (p < 0 || p >= largo) return 1;
  const char cifra = static_cast<char>(caracter);
  const auto en = [&](int i) -> char& { return texto[static_cast<std::size_t>(i)]; };

  if (en(p) == ' ') {
    en(p) = cifra;
  } else if (p == 0 || p == kInicioMes) {
    // The first digit of the day or the month pushes the one there to the second place.
    if (en(p + 1) != ' ') return 1;
    en(p + 1) = en(p);
    en(p) = cifra;
  } else if (p == 1 || p == kInicioMes + 1) {
    en(p) = cifra;
  } else if (EsSeparador(p)) {
    Caret(p + 1);
    return 1;
  } else {
    // The year: the digits from the caret move one to the right while there is room.
    if (en(largo - 1) != ' ') return 1;
    for (int i = largo - 1; i > p; --i) en(i) = en(i - 1);
    en(p) = cifra;
  }

  EscribirTexto(texto, p + 1);
  if (p == 1 || p == kInicioMes + 1) {
    const ECampoFecha campo = p == 1 ? ECampoFecha::Dia : ECampoFecha::Mes;
    if (CampoValido(texto, campo, Longitud())) {
      Caret(p + 2);
    } else {
      MensajeCampo(campo);
      Caret(p + 1);
    }
  }
  return 2;
}

int CFechaEdit::Borrar(bool adelante) {
  if (EsSoloLectura()) return 1;
  std::string texto = TextoTrabajo();
  const int largo = static_cast<int>(texto.size());
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  if (inicio < 0 || inicio > largo) return 1;
  const auto en = [&](int i) -> char& { return texto[static_cast<std::size_t>(i)]; };

  if (fin > inicio) {
    for (int i = inicio; i < std::min(fin, largo); ++i) {
      if (!EsSeparador(i)) en(i) = ' ';
    }
    EscribirTexto(texto, inicio);
    return 2;
  }
  int p = inicio;
  if (!adelante) {
    // Nothing before the caret: nothing to erase.
    if (p == 0) return 1;
    --p;
  }
  if (p >= largo) return 1;
  if (p == 0 || p == kInicioMes) {
    en(p) = en(p + 1);
    en(p + 1) = ' ';
  } else if (p == 1 || p == kInicioMes + 1) {
    en(p) = ' ';
  } else if (EsSeparador(p)) {
    Caret(p);
    return 1;
  } else if (Longitud() > 6 || adelante) {
    for (int i = p; i < largo - 1; ++i) en(i) = en(i + 1);
    en(largo - 1) = ' ';
  } else {
    en(p) = ' ';
  }
  EscribirTexto(texto, p);
  return 2;
}

int CFechaEdit::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  if (tecla == kTeclaArriba) return SalirDeCampo(false) ? 0 : 2;
  if (tecla == kTeclaAbajo) return SalirDeCampo(true) ? 0 : 2;
  if (tecla == kTeclaSuprimir) {
    // A locked box is refused by the base (beep and WINR007) before anything is erased.
    if (Bloqueado()) return CEditEx::ProcesarTecla(tecla, repeticiones, banderas);
    return Borrar(true);
  }
  return 0;
}

int CFechaEdit::ValidarAlSalir(const std::string* texto) {
  // Without a text the call comes after Up or Down, whose field walk was already done.
  if (texto == nullptr) return 0;
  return SalirDeCampo(!TeclaPulsada(kTeclaMayusculas)) ? 0 : 2;
}

bool CFechaEdit::SalirDeCampo(bool adelante) {
  const int n = Longitud();
  std::string texto = TextoTrabajo();
  const int p = PosicionCaret();
  ECampoFecha campo = ECampoFecha::Ano;
  bool dejar = false;
  int nueva = p;
  if (p <= kSeparador1) {
    campo = ECampoFecha::Dia;
    dejar = !adelante;
    nueva = kInicioMes;
  } else if (p <= kSeparador2) {
    campo = ECampoFecha::Mes;
    nueva = adelante ? kInicioAno : 0;
  } else {
    dejar = adelante;
    nueva = kInicioMes;
  }

  if (!EsSoloLectura() && NormalizarCampo(texto, campo, n)) EscribirTexto(texto, p);
  if (!CampoValido(texto, campo, n)) {
    MensajeCampo(campo);
    dejar = false;
    nueva = campo == ECampoFecha::Dia ? 0 : campo == ECampoFecha::Mes ? kInicioMes : kInicioAno;
  } else if (dejar && !ComprobarFechaEntera(texto, campo)) {
    // Half a date, or one that does not exist, does not leave the box.
    dejar = false;
    nueva = campo == ECampoFecha::Dia ? 0 : campo == ECampoFecha::Mes ? kInicioMes : kInicioAno;
  }

  // The box shows its value again in the record's form, the modified flag as it was.
  CCampo* registro = DameCampo();
  if (registro != nullptr && registro->Dato != nullptr) {
    const bool modificado = EstaModificado();
    registro->ActualizarTexto();
    PonerTexto(registro->Texto);
    PonerModificado(modificado);
  }
  if (!dejar) Caret(nueva);
  return dejar;
}

int CFechaEdit::GuardarValor() {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr) return 0;
  if (EsSoloLectura()) return 1;
  const int n = Longitud();
  std::string texto = Texto();
  // What is not a date (a calculator result...) is not written into the date.
  if (!EsMascara(texto, n, false)) return 1;
  if (!SoloBlancosYSeparadores(texto)) {
    NormalizarCampo(texto, ECampoFecha::Dia, n);
    NormalizarCampo(texto, ECampoFecha::Mes, n);
    NormalizarCampo(texto, ECampoFecha::Ano, n);
  }
  EscribirTexto(texto, PosicionCaret());
  if (!FechaCompleta(texto, n)) {
    // Let go without a word (the focus may have gone to a message of the page): the date the declaration kept.
    RestaurarPrevio();
    // The box is being let go (a click elsewhere): it shows the date the declaration kept.
    const bool modificado = EstaModificado();
    campo->ActualizarTexto();
    PonerTexto(campo->Texto);
    PonerModificado(modificado);
  }
  return 1;
}

void CFechaEdit::MostrarValor(int forma) {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr) return;
  // The value shown is the declaration's: a later refused date goes back to it.
  m_bHayPrevio = false;
  if (forma == 1 && EstaModificado() && !EsSoloLectura()) {
    const int n = Longitud();
    std::string texto = Texto();
    if (EsMascara(texto, n, false) && !SoloBlancosYSeparadores(texto)) {
      bool cambio = NormalizarCampo(texto, ECampoFecha::Dia, n);
      cambio = NormalizarCampo(texto, ECampoFecha::Mes, n) || cambio;
      cambio = NormalizarCampo(texto, ECampoFecha::Ano, n) || cambio;
      if (cambio) EscribirTexto(texto, PosicionCaret());
    }
  }
  CEditEx::MostrarValor(forma);
}

int CFechaEdit::TextoAdmisible(std::string_view texto) { return EsMascara(texto, Longitud(), true) ? 1 : 0; }

}  // namespace marco
