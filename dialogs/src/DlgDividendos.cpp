#include "dialogs/DlgDividendos.h"

#include <vector>

#include "framework/Utilidades.h"

namespace dialogos {

namespace {

// Control ids, field by field (holder, then the five amounts), entries 1 to 6 top to bottom.
const std::vector<int> kIds = {
    1273, 1284, 1295, 1309, 1319, 1325,  // holder
    1383, 1385, 1387, 1388, 1389, 1390,  // gross
    1391, 1392, 1393, 1394, 1395, 1416,  // to include
    1342, 1345, 1348, 1352, 1355, 1378,  // withheld
    1397, 1401, 1404, 1408, 1412, 1420,  // expenses
    1396, 1400, 1403, 1407, 1411, 1419,  // deduction
};

double Imp(const SEntradaTitular& e, int campo) { return e.importes[static_cast<std::size_t>(campo - 1)]; }

}  // namespace

CDlgDividendos::CDlgDividendos(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(kRecursoDividendos, padre, segundoParametro, kImportesDividendos, kIds,
                            kIdAyudaTitularLineas, kAyudaDividendos) {
  Plantilla() = PlantillaLineasTitulares("(C1) DIVIDENDOS Y SIMILARES", kIds,
                                         {"Titular", "\xCDntegro percibido", "Importe a computar", "Retenciones",
                                          "Gastos Adm\xF3n. \ny Dep\xF3sito", "Deducci\xF3n en cuota"},
                                         {}, true);
}

int CDlgDividendos::ComprobarEntradas() {
  static constexpr SPrueba kPruebas[] = {
      {[](const SEntradaTitular& e) { return Imp(e, kDivIntegro) == 0.0 && Imp(e, kDivComputar) != 0.0; }, "100R144",
       true, kDivComputar},
      {[](const SEntradaTitular& e) { return Imp(e, kDivComputar) < Imp(e, kDivIntegro); }, "100R145", true,
       kDivComputar},
      {[](const SEntradaTitular& e) { return Imp(e, kDivComputar) > 1.4 * Imp(e, kDivIntegro) + 100.0; }, "100R146",
       true, kDivComputar},
      {[](const SEntradaTitular& e) { return Imp(e, kDivDeduccion) > 0.4 * Imp(e, kDivIntegro) + 100.0; }, "100V144",
       true, kDivDeduccion},
      // The deduction goes with the excess of the amount to include over the gross amount.
      {[](const SEntradaTitular& e) {
         const double g = Imp(e, kDivIntegro);
         const double a = Imp(e, kDivComputar);
         const double d = Imp(e, kDivDeduccion);
         return a - g + 10.0 < d || (a > g && d == 0.0);
       },
       "100V128", false, kDivDeduccion},
      {[](const SEntradaTitular& e) { return Imp(e, kDivIntegro) != 0.0 && Imp(e, kDivRetenciones) == 0.0; },
       "100V129", false, kDivRetenciones},
      {[](const SEntradaTitular& e) {
         return Imp(e, kDivRetenciones) > marco::Redondear(0.25 * Imp(e, kDivIntegro) + 100.0);
       },
       "100V130", false, kDivRetenciones},
  };
  return ComprobarPorEntrada(kPruebas);
}

}  // namespace dialogos
