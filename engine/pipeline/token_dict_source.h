#pragma once
// Where the output tokens of a translated sentence came from: for an output
// token's serial, the dictionary sources (one record per dictionary reading
// used) that produced it.  Post-editing reads them back.
#include <cstdint>
#include <map>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/token.h"

class TokenStringDatabase;

struct TokenDictSource {
    uint16_t fDictionaryID = kDefaultDictionaryID;
    uint16_t fJapanesePOS = 0;
    uint16_t fTranslationLength = 0;
    uint32_t fEnglishPOS = 0;
    uint16_t fKindFlags = 0;
    std::vector<Token> fSourceTokens;  // the source words the reading covered
    std::vector<Token> fOutputTokens;  // the output tokens made from it
};

class DictSourceDatabase {
public:
    DictSourceDatabase() = default;
    DictSourceDatabase(DictSourceDatabase const&) = delete;
    DictSourceDatabase& operator=(DictSourceDatabase const&) = delete;

    // The keys are serials (the token shifted right by 8 already).
    // Stores a copy of the list, replacing any list the serial had.
    void Insert(uint32_t serial, std::vector<TokenDictSource> const& sources);
    // Appends the records to the serial's list; Insert when it has none.
    void Append(uint32_t serial, std::vector<TokenDictSource> const& sources);
    // True and *out replaced by a copy; false and *out untouched when absent.
    bool Find(uint32_t serial, std::vector<TokenDictSource>* out) const;
    void Erase(uint32_t serial);

private:
    std::map<uint32_t, std::vector<TokenDictSource>> fSources;
};

// Same length and, record by record, equal numbers and token lists that
// match by TokenVectorsMatch.
bool TokenDictSourceVectorsMatch(TokenStringDatabase const* strings, std::vector<TokenDictSource> const& a,
                                 std::vector<TokenDictSource> const& b);
