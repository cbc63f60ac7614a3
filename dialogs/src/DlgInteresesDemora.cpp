#include "dialogs/DlgInteresesDemora.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <optional>
#include <utility>

#include "framework/CodigoDescripcion.h"
#include "framework/DlgMensaje.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"
#include "framework/ReferenciaReglas.h"
#include "framework/Validador.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

// ---- the fixed tables ----

constexpr SPlazoDeclaracion kPlazos[] = {
    {1988, "30111989", "01121989"}, {1989, "20061990", "21061990"}, {1990, "20061991", "21061991"},
    {1991, "22061992", "23061992"}, {1992, "21061993", "22061993"}, {1993, "20061994", "21061994"},
    {1994, "20061995", "21061995"}, {1995, "20061996", "21061996"}, {1996, "20061997", "21061997"},
    {1997, "22061998", "01051998"}, {1998, "21061999", "02051999"},
};

// The legal rate of each period, the days of the year it is divided by and the days of the whole period.
struct SPeriodoInteres {
  std::string_view desde;
  std::string_view hasta;
  double tipo;
  double diasAno;
  double diasPeriodo;
};
constexpr SPeriodoInteres kPeriodos[] = {
    {"01011988", "31121988", 0.115, 365, 366}, {"01011989", "29061990", 0.11, 365, 545},
    {"30061990", "31121991", 0.12, 365, 550},  {"01011992", "31121992", 0.12, 366, 366},
    {"01011993", "31121993", 0.12, 365, 365},  {"01011994", "31121995", 0.11, 365, 730},
    {"01011996", "31121996", 0.11, 366, 366},  {"01011997", "31121997", 0.095, 365, 365},
    {"01011998", "31121998", 0.075, 365, 365}, {"01011999", "31121999", 0.055, 365, 365},
    {"01012000", "31122000", 0.055, 366, 366},
};
constexpr std::size_t kUltimoPeriodo = std::size(kPeriodos) - 1;

bool DentroDe(std::string_view fecha, std::string_view desde, std::string_view hasta) {
  const int trasDesde = marco::CompararFechasOchoCifras(fecha, desde);
  const int antesHasta = marco::CompararFechasOchoCifras(fecha, hasta);
  return trasDesde >= 0 && antesHasta != -2 && antesHasta <= 0;
}

// ---- the stored computation ----

constexpr std::size_t kDespFecha = 0;
constexpr std::size_t kAnchoFecha = 8;
constexpr std::size_t kDespFilas = 8;
constexpr std::size_t kTamanoFila = 48;
constexpr std::size_t kDespTotal = 392;
constexpr std::size_t kFilaAno = 0;
constexpr std::size_t kAnchoAno = 4;
constexpr std::size_t kFilaImporte = 8;
constexpr std::size_t kFilaSentido = 16;
constexpr std::size_t kFilaInicio = 17;
constexpr std::size_t kFilaDias = 32;
constexpr std::size_t kFilaInteres = 40;

double LeerDoble(const unsigned char* p) {
  double valor = 0.0;
  std::memcpy(&valor, p, sizeof valor);
  return std::isfinite(valor) ? valor : 0.0;
}
void EscribirDoble(unsigned char* p, double valor) { std::memcpy(p, &valor, sizeof valor); }

std::string LeerTexto(const unsigned char* p, std::size_t n) { return std::string(reinterpret_cast<const char*>(p), n); }
void EscribirTexto(unsigned char* p, std::string_view texto, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) p[i] = i < texto.size() ? static_cast<unsigned char>(texto[i]) : ' ';
}

unsigned char* Fila(CalculoIntereses& c, int fila) { return c.data() + kDespFilas + kTamanoFila * static_cast<std::size_t>(fila); }
const unsigned char* Fila(const CalculoIntereses& c, int fila) {
  return c.data() + kDespFilas + kTamanoFila * static_cast<std::size_t>(fila);
}

