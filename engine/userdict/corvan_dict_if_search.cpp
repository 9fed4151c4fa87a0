// The dictionary facade's searches over every open dictionary: listing the
// headwords under a prefix for browsing, and printing the entries of a word.
#include <algorithm>
#include <cstddef>
#include <limits>

#include "engine/foundation/string_compare.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/corvan_dict_state.h"
#include "engine/userdict/paper_formatter.h"

namespace {

// The star that opens each word's block in SearchMatch, in Shift-JIS.
constexpr char kMatchMark[] = "\x81\x9a";

// One spelling of one dictionary with its entries as the browse filter
// shows them.  A user dictionary holds a noun and a verb "record" as two
// entries; they are one headword.
struct Headword {
    std::string text;
    std::vector<Entry_EX> entries;
};

struct ShownEntry {
    std::string text;
    Entry_EX entry;
};

enum class KeyUse {
    kPrefix,     // headwords beginning with the key
    kWholeWord,  // headwords equal to the key but for ASCII case
};

bool SortsBefore(std::string const& a, std::string const& b) { return StringCompare_E_Source(a, b) < 0; }

// Compiled dictionaries (numbered as system or technical ones) list a prefix
// in headword order; others, such as user dictionaries, in an order of their
// own, and are read whole and sorted.
bool ListsInHeadwordOrder(Dictionary_EX const& dictionary) {
    return IsSystemDict(dictionary) || IsTechnicalDict(dictionary);
}

// Entries in headword order become headwords: equal spellings join, and
// since spellings differing only in case sort together, a spelling is
// looked for among the headwords since the last change of order.
std::vector<Headword> JoinSpellings(std::vector<ShownEntry> const& sorted) {
    std::vector<Headword> headwords;
    std::size_t runStart = 0;
    for (ShownEntry const& shown : sorted) {
        if (!headwords.empty() && SortsBefore(headwords.back().text, shown.text)) runStart = headwords.size();
        auto const same = std::find_if(headwords.begin() + static_cast<std::ptrdiff_t>(runStart), headwords.end(),
                                       [&](Headword const& headword) { return headword.text == shown.text; });
        if (same != headwords.end()) {
            same->entries.push_back(shown.entry);
        } else {
            headwords.push_back(Headword{shown.text, {shown.entry}});
        }
    }
    return headwords;
}

// The first `wanted` headwords of the dictionary for the key, in the
// engine's English order; entries of equal order keep the order the
// dictionary gave them.  Entries the browse filter hides are left out.
// A dictionary listing in headword order is read only as far as needed.
std::vector<Headword> ListHeadwords(Dictionary_EX const& dictionary, std::string const& key, KeyUse use,
                                    std::size_t wanted) {
    bool const ordered = ListsInHeadwordOrder(dictionary);
    std::vector<ShownEntry> shown;
    std::size_t orderRuns = 0;  // distinct places in the order among `shown`
    for (ForwardIterator<Entry_EX> found = dictionary.LookupPrefix(key); !found.IsAtEnd(); ++found) {
        Entry_EX const entry = *found;
        std::string text = entry.GetSrcText();
        if (use == KeyUse::kWholeWord) {
            int const order = StringCompare_E_Source(text, key);
            if (order > 0 && ordered) break;
            if (order != 0) continue;
        }
        bool const newRun = shown.empty() || SortsBefore(shown.back().text, text);
        // Every run holds at least one headword: the listing is complete.
        if (ordered && newRun && orderRuns >= wanted) break;
        CanBeNull<Entry_EX> const kept = fBrowseFilter.FilterEntryIfNecessary(entry);
        if (kept.IsNull()) continue;
        if (newRun) ++orderRuns;
        shown.push_back(ShownEntry{std::move(text), kept.Get()});
    }
    std::stable_sort(shown.begin(), shown.end(),
                     [](ShownEntry const& a, ShownEntry const& b) { return SortsBefore(a.text, b.text); });
    std::vector<Headword> headwords = JoinSpellings(shown);
    if (headwords.size() > wanted) headwords.resize(wanted);
    return headwords;
}

// The printed forms of a headword's entries, each different one once: a
// user dictionary's entries of one spelling each print every reading of it.
std::vector<std::string> PrintedForms(Dictionary_EJ_ToPaperFormatter const& formatter, Headword const& headword) {
    std::vector<std::string> forms;
    for (Entry_EX const& entry : headword.entries) {
        std::string form = formatter.GetFormattedPaperForm(entry);
        if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(std::move(form));
    }
    return forms;
}

}  // namespace

int CorvanDictIF::SearchEntryListSet(char const* prefix, int maximum) {
    ResetGlobal();
    if (prefix == nullptr || *prefix == '\0') return 0;
    try {
        for (std::size_t d = 0; d < fOpenDictionaries.size() && nEntryNum < maximum; ++d) {
            auto const wanted = static_cast<std::size_t>(maximum - nEntryNum);
            for (Headword const& headword : ListHeadwords(fOpenDictionaries[d], prefix, KeyUse::kPrefix, wanted)) {
                fEntries.push_back(headword.entries.front());
                nDictType.push_back(static_cast<short>(d));
                ++nEntryNum;
            }
        }
        currentDictEntry = 0;
        return nEntryNum;
    } catch (...) {
        currentDictEntry = 0;
        return -1;
    }
}

bool CorvanDictIF::GetDictEntry(char* out, std::size_t size) {
    if (nEntryNum < 1) return false;
    if (currentDictEntry >= fEntries.size()) {
        currentDictEntry = 0;
        return false;
    }
    try {
        CopyUserWordText(out, size, fEntries[currentDictEntry].GetSrcText().c_str());
    } catch (...) {
        return false;
    }
    ++currentDictEntry;
    return true;
}

bool CorvanDictIF::SearchMatch(char const* word, std::string* out) {
    ResetGlobal();
    if (word == nullptr || *word == '\0') return false;
    try {
        Dictionary_EJ_ToPaperFormatter const formatter(kDefaultLabels());
        for (Dictionary_EX const& dictionary : fOpenDictionaries) {
            for (Headword const& headword :
                 ListHeadwords(dictionary, word, KeyUse::kWholeWord, std::numeric_limits<std::size_t>::max())) {
                *out += kMatchMark;
                *out += '\r' + headword.text + '\r';
                for (std::string const& form : PrintedForms(formatter, headword)) *out += form + '\r';
                *out += '\r';
            }
            fBrowseFilter.Reset();
        }
        return true;
    } catch (...) {
        return false;
    }
}
