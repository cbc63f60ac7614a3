// The page view of both identification pages: the box events forwarded to the rules of IdentificacionComun.cpp.
#include <wx/window.h>

#include <algorithm>
#include <cstring>

#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Mensajes.h"
#include "framework/Pista.h"
#include "income/IdentificacionComun.h"
#include "income/RentaDoc.h"

namespace renta {

wxIMPLEMENT_ABSTRACT_CLASS(CVistaIdentificacion, CRentaVista);

namespace {

// A text into a zero-terminated header member of `room` bytes: cut when longer, the rest of the member zeroed so
// that nothing of an earlier, longer text stays behind its end.
void PonerTexto(char* destino, std::size_t room, std::string_view texto) {
  std::memset(destino, 0, room);
  std::memcpy(destino, texto.data(), std::min(texto.size(), room - 1));
}

}  // namespace

CVistaIdentificacion::CVistaIdentificacion(std::unique_ptr<CControlesIdentificacion> controles)
    : m_pagina(controles->DamePagina()) {
  PonerControles(std::move(controles));
}

CControlesIdentificacion* CVistaIdentificacion::Controles() const {
  return dynamic_cast<CControlesIdentificacion*>(DameControles());
}

int CVistaIdentificacion::DameNumeroPagina() { return IdPaginaDeNombre(DameNombrePagina()); }

int CVistaIdentificacion::Sujeto() const {
  const CRentaDoc* doc = DameDocumentoRenta();
  return doc != nullptr ? doc->DameSujetoActual() : 0;
}

bool CVistaIdentificacion::HayConyugeOHijoDocumento() const {
  const CRentaDoc* doc = DameDocumentoRenta();
  if (doc == nullptr) return false;
  const auto presentes = doc->SujetosPresentes();
  return presentes[marco::kSujetoConyuge - 1] != 0 || presentes[marco::kSujetoHijo1 - 1] != 0;
}

void CVistaIdentificacion::TrasCambio() {
  CRentaDoc* doc = DameDocumentoRenta();
  if (doc == nullptr) return;
  doc->Modify(true);
  doc->Calcular(1);
  RefrescarControles();
  doc->ActualizarVistas(marco::kPistaValores);
}

int CVistaIdentificacion::Recalcular(int numero) {
  CRentaDoc* doc = DameDocumentoRenta();
  if (doc == nullptr) return 0;
  CControlesIdentificacion* controles = Controles();
  const bool lista = numero == kPrimeraDescendientes || numero == kPrimeraAscendientes;
  if (controles != nullptr && lista && ListasEditables(Sujeto(), HayConyugeOHijoDocumento())) {
    // The list dialog worked on the copy: it is the family unit's list now. The commit that follows binds the
    // boxes again, so the copy is taken first.
    unsigned char* id = doc->Datos().Identificacion.octetos;
    if (numero == kPrimeraDescendientes) {
      std::memcpy(id + kDespDescendientes, controles->CopiaDescendientes().data(), sizeof(TablaDescendientes));
    } else {
      std::memcpy(id + kDespAscendientes, controles->CopiaAscendientes().data(), sizeof(TablaAscendientes));
    }
    doc->Modify(true);
    ConfirmarCampoActivo();
  }
  TrasCambio();
  if (controles != nullptr) controles->AvisoCampo(marco::CControlesPagina::PosicionDeNumero(numero));
  return 0;
}

int CVistaIdentificacion::CampoBorrado(int numero) {
  if (DameDocumentoRenta() == nullptr || numero < 1 || numero > NumeroCampos()) return 0;
  TrasCambio();
  return 1;
}

int CVistaIdentificacion::AplicarDependencias(int numero) {
  CRentaDoc* doc = DameDocumentoRenta();
  if (doc == nullptr) return 0;
  const SEfectoRegla efecto = ReglaIdentificacion(m_pagina, doc->Datos().Identificacion, Sujeto(), numero);
  if (!efecto.aplicada) return 0;
  if (efecto.marcaAsignacion) PonerAsignacionCambiadaTrasImprimir(true);
  for (int n : efecto.refrescar) {
    if (marco::CCampo* campo = DameCampo(marco::CControlesPagina::PosicionDeNumero(n))) campo->ActualizarTexto();
  }
  if (efecto.recalcular) {
    TrasCambio();
  } else if (!efecto.refrescar.empty()) {
    RefrescarControles();
  }
  return 0;
}

int CVistaIdentificacion::ComprobarCampo(int numero) {
  CRentaDoc* doc = DameDocumentoRenta();
  if (doc == nullptr) return 1;
  RegIdentificacion& id = doc->Datos().Identificacion;
  const int sujeto = Sujeto();
  for (const SComprobacion& c : ComprobacionesIdentificacion(m_pagina, numero, sujeto)) {
    if (doc->Validador().ValidarCampo(c.tipo, id.octetos + c.desplazamiento) == 0) {
      // The check repaired the value: the page shows what is kept.
      RefrescarControles();
      return 0;
    }
  }
  if (EfectoComprobacion(numero) != EEfectoComprobacion::Nada) ComponerCabecera();
  if (m_pagina == EPaginaIdentificacion::ORD001) {
    const std::string_view aviso = AvisoPagoFraccionado(id, sujeto, numero);
    if (!aviso.empty()) marco::CDlgMensaje().MostrarMensaje(aviso, marco::IconoExclamacion);
  }
  return 1;
}

void CVistaIdentificacion::ConfirmarCampoActivo() {
  CRentaVista::ConfirmarCampoActivo();
  ComponerCabecera();
}

void CVistaIdentificacion::ComponerCabecera() {
  CRentaDoc* doc = DameDocumentoRenta();
  if (doc == nullptr) return;
  const bool conyuge = doc->SujetosPresentes()[marco::kSujetoConyuge - 1] != 0;
  const SCabeceraIdentificacion c = CabeceraIdentificacion(doc->Datos().Identificacion, Sujeto(), conyuge);
  PonerTexto(doc->NifDeclarante(), 10, c.nif);
  PonerTexto(doc->TextoCabecera1(), 41, c.nombre);
  const std::string segunda = c.nif2.empty() && c.nombre2.empty() ? std::string() : c.nif2 + " " + c.nombre2;
  PonerTexto(doc->TextoCabecera2(), 41, segunda);
}

}  // namespace renta
