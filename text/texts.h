// The program's own texts. The source is UTF-8 and the compiler turns every
// literal into GBK bytes, so each of these is what the user sees on screen.
#pragma once

#include "text/text.h"

namespace texts {

// Scan cycle.
inline const Text video_pattern = "*.mp4";
inline const Text video_extension = ".mp4";
inline const Text picture_extension = ".jpg";
inline const Text checking = "检测：";
inline const Text pausing = "5秒后进入下一次检测";
inline const Text renamed = "已修改";
inline const Text rename_failed = "修改失败";
inline const Text old_name = "   \r\n原内容：";
inline const Text new_name = "\r\n修改后";

// Main window.
inline const Text directory_caption = "目录：";
inline const Text limit_caption = "最长字数：";
inline const Text initial_limit = "30";
inline const Text start_button = "开启监控修改";
inline const Text watch_option = "监控mp4和jpg图片";
inline const Text report_initial = "标签";
inline const Text progress_initial =
    "把目录里面的歌曲和截图视频文件，修改为30字（自定义）以内\r\n\r\n填写视频文件夹路径即可。\r\n\r\n";

}  // namespace texts
