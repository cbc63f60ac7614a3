#include "framework/TemplateDlgLista.h"

#include <utility>

#include "framework/Utilidades.h"

namespace marco {

CTemplateDlgLista::CTemplateDlgLista(int idRecurso, wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(idRecurso, padre, segundoParametro) {}

bool CTemplateDlgLista::PonerTablaIds(int entradas, int campos, std::vector<int> ids) {
  if (entradas < 0 || campos < 0 ||
      ids.size() != static_cast<std::size_t>(entradas) * static_cast<std::size_t>(campos)) {
    return false;
  }
  m_nEntradas = entradas;
  m_nCampos = campos;
  m_ids = std::move(ids);
  return true;
}

int CTemplateDlgLista::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_bEditable = Entorno().EditaTodasLasEntradas();
  return 1;
}

void CTemplateDlgLista::OnClose() {
  m_bCerrando = true;
  CTemplateDlg::OnClose();
}

int CTemplateDlgLista::IdControl(int campo, int entrada) const {
  if (campo < 0 || campo >= m_nCampos || entrada < 0 || entrada >= m_nEntradas) return 0;
  return m_ids[static_cast<std::size_t>(campo) * static_cast<std::size_t>(m_nEntradas) +
               static_cast<std::size_t>(entrada)];
}

void CTemplateDlgLista::LimpiarEntrada(int) {}
void CTemplateDlgLista::MoverEntrada(int, int) {}

int CTemplateDlgLista::EntradaEnUso(int entrada) const {
  for (int campo = 0; campo < m_nCampos; ++campo) {
    if (!EsCadenaEnBlanco(TextoControl(IdControl(campo, entrada)))) return 1;
  }
  return 0;
}

int CTemplateDlgLista::EntradaDeControl(int id) const {
  for (std::size_t i = 0; i < m_ids.size(); ++i) {
    if (m_ids[i] == id) return static_cast<int>(i % static_cast<std::size_t>(m_nEntradas));
  }
  return -1;
}

void CTemplateDlgLista::HabilitarEntrada(int entrada, int habilitar) {
  for (int campo = 0; campo < m_nCampos; ++campo) HabilitarControl(IdControl(campo, entrada), habilitar != 0);
}

void CTemplateDlgLista::CompactarEntradas() {
  m_bOcupado = true;
  std::vector<int> usadas;
  for (int e = 0; e < m_nEntradas; ++e) {
    if (EntradaEnUso(e) != 0) usadas.push_back(e);
  }
  for (std::size_t i = 0; i < usadas.size(); ++i) {
    // An entry already in its place is not copied onto itself.
    if (usadas[i] != static_cast<int>(i)) MoverEntrada(static_cast<int>(i), usadas[i]);
  }
  for (int e = static_cast<int>(usadas.size()); e < m_nEntradas; ++e) LimpiarEntrada(e);
  m_bOcupado = false;
}

void CTemplateDlgLista::ActualizarEntradas() {
  if (!m_bEditable || m_nEntradas == 0) return;
  m_bOcupado = true;
  int usadas = 0;
  for (int e = 0; e < m_nEntradas; ++e) {
    const bool enUso = EntradaEnUso(e) != 0;
    if (enUso) ++usadas;
    HabilitarEntrada(e, enUso ? 1 : 0);
  }
  m_nEntradasAbiertas = usadas < m_nEntradas - 1 ? usadas : m_nEntradas - 1;
  HabilitarEntrada(m_nEntradasAbiertas, 1);
  if (Ventana() != nullptr) Ventana()->AplicarColores();
  m_bOcupado = false;
}

int CTemplateDlgLista::AlSalirDeCampo(int id) {
  CControlesDialogo* ventana = Ventana();
  if (ventana == nullptr) return 0;
  const std::optional<int> foco = ventana->Foco();
  if (!foco || *foco == kIdCancelar || m_bCerrando) return 0;
  const int entrada = EntradaDeControl(id);
  if (entrada < 0) return 1;
  if (EntradaEnUso(entrada) == 0) {
    CompactarEntradas();
    ActualizarDatosHijos(*this, 0);
    ActualizarEntradas();
    PonerFoco(*foco);
    return 1;
  }
  if (entrada == m_nEntradasAbiertas && entrada < m_nEntradas - 1) {
    ++m_nEntradasAbiertas;
    HabilitarEntrada(m_nEntradasAbiertas, 1);
    ventana->AplicarColores();
  }
  return 1;
}

void CTemplateDlgLista::AntesDeAvanzar() {
  CControlesDialogo* ventana = Ventana();
  if (!m_bEditable || m_bCerrando || ventana == nullptr) return;
  const std::optional<int> foco = ventana->Foco();
  if (!foco) return;
  const int entrada = EntradaDeControl(*foco);
  if (entrada < 0 || entrada != m_nEntradasAbiertas || entrada >= m_nEntradas - 1) return;
  if (EntradaEnUso(entrada) == 0 && EsCadenaEnBlanco(TextoControl(*foco))) return;
  ++m_nEntradasAbiertas;
  HabilitarEntrada(m_nEntradasAbiertas, 1);
  ventana->AplicarColores();
}

namespace {

bool EsLetraODigito(unsigned char c) {
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  // Windows-1252 letters: Š Œ Ž š œ ž Ÿ ª µ º and À to ÿ but × and ÷.
  switch (c) {
    case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F: case 0xAA: case 0xB5: case 0xBA:
      return true;
    default: break;
  }
  return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

}  // namespace

int HayAlfanumerico(std::string_view texto, int n) {
  if (texto.empty() || texto[0] == '\0' || n < 2) return 0;
  for (std::size_t i = 1; i < static_cast<std::size_t>(n) && i < texto.size(); ++i) {
    if (texto[i] == '\0') break;
    if (EsLetraODigito(static_cast<unsigned char>(texto[i]))) return 1;
  }
  return 0;
}

}  // namespace marco
