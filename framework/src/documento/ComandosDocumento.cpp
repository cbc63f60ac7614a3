#include "framework/ComandosDocumento.h"

#include <wx/defs.h>

#include <array>
#include <utility>

#include "framework/TextosVentana.h"
#include "platform/Texto.h"

namespace marco {

namespace {

// The commands that have a standard wxWidgets id (menus, accelerators and the text controls know these).
constexpr std::array<std::pair<int, int>, 9> kComandosWx{{
    {kComandoCerrar, wxID_CLOSE},
    {kComandoGuardar, wxID_SAVE},
    {kComandoImprimir, wxID_PRINT},
    {kComandoBorrador, wxID_PREVIEW},
    {kComandoCopiar, wxID_COPY},
    {kComandoCortar, wxID_CUT},
    {kComandoPegar, wxID_PASTE},
    {kComandoDeshacer, wxID_UNDO},
    {kComandoAyuda, wxID_HELP},
}};

// The program's numbers that wxWidgets cannot take as they are (its ids stop below 0x7FFF) and that have no
// standard id: each takes an id of its own from kPrimerIdPropio on, a range no number of the program uses.
constexpr std::array<int, 24> kComandosPropios{
    kComandoPrimeraPagina, kComandoUltimaPagina,      kComandoPaginaSiguiente,   kComandoPaginaAnterior,
    kComandoPaginaElegida, kComandoImportar,          kComandoEstadoDeclaracion, kComandoIrAPagina,
    kComandoExportar,      kComandoImprimirDirecto,   kComandoIrAPaginaMenu,     kComandoCalculadora,
    kComandoZoomAcercar,   kComandoZoomAlejar,        kComandoSimplificada,      kComandoOrdinaria,
    kComandoPresentacionInternet,
    kComandoUnidadFamiliar, kComandoDeclarante,       kComandoConyuge,           kComandoHijo1,
    kComandoHijo2,          kComandoDatosPersonales,  kComandoResumenResultados,
};
constexpr int kPrimerIdPropio = 0x7100;

SServiciosComandos& Servicios() {
  static SServiciosComandos servicios;
  return servicios;
}

}  // namespace

int ComandoAWx(int comando) {
  for (const auto& [propio, wx] : kComandosWx) {
    if (propio == comando) return wx;
  }
  for (std::size_t i = 0; i < kComandosPropios.size(); ++i) {
    if (kComandosPropios[i] == comando) return kPrimerIdPropio + static_cast<int>(i);
  }
  return comando;
}

int ComandoDeWx(int idWx) {
  for (const auto& [propio, wx] : kComandosWx) {
    if (wx == idWx) return propio;
  }
  const int indice = idWx - kPrimerIdPropio;
  if (indice >= 0 && static_cast<std::size_t>(indice) < kComandosPropios.size()) {
    return kComandosPropios[static_cast<std::size_t>(indice)];
  }
  return idWx;
}

int IndicePaginaDeVista(int numeroPagina, int tipoDec) {
  int base = 0;
  switch (tipoDec) {
    case 1:
    case 0xFF:
      base = 100;
      break;
    case 2:
      base = 200;
      break;
    case 3:
      base = 300;
      break;
    default:
      return -1;
  }
  if (numeroPagina < 0) return -1;
  int indice = numeroPagina < base ? numeroPagina - 1 : numeroPagina % base - 1;
  if (tipoDec == 1 && indice == 16) indice = 7;
  return indice < 0 ? -1 : indice;
}

std::string PreguntaGuardarCambios(std::string_view clave) {
  // The question speaks the interface language; the declaration's name goes between its two fixed parts.
  return TextoFijo1252("La declaraci\xF3n de ") + std::string(plataforma::RecortaDerecha(clave)) +
         TextoFijo1252(" ha cambiado.\n\xBF Desea guardar los datos ?");
}

const SServiciosComandos& ServiciosComandos() { return Servicios(); }

void PonerServiciosComandos(SServiciosComandos servicios) { Servicios() = std::move(servicios); }

}  // namespace marco
