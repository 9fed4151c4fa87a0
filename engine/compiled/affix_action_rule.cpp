#include "engine/compiled/affix_action_rule.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/sjis_chars.h"

namespace {

constexpr char kEmptiedSet[] = "NO";
constexpr char kWordPlaceholder[] = "<{WORD}>";
constexpr char kStemPlaceholder[] = "<{STEM}>";

char const* OrEmpty(char const* text) { return text != nullptr ? text : ""; }

bool IsPrimedName(char const* name) {
    std::size_t const length = std::strlen(name);
    return length > 0 && name[length - 1] == '\'';
}

POS_E_Source CategoryNamed(char const* name) {
    std::string bare(OrEmpty(name));
    if (!bare.empty() && bare.back() == '\'') bare.pop_back();
    POS_E_Source pos{};
    return gSourcePOSDatabase().Lookup(bare.c_str(), &pos) ? pos : POS_E_Source{};
}

bool KeepsStemLetter(char c) { return c == '*' || c == '$' || c == '.'; }

// Appends the atoms of the blank-separated names until the record is full.
// An unknown name is skipped: an atom 0 would end the record early.
void AppendAtoms(SemanticRecord* record, char const* names) {
    unsigned count = record->AtomCount();
    char const* p = OrEmpty(names);
    while (count < SemanticRecord::kMaxAtoms) {
        while (*p == ' ') ++p;
        if (*p == '\0') break;
        char const* end = p;
        while (*end != '\0' && *end != ' ') ++end;
        std::string const name(p, end);
        p = end;
        unsigned short atom = 0;
        if (gSemanticAtomDatabase_E_Source().Lookup(name.c_str(), &atom) && atom != 0) record->atoms[count++] = atom;
    }
}

bool HasNames(char const* names) {
    for (char const* p = OrEmpty(names); *p != '\0'; ++p) {
        if (*p != ' ') return true;
    }
    return false;
}

std::string Braced(char const* text) { return "{" + std::string(OrEmpty(text)) + "}"; }

}  // namespace

POS_E_Source AffixActionRule::GetStemCategory() const { return CategoryNamed(stemCategory); }

POS_E_Source AffixActionRule::GetDerivedCategory() const { return CategoryNamed(derivedCategory); }

bool AffixActionRule::GetDerivedPrimed() const { return IsPrimedName(OrEmpty(derivedCategory)); }

bool AffixActionRule::FeaturesMatch(char const* features, unsigned set) const {
    if (set >= kFeatureSetCount) return false;
    char const* pattern = OrEmpty(stemFeatures[set]);
    char const* text = OrEmpty(features);
    for (; *pattern != '\0' && *text != '\0'; ++pattern, ++text) {
        if (*pattern != '*' && *pattern != *text) return false;
    }
    for (; *pattern != '\0'; ++pattern) {
        if (*pattern != '_' && *pattern != '*') return false;
    }
    return true;
}

void AffixActionRule::GetDerivedFeatures(std::string* out, char const* stem, unsigned set) const {
    out->clear();
    if (set >= kFeatureSetCount) return;
    std::string const pattern(OrEmpty(derivedFeatures[set]));
    if (pattern == kEmptiedSet) return;
    std::string const stemText(OrEmpty(stem));
    bool const allDefaults = stemText == "#";
    *out = allDefaults ? std::string(stemText.size(), '?') : stemText;
    if (out->size() < pattern.size()) out->resize(pattern.size(), '?');
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (!KeepsStemLetter(pattern[i])) (*out)[i] = pattern[i];
    }
}

short AffixActionRule::GetDerivedPOSProb(short p) const {
    if (!changesPValue) return p;
    // Held to the range: a low p-value lowered further must not wrap round to
    // the most preferred reading.  A tenth of p is kept whole until the sum
    // is truncated toward zero.
    int const changed = additive ? p + pValueDelta : static_cast<int>(pValueDelta + p / 10.0);
    int const held =
        std::clamp(changed, int{std::numeric_limits<short>::min()}, int{std::numeric_limits<short>::max()});
    return static_cast<short>(held);
}

POS_J_Target AffixActionRule::GetDerivedJPOS(POS_J_Target jpos) const {
    return derivedJPOS != POS_J_Target{} ? derivedJPOS : jpos;
}

std::string AffixActionRule::GetDerivedJ(std::string const& cooked, char const* surface, char const* stem) const {
    char const* p = OrEmpty(translationTemplate);
    if (*p == '+') return std::string(p + 1) + cooked;
    if (*p == '-') return cooked + (p + 1);
    std::string out;
    if (*p == '@') {
        out = cooked;
        ++p;
    }
    // By characters, so that a trail byte is never taken for a placeholder.
    while (*p != '\0') {
        if (std::strcmp(p, kWordPlaceholder) == 0) return out + Braced(surface);
        if (std::strcmp(p, kStemPlaceholder) == 0) return out + Braced(stem);
        std::size_t const size = SJISCharSize(p);
        out.append(p, size);
        p += size;
    }
    return out;
}

std::string AffixActionRule::GetDerivedJTransplant(std::string const& transplant) const {
    std::string out;
    // By characters: "@" (0x40) is also a trail byte of double-byte ones.
    for (char const* p = OrEmpty(transplantTemplate); *p != '\0';) {
        std::size_t const size = SJISCharSize(p);
        if (size == 1 && *p == '@')
            out += transplant;
        else
            out.append(p, size);
        p += size;
    }
    return out;
}

Dict_Semantics_E_Source AffixActionRule::GetDerivedParaphraseSemantics(Dict_Semantics_E_Source const& stem) const {
    Dict_Semantics_E_Source derived;
    SemanticRecord& first = derived.records[0];
    if (HasNames(semanticLists[0])) {
        first.flags = SemanticRecord::kOneSlot | SemanticRecord::kNounLike;
        AppendAtoms(&first, semanticLists[0]);
    } else if (HasNames(semanticLists[1])) {
        first.flags = SemanticRecord::kOneSlot | SemanticRecord::kSelRes;
        AppendAtoms(&first, semanticLists[2]);
        AppendAtoms(&first, semanticLists[1]);
    } else {
        derived = stem;
    }
    return derived;
}

Dict_Semantics_E_Source AffixActionRule::GetDerivedSemantics(Dict_Semantics_E_Source const& stem) const {
    if (std::strcmp(OrEmpty(semanticLists[0]), "*") == 0) return stem;
    Dict_Semantics_E_Source derived;
    derived.records[0].flags = stem.records[0].flags & SemanticRecord::kValueFlags;
    AppendAtoms(&derived.records[0], semanticLists[0]);
    return derived;
}
