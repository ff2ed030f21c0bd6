// The shared texts section of the built package as a Windows DLL, read from
// the file: it exists, is initialised read-only data, and no base relocation
// applies inside it (so rebasing the DLL never makes its pages private).
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

const std::uint32_t scn_initialized_data = 0x00000040;
const std::uint32_t scn_mem_execute = 0x20000000;
const std::uint32_t scn_mem_read = 0x40000000;
const std::uint32_t scn_mem_write = 0x80000000;
const unsigned base_relocation_directory = 5;

struct Section {
    std::string name;
    std::uint32_t virtual_size = 0, virtual_address = 0, raw_size = 0, raw_offset = 0, flags = 0;
};

class PeFile {
public:
    explicit PeFile(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (bytes_.size() < 0x40 || bytes_[0] != 'M' || bytes_[1] != 'Z') return;
        const std::uint32_t pe = u32(0x3C);
        if (pe + 24 > bytes_.size() || std::memcmp(&bytes_[pe], "PE\0\0", 4) != 0) return;
        const std::uint16_t sections = u16(pe + 6);
        const std::uint16_t optional_size = u16(pe + 20);
        const std::uint32_t optional = pe + 24;
        const bool pe32_plus = u16(optional) == 0x20B;
        const std::uint32_t directories = optional + (pe32_plus ? 112 : 96);
        relocations_rva_ = u32(directories + 8 * base_relocation_directory);
        relocations_size_ = u32(directories + 8 * base_relocation_directory + 4);
        for (std::uint32_t i = 0, at = optional + optional_size; i < sections; ++i, at += 40) {
            Section s;
            s.name.assign(&bytes_[at], strnlen(&bytes_[at], 8));
            s.virtual_size = u32(at + 8);
            s.virtual_address = u32(at + 12);
            s.raw_size = u32(at + 16);
            s.raw_offset = u32(at + 20);
            s.flags = u32(at + 36);
            sections_.push_back(s);
        }
        valid_ = true;
    }

    bool valid() const { return valid_; }
    const Section* section(const std::string& name) const {
        for (const Section& s : sections_) {
            if (s.name == name) return &s;
        }
        return nullptr;
    }
    // Every address (RVA) that a base relocation writes to.
    std::vector<std::uint32_t> relocated_addresses() const {
        std::vector<std::uint32_t> out;
        std::uint32_t at = file_offset(relocations_rva_);
        const std::uint32_t end = at + relocations_size_;
        while (at + 8 <= end && at + 8 <= bytes_.size()) {
            const std::uint32_t page = u32(at);
            const std::uint32_t block = u32(at + 4);
            if (block < 8) break;
            for (std::uint32_t entry = at + 8; entry + 2 <= at + block; entry += 2) {
                const std::uint16_t value = u16(entry);
                if ((value >> 12) != 0) {  // type 0 only pads a block
                    out.push_back(page + (value & 0x0FFF));
                }
            }
            at += block;
        }
        return out;
    }

private:
    std::uint32_t file_offset(std::uint32_t rva) const {
        for (const Section& s : sections_) {
            if (rva >= s.virtual_address && rva < s.virtual_address + s.raw_size) {
                return rva - s.virtual_address + s.raw_offset;
            }
        }
        return static_cast<std::uint32_t>(bytes_.size());
    }
    std::uint16_t u16(std::size_t at) const {
        return at + 2 <= bytes_.size() ? static_cast<std::uint16_t>(static_cast<unsigned char>(bytes_[at]) |
                                                                    static_cast<unsigned char>(bytes_[at + 1]) << 8)
                                       : 0;
    }
    std::uint32_t u32(std::size_t at) const { return u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16; }

    std::vector<char> bytes_;
    std::vector<Section> sections_;
    std::uint32_t relocations_rva_ = 0, relocations_size_ = 0;
    bool valid_ = false;
};

class PeSectionsTest : public ::testing::Test {
protected:
    PeFile dll{GLOSSAPACK_PATH};
};

TEST_F(PeSectionsTest, VxshareIsInitialisedReadOnlyData) {
    ASSERT_TRUE(dll.valid()) << GLOSSAPACK_PATH << " is no PE file";
    const Section* vxshare = dll.section("vxshare");
    ASSERT_NE(vxshare, nullptr);
    EXPECT_TRUE(vxshare->flags & scn_initialized_data);
    EXPECT_TRUE(vxshare->flags & scn_mem_read);
    EXPECT_FALSE(vxshare->flags & scn_mem_write);
    EXPECT_FALSE(vxshare->flags & scn_mem_execute);
    EXPECT_GT(vxshare->virtual_size, 500u * 1024u);
    EXPECT_GE(vxshare->raw_size, vxshare->virtual_size) << "texts must come from the file";
}

TEST_F(PeSectionsTest, NoBaseRelocationAppliesInsideVxshare) {
    ASSERT_TRUE(dll.valid());
    const Section* vxshare = dll.section("vxshare");
    ASSERT_NE(vxshare, nullptr);
    const std::vector<std::uint32_t> relocated = dll.relocated_addresses();
    // The records point into the section, so there are many relocations
    // elsewhere; none may write into it.
    EXPECT_GT(relocated.size(), 10000u);
    for (std::uint32_t rva : relocated) {
        EXPECT_FALSE(rva >= vxshare->virtual_address && rva < vxshare->virtual_address + vxshare->virtual_size)
            << "relocation at RVA 0x" << std::hex << rva;
    }
}

}  // namespace
