#include "engine/transfer/aw_set.h"

std::string AW_SET::ConvertRomajiIfNecessary(std::string const& text) const {
    return ConvertRomajiWidth(text, romajiMode);
}

JInfl_t const* SearchJInflList(AW_SET const& set, std::string const& japanese, DICT_SOURCE const& source) {
    for (JInfl_t const& known : set.inflections) {
        if (known.japanesePOS == source.japanesePOS && known.dictionaryLength == source.translationLength &&
            known.japanese == japanese)
            return &known;
    }
    return nullptr;
}
