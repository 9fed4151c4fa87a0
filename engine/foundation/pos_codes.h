#pragma once
// The coded values that the grammar, the transfer rules and compiled
// dictionaries refer to by number.  They are frozen: a dictionary stores the
// number, so changing one here breaks every dictionary already written.  The
// name tables (name_tables.h) give the matching names.
#include "engine/foundation/value_types.h"

// ---------------------------------------------------------------------------
// English source parts of speech (grammar categories and fine parts of speech)

constexpr POS_E_Source kCatBad{0};    // "<<BAD>>": no category
constexpr POS_E_Source kCat5SKIP{1};  // skipped material; a barrier to rule matching
constexpr POS_E_Source kCatAcc{2};    // accusative particle node ("wo")
constexpr POS_E_Source kCatADJ{3};
constexpr POS_E_Source kCatADJP{4};
constexpr POS_E_Source kCatADV{5};
constexpr POS_E_Source kCatADVONLY{6};        // "only", rendered "dakede-aru" after the tense
constexpr POS_E_Source kCatTopicMiddle{7};    // between subject and predicate in the topic patterns
constexpr POS_E_Source kCatSegmenterNoun{8};  // single word the segmenter counts as a noun
constexpr POS_E_Source kCatAUX{9};
constexpr POS_E_Source kCatBE{10};           // the verb "be", rendered "i-" or "ar-"
constexpr POS_E_Source kCatCoordinator{11};  // joins two verb phrases that each take a tense
constexpr POS_E_Source kCatRuleBonus{12};    // its views get a fixed rule-score bonus
constexpr POS_E_Source kCatCLOSEQ{13};       // closing quote; a barrier
constexpr POS_E_Source kCatComma{14};        // fine part of speech of ","
constexpr POS_E_Source kCatDECINUMBER{15};
constexpr POS_E_Source kCatDe{16};         // "<de>": virtual node a rule term inserts
constexpr POS_E_Source kCatE{18};          // "<e>": empty position a fronted phrase fills
constexpr POS_E_Source kCatGlomPiece{19};  // one piece of a glue parse
constexpr POS_E_Source kCatGlomTop{20};    // first joint of a glue parse
constexpr POS_E_Source kCatGONE{21};       // removed constituent; a barrier
constexpr POS_E_Source kCatN{22};
constexpr POS_E_Source kCatForComplement{23};  // loses its lone "for" when transferred
constexpr POS_E_Source kCatNegation{24};       // negation node inserted into a verb phrase
constexpr POS_E_Source kCatNom{25};            // subject particle slot, spelled "ha" or "ga"
constexpr POS_E_Source kCatNP{26};
constexpr POS_E_Source kCatOPENQ{28};      // opening quote; a barrier
constexpr POS_E_Source kCatPastTense{29};  // child of a tense node for tense "2"
constexpr POS_E_Source kCatPP{30};
constexpr POS_E_Source kCatPREPADJ{31};
constexpr POS_E_Source kCatPresentTense{32};  // child of a tense node for tense "1"
constexpr POS_E_Source kCatPRN{33};
constexpr POS_E_Source kCatTopLevelNonClause{35};  // sentence-like, yet not a clause for "ga"
constexpr POS_E_Source kCatQCOMP{36};
constexpr POS_E_Source kCatRAWCAPSEQ{37};
constexpr POS_E_Source kCatEmptyGlomSource{38};  // stands in for a glue piece with no reading
constexpr POS_E_Source kCatRCOMP{41};
constexpr POS_E_Source kCatSentence{42};  // the whole sentence
constexpr POS_E_Source kCatS1{45};
constexpr POS_E_Source kCatTense{46};   // tense node holding a past or present child
constexpr POS_E_Source kCatTrace{47};   // "<t>"
constexpr POS_E_Source kCatTrace2{48};  // "<t2>": filled by a primed phrase
constexpr POS_E_Source kCatTrace3{49};  // "<t3>": filled by an "AUX"
constexpr POS_E_Source kCatTrace4{50};  // "<t4>"
constexpr POS_E_Source kCatVI01{51};
constexpr POS_E_Source kCatPredicate{53};  // holds the "BE" node below the subject
constexpr POS_E_Source kCatVT01{54};
constexpr POS_E_Source kCatSTARTLITERAL{55};
constexpr POS_E_Source kCatENDLITERAL{56};

