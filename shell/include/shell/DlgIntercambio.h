// The commands "&Exportar" (32805) and "I&mportar" (32787): the choice of tax and declarations, the file dialogs,
// the prompt for a name that is stored already, and the messages. The work is done by Intercambio.h.
#pragma once

#include <string>

#include "shell/Intercambio.h"

class wxWindow;

namespace shell {

// The prompt "Declaración ya existente" for `nombre`: overwrite, overwrite all, rename (asking for the new name),
// skip, or cancel the import.
SDecisionNombre PreguntarNombreExistente(wxWindow* padre, const std::string& nombre, bool sePuedeSobrescribir);

// What an export starts with: the tax chosen and the declaration ticked (the open one).
struct SSeleccionExportacion {
  EClaseIntercambio clase = EClaseIntercambio::Renta;
  std::string clave;  // as stored (Windows-1252)
};

// The two commands over the program's network database.
void OnExportar(wxWindow* padre, const SSeleccionExportacion* inicial = nullptr);
void OnImportar(wxWindow* padre);

}  // namespace shell
