#include "output/ImpresionDocumento.h"

#include "framework/Prog32Doc.h"
#include "platform/Texto.h"

namespace salida {

int CDocumentoImpresionMarco::TipoFormulario() const { return m_documento.DameTipoDec(); }

std::string CDocumentoImpresionMarco::Titulo() const {
  const std::string titulo = plataforma::Utf8ACp1252(m_documento.GetUserReadableName().utf8_string());
  return titulo.empty() ? m_documento.DameClave() : titulo;
}

int CDocumentoImpresionMarco::ConfirmarCampoActivo() { return m_documento.ConfirmarCampoActivo(); }

bool CDocumentoImpresionMarco::Modificado() const { return m_documento.IsModified(); }

void CDocumentoImpresionMarco::MarcarModificado() { m_documento.Modify(true); }

int CDocumentoImpresionMarco::DameMarcaSujeto() { return m_documento.DameMarcaSujeto(); }

void CDocumentoImpresionMarco::PonMarcaSujeto(std::uint8_t marca) { m_documento.PonMarcaSujeto(marca); }

int CDocumentoImpresionMarco::GuardarDeclaracion() { return m_documento.GuardarDeclaracion(); }

std::span<char> CDocumentoImpresionMarco::TextoEjemplar() {
  // The label text of the base document holds 40 characters and its terminator.
  return std::span<char>(m_documento.TextoEjemplar(), 41);
}

}  // namespace salida
