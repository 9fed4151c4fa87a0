#pragma once
// A fresh user dictionary 0 and a conversion file in a scratch folder,
// and a readable listing of every entry the dictionary holds.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cp932.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/uw_convert.h"
#include "engine/userdict/uw_log_messages.h"
#include "support/scratch_folder.h"

// Shift-JIS (CP932) bytes of UTF-8 text.
inline std::string SJ(std::string const& utf8) { return CP932(utf8); }

// A stop note as the run writes it: the format with the line number and the
// entries the run added.
inline std::string StopNote(char const* format, unsigned long line, int added) {
    char note[256];
    std::snprintf(note, sizeof note, format, line, added);
    return note;
}

// A note about one line, as the run writes it: the format with the line
// number.
inline std::string LineNote(char const* format, unsigned long line) {
    char note[256];
    std::snprintf(note, sizeof note, format, line);
    return note;
}

// The log text of one refused line.
inline std::string Refused(std::string const& line, std::string const& message) { return line + "\r" + message; }

class UwConvertTest : public ::testing::Test {
protected:
    void SetUp() override {
        gCorvanEngine.RemoveAllDict();
        OpenDictionary();
    }

    void TearDown() override { gCorvanEngine.RemoveAllDict(); }

    // Opens (creating when missing) the dictionary as user dictionary 0;
    // every conversion run closes it again.
    void OpenDictionary() {
        gCorvanEngine.RemoveAllDict();
        ASSERT_EQ(gCorvanEngine.AddUserDict(fDictPath, false), kUserDictOpenedReadWrite);
    }

    void WriteText(std::string const& bytes) { WriteWholeFile(fTextPath, bytes); }

    std::string Convert(std::string const& bytes) {
        WriteText(bytes);
        return uwConvert(fTextPath.c_str());
    }

    // Opens the dictionary again and lists every entry, one text per entry
    // with every field the records carry.
    std::vector<std::string> Entries() {
        OpenDictionary();
        std::vector<std::string> entries;
        unsigned long const count = gCorvanEngine.CountUserDictEntry(0);
        for (unsigned long i = 0; i < count; ++i) entries.push_back(Describe(i));
        gCorvanEngine.RemoveAllDict();
        return entries;
    }

    unsigned long Count() {
        OpenDictionary();
        unsigned long const count = gCorvanEngine.CountUserDictEntry(0);
        gCorvanEngine.RemoveAllDict();
        return count;
    }

    ScratchFolder fFolder{"uw_convert_test"};
    std::string const fDir = fFolder.Path();
    std::string const fDictPath = fFolder / "user.dic";
    std::string const fTextPath = fFolder / "oldUD.txt";

private:
    static std::string Join(std::vector<std::string> const& parts) {
        std::string text;
        for (auto const& part : parts) text += part + "|";
        return text;
    }

    std::string Describe(unsigned long i) {
        char word[256];
        char japanese[256];
        short kind = 0;
        if (!gCorvanEngine.GetSimpleUserWord(0, i, word, sizeof word, &kind, japanese, sizeof japanese)) return "?";
        switch (kind) {
            case eUserWordNoun: {
                CorvanUserNoun r;
                gCorvanEngine.ReadUserNoun(0, i, &r);
                return Join({"N", r.GetGenkei(), r.GetYakugo(), r.GetFukusuukei()});
            }
            case eUserWordVerb: {
                CorvanUserVerb r;
                gCorvanEngine.ReadUserVerb(0, i, &r);
                return Join({"V", r.GetGenkei(), r.GetYakugo(), std::to_string(r.GetJiTadoushi()), r.GetKakokei(),
                             r.GetSannin(), r.GetIngkei(), r.GetKakobunshi(), r.GetJoshi(), r.GetYakugoKakokei()});
            }
            case eUserWordAdjective:
            case eUserWordPrepPhrase: {
                CorvanUserAdj r;
                if (kind == eUserWordAdjective)
                    gCorvanEngine.ReadUserAdj(0, i, &r);
                else
                    gCorvanEngine.ReadUserPPhrase(0, i, &r);
                return Join({std::to_string(kind), r.GetGenkei(), r.GetYakugo(), r.GetMotoninaruDoushi()});
            }
            case eUserWordAdverb:
            case eUserWordConjunction: {
                CorvanUserAdv r;
                if (kind == eUserWordAdverb)
                    gCorvanEngine.ReadUserAdv(0, i, &r);
                else
                    gCorvanEngine.ReadUserConj(0, i, &r);
                return Join({std::to_string(kind), r.GetGenkei(), r.GetYakugo()});
            }
            case eUserWordPreposition: {
                CorvanUserPrepos r;
                gCorvanEngine.ReadUserPrepos(0, i, &r);
                return Join({"P", r.GetGenkei(), r.GetYakugo(), r.GetYouhou()});
            }
        }
        return "kind " + std::to_string(kind);
    }
};
