// Sending an event to the target's socket.  A connection whose exchange
// went well is kept for the next event to the same program, which spares a
// connect, a peer check and a close per event; any trouble closes it.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <pthread.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

#include "platform/ae_frame.h"
#include "platform/apple_events.h"
#include "platform/process_list_registry.h"
#include "platform/runtime_folder.h"
#include "platform/socket_io.h"

namespace platform {

namespace {

constexpr long kDefaultTimeoutTicks = 3600;
constexpr auto kConnectRetry = std::chrono::milliseconds(2);

Deadline DeadlineOfTicks(long ticks) {
    if (ticks == kNoTimeOut) return Deadline::Never();
    if (ticks <= 0) ticks = kDefaultTimeoutTicks;
    long long const milliseconds = static_cast<long long>(ticks) * 1000 / 60;
    return Deadline::After(std::chrono::milliseconds(milliseconds));
}

int32_t NextReturnID() {
    static std::atomic<int32_t> next{1};
    int32_t id = next.fetch_add(1);
    if (id <= 0) {  // wrapped: stay clear of the reserved negative values
        next.store(2);
        id = 1;
    }
    return id;
}

// A scoped file descriptor.
class Socket {
public:
    Socket() : fFd(socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)) {}
    explicit Socket(int fd) : fFd(fd) {}
    ~Socket() {
        if (fFd >= 0) close(fFd);
    }
    Socket(Socket const&) = delete;
    Socket& operator=(Socket const&) = delete;
    Socket& operator=(Socket&& other) noexcept {
        if (this != &other) {
            if (fFd >= 0) close(fFd);
            fFd = other.Release();
        }
        return *this;
    }
    int fd() const { return fFd; }
    int Release() {
        int const fd = fFd;
        fFd = -1;
        return fd;
    }

private:
    int fFd;
};

// Open connections by target process, for this process only: a forked
// child must not talk over its parent's connections.
class ConnectionCache {
public:
    ConnectionCache() {
        pthread_atfork(nullptr, nullptr, [] { sForked = true; });
    }

    // A kept connection to the target; -1 when there is none.  One the
    // server has let go shows when the event is written to it.
    int Take(pid_t target) {
        std::lock_guard<std::mutex> lock(fMutex);
        ForgetAfterFork();
        auto const found = fConnections.find(target);
        if (found == fConnections.end()) return -1;
        int const fd = found->second;
        fConnections.erase(found);
        return fd;
    }

    void Keep(pid_t target, int fd) {
        std::lock_guard<std::mutex> lock(fMutex);
        ForgetAfterFork();
        if (fConnections.size() >= kMaxKept) {
            close(fConnections.begin()->second);
            fConnections.erase(fConnections.begin());
        }
        fConnections.emplace(target, fd);
    }

private:
    static constexpr std::size_t kMaxKept = 16;
    static inline std::atomic<bool> sForked{false};

    void ForgetAfterFork() {
        if (!sForked.exchange(false)) return;
        for (auto const& entry : fConnections) close(entry.second);
        fConnections.clear();
    }

    std::mutex fMutex;
    std::multimap<pid_t, int> fConnections;
};

ConnectionCache& KeptConnections() {
    static ConnectionCache* const cache = new ConnectionCache;  // outlives every static that might send
    return *cache;
}

// noErr once connected to the target program itself (the same user's
// process with the target's id); a full listen queue is waited out.
int ConnectToProgram(Socket const& socket, pid_t pid, Deadline const& deadline) {
    std::string const folder = RuntimeFolder();
    if (folder.empty() || socket.fd() < 0) return procNotFound;
    std::string const path = SocketPath(folder, pid);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) return procNotFound;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    for (;;) {
        if (connect(socket.fd(), reinterpret_cast<sockaddr const*>(&address), sizeof address) == 0) break;
        if (errno == EINTR) continue;
        if (errno != EAGAIN) return procNotFound;
        if (!deadline.IsNever() && deadline.Remaining().count() == 0) return errAETimeout;
        std::this_thread::sleep_for(kConnectRetry);
    }
    return SameUserPeer(socket.fd()) == pid ? noErr : procNotFound;
}

int StatusOf(IOStatus status) {
    switch (status) {
        case IOStatus::kDone:
            return noErr;
        case IOStatus::kTimedOut:
            return errAETimeout;
        case IOStatus::kClosed:
            return connectionInvalid;
        case IOStatus::kBadFrame:
            return errAEReplyNotValid;
    }
    return connectionInvalid;
}

}  // namespace

int AESend(AppleEvent const& event, AppleEvent* reply, int32_t sendMode, int32_t /*priority*/, long timeOutInTicks) {
    ProcessSerialNumber const target = event.target;
    if (IsNoProcess(target) || target.highLongOfPSN != 0 || target.lowLongOfPSN > static_cast<uint32_t>(INT_MAX)) {
        return procNotFound;
    }
    Deadline const deadline = DeadlineOfTicks(timeOutInTicks);

    AppleEvent sent = event;
    if (sent.returnID == kAutoGenerateReturnID) sent.returnID = NextReturnID();
    std::string const frame = AEEncodeEvent(sent);
    if (frame.size() - kFrameHeaderSize > kMaxFramePayload) return errAEEventFailed;

    pid_t const pid = static_cast<pid_t>(target.lowLongOfPSN);
    Socket socket(KeptConnections().Take(pid));
    int status = noErr;
    if (socket.fd() >= 0) {
        status = StatusOf(WriteAll(socket.fd(), frame, deadline, nullptr));
        // The server may have let the kept connection go just now: nothing
        // of the event reached it, so a new connection carries it.
        if (status == connectionInvalid) socket = Socket(-1);
    }
    if (socket.fd() < 0) {
        socket = Socket();
        status = ConnectToProgram(socket, pid, deadline);
        if (status != noErr) return status;
        status = StatusOf(WriteAll(socket.fd(), frame, deadline, nullptr));
    }
    // The reply mode is the low two bits; other bits are interaction flags.
    // A no-reply event's connection is not kept: the answer the server
    // writes anyway must not be read as the next event's.
    if (status != noErr || (sendMode & 3) != kAEWaitReply) return status;

    // The answer cannot be there yet: wait before the first read.
    std::string replyFrame;
    status = StatusOf(WaitReadable(socket.fd(), deadline, nullptr));
    if (status == noErr) status = StatusOf(ReadFrame(socket.fd(), deadline, nullptr, &replyFrame));
    if (status != noErr) return status;
    AppleEvent decoded;
    if (!AEDecodeEvent(replyFrame.data(), replyFrame.size(), &decoded) || decoded.returnID != sent.returnID) {
        return errAEReplyNotValid;
    }
    KeptConnections().Keep(pid, socket.Release());
    if (reply != nullptr) *reply = std::move(decoded);
    return noErr;
}

}  // namespace platform
