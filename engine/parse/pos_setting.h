#pragma once
// Parts of speech the user fixes over a stretch of a sentence ("this is a
// noun phrase"), or a stretch marked to stay English text.  The sentence
// keeps the list; chart building and the parser allow only the categories a
// setting's code admits inside its stretch.
#include <cstdint>
#include <vector>

class Sentence;

// One setting: a 16-bit code whose low byte is the part-of-speech code and
// whose top bit is the literal mark (the code is negative as an i16 when the
// mark is set), and the stretch it covers, in Shift-JIS bytes from the start
// of the sentence: the measure of the preparsed words' offsets.  A host that
// counts in wide characters converts once (MapWideToSJISCharOffsets) before
// handing a setting in.
struct POS_SETTING {
    static constexpr uint16_t kCodeMask = 0x00FF;
    static constexpr uint16_t kLiteralMark = 0x8000;

    uint16_t code = 0;
    uint16_t start = 0;
    uint16_t end = 0;

    uint16_t POSCode() const { return code & kCodeMask; }
    bool IsLiteral() const { return (code & kLiteralMark) != 0; }
    bool SameRange(POS_SETTING const& other) const { return start == other.start && end == other.end; }
    bool operator==(POS_SETTING const& other) const { return code == other.code && SameRange(other); }
};

// Part-of-speech codes beyond the category lists.
constexpr uint16_t kPOSCodeAnyCategory = 129;  // any grammar category
constexpr uint16_t kPOSCodeRemove = 130;       // (request only) remove the setting of the range

// Answers of the entry points.
constexpr uint16_t kSetPOSDone = 0;
constexpr uint16_t kSetPOSNests = 131;    // nests with a setting whose outer code is 1 to 6
constexpr uint16_t kSetPOSCrosses = 132;  // crosses a stored setting
constexpr uint16_t kPOSNotFound = 141;    // no such setting; also: a sentence without words takes none

// Adds, changes and removes the settings of one sentence.
class SetPOSManager {
public:
    explicit SetPOSManager(Sentence* sentence) : fSentence(sentence) {}

    // The request's range is clipped to the words and widened to whole words
    // first.  Answers kSetPOSDone (result: the setting as stored, or the
    // widened request when a removal found nothing), kSetPOSNests or
    // kSetPOSCrosses (result: the stored setting in the way, nothing
    // changed), or kPOSNotFound for a sentence without words.
    uint16_t SetUPS(POS_SETTING* result, POS_SETTING const& request);

    // The range clipped to the first and last word.
    POS_SETTING ClipEdges(POS_SETTING selection) const;
    // The range widened to whole words; whether it changed.
    bool GrowSelection(POS_SETTING* selection) const;

private:
    Sentence* fSentence;
};

// The plain entry points hosts and the translator stage call.
uint16_t CSetPOS(Sentence* sentence, POS_SETTING* result, POS_SETTING* request);
// A copy of the list (the caller frees it with delete[]); a null list and 0
// when there are no settings.
void CGetPOSList(Sentence const* sentence, uint16_t* count, POS_SETTING** list);
// The smallest setting enclosing the selection: kSetPOSDone or kPOSNotFound.
uint16_t CGetPOS(POS_SETTING* result, POS_SETTING* selection, uint16_t count, POS_SETTING const* list);
uint16_t GetUPS(POS_SETTING* result, POS_SETTING* selection, uint16_t count, POS_SETTING const* list);
// The smallest enclosing setting when it is larger than the selection,
// otherwise the first setting after the selection in (start, end) order.
uint16_t CFindPOS(POS_SETTING* result, POS_SETTING* selection, uint16_t count, POS_SETTING const* list);

// Whether a grammar category satisfies a setting code (its low byte only).
bool SetPOSMatch(uint16_t code, uint16_t category);

// The number feature at `position` of feature set `featureSet` in a feature
// bit vector: 2 for its first bit plus 1 for its second (0 to 3).  An unknown
// set or position gives 0.
uint16_t FindNumber(uint16_t const* featureBits, uint16_t featureSet, uint16_t position);
