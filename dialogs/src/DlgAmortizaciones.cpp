#include "dialogs/DlgAmortizaciones.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "framework/DlgMensaje.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"

namespace dialogos {

namespace {

constexpr std::string_view kMensajeSinIngresos = "100V197";

struct SImporte {
  int id;
  std::size_t desplazamiento;
};
constexpr std::array<SImporte, 5> kImportes = {{
    {kIdAmortPropias, FilaAmortizaciones::Propias},
    {kIdAmortArrendadas, FilaAmortizaciones::Arrendadas},
    {kIdAmortAvicultura, FilaAmortizaciones::Avicultura},
    {kIdAmortGanaderas, FilaAmortizaciones::Ganaderas},
    {kIdAmortAccesorias, FilaAmortizaciones::Accesorias},
}};

double Leer(const std::array<unsigned char, kLargoFilaAmortizaciones>& fila, std::size_t desp) {
  double v = 0.0;
  std::memcpy(&v, fila.data() + desp, sizeof v);
  return std::isfinite(v) ? v : 0.0;
}

bool TodosCero(const std::array<unsigned char, kLargoFilaAmortizaciones>& fila,
               std::initializer_list<std::size_t> desplazamientos) {
  for (const std::size_t d : desplazamientos) {
    if (Leer(fila, d) != 0.0) return false;
  }
  return true;
}

}  // namespace

CDlgAmortizaciones::CDlgAmortizaciones(wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlg(kRecursoAmortizaciones, padre, segundoParametro) {
  constexpr int kAncho = 300;
  constexpr int kXCampo = kAncho - 8 - 64;
  marco::CPlantillaDialogo p(kAncho, 170, "AMORTIZACIONES");
  p.Estatico(-1, "Elementos utilizados en actividades agr\xED" "colas:", {8, 8, 220, 10});
  p.Estatico(-1, ". en Tierras Propias...........................", {16, 22, kXCampo - 20, 10});
  p.Importe(kIdAmortPropias, {kXCampo, 20, 64, 12}, 7);
  p.Estatico(-1, ". en Tierras Arrendadas.....................", {16, 38, kXCampo - 20, 10});
  p.Importe(kIdAmortArrendadas, {kXCampo, 36, 64, 12}, 7);
  p.Estatico(-1, "Elementos utilizados en actividades ganaderas:", {8, 56, 220, 10});
  p.Estatico(-1, ". avicultura y explotaci\xF3n intensiva de \n  porcino de carne...........................",
             {16, 68, kXCampo - 20, 20});
  p.Importe(kIdAmortAvicultura, {kXCampo, 72, 64, 12}, 7);
  p.Estatico(-1, ". otras actividades ganaderas...........", {16, 92, kXCampo - 20, 10});
  p.Importe(kIdAmortGanaderas, {kXCampo, 90, 64, 12}, 7);
  p.Estatico(-1,
             "Elementos utilizados en otros trabajos y servicios accesorios................................",
             {8, 110, kXCampo - 12, 20});
  p.Importe(kIdAmortAccesorias, {kXCampo, 112, 64, 12}, 7);
  p.Aceptar({kAncho - 2 * 64 - 8, 144, 60, 18}).Cancelar({kAncho - 64 - 8, 144, 60, 18});
  Plantilla() = p;
}

bool CDlgAmortizaciones::Enlazado(int id) const {
  const unsigned char uso = m_fila[FilaAmortizaciones::Uso];
  switch (id) {
    case kIdAmortPropias:
    case kIdAmortArrendadas: return uso != '1';
    case kIdAmortAccesorias: return uso != '1' && uso != '2';
    case kIdAmortAvicultura:
    case kIdAmortGanaderas: return true;
    default: return false;
  }
}

int CDlgAmortizaciones::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  const unsigned char clase = m_fila[FilaAmortizaciones::Clase];
  for (std::size_t i = 0; i < kImportes.size(); ++i) {
    const SImporte& imp = kImportes[i];
    m_importes[i] = Leer(m_fila, imp.desplazamiento);
    bool habilitar = Enlazado(imp.id);
    if (habilitar) EnlazarImporte(imp.id, &m_importes[i], 0);
    // An unbound box stays disabled: it has no value to edit.
    if (imp.id == kIdAmortAccesorias) habilitar = habilitar && clase == '1';
    if (imp.id == kIdAmortArrendadas) habilitar = habilitar && (clase == '1' || clase == '5');
    HabilitarControl(imp.id, habilitar);
  }
  marco::ActualizarDatosHijos(*this, 0);
  if (Bloqueado()) HabilitarEdiciones(0);
  return 1;
}

bool CDlgAmortizaciones::FaltanIngresos(const std::array<unsigned char, kLargoFilaAmortizaciones>& f) {
  using namespace FilaAmortizaciones;
  if (Leer(f, Arrendadas) != 0.0 &&
      TodosCero(f, {416, 440, 464, 816, 840, 864, 1112, 1136, 1160, 1408, 1432, 1456})) {
    return true;
  }
  if (Leer(f, Avicultura) != 0.0 && TodosCero(f, {112, 136, 160, 184})) return true;
  if (Leer(f, Ganaderas) != 0.0 &&
      TodosCero(f, {64, 88, 528, 552, 928, 952, 976, 1224, 1248, 1272, 1624, 1648, 1672})) {
    return true;
  }
  return Leer(f, Accesorias) != 0.0 && TodosCero(f, {1624, 1648, 1672, 1728, 1752, 1776});
}

void CDlgAmortizaciones::OnOK() {
  if (!Bloqueado()) {
    ActualizarDatos(1);
    for (std::size_t i = 0; i < kImportes.size(); ++i) {
      if (!Enlazado(kImportes[i].id)) continue;
      std::memcpy(m_fila.data() + kImportes[i].desplazamiento, &m_importes[i], sizeof(double));
    }
    if (FaltanIngresos(m_fila) &&
        marco::CDlgMensaje().MostrarMensaje(kMensajeSinIngresos, marco::IconoAsterisco) == marco::kBotonCorregir) {
      return;
    }
  }
  CTemplateDlg::OnOK();
}

void RegistrarDlgAmortizaciones() {
  marco::RegistrarDialogoDetalle(kVentanaAmortizaciones, kLargoFilaAmortizaciones, [](marco::SPeticionDetalle& p) {
    if (p.bloque.size() != kLargoFilaAmortizaciones) return marco::kDialogoCancelado;
    CDlgAmortizaciones dlg(p.padre, p.segundoParametro);
    std::memcpy(dlg.m_fila.data(), p.bloque.data(), kLargoFilaAmortizaciones);
    marco::PrepararDialogoDetalle(dlg, p);
    const int resultado = dlg.DoModal();
    if (resultado == marco::kDialogoAceptado) std::memcpy(p.bloque.data(), dlg.m_fila.data(), kLargoFilaAmortizaciones);
    return resultado;
  });
}

}  // namespace dialogos
