#include "dialogs/DlgPremios.h"

#include <cctype>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/DlgPlanesPensiones.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"
#include "framework/SelectorTitular.h"
#include "framework/Utilidades.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

using marco::SEnlaceControl;

constexpr int kImportesEspecie = 3;
constexpr int kImportesMetalico = 2;

constexpr int kIdsEspecie[] = {1269, 1270, 1428, 1430, 1871, 1872, 1873, 1874};
constexpr std::string_view kCabecerasEspecie[] = {"Titular", "Valoraci\xF3n", "Ingresos a cuenta",
                                                  "Ingreso a cuenta\nrepercutido"};
constexpr int kIdsMetalico[] = {1195, 1209, 1640, 1641, 1647, 1648};
constexpr std::string_view kCabecerasMetalico[] = {"Titular", "Importe \xEDntegro", "Retenci\xF3n"};

constexpr double kPorcentajePremio = 0.2;
constexpr double kMargenPremio = 100.0;

double LeerDoble(const unsigned char* p) {
  double valor = 0.0;
  std::memcpy(&valor, p, sizeof valor);
  return std::isfinite(valor) ? valor : 0.0;
}

std::string LetraTitular(std::uint8_t titular) {
  for (const marco::STitular& t : marco::kTitulares) {
    if (t.codigo == titular && titular != 0) return std::string(1, t.letra);
  }
  return {};
}

// ---- layout (dialog units) ----
constexpr int kXPrimera = 8;
constexpr int kAnchoTitular = 36;
constexpr int kAnchoImporte = 72;
constexpr int kYCabecera = 8;
constexpr int kAltoCabecera = 18;
constexpr int kAltoFila = 16;

int XColumna(int columna) {
  return columna == 0 ? kXPrimera : kXPrimera + kAnchoTitular + 4 + (kAnchoImporte + 4) * (columna - 1);
}
int AnchoColumna(int columna) { return columna == 0 ? kAnchoTitular : kAnchoImporte; }
int YEntrada(int entrada) { return kYCabecera + kAltoCabecera + 2 + kAltoFila * entrada; }

marco::CPlantillaDialogo Plantilla(std::string_view titulo, int importes, std::span<const int> ids,
                                   std::span<const std::string_view> cabeceras) {
  const int columnas = importes + 1;
  const int ancho = XColumna(columnas - 1) + AnchoColumna(columnas - 1) + kXPrimera;
  const int yHint = YEntrada(kEntradasPremio) + 4;
  const int yBotones = yHint + 24;
  marco::CPlantillaDialogo p(ancho, yBotones + 26, titulo);
  for (int c = 0; c < columnas; ++c) {
    p.Estatico(-1, cabeceras[static_cast<std::size_t>(c)], {XColumna(c), kYCabecera, AnchoColumna(c), kAltoCabecera});
    for (int e = 0; e < kEntradasPremio; ++e) {
      const int id = ids[static_cast<std::size_t>(c * kEntradasPremio + e)];
      const marco::SRectDialogo celda{XColumna(c), YEntrada(e), AnchoColumna(c), 13};
      if (c == 0) {
        p.Edicion(id, celda, marco::kEdicionMayusculas, 1);
      } else {
        p.Importe(id, celda, 13);
      }
    }
  }
  p.Estatico(kIdAyudaTitularPremios, "", {kXPrimera, yHint, ancho - 2 * kXPrimera, 20});
  p.Aceptar({ancho - 2 * 64 - kXPrimera, yBotones, 60, 18}).Cancelar({ancho - 64 - kXPrimera, yBotones, 60, 18});
  return p;
}

}  // namespace

// ---- stored form ----

EntradasPremio LeerEntradasPremio(std::span<const unsigned char> bloque, int importes) {
  EntradasPremio entradas{};
  if (importes < 1 || importes > kMaxImportesPremio || bloque.size() != TamanoBloquePremio(importes)) return entradas;
  for (std::size_t e = 0; e < kEntradasPremio; ++e) {
    const unsigned char* p = bloque.data() + e * TamanoEntradaPremio(importes);
    SEntradaPremio& entrada = entradas[e];
    entrada.titular = p[0] <= 5 ? p[0] : 0;
    for (int i = 0; i < importes; ++i) entrada.importes[static_cast<std::size_t>(i)] = LeerDoble(p + 8 + 8 * i);
  }
  return entradas;
}

