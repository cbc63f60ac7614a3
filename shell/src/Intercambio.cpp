#include "shell/Intercambio.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <set>
#include <span>
#include <system_error>

#include "framework/ImportesArea.h"
#include "platform/Numeros.h"
#include "platform/Texto.h"

namespace shell {

namespace fs = std::filesystem;

namespace {

// The version of the program's exchange files: the fiscal year, then the release.
constexpr std::string_view kVersionPrograma = "1999.1.0";

void PonEntero32(char* destino, std::int32_t valor) {
  const auto u = static_cast<std::uint32_t>(valor);
  for (int i = 0; i < 4; ++i) destino[i] = static_cast<char>((u >> (8 * i)) & 0xFFu);
}

std::int32_t LeeEntero32(const char* origen) {
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i) u |= static_cast<std::uint32_t>(static_cast<unsigned char>(origen[i])) << (8 * i);
  return static_cast<std::int32_t>(u);
}

struct CCerrarFichero {
  void operator()(std::FILE* f) const {
    if (f != nullptr) std::fclose(f);
  }
};
using PFichero = std::unique_ptr<std::FILE, CCerrarFichero>;

bool Escribir(std::FILE* f, const char* datos, std::size_t n) { return n == 0 || std::fwrite(datos, 1, n, f) == n; }

// The header of a record read from the file: its name (cut at a NUL, blank-padded), type, currency and liqui311.
// False when the header is not sound for `clase`; `codigo` then says why.
bool AnalizarCabecera(const char* cabecera, EClaseIntercambio clase, SEntradaIntercambio& entrada,
                      std::string& codigo) {
  std::string_view nombre(cabecera, kAnchoNombreDeclaracion);
  nombre = nombre.substr(0, std::min(nombre.find('\0'), nombre.size()));
  entrada.clave = NombreAlmacen(nombre);
  entrada.tipodec = LeeEntero32(cabecera + kLongitudNombreRegistro);
  entrada.moneda = cabecera[62];
  std::copy_n(cabecera + 64, 4, entrada.liqui311.begin());
  const std::optional<EClaseIntercambio> suya = ClaseDeTipo(entrada.tipodec);
  if (!suya.has_value() || NombreEnBlanco(entrada.clave) || (entrada.moneda != 'E' && entrada.moneda != 'P')) {
    codigo = kMsgDanado;
    return false;
  }
  if (*suya != clase) {
    codigo = kMsgOtraClase;
    return false;
  }
  return true;
}

}  // namespace

std::optional<EClaseIntercambio> ClaseDeTipo(std::int32_t tipodec) {
  if (tipodec == 1 || tipodec == 2) return EClaseIntercambio::Renta;
  if (tipodec == 3) return EClaseIntercambio::Patrimonio;
  return std::nullopt;
}

std::string_view ExtensionDeClase(EClaseIntercambio clase) {
  return clase == EClaseIntercambio::Patrimonio ? "pat" : "ren";
}

std::string VersionPrograma() { return std::string(kVersionPrograma); }

std::string_view FamiliaVersion(std::string_view version) {
  version = plataforma::Recorta(version.substr(0, std::min(version.find('\0'), version.size())));
  return version.substr(0, std::min(version.find('.'), version.size()));
}

std::array<char, kLongitudVersion> CampoVersion(std::string_view version) {
  std::array<char, kLongitudVersion> campo;
  campo.fill(' ');
  std::copy_n(version.begin(), std::min(version.size(), campo.size()), campo.begin());
  return campo;
}

std::array<char, kLongitudCuenta> CampoCuenta(int n) {
  std::array<char, kLongitudCuenta> campo;
  campo.fill(' ');
  n = std::clamp(n, 0, kMaximoCuenta);
  const auto r = std::to_chars(campo.data(), campo.data() + campo.size() - 1, n);
  *r.ptr = '\0';
  return campo;
}

std::optional<int> LeerCampoCuenta(const char* campo) {
  int n = 0;
  const auto r = std::from_chars(campo, campo + kLongitudCuenta, n);
  if (r.ec != std::errc() || r.ptr == campo || n < 0) return std::nullopt;
  if (!std::all_of(r.ptr, campo + kLongitudCuenta, [](char c) { return c == '\0' || c == ' '; })) {
    return std::nullopt;
  }
  return n;
}

