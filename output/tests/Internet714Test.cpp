// The wealth-tax writer: which of the twelve page slots are written (data on pages 2 to 8, DatoDI for page 11),
// the model number of its lines, the header boxes of page 1, and a document of another tax.
#include "output/Internet714.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "InternetPrueba.h"
#include "framework/MensajeGuion.h"

namespace salida {
namespace {

using pruebas::CControlesFijos;
using pruebas::LeerFichero;
using pruebas::SCasillaPrueba;

class CDocumento714 : public pruebas::CDocumentoPrueba<IDeclaracion714Internet> {
 public:
  CDocumento714() {
    std::memset(datos.get(), 0, sizeof(DatosPatrimonio));
    tipo = 3;
  }
  const DatosPatrimonio& DameDatosPatrimonio() const override { return *datos; }
  void PonerDatoDI(double valor) { std::memcpy(datos->PatDI.octetos + 16, &valor, sizeof valor); }

  std::unique_ptr<DatosPatrimonio> datos = std::make_unique<DatosPatrimonio>();
};

class C714InetTodas : public C714Inet {
 protected:
  int ExistePagina(int /*idPagina*/) override { return 1; }
};

class Internet714 : public pruebas::CCarpetaInternet {
 protected:
  void SetUp() override {
    CCarpetaInternet::SetUp();
    // Every page: a numbered amount box; page 8 also a holder box that alone does not count as data.
    for (int id = 301; id <= 312; ++id) {
      documento_.paginas[id] = [this, id]() {
        std::vector<SCasillaPrueba> casillas{{"F12", "120N", 1, &valores_[id - 300]}};
        if (id == 308) casillas.push_back({"F12", "120N", 2, &titular_, "TBD"});
        return std::make_unique<CControlesFijos>(casillas);
      };
    }
    // The header of page 1 is filled once its boxes are loaded.
    documento_.alCargar = [this](int id, marco::CControlesPagina&) {
      if (id == 301) valores_[1] = 714;
    };
  }

  std::vector<std::string> Lineas(pruebas::CProgresoPrueba* progreso = nullptr) {
    C714InetTodas escritor;
    escritor.PonerDocumento(&documento_);
    escritor.PonerProgreso(progreso);
    EXPECT_EQ(escritor.Generar(carpeta_ / "TVXINET"), 1);
    return pruebas::Lineas(LeerFichero(carpeta_ / "TVXINET"));
  }

  std::array<double, 13> valores_{};
  double titular_ = 0;
  CDocumento714 documento_;
  marco::CGuionMensajes guion_;
};

TEST_F(Internet714, SoloLaPrimeraPaginaConDatos) {
  pruebas::CProgresoPrueba progreso;
  const auto lineas = Lineas(&progreso);
  EXPECT_EQ(pruebas::Cabezas(lineas), (std::vector<std::string>{"71401 ", "71409 ", "71410 ", "71411 "}));
  EXPECT_EQ(lineas.front(), "71401 000000000714");
  // Twelve slots, though page 12 never writes anything; page 12 is never even made.
  ASSERT_EQ(progreso.textos.size(), 12u);
  EXPECT_EQ(progreso.textos.back(), "Escribiendo p\xE1gina 12 de 12");
  EXPECT_EQ(progreso.tipos.back(), "PATRIMONIO");
  EXPECT_EQ(std::count(documento_.pedidas.begin(), documento_.pedidas.end(), 312), 0);
  EXPECT_TRUE(guion_.Mensajes().empty());
}

TEST_F(Internet714, PaginasConDatosYDatoDI) {
  valores_[3] = 1;
  valores_[7] = 2;
  titular_ = 1;  // page 8's holder box alone
  documento_.PonerDatoDI(-1);
  EXPECT_EQ(pruebas::Cabezas(Lineas()), (std::vector<std::string>{"71401 ", "71403 ", "71407 ", "71409 ", "71410 "}));
  // Page 11 is not even made when DatoDI is negative.
  EXPECT_EQ(std::count(documento_.pedidas.begin(), documento_.pedidas.end(), 311), 0);

  valores_[8] = 5;
  documento_.PonerDatoDI(0);
  const auto lineas = Lineas();
  EXPECT_EQ(pruebas::Cabezas(lineas),
            (std::vector<std::string>{"71401 ", "71403 ", "71407 ", "71408 ", "71409 ", "71410 ", "71411 "}));
  EXPECT_EQ(lineas[3], "71408 000000000005000000000001");
}

TEST_F(Internet714, UnDocumentoDeRentaDaUnFicheroVacio) {
  documento_.tipo = 2;
  pruebas::CProgresoPrueba progreso;
  EXPECT_TRUE(Lineas(&progreso).empty());
  EXPECT_TRUE(std::filesystem::exists(carpeta_ / "TVXINET"));
  EXPECT_TRUE(progreso.textos.empty());
  EXPECT_TRUE(documento_.pedidas.empty());
}

TEST(Internet714Datos, DatoDI) {
  auto datos = std::make_unique<DatosPatrimonio>();
  std::memset(datos.get(), 0, sizeof(DatosPatrimonio));
  const double valor = -12.5;
  std::memcpy(reinterpret_cast<unsigned char*>(datos.get()) + 7344 + 16, &valor, sizeof valor);
  EXPECT_EQ(DatoDIInternet(*datos), -12.5);
}

}  // namespace
}  // namespace salida
