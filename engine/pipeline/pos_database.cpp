#include "engine/pipeline/pos_database.h"

void POSDatabase::Insert(uint32_t serial, std::vector<TokenPOS> const& settings) {
    std::vector<TokenPOS> copy(settings);  // built aside: a failed copy changes nothing
    fSettings[serial].swap(copy);
}

bool POSDatabase::Find(uint32_t serial, std::vector<TokenPOS>* out) const {
    auto const found = fSettings.find(serial);
    if (found == fSettings.end()) return false;
    *out = found->second;
    return true;
}

void POSDatabase::Erase(uint32_t serial) { fSettings.erase(serial); }