std::array<char, kLongitudCabeceraRegistro> CabeceraRegistro(const SDeclaracionAlmacen& declaracion) {
  std::array<char, kLongitudCabeceraRegistro> cabecera{};
  const std::string nombre = NombreAlmacen(declaracion.clave);
  std::copy(nombre.begin(), nombre.end(), cabecera.begin());
  PonEntero32(cabecera.data() + kLongitudNombreRegistro, declaracion.tipodec);
  double moneda = 0;
  const bool esNumero = plataforma::LeeDouble(plataforma::Recorta(declaracion.moneda), moneda);
  cabecera[62] = (!esNumero || moneda == 0) ? 'E' : 'P';
  std::copy(declaracion.liqui311.begin(), declaracion.liqui311.end(), cabecera.begin() + 64);
  return cabecera;
}

bool EscribirIntercambio(const fs::path& fichero, std::string_view version,
                         const std::vector<SDeclaracionAlmacen>& declaraciones) {
  if (declaraciones.size() > static_cast<std::size_t>(kMaximoCuenta)) return false;
  for (const SDeclaracionAlmacen& d : declaraciones) {
    const std::size_t longitud = LongitudDatosDeTipo(d.tipodec);
    if (longitud == 0 || d.datos.size() != longitud) return false;
  }
  fs::path temporal = fichero;
  temporal += ".kvx-" + std::to_string(::getpid()) + ".tmp";
  std::error_code ec;
  bool bien = false;
  {
    PFichero f(std::fopen(temporal.c_str(), "wb"));
    if (!f) return false;
    const auto campoVersion = CampoVersion(version);
    const auto campoCuenta = CampoCuenta(static_cast<int>(declaraciones.size()));
    bien = Escribir(f.get(), campoVersion.data(), campoVersion.size()) &&
           Escribir(f.get(), campoCuenta.data(), campoCuenta.size());
    for (const SDeclaracionAlmacen& d : declaraciones) {
      if (!bien) break;
      const auto cabecera = CabeceraRegistro(d);
      bien = Escribir(f.get(), cabecera.data(), cabecera.size()) && Escribir(f.get(), d.datos.data(), d.datos.size());
    }
    bien = bien && std::fflush(f.get()) == 0 && ::fsync(::fileno(f.get())) == 0;
    bien = (std::fclose(f.release()) == 0) && bien;
  }
  if (bien) {
    fs::rename(temporal, fichero, ec);
    bien = !ec;
  }
  if (!bien) fs::remove(temporal, ec);
  return bien;
}

std::string AnalizarIntercambio(const fs::path& fichero, EClaseIntercambio clase, SFicheroIntercambio& resultado) {
  resultado = SFicheroIntercambio{};
  std::error_code ec;
  if (!fs::is_regular_file(fichero, ec)) return std::string(kMsgFicheroNoEncontrado);
  const std::uintmax_t tamano = fs::file_size(fichero, ec);
  std::ifstream f(fichero, std::ios::binary);
  if (ec || !f) return std::string(kMsgFicheroNoEncontrado);

  char cabecera[kLongitudCabeceraFichero];
  if (tamano < kLongitudCabeceraFichero || !f.read(cabecera, sizeof cabecera)) return std::string(kMsgDanado);
  const std::optional<int> cuenta = LeerCampoCuenta(cabecera + kLongitudVersion);
  if (!cuenta.has_value()) return std::string(kMsgDanado);
  const std::string version(cabecera, kLongitudVersion);
  if (FamiliaVersion(version) != FamiliaVersion(VersionPrograma())) return std::string(kMsgOtraVersion);
  if (*cuenta == 0) return std::string(kMsgSinDeclaraciones);

  SFicheroIntercambio leido;
  leido.ruta = fichero;
  leido.tamano = tamano;
  leido.version = version;
  std::uint64_t posicion = kLongitudCabeceraFichero;
  for (int i = 0; i < *cuenta; ++i) {
    if (tamano - posicion < kLongitudCabeceraRegistro) return std::string(kMsgDanado);
    char registro[kLongitudCabeceraRegistro];
    f.seekg(static_cast<std::streamoff>(posicion));
    if (!f.read(registro, sizeof registro)) return std::string(kMsgDanado);
    SEntradaIntercambio entrada;
    std::string codigo;
    if (!AnalizarCabecera(registro, clase, entrada, codigo)) return codigo;
    posicion += kLongitudCabeceraRegistro;
    const std::size_t longitud = LongitudDatosDeTipo(entrada.tipodec);
    if (tamano - posicion < longitud) return std::string(kMsgDanado);
    entrada.desplazamientoDatos = posicion;
    posicion += longitud;
    leido.entradas.push_back(std::move(entrada));
  }
  // Anything after the last declaration means the count or a length is not what was written.
  if (posicion != tamano) return std::string(kMsgDanado);
  resultado = std::move(leido);
  return {};
}

