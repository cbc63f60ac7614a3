// The rules of the declaration index on a store of its own, without a window.
#include "shell/IndiceDeclaraciones.h"

#include "AlmacenPrueba.h"
#include "framework/Tabla.h"
#include "framework/Validador.h"

namespace {

using marco::CGuionMensajes;
using pruebasalmacen::AlmacenTest;
using shell::CIndiceDeclaraciones;
using shell::NombreAlmacen;

class IndiceTest : public AlmacenTest {
 protected:
  std::unique_ptr<CIndiceDeclaraciones> Abrir(int esNueva = 0) {
    auto indice = std::make_unique<CIndiceDeclaraciones>(&m_red, &m_local);
    indice->EsNueva = esNueva;
    EXPECT_TRUE(indice->OnInitDialog());
    return indice;
  }
  void Llenar(int n) {
    for (int i = 0; i < n; ++i) {
      const std::string nombre = "D" + std::string(i < 10 ? "0" : "") + std::to_string(i);
      AnadirDirecto(NombreAlmacen(nombre), 1);
    }
  }
  static std::string Nombre(const CIndiceDeclaraciones& i, int fila) {
    return std::string(plataforma::RecortaDerecha(i.Filas()[static_cast<std::size_t>(fila - 1)].nombre));
  }
};

TEST_F(IndiceTest, ListaFiltradaPorImpuestoConSuModelo) {
  Guardar({Declaracion("PEPE", 2), Declaracion("LUIS", 3), Declaracion("ANA", 1)});
  AnadirDirecto(NombreAlmacen("NUEVA"), 0);
  AnadirDirecto(NombreAlmacen("RARA"), 4);
  CGuionMensajes guion;
  auto indice = Abrir();
  ASSERT_EQ(indice->Listadas(), 5);
  const std::vector<std::pair<std::string, std::string>> esperadas{
      {"ANA", "101"}, {"LUIS", "714"}, {"NUEVA", "101"}, {"PEPE", "100"}, {"RARA", "390"}};
  for (int f = 1; f <= 5; ++f) {
    EXPECT_EQ(Nombre(*indice, f), esperadas[static_cast<std::size_t>(f - 1)].first);
    EXPECT_EQ(indice->Filas()[static_cast<std::size_t>(f - 1)].modelo, esperadas[static_cast<std::size_t>(f - 1)].second);
  }
  EXPECT_EQ(indice->Filas()[0].numero, "    1");
  EXPECT_EQ(indice->Filas()[5].nombre, "");

  struct SCaso {
    bool renta, patrimonio;
    std::vector<std::string> nombres;
  };
  for (const SCaso& c : {SCaso{true, false, {"ANA", "NUEVA", "PEPE"}}, SCaso{false, true, {"LUIS"}},
                         SCaso{false, false, {}}}) {
    indice->CambiarFiltro(c.renta, c.patrimonio);
    ASSERT_EQ(indice->Listadas(), static_cast<int>(c.nombres.size()));
    for (std::size_t i = 0; i < c.nombres.size(); ++i) EXPECT_EQ(Nombre(*indice, static_cast<int>(i) + 1), c.nombres[i]);
  }
  // Nothing listed: nothing to choose or delete, the name edit has the focus.
  EXPECT_EQ(indice->TextoTotal(), "0");
  for (int id : {shell::kIdBaja, shell::kIdAlta, shell::kIdSeleccionar, shell::kIdRenta, shell::kIdPatrimonio}) {
    EXPECT_FALSE(indice->Habilitado(id)) << id;
  }
  EXPECT_EQ(indice->Foco(), CIndiceDeclaraciones::EFoco::Nombre);
  EXPECT_TRUE(guion.Codigos().empty());
}

TEST_F(IndiceTest, AbrirEligeLaPrimeraYNuevaEnfocaElNombre) {
  Guardar({Declaracion("ANA", 1), Declaracion("LUIS", 3)});
  auto abrir = Abrir(0);
  EXPECT_EQ(abrir->FilaSeleccionada(), 1);
  EXPECT_EQ(abrir->NombreDeclaracion, NombreAlmacen("ANA"));
  EXPECT_TRUE(abrir->Habilitado(shell::kIdSeleccionar));
  EXPECT_TRUE(abrir->Habilitado(shell::kIdBaja));
  EXPECT_FALSE(abrir->Habilitado(shell::kIdAlta));
  EXPECT_EQ(abrir->Foco(), CIndiceDeclaraciones::EFoco::Rejilla);

  auto nueva = Abrir(1);
  EXPECT_EQ(nueva->EsNueva, 0);
  EXPECT_EQ(nueva->FilaSeleccionada(), 0);
  EXPECT_EQ(nueva->Foco(), CIndiceDeclaraciones::EFoco::Nombre);
  nueva->OnCambioNombre("  ");
  EXPECT_FALSE(nueva->Habilitado(shell::kIdAlta));
  nueva->OnCambioNombre("JUAN");
  EXPECT_TRUE(nueva->Habilitado(shell::kIdAlta));
  EXPECT_FALSE(nueva->Habilitado(shell::kIdSeleccionar));
  EXPECT_EQ(nueva->BotonPorDefecto(), shell::kIdAlta);
  // Choosing a row takes its name and its tax.
  nueva->OnSeleccionFila(2);
  EXPECT_EQ(nueva->TipoDeclaracion, 1);
  EXPECT_EQ(nueva->TextoNombre(), NombreAlmacen("LUIS"));
  EXPECT_EQ(nueva->BotonPorDefecto(), shell::kIdSeleccionar);
  EXPECT_EQ(nueva->TextoNumeroFila(), "2");
}

TEST_F(IndiceTest, AltaGuardaElNombreRellenoYUnNombreRepetidoDaDeclex) {
  CGuionMensajes guion;
  auto indice = Abrir(1);
  indice->OnCambioNombre("ABC");
  indice->OnAlta();
  EXPECT_EQ(indice->Resultado(), shell::kIdSeleccionar);
  EXPECT_EQ(indice->EsNueva, 1);
  EXPECT_EQ(indice->NombreDeclaracion, "ABC" + std::string(47, ' '));
  EXPECT_EQ(Filas(), (std::vector<std::string>{"ABC|0||61624"}));

  auto otro = Abrir(1);
  otro->OnCambioNombre("ABC");
  otro->OnAlta();
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"DECLEX"}));
  EXPECT_EQ(otro->TextoNombre(), "");
  EXPECT_EQ(otro->Resultado(), 0);
  EXPECT_EQ(otro->AnadirDeclaracion(std::string(50, ' ')), 0);
  EXPECT_EQ(guion.Codigos().back(), "WIN016");
  EXPECT_EQ(Filas().size(), 1u);
}

