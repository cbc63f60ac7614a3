// The code and description edit (letter 'G'): the user types a numeric code; on leaving the box the code is looked
// up in the box's lookup table and its description is written into the text the box's link designates (the value
// of a neighbouring description box). An unknown code is refused with 100R128 (codes of 3 characters) or 100R127
// and the previous value comes back; but a list the program cannot ship whole (framework/ListasIncompletas.h)
// keeps a code of its form that it lacks, with the text "not in the program's list" as its description, and
// refuses a code not of its form with the list's own message. The link's filter text, when there is one, prefixes the code with its first
// two characters (a province before a municipality: 28 and 079 give 28079).
#pragma once

#include <string>
#include <string_view>

#include "framework/CatalogoTablas.h"
#include "framework/EditEx.h"

namespace marco {

class CBaseDatos;

inline constexpr std::string_view kMensajeCodigo3NoExiste = "100R128";
inline constexpr std::string_view kMensajeCodigoNoExiste = "100R127";

class CCodigoDescripcion : public CEditEx {
 public:
  // Reads the catalogue row of the box's lookup table at once.
  CCodigoDescripcion(CCampo& campo, CBaseDatos* baseDatos);

  // A non-empty name becomes the box's lookup table and its catalogue row is read again.
  void PonerTabla(std::string_view nombre);
  void LeerDefinicionTabla();
  const SDefinicionTabla& Definicion() const { return m_definicion; }

  // Looks the code up without any message: 1 found (`descripcion` and `segundo` filled), 0 not found.
  int LocalizarCodigo(std::string_view codigo, std::string& descripcion, std::string& segundo);
  // Looks the code up: found, the description (trailing blanks removed) goes to the link's destination and the
  // result is 1; not found, 100R128 or 100R127 and 0. `descripcion` and `segundo` receive the description and
  // the filter value found.
  virtual int BuscarCodigo(std::string_view codigo, std::string& descripcion, std::string& segundo);

  // ---- CEditEx ----
  unsigned DameEstilo() override;
  int EsNumerico() override { return 1; }
  // Digits only.
  int TextoAdmisible(std::string_view texto) override;
  int ValidarCaracter(unsigned caracter, int repeticiones, unsigned banderas, int llamada) override;
  // Looks a changed code up; always accepts (an unknown code shows the previous value again).
  int ValidarAlSalir(const std::string* texto) override;
  // The text into the bound value (blank-padded), the box's display text rebuilt, and the open declaration marked
  // as changed when the edit was modified.
  int GuardarValor() override;

 private:
  CBaseDatos* m_pBaseDatos;
  SDefinicionTabla m_definicion;
};

}  // namespace marco
