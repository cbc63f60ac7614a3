#include "dialogs/DlgGanancias.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>

#include "framework/DialogoPlantilla.h"
#include "framework/DlgMensaje.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"
#include "framework/ReferenciaReglas.h"
#include "framework/Validador.h"
#include "platform/Texto.h"
#include "ximardol.h"

namespace dialogos {

// ---- the element record ----

void CRegistroElemento::Asignar(std::span<const unsigned char> origen) {
  std::fill(m_octetos.begin(), m_octetos.end(), 0);
  std::memcpy(m_octetos.data(), origen.data(), std::min(origen.size(), m_octetos.size()));
}

void CRegistroElemento::Volcar(std::span<unsigned char> destino) const {
  std::memcpy(destino.data(), m_octetos.data(), std::min(destino.size(), m_octetos.size()));
}

double CRegistroElemento::Doble(std::size_t desp) const {
  double valor = 0.0;
  if (desp + sizeof(valor) <= m_octetos.size()) std::memcpy(&valor, m_octetos.data() + desp, sizeof(valor));
  return valor;
}

void CRegistroElemento::PonerDoble(std::size_t desp, double valor) {
  if (desp + sizeof(valor) <= m_octetos.size()) std::memcpy(m_octetos.data() + desp, &valor, sizeof(valor));
}

std::int32_t CRegistroElemento::Entero(std::size_t desp) const {
  std::int32_t valor = 0;
  if (desp + sizeof(valor) <= m_octetos.size()) std::memcpy(&valor, m_octetos.data() + desp, sizeof(valor));
  return valor;
}

void CRegistroElemento::PonerEntero(std::size_t desp, std::int32_t valor) {
  if (desp + sizeof(valor) <= m_octetos.size()) std::memcpy(m_octetos.data() + desp, &valor, sizeof(valor));
}

void CRegistroElemento::PonerOcteto(std::size_t desp, unsigned char valor) {
  if (desp < m_octetos.size()) m_octetos[desp] = valor;
}

std::string_view CRegistroElemento::Texto(std::size_t desp, std::size_t ancho) const {
  if (desp + ancho > m_octetos.size()) return {};
  return {reinterpret_cast<const char*>(m_octetos.data() + desp), ancho};
}

void CRegistroElemento::PonerTexto(std::size_t desp, std::string_view texto, std::size_t ancho) {
  if (desp + ancho > m_octetos.size()) return;
  for (std::size_t i = 0; i < ancho; ++i) {
    m_octetos[desp + i] = static_cast<unsigned char>(i < texto.size() ? texto[i] : ' ');
  }
}

int CRegistroElemento::Numero(std::size_t desp, std::size_t ancho) const {
  const std::string_view texto = Texto(desp, ancho);
  if (texto.empty()) return 0;
  int numero = 0;
  for (const char c : texto) {
    if (c < '0' || c > '9') return 0;
    numero = numero * 10 + (c - '0');
  }
  return numero;
}

bool FechaVacia(std::string_view fecha) { return fecha.empty() || fecha[0] == ' ' || fecha[0] == '\0'; }

void RecalcularElemento(CRegistroElemento& registro) {
  if (registro.Tamano() == kTamanoElementoF3) {
    auto seccion = std::make_unique<RegApartadoF3>();
    std::memset(seccion->octetos, 0, sizeof(seccion->octetos));
    std::memcpy(seccion->octetos, registro.Datos(), kTamanoElementoF3);
    Calculos100F3(seccion.get(), 1);
    std::memcpy(registro.Datos(), seccion->octetos, kTamanoElementoF3);
  } else if (registro.Tamano() == kTamanoElementoF2) {
    auto seccion = std::make_unique<RegApartadoF2>();
    std::memset(seccion->octetos, 0, sizeof(seccion->octetos));
    std::memcpy(seccion->octetos, registro.Datos(), kTamanoElementoF2);
    Calculos100F2(seccion.get(), 1);
    std::memcpy(registro.Datos(), seccion->octetos, kTamanoElementoF2);
  }
}

namespace {

// Whole pesetas of at most ten digits.
constexpr double kImporteMaximo = 9999999999.0;
// "9.999.999.999"
constexpr int kLongitudImporte = 13;
constexpr std::size_t kAnchoFecha = 8;
constexpr std::size_t kAnchoAno = 4;

// An amount box bound to a double of the record: a whole, not negative amount of ten digits at most. A text that is
// not such an amount changes nothing.
void EnlazarImporteElemento(marco::CDialogoBase& dlg, int id, CRegistroElemento& registro, std::size_t desp) {
  marco::SEnlaceControl enlace;
  enlace.mostrar = [&registro, desp] { return marco::TextoImporteDialogo(registro.Doble(desp), 0, false); };
  enlace.guardar = [&registro, desp](std::string_view texto) {
    double leido = 0.0;
    if (!marco::LeerImporteDialogo(texto, leido)) return false;
    if (!std::isfinite(leido) || leido < 0.0 || leido > kImporteMaximo || std::trunc(leido) != leido) return false;
    registro.PonerDoble(desp, leido == 0.0 ? 0.0 : leido);
    return true;
  };
  enlace.maximo = kImporteMaximo;
  dlg.Enlazar(id, std::move(enlace));
}

// A date box over eight characters ddmmaaaa, shown dd/mm/aaaa: typed with or without the strokes; an empty box
// leaves eight blanks. Anything else changes nothing.
void EnlazarFechaElemento(marco::CDialogoBase& dlg, int id, CRegistroElemento& registro, std::size_t desp) {
  marco::SEnlaceControl enlace;
  enlace.mostrar = [&registro, desp] {
    const std::string_view f = registro.Texto(desp, kAnchoFecha);
    if (FechaVacia(f)) return std::string();
    std::string texto(f.substr(0, 2));
    texto += '/';
    texto += f.substr(2, 2);
    texto += '/';
    texto += f.substr(4, 4);
    return texto;
  };
  enlace.guardar = [&registro, desp](std::string_view texto) {
    std::string cifras;
    for (const char c : texto) {
      if (c == '/' || c == ' ') continue;
      if (c < '0' || c > '9') return false;
      cifras += c;
    }
    if (cifras.empty()) {
      // A date that was already empty stays as it was (a new record holds NULs).
      if (!FechaVacia(registro.Texto(desp, kAnchoFecha))) registro.PonerTexto(desp, {}, kAnchoFecha);
      return true;
    }
    if (cifras.size() != kAnchoFecha) return false;
    registro.PonerTexto(desp, cifras, kAnchoFecha);
    return true;
  };
  dlg.Enlazar(id, std::move(enlace));
}

// A year box of four digits; empty leaves four blanks.
void EnlazarAnoElemento(marco::CDialogoBase& dlg, int id, CRegistroElemento& registro, std::size_t desp) {
  marco::SEnlaceControl enlace;
  enlace.mostrar = [&registro, desp] {
    const std::string_view a = registro.Texto(desp, kAnchoAno);
    std::string texto;
    for (const char c : a) {
      if (c == '\0') break;
      texto += c;
    }
    return std::string(plataforma::Recorta(texto));
  };
  enlace.guardar = [&registro, desp](std::string_view texto) {
    const std::string limpio(plataforma::Recorta(texto));
    if (limpio.empty()) {
      registro.PonerTexto(desp, {}, kAnchoAno);
      return true;
    }
    if (limpio.size() > kAnchoAno || !std::all_of(limpio.begin(), limpio.end(), [](char c) {
          return c >= '0' && c <= '9';
        })) {
      return false;
    }
    registro.PonerTexto(desp, limpio, kAnchoAno);
    return true;
  };
  dlg.Enlazar(id, std::move(enlace));
}

// A one-character mark: "X" stores 1, anything else 0.
bool TextoMarcado(std::string_view texto) {
  const std::string limpio(plataforma::Recorta(texto));
  return limpio == "X" || limpio == "x";
}

void EnlazarMarcaElemento(marco::CDialogoBase& dlg, int id, CRegistroElemento& registro, std::size_t desp) {
  marco::SEnlaceControl enlace;
  enlace.mostrar = [&registro, desp] { return std::string(registro.Octeto(desp) == 1 ? "X" : ""); };
  enlace.guardar = [&registro, desp](std::string_view texto) {
    registro.PonerOcteto(desp, TextoMarcado(texto) ? 1 : 0);
    return true;
  };
  dlg.Enlazar(id, std::move(enlace));
}

int Mensaje(std::string_view codigo, int icono) { return marco::CDlgMensaje().MostrarMensaje(codigo, icono); }

// The date check of type 5 on eight characters of the record; a blank date passes.
bool FechaValida(const CRegistroElemento& registro, std::size_t desp) {
  const std::string_view f = registro.Texto(desp, kAnchoFecha);
  if (FechaVacia(f)) return true;
  char fecha[kAnchoFecha + 1] = {};
  std::memcpy(fecha, f.data(), kAnchoFecha);
  marco::CValidador validador;
  return validador.ValidarCampo(5, fecha) != 0;
}

// The number of the last four characters of a date (0 when they are not digits).
int AnoDeFecha(const CRegistroElemento& registro, std::size_t desp) { return registro.Numero(desp + 4, kAnchoAno); }

void Ayuda(marco::CDialogoBase& dlg, int contexto) {
  if (dlg.Ventana() != nullptr) dlg.Ventana()->MostrarAyuda(contexto);
}

}  // namespace

// ---- transmission value ----

CDlgValorTransmisionBase::CDlgValorTransmisionBase(const SFormaTransmision& forma, wxWindow* padre,
                                                   std::int32_t segundoParametro)
    : CTemplateDlg(forma.recurso, padre, segundoParametro),
      m_recibido(forma.tamano),
      m_forma(forma),
      m_copia(forma.tamano) {
  marco::CPlantillaDialogo p(300, 188, "VALOR DE TRANSMISI\xD3N, IMPUTACI\xD3N Y REINVERSI\xD3N");
  constexpr int kXEtiqueta = 8;
  constexpr int kXCampo = 214;
  constexpr int kAncho = 76;
  const auto fila = [&](int y, int id, const char* texto) {
    p.Estatico(-1, texto, {kXEtiqueta, y + 2, kXCampo - kXEtiqueta - 4, 10});
    p.Importe(id, {kXCampo, y, kAncho, 12}, kLongitudImporte);
  };
  p.Estatico(-1, "Licencia de auto-taxi (marque una X)", {kXEtiqueta, 10, 200, 10});
  p.Edicion(kIdMarcaTaxi, {kXCampo, 8, 14, 12}, marco::kEdicionMayusculas, 1);
  if (forma.despMarcaRustica >= 0) {
    p.Estatico(-1, "Finca r\xFAstica (Real Decreto 660/1996) (marque una X)", {kXEtiqueta, 28, 200, 10});
    p.Edicion(kIdMarcaRustica, {kXCampo, 26, 14, 12}, marco::kEdicionMayusculas, 1);
  }
  p.Estatico(-1, "Fecha de la transmisi\xF3n", {kXEtiqueta, 46, 200, 10});
  p.Edicion(forma.idFecha, {kXCampo, 44, kAncho, 12}, 0, 10);
  fila(62, kIdTransmision, "Importe de la transmisi\xF3n");
  fila(80, kIdGastosTransmision, "Gastos y tributos de la transmisi\xF3n");
  fila(98, kIdCobrado, "Importe cobrado en 1999 (operaciones a plazos)");
  fila(116, kIdReinvertido, "Importe reinvertido");
  fila(134, kIdPrestamo, "Pr\xE9stamo pendiente de la vivienda transmitida");
  p.Aceptar({108, 162, 60, 18}).Cancelar({172, 162, 60, 18}).Ayuda({236, 162, 60, 18});
  Plantilla() = p;
}

void CDlgValorTransmisionBase::Vaciar(int id, std::size_t desp, bool doble) {
  if (doble) {
    m_copia.PonerDoble(desp, 0.0);
  } else {
    m_copia.PonerOcteto(desp, 0);
  }
  HabilitarControl(id, false);
  PonerTextoControl(id, " ");
}

int CDlgValorTransmisionBase::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  const bool rustica = m_forma.despMarcaRustica >= 0;
  const auto despRustica = static_cast<std::size_t>(rustica ? m_forma.despMarcaRustica : 0);
  // Never both marks: a record that holds both keeps the taxi licence.
  if (rustica && m_copia.Octeto(m_forma.despMarcaTaxi) == 1 && m_copia.Octeto(despRustica) == 1) {
    m_copia.PonerOcteto(despRustica, 0);
  }
  EnlazarMarcaElemento(*this, kIdMarcaTaxi, m_copia, m_forma.despMarcaTaxi);
  if (rustica) EnlazarMarcaElemento(*this, kIdMarcaRustica, m_copia, despRustica);
  EnlazarFechaElemento(*this, m_forma.idFecha, m_copia, m_forma.despFecha);
  EnlazarImporteElemento(*this, kIdTransmision, m_copia, m_forma.despTransmision);
  EnlazarImporteElemento(*this, kIdGastosTransmision, m_copia, m_forma.despGastos);
  EnlazarImporteElemento(*this, kIdCobrado, m_copia, m_forma.despCobrado);
  EnlazarImporteElemento(*this, kIdReinvertido, m_copia, m_forma.despReinvertido);
  EnlazarImporteElemento(*this, kIdPrestamo, m_copia, m_forma.despPrestamo);
  marco::ActualizarDatosHijos(*this, 0);
  if (Bloqueado()) return 1;  // every edit stays locked

