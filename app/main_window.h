// The program's one window: its controls, its keys and its handle for workers.
#pragma once

#include <windows.h>

#include "app/layout.h"

// Builds the main window centred on the primary screen and shows it; nullptr
// when it cannot be built. `on_start` runs for every click of the start button.
HWND create_main_window(HINSTANCE instance, void (*on_start)());

// Looks at a message taken from the queue before it is dispatched and acts on
// the window's own keys (Esc, Tab, Shift+Tab, Enter, F1). True when the message
// was one of them and must not be dispatched.
bool handle_window_key(HWND main_window, const MSG& message);

// A control for the workers, or nullptr once the main window is being
// destroyed (or before it exists). Callable from any thread; never blocks.
HWND worker_control(layout::Id id);