// No value: the first character is NUL or blank.
bool Vacio(std::string_view texto) { return texto.empty() || texto[0] == '\0' || texto[0] == ' '; }

int NumeroAno(std::string_view ano) {
  if (ano.size() != kAnchoAno) return 0;
  int valor = 0;
  for (char c : ano) {
    if (c < '0' || c > '9') return 0;
    valor = valor * 10 + (c - '0');
  }
  return valor;
}

bool EsDevolucion(char sentido) { return sentido == 'D' || sentido == 'T'; }

// A date as the box shows it: dd/mm/aaaa, or nothing.
std::string FechaVisible(std::string_view fecha) {
  if (Vacio(fecha) || fecha.size() != kAnchoFecha) return {};
  return std::string(fecha.substr(0, 2)) + "/" + std::string(fecha.substr(2, 2)) + "/" + std::string(fecha.substr(4));
}

// A typed date (dd/mm/aaaa or ddmmaaaa) as 8 digits; empty for a blank text; nothing for anything else.
std::optional<std::string> FechaTecleada(std::string_view texto) {
  std::string cifras;
  for (char c : plataforma::Recorta(texto)) {
    if (c >= '0' && c <= '9') {
      cifras += c;
    } else if (c != '/' && c != ' ') {
      return std::nullopt;
    }
  }
  if (cifras.empty()) return std::string(kAnchoFecha, ' ');
  if (cifras.size() != kAnchoFecha) return std::nullopt;
  return cifras;
}

}  // namespace

// ---- the computation ----

const SPlazoDeclaracion* PlazoDeclaracion(int ano) {
  for (const SPlazoDeclaracion& p : kPlazos) {
    if (p.ano == ano) return &p;
  }
  return nullptr;
}

bool AnoAdmitidoIntereses(int modo, int ano) {
  if (PlazoDeclaracion(ano) == nullptr) return false;
  switch (modo) {
    case 1: return ano <= 1996;
    case 2: return ano >= 1997;
    case 3: return ano == 1998;
    default: return true;
  }
}

SInteresFila CalcularInteresFila(double importe, std::string_view inicio, std::string_view calculo) {
  SInteresFila r;
  if (!marco::FechaOchoCifrasValida(inicio) || !marco::FechaOchoCifrasValida(calculo) || Vacio(inicio) ||
      Vacio(calculo) || marco::CompararFechasOchoCifras(inicio, calculo) > 0) {
    return r;
  }
  bool hallado = false;
  for (std::size_t i = 0; i < kUltimoPeriodo; ++i) {
    const SPeriodoInteres& p = kPeriodos[i];
    if (!hallado) {
      if (!DentroDe(inicio, p.desde, p.hasta)) continue;
      hallado = true;
      // The periods end before the computation day (from 2000 on); a start within one counts to its end.
      const double d = static_cast<double>(marco::DiasEntreFechasOchoCifras(inicio, p.hasta));
      r.dias = d;
      r.interes = d * importe * p.tipo / p.diasAno;
    } else {
      r.interes += p.diasPeriodo * importe * p.tipo / p.diasAno;
      r.dias += p.diasPeriodo;
    }
  }
  const SPeriodoInteres& ultimo = kPeriodos[kUltimoPeriodo];
  double d = 0.0;
  if (DentroDe(inicio, ultimo.desde, calculo)) {
    d = static_cast<double>(marco::DiasEntreFechasOchoCifras(inicio, calculo));
  } else if (hallado && marco::CompararFechasOchoCifras(calculo, ultimo.desde) >= 0) {
    d = static_cast<double>(marco::DiasEntreFechasOchoCifras(ultimo.desde, calculo)) + 1.0;
  }
  r.interes += d * importe * ultimo.tipo / ultimo.diasAno;
  r.dias += d;
  return r;
}

