// The two box edits that choose an activity through the activity selection window: CSelIAEEdit for the epigraph
// code of an activity under the module regime (its row of RegApartadoD4), CSelClaveEdit for the sector key of an
// agricultural activity (its row of RegApartadoD5). The box's value and its link both designate the start of the
// row: the code (or key) is the row's first field.
//
// A code can be typed while the box is empty (digits, with the point only as the fourth character; a key '1' to
// '7'); leaving the box then opens the selection on what was typed, so that a typed code is always confirmed
// there; a typed epigraph that no activity of the catalogue lists is refused first (MODU002, the box emptied), so
// no row keeps a code without its activity. Alt+Down, the button and a double click open it too. Erasing asks
// first (390E013).
#pragma once

#include <memory>
#include <string_view>

#include "activities/SeleccionActividad.h"
#include "framework/EditSeleccion.h"

namespace marco {
class CBaseDatos;
class CFabricaEdit;
}  // namespace marco

namespace actividades {

class CSelActividadEdit : public marco::CSelStrEdit {
 public:
  // `base`: the local database the module tables are read from.
  CSelActividadEdit(marco::CCampo& campo, marco::CBaseDatos* base);

  // The window the selection runs in (the activity selection window over the edit's own window unless another is
  // given, as tests do).
  void PonerVentana(FVentanaActividad ventana) { m_ventana = std::move(ventana); }
  bool Tecleado() const { return m_nTecleado != 0; }

  // ---- CSelStrEdit ----
  // 1 written, 2 nothing written and the box to be erased, 0 nothing written (cancelled, or the same choice).
  int AbrirSeleccion(int palabra) override;
  // Asks 390E013: blanks the value and gives 2, or 1 when declined.
  int BorrarSeleccion() override;
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  int ValidarAlSalir(const std::string* texto) override;
  std::int32_t DameMarca() override { return 0; }

 protected:
  unsigned char* Fila() const;
  FVentanaActividad Ventana();
  // What a typed character may add to what the box holds.
  virtual bool AdmiteTecleado(unsigned caracter) = 0;
  virtual bool HayEleccion() const = 0;
  // Whether what was typed may be confirmed in the selection (the catalogue has it); the message of a refusal.
  virtual bool TecleadoEnCatalogo() { return true; }
  virtual std::string_view MensajeFueraDeCatalogo() const { return {}; }
  virtual int Seleccionar() = 0;
  // The selection of Alt+Down or of leaving the box, with what follows from its result.
  void SeleccionarYAvisar();

  marco::CBaseDatos* m_pBase;
  int m_nTecleado = 0;

 private:
  FVentanaActividad m_ventana;
};

// A heading typed that no activity of the catalogue lists.
inline constexpr std::string_view kMensajeEpigrafeSinActividad = "MODU002";

class CSelIAEEdit : public CSelActividadEdit {
 public:
  using CSelActividadEdit::CSelActividadEdit;

 protected:
  bool AdmiteTecleado(unsigned caracter) override;
  bool HayEleccion() const override;
  // An offered activity of the catalogue lists the epigraph typed.
  bool TecleadoEnCatalogo() override;
  std::string_view MensajeFueraDeCatalogo() const override { return kMensajeEpigrafeSinActividad; }
  int Seleccionar() override;
};

class CSelClaveEdit : public CSelActividadEdit {
 public:
  using CSelActividadEdit::CSelActividadEdit;

 protected:
  bool AdmiteTecleado(unsigned caracter) override;
  bool HayEleccion() const override;
  int Seleccionar() override;
};

// Registers the two edits with the box edit factory.
void RegistrarEditsActividad(marco::CFabricaEdit& fabrica);

}  // namespace actividades
