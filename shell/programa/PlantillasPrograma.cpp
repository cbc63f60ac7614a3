// What the program is made of, registered once before start-up: the two declaration documents (income tax first,
// then wealth tax) with the declaration index dialog that chooses between them, the box edits of every type, the
// page views of both forms and of the wealth tax, and the detail dialogs that boxes open by window name.
// A static library keeps only what something refers to, so every module is named here explicitly.
#include "PartesPrograma.h"

#include <wx/docview.h>

#include "activities/DlgEpigrafes.h"
#include "activities/EditsActividad.h"
#include "activities/EditsModulos.h"
#include "d100/PaginasD100.h"
#include "dialogs/DialogosDetalle.h"
#include "framework/EditDetalle.h"
#include "framework/EditLista.h"
#include "framework/FabricaEdit.h"
#include "income/Pago.h"
#include "income/RentaComandos.h"
#include "income/SIM001.h"
#include "income/SIM002.h"
#include "income/SIM003.h"
#include "income/SIM004.h"
#include "output/Prevista.h"
#include "shell/DlgIndiceDeclaraciones.h"
#include "shell/Plantillas.h"
#include "wealth/C714Doc.h"
#include "wealth/C714Impre.h"
#include "wealth/PAT0Paginas.h"

namespace shell {

namespace {

void RegistrarPartesPrograma() {
  marco::RegistrarEditsFechaCasillaDetalle(marco::FabricaEdit());
  marco::RegistrarEditsTablas(marco::FabricaEdit());
  renta::ClasePaginaSIM001();
  renta::ClasePaginaSIM002();
  renta::ClasePaginaSIM003();
  renta::ClasePaginaSIM004();
  renta::ClasesPaginasFinales();
  ordinaria::ClasesPaginasD100();
  patrimonio::RegistrarPaginas714();
  dialogos::RegistrarDialogosDetalle();
  actividades::RegistrarEditsActividad(marco::FabricaEdit());
  actividades::RegistrarEditsModulos(marco::FabricaEdit());
  actividades::RegistrarDlgEpigrafes();
}

// Views the documents make by class name only (the draft presentation, the wealth-tax printing view): kept in
// the program by naming their classes here.
[[gnu::used]] wxClassInfo* const kVistasPorNombre[] = {wxCLASSINFO(salida::CPrevista),
                                                       wxCLASSINFO(patrimonio::C714Impre)};

}  // namespace

void RegistrarDeclaracionesPrograma(CRegistroDeclaraciones& registro) {
  RegistrarPartesPrograma();
  registro.AnadirPlantilla([](wxDocManager& gestor) {
    return new CDeclarTemplate(&gestor, kRecursoRenta, kTipoRenta, "Declaraci\u00f3n de la renta",
                               renta::ClaseDocumentoRenta(), nullptr);
  });
  registro.AnadirPlantilla([](wxDocManager& gestor) {
    return new CDeclarTemplate(&gestor, kRecursoPatrimonio, kTipoPatrimonio, "Declaraci\u00f3n de patrimonio",
                               wxCLASSINFO(patrimonio::C714Doc), nullptr);
  });
  registro.PonerIndiceDeclaraciones(PedirDeclaracionIndice);
}

}  // namespace shell