SFilaIntereses LeerFilaIntereses(const CalculoIntereses& calculo, int fila) {
  SFilaIntereses f;
  if (fila < 0 || fila >= kFilasIntereses) return f;
  const unsigned char* p = Fila(calculo, fila);
  f.ano = LeerTexto(p + kFilaAno, kAnchoAno);
  f.importe = LeerDoble(p + kFilaImporte);
  f.sentido = static_cast<char>(p[kFilaSentido]);
  f.inicio = LeerTexto(p + kFilaInicio, kAnchoFecha);
  f.dias = LeerDoble(p + kFilaDias);
  f.interes = LeerDoble(p + kFilaInteres);
  return f;
}

void EscribirFilaIntereses(CalculoIntereses& calculo, int fila, const SFilaIntereses& v) {
  if (fila < 0 || fila >= kFilasIntereses) return;
  unsigned char* p = Fila(calculo, fila);
  std::memset(p + kFilaAno, 0, kAnchoAno);
  std::memcpy(p + kFilaAno, v.ano.data(), std::min(v.ano.size(), kAnchoAno));
  EscribirDoble(p + kFilaImporte, v.importe);
  p[kFilaSentido] = static_cast<unsigned char>(v.sentido);
  std::memset(p + kFilaInicio, 0, kAnchoFecha);
  std::memcpy(p + kFilaInicio, v.inicio.data(), std::min(v.inicio.size(), kAnchoFecha));
  EscribirDoble(p + kFilaDias, v.dias);
  EscribirDoble(p + kFilaInteres, v.interes);
}

std::string FechaCalculoIntereses(const CalculoIntereses& calculo) {
  return LeerTexto(calculo.data() + kDespFecha, kAnchoFecha);
}

void PonerFechaCalculoIntereses(CalculoIntereses& calculo, std::string_view fecha) {
  EscribirTexto(calculo.data() + kDespFecha, fecha, kAnchoFecha);
}

double TotalIntereses(const CalculoIntereses& calculo) { return LeerDoble(calculo.data() + kDespTotal); }

void CalcularIntereses(CalculoIntereses& calculo) {
  const std::string fecha = FechaCalculoIntereses(calculo);
  double total = 0.0;
  for (int r = 0; r < kFilasIntereses; ++r) {
    SFilaIntereses f = LeerFilaIntereses(calculo, r);
    SInteresFila resultado;
    if (!Vacio(fecha) && !Vacio(f.ano) && f.importe != 0.0) {
      if (EsDevolucion(f.sentido) && !Vacio(f.inicio) && marco::FechaOchoCifrasValida(f.inicio)) {
        resultado = CalcularInteresFila(f.importe, f.inicio, fecha);
      } else if (f.sentido == 'I') {
        if (const SPlazoDeclaracion* plazo = PlazoDeclaracion(NumeroAno(f.ano))) {
          f.inicio = std::string(plazo->finPresentacion);
          resultado = CalcularInteresFila(f.importe, f.inicio, fecha);
        }
      }
    }
    f.dias = resultado.dias;
    f.interes = resultado.interes;
    total += resultado.interes;
    EscribirFilaIntereses(calculo, r, f);
  }
  EscribirDoble(calculo.data() + kDespTotal, total);
}

// ---- the computation dialog ----

