// The print run of the printing view base, driven without a display: a small declaration (a page picture of our
// own, a copy-label box and an amount box) printed through a scripted dialog to images, to a PDF file and to
// recorded sheets; the printer checks, cancelling, a sheet that cannot be written, the range rules and the
// "printed" mark.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include <cairo.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#include "ImpresionPrueba.h"
#include "framework/Campo.h"
#include "framework/ControlesPagina.h"
#include "framework/MensajeGuion.h"
#include "output/ImpreVista.h"
#include "platform/MetaFileEscritor.h"
#include "platform/Texto.h"

using namespace salida;

namespace {

std::string Temporal(const std::string& nombre) {
  return (std::filesystem::temp_directory_path() / ("korvelix_imp_" + std::to_string(::getpid()) + "_" + nombre)).string();
}

// A declaration in memory.
class CDocumentoPrueba : public IDocumentoImpresion {
 public:
  int formulario = kFormularioD101;
  int marca = 0;
  int guardados = 0;
  int confirmados = 0;
  bool modificado = false;
  std::array<char, 41> etiqueta{};

  int TipoFormulario() const override { return formulario; }
  std::string Titulo() const override { return "GARCIA PEREZ 1999   "; }
  int ConfirmarCampoActivo() override {
    ++confirmados;
    return 1;
  }
  bool Modificado() const override { return modificado; }
  void MarcarModificado() override { modificado = true; }
  int DameMarcaSujeto() override { return marca; }
  void PonMarcaSujeto(std::uint8_t m) override { marca = m; }
  int GuardarDeclaracion() override {
    ++guardados;
    return 1;
  }
  std::span<char> TextoEjemplar() override { return etiqueta; }
};

class CProgresoPrueba : public IProgresoImpresion {
 public:
  explicit CProgresoPrueba(std::vector<std::string>& textos) : m_textos(textos) {}
  void MostrarDocumento(std::string_view t) override { m_textos.emplace_back(t); }
  void MostrarPagina(std::string_view t) override { m_textos.emplace_back(t); }

 private:
  std::vector<std::string>& m_textos;
};

using pruebas::CDestinoPrestado;

// The user's side, scripted.
struct SGuionImpresion {
  bool aceptar = true;
  std::function<void(CInfoImpresion&)> elegir;  // what the user picks in the dialog
  std::function<std::unique_ptr<CDestinoImpresion>()> destino;
  std::function<void(int)> alBombear;  // after each copy (count from 1)
  std::vector<std::string> textos;
  int dialogos = 0;
  int bombeos = 0;
  std::vector<bool> principal;
  CInfoImpresion vista;  // the info as the dialog got it
};

class CInteraccionPrueba : public CInteraccionImpresion {
 public:
  explicit CInteraccionPrueba(SGuionImpresion& g) : m_g(g) {}
  bool PedirOpciones(CInfoImpresion& info) override {
    ++m_g.dialogos;
    m_g.vista = info;
    if (m_g.elegir) m_g.elegir(info);
    return m_g.aceptar;
  }
  std::unique_ptr<CDestinoImpresion> CrearDestino(const CInfoImpresion&) override { return m_g.destino(); }
  std::unique_ptr<IProgresoImpresion> MostrarProgreso() override {
    return std::make_unique<CProgresoPrueba>(m_g.textos);
  }
  void HabilitarVentanaPrincipal(bool h) override { m_g.principal.push_back(h); }
  void BombearMensajes() override {
    ++m_g.bombeos;
    if (m_g.alBombear) m_g.alBombear(m_g.bombeos);
  }

 private:
  SGuionImpresion& m_g;
};

// The page picture: a frame around the copy-label box and around the amount box, in page units x 10.
const std::string& RutaImagen() {
  static const std::string ruta = [] {
    plataforma::CEscritorMetaFile w({0, 0, 10040, 14200}, 1214);
    const int pluma = w.CrearPluma(plataforma::CPluma{plataforma::EstiloPluma::Solida, 10, plataforma::kNegro});
    w.Seleccionar(pluma);
    const int pincel = w.CrearPincel(plataforma::CPincel{plataforma::EstiloPincel::Nulo});
    w.Seleccionar(pincel);
    w.Rectangulo({5000, 300, 9800, 700});   // EJEMPLAR
    w.Rectangulo({6000, 7000, 9800, 7400});  // amount
    const std::string r = Temporal("pagina.wmf");
    w.Guardar(r);
    return r;
  }();
  return ruta;
}

// A printing view of a made-up form: every page holds the two boxes; page 3 takes two sheets; pages in `vacias`
// are skipped (no data); the payment pages carry the EAN-128 code.
class CVistaPrueba : public CImpreVista {
 public:
  CDocumentoPrueba* doc = nullptr;
  double importe = 1234567.0;
  std::set<int> vacias;
  std::set<int> pago{9, 10};
  std::string referencia = "99123456789012345678";
  int preparaciones = 0;
  int finales = 0;
  std::vector<std::array<int, 4>> coordenadasPorHoja;

