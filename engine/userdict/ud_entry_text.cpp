#include "engine/userdict/ud_entry_text.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kStringsPerEntry = 7;

// No entry's text is longer than seven strings of the longest a reader takes,
// so no sound chain has more continuations than this.
constexpr std::size_t kMaxContinuations =
    (kStringsPerEntry * kUDStringReadLimit - kUDHeadTextSize + kUDContinuationTextSize - 1) / kUDContinuationTextSize;

// Walks an entry's blocks along their links, refusing to visit a block twice.
class ChainCursor {
public:
    ChainCursor(UDBlockSource& source, dblock_t const& head) : fSource(source), fBlock(head), fVisited{head.number} {}

    dblock_t const& Block() const { return fBlock; }

    // Moves to the continuation the current block links to.
    unsigned short Advance() {
        uint32_t const next = fBlock.link;
        if (next == 0 || fVisited.size() > kMaxContinuations) return kUDFileCorrupt;
        if (std::find(fVisited.begin(), fVisited.end(), next) != fVisited.end()) return kUDFileCorrupt;
        dblock_t block;
        if (unsigned short code = fSource.ReadBlock(next, &block)) return code;
        if (block.kind != kUDContinuationBlock) return kUDFileCorrupt;
        fBlock = block;
        fVisited.push_back(next);
        return kUDNoError;
    }

private:
    UDBlockSource& fSource;
    dblock_t fBlock;
    std::vector<uint32_t> fVisited;
};

// Reads one NUL-terminated string of at most `limit` bytes at the cursor.
class StringReader {
public:
    StringReader(UDBlockSource& source, dblock_t const& head) : fCursor(source, head) {}

    unsigned short Read(std::size_t limit, std::string* out) {
        out->clear();
        for (;;) {
            if (fPosition == fCursor.Block().TextSize()) {
                if (unsigned short code = fCursor.Advance()) return code;
                fPosition = 0;
            }
            char const c = static_cast<char>(fCursor.Block().text[fPosition++]);
            if (c == '\0') return kUDNoError;
            if (out->size() == limit) return kUDFileCorrupt;
            *out += c;
        }
    }

private:
    ChainCursor fCursor;
    std::size_t fPosition = 0;
};

void AppendWithNul(std::vector<unsigned char>* text, std::string const& s) {
    std::size_t const length = std::strlen(s.c_str());
    text->insert(text->end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(length));
    text->push_back('\0');
}

}  // namespace

UDEntryText LayOutUDEntryText(UDEntryStrings const& strings) {
    std::vector<unsigned char> text;
    for (std::string const* s :
         {&strings.english, &strings.pos, &strings.translation, &strings.answer, &strings.flags, &strings.particle}) {
        AppendWithNul(&text, *s);
    }
    text.push_back('\0');  // the seventh string, always empty

    UDEntryText laid;
    std::size_t const inHead = std::min(text.size(), kUDHeadTextSize);
    std::copy_n(text.begin(), inHead, laid.head.begin());
    for (std::size_t at = inHead; at < text.size(); at += kUDContinuationTextSize) {
        laid.continuations.emplace_back();
        std::size_t const n = std::min(text.size() - at, kUDContinuationTextSize);
        std::copy_n(text.begin() + static_cast<std::ptrdiff_t>(at), n, laid.continuations.back().begin());
    }
    return laid;
}

unsigned short ReadUDEntryText(UDBlockSource& source, dblock_t const& head, UDEntryStrings* strings) {
    if (head.kind != kUDHeadBlock) return kUDFileCorrupt;
    struct Field {
        std::string UDEntryStrings::*member;
        std::size_t limit;
    };
    static constexpr Field kFields[] = {
        {&UDEntryStrings::english, kUDEnglishLimit},
        {&UDEntryStrings::pos, kUDPOSStringLimit},
        {&UDEntryStrings::translation, kUDTranslationLimit},
        {&UDEntryStrings::answer, kUDAnswerLimit},
        {&UDEntryStrings::flags, kUDFlagsLimit},
        {&UDEntryStrings::particle, kUDParticleLimit},
    };
    StringReader reader(source, head);
    UDEntryStrings read;
    for (Field const& field : kFields) {
        if (unsigned short code = reader.Read(field.limit, &(read.*field.member))) return code;
    }
    *strings = std::move(read);
    return kUDNoError;
}

unsigned short WalkUDEntryChain(UDBlockSource& source, dblock_t const& head, std::vector<uint32_t>* continuations) {
    if (head.kind != kUDHeadBlock) return kUDFileCorrupt;
    ChainCursor cursor(source, head);
    std::vector<uint32_t> chain;
    while (cursor.Block().link != 0) {
        if (unsigned short code = cursor.Advance()) return code;
        chain.push_back(cursor.Block().number);
    }
    *continuations = std::move(chain);
    return kUDNoError;
}
