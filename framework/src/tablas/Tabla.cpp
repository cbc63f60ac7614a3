#include "framework/Tabla.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <span>
#include <thread>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/thread.h>

#include "framework/BaseDatos.h"
#include "framework/DlgMensaje.h"
#include "platform/Nombres.h"
#include "platform/Registros.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace marco {

using plataforma::CTablaRegistros;

namespace {

// Messages of the table layer: on the main window, from the local database, with the exclamation icon.
int Avisar(std::string_view codigo, std::string_view extra = {}) {
  return CDlgMensaje(nullptr, DameBaseDatosLocal()).MostrarMensaje(codigo, IconoExclamacion, extra);
}

std::int32_t Entero32(long v) {
  return static_cast<std::int32_t>(std::clamp<long>(v, std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max()));
}

template <typename T>
void Copiar(void* destino, T valor) {
  std::memcpy(destino, &valor, sizeof valor);
}

template <typename T>
T Leer(const void* origen) {
  T valor;
  std::memcpy(&valor, origen, sizeof valor);
  return valor;
}

// Between two tries of something another user holds: the windows repaint what was uncovered or changed meanwhile
// (nothing else runs: the keys and clicks of the user wait until the operation is over).
void RepintarEntreIntentos() {
  if (wxTheApp == nullptr || !wxThread::IsMain()) return;
  wxEventLoopBase* bucle = wxEventLoopBase::GetActive();
  if (bucle == nullptr || bucle->IsYielding()) return;
  bucle->YieldFor(wxEVT_CATEGORY_UI);
}

// The coded message of a write that failed for a reason of its own, or none: a full disk (or any failure of the
// system to write), a table open only for reading because it is damaged.
std::string_view MensajeDeEscritura(plataforma::EFallo fallo) {
  switch (fallo) {
    case plataforma::EFallo::Escritura: return "ALM005";
    case plataforma::EFallo::SoloLectura: return "ALM008";
    default: return {};
  }
}

}  // namespace

plataforma::CMotorRegistros& MotorRegistros() {
  static plataforma::CMotorRegistros motor;
  return motor;
}

std::string NombreTablaIdioma(std::string_view nombre, char idioma, bool mayusculas) {
  std::string r(nombre);
  if (r.size() > 7) r[7] = idioma;
  return mayusculas ? plataforma::MayusculasAscii(r) : r;
}

CTabla::CTabla(CBaseDatos* baseDatos, std::string_view nombre) : m_alias(nombre), m_pBaseDatos(baseDatos) {
  if (!m_alias.empty()) Abrir(1, {}, {}, true);
}

CTabla::~CTabla() { Cerrar(); }

int CTabla::Abrir(int modo, std::string_view orden, std::string_view tabla, bool propia) {
  m_nIntentos = 0;
  // This object keeps one area: a second open would lose track of the first.
  if (EstaAbierta()) return 0;
  m_bPropia = propia;
  if (!tabla.empty()) m_alias = std::string(tabla);
  if (m_alias.empty() || m_pBaseDatos == nullptr) return 0;
  if (!m_pBaseDatos->EsCompartida()) modo = 1;

  const std::string ruta = m_pBaseDatos->DameDirectorio() + m_alias + "." + m_pBaseDatos->DameExtension();
  if (!m_pBaseDatos->ExisteTabla(m_alias)) {
    CDlgMensaje(nullptr, nullptr)
        .MostrarMensaje({}, IconoExclamacion, TextoFijo1252("El fichero ") + plataforma::Utf8ACp1252(ruta) +
                                                  TextoFijo1252(" no se ha encontrado."));
    return 0;
  }
  m_bFalloAvisado = false;
  for (;;) {
    plataforma::EFallo fallo = plataforma::EFallo::Ninguno;
    for (int i = 0; i < m_pBaseDatos->DameIntentos() && m_nArea == 0; ++i) {
      if (i > 0) RepintarEntreIntentos();
      ++m_nIntentos;
      m_nArea = MotorRegistros().Abrir(ruta, m_alias, modo, nullptr, &fallo);
      // Only a file busy with another user's writing can open on a later try.
      if (m_nArea == 0 && fallo != plataforma::EFallo::Ocupado) break;
    }
    if (m_nArea != 0) break;
    if (fallo == plataforma::EFallo::Danado && m_pBaseDatos->EsCompartida()) {
      // A damaged table of the store: said once (how to recover included), then read as far as it can be.
      m_bFalloAvisado = true;
      if (m_pBaseDatos->TablaDanada(m_alias)) return 0;
      DeclararTablaDanada(*m_pBaseDatos, m_alias);
      continue;
    }
    if (fallo != plataforma::EFallo::Ocupado) {
      Avisar("ALM002", plataforma::Utf8ACp1252(ruta));
      m_bFalloAvisado = true;
      return 0;
    }
    // The store kept busy by another user's writing: said as such, with the choice of trying again.
    if (Avisar("ALM001") != kBotonAceptar) {
      m_bFalloAvisado = true;
      return 0;
    }
  }
  m_nOrden = 0;
  if (PonerOrden(orden) == 0) PonerPrimerOrden();
  return 1;
}

