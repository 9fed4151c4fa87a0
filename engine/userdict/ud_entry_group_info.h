#pragma once
// One entry group of a user dictionary as a single record: a word with all
// its English forms (a noun and its plural, a verb and its four inflected
// forms), its Japanese translation and what goes with it.  The file stores
// one entry per non-empty form, chained in form order.
#include <cstdint>
#include <string>

class UDEntryGroupInfo_EX {
public:
    // The kinds of group.  The dictionary facade numbers its user-word kinds
    // differently and maps them.
    enum GroupKind : uint32_t {
        kNoKind = 0,
        kAdjectiveGroup = 1,
        kAdverbGroup = 2,
        kNounGroup = 3,
        kVerbGroup = 4,
        kConjunctionGroup = 5,
        kPrepositionGroup = 6,
        kPrepositionalPhraseGroup = 7,
    };

    // A verb's transitivity picks its POS strings: "VT_", "VI_" or "V_".
    enum VerbTransativityType : uint32_t {
        kTransitive = 0,
        kIntransitive = 1,
        kTransitivityNotMarked = 2,
    };

    // A preposition's subtype picks "PREPADJ" or "PREPADV".
    enum PrepositionSubtype : uint32_t {
        kAdjectivalPreposition = 0,
        kAdverbialPreposition = 1,
    };

    // Indexes of the English forms.  Kinds other than noun and verb have the
    // base form only.
    enum Inflections : uint32_t {
        kBaseForm = 0,          // noun singular, verb infinitive
        kPluralOrPastForm = 1,  // noun plural, verb past
        kPastParticipleForm = 2,
        kThirdSingularForm = 3,
        kIngForm = 4,
        kNumInflections = 5,
    };

    // The idiom kind is stored as the flag letter 'N', 'P' or 'A'.
    enum IdiomKind : uint32_t {
        kIdiomNormal = 0,
        kIdiomPreferential = 1,
        kIdiomAlmighty = 2,
    };

    // The learning counters of one entry.
    struct Frequencies {
        uint32_t batch = 0;
        uint32_t interactive = 0;
    };

    // Written with pair i for form i; read back with pair i for the i-th
    // entry of the chain.
    Frequencies frequencies[kNumInflections];
    uint32_t kind = kNoKind;
    VerbTransativityType transitivity = kTransitive;
    uint32_t subtype = kAdjectivalPreposition;
    std::string forms[kNumInflections];
    std::string translation;  // Shift-JIS
    std::string answer;       // Shift-JIS inflection answer (verbs: the past form)
    std::string particle;     // verbs: the Shift-JIS particle
    uint32_t idiomKind = kIdiomNormal;

    void Set_Noun(std::string const& base, std::string const& plural);
    void Set_Verb(std::string const& base, VerbTransativityType verbTransitivity, std::string const& past,
                  std::string const& pastParticiple, std::string const& thirdSingular, std::string const& ing,
                  std::string const& verbAnswer, std::string const& verbParticle);
    // One form of a verb; an index of kNumInflections or more sets only the
    // transitivity, answer and particle.
    void Set_Verb_1Inflection(VerbTransativityType verbTransitivity, uint32_t formIndex, std::string const& form,
                              std::string const& verbAnswer, std::string const& verbParticle);
    void Set_Adjective(std::string const& base, std::string const& adjectiveAnswer);
    void Set_PrepositionalPhrase(std::string const& base, std::string const& phraseAnswer);

    // The first non-empty form among NumberOfSrcInflections(), else "".
    std::string GetBaseForm() const;
    // 2 for nouns, 5 for verbs, 1 otherwise.
    uint32_t NumberOfSrcInflections() const;
};

// The exact comparison (the duplicate test): same kind, every form byte for
// byte and the translation; for verbs also answer, particle and transitivity;
// for prepositions also the subtype; and the idiom kind.
bool operator==(UDEntryGroupInfo_EX const& a, UDEntryGroupInfo_EX const& b);
bool operator!=(UDEntryGroupInfo_EX const& a, UDEntryGroupInfo_EX const& b);

// The lookup comparison: same kind, every form and the translation.
bool EntryGroupsMatchEnufForLookupInfo(UDEntryGroupInfo_EX const& a, UDEntryGroupInfo_EX const& b);
