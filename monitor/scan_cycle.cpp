#include "monitor/scan_cycle.h"

#include <mutex>

#include "monitor/titles.h"
#include "text/texts.h"

std::atomic<std::int32_t> rename_count{0};

namespace {

constexpr std::int32_t kAfterListing = 20;
constexpr std::int32_t kAfterTitle = 10;
constexpr std::int32_t kPerUnitKept = 10;
constexpr std::int32_t kAfterRename = 10;
constexpr std::int32_t kEndOfFile = 200;
constexpr std::int32_t kBetweenPasses = 5000;

struct Paths {
  Text old_video, new_video, old_cover, new_cover;
};

enum class Outcome { renamed, failed, video_gone };

// The folder box is read anew for each path. Should the user change it midway,
// the paths would point into different folders: then nothing is moved.
bool build_paths(const MonitorOps& ops, const Text& name, const Text& title, const Text& new_title,
                 Paths& paths) {
  const Text extension = name.substr(title.size());
  Text folders[4];
  for (Text& folder : folders) folder = ops.read_directory_text();
  paths.old_video = folders[0] + "\\" + name;
  paths.new_video = folders[1] + "\\" + new_title + extension;
  paths.old_cover = folders[2] + "\\" + title + texts::picture_extension;
  paths.new_cover = folders[3] + "\\" + new_title + texts::picture_extension;
  return folders[0] == folders[1] && folders[1] == folders[2] && folders[2] == folders[3];
}

// Workers of this process move files one title at a time. Without this, two
// workers holding the same stale listing can both see their move of one video
// succeed (the second renames a file already renamed), and the one whose cover
// move then fails would pull the video back from its picture.
std::mutex g_move_lock;

// The video and its cover move together or not at all: a cover whose new
// name is taken keeps the video where it is, and a cover that cannot follow
// its video brings the video back.
Outcome move_video_and_cover(const MonitorOps& ops, const Paths& paths) {
  std::lock_guard<std::mutex> one_at_a_time(g_move_lock);
  if (!ops.path_exists(paths.old_video)) return Outcome::video_gone;
  const bool has_cover = ops.path_exists(paths.old_cover);
  if (has_cover && ops.path_exists(paths.new_cover)) return Outcome::failed;
  if (!ops.rename_checked(paths.old_video, paths.new_video)) return Outcome::failed;
  // A cover that vanished meanwhile has nothing left to pair with.
  if (has_cover && !ops.rename_checked(paths.old_cover, paths.new_cover) && ops.path_exists(paths.old_cover)) {
    ops.rename_checked(paths.new_video, paths.old_video);
    return Outcome::failed;
  }
  return Outcome::renamed;
}

Outcome shorten(const MonitorOps& ops, const Text& name, const Text& title, const Text& new_title) {
  Paths paths;
  const bool same_folder = build_paths(ops, name, title, new_title, paths);
  Outcome outcome = same_folder ? move_video_and_cover(ops, paths) : Outcome::failed;
  ops.wait(kAfterRename);
  ops.wait(kAfterRename);
  // Another worker may have renamed it first, or it was deleted: not ours to report.
  if (outcome == Outcome::failed && !ops.path_exists(paths.old_video)) outcome = Outcome::video_gone;
  return outcome;
}

std::int32_t add_rename() {
  // Wraps rather than overflowing, like every counter that is never reset.
  const auto before = static_cast<std::uint32_t>(rename_count.fetch_add(1));
  return static_cast<std::int32_t>(before + 1u);
}

void report(const MonitorOps& ops, Outcome outcome, const Text& name, const Text& new_title) {
  Text text;
  switch (outcome) {
    case Outcome::renamed:
      text = texts::renamed + decimal_text(add_rename());
      break;
    case Outcome::failed:
      text = texts::rename_failed;
      break;
    case Outcome::video_gone:
      return;
  }
  ops.set_report_text(text + texts::old_name + name + texts::new_name + new_title);
}

void process_file(const MonitorOps& ops, std::int32_t index, const Text& name, TextList& units) {
  ops.set_progress_text(decimal_text(index) + texts::checking + name);
  Text title;
  if (video_title(name, title)) {
    ops.wait(kAfterTitle);
    const std::int32_t count = split_characters(title, units);
    Text new_title;
    const std::int32_t limit = limit_value(ops.read_limit_text());
    // A limit below 1 (a cleared or half-typed box) would wipe every title.
    if (limit >= 1 && count > limit) {
      for (std::int32_t j = 0; j < limit; ++j) {
        new_title += units[static_cast<std::size_t>(j)];
        ops.wait(kPerUnitKept);
      }
      report(ops, shorten(ops, name, title, new_title), name, new_title);
    }
  }
  ops.wait(kEndOfFile);
  ops.dispatch_waiting_messages();
}

}  // namespace

void run_scan_pass(const MonitorOps& ops, TextList& names, TextList& units) {
  names.clear();
  units.clear();
  ops.list_videos(ops.read_directory_text(), names);
  ops.wait(kAfterListing);
  for (std::size_t i = 0; i < names.size(); ++i) {
    process_file(ops, static_cast<std::int32_t>(i + 1), names[i], units);
  }
  ops.set_progress_text(texts::pausing);
  ops.wait(kBetweenPasses);
}

void run_monitor_with(const MonitorOps& ops) {
  TextList names;
  TextList units;
  for (;;) run_scan_pass(ops, names, units);
}
