// Adding entry groups: what is stored for each kind and read back, the
// duplicate test, and the refusals that leave the file untouched.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "userdict/ud_entry_groups_helpers.h"

namespace {

std::vector<Info> OneGroupOfEachKind() {
    Info preferredNoun = Noun("child", "children");
    preferredNoun.idiomKind = Info::kIdiomPreferential;
    Info runningVerb = Verb({"run", "ran", "run", "runs", "running"}, Info::kTransitivityNotMarked, SJIS("に"));
    runningVerb.translation = SJIS("はしる");
    runningVerb.answer = SJIS("はしった");
    runningVerb.idiomKind = Info::kIdiomAlmighty;
    return {
        Adjective("delicious"),
        OneForm(Info::kAdverbGroup, "slowly", SJIS("ゆっくり")),
        preferredNoun,
        Verb({"take", "took", "taken", "takes", "taking"}),
        // Stored without particle, read back with the first one.
        Verb({"sleep", "slept", "slept", "sleeps", "sleeping"}, Info::kIntransitive, SJIS("を")),
        runningVerb,
        OneForm(Info::kConjunctionGroup, "however", SJIS("しかし")),
        OneForm(Info::kPrepositionGroup, "about", SJIS("について"), Info::kAdjectivalPreposition),
        OneForm(Info::kPrepositionGroup, "around", SJIS("について"), Info::kAdverbialPreposition),
        PrepositionalPhrase("on top of"),
    };
}

TEST(UDEntryGroupsCreate, EveryKindReadsBackAsItWasGiven) {
    std::vector<Info> const records = OneGroupOfEachKind();
    GroupDictionary d;
    for (Info const& record : records) {
        SCOPED_TRACE(record.GetBaseForm());
        UDEntryGroupIterator const created = d.groups.CreateNew(record, false);
        EXPECT_EQ(*created, record);
        EXPECT_EQ(d.groups.ExtractInfoFrom(GetCurrentEntryGroup(created)), record);
    }
    EXPECT_EQ(d.groups.GetCount(), records.size());

    // A new opening of the file finds the same groups.
    GroupDictionary reopened(d.FileBytes());
    EXPECT_EQ(reopened.groups.GetCount(), records.size());
    for (Info const& record : records) {
        UDEntryGroupIterator const found = reopened.groups.LookupMatching(record);
        ASSERT_FALSE(found.IsAtEnd()) << record.GetBaseForm();
        EXPECT_EQ(*found, record);
    }
    EXPECT_EQ(HeaderGroupCount(d.FileBytes()), records.size());
}

TEST(UDEntryGroupsCreate, EachFormIsOneEntryChainedInFormOrder) {
    Info verb = Verb({"go", "went", "", "goes", "going"});
    for (uint32_t i = 0; i < Info::kNumInflections; ++i) verb.frequencies[i] = {10 * i + 1, 10 * i + 2};
    GroupDictionary d;
    uint32_t const leader = GetCurrentEntryGroup(d.groups.CreateNew(verb, false));

    // Four entries: the empty past participle has none.
    std::vector<std::string> english;
    std::vector<std::string> pos;
    std::vector<std::pair<uint32_t, uint32_t>> frequencies;
    {
        SimpleFileLocker_READ read(&d.File());
        for (uint32_t id = leader; id != 0;) {
            ud_entry_t entry;
            ASSERT_EQ(d.File().ReadEntry(id, &entry), kUDNoError);
            english.push_back(entry.strings.english);
            pos.push_back(entry.strings.pos);
            frequencies.emplace_back(entry.batchFreq, entry.interactiveFreq);
            EXPECT_EQ(entry.strings.flags, "NY");
            EXPECT_EQ(entry.strings.particle, "wo");
            id = entry.nextID;
        }
    }
    EXPECT_EQ(english, (std::vector<std::string>{"go", "went", "goes", "going"}));
    EXPECT_EQ(pos, (std::vector<std::string>{UDPOS_VT_INF, UDPOS_VT_PAST, UDPOS_VT_3RD, UDPOS_VT_GER}));
    // Written with the pair of each form ...
    EXPECT_EQ(frequencies, (std::vector<std::pair<uint32_t, uint32_t>>{{1, 2}, {11, 12}, {31, 32}, {41, 42}}));

    // ... read back by position in the chain.
    Info const read = d.groups.ExtractInfoFrom(leader);
    std::vector<std::pair<uint32_t, uint32_t>> readPairs;
    for (auto const& pair : read.frequencies) readPairs.emplace_back(pair.batch, pair.interactive);
    EXPECT_EQ(readPairs, (std::vector<std::pair<uint32_t, uint32_t>>{{1, 2}, {11, 12}, {31, 32}, {41, 42}, {0, 0}}));
    EXPECT_EQ(read.forms[Info::kPastParticipleForm], "");
    EXPECT_EQ(HeaderGroupCount(d.FileBytes()), 1u);
}

// What goes into the strings of the first entry, by record.
TEST(UDEntryGroupsCreate, FlagsAndParticleAreStoredAsTheFileSpellsThem) {
    Info transitiveNi = Verb({"give"}, Info::kTransitive, SJIS("に"));
    Info intransitive = Verb({"sleep"}, Info::kIntransitive, "");
    Info blankIng = Verb({"take", "", "", "", "   "});
    Info almightyNoun = Noun("ox");
    almightyNoun.idiomKind = Info::kIdiomAlmighty;
    Info unknownIdiom = Noun("owl");
    unknownIdiom.idiomKind = 7;
    Info const ledByPast = Verb({"  ", "went", "gone"});

    struct Case {
        Info record;
        char const* english;
        char const* flags;
        char const* particle;
        std::string particleReadBack;
        uint32_t idiomReadBack;
    };
    Case const cases[] = {
        {transitiveNi, "give", "N", "ni", SJIS("に"), 0},
        {intransitive, "sleep", "N", "", SJIS("を"), 0},
        {blankIng, "take", "N", "wo", SJIS("を"), 0},  // 'Y' only for an -ing form that is not blank
        {almightyNoun, "ox", "A", "", "", 2},
        {unknownIdiom, "owl", "", "", "", 0},
        {ledByPast, "went", "N", "wo", SJIS("を"), 0},  // the first non-empty form leads
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.english);
        GroupDictionary d;
        UDEntryGroupIterator const created = d.groups.CreateNew(c.record, false);
        uint32_t const leader = GetCurrentEntryGroup(created);
        SimpleFileLocker_READ read(&d.File());
        ud_entry_t entry;
        ASSERT_EQ(d.File().ReadEntry(leader, &entry), kUDNoError);
        EXPECT_EQ(entry.strings.english, c.english);
        EXPECT_EQ(entry.strings.flags, c.flags);
        EXPECT_EQ(entry.strings.particle, c.particle);
        Info const back = *created;
        EXPECT_EQ(back.GetBaseForm(), c.english);
        if (back.kind == Info::kVerbGroup) {
            EXPECT_EQ(back.particle, c.particleReadBack);
        }
        EXPECT_EQ(back.idiomKind, c.idiomReadBack);
    }
}

