#include "engine/transfer/romaji_width.h"

#include "engine/foundation/sjis_convert.h"

std::string ConvertRomajiWidth(std::string const& text, RomajiConversionMode mode) {
    if (mode != 1 && mode != 2) return text;
    std::wstring wide = MapSJISTowstring(text.c_str());
    bool const changed = mode == 1 ? ConvertToHalfWidthChars(&wide) : ConvertToFullWidthChars(&wide);
    return changed ? MapWstringToSJIS(wide) : text;
}
