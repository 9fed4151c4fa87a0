// The dictionary facade on user dictionaries: opening and creating files,
// words of every kind in and out through the records, changing, erasing,
// numbering and the write lock.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cp932.h"
#include "engine/foundation/file_errors.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/corvan_dict_state.h"
#include "support/scratch_folder.h"

namespace {

// One user word with every field any record carries; the fields of other
// kinds stay empty.
struct Word {
    short kind = 0;
    std::string genkei;
    std::string yakugo;
    std::string plural;
    JITA_status jita = eJitaNotSpecified;
    std::string past, participle, third, ing, japanesePast, joshi;
    std::string sourceVerb;
    std::string youhou;

    std::string Describe() const {
        std::ostringstream out;
        out << kind << '|' << genkei << '|' << yakugo << '|' << plural << '|' << jita << '|' << past << '|'
            << participle << '|' << third << '|' << ing << '|' << japanesePast << '|' << joshi << '|' << sourceVerb
            << '|' << youhou;
        return out.str();
    }
};

Word Noun(char const* genkei, char const* yakugo, char const* plural = "") {
    Word word;
    word.kind = eUserWordNoun;
    word.genkei = genkei;
    word.yakugo = CP932(yakugo);
    word.plural = plural;
    return word;
}

Word Verb(JITA_status jita, std::vector<char const*> forms, char const* yakugo, char const* japanesePast,
          char const* joshi) {
    forms.resize(5, "");
    Word word;
    word.kind = eUserWordVerb;
    word.jita = jita;
    word.genkei = forms[0];
    word.past = forms[1];
    word.participle = forms[2];
    word.third = forms[3];
    word.ing = forms[4];
    word.yakugo = CP932(yakugo);
    word.japanesePast = CP932(japanesePast);
    word.joshi = CP932(joshi);
    return word;
}

// Adverbs, conjunctions, adjectives and prepositional phrases (source verb),
// prepositions (usage).
Word Other(short kind, char const* genkei, char const* yakugo, std::string const& extra = "") {
    Word word;
    word.kind = kind;
    word.genkei = genkei;
    word.yakugo = CP932(yakugo);
    if (kind == eUserWordAdjective || kind == eUserWordPrepPhrase) word.sourceVerb = CP932(extra);
    if (kind == eUserWordPreposition) word.youhou = extra;
    return word;
}

short Add(Word const& word, short n = 0) {
    switch (word.kind) {
        case eUserWordNoun: {
            CorvanUserNoun record;
            record.SetGenkei(word.genkei.c_str());
            record.SetFukusuukei(word.plural.c_str());
            record.SetYakugo(word.yakugo.c_str());
            return gCorvanEngine.AddUserNoun(n, &record, 1);
        }
        case eUserWordVerb: {
            CorvanUserVerb record;
            record.SetGenkei(word.genkei.c_str());
            record.SetKakokei(word.past.c_str());
            record.SetKakobunshi(word.participle.c_str());
            record.SetSannin(word.third.c_str());
            record.SetIngkei(word.ing.c_str());
            record.SetJiTadoushi(word.jita);
            record.SetYakugo(word.yakugo.c_str());
            record.SetYakugoKakokei(word.japanesePast.c_str());
            record.SetJoshi(word.joshi.c_str());
            return gCorvanEngine.AddUserVerb(n, &record, 1);
        }
        case eUserWordAdjective:
        case eUserWordPrepPhrase: {
            CorvanUserAdj record;
            record.SetGenkei(word.genkei.c_str());
            record.SetYakugo(word.yakugo.c_str());
            record.SetMotoninaruDoushi(word.sourceVerb.c_str());
            return word.kind == eUserWordAdjective ? gCorvanEngine.AddUserAdj(n, &record, 1)
                                                   : gCorvanEngine.AddUserPPhrase(n, &record, 1);
        }
        case eUserWordAdverb:
        case eUserWordConjunction: {
            CorvanUserAdv record;
            record.SetGenkei(word.genkei.c_str());
            record.SetYakugo(word.yakugo.c_str());
            return word.kind == eUserWordAdverb ? gCorvanEngine.AddUserAdv(n, &record, 1)
                                                : gCorvanEngine.AddUserConj(n, &record, 1);
        }
        case eUserWordPreposition: {
            CorvanUserPrepos record;
            record.SetGenkei(word.genkei.c_str());
            record.SetYakugo(word.yakugo.c_str());
            record.SetYouhou(word.youhou.c_str());
            return gCorvanEngine.AddUserPrepos(n, &record, 1);
        }
        default:
            throw std::logic_error("no such kind");
    }
}

// Entry group i read back through ReadUser* of its kind, which must answer 1.
Word Read(short n, unsigned long i, short kind) {
    Word word;
    word.kind = kind;
    short result = 0;
    switch (kind) {
        case eUserWordNoun: {
            CorvanUserNoun record;
            result = gCorvanEngine.ReadUserNoun(n, i, &record);
            word.genkei = record.GetGenkei();
            word.yakugo = record.GetYakugo();
            word.plural = record.GetFukusuukei();
            break;
        }
        case eUserWordVerb: {
            CorvanUserVerb record;
            result = gCorvanEngine.ReadUserVerb(n, i, &record);
            word.genkei = record.GetGenkei();
            word.yakugo = record.GetYakugo();
            word.jita = record.GetJiTadoushi();
            word.past = record.GetKakokei();
            word.participle = record.GetKakobunshi();
            word.third = record.GetSannin();
            word.ing = record.GetIngkei();
            word.japanesePast = record.GetYakugoKakokei();
            word.joshi = record.GetJoshi();
            break;
        }
        case eUserWordAdjective:
        case eUserWordPrepPhrase: {
            CorvanUserAdj record;
            result = kind == eUserWordAdjective ? gCorvanEngine.ReadUserAdj(n, i, &record)
                                                : gCorvanEngine.ReadUserPPhrase(n, i, &record);
            word.genkei = record.GetGenkei();
            word.yakugo = record.GetYakugo();
            word.sourceVerb = record.GetMotoninaruDoushi();
            break;
        }
        case eUserWordAdverb:
        case eUserWordConjunction: {
            CorvanUserAdv record;
            result = kind == eUserWordAdverb ? gCorvanEngine.ReadUserAdv(n, i, &record)
                                             : gCorvanEngine.ReadUserConj(n, i, &record);
            word.genkei = record.GetGenkei();
            word.yakugo = record.GetYakugo();
            break;
        }
        case eUserWordPreposition: {
            CorvanUserPrepos record;
            result = gCorvanEngine.ReadUserPrepos(n, i, &record);
            word.genkei = record.GetGenkei();
            word.yakugo = record.GetYakugo();
            word.youhou = record.GetYouhou();
            break;
        }
        default:
            ADD_FAILURE() << "kind " << kind;
    }
    EXPECT_EQ(result, 1) << "entry " << i;
    return word;
}

// Every entry of user dictionary n, read through GetSimpleUserWord (which
// must agree with the record) and the record of its kind.
std::vector<Word> ReadAll(short n = 0) {
    std::vector<Word> words;
    unsigned long const count = gCorvanEngine.CountUserDictEntry(n);
    for (unsigned long i = 0; i < count; ++i) {
        char word[kUserWordFieldSize];
        char japanese[kUserWordFieldSize];
        short kind = 0;
        EXPECT_TRUE(gCorvanEngine.GetSimpleUserWord(n, i, word, sizeof word, &kind, japanese, sizeof japanese));
        words.push_back(Read(n, i, kind));
        EXPECT_EQ(words.back().genkei, word);
        EXPECT_EQ(words.back().yakugo, japanese);
    }
    return words;
}

std::vector<std::string> Sorted(std::vector<Word> const& words) {
    std::vector<std::string> described;
    for (Word const& word : words) described.push_back(word.Describe());
    std::sort(described.begin(), described.end());
    return described;
}

class CorvanDictIFTest : public ::testing::Test {
protected:
    void SetUp() override { gCorvanEngine.RemoveAllDict(); }
    void TearDown() override { gCorvanEngine.RemoveAllDict(); }

