#include "lifecycle/runtime_error.h"

#include "lifecycle/program_end.h"
#include "lifecycle/window_engine.h"

std::string RuntimeErrorText(const char* message, std::int32_t code) {
  std::string text = "运行时出错!\r\n\r\n";
  if (code != 0) text += "错误代码：" + std::to_string(code) + "\r\n\r\n";
  if (message != nullptr && *message != '\0') text += std::string("错误信息：") + message + "\r\n";
  return text;
}

void ReportRuntimeError(const char* message, std::int32_t code) {
  WindowEngine& engine = Engine();
  ++engine.eventBlockCount;
  engine.platform->ShowErrorBox(RuntimeErrorText(message, code).c_str());
  engine.exitRoutines.clear();
  EndProgram(-1);
}
