#include "engine/compiled/compiled_file_access.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/foundation/file_errors.h"
#include "platform/files/file_system.h"

namespace {

// All n bytes at offset.  False when the file ends first (it shrank since it
// was opened); a failing read is an input error (FileReadError), not a sign
// of another format.
bool PositionedRead(int fd, uint64_t offset, unsigned char* buffer, std::size_t n) {
    ssize_t const got = ReadFullyAt(fd, buffer, n, offset);
    if (got < 0) throw FileReadError("compiled dictionary", errno);
    return static_cast<std::size_t>(got) == n;
}

}  // namespace

struct CompiledFileAccess::OpenFile {
    // Owns the descriptor from here on, also when no memory is left for it.
    static std::shared_ptr<OpenFile> Adopt(int descriptor) {
        try {
            return std::make_shared<OpenFile>(descriptor);
        } catch (...) {
            if (descriptor >= 0) Files().Close(descriptor);
            throw;
        }
    }

    explicit OpenFile(int descriptor) : fd(descriptor) {}
    ~OpenFile() {
        if (map != nullptr) munmap(const_cast<unsigned char*>(map), static_cast<std::size_t>(size));
        if (fd >= 0) Files().Close(fd);
    }
    OpenFile(OpenFile const&) = delete;
    OpenFile& operator=(OpenFile const&) = delete;

    // Maps the whole file; where that fails the reads stay positioned reads,
    // which work on every descriptor.
    void Map() {
        if (size == 0 || size > std::numeric_limits<std::size_t>::max()) return;
        void* const mapped = mmap(nullptr, static_cast<std::size_t>(size), PROT_READ, MAP_SHARED, fd, 0);
        if (mapped != MAP_FAILED) map = static_cast<unsigned char const*>(mapped);
    }

    int fd;
    uint64_t size = 0;
    unsigned char const* map = nullptr;
    CorvanCriticalSection lock;
};

CompiledFileAccess::CompiledFileAccess(int fd) : fFile(OpenFile::Adopt(fd)) {
    FileStatus status;
    if (fd < 0) ThrowCorruptDictionary("compiled dictionary: no file");
    // A descriptor that cannot be asked is an input error, not a file of
    // another format.
    if (Files().Status(fd, &status) != 0) FileException::ThrowLastError("compiled dictionary");
    fFile->size = status.size;
    fFile->Map();
    fSize = fFile->size;
    fMap = fFile->map;
}

int CompiledFileAccess::Descriptor() const { return fFile->fd; }

CorvanCriticalSection& CompiledFileAccess::Lock() const { return fFile->lock; }

void CompiledFileAccess::Read(uint64_t offset, void* buffer, std::size_t n) const {
    if (!Contains(offset, n)) ThrowCorruptDictionary("compiled dictionary: read past the end of the file");
    if (fMap != nullptr) {
        if (n != 0) std::memcpy(buffer, fMap + offset, n);
        return;
    }
    if (!PositionedRead(fFile->fd, offset, static_cast<unsigned char*>(buffer), n))
        ThrowCorruptDictionary("compiled dictionary: the file ends before a record");
}

void CompiledFileAccess::ReadZeroFilled(uint64_t offset, void* buffer, std::size_t n, std::size_t required) const {
    if (!Contains(offset, required)) ThrowCorruptDictionary("compiled dictionary: read past the end of the file");
    std::size_t const available = static_cast<std::size_t>(std::min<uint64_t>(n, fSize - offset));
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::memset(bytes + available, 0, n - available);
    Read(offset, bytes, available);
}

uint32_t CompiledFileAccess::ReadUInt32Unmapped(uint64_t offset) const {
    uint8_t bytes[4];
    Read(offset, bytes, sizeof bytes);
    return GetLE32(bytes);
}

std::string CompiledFileAccess::ReadString(uint64_t offset) const {
    char bytes[kStringReadSize];
    return std::string(StringView(offset, bytes));
}