bool LeerDeclaracionesIntercambio(const SFicheroIntercambio& fichero, const std::vector<std::size_t>& indices,
                                  std::vector<SDeclaracionAlmacen>& declaraciones) {
  declaraciones.clear();
  std::error_code ec;
  if (fs::file_size(fichero.ruta, ec) != fichero.tamano || ec) return false;
  std::ifstream f(fichero.ruta, std::ios::binary);
  if (!f) return false;
  std::vector<SDeclaracionAlmacen> leidas;
  for (std::size_t indice : indices) {
    if (indice >= fichero.entradas.size()) return false;
    const SEntradaIntercambio& e = fichero.entradas[indice];
    // The header again: the file must still hold what was analysed.
    char registro[kLongitudCabeceraRegistro];
    f.seekg(static_cast<std::streamoff>(e.desplazamientoDatos - kLongitudCabeceraRegistro));
    if (!f.read(registro, sizeof registro)) return false;
    if (LeeEntero32(registro + kLongitudNombreRegistro) != e.tipodec) return false;
    SDeclaracionAlmacen d;
    d.clave = e.clave;
    d.tipodec = e.tipodec;
    d.moneda = e.moneda == 'P' ? "1" : "0";
    d.liqui311 = e.liqui311;
    d.datos.assign(LongitudDatosDeTipo(e.tipodec), '\0');
    if (!f.read(d.datos.data(), static_cast<std::streamsize>(d.datos.size()))) return false;
    leidas.push_back(std::move(d));
  }
  declaraciones = std::move(leidas);
  return true;
}

std::vector<SFilaAlmacen> DeclaracionesExportables(const CAlmacenDeclaraciones& almacen, EClaseIntercambio clase) {
  std::vector<SFilaAlmacen> filas;
  almacen.Listar(true, true, filas);
  // A damaged row of a store being rescued cannot be read whole: it is not offered.
  std::erase_if(filas, [clase](const SFilaAlmacen& f) { return f.danada || ClaseDeTipo(f.tipodec) != clase; });
  if (filas.size() > static_cast<std::size_t>(kMaximoDeclaraciones)) filas.resize(kMaximoDeclaraciones);
  return filas;
}

std::string ExportarDeclaraciones(const CAlmacenDeclaraciones& almacen, const fs::path& fichero,
                                  const std::vector<std::string>& nombres, std::string_view version) {
  if (nombres.empty()) return std::string(kMsgSinDeclaraciones);
  std::vector<SDeclaracionAlmacen> declaraciones;
  for (const std::string& nombre : nombres) {
    SDeclaracionAlmacen d;
    switch (almacen.Cargar(nombre, d)) {
      case EResultadoAlmacen::Hecho:
        break;
      case EResultadoAlmacen::NoExiste:
        return "MUES008";
      case EResultadoAlmacen::Danado:
        return std::string(kMsgAlmacenDanado);
      default:
        return std::string(kMsgNoGuardado);
    }
    declaraciones.push_back(std::move(d));
  }
  return EscribirIntercambio(fichero, version, declaraciones) ? std::string(kMsgExportadas)
                                                              : std::string(kMsgNoSeEscribe);
}

