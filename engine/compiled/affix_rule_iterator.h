#pragma once
// The results of an affix rule set for one looked-up text: the text itself,
// then the stem of each row that applies, each with an acceptor that turns a
// fitting stem entry into an entry for the text.  Rows are tried lazily, one
// at a time; variants stop as soon as an entry was accepted for the
// text as written.
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/compiled/affix_pattern.h"
#include "engine/compiled/rule_set.h"

// Accepts every entry unchanged and, once a whole path accepted one, sets
// the acceptance flag of the iterator that made it.
class NotifyingEntryAcceptorRep : public EntryAcceptor<Entry_EX>::EntryAcceptorRep_ {
public:
    explicit NotifyingEntryAcceptorRep(std::shared_ptr<bool> accepted) : fAccepted(std::move(accepted)) {}

    bool Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) override;
    NotifyingEntryAcceptorRep* Clone() const override;
    void NotifyAccepted() override;

private:
    std::shared_ptr<bool> fAccepted;
};

class AffixRuleIteratorRep : public ForwardIteratorRep_<RuleApplicationResult<Entry_EX>> {
public:
    // Over the rows [patterns, patterns + count); the callback may be null.
    AffixRuleIteratorRep(char const* text, AffixPattern const* patterns, std::size_t count,
                         MaybeAnyLongerCallback* callback);

    // A clone has an acceptance flag of its own.
    AffixRuleIteratorRep* Clone() const override;
    RuleApplicationResult<Entry_EX> Current() const override;
    void GoForward() override;
    // The same position of the same kind of iterator.
    bool Equal(ForwardIteratorRep_<RuleApplicationResult<Entry_EX>> const& other) const override;
    bool IsAtEnd() const override { return fPosition > fCount; }

protected:
    // Strips the affixes of `word` and looks up stem + remainder for the
    // surface text; `words` is the word count the speed limit goes by.
    AffixRuleIteratorRep(std::string surface, std::string word, std::string remainder, unsigned words,
                         AffixPattern const* patterns, std::size_t count, MaybeAnyLongerCallback* callback);
    AffixRuleIteratorRep(AffixRuleIteratorRep const& other);

    void End() { fPosition = fCount + 1; }

private:
    bool TooBusy() const;
    // The first row from `row` on (0-based) whose rule is not a missing-word
    // action and which applies; the new position, or the end.
    void MoveToMatchFrom(std::size_t row);

    std::string fSurface;
    std::string fWord;
    std::string fRemainder;
    unsigned fWords;
    std::string fStem;
    // The stems the current row's rule gave before it: two rows of a rule
    // can give one stem ("analyse" of "-se" and of "-s"), looked up once.
    std::vector<std::string> fRuleStems;
    AffixPattern const* fPatterns;
    std::size_t fCount;
    std::size_t fPosition = 0;  // 0: the text itself; k: row k (1-based)
    std::shared_ptr<bool> fAccepted;
    MaybeAnyLongerCallback* fCallback;
};

// Technical terms: strips suffixes from the first word only ("boxes office"
// gives "box office"); a one-word text gives only itself.
class FirstWordAffixRuleIteratorRep : public AffixRuleIteratorRep {
public:
    FirstWordAffixRuleIteratorRep(char const* text, AffixPattern const* patterns, std::size_t count,
                                  MaybeAnyLongerCallback* callback);

    FirstWordAffixRuleIteratorRep* Clone() const override;
    void GoForward() override;

private:
    struct Split {
        std::string word;
        std::string rest;  // with its leading blank
    };
    static Split SplitFirstWord(char const* text);

    FirstWordAffixRuleIteratorRep(char const* text, Split const& split, AffixPattern const* patterns, std::size_t count,
                                  MaybeAnyLongerCallback* callback);

    bool fHasSecondWord;
};
