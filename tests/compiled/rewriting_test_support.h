#pragma once
// Probe rule sets and acceptors for the rewriting dictionary's tests: rule
// sets that log when they are applied and offer fixed rewrites, and acceptors
// that turn a stem's entry into a fresh entry for the looked-up word.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/compiled/entry_acceptor.h"
#include "engine/compiled/rewriting_dictionary.h"
#include "engine/compiled/rule_set.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/shallow_clone.h"
#include "engine/foundation/temporary_dictionary.h"

namespace rewriting_test {

using Result = RuleApplicationResult<Entry_EX>;
using Log = std::shared_ptr<std::vector<std::string>>;

inline Log NewLog() { return std::make_shared<std::vector<std::string>>(); }

// Turns an entry found for a stem into a fresh entry for the surface word
// with copies of the stem's readings; refuses after making it when told to.
class StemAcceptorRep : public EntryAcceptor<Entry_EX>::EntryAcceptorRep_ {
public:
    StemAcceptorRep(std::string surface, bool refuse, std::shared_ptr<CanBeNull<Dictionary_EX>> temporarySeen)
        : fSurface(std::move(surface)), fRefuse(refuse), fTemporarySeen(std::move(temporarySeen)) {}

    bool Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) override {
        if (fTemporarySeen) fTemporarySeen->Set(temporary);
        Entry_EX made = Dictionary<Entry_EX>(temporary).CreateNewEntry(fSurface);
        for (ForwardIterator<FinePOS_EX> fp = entry->GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
            FinePOS_EX const copy = ShallowCloneFinePOS(*fp, made);
            for (ForwardIterator<Paraphrase_EX> pp = (*fp).GetParaphraseIterator(); !pp.IsAtEnd(); ++pp)
                ShallowCloneParaphrase(*fp, *pp, copy);
        }
        *entry = made;
        return !fRefuse;
    }
    StemAcceptorRep* Clone() const override { return new StemAcceptorRep(*this); }
    void NotifyAccepted() override {}

private:
    std::string fSurface;
    bool fRefuse;
    std::shared_ptr<CanBeNull<Dictionary_EX>> fTemporarySeen;
};

// Refuses the entries acceptors of deeper rule sets made, as an acceptor that
// only judges entries found as written does.
class FoundAsWrittenAcceptorRep : public EntryAcceptor<Entry_EX>::EntryAcceptorRep_ {
public:
    bool Accept(Entry_EX* entry, Dictionary<Entry_EX> const& temporary) override {
        return entry->GetDictionary() != temporary;
    }
    FoundAsWrittenAcceptorRep* Clone() const override { return new FoundAsWrittenAcceptorRep(*this); }
    void NotifyAccepted() override {}
};

// Applied: logs its name and the callback it was given.  Yields the text
// itself, then each rewrite listed for the text with an acceptor made for
// it (the trivial one when none is given).
struct ProbeRules {
    std::string name;
    Log log;
    std::map<std::string, std::vector<std::string>> rewrites;
    std::function<EntryAcceptor<Entry_EX>(std::string const& surface)> acceptorFor;
    std::function<EntryAcceptor<Entry_EX>()> acceptorForText;
    std::vector<MaybeAnyLongerCallback*>* callbacksSeen = nullptr;
};

class ProbeRuleSetRep : public RuleSet<Entry_EX>::RuleSetRep_ {
public:
    explicit ProbeRuleSetRep(ProbeRules rules) : fRules(std::move(rules)) {}

    ForwardIterator<Result> ApplyRule(char const* text, MaybeAnyLongerCallback* callback) override {
        if (fRules.log) fRules.log->push_back(fRules.name);
        if (fRules.callbacksSeen != nullptr) fRules.callbacksSeen->push_back(callback);
        std::vector<Result> results;
        results.push_back(fRules.acceptorForText ? Result(text, fRules.acceptorForText()) : Result(text));
        auto const listed = fRules.rewrites.find(text);
        if (listed != fRules.rewrites.end()) {
            for (std::string const& rewrite : listed->second)
                results.push_back(fRules.acceptorFor ? Result(rewrite, fRules.acceptorFor(text)) : Result(rewrite));
        }
        return VectorByValueForwardIterator<Result>(results);
    }
    ProbeRuleSetRep* Clone() const override { return new ProbeRuleSetRep(*this); }

private:
    ProbeRules fRules;
};

inline RewriteRuleSetMakers::Maker ProbeMaker(ProbeRules const& rules) {
    return [rules] { return RuleSet<Entry_EX>(new ProbeRuleSetRep(rules)); };
}

// Stripping "es" from "bases" gives the stems "base" and "basis"; each stem
// entry becomes a fresh "bases" entry.
inline ProbeRules SuffixProbe(bool refuse = false, std::shared_ptr<CanBeNull<Dictionary_EX>> temporarySeen = nullptr) {
    ProbeRules rules;
    rules.name = "suffix";
    rules.rewrites = {{"bases", {"base", "basis"}}};
    rules.acceptorFor = [refuse, temporarySeen](std::string const& surface) {
        return EntryAcceptor<Entry_EX>(new StemAcceptorRep(surface, refuse, temporarySeen));
    };
    return rules;
}

// A temporary dictionary with the given number standing for the wrapped
// dictionary, holding headwords with one reading each: (headword, cooked
// translation).
inline Dictionary_EX MakeWrapped(unsigned short id,
                                 std::vector<std::pair<std::string, std::string>> const& words = {}) {
    Dictionary_EX_Temporary wrapped;
    wrapped.SetID(id);
    for (auto const& [headword, translation] : words) {
        Entry_EX entry = wrapped.CreateNewEntry(headword);
        entry.CreateNewFinePOS().CreateNewParaphrase().SetCookedTranslation(translation);
    }
    return wrapped;
}

// The "bases", "base" and "basis" of a system dictionary.
inline Dictionary_EX MakeBasesDictionary() {
    return MakeWrapped(5, {{"bases", "{bases}"}, {"base", "{base}"}, {"basis", "{basis}"}});
}

inline std::vector<Entry_EX> Drain(ForwardIterator<Entry_EX> it) {
    std::vector<Entry_EX> all;
    for (; !it.IsAtEnd(); ++it) all.push_back(*it);
    return all;
}

// The cooked translation of every reading of the entries, in order.
inline std::vector<std::string> Readings(std::vector<Entry_EX> const& entries) {
    std::vector<std::string> readings;
    for (Entry_EX const& entry : entries) {
        for (ForwardIterator<FinePOS_EX> fp = entry.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
            for (ForwardIterator<Paraphrase_EX> pp = (*fp).GetParaphraseIterator(); !pp.IsAtEnd(); ++pp)
                readings.push_back((*pp).GetCookedTranslation());
        }
    }
    return readings;
}

inline Entry_EX FirstEntry(Dictionary_EX const& dictionary, std::string const& headword) {
    return *dictionary.Lookup(headword, nullptr);
}

}  // namespace rewriting_test
