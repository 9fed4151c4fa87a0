// What format 5.0 adds to the shared reader: its count, record and feature
// layouts in real files, its header check, and the fixed idiom type.
#include <gtest/gtest.h>

#include <fcntl.h>

#include <iterator>
#include <string>
#include <vector>

#include "compiled/compiled_test_support.h"
#include "engine/compiled/compiled_dictionary_50.h"
#include "engine/compiled/compiled_iterators.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/file_errors.h"

namespace {

using compiled_test::ScratchFile;

compiled_test::FormatKit const& Format50() {
    static compiled_test::FormatKit const kit = compiled_test::Formats()[1];
    return kit;
}

Dictionary_EX CompileText50(std::string const& text, std::string const& path) {
    return compiled_test::CompileTextAs(Format50(), text, path);
}

std::string FinePOSes(int count) {
    std::string text = "entry\tmany\n";
    for (int i = 0; i < count; ++i) text += "fpos\tpos=N\tpvalue=" + std::to_string(i) + "\n";
    return text;
}

TEST(Format50ReaderTest, FinePOSCountsUpTo1023ReadBack) {
    for (int const count : {127, 128, 1023}) {
        ScratchFile file;
        Dictionary_EX const compiled = CompileText50(FinePOSes(count), file.Path());
        Entry_EX const entry = *compiled.Lookup("many", nullptr);
        EXPECT_EQ(entry.GetFinePOSCount(), static_cast<unsigned long>(count));
        EXPECT_EQ(entry.GetIthFinePOS(count - 1).GetPValue(), count - 1);
    }
    ScratchFile file;
    EXPECT_THROW(CompileText50(FinePOSes(1024), file.Path()), CorruptDictionary);
}

TEST(Format50ReaderTest, ChainLinkFollowsTheWeightsWordWhenBothAreStored) {
    struct Case {
        char const* weights;
        std::size_t size;
    };
    for (Case const c : {Case{"", 24}, Case{"technical:10", 28}}) {
        std::string const text = std::string("entry\trun\nfpos\tpos=VP\tweights=") + c.weights +
                                 "\tcfs=2.1\npara\tcooked={hashi}ru\n"
                                 "entry\truns\nfpos\tpos=VP\tbase=1.1\n";
        ScratchFile file;
        Dictionary_EX const compiled = CompileText50(text, file.Path());
        FinePOS_EX const base = (*compiled.Lookup("run", nullptr)).GetIthFinePOS(0);
        Bytes const image = compiled_test::ReadFileBytes(file.Path());
        uint32_t const at = OffsetOf(base.GetCookie());
        CompiledFinePOSRecord const record =
            DecodeFinePOSRecord(ByteView(image.data() + at, image.size() - at), kFormat50Traits);
        EXPECT_EQ(record.Size(), c.size) << c.weights;
        ASSERT_TRUE(record.hasSuccessor);
        EXPECT_EQ(GetLE32(&image[at + c.size - 4]), record.successor);
        auto chain = base.GetCFIterator_start();
        EXPECT_EQ((*++chain).GetEntry().GetSrcText(), "runs");
    }
}

TEST(Format50ReaderTest, FeatureTextsOfAHundredCharactersFillThePackedBlock) {
    std::string const longest(100, 'f');
    ScratchFile file;
    Dictionary_EX const compiled = CompileText50(
        "entry\tw\nfpos\tpos=N\tfeatures0=" + longest + "\tfeatures1=" + longest + "\tfeatures2=" + longest + "\n",
        file.Path());
    FeatureSets_E_Source const sets = (*compiled.Lookup("w", nullptr)).GetIthFinePOS(0).GetFeatureSets();
    for (unsigned i = 0; i < 3; ++i) EXPECT_EQ(sets.GetSet(i), longest);
}

// The block is read only as far as the file goes: a packed block whose
// texts run to the end of the file without their NULs is refused.
TEST(Format50ReaderTest, FeatureBlockIsTakenByItsFirstByteAndOnlyFromTheFile) {
    struct Case {
        char const* what;
        Bytes block;
        bool readable;
        char const* third;
    };
    Bytes standard(kStandardFeatureBlockSize, 0);
    standard[0] = 'a';
    standard[50] = '_';
    Case const cases[] = {
        {"packed", {0xFF, 'a', 0, 'b', 0, 'c', 0}, true, "c"},
        {"packed, last NUL missing", {0xFF, 'a', 0, 'b', 0, 'c'}, false, ""},
        {"standard slots", standard, true, "_"},
        {"standard slots cut short", Bytes(standard.begin(), standard.begin() + 60), false, ""},
    };
    for (Case const& c : cases) {
        ScratchFile file;
        Bytes image(40, 0);
        image.insert(image.end(), c.block.begin(), c.block.end());
        compiled_test::WriteFileBytes(file.Path(), image);
        CompiledFileAccess const access(open(file.Path().c_str(), O_RDONLY));
        if (!c.readable) {
            EXPECT_THROW(ReadFeatureSets(access, 40, kFormat50Traits), CorruptDictionary) << c.what;
            continue;
        }
        EXPECT_EQ(std::string(ReadFeatureSets(access, 40, kFormat50Traits).GetSet(2)), c.third) << c.what;
    }
}

TEST(Format50ReaderTest, ChecksTheMagicTextOnlyAsFarAsItsLength) {
    ScratchFile file;
    compiled_test::CompileAs(Format50(), DictionaryFromText("entry\tw\nfpos\tpos=N\n"), file.Path());
    Bytes image = compiled_test::ReadFileBytes(file.Path());
    std::fill(image.begin() + kMagicTextLength, image.begin() + kMagicFieldSize, 'x');
    compiled_test::WriteFileBytes(file.Path(), image);
    EXPECT_EQ((*compiled_test::OpenAs(Format50(), file.Path()).Lookup("w", nullptr)).GetSrcText(), "w");
}

TEST(Format50ReaderTest, EachReaderRefusesTheOtherFormat) {
    for (compiled_test::FormatKit const& written : compiled_test::Formats()) {
        for (compiled_test::FormatKit const& reader : compiled_test::Formats()) {
            if (written.traits == reader.traits) continue;
            ScratchFile file;
            compiled_test::CompileAs(written, DictionaryFromText("entry\tw\nfpos\tpos=N\n"), file.Path());
            EXPECT_THROW(compiled_test::OpenAs(reader, file.Path()), CorruptDictionary) << written.name;
        }
    }
}

TEST(Format50ReaderTest, FixedIdiomTypeRaisesAlmightyIdioms) {
    struct Case {
        int pos;
        int idiom;
        int pValue;
        IdiomType reported;
        int reportedPValue;
    };
    Case const cases[] = {
        {3, 4, 100, eIdiomQuasiAlmighty, 8292},
        {7, 4, 0, eIdiomQuasiAlmighty, 8192},
        {22, 4, -100, eIdiomQuasiAlmighty, 8092},
        {31, 4, 0, eIdiomQuasiAlmighty, 8192},
        {51, 4, 0, eIdiomQuasiAlmighty, 8192},
        {54, 4, 0, eIdiomQuasiAlmighty, 8192},
        {2, 4, 0, eIdiomPreferential, 8192},
        {8, 4, 0, eIdiomPreferential, 8192},
        {50, 4, 0, eIdiomPreferential, 8192},
        {55, 4, 0, eIdiomPreferential, 8192},
        {22, 4, 30000, eIdiomQuasiAlmighty, 32767},  // held at the top, not wrapped
        {22, 4, -32768, eIdiomQuasiAlmighty, -24576},
        {22, 3, 30000, eIdiomQuasiAlmighty, 30000},  // only almighty idioms change
        {8, 2, 5, eIdiomPreferredPOS, 5},
    };
    std::string text;
    for (std::size_t i = 0; i < std::size(cases); ++i)
        text += "entry\tw" + std::to_string(i) + "\nfpos\tpos=#" + std::to_string(cases[i].pos) +
                "\tidiom=" + std::to_string(cases[i].idiom) + "\tpvalue=" + std::to_string(cases[i].pValue) + "\n";
    ScratchFile file;
    Dictionary_EX const compiled = CompileText50(text, file.Path());
    auto* misc = compiled.GetNamedInterfaceOf<Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_>();
    ASSERT_NE(misc, nullptr);
    misc->SetFixedPValue(100);
    EXPECT_EQ(misc->GetFixedPValue(), Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_::kNoFixedPValue);

    for (bool const fixed : {false, true}) {
        misc->SetFixedIdiomType(fixed);
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            Case const& c = cases[i];
            FinePOS_EX const fp = (*compiled.Lookup("w" + std::to_string(i), nullptr)).GetIthFinePOS(0);
            EXPECT_EQ(fp.GetIdiomType(), fixed ? c.reported : static_cast<IdiomType>(c.idiom)) << i << " " << fixed;
            EXPECT_EQ(fp.GetPValue(), fixed ? c.reportedPValue : c.pValue) << i << " " << fixed;
        }
    }
}

}  // namespace
