// The activity heading picker: a list box edit over the heading table whose key lookup prefers, among the
// headings of one key, the one whose filter column begins with the activity type letter that the box's link
// gives (the first character of its filter text), and whose Delete also tells the parent the value was erased.
#pragma once

#include <memory>

#include "framework/EditLista.h"

namespace actividades {

class CListaEpigrafe : public marco::CListaEdit {
 public:
  // A member of a dialog with a record of its own of the given length.
  CListaEpigrafe(int longitud, marco::CBaseDatos* baseDatos);
  // A box of a page.
  CListaEpigrafe(marco::CCampo& campo, marco::CBaseDatos* baseDatos);

  // The headings of the key, in table order: the first whose filter begins with the type letter; when none does,
  // the last of the key. Headings of other keys are never given. 255 blanks each when the key is not there.
  void BuscarClave(std::string_view clave, std::string& descripcion, std::string& filtro) override;
  int ProcesarTecla(int tecla, int repeticiones, unsigned banderas) override;

 private:
  // Expires with the edit: the parent told of a key may delete it.
  std::shared_ptr<bool> m_pVivoEpigrafe = std::make_shared<bool>(true);
};

}  // namespace actividades
