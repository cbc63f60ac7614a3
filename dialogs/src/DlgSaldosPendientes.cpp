#include "dialogs/DlgSaldosPendientes.h"

#include <utility>

#include "framework/EditDetalleDialogos.h"

namespace dialogos {

namespace {

// ---- layout (dialog units) ----
constexpr int kXEtiqueta = 6;
constexpr int kAnchoEtiqueta = 150;
constexpr int kAnchoColumna = 66;
constexpr int kYTitulares = 8;
constexpr int kAltoLinea = 15;

int XColumna(int columna) { return kXEtiqueta + kAnchoEtiqueta + 4 + kAnchoColumna * columna; }

marco::CPlantillaDialogo Plantilla(std::string_view titulo, const std::vector<int>& ids,
                                   std::span<const CDlgSaldos::SLineaSaldos> lineas, int idAyuda) {
  const int ancho = XColumna(kEntradasSaldos) + kXEtiqueta;
  const int yPrimera = kYTitulares + kAltoLinea + 4;
  const int yAyuda = yPrimera + kAltoLinea * static_cast<int>(lineas.size()) + 4;
  const int yBotones = yAyuda + 24;
  marco::CPlantillaDialogo p(ancho, yBotones + 24, titulo);
  p.Estatico(-1, "Titular", {kXEtiqueta, kYTitulares + 2, kAnchoEtiqueta, 10});
  for (int e = 0; e < kEntradasSaldos; ++e) {
    p.Edicion(ids[static_cast<std::size_t>(e)], {XColumna(e), kYTitulares, 24, 12}, marco::kEdicionMayusculas, 1);
  }
  for (std::size_t l = 0; l < lineas.size(); ++l) {
    const int y = yPrimera + kAltoLinea * static_cast<int>(l);
    p.Estatico(-1, lineas[l].texto, {kXEtiqueta, y + 2, kAnchoEtiqueta, 10});
    if (lineas[l].fila <= 0) continue;
    for (int e = 0; e < kEntradasSaldos; ++e) {
      const std::size_t i = static_cast<std::size_t>(lineas[l].fila * kEntradasSaldos + e);
      if (i < ids.size()) p.Importe(ids[i], {XColumna(e), y, kAnchoColumna - 4, 12}, 13);
    }
  }
  p.Estatico(idAyuda, "", {kXEtiqueta, yAyuda, ancho - 2 * kXEtiqueta, 18});
  p.Aceptar({ancho - 2 * 64 - kXEtiqueta, yBotones, 60, 18}).Cancelar({ancho - 64 - kXEtiqueta, yBotones, 60, 18});
  return p;
}

constexpr std::string_view kFormacion = "- Formaci\xF3n profesional ...";
constexpr std::string_view kExportadoras = "- Actividades exportadoras ...";
constexpr std::string_view kOtras = "- Otras deducciones ...";

constexpr CDlgSaldos::SLineaSaldos kLineas1994[] = {
    {"Saldos pendientes de 1994:", 0}, {"* Hasta el 7-7-94:", 0}, {kFormacion, 1}, {kExportadoras, 2},
    {kOtras, 3},                      {"* Desde el 8-7-94:", 0}, {kFormacion, 4}, {kExportadoras, 5},
    {kOtras, 6}};
constexpr CDlgSaldos::SLineaSaldos kLineasCartuja[] = {{"Deducci\xF3n pendiente 1995", 1},
                                                       {"Deducci\xF3n pendiente 1996", 2},
                                                       {"Deducci\xF3n pendiente 1997", 3},
                                                       {"Deducci\xF3n pendiente 1998", 4}};
constexpr CDlgSaldos::SLineaSaldos kLineas9798[] = {{"Deducci\xF3n pendiente 1997", 1},
                                                    {"Deducci\xF3n pendiente 1998", 2}};
constexpr CDlgSaldos::SLineaSaldos kLineasPendientes[] = {{kFormacion, 1}, {kExportadoras, 2}, {kOtras, 3}};

}  // namespace

CDlgSaldos::CDlgSaldos(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, std::string_view titulo,
                       int importes, std::vector<int> ids, std::span<const SLineaSaldos> lineas)
    : CDlgImportesTitulares(idRecurso, padre, segundoParametro, FormaSaldos(importes), ids, kIdAyudaTitularLineas,
                            0) {
  Plantilla() = dialogos::Plantilla(titulo, ids, lineas, kIdAyudaTitularLineas);
  PonerRefrescarAlSalir(true);
}

CDlgSaldos1994::CDlgSaldos1994(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgSaldos(118, padre, segundoParametro, "SALDOS PENDIENTES DE 1994", kImportesSaldos1994,
                 {1273, 1284, 1199, 1206, 1214, 1220, 1224, 1228, 1242, 1251, 1263, 1280, 1304, 1229}, kLineas1994) {}

CDlgSaldosCartuja::CDlgSaldosCartuja(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgSaldos(232, padre, segundoParametro, "SALDOS PENDIENTES DE 1995 A 1998 (CARTUJA)", kImportesSaldosCartuja,
                 {1779, 1780, 1771, 1772, 1773, 1774, 1775, 1776, 1777, 1778}, kLineasCartuja) {}

CDlgSaldos9798::CDlgSaldos9798(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgSaldos(246, padre, segundoParametro, "SALDOS PENDIENTES DE 1997 Y 1998", kImportesSaldos9798,
                 {1779, 1780, 1775, 1776, 1777, 1778}, kLineas9798) {}

CDlgSaldosPendientes::CDlgSaldosPendientes(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgSaldos(117, padre, segundoParametro, "SALDOS PENDIENTES DE DEDUCCIONES", kImportesSaldosPendientes,
                 {1273, 1284, 1199, 1206, 1214, 1220, 1224, 1228}, kLineasPendientes) {}

void RegistrarDlgSaldosPendientes() {
  RegistrarRejilla<CDlgSaldos1994>(kVentanaSaldos1994, TamanoBloqueSaldos(kImportesSaldos1994),
                                   EAjusteRejilla::kNinguno);
  RegistrarRejilla<CDlgSaldosCartuja>(kVentanaSaldosCartuja, TamanoBloqueSaldos(kImportesSaldosCartuja),
                                      EAjusteRejilla::kNinguno);
  RegistrarRejilla<CDlgSaldos9798>(kVentanaSaldos9798, TamanoBloqueSaldos(kImportesSaldos9798),
                                   EAjusteRejilla::kNinguno);
  RegistrarRejilla<CDlgSaldosPendientes>(kVentanaSaldosPendientes, TamanoBloqueSaldos(kImportesSaldosPendientes),
                                         EAjusteRejilla::kNinguno);
}

}  // namespace dialogos
