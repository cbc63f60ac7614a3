#include "framework/EditSiNo.h"

#include <wx/event.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "framework/Campo.h"
#include "framework/EditExVentana.h"
#include "framework/Imagen.h"

namespace marco {

namespace {

struct SEntradaGrupo {
  std::int32_t grupo;
  std::int32_t numero;
  const wxWindow* dueno;
};

std::vector<SEntradaGrupo>& GruposCasillas() {
  static std::vector<SEntradaGrupo> grupos;
  return grupos;
}

char Minuscula(unsigned caracter) {
  if (caracter >= 'A' && caracter <= 'Z') return static_cast<char>(caracter - 'A' + 'a');
  return static_cast<char>(caracter);
}

}  // namespace

// ---- box groups ----

void RegistrarGrupoCasillas(std::int32_t grupo, std::int32_t numeroCasilla, const wxWindow* dueno) {
  GruposCasillas().push_back({grupo, numeroCasilla, dueno});
}

void QuitarGrupoCasillas(std::int32_t grupo, std::int32_t numeroCasilla, const wxWindow* dueno) {
  auto& grupos = GruposCasillas();
  const auto it = std::find_if(grupos.begin(), grupos.end(), [&](const SEntradaGrupo& e) {
    return e.grupo == grupo && e.numero == numeroCasilla && e.dueno == dueno;
  });
  if (it != grupos.end()) grupos.erase(it);
}

int EsGrupoCasillasRegistrado(std::int32_t grupo, const wxWindow* dueno) {
  if (grupo == 0) return 0;
  const auto& grupos = GruposCasillas();
  return std::any_of(grupos.begin(), grupos.end(),
                     [&](const SEntradaGrupo& e) { return e.grupo == grupo && e.dueno == dueno; })
             ? 1
             : 0;
}

// ---- the tick box ----

CCasillaEdit::CCasillaEdit(CCampo& campo) : CEditEx(campo) {
  // The group is the picture's n, read again from the picture: the record's length is 1 once an edit was made.
  SMascara mascara;
  AnalizarMascara(campo.StrValidac, mascara);
  m_nGrupo = mascara.longitud;
  campo.Grupo = m_nGrupo;
  campo.Longitud = 1;
  PonerLongitudMaxima(1);
}

CCasillaEdit::CCasillaEdit(int longitud) : CEditEx(longitud) {
  DameCampo()->StrValidac = "B1";
  PonerModificado(true);
}

int CCasillaEdit::AsignarDato(void* dato) {
  CEditEx::AsignarDato(dato);
  return 1;
}

void CCasillaEdit::AlCrearVentana() {
  CVentanaEdit* ventana = DameVentana();
  if (ventana == nullptr) return;
  ventana->SetMaxLength(1);
  ventana->Bind(wxEVT_LEFT_DOWN, [this, ventana](wxMouseEvent& evento) {
    // Once the edit has let go of its window the press is the control's.
    if (ventana->DameEdit() != this || !AlPulsarRaton()) evento.Skip();
  });
}

unsigned CCasillaEdit::DameEstilo() { return CEditEx::DameEstilo() | kEstiloSinMarco; }

void CCasillaEdit::FijarTexto(std::string_view texto, int codigo) {
  PonerModificado(true);
  CambiarTexto(texto, static_cast<int>(texto.size()), static_cast<int>(texto.size()));
  GuardarValor();
  PonerModificado(true);
  Notificar(codigo);
}

int CCasillaEdit::ValidarCaracter(unsigned caracter, int, unsigned, int) {
  if (EsSoloLectura()) return 1;
  std::string nuevo;
  switch (Minuscula(caracter)) {
    case ' ': {
      const std::string actual = Texto();
      const bool marcada = !actual.empty() && (actual.front() == 'x' || actual.front() == 'X');
      nuevo = marcada ? " " : "X";
      break;
    }
    case 'n':
      nuevo = " ";
      break;
    case 's':
    case 'x':
      nuevo = "X";
      break;
    default:
      return 1;
  }
  FijarTexto(nuevo, kAvisoValorCambiado);
  return 2;
}

int CCasillaEdit::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  if (tecla != kTeclaSuprimir) return CEditEx::ProcesarTecla(tecla, repeticiones, banderas);
  // A locked box is refused by the base (beep and WINR007); a read-only one keeps its value.
  if (Bloqueado()) return CEditEx::ProcesarTecla(tecla, repeticiones, banderas);
  if (EsSoloLectura()) return 1;
  FijarTexto({}, kAvisoCampoBorrado);
  return 2;
}