int CTabla::EstaAbierta() const { return m_nArea != 0 && MotorRegistros().Tabla(m_nArea) != nullptr ? 1 : 0; }

int CTabla::Seleccionar() {
  if (!EstaAbierta()) return 0;
  if (MotorRegistros().AreaActual() != m_nArea) MotorRegistros().Seleccionar(m_nArea);
  return 1;
}

CTablaRegistros* CTabla::Actual() { return Seleccionar() != 0 ? MotorRegistros().Tabla(m_nArea) : nullptr; }

CTablaRegistros* CTabla::Registros() { return Actual(); }

void CTabla::Cerrar() {
  if (!EstaAbierta()) {
    m_nArea = 0;
    return;
  }
  if (!m_bPropia) return;
  MotorRegistros().Cerrar(m_nArea);
  m_nArea = 0;
  m_nOrden = 0;
}

int CTabla::PonerOrden(std::string_view orden) {
  if (orden.empty()) return 1;
  CTablaRegistros* t = Actual();
  if (t == nullptr) return 0;
  const int numero = t->NumeroOrden(orden);
  if (numero == 0) {
    Avisar("WIN052");
    return 0;
  }
  if (!t->PonerOrden(numero)) return 0;
  m_nOrden = numero;
  return 1;
}

int CTabla::PonerPrimerOrden() {
  CTablaRegistros* t = Actual();
  if (t == nullptr || !t->PonerOrden(1)) return 0;
  m_nOrden = 1;
  return 1;
}

int CTabla::Buscar(std::string_view clave, bool cercana, std::string_view orden, bool informar) {
  CTablaRegistros* t = Actual();
  if (t == nullptr || PonerOrden(orden) == 0) return 0;
  t->PonerBusquedaCercana(cercana);
  const bool hallado = t->Buscar(clave) && t->Encontrado();
  t->PonerBusquedaCercana(MotorRegistros().Opciones().busquedaCercana);
  if (!hallado && informar) Avisar("WIN053");
  return hallado ? 1 : 0;
}

int CTabla::IrAlPrincipio(std::string_view orden) {
  CTablaRegistros* t = Actual();
  if (t == nullptr || PonerOrden(orden) == 0) return 0;
  t->Primero();
  return 1;
}

int CTabla::Siguiente(std::string_view orden) {
  CTablaRegistros* t = Actual();
  if (t == nullptr || PonerOrden(orden) == 0) return 0;
  if (t->FinDeFichero()) return 0;
  t->Saltar(1);
  return 1;
}

int CTabla::Cumple(std::string_view expresion) {
  CTablaRegistros* t = Actual();
  if (t == nullptr) return 0;
  if (expresion.empty()) return t->FinDeFichero() ? 0 : 1;
  if (t->TipoExpresion(expresion) != plataforma::ETipoValor::Logico) {
    Avisar("WIN054");
    return 0;
  }
  return t->Evaluar(expresion) != 0 ? 1 : 0;
}

