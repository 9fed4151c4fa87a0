#pragma once
// Counting the subject domains of a sentence's readings, so that readings of
// the domains the sentence is about can be activated.
#include <cstddef>
#include <cstdint>

#include "engine/foundation/active_domains.h"
#include "engine/foundation/entry.h"
#include "engine/parse/analysis_settings.h"

// Above 0, domains active before a sentence are cleared before it is counted,
// and reactivated when it brings no new domain.  0 (the default): the
// active domains of earlier sentences stay as they were.
extern int gDomainClearThreshold;
// (gbTrackDomainActivation, in analysis_settings.h, traces the counting on
// standard output.)

// The domain counts of one chart cell.
class DomainCounterForChartCell {
public:
    // Raises the cell's count of each domain the reading weights to the
    // weight; a second instance of a word only raises counts to a weight of
    // exactly 1.  Domains outside 1..80 are ignored.  True when anything
    // counted.
    bool CountDomainsForFinePOS(FinePOS_EX const& fp, bool secondInstance);
    // 0 for a domain outside 1..80.
    uint32_t Count(DomainID domain) const;
    // Adds the counts to the sentence's.
    void AddTo(ActiveDomains& domains) const;

private:
    uint32_t fCounts[kDomainCount] = {};  // domain 1 first
};

// A list of domain numbers long enough for every domain.
using DomainList = uint32_t[kDomainCount];

// Writes the active domains other than 1, ascending, to list; with `clear`
// each is also cleared and deactivated.  Returns how many were written.
std::size_t FindListOfActiveDomains(ActiveDomains& domains, DomainList& list, bool clear);
