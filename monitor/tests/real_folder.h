// A real temporary folder and a worker's pass over it, with the real listing
// and renames and a window that only remembers what it was shown.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "fs/list_files.h"
#include "fs/rename.h"
#include "fs/tests/win/temp_folder.h"
#include "monitor/scan_cycle.h"
#include "text/texts.h"

class RealFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = make_temp_folder();
    directory_text_ = folder_;
  }
  void TearDown() override { remove_tree(folder_); }

  Text path(const Text& name) const { return folder_ + "\\" + name; }
  // Each file holds its own first name, so a lost or swapped file shows.
  void make(const Text& name) const { ASSERT_TRUE(write_file(path(name), name)) << name; }
  Text content(const Text& name) const {
    Text data;
    return read_file(path(name), data) ? data : "<missing>";
  }
  TextList listing() const {
    TextList names;
    list_files(folder_, "*", names, false, true);
    return names;
  }
  MonitorOps ops(const Text& limit) {
    MonitorOps o;
    o.read_directory_text = [this] { return directory_text_; };
    o.read_limit_text = [limit] { return limit; };
    o.set_progress_text = [this](const Text& text) { progress_ = text; };
    o.set_report_text = [this](const Text& text) { reports_.push_back(text); };
    o.list_videos = [](const Text& folder, TextList& names) { list_files(folder, texts::video_pattern, names); };
    o.rename_checked = rename_checked;
    o.path_exists = path_exists;
    o.wait = [](std::int32_t) {};
    o.dispatch_waiting_messages = [] {};
    return o;
  }
  void pass(const Text& limit) {
    TextList names, units;
    run_scan_pass(ops(limit), names, units);
  }
  bool last_report_starts_with(const Text& head) const {
    return !reports_.empty() && reports_.back().rfind(head, 0) == 0;
  }

  Text folder_;
  Text directory_text_;
  Text progress_;
  TextList reports_;
};
