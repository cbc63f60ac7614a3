#include "output/BorradorReglas.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "framework/DocumentoServicios.h"
#include "output/ImpresionReglas.h"

namespace salida {

namespace {

// The persons: 1 is the family unit (or a common holder).
constexpr int kUnidadFamiliar = 1;

std::uint8_t Byte(std::span<const std::uint8_t> datos, std::size_t desplazamiento) {
  return desplazamiento < datos.size() ? datos[desplazamiento] : 0;
}

std::int32_t Entero32(std::span<const std::uint8_t> datos, std::size_t desplazamiento) {
  std::int32_t valor = 0;
  if (desplazamiento + sizeof valor <= datos.size()) std::memcpy(&valor, datos.data() + desplazamiento, sizeof valor);
  return valor;
}

double Doble(std::span<const std::uint8_t> datos, std::size_t desplazamiento) {
  double valor = 0.0;
  if (desplazamiento + sizeof valor <= datos.size()) std::memcpy(&valor, datos.data() + desplazamiento, sizeof valor);
  return valor;
}

// Pages 3 and 4 of the D-100: six holder bytes.
int HojaExtraTitulares(std::span<const std::uint8_t> datos, int sujeto, std::initializer_list<std::size_t> bytes) {
  for (const std::size_t d : bytes) {
    const int titular = Byte(datos, d);
    if ((sujeto == kUnidadFamiliar && titular != 0) || titular == sujeto) return 1;
  }
  return 0;
}

// Pages 5 and 6: the activities of the view, split by whether a share (or the double in its place) is set.
int HojaExtraActividades(std::span<const std::uint8_t> datos, int sujeto, std::size_t primera, std::size_t paso,
                         std::size_t clave, std::size_t titular, std::size_t porcentaje) {
  int sinParte = 0;
  int conParte = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t fila = primera + paso * i;
    if (Entero32(datos, fila + clave) <= 0) continue;
    if (sujeto != kUnidadFamiliar && Byte(datos, fila + titular) != sujeto) continue;
    if (Doble(datos, fila + porcentaje) == 0.0) {
      ++sinParte;
    } else {
      ++conParte;
    }
  }
  return std::max(sinParte, conParte) >= 3 ? 1 : 0;
}

// Pages 8 and 9: nine rows, each told by four bytes; three rows to a sheet.
struct SColumna {
  std::size_t inicio;
  std::size_t paso;
};
int HojasExtraFilas(std::span<const std::uint8_t> datos, int sujeto, const std::array<SColumna, 4>& columnas) {
  int filas = 0;
  for (std::size_t i = 0; i < 9; ++i) {
    bool cuenta = false;
    for (const SColumna& c : columnas) {
      const int valor = Byte(datos, c.inicio + c.paso * i);
      if ((sujeto == kUnidadFamiliar && valor != 0) || valor == sujeto || valor == 1) cuenta = true;
    }
    if (cuenta) ++filas;
  }
  return filas == 0 ? 0 : (filas + 2) / 3 - 1;
}

}  // namespace

// ---- the source over any document ----

int CFuenteBorradorMarco::TipoFormulario() { return m_documento.DameTipoDec(); }

int CFuenteBorradorMarco::SujetoActual() {
  const int sujeto = marco::DameSujetoActual();
  return sujeto > 0 ? sujeto : kUnidadFamiliar;
}

bool CFuenteBorradorMarco::VistaUnidadFamiliar() { return m_documento.DameVistaUnidadFamiliar() != 0; }

int CFuenteBorradorMarco::LeerPagina(int idPagina, marco::PaginaInfo& info) {
  return m_documento.LeerPagina(idPagina, info, false);
}

std::shared_ptr<marco::CControlesPagina> CFuenteBorradorMarco::CrearCampos(int idPagina) {
  auto campos = std::make_shared<marco::CControlesPagina>();
  campos->PonerDocumento(&m_documento);
  if (campos->Cargar(idPagina, 1.0, nullptr) == 0) return nullptr;
  return campos;
}

// ---- extra sheets ----

int HojasExtraD101(std::span<const std::uint8_t> datos, int sujeto, bool vistaUnidadFamiliar) {
  int filas = 0;
  for (std::size_t i = 0; i < 9; ++i) {
    const std::size_t fila = 0x6658 + 56 * i;
    const int titular = Byte(datos, fila);
    const int segundo = Byte(datos, fila + 1);
    const bool llena = (segundo != 0 && segundo != ' ') || titular != 0;
    if (llena && (vistaUnidadFamiliar || titular == sujeto || titular == kUnidadFamiliar)) ++filas;
  }
  return filas <= 3 ? 0 : (filas <= 6 ? 1 : 2);
}

std::array<int, 17> HojasExtraD100(std::span<const std::uint8_t> datos, int sujeto) {
  std::array<int, 17> hojas{};
  hojas[2] = HojaExtraTitulares(datos, sujeto, {0x1E20, 0x1F90, 0x2100, 0x21E0, 0x2230, 0x2280});
  hojas[3] = HojaExtraTitulares(datos, sujeto, {0x2370, 0x24E0, 0x2650, 0x2730, 0x2780, 0x27D0});
  hojas[4] = HojaExtraActividades(datos, sujeto, 0x28A0, 1560, 8, 24, 32);
  hojas[5] = HojaExtraActividades(datos, sujeto, 0x4118, 2064, 4, 8, 16);
  hojas[7] = HojasExtraFilas(datos, sujeto, {{{0x6658, 56}, {0x6A3C, 328}, {0x7628, 24}, {0x7728, 24}}});
  hojas[8] = HojasExtraFilas(datos, sujeto, {{{0x7828, 32}, {0x7984, 640}, {0x9068, 24}, {0x9168, 24}}});
  return hojas;
}

