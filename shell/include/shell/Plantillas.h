// The document templates of the declarations and the point where the declaration documents and the declaration
// index dialog make themselves known to the shell. The program's entry registers them before start-up; start-up
// (and a language switch) puts the templates on the document manager in the order they were registered.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/docview.h>

class wxWindow;

namespace shell {

// Type names of the two declaration templates: income tax and wealth tax.
inline constexpr const char* kTipoRenta = "Pelomarx";
inline constexpr const char* kTipoPatrimonio = "Tarvolent";
// Resource numbers of the two templates.
inline constexpr int kRecursoRenta = 141;
inline constexpr int kRecursoPatrimonio = 143;

// A template of declaration documents: several documents of one class, each with its page views. Start-up
// registers one for income tax and one for wealth tax; they are told apart by their document type name.
class CDeclarTemplate : public wxDocTemplate {
 public:
  // The template adds itself to `gestor`, which owns it from then on. It never appears in file dialogs.
  CDeclarTemplate(wxDocManager* gestor, int recurso, const wxString& nombreTipo, const wxString& descripcion,
                  wxClassInfo* claseDocumento, wxClassInfo* claseVista);

  int DameRecurso() const { return m_nRecurso; }

  // Closes every document of the template in order; each may first ask to save. 0 at the first that refuses
  // (it and the ones after it stay open), 1 when the template has no documents left.
  int CerrarDocumentos();

 private:
  int m_nRecurso;
};

// What the declaration index dialog hands over: the declaration's key, a second text for the document's set-up,
// the new-declaration flag, and the kind (3 wealth tax, 0 income tax, -1 nothing to open).
struct SDeclaracionElegida {
  int tipo = -1;
  std::string clave;
  std::string segundoTexto;
  int nueva = 0;
};

// Runs the declaration index dialog over `padre` with the new-declaration flag and gives what was chosen.
using FuncionPedirDeclaracion = std::function<SDeclaracionElegida(wxWindow* padre, int nueva)>;
// Makes a template on the manager (which owns it); the template's document class is a declaration document.
using FuncionCrearPlantilla = std::function<CDeclarTemplate*(wxDocManager& gestor)>;

class CRegistroDeclaraciones {
 public:
  // Adds a template maker; the templates are made in the order added (income tax first, then wealth tax).
  void AnadirPlantilla(FuncionCrearPlantilla crear);
  void PonerIndiceDeclaraciones(FuncionPedirDeclaracion pedir);

  bool HayPlantillas() const { return !m_plantillas.empty(); }
  const FuncionPedirDeclaracion& IndiceDeclaraciones() const { return m_pedir; }
  // Makes every registered template on `gestor`.
  void RegistrarEn(wxDocManager& gestor) const;
  // Forgets everything (for tests).
  void Vaciar();

 private:
  std::vector<FuncionCrearPlantilla> m_plantillas;
  FuncionPedirDeclaracion m_pedir;
};

// The program's one registry, filled once before start-up.
CRegistroDeclaraciones& RegistroDeclaraciones();

}  // namespace shell
