#include "dialogs/Dlg714.h"

#include <wx/app.h>
#include <wx/textctrl.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>

#include "framework/DialogoPlantilla.h"
#include "framework/DlgMensaje.h"
#include "framework/Mensajes.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

// "999.999.999.999" and a sign.
constexpr int kLongitudImporte = 16;

// An amount edit bound to a double of the working copy: whole pesetas of at most twelve digits, a minus sign only
// where the field takes one. A text that is not such an amount changes nothing.
void EnlazarImporte714(marco::CDialogoBase& dlg, int id, double* valor, bool negativo) {
  marco::SEnlaceControl enlace;
  enlace.mostrar = [valor] { return marco::TextoImporteDialogo(*valor, 0, false); };
  enlace.guardar = [valor, negativo](std::string_view texto) {
    double leido = 0.0;
    if (!marco::LeerImporteDialogo(texto, leido)) return false;
    if (!std::isfinite(leido) || std::fabs(leido) > kImporteMaximo714 || std::trunc(leido) != leido ||
        (leido < 0.0 && !negativo)) {
      return false;
    }
    *valor = leido == 0.0 ? 0.0 : leido;
    return true;
  };
  enlace.maximo = kImporteMaximo714;
  dlg.Enlazar(id, std::move(enlace));
}

// The field's whole text, not empty, is selected.
bool TodoSeleccionado(const wxTextCtrl& campo) {
  long desde = 0;
  long hasta = 0;
  campo.GetSelection(&desde, &hasta);
  return desde == 0 && hasta > 0 && hasta == campo.GetLastPosition();
}

// The caret after the field's last character, nothing selected.
void AlFinalSinSeleccion(wxTextCtrl& campo) {
  const long fin = campo.GetLastPosition();
  campo.SetSelection(fin, fin);
  campo.SetInsertionPoint(fin);
}

void Error(std::string_view codigo, std::string_view extra = {}) {
  marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoMano, extra);
}

}  // namespace

// ---- the joint limit with the income-tax quota ----

CDlgLimiteCuota::CDlgLimiteCuota(wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(kRecursoLimiteCuota, padre, segundoParametro) {
  marco::CPlantillaDialogo p(300, 206, "LIMITE DE CUOTA INTEGRA");
  p.Estatico(-1, "Tipo de tributaci\xF3n en el I.R.P.F.:", {8, 8, 130, 10});
  p.Opcion(kIdIndividual, "Individual", {140, 7, 60, 12}, true);
  p.Opcion(kIdConjunta, "Conjunta", {206, 7, 60, 12});

  constexpr int kXEtiqueta = 14;
  constexpr int kXImporte = 214;
  constexpr int kAnchoImporte = 76;
  const auto fila = [&](int y, int id, const char* texto) {
    p.Estatico(-1, texto, {kXEtiqueta, y + 2, kXImporte - kXEtiqueta - 4, 18});
    p.Importe(id, {kXImporte, y, kAnchoImporte, 12}, kLongitudImporte);
  };
  p.Marco("Declarante", {4, 24, 292, 70});
  fila(36, kIdBaseDeclarante, "Base imponible IRPF: ");
  fila(54, kIdCuotaDeclarante, "Cuota \xEDntegra IRPF:");
  fila(72, kIdImproductivosDeclarante, "Valor neto de los elementos patrimoniales improductivos:");
  p.Marco("C\xF3nyuge", {4, 98, 292, 70});
  fila(110, kIdBaseConyuge, "Base imponible (casilla 25)");
  fila(128, kIdCuotaConyuge, "Cuota \xEDntegra (casilla 28)");
  fila(146, kIdImproductivosConyuge, "Valor neto de los elementos patrimoniales improductivos:");
  p.Aceptar({108, 180, 60, 18}).Cancelar({172, 180, 60, 18}).Ayuda({236, 180, 60, 18});
  Plantilla() = p;
}

int CDlgLimiteCuota::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  EnlazarImporte714(*this, kIdBaseDeclarante, &m_copia.baseDeclarante, true);
  EnlazarImporte714(*this, kIdCuotaDeclarante, &m_copia.cuotaDeclarante, false);
  EnlazarImporte714(*this, kIdImproductivosDeclarante, &m_copia.improductivosDeclarante, false);
  EnlazarImporte714(*this, kIdBaseConyuge, &m_copia.baseConyuge, true);
  EnlazarImporte714(*this, kIdCuotaConyuge, &m_copia.cuotaConyuge, false);
  EnlazarImporte714(*this, kIdImproductivosConyuge, &m_copia.improductivosConyuge, false);
  m_bConjunta = !(m_copia.clase == 'I' || m_copia.clase == 0);
  AplicarTributacion();
  MarcarOpciones();
  marco::ActualizarDatosHijos(*this, 0);
  return 1;
}

