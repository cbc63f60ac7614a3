#include "activities/SeleccionarActividadReglas.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "framework/DlgMensaje.h"

namespace actividades {

CSeleccionarActividadReglas::CSeleccionarActividadReglas(CCargaModulos& carga, std::int32_t idInicial)
    : m_carga(carga), m_nIdInicial(idInicial) {}

int CSeleccionarActividadReglas::FilaDeActividad(std::int32_t id) const {
  for (std::size_t i = 0; i < m_actividades.size(); ++i) {
    if (m_actividades[i].id == id) return static_cast<int>(i);
  }
  return -1;
}

void CSeleccionarActividadReglas::Iniciar() {
  m_nOrdenPendiente = 0;
  m_nEnfocada = kIdListaSector;
  std::int32_t porCodigo = 0;
  if (m_nIdInicial <= 0 && !m_carga.EpigrafeInicial().empty()) {
    m_actividades = m_carga.CargarActividadesPorCodigo(porCodigo);
  } else {
    m_actividades = m_carga.CargarActividades("cod_sector");
  }
  m_nFila = -1;
  if (m_nIdInicial > 0) m_nFila = FilaDeActividad(m_nIdInicial);
  if (m_nFila < 0 && porCodigo > 0) m_nFila = FilaDeActividad(porCodigo);
  if (m_nFila < 0 && !m_actividades.empty()) m_nFila = 0;
  MostrarActividad();
  if (m_actividades.empty()) {
    // An empty catalogue is said, not silent: the module figures are not shipped (docs/MODULOS.md).
    marco::CDlgMensaje mensaje;
    m_descripcion = mensaje.BuscarMensaje(kMensajeSinActividades) != 0 && !mensaje.DameTexto().empty()
                        ? mensaje.DameTexto()
                        : std::string(kMensajeSinActividades);
  }
}

void CSeleccionarActividadReglas::MostrarActividad() {
  if (m_nFila < 0) return;
  const std::int32_t id = m_actividades[static_cast<std::size_t>(m_nFila)].id;
  // An activity without a long description or without epigraphs shows none (not the previous activity's).
  m_descripcion = m_carga.DescripcionLarga(id).value_or(std::string());
  if (auto e = m_carga.CargarEpigrafes(id, m_epigrafePendiente)) {
    m_epigrafes = std::move(e->codigos);
    m_nEpigrafe = e->seleccion;
  } else {
    m_epigrafes.clear();
    m_nEpigrafe = -1;
  }
}

void CSeleccionarActividadReglas::EnfocarLista(int idLista) {
  if (idLista != kIdListaSector && idLista != kIdListaActividad) return;
  if (m_nEnfocada != idLista) m_nOrdenPendiente = idLista;
  m_nEnfocada = idLista;
}

void CSeleccionarActividadReglas::ElegirFila(int idLista, int fila) {
  if (fila < 0 || static_cast<std::size_t>(fila) >= m_actividades.size()) return;
  m_nFila = fila;
  if (m_nOrdenPendiente == idLista) {
    const std::int32_t id = m_actividades[static_cast<std::size_t>(fila)].id;
    m_actividades = m_carga.CargarActividades(idLista == kIdListaSector ? "cod_sector" : "descripcio");
    m_nFila = FilaDeActividad(id);
    if (m_nFila < 0 && !m_actividades.empty()) m_nFila = 0;
    m_nOrdenPendiente = 0;
  }
  MostrarActividad();
}

void CSeleccionarActividadReglas::ElegirEpigrafe(int fila) {
  if (fila >= 0 && static_cast<std::size_t>(fila) < m_epigrafes.size()) m_nEpigrafe = fila;
}

void CSeleccionarActividadReglas::Aceptar(CDatosMod& datos) {
  if (m_nFila < 0) return;
  const std::string epigrafe = m_nEpigrafe >= 0 ? m_epigrafes[static_cast<std::size_t>(m_nEpigrafe)] : std::string();
  m_carga.CargarDatosModulos(m_actividades[static_cast<std::size_t>(m_nFila)].id, epigrafe, datos);
}

EConsulta CSeleccionarActividadReglas::Consultar(CDatosMod& datos) {
  if (m_nFila < 0) return EConsulta::Ninguna;
  Aceptar(datos);
  switch (m_carga.Clase()) {
    case 3: return EConsulta::Irpf;
    case 1: return EConsulta::Iva;
    case 2: return EConsulta::Actividad;
    default: return EConsulta::Ninguna;
  }
}

bool CSeleccionarActividadReglas::ConsultaHabilitada() const {
  const int c = m_carga.Clase();
  return c == 1 || c == 2 || c == 3;
}

int CSeleccionarActividadReglas::TemaAyuda() const {
  switch (m_carga.Clase()) {
    case 3: return 583;
    case 5: return 621;
    default: return 2;
  }
}

// ---- module list rows ----

std::string TextoImporteModulo(double& valor, bool* desbordado) {
  if (valor == 0.0) return {};
  if (valor > 999999999999.0) {
    valor = 0.0;
    if (desbordado != nullptr) *desbordado = true;
    return "0";
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", valor);
  std::string texto = buffer;
  const bool negativo = !texto.empty() && texto.front() == '-';
  if (negativo) texto.erase(0, 1);
  const std::size_t punto = texto.find('.');
  std::string entera = texto.substr(0, punto);
  std::string decimales = punto == std::string::npos ? std::string() : texto.substr(punto + 1);
  while (!decimales.empty() && decimales.back() == '0') decimales.pop_back();
  std::string conPuntos;
  for (std::size_t i = 0; i < entera.size(); ++i) {
    if (i > 0 && (entera.size() - i) % 3 == 0) conPuntos += '.';
    conPuntos += entera[i];
  }
  std::string r = (negativo ? "-" : "") + conPuntos;
  if (!decimales.empty()) r += "," + decimales;
  return r;
}

std::string AlinearImporteModulo(const std::string& texto) {
  if (texto.size() >= 15) return texto.substr(0, 15);
  if (texto.find(',') != std::string::npos) return std::string(15 - texto.size(), ' ') + texto;
  if (texto.size() >= 12) return texto + std::string(15 - texto.size(), ' ');
  return std::string(12 - texto.size(), ' ') + texto + "   ";
}

std::string FilaModulo(int numero, const CModulo& modulo, bool* desbordado) {
  // Number, description and unit cut or right-aligned to their widths.
  auto ajustar = [](const char* texto, std::size_t ancho) {
    std::string t(texto);
    if (t.size() > ancho) t.resize(ancho);
    return std::string(ancho - t.size(), ' ') + t;
  };
  char numeroTexto[8];
  std::snprintf(numeroTexto, sizeof numeroTexto, "%2d", numero % 100);
  double importe = modulo.importe;
  return std::string(numeroTexto) + " " + ajustar(modulo.des_corta, 25) + " " + ajustar(modulo.uni_corta, 10) + " " +
         AlinearImporteModulo(TextoImporteModulo(importe, desbordado));
}

std::vector<std::string> FilasModulos(const CDatosMod& datos, int tipo, bool* desbordado) {
  std::vector<std::string> filas;
  for (int i = 0; i < datos.DameNumeroModulos(tipo); ++i) {
    filas.push_back(FilaModulo(i + 1, *datos.DameModulo(tipo, i), desbordado));
  }
  return filas;
}

bool PonerSeparadoresMiles(std::string& texto, int grupos) {
  std::size_t inicio = 0;
  while (inicio < texto.size() && texto[inicio] == ' ') ++inicio;
  if (inicio == texto.size() || texto.size() > 80) return true;
  std::size_t fin = inicio;
  while (fin < texto.size() && texto[fin] != ' ') ++fin;
  std::string numero = texto.substr(inicio, fin - inicio);
  bool negativo = false;
  if (numero.front() == '-') {
    negativo = true;
    numero.erase(0, 1);
  }
  if (numero.empty()) return false;
  for (const char c : numero) {
    if (std::isdigit(static_cast<unsigned char>(c)) == 0) return false;
  }
  std::string r;
  for (std::size_t i = 0; i < numero.size(); ++i) {
    const std::size_t desdeDerecha = numero.size() - i;
    r += numero[i];
    if (desdeDerecha > 1 && (desdeDerecha - 1) % 3 == 0 &&
        static_cast<int>((desdeDerecha - 1) / 3) <= grupos) {
      r += '.';
    }
  }
  if (negativo) r.insert(0, "-");
  // The text keeps its length: a number that no longer fits is left as it was.
  if (r.size() > texto.size()) return false;
  texto = std::string(texto.size() - r.size(), ' ') + r;
  return true;
}

}  // namespace actividades