  const bool afecto = m_copia.Octeto(kDespAfecto) == 1;
  if (rustica) {
    // Section F3: both marks belong to business assets only.
    const std::int32_t clase = m_copia.Entero(kDespClaseElemento);
    HabilitarControl(kIdMarcaTaxi, afecto);
    HabilitarControl(kIdMarcaRustica, afecto);
    if (!afecto) {
      HabilitarControl(kIdPrestamo, clase == 1);
      if (clase != 1) Vaciar(kIdReinvertido, m_forma.despReinvertido, true);
    } else {
      Vaciar(kIdPrestamo, m_forma.despPrestamo, true);
      if (clase != 4) Vaciar(kIdMarcaTaxi, m_forma.despMarcaTaxi, false);
      if (clase == 3) Vaciar(kIdMarcaRustica, despRustica, false);
    }
  } else if (!afecto) {
    Vaciar(kIdMarcaTaxi, m_forma.despMarcaTaxi, false);
    HabilitarControl(kIdPrestamo, true);
  } else {
    HabilitarControl(kIdMarcaTaxi, true);
    Vaciar(kIdPrestamo, m_forma.despPrestamo, true);
  }
  return 1;
}

int CDlgValorTransmisionBase::AlCambiarTexto(int id) {
  if (m_forma.despMarcaRustica < 0 || (id != kIdMarcaTaxi && id != kIdMarcaRustica)) return 0;
  // Marking one clears the other at once.
  const bool marcada = TextoMarcado(TextoControl(id));
  const auto despRustica = static_cast<std::size_t>(m_forma.despMarcaRustica);
  const std::size_t desp = id == kIdMarcaTaxi ? m_forma.despMarcaTaxi : despRustica;
  const std::size_t otra = id == kIdMarcaTaxi ? despRustica : m_forma.despMarcaTaxi;
  m_copia.PonerOcteto(desp, marcada ? 1 : 0);
  if (marcada && m_copia.Octeto(otra) != 0) {
    m_copia.PonerOcteto(otra, 0);
    PonerTextoControl(id == kIdMarcaTaxi ? kIdMarcaRustica : kIdMarcaTaxi, "");
  }
  return 0;
}

