#pragma once
// The front end's utility class: launching a companion program and finding
// its process, Shift-JIS bytes and strings, cleaning text bytes, guessing
// whether a text is English or Japanese, the maker's folders below the home
// folder, and a few text conversions.  Strings are UTF-8; "bytes" are raw
// (Shift-JIS) bytes in a std::string.
#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/bundle.h"
#include "platform/process_serial_number.h"

namespace quellit {

// The process services the launch-and-find road uses, replaceable so that
// tests can launch and walk fake processes and never sleep.  The defaults
// are the platform's.
struct ProcessServices {
    std::function<bool(std::string const& bundlePath)> launch;
    std::function<int(platform::ProcessSerialNumber* psn)> nextProcess;
    std::function<int(platform::ProcessSerialNumber const& psn, std::string* bundleFileName)> bundleFileName;
    std::function<void(double seconds)> sleep;

    static ProcessServices const& Real();
};

// A colour as four components (red, green, blue, alpha).
struct Rgba {
    double red = 1.0;
    double green = 1.0;
    double blue = 1.0;
    double alpha = 1.0;
};

class TovikCommonModule {
public:
    // Loads the entity list from "Entity.plist" of the program's bundle (or
    // of `bundle`); problems are logged to stderr and leave the list empty.
    TovikCommonModule();
    explicit TovikCommonModule(platform::Bundle const& bundle);

    // ---- Launch and find ----
    // Launches the bundle at bundlePath and looks for its process by the
    // bundle's file name: -1 when the launch is refused, 1 when found (*psn
    // filled), 0 when not.  With until, up to 20 looks 3.0 seconds apart;
    // without, one look.
    static int32_t LaunchedApplication(std::string const& bundlePath, platform::ProcessSerialNumber* psn, bool until,
                                       ProcessServices const& services = ProcessServices::Real());
    // The first running process whose bundle file name ("Tazmet.app") is
    // bundleFileName; *psn is left naming no process when there is none.
    static bool TargetApplicationName(std::string const& bundleFileName, platform::ProcessSerialNumber* psn,
                                      ProcessServices const& services = ProcessServices::Real());
    // Steps *psn to the next process; true once the list has ended (and *psn
    // names no process again).
    static bool GetNextPSN(platform::ProcessSerialNumber* psn,
                           ProcessServices const& services = ProcessServices::Real());
    // 0 with *psn naming the first process with that bundle file name, else
    // procNotFound (-600).
    static int GetPSN2Name(std::string const& name, platform::ProcessSerialNumber* psn,
                           ProcessServices const& services = ProcessServices::Real());

    // ---- Shift-JIS bytes and strings ----
    static std::optional<std::string> SjisToNSString(char const* sjis);  // NUL-terminated
    static std::optional<std::string> SjisDataToNSString(std::string const& sjisBytes);
    // Copies the text's Shift-JIS form (loss allowed) into sjisBuf: at most
    // maxLength - 1 bytes, never half a double-byte character, then a NUL;
    // nothing at all when maxLength < 1.  True when the converted text was
    // maxLength - 1 bytes or longer (the buffer is full and may be cut).
    static bool GetSjisFromNSString(std::string const& text, char* sjisBuf, int maxLength);

    // ---- Cleaning text bytes ----
    static void TrimInsideCheck(std::string* bytes);  // controls 0x00-0x1F become spaces
    static void TrimHeadTail(std::string* bytes);     // bytes 0x00-0x20 off both ends
    static void TrimHeadTailCheckMiddleForEnglish(std::string* bytes);

    // ---- English or Japanese ----
    static constexpr int kEnglish = 1;
    static constexpr int kJapanese = 2;
    static constexpr int kUnreadable = 3;
    static int JudgeTextDataEorJ(std::string const& sjisBytes);
    static int JudgeTextStringEorJ(std::string const& text);
    static int JudgeTextStringEorJOfFile(std::string const& path);
    // The file's text in the encoding the file-type tool reports; nullopt
    // when it cannot be read or decoded.
    static std::optional<std::string> ReadTextOfFile(std::string const& path);

    // ---- Folders (each answers the home folder when it cannot do better) ----
    static std::string HomeFolder();
    static std::string DocumentQuorindal();
    static std::string PreferencesQuorindalCache();
    static std::string PreferencesQuorindalCash();
    static std::string PreferencesQuorindal();
    static std::string PreferencesFolder();
    // Deletes every file directly inside folder, sub-folders kept; false when
    // the folder cannot be read or a deletion failed.
    static bool RemoveFileInDirectory(std::string const& folder);
    // Creates each missing folder along path with mode; false at the first
    // failed creation.
    static bool CreateDirectoriesAtPath(std::string const& path, mode_t mode);

    // ---- Text conversions ----
    // Four numbers separated by spaces; a field that is no number stays 1.0;
    // nullopt with fewer than four fields.
    static std::optional<Rgba> StringToNSColor(std::string const& text);
    // The text with every entity of the list replaced by its character, in
    // one left-to-right pass (a replacement is never looked at again).
    std::string ConvertEntities(std::string const& text) const;
    // Separates ." from a following ")", then turns the typographic dashes,
    // apostrophes and quotes (the localized texts of `bundle`) into ASCII.
    static void AssistEngTranslateSentence(std::string* text,
                                           platform::Bundle const& bundle = platform::Bundle::Main());

    struct Entity {
        std::string character;
        std::string entity;
    };
    std::vector<Entity> const& EntityArray() const { return fEntityArray; }

private:
    std::vector<Entity> fEntityArray;
};

}  // namespace quellit
