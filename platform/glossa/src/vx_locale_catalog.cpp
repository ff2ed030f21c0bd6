#include "glossa/vx_locale_catalog.h"

#include <algorithm>
#include <cstring>

const long vx_locale_catalog::registered;
const long vx_locale_catalog::rejected_null;
const long vx_locale_catalog::rejected_duplicate;

vx_locale_catalog* vx_locale_catalog::GetInstance() {
    // Never destroyed: packages may still be unloading after static
    // destruction of this library has begun.
    static vx_locale_catalog* const instance = new vx_locale_catalog();
    return instance;
}

long vx_locale_catalog::Register(const vx_locale_storage* storage) {
    if (storage == nullptr) {
        return rejected_null;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    const bool known = std::any_of(registrations_.begin(), registrations_.end(),
                                   [storage](const Registration& r) { return r.root == storage; });
    if (known) {
        return rejected_duplicate;
    }
    Registration r;
    r.root = storage;
    r.reserved = storage->m_Reserved;
    if (const vx_ctime_impl::StaticStorage* time = storage->m_Time) {
        r.has_time = true;
        r.settings[0] = time->m_Setting0;
        r.settings[1] = time->m_Setting1;
        r.settings[2] = time->m_Setting2;
        r.settings[3] = time->m_Setting3;
    }
    registrations_.push_back(r);
    return registered;
}

std::size_t vx_locale_catalog::count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return registrations_.size();
}

const vx_locale_storage* vx_locale_catalog::root(std::size_t index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return index < registrations_.size() ? registrations_[index].root : nullptr;
}

std::vector<const vx_locale_storage*> vx_locale_catalog::roots() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<const vx_locale_storage*> result;
    result.reserve(registrations_.size());
    for (const Registration& r : registrations_) {
        result.push_back(r.root);
    }
    return result;
}

std::vector<vx_locale_catalog::Registration> vx_locale_catalog::registrations() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return registrations_;
}

std::string vx_locale_catalog::short_name_of(const vx_locale_storage& root) {
    const vx_locale_identity* id = root.m_Identity;
    if (id == nullptr || id->m_Territory == nullptr) {
        return std::string();
    }
    if (id->m_Language == nullptr) {
        return id->m_Territory;
    }
    return std::string(id->m_Language) + "_" + id->m_Territory;
}

std::string vx_locale_catalog::name_of(const vx_locale_storage& root) {
    std::string name = short_name_of(root);
    if (!name.empty() && root.m_Identity->m_CodePage != nullptr) {
        name += ".";
        name += root.m_Identity->m_CodePage;
    }
    return name;
}

const vx_locale_storage* vx_locale_catalog::find(const std::string& name) const {
    std::lock_guard<std::mutex> lock(mutex_);
    const bool with_code_page = name.find('.') != std::string::npos;
    for (const Registration& r : registrations_) {
        if ((with_code_page ? name_of(*r.root) : short_name_of(*r.root)) == name) {
            return r.root;
        }
    }
    return nullptr;
}

const char16_t* vx_locale_catalog::name_for(const vx_name_table& table, const char* code) {
    if (code == nullptr || table.m_Entries == nullptr) {
        return nullptr;
    }
    std::uint32_t low = 0;
    std::uint32_t high = table.m_Count;
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        const int order = std::strcmp(table.m_Entries[middle].m_Code, code);
        if (order == 0) {
            return table.m_Entries[middle].m_Name;
        }
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return nullptr;
}

void vx_locale_catalog::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    registrations_.clear();
}
