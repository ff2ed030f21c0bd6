// glossapack: the cost of loading the package (136 registrations) and what
// its data costs in resident memory.
//
// BM_LoadGlossapack loads and unloads the package; each load completes and
// registers all 136 trees. BM_GlossapackResidentMemory loads it once, reads
// every text of every tree, starts a second process that does the same, and
// reports from /proc/self/smaps how the package's mappings are held: the
// vxshare texts must be clean file-backed pages shared with the other
// process, the records private dirty pages of each process.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "glossa/package_loader.h"
#include "glossa/vx_locale.h"
#include "glossa/vx_locale_catalog.h"

extern char** environ;

namespace {

const char* const package = GLOSSAPACK_PATH;

bool load(std::string& error) { return glossa::load_package(package, error); }

// Reads every text the trees point to, so that their pages are resident.
std::uint64_t touch_texts() {
    std::uint64_t sum = 0;
    auto text16 = [&sum](const char16_t* p) {
        for (; *p != 0; ++p) sum += *p;
    };
    auto text8 = [&sum](const char* p) {
        for (; *p != 0; ++p) sum += static_cast<unsigned char>(*p);
    };
    auto list = [&](const char16_t* const* items, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) text16(items[i]);
    };
    for (const vx_locale_storage* root : vx_locale_catalog::GetInstance()->roots()) {
        const vx_locale_identity& id = *root->m_Identity;
        text8(id.m_Territory);
        text8(id.m_Name);
        text16(id.m_DisplayName);
        for (const vx_name_table* table : {id.m_LanguageNames, id.m_TerritoryNames}) {
            for (std::uint32_t i = 0; i < table->m_Count; ++i) {
                text8(table->m_Entries[i].m_Code);
                text16(table->m_Entries[i].m_Name);
            }
        }
        if (const vx_numeric_storage* num = root->m_Numeric) {
            text16(num->m_Digits);
            text16(num->m_True);
            text16(num->m_False);
            list(num->m_Patterns, 4);
        }
        if (const vx_ctime_impl::StaticStorage* cal = root->m_Time) {
            list(cal->m_DayAbbreviations, 7);
            list(cal->m_DayNames, 7);
            list(cal->m_MonthAbbreviations, 12);
            list(cal->m_MonthNames, 12);
            list(cal->m_AmPm, 2);
            list(cal->m_Patterns, 15);
            list(cal->m_CommonEras, 2);
            list(cal->m_QuarterAbbreviations, 4);
            list(cal->m_QuarterNames, 4);
        }
    }
    return sum;
}

struct Pages {
    double rss_kb = 0, shared_clean_kb = 0, private_clean_kb = 0, private_dirty_kb = 0, shared_dirty_kb = 0;
    void add(const std::string& key, double kb) {
        if (key == "Rss:") rss_kb += kb;
        if (key == "Shared_Clean:") shared_clean_kb += kb;
        if (key == "Private_Clean:") private_clean_kb += kb;
        if (key == "Private_Dirty:") private_dirty_kb += kb;
        if (key == "Shared_Dirty:") shared_dirty_kb += kb;
    }
};

// The package's mappings from /proc/self/smaps: the one holding `text`
// (the vxshare texts) and all of the package's writable ones.
void read_smaps(std::uintptr_t text, Pages& texts, Pages& writable, std::string& text_mapping) {
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    enum { other, text_map, data_map } current = other;
    while (std::getline(smaps, line)) {
        std::istringstream fields(line);
        std::string first;
        fields >> first;
        const std::size_t dash = first.find('-');
        if (dash != std::string::npos && first.back() != ':') {
            std::string permissions, offset, device, inode, path;
            fields >> permissions >> offset >> device >> inode >> path;
            const std::uintptr_t begin = std::stoull(first.substr(0, dash), nullptr, 16);
            const std::uintptr_t end = std::stoull(first.substr(dash + 1), nullptr, 16);
            current = other;
            if (path.find("glossapack") != std::string::npos) {
                if (text >= begin && text < end) {
                    current = text_map;
                    text_mapping = line;
                } else if (permissions.size() > 1 && permissions[1] == 'w') {
                    current = data_map;
                }
            }
            continue;
        }
        double kb = 0;
        fields >> kb;
        if (current == text_map) texts.add(first, kb);
        if (current == data_map) writable.add(first, kb);
    }
}

