#pragma once
// The engine's recursive mutex and its scoped lock.  A thread that holds a
// critical section may take it again, so code under a lock may call other code
// that locks the same section.
#include <pthread.h>

class AutoCriticalSection;

// The critical section without a constructor, for static objects that must be
// usable whatever the order of static initialisation: being trivially
// constructible it is only zero-filled before any initialiser runs, and the
// module-initialisation counters call Construct() and Destroy() explicitly.
class CorvanCriticalSection_ManualConstruct {
public:
    CorvanCriticalSection_ManualConstruct() = default;
    CorvanCriticalSection_ManualConstruct(CorvanCriticalSection_ManualConstruct const&) = delete;
    CorvanCriticalSection_ManualConstruct& operator=(CorvanCriticalSection_ManualConstruct const&) = delete;

    // Makes the mutex, recursive.
    void Construct();
    void Destroy();

private:
    friend class AutoCriticalSection;
    void Enter();
    void Leave();

    pthread_mutex_t fMutex;
    pthread_mutexattr_t fAttributes;
};

// The same section, built and destroyed with its owner.
class CorvanCriticalSection : public CorvanCriticalSection_ManualConstruct {
public:
    CorvanCriticalSection() { Construct(); }
    ~CorvanCriticalSection() { Destroy(); }
};

// Holds a critical section from construction to destruction; the only way the
// engine takes one.
class AutoCriticalSection {
public:
    explicit AutoCriticalSection(CorvanCriticalSection_ManualConstruct& section) : fSection(section) {
        fSection.Enter();
    }
    ~AutoCriticalSection() { fSection.Leave(); }

    AutoCriticalSection(AutoCriticalSection const&) = delete;
    AutoCriticalSection& operator=(AutoCriticalSection const&) = delete;

private:
    CorvanCriticalSection_ManualConstruct& fSection;
};