int CTabla::Cumple(const plataforma::CCondicion& condicion) {
  CTablaRegistros* t = Actual();
  if (t == nullptr) return 0;
  return t->Cumple(condicion) ? 1 : 0;
}

int CTabla::EstadoRegistro(std::string_view clave, bool cercana, std::string_view orden) {
  if (Actual() == nullptr) return 0;
  if (!clave.empty() && Buscar(clave, cercana, orden, false) == 0) return 0;
  CTablaRegistros* t = Actual();
  return t->EstadoRegistro(t->NumeroRegistro());
}

int CTabla::BloquearRegistro() {
  m_nIntentos = 0;
  m_bFalloAvisado = false;
  for (;;) {
    CTablaRegistros* t = Actual();
    if (t == nullptr) return 0;
    // Without a current row there is nothing another user could be holding: asking to try again would never end.
    const long numero = t->NumeroRegistro();
    if (numero <= 0) return 0;
    const int tries = m_pBaseDatos->DameIntentos() + 1;
    for (int i = 0; i < tries; ++i) {
      if (i > 0) RepintarEntreIntentos();
      ++m_nIntentos;
      if (t->BloquearRegistro(numero, m_pBaseDatos->DameEsperaIntento())) return 1;
      // A lock nobody can take is not held by anyone: trying again, or saying another user has it, would be wrong.
      if (t->UltimoFallo() == plataforma::EFallo::NoBloqueable) {
        Avisar("ALM003");
        m_bFalloAvisado = true;
        return 0;
      }
    }
    if (Avisar("WIN046") != kBotonAceptar) {
      m_bFalloAvisado = true;
      return 0;
    }
  }
}

void CTabla::DesbloquearRegistro() {
  if (CTablaRegistros* t = Actual()) t->DesbloquearRegistro(t->NumeroRegistro());
}

namespace {

// Up to `tries` tries of a lock; a lock nobody can take ends the series at once.
int Intentar(int tries, int& contador, CTablaRegistros& t, const std::function<bool()>& bloquear) {
  for (int i = 0; i < tries; ++i) {
    if (i > 0) RepintarEntreIntentos();
    ++contador;
    if (bloquear()) return 1;
    if (t.UltimoFallo() == plataforma::EFallo::NoBloqueable) return 0;
  }
  return 0;
}

}  // namespace

int CTabla::BloquearFichero() {
  m_nIntentos = 0;
  m_bFalloAvisado = false;
  CTablaRegistros* t = Actual();
  if (t == nullptr) return 0;
  const int espera = m_pBaseDatos->DameEsperaIntento();
  return Intentar(m_pBaseDatos->DameIntentos() + 1, m_nIntentos, *t, [&] { return t->BloquearFichero(espera); });
}

void CTabla::DesbloquearFichero() {
  if (CTablaRegistros* t = Actual()) t->DesbloquearFichero();
}

int CTabla::BloquearAltas() {
  m_nIntentos = 0;
  m_bFalloAvisado = false;
  CTablaRegistros* t = Actual();
  if (t == nullptr) return 0;
  const int espera = m_pBaseDatos->DameEsperaIntento();
  return Intentar(m_pBaseDatos->DameIntentos() + 1, m_nIntentos, *t, [&] { return t->BloquearAltas(espera); });
}

void CTabla::DesbloquearAltas() {
  if (CTablaRegistros* t = Actual()) t->DesbloquearAltas();
}

plataforma::EFallo CTabla::UltimoFallo() {
  CTablaRegistros* t = Actual();
  return t != nullptr ? t->UltimoFallo() : plataforma::EFallo::Otro;
}