  bool OnPreparePrinting(CInfoImpresion& info) override {
    ++preparaciones;
    return CImpreVista::OnPreparePrinting(info);
  }
  void OnEndPrinting(CInfoImpresion& info) override {
    ++finales;
    CImpreVista::OnEndPrinting(info);
  }

  void OnPrint(CInfoImpresion& info) override {
    const int pagina = info.paginaActual;
    if (vacias.count(pagina) != 0) {
      m_bPaginaImpresa = 0;
      return;
    }
    m_pCampos = std::make_unique<marco::CControlesPagina>();
    AnadirCampo("EJEMPLAR", "A40", doc->etiqueta.data(), {500, 30, 980, 70});
    AnadirCampo("IMPORTE", "F12", &importe, {600, 700, 980, 740});
    m_MetaPagina.Cargar(RutaImagen());
    m_bPaginaImpresa = 1;
    const int hojas = pagina == 3 ? 2 : 1;
    for (int hoja = 1; hoja <= hojas; ++hoja) {
      plataforma::CLienzo* lienzo = IniciarHoja(info, hoja);
      if (lienzo == nullptr) {
        m_bPaginaImpresa = 0;
        break;
      }
      PonerEtiquetaEjemplar();
      DibujarImagenPagina(*lienzo);
      if (hoja == 1) {
        ColocarYDibujarCampos(*lienzo);
      } else {
        ColocarYDibujarCampos(*lienzo);  // asked again: the positions must not move twice
      }
      const marco::CCampo& c = *m_pCampos->Campo(0);
      coordenadasPorHoja.push_back({c.Coor_1, c.Coor_2, c.Coor_3, c.Coor_4});
      if (pago.count(pagina) != 0) ImprimirCodigoBarras(*lienzo, referencia);
      TerminarHoja(info);
    }
    m_MetaPagina.Vaciar();
    m_pCampos.reset();
  }

 private:
  void AnadirCampo(const char* id, const char* mascara, void* dato, std::array<int, 4> r) {
    auto c = std::make_unique<marco::CCampo>();
    c->IndNumero = m_pCampos->NumeroCampos() + 1;
    c->Identifica = id;
    c->StrValidac = mascara;
    c->LeerMascara(marco::kMonedaPesetas);
    c->Dato = dato;
    c->Coor_1 = r[0];
    c->Coor_2 = r[1];
    c->Coor_3 = r[2];
    c->Coor_4 = r[3];
    m_pCampos->Anadir(std::move(c));
  }
};

class ImpreVista : public testing::Test {
 protected:
  void SetUp() override {
    PonerImpresionCancelada(false);
    auto doc = std::make_unique<CDocumentoPrueba>();
    m_doc = doc.get();
    m_vista.doc = m_doc;
    m_vista.PonerDocumentoImpresion(std::move(doc));
    m_vista.PonerInteraccion(std::make_unique<CInteraccionPrueba>(m_guion));
    m_guion.destino = [this] { return Imagenes(); };
  }
  std::unique_ptr<CDestinoImpresion> Imagenes() {
    m_propio = std::make_unique<CDestinoImagenes>(m_ppp, m_configuracion);
    m_propio->FallarEnHoja(m_hojaFallida);
    m_imagenes = m_propio.get();
    return std::make_unique<CDestinoPrestado>(*m_propio);
  }
  void TearDown() override { EXPECT_FALSE(ImpresionCancelada()) << "the flag is always clear between runs"; }

  // The copy labels of the sheets, in order.
  std::vector<std::string> Nombres() const { return m_imagenes != nullptr ? m_imagenes->Nombres() : std::vector<std::string>{}; }

