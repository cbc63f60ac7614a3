#include "activities/DlgProductos.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/Utilidades.h"

namespace actividades {

namespace {

constexpr int kXEtiqueta = 8;
constexpr int kAnchoImporte = 60;
constexpr int kAnchoIndice = 36;
constexpr int kAltoCampo = 12;
constexpr int kAltoFila = 16;
constexpr int kLargoImporte = 9;
constexpr int kLargoIndice = 5;  // one digit, the comma and three decimals

constexpr int kIdsResto[3][3] = {{1584, 1042, 1100}, {1585, 1051, 1120}, {1588, 1065, 1133}};

std::vector<SLineaProducto> LineasResto(std::size_t primera) {
  std::vector<SLineaProducto> lineas;
  for (std::size_t l = 0; l < 3; ++l) {
    lineas.push_back({kIdsResto[l][0], kIdsResto[l][1], kIdsResto[l][2], primera + 3 * l});
  }
  return lineas;
}

std::vector<SLineaProducto> LineasProducto1() {
  constexpr int kIds[6][3] = {{1073, 1021, 1030}, {1386, 1067, 1103}, {1640, 1207, 1061},
                              {1641, 1221, 1109}, {1060, 1078, 1118}, {1064, 1087, 1122}};
  std::vector<SLineaProducto> lineas;
  for (std::size_t l = 0; l < 6; ++l) lineas.push_back({kIds[l][0], kIds[l][1], kIds[l][2], 3 * l});
  return lineas;
}

std::vector<SLineaProducto> LineasTierras() {
  constexpr int kIds[6][3] = {{1328, 1331, 1334}, {1329, 1332, 1335}, {1330, 1333, 1336},
                              {1586, 1043, 1101}, {1587, 1052, 1121}, {1589, 1066, 1134}};
  std::vector<SLineaProducto> lineas;
  for (std::size_t l = 0; l < 6; ++l) lineas.push_back({kIds[l][0], kIds[l][1], kIds[l][2], (l < 3 ? std::size_t{0} : std::size_t{10}) + 3 * (l % 3)});
  return lineas;
}

// The layout: a heading row, one row a line (with a row label when given), then the totals, note and buttons.
marco::CPlantillaDialogo Plantilla(std::string_view titulo, const std::vector<SLineaProducto>& lineas,
                                   const std::vector<std::string_view>& etiquetas,
                                   const std::vector<std::pair<int, std::string_view>>& totales,
                                   const std::vector<std::size_t>& indicesFijos, bool tierras) {
  constexpr int kXColumnas = kXEtiqueta + 150;
  constexpr int kXIndice = kXColumnas + kAnchoImporte + 6;
  constexpr int kXRendimiento = kXIndice + kAnchoIndice + 6;
  constexpr int kAncho = kXRendimiento + kAnchoImporte + kXEtiqueta;
  const int filas = static_cast<int>(lineas.size()) + (tierras ? 2 : 0);
  const int yTotales = 22 + filas * kAltoFila + 4;
  const int yNota = yTotales + static_cast<int>(totales.size()) * kAltoFila + 4;
  marco::CPlantillaDialogo p(kAncho, yNota + 50, titulo);
  p.Estatico(-1, "INGRESOS", {kXColumnas, 8, kAnchoImporte, 10});
  if (tierras) {
    p.Estatico(kIdEtiquetaIndice, "INDICE", {kXIndice, 8, kAnchoIndice + 8, 10});
    p.Estatico(kIdEtiquetaIndiceReducido, "INDICE (*)", {kXIndice, 8, kAnchoIndice + 8, 10});
  } else {
    p.Estatico(-1, "INDICE", {kXIndice, 8, kAnchoIndice, 10});
  }
  p.Estatico(1210, "RDTO. NETO", {kXRendimiento, 8, kAnchoImporte, 10});
  int y = 22;
  for (std::size_t l = 0; l < lineas.size(); ++l) {
    if (tierras && (l == 0 || l == 3)) {
      p.Estatico(-1, l == 0 ? "TIERRAS PROPIAS" : "TIERRAS ARRENDADAS", {kXEtiqueta, y, 140, 10});
      y += kAltoFila;
    }
    if (l < etiquetas.size()) p.Estatico(-1, etiquetas[l], {kXEtiqueta, y + 1, 140, 10});
    const bool fijo = std::find(indicesFijos.begin(), indicesFijos.end(), l) != indicesFijos.end();
    p.Importe(lineas[l].idIngresos, {kXColumnas, y, kAnchoImporte, kAltoCampo}, kLargoImporte);
    p.Edicion(lineas[l].idIndice, {kXIndice, y, kAnchoIndice, kAltoCampo},
              marco::kEdicionDerecha | marco::kEdicionImporte | (fijo ? marco::kEdicionSoloLectura : 0u), kLargoIndice);
    p.Edicion(lineas[l].idRendimiento, {kXRendimiento, y, kAnchoImporte, kAltoCampo},
              marco::kEdicionDerecha | marco::kEdicionImporte | marco::kEdicionSoloLectura, kLargoImporte);
    y += kAltoFila;
  }
  y = yTotales;
  for (const auto& [id, texto] : totales) {
    p.Estatico(-1, texto, {kXEtiqueta, y + 1, kXRendimiento - kXEtiqueta - 4, 10});
    p.Edicion(id, {kXRendimiento, y, kAnchoImporte, kAltoCampo},
              marco::kEdicionDerecha | marco::kEdicionImporte | marco::kEdicionSoloLectura, kLargoImporte + 3);
    y += kAltoFila;
  }
  p.Estatico(kIdNotaProducto, "", {kXEtiqueta, yNota, kAncho - 2 * kXEtiqueta, 20});
  p.Aceptar({kAncho - 2 * 64 - kXEtiqueta, yNota + 26, 60, 18}).Cancelar({kAncho - 64 - kXEtiqueta, yNota + 26, 60, 18});
  return p;
}

}  // namespace

// ---- what every product dialog shares ----

CDlgProducto::CDlgProducto(int idRecurso, wxWindow* padre, std::size_t valores, std::vector<SLineaProducto> lineas,
                           std::vector<STotalProducto> totales, std::vector<std::size_t> indicesFijos)
    : CTemplateDlg(idRecurso, padre),
      m_nValores(valores),
      m_lineas(std::move(lineas)),
      m_totales(std::move(totales)),
      m_indicesFijos(std::move(indicesFijos)) {}

void CDlgProducto::EnlazarValor(int id, double* valor, int decimales) {
  Enlazar(id, {[valor, decimales] { return marco::TextoImporteDialogo(*valor, decimales, false); },
               [valor](std::string_view texto) {
                 double v = 0.0;
                 if (!marco::LeerImporteDialogo(texto, v) || v < 0.0 || !std::isfinite(v)) return false;
                 *valor = v;
                 return true;
               }});
}

int CDlgProducto::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  for (double& v : m_valores) {
    if (!std::isfinite(v)) v = 0.0;
  }
  for (std::size_t l = 0; l < m_lineas.size(); ++l) {
    const SLineaProducto& linea = m_lineas[l];
    EnlazarValor(linea.idIngresos, &m_valores[linea.ingresos], 0);
    EnlazarValor(linea.idIndice, &m_valores[linea.ingresos + 1], 3);
    EnlazarValor(linea.idRendimiento, &m_valores[linea.ingresos + 2], 0);
    HabilitarControl(linea.idRendimiento, false);
    const bool fijo = std::find(m_indicesFijos.begin(), m_indicesFijos.end(), l) != m_indicesFijos.end();
    if (fijo) HabilitarControl(linea.idIndice, false);
  }
  for (const STotalProducto& t : m_totales) {
    EnlazarValor(t.id, &m_valores[t.valor], 0);
    HabilitarControl(t.id, false);
  }
  PonerNota();
  marco::ActualizarDatosHijos(*this, 0);
  if (Bloqueado()) HabilitarEdiciones(0);
  return 1;
}

