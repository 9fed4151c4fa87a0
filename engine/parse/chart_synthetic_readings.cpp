// Readings made at run time for what no dictionary lists: hyphen and
// capital sequences, numbers, years, clock values, telephone numbers,
// internet names, identifiers, initials, words in capitals and unknown words.
#include "engine/compiled/missing_word_entries.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

void ParseChartCreator::MakeHyphenSeqs(std::vector<PreparsedWord> const&) {}
void ParseChartCreator::HandleSenses(Dictionary_EX) {}
void ParseChartCreator::MakeHyphenSequenceEntries(PreparseSense const&, Dictionary_EX) {}
void ParseChartCreator::MakeNumericHyphenSequenceEntries(PreparseSense const&, Dictionary_EX) {}
void ParseChartCreator::MakeOneHyphenSequenceEntryAndPutIntoChart(PreparseSense const&, char const*, Dictionary_EX) {}
void ParseChartCreator::CreateAllCapWordEntries(std::vector<PreparsedWord>&, Dictionary_EX) {}
uint16_t ParseChartCreator::GenerateMissingWordEntries(std::vector<PreparsedWord>&, Dictionary_EX, Dictionary_EX) {
    return 0;
}
bool ParseChartCreator::CreateInitialSequenceEntries(PreparsedWord const&, int, PreparsedWord const*, Dictionary_EX) {
    return false;
}
bool ParseChartCreator::CreateNumericEntries(PreparsedWord const&, int, Dictionary_EX) { return false; }
bool ParseChartCreator::CreateInternetName(PreparsedWord const&, int, Dictionary_EX) { return false; }
bool ParseChartCreator::CreatePhoneNumber(PreparsedWord const&, int, Dictionary_EX) { return false; }
bool ParseChartCreator::CreateIdentifier(PreparsedWord const&, int, Dictionary_EX) { return false; }
void ParseChartCreator::CreateUppercaseTemporaryEntries(PreparsedWord const&, int, Dictionary_EX) {}

Paraphrase_EX CreateParaphraseInTempDict(Dictionary_EX dictionary, std::string const& headword,
                                         std::string const& japanese, char const* posName) {
    Entry_EX entry = MakeOrCreateEntry(dictionary, headword);
    FinePOS_EX fp = entry.CreateNewFinePOS();
    Paraphrase_EX paraphrase = fp.CreateNewParaphrase();
    SetFinePOSAndParaphraseFromMWTable(fp, paraphrase, headword.c_str(), japanese.c_str(), posName);
    return paraphrase;
}
void DoctorPValueForSynthesizedMultiWordEntries(FinePOS_EX, int) {}
