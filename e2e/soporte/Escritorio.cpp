#include "Escritorio.h"

#include <poll.h>
#include <unistd.h>

#include <sstream>

namespace e2e {

namespace {

std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::istringstream in(texto);
  std::string linea;
  while (std::getline(in, linea)) {
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    if (!linea.empty()) lineas.push_back(linea);
  }
  return lineas;
}

std::string SinSaltoFinal(std::string texto) {
  while (!texto.empty() && (texto.back() == '\n' || texto.back() == '\r')) texto.pop_back();
  return texto;
}

}  // namespace

CEscritorio::CEscritorio(const std::filesystem::path& carpeta) : m_carpeta(carpeta) {
  std::filesystem::create_directories(m_carpeta);
  if (!HayPrograma("Xvfb") || !HayPrograma("openbox") || !HayPrograma("xdotool")) {
    m_error = "Xvfb, openbox and xdotool are needed (scripts/install-deps installs them)";
    return;
  }
  // The server writes the display number it chose on this pipe once it accepts connections.
  int tubo[2];
  if (::pipe(tubo) != 0) {
    m_error = "no pipe for the display number";
    return;
  }
  SArranque servidor;
  servidor.argumentos = {"Xvfb", "-displayfd", std::to_string(tubo[1]), "-screen", "0", "1280x1024x24",
                         "-nolisten", "tcp"};
  servidor.errores = m_carpeta / "xvfb.log";
  servidor.salida = m_carpeta / "xvfb.log";
  servidor.fdExtra = tubo[1];
  m_pServidor = std::make_unique<CProceso>(servidor);
  ::close(tubo[1]);
  std::string numero;
  const auto fin = std::chrono::steady_clock::now() + kPlazoVentana;
  while (std::chrono::steady_clock::now() < fin) {
    pollfd p{tubo[0], POLLIN, 0};
    if (::poll(&p, 1, 100) > 0) {
      char c = 0;
      const ssize_t n = ::read(tubo[0], &c, 1);
      if (n <= 0 || c == '\n') break;
      numero += c;
    } else if (!m_pServidor->Vivo()) {
      break;
    }
  }
  ::close(tubo[0]);
  if (numero.empty()) {
    m_error = "Xvfb did not start (see " + (m_carpeta / "xvfb.log").string() + ")";
    return;
  }
  m_pantalla = ":" + numero;

  SArranque gestor;
  gestor.argumentos = {"openbox"};
  gestor.entorno = Entorno();
  gestor.salida = m_carpeta / "openbox.log";
  gestor.errores = m_carpeta / "openbox.log";
  m_pGestor = std::make_unique<CProceso>(gestor);
  // The window manager is there once it has put its mark on the root window.
  const bool gestorListo = EsperarHasta(
      [this] {
        const SResultado r = Herramienta({"xprop", "-root", "_NET_SUPPORTING_WM_CHECK"}, std::chrono::seconds(5));
        return r.Bien() && r.salida.find("window id") != std::string::npos;
      },
      kPlazoVentana, std::chrono::milliseconds(100));
  if (!gestorListo) {
    m_error = "openbox did not start (see " + (m_carpeta / "openbox.log").string() + ")";
    return;
  }
  // The pointer rests in a corner, over no box of any page.
  MoverRaton(0, 0);
  m_bListo = true;
}

CEscritorio::~CEscritorio() {
  m_pGestor.reset();
  m_pServidor.reset();
}

std::map<std::string, std::string> CEscritorio::Entorno() const {
  return {{"DISPLAY", m_pantalla},
          {"WAYLAND_DISPLAY", ""},
          {"GDK_BACKEND", "x11"},
          // No accessibility bus to look for: nothing would answer on a private desktop.
          {"NO_AT_BRIDGE", "1"}};
}

SResultado CEscritorio::Herramienta(const std::vector<std::string>& argumentos,
                                    std::chrono::milliseconds plazo) const {
  return Ejecutar(argumentos, Entorno(), plazo);
}

