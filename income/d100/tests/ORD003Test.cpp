// Pages ORD003 and ORD004 from the tables the build makes: every box bound to its place (a box of a group through
// its row table), the row commands and the deletion of a row left without holder, the option marks, the
// supplementary sheet, the amount rules and the focus rule of the half-filled pairs, and page 3 in a window.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/docview.h>
#include <wx/frame.h>
#include <wx/image.h>
#include <wx/imagpng.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "PaginasPrueba.h"
#include "PruebasWx.h"
#include "d100/ORD003.h"
#include "d100/ORD004.h"
#include "framework/BaseDatos.h"
#include "framework/Campo.h"
#include "framework/DlgMensaje.h"
#include "framework/DocumentoServicios.h"
#include "framework/EditDetalle.h"
#include "framework/EditEx.h"
#include "framework/EditLista.h"
#include "framework/FabricaEdit.h"
#include "framework/MensajeGuion.h"
#include "framework/Pista.h"
#include "framework/ServiciosAplicacion.h"
#include "framework/Validador.h"
#include "income/RentaDoc.h"

namespace fs = std::filesystem;
using ordinaria::CControlesGruposD;

namespace {

using ordinaria::Doble;
using ordinaria::PonerDoble;

constexpr int kG1 = ordinaria::kIdPrimerGrupoD;

class ORD003Tablas : public ordinaria::pruebas::CPaginasPrueba {
 protected:
  unsigned char* Bloque(int pagina) {
    return pagina == 4 ? datos->ApartadoD2.octetos : datos->ApartadoD1.octetos;
  }
  unsigned char* Fila(int pagina, int grupo, int fila) {
    const int g = grupo - kG1;
    return Bloque(pagina) + renta::kDespGruposD[g] + static_cast<std::size_t>(fila) * renta::kAnchoGruposD[g];
  }

