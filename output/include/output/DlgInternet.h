// The windows of the Internet filing command: the file dialog (the explanation of the file, its name and a
// button to browse for it) and the progress window "Generando el fichero de internet" with its Cancel.
#pragma once

#include <wx/dialog.h>

#include <filesystem>
#include <string_view>

#include "output/InternetFichero.h"

class wxStaticText;
class wxTextCtrl;

namespace salida {

// Control ids of the progress window (the page line, the declaration's key, the kind of declaration).
inline constexpr int kIdInetPagina = 1061;
inline constexpr int kIdInetClave = 1062;
inline constexpr int kIdInetTipo = 1381;
inline constexpr std::string_view kTituloGenerandoInet = "Generando el fichero de internet";

// The help of the file dialog (its Help button): the application's help on topic kContextoAyudaInternet (the
// program's help service, which says that no help file is installed).
inline constexpr int kContextoAyudaInternet = 827;
void MostrarAyudaInternet();

class CDlgInternet : public wxDialog {
 public:
  CDlgInternet(wxWindow* padre, const std::filesystem::path& ruta);
  // The path accepted by OK.
  const std::filesystem::path& DameRuta() const { return m_ruta; }

 private:
  void AlExaminar();
  void AlAceptar();

  wxTextCtrl* m_pRuta = nullptr;
  std::filesystem::path m_ruta;
};

class CDlgGenerandoInet : public wxDialog, public IProgresoInternet {
 public:
  // Made and shown at once, centred over the main window; Cancel asks `escritor` to stop.
  CDlgGenerandoInet(wxWindow* padre, CInetFichero& escritor);

  void MostrarPagina(std::string_view clave, std::string_view tipo, std::string_view texto) override;
  void Bombear() override;
  void OnCancel();

 private:
  CInetFichero& m_escritor;
  wxStaticText* m_pClave = nullptr;
  wxStaticText* m_pTipo = nullptr;
  wxStaticText* m_pPagina = nullptr;
};

}  // namespace salida
