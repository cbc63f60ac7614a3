#include "framework/TemplatePropPg.h"

namespace marco {

namespace {

int gInstanciasPagina = 0;

std::weak_ptr<const SPincelFondo>& PincelPaginas() {
  static std::weak_ptr<const SPincelFondo> pincel;
  return pincel;
}

constexpr int kContextoAyudaPagina = 1;

}  // namespace

CTemplatePropPg::CTemplatePropPg(int idRecurso, std::string_view titulo) : CDialogoBase(idRecurso) {
  PonerTitulo(titulo);
  ++gInstanciasPagina;
}

CTemplatePropPg::~CTemplatePropPg() { --gInstanciasPagina; }

int CTemplatePropPg::Instancias() { return gInstanciasPagina; }

std::shared_ptr<const SPincelFondo> CTemplatePropPg::PincelCompartido() { return PincelPaginas().lock(); }

int CTemplatePropPg::OnInitDialog() {
  CControlesDialogo* ventana = Ventana();
  if (ventana == nullptr) return 1;
  DoDataExchange(0);
  ventana->AplicarFuente();
  m_pincel = PincelPaginas().lock();
  if (!m_pincel) {
    m_pincel = std::make_shared<const SPincelFondo>();
    PincelPaginas() = m_pincel;
  }
  ventana->AplicarColores();
  return 1;
}

int CTemplatePropPg::OnCommand(std::uint32_t wParam, std::intptr_t lParam) {
  if (lParam == 0) return 0;
  const int codigo = static_cast<int>((wParam >> 16) & 0xFFFF);
  const int id = static_cast<int>(wParam & 0xFFFF);
  switch (codigo) {
    case kAvisoFocoGanado:
    case kAvisoFocoPerdido:
    case kAvisoTextoCambiado:
    case kAvisoCampoBorrado:
    case kAvisoValorFijado:
    case kAvisoValorCambiado: return Notificar(id, codigo);
    case 0: return Pulsar(id);
    default: return AlComando(id, codigo);
  }
}

int CTemplatePropPg::DespacharEvento(int codigo, int id) { return Despachar(codigo, id); }

int CTemplatePropPg::PreTranslateTecla(int tecla) {
  if (tecla != kTeclaF1) return 0;
  Ayuda();
  return 1;
}

void CTemplatePropPg::Ayuda() {
  if (Ventana() != nullptr) Ventana()->MostrarAyuda(kContextoAyudaPagina);
}

}  // namespace marco
