#include "engine/foundation/critical_section.h"

void CorvanCriticalSection_ManualConstruct::Construct() {
    pthread_mutexattr_init(&fAttributes);
    pthread_mutexattr_settype(&fAttributes, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&fMutex, &fAttributes);
    pthread_mutexattr_destroy(&fAttributes);
}

void CorvanCriticalSection_ManualConstruct::Destroy() { pthread_mutex_destroy(&fMutex); }

void CorvanCriticalSection_ManualConstruct::Enter() { pthread_mutex_lock(&fMutex); }

void CorvanCriticalSection_ManualConstruct::Leave() { pthread_mutex_unlock(&fMutex); }
