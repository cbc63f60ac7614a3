#include "DibujoPagina.h"

#include <map>
#include <tuple>

#include "platform/MetaFileEscritor.h"

namespace paginas {
namespace {

using plataforma::CEscritorMetaFile;
using plataforma::CFuente;
using plataforma::CPincel;
using plataforma::CPluma;
using plataforma::CPunto;
using plataforma::CRectangulo;

constexpr int kIzquierda = 30;
constexpr int kDerecha = kAnchoPagina - 30;
constexpr plataforma::CColor kGris = plataforma::Rgb(228, 228, 228);

// Page units to picture units.
constexpr int D(int u) { return u * kEscalaDibujo; }
CPunto D(int x, int y) { return CPunto{D(x), D(y)}; }
CRectangulo D(const CRectangulo& r) { return CRectangulo{D(r.left), D(r.top), D(r.right), D(r.bottom)}; }

class CDibujante {
 public:
  explicit CDibujante(const CPagina& pagina, int idioma)
      : p_(pagina), idioma_(idioma), w_(CajaDibujo(), kUnidadesPorPulgada) {
    fina_ = w_.CrearPluma(CPluma{plataforma::EstiloPluma::Solida, D(1), plataforma::kNegro});
    gruesa_ = w_.CrearPluma(CPluma{plataforma::EstiloPluma::Solida, D(2), plataforma::kNegro});
    blanco_ = w_.CrearPincel(CPincel{plataforma::EstiloPincel::Solido, plataforma::kBlanco, {}});
    gris_ = w_.CrearPincel(CPincel{plataforma::EstiloPincel::Solido, kGris, {}});
    hueco_ = w_.CrearPincel(CPincel{plataforma::EstiloPincel::Nulo, plataforma::kBlanco, {}});
    w_.PonModoFondo(plataforma::ModoFondo::Transparente);
    w_.PonColorTexto(plataforma::kNegro);
  }

  std::vector<std::uint8_t> Dibuja(std::string& error) {
    Cabecera();
    for (const CElemento& e : p_.elementos) Elemento(e);
    for (const CCasilla& c : p_.casillas) Casilla(c);
    if (!w_.Correcto()) {
      error = "el dibujo de la página " + std::to_string(p_.id) + " no cabe en el formato del metafile";
      return {};
    }
    return w_.Bytes();
  }

 private:
  const std::string& T(const CTextos& t) const { return TextoEn(t, idioma_); }

  void Fuente(int alto, bool negrita, bool cursiva = false) {
    const auto clave = std::make_tuple(alto, negrita, cursiva);
    auto it = fuentes_.find(clave);
    if (it == fuentes_.end()) {
      CFuente f;
      f.nombre = "Arial";
      f.alto = -D(alto);
      f.peso = negrita ? 700 : 400;
      f.cursiva = cursiva;
      it = fuentes_.emplace(clave, w_.CrearFuente(f)).first;
    }
    w_.Seleccionar(it->second);
  }

  // A line of text centred between `arriba` and `abajo` (page units), aligned at `x`.
  void Texto(int x, int arriba, int abajo, int alto, int alineacion, const std::string& texto) {
    if (texto.empty()) return;
    w_.PonAlineacionTexto(alineacion | plataforma::kAlineaArriba);
    // The cell's top a little above half its height: the eye centres on the small letters, not on the cell.
    w_.Texto(CPunto{D(x), (D(arriba) + D(abajo)) / 2 - D(alto) * 65 / 100}, texto);
  }

  void Caja(const CRectangulo& r, int pincel) {
    w_.Seleccionar(fina_);
    w_.Seleccionar(pincel);
    w_.Rectangulo(D(r));
  }

  void Cabecera() {
    Caja(CRectangulo{20, 14, kAnchoPagina - 20, kAltoPagina - 14}, hueco_);
    Fuente(11, true);
    Texto(kIzquierda, 22, 36, 11, plataforma::kAlineaIzquierda, T(p_.impreso));
    Texto(kDerecha, 22, 36, 11, plataforma::kAlineaDerecha, T(p_.hoja));
    Fuente(18, true);
    Texto(kIzquierda, 40, 64, 18, plataforma::kAlineaIzquierda, T(p_.titulo));
    w_.Seleccionar(gruesa_);
    w_.Linea(D(kIzquierda, 70), D(kDerecha, 70));
  }

  void Elemento(const CElemento& e) {
    switch (e.tipo) {
      case CElemento::Tipo::Seccion:
        Caja(CRectangulo{kIzquierda, e.y + 5, kDerecha, e.y + 27}, gris_);
        Fuente(13, true);
        Texto(kIzquierda + 8, e.y + 5, e.y + 27, 13, plataforma::kAlineaIzquierda, T(e.texto));
        break;
      case CElemento::Tipo::Nota:
        Fuente(10, false, true);
        Texto(kIzquierda, e.y + 2, e.y + 16, 10, plataforma::kAlineaIzquierda, T(e.texto));
        break;
      case CElemento::Tipo::Raya:
        w_.Seleccionar(fina_);
        w_.Linea(D(kIzquierda, e.y + 4), D(kDerecha, e.y + 4));
        break;
      case CElemento::Tipo::Fila:
      case CElemento::Tipo::Espacio: break;
    }
  }

  void Casilla(const CCasilla& c) {
    Caja(c.rect, blanco_);
    if (!c.numeroImpreso.empty()) {
      const CRectangulo celda{c.rect.left - kHuecoNumero - kAnchoNumero, c.rect.top, c.rect.left - kHuecoNumero,
                              c.rect.bottom};
      Caja(celda, gris_);
      Fuente(10, true);
      Texto((celda.left + celda.right) / 2, celda.top, celda.bottom, 10, plataforma::kAlineaCentro,
            c.numeroImpreso);
    }
    const std::string& etiqueta = T(c.etiqueta);
    if (etiqueta.empty()) return;
    const CSitioEtiqueta sitio = SitioEtiqueta(p_, c);
    const auto lineas = PartirEtiqueta(etiqueta, sitio.derecha - sitio.izquierda, kAltoEtiqueta, sitio.lineas);
    if (!lineas) return;  // laying out refused it already
    Fuente(kAltoEtiqueta, false);
    const int paso = kAltoEtiqueta + 2;
    const int centro = (c.rect.top + c.rect.bottom) / 2;
    int arriba = centro - static_cast<int>(lineas->size()) * paso / 2;
    for (const std::string& linea : *lineas) {
      if (c.libre) {
        Texto(sitio.derecha, arriba, arriba + paso, kAltoEtiqueta, plataforma::kAlineaDerecha, linea);
      } else {
        Texto(sitio.izquierda, arriba, arriba + paso, kAltoEtiqueta, plataforma::kAlineaIzquierda, linea);
      }
      arriba += paso;
    }
  }

  const CPagina& p_;
  int idioma_;
  CEscritorMetaFile w_;
  int fina_ = -1;
  int gruesa_ = -1;
  int blanco_ = -1;
  int gris_ = -1;
  int hueco_ = -1;
  std::map<std::tuple<int, bool, bool>, int> fuentes_;
};

}  // namespace

CRectangulo CajaDibujo() { return CRectangulo{0, 0, D(kAnchoPagina), D(kAltoPagina)}; }

std::vector<std::uint8_t> DibujaPagina(const CPagina& pagina, int idioma, std::string& error) {
  return CDibujante(pagina, idioma).Dibuja(error);
}

}  // namespace paginas
