#include "output/ImpresionReglas.h"

#include <algorithm>
#include <charconv>

#include "framework/ControlesPagina.h"
#include "framework/Prog32ViewReglas.h"
#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace salida {

namespace {

std::string Entero(long valor) {
  char texto[24];
  const auto r = std::to_chars(texto, texto + sizeof texto, valor);
  return std::string(texto, r.ptr);
}

int Truncar(double valor) { return static_cast<int>(valor); }

}  // namespace

std::string_view TextoEjemplar(int tipo) {
  switch (tipo) {
    case kEjemplarInteresado:
      return "Ejemplar para el interesado.";
    case kEjemplarAdministracion:
      return "Ejemplar para la Administraci\xF3n.";
    case kEjemplarEntidadColaboradora:
      return "Ejemplar para la Entidad colaboradora.";
    case kEjemplarSobreAnual:
      return "Ejemplar para el sobre anual";
    case kEjemplarSujetoPasivo:
      return "Ejemplar para el sujeto pasivo";
    default:
      return {};
  }
}

int UltimaPaginaFormulario(int formulario) {
  switch (formulario) {
    case kFormularioD101:
      return 10;
    case kFormularioD100:
      return 19;
    case kFormularioD714:
      return 12;
    default:
      return 0;
  }
}

std::vector<int> EjemplaresDePagina(int formulario, int pagina, bool copiaAdicional) {
  const int ultima = UltimaPaginaFormulario(formulario);
  const bool patrimonio = formulario == kFormularioD714;
  std::vector<int> tipos;
  if (copiaAdicional) tipos.push_back(kEjemplarInteresado);
  if (pagina == ultima) {
    tipos.push_back(kEjemplarEntidadColaboradora);
  } else if (patrimonio && pagina == 11) {
    tipos.push_back(kEjemplarSujetoPasivo);
  } else {
    tipos.push_back(kEjemplarInteresado);
  }
  if (patrimonio && pagina != 11 && pagina != 12) tipos.push_back(kEjemplarAdministracion);
  if (pagina != ultima) tipos.push_back(pagina == ultima - 1 ? kEjemplarSobreAnual : kEjemplarAdministracion);
  return tipos;
}

std::string_view ComprobarImpresora(const SConfiguracionImpresora& c) {
  if (c.papel != kPapelA4) return "WIN026";
  if (c.orientacion != kOrientacionVertical) return "WIN038";
  if (c.duplex == kDuplexVertical || c.duplex == kDuplexHorizontal) return "WIN039";
  if (c.calidad >= 0 && c.calidad < kResolucionMinima && c.resolucionY < kResolucionMinima) return "WIN027";
  return {};
}

int PuntosPorPulgada(const SConfiguracionImpresora& c, int h) {
  if (c.calidad >= 0 && c.calidad < kResolucionMinima) return c.resolucionY;
  if (h >= 3150 && h <= 3504) return 300;
  if (h >= 3780 && h <= 4205) return 360;
  if (h >= 6300 && h <= 7008) return 600;
  if (h >= 7560 && h <= 8410) return 720;
  if (h >= 12600 && h <= 14016) return 1200;
  return h >= 3150 ? 300 : 0;
}

std::vector<int> PaginasDelRango(const SRangoImpresion& r) {
  std::vector<int> paginas;
  if (r.maximo < r.minimo) return paginas;
  const int desde = std::clamp(r.desde, r.minimo, r.maximo);
  const int hasta = std::clamp(r.hasta, r.minimo, r.maximo);
  const int paso = hasta < desde ? -1 : 1;
  for (int p = desde;; p += paso) {
    paginas.push_back(p);
    if (p == hasta) break;
  }
  return paginas;
}

plataforma::CFuente FuenteImpresion() { return plataforma::CFuente{"Arial", -8, 700}; }

SEscalasImpresion EscalasImpresion(plataforma::CTamano pagina, plataforma::CTamano imagen) {
  if (pagina.cx <= 0 || pagina.cy <= 0) return {};
  const plataforma::CTamano dibujo = imagen.cx > 0 && imagen.cy > 0 ? imagen : marco::kTamanoPaginaDefecto;
  const double altoUnidades = static_cast<double>(kUnidadesAnchoPagina) * dibujo.cy / dibujo.cx;
  return SEscalasImpresion{static_cast<double>(kUnidadesAnchoPagina) / pagina.cx, altoUnidades / pagina.cy};
}

