#include "engine/foundation/persistent_pos.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "support/scratch_folder.h"

namespace {

// Sets "MTBINC" (or unsets it) for the life of the object.
class ScopedMTBINC {
public:
    explicit ScopedMTBINC(std::optional<std::string> const& value) {
        if (char const* old = std::getenv("MTBINC")) fSaved = old;
        if (value)
            setenv("MTBINC", value->c_str(), 1);
        else
            unsetenv("MTBINC");
    }
    ~ScopedMTBINC() {
        if (fSaved)
            setenv("MTBINC", fSaved->c_str(), 1);
        else
            unsetenv("MTBINC");
    }
    ScopedMTBINC(ScopedMTBINC const&) = delete;
    ScopedMTBINC& operator=(ScopedMTBINC const&) = delete;

private:
    std::optional<std::string> fSaved;
};

std::string StderrOf(bool strict) {
    testing::internal::CaptureStderr();
    ReadPersistentPOSFile(strict);
    return testing::internal::GetCapturedStderr();
}

std::string const kNotFoundStrict =
    "PERSISTENT POS FILE %s NOT FOUND.\n"
    "Using compiled grammar, make sure you have made all dictionaries up-to-date.\n";
std::string const kNotFoundLenient = "Persistent POS file %s not found, generating new one.\n";
std::string const kCorruptLenient = "Persistent POS file %s corrupted; regenerating it.\n";

std::string WithName(std::string format, std::string const& name) { return format.replace(format.find("%s"), 2, name); }

TEST(PersistentPOSFileNameTest, FromMTBINC) {
    struct Case {
        std::optional<std::string> value;
        std::string name;
    } const cases[] = {
        {std::nullopt, ""},
        {std::string("/opt/grammar/bin"), ""},  // no "OutBincGroup"
        {std::string("/opt/grammar/OutBincGroup/x86"), "/opt/grammar/PersistentPOSs.x86"},
        {std::string("OutBincGroup"), "PersistentPOSs.x86"},
        {std::string(10 * 1024, 'a') + "/OutBincGroup", std::string(10 * 1024, 'a') + "/PersistentPOSs.x86"},
        {"/b/OutBincGroup" + std::string(10 * 1024, 'z'), "/b/PersistentPOSs.x86"},
    };
    for (auto const& c : cases) {
        ScopedMTBINC const env(c.value);
        EXPECT_EQ(GetPPFileName(), c.name) << c.value.value_or("(unset)").substr(0, 40);
    }
}

TEST(ReadPersistentPOSFileTest, MissingFileIsReported) {
    {
        ScopedMTBINC const env(std::nullopt);
        EXPECT_EQ(StderrOf(true), WithName(kNotFoundStrict, ""));
        EXPECT_EQ(StderrOf(false), WithName(kNotFoundLenient, ""));
    }
    {
        // A name far longer than any path the system takes.
        std::string const longDirectory = "/" + std::string(10 * 1024, 'd') + "/";
        ScopedMTBINC const env(longDirectory + "OutBincGroup");
        EXPECT_EQ(StderrOf(true), WithName(kNotFoundStrict, longDirectory + "PersistentPOSs.x86"));
        EXPECT_EQ(StderrOf(false), WithName(kNotFoundLenient, longDirectory + "PersistentPOSs.x86"));
    }
}

class PersistentPOSFileTest : public testing::Test {
protected:
    // Lines "i N" with trailing blanks, the first one longLine bytes longer,
    // the last one ended or not.
    void WriteLines(int count, bool lastEnded = true, std::size_t longLine = 0) {
        std::ofstream out(fFile, std::ios::binary);
        for (int i = 0; i < count; ++i) {
            out << i << " N" << (i == 0 ? std::string(longLine, 'x') : "") << "  ";
            if (i + 1 < count || lastEnded) out << '\n';
        }
    }

    ScratchFolder fFolder{"persistent_pos"};
    std::string fFile = fFolder / "PersistentPOSs.x86";
    ScopedMTBINC fEnv{fFolder / "OutBincGroup"};
};

TEST_F(PersistentPOSFileTest, WholeFileIsReadSilently) {
    struct Case {
        char const* what;
        int lines;
        bool lastEnded;
        std::size_t longLine;
    } const cases[] = {
        {"200 lines", 200, true, 0},
        {"last line not ended", 200, false, 0},
        {"a line far past 900 bytes is still one line", 200, true, 5000},
    };
    for (auto const& c : cases) {
        WriteLines(c.lines, c.lastEnded, c.longLine);
        EXPECT_EQ(StderrOf(false), "") << c.what;
        EXPECT_EQ(StderrOf(true), "") << c.what;
    }
}

TEST_F(PersistentPOSFileTest, ShortFileIsCorrupt) {
    for (int lines : {0, 1, 199}) {
        WriteLines(lines);
        EXPECT_EQ(StderrOf(false), WithName(kCorruptLenient, fFile)) << lines;
    }
}

TEST_F(PersistentPOSFileTest, ShortFileStopsTheProcessInStrictMode) {
    WriteLines(199);
    EXPECT_EXIT(ReadPersistentPOSFile(true), testing::ExitedWithCode(1),
                testing::HasSubstr("PERSISTENT POS FILE " + fFile + " CORRUPTED; recompile the grammar!\n"));
}

}  // namespace
