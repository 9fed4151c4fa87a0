// The wire form of an event.  Payload: event class, event ID, return ID,
// transaction ID, target (high, low), parameter count, then each parameter
// as keyword and descriptor.  Descriptor: type, then for a 'list' its item
// count and items, for any other type its byte count and bytes.  Integers
// are big-endian; a descriptor's bytes go as they are.
#include <cstring>

#include "platform/ae_frame.h"
#include "platform/apple_events.h"

namespace platform {

namespace {

constexpr int kMaxListDepth = 32;
// Events carry a handful of parameters; the cap keeps a hostile frame from
// making the duplicate check quadratic.
constexpr uint32_t kMaxParameters = 256;
// The smallest encoded descriptor: a type and a 4-byte item count.
constexpr std::size_t kMinDescriptorSize = 8;

class Writer {
public:
    explicit Writer(std::string* out) : fOut(out) {}
    void U32(uint32_t value) { Bytes(value, 4); }
    void U64(uint64_t value) { Bytes(value, 8); }
    void Raw(std::string const& bytes) { fOut->append(bytes); }

private:
    void Bytes(uint64_t value, int count) {
        for (int i = count - 1; i >= 0; --i) fOut->push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
    std::string* fOut;
};

// Every read checks what is left first, so no length in the input can make
// it read past the end or allocate more than the input holds.
class Reader {
public:
    Reader(char const* bytes, std::size_t size) : fBytes(bytes), fLeft(size) {}
    std::size_t Left() const { return fLeft; }
    bool U32(uint32_t* value) {
        uint64_t wide = 0;
        if (!Bytes(4, &wide)) return false;
        *value = static_cast<uint32_t>(wide);
        return true;
    }
    bool U64(uint64_t* value) { return Bytes(8, value); }
    bool Raw(uint64_t count, std::string* out) {
        if (count > fLeft) return false;
        out->assign(fBytes, static_cast<std::size_t>(count));
        Skip(static_cast<std::size_t>(count));
        return true;
    }

private:
    bool Bytes(std::size_t count, uint64_t* value) {
        if (count > fLeft) return false;
        uint64_t result = 0;
        for (std::size_t i = 0; i < count; ++i) result = (result << 8) | static_cast<unsigned char>(fBytes[i]);
        Skip(count);
        *value = result;
        return true;
    }
    void Skip(std::size_t count) {
        fBytes += count;
        fLeft -= count;
    }
    char const* fBytes;
    std::size_t fLeft;
};

void EncodeDesc(Writer& out, AEDesc const& desc) {
    out.U32(desc.descriptorType);
    if (desc.descriptorType == typeAEList) {
        out.U32(static_cast<uint32_t>(desc.items.size()));
        for (AEDesc const& item : desc.items) EncodeDesc(out, item);
    } else {
        out.U64(desc.data.size());
        out.Raw(desc.data);
    }
}

bool DecodeDesc(Reader& in, int depth, AEDesc* desc) {
    if (!in.U32(&desc->descriptorType)) return false;
    if (desc->descriptorType != typeAEList) {
        uint64_t size = 0;
        return in.U64(&size) && in.Raw(size, &desc->data);
    }
    uint32_t count = 0;
    if (depth >= kMaxListDepth || !in.U32(&count) || count > in.Left() / kMinDescriptorSize) return false;
    for (uint32_t i = 0; i < count; ++i) {
        desc->items.emplace_back();
        if (!DecodeDesc(in, depth + 1, &desc->items.back())) return false;
    }
    return true;
}

void EncodePayload(Writer& out, AppleEvent const& event) {
    out.U32(event.eventClass);
    out.U32(event.eventID);
    out.U32(static_cast<uint32_t>(event.returnID));
    out.U32(static_cast<uint32_t>(event.transactionID));
    out.U32(event.target.highLongOfPSN);
    out.U32(event.target.lowLongOfPSN);
    out.U32(static_cast<uint32_t>(event.parameters.size()));
    for (auto const& parameter : event.parameters) {
        out.U32(parameter.first);
        EncodeDesc(out, parameter.second);
    }
}

bool DecodePayload(Reader& in, AppleEvent* event) {
    uint32_t returnID = 0, transactionID = 0, count = 0;
    if (!in.U32(&event->eventClass) || !in.U32(&event->eventID) || !in.U32(&returnID) || !in.U32(&transactionID) ||
        !in.U32(&event->target.highLongOfPSN) || !in.U32(&event->target.lowLongOfPSN) || !in.U32(&count) ||
        count > kMaxParameters) {
        return false;
    }
    event->returnID = static_cast<int32_t>(returnID);
    event->transactionID = static_cast<int32_t>(transactionID);
    for (uint32_t i = 0; i < count; ++i) {
        AEKeyword keyword = 0;
        AEDesc desc;
        if (!in.U32(&keyword) || event->FindParam(keyword) != nullptr || !DecodeDesc(in, 0, &desc)) return false;
        event->parameters.emplace_back(keyword, std::move(desc));
    }
    return in.Left() == 0;
}

}  // namespace

bool ParseFrameHeader(char const* header, uint64_t* payloadLength) {
    if (std::memcmp(header, kFrameMagic, sizeof kFrameMagic) != 0) return false;
    Reader in(header + sizeof kFrameMagic, kFrameHeaderSize - sizeof kFrameMagic);
    return in.U64(payloadLength) && *payloadLength <= kMaxFramePayload;
}

std::string AEEncodeEvent(AppleEvent const& event) {
    std::string payload;
    Writer payloadOut(&payload);
    EncodePayload(payloadOut, event);

    std::string frame(kFrameMagic, sizeof kFrameMagic);
    Writer frameOut(&frame);
    frameOut.U64(payload.size());
    frame += payload;
    return frame;
}

bool AEDecodeEvent(char const* bytes, std::size_t size, AppleEvent* event) {
    uint64_t payloadLength = 0;
    if (bytes == nullptr || size < kFrameHeaderSize || !ParseFrameHeader(bytes, &payloadLength) ||
        payloadLength != size - kFrameHeaderSize) {
        return false;
    }
    AppleEvent decoded;
    Reader in(bytes + kFrameHeaderSize, size - kFrameHeaderSize);
    if (!DecodePayload(in, &decoded)) return false;
    *event = std::move(decoded);
    return true;
}

}  // namespace platform
