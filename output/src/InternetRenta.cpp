#include "output/InternetRenta.h"

#include <cstring>

#include "framework/ControlesPagina.h"
#include "framework/ServiciosAplicacion.h"

namespace salida {

namespace {

constexpr int kFormularioSimplificado = 1;
constexpr int kFormularioOrdinario = 2;
constexpr int kModeloSimplificado = 101;
constexpr int kModeloOrdinario = 100;
constexpr int kPaginasSimplificado = 9;
constexpr int kPaginasOrdinario = 18;
// The payment page of the printed form: its boxes fill page 8 of D-101 and page 17 of D-100.
constexpr int kIdPaginaPago = 217;

// Where the payment condition reads, per person p = code - 1.
constexpr std::size_t kMarcaPago1 = 2484;
constexpr std::size_t kMarcaPago2 = 2489;
constexpr std::size_t kResultadoPago = 6648;

int PersonaValida(int sujeto) { return sujeto >= 1 && sujeto <= 5 ? sujeto : 1; }

}  // namespace

bool CondicionPagoInternet(const DatosRenta& datos, int sujeto) {
  const std::size_t p = static_cast<std::size_t>(PersonaValida(sujeto) - 1);
  const unsigned char* identificacion = datos.Identificacion.octetos;
  if (identificacion[kMarcaPago1 + p] == 0 && identificacion[kMarcaPago2 + p] == 0) return true;
  double resultado = 0.0;
  std::memcpy(&resultado, datos.Resultados.octetos + kResultadoPago + 8 * p, sizeof resultado);
  return resultado > 0.0;
}

void CRentaInet::PrepararPaginas() {
  // The form is settled once for the run: every page of the file belongs to the same model.
  m_pRenta = dynamic_cast<IDeclaracionRentaInternet*>(DameDocumento());
  m_nFormulario = 0;
  if (m_pRenta == nullptr) return;
  const int formulario = m_pRenta->ModeloNecesario();
  if (formulario == kFormularioSimplificado || formulario == kFormularioOrdinario) m_nFormulario = formulario;
}

int CRentaInet::NumeroPaginas() const {
  switch (m_nFormulario) {
    case kFormularioSimplificado:
      return kPaginasSimplificado;
    case kFormularioOrdinario:
      return kPaginasOrdinario;
    default:
      return 0;
  }
}

std::string_view CRentaInet::TituloPaginas() const {
  return m_nFormulario == kFormularioSimplificado ? kTituloSimplificada : kTituloOrdinaria;
}

int CRentaInet::NumeroModelo() const {
  return m_nFormulario == kFormularioSimplificado ? kModeloSimplificado : kModeloOrdinario;
}

int CRentaInet::IdCatalogo(int pagina) const {
  if (m_nFormulario == kFormularioSimplificado) {
    if (pagina >= 1 && pagina <= 7) return 100 + pagina;
    if (pagina == 8) return kIdPaginaPago;
  } else if (m_nFormulario == kFormularioOrdinario) {
    if (pagina >= 1 && pagina <= 16) return 200 + pagina;
    if (pagina == 17) return kIdPaginaPago;
  }
  return 0;
}

marco::SEntornoCampo CRentaInet::Entorno() const {
  marco::SEntornoCampo entorno = CInetFichero::Entorno();
  if (m_pRenta != nullptr) entorno.sujeto = m_pRenta->DameSujetoActual();
  return entorno;
}

int CRentaInet::CrearCamposPagina(int pagina) {
  if (m_pRenta == nullptr) return 0;
  enum class ECuando { Nunca, Siempre, ConDatos, Pago };
  ECuando cuando = ECuando::Nunca;
  const int id = IdCatalogo(pagina);
  // A page none of whose boxes holds a value is not written, except the identification (page 1), the result
  // (7 of D-101, 16 of D-100) and the payment page.
  if (m_nFormulario == kFormularioSimplificado) {
    if (pagina == 1 || pagina == 7) {
      cuando = ECuando::Siempre;
    } else if (pagina >= 2 && pagina <= 6) {
      cuando = ECuando::ConDatos;
    } else if (pagina == 8) {
      cuando = ECuando::Pago;
    }
  } else if (m_nFormulario == kFormularioOrdinario) {
    if (pagina == 1 || pagina == 16 || pagina == 17) {
      cuando = ECuando::Siempre;
    } else if (pagina >= 2 && pagina <= 15) {
      cuando = ECuando::ConDatos;
    }
  }
  if (cuando == ECuando::Nunca) return 0;
  if (cuando == ECuando::Pago && !CondicionPagoInternet(m_pRenta->DameDatosRenta(), m_pRenta->DameSujetoActual())) {
    return 0;
  }

  const int cargado = CargarCamposPagina(id);
  if (cargado != 1) return cargado;
  if (cuando == ECuando::ConDatos) return m_pCampos->TieneDatos(0, Entorno());
  return 1;
}

}  // namespace salida