void CDlgProducto::Calcular() {
  for (const SLineaProducto& l : m_lineas) {
    m_valores[l.ingresos + 2] = marco::Redondear(m_valores[l.ingresos] * m_valores[l.ingresos + 1]);
  }
  for (const STotalProducto& t : m_totales) {
    double suma = 0.0;
    for (std::size_t l = t.primeraLinea; l < t.primeraLinea + t.lineas; ++l) suma += m_valores[m_lineas[l].ingresos + 2];
    m_valores[t.valor] = suma;
  }
}

int CDlgProducto::AlSalirDeCampo(int) {
  Calcular();
  marco::ActualizarDatosHijos(*this, 0);
  return 0;
}

void CDlgProducto::OnOK() {
  if (!Bloqueado()) {
    ActualizarDatos(1);
    Calcular();
    for (std::size_t l = 0; l < m_lineas.size(); ++l) {
      if (m_valores[m_lineas[l].ingresos + 2] == 0.0) Indice(l) = 0.0;
    }
    marco::ActualizarDatosHijos(*this, 0);
  }
  CTemplateDlg::OnOK();
}

// ---- IDD 1591 ----

CDlgRestoProductos::CDlgRestoProductos(wxWindow* padre)
    : CDlgProducto(kRecursoRestoProductos, padre, 10, LineasResto(0), {{kIdTotalProducto, 9, 0, 3}}, {0}) {
  Plantilla() = actividades::Plantilla("resto productos", Lineas(), {}, {{kIdTotalProducto, "TOTAL"}}, {0}, false);
}

