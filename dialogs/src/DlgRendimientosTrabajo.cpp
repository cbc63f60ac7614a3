#include "dialogs/DlgRendimientosTrabajo.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <span>
#include <vector>

#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"
#include "framework/ReferenciaReglas.h"
#include "framework/SelectorTitular.h"
#include "framework/Utilidades.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

using marco::SEnlaceControl;

// Control ids, row by row (holder, key, then the twelve amounts), entries 1 to 6 left to right.
constexpr int kIds[kFilasTrabajo][kEntradasTrabajo] = {
    {1175, 1176, 1177, 1178, 1179, 1180},  // holder
    {1155, 1156, 1157, 1158, 1160, 1161},  // disability key
    {1020, 1823, 1193, 1202, 1208, 1216},  // importe integro
    {1794, 1253, 1265, 1286, 1312, 1328},  // retencion
    {1045, 1350, 1362, 1377, 1382, 1053},  // valoracion
    {1056, 1057, 1059, 1063, 1066, 1070},  // ingreso a cuenta
    {1076, 1072, 1077, 1086, 1102, 1108},  // ingreso repercutido
    {1817, 1818, 1819, 1820, 1821, 1822},  // contributions, general regime
    {1824, 1825, 1826, 1827, 1828, 1829},  // contributions for the disabled
    {1127, 1131, 1134, 1137, 1138, 1140},  // irregular reduction
    {1113, 1114, 1117, 1121, 1125, 1128},  // Seguridad Social
    {1139, 1143, 1145, 1147, 1148, 1795},  // union dues
    {1141, 1144, 1146, 1149, 1150, 1796},  // association dues
    {1142, 1151, 1152, 1153, 1154, 1797},  // legal defence
};
constexpr int kFilaTitular = 0;
constexpr int kFilaClave = 1;
constexpr int kFilaPrimerImporte = 2;
constexpr int kFilaContribucionGeneral = kFilaPrimerImporte + kContribucionGeneral;
constexpr int kFilaContribucionMinusvalidos = kFilaPrimerImporte + kContribucionMinusvalidos;
constexpr int kFilaSeguridadSocial = kFilaPrimerImporte + kSeguridadSocial;

// The widest amount: ten whole digits.
constexpr double kImporteMaximo = 9999999999.0;
constexpr int kLongitudImporte = 13;  // "9.999.999.999"

constexpr double kPorcentajeRetencion = 0.48;

std::vector<int> TablaIds() {
  std::vector<int> ids;
  for (const auto& fila : kIds) ids.insert(ids.end(), std::begin(fila), std::end(fila));
  return ids;
}

// ---- layout (dialog units) ----
constexpr int kXRejilla = 228;
constexpr int kAnchoCelda = 36;
constexpr int kYRejilla = 20;
constexpr int kAltoFila = 16;
constexpr int kAltoCelda = 13;

int YFila(int fila) { return kYRejilla + kAltoFila * fila; }

std::string LetraTitular(std::uint8_t titular) {
  for (const marco::STitular& t : marco::kTitulares) {
    if (t.codigo == titular && titular != 0) return std::string(1, t.letra);
  }
  return {};
}

bool EsTitularHijo(std::uint8_t titular) { return titular == 4 || titular == 5; }
bool EsTitularPersona(std::uint8_t titular) { return titular >= 2 && titular <= 5; }

double Suma(const SPerceptorTrabajo& e, std::initializer_list<int> mas, std::initializer_list<int> menos = {}) {
  double total = 0.0;
  for (int i : mas) total += e.importes[i];
  for (int i : menos) total -= e.importes[i];
  return total;
}

// The pay an entry's checks measure against: money and in-kind pay plus the payment on account, less the part
// passed on.
double Rendimientos(const SPerceptorTrabajo& e) {
  return Suma(e, {kIntegro, kValoracion, kIngresoCuenta}, {kIngresoRepercutido});
}

void VaciarClave(SPerceptorTrabajo& e) { std::memset(e.clave, 0, sizeof e.clave); }

}  // namespace

// ---- keys ----

bool ClaveNoVacia(const SPerceptorTrabajo& entrada) { return !marco::EsBlanco(entrada.clave[0]); }

