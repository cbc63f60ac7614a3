#include "wealth/C714Vista.h"

#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/EditEx.h"
#include "wealth/C714Doc.h"

namespace patrimonio {

wxIMPLEMENT_ABSTRACT_CLASS(C714Vista, marco::CProg32View);

C714Vista::~C714Vista() {
  // The edit refers to a box of the array: it goes first.
  DestruirEdit();
  if (m_pControles) m_pControles->Liberar();
  m_pControles.reset();
}

C714Doc* C714Vista::DameDocumento714() const { return dynamic_cast<C714Doc*>(GetDocument()); }

DatosPatrimonio* C714Vista::Datos() const {
  if (m_pControles) return m_pControles->Datos();
  C714Doc* doc = DameDocumento714();
  return doc != nullptr ? &doc->Datos() : nullptr;
}

void C714Vista::ConfirmarCampoActivo() {
  const int numero = HayEditActivo() ? NumeroCampoActivo() : 0;
  if (numero >= 1 && EditModificado()) {
    GuardarEditActivo();
    ComprobarCampo(numero);
    LimpiarEditModificado();
  }
  if (numero >= 1) {
    if (marco::CEditEx* edit = DameEditActivo()) edit->IntercambiarDatos(0);
  }
}

marco::CCampo* C714Vista::DameCampo(int indice) { return m_pControles ? m_pControles->Campo(indice) : nullptr; }

int C714Vista::NumeroCampos() { return m_pControles ? m_pControles->NumeroCampos() : 0; }

void C714Vista::RecargarCoordenadas(double escala) {
  if (m_pControles) m_pControles->LeerCoordenadasPagina(DameNumeroPagina(), escala, nullptr);
}

int C714Vista::CargarCampos(double escala, marco::CBaseDatos* baseDatos) {
  if (!m_pControles) return 0;
  m_pControles->PonerVista(this);
  m_pControles->PonerDocumento(DameDocumento());
  return m_pControles->Cargar(DameNumeroPagina(), escala, baseDatos);
}

int C714Vista::PrepararPagina() {
  const int resultado = CProg32View::PrepararPagina();
  if (CargarCampos(Geometria().escalaCampos, nullptr) == 0) return 0;
  return resultado;
}

int C714Vista::PrepararCampos() {
  for (int i = 0; i < NumeroCampos(); ++i) {
    if (marco::CCampo* campo = DameCampo(i)) campo->ActualizarTexto();
  }
  return 1;
}

void C714Vista::DibujarCampos(plataforma::CLienzo& lienzo, int scrollX, int scrollY) {
  const int activo = DameCampoActivo();
  for (int i = 0; i < NumeroCampos(); ++i) {
    marco::CCampo* campo = DameCampo(i);
    if (campo == nullptr) continue;
    if (i == activo) {
      campo->DibujarMarco(marco::kMarcoResaltado, lienzo, scrollX, scrollY);
      continue;
    }
    // The box's fill and text first, so that its frame stays visible on top of the fill.
    campo->ActualizarTexto();
    campo->Dibujar(lienzo, scrollX, scrollY, marco::kDibujoPantalla);
    campo->DibujarMarco(marco::kMarcoSimple, lienzo, scrollX, scrollY);
  }
}

void C714Vista::AvisarPagina() {
  if (m_pControles) m_pControles->AvisoPagina(1);
}

void C714Vista::RecalcularLiquidacion() {
  if (C714Doc* doc = DameDocumento714()) doc->Calcular(0);
  RefrescarControles();
}

void C714Vista::RedibujarCampo(int numero) {
  marco::CCampo* campo = m_pControles ? m_pControles->CampoDeNumero(numero) : nullptr;
  if (campo == nullptr) return;
  campo->ActualizarTexto();
  DibujarTextoCampo(marco::CControlesPagina::PosicionDeNumero(numero));
}

}  // namespace patrimonio
