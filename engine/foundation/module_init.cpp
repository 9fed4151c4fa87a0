#include "engine/foundation/module_init.h"

// Zero-filled before any initialiser runs; the counters construct them.
CorvanCriticalSection_ManualConstruct gBlockAllocatedCritSec;
CorvanCriticalSection_ManualConstruct sCounterList_Shared_CritSec;

unsigned BlockAllocation_ModuleInit::sCount = 0;
unsigned Shared_ModuleInit::sCount = 0;
unsigned Grammar_ModuleInit::sCount = 0;

BlockAllocation_ModuleInit::BlockAllocation_ModuleInit() {
    if (sCount++ == 0) gBlockAllocatedCritSec.Construct();
}

BlockAllocation_ModuleInit::~BlockAllocation_ModuleInit() {
    if (--sCount == 0) gBlockAllocatedCritSec.Destroy();
}

Shared_ModuleInit::Shared_ModuleInit() {
    if (sCount++ == 0) sCounterList_Shared_CritSec.Construct();
}

Shared_ModuleInit::~Shared_ModuleInit() {
    if (--sCount == 0) sCounterList_Shared_CritSec.Destroy();
}
