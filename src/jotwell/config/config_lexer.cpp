// ConfigLexer: the run of one configuration text; the scanner's actions,
// the keyword and name tables, the error report.
#include "jotwell/config/config_lexer.h"

#include "kitbase/native/os.h"

#include <jotwell/kitbase/portable.h>

#include <climits>
#include <iostream>

namespace Jotwell {

using namespace ConfigToken;

ConfigBuildNames config_build_names()
{
    const Kitbase::Native::Os::BuildFacts facts = Kitbase::Native::Os::build_facts();
    ConfigBuildNames n;
#if defined(NDEBUG)
    n.debug = false;
#else
    n.debug = true;
#endif
    n.release = !n.debug;
    n.win32 = facts.win32;
    n.unix_like = facts.unix_like;
    n.solaris = facts.solaris;
    n.aix = facts.aix;
    n.hpux = facts.hpux;
    n.linux_kernel = facts.linux_kernel;
    n.cxx = true;
    n.java = false;
    n.oskind = facts.os_name;
    n.compile_option = n.debug ? "debug" : "release";
    n.language = "C++";
    return n;
}

namespace {

// The groups of the name table, by the token a name produces.
enum NameGroup {
    BOOL_LHS,      // a Boolean field of the record
    BOOL_CONST,    // a Boolean constant
    INT_LHS,       // an integer place
    INT_CONST,     // an integer constant (the mask names)
    PID,           // the process id, taken at each scan
    STR_LHS,       // a string place
    STR_CONST,     // a fixed text
    STR_BUILD,     // a text that describes the build
    PROCESS_NAME,  // the process name
    CHANNEL,       // one of the caller's texts
    IMP_LHS,       // the record's importance
    IMP_CONST,     // an importance constant
};

// Build-describing entries: which member of ConfigBuildNames.
enum BuildName {
    B_DEBUG, B_RELEASE, B_WIN32, B_UNIX, B_SOLARIS, B_AIX, B_HPUX, B_LINUX, B_CXX, B_JAVA,
    S_OSKIND, S_COMPILE_OPTION, S_LANGUAGE,
};

struct NameEntry {
    const char* word;
    NameGroup group;
    long value;   // the constant, or which object, field or text
};

// The 84 predefined names, numbered in this order by the name map.
const NameEntry name_table[] = {
    {"active", BOOL_LHS, 0},
    {"keep", BOOL_LHS, 1},
    {"true", BOOL_CONST, 1},
    {"release", BOOL_CONST, -B_RELEASE - 1},
    {"win32", BOOL_CONST, -B_WIN32 - 1},
    {"cxx", BOOL_CONST, -B_CXX - 1},
    {"false", BOOL_CONST, 0},
    {"debug", BOOL_CONST, -B_DEBUG - 1},
    {"unix", BOOL_CONST, -B_UNIX - 1},
    {"solaris", BOOL_CONST, -B_SOLARIS - 1},
    {"aix", BOOL_CONST, -B_AIX - 1},
    {"hpux", BOOL_CONST, -B_HPUX - 1},
    {"linux", BOOL_CONST, -B_LINUX - 1},
    {"java", BOOL_CONST, -B_JAVA - 1},
    {"size", INT_LHS, 0},
    {"display_mask", INT_LHS, 1},
    {"major_steps_display_width", INT_LHS, 2},
    {"minor_steps_display_width", INT_LHS, 3},
    {"workflow_names_display_width", INT_LHS, 4},
    {"workflow_ids_display_width", INT_LHS, 5},
    {"actors_display_width", INT_LHS, 6},
    {"time_mask", INT_CONST, time_mask},
    {"rank_mask", INT_CONST, rank_mask},
    {"importance_mask", INT_CONST, importance_mask},
    {"severity_mask", INT_CONST, severity_mask},
    {"exc_mask", INT_CONST, exc_mask},
    {"pid_mask", INT_CONST, pid_mask},
    {"tid_mask", INT_CONST, tid_mask},
    {"scope_mask", INT_CONST, scope_mask},
    {"major_tick_mask", INT_CONST, major_tick_mask},
    {"minor_tick_mask", INT_CONST, minor_tick_mask},
    {"major_depth_mask", INT_CONST, major_depth_mask},
    {"minor_depth_mask", INT_CONST, minor_depth_mask},
    {"root_name_mask", INT_CONST, root_name_mask},
    {"root_id_mask", INT_CONST, root_id_mask},
    {"caller_name_mask", INT_CONST, caller_name_mask},
    {"caller_id_mask", INT_CONST, caller_id_mask},
    {"callee_name_mask", INT_CONST, callee_name_mask},
    {"callee_id_mask", INT_CONST, callee_id_mask},
    {"user_mask", INT_CONST, user_mask},
    {"architect_mask", INT_CONST, architect_mask},
    {"developer_mask", INT_CONST, developer_mask},
    {"consultant_mask", INT_CONST, consultant_mask},
    {"msg_mask", INT_CONST, msg_mask},
    {"src_file_mask", INT_CONST, src_file_mask},
    {"src_line_mask", INT_CONST, src_line_mask},
    {"none_mask", INT_CONST, none_mask},
    {"os_mask", INT_CONST, os_mask},
    {"process_mask", INT_CONST, process_mask},
    {"diagnostic_mask", INT_CONST, diagnostic_mask},
    {"major_steps_mask", INT_CONST, major_steps_mask},
    {"minor_steps_mask", INT_CONST, minor_steps_mask},
    {"steps_mask", INT_CONST, steps_mask},
    {"tick_mask", INT_CONST, tick_mask},
    {"depth_mask", INT_CONST, depth_mask},
    {"root_mask", INT_CONST, root_mask},
    {"caller_mask", INT_CONST, caller_mask},
    {"callee_mask", INT_CONST, callee_mask},
    {"workflow_mask", INT_CONST, workflow_mask},
    {"workflow_names_mask", INT_CONST, workflow_names_mask},
    {"workflow_ids_mask", INT_CONST, workflow_ids_mask},
    {"actors_mask", INT_CONST, actors_mask},
    {"debug_mask", INT_CONST, debug_mask},
    {"all_mask", INT_CONST, all_mask},
    {"pid", PID, 0},
    {"consultant", STR_LHS, 0},
    {"output_file", STR_LHS, 1},
    {"error_file", STR_LHS, 2},
    {"about", STR_LHS, 3},
    {"stdout", STR_CONST, 0},
    {"stderr", STR_CONST, 1},
    {"process", PROCESS_NAME, 0},
    {"oskind", STR_BUILD, S_OSKIND},
    {"compile_option", STR_BUILD, S_COMPILE_OPTION},
    {"language", STR_BUILD, S_LANGUAGE},
    {"name", CHANNEL, 0},
    {"log_dir", CHANNEL, 1},
    {"config_file", CHANNEL, 2},
    {"importance", IMP_LHS, 0},
    {"xs", IMP_CONST, 0},
    {"s", IMP_CONST, 1},
    {"m", IMP_CONST, 2},
    {"l", IMP_CONST, 3},
    {"xl", IMP_CONST, 4},
};
static_assert(sizeof name_table / sizeof name_table[0] == 84, "the language has 84 predefined names");

struct KeywordEntry {
    const char* word;
    int kind;
};

const KeywordEntry keyword_table[] = {
    {"if", KW_IF},         {"else", KW_ELSE},     {"echo", KW_ECHO}, {"print", KW_PRINT},
    {"eprint", KW_EPRINT}, {"warn", KW_WARN},     {"die", KW_DIE},   {"system", KW_SYSTEM},
    {"bool", KW_BOOL},     {"int", KW_INT},       {"string", KW_STRING}, {"getenv", KW_GETENV},
};

bool build_bool(const ConfigBuildNames& b, long which)
{
    switch (which) {
    case B_DEBUG: return b.debug;
    case B_RELEASE: return b.release;
    case B_WIN32: return b.win32;
    case B_UNIX: return b.unix_like;
    case B_SOLARIS: return b.solaris;
    case B_AIX: return b.aix;
    case B_HPUX: return b.hpux;
    case B_LINUX: return b.linux_kernel;
    case B_CXX: return b.cxx;
    default: return b.java;
    }
}

const std::string& build_text(const ConfigBuildNames& b, long which)
{
    switch (which) {
    case S_OSKIND: return b.oskind;
    case S_COMPILE_OPTION: return b.compile_option;
    default: return b.language;
    }
}

const ConfigBuildNames& build_names()
{
    static const ConfigBuildNames names = config_build_names();
    return names;
}

const Importance* importance_constant(long level)
{
    switch (level) {
    case 0: return &XS;
    case 1: return &S;
    case 2: return &M;
    case 3: return &L;
    default: return &XL;
    }
}

} // namespace

ConfigLexer::ConfigLexer(Config* working, const std::string& name, const std::string& log_dir,
                         const std::string& config_file, std::istream& in)
    : yyFlexLexer(in, std::cout),
      ConfigLexerChannel(name, log_dir, config_file),
      source(in),
      read_failed(false),
      config(working),
      size_lhs(working),
      display_mask_lhs(working),
      major_steps_lhs(working),
      minor_steps_lhs(working),
      workflow_names_lhs(working),
      workflow_ids_lhs(working),
      actors_lhs(working),
      consultant_lhs(working),
      output_file(false),
      error_file(true),
      about_lhs(this),
      value_slot(nullptr),
      position_slot(nullptr),
      line(1),
      column(1)
{
    for (const KeywordEntry& k : keyword_table) keywords[k.word] = k.kind;
    int number = 0;
    for (const NameEntry& n : name_table) names[n.word] = number++;
}

ConfigLexer::~ConfigLexer() {}

void ConfigLexer::place(int length)
{
    if (position_slot) {
        position_slot->first_line = position_slot->last_line = line;
        position_slot->first_column = column;
    }
    column += length;
    if (position_slot) position_slot->last_column = column;
}

int ConfigLexer::end_of_input()
{
    if (position_slot) {
        position_slot->first_line = position_slot->last_line = line;
        position_slot->first_column = position_slot->last_column = column;
    }
    return END;
}

int ConfigLexer::op(int kind, int code)
{
    place(static_cast<int>(yyleng));
    if (value_slot) value_slot->op = code;
    return kind;
}

int ConfigLexer::importance_literal(char glyph0, char glyph1)
{
    place(static_cast<int>(yyleng));
    long level = 0;
    if (glyph0 == '<') level = glyph1 == '<' ? 0 : 1;
    else if (glyph0 == '=') level = 2;
    else level = glyph1 == '=' ? 3 : 4;
    if (value_slot) value_slot->imp = importance_constant(level);
    return VAL_IMP;
}

int ConfigLexer::integer(const char* digits)
{
    // Decimal digits only; a literal beyond the 32-bit range stands for the
    // largest int, as the Windows C library's atoi gives it.
    long long v = 0;
    for (const char* p = digits; *p >= '0' && *p <= '9'; ++p) {
        v = v * 10 + (*p - '0');
        if (v > INT_MAX) {
            v = INT_MAX;
            break;
        }
    }
    if (value_slot) value_slot->i = static_cast<int>(v);
    return VAL_INT;
}

int ConfigLexer::string_literal(const char* text, int length)
{
    const int handle = add(std::string(text, static_cast<std::size_t>(length)), true);
    if (value_slot) value_slot->str = handle;
    return VAL_STR;
}

void ConfigLexer::unexpected(const char* text)
{
    // The text as a C string: a NUL byte gives the empty text.
    report_here("unexpected token '" + std::string(text) + "'");
}

int ConfigLexer::word(const std::string& text)
{
    const auto k = keywords.find(text);
    if (k != keywords.end()) return k->second;
    const auto n = names.find(text);
    if (n == names.end()) report_here("unexpected keyword '" + text + "'");

    const NameEntry& e = name_table[n->second];
    Value v;
    v.i = 0;
    int kind = VAL_BOOL;
    switch (e.group) {
    case BOOL_LHS:
        v.bool_lhs = e.value == 0 ? &config->active : &config->keep;
        kind = VAL_BOOL_LHS;
        break;
    case BOOL_CONST:
        v.b = e.value < 0 ? build_bool(build_names(), -e.value - 1) : e.value != 0;
        kind = VAL_BOOL;
        break;
    case INT_LHS: {
        IntLhs* const places[] = {&size_lhs, &display_mask_lhs, &major_steps_lhs, &minor_steps_lhs,
                                  &workflow_names_lhs, &workflow_ids_lhs, &actors_lhs};
        v.int_lhs = places[e.value];
        kind = VAL_INT_LHS;
        break;
    }
    case INT_CONST:
        v.i = static_cast<int>(e.value);
        kind = VAL_INT;
        break;
    case PID:
        v.i = Kitbase::Portable::Process().id();
        kind = VAL_INT;
        break;
    case STR_LHS: {
        StrLhs* const places[] = {&consultant_lhs, &output_file, &error_file, &about_lhs};
        v.str_lhs = places[e.value];
        kind = VAL_STR_LHS;
        break;
    }
    case STR_CONST:
        v.str = add(e.value == 0 ? "-" : "--", true);
        kind = VAL_STR;
        break;
    case STR_BUILD:
        v.str = add(build_text(build_names(), e.value), true);
        kind = VAL_STR;
        break;
    case PROCESS_NAME:
        v.str = add(Kitbase::Portable::Process().name(), true);
        kind = VAL_STR;
        break;
    case CHANNEL: {
        const std::string* const texts[] = {&name, &log_dir, &config_file};
        v.str = add(*texts[e.value], true);
        kind = VAL_STR;
        break;
    }
    case IMP_LHS:
        v.imp_lhs = &config->importance;
        kind = VAL_IMP_LHS;
        break;
    case IMP_CONST:
        v.imp = importance_constant(e.value);
        kind = VAL_IMP;
        break;
    }
    if (value_slot) *value_slot = v;
    return kind;
}

void ConfigLexer::report(const std::string& message, int first_line, int first_column, int last_line,
                         int last_column)
{
    Error e{message, first_line, first_column, last_line, last_column};
    std::ostream& os = error_output();
    os << "error: " << message << ": ";
    const bool before = first_line < last_line || (first_line == last_line && first_column < last_column);
    if (before)
        os << "between line " << static_cast<unsigned>(first_line) << "." << static_cast<unsigned>(first_column)
           << " and line " << static_cast<unsigned>(last_line) << "." << static_cast<unsigned>(last_column);
    else
        os << "at line " << static_cast<unsigned>(first_line) << "." << static_cast<unsigned>(first_column);
    os << std::endl;
    throw e;
}

void* ConfigLexer::parser_stack(std::size_t bytes)
{
    parser_stacks.emplace_back(new char[bytes]);
    return parser_stacks.back().get();
}

} // namespace Jotwell
