// The profile file: a small INI file of sections ("[Idioma]") and keys ("IdiomaV=e") where the program keeps the
// user's settings between runs. Section and key names are matched without regard to case; lines the program does
// not know (comments, other sections, other keys) are kept as they are when the file is written again.
//
// The file lives under the user's configuration folder (XDG), unless the program is told another path.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace plataforma {

class CPerfil {
 public:
  // Keeps the path; reads the file when it exists (a missing file is an empty profile).
  explicit CPerfil(std::filesystem::path ruta);

  // Reads the file again, dropping what was changed and not written. A missing file gives an empty profile and
  // true; a file that exists and cannot be read (a folder, no permission) gives an empty profile and false.
  bool Cargar();
  // Writes the whole profile: to a new file beside it that then replaces the old one, so a failure leaves the old
  // file whole. The folder is made when missing. False when it cannot be written.
  bool Guardar() const;

  // The value of a key without the blanks around it (and without one pair of surrounding double quotes), or
  // `defecto` when the section or the key is missing.
  std::string LeerCadena(std::string_view seccion, std::string_view clave, std::string_view defecto) const;
  // The value as a whole number: blanks, an optional sign, then digits up to the first other character ("12ab" is
  // 12, "abc" is 0); `defecto` when the key is missing.
  long LeerEntero(std::string_view seccion, std::string_view clave, long defecto) const;
  bool Existe(std::string_view seccion, std::string_view clave) const;

  // Sets a key, adding the section at the end and the key at the end of its section when missing. A line break in
  // the value becomes a blank, so a value can never make lines of its own. A section or key name that is empty or
  // holds "[", "]", "=", ";" or a line break is refused (false, nothing changes).
  bool EscribirCadena(std::string_view seccion, std::string_view clave, std::string_view valor);
  bool EscribirEntero(std::string_view seccion, std::string_view clave, long valor);
  // Removes a key; nothing happens when it is missing.
  void Borrar(std::string_view seccion, std::string_view clave);

  const std::filesystem::path& Ruta() const { return m_ruta; }

 private:
  // One line of the file as read: a section heading, a key with its value, or anything else (kept verbatim).
  struct SLinea {
    enum class ETipo { Otra, Seccion, Clave } tipo = ETipo::Otra;
    std::string nombre;  // the section's or the key's name
    std::string valor;   // the key's value, as written after "="
    std::string texto;   // the line as read (for Otra)
  };

  // The index of the section's heading, or -1.
  long BuscarSeccion(std::string_view seccion) const;
  // The index of the key within the section that starts at `inicio` (the heading), or -1.
  long BuscarClave(long inicio, std::string_view clave) const;
  // The index after the last line of the section that starts at `inicio`.
  long FinSeccion(long inicio) const;

  std::filesystem::path m_ruta;
  std::vector<SLinea> m_lineas;
};

// The user's configuration folder: $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config.
std::filesystem::path CarpetaConfiguracionUsuario();
// The user's data folder: $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share.
std::filesystem::path CarpetaDatosUsuario();

}  // namespace plataforma
