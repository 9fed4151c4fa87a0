#pragma once
// Renders dictionary entries the way a printed dictionary shows them: per
// group of readings a headline (headword, part-of-speech label, inflected
// forms), an optional usage line, then the Japanese translations one per
// line:
//
//     run (v) [=runn]; ran; running
//       (vt)
//         <translation>
//         <translation> (preferred POS)
//
// Labels are the caller's: kDefaultLabels() gives the standard English ones.
#include <array>
#include <map>
#include <string>
#include <utility>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/iterators.h"

class Dictionary_EJ_ToPaperFormatter {
public:
    enum LabelID : unsigned short {
        kLabelNoun = 0,     // headline of gross part of speech 0
        kLabelVerb = 1,     // ... 1
        kLabelAdj = 2,      // ... 2
        kLabelAdv = 3,      // ... 3
        kLabelPrep = 4,     // ... 4
        kLabelSpecial = 5,  // ... 5 (anything else)
        kLabelPP = 6,
        kLabelConj = 7,
        kLabelVT = 8,  // usage line of a reading named "VT01"
        kLabelVI = 9,  // usage line of a "VI01" reading without a trailing particle
        kLabelPrepAdj = 10,
        kLabelPrepAdv = 11,
        kLabelPreferredAlways = 12,  // after a translation of idiom type eIdiomPreferredAlways
        kLabelPreferredPOS = 13,     // after a translation of idiom type eIdiomPreferredPOS
        kLabelCount = 14,
    };

    // Fourteen label texts indexed by LabelID, all empty at first.
    class Labels {
    public:
        std::string const& operator[](LabelID id) const { return fTexts[id]; }
        void Set(LabelID id, std::string text) { fTexts[id] = std::move(text); }

    private:
        std::array<std::string, kLabelCount> fTexts;
    };

    // Dictionaries as map keys, by identity.
    struct DictionaryIdentityOrder {
        bool operator()(Dictionary_EX const& a, Dictionary_EX const& b) const { return a.GetRep() < b.GetRep(); }
    };
    using Dict2NameMap = std::map<Dictionary_EX, std::string, DictionaryIdentityOrder>;

    // Keeps its own copy of the labels.
    explicit Dictionary_EJ_ToPaperFormatter(Labels const& labels);

    // Display names of dictionaries; kept for the caller, not rendered.
    void SetDict2NameMap(Dict2NameMap const& names) { fDict2Name = names; }
    Dict2NameMap const& GetDict2NameMap() const { return fDict2Name; }
    Labels const& GetLabels() const { return fLabels; }

    // The printed form of one entry; empty when no reading is printable
    // (hidden, without Japanese, or of a part of speech never printed).
    std::string GetFormattedPaperForm(Entry_EX const& entry) const;
    // The printed forms of all entries, each followed by "\n" unless it
    // already ends with one; an empty form adds nothing.
    std::string GetFormattedPaperForm(ForwardIterator<Entry_EX> entries) const;

    // The label of a user-dictionary part-of-speech number: 1 noun, 2 verb,
    // 3 and 4 adjective, 20 preposition, 21 and 23 special, 22 "(pp)", any
    // other adverb.
    static LabelID cvt(unsigned short userPOS);

private:
    Labels fLabels;
    Dict2NameMap fDict2Name;
};

// The standard labels "(n)", "(v)", ... "(preferred POS)", built once.
Dictionary_EJ_ToPaperFormatter::Labels const& kDefaultLabels();
