#include "framework/TemplateDlgTitulares.h"

#include <optional>
#include <utility>

#include "framework/DocumentoServicios.h"
#include "framework/SelectorTitular.h"
#include "framework/Utilidades.h"
#include "platform/Texto.h"

namespace marco {

CTemplateDlgTitulares::CTemplateDlgTitulares(int idRecurso, wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(idRecurso, padre, segundoParametro) {}

bool CTemplateDlgTitulares::PonerTablaIds(int entradas, int campos, std::vector<int> ids) {
  if (entradas < 0 || campos < 0 ||
      ids.size() != static_cast<std::size_t>(entradas) * static_cast<std::size_t>(campos)) {
    return false;
  }
  m_nEntradas = entradas;
  m_nCampos = campos;
  m_ids = std::move(ids);
  return true;
}

std::uint8_t CTemplateDlgTitulares::SujetoActual() const {
  return static_cast<std::uint8_t>(Entorno().sujetoActual & 0xFF);
}

int CTemplateDlgTitulares::IdControl(int campo, int entrada) const {
  if (campo < 0 || campo >= m_nCampos || entrada < 0 || entrada >= m_nEntradas) return 0;
  return m_ids[static_cast<std::size_t>(campo) * static_cast<std::size_t>(m_nEntradas) +
               static_cast<std::size_t>(entrada)];
}

void CTemplateDlgTitulares::LimpiarEntrada(int) {}
void CTemplateDlgTitulares::MoverEntrada(int, int) {}
void CTemplateDlgTitulares::QuitarEntrada(int) {}
std::uint8_t CTemplateDlgTitulares::TitularDeEntrada(int) const { return 0; }
void CTemplateDlgTitulares::EntradaComun(int) {}
void CTemplateDlgTitulares::EntradaPropia(int) {}
int CTemplateDlgTitulares::CampoInicialDeEntrada(int) const { return 1; }

int CTemplateDlgTitulares::EntradaDeControl(int id) const {
  for (std::size_t i = 0; i < m_ids.size(); ++i) {
    if (m_ids[i] == id) return static_cast<int>(i % static_cast<std::size_t>(m_nEntradas));
  }
  return -1;
}

int CTemplateDlgTitulares::FilaDeControl(int id) const {
  for (std::size_t i = 0; i < m_ids.size(); ++i) {
    if (m_ids[i] == id) return static_cast<int>(i / static_cast<std::size_t>(m_nEntradas));
  }
  return -1;
}

void CTemplateDlgTitulares::CompactarEntradas() {
  int siguiente = 0;
  for (int e = 0; e < m_nEntradas; ++e) {
    if (TitularDeEntrada(e) == 0) continue;
    // An entry already in its place is not copied onto itself.
    if (e != siguiente) MoverEntrada(siguiente, e);
    ++siguiente;
  }
  for (int e = siguiente; e < m_nEntradas; ++e) {
    QuitarEntrada(e);
    LimpiarEntrada(e);
  }
}

void CTemplateDlgTitulares::ActualizarEntradas() {
  for (int e = 0; e < m_nEntradas; ++e) {
    const bool conTitular = TitularDeEntrada(e) != 0;
    if (!conTitular) LimpiarEntrada(e);
    const bool abrir = m_bTodas && conTitular;
    for (int campo = 1; campo < m_nCampos; ++campo) HabilitarControl(IdControl(campo, e), abrir);
    if (abrir) PonerFoco(IdControl(CampoInicialDeEntrada(e), e));
  }
  if (Ventana() != nullptr) Ventana()->AplicarColores();
}

int CTemplateDlgTitulares::AjustarEntradasAlSujeto() {
  const SEntornoDialogo entorno = Entorno();
  m_bTodas = entorno.EditaTodasLasEntradas();
  if (m_bTodas) return 1;
  const std::uint8_t sujeto = SujetoActual();
  for (int e = 0; e < m_nEntradas; ++e) {
    const std::uint8_t titular = TitularDeEntrada(e);
    if (titular == kSujetoUnidadFamiliar && (sujeto == kSujetoDeclarante || sujeto == kSujetoConyuge)) {
      EntradaComun(e);
      EntradaPropia(e);
    } else if (titular != sujeto) {
      LimpiarEntrada(e);
      QuitarEntrada(e);
    } else {
      EntradaPropia(e);
    }
  }
  return 0;
}

void CTemplateDlgTitulares::QuitarEntradasVacias() {
  for (int e = 0; e < m_nEntradas; ++e) {
    if (TitularDeEntrada(e) == 0) continue;
    bool vacia = true;
    for (int campo = 1; campo < m_nCampos && vacia; ++campo) {
      vacia = EsCadenaEnBlanco(TextoControl(IdControl(campo, e)));
    }
    if (vacia) QuitarEntrada(e);
  }
}

int CTemplateDlgTitulares::AlSalirDeCampo(int) { return PermitirSalidaCampo() ? 1 : 0; }

int CTemplateDlgTitulares::DespacharEvento(int codigo, int id) {
  // Once left, the field the holder letter sent the focus to owes that letter nothing.
  if (codigo == kAvisoFocoPerdido && id == m_nFocoPorTitular) m_nFocoPorTitular = 0;
  return CTemplateDlg::DespacharEvento(codigo, id);
}

bool CTemplateDlgTitulares::ConsumirSaltoTitular() {
  const int destino = std::exchange(m_nFocoPorTitular, 0);
  if (destino == 0 || Ventana() == nullptr) return false;
  const std::optional<int> foco = Ventana()->Foco();
  return foco.has_value() && *foco == destino;
}

int CTemplateDlgTitulares::OnChar(int caracter) {
  if (caracter == kCaracterIntro && ConsumirSaltoTitular()) return 1;
  if (caracter == kCaracterTab && ConsumirSaltoTitular()) return 1;
  return CTemplateDlg::OnChar(caracter);
}

int CTemplateDlgTitulares::Tabular(bool atras) {
  if (!atras && ConsumirSaltoTitular()) return 1;
  return CTemplateDlg::Tabular(atras);
}

void CTemplateDlgTitulares::MostrarAyudaTitular(int idEstatico) { PonerTextoControl(idEstatico, TextoAyudaTitular()); }

int CTemplateDlgTitulares::AlEntrarEnCampo(int id) {
  if (FilaDeControl(id) == 0) MostrarAyudaTitular(kIdAyudaTitular);
  return 1;
}

int CTemplateDlgTitulares::AlCambiarValor(int id) {
  const int entrada = EntradaDeControl(id);
  if (entrada < 0) return 0;
  ActualizarDatosHijos(*this, 1);
  if (TitularDeEntrada(entrada) == 0) LimpiarEntrada(entrada);
  CompactarEntradas();
  ActualizarDatosHijos(*this, 0);
  ActualizarEntradas();
  return 1;
}

int CTemplateDlgTitulares::CampoParaCaracterInicial() {
  CControlesDialogo* ventana = Ventana();
  if (ventana == nullptr || !m_bTodas) return 0;
  // The family unit's view (or none) types for the declarant.
  const std::int32_t sujeto = CodigoSujeto() > kSujetoDeclarante ? CodigoSujeto() : kSujetoDeclarante;
  const auto entradaDelSujeto = [&] {
    for (int e = 0; e < m_nEntradas; ++e) {
      if (TitularDeEntrada(e) == sujeto) return e;
    }
    return -1;
  };
  int entrada = entradaDelSujeto();
  if (entrada < 0) {
    for (int e = 0; e < m_nEntradas && entrada < 0; ++e) {
      if (TitularDeEntrada(e) != 0) continue;
      const int titular = IdControl(0, e);
      if (!CampoAbierto(titular)) break;
      for (const STitular& t : kTitulares) {
        if (t.codigo == sujeto) ventana->TeclearCaracter(titular, static_cast<unsigned char>(t.letra));
      }
      // The rules pack the entries as the holder is given: the entry may be another one now.
      entrada = entradaDelSujeto();
      if (entrada < 0) return 0;
    }
  }
  if (entrada < 0 || Ventana() == nullptr) return 0;
  // The box shows one field of the entries: that field of the person's entry, and no other.
  if (CampoCasilla() > 0 && CampoCasilla() < m_nCampos) {
    const int id = IdControl(CampoCasilla(), entrada);
    return Ventana()->EsImporte(id) && CampoAbierto(id) ? id : 0;
  }
  for (int campo = 1; campo < m_nCampos; ++campo) {
    const int id = IdControl(campo, entrada);
    if (Ventana()->EsImporte(id) && CampoAbierto(id)) return id;
  }
  return 0;
}

int CTemplateDlgTitulares::ValidarCaracterCampo(int id, unsigned caracter) {
  // A key typed anywhere: the Enter or Tab after it is no longer the holder letter's.
  m_nFocoPorTitular = 0;
  if (FilaDeControl(id) != 0 || !TieneEnlace(id)) return CTemplateDlg::ValidarCaracterCampo(id, caracter);
  CControlesDialogo* ventana = Ventana();
  if (ventana == nullptr || !ventana->Habilitado(id) || ventana->SoloLectura(id)) return 1;
  std::string texto;
  if (caracter != kTeclaRetroceso && caracter != ' ') {
    if (caracter < 0x21) return 1;
    texto = plataforma::Mayusculas1252(std::string(1, static_cast<char>(caracter)));
  }
  const std::string antes = ventana->Texto(id);
  ventana->PonerTexto(id, texto);
  if (!GuardarEnlace(id)) return 1;
  // The same holder again changes nothing.
  if (ventana->Texto(id) == antes) return 2;
  // Where the entry will be once the entries with a holder are packed: after those with one before it.
  const int entrada = EntradaDeControl(id);
  int destino = 0;
  for (int e = 0; e < entrada; ++e) {
    if (TitularDeEntrada(e) != 0) ++destino;
  }
  const bool conTitular = TitularDeEntrada(entrada) != 0;
  Notificar(id, kAvisoValorCambiado);
  // The focus goes to the first field of the entry just given its holder (not of the last one opened).
  if (conTitular && Ventana() != nullptr && TitularDeEntrada(destino) != 0) {
    const int campo = IdControl(CampoInicialDeEntrada(destino), destino);
    if (campo != 0 && Ventana()->Habilitado(campo)) {
      PonerFoco(campo);
      m_nFocoPorTitular = campo;
    }
  }
  return 2;
}

}  // namespace marco
