#include "framework/TemplateDlgReglas.h"

#include <algorithm>

#include "framework/DocumentoServicios.h"

namespace marco {

std::optional<SColoresControl> ColoresDeControl(bool esPagina, bool esEdicion, bool habilitado) {
  if (habilitado) return std::nullopt;
  if (!esPagina && !esEdicion) return std::nullopt;
  return SColoresControl{kTextoBloqueado, kFondoBloqueado};
}

SRectDialogo CentrarSobre(const SRectDialogo& principal, const SRectDialogo& dialogo) {
  // Integer halves cut toward zero, measured from the main window's own corner.
  SRectDialogo r = dialogo;
  r.x = principal.x + principal.ancho / 2 - dialogo.ancho / 2;
  r.y = principal.y + principal.alto / 2 - dialogo.alto / 2;
  r.x = std::max(r.x, std::min(principal.x, 0));
  r.y = std::max(r.y, std::min(principal.y, 0));
  return r;
}

bool SEntornoDialogo::EditaTodasLasEntradas() const {
  // Without an open income-tax declaration there is no per-person view: the whole data is shown.
  if (sujetoActual == 0 || sujetoActual == kSujetoUnidadFamiliar) return true;
  return sujetoActual == kSujetoDeclarante && !conyuge && !hijo1 && !hijo2;
}

SEntornoDialogo EntornoDialogoActual() {
  SEntornoDialogo entorno;
  entorno.sujetoActual = DameSujetoActual();
  entorno.conyuge = DameSujetoPresente(kSujetoConyuge) != 0;
  entorno.hijo1 = DameSujetoPresente(kSujetoHijo1) != 0;
  entorno.hijo2 = DameSujetoPresente(kSujetoHijo2) != 0;
  return entorno;
}

int CadenaAyudaTitular(int tipoTitular, bool columnaConyuge, const SEntornoDialogo& entorno) {
  const bool conConyuge = columnaConyuge && entorno.conyuge;
  // Second child, else first child, else neither.
  auto porHijos = [&](int dos, int uno, int ninguno) { return entorno.hijo2 ? dos : entorno.hijo1 ? uno : ninguno; };
  switch (tipoTitular) {
    case 0:
    case 5: return conConyuge ? porHijos(42, 43, 44) : porHijos(48, 49, 50);
    case 1: return 50;
    case 2: return conConyuge ? 51 : 50;
    case 3: return conConyuge ? 44 : 50;
    case 4: return conConyuge ? porHijos(54, 55, 51) : porHijos(52, 49, 50);
    case 6: return porHijos(48, 49, 50);
    default: return 0;
  }
}

std::string_view TextoCadenaTitular(int cadena) {
  switch (cadena) {
    case 42: return "C(o)m\xFAn (D)eclarante (C)\xF3nyuge Hijo(1) Hijo(2)";
    case 43: return "C(o)m\xFAn (D)eclarante (C)\xF3nyuge Hijo(1)";
    case 44: return "C(o)m\xFAn (D)eclarante (C)\xF3nyuge";
    case 48: return "(D)eclarante Hijo(1) Hijo(2)";
    case 49: return "(D)eclarante Hijo(1)";
    case 50: return "(D)eclarante";
    case 51: return "(D)eclarante (C)\xF3nyuge";
    case 52: return "(D)eclarante Hijo(1) Hijo(2)";
    case 54: return "(D)eclarante (C)\xF3nyuge Hijo(1) Hijo(2)";
    case 55: return "(D)eclarante (C)\xF3nyuge Hijo(1)";
    default: return {};
  }
}

}  // namespace marco
