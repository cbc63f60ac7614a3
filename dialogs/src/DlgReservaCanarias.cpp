#include "dialogs/DlgReservaCanarias.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "framework/BaseDatos.h"
#include "framework/CatalogoTablas.h"
#include "framework/CodigoDescripcion.h"
#include "framework/DlgMensaje.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/ListasIncompletas.h"
#include "framework/Mensajes.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

// Where the key and the amount still to invest lie in the bytes after an entry's two amounts.
constexpr std::size_t kRestoClave = 0;
constexpr std::size_t kRestoPendiente = 8;

bool ClaveVacia(unsigned char c) { return c == 0 || c == ' '; }

double LeerDoble(const unsigned char* p) {
  double valor = 0.0;
  std::memcpy(&valor, p, sizeof valor);
  return std::isfinite(valor) ? valor : 0.0;
}

void EscribirDoble(unsigned char* p, double valor) { std::memcpy(p, &valor, sizeof valor); }

// ---- layout (dialog units): one line per entry, one column per field ----
constexpr int kX = 6;
constexpr int kYCabecera = 6;
constexpr int kAltoCabecera = 20;
constexpr int kAltoLinea = 16;
constexpr int kAnchoTitular = 34;
constexpr int kAnchoClave = 30;
constexpr int kAnchoImporte = 66;

marco::CPlantillaDialogo Plantilla(std::string_view titulo, const std::vector<int>& ids,
                                   const std::vector<std::string_view>& cabeceras, std::string_view nota) {
  const int campos = static_cast<int>(cabeceras.size());
  std::vector<int> xs;
  int x = kX;
  for (int c = 0; c < campos; ++c) {
    xs.push_back(x);
    x += c == 0 ? kAnchoTitular : c == kClaveCanarias ? kAnchoClave : kAnchoImporte;
  }
  const int ancho = std::max(x + kX, 260);
  const int yRejilla = kYCabecera + kAltoCabecera + 2;
  const int yAyuda = yRejilla + kAltoLinea * kEntradasCanarias + 4;
  const int yNota = yAyuda + 14;
  const int altoNota = nota.empty() ? 0 : 14;
  const int yBotones = yNota + altoNota + 4;
  marco::CPlantillaDialogo p(ancho, yBotones + 24, titulo);
  for (int c = 0; c < campos; ++c) {
    const int w = (c == 0 ? kAnchoTitular : c == kClaveCanarias ? kAnchoClave : kAnchoImporte) - 4;
    p.Estatico(-1, cabeceras[static_cast<std::size_t>(c)], {xs[static_cast<std::size_t>(c)], kYCabecera, w,
                                                           kAltoCabecera});
    for (int e = 0; e < kEntradasCanarias; ++e) {
      const int id = ids[static_cast<std::size_t>(c * kEntradasCanarias + e)];
      const marco::SRectDialogo celda{xs[static_cast<std::size_t>(c)], yRejilla + kAltoLinea * e, w, 12};
      if (c == 0 || c == kClaveCanarias) {
        p.Edicion(id, celda, marco::kEdicionMayusculas, 1);
      } else {
        p.Importe(id, celda, 13);
      }
    }
  }
  p.Estatico(kIdAyudaTitularLineas, "", {kX, yAyuda, ancho - 2 * kX, 10});
  if (!nota.empty()) p.Estatico(kIdNotaLineas, nota, {kX, yNota, ancho - 2 * kX, 10});
  const int xBotones = ancho - kX - 188;
  p.Aceptar({xBotones, yBotones, 60, 18}).Cancelar({xBotones + 64, yBotones, 60, 18});
  p.Ayuda({xBotones + 128, yBotones, 60, 18});
  return p;
}

constexpr std::string_view kTitularCabecera = "Titular";
constexpr std::string_view kDotacionCabecera = "Importe de la\ndotaci\xF3n";
constexpr std::string_view kMaterializadoCabecera = "Materializado\nen 1999";
constexpr std::string_view kClaveCabecera = "Clave";

}  // namespace

