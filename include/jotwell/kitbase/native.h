// Thread primitives: a mutex, its scoped guard, a re-entrant lock that
// records its owner, and a thread-local storage slot.
//
// These are the library's only thread primitives. Nothing here is atomic
// beyond what the operating system's locks and slots give.
#pragma once

#include <jotwell/export.h>
#include <jotwell/kitbase/exception.h>

#include <cstdint>

namespace Kitbase {
namespace Native {

// The operating system's id of the calling thread.
JOTWELL_API std::uint32_t current_thread_id();

// One operating-system critical section. The same thread may lock it again
// while it holds it; each lock needs its unlock.
class JOTWELL_API Mutex {
public:
    Mutex();
    ~Mutex();
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;

    void lock();
    void unlock();

private:
    // Room for the host's lock object; the native layer checks the fit.
    alignas(8) unsigned char storage_[64];
};

// Locks a mutex for the guard's lifetime. unlock() may end the hold early;
// the destructor does not repeat it.
class JOTWELL_API Guard {
public:
    explicit Guard(Mutex& mutex);
    ~Guard();
    Guard(const Guard&) = delete;
    Guard& operator=(const Guard&) = delete;

    void unlock();

private:
    Mutex* mutex_;
};

// A lock one thread may take repeatedly, with its owner on record. A waiter
// never holds guard while it waits on hold, so the owner can always reach
// its unlock. Only the owner calls unlock().
class JOTWELL_API RecursiveMutex {
public:
    RecursiveMutex();
    ~RecursiveMutex();
    RecursiveMutex(const RecursiveMutex&) = delete;
    RecursiveMutex& operator=(const RecursiveMutex&) = delete;

    void lock();
    void unlock();

    // Nesting count and owner thread id; both 0 when free. Read them
    // only from the owner thread or when no other thread can lock.
    std::int32_t count() const { return count_; }
    std::uint32_t owner() const { return owner_; }

private:
    Mutex guard_;
    Mutex hold_;
    std::int32_t count_;
    std::uint32_t owner_;
};

struct JOTWELL_API CannotCreateTls : Kitbase::Exception {
    std::ostream& print(std::ostream& os) const override;
};

struct JOTWELL_API CannotSetTls : Kitbase::Exception {
    std::ostream& print(std::ostream& os) const override;
};

// One thread-local storage slot. Each thread sees its own pointer, null
// until it sets one. The stored values are not owned by the slot.
class JOTWELL_API Tls {
public:
    Tls();   // throws CannotCreateTls when the system has no slot left
    ~Tls();
    Tls(const Tls&) = delete;
    Tls& operator=(const Tls&) = delete;

    void* get() const;
    // Stores value for the calling thread and returns the previous one;
    // throws CannotSetTls when the system refuses the store.
    void* set(void* value);

private:
    std::uint32_t index_;
};

} // namespace Native
} // namespace Kitbase
