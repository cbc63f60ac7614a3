#include "income/Asistente.h"

#include <string>
#include <vector>

#include "framework/TemplatePropPg.h"
#include "framework/TextosVentana.h"

namespace renta {

CAsistente::CAsistente(std::string_view titulo, wxWindow* padre) : m_strTitulo(titulo), m_pPadre(padre) {}

CAsistente::~CAsistente() = default;

int SiguienteParadaTabulador(const std::vector<bool>& tomanFoco, int actual, bool atras) {
  const int n = static_cast<int>(tomanFoco.size());
  if (n == 0) return -1;
  int i = actual;
  if (i < 0 || i >= n) i = atras ? 0 : n - 1;  // from outside: the first stop forward, the last one back
  for (int paso = 0; paso < n; ++paso) {
    i = atras ? (i + n - 1) % n : (i + 1) % n;
    if (tomanFoco[static_cast<std::size_t>(i)]) return i;
  }
  return -1;
}

void CAsistente::AnadirPagina(marco::CTemplatePropPg& pagina) { m_paginas.push_back(&pagina); }

std::string CAsistente::TituloVentana() const {
  // In the interface language: the title and the two fixed parts of the step count.
  return marco::TextoFijo1252(m_strTitulo) + marco::TextoFijo1252(" - Paso ") + std::to_string(m_nActiva + 1) +
         marco::TextoFijo1252(" de ") + std::to_string(NumeroPaginas());
}

bool CAsistente::BotonHabilitado(int boton) const {
  switch (boton) {
    case kBotonAtras: return m_nActiva > 0;
    case kBotonSiguiente: return m_nActiva + 1 < NumeroPaginas();
    case kBotonAplicar:
    case kBotonCancelarAsistente:
    case kBotonAyudaAsistente: return true;
    default: return false;
  }
}

int CAsistente::OnBoton(int boton) {
  if (m_nResultado != kAsistenteAbierto) return 0;
  switch (boton) {
    case kBotonAtras: return MoverPagina(kMoverAtras, 1);
    case kBotonSiguiente: return MoverPagina(kMoverAdelante, 1);
    case kBotonAplicar:
      RecogerPaginas();
      Terminar(kAsistenteTerminado);
      return 1;
    case kBotonCancelarAsistente:
      Terminar(kAsistenteCancelado);
      return 1;
    case kBotonAyudaAsistente:
      if (!m_paginas.empty()) Pagina(m_nActiva).Ayuda();
      return 1;
    default: return 0;
  }
}

int CAsistente::MoverPagina(int comando, int argumento) {
  if (m_paginas.empty() || argumento <= 0) return 0;
  int destino = m_nActiva;
  if (comando == kMoverAtras) destino -= argumento;
  else if (comando == kMoverAdelante) destino += argumento;
  else return 0;
  if (destino < 0 || destino >= NumeroPaginas() || destino == m_nActiva) return 0;
  Pagina(m_nActiva).ActualizarDatos(1);
  m_nActiva = destino;
  Pagina(m_nActiva).ActualizarDatos(0);
  AlMostrarPagina(m_nActiva);
  if (m_pVentana != nullptr) m_pVentana->MostrarPagina(m_nActiva);
  Refrescar();
  return 1;
}

void CAsistente::SenalarCampo(int pagina, int id) {
  if (pagina < 0 || pagina >= NumeroPaginas()) return;
  if (pagina > m_nActiva) MoverPagina(kMoverAdelante, pagina - m_nActiva);
  if (pagina < m_nActiva) MoverPagina(kMoverAtras, m_nActiva - pagina);
  Pagina(pagina).PonerFoco(id);
  if (m_pVentana != nullptr) m_pVentana->Senalar(pagina, id);
}

void CAsistente::AsociarVentana(CVentanaAsistente* ventana) {
  m_pVentana = ventana;
  if (m_pVentana == nullptr) return;
  m_pVentana->MostrarPagina(m_nActiva);
  Refrescar();
}

void CAsistente::RecogerPaginas() {
  for (marco::CTemplatePropPg* pagina : m_paginas) pagina->ActualizarDatos(1);
}

void CAsistente::Terminar(int resultado) {
  m_nResultado = resultado;
  if (m_pVentana != nullptr) m_pVentana->Terminar(resultado);
}

void CAsistente::AlMostrarPagina(int) {}

void CAsistente::Refrescar() {
  if (m_pVentana == nullptr) return;
  m_pVentana->PonerTitulo(TituloVentana());
  for (int boton : {kBotonAtras, kBotonAplicar, kBotonCancelarAsistente, kBotonSiguiente, kBotonAyudaAsistente}) {
    m_pVentana->HabilitarBoton(boton, BotonHabilitado(boton));
  }
}

}  // namespace renta
