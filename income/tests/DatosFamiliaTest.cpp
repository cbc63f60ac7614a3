// The family-data wizard on simulated controls, against a store made from the real DatosDec schema and the real
// table of communities: the tick boxes and what they clear, the community codes, the profile's preset, the checks
// with their answers, the pension-plan adjustment written only on finish, starting again, and what cancelling
// does to a new and to a stored declaration.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "framework/BaseDatos.h"
#include "framework/DialogoSimulado.h"
#include "framework/MensajeGuion.h"
#include "framework/Mensajes.h"
#include "framework/ReferenciaReglas.h"
#include "framework/ServiciosAplicacion.h"
#include "income/DatosFamilia.h"
#include "framework/ComandosDocumento.h"
#include "income/RentaComandos.h"
#include "income/DatosMiembros.h"
#include "income/RentaDoc.h"
#include "platform/Registros.h"
#include "platform/TablaTexto.h"

namespace fs = std::filesystem;
using namespace renta;

namespace {

std::string LeerFichero(const fs::path& ruta) {
  std::ifstream f(ruta, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

void PonerTexto(RegDatosFamilia& f, std::size_t desp, std::string_view texto) {
  std::memcpy(f.octetos + desp, texto.data(), texto.size());
}

RegDatosFamilia Matrimonio() {
  RegDatosFamilia f{};
  f.octetos[kDespEstadoCivil] = kEstadoCasado;
  PonerTexto(f, kDespAnioDeclarante, "1960");
  PonerTexto(f, kDespAnioConyuge, "1962");
  PonerComunidad(f, kMiembroDeclarante, "12", "MADRID");
  PonerComunidad(f, kMiembroConyuge, "12", "MADRID");
  PonerComunidad(f, kMiembroConjunta, "12", "MADRID");
  PonerDoble(f, DespMinusvalia(kMiembroConyuge), 40.0);
  return f;
}

// The document: the family-data edit runs a script on the wizard's pages instead of showing it; message boxes
// are recorded.
class CRentaDocFamilia : public CRentaDoc {
 public:
  std::function<void(CDatosFam&)> guion;
  std::vector<std::string> avisos;
  int PreguntarUsuario(const std::string& texto, long) override {
    avisos.push_back(texto);
    return wxOK;
  }

 protected:
  void EditarRegDatosFamilia() override {
    CDatosFam asistente(kTituloDatosFamilia, nullptr);
    asistente.PonerDocumento(this);
    asistente.PonerNuevaDeclaracion(EditandoDeclaracionNueva());
    asistente.Registro() = Datos().DatosFamilia;
    asistente.AniosDeHijos() = LeerAniosHijos(Datos().Identificacion);
    marco::CControlesSimulados v1(asistente.PaginaDatosPersonales().Plantilla());
    marco::CControlesSimulados v4(asistente.PaginaRentasExentas().Plantilla());
    v1.Abrir(asistente.PaginaDatosPersonales());
    v4.Abrir(asistente.PaginaRentasExentas());
    if (guion) guion(asistente);
    if (asistente.Resultado() != kAsistenteTerminado) return;
    for (int sujeto : asistente.MiembrosQueSalen()) PasarEntradasAlDeclarante(Datos(), sujeto);
    TomarDatosFamilia(asistente.Registro(), asistente.AniosDeHijos());
  }
};

class DatosFamiliaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static std::atomic<int> contador{0};
    m_dir = fs::temp_directory_path() /
            ("korvelix-datosfam-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir / "red");
    fs::create_directories(m_dir / "local");
    std::string error;
    plataforma::CFuenteTabla fuente;
    const std::string esquema = LeerFichero(fs::path(KORVELIX_FUENTES_RED) / "DatosDec.txt");
    ASSERT_TRUE(plataforma::LeeFuenteTabla(esquema + "ANA|1|e|0||\nNUEVA|0|e|0||\n", fuente, error)) << error;
    ASSERT_TRUE(plataforma::CreaTablaDeFuente(fuente, m_dir / "red" / "DatosDec.DBF", error)) << error;
    {
      auto t = plataforma::CTablaRegistros::Abrir(m_dir / "red" / "DatosDec.DBF");
      t->PonerOrden(t->NumeroOrden("CLAVE"));
      ASSERT_TRUE(t->Buscar(std::string("ANA") + std::string(47, ' ')) && t->Encontrado());
      const std::string datos(sizeof(DatosRenta), '\0');
      ASSERT_EQ(t->EscribirBinario("datos", datos), static_cast<long>(datos.size()));
    }
    const fs::path tablas = fs::path(KORVELIX_FUENTES_RED).parent_path() / "tablas";
    plataforma::CFuenteTabla comunidades;
    ASSERT_TRUE(plataforma::LeeFuenteTabla(LeerFichero(tablas / "COMAUTOE.txt"), comunidades, error)) << error;
    ASSERT_TRUE(plataforma::CreaTablaDeFuente(comunidades, m_dir / "local" / "COMAUTOE.DBF", error)) << error;
    std::error_code ec;
    for (const auto& entrada : fs::directory_iterator(KORVELIX_DATOS_LOCAL, ec)) {
      if (entrada.path().filename().string().rfind("ERRORES", 0) == 0) {
        fs::copy_file(entrada.path(), m_dir / "local" / entrada.path().filename(), ec);
      }
    }
    ASSERT_EQ(marco::AbrirBasesDatos((m_dir / "red").string(), (m_dir / "local").string()), 1);
    marco::PonerLetraEstadoPrograma('\0');
    marco::PonerRecomponerIdentificacion(false);
    PonerValorAutocarga("");
  }

  void TearDown() override {
    marco::CerrarBasesDatos();
    marco::PonerLetraEstadoPrograma('\0');
    marco::PonerRecomponerIdentificacion(false);
    PonerValorAutocarga("");
    std::error_code ec;
    fs::remove_all(m_dir, ec);
  }

  bool HayFila(const std::string& clave) {
    auto t = plataforma::CTablaRegistros::Abrir(m_dir / "red" / "DatosDec.DBF");
    t->OcultarBorrados(true);
    t->PonerOrden(t->NumeroOrden("CLAVE"));
    std::string buscada = clave;
    buscada.resize(50, ' ');
    return t->Buscar(buscada) && t->Encontrado();
  }

  fs::path m_dir;
};

// The wizard with its two pages open on simulated controls.
struct SAsistenteAbierto {
  explicit SAsistenteAbierto(const RegDatosFamilia& f, CRentaDoc* doc = nullptr, bool nueva = false)
      : asistente(kTituloDatosFamilia, nullptr),
        v1(asistente.PaginaDatosPersonales().Plantilla()),
        v4(asistente.PaginaRentasExentas().Plantilla()) {
    asistente.PonerDocumento(doc);
    asistente.PonerNuevaDeclaracion(nueva);
    asistente.Registro() = f;
    v1.Abrir(asistente.PaginaDatosPersonales());
    v4.Abrir(asistente.PaginaRentasExentas());
  }
  CDatosFam1& p1() { return asistente.PaginaDatosPersonales(); }
  // Ticks or unticks a tick box as the blank key does, and hands its notification to the page.
  void Pulsar(marco::CCasillaEdit& casilla, int id) {
    casilla.AlCaracter(' ');
    v1.Notificar(id, marco::kAvisoValorCambiado);
  }
  CDatosFam asistente;
  marco::CControlesSimulados v1;
  marco::CControlesSimulados v4;
};

TEST_F(DatosFamiliaTest, PaginasYTitulo) {
  SAsistenteAbierto a(Matrimonio());
  EXPECT_EQ(a.asistente.NumeroPaginas(), 2);
  EXPECT_EQ(a.asistente.Pagina(0).IdRecurso(), 130);
  EXPECT_EQ(a.asistente.Pagina(1).IdRecurso(), 1588);
  EXPECT_EQ(a.asistente.TituloVentana(), "DATOS FAMILIARES AL 31/12/1999 - Paso 1 de 2");
  // The values of the working copy are shown.
  EXPECT_EQ(a.p1().CasillaEstado(kEstadoCasado).Texto(), "X");
  EXPECT_EQ(a.p1().CasillaEstado(kEstadoSoltero).Texto(), " ");
  EXPECT_EQ(a.p1().CasillaHijos(false).Texto(), "X");
  EXPECT_EQ(a.p1().AnioConyuge().Texto(), "1962");
  EXPECT_EQ(a.v1.Control(kIdCodigoComunidad + kMiembroConyuge)->texto, "12");
  EXPECT_TRUE(a.v1.Control(kIdAnioConyuge)->habilitado);
  EXPECT_FALSE(a.v1.Control(kIdMinusvalia + kMiembroHijo1)->habilitado);
  EXPECT_FALSE(a.v1.Control(kIdConyugeFallecido)->habilitado);
}

TEST_F(DatosFamiliaTest, EstadoCivilExclusivoYLimpiezaDelConyuge) {
  SAsistenteAbierto a(Matrimonio());
  RegDatosFamilia& f = a.asistente.Registro();
  a.Pulsar(a.p1().CasillaEstado(kEstadoViudoDivorciado), kIdEstadoCivil + kEstadoViudoDivorciado);
  EXPECT_EQ(f.octetos[kDespEstadoCivil], kEstadoViudoDivorciado);
  EXPECT_EQ(a.p1().CasillaEstado(kEstadoCasado).Texto(), " ");
  EXPECT_EQ(AnioNacimiento(f, kDespAnioConyuge), 0);
  EXPECT_EQ(LeerDoble(f, DespMinusvalia(kMiembroConyuge)), 0.0);
  EXPECT_EQ(a.p1().AnioConyuge().Texto(), "");
  EXPECT_FALSE(a.v1.Control(kIdAnioConyuge)->habilitado);
  EXPECT_TRUE(a.v1.Control(kIdConyugeFallecido)->habilitado);

  // The spouse died during the year: a joint declaration again.
  a.Pulsar(a.p1().CasillaFallecido(), kIdConyugeFallecido);
  EXPECT_EQ(f.octetos[kDespConyugeFallecido], 1);
  EXPECT_TRUE(a.v1.Control(kIdAnioConyuge)->habilitado);

  // Unticking the one ticked box ticks it again.
  a.Pulsar(a.p1().CasillaEstado(kEstadoViudoDivorciado), kIdEstadoCivil + kEstadoViudoDivorciado);
  EXPECT_EQ(f.octetos[kDespEstadoCivil], kEstadoViudoDivorciado);
  EXPECT_EQ(a.p1().CasillaEstado(kEstadoViudoDivorciado).Texto(), "X");

  // Single: the spouse-deceased mark goes too.
  a.Pulsar(a.p1().CasillaEstado(kEstadoSoltero), kIdEstadoCivil + kEstadoSoltero);
  EXPECT_EQ(f.octetos[kDespConyugeFallecido], 0);
  EXPECT_FALSE(a.v1.Control(kIdConyugeFallecido)->habilitado);
}

TEST_F(DatosFamiliaTest, HijosSiYNo) {
  RegDatosFamilia inicial = Matrimonio();
  SAsistenteAbierto a(inicial);
  RegDatosFamilia& f = a.asistente.Registro();
  a.Pulsar(a.p1().CasillaHijos(true), kIdHijosSi);
  EXPECT_EQ(f.octetos[kDespHijos], 1);
  EXPECT_EQ(a.p1().CasillaHijos(false).Texto(), " ");
  EXPECT_TRUE(a.v1.Control(kIdMinusvalia + kMiembroHijo1)->habilitado);
  PonerDoble(f, DespMinusvalia(kMiembroHijo1), 70.0);
  a.Pulsar(a.p1().CasillaHijos(false), kIdHijosNo);
  EXPECT_EQ(f.octetos[kDespHijos], 0);
  EXPECT_EQ(LeerDoble(f, DespMinusvalia(kMiembroHijo1)), 0.0);
  EXPECT_FALSE(a.v1.Control(kIdMinusvalia + kMiembroHijo1)->habilitado);
}

TEST_F(DatosFamiliaTest, CodigoDeComunidad) {
  marco::CGuionMensajes guion;
  SAsistenteAbierto a(Matrimonio());
  RegDatosFamilia& f = a.asistente.Registro();
  const int id = kIdCodigoComunidad + kMiembroConyuge;
  a.v1.Enfocar(id);
  a.v1.Escribir(id, "09");
  a.v1.Enfocar(kIdCodigoComunidad + kMiembroDeclarante);
  EXPECT_EQ(CodigoComunidad(f, kMiembroConyuge), "09");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(f.octetos + DespNombreComunidad(kMiembroConyuge)), 30),
            "CATALU\xD1" "A" + std::string(22, ' '));
  EXPECT_EQ(a.p1().NombreComunidad(kMiembroConyuge).Texto(), "CATALU\xD1" "A");

