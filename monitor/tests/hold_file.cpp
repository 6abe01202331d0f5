// Holds a file open as a video player would (reading, no delete sharing) until
// told to let go, so that the tests can see a rename fail because of another
// process. Usage: hold_file <path> <ready event> <release event>
#include <windows.h>

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  HANDLE file = CreateFileA(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
  HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, argv[3]);
  if (file == INVALID_HANDLE_VALUE || !ready || !release) return 1;
  SetEvent(ready);
  WaitForSingleObject(release, 120000);
  CloseHandle(file);
  return 0;
}
