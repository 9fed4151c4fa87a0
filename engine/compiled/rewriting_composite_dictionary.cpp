#include "engine/compiled/rewriting_composite_dictionary.h"

#include "engine/compiled/rewriting_dictionary.h"
#include "engine/foundation/module_init.h"

namespace {

ModuleCounters const sModuleCounters;

}  // namespace

RewritingCompositeDictionaryRep_XX::RewritingCompositeDictionaryRep_XX(std::vector<Dictionary_EX> const& dictionaries)
    : CompositeDictionaryRep_EX(mkRewritingDictVector(dictionaries)) {
    SetAllowReverseEntryMapping(false);
}

std::vector<Dictionary_EX> RewritingCompositeDictionaryRep_XX::mkRewritingDictVector(
    std::vector<Dictionary_EX> const& dictionaries) {
    std::vector<Dictionary_EX> wrapped;
    wrapped.reserve(dictionaries.size());
    for (Dictionary_EX const& dictionary : dictionaries) wrapped.push_back(RewritingDictionary_EX(dictionary));
    return wrapped;
}

CompositeDictionary_EX mkRewritingCompositeDictionary(std::vector<Dictionary_EX> const& dictionaries) {
    return CompositeDictionary_EX(RewritingCompositeDictionaryRep_XX::mkRewritingDictVector(dictionaries));
}

namespace {

RewritingDictionaryRep_<Dictionary_EX>* Member(Dictionary_EX const& member) {
    return RewritingDictionary<Dictionary_EX>(member).GetRep();
}

}  // namespace

void RewritingCompositeDictionaryRep_XX::SetAllowReverseEntryMapping(bool allow) {
    fAllowReverseMapping = allow;
    for (Dictionary_EX const& member : GetMembers()) Member(member)->SetAllowReverseEntryMapping(allow);
}

Entry_EX RewritingCompositeDictionaryRep_XX::MapToOriginal(Entry_EX const& entry) const {
    for (Dictionary_EX const& member : GetMembers()) {
        RewritingDictionaryRep_<Dictionary_EX> const* const rewriting = Member(member);
        if (rewriting->IsFromDict(entry)) return rewriting->MapToOriginal(entry);
    }
    return entry;
}

ForwardIterator<Entry_EX> RewritingCompositeDictionaryRep_XX::MapToOriginal(
    ForwardIterator<Entry_EX> const& entries) const {
    std::vector<Entry_EX> mapped;
    for (ForwardIterator<Entry_EX> it = entries; !it.IsAtEnd(); ++it) mapped.push_back(MapToOriginal(*it));
    return VectorByValueForwardIterator<Entry_EX>(mapped);
}

RewritingCompositeDictionary_XX::RewritingCompositeDictionary_XX(std::vector<Dictionary_EX> const& dictionaries)
    : CompositeDictionary_EX(new RewritingCompositeDictionaryRep_XX(dictionaries)) {}

RewritingCompositeDictionaryRep_XX* RewritingCompositeDictionary_XX::GetRep() const {
    return &dynamic_cast<RewritingCompositeDictionaryRep_XX&>(*Dictionary_EX::GetRep());
}