    // The dictionary at fPath with the words, closed again.
    void MakeDictionaryWith(std::vector<Word> const& words) {
        ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
        for (Word const& word : words) ASSERT_EQ(Add(word), kUserWordAdded) << word.Describe();
        gCorvanEngine.RemoveAllDict();
    }

    ScratchFolder fFolder{"corvan_dict_if_test"};
    std::string const fDir = fFolder.Path();
    std::string const fPath = fFolder / "user.dic";
};

// Every kind and transitivity, one word each.
std::vector<Word> EveryKind() {
    return {
        Noun("book", "本", "books"),
        Noun("furniture", "家具"),
        Verb(eJitaNotSpecified, {"write", "wrote", "written", "writes", "writing"}, "書く", "書いた", "に"),
        Verb(eJitaTransitive, {"take", "took", "taken", "takes", "taking"}, "取る", "", "を"),
        // An intransitive verb's particle is "を" as the converter sets it
        // (the file stores none and reads back the first particle).
        Verb(eJitaIntransitive, {"go", "went", "gone", "goes", "going"}, "行く", "", "を"),
        Verb(eJitaTransitive, {"study"}, "勉強する", "勉強した", "で"),
        Other(eUserWordAdjective, "tasty", "おいしい"),
        Other(eUserWordAdjective, "cool", "格好いい"),
        Other(eUserWordAdverb, "slowly", "ゆっくり"),
        Other(eUserWordPreposition, "around", "について", YouhouFukushi),
        Other(eUserWordPreposition, "about", "について", YouhouKeiyoushi),
        Other(eUserWordConjunction, "however", "しかし"),
        Other(eUserWordPrepPhrase, "on the table", "の上で"),
    };
}

}  // namespace