TEST_F(IndiceTest, UnaPatrimonioNuevaSeGuardaYListaComoPatrimonio) {
  CGuionMensajes guion;
  auto indice = Abrir(1);
  indice->OnCambioNombre("CASA");
  indice->PonerTipo(1);
  indice->OnAlta();
  EXPECT_EQ(Filas(), (std::vector<std::string>{"CASA|3||22536"}));
  auto otro = Abrir();
  EXPECT_EQ(otro->Filas()[0].modelo, "714");
  EXPECT_EQ(otro->TipoDeclaracion, 0);  // the first row is selected, not chosen through the grid
  otro->OnSeleccionFila(1);
  EXPECT_EQ(otro->TipoDeclaracion, 1);
}

TEST_F(IndiceTest, SeleccionarAbreCadaFilaComoElImpuestoQueGuarda) {
  // The first row comes selected without the grid telling it; whatever the radio pair says, "Seleccionar" opens a
  // row as the tax of its form.
  Guardar({Declaracion("CASA", 3), Declaracion("ZOE", 1)});
  struct SCaso {
    int fila;
    int tipoAntes;
    std::string nombre;
    int esperado;
  };
  for (const SCaso& c : {SCaso{1, 0, "CASA", 1}, SCaso{2, 1, "ZOE", 0}}) {
    auto indice = Abrir();
    if (c.fila != 1) indice->SeleccionarFila(c.fila);
    indice->PonerTipo(c.tipoAntes);
    indice->OnOK();
    EXPECT_EQ(indice->Resultado(), shell::kIdSeleccionar) << c.nombre;
    EXPECT_EQ(indice->NombreDeclaracion, NombreAlmacen(c.nombre));
    EXPECT_EQ(indice->TipoDeclaracion, c.esperado) << c.nombre;
  }
}

