#include "apps/quellit/qwc_file_type.h"

#include "platform/tool_output.h"

namespace quellit {

std::optional<std::string> DescribeFileType(std::string const& path) {
    std::optional<std::string> output = platform::ToolOutput("/usr/bin/file", {"-b", "--", path});
    if (!output) return std::nullopt;
    while (!output->empty() && (output->back() == '\n' || output->back() == '\r')) output->pop_back();
    return output;
}

TextEncoding EncodingOfFileType(std::string const& description) {
    if (description.find("UTF-16") != std::string::npos) return TextEncoding::Unicode;
    if (description.find("UTF-8") != std::string::npos) return TextEncoding::UTF8;
    if (description.find("ISO-8859") != std::string::npos) return TextEncoding::ISOLatin1;
    return TextEncoding::ShiftJIS;
}

}  // namespace quellit
