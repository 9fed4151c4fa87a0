#include "engine/compiled/compiled_file_access.h"

#include <algorithm>
#include <cstring>

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
        if (fd >= 0) Files().Close(fd);
    }
    OpenFile(OpenFile const&) = delete;
    OpenFile& operator=(OpenFile const&) = delete;

    int fd;
    uint64_t size = 0;
    CorvanCriticalSection lock;
};

CompiledFileAccess::CompiledFileAccess(int fd) : fFile(OpenFile::Adopt(fd)) {
    FileStatus status;
    if (fd < 0) ThrowCorruptDictionary("compiled dictionary: no file");
    // A descriptor that cannot be asked is an input error, not a file of
    // another format.
    if (Files().Status(fd, &status) != 0) FileException::ThrowLastError("compiled dictionary");
    fFile->size = status.size;
}

int CompiledFileAccess::Descriptor() const { return fFile->fd; }

uint64_t CompiledFileAccess::Size() const { return fFile->size; }

CorvanCriticalSection& CompiledFileAccess::Lock() const { return fFile->lock; }

bool CompiledFileAccess::Contains(uint64_t offset, uint64_t length) const {
    return offset <= fFile->size && length <= fFile->size - offset;
}

void CompiledFileAccess::Read(uint64_t offset, void* buffer, std::size_t n) const {
    if (!Contains(offset, n)) ThrowCorruptDictionary("compiled dictionary: read past the end of the file");
    if (!PositionedRead(fFile->fd, offset, static_cast<unsigned char*>(buffer), n))
        ThrowCorruptDictionary("compiled dictionary: the file ends before a record");
}

void CompiledFileAccess::ReadZeroFilled(uint64_t offset, void* buffer, std::size_t n, std::size_t required) const {
    if (!Contains(offset, required)) ThrowCorruptDictionary("compiled dictionary: read past the end of the file");
    std::size_t const available = static_cast<std::size_t>(std::min<uint64_t>(n, fFile->size - offset));
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::memset(bytes + available, 0, n - available);
    Read(offset, bytes, available);
}

uint32_t CompiledFileAccess::ReadUInt32(uint64_t offset) const {
    uint8_t bytes[4];
    Read(offset, bytes, sizeof bytes);
    return GetLE32(bytes);
}

std::string CompiledFileAccess::ReadString(uint64_t offset) const {
    char bytes[kStringReadSize];
    if (!Contains(offset, 1)) ThrowCorruptDictionary("compiled dictionary: string past the end of the file");
    std::size_t const available = static_cast<std::size_t>(std::min<uint64_t>(kStringReadSize, fFile->size - offset));
    {
        AutoCriticalSection locked(fFile->lock);
        Read(offset, bytes, available);
    }
    auto const* nul = static_cast<char const*>(std::memchr(bytes, '\0', available));
    if (nul == nullptr && available < kStringReadSize) ThrowCorruptDictionary("compiled dictionary: string cut short");
    return std::string(bytes, nul != nullptr ? static_cast<std::size_t>(nul - bytes) : available);
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