namespace {

constexpr int kRecursoCalculo = 179;
constexpr int kIdFechaCalculo = 1159;
constexpr int kIdTotal = 1472;
constexpr int kIdAyuda = 1268;
constexpr int kIdsAno[] = {1517, 1518, 1521, 1522, 1523, 1525, 1527, 1529};
constexpr int kIdsImporte[] = {1397, 1401, 1404, 1408, 1413, 1417, 1420, 1423};
constexpr int kIdsSentido[] = {1530, 1531, 1533, 1535, 1537, 1541, 1545, 1565};
constexpr int kIdsInicio[] = {1568, 1571, 1574, 1576, 1578, 1579, 1580, 1582};
constexpr int kIdsDias[] = {1520, 1550, 1552, 1554, 1556, 1558, 1560, 1562};
constexpr int kIdsInteres[] = {1440, 1442, 1445, 1449, 1453, 1457, 1462, 1467};

int FilaDe(const int (&ids)[kFilasIntereses], int id) {
  for (int r = 0; r < kFilasIntereses; ++r) {
    if (ids[r] == id) return r;
  }
  return -1;
}

constexpr std::string_view kTituloCalculo = "CALCULO DE INTERESES DE DEMORA:";

marco::CPlantillaDialogo PlantillaCalculo() {
  constexpr int kX = 6;
  constexpr int kAncho = 420;
  constexpr int kYCabecera = 26;
  constexpr int kYPrimera = 46;
  constexpr int kAltoFila = 15;
  constexpr int xs[] = {kX, 44, 118, 150, 210, 250};
  constexpr int ws[] = {34, 70, 28, 56, 36, 70};
  constexpr std::string_view cabeceras[] = {"Ejercicio", "Importe", "I=Ingresar\nD=Devolver", "Fecha inicio",
                                            "D\xED" "as", "Intereses"};
  marco::CPlantillaDialogo p(kAncho, kYPrimera + kAltoFila * kFilasIntereses + 80, kTituloCalculo);
  p.Estatico(-1, "Fecha de c\xE1lculo:", {kX, 8, 70, 10});
  p.Edicion(kIdFechaCalculo, {80, 6, 56, 12}, 0, 10);
  for (int c = 0; c < 6; ++c) p.Estatico(-1, cabeceras[c], {xs[c], kYCabecera, ws[c], 18});
  for (int r = 0; r < kFilasIntereses; ++r) {
    const int y = kYPrimera + kAltoFila * r;
    p.Edicion(kIdsAno[r], {xs[0], y, ws[0], 12}, 0, 4);
    p.Importe(kIdsImporte[r], {xs[1], y, ws[1], 12}, 13);
    p.Edicion(kIdsSentido[r], {xs[2], y, ws[2] - 8, 12}, marco::kEdicionMayusculas, 1);
    p.Edicion(kIdsInicio[r], {xs[3], y, ws[3], 12}, 0, 10);
    p.Importe(kIdsDias[r], {xs[4], y, ws[4], 12}, 6);
    p.Importe(kIdsInteres[r], {xs[5], y, ws[5], 12}, 13);
  }
  const int yTotal = kYPrimera + kAltoFila * kFilasIntereses + 4;
  p.Estatico(-1, "Total intereses", {xs[4] - 30, yTotal + 2, 64, 10});
  p.Importe(kIdTotal, {xs[5], yTotal, ws[5], 12}, 13);
  p.Estatico(kIdAyuda, "", {kX, yTotal + 18, kAncho - 2 * kX, 10});
  const int yBotones = yTotal + 34;
  p.Aceptar({kAncho - 194, yBotones, 60, 18}).Cancelar({kAncho - 130, yBotones, 60, 18});
  p.Ayuda({kAncho - 66, yBotones, 60, 18});
  return p;
}

}  // namespace

CDlgCalculoIntereses::CDlgCalculoIntereses(wxWindow* padre)
    : marco::CTemplateDlg(kRecursoCalculo, padre), m_strTituloBase(kTituloCalculo) {
  Plantilla() = PlantillaCalculo();
}

void CDlgCalculoIntereses::PonerTitular(std::uint8_t titular) {
  std::string_view nombre;
  switch (titular) {
    case 1: nombre = "CONJUNTA"; break;
    case 2: nombre = "DECLARANTE"; break;
    case 3: nombre = "C\xD3NYUGE"; break;
    default: break;
  }
  Plantilla().Titulo(nombre.empty() ? m_strTituloBase : m_strTituloBase + " " + std::string(nombre));
}

