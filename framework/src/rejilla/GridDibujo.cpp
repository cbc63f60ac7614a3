#include "framework/GridDibujo.h"

#include <algorithm>
#include <charconv>

#include "framework/TextosVentana.h"

namespace marco {

using plataforma::CColor;
using plataforma::CFuente;
using plataforma::CLienzo;
using plataforma::CRectangulo;
using plataforma::CTamano;

namespace {

CColor Color(std::uint32_t c) { return CColor::DeColorRef(c & 0xFFFFFFu); }

std::string Entero(int valor) {
  char buf[16];
  const auto r = std::to_chars(buf, buf + sizeof buf, valor);
  return std::string(buf, r.ptr);
}

std::vector<std::string_view> Piezas(std::string_view texto, std::string_view separador) {
  std::vector<std::string_view> piezas;
  for (;;) {
    const std::size_t p = texto.find(separador);
    piezas.push_back(texto.substr(0, p));
    if (p == std::string_view::npos) break;
    texto = texto.substr(p + separador.size());
  }
  return piezas;
}

}  // namespace

// ---- text layout

std::vector<SLineaCelda> DisponerTexto(std::string_view texto, const CRectangulo& rect, unsigned formato,
                                       const CFuente& fuente, IMedidorTexto& medidor) {
  std::vector<SLineaCelda> lineas;
  const unsigned base = (formato & (kDtCentro | kDtDerecha)) |
                        ((formato & kDtSinRecorte) != 0 ? plataforma::kTextoSinRecorte : 0u);
  const int anchoDisponible = rect.Ancho();
  auto ajustar = [&](std::string linea) {
    if ((formato & kDtElipsisFinal) == 0 || medidor.Medir(linea, fuente).cx <= anchoDisponible) return linea;
    while (!linea.empty() && medidor.Medir(linea + "...", fuente).cx > anchoDisponible) linea.pop_back();
    return linea + "...";
  };
  if ((formato & kDtLineaUnica) != 0) {
    std::string una(texto);
    std::replace(una.begin(), una.end(), '\n', ' ');
    std::erase(una, '\r');
    unsigned vertical = 0;
    if ((formato & kDtCentroVertical) != 0) {
      vertical = plataforma::kTextoCentroVertical;
    } else if ((formato & kDtAbajo) != 0) {
      vertical = plataforma::kTextoAbajo;
    }
    lineas.push_back({rect, ajustar(una), base | vertical});
    return lineas;
  }
  const int alto = std::max(1, medidor.Medir(" ", fuente).cy);
  std::vector<std::string> partes;
  for (std::string_view parrafo : Piezas(texto, "\n")) {
    if (!parrafo.empty() && parrafo.back() == '\r') parrafo.remove_suffix(1);
    if ((formato & kDtSaltoPalabra) == 0) {
      partes.emplace_back(parrafo);
      continue;
    }
    std::string actual;
    for (std::string_view palabra : Piezas(parrafo, " ")) {
      std::string candidata = actual.empty() ? std::string(palabra) : actual + " " + std::string(palabra);
      if (actual.empty() || medidor.Medir(candidata, fuente).cx <= anchoDisponible) {
        actual = std::move(candidata);
      } else {
        partes.push_back(std::move(actual));
        actual = std::string(palabra);
      }
    }
    partes.push_back(std::move(actual));
  }
  int y = rect.top;
  for (std::string& parte : partes) {
    lineas.push_back({{rect.left, y, rect.right, y + alto}, ajustar(std::move(parte)), base});
    y += alto;
  }
  return lineas;
}

std::vector<SLineaCelda> DisponerTextoMarcado(std::string_view texto, const CRectangulo& rect, unsigned formato,
                                              const CFuente& fuente, IMedidorTexto& medidor) {
  std::vector<SLineaCelda> lineas;
  CRectangulo r = rect;
  for (std::string_view pieza : Piezas(texto, "\\n")) {
    auto parte = DisponerTexto(pieza, r, formato, fuente, medidor);
    lineas.insert(lineas.end(), std::make_move_iterator(parte.begin()), std::make_move_iterator(parte.end()));
    r.top += kPasoLineaMarcador;
    r.bottom += kPasoLineaMarcador;
  }
  return lineas;
}

// ---- images

CGridImagenes CGridImagenes::DeTira(const unsigned char* rgb, int ancho, int alto, int anchoImagen,
                                    std::uint32_t mascara) {
  CGridImagenes lista;
  if (rgb == nullptr || ancho <= 0 || alto <= 0 || anchoImagen <= 0 || anchoImagen > ancho) return lista;
  const int cuantas = ancho / anchoImagen;
  const CColor m = Color(mascara);
  for (int i = 0; i < cuantas; ++i) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, anchoImagen, alto);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
      cairo_surface_destroy(s);
      return CGridImagenes{};
    }
    cairo_surface_flush(s);
    unsigned char* datos = cairo_image_surface_get_data(s);
    const int paso = cairo_image_surface_get_stride(s);
    for (int y = 0; y < alto; ++y) {
      auto* fila = reinterpret_cast<std::uint32_t*>(datos + static_cast<std::ptrdiff_t>(y) * paso);
      for (int x = 0; x < anchoImagen; ++x) {
        const unsigned char* p =
            rgb + (static_cast<std::ptrdiff_t>(y) * ancho + static_cast<std::ptrdiff_t>(i) * anchoImagen + x) * 3;
        const bool transparente = p[0] == m.r && p[1] == m.g && p[2] == m.b;
        fila[x] = transparente ? 0u
                               : (0xFF000000u | (static_cast<std::uint32_t>(p[0]) << 16) |
                                  (static_cast<std::uint32_t>(p[1]) << 8) | p[2]);
      }
    }
    cairo_surface_mark_dirty(s);
    lista.m_imagenes.emplace_back(s, CLiberaSuperficie{});
  }
  lista.m_nAncho = anchoImagen;
  lista.m_nAlto = alto;
  return lista;
}

