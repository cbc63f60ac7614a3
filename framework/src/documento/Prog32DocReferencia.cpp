// The declaration document's reference numbers and date texts: the rules are in ReferenciaReglas; the document
// adds its clock, its fiscal year and its reference text member.
#include <cstring>

#include "framework/Fechas.h"
#include "framework/Prog32Doc.h"

namespace marco {

int CProg32Doc::ComponerIdentificacion(std::string_view nif, int /*numeroPersona*/) {
  const std::string texto = TextoIdentificacion(nif, DameMomento());
  std::memcpy(m_szTextoReferencia.data(), texto.data(), kAnchoTextoReferencia);
  m_szTextoReferencia[kAnchoTextoReferencia] = '\0';
  return texto.front() == ' ' ? 0 : 1;
}

std::string CProg32Doc::ComponerNumeroReferencia(int tipo, std::string_view texto) const {
  return NumeroReferenciaFormulario(tipo, texto, DameEjercicioFiscal(), DameMomento());
}

int CProg32Doc::DigitoControl(std::string_view texto) { return marco::DigitoControl(texto); }

std::string CProg32Doc::FechaDeHoy() const { return FechaOchoCifras(DameMomento()); }

int CProg32Doc::EsFechaValida(std::string_view fecha) { return FechaOchoCifrasValida(fecha) ? 1 : 0; }

int CProg32Doc::DescomponerFecha(std::string_view fecha, int& dia, int& mes, int& ano) {
  return DescomponerFechaOchoCifras(fecha, dia, mes, ano) ? 1 : 0;
}

int CProg32Doc::CompararFechas(std::string_view a, std::string_view b) { return CompararFechasOchoCifras(a, b); }

long CProg32Doc::DiasEntreFechas(std::string_view a, std::string_view b) { return DiasEntreFechasOchoCifras(a, b); }

}  // namespace marco
