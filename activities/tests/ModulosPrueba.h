// A small hand-made catalogue for the tests: the shipped sources of the module tables (their fields and tags)
// with rows of made-up activities and amounts that belong to no tax order.
//
// Activities: 10 "659.1" (income tax and VAT, one income-tax module), 20 "659.4" (two income-tax modules, one VAT
// module, percentage, minimum quota, epigraphs 659.2 and 659.4), 30 "501.3" (only "mod_iva": one income-tax
// module missing from MOD, one VAT module), 40 "011.1" (agrarian: limits in MAXMOD, no income-tax modules).
#pragma once

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "CarpetaTablas.h"
#include "activities/CargaModulos.h"
#include "framework/BaseDatos.h"
#include "framework/MensajeGuion.h"

namespace actividades::pruebas {

inline std::string FuenteModulos(const std::string& tabla) {
  std::ifstream f(std::string(KORVELIX_FUENTES_MODULOS) + "/" + tabla + ".txt");
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

inline const std::map<std::string, std::string>& FilasPrueba() {
  static const std::map<std::string, std::string> filas{
      {"IAEMOD",
       "10|659.1|COMERCIO DE PRUEBA UNO|F|F|T|F|T|F|F\n"
       "20|659.4|COMERCIO DE PRUEBA DOS|T|F|T|F|T|F|F\n"
       "30|501.3|ALBAÑILERIA DE PRUEBA|F|F|F|T|F|F|F\n"
       "40|011.1|AGRARIA DE PRUEBA|F|T|F|F|F|T|T\n"},
      {"EPIMOD", "10|Descripción larga de la actividad uno\n20|\n"},
      {"LISTAMOD", "10|659.1\n20|659.2\n20|659.4\n30|501.3\n"},
      {"IRPFMOD", "10|1|100\n20|1|111.5\n20|2|222\n30|3|333\n"},
      {"IRPFM7", "20|1|11.25\n20|2|22\n"},
      {"IVAMOD", "20|5|55\n30|6|66\n"},
      {"MOD",
       "1|PERSONAL ASALARIADO DE PRUEBA|PERSONAL ASALARIADO|PERS. ASALARIAD|PERSONA|PERSONA\n"
       "2|PERSONAL NO ASALARIADO DE PRUEBA|PERSONAL NO ASALARIADO|PERS. NO ASALAR|PERSONA|PERSONA\n"
       "5|SUPERFICIE DEL LOCAL|SUPERFICIE LOCAL|SUPERF. LOCAL|METRO CUADRADO|M2\n"
       "6|POTENCIA ELECTRICA|POTENCIA ELECTRICA|POTENCIA ELECT.|KILOVATIO CONTRATADO|KW\n"},
      {"MAXMOD", "10|1000|5\n20|2000|6\n40|4000|2\n"},
      {"MAXMOD7", "20|1800|6\n"},
      {"PORMOD", "20|0.5\n"},
      {"CUOTAMIN", "20|777\n"},
  };
  return filas;
}

class CPruebaModulos : public ::pruebas::CCarpetaTablas {
 protected:
  void SetUp() override {
    CCarpetaTablas::SetUp();
    for (const auto& [tabla, filas] : FilasPrueba()) CrearTabla(tabla, FuenteModulos(tabla) + filas);
    // The Castilian twins of the tables with texts, as the boxes name them.
    for (const char* tabla : {"IAEMOD", "EPIMOD"}) {
      CrearTabla(std::string(tabla) + "_E", FuenteModulos(tabla) + FilasPrueba().at(tabla));
    }
    CrearTabla("MOD____E", FuenteModulos("MOD") + FilasPrueba().at("MOD"));
    base_.Abrir(Carpeta(), false, 1, "DBF");
    carga_.PonerBaseDatos(&base_);
  }

  // A loader of the selection kind `clase` (the high byte; the low byte 1 as the openers give it).
  CCargaModulos& Carga(int clase) {
    carga_.PonerTipoSeleccion(static_cast<std::uint16_t>((clase << 8) | 1));
    return carga_;
  }

  marco::CGuionMensajes guion_;
  marco::CBaseDatos base_;
  CCargaModulos carga_;
};

}  // namespace actividades::pruebas
