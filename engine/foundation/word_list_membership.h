#pragma once
// Which dictionary entries the word-list interfaces list: each list has a
// test that one entry must pass.  The sentence-boundary lists follow flags of
// the entry's fine parts of speech; the period lists follow the shape of the
// headword.
#include <string>

#include "engine/foundation/entry.h"

// The entries the representation's dictionary finds for the word, as the
// dictionary handle looks it up (no callback; a word over 255 bytes or null
// finds nothing).  The representation must be held by a handle.
ForwardIterator<Entry_EX> LookUpWord(DictionaryRep_<Entry_EX>* dictionary, char const* word);

// Some fine part of speech of the entry passes test (a predicate on
// FinePOS_EX); the walk stops at the first that does.
template <class FinePOSTest>
bool SomeFinePOS(Entry_EX const& entry, FinePOSTest test) {
    for (ForwardIterator<FinePOS_EX> finePOS = entry.GetFinePOSIterator(); !finePOS.IsAtEnd(); ++finePOS) {
        if (test(*finePOS)) return true;
    }
    return false;
}

// Some fine part of speech has the cannot-begin-sentence flag.
bool ThisEntryOKCannotBeginSent(Entry_EX const& entry);
// Some fine part of speech has the cannot-end-sentence flag.
bool ThisEntryOKCannotEndSent(Entry_EX const& entry);
// Some fine part of speech has the cannot-begin-and-end-sentence flag.
bool ThisEntryOKCannotBeginAndEndSent(Entry_EX const& entry);
// The headword can take up the period that ends a sentence
// (HasPeriodBeforeSpace: "a.m.", "St. Louis").
bool ThisEntryOKCanUseUpPeriod(Entry_EX const& entry);
// The headword is one word written with a period ("e.g.", "U.S.A.").
bool ThisEntryOKSingleWordWithPeriod(Entry_EX const& entry);

// The text holds a "." and its first "." comes before its first space (or it
// holds no space): "a.m." and "St. Louis" yes, "et al." and "abc" no.
bool HasPeriodBeforeSpace(std::string const& text);

// After any leading spaces, the text holds no further space: "e.g." and
// "  e.g." yes, "e.g. " and "i. e." no.  An empty or all-space text (or null)
// is one word.
bool OneWord(char const* text);
