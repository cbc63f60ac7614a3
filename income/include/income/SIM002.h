// Page 2 of both income-tax forms: the work income (section A), the real-estate capital income (section B) and the
// movable capital income (section C) of the person shown, with the taxable-base amounts the calculation library
// derives from them. The simplified form's page SIM002 (id 102) and the ordinary form's page ORD002 (id 202, in
// income/d100) have the very same 45 boxes bound to the very same places and the very same recalculation, so both
// are built on the classes here and differ only in their name and page id.
//
// What needs no window is in the tables and free functions: where each box is bound (EnlacesTrabajoCapital), which
// section calculations a committed box runs and in what order (PasosTrabajoCapital), and running them
// (CalcularSeccionesTrabajoCapital). The page views forward to them.
//
// Page classes register by name: each page view is a wxWidgets dynamic class named after its page ("SIM002"), which
// the document's page list finds with wxClassInfo::FindClass. A static library keeps a class only when something
// refers to it, so the program's start-up calls the page's class accessor (ClasePaginaSIM002) once before the first
// declaration is opened.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "framework/ControlesPagina.h"
#include "income/RentaVista.h"
#include "platform/Lienzo.h"
#include "recalculo/Recalculo.h"
#include "ximardol.h"

class wxClassInfo;

namespace marco {
class CValidador;
}

namespace renta {

class CRentaDoc;

// ---- where the boxes are bound ----

// The areas a box of the page is bound into: the page header fields the document fills (outside DatosRenta) and
// the blocks of DatosRenta.
enum class EZonaCasilla : std::uint8_t {
  Ninguna,
  NifCabecera,     // tax number of the person shown, 9 characters
  NombreCabecera,  // name of the person shown, 40 characters
  Ejemplar,        // the copy label printing writes, 40 characters
  Identificacion,
  RendTrabajo,
  RendCapInmobiliario,
  RendCapMobiliario,
  BaseImponible,
};

// A place: an area, the offset inside it and the bytes that belong to the place.
struct SLugarCasilla {
  EZonaCasilla zona = EZonaCasilla::Ninguna;
  std::uint16_t desplazamiento = 0;
  std::uint16_t tamano = 0;
  friend bool operator==(const SLugarCasilla&, const SLugarCasilla&) = default;
};

// A box's value place and the detail block its detail window works on (Ninguna: none).
struct SEnlaceCasilla {
  SLugarCasilla valor;
  SLugarCasilla detalle;
  // The field of the detail dialog's entries that the value adds up by person (0: the value is a total of the
  // whole block, or there is no detail).
  std::int32_t campoDetalle = 0;
};

inline constexpr int kCasillasTrabajoCapital = 45;

// The places of boxes 1 to 45: element n - 1 is box n. Amounts are the five doubles of an ImportesMiembro (the box
// shows the person's element); the detail blocks are the six work-income rows, the six real-estate rows and the
// holder blocks of the section-C dialogs.
std::span<const SEnlaceCasilla, kCasillasTrabajoCapital> EnlacesTrabajoCapital();

// The first byte of a place in a declaration document; none for Ninguna.
unsigned char* DireccionLugar(const SLugarCasilla& lugar, CRentaDoc& documento);

// Binds every box of a page's array from the table above: a box gets its value place only when its value, as its
// picture lays it out, fits the place (a damaged box table never makes a box read or write past its place), and
// its detail link. Boxes past the table, and all boxes without an income-tax document, are left unbound.
void EnlazarTrabajoCapital(marco::CControlesPagina& controles, CRentaDoc* documento);

// ---- the recalculation of a committed box ----

enum class EPasoCalculo : std::uint8_t {
  SeccionA,     // Calculos100A
  SeccionB,     // Calculos100B1
  SeccionC,     // Calculos100C, one part
  TotalesF,     // Calculos100F4
  Reparto203,   // check type 203: the work-income rows' sums by holder into the pension-plan entries
  Reparto204,   // check type 204: the same for the second amount column
  Reparto205,   // check type 205: the real-estate rows' sums by holder into the per-holder results
};

struct SPasoCalculo {
  EPasoCalculo paso;
  int parte = -1;  // the part of section C; the instance of the others
  friend bool operator==(const SPasoCalculo&, const SPasoCalculo&) = default;
};

// The section calculations a committed box (by number) runs before the whole declaration is recalculated, in
// their order: boxes 3-13 section A then the sums 203 and 204; 18, 19, 21-24 the sum 205 then section B; 29-33,
// 39 and 40 one part (1-7) of section C; 42 and 43 part 8, the section F totals and section A again. Empty for
// any other box.
std::span<const SPasoCalculo> PasosTrabajoCapital(int numero);

// Runs the steps of a box on a data area, the sums through the declaration's checks object and the sections
// through `funciones` (each export gets its own blocks in their places). 1 when the box has steps, else 0.
int CalcularSeccionesTrabajoCapital(int numero, DatosRenta& datos, marco::CValidador& validador,
                                    const recalculo::FuncionesRenta& funciones = recalculo::FuncionesRentaBiblioteca());

// ---- the page classes ----

// The box array of the page: the boxes bound by EnlazarTrabajoCapital to the document it was given, after the
// document has filled the page header of the person shown. It allocates nothing, so freeing its links and the page
// hooks are the base's (nothing).
class CControlesTrabajoCapital : public marco::CControlesPagina {
 public:
  void Enlazar(int liberarAntes) override;
  // The page header filled again for the person shown (the places stay as they are).
  void Refrescar() override;
};

class CControlesSIM002 final : public CControlesTrabajoCapital {};

// The page view of both forms' page 2. A committed box value (0x402) runs its section calculations, then the whole
// recalculation (which updates every view with hint 1) and redraws the boxes; the document is marked modified in
// every case. There are no rules between boxes and every typed value is accepted.
class CVistaTrabajoCapital : public CRentaVista {
 public:
  // The page's name ("SIM002", "ORD002"); the page id follows from it.
  virtual std::string_view DameNombrePagina() const = 0;
  int DameNumeroPagina() override;

  // 1 when a section calculation ran (the dispatcher then updates the views again), else 0.
  int Recalcular(int numero) override;
  int AplicarDependencias(int /*numero*/) override { return 0; }
  // Accepts the value: the boxes are redrawn and every view gets hint 1. Always 1.
  int ComprobarCampo(int numero) override;
  // The base commit of the focused box, then the boxes redrawn.
  void ConfirmarCampoActivo() override;

  // The help number for a point of the page (pixels, scroll included): the box's NumeroDeCo, or 1 on no box.
  int NumeroAyudaEn(plataforma::CPunto punto);

  // The exports the page's calculations run: the library's own unless another table is given (a test's).
  void PonerFuncionesCalculo(const recalculo::FuncionesRenta& funciones) { m_pFunciones = &funciones; }

 private:
  const recalculo::FuncionesRenta* m_pFunciones = &recalculo::FuncionesRentaBiblioteca();

  wxDECLARE_ABSTRACT_CLASS(CVistaTrabajoCapital);
};

// Page 2 of form D-101.
class SIM002 : public CVistaTrabajoCapital {
 public:
  SIM002();
  std::string_view DameNombrePagina() const override { return "SIM002"; }

 private:
  wxDECLARE_DYNAMIC_CLASS(SIM002);
};

// The page's class, registered under "SIM002"; calling it keeps the class in the program.
wxClassInfo* ClasePaginaSIM002();

}  // namespace renta
