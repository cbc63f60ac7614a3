#include "activities/EditsActividad.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "activities/DlgSeleccionarActividad.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/EditExVentana.h"
#include "framework/FabricaEdit.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/Texto.h"

namespace actividades {

namespace {

constexpr std::string_view kMensajeSinEnlace = "WIN019";
constexpr std::string_view kMensajeBorrar = "390E013";

// The leading decimal digits of the code as a number (0 when it has none).
long NumeroCodigo(const unsigned char* fila) {
  char codigo[6] = {};
  std::memcpy(codigo, fila, 5);
  return std::strtol(codigo, nullptr, 10);
}

}  // namespace

CSelActividadEdit::CSelActividadEdit(marco::CCampo& campo, marco::CBaseDatos* base) : m_pBase(base) {
  Inicializar(campo);
}

unsigned char* CSelActividadEdit::Fila() const {
  const marco::CCampo* campo = DameCampo();
  return campo != nullptr ? static_cast<unsigned char*>(campo->Enlace) : nullptr;
}

FVentanaActividad CSelActividadEdit::Ventana() {
  if (m_ventana) return m_ventana;
  return VentanaSeleccionActividad(Superficie().Ventana());
}

int CSelActividadEdit::AbrirSeleccion(int) {
  m_nTecleado = 0;
  if (Fila() == nullptr) {
    Mensaje(kMensajeSinEnlace);
    return kSeleccionBorrar;
  }
  const std::weak_ptr<bool> vivo = m_pVivoSeleccion;
  const int r = Seleccionar();
  if (vivo.expired()) return r;
  // The box shows the row's code as it now stands.
  const unsigned char* fila = Fila();
  const std::size_t largo = strnlen(reinterpret_cast<const char*>(fila), static_cast<std::size_t>(LongitudMaxima()));
  PonerTexto(std::string(reinterpret_cast<const char*>(fila), largo));
  if (r == kSeleccionEscrita) MarcarDeclaracionModificada();
  return r;
}

int CSelActividadEdit::BorrarSeleccion() {
  if (Fila() == nullptr) return 1;
  if (Mensaje(kMensajeBorrar) != marco::kBotonAceptar) return 1;
  marco::CCampo* campo = DameCampo();
  if (campo != nullptr && campo->Dato != nullptr) {
    std::memset(campo->Dato, ' ', static_cast<std::size_t>(std::max(LongitudMaxima(), 0)));
  }
  PonerTexto("");
  MarcarDeclaracionModificada();
  return 2;
}

void CSelActividadEdit::SeleccionarYAvisar() {
  const std::weak_ptr<bool> vivo = m_pVivoSeleccion;
  const int r = AbrirSeleccion(0);
  if (vivo.expired()) return;
  if (r == kSeleccionBorrar) {
    if (unsigned char* fila = Fila()) fila[0] = 0;
    PonerTexto("");
    Notificar(marco::kAvisoCampoBorrado);
  } else if (r == kSeleccionEscrita) {
    Notificar(marco::kAvisoValorCambiado);
  }
}

int CSelActividadEdit::ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) {
  if (MiembroConFamilia()) {
    Pitar();
    Mensaje(marco::kMensajeMiembroBloqueado);
    return 1;
  }
  if (llamada == 1 && caracter == static_cast<unsigned>(marco::kTeclaAbajo)) {
    SeleccionarYAvisar();
    return 1;
  }
  if (caracter == marco::kTeclaEscape || caracter < 0x20 || Fila() == nullptr) return 1;
  if (!AdmiteTecleado(caracter)) return 1;
  m_nTecleado = 1;
  return marco::CEditEx::ValidarCaracter(caracter, repeticiones, banderas, llamada);
}

