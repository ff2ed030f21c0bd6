// A stand-in for glossa, the outside locale catalog. It keeps the roots that
// locale packages register, in the order received, and lets tests and tools
// read them back. It does not answer locale questions itself.
//
// Thread safety: every member may be called from any thread; registration
// normally happens on the thread that loads a package, under the loader lock.
#ifndef GLOSSA_VX_LOCALE_CATALOG_H
#define GLOSSA_VX_LOCALE_CATALOG_H

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "glossa/export.h"
#include "glossa/vx_locale.h"

class GLOSSA_API vx_locale_catalog {
public:
    // Result codes of Register. Defined in the library (not inline), so
    // that a program importing the DLL can take their address.
    static const long registered = 0;
    static const long rejected_null = -1;
    static const long rejected_duplicate = -2;

    // What a root held at the moment it was registered, so that callers can
    // check the completion a package performs before Register.
    struct Registration {
        const vx_locale_storage* root = nullptr;
        const void* reserved = nullptr;
        bool has_time = false;
        std::int32_t settings[4] = {0, 0, 0, 0};
    };

    // The process's one catalog. Usable during the static initialisation of
    // any library that links this one.
    static vx_locale_catalog* GetInstance();

    // Keeps `storage` (not a copy); the tree must stay valid and unchanged
    // while it is registered. A null root or one already registered is
    // refused with a negative code and not kept.
    long Register(const vx_locale_storage* storage);

    std::size_t count() const;
    // The index-th root in registration order; null if out of range.
    const vx_locale_storage* root(std::size_t index) const;
    std::vector<const vx_locale_storage*> roots() const;
    std::vector<Registration> registrations() const;

    // Finds a root by "language_TERRITORY.codepage" ("af_ZA.CP1252") or by
    // "language_TERRITORY" ("af_ZA"); the pseudo-locale is "i18n.CP1252" or
    // "i18n". Case-sensitive. Null if there is none.
    const vx_locale_storage* find(const std::string& name) const;

    // The name for `code` in a name table, found by bisection over the
    // ascending codes; case-sensitive. Null if the table has no such code.
    static const char16_t* name_for(const vx_name_table& table, const char* code);

    // The catalog name of a root, as find accepts it with code page.
    static std::string name_of(const vx_locale_storage& root);
    static std::string short_name_of(const vx_locale_storage& root);

    // Forgets every root. For measuring programs that unload and reload a
    // package; a real catalog never withdraws locales.
    void clear();

    vx_locale_catalog(const vx_locale_catalog&) = delete;
    vx_locale_catalog& operator=(const vx_locale_catalog&) = delete;

private:
    vx_locale_catalog() = default;
    ~vx_locale_catalog() = default;

    mutable std::mutex mutex_;
    std::vector<Registration> registrations_;
};

#endif
