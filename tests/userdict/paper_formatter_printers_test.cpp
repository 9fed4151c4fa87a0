#include "engine/userdict/paper_formatter_printers.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/foundation/pos_codes.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/userdict/paper_formatter_iterators.h"

namespace {

// The dump walks every entry, reading and paraphrase, each line indented.
TEST(PaperFormatterPrinters, DumpsTheWholeDictionary) {
    Dictionary_EX_Temporary dictionary;
    dictionary.SetID(7);
    for (char const* headword : {"walk", "run"}) {
        FinePOS_EX fp = dictionary.CreateNewEntry(headword).CreateNewFinePOS();
        fp.SetFinePOS(kCatVT01);
        fp.SetPValue(-2048);
        Paraphrase_EX pp = fp.CreateNewParaphrase();
        pp.SetCookedTranslation("{x}");
        pp.SetParaID(3);
    }
    std::ostringstream out;
    PrettyPrintDictionary(out, dictionary, 1);
    std::string const dump = out.str();

    EXPECT_EQ(dump.rfind("\tDictID = 7\n\tDictionaryDomainIDs = ()\n\tEntry 'run'\n\t\tPOS (VT01)\n", 0), 0u) << dump;
    EXPECT_NE(dump.find("\tEntry 'walk'\n"), std::string::npos);
    EXPECT_NE(dump.find("\t\tP (-2048 ==> 0.1)\n"), std::string::npos);
    EXPECT_NE(dump.find("\t\tCF to finepos # 0 of 'walk' (VT01)\n\t\t-------------\n\t\t----PP----\n"),
              std::string::npos);
    EXPECT_NE(dump.find("\t\t\tParaID (3)\n\t\t\tTranslation(c/r): '{x}' / '"), std::string::npos);
}

TEST(PaperFormatterPrinters, ForwardIteratorOverABidirectionalOne) {
    Dictionary_EX_Temporary dictionary;
    dictionary.CreateNewEntry("b");
    dictionary.CreateNewEntry("a");
    BiDir2ForwardIterator<Entry_EX> it(dictionary.GetEntryIterator_start());
    ForwardIterator<Entry_EX> copy = it;
    EXPECT_TRUE(copy == it);
    EXPECT_EQ((*it).GetSrcText(), "a");
    ++it;
    EXPECT_FALSE(copy == it);
    EXPECT_EQ((*it).GetSrcText(), "b");
    ++it;
    EXPECT_TRUE(it.IsAtEnd());
    EXPECT_EQ((*copy).GetSrcText(), "a");
    EXPECT_FALSE(it == ForwardIterator<Entry_EX>(new EmptyForwardIteratorRep_<Entry_EX>));
}

}  // namespace
