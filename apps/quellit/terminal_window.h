#pragma once
// The window drawn in a terminal: the text view's contents with every CR,
// LF or CR LF as one line break, the button's state, and, while a run talks
// to the companion programs, a progress bar on standard error when that is a
// terminal.
#include <cstdio>
#include <string>

#include "apps/quellit/converter_window.h"

namespace quellit {

// CR, LF and CR LF each become one "\n".
std::string NormalizeLineBreaks(std::string const& text);

class TerminalWindow : public ConverterWindow {
public:
    // quiet: draw nothing as it changes (scripts print the final text).
    TerminalWindow(std::FILE* screen, std::FILE* progressStream, bool quiet);

    void SetButtonEnabled(bool enabled) override;
    bool IsButtonEnabled() const override { return fButtonEnabled; }
    void SetProgressVisible(bool visible) override;
    void SetProgress(uint32_t done, uint32_t total) override;
    void SetText(std::string const& text) override;
    std::string Text() const override { return fText; }

    void Draw() const;

private:
    void DrawProgress(uint32_t done, uint32_t total) const;
    void ClearProgress() const;

    std::FILE* fScreen;
    std::FILE* fProgressStream;
    bool fQuiet;
    bool fProgressIsTerminal;
    bool fButtonEnabled = true;
    bool fProgressVisible = false;
    std::string fText;
};

}  // namespace quellit