std::vector<SVentana> CEscritorio::Ventanas(const std::string& patronTitulo) const {
  std::vector<SVentana> ventanas;
  const SResultado r = Herramienta({"xdotool", "search", "--onlyvisible", "--name", patronTitulo});
  for (const std::string& id : Lineas(r.salida)) {
    const SResultado nombre = Herramienta({"xdotool", "getwindowname", id});
    if (nombre.Bien()) ventanas.push_back({id, SinSaltoFinal(nombre.salida)});
  }
  return ventanas;
}

std::optional<SVentana> CEscritorio::EsperarVentana(const std::string& patronTitulo,
                                                    std::chrono::milliseconds plazo) const {
  std::optional<SVentana> hallada;
  EsperarHasta(
      [&] {
        const auto v = Ventanas(patronTitulo);
        if (!v.empty()) hallada = v.front();
        return hallada.has_value();
      },
      plazo, std::chrono::milliseconds(100));
  return hallada;
}

bool CEscritorio::EsperarSinVentana(const std::string& patronTitulo, std::chrono::milliseconds plazo) const {
  return EsperarHasta([&] { return Ventanas(patronTitulo).empty(); }, plazo, std::chrono::milliseconds(100));
}

bool CEscritorio::EsperarCerrada(const std::string& id, std::chrono::milliseconds plazo) const {
  return EsperarHasta(
      [&] {
        const SResultado r = Herramienta({"xdotool", "search", "--onlyvisible", "--name", "."});
        for (const std::string& visible : Lineas(r.salida)) {
          if (visible == id) return false;
        }
        return true;
      },
      plazo, std::chrono::milliseconds(100));
}

std::optional<SVentana> CEscritorio::VentanaActiva() const {
  const SResultado r = Herramienta({"xdotool", "getactivewindow"});
  if (!r.Bien()) return std::nullopt;
  const std::string id = SinSaltoFinal(r.salida);
  const SResultado nombre = Herramienta({"xdotool", "getwindowname", id});
  return SVentana{id, SinSaltoFinal(nombre.salida)};
}

bool CEscritorio::EsperarActiva(const std::string& id, std::chrono::milliseconds plazo) const {
  return EsperarHasta(
      [&] {
        const auto activa = VentanaActiva();
        return activa && activa->id == id;
      },
      plazo, std::chrono::milliseconds(50));
}

bool CEscritorio::Activar(const std::string& id) const {
  Herramienta({"xdotool", "windowactivate", id}, std::chrono::seconds(5));
  return EsperarActiva(id);
}

bool CEscritorio::Teclas(const std::vector<std::string>& teclas) const {
  std::vector<std::string> argumentos = {"xdotool", "key", "--delay", "40"};
  argumentos.insert(argumentos.end(), teclas.begin(), teclas.end());
  return Herramienta(argumentos).Bien();
}

bool CEscritorio::DobleClic(const std::string& id, int x, int y) const {
  return Herramienta({"xdotool", "mousemove", "--window", id, "--sync", std::to_string(x), std::to_string(y), "click",
                      "--repeat", "2", "--delay", "80", "1"})
      .Bien();
}

bool CEscritorio::Escribir(const std::string& texto) const {
  return Herramienta({"xdotool", "type", "--delay", "40", "--", texto}).Bien();
}

bool CEscritorio::MoverRaton(int x, int y) const {
  return Herramienta({"xdotool", "mousemove", std::to_string(x), std::to_string(y)}).Bien();
}

std::optional<std::string> CEscritorio::Portapapeles() const {
  const SResultado r = Herramienta({"xclip", "-o", "-selection", "clipboard"}, std::chrono::seconds(5));
  if (!r.Bien()) return std::nullopt;
  return r.salida;
}

bool CEscritorio::Capturar(const std::filesystem::path& png) const {
  return Herramienta({"import", "-window", "root", png.string()}).Bien();
}

}  // namespace e2e
