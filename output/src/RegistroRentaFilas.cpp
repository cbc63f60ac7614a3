// The income-tax record's per-person row filters and the part of the record after the reduction block: the marks
// and rows of section D (D1, D2, D3, module and agricultural activities) and the amounts of M4.
#include <cstring>
#include <string>

#include "framework/Utilidades.h"
#include "output/RegistroRenta.h"

namespace salida {

using namespace registro_renta;

namespace {

constexpr int kAnchoImporte = 13;

// Copies the rows of the area at `origen` that `tomar` accepts into the table, from its start, and lets `ajustar`
// change each copy; every row when `todas`. The table is cleared first.
template <std::size_t Filas, std::size_t Bytes, class Tomar, class Ajustar>
void CopiarFilas(CTablaTrabajo<Filas, Bytes>& tabla, const CAreaBytes& area, std::size_t origen, bool todas,
                 Tomar tomar, Ajustar ajustar) {
  tabla = {};
  std::size_t libre = 0;
  for (std::size_t r = 0; r < Filas; ++r) {
    const std::string_view fila = area.Bytes(origen + Bytes * r, Bytes);
    const CAreaBytes lectura(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(fila.data()), fila.size()));
    if (!todas && !tomar(lectura)) continue;
    std::memcpy(tabla[libre].data(), fila.data(), fila.size());
    if (!todas) ajustar(tabla[libre]);
    ++libre;
  }
}

template <std::size_t Filas, std::size_t Bytes>
void CopiarDelTitular(CTablaTrabajo<Filas, Bytes>& tabla, const CAreaBytes& area, std::size_t origen, bool todas,
                      int sujeto) {
  CopiarFilas(
      tabla, area, origen, todas, [sujeto](const CAreaBytes& f) { return f.Byte(0) == sujeto; },
      [](auto& fila) { fila[0] = 2; });
}

void FiltrarApartadoD(STablasApartadoD& tablas, const CAreaBytes& area, std::size_t bloque, bool todas, int sujeto) {
  for (std::size_t t = 0; t < 3; ++t) {
    CopiarDelTitular(tablas.largas[t], area, bloque + kTablasDLargas[t], todas, sujeto);
    CopiarDelTitular(tablas.cortas[t], area, bloque + kTablasDCortas[t], todas, sujeto);
  }
}

// The section's two marks as one digit: 2 for the first, 3 for the second, 1 for both.
void EscribirMarcaApartado(CEscritorRegistro& registro, const CAreaBytes& area, std::size_t bloque, std::size_t i) {
  int marca = (area.Byte(bloque + kMarcaD1 + i) == 'X' ? 2 : 0) + (area.Byte(bloque + kMarcaD2 + i) == 'X' ? 3 : 0);
  if (marca == 5) marca = 1;
  registro.Numero(marca, 1);
}

std::string Sin(std::string_view texto) {
  std::string copia(texto);
  marco::QuitarPuntos(copia);
  return copia;
}

// "1   ", "2   " or four blanks by the row's byte 1.
std::string_view Clase(const CAreaBytes& f) { return f.Byte(1) == 1 ? "1   " : f.Byte(1) == 2 ? "2   " : "    "; }

template <class Fila>
CAreaBytes Lectura(const Fila& fila) {
  return CAreaBytes(std::span<const std::uint8_t>(fila.data(), fila.size()));
}

void EscribirApartadoDFilas(CEscritorRegistro& registro, const STablasApartadoD& tablas) {
  for (std::size_t r = 0; r < kFilasD; ++r) {
    for (std::size_t t = 0; t < 3; ++t) {
      const CAreaBytes f = Lectura(tablas.largas[t][r]);
      registro.Numero(f.Byte(0), 1);
      if (t == 0) registro.Texto(Sin(f.Bytes(1, 5)), 4);
      if (t == 1) registro.Texto(Clase(f), 4);
      if (t == 2) registro.Texto(std::string(f.Bytes(1, 3)) + " ", 4);
      for (std::size_t k = 0; k < kImportesDLarga; ++k) registro.Importe(f.Double(8 + 8 * k), kAnchoImporte);
    }
  }
  for (std::size_t r = 0; r < kFilasD; ++r) {
    for (std::size_t t = 0; t < 3; ++t) {
      const CAreaBytes f = Lectura(tablas.cortas[t][r]);
      registro.Texto(f.Bytes(kTextoDCorta[t], 9), 9);
      registro.Texto(t == 1 ? std::string(Clase(f)) : Sin(f.Bytes(1, 5)), 4);
      registro.Numero(f.Byte(0), 1);
      registro.Importe(f.Double(16) * 100.0, kAnchoImporte);
      registro.Importe(f.Double(24), kAnchoImporte);
      registro.Importe(f.Double(32), kAnchoImporte);
    }
  }
}

// The 21 fields of an activity row: its key, holder, four amounts, five doubles times 100 and ten amounts; zeros
// when `ceros`.
void EscribirActividad(CEscritorRegistro& registro, const CAreaBytes& f, bool ceros, const std::string& clave,
                       std::size_t titular, const std::array<std::size_t, 4>& importes, std::size_t por100,
                       std::size_t diez) {
  if (ceros) {
    registro.Texto("0000", 4);
    registro.Numero(0, 1);
    for (int k = 0; k < 19; ++k) registro.Importe(0.0, kAnchoImporte);
    return;
  }
  registro.Texto(clave, 4);
  registro.Numero(f.Byte(titular), 1);
  for (const std::size_t d : importes) registro.Importe(f.Double(d), kAnchoImporte);
  for (std::size_t k = 0; k < 5; ++k) registro.Importe(f.Double(por100 + 8 * k) * 100.0, kAnchoImporte);
  for (std::size_t k = 0; k < 10; ++k) registro.Importe(f.Double(diez + 8 * k), kAnchoImporte);
}

}  // namespace

