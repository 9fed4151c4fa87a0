// Serving events: listen on this process's socket in the runtime folder and
// answer events one at a time on the calling thread.  A sender may keep its
// connection open for further events, so several connections are watched;
// frames and replies move as far as each socket lets them without waiting,
// so that a sender that stalls mid-frame holds up nobody else.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/apple_events.h"
#include "platform/event_connection.h"
#include "platform/process_list_registry.h"
#include "platform/runtime_folder.h"
#include "platform/socket_io.h"

namespace platform {

namespace {

// A frame or reply under way that moves no byte for this long is given up,
// with its connection.
constexpr auto kStallLimit = std::chrono::milliseconds(10000);
// What a reply still going out when the server ends may take to leave.
constexpr auto kFinalFlushLimit = std::chrono::milliseconds(2000);
// Connections kept open at most; the one idle longest goes first.
constexpr std::size_t kMaxConnections = 32;
constexpr AEEventClass kReplyEventClass = FourCC("aevt");
constexpr AEEventID kReplyEventID = FourCC("ansr");

volatile sig_atomic_t gStopSignalled = 0;

void NoteStopSignal(int) { gStopSignalled = 1; }

// SIGTERM and SIGINT are blocked except while the loop waits, so that they
// are seen either before a wait or inside it, never lost in between.  The
// previous dispositions come back when the loop ends.
class StopSignals {
public:
    StopSignals() {
        gStopSignalled = 0;
        struct sigaction action {};
        action.sa_handler = NoteStopSignal;
        sigemptyset(&action.sa_mask);
        sigaction(SIGTERM, &action, &fPreviousTerm);
        sigaction(SIGINT, &action, &fPreviousInt);
        sigset_t stops;
        sigemptyset(&stops);
        sigaddset(&stops, SIGTERM);
        sigaddset(&stops, SIGINT);
        sigprocmask(SIG_BLOCK, &stops, &fPreviousMask);
        fWaitMask = fPreviousMask;
        sigdelset(&fWaitMask, SIGTERM);
        sigdelset(&fWaitMask, SIGINT);
    }
    ~StopSignals() {
        sigprocmask(SIG_SETMASK, &fPreviousMask, nullptr);
        sigaction(SIGTERM, &fPreviousTerm, nullptr);
        sigaction(SIGINT, &fPreviousInt, nullptr);
    }
    StopSignals(StopSignals const&) = delete;
    StopSignals& operator=(StopSignals const&) = delete;
    sigset_t const* WaitMask() const { return &fWaitMask; }
    bool Signalled() const { return gStopSignalled != 0; }

private:
    struct sigaction fPreviousTerm {};
    struct sigaction fPreviousInt {};
    sigset_t fPreviousMask{};
    sigset_t fWaitMask{};
};

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fFd(fd) {}
    ~FileDescriptor() {
        if (fFd >= 0) close(fFd);
    }
    FileDescriptor(FileDescriptor const&) = delete;
    FileDescriptor& operator=(FileDescriptor const&) = delete;
    int fd() const { return fFd; }

private:
    int fFd;
};

// The listening socket and the registration that announces it; both go
// when this goes.
class Listener {
public:
    Listener(std::string folder, std::string const& bundleFileName)
        : fFolder(std::move(folder)), fSocket(socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)) {
        std::string const path = SocketPath(fFolder, getpid());
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (fSocket.fd() < 0 || path.size() >= sizeof address.sun_path) return;
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        unlink(path.c_str());  // left by an earlier holder of our process id
        if (bind(fSocket.fd(), reinterpret_cast<sockaddr const*>(&address), sizeof address) != 0) return;
        fBound = true;
        fReady = listen(fSocket.fd(), SOMAXCONN) == 0 && WriteRegistration(fFolder, bundleFileName);
    }
    ~Listener() {
        if (fBound) RemoveRegistration(fFolder, getpid());
    }
    Listener(Listener const&) = delete;
    Listener& operator=(Listener const&) = delete;
    bool Ready() const { return fReady; }
    int fd() const { return fSocket.fd(); }

private:
    std::string fFolder;
    FileDescriptor fSocket;
    bool fBound = false;
    bool fReady = false;
};

// A bundle file name becomes one line of the registration and names no
// other folder.
bool IsPlainFileName(std::string const& name) {
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\n\r", 0) == std::string::npos &&
           name.find('\0') == std::string::npos;
}