int ClaveDeEntrada(const SPerceptorTrabajo& entrada) {
  const char c = entrada.clave[0];
  return c >= '0' && c <= '9' ? c - '0' : -1;
}

int ClaveEsperada(std::uint8_t titular, const SDatosPersonas& personas) {
  if (!EsTitularPersona(titular)) return 0;
  const int grado = personas.GradoEntero(titular);
  if (grado >= 65) return 3;
  if (grado >= 33) return 1;
  return 0;
}

// ---- the dialog ----

CDlgRendimientosTrabajo::CDlgRendimientosTrabajo(wxWindow* padre, std::int32_t segundoParametro)
    : CTemplateDlgTitulares(kRecursoRendimientosTrabajo, padre, segundoParametro) {
  PonerTablaIds(kEntradasTrabajo, kFilasTrabajo, TablaIds());

  marco::CPlantillaDialogo p(446, 311, "(A)   RENDIMIENTOS DEL TRABAJO");
  // Labels: group headings at the left, row labels beside the grid.
  constexpr int kXEtiqueta = 104;
  constexpr int kAnchoEtiqueta = kXRejilla - kXEtiqueta - 4;
  p.Estatico(-1, "Perceptor", {4, YFila(0) + 2, kXRejilla - 8, 10});
  p.Estatico(-1, "Trabajador en activo minusv\xE1lido: Marque la clave que corresponda",
             {4, YFila(1), kXRejilla - 8, kAltoFila});
  p.Estatico(-1, "RETRIBUCIONES DINERARIAS", {4, YFila(2) + 2, 96, 2 * kAltoFila - 2});
  p.Estatico(-1, "RETRIBUCIONES EN ESPECIE", {4, YFila(4) + 2, 96, 3 * kAltoFila - 2});
  p.Estatico(-1, "CONTRIBUCIONES DEL PROMOTOR A\nPLANES DE PENSIONES", {4, YFila(7), 96, 2 * kAltoFila});
  const char* const etiquetas[] = {
      "- Importe \xEDntegro",
      "- Retenci\xF3n",
      "- Valoraci\xF3n",
      "- Ingreso a cuenta",
      "- Ingreso a cuenta que\n  le ha sido repercutido.",
      "R\xE9gimen General",
      "En favor de minusv\xE1lidos (grado >=65%)",
  };
  for (int i = 0; i < 7; ++i) {
    p.Estatico(-1, etiquetas[i], {kXEtiqueta, YFila(kFilaPrimerImporte + i) + (i == 4 ? 0 : 2), kAnchoEtiqueta,
                                  i == 4 ? kAltoFila : 10});
  }
  const char* const otras[] = {
      "Reducci\xF3n rdtos.irregul.",
      "Seguridad Social y\notros",
      "Cuotas satisfechas a Sindicatos",
      "Cuotas a colegios profesionales",
      "Gastos de defensa jur\xED" "dica",
  };
  for (int i = 0; i < 5; ++i) {
    const int fila = kFilaPrimerImporte + kReduccionIrregular + i;
    p.Estatico(-1, otras[i], {4, YFila(fila) + (i == 1 ? 0 : 2), kXRejilla - 8, i == 1 ? kAltoFila : 10});
  }
  for (int fila = 0; fila < kFilasTrabajo; ++fila) {
    for (int e = 0; e < kEntradasTrabajo; ++e) {
      const marco::SRectDialogo celda{kXRejilla + kAnchoCelda * e, YFila(fila), kAnchoCelda, kAltoCelda};
      if (fila == kFilaTitular) {
        p.Edicion(kIds[fila][e], celda, marco::kEdicionMayusculas, 1);
      } else if (fila == kFilaClave) {
        p.Edicion(kIds[fila][e], celda, 0, 1);
      } else {
        p.Importe(kIds[fila][e], celda, kLongitudImporte);
      }
    }
  }
  p.Estatico(marco::kIdAyudaTitular, "", {4, YFila(kFilasTrabajo) + 2, 438, 20});
  p.Aceptar({254, 288, 60, 18}).Cancelar({318, 288, 60, 18}).Ayuda({382, 288, 60, 18});
  Plantilla() = p;
}