TEST_F(IndiceTest, UnNombreBorradoSeReviveVacioSinSegundaFila) {
  Guardar({Declaracion("VIEJA", 3, 'v')});
  {
    marco::CTabla corregix(&m_red);
    ASSERT_EQ(corregix.Abrir(0, "CLAVE", "Corregix"), 1);
  }
  marco::CValidador validador(NombreAlmacen("VIEJA"));
  validador.PonerBaseDatos(&m_red);
  ASSERT_EQ(validador.AnadirHallazgo("100R001", 1, 2, 1), 1);

  CGuionMensajes guion({marco::kBotonAceptar});
  auto indice = Abrir();
  indice->OnBaja();
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"WIN011"}));
  EXPECT_EQ(Filas(), (std::vector<std::string>{"VIEJA|3|B|22536"}));
  EXPECT_EQ(indice->Listadas(), 0);
  {
    marco::CTabla corregix(&m_red);
    ASSERT_EQ(corregix.Abrir(1, "CLAVE", "Corregix"), 1);
    EXPECT_EQ(corregix.NumeroRegistros(), 0);
  }

  indice->OnCambioNombre("VIEJA");
  indice->OnAlta();
  // The same row, live again, holding nothing of the declaration it was (a blank data area of the new one's tax).
  EXPECT_EQ(Filas(), (std::vector<std::string>{"VIEJA|0||61624"}));
  EXPECT_EQ(indice->Resultado(), shell::kIdSeleccionar);
}

TEST_F(IndiceTest, BajaSoloConAceptarYNoborrSiYaNoEsta) {
  Guardar({Declaracion("ANA", 1), Declaracion("EVA", 2)});
  CGuionMensajes guion({marco::kBotonCancelar});
  auto indice = Abrir();
  indice->OnBaja();
  EXPECT_EQ(Filas().size(), 2u);
  // Deleted behind the dialog's back: the row it shows can no longer be deleted.
  ASSERT_EQ(Almacen().Borrar("ANA"), shell::EResultadoAlmacen::Hecho);
  guion.Responder(marco::kBotonAceptar);
  indice->OnBaja();
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"WIN011", "WIN011", "NOBORR"}));
  // And choosing it tells the user it has gone.
  indice->OnOK();
  EXPECT_EQ(guion.Codigos().back(), "MUES008");
  EXPECT_EQ(indice->Resultado(), 0);
}

TEST_F(IndiceTest, SeleccionarFilaVaciaCabeceraYDobleClic) {
  Guardar({Declaracion("ANA", 1), Declaracion("LUIS", 3)});
  CGuionMensajes guion;
  auto indice = Abrir();
  indice->OnNavegar(shell::kIdPaginaAbajo);
  EXPECT_EQ(indice->FilaSeleccionada(), 11);
  indice->OnOK();
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"WIN013"}));
  indice->OnDobleClic(0);
  indice->OnDobleClic(30);
  EXPECT_EQ(indice->Resultado(), 0);
  EXPECT_EQ(guion.Codigos().size(), 1u);
  indice->OnDobleClic(2);
  EXPECT_EQ(indice->Resultado(), shell::kIdSeleccionar);
  EXPECT_EQ(indice->NombreDeclaracion, NombreAlmacen("LUIS"));
  EXPECT_EQ(indice->TipoDeclaracion, 1);
}

TEST_F(IndiceTest, NavegacionEntreLosLimites) {
  Guardar({Declaracion("ANA", 1)});
  auto indice = Abrir();
  struct SPaso {
    int id;
    int fila;
  };
  for (const SPaso& p : {SPaso{shell::kIdFilaArriba, 1}, SPaso{shell::kIdPaginaArriba, 1},
                         SPaso{shell::kIdFilaAbajo, 2}, SPaso{shell::kIdPaginaAbajo, 12},
                         SPaso{shell::kIdPaginaAbajo, 22}, SPaso{shell::kIdPaginaAbajo, 32},
                         SPaso{shell::kIdPaginaAbajo, 42}, SPaso{shell::kIdPaginaAbajo, 50},
                         SPaso{shell::kIdFilaAbajo, 50}, SPaso{shell::kIdPaginaArriba, 40}}) {
    indice->OnNavegar(p.id);
    EXPECT_EQ(indice->FilaSeleccionada(), p.fila) << p.id;
    EXPECT_EQ(indice->TextoNumeroFila(), std::to_string(p.fila));
  }
}

TEST_F(IndiceTest, BuscarEligeLaPrimeraQueEmpiezaAsi) {
  Guardar({Declaracion("ANA", 1), Declaracion("PEPA", 1), Declaracion("PEPE", 2)});
  CGuionMensajes guion;
  auto indice = Abrir();
  std::optional<std::string> respuesta = "PEP";
  indice->PonerBuscador([&respuesta](const shell::CAlmacenDeclaraciones&, bool, bool) { return respuesta; });
  indice->OnBuscar();
  EXPECT_EQ(indice->FilaSeleccionada(), 2);
  EXPECT_EQ(indice->NombreDeclaracion, NombreAlmacen("PEPA"));
  respuesta = "ZZ";
  indice->OnBuscar();
  EXPECT_EQ(indice->FilaSeleccionada(), 2);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"MUES008"}));
  respuesta.reset();
  indice->OnBuscar();
  EXPECT_EQ(guion.Codigos().size(), 1u);
}