void CRegistroRenta::FiltrarFilasFamilia(const DatosRenta& datos, const SVistaRegistroRenta& vista) {
  const CAreaBytes area = CAreaBytes::De(datos);
  const bool todas = TodasLasFilas(vista);
  const bool pareja = vista.sujeto == 2 || vista.sujeto == 3;
  const std::size_t i = vista.sujeto >= 1 && vista.sujeto <= 5 ? static_cast<std::size_t>(vista.sujeto - 1) : 0;
  CopiarFilas(
      m_tablas->familia1, area, kFamilia1, todas,
      [&](const CAreaBytes& f) {
        if (!pareja) return false;
        const std::uint8_t marca = f.Byte(kFilaMarcas + i);
        if (marca != ' ' && marca != 0 && marca != '1') return false;
        const bool anterior =
            f.Byte(kFilaClase) != '2' && marco::NumeroDeCadena(f.Bytes(kFilaAnio, 4), 4) < kAnioLimiteFamilia;
        return anterior || (f.Byte(kFilaExclusion1) == 0 && f.Byte(kFilaExclusion2) == 0);
      },
      [](auto&) {});
  CopiarFilas(
      m_tablas->familia2, area, kFamilia2, todas,
      [&](const CAreaBytes& f) { return pareja && f.Byte(kFilaMarcas + i) == '1'; }, [](auto&) {});
}

void CRegistroRenta::FiltrarFilasD1(const DatosRenta& datos, const SVistaRegistroRenta& vista) {
  FiltrarApartadoD(m_tablas->d1, CAreaBytes::De(datos), kApartadoD1, TodasLasFilas(vista), vista.sujeto);
}

void CRegistroRenta::FiltrarFilasD2(const DatosRenta& datos, const SVistaRegistroRenta& vista) {
  FiltrarApartadoD(m_tablas->d2, CAreaBytes::De(datos), kApartadoD2, TodasLasFilas(vista), vista.sujeto);
}

void CRegistroRenta::FiltrarFilasD4(const DatosRenta& datos, const SVistaRegistroRenta& vista) {
  const int sujeto = vista.sujeto;
  CopiarFilas(
      m_tablas->d4, CAreaBytes::De(datos), kApartadoD4, TodasLasFilas(vista),
      [sujeto](const CAreaBytes& f) { return f.Byte(kD4Titular) == sujeto; },
      [](auto& fila) {
        fila[kD4Titular] = 2;
        fila[kD4Titular2] = 2;
      });
}

