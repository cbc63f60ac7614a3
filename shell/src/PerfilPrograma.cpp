#include "shell/PerfilPrograma.h"

#include <charconv>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "framework/DocumentoServicios.h"
#include "framework/ServiciosAplicacion.h"
#include "platform/Perfil.h"
#include "platform/Texto.h"

namespace shell {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kIdioma = "Idioma";
constexpr std::string_view kAspecto = "Aspecto";
constexpr std::string_view kDirectorios = "Directorios";

// An integer in at least four characters, zeros after the sign: the "%04d" of the profile.
std::string CuatroCifras(int valor) {
  char cifras[16];
  const long absoluto = valor < 0 ? -static_cast<long>(valor) : valor;
  char* fin = std::to_chars(cifras, cifras + sizeof cifras, absoluto).ptr;
  std::string texto(static_cast<const char*>(cifras), static_cast<const char*>(fin));
  const std::size_t ancho = valor < 0 ? 3 : 4;
  if (texto.size() < ancho) texto.insert(0, ancho - texto.size(), '0');
  return valor < 0 ? "-" + texto : texto;
}

// The whole numbers of a text separated by blanks; stops at the first piece that is not a number.
std::vector<int> NumerosSeparados(std::string_view texto) {
  std::vector<int> numeros;
  while (true) {
    texto = plataforma::RecortaIzquierda(texto);
    if (texto.empty()) break;
    std::size_t fin = texto.find(' ');
    if (fin == std::string_view::npos) fin = texto.size();
    std::string_view pieza = texto.substr(0, fin);
    if (!pieza.empty() && pieza.front() == '+') pieza.remove_prefix(1);
    int valor = 0;
    const auto [ptr, error] = std::from_chars(pieza.data(), pieza.data() + pieza.size(), valor);
    if (error != std::errc() || ptr != pieza.data() + pieza.size()) break;
    numeros.push_back(valor);
    texto.remove_prefix(fin);
  }
  return numeros;
}

}  // namespace

SColocacionVentana ColocacionDesdePerfil(long estado, std::string_view posicion) {
  SColocacionVentana colocacion;
  if (estado == 3) {
    colocacion.mostrar = EMostrarVentana::Normal;
    colocacion.restaurarMaximizada = false;
  } else if (estado == 2) {
    colocacion.mostrar = EMostrarVentana::Minimizada;
  }
  const std::vector<int> numeros = NumerosSeparados(posicion);
  if (numeros.size() >= 4) {
    const SRectangulo leido{numeros[0], numeros[1], numeros[2], numeros[3]};
    if (leido.derecha > leido.izquierda && leido.abajo > leido.arriba) colocacion.normal = leido;
  }
  return colocacion;
}

SRectangulo RectanguloPrimerArranque(const SRectangulo& area) {
  const int ancho = area.derecha - area.izquierda;
  const int alto = area.abajo - area.arriba;
  if (ancho <= 0 || alto <= 0) return SRectangulo{};
  const int anchoVentana = ancho * 3 / 4;
  const int altoVentana = alto * 3 / 4;
  const int izquierda = area.izquierda + (ancho - anchoVentana) / 2;
  const int arriba = area.arriba + (alto - altoVentana) / 2;
  return SRectangulo{izquierda, arriba, izquierda + anchoVentana, arriba + altoVentana};
}

std::string TextoPosicion(const SRectangulo& r) {
  return CuatroCifras(r.izquierda) + " " + CuatroCifras(r.arriba) + " " + CuatroCifras(r.derecha) + " " +
         CuatroCifras(r.abajo);
}

long EstadoParaPerfil(EMostrarVentana mostrar) {
  switch (mostrar) {
    case EMostrarVentana::Normal: return 3;
    case EMostrarVentana::Minimizada: return 2;
    case EMostrarVentana::Maximizada: break;
  }
  return 1;
}

SCarpetasPrograma CarpetasJuntoAlPrograma(const fs::path& ejecutable, const fs::path& datosUsuario) {
  std::error_code ec;
  fs::path programa = fs::weakly_canonical(ejecutable, ec);
  if (ec) programa = ejecutable;
  const fs::path raiz = programa.parent_path().parent_path();
  SCarpetasPrograma carpetas;
  carpetas.datosPrograma = raiz / "datos";
  carpetas.catalogos = raiz / "share" / "locale";
  const fs::path instalada = raiz / "share" / "korvelix" / "datos";
  if (!fs::is_directory(carpetas.datosPrograma / "local", ec) && fs::is_directory(instalada / "local", ec)) {
    carpetas.datosPrograma = instalada;
  }
  carpetas.datosUsuario = datosUsuario.empty() ? plataforma::CarpetaDatosUsuario() / "korvelix" : datosUsuario;
  return carpetas;
}

SAjustesPrograma& AjustesPrograma() {
  static SAjustesPrograma ajustes;
  return ajustes;
}

