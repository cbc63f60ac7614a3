// What the application shell provides to the framework: the interface language letter and the opening of the
// two databases at start-up. The shell reads the values from the profile and calls these.
#pragma once

#include <string>
#include <string_view>

namespace marco {

// The interface language letter (profile [Idioma] IdiomaV, default "e"). Its first character names the language
// twins of the layout tables ("ERRORESX" → "ERRORESe") and of the page pictures.
const std::string& IdiomaV();
// An empty text sets the default "e" again.
void PonerIdiomaV(std::string_view idioma);
// The first character of IdiomaV.
char LetraIdiomaV();

// The printing language letter (profile [Idioma] IdiomaI, default "e"): holder names are shown in it.
const std::string& IdiomaI();
// An empty text sets the default "e" again.
void PonerIdiomaI(std::string_view idioma);
// The first character of IdiomaI.
char LetraIdiomaI();

// Sets up the two global databases: the network one on `dirBDRed` (shared, 3 attempts, "DBF") and the local one
// on `dirBDLocal` (not shared, 1 attempt, "DBF"). From then on both are handed out and the local one is the
// database of coded messages. 1 when both are open.
int AbrirBasesDatos(std::string_view dirBDRed, std::string_view dirBDLocal);

// Stops handing the two databases out (end of the run, or a test that opened them).
void CerrarBasesDatos();

}  // namespace marco