TEST_F(CorvanDictIFTest, EveryKindReadsBackAsItWasAdded) {
    std::vector<Word> const words = EveryKind();
    MakeDictionaryWith(words);
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
    ASSERT_EQ(gCorvanEngine.CountUserDictEntry(0), words.size());
    EXPECT_EQ(Sorted(ReadAll()), Sorted(words));
}

TEST_F(CorvanDictIFTest, AddResultsTellWhyAWordWasRefused) {
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
    struct Case {
        char const* name;
        Word word;
        short result;
    };
    Case const cases[] = {
        {"new noun", Noun("book", "本"), kUserWordAdded},
        {"the same noun again", Noun("book", "本"), kUserWordAlreadyRegistered},
        {"same headword, other translation", Noun("book", "帳簿"), kUserWordAdded},
        {"English not ASCII", Noun("b\x82\xa0k", "本"), kUserWordNonASCIIEnglish},
        {"empty translation", Noun("pen", ""), kUserWordRefused},
        {"transitive verb without particle", Verb(eJitaTransitive, {"hold"}, "取る", "", ""), kUserWordRefused},
        {"verb translation with no verb ending", Verb(eJitaIntransitive, {"sit"}, "本", "", ""), kUserWordRefused},
    };
    for (Case const& c : cases) EXPECT_EQ(Add(c.word), c.result) << c.name;
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), 2u);
}

TEST_F(CorvanDictIFTest, AddUserDictCreatesOnlyMissingFilesAndReportsHowItOpened) {
    // A missing file asked read-only is not created.
    EXPECT_EQ(gCorvanEngine.AddUserDict(fPath, true), kUserDictOpenFailed);
    EXPECT_NE(access(fPath.c_str(), F_OK), 0);
    EXPECT_THROW(gCorvanEngine.CountUserDictEntry(0), std::out_of_range) << "nothing was listed";

    // A missing file asked read-write is created as an empty dictionary.
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), 0u);
    ASSERT_EQ(Add(Noun("book", "本")), kUserWordAdded);
    gCorvanEngine.RemoveAllDict();

    // An existing dictionary is opened as it is, never emptied.
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), 1u);
    gCorvanEngine.RemoveAllDict();

    // Asked read-only: 1, and nothing can be added.
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, true), kUserDictOpenedReadOnly);
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), 1u);
    EXPECT_THROW(Add(Noun("pen", "ペン")), FileAccessDenied);
    gCorvanEngine.RemoveAllDict();
}