  marco::CGuionMensajes m_mensajes;
  SGuionImpresion m_guion;
  CVistaPrueba m_vista;
  CDocumentoPrueba* m_doc = nullptr;
  std::unique_ptr<CDestinoImagenes> m_propio;
  CDestinoImagenes* m_imagenes = nullptr;
  int m_ppp = 100;
  int m_hojaFallida = -1;
  // A low quality setting whose y resolution is 600 dots: the images are drawn at 100 dots all the same.
  SConfiguracionImpresora m_configuracion{kPapelA4, 1, 1, 100, 600};
};

// How many dark pixels an area of a sheet has.
int Oscuros(plataforma::CLienzo& hoja, const plataforma::CRectangulo& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      const auto c = hoja.Pixel(x, y);
      if (c && c->r < 100 && c->g < 100 && c->b < 100) ++n;
    }
  }
  return n;
}

TEST_F(ImpreVista, UnaD101CompletaSaleConSusEjemplaresYQuedaMarcada) {
  EXPECT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  ASSERT_NE(m_imagenes, nullptr);
  EXPECT_TRUE(m_imagenes->Terminado());
  // Pages 1-8 twice (page 3 with two sheets each time), 9 twice, 10 once.
  EXPECT_EQ(m_imagenes->Hojas().size(), 8u * 2 + 2 + 2 + 1);
  const std::vector<std::string> nombres = Nombres();
  EXPECT_EQ(nombres[0], "P\xE1gina 1 \xB7 Ejemplar para el interesado.");
  EXPECT_EQ(nombres[1], "P\xE1gina 1 \xB7 Ejemplar para la Administraci\xF3n.");
  EXPECT_EQ(nombres[5], "P\xE1gina 3 (hoja 2) \xB7 Ejemplar para el interesado.");
  EXPECT_EQ(nombres[nombres.size() - 2], "P\xE1gina 9 \xB7 Ejemplar para el sobre anual");
  EXPECT_EQ(nombres.back(), "P\xE1gina 10 \xB7 Ejemplar para la Entidad colaboradora.");
  EXPECT_EQ(m_vista.HojasImpresas(), 21);
  EXPECT_EQ(m_doc->marca, 1);
  EXPECT_EQ(m_doc->guardados, 1);
  EXPECT_TRUE(m_doc->modificado);
  EXPECT_EQ(m_vista.m_nPuntosPorPulgada, 600);
  EXPECT_EQ(m_guion.principal, (std::vector<bool>{false, true}));
  EXPECT_EQ(m_guion.bombeos, 19);  // after every copy
  EXPECT_TRUE(m_mensajes.Codigos().empty());
  ASSERT_FALSE(m_guion.textos.empty());
  EXPECT_EQ(m_guion.textos[0], "Imprimiendo GARCIA PEREZ 1999 sobre Imagen en el puerto   ");
  EXPECT_EQ(m_guion.textos[1], "Imprimiendo p\xE1g: 1 de 10");
  EXPECT_EQ(m_vista.preparaciones, 1);
  EXPECT_EQ(m_vista.finales, 1);
}

TEST_F(ImpreVista, LaEtiquetaYElImporteSeDibujanEnSuCasilla) {
  ASSERT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  auto& hojas = m_imagenes->Hojas();
  // The label box: page units 500-980 across, 30-70 down; at 100 dots the sheet is 827 x 1169.
  const plataforma::CRectangulo etiqueta{int(500 * 827 / 1004.0) + 2, int(30 * 1169 / 1420.0) + 2,
                                          int(980 * 827 / 1004.0) - 2, int(70 * 1169 / 1420.0) - 2};
  const int conTexto = Oscuros(hojas[0], etiqueta);
  EXPECT_GT(conTexto, 40);
  // The two copies of page 1 carry different labels: their label areas differ.
  int distintos = 0;
  for (int y = etiqueta.top; y < etiqueta.bottom; ++y) {
    for (int x = etiqueta.left; x < etiqueta.right; ++x) {
      if (hojas[0].Pixel(x, y) != hojas[1].Pixel(x, y)) ++distintos;
    }
  }
  EXPECT_GT(distintos, 20);
  // Nothing is written far from the boxes and the picture's frames (the middle of the page is white).
  EXPECT_EQ(Oscuros(hojas[0], {100, 900, 700, 1100}), 0);
  // The payment page carries its EAN-128 code where it belongs; page 1 has none there.
  const plataforma::CRectangulo codigo{827 * 500 / 790 + 5, 1169 * 175 / 1100 + 5, 827 * 800 / 790 - 5,
                                       1169 * 300 / 1100 - 5};
  EXPECT_GT(Oscuros(hojas[hojas.size() - 1], codigo), 500);
  EXPECT_EQ(Oscuros(hojas[0], codigo), 0);
  hojas[0].GuardarPng(Temporal("hoja1.png"));
  hojas.back().GuardarPng(Temporal("hoja10.png"));
}

