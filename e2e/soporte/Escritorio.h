// A private desktop for one road: its own X server (Xvfb, which picks a free display number itself) and an ordinary
// window manager (openbox), and the person in front of it: windows found by their titles, keys and text typed and
// clicks made through the X test extension (xdotool), the clipboard read back (xclip) and the screen kept as a
// picture when something goes wrong. Nothing here reads pixels to decide an outcome.
#pragma once

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Proceso.h"

namespace e2e {

using namespace std::chrono_literals;

// How long a road waits for something a person would see at once. Generous: a loaded machine is slow, and waiting
// ends as soon as the thing is there.
inline constexpr std::chrono::milliseconds kPlazoVentana = 20s;

struct SVentana {
  std::string id;      // the X window id as xdotool gives it
  std::string titulo;  // UTF-8
};

class CEscritorio {
 public:
  // Starts the server and the window manager; Listo() tells whether both are up. Their messages go to files in
  // `carpeta`.
  explicit CEscritorio(const std::filesystem::path& carpeta);
  ~CEscritorio();
  CEscritorio(const CEscritorio&) = delete;
  CEscritorio& operator=(const CEscritorio&) = delete;

  bool Listo() const { return m_bListo; }
  const std::string& Error() const { return m_error; }
  // ":N"
  const std::string& Pantalla() const { return m_pantalla; }
  // The environment every process on this desktop gets.
  std::map<std::string, std::string> Entorno() const;

  // The visible windows whose title matches the extended regular expression (as xdotool matches it).
  std::vector<SVentana> Ventanas(const std::string& patronTitulo) const;
  // Waits for a visible window whose title matches; none when it did not come within `plazo`.
  std::optional<SVentana> EsperarVentana(const std::string& patronTitulo,
                                         std::chrono::milliseconds plazo = kPlazoVentana) const;
  // Waits until no visible window's title matches; false when one is still there after `plazo`.
  bool EsperarSinVentana(const std::string& patronTitulo, std::chrono::milliseconds plazo = kPlazoVentana) const;
  // Waits until the window with this id is not visible any more.
  bool EsperarCerrada(const std::string& id, std::chrono::milliseconds plazo = kPlazoVentana) const;
  // The window that has the focus (as the window manager says).
  std::optional<SVentana> VentanaActiva() const;
  // Waits until the window with this id has the focus.
  bool EsperarActiva(const std::string& id, std::chrono::milliseconds plazo = 5s) const;
  // Asks the window manager to bring the window forward and give it the focus, as a click on it would.
  bool Activar(const std::string& id) const;

  // Keys as xdotool names them ("Tab", "ctrl+g", "alt+a", "Return"), one after the other, to the focused window.
  bool Teclas(const std::vector<std::string>& teclas) const;
  bool Tecla(const std::string& tecla) const { return Teclas({tecla}); }
  // Types a text (UTF-8) character by character to the focused window.
  bool Escribir(const std::string& texto) const;
  // Moves the pointer (it rests there: a page activates the box under it).
  bool MoverRaton(int x, int y) const;
  // A double click of the first button at the point (x, y) of the window with this id (the window's own
  // coordinates); the pointer stays there.
  bool DobleClic(const std::string& id, int x, int y) const;

  // The text of the clipboard (UTF-8); none when nobody holds it.
  std::optional<std::string> Portapapeles() const;
  // The whole screen as a PNG file.
  bool Capturar(const std::filesystem::path& png) const;

  // Runs an X tool on this desktop.
  SResultado Herramienta(const std::vector<std::string>& argumentos,
                         std::chrono::milliseconds plazo = std::chrono::seconds(20)) const;

 private:
  std::filesystem::path m_carpeta;
  std::unique_ptr<CProceso> m_pServidor;
  std::unique_ptr<CProceso> m_pGestor;
  std::string m_pantalla;
  std::string m_error;
  bool m_bListo = false;
};

}  // namespace e2e
