#include "framework/Prog32ViewReglas.h"

#include <algorithm>
#include <cmath>

#include "framework/Campo.h"
#include "framework/EditEx.h"
#include "platform/Numeros.h"

namespace marco {

namespace {

bool TieneTamano(plataforma::CTamano t) { return t.cx > 0 && t.cy > 0; }

// A double cut toward zero into an int, never past the int's range (an absurd zoom or size gives a bound).
int Truncar(double valor) {
  if (!std::isfinite(valor)) return 0;
  if (valor >= 2147483647.0) return 2147483647;
  if (valor <= -2147483648.0) return -2147483647 - 1;
  return static_cast<int>(valor);
}

bool EsEditable(const CCampo* campo) { return campo != nullptr && campo->SoloLectur == 0; }

}  // namespace

int AnchoUtil(int anchoPantalla, int anchoBarraVertical) {
  const int ancho = anchoPantalla - (anchoBarraVertical > 0 ? anchoBarraVertical : 0);
  return ancho > 0 ? ancho : 1;
}

int AnchoUtilVentana(int anchoVentana, int anchoBarraVertical, int anchoPantalla) {
  const int tope = AnchoUtil(anchoPantalla, anchoBarraVertical);
  const int ancho = AnchoUtil(anchoVentana, anchoBarraVertical);
  return std::clamp(ancho, std::min(kAnchoUtilMinimo, tope), tope);
}

SFuenteCampos CalcularFuenteCampos(int anchoUtil, plataforma::CTamano imagen, double zoom, double altoBase,
                                   double anchoBase) {
  const plataforma::CTamano pagina = TieneTamano(imagen) ? imagen : kTamanoPaginaDefecto;
  const double proporcion = static_cast<double>(pagina.cy) / pagina.cx * kFactorFuente;
  const double factor = anchoUtil / 1024.0 * zoom;
  return SFuenteCampos{Truncar(altoBase * factor * proporcion), Truncar(anchoBase * factor * proporcion)};
}

SGeometriaPagina CalcularGeometria(int anchoUtil, plataforma::CTamano imagen, double zoom) {
  SGeometriaPagina g;
  // Without a picture the page keeps its default extent, so nothing is divided by a zero width.
  g.pagina = TieneTamano(imagen) ? imagen : kTamanoPaginaDefecto;
  g.escalaCampos = anchoUtil * zoom / kUnidadesAnchoCampos;
  g.vista.cx = Truncar(std::floor(anchoUtil * zoom));
  g.vista.cy = Truncar(std::floor(static_cast<double>(g.pagina.cy) * anchoUtil / g.pagina.cx * zoom));
  g.pasoPagina = {g.vista.cx / 5, g.vista.cy / 5};
  g.pasoLinea = {g.vista.cx / 20, g.vista.cy / 20};
  g.fuente = CalcularFuenteCampos(anchoUtil, g.pagina, zoom);
  return g;
}

plataforma::CPunto DesplazamientoTrasZoom(plataforma::CPunto anterior, plataforma::CTamano vistaAnterior,
                                          plataforma::CTamano vistaNueva, double zoomNuevo) {
  if (std::fabs(zoomNuevo - kZoomMinimo) < 1e-9) return {0, 0};
  return DesplazamientoTrasEscala(anterior, vistaAnterior, vistaNueva);
}

plataforma::CPunto DesplazamientoTrasEscala(plataforma::CPunto anterior, plataforma::CTamano vistaAnterior,
                                            plataforma::CTamano vistaNueva) {
  const auto llevar = [](int posicion, int antes, int despues) {
    if (antes <= 0) return 0;
    return Truncar(static_cast<double>(posicion) * despues / antes);
  };
  return {llevar(anterior.x, vistaAnterior.cx, vistaNueva.cx), llevar(anterior.y, vistaAnterior.cy, vistaNueva.cy)};
}

plataforma::CRectangulo LlevarSobreCampo(const plataforma::CRectangulo& r, const plataforma::CRectangulo& desde,
                                         const plataforma::CRectangulo& hasta) {
  if (desde.Ancho() <= 0 || desde.Alto() <= 0) return r;
  const double ex = static_cast<double>(hasta.Ancho()) / desde.Ancho();
  const double ey = static_cast<double>(hasta.Alto()) / desde.Alto();
  const auto x = [&](int v) { return hasta.left + static_cast<int>(std::lround((v - desde.left) * ex)); };
  const auto y = [&](int v) { return hasta.top + static_cast<int>(std::lround((v - desde.top) * ey)); };
  return {x(r.left), y(r.top), x(r.right), y(r.bottom)};
}

double ZoomAcercado(double zoom) {
  if (std::fabs(zoom - kZoomMinimo) < 1e-9) return kZoomMedio;
  if (std::fabs(zoom - kZoomMedio) < 1e-9) return kZoomMaximo;
  return zoom;
}

double ZoomAlejado(double zoom) {
  if (std::fabs(zoom - kZoomMaximo) < 1e-9) return kZoomMedio;
  if (std::fabs(zoom - kZoomMedio) < 1e-9) return kZoomMinimo;
  return zoom;
}

std::string TextoZoom(double zoom) { return plataforma::FormateaFijo(zoom, 2); }

plataforma::CRectangulo RectanguloCampoEnVentana(const CCampo& campo, plataforma::CPunto desplazamiento) {
  return {campo.Coor_1 - desplazamiento.x, campo.Coor_2 - desplazamiento.y, campo.Coor_3 - desplazamiento.x,
          campo.Coor_4 - desplazamiento.y};
}

plataforma::CRectangulo RectanguloEditCampo(const CCampo& campo, plataforma::CPunto desplazamiento) {
  plataforma::CRectangulo r = RectanguloCampoEnVentana(campo, desplazamiento);
  r.left += 4;
  r.top += 2;
  r.right -= 2;
  r.bottom -= 2;
  return r;
}

bool DentroDe(const plataforma::CRectangulo& r, const plataforma::CRectangulo& visible) {
  return r.left >= visible.left && r.top >= visible.top && r.right <= visible.right && r.bottom <= visible.bottom;
}

// ---- the rules ----

void CProg32ViewReglas::RearmarAviso() { RearmarAvisoDesborde(); }

void CProg32ViewReglas::RefrescarControles() {
  for (int i = 0, n = NumeroCampos(); i < n; ++i) DibujarTextoCampo(i);
}

int CProg32ViewReglas::NumeroCampoActivo() {
  const CCampo* campo = m_nCampoActivo >= 0 ? DameCampo(m_nCampoActivo) : nullptr;
  return campo != nullptr ? campo->IndNumero : 0;
}

int CProg32ViewReglas::BuscarCampo(plataforma::CPunto punto) {
  for (int i = 0, n = NumeroCampos(); i < n; ++i) {
    const CCampo* c = DameCampo(i);
    if (c != nullptr && punto.x >= c->Coor_1 && punto.x < c->Coor_3 && punto.y >= c->Coor_2 && punto.y < c->Coor_4) {
      return i;
    }
  }
  return -1;
}

int CProg32ViewReglas::SiguienteCampoEditable(int indice, int direccion) {
  const int n = NumeroCampos();
  if (n <= 0) return -1;
  const int paso = direccion == 1 ? 1 : -1;
  int i = ((indice % n) + n) % n;
  for (int k = 0; k < n; ++k) {
    i = (i + paso + n) % n;
    if (EsEditable(DameCampo(i))) return i;
  }
  return -1;
}

bool CProg32ViewReglas::AlMoverRaton(plataforma::CPunto punto) {
  const int nuevo = BuscarCampo(punto);
  if (nuevo == m_nCampoRaton) return false;
  const int anterior = m_nCampoRaton;
  m_nCampoRaton = nuevo;
  if (anterior >= 0 && anterior != m_nCampoActivo && anterior < NumeroCampos()) DibujarMarcoCampo(kMarcoNormal, anterior);
  if (nuevo >= 0 && nuevo != m_nCampoActivo) {
    DibujarMarcoCampo(EsEditable(DameCampo(nuevo)) ? kMarcoResaltado : kMarcoNormal, nuevo);
  }
  return true;
}

int CProg32ViewReglas::SoltarCampoActivo() {
  if (!HayEditActivo()) return 1;
  if (EditModificado()) {
    GuardarEditActivo();
    RearmarAviso();
    if (ComprobarCampo(NumeroCampoActivo()) != 1) return 0;
    MarcarDocumentoModificado();
    RefrescarControles();
  }
  const int viejo = m_nCampoActivo;
  m_nCampoActivo = -1;
  DestruirEdit();
  if (viejo >= 0 && viejo < NumeroCampos()) {
    DibujarMarcoCampo(kMarcoNormal, viejo);
    DibujarMarcoCampo(kMarcoSimple, viejo);
    DibujarTextoCampo(viejo);
  }
  return 1;
}

int CProg32ViewReglas::ActivarCampo() {
  const int n = NumeroCampos();
  int inicio = m_nCampoRaton;
  if (inicio < 0 || inicio >= n) {
    if (HayEditActivo()) return 0;
    inicio = 0;
  }
  if (SoltarCampoActivo() == 0) return 0;
  if (n <= 0) return 0;
  const int elegido = SiguienteCampoEditable(inicio - 1, 1);
  if (elegido < 0) return 0;
  m_nCampoActivo = elegido;
  CrearControlCampo(elegido);
  DibujarMarcoCampo(kMarcoResaltado, elegido);
  const CCampo* campo = DameCampo(elegido);
  if (campo != nullptr && campo->Letra() == 'Z' && campo->StrValidac.rfind("Z5", 0) == 0 && campo->Texto.size() == 2) {
    CaretAlFinal();
  }
  HacerVisible(elegido);
  return 1;
}

void CProg32ViewReglas::SaltarCampo(int direccion) {
  const int desde = m_nCampoActivo >= 0 ? m_nCampoActivo : 0;
  const int destino = SiguienteCampoEditable(desde, direccion);
  if (destino < 0) return;
  if (destino == m_nCampoActivo) {
    // The only editable box: its value is checked where it is.
    if (HayEditActivo() && EditModificado()) {
      GuardarEditActivo();
      RearmarAviso();
      ComprobarCampo(NumeroCampoActivo());
      MarcarDocumentoModificado();
    }
    return;
  }
  const int raton = m_nCampoRaton;
  m_nCampoRaton = destino;
  ActivarCampo();
  m_nCampoRaton = raton;
}

int CProg32ViewReglas::ComprobarEditModificado() {
  if (!HayEditActivo() || !EditModificado()) return 0;
  GuardarEditActivo();
  RearmarAviso();
  const int resultado = ComprobarCampo(NumeroCampoActivo());
  LimpiarEditModificado();
  MarcarDocumentoModificado();
  return resultado;
}

void CProg32ViewReglas::IrACampo(int indice) {
  // A box the page does not have is nowhere to go.
  if (indice < 0 || indice >= NumeroCampos() || DameCampo(indice) == nullptr) return;
  m_nCampoRaton = indice;
  HacerVisible(indice);
  AlMostrarCampo();
  ActivarMasTarde(indice);
}

void CProg32ViewReglas::EnfocarCampoInicial() {
  if (HayEditActivo()) {
    const int n = CampoAEnfocar();
    if (n >= 1) IrACampo(n - 1);
    return;
  }
  IrACampo(0);
}

int CProg32ViewReglas::MostrarTextoEstado(wxWindow* /*edit*/, int flag) {
  if (flag != 0 || !HayEditActivo()) return 0;
  const CCampo* campo = DameCampo(m_nCampoActivo);
  TextoBarraEstado(campo != nullptr ? campo->TextoDibuj : std::string());
  return 1;
}

int CProg32ViewReglas::DespacharAvisoCampo(std::uint32_t palabra, wxWindow* control) {
  if (control == nullptr) return 0;
  const int codigo = static_cast<int>(palabra >> 16);
  const int numero = static_cast<int>(palabra & 0xFFFF);
  int resultado = 0;
  switch (codigo) {
    case kAvisoFocoGanado:
      MostrarTextoEstado(control, 0);
      return CampoRecibeFoco(numero);
    case kAvisoFocoPerdido:
      return CampoPierdeFoco(numero);
    case kAvisoTextoCambiara:
      return CampoActualizandose(numero);
    case kAvisoCampoBorrado:
      resultado = CampoBorrado(numero);
      break;
    case kAvisoValorFijado:
      resultado = Recalcular(numero);
      break;
    case kAvisoValorCambiado:
      resultado = AplicarDependencias(numero);
      break;
    default:
      return 0;
  }
  if (resultado == 1) ActualizarVistasValores();
  return resultado;
}

}  // namespace marco