CDlgReservaCanarias::CDlgReservaCanarias(int idRecurso, wxWindow* padre, std::int32_t segundoParametro,
                                         std::string_view titulo, std::size_t tamanoEntrada, int campos,
                                         std::vector<int> ids, const std::vector<std::string_view>& cabeceras,
                                         std::string_view nota, std::string_view mensaje)
    : CDlgImportesTitulares(idRecurso, padre, segundoParametro, FormaCanarias(tamanoEntrada), ids,
                            kIdAyudaTitularLineas, kContextoAyudaCanarias),
      m_nCamposExtra(campos - 2),
      m_mensaje(mensaje) {
  Plantilla() = dialogos::Plantilla(titulo, ids, cabeceras, nota);
  PonerRefrescarAlSalir(true);
}

char CDlgReservaCanarias::Clave(int entrada) const {
  if (m_nCamposExtra < 1 || entrada < 0 || entrada >= kEntradasCanarias) return 0;
  const unsigned char c = Copia()[static_cast<std::size_t>(entrada)].resto[kRestoClave];
  return ClaveVacia(c) ? 0 : static_cast<char>(c);
}

double CDlgReservaCanarias::Pendiente(int entrada) const {
  if (m_nCamposExtra < 2 || entrada < 0 || entrada >= kEntradasCanarias) return 0.0;
  return LeerDoble(Copia()[static_cast<std::size_t>(entrada)].resto.data() + kRestoPendiente);
}

bool CDlgReservaCanarias::ClaveAdmitida(char clave) const {
  marco::CBaseDatos* base = marco::DameBaseDatosLocal();
  if (base == nullptr) return false;
  marco::CTabla tabla(base);
  const std::string nombre = marco::NombreTablaConsulta(kTablaClaveCanarias, marco::LetraIdiomaV());
  if (tabla.Abrir(1, "CLAVE", nombre) == 0) return false;
  const bool hallada = tabla.Buscar(std::string(1, clave), false, "CLAVE", false) == 1;
  tabla.Cerrar();
  return hallada;
}

marco::SEnlaceControl CDlgReservaCanarias::EnlaceFila(int fila, SEntradaTitular& entrada) {
  if (fila == kClaveCanarias && m_nCamposExtra >= 1) {
    unsigned char* clave = entrada.resto.data() + kRestoClave;
    marco::SEnlaceControl enlace;
    enlace.mostrar = [clave] { return ClaveVacia(*clave) ? std::string() : std::string(1, static_cast<char>(*clave)); };
    enlace.guardar = [this, clave](std::string_view texto) {
      const std::string_view limpio = plataforma::Recorta(texto);
      if (limpio.empty()) {
        *clave = 0;
        return true;
      }
      const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(limpio[0])));
      if (limpio.size() == 1 && static_cast<unsigned char>(c) == *clave) return true;
      // The program's key list is not whole (docs/TABLAS_CONSULTA.md): a key of its form (one letter or digit)
      // that the list lacks is kept, and the user is told so; anything else is refused with the form's message.
      if (!marco::TieneFormaDeLista(marco::EListaIncompleta::ClavesCanarias, limpio)) {
        marco::CDlgMensaje().MostrarMensaje(
            marco::MensajeFormaLista(marco::EListaIncompleta::ClavesCanarias), marco::IconoExclamacion);
        return false;
      }
      if (!ClaveAdmitida(c)) {
        marco::CDlgMensaje().MostrarMensaje(
            marco::AvisoFueraDeLista(marco::EListaIncompleta::ClavesCanarias), marco::IconoAsterisco);
      }
      *clave = static_cast<unsigned char>(c);
      return true;
    };
    return enlace;
  }
  if (fila == kPendienteCanarias && m_nCamposExtra >= 2) {
    // A double inside the entry's stored bytes: read and written through memcpy.
    unsigned char* pendiente = entrada.resto.data() + kRestoPendiente;
    marco::SEnlaceControl enlace;
    enlace.mostrar = [pendiente] { return marco::TextoImporteDialogo(LeerDoble(pendiente), 0, false); };
    enlace.guardar = [this, pendiente](std::string_view texto) {
      double leido = 0.0;
      marco::SEnlaceControl importe = EnlaceImporte(&leido, 0, false);
      if (!importe.guardar(texto)) return false;
      EscribirDoble(pendiente, leido);
      return true;
    };
    return enlace;
  }
  return CDlgImportesTitulares::EnlaceFila(fila, entrada);
}

