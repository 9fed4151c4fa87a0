#include "engine/pipeline/token_dict_source.h"

#include "engine/pipeline/token_vectors_match.h"

// Each change builds the new list aside and swaps it in, so a failed
// allocation leaves the store as it was.
void DictSourceDatabase::Insert(uint32_t serial, std::vector<TokenDictSource> const& sources) {
    std::vector<TokenDictSource> copy(sources);
    fSources[serial].swap(copy);
}

void DictSourceDatabase::Append(uint32_t serial, std::vector<TokenDictSource> const& sources) {
    auto const found = fSources.find(serial);
    if (found == fSources.end()) {
        Insert(serial, sources);
        return;
    }
    std::vector<TokenDictSource> joined(found->second);
    joined.insert(joined.end(), sources.begin(), sources.end());
    found->second.swap(joined);
}

bool DictSourceDatabase::Find(uint32_t serial, std::vector<TokenDictSource>* out) const {
    auto const found = fSources.find(serial);
    if (found == fSources.end()) return false;
    *out = found->second;
    return true;
}

void DictSourceDatabase::Erase(uint32_t serial) { fSources.erase(serial); }

bool TokenDictSourceVectorsMatch(TokenStringDatabase const* strings, std::vector<TokenDictSource> const& a,
                                 std::vector<TokenDictSource> const& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        TokenDictSource const& x = a[i];
        TokenDictSource const& y = b[i];
        if (x.fDictionaryID != y.fDictionaryID || x.fJapanesePOS != y.fJapanesePOS ||
            x.fTranslationLength != y.fTranslationLength || x.fEnglishPOS != y.fEnglishPOS ||
            x.fKindFlags != y.fKindFlags)
            return false;
        if (!TokenVectorsMatch(strings, x.fSourceTokens, y.fSourceTokens)) return false;
        if (!TokenVectorsMatch(strings, x.fOutputTokens, y.fOutputTokens)) return false;
    }
    return true;
}
