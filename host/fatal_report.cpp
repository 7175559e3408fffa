// The fatal error report: the one message the program ever shows.
#include <string>

#include "host/host.h"
#include "host/program_end.h"
#include "platform/platform.h"

void ReportFatalError(const Text& message, std::optional<int> code) {
    static bool reporting = false;
    // A second fatal error while the box is up (from a nested event loop)
    // must not stack a second box; the first report ends the program anyway.
    if (reporting) EndProgram(-1);
    reporting = true;
    begin_program_end();

    Text text = "运行时出错!\r\n\r\n";
    if (code) text += "错误代码：" + std::to_string(*code) + "\r\n\r\n";
    if (!message.empty()) text += "错误信息：" + message + "\r\n";
    platform().show_error_box("错误", text);
    EndProgram(-1);
}
