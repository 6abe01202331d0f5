// Starts morvane.exe on a Wine virtual desktop of a chosen size and drives it
// through the system, as a user would: keys through SendInput, clicks posted
// to the controls, texts read back with WM_GETTEXT.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "text/text.h"

struct RunningProgram {
  HANDLE desktop_host = nullptr;  // explorer.exe /desktop=..., which starts the program
  HANDLE process = nullptr;
  DWORD process_id = 0;
  DWORD thread_id = 0;  // the program's user-interface thread
  HWND window = nullptr;
};

// Folder holding the test program (and morvane.exe beside it).
Text test_program_folder();

// Starts the program on a new desktop of `width` x `height` named `desktop`
// and moves the calling thread there, so that its input reaches the program.
// The calling thread must own no window. `working_folder` is the current
// folder the program is started in (nullptr: ours). False on failure.
bool start_program(const Text& desktop, int width, int height, RunningProgram& program,
                   const char* working_folder = nullptr);

// Ends whatever is still running of the program and its desktop host.
void stop_program(RunningProgram& program);

// Polls `condition` every 20 ms until it holds or `timeout_ms` passes.
bool wait_until(const std::function<bool()>& condition, DWORD timeout_ms);

// Threads of the process right now.
int thread_count(DWORD process_id);

// The window's text, read through the program's own thread.
Text text_of(HWND window);

// The control that has the program's keyboard focus (its identifier), or -1.
int focused_id(const RunningProgram& program);

// Keys through SendInput; `shift` holds Shift down around the key.
void press_key(WORD virtual_key, bool shift = false);
void type_text(const std::string& ascii);

// A left click in the middle of the control.
void click(HWND control);

// Names of the files (not folders) in `folder`, sorted by their bytes.
TextList file_names_in(const Text& folder);

// Waits for the process to end; its exit code, or -2 when it is still running.
long wait_for_exit(const RunningProgram& program, DWORD timeout_ms);