int CTabla::GrabarEnUnaVez(const std::function<bool()>& escribir) {
  m_bFalloAvisado = false;
  for (;;) {
    // A series of tries, each waiting briefly for other users' writing to end.
    plataforma::EFallo fallo = plataforma::EFallo::Ninguno;
    CTablaRegistros* t = nullptr;
    for (int i = 0; i < m_pBaseDatos->DameIntentos(); ++i) {
      if (i > 0) RepintarEntreIntentos();
      t = Actual();
      if (t == nullptr) return 0;
      t->OlvidarFallo();
      bool bien = t->EmpezarLote();
      if (bien) {
        bien = escribir();
        // A refused write leaves the transaction to be undone: nothing of the row is kept.
        bien = t->TerminarLote(bien) && bien;
      }
      if (bien) return 1;
      fallo = t->UltimoFallo();
      if (fallo != plataforma::EFallo::Ocupado) break;
    }
    if (fallo == plataforma::EFallo::Ocupado) {
      // Never asked while the transaction is open: the other users go on writing meanwhile.
      if (Avisar("ALM001") == kBotonAceptar) continue;
      m_bFalloAvisado = true;
      return 0;
    }
    if (fallo == plataforma::EFallo::Danado) {
      m_bFalloAvisado = true;
      if (m_pBaseDatos->EsCompartida()) {
        // Nothing more is written into a damaged store; what can be read of it stays readable.
        DeclararTablaDanada(*m_pBaseDatos, m_alias);
      } else {
        Avisar("ALM002", plataforma::Utf8ACp1252(t->Fichero().string()));
      }
      return 0;
    }
    if (const std::string_view codigo = MensajeDeEscritura(fallo); !codigo.empty()) {
      Avisar(codigo);
      m_bFalloAvisado = true;
    }
    return 0;
  }
}

int CTabla::AnadirRegistro() {
  m_nIntentos = 0;
  for (;;) {
    CTablaRegistros* t = Actual();
    if (t == nullptr) return 0;
    int resultado = plataforma::kAnadirOcupado;
    for (int i = 0; i < m_pBaseDatos->DameIntentos(); ++i) {
      ++m_nIntentos;
      resultado = t->Anadir();
      if (resultado == plataforma::kAnadido || resultado == plataforma::kAnadirImposible) break;
      // The other user's hold on the table is short: a moment later it is usually free.
      if (i + 1 < m_pBaseDatos->DameIntentos()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(m_pBaseDatos->DameEsperaIntento()));
      }
    }
    if (resultado == plataforma::kAnadido) return 1;
    // A full disk, or a store open only for reading, is no reason to try again at once.
    if (const std::string_view codigo = MensajeDeEscritura(t->UltimoFallo()); !codigo.empty()) {
      Avisar(codigo);
      return 0;
    }
    if (Avisar(resultado == plataforma::kAnadirImposible ? "WIN050" : "WIN051") != kBotonAceptar) return 0;
  }
}

int CTabla::BorrarClave(std::string_view clave, bool cercana, std::string_view orden) {
  m_bFalloAvisado = false;
  if (Actual() == nullptr) return 0;
  if (!clave.empty() && Buscar(clave, cercana, orden, false) == 0) return 0;
  if (BloquearRegistro() == 0) return 0;
  CTablaRegistros* t = Actual();
  if (t == nullptr) return 0;
  const long numero = t->NumeroRegistro();
  const bool borrado = t->Borrar() && t->Confirmar();
  const plataforma::EFallo fallo = t->UltimoFallo();
  t->DesbloquearRegistro(numero);
  t->Primero();
  if (!borrado) {
    if (const std::string_view codigo = MensajeDeEscritura(fallo); !codigo.empty()) {
      Avisar(codigo);
      m_bFalloAvisado = true;
    }
  }
  return borrado ? 1 : 0;
}

long CTabla::NumeroRegistros() {
  CTablaRegistros* t = Actual();
  return t != nullptr ? t->NumeroRegistros() : 0;
}

