// The go-to-page dialog "Ir a página" of an open declaration: the pages of its form with their titles, and the
// number of the page to show (counted from 1 in the declaration's page list). On Aceptar the dialog sends the
// document the "page chosen" command with that number, and the document shows the page.
//
// CIrPagina holds the rules without a window; CDlgIrPagina is the window that shows them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <wx/dialog.h>

#include "shell/ArbolApartados.h"

class wxListBox;
class wxTextCtrl;

namespace marco {
class CProg32Doc;
}

namespace shell {

inline constexpr int kIdDlgIrPagina = 178;

// One page the dialog offers.
struct SPaginaOfrecida {
  int numero = 0;      // 1-based in the declaration's page list
  std::string titulo;  // Windows-1252
  bool operator==(const SPaginaOfrecida&) const = default;
};

class CIrPagina {
 public:
  // The pages of the catalogue (LeerApartados) that belong to a declaration of `tipoDec` whose page list holds
  // `paginas` pages, in list order; `actual` is the index shown now (-1 none).
  CIrPagina(const std::vector<SApartado>& apartados, int tipoDec, int paginas, int actual);

  const std::vector<SPaginaOfrecida>& Paginas() const { return m_paginas; }
  int Ultima() const { return m_nUltima; }
  // The number offered when the dialog opens: the page shown now, else the first.
  int Inicial() const { return m_nInicial; }
  // The row of the list that holds a page number; -1 when none does.
  int FilaDe(int numero) const;
  // A typed number: a whole number from 1 to the last page, or 100 (the personal and family data) on an income-tax
  // form, blanks around allowed; none otherwise.
  std::optional<int> Leer(std::string_view texto) const;

 private:
  std::vector<SPaginaOfrecida> m_paginas;
  int m_nUltima = 0;
  bool m_bDatosPersonales = false;
  int m_nInicial = 1;
};

// Sends `documento` the "page chosen" command with `pagina`, as the dialog does on Aceptar.
void EnviarPaginaElegida(marco::CProg32Doc& documento, int pagina);

class CDlgIrPagina : public wxDialog {
 public:
  CDlgIrPagina(wxWindow* padre, marco::CProg32Doc& documento, CIrPagina reglas);

  // The number chosen on Aceptar.
  int DamePagina() const { return m_nPagina; }
  wxTextCtrl* CampoNumero() const { return m_pNumero; }
  wxListBox* Lista() const { return m_pLista; }

 private:
  // Aceptar: a sound number is kept and sent to the document and the dialog ends; otherwise the number is
  // selected again for correction.
  void Aceptar();

  marco::CProg32Doc& m_documento;
  CIrPagina m_reglas;
  wxTextCtrl* m_pNumero = nullptr;
  wxListBox* m_pLista = nullptr;
  int m_nPagina = 0;
};

// The document command "Ir a página...": the dialog over `padre`, modal, with the document attached while it is
// up.
void IrAPaginaDeclaracion(wxWindow* padre, marco::CProg32Doc& documento);

}  // namespace shell
