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

constexpr int kImportesEspecie = 3;
constexpr int kImportesMetalico = 2;

constexpr int kIdsEspecie[] = {1269, 1270, 1428, 1430, 1871, 1872, 1873, 1874};
constexpr std::string_view kCabecerasEspecie[] = {"Titular", "Valoraci\xF3n", "Ingresos a cuenta",
                                                  "Ingreso a cuenta\nrepercutido"};
constexpr int kIdsMetalico[] = {1195, 1209, 1640, 1641, 1647, 1648};
constexpr std::string_view kCabecerasMetalico[] = {"Titular", "Importe \xEDntegro", "Retenci\xF3n"};

constexpr double kPorcentajePremio = 0.2;
constexpr double kMargenPremio = 100.0;

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
  if (importes < 1 || importes > kMaxImportesPremio) return {};
  return LeerEntradas(bloque, FormaPremio(importes));
}

void EscribirEntradasPremio(const EntradasPremio& entradas, int importes, std::span<unsigned char> bloque) {
  if (importes < 1 || importes > kMaxImportesPremio) return;
  EscribirEntradas(entradas, FormaPremio(importes), bloque);
}

// ---- the dialog ----

CDlgPremios::CDlgPremios(int idRecurso, wxWindow* padre, std::int32_t segundoParametro, std::string_view titulo,
                         int importes, std::span<const int> ids, std::span<const std::string_view> cabeceras)
    : CDlgImportesTitulares(idRecurso, padre, segundoParametro, FormaPremio(importes),
                            std::vector<int>(ids.begin(), ids.end()), kIdAyudaTitularPremios, 0) {
  Plantilla() = dialogos::Plantilla(titulo, importes, ids, cabeceras);
  // The typed amount is shown formatted as its field is left.
  PonerRefrescarAlSalir(true);
}

bool CDlgPremios::VeintePorCiento(double premio, double pagado) {
  if (marco::Redondear(premio * kPorcentajePremio + kMargenPremio) >= pagado) return true;
  return marco::CDlgMensaje().MostrarMensaje("100V127", marco::IconoAsterisco) != marco::kBotonCorregir;
}

// ---- prizes in kind ----

CDlgPremiosEspecie::CDlgPremiosEspecie(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgPremios(kRecursoPremiosEspecie, padre, segundoParametro, "PREMIOS EN ESPECIE", kImportesEspecie,
                  kIdsEspecie, kCabecerasEspecie) {}

int CDlgPremiosEspecie::ComprobarEntradas() {
  for (int i = 0; i < kEntradasPremio; ++i) {
    const SEntradaPremio& e = Copia()[static_cast<std::size_t>(i)];
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

int CDlgPremiosMetalico::ComprobarEntradas() {
  for (int i = 0; i < kEntradasPremio; ++i) {
    const SEntradaPremio& e = Copia()[static_cast<std::size_t>(i)];
    if (!VeintePorCiento(e.importes[kIntegroPremio], e.importes[kRetencionPremio])) return 0;
  }
  return 1;
}

// ---- the launch ----

void RegistrarDlgPremios() {
  RegistrarRejilla<CDlgPremiosEspecie>(kVentanaPremiosEspecie, TamanoBloquePremio(kImportesEspecie),
                                       EAjusteRejilla::kNinguno);
  RegistrarRejilla<CDlgPremiosMetalico>(kVentanaPremiosMetalico, TamanoBloquePremio(kImportesMetalico),
                                        EAjusteRejilla::kNinguno);
}

}  // namespace dialogos
