#pragma once
// The key of a learning value in a learning-statistics file.  A reading is
// named by what survives a rebuild of its compiled dictionary (headword,
// lower-case features, part of speech, first feature set, paraphrase number),
// never by the file offsets its cookies are.
#include <string>

class FinePOS_EX;
class Paraphrase_EX;

struct Dict70CompiledLearningDataKey {
    // The headword followed by the fine part of speech's feature sets that
    // begin with a lower-case letter, joined by "/".
    std::wstring headwordKey;
    // Part-of-speech name, "/", first feature set, every character raised by
    // 13: the form the files hold, never shifted back.
    std::wstring featuresKey;
    // The paraphrase number in decimal.
    std::wstring paraphraseKey;

    // The key of a reading.
    static Dict70CompiledLearningDataKey Make(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase);

    // headwordKey "/" featuresKey "/" paraphraseKey.
    std::wstring GetKeyString() const;

    // Orders keys by their string forms, code unit by code unit.
    struct Key_MapSorter {
        bool operator()(Dict70CompiledLearningDataKey const& a, Dict70CompiledLearningDataKey const& b) const;
    };
};
