#include "framework/EditLista.h"

#include <algorithm>
#include <cctype>

#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/CodigoDescripcion.h"
#include "framework/EditListaVentana.h"
#include "framework/EditSeleccion.h"
#include "framework/FabricaEdit.h"
#include "framework/SelectorTitular.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Tabla.h"
#include "platform/Expresion.h"
#include "platform/Registros.h"
#include "platform/Texto.h"

namespace marco {

namespace {

std::string SinBlancosFinales(std::string_view texto) { return std::string(plataforma::RecortaDerecha(texto)); }

char Mayuscula(unsigned char c) { return plataforma::Mayusculas1252(std::string(1, static_cast<char>(c))).front(); }

bool EsDigito(char c) { return c >= '0' && c <= '9'; }

}  // namespace

SRectanguloPantalla AjustarDesplegable(SRectanguloPantalla popup, int anchoMaximo, int altoFila,
                                       const SRectanguloPantalla& escritorio) {
  const int m = kMargenDesplegable;
  altoFila = std::max(altoFila, 1);
  if (popup.Ancho() < anchoMaximo + m) {
    if (popup.izquierda + anchoMaximo >= escritorio.derecha - 2 * m) {
      if (popup.izquierda > m + anchoMaximo) {
        popup.izquierda = popup.derecha - m - anchoMaximo;  // grows leftwards
      } else {
        popup.izquierda = (escritorio.derecha - m - anchoMaximo) / 2;  // centred on the desktop
        popup.derecha = popup.izquierda + m + anchoMaximo;
      }
    } else {
      popup.derecha = popup.izquierda + m + anchoMaximo;  // grows rightwards
    }
  }
  const int filas = std::max(popup.Alto() / altoFila, 4);
  const int alto = filas * altoFila;
  if (popup.arriba + alto < escritorio.abajo - 2 * altoFila) {
    popup.abajo = popup.arriba + alto;
  } else {
    // Opens upwards.
    popup.abajo = popup.arriba;
    popup.arriba -= alto;
  }
  return popup;
}

// ---- construction ----

CListaEdit::CListaEdit(CCampo& campo, CBaseDatos* baseDatos) : CEditEx(campo), m_pBaseDatos(baseDatos) {}

CListaEdit::CListaEdit(int longitud, CBaseDatos* baseDatos) : CEditEx(longitud), m_pBaseDatos(baseDatos) {}

CListaEdit::CListaEdit() = default;

CListaEdit::~CListaEdit() {
  // The companion windows go before the edit's own window.
  m_ventanas.reset();
}

// ---- the lookup table ----

void CListaEdit::PonerTabla(std::string_view nombre) {
  if (nombre.empty() || DameCampo() == nullptr) return;
  DameCampo()->FicheroTab = std::string(nombre.substr(0, kMaxFicheroTab));
  m_bCatalogoLeido = false;
}

void CListaEdit::LeerDefinicionTabla() {
  const CCampo* campo = DameCampo();
  m_definicion = campo != nullptr ? marco::LeerDefinicionTabla(m_pBaseDatos, campo->FicheroTab) : SDefinicionTabla{};
  m_bCatalogoLeido = true;
}

const SDefinicionTabla& CListaEdit::Definicion() {
  if (!m_bCatalogoLeido) LeerDefinicionTabla();
  return m_definicion;
}

std::string CListaEdit::NombreTabla() const {
  const CCampo* campo = DameCampo();
  return campo != nullptr ? NombreTablaConsulta(campo->FicheroTab, LetraIdiomaV()) : std::string();
}

SEnlaceTabla* CListaEdit::EnlaceTabla() const {
  // Only a box with a lookup table has a table link: a holder box's link is the place of its row that the page
  // keeps beside the holder (page 10's balances), which is no link of this kind.
  const CCampo* campo = DameCampo();
  if (campo == nullptr || campo->FicheroTab.empty()) return nullptr;
  return EnlaceTablaDe(*campo);
}

std::string CListaEdit::ValorActual() const {
  const CCampo* campo = DameCampo();
  if (campo == nullptr || campo->Dato == nullptr || campo->Longitud <= 0) return {};
  return SinBlancosFinales(
      plataforma::LeeFija(static_cast<const char*>(campo->Dato), static_cast<std::size_t>(campo->Longitud)));
}

// ---- the button and the drop-down ----

void CListaEdit::AlCrearVentana() { CrearBoton(); }

void CListaEdit::CrearBoton() {
  m_bCatalogoLeido = false;
  // A new window: whatever was open belonged to the old one.
  VaciarDesplegable();
  m_bAbierto = false;
  if (DameVentana() != nullptr) {
    if (!m_ventanas) m_ventanas = std::make_unique<CVentanasLista>(*this);
    m_ventanas->CrearBoton(EsSoloLectura());
  }
  LeerDefinicionTabla();
}

void CListaEdit::RehacerLista() {
  CerrarDesplegable();
  if (m_ventanas) m_ventanas->DestruirBoton();
  CrearBoton();
}

void CListaEdit::AbrirDesplegable() {
  if (Bloqueado()) {
    Pitar();
    Mensaje(kMensajeMiembroBloqueado);
    return;
  }
  if (m_bAbierto) {
    CerrarDesplegable();
    return;
  }
  VaciarDesplegable();
  m_bAbierto = true;
  if (LlenarDesplegable() == 0) {
    CerrarDesplegable();
    return;
  }
  if (m_ventanas && DameVentana() != nullptr) m_ventanas->Abrir(m_entradas, m_nSeleccion);
}

void CListaEdit::CerrarDesplegable() {
  const bool abierto = m_bAbierto;
  m_bAbierto = false;
  VaciarDesplegable();
  if (m_ventanas) m_ventanas->Cerrar(abierto);
}

void CListaEdit::VaciarDesplegable() {
  m_entradas.clear();
  m_nSeleccion = -1;
}

void CListaEdit::AnadirEntrada(std::string texto, std::string dato) {
  m_entradas.push_back({std::move(texto), std::move(dato)});
}

void CListaEdit::SeleccionarEntrada(int indice) {
  m_nSeleccion = indice >= 0 && indice < static_cast<int>(m_entradas.size()) ? indice : -1;
  if (m_ventanas && m_bAbierto) m_ventanas->Seleccionar(m_nSeleccion);
}

void CListaEdit::TomarEntrada() {
  const std::weak_ptr<bool> vivo = m_pVivoLista;
  const int r = AceptarSeleccion();
  CerrarDesplegable();
  if (r != 1) return;
  PonerModificado(true);
  Notificar(kAvisoValorCambiado);
  if (vivo.expired()) return;
  PonerModificado(true);
}

int CListaEdit::LlenarDesplegable() {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->FicheroTab.empty()) return 1;
  const SDefinicionTabla& def = Definicion();
  CTabla tabla(m_pBaseDatos);
  if (tabla.Abrir(1, {}, NombreTabla()) == 0) return 0;
  plataforma::CTablaRegistros* filas = tabla.Registros();
  if (filas == nullptr) return 0;
  if (def.ordenada == 1) tabla.PonerPrimerOrden();

