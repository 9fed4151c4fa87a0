#pragma once
// The subject domains active while one sentence is translated.
//
// A domain becomes active either explicitly (from the user's choice or a
// dictionary's own domains) or by counting: every reading of the domain the
// sentence meets adds to its count, and at 3 the domain is active.  In the
// general mode (62) readings of domain 1, "technical", are flagged too, so
// that the caller can prefer them.
#include <cstdint>

#include "engine/foundation/value_types.h"

class FinePOS_EX;
class Paraphrase_EX;

class ActiveDomains {
public:
    static constexpr uint32_t kNormalMode = 61;
    static constexpr uint32_t kGeneralMode = 62;
    // A count at this level or above makes its domain active.
    static constexpr int32_t kActiveCount = 3;

    ActiveDomains() { Clear(); }

    // Normal mode, all counts 0, no domain activated.
    void Clear();

    // Normal mode with nothing active.
    bool Empty() const;

    // Switches between the general mode (true) and the normal mode.
    void SetGeneralMode(bool general);
    bool IsGeneralMode() const { return fMode == kGeneralMode; }

    // Adds amount (which may be negative) to the domain's count, saturating
    // at the limits of the count.  Domains outside 1..80 are ignored.
    void AddToDomainCount(DomainID domain, int32_t amount);

    // Adds the set's domains to the explicitly activated ones.
    void ActivateDomainsExplicitly(DomainIDSet const& domains);

    // The domain's count becomes 0 and it is no longer explicitly activated.
    void ClearDomainCountAndDeactivate(DomainID domain);

    // The activated domains and those whose count is 3 or more.
    DomainIDSet GetActiveDomains() const;

    // Over the reading's domains: *general when the mode is general and one of
    // them is domain 1, *match when one of them is active.  Both are false for
    // a reading without domains.  Either pointer may be null.
    void Match(bool* general, bool* match, FinePOS_EX const& pos) const;
    void Match(bool* general, bool* match, Paraphrase_EX const& paraphrase) const;

    // General or match, as Match tells them.
    bool AnyMatch(FinePOS_EX const& pos) const;
    bool AnyMatch(Paraphrase_EX const& paraphrase) const;

private:
    bool IsActive(DomainID domain) const;
    // Folds one domain of a reading into the two answers of Match.
    void MatchOne(DomainID domain, bool* general, bool* match) const;

    uint32_t fMode = kNormalMode;
    int32_t fCounts[kDomainCount] = {};  // domain 1 first
    DomainIDSet fActivated;
};