void PrepararMapeoImpresion(plataforma::CLienzo& lienzo, plataforma::CTamano pagina) {
  lienzo.PonModoMapeo(plataforma::ModoMapeo::Anisotropico);
  lienzo.PonOrigenVentana({0, 0});
  lienzo.PonOrigenVista({0, 0});
  lienzo.PonExtensionVentana({kUnidadesAnchoPagina, kUnidadesAltoLogico});
  lienzo.PonExtensionVista(pagina);
  lienzo.PonFuente(FuenteImpresion());
}

void ColocarCampos(marco::CControlesPagina& campos, SEscalasImpresion e, plataforma::CTamano pagina) {
  if (!(e.x > 0.0) || !(e.y > 0.0)) return;
  // Texts keep a small margin from the sides of their box. They are not moved down: the page picture and the
  // boxes come from one layout, so a box's rectangle is exactly where its frame is printed.
  const int margenX = pagina.cx / 300;
  const int margenY = 0;
  for (int i = 0; i < campos.NumeroCampos(); ++i) {
    marco::CCampo* campo = campos.Campo(i);
    if (campo == nullptr) continue;
    campo->Coor_1 = Truncar(campo->Coor_1 / e.x) + margenX;
    campo->Coor_2 = Truncar(campo->Coor_2 / e.y) + margenY;
    campo->Coor_3 = Truncar(campo->Coor_3 / e.x) - margenX;
    campo->Coor_4 = Truncar(campo->Coor_4 / e.y) + margenY;
    campo->EscalaX = 1.0;
    campo->EscalaY = 1.0;
  }
}

std::string TextoPaginaImprimiendo(int pagina, int total) {
  using marco::TextoFijo1252;
  return TextoFijo1252("Imprimiendo p\xE1g: ") + Entero(pagina) + TextoFijo1252(" de ") + Entero(total);
}

std::string TextoDocumentoImprimiendo(std::string_view titulo, std::string_view impresora, std::string_view puerto) {
  using marco::TextoFijo1252;
  std::string texto = TextoFijo1252("Imprimiendo ");
  texto.append(plataforma::RecortaDerecha(titulo));
  texto.append(TextoFijo1252(" sobre ")).append(impresora).append(TextoFijo1252(" en el puerto ")).append(puerto);
  texto.append("  ");
  return texto;
}

std::string TextoHojaImpresa(int pagina, int hoja, std::string_view etiqueta) {
  std::string texto = marco::TextoFijo1252("P\xE1gina ") + Entero(pagina);
  if (hoja > 1) texto += marco::TextoFijo1252(" (hoja ") + Entero(hoja) + ")";
  if (!etiqueta.empty()) texto.append(" \xB7 ").append(etiqueta);
  return texto;
}

std::string QuitarPrefijoYPuntos(std::string_view texto) {
  std::string resultado;
  if (texto.size() <= 6) return resultado;
  for (char c : texto.substr(6)) {
    if (c != '.') resultado.push_back(c);
  }
  return resultado;
}

void CompactarBlancos(std::string& texto) {
  if (EsTextoEnBlanco(texto) || texto.find(' ') == std::string::npos) return;
  std::string compacto;
  compacto.reserve(texto.size());
  for (char c : texto) {
    if (c == ' ' && (compacto.empty() || compacto.back() == ' ')) continue;
    compacto.push_back(c);
  }
  compacto.resize(texto.size(), ' ');
  texto = std::move(compacto);
}

std::string UnirTextos(std::string_view a, std::string_view b, std::size_t maximo) {
  std::string texto(a);
  texto.push_back(' ');
  texto.append(b);
  CompactarBlancos(texto);
  if (texto.size() > maximo) texto.resize(maximo);
  return texto;
}

bool EsTextoEnBlanco(std::string_view texto) {
  return std::all_of(texto.begin(), texto.end(), [](char c) { return c == ' '; });
}

std::string TextoListaPaginas(const std::vector<int>& paginas) {
  std::string texto;
  for (std::size_t i = 0; i < paginas.size(); ++i) {
    if (i > 0) texto += i + 1 == paginas.size() ? " y " : ", ";
    texto += std::to_string(paginas[i]);
  }
  return texto;
}

}  // namespace salida