void EscribirEntradasPremio(const EntradasPremio& entradas, int importes, std::span<unsigned char> bloque) {
  if (importes < 1 || importes > kMaxImportesPremio || bloque.size() != TamanoBloquePremio(importes)) return;
  for (std::size_t e = 0; e < kEntradasPremio; ++e) {
    unsigned char* p = bloque.data() + e * TamanoEntradaPremio(importes);
    p[0] = entradas[e].titular;
    for (int i = 0; i < importes; ++i) {
      std::memcpy(p + 8 + 8 * i, &entradas[e].importes[static_cast<std::size_t>(i)], sizeof(double));
    }
  }
}

// ---- the dialog ----

CDlgPremios::CDlgPremios(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, std::string_view titulo,
                         int importes, std::span<const int> ids, std::span<const std::string_view> cabeceras)
    : CTemplateDlgTitulares(idRecurso, padre, segundoParametro), m_nImportes(importes) {
  PonerTablaIds(kEntradasPremio, importes + 1, std::vector<int>(ids.begin(), ids.end()));
  Plantilla() = dialogos::Plantilla(titulo, importes, ids, cabeceras);
}

int CDlgPremios::OnInitDialog() {
  CTemplateDlgTitulares::OnInitDialog();
  m_copia = m_recibido;
  for (SEntradaPremio& e : m_copia) {
    if (e.titular > 5) e.titular = 0;
    for (double& v : e.importes) {
      if (!std::isfinite(v)) v = 0.0;
    }
  }
  AjustarEntradasAlSujeto();

  for (int e = 0; e < kEntradasPremio; ++e) {
    SEntradaPremio* entrada = &m_copia[static_cast<std::size_t>(e)];
    SEnlaceControl titular;
    titular.mostrar = [entrada] { return LetraTitular(entrada->titular); };
    titular.guardar = [this, entrada](std::string_view texto) {
      const marco::SEntornoDialogo entorno = Entorno();
      const int codigo = marco::CodigoTitularTecleado(texto, SegundoParametro(), entorno.conyuge, entorno.hijo1, entorno.hijo2);
      if (codigo < 0) return false;
      entrada->titular = static_cast<std::uint8_t>(codigo);
      return true;
    };
    Enlazar(IdControl(0, e), std::move(titular));
    for (int i = 0; i < m_nImportes; ++i) {
      Enlazar(IdControl(i + 1, e), EnlaceImportePesetas(&entrada->importes[static_cast<std::size_t>(i)]));
    }
  }

  ActualizarEntradas();
  if (!TodasLasEntradas()) CompactarEntradas();
  marco::ActualizarDatosHijos(*this, 0);
  RecordarTitulares();
  return 1;
}

void CDlgPremios::RecordarTitulares() {
  for (std::size_t e = 0; e < kEntradasPremio; ++e) m_titularesMostrados[e] = m_copia[e].titular;
}

void CDlgPremios::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (Comprobar() == 0) return;
  if (TodasLasEntradas() && !Bloqueado()) {
    QuitarEntradasVacias();
    m_recibido = m_copia;
  }
  marco::CTemplateDlg::OnOK();
}

int CDlgPremios::AlSalirDeCampo(int id) {
  const int fila = FilaDeControl(id);
  // A holder typed and left: the entries follow it, as after a pick. (The value was stored as the cell was left.)
  if (fila == 0) {
    const int e = EntradaDeControl(id);
    if (e >= 0 && m_copia[static_cast<std::size_t>(e)].titular != m_titularesMostrados[static_cast<std::size_t>(e)]) {
      AlCambiarValor(id);
    }
  }
  if (!PermitirSalidaCampo()) return 1;
  if (fila == 0) {
    PonerTextoControl(kIdAyudaTitularPremios, "");
  } else if (fila > 0) {
    ActualizarDatos(0);
  }
  return 1;
}

int CDlgPremios::AlEntrarEnCampo(int id) {
  if (FilaDeControl(id) == 0) MostrarAyudaTitular(kIdAyudaTitularPremios);
  return 1;
}

int CDlgPremios::AlCambiarValor(int id) {
  const int resultado = CTemplateDlgTitulares::AlCambiarValor(id);
  RecordarTitulares();
  return resultado;
}

