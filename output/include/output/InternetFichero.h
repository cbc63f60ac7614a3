// The Internet filing file of a declaration and the base of its two writers (income tax: InternetRenta.h; wealth
// tax: Internet714.h).
//
// The file is plain text with no header and no trailer: one line per written sheet of each written page, in page
// order. A line is the model number and the page number ("%d%02d": "10002", "71411"), the sheet mark (a blank on
// the first sheet of the page, "C" on every further one), the page's box values in ascending Internet field number
// (each formatted by its box's Internet format, nothing between them) and CR LF. Texts are Windows-1252 bytes.
//
// The writers never reach the declaration documents' classes: they see a declaration through the small interfaces
// below (IDeclaracionInternet and the two in the writers' headers), which the documents implement. A page's boxes
// come from the document as a box array of the page's own class (its Enlazar binds every box to the declaration);
// the writer loads it with the filing loader (CControlesPagina::CargarVariante) and collects its values.
//
// A file is never left half written: the lines go to a temporary file in the chosen folder, which takes the chosen
// name only when every page was written. A declaration with errors among its findings is never written.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Campo.h"

namespace marco {
class CBaseDatos;
class CControlesPagina;
}  // namespace marco

namespace salida {

// The default file names the filing commands offer.
inline constexpr std::string_view kNombreInternetRenta = "KVXINET";
inline constexpr std::string_view kNombreInternet714 = "TVXINET";

// Internet field number of a box that is not written.
inline constexpr int kOrdenNoEscrito = 999;
// The fourth character of an Internet format whose value the writer supplies (ValorCampoP).
inline constexpr char kClaseValorEscritor = 'P';
// The sheet marks.
inline constexpr char kMarcaPrimeraHoja = ' ';
inline constexpr char kMarcaHojaSiguiente = 'C';
// No page has more sheets than this; a box array that keeps answering for more is damaged.
inline constexpr int kMaximoHojasPagina = 999;

// The messages of the filing run (rows of the message table).
inline constexpr std::string_view kMensajeInetConErrores = "INET001";   // the declaration has errors
inline constexpr std::string_view kMensajeInetFichero = "INET012";      // the file cannot be made
inline constexpr std::string_view kMensajeInetValor = "INET013";        // a value cannot be written
inline constexpr std::string_view kMensajeInetPagina = "INET014";       // a page's boxes cannot be loaded
inline constexpr std::string_view kMensajeInetCatalogo = "INET015";     // a page of the form is not in the catalogue

// The progress texts (Windows-1252).
inline constexpr std::string_view kTituloSimplificada = "SIMPLIFICADA";
inline constexpr std::string_view kTituloOrdinaria = "ORDINARIA";
inline constexpr std::string_view kTituloPatrimonio = "PATRIMONIO";
// "Escribiendo página %d de %d" with the page slot and the number of slots.
std::string TextoProgresoPagina(int pagina, int total);

// The one-letter code of the operating system that fields of kind 'P' carry: "W", "5", "8", "T" name the old
// systems the receiving side knows, "I" any other, which is what this program runs on.
char LetraSistemaInternet();

// What a writer needs of a declaration document. The documents implement it (and the tax's own interface).
class IDeclaracionInternet {
 public:
  virtual ~IDeclaracionInternet() = default;
  // The declaration's key (its name in the store), as the findings and the progress window show it.
  virtual std::string DameClaveDeclaracion() const = 0;
  // The declaration type (tipodec: 1 D-101, 2 D-100, 3 D-714).
  virtual int DameTipoDeclaracion() const = 0;
  // A new, empty box array of the class of page `idPagina`, with the document set, whose Enlazar binds every box
  // to this declaration. None when there is no such page class: a run that must write the page (or look into it)
  // then fails, since the file would lack it. (Shared: a page's box array may live inside the page object that
  // makes it.)
  virtual std::shared_ptr<marco::CControlesPagina> CrearControlesPagina(int idPagina) = 0;
  // Runs after a page's boxes were loaded and refreshed, before their values are read (the first wealth-tax page
  // fills its header boxes here). Nothing by default.
  virtual void ControlesCargados(int /*idPagina*/, marco::CControlesPagina& /*controles*/) {}
};

// The progress window of a run (the window code implements it). The writer calls MostrarPagina before every page
// slot and Bombear after it; Bombear lets pending window messages through, and the window's Cancel asks the
// writer to stop (CInetFichero::PonerCancelado(1)), which the writer tests right after Bombear.
class IProgresoInternet {
 public:
  virtual ~IProgresoInternet() = default;
  virtual void MostrarPagina(std::string_view clave, std::string_view tipo, std::string_view texto) = 0;
  virtual void Bombear() = 0;
};

// How a run ended.
enum class EResultadoInet : int {
  SinEmpezar = 0,
  Escrito,       // the file is in place
  SinDocumento,  // no document was given
  ConErrores,    // the declaration has errors among its findings: nothing written
  ErrorFichero,  // the file could not be made, written or put in place
  ErrorValor,    // a box value could not be formatted for the file (message 100P006 was shown)
  ErrorPagina,   // a page's boxes could not be loaded (the loader showed why)
  Cancelado,     // the user stopped the run
  SinPagina,     // a page of the form is missing from the page catalogue: nothing written
};

// Shows the message of a failed run: INET001 with errors, INET012 when the file could not be
// made, INET013 after a value that cannot be written, INET014 after a page that cannot be loaded, INET015 when a
// page of the form is not in the catalogue (`extra`, when given, follows the message's text); nothing after a
// cancel or a written file. Gives the button pressed, 0 when nothing was shown.
int MostrarResultadoInternet(EResultadoInet resultado, std::string_view extra = {});
// The extra text of INET015: "Página 8 (217)": the page of the form and the catalogue id it needs.
std::string TextoPaginaFalta(int pagina, int idPagina);

// One box value on its way to the file.
struct CInetObj {
  int m_nCampo = 0;        // the box's number (IndNumero: position in the page's box array + 1)
  int m_nOrden = 0;        // its Internet field number
  std::string m_strValor;  // the formatted value
};

// 1 when the page catalogue (table "Paginasx" of `baseDatos`, null: the local database) holds the page id, 0 when
// it does not (asked silently); -1 when the catalogue cannot be opened (the table layer says why).
int ExistePaginaCatalogo(marco::CBaseDatos* baseDatos, int idPagina);

// 1 when the declaration `clave` has a finding of severity 1 or more in table "Corregix" of `baseDatos` (null:
// the network database), and when that table cannot be read (the table layer says why): unread findings never
// let a file be written. 0 when there is no network database at all.
int DeclaracionConErrores(marco::CBaseDatos* baseDatos, std::string_view clave);

// The writer base: the file, the run over the page slots, the sheets of a page and the collection of a sheet's
// values. A writer says how many page slots there are, which catalogue id and model each has, and whether a slot's
// page is written (CrearCamposPagina).
class CInetFichero {
 public:
  CInetFichero();
  virtual ~CInetFichero();
  CInetFichero(const CInetFichero&) = delete;
  CInetFichero& operator=(const CInetFichero&) = delete;