  // A code the table does not have is refused and the old one comes back.
  a.v1.Enfocar(id);
  a.v1.Escribir(id, "99");
  a.v1.Enfocar(kIdCodigoComunidad + kMiembroDeclarante);
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100R127"});
  EXPECT_EQ(CodigoComunidad(f, kMiembroConyuge), "09");
  EXPECT_EQ(a.v1.Control(id)->texto, "09");

  // An empty code empties the community.
  a.v1.Enfocar(id);
  a.v1.Escribir(id, "");
  a.v1.Enfocar(kIdCodigoComunidad + kMiembroDeclarante);
  EXPECT_EQ(CodigoComunidad(f, kMiembroConyuge), std::string(2, '\0'));
  EXPECT_EQ(a.p1().NombreComunidad(kMiembroConyuge).Texto(), "");
}

TEST_F(DatosFamiliaTest, Autocarga) {
  {
    PonerValorAutocarga("0");
    SAsistenteAbierto a(RegDatosFamilia{});
    EXPECT_EQ(AnioNacimiento(a.asistente.Registro(), kDespAnioDeclarante), 0);
    EXPECT_EQ(CodigoComunidad(a.asistente.Registro(), kMiembroDeclarante), std::string(2, '\0'));
  }
  PonerValorAutocarga("1");
  SAsistenteAbierto a(RegDatosFamilia{});
  EXPECT_EQ(AnioNacimiento(a.asistente.Registro(), kDespAnioDeclarante), 1971);
  EXPECT_EQ(CodigoComunidad(a.asistente.Registro(), kMiembroDeclarante), "12");
  EXPECT_EQ(a.p1().AnioDeclarante().Texto(), "1971");
  EXPECT_EQ(a.v1.Control(kIdCodigoComunidad + kMiembroDeclarante)->texto, "12");
}

