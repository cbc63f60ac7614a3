#include "TablasPagina.h"

#include <fstream>
#include <system_error>

#include "DibujoPagina.h"
#include "platform/Texto.h"

namespace paginas {
namespace {

using plataforma::CCampoTabla;
using plataforma::CEtiquetaTabla;
using plataforma::CFilaFuente;
using plataforma::CFuenteTabla;

std::string Logico(bool v) { return v ? "T" : "F"; }

CFuenteTabla Tabla(std::string nombre, std::vector<CCampoTabla> campos, std::string clave) {
  CFuenteTabla t;
  t.nombre = std::move(nombre);
  t.campos = std::move(campos);
  t.etiquetas.push_back(CEtiquetaTabla{"CLAVE", std::move(clave), 0});
  return t;
}

void Fila(CFuenteTabla& t, std::vector<std::string> valores) {
  CFilaFuente f;
  f.valores = std::move(valores);
  t.filas.push_back(std::move(f));
}

// Writes a file whole or not at all: into a side file first, then renamed over the old one.
bool EscribeEntero(const std::filesystem::path& ruta, const std::string& bytes, std::string& error) {
  std::filesystem::path temporal = ruta;
  temporal += ".tmp";
  {
    std::ofstream f(temporal, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f.good()) {
      error = "no se puede escribir " + temporal.string();
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporal, ruta, ec);
  if (ec) {
    error = "no se puede escribir " + ruta.string() + ": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace

std::string NombreGemela(const std::string& tabla, char idioma) {
  std::string nombre = tabla;
  if (nombre.size() >= 8) nombre[7] = idioma;
  return nombre;
}

std::string Clave4(int numero) {
  std::string t = std::to_string(numero);
  if (t.size() < 4) t.insert(0, 4 - t.size(), ' ');
  return t;
}

CFuenteTabla TablaControles(const std::vector<CPagina>& paginas) {
  CFuenteTabla t = Tabla("ControlX",
                         {{"IndiceFich", 'C', 4, 0},
                          {"IndNumero", 'C', 4, 0},
                          {"fminternet", 'C', 4, 0},
                          {"Idinternet", 'N', 6, 0},
                          {"Coor_1", 'N', 5, 0},
                          {"Coor_2", 'N', 5, 0},
                          {"Coor_3", 'N', 5, 0},
                          {"Coor_4", 'N', 5, 0},
                          {"NumeroDeCo", 'N', 8, 0},
                          {"SoloLectur", 'L', 1, 0},
                          {"PintarEn", 'N', 1, 0},
                          {"Identifica", 'C', static_cast<int>(kMaxIdentifica), 0},
                          {"StrValidac", 'C', static_cast<int>(kMaxMascara), 0},
                          {"FicheroTab", 'C', static_cast<int>(kMaxFicheroTabla), 0},
                          {"NombreVent", 'C', static_cast<int>(kMaxNombreVentana), 0},
                          {"AdmitNega", 'L', 1, 0}},
                         "IndiceFich+IndNumero");
  for (const CPagina& p : paginas) {
    for (const CCasilla& c : p.casillas) {
      Fila(t, {Clave4(p.id), Clave4(c.numero), c.fmInternet, std::to_string(c.idInternet),
               std::to_string(c.rect.left), std::to_string(c.rect.top), std::to_string(c.rect.right),
               std::to_string(c.rect.bottom), std::to_string(c.ayuda), Logico(c.soloLectura),
               std::to_string(c.pintarEn), c.identifica, c.mascara, c.ficheroTabla, c.nombreVentana,
               Logico(c.admiteNegativos)});
    }
  }
  return t;
}

CFuenteTabla TablaControlesIdioma(const std::vector<CPagina>& paginas, int idioma) {
  CFuenteTabla t = Tabla(NombreGemela("ControlX", kIdiomas[static_cast<std::size_t>(idioma)]),
                         {{"IndiceFich", 'C', 4, 0},
                          {"IndNumero", 'C', 4, 0},
                          {"TituloVent", 'C', static_cast<int>(kMaxTituloVentana), 0},
                          {"TextoDibuj", 'C', static_cast<int>(kMaxDescripcion), 0}},
                         "IndiceFich+IndNumero");
  for (const CPagina& p : paginas) {
    for (const CCasilla& c : p.casillas) {
      Fila(t, {Clave4(p.id), Clave4(c.numero), TextoEn(c.tituloVentana, idioma), TextoEn(c.descripcion, idioma)});
    }
  }
  return t;
}

CFuenteTabla TablaPaginas(const std::vector<CPagina>& paginas) {
  CFuenteTabla t = Tabla("Paginasx",
                         {{"IndiceFich", 'C', 4, 0},
                          {"TipoDec", 'N', 2, 0},
                          {"NumCuadros", 'N', 4, 0},
                          {"FicheroWMF", 'C', static_cast<int>(kMaxFicheroDibujo), 0}},
                         "IndiceFich");
  for (const CPagina& p : paginas) {
    Fila(t, {Clave4(p.id), std::to_string(p.tipoDec), std::to_string(p.casillas.size()), p.ficheroDibujo});
  }
  return t;
}

CFuenteTabla TablaPaginasIdioma(const std::vector<CPagina>& paginas, int idioma) {
  CFuenteTabla t = Tabla(NombreGemela("Paginasx", kIdiomas[static_cast<std::size_t>(idioma)]),
                         {{"IndiceFich", 'C', 4, 0}, {"TituloPagi", 'C', static_cast<int>(kMaxTituloPagina), 0}},
                         "IndiceFich");
  for (const CPagina& p : paginas) Fila(t, {Clave4(p.id), TextoEn(p.titulo, idioma)});
  return t;
}

std::vector<CFuenteTabla> TablasDePaginas(const std::vector<CPagina>& paginas) {
  std::vector<CFuenteTabla> tablas;
  tablas.push_back(TablaControles(paginas));
  for (int k = 0; k < kNumIdiomas; ++k) tablas.push_back(TablaControlesIdioma(paginas, k));
  tablas.push_back(TablaPaginas(paginas));
  for (int k = 0; k < kNumIdiomas; ++k) tablas.push_back(TablaPaginasIdioma(paginas, k));
  return tablas;
}

bool ConstruyePaginas(const std::vector<CPagina>& paginas, const std::filesystem::path& carpeta, bool fuentes,
                      std::string& error) {
  std::error_code ec;
  std::filesystem::create_directories(carpeta, ec);
  if (ec) {
    error = "no se puede crear " + carpeta.string() + ": " + ec.message();
    return false;
  }
  // Every picture is drawn before anything is written, so a page that cannot be drawn leaves the old files.
  std::vector<std::pair<std::filesystem::path, std::string>> dibujos;
  for (const CPagina& p : paginas) {
    for (int k = 0; k < kNumIdiomas; ++k) {
      std::string fallo;
      const std::vector<std::uint8_t> bytes = DibujaPagina(p, k, fallo);
      if (bytes.empty()) {
        error = p.origen + ": " + fallo;
        return false;
      }
      dibujos.emplace_back(carpeta / NombreDibujo(p.ficheroDibujo, kIdiomas[static_cast<std::size_t>(k)]),
                           std::string(bytes.begin(), bytes.end()));
    }
  }
  for (const CFuenteTabla& t : TablasDePaginas(paginas)) {
    std::string fallo;
    if (!plataforma::CreaTablaDeFuente(t, carpeta / (t.nombre + ".DBF"), fallo)) {
      error = t.nombre + ": " + fallo;
      return false;
    }
    if (fuentes && !EscribeEntero(carpeta / (t.nombre + ".txt"), plataforma::EscribeFuenteTabla(t), error)) {
      return false;
    }
  }
  for (const auto& [ruta, bytes] : dibujos) {
    if (!EscribeEntero(ruta, bytes, error)) return false;
  }
  return true;
}

}  // namespace paginas