bool CCasillaEdit::AlPulsarRaton() {
  if (EsSoloLectura()) return false;
  if (Bloqueado()) {
    Pitar();
    Mensaje(kMensajeMiembroBloqueado);
    return true;
  }
  ValidarCaracter(' ', 1, 0, 1);
  return true;
}

int CCasillaEdit::GuardarValor() {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr) return 0;
  if (EsSoloLectura()) return 1;
  const std::string texto = Texto();
  const unsigned char valor = !texto.empty() && (texto.front() == 'x' || texto.front() == 'X') ? 1 : 0;
  const int c = SujetoActual();
  const int m = campo->Repeticion;
  auto* destino = static_cast<unsigned char*>(campo->Dato);
  if (c >= 1 && m > 1) {
    // A person beyond the box's entries has no value here.
    if (c > m) return 0;
    destino += c - 1;
  }
  *destino = valor;
  return 1;
}

int CCasillaEdit::TextoAdmisible(std::string_view texto) {
  return texto.empty() || texto == " " || texto == "X" || texto == "x" ? 1 : 0;
}

// ---- the yes/no box ----

CSiNoEdit::CSiNoEdit() : CEditEx(2) {}

int CSiNoEdit::AsignarDato(void* dato) {
  CEditEx::AsignarDato(dato);
  return 1;
}

std::string_view CSiNoEdit::TextoDeValor(unsigned char valor) {
  switch (valor) {
    case kValorSinRespuesta: return " ";
    case kValorNo: return "NO";
    case kValorSi: return "SI";
    default: return {};
  }
}

void CSiNoEdit::Fijar(std::string_view texto) {
  CambiarTexto(texto, static_cast<int>(texto.size()), static_cast<int>(texto.size()));
  PonerModificado(true);
  GuardarValor();
  Notificar(kAvisoValorCambiado);
}

int CSiNoEdit::ValidarCaracter(unsigned caracter, int, unsigned, int) {
  if (caracter == kTeclaTabulador) return 0;
  if (EsSoloLectura()) return 1;
  switch (Minuscula(caracter)) {
    case ' ': Fijar(TextoDeValor(kValorSinRespuesta)); return 2;
    case 'n': Fijar(TextoDeValor(kValorNo)); return 2;
    case 's': Fijar(TextoDeValor(kValorSi)); return 2;
    default: return 1;
  }
}

int CSiNoEdit::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  if (tecla == kTeclaSuprimir) return 1;
  return CEditEx::ProcesarTecla(tecla, repeticiones, banderas);
}

int CSiNoEdit::GuardarValor() {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr) return 0;
  if (EsSoloLectura()) return 1;
  const std::string texto = Texto().substr(0, 2);
  unsigned char valor = kValorSinRespuesta;
  if (texto == "SI") valor = kValorSi;
  if (texto == "NO") valor = kValorNo;
  *static_cast<unsigned char*>(campo->Dato) = valor;
  return 1;
}

void CSiNoEdit::MostrarValor(int) {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr) return;
  PonerTexto(TextoDeValor(*static_cast<const unsigned char*>(campo->Dato)));
}

int CSiNoEdit::TextoAdmisible(std::string_view texto) {
  return texto.empty() || texto == " " || texto == "SI" || texto == "NO" ? 1 : 0;
}

void CSiNoEdit::TrasTabulador(bool mayusculas) {
  Superficie().ReenviarTecla(mayusculas ? kTeclaArriba : kTeclaAbajo, 1, 0);
}

void CSiNoEdit::AlCrearVentana() {
  CVentanaEdit* ventana = DameVentana();
  if (ventana == nullptr) return;
  // Bound after the window's own handler, so called before it: Tab goes through the window's handling first,
  // then moves on like an arrow key.
  const auto enTabulador = std::make_shared<bool>(false);
  ventana->Bind(wxEVT_CHAR, [this, ventana, enTabulador](wxKeyEvent& evento) {
    if (*enTabulador || ventana->DameEdit() != this || evento.GetKeyCode() != WXK_TAB) {
      evento.Skip();
      return;
    }
    *enTabulador = true;
    wxKeyEvent propio(evento);
    ventana->GetEventHandler()->ProcessEvent(propio);
    *enTabulador = false;
    // Tab may have made the parent delete the edit, or take its window: then nothing of it is touched.
    if (ventana->DameEdit() != this) return;
    TrasTabulador(evento.ShiftDown());
  });
}

}  // namespace marco
