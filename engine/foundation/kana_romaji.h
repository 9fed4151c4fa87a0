#pragma once
// Conversion between Shift-JIS kana and the engine's romaji (see
// kana_tables.h for the scheme).
//
// Kana to romaji keeps a map back to the source: for each romaji byte where
// the romaji of a source character (or syllable) begins, the byte offset of
// that character in the source; 0 elsewhere, so the first character's entry
// is 0 too.  Characters with no romaji (kanji, punctuation) are copied.
//
// Romaji to kana reads cooked text: romaji, Shift-JIS characters kept as they
// are, "-" joints that vanish, and brace groups "{...}" whose text is kept as
// written (a group opening with the "zxj" marker is dropped).
#include <cstddef>
#include <string>
#include <vector>

// ---- Kana to romaji ------------------------------------------------------
// The char** forms allocate with new[] and the caller frees with delete[]:
// *romaji gets 2 * strlen(s) + 1 bytes (romaji is never longer than twice its
// kana), *offsets 2 * strlen(s) + 2 entries.  After the entries described
// above, the entry at the romaji's end holds strlen(s), so every syllable end
// maps to the source bytes consumed up to it.  Offsets above 65535 are stored
// as 65535.  Either out-pointer may be null.  A null s reads as "".

// One character at a time: a contracted syllable reads "kia".
void KanaToRomaji(char const* s, char** romaji, unsigned short** offsets);

// Whole syllables first: a kana followed by a small ya, yu or yo that forms a
// syllable of the Kana table reads as that syllable ("kya").
void SyllableAwareKanaToRomaji(char const* s, char** romaji, unsigned short** offsets);

// The worker of both.
void AmbiKanaToRomaji(char const* s, char** romaji, unsigned short** offsets, bool syllableAware);

// The romaji of all of s, one character at a time (a NUL inside s is copied);
// when offsets is given, one source offset per romaji byte is appended to it.
std::string KanaToRomaji(std::string const& s, std::vector<unsigned long>* offsets);

// A new[] copy of s in which every hiragana is replaced by its romaji.
char* HiraganaToRomaji(char const* s);

// ---- Romaji to kana ------------------------------------------------------

// *out receives a new[] array with the kana form of text.  Romaji letters
// still pending at the end of the text are dropped, except that with
// keepLeftovers a single pending letter is appended ("kak" gives "か" or
// "かk").
void RomajiToKana(char** out, char const* text, bool keepLeftovers);
std::string RomajiToKana(std::string const& text, bool keepLeftovers);

// Builds kana text from romaji and plain pieces.  Every addition goes through
// the same spacing rules: with skipLeadingBlanks, blanks opening the text are
// dropped; blanks after an opening parenthesis are dropped unless a closing
// parenthesis follows them; a piece opening with a closing parenthesis drops
// the blanks before it; a piece that is the "zxj" marker is not added; a run
// of "∥" pieces adds one.
class KanaConverter {
public:
    explicit KanaConverter(bool skipLeadingBlanks);

    // Converts romaji text and adds its kana; letters that do not yet make a
    // syllable stay pending for the next call.  Returns the output's length
    // (65535 when longer).
    unsigned short ConvertToKana(char const* text);

    // Adds text as it is; returns the output's length (65535 when longer).
    unsigned short AddKanaString(char const* text);

    // Adds the first n bytes of text (up to its NUL) as they are.
    void AddKanaN(char const* text, unsigned short n);

    // The pending romaji when at most one letter is pending, else "".
    std::string GetKanaLeftovers() const;

    std::string const& Output() const { return fOutput; }

private:
    static constexpr std::size_t kMaxPending = 3;

    // Adds the kana of the pending letters (or, when they are no syllable,
    // the letters themselves) and clears them.  afterJoint: a "-" came
    // between the letters, so a "wo" split by it is the vowel "o".
    void LookupKanaString(char const* pending, bool afterJoint);

    // Leading bytes of the piece that the spacing rules drop.
    std::size_t MeasureAddition(char const* piece, std::size_t n) const;

    void AddPiece(char const* piece, std::size_t n);
    void FlushPending();
    // Adds the brace group whose text runs from text to close; see the .cpp.
    void AddBraceGroup(char const* text, char const* close);

    std::string fOutput;
    bool fLastWasDoubleBar = false;
    char fPending[kMaxPending + 1] = {};
    std::size_t fPendingCount = 0;
    bool fJointSincePending = false;
    bool fSkipLeadingBlanks;
    bool fLastOpenedParen = false;
};
