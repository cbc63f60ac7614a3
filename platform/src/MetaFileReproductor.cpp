// The metafile player: draws the records of a Windows metafile onto a drawing canvas.
#include <algorithm>
#include <limits>
#include <string>

#include "MetaFileInterno.h"
#include "platform/MetaFileRegistros.h"

namespace plataforma::wmf {

CLectorRegistros::CLectorRegistros(std::span<const std::uint8_t> bits) : bits_(bits) {
  if (bits_.size() >= kBytesCabecera) posicion_ = static_cast<std::size_t>(Lee16(bits_, 2)) * 2;
  if (posicion_ < kBytesCabecera || posicion_ > bits_.size()) posicion_ = bits_.size();
}

bool CLectorRegistros::Siguiente(CRegistro& registro) {
  const std::size_t resto = bits_.size() - posicion_;
  if (resto < kBytesRegistroMinimo) return false;  // the end (a few stray bytes are no record)
  const std::uint64_t bytes = static_cast<std::uint64_t>(Lee32(bits_, posicion_)) * 2;
  if (bytes < kBytesRegistroMinimo || bytes > resto) {
    danado_ = true;
    return false;
  }
  registro.funcion = Lee16(bits_, posicion_ + 4);
  if (registro.funcion == kFinal) return false;
  registro.parametros = bits_.subspan(posicion_ + kBytesRegistroMinimo, static_cast<std::size_t>(bytes) - 6);
  posicion_ += static_cast<std::size_t>(bytes);
  return true;
}

bool MetaFileSano(std::span<const std::uint8_t> bits) {
  if (bits.size() < kBytesCabecera || bits.size() > kBytesMaximos) return false;
  const std::uint16_t tipo = Lee16(bits, 0);
  const std::uint16_t palabrasCabecera = Lee16(bits, 2);
  const std::uint64_t total = static_cast<std::uint64_t>(Lee32(bits, 6)) * 2;
  if (tipo != 1 && tipo != 2) return false;
  if (palabrasCabecera < kPalabrasCabecera || static_cast<std::size_t>(palabrasCabecera) * 2 > bits.size()) {
    return false;
  }
  if (total != bits.size()) return false;
  CLectorRegistros lector(bits);
  CRegistro r;
  while (lector.Siguiente(r)) {
  }
  return !lector.Danado();
}

namespace {

// The bounds of the points a picture draws.
struct CLimites {
  bool hay = false;
  CRectangulo r{};
  void Anade(CPunto p) {
    if (!hay) {
      r = CRectangulo{p.x, p.y, p.x, p.y};
      hay = true;
      return;
    }
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
};

// Rectangle records hold bottom, right, top, left from word `i` on.
CRectangulo RectanguloDe(const CRegistro& r, std::size_t i) {
  return CRectangulo{r.S(i + 3), r.S(i + 2), r.S(i + 1), r.S(i)};
}

// The text of a text record: `cuenta` bytes from byte `desde`; false when the record is too short for them.
bool TextoDe(const CRegistro& r, std::size_t desde, std::size_t cuenta, std::string& texto) {
  if (desde > r.parametros.size() || cuenta > r.parametros.size() - desde) return false;
  const auto b = r.parametros.subspan(desde, cuenta);
  texto.assign(b.begin(), b.end());
  return true;
}

// Points of a polyline or polygon record, after checking that the record holds them.
bool PuntosDe(const CRegistro& r, std::size_t desde, std::size_t cuenta, std::vector<CPunto>& puntos) {
  if (desde > r.Palabras() || cuenta > (r.Palabras() - desde) / 2) return false;
  puntos.resize(cuenta);
  for (std::size_t k = 0; k < cuenta; ++k) puntos[k] = r.Punto(desde + 2 * k);
  return true;
}

struct CTextoExt {
  CPunto p;
  std::uint16_t opciones = 0;
  CRectangulo rect{};
  std::string texto;
};

bool TextoExtDe(const CRegistro& r, CTextoExt& t) {
  if (r.Palabras() < 4) return false;
  t.p = CPunto{r.S(1), r.S(0)};
  const std::size_t cuenta = r.U(2);
  t.opciones = r.U(3);
  std::size_t desde = 8;
  if ((t.opciones & (kTextoExtOpaco | kTextoExtRecortado)) != 0) {
    if (r.Palabras() < 8) return false;
    t.rect = CRectangulo{r.S(4), r.S(5), r.S(6), r.S(7)};
    desde = 16;
  }
  return TextoDe(r, desde, cuenta, t.texto);
}

// Text record: byte count, the bytes padded to a whole word, then y and x.
bool TextoSimpleDe(const CRegistro& r, CPunto& p, std::string& texto) {
  const std::size_t cuenta = r.U(0);
  const std::size_t palabras = (cuenta + 1) / 2;
  if (r.Palabras() < 1 + palabras + 2) return false;
  p = CPunto{r.S(1 + palabras + 1), r.S(1 + palabras)};
  return TextoDe(r, 2, cuenta, texto);
}

}  // namespace

std::optional<CRectangulo> MarcoPropio(std::span<const std::uint8_t> bits) {
  CLectorRegistros lector(bits);
  CRegistro r;
  CPunto origen{};
  std::optional<CTamano> extension;
  CLimites limites;
  std::vector<CPunto> puntos;
  std::string texto;
  while (lector.Siguiente(r)) {
    switch (r.funcion) {
      case kPonOrigenVentana:
        if (!extension) origen = CPunto{r.S(1), r.S(0)};
        break;
      case kPonExtensionVentana:
        if (!extension && r.S(0) != 0 && r.S(1) != 0) extension = CTamano{r.S(1), r.S(0)};
        break;
      case kMoverA:
      case kLineaA: limites.Anade(CPunto{r.S(1), r.S(0)}); break;
      case kRectangulo:
      case kElipse:
      case kRectanguloRedondeado: {
        const CRectangulo q = RectanguloDe(r, r.funcion == kRectanguloRedondeado ? 2 : 0);
        limites.Anade(CPunto{q.left, q.top});
        limites.Anade(CPunto{q.right, q.bottom});
        break;
      }
      case kPolilinea:
      case kPoligono:
        if (PuntosDe(r, 1, r.U(0), puntos)) {
          for (const CPunto& p : puntos) limites.Anade(p);
        }
        break;
      case kTexto: {
        CPunto p;
        if (TextoSimpleDe(r, p, texto)) limites.Anade(p);
        break;
      }
      case kTextoExt: limites.Anade(CPunto{r.S(1), r.S(0)}); break;
      default: break;
    }
  }
  if (extension) {
    return CRectangulo{origen.x, origen.y, origen.x + extension->cx, origen.y + extension->cy};
  }
  if (limites.hay && limites.r.right > limites.r.left && limites.r.bottom > limites.r.top) return limites.r;
  return std::nullopt;
}

namespace {

// Saved states a picture may hold at once; a picture asking for more is not worth the memory.
constexpr int kEstadosMaximos = 256;

struct CObjeto {
  enum class Tipo { Pluma, Pincel, Fuente, Otro };
  Tipo tipo = Tipo::Otro;
  CPluma pluma;
  CPincel pincel;
  CFuente fuente;
};

CObjeto PlumaDe(const CRegistro& r) {
  CObjeto o;
  o.tipo = CObjeto::Tipo::Pluma;
  const int estilo = r.U(0) & 0x0F;
  o.pluma.estilo = estilo <= 6 ? static_cast<EstiloPluma>(estilo) : EstiloPluma::Solida;
  o.pluma.ancho = std::max<int>(0, r.S(1));
  o.pluma.color = CColor::DeColorRef(r.U32(3));
  return o;
}

CObjeto PincelDe(const CRegistro& r) {
  CObjeto o;
  o.tipo = CObjeto::Tipo::Pincel;
  switch (r.U(0)) {
    case 0: o.pincel.estilo = EstiloPincel::Solido; break;
    case 2: o.pincel.estilo = EstiloPincel::Rayado; break;
    default: o.pincel.estilo = EstiloPincel::Nulo; break;  // null, and the patterns we do not draw
  }
  o.pincel.color = CColor::DeColorRef(r.U32(1));
  const int rayado = r.U(3);
  o.pincel.rayado = rayado <= 5 ? static_cast<Rayado>(rayado) : Rayado::Horizontal;
  return o;
}

CObjeto FuenteDe(const CRegistro& r) {
  CObjeto o;
  o.tipo = CObjeto::Tipo::Fuente;
  CFuente& f = o.fuente;
  f.alto = r.S(0);
  f.escapamiento = r.S(2);
  f.peso = r.S(4);
  const auto& p = r.parametros;
  f.cursiva = p.size() > 10 && p[10] != 0;
  f.subrayada = p.size() > 11 && p[11] != 0;
  f.tachada = p.size() > 12 && p[12] != 0;
  f.nombre.clear();
  for (std::size_t i = 18; i < p.size() && i < 18 + kBytesNombreFuente && p[i] != 0; ++i) {
    f.nombre.push_back(static_cast<char>(p[i]));
  }
  if (f.nombre.empty()) f.nombre = "Arial";
  return o;
}

class CReproductor {
 public:
  CReproductor(std::span<const std::uint8_t> bits, CLienzo& lienzo)
      : bits_(bits), lienzo_(lienzo), huecos_(Lee16(bits, 10)) {}

