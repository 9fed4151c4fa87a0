#pragma once
// The learning interface of a user dictionary: the two frequencies each file
// entry keeps.  Per reading, the interactive frequency is its count and the
// batch frequency its flag; there are no learning values.
#include "engine/foundation/dictionary_learning.h"
#include "engine/userdict/ud_t.h"

class UDStatisticsInterface : public DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX> {
public:
    explicit UDStatisticsInterface(ud_t& file) : fFile(file) {}

    bool IsReadOnly() override { return false; }
    // Both frequencies of every entry become 0.  Stops with code 202 at a
    // block of an unknown kind.
    void DeleteAllStats() override;
    void FlushAllStats() override {}
    bool GetLearningValue(FinePOS_EX const&, Paraphrase_EX const&, float*) const override { return false; }
    void ClearLearningValue(FinePOS_EX const&, Paraphrase_EX const&) override {}
    void SetLearningValue(FinePOS_EX const&, Paraphrase_EX const&, float) override {}
    bool IsRecorded(FinePOS_EX const&, Paraphrase_EX const&) const override { return false; }
    bool GetUseLearning() const override { return true; }
    void SetUseLearning(char const*) override {}

    // A fine part of speech keeps nothing.
    void SetNoStats(FinePOS_EX const&) {}
    unsigned long GetCount(FinePOS_EX const&) const { return 0; }
    void SetCount(FinePOS_EX const&, unsigned long) {}
    void Increment(FinePOS_EX const&) {}
    unsigned long GetFlag(FinePOS_EX const&) const { return 0; }
    void SetFlag(FinePOS_EX const&, unsigned long) {}

    // The paraphrase must belong to a user-dictionary entry view (std::bad_cast
    // otherwise).
    unsigned long GetCount(Paraphrase_EX const& paraphrase) const;
    void SetCount(Paraphrase_EX const& paraphrase, unsigned long count);
    void Increment(Paraphrase_EX const& paraphrase);
    unsigned long GetFlag(Paraphrase_EX const& paraphrase) const;
    void SetFlag(Paraphrase_EX const& paraphrase, unsigned long flag);

private:
    // The file entry a paraphrase stands for.
    static uint32_t EntryIDOf(Paraphrase_EX const& paraphrase);

    ud_t& fFile;
};
