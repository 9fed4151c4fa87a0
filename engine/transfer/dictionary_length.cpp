#include "engine/transfer/dictionary_length.h"

#include <cstring>
#include <memory>

#include "engine/foundation/kana_romaji.h"
#include "engine/parse/best_tree_extraction.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/dict_source.h"

uint16_t DictionaryRomajiLength(std::string const& cooked, RomajiConversionMode mode) {
    std::string const kana = ConvertRomajiWidth(RomajiToKana(cooked, true), mode);
    char* romaji = nullptr;
    SyllableAwareKanaToRomaji(kana.c_str(), &romaji, nullptr);
    std::unique_ptr<char[]> const owned(romaji);
    std::size_t const length = std::strlen(romaji);
    return length < DICT_SOURCE::kNoInflectionInfo ? static_cast<uint16_t>(length) : DICT_SOURCE::kNoInflectionInfo;
}

uint16_t FindJDictLen(PARSED_NODE const* node, Paraphrase_EX const& paraphrase, Sentence const& sentence) {
    return DictionaryRomajiLength(CookedJapaneseOfLeaf(node, paraphrase, sentence), sentence.NumericMode());
}