TEST_F(DatosFamiliaTest, ErroresDetienenYAvisosSeContestan) {
  RegDatosFamilia f = Matrimonio();
  PonerDoble(f, DespContador(0), 7.0);  // 100V120 and then 100R132
  {
    marco::CGuionMensajes guion({marco::kBotonCorregir});
    SAsistenteAbierto a(f);
    EXPECT_EQ(a.asistente.ComprobarDatos(), 0);
    ASSERT_EQ(guion.Codigos(), std::vector<std::string>{"100V120"});
    EXPECT_EQ(guion.Mensajes()[0].icono, marco::IconoAsterisco);
  }
  {
    marco::CGuionMensajes guion({marco::kBotonContinuar});
    SAsistenteAbierto a(f);
    EXPECT_EQ(a.asistente.OnBoton(kBotonAplicar), 1);
    EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"100V120", "100R132"}));
    EXPECT_EQ(guion.Mensajes()[1].icono, marco::IconoMano);
    EXPECT_EQ(a.asistente.Resultado(), kAsistenteAbierto);  // stays open
  }
  // The count typed on the second page is what the checks see.
  marco::CGuionMensajes guion;
  SAsistenteAbierto a(f);
  a.v4.Escribir(kIdContador, "1,5");
  a.asistente.OnBoton(kBotonAplicar);
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(a.asistente.Resultado(), kAsistenteTerminado);
  EXPECT_EQ(LeerDoble(a.asistente.Registro(), DespContador(0)), 1.5);
}

