#include "d100/FechasElementos.h"

#include <cstring>

#include "framework/DlgMensaje.h"
#include "framework/Fechas.h"
#include "framework/Mensajes.h"
#include "framework/Validador.h"

namespace ordinaria {

bool FechaPresente(std::string_view fecha) { return !fecha.empty() && fecha[0] != '\0' && fecha[0] != ' '; }

int AnoFecha(std::string_view fecha) {
  if (fecha.size() < 8) return 0;
  int ano = 0;
  for (std::size_t i = 4; i < 8; ++i) {
    const char c = fecha[i];
    if (c < '0' || c > '9') return 0;
    ano = ano * 10 + (c - '0');
  }
  return ano;
}

EProblemaFecha ProblemaFechas(std::string_view adquisicion, std::string_view transmision, bool anoTransmision,
                              EPlazoElemento plazo) {
  const bool hayPrimera = FechaPresente(adquisicion);
  const bool haySegunda = FechaPresente(transmision);
  if (anoTransmision && haySegunda && AnoFecha(transmision) != kEjercicio) return EProblemaFecha::FueraDelEjercicio;
  if (!hayPrimera || !haySegunda) return EProblemaFecha::Ninguno;
  if (marco::CValidador::FechaNoAnterior(transmision, adquisicion, 0) == 0) return EProblemaFecha::SegundaAnterior;
  int anos = 0;
  bool fraccion = true;
  const int r = marco::CFechas::AnosEntreFechas(adquisicion, transmision, anos, fraccion);
  if (r == marco::kAnosMismoAno) anos = 0;
  if (r < 0) return EProblemaFecha::Ninguno;
  // More than two years: three or more whole years, or two and a part of a year.
  const bool masDeDos = anos > 2 || (anos == 2 && fraccion);
  const bool falla = plazo == EPlazoElemento::HastaDosAnos ? masDeDos : !masDeDos;
  return falla ? EProblemaFecha::Plazo : EProblemaFecha::Ninguno;
}

SMensajesFecha MensajesFecha(EProblemaFecha problema, EPlazoElemento plazo) {
  switch (problema) {
    case EProblemaFecha::FueraDelEjercicio: return {"100R166", "100V153"};
    case EProblemaFecha::SegundaAnterior: return {"100R168", "100V154"};
    case EProblemaFecha::Plazo:
      return plazo == EPlazoElemento::HastaDosAnos ? SMensajesFecha{"100R173", "100V155"}
                                                   : SMensajesFecha{"100R176", "100V156"};
    default: return {};
  }
}

std::string_view ProblemaAdquisicionSola(std::string_view adquisicion, EPlazoElemento plazo) {
  if (!FechaPresente(adquisicion)) return {};
  const int ano = AnoFecha(adquisicion);
  if (ano == 0) return {};
  const bool falla = plazo == EPlazoElemento::HastaDosAnos ? ano < 1997 : ano > 1997;
  return falla ? kMensajeAdquisicionSola : std::string_view{};
}

void RechazarFechaFila(unsigned char* fecha, const unsigned char* copia, EProblemaFecha problema, EPlazoElemento plazo,
                       const std::function<void()>& vaciar) {
  // The copy is taken first: clearing what depends on the date may clear it too.
  char anterior[8];
  std::memcpy(anterior, copia, sizeof anterior);
  const SMensajesFecha mensajes = MensajesFecha(problema, plazo);
  if (!FechaPresente(std::string_view(anterior, sizeof anterior))) {
    marco::CDlgMensaje().MostrarMensaje(mensajes.error, marco::IconoExclamacion);
    std::memset(fecha, 0, 8);
  } else if (marco::CDlgMensaje().MostrarMensaje(mensajes.pregunta, marco::IconoMano) == marco::kBotonCorregir) {
    // The date kept before goes back into the row.
    std::memcpy(fecha, anterior, 8);
  } else {
    std::memset(fecha, 0, 8);
    if (vaciar) vaciar();
  }
}

}  // namespace ordinaria
