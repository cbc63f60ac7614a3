#include "dialogs/DlgImportesTitulares.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/Mensajes.h"
#include "framework/SelectorTitular.h"
#include "framework/Utilidades.h"
#include "platform/Texto.h"

namespace dialogos {

namespace {

constexpr std::size_t kDespImportes = 8;

double LeerDobleSano(const unsigned char* p) {
  double valor = 0.0;
  std::memcpy(&valor, p, sizeof valor);
  return std::isfinite(valor) ? valor : 0.0;
}

}  // namespace

// ---- the stored block ----

bool SFormaBloque::Valida() const {
  return entradas > 0 && entradas <= kMaxEntradasTitulares && importes >= 0 && importes <= kMaxImportesCapital &&
         TamanoEntrada() >= 8 + 8 * static_cast<std::size_t>(importes) && TamanoRestoEntrada() <= kMaxRestoEntrada &&
         TamanoBloque() >= TamanoEntradas();
}

EntradasTitulares LeerEntradas(std::span<const unsigned char> bloque, const SFormaBloque& forma) {
  EntradasTitulares entradas{};
  if (!forma.Valida() || bloque.size() != forma.TamanoBloque()) return entradas;
  const std::size_t tamano = forma.TamanoEntrada();
  const std::size_t resto = forma.TamanoRestoEntrada();
  for (std::size_t e = 0; e < static_cast<std::size_t>(forma.entradas); ++e) {
    const unsigned char* origen = bloque.data() + e * tamano;
    SEntradaTitular& entrada = entradas[e];
    entrada.titular = origen[0] <= marco::kSujetoHijo2 ? origen[0] : 0;
    for (int i = 0; i < forma.importes; ++i) {
      entrada.importes[static_cast<std::size_t>(i)] = LeerDobleSano(origen + kDespImportes + 8 * static_cast<std::size_t>(i));
    }
    std::memcpy(entrada.resto.data(), origen + tamano - resto, resto);
  }
  return entradas;
}

void EscribirEntradas(const EntradasTitulares& entradas, const SFormaBloque& forma, std::span<unsigned char> bloque) {
  if (!forma.Valida() || bloque.size() != forma.TamanoBloque()) return;
  const std::size_t tamano = forma.TamanoEntrada();
  const std::size_t resto = forma.TamanoRestoEntrada();
  for (std::size_t e = 0; e < static_cast<std::size_t>(forma.entradas); ++e) {
    unsigned char* destino = bloque.data() + e * tamano;
    if (!forma.conservarRelleno) std::memset(destino, 0, kDespImportes);
    destino[0] = entradas[e].titular;
    for (int i = 0; i < forma.importes; ++i) {
      const double valor = entradas[e].importes[static_cast<std::size_t>(i)];
      std::memcpy(destino + kDespImportes + 8 * static_cast<std::size_t>(i), &valor, sizeof valor);
    }
    std::memcpy(destino + tamano - resto, entradas[e].resto.data(), resto);
  }
}

EntradasTitulares LeerEntradas(std::span<const unsigned char> bloque, int importes) {
  return LeerEntradas(bloque, SFormaBloque{kEntradasCapital, importes});
}

void EscribirEntradas(const EntradasTitulares& entradas, int importes, std::span<unsigned char> bloque) {
  EscribirEntradas(entradas, SFormaBloque{kEntradasCapital, importes}, bloque);
}

std::string_view LetraTitularCapital(std::uint8_t titular) {
  static constexpr std::string_view kLetras[] = {"", "O", "D", "C", "1", "2"};
  return titular <= marco::kSujetoHijo2 ? kLetras[titular] : std::string_view();
}

// ---- the layout of entries as lines ----

namespace {
constexpr int kXLineas = 6;
constexpr int kYLineas = 28;
constexpr int kAltoLinea = 16;
constexpr int kAltoLineaCabecera = 9;

// The lines of the tallest heading: two fit in the usual band, each one more pushes the grid down.
int LineasCabecera(const std::vector<std::string_view>& cabeceras) {
  int lineas = 1;
  for (std::string_view c : cabeceras) {
    lineas = std::max(lineas, 1 + static_cast<int>(std::count(c.begin(), c.end(), '\n')));
  }
  return lineas;
}

int YRejilla(int lineasCabecera) { return kYLineas + kAltoLineaCabecera * std::max(0, lineasCabecera - 2); }

}  // namespace

int YBandaLineas(int entradas, int lineasCabecera) { return YRejilla(lineasCabecera) + kAltoLinea * entradas + 4; }

marco::CPlantillaDialogo PlantillaLineasTitulares(std::string_view titulo, const std::vector<int>& ids,
                                                  const std::vector<std::string_view>& cabeceras,
                                                  std::string_view nota, bool ayuda, int idUltimaCabecera,
                                                  int altoExtra, int idAyuda) {
  constexpr int kAnchoTitular = 34;
  constexpr int kAnchoImporte = 64;
  const int campos = static_cast<int>(cabeceras.size());
  const int entradas = campos > 0 ? static_cast<int>(ids.size()) / campos : 0;
  const int ancho = std::max(kXLineas * 2 + kAnchoTitular + kAnchoImporte * (campos - 1), 200);
  const int lineas = LineasCabecera(cabeceras);
  const int yRejilla = YRejilla(lineas);
  const int yPie = YBandaLineas(entradas, lineas) + altoExtra;
  const int altoNota = nota.empty() ? 0 : 28;
  marco::CPlantillaDialogo p(ancho, yPie + 14 + altoNota + 24, titulo);
  for (int campo = 0; campo < campos; ++campo) {
    const int x = campo == 0 ? kXLineas : kXLineas + kAnchoTitular + kAnchoImporte * (campo - 1);
    const int w = campo == 0 ? kAnchoTitular : kAnchoImporte;
    const int id = campo == campos - 1 ? idUltimaCabecera : -1;
    p.Estatico(id, cabeceras[static_cast<std::size_t>(campo)], {x, 6, w - 2, yRejilla - 8});
    for (int e = 0; e < entradas; ++e) {
      const std::size_t i = static_cast<std::size_t>(campo * entradas + e);
      if (i >= ids.size()) break;
      const marco::SRectDialogo celda{x, yRejilla + kAltoLinea * e, w - 4, 12};
      if (campo == 0) {
        p.Edicion(ids[i], celda, marco::kEdicionMayusculas, 1);
      } else {
        p.Importe(ids[i], celda, 14);
      }
    }
  }
  if (idAyuda > 0) p.Estatico(idAyuda, "", {kXLineas, yPie, ancho - 2 * kXLineas, 10});
  if (!nota.empty()) p.Estatico(kIdNotaLineas, nota, {kXLineas, yPie + 14, ancho - 2 * kXLineas, altoNota - 2});
  const int yBotones = yPie + 14 + altoNota;
  const int xBotones = ancho - kXLineas - (ayuda ? 188 : 124);
  p.Aceptar({xBotones, yBotones, 60, 18}).Cancelar({xBotones + 64, yBotones, 60, 18});
  if (ayuda) p.Ayuda({xBotones + 128, yBotones, 60, 18});
  return p;
}

// ---- the dialog ----

CDlgImportesTitulares::CDlgImportesTitulares(int idRecurso, wxWindow* padre, std::int32_t segundoParametro,
                                             SFormaBloque forma, std::vector<int> ids, int idAyuda,
                                             int contextoAyuda)
    : CTemplateDlgTitulares(idRecurso, padre, segundoParametro),
      m_forma(forma),
      m_nIdAyuda(idAyuda),
      m_nContextoAyuda(contextoAyuda) {
  const std::size_t filas = forma.entradas > 0 ? ids.size() / static_cast<std::size_t>(forma.entradas) : 0;
  PonerTablaIds(forma.entradas, static_cast<int>(filas), std::move(ids));
  m_restoRecibido.assign(forma.Valida() ? forma.TamanoBloque() - forma.TamanoEntradas() : 0, 0);
}

CDlgImportesTitulares::CDlgImportesTitulares(int idRecurso, wxWindow* padre, std::int32_t segundoParametro,
                                             int importes, std::vector<int> ids, int idAyuda, int contextoAyuda)
    : CDlgImportesTitulares(idRecurso, padre, segundoParametro, SFormaBloque{kEntradasCapital, importes},
                            std::move(ids), idAyuda, contextoAyuda) {}

bool CDlgImportesTitulares::Recibir(std::span<const unsigned char> bloque) {
  if (!m_forma.Valida() || bloque.size() != m_forma.TamanoBloque()) return false;
  m_recibido = LeerEntradas(bloque, m_forma);
  m_restoRecibido.assign(bloque.begin() + static_cast<std::ptrdiff_t>(m_forma.TamanoEntradas()), bloque.end());
  return true;
}

void CDlgImportesTitulares::Devolver(std::span<unsigned char> bloque) const {
  if (!m_forma.Valida() || bloque.size() != m_forma.TamanoBloque()) return;
  EscribirEntradas(m_recibido, m_forma, bloque);
  if (m_restoRecibido.size() == bloque.size() - m_forma.TamanoEntradas()) {
    std::copy(m_restoRecibido.begin(), m_restoRecibido.end(),
              bloque.begin() + static_cast<std::ptrdiff_t>(m_forma.TamanoEntradas()));
  }
}

double CDlgImportesTitulares::Importe(int entrada, int campo) const {
  if (!EntradaValida(entrada) || campo < 1 || campo > m_forma.importes) return 0.0;
  return m_copia[static_cast<std::size_t>(entrada)].importes[static_cast<std::size_t>(campo - 1)];
}

double CDlgImportesTitulares::DobleResto(std::size_t desp) const {
  if (desp + sizeof(double) > m_restoCopia.size()) return 0.0;
  return LeerDobleSano(m_restoCopia.data() + desp);
}

void CDlgImportesTitulares::PonerDobleResto(std::size_t desp, double valor) {
  if (desp + sizeof(double) > m_restoCopia.size()) return;
  std::memcpy(m_restoCopia.data() + desp, &valor, sizeof valor);
}

bool CDlgImportesTitulares::AdmiteNegativo(int) const { return false; }
int CDlgImportesTitulares::Decimales(int) const { return 0; }
bool CDlgImportesTitulares::SeDivide(int) const { return true; }
bool CDlgImportesTitulares::FilaCalculada(int) const { return false; }
int CDlgImportesTitulares::ModoTitular() const { return SegundoParametro(); }

namespace {

// A typed amount: at most ten whole digits and the field's decimals; a minus sign only where the field takes one.
bool LeerImporteCelda(std::string_view texto, int decimales, bool negativo, double& valor) {
  double leido = 0.0;
  if (!marco::LeerImporteDialogo(texto, leido)) return false;
  const double escala = std::pow(10.0, decimales);
  if (!std::isfinite(leido) || std::fabs(leido) > kImporteMaximoCapital ||
      std::fabs(std::round(leido * escala) - leido * escala) > 1e-6 || (leido < 0.0 && !negativo)) {
    return false;
  }
  valor = leido == 0.0 ? 0.0 : leido;
  return true;
}

}  // namespace

marco::SEnlaceControl CDlgImportesTitulares::EnlaceImporte(double* valor, int decimales, bool negativo) const {
  marco::SEnlaceControl importe;
  importe.mostrar = [valor, decimales] { return marco::TextoImporteDialogo(*valor, decimales, false); };
  importe.guardar = [valor, decimales, negativo](std::string_view texto) {
    return LeerImporteCelda(texto, decimales, negativo, *valor);
  };
  importe.maximo = kImporteMaximoCapital;
  return importe;
}

marco::SEnlaceControl CDlgImportesTitulares::EnlaceResto(std::size_t desp, bool negativo) {
  marco::SEnlaceControl importe;
  importe.mostrar = [this, desp] { return marco::TextoImporteDialogo(DobleResto(desp), 0, false); };
  importe.guardar = [this, desp, negativo](std::string_view texto) {
    double valor = 0.0;
    if (!LeerImporteCelda(texto, 0, negativo, valor)) return false;
    PonerDobleResto(desp, valor);
    return true;
  };
  importe.maximo = kImporteMaximoCapital;
  return importe;
}

marco::SEnlaceControl CDlgImportesTitulares::EnlaceFila(int fila, SEntradaTitular& entrada) {
  if (fila < 1 || fila > m_forma.importes) return {};
  return EnlaceImporte(&entrada.importes[static_cast<std::size_t>(fila - 1)], Decimales(fila), AdmiteNegativo(fila));
}

int CDlgImportesTitulares::OnInitDialog() {
  CTemplateDlgTitulares::OnInitDialog();
  m_copia = m_recibido;
  m_restoCopia = m_restoRecibido;
  AjustarEntradasAlSujeto();

  for (int e = 0; e < m_forma.entradas; ++e) {
    SEntradaTitular* entrada = &m_copia[static_cast<std::size_t>(e)];
    marco::SEnlaceControl titular;
    titular.mostrar = [entrada] { return std::string(LetraTitularCapital(entrada->titular)); };
    titular.guardar = [this, entrada](std::string_view texto) {
      const marco::SEntornoDialogo entorno = Entorno();
      const int codigo = marco::CodigoTitularTecleado(texto, ModoTitular(), entorno.conyuge, entorno.hijo1,
                                                      entorno.hijo2);
      if (codigo < 0) {
        // Never a silent blank: the user is told why the letter does not stay.
        marco::CDlgMensaje().MostrarMensaje(kMensajeTitularNoAdmitido, marco::IconoExclamacion);
        return false;
      }
      entrada->titular = static_cast<std::uint8_t>(codigo);
      return true;
    };
    Enlazar(IdControl(0, e), std::move(titular));
    for (int fila = 1; fila < Campos(); ++fila) {
      marco::SEnlaceControl enlace = EnlaceFila(fila, *entrada);
      if (enlace.mostrar) Enlazar(IdControl(fila, e), std::move(enlace));
    }
  }

  ActualizarEntradas();
  if (!TodasLasEntradas()) CompactarEntradas();
  marco::ActualizarDatosHijos(*this, 0);
  RecordarTitulares();
  AlAbrir();
  return 1;
}

void CDlgImportesTitulares::ActualizarEntradas() {
  CTemplateDlgTitulares::ActualizarEntradas();
  for (int fila = 1; fila < Campos(); ++fila) {
    if (!FilaCalculada(fila)) continue;
    for (int e = 0; e < m_forma.entradas; ++e) HabilitarControl(IdControl(fila, e), false);
  }
}

void CDlgImportesTitulares::RecordarTitulares() {
  for (std::size_t e = 0; e < m_copia.size(); ++e) m_titularesMostrados[e] = m_copia[e].titular;
}

int CDlgImportesTitulares::ComprobarEntradas() { return 1; }

void CDlgImportesTitulares::OnOK() {
  marco::ActualizarDatosHijos(*this, 1);
  if (ComprobarEntradas() == 0) return;
  if (TodasLasEntradas() && !Bloqueado()) {
    // The texts follow the values (a typed 0 shows empty) before the entries without amounts are looked for.
    marco::ActualizarDatosHijos(*this, 0);
    if (m_bQuitarVacias) QuitarEntradasVacias();
    m_recibido = m_copia;
    m_restoRecibido = m_restoCopia;
  }
  marco::CTemplateDlg::OnOK();
}

int CDlgImportesTitulares::AlComando(int id, int) {
  if (id != marco::kIdBotonAyuda || m_nContextoAyuda <= 0) return 0;
  if (Ventana() != nullptr) Ventana()->MostrarAyuda(m_nContextoAyuda);
  return 1;
}

int CDlgImportesTitulares::AlSalirDeCampo(int id) {
  // A holder typed and left (its text was stored as the cell was left): the entries follow it.
  const int fila = FilaDeControl(id);
  if (fila == 0) {
    const int e = EntradaDeControl(id);
    if (EntradaValida(e) &&
        m_copia[static_cast<std::size_t>(e)].titular != m_titularesMostrados[static_cast<std::size_t>(e)]) {
      AlCambiarValor(id);
    }
  }
  if (!PermitirSalidaCampo()) return 0;
  if (Recalcular() || (m_bRefrescarAlSalir && fila > 0)) ActualizarDatos(0);
  return 1;
}

int CDlgImportesTitulares::AlEntrarEnCampo(int id) {
  if (m_nIdAyuda <= 0) return 1;
  if (FilaDeControl(id) == 0) {
    MostrarAyudaTitular(m_nIdAyuda);
  } else if (m_bVaciarAyuda) {
    PonerTextoControl(m_nIdAyuda, "");
  }
  return 1;
}

int CDlgImportesTitulares::AlCambiarValor(int id) {
  // Only a holder cell changes the entries.
  if (FilaDeControl(id) != 0) return 0;
  return CambiarTitular(id);
}

int CDlgImportesTitulares::CambiarTitular(int id) {
  const int resultado = CTemplateDlgTitulares::AlCambiarValor(id);
  RecordarTitulares();
  return resultado;
}

void CDlgImportesTitulares::DeshacerTitular(int entrada) {
  if (!EntradaValida(entrada)) return;
  m_copia[static_cast<std::size_t>(entrada)].titular = 0;
  m_titularesMostrados[static_cast<std::size_t>(entrada)] = 0;
  ActualizarDatos(0);
}

void CDlgImportesTitulares::ExcluirFinanciacion() {
  constexpr int kAjenaDosAnios = 1;
  constexpr int kAjenaDespues = 2;
  constexpr int kSinFinanciacion = 3;
  if (Bloqueado() || !TodasLasEntradas()) return;
  for (int e = 0; e < Forma().entradas; ++e) {
    if (TitularDeEntrada(e) == 0) {
      for (int fila : {kAjenaDosAnios, kAjenaDespues, kSinFinanciacion}) HabilitarControl(IdControl(fila, e), false);
      continue;
    }
    const auto conTexto = [&](int fila) { return !marco::EsCadenaEnBlanco(TextoControl(IdControl(fila, e))); };
    const bool ajena = conTexto(kAjenaDosAnios) || conTexto(kAjenaDespues);
    const bool sin = conTexto(kSinFinanciacion);
    HabilitarControl(IdControl(kAjenaDosAnios, e), !sin);
    HabilitarControl(IdControl(kAjenaDespues, e), !sin);
    HabilitarControl(IdControl(kSinFinanciacion, e), !ajena);
  }
}

// ---- entry operations ----

void CDlgImportesTitulares::LimpiarEntrada(int entrada) {
  if (!EntradaValida(entrada)) return;
  SEntradaTitular& e = m_copia[static_cast<std::size_t>(entrada)];
  e.importes.fill(0.0);
  e.resto.fill(0);
}

void CDlgImportesTitulares::MoverEntrada(int a, int de) {
  if (!EntradaValida(a) || !EntradaValida(de) || a == de) return;
  m_copia[static_cast<std::size_t>(a)] = m_copia[static_cast<std::size_t>(de)];
}

void CDlgImportesTitulares::QuitarEntrada(int entrada) {
  if (EntradaValida(entrada)) m_copia[static_cast<std::size_t>(entrada)].titular = 0;
}

std::uint8_t CDlgImportesTitulares::TitularDeEntrada(int entrada) const {
  return EntradaValida(entrada) ? m_copia[static_cast<std::size_t>(entrada)].titular : 0;
}

void CDlgImportesTitulares::EntradaComun(int entrada) {
  if (!EntradaValida(entrada)) return;
  auto& importes = m_copia[static_cast<std::size_t>(entrada)].importes;
  for (int i = 0; i < m_forma.importes; ++i) {
    if (SeDivide(i)) importes[static_cast<std::size_t>(i)] *= 0.5;
  }
}

void CDlgImportesTitulares::EntradaPropia(int entrada) {
  if (EntradaValida(entrada)) m_copia[static_cast<std::size_t>(entrada)].titular = marco::kSujetoDeclarante;
}

// ---- checks ----

int CDlgImportesTitulares::Probar(const SPrueba& prueba, int entrada) {
  const SEntradaTitular& e = m_copia[static_cast<std::size_t>(entrada)];
  if (e.titular == 0 || !prueba.falla(e)) return 1;
  const int boton =
      marco::CDlgMensaje().MostrarMensaje(prueba.codigo, prueba.error ? marco::IconoMano : marco::IconoAsterisco);
  if (!prueba.error && boton != marco::kBotonCorregir) return 1;
  PonerFoco(IdControl(prueba.campo, entrada));
  return 0;
}

int CDlgImportesTitulares::ComprobarPorEntrada(std::span<const SPrueba> pruebas) {
  for (int e = 0; e < m_forma.entradas; ++e) {
    for (const SPrueba& prueba : pruebas) {
      if (Probar(prueba, e) == 0) return 0;
    }
  }
  return 1;
}

int CDlgImportesTitulares::ComprobarPorPrueba(std::span<const SPrueba> pruebas) {
  for (const SPrueba& prueba : pruebas) {
    for (int e = 0; e < m_forma.entradas; ++e) {
      if (Probar(prueba, e) == 0) return 0;
    }
  }
  return 1;
}

}  // namespace dialogos