void CRegistroRenta::FiltrarFilasD5(const DatosRenta& datos, const SVistaRegistroRenta& vista) {
  const int sujeto = vista.sujeto;
  CopiarFilas(
      m_tablas->d5, CAreaBytes::De(datos), kApartadoD5 + kD5Origen, TodasLasFilas(vista),
      [sujeto](const CAreaBytes& f) { return f.Byte(kD5Titular) == sujeto; },
      [](auto& fila) {
        fila[kD5Titular] = 2;
        fila[kD5Titular2] = 2;
      });
}

void CRegistroRenta::EscribirApartadoD(CEscritorRegistro& registro, const DatosRenta& datos,
                                       const SVistaRegistroRenta& vista) {
  const CAreaBytes area = CAreaBytes::De(datos);
  const std::size_t i = static_cast<std::size_t>(vista.sujeto - 1);

  EscribirMarcaApartado(registro, area, kApartadoD1, i);
  FiltrarFilasD1(datos, vista);
  EscribirApartadoDFilas(registro, m_tablas->d1);
  EscribirMarcaApartado(registro, area, kApartadoD2, i);
  FiltrarFilasD2(datos, vista);
  EscribirApartadoDFilas(registro, m_tablas->d2);

  for (const std::size_t d : kApartadoD3Importes)
    registro.Importe(area.Double(kApartadoD3 + d + kSlot * i), kAnchoImporte);

  // Module activities: a row with a value at 1,536 goes to the second group, any other to the first.
  FiltrarFilasD4(datos, vista);
  for (const auto& fila : m_tablas->d4) {
    const CAreaBytes f = Lectura(fila);
    EscribirActividad(registro, f, f.Double(kD4Condicion) != 0.0, Sin(f.Bytes(0, 5)), kD4Titular, kD4Importes,
                      kD4Por100, kD4Importes10);
  }
  for (const auto& fila : m_tablas->d4) {
    const CAreaBytes f = Lectura(fila);
    const double condicion = f.Double(kD4Condicion);
    registro.Texto(f.Bytes(kD4Texto, 9), 9);
    registro.Texto(Sin(f.Bytes(kD4Clave, 5)), 4);
    registro.Numero(condicion != 0.0 ? f.Byte(kD4Titular2) : 0, 1);
    registro.Importe(condicion * 100.0, kAnchoImporte);
    for (const std::size_t d : kD4Finales) registro.Importe(f.Double(d), kAnchoImporte);
  }

  // Agricultural activities, likewise around the value at 2,040.
  EscribirMarcaApartado(registro, area, kApartadoD5, i);
  FiltrarFilasD5(datos, vista);
  for (const auto& fila : m_tablas->d5) {
    const CAreaBytes f = Lectura(fila);
    const std::string clave{static_cast<char>(f.Byte(0)), ' ', ' ', ' '};
    EscribirActividad(registro, f, f.Double(kD5Condicion) != 0.0, clave, kD5Titular, kD5Importes, kD5Por100,
                      kD5Importes10);
  }
  for (const auto& fila : m_tablas->d5) {
    const CAreaBytes f = Lectura(fila);
    const double condicion = f.Double(kD5Condicion);
    registro.Texto(f.Bytes(kD5Texto, 9), 9);
    registro.Numero(condicion != 0.0 ? f.Byte(kD5Titular2) : 0, 1);
    registro.Importe(condicion * 100.0, kAnchoImporte);
    for (const std::size_t d : kD5Finales) registro.Importe(f.Double(d), kAnchoImporte);
  }

  for (std::size_t k = 0; k < kM4Cuenta; ++k) {
    registro.Importe(area.Double(kApartadoM4 + kM4Inicio + kM4Paso * k + kSlot * i), kAnchoImporte);
  }
  registro.Importe(area.Double(kApartadoM4 + kM4Ultimo + kSlot * i), kAnchoImporte);
}

}  // namespace salida