void CDlgCalculoIntereses::EnlazarCampos() {
  marco::SEnlaceControl fecha;
  fecha.mostrar = [this] { return FechaVisible(FechaCalculoIntereses(m_copia)); };
  fecha.guardar = [this](std::string_view texto) {
    const std::optional<std::string> f = FechaTecleada(texto);
    if (!f) {
      marco::CDlgMensaje().MostrarMensaje("FECHAM", marco::IconoMano);
      return false;
    }
    PonerFechaCalculoIntereses(m_copia, *f);
    return true;
  };
  CDialogoBase::Enlazar(kIdFechaCalculo, std::move(fecha));

  for (int r = 0; r < kFilasIntereses; ++r) {
    unsigned char* fila = Fila(m_copia, r);
    marco::SEnlaceControl ano;
    ano.mostrar = [fila] {
      const std::string t = LeerTexto(fila + kFilaAno, kAnchoAno);
      return Vacio(t) ? std::string() : std::string(plataforma::RecortaDerecha(t));
    };
    ano.guardar = [fila](std::string_view texto) {
      const std::string_view limpio = plataforma::Recorta(texto);
      if (limpio.empty()) {
        std::memset(fila + kFilaAno, 0, kAnchoAno);
        return true;
      }
      if (NumeroAno(limpio) == 0) {
        marco::CDlgMensaje().MostrarMensaje("CVANO1", marco::IconoAsterisco);
        return false;
      }
      std::memcpy(fila + kFilaAno, limpio.data(), kAnchoAno);
      return true;
    };
    CDialogoBase::Enlazar(kIdsAno[r], std::move(ano));

    marco::SEnlaceControl importe;
    importe.mostrar = [fila] { return marco::TextoImporteDialogo(LeerDoble(fila + kFilaImporte), 0, false); };
    importe.guardar = [fila](std::string_view texto) {
      double valor = 0.0;
      if (!marco::LeerImporteDialogo(texto, valor) || !std::isfinite(valor) || valor < 0.0 ||
          valor > kImporteMaximoCapital || std::trunc(valor) != valor) {
        return false;
      }
      EscribirDoble(fila + kFilaImporte, valor);
      return true;
    };
    importe.maximo = kImporteMaximoCapital;
    CDialogoBase::Enlazar(kIdsImporte[r], std::move(importe));

    marco::SEnlaceControl sentido;
    sentido.mostrar = [fila] {
      const char c = static_cast<char>(fila[kFilaSentido]);
      return Vacio(std::string_view(&c, 1)) ? std::string() : std::string(1, c);
    };
    sentido.guardar = [fila](std::string_view texto) {
      const std::string_view limpio = plataforma::Recorta(texto);
      if (limpio.empty()) {
        fila[kFilaSentido] = 0;
        return true;
      }
      const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(limpio[0])));
      if (limpio.size() != 1 || (c != 'I' && !EsDevolucion(c))) {
        marco::CDlgMensaje().MostrarMensaje(marco::kMensajeCodigoNoExiste, marco::IconoExclamacion);
        return false;
      }
      fila[kFilaSentido] = static_cast<unsigned char>(c);
      return true;
    };
    CDialogoBase::Enlazar(kIdsSentido[r], std::move(sentido));

    marco::SEnlaceControl inicio;
    inicio.mostrar = [fila] { return FechaVisible(LeerTexto(fila + kFilaInicio, kAnchoFecha)); };
    inicio.guardar = [fila](std::string_view texto) {
      const std::optional<std::string> f = FechaTecleada(texto);
      if (!f) {
        marco::CDlgMensaje().MostrarMensaje("FECHAM", marco::IconoMano);
        return false;
      }
      std::memcpy(fila + kFilaInicio, f->data(), kAnchoFecha);
      return true;
    };
    CDialogoBase::Enlazar(kIdsInicio[r], std::move(inicio));

    marco::SEnlaceControl dias;
    dias.mostrar = [fila] { return marco::TextoImporteDialogo(LeerDoble(fila + kFilaDias), 0, false); };
    dias.guardar = [](std::string_view) { return true; };
    CDialogoBase::Enlazar(kIdsDias[r], std::move(dias));
    marco::SEnlaceControl interes;
    interes.mostrar = [fila] { return marco::TextoImporteDialogo(LeerDoble(fila + kFilaInteres), 0, false); };
    interes.guardar = [](std::string_view) { return true; };
    CDialogoBase::Enlazar(kIdsInteres[r], std::move(interes));
  }
  marco::SEnlaceControl total;
  total.mostrar = [this] { return marco::TextoImporteDialogo(TotalIntereses(m_copia), 0, false); };
  total.guardar = [](std::string_view) { return true; };
  CDialogoBase::Enlazar(kIdTotal, std::move(total));
}

