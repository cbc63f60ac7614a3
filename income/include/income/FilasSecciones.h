// The row-table models of the repeating groups of pages ORD003 and ORD004 (section D, blocks 1 and 2: six groups
// of two rows, one shown) and of page ORD009 (sections F2 and F3: four groups of nine rows, three shown).
//
// Each model can be made over any stored array of its layout (pointer, rows, rows shown; the rows never exceed
// what the section holds) or over its own place in a declaration's data area.
#pragma once

#include "income/ModeloFilas.h"
#include "ximardol.h"

namespace renta {

// ---- section D (ORD003 over RegApartadoD1, ORD004 over RegApartadoD2) ----

// Groups 1 to 6 of a section D block: offset in the block, row size, 2 rows of which 1 is shown.
inline constexpr std::size_t kDespGruposD[6] = {0x10, 0x180, 0x2f0, 0x460, 0x4b0, 0x500};
inline constexpr std::size_t kAnchoGruposD[6] = {184, 184, 184, 40, 40, 40};
inline constexpr int kFilasGrupoD = 2;
inline constexpr int kMostradasGrupoD = 1;

// Fields of a row, by group:
//   1: 0 holder, 1 code (byte 1), 2-23 the doubles at 8 ... 176
//   2: 0 holder, 1 and 2 the marks of the option (byte 1 is 1 / is 2), 3-24 the doubles at 8 ... 176
//   3: 0 holder, 1 code (byte 1), 2-23 the doubles at 8 ... 176, 24 the second code (bytes 4-7)
//   4: 0 holder, 1 code (byte 1), 2 tax number (at 6), 3-5 the doubles at 16, 24, 32
//   5: 0 holder, 1 and 2 the marks of the option, 3 tax number (at 2), 4-6 the doubles at 16, 24, 32
//   6: 0 holder, 1 code (byte 1), 2 second code (byte 6), 3 tax number (at 7), 4-6 the doubles at 16, 24, 32
// The amounts a halved row halves are those doubles.
SFormatoFilas FormatoGrupoD(int grupo);

// The commands of the section D groups on shown row j (row i = first shown row + j); -1 for a row outside the
// table, else 0:
// 500 (the page sends it when the row's key field was erased): a row without holder is emptied and deleted in
//     the store too (the following rows move up, the last is freed, each stored); a row with a holder is emptied
//     but keeps its holder, in the working copy only;
// 501 stores row i; 502 reverts row i (and the option marks); any other code does nothing.
class CFilasApartadoD : public CFilasSeccion {
 public:
  CFilasApartadoD(unsigned char* guardadas, int filas, int mostradas, int grupo);
  int OrdenFila(int fila, int orden, int marca) override;
};

class CFilasORD003A : public CFilasApartadoD {
 public:
  CFilasORD003A(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 1) {}
  explicit CFilasORD003A(DatosRenta& datos);
};
class CFilasORD003B : public CFilasApartadoD {
 public:
  CFilasORD003B(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 2) {}
  explicit CFilasORD003B(DatosRenta& datos);
};
class CFilasORD003C : public CFilasApartadoD {
 public:
  CFilasORD003C(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 3) {}
  explicit CFilasORD003C(DatosRenta& datos);
};
class CFilasORD003D : public CFilasApartadoD {
 public:
  CFilasORD003D(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 4) {}
  explicit CFilasORD003D(DatosRenta& datos);
};
class CFilasORD003E : public CFilasApartadoD {
 public:
  CFilasORD003E(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 5) {}
  explicit CFilasORD003E(DatosRenta& datos);
};
class CFilasORD003F : public CFilasApartadoD {
 public:
  CFilasORD003F(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 6) {}
  explicit CFilasORD003F(DatosRenta& datos);
};

class CFilasORD004A : public CFilasApartadoD {
 public:
  CFilasORD004A(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 1) {}
  explicit CFilasORD004A(DatosRenta& datos);
};
class CFilasORD004B : public CFilasApartadoD {
 public:
  CFilasORD004B(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 2) {}
  explicit CFilasORD004B(DatosRenta& datos);
};
class CFilasORD004C : public CFilasApartadoD {
 public:
  CFilasORD004C(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 3) {}
  explicit CFilasORD004C(DatosRenta& datos);
};
class CFilasORD004D : public CFilasApartadoD {
 public:
  CFilasORD004D(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 4) {}
  explicit CFilasORD004D(DatosRenta& datos);
};
class CFilasORD004E : public CFilasApartadoD {
 public:
  CFilasORD004E(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 5) {}
  explicit CFilasORD004E(DatosRenta& datos);
};
class CFilasORD004F : public CFilasApartadoD {
 public:
  CFilasORD004F(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoD(guardadas, filas, mostradas, 6) {}
  explicit CFilasORD004F(DatosRenta& datos);
};

// ---- sections F2 and F3 (ORD009) ----

inline constexpr int kFilasGrupoF = 9;
inline constexpr int kMostradasGrupoF = 3;
inline constexpr std::size_t kDespORD009A = 0xe00;   // in RegApartadoF2, rows of 32 bytes
inline constexpr std::size_t kDespORD009B = 0;       // in RegApartadoF3, rows of 640 bytes
inline constexpr std::size_t kDespORD009C = 0x16f8;  // in RegApartadoF3, rows of 24 bytes
inline constexpr std::size_t kDespORD009D = 0x17f8;  // in RegApartadoF3, rows of 24 bytes

// Fields, numbered as the page's columns:
//   A: 0 holder, 1 and 2 the doubles at 8 and 16, 3 and 4 the flags at 24 and 25
//   B: 9 text (20 characters at 0), 10 holder (at 20), 11 flag (21), 12 and 13 the dates at 40 and 48, 14 the
//      double at 56, 15 the row, 16 the double at 120, 17 the row, 18-29 the twelve doubles at 544 ... 632
//   C: 30 holder, 31 and 32 the doubles at 8 and 16;  D: 33 holder, 34 and 35 the doubles at 8 and 16
// The amounts a halved row halves are those doubles.
SFormatoFilas FormatoGrupoF(char grupo);

// The commands of the ORD009 groups on shown row j (row i = first shown row + j); -1 for a row outside the table,
// else 0: 5 stores row i; 6 deletes it in the store too (the following rows move up, the last is freed, each
// stored); 7 reverts it; any other code does nothing.
class CFilasApartadoF : public CFilasSeccion {
 public:
  CFilasApartadoF(unsigned char* guardadas, int filas, int mostradas, char grupo);
  int OrdenFila(int fila, int orden, int marca) override;
  // The check of shown row j after it was stored: when its second amount (at 16) is greater than its first (at
  // 8), message 100R174 and 0; else 1.
  virtual int ComprobarFila(int fila);

 protected:
  virtual void SuprimirFila(int i) { EliminarFila(i); }
};

class CFilasORD009A : public CFilasApartadoF {
 public:
  CFilasORD009A(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoF(guardadas, filas, mostradas, 'A') {}
  explicit CFilasORD009A(DatosRenta& datos);
};
// Group B has no amount check, and a row whose text is not blank is emptied but keeps its text, in its place.
class CFilasORD009B : public CFilasApartadoF {
 public:
  CFilasORD009B(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoF(guardadas, filas, mostradas, 'B') {}
  explicit CFilasORD009B(DatosRenta& datos);
  int ComprobarFila(int fila) override;

 protected:
  void SuprimirFila(int i) override;
};
class CFilasORD009C : public CFilasApartadoF {
 public:
  CFilasORD009C(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoF(guardadas, filas, mostradas, 'C') {}
  explicit CFilasORD009C(DatosRenta& datos);
};
class CFilasORD009D : public CFilasApartadoF {
 public:
  CFilasORD009D(unsigned char* guardadas, int filas, int mostradas) : CFilasApartadoF(guardadas, filas, mostradas, 'D') {}
  explicit CFilasORD009D(DatosRenta& datos);
};

}  // namespace renta