TEST_F(DatosFamiliaTest, AjusteDePlanesSoloAlTerminar) {
  CRentaDocFamilia doc;
  doc.Datos().DatosFamilia = Matrimonio();
  const std::size_t fila = kDespFilasPlanes + kPasoFilaPlanes * 2;
  doc.Datos().RendTrabajo.octetos[fila] = 2;
  const double mucho = 9.0e9;
  std::memcpy(doc.Datos().RendTrabajo.octetos + fila + kDespImporteFilaPlanes, &mucho, sizeof mucho);
  const DatosRenta antes = doc.Datos();

  SAsistenteAbierto a(doc.Datos().DatosFamilia, &doc);
  // The year typed in its edit reaches the working copy with the page's exchange.
  a.p1().AnioDeclarante().PonerTexto("1940");
  a.p1().AnioDeclarante().IntercambiarDatos(1);
  ASSERT_EQ(AnioNacimiento(a.asistente.Registro(), kDespAnioDeclarante), 1940);
  {
    marco::CGuionMensajes guion({marco::kBotonCorregir});
    a.asistente.OnBoton(kBotonAplicar);
    EXPECT_EQ(guion.Codigos(), std::vector<std::string>{"100V143"});
    EXPECT_EQ(a.asistente.Resultado(), kAsistenteAbierto);
    EXPECT_EQ(std::memcmp(&doc.Datos(), &antes, sizeof antes), 0);
  }
  marco::CGuionMensajes guion({marco::kBotonContinuar});
  a.asistente.OnBoton(kBotonAplicar);
  EXPECT_EQ(a.asistente.Resultado(), kAsistenteTerminado);
  double ajustado = 0;
  std::memcpy(&ajustado, doc.Datos().RendTrabajo.octetos + fila + kDespImporteFilaPlanes, sizeof ajustado);
  EXPECT_EQ(ajustado, DameCuantiaMaximaPlanPensiones(1940));
}

