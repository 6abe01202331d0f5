// An in-memory folder tree behind the directory search seam, with the
// system's wildcard matching, so listings run without a disk.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "fs/listing.h"

struct FakeNode {
  Text name;
  std::uint32_t attributes = 0;
  std::vector<FakeNode> children;
};

struct FakeSearch {
  std::vector<DirectoryEntry> entries;
  std::size_t next = 0;
};

// One drive, C:, which is also the current drive; its root is the current
// folder. No 8.3 aliases.
struct FakeDisk {
  FakeNode root{"C:", folder_attribute, {}};
  std::map<SearchHandle, FakeSearch> open_searches;
  SearchHandle last_handle = 0;
  TextList search_texts;  // every text find_first was given
  // A listing that runs away (into "." say) gets no more searches, so its
  // test ends quickly and fails instead of hanging.
  std::size_t search_budget = 10000;
  int pumps = 0;
};

// Adds a file or a folder at an absolute path whose parent exists.
bool fake_add(FakeDisk& disk, const Text& path, std::uint32_t attributes);

DirectorySearch fake_search(FakeDisk& disk);

// The system's wildcards: "*" any run of characters, "?" one character,
// letters without regard to case, and a final ".*" may also match nothing
// (so "*.*" matches every name).
bool wildcard_match(const Text& pattern, const Text& name);
