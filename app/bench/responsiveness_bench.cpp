// How quickly the main window answers while eight workers run on one folder
// of 2,000 videos with their pictures (titles in GBK Chinese and ASCII, most
// over the limit, three to each shortened title so that many renames clash):
//   1. inside the program: the window operations the workers use, timed on a
//      thread of their own against the real main window, with the workers
//      started by eight clicks of its start button;
//   2. from outside: morvane.exe on a Wine virtual desktop, eight clicks, and
//      messages sent to its window from this process.
// The folder is %TEMP%\morvane-responsiveness; it is brought back to its
// original names before each part and left that way at the end.
// Usage: app_responsiveness_bench [samples] [interval_ms]   (default 2000, 10)
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "app/bench/figures.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/tests/driver.h"
#include "monitor/run_monitor.h"
#include "monitor/window_ops.h"
#include "text/texts.h"

namespace {

constexpr int kVideos = 2000;
constexpr int kWorkers = 8;
const Text kLimit = "8";

const char* const chinese_words[] = {"春节联欢晚会", "新闻联播",     "动物世界", "西游记",   "红楼梦",
                                     "三国演义",     "舌尖上的中国", "人与自然", "天气预报", "百家讲坛"};
const char* const english_words[] = {"Holiday", "Lecture",     "Concert", "Football",
                                     "Trailer", "Documentary", "Cooking", "Interview"};

Text padded(int value, std::size_t width) {
  Text digits = decimal_text(value);
  return Text(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

// At least eight characters that depend only on the group, its number first:
// every title of a group shortens to the same new title, and a folder listed
// in name order (as Windows and Wine list it) mixes the kinds of title from
// its first names on, so that renames and clashes start at once.
Text group_head(int group) {
  const Text number = padded(group, 3);
  const Text chinese = chinese_words[group % 10];
  const Text english = english_words[group % 8];
  switch (group % 3) {
    case 0:
      return number + chinese + english;
    case 1:
      return number + english + chinese;
    default:
      return number + " " + english.substr(0, 2) + chinese;
  }
}

// Three videos in four are over the limit, in groups of three; the fourth,
// one to a group, is short enough to be left alone.
TextList original_names() {
  TextList names;
  int long_titles = 0;
  for (int i = 0; i < kVideos; ++i) {
    Text title;
    if (i % 4 == 3) {
      title = padded((long_titles - 1) / 3, 3) + (i % 8 == 3 ? "短片" : "clip");
    } else {
      title =
          group_head(long_titles++ / 3) + " 第" + decimal_text(i) + "集 " + (i % 2 ? "高清版" : "HD 1080p");
    }
    names.push_back(title + ".mp4");
    names.push_back(title + ".jpg");
  }
  std::sort(names.begin(), names.end());
  return names;
}

Text sample_folder() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  return Text(temp) + "morvane-responsiveness";
}

// Brings the folder to exactly the original names: what the workers renamed
// goes, what they renamed away comes back. False when a file cannot be made.
bool restore_folder(const Text& folder, const TextList& originals) {
  CreateDirectoryA(folder.c_str(), nullptr);
  const TextList present = file_names_in(folder);
  TextList extra, missing;
  std::set_difference(present.begin(), present.end(), originals.begin(), originals.end(),
                      std::back_inserter(extra));
  std::set_difference(originals.begin(), originals.end(), present.begin(), present.end(),
                      std::back_inserter(missing));
  for (const Text& name : extra) DeleteFileA((folder + "\\" + name).c_str());
  for (const Text& name : missing) {
    HANDLE file = CreateFileA((folder + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
  }
  std::printf("folder %s: %d files kept, %d removed, %d made\n", folder.c_str(),
              static_cast<int>(present.size() - extra.size()), static_cast<int>(extra.size()),
              static_cast<int>(missing.size()));
  return true;
}

// Videos whose name is no longer one of the originals: titles shortened.
int renamed_videos(const Text& folder, const TextList& originals) {
  int count = 0;
  for (const Text& name : file_names_in(folder)) {
    if (name.size() > 4 && name.substr(name.size() - 4) == ".mp4" &&
        !std::binary_search(originals.begin(), originals.end(), name)) {
      ++count;
    }
  }
  return count;
}

// Waits until the process's thread count has stopped moving and returns it.
int settled_threads(DWORD process_id) {
  int count = thread_count(process_id);
  for (int same = 0; same < 5;) {
    Sleep(100);
    const int now = thread_count(process_id);
    same = now == count ? same + 1 : 0;
    count = now;
  }
  return count;
}

// The program's user-interface thread, played by a thread of this process.
struct UiThread {
  HANDLE built = nullptr;
  HWND window = nullptr;
  std::atomic<bool> loop_ended{false};
};

DWORD WINAPI run_ui_thread(LPVOID parameter) {
  auto* ui = static_cast<UiThread*>(parameter);
  ui->window = create_main_window(GetModuleHandleA(nullptr), on_start_clicked);
  SetEvent(ui->built);
  MSG message;
  while (ui->window && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (handle_window_key(ui->window, message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  ui->loop_ended = true;
  return 0;
}

// Counts the reports of renames refused (here: the new name was taken) that
// the workers write.
WNDPROC g_report_procedure = nullptr;
std::atomic<int> g_failed_reports{0};

bool starts_with(const char* text, const Text& head) { return Text(text).compare(0, head.size(), head) == 0; }

LRESULT CALLBACK counting_report_label(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SETTEXT && lparam &&
      starts_with(reinterpret_cast<const char*>(lparam), texts::rename_failed)) {
    ++g_failed_reports;
  }
  return CallWindowProcA(g_report_procedure, window, message, wparam, lparam);
}

double send_timed(HWND window, UINT message, WPARAM wparam, LPARAM lparam, int& timeouts) {
  DWORD_PTR result = 0;
  const double start = bench::now_ms();
  if (!SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, 5000, &result)) ++timeouts;
  return bench::now_ms() - start;
}

void print_timeouts(int timeouts) {
  if (timeouts)
    std::printf("  %d messages got no answer within 5000 ms (counted as what they took)\n", timeouts);
}

// Inside: the window operations against the real main window of this process.
bool inside_the_program(const Text& folder, int samples, int interval_ms) {
  std::printf("\n== inside the program: window operations from a thread of their own ==\n");
  UiThread ui;
  ui.built = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = CreateThread(nullptr, 0, run_ui_thread, &ui, 0, nullptr);
  WaitForSingleObject(ui.built, INFINITE);
  CloseHandle(ui.built);
  CloseHandle(thread);
  if (!ui.window) {
    std::printf("the main window could not be built\n");
    return false;
  }
  SetWindowTextA(GetDlgItem(ui.window, layout::id_directory_box), folder.c_str());
  SetWindowTextA(GetDlgItem(ui.window, layout::id_limit_box), kLimit.c_str());
  HWND report_label = GetDlgItem(ui.window, layout::id_report_label);
  g_report_procedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(report_label, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(counting_report_label)));
  const int idle = settled_threads(GetCurrentProcessId());
  for (int i = 0; i < kWorkers; ++i)
    SendMessageA(GetDlgItem(ui.window, layout::id_start_button), BM_CLICK, 0, 0);
  const int workers = settled_threads(GetCurrentProcessId()) - idle;
  std::printf("start clicks: %d, workers started: %d, limit %s\n", kWorkers, workers, kLimit.c_str());

  std::vector<double> read_limit, set_progress, both, null_message;
  int wrong_reads = 0, timeouts = 0;
  const Text progress = "1检测：基准测试的标题.mp4";
  const std::int32_t renames_before = rename_count.load();
  const int failed_before = g_failed_reports;
  const double start = bench::now_ms();
  for (int i = 0; i < samples; ++i) {
    const double t0 = bench::now_ms();
    if (read_limit_text() != kLimit) ++wrong_reads;
    const double t1 = bench::now_ms();
    set_progress_text(progress);
    const double t2 = bench::now_ms();
    read_limit.push_back(t1 - t0);
    set_progress.push_back(t2 - t1);
    both.push_back(t2 - t0);
    null_message.push_back(send_timed(ui.window, WM_NULL, 0, 0, timeouts));
    Sleep(static_cast<DWORD>(interval_ms));
  }
  const double seconds = (bench::now_ms() - start) / 1000;
  std::printf("%d samples over %.1f s, one every %d ms; meanwhile %d titles shortened, %d renames refused\n",
              samples, seconds, interval_ms, static_cast<int>(rename_count.load() - renames_before),
              g_failed_reports - failed_before);
  bench::print_header();
  bench::print_row("read_limit_text", read_limit);
  bench::print_row("set_progress_text", set_progress);
  bench::print_row("read_limit_text + set_progress_text", both);
  bench::print_row("SendMessageTimeout WM_NULL (other thread)", null_message);
  print_timeouts(timeouts);
  if (wrong_reads)
    std::printf("  %d reads of the limit box did not give \"%s\"\n", wrong_reads, kLimit.c_str());

  // The workers cannot be stopped, but once the window is gone they read an
  // empty folder and limit and so change nothing; give a move under way time
  // to finish before the folder is put back.
  PostMessageA(ui.window, WM_CLOSE, 0, 0);
  for (int i = 0; i < 500 && !ui.loop_ended; ++i) Sleep(10);
  Sleep(1000);
  return true;
}

// Outside: morvane.exe itself, answering messages from this process.
bool from_outside(const Text& folder, const TextList& originals, int samples, int interval_ms) {
  std::printf("\n== from another process: morvane.exe on a virtual desktop ==\n");
  RunningProgram program;
  const Text desktop = "morvane-bench-" + std::to_string(GetCurrentProcessId());
  if (!start_program(desktop, 1920, 1080, program)) {
    std::printf("morvane.exe could not be started on a virtual desktop\n");
    stop_program(program);
    return false;
  }
  HWND directory_box = GetDlgItem(program.window, layout::id_directory_box);
  HWND limit_box = GetDlgItem(program.window, layout::id_limit_box);
  click(directory_box);
  type_text(folder);
  if (text_of(directory_box) != folder) {
    // Keys carry ASCII only; a folder with other characters is set directly.
    SendMessageTimeoutA(directory_box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(folder.c_str()), SMTO_NORMAL,
                        5000, nullptr);
  }
  click(limit_box);
  SendMessageTimeoutA(limit_box, EM_SETSEL, 0, -1, SMTO_NORMAL, 5000, nullptr);
  type_text(kLimit);
  if (text_of(directory_box) != folder || text_of(limit_box) != kLimit) {
    std::printf("the folder or the limit could not be typed in\n");
    stop_program(program);
    return false;
  }
  const int idle = settled_threads(program.process_id);
  for (int i = 0; i < kWorkers; ++i) click(GetDlgItem(program.window, layout::id_start_button));
  const int workers = settled_threads(program.process_id) - idle;
  std::printf("start clicks: %d, workers started: %d, limit %s\n", kWorkers, workers, kLimit.c_str());

  std::vector<double> null_message, get_text;
  int timeouts = 0;
  const double start = bench::now_ms();
  for (int i = 0; i < samples; ++i) {
    null_message.push_back(send_timed(program.window, WM_NULL, 0, 0, timeouts));
    char buffer[64];
    get_text.push_back(
        send_timed(limit_box, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer), timeouts));
    Sleep(static_cast<DWORD>(interval_ms));
  }
  const double seconds = (bench::now_ms() - start) / 1000;
  const bool alive = WaitForSingleObject(program.process, 0) == WAIT_TIMEOUT;
  stop_program(program);
  Sleep(500);  // the ended process's last move, if any, is done
  std::printf("%d samples over %.1f s, one every %d ms; titles shortened meanwhile: %d%s\n", samples, seconds,
              interval_ms, renamed_videos(folder, originals), alive ? "" : " (morvane.exe ENDED early)");
  bench::print_header();
  bench::print_row("SendMessageTimeout WM_NULL (main window)", null_message);
  bench::print_row("SendMessageTimeout WM_GETTEXT (limit box)", get_text);
  print_timeouts(timeouts);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
  const int interval_ms = argc > 2 ? std::max(0, std::atoi(argv[2])) : 10;
  const Text folder = sample_folder();
  const TextList originals = original_names();
  std::printf("%d videos with their pictures, %d workers, %d samples one every %d ms\n", kVideos, kWorkers,
              samples, interval_ms);

  // In this order: a process that has used a virtual desktop cannot build
  // windows of its own once that desktop is gone.
  bool ok = restore_folder(folder, originals) && inside_the_program(folder, samples, interval_ms);
  ok = restore_folder(folder, originals) && from_outside(folder, originals, samples, interval_ms) && ok;
  restore_folder(folder, originals);
  std::fflush(stdout);
  // The workers started inside still run; ending the process stops them before
  // any static destructor could run under them.
  ExitProcess(ok ? 0 : 1);
}
