#include "output/Registro714.h"

#include <span>

#include "framework/Utilidades.h"
#include "output/CodigoBarrasDatos.h"
#include "output/ImpresionReglas.h"
#include "output/Registro714Campos.h"
#include "output/RegistroPdf417.h"

namespace salida {

using namespace registro_714;

namespace {
constexpr int kAnchoImporte = 15;
}  // namespace

std::string DatosCodigoBarras714(const DatosPatrimonio& datos, const SVistaRegistro714& vista) {
  const CAreaBytes area = CAreaBytes::De(datos);
  const CAreaBytes personales = area.Tramo(kDatosPersonales, sizeof(RegPatDatosPersonales));
  CEscritorRegistro registro(kLongitudRegistro714);

  registro.Texto("1", 1);
  registro.Texto("714", 3);
  registro.Texto(vista.ejercicioFiscal, 4);
  registro.Texto(personales.Bytes(kCodigo51, 2), 2);
  registro.Texto(personales.Bytes(kCodigo67, 3), 3);
  registro.Texto("000", 3);
  registro.Texto("00000000", 8);
  registro.Texto("0000000", 7);
  registro.Texto("F", 1);
  registro.Texto(IdentificacionRegistro(personales.Bytes(kIdentificacionImpresa, kAnchoIdentificacionImpresa)), 20);
  registro.Texto(std::string(1, vista.letraWindows), 1);
  registro.Texto(std::string(1, LetraMayuscula(vista.letraIdioma)), 1);
  registro.Texto(ReferenciaRegistro(personales.Bytes(kReferencia, kAnchoReferencia)), 13);
  registro.Texto(personales.Bytes(kNif, kAnchoNif), 9);
  const std::string_view apellidos = personales.Texto(kApellidos, kAnchoApellidos);
  registro.Texto(marco::QuitarAcentos(apellidos), 3);
  registro.Texto(UnirTextos(apellidos, personales.Texto(kNombre, kAnchoNombre), 40), 40);
  registro.Texto(personales.Bytes(kCodigoPagina1, 2), 2);
  char clase = '0';
  for (std::size_t k = 0; k < kClaseDeclarante.size(); ++k) {
    if (personales.Byte(kClaseDeclarante[k]) == 1) {
      clase = static_cast<char>('3' + k);
      break;
    }
  }
  registro.Texto(std::string(1, clase), 1);
  registro.Marca(personales.Byte(kCalculoDI));
  registro.Marca(personales.Byte(kSinMinimoExento));

  for (const std::uint16_t d : kImportesResumen) registro.Importe(area.Double(kResumen + d), kAnchoImporte);
  registro.Importe(area.Double(kDI + kDatoDI), kAnchoImporte);
  registro.Importe(area.Double(kResumen + kTipoMedio) * 100.0, kAnchoImporte);
  return registro.Resultado();
}

void PrepararTrama714(CCodigoBarrasDatos& trama, const DatosPatrimonio& datos) {
  trama.PonerPrefijo(kPrefijoTrama714);
  trama.PonerIdentificador(CAreaBytes::De(datos).Texto(kDatosPersonales + kNif, kAnchoNif));
}

}  // namespace salida