std::uint8_t CDlgRendimientosTrabajo::TitularReal(int entrada) const {
  const std::uint8_t titular = TitularDeEntrada(entrada);
  if (TodasLasEntradas() || titular != marco::kSujetoDeclarante) return titular;
  // A one-person view shows the person's own entries as the declarant's, and the common ones too.
  if (m_comunes[static_cast<std::size_t>(entrada)]) return marco::kSujetoUnidadFamiliar;
  const std::uint8_t sujeto = SujetoActual();
  return EsTitularPersona(sujeto) ? sujeto : titular;
}

int CDlgRendimientosTrabajo::OnInitDialog() {
  CTemplateDlgTitulares::OnInitDialog();
  m_copia = m_recibido;
  AjustarEntradasAlSujeto();

  for (int e = 0; e < kEntradasTrabajo; ++e) {
    SPerceptorTrabajo* entrada = &m_copia[static_cast<std::size_t>(e)];
    SEnlaceControl titular;
    titular.mostrar = [entrada] { return LetraTitular(entrada->titular); };
    titular.guardar = [this, entrada](std::string_view texto) {
      const marco::SEntornoDialogo entorno = Entorno();
      const int codigo = marco::CodigoTitularTecleado(texto, TipoTitular(), entorno.conyuge, entorno.hijo1, entorno.hijo2);
      if (codigo < 0) return false;
      entrada->titular = static_cast<std::uint8_t>(codigo);
      return true;
    };
    Enlazar(kIds[kFilaTitular][e], std::move(titular));

    SEnlaceControl clave;
    clave.mostrar = [entrada] {
      return ClaveNoVacia(*entrada) ? std::string(1, entrada->clave[0]) : std::string();
    };
    clave.guardar = [entrada](std::string_view texto) {
      const std::string_view t = plataforma::Recorta(texto);
      if (t.empty()) {
        VaciarClave(*entrada);
        return true;
      }
      // Only the keys of the table (0 to 3) are stored.
      if (t.size() != 1 || t[0] < '0' || t[0] > '3') return false;
      VaciarClave(*entrada);
      entrada->clave[0] = t[0];
      return true;
    };
    Enlazar(kIds[kFilaClave][e], std::move(clave));

    for (int i = 0; i < 12; ++i) {
      double* valor = &entrada->importes[i];
      SEnlaceControl importe;
      importe.mostrar = [valor] { return marco::TextoImporteDialogo(*valor, 0, false); };
      importe.guardar = [valor](std::string_view texto) {
        double leido = 0.0;
        if (!marco::LeerImporteDialogo(texto, leido)) return false;
        // Whole pesetas, ten digits, never negative.
        if (!std::isfinite(leido) || leido < 0.0 || leido > kImporteMaximo || std::trunc(leido) != leido) {
          return false;
        }
        *valor = leido;
        return true;
      };
      importe.maximo = kImporteMaximo;
      Enlazar(kIds[kFilaPrimerImporte + i][e], std::move(importe));
    }
  }

  ActualizarEntradas();
  if (!TodasLasEntradas()) CompactarEntradas();
  HabilitarCeldas();
  marco::ActualizarDatosHijos(*this, 0);
  RecordarTitulares();
  return 1;
}

void CDlgRendimientosTrabajo::RecordarTitulares() {
  for (int e = 0; e < kEntradasTrabajo; ++e) m_titularesMostrados[static_cast<std::size_t>(e)] = m_copia[e].titular;
}

void CDlgRendimientosTrabajo::HabilitarCeldas() {
  const bool abierto = TodasLasEntradas() && !Bloqueado();
  for (int e = 0; e < kEntradasTrabajo; ++e) {
    const SPerceptorTrabajo& entrada = m_copia[static_cast<std::size_t>(e)];
    const std::uint8_t titular = entrada.titular;
    // The key is for members of degree 33 or more; a key already there stays open so that it can be taken out.
    const bool clave = abierto && titular != 0 && (CampoInicialDeEntrada(e) == kFilaClave || ClaveNoVacia(entrada));
    HabilitarControl(kIds[kFilaClave][e], clave);
    // Employer contributions go to the common holder, the declarant and the spouse only.
    const bool contribuciones = abierto && titular >= 1 && titular <= 3;
    HabilitarControl(kIds[kFilaContribucionGeneral][e], contribuciones);
    HabilitarControl(kIds[kFilaContribucionMinusvalidos][e], contribuciones);
  }
  if (Ventana() != nullptr) Ventana()->AplicarColores();
}

