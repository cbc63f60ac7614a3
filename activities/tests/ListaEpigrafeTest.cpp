#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "CarpetaTablas.h"
#include "activities/ListaEpigrafe.h"
#include "framework/BaseDatos.h"
#include "framework/CatalogoTablas.h"
#include "framework/Campo.h"
#include "framework/MensajeGuion.h"
#include "platform/Texto.h"

namespace actividades {
namespace {

// The headings of key 6594 for three activity types, then a heading of the next key of type 3.
class ListaEpigrafe : public ::pruebas::CCarpetaTablas {
 protected:
  void SetUp() override {
    CCarpetaTablas::SetUp();
    CrearTabla("Tablas",
               "TABLA Tablas\nCAMPO NomTabla  C 50\nCAMPO NomOrden  C 50\nCAMPO CamClave  C 50\n"
               "CAMPO CamDescr  C 50\nCAMPO CamDescr2 C 50\nCAMPO CamDevol  C 50\nCAMPO CamFiltro C 50\n"
               "CAMPO ordenada  L\nCAMPO Cortar    L\nFILAS\n"
               "EPIGRAFE|CLAVE|clave|descripc||clave|seccion|T|F\n");
    CrearTabla("EPIGRAFE",
               "TABLA EPIGRAFE\nCAMPO clave C 5\nCAMPO descripc C 47\nCAMPO seccion C 1\n"
               "ETIQUETA CLAVE clave\nFILAS\n"
               "6594 |COMERCIO DE LIBROS|1\n"
               "6594 |LIBREROS PROFESIONALES|2\n"
               "6595 |OTRO DE ARTISTAS|3\n");
    base_.Abrir(Carpeta(), false, 1, "DBF");
    std::memset(valor_.data(), ' ', valor_.size());
    campo_.StrValidac = "L47";
    campo_.LeerMascara(marco::kMonedaPesetas);
    campo_.Dato = valor_.data();
    campo_.FicheroTab = "EPIGRAFE.TAB";
    enlace_.filtro = tipo_;
    enlace_.anchoFiltro = 1;
    campo_.Enlace = &enlace_;
  }

  std::string Buscar(char tipo, std::string_view clave) {
    tipo_[0] = tipo;
    CListaEpigrafe lista(campo_, &base_);
    std::string descripcion;
    std::string filtro;
    lista.BuscarClave(clave, descripcion, filtro);
    EXPECT_EQ(descripcion.size(), 255u);
    return std::string(plataforma::RecortaDerecha(descripcion));
  }

  marco::CGuionMensajes guion_;
  marco::CBaseDatos base_;
  std::array<char, 47> valor_{};
  char tipo_[2] = {'1', '\0'};
  marco::SEnlaceTabla enlace_;
  marco::CCampo campo_;
};

TEST_F(ListaEpigrafe, PrefiereElEpigrafeDelTipoDeActividad) {
  EXPECT_EQ(Buscar('1', "6594 "), "COMERCIO DE LIBROS");
  EXPECT_EQ(Buscar('2', "6594 "), "LIBREROS PROFESIONALES");
  // No heading of the key is of type 3: the last of the key, never the next key's.
  EXPECT_EQ(Buscar('3', "6594 "), "LIBREROS PROFESIONALES");
  EXPECT_EQ(Buscar('1', "9999 "), "");
  EXPECT_TRUE(guion_.Codigos().empty());
}

}  // namespace
}  // namespace actividades
