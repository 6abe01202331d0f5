// Start-up, the message loop and the start button's workers.
#pragma once

#include <windows.h>

// Runs the whole program on the process's first thread; returns the exit
// code: 0 after the window has closed, -1 when it could not be built.
int run_program();

// Starts one more monitor worker; the shell keeps no trace of it.
void on_start_clicked();

// A worker's start routine: runs the monitor until the process ends.
DWORD WINAPI monitor_thread_entry(LPVOID unused);
