#include "output/ImpreVista.h"

#include <wx/app.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/ComandosDocumento.h"
#include "framework/DlgMensaje.h"
#include "framework/Prog32Doc.h"
#include "framework/TextosVentana.h"
#include "output/CodigoEan128.h"
#include "output/ImpresionImpresora.h"
#include "output/ImpresionMarco.h"

namespace salida {

namespace {

bool g_bImpresionCancelada = false;

void Avisar(std::string_view codigo, int icono, std::string_view extra = {}) {
  marco::CDlgMensaje().MostrarMensaje(codigo, icono, extra);
}

}  // namespace

bool ImpresionCancelada() { return g_bImpresionCancelada; }
void PonerImpresionCancelada(bool cancelada) { g_bImpresionCancelada = cancelada; }

wxIMPLEMENT_DYNAMIC_CLASS(CImpreVista, wxView);

CImpreVista::CImpreVista() { Bind(wxEVT_MENU, &CImpreVista::AlMenu, this); }

CImpreVista::~CImpreVista() {
  m_pCampos.reset();
  if (wxWindow* marco = GetFrame()) {
    SetFrame(nullptr);
    marco->Destroy();
  }
}

bool CImpreVista::OnCreate(wxDocument* /*documento*/, long /*banderas*/) {
  // A frame that is never shown holds the view for the length of the run.
  wxWindow* principal = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
  SetFrame(new CPrintFrame(principal));
  return true;
}

void CImpreVista::OnDraw(wxDC* /*dc*/) {}

void CImpreVista::AlMenu(wxCommandEvent& evento) {
  if (evento.GetId() == kComandoImprimirVista || marco::ComandoDeWx(evento.GetId()) == kComandoImprimirVista) {
    OnImprimir();
    return;
  }
  evento.Skip();
}

void CImpreVista::OnImprimir() { Imprimir(); }

void CImpreVista::PonerInteraccion(std::unique_ptr<CInteraccionImpresion> interaccion) {
  m_pInteraccion = std::move(interaccion);
}

void CImpreVista::PonerDocumentoImpresion(std::unique_ptr<IDocumentoImpresion> documento) {
  m_pDocumento = std::move(documento);
}

IDocumentoImpresion* CImpreVista::DocumentoImpresion() {
  if (!m_pDocumento) {
    if (auto* doc = dynamic_cast<marco::CProg32Doc*>(GetDocument())) {
      m_pDocumento = std::make_unique<CDocumentoImpresionMarco>(*doc);
    }
  }
  return m_pDocumento.get();
}

CInteraccionImpresion& CImpreVista::Interaccion() {
  if (!m_pInteraccion) m_pInteraccion = CrearInteraccionImpresionWx(GetFrame());
  return *m_pInteraccion;
}

EResultadoImpresion CImpreVista::Imprimir() {
  IDocumentoImpresion* doc = DocumentoImpresion();
  if (doc == nullptr) return EResultadoImpresion::Abandonada;
  m_nHojas = 0;
  m_paginasNoHechas.clear();
  CInfoImpresion info;
  info.impresaAntes = doc->DameMarcaSujeto() != 0;

  if (doc->ConfirmarCampoActivo() == 1 && !doc->Modificado()) doc->MarcarModificado();
  if (!OnPreparePrinting(info)) return EResultadoImpresion::Abandonada;

  // From here on every way out goes through OnEndPrinting, so a derived view always puts back what its
  // preparation changed.
  std::unique_ptr<CDestinoImpresion> destino = Interaccion().CrearDestino(info);
  if (!destino) {
    OnEndPrinting(info);
    return EResultadoImpresion::Abandonada;
  }
  const SConfiguracionImpresora configuracion = destino->Configuracion();
  if (const std::string_view codigo = ComprobarImpresora(configuracion); !codigo.empty()) {
    Avisar(codigo, marco::IconoExclamacion);
    OnEndPrinting(info);
    return EResultadoImpresion::Abandonada;
  }
  m_nPuntosPorPulgada = PuntosPorPulgada(configuracion, destino->TamanoPagina().cy);
  if (m_nPuntosPorPulgada < kResolucionMinima) Avisar("WIN027", marco::IconoExclamacion);

  info.destino = destino.get();
  OnBeginPrinting(info);
  const std::string titulo = doc->Titulo();
  std::unique_ptr<IProgresoImpresion> progreso = Interaccion().MostrarProgreso();
  progreso->MostrarDocumento(TextoDocumentoImprimiendo(titulo, destino->NombreImpresora(), destino->Puerto()));

  if (!destino->IniciarDocumento(titulo)) {
    Avisar("WIN028", marco::IconoExclamacion);
    progreso.reset();
    OnEndPrinting(info);
    info.destino = nullptr;
    return EResultadoImpresion::Abandonada;
  }

  Interaccion().HabilitarVentanaPrincipal(false);
  const int formulario = doc->TipoFormulario();
  int estado = 0;
  for (const int pagina : PaginasDelRango(info.rango)) {
    if (!info.continuar || ImpresionCancelada() || estado == kHojaFallida) break;
    info.paginaActual = pagina;
    for (const int tipo : EjemplaresDePagina(formulario, pagina, info.copiaAdicional)) {
      if (ImpresionCancelada()) break;
      m_nTipoEjemplar = tipo;
      estado = ImprimirPagina(info, *progreso);
      Interaccion().BombearMensajes();
      if (estado == kHojaFallida) {
        PonerImpresionCancelada(true);
        break;
      }
    }
  }

  // A stopped job is left unended; otherwise it is ended, and a job that could not be delivered counts as not
  // printed.
  bool entregado = false;
  if (estado == kHojaFallida) {
    PonerImpresionCancelada(true);
    destino->AbandonarDocumento();
  } else {
    entregado = destino->TerminarDocumento();
    if (!entregado) Avisar("WIN028", marco::IconoExclamacion);
  }
  // The pages that could not be made are told once, before the run's own notice.
  const bool incompleta = !ImpresionCancelada() && entregado && !m_paginasNoHechas.empty();
  if (incompleta) {
    marco::CDlgMensaje().MostrarMensaje(kMensajePaginasNoHechas, marco::IconoExclamacion,
                                        TextoListaPaginas(m_paginasNoHechas));
  }
  OnEndPrinting(info);
  progreso.reset();
  Interaccion().HabilitarVentanaPrincipal(true);
  info.destino = nullptr;

  if (incompleta) return EResultadoImpresion::Incompleta;
  if (!ImpresionCancelada() && entregado) {
    doc->PonMarcaSujeto(1);
    doc->GuardarDeclaracion();
    return EResultadoImpresion::Completa;
  }
  PonerImpresionCancelada(false);
  return EResultadoImpresion::Cancelada;
}

int CImpreVista::ImprimirPagina(CInfoImpresion& info, IProgresoImpresion& progreso) {
  progreso.MostrarPagina(TextoPaginaImprimiendo(info.paginaActual, info.rango.maximo));
  m_nEstadoPagina = 0;
  m_bPaginaImpresa = 0;
  m_nHojaActual = 0;
  m_pCamposColocados = nullptr;
  OnPrint(info);
  // A page skipped or failed counts as not printed and the run goes on; a sheet that could not be written stops it.
  if (m_bPaginaImpresa == 0 && m_nEstadoPagina != kHojaFallida) m_nEstadoPagina = 1;
  return m_nEstadoPagina;
}

void CImpreVista::AnotarPaginaNoHecha(int pagina) {
  if (std::find(m_paginasNoHechas.begin(), m_paginasNoHechas.end(), pagina) == m_paginasNoHechas.end()) {
    m_paginasNoHechas.push_back(pagina);
  }
}

bool CImpreVista::OnPreparePrinting(CInfoImpresion& info) {
  IDocumentoImpresion* doc = DocumentoImpresion();
  const int ultima = std::max(1, UltimaPaginaFormulario(doc != nullptr ? doc->TipoFormulario() : 0));
  info.rango = SRangoImpresion{1, ultima, 1, ultima};
  return PrepararImpresion(info);
}

bool CImpreVista::PrepararImpresion(CInfoImpresion& info) {
  // A declaration never printed is printed whole.
  const auto entera = [&info] {
    if (!info.impresaAntes) {
      info.rango.desde = info.rango.minimo;
      info.rango.hasta = info.rango.maximo;
    }
  };
  entera();
  if (!Interaccion().PedirOpciones(info)) return false;
  entera();
  return true;
}

void CImpreVista::OnBeginPrinting(CInfoImpresion& /*info*/) {
  m_LogFont = FuenteImpresion();
  m_bFuenteCreada = true;
}

void CImpreVista::OnPrint(CInfoImpresion& info) {
  // A damaged box array that keeps answering for more sheets never holds the run for ever.
  constexpr int kMaximoHojasPagina = 99;
  m_bPaginaImpresa = 0;
  const int pagina = info.paginaActual;
  if (!EmpezarPagina(pagina)) return;
  const auto noHecha = [&] {
    if (AnotaPaginasNoHechas()) AnotarPaginaNoHecha(pagina);
  };
  marco::PaginaInfo catalogo;
  if (LeerPaginaImpresa(pagina, catalogo) == 0) {
    noHecha();
    return;
  }
  const int campos = CrearCamposPagina(pagina);
  if (campos != 1) {
    if (campos < 0) noHecha();
    m_pCampos.reset();
    return;
  }
  m_bPaginaImpresa = 1;
  if (m_MetaPagina.Cargar(catalogo.imagen) == 0) {
    Avisar("WIN025", marco::IconoExclamacion,
           marco::TextoFijo1252("No se ha podido abrir el fichero Metafile: ") + catalogo.imagen);
  }
  for (int hoja = 1; hoja <= kMaximoHojasPagina && m_pCampos && m_pCampos->AvisoGrupo(hoja, 0) == 1; ++hoja) {
    plataforma::CLienzo* lienzo = IniciarHoja(info, hoja);
    if (lienzo == nullptr) {
      m_bPaginaImpresa = 0;
      break;
    }
    PonerEtiquetaEjemplar();
    DibujarImagenPagina(*lienzo);
    if (!DibujarAntesDeCampos(*lienzo, pagina)) {
      m_bPaginaImpresa = 0;
      noHecha();
    }
    // The positions are carried into dots once, on the first sheet; later sheets draw them where they are.
    if (hoja == 1) {
      ColocarYDibujarCampos(*lienzo);
    } else {
      DibujarCampos(*lienzo);
    }
    if (const std::optional<std::string> referencia = ReferenciaCodigoBarras(pagina)) {
      ImprimirCodigoBarras(*lienzo, *referencia);
    }
    if (TerminarHoja(info) != kHojaImpresa) break;
  }
  m_MetaPagina.Vaciar();
  m_pCampos.reset();
}

void CImpreVista::OnEndPrinting(CInfoImpresion& /*info*/) { m_bFuenteCreada = false; }

void CImpreVista::TerminarConAviso(CInfoImpresion& info) {
  MostrarAvisoFinal();
  CImpreVista::OnEndPrinting(info);
  if (wxTheApp != nullptr) {
    if (wxWindow* principal = wxTheApp->GetTopWindow()) principal->Raise();
  }
}

void CImpreVista::ImprimirPaginaAnexa() {}

plataforma::CTamano CImpreVista::TamanoPagina(const CInfoImpresion& info) const {
  return info.destino != nullptr ? info.destino->TamanoPagina() : plataforma::CTamano{};
}

plataforma::CLienzo* CImpreVista::IniciarHoja(CInfoImpresion& info, int hoja) {
  if (info.destino == nullptr) return nullptr;
  plataforma::CLienzo* lienzo =
      info.destino->IniciarHoja(TextoHojaImpresa(info.paginaActual, hoja, TextoEjemplar(m_nTipoEjemplar)));
  if (lienzo == nullptr) {
    m_nEstadoPagina = kHojaFallida;
    return nullptr;
  }
  m_nHojaActual = hoja;
  OnPrepareDC(*lienzo, info);
  return lienzo;
}

int CImpreVista::TerminarHoja(CInfoImpresion& info) {
  const int estado = info.destino != nullptr ? info.destino->TerminarHoja() : kHojaFallida;
  if (estado == kHojaImpresa) ++m_nHojas;
  // A sheet of the page that could not be written is not hidden by a later one that could.
  if (m_nEstadoPagina != kHojaFallida) m_nEstadoPagina = estado;
  return estado;
}

void CImpreVista::OnPrepareDC(plataforma::CLienzo& lienzo, CInfoImpresion& /*info*/) {
  const plataforma::CTamano pagina{lienzo.AnchoDispositivo(), lienzo.AltoDispositivo()};
  const SEscalasImpresion escalas = EscalasImpresion(pagina, m_MetaPagina.DameTamano());
  m_dEscalaX = escalas.x;
  m_dEscalaY = escalas.y;
  PrepararMapeoImpresion(lienzo, pagina);
  lienzo.PonFuente(m_bFuenteCreada ? m_LogFont : FuenteImpresion());
}

void CImpreVista::PonerEtiquetaEjemplar() {
  IDocumentoImpresion* doc = DocumentoImpresion();
  if (doc == nullptr) return;
  const std::span<char> destino = doc->TextoEjemplar();
  if (destino.empty()) return;
  // The copy label is printed in the interface language.
  const std::string etiqueta = marco::TextoFijo1252(TextoEjemplar(m_nTipoEjemplar));
  const std::size_t n = std::min(etiqueta.size(), destino.size() - 1);
  std::memcpy(destino.data(), etiqueta.data(), n);
  destino[n] = '\0';
}

void CImpreVista::ColocarYDibujarCampos(plataforma::CLienzo& lienzo) {
  if (!m_pCampos) return;
  // The positions are carried into dots once per page, whatever the number of its sheets.
  if (m_pCamposColocados != m_pCampos.get()) {
    ColocarCampos(*m_pCampos, SEscalasImpresion{m_dEscalaX, m_dEscalaY},
                  plataforma::CTamano{lienzo.AnchoDispositivo(), lienzo.AltoDispositivo()});
    m_pCamposColocados = m_pCampos.get();
  }
  DibujarCampos(lienzo);
}

void CImpreVista::DibujarCampos(plataforma::CLienzo& lienzo) {
  if (!m_pCampos) return;
  m_pCampos->Dibujar(lienzo, 0, 0, marco::kDibujoSoloTexto);
}

void CImpreVista::DibujarImagenPagina(plataforma::CLienzo& lienzo) {
  if (m_MetaPagina.EstaVacio()) return;
  const plataforma::CRectangulo hoja =
      lienzo.DispositivoALogico(plataforma::CRectangulo{0, 0, lienzo.AnchoDispositivo(), lienzo.AltoDispositivo()});
  m_MetaPagina.Dibujar(lienzo, hoja, 0);
}

int CImpreVista::ImprimirCodigoBarras(plataforma::CLienzo& lienzo, std::string_view referencia) {
  return salida::ImprimirCodigoBarras(
      lienzo, plataforma::CTamano{lienzo.AnchoDispositivo(), lienzo.AltoDispositivo()}, referencia);
}

}  // namespace salida
