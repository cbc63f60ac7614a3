// The row-table models of the repeating groups of pages ORD003 and ORD004 (section D, blocks 1 and 2: six groups
// of two rows, one shown), of page ORD007 (section E: four groups of three rows or one), of page ORD008 (sections F1
// and F2: four groups of nine rows, three shown) and of page ORD009 (sections F2 and F3: four groups of nine rows,
// three shown).
//
// Each model can be made over any stored array of its layout (pointer, rows, rows shown; the rows never exceed
// what the section holds) or over its own place in a declaration's data area.
#pragma once

#include <string_view>

#include "income/ModeloFilas.h"
#include "ximardol.h"

namespace marco {
class CBaseDatos;
}  // namespace marco

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
// The element type of a row of group B (an int at 24: the row of the "elempate" list, 1-based, 0 none) and its
// value (the double at 32): the element-type list edits them as one block of 16 bytes under this window name.
inline constexpr std::size_t kDespTipoElementoB = 24;
inline constexpr std::size_t kTamanoTipoElementoB = 16;
inline constexpr std::string_view kVentanaTipoElemento = "IDD_TIPOELEMENTO";
// The table of the kinds of element (its eighth letter is the language's) and whether the program has it for the
// language `letra` (asked without a message).
inline constexpr std::string_view kTablaTipoElemento = "elempate";
bool HayTablaTiposElemento(const marco::CBaseDatos* base, char letra);

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
inline constexpr int kOrdenGuardarF = 5;
inline constexpr int kOrdenSuprimirF = 6;
inline constexpr int kOrdenRevertirF = 7;

class CFilasApartadoF : public CFilasSeccion {
 public:
  CFilasApartadoF(unsigned char* guardadas, int filas, int mostradas, char grupo);
  // A table of another layout that takes the same commands; `capacidad` the rows the stored array holds.
  CFilasApartadoF(unsigned char* guardadas, int filas, int mostradas, SFormatoFilas formato, int capacidad);
  int OrdenFila(int fila, int orden, int marca) override;
  // The check of shown row j after it was stored: when its second amount (at 16) is greater than its first (at
  // 8), message 100R174 and 0; else 1.
  virtual int ComprobarFila(int fila);