int CDlgValorTransmisionBase::AlSalirDeCampo(int id) {
  if (!PermitirSalidaCampo()) return 0;
  if (id != m_forma.idFecha) return 1;
  if (FechaValida(m_copia, m_forma.despFecha)) return 1;
  PonerFoco(id);
  return 0;
}

int CDlgValorTransmisionBase::AlComando(int id, int) {
  if (id != marco::kIdBotonAyuda) return 0;
  Ayuda(*this, m_forma.ayuda);
  return 1;
}

bool CDlgValorTransmisionBase::Comprobar() {
  const double t = m_copia.Doble(m_forma.despTransmision);
  const double g = m_copia.Doble(m_forma.despGastos);
  const double c = m_copia.Doble(m_forma.despCobrado);
  const double r = m_copia.Doble(m_forma.despReinvertido);
  const double p = m_copia.Doble(m_forma.despPrestamo);
  const auto falla = [](std::string_view codigo) {
    Mensaje(codigo, marco::IconoAsterisco);
    return false;
  };
  if (t < g) return falla("100V147");
  if (t < r) return falla("100V148");
  if (t < c) return falla("100V149");
  if (m_forma.compruebaAno && AnoDeFecha(m_copia, m_forma.despFecha) >= 2000) return falla("100V150");
  if (m_copia.Octeto(kDespMarcaA) == 1 && m_copia.Octeto(kDespAfecto) == 1 && r > 0.0) return falla("100V151");
  if (t <= p && p != 0.0 && t != 0.0) return falla("100V165");
  return true;
}

