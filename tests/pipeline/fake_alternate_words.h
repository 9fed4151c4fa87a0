#pragma once
// An alternate-word service for tests, installed while it lives: each word's
// alternatives come from a table keyed by the English word; an alternative
// whose Japanese is "FAIL" cannot be inflected, the others inflect to their
// Japanese plus "+"; it counts the sets alive and the choices recorded.
#include <map>
#include <string>
#include <vector>

#include "engine/pipeline/alternate_word_service.h"

class FakeAlternateWords : public AlternateWordService {
public:
    struct Alternative {
        std::string japanese;
        uint32_t dictionary = 1;
        bool enabled = true;
    };

    FakeAlternateWords() { InstallAlternateWords(this); }
    ~FakeAlternateWords() override { InstallAlternateWords(nullptr); }

    AltWordList List(AltWordInfo const& w, BasicTranslationOptions const* /*options*/) override {
        ++lists;
        AltWordList list;
        list.set = std::shared_ptr<AW_SET>(static_cast<AW_SET*>(nullptr), [this](AW_SET*) { --liveSets; });
        ++liveSets;
        for (Alternative const& alternative : table[w.source]) {
            BiggieAltWordInfo word;
            word.target = alternative.japanese;
            word.dictionary = alternative.dictionary;
            word.enabled = alternative.enabled;
            list.words.push_back(word);
        }
        return list;
    }
    bool Inflect(AltWordInfo const& /*w*/, AltWordList const& /*list*/, BiggieAltWordInfo const& a, std::string* out,
                 DICT_SOURCE* inflected) override {
        if (a.target == "FAIL") return false;
        *out = a.target + "+";
        inflected->dictionaryID = static_cast<uint16_t>(a.dictionary);
        inflected->japanesePOS = 7;
        return true;
    }
    void Learn(AltWordList const& /*list*/, BiggieAltWordInfo const& a) override { ++learnt[a.target]; }

    std::map<std::string, std::vector<Alternative>> table;
    std::map<std::string, int> learnt;
    int lists = 0;
    int liveSets = 0;
};
