// Controls of a dialog or page kept in memory, built from its layout: what the rules of the dialog bases see of a
// window, with no display. Tests open a dialog on them (Abrir), type, move the focus and send the box
// notifications a field edit would, then look at texts, enabling, focus and the dialog's result.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/TemplateDlgReglas.h"

namespace marco {

class CDialogoBase;
class CTemplateDlg;
class CTemplatePropPg;
class CPlantillaDialogo;

class CControlesSimulados : public CControlesDialogo {
 public:
  struct SControl {
    int id = -1;
    bool edicion = false;
    std::string texto;
    bool habilitado = true;
    bool soloLectura = false;
    int imagen = 0;  // picture given to a button
    bool enfocable = true;  // statics and frames never take the focus
    bool marcado = false;   // check boxes and radio buttons
    int grupo = 0;          // radio buttons: the id of the first button of their group (0 any other control)
    bool casilla = false;   // a check box
    bool importe = false;   // an amount field (kEdicionImporte)
    bool lista = false;
    std::vector<std::string> elementos;  // a list's entries
    int seleccion = -1;                  // a list's selected row
  };

  // The controls of the layout (those with an id), in layout order.
  explicit CControlesSimulados(const CPlantillaDialogo& plantilla);
  ~CControlesSimulados() override;
  CControlesSimulados(const CControlesSimulados&) = delete;
  CControlesSimulados& operator=(const CControlesSimulados&) = delete;

  // Attaches the dialog and runs its initialisation (OnInitDialog), then hands the character typed into the box
  // that opened it to its field (CTemplateDlg::EntregarCaracterInicial).
  void Abrir(CTemplateDlg& dialogo);
  void Abrir(CTemplatePropPg& pagina);
  // Detaches the dialog.
  void Cerrar();

  // ---- what a user and the field edits do ----
  // Types a text into a control (as a paste: the text-changed event 0x300 is sent).
  void Escribir(int id, std::string_view texto);
  // Types the characters one by one at the end of a field's text, each first offered to the dialog's character
  // rule (ValidarCaracterCampo); Backspace (8) takes the last character away. What the rule refuses or handles
  // is not typed. Gives the rule's answer for the last character.
  int Teclear(int id, std::string_view caracteres);
  // Moves the focus to `id` the way a click or Tab does: 0x200 for the control that had it (while the new one is
  // the focus) and 0x100 for the new one. 0 moves it to no window. A disabled control does not take it. Gives the
  // result of the focus-lost event (or -1 when none was sent).
  int Enfocar(int id);
  // Sends a box notification from a control.
  int Notificar(int id, int codigo);
  // Clicks a button; a check box changes its mark and a radio button takes it from the others of its group
  // before the dialog hears of the click.
  void Pulsar(int id);
  // Chooses row `fila` of a list as a click in it does: the dialog hears of it as command code 1.
  void Elegir(int id, int fila);
  // A character or a key down reaching the window.
  int Caracter(int caracter);
  int Tecla(int tecla);
  // Hands the window's own data exchange to a test (for box edits that keep their own values).
  void AlIntercambiar(std::function<void(int)> accion) { m_alIntercambiar = std::move(accion); }

  // ---- what tests look at ----
  const SControl* Control(int id) const;
  SControl* Control(int id);
  std::optional<int> FocoActual() const { return m_foco; }
  // The result the window was ended with (0 while it runs) and the close requests it got.
  int ResultadoVentana() const { return m_nResultado; }
  int CierresPedidos() const { return m_nCierres; }
  const std::string& TituloVentana() const { return m_strTitulo; }
  const std::vector<int>& Ayudas() const { return m_ayudas; }
  bool FuenteAplicada() const { return m_bFuente; }
  int VecesColores() const { return m_nColores; }
  // The colours of a control by the rules.
  std::optional<SColoresControl> Colores(int id) const;
  // The main window (none: no centring) and the dialog's rectangle.
  void PonerRectanguloPrincipal(std::optional<SRectDialogo> rect) { m_principal = rect; }
  void PonerRectangulo(SRectDialogo rect) { m_rect = rect; }

  // ---- CControlesDialogo ----
  std::vector<int> Hijos() const override;
  bool Existe(int id) const override;
  bool EsEdicion(int id) const override;
  bool EsImporte(int id) const override;
  std::string Texto(int id) const override;
  void PonerTexto(int id, std::string_view texto) override;
  bool Habilitado(int id) const override;
  void Habilitar(int id, bool habilitar) override;
  bool SoloLectura(int id) const override;
  void PonerSoloLectura(int id, bool soloLectura) override;
  bool Marcado(int id) const override;
  void Marcar(int id, bool marcado) override;
  void PonerElementos(int id, const std::vector<std::string>& elementos) override;
  int Seleccion(int id) const override;
  void PonerSeleccion(int id, int fila) override;
  std::optional<int> Foco() const override;
  void PonerFoco(int id) override;
  void MoverFoco(bool anterior) override;
  // The focus to the field; the character, when the dialog's character rule takes it, is its whole text.
  void TeclearCaracter(int id, unsigned caracter) override;
  void IntercambiarDatosHijos(int direccion) override;
  void PonerTituloVentana(std::string_view titulo) override;
  void Terminar(int resultado) override;
  void PedirCierre() override;
  SRectDialogo Rectangulo() const override { return m_rect; }
  std::optional<SRectDialogo> RectanguloPrincipal() const override { return m_principal; }
  void Mover(int x, int y) override;
  void PonerImagenBoton(int id, int imagen, bool dibujo) override;
  void AplicarFuente() override { m_bFuente = true; }
  void AplicarColores() override { ++m_nColores; }
  void MostrarAyuda(int contexto) override { m_ayudas.push_back(contexto); }

 private:
  CDialogoBase* m_pDialogo = nullptr;
  bool m_bPagina = false;
  std::vector<SControl> m_controles;
  std::vector<int> m_ordenTabulador;  // the ids of the controls that take the keyboard, in the order Tab visits them
  std::optional<int> m_foco;
  std::optional<int> m_focoEntrante;  // the control taking the focus while 0x200 is handled
  int m_nResultado = 0;
  int m_nCierres = 0;
  std::string m_strTitulo;
  std::vector<int> m_ayudas;
  bool m_bFuente = false;
  int m_nColores = 0;
  SRectDialogo m_rect{0, 0, 300, 200};
  std::optional<SRectDialogo> m_principal;
  std::function<void(int)> m_alIntercambiar;
};

}  // namespace marco
