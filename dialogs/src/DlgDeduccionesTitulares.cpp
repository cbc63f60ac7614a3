#include "dialogs/DlgDeduccionesTitulares.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "framework/DlgMensaje.h"
#include "dialogs/DatosPersonas.h"
#include "framework/DocumentoServicios.h"
#include "framework/Mensajes.h"
#include "framework/Utilidades.h"
#include "framework/Validador.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

std::vector<int> Unir(std::initializer_list<std::initializer_list<int>> filas) {
  std::vector<int> ids;
  for (const auto& fila : filas) ids.insert(ids.end(), fila.begin(), fila.end());
  return ids;
}

double& Imp(SEntradaTitular& e, int campo) { return e.importes[static_cast<std::size_t>(campo - 1)]; }
double Imp(const SEntradaTitular& e, int campo) { return e.importes[static_cast<std::size_t>(campo - 1)]; }

double LeerDoble(const unsigned char* p) {
  double v = 0.0;
  std::memcpy(&v, p, sizeof v);
  return std::isfinite(v) ? v : 0.0;
}

// ---- research and development, training ----
const std::vector<int> kIdsGasto = Unir({{1783, 1784}, {1785, 1786}, {1787, 1788}, {1781, 1782}});
constexpr SFormaBloque kFormaGasto{2, 3, 32, 0, false};

// ---- investments ----
const std::vector<int> kIdsProduccion = Unir({{1273, 1284}, {1218, 1221}, {1371, 1372}, {1219, 1222}, {1224, 1310}});
constexpr SFormaBloque kFormaProduccion{2, 4, 40, 0, false};
const std::vector<int> kIdsInversion = Unir({{1273, 1284}, {1218, 1221}, {1224, 1310}});
constexpr SFormaBloque kFormaInversion{2, 2, 24, 0, false};
constexpr std::array<double, 14> kTasasInversion = {0.10, 0.05, 0.10, 0.25, 0.15, 0.15, 0.30,
                                                     0.25, 0.30, 0.45, 0.25, 0.075, 0.05, 0.05};

// ---- amounts only ----
const std::vector<int> kIdsSuelo = Unir({{1273, 1284}, {1293, 1294}, {1295, 1296}, {1291, 1292}});
constexpr SFormaBloque kFormaSuelo{2, 3, 32, 0, false};
const std::vector<int> kIdsFundaciones =
    Unir({{1273, 1284, 1295}, {1252, 1253, 1254}, {1434, 1436, 1438}, {1422, 1425, 1427}});
constexpr SFormaBloque kFormaFundaciones{3, 3, 32, 0, false};
const std::vector<int> kIdsEstudios = Unir({{1273, 1284, 1295, 1309, 1319}, {1584, 1585, 1588, 1836, 1838}});
constexpr SFormaBloque kFormaEstudios{5, 1, 16, 0, false};

// ---- the dwelling ----
const std::vector<int> kIdsCuentas = Unir({{1273, 1284, 1295},
                                           {1397, 1401, 1404},
                                           {1577, 1581, 1583},
                                           {1586, 1590, 1608},
                                           {1587, 1591, 1612},
                                           {1589, 1600, 1615},
                                           {1603, 1606, 1616}});
const std::vector<int> kIdsVivienda = Unir({{1273, 1284, 1295},
                                            {1258, 1259, 1260},
                                            {1261, 1262, 1263},
                                            {1264, 1265, 1255},
                                            {1267, 1250, 1256},
                                            {1251, 1252, 1297}});
const std::vector<int> kIdsCompensacion = Unir({{1273, 1284, 1295},
                                                {1278, 1279, 1280},
                                                {1281, 1282, 1283},
                                                {1285, 1286, 1287},
                                                {1293, 1294, 1296},
                                                {1288, 1289, 1290},
                                                {1297, 1298, 1299},
                                                {1291, 1292, 1257}});