void CDlgReservaCanarias::ActualizarEntradas() {
  CDlgImportesTitulares::ActualizarEntradas();
  if (m_nCamposExtra >= 1 && Variante() == kVarianteClaveFija) {
    for (int e = 0; e < kEntradasCanarias; ++e) HabilitarControl(IdControl(kClaveCanarias, e), false);
  }
}

void CDlgReservaCanarias::EntradaComun(int entrada) {
  CDlgImportesTitulares::EntradaComun(entrada);
  if (m_nCamposExtra >= 2 && entrada >= 0 && entrada < kEntradasCanarias) {
    unsigned char* pendiente = Copia()[static_cast<std::size_t>(entrada)].resto.data() + kRestoPendiente;
    EscribirDoble(pendiente, LeerDoble(pendiente) * 0.5);
  }
}

bool CDlgReservaCanarias::EntradaCorrecta(const SEntradaTitular& entrada) const {
  return entrada.importes[kSegundoImporteCanarias - 1] <= entrada.importes[kDotacionCanarias - 1];
}

int CDlgReservaCanarias::ComprobarEntradas() {
  if (m_mensaje.empty()) return 1;
  for (int e = 0; e < kEntradasCanarias; ++e) {
    if (EntradaCorrecta(Copia()[static_cast<std::size_t>(e)])) continue;
    // The entries stay as typed, so the user corrects the figure at fault instead of typing both again.
    marco::CDlgMensaje().MostrarMensaje(m_mensaje, marco::IconoAsterisco);
    PonerFoco(IdControl(kSegundoImporteCanarias, e));
    return 0;
  }
  return 1;
}

// ---- the three dialogs ----

CDlgReservaCanariasRendimientos::CDlgReservaCanariasRendimientos(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgReservaCanarias(204, padre, segundoParametro, "RESERVA INVERSION CANARIAS (SALDO ANTERIOR)",
                          kEntradaCanariasRendimientos, 2, {1195, 1209, 1305, 1307, 1306, 1308},
                          {kTitularCabecera, kDotacionCabecera, "Rendimientos obtenidos\nen Canarias"},
                          "No es aplicable a actividades profesionales", {}) {}

CDlgDotacionCanarias::CDlgDotacionCanarias(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgReservaCanarias(1602, padre, segundoParametro, "DOTACI\xD3N RESERVA INVERSI\xD3N CANARIAS 1997 Y 1998",
                          kEntradaDotacionCanarias, 4,
                          {1195, 1209, 1305, 1307, 1306, 1308, 1309, 1310, 1311, 1312},
                          {kTitularCabecera, kDotacionCabecera, "Invertido\nen 1999", kClaveCabecera,
                           "Pendiente de\ninvertir"},
                          {}, "100R195") {}

bool CDlgDotacionCanarias::EntradaCorrecta(const SEntradaTitular& entrada) const {
  const double pendiente = LeerDoble(entrada.resto.data() + kRestoPendiente);
  return entrada.importes[kSegundoImporteCanarias - 1] + pendiente <= entrada.importes[kDotacionCanarias - 1];
}

CDlgReservaCanariasMaterializada::CDlgReservaCanariasMaterializada(wxWindow* padre, std::int32_t segundoParametro)
    : CDlgReservaCanarias(202, padre, segundoParametro, "RESERVA INVERSION CANARIAS (SALDO ANTERIOR)",
                          kEntradaCanariasMaterializada, 3, {1195, 1209, 1305, 1307, 1306, 1308, 1309, 1310},
                          {kTitularCabecera, kDotacionCabecera, kMaterializadoCabecera, kClaveCabecera}, {},
                          "100R194") {}

void RegistrarDlgReservaCanarias() {
  RegistrarRejilla<CDlgReservaCanariasRendimientos>(kVentanaCanariasRendimientos,
                                                    FormaCanarias(kEntradaCanariasRendimientos).TamanoBloque());
  RegistrarRejilla<CDlgDotacionCanarias>(kVentanaDotacionCanarias,
                                         FormaCanarias(kEntradaDotacionCanarias).TamanoBloque());
  RegistrarRejilla<CDlgReservaCanariasMaterializada>(kVentanaCanariasMaterializada,
                                                     FormaCanarias(kEntradaCanariasMaterializada).TamanoBloque());
}

}  // namespace dialogos
