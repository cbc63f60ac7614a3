#include "dialogs/DatosPersonas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>

#include "framework/DocumentoServicios.h"
#include "framework/Utilidades.h"
#include "income/RentaDoc.h"

namespace dialogos {

namespace {

constexpr std::size_t kDespAnioDeclarante = 4;
constexpr std::size_t kDespAnioConyuge = 8;
constexpr std::size_t kDespGrados = 16;

double LeerDoble(const unsigned char* p) {
  double valor = 0.0;
  std::memcpy(&valor, p, sizeof valor);
  return valor;
}

int LeerAnio(const RegDatosFamilia& familia, std::size_t desplazamiento) {
  const std::string_view texto(reinterpret_cast<const char*>(familia.octetos + desplazamiento), 4);
  return marco::NumeroDeCadena(texto, 4);
}

}  // namespace

double SDatosPersonas::Grado(std::uint8_t titular) const {
  if (titular < 2 || titular > 5) return 0.0;
  const double grado = grados[static_cast<std::size_t>(titular - 2)];
  return std::isfinite(grado) ? grado : 0.0;
}

int SDatosPersonas::GradoEntero(std::uint8_t titular) const {
  return static_cast<int>(std::clamp(std::trunc(Grado(titular)), 0.0, 100.0));
}

int SDatosPersonas::Anio(std::uint8_t titular) const {
  if (titular == 2) return anioDeclarante;
  if (titular == 3) return anioConyuge;
  return 0;
}

SDatosPersonas LeerDatosPersonas(const RegDatosFamilia& familia) {
  SDatosPersonas datos;
  datos.anioDeclarante = LeerAnio(familia, kDespAnioDeclarante);
  datos.anioConyuge = LeerAnio(familia, kDespAnioConyuge);
  for (std::size_t i = 0; i < datos.grados.size(); ++i) {
    datos.grados[i] = LeerDoble(familia.octetos + kDespGrados + 8 * i);
  }
  return datos;
}

const DatosRenta* DatosRentaAbierta() {
  const auto* documento = dynamic_cast<const renta::CRentaDoc*>(marco::DameDocumentoActivo());
  return documento != nullptr ? &documento->Datos() : nullptr;
}

SDatosPersonas DatosPersonasActuales() {
  const DatosRenta* datos = DatosRentaAbierta();
  return datos != nullptr ? LeerDatosPersonas(datos->DatosFamilia) : SDatosPersonas{};
}

double CuantiaMaximaPlanPensiones(int anioNacimiento) { return DameCuantiaMaximaPlanPensiones(anioNacimiento); }

}  // namespace dialogos
