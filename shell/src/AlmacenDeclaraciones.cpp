#include "shell/AlmacenDeclaraciones.h"

#include <algorithm>
#include <span>

#include "framework/BaseDatos.h"
#include "framework/ImportesArea.h"
#include "framework/Tabla.h"
#include "framework/Validador.h"
#include "platform/Registros.h"
#include "platform/Texto.h"
#include "ximardol.h"

namespace shell {

namespace {

constexpr std::string_view kFiltroAmbos = "tipodec < 5";
constexpr std::string_view kFiltroRenta = "tipodec < 3";
constexpr std::string_view kFiltroPatrimonio = "tipodec = 3";
constexpr std::string_view kFiltroNinguno = "tipodec = -1";

// Opens the store's table in `tabla` in mode 0 or 1 with the name order.
bool AbrirAlmacen(marco::CTabla& tabla, int modo) {
  return tabla.Abrir(modo, kOrdenAlmacen, kTablaAlmacen, true) != 0 && tabla.Registros() != nullptr;
}

// With deleted rows shown for the length of the search, the first deleted row stored under `clave`: its record
// number, or 0. Deleted rows are hidden again afterwards.
long BuscarBorrada(plataforma::CTablaRegistros& registros, const std::string& clave) {
  const bool ocultos = registros.BorradosOcultos();
  registros.OcultarBorrados(false);
  long hallada = 0;
  if (registros.Buscar(clave) && registros.Encontrado()) {
    for (; !registros.FinDeFichero(); registros.Saltar(1)) {
      if (registros.LeerTexto("clave") != clave) break;
      if ((registros.EstadoRegistro(registros.NumeroRegistro()) & plataforma::kEstadoBorrado) != 0) {
        hallada = registros.NumeroRegistro();
        break;
      }
    }
  }
  registros.OcultarBorrados(ocultos);
  if (hallada != 0) registros.IrA(hallada);
  return hallada;
}

// Writes every field of a declaration into the current row; false at the first write refused.
bool EscribirFila(plataforma::CTablaRegistros& r, const SDeclaracionAlmacen& d) {
  return r.PonerTexto("clave", d.clave) && r.PonerEntero("tipodec", d.tipodec) && r.PonerTexto("moneda", d.moneda) &&
         r.PonerTexto("liqui311", std::string_view(d.liqui311.data(), d.liqui311.size())) &&
         r.EscribirBinario("datos", std::span<const char>(d.datos.data(), d.datos.size())) >= 0;
}

// A revived row keeps nothing of the declaration it held before it was deleted.
bool VaciarFila(plataforma::CTablaRegistros& r) {
  return r.PonerTexto("idioma", "") && r.PonerTexto("moneda", "") && r.PonerTexto("liqui311", "") &&
         r.EscribirBinario("datos", std::span<const char>()) >= 0;
}

// What a lock or a write that failed means for the store.
EResultadoAlmacen ResultadoDeFallo(plataforma::EFallo fallo) {
  switch (fallo) {
    case plataforma::EFallo::Ocupado: return EResultadoAlmacen::Ocupado;
    case plataforma::EFallo::Bloqueado: return EResultadoAlmacen::Bloqueo;
    case plataforma::EFallo::NoBloqueable: return EResultadoAlmacen::SinBloqueos;
    case plataforma::EFallo::Escritura: return EResultadoAlmacen::SinEspacio;
    case plataforma::EFallo::SoloLectura: return EResultadoAlmacen::SoloLectura;
    default: return EResultadoAlmacen::Fallo;
  }
}

// Holds the adders' lock of the table until the scope ends (and every row lock taken meanwhile).
struct CSoltarAltas {
  marco::CTabla& t;
  ~CSoltarAltas() {
    if (auto* registros = t.Registros()) registros->DesbloquearTodo();
    t.DesbloquearAltas();
  }
};

}  // namespace

std::string NombreAlmacen(std::string_view nombre) {
  std::string clave(nombre.substr(0, std::min(nombre.size(), kAnchoNombreDeclaracion)));
  clave.resize(kAnchoNombreDeclaracion, ' ');
  return clave;
}

bool NombreEnBlanco(std::string_view nombre) {
  return std::all_of(nombre.begin(), nombre.end(), [](char c) { return c == ' ' || c == '\0'; });
}

std::size_t LongitudDatosDeTipo(std::int32_t tipodec) {
  switch (tipodec) {
    case 1:
    case 2:
      return sizeof(DatosRenta);
    case 3:
      return sizeof(DatosPatrimonio);
    default:
      return 0;
  }
}

std::size_t LongitudDatosNueva(std::int32_t tipodec) {
  return tipodec == 3 ? sizeof(DatosPatrimonio) : sizeof(DatosRenta);
}

bool CAlmacenDeclaraciones::Disponible() const {
  marco::CTabla tabla(m_pBase);
  return AbrirAlmacen(tabla, 1);
}

bool CAlmacenDeclaraciones::Escribible() const { return marco::AlmacenEscribible(m_pBase); }

bool CAlmacenDeclaraciones::Listar(bool renta, bool patrimonio, std::vector<SFilaAlmacen>& filas) const {
  filas.clear();
  marco::CTabla tabla(m_pBase);
  if (!AbrirAlmacen(tabla, 1)) return false;
  plataforma::CTablaRegistros& r = *tabla.Registros();
  r.PonerFiltro(renta && patrimonio ? kFiltroAmbos
                : renta             ? kFiltroRenta
                : patrimonio        ? kFiltroPatrimonio
                                    : kFiltroNinguno);
  for (r.Primero(); !r.FinDeFichero(); r.Saltar(1)) {
    filas.push_back({NombreAlmacen(r.LeerTexto("clave")), static_cast<std::int32_t>(r.LeerEntero("tipodec")),
                     r.FilaDanada()});
  }
  r.QuitarFiltro();
  return true;
}

long CAlmacenDeclaraciones::Contar() const {
  marco::CTabla tabla(m_pBase);
  if (!AbrirAlmacen(tabla, 1)) return -1;
  tabla.Registros()->OcultarBorrados(true);
  return tabla.Registros()->NumeroRegistros();
}

int CAlmacenDeclaraciones::Existe(std::string_view nombre) const {
  marco::CTabla tabla(m_pBase);
  if (!AbrirAlmacen(tabla, 1)) return -1;
  return tabla.Buscar(NombreAlmacen(nombre), false, kOrdenAlmacen, false) != 0 ? 1 : 0;
}

int CAlmacenDeclaraciones::Buscar(std::string_view inicio, SFilaAlmacen& fila) const {
  const std::string_view buscado = plataforma::RecortaDerecha(inicio.substr(0, std::min(inicio.size(), kAnchoNombreDeclaracion)));
  marco::CTabla tabla(m_pBase);
  if (!AbrirAlmacen(tabla, 1)) return -1;
  if (buscado.empty()) return 0;
  plataforma::CTablaRegistros& r = *tabla.Registros();
  r.OcultarBorrados(true);
  if (tabla.Buscar(buscado, true, kOrdenAlmacen, false) == 0) return 0;
  fila = {NombreAlmacen(r.LeerTexto("clave")), static_cast<std::int32_t>(r.LeerEntero("tipodec"))};
  return 1;
}

EResultadoAlmacen CAlmacenDeclaraciones::Anadir(std::string_view nombre, std::int32_t tipodec) const {
  const std::string clave = NombreAlmacen(nombre);
  if (!Escribible()) return EResultadoAlmacen::SoloLectura;
  marco::CTabla tabla(m_pBase);
  if (!AbrirAlmacen(tabla, 0)) return EResultadoAlmacen::NoAbre;
  plataforma::CTablaRegistros& r = *tabla.Registros();
  if (tabla.Buscar(clave, false, kOrdenAlmacen, false) != 0) return EResultadoAlmacen::Existe;
  if (tabla.BloquearAltas() == 0) {
    const EResultadoAlmacen motivo = ResultadoDeFallo(tabla.UltimoFallo());
    return motivo == EResultadoAlmacen::Fallo ? EResultadoAlmacen::Bloqueo : motivo;
  }
  CSoltarAltas soltar{tabla};
  // Sought again under the lock: another user may have added this very name meanwhile. Counted under the lock
  // too, so two users cannot both add the last one.
  r.OcultarBorrados(true);
  if (tabla.Buscar(clave, false, kOrdenAlmacen, false) != 0) return EResultadoAlmacen::Existe;
  if (r.NumeroRegistros() >= kMaximoDeclaraciones) return EResultadoAlmacen::Lleno;
  tabla.PonerOrden(kOrdenAlmacen);
  // A deleted row of this name is revived under its own lock (another user may be looking at it still).
  const long borrada = BuscarBorrada(r, clave);
  if (borrada != 0 && tabla.BloquearRegistro() == 0) return EResultadoAlmacen::Bloqueo;
  if (!r.EmpezarLote()) return ResultadoDeFallo(r.UltimoFallo());
  bool bien = false;
  if (borrada != 0) {
    bien = r.IrA(borrada) && r.Recuperar() && VaciarFila(r);
  } else {
    bien = r.Anadir() == plataforma::kAnadido;
  }
  // The row goes in with its whole (blank) data area, in the same transaction: a disk too full for the data keeps
  // the row out too.
  const std::vector<char> datos(LongitudDatosNueva(tipodec), '\0');
  bien = bien && r.PonerTexto("clave", clave) && r.PonerEntero("tipodec", tipodec) &&
         r.EscribirBinario("datos", std::span<const char>(datos)) == static_cast<long>(datos.size());
  const plataforma::EFallo fallo = r.UltimoFallo();
  if (!r.TerminarLote(bien) || !bien) return ResultadoDeFallo(bien ? r.UltimoFallo() : fallo);
  return EResultadoAlmacen::Hecho;
}

EResultadoAlmacen CAlmacenDeclaraciones::Borrar(std::string_view nombre) const {
  const std::string clave = NombreAlmacen(nombre);
  if (!Escribible()) return EResultadoAlmacen::SoloLectura;
  {
    marco::CTabla tabla(m_pBase);
    if (!AbrirAlmacen(tabla, 0)) return EResultadoAlmacen::NoAbre;
    if (tabla.Buscar(clave, false, kOrdenAlmacen, false) == 0) return EResultadoAlmacen::NoExiste;
    if (tabla.BorrarClave(clave, false, kOrdenAlmacen) == 0) return EResultadoAlmacen::Fallo;
  }
  // The findings of a deleted declaration would otherwise come back with a new one of the same name.
  marco::CValidador validador(clave);
  validador.PonerBaseDatos(m_pBase);
  validador.BorrarHallazgos();
  return EResultadoAlmacen::Hecho;
}

EResultadoAlmacen CAlmacenDeclaraciones::Cargar(std::string_view nombre, SDeclaracionAlmacen& declaracion) const {
  const std::string clave = NombreAlmacen(nombre);
  marco::CTabla tabla(m_pBase);
  if (!AbrirAlmacen(tabla, 1)) return EResultadoAlmacen::NoAbre;
  if (tabla.Buscar(clave, false, kOrdenAlmacen, false) == 0) return EResultadoAlmacen::NoExiste;
  plataforma::CTablaRegistros& r = *tabla.Registros();
  if (r.FilaDanada()) return EResultadoAlmacen::Danado;
  SDeclaracionAlmacen d;
  d.clave = clave;
  d.tipodec = static_cast<std::int32_t>(r.LeerEntero("tipodec"));
  const std::size_t longitud = LongitudDatosDeTipo(d.tipodec);
  if (longitud == 0 || r.LongitudBinario("datos") != static_cast<long>(longitud)) return EResultadoAlmacen::Danado;
  d.datos.assign(longitud, '\0');
  if (r.LeerBinario("datos", std::span<char>(d.datos)) != static_cast<long>(longitud)) {
    return EResultadoAlmacen::Danado;
  }
  // A blank currency reads as 0, as the documents read it.
  d.moneda.assign(1, r.LeerEntero("moneda") == 0 ? '0' : '1');
  const std::string liqui = r.LeerTexto("liqui311");
  d.liqui311.fill(' ');
  std::copy_n(liqui.begin(), std::min(liqui.size(), d.liqui311.size()), d.liqui311.begin());
  declaracion = std::move(d);
  return EResultadoAlmacen::Hecho;
}

EResultadoAlmacen CAlmacenDeclaraciones::Guardar(const std::vector<SDeclaracionAlmacen>& declaraciones,
                                                 const std::set<std::string>& sobrescribir) const {
  for (const SDeclaracionAlmacen& d : declaraciones) {
    if (d.clave.size() != kAnchoNombreDeclaracion || NombreEnBlanco(d.clave) ||
        LongitudDatosDeTipo(d.tipodec) == 0 || d.datos.size() != LongitudDatosDeTipo(d.tipodec) ||
        marco::PrimerImporteNoFinito(std::span<const char>(d.datos)).has_value()) {
      return EResultadoAlmacen::Danado;
    }
  }
  if (!Escribible()) return EResultadoAlmacen::SoloLectura;
  marco::CTabla tabla(m_pBase);
  if (!AbrirAlmacen(tabla, 0)) return EResultadoAlmacen::NoAbre;
  plataforma::CTablaRegistros& r = *tabla.Registros();
  if (tabla.BloquearAltas() == 0) {
    const EResultadoAlmacen motivo = ResultadoDeFallo(tabla.UltimoFallo());
    return motivo == EResultadoAlmacen::Fallo ? EResultadoAlmacen::Bloqueo : motivo;
  }
  CSoltarAltas soltar{tabla};

  // What is new is counted under the lock, against the store as it is now.
  r.OcultarBorrados(true);
  long nuevas = 0;
  for (const SDeclaracionAlmacen& d : declaraciones) {
    const bool existe = tabla.Buscar(d.clave, false, kOrdenAlmacen, false) != 0;
    if (existe && sobrescribir.count(d.clave) == 0) return EResultadoAlmacen::Existe;
    if (!existe) ++nuevas;
  }
  if (r.NumeroRegistros() + nuevas > kMaximoDeclaraciones) return EResultadoAlmacen::Lleno;

  tabla.PonerOrden(kOrdenAlmacen);
  // The rows to overwrite or revive are locked before the transaction starts, each with the table's waits: a
  // declaration another user has open is not overwritten.
  for (const SDeclaracionAlmacen& d : declaraciones) {
    long fila = 0;
    if (r.Buscar(d.clave) && r.Encontrado()) {
      fila = r.NumeroRegistro();
    } else {
      fila = BuscarBorrada(r, d.clave);
    }
    if (fila != 0 && !r.BloquearRegistro(fila, m_pBase->DameEsperaIntento())) {
      return ResultadoDeFallo(r.UltimoFallo());
    }
  }
  if (!r.EmpezarLote()) return ResultadoDeFallo(r.UltimoFallo());
  bool bien = true;
  for (const SDeclaracionAlmacen& d : declaraciones) {
    if (r.Buscar(d.clave) && r.Encontrado()) {
      bien = r.RegistroBloqueado(r.NumeroRegistro());
    } else if (BuscarBorrada(r, d.clave) != 0) {
      bien = r.RegistroBloqueado(r.NumeroRegistro()) && r.Recuperar() && VaciarFila(r);
    } else {
      bien = r.Anadir() == plataforma::kAnadido;
    }
    bien = bien && EscribirFila(r, d);
    if (!bien) break;
  }
  const plataforma::EFallo fallo = r.UltimoFallo();
  if (!r.TerminarLote(bien)) return ResultadoDeFallo(r.UltimoFallo());
  return bien ? EResultadoAlmacen::Hecho : ResultadoDeFallo(fallo);
}

}  // namespace shell