int CDlgCalculoIntereses::OnInitDialog() {
  marco::CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  EnlazarCampos();
  HabilitarFilas();
  ActualizarDatos(0);
  return 1;
}

void CDlgCalculoIntereses::HabilitarFilas() {
  for (int r = 0; r < kFilasIntereses; ++r) {
    const SFilaIntereses f = LeerFilaIntereses(m_copia, r);
    const bool ano = !Vacio(f.ano);
    HabilitarControl(kIdsSentido[r], ano);
    HabilitarControl(kIdsInicio[r], ano && EsDevolucion(f.sentido));
    HabilitarControl(kIdsDias[r], false);
    HabilitarControl(kIdsInteres[r], false);
  }
  HabilitarControl(kIdTotal, false);
}

bool CDlgCalculoIntereses::ComprobarFechaInicio(int fila) {
  const SFilaIntereses f = LeerFilaIntereses(m_copia, fila);
  const SPlazoDeclaracion* plazo = PlazoDeclaracion(NumeroAno(f.ano));
  const std::string calculo = FechaCalculoIntereses(m_copia);
  // A start date is a valid date within [first refund day of its year, computation day] (no computation day yet:
  // no upper bound); an empty one waits.
  if (Vacio(f.inicio)) return true;
  return plazo != nullptr && marco::FechaOchoCifrasValida(f.inicio) &&
         marco::CValidador::ValidarFechaCampo(f.inicio, plazo->primerDiaDevolucion, calculo, 1, 0) != 0;
}

bool CDlgCalculoIntereses::ComprobarFechasDevolucion() {
  bool correctas = true;
  for (int r = 0; r < kFilasIntereses; ++r) {
    SFilaIntereses f = LeerFilaIntereses(m_copia, r);
    if (Vacio(f.ano) || f.importe == 0.0 || !EsDevolucion(f.sentido) || ComprobarFechaInicio(r)) continue;
    f.inicio = std::string(kAnchoFecha, ' ');
    EscribirFilaIntereses(m_copia, r, f);
    correctas = false;
  }
  if (!correctas) {
    ActualizarDatos(0);
    marco::CDlgMensaje().MostrarMensaje("FECHAM", marco::IconoMano);
  }
  return correctas;
}

void CDlgCalculoIntereses::Recalcular() {
  CalcularTodo();
  HabilitarFilas();
  ActualizarDatos(0);
}

void CDlgCalculoIntereses::CambiarAno(int fila) {
  SFilaIntereses f = LeerFilaIntereses(m_copia, fila);
  if (Vacio(f.ano)) {
    f = SFilaIntereses{};
    EscribirFilaIntereses(m_copia, fila, f);
  } else if (!AnoAdmitidoIntereses(m_nModo, NumeroAno(f.ano))) {
    f.ano.clear();
    EscribirFilaIntereses(m_copia, fila, f);
    ActualizarDatos(0);
    marco::CDlgMensaje().MostrarMensaje("CVANO1", marco::IconoAsterisco);
    return;
  }
  ComprobarFechasDevolucion();
  Recalcular();
}

