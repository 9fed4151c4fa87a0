#pragma once
// What the file-type tool "/usr/bin/file" says about a file, and the text
// encoding that its description names.
#include <optional>
#include <string>

#include "apps/quellit/qwc_text_encoding.h"

namespace quellit {

// The tool's description of the file, without the file name: the tool runs
// in brief mode, so a name holding "UTF-8" or the like can never be taken
// for the description, and after "--", so a name beginning "-" is no
// option.  Nullopt when the tool cannot be run.
std::optional<std::string> DescribeFileType(std::string const& path);

// "UTF-16" gives Unicode, else "UTF-8" UTF-8, else "ISO-8859" Latin-1,
// else Shift-JIS.
TextEncoding EncodingOfFileType(std::string const& description);

}  // namespace quellit
