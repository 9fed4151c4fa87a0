#pragma once
// Records that the user picked one of the alternatives post-editing offered
// for a word: the alternatives are listed again and the picked one's learning
// value is bumped once, twice or three times as the learning strength says.
#include <string>

#include "engine/pipeline/basic_translation_options.h"
#include "engine/pipeline/post_edit.h"

class ZRAlternateLearning {
public:
    explicit ZRAlternateLearning(BasicTranslationOptions const* options) : fOptions(options) {}
    virtual ~ZRAlternateLearning() = default;

    // info is the word's post-edit record, source its English and japanese
    // its translation; choice is the 0-based index of the alternative in
    // info's list.  Nothing is recorded when choice names no alternative,
    // when the alternative listed now is not the one info showed (its
    // dictionary differs), or when its reading is disabled.  Errors of the
    // alternate-word service pass out.
    virtual void DoLearning(PostIF const& info, std::string const& source, std::string const& japanese, int choice);

private:
    BasicTranslationOptions const* fOptions;
};

// How many times a choice is counted for the options' learning strength.
int LearningBumpsForStrength(uint32_t strength);