  void PonerDocumento(IDeclaracionInternet* documento) { m_pDocumento = documento; }
  IDeclaracionInternet* DameDocumento() const { return m_pDocumento; }
  // The progress window of the run; none: no progress is shown and nothing is pumped.
  void PonerProgreso(IProgresoInternet* progreso) { m_pProgreso = progreso; }
  // The databases of the catalogue and the boxes (local) and of the findings (network); null: the program's.
  void PonerBasesDatos(marco::CBaseDatos* local, marco::CBaseDatos* red) {
    m_pBaseLocal = local;
    m_pBaseRed = red;
  }

  // ---- virtual operations ----
  // Stores the stop request (1 stop, 0 none).
  virtual void PonerCancelado(int cancelado);
  // Writes the declaration to `fichero`: refuses a declaration with errors and a form one of whose pages is not in
  // the page catalogue (a file without that page would pass for the whole declaration), writes every page into a
  // temporary file beside it and gives it the name at the end. 1 when the file is in place; 0 otherwise (DameResultado
  // says why), with `fichero` as it was before and no temporary file left.
  virtual int Generar(const std::filesystem::path& fichero);

  int EstaCancelado() const { return m_bCancelado; }
  EResultadoInet DameResultado() const { return m_resultado; }
  // After SinPagina: the page slot (1-based) and the catalogue id that is missing.
  int DamePaginaFalta() const { return m_nPaginaFalta; }
  int DameIdPaginaFalta() const { return m_nIdPaginaFalta; }
  // MostrarResultadoInternet of this run's result, with the missing page after SinPagina.
  int MostrarResultado() const;
  const std::filesystem::path& DameFichero() const { return m_strFichero; }