  void Reproducir() {
    base_ = lienzo_.Profundidad();
    CLectorRegistros lector(bits_);
    CRegistro r;
    while (lector.Siguiente(r)) Registro(r);
    while (lienzo_.Profundidad() > base_) lienzo_.Restaurar();
  }

 private:
  void Crear(CObjeto objeto) {
    const int i = huecos_.Ocupar();
    if (i < 0) return;  // the table is full: the object is lost, as the format has it
    if (static_cast<std::size_t>(i) >= objetos_.size()) objetos_.resize(static_cast<std::size_t>(i) + 1);
    objetos_[static_cast<std::size_t>(i)] = std::move(objeto);
  }

  void Seleccionar(int i) {
    if (!huecos_.Ocupado(i)) return;
    const CObjeto& o = objetos_[static_cast<std::size_t>(i)];
    switch (o.tipo) {
      case CObjeto::Tipo::Pluma: lienzo_.PonPluma(o.pluma); break;
      case CObjeto::Tipo::Pincel: lienzo_.PonPincel(o.pincel); break;
      case CObjeto::Tipo::Fuente: lienzo_.PonFuente(o.fuente); break;
      case CObjeto::Tipo::Otro: break;
    }
  }

  void RestaurarDC(int n) {
    // Only states the picture saved itself are restored; the caller's stay.
    int objetivo = n < 0 ? lienzo_.Profundidad() + n : base_ + n - 1;
    if (n == 0) return;
    objetivo = std::max(objetivo, base_);
    while (lienzo_.Profundidad() > objetivo) lienzo_.Restaurar();
  }

