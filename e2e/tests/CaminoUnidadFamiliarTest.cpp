// The road of a family: a joint D-101 of a married couple with two children made through the personal data
// wizard; each person chosen from the "Declaración" menu by keyboard and shown on the pages (each one's year of
// birth on page 1, each one's salary on page 2); both salaries stored in their holders' rows and slots; the
// summary "RESUMEN DE DECLARACIONES" showing the individual results and the joint one the calculation stored;
// the wizard opened again from the menu changing the first child's year of birth, and "Ir a página" 100 opening it
// too with "Cancelar" leaving the declaration as it was. Outcomes are read from the boxes' and the summary's texts
// (through the clipboard) and from the stored declaration.
#include <gtest/gtest.h>

#include <cstddef>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "Camino.h"
#include "framework/DocumentoServicios.h"
#include "income/DatosFamiliaReglas.h"
#include "income/ResumenResultados.h"
#include "ximardol.h"

namespace {

using e2e::CCamino;
using e2e::Digitos;
using e2e::Recortado;
namespace titulos = e2e::titulos;

constexpr const char* kClave = "UNIDAD FAMILIAR E2E";
constexpr const char* kResumen = "^RESUMEN DE DECLARACIONES";

// Page ids of the simplified form.
constexpr int kPaginaIdentificacion = 101;

// The six payer rows of work income: 104 bytes each, 40 bytes into section A; the holder's member code, the money
// pay and the withholding.
constexpr std::size_t kPagadores = offsetof(DatosRenta, RendTrabajo) + 40;
constexpr std::size_t kAnchoPagador = 104;
constexpr std::size_t kTitular = 0;
constexpr std::size_t kIntegro = 8;
constexpr std::size_t kRetencion = 16;
// The withholdings of the work-income rows by member (slot 1 declarant, 2 spouse) of the results block.
constexpr std::size_t kRetencionesTrabajo = offsetof(DatosRenta, Resultados) + 5728;
constexpr std::size_t kSlot = sizeof(double);
// The year of birth of each person (4 characters, person - 1) in the identification block.
constexpr std::size_t kAnios = offsetof(DatosRenta, Identificacion) + renta::kDespAnioNacimientoSujeto;
constexpr std::size_t AnioDe(int sujeto) { return kAnios + 4 * static_cast<std::size_t>(sujeto - 1); }
// The family block's answers: marital status, children, the declarant's and the spouse's years.
constexpr std::size_t kFamilia = offsetof(DatosRenta, DatosFamilia);

constexpr double kSalarioDeclarante = 3000000.0;
constexpr double kRetencionDeclarante = 450000.0;
constexpr double kSalarioConyuge = 2000000.0;
constexpr double kRetencionConyuge = 200000.0;

class CaminoUnidadFamiliar : public e2e::CPasoDe<CaminoUnidadFamiliar> {
 protected:
  // A person chosen from "Declaración" > "Persona" by its mnemonic, as a person does with the keyboard.
  void Persona(const std::string& letra) {
    E().Tecla("alt+d");
    E().Tecla("p");
    E().Tecla(letra);
  }

  // The year of birth page 1 shows for the person shown (page 1 brought forward on the box it opens on).
  std::string AnioEnLaPagina1() {
    if (!C().IrAPagina(1) || !C().IrACasilla(kPaginaIdentificacion, "ZANOD")) return "(no box)";
    const auto texto = C().TextoCasillaActiva();
    // Back to the box the page opens on, for the next walk.
    const auto p = C().Pagina(kPaginaIdentificacion);
    if (p) {
      const auto tabs = p->Tabulaciones(p->PrimeraEditable(), p->NumeroDe("ZANOD"));
      for (int i = 0; tabs && i < *tabs; ++i) E().Tecla("shift+Tab");
    }
    return texto ? Recortado(*texto) : "(nothing copied)";
  }

