// What printing needs of the declaration it prints: its form, title and copy-label text, the commit of the box
// being edited, the "printed" mark of the person shown and the save after a complete run. The print loop talks to
// this interface only; the program's documents are reached through CDocumentoImpresionMarco, tests give their own.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace marco {
class CProg32Doc;
}

namespace salida {

class IDocumentoImpresion {
 public:
  virtual ~IDocumentoImpresion() = default;
  // 1 D-101, 2 D-100, 3 D-714.
  virtual int TipoFormulario() const = 0;
  // The document's title (the print job's name).
  virtual std::string Titulo() const = 0;
  // Commits the box being edited: 1 when a value was committed.
  virtual int ConfirmarCampoActivo() = 0;
  virtual bool Modificado() const = 0;
  virtual void MarcarModificado() = 0;
  // The printed mark of the person shown (0: never printed).
  virtual int DameMarcaSujeto() = 0;
  virtual void PonMarcaSujeto(std::uint8_t marca) = 0;
  // 1 saved.
  virtual int GuardarDeclaracion() = 0;
  // The copy-label text the page's "EJEMPLAR" box is bound to (with room for its terminator).
  virtual std::span<char> TextoEjemplar() = 0;
};

// The program's declaration documents.
class CDocumentoImpresionMarco : public IDocumentoImpresion {
 public:
  explicit CDocumentoImpresionMarco(marco::CProg32Doc& documento) : m_documento(documento) {}

  int TipoFormulario() const override;
  std::string Titulo() const override;
  int ConfirmarCampoActivo() override;
  bool Modificado() const override;
  void MarcarModificado() override;
  int DameMarcaSujeto() override;
  void PonMarcaSujeto(std::uint8_t marca) override;
  int GuardarDeclaracion() override;
  std::span<char> TextoEjemplar() override;

 private:
  marco::CProg32Doc& m_documento;
};

}  // namespace salida
