// Texts of the main window that are the program's own choice. The maker's
// name and addresses are placeholders until the program has a real home.
#pragma once

#include "text/text.h"

namespace app_texts {

inline const Text window_class = "MorvaneMainWindow";
// "Morvane", three blanks, then how to reach the maker (placeholder).
inline const Text caption = "Morvane   主页 https://morvane.example.org   联系 contact@example.org（示例）";
inline const Text link_caption = "morvane.example.org";
inline const Text link_address = "https://morvane.example.org";
inline const Text load_failed = "启动窗口载入失败，程序将退出。";

}  // namespace app_texts
