// The stand-in's only operating-system dependent code: loading a library by
// path.
#include "glossa/package_loader.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace glossa {

#if defined(_WIN32)

bool load_package(const std::string& path, std::string& error) {
    if (LoadLibraryA(path.c_str()) == nullptr) {
        error = "cannot load " + path + ": error " + std::to_string(GetLastError());
        return false;
    }
    return true;
}

bool unload_package(const std::string& path, std::string& error) {
    HMODULE module = GetModuleHandleA(path.c_str());
    if (module == nullptr || !FreeLibrary(module)) {
        error = "cannot unload " + path + ": error " + std::to_string(GetLastError());
        return false;
    }
    return true;
}

#else

bool load_package(const std::string& path, std::string& error) {
    // Deliberately kept open: the catalog holds pointers into the package.
    if (dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL) == nullptr) {
        const char* message = dlerror();
        error = "cannot load " + path + ": " + (message != nullptr ? message : "unknown error");
        return false;
    }
    return true;
}

bool unload_package(const std::string& path, std::string& error) {
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) {
        error = path + " is not loaded";
        return false;
    }
    dlclose(handle);  // the reference taken just now
    if (dlclose(handle) != 0) {
        const char* message = dlerror();
        error = "cannot unload " + path + ": " + (message != nullptr ? message : "unknown error");
        return false;
    }
    return true;
}

#endif

}  // namespace glossa
