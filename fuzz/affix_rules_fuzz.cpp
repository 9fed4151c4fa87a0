// Arbitrary bytes as a looked-up text and a stem translation (the input split
// at its first newline): the prefix, suffix and first-word suffix rule sets
// over the text, every stem they give accepted as a noun, verb and adjective
// of a dictionary, and every rule's Japanese templates over the translation.
// Rewrites must fit a lookup key and come after the text itself; accepted
// entries must be made for the text.
#include <cstdint>
#include <string>

#include "engine/compiled/affix_action_rule.h"
#include "engine/compiled/affix_rule_sets.h"
#include "engine/foundation/atom_databases.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/temporary_dictionary.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

std::string NextPiece(char const*& p, char const* end) {
    char const* stop = p;
    while (stop != end && *stop != '\n') ++stop;
    std::string piece(p, stop);
    p = stop == end ? end : stop + 1;
    return piece.substr(0, piece.find('\0'));
}

// A dictionary holding the stem as a reading of each common category.
Dictionary_EX StemDictionary(std::string const& stem, std::string const& translation) {
    Dictionary_EX_Temporary dictionary;
    dictionary.SetID(5);
    Entry_EX entry = dictionary.CreateNewEntry(stem);
    for (char const* name : {"N", "VT01", "ADJ"}) {
        POS_E_Source pos{};
        gSourcePOSDatabase().Lookup(name, &pos);
        FinePOS_EX finePOS = entry.CreateNewFinePOS();
        finePOS.SetFinePOS(pos);
        FeatureSets_E_Source sets;
        sets.SetSet(0, "SSSC1101110M0__");
        finePOS.SetFeatureSets(sets);
        finePOS.CreateNewParaphrase().SetCookedTranslation(translation);
    }
    return dictionary;
}

void Rewrite(RuleSet<Entry_EX> rules, std::string const& text, std::string const& translation) {
    ForwardIterator<RuleApplicationResult<Entry_EX>> it = rules.ApplyRule(text.c_str(), nullptr);
    Check(!it.IsAtEnd() && (*it).GetText() == text);
    for (++it; !it.IsAtEnd(); ++it) {
        RuleApplicationResult<Entry_EX> result = *it;
        std::string const stem = result.GetText();
        Check(!stem.empty() && stem.size() <= 255);
        Dictionary_EX const stems = StemDictionary(stem, translation);
        ForwardIterator<Entry_EX> found = stems.Lookup(stem, nullptr);
        if (found.IsAtEnd()) continue;
        Entry_EX entry = *found;
        Dictionary_EX_Temporary temporary;
        if (result.GetAcceptor().Accept(&entry, temporary)) Check(entry.GetSrcText() == text);
    }
}

void Templates(std::string const& translation, std::string const& text) {
    for (AffixActionRule const& rule : kAffixActions) {
        std::string const japanese = rule.GetDerivedJ(translation, text.c_str(), text.c_str());
        if (rule.translationTemplate[0] == '+' || rule.translationTemplate[0] == '-')
            Check(japanese.find(translation) != std::string::npos);
        rule.GetDerivedJTransplant(translation);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
    if (size > 1024) return 0;
    char const* p = reinterpret_cast<char const*>(data);
    char const* const end = p + size;
    std::string const text = NextPiece(p, end);
    std::string const translation = NextPiece(p, end);
    if (text.size() > 255) return 0;  // the rewriting dictionary looks up nothing longer
    Rewrite(MakePrefixRuleSet(), text, translation);
    Rewrite(MakeSuffixRuleSet(), text, translation);
    Rewrite(MakeFirstWordSuffixRuleSet(), text, translation);
    Templates(translation, text);
    return 0;
}
