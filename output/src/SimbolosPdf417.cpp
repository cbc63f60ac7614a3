#include "output/SimbolosPdf417.h"

#include <string_view>
#include <vector>

#include "framework/DlgMensaje.h"

namespace salida {

namespace {

void Mensaje(std::string_view codigo) { marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoMano, ""); }

}  // namespace

plataforma::CFormaPdf417 FormaSimbolo(int k, std::size_t longitudTrama) {
  if (k < 0 || k >= static_cast<int>(kPlazasPdf417.size())) return {};
  const CPlazaPdf417& plaza = kPlazasPdf417[static_cast<std::size_t>(k)];
  return plataforma::CFormaPdf417{plaza.columnas,
                                  longitudTrama >= static_cast<std::size_t>(plaza.umbral) ? plaza.filas : 0};
}

CEscalaPagina EscalaPagina(int resolucion) {
  return CEscalaPagina{resolucion * 7.95 / 790.0, resolucion * 11.05 / 1100.0};
}

plataforma::CPunto OrigenRanura(int k, int resolucion) {
  if (k < 0 || k >= static_cast<int>(kPlazasPdf417.size())) return {};
  const CPlazaPdf417& plaza = kPlazasPdf417[static_cast<std::size_t>(k)];
  const CEscalaPagina e = EscalaPagina(resolucion);
  return plataforma::CPunto{static_cast<int>(plaza.x * e.sx), static_cast<int>(plaza.y * e.sy)};
}

plataforma::CTamano ExtensionSimbolo(const plataforma::CSimboloCodigoBarras& simbolo, int resolucion) {
  const CEscalaPagina e = EscalaPagina(resolucion);
  return plataforma::CTamano{static_cast<int>(simbolo.AnchoModulos() * kModuloEnUnidades * e.sx),
                             static_cast<int>(simbolo.AltoModulos() * kModuloEnUnidades * e.sy)};
}

double EscalaSimbolo714(int resolucion) {
  if (resolucion > 0 && resolucion % 300 != 0 && resolucion % 360 == 0) return 1.111;
  return 1.0;
}

plataforma::CPunto OrigenSimbolo714(int resolucion) {
  const CEscalaPagina e = EscalaPagina(resolucion);
  const double f = EscalaSimbolo714(resolucion);
  return plataforma::CPunto{static_cast<int>(kPlazaPdf417Patrimonio.x * e.sx * f),
                            static_cast<int>(kPlazaPdf417Patrimonio.y * e.sy * f)};
}

plataforma::CTamano ExtensionSimbolo714(const plataforma::CSimboloCodigoBarras& simbolo, int resolucion) {
  const CEscalaPagina e = EscalaPagina(resolucion);
  const double f = EscalaSimbolo714(resolucion);
  return plataforma::CTamano{static_cast<int>(simbolo.AnchoModulos() * kModuloEnUnidades * e.sx * f),
                             static_cast<int>(simbolo.AltoModulos() * kModuloEnUnidades * e.sy * f)};
}

int PintarPDF417Patrimonio(plataforma::CLienzo& lienzo, int resolucion, std::span<const std::uint8_t> datos,
                           int /*tipoDeclaracion*/) {
  if (resolucion < kResolucionMinimaPdf417) return kSimboloSinResolucion;
  plataforma::CCodificadorPdf417 codificador(
      datos, {plataforma::CFormaPdf417{kPlazaPdf417Patrimonio.columnas, kPlazaPdf417Patrimonio.filas}});
  // One symbol holds the whole frame, or the frame is not printed: half a record would read as a whole one.
  if (codificador.Siguiente() != 1 || codificador.SimbolosNecesarios() != 1 || !codificador.Completo()) {
    Mensaje("PDF004");
    return kSimboloFallido;
  }
  const plataforma::CSimboloCodigoBarras* simbolo = codificador.Simbolo();
  if (simbolo == nullptr || simbolo->AnchoModulos() <= 0 || simbolo->AltoModulos() <= 0) {
    Mensaje("PDF003");
    return kSimboloFallido;
  }
  if (!plataforma::PintarSimbolo(lienzo, *simbolo, OrigenSimbolo714(resolucion),
                                 ExtensionSimbolo714(*simbolo, resolucion))) {
    Mensaje("PDF001");
    return kSimboloFallido;
  }
  return kSimboloPintado;
}

void CSimbolosPdf417::PintarPDF417(plataforma::CLienzo& lienzo, int resolucion, std::span<const std::uint8_t> datos,
                                   int /*tipoDeclaracion*/) {
  if (resolucion < kResolucionMinimaPdf417) {
    Mensaje("WIN027 ");
    return;
  }
  std::vector<plataforma::CFormaPdf417> formas;
  for (int k = 0; k < static_cast<int>(kPlazasPdf417.size()); ++k) formas.push_back(FormaSimbolo(k, datos.size()));
  plataforma::CCodificadorPdf417 codificador(datos, std::move(formas));

  int k = 0;
  int resultado = codificador.Siguiente();
  while (resultado == 1) {
    if (k == static_cast<int>(kPlazasPdf417.size())) {
      Mensaje("PDF001");
      return;
    }
    const plataforma::CSimboloCodigoBarras* simbolo = codificador.Simbolo();
    if (simbolo == nullptr) {
      Mensaje("PDF003");
      return;
    }
    if (simbolo->AnchoModulos() <= 0 || simbolo->AltoModulos() <= 0) {
      Mensaje("PDF001");
      return;
    }
    if (!plataforma::PintarSimbolo(lienzo, *simbolo, OrigenRanura(k, resolucion),
                                   ExtensionSimbolo(*simbolo, resolucion))) {
      Mensaje("WIN132 ");
      return;
    }
    ++k;
    resultado = codificador.Siguiente();
  }
  if (resultado < 0) {
    Mensaje("PDF004");
    return;
  }
  m_nSimbolos = k;
}

}  // namespace salida
