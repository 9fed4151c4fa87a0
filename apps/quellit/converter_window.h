#pragma once
// What the controller needs of its window: the convert button, the progress
// indicator and the text view.  The terminal draws one; tests record one.
#include <cstdint>
#include <string>

namespace quellit {

class ConverterWindow {
public:
    virtual ~ConverterWindow() = default;
    virtual void SetButtonEnabled(bool enabled) = 0;
    virtual bool IsButtonEnabled() const = 0;
    // Shown and animated while a run talks to the companion programs.
    virtual void SetProgressVisible(bool visible) = 0;
    // Entries read so far of the count; only while the progress is shown.
    virtual void SetProgress(uint32_t done, uint32_t total) = 0;
    // The text view's whole text, UTF-8.
    virtual void SetText(std::string const& text) = 0;
    virtual std::string Text() const = 0;
};

}  // namespace quellit