TEST_F(CorvanDictIFTest, AddUserDictAnswersReadOnlyWhenOnlyReadingIsAllowed) {
    MakeDictionaryWith({Noun("book", "本")});
    ASSERT_EQ(chmod(fDir.c_str(), 0755), 0);
    ASSERT_EQ(chmod(fPath.c_str(), 0444), 0);
    // In a child process, as a user without write access (root may write
    // to any file).
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && setuid(65534) != 0) _exit(99);
            short const opened = gCorvanEngine.AddUserDict(fPath, false);
            bool const counted = opened != kUserDictOpenFailed && gCorvanEngine.CountUserDictEntry(0) == 1;
            _exit(counted ? 10 + opened : 98);
        },
        ::testing::ExitedWithCode(10 + kUserDictOpenedReadOnly), "");
    EXPECT_EQ(chmod(fPath.c_str(), 0644), 0);
}

TEST_F(CorvanDictIFTest, AddUserDictFailuresLeaveFilesAndListsAlone) {
    std::string const garbagePath = fDir + "/garbage.dic";
    std::string const garbage(600, 'g');
    {
        std::ofstream out(garbagePath, std::ios::binary);
        out << garbage;
    }
    std::string const cases[] = {garbagePath, fDir + "/no such directory/user.dic", garbagePath + "/user.dic", ""};
    for (std::string const& path : cases) {
        EXPECT_EQ(gCorvanEngine.AddUserDict(path, false), kUserDictOpenFailed) << path;
        EXPECT_THROW(gCorvanEngine.CountUserDictEntry(0), std::out_of_range) << path;
        std::string name;
        EXPECT_EQ(gCorvanEngine.GetDictFileName(0, &name), 0) << path;
    }
    EXPECT_EQ(ReadWholeFile(garbagePath), garbage) << "a file that is no dictionary is left as it was";
}

// Block n of a file's bytes, and its kind in the low 4 bits of its first
// (big-endian) word.
std::size_t BlockAt(uint32_t n) { return 512 + std::size_t{64} * n; }
uint32_t BigEndianAt(std::string const& bytes, std::size_t at) {
    uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i) word = word << 8 | static_cast<unsigned char>(bytes[at + i]);
    return word;
}

// The first entry head whose text goes on in a continuation block.
uint32_t FirstHeadWithAContinuation(std::string const& bytes) {
    uint32_t const blockCount = BigEndianAt(bytes, BlockAt(0));
    for (uint32_t n = 1; n < blockCount; ++n) {
        if ((BigEndianAt(bytes, BlockAt(n)) & 0xF) == 2 && BigEndianAt(bytes, BlockAt(n) + 4) != 0) return n;
    }
    return 0;
}

// Blocks no writer leaves make a dictionary that is refused for writing and
// left byte for byte, while reading it still serves what it can; what an
// interrupted writer leaves (no valid map and index) opens and is mended.
TEST_F(CorvanDictIFTest, ADamagedDictionaryIsNeverWrittenTo) {
    MakeDictionaryWith({Noun("book", "本"), Noun("pen", std::string(40, 'a').c_str()), Noun("cup", "カップ")});
    std::string const whole = ReadWholeFile(fPath);
    uint32_t const head = FirstHeadWithAContinuation(whole);
    ASSERT_NE(head, 0u);
    uint32_t const continuation = BigEndianAt(whole, BlockAt(head) + 4);
    struct Case {
        char const* what;
        std::size_t at;  // the byte changed
        char value;
        bool damaged;
    };
    Case const cases[] = {
        {"a block of no kind", BlockAt(continuation) + 3, 7, true},
        {"a continuation marked free", BlockAt(continuation) + 3, 1, true},
        {"a link past the last block", BlockAt(head) + 4, char(0x7F), true},
        {"no valid map or index", 12, 0, false},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        std::string bytes = whole;
        bytes[c.at] = c.value;
        if (!c.damaged) std::fill_n(bytes.begin() + 12, 8, '\0');  // header words 12 and 16
        std::ofstream(fPath, std::ios::binary | std::ios::trunc) << bytes;
        if (c.damaged) {
            EXPECT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictDamaged);
            EXPECT_THROW(gCorvanEngine.CountUserDictEntry(0), std::out_of_range);
            EXPECT_TRUE(ReadWholeFile(fPath) == bytes);
            EXPECT_EQ(gCorvanEngine.AddUserDict(fPath, true), kUserDictOpenedReadOnly);
            EXPECT_GE(gCorvanEngine.CountUserDictEntry(0), 2u);
            EXPECT_EQ(Add(Noun("ink", "インク")), kUserWordRefused);
        } else {
            EXPECT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
            EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), 3u);
            EXPECT_EQ(Add(Noun("ink", "インク")), kUserWordAdded);
        }
        gCorvanEngine.RemoveAllDict();
        if (c.damaged) {
            EXPECT_TRUE(ReadWholeFile(fPath) == bytes) << "the file was written";
        }
    }
}

