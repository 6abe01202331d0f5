// The listing cases run once over the in-memory tree and, on Windows, once
// over real temporary folders. A Disk is one fresh, empty folder to build in.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "fs/listing.h"

// FILE_ATTRIBUTE_READONLY, _HIDDEN and _SYSTEM.
inline constexpr std::uint32_t read_only_attribute = 0x1;
inline constexpr std::uint32_t hidden_attribute = 0x2;
inline constexpr std::uint32_t system_attribute = 0x4;

struct Disk {
  Text root;  // an absolute path with a drive letter, no separator at its end
  // Absolute paths; the parent must exist. Extra attributes on top of the
  // folder or normal ones.
  std::function<void(const Text& path, std::uint32_t attributes)> add_folder;
  std::function<void(const Text& path, std::uint32_t attributes)> add_file;
  DirectorySearch search;
  std::function<void()> remove;
};

struct DiskKind {
  const char* name;
  Disk (*make)();
};

inline std::ostream& operator<<(std::ostream& out, const DiskKind& kind) { return out << kind.name; }

class ListFiles : public ::testing::TestWithParam<DiskKind> {
 protected:
  void SetUp() override { disk = GetParam().make(); }
  void TearDown() override { disk.remove(); }

  void folder(const Text& relative, std::uint32_t attributes = 0) {
    disk.add_folder(disk.root + "\\" + relative, attributes);
  }
  void file(const Text& relative, std::uint32_t attributes = 0) {
    disk.add_file(disk.root + "\\" + relative, attributes);
  }
  std::int32_t list(const Text& folder, const Text& pattern, TextList& names, bool with_path = false,
                    bool sorted = false, bool recurse = false) {
    return list_files_over(disk.search, folder, pattern, names, with_path, sorted, recurse);
  }

  Disk disk;
};