TEST_F(ImpreVista, LasPosicionesSeConviertenUnaVezPorPagina) {
  m_guion.elegir = [](CInfoImpresion& info) { info.rango = {3, 3, 1, 10}; };
  m_doc->marca = 1;  // printed before: a range may be chosen
  ASSERT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  ASSERT_EQ(m_vista.coordenadasPorHoja.size(), 4u);  // two copies of two sheets
  EXPECT_EQ(m_vista.coordenadasPorHoja[0], m_vista.coordenadasPorHoja[1]);
  EXPECT_EQ(m_vista.coordenadasPorHoja[0], m_vista.coordenadasPorHoja[3]);
  EXPECT_EQ(m_vista.coordenadasPorHoja[0][0], int(500 / (1004.0 / 827)) + 827 / 300);
}

TEST_F(ImpreVista, CopiaAdicionalPrimeroEnCadaPagina) {
  m_guion.elegir = [](CInfoImpresion& info) { info.copiaAdicional = true; };
  m_doc->formulario = kFormularioD714;
  m_vista.pago = {};
  ASSERT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  const std::vector<std::string> nombres = Nombres();
  // D-714: pages 1-10 four copies (page 3 two sheets each), 11 three, 12 two.
  EXPECT_EQ(nombres.size(), 9u * 4 + 8 + 3 + 2);
  EXPECT_EQ(nombres[0], "P\xE1gina 1 \xB7 Ejemplar para el interesado.");
  EXPECT_EQ(nombres[1], "P\xE1gina 1 \xB7 Ejemplar para el interesado.");
  EXPECT_EQ(nombres[2], "P\xE1gina 1 \xB7 Ejemplar para la Administraci\xF3n.");
  const auto once = std::find(nombres.begin(), nombres.end(), "P\xE1gina 11 \xB7 Ejemplar para el interesado.");
  ASSERT_NE(once, nombres.end());
  EXPECT_EQ(*(once + 1), "P\xE1gina 11 \xB7 Ejemplar para el sujeto pasivo");
  EXPECT_EQ(*(once + 2), "P\xE1gina 11 \xB7 Ejemplar para el sobre anual");
}

TEST_F(ImpreVista, ImpresoraRechazadaNoImprimeNiMarca) {
  const std::vector<std::pair<SConfiguracionImpresora, std::string>> casos = {
      {{1, 1, 1, 600, 600}, "WIN026"},
      {{kPapelA4, 2, 1, 600, 600}, "WIN038"},
      {{kPapelA4, 1, 2, 600, 600}, "WIN039"},
      {{kPapelA4, 1, 1, 240, 240}, "WIN027"},
  };
  for (const auto& [c, codigo] : casos) {
    SCOPED_TRACE(codigo);
    marco::CGuionMensajes mensajes;
    m_configuracion = c;
    m_imagenes = nullptr;
    const int finales = m_vista.finales;
    EXPECT_EQ(m_vista.Imprimir(), EResultadoImpresion::Abandonada);
    EXPECT_EQ(mensajes.Codigos(), std::vector<std::string>{codigo});
    ASSERT_NE(m_imagenes, nullptr);
    EXPECT_TRUE(m_imagenes->Hojas().empty());
    EXPECT_FALSE(m_imagenes->Terminado());
    EXPECT_EQ(m_doc->marca, 0);
    EXPECT_EQ(m_doc->guardados, 0);
    // The derived view always gets its end, so it can put back what it changed.
    EXPECT_EQ(m_vista.finales, finales + 1);
  }
}

TEST_F(ImpreVista, ResolucionBajaPorAlturaAvisaEImprime) {
  // A quality code and a page 3000 dots high (less than 300 dots per inch): WIN027, and the run goes on.
  m_configuracion = {kPapelA4, 1, 1, -4, 0};
  m_ppp = 85;  // 3000 / 11.69 inches
  EXPECT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(m_mensajes.Codigos(), std::vector<std::string>{"WIN027"});
  EXPECT_EQ(m_vista.m_nPuntosPorPulgada, 0);
  EXPECT_EQ(m_doc->marca, 1);
}

