#include "framework/DlgErrores.h"

#include <filesystem>
#include <new>
#include <system_error>

#include "framework/DlgMensaje.h"
#include "framework/GridCtrl.h"
#include "framework/GridModelo.h"
#include "framework/Prog32Doc.h"
#include "platform/Lienzo.h"
#include "platform/Texto.h"

namespace marco {

namespace {

struct SBotonAvisos {
  int id;
  int imagen;
};
constexpr SBotonAvisos kBotonesAvisos[] = {
    {kIdCancelarAvisos, kImagenBotonCancelarAvisos}, {kIdImprimirDeclaracion, kImagenBotonImprimir},
    {kIdImprimirLista, kImagenBotonImprimirLista},   {kIdRevisar, kImagenBotonRevisar},
    {kIdValidacionDetallada, kImagenBotonValidacion},
};

// A4 in points.
constexpr double kAnchoA4 = 595.276;
constexpr double kAltoA4 = 841.89;
constexpr int kPuntosImpresion = 300;

}  // namespace

CDlgErrores::CDlgErrores(wxWindow* padre) : m_pPadre(padre) {}

CDlgErrores::~CDlgErrores() = default;

CFuenteAvisos& CDlgErrores::Fuente() {
  if (m_pFuente != nullptr) return *m_pFuente;
  if (!m_pFuenteTablas) m_pFuenteTablas = std::make_unique<CFuenteAvisosTablas>();
  return *m_pFuenteTablas;
}

void CDlgErrores::AvisarUsuario(std::string_view texto) {
  CDlgMensaje(m_pVentana != nullptr ? m_pVentana->VentanaMensajes() : m_pPadre)
      .MostrarMensaje({}, IconoExclamacion, texto);
}

int CDlgErrores::OnInitDialog() {
  if (m_pVentana == nullptr) return 1;
  for (const SBotonAvisos& b : kBotonesAvisos) {
    const int imagen = b.id == kIdImprimirDeclaracion && m_bModoFichero ? kImagenBotonEscribir : b.imagen;
    m_pVentana->PonerImagenBoton(b.id, imagen);
  }
  m_pVentana->Habilitar(kIdValidacionDetallada, false);
  if (!m_bNavegacion) {
    m_pVentana->Habilitar(kIdImprimirDeclaracion, false);
    m_pVentana->Habilitar(kIdRevisar, false);
  }
  CGridModelo& grid = m_pVentana->Grid();
  PrepararListaAvisos(grid);
  LlenarLista();
  grid.PonAltoFila(0, grid.DameAltoFila(0) * 3 / 2);
  m_pVentana->GridCambiado();
  return 1;
}

void CDlgErrores::AplicarEstado(const SEstadoAvisos& e) {
  CVentanaAvisos& v = *m_pVentana;
  v.Habilitar(kIdImprimirDeclaracion, e.imprimirHabilitado);
  v.Habilitar(kIdRevisar, e.revisarHabilitado);
  v.PonerTexto(kIdTextoSeleccion, e.textoSeleccion);
  v.PonerTexto(kIdTextoVeredicto, e.textoVeredicto);
  v.PonerTexto(kIdTextoNotaAvisos, e.textoNotaAvisos);
  v.PonerTexto(kIdTextoAvisos, e.textoAvisos);
  v.PonerTexto(kIdTextoErrores, e.textoErrores);
  v.Mostrar(kIdImagenAvisos, e.imagenAvisosVisible);
  v.Mostrar(kIdImagenErrores, e.imagenErroresVisible);
  v.PonerTexto(kIdImprimirDeclaracion, e.leyendaImprimir);
}

int CDlgErrores::LlenarLista() {
  if (m_pVentana == nullptr) return 0;
  CGridModelo& grid = m_pVentana->Grid();
  m_bHayErrores = false;
  try {
    std::vector<SHallazgo> hallazgos;
    // Findings the last check could not store are missing from the table: the list cannot vouch for printing.
    const bool leidos = Fuente().LeerHallazgos(m_clave, hallazgos) &&
                        (m_pDocumento == nullptr || !m_pDocumento->HallazgosIncompletos());
    // Each finding's message, then the notes the document adds to some of them (read in the same pass).
    std::vector<std::string> codigos;
    codigos.reserve(2 * hallazgos.size());
    for (const SHallazgo& h : hallazgos) codigos.push_back(h.codigo);
    std::vector<std::size_t> notas(hallazgos.size(), 0);
    for (std::size_t i = 0; i < hallazgos.size(); ++i) {
      const std::string nota = m_pDocumento != nullptr ? m_pDocumento->NotaHallazgo(hallazgos[i]) : std::string();
      if (nota.empty()) continue;
      notas[i] = codigos.size();
      codigos.push_back(nota);
    }
    std::vector<std::optional<std::string>> textos = Fuente().TextosMensajes(codigos);
    for (std::size_t i = 0; i < hallazgos.size() && i < textos.size(); ++i) {
      if (notas[i] == 0 || notas[i] >= textos.size() || !textos[i] || !textos[notas[i]]) continue;
      *textos[i] = std::string(plataforma::RecortaDerecha(*textos[i])) + " " + *textos[notas[i]];
    }

    grid.QuitarSeleccion();
    grid.PonCeldaFoco(-1, -1);
    grid.PonNumeroFilas(kFilasInicialesAvisos);
    int n = 0;
    int primerError = 0;
    for (std::size_t i = 0; i < hallazgos.size(); ++i) {
      ++n;
      if (n >= grid.DameNumeroFilas()) grid.PonNumeroFilas(grid.DameNumeroFilas() + kFilasAnadidasAvisos);
      if (hallazgos[i].severidad > 0) {
        m_bHayErrores = true;
        if (primerError == 0) primerError = n;
      }
      PonerFilaAviso(grid, n, FilaDeAviso(hallazgos[i], i < textos.size() ? textos[i] : std::nullopt));
    }
    grid.PonNumeroFilas(n + 1);
    for (int f = 0; f < grid.DameNumeroFilas(); ++f) {
      for (int c = 0; c < grid.DameNumeroColumnas(); ++c) {
        grid.PonEstadoCelda(f, c, grid.DameEstadoCelda(f, c) | kGvisSoloLectura);
      }
    }
    // The list opens on the first error, chosen and in sight: "&Revisar" (or Enter on it) goes straight to the
    // box that keeps the declaration from being printed or filed.
    if (primerError > 0) {
      grid.PonCeldaFoco(primerError, 0);
      grid.PonRangoSeleccion(primerError, 0, primerError, grid.DameNumeroColumnas() - 1);
      grid.HacerVisible(primerError, 0);
    }
    AplicarEstado(EstadoAvisos(n, m_bHayErrores, leidos, m_bNavegacion, m_bModoFichero));
    m_pVentana->GridCambiado();
    return n;
  } catch (const std::bad_alloc&) {
    // Nothing of a list half made is shown, and nothing says the declaration may be printed.
    grid.PonNumeroFilas(1);
    m_bHayErrores = false;
    try {
      AplicarEstado(EstadoAvisos(0, false, false, m_bNavegacion, m_bModoFichero));
      m_pVentana->GridCambiado();
      AvisarUsuario(kTextoSinMemoria);
    } catch (const std::bad_alloc&) {
      m_pVentana->Habilitar(kIdImprimirDeclaracion, false);
    }
    return -1;
  }
}

int CDlgErrores::IrAlAviso(int fila, int /*columna*/) {
  if (!m_bNavegacion || m_pVentana == nullptr) return 0;
  const CGridModelo& grid = m_pVentana->Grid();
  if (fila < grid.DameFilasFijas() || fila >= grid.DameNumeroFilas()) return 0;
  const std::string codigo(plataforma::RecortaDerecha(grid.DameTextoCelda(fila, 0)));
  if (codigo.empty()) return 0;
  SHallazgo hallazgo;
  if (Fuente().BuscarHallazgo(m_clave, codigo, hallazgo) == 1) {
    if (m_destinoIrA) m_destinoIrA(hallazgo.vista, hallazgo.numcontr);
    m_pVentana->Terminar(kResultadoIrAAviso);
  }
  return 1;
}

void CDlgErrores::OnRevisar() {
  if (m_pVentana == nullptr) return;
  const int fila = FilaElegida(m_pVentana->Grid());
  if (fila < 0) {
    AvisarUsuario(kTextoSeleccioneAviso);
    return;
  }
  IrAlAviso(fila);
}

void CDlgErrores::OnValidacionDetallada() {
  if (m_pVentana == nullptr) return;
  struct CEspera {
    CVentanaAvisos& v;
    explicit CEspera(CVentanaAvisos& ventana) : v(ventana) { v.EmpezarEspera(); }
    ~CEspera() { v.TerminarEspera(); }
    CEspera(const CEspera&) = delete;
    CEspera& operator=(const CEspera&) = delete;
  } espera(*m_pVentana);
  if (m_pDocumento != nullptr) m_pDocumento->ComprobarDeclaracion();
  LlenarLista();
}

void CDlgErrores::OnImprimir() {
  if (m_pVentana == nullptr || !m_pVentana->Habilitado(kIdImprimirDeclaracion)) return;
  if (m_bModoFichero) {
    m_pVentana->Terminar(kResultadoEscribir);
    return;
  }
  // Without a document there is nothing to print: the list stays.
  if (m_pDocumento == nullptr) return;
  m_pDocumento->Imprimir();
  m_pVentana->Terminar(kResultadoIrAAviso);
}

void CDlgErrores::OnImprimirLista() {
  if (m_pVentana != nullptr) m_pVentana->ImprimirLista();
}

void CDlgErrores::OnCancel() {
  if (m_pVentana != nullptr) m_pVentana->Terminar(kResultadoCancelar);
}

void CDlgErrores::Pulsar(int id) {
  if (m_pVentana != nullptr && !m_pVentana->Habilitado(id)) return;
  switch (id) {
    case kIdImprimirDeclaracion: OnImprimir(); break;
    case kIdImprimirLista: OnImprimirLista(); break;
    case kIdRevisar: OnRevisar(); break;
    case kIdValidacionDetallada: OnValidacionDetallada(); break;
    case kIdCancelarAvisos: OnCancel(); break;
    default: break;
  }
}

int ImprimirListaEnPdf(const CGridCtrl& grid, const std::string& ruta) {
  int paginas = 0;
  {
    plataforma::CLienzo lienzo = plataforma::CLienzo::Pdf(ruta, kAnchoA4, kAltoA4, kPuntosImpresion);
    if (!lienzo.Correcto()) return 0;
    paginas = grid.Imprimir(lienzo);
  }
  if (paginas == 0) {
    std::error_code error;
    std::filesystem::remove(ruta, error);
  }
  return paginas;
}

}  // namespace marco
