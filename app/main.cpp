#include <windows.h>

#include "app/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // Workers are still running wherever they stand. Returning from WinMain
  // would run the static destructors under them (the program's texts among
  // them); ending the process here stops every thread first.
  ExitProcess(static_cast<UINT>(run_program()));
}
