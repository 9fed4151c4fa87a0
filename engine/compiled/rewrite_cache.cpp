#include "engine/compiled/rewrite_cache.h"

#include <cstring>

SharedRewriteCache const sMemoizer{};

MemoizedRewriteRuler& SharedRewriteCache::Instance() {
    static MemoizedRewriteRuler cache;
    return cache;
}

bool MemoizedRewriteRuler::Hit::AppendRewrite(char const* text) {
    if (fNumRewrites == 0 && std::strlen(text) <= kMaxCachedLength) {
        std::strcpy(fRewrite, text);
        fNumRewrites = 1;
        return true;
    }
    fWord[0] = '\0';
    return false;
}

unsigned long MemoizedRewriteRuler::SlotIndex(char const* word) {
    unsigned long sum = 0;
    for (unsigned char const* p = reinterpret_cast<unsigned char const*>(word); *p != 0; ++p) sum += *p;
    return sum % kSlotCount;
}

bool MemoizedRewriteRuler::Cacheable(char const* word) {
    std::size_t const length = std::strlen(word);
    return length > 0 && length <= kMaxCachedLength;
}

MemoizedRewriteRuler::HitPtrWrapper MemoizedRewriteRuler::CacheLookup(char const* word) {
    return HitPtrWrapper(fLock, [this, word]() -> Hit* {
        if (!Cacheable(word)) return nullptr;
        Hit& slot = fSlots[SlotIndex(word)];
        return std::strcmp(slot.fWord, word) == 0 ? &slot : nullptr;
    });
}

MemoizedRewriteRuler::HitPtrWrapper MemoizedRewriteRuler::EnterCache(char const* word) {
    return HitPtrWrapper(fLock, [this, word]() -> Hit* {
        if (!Cacheable(word)) return nullptr;
        Hit& slot = fSlots[SlotIndex(word)];
        std::strcpy(slot.fWord, word);
        slot.fNumRewrites = 0;
        slot.fRewrite[0] = '\0';
        return &slot;
    });
}
