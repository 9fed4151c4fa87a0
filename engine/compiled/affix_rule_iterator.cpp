#include "engine/compiled/affix_rule_iterator.h"

#include <algorithm>

#include "engine/compiled/affix_entry_acceptor.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/foundation/string_utils.h"

namespace {

// Fast speed settings get no affix variants: above this always, above the
// lower one for texts of more than two words.
constexpr int kMaxSpeedForAnyText = 79;
constexpr int kMaxSpeedForLongTexts = 29;
constexpr unsigned kMaxWordsAtLowerSpeed = 2;

unsigned BlankSeparatedWords(std::string const& text) {
    return static_cast<unsigned>(std::count(text.begin(), text.end(), ' ')) + 1;
}

bool HasAnotherWord(char const* rest) {
    for (; *rest != '\0'; ++rest) {
        if (!IsASCIIWhite(*rest)) return true;
    }
    return false;
}

}  // namespace

// ---- NotifyingEntryAcceptorRep ------------------------------------------------

bool NotifyingEntryAcceptorRep::Accept(Entry_EX* /*entry*/, Dictionary<Entry_EX> const& /*temporary*/) { return true; }

NotifyingEntryAcceptorRep* NotifyingEntryAcceptorRep::Clone() const { return new NotifyingEntryAcceptorRep(*this); }

void NotifyingEntryAcceptorRep::NotifyAccepted() { *fAccepted = true; }

// ---- AffixRuleIteratorRep -----------------------------------------------------

AffixRuleIteratorRep::AffixRuleIteratorRep(char const* text, AffixPattern const* patterns, std::size_t count,
                                           MaybeAnyLongerCallback* callback)
    : AffixRuleIteratorRep(text, text, std::string(), BlankSeparatedWords(text), patterns, count, callback) {}

AffixRuleIteratorRep::AffixRuleIteratorRep(std::string surface, std::string word, std::string remainder, unsigned words,
                                           AffixPattern const* patterns, std::size_t count,
                                           MaybeAnyLongerCallback* callback)
    : fSurface(std::move(surface)),
      fWord(std::move(word)),
      fRemainder(std::move(remainder)),
      fWords(words),
      fPatterns(patterns),
      fCount(count),
      fAccepted(std::make_shared<bool>(false)),
      fCallback(callback) {}

AffixRuleIteratorRep::AffixRuleIteratorRep(AffixRuleIteratorRep const& other)
    : fSurface(other.fSurface),
      fWord(other.fWord),
      fRemainder(other.fRemainder),
      fWords(other.fWords),
      fStem(other.fStem),
      fRuleStems(other.fRuleStems),
      fPatterns(other.fPatterns),
      fCount(other.fCount),
      fPosition(other.fPosition),
      fAccepted(std::make_shared<bool>(*other.fAccepted)),
      fCallback(other.fCallback) {}

AffixRuleIteratorRep* AffixRuleIteratorRep::Clone() const { return new AffixRuleIteratorRep(*this); }

RuleApplicationResult<Entry_EX> AffixRuleIteratorRep::Current() const {
    if (fPosition == 0)
        return RuleApplicationResult<Entry_EX>(fSurface,
                                               EntryAcceptor<Entry_EX>(new NotifyingEntryAcceptorRep(fAccepted)));
    AffixActionRule const& rule = *fPatterns[fPosition - 1].rule;
    return RuleApplicationResult<Entry_EX>(fStem + fRemainder,
                                           EntryAcceptor<Entry_EX>(new AffixEntryAcceptorRep(fSurface, rule)));
}

void AffixRuleIteratorRep::GoForward() {
    if (IsAtEnd()) return;
    if (TooBusy() || *fAccepted) {
        End();
        return;
    }
    // Every row that applies gives its stem, the later rows of a rule too:
    // the first is not always the word ("houses" is no "housis" but a
    // "house"), and a stem that is no word costs one lookup.
    MoveToMatchFrom(fPosition);
}

bool AffixRuleIteratorRep::Equal(ForwardIteratorRep_<RuleApplicationResult<Entry_EX>> const& other) const {
    auto const* affix = dynamic_cast<AffixRuleIteratorRep const*>(&other);
    return affix != nullptr && affix->fPosition == fPosition;
}

bool AffixRuleIteratorRep::TooBusy() const {
    if (fCallback == nullptr) return false;
    int const speed = fCallback->GetCoreSpeed();
    return speed > kMaxSpeedForAnyText || (speed > kMaxSpeedForLongTexts && fWords > kMaxWordsAtLowerSpeed);
}

void AffixRuleIteratorRep::MoveToMatchFrom(std::size_t row) {
    for (; row < fCount; ++row) {
        AffixPattern const& pattern = fPatterns[row];
        if (pattern.firstOfRule) fRuleStems.clear();
        if (pattern.rule->IsMissingWordAction() || !pattern.Apply(&fStem, fWord.c_str())) continue;
        // Every rewritten text must fit a lookup key.
        if (fStem.size() + fRemainder.size() > RuleApplicationResult<Entry_EX>::kMaxTextLength) continue;
        if (std::find(fRuleStems.begin(), fRuleStems.end(), fStem) != fRuleStems.end()) continue;
        fRuleStems.push_back(fStem);
        fPosition = row + 1;
        return;
    }
    fStem.clear();
    End();
}

// ---- FirstWordAffixRuleIteratorRep ------------------------------------------------

FirstWordAffixRuleIteratorRep::Split FirstWordAffixRuleIteratorRep::SplitFirstWord(char const* text) {
    char const* rest = text;
    std::string word = GetNextToken(&rest);
    return {word, rest};
}

FirstWordAffixRuleIteratorRep::FirstWordAffixRuleIteratorRep(char const* text, AffixPattern const* patterns,
                                                             std::size_t count, MaybeAnyLongerCallback* callback)
    : FirstWordAffixRuleIteratorRep(text, SplitFirstWord(text), patterns, count, callback) {}

FirstWordAffixRuleIteratorRep::FirstWordAffixRuleIteratorRep(char const* text, Split const& split,
                                                             AffixPattern const* patterns, std::size_t count,
                                                             MaybeAnyLongerCallback* callback)
    // One word is stripped, so only the limit for any text applies.
    : AffixRuleIteratorRep(text, split.word, split.rest, 1, patterns, count, callback),
      fHasSecondWord(HasAnotherWord(split.rest.c_str())) {}

FirstWordAffixRuleIteratorRep* FirstWordAffixRuleIteratorRep::Clone() const {
    return new FirstWordAffixRuleIteratorRep(*this);
}

void FirstWordAffixRuleIteratorRep::GoForward() {
    if (!fHasSecondWord) {
        End();
        return;
    }
    AffixRuleIteratorRep::GoForward();
}