void CDlgRestoProductos::PonerIndicesFijos(int slot) {
  m_valores[1] = kIndicesRendimiento[static_cast<std::size_t>(slot)];
}

void CDlgRestoProductos::PonerNota() {
  PonerTextoControl(kIdNotaProducto, m_nProducto == 7 && m_nCodigoActividad != 7 ? kNotaPorcinoCria : "");
}

// ---- IDD 125 ----

CDlgProducto1::CDlgProducto1(wxWindow* padre)
    : CDlgProducto(kRecursoProducto1, padre, 18, LineasProducto1(), {}, {0, 2, 4}) {
  Plantilla() = actividades::Plantilla(
      "PRODUCTO 1", Lineas(),
      {"Ganado porcino de carne, explotaci\xF3n extensiva", "", "Ganado porcino de carne, explotaci\xF3n intensiva", "",
       "Avicultura", ""},
      {}, {0, 2, 4}, false);
}

void CDlgProducto1::PonerIndicesFijos(int slot) {
  const double indice = kIndicesRendimiento[static_cast<std::size_t>(slot)];
  const double reducido = slot == 0 ? kIndiceReducido : indice;
  m_valores[1] = reducido;  // line A
  m_valores[7] = reducido;  // line C
  m_valores[13] = indice;   // line E
}

void CDlgProducto1::PonerNota() {
  PonerTextoControl(kIdNotaProducto, m_nCodigoActividad != 7 ? kNotaIndicesReducidos : "");
}

// ---- IDD 129 ----

CDlgRestoProductosTierras::CDlgRestoProductosTierras(wxWindow* padre)
    : CDlgProducto(kRecursoProductosTierras, padre, 21, LineasTierras(),
                   {{1337, 9, 0, 3}, {1145, 19, 3, 3}, {kIdTotalProducto, 20, 0, 6}}, {0, 3}) {
  Plantilla() = actividades::Plantilla("resto productos", Lineas(), {},
                                       {{1337, "TOTAL (T. PROPIAS)"},
                                        {1145, "TOTAL (T. ARRENDADAS)"},
                                        {kIdTotalProducto, "TOTAL RENDIMIENTO"}},
                                       {0, 3}, true);
}

void CDlgRestoProductosTierras::PonerIndicesFijos(int slot) {
  const double indice = kIndicesRendimiento[static_cast<std::size_t>(slot)];
  m_valores[1] = indice;
  m_valores[11] = indice;
}

void CDlgRestoProductosTierras::PonerNota() {
  const bool reducido = m_nProducto == 8 && m_nCodigoActividad != 7;
  PonerTextoControl(kIdNotaProducto, reducido ? kNotaArrozPatata : "");
  // One of the two index headings is shown (the other left blank).
  PonerTextoControl(kIdEtiquetaIndice, reducido ? "" : "INDICE");
  PonerTextoControl(kIdEtiquetaIndiceReducido, reducido ? "INDICE (*)" : "");
}

