#pragma once
// Where the front end leaves the old dictionary's entry lines for the
// converter: one fixed name for the whole machine.
#include <string>

namespace platform {

inline constexpr char kConversionTextPath[] = "/tmp/oldUD.txt";

// kConversionTextPath.  Builds made with the test suite take the path in
// TOVIKAN_TEST_CONVERSION_TEXT when it is set, so that test runs never touch
// the machine's file; release builds do not read it.
std::string ConversionTextPath();

}  // namespace platform