TEST_F(DatosFamiliaTest, SinCambioDeAnioNiDeclaracionNuevaNoHayAjuste) {
  marco::CGuionMensajes guion;
  CRentaDocFamilia doc;
  doc.Datos().DatosFamilia = Matrimonio();
  doc.Datos().RendTrabajo.octetos[kDespFilasPlanes] = 2;
  const double mucho = 9.0e9;
  std::memcpy(doc.Datos().RendTrabajo.octetos + kDespFilasPlanes + kDespImporteFilaPlanes, &mucho, sizeof mucho);
  const DatosRenta antes = doc.Datos();
  {
    SAsistenteAbierto a(doc.Datos().DatosFamilia, &doc);
    a.asistente.OnBoton(kBotonAplicar);
    EXPECT_EQ(a.asistente.Resultado(), kAsistenteTerminado);
  }
  {
    SAsistenteAbierto a(doc.Datos().DatosFamilia, &doc, true);
    PonerTexto(a.asistente.Registro(), kDespAnioDeclarante, "1940");
    a.asistente.OnBoton(kBotonAplicar);
    EXPECT_EQ(a.asistente.Resultado(), kAsistenteTerminado);
  }
  EXPECT_TRUE(guion.Codigos().empty());
  EXPECT_EQ(std::memcmp(&doc.Datos(), &antes, sizeof antes), 0);
}

TEST_F(DatosFamiliaTest, EmpezarDeNuevoBorraLaDeclaracion) {
  marco::CGuionMensajes guion;
  CRentaDocFamilia doc;
  doc.Datos().ApartadoJ.octetos[5] = 9;
  SAsistenteAbierto a(Matrimonio(), &doc);
  a.asistente.PonerEmpezarDeNuevo(true);
  a.asistente.OnBoton(kBotonAplicar);
  EXPECT_EQ(a.asistente.Resultado(), kAsistenteTerminado);
  EXPECT_EQ(doc.Datos().ApartadoJ.octetos[5], 0);
}