void CDlgValorTransmisionBase::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (!Comprobar()) return;
  if (!Bloqueado()) m_recibido = m_copia;
  CTemplateDlg::OnOK();
}

bool MarcasTransmisionCambiadas(const SFormaTransmision& forma, const CRegistroElemento& antes,
                                const CRegistroElemento& despues) {
  if (antes.Octeto(forma.despMarcaTaxi) != despues.Octeto(forma.despMarcaTaxi)) return true;
  if (forma.despMarcaRustica < 0) return false;
  const auto d = static_cast<std::size_t>(forma.despMarcaRustica);
  return antes.Octeto(d) != despues.Octeto(d);
}

// ---- acquisition value ----

namespace {

// IDD 259: "1993 y anteriores", "1994  y 1995" and four free years.
constexpr SFilaAmortizacion kFilasAdquisicionF3[] = {
    {0, 0, 1867, 0xC8, 1868, 0xD0},         {0, 0, 1871, 0x188, 1869, 0x190},
    {1874, 0x1B8, 1872, 0x1C0, 1870, 0x1C8}, {1164, 0x1D0, 1163, 0x1D8, 1165, 0x1E0},
    {1157, 0x1E8, 1158, 0x1F0, 1159, 0x1F8}, {1162, 0x200, 1160, 0x208, 1161, 0x210},
};
// IDD 1565: 1997, 1998 and 1999.
constexpr SFilaAmortizacion kFilasAdquisicionF2[] = {
    {0, 0, 1867, 0xC0, 1868, 0xC8},
    {0, 0, 1871, 0xD0, 1869, 0xD8},
    {0, 0, 1872, 0xE0, 1870, 0xE8},
};

constexpr SFormaAdquisicion kFormaAdquisicionF3{259,   902,   kTamanoElementoF3, 0x28, 0x30, 0x68, 0,
                                                0x80,  0x88,  0x90,              0x98, 0xA0, 0xA8, 0xB0,
                                                0xB8,  0xC0,  0x218,             "100V162", false,
                                                kFilasAdquisicionF3};
constexpr SFormaAdquisicion kFormaAdquisicionF2{1565,  692,   kTamanoElementoF2, 0x16, 0x1E, 0x58, 0x70,
                                                0x71,  0x80,  0x88,              0x90, 0x98, 0xA0, 0xA8,
                                                0xB0,  0xB8,  0xF0,              "100V150", true,
                                                kFilasAdquisicionF2};

// The eleven yearly values behind "1993 y anteriores" and the two behind "1994  y 1995".
constexpr std::size_t kDespAnosHasta1993 = 0xD8;
constexpr std::size_t kDespAnos9495[] = {0x198, 0x1A8};

// The layout both acquisition dialogs share; `filas` labels the depreciation rows.
marco::CPlantillaDialogo PlantillaAdquisicion(const SFormaAdquisicion& forma, const char* const* etiquetas,
                                              bool conBotones) {
  const int filas = static_cast<int>(forma.filas.size());
  const int alto = 176 + 16 * filas;
  marco::CPlantillaDialogo p(330, alto, "VALOR DE ADQUISICI\xD3N");
  constexpr int kXFecha = 130;
  constexpr int kXImporte = 178;
  constexpr int kXActualizado = 250;
  constexpr int kAncho = 68;
  int y = 8;
  if (forma.despMarcaInmueble != 0) {
    p.Estatico(-1,
               "Tipo de elemento: Si es un inmueble marque una X ......................", {8, y + 2, 240, 10});
    p.Edicion(kIdMarcaInmueble, {kXActualizado, y, 14, 12}, marco::kEdicionMayusculas, 1);
    y += 18;
  }
  p.Estatico(-1, "Fecha", {kXFecha, y, 44, 10});
  p.Estatico(-1, "Importe", {kXImporte, y, kAncho, 10});
  p.Estatico(-1, "Importe actualizado", {kXActualizado, y, 76, 10});
  y += 12;
  const auto linea = [&](const char* texto, int idFecha, int idImporte, int idActualizado) {
    p.Estatico(-1, texto, {8, y + 2, 118, 10});
    if (idFecha != 0) p.Edicion(idFecha, {kXFecha, y, 44, 12}, 0, 10);
    p.Importe(idImporte, {kXImporte, y, kAncho, 12}, kLongitudImporte);
    if (idActualizado != 0) p.Importe(idActualizado, {kXActualizado, y, kAncho, 12}, kLongitudImporte);
    y += 16;
  };
  linea("Adquisici\xF3n", kIdFechaAdquisicion, kIdImporteAdquisicion, kIdAdquisicionActualizada);
  p.Estatico(-1, "Gastos y tributos:", {8, y, 200, 10});
  y += 12;
  linea("  Primera entrada", kIdFechaGasto1, kIdGasto1, kIdGasto1Actualizado);
  linea("  Segunda entrada", kIdFechaGasto2, kIdGasto2, kIdGasto2Actualizado);
  p.Estatico(-1, "Amortizaciones:", {8, y, 200, 10});
  y += 12;
  for (int f = 0; f < filas; ++f) {
    const SFilaAmortizacion& fila = forma.filas[static_cast<std::size_t>(f)];
    const int yFila = y;
    if (fila.idAno != 0) {
      p.Estatico(-1, etiquetas[f], {8, y + 2, 60, 10});
      p.Edicion(fila.idAno, {kXFecha, y, 30, 12}, 0, 4);
      p.Importe(fila.idImporte, {kXImporte, y, kAncho, 12}, kLongitudImporte);
      p.Importe(fila.idActualizado, {kXActualizado, y, kAncho, 12}, kLongitudImporte);
      y += 16;
    } else {
      linea(etiquetas[f], 0, fila.idImporte, fila.idActualizado);
    }
    if (conBotones && f < 2) {
      p.Boton(f == 0 ? kIdBotonAmortizaciones1 : kIdBotonAmortizaciones2, "...",
              {kXActualizado + kAncho + 2, yFila, 12, 12});
    }
  }
  p.Estatico(-1, "Diferimiento por reinversi\xF3n de elementos afectos", {8, y + 2, 236, 10});
  p.Importe(kIdDiferimiento, {kXActualizado, y, kAncho, 12}, kLongitudImporte);
  y += 22;
  p.Aceptar({138, y, 60, 18}).Cancelar({202, y, 60, 18}).Ayuda({266, y, 60, 18});
  p.Tamano(330, y + 24);
  return p;
}

}  // namespace

