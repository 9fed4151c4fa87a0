// Domain counting over the chart.  Every cell adds, per domain, the largest
// weight its readings give it.  A word met again counts once more, but only
// its readings' weights of 1; met a third time it counts no more, so that a
// repeated word cannot activate a domain on its own.
#include "engine/parse/chart_domains.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

int gDomainClearThreshold = 0;

namespace {

// The words recorded while counting one sentence.
constexpr std::size_t kMaxRecordedWords = 40;
constexpr std::size_t kMaxRecordedWordLength = 20;

std::string NameOf(DomainID domain) { return gDomainIDNameDBase().GetName(domain); }

struct RecordedWord {
    std::string text;
    bool seenAgain = false;
};

bool SameWordIgnoringCase(std::string const& a, std::string const& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return ASCIIToLower(x) == ASCIIToLower(y); });
}

}  // namespace

bool DomainCounterForChartCell::CountDomainsForFinePOS(FinePOS_EX const& fp, bool secondInstance) {
    if (fp.PeekDomainWeightsListSize() == 0) return false;
    bool counted = false;
    for (DomainWeightInfoRecord const& weight : fp.GetDomainWeights()) {
        if (!DomainIDSet::IsValid(weight.domain)) continue;
        uint32_t& count = fCounts[static_cast<std::size_t>(weight.domain) - 1];
        if (weight.weight <= count || (secondInstance && weight.weight != 1)) continue;
        count = weight.weight;
        counted = true;
        if (!gbTrackDomainActivation) continue;
        std::string const text = fp.GetEntry().GetSrcText();
        std::string const name = NameOf(weight.domain);
        if (secondInstance) {
            std::printf("Second instance of '%s' adds another %d for %s\n", text.c_str(), weight.weight, name.c_str());
        } else {
            std::printf("DOMAINS: ");
            std::printf("'%s' adds %d for %s\n", text.c_str(), weight.weight, name.c_str());
        }
    }
    return counted;
}

uint32_t DomainCounterForChartCell::Count(DomainID domain) const {
    return DomainIDSet::IsValid(domain) ? fCounts[static_cast<std::size_t>(domain) - 1] : 0;
}

void DomainCounterForChartCell::AddTo(ActiveDomains& domains) const {
    for (uint32_t domain = 1; domain <= kDomainCount; ++domain) {
        uint32_t const count = fCounts[domain - 1];
        if (count != 0) domains.AddToDomainCount(DomainID{domain}, static_cast<int32_t>(count));
    }
}

std::size_t FindListOfActiveDomains(ActiveDomains& domains, DomainList& list, bool clear) {
    DomainIDSet const active = domains.GetActiveDomains();
    std::size_t count = 0;
    for (uint32_t domain = 2; domain <= kDomainCount; ++domain) {
        if (!active.Contains(DomainID{domain})) continue;
        list[count++] = domain;
        if (clear) domains.ClearDomainCountAndDeactivate(DomainID{domain});
    }
    return count;
}

void ParseChartCreator::CountDomains() {
    ActiveDomains& domains = fSentence->Domains();
    DomainList before = {};
    std::size_t beforeCount = 0;
    if (gDomainClearThreshold > 0) beforeCount = FindListOfActiveDomains(domains, before, true);

    std::vector<RecordedWord> recorded;
    ParseChart const& chart = Chart();
    std::vector<PreparsedWord> const& words = fSentence->Words();
    std::size_t const n = chart.WordCount();
    for (std::size_t d = 0; d < n; ++d) {
        for (std::size_t e = d; e < n; ++e) {
            bool secondInstance = false;
            std::string const* word = d == 0 && e < words.size() ? &words[e].fText : nullptr;
            RecordedWord* seen = nullptr;
            if (word != nullptr) {
                auto const found = std::find_if(recorded.begin(), recorded.end(), [word](RecordedWord const& r) {
                    return SameWordIgnoringCase(r.text, *word);
                });
                if (found != recorded.end()) seen = &*found;
            }
            if (seen != nullptr) {
                if (seen->seenAgain) continue;
                seen->seenAgain = true;
                secondInstance = true;
            }
            DomainCounterForChartCell counter;
            bool counted = false;
            for (ParseChartEntry const& entry : chart.Cell(d, e).entries)
                if (entry.kind == ParseChartEntry::kDictionaryReading &&
                    counter.CountDomainsForFinePOS(chart.FinePOSOf(entry), secondInstance))
                    counted = true;
            counter.AddTo(domains);
            if (counted && word != nullptr && seen == nullptr && recorded.size() < kMaxRecordedWords &&
                word->size() <= kMaxRecordedWordLength)
                recorded.push_back({*word, false});
        }
    }

    if (gDomainClearThreshold > 0) {
        DomainList after = {};
        std::size_t const afterCount = FindListOfActiveDomains(domains, after, false);
        bool const anyNew = std::any_of(after, after + afterCount, [&](uint32_t domain) {
            return std::find(before, before + beforeCount, domain) == before + beforeCount;
        });
        if (!anyNew) {
            for (std::size_t i = 0; i < beforeCount; ++i) {
                domains.AddToDomainCount(DomainID{before[i]}, ActiveDomains::kActiveCount);
                if (gbTrackDomainActivation)
                    std::printf("Reactivating because no new domain(s): %s\n", NameOf(DomainID{before[i]}).c_str());
            }
        }
    }

    if (gbTrackDomainActivation) {
        std::printf("ACTIVE domains:");
        DomainIDSet const active = domains.GetActiveDomains();
        for (uint32_t domain = 1; domain <= kDomainCount; ++domain)
            if (active.Contains(DomainID{domain})) std::printf(" %s", NameOf(DomainID{domain}).c_str());
        std::printf("\n");
    }
}
