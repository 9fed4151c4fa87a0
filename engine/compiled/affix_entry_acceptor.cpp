#include "engine/compiled/affix_entry_acceptor.h"

#include <utility>
#include <vector>

#include "engine/compiled/rewriting_rule_list.h"
#include "engine/foundation/feature_bits.h"
#include "engine/foundation/shallow_clone.h"
#include "engine/foundation/sjis_chars.h"

namespace {

constexpr std::size_t kShortestStem = 3;

bool BeginsUpper(std::string const& text) { return !text.empty() && text[0] >= 'A' && text[0] <= 'Z'; }

bool EqualIgnoringCase(std::string const& a, std::size_t at, std::string const& b) {
    if (at + b.size() > a.size()) return false;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (ASCIIToLower(a[at + i]) != ASCIIToLower(b[i])) return false;
    }
    return true;
}

// The headword for the derived base form of a conjugated stem: the letters
// the affix added around the stem, put around the base's headword
// ("reformatted" from "formatted" gives "reformat" for "format").  When the
// affix changed the stem's own letters there is no telling, and the base's
// headword stays.
std::string DerivedBaseHeadword(std::string const& surface, std::string const& stem, std::string const& base) {
    if (surface.size() > stem.size()) {
        std::size_t const added = surface.size() - stem.size();
        if (EqualIgnoringCase(surface, added, stem)) return surface.substr(0, added) + base;
        if (EqualIgnoringCase(surface, 0, stem)) return base + surface.substr(stem.size());
    }
    return base;
}

// The readings of one stem entry made into readings of the derived entry.
class Derivation {
public:
    Derivation(AffixActionRule const& rule, std::string const& surface, std::string const& stemHeadword,
               Dictionary<Entry_EX> const& temporary, Entry_EX const& derived)
        : fRule(rule), fSurface(surface), fStemHeadword(stemHeadword), fTemporary(temporary), fDerived(derived) {}

    // Whether the stem's fine part of speech fits the rule; if so its derived
    // copy is added.
    bool TakeFinePOS(FinePOS_EX const& stem) {
        if (stem.GetFinePOS() != fRule.GetStemCategory() || fRule.GetDerivedCategory() == POS_E_Source{}) return false;
        FeatureSets_E_Source const completed = CompletedFeatures(stem);
        for (unsigned set = 0; set < FeatureSets_E_Source::kSetCount; ++set) {
            if (!fRule.FeaturesMatch(completed.GetSet(set), set)) return false;
        }
        Derive(stem, fDerived, fSurface, fStemHeadword);
        return true;
    }

private:
    static FeatureSets_E_Source CompletedFeatures(FinePOS_EX const& finePOS) {
        FeatureSets_E_Source const stored = finePOS.GetFeatureSets();
        FeatureSets_E_Source completed;
        for (unsigned set = 0; set < FeatureSets_E_Source::kSetCount; ++set)
            completed.SetSet(
                set, FillDefaultFeats(stored.GetSet(set), static_cast<short>(set), finePOS.GetFinePOS()).c_str());
        return completed;
    }

    FeatureSets_E_Source DerivedFeatures(FinePOS_EX const& source) const {
        FeatureSets_E_Source const completed = CompletedFeatures(source);
        FeatureSets_E_Source derived;
        std::string set;
        for (unsigned i = 0; i < FeatureSets_E_Source::kSetCount; ++i) {
            fRule.GetDerivedFeatures(&set, completed.GetSet(i), i);
            derived.SetSet(i, set.c_str());
        }
        return derived;
    }

    FinePOS_EX Derive(FinePOS_EX const& source, Entry_EX const& target, std::string const& surface,
                      std::string const& stemHeadword) {
        FinePOS_EX derived = ShallowCloneFinePOS(source, target);
        derived.SetIdiomType(eIdiomNormal);
        derived.SetFinePOS(fRule.GetDerivedCategory());
        derived.SetFeatureSets(DerivedFeatures(source));
        derived.SetPValue(fRule.GetDerivedPOSProb(source.GetPValue()));
        // A conjugated form reads its paraphrases from its base form, so the
        // base is derived too, once however many of its forms the stem has.
        if (source.IsACF())
            derived.SetBaseForm(DerivedBaseOf(source.GetBaseForm()));
        else
            DeriveParaphrases(source, derived, surface, stemHeadword);
        return derived;
    }

    void DeriveParaphrases(FinePOS_EX const& source, FinePOS_EX const& target, std::string const& surface,
                           std::string const& stemHeadword) {
        for (ForwardIterator<Paraphrase_EX> it = source.GetParaphraseIterator(); !it.IsAtEnd(); ++it) {
            Paraphrase_EX const stem = *it;
            Paraphrase_EX derived = ShallowCloneParaphrase(source, stem, target);
            derived.SetCookedTranslation(
                fRule.GetDerivedJ(stem.GetCookedTranslation(), surface.c_str(), stemHeadword.c_str()));
            std::string const transplant = fRule.GetDerivedJTransplant(stem.GetTransplant());
            if (!transplant.empty()) derived.SetTransplant(transplant);
            derived.SetTransPOS(fRule.GetDerivedJPOS(stem.GetTransPOS()));
            derived.SetSemantics(fRule.GetDerivedParaphraseSemantics(stem.GetSemantics()));
        }
    }

    FinePOS_EX DerivedBaseOf(FinePOS_EX const& base) {
        for (auto const& [stemBase, derivedBase] : fBases) {
            if (stemBase == base) return derivedBase;
        }
        std::string const baseHeadword = base.GetEntry().GetSrcText();
        std::string const headword = DerivedBaseHeadword(fSurface, fStemHeadword, baseHeadword);
        // Made for this acceptance alone, so that a refusal removes it with
        // the derived entry.
        Entry_EX const baseEntry = fTemporary.CreateNewEntry(headword);
        FinePOS_EX const derived = Derive(base, baseEntry, headword, baseHeadword);
        fBases.emplace_back(base, derived);
        return derived;
    }

    AffixActionRule const& fRule;
    std::string const& fSurface;
    std::string const& fStemHeadword;
    Dictionary<Entry_EX> fTemporary;
    Entry_EX fDerived;
    std::vector<std::pair<FinePOS_EX, FinePOS_EX>> fBases;
};

}  // namespace

bool AffixEntryAcceptorRep::Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) {
    if (IsUserDict(entry->GetDictionary())) return false;
    std::string const stemHeadword = entry->GetSrcText();
    if (stemHeadword.size() < kShortestStem) return false;
    if (BeginsUpper(fSurface) && !BeginsUpper(stemHeadword)) return false;

    Dictionary<Entry_EX> dictionary(temporary);
    Entry_EX const derived = dictionary.CreateNewEntry(fSurface);
    Derivation derivation(fRule, fSurface, stemHeadword, dictionary, derived);
    bool took = false;
    for (ForwardIterator<FinePOS_EX> it = entry->GetFinePOSIterator(); !it.IsAtEnd(); ++it)
        took = derivation.TakeFinePOS(*it) || took;
    if (!took) {
        DiscardRewrittenEntry(derived, temporary);
        return false;
    }
    *entry = derived;
    return true;
}