TEST_F(ImpreVista, CancelarDetieneTrasLaCopiaEnCurso) {
  m_guion.alBombear = [](int copia) {
    if (copia == 3) PonerImpresionCancelada(true);
  };
  EXPECT_EQ(m_vista.Imprimir(), EResultadoImpresion::Cancelada);
  // Page 1 (two copies) and the first copy of page 2.
  EXPECT_EQ(m_imagenes->Hojas().size(), 3u);
  EXPECT_TRUE(m_imagenes->Terminado());  // what was printed goes out
  EXPECT_EQ(m_doc->marca, 0);
  EXPECT_EQ(m_doc->guardados, 0);
  EXPECT_EQ(m_guion.principal, (std::vector<bool>{false, true}));
  // The next run starts clear and completes.
  m_guion.alBombear = nullptr;
  EXPECT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(m_doc->marca, 1);
}

TEST_F(ImpreVista, HojaQueNoSeEscribeDejaElTrabajoSinTerminar) {
  m_hojaFallida = 4;
  EXPECT_EQ(m_vista.Imprimir(), EResultadoImpresion::Cancelada);
  EXPECT_TRUE(m_imagenes->Abandonado());
  EXPECT_FALSE(m_imagenes->Terminado());
  EXPECT_EQ(m_imagenes->Hojas().size(), 6u);  // the page with the failed sheet finishes its own sheets
  EXPECT_EQ(m_doc->marca, 0);
  EXPECT_EQ(m_doc->guardados, 0);
}

TEST_F(ImpreVista, PaginasSinDatosNoSeImprimenYLaTiradaSigue) {
  m_vista.vacias = {4, 5, 6};
  EXPECT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(m_imagenes->Hojas().size(), 21u - 6u);
  EXPECT_EQ(m_doc->marca, 1);
}

TEST_F(ImpreVista, DialogoCanceladoNoHaceNada) {
  m_guion.aceptar = false;
  EXPECT_EQ(m_vista.Imprimir(), EResultadoImpresion::Abandonada);
  EXPECT_EQ(m_imagenes, nullptr);
  EXPECT_EQ(m_vista.finales, 0);
  EXPECT_EQ(m_doc->marca, 0);
  EXPECT_TRUE(m_mensajes.Codigos().empty());
}

TEST_F(ImpreVista, RangoSoloSiSeImprimioAntes) {
  m_guion.elegir = [](CInfoImpresion& info) { info.rango.desde = info.rango.hasta = 2; };
  ASSERT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  EXPECT_FALSE(m_guion.vista.impresaAntes);
  EXPECT_EQ(m_imagenes->Hojas().size(), 21u);  // the whole declaration
  ASSERT_EQ(m_doc->marca, 1);
  ASSERT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  EXPECT_TRUE(m_guion.vista.impresaAntes);
  EXPECT_EQ(m_imagenes->Hojas().size(), 2u);  // page 2 only, both copies
}

// ---- the PDF file ----