// The duplicate test compares what would be stored: normalised forms, and
// the particle as it reads back.
TEST(UDEntryGroupsCreate, AnEqualGroupIsRefusedAndTheFileStaysByteIdentical) {
    Info const intransitive = Verb({"sleep"}, Info::kIntransitive, "");
    Info differentTranslation = Noun("book");
    differentTranslation.translation = SJIS("帳簿");
    Info preferred = Noun("book");
    preferred.idiomKind = Info::kIdiomPreferential;

    struct Case {
        char const* name;
        Info existing;
        Info added;
        bool duplicate;
    };
    Case const cases[] = {
        {"the same noun", Noun("book", "books"), Noun("book", "books"), true},
        {"a trailing space", Verb({"run"}), Verb({"run "}), true},
        {"two inner spaces", Noun("ice cream"), Noun("ice  cream"), true},
        {"leading space in a later form", Noun("book", "books"), Noun("book", " books"), true},
        {"an intransitive verb twice", intransitive, intransitive, true},
        {"an intransitive verb with another particle", intransitive, Verb({"sleep"}, Info::kIntransitive, SJIS("に")),
         true},
        {"another case", Noun("book"), Noun("Book"), false},
        {"another translation", Noun("book"), differentTranslation, false},
        {"another idiom kind", Noun("book"), preferred, false},
        {"another plural", Noun("book", "books"), Noun("book", "bookz"), false},
        {"another kind", Noun("run"), Verb({"run"}), false},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        GroupDictionary d(DictionaryWith({c.existing}));
        Bytes const before = d.FileBytes();
        unsigned short const code = RefusalCode([&] { d.groups.CreateNew(c.added, false); });
        if (c.duplicate) {
            EXPECT_EQ(code, kUDDuplicateGroup);
            EXPECT_EQ(d.FileBytes(), before);
            EXPECT_EQ(d.groups.GetCount(), 1u);
        } else {
            EXPECT_EQ(code, 0);
            EXPECT_EQ(d.groups.GetCount(), 2u);
        }
    }
}

