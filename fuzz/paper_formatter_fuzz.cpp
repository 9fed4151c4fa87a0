// Arbitrary bytes as the headwords, feature texts and translations of
// dictionary entries, printed as a printed dictionary shows them and through
// the browse filter.  The formatter reads feature texts and headwords
// character by character; none of that may step outside the texts.
//
// Input: lines.  Line 0 is the headword; each further group of three lines
// is one reading: [POS low byte, POS high byte, flags, feature set 0...],
// feature set 1, cooked translation.  Flag bits: 0 hidden, 1 attach to the
// first reading as an inflected form (in an entry named by feature set 1),
// 2-4 idiom type.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "engine/foundation/browse_filter.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/userdict/paper_formatter.h"
#include "engine/userdict/paper_formatter_printers.h"

namespace {

std::vector<std::string> Lines(uint8_t const* data, size_t size) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == '\n') {
            lines.emplace_back();
        } else {
            lines.back().push_back(static_cast<char>(data[i]));
        }
    }
    return lines;
}

void AddReading(Dictionary_EX& dictionary, Entry_EX& entry, std::string const& head, std::string const& usage,
                std::string const& cooked) {
    auto byte = [&](size_t i) { return i < head.size() ? static_cast<uint8_t>(head[i]) : uint8_t{0}; };
    uint8_t const flags = byte(2);
    bool const asForm = (flags & 2) != 0 && entry.GetFinePOSCount() != 0;
    Entry_EX owner = asForm ? dictionary.CreateNewEntry(usage) : entry;
    FinePOS_EX fp = owner.CreateNewFinePOS();
    fp.SetFinePOS(POS_E_Source(byte(0) | (byte(1) << 8)));
    fp.SetHidden((flags & 1) != 0);
    fp.SetIdiomType(IdiomType((flags >> 2) & 7));
    FeatureSets_E_Source sets;
    sets.SetSet(0, head.size() > 3 ? head.c_str() + 3 : "");
    sets.SetSet(1, usage.c_str());
    fp.SetFeatureSets(sets);
    if (asForm) {
        fp.SetBaseForm(entry.GetIthFinePOS(0));
    } else {
        fp.CreateNewParaphrase().SetCookedTranslation(cooked);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
    std::vector<std::string> const lines = Lines(data, size);
    Dictionary_EX_Temporary dictionary;
    dictionary.SetID(1);  // a system dictionary, so that the filter works on it
    Entry_EX entry = dictionary.CreateNewEntry(lines[0]);
    for (size_t i = 1; i + 2 < lines.size() && i < 1 + 3 * 16; i += 3) {
        AddReading(dictionary, entry, lines[i], lines[i + 1], lines[i + 2]);
    }
    Dictionary_EJ_ToPaperFormatter const formatter(kDefaultLabels());
    formatter.GetFormattedPaperForm(entry);
    formatter.GetFormattedPaperForm(dictionary.LookupPrefix(""));
    BrowseFilter filter;
    CanBeNull<Entry_EX> const shown = filter.FilterEntryIfNecessary(entry);
    if (!shown.IsNull()) formatter.GetFormattedPaperForm(shown.Get());
    std::ostringstream dump;
    PrettyPrintDictionary(dump, dictionary, 1);
    return 0;
}