TEST_F(DatosFamiliaTest, DeclaracionNuevaTerminada) {
  marco::CGuionMensajes guion;
  CRentaDocFamilia doc;
  doc.guion = [](CDatosFam& a) {
    a.Registro() = Matrimonio();
    a.PaginaDatosPersonales().Refrescar();
    a.PaginaRentasExentas().ActualizarDatos(0);
    a.OnBoton(kBotonAplicar);
  };
  ASSERT_EQ(doc.NuevaDeclaracion("NUEVA", 0, 1), 1);
  EXPECT_TRUE(HayFila("NUEVA"));
  EXPECT_EQ(doc.Datos().DatosFamilia.octetos[kDespEstadoCivil], kEstadoCasado);
  EXPECT_TRUE(marco::RecomponerIdentificacion());
  // The persons follow the family data, and the years are repeated in the identification block.
  EXPECT_EQ(doc.SujetosPresentes()[marco::kSujetoConyuge - 1], 1);
  EXPECT_EQ(doc.DameSujetoActual(), marco::kSujetoUnidadFamiliar);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(doc.Datos().Identificacion.octetos + kDespAnioNacimientoSujeto),
                        12),
            std::string(4, '\0') + "19601962");
  EXPECT_TRUE(doc.IsModified());
}

TEST_F(DatosFamiliaTest, DeclaracionNuevaCanceladaSaleDelAlmacen) {
  marco::CGuionMensajes guion;
  CRentaDocFamilia doc;
  doc.guion = [](CDatosFam& a) { a.OnBoton(kBotonCancelarAsistente); };
  EXPECT_EQ(doc.NuevaDeclaracion("NUEVA", 0, 1), 0);
  EXPECT_FALSE(HayFila("NUEVA"));
  EXPECT_TRUE(doc.DeclaracionBorrada());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(doc.avisos.empty());
  EXPECT_EQ(marco::LetraEstadoPrograma(), '\0');
  EXPECT_TRUE(HayFila("ANA"));
}

TEST_F(DatosFamiliaTest, CancelarUnaDeclaracionGuardadaNoBorraNada) {
  marco::CGuionMensajes guion;
  CRentaDocFamilia doc;
  int veces = 0;
  doc.guion = [&veces](CDatosFam& a) {
    ++veces;
    a.Registro().octetos[kDespEstadoCivil] = kEstadoCasado;
    a.AniosDeHijos()[0] = {'2', '0', '0', '0'};
    a.OnBoton(kBotonCancelarAsistente);
  };
  ASSERT_EQ(doc.NuevaDeclaracion("ANA", 0, 0), 1);
  doc.Modify(false);
  const DatosRenta antes = doc.Datos();
  // The command of the personal data (its menu entry's id) runs the same edit, and so does page 100 chosen in
  // "Ir a página".
  wxCommandEvent comando(wxEVT_MENU, marco::ComandoAWx(kComandoDatosPersonales));
  doc.ProcessEvent(comando);
  EXPECT_EQ(veces, 1);
  wxCommandEvent pagina(wxEVT_MENU, marco::ComandoAWx(marco::kComandoPaginaElegida));
  pagina.SetInt(marco::kPaginaDatosPersonales);
  doc.ProcessEvent(pagina);
  EXPECT_EQ(veces, 2);
  EXPECT_EQ(std::memcmp(&doc.Datos(), &antes, sizeof antes), 0);
  EXPECT_TRUE(HayFila("ANA"));
  EXPECT_FALSE(doc.DeclaracionBorrada());
  EXPECT_EQ(doc.Datos().DatosFamilia.octetos[kDespEstadoCivil], 0);
  EXPECT_FALSE(doc.IsModified());
}

