#include "Camino.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "CodigoBarrasLector.h"

namespace e2e {

std::filesystem::path CarpetaSalida() {
  const char* propia = std::getenv("KORVELIX_E2E_SALIDA");
  if (propia != nullptr && *propia != '\0') return propia;
  return KORVELIX_E2E_SALIDA_DEFECTO;
}

CCamino::CCamino(const std::string& nombre, std::function<void(const CKorvelix&)> antesDeArrancar)
    : m_carpeta(CarpetaSalida() / nombre) {
  std::filesystem::remove_all(m_carpeta);
  std::filesystem::create_directories(m_carpeta);
  m_pEscritorio = std::make_unique<CEscritorio>(m_carpeta / "escritorio");
  if (!m_pEscritorio->Listo()) {
    m_errorArranque = "the private desktop did not start: " + m_pEscritorio->Error();
    return;
  }
  m_pPrograma = std::make_unique<CKorvelix>(*m_pEscritorio, m_carpeta / "programa");
  if (antesDeArrancar) antesDeArrancar(*m_pPrograma);
  if (!m_pPrograma->Arrancar()) {
    m_errorArranque = "the program did not start (see " + m_pPrograma->Salida().string() + ")";
  }
}

CCamino::~CCamino() {
  // The program first, then the desktop it ran on.
  m_pPrograma.reset();
  m_pEscritorio.reset();
}

bool CCamino::ArrancarOtraInstalacion(const std::string& subcarpeta, bool unaInstancia,
                                      const std::vector<std::string>& otras) {
  if (!m_pEscritorio || !m_pEscritorio->Listo()) return false;
  m_pPrograma.reset();
  m_pPrograma = std::make_unique<CKorvelix>(*m_pEscritorio, m_carpeta / subcarpeta);
  return m_pPrograma->Arrancar(unaInstancia, otras);
}

std::optional<SVentana> CCamino::VentanaDelante(const std::string& patron, const std::string& queEs,
                                                std::chrono::milliseconds plazo) {
  const std::optional<SVentana> v = m_pEscritorio->EsperarVentana(patron, plazo);
  if (!v) {
    ADD_FAILURE() << queEs << " (a window titled /" << patron << "/) did not appear";
    return std::nullopt;
  }
  if (!m_pEscritorio->EsperarActiva(v->id, std::chrono::seconds(3))) {
    const auto activa = m_pEscritorio->VentanaActiva();
    ADD_FAILURE() << queEs << " (\"" << v->titulo << "\") appeared without the focus; the focus is on \""
                  << (activa ? activa->titulo : std::string("nothing")) << "\"";
    if (!m_pEscritorio->Activar(v->id)) {
      ADD_FAILURE() << queEs << " could not be brought to the front either";
      return std::nullopt;
    }
  }
  // A window that has just come up takes a moment to hand the keyboard to its first control; a person never types
  // that fast.
  Dormir(std::chrono::milliseconds(300));
  return v;
}

bool CCamino::Tabular(int veces) {
  if (veces <= 0) return true;
  return m_pEscritorio->Teclas(std::vector<std::string>(static_cast<std::size_t>(veces), "Tab"));
}

::testing::AssertionResult CCamino::TeclearImporteTrasTitular(const std::string& cifras) {
  m_pEscritorio->Escribir(cifras);
  for (int intento = 0; intento < 5; ++intento) {
    const auto texto = TextoCasillaActiva();
    if (texto && Digitos(*texto) == cifras) return ::testing::AssertionSuccess();
    m_pEscritorio->Teclas({"Home", "shift+End"});
    m_pEscritorio->Escribir(cifras);
  }
  return ::testing::AssertionFailure() << "the box after the holder does not take " << cifras;
}

::testing::AssertionResult CCamino::TeclearPagador(const std::string& titular, const std::string& cifras,
                                                   const std::string& retencion) {
  if (!m_pEscritorio->Escribir(titular)) return ::testing::AssertionFailure() << "the keys could not be sent";
  if (auto tecleado = TeclearImporteTrasTitular(cifras); !tecleado) return tecleado;
  if (!m_pEscritorio->Tecla("Tab") || !m_pEscritorio->Escribir(retencion)) {
    return ::testing::AssertionFailure() << "the keys could not be sent";
  }
  return ::testing::AssertionSuccess();
}

std::optional<std::string> CCamino::Copiar(const std::vector<std::string>& teclas) {
  if (!m_pEscritorio->Teclas(teclas)) return std::nullopt;
  std::optional<std::string> texto;
  // The program answers the clipboard request from its event loop: give it a moment to take the copy.
  EsperarHasta(
      [&] {
        texto = m_pEscritorio->Portapapeles();
        return texto.has_value();
      },
      std::chrono::seconds(3), std::chrono::milliseconds(100));
  return texto;
}

std::optional<std::string> CCamino::TextoCasillaActiva() {
  const auto texto = Copiar({"Home", "shift+End", "ctrl+c"});
  // The box's own selection is left as it was found: the caret at the end, nothing selected.
  m_pEscritorio->Tecla("End");
  return texto;
}

::testing::AssertionResult CCamino::CasillaActivaMuestra(const std::string& esperado, const std::string& queEs,
                                                         const std::function<std::string(const std::string&)>& lectura) {
  const auto texto = TextoCasillaActiva();
  if (!texto) return ::testing::AssertionFailure() << queEs << " gave nothing to the clipboard";
  if ((lectura ? lectura(*texto) : *texto) != esperado) {
    return ::testing::AssertionFailure() << queEs << " shows \"" << *texto << "\", not \"" << esperado << "\"";
  }
  return ::testing::AssertionSuccess();
}

std::optional<std::string> CCamino::TextoCompleto() { return Copiar({"ctrl+a", "ctrl+c"}); }

::testing::AssertionResult CCamino::TabularEntre(int pagina, int desde, int hasta) {
  const auto p = Pagina(pagina);
  if (!p) return ::testing::AssertionFailure() << "no page source for page " << pagina;
  const auto tabs = p->Tabulaciones(desde, hasta);
  if (!tabs) return ::testing::AssertionFailure() << "box " << hasta << " of page " << pagina << " takes no focus";
  if (!Tabular(*tabs)) return ::testing::AssertionFailure() << "the Tab keys could not be sent";
  return ::testing::AssertionSuccess();
}

std::optional<CPaginaFuente> CCamino::Pagina(int pagina) const {
  return CPaginaFuente::Leer(KORVELIX_FUENTES_PAGINAS, pagina);
}

::testing::AssertionResult CCamino::PrincipalActiva() {
  const auto principal = m_pEscritorio->EsperarVentana(titulos::kPrincipal);
  if (!principal) return ::testing::AssertionFailure() << "no main window";
  if (!m_pEscritorio->EsperarActiva(principal->id)) {
    return ::testing::AssertionFailure() << "the main window did not get the focus";
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult CCamino::AltaDesdeIndice(const std::string& clave) {
  if (!VentanaDelante(titulos::kIndice, "the declaration index")) {
    return ::testing::AssertionFailure() << "no declaration index";
  }
  if (!m_pEscritorio->Escribir(clave) || !m_pEscritorio->Tecla("alt+a")) {
    return ::testing::AssertionFailure() << "the keys could not be sent";
  }
  if (!VentanaDelante(titulos::kAsistente, "the personal data wizard")) {
    return ::testing::AssertionFailure() << "\"&Alta\" did not open the personal data wizard";
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult CCamino::AltaPatrimonioDesdeIndice(const std::string& clave) {
  if (!VentanaDelante(titulos::kIndice, "the declaration index")) {
    return ::testing::AssertionFailure() << "no declaration index";
  }
  if (!m_pEscritorio->Escribir(clave) || !m_pEscritorio->Tecla("alt+p") || !m_pEscritorio->Tecla("alt+a")) {
    return ::testing::AssertionFailure() << "the keys could not be sent";
  }
  if (!m_pEscritorio->EsperarSinVentana(titulos::kIndice)) {
    return ::testing::AssertionFailure() << "the index did not create the declaration";
  }
  return PrincipalActiva();
}

::testing::AssertionResult CCamino::AsistenteDeclaranteSolo(const std::string& comunidad) {
  // "Soltero/a" has the focus: tick it, say "No" children, give the year of birth and the community.
  m_pEscritorio->Tecla("space");
  Tabular(4);  // Casado/a, Viudo/a, Separado/a; "Cónyuge fallecido" is disabled for a single person
  m_pEscritorio->Tecla("space");
  Tabular(2);  // "Si"; the joint declaration's community is disabled
  m_pEscritorio->Escribir("1960");
  Tabular(2);  // the disability degree
  m_pEscritorio->Escribir(comunidad);
  Tabular(1);  // the community's name comes from its code
  // "Aplicar" finishes the wizard: the next control after the community that takes the focus (the rows of the
  // spouse and the children are disabled).
  Tabular(1);
  m_pEscritorio->Tecla("space");
  if (!m_pEscritorio->EsperarSinVentana(titulos::kAsistente)) {
    return ::testing::AssertionFailure() << "the wizard is still open after its data were typed and \"Aplicar\" was "
                                            "pressed";
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult CCamino::AbrirDesdeIndice(const std::string& clave) {
  if (!VentanaDelante(titulos::kIndice, "the declaration index")) {
    return ::testing::AssertionFailure() << "no declaration index";
  }
  if (!clave.empty()) m_pEscritorio->Escribir(clave);
  m_pEscritorio->Tecla("alt+s");
  if (!m_pEscritorio->EsperarSinVentana(titulos::kIndice)) {
    return ::testing::AssertionFailure() << "the index did not open the declaration";
  }
  return PrincipalActiva();
}

::testing::AssertionResult CCamino::IrAPagina(int numero) {
  m_pEscritorio->Tecla("ctrl+i");
  if (!VentanaDelante(titulos::kIrAPagina, "the go-to-page dialog")) {
    return ::testing::AssertionFailure() << "Ctrl+I did not open the go-to-page dialog";
  }
  m_pEscritorio->Escribir(std::to_string(numero));
  m_pEscritorio->Tecla("Return");
  if (!m_pEscritorio->EsperarSinVentana(titulos::kIrAPagina)) {
    return ::testing::AssertionFailure() << "the go-to-page dialog did not close on Enter";
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult CCamino::ImprimirDeclaracionEnPdf(const std::filesystem::path& pdf, bool* cerradaPorErrores) {
  using namespace std::chrono_literals;
  if (cerradaPorErrores != nullptr) *cerradaPorErrores = false;
  m_pEscritorio->Tecla("ctrl+p");
  const auto dialogo = m_pEscritorio->EsperarVentana(std::string(titulos::kImprimir) + "|" + titulos::kHallazgos);
  if (!dialogo) return ::testing::AssertionFailure() << "Ctrl+P opened neither the print dialog nor the findings";
  if (dialogo->titulo != "Imprimir") {
    m_pEscritorio->Tecla("alt+i");
    if (!m_pEscritorio->EsperarVentana(titulos::kImprimir, 5s)) {
      // An error among the findings keeps printing closed.
      m_pEscritorio->Tecla("Escape");
      m_pEscritorio->EsperarSinVentana(titulos::kHallazgos);
      if (cerradaPorErrores != nullptr) *cerradaPorErrores = true;
      return ::testing::AssertionFailure() << "printing is closed by errors of the findings list";
    }
  }
  return ImprimirEnPdf(pdf);
}

::testing::AssertionResult CCamino::GenerarFicheroInternet(const std::filesystem::path& fichero) {
  using namespace std::chrono_literals;
  const auto principal = m_pEscritorio->EsperarVentana(titulos::kPrincipal);
  if (principal) m_pEscritorio->Activar(principal->id);
  m_pEscritorio->Tecla("alt+a");
  m_pEscritorio->Tecla("f");
  // No error among the findings: the notice comes at once; "Aceptar" goes on.
  if (!VentanaDelante(titulos::kConfirmacionInternet, "the notice before filing")) {
    return ::testing::AssertionFailure() << "the filing command did not show its notice (is the findings list up?)";
  }
  m_pEscritorio->Tecla("Return");
  // The file dialog offers "KVXINET"; the whole path is typed over it and Enter accepts it.
  if (!VentanaDelante(titulos::kFicheroInternet, "the file dialog of the filing")) {
    return ::testing::AssertionFailure() << "no file dialog";
  }
  m_pEscritorio->Teclas({"ctrl+a", "BackSpace"});
  m_pEscritorio->Escribir(fichero.string());
  m_pEscritorio->Tecla("Return");
  if (!m_pEscritorio->EsperarSinVentana(titulos::kFicheroInternet)) {
    return ::testing::AssertionFailure() << "the file dialog did not take the path";
  }
  if (!EsperarHasta([&] { return std::filesystem::exists(fichero); }, 20s)) {
    return ::testing::AssertionFailure() << "no file " << fichero;
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult CCamino::IrACasilla(int pagina, const std::string& id,
                                               const std::function<bool(const SCasillaPagina&)>& pasaDeLargo) {
  const auto p = Pagina(pagina);
  if (!p) return ::testing::AssertionFailure() << "no page source for page " << pagina;
  const int destino = p->NumeroDe(id);
  auto tabs = p->Tabulaciones(p->PrimeraEditable(), destino);
  if (!tabs) return ::testing::AssertionFailure() << "box " << id << " of page " << pagina << " takes no focus";
  if (pasaDeLargo) {
    for (const SCasillaPagina& c : p->Casillas()) {
      if (c.numero < destino && !c.lectura && c.enPantalla && pasaDeLargo(c)) --*tabs;
    }
  }
  if (!Tabular(*tabs)) return ::testing::AssertionFailure() << "the Tab keys could not be sent";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult CCamino::IrACasilla(int pagina, int numero) {
  const auto p = Pagina(pagina);
  if (!p) return ::testing::AssertionFailure() << "no page source for page " << pagina;
  return TabularEntre(pagina, p->PrimeraEditable(), numero);
}

::testing::AssertionResult CCamino::TeclearOficina(int pagina, int casillaDelegacion, const std::string& delegacion,
                                                   int casillaAdministracion, const std::string& administracion) {
  if (auto ido = IrACasilla(pagina, casillaDelegacion); !ido) return ido;
  if (!m_pEscritorio->Escribir(delegacion)) return ::testing::AssertionFailure() << "the keys could not be sent";
  if (auto ido = TabularEntre(pagina, casillaDelegacion, casillaAdministracion); !ido) return ido;
  if (!m_pEscritorio->Escribir(administracion) || !m_pEscritorio->Tecla("Tab")) {
    return ::testing::AssertionFailure() << "the keys could not be sent";
  }
  return ::testing::AssertionSuccess();
}

void CCamino::TraerPrincipal() {
  if (const auto principal = m_pEscritorio->EsperarVentana(titulos::kPrincipal)) m_pEscritorio->Activar(principal->id);
}

void CCamino::OrdenDelMenu(const std::string& menu, const std::string& entrada) {
  TraerPrincipal();
  m_pEscritorio->Tecla("alt+" + menu);
  m_pEscritorio->Tecla(entrada);
}

std::optional<SVentana> CCamino::EstadoDeLaDeclaracion() {
  OrdenDelMenu("d", "e");
  return VentanaDelante(titulos::kHallazgos, "the findings list");
}

::testing::AssertionResult CCamino::IrAlPrimerHallazgo() {
  // The grid starts at (8, 8) of the list's client area; its heading row is one and a half default rows high, so the
  // first finding's row runs from 1.5 to 2.5 default rows down (the default row is the list font's height plus a
  // blank's width above and below it). 46 pixels down lies in that row for any default row of 19 to 30 pixels; the
  // code column is 80 pixels wide.
  constexpr int kX = 8 + 40;
  constexpr int kY = 8 + 46;
  const auto lista = m_pEscritorio->EsperarVentana(titulos::kHallazgos);
  if (!lista) return ::testing::AssertionFailure() << "the findings list is not up";
  if (!m_pEscritorio->DobleClic(lista->id, kX, kY)) return ::testing::AssertionFailure() << "no double click";
  if (!m_pEscritorio->EsperarSinVentana(titulos::kHallazgos)) {
    return ::testing::AssertionFailure() << "the double click on the finding did not close the list";
  }
  // The pointer goes back to its corner, off the page's boxes.
  m_pEscritorio->MoverRaton(0, 0);
  return ::testing::AssertionSuccess();
}

std::vector<SHallazgoGuardado> CCamino::EsperarHallazgos(
    const std::string& clave, const std::function<bool(const std::vector<SHallazgoGuardado>&)>& condicion,
    std::string& motivo) {
  std::vector<SHallazgoGuardado> filas;
  EsperarHasta(
      [&] {
        const auto leidas = m_pPrograma->Hallazgos(clave, &motivo);
        if (leidas) filas = *leidas;
        return leidas && condicion(filas);
      },
      std::chrono::seconds(10), std::chrono::milliseconds(200));
  return filas;
}

::testing::AssertionResult CCamino::ImprimirEnPdf(const std::filesystem::path& pdf) {
  if (!VentanaDelante(titulos::kImprimir, "the print dialog")) return ::testing::AssertionFailure() << "no print dialog";
  // "Impresora:" has the focus; the arrow moves to "Fichero PDF:", Tab to its path.
  m_pEscritorio->Tecla("Down");
  m_pEscritorio->Tecla("Tab");
  m_pEscritorio->Teclas({"ctrl+a", "BackSpace"});
  m_pEscritorio->Escribir(pdf.string());
  // Past "...", "Todo" and the extra copy, to "Aceptar".
  Tabular(4);
  m_pEscritorio->Tecla("space");
  // After the run the notice for the taxpayer; "&Aceptar" closes it.
  if (VentanaDelante(titulos::kAviso, "the notice after printing", std::chrono::seconds(60))) {
    m_pEscritorio->Tecla("alt+a");
    if (!m_pEscritorio->EsperarSinVentana(titulos::kAviso)) {
      return ::testing::AssertionFailure() << "the notice after printing did not close";
    }
  }
  if (!EsperarHasta([&] { return std::filesystem::exists(pdf); }, std::chrono::seconds(30))) {
    return ::testing::AssertionFailure() << "no PDF at " << pdf;
  }
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult CCamino::ElegirFichero(const char* titulo, const std::filesystem::path& fichero,
                                                 const std::string& queEs) {
  if (!VentanaDelante(titulo, queEs)) return ::testing::AssertionFailure() << queEs << " did not open";
  m_pEscritorio->Teclas({"ctrl+a"});
  m_pEscritorio->Escribir(fichero.string());
  for (int vez = 0; vez < 3; ++vez) {
    m_pEscritorio->Tecla("Return");
    if (m_pEscritorio->EsperarSinVentana(titulo, std::chrono::seconds(2))) return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << queEs << " did not take the path";
}

void CCamino::CerrarAviso() {
  const auto principal = m_pEscritorio->EsperarVentana(titulos::kPrincipal);
  EsperarHasta(
      [&] {
        const auto activa = m_pEscritorio->VentanaActiva();
        if (activa && principal && activa->id != principal->id) {
          m_pEscritorio->Tecla("Return");
          return false;
        }
        return true;
      },
      std::chrono::seconds(5), std::chrono::milliseconds(300));
}

::testing::AssertionResult CCamino::ExportarRenta(const std::filesystem::path& fichero, bool marcarPrimera) {
  OrdenDelMenu("a", "e");
  const auto impuesto = VentanaDelante(titulos::kExportacion, "the choice of tax to export");
  if (!impuesto) return ::testing::AssertionFailure() << "\"&Exportar\" did not ask for the tax";
  // Renta is the first.
  m_pEscritorio->Tecla("Return");
  if (!m_pEscritorio->EsperarCerrada(impuesto->id)) return ::testing::AssertionFailure() << "the tax was not taken";
  if (!VentanaDelante(titulos::kExportacion, "the choice of declarations to export")) {
    return ::testing::AssertionFailure() << "no list of declarations to export";
  }
  // The arrows put the cursor on the first row, the space bar ticks it.
  if (marcarPrimera) m_pEscritorio->Teclas({"Down", "Up", "space"});
  m_pEscritorio->Tecla("Return");
  if (auto elegido = ElegirFichero(titulos::kFicheroExportar, fichero, "the save dialog \"Exportar\""); !elegido) {
    return elegido;
  }
  if (!EsperarHasta([&] { return std::filesystem::exists(fichero); }, std::chrono::seconds(10))) {
    return ::testing::AssertionFailure() << "no file " << fichero;
  }
  CerrarAviso();
  return ::testing::AssertionSuccess();
}

std::optional<SDeclaracionGuardada> CCamino::EsperarGuardada(
    const std::string& clave, const std::function<bool(const SDeclaracionGuardada&)>& condicion, std::string& motivo) {
  std::optional<SDeclaracionGuardada> fila;
  EsperarHasta(
      [&] {
        fila = m_pPrograma->Declaracion(clave, &motivo);
        return fila && condicion(*fila);
      },
      std::chrono::seconds(10), std::chrono::milliseconds(200));
  return fila;
}

std::filesystem::path CCamino::GuardarFallo(const std::string& paso) {
  const std::filesystem::path png = m_carpeta / (paso + ".png");
  if (m_pEscritorio && m_pEscritorio->Listo()) {
    m_pEscritorio->Capturar(png);
    std::ofstream ventanas(m_carpeta / (paso + ".ventanas.txt"));
    for (const SVentana& v : m_pEscritorio->Ventanas(".")) ventanas << v.id << "\t" << v.titulo << "\n";
    const auto activa = m_pEscritorio->VentanaActiva();
    ventanas << "focus: " << (activa ? activa->titulo : std::string("(none)")) << "\n";
  }
  return png;
}

void CPasoCamino::SetUp() {
  CCamino* camino = CaminoActual();
  if (camino == nullptr) GTEST_FAIL() << "the road was not set up";
  if (!camino->ErrorArranque().empty()) GTEST_FAIL() << camino->ErrorArranque();
}

void CPasoCamino::TearDown() {
  CCamino* camino = CaminoActual();
  if (!HasFailure() || camino == nullptr) return;
  const std::string paso = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  const std::filesystem::path png = camino->GuardarFallo(paso);
  if (!camino->ErrorArranque().empty()) return;
  std::cout << "[ e2e ] step " << paso << " failed; the screen is in " << png.string() << ", the program's output in "
            << camino->Programa().Salida().string() << std::endl;
}

std::function<void(const CKorvelix&)> ConAlmacen(std::vector<SDeclaracionGuardada> declaraciones) {
  return [declaraciones = std::move(declaraciones)](const CKorvelix& programa) {
    std::string error;
    if (!programa.PrepararAlmacen(declaraciones, error)) ADD_FAILURE() << error;
  };
}

std::string LeerFichero(const std::filesystem::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

std::string Digitos(const std::string& texto) {
  std::string d;
  for (char c : texto) {
    if (c >= '0' && c <= '9') d += c;
  }
  return d;
}

std::string Recortado(std::string texto) {
  while (!texto.empty() && (texto.back() == ' ' || texto.back() == '\n' || texto.back() == '\0')) texto.pop_back();
  while (!texto.empty() && texto.front() == ' ') texto.erase(texto.begin());
  return texto;
}

std::optional<int> PaginasPdf(const std::filesystem::path& pdf) {
  const SResultado r = Ejecutar({"pdfinfo", pdf.string()});
  if (!r.Bien()) return std::nullopt;
  std::istringstream in(r.salida);
  std::string linea;
  while (std::getline(in, linea)) {
    if (linea.rfind("Pages:", 0) == 0) return std::atoi(linea.c_str() + 6);
  }
  return std::nullopt;
}

std::optional<std::string> TextoPaginaPdf(const std::filesystem::path& pdf, int pagina) {
  const std::string n = std::to_string(pagina);
  const SResultado r = Ejecutar({"pdftotext", "-layout", "-f", n, "-l", n, pdf.string(), "-"});
  if (!r.Bien()) return std::nullopt;
  return r.salida;
}

std::string Errores(const std::vector<SHallazgoGuardado>& hallazgos) {
  std::string texto;
  for (const auto& h : hallazgos) {
    if (h.severidad >= 1) {
      texto += " " + h.codigo + " (" + std::to_string(h.vista) + ", " + std::to_string(h.numcontr) + ")";
    }
  }
  return texto;
}

std::vector<std::uint8_t> SimbolosPdf417(const std::filesystem::path& pdf, int pagina, const std::filesystem::path& png) {
  if (!PaginaPdfComoPng(pdf, pagina, 300, png)) return {};
  std::vector<pruebas::CCodigoLeido> simbolos;
  for (const auto& c : pruebas::LeerCodigosPng(png.string())) {
    if (c.formato == "PDF417") simbolos.push_back(c);
  }
  if (simbolos.empty()) return {};
  return pruebas::UnirSecuencia(simbolos);
}

bool PaginaPdfComoPng(const std::filesystem::path& pdf, int pagina, int ppp, const std::filesystem::path& png) {
  std::filesystem::path base = png;
  base.replace_extension();
  const std::string n = std::to_string(pagina);
  const SResultado r = Ejecutar({"pdftoppm", "-f", n, "-l", n, "-r", std::to_string(ppp), "-png",
                                 "-singlefile", pdf.string(), base.string()},
                                {}, std::chrono::seconds(60));
  return r.Bien() && std::filesystem::exists(png);
}

}  // namespace e2e