// A second process that loads the package, reads its texts and waits.
class SecondProcess {
public:
    explicit SecondProcess(const char* self) {
        int fds[2];
        if (pipe(fds) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        char hold[] = "--hold-package";
        char* argv[] = {const_cast<char*>(self), hold, nullptr};
        if (posix_spawn(&pid_, self, &actions, nullptr, argv, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        char ready = 0;
        ready_ = pid_ > 0 && read(fds[0], &ready, 1) == 1 && ready == 'R';
        close(fds[0]);
    }
    ~SecondProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool ready() const { return ready_; }

private:
    pid_t pid_ = -1;
    bool ready_ = false;
};

std::string self_path;

void BM_LoadGlossapack(benchmark::State& state) {
    std::string error;
    vx_locale_catalog& catalog = *vx_locale_catalog::GetInstance();
    for (auto _ : state) {
        catalog.clear();
        if (!load(error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        state.PauseTiming();
        if (catalog.count() != 136) {
            state.SkipWithError("the package did not register 136 locales");
            return;
        }
        if (!glossa::unload_package(package, error)) {
            state.SkipWithError(error.c_str());
            return;
        }
        state.ResumeTiming();
    }
    catalog.clear();
    state.counters["registrations"] = 136;
}
BENCHMARK(BM_LoadGlossapack)->Unit(benchmark::kMicrosecond);

void BM_GlossapackResidentMemory(benchmark::State& state) {
    std::string error;
    vx_locale_catalog& catalog = *vx_locale_catalog::GetInstance();
    catalog.clear();
    // A freshly linked package still has dirty pages in the page cache,
    // which smaps would count as dirty; write them back first.
    const int fd = open(package, O_RDONLY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
    if (!load(error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    benchmark::DoNotOptimize(touch_texts());
    SecondProcess other(self_path.c_str());
    if (!other.ready()) {
        state.SkipWithError("the second process did not start");
        return;
    }
    const std::uintptr_t text = reinterpret_cast<std::uintptr_t>(catalog.root(0)->m_Identity->m_DisplayName);
    Pages texts, writable;
    std::string mapping;
    for (auto _ : state) {
        texts = Pages();
        writable = Pages();
        read_smaps(text, texts, writable, mapping);
    }
    state.counters["text_rss_kB"] = texts.rss_kb;
    state.counters["text_shared_clean_kB"] = texts.shared_clean_kb;
    state.counters["text_private_clean_kB"] = texts.private_clean_kb;
    state.counters["text_private_dirty_kB"] = texts.private_dirty_kb + texts.shared_dirty_kb;
    state.counters["data_private_dirty_kB"] = writable.private_dirty_kb;
    state.counters["data_rss_kB"] = writable.rss_kb;
    std::fprintf(stderr, "vxshare mapping: %s\n  rss %.0f kB, shared clean %.0f kB, private clean %.0f kB, dirty %.0f kB\n",
                 mapping.c_str(), texts.rss_kb, texts.shared_clean_kb, texts.private_clean_kb,
                 texts.private_dirty_kb + texts.shared_dirty_kb);
    if (texts.private_dirty_kb + texts.shared_dirty_kb > 0 || texts.shared_clean_kb < 0.5 * texts.rss_kb) {
        state.SkipWithError("the texts are not shared clean pages");
    }
}
BENCHMARK(BM_GlossapackResidentMemory)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--hold-package") == 0) {
        std::string error;
        if (!load(error)) return 2;
        benchmark::DoNotOptimize(touch_texts());
        if (write(STDOUT_FILENO, "R", 1) != 1) return 2;
        pause();
        return 0;
    }
    self_path = "/proc/self/exe";
    char resolved[4096];
    const ssize_t n = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
    if (n > 0) self_path.assign(resolved, static_cast<std::size_t>(n));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
