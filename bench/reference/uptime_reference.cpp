// The least program that shows what uptime-window shows, written plainly against Win32: the
// floor scripts/bench measures the engine against. One borderless grey 350 by 82 window centred
// on the screen, the uptime redrawn every 200 ms in the same font and flags, and the three
// fixed small texts, so that both programs put the same pixels on the screen. A double-click
// closes it. Fonts are made once, as a plain program would make them.
#include <windows.h>

#include <cstdio>

namespace {

constexpr int kWidth = 350;
constexpr int kHeight = 82;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kPeriod = 200;
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
constexpr RECT kUptimeArea = {3, 8, 3 + 344, 8 + 48};
constexpr UINT kUptimeFlags = DT_NOCLIP | DT_SINGLELINE | DT_VCENTER | DT_CENTER;
// The program's small labels are child windows, which cut their texts at their edges.
constexpr UINT kSmallFlags = DT_SINGLELINE | DT_VCENTER;

struct SmallText {
  const char* text;
  RECT area;
  LONG weight;
  BYTE italic;
};

constexpr SmallText kSmallTexts[] = {
    {"↑已开机时间↑", {129, 62, 129 + 72, 62 + 16}, FW_BOLD, FALSE},
    {"双击任意处关闭", {257, 62, 257 + 86, 62 + 16}, FW_NORMAL, TRUE},
    {"BY:Quorix", {5, 64, 5 + 62, 64 + 16}, FW_NORMAL, TRUE},
};

struct Fonts {
  HFONT uptime;
  HFONT small[3];
};

HFONT MakeFont(LONG height, LONG weight, BYTE italic, const char* face) {
  LOGFONTA font{};
  font.lfHeight = height;
  font.lfWeight = weight;
  font.lfItalic = italic;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = 0;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  return CreateFontIndirectA(&font);
}

Fonts MakeFonts() {
  Fonts fonts{};
  fonts.uptime = MakeFont(-37, FW_BOLD, FALSE, "方正准圆_GBK");
  for (int i = 0; i < 3; ++i) fonts.small[i] = MakeFont(-12, kSmallTexts[i].weight, kSmallTexts[i].italic, "微软雅黑");
  return fonts;
}

void DeleteFonts(const Fonts& fonts) {
  DeleteObject(fonts.uptime);
  for (HFONT font : fonts.small) DeleteObject(font);
}

// Days, hours, minutes and seconds since system start, each followed by its unit.
void FormatUptime(char* text, std::size_t size) {
  const ULONGLONG seconds = GetTickCount64() / 1000;
  std::snprintf(text, size, "%llu天%llu时%llu分%llu秒", seconds / 86400, seconds % 86400 / 3600, seconds % 3600 / 60,
                seconds % 60);
}

void DrawIn(HDC dc, HFONT font, const char* text, RECT area, UINT flags) {
  const HGDIOBJ previous = SelectObject(dc, font);
  DrawTextA(dc, text, -1, &area, flags);
  SelectObject(dc, previous);
}

void Paint(HWND window, const Fonts& fonts, const char* uptime) {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window, &paint);
  const HBRUSH grey = CreateSolidBrush(kGrey);
  FillRect(dc, &paint.rcPaint, grey);
  DeleteObject(grey);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  if (RectVisible(dc, &kUptimeArea)) DrawIn(dc, fonts.uptime, uptime, kUptimeArea, kUptimeFlags);
  for (int i = 0; i < 3; ++i) {
    if (RectVisible(dc, &kSmallTexts[i].area))
      DrawIn(dc, fonts.small[i], kSmallTexts[i].text, kSmallTexts[i].area, kSmallFlags);
  }
  EndPaint(window, &paint);
}

struct State {
  Fonts fonts;
  char uptime[64];
};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<State*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_TIMER:
      FormatUptime(state->uptime, sizeof state->uptime);
      InvalidateRect(window, &kUptimeArea, FALSE);
      return 0;
    case WM_PAINT: Paint(window, state->fonts, state->uptime); return 0;
    case WM_LBUTTONDOWN: ReleaseCapture(); SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0); return 0;
    case WM_LBUTTONDBLCLK: DestroyWindow(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  State state{MakeFonts(), ""};
  WNDCLASSA windowClass{};
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = WindowProcedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_SIZEALL);
  windowClass.lpszClassName = "UptimeReference";
  RegisterClassA(&windowClass);
  const HWND window = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2,
                                      (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2, kWidth, kHeight, nullptr, nullptr,
                                      instance, nullptr);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
  SetTimer(window, kTimerId, kPeriod, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  DeleteFonts(state.fonts);
  return static_cast<int>(message.wParam);
}