CDlgValorAdquisicionBase::CDlgValorAdquisicionBase(const SFormaAdquisicion& forma, wxWindow* padre,
                                                   std::int32_t segundoParametro)
    : CTemplateDlg(forma.recurso, padre, segundoParametro),
      m_recibido(forma.tamano),
      m_forma(forma),
      m_copia(forma.tamano) {}

int CDlgValorAdquisicionBase::AnoElemento() const { return AnoDeFecha(m_copia, m_forma.despFechaElemento); }

void CDlgValorAdquisicionBase::Vaciar(int id, std::size_t desp) {
  m_copia.PonerDoble(desp, 0.0);
  HabilitarControl(id, false);
  PonerTextoControl(id, " ");
}

int CDlgValorAdquisicionBase::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  const SFormaAdquisicion& f = m_forma;
  if (f.despMarcaInmueble != 0) EnlazarMarcaElemento(*this, kIdMarcaInmueble, m_copia, f.despMarcaInmueble);
  EnlazarFechaElemento(*this, kIdFechaAdquisicion, m_copia, f.despFechaAdquisicion);
  EnlazarImporteElemento(*this, kIdImporteAdquisicion, m_copia, f.despAdquisicion);
  EnlazarImporteElemento(*this, kIdAdquisicionActualizada, m_copia, f.despAdquisicionActualizada);
  EnlazarFechaElemento(*this, kIdFechaGasto1, m_copia, f.despFechaGasto1);
  EnlazarImporteElemento(*this, kIdGasto1, m_copia, f.despGasto1);
  EnlazarImporteElemento(*this, kIdGasto1Actualizado, m_copia, f.despGasto1Actualizado);
  EnlazarFechaElemento(*this, kIdFechaGasto2, m_copia, f.despFechaGasto2);
  EnlazarImporteElemento(*this, kIdGasto2, m_copia, f.despGasto2);
  EnlazarImporteElemento(*this, kIdGasto2Actualizado, m_copia, f.despGasto2Actualizado);
  for (const SFilaAmortizacion& fila : f.filas) {
    if (fila.idAno != 0) EnlazarAnoElemento(*this, fila.idAno, m_copia, fila.despAno);
    EnlazarImporteElemento(*this, fila.idImporte, m_copia, fila.despImporte);
    EnlazarImporteElemento(*this, fila.idActualizado, m_copia, fila.despActualizado);
  }
  EnlazarImporteElemento(*this, kIdDiferimiento, m_copia, f.despDiferimiento);
  marco::ActualizarDatosHijos(*this, 0);
  // The updated amounts are the library's: never typed.
  for (const int id : {kIdAdquisicionActualizada, kIdGasto1Actualizado, kIdGasto2Actualizado}) {
    HabilitarControl(id, false);
  }
  for (const SFilaAmortizacion& fila : f.filas) HabilitarControl(fila.idActualizado, false);
  if (Bloqueado()) {
    HabilitarControl(kIdBotonAmortizaciones1, false);
    HabilitarControl(kIdBotonAmortizaciones2, false);
    return 1;
  }
  const bool afecto = m_copia.Octeto(kDespAfecto) == 1;
  // Expenses belong to the other elements, the deferral to business assets.
  for (const int id : {kIdFechaGasto1, kIdGasto1, kIdFechaGasto2, kIdGasto2}) HabilitarControl(id, !afecto);
  HabilitarControl(kIdDiferimiento, afecto);
  const bool sinReinversion = m_copia.Doble(f.despReinversion) == 0.0;
  if (sinReinversion || (f.despMarcaInmueble == 0 && !afecto)) Vaciar(kIdDiferimiento, f.despDiferimiento);
  AjustarFilas();
  Recalcular();
  return 1;
}

