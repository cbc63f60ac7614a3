#include "dialogs/DlgTipoElemento.h"


#include <wx/window.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/BaseDatos.h"
#include "framework/DialogoPlantilla.h"
#include "framework/DlgMensaje.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/GridCtrl.h"
#include "framework/Mensajes.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "income/FilasSecciones.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

constexpr std::size_t kAnchoDescripcion = 100;
constexpr std::size_t kAnchoValor = 10;
constexpr int kAnchosColumnas[] = {30, 530, 0};

}  // namespace

std::string NombreTablaTipoElemento(char letra) {
  std::string nombre(kTablaTipoElemento);
  if (letra != '\0') nombre[7] = letra;
  return nombre;
}

std::vector<SFilaTipoElemento> LeerTiposElemento(marco::CBaseDatos* base, char letra) {
  std::vector<SFilaTipoElemento> filas;
  if (base == nullptr) return filas;
  marco::CTabla tabla(base, NombreTablaTipoElemento(letra));
  if (tabla.EstaAbierta() == 0 || tabla.IrAlPrincipio("clave") == 0) return filas;
  do {
    SFilaTipoElemento fila;
    char texto[kAnchoDescripcion + 1] = {};
    if (tabla.LeerCampo("descripcio", texto, marco::kCampoTexto, sizeof(texto)) == 1) {
      fila.descripcion = std::string(plataforma::Recorta(texto));
    }
    double valor = 0.0;
    if (tabla.LeerCampo("valor", &valor, marco::kCampoDouble, sizeof(valor)) == 1) {
      char formado[64] = {};
      std::snprintf(formado, sizeof(formado), "%f", valor);
      fila.valor = formado;
    }
    filas.push_back(std::move(fila));
  } while (tabla.Siguiente("clave") != 0);
  return filas;
}

double ValorTipoElemento(std::string_view texto) {
  const std::string corto(texto.substr(0, kAnchoValor));
  char* fin = nullptr;
  const double valor = std::strtod(corto.c_str(), &fin);
  return fin == corto.c_str() ? 0.0 : valor;
}

CDlgTipoElemento::CDlgTipoElemento(wxWindow* padre) : CTemplateDlg(kRecursoTipoElemento, padre) {
  marco::CPlantillaDialogo p(300, 170, "TIPO DE ELEMENTO PATRIMONIAL");
  p.Propio(kIdRejillaTipoElemento, {6, 6, 288, 132}, [this](wxWindow* padre, int id, const marco::SRectDialogo& r) {
    auto* rejilla = new marco::CGridCtrl(padre, id, wxPoint(r.x, r.y), wxSize(r.ancho, r.alto));
    m_pRejilla = rejilla;
    rejilla->Bind(wxEVT_DESTROY, [this, rejilla](wxWindowDestroyEvent& evento) {
      evento.Skip();
      if (evento.GetEventObject() == rejilla) m_pRejilla = nullptr;
    });
    // The grid sends its clicks to its parent window, not to itself.
    padre->Bind(marco::EVT_GRID_CLIC, [this, rejilla](marco::CGridEvento& evento) {
      if (evento.GetEventObject() == rejilla) SeleccionarFila(evento.DameFila());
    });
    padre->Bind(marco::EVT_GRID_DOBLE_CLIC, [this, rejilla](marco::CGridEvento& evento) {
      if (evento.GetEventObject() == rejilla) ActivarFila(evento.DameFila());
    });
    return rejilla;
  });
  p.Aceptar({170, 146, 60, 18}).Cancelar({234, 146, 60, 18});
  Plantilla() = p;
}

void CDlgTipoElemento::PonerFilas(std::vector<SFilaTipoElemento> filas) {
  m_filas = std::move(filas);
  m_bFilasPuestas = true;
}

std::string CDlgTipoElemento::Marca(int fila) const {
  return fila >= 0 && static_cast<std::size_t>(fila) < m_marcas.size() ? m_marcas[static_cast<std::size_t>(fila)]
                                                                        : std::string();
}

