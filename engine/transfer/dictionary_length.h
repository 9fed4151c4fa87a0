#pragma once
// The dictionary length of a reading: how many bytes of romaji its
// uninflected translation takes.  A DICT_SOURCE carries it, and reading a
// translation's inflection takes the romaji before it as the stem.
#include <cstdint>
#include <string>

#include "engine/foundation/entry.h"
#include "engine/transfer/romaji_width.h"

struct PARSED_NODE;
class Sentence;

// The cooked text in kana (a single letter left over kept), in the romaji
// width of mode, read back in romaji syllable by syllable: its length in
// bytes.  DICT_SOURCE::kNoInflectionInfo when that does not fit below it.
uint16_t DictionaryRomajiLength(std::string const& cooked, RomajiConversionMode mode);

// The dictionary length of the node's reading, from the Japanese its leaf
// takes (the surface form's, for a reading that asks for it), in the
// sentence's romaji width.
uint16_t FindJDictLen(PARSED_NODE const* node, Paraphrase_EX const& paraphrase, Sentence const& sentence);