  void TextoExt(const CRegistro& r) {
    CTextoExt t;
    if (!TextoExtDe(r, t)) return;
    if ((t.opciones & kTextoExtOpaco) != 0) lienzo_.RellenarRectangulo(t.rect, lienzo_.DameColorFondo());
    const bool recortar = (t.opciones & kTextoExtRecortado) != 0;
    if (recortar) {
      lienzo_.Guardar();
      lienzo_.RecortarRect(t.rect);
    }
    lienzo_.Texto(t.p, t.texto);
    if (recortar) lienzo_.Restaurar();
  }

  void Registro(const CRegistro& r) {
    switch (r.funcion) {
      case kPonColorFondo: lienzo_.PonColorFondo(CColor::DeColorRef(r.U32(0))); break;
      case kPonColorTexto: lienzo_.PonColorTexto(CColor::DeColorRef(r.U32(0))); break;
      case kPonModoFondo:
        if (r.U(0) == 1 || r.U(0) == 2) lienzo_.PonModoFondo(static_cast<ModoFondo>(r.U(0)));
        break;
      case kPonAlineacionTexto: lienzo_.PonAlineacionTexto(r.U(0)); break;
      case kPonModoDibujo: {
        const int modo = r.U(0);
        lienzo_.PonModoDibujo(modo == 6 ? ModoDibujo::Invertir
                                        : modo == 7 ? ModoDibujo::Diferencia : ModoDibujo::Copiar);
        break;
      }
      case kPonModoRelleno:
        lienzo_.PonModoRelleno(r.U(0) == 2 ? ModoRelleno::Envolvente : ModoRelleno::Alterno);
        break;
      case kPonOrigenVentana: lienzo_.PonOrigenVentana(CPunto{r.S(1), r.S(0)}); break;
      case kPonExtensionVentana: lienzo_.PonExtensionVentana(CTamano{r.S(1), r.S(0)}); break;
      // The picture is played into the caller's rectangle: its own mapping mode and viewport do not count.
      case kPonModoMapeo:
      case kPonOrigenVista:
      case kPonExtensionVista: break;
      case kGuardarDC:
        if (lienzo_.Profundidad() - base_ < kEstadosMaximos) lienzo_.Guardar();
        break;
      case kRestaurarDC: RestaurarDC(r.S(0)); break;
      case kCrearPluma: Crear(PlumaDe(r)); break;
      case kCrearPincel: Crear(PincelDe(r)); break;
      case kCrearFuente: Crear(FuenteDe(r)); break;
      case kCrearPincelPatron:
      case kCrearPincelPatronDib: {
        CObjeto o;
        o.tipo = CObjeto::Tipo::Pincel;
        o.pincel.estilo = EstiloPincel::Nulo;
        Crear(o);
        break;
      }
      case kCrearPaleta:
      case kCrearRegion: Crear(CObjeto{}); break;
      case kSeleccionarObjeto: Seleccionar(r.U(0)); break;
      case kBorrarObjeto: huecos_.Liberar(r.U(0)); break;
      case kMoverA: lienzo_.MoverA(CPunto{r.S(1), r.S(0)}); break;
      case kLineaA: lienzo_.LineaA(CPunto{r.S(1), r.S(0)}); break;
      case kRectangulo: lienzo_.Rectangulo(RectanguloDe(r, 0)); break;
      case kElipse: lienzo_.Elipse(RectanguloDe(r, 0)); break;
      case kRectanguloRedondeado: lienzo_.RectanguloRedondeado(RectanguloDe(r, 2), CTamano{r.S(1), r.S(0)}); break;
      case kRecortarRect: lienzo_.RecortarRect(RectanguloDe(r, 0)); break;
      case kPolilinea:
        if (PuntosDe(r, 1, r.U(0), puntos_)) lienzo_.Polilinea(puntos_);
        break;
      case kPoligono:
        if (PuntosDe(r, 1, r.U(0), puntos_)) lienzo_.Poligono(puntos_);
        break;
      case kPoliPoligono: {
        const std::size_t n = r.U(0);
        if (n + 1 > r.Palabras()) break;
        cuentas_.resize(n);
        std::size_t total = 0;
        for (std::size_t i = 0; i < n; ++i) {
          cuentas_[i] = r.U(1 + i);
          total += static_cast<std::size_t>(cuentas_[i]);
        }
        if (PuntosDe(r, 1 + n, total, puntos_)) lienzo_.PoliPoligono(puntos_, cuentas_);
        break;
      }
      case kTexto: {
        CPunto p;
        if (TextoSimpleDe(r, p, texto_)) lienzo_.Texto(p, texto_);
        break;
      }
      case kTextoExt: TextoExt(r); break;
      default: break;  // records that draw nothing we show
    }
  }