int CDlgCalculoIntereses::AlSalirDeCampo(int id) {
  if (!PermitirSalidaCampo()) return 1;
  if (id == kIdFechaCalculo) {
    std::array<char, kAnchoFecha> fecha{};
    std::memcpy(fecha.data(), m_copia.data() + kDespFecha, kAnchoFecha);
    if (!Vacio(std::string_view(fecha.data(), kAnchoFecha)) &&
        marco::CValidador().ValidarCampo(19, fecha.data()) == 0) {
      PonerFechaCalculoIntereses(m_copia, std::string(kAnchoFecha, ' '));
      ComprobarFechasDevolucion();
      ActualizarDatos(0);
      PonerFoco(kIdFechaCalculo);
      return 0;
    }
    ComprobarFechasDevolucion();
    Recalcular();
    return 1;
  }
  if (const int r = FilaDe(kIdsAno, id); r >= 0) {
    if (LeerTexto(Fila(m_copia, r) + kFilaAno, kAnchoAno) != m_anoAlEntrar) CambiarAno(r);
    return 1;
  }
  if (FilaDe(kIdsImporte, id) >= 0 || FilaDe(kIdsSentido, id) >= 0) {
    ComprobarFechasDevolucion();
    Recalcular();
    return 1;
  }
  if (const int r = FilaDe(kIdsInicio, id); r >= 0) {
    if (!ComprobarFechaInicio(r)) {
      SFilaIntereses f = LeerFilaIntereses(m_copia, r);
      f.inicio = std::string(kAnchoFecha, ' ');
      EscribirFilaIntereses(m_copia, r, f);
      ActualizarDatos(0);
      marco::CDlgMensaje().MostrarMensaje("FECHAM", marco::IconoMano);
      PonerFoco(id);
      return 0;
    }
    Recalcular();
    return 1;
  }
  return 1;
}

int CDlgCalculoIntereses::AlEntrarEnCampo(int id) {
  std::string_view ayuda;
  if (id == kIdFechaCalculo) {
    ayuda = "Fechas v\xE1lidas: De 02/05/2000 a 31/12/2000";
  } else if (const int r = FilaDe(kIdsAno, id); r >= 0) {
    m_anoAlEntrar = LeerTexto(Fila(m_copia, r) + kFilaAno, kAnchoAno);
    switch (m_nModo) {
      case 1: ayuda = "Ejercicios v\xE1lidos: De 1988 a 1996"; break;
      case 2: ayuda = "Ejercicios v\xE1lidos: 1997 y 1998"; break;
      case 3: ayuda = "Ejercicio v\xE1lido: 1998"; break;
      default: break;
    }
  }
  PonerTextoControl(kIdAyuda, ayuda);
  return 1;
}

int CDlgCalculoIntereses::AlComando(int id, int) {
  if (id != marco::kIdBotonAyuda) return 0;
  if (Ventana() != nullptr) Ventana()->MostrarAyuda(kContextoAyudaIntereses);
  return 1;
}

void CDlgCalculoIntereses::OnOK() {
  ActualizarDatos(1);
  // The figures shown are the ones kept: the computation is run once more on what was typed last.
  CalcularTodo();
  m_recibido = m_copia;
  marco::CTemplateDlg::OnOK();
}

// ---- the holder entries ----