  marco::CGuionMensajes guion;
};

// Where each group box's value lands in the block once its row is stored: (box, group, offset in the row).
struct SLugar {
  int numero;
  int grupo;
  std::size_t desp;
};

std::vector<SLugar> LugaresDobles() {
  std::vector<SLugar> v;
  for (int k = 0; k < 22; ++k) {
    v.push_back({8 + k, kG1, 8 + 8u * k});
    v.push_back({33 + k, kG1 + 1, 8 + 8u * k});
    v.push_back({57 + k, kG1 + 2, 8 + 8u * k});
  }
  for (int k = 0; k < 3; ++k) {
    v.push_back({82 + k, kG1 + 3, 16 + 8u * k});
    v.push_back({89 + k, kG1 + 4, 16 + 8u * k});
    v.push_back({95 + k, kG1 + 5, 16 + 8u * k});
  }
  return v;
}

TEST_F(ORD003Tablas, CadaCasillaDeGrupoLlegaASuSitioDelBloque) {
  for (int pagina : {3, 4}) {
    SCOPED_TRACE(pagina);
    std::memset(datos.get(), 0, sizeof(DatosRenta));
    std::unique_ptr<CControlesGruposD> c;
    if (pagina == 3) c = Cargar<ordinaria::CControlesORD003>(203);
    else c = Cargar<ordinaria::CControlesORD004>(204);
    ASSERT_EQ(c->NumeroCampos(), ordinaria::PaginaD(pagina).casillas);
    EXPECT_TRUE(guion.Codigos().empty());
    // Every box is bound but the title of a supplementary sheet.
    for (int n = 1; n <= c->NumeroCampos(); ++n) {
      const bool titulo = n == ordinaria::PaginaD(pagina).casillaTitulo;
      EXPECT_EQ(c->CampoDeNumero(n)->Dato == nullptr, titulo) << n;
    }
    // Holders first, then every amount typed through its box and its row stored.
    for (int g = 0; g < ordinaria::kGruposD; ++g) {
      const int titular = ordinaria::CasillaDeCampo(kG1 + g, 0);
      *static_cast<unsigned char*>(c->CampoDeNumero(titular)->Dato) = 2;
      c->NavegarGrupo(kG1 + g, 0, 501, 0);
      EXPECT_EQ(Fila(pagina, kG1 + g, 0)[0], 2) << titular;
    }
    double valor = 1.0;
    for (const SLugar& l : LugaresDobles()) {
      marco::CCampo* campo = c->CampoDeNumero(l.numero);
      ASSERT_NE(campo->Dato, nullptr) << l.numero;
      EXPECT_EQ(campo->Letra(), 'F') << l.numero;
      PonerDoble(static_cast<unsigned char*>(campo->Dato), valor);
      c->NavegarGrupo(l.grupo, 0, 501, 0);
      EXPECT_EQ(Doble(Fila(pagina, l.grupo, 0) + l.desp), valor) << l.numero;
      valor += 1.0;
    }
    // The tax numbers of groups 4 to 6 and the selections' pairs of places.
    const std::pair<int, std::size_t> nifs[] = {{79, 6}, {85, 2}, {92, 7}};
    for (const auto& [n, desp] : nifs) {
      std::memcpy(c->CampoDeNumero(n)->Dato, "B12345674", 9);
      c->NavegarGrupo(ordinaria::GrupoDeCasilla(n), 0, 501, 0);
      EXPECT_EQ(std::memcmp(Fila(pagina, ordinaria::GrupoDeCasilla(n), 0) + desp, "B12345674", 9), 0) << n;
    }
    const auto* enlace56 = static_cast<const marco::SEnlaceTabla*>(c->CampoDeNumero(56)->Enlace);
    ASSERT_NE(enlace56, nullptr);
    enlace56->EscribirDestino("AB12");
    c->NavegarGrupo(kG1 + 2, 0, 501, 0);
    EXPECT_EQ(std::memcmp(Fila(pagina, kG1 + 2, 0) + 4, "AB12", 4), 0);
    const auto* enlace4 = static_cast<const marco::SEnlaceTabla*>(c->CampoDeNumero(4)->Enlace);
    ASSERT_NE(enlace4, nullptr);
    EXPECT_EQ(enlace4->destino, reinterpret_cast<char*>(Bloque(pagina) + 10));
    EXPECT_EQ(c->CampoDeNumero(5)->Dato, Bloque(pagina) + 5);
  }
}

TEST_F(ORD003Tablas, LasCasillasFinalesDeCadaPagina) {
  auto c3 = Cargar<ordinaria::CControlesORD003>(203);
  auto c4 = Cargar<ordinaria::CControlesORD004>(204);
  auto* base = reinterpret_cast<unsigned char*>(datos.get());
  const std::size_t bi = offsetof(DatosRenta, BaseImponible);
  const std::size_t d3 = offsetof(DatosRenta, ApartadoD3);
  const std::size_t id = offsetof(DatosRenta, Identificacion) + 105;
  EXPECT_EQ(c3->CampoDeNumero(98)->Dato, base + bi + 640);
  EXPECT_EQ(c3->CampoDeNumero(99)->Dato, base + id);
  EXPECT_EQ(c3->CampoDeNumero(100)->Dato, ejemplar);
  const std::pair<int, std::size_t> valores[] = {{98, bi + 680}, {99, d3}, {100, d3 + 56}, {101, d3 + 112},
                                                 {102, bi + 720}, {103, id}};
  for (const auto& [n, desp] : valores) EXPECT_EQ(c4->CampoDeNumero(n)->Dato, base + desp) << n;
  EXPECT_EQ(c4->CampoDeNumero(99)->Enlace, base + d3 + 40);
  EXPECT_EQ(c4->CampoDeNumero(101)->Enlace, base + d3 + 152);
  EXPECT_EQ(c4->CampoDeNumero(105)->Dato, ejemplar);
  EXPECT_EQ(c4->CampoDeNumero(1)->Dato, nif);
}

TEST_F(ORD003Tablas, UnaFilaSinTitularBloqueaSusCasillasYSeBorra) {
  auto c = Cargar<ordinaria::CControlesORD003>(203);
  // A free first row: the group's boxes wait for a holder; the always read-only totals stay read-only.
  for (int n : {7, 8, 28, 82, 84}) EXPECT_EQ(c->CampoDeNumero(n)->SoloLectur, 1) << n;
  for (int n : {6, 79, 80, 81}) EXPECT_EQ(c->CampoDeNumero(n)->SoloLectur, 0) << n;

  // Two rows of the declarant and the spouse in group 1.
  Fila(3, kG1, 0)[0] = 2;
  PonerDoble(Fila(3, kG1, 0) + 8, 100.0);
  Fila(3, kG1, 1)[0] = 3;
  PonerDoble(Fila(3, kG1, 1) + 8, 200.0);
  c->Enlazar(1);
  EXPECT_EQ(c->CampoDeNumero(8)->SoloLectur, 0);
  EXPECT_EQ(c->CampoDeNumero(11)->SoloLectur, 1);  // total income: always worked out
  EXPECT_EQ(c->NavegarGrupo(kG1, 0, ordinaria::kAccionPuedeMoverGrupo, 0), 1);
  EXPECT_EQ(c->NavegarGrupo(kG1, 1, ordinaria::kAccionPuedeMoverGrupo, 0), 0);
  EXPECT_EQ(c->DameHojaComplementaria(), 1);

  // The holder erased: the row goes, the spouse's moves up and the last is free.
  *static_cast<unsigned char*>(c->CampoDeNumero(6)->Dato) = 0;
  c->CasillaCambiada(6);
  EXPECT_EQ(Fila(3, kG1, 0)[0], 3);
  EXPECT_EQ(Doble(Fila(3, kG1, 0) + 8), 200.0);
  EXPECT_EQ(Fila(3, kG1, 1)[0], 0);
  EXPECT_EQ(Doble(c->CampoDeNumero(8)->Dato ? static_cast<unsigned char*>(c->CampoDeNumero(8)->Dato) : nullptr), 200.0);
  EXPECT_EQ(c->DameHojaComplementaria(), 0);
  // The free second row stays reachable, to fill it.
  EXPECT_EQ(c->NavegarGrupo(kG1, 0, ordinaria::kAccionPuedeMoverGrupo, 0), 1);
}

TEST_F(ORD003Tablas, ElDeclaranteSoloVeSusFilasYNoLasEscribe) {
  Fila(3, kG1, 0)[0] = 3;
  PonerDoble(Fila(3, kG1, 0) + 8, 300.0);
  Fila(3, kG1, 1)[0] = 2;
  PonerDoble(Fila(3, kG1, 1) + 8, 400.0);
  sujeto = marco::kSujetoDeclarante;
  auto c = Cargar<ordinaria::CControlesORD003>(203);
  EXPECT_EQ(Doble(static_cast<unsigned char*>(c->CampoDeNumero(8)->Dato)), 400.0);
  EXPECT_EQ(c->NavegarGrupo(kG1, 0, ordinaria::kAccionPuedeMoverGrupo, 0), 0);
  // The filtered copy is shown read-only: nothing typed there could be stored at its place.
  EXPECT_EQ(c->CampoDeNumero(6)->SoloLectur, 1);
  EXPECT_EQ(c->CampoDeNumero(8)->SoloLectur, 1);
}

TEST_F(ORD003Tablas, LasMarcasDeOpcion) {
  for (int pagina : {3, 4}) {
    SCOPED_TRACE(pagina);
    std::memset(datos.get(), 0, sizeof(DatosRenta));
    std::unique_ptr<CControlesGruposD> c;
    if (pagina == 3) c = Cargar<ordinaria::CControlesORD003>(203);
    else c = Cargar<ordinaria::CControlesORD004>(204);
    unsigned char* fila = Fila(pagina, kG1 + 1, 0);
    fila[0] = 2;
    fila[1] = 2;
    c->Enlazar(1);
    EXPECT_EQ(*static_cast<std::int32_t*>(c->CampoDeNumero(32)->Dato), 1);
    // Marking box 31 chooses the first option and clears the second mark.
    *static_cast<std::int32_t*>(c->CampoDeNumero(31)->Dato) = 1;
    c->CasillaCambiada(31);
    EXPECT_EQ(fila[1], 1);
    EXPECT_EQ(*static_cast<std::int32_t*>(c->CampoDeNumero(32)->Dato), 0);
    // Erasing it clears the option.
    c->CasillaBorrada(31);
    EXPECT_EQ(fila[1], 0);
    EXPECT_EQ(*static_cast<std::int32_t*>(c->CampoDeNumero(31)->Dato), 0);
    // Group 5: the option stored at once, the row otherwise untouched.
    Fila(pagina, kG1 + 4, 0)[0] = 3;
    c->Enlazar(1);
    *static_cast<std::int32_t*>(c->CampoDeNumero(87)->Dato) = 1;
    c->CasillaCambiada(87);
    EXPECT_EQ(Fila(pagina, kG1 + 4, 0)[1], 2);
    EXPECT_EQ(*static_cast<std::int32_t*>(c->CampoDeNumero(87)->Dato), 1);
  }
}

TEST_F(ORD003Tablas, LaHojaComplementaria) {
  Fila(4, kG1 + 3, 0)[0] = 2;
  PonerDoble(Fila(4, kG1 + 3, 0) + 24, 10.0);
  Fila(4, kG1 + 3, 1)[0] = 3;
  PonerDoble(Fila(4, kG1 + 3, 1) + 24, 20.0);
  Fila(4, kG1 + 1, 1)[0] = 3;
  Fila(4, kG1 + 1, 1)[1] = 2;
  auto c = Cargar<ordinaria::CControlesORD004>(204);
  ASSERT_EQ(c->AvisoGrupo(1, 0), 1);
  EXPECT_EQ(c->Indicador()[0], '1');
  c->CamposDerivados(1);
  EXPECT_EQ(c->CampoDeNumero(3)->StrValidac, "S1*5.0");
  EXPECT_EQ(c->CampoDeNumero(3)->Texto, "1");
  EXPECT_EQ(c->CampoDeNumero(31)->Texto, "");  // the first row of group 2 has no option
  EXPECT_EQ(Doble(static_cast<unsigned char*>(c->CampoDeNumero(83)->Dato)), 10.0);

  ASSERT_EQ(c->AvisoGrupo(2, 0), 1);
  ASSERT_NE(c->TituloHoja(), nullptr);
  EXPECT_STREQ(c->TituloHoja(), "HOJA COMPLEMENTARIA");
  EXPECT_EQ(Doble(static_cast<unsigned char*>(c->CampoDeNumero(83)->Dato)), 20.0);
  for (int n : {3, 4, 5, 98, 99, 100, 101, 102}) EXPECT_EQ(c->CampoDeNumero(n)->Dato, nullptr) << n;
  c->CamposDerivados(2);
  EXPECT_EQ(c->CampoDeNumero(3)->Texto, "0");
  EXPECT_EQ(c->CampoDeNumero(31)->Texto, "2");

  EXPECT_EQ(c->AvisoGrupo(3, 0), 0);
  EXPECT_EQ(c->TituloHoja(), nullptr);
  EXPECT_EQ(c->CampoDeNumero(104)->Dato, nullptr);

  // A single person: a second sheet only when both rows of a group are theirs.
  sujeto = marco::kSujetoConyuge;
  EXPECT_EQ(c->AvisoGrupo(1, 0), 1);
  EXPECT_EQ(c->DameHojaComplementaria(), 0);
  EXPECT_EQ(c->AvisoGrupo(2, 0), 0);
}

TEST(ORD003Reglas, LasReglasDeLosImportes) {
  struct SCaso {
    char regla;
    double x, y;
    bool falla;
  };
  const SCaso casos[] = {
      {'A', 1000, 400, false}, {'A', 1000, 401, true},   {'A', 1000, -1, true},  {'A', -1000, -400, false},
      {'A', -1000, -401, true}, {'A', -1000, 1, true},   {'A', 0, 1e9, false},   {'A', 0, -1e9, false},
      {'B', 1000, 0, false},   {'B', 1000, 600, false},  {'B', 1000, 599, true}, {'B', 1000, 1001, true},
      {'B', 1000, 1000, false}, {'B', -1000, -999, false}, {'B', -1000, -1001, true}, {'B', 0, 5, false},
  };
  for (const SCaso& c : casos) {
    const bool falla = c.regla == 'A' ? ordinaria::FallaReglaA(c.x, c.y) : ordinaria::FallaReglaB(c.x, c.y);
    EXPECT_EQ(falla, c.falla) << c.regla << " " << c.x << " " << c.y;
  }
  EXPECT_EQ(ordinaria::ReglaDeCasilla(8), 'A');
  EXPECT_EQ(ordinaria::ReglaDeCasilla(29), 0);
  EXPECT_EQ(ordinaria::ReglaDeCasilla(54), 0);
  EXPECT_EQ(ordinaria::ReglaDeCasilla(84), 'B');
  EXPECT_EQ(ordinaria::ReglaDeCasilla(82), 0);
  EXPECT_EQ(ordinaria::GrupoDeCasilla(3), kG1 + 1);
  EXPECT_EQ(ordinaria::GrupoDeCasilla(98), 0);
}

TEST_F(ORD003Tablas, LaReglaDeLaFilaMostradaYLasComprobaciones) {
  auto c = Cargar<ordinaria::CControlesORD003>(203);
  Fila(3, kG1, 0)[0] = 2;
  PonerDoble(Fila(3, kG1, 0) + 160, 1000.0);
  PonerDoble(Fila(3, kG1, 0) + 168, 401.0);
  c->RecargarGrupos();
  EXPECT_EQ(c->ReglaImportes(28), "100V173");
  EXPECT_EQ(c->ReglaImportes(98), "");
  PonerDoble(Fila(3, kG1, 0) + 168, 400.0);
  c->RecargarGrupos();
  EXPECT_EQ(c->ReglaImportes(28), "");

  // The percentage of both rows of group 4 checked; an impossible one is repaired with its message.
  Fila(3, kG1 + 3, 0)[0] = 2;
  c->Enlazar(1);
  PonerDoble(Fila(3, kG1 + 3, 1) + 16, 150.0);
  marco::CValidador validador;
  c->ComprobarGrupo(82, validador);
  EXPECT_FALSE(guion.Codigos().empty());
  EXPECT_EQ(guion.Codigos().back(), "100R130");
}

TEST_F(ORD003Tablas, LaReglaDelFocoDeLasParejas) {
  auto c = Cargar<ordinaria::CControlesORD003>(203);
  Fila(3, kG1 + 3, 0)[0] = 2;
  PonerDoble(Fila(3, kG1 + 3, 0) + 24, 500.0);
  c->Enlazar(1);
  ordinaria::SEstadoFoco estado;
  int zona = 4;
  // Entering group 4 from the boxes above already finds its pair half filled.
  EXPECT_EQ(c->ObjetivoFoco(82, zona, estado), 83);
  EXPECT_EQ(zona, 0);
  EXPECT_EQ(c->ObjetivoFoco(83, zona, estado), -1);  // within the zone: nothing
  EXPECT_EQ(c->ObjetivoFoco(85, zona, estado), 83);  // leaving for group 5: back to box 84 (index 83)
  // The main window puts the focus on box 84, which does not set the rule off again.
  EXPECT_EQ(c->ObjetivoFoco(84, zona, estado), -1);
  // Once the pair is complete, nothing more.
  PonerDoble(Fila(3, kG1 + 3, 0) + 32, 400.0);
  c->RecargarGrupos();
  EXPECT_EQ(c->ObjetivoFoco(92, zona, estado), -1);
}

TEST(ORD003Clases, LaListaDePaginasLasEncuentraPorSuNombre) {
  ordinaria::ClasePaginaORD003();
  ordinaria::ClasePaginaORD004();
  for (const char* nombre : {"ORD003", "ORD004"}) {
    wxClassInfo* clase = wxClassInfo::FindClass(nombre);
    ASSERT_NE(clase, nullptr) << nombre;
    std::unique_ptr<wxObject> creada(clase->CreateObject());
    auto* vista = dynamic_cast<ordinaria::CVistaGruposD*>(creada.get());
    ASSERT_NE(vista, nullptr);
    EXPECT_EQ(vista->DameNombrePagina(), nombre);
    EXPECT_EQ(vista->DameNumeroPagina(), renta::IdPaginaDeNombre(nombre));
  }
}

TEST_F(ORD003Tablas, LasFilasDeUnMiembroSoloSeConsultanYLoDicen) {
  // A row of the declarant and one of the spouse in group 1, one of the spouse in group 4.
  Fila(3, kG1, 0)[0] = 2;
  PonerDoble(Fila(3, kG1, 0) + 8, 100.0);
  Fila(3, kG1, 1)[0] = 3;
  PonerDoble(Fila(3, kG1, 1) + 8, 200.0);
  Fila(3, kG1 + 3, 0)[0] = 3;
  sujeto = marco::kSujetoConyuge;
  auto c = Cargar<ordinaria::CControlesORD003>(203);
  // Whatever the table holds, the notice is never empty: the code stands for a missing text.
  const std::string aviso(c->AvisoSoloLectura(8));
  ASSERT_FALSE(aviso.empty());
  EXPECT_EQ(Doble(static_cast<unsigned char*>(c->CampoDeNumero(8)->Dato)), 200.0);
  // Every box of every group, the holder boxes included, is read-only and says why; the block header and the
  // boxes after the groups do not.
  for (int n = 6; n <= 97; ++n) {
    const marco::CCampo* campo = c->CampoDeNumero(n);
    EXPECT_EQ(campo->SoloLectur, 1) << n;
    EXPECT_EQ(c->AvisoSoloLectura(n), aviso) << n;
    const std::size_t salto = campo->TextoDibuj.find('\n');
    ASSERT_NE(salto, std::string::npos) << n;
    EXPECT_EQ(campo->TextoDibuj.substr(salto + 1), aviso) << n;
  }
  for (int n : {1, 4, 5, 98, 99}) {
    EXPECT_TRUE(c->AvisoSoloLectura(n).empty()) << n;
    EXPECT_EQ(c->CampoDeNumero(n)->TextoDibuj.find('\n'), std::string::npos) << n;
  }
  const std::string descripcion8 = c->CampoDeNumero(8)->TextoDibuj.substr(0, c->CampoDeNumero(8)->TextoDibuj.find('\n'));

  // Binding again does not pile the notice up.
  c->Enlazar(1);
  EXPECT_EQ(c->CampoDeNumero(8)->TextoDibuj, descripcion8 + "\n" + aviso);

  // The family unit shown: the rows are the stored ones, editable, and the descriptions are as loaded.
  sujeto = marco::kSujetoUnidadFamiliar;
  c->Refrescar();
  EXPECT_EQ(Doble(static_cast<unsigned char*>(c->CampoDeNumero(8)->Dato)), 100.0);
  for (int n : {6, 8, 79, 81}) {
    EXPECT_EQ(c->CampoDeNumero(n)->SoloLectur, 0) << n;
    EXPECT_TRUE(c->AvisoSoloLectura(n).empty()) << n;
  }
  EXPECT_EQ(c->CampoDeNumero(8)->TextoDibuj, descripcion8);

  // A declarant without spouse or children sees every row as stored: nothing is locked.
  sujeto = marco::kSujetoDeclarante;
  presentes = {1, 1, 0, 0, 0};
  c->Refrescar();
  EXPECT_EQ(c->CampoDeNumero(8)->SoloLectur, 0);
  EXPECT_TRUE(c->AvisoSoloLectura(8).empty());
  EXPECT_EQ(c->CampoDeNumero(8)->TextoDibuj, descripcion8);
  EXPECT_TRUE(guion.Codigos().empty());
}

// ---- the page view without a window ----

// A view that records the hints the document sends to its views.
class CVistaPistas : public wxView {
 public:
  void OnDraw(wxDC*) override {}
  void OnUpdate(wxView*, wxObject* pista) override { pistas.push_back(marco::CodigoPista(pista)); }
  std::vector<int> pistas;
};

// The page views of pages 3 and 4 over a declaration, their boxes loaded from the built tables, with no window:
// the box events as the page's edits send them, the whole recalculation seen in the document's values and in the
// hints every view receives.
class ORD003Vista : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    dir = fs::temp_directory_path() /
          ("korvelix-ord003v-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::create_directories(dir);
    ASSERT_EQ(marco::AbrirBasesDatos(dir.string(), KORVELIX_DATOS_LOCAL), 1);
    marco::PonerIdiomaV("e");
    doc = std::make_unique<renta::CRentaDoc>();
    doc->PonerTipoDec(marco::kTipoDecOrdinaria);
    marco::PublicarSujetoActual(&sujeto);
    marco::PublicarSujetosPresentes(presentes.data());
    pistas = new CVistaPistas;
    pistas->SetDocument(doc.get());
  }
  void TearDown() override {
    delete vista;
    delete pistas;
    doc.reset();
    marco::PublicarSujetoActual(nullptr);
    marco::PublicarSujetosPresentes(nullptr);
    marco::CerrarBasesDatos();
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  // The view of page 3 or 4 with its boxes bound to the declaration.
  void Abrir(int pagina) {
    delete vista;
    vista = pagina == 4 ? static_cast<ordinaria::CVistaGruposD*>(new ordinaria::ORD004)
                        : static_cast<ordinaria::CVistaGruposD*>(new ordinaria::ORD003);
    vista->SetDocument(doc.get());
    c = vista->Controles();
    c->PonerVista(vista);
    c->PonerDocumento(doc.get());
    ASSERT_EQ(c->Cargar(ordinaria::PaginaD(pagina).idPagina, 1.0, nullptr), 1) << "build the target datos_paginas first";
  }
  unsigned char* Fila(int pagina, int grupo, int fila) {
    unsigned char* bloque = pagina == 4 ? doc->Datos().ApartadoD2.octetos : doc->Datos().ApartadoD1.octetos;
    const int g = grupo - kG1;
    return bloque + renta::kDespGruposD[g] + static_cast<std::size_t>(fila) * renta::kAnchoGruposD[g];
  }
  // Whether the last event brought a whole recalculation: the views were told the values changed.
  bool Recalculado() {
    const bool si = std::find(pistas->pistas.begin(), pistas->pistas.end(), marco::kPistaValores) != pistas->pistas.end();
    pistas->pistas.clear();
    return si;
  }

  fs::path dir;
  marco::CGuionMensajes guion;
  std::unique_ptr<renta::CRentaDoc> doc;
  std::int32_t sujeto = marco::kSujetoUnidadFamiliar;
  std::array<std::int32_t, 5> presentes{1, 1, 1, 0, 0};
  CVistaPistas* pistas = nullptr;
  ordinaria::CVistaGruposD* vista = nullptr;
  CControlesGruposD* c = nullptr;
};

TEST_F(ORD003Vista, ConfirmarLasSeleccionesDeLosGrupos4Y6GuardaLaFilaYRecalcula) {
  for (int pagina : {3, 4}) {
    SCOPED_TRACE(pagina);
    // A declarant's activity with an income of 1,000 in group 1, whose difference only the recalculation works
    // out; a row of the declarant in groups 4 and 6.
    Fila(pagina, kG1, 0)[0] = 2;
    PonerDoble(Fila(pagina, kG1, 0) + 8, 1000.0);
    PonerDoble(Fila(pagina, kG1, 0) + 160, 0.0);
    Fila(pagina, kG1 + 3, 0)[0] = 2;
    Fila(pagina, kG1 + 5, 0)[0] = 2;
    Abrir(pagina);
    pistas->pistas.clear();

    const std::pair<int, std::size_t> selecciones[] = {{80, 1}, {93, 1}};
    char codigo = 'A';
    for (const auto& [n, desp] : selecciones) {
      SCOPED_TRACE(n);
      doc->Modify(false);
      PonerDoble(Fila(pagina, kG1, 0) + 160, 0.0);
      *static_cast<char*>(c->CampoDeNumero(n)->Dato) = codigo;
      EXPECT_EQ(vista->Recalcular(n), 1);
      EXPECT_EQ(static_cast<char>(Fila(pagina, ordinaria::GrupoDeCasilla(n), 0)[desp]), codigo);
      // Worked out again from the income (page 4's block takes a share of it off as expenses).
      EXPECT_GT(Doble(Fila(pagina, kG1, 0) + 160), 0.0);
      EXPECT_TRUE(Recalculado());
      EXPECT_TRUE(doc->IsModified());
      ++codigo;
    }

    // Any other group box: nothing stored, nothing recalculated, the declaration modified all the same.
    PonerDoble(static_cast<unsigned char*>(c->CampoDeNumero(82)->Dato), 7.0);
    for (int n : {6, 8, 28, 79, 82, 92, 95, 98}) {
      doc->Modify(false);
      EXPECT_EQ(vista->Recalcular(n), 0) << n;
      EXPECT_FALSE(Recalculado()) << n;
      EXPECT_TRUE(doc->IsModified()) << n;
    }
    EXPECT_EQ(Doble(Fila(pagina, kG1 + 3, 0) + 16), 0.0);
    std::memset(pagina == 4 ? doc->Datos().ApartadoD2.octetos : doc->Datos().ApartadoD1.octetos, 0,
                sizeof doc->Datos().ApartadoD1.octetos);
  }
}

TEST_F(ORD003Vista, LosImportesDelApartadoD3RecalculanSoloEnLaPagina4) {
  Abrir(4);
  pistas->pistas.clear();
  for (int n : {99, 100, 101}) {
    doc->Modify(false);
    EXPECT_EQ(vista->Recalcular(n), 1) << n;
    EXPECT_TRUE(Recalculado()) << n;
    EXPECT_TRUE(doc->IsModified()) << n;
  }
  for (int n : {98, 102, 103}) {
    EXPECT_EQ(vista->Recalcular(n), 0) << n;
    EXPECT_FALSE(Recalculado()) << n;
  }
  // On page 3 the same numbers are the identification text, the header field and the sheet title.
  Abrir(3);
  pistas->pistas.clear();
  for (int n : {99, 100, 101}) {
    EXPECT_EQ(vista->Recalcular(n), 0) << n;
    EXPECT_FALSE(Recalculado()) << n;
  }
}

TEST_F(ORD003Vista, BorrarLosCodigosDeCabeceraRecalcula) {
  for (int pagina : {3, 4}) {
    SCOPED_TRACE(pagina);
    Fila(pagina, kG1, 0)[0] = 2;
    PonerDoble(Fila(pagina, kG1, 0) + 8, 500.0);
    Abrir(pagina);
    for (int n : {4, 5}) {
      PonerDoble(Fila(pagina, kG1, 0) + 160, 0.0);
      pistas->pistas.clear();
      doc->Modify(false);
      EXPECT_EQ(vista->CampoBorrado(n), 1) << n;
      EXPECT_TRUE(Recalculado()) << n;
      EXPECT_GT(Doble(Fila(pagina, kG1, 0) + 160), 0.0) << n;
      EXPECT_TRUE(doc->IsModified()) << n;
    }
    // Another box erased: marked modified, no recalculation.
    doc->Modify(false);
    EXPECT_EQ(vista->CampoBorrado(8), 1);
    EXPECT_FALSE(Recalculado());
    EXPECT_TRUE(doc->IsModified());
  }
}

TEST_F(ORD003Vista, CorregirDejaElValorGuardadoYRechazaLaCasilla) {
  // Income 1,000 gives a difference of 1,000 once recalculated; 401 to deduct is more than 30 per cent plus 100.
  Fila(3, kG1, 0)[0] = 2;
  PonerDoble(Fila(3, kG1, 0) + 8, 1000.0);
  Abrir(3);
  PonerDoble(static_cast<unsigned char*>(c->CampoDeNumero(28)->Dato), 401.0);
  struct SCaso {
    int respuesta;
    int resultado;
  };
  for (const SCaso caso : {SCaso{marco::kBotonCorregir, 0}, SCaso{marco::kBotonContinuar, 1}}) {
    SCOPED_TRACE(caso.respuesta);
    guion.Responder(caso.respuesta);
    doc->Modify(false);
    EXPECT_EQ(vista->ComprobarCampo(28), caso.resultado);
    ASSERT_FALSE(guion.Codigos().empty());
    EXPECT_EQ(guion.Codigos().back(), "100V173");
    // Either way the typed value is stored and the declaration recalculated.
    EXPECT_EQ(Doble(Fila(3, kG1, 0) + 168), 401.0);
    EXPECT_EQ(Doble(Fila(3, kG1, 0) + 160), 1000.0);
    EXPECT_TRUE(doc->IsModified());
  }
  // A value within the rule: no message, accepted.
  PonerDoble(static_cast<unsigned char*>(c->CampoDeNumero(28)->Dato), 400.0);
  const std::size_t mostrados = guion.Codigos().size();
  EXPECT_EQ(vista->ComprobarCampo(28), 1);
  EXPECT_EQ(guion.Codigos().size(), mostrados);
}

TEST_F(ORD003Vista, LaParejaIncompletaAvisaYLlevaElFocoASuCasillaVacia) {
  for (int pagina : {3, 4}) {
    SCOPED_TRACE(pagina);
    // Group 4 holds 500 and nothing beside it.
    Fila(pagina, kG1 + 3, 0)[0] = 2;
    PonerDoble(Fila(pagina, kG1 + 3, 0) + 24, 500.0);
    Abrir(pagina);
    const int antes = guion.Veces("100R192");
    vista->PonerCampoRaton(-1);
    // The focus in group 4 (box 80) first: the zone the view starts in, so nothing is said.
    EXPECT_EQ(vista->CampoRecibeFoco(80), 1);
    EXPECT_EQ(vista->DameUltimoAvisoPareja(), -1);
    // The focus enters group 5 (box 85) coming from group 4: the message for box 84 (index 83) is posted, not
    // shown while the focus is changing.
    EXPECT_EQ(vista->CampoRecibeFoco(85), 1);
    EXPECT_EQ(vista->DameUltimoAvisoPareja(), 83);
    EXPECT_EQ(guion.Veces("100R192"), antes);
    // The posted message, as the view receives it: the message, then box 84 is the box the page activates next.
    EXPECT_EQ(vista->OnAvisoPareja(pagina, vista->DameUltimoAvisoPareja()), 1);
    EXPECT_EQ(guion.Veces("100R192"), antes + 1);
    EXPECT_EQ(vista->DameCampoRaton(), 83);
    // A pair message of the other page shows the message and leaves the focus where it is.
    vista->PonerCampoRaton(-1);
    EXPECT_EQ(vista->OnAvisoPareja(pagina == 3 ? 4 : 3, 83), 1);
    EXPECT_EQ(guion.Veces("100R192"), antes + 2);
    EXPECT_EQ(vista->DameCampoRaton(), -1);
  }
}

TEST_F(ORD003Vista, BajoElPunteroUnaCasillaBloqueadaPorElMiembroDiceElMotivo) {
  Fila(3, kG1, 0)[0] = 3;
  sujeto = marco::kSujetoConyuge;
  Abrir(3);
  marco::CDlgMensaje mensaje;
  ASSERT_EQ(mensaje.BuscarMensaje(ordinaria::kMensajeFilasDeUnMiembro), 1);
  EXPECT_EQ(mensaje.DameTexto().rfind("Se muestran las filas de un solo miembro", 0), 0u);
  // The pointer on box 8 (index 7) while another box is active: its notice.
  vista->PonerCampoRaton(7);
  EXPECT_EQ(vista->AvisoCasillaRaton(), mensaje.DameTexto());
  // The pointer on the block header code: nothing to say.
  vista->PonerCampoRaton(3);
  EXPECT_TRUE(vista->AvisoCasillaRaton().empty());
  // The family unit shown: the rows are editable, no notice.
  sujeto = marco::kSujetoUnidadFamiliar;
  c->Refrescar();
  vista->PonerCampoRaton(7);
  EXPECT_TRUE(vista->AvisoCasillaRaton().empty());
}

// ---- in a window ----

using ::pruebas::Esperar;

wxImage Dibujo(ordinaria::CVistaGruposD& vista) {
  const wxSize tam = vista.DameVentana()->GetClientSize();
  wxBitmap bitmap(tam.x, tam.y, 24);
  {
    wxMemoryDC memoria(bitmap);
    vista.OnDraw(&memoria);
  }
  return bitmap.ConvertToImage();
}

TEST(ORD003Ventana, LaPaginaEnUnaVistaConSusBotones) {
  REQUIERE_PANTALLA();
  static std::atomic<int> contador{0};
  const fs::path dir =
      fs::temp_directory_path() / ("korvelix-ord003-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
  fs::create_directories(dir);
  ASSERT_EQ(marco::AbrirBasesDatos(dir.string(), KORVELIX_DATOS_LOCAL), 1);
  marco::PonerIdiomaV("e");
  marco::PonerDirBase(KORVELIX_DATOS_LOCAL);
  marco::PonerZoomTexto("1.0");
  marco::RegistrarEditsFechaCasillaDetalle(marco::FabricaEdit());
  marco::RegistrarEditsTablas(marco::FabricaEdit());
  marco::CGuionMensajes guion;
  {
    renta::CRentaDoc doc;
    doc.PonerTipoDec(marco::kTipoDecOrdinaria);
    // Two activity rows of the declarant in group 1.
    unsigned char* g1 = doc.Datos().ApartadoD1.octetos + renta::kDespGruposD[0];
    g1[0] = 2;
    PonerDoble(g1 + 8, 1000.0);
    g1[184] = 2;
    PonerDoble(g1 + 184 + 8, 2000.0);
    ASSERT_EQ(doc.MostrarPagina(wxCLASSINFO(ordinaria::ORD003), 0, 0), 1);
    auto* vista = dynamic_cast<ordinaria::ORD003*>(doc.BuscarVista(wxCLASSINFO(ordinaria::ORD003)));
    ASSERT_NE(vista, nullptr);
    auto* ventana = dynamic_cast<wxFrame*>(vista->GetFrame());
    ASSERT_NE(ventana, nullptr);
    ventana->SetClientSize(1100, 800);
    Esperar();
    ASSERT_EQ(vista->NumeroCampos(), 101);
    EXPECT_TRUE(vista->BotonHabilitado(kG1, 0));
    EXPECT_FALSE(vista->BotonHabilitado(kG1, 1));
    EXPECT_FALSE(vista->BotonHabilitado(kG1 + 3, 0));

    // The next button of group 1 shows the second row.
    EXPECT_EQ(vista->MoverGrupo(0, kG1), 1);
    EXPECT_EQ(vista->DameFilaMostrada(kG1), 1);
    EXPECT_TRUE(vista->BotonHabilitado(kG1, 1));
    vista->DameCampo(7)->ActualizarTexto();
    EXPECT_EQ(vista->DameCampo(7)->Texto, "2.000");

    // Typing into box 9 (the second row's other income) and committing it stores the row.
    vista->IrACampo(8);
    Esperar();
    ASSERT_EQ(vista->DameCampoActivo(), 8);
    marco::CEditEx* edit = vista->DameEditActivo();
    ASSERT_NE(edit, nullptr);
    edit->AlCaracter('7');
    edit->AlCaracter('5');
    Esperar();
    vista->ConfirmarCampoActivo();
    Esperar();
    EXPECT_EQ(Doble(g1 + 184 + 16), 75.0);
    EXPECT_EQ(vista->DameFilaMostrada(kG1), 1);  // the commit leaves the window where it was
    EXPECT_TRUE(doc.IsModified());
    wxImage imagen = Dibujo(*vista);
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    imagen.SaveFile(wxString(::testing::TempDir()) + "ord003-pantalla.png", wxBITMAP_TYPE_PNG);
    for (const std::string& codigo : guion.Codigos()) ADD_FAILURE() << codigo;
    delete vista;
    Esperar(5);
  }
  marco::CerrarBasesDatos();
  marco::PonerDirBase("");
  marco::PonerZoomTexto("");
  std::error_code ec;
  fs::remove_all(dir, ec);
}

}  // namespace

// The tax number and the percentage of the rows of groups 4 to 6, typed into the row shown: a value its check
// refuses gives the check's message, is repaired in the row and in the data area alike, and keeps the box (0); a
// value it takes stays in both (1). On both pages.
TEST_F(ORD003Tablas, UnNifOPorcentajeRechazadoDejaLaCasillaConSuMensaje) {
  struct SCaso {
    int numero;
    const char* nif;  // a text box's value; none for a percentage
    double porcentaje;
    int aceptado;
    const char* mensaje;
  };
  const SCaso casos[] = {
      {79, "12345678Z", 0, 0, "CIF001"}, {79, "G12345674", 0, 1, ""},
      {85, "12345678Z", 0, 0, "CIF001"}, {85, "G12345674", 0, 1, ""},
      {92, "12345678Z", 0, 0, "CIF001"}, {92, "G12345674", 0, 1, ""},
      {82, nullptr, 1234.0, 0, "100R130"}, {82, nullptr, 50.0, 1, ""},
      {89, nullptr, 1234.0, 0, "100R130"}, {89, nullptr, 50.0, 1, ""},
      {95, nullptr, 1234.0, 0, "100R130"}, {95, nullptr, 50.0, 1, ""},
  };
  const std::pair<int, std::size_t> nifs[] = {{79, 6}, {85, 2}, {92, 7}};
  for (int pagina : {3, 4}) {
    for (const SCaso& k : casos) {
      SCOPED_TRACE(std::to_string(pagina) + "/" + std::to_string(k.numero) + "/" + (k.nif ? k.nif : "%"));
      std::memset(datos.get(), 0, sizeof(DatosRenta));
      const int grupo = ordinaria::GrupoDeCasilla(k.numero);
      // The row has its holder: the percentage may be typed.
      Fila(pagina, grupo, 0)[0] = 2;
      std::unique_ptr<CControlesGruposD> c;
      if (pagina == 3) c = Cargar<ordinaria::CControlesORD003>(203);
      else c = Cargar<ordinaria::CControlesORD004>(204);
      const std::size_t antes = guion.Codigos().size();
      auto* dato = static_cast<unsigned char*>(c->CampoDeNumero(k.numero)->Dato);
      ASSERT_NE(dato, nullptr);
      std::size_t desp = 16;
      for (const auto& [n, d] : nifs) {
        if (n == k.numero) desp = d;
      }
      if (k.nif != nullptr) std::memcpy(dato, k.nif, 9);
      else PonerDoble(dato, k.porcentaje);
      marco::CValidador validador;
      EXPECT_EQ(c->ComprobarGrupo(k.numero, validador), k.aceptado);
      dato = static_cast<unsigned char*>(c->CampoDeNumero(k.numero)->Dato);
      const unsigned char* fila = Fila(pagina, grupo, 0);
      if (k.aceptado == 1) {
        EXPECT_EQ(guion.Codigos().size(), antes);
        if (k.nif != nullptr) {
          EXPECT_EQ(std::string(reinterpret_cast<const char*>(fila + desp), 9), k.nif);
          EXPECT_EQ(std::string(reinterpret_cast<const char*>(dato), 9), k.nif);
        } else {
          EXPECT_EQ(Doble(fila + desp), k.porcentaje);
          EXPECT_EQ(Doble(dato), k.porcentaje);
        }
      } else {
        ASSERT_EQ(guion.Codigos().size(), antes + 1);
        EXPECT_EQ(guion.Codigos().back(), k.mensaje);
        // The row shown and the data area hold the same repaired value.
        EXPECT_EQ(std::memcmp(dato, fila + desp, k.nif != nullptr ? 9 : sizeof(double)), 0);
        if (k.nif == nullptr) {
          EXPECT_EQ(Doble(dato), 0.0);
        }
      }
    }
  }
}
