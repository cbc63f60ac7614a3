// The code and description edit: the code looked up on leaving the box (prefixed by the linked value), the
// description written into the linked text, unknown codes refused with their message, and the character filter.
#include "framework/CodigoDescripcion.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "TablasConsultaPrueba.h"

namespace marco {
namespace {

using pruebas_edit::Caja;
using pruebas_edit::Teclear;

class CodigoDescripcion : public pruebas_edit::CFixtureTablasConsulta {
 protected:
  void SetUp() override {
    CFixtureTablasConsulta::SetUp();
    CrearTabla("MUNICIPI",
               "TABLA MUNICIPI\n"
               "CAMPO codigo   C 5\n"
               "CAMPO nombre   C 40\n"
               "CAMPO provin   C 2\n"
               "ETIQUETA CODIGO codigo\n"
               "ETIQUETA NOMBRE nombre\n"
               "FILAS\n"
               "28079|MADRID|28\n"
               "28006|ALCOBENDAS|28\n"
               "12345|OTRO|12\n");
    CrearCatalogo("MUNICIPI|NOMBRE|provin+codigo|nombre||||T|F\n");
  }
  // A code box of n digits bound to codigo_, linked to descripcion_ and, when given, to a province text.
  CCampo CajaCodigo(int n, const char* provincia) {
    std::memset(codigo_.data(), ' ', codigo_.size());
    std::memset(descripcion_.data(), ' ', descripcion_.size());
    provincia_ = provincia != nullptr ? provincia : "";
    enlace_ = SEnlaceTabla{descripcion_.data(), descripcion_.size(), provincia != nullptr ? provincia_.data() : nullptr,
                           provincia_.size()};
    CCampo campo = Caja("G" + std::to_string(n), codigo_.data());
    campo.FicheroTab = "MUNICIPI.TAB";
    campo.Enlace = &enlace_;
    return campo;
  }
  std::string Descripcion() const { return std::string(plataforma::RecortaDerecha({descripcion_.data(), 12})); }

  std::array<char, 5> codigo_{};
  std::array<char, 12> descripcion_{};
  std::string provincia_;
  SEnlaceTabla enlace_;
};

TEST_F(CodigoDescripcion, ElCodigoConLaProvinciaDelanteDaLaDescripcion) {
  CCampo campo = CajaCodigo(3, "28");
  CCodigoDescripcion edit(campo, &base_);
  EXPECT_TRUE(edit.Definicion().encontrada);
  EXPECT_EQ(edit.Definicion().ColumnaClave(), "codigo");
  edit.AlGanarFoco();
  Teclear(edit, "079");
  edit.AlPerderFoco();
  EXPECT_EQ(Descripcion(), "MADRID");
  EXPECT_EQ(std::string(codigo_.data(), 5), "079  ");
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(CodigoDescripcion, CodigoDesconocidoDevuelveElValorAnterior) {
  struct Caso {
    int n;
    const char* provincia;
    const char* tecleado;
    const char* mensaje;
  };
  const Caso casos[] = {
      {3, "28", "999", "100R128"},
      {3, "28", "07", "100R128"},  // a code that only begins a key is not found
      {5, nullptr, "99999", "100R127"},
      {5, "  ", "2807", "100R127"},  // a blank province prefixes nothing
  };
  for (const Caso& c : casos) {
    const std::size_t antes = guion_.Codigos().size();
    CCampo campo = CajaCodigo(c.n, c.provincia);
    std::memcpy(codigo_.data(), "006", 3);
    CCodigoDescripcion edit(campo, &base_);
    edit.AlGanarFoco();
    edit.Superficie().PonerSeleccion(0, 99);
    Teclear(edit, c.tecleado);
    edit.AlPerderFoco();
    const std::vector<std::string> codigos = guion_.Codigos();
    EXPECT_EQ(std::vector<std::string>(codigos.begin() + static_cast<long>(antes), codigos.end()),
              (std::vector<std::string>{c.mensaje}))
        << c.tecleado;
    EXPECT_EQ(edit.Texto(), "006") << c.tecleado;
    EXPECT_EQ(std::string(codigo_.data(), 3), "006") << c.tecleado;
    EXPECT_EQ(Descripcion(), "") << c.tecleado;
  }
  // Without a province prefix the whole code is sought.
  CCampo campo = CajaCodigo(5, nullptr);
  CCodigoDescripcion edit(campo, &base_);
  Teclear(edit, "12345");
  edit.AlPerderFoco();
  EXPECT_EQ(Descripcion(), "OTRO");
}

TEST_F(CodigoDescripcion, SinCambioNoSeBusca) {
  CCampo campo = CajaCodigo(3, "28");
  campo.FicheroTab = "NOEXISTE.TAB";  // opening it would show a message
  std::memcpy(codigo_.data(), "079", 3);
  CCodigoDescripcion edit(campo, &base_);
  edit.AlGanarFoco();
  edit.Superficie().PonerSeleccion(0, 99);
  Teclear(edit, "079");
  EXPECT_EQ(edit.ValidarAlSalir(nullptr), 0);
  EXPECT_TRUE(guion_.Codigos().empty());
  // An empty box is not sought either.
  edit.PonerTexto("");
  EXPECT_EQ(edit.ValidarAlSalir(nullptr), 0);
  EXPECT_TRUE(guion_.Codigos().empty());
}

TEST_F(CodigoDescripcion, FiltroDeCaracteres) {
  CCampo campo = CajaCodigo(3, "28");
  CCodigoDescripcion edit(campo, &base_);
  EXPECT_EQ(edit.EsNumerico(), 1);
  EXPECT_NE(edit.DameEstilo() & kEstiloDerecha, 0u);
  for (const unsigned c : {0xBAu, 0xB7u, 0xE7u, unsigned{'A'}, unsigned{' '}, unsigned{','}, unsigned{'-'}}) {
    EXPECT_EQ(edit.ValidarCaracter(c, 1, 0, 1), 1) << c;
  }
  for (const unsigned c : {unsigned{'0'}, unsigned{'9'}, unsigned{kTeclaRetroceso}, unsigned{kTeclaEscape}}) {
    EXPECT_EQ(edit.ValidarCaracter(c, 1, 0, 1), 0) << c;
  }
  // A pasted text must be digits.
  EXPECT_EQ(edit.TextoAdmisible("079"), 1);
  EXPECT_EQ(edit.TextoAdmisible("07A"), 0);
}

}  // namespace
}  // namespace marco