 protected:
  virtual void SuprimirFila(int i) { EliminarFila(i); }
  // The deletion of a row that names its element by a text (`ancho` characters at `desp`): a row whose text is
  // blank goes; one with a text is emptied but keeps the text, in its place, so that what was typed before the
  // row's holder is not lost.
  void SuprimirConservandoTexto(int i, std::size_t desp, std::size_t ancho);
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

// ---- section E (ORD007) ----

// The four groups of page ORD007: A the entities of RegApartadoE2 (from +24, three rows of 160 bytes; the option
// byte at 10 is the row's key: 0 an empty row), B the rows of RegApartadoE3 (three of 56 bytes, holder at 24), C the
// single row of RegApartadoE4 (80 bytes, holder at 0) and D the rows of RegApartadoE5 (three of 80 bytes, holder at
// 24); all rows shown. They take the commands of CFilasApartadoF (5 store, 6 delete, 7 revert). Fields (columns):
//   A: 0 tax number (+0), 1 kind code (+9), 2 option (+10, read as a 4-byte counter over bytes 10-13, which the row
//      leaves free), 3 first amount (+16), 4 and 5 the two answers (+24, +25), 6-14 the doubles at 32 ... 96 and 104
//      (6 +32, 7 +40, 8 +48, 9 +64, 10 +72, 11 +80, 12 +88, 13 +96, 14 +104), 15 the family unit's share (+144), 16
//      another person's share (+152)
//   B: 0 tax number (+0), 1 holder (+24), 2 and 3 the two marks (+25, +26), 4-6 the doubles at 32, 40, 48
//   C: 0 holder (+0), 1 identification (+1), 2 country (+26), 3-5 the doubles at 56, 64, 72
//   D: 0 tax number (+0), 1 holder (+24), 2 the double at 32, 3 at 64, 4 at 72, 5 the double at 40
inline constexpr std::size_t kDespORD007A = 24;
inline constexpr std::size_t kAnchoORD007A = 160;
inline constexpr std::size_t kAnchoORD007B = 56;
inline constexpr std::size_t kAnchoORD007C = 80;
inline constexpr std::size_t kAnchoORD007D = 80;
SFormatoFilas FormatoGrupoE(char grupo);

class CFilasORD007A : public CFilasApartadoF {
 public:
  explicit CFilasORD007A(DatosRenta& datos);
};
class CFilasORD007B : public CFilasApartadoF {
 public:
  explicit CFilasORD007B(DatosRenta& datos);
};
class CFilasORD007C : public CFilasApartadoF {
 public:
  explicit CFilasORD007C(DatosRenta& datos);
};
class CFilasORD007D : public CFilasApartadoF {
 public:
  explicit CFilasORD007D(DatosRenta& datos);
};

// The checks of the single row of RegApartadoE4: the amount at 64 (A) or at 72 (B) may not exceed the amount at 56.
// On failure the message (100R171, 100R172) is shown, that amount is set to 0 and the result is 0; else 1.
int ComprobarGrupoORD007A(RegApartadoE4& fila);
int ComprobarGrupoORD007B(RegApartadoE4& fila);

// ---- sections F1 and F2 (ORD008) ----

// A: the rows of RegApartadoF1 (56 bytes, holder at 0); B: the dated rows of RegApartadoF2 (328 bytes, holder at
// 20); C and D: the two small groups of RegApartadoF2 (24 bytes at +3072 and +3328, holder at 0). Nine rows each,
// three shown. Fields:
//   A: 0 the payer's tax number (+1), 1 holder (+0), 2-6 the doubles at 16 ... 48
//   B: 11 text (+0), 12 holder (+20), 13 mark (+21), 14 and 15 the dates (+22, +30), 16 the double at 40, 17 the
//      row, 18 the double at 104, 19 the row, 20-29 the doubles at 248 ... 320
//   C: 30 holder, 31 and 32 the doubles at 8 and 16;  D: 33 holder, 34 and 35 the doubles at 8 and 16
inline constexpr std::size_t kAnchoORD008A = 56;
inline constexpr std::size_t kAnchoORD008B = 328;
inline constexpr std::size_t kDespORD008C = 3072;
inline constexpr std::size_t kDespORD008D = 3328;
SFormatoFilas FormatoGrupoF2(char grupo);

// A and B have no row check; C and D check their two amounts as the ORD009 groups do (100R174). A row of A whose
// payer's tax number is not blank, and one of B whose text is not blank, is emptied but keeps them, in its place.
class CFilasORD008A : public CFilasApartadoF {
 public:
  explicit CFilasORD008A(DatosRenta& datos);
  int ComprobarFila(int) override { return 1; }

 protected:
  void SuprimirFila(int i) override { SuprimirConservandoTexto(i, 1, 9); }
};
class CFilasORD008B : public CFilasApartadoF {
 public:
  explicit CFilasORD008B(DatosRenta& datos);
  int ComprobarFila(int) override { return 1; }

