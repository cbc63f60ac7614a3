// The income-tax document's side of the family-data wizard: showing it on a copy of RegDatosFamilia, taking the
// copy back when it finished, and deleting the stored row of a new declaration whose family data were cancelled.
#include <wx/app.h>
#include <wx/window.h>

#include "framework/BaseDatos.h"
#include "framework/Pista.h"
#include "framework/Prog32DocReglas.h"
#include "framework/ReferenciaReglas.h"
#include "framework/Tabla.h"
#include "income/DatosFamilia.h"
#include "income/DatosFamiliaReglas.h"
#include "income/DatosMiembros.h"
#include "income/RentaDoc.h"
#include "income/RentaReglas.h"

namespace renta {

void CRentaDoc::EditarRegDatosFamilia() {
  wxWindow* padre = wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr;
  CDatosFam asistente(kTituloDatosFamilia, padre);
  asistente.PonerDocumento(this);
  asistente.PonerNuevaDeclaracion(m_bEditandoNueva);
  asistente.Registro() = m_datos.DatosFamilia;
  asistente.AniosDeHijos() = LeerAniosHijos(m_datos.Identificacion);
  if (asistente.DoModal() != kAsistenteTerminado) return;
  // The entries of a member who left become the declarant's, as the user chose when the wizard asked.
  for (int sujeto : asistente.MiembrosQueSalen()) PasarEntradasAlDeclarante(m_datos, sujeto);
  TomarDatosFamilia(asistente.Registro(), asistente.AniosDeHijos());
}

void CRentaDoc::TomarDatosFamilia(const RegDatosFamilia& familia, const AniosHijos& hijos) {
  m_datos.DatosFamilia = familia;
  marco::PonerRecomponerIdentificacion(true);
  ActualizarSujetos();
  CopiarDatosPersonales(m_datos.DatosFamilia, hijos, m_datos.Identificacion);
  Modify(true);
  // A new declaration goes on to its form, which shows it; an open one is shown again for its persons.
  if (m_bEditandoNueva) return;
  RefrescarPanelesEstado();
  ActualizarVistas(marco::kPistaSujeto);
  Calcular(1);
}

int CRentaDoc::BorrarDeclaracionGuardada() {
  // The document's own lock on the row goes first, as when a declaration never saved is closed.
  SoltarDeclaracion();
  int borrada = 0;
  {
    marco::CTabla tabla(marco::DameBaseDatosRed());
    if (tabla.Abrir(0, marco::kOrdenClave, marco::kTablaDatosDec) != 0) {
      borrada = tabla.BorrarClave(marco::ClaveBusquedaDeclaracion(DameClave(), tabla.LongitudCampo("clave")), false,
                                  marco::kOrdenClave);
    }
    tabla.Cerrar();
  }
  if (wxTheApp != nullptr && wxTheApp->GetTopWindow() != nullptr) wxTheApp->GetTopWindow()->Refresh();
  if (borrada == 0) {
    // The row stays: the document holds it again.
    CProg32Doc::CargarDeclaracion();
    return 0;
  }
  m_bDeclaracionBorrada = true;
  PonerNoGuardada(false);
  Modify(false);
  return 1;
}

}  // namespace renta
