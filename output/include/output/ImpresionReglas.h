// The rules of printing a declaration over the form pictures, without any window or device: which copies each page
// gets and their labels, what a printer must offer before anything is sent, the resolution found for it, the pages
// of a chosen range, the factors that carry box positions from page units to printer dots, the texts of the
// progress window, and the small text services the bar-code records share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Lienzo.h"

namespace marco {
class CControlesPagina;
}

namespace salida {

// ---- forms and copies ----

// The document's form type.
inline constexpr int kFormularioD101 = 1;
inline constexpr int kFormularioD100 = 2;
inline constexpr int kFormularioD714 = 3;

// The copy being printed (TipoEjemplar); its label goes into the page's "EJEMPLAR" box.
enum TipoEjemplar : int {
  kEjemplarInteresado = 0,
  kEjemplarAdministracion = 1,
  kEjemplarEntidadColaboradora = 2,
  kEjemplarSobreAnual = 3,
  kEjemplarSujetoPasivo = 4,
};

// The label of a copy type (Windows-1252); empty for any other type.
std::string_view TextoEjemplar(int tipo);

// The last page of a form in the print dialog's numbering (10 D-101, 19 D-100, 12 D-714; 0 for another type).
int UltimaPaginaFormulario(int formulario);

// The copy types of one page, in printing order: the extra copy for the taxpayer first when it was asked for,
// then the page's own (D-100 pages 1-17: 0 and 1; 18: 0 and 3; 19: 2; D-101 likewise with 1-8, 9 and 10; D-714
// pages 1-10: 0, 1 and 1; 11: 4 and 3; 12: 2).
std::vector<int> EjemplaresDePagina(int formulario, int pagina, bool copiaAdicional);

// ---- the printer ----

inline constexpr int kPapelA4 = 9;
inline constexpr int kOrientacionVertical = 1;
inline constexpr int kOrientacionApaisada = 2;
inline constexpr int kDuplexSimple = 1;
inline constexpr int kDuplexVertical = 2;
inline constexpr int kDuplexHorizontal = 3;
inline constexpr int kResolucionMinima = 300;

// What the chosen printer reports: paper, orientation, two-sided mode, print quality (a positive value is a
// resolution in dots per inch; negative values are the draft-to-high quality codes) and the y resolution.
struct SConfiguracionImpresora {
  int papel = kPapelA4;
  int orientacion = kOrientacionVertical;
  int duplex = kDuplexSimple;
  int calidad = 0;
  int resolucionY = 0;
};

// The first check the printer fails, as its message code ("WIN026" not A4, "WIN038" not portrait, "WIN039"
// two-sided, "WIN027" a resolution quality with fewer than 300 dots per inch); empty when it may print.
std::string_view ComprobarImpresora(const SConfiguracionImpresora& configuracion);

// The resolution the bar codes are drawn for: the y resolution when the quality is a resolution below 300 dots
// (the check has then made sure it is at least 300); otherwise from the page's height in dots: 3150-3504 300,
// 3780-4205 360, 6300-7008 600, 7560-8410 720, 12600-14016 1200, any other height from 3150 on 300, else 0.
int PuntosPorPulgada(const SConfiguracionImpresora& configuracion, int altoPagina);

// ---- the range ----

// The page numbers of the dialog: from, to, and the allowed span.
struct SRangoImpresion {
  int desde = 1;
  int hasta = 1;
  int minimo = 1;
  int maximo = 1;
};

// The pages to print in order: from and to clamped into the span, going backwards when to is below from. An
// empty span (maximum below minimum) gives none.
std::vector<int> PaginasDelRango(const SRangoImpresion& rango);

// ---- from page units to printer dots ----

// Box coordinates span this many page units across the page; the logical height of the print mapping.
inline constexpr int kUnidadesAnchoPagina = 1004;
inline constexpr int kUnidadesAltoLogico = 768;
// The print font: Arial, bold, 8 logical units high.
plataforma::CFuente FuenteImpresion();

struct SEscalasImpresion {
  double x = 0.0;  // page units per printer dot across
  double y = 0.0;  // page units per printer dot down
};

// The factors for a page of `pagina` dots whose picture measures `imagen` (its own units; the default page when
// it has no size): page units across over the page's dots, and the page's height in page units (by the
// picture's proportion) over its dots. Zero factors for a page without dots.
SEscalasImpresion EscalasImpresion(plataforma::CTamano pagina, plataforma::CTamano imagen);

// The print mapping of a canvas: anisotropic, the logical window of 1004 x 768 units over the whole page.
void PrepararMapeoImpresion(plataforma::CLienzo& lienzo, plataforma::CTamano pagina);

// Rewrites every box's rectangle in printer dots: x1 / fx + H/300, y1 / fy, x2 / fx - H/300, y2 / fy, truncating
// at every step; the boxes' own scales become 1. Nothing happens with zero factors.
void ColocarCampos(marco::CControlesPagina& campos, SEscalasImpresion escalas, plataforma::CTamano pagina);

// ---- texts of the progress window ----

// "Imprimiendo pág: %d de %d".
std::string TextoPaginaImprimiendo(int pagina, int total);
// "Imprimiendo %s sobre %s en el puerto %s  ", the title without its trailing blanks.
std::string TextoDocumentoImprimiendo(std::string_view titulo, std::string_view impresora, std::string_view puerto);
// The name of a printed sheet in the job's outline: "Página n", its sheet when it has more than one, and the copy
// label.
std::string TextoHojaImpresa(int pagina, int hoja, std::string_view etiqueta);

// The page numbers of a list as the user reads them: "2", "2 y 6", "2, 6 y 7"; empty for none.
std::string TextoListaPaginas(const std::vector<int>& paginas);

// ---- text services of the bar-code records ----

// The text without its first six characters and with every "." removed.
std::string QuitarPrefijoYPuntos(std::string_view texto);
// A blank or a text without blanks stays; otherwise leading blanks go, every run of blanks becomes one blank, and
// the freed tail is filled with blanks, so the length stays.
void CompactarBlancos(std::string& texto);
// `a`, one blank and `b`, compacted, and cut to `maximo` characters.
std::string UnirTextos(std::string_view a, std::string_view b, std::size_t maximo);
// True for an empty or all-blank text.
bool EsTextoEnBlanco(std::string_view texto);

}  // namespace salida
