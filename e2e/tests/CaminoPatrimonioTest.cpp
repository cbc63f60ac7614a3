// The wealth-tax road, from a new D-714 to its printed form, its Internet file and its draft: the office by its
// codes, the NIF, the name through the name dialog (typed at once, as a person types), the region box that the
// declaration check asks for, a home, a deposit and a debt on their pages; "Estado de la Declaración" without
// errors; printing to a PDF file; the Internet file from the menu; the draft opened and closed; saved, closed and
// opened again. Every outcome is read from data: the boxes' own texts through the clipboard, the stored declaration
// and findings through the table tool, the PDF through pdfinfo, pdftotext and the bar-code reader, the file's bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "Camino.h"
#include "framework/ReferenciaReglas.h"
#include "output/CodigoBarrasDatos.h"
#include "output/ImpresionReglas.h"
#include "output/Registro714.h"
#include "recalculo/Recalculo.h"
#include "wealth/C714Impre.h"
#include "wealth/C714Reglas.h"
#include "wealth/CamposPatrimonio.h"
#include "wealth/Enlace714.h"
#include "ximardol.h"

namespace {

using namespace std::chrono_literals;
using e2e::CCamino;
using e2e::kNif;
using e2e::Digitos;
using e2e::Recortado;
namespace titulos = e2e::titulos;
namespace personales = patrimonio::personales;

// Where the road's outcomes lie in the stored data area, from the program's headers.
constexpr std::size_t kPersonales = offsetof(DatosPatrimonio, PatDatosPersonales);
constexpr std::size_t kNifDeclarante = kPersonales + personales::Nif.desplazamiento;
constexpr std::size_t kApellidos = kPersonales + personales::Apellidos.desplazamiento;
constexpr std::size_t kNombre = kPersonales + personales::Nombre.desplazamiento;
constexpr std::size_t kDelegacion = kPersonales + personales::Identificacion1.desplazamiento;
constexpr std::size_t kAdministracion = kPersonales + personales::Identificacion2.desplazamiento;
constexpr std::size_t kComunidad = kPersonales + personales::CodigoPagina1.desplazamiento;
constexpr std::size_t kResultado = offsetof(DatosPatrimonio, PatResumen) + patrimonio::resumen::Resultado;
// The value of the first row of sections A (urban real estate), E (deposits) and of the debts: 72-byte rows, the
// value a double at 64 (the pages' row groups, Enlace714.h).
constexpr std::size_t kValorFila = 64;
constexpr std::size_t kVivienda = offsetof(DatosPatrimonio, PatA) + kValorFila;
constexpr std::size_t kDeposito = offsetof(DatosPatrimonio, PatE) + kValorFila;
constexpr std::size_t kDeuda = offsetof(DatosPatrimonio, PatDeudas) + kValorFila;

constexpr const char* kClave = "PATRIMONIO E2E";
constexpr const char* kApellidosTecleados = "GARCIA LOPEZ";
constexpr const char* kNombreTecleado = "MARIA";
constexpr const char* kCodigoDelegacion = "28";
constexpr const char* kCodigoAdministracion = "618";
constexpr const char* kCodigoComunidad = "12";
constexpr double kImporteVivienda = 20000000.0;
constexpr double kImporteDeposito = 5000000.0;
constexpr double kImporteDeuda = 2000000.0;
constexpr int kTipoPatrimonio = 3;

constexpr const char* kTituloNombre = "^Nombre y apellidos$";
constexpr const char* kTituloBorrador = "^Presentaci.{1,2}n borrador$";
constexpr const char* kTituloConfirmacion = "^Presentaci.{1,2}n por Internet$";
constexpr const char* kTituloFichero = "^Generar el fichero para Internet$";

// The pages of the form by id, and the boxes the road fills on them (box numbers of the page sources).
constexpr int kPaginaDatosPersonales = patrimonio::IdPagina714(1);
constexpr int kCasillaCodigoDelegacion = 3;
constexpr int kCasillaCodigoAdministracion = 4;
constexpr int kCasillaNombre = 7;

// The box number of a place of the first page, as the page's binding puts it.
int CasillaDe(std::size_t desplazamiento) {
  const auto& mapa = patrimonio::MapaCasillas714(1);
  for (std::size_t i = 0; i < mapa.size(); ++i) {
    if (mapa[i].origen == patrimonio::EOrigen714::Datos && mapa[i].desplazamiento == desplazamiento) {
      return static_cast<int>(i) + 1;
    }
  }
  return 0;
}

// The box of a page bound to a place of the data area, by the page's row groups: the value of a group's first row.
int CasillaValorPrimeraFila(int pagina, std::size_t bloque) {
  for (const patrimonio::SGrupoFilas714& g : patrimonio::GruposFilas714(pagina)) {
    if (g.bloque != bloque) continue;
    const auto campo = std::find(g.campos.begin(), g.campos.end(), g.valor);
    if (campo != g.campos.end()) return g.primeraCasilla + static_cast<int>(campo - g.campos.begin()) + 1;
  }
  return 0;
}

DatosPatrimonio Area(const e2e::SDeclaracionGuardada& fila) {
  DatosPatrimonio d{};
  if (fila.datos.size() == sizeof d) std::memcpy(&d, fila.datos.data(), sizeof d);
  return d;
}

// The pages a print run gives: every page of the form that prints, in as many copies as printing gives that page (no
// extra copy asked for). `conDatos` says which section pages hold data by the printing's rule.
int HojasImpresas714(const DatosPatrimonio& datos, const std::function<bool(int)>& conDatos) {
  int hojas = 0;
  for (int pagina = 1; pagina <= patrimonio::kPaginasImpresas714; ++pagina) {
    bool imprime = false;
    switch (patrimonio::CuandoImprimir714(pagina)) {
      case patrimonio::ECuandoImprimir714::Siempre: imprime = true; break;
      case patrimonio::ECuandoImprimir714::ConDatos0:
      case patrimonio::ECuandoImprimir714::ConDatos3: imprime = conDatos(pagina); break;
      case patrimonio::ECuandoImprimir714::ResultadoNoNegativo: imprime = patrimonio::DatoDI(datos) >= 0.0; break;
      case patrimonio::ECuandoImprimir714::Nunca: break;
    }
    if (imprime) hojas += static_cast<int>(salida::EjemplaresDePagina(salida::kFormularioD714, pagina, false).size());
  }
  return hojas;
}

// An amount as the boxes show it: thousands split with ".", no decimals.
std::string ConMiles(double importe) {
  const std::string digitos = std::to_string(static_cast<long long>(importe));
  std::string texto;
  for (std::size_t i = 0; i < digitos.size(); ++i) {
    if (i > 0 && (digitos.size() - i) % 3 == 0) texto += '.';
    texto += digitos[i];
  }
  return texto;
}

class CaminoPatrimonio : public e2e::CPasoDe<CaminoPatrimonio> {
 protected:
  // The stored declaration once `condicion` holds; a failure names why.
  std::optional<e2e::SDeclaracionGuardada> Guardada(const std::function<bool(const e2e::SDeclaracionGuardada&)>& condicion) {
    std::string motivo;
    auto fila = C().EsperarGuardada(kClave, condicion, motivo);
    if (!fila) ADD_FAILURE() << motivo;
    return fila;
  }

