#pragma once
// What the compiled-dictionary fuzz targets share: the input becomes a file
// opened by the format's reader, which then looks up a few keys and prefixes
// and reads a bounded number of entries with every field of their fine
// parts of speech, paraphrases and conjugated-form chains.  Whatever the
// bytes: no crash, no hang, no sanitizer report; refusals are file
// exceptions (CorruptDictionary).
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/idiom_lists.h"

namespace compiled_fuzz {

constexpr int kMaxEntries = 64;
constexpr int kMaxElements = 16;

inline void ReadParaphrase(Paraphrase_EX const& paraphrase) {
    paraphrase.GetFinePOS();
    paraphrase.GetRawTranslation();
    paraphrase.GetTransPOS();
    paraphrase.GetPValue();
    paraphrase.GetParaID();
    paraphrase.GetSemantics();
    paraphrase.GetAltOnly();
    paraphrase.GetDomainIDSet();
    paraphrase.GetTransplant();
    paraphrase.GetTheyTransType();
}

inline void ReadFinePOS(FinePOS_EX const& finePOS) {
    finePOS.IsACF();
    finePOS.GetFinePOS();
    finePOS.GetPrimed();
    finePOS.GetQuoted();
    finePOS.GetIdiomType();
    finePOS.GetAltOnly();
    finePOS.GetHidden();
    finePOS.GetCannotBeginSentenceFlag();
    finePOS.GetCannotEndSentenceFlag();
    finePOS.GetCannotBeginAndEndSentenceFlag();
    finePOS.GetPValue();
    finePOS.GetFeatureSets();
    finePOS.PeekDomainWeightsListSize();
    finePOS.GetDomainWeights();
    int n = 0;
    for (auto it = finePOS.GetParaphraseIterator(); !it.IsAtEnd() && n < kMaxElements; ++it, ++n) ReadParaphrase(*it);
    n = 0;
    for (auto it = finePOS.GetCFIterator_start(); !it.IsAtEnd() && n < kMaxElements; ++it, ++n) (*it).GetFinePOS();
}

inline void ReadEntry(Entry_EX const& entry) {
    entry.GetSrcText();
    int n = 0;
    for (auto it = entry.GetFinePOSIterator(); !it.IsAtEnd() && n < kMaxElements; ++it, ++n) ReadFinePOS(*it);
}

inline void Exercise(Dictionary_EX const& dictionary) {
    for (char const* key : {"a", "ice", "ice cream", "Ice Cream", "the", "zzzz"}) {
        for (auto it = dictionary.Lookup(key, nullptr); !it.IsAtEnd(); ++it) ReadEntry(*it);
    }
    int n = 0;
    for (auto it = dictionary.LookupPrefix("a"); !it.IsAtEnd() && n < kMaxEntries; ++it, ++n) ReadEntry(*it);
    n = 0;
    for (auto it = dictionary.GetEntryIterator_start(); !it.IsAtEnd() && n < kMaxEntries; ++it, ++n) ReadEntry(*it);
    if (auto* idioms = dictionary.GetAlmightyIdiomInterface()) {
        for (unsigned tag = 0; tag < AlmightyIdiomInterface_::kListCount; ++tag)
            idioms->GetIdiomList(static_cast<AlmightyIdiomInterface_::AlmightyIdiomListTag>(tag));
    }
    dictionary.GetGrammaticalFormWordsInterface()->IsWordThere("the");
}

}  // namespace compiled_fuzz

namespace compiled_fuzz {

// The input as a file opened by `open`, which takes the descriptor.
template <class Open>
int RunInput(uint8_t const* data, std::size_t size, Open open) {
    int const fd = ::memfd_create("compiled_fuzz", 0);
    if (fd < 0) return 0;
    if (size > 0 && ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        ::close(fd);
        return 0;
    }
    try {
        Exercise(open(fd));
    } catch (FileException const&) {
        // Refused: the reader closed the descriptor.
    }
    return 0;
}

}  // namespace compiled_fuzz