namespace {

constexpr int kRecursoIntereses = 207;
constexpr int kIdsTitular[] = {1273, 1284, 1295};
constexpr int kIdsTotal[] = {1199, 1206, 1214};
constexpr int kIdsDesglose[] = {1373, 1374, 1375};

constexpr SFormaBloque kFormaIntereses{kEntradasIntereses, 1, kTamanoEntradaIntereses, 0, true};

marco::CPlantillaDialogo PlantillaIntereses() {
  constexpr int kX = 6;
  constexpr int kAncho = 200;
  constexpr int kYPrimera = 26;
  constexpr int kAltoFila = 18;
  marco::CPlantillaDialogo p(kAncho, kYPrimera + kAltoFila * kEntradasIntereses + 60, "INTERESES DE DEMORA");
  p.Estatico(-1, "Titular", {kX, 8, 34, 16});
  p.Estatico(-1, "Intereses", {44, 8, 70, 16});
  p.Estatico(-1, "Desglose", {120, 8, 40, 16});
  for (int e = 0; e < kEntradasIntereses; ++e) {
    const int y = kYPrimera + kAltoFila * e;
    p.Edicion(kIdsTitular[e], {kX, y, 30, 12}, marco::kEdicionMayusculas, 1);
    p.Importe(kIdsTotal[e], {44, y, 70, 12}, 13);
    p.Boton(kIdsDesglose[e], "Prop.", {120, y - 1, 36, 14});
  }
  const int yAyuda = kYPrimera + kAltoFila * kEntradasIntereses + 4;
  p.Estatico(kIdAyudaTitularLineas, "", {kX, yAyuda, kAncho - 2 * kX, 18});
  const int yBotones = yAyuda + 24;
  p.Aceptar({kAncho - 194, yBotones, 60, 18}).Cancelar({kAncho - 130, yBotones, 60, 18});
  p.Ayuda({kAncho - 66, yBotones, 60, 18});
  return p;
}

}  // namespace

CDlgInteresesDemora::CDlgInteresesDemora(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgImportesTitulares(kRecursoIntereses, padre, segundoParametro, kFormaIntereses,
                            {kIdsTitular[0], kIdsTitular[1], kIdsTitular[2], kIdsTotal[0], kIdsTotal[1], kIdsTotal[2]},
                            kIdAyudaTitularLineas, kContextoAyudaIntereses) {
  Plantilla() = PlantillaIntereses();
}

CalculoIntereses CDlgInteresesDemora::Calculo(int entrada) const {
  CalculoIntereses c{};
  if (entrada < 0 || entrada >= kEntradasIntereses) return c;
  const auto& resto = Copia()[static_cast<std::size_t>(entrada)].resto;
  std::copy_n(resto.begin(), kTamanoCalculoIntereses, c.begin());
  return c;
}

void CDlgInteresesDemora::PonerCalculo(int entrada, const CalculoIntereses& calculo) {
  if (entrada < 0 || entrada >= kEntradasIntereses) return;
  SEntradaTitular& e = Copia()[static_cast<std::size_t>(entrada)];
  std::copy(calculo.begin(), calculo.end(), e.resto.begin());
  e.importes[0] = TotalIntereses(calculo);
}

int CDlgInteresesDemora::EjecutarCalculo(CDlgCalculoIntereses& dlg) { return dlg.DoModal(); }

void CDlgInteresesDemora::Desglose(int entrada) {
  if (entrada < 0 || entrada >= kEntradasIntereses) return;
  const std::uint8_t titular = TitularDeEntrada(entrada);
  if (titular == 0) return;
  CDlgCalculoIntereses dlg(Padre());
  dlg.m_recibido = Calculo(entrada);
  dlg.PonerTitular(titular);
  dlg.PonerModo(Variante());
  dlg.FijarEntorno(Entorno());
  dlg.PonerCodigoSujeto(CodigoSujeto());
  if (EjecutarCalculo(dlg) != marco::kDialogoAceptado) return;
  // A person's share seen alone is not stored: only an editable entry takes the new computation.
  if (!TodasLasEntradas() || Bloqueado()) return;
  PonerCalculo(entrada, dlg.m_recibido);
  ActualizarDatos(0);
}

int CDlgInteresesDemora::AlComando(int id, int codigo) {
  for (int e = 0; e < kEntradasIntereses; ++e) {
    if (kIdsDesglose[e] == id) {
      Desglose(e);
      return 1;
    }
  }
  return CDlgImportesTitulares::AlComando(id, codigo);
}

void RegistrarDlgInteresesDemora() {
  RegistrarRejilla<CDlgInteresesDemora>(kVentanaInteresesDemora, kFormaIntereses.TamanoBloque());
}

}  // namespace dialogos
