#include "glossapack/locale_registrar.h"

#include "glossa/vx_locale_catalog.h"

namespace glossapack {

LocaleRegistrar::LocaleRegistrar(const vx_locale_storage& root) {
    vx_locale_catalog::GetInstance()->Register(&root);
}

}  // namespace glossapack
