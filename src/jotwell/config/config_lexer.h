// ConfigLexer: one run of the configuration language. It owns everything a
// run needs (the scanner over the caller's stream, the caller's texts, the
// string pool, the execution flags, the assignable objects and the current
// position) and is what the parser asks for tokens. A run lives inside one
// Config::parse call and is used by one thread.
#pragma once

#include "jotwell/config/config_lexer_parts.h"
#include "jotwell/config/config_lhs.h"
#include "jotwell/config/config_token.h"

#include <jotwell/config.h>

#include <cstddef>
#include <istream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#ifndef yyFlexLexerOnce
#include <FlexLexer.h>
#endif

namespace Jotwell {

// What the build-describing names of the language say about this build.
struct ConfigBuildNames {
    bool debug, release, win32, unix_like, solaris, aix, hpux, linux_kernel, cxx, java;
    std::string oskind, compile_option, language;
};
ConfigBuildNames config_build_names();

class ConfigLexer : public yyFlexLexer,
                    public ConfigLexerChannel,
                    public ConfigLexerPool<std::string>,
                    public ConfigLexerStack {
public:
    using IntLhs = ConfigLexerIntLhs;
    using StrLhs = ConfigLexerStrLhs;

    // Ends a run: the text is faulty, or it asked to stop (die). It has
    // already been written to the error destination when it is thrown.
    struct Error {
        std::string message;
        int first_line;
        int first_column;
        int last_line;
        int last_column;
    };

    // The record is the run's working copy; the stream stays the caller's
    // and is read one character at a time, only as far as the text runs.
    ConfigLexer(Config* working, const std::string& name, const std::string& log_dir,
                const std::string& config_file, std::istream& in);
    ~ConfigLexer() override;
    ConfigLexer(const ConfigLexer&) = delete;
    ConfigLexer& operator=(const ConfigLexer&) = delete;

    // Scans the next token, stores its value and position through the
    // slots and returns its kind; 0 at the end of the input.
    int next_token() { return yylex(); }
    int yylex() override;

    // Where the parser wants the next token's value and position.
    void set_slots(ConfigToken::Value* value, ConfigToken::Position* position)
    {
        value_slot = value;
        position_slot = position;
    }

    // Writes "error: " message ": " position to the error destination and
    // throws Error.
    [[noreturn]] void report(const std::string& message, int first_line, int first_column, int last_line,
                             int last_column);
    // The same at the current position (just after the last token read).
    [[noreturn]] void report_here(const std::string& message) { report(message, line, column, line, column); }

    std::ostream& output() { return output_file.stream(); }
    std::ostream& error_output() { return error_file.stream(); }

    // Storage for the parser's stacks when they outgrow their first room;
    // freed with the run, so a run ended by Error leaks nothing.
    void* parser_stack(std::size_t bytes);

    int current_line() const { return line; }
    int current_column() const { return column; }
    Config& working() { return *config; }

protected:
    // One character per call, taken from the caller's stream itself so that
    // its state (end of file, failure) shows what the run read. A stream at
    // its end or failed gives the end of input; a read that sets the bad bit
    // is a read failure (a fatal error of the scanner).
    // A token longer than this is read in larger steps, only as far as it
    // certainly goes (see LexerInput).
    static constexpr long long_token = 256;
    int LexerInput(char* buf, int max_size) override;

private:
    // Scanner actions (the rules are in config_scanner.ll).
    void skip(int length) { column += length; }
    void newline()
    {
        ++line;
        column = 1;
    }
    // Sets the position of a token of the given length and advances.
    void place(int length);
    int word(const std::string& text);
    int integer(const char* digits);
    int string_literal(const char* text, int length);
    int importance_literal(char glyph0, char glyph1);
    // A token of the current match's length that carries an operator code.
    int op(int kind, int code);
    int end_of_input();
    [[noreturn]] void unexpected(const char* text);

    std::istream& source;
    bool read_failed;
    Config* config;

public:
    SizeLhs size_lhs;
    DisplayMaskLhs display_mask_lhs;
    DisplayWidthMajorStepsLhs major_steps_lhs;
    DisplayWidthMinorStepsLhs minor_steps_lhs;
    DisplayWidthWorkflowNamesLhs workflow_names_lhs;
    DisplayWidthWorkflowIdsLhs workflow_ids_lhs;
    DisplayWidthActorsLhs actors_lhs;
    ConsultantLhs consultant_lhs;
    OutputFileLhs output_file;
    OutputFileLhs error_file;
    AboutLhs about_lhs;

private:
    std::map<std::string, int> keywords;
    std::map<std::string, int> names;
    ConfigToken::Value* value_slot;
    ConfigToken::Position* position_slot;
    int line;
    int column;
    std::vector<std::unique_ptr<char[]>> parser_stacks;
};

// Runs the parser over a run; 0 when the whole text was read and executed,
// 1 when it gave up during error recovery, 2 when its stack would exceed
// 10000 entries. Errors of the text throw ConfigLexer::Error.
int config_parse(ConfigLexer& lexer);

} // namespace Jotwell
