// Runs in several threads at once share nothing but the standard streams.
#include <jotwell/jotwell.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace Jotwell;

TEST(ConfigThreads, ConcurrentRunsAreIndependent)
{
    constexpr int threads = 4;
    std::vector<int> failures(threads, 0);
    std::vector<std::thread> pool;
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([t, &failures] {
            for (int i = 0; i < 200; ++i) {
                Config c;
                const std::string text = "size = " + std::to_string(100 + t * 1000 + i) +
                                         "; consultant = name + pid + process + oskind; if (name != \"t" +
                                         std::to_string(t) + "\") size = 0;" + (i % 2 ? " size = ;" : "");
                std::istringstream in(text);
                const bool ok = c.parse(in, "t" + std::to_string(t), "logs", "file");
                const bool expected_ok = i % 2 == 0;
                if (ok != expected_ok) ++failures[t];
                if (ok && c.size != static_cast<unsigned>(100 + t * 1000 + i)) ++failures[t];
                if (!ok && c.size != 10000u) ++failures[t];
            }
        });
    }
    for (std::thread& th : pool) th.join();
    for (int t = 0; t < threads; ++t) EXPECT_EQ(failures[t], 0) << "thread " << t;
}
