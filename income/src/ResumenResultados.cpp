#include "income/ResumenResultados.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "framework/Campo.h"
#include "framework/DocumentoServicios.h"
#include "platform/Texto.h"

namespace renta {

namespace {

double Slot(const RegResultados& resultados, std::size_t desp, int slot) {
  double valor = 0.0;
  std::memcpy(&valor, resultados.octetos + desp + sizeof(double) * static_cast<std::size_t>(slot), sizeof valor);
  return valor;
}

std::string_view NombreFila(int sujeto) {
  switch (sujeto) {
    case marco::kSujetoDeclarante: return "Declarante";
    case marco::kSujetoConyuge: return "C\xF3nyuge";
    case marco::kSujetoHijo1: return "Hijo 1";
    case marco::kSujetoHijo2: return "Hijo 2";
    default: return {};
  }
}

std::string Relleno(std::string texto, std::size_t ancho, bool derecha) {
  if (texto.size() >= ancho) return texto;
  const std::string blancos(ancho - texto.size(), ' ');
  return derecha ? blancos + texto : texto + blancos;
}

// The text of a sentence with "%s" replaced by `valor` (after it when the text has none).
std::string Sustituir(std::string texto, const std::string& valor) {
  const std::size_t pos = texto.find("%s");
  if (pos == std::string::npos) return texto + " " + valor;
  return texto.replace(pos, 2, valor);
}

}  // namespace

SCifrasDeclaracion CifrasDeSlot(const RegResultados& resultados, int slot) {
  if (slot < 0 || slot >= kNumeroSujetos) return {};
  return {Slot(resultados, kDespCuotaTrasDeducciones, slot), Slot(resultados, kDespRetencionesYPagos, slot),
          Slot(resultados, kDespResultadoDeclaracion, slot)};
}

SResumenDeclaraciones ResumirDeclaraciones(const DatosRenta& datos,
                                           std::span<const std::int32_t, kNumeroSujetos> presentes) {
  SResumenDeclaraciones r;
  for (int sujeto = marco::kSujetoDeclarante; sujeto <= marco::kSujetoHijo2; ++sujeto) {
    if (presentes[static_cast<std::size_t>(sujeto - 1)] == 0) continue;
    const SCifrasDeclaracion cifras = CifrasDeSlot(datos.Resultados, sujeto - 1);
    r.individuales.push_back({sujeto, cifras});
    r.sumaIndividuales.cuota += cifras.cuota;
    r.sumaIndividuales.pagos += cifras.pagos;
    r.sumaIndividuales.resultado += cifras.resultado;
  }
  r.conjunta = CifrasDeSlot(datos.Resultados, 0);
  // Results in whole cents, so that the sum of the individual ones compares without the dust of the doubles.
  const double diferencia = std::round((r.conjunta.resultado - r.sumaIndividuales.resultado) * 100.0) / 100.0;
  if (diferencia > 0.0) {
    r.masBarata = EOpcionMasBarata::Individuales;
  } else if (diferencia < 0.0) {
    r.masBarata = EOpcionMasBarata::Conjunta;
  }
  r.diferencia = std::fabs(diferencia);
  return r;
}

std::vector<std::string> LineasResumen(const SResumenDeclaraciones& resumen, int decimales, bool euros,
                                       const std::function<std::string(std::string_view)>& texto) {
  const auto importe = [decimales](double valor) { return marco::FormatearImporte(valor, decimales, decimales); };
  struct SFila {
    std::string nombre;
    std::array<std::string, 3> columnas;
  };
  const auto fila = [&](std::string_view nombre, const SCifrasDeclaracion& c) {
    return SFila{texto(nombre), {importe(c.cuota), importe(c.pagos), importe(c.resultado)}};
  };
  std::vector<SFila> filas;
  filas.push_back({std::string(), {texto("Cuota"), texto("Retenciones y pagos"), texto("Resultado")}});
  for (const SFilaResumen& f : resumen.individuales) filas.push_back(fila(NombreFila(f.sujeto), f.cifras));
  filas.push_back(fila("Suma de las declaraciones individuales", resumen.sumaIndividuales));
  filas.push_back(fila("Declaraci\xF3n conjunta", resumen.conjunta));

  std::size_t anchoNombre = 0;
  std::array<std::size_t, 3> anchos{};
  for (const SFila& f : filas) {
    anchoNombre = std::max(anchoNombre, f.nombre.size());
    for (std::size_t c = 0; c < anchos.size(); ++c) anchos[c] = std::max(anchos[c], f.columnas[c].size());
  }
  std::vector<std::string> lineas;
  lineas.push_back(texto(euros ? "Importes en euros" : "Importes en pesetas"));
  lineas.emplace_back();
  for (std::size_t i = 0; i < filas.size(); ++i) {
    // A rule under the members, before their sum.
    if (i == filas.size() - 2) lineas.push_back(std::string(anchoNombre + anchos[0] + anchos[1] + anchos[2] + 9, '-'));
    std::string linea = Relleno(filas[i].nombre, anchoNombre, false);
    for (std::size_t c = 0; c < anchos.size(); ++c) linea += "   " + Relleno(filas[i].columnas[c], anchos[c], true);
    lineas.emplace_back(plataforma::RecortaDerecha(linea));
  }
  lineas.emplace_back();
  switch (resumen.masBarata) {
    case EOpcionMasBarata::Individuales:
      lineas.push_back(Sustituir(texto("Las declaraciones individuales cuestan %s menos que la conjunta."),
                                 importe(resumen.diferencia)));
      break;
    case EOpcionMasBarata::Conjunta:
      lineas.push_back(Sustituir(texto("La declaraci\xF3n conjunta cuesta %s menos que las individuales."),
                                 importe(resumen.diferencia)));
      break;
    case EOpcionMasBarata::Igual:
      lineas.push_back(texto("Las declaraciones individuales y la conjunta dan el mismo resultado."));
      break;
  }
  return lineas;
}

}  // namespace renta
