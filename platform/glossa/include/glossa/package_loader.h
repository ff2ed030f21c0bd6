// Loads a locale package into the process, which registers its locales with
// the catalog during the load. Packages are never unloaded by this call.
#ifndef GLOSSA_PACKAGE_LOADER_H
#define GLOSSA_PACKAGE_LOADER_H

#include <string>

#include "glossa/export.h"

namespace glossa {

// Returns false and sets `error` when the library cannot be loaded. Loading
// the same library again is harmless: the operating system keeps one copy and
// runs its initialisation once.
GLOSSA_API bool load_package(const std::string& path, std::string& error);

// Unloads a package loaded by load_package. The catalog still holds its roots
// afterwards; call vx_locale_catalog::clear first. For measuring programs.
GLOSSA_API bool unload_package(const std::string& path, std::string& error);

}  // namespace glossa

#endif
