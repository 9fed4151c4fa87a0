#pragma once
// Module-initialisation counters.  Every engine source that needs a module's
// shared state constructs one counter object of that module in its static
// initialisation, before its own tables.  The first construction anywhere
// builds the shared state and the last destruction at exit frees it, so the
// state exists whatever order the sources are initialised in.
#include "engine/foundation/critical_section.h"

// Guards the engine's fixed-size block pools.
extern CorvanCriticalSection_ManualConstruct gBlockAllocatedCritSec;
// Guards the pool of shared reference counters.
extern CorvanCriticalSection_ManualConstruct sCounterList_Shared_CritSec;

class BlockAllocation_ModuleInit {
public:
    BlockAllocation_ModuleInit();
    ~BlockAllocation_ModuleInit();
    BlockAllocation_ModuleInit(BlockAllocation_ModuleInit const&) = delete;
    BlockAllocation_ModuleInit& operator=(BlockAllocation_ModuleInit const&) = delete;

    static unsigned sCount;
};

class Shared_ModuleInit {
public:
    Shared_ModuleInit();
    ~Shared_ModuleInit();
    Shared_ModuleInit(Shared_ModuleInit const&) = delete;
    Shared_ModuleInit& operator=(Shared_ModuleInit const&) = delete;

    static unsigned sCount;
};

// The two counters every engine module holds, in this order, before its own
// start-up tables.
struct ModuleCounters {
    BlockAllocation_ModuleInit blockAllocation;
    Shared_ModuleInit shared;
};

// The grammar keeps no shared state of its own; its sources still count.
class Grammar_ModuleInit {
public:
    Grammar_ModuleInit() { ++sCount; }
    ~Grammar_ModuleInit() { --sCount; }
    Grammar_ModuleInit(Grammar_ModuleInit const&) = delete;
    Grammar_ModuleInit& operator=(Grammar_ModuleInit const&) = delete;

    static unsigned sCount;
};