 protected:
  // Every page slot in order: progress, EscribirPagina, pumping and the stop request. 1 when every slot was done
  // (or there is nothing to write), 0 after a failure or a stop.
  virtual int EscribirPaginas();
  // One page slot (0-based): skipped when it has no catalogue id (a slot never written) or CrearCamposPagina does
  // not answer 1; otherwise one line per sheet. 0 only on a failure (its catalogue id missing is one).
  virtual int EscribirPagina(int indice);
  // Makes m_pCampos for a page (1-based): 1 the page is written, 0 it is left out, -1 its boxes could not be
  // loaded (the run fails).
  virtual int CrearCamposPagina(int pagina) = 0;
  // Collects the sheet's values and writes the head of the line. 0 when a value cannot be formatted.
  virtual int EscribirCabecera(int pagina, int modelo);
  // Brings m_strValorP up to date before a field of kind 'P' takes it. 1.
  virtual int ValorCampoP();

  // ---- what each writer says ----
  // Called once at the start of a run, before the first page slot.
  virtual void PrepararPaginas() {}
  // The number of page slots (0: nothing to write), their progress title and the model number of the lines.
  virtual int NumeroPaginas() const = 0;
  virtual std::string_view TituloPaginas() const = 0;
  virtual int NumeroModelo() const = 0;
  // The catalogue id of a page slot (1-based): the page whose boxes the slot writes; 0 for a slot that is never
  // written (no page of the form stands there).
  virtual int IdCatalogo(int pagina) const = 0;
  // Whether the catalogue holds a page id (the catalogue of the local database by default): 1, 0, or -1 when it
  // cannot be read (the run fails).
  virtual int ExistePagina(int idPagina);
  // The person whose values are written and the printing language.
  virtual marco::SEntornoCampo Entorno() const;

  // ---- helpers for the writers ----
  // Makes the page's box array through the document, loads it (scale 1.0, the local database), refreshes it and
  // lets the document finish it. 1 loaded; -1 when no array can be made for the page or its load failed
  // (m_pCampos is then freed): the run fails; 0 only without a document.
  int CargarCamposPagina(int idPagina);
  // The sheets of the page in m_pCampos, one line each. 0 on a failure.
  int EscribirHojas(int pagina);
  // One sheet of the page in m_pCampos into m_pElementos, in Internet field order. 0 (and an empty list) when a
  // value cannot be formatted.
  int RecogerCampos();
  // Writes "%d%02d" of the model and page.
  int EscribirModeloPagina(int modelo, int pagina);
  int EscribirElementos();
  int EscribirTexto(std::string_view texto);
  // Frees the page's box array and the list.
  void LiberarPagina();
  void LiberarLista() { m_pElementos.clear(); }
  // Closes the file when open. 1.
  int Cerrar();
  marco::CBaseDatos* BaseLocal() const;
  marco::CBaseDatos* BaseRed() const;
  void PonerResultado(EResultadoInet resultado) {
    if (m_resultado == EResultadoInet::SinEmpezar) m_resultado = resultado;
  }

  std::shared_ptr<marco::CControlesPagina> m_pCampos;
  std::vector<CInetObj> m_pElementos;
  int m_bCancelado = 0;
  std::string m_strValorP;

 private:
  struct CerrarFichero {
    void operator()(std::FILE* f) const;
  };
  // Every slot's catalogue id is in the catalogue: 1; 0 with the result set (SinPagina, ErrorPagina) otherwise.
  int ComprobarPaginas();
  int AbrirTemporal();
  int PonerEnSuSitio();
  void QuitarTemporal();

  std::unique_ptr<std::FILE, CerrarFichero> m_pFichero;
  bool m_bErrorEscritura = false;
  std::filesystem::path m_strFichero;
  std::filesystem::path m_temporal;
  IDeclaracionInternet* m_pDocumento = nullptr;
  IProgresoInternet* m_pProgreso = nullptr;
  marco::CBaseDatos* m_pBaseLocal = nullptr;
  marco::CBaseDatos* m_pBaseRed = nullptr;
  EResultadoInet m_resultado = EResultadoInet::SinEmpezar;
  int m_nPaginaFalta = 0;
  int m_nIdPaginaFalta = 0;
};

}  // namespace salida