void CDlgValorAdquisicionBase::Recalcular() {
  RecalcularElemento(m_copia);
  marco::ActualizarDatosHijos(*this, 0);
}

bool CDlgValorAdquisicionBase::SalirDeFechaGasto(int id, std::size_t desp) {
  if (!FechaValida(m_copia, desp)) {
    PonerFoco(id);
    return false;
  }
  const std::string_view fecha = m_copia.Texto(desp, kAnchoFecha);
  if (FechaVacia(fecha)) return true;
  const std::string_view desde = m_copia.Texto(m_forma.despFechaElemento, kAnchoFecha);
  const std::string_view hasta = m_copia.Texto(m_forma.despFechaElemento2, kAnchoFecha);
  if (marco::CValidador::FechaEnIntervalo(fecha, desde, hasta) != 0) return true;
  if (Mensaje(m_forma.mensajeFechaGasto, marco::IconoAsterisco) != marco::kBotonCorregir) return true;
  m_copia.PonerTexto(desp, {}, kAnchoFecha);
  marco::ActualizarDatosHijos(*this, 0);
  PonerFoco(id);
  return false;
}

int CDlgValorAdquisicionBase::AlSalirDeCampo(int id) {
  if (!PermitirSalidaCampo()) return 0;
  bool sale = true;
  if (id == kIdFechaAdquisicion) {
    sale = FechaValida(m_copia, m_forma.despFechaAdquisicion);
    if (!sale) PonerFoco(id);
  } else if (id == kIdFechaGasto1) {
    sale = SalirDeFechaGasto(id, m_forma.despFechaGasto1);
  } else if (id == kIdFechaGasto2) {
    sale = SalirDeFechaGasto(id, m_forma.despFechaGasto2);
  } else {
    sale = SalirDeAno(id);
  }
  Recalcular();
  return sale ? 1 : 0;
}

int CDlgValorAdquisicionBase::AlComando(int id, int) {
  if (id != marco::kIdBotonAyuda) return 0;
  Ayuda(*this, m_forma.ayuda);
  return 1;
}

bool CDlgValorAdquisicionBase::Comprobar() {
  const SFormaAdquisicion& f = m_forma;
  const auto gastoSinFecha = [&](std::size_t desFecha, std::size_t despImporte) {
    return m_copia.Doble(despImporte) != 0.0 && FechaVacia(m_copia.Texto(desFecha, kAnchoFecha));
  };
  if (gastoSinFecha(f.despFechaGasto1, f.despGasto1) || gastoSinFecha(f.despFechaGasto2, f.despGasto2)) {
    Mensaje("100R178", marco::IconoAsterisco);
    return false;
  }
  double amortizado = 0.0;
  double amortizadoActualizado = 0.0;
  for (const SFilaAmortizacion& fila : f.filas) {
    amortizado += m_copia.Doble(fila.despImporte);
    amortizadoActualizado += m_copia.Doble(fila.despActualizado);
  }
  const double gastos = f.gastosActualizados
                            ? m_copia.Doble(f.despGasto1Actualizado) + m_copia.Doble(f.despGasto2Actualizado)
                            : m_copia.Doble(f.despGasto1) + m_copia.Doble(f.despGasto2);
  if (m_copia.Doble(f.despAdquisicion) + gastos < amortizado) {
    Mensaje("100V152", marco::IconoAsterisco);
    return false;
  }
  if (amortizadoActualizado < m_copia.Doble(f.despDiferimiento)) {
    Mensaje("100R191", marco::IconoMano);
    return false;
  }
  return true;
}

void CDlgValorAdquisicionBase::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  RecalcularElemento(m_copia);
  if (!Comprobar()) {
    marco::ActualizarDatosHijos(*this, 0);
    return;
  }
  if (!Bloqueado()) m_recibido = m_copia;
  CTemplateDlg::OnOK();
}