constexpr SFormaBloque kFormaCompensacion{3, 8, 72, 0, false};
constexpr int kImporteDeduccionCompensacion = 7;  // the amount at 64: the deduction, outside the grid
constexpr std::size_t kFilasViviendaM = 544;      // the housing rows of section M
constexpr std::size_t kTamanoFilaViviendaM = 80;

constexpr int kContextoFundaciones = 187;
constexpr int kContextoVivienda = 707;
constexpr int kContextoCompensacion = 255;

constexpr std::string_view kTituloCuentas = "CUENTAS VIVIENDA";

// A row of amount edits under a label in the free band of a layout of lines.
void FilaExtra(marco::CPlantillaDialogo& p, int y, std::string_view etiqueta, std::initializer_list<int> ids,
               std::initializer_list<std::string_view> textos) {
  p.Estatico(-1, etiqueta, {6, y + 2, 96, 20});
  int x = 104;
  auto texto = textos.begin();
  for (int id : ids) {
    if (texto != textos.end()) p.Estatico(-1, *texto++, {x, y, 60, 9});
    p.Importe(id, {x, y + 10, 60, 12}, 14);
    x += 64;
  }
}

}  // namespace

// ---- the computations ----

std::optional<STasasGasto> TasasGasto(bool formacion, int tipo) {
  if (tipo == 1) return formacion ? STasasGasto{0.05, 0.10} : STasasGasto{0.20, 0.40};
  if (tipo == 2) return formacion ? STasasGasto{0.25, 0.30} : STasasGasto{0.40, 0.72};
  return std::nullopt;
}

double DeduccionGasto(STasasGasto tasas, double x, double y) {
  return marco::Redondear(x <= y ? tasas.base * x : tasas.exceso * (x - y) + tasas.base * y);
}

std::optional<double> DeduccionProduccion(int tipo, double p, double c, double r) {
  if (tipo == 1) return marco::Redondear(0.20 * p + std::min(0.05 * c, 0.05 * r));
  if (tipo == 2) return marco::Redondear(0.40 * p + std::min(0.25 * c, 0.05 * r));
  return std::nullopt;
}

std::optional<double> TasaInversion(int tipo) {
  if (tipo < 0 || tipo >= static_cast<int>(kTasasInversion.size())) return std::nullopt;
  return kTasasInversion[static_cast<std::size_t>(tipo)];
}

// ---- research and development, training ----

CDlgGastosDeduccion::CDlgGastosDeduccion(int idRecurso, wxWindow* padre, std::int32_t segundoParametro,
                                         bool formacion, std::string_view titulo, std::string_view cabeceraGasto)
    : CDlgImportesTitulares(idRecurso, padre, segundoParametro, kFormaGasto, kIdsGasto, kIdAyudaTitularLineas, 0),
      m_bFormacion(formacion) {
  Plantilla() = PlantillaLineasTitulares(
      titulo, kIdsGasto, {"Titular", cabeceraGasto, "Media gastos 2 a\xF1os anteriores", "Deducci\xF3n"}, {}, false);
}

bool CDlgGastosDeduccion::Recalcular() {
  const std::optional<STasasGasto> tasas = TasasGasto(m_bFormacion, Variante());
  if (!tasas) return false;
  for (int e = 0; e < Forma().entradas; ++e) {
    SEntradaTitular& entrada = Copia()[static_cast<std::size_t>(e)];
    Imp(entrada, kGastoDeduccion) = DeduccionGasto(*tasas, Imp(entrada, kGastoAnio), Imp(entrada, kGastoMedia));
  }
  return true;
}

