// The three auxiliary bases of a configuration run (ConfigLexer): the
// caller's texts, the string pool and the stack of execution flags. Each
// lives exactly as long as its run and is used by one thread.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace Jotwell {

// The three texts given by the caller; the language reads them through the
// names written the same way.
struct ConfigLexerChannel {
    ConfigLexerChannel(const std::string& n, const std::string& l, const std::string& c)
        : name(n), log_dir(l), config_file(c)
    {
    }

    const std::string name;
    const std::string log_dir;
    const std::string config_file;
};

// Every string value of a run, designated by an integer handle so that the
// parser's stack holds plain values. A negative handle is kept until the
// end of the run (literals, predefined names); a positive one is a
// temporary that the operation consuming it releases.
template <class T>
class ConfigLexerPool {
public:
    ConfigLexerPool() : last(0) {}

    int add(const T& text, bool keep)
    {
        ++last;
        strings[last] = text;
        return keep ? -last : last;
    }

    // The entry of the handle's absolute value; a missing one is created.
    T& get(int handle) { return strings[handle < 0 ? -handle : handle]; }

    int copy(int handle)
    {
        // Take the copy first: add may create the entry it refers to.
        T text = get(handle);
        return add(text, false);
    }

    void release(int handle)
    {
        if (handle > 0) strings.erase(handle);
    }

    // Entries alive now; for tests and benchmarks.
    std::size_t pool_size() const { return strings.size(); }

private:
    std::map<int, T> strings;
    int last;
};

// Conditional execution: the flag says whether assignments, output and the
// other effects take place. A push combines with the enclosing flag, so a
// branch not taken stays silent at any depth.
class ConfigLexerStack {
public:
    ConfigLexerStack() : current(true) {}

    void push(bool b)
    {
        current = b && current;
        flags.push_back(current);
    }

    void pop()
    {
        if (!flags.empty()) flags.pop_back();
        current = flags.empty() ? true : flags.back();
    }

    bool executing() const { return current; }
    std::size_t depth() const { return flags.size(); }

private:
    std::vector<bool> flags;
    bool current;
};

} // namespace Jotwell