CDlgValorAdquisicion::CDlgValorAdquisicion(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgValorAdquisicionBase(kFormaAdquisicionF3, padre, segundoParametro) {
  static const char* const kEtiquetas[] = {"1993 y anteriores", "1994  y 1995", "A\xF1o", "A\xF1o", "A\xF1o",
                                           "A\xF1o"};
  Plantilla() = PlantillaAdquisicion(kFormaAdquisicionF3, kEtiquetas, true);
}

bool CDlgValorAdquisicion::TieneBotonAmortizaciones(int boton) const {
  if (Copia().Octeto(kDespAfecto) != 1) return false;
  const int ano = AnoElemento();
  return boton == kIdBotonAmortizaciones1 ? ano < 1994 : ano < 1996;
}

void CDlgValorAdquisicion::AjustarFilas() {
  const int ano = AnoElemento();
  const bool boton1 = TieneBotonAmortizaciones(kIdBotonAmortizaciones1);
  const bool boton2 = TieneBotonAmortizaciones(kIdBotonAmortizaciones2);
  HabilitarControl(kIdBotonAmortizaciones1, boton1);
  HabilitarControl(kIdBotonAmortizaciones2, boton2);
  // A row with its detail takes its amount from the detail: it is not typed.
  HabilitarControl(kFilasAdquisicionF3[0].idImporte, ano <= 1993 && !boton1);
  HabilitarControl(kFilasAdquisicionF3[1].idImporte, ano < 1996 && !boton2);
}

bool CDlgValorAdquisicion::SalirDeAno(int id) {
  const SFilaAmortizacion* fila = nullptr;
  for (const SFilaAmortizacion& f : kFilasAdquisicionF3) {
    if (f.idAno != 0 && f.idAno == id) fila = &f;
  }
  if (fila == nullptr) return true;
  CRegistroElemento& copia = CopiaTrabajo();
  const std::string_view texto = copia.Texto(fila->despAno, kAnchoAno);
  if (FechaVacia(texto)) return true;
  char ano[kAnchoAno + 1] = {};
  std::memcpy(ano, texto.data(), kAnchoAno);
  marco::CValidador validador;
  // The check completes a short year ("97" is 1997) and empties one outside the free years.
  const bool valido = validador.ValidarCampo(17, ano) != 0;
  std::memcpy(copia.Datos() + fila->despAno, ano, kAnchoAno);
  marco::ActualizarDatosHijos(*this, 0);
  if (!valido) {
    PonerFoco(id);
    return false;
  }
  const int valor = copia.Numero(fila->despAno, kAnchoAno);
  if (valor != 0 && valor < AnoElemento()) {
    Mensaje("CVANO1", marco::IconoMano);
    copia.PonerTexto(fila->despAno, {}, kAnchoAno);
    marco::ActualizarDatosHijos(*this, 0);
  }
  return true;
}

bool CDlgValorAdquisicion::AbrirAmortizaciones(int boton) {
  const std::string_view nombre =
      boton == kIdBotonAmortizaciones1 ? kVentanaAmortizacionesAnteriores : kVentanaAmortizaciones9495;
  const marco::SDialogoDetalle* dialogo = marco::BuscarDialogoDetalle(nombre);
  if (dialogo == nullptr || !dialogo->abrir || dialogo->tamanoBloque != kTamanoElementoF3) return false;
  marco::ActualizarDatosHijos(*this, 1);
  std::vector<unsigned char> bloque(kTamanoElementoF3, 0);
  Copia().Volcar(bloque);
  marco::SPeticionDetalle p;
  p.padre = Padre();
  p.primerParametro = 1;
  p.segundoParametro = 3;
  p.titulo = kTituloAmortizaciones;
  p.sujeto = CodigoSujeto();
  p.conyugeOPrimerHijo = Entorno().HayConyugeOHijo() ? 1 : 0;
  p.bloque = bloque;
  if (dialogo->abrir(p) != marco::kDialogoAceptado) return false;
  CopiaTrabajo().Asignar(bloque);
  return true;
}

int CDlgValorAdquisicion::AlComando(int id, int codigo) {
  if (id == kIdBotonAmortizaciones1 || id == kIdBotonAmortizaciones2) {
    if (!Bloqueado() && TieneBotonAmortizaciones(id) && AbrirAmortizaciones(id)) {
      AlConfirmarCampo(id == kIdBotonAmortizaciones1 ? kFilasAdquisicionF3[0].idImporte
                                                     : kFilasAdquisicionF3[1].idImporte);
    }
    return 1;
  }
  return CDlgValorAdquisicionBase::AlComando(id, codigo);
}

int CDlgValorAdquisicion::AlConfirmarCampo(int) {
  CRegistroElemento& copia = CopiaTrabajo();
  double hasta1993 = 0.0;
  for (std::size_t k = 0; k < 11; ++k) hasta1993 += copia.Doble(kDespAnosHasta1993 + 16 * k);
  double anos9495 = 0.0;
  for (const std::size_t d : kDespAnos9495) anos9495 += copia.Doble(d);
  copia.PonerDoble(kFilasAdquisicionF3[0].despImporte, hasta1993);
  copia.PonerDoble(kFilasAdquisicionF3[1].despImporte, anos9495);
  Recalcular();
  return 1;
}

CDlgValorAdquisicion2::CDlgValorAdquisicion2(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgValorAdquisicionBase(kFormaAdquisicionF2, padre, segundoParametro) {
  static const char* const kEtiquetas[] = {"1997", "1998", "1999"};
  Plantilla() = PlantillaAdquisicion(kFormaAdquisicionF2, kEtiquetas, false);
}

void CDlgValorAdquisicion2::AjustarFilas() {
  const int ano = AnoElemento();
  if (ano > 1997) HabilitarControl(kFilasAdquisicionF2[0].idImporte, false);
  if (ano > 1998) HabilitarControl(kFilasAdquisicionF2[1].idImporte, false);
}

// ---- depreciation by years ----

namespace {

constexpr SAnoAmortizacion kAnosAnteriores[] = {
    {1983, "1983 y anteriores", 1873, 1874, 216, 224}, {1984, "1984", 1867, 1868, 232, 240},
    {1985, "1985", 1871, 1869, 248, 256},              {1986, "1986", 1872, 1870, 264, 272},
    {1987, "1987", 1163, 1165, 280, 288},              {1988, "1988", 1158, 1159, 296, 304},
    {1989, "1989", 1160, 1161, 312, 320},              {1990, "1990", 1879, 1880, 328, 336},
    {1991, "1991", 1881, 1882, 344, 352},              {1992, "1992", 1883, 1884, 360, 368},
    {1993, "1993", 1885, 1886, 376, 384},
};
constexpr SAnoAmortizacion kAnos9495[] = {
    {1994, "1994", 1867, 1868, 408, 416},
    {1995, "1995", 1871, 1869, 424, 432},
};

marco::CPlantillaDialogo PlantillaAmortizaciones(std::span<const SAnoAmortizacion> anos) {
  marco::CPlantillaDialogo p(250, 10, kTituloAmortizaciones);
  int y = 8;
  p.Estatico(-1, "A\xF1o", {8, y, 80, 10});
  p.Estatico(-1, "Importe", {92, y, 72, 10});
  p.Estatico(-1, "Importe actualizado", {170, y, 76, 10});
  y += 12;
  for (const SAnoAmortizacion& a : anos) {
    p.Estatico(-1, a.etiqueta, {8, y + 2, 80, 10});
    p.Importe(a.idImporte, {92, y, 72, 12}, kLongitudImporte);
    p.Importe(a.idActualizado, {170, y, 72, 12}, kLongitudImporte);
    y += 15;
  }
  y += 6;
  p.Aceptar({120, y, 60, 18}).Cancelar({184, y, 60, 18});
  p.Tamano(250, y + 24);
  return p;
}

}  // namespace

std::span<const SAnoAmortizacion> AnosAmortizacionesAnteriores() { return kAnosAnteriores; }
std::span<const SAnoAmortizacion> AnosAmortizaciones9495() { return kAnos9495; }

CDlgAmortizacionesBase::CDlgAmortizacionesBase(int recurso, std::span<const SAnoAmortizacion> anos, wxWindow* padre,
                                               std::int32_t segundoParametro)
    : CTemplateDlg(recurso, padre, segundoParametro), m_recibido(kTamanoElementoF3), m_anos(anos) {
  Plantilla() = PlantillaAmortizaciones(anos);
}

int CDlgAmortizacionesBase::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  m_copia = m_recibido;
  for (const SAnoAmortizacion& a : m_anos) {
    EnlazarImporteElemento(*this, a.idImporte, m_copia, a.despImporte);
    EnlazarImporteElemento(*this, a.idActualizado, m_copia, a.despActualizado);
  }
  marco::ActualizarDatosHijos(*this, 0);
  for (const SAnoAmortizacion& a : m_anos) HabilitarControl(a.idActualizado, false);
  if (Bloqueado()) return 1;
  // A year after the asset's own is not open (a year that is not a number opens every row).
  const int ano = m_copia.Numero(kDespAnoElementoF3, kAnchoAno);
  for (const SAnoAmortizacion& a : m_anos) HabilitarControl(a.idImporte, ano <= a.ano);
  return 1;
}

void CDlgAmortizacionesBase::Recalcular() {
  RecalcularElemento(m_copia);
  marco::ActualizarDatosHijos(*this, 0);
}

int CDlgAmortizacionesBase::AlSalirDeCampo(int) {
  if (!PermitirSalidaCampo()) return 0;
  Recalcular();
  return 1;
}

void CDlgAmortizacionesBase::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  RecalcularElemento(m_copia);
  if (!Bloqueado()) m_recibido = m_copia;
  CTemplateDlg::OnOK();
}