CDlgInvestigacionDesarrollo::CDlgInvestigacionDesarrollo(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgGastosDeduccion(1584, padre, segundoParametro, false, "GASTOS EN INVESTIGACION Y DESARROLLO",
                          "Gastos en I + D") {}

CDlgFormacionProfesional::CDlgFormacionProfesional(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgGastosDeduccion(256, padre, segundoParametro, true, "FORMACI\xD3N PROFESIONAL", "Gastos en el a\xF1o") {}

// ---- investments ----

CDlgInversionProduccion::CDlgInversionProduccion(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1600, padre, segundoParametro, kFormaProduccion, kIdsProduccion, kIdAyudaTitularLineas,
                            0) {
  Plantilla() = PlantillaLineasTitulares("", kIdsProduccion,
                                         {"Titular", "Inversi\xF3n\ndel Productor", "Inversi\xF3n coproductor\nfinanciero",
                                          "Renta de la\ninversi\xF3n", "Deducci\xF3n"},
                                         {}, false);
}

bool CDlgInversionProduccion::Recalcular() {
  if (!DeduccionProduccion(Variante(), 0, 0, 0)) return false;
  for (int e = 0; e < Forma().entradas; ++e) {
    SEntradaTitular& entrada = Copia()[static_cast<std::size_t>(e)];
    Imp(entrada, kDeduccionProduccion) =
        *DeduccionProduccion(Variante(), Imp(entrada, kProductor), Imp(entrada, kCoproductor), Imp(entrada, kRenta));
  }
  return true;
}

CDlgInversionTitular::CDlgInversionTitular(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(119, padre, segundoParametro, kFormaInversion, kIdsInversion, kIdAyudaTitularLineas, 0) {
  Plantilla() =
      PlantillaLineasTitulares("", kIdsInversion, {"Titular", "Inversi\xF3n", "Deducci\xF3n"}, {}, false);
}

bool CDlgInversionTitular::Recalcular() {
  const std::optional<double> tasa = TasaInversion(Variante());
  if (!tasa) return false;
  for (int e = 0; e < Forma().entradas; ++e) {
    SEntradaTitular& entrada = Copia()[static_cast<std::size_t>(e)];
    Imp(entrada, kDeduccionInversion) = marco::Redondear(Imp(entrada, kInversion) * *tasa);
  }
  return true;
}

// ---- amounts only ----

CDlgSueloRustico::CDlgSueloRustico(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1580, padre, segundoParametro, kFormaSuelo, kIdsSuelo, kIdAyudaTitularOtra, 0) {
  Plantilla() = PlantillaLineasTitulares(
      "GASTOS EN \xC1REAS DE SUELO R\xDASTICO PROTEGIDO", kIdsSuelo,
      {"Titular", "Importe del gasto", "N\xFAmero de hect\xE1reas", "Impuesto Bienes Inmuebles"}, {}, false, -1, 0,
      kIdAyudaTitularOtra);
  PonerVaciarAyuda(false);
}

CDlgFundaciones::CDlgFundaciones(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(170, padre, segundoParametro, kFormaFundaciones, kIdsFundaciones, kIdAyudaTitularLineas,
                            kContextoFundaciones) {
  Plantilla() = PlantillaLineasTitulares(
      "FUNDACIONES Y ASOCIACIONES DE UTILIDAD P\xDA" "BLICA", kIdsFundaciones,
      {"Titular", "Ley fundaciones:\nDonaciones en general", "Ley fundaciones:\nProgramas prioritarios",
       "A otras entidades"},
      {}, true);
  PonerVaciarAyuda(false);
}

CDlgEstudiosUniversitarios::CDlgEstudiosUniversitarios(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(211, padre, segundoParametro, kFormaEstudios, kIdsEstudios, kIdAyudaTitularLineas, 0) {
  Plantilla() = PlantillaLineasTitulares("Gastos de estudios universitarios", kIdsEstudios, {"Hijo", "Importe"}, {},
                                         false);
}

// ---- housing accounts ----

CDlgCuentasVivienda::CDlgCuentasVivienda(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(191, padre, segundoParametro, kFormaVivienda, kIdsCuentas, 0, 0) {
  marco::CPlantillaDialogo p = PlantillaLineasTitulares(
      kTituloCuentas, kIdsCuentas,
      {"Titular", "Importe", "Fecha apertura", "Entidad", "Oficina", "D.C.", "N\xFAmero de cuenta"}, {}, false, -1,
      14, 0);
  p.Estatico(1278, "Debe estar comprendida entre 02/01/1994 y  31/12/1999", {6, YBandaLineas(3), 300, 10});
  Plantilla() = p;
  // The holders are those of the housing investment; an entry without account data is not dropped.
  PonerQuitarVacias(false);
}

marco::SEnlaceControl CDlgCuentasVivienda::EnlaceFila(int fila, SEntradaTitular& entrada) {
  if (fila == kImporteCuenta) return EnlaceImporte(&entrada.importes[4], 0, false);
  struct STrozo {
    std::size_t desp;
    std::size_t ancho;
  };
  static constexpr STrozo kTrozos[] = {{kDespFechaCuenta, kAnchoFechaCuenta},
                                       {kDespCodigoCuenta, 4},
                                       {kDespCodigoCuenta + 4, 4},
                                       {kDespCodigoCuenta + 8, 2},
                                       {kDespCodigoCuenta + 10, 10}};
  if (fila < kFechaApertura || fila > kNumeroCuenta) return {};
  const STrozo trozo = kTrozos[fila - kFechaApertura];
  unsigned char* destino = entrada.resto.data() + trozo.desp;
  marco::SEnlaceControl enlace;
  enlace.mostrar = [destino, trozo] {
    std::string texto(reinterpret_cast<const char*>(destino), trozo.ancho);
    for (char& c : texto) {
      if (c == '\0') c = ' ';
    }
    return std::string(plataforma::RecortaDerecha(texto));
  };
  enlace.guardar = [destino, trozo](std::string_view texto) {
    const std::string_view t = plataforma::Recorta(texto);
    // Digits only, at most the part's width.
    if (t.size() > trozo.ancho || !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      return false;
    }
    std::memset(destino, t.empty() ? 0 : ' ', trozo.ancho);
    std::memcpy(destino, t.data(), t.size());
    return true;
  };
  return enlace;
}

void CDlgCuentasVivienda::AlAbrir() {
  for (int e = 0; e < Forma().entradas; ++e) HabilitarControl(IdControl(0, e), false);
}

int CDlgCuentasVivienda::AlSalirDeCampo(int id) {
  const int resultado = CDlgImportesTitulares::AlSalirDeCampo(id);
  if (resultado == 0 || m_bComprobando) return resultado;
  const int fila = FilaDeControl(id);
  const int e = EntradaDeControl(id);
  if (e < 0 || fila < kFechaApertura) return resultado;
  m_bComprobando = true;
  unsigned char* resto = Copia()[static_cast<std::size_t>(e)].resto.data();
  marco::CValidador validador;
  if (fila == kFechaApertura) {
    char fecha[kAnchoFechaCuenta + 1] = {};
    std::memcpy(fecha, resto + kDespFechaCuenta, kAnchoFechaCuenta);
    const bool vacia = plataforma::Recorta(std::string_view(fecha, kAnchoFechaCuenta)).empty() || fecha[0] == '\0';
    if (!vacia && (validador.ValidarCampo(5, fecha) == 0 || validador.ValidarCampo(11, fecha) == 0)) {
      std::memset(resto + kDespFechaCuenta, 0, kAnchoFechaCuenta);
      ActualizarDatos(0);
    }
  } else {
    char cuenta[kAnchoCodigoCuenta + 1] = {};
    std::memcpy(cuenta, resto + kDespCodigoCuenta, kAnchoCodigoCuenta);
    for (std::size_t i = 0; i < kAnchoCodigoCuenta; ++i) {
      if (cuenta[i] == '\0') cuenta[i] = ' ';
    }
    if (validador.ValidarCampo(10, cuenta) == 0) {
      // The part just edited is blanked.
      static constexpr std::size_t kDesp[] = {0, 4, 8, 10};
      static constexpr std::size_t kAncho[] = {4, 4, 2, 10};
      const std::size_t parte = static_cast<std::size_t>(fila - kEntidad);
      std::memset(resto + kDespCodigoCuenta + kDesp[parte], ' ', kAncho[parte]);
      ActualizarDatos(0);
    }
  }
  m_bComprobando = false;
  return resultado;
}

// ---- investment in the habitual dwelling ----

CDlgInversionVivienda::CDlgInversionVivienda(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1575, padre, segundoParametro, kFormaVivienda, kIdsVivienda, kIdAyudaTitularOtra,
                            kContextoVivienda) {
  marco::CPlantillaDialogo p = PlantillaLineasTitulares(
      "INVERSI\xD3N EN VIVIENDA HABITUAL", kIdsVivienda,
      {"Titular", "Financiaci\xF3n ajena:\nen los dos a\xF1os\nsiguientes", "Financiaci\xF3n ajena:\ndespu\xE9s de los\ndos a\xF1os",
       "Sin financiaci\xF3n\najena: inversi\xF3n\ndel ejercicio", "Construcci\xF3n o\nampliaci\xF3n", "Cuentas vivienda"},
      {}, true, -1, 22, kIdAyudaTitularOtra);
  p.Boton(kIdCuentas, "Cuen&tas vivienda...", {6, YBandaLineas(3, 3), 100, 16});
  Plantilla() = p;
  PonerVaciarAyuda(false);
}

void CDlgInversionVivienda::ActualizarEntradas() {
  CDlgImportesTitulares::ActualizarEntradas();
  ExcluirFinanciacion();
}

int CDlgInversionVivienda::AlCambiarTexto(int id) {
  const int fila = FilaDeControl(id);
  if (fila >= 0 && fila <= kSinFinanciacion) ExcluirFinanciacion();
  return 0;
}

int CDlgInversionVivienda::AlComando(int id, int codigo) {
  if (id != kIdCuentas) return CDlgImportesTitulares::AlComando(id, codigo);
  AbrirCuentas();
  return 1;
}

bool CDlgInversionVivienda::AbrirCuentas() {
  marco::ActualizarDatosHijos(*this, 1);
  std::vector<unsigned char> bloque(kFormaVivienda.TamanoBloque(), 0);
  EscribirEntradas(Copia(), kFormaVivienda, bloque);
  CDlgCuentasVivienda cuentas(Padre(), 3);
  cuentas.Recibir(bloque);
  cuentas.PrepararDialogo(kTituloCuentas, Repeticion(), CodigoSujeto(), Entorno().conyuge || Entorno().hijo1);
  cuentas.PonerTipoTitular(1);
  if (cuentas.DoModal() != marco::kDialogoAceptado) return false;
  cuentas.Devolver(bloque);
  const EntradasTitulares vueltas = LeerEntradas(bloque, kFormaVivienda);
  // Only what the accounts dialog edits comes back: the amount deposited, the date and the account.
  for (int e = 0; e < kFormaVivienda.entradas; ++e) {
    SEntradaTitular& entrada = Copia()[static_cast<std::size_t>(e)];
    entrada.importes[4] = vueltas[static_cast<std::size_t>(e)].importes[4];
    entrada.resto = vueltas[static_cast<std::size_t>(e)].resto;
  }
  ActualizarDatos(0);
  return true;
}

// ---- compensation of the buyers of a dwelling ----

CDlgCompensacionVivienda::CDlgCompensacionVivienda(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(1578, padre, segundoParametro, kFormaCompensacion, kIdsCompensacion, kIdAyudaTitularOtra,
                            kContextoCompensacion) {
  marco::CPlantillaDialogo p = PlantillaLineasTitulares(
      "COMPENSACI\xD3N ADQUIRIENTES VIVIENDA HABITUAL", kIdsCompensacion,
      {"Titular", "Intereses\nsatisfechos en 1999", "Inversi\xF3n en\nvivienda en 1999", "Valor catastral\nrevisado",
       "N\xBA" " de d\xED" "as de\npropiedad", "Valor catastral\nno revisado", "N\xBA" " de d\xED" "as de\npropiedad",
       "Impuesto sobre\nbienes inmuebles"},
      {}, true, -1, 26, kIdAyudaTitularOtra);
  FilaExtra(p, YBandaLineas(3), "Deducci\xF3n por la adquisici\xF3n\nde la vivienda en 1999",
            {kIdsDeduccion[0], kIdsDeduccion[1], kIdsDeduccion[2]}, {"Conjunta", "Declarante", "C\xF3nyuge"});
  Plantilla() = p;
}

void CDlgCompensacionVivienda::AlAbrir() {
  for (int e = 0; e < 3; ++e) {
    Enlazar(kIdsDeduccion[e],
            EnlaceImporte(&Copia()[static_cast<std::size_t>(e)].importes[kImporteDeduccionCompensacion], 0, false));
    HabilitarControl(kIdsDeduccion[e], false);
  }
  Topes();
  ActualizarDatos(0);
  if (!Bloqueado()) Habilitar();
}

void CDlgCompensacionVivienda::ActualizarEntradas() {
  CDlgImportesTitulares::ActualizarEntradas();
  if (!Bloqueado() && TodasLasEntradas()) Habilitar();
}

void CDlgCompensacionVivienda::Topes() {
  const auto tope = [this](int slot) {
    const unsigned char* l = m_liquidacion.octetos;
    return LeerDoble(l + 1360 + 8 * slot) + LeerDoble(l + 1320 + 8 * slot);
  };
  const auto acotar = [](double& deduccion, double maximo, bool cabe) {
    if (!cabe) {
      deduccion = 0.0;
    } else if (deduccion == 0.0 || deduccion > maximo) {
      deduccion = maximo;
    }
  };
  const bool conjunta = m_nTipoUnidad == 1 || m_bHijos;
  acotar(Copia()[0].importes[kImporteDeduccionCompensacion], tope(0), conjunta);
  acotar(Copia()[1].importes[kImporteDeduccionCompensacion], tope(1), conjunta);
  acotar(Copia()[2].importes[kImporteDeduccionCompensacion], tope(2), m_nTipoUnidad == 1);
}

bool CDlgCompensacionVivienda::Recalcular() {
  Topes();
  for (int e = 0; e < 3; ++e) {
    SEntradaTitular& entrada = Copia()[static_cast<std::size_t>(e)];
    for (const auto& [importe, dias] : {std::pair{kRevisado, kDiasRevisado}, std::pair{kNoRevisado, kDiasNoRevisado}}) {
      if (Imp(entrada, importe) != 0.0 && Imp(entrada, dias) == 0.0) Imp(entrada, dias) = 365.0;
      if (Imp(entrada, dias) > 365.0) {
        marco::CValidador validador;
        validador.ValidarCampo(104, &Imp(entrada, dias));
      }
    }
  }
  if (!Bloqueado() && TodasLasEntradas()) Habilitar();
  return true;
}

void CDlgCompensacionVivienda::Habilitar() {
  for (int e = 0; e < 3; ++e) {
    const SEntradaTitular& entrada = Copia()[static_cast<std::size_t>(e)];
    if (entrada.titular == 0) continue;
    const bool primera = Imp(entrada, kRevisado) != 0.0 || Imp(entrada, kDiasRevisado) != 0.0;
    const bool segunda = Imp(entrada, kNoRevisado) != 0.0 || Imp(entrada, kDiasNoRevisado) != 0.0;
    HabilitarControl(IdControl(kRevisado, e), primera || !segunda);
    HabilitarControl(IdControl(kDiasRevisado, e), primera || !segunda);
    HabilitarControl(IdControl(kNoRevisado, e), !primera);
    HabilitarControl(IdControl(kDiasNoRevisado, e), !primera);
  }
}

int CDlgCompensacionVivienda::ComprobarEntradas() {
  std::array<double, 4> s{};  // by holder code 1, 2, 3
  for (std::size_t f = 0; f < 3; ++f) {
    const unsigned char* fila = m_apartadoM.octetos + kFilasViviendaM + f * kTamanoFilaViviendaM;
    if (fila[0] >= 1 && fila[0] <= 3) s[fila[0]] += LeerDoble(fila + 8) + LeerDoble(fila + 16) + LeerDoble(fila + 24);
  }
  std::array<double, 4> t{};
  for (int e = 0; e < 3; ++e) {
    const SEntradaTitular& entrada = Copia()[static_cast<std::size_t>(e)];
    if (entrada.titular >= 1 && entrada.titular <= 3) {
      t[entrada.titular] += Imp(entrada, kIntereses) + Imp(entrada, kInversionAnio);
    }
  }
  if (t[3] + t[1] / 2 <= s[1] / 2 + s[3] && t[1] / 2 + t[2] <= s[1] / 2 + s[2]) return 1;
  marco::CDlgMensaje().MostrarMensaje("100V146", marco::IconoMano);
  return 0;
}

// ---- the launch ----

namespace {

void AbrirCompensacionDatos(CDlgCompensacionVivienda& dlg, const DatosRenta& datos) {
  dlg.m_liquidacion = datos.Liquidacion;
  dlg.m_apartadoM = datos.ApartadoM;
  dlg.m_nTipoUnidad = renta::TipoUnidadFamiliar(datos.DatosFamilia);
  dlg.m_bHijos = datos.DatosFamilia.octetos[1] == 1;
}

}  // namespace

void RegistrarDlgDeducciones() {
  RegistrarRejilla<CDlgInvestigacionDesarrollo>(kVentanaInvestigacion, kFormaGasto.TamanoBloque());
  RegistrarRejilla<CDlgFormacionProfesional>(kVentanaFormacion, kFormaGasto.TamanoBloque());
  RegistrarRejilla<CDlgInversionProduccion>(kVentanaInversionProduccion, kFormaProduccion.TamanoBloque());
  RegistrarRejilla<CDlgInversionTitular>(kVentanaInversionTitular, kFormaInversion.TamanoBloque());
  RegistrarRejilla<CDlgSueloRustico>(kVentanaSueloRustico, kFormaSuelo.TamanoBloque());
  RegistrarRejilla<CDlgFundaciones>(kVentanaFundaciones, kFormaFundaciones.TamanoBloque());
  RegistrarRejilla<CDlgEstudiosUniversitarios>(kVentanaEstudios, kFormaEstudios.TamanoBloque());
  RegistrarRejilla<CDlgCuentasVivienda>(kVentanaCuentasVivienda, kFormaVivienda.TamanoBloque());
  RegistrarRejilla<CDlgInversionVivienda>(kVentanaInversionVivienda, kFormaVivienda.TamanoBloque());
  marco::RegistrarDialogoDetalle(kVentanaCompensacionVivienda, kFormaCompensacion.TamanoBloque(),
                                 [](marco::SPeticionDetalle& p) {
                                   // It caps and checks with the declaration's liquidation and housing rows:
                                   // without the declaration, nothing opens.
                                   const DatosRenta* datos = DatosRentaAbierta();
                                   if (datos == nullptr) return marco::kDialogoCancelado;
                                   CDlgCompensacionVivienda dlg(p.padre, p.segundoParametro);
                                   if (!dlg.Recibir(p.bloque)) return marco::kDialogoCancelado;
                                   AbrirCompensacionDatos(dlg, *datos);
                                   marco::PrepararDialogoDetalle(dlg, p);
                                   dlg.PonerVariante(p.primerParametro);
                                   const int resultado = dlg.DoModal();
                                   if (resultado == marco::kDialogoAceptado) dlg.Devolver(p.bloque);
                                   return resultado;
                                 });
}

}  // namespace dialogos