void CDlgRendimientosTrabajo::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (Comprobar() == 0) return;
  // The keys the checks cleared are shown before the empty entries are looked for.
  marco::ActualizarDatosHijos(*this, 0);
  if (TodasLasEntradas()) {
    QuitarEntradasVacias();
    m_recibido = m_copia;
  }
  marco::CTemplateDlg::OnOK();
}

int CDlgRendimientosTrabajo::AlComando(int id, int) {
  if (id != marco::kIdBotonAyuda) return 0;
  if (Ventana() != nullptr) Ventana()->MostrarAyuda(kAyudaRendimientosTrabajo);
  return 1;
}

int CDlgRendimientosTrabajo::AlSalirDeCampo(int id) {
  const int fila = FilaDeControl(id);
  // A holder typed and left: the entries follow it. (The value was stored as the cell was left.)
  if (fila == kFilaTitular) {
    const int e = EntradaDeControl(id);
    if (m_copia[static_cast<std::size_t>(e)].titular != m_titularesMostrados[static_cast<std::size_t>(e)]) {
      CambiarTitular(id);
    }
  }
  if (!PermitirSalidaCampo()) return 0;
  if (fila == kFilaTitular) PonerTextoControl(marco::kIdAyudaTitular, "");
  return 1;
}

int CDlgRendimientosTrabajo::AlEntrarEnCampo(int id) {
  const int fila = FilaDeControl(id);
  if (fila == kFilaTitular) {
    MostrarAyudaTitular(marco::kIdAyudaTitular);
  } else if (fila == kFilaSeguridadSocial) {
    PonerTextoControl(marco::kIdAyudaTitular, kTextoSeguridadSocial);
  } else {
    PonerTextoControl(marco::kIdAyudaTitular, "");
  }
  return 1;
}

int CDlgRendimientosTrabajo::AlCambiarValor(int id) {
  const int fila = FilaDeControl(id);
  if (fila == kFilaClave) return 1;
  if (fila != kFilaTitular) return CTemplateDlgTitulares::AlCambiarValor(id);
  return CambiarTitular(id);
}

int CDlgRendimientosTrabajo::CambiarTitular(int id) {
  const int e = EntradaDeControl(id);
  if (e < 0) return 0;
  marco::ActualizarDatosHijos(*this, 1);
  const std::uint8_t titular = m_copia[static_cast<std::size_t>(e)].titular;
  // Where the entry will be once the entries in use are packed: after those in use before it. An entry left
  // without holder is dropped, and no other entry's key or contributions are touched.
  int destino = -1;
  if (titular != 0) {
    destino = static_cast<int>(std::count_if(m_copia.begin(), m_copia.begin() + e,
                                             [](const SPerceptorTrabajo& p) { return p.titular != 0; }));
  }
  const int resultado = CTemplateDlgTitulares::AlCambiarValor(id);
  if (destino >= 0) {
    SPerceptorTrabajo& entrada = m_copia[static_cast<std::size_t>(destino)];
    if (EsTitularHijo(entrada.titular)) {
      entrada.importes[kContribucionGeneral] = 0.0;
      entrada.importes[kContribucionMinusvalidos] = 0.0;
    }
    VaciarClave(entrada);
  }
  HabilitarCeldas();
  ActualizarDatos(0);
  RecordarTitulares();
  return resultado;
}

// ---- entry operations ----

void CDlgRendimientosTrabajo::LimpiarEntrada(int entrada) {
  if (entrada < 0 || entrada >= kEntradasTrabajo) return;
  m_comunes[static_cast<std::size_t>(entrada)] = false;
  SPerceptorTrabajo& e = m_copia[static_cast<std::size_t>(entrada)];
  VaciarClave(e);
  std::fill(std::begin(e.importes), std::end(e.importes), 0.0);
}

void CDlgRendimientosTrabajo::ActualizarEntradas() {
  CTemplateDlgTitulares::ActualizarEntradas();
  HabilitarCeldas();
}

