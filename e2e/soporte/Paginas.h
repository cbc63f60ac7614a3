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
  std::string mascara;  // the picture, type letter first ("F12*5", "D8", "T1")
  std::string tabla;    // the lookup table of a list box, "" when none
  std::string ventana;  // detail window, "" when none
  std::string impreso;  // the number printed beside the box ("325"), "" when none
  std::string etiqueta;  // the Castilian label (or the description when the box has no label)
  std::string internet;  // its format in the Internet filing file ("030A"), "" when the box is not filed
  int ordenInternet = 0;  // its place among the page's filed fields (999: not filed)
};

// Where a box's value lies in its page's line of the Internet filing file.
struct SCampoInternet {
  std::size_t inicio = 0;
  std::size_t ancho = 0;
};

// One page source as its heading says: page id, class name and form.
struct SPaginaFuente {
  int pagina = 0;
  std::string nombre;  // "ORD009"
  int tipodec = 0;
  int como = 0;  // the page whose boxes it takes, 0 when its own
};

class CPaginaFuente {
 public:
  // The page `pagina` (id such as 101, 202, 301) from the sources in `carpeta`; a page written with COMO takes
  // the boxes of its twin. None when no source names that page.
  static std::optional<CPaginaFuente> Leer(const std::filesystem::path& carpeta, int pagina);
  // Every page source of the folder, by page id.
  static std::vector<SPaginaFuente> Listar(const std::filesystem::path& carpeta);

  const std::vector<SCasillaPagina>& Casillas() const { return m_casillas; }
  // The number of the first box Tab can stop on (the box a page activates when it opens with the pointer over
  // no box); 0 when none.
  int PrimeraEditable() const;
  // How many Tab presses go from box `desde` to box `hasta`; none when `hasta` cannot take the focus.
  std::optional<int> Tabulaciones(int desde, int hasta) const;
  // The number of the first box with this identifier; 0 when none.
  int NumeroDe(const std::string& id) const;
  // Where box `numero` lies in the page's line of the Internet filing file: after the model, the page and the sheet
  // mark (six characters), the filed fields in their order, each as wide as its format says (width, and its
  // decimals for the numeric kinds 1, 9, G, M, N, Z). None for a box that is not filed.
  std::optional<SCampoInternet> CampoInternet(int numero) const;

 private:
  bool Editable(const SCasillaPagina& c) const { return !c.lectura && c.enPantalla; }
  std::vector<SCasillaPagina> m_casillas;  // by number
};

}  // namespace e2e
