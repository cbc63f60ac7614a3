#include "activities/ListaEpigrafe.h"

#include "framework/Campo.h"
#include "framework/CatalogoTablas.h"
#include "framework/Tabla.h"
#include "platform/Texto.h"

namespace actividades {

CListaEpigrafe::CListaEpigrafe(int longitud, marco::CBaseDatos* baseDatos) : CListaEdit(longitud, baseDatos) {}

CListaEpigrafe::CListaEpigrafe(marco::CCampo& campo, marco::CBaseDatos* baseDatos) : CListaEdit(campo, baseDatos) {}

void CListaEpigrafe::BuscarClave(std::string_view clave, std::string& descripcion, std::string& filtro) {
  descripcion.assign(marco::kRoomValorTabla - 1, ' ');
  filtro.assign(marco::kRoomValorTabla - 1, ' ');
  const marco::CCampo* campo = DameCampo();
  if (campo == nullptr || campo->FicheroTab.empty()) return;
  const marco::SDefinicionTabla& def = Definicion();
  const std::string columna = def.ColumnaClave();
  if (columna.empty()) return;
  const marco::SEnlaceTabla* enlace = EnlaceTabla();
  const char tipo = enlace != nullptr && enlace->TieneFiltro() ? enlace->filtro[0] : '\0';

  marco::CTabla tabla(DameBaseDatos());
  if (tabla.Abrir(1, {}, NombreTabla()) == 0) return;
  plataforma::CTablaRegistros* filas = tabla.Registros();
  const std::string buscada(plataforma::RecortaDerecha(clave));
  if (filas == nullptr || tabla.Buscar(clave, false, columna, false) != 1) return;
  std::string d;
  std::string f;
  bool hay = false;
  do {
    if (plataforma::RecortaDerecha(marco::LeerValorTabla(*filas, columna)) != buscada) break;
    d = marco::LeerValorTabla(*filas, def.CamDescr);
    f = marco::LeerValorTabla(*filas, def.CamFiltro);
    hay = true;
    if (!f.empty() && f[0] == tipo) break;
  } while (tabla.Siguiente() != 0 && tabla.Cumple(""));
  if (!hay) return;
  plataforma::CopiaFija(descripcion.data(), descripcion.size(), d);
  plataforma::CopiaFija(filtro.data(), filtro.size(), f);
}

int CListaEpigrafe::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  const std::weak_ptr<bool> vivo = m_pVivoEpigrafe;
  const int r = CListaEdit::ProcesarTecla(tecla, repeticiones, banderas);
  if (tecla == marco::kTeclaSuprimir && !vivo.expired()) Notificar(marco::kAvisoCampoBorrado);
  return r;
}

}  // namespace actividades
