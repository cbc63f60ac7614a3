#include "output/DlgImprimirReglas.h"

#include "output/ImpreVista.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace salida {

CReglasDlgImprimir::CReglasDlgImprimir(const CInfoImpresion& info)
    : m_bCopiaAdicional(info.copiaAdicional ? 1 : 0), m_bImpresaAntes(info.impresaAntes ? 1 : 0),
      m_rango(info.rango), m_bAFichero(info.aFichero), m_rutaFichero(info.rutaFichero) {}

bool CReglasDlgImprimir::PonerPagina(std::string_view texto, int& destino) {
  const std::string_view limpio = plataforma::Recorta(texto);
  if (limpio.empty() || limpio.size() > 6) return false;
  for (char c : limpio) {
    if (c < '0' || c > '9') return false;
  }
  const long valor = plataforma::LeeEntero(limpio);
  if (valor < m_rango.minimo || valor > m_rango.maximo) return false;
  destino = static_cast<int>(valor);
  return true;
}

bool CReglasDlgImprimir::PonerDesde(std::string_view texto) { return PonerPagina(texto, m_rango.desde); }

bool CReglasDlgImprimir::PonerHasta(std::string_view texto) { return PonerPagina(texto, m_rango.hasta); }

void CReglasDlgImprimir::PonerRutaFichero(std::string_view ruta) {
  m_rutaFichero = std::string(plataforma::Recorta(ruta));
  if (m_rutaFichero.empty()) return;
  const std::string final = m_rutaFichero.size() >= 4 ? m_rutaFichero.substr(m_rutaFichero.size() - 4) : "";
  if (plataforma::Mayusculas1252(final) != ".PDF") m_rutaFichero += ".pdf";
}

bool CReglasDlgImprimir::PuedeAceptar() const { return !m_bAFichero || !m_rutaFichero.empty(); }

void CReglasDlgImprimir::Aplicar(CInfoImpresion& info) const {
  info.copiaAdicional = CopiaAdicional();
  info.rango = m_rango;
  if (!m_bSoloPaginas || !RangoHabilitado()) {
    info.rango.desde = m_rango.minimo;
    info.rango.hasta = m_rango.maximo;
  }
  info.aFichero = m_bAFichero;
  info.rutaFichero = m_bAFichero ? m_rutaFichero : std::string();
}

}  // namespace salida
