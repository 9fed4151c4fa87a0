#pragma once
// One sentence of a judged text: its span in bytes of the Shift-JIS text.
// The spans of a text's sentences follow each other without a gap; the white
// space after a sentence's end belongs to the next sentence.
#include <cstdint>
#include <vector>

struct ScanIF {
    virtual ~ScanIF() = default;

    uint32_t start = 0;
    uint32_t end = 0;  // one past the sentence's last byte
};

// Deletes every record of the list and empties it; the list owns them.
inline void DeleteScanIFs(std::vector<ScanIF*>& sentences) {
    for (ScanIF* sentence : sentences) delete sentence;
    sentences.clear();
}
