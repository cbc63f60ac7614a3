// What the program is made of: its declaration documents with their pages, box edits and dialogs, registered once
// before start-up (PlantillasPrograma.cpp).
#pragma once

namespace shell {

class CRegistroDeclaraciones;

// The two declaration documents (income tax first, then wealth tax) with everything they open, and the
// declaration index dialog that chooses between them.
void RegistrarDeclaracionesPrograma(CRegistroDeclaraciones& registro);

}  // namespace shell
