// What the Internet filing tests share: a folder of their own, box arrays made in memory (their filing loader adds
// the boxes a test describes instead of reading the box tables), a progress window that records and can cancel, and
// reading a written file back.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "framework/Campo.h"
#include "framework/ControlesPagina.h"
#include "output/InternetFichero.h"

namespace salida::pruebas {

// One box of an in-memory page: picture, Internet format and number, bound value, identifier, where it is drawn.
struct SCasillaPrueba {
  std::string mascara;
  std::string formato;
  int orden = kOrdenNoEscrito;
  void* dato = nullptr;
  std::string identifica = {};
  int pintarEn = marco::kPintarSiempre;
};

// A page whose filing loader adds the described boxes; it has `hojas` sheets and records what the writer asks.
class CControlesFijos : public marco::CControlesPagina {
 public:
  explicit CControlesFijos(std::vector<SCasillaPrueba> casillas, int hojas = 1)
      : m_casillas(std::move(casillas)), m_nHojas(hojas) {}

  int CargarVariante(int idPagina, double /*escala*/, marco::CBaseDatos* /*baseDatos*/) override {
    cargada = idPagina;
    if (fallarCarga) return 0;
    for (const SCasillaPrueba& c : m_casillas) {
      auto campo = std::make_unique<marco::CCampo>();
      campo->IndiceFich = idPagina;
      campo->IndNumero = NumeroDePosicion(NumeroCampos());
      campo->StrValidac = c.mascara;
      campo->fminternet = c.formato;
      campo->Idinternet = c.orden;
      campo->Identifica = c.identifica;
      campo->PintarEn = c.pintarEn;
      campo->LeerMascara('P');
      campo->Dato = c.dato;
      Anadir(std::move(campo));
    }
    return 1;
  }
  int AvisoGrupo(int hoja, int /*palabra*/) override { return m_nHojas < 0 || hoja <= m_nHojas ? 1 : 0; }
  void CamposDerivados(int hoja) override {
    hojasPreparadas.push_back(hoja);
    if (alPreparar) alPreparar(hoja);
  }

  int cargada = 0;
  bool fallarCarga = false;
  std::vector<int> hojasPreparadas;
  std::function<void(int)> alPreparar;

 private:
  std::vector<SCasillaPrueba> m_casillas;
  int m_nHojas;  // below 0: every sheet exists
};

// A declaration whose pages are made by the test: by page id, a maker of the page's box array.
template <class Interfaz>
class CDocumentoPrueba : public Interfaz {
 public:
  std::string DameClaveDeclaracion() const override { return clave; }
  int DameTipoDeclaracion() const override { return tipo; }
  std::shared_ptr<marco::CControlesPagina> CrearControlesPagina(int idPagina) override {
    pedidas.push_back(idPagina);
    const auto it = paginas.find(idPagina);
    if (it == paginas.end()) return nullptr;
    return it->second();
  }
  void ControlesCargados(int idPagina, marco::CControlesPagina& controles) override {
    cargadas.push_back(idPagina);
    if (alCargar) alCargar(idPagina, controles);
  }

  std::string clave = "PRUEBA";
  int tipo = 2;
  std::map<int, std::function<std::unique_ptr<marco::CControlesPagina>()>> paginas;
  std::function<void(int, marco::CControlesPagina&)> alCargar;
  std::vector<int> pedidas;
  std::vector<int> cargadas;
};

// Records the progress and, when told, asks the writer to stop after a given number of pages.
class CProgresoPrueba : public IProgresoInternet {
 public:
  explicit CProgresoPrueba(CInetFichero* escritor = nullptr, int cancelarTras = 0)
      : m_pEscritor(escritor), m_nCancelarTras(cancelarTras) {}
  void MostrarPagina(std::string_view clave, std::string_view tipo, std::string_view texto) override {
    claves.emplace_back(clave);
    tipos.emplace_back(tipo);
    textos.emplace_back(texto);
  }
  void Bombear() override {
    ++bombeos;
    if (m_pEscritor != nullptr && bombeos == m_nCancelarTras) m_pEscritor->PonerCancelado(1);
  }

  std::vector<std::string> claves;
  std::vector<std::string> tipos;
  std::vector<std::string> textos;
  int bombeos = 0;

 private:
  CInetFichero* m_pEscritor;
  int m_nCancelarTras;
};

// A folder of the test's own, removed afterwards.
class CCarpetaInternet : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    carpeta_ = std::filesystem::path(::testing::TempDir()) /
               ("inet-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
    std::filesystem::remove_all(carpeta_);
    std::filesystem::create_directories(carpeta_);
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::permissions(carpeta_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(carpeta_, ec);
  }

  // Every name in the folder.
  std::set<std::string> Nombres() const {
    std::set<std::string> nombres;
    for (const auto& e : std::filesystem::directory_iterator(carpeta_)) nombres.insert(e.path().filename().string());
    return nombres;
  }

  std::filesystem::path carpeta_;
};

inline std::string LeerFichero(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void EscribirFichero(const std::filesystem::path& ruta, const std::string& texto) {
  std::ofstream f(ruta, std::ios::binary);
  f << texto;
}

// The lines of a file written with CR LF ends; a line without its CR LF fails the test.
inline std::vector<std::string> Lineas(const std::string& texto) {
  std::vector<std::string> lineas;
  std::size_t inicio = 0;
  while (inicio < texto.size()) {
    const std::size_t fin = texto.find("\r\n", inicio);
    if (fin == std::string::npos) {
      ADD_FAILURE() << "a line without CR LF: " << texto.substr(inicio);
      break;
    }
    lineas.push_back(texto.substr(inicio, fin - inicio));
    inicio = fin + 2;
  }
  return lineas;
}

// The heads of the lines ("10002", "71411"): model, page and sheet mark.
inline std::vector<std::string> Cabezas(const std::vector<std::string>& lineas) {
  std::vector<std::string> cabezas;
  for (const std::string& l : lineas) cabezas.push_back(l.substr(0, 6));
  return cabezas;
}

}  // namespace salida::pruebas