std::string NormalizarCarpeta(std::string_view carpeta) {
  std::string texto(plataforma::Recorta(carpeta));
  if (texto.starts_with("~/")) {
    const char* home = std::getenv("HOME");
    if (home != nullptr) texto = std::string(home) + texto.substr(1);
  }
  if (!texto.empty() && texto.back() != '/') texto.push_back('/');
  return texto;
}

void LeerPerfil(plataforma::CPerfil& perfil, const SCarpetasPrograma& carpetas) {
  SAjustesPrograma& a = AjustesPrograma();
  // The four languages the program ships are available unless the profile says otherwise.
  a.idioDisp = perfil.LeerCadena(kIdioma, "IdioDisp", "1111");
  marco::PonerIdiomaV(perfil.LeerCadena(kIdioma, "IdiomaV", "e"));
  marco::PonerIdiomaI(perfil.LeerCadena(kIdioma, "IdiomaI", "e"));
  marco::PonerZoomTexto(perfil.LeerCadena(kAspecto, "Zoom", "1.0"));

  const std::string local = NormalizarCarpeta((carpetas.datosPrograma / "local").string());
  const std::string red = NormalizarCarpeta((carpetas.datosUsuario / "red").string());
  a.dirBaseEnPerfil = perfil.Existe(kDirectorios, "DirBase");
  a.dirBDRedEnPerfil = perfil.Existe(kDirectorios, "DirBDRed");
  a.dirBDLocalEnPerfil = perfil.Existe(kDirectorios, "DirBDLocal");
  marco::PonerDirBase(NormalizarCarpeta(perfil.LeerCadena(kDirectorios, "DirBase", local)));
  a.dirBDRed = NormalizarCarpeta(perfil.LeerCadena(kDirectorios, "DirBDRed", red));
  a.dirBDLocal = NormalizarCarpeta(perfil.LeerCadena(kDirectorios, "DirBDLocal", local));
  a.dirBDRedPorDefecto = !a.dirBDRedEnPerfil || a.dirBDRed == red;

  a.barApartados = perfil.LeerEntero(kAspecto, "BarApartados", 2);
  a.barApartadosX = perfil.LeerEntero(kAspecto, "BarApartadosX", 50);
  a.barApartadosY = perfil.LeerEntero(kAspecto, "BarApartadosY", 425);
  a.asistente = perfil.LeerEntero(kAspecto, "Asistente", 0);
  a.maxDeclar = kMaxDeclaraciones;
  a.estado = perfil.LeerEntero(kAspecto, "Estado", 0);
  a.posicion = perfil.LeerCadena(kAspecto, "Posicion", "");
  a.barTool = perfil.LeerEntero(kAspecto, "BarTool", 1);
  a.barStat = perfil.LeerEntero(kAspecto, "BarStat", 1);

  perfil.EscribirCadena("CALCULADORA", "Memoria", "0.0");
}

void GuardarPerfil(plataforma::CPerfil& perfil) {
  const SAjustesPrograma& a = AjustesPrograma();
  perfil.EscribirCadena(kIdioma, "IdioDisp", a.idioDisp);
  perfil.EscribirCadena(kIdioma, "IdiomaV", marco::IdiomaV());
  perfil.EscribirCadena(kIdioma, "IdiomaI", marco::IdiomaI());
  if (a.dirBaseEnPerfil) perfil.EscribirCadena(kDirectorios, "DirBase", marco::DirBase());
  if (a.dirBDRedEnPerfil) perfil.EscribirCadena(kDirectorios, "DirBDRed", a.dirBDRed);
  if (a.dirBDLocalEnPerfil) perfil.EscribirCadena(kDirectorios, "DirBDLocal", a.dirBDLocal);
  perfil.EscribirCadena(kAspecto, "Zoom", marco::ZoomTexto());
  perfil.EscribirEntero(kAspecto, "BarApartados", a.barApartados);
  perfil.EscribirEntero(kAspecto, "BarApartadosX", a.barApartadosX);
  perfil.EscribirEntero(kAspecto, "BarApartadosY", a.barApartadosY);
  perfil.EscribirEntero(kAspecto, "Asistente", a.asistente);
  perfil.EscribirEntero(kAspecto, "Estado", a.estado);
  perfil.EscribirCadena(kAspecto, "Posicion", a.posicion);
  perfil.EscribirEntero(kAspecto, "BarTool", a.barTool);
  perfil.EscribirEntero(kAspecto, "BarStat", a.barStat);
  perfil.EscribirEntero("Parametros", "MaxDeclar", a.maxDeclar);
}

std::string RutaAyuda(std::string_view dirBase, char letra) {
  std::string nombre = "mideravo.hlp";
  nombre[7] = letra;
  std::string ruta(dirBase);
  if (!ruta.empty() && ruta.back() != '/') ruta.push_back('/');
  return ruta + nombre;
}

}  // namespace shell
