// The capital-income detail dialogs of sections B and C, put into the framework's register by their window names:
// IDD_INMOBILIARIO, IDD_DIVID6, IDD_INGRET6 and IDD_INREGA6. Each runs on a copy of the box's detail block and
// writes it back only on OK; a block of another size than the dialog's opens nothing.
#pragma once

namespace dialogos {

void RegistrarDialogosCapital();

}  // namespace dialogos
