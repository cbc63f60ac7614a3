// What a box edit needs of the control it lives in: its text and selection, how it lays its lines out, the
// clipboard, the state of the modifier keys, a beep, and the way to its parent and owner (notifications and
// forwarded keys). The wxWidgets control (CVentanaEdit) is one such control; CSuperficieEditMemoria is another,
// without a window, used by an edit whose window was not made and by the tests that drive the edit rules.
//
// Texts are Windows-1252; positions count characters from 0.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class wxWindow;

namespace marco {

// Where a forwarded character goes: the parent window, or the owner (the parent unless another was set).
enum class EDestinoTecla { Padre, Dueno };

class CSuperficieEdit {
 public:
  virtual ~CSuperficieEdit() = default;

  virtual std::string Texto() const = 0;
  // Replaces the whole text; sends nothing (the edit sends the change notifications itself).
  virtual void PonerTexto(std::string_view texto) = 0;
  virtual void Seleccion(int& inicio, int& fin) const = 0;
  virtual void PonerSeleccion(int inicio, int fin) = 0;

  // The lines as the control lays them out (hard line breaks and, in a wrapping control, soft ones): how many,
  // and the position in the text where each one starts. Never fewer than one line.
  virtual int NumeroLineas() const = 0;
  virtual int InicioLinea(int linea) const = 0;

  virtual void Pitar() = 0;
  // A box notification (control id, event code) to the owner.
  virtual void Notificar(int idControl, int codigo) = 0;
  // A typed character handed on (Tab, Enter to the parent; Escape to the owner).
  virtual void ReenviarCaracter(EDestinoTecla destino, unsigned caracter, int repeticiones, unsigned banderas) = 0;
  // A navigation key handed on to the parent as a key-down.
  virtual void ReenviarTecla(int tecla, int repeticiones, unsigned banderas) = 0;
  // True while the key (kTeclaControl, kTeclaMayusculas...) is held down.
  virtual bool TeclaPulsada(int tecla) const = 0;

  virtual std::string Portapapeles() const = 0;
  virtual void PonerPortapapeles(std::string_view texto) = 0;

  // The read-only state as the control shows it.
  virtual void AplicarSoloLectura(bool soloLectura) = 0;
  // Scrolls the caret into view.
  virtual void AsegurarCaretVisible() {}
  // The window, for messages shown over it; none for a control without a window.
  virtual wxWindow* Ventana() const { return nullptr; }
};

// A control without a window: the text, the selection and the clipboard live here, notifications and forwarded
// keys are recorded, and the keys held down are set by whoever drives it.
class CSuperficieEditMemoria : public CSuperficieEdit {
 public:
  struct SAviso {
    int idControl = 0;
    int codigo = 0;
    friend bool operator==(const SAviso&, const SAviso&) = default;
  };
  struct STeclaReenviada {
    bool caracter = false;  // true: a character (with its destination); false: a key-down to the parent
    EDestinoTecla destino = EDestinoTecla::Padre;
    int codigo = 0;
    friend bool operator==(const STeclaReenviada&, const STeclaReenviada&) = default;
  };

  std::string Texto() const override { return m_texto; }
  void PonerTexto(std::string_view texto) override;
  void Seleccion(int& inicio, int& fin) const override;
  void PonerSeleccion(int inicio, int fin) override;
  int NumeroLineas() const override;
  int InicioLinea(int linea) const override;
  void Pitar() override { ++m_nPitidos; }
  void Notificar(int idControl, int codigo) override { m_avisos.push_back({idControl, codigo}); }
  void ReenviarCaracter(EDestinoTecla destino, unsigned caracter, int repeticiones, unsigned banderas) override;
  void ReenviarTecla(int tecla, int repeticiones, unsigned banderas) override;
  bool TeclaPulsada(int tecla) const override;
  std::string Portapapeles() const override { return m_portapapeles; }
  void PonerPortapapeles(std::string_view texto) override { m_portapapeles = std::string(texto); }
  void AplicarSoloLectura(bool soloLectura) override { m_bSoloLectura = soloLectura; }

  // ---- for the driver ----
  // Holds or lets go of a key (kTeclaControl, kTeclaMayusculas, kTeclaAlt).
  void PulsarTecla(int tecla, bool pulsada);
  // Soft line breaks after every `ancho` characters of a line (0: hard breaks only).
  void PonerAnchoLinea(int ancho) { m_nAnchoLinea = ancho; }
  int Pitidos() const { return m_nPitidos; }
  const std::vector<SAviso>& Avisos() const { return m_avisos; }
  std::vector<int> CodigosAvisos() const;
  const std::vector<STeclaReenviada>& TeclasReenviadas() const { return m_teclas; }
  bool SoloLectura() const { return m_bSoloLectura; }
  void Olvidar();  // clears the recorded beeps, notifications and keys

 private:
  std::vector<int> Inicios() const;

  std::string m_texto;
  int m_nInicio = 0;
  int m_nFin = 0;
  int m_nAnchoLinea = 0;
  std::string m_portapapeles;
  std::vector<int> m_pulsadas;
  bool m_bSoloLectura = false;
  int m_nPitidos = 0;
  std::vector<SAviso> m_avisos;
  std::vector<STeclaReenviada> m_teclas;
};

}  // namespace marco
