#include "Korvelix.h"

#include <signal.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <fstream>
#include <iterator>
#include <sstream>
#include <utility>

namespace e2e {

SDeclaracionGuardada SDeclaracionGuardada::Nueva(std::string clave, int tipodec, std::size_t tamano) {
  SDeclaracionGuardada d;
  d.clave = std::move(clave);
  d.tipodec = tipodec;
  d.idioma = "e";
  d.datos.assign(tamano, 0);
  return d;
}

void SDeclaracionGuardada::PonerTexto(std::size_t desplazamiento, std::string_view texto) {
  if (desplazamiento + texto.size() > datos.size()) return;
  std::memcpy(datos.data() + desplazamiento, texto.data(), texto.size());
}

void SDeclaracionGuardada::PonerImporte(std::size_t desplazamiento, double valor) {
  if (desplazamiento + sizeof valor > datos.size()) return;
  std::memcpy(datos.data() + desplazamiento, &valor, sizeof valor);
}

namespace {

// The fields of a dump line: separated by unescaped '|', escapes undone (docs/TABLAS.md).
std::vector<std::string> CamposLinea(std::string_view linea) {
  std::vector<std::string> campos(1);
  for (std::size_t i = 0; i < linea.size(); ++i) {
    const char c = linea[i];
    if (c == '|') {
      campos.emplace_back();
    } else if (c == '\\' && i + 1 < linea.size()) {
      const char s = linea[++i];
      switch (s) {
        case 'n': campos.back() += '\n'; break;
        case 'r': campos.back() += '\r'; break;
        case 't': campos.back() += '\t'; break;
        case 'x':
          if (i + 2 < linea.size()) {
            campos.back() += static_cast<char>(std::stoi(std::string(linea.substr(i + 1, 2)), nullptr, 16));
            i += 2;
          }
          break;
        default: campos.back() += s; break;
      }
    } else {
      campos.back() += c;
    }
  }
  return campos;
}

bool Hexadecimal(std::string_view texto, std::vector<std::uint8_t>& bytes) {
  if (texto.size() % 2 != 0) return false;
  bytes.clear();
  bytes.reserve(texto.size() / 2);
  auto valor = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  for (std::size_t i = 0; i < texto.size(); i += 2) {
    const int a = valor(texto[i]);
    const int b = valor(texto[i + 1]);
    if (a < 0 || b < 0) return false;
    bytes.push_back(static_cast<std::uint8_t>(a * 16 + b));
  }
  return true;
}

std::string SinBlancosFinales(std::string texto) {
  while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\0')) texto.pop_back();
  return texto;
}

}  // namespace

std::string SDeclaracionGuardada::Texto(std::size_t desplazamiento, std::size_t ancho) const {
  if (desplazamiento >= datos.size()) return {};
  const std::size_t n = std::min(ancho, datos.size() - desplazamiento);
  return std::string(reinterpret_cast<const char*>(datos.data() + desplazamiento), n);
}

std::optional<double> SDeclaracionGuardada::Importe(std::size_t desplazamiento) const {
  if (desplazamiento + sizeof(double) > datos.size()) return std::nullopt;
  double valor = 0.0;
  std::memcpy(&valor, datos.data() + desplazamiento, sizeof valor);
  return valor;
}

namespace {

// The field names and the live rows (each split into its fields) of a dump of `tabla volcar`.
bool LeerVolcado(std::string_view volcado, std::vector<std::string>& nombres,
                 std::vector<std::vector<std::string>>& filas, std::string& error) {
  nombres.clear();
  filas.clear();
  bool enFilas = false;
  std::istringstream in{std::string(volcado)};
  std::string linea;
  while (std::getline(in, linea)) {
    if (!enFilas) {
      if (linea.rfind("CAMPO ", 0) == 0) {
        std::istringstream campo(linea.substr(6));
        std::string nombre;
        campo >> nombre;
        nombres.push_back(nombre);
      } else if (linea == "FILAS") {
        enFilas = true;
      }
      continue;
    }
    if (linea.empty() || linea.front() == '*') continue;  // deleted rows
    std::vector<std::string> campos = CamposLinea(linea);
    if (campos.size() != nombres.size()) {
      error = "a row of the dump has " + std::to_string(campos.size()) + " fields, the table " +
              std::to_string(nombres.size());
      return false;
    }
    filas.push_back(std::move(campos));
  }
  if (!enFilas) {
    error = "the dump has no FILAS line";
    return false;
  }
  return true;
}

// A number field of a dump: blanks around it allowed, empty is 0; none when it is not a whole number.
std::optional<int> Entero(const std::string& texto) {
  std::size_t i = 0;
  while (i < texto.size() && texto[i] == ' ') ++i;
  if (i == texto.size()) return 0;
  try {
    std::size_t usado = 0;
    const int valor = std::stoi(texto.substr(i), &usado);
    for (std::size_t j = i + usado; j < texto.size(); ++j) {
      if (texto[j] != ' ') return std::nullopt;
    }
    return valor;
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

bool LeerVolcadoDatosDec(std::string_view volcado, std::vector<SDeclaracionGuardada>& filas, std::string& error) {
  filas.clear();
  std::vector<std::string> nombres;
  std::vector<std::vector<std::string>> campos;
  if (!LeerVolcado(volcado, nombres, campos, error)) return false;
  for (const std::vector<std::string>& linea : campos) {
    SDeclaracionGuardada fila;
    for (std::size_t i = 0; i < linea.size(); ++i) {
      if (nombres[i] == "clave") fila.clave = SinBlancosFinales(linea[i]);
      if (nombres[i] == "tipodec") fila.tipodec = linea[i].empty() ? 0 : std::stoi(linea[i]);
      if (nombres[i] == "idioma") fila.idioma = linea[i];
      if (nombres[i] == "datos" && !Hexadecimal(linea[i], fila.datos)) {
        error = "the data area of " + fila.clave + " is not hexadecimal";
        return false;
      }
    }
    filas.push_back(std::move(fila));
  }
  return true;
}

bool LeerVolcadoHallazgos(std::string_view volcado, std::vector<SHallazgoGuardado>& filas, std::string& error) {
  filas.clear();
  std::vector<std::string> nombres;
  std::vector<std::vector<std::string>> campos;
  if (!LeerVolcado(volcado, nombres, campos, error)) return false;
  for (const char* necesario : {"clave", "coderror", "vista", "numcontr", "severidad"}) {
    if (std::find(nombres.begin(), nombres.end(), necesario) == nombres.end()) {
      error = std::string("the dump has no field ") + necesario + ": it is not the findings table";
      return false;
    }
  }
  for (const std::vector<std::string>& linea : campos) {
    SHallazgoGuardado fila;
    for (std::size_t i = 0; i < linea.size(); ++i) {
      int* numero = nombres[i] == "vista"      ? &fila.vista
                    : nombres[i] == "numcontr" ? &fila.numcontr
                    : nombres[i] == "severidad" ? &fila.severidad
                                                : nullptr;
      if (nombres[i] == "clave") fila.clave = SinBlancosFinales(linea[i]);
      if (nombres[i] == "coderror") fila.codigo = SinBlancosFinales(linea[i]);
      if (numero == nullptr) continue;
      const std::optional<int> valor = Entero(linea[i]);
      if (!valor) {
        error = "the field " + nombres[i] + " of a finding is not a number: \"" + linea[i] + "\"";
        return false;
      }
      *numero = *valor;
    }
    filas.push_back(std::move(fila));
  }
  return true;
}

CKorvelix::CKorvelix(const CEscritorio& escritorio, const std::filesystem::path& carpeta)
    : m_escritorio(escritorio), m_carpeta(carpeta) {
  std::filesystem::remove_all(m_carpeta);
  for (const char* sub : {"datos", "casa", "xdg/config", "xdg/datos", "xdg/cache"}) {
    std::filesystem::create_directories(m_carpeta / sub);
  }
}

CKorvelix::~CKorvelix() { Matar(); }

SArranque CKorvelix::Arranque(bool unaInstancia) const {
  SArranque a;
  a.argumentos = {KORVELIX_PROGRAMA, "--datos-usuario=" + (m_carpeta / "datos").string(),
                  "--perfil=" + (m_carpeta / "KORVELIX.INI").string(), "--sin-introduccion"};
  if (!unaInstancia) a.argumentos.push_back("--varias-instancias");
  a.entorno = m_escritorio.Entorno();
  a.entorno["HOME"] = (m_carpeta / "casa").string();
  a.entorno["XDG_CONFIG_HOME"] = (m_carpeta / "xdg" / "config").string();
  a.entorno["XDG_DATA_HOME"] = (m_carpeta / "xdg" / "datos").string();
  a.entorno["XDG_CACHE_HOME"] = (m_carpeta / "xdg" / "cache").string();
  // A person in Spain: the process locale must never change how numbers are read or written.
  a.entorno["LANG"] = "es_ES.UTF-8";
  a.entorno["LC_ALL"] = "";
  a.salida = Salida();
  a.errores = Salida();
  a.carpeta = m_carpeta / "casa";
  return a;
}

bool CKorvelix::Arrancar(bool unaInstancia, const std::vector<std::string>& otras) {
  SArranque arranque = Arranque(unaInstancia);
  arranque.argumentos.insert(arranque.argumentos.end(), otras.begin(), otras.end());
  m_pPrograma = std::make_unique<CProceso>(std::move(arranque));
  m_pid = m_pPrograma->Pid();
  return m_pid > 0 && m_pPrograma->Vivo();
}

SResultado CKorvelix::ArrancarOtraVez(std::chrono::milliseconds plazo) const {
  const SArranque a = Arranque(true);
  return Ejecutar(a.argumentos, a.entorno, plazo);
}

bool CKorvelix::Vivo() { return m_pPrograma && m_pPrograma->Vivo(); }

pid_t CKorvelix::Pid() const { return m_pid; }

std::optional<int> CKorvelix::EsperarFin(std::chrono::milliseconds plazo) {
  if (!m_pPrograma) return std::nullopt;
  return m_pPrograma->Esperar(plazo);
}

void CKorvelix::Matar() {
  if (m_pPrograma) m_pPrograma->Matar();
}

bool CKorvelix::EnListaDeProcesos() const {
  if (m_pid <= 0) return false;
  // A process that ended but was not reaped yet is a zombie: it is not running any more.
  std::ifstream estado("/proc/" + std::to_string(m_pid) + "/stat");
  std::string linea;
  if (!std::getline(estado, linea)) return false;
  const auto cierre = linea.rfind(')');
  return cierre != std::string::npos && cierre + 2 < linea.size() && linea[cierre + 2] != 'Z';
}

bool CKorvelix::PrepararAlmacen(const std::vector<SDeclaracionGuardada>& filas, std::string& error) const {
  std::ifstream esquema(std::filesystem::path(KORVELIX_FUENTES_RED) / "DatosDec.txt", std::ios::binary);
  if (!esquema) {
    error = "no schema of DatosDec in " KORVELIX_FUENTES_RED;
    return false;
  }
  std::string fuente((std::istreambuf_iterator<char>(esquema)), std::istreambuf_iterator<char>());
  if (!fuente.empty() && fuente.back() != '\n') fuente += '\n';
  static constexpr char kHex[] = "0123456789abcdef";
  for (const SDeclaracionGuardada& f : filas) {
    // clave|tipodec|idioma|moneda|liqui311|datos; the names are plain text with no separator in them.
    fuente += f.clave + "|" + std::to_string(f.tipodec) + "|" + f.idioma + "|||";
    for (const std::uint8_t b : f.datos) {
      fuente += kHex[b >> 4];
      fuente += kHex[b & 15];
    }
    fuente += '\n';
  }
  const std::filesystem::path carpeta = Almacen().parent_path();
  std::filesystem::create_directories(carpeta);
  const std::filesystem::path ruta = m_carpeta / "DatosDec.txt";
  std::ofstream(ruta, std::ios::binary) << fuente;
  const SResultado r = Ejecutar({KORVELIX_TABLA, "crear", ruta.string(), Almacen().string()});
  if (!r.Bien()) {
    error = "tabla crear failed: " + r.errores;
    return false;
  }
  return true;
}

bool CKorvelix::LeerAlmacen(std::vector<SDeclaracionGuardada>& filas, std::string& error) const {
  if (!std::filesystem::exists(Almacen())) {
    error = "there is no store at " + Almacen().string();
    return false;
  }
  const SResultado r = Ejecutar({KORVELIX_TABLA, "volcar", Almacen().string()});
  if (!r.Bien()) {
    error = "tabla volcar failed: " + r.errores;
    return false;
  }
  return LeerVolcadoDatosDec(r.salida, filas, error);
}

std::optional<SDeclaracionGuardada> CKorvelix::Declaracion(std::string_view clave, std::string* error) const {
  std::vector<SDeclaracionGuardada> filas;
  std::string motivo;
  if (!LeerAlmacen(filas, motivo)) {
    if (error != nullptr) *error = motivo;
    return std::nullopt;
  }
  for (auto& f : filas) {
    if (f.clave == clave) return f;
  }
  if (error != nullptr) *error = "no stored declaration is called \"" + std::string(clave) + "\"";
  return std::nullopt;
}

std::optional<std::vector<SHallazgoGuardado>> CKorvelix::Hallazgos(std::string_view clave, std::string* error) const {
  auto fallo = [&](std::string motivo) -> std::optional<std::vector<SHallazgoGuardado>> {
    if (error != nullptr) *error = std::move(motivo);
    return std::nullopt;
  };
  if (!std::filesystem::exists(TablaHallazgos())) return fallo("there is no findings table at " + TablaHallazgos().string());
  const SResultado r = Ejecutar({KORVELIX_TABLA, "volcar", TablaHallazgos().string()});
  if (!r.Bien()) return fallo("tabla volcar failed: " + r.errores);
  std::vector<SHallazgoGuardado> filas;
  std::string motivo;
  if (!LeerVolcadoHallazgos(r.salida, filas, motivo)) return fallo(motivo);
  std::vector<SHallazgoGuardado> suyos;
  for (SHallazgoGuardado& f : filas) {
    if (f.clave == clave) suyos.push_back(std::move(f));
  }
  return suyos;
}

}  // namespace e2e
