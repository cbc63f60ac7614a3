// The income-tax declaration as the Internet filing command and its writer see it: the document's key, form,
// person shown and data area, its pages' box arrays (the page classes' own, as printing makes them), its check in
// filing mode and its save.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "output/InternetRenta.h"
#include "output/PresentacionInternet.h"

namespace renta {

class CRentaDoc;

class CDeclaracionRentaInternet : public salida::IDeclaracionRentaInternet {
 public:
  explicit CDeclaracionRentaInternet(CRentaDoc& documento) : m_documento(documento) {}
  std::string DameClaveDeclaracion() const override;
  int DameTipoDeclaracion() const override;
  std::shared_ptr<marco::CControlesPagina> CrearControlesPagina(int idPagina) override;
  int DameSujetoActual() const override;
  int ModeloNecesario() const override;
  const DatosRenta& DameDatosRenta() const override;

 private:
  CRentaDoc& m_documento;
};

class CPresentacionRenta : public salida::IDocumentoPresentacion {
 public:
  explicit CPresentacionRenta(CRentaDoc& documento) : m_documento(documento), m_declaracion(documento) {}
  void ConfirmarCampoActivo() override;
  // The whole-declaration check with the rules of what the Internet file cannot carry.
  int ValidarPresentacion() override;
  // The save command's rule (a new declaration filed is a kept one).
  int GuardarDeclaracion() override;
  std::string_view NombreFichero() const override { return salida::kNombreInternetRenta; }
  std::unique_ptr<salida::CInetFichero> CrearEscritor() override;

 private:
  CRentaDoc& m_documento;
  CDeclaracionRentaInternet m_declaracion;
};

}  // namespace renta
