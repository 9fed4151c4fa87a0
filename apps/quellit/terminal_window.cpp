#include "apps/quellit/terminal_window.h"

#include <unistd.h>

namespace quellit {

namespace {
constexpr int kBarWidth = 40;
}

std::string NormalizeLineBreaks(std::string const& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

TerminalWindow::TerminalWindow(std::FILE* screen, std::FILE* progressStream, bool quiet)
    : fScreen(screen),
      fProgressStream(progressStream),
      fQuiet(quiet),
      fProgressIsTerminal(progressStream && ::isatty(::fileno(progressStream))) {}

void TerminalWindow::SetButtonEnabled(bool enabled) {
    bool const changed = enabled != fButtonEnabled;
    fButtonEnabled = enabled;
    if (changed) Draw();
}

void TerminalWindow::SetProgressVisible(bool visible) {
    if (!visible && fProgressVisible) ClearProgress();
    fProgressVisible = visible;
}

void TerminalWindow::SetProgress(uint32_t done, uint32_t total) {
    if (fProgressVisible) DrawProgress(done, total);
}

void TerminalWindow::SetText(std::string const& text) {
    fText = text;
    Draw();
}

void TerminalWindow::Draw() const {
    if (fQuiet || !fScreen) return;
    std::string const shown = NormalizeLineBreaks(fText);
    std::fprintf(fScreen, "\n----------------------------------------\n%s%s", shown.c_str(),
                 shown.empty() || shown.back() == '\n' ? "" : "\n");
    std::fprintf(fScreen, "[ Convert ] %s\n",
                 fButtonEnabled ? "press Enter to convert, q to quit" : "(disabled)  q to quit");
    std::fflush(fScreen);
}

void TerminalWindow::DrawProgress(uint32_t done, uint32_t total) const {
    if (!fProgressIsTerminal || total == 0) return;
    // About 200 redraws a run are enough for the eye; a write per entry is not.
    uint32_t const step = total / 200 + 1;
    if (done % step != 0 && done != total) return;
    int const filled = static_cast<int>(static_cast<uint64_t>(done) * kBarWidth / total);
    std::fprintf(fProgressStream, "\r[%.*s%*s] %u/%u", filled, "########################################",
                 kBarWidth - filled, "", done, total);
    std::fflush(fProgressStream);
}

void TerminalWindow::ClearProgress() const {
    if (!fProgressIsTerminal) return;
    std::fprintf(fProgressStream, "\r%*s\r", kBarWidth + 24, "");
    std::fflush(fProgressStream);
}

}  // namespace quellit
