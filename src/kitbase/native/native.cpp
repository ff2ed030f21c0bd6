// Mutex, Guard, RecursiveMutex and Tls over the operating-system seam.
#include <jotwell/kitbase/native.h>

#include "kitbase/native/os.h"

namespace Kitbase {
namespace Native {

std::uint32_t current_thread_id() { return Os::thread_id(); }

Mutex::Mutex() { Os::lock_init(storage_); }
Mutex::~Mutex() { Os::lock_destroy(storage_); }
void Mutex::lock() { Os::lock_enter(storage_); }
void Mutex::unlock() { Os::lock_leave(storage_); }

Guard::Guard(Mutex& mutex) : mutex_(&mutex) { mutex_->lock(); }
Guard::~Guard() { unlock(); }

void Guard::unlock()
{
    if (mutex_) mutex_->unlock();
    mutex_ = nullptr;
}

RecursiveMutex::RecursiveMutex() : count_(0), owner_(0) {}
RecursiveMutex::~RecursiveMutex() {}

void RecursiveMutex::lock()
{
    const std::uint32_t self = Os::thread_id();
    guard_.lock();
    while (count_ != 0) {
        if (owner_ == self) {
            ++count_;
            guard_.unlock();
            return;
        }
        // Wait for the owner to let hold go, without holding guard.
        guard_.unlock();
        hold_.lock();
        hold_.unlock();
        guard_.lock();
    }
    count_ = 1;
    owner_ = self;
    hold_.lock();
    guard_.unlock();
}

void RecursiveMutex::unlock()
{
    guard_.lock();
    if (count_-- == 1) {
        owner_ = 0;
        hold_.unlock();
    }
    guard_.unlock();
}

std::ostream& CannotCreateTls::print(std::ostream& os) const { return os << "cannot create tls"; }
std::ostream& CannotSetTls::print(std::ostream& os) const { return os << "cannot set tls"; }

Tls::Tls() : index_(0)
{
    if (!Os::tls_alloc(index_)) throw CannotCreateTls();
}

Tls::~Tls() { Os::tls_free(index_); }

void* Tls::get() const { return Os::tls_get(index_); }

void* Tls::set(void* value)
{
    void* previous = Os::tls_get(index_);
    if (!Os::tls_set(index_, value)) throw CannotSetTls();
    return previous;
}

} // namespace Native
} // namespace Kitbase