TEST_F(IndiceTest, ElAlmacenNoPasaDeCincuenta) {
  Llenar(49);
  CGuionMensajes guion;
  auto indice = Abrir(1);
  EXPECT_EQ(indice->PermitirAlta, 1);
  indice->OnCambioNombre("OTRA");
  indice->OnAlta();
  EXPECT_EQ(indice->Resultado(), shell::kIdSeleccionar);
  ASSERT_EQ(Filas().size(), 50u);

  // With 50 stored the name edit only shows the choice and no new one is offered.
  auto lleno = Abrir();
  EXPECT_EQ(lleno->PermitirAlta, 0);
  lleno->OnSeleccionFila(3);
  EXPECT_TRUE(lleno->NombreSoloLectura());
  lleno->OnCambioNombre("MAS");
  EXPECT_FALSE(lleno->Habilitado(shell::kIdAlta));
  EXPECT_TRUE(lleno->Habilitado(shell::kIdSeleccionar));
  EXPECT_EQ(lleno->AnadirDeclaracion("MAS"), 0);
  EXPECT_EQ(guion.Codigos(), (std::vector<std::string>{"DECL050"}));
  EXPECT_EQ(Filas().size(), 50u);

  // A store filled past the limit by other means lists and counts them all.
  AnadirDirecto(NombreAlmacen("ZZZ"), 2);
  auto pasado = Abrir();
  EXPECT_EQ(pasado->Listadas(), 51);
  EXPECT_EQ(pasado->TextoTotal(), "51");
  EXPECT_EQ(Nombre(*pasado, 50), "OTRA");
  EXPECT_EQ(Nombre(*pasado, 51), "ZZZ");
}

TEST_F(IndiceTest, UnAlmacenDeSesentaSeListaEnteroYSeBuscaYBorraPasadaLaFila50) {
  // An older store of 60: every row is listed and reachable; searching and deleting act on row 55 and only it.
  Llenar(60);
  CGuionMensajes guion;
  auto indice = Abrir();
  ASSERT_EQ(indice->Listadas(), 60);
  ASSERT_EQ(indice->NumeroFilas(), 60);
  EXPECT_EQ(Nombre(*indice, 60), "D59");
  EXPECT_EQ(indice->Filas()[59].numero, "   60");
  EXPECT_EQ(indice->PermitirAlta, 0);

  for (int i = 0; i < 10; ++i) indice->OnNavegar(shell::kIdPaginaAbajo);
  EXPECT_EQ(indice->FilaSeleccionada(), 60);

  indice->PonerBuscador([](const shell::CAlmacenDeclaraciones&, bool, bool) { return std::string("D54"); });
  indice->OnBuscar();
  ASSERT_EQ(indice->FilaSeleccionada(), 55);
  EXPECT_EQ(indice->NombreDeclaracion, NombreAlmacen("D54"));

  indice->OnBaja();
  std::vector<std::string> borradas;
  for (const std::string& f : Filas()) {
    if (f.find("|B|") != std::string::npos) borradas.push_back(f.substr(0, f.find('|')));
  }
  EXPECT_EQ(borradas, (std::vector<std::string>{"D54"}));
  EXPECT_EQ(indice->Listadas(), 59);
  EXPECT_EQ(Nombre(*indice, 55), "D55");
  EXPECT_EQ(indice->NumeroFilas(), 59);

  // A double click past the rows is nothing; on row 59 it opens D59.
  indice->OnDobleClic(60);
  EXPECT_EQ(indice->Resultado(), 0);
  indice->OnDobleClic(59);
  EXPECT_EQ(indice->Resultado(), shell::kIdSeleccionar);
  EXPECT_EQ(indice->NombreDeclaracion, NombreAlmacen("D59"));
}

TEST_F(IndiceTest, SinAlmacenElDialogoQuedaVacio) {
  std::filesystem::remove(DatosDec());
  CGuionMensajes guion;
  CIndiceDeclaraciones indice(&m_red, &m_local);
  EXPECT_FALSE(indice.OnInitDialog());
  EXPECT_EQ(indice.Listadas(), 0);
  CIndiceDeclaraciones sinBase(nullptr, &m_local);
  EXPECT_FALSE(sinBase.OnInitDialog());
}

}  // namespace
