#include "dialogs/DlgReduccionesTransitorias.h"

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "framework/DlgMensaje.h"
#include "dialogs/DatosPersonas.h"
#include "framework/DocumentoServicios.h"
#include "framework/Mensajes.h"
#include "framework/Utilidades.h"
#include "income/RentaDoc.h"

namespace dialogos {

namespace {

const std::vector<int> kIds = {1273, 1284, 1295, 1309, 1319, 1325, 1199, 1206, 1214, 1220, 1224, 1228};
constexpr SFormaBloque kForma{6, 1, 16, 0, false};
constexpr int kContexto = 1;

// Where the per-person figures lie in the movable-capital block: kind 1 (no total) and kind 2 (total first).
constexpr std::size_t kFiguras1 = 1248;
constexpr std::size_t kTotal2 = 744;
constexpr std::size_t kFiguras2 = 752;

double LeerDoble(const RegRendCapMobiliario& c, std::size_t desp) {
  double v = 0.0;
  std::memcpy(&v, c.octetos + desp, sizeof v);
  return std::isfinite(v) ? v : 0.0;
}

// A failed rule: the message; true when the user chose to correct.
bool Corregir(std::string_view codigo) {
  return marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoAsterisco) == marco::kBotonCorregir;
}

}  // namespace

CDlgReduccionesTransitorias::CDlgReduccionesTransitorias(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(kRecursoReduccionesTransitorias, padre, segundoParametro, kForma, kIds,
                            kIdAyudaTitularLineas, kContexto) {
  Plantilla() = PlantillaLineasTitulares("(C1) REDUCCIONES DISPOSICI\xD3N TRANSITORIA LEY 40/1998", kIds,
                                         {"Titular", "Importe"}, {}, true);
  PonerVaciarAyuda(false);
}

int CDlgReduccionesTransitorias::ComprobarEntradas() {
  const int p = Variante();
  if (p != 1 && p != 2) return 1;
  // The amounts per person: a common entry half the declarant's, half the spouse's.
  double total = 0.0;
  std::array<double, 6> porTitular{};
  for (int e = 0; e < Forma().entradas; ++e) {
    const double importe = Importe(e, 1);
    total += importe;
    const std::uint8_t titular = TitularDeEntrada(e);
    if (titular >= 1 && titular <= 5) porTitular[titular] += importe;
  }
  const std::array<double, 4> personas = {porTitular[2] + porTitular[1] * 0.5, porTitular[3] + porTitular[1] * 0.5,
                                          porTitular[4], porTitular[5]};
  std::array<double, 4> cifras{};
  const std::size_t inicio = p == 1 ? kFiguras1 : kFiguras2;
  for (std::size_t i = 0; i < cifras.size(); ++i) cifras[i] = LeerDoble(m_capital, inicio + 8 * i);

  if (p == 1) {
    for (std::size_t i = 0; i < personas.size(); ++i) {
      const double a = personas[i];
      const double v = cifras[i];
      const bool falla = (v > 0.0 && a > marco::Redondear(v * 0.7 + 10.0)) || (a > 0.0 && v <= 0.0) ||
                         (a < 0.0 && v > 0.0);
      if (falla) return Corregir("100V137") ? 0 : 1;
    }
    return 1;
  }

  const double cifraTotal = LeerDoble(m_capital, kTotal2);
  bool falla = total > 0.0 && cifraTotal <= 0.0;
  for (std::size_t i = 0; i < personas.size() && !falla; ++i) falla = personas[i] > 0.0 && cifras[i] <= 0.0;
  if (falla && Corregir("100V145")) return 0;
  falla = cifraTotal > 0.0 && cifraTotal < total;
  for (std::size_t i = 0; i < personas.size() && !falla; ++i) falla = cifras[i] > 0.0 && cifras[i] < personas[i];
  if (falla && Corregir("100V145")) return 0;
  return 1;
}

void RegistrarDlgReduccionesTransitorias() {
  marco::RegistrarDialogoDetalle(kVentanaReduccionesTransitorias, kForma.TamanoBloque(), [](marco::SPeticionDetalle& p) {
    // The amounts are checked against the declaration's movable-capital figures: without it, nothing opens.
    const DatosRenta* datos = DatosRentaAbierta();
    if (datos == nullptr) return marco::kDialogoCancelado;
    CDlgReduccionesTransitorias dlg(p.padre, p.segundoParametro);
    if (!dlg.Recibir(p.bloque)) return marco::kDialogoCancelado;
    dlg.m_capital = datos->RendCapMobiliario;
    marco::PrepararDialogoDetalle(dlg, p);
    dlg.PonerVariante(p.primerParametro);
    const int resultado = dlg.DoModal();
    if (resultado == marco::kDialogoAceptado) dlg.Devolver(p.bloque);
    return resultado;
  });
}

}  // namespace dialogos