CPaginasBorrador CPaginasBorrador::Calcular(int formulario, std::span<const std::uint8_t> datos, int sujeto,
                                            bool vistaUnidadFamiliar) {
  CPaginasBorrador r;
  switch (formulario) {
    case kFormularioD101: {
      r.m_nHojasExtra = HojasExtraD101(datos, sujeto, vistaUnidadFamiliar);
      for (int f = 1; f <= 8; ++f) {
        const int hojas = f == 3 ? 1 + r.m_nHojasExtra : 1;
        for (int h = 1; h <= hojas; ++h) r.m_paginas.push_back({f, h, f == 8 ? 217 : 100 + f});
      }
      break;
    }
    case kFormularioD100: {
      const std::array<int, 17> extra = HojasExtraD100(datos, sujeto);
      for (int f = 1; f <= 17; ++f) {
        const int hojas = 1 + extra[static_cast<std::size_t>(f - 1)];
        r.m_nHojasExtra += hojas - 1;
        for (int h = 1; h <= hojas; ++h) r.m_paginas.push_back({f, h, 200 + f});
      }
      break;
    }
    case kFormularioD714:
      for (int f = 1; f <= 11; ++f) r.m_paginas.push_back({f, 1, 300 + f});
      break;
    default:
      break;
  }
  return r;
}

std::optional<SPaginaBorrador> CPaginasBorrador::Pagina(int n) const {
  if (n < 1 || n > Total()) return std::nullopt;
  return m_paginas[static_cast<std::size_t>(n - 1)];
}

// ---- the draft texts ----

CCamposBorrador::CCamposBorrador(marco::CControlesPagina& campos) : m_campos(campos) {
  for (int i = 0; i < campos.NumeroCampos(); ++i) {
    marco::CCampo* campo = campos.Campo(i);
    if (campo == nullptr) continue;
    const std::string_view id = std::string_view(campo->Identifica).substr(0, 10);
    const bool justificante = id == "JUSTIFICAN";
    const bool borrador = id == "REFERENCIA" || id == "EJEMPLAR";
    if (!justificante && !borrador) continue;
    m_anteriores.emplace_back(i, campo->Dato);
    campo->Dato = nullptr;
    // Only a text box takes the draft text, in a buffer as long as every value the box may read.
    const std::size_t valor = campo->TamanoValor();
    if (!borrador || valor == 0 || valor != static_cast<std::size_t>(campo->Longitud)) continue;
    const std::size_t largo = std::max(valor * static_cast<std::size_t>(std::max(1, campo->Repeticion)),
                                       kLargoTextoBorrador);
    auto texto = std::make_unique<std::vector<char>>(largo, ' ');
    std::copy(kTextoNoPresenteBorrador.begin(), kTextoNoPresenteBorrador.end(), texto->begin());
    campo->Dato = texto->data();
    m_textos.push_back(std::move(texto));
  }
}

CCamposBorrador::~CCamposBorrador() {
  for (const auto& [posicion, dato] : m_anteriores) {
    if (marco::CCampo* campo = m_campos.Campo(posicion)) campo->Dato = dato;
  }
}

// ---- drawing ----

void DibujarMarcaBorrador(plataforma::CLienzo& lienzo) {
  lienzo.Guardar();
  plataforma::CFuente fuente{"Arial", -80, 400};
  fuente.escapamiento = -900;
  lienzo.PonFuente(fuente);
  lienzo.PonColorTexto(plataforma::kNegro);
  lienzo.PonModoFondo(plataforma::ModoFondo::Transparente);
  // The text turns clockwise about its reference point; with the point at the bottom of the letters they lie to
  // its right, on the page.
  lienzo.PonAlineacionTexto(plataforma::kAlineaIzquierda | plataforma::kAlineaAbajo);
  lienzo.Texto({50, 200}, kTextoMarcaBorrador);
  lienzo.Restaurar();
}

void DibujarPaginaBorrador(plataforma::CLienzo& lienzo, const plataforma::CMetaFile& imagen,
                           marco::CControlesPagina* campos) {
  const plataforma::CTamano pagina{lienzo.AnchoDispositivo(), lienzo.AltoDispositivo()};
  lienzo.Guardar();
  PrepararMapeoImpresion(lienzo, pagina);
  if (!imagen.EstaVacio()) {
    imagen.Dibujar(lienzo, lienzo.DispositivoALogico(plataforma::CRectangulo{0, 0, pagina.cx, pagina.cy}), 0);
  }
  if (campos != nullptr) {
    const CCamposBorrador borrador(*campos);
    ColocarCampos(*campos, EscalasImpresion(pagina, imagen.DameTamano()), pagina);
    lienzo.PonFuente(FuenteImpresion());
    campos->Dibujar(lienzo, 0, 0, marco::kDibujoSoloTexto);
  }
  DibujarMarcaBorrador(lienzo);
  lienzo.Restaurar();
}

}  // namespace salida
