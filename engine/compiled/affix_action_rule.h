#pragma once
// Affix action rules: what stripping one affix does to the readings of the
// stem.  A rule names the stem's part of speech and feature patterns it
// applies to, and the derived part of speech, feature sets, semantics,
// Japanese translation and p-value of the word with the affix.  The
// compiled-in rules (kAffixActions) are generated from tools/affix_*.tsv.
#include <cstddef>
#include <string>

#include "engine/foundation/semantics.h"
#include "engine/foundation/value_types.h"

struct AffixActionRule {
    static constexpr unsigned kFeatureSetCount = 3;
    static constexpr unsigned kSemanticListCount = 3;

    // Nonzero: the rule makes readings for words missing from every
    // dictionary only; the rewriting rule sets skip it.
    unsigned char missingWordAction;
    // Source part-of-speech names ("N", "VT16c"); a trailing "'" on the
    // derived one makes the derived reading primed.
    char const* stemCategory;
    char const* derivedCategory;
    // Per feature set.  A stem pattern letter is the letter required or "*";
    // a derived pattern overwrites the stem's letters except where it holds
    // "*", "$" or "."; the derived pattern "NO" empties the set.
    char const* stemFeatures[kFeatureSetCount];
    char const* derivedFeatures[kFeatureSetCount];
    // Blank-separated semantic atom names; "" for none.
    char const* semanticLists[kSemanticListCount];
    // Each "@" stands for the stem reading's transplant; "" keeps it.
    char const* transplantTemplate;
    // Shift-JIS.  "+X": X before the stem's translation; "-X": after it;
    // a leading "@" stands for the stem's translation; "<{WORD}>" and
    // "<{STEM}>" ending the template stand for the whole word and the stem,
    // in braces.
    char const* translationTemplate;
    POS_J_Target derivedJPOS;  // 0 keeps the stem reading's
    unsigned char changesPValue;
    unsigned char additive;  // else the delta plus a tenth of the p-value
    short pValueDelta;

    bool IsMissingWordAction() const { return missingWordAction != 0; }
    // kCatBad (0) when the name is not a known part of speech.
    POS_E_Source GetStemCategory() const;
    POS_E_Source GetDerivedCategory() const;
    bool GetDerivedPrimed() const;

    // Whether the feature string (already completed with its defaults) fits
    // stem pattern `set`: letter by letter while both last, then only "_" or
    // "*" left in the pattern.
    bool FeaturesMatch(char const* features, unsigned set) const;
    // Derived set `set` of the stem's (completed) features; a stem of "#"
    // (every default) starts as "?" throughout.
    void GetDerivedFeatures(std::string* out, char const* stemFeatures, unsigned set) const;
    // The changed p-value, computed in int and held to the 16-bit range.
    short GetDerivedPOSProb(short p) const;
    POS_J_Target GetDerivedJPOS(POS_J_Target jpos) const;
    // The derived Japanese from the stem's cooked translation; surface is the
    // whole word and stem the stem's headword.
    std::string GetDerivedJ(std::string const& cooked, char const* surface, char const* stem) const;
    std::string GetDerivedJTransplant(std::string const& transplant) const;

    // The semantics of a derived dictionary reading: the first list's atoms
    // as a one-slot noun-like record; else, when the second list is given,
    // the third list's atoms then the second's as a one-slot selres record;
    // else the stem reading's.  At most 10 atoms are kept; unknown names are
    // skipped.
    Dict_Semantics_E_Source GetDerivedParaphraseSemantics(Dict_Semantics_E_Source const& stem) const;
    // The semantics of a missing word's reading: the stem's when the first
    // list is "*"; else record 0 holds the first list's atoms with the stem
    // record 0's flags, and the others are empty.
    Dict_Semantics_E_Source GetDerivedSemantics(Dict_Semantics_E_Source const& stem) const;
};

constexpr std::size_t kAffixActionCount = 247;
extern AffixActionRule const kAffixActions[kAffixActionCount];
