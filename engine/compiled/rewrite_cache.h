#pragma once
// Process-wide memory of words the respelling rewriter has seen that had at
// most one respelling, so the common case of a word looked up again costs one
// comparison.  101 slots, chosen by the word's bytes; a word takes over its
// slot from whatever word was there.
#include "engine/foundation/critical_section.h"

class MemoizedRewriteRuler {
public:
    // Longest word (and rewrite) a slot holds, in bytes.
    static constexpr unsigned long kMaxCachedLength = 24;
    static constexpr unsigned long kSlotCount = 101;

    struct Hit {
        char fWord[kMaxCachedLength + 1] = {};
        unsigned short fNumRewrites = 0;
        char fRewrite[kMaxCachedLength + 1] = {};

        // Stores text when it fits and the hit has no rewrite yet.  Otherwise
        // the word is forgotten (the slot no longer answers for it) and false
        // is returned.
        bool AppendRewrite(char const* text);
    };

    // A slot (or none) together with the cache's lock, held as long as the
    // wrapper lives.
    class HitPtrWrapper {
    public:
        // Takes the lock first, then asks find for the slot.
        template <typename Find>
        HitPtrWrapper(CorvanCriticalSection& lock, Find find) : fLock(lock), fHit(find()) {}
        HitPtrWrapper(HitPtrWrapper const&) = delete;
        HitPtrWrapper& operator=(HitPtrWrapper const&) = delete;

        explicit operator bool() const { return fHit != nullptr; }
        Hit* operator->() const { return fHit; }
        Hit& operator*() const { return *fHit; }

    private:
        AutoCriticalSection fLock;
        Hit* fHit;
    };

    // The word's slot when it holds exactly this word; none for an empty word
    // or one longer than kMaxCachedLength.
    HitPtrWrapper CacheLookup(char const* word);

    // The word's slot, overwritten with the word and no rewrites; none for an
    // empty word or one longer than kMaxCachedLength.
    HitPtrWrapper EnterCache(char const* word);

    // The slot a word maps to: the sum of its bytes, as unsigned values,
    // modulo kSlotCount.
    static unsigned long SlotIndex(char const* word);

private:
    static bool Cacheable(char const* word);

    CorvanCriticalSection fLock;
    Hit fSlots[kSlotCount];
};

// The rewriter's one cache.  sMemoizer needs no construction and builds the
// cache on first use, so a static initialiser of any source may use it
// whatever the link order.
class SharedRewriteCache {
public:
    MemoizedRewriteRuler::HitPtrWrapper CacheLookup(char const* word) const { return Instance().CacheLookup(word); }
    MemoizedRewriteRuler::HitPtrWrapper EnterCache(char const* word) const { return Instance().EnterCache(word); }

private:
    static MemoizedRewriteRuler& Instance();
};

extern SharedRewriteCache const sMemoizer;
