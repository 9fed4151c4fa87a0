#include "engine/userdict/ud_entry_group_info.h"

void UDEntryGroupInfo_EX::Set_Noun(std::string const& base, std::string const& plural) {
    kind = kNounGroup;
    forms[kBaseForm] = base;
    forms[kPluralOrPastForm] = plural;
}

void UDEntryGroupInfo_EX::Set_Verb(std::string const& base, VerbTransativityType verbTransitivity,
                                   std::string const& past, std::string const& pastParticiple,
                                   std::string const& thirdSingular, std::string const& ing,
                                   std::string const& verbAnswer, std::string const& verbParticle) {
    kind = kVerbGroup;
    transitivity = verbTransitivity;
    forms[kBaseForm] = base;
    forms[kPluralOrPastForm] = past;
    forms[kPastParticipleForm] = pastParticiple;
    forms[kThirdSingularForm] = thirdSingular;
    forms[kIngForm] = ing;
    answer = verbAnswer;
    particle = verbParticle;
}

void UDEntryGroupInfo_EX::Set_Verb_1Inflection(VerbTransativityType verbTransitivity, uint32_t formIndex,
                                               std::string const& form, std::string const& verbAnswer,
                                               std::string const& verbParticle) {
    kind = kVerbGroup;
    transitivity = verbTransitivity;
    if (formIndex < kNumInflections) forms[formIndex] = form;
    answer = verbAnswer;
    particle = verbParticle;
}

void UDEntryGroupInfo_EX::Set_Adjective(std::string const& base, std::string const& adjectiveAnswer) {
    kind = kAdjectiveGroup;
    forms[kBaseForm] = base;
    answer = adjectiveAnswer;
}

void UDEntryGroupInfo_EX::Set_PrepositionalPhrase(std::string const& base, std::string const& phraseAnswer) {
    kind = kPrepositionalPhraseGroup;
    forms[kBaseForm] = base;
    answer = phraseAnswer;
}

std::string UDEntryGroupInfo_EX::GetBaseForm() const {
    for (uint32_t i = 0; i < NumberOfSrcInflections(); ++i) {
        if (!forms[i].empty()) return forms[i];
    }
    return std::string();
}

uint32_t UDEntryGroupInfo_EX::NumberOfSrcInflections() const {
    if (kind == kNounGroup) return 2;
    if (kind == kVerbGroup) return kNumInflections;
    return 1;
}

bool EntryGroupsMatchEnufForLookupInfo(UDEntryGroupInfo_EX const& a, UDEntryGroupInfo_EX const& b) {
    if (a.kind != b.kind || a.translation != b.translation) return false;
    for (uint32_t i = 0; i < a.NumberOfSrcInflections(); ++i) {
        if (a.forms[i] != b.forms[i]) return false;
    }
    return true;
}

bool operator==(UDEntryGroupInfo_EX const& a, UDEntryGroupInfo_EX const& b) {
    if (!EntryGroupsMatchEnufForLookupInfo(a, b) || a.idiomKind != b.idiomKind) return false;
    if (a.kind == UDEntryGroupInfo_EX::kVerbGroup) {
        return a.answer == b.answer && a.particle == b.particle && a.transitivity == b.transitivity;
    }
    if (a.kind == UDEntryGroupInfo_EX::kPrepositionGroup) return a.subtype == b.subtype;
    return true;
}

bool operator!=(UDEntryGroupInfo_EX const& a, UDEntryGroupInfo_EX const& b) { return !(a == b); }
