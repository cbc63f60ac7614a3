// Row-table models of the repeating sections of the income-tax form. The declaration keeps such a section as a
// fixed array of rows inside DatosRenta; the page shows a window of a few rows with previous and next buttons. A
// model keeps a working copy of every row, decides which rows the person shown sees, hands the page the address of
// each field of a shown row and carries out the row commands (store, revert, delete with shifting) the page sends.
//
// Every row holds a holder byte: 0 for an empty row (whatever else it holds), else the person code of its holder
// (1 family unit, 2 declarant, 3 spouse, 4 first child, 5 second child).
//
// CModeloFilas is the root (row count, loaded count, person filter and the row command); CModeloFilasDoc adds the
// window of shown rows; CFilasSeccion keeps the working rows of one stored array laid out as its SFormatoFilas
// says. The section classes (FilasSecciones.h) add their page's commands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace renta {

class CModeloFilas {
 public:
  explicit CModeloFilas(int filas);
  virtual ~CModeloFilas() = default;
  CModeloFilas(const CModeloFilas&) = delete;
  CModeloFilas& operator=(const CModeloFilas&) = delete;

  // The row command on working row `fila`: -1 for a row outside the table.
  // Command 0 (a value set): an empty working row is deleted and the table reloaded (0); a row that is new in the
  // store is inserted where the table keeps free places and stored (the moved distance, 0 when it stays where it
  // is, -1 when there is no room); a row whose holder changed is stored; 0.
  // Any other command: an empty working row shows WIN045, gets the empty-row notice and gives -1; otherwise the
  // row is reverted (`marca` 1) or stored, 0.
  virtual int OrdenFila(int fila, int orden, int marca);
  // The holder byte of stored row / working row i (0 outside the table).
  virtual std::uint8_t TitularGuardada(int i) const;
  virtual std::uint8_t TitularTrabajo(int i) const;
  // After a person filter that compacted the rows.
  virtual void TrasFiltrar() {}
  // Deletes working row i when it is empty (1), else 0.
  virtual int BorrarFilaVacia(int i);
  // After an insertion moved rows.
  virtual void FilasMovidas(int /*desde*/, int /*hasta*/) {}
  // After WIN045 was shown for row i, and on the row a deletion leaves free before it is stored (the sections
  // empty the row).
  virtual void AvisoFilaVacia(int /*i*/) {}
  // The caption of a row: one blank.
  virtual std::string TituloFila() const { return " "; }
  // Loads stored row i into working row i again.
  virtual void RevertirFila(int i) { Cargar(i, i); }
  // The address of field k of shown row j; none for an unknown field or a shown row with no row behind it.
  virtual void* DireccionCampo(int /*j*/, int /*k*/) { return nullptr; }
  virtual void ColocarFila(int /*i*/, int /*posicion*/) {}
  // Copies stored row s into working row w: 1 done, 0 for an index outside the table.
  virtual int Cargar(int /*w*/, int /*s*/) { return 0; }
  virtual int TieneFilasGuardadas() const { return 0; }
  // Zeroes the working rows and puts the window back at the first row.
  virtual void Limpiar() {}
  // Copies a non-empty stored row s into working row w with its amounts halved.
  virtual void CargarMitad(int /*w*/, int /*s*/) {}
  // Deletes working row i: the following rows move one place up and the last one is emptied, each stored.
  virtual void BorrarFila(int /*i*/) {}
  // Copies working row i into stored row i.
  virtual void GuardarFila(int /*i*/) {}
  // Inserts a row: the distance the row moved, 0 when no place was taken.
  virtual int InsertarFila(int /*i*/) { return 0; }
  // No section keeps free places: -1.
  virtual int PosicionLibre(int /*n*/) { return -1; }
  // Copies working row `desde` into working row `hasta`.
  virtual void CopiarFila(int /*desde*/, int /*hasta*/) {}

  // Clears the working copy and loads every stored row in order, counting them (the loaded count).
  void Recargar();
  void CargarFilas();

  int DameFilas() const { return m_nFilas; }
  int DameCargadas() const { return m_nCargadas; }
  std::uint8_t DameFiltro() const { return m_nFiltro; }
  // True while the working rows are those of one person, compacted and with family-unit rows halved: they no
  // longer stand at the place of their stored row, and nothing is stored until the table is reloaded.
  bool EsCopiaFiltrada() const { return m_bFiltrada; }

 protected:
  bool FilaValida(int i) const { return i >= 0 && i < m_nFilas; }

  std::int32_t m_nFilas;
  std::int32_t m_nCargadas = 0;
  std::uint8_t m_nFiltro = 1;
  bool m_bFiltrada = false;
};

