#include "engine/foundation/name_tables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/pos_codes.h"

namespace {

std::vector<std::string> Words(char const* text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

bool StartsWith(char const* text, char const* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

// Read while static objects are still being built: the table must already be
// complete however the start-up order falls.
POS_E_Source const gNounAtStartUp = [] {
    POS_E_Source code{};
    gSourcePOSDatabase().Lookup("N", &code);
    return code;
}();

TEST(NameTablesStartUp, UsableDuringStaticInitialisation) { EXPECT_EQ(gNounAtStartUp, kCatN); }

// --- Shape of every table ---------------------------------------------------

struct TableCase {
    char const* label;
    char const* const* (*table)();
    unsigned long count;
    char const* placeholderPrefix;
};

class NameTableShape : public testing::TestWithParam<TableCase> {};

TEST_P(NameTableShape, HasExactlyItsCountOfUniqueNamesThenTheNullEnd) {
    TableCase const& c = GetParam();
    char const* const* names = c.table();
    std::set<std::string> seen;
    for (unsigned long code = 0; code < c.count; ++code) {
        ASSERT_NE(names[code], nullptr) << "code " << code;
        ASSERT_NE(names[code][0], '\0') << "code " << code;
        EXPECT_TRUE(seen.insert(names[code]).second) << "duplicate name " << names[code];
    }
    EXPECT_EQ(names[c.count], nullptr);
}

TEST_P(NameTableShape, EveryPlaceholderNamesItsOwnCode) {
    TableCase const& c = GetParam();
    char const* const* names = c.table();
    std::size_t const prefixLength = std::strlen(c.placeholderPrefix);
    unsigned long placeholders = 0;
    for (unsigned long code = 0; code < c.count; ++code) {
        char const* name = names[code];
        if (!StartsWith(name, c.placeholderPrefix) || name[prefixLength] == '\0' ||
            std::strspn(name + prefixLength, "0123456789") != std::strlen(name + prefixLength))
            continue;
        ++placeholders;
        EXPECT_EQ(std::string(name + prefixLength), std::to_string(code)) << name;
    }
    EXPECT_GT(placeholders, 0u);
}

TEST_P(NameTableShape, RepeatedCallsAnswerTheSameTable) {
    TableCase const& c = GetParam();
    EXPECT_EQ(c.table(), c.table());
}

INSTANTIATE_TEST_SUITE_P(AllTables, NameTableShape,
                         testing::Values(TableCase{"source", kE_Source_POSNames, 2760, "pos"},
                                         TableCase{"target", kJ_Target_POSNames, 298, "jpos"},
                                         TableCase{"semantic", kPredefinedSemanticAtom_E_SourceDatabase, 840, "sem"},
                                         TableCase{"domain", kDomainNames, 80, "domain"}),
                         [](testing::TestParamInfo<TableCase> const& info) { return std::string(info.param.label); });

// --- Fixed codes --------------------------------------------------------------

struct FixedName {
    unsigned code;  // as stored in dictionaries and the grammar
    unsigned constant;
    char const* name;
};

void ExpectFixedNames(char const* const* names, std::vector<FixedName> const& rows) {
    for (FixedName const& row : rows) {
        EXPECT_EQ(row.constant, row.code) << row.name;
        EXPECT_STREQ(names[row.code], row.name) << "code " << row.code;
    }
}

TEST(NameTables, SourcePartsOfSpeechKeepTheirCodes) {
    ExpectFixedNames(kE_Source_POSNames(), {
                                               {0, kCatBad, "<<BAD>>"},
                                               {1, kCat5SKIP, "5SKIP"},
                                               {2, kCatAcc, "Acc"},
                                               {3, kCatADJ, "ADJ"},
                                               {4, kCatADJP, "ADJP"},
                                               {5, kCatADV, "ADV"},
                                               {6, kCatADVONLY, "ADVONLY"},
                                               {9, kCatAUX, "AUX"},
                                               {10, kCatBE, "BE"},
                                               {13, kCatCLOSEQ, "CLOSEQ"},
                                               {15, kCatDECINUMBER, "DECINUMBER"},
                                               {16, kCatDe, "<de>"},
                                               {18, kCatE, "<e>"},
                                               {21, kCatGONE, "GONE"},
                                               {22, kCatN, "N"},
                                               {25, kCatNom, "Nom"},
                                               {26, kCatNP, "NP"},
                                               {28, kCatOPENQ, "OPENQ"},
                                               {30, kCatPP, "PP"},
                                               {31, kCatPREPADJ, "PREPADJ"},
                                               {33, kCatPRN, "PRN"},
                                               {36, kCatQCOMP, "QCOMP"},
                                               {37, kCatRAWCAPSEQ, "RAWCAPSEQ"},
                                               {41, kCatRCOMP, "RCOMP"},
                                               {45, kCatS1, "S1"},
                                               {47, kCatTrace, "<t>"},
                                               {48, kCatTrace2, "<t2>"},
                                               {49, kCatTrace3, "<t3>"},
                                               {50, kCatTrace4, "<t4>"},
                                               {51, kCatVI01, "VI01"},
                                               {54, kCatVT01, "VT01"},
                                               {55, kCatSTARTLITERAL, "STARTLITERAL"},
                                               {56, kCatENDLITERAL, "ENDLITERAL"},
                                               {220, kCatN1, "N1"},
                                               {2759, kCatN1_CommaList, "N1_CommaList"},
                                           });
}

TEST(NameTables, TargetPartsOfSpeechKeepTheirCodes) {
    ExpectFixedNames(kJ_Target_POSNames(), {
                                               {0, kJPOS_Bad, "<<BAD>>"},
                                               {1, kJPOS_Unknown, "<<UNKNOWN>>"},
                                               {2, kJPOS_ADJ, "ADJ"},
                                               {3, 3, "ADJDAcb"},
                                               {49, kJPOS_ADV, "ADV"},
                                               {134, kJPOS_N, "N"},
                                               {136, kJPOS_NAna, "NAna"},
                                               {138, kJPOS_NAno, "NAno"},
                                               {186, kJPOS_VCr, "VCr"},
                                               {192, kJPOS_VV, "VV"},
                                               {194, kJPOS_Vsu, "Vsu"},
                                           });
}

TEST(NameTables, SemanticAtomsKeepTheirCodes) {
    ExpectFixedNames(kPredefinedSemanticAtom_E_SourceDatabase(), {
                                                                     {0, kSemBad, "<<BAD>>"},
                                                                     {1, 1, "0"},
                                                                     {2, 2, "1"},
                                                                     {3, 3, "10"},
                                                                     {35, kSemAcaddegree, "acaddegree"},
                                                                     {44, kSemAll, "all"},
                                                                     {50, kSemAny, "any"},
                                                                     {72, kSemAsfStative, "asf_stative"},
                                                                     {131, kSemCoordAny, "coord_any"},
                                                                     {151, kSemHuman, "human"},
                                                                     {198, kSemDospeak, "dospeak"},
                                                                     {287, kSemNonhuman, "nonhuman"},
                                                                     {325, kSemPlace, "place"},
                                                                     {356, kSemReflex, "reflex"},
                                                                     {443, kSemVsfNonagent, "vsf_nonagent"},
                                                                     {839, kSemIdiomPrisonFine, "idiom_prison_fine"},
                                                                 });
}

TEST(NameTables, DomainsKeepTheirNumbers) {
    ExpectFixedNames(kDomainNames(), {
                                         {0, kDomainNone, "0"},
                                         {1, kDomainTechnical, "technical"},
                                         {2, kDomainManual, "manual"},
                                         {3, kDomainMedia, "media"},
                                         {79, kDomainCoOccurrence8, "co_occurrence8"},
                                     });
}

// --- Names the engine looks up by name ---------------------------------------

void ExpectAllPresent(ConstantAtomDatabase<POS_E_Source> const& database, char const* names) {
    for (std::string const& name : Words(names)) {
        POS_E_Source code{};
        EXPECT_TRUE(database.Lookup(name.c_str(), &code)) << name;
    }
}

TEST(NameTables, SourceNamesUsedByNameArePresent) {
    // Parts of speech a user may browse.
    ExpectAllPresent(gSourcePOSDatabase(),
                     "ABOUT ADJ ADJ01 ADJ01b ADJ01c ADJ02 ADJ03 ADJ04 ADJ05 ADJ06 ADJ07 ADJ08 ADJ09 ADJ10 ADJ11 "
                     "ADJ12 ADJONLY ADJONLY2 ADJb ADV ADV01 ADV02 ADV03 ADV04 ALBEIT ALL ART AUX AUXCAN AUXMAY "
                     "AUXMUST AUXXCAN AUXXMAY AUXXMUST AUXYCAN AUXYMAY AUXYMUST AUXZCAN Ago AnnoDomini BE BE1 BOTH "
                     "BOTH2 BUT CONJ CONJ2 CONJWHETHER CONJafter CONJas CONJbefore CONJfin CONJini CONJinitial "
                     "CONJso CONJthat CONJwhen CONJwherefrom CONJwhereto EARLY EITHER ENDTITLE ENDTITLE3 "
                     "ENDTITLEHuman ENDTITLEInc ENOUGH ETC EVENIF EVERY EVERYfew FIRST FRACTION FRACTIONS "
                     "FRACTIONShundred FRACTIONSmillion FRACTIONSthousand FRACTIONhalf FRACTIONhundred "
                     "FRACTIONmillion FRACTIONthousand GOINGTO HADBETTER HAVETO HELLO HERE HERE2 HOW HOW2much "
                     "HOWABOUT1 HOWTO IF IFONLY INTERJ INTERJ2 INTERJ3 INTERJhey In_Order LAST LEGALWHEREAS LOC "
                     "LOC1 LetUs MATHSYMBOL MATHSYMBOL2 MEASUREUNIT MEASUREUNITnoun MORE Much Much2 N N' N1 N2 N2' "
                     "NAMELY NCOMP NEG-ADV NEG-DET NEG-DET-ALL NEG-PRN NEG-PRN-ALL NEITHER NP NP' NPPOS1 NTIMES3 "
                     "NUMBER NUMBER1 NUMBER20_90 NUMBER20_90/1_9 NUMBER2_9 NUMBER_MILLION NUMBER_QUADRILLION "
                     "NUMBERapprox NUMBERzero N_number Next Not Nwhen Nwhere OR ORDINAL OVER PLEASE POSTSCRIPT PP "
                     "PREP PREP2 PREP3 PREP4 PREP5 PREP6 PREPcum PRN PRN2 QSwh QUADJ RATHER RATHERTHAN RCOMP1Human "
                     "RCOMP1Nonhuman RCOMP2Human RCOMP2Nonhuman RCOMP4 RCOMP4when RCOMP4where RCOMP4whereof RCOMP5 "
                     "RCOMP5C RCOMP5CHuman RCOMP5Humanacc RCOMP6how RCOMP6when RCOMP6where RCOMP6why RCOMP7 "
                     "RESPECTIVELY SAE SAKE SALUTE SCONJ SEASON SECOND STREET SUCH THAN THEN THERE THEREFORE "
                     "THEREFORE2 THIS THOUGH TIME TIMES1 TIMES2 TIMES3 TIMEadv TITLE2Human TITLE2Place TITLE2b "
                     "TITLEHumanpl TITLEInc TITLENumber TITLEPlace TITLEyearpl TITLEyearsg TO Too VERSUS VI01 VI03 "
                     "VI03a VI03b VI03come VI04 VI04a VI04b VI04c VI05 VI06 VI06b VI07 VI08 VI08used VI10 VI10b "
                     "VI12a VI12b VI13 VI14 VI15 VI15b VI16 VI17 VI18 VI19 VI20 VI21 VICEVERSA VP VP2 VT01 VT01d "
                     "VT01e VT01mean VT02 VT02b VT02c VT02d VT03 VT03b VT03d VT03e VT03f VT04b VT04c VT04d VT04e "
                     "VT05 VT05b VT05c VT05d VT05e VT06 VT06b VT07 VT07a VT07b VT07c VT07d VT07f VT07g VT08a VT08b "
                     "VT08c VT09 VT10 VT11 VT12 VT13 VT14 VT14b VT15 VT16 VT16a VT16b VT16c VT16e VT17a VT17b "
                     "VT17c VT18 VT19 VT20 VT21 VT21a VT21b VT22 VT25 VT25b VT26 VT28 VT29 VT30 VT30b VT31 VT31b "
                     "VT32 VT33 VT34 Very WANTED WELCOMETO WHAT WHENEVER WHENEVERwhere WHEREAS WHICHEVERAdj "
                     "WHOEVERAcc WHOEVERNom WHOSE WHQ WHQADJ WHQADJwhere WHQADV WHQADV2 WHQADVP WHQADVwhy WHQART "
                     "WHQPOSS WOULDRATHER WOULDRATHER2 XCO XCONJ YES YET ");
    // Class-test prefixes, affix stem classes, categories made by name by the
    // conversion codes, number categories, missing-word and set-POS classes.
    ExpectAllPresent(gSourcePOSDatabase(),
                     "ADJUNCT PREP ART CONJ INTERJ VT16bb VT16f VT16g Nom Nom_ga Nom_ha Hodo Dat_ni "
                     "NUMBER1000 #NUMBER1000 NUMBER_MILLION #NUMBER_MILLION NUMBER_BILLION #NUMBER_BILLION "
                     "NUMBER_TRILLION #NUMBER_TRILLION ADVP VP PREPADV AUX");
}

TEST(NameTables, TargetNamesUsedByNameArePresent) {
    // The user dictionary's Japanese part-of-speech names and the numbered
    // coarse classes.
    char const* const names =
        "ADJ ADJTAteku ADJTAtesu ADJTAtecs ADJTAteck ADJTAtevv ADJDAdecg ADJDAdecm ADJDAdecb ADJDAdecn "
        "ADJTAtecr ADJTAtect ADJTAtecik ADJTAtecw VCww ADJTAku ADJTAsu ADJTAcs ADJTAck ADJTAvv ADJDAcg "
        "ADJDAcm ADJDAcb ADJDAcn ADJTAcr ADJTAct ADJTAcik ADJTAcw VADJcr VADJvv VADJku VADJcik VADJzu "
        "VADJsu VADJck VADJcb VADJcg VADJcm VADJcn VADJcs VADJct VADJcw NAna NAno NAbeki ADV N VV Vku "
        "VCik VCr Vsu Vzu VCk VCb VCg VCm VCn VCs VCt VCw DET CONJ "
        "OTHER SUPPRESS VCb VCg Vsus Vsuse ADJDAdecb2 ADJDAdecg2 ADJDAdecm2 ADJDAdecn2 ADJRUTAcr "
        "ADJRUTAcw ADJRUTAsu ADJRUTAvv ADJTAsus ADJTAtesus ADJTAteck2 ADJTAtecr2 ADJTAtecs2 ADJTAtect2 "
        "ADJTAtecw2 ADJTAteku2 ADJTAtesu2 ADJTAtesus2 ADJTAtevv2 NAnano VADJsus NAzero ADJTAtecik2 AuxWill";
    for (std::string const& name : Words(names)) {
        POS_J_Target code{};
        EXPECT_TRUE(gTargetPOSDatabase().Lookup(name.c_str(), &code)) << name;
    }
}

TEST(NameTables, SemanticNamesUsedByNameArePresent) {
    char const* const names =
        "animate townname personname product organization state action mental_object "
        "idiom idiom1 idiom10 idiom11 idiom12human idiom2 idiom3 idiom4 idiom4way idiom5 idiom6 "
        "idiom7 idiom9 idiom_howto idiom12what idiom_issue idiom_take idiom8 idiom11_time "
        "idiom11_they idiom11_gold idiom11_trip idiom11_interest idiom12what_thing "
        "idiom12what_abstract idiom13 idiom_account idiom_board idiom_age idiom_application "
        "idiom_assignment idiom_assignment2 idiom_bone idiom_command idiom_color idiom_childhood "
        "idiom_cipher idiom_concession idiom_contract idiom_credit idiom_days idiom_decision "
        "idiom_drug idiom_feeling idiom_fire idiom_geometry idiom_good idiom_grasp "
        "idiom_guitar_string idiom_heart idiom_heat idiom_it idiom_mail idiom_make idiom_market "
        "idiom_material idiom_men idiom_money idiom_money2 idiom_month_year idiom_motion idiom_car "
        "idiom_cause idiom_conscience idiom_legal idiom_load idiom_lot idiom_objective "
        "idiom_occupation idiom_order idiom_pan idiom_paper idiom_party idiom_passport idiom_photo "
        "idiom_pitch idiom_power idiom_plan idiom_presentation idiom_promise idiom_quarter "
        "idiom_question idiom_region idiom_run idiom_runner idiom_seat idiom_scene "
        "idiom_settlement idiom_shot idiom_size idiom_situation idiom_slack idiom_soul "
        "idiom_speaker idiom_step idiom_stress idiom_strike idiom_suit idiom_surplus idiom_theme "
        "idiom_visacard_charge idiom_take_do idiom_treasurybill idiom_treaty idiom_teaching "
        "idiom_thesis idiom_threat idiom_thunder idiom_times idiom_toll idiom_xray idiom_killing "
        "idiom_golf idiom_life idiom_daily_life idiom_line idiom_medical idiom_numberluck "
        "idiom_lift idiom_meter idiom_vacation idiom_verdict idiom_volume idiom_finance "
        "idiom_idea idiom_say idiom_group idiom_prison_fine";
    for (std::string const& name : Words(names)) {
        unsigned short code = 0;
        EXPECT_TRUE(gSemanticAtomDatabase_E_Source().Lookup(name.c_str(), &code)) << name;
    }
}

// Codes with a fixed role but no name must not borrow the name of a word
// class, or the class tests would misread them (punctuation as an article).
TEST(NameTables, RoleOnlyCodesCarryNoWordClassName) {
    std::vector<POS_E_Source> codes(std::begin(kPunctuationFinePOSs), std::end(kPunctuationFinePOSs));
    codes.insert(codes.end(), {kCatNP_CommaList, kCatCommaListMember, kCatCommaListOfMembers});
    for (POS_E_Source code : codes) {
        char const* name = kE_Source_POSNames()[code];
        for (char const* prefix : {"N", "V", "ADJ", "ADV", "PREP", "ART", "CONJ", "AUX", "PP", "Q", "K-", "@"})
            EXPECT_FALSE(StartsWith(name, prefix)) << "code " << code << " is named " << name;
    }
}

}  // namespace