  // On the page shown, from the box it opens on, to box `numero`, and an amount typed there; the box's text.
  std::optional<std::string> ImporteEnCasilla(int pagina, int numero, double importe) {
    if (!C().IrACasilla(pagina, numero)) return std::nullopt;
    E().Escribir(std::to_string(static_cast<long long>(importe)));
    const auto texto = C().TextoCasillaActiva();
    E().Tecla("Tab");
    return texto;
  }
};

TEST_F(CaminoPatrimonio, UnaDeclaracionNuevaDePatrimonioAbreSuPrimeraPagina) {
  // The name, "&Patrimonio", "&Alta".
  ASSERT_TRUE(C().AltaPatrimonioDesdeIndice(kClave));
  std::string motivo;
  const auto fila = C().Programa().Declaracion(kClave, &motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->tipodec, kTipoPatrimonio);
  C().Alcanzado("pagina1");
}

TEST_F(CaminoPatrimonio, LaDelegacionYLaAdministracionSeTomanPorSuCodigo) {
  REQUIERE_PASO(C(), "pagina1");
  // Leaving a code box looks the code up and writes the office's name beside it.
  ASSERT_TRUE(C().TeclearOficina(kPaginaDatosPersonales, kCasillaCodigoDelegacion, kCodigoDelegacion,
                                 kCasillaCodigoAdministracion, kCodigoAdministracion));
  E().Tecla("ctrl+g");
  const auto fila = Guardada([](const auto& f) { return Recortado(f.Texto(kAdministracion, 18)) == "HORTALEZA"; });
  ASSERT_TRUE(fila);
  EXPECT_EQ(Recortado(fila->Texto(kDelegacion, 18)), "MADRID");
  EXPECT_EQ(Recortado(fila->Texto(kDelegacion - 3, 3)), kCodigoDelegacion);
  C().Alcanzado("oficina");
}

TEST_F(CaminoPatrimonio, ElNifYElNombreTecleadoDeUnaVezSeGuardan) {
  REQUIERE_PASO(C(), "oficina");
  const auto pagina = C().Pagina(kPaginaDatosPersonales);
  ASSERT_TRUE(pagina);
  // The previous step left the administration code for the box after it.
  const int nif = pagina->NumeroDe("NIF");
  const auto tabs = pagina->Tabulaciones(kCasillaCodigoAdministracion, nif);
  ASSERT_TRUE(tabs);
  C().Tabular(*tabs - 1);
  E().Escribir(kNif);
  ASSERT_TRUE(C().CasillaActivaMuestra(kNif, "the NIF box"));
  ASSERT_EQ(pagina->Tabulaciones(nif, kCasillaNombre), 1);
  E().Tecla("Tab");
  // Into the name box the surnames are typed at once: the first key opens the name dialog, which asks the
  // surnames first, as the page's label reads, and takes every key from the first.
  E().Escribir(kApellidosTecleados);
  ASSERT_TRUE(C().VentanaDelante(kTituloNombre, "the name dialog"));
  ASSERT_TRUE(C().CasillaActivaMuestra(kApellidosTecleados, "the surnames field")) << "the name dialog lost keys";
  E().Tecla("Tab");
  E().Escribir(kNombreTecleado);
  E().Tecla("alt+a");
  ASSERT_TRUE(E().EsperarSinVentana(kTituloNombre)) << "the name dialog did not close with \"&Aceptar\"";
  // The name box shows them, surnames first.
  ASSERT_TRUE(C().CasillaActivaMuestra(std::string(kApellidosTecleados) + ", " + kNombreTecleado, "the name box",
                                       Recortado));

  E().Tecla("ctrl+g");
  const auto fila = Guardada([](const auto& f) { return f.Texto(kNifDeclarante, 9) == kNif; });
  ASSERT_TRUE(fila);
  EXPECT_EQ(fila->tipodec, kTipoPatrimonio);
  EXPECT_EQ(Recortado(fila->Texto(kApellidos, personales::Apellidos.ancho)), kApellidosTecleados);
  EXPECT_EQ(Recortado(fila->Texto(kNombre, personales::Nombre.ancho)), kNombreTecleado);
  if (!HasFailure()) C().Alcanzado("declarante");
}

TEST_F(CaminoPatrimonio, LaComunidadQuePideElEstadoSeTecleaYElErrorSeVa) {
  REQUIERE_PASO(C(), "declarante");
  // The check finds one error left: the region box, named by its page and box.
  ASSERT_TRUE(C().EstadoDeLaDeclaracion()) << "\"Estado de la Declaracion\" did not show the findings list";
  std::string motivo;
  const auto hallazgos =
      C().EsperarHallazgos(kClave, [](const auto& h) { return !e2e::Errores(h).empty(); }, motivo);
  const int comunidad = CasillaDe(kComunidad);
  ASSERT_GT(comunidad, 0);
  ASSERT_EQ(e2e::Errores(hallazgos), " 100R129 (1, " + std::to_string(comunidad - 1) + ")") << motivo;
  // A double click on the finding takes the person to that box, which keeps the code typed.
  ASSERT_TRUE(C().IrAlPrimerHallazgo());
  ASSERT_TRUE(C().PrincipalActiva());
  E().Escribir(kCodigoComunidad);
  ASSERT_TRUE(C().CasillaActivaMuestra(kCodigoComunidad, "the region box"))
      << "the box \"Revisar\" led to does not keep the region typed";
  E().Tecla("Tab");

  ASSERT_TRUE(C().EstadoDeLaDeclaracion()) << "\"Estado de la Declaracion\" did not show the findings list again";
  const auto despues =
      C().EsperarHallazgos(kClave, [](const auto& h) { return e2e::Errores(h).empty(); }, motivo);
  EXPECT_EQ(e2e::Errores(despues), "") << "errors left with the region typed " << motivo;
  E().Tecla("Escape");
  EXPECT_TRUE(E().EsperarSinVentana(titulos::kHallazgos));
  E().Tecla("ctrl+g");
  const auto fila = Guardada([](const auto& f) { return Recortado(f.Texto(kComunidad, 3)) == kCodigoComunidad; });
  ASSERT_TRUE(fila);
  if (!HasFailure()) C().Alcanzado("sin errores");
}

TEST_F(CaminoPatrimonio, LaViviendaElDepositoYLaDeudaDanLaCuotaDeLaBiblioteca) {
  REQUIERE_PASO(C(), "pagina1");
  struct SAsiento {
    int pagina;
    std::size_t bloque;
    double importe;
  };
  const SAsiento asientos[] = {{2, offsetof(DatosPatrimonio, PatA), kImporteVivienda},
                               {4, offsetof(DatosPatrimonio, PatE), kImporteDeposito},
                               {8, offsetof(DatosPatrimonio, PatDeudas), kImporteDeuda}};
  for (const SAsiento& a : asientos) {
    SCOPED_TRACE("page " + std::to_string(a.pagina));
    const int casilla = CasillaValorPrimeraFila(a.pagina, a.bloque);
    ASSERT_GT(casilla, 0);
    ASSERT_TRUE(C().IrAPagina(a.pagina));
    const auto texto = ImporteEnCasilla(patrimonio::IdPagina714(a.pagina), casilla, a.importe);
    ASSERT_TRUE(texto) << "the value box gave nothing to the clipboard";
    EXPECT_EQ(Digitos(*texto), std::to_string(static_cast<long long>(a.importe)));
  }
  E().Tecla("ctrl+g");
  const auto fila = Guardada([](const auto& f) { return f.Importe(kDeuda).value_or(0.0) == kImporteDeuda; });
  ASSERT_TRUE(fila);
  EXPECT_EQ(fila->Importe(kVivienda), kImporteVivienda);
  EXPECT_EQ(fila->Importe(kDeposito), kImporteDeposito);
  // The stored tax is the library's, recomputed here from the stored declaration in the program's order.
  DatosPatrimonio recalculada = Area(*fila);
  recalculo::RecalcularPatrimonio(recalculada, true);
  const double cuota = fila->Importe(kResultado).value_or(-1.0);
  EXPECT_GT(cuota, 0.0) << "a net wealth of 23,000,000 leaves no tax";
  EXPECT_EQ(cuota, patrimonio::LeeDouble(recalculada.PatResumen, patrimonio::resumen::Resultado));
  if (!HasFailure()) C().Alcanzado("patrimonio");
}

TEST_F(CaminoPatrimonio, ElPdfImpresoTieneLasPaginasDelFormularioYSuCodigoDeBarras) {
  REQUIERE_PASO(C(), "sin errores");
  REQUIERE_PASO(C(), "patrimonio");
  const std::filesystem::path pdf = C().Carpeta() / "patrimonio.pdf";
  // No error is left: Ctrl+P opens the print dialog at once.
  C().TraerPrincipal();
  ASSERT_TRUE(E().Tecla("ctrl+p"));
  ASSERT_TRUE(C().ImprimirEnPdf(pdf));
  std::string motivo;
  const auto fila = C().Programa().Declaracion(kClave, &motivo);
  ASSERT_TRUE(fila) << motivo;
  const DatosPatrimonio datos = Area(*fila);

  // The form's pages in their copies. The road fills section pages 2, 4 and 8: those print, the empty section
  // pages (3, 5, 6 and 7) do not.
  const auto paginas = e2e::PaginasPdf(pdf);
  ASSERT_TRUE(paginas) << "pdfinfo cannot read " << pdf;
  EXPECT_EQ(*paginas, HojasImpresas714(datos, [](int pagina) { return pagina == 2 || pagina == 4 || pagina == 8; }));

  // The first page carries the whole declaration in a PDF417 symbol.
  const std::vector<std::uint8_t> trama = e2e::SimbolosPdf417(pdf, 1, C().Carpeta() / "pagina1.png");
  ASSERT_FALSE(trama.empty()) << "no whole PDF417 symbol on page 1";
  const auto leida = salida::LeerTrama(trama);
  ASSERT_TRUE(leida.has_value()) << "the symbol does not hold a frame";
  EXPECT_EQ(leida->prefijo, salida::kPrefijoTrama714);
  EXPECT_EQ(leida->identificador, kNif);
  const auto registro = salida::RecuperarRegistro(trama);
  ASSERT_TRUE(registro.has_value()) << "the frame does not give back a record";
  salida::SVistaRegistro714 vista;
  vista.ejercicioFiscal = "1999";
  vista.letraWindows = marco::DameLetraWindows();
  vista.letraIdioma = 'e';
  EXPECT_EQ(*registro, salida::DatosCodigoBarras714(datos, vista)) << "the symbol is not the declaration's record";

  // The result page as printed shows the tax as the boxes show it.
  const std::string cuota = ConMiles(patrimonio::LeeDouble(datos.PatResumen, patrimonio::resumen::Resultado));
  bool vista11 = false;
  for (int p = 1; p <= *paginas && !vista11; ++p) {
    const auto texto = e2e::TextoPaginaPdf(pdf, p);
    if (!texto || texto->find("Resultado e ingreso") == std::string::npos) continue;
    vista11 = true;
    EXPECT_NE(texto->find(cuota), std::string::npos) << "the printed result page does not show " << cuota;
  }
  EXPECT_TRUE(vista11) << "no printed page of the result";
  C().Alcanzado("impresa");
}

TEST_F(CaminoPatrimonio, ElMenuGeneraElFicheroParaInternet) {
  REQUIERE_PASO(C(), "sin errores");
  const std::filesystem::path fichero = C().Carpeta() / "presentacion" / "TVXINET";
  std::filesystem::create_directories(fichero.parent_path());
  // "&Archivo", "Generar &fichero para Internet...": the notice, then the file dialog offering "TVXINET".
  C().OrdenDelMenu("a", "f");
  ASSERT_TRUE(C().VentanaDelante(kTituloConfirmacion, "the notice before filing"));
  E().Tecla("Return");
  ASSERT_TRUE(C().VentanaDelante(kTituloFichero, "the file dialog of the filing"));
  E().Teclas({"ctrl+a", "BackSpace"});
  E().Escribir(fichero.string());
  E().Tecla("Return");
  ASSERT_TRUE(E().EsperarSinVentana(kTituloFichero)) << "the file dialog did not take the path";
  ASSERT_TRUE(e2e::EsperarHasta([&] { return std::filesystem::exists(fichero); }, 20s)) << "no file " << fichero;

  // The first line is page 1 of model 714, first sheet; its fields at the places the page's filing order gives.
  const std::string texto = e2e::LeerFichero(fichero);
  const std::size_t fin = texto.find("\r\n");
  ASSERT_NE(fin, std::string::npos) << "the first line has no CR LF";
  const std::string linea = texto.substr(0, fin);
  EXPECT_EQ(linea.substr(0, 6), "71401 ") << linea.substr(0, 40);
  const auto pagina = C().Pagina(kPaginaDatosPersonales);
  ASSERT_TRUE(pagina);
  const auto campo = [&](int numero) {
    const auto c = pagina->CampoInternet(numero);
    if (!c || c->inicio + c->ancho > linea.size()) return std::string("(no field)");
    return linea.substr(c->inicio, c->ancho);
  };
  EXPECT_EQ(Recortado(campo(kCasillaCodigoDelegacion)), kCodigoDelegacion);
  EXPECT_EQ(Recortado(campo(1)), "MADRID");
  EXPECT_EQ(Recortado(campo(kCasillaCodigoAdministracion)), kCodigoAdministracion);
  EXPECT_EQ(Recortado(campo(2)), "HORTALEZA");
  EXPECT_EQ(campo(pagina->NumeroDe("NIF")), kNif);
  EXPECT_EQ(Recortado(campo(kCasillaNombre)), std::string(kApellidosTecleados) + ", " + kNombreTecleado);
  EXPECT_EQ(Recortado(campo(CasillaDe(kComunidad))), kCodigoComunidad);
  C().Alcanzado("internet");
}

TEST_F(CaminoPatrimonio, ElBorradorSeAbreYSeCierra) {
  REQUIERE_PASO(C(), "declarante");
  // "&Archivo", "&Presentación borrador": the preview of the form's pages; Escape closes it.
  C().OrdenDelMenu("a", "p");
  ASSERT_TRUE(C().VentanaDelante(kTituloBorrador, "the draft"));
  E().Tecla("Escape");
  EXPECT_TRUE(E().EsperarSinVentana(kTituloBorrador)) << "the draft did not close";
  EXPECT_TRUE(C().PrincipalActiva());
  EXPECT_TRUE(C().Programa().Vivo());
}

TEST_F(CaminoPatrimonio, GuardarCerrarYVolverAAbrirLoConservaTodo) {
  REQUIERE_PASO(C(), "patrimonio");
  C().TraerPrincipal();
  E().Tecla("ctrl+g");
  std::string motivo;
  const auto antes = C().Programa().Declaracion(kClave, &motivo);
  ASSERT_TRUE(antes) << motivo;
  // "Abrir declaración" closes it and shows the index; its name and "&Seleccionar" open it again, as a D-714.
  ASSERT_TRUE(E().Tecla("ctrl+o"));
  ASSERT_TRUE(C().AbrirDesdeIndice(kClave));
  EXPECT_TRUE(E().Ventanas(titulos::kAviso).empty());
  const auto pagina = C().Pagina(kPaginaDatosPersonales);
  ASSERT_TRUE(pagina);
  const int nif = pagina->NumeroDe("NIF");
  ASSERT_TRUE(C().IrACasilla(kPaginaDatosPersonales, nif));
  ASSERT_TRUE(C().CasillaActivaMuestra(kNif, "the NIF box")) << "did the declaration open?";
  if (C().HaAlcanzado("sin errores")) {
    ASSERT_TRUE(C().TabularEntre(kPaginaDatosPersonales, nif, CasillaDe(kComunidad)));
    ASSERT_TRUE(C().CasillaActivaMuestra(kCodigoComunidad, "the region box"));
  }
  ASSERT_TRUE(C().IrAPagina(2));
  const int vivienda = CasillaValorPrimeraFila(2, offsetof(DatosPatrimonio, PatA));
  ASSERT_TRUE(C().IrACasilla(patrimonio::IdPagina714(2), vivienda));
  ASSERT_TRUE(C().CasillaActivaMuestra(std::to_string(static_cast<long long>(kImporteVivienda)), "the housing box",
                                       Digitos));
  // Nothing of the stored declaration changed by closing and opening it.
  const auto despues = C().Programa().Declaracion(kClave, &motivo);
  ASSERT_TRUE(despues) << motivo;
  EXPECT_EQ(despues->tipodec, kTipoPatrimonio);
  EXPECT_TRUE(despues->datos == antes->datos) << "the stored data area changed";
}

}  // namespace
