#pragma once
// Turns the scored parse graph of a sentence into one analysis tree: the
// parse ranked n-th among those kept (n the sentence's selected parse, 0 the
// best), following each kept score back to where it came from.  Dictionary
// leaves get their Japanese side, always-use readings of their cell are
// honoured, and stretches the user marked literal become English text.
#include <map>
#include <string>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"
#include "engine/parse/choice_platform.h"
#include "engine/parse/parse_graph.h"
#include "engine/parse/parsed_node.h"

class Sentence;

class ParseTreeCreator {
public:
    explicit ParseTreeCreator(Sentence* sentence) : fSentence(sentence) {}

    // The tree of the sentence's selected parse, owned by the caller; null
    // when the graph holds no such parse.
    PARSED_NODE* ExtractForTrans();

    PARSED_NODE* FindInTopList(uint16_t n, SINDEX const* result, ALLP_TOP* first);
    PARSED_NODE* MakeParsedNode(ALLP_TOP* top, uint16_t position);
    PARSED_NODE* FindInSource(uint16_t* pureRule, uint16_t position, ALLP_TOP* top);
    PARSED_NODE* FindInTop(uint16_t position, ALLP_SOURCE* source);

    void AUAndParseJ(PARSED_NODE* node, FinePOS_EX const& chosen, Paraphrase_EX const& paraphrase);
    void ParseJapaneseEntry(PARSED_NODE* node, Paraphrase_EX const& translation, Paraphrase_EX const& transplant);
    void PruneLiterals(PARSED_NODE* root);

private:
    bool OneParse() const;
    // The cell's always-use reading as this extraction sees it: a tie with
    // the chosen reading replaces it here, never in the chart, so that every
    // extraction of the sentence starts from the same chart.
    CanBeNull<FinePOS_EX> AlwaysUseReading(int d, int e) const;

    Sentence* fSentence;
    std::map<std::size_t, FinePOS_EX> fAlwaysUseReplaced;  // by cell index
    int fDepth = 0;
};

// The Japanese of a reading whose translation asks for the English surface
// form: "{", the node's last word, a blank when that word is ASCII and more
// follows, "}", and what followed the marker.
std::string MakeJForUseSurfaceForm(PARSED_NODE const* node, Paraphrase_EX const& paraphrase, Sentence const& sentence);

// The cooked Japanese a leaf of the reading takes: the paraphrase's cooked
// translation, or MakeJForUseSurfaceForm's text when it asks for the surface
// form.
std::string CookedJapaneseOfLeaf(PARSED_NODE const* node, Paraphrase_EX const& paraphrase, Sentence const& sentence);
