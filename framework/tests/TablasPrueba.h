// What the table and message tests share: a folder of their own with tables made from source text and a second
// process that holds locks.
#pragma once

#include "CarpetaTablas.h"
#include "ProcesoAyudante.h"

namespace marco::pruebas {

using ::pruebas::CAyudante;
using ::pruebas::CCarpetaTablas;

}  // namespace marco::pruebas
