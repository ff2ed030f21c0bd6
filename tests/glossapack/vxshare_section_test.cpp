// The shared texts section of the built package, read from its ELF file and
// from the loaded process: it exists, is read-only, needs no relocation, and
// holds the texts that the trees point to (and nothing that points).
#include <dlfcn.h>
#include <elf.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "package_fixture.h"

namespace {

using glossapack_test::catalog;

struct Range {
    std::uint64_t begin = 0;
    std::uint64_t end = 0;
    bool contains(std::uint64_t address) const { return address >= begin && address < end; }
};

// The parts of a 64-bit ELF file that these checks read.
struct ElfFile {
    std::vector<char> bytes;
    const Elf64_Ehdr* header = nullptr;

    explicit ElfFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes.size() >= sizeof(Elf64_Ehdr) && std::memcmp(bytes.data(), ELFMAG, SELFMAG) == 0 &&
            bytes[EI_CLASS] == ELFCLASS64) {
            header = reinterpret_cast<const Elf64_Ehdr*>(bytes.data());
        }
    }
    template <class T>
    const T* at(std::uint64_t offset) const {
        return offset + sizeof(T) <= bytes.size() ? reinterpret_cast<const T*>(bytes.data() + offset) : nullptr;
    }
    std::vector<const Elf64_Shdr*> sections() const {
        std::vector<const Elf64_Shdr*> out;
        for (unsigned i = 0; i < header->e_shnum; ++i) {
            out.push_back(at<Elf64_Shdr>(header->e_shoff + std::uint64_t(i) * header->e_shentsize));
        }
        return out;
    }
    std::vector<const Elf64_Phdr*> segments() const {
        std::vector<const Elf64_Phdr*> out;
        for (unsigned i = 0; i < header->e_phnum; ++i) {
            out.push_back(at<Elf64_Phdr>(header->e_phoff + std::uint64_t(i) * header->e_phentsize));
        }
        return out;
    }
    std::string section_name(const Elf64_Shdr& section) const {
        const Elf64_Shdr* names = sections()[header->e_shstrndx];
        return std::string(bytes.data() + names->sh_offset + section.sh_name);
    }
    const Elf64_Shdr* section(const std::string& name) const {
        for (const Elf64_Shdr* s : sections()) {
            if (section_name(*s) == name) {
                return s;
            }
        }
        return nullptr;
    }
};

class VxshareSectionTest : public glossapack_test::PackageTest {
protected:
    void SetUp() override {
        ASSERT_NE(elf.header, nullptr) << GLOSSAPACK_PATH << " is no 64-bit ELF file";
        vxshare = elf.section("vxshare");
        ASSERT_NE(vxshare, nullptr) << "no vxshare section";
        Dl_info info{};
        ASSERT_NE(dladdr(catalog().root(0), &info), 0);
        base = reinterpret_cast<std::uintptr_t>(info.dli_fbase);
        loaded = Range{base + vxshare->sh_addr, base + vxshare->sh_addr + vxshare->sh_size};
    }

    bool shared(const void* p) const { return loaded.contains(reinterpret_cast<std::uintptr_t>(p)); }

    ElfFile elf{GLOSSAPACK_PATH};
    const Elf64_Shdr* vxshare = nullptr;
    std::uintptr_t base = 0;
    Range loaded;
};

TEST_F(VxshareSectionTest, IsReadOnlyInitialisedData) {
    EXPECT_EQ(vxshare->sh_type, static_cast<Elf64_Word>(SHT_PROGBITS));
    EXPECT_TRUE(vxshare->sh_flags & SHF_ALLOC);
    EXPECT_FALSE(vxshare->sh_flags & SHF_WRITE);
    EXPECT_FALSE(vxshare->sh_flags & SHF_EXECINSTR);
    EXPECT_GT(vxshare->sh_size, 500u * 1024u);

    // Its segment is mapped read-only from the file and never made writable
    // for relocation.
    const Range section{vxshare->sh_addr, vxshare->sh_addr + vxshare->sh_size};
    bool in_load = false;
    for (const Elf64_Phdr* segment : elf.segments()) {
        const Range covered{segment->p_vaddr, segment->p_vaddr + segment->p_memsz};
        if (!covered.contains(section.begin)) {
            continue;
        }
        if (segment->p_type == PT_LOAD) {
            in_load = true;
            EXPECT_FALSE(segment->p_flags & PF_W);
            EXPECT_GE(segment->p_filesz, section.end - segment->p_vaddr) << "texts must come from the file";
        }
        EXPECT_NE(segment->p_type, static_cast<Elf64_Word>(PT_GNU_RELRO));
    }
    EXPECT_TRUE(in_load);
}

