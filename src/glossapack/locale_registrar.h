// The registration step of a locale unit: one static LocaleRegistrar per
// locale, defined after the locale's records, hands the root to the catalog
// while the package loads. It has no data and no destructor; locales are
// never withdrawn.
#ifndef GLOSSAPACK_LOCALE_REGISTRAR_H
#define GLOSSAPACK_LOCALE_REGISTRAR_H

#include "glossa/vx_locale.h"

namespace glossapack {

class LocaleRegistrar {
public:
    // The catalog is asked for anew each time; its answer to Register is
    // the catalog's affair and is not looked at.
    explicit LocaleRegistrar(const vx_locale_storage& root);
};

}  // namespace glossapack

#endif
