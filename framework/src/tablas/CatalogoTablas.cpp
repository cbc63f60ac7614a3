#include "framework/CatalogoTablas.h"

#include <algorithm>

#include "framework/Campo.h"
#include "framework/Tabla.h"
#include "platform/Nombres.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace marco {

std::string SEnlaceTabla::PrimerosFiltro(std::size_t n) const {
  if (filtro == nullptr) return {};
  return std::string(filtro, std::min(n, anchoFiltro));
}

void SEnlaceTabla::EscribirDestino(std::string_view valor) const {
  if (!TieneDestino()) return;
  plataforma::CopiaFija(destino, anchoDestino, valor);
}

SEnlaceTabla* EnlaceTablaDe(const CCampo& campo) { return static_cast<SEnlaceTabla*>(campo.Enlace); }

std::string SDefinicionTabla::ColumnaClave() const { return ColumnaDeClave(CamClave); }

bool SDefinicionTabla::EsEpigrafes() const { return plataforma::IgualesSinCaso(NomTabla, kTablaEpigrafes); }

std::string NombreSinExtension(std::string_view nombre) {
  const std::size_t punto = nombre.find('.');
  return std::string(nombre.substr(0, punto));
}

std::string NombreTablaConsulta(std::string_view ficheroTab, char idioma) {
  std::string nombre = NombreSinExtension(ficheroTab);
  if (nombre.size() >= 8) nombre[7] = idioma;
  return nombre;
}

std::string ColumnaCatalogo(std::string_view valor, std::size_t room) {
  if (room == 0) return {};
  return std::string(plataforma::RecortaDerecha(valor.substr(0, std::min(valor.size(), room - 1))));
}

std::string ColumnaDeClave(std::string_view camClave) {
  const std::size_t mas = camClave.find('+');
  if (mas == std::string_view::npos) return std::string(camClave);
  return std::string(camClave.substr(mas + 1));
}

std::string LeerValorTabla(plataforma::CTablaRegistros& tabla, std::string_view columna, std::size_t room) {
  if (columna.empty() || room == 0 || !tabla.CampoConocido(columna)) return {};
  std::string valor = tabla.LeerTexto(columna);
  if (valor.size() > room - 1) valor.resize(room - 1);
  return valor;
}

std::string ClaveDeFila(plataforma::CTablaRegistros& tabla, const SDefinicionTabla& definicion) {
  const std::string columna = definicion.ColumnaClave();
  for (const plataforma::CEtiquetaTabla& etiqueta : tabla.Etiquetas()) {
    if (!plataforma::IgualesSinCaso(etiqueta.nombre, columna)) continue;
    const plataforma::CValor valor = tabla.EvaluarValor(etiqueta.expresion);
    return valor.tipo == plataforma::ETipoValor::Texto ? valor.texto : std::string();
  }
  return LeerValorTabla(tabla, columna);
}

SDefinicionTabla LeerDefinicionTabla(CBaseDatos* baseDatos, std::string_view ficheroTab, bool conCortar) {
  SDefinicionTabla definicion;
  const std::string nombre = NombreSinExtension(ficheroTab);
  if (baseDatos == nullptr || nombre.empty()) return definicion;
  CTabla catalogo(baseDatos, kTablaCatalogo);
  plataforma::CTablaRegistros* filas = catalogo.Registros();
  if (filas == nullptr) return definicion;
  for (filas->Primero(); !filas->FinDeFichero(); filas->Saltar(1)) {
    std::string nomTabla = NombreSinExtension(ColumnaCatalogo(LeerValorTabla(*filas, "NomTabla"), kRoomNombreCatalogo));
    // Table names are matched without regard to case, as every table and file name of the program.
    if (!plataforma::IgualesSinCaso(nomTabla, nombre)) continue;
    if (nomTabla.size() >= 8) nomTabla[7] = plataforma::MayusculasAscii(nomTabla.substr(7, 1)).front();
    definicion.encontrada = true;
    definicion.NomTabla = std::move(nomTabla);
    definicion.NomOrden = ColumnaCatalogo(LeerValorTabla(*filas, "NomOrden"), kRoomNombreCatalogo);
    definicion.CamClave = ColumnaCatalogo(LeerValorTabla(*filas, "CamClave"), kRoomNombreCatalogo);
    definicion.CamDescr = ColumnaCatalogo(LeerValorTabla(*filas, "CamDescr"), kRoomColumnaCatalogo);
    definicion.CamDescr2 = ColumnaCatalogo(LeerValorTabla(*filas, "CamDescr2"), kRoomColumnaCatalogo);
    definicion.CamDevol = ColumnaCatalogo(LeerValorTabla(*filas, "CamDevol"), kRoomColumnaCatalogo);
    definicion.CamFiltro = ColumnaCatalogo(LeerValorTabla(*filas, "CamFiltro"), kRoomColumnaCatalogo);
    // Stored as a logical or as a number: -1 (and any other nonzero value) counts as 1.
    definicion.ordenada = filas->LeerEntero("ordenada") != 0 ? 1 : 0;
    if (conCortar) definicion.Cortar = filas->LeerEntero("Cortar") != 0 ? 1 : 0;
    break;
  }
  catalogo.Cerrar();
  return definicion;
}

}  // namespace marco
