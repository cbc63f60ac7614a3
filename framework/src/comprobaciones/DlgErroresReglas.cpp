#include "framework/DlgErroresReglas.h"

#include <algorithm>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/GridModelo.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "platform/Texto.h"

namespace marco {

std::string_view TextoCadenaAvisos(int cadena) {
  switch (cadena) {
    case kCadenaPuedeImprimir:
      return "PUEDE IMPRIMIR SU DECLARACI\xD3N EN PAPEL OFICIAL PULSANDO EL BOT\xD3N (Imprimir)";
    case kCadenaRevisarAvisos: return "No obstante es conveniente que revise los avisos que se le presentan.";
    case kCadenaPuedeEscribir: return "PUEDE GENERAR EL FICHERO PULSANDO EL BOT\xD3N (Escribir)";
    case kCadenaNoPuedeEscribir:
      return "Su declaraci\xF3n es incorrecta o no est\xE1 completamente rellena por los motivos expresados en la "
             "lista. NO PUEDE GENERAR EL FICHERO";
    case kCadenaEscribir: return "Escribir";
    default: return {};
  }
}

std::string_view TextoInicialAvisos(int id) {
  switch (id) {
    case kIdTextoSeleccion:
      return "Seleccione una situaci\xF3n de la lista y pulse el bot\xF3n (Revisar) para ir a la casilla que la "
             "origina.";
    case kIdTextoVeredicto:
      return "Su declaraci\xF3n es incorrecta o no est\xE1 completamente rellena por los motivos expresados en la "
             "lista. NO PUEDE IMPRIMIR SU DECLARACI\xD3N EN PAPEL OFICIAL.";
    case kIdTextoAvisos: return "Avisos";
    case kIdTextoErrores: return "Errores";
    case kIdRevisar: return "&Revisar";
    case kIdImprimirDeclaracion: return "&Imprimir";
    case kIdCancelarAvisos: return "&Cancelar";
    case kIdImprimirLista: return "Imprimir &Errores";
    case kIdValidacionDetallada: return "&Validaci\xF3n detallada";
    default: return {};
  }
}

int ContarSaltosMarcados(std::string_view texto) {
  int saltos = 0;
  for (std::size_t i = 0; i + 1 < texto.size(); ++i) {
    if (texto[i] == '\\' && texto[i + 1] == 'n') {
      ++saltos;
      ++i;
    }
  }
  return saltos;
}

SFilaAviso FilaDeAviso(const SHallazgo& hallazgo, const std::optional<std::string>& texto) {
  SFilaAviso fila;
  fila.codigo = std::string(plataforma::RecortaDerecha(hallazgo.codigo));
  fila.imagen = hallazgo.severidad > 0 ? kImagenError : kImagenAviso;
  if (texto) {
    fila.texto = std::string(plataforma::RecortaDerecha(*texto));
    const int saltos = ContarSaltosMarcados(fila.texto);
    if (saltos > 0) {
      fila.lineas = saltos + 1;
      fila.formato = kFormatoTextoVariasLineas;
    }
  }
  return fila;
}

SEstadoAvisos EstadoAvisos(int hallazgos, bool hayErrores, bool leidos, bool navegacion, bool modoFichero) {
  SEstadoAvisos e;
  e.textoSeleccion = std::string(TextoInicialAvisos(kIdTextoSeleccion));
  e.textoVeredicto = std::string(modoFichero ? TextoCadenaAvisos(kCadenaNoPuedeEscribir)
                                             : TextoInicialAvisos(kIdTextoVeredicto));
  e.textoAvisos = std::string(TextoInicialAvisos(kIdTextoAvisos));
  e.textoErrores = std::string(TextoInicialAvisos(kIdTextoErrores));
  e.leyendaImprimir = std::string(modoFichero ? TextoCadenaAvisos(kCadenaEscribir)
                                              : TextoInicialAvisos(kIdImprimirDeclaracion));
  e.imagenImprimir = modoFichero ? kImagenBotonEscribir : kImagenBotonImprimir;

  // Findings that could not be read say nothing in favour of printing.
  const bool sinErrores = leidos && !hayErrores;
  e.imprimirHabilitado = navegacion && sinErrores;
  e.revisarHabilitado = navegacion && hallazgos > 0;
  if (sinErrores) {
    e.textoVeredicto = std::string(TextoCadenaAvisos(modoFichero ? kCadenaPuedeEscribir : kCadenaPuedeImprimir));
    if (hallazgos == 0) {
      e.textoSeleccion.clear();
      e.textoAvisos.clear();
      e.imagenAvisosVisible = false;
    } else {
      e.textoNotaAvisos = std::string(TextoCadenaAvisos(kCadenaRevisarAvisos));
    }
    e.textoErrores.clear();
    e.imagenErroresVisible = false;
  }
  return e;
}

void PrepararListaAvisos(CGridModelo& grid) {
  grid.QuitarSeleccion();
  grid.PonEditable(false);
  grid.PonModoLista(false);
  grid.PonMarcarFoco(false);
  grid.QuitarSeleccion();
  grid.PonColorFondoDefecto(kFondoListaAvisos);
  grid.PonNumeroFilas(kFilasInicialesAvisos);
  grid.PonNumeroColumnas(kColumnasAvisos);
  grid.PonFilasFijas(1);
  grid.PonColumnasFijas(0);
  SGridItem cabecera;
  cabecera.mascara = kMascaraCabeceraAvisos;
  cabecera.formato = kFormatoCabeceraAvisos;
  cabecera.texto = std::string(kCabeceraCodigo);
  grid.PonCelda(cabecera);
  cabecera.columna = 1;
  cabecera.texto = std::string(kCabeceraDescripcion);
  grid.PonCelda(cabecera);
  grid.PonAnchoColumna(0, kAnchoColumnaCodigo);
  grid.PonAnchoColumna(1, kAnchoColumnaDescripcion);
}

void PonerFilaAviso(CGridModelo& grid, int fila, const SFilaAviso& aviso) {
  grid.PonTextoCelda(fila, 0, aviso.codigo);
  grid.PonImagenCelda(fila, 0, aviso.imagen);
  grid.PonTextoCelda(fila, 1, aviso.texto);
  grid.PonImagenCelda(fila, 1, -1);
  grid.PonFormatoCelda(fila, 1, aviso.formato);
  grid.PonAltoFila(fila, aviso.lineas * grid.DameAltoDefecto());
}

int FilaElegida(const CGridModelo& grid) {
  const int fijas = grid.DameFilasFijas();
  auto deAviso = [&](int fila) { return fila >= fijas && fila < grid.DameNumeroFilas(); };
  const SRangoCeldas seleccion = grid.DameRangoSeleccion();
  if (seleccion.Valido() && deAviso(seleccion.fila1)) return seleccion.fila1;
  const SCeldaId foco = grid.DameCeldaFoco();
  if (foco.Valida() && deAviso(foco.fila)) return foco.fila;
  return -1;
}

SRectDialogo RecolocarControlAvisos(const SRectDialogo& rect, int dx, int dy, bool esGrid) {
  SRectDialogo r = rect;
  if (!esGrid) {
    r.x += dx;
    r.y += dy;
    return r;
  }
  if (r.ancho + dx >= kMinimoGridAvisos) r.ancho += dx;
  if (r.alto + dy >= kMinimoGridAvisos) r.alto += dy;
  return r;
}

// ---- the program's tables ----

CFuenteAvisosTablas::CFuenteAvisosTablas(CBaseDatos* red, CBaseDatos* local) : m_pRed(red), m_pLocal(local) {}

CBaseDatos* CFuenteAvisosTablas::Red() const { return m_pRed != nullptr ? m_pRed : DameBaseDatosRed(); }
CBaseDatos* CFuenteAvisosTablas::Local() const { return m_pLocal != nullptr ? m_pLocal : DameBaseDatosLocal(); }

bool CFuenteAvisosTablas::LeerHallazgos(std::string_view clave, std::vector<SHallazgo>& hallazgos) {
  hallazgos.clear();
  CBaseDatos* red = Red();
  if (red == nullptr) return false;
  {
    // A table that does not open is told to the user here, once; the list then knows it has read nothing.
    CTabla prueba(red);
    if (prueba.Abrir(0, kOrdenHallazgos, kTablaHallazgos) == 0) return false;
  }
  hallazgos = marco::LeerHallazgos(red, clave);
  return true;
}

std::vector<std::optional<std::string>> CFuenteAvisosTablas::TextosMensajes(const std::vector<std::string>& codigos) {
  std::vector<std::optional<std::string>> textos(codigos.size());
  CBaseDatos* local = Local();
  if (codigos.empty() || local == nullptr) return textos;
  CTabla tabla(local);
  if (tabla.Abrir(1, "CLAVE", NombreTablaIdioma("ERRORESX", LetraIdiomaV(), true)) == 0) return textos;
  const auto anchoCodigo = static_cast<std::size_t>(std::max(tabla.LongitudCampo("Coderror"), 0));
  const int anchoTexto = tabla.LongitudCampo("TextError");
  std::vector<char> buffer(static_cast<std::size_t>(std::max(anchoTexto + 1, 256)), '\0');
  for (std::size_t i = 0; i < codigos.size(); ++i) {
    // Padded to the code field, so that "WIN100" never finds "WIN1001".
    std::string clave = codigos[i].substr(0, 7);
    if (clave.empty()) continue;
    if (clave.size() < anchoCodigo) clave.append(anchoCodigo - clave.size(), ' ');
    if (tabla.Buscar(clave, false, "CLAVE", false) == 0) continue;
    std::fill(buffer.begin(), buffer.end(), '\0');
    if (tabla.LeerCampo("TextError", buffer.data(), kCampoTexto, static_cast<std::uint16_t>(buffer.size())) == 0) {
      textos[i] = std::string();
      continue;
    }
    textos[i] = std::string(plataforma::RecortaDerecha(buffer.data()));
  }
  return textos;
}

int CFuenteAvisosTablas::BuscarHallazgo(std::string_view clave, std::string_view codigo, SHallazgo& hallazgo) {
  return marco::BuscarHallazgo(Red(), clave, codigo, hallazgo);
}

}  // namespace marco
