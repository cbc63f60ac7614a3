#include "framework/CodigoDescripcion.h"

#include <algorithm>

#include "framework/Campo.h"
#include "framework/ListasIncompletas.h"
#include "framework/Tabla.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace marco {

namespace {

bool EsDigito(unsigned c) { return c >= '0' && c <= '9'; }

// Room of the description and filter values the code edit reads.
constexpr std::size_t kRoomDescripcionCodigo = 52;

}  // namespace

CCodigoDescripcion::CCodigoDescripcion(CCampo& campo, CBaseDatos* baseDatos)
    : CEditEx(campo), m_pBaseDatos(baseDatos) {
  LeerDefinicionTabla();
}

void CCodigoDescripcion::PonerTabla(std::string_view nombre) {
  if (nombre.empty() || DameCampo() == nullptr) return;
  DameCampo()->FicheroTab = std::string(nombre.substr(0, kMaxFicheroTab));
  LeerDefinicionTabla();
}

void CCodigoDescripcion::LeerDefinicionTabla() {
  const CCampo* campo = DameCampo();
  m_definicion = campo != nullptr ? marco::LeerDefinicionTabla(m_pBaseDatos, campo->FicheroTab, false)
                                  : SDefinicionTabla{};
}

unsigned CCodigoDescripcion::DameEstilo() { return CEditEx::DameEstilo() | kEstiloDerecha; }

int CCodigoDescripcion::TextoAdmisible(std::string_view texto) {
  return std::all_of(texto.begin(), texto.end(), [](char c) { return EsDigito(static_cast<unsigned char>(c)); }) ? 1
                                                                                                                   : 0;
}

int CCodigoDescripcion::LocalizarCodigo(std::string_view codigo, std::string& descripcion, std::string& segundo) {
  descripcion.clear();
  segundo.clear();
  const CCampo* campo = DameCampo();
  const std::string columna = m_definicion.ColumnaClave();
  int hallado = 0;
  if (campo != nullptr && !campo->FicheroTab.empty() && !columna.empty()) {
    // The code table has no language twins: its name is used as it stands.
    CTabla tabla(m_pBaseDatos);
    if (tabla.Abrir(1, {}, NombreSinExtension(campo->FicheroTab)) == 1) {
      if (m_definicion.ordenada == 1 && !m_definicion.NomOrden.empty()) tabla.PonerOrden(m_definicion.NomOrden);
      plataforma::CTablaRegistros* filas = tabla.Registros();
      // Exact: the key found must be the code, not one that only begins with it. A compound key ("deleg+codigo":
      // an administration by its delegation and its own code) is compared whole.
      if (filas != nullptr && tabla.Buscar(codigo, false, columna, false) == 1 &&
          plataforma::RecortaDerecha(ClaveDeFila(*filas, m_definicion)) == plataforma::RecortaDerecha(codigo)) {
        descripcion = ColumnaCatalogo(LeerValorTabla(*filas, m_definicion.CamDescr), kRoomDescripcionCodigo);
        segundo = ColumnaCatalogo(LeerValorTabla(*filas, m_definicion.CamFiltro), kRoomDescripcionCodigo);
        hallado = 1;
      }
      tabla.Cerrar();
    }
  }
  return hallado;
}

int CCodigoDescripcion::BuscarCodigo(std::string_view codigo, std::string& descripcion, std::string& segundo) {
  const CCampo* campo = DameCampo();
  if (LocalizarCodigo(codigo, descripcion, segundo) == 0) {
    Mensaje(campo != nullptr && campo->Longitud == 3 ? kMensajeCodigo3NoExiste : kMensajeCodigoNoExiste);
    return 0;
  }
  if (const SEnlaceTabla* enlace = EnlaceTablaDe(*campo)) enlace->EscribirDestino(descripcion);
  return 1;
}

