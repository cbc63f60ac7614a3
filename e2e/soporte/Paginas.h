// What a person at the keyboard knows of a form page: which boxes Tab walks through, in which order. Read from the
// page sources of the program (data/paginas/*.txt, docs/PAGINAS.md): Tab goes from box n to the next box of the
// page's box array that is not read-only, the array being the boxes by number.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct SCasillaPagina {
  int numero = 0;
  std::string id;  // "NIF1", ... (may be empty)
  bool lectura = false;
  bool enPantalla = true;
  std::string ventana;  // detail window, "" when none
};

class CPaginaFuente {
 public:
  // The page `pagina` (id such as 101, 202, 301) from the sources in `carpeta`; a page written with COMO takes
  // the boxes of its twin. None when no source names that page.
  static std::optional<CPaginaFuente> Leer(const std::filesystem::path& carpeta, int pagina);

  const std::vector<SCasillaPagina>& Casillas() const { return m_casillas; }
  // The number of the first box Tab can stop on (the box a page activates when it opens with the pointer over
  // no box); 0 when none.
  int PrimeraEditable() const;
  // How many Tab presses go from box `desde` to box `hasta`; none when `hasta` cannot take the focus.
  std::optional<int> Tabulaciones(int desde, int hasta) const;
  // The number of the first box with this identifier; 0 when none.
  int NumeroDe(const std::string& id) const;

 private:
  bool Editable(const SCasillaPagina& c) const { return !c.lectura && c.enPantalla; }
  std::vector<SCasillaPagina> m_casillas;  // by number
};

}  // namespace e2e
