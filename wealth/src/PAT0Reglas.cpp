#include "wealth/PAT0Reglas.h"

#include <array>
#include <cstring>

#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/Tabla.h"
#include "wealth/CamposPatrimonio.h"

namespace patrimonio {
namespace {

using FExport = void (*)(DatosPatrimonio&, int);

// One run of value boxes of a section page: box numbers from `desde` to `hasta` by `paso`, and its section export.
struct SValoresSeccion {
  int pagina;
  int desde;
  int hasta;
  int paso;
  std::string_view seccion;
  FExport calcular;
};

#define KORVELIX_EXPORT_714(bloque, funcion) \
  [](DatosPatrimonio& d, int indicador) { funcion(&d.bloque, indicador, &d.PatResumen); }

const std::array<SValoresSeccion, 24> kValores{{
    {2, 7, 142, 5, "A", KORVELIX_EXPORT_714(PatA, Calculos714A)},
    {2, 147, 235, 4, "B", KORVELIX_EXPORT_714(PatB, Calculos714B)},
    {3, 6, 54, 4, "C1", KORVELIX_EXPORT_714(PatC, Calculos714C1)},
    {3, 60, 115, 5, "C2", KORVELIX_EXPORT_714(PatC, Calculos714C2)},
    {3, 122, 182, 5, "D", KORVELIX_EXPORT_714(PatD, Calculos714D)},
    {4, 5, 47, 3, "E", KORVELIX_EXPORT_714(PatE, Calculos714E)},
    {4, 50, 78, 2, "F1", KORVELIX_EXPORT_714(PatF1, Calculos714F1)},
    {4, 81, 107, 2, "F2", KORVELIX_EXPORT_714(PatF2, Calculos714F2)},
    {5, 4, 26, 2, "G1", KORVELIX_EXPORT_714(PatG1, Calculos714G1)},
    {5, 29, 63, 2, "G2", KORVELIX_EXPORT_714(PatG2, Calculos714G2)},
    {5, 66, 90, 2, "G3", KORVELIX_EXPORT_714(PatG3, Calculos714G3)},
    {6, 4, 24, 2, "G4", KORVELIX_EXPORT_714(PatG4, Calculos714G4)},
    {6, 27, 35, 2, "H1", KORVELIX_EXPORT_714(PatH1, Calculos714H1)},
    {6, 38, 46, 2, "H2", KORVELIX_EXPORT_714(PatH2, Calculos714H2)},
    {6, 49, 57, 2, "I", KORVELIX_EXPORT_714(PatI, Calculos714I)},
    {6, 62, 78, 4, "J", KORVELIX_EXPORT_714(PatJ, Calculos714J)},
    {7, 4, 28, 2, "K", KORVELIX_EXPORT_714(PatK, Calculos714K)},
    {7, 31, 47, 2, "L", KORVELIX_EXPORT_714(PatL, Calculos714L)},
    {7, 53, 88, 5, "M", KORVELIX_EXPORT_714(PatM, Calculos714M)},
    {7, 91, 101, 2, "N", KORVELIX_EXPORT_714(PatN, Calculos714N)},
    {8, 4, 12, 2, "O", KORVELIX_EXPORT_714(PatO, Calculos714O)},
    {8, 15, 23, 2, "P", KORVELIX_EXPORT_714(PatP, Calculos714P)},
    {8, 26, 48, 2, "Q", KORVELIX_EXPORT_714(PatQ, Calculos714Q)},
    {8, 52, 72, 2, "DEUDAS", KORVELIX_EXPORT_714(PatDeudas, Calculos714DEUDAS)},
}};

#undef KORVELIX_EXPORT_714

const SValoresSeccion* Valores(int pagina, int numero) {
  for (const SValoresSeccion& v : kValores) {
    if (v.pagina == pagina && numero >= v.desde && numero <= v.hasta && (numero - v.desde) % v.paso == 0) return &v;
  }
  return nullptr;
}

std::string SinBlancosFinales(std::string_view t) {
  while (!t.empty() && (t.back() == ' ' || t.back() == '\0')) t.remove_suffix(1);
  return std::string(t);
}

}  // namespace

bool RecalcularSeccion714(DatosPatrimonio& datos, int pagina, int numero) {
  const SValoresSeccion* v = Valores(pagina, numero);
  if (v == nullptr) return false;
  v->calcular(datos, -1);
  v->calcular(datos, 0);
  return true;
}

std::string_view SeccionDeCasilla714(int pagina, int numero) {
  const SValoresSeccion* v = Valores(pagina, numero);
  return v != nullptr ? v->seccion : std::string_view{};
}

void BlanquearAdministracion714(RegPatDatosPersonales& personales) {
  EscribeTexto(personales, SCampo{103, 21}, std::string(21, ' '));
}

void CopiarLugarFirma714(RegPatDatosPersonales& personales) {
  if (!CampoVacio(personales, SCampo{487, 20})) return;
  EscribeTexto(personales, SCampo{487, 20}, LeeTexto(personales, SCampo{239, 15}));
}

std::optional<std::string> PrefijoProvincia714(marco::CBaseDatos* baseDatos, std::string_view nombre) {
  const std::string buscado = SinBlancosFinales(nombre.substr(0, std::min<std::size_t>(nombre.size(), 15)));
  if (buscado.empty()) return std::nullopt;
  marco::CBaseDatos* base = baseDatos != nullptr ? baseDatos : marco::DameBaseDatosLocal();
  if (base == nullptr) return std::nullopt;
  marco::CTabla tabla(base);
  if (tabla.Abrir(1, {}, "Province") == 0) return std::nullopt;
  std::optional<std::string> prefijo;
  for (int hay = tabla.IrAlPrincipio(); hay != 0 && tabla.Cumple(std::string_view{}) != 0; hay = tabla.Siguiente()) {
    std::array<char, 27> descripcion{};
    std::array<char, 4> clave{};
    if (tabla.LeerCampo("descripc", descripcion.data(), marco::kCampoTexto, descripcion.size()) == 0 ||
        tabla.LeerCampo("clave", clave.data(), marco::kCampoTexto, clave.size()) == 0) {
      break;
    }
    // The name box holds 15 characters: a longer province name is compared over what the box can hold.
    const std::string d = SinBlancosFinales(descripcion.data());
    if (d == buscado || (buscado.size() == 15 && d.substr(0, 15) == buscado)) {
      prefijo = std::string(clave.data()).substr(0, 2);
      break;
    }
  }
  tabla.Cerrar();
  return prefijo;
}

std::string CodigoPostalDeProvincia714(std::string_view prefijo) {
  std::string cp(prefijo.substr(0, std::min<std::size_t>(prefijo.size(), 2)));
  cp.resize(5, ' ');
  return cp;
}

bool CeutaMelillaAdmitido714(const RegPatResumen& r) {
  return !(LeeDouble(r, 488) > LeeDouble(r, resumen::Total168));
}

}  // namespace patrimonio
