#include "output/ImpresionDestino.h"

#include <cairo-pdf.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/Texto.h"

namespace salida {

plataforma::CTamano TamanoA4(int ppp) {
  return plataforma::CTamano{static_cast<int>(std::lround(kAnchoA4Puntos * ppp / 72.0)),
                             static_cast<int>(std::lround(kAltoA4Puntos * ppp / 72.0))};
}

namespace {

SConfiguracionImpresora ConfiguracionFichero(int ppp) {
  SConfiguracionImpresora c;
  c.calidad = ppp;
  c.resolucionY = ppp;
  return c;
}

void BorrarFichero(const std::string& ruta) {
  std::error_code error;
  std::filesystem::remove(ruta, error);
}

}  // namespace

// ---- PDF file ----

CDestinoPdf::CDestinoPdf(std::string ruta, int ppp) : m_ruta(std::move(ruta)), m_nPpp(ppp > 0 ? ppp : 300) {}

CDestinoPdf::~CDestinoPdf() {
  if (m_pLienzo) AbandonarDocumento();
}

SConfiguracionImpresora CDestinoPdf::Configuracion() const { return ConfiguracionFichero(m_nPpp); }

plataforma::CTamano CDestinoPdf::TamanoPagina() const { return TamanoA4(m_nPpp); }

std::string CDestinoPdf::Puerto() const { return plataforma::Utf8ACp1252(m_ruta); }

bool CDestinoPdf::IniciarDocumento(std::string_view titulo) {
  if (m_pLienzo || m_ruta.empty()) return false;
  auto lienzo = std::make_unique<plataforma::CLienzo>(
      plataforma::CLienzo::Pdf(RutaTemporal(), kAnchoA4Puntos, kAltoA4Puntos, m_nPpp));
  if (!lienzo->Correcto()) {
    BorrarFichero(RutaTemporal());
    return false;
  }
  const std::string utf8 = plataforma::Cp1252AUtf8(titulo);
  cairo_pdf_surface_set_metadata(cairo_get_target(lienzo->Contexto()), CAIRO_PDF_METADATA_TITLE, utf8.c_str());
  m_pLienzo = std::move(lienzo);
  m_nHojas = 0;
  m_bFallo = false;
  return true;
}

plataforma::CLienzo* CDestinoPdf::IniciarHoja(std::string_view nombre) {
  if (!m_pLienzo) return nullptr;
  if (m_nHojas > 0) m_pLienzo->NuevaPagina();
  ++m_nHojas;
  // A fresh drawing state for every sheet, as a new printer page has.
  while (m_pLienzo->Profundidad() > 0) m_pLienzo->Restaurar();
  m_pLienzo->PonModoMapeo(plataforma::ModoMapeo::Texto);
  m_pLienzo->PonOrigenVentana({0, 0});
  m_pLienzo->PonOrigenVista({0, 0});
  m_pLienzo->RestablecerHerramientas();
  char numero[16];
  const auto r = std::to_chars(numero, numero + sizeof numero, m_nHojas);
  const std::string destino = "page=" + std::string(numero, r.ptr);
  const std::string utf8 = plataforma::Cp1252AUtf8(nombre);
  cairo_pdf_surface_add_outline(cairo_get_target(m_pLienzo->Contexto()), CAIRO_PDF_OUTLINE_ROOT, utf8.c_str(),
                                destino.c_str(), static_cast<cairo_pdf_outline_flags_t>(0));
  return m_pLienzo.get();
}

int CDestinoPdf::TerminarHoja() {
  if (!m_pLienzo || cairo_status(m_pLienzo->Contexto()) != CAIRO_STATUS_SUCCESS) {
    m_bFallo = true;
    return kHojaFallida;
  }
  return kHojaImpresa;
}

bool CDestinoPdf::TerminarDocumento() {
  if (!m_pLienzo) return false;
  const bool escrito = m_pLienzo->Terminar() && !m_bFallo && m_nHojas > 0;
  m_pLienzo.reset();
  if (!escrito) {
    BorrarFichero(RutaTemporal());
    return false;
  }
  std::error_code error;
  std::filesystem::rename(RutaTemporal(), m_ruta, error);
  if (error) {
    BorrarFichero(RutaTemporal());
    return false;
  }
  return true;
}

void CDestinoPdf::AbandonarDocumento() {
  m_pLienzo.reset();
  BorrarFichero(RutaTemporal());
}

// ---- images ----

CDestinoImagenes::CDestinoImagenes(int ppp, SConfiguracionImpresora configuracion)
    : m_nPpp(ppp > 0 ? ppp : 100), m_configuracion(configuracion) {}

bool CDestinoImagenes::IniciarDocumento(std::string_view titulo) {
  m_titulo = std::string(titulo);
  m_hojas.clear();
  m_nombres.clear();
  m_bTerminado = false;
  m_bAbandonado = false;
  return true;
}

plataforma::CLienzo* CDestinoImagenes::IniciarHoja(std::string_view nombre) {
  const plataforma::CTamano t = TamanoPagina();
  m_hojas.push_back(plataforma::CLienzo::Imagen(t.cx, t.cy, m_nPpp));
  m_nombres.emplace_back(nombre);
  return m_hojas.back().Correcto() ? &m_hojas.back() : nullptr;
}

int CDestinoImagenes::TerminarHoja() {
  const bool falla = static_cast<int>(m_hojas.size()) - 1 == m_nHojaFallida;
  return falla || m_hojas.empty() ? kHojaFallida : kHojaImpresa;
}

bool CDestinoImagenes::TerminarDocumento() {
  m_bTerminado = true;
  return true;
}

void CDestinoImagenes::AbandonarDocumento() { m_bAbandonado = true; }

// ---- recorded sheets ----

CHojaGrabada::CHojaGrabada(cairo_surface_t* grabacion, plataforma::CTamano tamano, std::string nombre)
    : m_pGrabacion(grabacion), m_tamano(tamano), m_nombre(std::move(nombre)) {}

CHojaGrabada::CHojaGrabada(CHojaGrabada&& otra) noexcept
    : m_pGrabacion(std::exchange(otra.m_pGrabacion, nullptr)), m_tamano(otra.m_tamano),
      m_nombre(std::move(otra.m_nombre)) {}

CHojaGrabada& CHojaGrabada::operator=(CHojaGrabada&& otra) noexcept {
  if (this != &otra) {
    if (m_pGrabacion != nullptr) cairo_surface_destroy(m_pGrabacion);
    m_pGrabacion = std::exchange(otra.m_pGrabacion, nullptr);
    m_tamano = otra.m_tamano;
    m_nombre = std::move(otra.m_nombre);
  }
  return *this;
}

CHojaGrabada::~CHojaGrabada() {
  if (m_pGrabacion != nullptr) cairo_surface_destroy(m_pGrabacion);
}

bool CHojaGrabada::Reproducir(cairo_t* contexto, double anchoDestino, double altoDestino) const {
  if (contexto == nullptr || m_pGrabacion == nullptr || m_tamano.cx <= 0 || m_tamano.cy <= 0) return false;
  if (!(anchoDestino > 0.0) || !(altoDestino > 0.0)) return false;
  cairo_save(contexto);
  cairo_scale(contexto, anchoDestino / m_tamano.cx, altoDestino / m_tamano.cy);
  cairo_set_source_surface(contexto, m_pGrabacion, 0, 0);
  cairo_paint(contexto);
  cairo_restore(contexto);
  return cairo_status(contexto) == CAIRO_STATUS_SUCCESS;
}

CDestinoGrabado::CDestinoGrabado(SConfiguracionImpresora configuracion, plataforma::CTamano pagina, int ppp,
                                 std::string impresora, std::string puerto)
    : m_configuracion(configuracion), m_pagina(pagina), m_nPpp(ppp > 0 ? ppp : 300),
      m_impresora(std::move(impresora)), m_puerto(std::move(puerto)) {}

CDestinoGrabado::~CDestinoGrabado() { CerrarHoja(); }

void CDestinoGrabado::CerrarHoja() {
  m_pLienzo.reset();
  if (m_pContexto != nullptr) cairo_destroy(m_pContexto);
  m_pContexto = nullptr;
  if (m_pHoja != nullptr) cairo_surface_destroy(m_pHoja);
  m_pHoja = nullptr;
}

bool CDestinoGrabado::IniciarDocumento(std::string_view titulo) {
  if (m_pagina.cx <= 0 || m_pagina.cy <= 0) return false;
  m_titulo = std::string(titulo);
  m_hojas.clear();
  return true;
}

plataforma::CLienzo* CDestinoGrabado::IniciarHoja(std::string_view nombre) {
  CerrarHoja();
  const cairo_rectangle_t extension{0, 0, static_cast<double>(m_pagina.cx), static_cast<double>(m_pagina.cy)};
  m_pHoja = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, &extension);
  m_pContexto = cairo_create(m_pHoja);
  if (cairo_status(m_pContexto) != CAIRO_STATUS_SUCCESS) {
    CerrarHoja();
    return nullptr;
  }
  m_pLienzo = std::make_unique<plataforma::CLienzo>(m_pContexto, m_pagina.cx, m_pagina.cy, m_nPpp);
  m_nombreHoja = std::string(nombre);
  return m_pLienzo.get();
}

int CDestinoGrabado::TerminarHoja() {
  if (m_pHoja == nullptr) return kHojaFallida;
  m_pLienzo.reset();
  const bool bien = cairo_status(m_pContexto) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(m_pContexto);
  m_pContexto = nullptr;
  if (!bien) {
    CerrarHoja();
    return kHojaFallida;
  }
  m_hojas.emplace_back(std::exchange(m_pHoja, nullptr), m_pagina, std::move(m_nombreHoja));
  return kHojaImpresa;
}

bool CDestinoGrabado::TerminarDocumento() {
  CerrarHoja();
  return Entregar();
}

void CDestinoGrabado::AbandonarDocumento() {
  CerrarHoja();
  m_hojas.clear();
}

}  // namespace salida
