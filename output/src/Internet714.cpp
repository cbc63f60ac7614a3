#include "output/Internet714.h"

#include <cstring>

#include "framework/ControlesPagina.h"
#include "framework/Prog32DocReglas.h"

namespace salida {

namespace {

constexpr int kModelo714 = 714;
constexpr int kBasePaginas714 = 300;
constexpr int kPaginas714 = 12;
constexpr std::size_t kDesplazamientoDatoDI = 16;

}  // namespace

double DatoDIInternet(const DatosPatrimonio& datos) {
  double valor = 0.0;
  std::memcpy(&valor, datos.PatDI.octetos + kDesplazamientoDatoDI, sizeof valor);
  return valor;
}

void C714Inet::PrepararPaginas() {
  m_p714 = nullptr;
  auto* documento = dynamic_cast<IDeclaracion714Internet*>(DameDocumento());
  if (documento != nullptr && documento->DameTipoDeclaracion() == marco::kTipoDecPatrimonio) m_p714 = documento;
}

int C714Inet::NumeroPaginas() const { return m_p714 != nullptr ? kPaginas714 : 0; }

std::string_view C714Inet::TituloPaginas() const { return kTituloPatrimonio; }

int C714Inet::NumeroModelo() const { return kModelo714; }

int C714Inet::IdCatalogo(int pagina) const {
  // Page 12 repeats the result of page 11 for the bank: it is never written.
  return pagina >= 1 && pagina <= 11 ? kBasePaginas714 + pagina : 0;
}

int C714Inet::CrearCamposPagina(int pagina) {
  if (m_p714 == nullptr || pagina < 1 || pagina > 11) return 0;
  if (pagina == 11 && DatoDIInternet(m_p714->DameDatosPatrimonio()) < 0.0) return 0;

  const int cargado = CargarCamposPagina(IdCatalogo(pagina));
  if (cargado != 1) return cargado;
  if (pagina >= 2 && pagina <= 7) return m_pCampos->TieneDatos(0, Entorno());
  if (pagina == 8) return m_pCampos->TieneDatos(3, Entorno());
  return 1;
}

}  // namespace salida
