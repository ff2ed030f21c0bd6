// LogOfstream: the output of a text log file, a file opened by path or the
// process's standard output.
#pragma once

#include <fstream>
#include <string>

namespace Jotwell {

class LogOfstream : public std::ofstream {
public:
    // A file stream, opened (created or truncated) at once.
    explicit LogOfstream(const std::string& path);
    // A screen stream named "ToScreen".
    LogOfstream();
    ~LogOfstream() override;

    // Opens name for writing, truncating it; nothing for a screen stream.
    void open();
    // Opens name again for appending when it is not open (after close, or
    // after a failed open). An open file whose writes failed gets its error
    // state cleared, so that a passing failure loses only its own records.
    void re_open();
    void close();

    // Where records are written: the standard output or this file.
    std::ostream& out();

    bool opened;
    bool to_screen;
    std::string name;
};

} // namespace Jotwell