TEST_F(VxshareSectionTest, NoRelocationWritesIntoIt) {
    const Range section{vxshare->sh_addr, vxshare->sh_addr + vxshare->sh_size};
    std::size_t relocations = 0;
    for (const Elf64_Shdr* s : elf.sections()) {
        if (s->sh_type == SHT_RELA) {
            for (std::uint64_t off = 0; off + sizeof(Elf64_Rela) <= s->sh_size; off += sizeof(Elf64_Rela)) {
                const Elf64_Rela* r = elf.at<Elf64_Rela>(s->sh_offset + off);
                ASSERT_NE(r, nullptr);
                EXPECT_FALSE(section.contains(r->r_offset)) << "relocation at 0x" << std::hex << r->r_offset;
                ++relocations;
            }
        } else if (s->sh_type == SHT_REL) {
            for (std::uint64_t off = 0; off + sizeof(Elf64_Rel) <= s->sh_size; off += sizeof(Elf64_Rel)) {
                const Elf64_Rel* r = elf.at<Elf64_Rel>(s->sh_offset + off);
                ASSERT_NE(r, nullptr);
                EXPECT_FALSE(section.contains(r->r_offset)) << "relocation at 0x" << std::hex << r->r_offset;
                ++relocations;
            }
        }
    }
    // The records point into the section, so there are many relocations
    // elsewhere; none of them may land in it.
    EXPECT_GT(relocations, 10000u);
}

TEST_F(VxshareSectionTest, TreesPointIntoItAndLieOutsideIt) {
    std::size_t texts = 0;
    auto text = [&](const void* p, const std::string& where) {
        EXPECT_TRUE(shared(p)) << where << " text is not in vxshare";
        ++texts;
    };
    auto list = [&](const char16_t* const* items, std::size_t n, const std::string& where) {
        EXPECT_FALSE(shared(items)) << where << " list lies in vxshare";
        for (std::size_t i = 0; i < n; ++i) {
            text(items[i], where);
        }
    };
    for (const vx_locale_storage* root : catalog().roots()) {
        const std::string where = vx_locale_catalog::short_name_of(*root);
        const vx_locale_identity& id = *root->m_Identity;
        EXPECT_FALSE(shared(root)) << where;
        EXPECT_FALSE(shared(&id)) << where;
        for (const void* p : {static_cast<const void*>(id.m_Territory), static_cast<const void*>(id.m_Name),
                              static_cast<const void*>(id.m_BaseName), static_cast<const void*>(id.m_DisplayName),
                              static_cast<const void*>(id.m_TextLanguage),
                              static_cast<const void*>(id.m_IsLanguageDefault)}) {
            text(p, where);
        }
        // Code page texts and table descriptors are constant data, not texts.
        EXPECT_FALSE(shared(id.m_CodePage)) << where;
        EXPECT_FALSE(shared(id.m_CodePageDescription)) << where;
        EXPECT_FALSE(shared(id.m_LanguageNames)) << where;
        for (const vx_name_table* table : {id.m_LanguageNames, id.m_TerritoryNames}) {
            EXPECT_FALSE(shared(table->m_Entries)) << where;
            for (unsigned i = 0; i < table->m_Count; ++i) {
                text(table->m_Entries[i].m_Code, where);
                text(table->m_Entries[i].m_Name, where);
            }
        }
        if (root->m_Numeric == nullptr) {
            continue;
        }
        text(id.m_Language, where);
        const vx_numeric_storage& num = *root->m_Numeric;
        EXPECT_FALSE(shared(&num)) << where;
        text(num.m_Grouping, where);
        text(num.m_Digits, where);
        text(num.m_True, where);
        text(num.m_False, where);
        list(num.m_Patterns, 4, where);
        const vx_ctime_impl::StaticStorage& cal = *root->m_Time;
        EXPECT_FALSE(shared(&cal)) << where;
        list(cal.m_DayAbbreviations, 7, where);
        list(cal.m_DayNames, 7, where);
        list(cal.m_MonthAbbreviations, 12, where);
        list(cal.m_MonthNames, 12, where);
        list(cal.m_AmPm, 2, where);
        list(cal.m_Era.m_Names, 4, where);
        list(cal.m_Patterns, 15, where);
        list(cal.m_CommonEras, 2, where);
        list(cal.m_QuarterAbbreviations, 4, where);
        list(cal.m_QuarterNames, 4, where);
        for (const void* p : {static_cast<const void*>(cal.m_DefaultDateTimeFormat),
                              static_cast<const void*>(cal.m_DefaultDateFormat),
                              static_cast<const void*>(cal.m_DefaultTimeFormat),
                              static_cast<const void*>(cal.m_DefaultAmPmTimeFormat),
                              static_cast<const void*>(cal.m_DateSeparator),
                              static_cast<const void*>(cal.m_TimeSeparator)}) {
            text(p, where);
        }
        EXPECT_FALSE(shared(cal.m_Era.m_Years)) << where;
    }
    EXPECT_GT(texts, 30000u);
}

TEST_F(VxshareSectionTest, IsMappedReadOnlyFromThePackageFile) {
    std::ifstream maps("/proc/self/maps");
    ASSERT_TRUE(maps) << "no /proc/self/maps";
    std::string line;
    bool found = false;
    while (std::getline(maps, line)) {
        std::istringstream fields(line);
        std::string span, permissions, offset, device, inode, path;
        fields >> span >> permissions >> offset >> device >> inode >> path;
        const std::size_t dash = span.find('-');
        const Range mapping{std::stoull(span.substr(0, dash), nullptr, 16),
                            std::stoull(span.substr(dash + 1), nullptr, 16)};
        if (!mapping.contains(loaded.begin)) {
            continue;
        }
        found = true;
        EXPECT_EQ(permissions.substr(0, 2), "r-") << line;
        EXPECT_NE(path.find("glossapack"), std::string::npos) << line;
        EXPECT_GE(mapping.end, loaded.end) << "the section spans more than one mapping: " << line;
    }
    EXPECT_TRUE(found);
}

}  // namespace
