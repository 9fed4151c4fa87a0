#pragma once
// Where a long sentence may be cut before it is parsed: patterns of words
// (semicolons, colons, a comma before a clause-opening conjunction or
// pronoun, ...), each with the exceptions that keep it from applying.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SegmentRule {
    // flags
    static constexpr uint16_t kAfterOpener = 0x1;      // only right after an opening bracket, quote or colon
    static constexpr uint16_t kExceptionBefore = 0x2;  // an exception matched on the words before the rule's
    static constexpr uint16_t kExceptionAfter = 0x4;   // an exception matched on the words after the rule's

    std::vector<std::string> words;  // the pattern's words: texts or word classes
    uint16_t flags = 0;
    uint16_t connectorLength = 0;  // words of the connector that follows the cut

    bool IsException() const { return (flags & (kExceptionBefore | kExceptionAfter)) != 0; }
};

// The break rules in the order they are tried, each followed by its
// exceptions; split into words once.
std::vector<SegmentRule> const& BreakRules();
// The number of rows, exceptions included.
constexpr std::size_t kBreakRuleRows = 125;
