// The per-thread context: which trace service a thread's statements go to,
// and where the thread stands in its workflow (positions, counters, actors,
// calls in progress), as the record writers print it.
//
// A context belongs to its thread: only that thread reads or changes it,
// and no lock guards it.
#pragma once

#include <jotwell/export.h>

#include <cstdint>
#include <iosfwd>
#include <sstream>
#include <string>
#include <vector>

namespace Jotwell {

class Logos;

namespace Context {

// A '/'-joined path of text parts. The first part is always an empty root
// part; a value is empty when it has nothing after it.
class JOTWELL_API SubFields {
public:
    SubFields();
    SubFields(const std::string& part);
    SubFields(const char* part);

    // Appends one part: the value as a stream would write it.
    template <class T>
    SubFields& append(const T& value)
    {
        std::ostringstream os;
        os << value;
        return append_part(os.str());
    }
    SubFields& append_part(const std::string& part);

    // The parts after the root joined by '/'; cached until the next append.
    const std::string& text() const;
    bool empty() const { return parts_.size() <= 1; }
    const std::vector<std::string>& parts() const { return parts_; }

private:
    std::vector<std::string> parts_;
    mutable std::string text_;
};

// A workflow position: name and id.
struct JOTWELL_API Position {
    Position() {}
    Position(const SubFields& n, const SubFields& i) : name(n), id(i) {}

    bool empty() const { return name.empty() && id.empty(); }

    SubFields name;
    SubFields id;
};

// name '#' id, the message text of workflow scope records.
JOTWELL_API std::ostream& operator<<(std::ostream& os, const Position& p);

class RecordPair;

// One call in progress on a thread. The pair, when there is one, belongs
// to the call scopes that made it.
struct CallEntry {
    std::int32_t kind;               // 0 incoming, 1 outgoing
    std::int32_t saved_minor_depth;
    RecordPair* pair;                // null when the call writes no records
};

class WithContext;

// One thread's context, created by install_data and deleted by
// uninstall_data on the same thread.
class JOTWELL_API Data {
public:
    Data();
    ~Data();
    Data(const Data&) = delete;
    Data& operator=(const Data&) = delete;

    // Where this thread's statements go.
    Logos* logos() const;
    // Routes them to x, or to the default trace service when x is null.
    Data* set_logos(Logos* x);

    // The four counters wrap around; the text records show them signed,
    // the XML records unsigned.
    std::uint32_t major_tick;
    std::uint32_t major_depth;
    Position root;
    Position caller;
    Position callee;
    // Kept by the record writers: an Open record counts one tick and one
    // level before it is written, a Close record leaves the level and counts
    // one tick after.
    std::uint32_t minor_tick;
    std::uint32_t minor_depth;
    SubFields user;
    SubFields architect;
    SubFields developer;
    SubFields consultant;           // no operation of the library changes it
    std::vector<CallEntry> calls;
    std::uint16_t incoming;
    std::uint16_t outgoing;
    bool auto_installed;            // made by a low-level call, deleted by its last end

private:
    Logos* logos_;
};

// The calling thread's context, or null.
JOTWELL_API Data* get_data();
// data's trace service, or the default one when data is null (null before
// the library's start and after its stop).
JOTWELL_API Logos* get_logos(Data* data);
// Deletes the thread's context, if any. Calls still in progress end
// without records.
JOTWELL_API void uninstall_data();

// Makes sure the thread has a context for the scope's lifetime; only the
// scope that created it deletes it.
class JOTWELL_API WithContext {
public:
    WithContext();
    ~WithContext();
    WithContext(const WithContext&) = delete;
    WithContext& operator=(const WithContext&) = delete;

    Data* data() const { return data_; }
    bool is_owner() const { return is_owner_; }

private:
    // Exported at its declaration below: marked here as well, it would lose
    // its import in the programs that use the DLL.
    friend Data* install_data(WithContext& scope);

    bool is_owner_;
    Data* data_;
};

// Gives the thread a context if it has none; scope.is_owner tells whether
// this call made it. Throws Kitbase::Native::CannotSetTls when the slot
// refuses the new context (the thread is then left without one).
JOTWELL_API Data* install_data(WithContext& scope);

} // namespace Context
} // namespace Jotwell