int CCodigoDescripcion::ValidarAlSalir(const std::string* texto) {
  const CCampo* campo = DameCampo();
  const std::string leido = texto != nullptr ? *texto : Texto();
  if (leido.empty() || campo == nullptr) return 0;
  const auto n = static_cast<std::size_t>(std::max(campo->Longitud, 0));
  if (campo->Dato != nullptr && leido.size() >= n &&
      leido.compare(0, n, std::string(plataforma::LeeFija(static_cast<const char*>(campo->Dato), n))) == 0) {
    return 0;  // nothing changed
  }
  std::string codigo = leido;
  if (const SEnlaceTabla* enlace = EnlaceTablaDe(*campo)) {
    const std::string p(plataforma::RecortaDerecha(enlace->PrimerosFiltro(n)));
    if (!p.empty()) codigo = p.substr(0, 2) + leido;
  }
  std::string descripcion;
  std::string segundo;
  // A list the program cannot ship whole keeps a code of its form that the table lacks, and says so where the
  // description goes; a code not of its form is refused with the list's own message.
  const EListaIncompleta lista = ListaIncompletaDe(campo->FicheroTab);
  if (lista != EListaIncompleta::Ninguna) {
    if (!TieneFormaDeLista(lista, leido)) {
      Mensaje(MensajeFormaLista(lista));
      MostrarValor(0);
      return 0;
    }
    if (LocalizarCodigo(codigo, descripcion, segundo) == 0) descripcion = TextoFueraDeLista(m_pBaseDatos);
    if (const SEnlaceTabla* enlace = EnlaceTablaDe(*campo)) enlace->EscribirDestino(descripcion);
    return 0;
  }
  if (BuscarCodigo(codigo, descripcion, segundo) == 0) MostrarValor(0);
  return 0;
}

int CCodigoDescripcion::GuardarValor() {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr) return 0;
  if (EsSoloLectura()) return 1;
  const bool modificado = EstaModificado();
  CEditEx::GuardarValor();
  campo->ActualizarTexto();
  if (modificado) MarcarDeclaracionModificada();
  return 1;
}

int CCodigoDescripcion::ValidarCaracter(unsigned caracter, int, unsigned, int) {
  const CCampo* campo = DameCampo();
  const int n = campo != nullptr ? campo->Longitud : LongitudMaxima();
  const int d = campo != nullptr ? campo->Decimales : 0;
  const std::string texto = Texto();
  int inicio = 0;
  int fin = 0;
  Superficie().Seleccion(inicio, fin);
  const std::size_t coma = texto.find(',');

  if (caracter == 0xBA || caracter == 0xB7 || caracter == 0xE7) return 1;
  if (EsDigito(caracter)) {
    if (d <= 0 || fin > inicio) return 0;
    if (coma != std::string::npos) {
      if (inicio > static_cast<int>(coma)) {
        return static_cast<int>(texto.size() - coma - 1) >= d ? 1 : 0;
      }
      return static_cast<int>(coma) >= n ? 1 : 0;
    }
    return static_cast<int>(texto.size()) >= n ? 1 : 0;
  }
  if (caracter == kTeclaRetroceso || caracter == kTeclaEscape) return 0;
  if (caracter == ',') return d > 0 && coma == std::string::npos ? 0 : 1;
  if (caracter == '-') {
    if (campo == nullptr || campo->AdmitNega == 0) return 1;
    if (texto.empty()) return 0;
    std::string cambiado = texto;
    int desplazamiento = 0;
    if (cambiado.front() == '-') {
      cambiado.erase(0, 1);
      desplazamiento = -1;
    } else {
      cambiado.insert(0, 1, '-');
      desplazamiento = 1;
    }
    const auto largo = static_cast<int>(cambiado.size());
    CambiarTexto(cambiado, std::clamp(inicio + desplazamiento, 0, largo), std::clamp(fin + desplazamiento, 0, largo));
    PonerModificado(true);
    return 2;
  }
  return 1;
}

}  // namespace marco