int CDlgTipoElemento::OnInitDialog() {
  CTemplateDlg::OnInitDialog();
  if (!m_bFilasPuestas) m_filas = LeerTiposElemento(marco::DameBaseDatosLocal(), marco::LetraIdiomaV());
  m_marcas.assign(m_filas.size(), std::string());
  // A preselected row outside the list is no selection.
  if (m_nFilaSeleccionada < 0 || static_cast<std::size_t>(m_nFilaSeleccionada) > m_filas.size()) {
    m_nFilaSeleccionada = 0;
  }
  if (m_nFilaSeleccionada > 0) m_marcas[static_cast<std::size_t>(m_nFilaSeleccionada - 1)] = kMarcaTipoElemento;
  if (m_pRejilla != nullptr) {
    m_pRejilla->PonNumeroFilas(static_cast<int>(m_filas.size()));
    m_pRejilla->PonNumeroColumnas(3);
    m_pRejilla->PonFilasFijas(0);
    m_pRejilla->PonColumnasFijas(0);
    for (int c = 0; c < 3; ++c) m_pRejilla->PonAnchoColumna(c, kAnchosColumnas[c]);
  }
  Repintar();
  return 1;
}

void CDlgTipoElemento::Repintar() {
  if (m_pRejilla == nullptr) return;
  for (std::size_t f = 0; f < m_filas.size(); ++f) {
    const int fila = static_cast<int>(f);
    m_pRejilla->PonTextoCelda(fila, 0, m_marcas[f]);
    m_pRejilla->PonTextoCelda(fila, 1, m_filas[f].descripcion.substr(0, kAnchoDescripcion));
    m_pRejilla->PonTextoCelda(fila, 2, m_filas[f].valor);
  }
  m_pRejilla->Refresh();
}

void CDlgTipoElemento::SeleccionarFila(int fila) {
  if (fila < 0 || static_cast<std::size_t>(fila) >= m_filas.size()) return;
  if (m_nFilaSeleccionada > 0) m_marcas[static_cast<std::size_t>(m_nFilaSeleccionada - 1)].clear();
  m_marcas[static_cast<std::size_t>(fila)] = kMarcaTipoElemento;
  m_nFilaSeleccionada = fila + 1;
  m_dValor = ValorTipoElemento(m_filas[static_cast<std::size_t>(fila)].valor);
  Repintar();
}

void CDlgTipoElemento::ActivarFila(int fila) {
  if (fila < 0 || Marca(fila) != kMarcaTipoElemento) return;
  OnOK();
}

void CDlgTipoElemento::OnOK() {
  if (m_nFilaSeleccionada == 0) {
    marco::CDlgMensaje().MostrarMensaje(kMensajeSinTipoElemento, marco::IconoExclamacion);
    return;
  }
  CTemplateDlg::OnOK();
}

// Cancel is never refused: without a row nothing is chosen, and the caller keeps what it had.
void CDlgTipoElemento::OnCancel() { CTemplateDlg::OnCancel(); }

void RegistrarDlgTipoElemento() {
  marco::RegistrarDialogoDetalle(renta::kVentanaTipoElemento, renta::kTamanoTipoElementoB,
                                 [](marco::SPeticionDetalle& p) {
                                   if (p.bloque.size() != renta::kTamanoTipoElementoB) return marco::kDialogoCancelado;
                                   // Without the list of element types there is nothing to choose from: the
                                   // window says so and nothing changes.
                                   if (!renta::HayTablaTiposElemento(marco::DameBaseDatosLocal(), marco::LetraIdiomaV())) {
                                     marco::CDlgMensaje().MostrarMensaje("WIN071", marco::IconoExclamacion);
                                     return marco::kDialogoCancelado;
                                   }
                                   CDlgTipoElemento dlg(p.padre);
                                   std::int32_t tipo = 0;
                                   std::memcpy(&tipo, p.bloque.data(), sizeof tipo);
                                   std::memcpy(&dlg.m_dValor, p.bloque.data() + 8, sizeof dlg.m_dValor);
                                   dlg.m_nFilaSeleccionada = tipo;
                                   dlg.m_nModo = 1;
                                   const int resultado = dlg.DoModal();
                                   if (resultado != marco::kDialogoAceptado) return resultado;
                                   tipo = dlg.m_nFilaSeleccionada;
                                   std::memcpy(p.bloque.data(), &tipo, sizeof tipo);
                                   std::memcpy(p.bloque.data() + 8, &dlg.m_dValor, sizeof dlg.m_dValor);
                                   return resultado;
                                 });
}

}  // namespace dialogos