TEST_F(CorvanDictIFTest, UserDictionariesAreNumberedInOpeningOrderUntilAllAreRemoved) {
    std::string const otherPath = fDir + "/other.dic";
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
    ASSERT_EQ(gCorvanEngine.AddUserDict(otherPath, false), kUserDictOpenedReadWrite);
    ASSERT_EQ(Add(Noun("book", "本"), 1), kUserWordAdded);
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), 0u);
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(1), 1u);

    std::string name = "old";
    EXPECT_EQ(gCorvanEngine.GetDictFileName(1, &name), 1);
    EXPECT_EQ(name, "");
    EXPECT_EQ(gCorvanEngine.GetDictFileName(2, &name), 0);
    EXPECT_EQ(gCorvanEngine.GetDictFileName(-1, &name), 0);
    EXPECT_THROW(gCorvanEngine.CountUserDictEntry(2), std::out_of_range);
    EXPECT_THROW(gCorvanEngine.CountUserDictEntry(-1), std::out_of_range);
    EXPECT_THROW(Add(Noun("pen", "ペン"), 2), std::out_of_range);

    gCorvanEngine.RemoveAllDict();
    EXPECT_THROW(gCorvanEngine.CountUserDictEntry(0), std::out_of_range);
    char word[kUserWordFieldSize];
    char japanese[kUserWordFieldSize];
    short kind = 0;
    EXPECT_FALSE(gCorvanEngine.GetSimpleUserWord(0, 0, word, sizeof word, &kind, japanese, sizeof japanese));
    EXPECT_EQ(gCorvanEngine.GetDictFileName(0, &name), 0);

    // Numbering starts again at 0.
    ASSERT_EQ(gCorvanEngine.AddUserDict(otherPath, false), kUserDictOpenedReadWrite);
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), 1u);
}

TEST_F(CorvanDictIFTest, AnIndexAtOrPastTheCountFindsNoEntry) {
    MakeDictionaryWith({Noun("book", "本"), Noun("pen", "ペン")});
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
    CorvanUserNoun noun;
    noun.SetGenkei("cup");
    noun.SetYakugo(CP932("カップ").c_str());
    for (unsigned long i : {2ul, 3ul, 1000000ul}) {
        SCOPED_TRACE(i);
        char word[kUserWordFieldSize] = "";
        char japanese[kUserWordFieldSize] = "";
        short kind = 0;
        EXPECT_FALSE(gCorvanEngine.GetSimpleUserWord(0, i, word, sizeof word, &kind, japanese, sizeof japanese));
        EXPECT_THROW(gCorvanEngine.ReadUserNoun(0, i, &noun), std::out_of_range);
        EXPECT_EQ(gCorvanEngine.ModUserNoun(0, i, &noun), 0);
        EXPECT_EQ(gCorvanEngine.DelUserItem(0, i), 0);
    }
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), 2u);
}

TEST_F(CorvanDictIFTest, EntriesAreReplacedAndErasedByIndex) {
    MakeDictionaryWith({Noun("apple", "りんご"), Noun("book", "本"), Noun("cup", "カップ")});
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);

    // The groups are in English order: book is entry 1.
    CorvanUserPrepos preposition;
    preposition.SetGenkei("beside");
    preposition.SetYakugo(CP932("のそばに").c_str());
    preposition.SetYouhou(YouhouKeiyoushi);
    EXPECT_EQ(gCorvanEngine.ModUserPrepos(0, 1, &preposition), 1);
    EXPECT_EQ(Sorted(ReadAll()), Sorted({Noun("apple", "りんご"), Noun("cup", "カップ"),
                                         Other(eUserWordPreposition, "beside", "のそばに", YouhouKeiyoushi)}));

    EXPECT_EQ(gCorvanEngine.DelUserItem(0, 0), 1);
    EXPECT_EQ(Sorted(ReadAll()),
              Sorted({Noun("cup", "カップ"), Other(eUserWordPreposition, "beside", "のそばに", YouhouKeiyoushi)}));

    // A replacement the dictionary refuses leaves the entry.
    CorvanUserNoun empty;
    empty.SetGenkei("cup");
    EXPECT_EQ(gCorvanEngine.ModUserNoun(0, 1, &empty), 0);
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), 2u);
}