void CDlgPremios::LimpiarEntrada(int entrada) {
  if (entrada < 0 || entrada >= kEntradasPremio) return;
  m_copia[static_cast<std::size_t>(entrada)].importes.fill(0.0);
}

void CDlgPremios::MoverEntrada(int a, int de) {
  if (a < 0 || a >= kEntradasPremio || de < 0 || de >= kEntradasPremio || a == de) return;
  m_copia[static_cast<std::size_t>(a)] = m_copia[static_cast<std::size_t>(de)];
}

void CDlgPremios::QuitarEntrada(int entrada) {
  if (entrada >= 0 && entrada < kEntradasPremio) m_copia[static_cast<std::size_t>(entrada)].titular = 0;
}

std::uint8_t CDlgPremios::TitularDeEntrada(int entrada) const {
  if (entrada < 0 || entrada >= kEntradasPremio) return 0;
  return m_copia[static_cast<std::size_t>(entrada)].titular;
}

void CDlgPremios::EntradaPropia(int entrada) {
  if (entrada >= 0 && entrada < kEntradasPremio) {
    m_copia[static_cast<std::size_t>(entrada)].titular = static_cast<std::uint8_t>(marco::kSujetoDeclarante);
  }
}

bool CDlgPremios::VeintePorCiento(double premio, double pagado) {
  if (marco::Redondear(premio * kPorcentajePremio + kMargenPremio) >= pagado) return true;
  return marco::CDlgMensaje().MostrarMensaje("100V127", marco::IconoAsterisco) != marco::kBotonCorregir;
}

// ---- prizes in kind ----

CDlgPremiosEspecie::CDlgPremiosEspecie(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgPremios(kRecursoPremiosEspecie, padre, segundoParametro, "PREMIOS EN ESPECIE", kImportesEspecie,
                  kIdsEspecie, kCabecerasEspecie) {}

void CDlgPremiosEspecie::EntradaComun(int entrada) {
  if (entrada < 0 || entrada >= kEntradasPremio) return;
  for (double& v : CopiaEditable()[static_cast<std::size_t>(entrada)].importes) v /= 2.0;
}

int CDlgPremiosEspecie::Comprobar() {
  for (const SEntradaPremio& e : Copia()) {
    if (e.importes[kIngresosCuentaPremio] < e.importes[kRepercutidoPremio]) {
      marco::CDlgMensaje().MostrarMensaje("100R135", marco::IconoMano);
      return 0;
    }
    if (!VeintePorCiento(e.importes[kValoracionPremio], e.importes[kIngresosCuentaPremio])) return 0;
  }
  return 1;
}

// ---- prizes in cash ----

CDlgPremiosMetalico::CDlgPremiosMetalico(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgPremios(kRecursoPremiosMetalico, padre, segundoParametro, "PREMIOS EN MET\xC1LICO", kImportesMetalico,
                  kIdsMetalico, kCabecerasMetalico) {}

int CDlgPremiosMetalico::Comprobar() {
  for (const SEntradaPremio& e : Copia()) {
    if (!VeintePorCiento(e.importes[kIntegroPremio], e.importes[kRetencionPremio])) return 0;
  }
  return 1;
}

// ---- the launch ----

namespace {

template <typename TDialogo>
void RegistrarPremio(std::string_view nombre, int importes) {
  marco::RegistrarDialogoDetalle(nombre, TamanoBloquePremio(importes), [importes](marco::SPeticionDetalle& p) {
    if (p.bloque.size() != TamanoBloquePremio(importes)) return marco::kDialogoCancelado;
    TDialogo dlg(p.padre, p.segundoParametro);
    dlg.m_recibido = LeerEntradasPremio(p.bloque, importes);
    marco::PrepararDialogoDetalle(dlg, p);
    const int resultado = dlg.DoModal();
    if (resultado == marco::kDialogoAceptado) EscribirEntradasPremio(dlg.m_recibido, importes, p.bloque);
    return resultado;
  });
}

}  // namespace

void RegistrarDlgPremios() {
  RegistrarPremio<CDlgPremiosEspecie>(kVentanaPremiosEspecie, kImportesEspecie);
  RegistrarPremio<CDlgPremiosMetalico>(kVentanaPremiosMetalico, kImportesMetalico);
}

}  // namespace dialogos
