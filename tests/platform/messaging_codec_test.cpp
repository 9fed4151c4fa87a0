// The wire form of events and the descriptor operations, without sockets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messaging_test_support.h"
#include "platform/apple_events.h"

namespace {

using namespace platform;
using messaging_test::SameDesc;
using messaging_test::SameEvent;

AEDesc ListOf(std::vector<AEDesc> const& items) {
    AEDesc list = AEMakeListDesc();
    for (AEDesc const& item : items) AEPutDesc(&list, 0, item);
    return list;
}

AppleEvent EventWith(std::vector<std::pair<AEKeyword, AEDesc>> parameters) {
    AppleEvent event;
    AECreateAppleEvent(kConverterEventClass, kEventReadEntry, AEMakeProcessDesc({0, 4242}), -7, 99, &event);
    for (auto& parameter : parameters) event.PutParam(parameter.first, parameter.second);
    return event;
}

std::string BigEndian(uint64_t value, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

// A frame around a hand-made payload; the header may lie about the length.
std::string Frame(std::string const& payload, uint64_t claimedLength) {
    return std::string("AEv1") + BigEndian(claimedLength, 8) + payload;
}
std::string Frame(std::string const& payload) { return Frame(payload, payload.size()); }

// Event header fields up to (and including) the parameter count.
std::string PayloadHead(uint32_t parameterCount) {
    return BigEndian(kConverterEventClass, 4) + BigEndian(kEventEntryNumber, 4) + BigEndian(1, 4) + BigEndian(0, 4) +
           BigEndian(0, 4) + BigEndian(1, 4) + BigEndian(parameterCount, 4);
}
std::string ScalarDesc(DescType type, std::string const& bytes) {
    return BigEndian(type, 4) + BigEndian(bytes.size(), 8) + bytes;
}
std::string NestedLists(int depth) {
    std::string desc = ScalarDesc(typeText, "x");
    for (int i = 0; i < depth; ++i) desc = BigEndian(typeAEList, 4) + BigEndian(1, 4) + desc;
    return desc;
}

TEST(AppleEventCodec, EveryDescriptorShapeSurvivesTheRoundTrip) {
    std::string const binary("\0\x01\xff\r\n\x82\xa0", 7);
    struct Case {
        char const* name;
        AppleEvent event;
    } const cases[] = {
        {"no parameter", EventWith({})},
        {"long", EventWith({{keyDirectObject, AEMakeLongDesc(-123456)}})},
        {"empty TEXT", EventWith({{keyDirectObject, AEMakeDesc(typeText, "")}})},
        {"binary TEXT", EventWith({{keyDirectObject, AEMakeDesc(typeText, binary)}})},
        {"empty list", EventWith({{keyDirectObject, AEMakeListDesc()}})},
        {"list of untyped items",
         EventWith({{keyDirectObject, ListOf({AEMakeDesc(typeWildCard, "entry 0\r"), AEMakeDesc(typeWildCard, "")})}})},
        {"nested list", EventWith({{keyDirectObject, ListOf({ListOf({AEMakeLongDesc(1)}), AEMakeListDesc()})}})},
        {"several parameters", EventWith({{keyDirectObject, AEMakeLongDesc(5)},
                                          {keyErrorNumber, AEMakeLongDesc(-1708)},
                                          {FourCC("psn "), AEMakeProcessDesc({0, 77})}})},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        std::string const frame = AEEncodeEvent(c.event);
        AppleEvent decoded;
        ASSERT_TRUE(AEDecodeEvent(frame.data(), frame.size(), &decoded));
        EXPECT_TRUE(SameEvent(decoded, c.event));
    }
}

TEST(AppleEventCodec, TruncatedAndLyingFramesAreRefused) {
    std::string const good = PayloadHead(1) + BigEndian(keyDirectObject, 4) + ScalarDesc(typeText, "abc");
    ASSERT_TRUE([&] {
        AppleEvent event;
        std::string const frame = Frame(good);
        return AEDecodeEvent(frame.data(), frame.size(), &event);
    }());
    std::string const directKey = BigEndian(keyDirectObject, 4);
    struct Case {
        char const* name;
        std::string frame;
    } const cases[] = {
        {"empty", ""},
        {"header only, short", std::string("AEv1", 4)},
        {"foreign magic", "XEv1" + BigEndian(good.size(), 8) + good},
        {"length beyond the bytes", Frame(good, good.size() + 1)},
        {"length short of the bytes", Frame(good, good.size() - 1)},
        {"huge length", Frame(good, uint64_t{1} << 62)},
        {"payload cut in the head", Frame(PayloadHead(0).substr(0, 10))},
        {"parameter count beyond the bytes", Frame(PayloadHead(3) + directKey + ScalarDesc(typeText, "abc"))},
        {"parameter count far too high", Frame(PayloadHead(0xFFFFFFFF))},
        {"data length beyond the bytes",
         Frame(PayloadHead(1) + directKey + BigEndian(typeText, 4) + BigEndian(uint64_t{1} << 40, 8) + "abc")},
        {"list count beyond the bytes",
         Frame(PayloadHead(1) + directKey + BigEndian(typeAEList, 4) + BigEndian(0x10000000, 4))},
        {"lists nested too deep", Frame(PayloadHead(1) + directKey + NestedLists(40))},
        {"the same keyword twice",
         Frame(PayloadHead(2) + directKey + ScalarDesc(typeText, "a") + directKey + ScalarDesc(typeText, "b"))},
        {"bytes after the last parameter", Frame(good + "x")},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        AppleEvent event;
        EXPECT_FALSE(AEDecodeEvent(c.frame.data(), c.frame.size(), &event));
    }
    // Every proper prefix of a valid frame, with a header that tells the truth.
    std::string const payload = good;
    for (std::size_t cut = 0; cut < payload.size(); ++cut) {
        std::string const frame = Frame(payload.substr(0, cut));
        AppleEvent event;
        EXPECT_FALSE(AEDecodeEvent(frame.data(), frame.size(), &event)) << "cut at " << cut;
    }
    // A nesting depth within the limit is fine.
    std::string const nested = Frame(PayloadHead(1) + directKey + NestedLists(20));
    AppleEvent event;
    EXPECT_TRUE(AEDecodeEvent(nested.data(), nested.size(), &event));
}

TEST(AppleEventDescriptors, ParametersAreHadAsTheTypesAsked) {
    AppleEvent event = EventWith({{keyDirectObject, AEMakeDesc(typeText, "log")}});
    struct Case {
        DescType desired;
        int status;
        DescType resultType;
    } const cases[] = {
        {typeText, noErr, typeText},
        {typeWildCard, noErr, typeText},
        {typeAEList, noErr, typeAEList},  // a scalar wanted as a list: a list of it
        {typeSInt32, errAECoercionFail, typeNull},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(FourCCToString(c.desired));
        AEDesc result;
        EXPECT_EQ(AEGetParamDesc(event, keyDirectObject, c.desired, &result), c.status);
        EXPECT_EQ(result.descriptorType, c.resultType);
    }
    AEDesc list;
    ASSERT_EQ(AEGetParamDesc(event, keyDirectObject, typeAEList, &list), noErr);
    AEDesc item;
    ASSERT_EQ(AEGetNthDesc(list, 1, typeWildCard, &item), noErr);
    EXPECT_TRUE(SameDesc(item, AEMakeDesc(typeText, "log")));
    EXPECT_EQ(AEGetNthDesc(list, 2, typeWildCard, &item), errAEIllegalIndex);
    EXPECT_EQ(AEGetNthDesc(list, 0, typeWildCard, &item), errAEIllegalIndex);
    EXPECT_EQ(AEGetNthDesc(item, 1, typeWildCard, &item), errAEWrongDataType);
    EXPECT_EQ(AEGetParamDesc(event, keyErrorNumber, typeWildCard, &item), errAEDescNotFound);
}

TEST(AppleEventDescriptors, ListsTakeItemsByIndex) {
    AEDesc list = AEMakeListDesc();
    EXPECT_EQ(AEPutDesc(&list, 0, AEMakeLongDesc(1)), noErr);  // append
    EXPECT_EQ(AEPutDesc(&list, 2, AEMakeLongDesc(2)), noErr);  // one past the end: append
    EXPECT_EQ(AEPutDesc(&list, 1, AEMakeLongDesc(9)), noErr);  // replaces
    EXPECT_EQ(AEPutDesc(&list, 4, AEMakeLongDesc(3)), errAEIllegalIndex);
    EXPECT_EQ(AEPutDesc(&list, -1, AEMakeLongDesc(3)), errAEIllegalIndex);
    AEDesc scalar = AEMakeLongDesc(0);
    EXPECT_EQ(AEPutDesc(&scalar, 0, AEMakeLongDesc(3)), errAEWrongDataType);
    EXPECT_TRUE(SameDesc(list, ListOf({AEMakeLongDesc(9), AEMakeLongDesc(2)})));
}

TEST(AppleEventDescriptors, LongsAndTargetsNeedTheirExactSizes) {
    int32_t value = 0;
    EXPECT_TRUE(AEGetLong(AEMakeLongDesc(-5), &value));
    EXPECT_EQ(value, -5);
    EXPECT_FALSE(AEGetLong(AEMakeDesc(typeSInt32, "12345"), &value));
    EXPECT_FALSE(AEGetLong(AEMakeDesc(typeText, "1234"), &value));

    AppleEvent event;
    ASSERT_EQ(AECreateAppleEvent(kConverterEventClass, kEventQuit, AEMakeProcessDesc({0, 31}), kAutoGenerateReturnID,
                                 kAnyTransactionID, &event),
              noErr);
    EXPECT_EQ(event.target, (ProcessSerialNumber{0, 31}));
    EXPECT_EQ(AECreateAppleEvent(kConverterEventClass, kEventQuit, AEMakeDesc(typeProcessSerialNumber, "1234"),
                                 kAutoGenerateReturnID, kAnyTransactionID, &event),
              errAECoercionFail);
    EXPECT_EQ(AECreateAppleEvent(kConverterEventClass, kEventQuit, AEMakeLongDesc(31), kAutoGenerateReturnID,
                                 kAnyTransactionID, &event),
              errAECoercionFail);
}

}  // namespace