SResultadoImportacion ImportarDeclaraciones(const CAlmacenDeclaraciones& almacen, const SFicheroIntercambio& fichero,
                                            const std::vector<std::size_t>& elegidas,
                                            const FuncionDecisionNombre& decidir) {
  if (elegidas.empty()) return {};
  std::set<std::string> nombresElegidos;
  for (std::size_t indice : elegidas) {
    if (indice >= fichero.entradas.size()) return {std::string(kMsgDanado), 0};
    if (!nombresElegidos.insert(fichero.entradas[indice].clave).second) return {std::string(kMsgNombreRepetido), 0};
  }

  // Every name is settled before anything is read or written.
  std::set<std::string> planeados;
  std::set<std::string> sobrescribir;
  std::vector<std::size_t> aImportar;
  std::vector<std::string> nombresFinales;
  bool todas = false;
  constexpr int kMaximoPreguntas = 100;
  for (std::size_t indice : elegidas) {
    std::string nombre = fichero.entradas[indice].clave;
    bool importar = false;
    for (int pregunta = 0;; ++pregunta) {
      const int existe = almacen.Existe(nombre);
      if (existe < 0) return {std::string(kMsgNoGuardado), 0};
      const bool enEstaImportacion = planeados.count(nombre) != 0;
      if (existe == 0 && !enEstaImportacion) {
        importar = true;
        break;
      }
      if (!enEstaImportacion && todas) {
        sobrescribir.insert(nombre);
        importar = true;
        break;
      }
      if (pregunta >= kMaximoPreguntas || !decidir) return {};
      const SDecisionNombre d = decidir(nombre, !enEstaImportacion);
      if (d.decision == EDecisionNombre::Cancelar) return {};
      if (d.decision == EDecisionNombre::Omitir) break;
      if (d.decision == EDecisionNombre::Renombrar) {
        if (!NombreEnBlanco(d.nombreNuevo)) nombre = NombreAlmacen(d.nombreNuevo);
        continue;
      }
      if (enEstaImportacion) continue;  // a name of this same import cannot be overwritten: asked again
      if (d.decision == EDecisionNombre::SobrescribirTodas) todas = true;
      sobrescribir.insert(nombre);
      importar = true;
      break;
    }
    if (!importar) continue;
    planeados.insert(nombre);
    aImportar.push_back(indice);
    nombresFinales.push_back(nombre);
  }
  if (aImportar.empty()) return {};

  const long almacenadas = almacen.Contar();
  if (almacenadas < 0) return {std::string(kMsgNoGuardado), 0};
  const long nuevas = static_cast<long>(aImportar.size() - sobrescribir.size());
  if (almacenadas + nuevas > kMaximoDeclaraciones) return {std::string(kMsgLimite), 0};

  std::vector<SDeclaracionAlmacen> declaraciones;
  if (!LeerDeclaracionesIntercambio(fichero, aImportar, declaraciones)) return {std::string(kMsgDanado), 0};
  for (std::size_t i = 0; i < declaraciones.size(); ++i) declaraciones[i].clave = nombresFinales[i];
  // An amount that is not a number (NaN, infinity) would run through every result of the calculation.
  for (const SDeclaracionAlmacen& d : declaraciones) {
    if (marco::PrimerImporteNoFinito(std::span<const char>(d.datos)).has_value()) {
      return {std::string(kMsgImporteNoValido), 0};
    }
  }

  switch (almacen.Guardar(declaraciones, sobrescribir)) {
    case EResultadoAlmacen::Hecho:
      return {std::string(kMsgImportadas), static_cast<int>(declaraciones.size())};
    case EResultadoAlmacen::Lleno:
      return {std::string(kMsgLimite), 0};
    case EResultadoAlmacen::Existe:
      return {std::string(kMsgAlmacenCambiado), 0};
    case EResultadoAlmacen::Bloqueo:
    case EResultadoAlmacen::Ocupado:
      return {std::string(kMsgBloqueado), 0};
    case EResultadoAlmacen::SinBloqueos:
      return {std::string(kMsgSinBloqueos), 0};
    case EResultadoAlmacen::SinEspacio:
      return {std::string(kMsgSinEspacio), 0};
    case EResultadoAlmacen::SoloLectura:
      return {std::string(kMsgSoloLectura), 0};
    case EResultadoAlmacen::Danado:
      return {std::string(kMsgDanado), 0};
    default:
      return {std::string(kMsgNoGuardado), 0};
  }
}

}  // namespace shell
