// What every generated locale unit includes: the record types, the shared
// codes and constants, the placement attributes and the registrar.
#ifndef GLOSSAPACK_LOCALE_UNIT_H
#define GLOSSAPACK_LOCALE_UNIT_H

#include "glossa/vx_locale.h"
#include "glossapack/locale_registrar.h"
#include "glossapack/package_data.h"
#include "glossapack/placement.h"
#include "glossapack/shared_codes.h"

#endif
