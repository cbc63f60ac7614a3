#include "dialogs/DlgImportesConjuntos.h"

#include <vector>

#include "framework/DocumentoServicios.h"
#include "framework/Utilidades.h"

namespace dialogos {

namespace {

std::vector<int> Unir(std::initializer_list<std::initializer_list<int>> filas) {
  std::vector<int> ids;
  for (const auto& fila : filas) ids.insert(ids.end(), fila.begin(), fila.end());
  return ids;
}

const std::vector<int> kIdsDoble = Unir({{1249, 1250, 1251, 1301, 1304}, {1662, 1690, 1432, 1303, 1306}});
constexpr SFormaBloque kFormaDoble{5, 1, 16, 96, false};
const std::vector<int> kIdsDevoluciones = Unir({{1314, 1288, 1300, 1301}, {1282, 1293, 1307, 1302}});
constexpr SFormaBloque kFormaDevoluciones{4, 1, 16, 72, false};
const std::vector<int> kIdsCeuta = Unir({{1273, 1284, 1295, 1309, 1319, 1325},
                                         {1271, 1272, 1274, 1275, 1276, 1277},
                                         {1200, 1207, 1215, 1221, 1225, 1229}});
constexpr SFormaBloque kFormaCeuta{6, 2, 24, 160, false};
const std::vector<int> kIdsExtranjero =
    Unir({{1273, 1284, 1295}, {1271, 1272, 1274}, {1200, 1207, 1215}, {1201, 1208, 1216}});
constexpr SFormaBloque kFormaExtranjero{3, 3, 32, 0, false};

constexpr int kContextoCeuta = 824;
constexpr int kContextoExtranjero = 253;

constexpr std::string_view kRentaGeneral = "Rentas incluidas en\nla parte general de\nla base imponible";
constexpr std::string_view kRentaEspecial = "Rentas incluidas en\nla parte especial de\nla base imponible";

}  // namespace

// ---- double taxation of dividends ----

CDlgDeduccionDobleImposicion::CDlgDeduccionDobleImposicion(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1573, padre, segundoParametro, kFormaDoble, kIdsDoble, kIdAyudaTitularOtra, 0) {
  Plantilla() = PlantillaLineasTitulares("DEDUCCI\xD3N DOBLE IMPOSICI\xD3N DIVIDENDOS", kIdsDoble,
                                         {"Titular", "Deducci\xF3n de 1998\npendiente de aplicar"}, {}, false, -1, 0,
                                         kIdAyudaTitularOtra);
}

// ---- refunds agreed ----

CDlgDevolucionesAcordadas::CDlgDevolucionesAcordadas(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1596, padre, segundoParametro, kFormaDevoluciones, kIdsDevoluciones, kIdAyudaTitularLineas,
                            0) {
  marco::CPlantillaDialogo p = PlantillaLineasTitulares(
      "DEVOLUCIONES ACORDADAS POR LA ADMON. DE 1999", kIdsDevoluciones,
      {"Titular", "Para declaraciones\nindividuales: Importe"}, {}, false, -1, 18);
  p.Estatico(-1, "Para la declaraci\xF3n conjunta: Importe", {6, YBandaLineas(4) + 2, 120, 10});
  p.Importe(kIdConjunta, {130, YBandaLineas(4), 64, 12}, 14);
  Plantilla() = p;
}

void CDlgDevolucionesAcordadas::AlAbrir() {
  Enlazar(kIdConjunta, EnlaceResto(0, false));
  ActualizarDatos(0);
  HabilitarIndividualOConjunta();
}

void CDlgDevolucionesAcordadas::HabilitarIndividualOConjunta() {
  if (Bloqueado()) return;
  bool conTitular = false;
  for (int e = 0; e < Forma().entradas; ++e) conTitular = conTitular || TitularDeEntrada(e) != 0;
  HabilitarControl(kIdConjunta, !conTitular);
  for (int e = 0; e < Forma().entradas; ++e) HabilitarControl(IdControl(0, e), Conjunta() == 0.0);
}

int CDlgDevolucionesAcordadas::AlCambiarValor(int id) {
  if (FilaDeControl(id) == 0) {
    const int e = EntradaDeControl(id);
    const std::uint8_t titular = TitularDeEntrada(e);
    for (int otra = 0; otra < Forma().entradas && titular != 0; ++otra) {
      if (otra != e && TitularDeEntrada(otra) == titular) {
        // One entry per holder: the repeated one is taken back at once.
        DeshacerTitular(e);
        return 1;
      }
    }
  }
  const int resultado = CDlgImportesTitulares::AlCambiarValor(id);
  HabilitarIndividualOConjunta();
  return resultado;
}

int CDlgDevolucionesAcordadas::AlSalirDeCampo(int id) {
  const int resultado = CDlgImportesTitulares::AlSalirDeCampo(id);
  if (resultado != 0) HabilitarIndividualOConjunta();
  return resultado;
}

// ---- Ceuta and Melilla ----

CDlgCeutaMelilla::CDlgCeutaMelilla(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1576, padre, segundoParametro, kFormaCeuta, kIdsCeuta, kIdAyudaTitularLineas,
                            kContextoCeuta) {
  marco::CPlantillaDialogo p = PlantillaLineasTitulares(
      "RENTAS OBTENIDAS EN CEUTA Y MELILLA", kIdsCeuta, {"Titular", kRentaGeneral, kRentaEspecial},
      "Si entre las rentas obtenidas en Ceuta o Melilla hay rendimientos del trabajo personal, el importe a reflejar "
      "para la declaraci\xF3n conjunta puede diferir de la suma de las cantidades consignadas a efectos de las "
      "declaraciones individuales. Vea la ayuda",
      true, -1, 16);
  p.Estatico(-1, "Declaraci\xF3n Conjunta", {6, YBandaLineas(6, 3) + 2, 34, 12});
  p.Importe(kIdConjuntaGeneral, {40, YBandaLineas(6, 3), 60, 12}, 14);
  p.Importe(kIdConjuntaEspecial, {104, YBandaLineas(6, 3), 60, 12}, 14);
  Plantilla() = p;
}

void CDlgCeutaMelilla::AlAbrir() {
  if (SujetoActual() != marco::kSujetoUnidadFamiliar && SujetoActual() != 0) {
    PonerDobleResto(0, 0.0);
    PonerDobleResto(8, 0.0);
  }
  Enlazar(kIdConjuntaGeneral, EnlaceResto(0, true));
  Enlazar(kIdConjuntaEspecial, EnlaceResto(8, true));
  HabilitarControl(kIdConjuntaEspecial, false);
  if (SujetoActual() != marco::kSujetoUnidadFamiliar && SujetoActual() != 0) HabilitarControl(kIdConjuntaGeneral, false);
  for (int e = 0; e < Forma().entradas; ++e) m_generales[static_cast<std::size_t>(e)] = Importe(e, kGeneral);
  ActualizarDatos(0);
}

int CDlgCeutaMelilla::AlSalirDeCampo(int id) {
  const int resultado = CDlgImportesTitulares::AlSalirDeCampo(id);
  if (resultado == 0) return resultado;
  const bool familia = SujetoActual() == marco::kSujetoUnidadFamiliar || SujetoActual() == 0;
  const int fila = FilaDeControl(id);
  const int e = EntradaDeControl(id);
  bool especial = fila == kEspecial;
  if (fila == kGeneral) {
    if (Importe(e, kGeneral) != m_generales[static_cast<std::size_t>(e)]) {
      if (!familia) return resultado;
      m_generales[static_cast<std::size_t>(e)] = Importe(e, kGeneral);
      double suma = 0.0;
      for (int i = 0; i < Forma().entradas; ++i) suma += Importe(i, kGeneral);
      PonerDobleResto(0, suma);
      ActualizarDatos(0);
      return resultado;
    }
    especial = true;
  }
  if (especial) {
    if (familia) {
      double suma = 0.0;
      for (int i = 0; i < Forma().entradas; ++i) suma += Importe(i, kEspecial);
      PonerDobleResto(8, suma);
      ActualizarDatos(0);
    }
  } else if (fila == 0) {
    ActualizarDatos(0);
  }
  return resultado;
}

// ---- income abroad ----

CDlgRentasExtranjero::CDlgRentasExtranjero(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1577, padre, segundoParametro, kFormaExtranjero, kIdsExtranjero, kIdAyudaTitularLineas,
                            kContextoExtranjero) {
  Plantilla() = PlantillaLineasTitulares(
      "RENTAS OBTENIDAS Y GRAVADAS EN EL EXTRANJERO", kIdsExtranjero,
      {"Titular", kRentaGeneral, kRentaEspecial, "Impuesto satisfecho\nen el extranjero"},
      "Si las rentas obtenidas en el extranjero proceden del trabajo personal, el importe a consignar puede ser "
      "distinto para las declaraciones individuales que para la declaraci\xF3n conjunta. Vea la ayuda.",
      true);
}

void CDlgRentasExtranjero::ActualizarEntradas() {
  CDlgImportesTitulares::ActualizarEntradas();
  AplicarExclusion();
}

void CDlgRentasExtranjero::AplicarExclusion() {
  if (!TodasLasEntradas()) return;
  for (int e = 0; e < Forma().entradas; ++e) {
    if (TitularDeEntrada(e) == 0) continue;
    HabilitarControl(IdControl(kGeneral, e), Importe(e, kEspecial) == 0.0);
    HabilitarControl(IdControl(kEspecial, e), Importe(e, kGeneral) == 0.0);
  }
}

int CDlgRentasExtranjero::AlCambiarTexto(int id) {
  const int fila = FilaDeControl(id);
  const int e = EntradaDeControl(id);
  if ((fila == kGeneral || fila == kEspecial) && TodasLasEntradas() && TitularDeEntrada(e) != 0 &&
      !marco::EsCadenaEnBlanco(TextoControl(id))) {
    HabilitarControl(IdControl(fila == kGeneral ? kEspecial : kGeneral, e), false);
  }
  return 0;
}

int CDlgRentasExtranjero::AlSalirDeCampo(int id) {
  const int resultado = CDlgImportesTitulares::AlSalirDeCampo(id);
  if (resultado == 0) return resultado;
  const int fila = FilaDeControl(id);
  const int e = EntradaDeControl(id);
  if ((fila == kGeneral || fila == kEspecial) && TodasLasEntradas() && TitularDeEntrada(e) != 0 &&
      marco::EsCadenaEnBlanco(TextoControl(id))) {
    HabilitarControl(IdControl(fila == kGeneral ? kEspecial : kGeneral, e), true);
  }
  return resultado;
}

// ---- the launch ----

void RegistrarDlgImportesConjuntos() {
  RegistrarRejilla<CDlgDeduccionDobleImposicion>(kVentanaDobleImposicion, kFormaDoble.TamanoBloque());
  RegistrarRejilla<CDlgDevolucionesAcordadas>(kVentanaDevoluciones, kFormaDevoluciones.TamanoBloque());
  RegistrarRejilla<CDlgCeutaMelilla>(kVentanaCeutaMelilla, kFormaCeuta.TamanoBloque());
  RegistrarRejilla<CDlgRentasExtranjero>(kVentanaRentasExtranjero, kFormaExtranjero.TamanoBloque());
}

}  // namespace dialogos
