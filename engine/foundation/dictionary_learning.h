#pragma once
// Learning values of readings (a fine part of speech with one of its
// paraphrases), served as a named interface by dictionaries that learn.
#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"

template <class FinePOS, class Paraphrase>
class DictionaryLearningInterface_;

// A learning value is a float: 1.0 marks the preferred reading, -1.0 a
// disabled one; values in between grow as the reading is chosen.
template <>
class DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX> : public DictionaryInterface_ {
public:
    static constexpr char const* kInterfaceName = "DictionaryLearningInterface";
    static constexpr float kPreferredValue = 1.0f;
    static constexpr float kDisabledValue = -1.0f;

    virtual bool IsReadOnly() = 0;
    virtual void DeleteAllStats() = 0;
    virtual void FlushAllStats() = 0;
    // True, with the value, when one is recorded.
    virtual bool GetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float* value) const = 0;
    virtual void ClearLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) = 0;
    virtual void SetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float value) = 0;
    virtual bool IsRecorded(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const = 0;
    virtual bool GetUseLearning() const = 0;
    // Switches learning on with the statistics kept at path, off with null.
    virtual void SetUseLearning(char const* path) = 0;
    // For dictionaries that keep statistics per dictionary file (the compiled
    // ones override it); the others ignore it.
    virtual void SetUseLearning(char const* path, Dictionary_EX* dictionary);

    // A value is recorded and it is exactly -1.0.
    bool IsDisabled(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const;
    // A value is recorded and it is exactly 1.0.
    bool IsPrefferred(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const;
    // Records one more choice of the reading: moves its value (0.0 when none
    // is recorded) 0.25 % of the remaining distance towards 1.0, never past it.
    void BumpUpLearning(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase);
};