void CDlgLimiteCuota::AplicarTributacion() {
  // A locked view keeps every edit shut.
  const bool abrir = m_bConjunta && !Bloqueado();
  for (const int id : {kIdBaseConyuge, kIdCuotaConyuge, kIdImproductivosConyuge}) HabilitarControl(id, abrir);
  if (!m_bConjunta) {
    m_copia.baseConyuge = 0.0;
    m_copia.cuotaConyuge = 0.0;
    m_copia.improductivosConyuge = 0.0;
  }
}

void CDlgLimiteCuota::MarcarOpciones() { MarcarControl(m_bConjunta ? kIdConjunta : kIdIndividual, true); }

int CDlgLimiteCuota::AlComando(int id, int) {
  if (id == marco::kIdBotonAyuda) {
    if (Ventana() != nullptr) Ventana()->MostrarAyuda(kAyudaLimiteCuota);
    return 1;
  }
  if (id != kIdIndividual && id != kIdConjunta) return 0;
  // What was typed so far stays; the spouse's amounts go when the choice is individual.
  marco::ActualizarDatosHijos(*this, 1);
  m_bConjunta = id == kIdConjunta;
  AplicarTributacion();
  MarcarOpciones();
  marco::ActualizarDatosHijos(*this, 0);
  return 1;
}

bool CDlgLimiteCuota::Comprobar() {
  if (m_copia.cuotaConyuge > m_copia.baseConyuge && m_copia.cuotaConyuge != 0.0) {
    Error("100P003", kTextoImproductivos);
    PonerFoco(kIdCuotaConyuge);
    return false;
  }
  if (m_copia.improductivosDeclarante > m_comparacion) {
    Error("100P103", kTextoImproductivos);
    PonerFoco(kIdImproductivosDeclarante);
    return false;
  }
  return true;
}

void CDlgLimiteCuota::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (!m_bConjunta) AplicarTributacion();
  if (!Comprobar()) return;
  if (Bloqueado()) {
    CTemplateDlg::OnOK();  // ends as Cancel: nothing goes back
    return;
  }
  m_copia.clase = m_bConjunta ? 'C' : 'I';
  m_recibido = m_copia;
  CTemplateDlg::OnOK();
}

// ---- taxes paid abroad ----

CDlgImpuestosExtranjero::CDlgImpuestosExtranjero(wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(kRecursoImpuestosExtranjero, padre, segundoParametro) {
  marco::CPlantillaDialogo p(300, 214, "IMPUESTOS SATISFECHOS EN EL EXTRANJERO");
  constexpr int kAltoElemento = 58;
  for (int e = 0; e < 3; ++e) {
    const int y = 6 + kAltoElemento * e;
    const char* const titulos[] = {"ELEMENTO PATRIMONIAL 1", "ELEMENTO PATRIMONIAL 2", "ELEMENTO PATRIMONIAL 3"};
    p.Marco(titulos[e], {4, y, 292, kAltoElemento - 4});
    p.Estatico(-1, "Importe efectivo satisfecho en el extranjero", {12, y + 14, 196, 10});
    p.Importe(kIdSatisfecho[e], {214, y + 12, 76, 12}, kLongitudImporte);
    p.Estatico(-1, "Valor neto de los bienes gravados en el extranjero", {12, y + 32, 196, 10});
    p.Importe(kIdGravado[e], {214, y + 30, 76, 12}, kLongitudImporte);
  }
  p.Aceptar({108, 188, 60, 18}).Cancelar({172, 188, 60, 18}).Ayuda({236, 188, 60, 18});
  Plantilla() = p;
}

int CDlgImpuestosExtranjero::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  for (std::size_t e = 0; e < m_copia.size(); ++e) {
    EnlazarImporte714(*this, kIdSatisfecho[e], &m_copia[e].satisfecho, false);
    EnlazarImporte714(*this, kIdGravado[e], &m_copia[e].gravado, false);
  }
  marco::ActualizarDatosHijos(*this, 0);
  return 1;
}

int CDlgImpuestosExtranjero::AlComando(int id, int) {
  if (id != marco::kIdBotonAyuda) return 0;
  if (Ventana() != nullptr) Ventana()->MostrarAyuda(kAyudaImpuestosExtranjero);
  return 1;
}

bool CDlgImpuestosExtranjero::Comprobar() {
  // Each net value alone, the last element first, then their sum; the focus goes to the value to correct.
  for (int e = 2; e >= 0; --e) {
    if (m_copia[static_cast<std::size_t>(e)].gravado > m_comparacion) {
      Error("100P001");
      PonerFoco(kIdGravado[e]);
      return false;
    }
  }
  const double suma = m_copia[0].gravado + m_copia[1].gravado + m_copia[2].gravado;
  if (suma > m_comparacion) {
    Error("100P001");
    PonerFoco(kIdGravado[0]);
    return false;
  }
  return true;
}

