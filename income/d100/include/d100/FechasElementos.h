// The dates of the transferred elements of section F: each row holds the date the element was acquired and the date
// it was transferred (8 characters, day, month, four-digit year; blank or NUL when none). Section F2 (page ORD008)
// takes elements held two years or less, section F3 (page ORD009) elements held more than two years; both take
// transfers of the fiscal year 1999 only.
//
// A typed date that breaks a rule is refused in one of two ways: when the row keeps no earlier copy of that date the
// page shows an error and the date is cleared; when it keeps one, the page asks, and Corregir puts the earlier date
// back while any other answer clears the date and the amounts that depended on it.
#pragma once

#include <functional>
#include <string_view>

namespace ordinaria {

// Which holding period a section takes.
enum class EPlazoElemento { HastaDosAnos, MasDeDosAnos };

enum class EProblemaFecha { Ninguno, FueraDelEjercicio, SegundaAnterior, Plazo };

// Whether a date is present: its first character is neither NUL nor a blank.
bool FechaPresente(std::string_view fecha);
// The year of a date (characters 5 to 8), 0 when they are not four digits.
int AnoFecha(std::string_view fecha);

// The first rule the two dates of a row break, in the order of the checks: the transfer not in 1999 (only when
// `anoTransmision`), the transfer before the acquisition, the holding period outside the section's. Two years
// exactly (an anniversary) is "two years or less". A rule that needs a missing date is not tested.
EProblemaFecha ProblemaFechas(std::string_view adquisicion, std::string_view transmision, bool anoTransmision,
                              EPlazoElemento plazo);

// The messages of a problem: the error when no earlier copy of the date is kept, the question when one is.
struct SMensajesFecha {
  std::string_view error;
  std::string_view pregunta;
};
SMensajesFecha MensajesFecha(EProblemaFecha problema, EPlazoElemento plazo);

// A date of a row refused for `problema` (see above): `fecha` the row's date, `copia` the earlier copy the row keeps
// of it; `vaciar` clears the amounts that depended on the date when it goes after the question.
void RechazarFechaFila(unsigned char* fecha, const unsigned char* copia, EProblemaFecha problema, EPlazoElemento plazo,
                       const std::function<void()>& vaciar);

// The message of an acquisition date left alone, without its transfer, that cannot belong to the section (F2: before
// 1997; F3: after 1997). Empty when it can.
std::string_view ProblemaAdquisicionSola(std::string_view adquisicion, EPlazoElemento plazo);

// The years of the fiscal year and the messages.
inline constexpr int kEjercicio = 1999;
inline constexpr std::string_view kMensajeAdquisicionSola = "100V150";
inline constexpr std::string_view kMensajeFechaFueraVentana = "100V163";

}  // namespace ordinaria
