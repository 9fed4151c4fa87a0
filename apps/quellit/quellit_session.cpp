#include "apps/quellit/quellit_session.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "apps/quellit/terminal_window.h"

namespace quellit {

namespace {

volatile sig_atomic_t gInterrupted = 0;

void OnInterrupt(int) { gInterrupted = 1; }

// SIGINT and SIGTERM interrupt a blocked read (no SA_RESTART), so that the
// loop sees the flag and quits in order.
void CatchInterrupts() {
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

enum class Command { kPress, kQuit, kNothing };

// One line of input; the end of input or an interrupt is a quit.
Command ReadCommand(int fd) {
    std::string line;
    for (;;) {
        if (gInterrupted) return Command::kQuit;
        char c;
        ssize_t const n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return Command::kQuit;
        if (c == '\n') break;
        line += c;
    }
    if (line == "q" || line == "Q") return Command::kQuit;
    if (line.empty()) return Command::kPress;
    return Command::kNothing;
}

}  // namespace

int RunSession(SessionOptions const& options, ControllerServices services, std::FILE* input, std::FILE* screen,
               std::FILE* progressStream) {
    TerminalWindow window(screen, progressStream, options.convertOnce);
    UDCAppController controller(window, std::move(services));
    controller.applicationWillFinishLaunching();

    int status = 0;
    if (options.convertOnce) {
        controller.doConvert();
        std::fprintf(screen, "%s\n", NormalizeLineBreaks(window.Text()).c_str());
        // Refused lines are part of a completed run; anything that kept
        // entries from being converted is not.
        status = controller.runCompleted() ? 0 : 1;
    } else {
        CatchInterrupts();
        window.Draw();
        for (;;) {
            Command const command = ReadCommand(::fileno(input));
            if (command == Command::kQuit) break;
            if (command == Command::kPress) controller.doConvert();
        }
    }
    controller.applicationShouldTerminate();
    return status;
}

}  // namespace quellit
