#pragma once
// The front end's main loop in a terminal: Enter presses the convert button
// (ignored while it is disabled); "q", the end of input or an interrupt
// quits through the controller, which asks the companion programs to quit.
// With convertOnce the button is pressed once at start and the program
// quits when the run ends, printing the window's final text.
#include <cstdio>

#include "apps/quellit/udc_app_controller.h"

namespace quellit {

struct SessionOptions {
    bool convertOnce = false;
};

// Exit status: 0, or 1 when a run pressed from convertOnce did not complete
// (it did not start, the converter did not open its dictionary or read the
// whole file, or entries could not be read).
int RunSession(SessionOptions const& options, ControllerServices services, std::FILE* input, std::FILE* screen,
               std::FILE* progressStream);

}  // namespace quellit
