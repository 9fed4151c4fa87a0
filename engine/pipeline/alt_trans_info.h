#pragma once
// The alternative translations of one sentence that the alternate road
// stored: each with its source text, its translation (both Shift-JIS) and
// its word correspondence.
#include <memory>
#include <string>
#include <vector>

#include "engine/pipeline/post_edit.h"

class AltTransSentence {
public:
    AltTransSentence(std::string source, std::string translation, std::unique_ptr<CPostEdit> postEdit)
        : fPostEdit(std::move(postEdit)), fSource(std::move(source)), fTranslation(std::move(translation)) {}
    virtual ~AltTransSentence() = default;

    CPostEdit* GetPostEdit() const { return fPostEdit.get(); }
    std::string const& GetSource() const { return fSource; }
    std::string const& GetTranslation() const { return fTranslation; }

private:
    std::unique_ptr<CPostEdit> fPostEdit;
    std::string fSource;
    std::string fTranslation;
};

class AltTransInfo {
public:
    virtual ~AltTransInfo() = default;

    void Append(std::unique_ptr<AltTransSentence> sentence) { fSentences.push_back(std::move(sentence)); }
    unsigned long Count() const { return static_cast<unsigned long>(fSentences.size()); }
    // Null past the last.
    AltTransSentence* GetSentence(unsigned long i) const {
        return i < fSentences.size() ? fSentences[i].get() : nullptr;
    }

private:
    std::vector<std::unique_ptr<AltTransSentence>> fSentences;
};
