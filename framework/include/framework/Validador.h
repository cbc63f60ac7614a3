// The checks object of a declaration: one lives in each declaration document. Page views and dialogs hand it a
// check type and a pointer to a box's value when the box is left or confirmed; the check tells the user what is
// wrong through a coded message, repairs the value where its rule says so, and answers whether the value is
// acceptable. The same object writes and erases the declaration's findings (table "Corregix", Hallazgos.h).
//
// Value shapes by check type (the caller's buffer must hold at least this much, or end at a NUL before it):
//   1, 2, 21, 22, 23        identification number, 9 characters
//   5, 11-15, 18, 19        date ddmmaaaa, 8 characters
//   6                       display date: day in characters 1-2, month name in 3-5, year in 13-16
//   8                       postal code, 5 characters
//   9, 10                   bank account, 20 characters
//   16, 17, 101             year, 4 characters
//   20, 102, 103, 104, 4    one double
//   3, 201, 202             a run of doubles (2, 5 and 4 of them)
//   203, 204                the six 104-byte work-income detail rows
//   205                     the six 72-byte real-estate detail rows
//   206                     the deductions block (RegApartadoM)
// Texts are Windows-1252.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "ximardol.h"

namespace marco {

class CBaseDatos;

// Shows a coded message of the local database's message table with that icon and extra text and gives the
// button pressed (kBoton..., 3 = Continuar).
int AvisarError(std::string_view codigo, int icono, std::string_view extra = {});

// Results of CValidador::ComprobarNIF besides the kinds and errors of ClasificarNIF.
inline constexpr int kNIFSinTexto = -6;

class CValidador {
 public:
  explicit CValidador(std::string_view clave = {});
  ~CValidador() = default;
  CValidador(const CValidador&) = delete;
  CValidador& operator=(const CValidador&) = delete;

  // The key of the open declaration (its name, at most 50 characters; trailing blanks do not count).
  void PonerClave(std::string_view clave);
  const std::string& DameClave() const { return m_clave; }

  // The data area of the open income-tax declaration, where the sums 203-205 are written; null (a wealth-tax
  // declaration, or none) makes those checks do nothing. The document that owns this object sets it.
  void PonerDatosRenta(DatosRenta* datos) { m_pDatosRenta = datos; }
  // The database of the findings; null (the default) is the program's network database.
  void PonerBaseDatos(CBaseDatos* baseDatos) { m_pBaseDatos = baseDatos; }

  // Runs the check of `tipo` on the value: 1 acceptable, 0 not. A type without a check (outside 1-206, 7, 24-100,
  // 105-200) or a null value gives 0 and shows nothing.
  int ValidarCampo(int tipo, void* valor);
  // The value handed to the last ValidarCampo.
  void* DameValorActual() const { return m_pValorActual; }

  // Identification numbers. A blank value is accepted as it is. Otherwise the value is normalised and classified
  // and accepted by kind: ValidarNIF the personal kinds 1, 2, 3; ValidarDNI also 0 (digits only); both the entity
  // kinds 20, 21, 22 only when `entidades` is 1. On acceptance the normalised number overwrites the value
  // (`longitud` characters, blank-padded).
  static int ValidarNIF(char* valor, int longitud, int entidades);
  static int ValidarDNI(char* valor, int longitud, int entidades);
  // Normalises `origen` (its first 9 characters) into `destino` and gives its kind (ClasificarNIF);
  // kNIFSinTexto when `origen` is null.
  static int ComprobarNIF(const char* origen, std::string& destino);

  // A date of the value (8 characters with `anoCuatroCifras` 1, else 6 characters ddmmaa of the 1900s) checked
  // against the bounds (ddmmaaaa; an empty or blank bound is no bound). No bound at all: a valid date of the years
  // 1900-1999. With a bound: a valid date within it (the strict flag excludes the bound's own day). A blank date
  // and the all-zero date are no date and always pass. 1 acceptable, 0 not; shows nothing.
  static int ValidarFechaCampo(std::string_view valor, std::string_view inferior, std::string_view superior,
                               int anoCuatroCifras, int estricto);
  // 1 when the date is not earlier than the bound (later, with `estricto`), or when either is not a number text
  // (a blank date or bound, "no date"). Compared by year, month and day.
  static int FechaNoAnterior(std::string_view fecha, std::string_view limite, int estricto);
  // The mirror: not later than the bound (earlier, with `estricto`).
  static int FechaNoPosterior(std::string_view fecha, std::string_view limite, int estricto);
  static int FechaEnIntervalo(std::string_view fecha, std::string_view inferior, std::string_view superior,
                              int estricto = 0);

  // Whether a holder's name goes with the identification number; shows nothing. With a record and an offset that
  // is not 0 the name is first copied there, blank-padded to `ancho` characters.
  static int ValidarIdentificacion(std::string_view nif, std::string_view nombre, int desplazamiento = 0,
                                   char* registro = nullptr, int ancho = 0);

  // Findings (Hallazgos.cpp). Stores one finding of the declaration: one row per declaration and code, rewritten
  // in place, a row deleted by an earlier erase recalled before the file grows. Within one validation run (from
  // one BorrarHallazgos to the next) a warning (severity 0) never replaces an error of the same code. 1 stored
  // (or an error of this run kept), 0 not (the table layer has shown why).
  int AnadirHallazgo(std::string_view codigo, int vista, int numcontr, int severidad);
  // Erases every finding of the declaration and starts a new validation run. 1 done, 0 when the table did not
  // open or a row stayed (its lock was refused).
  int BorrarHallazgos();

 private:
  int ValidarNIFTipo(char* valor, int tipo);
  int ValidarFechaTipo(char* valor, int tipo);
  int ValidarFechaVisible(const char* valor);
  int ValidarCuenta(char* valor, int tipo);
  int ValidarAno(char* valor, int tipo);
  int ValidarImporte(double* valor, int tipo);
  int ValidarFechaEntre(char* valor, int tipo);
  void SumarRendimientosTrabajo(const unsigned char* detalle, int tipo);
  void SumarCapitalInmobiliario(const unsigned char* detalle);
  static void RepartirDeducciones(unsigned char* apartado);
  CBaseDatos* BaseDatos() const;

  std::string m_clave;
  void* m_pValorActual = nullptr;
  DatosRenta* m_pDatosRenta = nullptr;
  CBaseDatos* m_pBaseDatos = nullptr;
  // The codes written since the last erase, with the highest severity written.
  std::map<std::string, int> m_severidadesRonda;
};

}  // namespace marco
