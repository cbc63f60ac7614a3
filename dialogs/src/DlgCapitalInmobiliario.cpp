#include "dialogs/DlgCapitalInmobiliario.h"

#include <vector>

#include "framework/Utilidades.h"

namespace dialogos {

namespace {

// Control ids, field by field (holder, then the eight amounts), entries 1 to 6 left to right.
const std::vector<int> kIds = {
    1175, 1176, 1177, 1178, 1179, 1180,  // holder
    1181, 1182, 1183, 1184, 1185, 1186,  // income
    1187, 1188, 1189, 1190, 1191, 1192,  // sublease share
    1021, 1824, 1194, 1203, 1209, 1217,  // interest
    1026, 1829, 1199, 1214, 1215, 1222,  // depreciation
    1027, 1830, 1201, 1223, 1224, 1225,  // tax compensation
    1028, 1831, 1200, 1226, 1227, 1228,  // other expenses
    1029, 1832, 1202, 1229, 1230, 1231,  // irregular reduction
    1030, 1833, 1204, 1232, 1233, 1234,  // withheld
};

double Imp(const SEntradaTitular& e, int campo) { return e.importes[static_cast<std::size_t>(campo - 1)]; }
// Income plus the share of a sublease price.
double Ingresos(const SEntradaTitular& e) { return Imp(e, kInmIngresos) + Imp(e, kInmSubarriendo); }
double Neto(const SEntradaTitular& e) {
  return Ingresos(e) - Imp(e, kInmIntereses) - Imp(e, kInmAmortizacion) - Imp(e, kInmCompensacion) -
         Imp(e, kInmOtrosGastos);
}

// ---- layout (dialog units) ----
constexpr int kXRejilla = 118;
constexpr int kAnchoCelda = 46;
constexpr int kAltoCelda = 12;
// Rows of different heights: the labels beside them take up to four lines.
constexpr int kAltoFila[] = {16, 34, 26, 18, 12, 26, 12, 18, 14};
constexpr int kYRejilla = 8;

int YFila(int fila) {
  int y = kYRejilla;
  for (int f = 0; f < fila; ++f) y += kAltoFila[f];
  // Room above the expense rows for their frame's heading.
  return fila >= kInmIntereses ? y + 10 : y;
}

}  // namespace

CDlgCapitalInmobiliario::CDlgCapitalInmobiliario(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(kRecursoCapitalInmobiliario, padre, segundoParametro, kImportesInmobiliario, kIds,
                            marco::kIdAyudaTitular, kAyudaCapitalInmobiliario) {
  constexpr int kAncho = kXRejilla + kAnchoCelda * kEntradasCapital + 6;
  marco::CPlantillaDialogo p(kAncho, YFila(9) + 52, "(B) RENDIMIENTOS DEL CAPITAL INMOBILIARIO");
  const char* const etiquetas[] = {
      "Titular",
      "Ingresos por arrenda-\nmientos y constituci\xF3n\no cesi\xF3n de derechos\nde uso o disfrute (*) ......",
      "Participaci\xF3n en el\nprecio del subarriendo\no traspaso ......................",
      "Intereses de capitales\najenos .............................",
      "Amortizaci\xF3n ................",
      "Compensaci\xF3n fiscal\n(Contratos anteriores\nal 9/5/85) ......................",
      "Otros gastos deducibles.",
      "Reducci\xF3n rendimientos\n irregulares ........................",
      "Retenciones .....................",
  };
  for (int fila = 0; fila < 9; ++fila) {
    const int x = fila >= kInmIntereses && fila <= kInmOtrosGastos ? 14 : 6;
    p.Estatico(-1, etiquetas[fila], {x, YFila(fila) + 1, kXRejilla - x - 4, kAltoFila[fila] - 2});
    for (int e = 0; e < kEntradasCapital; ++e) {
      const marco::SRectDialogo celda{kXRejilla + kAnchoCelda * e, YFila(fila), kAnchoCelda - 2, kAltoCelda};
      const int id = kIds[static_cast<std::size_t>(fila * kEntradasCapital + e)];
      if (fila == 0) {
        p.Edicion(id, celda, marco::kEdicionMayusculas, 1);
      } else {
        p.Importe(id, celda, fila == kInmReduccion ? 14 : 13);
      }
    }
  }
  p.Marco("Gastos deducibles",
          {4, YFila(kInmIntereses) - 10, kXRejilla - 6, YFila(kInmReduccion) - YFila(kInmIntereses) + 8});
  p.Estatico(marco::kIdAyudaTitular, "", {6, YFila(9) + 2, kAncho - 12, 10});
  p.Estatico(-1, "(*) Para arrendamientos a familiares, vea la Ayuda", {6, YFila(9) + 14, kAncho - 12, 10});
  const int yBotones = YFila(9) + 28;
  p.Aceptar({kAncho - 192, yBotones, 60, 18}).Cancelar({kAncho - 128, yBotones, 60, 18});
  p.Ayuda({kAncho - 64, yBotones, 60, 18});
  Plantilla() = p;
}

int CDlgCapitalInmobiliario::ComprobarEntradas() {
  static constexpr SPrueba kPruebas[] = {
      // The interest cannot exceed the income.
      {[](const SEntradaTitular& e) { return Ingresos(e) < Imp(e, kInmIntereses); }, "100R142", true, kInmIntereses},
      // The reduction: at most 30 per cent of the income (plus a margin of 10).
      {[](const SEntradaTitular& e) {
         const double r = Imp(e, kInmReduccion);
         return r > 0.0 && r > marco::Redondear(0.3 * Ingresos(e) + 10.0);
       },
       "100R143", true, kInmReduccion},
      // A negative reduction only against a net loss.
      {[](const SEntradaTitular& e) { return Imp(e, kInmReduccion) < 0.0 && Neto(e) > 0.0; }, "100R155", true,
       kInmReduccion},
      {[](const SEntradaTitular& e) {
         return Imp(e, kInmRetenciones) > marco::Redondear(0.18 * Ingresos(e) + 100.0);
       },
       "100V127", false, kInmRetenciones},
      {[](const SEntradaTitular& e) { return Imp(e, kInmCompensacion) > Imp(e, kInmAmortizacion); }, "100V200", false,
       kInmCompensacion},
  };
  return ComprobarPorEntrada(kPruebas);
}

}  // namespace dialogos
