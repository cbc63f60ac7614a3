// The boxes of one form page: the CCampo records of the page, loaded in box-number order from the box-definition
// table "ControlX" and its language twin, and owned here, plus the hooks through which a page class binds them to
// the open declaration and reacts to what the user does in them. Every form page derives its own class and
// overrides the hooks; the base loads, draws, rescales and frees.
//
// A box's number (IndNumero, the id its edit control and its notifications carry) is its position in the array
// plus one. Code that holds a number converts it with PosicionDeNumero, and only there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Campo.h"

namespace plataforma {
class CLienzo;
}

namespace marco {

class CBaseDatos;
class CProg32Doc;
class CProg32View;

// The box-definition table and the order its rows are read in.
inline constexpr std::string_view kTablaControles = "ControlX";
inline constexpr std::string_view kOrdenControles = "CLAVE";
inline constexpr std::string_view kOrdenControlesVariante = "clave";

// The two messages of a page that cannot be loaded.
inline constexpr std::string_view kTextoControlesDeteriorados = "Fichero de controles deteriorado.\n Reorganice los datos";
inline constexpr std::string_view kTextoPaginaImposible = "Imposible inicializar la p\xE1gina";

// Identifier sets of TieneDatos.
inline constexpr int kNumeroConjuntosTieneDatos = 4;

class CControlesPagina {
 public:
  CControlesPagina() = default;
  virtual ~CControlesPagina();
  CControlesPagina(const CControlesPagina&) = delete;
  CControlesPagina& operator=(const CControlesPagina&) = delete;

  // ---- number and position of a box ----
  static int PosicionDeNumero(int numero) { return numero - 1; }
  static int NumeroDePosicion(int posicion) { return posicion + 1; }

  // ---- the array ----
  int NumeroCampos() const { return static_cast<int>(m_campos.size()); }
  bool EstaVacia() const { return m_campos.empty(); }
  // The box at a position; none outside the array.
  CCampo* Campo(int posicion) const;
  // The box of a number (IndNumero); none when there is no such box.
  CCampo* CampoDeNumero(int numero) const { return Campo(PosicionDeNumero(numero)); }
  // Appends a box (the array owns it); its number must be the next one. Used by the loaders and by tests.
  CCampo& Anadir(std::unique_ptr<CCampo> campo);

  CProg32View* DameVista() const { return m_pVista; }
  void PonerVista(CProg32View* vista) { m_pVista = vista; }
  CProg32Doc* DameDocumento() const { return m_pDocumento; }
  void PonerDocumento(CProg32Doc* documento) { m_pDocumento = documento; }
  // A word free for the page class.
  std::int32_t m_nReservado = 0;

  // ---- virtual operations ----
  // For every box in order: in kDibujoSoloTexto first ActualizarTexto, then CCampo::Dibujar.
  virtual void Dibujar(plataforma::CLienzo& lienzo, int scrollX, int scrollY, int modo);
  // Loads the boxes of a page id, their coordinates scaled by `escala`, from `baseDatos` (null: the local
  // database); 'R' pictures are resolved for MonedaEnUso(). 1 on success, then Enlazar(0) and AvisoPagina(1).
  // 0 after the message "Imposible inicializar la página" (preceded by "Fichero de controles deteriorado..."
  // when the page has no rows or its rows are not numbered 1, 2, 3...), with the boxes read so far.
  virtual int Cargar(int idPagina, double escala, CBaseDatos* baseDatos);
  // The same load for the filing writers: "AdmitNega" is not read and the twin is sought by order "clave".
  virtual int CargarVariante(int idPagina, double escala, CBaseDatos* baseDatos);
  // Sets every box's bound value (and links, MostrarCero, read-only state); 1 frees the old links first.
  virtual void Enlazar(int liberarAntes);
  virtual void LiberarEnlaces();
  // Re-binds and recomputes after a change.
  virtual void Refrescar();
  // Repeating-group navigation; 0 in the base.
  virtual int NavegarGrupo(int grupo, int direccion, int accion, int extra);
  // Per-box reaction after a recalculation (box position).
  virtual void AvisoCampo(int posicion);
  // Sheet step of printing and filing: sheet 1 calls AvisoPagina(0) and gives 1; any other 0.
  virtual int AvisoGrupo(int hoja, int palabra);
  // Derived display and print values of a sheet.
  virtual void CamposDerivados(int hoja);
  // Page-level reaction (1 after loading).
  virtual void AvisoPagina(int palabra);
  // A last hook free for page classes.
  virtual void AvisoAdicional();

  // ---- other operations ----
  // Re-reads only the rectangles of the page's rows, scaled as when loaded, into the boxes in table order. 1 done.
  int LeerCoordenadasPagina(int idPagina, double escala, CBaseDatos* baseDatos);
  // LiberarEnlaces, then frees every box.
  void Liberar();
  // 1 when a box drawn always (PintarEn 0) holds a value and is not one of the identifiers of the set (0-3); 0
  // otherwise and for any other set.
  int TieneDatos(int conjunto) const;
  int TieneDatos(int conjunto, const SEntornoCampo& entorno) const;

 private:
  int CargarFilas(int idPagina, double escala, CBaseDatos* baseDatos, bool variante);

  std::vector<std::unique_ptr<CCampo>> m_campos;
  CProg32View* m_pVista = nullptr;
  CProg32Doc* m_pDocumento = nullptr;
};

// A page id as the table keys it: "%4d" (" 202").
std::string ClaveIndiceFich(int idPagina);

}  // namespace marco
