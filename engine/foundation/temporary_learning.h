#pragma once
// The learning values of a temporary dictionary's readings, kept in memory
// for as long as the dictionary lives.
#include <map>

#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/entry.h"

class TempDict_EX_DictionaryLearningInterface : public DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX> {
public:
    // A reading.  Its handles keep their entries alive while it is recorded.
    struct LearningDataKey {
        FinePOS_EX finePOS;
        Paraphrase_EX paraphrase;
    };

    // Orders by the identity of entry and cookie, never reading the cookie:
    // that only serves finding a key again.
    struct FinePOS_EX_MapSorter {
        bool operator()(FinePOS_EX const& a, FinePOS_EX const& b) const;
    };
    struct Paraphrase_EX_MapSorter {
        bool operator()(Paraphrase_EX const& a, Paraphrase_EX const& b) const;
    };
    struct Key_MapSorter {
        bool operator()(LearningDataKey const& a, LearningDataKey const& b) const;
    };

    bool IsReadOnly() override { return false; }
    void DeleteAllStats() override { fValues.clear(); }
    void FlushAllStats() override {}
    bool GetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float* value) const override;
    void ClearLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) override;
    void SetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float value) override;
    bool IsRecorded(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const override;
    bool GetUseLearning() const override { return true; }
    void SetUseLearning(char const* /*path*/) override {}
    using DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>::SetUseLearning;

    // Erase every value recorded with the paraphrase, or with the fine part of
    // speech, before it is destroyed: an element made later at the same
    // address must not find them.
    void RemovePP(Paraphrase_EX const& paraphrase);
    void RemoveFP(FinePOS_EX const& finePOS);

private:
    template <class Match>
    void EraseIf(Match match);

    std::map<LearningDataKey, float, Key_MapSorter> fValues;
};
