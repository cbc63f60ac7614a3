#include "framework/DocumentoServicios.h"

#include <wx/docview.h>

#include "framework/Prog32Doc.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace marco {

namespace {

constexpr std::string_view kZoomPorDefecto = "1.0";

std::string& TextoDirBase() {
  static std::string texto;
  return texto;
}

std::string& TextoZoom() {
  static std::string texto(kZoomPorDefecto);
  return texto;
}

char gLetraEstado = '\0';
const std::int32_t* gSujetoActual = nullptr;
const std::int32_t* gSujetosPresentes = nullptr;

}  // namespace

const std::string& DirBase() { return TextoDirBase(); }
void PonerDirBase(std::string_view directorio) { TextoDirBase() = std::string(directorio); }

const std::string& ZoomTexto() { return TextoZoom(); }
void PonerZoomTexto(std::string_view zoom) {
  TextoZoom() = zoom.empty() ? std::string(kZoomPorDefecto) : std::string(zoom);
}

double ZoomConfigurado() {
  std::string texto(plataforma::Recorta(TextoZoom()));
  for (char& c : texto) {
    if (c == ',') c = '.';
  }
  double valor = 0.0;
  if (!plataforma::LeeDouble(texto, valor) || !(valor > 0.0)) return 1.0;
  return valor;
}

char LetraEstadoPrograma() { return gLetraEstado; }
void PonerLetraEstadoPrograma(char letra) { gLetraEstado = letra; }

CProg32Doc* DameDocumentoActivo() {
  wxDocManager* gestor = wxDocManager::GetDocumentManager();
  if (gestor == nullptr) return nullptr;
  const wxDocVector documentos = gestor->GetDocumentsVector();
  for (wxDocTemplate* plantilla : gestor->GetTemplatesVector()) {
    for (wxDocument* documento : documentos) {
      if (documento->GetDocumentTemplate() == plantilla) return dynamic_cast<CProg32Doc*>(documento);
    }
  }
  return nullptr;
}

void PublicarSujetoActual(const std::int32_t* sujetoActual) { gSujetoActual = sujetoActual; }
void PublicarSujetosPresentes(const std::int32_t* sujetosPresentes) { gSujetosPresentes = sujetosPresentes; }

std::int32_t DameSujetoActual() { return gSujetoActual != nullptr ? *gSujetoActual : 0; }

std::int32_t DameSujetoPresente(std::int32_t codigo) {
  if (gSujetosPresentes == nullptr || codigo < kSujetoUnidadFamiliar || codigo > kSujetoHijo2) return 0;
  return gSujetosPresentes[codigo - 1];
}

int HayConyugeOHijo() {
  if (gSujetosPresentes == nullptr) return 0;
  return gSujetosPresentes[kSujetoConyuge - 1] != 0 || gSujetosPresentes[kSujetoHijo1 - 1] != 0 ? 1 : 0;
}

}  // namespace marco
