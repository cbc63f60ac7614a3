// The income-tax writer of the Internet filing file: the current person's declaration, on the form that person's
// data need (D-101, model 101, nine page slots; D-100, model 100, eighteen), whatever form the declaration shows.
//
// A page none of whose boxes holds a value is not written, except the identification, the result and the payment:
//   D-101: page 1 always; 2 to 6 when they hold data; 7 (the result) always; 8 (the boxes of page 217) when the
//          payment condition holds; 9 never.
//   D-100: page 1 always; 2 to 15 when they hold data; 16 (the result) always; 17 (page 217) always; 18 never.
//
// Every page of the form must be in the page catalogue (form × 100 + page; 217 for the payment page), or nothing
// is written; a page to be written whose box array cannot be made fails the run (nothing is written).
#pragma once

#include <string_view>

#include "output/InternetFichero.h"
#include "ximardol.h"

namespace salida {

// What the income-tax writer needs of the income-tax document, besides IDeclaracionInternet.
class IDeclaracionRentaInternet : public IDeclaracionInternet {
 public:
  // The person shown (1 family unit, 2 declarant, 3 spouse, 4 first child, 5 second child).
  virtual int DameSujetoActual() const = 0;
  // The form the person shown needs: 1 D-101, 2 D-100 (anything else: nothing is written).
  virtual int ModeloNecesario() const = 0;
  virtual const DatosRenta& DameDatosRenta() const = 0;
};

// The payment page's condition for a person (1-5; any other counts as the first): both of the person's flags in
// the identification block (offsets 2484 + p and 2489 + p, p = person - 1) are zero, or the person's result
// (offset 6648 + 8p of the results block) is above zero.
bool CondicionPagoInternet(const DatosRenta& datos, int sujeto);

class CRentaInet : public CInetFichero {
 public:
  // The document is given with PonerDocumento; one that is not an income-tax declaration gets an empty file.
  CRentaInet() = default;
  // The form of the run (1 or 2; 0 before a run or when nothing is written).
  int DameFormulario() const { return m_nFormulario; }

 protected:
  void PrepararPaginas() override;
  int NumeroPaginas() const override;
  std::string_view TituloPaginas() const override;
  int NumeroModelo() const override;
  int IdCatalogo(int pagina) const override;
  int CrearCamposPagina(int pagina) override;
  marco::SEntornoCampo Entorno() const override;

 private:
  IDeclaracionRentaInternet* m_pRenta = nullptr;
  int m_nFormulario = 0;
};

}  // namespace salida
