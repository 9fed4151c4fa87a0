// Arbitrary Shift-JIS text through the whole translation facade with the
// sentence translation installed and the core lexicon open: every sentence
// is preparsed, charted, parsed and transferred, or passes through.  No
// crash, no leak, the call answers true and the post-edit spans lie inside
// the texts they point into.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/compiled/core_lexicon.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/transfer/sentence_translation.h"
#include "translation_fuzz_checks.h"

namespace {

CorvanIF& Facade() {
    static CorvanIF* facade = [] {
        InstallSentenceTranslation();
        auto* made = new CorvanIF;
        // Without the lexicon every word is unknown, which still runs the road.
        made->AddSysDict(CoreLexiconPath());
        return made;
    }();
    return *facade;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    // Sentences of a few hundred bytes keep each input fast.
    if (size > 2048) return 0;
    CorvanIF& facade = Facade();
    std::string text(reinterpret_cast<char const*>(data), size);
    Check(facade.Translation(&text));
    CheckSinkAndPostEdit(facade, size);
    return 0;
}
