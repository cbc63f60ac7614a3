// The detail dialogs of this folder, put into the framework's register by their window names. The program's
// start-up calls RegistrarDialogosDetalle once, before the first page is shown.
#pragma once

namespace dialogos {

void RegistrarDialogosDetalle();

}  // namespace dialogos
