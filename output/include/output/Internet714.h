// The wealth-tax writer of the Internet filing file: a D-714 declaration as model 714, twelve page slots.
//
//   pages 1, 9 and 10 always; 2 to 7 when they hold data; 8 when it holds data other than its holder boxes;
//   11 when the difference of the quota (DatoDI, the double at offset 16 of the RegPatDI block) is not negative;
//   12 never.
//
// Pages 1 to 11 must be in the page catalogue (300 + page), or nothing is written. A document that is not a wealth-tax
// declaration gets an empty file.
#pragma once

#include <string_view>

#include "output/InternetFichero.h"
#include "ximardol.h"

namespace salida {

// What the wealth-tax writer needs of the wealth-tax document, besides IDeclaracionInternet (whose
// ControlesCargados fills the header boxes of page 1).
class IDeclaracion714Internet : public IDeclaracionInternet {
 public:
  virtual const DatosPatrimonio& DameDatosPatrimonio() const = 0;
};

// DatoDI of a wealth-tax declaration.
double DatoDIInternet(const DatosPatrimonio& datos);

class C714Inet : public CInetFichero {
 public:
  C714Inet() = default;

 protected:
  void PrepararPaginas() override;
  int NumeroPaginas() const override;
  std::string_view TituloPaginas() const override;
  int NumeroModelo() const override;
  int IdCatalogo(int pagina) const override;
  int CrearCamposPagina(int pagina) override;

 private:
  IDeclaracion714Internet* m_p714 = nullptr;
};

}  // namespace salida