  const SEnlaceTabla* enlace = EnlaceTabla();
  if (def.ConFiltro() && enlace != nullptr) {
    const std::string v = enlace->PrimerosFiltro(2);
    if (v == "  " || (v.empty() && !def.EsEpigrafes())) {
      Mensaje(kMensajeSinFiltro);
      tabla.Cerrar();
      return 0;
    }
    filas->PonerFiltro(plataforma::CCondicion::Campo(def.CamFiltro, plataforma::EComparacion::Igual, v));
  }

  const std::string clave = def.ColumnaClave();
  const bool conDestino = enlace != nullptr && enlace->TieneDestino();
  const bool guardaClave = GuardaClave();
  const std::string actual = SinBlancosFinales(campo->Texto);
  int elegida = -1;
  for (filas->Primero(); !filas->FinDeFichero(); filas->Saltar(1)) {
    const std::string d = LeerValorTabla(*filas, def.CamDescr);
    const std::string k = LeerValorTabla(*filas, clave);
    const std::string dRecortada = SinBlancosFinales(d);
    const std::string kRecortada = SinBlancosFinales(k);
    std::string texto;
    if (def.ConDescripcion2()) {
      texto = dRecortada + " (" + kRecortada + ")";
    } else {
      texto = dRecortada.empty() ? std::string(kEntradaBorrar) : dRecortada;
    }
    std::string dato;
    if (def.ConFiltro() || conDestino) {
      dato = k;
    } else if (k.size() > 1 && EsDigito(k[1])) {
      dato = d;
    } else {
      dato = k;
    }
    const std::string& comparada = def.ConDescripcion2() || def.Cortar == 1 || guardaClave ? kRecortada : dRecortada;
    if (elegida < 0 && comparada == actual) elegida = static_cast<int>(m_entradas.size());
    AnadirEntrada(std::move(texto), std::move(dato));
  }
  tabla.Cerrar();
  // The remembered entry is selected; without one the first.
  m_nSeleccion = elegida >= 0 ? elegida : (m_entradas.empty() ? -1 : 0);
  return 1;
}

