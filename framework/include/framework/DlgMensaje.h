// A coded message: a short key ("WIN055", "100V166") whose title, text and buttons are a row of the message table
// of the local database in the interface language ("ERRORESX" with the language letter in its eighth place).
// Callers construct one on the spot and call MostrarMensaje, which gives the button pressed.
#pragma once

#include <string>
#include <string_view>

#include "framework/Mensajes.h"

class wxWindow;

namespace marco {

class CBaseDatos;

class CDlgMensaje {
 public:
  // `padre` null: the main window; `baseDatos` null: the local database.
  explicit CDlgMensaje(wxWindow* padre = nullptr, CBaseDatos* baseDatos = nullptr);

  // Shows the message of `codigo` with the system icon and the extra text; gives 1 Aceptar, 2 Cancelar (also Esc
  // and the close box), 3 Continuar, 5 Corregir, 6 Confirmar, or -1 when a coded message is already on screen
  // (nothing is shown). A code the table lacks shows the extra text, or else the code, with Aceptar and no title.
  int MostrarMensaje(std::string_view codigo, int icono, std::string_view extra = {});

  // Looks the code up (its first 7 characters): 1 found (title, text and button flags filled), 0 otherwise.
  int BuscarMensaje(std::string_view codigo);
  // Adds the flag of the button whose caption is `palabra`.
  void AnadirBoton(std::string_view palabra);

  const std::string& DameTitulo() const { return m_titulo; }
  const std::string& DameTexto() const { return m_texto; }
  unsigned DameBotones() const { return m_nBotones; }
  CBaseDatos* DameBaseDatos() const { return m_pBaseDatos; }

 private:
  wxWindow* m_pPadre;
  CBaseDatos* m_pBaseDatos;
  int m_nResultado = -1;
  std::string m_texto;
  std::string m_titulo;
  unsigned m_nBotones = 0;
};

}  // namespace marco
