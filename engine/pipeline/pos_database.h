#pragma once
// The part-of-speech settings that the user's markup asked for, stored under
// the serial of the sentence token they belong to.
#include <cstdint>
#include <map>
#include <vector>

#include "engine/foundation/token.h"

struct TokenPOS {
    // The markup's part-of-speech value; 32768 is a flag ORed onto another.
    uint16_t pos = 0;
    std::vector<Token> tokens;  // the words the setting applies to
};

class POSDatabase {
public:
    POSDatabase() = default;
    POSDatabase(POSDatabase const&) = delete;
    POSDatabase& operator=(POSDatabase const&) = delete;

    // The keys are serials.  Stores a copy, replacing any list the serial had.
    void Insert(uint32_t serial, std::vector<TokenPOS> const& settings);
    // True and *out replaced by a copy; false and *out untouched when absent.
    bool Find(uint32_t serial, std::vector<TokenPOS>* out) const;
    void Erase(uint32_t serial);

private:
    std::map<uint32_t, std::vector<TokenPOS>> fSettings;
};
