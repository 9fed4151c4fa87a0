#pragma once
// Shared by the tests of the facade's compiled dictionaries, searches and
// walks: a scratch directory, compiled dictionaries made from dictionary
// text, and user words added through the facade.
#include <dirent.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "compiled/compiled_test_support.h"
#include "cp932.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/corvan_dict_state.h"

namespace facade_test {

// Dictionary text of one entry with one fine part of speech and, when
// japanese is given (UTF-8), one paraphrase.
inline std::string EntryText(std::string const& headword, std::string const& pos, std::string const& japanese = "",
                             bool hidden = false) {
    std::string text = "entry\t" + headword + "\n";
    text += "fpos\tpos=" + pos + "\tidiom=0\tprimed=0\tquoted=0\thidden=" + (hidden ? "1" : "0") +
            "\taltonly=0\tcannotbegin=0\tcannotend=0\tcannotbeginandend=0\tpvalue=0\tfeatures0=\tfeatures1="
            "\tfeatures2=\tweights=\n";
    if (!japanese.empty()) {
        text += "para\tid=0\tcooked={" + CP932(japanese) +
                "}\traw=\tjpos=<<UNKNOWN>>\tpvalue=0\taltonly=0\tthey=0\ttransplant=\tdomains=\tsem=\n";
    }
    return text;
}

// The number of descriptors the process has open.
inline std::size_t OpenDescriptorCount() {
    std::size_t count = 0;
    for (auto const& item : std::filesystem::directory_iterator("/proc/self/fd")) {
        (void)item;
        ++count;
    }
    return count;
}

class FacadeTest : public ::testing::Test {
protected:
    void SetUp() override { gCorvanEngine.RemoveAllDict(); }
    void TearDown() override { gCorvanEngine.RemoveAllDict(); }

    // A path in the scratch directory.
    std::string PathOf(std::string const& name) const { return fScratch.Path() + "." + name; }

    // Compiles the entries (in dictionary order) into a format 4.0 file
    // numbered id; gives its path.
    std::string CompiledFile(std::string const& name, unsigned id, std::string const& entries) {
        std::string const path = PathOf(name);
        compiled_test::Compile40(DictionaryFromText("dictionary\tid=" + std::to_string(id) + "\tdomains=\n" + entries),
                                 path);
        return path;
    }

    // Opens a new user dictionary as the next number.
    void OpenUserDict(std::string const& name = "user.dic") {
        ASSERT_EQ(gCorvanEngine.AddUserDict(PathOf(name), false), kUserDictOpenedReadWrite);
    }

    static void AddNoun(char const* headword, char const* japanese, char const* plural = "", short n = 0) {
        CorvanUserNoun record;
        record.SetGenkei(headword);
        record.SetFukusuukei(plural);
        record.SetYakugo(CP932(japanese).c_str());
        ASSERT_EQ(gCorvanEngine.AddUserNoun(n, &record, 1), kUserWordAdded) << headword;
    }

    // A transitive verb with the object particle; forms: base, past, past
    // participle, third person, -ing; the Japanese past as the cook tables
    // offer it.
    static void AddVerb(std::vector<char const*> forms, char const* japanese, char const* japanesePast, short n = 0) {
        forms.resize(5, "");
        CorvanUserVerb record;
        record.SetGenkei(forms[0]);
        record.SetKakokei(forms[1]);
        record.SetKakobunshi(forms[2]);
        record.SetSannin(forms[3]);
        record.SetIngkei(forms[4]);
        record.SetJiTadoushi(eJitaTransitive);
        record.SetYakugo(CP932(japanese).c_str());
        record.SetYakugoKakokei(CP932(japanesePast).c_str());
        record.SetJoshi(CP932("を").c_str());
        ASSERT_EQ(gCorvanEngine.AddUserVerb(n, &record, 1), kUserWordAdded) << forms[0];
    }

    static void AddAdverb(char const* headword, char const* japanese, short n = 0) {
        CorvanUserAdv record;
        record.SetGenkei(headword);
        record.SetYakugo(CP932(japanese).c_str());
        ASSERT_EQ(gCorvanEngine.AddUserAdv(n, &record, 1), kUserWordAdded) << headword;
    }

private:
    // The scratch files are named after this one's path and go with its
    // directory.
    compiled_test::ScratchFile fScratch{"facade"};
};

}  // namespace facade_test
