#include "fs/list_files.h"
#include "fs/rename.h"
#include "monitor/run_monitor.h"
#include "monitor/scan_cycle.h"
#include "monitor/wait.h"
#include "monitor/window_ops.h"
#include "text/texts.h"

MonitorOps system_monitor_ops() {
  MonitorOps ops;
  ops.read_directory_text = read_directory_text;
  ops.read_limit_text = read_limit_text;
  ops.set_progress_text = set_progress_text;
  ops.set_report_text = set_report_text;
  ops.list_videos = [](const Text& folder, TextList& names) {
    list_files(folder, texts::video_pattern, names, false);
  };
  ops.rename_checked = rename_checked;
  ops.path_exists = path_exists;
  ops.wait = [](std::int32_t milliseconds) { wait_pumping(milliseconds); };
  ops.dispatch_waiting_messages = dispatch_waiting_messages;
  return ops;
}

void run_monitor() { run_monitor_with(system_monitor_ops()); }