std::string LeerFichero(const std::string& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

std::size_t PaginasPdf(const std::string& pdf) {
  std::size_t paginas = 0;
  for (std::size_t i = pdf.find("/Type /Page"); i != std::string::npos; i = pdf.find("/Type /Page", i + 1)) {
    if (pdf.compare(i, 12, "/Type /Pages") != 0) ++paginas;
  }
  return paginas;
}

// A text as the PDF keeps it in its outline and information: plain when ASCII, else UTF-16BE in hex.
std::string TextoPdf(std::string_view texto1252) {
  const std::string utf8 = plataforma::Cp1252AUtf8(texto1252);
  if (std::all_of(utf8.begin(), utf8.end(), [](unsigned char c) { return c < 0x80; })) return "(" + utf8 + ")";
  std::string hex = "<FEFF";
  static const char* digitos = "0123456789ABCDEF";
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    unsigned codigo = c;
    int n = 1;
    if (c >= 0xE0) {
      codigo = ((c & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
      n = 3;
    } else if (c >= 0xC0) {
      codigo = ((c & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
      n = 2;
    }
    for (int s = 12; s >= 0; s -= 4) hex.push_back(digitos[(codigo >> s) & 0xF]);
    i += static_cast<std::size_t>(n);
  }
  return hex + ">";
}

TEST_F(ImpreVista, UnaDeclaracionSaleEnPdfConSusPaginasYEtiquetas) {
  const std::string ruta = Temporal("declaracion.pdf");
  std::filesystem::remove(ruta);
  m_guion.destino = [ruta] { return std::make_unique<CDestinoPdf>(ruta, 300); };
  ASSERT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  EXPECT_EQ(m_doc->marca, 1);
  EXPECT_FALSE(std::filesystem::exists(ruta + ".parcial"));
  const std::string pdf = LeerFichero(ruta);
  ASSERT_EQ(pdf.rfind("%PDF-", 0), 0u);
  EXPECT_EQ(PaginasPdf(pdf), 21u);
  EXPECT_NE(pdf.find("/Title " + TextoPdf("GARCIA PEREZ 1999   ")), std::string::npos);
  // One outline entry per sheet, with its page and copy label.
  for (const char* titulo : {"P\xE1gina 1 \xB7 Ejemplar para el interesado.",
                             "P\xE1gina 1 \xB7 Ejemplar para la Administraci\xF3n.",
                             "P\xE1gina 3 (hoja 2) \xB7 Ejemplar para la Administraci\xF3n.",
                             "P\xE1gina 9 \xB7 Ejemplar para el sobre anual",
                             "P\xE1gina 10 \xB7 Ejemplar para la Entidad colaboradora."}) {
    EXPECT_NE(pdf.find(TextoPdf(titulo)), std::string::npos) << titulo;
  }
  std::filesystem::remove(ruta);
}

TEST_F(ImpreVista, PdfQueNoSePuedeEscribirAvisaYNoMarca) {
  const std::string ruta = "/proc/korvelix-no-existe/declaracion.pdf";
  m_guion.destino = [ruta] { return std::make_unique<CDestinoPdf>(ruta, 300); };
  EXPECT_EQ(m_vista.Imprimir(), EResultadoImpresion::Abandonada);
  EXPECT_EQ(m_mensajes.Codigos(), std::vector<std::string>{"WIN028"});
  EXPECT_EQ(m_doc->marca, 0);
}

TEST_F(ImpreVista, PdfAbandonadoNoDejaFicheroNiEstropeaElAnterior) {
  const std::string ruta = Temporal("abandonado.pdf");
  { std::ofstream(ruta) << "anterior"; }
  m_guion.destino = [ruta] {
    struct CPdfQueFalla : CDestinoPdf {
      using CDestinoPdf::CDestinoPdf;
      int TerminarHoja() override {
        CDestinoPdf::TerminarHoja();
        return ++hojas == 3 ? kHojaFallida : kHojaImpresa;
      }
      int hojas = 0;
    };
    return std::make_unique<CPdfQueFalla>(ruta, 300);
  };
  EXPECT_EQ(m_vista.Imprimir(), EResultadoImpresion::Cancelada);
  EXPECT_EQ(LeerFichero(ruta), "anterior");
  EXPECT_FALSE(std::filesystem::exists(ruta + ".parcial"));
  std::filesystem::remove(ruta);
}

// ---- recorded sheets (the printer's way) ----

TEST_F(ImpreVista, HojasGrabadasReproducenLoMismoQueLaImagen) {
  CDestinoGrabado grabado(SConfiguracionImpresora{kPapelA4, 1, 1, 100, 600}, TamanoA4(100), 100, "Prueba", "");
  m_guion.destino = [&grabado] { return std::make_unique<CDestinoPrestado>(grabado); };
  m_guion.elegir = [](CInfoImpresion& info) { info.rango = {1, 1, 1, 10}; };
  m_doc->marca = 1;
  ASSERT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  ASSERT_EQ(grabado.Hojas().size(), 2u);
  EXPECT_EQ(grabado.Hojas()[1].Nombre(), "P\xE1gina 1 \xB7 Ejemplar para la Administraci\xF3n.");
  // Played on an image of the same size it gives the sheet the image destination draws.
  const plataforma::CTamano t = TamanoA4(100);
  plataforma::CLienzo reproducida = plataforma::CLienzo::Imagen(t.cx, t.cy, 100);
  ASSERT_TRUE(grabado.Hojas()[0].Reproducir(reproducida.Contexto(), t.cx, t.cy));
  m_guion.destino = [this] { return Imagenes(); };
  ASSERT_EQ(m_vista.Imprimir(), EResultadoImpresion::Completa);
  plataforma::CLienzo& directa = m_imagenes->Hojas()[0];
  int distintos = 0;
  int oscuros = 0;
  for (int y = 0; y < t.cy; y += 2) {
    for (int x = 0; x < t.cx; x += 2) {
      const auto a = reproducida.Pixel(x, y);
      const auto b = directa.Pixel(x, y);
      if (a && b && std::abs(int(a->r) - int(b->r)) > 60) ++distintos;
      if (a && a->r < 100) ++oscuros;
    }
  }
  EXPECT_GT(oscuros, 200);
  EXPECT_LT(distintos, oscuros / 20);
}

}  // namespace
