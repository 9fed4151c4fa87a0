#pragma once
// Four-character codes as 32-bit values, first character in the most
// significant byte, and the codes the three programs exchange.
#include <cstdint>
#include <string>

namespace platform {

using FourCharCode = uint32_t;
using OSType = FourCharCode;
using AEEventClass = FourCharCode;
using AEEventID = FourCharCode;
using AEKeyword = FourCharCode;
using DescType = FourCharCode;

constexpr FourCharCode FourCC(const char (&code)[5]) {
    return (static_cast<uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
           (static_cast<uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
           (static_cast<uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
           static_cast<uint32_t>(static_cast<unsigned char>(code[3]));
}

// "uwNM" and the like, for messages and traces.
std::string FourCCToString(FourCharCode code);

// The event class and IDs of the conversion protocol.
constexpr AEEventClass kConverterEventClass = FourCC("misc");
constexpr AEEventID kEventQuit = FourCC("uwQT");
constexpr AEEventID kEventEntryNumber = FourCC("uwNM");
constexpr AEEventID kEventReadEntry = FourCC("uwRE");
constexpr AEEventID kEventConvert = FourCC("uwCV");
// The 'errn' of a 'uwCV' reply whose run did not complete (no dictionary to
// convert into, the text file not read, or a run stopped early); its log
// says why.  A completed run's reply has no 'errn'.
constexpr int32_t errConversionIncomplete = -10001;

// Parameter keywords and descriptor types.
constexpr AEKeyword keyDirectObject = FourCC("----");
constexpr DescType typeNull = FourCC("null");
constexpr DescType typeSInt32 = FourCC("long");
constexpr DescType typeAEList = FourCC("list");
constexpr DescType typeWildCard = FourCC("****");
constexpr DescType typeText = FourCC("TEXT");
constexpr DescType typeProcessSerialNumber = FourCC("psn ");

}  // namespace platform