// ---- IDD 1591, one-part form ----

CDlgRestoProductosB::CDlgRestoProductosB(wxWindow* padre)
    : CDlgProducto(kRecursoRestoProductos, padre, 21, LineasResto(10), {{kIdTotalProducto, 20, 0, 3}}, {0}) {
  Plantilla() = actividades::Plantilla("resto productos", Lineas(), {}, {{kIdTotalProducto, "TOTAL"}}, {0}, false);
}

void CDlgRestoProductosB::PonerIndicesFijos(int slot) {
  const double indice = kIndicesRendimiento[static_cast<std::size_t>(slot)];
  m_valores[1] = indice;
  m_valores[11] = indice;
}

// ---- the choices ----

int IndiceProducto(int producto, std::int32_t codigo) {
  const bool siete = codigo == 7;
  switch (producto) {
    case 1: return siete ? 1 : 0;
    case 2: return codigo != 222 ? 1 : 0;
    case 3: case 4: case 5: return siete ? 3 : 2;
    case 6: case 7: return siete ? 6 : 4;
    case 8: case 9: return siete ? 7 : 5;
    case 10: case 12: return siete ? 8 : 6;
    case 11: return 6;
    case 13: return 9;
    default: return 0;
  }
}

std::unique_ptr<CDlgProducto> CrearDialogoProducto(int producto, unsigned char claseActividad) {
  switch (producto) {
    case 1: return std::make_unique<CDlgProducto1>();
    case 3: case 6: case 8: case 10:
      if (claseActividad == '6') return std::make_unique<CDlgRestoProductosB>();
      return std::make_unique<CDlgRestoProductosTierras>();
    case 2: case 4: case 5: case 7: case 9: case 11: case 12: case 13:
      return std::make_unique<CDlgRestoProductos>();
    default: return nullptr;
  }
}

std::string_view TextoAyudaProducto(int producto) {
  static constexpr std::array<std::string_view, 13> kAyudas = {
      "Ganado porcino de carne y avicultura.",
      "Actividades forestales accesorias con un per\xEDodo medio de corta superior a 30 a\xF1os.",
      "Cereales, leguminosas y hongos para el consumo humano.",
      "Ganado bovino de carne y cunicultura.",
      "Actividades forestales accesorias con un per\xEDodo medio de corta igual o inferior a 30 a\xF1os.",
      "Uva para vino de mesa, frutos secos, oleaginosos, citricos y productos del olivo.",
      "Ganado porcino de cr\xED" "a, bovino de cr\xED" "a y otras especies ganaderas no comprendidas expresamente en otros "
      "n\xFAmeros.",
      "Ra\xED" "ces, tub\xE9rculos, forrajes, arroz, uva para vino con denominaci\xF3n de origen, frutos no c\xEDtricos, "
      "horticultura y otros productos agr\xED" "colas no comprendidos expresamente en otros n\xFAmeros.",
      "Ganado ovino de leche y caprino de leche.",
      "Plantas textiles, tabaco y uva de mesa.",
      "Actividades accesorias realizadas por agricultores y ganaderos.",
      "Ganado bovino de leche, ovino de carne y caprino de carne y servicios de cr\xED" "a, guarde y engorde de aves.",
      "Otros trabajos y servicios accesorios realizados por agricultores y ganaderos y servicios de cr\xED" "a, guarda y "
      "engorde de ganado, excepto aves.",
  };
  if (producto < 1 || producto > 13) return {};
  return kAyudas[static_cast<std::size_t>(producto - 1)];
}

SPuntoAyuda SituarAyudaProducto(int izquierdaEdit, int derechaEdit, int abajoEdit, int anchoAyuda, int anchoPagina) {
  if (derechaEdit + anchoAyuda > anchoPagina) return {izquierdaEdit - anchoAyuda, abajoEdit};
  return {derechaEdit, abajoEdit};
}

}  // namespace actividades
