// The four requests through which monitor workers reach the main window.
// They are called on worker threads; the window's own thread answers them.
// After the window is gone they return at once: reads give the empty text.
#pragma once

#include "text/text.h"

Text read_directory_text();
Text read_limit_text();
void set_progress_text(const Text& text);
void set_report_text(const Text& text);
