// Treats the input as a compiled dictionary file of format 4.0: opens it,
// looks up a few keys and prefixes, and reads a bounded number of entries
// with every field of their fine parts of speech, paraphrases and
// conjugated-form chains.  Whatever the bytes: no crash, no hang, no
// sanitizer report; refusals are file exceptions (CorruptDictionary).
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/compiled/compiled_dictionary_40.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/idiom_lists.h"

namespace {

constexpr int kMaxEntries = 64;
constexpr int kMaxElements = 16;

void ReadParaphrase(Paraphrase_EX const& paraphrase) {
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

void ReadFinePOS(FinePOS_EX const& finePOS) {
    finePOS.IsACF();
    finePOS.GetFinePOS();
    finePOS.GetPrimed();
    finePOS.GetQuoted();
    finePOS.GetIdiomType();
    finePOS.GetAltOnly();
    finePOS.GetHidden();
    finePOS.GetCannotBeginSentenceFlag();
    finePOS.GetCannotEndSentenceFlag();
    finePOS.GetPValue();
    finePOS.GetFeatureSets();
    finePOS.PeekDomainWeightsListSize();
    finePOS.GetDomainWeights();
    int n = 0;
    for (auto it = finePOS.GetParaphraseIterator(); !it.IsAtEnd() && n < kMaxElements; ++it, ++n) ReadParaphrase(*it);
    n = 0;
    for (auto it = finePOS.GetCFIterator_start(); !it.IsAtEnd() && n < kMaxElements; ++it, ++n) (*it).GetFinePOS();
}

void ReadEntry(Entry_EX const& entry) {
    entry.GetSrcText();
    int n = 0;
    for (auto it = entry.GetFinePOSIterator(); !it.IsAtEnd() && n < kMaxElements; ++it, ++n) ReadFinePOS(*it);
}

void Exercise(Dictionary_EX const& dictionary) {
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int const fd = ::memfd_create("compiled40_fuzz", 0);
    if (fd < 0) return 0;
    if (size > 0 && ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)) {
        ::close(fd);
        return 0;
    }
    try {
        Exercise(Dictionary_EX_40Compiled(fd));
    } catch (FileException const&) {
        // Refused: the dictionary closed the descriptor.
    }
    return 0;
}
