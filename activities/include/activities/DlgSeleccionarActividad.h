// The activity selection window ("Seleccionar Actividad") and the three module consultation windows ("Datos de la
// Actividad"). The selection shows the offered activities in two row-aligned lists (sector code and description)
// that scroll together, the epigraphs of the highlighted activity and its long description; "&Aceptar" (or a
// double click in a list) loads the choice, "C&onsultar" shows the modules of the highlighted activity without
// choosing it. The rules live in CSeleccionarActividadReglas; these windows forward and paint.
#pragma once

#include <cstdint>

#include <wx/dialog.h>

#include "activities/SeleccionActividad.h"
#include "activities/SeleccionarActividadReglas.h"

class wxListBox;
class wxStaticText;
class wxTextCtrl;
class wxButton;

namespace actividades {

// Window ids of the controls (their numbers as the rules give them, shifted into wxWidgets' free range).
inline constexpr int kBaseIdVentana = 21000;

class CDlgSeleccionarActividad : public wxDialog {
 public:
  // `datos` receives the choice on "&Aceptar" and is left as it was on "&Cancelar".
  CDlgSeleccionarActividad(wxWindow* padre, CCargaModulos& carga, std::int32_t idInicial, CDatosMod& datos);

  wxListBox* ListaSector() const { return m_sector; }
  wxListBox* ListaActividad() const { return m_actividad; }
  wxListBox* ListaEpigrafe() const { return m_epigrafe; }
  wxButton* BotonConsultar() const { return m_consultar; }
  const CSeleccionarActividadReglas& Reglas() const { return m_reglas; }

  // What the buttons and the lists do (public for the window tests, which drive them as a person would).
  void AlElegirFila(int idLista, int fila);
  void AlEnfocarLista(int idLista);
  void Aceptar();
  void Consultar();

 private:
  void Mostrar();
  void Sincronizar(int desdeLista);
  void PintarEtiquetas();

  CSeleccionarActividadReglas m_reglas;
  CDatosMod& m_datos;
  wxStaticText* m_etiquetaSector = nullptr;
  wxStaticText* m_etiquetaActividad = nullptr;
  wxListBox* m_sector = nullptr;
  wxListBox* m_actividad = nullptr;
  wxListBox* m_epigrafe = nullptr;
  wxTextCtrl* m_descripcion = nullptr;
  wxButton* m_consultar = nullptr;
  bool m_bRellenando = false;
};

// A consultation window: the epigraph, the amount for the excess correction index and/or the minimum quota, and
// the module lists of the kind.
class CDlgModulos : public wxDialog {
 public:
  CDlgModulos(wxWindow* padre, EConsulta consulta, const CDatosMod& datos);

  // The rows shown (for the tests).
  const std::vector<std::string>& FilasIrpf() const { return m_filasIrpf; }
  const std::vector<std::string>& FilasIva() const { return m_filasIva; }
  const std::string& TextoMaximo() const { return m_maximo; }
  const std::string& TextoCuota() const { return m_cuota; }

 private:
  std::vector<std::string> m_filasIrpf;
  std::vector<std::string> m_filasIva;
  std::string m_maximo;
  std::string m_cuota;
};

// The texts of the two amounts of a consultation window, as they are shown ("%-10.0f" with thousands points); the
// VAT window shows a blank minimum quota for seven epigraphs.
std::string TextoCuantiaConsulta(double valor);
bool CuotaMinimaEnBlanco(EConsulta consulta, std::string_view epigrafe);

// The selection window as the box edits run it: modal over `padre`.
FVentanaActividad VentanaSeleccionActividad(wxWindow* padre);

}  // namespace actividades