void CDlgRendimientosTrabajo::MoverEntrada(int a, int de) {
  if (a < 0 || a >= kEntradasTrabajo || de < 0 || de >= kEntradasTrabajo || a == de) return;
  m_copia[static_cast<std::size_t>(a)] = m_copia[static_cast<std::size_t>(de)];
  m_comunes[static_cast<std::size_t>(a)] = m_comunes[static_cast<std::size_t>(de)];
}

void CDlgRendimientosTrabajo::QuitarEntrada(int entrada) {
  if (entrada >= 0 && entrada < kEntradasTrabajo) m_copia[static_cast<std::size_t>(entrada)].titular = 0;
}

std::uint8_t CDlgRendimientosTrabajo::TitularDeEntrada(int entrada) const {
  if (entrada < 0 || entrada >= kEntradasTrabajo) return 0;
  return m_copia[static_cast<std::size_t>(entrada)].titular;
}

void CDlgRendimientosTrabajo::EntradaComun(int entrada) {
  // The amounts stay whole; the entry is only remembered as common for the checks.
  if (entrada >= 0 && entrada < kEntradasTrabajo) m_comunes[static_cast<std::size_t>(entrada)] = true;
}

void CDlgRendimientosTrabajo::EntradaPropia(int entrada) {
  if (entrada >= 0 && entrada < kEntradasTrabajo) {
    m_copia[static_cast<std::size_t>(entrada)].titular = marco::kSujetoDeclarante;
  }
}

int CDlgRendimientosTrabajo::CampoInicialDeEntrada(int entrada) const {
  const std::uint8_t titular = TitularReal(entrada);
  if (EsTitularPersona(titular) && m_personas.GradoEntero(titular) >= 33) return kFilaClave;
  return kFilaPrimerImporte;
}

// ---- checks ----

bool CDlgRendimientosTrabajo::Aviso(std::string_view codigo) const {
  return marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoAsterisco) == marco::kBotonCorregir;
}

void CDlgRendimientosTrabajo::Error(std::string_view codigo) const {
  marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoMano);
}

