// The search for a stored declaration from the declaration index: the key typed is sought in the store (the first
// name that begins with it), within the taxes the index lists. `CBuscarDecl` holds the rules and what the dialog
// shows; `CDlgBuscarDecl` (the window, "Buscar Declaración") forwards its events here and paints the answer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <wx/dialog.h>

#include "shell/AlmacenDeclaraciones.h"

class wxButton;
class wxStaticText;
class wxTextCtrl;

namespace shell {

// Control ids of the search dialog (resource 131).
inline constexpr int kIdDlgBuscarDecl = 131;
inline constexpr int kIdClaveBuscada = 1148;
inline constexpr int kIdGrupoBuscada = 1149;
inline constexpr int kIdRespuestaBuscada = 1268;
inline constexpr int kIdBotonBuscar = 3;
// The longest key the search takes.
inline constexpr std::size_t kLongitudClaveBuscada = 51;

class CBuscarDecl {
 public:
  enum class ERespuesta { Ninguna, NoExiste, Existe };

  // `soloPatrimonio` / `soloRenta`: the index lists only wealth-tax / only income-tax declarations.
  CBuscarDecl(const CAlmacenDeclaraciones& almacen, bool soloPatrimonio, bool soloRenta);

  // The key edit changed to `texto` (Windows-1252; cut to kLongitudClaveBuscada).
  void OnCambioClave(std::string_view texto);
  // "&Buscar", or Tab / Enter in the key: seeks the key. Does nothing while searching is not offered.
  void Buscar();
  // "&Aceptar": the key becomes the chosen one. False while accepting is not offered.
  bool Aceptar();

  bool BuscarHabilitado() const { return m_bBuscar; }
  bool AceptarHabilitado() const { return m_bAceptar; }
  ERespuesta Respuesta() const { return m_respuesta; }
  const std::string& Clave() const { return m_clave; }
  // After Aceptar: the key chosen, and 1 when the declaration found is a wealth-tax one.
  const std::string& ClaveElegida() const { return m_claveElegida; }
  int Patrimonio() const { return m_nPatrimonio; }

 private:
  CAlmacenDeclaraciones m_almacen;
  bool m_bSoloPatrimonio;
  bool m_bSoloRenta;
  std::string m_clave;
  std::string m_claveElegida;
  int m_nPatrimonio = 0;
  bool m_bBuscar = false;
  bool m_bAceptar = false;
  ERespuesta m_respuesta = ERespuesta::Ninguna;
};

class CDlgBuscarDecl : public wxDialog {
 public:
  CDlgBuscarDecl(wxWindow* padre, CBuscarDecl& reglas);

 private:
  void Pintar();
  void AlCambiarClave(wxCommandEvent& evento);
  void AlTecla(wxKeyEvent& evento);

  CBuscarDecl& m_reglas;
  wxTextCtrl* m_pClave = nullptr;
  wxStaticText* m_pRespuesta = nullptr;
  wxButton* m_pAceptar = nullptr;
  wxButton* m_pBuscar = nullptr;
};

// Shows the search dialog over `padre` for the index's store and filter: the key chosen, or nothing when it was
// cancelled.
std::optional<std::string> BuscarDeclaracionVentana(wxWindow* padre, const CAlmacenDeclaraciones& almacen, bool renta,
                                                    bool patrimonio);

}  // namespace shell
