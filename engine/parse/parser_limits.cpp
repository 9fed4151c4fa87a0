// The limits that end the parse of a sentence.  Each throws
// HitLimitException, which the translator stage catches to try again at a
// higher speed or give the sentence up: a parse stops at a size it can
// afford instead of running out of memory or time.
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/parser.h"
#include "engine/parse/sentence.h"

void Parser::CountEntry() {
    uint32_t const count = ++fSentence->ParserEntryCount();
    if (fLimits.timeCheckEvery != 0 && (count + 1) % fLimits.timeCheckEvery == 0) CheckTime();
    if (count > fLimits.sentenceEntries) throw HitLimitException();
}

void Parser::CheckTime() const {
    if (fSentence->TimeLimitExceeded()) throw HitLimitException();
}

void Parser::CheckCellEntries(std::size_t count) const {
    if (count > fLimits.cellEntries) throw HitLimitException();
}

void Parser::CheckCellHeap(std::size_t bytes) const {
    if (bytes > fLimits.cellFeatureBytes) throw HitLimitException();
}

void Parser::CheckUnaryDepth(uint32_t depth) const {
    if (depth > fLimits.unaryDepth) throw HitLimitException();
}
