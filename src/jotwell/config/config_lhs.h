// The assignable names of the configuration language: small objects that
// read and write one value each, bringing what is assigned into the limits
// of the record (or, for the output names, redirecting where the run
// writes). A run owns one of each and destroys them when it ends.
#pragma once

#include <jotwell/config.h>

#include <fstream>
#include <ostream>
#include <string>

namespace Jotwell {

class ConfigLexer;

// An integer place (ConfigLexer::IntLhs).
struct ConfigLexerIntLhs {
    virtual ~ConfigLexerIntLhs() {}
    virtual int get() = 0;
    virtual void set(int v) = 0;
};

// A string place (ConfigLexer::StrLhs).
struct ConfigLexerStrLhs {
    virtual ~ConfigLexerStrLhs() {}
    virtual const std::string& get() = 0;
    virtual void set(const std::string& t) = 0;
};

// The limits the language applies to what is assigned.
constexpr int size_min = 10;
constexpr int size_max = 1000000;
constexpr int display_width_min = 0;
constexpr int display_width_max = 128;
constexpr std::size_t consultant_max = 63;

// size: stored within size_min to size_max.
struct SizeLhs : ConfigLexerIntLhs {
    explicit SizeLhs(Config* c) : config(c) {}
    int get() override;
    void set(int v) override;
    Config* config;
};

// display_mask: reads the effective mask, stores the raw bits unchanged.
struct DisplayMaskLhs : ConfigLexerIntLhs {
    explicit DisplayMaskLhs(Config* c) : config(c) {}
    int get() override;
    void set(int v) override;
    Config* config;
};

// A display width, stored within display_width_min to display_width_max.
struct DisplayWidthLhs : ConfigLexerIntLhs {
    DisplayWidthLhs(Config* c, std::int16_t Config::*f) : config(c), field(f) {}
    int get() override;
    void set(int v) override;
    Config* config;
    std::int16_t Config::*field;
};

struct DisplayWidthMajorStepsLhs : DisplayWidthLhs {
    explicit DisplayWidthMajorStepsLhs(Config* c) : DisplayWidthLhs(c, &Config::major_steps_display_width) {}
};
struct DisplayWidthMinorStepsLhs : DisplayWidthLhs {
    explicit DisplayWidthMinorStepsLhs(Config* c) : DisplayWidthLhs(c, &Config::minor_steps_display_width) {}
};
struct DisplayWidthWorkflowNamesLhs : DisplayWidthLhs {
    explicit DisplayWidthWorkflowNamesLhs(Config* c)
        : DisplayWidthLhs(c, &Config::workflow_names_display_width)
    {
    }
};
struct DisplayWidthWorkflowIdsLhs : DisplayWidthLhs {
    explicit DisplayWidthWorkflowIdsLhs(Config* c) : DisplayWidthLhs(c, &Config::workflow_ids_display_width) {}
};
struct DisplayWidthActorsLhs : DisplayWidthLhs {
    explicit DisplayWidthActorsLhs(Config* c) : DisplayWidthLhs(c, &Config::actors_display_width) {}
};

// consultant: reading gives the text assigned earlier in the same run (empty
// before that, whatever the record held); the record keeps at most
// consultant_max characters of it.
struct ConsultantLhs : ConfigLexerStrLhs {
    explicit ConsultantLhs(Config* c) : config(c) {}
    const std::string& get() override { return text; }
    void set(const std::string& t) override;
    Config* config;
    std::string text;
};

// output_file or error_file: one of the run's two output destinations. It
// writes to its file while one is open, else to standard error when
// to_error is set, else to standard output. "-" and "--" name the two
// standard streams. A file that cannot be opened is not an error.
struct OutputFileLhs : ConfigLexerStrLhs {
    explicit OutputFileLhs(bool error_destination);
    const std::string& get() override { return path; }
    void set(const std::string& t) override;
    // Where the run writes through this destination at this moment.
    std::ostream& stream();

    std::ofstream file;
    bool to_error;
    std::string path;
};

// about: reads as the banner; assigning anything writes the banner, and
// the text "hanoi" adds the towers. Nothing is stored.
struct AboutLhs : ConfigLexerStrLhs {
    explicit AboutLhs(ConfigLexer* r);
    const std::string& get() override { return banner; }
    void set(const std::string& t) override;
    ConfigLexer* run;
    std::string banner;
};

// Writes the 16 drawings of the four-disc towers moved from the left peg to
// the right one, 96 lines.
void write_hanoi(std::ostream& os);

} // namespace Jotwell