TEST_F(CorvanDictIFTest, StoredTextsLongerThanAFieldAreCutAndReported) {
    // A translation of 1,023 bytes is valid in the file; the records hold 255.
    std::string const kanji = CP932("本");
    std::string longTranslation = "a";
    for (int i = 0; i < 511; ++i) longTranslation += kanji;
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
    UDEntryGroupInfo_EX group;
    group.Set_Noun("furniture", "");
    group.translation = longTranslation;
    UserDictAt(0).GetGroups().CreateNew(group, false);

    CorvanUserNoun noun;
    EXPECT_EQ(gCorvanEngine.ReadUserNoun(0, 0, &noun), 0);
    EXPECT_STREQ(noun.GetGenkei(), "furniture");
    EXPECT_EQ(noun.GetYakugo(), longTranslation.substr(0, 255));

    char word[kUserWordFieldSize];
    char japanese[kUserWordFieldSize];
    short kind = 0;
    ASSERT_TRUE(gCorvanEngine.GetSimpleUserWord(0, 0, word, sizeof word, &kind, japanese, sizeof japanese));
    EXPECT_EQ(kind, eUserWordNoun);
    EXPECT_EQ(japanese, longTranslation.substr(0, 255));

    // Small buffers are filled to their size, between characters.
    char shortWord[5];
    char shortJapanese[5];
    ASSERT_TRUE(
        gCorvanEngine.GetSimpleUserWord(0, 0, shortWord, sizeof shortWord, &kind, shortJapanese, sizeof shortJapanese));
    EXPECT_STREQ(shortWord, "furn");
    EXPECT_EQ(std::string(shortJapanese), "a" + kanji);
}

TEST_F(CorvanDictIFTest, TheWriteLockIsHeldFromLockToUnlockOrRemoveAll) {
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
    SimpleFileLock_* lock = UserDictAt(0).GetDictionary().GetLockingInterface();
    ASSERT_NE(lock, nullptr);

    gCorvanEngine.LockUserDict(0);
    EXPECT_EQ(lock->GetWriteLockCount(), 1u);
    gCorvanEngine.LockUserDict(0);
    EXPECT_EQ(lock->GetWriteLockCount(), 1u) << "locking again releases the lock held first";
    std::vector<Word> const words = EveryKind();
    for (Word const& word : words) ASSERT_EQ(Add(word), kUserWordAdded);
    gCorvanEngine.UnlockUserDict();
    EXPECT_EQ(lock->GetWriteLockCount(), 0u);
    gCorvanEngine.UnlockUserDict();  // nothing held: nothing happens

    gCorvanEngine.LockUserDict(0);
    ASSERT_EQ(Add(Noun("cup", "カップ")), kUserWordAdded);
    gCorvanEngine.RemoveAllDict();
    EXPECT_EQ(fEJUserDictLock, nullptr);

    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
    EXPECT_EQ(gCorvanEngine.CountUserDictEntry(0), words.size() + 1);
    EXPECT_THROW(gCorvanEngine.LockUserDict(1), std::out_of_range);
}

TEST_F(CorvanDictIFTest, RemovingAllDictionariesDropsTheBrowseState) {
    ASSERT_EQ(gCorvanEngine.AddUserDict(fPath, false), kUserDictOpenedReadWrite);
    fUDIterator.Set(UserDictAt(0).GetGroups().GetIterator_start());
    nEntryNum = 3;
    nDictType.push_back(0);
    gCorvanEngine.RemoveAllDict();
    EXPECT_TRUE(fUDIterator.IsNull()) << "no position into a closed dictionary is kept";
    EXPECT_EQ(nEntryNum, 0);
    EXPECT_TRUE(nDictType.empty());
    EXPECT_TRUE(fOpenDictionaries.empty());
}
