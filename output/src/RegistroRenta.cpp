// The income-tax record up to the reduction block: header, identification of the person, family rows, codes and
// flags, amounts. Section D and the closing amounts are in RegistroRentaFilas.cpp.
#include "output/RegistroRenta.h"

#include <algorithm>
#include <string>

#include "framework/Utilidades.h"
#include "output/CodigoBarrasDatos.h"

namespace salida {

using namespace registro_renta;

namespace {

constexpr int kAnchoImporte = 13;

// The family rows of one table; the last column of the second table is the number of persons who share the row.
template <std::size_t Filas, std::size_t Bytes>
void EscribirFilasFamilia(CEscritorRegistro& registro, const CTablaTrabajo<Filas, Bytes>& tabla, std::size_t i,
                          bool segunda) {
  for (const auto& fila : tabla) {
    const CAreaBytes f(fila);
    registro.Texto(f.Bytes(kFilaNif, 9), 9);
    registro.Texto(marco::QuitarAcentos(f.Texto(kFilaNombre, kFilaAnio - kFilaNombre)), 40);
    registro.Numero(marco::NumeroDeCadena(f.Bytes(kFilaAnio, 4), 4), 4);
    registro.Numero(f.Double(kFilaGrado), 2);
    const char marca = static_cast<char>(f.Byte(kFilaMarcas + i));
    registro.Texto(std::string(1, marca >= '0' && marca <= '2' ? marca : '0'), 1);
    if (segunda) {
      registro.Numero(f.Double(kFilaPersonas), 1);
    } else {
      const char clase = static_cast<char>(f.Byte(kFilaClase));
      registro.Texto(std::string(1, clase >= '0' && clase <= '3' ? clase : '0'), 1);
    }
  }
}

void EscribirImportes(CEscritorRegistro& registro, const CAreaBytes& area, std::size_t i, bool esD100) {
  for (const STramoImportes& tramo : kTramos) {
    const bool conValor = esD100 || !tramo.soloD100;
    const auto slot = [&](std::size_t d) { return conValor ? area.Double(tramo.bloque + d + kSlot * i) : 0.0; };
    for (std::size_t k = 0; k < tramo.cuenta; ++k) {
      switch (tramo.clase) {
        case EClaseTramo::Slots:
          registro.Importe(slot(tramo.desplazamientos[k]), kAnchoImporte);
          break;
        case EClaseTramo::Cero:
          registro.Importe(0.0, kAnchoImporte);
          break;
        case EClaseTramo::Sumas:
        case EClaseTramo::SumasPor100: {
          double suma = slot(tramo.desplazamientos[2 * k]) + slot(tramo.desplazamientos[2 * k + 1]);
          if (tramo.clase == EClaseTramo::SumasPor100) suma *= 100.0;
          registro.Importe(suma, kAnchoImporte);
          break;
        }
      }
    }
  }
}

void EscribirReduccion(CEscritorRegistro& registro, const CAreaBytes& area, std::size_t i, int codigo) {
  const auto variante = std::find_if(kReducciones.begin(), kReducciones.end(),
                                     [codigo](const SVarianteReduccion& v) { return v.codigo == codigo; });
  for (std::size_t k = 0; k < 7; ++k) {
    const std::size_t d = variante != kReducciones.end() ? variante->desplazamientos[k] : 0;
    registro.Importe(d != 0 ? area.Double(kApartadoN + d + kSlot * i) : 0.0, kAnchoImporte);
  }
}

}  // namespace

CRegistroRenta::CRegistroRenta() : m_tablas(std::make_unique<STablasRegistroRenta>()) {}

bool CRegistroRenta::TodasLasFilas(const SVistaRegistroRenta& vista) {
  return vista.sujeto == 1 || (vista.sujeto == 2 && !vista.hayConyugeOHijo);
}

std::string CRegistroRenta::DatosCodigoBarras(const DatosRenta& datos, const SVistaRegistroRenta& vista) {
  if (vista.sujeto < 1 || vista.sujeto > 5) return {};
  const std::size_t i = static_cast<std::size_t>(vista.sujeto - 1);
  const CAreaBytes area = CAreaBytes::De(datos);
  CEscritorRegistro registro(kLongitudMaxima);

  // Header.
  registro.Texto("1", 1);
  registro.Texto(vista.modeloNecesario == 2 ? "100" : "101", 3);
  registro.Texto(vista.ejercicioFiscal, 4);
  registro.Texto(area.Bytes(kCabecera1002, 2), 2);
  registro.Texto(area.Bytes(kCabecera1022, 3), 3);
  registro.Texto("000", 3);
  registro.Texto("00000000", 8);
  registro.Texto("0000000", 7);
  registro.Texto("F", 1);

  // Identification of the person.
  registro.Texto(IdentificacionRegistro(
                     area.Bytes(kIdentificacionImpresa + kPasoIdentificacionImpresa * i, kPasoIdentificacionImpresa)),
                 20);
  registro.Texto(std::string(1, vista.letraWindows), 1);
  registro.Texto(std::string(1, LetraMayuscula(vista.letraIdioma)), 1);
  registro.Texto(ReferenciaRegistro(area.Bytes(kReferencia + kPasoReferencia * i, kPasoReferencia)), 13);
  registro.Texto("00000000", 8);
  registro.Texto(area.Bytes(kNif + kPasoNif * i, kPasoNif), 9);
  registro.Texto(marco::QuitarAcentos(area.Texto(kApellido + kPasoApellido * i, kPasoApellido)), 3);
  registro.Texto(marco::QuitarAcentos(vista.textoCabecera1), 40);
  for (std::size_t k = 0; k < kOpciones.size(); ++k) {
    if (area.Byte(kOpciones[k] + i) == 1) registro.Texto(std::string(1, static_cast<char>('1' + k)), 1);
  }
  registro.Texto(area.Bytes(kCodigo1693 + kPasoCodigo1693 * i, kPasoCodigo1693), 4);
  // The person's disability degree, and that of the partner (none for the children).
  const std::size_t grado = kGrados[i == 0 ? 0 : i - 1];
  registro.Numero(area.Double(kDatosFamilia + grado), 2);
  std::string texto1760(area.Bytes(kTexto1760 + kPasoTexto1760 * i, kPasoTexto1760));
  texto1760.resize(kPasoTexto1760, '\0');
  std::replace_if(
      texto1760.begin(), texto1760.end(), [](char c) { return c == ' ' || c == '\0'; }, '0');
  registro.Texto(texto1760, 9);
  registro.Texto(area.Bytes(kTexto1815 + kPasoTexto1815 * i, kPasoTexto1815), 9);
  registro.Texto(marco::QuitarAcentos(area.Texto(kApellidoSegundo + kPasoApellidoSegundo * i, kPasoApellidoSegundo)),
                 3);
  registro.Texto(marco::QuitarAcentos(vista.textoCabecera2), 40);
  registro.Numero(marco::NumeroDeCadena(area.Bytes(kNumero2430 + kPasoNumero2430 * i, kPasoNumero2430), 4), 4);
  const double gradoPareja = i <= 1   ? area.Double(kDatosFamilia + kGrados[1])
                             : i == 2 ? area.Double(kDatosFamilia + kGrados[0])
                                      : 0.0;
  registro.Numero(gradoPareja, 2);
  // The page's mark boxes store 1; older declarations and imports hold 'x' or 'X'.
  const auto marcada = [](unsigned char b) { return b == 1 || b == 'x' || b == 'X'; };
  if (marcada(area.Byte(kMarcaX1 + i))) registro.Texto("1", 1);
  if (marcada(area.Byte(kMarcaX2 + i))) registro.Texto("2", 1);

  // Family rows.
  FiltrarFilasFamilia(datos, vista);
  EscribirFilasFamilia(registro, m_tablas->familia1, i, false);
  EscribirFilasFamilia(registro, m_tablas->familia2, i, true);

  // Codes and flags. The region code is read within its two characters.
  const std::string_view codigo = area.Bytes(kDatosFamilia + kCodigoComunidad + kPasoCodigoComunidad * i, 2);
  registro.Texto(codigo, 2);
  registro.Texto("0", 1);
  registro.Texto("0", 1);
  for (const std::size_t marca : kMarcas3026) registro.Marca(area.Byte(marca + i));
  registro.Marca(area.Byte(kResultados + kMarcaResultados + i));
  const auto textos = [&](const std::array<std::size_t, 3>& origen) {
    for (std::size_t k = 0; k < origen.size(); ++k) {
      const auto ancho = static_cast<std::size_t>(kAnchosTextos[k]);
      registro.Texto(area.Bytes(kResultados + origen[k] + ancho * i, ancho), kAnchosTextos[k]);
    }
    registro.Texto(area.Bytes(kResultados + kTextoComun + kAnchoTextoComun * i, kAnchoTextoComun),
                   static_cast<int>(kAnchoTextoComun));
  };
  if (area.Byte(kResultados + kEleccionA + i) == 1) {
    textos(kTextosA);
  } else if (area.Byte(kResultados + kEleccionB + i) == 1) {
    textos(kTextosB);
  } else {
    registro.Texto("0000", 4);
    registro.Texto("0000", 4);
    registro.Texto("00", 2);
    registro.Texto("0000000000", 10);
  }

  // Amounts and the reduction block.
  EscribirImportes(registro, area, i, vista.tipoDeclaracion == 2);
  EscribirReduccion(registro, area, i, marco::NumeroDeCadena(codigo, 2));

  EscribirApartadoD(registro, datos, vista);
  return registro.Resultado();
}

bool PrepararTramaRenta(CCodigoBarrasDatos& trama, const DatosRenta& datos, int sujeto) {
  trama.PonerPrefijo(kPrefijoTramaRenta);
  return trama.PonerIdentificadorDePersona(
      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(&datos), sizeof datos), sujeto);
}

}  // namespace salida
