#include "d100/GruposActividades.h"

#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalleDialogos.h"
#include "framework/Mensajes.h"

namespace ordinaria {

// ---- the box array ----

CControlesActividades::CControlesActividades(const SPaginaActividades& pagina)
    : CControlesGrupos(pagina.composicion), m_pagina(pagina) {}

void CControlesActividades::EnlazarFijas() {
  CControlesGrupos::EnlazarFijas();
  EnlazarNota(Pagina().casillaNota, Pagina().nota);
}

void CControlesActividades::CalcularSeccion() {
  if (m_pDatos == nullptr) return;
  DatosRenta& d = *m_pDatos;
  (m_pFunciones->*Pagina().seccion)(&d.ApartadoD1, &d.ApartadoD2, &d.ApartadoD3, &d.BaseImponible, &d.ApartadoD4,
                                    &d.ApartadoD5, Pagina().instancia);
}

int CControlesActividades::ContarHojas() {
  const SPaginaActividades& p = Pagina();
  return ContarHojasFilas(p.grupo, p.filaRellena, p.despTitular);
}

void CControlesActividades::GuardarYCalcular(int fila) {
  const SPaginaActividades& p = Pagina();
  if (NavegarGrupo(p.grupo, fila, p.accionGuardar, 0) != 0) return;
  CalcularSeccion();
  NavegarGrupo(p.grupo, fila, p.accionRecargar, 0);
}

int CControlesActividades::AccionFila(renta::CFilasApartadoF& filas, int grupo, int fila, int accion, int extra) {
  const SPaginaActividades& p = Pagina();
  if (accion == p.accionGuardar || accion == p.accionRecargar) {
    const bool guardar = accion == p.accionGuardar;
    const int respuesta = filas.OrdenFila(fila, accion, 0);
    if (!p.enlazarTrasGuardar) {
      SoloLecturaGrupo(grupo);
      return 0;
    }
    EnlazarGrupo(grupo);
    return guardar ? respuesta : 0;
  }
  if (accion == p.accionSuprimir) {
    const int suprimida = filas.OrdenFila(fila, accion, 1);
    if (suprimida == 1) EnlazarGrupo(grupo);
    return suprimida;
  }
  if (accion == p.accionTitular) {
    CambiarTitularFila(filas, grupo, fila, p.borrarTitular, p.accionGuardar, p.marcaGuardarTitular);
    return 0;
  }
  return AccionPropia(filas, fila, accion, extra);
}

void CControlesActividades::AlCambiarCasilla(const SCasillaGrupo& c) {
  const SPaginaActividades& p = Pagina();
  if (!c.editable) return;
  if (c.campo == p.campoCodigo) {
    if (NavegarGrupo(p.grupo, c.fila, p.accionGuardar, 0) != 0) return;
    const bool suprimida = NavegarGrupo(p.grupo, c.fila, p.accionSuprimir, 0) != 0;
    CalcularSeccion();
    if (!suprimida) NavegarGrupo(p.grupo, c.fila, p.accionRecargar, 0);
    return;
  }
  if (c.campo == Grupos().front().campoClave) {
    NavegarGrupo(p.grupo, c.fila, p.accionTitular, 0);
    GuardarYCalcular(c.fila);
    return;
  }
  if (p.campoCalcula(c.campo)) GuardarYCalcular(c.fila);
}

int CControlesActividades::AlConfirmarCasilla(const SCasillaGrupo& c) {
  if (!c.editable || (c.campo != Pagina().campoCodigo && !Pagina().campoConfirma(c.campo))) return 0;
  GuardarYCalcular(c.fila);
  return 1;
}

int CControlesActividades::AlComprobarCasilla(const SCasillaGrupo& c) {
  const SPaginaActividades& p = Pagina();
  if (!c.editable) return 1;
  if (c.campo == p.campoCodigo || c.campo == Grupos().front().campoClave) {
    NavegarGrupo(p.grupo, c.fila, p.accionGuardar, 0);
    return 1;
  }
  return p.campoTecleado(c.campo) ? ComprobarTecleado(c) : 1;
}

int CControlesActividades::AvisarMinoracion(std::string_view codigo) {
  return marco::CDlgMensaje().MostrarMensaje(codigo, marco::IconoAsterisco) == marco::kBotonCorregir ? 0 : 1;
}

void CControlesActividades::SoloLecturaGrupo(int grupo) {
  const SPaginaActividades& p = Pagina();
  if (grupo != p.grupo) return;
  const SGrupoPagina& g = Grupos().front();
  const bool editable = GrupoEditable(grupo);
  bool anteriorAbre = true;
  for (std::size_t j = 0; j < g.primeras.size(); ++j) {
    SFilaActividad fila;
    fila.fila = static_cast<int>(j);
    fila.datos = FilaMostrada(grupo, fila.fila);
    fila.rellena = p.filaRellena(fila.datos);
    fila.abierta = fila.rellena && ClaveFila(grupo, fila.fila) != 0;
    fila.anteriorAbre = anteriorAbre;
    for (const SCasillaFila& c : g.casillas) {
      const int numero = NumeroCasillaFila(g, j, c);
      Bloquear(numero, !editable || !CasillaLibre(fila, c.campo, numero));
    }
    anteriorAbre = fila.abierta;
  }
}

std::optional<int> CControlesActividades::AbrirInfoFila(int fila, wxWindow* padre, std::vector<unsigned char>& copia) {
  const SPaginaActividades& p = Pagina();
  const unsigned char* w = FilaMostrada(p.grupo, fila);
  if (w == nullptr || !p.filaRellena(w) || w[p.despTitular] == 0) return std::nullopt;
  copia.assign(w + p.inicioInfo, w + p.inicioInfo + p.largoInfo);
  return AbrirDialogoFila(p.ventanaInfo, copia, p.parametroInfo(w), padre, SujetoMostrado());
}

// ---- the view ----

CControlesActividades* CVistaActividades::Actividades() const {
  return static_cast<CControlesActividades*>(Grupos());
}

std::span<const int> CVistaActividades::CasillasBotones() const {
  return {&Actividades()->Pagina().casillaBotonesGrupo, 1};
}

CVistaGrupos::SBotonesFila CVistaActividades::BotonesFila() const {
  return {2, kComandoInfoActividad, "i", "Informaci\xF3n Adicional"};
}

int CVistaActividades::CasillaBotonFila(int fila) const {
  return Actividades()->Pagina().casillasBotonInfo[fila == 0 ? 0 : 1];
}

void CVistaActividades::PulsarBotonFila(int fila) {
  AvisarInfoPersona();
  if (Actividades()->AbrirInfo(fila, DameVentana()) == marco::kDialogoAceptado) {
    MarcarDocumentoModificado();
    TrasInfoAceptada(fila);
  }
  TrasInfoFila(Actividades()->Pagina().casillasTrasInfo[fila == 0 ? 0 : 1]);
}

}  // namespace ordinaria