// A member the new answers leave out, who has entries of their own, is asked about first: "Corregir" keeps the
// wizard open with the declaration as it was; "Continuar" hands the entries to the declarant when it finishes.
TEST_F(DatosFamiliaTest, QuienSaleConImportesSePreguntaAntes) {
  CRentaDocFamilia doc;
  doc.Datos().DatosFamilia = Matrimonio();
  doc.ActualizarSujetos();
  unsigned char* fila = doc.Datos().RendTrabajo.octetos + kDespFilasPlanes;
  fila[0] = marco::kSujetoConyuge;
  const double sueldo = 2000000.0;
  std::memcpy(fila + 8, &sueldo, sizeof sueldo);
  const DatosRenta antes = doc.Datos();
  {
    SAsistenteAbierto a(doc.Datos().DatosFamilia, &doc);
    a.Pulsar(a.p1().CasillaEstado(kEstadoSoltero), kIdEstadoCivil + kEstadoSoltero);
    marco::CGuionMensajes guion({marco::kBotonCorregir});
    a.asistente.OnBoton(kBotonAplicar);
    ASSERT_EQ(guion.Codigos(), std::vector<std::string>{std::string(kMensajeMiembroQueSale)});
    EXPECT_EQ(guion.Mensajes()[0].extra, "C\xD3NYUGE");
    EXPECT_EQ(a.asistente.Resultado(), kAsistenteAbierto);
    EXPECT_TRUE(a.asistente.MiembrosQueSalen().empty());
    EXPECT_EQ(std::memcmp(&doc.Datos(), &antes, sizeof antes), 0);
  }
  // Through the document's edit: "Continuar", and the salary is the declarant's.
  doc.guion = [](CDatosFam& a) {
    a.Registro().octetos[kDespEstadoCivil] = kEstadoSoltero;
    a.LimpiarNoAplicables();
    a.OnBoton(kBotonAplicar);
  };
  marco::CGuionMensajes guion({marco::kBotonContinuar});
  doc.EditarDatosPersonales();
  EXPECT_EQ(guion.Codigos(), std::vector<std::string>{std::string(kMensajeMiembroQueSale)});
  EXPECT_EQ(doc.Datos().RendTrabajo.octetos[kDespFilasPlanes], marco::kSujetoDeclarante);
  double guardado = 0;
  std::memcpy(&guardado, doc.Datos().RendTrabajo.octetos + kDespFilasPlanes + 8, sizeof guardado);
  EXPECT_EQ(guardado, sueldo);
  EXPECT_EQ(doc.SujetosPresentes()[marco::kSujetoConyuge - 1], 0);
  // A member without entries leaves without a question.
  doc.Datos().DatosFamilia.octetos[kDespHijos] = 1;
  doc.ActualizarSujetos();
  doc.guion = [](CDatosFam& a) {
    a.Registro().octetos[kDespHijos] = 0;
    a.OnBoton(kBotonAplicar);
  };
  marco::CGuionMensajes otro;
  doc.EditarDatosPersonales();
  EXPECT_TRUE(otro.Codigos().empty());
  EXPECT_EQ(doc.SujetosPresentes()[marco::kSujetoHijo1 - 1], 0);
}

TEST_F(DatosFamiliaTest, SinDocumentoNoSeBorraNada) {
  marco::CGuionMensajes guion;
  SAsistenteAbierto a(Matrimonio(), nullptr, true);
  a.asistente.OnBoton(kBotonCancelarAsistente);
  EXPECT_EQ(a.asistente.Resultado(), kAsistenteCancelado);
  EXPECT_TRUE(HayFila("NUEVA"));
}

}  // namespace

namespace {

// A refused step shows the page of the field its message asks to review and gives that field the focus.
TEST_F(DatosFamiliaTest, UnPasoRechazadoSenalaSuCampo) {
  RegDatosFamilia f = Matrimonio();
  PonerTexto(f, kDespAnioConyuge, "    ");
  SAsistenteAbierto a(f);
  marco::CGuionMensajes mensajes;
  a.asistente.MoverPagina(kMoverAdelante, 1);
  EXPECT_EQ(a.asistente.OnBoton(kBotonAplicar), 1);
  EXPECT_EQ(mensajes.Codigos(), std::vector<std::string>{"100R141"});
  EXPECT_EQ(a.asistente.Resultado(), kAsistenteAbierto);
  EXPECT_EQ(a.asistente.PaginaActiva(), 0);
  EXPECT_EQ(a.v1.FocoActual(), kIdAnioConyuge);

  // A count on the second page: the wizard goes there.
  PonerTexto(a.asistente.Registro(), kDespAnioConyuge, "1962");
  a.p1().Refrescar();
  PonerDoble(a.asistente.Registro(), DespContador(20), 3.0);
  a.asistente.PaginaRentasExentas().ActualizarDatos(0);
  EXPECT_EQ(a.asistente.OnBoton(kBotonAplicar), 1);
  EXPECT_EQ(mensajes.Codigos().back(), "100R134");
  EXPECT_EQ(a.asistente.PaginaActiva(), 1);
  EXPECT_EQ(a.v4.FocoActual(), kIdContador + 20);
}

}  // namespace
