#include "income/RentaVista.h"

#include <wx/button.h>

#include "framework/Campo.h"
#include "framework/EditEx.h"
#include "framework/EditExVentana.h"
#include "framework/TextosVentana.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace renta {

wxIMPLEMENT_ABSTRACT_CLASS(CRentaVista, marco::CProg32View);

void MarcarCamposPropios(marco::CControlesPagina& controles) {
  for (int i = 0; i < controles.NumeroCampos(); ++i) {
    marco::CCampo* campo = controles.Campo(i);
    if (campo != nullptr) campo->Marca = EsCampoPropio(campo->Identifica);
  }
}

int IndiceTrasConfirmar(const marco::CControlesPagina& controles, int indice) {
  const int n = controles.NumeroCampos();
  if (indice < 0 || indice >= n) return -1;
  for (int paso = 0; paso < n; ++paso) {
    const int i = (indice + paso) % n;
    const marco::CCampo* campo = controles.Campo(i);
    if (campo != nullptr && campo->SoloLectur == 0) return i;
  }
  return -1;
}

void DibujarCamposPagina(marco::CControlesPagina& controles, plataforma::CLienzo& lienzo, int scrollX, int scrollY,
                         int indiceActivo) {
  for (int i = 0; i < controles.NumeroCampos(); ++i) {
    marco::CCampo* campo = controles.Campo(i);
    if (campo == nullptr) continue;
    // Fill and text first, then the frame: the fill would cover a frame drawn before it.
    campo->ActualizarTexto();
    campo->Dibujar(lienzo, scrollX, scrollY, marco::kDibujoPantalla);
    campo->DibujarMarco(i == indiceActivo ? marco::kMarcoResaltado : marco::kMarcoSimple, lienzo, scrollX, scrollY);
  }
}

CRentaVista::~CRentaVista() {
  // The edit refers to a box of the array: it goes first.
  DestruirEdit();
  if (m_pControles) m_pControles->Liberar();
  m_pControles.reset();
}

CRentaDoc* CRentaVista::DameDocumentoRenta() const { return dynamic_cast<CRentaDoc*>(GetDocument()); }

void CRentaVista::ConfirmarCampoActivo() {
  const int numero = HayEditActivo() ? NumeroCampoActivo() : 0;
  if (numero >= 1 && EditModificado()) {
    GuardarEditActivo();
    ComprobarCampo(numero);
    LimpiarEditModificado();
  }
  if (m_pControles) m_pControles->Refrescar();
  if (numero < 1 || !m_pControles) return;
  const int indice = marco::CControlesPagina::PosicionDeNumero(numero);
  if (marco::CEditEx* edit = DameEditActivo()) edit->IntercambiarDatos(0);
  const int siguiente = IndiceTrasConfirmar(*m_pControles, indice);
  if (siguiente >= 0 && siguiente != indice) IrACampo(siguiente);
}

marco::CCampo* CRentaVista::DameCampo(int indice) { return m_pControles ? m_pControles->Campo(indice) : nullptr; }

int CRentaVista::NumeroCampos() { return m_pControles ? m_pControles->NumeroCampos() : 0; }

void CRentaVista::RecargarCoordenadas(double escala) {
  if (m_pControles) m_pControles->LeerCoordenadasPagina(DameNumeroPagina(), escala, nullptr);
}

int CRentaVista::EsCampoPropio(std::string_view nombre) const { return renta::EsCampoPropio(nombre); }

int CRentaVista::PrepararPagina() {
  const int resultado = CProg32View::PrepararPagina();
  if (!m_pControles) return resultado;
  m_pControles->PonerVista(this);
  m_pControles->PonerDocumento(DameDocumento());
  const int cargado = m_pControles->Cargar(DameNumeroPagina(), Geometria().escalaCampos, nullptr);
  if (resultado != 0 && cargado != 0) MarcarCamposPropios();
  return resultado;
}

int CRentaVista::PrepararCampos() {
  for (int i = 0; i < NumeroCampos(); ++i) {
    if (marco::CCampo* campo = DameCampo(i)) campo->ActualizarTexto();
  }
  return 1;
}

void CRentaVista::DibujarCampos(plataforma::CLienzo& lienzo, int scrollX, int scrollY) {
  if (m_pControles) DibujarCamposPagina(*m_pControles, lienzo, scrollX, scrollY, DameCampoActivo());
}

void CRentaVista::AvisarPagina() {
  if (m_pControles) m_pControles->AvisoPagina(1);
}

void CRentaVista::MarcarCamposPropios() {
  if (m_pControles) renta::MarcarCamposPropios(*m_pControles);
}

wxButton* CRentaVista::CrearBotonPagina(int id, std::string_view texto, std::string_view ayuda) {
  wxWindow* ventana = DameVentana();
  if (ventana == nullptr) return nullptr;
  auto* boton = new wxButton(ventana, id, wxString::FromUTF8(texto.data(), texto.size()), wxDefaultPosition,
                             wxDefaultSize, wxBU_EXACTFIT | wxBORDER_SIMPLE);
  boton->SetToolTip(marco::TextoFijoWx(ayuda));
  return boton;
}

bool CRentaVista::ConfirmarAntesDeMover() {
  const int numero = NumeroCampoActivo();
  if (numero >= 1 && EditModificado()) {
    GuardarEditActivo();
    if (ComprobarCampo(numero) != 1) return false;
    MarcarDocumentoModificado();
    LimpiarEditModificado();
    RefrescarControles();
  }
  return true;
}

void CRentaVista::EnfocarTrasMover() {
  if (marco::CEditEx* edit = DameEditActivo()) {
    edit->IntercambiarDatos(0);
    if (marco::CVentanaEdit* ventana = edit->DameVentana()) ventana->SetFocus();
  }
  const int activo = DameCampoActivo();
  if (const marco::CCampo* campo = activo >= 0 ? DameCampo(activo) : nullptr; campo != nullptr && campo->SoloLectur) {
    const int anterior = SiguienteCampoEditable(activo, -1);
    if (anterior >= 0 && anterior != activo) IrACampo(anterior);
  }
}

}  // namespace renta
