// The wealth-tax declaration as the Internet filing command and its writer see it: the document's key and form,
// its data area, its pages' box arrays (the page classes' own; page 1 fills its header boxes for the file), its
// filing check and its save.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "output/Internet714.h"
#include "output/PresentacionInternet.h"

namespace patrimonio {

class C714Doc;

class CDeclaracion714Internet : public salida::IDeclaracion714Internet {
 public:
  explicit CDeclaracion714Internet(C714Doc& documento) : m_documento(documento) {}
  std::string DameClaveDeclaracion() const override;
  int DameTipoDeclaracion() const override;
  std::shared_ptr<marco::CControlesPagina> CrearControlesPagina(int idPagina) override;
  void ControlesCargados(int idPagina, marco::CControlesPagina& controles) override;
  const DatosPatrimonio& DameDatosPatrimonio() const override;

 private:
  C714Doc& m_documento;
};

class CPresentacion714 : public salida::IDocumentoPresentacion {
 public:
  explicit CPresentacion714(C714Doc& documento) : m_documento(documento), m_declaracion(documento) {}
  void ConfirmarCampoActivo() override;
  int ValidarPresentacion() override;
  int GuardarDeclaracion() override;
  std::string_view NombreFichero() const override { return salida::kNombreInternet714; }
  std::unique_ptr<salida::CInetFichero> CrearEscritor() override;

 private:
  C714Doc& m_documento;
  CDeclaracion714Internet m_declaracion;
};

}  // namespace patrimonio