  // The amounts of a line of the summary that begins with `nombre` (UTF-8), as numbers.
  static std::vector<double> Importes(const std::string& texto, const std::string& nombre) {
    std::istringstream lineas(texto);
    std::string linea;
    while (std::getline(lineas, linea)) {
      if (linea.rfind(nombre, 0) != 0) continue;
      std::vector<double> importes;
      const std::regex numero("-?[0-9][0-9.]*");
      for (auto it = std::sregex_iterator(linea.begin() + static_cast<long>(nombre.size()), linea.end(), numero);
           it != std::sregex_iterator(); ++it) {
        const std::string m = it->str();
        importes.push_back((m[0] == '-' ? -1.0 : 1.0) * std::stod(Digitos(m)));
      }
      return importes;
    }
    return {};
  }
};

TEST_F(CaminoUnidadFamiliar, UnMatrimonioConDosHijosPasaPorElAsistente) {
  ASSERT_TRUE(C().AltaDesdeIndice(kClave));
  // "Soltero/a" has the focus: "Casado/a", then "Si" to children (past "Viudo/a", "Separado/a" and "No"; the
  // spouse-deceased box is only for a widowed person), then each member's year of birth and community.
  E().Tecla("Tab");
  E().Tecla("space");
  C().Tabular(4);
  E().Tecla("space");
  C().Tabular(1);
  E().Escribir("12");  // the joint declaration's community
  for (const char* anio : {"1960", "1962", "1990", "1992"}) {
    C().Tabular(2);  // past the community's name to the member's year
    E().Escribir(anio);
    C().Tabular(2);  // past the disability degree to the member's community
    E().Escribir("12");
  }
  C().Tabular(2);  // past the second child's community name to "Aplicar"
  E().Tecla("space");
  ASSERT_TRUE(E().EsperarSinVentana(titulos::kAsistente)) << "the wizard did not take the answers";
  ASSERT_TRUE(C().PrincipalActiva());
  std::string motivo;
  const auto fila = C().EsperarGuardada(kClave, [](const e2e::SDeclaracionGuardada&) { return true; }, motivo);
  ASSERT_TRUE(fila) << motivo;
  C().Alcanzado("familia");
}

TEST_F(CaminoUnidadFamiliar, CadaPersonaElegidaEnElMenuMuestraSuAnioEnLaPagina1) {
  REQUIERE_PASO(C(), "familia");
  Persona("c");
  EXPECT_EQ(AnioEnLaPagina1(), "1962") << "the spouse's page 1";
  Persona("d");
  EXPECT_EQ(AnioEnLaPagina1(), "1960") << "the declarant's page 1";
  Persona("1");
  EXPECT_EQ(AnioEnLaPagina1(), "1990") << "the first child's page 1";
  if (!HasFailure()) C().Alcanzado("personas");
}

TEST_F(CaminoUnidadFamiliar, CadaSalarioSeVeEnLaPaginaDeSuPersona) {
  REQUIERE_PASO(C(), "personas");
  // The entries of work income are the family unit's (a member's page shows them and leaves them to the family
  // unit): each payer carries its holder, D the declarant and C the spouse.
  Persona("u");
  ASSERT_TRUE(C().IrAPagina(2));
  E().Escribir("3");
  ASSERT_TRUE(C().VentanaDelante(titulos::kTrabajo, "the work-income dialog"));
  // The grid goes row by row: the first payer's holder takes the focus on to its money pay, Tab to its
  // withholding; two Shift+Tab back to the second payer's holder (the only other box open in those rows).
  ASSERT_TRUE(C().TeclearPagador("D", "3000000", "450000"));
  E().Teclas({"shift+Tab", "shift+Tab"});
  E().Escribir("C");
  ASSERT_TRUE(C().TeclearImporteTrasTitular("2000000"));
  C().Tabular(2);
  E().Escribir("200000");
  E().Tecla("Tab");
  E().Tecla("alt+a");
  ASSERT_TRUE(E().EsperarSinVentana(titulos::kTrabajo)) << "the work-income dialog did not close with \"&Aceptar\"";
  ASSERT_TRUE(C().CasillaActivaMuestra("5000000", "the work-income box", Digitos)) << "the family unit's page";
  Persona("d");
  ASSERT_TRUE(C().CasillaActivaMuestra("3000000", "the work-income box", Digitos)) << "the declarant's page";
  Persona("c");
  ASSERT_TRUE(C().CasillaActivaMuestra("2000000", "the work-income box", Digitos)) << "the spouse's page";
  if (!HasFailure()) C().Alcanzado("salarios");
}

TEST_F(CaminoUnidadFamiliar, CtrlGGuardaCadaSalarioConSuPersona) {
  REQUIERE_PASO(C(), "salarios");
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  const auto fila = C().EsperarGuardada(
      kClave,
      [](const e2e::SDeclaracionGuardada& f) {
        return f.Importe(kPagadores + kAnchoPagador + kIntegro).value_or(0.0) == kSalarioConyuge;
      },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  ASSERT_GE(fila->datos.size(), sizeof(DatosRenta));
  EXPECT_EQ(fila->datos[kPagadores + kTitular], marco::kSujetoDeclarante);
  EXPECT_EQ(fila->Importe(kPagadores + kIntegro), kSalarioDeclarante);
  EXPECT_EQ(fila->Importe(kPagadores + kRetencion), kRetencionDeclarante);
  EXPECT_EQ(fila->datos[kPagadores + kAnchoPagador + kTitular], marco::kSujetoConyuge);
  EXPECT_EQ(fila->Importe(kPagadores + kAnchoPagador + kRetencion), kRetencionConyuge);
  // Each one's withholding in each one's slot; the family unit's slot holds both.
  EXPECT_EQ(fila->Importe(kRetencionesTrabajo + kSlot * 1), kRetencionDeclarante);
  EXPECT_EQ(fila->Importe(kRetencionesTrabajo + kSlot * 2), kRetencionConyuge);
  EXPECT_EQ(fila->Importe(kRetencionesTrabajo), kRetencionDeclarante + kRetencionConyuge);
  // The wizard's answers: married, children, the years of birth.
  EXPECT_EQ(fila->datos[kFamilia], 1);
  EXPECT_EQ(fila->datos[kFamilia + 1], 1);
  EXPECT_EQ(fila->Texto(kFamilia + 4, 8), "19601962");
  EXPECT_EQ(fila->Texto(AnioDe(marco::kSujetoHijo1), 8), "19901992");
  if (!HasFailure()) C().Alcanzado("guardada");
}

TEST_F(CaminoUnidadFamiliar, ElResumenMuestraLasDeclaracionesIndividualesYLaConjunta) {
  REQUIERE_PASO(C(), "guardada");
  E().Tecla("alt+d");
  E().Tecla("r");
  ASSERT_TRUE(C().VentanaDelante(kResumen, "the summary of individual and joint filing"));
  // Its figures are a text the user can select and copy.
  const auto texto = C().TextoCompleto();
  E().Tecla("Escape");
  ASSERT_TRUE(E().EsperarSinVentana(kResumen)) << "the summary did not close";
  ASSERT_TRUE(texto) << "the summary gave nothing to the clipboard";
  std::string motivo;
  const auto fila = C().Programa().Declaracion(kClave, &motivo);
  ASSERT_TRUE(fila) << motivo;
  constexpr std::size_t kResultados = offsetof(DatosRenta, Resultados);
  // The library's figures of a slot as the store holds them: quota, payments, result.
  const auto cifras = [&](int slot) {
    std::vector<double> v;
    for (std::size_t campo : {renta::kDespCuotaTrasDeducciones, renta::kDespRetencionesYPagos,
                              renta::kDespResultadoDeclaracion}) {
      v.push_back(fila->Importe(kResultados + campo + kSlot * static_cast<std::size_t>(slot)).value_or(-1.0));
    }
    return v;
  };
  const std::vector<double> declarante = Importes(*texto, "Declarante");
  const std::vector<double> conyuge = Importes(*texto, "C\u00f3nyuge");
  const std::vector<double> conjunta = Importes(*texto, "Declaraci\u00f3n conjunta");
  EXPECT_EQ(declarante, cifras(1)) << *texto;
  EXPECT_EQ(conyuge, cifras(2)) << *texto;
  EXPECT_EQ(conjunta, cifras(0)) << *texto;
  // The individual results are not all zero: each spouse pays or gets back something of their own.
  EXPECT_NE(cifras(1)[2], 0.0);
  EXPECT_NE(cifras(2)[2], 0.0);
  // The sentence names the cheaper choice and by how much.
  const double individuales = cifras(1)[2] + cifras(2)[2];
  const double diferencia = cifras(0)[2] - individuales;
  const std::string frase = diferencia > 0 ? "Las declaraciones individuales cuestan"
                                           : "La declaraci\u00f3n conjunta cuesta";
  EXPECT_NE(texto->find(frase), std::string::npos) << *texto;
}

TEST_F(CaminoUnidadFamiliar, IrALaPagina100AbreElAsistenteYCancelarNoCambiaNada) {
  REQUIERE_PASO(C(), "guardada");
  ASSERT_TRUE(E().Tecla("ctrl+i"));
  ASSERT_TRUE(C().VentanaDelante(titulos::kIrAPagina, "the go-to-page dialog"));
  E().Escribir("100");
  E().Tecla("Return");
  ASSERT_TRUE(C().VentanaDelante(titulos::kAsistente, "the personal data wizard (page 100)"));
  // A change, then "Cancelar" (Escape): the declaration keeps its answers.
  C().Tabular(16);
  E().Teclas({"Home", "shift+End"});
  E().Escribir("1985");
  E().Tecla("Escape");
  ASSERT_TRUE(E().EsperarSinVentana(titulos::kAsistente)) << "the wizard did not close on \"Cancelar\"";
  ASSERT_TRUE(C().PrincipalActiva());
  Persona("1");
  EXPECT_EQ(AnioEnLaPagina1(), "1990") << "a cancelled wizard changed the first child's year";
}

TEST_F(CaminoUnidadFamiliar, ElAsistenteOtraVezDesdeElMenuCambiaElAnioDelPrimerHijo) {
  REQUIERE_PASO(C(), "guardada");
  E().Tecla("alt+d");
  E().Tecla("d");
  ASSERT_TRUE(C().VentanaDelante(titulos::kAsistente, "the personal data wizard"));
  // From "Soltero/a": the statuses, the children's answer, the joint community, the declarant's and the spouse's
  // rows (year, degree, community code and name) to the first child's year.
  C().Tabular(16);
  E().Teclas({"Home", "shift+End"});
  E().Escribir("1991");
  C().Tabular(8);  // the rest of the children's rows, to "Aplicar"
  E().Tecla("space");
  ASSERT_TRUE(E().EsperarSinVentana(titulos::kAsistente)) << "the wizard did not take the change";
  ASSERT_TRUE(C().PrincipalActiva());
  Persona("1");
  EXPECT_EQ(AnioEnLaPagina1(), "1991") << "the first child's page 1";
  ASSERT_TRUE(E().Tecla("ctrl+g"));
  std::string motivo;
  const auto fila = C().EsperarGuardada(
      kClave, [](const e2e::SDeclaracionGuardada& f) { return f.Texto(AnioDe(marco::kSujetoHijo1), 4) == "1991"; },
      motivo);
  ASSERT_TRUE(fila) << motivo;
  EXPECT_EQ(fila->Texto(AnioDe(marco::kSujetoHijo2), 4), "1992");
  EXPECT_EQ(fila->Texto(kFamilia + 4, 8), "19601962") << "the other answers stay";
  EXPECT_EQ(fila->datos[kFamilia], 1);
  EXPECT_EQ(fila->datos[kFamilia + 1], 1);
  // The salaries stay with their persons.
  EXPECT_EQ(fila->datos[kPagadores + kAnchoPagador + kTitular], marco::kSujetoConyuge);
}

}  // namespace