bool CListaEdit::GuardaClave() const {
  const CCampo* campo = DameCampo();
  const SEnlaceTabla* enlace = EnlaceTabla();
  return campo != nullptr && campo->Dato != nullptr && enlace != nullptr && enlace->guardaClave &&
         enlace->TieneDestino() && static_cast<const void*>(enlace->destino) == campo->Dato;
}

int CListaEdit::AceptarSeleccion() {
  if (m_nSeleccion < 0 || m_nSeleccion >= static_cast<int>(m_entradas.size())) return 1;
  const SEntradaLista& entrada = m_entradas[static_cast<std::size_t>(m_nSeleccion)];
  const std::size_t n = static_cast<std::size_t>(std::max(LongitudMaxima(), 0));
  // The text shown is what the box keeps: the description, or the key where the key is the box's value.
  const std::string& mostrada = GuardaClave() ? entrada.dato : entrada.texto;
  std::string t = SinBlancosFinales(mostrada.substr(0, std::min(n, mostrada.size())));
  if (entrada.texto.find(kEntradaBorrar) != std::string::npos) t.clear();
  MostrarTexto(t);
  if (const SEnlaceTabla* enlace = EnlaceTabla(); enlace != nullptr && enlace->TieneDestino()) {
    enlace->EscribirDestino(entrada.dato);
  } else {
    // Shown without its padding; the value stored is the same.
    MostrarTexto(SinBlancosFinales(entrada.dato.substr(0, std::min(n, entrada.dato.size()))));
  }
  if (GuardarValor() == 1) {
    // The display text follows the value, so that the next drop-down selects it.
    if (CCampo* campo = DameCampo()) campo->ActualizarTexto();
  }
  PonerModificado(true);
  return 1;
}

