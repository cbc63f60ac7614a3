#include "wealth/C714Reglas.h"

#include <algorithm>

#include "framework/CuentaBancaria.h"
#include "platform/Texto.h"
#include "wealth/CamposPatrimonio.h"

namespace patrimonio {

std::string ClaveDeclaracion714(std::string_view nombre) {
  nombre = nombre.substr(0, std::min(nombre.find('\0'), kAnchoClave));
  std::string clave(nombre);
  clave.resize(kAnchoClave, ' ');
  return clave;
}

void AjustaResultado(RegPatAjuste& ajuste, const RegPatResumen& resumen, RegPatDI& bloqueDi,
                     const RegPatDatosPersonales& personales) {
  const double resultado = LeeDouble(resumen, resumen::Resultado);
  EscribeByte(ajuste, ajuste::SignoResultado, resultado <= 0.0 ? 1 : 0);
  for (std::size_t marca : {di::Marca1, di::Domiciliacion}) {
    if (LeeByte(bloqueDi, marca) > 1) EscribeByte(bloqueDi, marca, 0);
  }
  double cuota = 0.0;
  double diferencia = 0.0;
  if (MarcaActiva(LeeByte(personales, personales::CalculoCuota.desplazamiento))) {
    cuota = resultado;
    diferencia = std::max(cuota - LeeDouble(bloqueDi, di::ImporteDeducido), 0.0);
  }
  EscribeDouble(bloqueDi, di::Cuota, cuota);
  EscribeDouble(bloqueDi, di::Diferencia, diferencia);
}

bool CuentaValida(std::string_view cuenta) {
  if (cuenta.size() < 20) return false;
  cuenta = cuenta.substr(0, 20);
  if (!std::all_of(cuenta.begin(), cuenta.end(), [](char c) { return c >= '0' && c <= '9'; })) return false;
  return marco::DigitosCuenta(cuenta) == marco::kCuentaCorrecta;
}

std::vector<SHallazgo714> ComprobarDeclaracion714(const DatosPatrimonio& d) {
  namespace P = personales;
  namespace R = resumen;
  const RegPatDatosPersonales& dp = d.PatDatosPersonales;
  const RegPatResumen& s = d.PatResumen;
  const auto S = [&s](std::size_t desplazamiento) { return LeeDouble(s, desplazamiento); };

  // The quota-limit amounts are entered through the dialog of box 10 of the tenth page, the foreign taxes through
  // the dialog of box 18.
  constexpr int kPaginaLiquidacion = 10;
  constexpr int kCasillaLimite = 10;
  constexpr int kCasillaExtranjero = 18;

  std::vector<SHallazgo714> hallazgos;
  if (CampoVacio(dp, P::Identificacion1)) hallazgos.push_back({"WIN001", 1, 0});
  if (CampoVacio(dp, P::Identificacion2)) hallazgos.push_back({"WIN002", 1, 1});
  if (CampoVacio(dp, P::Nif)) hallazgos.push_back({"WIN003", 1, 5});
  if (CampoVacio(dp, P::Apellidos)) hallazgos.push_back({"NOAPE1", 1, 6});
  if (CampoVacio(dp, P::CodigoPagina1) && !MarcaActiva(LeeByte(dp, P::SinMinimoExento.desplazamiento))) {
    hallazgos.push_back({"100R129", 1, 32});
  }
  if (LeeByte(d.PatDI, di::Domiciliacion) != 0 && !CuentaValida(LeeTexto(d.PatDI, di::Cuenta))) {
    hallazgos.push_back({"100I002", 11, 25});
  }
  const bool limiteConjunto = LeeByte(s, R::ClaseLimite) == 'C';
  if (limiteConjunto && S(R::Limite336) != 0.0 && S(R::Limite336) > S(R::Limite328)) {
    hallazgos.push_back({"100P003", kPaginaLiquidacion, kCasillaLimite});
  }
  if (limiteConjunto && S(R::Limite344) > 0.0 && S(R::Limite344) > S(R::Limite328)) {
    hallazgos.push_back({"100P015", kPaginaLiquidacion, kCasillaLimite});
  }
  if (S(R::Limite320) > S(R::Total168) && S(R::Limite336) != 0.0) {
    hallazgos.push_back({"100P103", kPaginaLiquidacion, kCasillaLimite});
  }
  const double extranjero = S(R::Extranjero424) + S(R::Extranjero440) + S(R::Extranjero456);
  if (extranjero > 0.0 && extranjero > S(R::Total168)) {
    hallazgos.push_back({"100P001", kPaginaLiquidacion, kCasillaExtranjero});
  }
  return hallazgos;
}

std::string ComponerTextoNombre(const RegPatDatosPersonales& dp) {
  std::string texto(plataforma::RecortaDerecha(LeeTexto(dp, personales::Apellidos)));
  if (!texto.empty()) texto += ", ";
  texto += plataforma::RecortaDerecha(LeeTexto(dp, personales::Nombre));
  if (texto.size() > kAnchoTextoNombre) texto.resize(kAnchoTextoNombre);
  return texto;
}

}  // namespace patrimonio
