// The rules of the print dialog, without its window: the extra copy for the taxpayer, the page range that only a
// declaration printed before may choose, the destination (a printer or a PDF file) and what the dialog hands to
// the run.
#pragma once

#include <string>
#include <string_view>

#include "output/ImpresionReglas.h"

namespace salida {

struct CInfoImpresion;

// Control ids of the dialog.
inline constexpr int kIdCopiaAdicional = 1880;
inline constexpr int kIdPaginas = 1058;
inline constexpr int kIdTodo = 1057;
inline constexpr int kIdDesde = 1152;
inline constexpr int kIdHasta = 1153;
inline constexpr int kIdInstalar = 1024;
inline constexpr int kIdImpresora = 1139;
inline constexpr int kIdFichero = 1140;
inline constexpr int kIdRutaFichero = 1141;

// The dialog's fixed texts (Windows-1252).
inline constexpr std::string_view kTituloDlgImprimir = "Imprimir";
inline constexpr std::string_view kTextoCopiaAdicional = "Copia Adicional para el interesado";
inline constexpr std::string_view kTextoNumeracion = "El n\xFAmero 1 corresponde a la P\xE1gina 0 de la Declaraci\xF3n";

class CReglasDlgImprimir {
 public:
  // From the run's info: its range, the extra-copy choice and the printed mark.
  explicit CReglasDlgImprimir(const CInfoImpresion& info);

  // ---- the extra copy ----
  bool CopiaAdicional() const { return m_bCopiaAdicional != 0; }
  // The check box was clicked: the choice turns over.
  void OnCopiaAdicional() { m_bCopiaAdicional = m_bCopiaAdicional != 0 ? 0 : 1; }

  // ---- the range ----
  // Only a declaration printed before may print a range; one never printed is printed whole.
  bool RangoHabilitado() const { return m_bImpresaAntes != 0; }
  bool SoloPaginas() const { return m_bSoloPaginas; }
  void ElegirPaginas(bool soloPaginas) { m_bSoloPaginas = soloPaginas && RangoHabilitado(); }
  const SRangoImpresion& Rango() const { return m_rango; }
  // A typed page number: false (nothing changed) when it is not a whole number within the span.
  bool PonerDesde(std::string_view texto);
  bool PonerHasta(std::string_view texto);

  // ---- the destination ----
  bool AFichero() const { return m_bAFichero; }
  void ElegirFichero(bool aFichero) { m_bAFichero = aFichero; }
  const std::string& RutaFichero() const { return m_rutaFichero; }
  // The path (UTF-8, as the file system has it) is kept as typed; a name without the ".pdf" ending gets it.
  void PonerRutaFichero(std::string_view ruta);

  // OK is possible: a file destination needs a path.
  bool PuedeAceptar() const;
  // What the run gets: the whole span unless a range was chosen, the extra copy and the destination.
  void Aplicar(CInfoImpresion& info) const;

 private:
  bool PonerPagina(std::string_view texto, int& destino);

  int m_bCopiaAdicional = 0;
  int m_bImpresaAntes = 0;
  bool m_bSoloPaginas = false;
  SRangoImpresion m_rango;
  bool m_bAFichero = false;
  std::string m_rutaFichero;
};

}  // namespace salida
