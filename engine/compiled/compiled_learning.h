#pragma once
// The learning interface of compiled dictionaries.  A compiled dictionary is
// read-only, so what is learnt about its readings lives in a
// learning-statistics file named when learning is switched on; every
// dictionary given the same file shares its values.
#include <memory>

#include "engine/foundation/critical_section.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/qj_shared.h"

class Dictionary_EX_70Compiled_LearningInterface_Helper
    : public DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX> {
public:
    // One learning-statistics file in memory (learning_stats_file.h).
    class StatsFile;
    // The process's registry of open learning-statistics files
    // (learning_stats_manager.h).
    class StatsFileManager;

    // Learning starts off.
    Dictionary_EX_70Compiled_LearningInterface_Helper();
    // Lets go of the file; its last user saves and closes it.
    ~Dictionary_EX_70Compiled_LearningInterface_Helper() override;

    // While learning is off nothing is recorded and every change is dropped,
    // so the interface counts as read-only then.
    bool IsReadOnly() override;
    void DeleteAllStats() override;
    // Writes the values to the file; file errors reach the caller.
    void FlushAllStats() override;
    bool GetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float* value) const override;
    void ClearLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) override;
    // Dropped when the file is read-only.
    void SetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float value) override;
    bool IsRecorded(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const override;
    // True while a learning file is held.
    bool GetUseLearning() const override;
    // Lets go of the present file, then, unless path is null, opens the file
    // at path (created when missing).  An error of that open reaches the
    // caller and leaves learning off.
    void SetUseLearning(char const* path) override;
    void SetUseLearning(char const* path, Dictionary_EX* dictionary) override;

private:
    void ReleaseFile();
    // The file held, or null while learning is off; the interface lock must
    // be held.
    StatsFile* File() const;

    std::unique_ptr<QJShared<StatsFile>> fFile;
    mutable CorvanCriticalSection fLock;
};

// The interfaces the format 4.0 and 5.0 dictionaries create; only the class
// differs.
class Dictionary_EX_40Compiled_LearningInterface : public Dictionary_EX_70Compiled_LearningInterface_Helper {};
class Dictionary_EX_50Compiled_LearningInterface : public Dictionary_EX_70Compiled_LearningInterface_Helper {};