CDlgAmortizacionesAnteriores::CDlgAmortizacionesAnteriores(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgAmortizacionesBase(1597, kAnosAnteriores, padre, segundoParametro) {}

CDlgAmortizaciones9495::CDlgAmortizaciones9495(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgAmortizacionesBase(1598, kAnos9495, padre, segundoParametro) {}

int CDlgAmortizaciones9495::OnInitDialog() {
  CDlgAmortizacionesBase::OnInitDialog();
  // 1995 stays open whatever the asset's year.
  if (!Bloqueado()) HabilitarControl(kAnos9495[1].idImporte, true);
  return 1;
}

// ---- the launchers ----

namespace {

template <class TDialogo>
void Registrar(std::string_view nombre, std::size_t tamano) {
  marco::RegistrarDialogoDetalle(nombre, tamano, [tamano](marco::SPeticionDetalle& p) {
    if (p.bloque.size() != tamano) return marco::kDialogoCancelado;
    TDialogo dlg(p.padre, p.segundoParametro);
    dlg.m_recibido.Asignar(p.bloque);
    marco::PrepararDialogoDetalle(dlg, p);
    const int resultado = dlg.DoModal();
    if (resultado != marco::kDialogoAceptado) return resultado;
    if constexpr (std::is_base_of_v<CDlgValorTransmisionBase, TDialogo>) {
      // A changed mark enters the declaration's identification: the next save composes it again.
      CRegistroElemento antes(tamano);
      antes.Asignar(p.bloque);
      if (MarcasTransmisionCambiadas(dlg.Forma(), antes, dlg.m_recibido)) marco::PonerRecomponerIdentificacion(true);
    }
    dlg.m_recibido.Volcar(p.bloque);
    return resultado;
  });
}

}  // namespace

void RegistrarDialogosGanancias() {
  Registrar<CDlgValorTransmision>(kVentanaValorTransmisionF3, kTamanoElementoF3);
  Registrar<CDlgValorTransmision2>(kVentanaValorTransmisionF2, kTamanoElementoF2);
  Registrar<CDlgValorAdquisicion>(kVentanaValorAdquisicionF3, kTamanoElementoF3);
  Registrar<CDlgValorAdquisicion2>(kVentanaValorAdquisicionF2, kTamanoElementoF2);
  Registrar<CDlgAmortizacionesAnteriores>(kVentanaAmortizacionesAnteriores, kTamanoElementoF3);
  Registrar<CDlgAmortizaciones9495>(kVentanaAmortizaciones9495, kTamanoElementoF3);
}

}  // namespace dialogos