int CSelActividadEdit::ValidarAlSalir(const std::string* texto) {
  if (texto == nullptr) return 0;
  if (Fila() == nullptr) {
    Mensaje(kMensajeSinEnlace);
    return 0;
  }
  // What was typed goes to the start of the row, which the box designates.
  const std::string tecleado = Texto();
  const std::size_t n = static_cast<std::size_t>(std::max(LongitudMaxima(), 0));
  plataforma::CopiaFija(reinterpret_cast<char*>(Fila()), std::min<std::size_t>(n, 5), tecleado.c_str());
  if (m_nTecleado == 1 && HayEleccion()) {
    if (!TecleadoEnCatalogo()) {
      // Refused: nothing of it stays in the row, and the page is told that the box was erased.
      m_nTecleado = 0;
      const std::weak_ptr<bool> vivo = m_pVivoSeleccion;
      marco::CDlgMensaje().MostrarMensaje(MensajeFueraDeCatalogo(), marco::IconoExclamacion,
                                          plataforma::RecortaDerecha(tecleado));
      if (vivo.expired()) return 0;
      if (marco::CCampo* campo = DameCampo(); campo != nullptr && campo->Dato != nullptr) {
        std::memset(campo->Dato, ' ', std::min<std::size_t>(n, 5));
      }
      Fila()[0] = 0;
      PonerTexto("");
      Notificar(marco::kAvisoCampoBorrado);
      return 0;
    }
    SeleccionarYAvisar();
  }
  return 0;
}

// ---- the epigraph code ----

bool CSelIAEEdit::AdmiteTecleado(unsigned caracter) {
  if (NumeroCodigo(Fila()) != 0) return false;  // a code chosen is only erased, never typed over
  const int largo = LongitudTexto();
  if (caracter == '.') return largo == 3;
  return caracter >= '0' && caracter <= '9' && largo != 3;
}

bool CSelIAEEdit::HayEleccion() const { return NumeroCodigo(Fila()) != 0; }

bool CSelIAEEdit::TecleadoEnCatalogo() {
  CCargaModulos carga(m_pBase);
  carga.PonerTipoSeleccion(kTipoSeleccionEpigrafe);
  carga.PonerTablas(TablasIdioma(marco::LetraIdiomaV()));
  return carga.OfreceEpigrafe(std::string(reinterpret_cast<const char*>(Fila()), 5));
}

int CSelIAEEdit::Seleccionar() {
  const std::size_t longitud = static_cast<std::size_t>(std::max(LongitudMaxima(), 0));
  return SeleccionarEpigrafe(std::span<unsigned char, kLargoFilaModulos>(Fila(), kLargoFilaModulos), longitud,
                             m_pBase, marco::LetraIdiomaV(), Ventana());
}

// ---- the sector key ----

bool CSelClaveEdit::AdmiteTecleado(unsigned caracter) {
  std::int32_t id = 0;
  std::memcpy(&id, Fila() + FilaAgraria::IdIae, sizeof id);
  return id == 0 && caracter >= '1' && caracter <= '7' && LongitudTexto() != 2;
}

bool CSelClaveEdit::HayEleccion() const {
  const unsigned char clave = Fila()[FilaAgraria::Clave];
  return clave != 0 && clave != ' ';
}

int CSelClaveEdit::Seleccionar() {
  return SeleccionarSector(std::span<unsigned char, kLargoFilaAgraria>(Fila(), kLargoFilaAgraria), m_pBase,
                           marco::LetraIdiomaV(), Ventana());
}

void RegistrarEditsActividad(marco::CFabricaEdit& fabrica) {
  fabrica.Registrar(marco::EClaseEdit::SelIAEEdit,
                    [](marco::CCampo& campo, marco::CBaseDatos* base) -> std::unique_ptr<marco::CEditEx> {
                      return std::make_unique<CSelIAEEdit>(campo, base != nullptr ? base : marco::DameBaseDatosLocal());
                    });
  fabrica.Registrar(marco::EClaseEdit::SelClaveEdit,
                    [](marco::CCampo& campo, marco::CBaseDatos* base) -> std::unique_ptr<marco::CEditEx> {
                      return std::make_unique<CSelClaveEdit>(campo,
                                                             base != nullptr ? base : marco::DameBaseDatosLocal());
                    });
}

}  // namespace actividades