std::string_view CompiledFileAccess::StringView(uint64_t offset, char* buffer, std::size_t limit) const {
    if (!Contains(offset, 1)) ThrowCorruptDictionary("compiled dictionary: string past the end of the file");
    limit = std::min(limit, kStringReadSize);
    std::size_t const available = static_cast<std::size_t>(std::min<uint64_t>(limit, fSize - offset));
    char const* bytes = buffer;
    if (fMap != nullptr) {
        bytes = reinterpret_cast<char const*>(fMap + offset);
    } else {
        AutoCriticalSection locked(fFile->lock);
        Read(offset, buffer, available);
    }
    // Headwords are short: a plain walk beats memchr's setup.
    std::size_t length = 0;
    while (length < available && bytes[length] != '\0') ++length;
    if (length == available && available < limit) ThrowCorruptDictionary("compiled dictionary: string cut short");
    return std::string_view(bytes, length);
}

// ---- Records and blocks ---------------------------------------------------------

CompiledEntryRecord ReadEntryRecord(CompiledFileAccess const& file, uint32_t offset,
                                    CompiledFormatTraits const& traits) {
    uint8_t bytes[kEntryRecordSize];
    file.Read(offset, bytes, sizeof bytes);
    return DecodeEntryRecord(ByteView(bytes, sizeof bytes), traits);
}

CompiledFinePOSRecord ReadFinePOSRecord(CompiledFileAccess const& file, uint32_t offset,
                                        CompiledFormatTraits const& traits) {
    uint8_t bytes[kMaxFinePOSRecordSize];
    file.ReadZeroFilled(offset, bytes, sizeof bytes, CompiledFinePOSRecord().Size());
    CompiledFinePOSRecord record = DecodeFinePOSRecord(ByteView(bytes, sizeof bytes), traits);
    if (!file.Contains(offset, record.Size())) ThrowCorruptDictionary("fine-POS record cut short");
    return record;
}

CompiledParaphraseRecord ReadParaphraseRecord(CompiledFileAccess const& file, uint32_t offset) {
    uint8_t bytes[kMaxParaphraseRecordSize];
    file.ReadZeroFilled(offset, bytes, sizeof bytes, CompiledParaphraseRecord().Size());
    CompiledParaphraseRecord record = DecodeParaphraseRecord(ByteView(bytes, sizeof bytes));
    if (!file.Contains(offset, record.Size())) ThrowCorruptDictionary("paraphrase record cut short");
    return record;
}

FeatureSets_E_Source ReadFeatureSets(CompiledFileAccess const& file, uint32_t offset,
                                     CompiledFormatTraits const& traits) {
    if (traits.featureLayout == FeatureBlockLayout::kPacked) {
        // Only what lies in the file: a packed block must hold its three NULs
        // before the file ends.
        uint8_t bytes[kPackedFeatureWindow];
        if (!file.Contains(offset, 1)) ThrowCorruptDictionary("compiled dictionary: feature sets past the end");
        std::size_t const available = static_cast<std::size_t>(std::min<uint64_t>(sizeof bytes, file.Size() - offset));
        file.Read(offset, bytes, available);
        return DecodeFeatureBlock(ByteView(bytes, available), traits);
    }
    // Every layout fits in the wide block's size; a shorter block at the end
    // of the file reads as zeros past it.
    uint8_t bytes[kWideFeatureBlockSize];
    file.ReadZeroFilled(offset, bytes, sizeof bytes, 1);
    return DecodeFeatureBlock(ByteView(bytes, sizeof bytes), traits);
}

unsigned ReadDomainWeightCount(CompiledFileAccess const& file, uint32_t offset) {
    uint8_t count = 0;
    file.Read(offset, &count, 1);
    return count;
}

std::vector<DomainWeightInfoRecord> ReadDomainWeights(CompiledFileAccess const& file, uint32_t offset) {
    Bytes bytes(1 + kDomainWeightRecordSize * ReadDomainWeightCount(file, offset));
    file.Read(offset, bytes.data(), bytes.size());
    return DecodeDomainWeights(ByteView(bytes));
}

Dict_Semantics_E_Source ReadSemantics(CompiledFileAccess const& file, uint32_t offset) {
    uint8_t bytes[kSemanticsImageSize];
    file.ReadZeroFilled(offset, bytes, sizeof bytes, 1);
    return DecodeSemanticsBlock(ByteView(bytes, sizeof bytes));
}

DomainIDSet ReadDomainSet(CompiledFileAccess const& file, uint32_t offset, CompiledFormatTraits const& traits) {
    Bytes bytes(4 * traits.domainWords);
    file.Read(offset, bytes.data(), bytes.size());
    return DecodeDomainSet(ByteView(bytes), traits);
}