// Takes one waiting connection off the listener; a peer of another user is
// closed at once.
void AcceptOne(Listener const& listener, std::vector<EventConnection>* connections) {
    int const fd = accept4(listener.fd(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) return;
    pid_t const sender = SameUserPeer(fd);
    if (sender == 0) {
        close(fd);
        return;
    }
    if (connections->size() >= kMaxConnections) connections->erase(connections->begin());
    connections->emplace_back(fd, sender);
}

// How long the loop may wait: until the first frame or reply under way
// would count as stalled; forever when none is.
timespec const* WaitLimit(std::vector<EventConnection> const& connections, timespec* storage) {
    auto earliest = EventConnection::Clock::time_point::max();
    for (EventConnection const& connection : connections) {
        earliest = std::min(earliest, connection.StallTime(kStallLimit));
    }
    if (earliest == EventConnection::Clock::time_point::max()) return nullptr;
    auto const left =
        std::max(std::chrono::duration_cast<std::chrono::milliseconds>(earliest - EventConnection::Clock::now()),
                 std::chrono::milliseconds(0));
    storage->tv_sec = static_cast<time_t>(left.count() / 1000);
    storage->tv_nsec = static_cast<long>(left.count() % 1000) * 1000000L;
    return storage;
}

}  // namespace

AppleEventManager& AppleEventManager::Shared() {
    static AppleEventManager manager;
    return manager;
}

void AppleEventManager::SetEventHandler(AEEventClass eventClass, AEEventID eventID, Handler handler) {
    for (HandlerEntry& entry : fHandlers) {
        if (entry.eventClass == eventClass && entry.eventID == eventID) {
            entry.handler = std::move(handler);
            return;
        }
    }
    fHandlers.push_back(HandlerEntry{eventClass, eventID, std::move(handler)});
}

void AppleEventManager::Terminate() { fTerminateRequested = true; }

AppleEvent AppleEventManager::Dispatch(AppleEvent const& event, pid_t sender) {
    AppleEvent reply;
    reply.eventClass = kReplyEventClass;
    reply.eventID = kReplyEventID;
    reply.target = ProcessSerialNumber{0, static_cast<uint32_t>(sender)};
    reply.returnID = event.returnID;
    reply.transactionID = event.transactionID;
    for (HandlerEntry const& entry : fHandlers) {
        if (entry.eventClass != event.eventClass || entry.eventID != event.eventID) continue;
        try {
            entry.handler(event, &reply);
        } catch (...) {
            // Whatever the handler left half-made is not an answer.
            reply.parameters.clear();
            reply.PutParam(keyErrorNumber, AEMakeLongDesc(errAEEventFailed));
        }
        return reply;
    }
    reply.PutParam(keyErrorNumber, AEMakeLongDesc(errAEEventNotHandled));
    return reply;
}

bool AppleEventManager::Advance(EventConnection& connection) {
    using Step = EventConnection::Step;
    if (connection.WantedEvents() == POLLOUT) return connection.WriteSome() != Step::kDrop;
    Step const step = connection.ReadSome();
    if (step != Step::kFrameReady) return step != Step::kDrop;
    AppleEvent event;
    std::string const frame = connection.TakeFrame();
    if (!AEDecodeEvent(frame.data(), frame.size(), &event)) return false;
    // A sender that asked for no reply has closed already; the failed write
    // ends that connection and nothing else.
    return connection.Reply(AEEncodeEvent(Dispatch(event, connection.Sender()))) != Step::kDrop;
}

int AppleEventManager::Run(std::string const& bundleFileName) {
    fTerminateRequested = false;
    std::string const folder = RuntimeFolder();
    if (folder.empty() || !IsPlainFileName(bundleFileName)) return errAERegistrationFailed;
    StopSignals stops;
    Listener listener(folder, bundleFileName);
    if (!listener.Ready()) return errAERegistrationFailed;
    std::vector<EventConnection> connections;
    std::vector<pollfd> watched;
    while (!fTerminateRequested && !stops.Signalled()) {
        watched.assign(1, pollfd{listener.fd(), POLLIN, 0});
        for (EventConnection const& connection : connections) {
            watched.push_back({connection.fd(), connection.WantedEvents(), 0});
        }
        timespec limit{};
        int const ready = ppoll(watched.data(), watched.size(), WaitLimit(connections, &limit), stops.WaitMask());
        if (ready < 0 && errno != EINTR) break;
        // Connections first, oldest first; each ready one moves one step.
        auto const now = EventConnection::Clock::now();
        std::size_t kept = 0;
        for (std::size_t i = 0; i < connections.size(); ++i) {
            bool keep = true;
            if (!fTerminateRequested && ready > 0 && watched[i + 1].revents != 0) keep = Advance(connections[i]);
            if (keep && connections[i].StallTime(kStallLimit) <= now) keep = false;
            if (keep) connections[kept++] = std::move(connections[i]);
        }
        connections.erase(connections.begin() + static_cast<std::ptrdiff_t>(kept), connections.end());
        if (!fTerminateRequested && ready > 0 && (watched[0].revents & POLLIN) != 0) {
            AcceptOne(listener, &connections);
        }
    }
    // Replies already made still go out.
    for (EventConnection& connection : connections) connection.Flush(kFinalFlushLimit);
    fTerminateRequested = false;
    return noErr;
}

}  // namespace platform
