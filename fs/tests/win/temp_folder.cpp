#include "fs/tests/win/temp_folder.h"

#include <windows.h>

#include <atomic>

#include "fs/listing.h"

Text make_temp_folder() {
  static std::atomic<int> counter{0};
  char base[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(sizeof base, base);
  EXPECT_GT(length, 0u);
  const Text folder = Text(base, length) + "morvane-fs-" + std::to_string(GetCurrentProcessId()) + "-" +
                      std::to_string(GetTickCount()) + "-" + std::to_string(++counter);
  EXPECT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder;
  return folder;
}

void remove_tree(const Text& folder) {
  WIN32_FIND_DATAA data{};
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const Text name = data.cFileName;
      if (name == "." || name == "..") continue;
      const Text path = folder + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        remove_tree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &data));
    FindClose(search);
  }
  SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
  RemoveDirectoryA(folder.c_str());
}

bool write_file(const Text& path, const Text& content) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
                  written == content.size();
  CloseHandle(file);
  return ok;
}

bool read_file(const Text& path, Text& content) {
  const HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  char buffer[256];
  DWORD read = 0;
  content.clear();
  bool ok = true;
  while ((ok = ReadFile(file, buffer, sizeof buffer, &read, nullptr)) && read > 0)
    content.append(buffer, read);
  CloseHandle(file);
  return ok;
}

namespace {

// Sets the extra attributes and checks that the file system kept them, so a
// case about hidden or system files really has one.
void set_attributes(const Text& path, std::uint32_t attributes) {
  if (attributes == 0) return;
  const DWORD before = GetFileAttributesA(path.c_str());
  ASSERT_NE(before, INVALID_FILE_ATTRIBUTES) << path;
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), (before & ~FILE_ATTRIBUTE_NORMAL) | attributes)) << path;
  EXPECT_EQ(GetFileAttributesA(path.c_str()) & attributes, attributes) << path;
}

}  // namespace

Disk make_real_disk() {
  const Text root = make_temp_folder();
  return {
      root,
      [](const Text& path, std::uint32_t attributes) {
        ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path;
        set_attributes(path, attributes);
      },
      [](const Text& path, std::uint32_t attributes) {
        ASSERT_TRUE(write_file(path, "x")) << path;
        set_attributes(path, attributes);
      },
      system_directory_search(),
      [root] { remove_tree(root); },
  };
}