void CGridImagenes::Dibujar(CLienzo& lienzo, int indice, int x, int y) const {
  if (indice < 0 || indice >= Cuantas() || lienzo.Contexto() == nullptr) return;
  const CRectangulo d = lienzo.LogicoADispositivo(CRectangulo{x, y, x + m_nAncho, y + m_nAlto});
  const int ancho = std::abs(d.Ancho());
  const int alto = std::abs(d.Alto());
  if (ancho == 0 || alto == 0) return;
  cairo_t* cr = lienzo.Contexto();
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_translate(cr, std::min(d.left, d.right), std::min(d.top, d.bottom));
  cairo_scale(cr, static_cast<double>(ancho) / m_nAncho, static_cast<double>(alto) / m_nAlto);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_set_source_surface(cr, m_imagenes[static_cast<std::size_t>(indice)].get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_rectangle(cr, 0, 0, m_nAncho, m_nAlto);
  cairo_fill(cr);
  cairo_restore(cr);
}

CTamano CMedidorDeLienzo::Medir(std::string_view texto, const CFuente& fuente) {
  m_lienzo.Guardar();
  m_lienzo.PonFuente(fuente);
  const CTamano t = m_lienzo.MedirTexto(texto);
  m_lienzo.Restaurar();
  return t;
}

// ---- cells

namespace {

void Marco(CLienzo& lienzo, const CRectangulo& r, CColor arribaIzq, CColor abajoDer) {
  if (r.Ancho() <= 0 || r.Alto() <= 0) return;
  lienzo.RellenarRectangulo({r.left, r.top, r.right, r.top + 1}, arribaIzq);
  lienzo.RellenarRectangulo({r.left, r.top, r.left + 1, r.bottom}, arribaIzq);
  lienzo.RellenarRectangulo({r.left, r.bottom - 1, r.right, r.bottom}, abajoDer);
  lienzo.RellenarRectangulo({r.right - 1, r.top, r.right, r.bottom}, abajoDer);
}

CRectangulo Encoger(CRectangulo r, int n) {
  r.left += n;
  r.top += n;
  r.right -= n;
  r.bottom -= n;
  return r;
}

void DibujarTextoCelda(CLienzo& lienzo, const CGridModelo& modelo, const CGridImagenes* imagenes,
                       const CGridCelda& celda, CRectangulo r, const CFuente& fuente, bool marcado, int fila,
                       int columna) {
  const int margen = modelo.DameMargen();
  r.left += margen;
  r.right -= margen;
  lienzo.Guardar();
  if ((celda.nFormato & kDtSinRecorte) == 0) lienzo.RecortarRect(r);
  if (imagenes != nullptr && modelo.TieneImagen(fila, columna) && celda.nImagen < imagenes->Cuantas()) {
    imagenes->Dibujar(lienzo, celda.nImagen, r.left, r.top);
    r.left += imagenes->Ancho() + margen;
  }
  lienzo.PonFuente(fuente);
  lienzo.PonModoFondo(plataforma::ModoFondo::Transparente);
  CMedidorDeLienzo medidor(lienzo);
  const auto lineas = marcado ? DisponerTextoMarcado(celda.strTexto, r, celda.nFormato, fuente, medidor)
                              : DisponerTexto(celda.strTexto, r, celda.nFormato, fuente, medidor);
  for (const SLineaCelda& linea : lineas) lienzo.TextoEnRect(linea.rect, linea.texto, linea.formato);
  lienzo.Restaurar();
}

void DibujarCeldaFija(CLienzo& lienzo, const CGridModelo& modelo, const CGridImagenes* imagenes, int fila,
                      int columna, const CRectangulo& rect, bool imprimiendo) {
  const CGridCelda& celda = *modelo.Celda(fila, columna);
  const SColoresGrid& sis = modelo.DameColoresSistema();
  const std::uint32_t fondo = celda.crFondo == kColorDefecto ? modelo.DameColorFondoFijo() : celda.crFondo;
  const std::uint32_t texto = celda.crTexto == kColorDefecto ? modelo.DameColorTextoFijo() : celda.crTexto;
  if (fondo != kColorDefecto) lienzo.RellenarRectangulo(rect, Color(fondo));
  const SCeldaId foco = modelo.DameCeldaFoco();
  const bool resaltada = !imprimiendo && foco.Valida() && (fila == foco.fila || columna == foco.columna);
  CFuente fuente = celda.fuente;
  if (resaltada) {
    fuente.peso = 600;
    Marco(lienzo, rect, Color(sis.luzBoton), Color(sis.sombraOscura));
    Marco(lienzo, Encoger(rect, 1), Color(sis.claroBoton), Color(sis.sombraBoton));
  } else {
    Marco(lienzo, rect, Color(sis.luzBoton), Color(sis.sombraOscura));
  }
  lienzo.PonColorTexto(texto == kColorDefecto ? plataforma::kNegro : Color(texto));
  if (fila < modelo.DameFilasFijas() && !celda.strTexto.empty()) {
    CGridCelda cabecera = celda;
    cabecera.strTexto = modelo.TextoMostradoCelda(fila, columna);
    DibujarTextoCelda(lienzo, modelo, imagenes, cabecera, Encoger(rect, 2), fuente, false, fila, columna);
    return;
  }
  DibujarTextoCelda(lienzo, modelo, imagenes, celda, Encoger(rect, 2), fuente, false, fila, columna);
}

}  // namespace

void DibujarCelda(CLienzo& lienzo, const CGridModelo& modelo, const CGridImagenes* imagenes, int fila, int columna,
                  const CRectangulo& rect, bool imprimiendo) {
  const CGridCelda* celda = modelo.Celda(fila, columna);
  if (celda == nullptr || rect.Ancho() <= 0 || rect.Alto() <= 0) return;
  if (modelo.EsCeldaFija(fila, columna)) {
    DibujarCeldaFija(lienzo, modelo, imagenes, fila, columna, rect, imprimiendo);
    return;
  }
  const SColoresGrid& sis = modelo.DameColoresSistema();
  const std::uint32_t fondo = celda->crFondo == kColorDefecto ? modelo.DameColorFondoDefecto() : celda->crFondo;
  std::uint32_t texto = celda->crTexto == kColorDefecto ? modelo.DameColorTextoDefecto() : celda->crTexto;
  const int lineas = modelo.DameLineas();
  CRectangulo r = rect;
  if ((lineas & 1) != 0) r.bottom -= 1;
  if ((lineas & 2) != 0) r.right -= 1;
  if (!imprimiendo && (celda->nEstado & kGvisFoco) != 0 && modelo.DameMarcarFoco()) {
    if (fondo != kColorDefecto) lienzo.RellenarRectangulo(r, Color(fondo));
    lienzo.Guardar();
    lienzo.PonPluma({plataforma::EstiloPluma::Solida, 0, plataforma::kNegro});
    lienzo.PonPincel({plataforma::EstiloPincel::Nulo, plataforma::kBlanco, plataforma::Rayado::Horizontal});
    lienzo.Rectangulo(r);
    lienzo.Restaurar();
    r = Encoger(r, 1);
  } else if (!imprimiendo && (celda->nEstado & kGvisSeleccionada) != 0) {
    lienzo.RellenarRectangulo(r, Color(sis.resalte));
    texto = sis.textoResalte;
  } else if (fondo != kColorDefecto) {
    lienzo.RellenarRectangulo(r, Color(fondo));
  }
  if (!imprimiendo && (celda->nEstado & kGvisMarcaSoltar) != 0) {
    lienzo.Guardar();
    lienzo.PonPluma({plataforma::EstiloPluma::Solida, 0, plataforma::kNegro});
    lienzo.PonPincel({plataforma::EstiloPincel::Nulo, plataforma::kBlanco, plataforma::Rayado::Horizontal});
    lienzo.Rectangulo(r);
    lienzo.Restaurar();
  }
  lienzo.PonColorTexto(texto == kColorDefecto ? plataforma::kNegro : Color(texto));
  DibujarTextoCelda(lienzo, modelo, imagenes, *celda, r, celda->fuente, true, fila, columna);
  const CColor colorLineas = Color(modelo.DameColorLineas());
  if ((lineas & 1) != 0) lienzo.RellenarRectangulo({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colorLineas);
  if ((lineas & 2) != 0) lienzo.RellenarRectangulo({rect.right - 1, rect.top, rect.right, rect.bottom}, colorLineas);
}

void DibujarGrid(CLienzo& lienzo, const CGridModelo& modelo, const CGridImagenes* imagenes, int lineaRedimension,
                 bool lineaVertical) {
  const int ancho = modelo.DameAnchoCliente();
  const int alto = modelo.DameAltoCliente();
  if (ancho <= 0 || alto <= 0) return;
  const int filas = modelo.DameNumeroFilas();
  const int columnas = modelo.DameNumeroColumnas();
  const int ff = modelo.DameFilasFijas();
  const int cf = modelo.DameColumnasFijas();
  const int anchoFijo = std::min(modelo.AnchoFijo(), ancho);
  const int altoFijo = std::min(modelo.AltoFijo(), alto);
  const int xFin =
      columnas > 0 ? std::clamp(modelo.IzquierdaColumna(columnas - 1) + modelo.DameAnchoColumna(columnas - 1), 0, ancho)
                   : 0;
  const int yFin = filas > 0 ? std::clamp(modelo.ArribaFila(filas - 1) + modelo.DameAltoFila(filas - 1), 0, alto) : 0;

  // Bands: outside the cells, the fixed rows and columns, the ordinary cells.
  if (modelo.DameColorExterior() != kColorDefecto)
    lienzo.RellenarRectangulo({0, 0, ancho, alto}, Color(modelo.DameColorExterior()));
  if (modelo.DameColorFondoFijo() != kColorDefecto) {
    lienzo.RellenarRectangulo({0, 0, xFin, std::min(altoFijo, yFin)}, Color(modelo.DameColorFondoFijo()));
    lienzo.RellenarRectangulo({0, 0, std::min(anchoFijo, xFin), yFin}, Color(modelo.DameColorFondoFijo()));
  }
  if (modelo.DameColorFondoDefecto() != kColorDefecto && xFin > anchoFijo && yFin > altoFijo)
    lienzo.RellenarRectangulo({anchoFijo, altoFijo, xFin, yFin}, Color(modelo.DameColorFondoDefecto()));

  const SRangoCeldas visibles = modelo.CeldasVisibles();
  auto dibujarBloque = [&](int f1, int f2, int c1, int c2, const CRectangulo& recorte) {
    if (f1 < 0 || c1 < 0 || recorte.Ancho() <= 0 || recorte.Alto() <= 0) return;
    lienzo.Guardar();
    lienzo.RecortarRect(recorte);
    for (int f = f1; f <= f2; ++f) {
      for (int c = c1; c <= c2; ++c) {
        const int x = modelo.IzquierdaColumna(c);
        const int y = modelo.ArribaFila(f);
        DibujarCelda(lienzo, modelo, imagenes, f, c,
                     {x, y, x + modelo.DameAnchoColumna(c), y + modelo.DameAltoFila(f)}, false);
      }
    }
    lienzo.Restaurar();
  };
  dibujarBloque(visibles.fila1, visibles.fila2, visibles.columna1, visibles.columna2,
                {anchoFijo, altoFijo, ancho, alto});
  if (ff > 0) dibujarBloque(0, ff - 1, visibles.columna1, visibles.columna2, {anchoFijo, 0, ancho, altoFijo});
  if (cf > 0) dibujarBloque(visibles.fila1, visibles.fila2, 0, cf - 1, {0, altoFijo, anchoFijo, alto});
  if (ff > 0 && cf > 0) dibujarBloque(0, ff - 1, 0, cf - 1, {0, 0, anchoFijo, altoFijo});

  if (lineaRedimension >= 0) {
    lienzo.Guardar();
    lienzo.PonModoDibujo(plataforma::ModoDibujo::Invertir);
    lienzo.PonPluma({plataforma::EstiloPluma::Nula, 0, plataforma::kNegro});
    lienzo.PonPincel({plataforma::EstiloPincel::Solido, plataforma::kNegro, plataforma::Rayado::Horizontal});
    if (lineaVertical) {
      lienzo.Rectangulo({lineaRedimension, 0, lineaRedimension + 2, alto});
    } else {
      lienzo.Rectangulo({0, lineaRedimension, ancho, lineaRedimension + 2});
    }
    lienzo.Restaurar();
  }
}

// ---- printing

CFuente FuenteImpresora() {
  CFuente f;
  f.nombre = "Times New Roman";
  f.alto = -9;
  f.peso = 400;
  return f;
}

SDisposicionImpresion PaginarGrid(const CGridModelo& modelo, int anchoMedio, int altoCaracter, int anchoDispositivo,
                                  int altoDispositivo) {
  SDisposicionImpresion d;
  d.anchoMedio = std::max(anchoMedio, 1);
  d.altoCaracter = std::max(altoCaracter, 1);
  d.anchoLogico = std::max(1, modelo.AnchoTotal() + 8 * d.anchoMedio);
  d.altoLogico = anchoDispositivo > 0
                     ? static_cast<int>(static_cast<long long>(d.anchoLogico) * std::max(altoDispositivo, 0) /
                                        anchoDispositivo)
                     : 0;
  d.hueco = d.altoLogico - 6 * d.altoCaracter - modelo.AltoFijo();
  SPaginaGrid pagina{modelo.DameFilasFijas(), modelo.DameFilasFijas() - 1};
  int usado = 0;
  for (int f = modelo.DameFilasFijas(); f < modelo.DameNumeroFilas(); ++f) {
    const int alto = modelo.DameAltoFila(f);
    if (pagina.ultimaFila >= pagina.primeraFila && usado + alto > d.hueco) {
      d.paginas.push_back(pagina);
      pagina = {f, f - 1};
      usado = 0;
    }
    pagina.ultimaFila = f;
    usado += alto;
  }
  d.paginas.push_back(pagina);
  return d;
}

std::string FechaImpresion(const std::tm& t) {
  auto dos = [](int v) {
    v = ((v % 100) + 100) % 100;
    return std::string{static_cast<char>('0' + v / 10), static_cast<char>('0' + v % 10)};
  };
  return dos(t.tm_mday) + "/" + dos(t.tm_mon + 1) + "/" + dos(t.tm_year) + " " + dos(t.tm_hour) + ":" +
         dos(t.tm_min) + ":" + dos(t.tm_sec);
}

int ImprimirGrid(CLienzo& lienzo, const CGridModelo& modelo, const CGridImagenes* imagenes,
                 const STextosImpresion& textos) {
  if (!lienzo.Correcto() || lienzo.AnchoDispositivo() <= 0 || lienzo.AltoDispositivo() <= 0) return 0;
  CMedidorLienzo medidor;
  const CFuente fuente = FuenteImpresora();
  const int anchoMedio = AnchoMedioCaracter(medidor, fuente);
  const int altoCaracter =
      medidor.Medir("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ", fuente).cy;
  const SDisposicionImpresion d =
      PaginarGrid(modelo, anchoMedio, altoCaracter, lienzo.AnchoDispositivo(), lienzo.AltoDispositivo());
  const int total = static_cast<int>(d.paginas.size());
  const int ch = d.altoCaracter;
  const int izquierda = 4 * d.anchoMedio;
  const int derecha = d.anchoLogico - 4 * d.anchoMedio;
  CFuente negrita = fuente;
  negrita.peso = 700;
  for (int p = 0; p < total; ++p) {
    if (p > 0) lienzo.NuevaPagina();
    lienzo.Guardar();
    lienzo.PonModoMapeo(plataforma::ModoMapeo::Anisotropico);
    lienzo.PonExtensionVentana({d.anchoLogico, std::max(d.altoLogico, 1)});
    lienzo.PonExtensionVista({lienzo.AnchoDispositivo(), lienzo.AltoDispositivo()});
    lienzo.PonModoFondo(plataforma::ModoFondo::Transparente);
    lienzo.PonColorTexto(plataforma::kNegro);

    // Header: the window's text centred, the application's title on the right, a line under them.
    lienzo.PonFuente(negrita);
    const CRectangulo cabecera{izquierda, ch / 2, derecha, ch / 2 + ch};
    lienzo.TextoEnRect(cabecera, textos.ventana, plataforma::kTextoCentro | plataforma::kTextoSinRecorte);
    lienzo.TextoEnRect(cabecera, textos.titulo, plataforma::kTextoDerecha | plataforma::kTextoSinRecorte);
    lienzo.RellenarRectangulo({izquierda, 2 * ch, derecha, 2 * ch + 1}, plataforma::kNegro);

    // The fixed rows, then the page's rows.
    int y = 3 * ch;
    auto fila = [&](int f) {
      int x = izquierda;
      for (int c = 0; c < modelo.DameNumeroColumnas(); ++c) {
        const int a = modelo.DameAnchoColumna(c);
        DibujarCelda(lienzo, modelo, imagenes, f, c, {x, y, x + a, y + modelo.DameAltoFila(f)}, true);
        x += a;
      }
      y += modelo.DameAltoFila(f);
    };
    for (int f = 0; f < modelo.DameFilasFijas(); ++f) fila(f);
    for (int f = d.paginas[static_cast<std::size_t>(p)].primeraFila;
         f <= d.paginas[static_cast<std::size_t>(p)].ultimaFila; ++f)
      fila(f);

    // Footer: a line, and half a character lower the page number on the left and the date on the right.
    lienzo.PonFuente(fuente);
    lienzo.PonColorTexto(plataforma::kNegro);
    const int yPie = d.altoLogico - 2 * ch;
    lienzo.RellenarRectangulo({izquierda, yPie, derecha, yPie + 1}, plataforma::kNegro);
    const CRectangulo pie{izquierda, yPie + ch / 2, derecha, yPie + ch / 2 + ch};
    const std::string pagina =
        TextoFijo1252("P\xE1gina ") + Entero(p + 1) + TextoFijo1252(" de ") + Entero(total);
    lienzo.TextoEnRect(pie, pagina, plataforma::kTextoIzquierda | plataforma::kTextoSinRecorte);
    lienzo.TextoEnRect(pie, textos.fecha, plataforma::kTextoDerecha | plataforma::kTextoSinRecorte);
    lienzo.Restaurar();
  }
  return total;
}

}  // namespace marco