class CModeloFilasDoc : public CModeloFilas {
 public:
  CModeloFilasDoc(int filas, int mostradas);

  // The row command on shown row j (row i = first shown row + j): 0 stores row i; 1 is the root's command 0,
  // except that `marca` 1 stores the row at once and an insertion only reports the moved rows; 2 and above are
  // the root's other commands. -1 for a row outside the table.
  int OrdenFila(int fila, int orden, int marca) override;
  void BorrarFila(int i) override;
  int InsertarFila(int i) override;

  // Moves the window one row forward (0) or back (1) while it can; 0.
  virtual int Navegar(int direccion);
  // Back (1): 1 while the window is past the first row. Forward (0): 1 when every shown row holds a row and rows
  // remain after the window (up to the loaded count for a person's own rows, else the row count).
  virtual int PuedeMover(int direccion);
  virtual void ReconstruirIndice() {}
  // Shows the rows of a person: every row, as stored, for the family unit and for a declarant with neither spouse
  // nor children; otherwise that person's rows and, for the declarant and the spouse, the family unit's rows at
  // half their amounts, compacted, all read as the declarant's (holder 2). 1.
  virtual int FiltrarPorTitular(int sujeto);
  // Moves the window on by one page of shown rows; 0.
  int AvanzarPagina();

  int DameMostradas() const { return m_nMostradas; }
  int DamePrimera() const { return m_nPrimera; }

 protected:
  std::int32_t m_nMostradas;
  std::int32_t m_nPrimera = 0;
};

// The layout of one section's rows.
struct SFormatoFilas {
  std::size_t ancho = 0;           // bytes of a row
  std::size_t despTitular = 0;     // the holder byte
  int primerCampo = 0;             // the number of the first field
  std::vector<int> campos;         // field primerCampo + n: its offset in the row, or kCampoMarca1 / kCampoMarca2
  std::vector<std::size_t> importes;  // offsets of the doubles that a halved row halves
  bool marcasOpcion = false;       // byte 1 shown as two exclusive marks (is it 1, is it 2)
};
inline constexpr int kCampoMarca1 = -1;
inline constexpr int kCampoMarca2 = -2;

class CFilasSeccion : public CModeloFilasDoc {
 public:
  // A table over `filas` rows of the stored array at `guardadas` (borrowed; null: no stored array), `mostradas` of
  // them shown. The row count never exceeds `capacidad`, the rows the stored array holds.
  CFilasSeccion(unsigned char* guardadas, int filas, int mostradas, SFormatoFilas formato, int capacidad);

  std::uint8_t TitularGuardada(int i) const override;
  std::uint8_t TitularTrabajo(int i) const override;
  void TrasFiltrar() override;
  // Empties working row i.
  void AvisoFilaVacia(int i) override { VaciarFila(i, false); }
  void* DireccionCampo(int j, int k) override;
  int Cargar(int w, int s) override;
  int TieneFilasGuardadas() const override { return m_pGuardadas != nullptr ? 1 : 0; }
  void Limpiar() override;
  void CargarMitad(int w, int s) override;
  void GuardarFila(int i) override;
  void CopiarFila(int desde, int hasta) override;
  void RevertirFila(int i) override;
  int Navegar(int direccion) override;
  void ReconstruirIndice() override;

  // Working row i (none outside the table) and the row behind shown row j.
  unsigned char* FilaTrabajo(int i);
  const unsigned char* FilaTrabajo(int i) const;
  unsigned char* FilaMostrada(int j);
  // Stored row i (none outside the table or without a stored array).
  unsigned char* FilaEnDatos(int i) const;
  // The two marks of byte 1 of the first shown row, in sections that show it so.
  std::int32_t DameMarca1() const { return m_nMarca1; }
  std::int32_t DameMarca2() const { return m_nMarca2; }

 protected:
  const SFormatoFilas& Formato() const { return m_formato; }
  // Deletes row i in the store too: it is zeroed and stored, every following row moves one place up and is
  // stored, the last row is zeroed and stored; the window is rebuilt.
  void EliminarFila(int i);
  // Zeroes working row i, keeping its holder byte when `conservarTitular`.
  void VaciarFila(int i, bool conservarTitular);
  // The marks of byte 1 from / into the first shown row.
  void LeerMarcas();
  void EscribirMarcas();

 private:
  unsigned char* m_pGuardadas;
  SFormatoFilas m_formato;
  std::vector<unsigned char> m_aTrabajo;
  std::vector<unsigned char*> m_aIndice;
  std::int32_t m_nMarca1 = 0;
  std::int32_t m_nMarca2 = 0;
};

}  // namespace renta
