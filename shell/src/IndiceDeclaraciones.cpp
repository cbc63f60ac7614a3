#include "shell/IndiceDeclaraciones.h"

#include <algorithm>

#include "framework/DlgMensaje.h"
#include "platform/Texto.h"

namespace shell {

namespace {

std::string NumeroDeFila(int n) {
  std::string texto = std::to_string(n);
  if (texto.size() < 5) texto.insert(0, 5 - texto.size(), ' ');
  return texto;
}

}  // namespace

int ModeloDeTipo(std::int32_t tipodec) {
  switch (tipodec) {
    case 0:
    case 1:
      return 101;
    case 2:
      return 100;
    case 3:
      return 714;
    case 4:
      return 390;
    default:
      return tipodec;
  }
}

CIndiceDeclaraciones::CIndiceDeclaraciones(marco::CBaseDatos* red, marco::CBaseDatos* local, wxWindow* padre)
    : m_almacen(red), m_pLocal(local), m_pPadre(padre) {}

int CIndiceDeclaraciones::Mensaje(std::string_view codigo) const {
  return marco::CDlgMensaje(m_pPadre, m_pLocal).MostrarMensaje(codigo, marco::IconoExclamacion, "");
}

std::string CIndiceDeclaraciones::NombreDeFila(int fila) const {
  if (fila < 1 || fila > NumeroFilas()) return {};
  return m_filas[static_cast<std::size_t>(fila - 1)].nombre;
}

bool CIndiceDeclaraciones::Habilitado(int id) const {
  switch (id) {
    case kIdAlta:
      return m_bAlta;
    case kIdBaja:
      return m_bBaja;
    case kIdSeleccionar:
      return m_bSeleccionar;
    case kIdRenta:
    case kIdPatrimonio:
      return m_bTipos;
    default:
      return true;
  }
}

bool CIndiceDeclaraciones::OnInitDialog() {
  if (m_almacen.DameBaseDatos() == nullptr || !m_almacen.Disponible()) {
    // A store that does not open (missing, or damaged past reading) lists nothing and offers nothing: neither a
    // choice nor a new declaration, which could not be stored.
    m_bAlta = m_bBaja = m_bSeleccionar = m_bTipos = false;
    PermitirAlta = 0;
    m_foco = EFoco::Ninguno;
    ++m_nVersion;
    return false;
  }
  Refrescar();
  if (EsNueva != 0) {
    EsNueva = 0;
    m_foco = EFoco::Nombre;
  }
  ++m_nVersion;
  return true;
}

void CIndiceDeclaraciones::VaciarLista() {
  m_filas.assign(kFilasIndice, SFila{});
  m_textoNombre.clear();
  m_nFila = 0;
  ++m_nVersion;
}

int CIndiceDeclaraciones::CargarLista() {
  VaciarLista();
  std::vector<SFilaAlmacen> filas;
  m_almacen.Listar(m_bVerRenta, m_bVerPatrimonio, filas);
  const int listadas = static_cast<int>(filas.size());
  // Every listed row has its row, past the usual 50 too (a store filled by older versions or by hand).
  if (listadas > kFilasIndice) m_filas.resize(static_cast<std::size_t>(listadas));
  for (int n = 1; n <= listadas; ++n) {
    const SFilaAlmacen& f = filas[static_cast<std::size_t>(n - 1)];
    m_filas[static_cast<std::size_t>(n - 1)] = {NumeroDeFila(n), f.clave, std::to_string(ModeloDeTipo(f.tipodec))};
  }
  // New declarations are offered only while the list shows them all, the store has room for one more and it can
  // be written (a damaged store is only read).
  const long almacenadas = m_almacen.Contar();
  PermitirAlta = listadas <= kFilasIndice && almacenadas >= 0 && almacenadas < kMaximoDeclaraciones &&
                         m_almacen.Escribible()
                     ? 1
                     : 0;
  m_nListadas = listadas;
  return listadas;
}

void CIndiceDeclaraciones::Refrescar() {
  if (CargarLista() == 0) {
    m_bBaja = m_bAlta = m_bTipos = m_bSeleccionar = false;
    m_foco = EFoco::Nombre;
    ++m_nVersion;
    return;
  }
  if (EsNueva != 0) {
    m_foco = EFoco::Nombre;
    ActualizarBotones(1);
  } else {
    SeleccionarFila(1);
    NombreDeclaracion = NombreDeFila(1);
    m_textoNombre = NombreDeclaracion;
    ActualizarBotones(1);
    m_foco = EFoco::Rejilla;
  }
  m_nBotonDefecto = kIdSeleccionar;
  ++m_nVersion;
}

void CIndiceDeclaraciones::ActualizarBotones(int seleccion) {
  m_bSeleccionar = seleccion == 1;
  // Nothing is deleted from a store that is only read.
  m_bBaja = seleccion == 1 && m_almacen.Escribible();
  const std::string_view nombre = std::string_view(m_textoNombre).substr(
      0, std::min(m_textoNombre.size(), kAnchoNombreDeclaracion));
  m_bAlta = m_bTipos = seleccion == 0 && !NombreEnBlanco(nombre);
  ++m_nVersion;
}

void CIndiceDeclaraciones::OnCambioNombre(std::string_view texto) {
  m_textoNombre = std::string(texto.substr(0, std::min(texto.size(), kAnchoNombreDeclaracion)));
  if (PermitirAlta != 0) {
    ActualizarBotones(0);
    m_nBotonDefecto = kIdAlta;
  } else {
    ActualizarBotones(1);
  }
}

void CIndiceDeclaraciones::SeleccionarFila(int fila) {
  if (fila < 1 || fila > NumeroFilas()) return;
  m_nFila = fila;
  m_nFilaMostrada = fila;
  ++m_nVersion;
}

void CIndiceDeclaraciones::OnSeleccionFila(int fila) {
  if (fila < 1 || fila > NumeroFilas()) return;
  const SFila& f = m_filas[static_cast<std::size_t>(fila - 1)];
  NombreDeclaracion = f.nombre;
  m_textoNombre = f.nombre;
  TipoDeclaracion = f.modelo == "714" ? 1 : 0;
  ActualizarBotones(1);
  m_nBotonDefecto = kIdSeleccionar;
  m_bNombreSoloLectura = PermitirAlta == 0;
  SeleccionarFila(fila);
}

void CIndiceDeclaraciones::OnNavegar(int id) {
  const int actual = m_nFila != 0 ? m_nFila : m_nFilaMostrada;
  int fila = actual;
  switch (id) {
    case kIdPaginaArriba:
      fila = std::max(1, actual - kPasoPaginaIndice);
      break;
    case kIdPaginaAbajo:
      fila = std::min(NumeroFilas(), actual + kPasoPaginaIndice);
      break;
    case kIdFilaArriba:
      if (actual >= 2) fila = actual - 1;
      break;
    case kIdFilaAbajo:
      if (actual < NumeroFilas()) fila = actual + 1;
      break;
    default:
      return;
  }
  OnSeleccionFila(fila);
}

void CIndiceDeclaraciones::CambiarFiltro(bool renta, bool patrimonio) {
  m_bVerRenta = renta;
  m_bVerPatrimonio = patrimonio;
  Refrescar();
}

void CIndiceDeclaraciones::OnAlta() {
  const std::string nombre = NombreAlmacen(m_textoNombre);
  if (AnadirDeclaracion(nombre) == 1) {
    NombreDeclaracion = nombre;
    EsNueva = 1;
    OnOK();
  }
}

int CIndiceDeclaraciones::AnadirDeclaracion(std::string_view nombre) {
  if (NombreEnBlanco(nombre)) {
    Mensaje("WIN016");
    return 0;
  }
  // A new wealth-tax declaration is stored as one from the start, so it is never listed (or reopened) as an
  // income-tax one; a new income-tax one waits for its form to be chosen.
  const std::int32_t tipodec = TipoDeclaracion != 0 ? 3 : 0;
  switch (m_almacen.Anadir(nombre, tipodec)) {
    case EResultadoAlmacen::Hecho:
      return 1;
    case EResultadoAlmacen::Existe:
      Mensaje("DECLEX");
      m_textoNombre.clear();
      ++m_nVersion;
      return 0;
    case EResultadoAlmacen::Bloqueo:
    case EResultadoAlmacen::Ocupado:
      Mensaje("WIN035");
      return 0;
    case EResultadoAlmacen::SinBloqueos:
      Mensaje("ALM003");
      return 0;
    case EResultadoAlmacen::Lleno:
      Mensaje("DECL050");
      return 0;
    case EResultadoAlmacen::SinEspacio:
      Mensaje("ALM005");
      return 0;
    case EResultadoAlmacen::SoloLectura:
      Mensaje("ALM008");
      return 0;
    case EResultadoAlmacen::NoAbre:
      return 0;  // the table layer has said why
    default:
      Mensaje("DECLALT");
      return 0;
  }
}

void CIndiceDeclaraciones::OnBaja() {
  const std::string nombre = NombreDeFila(m_nFila);
  if (nombre.empty()) return;
  if (Mensaje("WIN011") != marco::kBotonAceptar) return;
  const EResultadoAlmacen r = m_almacen.Borrar(nombre);
  if (r == EResultadoAlmacen::Hecho) {
    if (m_almacen.Disponible()) Refrescar();
  } else if (r == EResultadoAlmacen::SoloLectura) {
    Mensaje("ALM008");
  } else if (r != EResultadoAlmacen::NoAbre) {
    Mensaje("NOBORR");
  }
}

void CIndiceDeclaraciones::OnOK() {
  const bool hayFila = m_nFila >= 1 && m_nFila <= NumeroFilas();
  if (!hayFila && EsNueva == 0) return;
  const std::string nombre = EsNueva != 0 ? NombreDeclaracion : NombreDeFila(m_nFila);
  if (NombreEnBlanco(nombre)) {
    Mensaje("WIN013");
    return;
  }
  const int existe = m_almacen.Existe(nombre);
  if (existe != 1) {
    if (existe == 0) Mensaje("MUES008");
    return;
  }
  NombreDeclaracion = NombreAlmacen(nombre);
  // A stored declaration opens as the tax of its row, however the row came to be chosen (the first row is chosen
  // without the grid telling it): a wealth-tax row opened as an income-tax declaration would refuse its data.
  if (EsNueva == 0) TipoDeclaracion = m_filas[static_cast<std::size_t>(m_nFila - 1)].modelo == "714" ? 1 : 0;
  m_nResultado = kIdSeleccionar;
  ++m_nVersion;
}

void CIndiceDeclaraciones::OnDobleClic(int fila) {
  if (fila < 1 || fila > NumeroFilas()) return;
  if (NombreDeFila(fila).empty()) return;
  OnSeleccionFila(fila);
  OnOK();
}

void CIndiceDeclaraciones::OnBuscar() {
  if (!m_buscar) return;
  const std::optional<std::string> hallado = m_buscar(m_almacen, m_bVerRenta, m_bVerPatrimonio);
  if (!hallado.has_value()) return;
  EsNueva = 0;
  const std::string_view buscado = plataforma::RecortaDerecha(*hallado);
  if (buscado.empty()) return;
  for (int fila = 1; fila <= NumeroFilas(); ++fila) {
    const std::string& nombre = m_filas[static_cast<std::size_t>(fila - 1)].nombre;
    if (!nombre.empty() && nombre.compare(0, buscado.size(), buscado) == 0) {
      OnSeleccionFila(fila);
      return;
    }
  }
  Mensaje("MUES008");
}

}  // namespace shell