 protected:
  void SuprimirFila(int i) override { SuprimirConservandoTexto(i, 0, 20); }
};
class CFilasORD008C : public CFilasApartadoF {
 public:
  explicit CFilasORD008C(DatosRenta& datos);
};
class CFilasORD008D : public CFilasApartadoF {
 public:
  explicit CFilasORD008D(DatosRenta& datos);
};

// ---- section D, blocks 4 and 5: activities under the module regime (ORD005) and agricultural ones (ORD006) ----

// Four activity rows, two shown: RegApartadoD4 from its start, rows of 1,560 bytes with the holder at 24;
// RegApartadoD5 after its 16-byte head, rows of 2,064 bytes with the holder at 8.
inline constexpr int kFilasActividades = 4;
inline constexpr int kMostradasActividades = 2;
inline constexpr std::size_t kAnchoORD005 = 1560;
inline constexpr std::size_t kAnchoORD006 = 2064;
inline constexpr std::size_t kDespORD006 = 16;

// The row commands of the two pages on shown row j (row i = first shown row + j); -1 for a row outside the table.
// ORD005: 101 stores row i; when its activity number (int32 at 8) differs from a non-zero stored one, 390E013 asks
//     first: Aceptar empties what was entered for the old activity's modules and the row's holder, then stores;
//     Cancelar puts the stored row back and gives 1. 102 deletes row i when its code (5 characters at 0) has no
//     letter or digit after the first (the following rows move up, each stored; 1 deleted). 104 empties the
//     entered quantities and the results of the row's seven modules (working copy). 106 reverts row i.
// ORD006: 82 stores; 83 deletes the row when its key (the character at 0) is not a digit above 0 (1 deleted);
//     85 reverts; 87 empties the row's amounts (working copy), keeping key, activity, holder and information.
// Nothing is stored while the rows are one person's filtered copy. The commands of CFilasApartadoF (5, 6, 7) are
// kept as well.
inline constexpr int kOrdenGuardar5 = 101;
inline constexpr int kOrdenSuprimir5 = 102;
inline constexpr int kOrdenBorrarModulos5 = 104;
inline constexpr int kOrdenRecargar5 = 106;
inline constexpr int kOrdenGuardar6 = 82;
inline constexpr int kOrdenSuprimir6 = 83;
inline constexpr int kOrdenRecargar6 = 85;
inline constexpr int kOrdenBorrarImportes6 = 87;
inline constexpr std::string_view kMensajeCambioActividad = "390E013";

// Fields, numbered as the boxes of a row of the page (from the row's first box):
//   ORD005: 0 code (+0), 1 unit text (+12), 2 holder (+24); module j (0-6): 3+3j its text (+121+176j), 4+3j its
//     quantity (+160+176j), 5+3j its result (+288+176j); 24-32 the doubles at 1352 ... 1416; 33-35 at 1440 ...
//     1456; 36-39 at 1464 ... 1488; 40-42 at 1496 ... 1512; 43 entity (+1520), 44 activity (+1529), 45 holder
//     copy (+1534), 46-48 the doubles at 1536, 1544, 1552; 49-55 the start of module slot 0-6 (+120+176j), the
//     link of its quantity box.
//   ORD006: 0 holder (+8), 1 key (+0), 2 volume of group 1 (+56); then for groups k = 1..12 the index text and
//     the yield of group k and the volume of group k + 1; 39 and 40 the index text and yield of group 13; 41 and
//     42 the doubles at 1824 and 1832; 43 at 1840; 44-59 the doubles at 1896 ... 2016; 60 entity (+2024), 61
//     holder copy (+2033), 62 at 2040, 63 at 2056, 64 at 2048.
SFormatoFilas FormatoActividadesModulos();
SFormatoFilas FormatoActividadesAgrarias();

// Whether the code of an activity row holds a letter or digit after its first character (a row of ORD005), and
// whether the key of an agricultural row reads as a whole number above 0.
bool CodigoModulosRelleno(const unsigned char* fila);
bool ClaveAgrariaRellena(const unsigned char* fila);

class CFilasORD005A : public CFilasApartadoF {
 public:
  CFilasORD005A(unsigned char* guardadas, int filas, int mostradas);
  explicit CFilasORD005A(DatosRenta& datos);
  int OrdenFila(int fila, int orden, int marca) override;
  int ComprobarFila(int) override { return 1; }
  // Empties the modules of working row i: every quantity, working datum and result; with `soloPersonal` only
  // those of the personnel modules (numbers 1, 15 and 16).
  void BorrarModulos(int i, bool soloPersonal);
};

class CFilasORD006A : public CFilasApartadoF {
 public:
  CFilasORD006A(unsigned char* guardadas, int filas, int mostradas);
  explicit CFilasORD006A(DatosRenta& datos);
  int OrdenFila(int fila, int orden, int marca) override;
  int ComprobarFila(int) override { return 1; }
};

}  // namespace renta
