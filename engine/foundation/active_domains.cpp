#include "engine/foundation/active_domains.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "engine/foundation/entry.h"
#include "engine/foundation/pos_codes.h"

namespace {

std::size_t CountIndex(DomainID domain) { return static_cast<std::size_t>(domain) - 1; }

void Answer(bool* out, bool value) {
    if (out != nullptr) *out = value;
}

}  // namespace

void ActiveDomains::Clear() {
    fMode = kNormalMode;
    std::fill(std::begin(fCounts), std::end(fCounts), 0);
    fActivated = DomainIDSet();
}

bool ActiveDomains::Empty() const {
    return fMode == kNormalMode && fActivated.Empty() &&
           std::none_of(std::begin(fCounts), std::end(fCounts), [](int32_t count) { return count >= kActiveCount; });
}

void ActiveDomains::SetGeneralMode(bool general) { fMode = general ? kGeneralMode : kNormalMode; }

void ActiveDomains::AddToDomainCount(DomainID domain, int32_t amount) {
    if (!DomainIDSet::IsValid(domain)) return;
    int32_t& count = fCounts[CountIndex(domain)];
    int64_t const sum = int64_t{count} + amount;
    count = static_cast<int32_t>(
        std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void ActiveDomains::ActivateDomainsExplicitly(DomainIDSet const& domains) { fActivated |= domains; }

void ActiveDomains::ClearDomainCountAndDeactivate(DomainID domain) {
    if (!DomainIDSet::IsValid(domain)) return;
    fCounts[CountIndex(domain)] = 0;
    fActivated.Clear(domain);
}

DomainIDSet ActiveDomains::GetActiveDomains() const {
    DomainIDSet active = fActivated;
    for (uint32_t domain = 1; domain <= kDomainCount; ++domain) {
        if (fCounts[CountIndex(DomainID{domain})] >= kActiveCount) active.Set(DomainID{domain});
    }
    return active;
}

bool ActiveDomains::IsActive(DomainID domain) const {
    return DomainIDSet::IsValid(domain) && (fActivated.Contains(domain) || fCounts[CountIndex(domain)] >= kActiveCount);
}

void ActiveDomains::MatchOne(DomainID domain, bool* general, bool* match) const {
    if (fMode == kGeneralMode && domain == kDomainTechnical) *general = true;
    if (IsActive(domain)) *match = true;
}

void ActiveDomains::Match(bool* general, bool* match, FinePOS_EX const& pos) const {
    bool isGeneral = false, isMatch = false;
    // The size is cheap to read and spares building the list when empty.
    if (pos.PeekDomainWeightsListSize() != 0) {
        for (DomainWeightInfoRecord const& weight : pos.GetDomainWeights())
            MatchOne(weight.domain, &isGeneral, &isMatch);
    }
    Answer(general, isGeneral);
    Answer(match, isMatch);
}

void ActiveDomains::Match(bool* general, bool* match, Paraphrase_EX const& paraphrase) const {
    bool isGeneral = false, isMatch = false;
    DomainIDSet const domains = paraphrase.GetDomainIDSet();
    for (uint32_t domain = 1; domain <= kDomainCount; ++domain) {
        if (domains.Contains(DomainID{domain})) MatchOne(DomainID{domain}, &isGeneral, &isMatch);
    }
    Answer(general, isGeneral);
    Answer(match, isMatch);
}

bool ActiveDomains::AnyMatch(FinePOS_EX const& pos) const {
    bool general = false, match = false;
    Match(&general, &match, pos);
    return general || match;
}

bool ActiveDomains::AnyMatch(Paraphrase_EX const& paraphrase) const {
    bool general = false, match = false;
    Match(&general, &match, paraphrase);
    return general || match;
}