int CTabla::LeerCampo(std::string_view campo, void* buffer, std::int16_t tipo, std::uint16_t tamano) {
  CTablaRegistros* t = Actual();
  if (t == nullptr || buffer == nullptr || !t->CampoConocido(campo)) return 0;
  const char letra = t->TipoCampo(campo);
  switch (tipo) {
    case kCampoEntero:
    case kCampoEnteroN:
      if ((letra != 'I' && letra != 'N') || tamano < sizeof(std::int32_t)) return 0;
      Copiar(buffer, Entero32(t->LeerEntero(campo)));
      return 1;
    case kCampoDouble:
      if ((letra != 'F' && letra != 'N') || tamano < sizeof(double)) return 0;
      Copiar(buffer, t->LeerDouble(campo));
      return 1;
    case kCampoLogico:
      if (letra != 'L' || tamano < sizeof(std::int32_t)) return 0;
      Copiar(buffer, static_cast<std::int32_t>(t->LeerLogico(campo) ? 1 : 0));
      return 1;
    case kCampoTexto:
    case kCampoTexto2: {
      const auto ancho = static_cast<std::size_t>(t->AnchoCampo(campo));
      if (tamano < ancho + 1) return 0;
      std::string texto = t->LeerTexto(campo);
      if (texto.size() > ancho) texto.resize(ancho);
      std::memcpy(buffer, texto.data(), texto.size());
      static_cast<char*>(buffer)[texto.size()] = '\0';
      return 1;
    }
    case kCampoMemo: {
      const auto memo = t->LeerMemo(campo);
      if (memo && !memo->empty() && memo->size() < tamano) {
        std::memcpy(buffer, memo->data(), memo->size());
        static_cast<char*>(buffer)[memo->size()] = '\0';
      }
      return 1;
    }
    case kCampoBinario: {
      const long largo = t->LongitudBinario(campo);
      if (largo < 0) return 0;
      if (static_cast<long>(tamano) >= largo && largo > 0) {
        t->LeerBinario(campo, std::span<char>(static_cast<char*>(buffer), static_cast<std::size_t>(largo)));
      }
      return 1;
    }
    default:
      return 0;
  }
}

int CTabla::GrabarCampo(std::string_view campo, const void* valor, std::int16_t tipo, std::uint16_t tamano) {
  m_bFalloAvisado = false;
  CTablaRegistros* t = Actual();
  if (t == nullptr || valor == nullptr || !t->CampoConocido(campo)) return 0;
  const char letra = t->TipoCampo(campo);
  bool hecho = false;
  switch (tipo) {
    case kCampoEntero:
      if (letra != 'I' && letra != 'N') return 0;
      hecho = t->PonerEntero(campo, Leer<std::int32_t>(valor));
      break;
    case kCampoEnteroN:
      if (letra != 'N') return 0;
      hecho = t->PonerEntero(campo, Leer<std::int32_t>(valor));
      break;
    case kCampoDouble:
      if (letra != 'F' && letra != 'N') return 0;
      hecho = t->PonerDouble(campo, Leer<double>(valor));
      break;
    case kCampoLogico:
      if (letra != 'L') return 0;
      hecho = t->PonerLogico(campo, Leer<std::int32_t>(valor) != 0);
      break;
    case kCampoTexto:
    case kCampoMemo: {
      // The text ends at its terminator, and never beyond the size given.
      const char* texto = static_cast<const char*>(valor);
      hecho = t->PonerTexto(campo, std::string_view(texto, ::strnlen(texto, tamano)));
      break;
    }
    case kCampoBinario:
      hecho = t->EscribirBinario(campo, std::span<const char>(static_cast<const char*>(valor), tamano)) ==
              static_cast<long>(tamano);
      break;
    default:
      return 0;
  }
  // A write of its own (not part of GrabarEnUnaVez, which says why itself) that the disk or a damaged store refused
  // is said here.
  if (!hecho && !t->EnLote()) {
    if (const std::string_view codigo = MensajeDeEscritura(t->UltimoFallo()); !codigo.empty()) {
      Avisar(codigo);
      m_bFalloAvisado = true;
    }
  }
  return hecho && t->Confirmar() ? 1 : 0;
}

int CTabla::LongitudCampo(std::string_view campo) {
  CTablaRegistros* t = Actual();
  if (t == nullptr || !t->CampoConocido(campo)) return 0;
  switch (t->TipoCampo(campo)) {
    case 'B': return static_cast<int>(std::max(0L, t->LongitudBinario(campo)));
    case 'M': {
      const auto memo = t->LeerMemo(campo);
      return memo ? static_cast<int>(memo->size()) : 0;
    }
    default: return t->AnchoCampo(campo);
  }
}

}  // namespace marco
