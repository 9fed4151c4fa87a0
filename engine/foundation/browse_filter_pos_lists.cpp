#include "engine/foundation/browse_filter_pos_lists.h"

#include "engine/foundation/pos_codes.h"
#include "engine/foundation/string_utils.h"

namespace {

// The list ends with "YET": that is the name the part-of-speech table holds.
wchar_t const* const kViewablePOSs[] = {
    L"ABOUT", L"ADJ", L"ADJ01", L"ADJ01b", L"ADJ01c", L"ADJ02", L"ADJ03", L"ADJ04", L"ADJ05", L"ADJ06",
    L"ADJ07", L"ADJ08", L"ADJ09", L"ADJ10", L"ADJ11", L"ADJ12", L"ADJONLY", L"ADJONLY2", L"ADJb", L"ADV",
    L"ADV01", L"ADV02", L"ADV03", L"ADV04", L"ALBEIT", L"ALL", L"ART", L"AUX", L"AUXCAN", L"AUXMAY",
    L"AUXMUST", L"AUXXCAN", L"AUXXMAY", L"AUXXMUST", L"AUXYCAN", L"AUXYMAY", L"AUXYMUST", L"AUXZCAN", L"Ago",
    L"AnnoDomini", L"BE", L"BE1", L"BOTH", L"BOTH2", L"BUT", L"CONJ", L"CONJ2", L"CONJWHETHER", L"CONJafter",
    L"CONJas", L"CONJbefore", L"CONJfin", L"CONJini", L"CONJinitial", L"CONJso", L"CONJthat", L"CONJwhen",
    L"CONJwherefrom", L"CONJwhereto", L"EARLY", L"EITHER", L"ENDTITLE", L"ENDTITLE3", L"ENDTITLEHuman",
    L"ENDTITLEInc", L"ENOUGH", L"ETC", L"EVENIF", L"EVERY", L"EVERYfew", L"FIRST", L"FRACTION", L"FRACTIONS",
    L"FRACTIONShundred", L"FRACTIONSmillion", L"FRACTIONSthousand", L"FRACTIONhalf", L"FRACTIONhundred",
    L"FRACTIONmillion", L"FRACTIONthousand", L"GOINGTO", L"HADBETTER", L"HAVETO", L"HELLO", L"HERE", L"HERE2",
    L"HOW", L"HOW2much", L"HOWABOUT1", L"HOWTO", L"IF", L"IFONLY", L"INTERJ", L"INTERJ2", L"INTERJ3",
    L"INTERJhey", L"In_Order", L"LAST", L"LEGALWHEREAS", L"LOC", L"LOC1", L"LetUs", L"MATHSYMBOL",
    L"MATHSYMBOL2", L"MEASUREUNIT", L"MEASUREUNITnoun", L"MORE", L"Much", L"Much2", L"N", L"N'", L"N1", L"N2",
    L"N2'", L"NAMELY", L"NCOMP", L"NEG-ADV", L"NEG-DET", L"NEG-DET-ALL", L"NEG-PRN", L"NEG-PRN-ALL",
    L"NEITHER", L"NP", L"NP'", L"NPPOS1", L"NTIMES3", L"NUMBER", L"NUMBER1", L"NUMBER20_90",
    L"NUMBER20_90/1_9", L"NUMBER2_9", L"NUMBER_MILLION", L"NUMBER_QUADRILLION", L"NUMBERapprox",
    L"NUMBERzero", L"N_number", L"Next", L"Not", L"Nwhen", L"Nwhere", L"OR", L"ORDINAL", L"OVER", L"PLEASE",
    L"POSTSCRIPT", L"PP", L"PREP", L"PREP2", L"PREP3", L"PREP4", L"PREP5", L"PREP6", L"PREPcum", L"PRN",
    L"PRN2", L"QSwh", L"QUADJ", L"RATHER", L"RATHERTHAN", L"RCOMP1Human", L"RCOMP1Nonhuman", L"RCOMP2Human",
    L"RCOMP2Nonhuman", L"RCOMP4", L"RCOMP4when", L"RCOMP4where", L"RCOMP4whereof", L"RCOMP5", L"RCOMP5C",
    L"RCOMP5CHuman", L"RCOMP5Humanacc", L"RCOMP6how", L"RCOMP6when", L"RCOMP6where", L"RCOMP6why", L"RCOMP7",
    L"RESPECTIVELY", L"SAE", L"SAKE", L"SALUTE", L"SCONJ", L"SEASON", L"SECOND", L"STREET", L"SUCH", L"THAN",
    L"THEN", L"THERE", L"THEREFORE", L"THEREFORE2", L"THIS", L"THOUGH", L"TIME", L"TIMES1", L"TIMES2",
    L"TIMES3", L"TIMEadv", L"TITLE2Human", L"TITLE2Place", L"TITLE2b", L"TITLEHumanpl", L"TITLEInc",
    L"TITLENumber", L"TITLEPlace", L"TITLEyearpl", L"TITLEyearsg", L"TO", L"Too", L"VERSUS", L"VI01", L"VI03",
    L"VI03a", L"VI03b", L"VI03come", L"VI04", L"VI04a", L"VI04b", L"VI04c", L"VI05", L"VI06", L"VI06b",
    L"VI07", L"VI08", L"VI08used", L"VI10", L"VI10b", L"VI12a", L"VI12b", L"VI13", L"VI14", L"VI15", L"VI15b",
    L"VI16", L"VI17", L"VI18", L"VI19", L"VI20", L"VI21", L"VICEVERSA", L"VP", L"VP2", L"VT01", L"VT01d",
    L"VT01e", L"VT01mean", L"VT02", L"VT02b", L"VT02c", L"VT02d", L"VT03", L"VT03b", L"VT03d", L"VT03e",
    L"VT03f", L"VT04b", L"VT04c", L"VT04d", L"VT04e", L"VT05", L"VT05b", L"VT05c", L"VT05d", L"VT05e",
    L"VT06", L"VT06b", L"VT07", L"VT07a", L"VT07b", L"VT07c", L"VT07d", L"VT07f", L"VT07g", L"VT08a",
    L"VT08b", L"VT08c", L"VT09", L"VT10", L"VT11", L"VT12", L"VT13", L"VT14", L"VT14b", L"VT15", L"VT16",
    L"VT16a", L"VT16b", L"VT16c", L"VT16e", L"VT17a", L"VT17b", L"VT17c", L"VT18", L"VT19", L"VT20", L"VT21",
    L"VT21a", L"VT21b", L"VT22", L"VT25", L"VT25b", L"VT26", L"VT28", L"VT29", L"VT30", L"VT30b", L"VT31",
    L"VT31b", L"VT32", L"VT33", L"VT34", L"Very", L"WANTED", L"WELCOMETO", L"WHAT", L"WHENEVER",
    L"WHENEVERwhere", L"WHEREAS", L"WHICHEVERAdj", L"WHOEVERAcc", L"WHOEVERNom", L"WHOSE", L"WHQ", L"WHQADJ",
    L"WHQADJwhere", L"WHQADV", L"WHQADV2", L"WHQADVP", L"WHQADVwhy", L"WHQART", L"WHQPOSS", L"WOULDRATHER",
    L"WOULDRATHER2", L"XCO", L"XCONJ", L"YES", L"YET",
     nullptr,
};

POS_E_Source const kPOSsWithoutWordLimit[] = {kCatN, kCatPRN};

}  // namespace

std::set<std::wstring> const& kViewablePOSSet() {
     static StringSetWithNiceInitializer const set(kViewablePOSs);
     return set;
}

std::set<POS_E_Source> const& kNoWordLimitPOSSet() {
     static std::set<POS_E_Source> const set(std::begin(kPOSsWithoutWordLimit), std::end(kPOSsWithoutWordLimit));
     return set;
}
