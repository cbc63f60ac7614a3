// The twelve page views of form D-714, by their run-time class names PAT001 ... PAT012 (the document's page list
// finds them by name). Each makes its own box array and answers its page id (301 ... 312) and name; the pages with
// rules between boxes add them:
//   PAT001  personal data: office fields, the no-exempt-amount mark, the three exclusive marks, tax numbers,
//           provinces and postal codes, the place and date of signing, the name text;
//   PAT002 ... PAT008  a committed row value recalculates its section, then the liquidation;
//   PAT009  summary of the section totals;  PAT010  liquidation;  PAT011  result and payment;
//   PAT012  the result data of PAT011 in another order (in no page list).
#pragma once

#include <array>
#include <string_view>

#include "wealth/C714Vista.h"

class wxClassInfo;

namespace patrimonio {

// Registers the run-time classes of the twelve pages (so that the document's page list finds them by name) and
// gives them in page order. The program's start-up calls it once, before the first declaration is opened: an
// explicit call, not a static initialiser, which a static library may drop. Later calls give the same classes.
const std::array<wxClassInfo*, kPaginas714>& RegistrarPaginas714();

// The run-time class of a page class, made and registered when first asked for.
#define KORVELIX_CLASE_PAGINA_714()          \
 public:                                     \
  static wxClassInfo* ClaseInfo();           \
  wxClassInfo* GetClassInfo() const override { return ClaseInfo(); }

// The common part of a page class: its number, its box array, its id and name.
class C714VistaPagina : public C714Vista {
 public:
  explicit C714VistaPagina(int pagina);
  int DameNumeroPagina() override { return IdPagina714(m_nPagina); }
  std::string_view NombrePagina() const override;
  int NumeroPagina714() const { return m_nPagina; }

 private:
  int m_nPagina;
};

class PAT001 : public C714VistaPagina {
 public:
  PAT001() : C714VistaPagina(1) {}
  int AplicarDependencias(int numero) override;
  int ComprobarCampo(int numero) override;
  int Recalcular(int numero) override;
  void ConfirmarCampoActivo() override;
  int CampoActualizandose(int) override { return 0; }

 private:
  CControlesPAT001* Controles() const { return static_cast<CControlesPAT001*>(DameControles()); }
  void ComponerNombre();
  // The tail of the office and mark rules: the library's personal-data step, the liquidation and the refresh.
  void Cola();
  // After an office code: the liquidation, the refresh and every view told the values changed.
  void ColaCodigo();
  KORVELIX_CLASE_PAGINA_714()
};

// Pages 2 to 8: a committed row value sums its section into the summary, then the liquidation runs.
class C714VistaSeccion : public C714VistaPagina {
 public:
  explicit C714VistaSeccion(int pagina) : C714VistaPagina(pagina) {}
  int ComprobarCampo(int numero) override;
};

#define KORVELIX_PAGINA_SECCION_714(clase, numero)   \
  class clase : public C714VistaSeccion {             \
   public:                                            \
    clase() : C714VistaSeccion(numero) {}             \
                                                      \
    KORVELIX_CLASE_PAGINA_714()                       \
  };
KORVELIX_PAGINA_SECCION_714(PAT002, 2)
KORVELIX_PAGINA_SECCION_714(PAT003, 3)
KORVELIX_PAGINA_SECCION_714(PAT004, 4)
KORVELIX_PAGINA_SECCION_714(PAT005, 5)
KORVELIX_PAGINA_SECCION_714(PAT006, 6)
KORVELIX_PAGINA_SECCION_714(PAT007, 7)
KORVELIX_PAGINA_SECCION_714(PAT008, 8)
#undef KORVELIX_PAGINA_SECCION_714

class PAT009 : public C714VistaPagina {
 public:
  PAT009() : C714VistaPagina(9) {}

  KORVELIX_CLASE_PAGINA_714()
};

class PAT010 : public C714VistaPagina {
 public:
  PAT010() : C714VistaPagina(10) {}
  int ComprobarCampo(int numero) override;
  int Recalcular(int numero) override;
  void RefrescarControles() override;

  KORVELIX_CLASE_PAGINA_714()
};

class PAT011 : public C714VistaPagina {
 public:
  PAT011() : C714VistaPagina(11) {}
  int AplicarDependencias(int numero) override;
  int CampoBorrado(int numero) override;
  int ComprobarCampo(int numero) override;
  void RefrescarControles() override;

 private:
  // The account boxes editable or read-only after the payment marks; blank ones redrawn.
  void CuentaSegunMarcas();
  KORVELIX_CLASE_PAGINA_714()
};

class PAT012 : public C714VistaPagina {
 public:
  PAT012() : C714VistaPagina(12) {}

  KORVELIX_CLASE_PAGINA_714()
};

}  // namespace patrimonio
