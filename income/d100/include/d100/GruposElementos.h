// What pages ORD008 and ORD009 of the ordinary form D-100 share beyond the groups (GruposPagina.h): a group of
// dated elements, each row with its holder (byte 20), its mark, the dates the element was acquired and transferred
// (FechasElementos.h), two values typed once both dates are there and the amounts the calculation works out.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "d100/FechasElementos.h"
#include "d100/GruposPagina.h"

namespace ordinaria {

// The command id of the first group button of these pages (next of group A; previous one more; then B, C, D).
inline constexpr int kComandoBotonesElementos = 1002;

// Where a page keeps its dated elements.
struct SElementosFechados {
  int grupo = 0;            // the group of dated rows
  int accionGuardar = 0;    // the page's NavegarGrupo action that stores a row
  int ultimaCalculada = 0;  // the boxes of a row (from its first) from the eighth to this one are the calculation's
  std::size_t adquisicion = 0;  // the two dates of a row
  std::size_t transmision = 0;
  std::size_t copiaAdquisicion = 0;  // the earlier copies the row keeps of them
  std::size_t copiaTransmision = 0;
  EPlazoElemento plazo = EPlazoElemento::HastaDosAnos;
};

// The group of dated rows (three shown, from boxes `primeras`), the first of its fields `primerCampo`: a row's
// description (20 characters), holder (its key), mark, the two dates, the two values (each with its detail after
// it), then the calculation's amounts, one field each, to box `ultimaCalculada` (SElementosFechados).
SGrupoPagina GrupoElementosFechados(int grupo, std::vector<int> primeras, int primerCampo, int ultimaCalculada);
// The groups of these pages, in order: the page's own group A, B its dated rows (GrupoElementosFechados, its id the
// next one), and C and D, the next ids, two small groups of amount pairs (GrupoParImportes) over the fields from 30
// and from 33.
std::vector<SGrupoPagina> GruposElementos(SGrupoPagina a, std::vector<int> primerasB, int primerCampoB,
                                          int ultimaCalculadaB, std::vector<int> primerasC, std::vector<int> primerasD);

class CControlesElementos : public CControlesGrupos {
 public:
  CControlesElementos(const SPaginaGrupos& grupos, const SElementosFechados& elementos);

 protected:
  const SElementosFechados& Elementos() const { return m_elementos; }
  // The amounts of a dated row that go with a date refused after the question.
  virtual void VaciarTrasFecha(unsigned char* fila) const = 0;

  // The base's read-only states; then, in each shown dated row, the calculation's boxes are locked, and a row with
  // a holder locks its mark (its third box) for a child and its two values (the sixth and seventh) until both
  // dates are there.
  void SoloLecturaGrupo(int grupo) override;

  // A dated row stored (the page's store action) and what its checks read of it, while the rows may be written.
  struct SFilaFechada {
    unsigned char* fila = nullptr;
    std::string_view adquisicion;
    std::string_view transmision;
  };
  std::optional<SFilaFechada> GuardarFilaFechada(int fila);
  // A date of shown dated row `fila` refused for `problema` (RechazarFechaFila): the transfer date or the
  // acquisition date, the amounts that went with it cleared (VaciarTrasFecha); the row stored.
  void RechazarFecha(int fila, bool transmision, EProblemaFecha problema);

 private:
  const SElementosFechados& m_elementos;
};

// The view of these pages: a change is not shown in the other views, and the box array's FocoEnCasilla runs once
// the focus change is over.
class CVistaElementos : public CVistaGrupos {
 public:
  int CampoRecibeFoco(int numero) override { return FocoMasTarde(numero); }

 protected:
  int PrimerComando() const override { return kComandoBotonesElementos; }
  bool AvisarOtrasVistas(int /*numero*/) const override { return false; }
};

}  // namespace ordinaria
