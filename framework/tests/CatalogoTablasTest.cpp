// The catalogue of lookup tables: names and key columns, reading a row, the built catalogue against the lookup
// tables it describes in every language, and where the drop-down goes on the screen.
#include "framework/CatalogoTablas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "TablasConsultaPrueba.h"
#include "framework/CodigoDescripcion.h"
#include "framework/ListasIncompletas.h"
#include "framework/EditLista.h"
#include "framework/Tabla.h"
#include "platform/Registros.h"

namespace marco {
namespace {

TEST(CatalogoTablas, NombresYColumnaClave) {
  EXPECT_EQ(NombreTablaConsulta("COMAUTOE.TAB", 'c'), "COMAUTOc");
  EXPECT_EQ(NombreTablaConsulta("Province", 'e'), "Province");
  EXPECT_EQ(NombreTablaConsulta("CORTA.TAB", 'g'), "CORTA");  // no eighth character: as it stands
  EXPECT_EQ(NombreTablaConsulta("", 'e'), "");
  EXPECT_EQ(NombreSinExtension("A.B.C"), "A");
  EXPECT_EQ(ColumnaDeClave("provin+codigo"), "codigo");
  EXPECT_EQ(ColumnaDeClave("a+b+c"), "b+c");
  EXPECT_EQ(ColumnaDeClave("clave"), "clave");
  EXPECT_EQ(ColumnaCatalogo("clave   ", 52), "clave");
  EXPECT_EQ(ColumnaCatalogo(std::string(60, 'x'), 52).size(), 51u);

  // The link never reads or writes past its widths.
  char destino[3] = {'a', 'b', 'c'};
  const char filtro[1] = {'2'};
  const SEnlaceTabla enlace{destino, 2, filtro, 1};
  enlace.EscribirDestino("12345");
  EXPECT_EQ(std::string(destino, 3), "12c");
  enlace.EscribirDestino("9");
  EXPECT_EQ(std::string(destino, 3), "9 c");
  EXPECT_EQ(enlace.PrimerosFiltro(2), "2");
}

class CatalogoLectura : public pruebas_edit::CFixtureTablasConsulta {};

TEST_F(CatalogoLectura, FilaDelCatalogo) {
  // "ordenada" and "Cortar" stored as numbers: -1 counts as 1.
  CrearTabla("Tablas",
             "TABLA Tablas\n"
             "CAMPO NomTabla  C 50\nCAMPO NomOrden  C 50\nCAMPO CamClave  C 50\nCAMPO CamDescr  C 50\n"
             "CAMPO CamDescr2 C 50\nCAMPO CamDevol  C 50\nCAMPO CamFiltro C 50\n"
             "CAMPO ordenada  N 2 0\nCAMPO Cortar    N 2 0\n"
             "FILAS\n"
             "OTRATABX|O|k|d||k||0|0\n"
             "epigrafx.tab|ORDEN|sec+codigo|descr|descr2|codigo|grupo|-1|-1\n");
  const SDefinicionTabla d = LeerDefinicionTabla(&base_, "EPIGRAFX.DBF");
  ASSERT_TRUE(d.encontrada);
  EXPECT_EQ(d.NomTabla, "epigrafX");  // the language place upper-cased
  EXPECT_EQ(d.NomOrden, "ORDEN");
  EXPECT_EQ(d.ColumnaClave(), "codigo");
  EXPECT_EQ(d.CamDescr, "descr");
  EXPECT_TRUE(d.ConDescripcion2());
  EXPECT_EQ(d.CamDevol, "codigo");
  EXPECT_TRUE(d.ConFiltro());
  EXPECT_EQ(d.ordenada, 1);
  EXPECT_EQ(d.Cortar, 1);
  EXPECT_EQ(LeerDefinicionTabla(&base_, "epigrafx", false).Cortar, 0);

  const SDefinicionTabla ninguna = LeerDefinicionTabla(&base_, "NOESTA.TAB");
  EXPECT_FALSE(ninguna.encontrada);
  EXPECT_TRUE(ninguna.CamDescr.empty());
  EXPECT_FALSE(LeerDefinicionTabla(nullptr, "OTRATABX").encontrada);
  EXPECT_TRUE(guion_.Codigos().empty());
}

// Every lookup table the built catalogue names exists in every language with the columns the catalogue names,
// and the twins of a table hold the same keys.
TEST_F(CatalogoLectura, ElCatalogoConstruidoDescribeSusTablas) {
  CBaseDatos local;
  local.Abrir(KORVELIX_DATOS_LOCAL, false, 1, "DBF");
  CTabla catalogo(&local, kTablaCatalogo);
  plataforma::CTablaRegistros* filas = catalogo.Registros();
  ASSERT_NE(filas, nullptr);
  int vistas = 0;
  for (filas->Primero(); !filas->FinDeFichero(); filas->Saltar(1), ++vistas) {
    const std::string nombre = ColumnaCatalogo(LeerValorTabla(*filas, "NomTabla"), kRoomNombreCatalogo);
    const SDefinicionTabla def = LeerDefinicionTabla(&local, nombre);
    ASSERT_TRUE(def.encontrada) << nombre;
    std::set<std::string> clavesCastellano;
    for (const char idioma : {'e', 'c', 'g', 'v'}) {
      CTabla tabla(&local);
      ASSERT_EQ(tabla.Abrir(1, {}, NombreTablaConsulta(nombre, idioma)), 1) << nombre << idioma;
      plataforma::CTablaRegistros* t = tabla.Registros();
      for (const std::string& columna : {def.ColumnaClave(), def.CamDescr, def.CamDevol}) {
        EXPECT_TRUE(t->CampoConocido(columna)) << nombre << idioma << " " << columna;
      }
      EXPECT_NE(t->NumeroOrden(def.ColumnaClave()), 0) << nombre << ": the key column names its order";
      EXPECT_NE(t->NumeroOrden(def.NomOrden), 0) << nombre;
      std::set<std::string> claves;
      for (t->Primero(); !t->FinDeFichero(); t->Saltar(1)) {
        EXPECT_FALSE(plataforma::RecortaDerecha(t->LeerTexto(def.CamDescr)).empty() &&
                     !plataforma::RecortaDerecha(t->LeerTexto(def.ColumnaClave())).empty())
            << nombre << idioma << ": a row with a key has a description";
        // A key is unique within its filter value (an administration within its delegation, a heading within its
        // section of the tariffs).
        const std::string filtro = def.ConFiltro() ? t->LeerTexto(def.CamFiltro) : std::string();
        EXPECT_TRUE(claves.insert(filtro + "|" + t->LeerTexto(def.ColumnaClave())).second)
            << nombre << idioma << " " << filtro << t->LeerTexto(def.ColumnaClave());
      }
      if (idioma == 'e') {
        clavesCastellano = claves;
      } else {
        EXPECT_EQ(claves, clavesCastellano) << nombre << idioma;
      }
    }
  }
  EXPECT_GE(vistas, 2);

  // The provinces: 01 to 52, and the region codes with deductions of their own among the communities.
  CTabla provincias(&local);
  ASSERT_EQ(provincias.Abrir(1, "CLAVE", "Province"), 1);
  std::vector<std::string> codigos;
  for (provincias.Registros()->Primero(); !provincias.Registros()->FinDeFichero(); provincias.Registros()->Saltar(1)) {
    codigos.push_back(provincias.Registros()->LeerTexto("clave"));
  }
  ASSERT_EQ(codigos.size(), 52u);
  for (int i = 0; i < 52; ++i) {
    EXPECT_EQ(std::stoi(codigos[static_cast<std::size_t>(i)]), i + 1);
  }
  CTabla comunidades(&local);
  ASSERT_EQ(comunidades.Abrir(1, {}, "COMAUTOE"), 1);
  for (const char* region : {"04", "08", "09", "11", "12", "13", "16", "17"}) {
    EXPECT_EQ(comunidades.Buscar(region, false, "CLAVE", false), 1) << region;
  }
  EXPECT_TRUE(guion_.Codigos().empty());
}

// The delegation and administration boxes of the first page over the built tables: a code typed writes the name
// beside it, the list lists every delegation and hands its code to the code box, the administrations are those
// of the delegation chosen and their code is sought after the delegation's.
TEST_F(CatalogoLectura, DelegacionYAdministracionConLasTablasConstruidas) {
  CBaseDatos local;
  local.Abrir(KORVELIX_DATOS_LOCAL, false, 1, "DBF");
  // The first page's places: delegation code (2) and name (18), administration code (3) and name (18).
  std::array<char, 2> codigoDelegacion{};
  std::array<char, 18> nombreDelegacion{};
  std::array<char, 3> codigoAdministracion{};
  std::array<char, 18> nombreAdministracion{};
  codigoDelegacion.fill(' ');
  nombreDelegacion.fill(' ');
  codigoAdministracion.fill(' ');
  nombreAdministracion.fill(' ');
  const auto texto = [](const auto& a) { return std::string(plataforma::RecortaDerecha({a.data(), a.size()})); };

  // Code boxes.
  SEnlaceTabla aNombreDelegacion{nombreDelegacion.data(), nombreDelegacion.size(), nullptr, 0};
  CCampo cajaDelegacion = pruebas_edit::Caja("G2", codigoDelegacion.data());
  cajaDelegacion.FicheroTab = "DELEGACE.TAB";
  cajaDelegacion.Enlace = &aNombreDelegacion;
  CCodigoDescripcion delegacion(cajaDelegacion, &local);
  delegacion.AlGanarFoco();
  pruebas_edit::Teclear(delegacion, "28");
  delegacion.AlPerderFoco();
  EXPECT_EQ(texto(nombreDelegacion), "MADRID");
  EXPECT_EQ(std::string(codigoDelegacion.data(), 2), "28");

  SEnlaceTabla aNombreAdministracion{nombreAdministracion.data(), nombreAdministracion.size(),
                                     codigoDelegacion.data(), codigoDelegacion.size()};
  CCampo cajaAdministracion = pruebas_edit::Caja("G3", codigoAdministracion.data());
  cajaAdministracion.FicheroTab = "ADMINISE.TAB";
  cajaAdministracion.Enlace = &aNombreAdministracion;
  CCodigoDescripcion administracion(cajaAdministracion, &local);
  administracion.AlGanarFoco();
  pruebas_edit::Teclear(administracion, "618");
  administracion.AlPerderFoco();
  EXPECT_EQ(texto(nombreAdministracion), "HORTALEZA");
  EXPECT_TRUE(guion_.Codigos().empty());

  // Codes not of the lists' form: refused with the list's own message (the right noun), the previous value stays.
  struct Caso {
    CCodigoDescripcion* edit;
    const char* tecleado;
    const char* mensaje;
  };
  for (const Caso& caso : {Caso{&delegacion, "99", "LISTA05"}, Caso{&delegacion, "53", "LISTA05"},
                           Caso{&delegacion, "00", "LISTA05"}, Caso{&delegacion, "7", "LISTA05"},
                           Caso{&administracion, "60", "LISTA06"}, Caso{&administracion, "000", "LISTA06"}}) {
    const std::size_t antes = guion_.Codigos().size();
    caso.edit->AlGanarFoco();
    caso.edit->PonerTexto("");
    pruebas_edit::Teclear(*caso.edit, caso.tecleado);
    caso.edit->AlPerderFoco();
    ASSERT_EQ(guion_.Codigos().size(), antes + 1) << caso.tecleado;
    EXPECT_EQ(guion_.Codigos().back(), caso.mensaje) << caso.tecleado;
  }
  EXPECT_EQ(std::string(codigoDelegacion.data(), 2), "28");
  EXPECT_EQ(texto(nombreDelegacion), "MADRID");
  EXPECT_EQ(std::string(codigoAdministracion.data(), 3), "618");
  EXPECT_EQ(texto(nombreAdministracion), "HORTALEZA");

  // Codes of the form that the lists lack are kept, without a message: their description says that the program's
  // list does not hold them (the text of LISTA04 in the interface language).
  const std::string fuera = TextoFueraDeLista(&local);
  EXPECT_EQ(fuera, "NO FIGURA EN LISTA");
  const std::size_t antes = guion_.Codigos().size();
  administracion.AlGanarFoco();
  administracion.PonerTexto("");
  pruebas_edit::Teclear(administracion, "999");
  administracion.AlPerderFoco();
  EXPECT_EQ(std::string(codigoAdministracion.data(), 3), "999");
  EXPECT_EQ(texto(nombreAdministracion), fuera);
  delegacion.AlGanarFoco();
  delegacion.PonerTexto("");
  pruebas_edit::Teclear(delegacion, "52");
  delegacion.AlPerderFoco();
  EXPECT_EQ(std::string(codigoDelegacion.data(), 2), "52");
  EXPECT_EQ(texto(nombreDelegacion), fuera);
  // A listed code found again gives its name back.
  delegacion.AlGanarFoco();
  delegacion.PonerTexto("");
  pruebas_edit::Teclear(delegacion, "28");
  delegacion.AlPerderFoco();
  EXPECT_EQ(texto(nombreDelegacion), "MADRID");
  EXPECT_EQ(guion_.Codigos().size(), antes);
  EXPECT_TRUE(CodigoEnLista(&local, EListaIncompleta::Administraciones, "28618"));
  EXPECT_FALSE(CodigoEnLista(&local, EListaIncompleta::Administraciones, "28999"));
  EXPECT_FALSE(CodigoEnLista(&local, EListaIncompleta::Administraciones, "2861"));
  EXPECT_TRUE(CodigoEnLista(&local, EListaIncompleta::Delegaciones, "08"));
  EXPECT_FALSE(CodigoEnLista(&local, EListaIncompleta::Delegaciones, "52"));

  // The list of delegations: every row, in code order, the blank one first; taking one writes its code.
  const std::size_t mensajesAntes = guion_.Codigos().size();
  std::array<char, 18> lista{};
  std::memset(lista.data(), ' ', lista.size());
  SEnlaceTabla aCodigoDelegacion{codigoDelegacion.data(), codigoDelegacion.size(), nullptr, 0};
  CCampo cajaLista = pruebas_edit::Caja("L18", lista.data());
  cajaLista.FicheroTab = "DELEGACE.TAB";
  cajaLista.Enlace = &aCodigoDelegacion;
  CListaEdit listaDelegaciones(cajaLista, &local);
  listaDelegaciones.AbrirDesplegable();
  ASSERT_TRUE(listaDelegaciones.DesplegableAbierto());
  const auto& entradas = listaDelegaciones.Entradas();
  ASSERT_EQ(entradas.size(), 51u);
  EXPECT_EQ(entradas.front().texto, "< BORRAR >");
  EXPECT_EQ(entradas[1].dato, "01");
  EXPECT_EQ(entradas.back().dato, "50");
  const auto barcelona = std::find_if(entradas.begin(), entradas.end(), [](const auto& e) { return e.dato == "08"; });
  ASSERT_NE(barcelona, entradas.end());
  listaDelegaciones.SeleccionarEntrada(static_cast<int>(barcelona - entradas.begin()));
  listaDelegaciones.TomarEntrada();
  EXPECT_EQ(std::string(codigoDelegacion.data(), 2), "08");
  EXPECT_EQ(texto(lista), "BARCELONA");

  // The administrations listed are those of the delegation chosen: Madrid's Hortaleza, none for Barcelona.
  std::array<char, 18> listaAdm{};
  std::memset(listaAdm.data(), ' ', listaAdm.size());
  SEnlaceTabla aCodigoAdministracion{codigoAdministracion.data(), codigoAdministracion.size(),
                                     codigoDelegacion.data(), codigoDelegacion.size()};
  CCampo cajaListaAdm = pruebas_edit::Caja("L18", listaAdm.data());
  cajaListaAdm.FicheroTab = "ADMINISE.TAB";
  cajaListaAdm.Enlace = &aCodigoAdministracion;
  CListaEdit listaAdministraciones(cajaListaAdm, &local);
  listaAdministraciones.AbrirDesplegable();
  EXPECT_TRUE(listaAdministraciones.Entradas().empty());
  listaAdministraciones.CerrarDesplegable();
  std::memcpy(codigoDelegacion.data(), "28", 2);
  listaAdministraciones.AbrirDesplegable();
  ASSERT_EQ(listaAdministraciones.Entradas().size(), 1u);
  listaAdministraciones.SeleccionarEntrada(0);
  listaAdministraciones.TomarEntrada();
  EXPECT_EQ(std::string(codigoAdministracion.data(), 3), "618");
  EXPECT_EQ(texto(listaAdm), "HORTALEZA");
  EXPECT_EQ(guion_.Codigos().size(), mensajesAntes);
}

TEST(ListasIncompletas, LaFormaDeCadaLista) {
  using E = EListaIncompleta;
  EXPECT_EQ(ListaIncompletaDe("DELEGACE.TAB"), E::Delegaciones);
  EXPECT_EQ(ListaIncompletaDe("delegacv"), E::Delegaciones);
  EXPECT_EQ(ListaIncompletaDe("ADMINISC.DBF"), E::Administraciones);
  EXPECT_EQ(ListaIncompletaDe("INVCANAE.DBF"), E::ClavesCanarias);
  EXPECT_EQ(ListaIncompletaDe("COMAUTOE.TAB"), E::Ninguna);
  EXPECT_EQ(ListaIncompletaDe("DELEGA"), E::Ninguna);
  struct Caso {
    E lista;
    const char* codigo;
    bool forma;
  };
  const Caso casos[] = {
      {E::Delegaciones, "01", true},    {E::Delegaciones, "52", true},    {E::Delegaciones, "08 ", true},
      {E::Delegaciones, "00", false},   {E::Delegaciones, "53", false},   {E::Delegaciones, "8", false},
      {E::Delegaciones, "8A", false},   {E::Delegaciones, "", false},     {E::Administraciones, "999", true},
      {E::Administraciones, "001", true}, {E::Administraciones, "000", false}, {E::Administraciones, "12", false},
      {E::Administraciones, "1234", false}, {E::Administraciones, "1 2", false}, {E::ClavesCanarias, "A", true},
      {E::ClavesCanarias, "7", true},   {E::ClavesCanarias, "-", false},  {E::ClavesCanarias, "AB", false},
      {E::ClavesCanarias, "\xD1", false}, {E::Ninguna, "01", false},
  };
  for (const Caso& c : casos) EXPECT_EQ(TieneFormaDeLista(c.lista, c.codigo), c.forma) << c.codigo;
  EXPECT_EQ(MensajeFormaLista(E::Delegaciones), "LISTA05");
  EXPECT_EQ(MensajeFormaLista(E::Administraciones), "LISTA06");
  EXPECT_EQ(AvisoFueraDeLista(E::Administraciones), "LISTA02");
  EXPECT_EQ(AvisoFueraDeLista(E::Ninguna), "");
}

TEST(Desplegable, SuSitioEnLaPantalla) {
  const SRectanguloPantalla escritorio{0, 0, 800, 600};
  struct Caso {
    SRectanguloPantalla popup;
    int ancho;
    int fila;
    SRectanguloPantalla esperado;
  };
  const Caso casos[] = {
      // Wide enough: whole rows (at least 4) below the edit.
      {{100, 100, 300, 300}, 50, 15, {100, 100, 300, 295}},
      {{100, 100, 300, 130}, 50, 15, {100, 100, 300, 160}},
      // Grows rightwards to show the widest entry.
      {{100, 100, 200, 200}, 200, 20, {100, 100, 328, 200}},
      // Would reach the right edge: grows leftwards, or is centred when there is no room on the left.
      {{600, 100, 700, 200}, 300, 20, {372, 100, 700, 200}},
      {{100, 100, 200, 200}, 650, 20, {61, 100, 739, 200}},
      // Does not fit below: opens upwards.
      {{100, 500, 300, 700}, 50, 20, {100, 300, 300, 500}},
  };
  for (const Caso& c : casos) {
    EXPECT_EQ(AjustarDesplegable(c.popup, c.ancho, c.fila, escritorio), c.esperado)
        << c.popup.izquierda << "," << c.popup.arriba << " " << c.ancho;
  }
}

}  // namespace
}  // namespace marco