// Each case breaks the valid noun or verb in one or more ways; the code is
// that of the first check in the documented order, and nothing is written.
TEST(UDEntryGroupsCreate, RefusalsComeInTheirOrderBeforeAnythingIsWritten) {
    auto noun = [](auto change) {
        Info record = Noun("book", "books");
        change(record);
        return record;
    };
    auto verb = [](auto change) {
        Info record = Verb({"take", "took", "taken", "takes", "taking"});
        change(record);
        return record;
    };
    std::string const nonASCII = "caf\xE9";
    std::string const longWord(80, 'w');

    struct Case {
        char const* name;
        Info record;
        unsigned short code;
    };
    Case const cases[] = {
        {"translation of spaces only", noun([](Info& r) { r.translation = " " + SJIS("　") + " "; }), 206},
        {"translation of 1,024 bytes", noun([](Info& r) { r.translation = std::string(1024, 'a'); }), 206},
        {"empty translation before bad English", noun([&](Info& r) {
             r.translation = "";
             r.forms[0] = nonASCII;
         }),
         206},
        {"translation not Shift-JIS", noun([](Info& r) { r.translation = SJIS("本") + "\x81"; }), 306},
        {"answer of 1,040 bytes", noun([](Info& r) { r.answer = std::string(1040, 'a'); }), 203},
        {"answer not Shift-JIS", noun([](Info& r) { r.answer = "\x81\x20"; }), 306},
        {"kind 0", noun([](Info& r) { r.kind = 0; }), 301},
        {"kind 8", noun([](Info& r) { r.kind = 8; }), 301},
        {"transitivity 3", verb([](Info& r) { r.transitivity = static_cast<Info::VerbTransativityType>(3); }), 301},
        {"preposition subtype 2", OneForm(Info::kPrepositionGroup, "about", SJIS("について"), 2), 301},
        {"no verb reading of the translation", verb([](Info& r) { r.translation = SJIS("本"); }), 301},
        {"an answer the menu does not offer", noun([](Info& r) { r.answer = SJIS("本"); }), 301},
        {"VT without particle", verb([](Info& r) { r.particle = ""; }), 310},
        {"V_ with a romaji particle", verb([](Info& r) {
             r.transitivity = Info::kTransitivityNotMarked;
             r.particle = "wo";
         }),
         310},
        {"non-ASCII English", noun([&](Info& r) { r.forms[0] = nonASCII; }), 311},
        {"English of 256 bytes", noun([](Info& r) { r.forms[0] = std::string(256, 'b'); }), 206},
        {"every form blank", noun([](Info& r) { r.forms[0] = r.forms[1] = "  "; }), 206},
        {"a bad -ing form", verb([&](Info& r) { r.forms[Info::kIngForm] = "tak" + nonASCII; }), 311},
        {"a long third form", verb([](Info& r) { r.forms[Info::kThirdSingularForm] = std::string(300, 't'); }), 206},
        {"a first word of 80 bytes", noun([&](Info& r) { r.forms[0] = longWord + " pie"; }), 203},
        {"a later word of 80 bytes", noun([&](Info& r) { r.forms[1] = "pies of " + longWord; }), 203},
    };
    GroupDictionary d(DictionaryWith({Noun("owl")}));
    Bytes const before = d.FileBytes();
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(RefusalCode([&] { d.groups.CreateNew(c.record, false); }), c.code);
        EXPECT_EQ(d.FileBytes(), before);
        EXPECT_EQ(d.groups.GetCount(), 1u);
    }
}

TEST(UDEntryGroupsCreate, TheLongestAcceptedTextsAreStored) {
    std::string const word79(79, 'w');
    std::string english255;
    for (int i = 0; i < 50; ++i) english255 += "word ";
    english255 += "words";
    struct Case {
        char const* name;
        Info record;
    };
    Case const cases[] = {
        {"translation of 1,023 bytes", Noun("book", "", std::string(1023, 'a'))},
        {"a word of 79 bytes", Noun(word79 + " " + word79)},
        {"English of 255 bytes", Noun(english255)},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        GroupDictionary d;
        UDEntryGroupIterator const created = d.groups.CreateNew(c.record, false);
        EXPECT_EQ(*created, c.record);
        GroupDictionary reopened(d.FileBytes());
        EXPECT_EQ(AllGroups(reopened.groups), std::vector<Info>{c.record});
    }
}

TEST(UDEntryGroupsCreate, ADictionaryWithoutWriteAccessRefusesEveryChange) {
    Bytes const bytes = DictionaryWith({Noun("book"), Noun("owl")});
    GroupDictionary d(bytes, false);
    EXPECT_TRUE(d.groups.IsReadOnly());
    UDEntryGroupIterator const book = d.groups.GetIterator_start();
    EXPECT_THROW(d.groups.CreateNew(Noun("wren"), false), FileAccessDenied);
    EXPECT_THROW(d.groups.CreateNew(Noun("book"), false), FileAccessDenied);  // before the duplicate test
    EXPECT_THROW(d.groups.UpdateEntryGroup(book, Noun("wren")), FileAccessDenied);
    EXPECT_THROW(d.groups.Erase(book), FileAccessDenied);
    EXPECT_THROW(d.groups.ClearLearningData(book), FileAccessDenied);
    EXPECT_EQ(d.FileBytes(), bytes);
    EXPECT_EQ(BaseForms(d.groups), (std::vector<std::string>{"book", "owl"}));
}

}  // namespace