  std::span<const std::uint8_t> bits_;
  CLienzo& lienzo_;
  CHuecosObjetos huecos_;
  std::vector<CObjeto> objetos_;
  std::vector<CPunto> puntos_;
  std::vector<int> cuentas_;
  std::string texto_;
  int base_ = 0;
};

}  // namespace

int Reproducir(std::span<const std::uint8_t> bits, CLienzo& lienzo, const CRectangulo& marco,
               const CRectangulo& destino) {
  if (bits.size() < kBytesCabecera) return 0;
  const CRectangulo d = lienzo.LogicoADispositivo(destino);
  const CTamano vista{d.right - d.left, d.bottom - d.top};
  const CTamano ventana{marco.right - marco.left, marco.bottom - marco.top};
  if (vista.cx == 0 || vista.cy == 0 || ventana.cx == 0 || ventana.cy == 0) return 1;  // nothing to show
  const int profundidad = lienzo.Profundidad();
  lienzo.Guardar();
  lienzo.PonModoMapeo(ModoMapeo::Anisotropico);
  lienzo.PonOrigenVista(CPunto{d.left, d.top});
  lienzo.PonExtensionVista(vista);
  lienzo.PonOrigenVentana(CPunto{marco.left, marco.top});
  lienzo.PonExtensionVentana(ventana);
  // The picture stays inside its rectangle, whatever its records draw.
  lienzo.RecortarRect(marco);
  lienzo.RestablecerHerramientas();
  lienzo.MoverA(CPunto{});
  CReproductor(bits, lienzo).Reproducir();
  while (lienzo.Profundidad() > profundidad) lienzo.Restaurar();
  return 1;
}

}  // namespace plataforma::wmf