int CListaEdit::BuscarPorInicial(unsigned char caracter) {
  CCampo* campo = DameCampo();
  if (campo == nullptr || campo->FicheroTab.empty() || caracter == '\'') return 1;
  const SDefinicionTabla& def = Definicion();
  if (def.ConDescripcion2() || def.CamDescr.empty()) return 1;
  const std::weak_ptr<bool> vivo = m_pVivoLista;
  {
    CTabla tabla(m_pBaseDatos);
    if (tabla.Abrir(1, {}, NombreTabla()) == 0) return 1;
    plataforma::CTablaRegistros* filas = tabla.Registros();
    if (filas == nullptr) return 1;
    const std::string actual = ValorActual();
    const std::string inicial(1, static_cast<char>(caracter));

    // The descriptions that begin with the character (within the linked filter value).
    plataforma::CCondicion condicion =
        plataforma::CCondicion::Campo(def.CamDescr, plataforma::EComparacion::Igual, inicial);
    const SEnlaceTabla* enlace = EnlaceTabla();
    if (enlace != nullptr && enlace->TieneFiltro() && def.ConFiltro()) {
      const auto m = static_cast<std::size_t>(std::max(filas->AnchoCampo(def.CamFiltro), 0));
      condicion = condicion.Y(plataforma::CCondicion::Campo(def.CamFiltro, plataforma::EComparacion::Igual,
                                                            enlace->PrimerosFiltro(m)));
    }
    const bool clave = GuardaClave();
    const std::string columnaValor = def.Cortar == 1 || clave ? def.CamDevol : def.CamDescr;
    bool hallado = filas->Localizar(condicion, false);
    if (hallado && !actual.empty() && (clave || actual.front() == inicial.front())) {
      // Repeated presses of one letter step through the entries that begin with it: the one after the current
      // value; after the last one nothing changes. A current value that is none of them starts at the first.
      const long primera = filas->NumeroRegistro();
      bool actualVisto = false;
      for (bool sigue = hallado; sigue; sigue = filas->Localizar(condicion, true)) {
        if (SinBlancosFinales(LeerValorTabla(*filas, columnaValor)) == actual) {
          actualVisto = true;
          break;
        }
      }
      if (actualVisto) {
        hallado = filas->Localizar(condicion, true);
      } else {
        hallado = filas->IrA(primera);
      }
    }
    if (hallado) {
      const std::string a = LeerValorTabla(*filas, def.CamDescr);
      const std::string b = LeerValorTabla(*filas, def.CamDevol);
      const std::size_t n = static_cast<std::size_t>(std::max(campo->Longitud, 0));
      bool guardar = true;
      if (enlace != nullptr) {
        if (enlace->TieneDestino()) {
          const std::string& mostrado = clave ? b : a;
          MostrarTexto(SinBlancosFinales(mostrado.substr(0, std::min(n, mostrado.size()))));
          enlace->EscribirDestino(SinBlancosFinales(b));
        } else {
          guardar = false;
        }
      } else {
        const std::string& mostrado = def.Cortar == 1 ? b : a;
        MostrarTexto(mostrado.substr(0, std::min(n, mostrado.size())));
      }
      if (guardar) {
        GuardarValor();
        PonerModificado(true);
      }
    }
    tabla.Cerrar();
  }
  MostrarValor(1);
  Notificar(kAvisoValorCambiado);
  if (!vivo.expired()) PonerModificado(true);
  return 2;
}

void CListaEdit::BuscarClave(std::string_view clave, std::string& descripcion, std::string& filtro) {
  descripcion.assign(kRoomValorTabla - 1, ' ');
  filtro.assign(kRoomValorTabla - 1, ' ');
  const CCampo* campo = DameCampo();
  if (campo == nullptr || campo->FicheroTab.empty()) return;
  const SDefinicionTabla& def = Definicion();
  const std::string columna = def.ColumnaClave();
  if (columna.empty()) return;
  CTabla tabla(m_pBaseDatos);
  if (tabla.Abrir(1, {}, NombreTabla()) == 0) return;
  plataforma::CTablaRegistros* filas = tabla.Registros();
  // Exact: the key found must be the one sought, not one that only begins with it.
  if (filas != nullptr && tabla.Buscar(clave, false, columna, false) == 1 &&
      SinBlancosFinales(ClaveDeFila(*filas, def)) == SinBlancosFinales(clave)) {
    plataforma::CopiaFija(descripcion.data(), descripcion.size(), LeerValorTabla(*filas, def.CamDescr));
    plataforma::CopiaFija(filtro.data(), filtro.size(), LeerValorTabla(*filas, def.CamFiltro));
  }
  tabla.Cerrar();
}

// ---- CEditEx ----