int CDlgRendimientosTrabajo::Comprobar() {
  // A warning stops only when the user chooses to correct; an error always stops.
  struct SComprobacionEntrada {
    bool (*falla)(const SPerceptorTrabajo&);
    std::string_view codigo;
    bool error;
  };
  static constexpr SComprobacionEntrada kImportes[] = {
      {[](const SPerceptorTrabajo& e) {
         return marco::Redondear(e.importes[kIntegro] * kPorcentajeRetencion) < e.importes[kRetencion];
       },
       "100V123", false},
      {[](const SPerceptorTrabajo& e) {
         return marco::Redondear(e.importes[kValoracion] * kPorcentajeRetencion) < e.importes[kIngresoCuenta];
       },
       "100V124", false},
      {[](const SPerceptorTrabajo& e) { return e.importes[kIngresoCuenta] < e.importes[kIngresoRepercutido]; },
       "100R135", true},
  };

  // 1. The key against the holder's degree (a key 2 counts as 1).
  for (int i = 0; i < kEntradasTrabajo; ++i) {
    const SPerceptorTrabajo& e = m_copia[static_cast<std::size_t>(i)];
    if (!ClaveNoVacia(e)) continue;
    int clave = ClaveDeEntrada(e);
    if (clave == 0) continue;
    if (clave == 2) clave = 1;
    if (clave != ClaveEsperada(TitularReal(i), m_personas) && Aviso("100V136")) return 0;
  }
  // 2 to 4. Retention, payment on account, the part passed on.
  for (const SComprobacionEntrada& c : kImportes) {
    for (const SPerceptorTrabajo& e : m_copia) {
      if (!c.falla(e)) continue;
      if (c.error) {
        Error(c.codigo);
        return 0;
      }
      if (Aviso(c.codigo)) return 0;
    }
  }
  // 5. Contributions in favour of the disabled for a member of a degree below 65.
  for (int i = 0; i < kEntradasTrabajo; ++i) {
    const std::uint8_t titular = TitularReal(i);
    if (m_copia[static_cast<std::size_t>(i)].importes[kContribucionMinusvalidos] != 0.0 &&
        EsTitularPersona(titular) && m_personas.GradoEntero(titular) < 65) {
      Error("100R136");
      return 0;
    }
  }
  // 6. The irregular-income reduction.
  for (const SPerceptorTrabajo& e : m_copia) {
    if (marco::Redondear(Rendimientos(e) * 0.7 + 10.0) < e.importes[kReduccionIrregular] && Aviso("100R137")) {
      return 0;
    }
  }
  // 7. Seguridad Social.
  for (const SPerceptorTrabajo& e : m_copia) {
    if (marco::Redondear(e.importes[kIntegro] * 0.1) < e.importes[kSeguridadSocial] && Aviso("100V126")) return 0;
  }
  // 8. Expenses above the pay.
  for (const SPerceptorTrabajo& e : m_copia) {
    const double gastos = Suma(e, {kSeguridadSocial, kCuotasSindicatos, kCuotasColegios, kDefensaJuridica});
    if (Rendimientos(e) < gastos && Aviso("100V125")) return 0;
  }
  // 9 and 10. The yearly maxima of the declarant and of the spouse.
  const auto sumaDe = [this](std::uint8_t titular, int importe) {
    double suma = 0.0;
    for (int i = 0; i < kEntradasTrabajo; ++i) {
      if (TitularReal(i) == titular) suma += m_copia[static_cast<std::size_t>(i)].importes[importe];
    }
    return suma;
  };
  for (std::uint8_t titular : {std::uint8_t{2}, std::uint8_t{3}}) {
    if (sumaDe(titular, kContribucionGeneral) > CuantiaMaximaPlanPensiones(m_personas.Anio(titular))) {
      Error("100R138");
      return 0;
    }
  }
  for (std::uint8_t titular : {std::uint8_t{2}, std::uint8_t{3}}) {
    if (sumaDe(titular, kContribucionMinusvalidos) > kMaximoContribucionMinusvalidos) {
      Error("100R139");
      return 0;
    }
  }
  // 11. One key per member.
  for (std::uint8_t titular = 2; titular <= 5; ++titular) {
    bool usadas[4] = {};
    for (int i = 0; i < kEntradasTrabajo; ++i) {
      if (TitularReal(i) != titular) continue;
      const SPerceptorTrabajo& e = m_copia[static_cast<std::size_t>(i)];
      const int clave = ClaveNoVacia(e) ? ClaveDeEntrada(e) : 0;
      if (clave >= 0 && clave <= 3) usadas[clave] = true;
    }
    if (std::count(std::begin(usadas), std::end(usadas), true) > 1) {
      Error("100R163");
      return 0;
    }
  }
  // 12. A key without money or in-kind pay is not kept.
  for (SPerceptorTrabajo& e : m_copia) {
    if (ClaveNoVacia(e) && e.importes[kIntegro] + e.importes[kValoracion] == 0.0) VaciarClave(e);
  }
  return 1;
}

// ---- the launch ----

void RegistrarDlgRendimientosTrabajo() {
  marco::RegistrarDialogoDetalle(kVentanaRendimientosTrabajo, sizeof(BloqueTrabajo), [](marco::SPeticionDetalle& p) {
    if (p.bloque.size() != sizeof(BloqueTrabajo)) return marco::kDialogoCancelado;
    CDlgRendimientosTrabajo dlg(p.padre, p.segundoParametro);
    std::memcpy(dlg.m_recibido.data(), p.bloque.data(), sizeof(BloqueTrabajo));
    dlg.m_personas = DatosPersonasActuales();
    marco::PrepararDialogoDetalle(dlg, p);
    const int resultado = dlg.DoModal();
    if (resultado != marco::kDialogoAceptado) return resultado;
    // A changed disability key enters the identification: the next save composes it again.
    for (std::size_t e = 0; e < kEntradasTrabajo; ++e) {
      if (p.bloque[e * sizeof(SPerceptorTrabajo) + 1] != static_cast<unsigned char>(dlg.m_recibido[e].clave[0])) {
        marco::PonerRecomponerIdentificacion(true);
        break;
      }
    }
    std::memcpy(p.bloque.data(), dlg.m_recibido.data(), sizeof(BloqueTrabajo));
    return resultado;
  });
}

}  // namespace dialogos
