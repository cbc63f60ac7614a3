// What the application needs to register the income-tax document and build its menu: the template's resource
// and file-type name, the frame resource of its pages and the command numbers of the document's menu.
#pragma once

#include <string_view>

#include "framework/ComandosDocumento.h"

class wxClassInfo;

namespace renta {

// The income-tax document template: resource 141, told apart from the wealth-tax one by this file-type name.
inline constexpr int kRecursoPlantillaRenta = 141;
inline constexpr std::string_view kTipoDocumentoRenta = "Pelomarx";
// The frame resource of the income-tax page views.
inline constexpr int kRecursoMarcoRenta = 5;

// The document's commands (menu of the income-tax template).
inline constexpr int kComandoUnidadFamiliar = marco::kComandoUnidadFamiliar;  // "&Unidad Familiar"
inline constexpr int kComandoDeclarante = marco::kComandoDeclarante;          // "&Declarante"
inline constexpr int kComandoConyuge = marco::kComandoConyuge;                // "&Cónyuge"
inline constexpr int kComandoHijo1 = marco::kComandoHijo1;                    // "Hijo &1"
inline constexpr int kComandoHijo2 = marco::kComandoHijo2;                    // "Hijo &2"
inline constexpr int kComandoSimplificada = marco::kComandoSimplificada;
inline constexpr int kComandoOrdinaria = marco::kComandoOrdinaria;
inline constexpr int kComandoDatosPersonales = marco::kComandoDatosPersonales;      // "&Datos personales y familiares"
inline constexpr int kComandoResumenResultados = marco::kComandoResumenResultados;  // "Resumen de resultados"

// The person code of a person command, 0 for any other command.
constexpr int SujetoDeComando(int comando) {
  return comando >= kComandoUnidadFamiliar && comando <= kComandoHijo2 ? comando - kComandoUnidadFamiliar + 1 : 0;
}

// The run-time class of the income-tax document, for the template. Referring to it also links the document in.
wxClassInfo* ClaseDocumentoRenta();

}  // namespace renta
