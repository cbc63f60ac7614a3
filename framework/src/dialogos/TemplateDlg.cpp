#include "framework/TemplateDlg.h"

#include <utility>

#include "framework/DialogoPlantilla.h"
#include "framework/DocumentoServicios.h"

namespace marco {

namespace {

// The dialogs alive, and the background the initialised ones share (user-interface thread only).
int gInstanciasDialogo = 0;

std::weak_ptr<const SPincelFondo>& PincelDialogos() {
  static std::weak_ptr<const SPincelFondo> pincel;
  return pincel;
}

struct SBotonImagen {
  unsigned flag;
  int id;
  int imagen;
};
constexpr SBotonImagen kBotonesImagen[] = {
    {kBotonesAceptar, kIdAceptar, kImagenAceptar},
    {kBotonesCancelar, kIdCancelar, kImagenCancelar},
    {kBotonesAyuda, kIdBotonAyuda, kImagenAyuda},
};

}  // namespace

CTemplateDlg::CTemplateDlg(int idRecurso, wxWindow* padre, std::int32_t segundoParametro)
    : CDialogoBase(idRecurso), m_pPadre(padre), m_nSegundoParametro(segundoParametro) {
  ++gInstanciasDialogo;
}

CTemplateDlg::~CTemplateDlg() { --gInstanciasDialogo; }

int CTemplateDlg::Instancias() { return gInstanciasDialogo; }

std::shared_ptr<const SPincelFondo> CTemplateDlg::PincelCompartido() { return PincelDialogos().lock(); }

void CTemplateDlg::PrepararDialogo(std::string_view titulo, std::int32_t repeticion, std::int32_t sujeto,
                                   std::int32_t conyugeOPrimerHijo) {
  PonerTitulo(titulo);
  m_nRepeticion = repeticion;
  PonerCodigoSujeto(sujeto);
  PonerColumnaConyuge(conyugeOPrimerHijo);
}

int CTemplateDlg::OnInitDialog() {
  CControlesDialogo* ventana = Ventana();
  if (ventana == nullptr) return 1;
  for (const SBotonImagen& b : kBotonesImagen) {
    if ((m_nFlagsBotones & b.flag) != 0 && ventana->Existe(b.id)) {
      ventana->PonerImagenBoton(b.id, b.imagen, (m_nFlagsBotones & kBotonesDibujo) != 0);
    }
  }
  DoDataExchange(0);
  if (!Titulo().empty()) ventana->PonerTituloVentana(Titulo());
  ventana->AplicarFuente();
  CentrarEnVentanaPrincipal();
  // The first dialog initialised makes the background, every later one shares it, the last one to go takes it.
  m_pincel = PincelDialogos().lock();
  if (!m_pincel) {
    m_pincel = std::make_shared<const SPincelFondo>();
    PincelDialogos() = m_pincel;
  }
  if (Bloqueado()) HabilitarEdiciones(0);
  ventana->AplicarColores();
  return 1;
}

bool CTemplateDlg::Bloqueado() const {
  return CodigoSujeto() != kSujetoUnidadFamiliar && Entorno().HayConyugeOHijo();
}

int CTemplateDlg::OnCommand(std::uint32_t wParam, std::intptr_t lParam) {
  if (lParam == 0) return 0;
  const int codigo = static_cast<int>((wParam >> 16) & 0xFFFF);
  const int id = static_cast<int>(wParam & 0xFFFF);
  switch (codigo) {
    case kAvisoFocoGanado:
    case kAvisoFocoPerdido:
    case kAvisoTextoCambiado:
    case kAvisoCampoBorrado:
    case kAvisoValorFijado:
    case kAvisoValorCambiado:
    case kAvisoTabulador: return Notificar(id, codigo);
    case 0: return Pulsar(id);
    default: return AlComando(id, codigo);
  }
}

int CTemplateDlg::DespacharEvento(int codigo, int id) {
  if (codigo == kAvisoTabulador) return AlTerminarCampo(id);
  return Despachar(codigo, id);
}

int CTemplateDlg::AlTerminarCampo(int) { return 0; }

void CTemplateDlg::EntregarCaracterInicial() {
  const unsigned caracter = std::exchange(m_nCaracterInicial, 0U);
  if (caracter == 0 || Ventana() == nullptr || Bloqueado()) return;
  const int id = CampoParaCaracterInicial();
  if (id != 0 && Ventana() != nullptr && CampoAbierto(id)) Ventana()->TeclearCaracter(id, caracter);
}

int CTemplateDlg::CampoParaCaracterInicial() {
  const CControlesDialogo* ventana = Ventana();
  if (ventana == nullptr) return 0;
  const std::int32_t sujeto = CodigoSujeto() > kSujetoDeclarante && CodigoSujeto() <= kSujetoHijo2
                                  ? CodigoSujeto()
                                  : kSujetoDeclarante;
  const int propio = m_camposDeSujeto[static_cast<std::size_t>(sujeto)];
  if (propio != 0 && ventana->EsImporte(propio) && CampoAbierto(propio)) return propio;
  const std::vector<SControlDialogo>& controles = Plantilla().Controles();
  for (const std::size_t i : Plantilla().OrdenLectura()) {
    const int id = controles[i].id;
    if (id != -1 && ventana->EsImporte(id) && CampoAbierto(id)) return id;
  }
  return 0;
}

void CTemplateDlg::PonerCampoDeSujeto(std::int32_t sujeto, int id) {
  if (sujeto < kSujetoUnidadFamiliar || sujeto > kSujetoHijo2) return;
  m_camposDeSujeto[static_cast<std::size_t>(sujeto)] = id;
}

bool CTemplateDlg::CampoAbierto(int id) const {
  const CControlesDialogo* ventana = Ventana();
  return ventana != nullptr && ventana->Existe(id) && ventana->EsEdicion(id) && ventana->Habilitado(id) &&
         !ventana->SoloLectura(id);
}

void CTemplateDlg::OnOK() {
  if (Bloqueado()) {
    Terminar(kIdCancelar);
    return;
  }
  CDialogoBase::OnOK();
}

void CTemplateDlg::OnClose() { OnCancel(); }

void CTemplateDlg::HabilitarEdiciones(int modo) {
  CControlesDialogo* ventana = Ventana();
  if (ventana == nullptr) return;
  for (int id : ventana->Hijos()) {
    if (id < 1 || id == kIdCancelar || !ventana->EsEdicion(id)) continue;
    const bool abrir = modo == 1;
    ventana->Habilitar(id, abrir);
    ventana->PonerSoloLectura(id, !abrir);
  }
  ventana->AplicarColores();
}

std::string CTemplateDlg::TextoAyudaTitular() const {
  return std::string(TextoCadenaTitular(CadenaAyudaTitular(m_nTipoTitular, ColumnaConyuge() == 1, Entorno())));
}

void CTemplateDlg::CentrarEnVentanaPrincipal() {
  CControlesDialogo* ventana = Ventana();
  if (ventana == nullptr) return;
  const std::optional<SRectDialogo> principal = ventana->RectanguloPrincipal();
  if (!principal) return;
  const SRectDialogo r = CentrarSobre(*principal, ventana->Rectangulo());
  ventana->Mover(r.x, r.y);
}

}  // namespace marco