// Further categories that make good pieces of a glue parse; the grammar has
// not given them names.
constexpr POS_E_Source kCatGluePiece27{27};
constexpr POS_E_Source kCatGluePiece34{34};
constexpr POS_E_Source kCatGluePiece39{39};
constexpr POS_E_Source kCatGluePiece40{40};
constexpr POS_E_Source kCatGluePiece43{43};
constexpr POS_E_Source kCatGluePiece44{44};
constexpr POS_E_Source kCatGluePiece52{52};

// Comma lists: a daughter category and the category of a list of them.
constexpr POS_E_Source kCatNP_CommaList{1655};
constexpr POS_E_Source kCatN1{220};
constexpr POS_E_Source kCatN1_CommaList{2759};
constexpr POS_E_Source kCatCommaListMember{121};
constexpr POS_E_Source kCatCommaListOfMembers{2053};

// Fine parts of speech of punctuation readings ("," first).
constexpr POS_E_Source kPunctuationFinePOSs[] = {
    POS_E_Source{14},  POS_E_Source{81},  POS_E_Source{861}, POS_E_Source{110}, POS_E_Source{868},
    POS_E_Source{107}, POS_E_Source{547}, POS_E_Source{687}, POS_E_Source{105}, POS_E_Source{113},
};

// ---------------------------------------------------------------------------
// Japanese target parts of speech

constexpr POS_J_Target kJPOS_Bad{0};      // "<<BAD>>"
constexpr POS_J_Target kJPOS_Unknown{1};  // "<<UNKNOWN>>": a rule named none or an unknown one
constexpr POS_J_Target kJPOS_ADJ{2};      // also "nai" after "BE-Neg"
constexpr POS_J_Target kJPOS_ADV{49};     // English left as is, followed by "ni"
constexpr POS_J_Target kJPOS_N{134};
constexpr POS_J_Target kJPOS_NAna{136};            // adjective left in English
constexpr POS_J_Target kJPOS_NAno{138};            // prepositional phrase
constexpr POS_J_Target kJPOS_ObjectParticle{151};  // "-wo" after an object
constexpr POS_J_Target kJPOS_VCr{186};             // "ar-" for an inanimate subject's "BE"
constexpr POS_J_Target kJPOS_VV{192};              // "i-" for an animate subject's "BE"
constexpr POS_J_Target kJPOS_Vsu{194};             // English verb left as is, followed by "su-"

// ---------------------------------------------------------------------------
// Predefined semantic atoms

constexpr unsigned short kSemBad = 0;          // "<<BAD>>"
constexpr unsigned short kSemAcaddegree = 35;  // fallback atom of a matched idiom slot
constexpr unsigned short kSemAll = 44;         // root of the atom hierarchy
constexpr unsigned short kSemAny = 50;
constexpr unsigned short kSemAsfStative = 72;
constexpr unsigned short kSemCoordAny = 131;
constexpr unsigned short kSemHuman = 151;
constexpr unsigned short kSemDospeak = 198;
constexpr unsigned short kSemNonhuman = 287;
constexpr unsigned short kSemRareReading = 293;  // marks a reading dropped from long sentences
constexpr unsigned short kSemPlace = 325;
constexpr unsigned short kSemReflex = 356;
constexpr unsigned short kSemVsfNonagent = 443;
constexpr unsigned short kSemIdiomPrisonFine = 839;  // last atom

// ---------------------------------------------------------------------------
// Subject domains

constexpr DomainID kDomainNone{0};
constexpr DomainID kDomainTechnical{1};  // the general domain of mode 62
constexpr DomainID kDomainManual{2};
constexpr DomainID kDomainMedia{3};
constexpr DomainID kDomainCoOccurrence8{79};
