// Prints the text of the open message box titled 错误, byte for byte (GBK, line breaks CR LF, untranslated), so an
// end-to-end test can check what a fatal error report showed. The box belongs to another
// process of the same Wine prefix; its text is the non-empty static control among its children.
// Exits with 1 when no such box appears within a few seconds.
#include <windows.h>

#include <string>

namespace {

constexpr int kAttempts = 50;
constexpr DWORD kPause = 100;

BOOL CALLBACK TakeStaticText(HWND child, LPARAM found) {
  char className[16] = "";
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") != 0) return TRUE;
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(child)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(child, text.data(), static_cast<int>(text.size()))));
  if (text.empty()) return TRUE;
  *reinterpret_cast<std::string*>(found) = text;
  return FALSE;
}

}  // namespace

int main() {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (HWND box = FindWindowA(nullptr, "错误")) {
      std::string text;
      EnumChildWindows(box, TakeStaticText, reinterpret_cast<LPARAM>(&text));
      if (!text.empty()) {
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        return 0;
      }
    }
    Sleep(kPause);
  }
  return 1;
}