void CDlgImpuestosExtranjero::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (!Comprobar()) return;
  if (!Bloqueado()) m_recibido = m_copia;
  CTemplateDlg::OnOK();
}

// ---- the name dialog ----

CDlgNombreApellidos::CDlgNombreApellidos(wxWindow* padre) : CTemplateDlg(kRecursoNombreApellidos, padre) {
  // Surnames first, as the boxes that open the dialog read ("Apellidos y nombre").
  marco::CPlantillaDialogo p(220, 74, "Nombre y apellidos");
  p.Estatico(-1, "Apellidos", {8, 10, 56, 10});
  p.Edicion(kIdApellidos, {66, 8, 146, 12}, 0, sizeof(m_copia.apellidos) - 1);
  p.Estatico(-1, "Nombre", {8, 28, 56, 10});
  p.Edicion(kIdNombre, {66, 26, 80, 12}, 0, sizeof(m_copia.nombre) - 1);
  p.Aceptar({88, 50, 60, 18}).Cancelar({152, 50, 60, 18});
  Plantilla() = p;
}

CDlgNombreApellidos::~CDlgNombreApellidos() { *m_pVivo = false; }

int CDlgNombreApellidos::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  HabilitarControl(kIdNombre, true);
  HabilitarControl(kIdApellidos, true);
  // The fields are read up to their width even when a stored terminator is missing.
  EnlazarTexto(kIdNombre, m_copia.nombre, sizeof(m_copia.nombre) - 1);
  EnlazarTexto(kIdApellidos, m_copia.apellidos, sizeof(m_copia.apellidos) - 1);
  marco::ActualizarDatosHijos(*this, 0);
  if (m_nPrimerCaracter != 0) {
    // Typed over the surnames, the first field, as typing into a field whose text is selected does; the typing
    // goes on after it.
    PonerTextoControl(kIdApellidos, std::string(1, static_cast<char>(m_nPrimerCaracter)));
    SeguirTrasPrimerCaracter();
  }
  return 1;
}

void CDlgNombreApellidos::SeguirTrasPrimerCaracter() {
  auto* ventana = dynamic_cast<wxWindow*>(Ventana());
  wxWeakRef<wxTextCtrl> campo(ventana != nullptr ? dynamic_cast<wxTextCtrl*>(ventana->FindWindow(kIdApellidos))
                                                 : nullptr);
  if (!campo) return;
  m_bCaretAlFinal = true;
  AlFinalSinSeleccion(*campo);
  // The toolkit selects a field's whole text when it gives it the focus, which may come after the keys typed on
  // are already waiting: until the first key, a key that finds the whole text selected first puts the caret at the
  // end, so that it goes after the first character instead of replacing it.
  m_pPendiente = std::make_shared<bool>(true);
  campo->Bind(wxEVT_KEY_DOWN, [pendiente = m_pPendiente, campo](wxKeyEvent& evento) {
    evento.Skip();
    if (!*pendiente || !campo) return;
    *pendiente = false;
    if (TodoSeleccionado(*campo)) AlFinalSinSeleccion(*campo);
  });
}

int CDlgNombreApellidos::AlEntrarEnCampo(int id) {
  if (id != kIdApellidos || !m_bCaretAlFinal) return CTemplateDlg::AlEntrarEnCampo(id);
  m_bCaretAlFinal = false;
  // The field has the focus: the caret goes to its end now, and again once the toolkit is done giving it the
  // focus, unless a key came first.
  auto* ventana = dynamic_cast<wxWindow*>(Ventana());
  if (ventana == nullptr) return 0;
  wxWeakRef<wxTextCtrl> campo(dynamic_cast<wxTextCtrl*>(ventana->FindWindow(kIdApellidos)));
  if (!campo) return 0;
  if (TodoSeleccionado(*campo)) AlFinalSinSeleccion(*campo);
  if (wxTheApp == nullptr) return 0;
  const std::weak_ptr<bool> vivo = m_pVivo;
  wxTheApp->CallAfter([vivo, campo, pendiente = m_pPendiente] {
    if (vivo.expired() || !*vivo.lock() || !campo || (pendiente && !*pendiente)) return;
    if (TodoSeleccionado(*campo)) AlFinalSinSeleccion(*campo);
  });
  return 0;
}

void CDlgNombreApellidos::OnOK() {
  // Blank-padded to their lengths, each field keeps its terminator.
  marco::ActualizarDatosHijos(*this, 1);
  m_copia.apellidos[sizeof(m_copia.apellidos) - 1] = '\0';
  m_copia.nombre[sizeof(m_copia.nombre) - 1] = '\0';
  if (!Bloqueado()) m_recibido = m_copia;
  CTemplateDlg::OnOK();
}

}  // namespace dialogos
