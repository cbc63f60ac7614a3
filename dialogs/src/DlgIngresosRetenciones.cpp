#include "dialogs/DlgIngresosRetenciones.h"

#include <vector>

#include "framework/Utilidades.h"

namespace dialogos {

namespace {

// Control ids of both dialogs, field by field, entries 1 to 6 top to bottom.
constexpr int kTitulares[] = {1273, 1284, 1295, 1309, 1319, 1325};
constexpr int kIngresos[] = {1358, 1361, 1364, 1369, 1374, 1376};
constexpr int kRetenciones[] = {1342, 1345, 1348, 1352, 1355, 1378};
constexpr int kGastos[] = {1343, 1346, 1349, 1353, 1356, 1379};

std::vector<int> Ids(bool conGastos) {
  std::vector<int> ids;
  ids.insert(ids.end(), std::begin(kTitulares), std::end(kTitulares));
  ids.insert(ids.end(), std::begin(kIngresos), std::end(kIngresos));
  ids.insert(ids.end(), std::begin(kRetenciones), std::end(kRetenciones));
  if (conGastos) ids.insert(ids.end(), std::begin(kGastos), std::end(kGastos));
  return ids;
}

double Ingresos(const SEntradaTitular& e) { return e.importes[kIrIngresos - 1]; }
double Retenciones(const SEntradaTitular& e) { return e.importes[kIrRetenciones - 1]; }

constexpr std::string_view kGastosAdministracion = "Gastos Adm\xF3n. y\nDep\xF3sito";
constexpr std::string_view kGastosDeducibles = "Gastos\nDeducibles";
constexpr std::string_view kNotaGastos =
    "Solo puede haber gastos fiscalmente deducibles cuando los rendimientos deriven de la prestaci\xF3n de asistencia "
    "t\xE9"
    "cnica, del arrendamiento de bienes muebles, negocios o minas o de subarrendamientos";

}  // namespace

// ---- life insurance and capitalisation ----

CDlgSegurosVida::CDlgSegurosVida(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(kRecursoSegurosVida, padre, segundoParametro, kImportesSegurosVida, Ids(false),
                            kIdAyudaTitularLineas, 0) {
  Plantilla() = PlantillaLineasTitulares("(C1) RDTOS. DE SEG.DE VIDA O INVALID. Y OP. DE CAPITALIZ.", Ids(false),
                                         {"Titular", "Ingresos", "Retenciones"}, {}, false);
}

int CDlgSegurosVida::ComprobarEntradas() {
  static constexpr SPrueba kVariante1[] = {
      {[](const SEntradaTitular& e) { return Retenciones(e) > marco::Redondear(0.18 * Ingresos(e) + 100.0); },
       "100V130", false, kIrRetenciones},
  };
  // Two passes over all entries: the withholding first, then a withholding on a negative income.
  static constexpr SPrueba kVariante2[] = {
      {[](const SEntradaTitular& e) {
         return Retenciones(e) != 0.0 && Retenciones(e) > marco::Redondear(0.25 * Ingresos(e) + 100.0);
       },
       "100V130", false, kIrRetenciones},
      {[](const SEntradaTitular& e) { return Ingresos(e) < 0.0 && Retenciones(e) > 0.0; }, "100R156", true,
       kIrRetenciones},
  };
  switch (Variante()) {
    case 1: return ComprobarPorEntrada(kVariante1);
    case 2: return ComprobarPorPrueba(kVariante2);
    default: return 1;
  }
}

// ---- lending of own capital ----

CDlgCesionCapitales::CDlgCesionCapitales(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(kRecursoCesionCapitales, padre, segundoParametro, kImportesCesionCapitales, Ids(true),
                            kIdAyudaTitularLineas, 0) {
  Plantilla() =
      PlantillaLineasTitulares("(C1) OTROS RDTOS.DERIVADOS DE CESI\xD3N A TERCEROS DE CAPITALES", Ids(true),
                               {"Titular", "Ingresos", "Retenciones", kGastosAdministracion}, kNotaGastos, false,
                               kIdCabeceraGastos);
}

void CDlgCesionCapitales::AlAbrir() {
  if (Variante() == 1) PonerTextoControl(kIdNotaGastos, "");
  if (Variante() == 2) PonerTextoControl(kIdCabeceraGastos, kGastosDeducibles);
}

int CDlgCesionCapitales::ComprobarEntradas() {
  static constexpr SPrueba kVariante1[] = {
      {[](const SEntradaTitular& e) {
         return Retenciones(e) != 0.0 && Retenciones(e) > marco::Redondear(0.3 * Ingresos(e));
       },
       "100V130", false, kIrRetenciones},
  };
  static constexpr SPrueba kVariante2[] = {
      {[](const SEntradaTitular& e) { return Retenciones(e) > marco::Redondear(0.25 * Ingresos(e) + 100.0); },
       "100V130", false, kIrRetenciones},
  };
  switch (Variante()) {
    case 1: return ComprobarPorEntrada(kVariante1);
    case 2: return ComprobarPorEntrada(kVariante2);
    default: return 1;
  }
}

}  // namespace dialogos