int CListaEdit::ValidarCaracter(unsigned caracter, int, unsigned, int) {
  switch (caracter) {
    case kTeclaTabulador:
    case kTeclaIntro:
      if (m_bAbierto) {
        CerrarDesplegable();
        return 2;
      }
      return 0;
    case kTeclaEscape:
      if (m_bAbierto) CerrarDesplegable();
      return 2;
    case kTeclaAbajo:  // Alt+Down, and "(" which arrives with the same code
      if (!TieneBoton()) return 1;
      AbrirDesplegable();
      return 2;
    default:
      // A box that keeps the key takes digits and Backspace as the code typed.
      if (GuardaClave() && (EsDigito(static_cast<char>(caracter)) || caracter == kTeclaRetroceso)) return 0;
      // Control characters search nothing; every other character is a type-ahead and is never typed.
      if (caracter < 0x20) return 1;
      return BuscarPorInicial(static_cast<unsigned char>(Mayuscula(static_cast<unsigned char>(caracter))));
  }
}

int CListaEdit::ValidarAlSalir(const std::string* texto) {
  if (!GuardaClave()) return 0;
  const std::string codigo = SinBlancosFinales(texto != nullptr ? *texto : Texto());
  if (codigo.empty() || codigo == ValorActual()) return 0;
  std::string descripcion;
  std::string filtro;
  BuscarClave(codigo, descripcion, filtro);
  if (plataforma::RecortaDerecha(descripcion).empty()) {
    Mensaje(kMensajeCodigoNoExiste);
    MostrarValor(0);
  }
  return 0;
}

int CListaEdit::ProcesarTecla(int tecla, int repeticiones, unsigned banderas) {
  if (CEditEx::ProcesarTecla(tecla, repeticiones, banderas) == 1) return 1;
  switch (tecla) {
    case kTeclaTabulador:
    case kTeclaArriba:
    case kTeclaAbajo:
      return 0;
    case kTeclaSuprimir:
      // Looks for the entry whose description begins with a blank (the erasing one).
      BuscarPorInicial(' ');
      return 2;
    default:
      return 0;
  }
}

int FiltrarPortapapelesLista(CEditEx& edit, int tecla) {
  CSuperficieEdit& s = edit.Superficie();
  if (tecla >= 'a' && tecla <= 'z') tecla -= 'a' - 'A';
  if (s.TeclaPulsada(kTeclaControl)) {
    switch (tecla) {
      case 'V': case 'X': case 'Z':
        s.Pitar();
        return 1;
      case 'C': case kTeclaInsertar:
        edit.Copiar();
        return 1;
      default:
        return 0;
    }
  }
  if (s.TeclaPulsada(kTeclaMayusculas) && (tecla == kTeclaSuprimir || tecla == kTeclaInsertar)) {
    s.Pitar();
    return 1;
  }
  return 0;
}

int CListaEdit::FiltrarTeclaControl(int tecla) { return FiltrarPortapapelesLista(*this, tecla); }

void CListaEdit::Pegar() { Pitar(); }

// ---- registration ----

void RegistrarEditsTablas(CFabricaEdit& fabrica) {
  fabrica.Registrar(EClaseEdit::ListaEdit, [](CCampo& campo, CBaseDatos* baseLocal) -> std::unique_ptr<CEditEx> {
    return std::make_unique<CListaEdit>(campo, baseLocal);
  });
  fabrica.Registrar(EClaseEdit::CodigoDescripcion,
                    [](CCampo& campo, CBaseDatos* baseLocal) -> std::unique_ptr<CEditEx> {
                      return std::make_unique<CCodigoDescripcion>(campo, baseLocal);
                    });
  fabrica.Registrar(EClaseEdit::TitularEdit, [](CCampo& campo, CBaseDatos* baseLocal) -> std::unique_ptr<CEditEx> {
    return std::make_unique<CTitularEdit>(campo, baseLocal);
  });
  fabrica.Registrar(EClaseEdit::SelStrEdit, [](CCampo& campo, CBaseDatos*) -> std::unique_ptr<CEditEx> {
    auto edit = std::make_unique<CSelStrEdit>();
    edit->Inicializar(campo);
    return edit;
  });
  fabrica.Registrar(EClaseEdit::SelEpigraf, [](CCampo& campo, CBaseDatos*) -> std::unique_ptr<CEditEx> {
    auto edit = std::make_unique<CSelEpigraf>();
    edit->InicializarEpigrafe(campo);
    return edit;
  });
}

}  // namespace marco
