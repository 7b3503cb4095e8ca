#include "ui/cwinform_unit_win32.h"

#include <algorithm>
#include <vector>

#include "lifecycle/event_dispatch.h"
#include "lifecycle/input_event.h"
#include "lifecycle/program_end.h"
#include "lifecycle/window_engine.h"
#include "ui/engine_messages.h"
#include "ui/icon_directory.h"
#include "ui/unit_gone.h"
#include "ui/unit_kinds.h"
#include "ui/window_shape_win32.h"
#include "ui/window_style.h"

namespace {

constexpr char kDefaultClassName[] = "UptimeWindowForm";

std::int32_t KeysNow() {
  return KeysFromState(GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0);
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

bool IsInputMessage(UINT message) {
  return IsKeyMessage(message) || (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         message == WM_NCLBUTTONDOWN;
}

}  // namespace

CWinFormUnit::CWinFormUnit(const WindowSettings& settings, UnitId windowId, UnitId unitId)
    : settings_(settings), windowId_(windowId), unitId_(unitId) {}

CWinFormUnit* CWinFormUnit::Create(const CreateArguments& arguments) {
  std::optional<WindowSettings> settings = ReadWindowSettings(arguments.settings, arguments.settingsLength);
  if (!settings) return nullptr;
  auto* unit = new CWinFormUnit(*settings, arguments.windowId, arguments.unitId);
  if (!unit->MakeNativeWindow(arguments)) {
    delete unit;
    return nullptr;
  }
  return unit;
}

bool CWinFormUnit::MakeNativeWindow(const CreateArguments& arguments) {
  const WindowStyle style = ComputeWindowStyle(settings_, arguments.styleBits);
  int x = arguments.left;
  int y = arguments.top;
  if (settings_.startPosition == 1) {
    const WindowPosition centre = CentredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                                  arguments.width, arguments.height);
    x = centre.x;
    y = centre.y;
  }
  auto owner = static_cast<HWND>(arguments.parent);
  DWORD windowStyle = style.style;
  if (owner != nullptr) windowStyle |= style_bits::kPopup;
  if (TakesHiddenOwner(settings_, owner != nullptr, false, Engine().buildKind)) {
    owner = static_cast<HWND>(Engine().platform->HiddenOwner());
  }

  const char* className = settings_.className.empty() ? kDefaultClassName : settings_.className.c_str();
  if (!EnsureWindowClass(className, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, LoadCursorA(nullptr, IDC_ARROW), nullptr)) {
    return false;
  }
  if (WindowObject::Create(style.exStyle, className, settings_.title.c_str(), windowStyle, x, y, arguments.width,
                           arguments.height, owner, nullptr) == nullptr) {
    return false;
  }
  ApplyFrame();
  RECT outer;
  GetWindowRect(Handle(), &outer);
  if (outer.right - outer.left != arguments.width || outer.bottom - outer.top != arguments.height) {
    MoveWindow(Handle(), x, y, arguments.width, arguments.height, FALSE);
  }
  ApplyIcons();
  if (settings_.shape != 0) ApplyShape();
  SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  if (settings_.alwaysOnTop) ApplyTopmost();
  if (!settings_.movable) ApplyMovable();
  return true;
}

// The caption, system menu and box bits become exactly what the settings call for.
void CWinFormUnit::ApplyFrame() {
  const WindowStyle wanted = ComputeWindowStyle(settings_, 0);
  constexpr LONG_PTR kCaptionGroup = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  constexpr LONG_PTR kFrameGroup = kCaptionGroup | WS_DLGFRAME | WS_THICKFRAME;
  constexpr LONG_PTR kExFrameGroup = WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE;
  const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrA(Handle(), GWL_EXSTYLE);
  SetWindowLongPtrA(Handle(), GWL_STYLE, (style & ~kFrameGroup) | (static_cast<LONG_PTR>(wanted.style) & kFrameGroup));
  SetWindowLongPtrA(Handle(), GWL_EXSTYLE,
                    (exStyle & ~kExFrameGroup) | (static_cast<LONG_PTR>(wanted.exStyle) & kExFrameGroup));
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWinFormUnit::ApplyIcons() {
  constexpr DWORD kIconFormatVersion = 0x00030000;
  OwnedIcon own;
  if (const std::optional<IconImage> image = LargestIconImage(settings_.icon)) {
    own.Reset(CreateIconFromResourceEx(const_cast<BYTE*>(settings_.icon.data() + image->offset),
                                       static_cast<DWORD>(image->size), TRUE, kIconFormatVersion, 0, 0,
                                       LR_DEFAULTCOLOR));
  }
  HICON icon = own ? own.Get() : LoadIconA(GetModuleHandleA(nullptr), "DEFAULT_ICON");
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  // The icon the window showed until now may go only once the window has let go of it.
  ownIcon_ = std::move(own);
}

void CWinFormUnit::ApplyShape() {
  RECT outer;
  GetWindowRect(Handle(), &outer);
  OwnedRegion region = MakeShapeRegion(settings_.shape, outer.right - outer.left, outer.bottom - outer.top);
  // The window system owns a region once it has taken it.
  if (SetWindowRgn(Handle(), region.Get(), TRUE)) region.Release();
}

void CWinFormUnit::ApplyTopmost() {
  SetWindowPos(Handle(), settings_.alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CWinFormUnit::ApplyMovable() {
  GetSystemMenu(Handle(), TRUE);
  if (!settings_.movable) DeleteMenu(GetSystemMenu(Handle(), FALSE), SC_MOVE, MF_BYCOMMAND);
}

void CWinFormUnit::ApplyStartPosition() {
  if (!IsWindowVisible(Handle())) return;
  switch (settings_.startPosition) {
    case 1: {
      RECT outer;
      GetWindowRect(Handle(), &outer);
      const WindowPosition centre =
          CentredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), outer.right - outer.left,
                          outer.bottom - outer.top);
      SetWindowPos(Handle(), nullptr, centre.x, centre.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case 2: ShowWindow(Handle(), SW_MINIMIZE); break;
    case 3: ShowWindow(Handle(), SW_MAXIMIZE); break;
    default: break;
  }
}

void CWinFormUnit::ApplyOwner() {
  HWND owner = TakesHiddenOwner(settings_, false, false, Engine().buildKind)
                   ? static_cast<HWND>(Engine().platform->HiddenOwner())
                   : nullptr;
  // The taskbar takes note of a changed owner only when the window is shown again.
  const bool visible = IsWindowVisible(Handle()) != FALSE;
  if (visible) ShowWindow(Handle(), SW_HIDE);
  SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  if (visible) ShowWindow(Handle(), SW_SHOWNA);
}

void CWinFormUnit::Place(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  SetWindowPos(Handle(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWinFormUnit::SetShown(bool shown) { ShowWindow(Handle(), shown ? SW_SHOW : SW_HIDE); }

void CWinFormUnit::SetEnabled(bool enabled) { EnableWindow(Handle(), enabled); }

void CWinFormUnit::RequestDestroy(bool immediate) {
  destroyRequested_ = true;
  if (immediate) {
    OnDestroyRequest(0, 0);
  } else {
    PostMessageA(Handle(), kDestroyRequest, 0, 0);
  }
}

WindowRecord* CWinFormUnit::Record() const { return FindWindowRecord(Engine().description, windowId_); }

UnitRecord* CWinFormUnit::UnitFor(HWND window) const {
  WindowRecord* record = Record();
  if (record == nullptr) return nullptr;
  if (window == Handle()) return record->units.empty() ? nullptr : &record->units.front();
  const std::optional<std::size_t> index = FindUnitIndexByNative(*record, window);
  return index ? &record->units[*index] : nullptr;
}

std::optional<std::int32_t> CWinFormUnit::Raise(UnitId unitId, std::int32_t eventNumber) {
  return RaiseUnitEvent(windowId_, unitId, eventNumber);
}

// A question event is refused when its handler hands back 0.
bool CWinFormUnit::Refused(std::int32_t eventNumber) { return Raise(unitId_, eventNumber) == 0; }

LRESULT CWinFormUnit::WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
  static constexpr MessageEntry<CWinFormUnit> kMessages[] = {
      {WM_PAINT, &CWinFormUnit::OnPaint},
      {WM_SETCURSOR, &CWinFormUnit::OnSetCursor},
      {WM_CLOSE, &CWinFormUnit::OnClose},
      {WM_QUERYENDSESSION, &CWinFormUnit::OnQueryEndSession},
      {WM_DESTROY, &CWinFormUnit::OnDestroy},
      {WM_MOVE, &CWinFormUnit::OnMove},
      {WM_SIZE, &CWinFormUnit::OnSize},
      {WM_ACTIVATE, &CWinFormUnit::OnActivate},
      {WM_SETFOCUS, &CWinFormUnit::OnSetFocus},
      {WM_KILLFOCUS, &CWinFormUnit::OnKillFocus},
      {WM_SHOWWINDOW, &CWinFormUnit::OnShowWindow},
      {kDestroyRequest, &CWinFormUnit::OnDestroyRequest},
  };
  return Dispatch<CWinFormUnit>(kMessages, message, wParam, lParam);
}

LRESULT CWinFormUnit::OnPaint(WPARAM, LPARAM) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  if (settings_.backColor == 0xFF000000) {
    FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
  } else {
    OwnedBrush brush(CreateSolidBrush(settings_.backColor));
    FillRect(dc, &paint.rcPaint, brush.Get());
  }
  EndPaint(Handle(), &paint);
  return 0;
}

LRESULT CWinFormUnit::OnSetCursor(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(lParam) == HTCLIENT) {
    const UnitRecord* unit = UnitFor(reinterpret_cast<HWND>(wParam));
    if (unit != nullptr && unit->cursor != nullptr) {
      SetCursor(static_cast<HCURSOR>(unit->cursor));
      return TRUE;
    }
  }
  return DefaultProcedure(WM_SETCURSOR, wParam, lParam);
}

LRESULT CWinFormUnit::OnClose(WPARAM wParam, LPARAM lParam) {
  HWND self = Handle();
  if (Refused(12) || !IsWindow(self)) return 0;
  if (Refused(1) || !IsWindow(self)) return 0;
  return DefaultProcedure(WM_CLOSE, wParam, lParam);
}

LRESULT CWinFormUnit::OnQueryEndSession(WPARAM, LPARAM) { return Refused(1) ? FALSE : TRUE; }

LRESULT CWinFormUnit::OnDestroy(WPARAM, LPARAM) {
  Raise(unitId_, 2);
  return 0;
}

LRESULT CWinFormUnit::OnMove(WPARAM, LPARAM) {
  Raise(unitId_, 3);
  return 0;
}

LRESULT CWinFormUnit::OnSize(WPARAM, LPARAM) {
  if (settings_.shape != 0) ApplyShape();
  Raise(unitId_, 4);
  return 0;
}

LRESULT CWinFormUnit::OnActivate(WPARAM wParam, LPARAM lParam) {
  HWND self = Handle();
  if (!inActivationEvent_) {
    inActivationEvent_ = true;
    if (LOWORD(wParam) == WA_INACTIVE) {
      HWND focus = GetFocus();
      if (focus != nullptr && IsChild(self, focus)) lastFocused_ = focus;
      Raise(unitId_, 6);
    } else {
      if (!firstActivationDone_) {
        firstActivationDone_ = true;
        Raise(unitId_, 8);
      }
      if (IsWindow(self)) Raise(unitId_, 5);
    }
    if (!IsWindow(self)) return 0;
    inActivationEvent_ = false;
  }
  return DefaultProcedure(WM_ACTIVATE, wParam, lParam);
}

LRESULT CWinFormUnit::OnSetFocus(WPARAM, LPARAM) {
  HWND self = Handle();
  // While loading, the focus event is raised by the load itself once the window is shown.
  if (fullyLoaded_) Raise(unitId_, -7);
  if (IsWindow(self)) FocusFirstControl();
  return 0;
}

LRESULT CWinFormUnit::OnKillFocus(WPARAM, LPARAM) {
  Raise(unitId_, -8);
  return 0;
}

LRESULT CWinFormUnit::OnShowWindow(WPARAM wParam, LPARAM lParam) {
  HWND self = Handle();
  Raise(unitId_, wParam != 0 ? 10 : 11);
  return IsWindow(self) ? DefaultProcedure(WM_SHOWWINDOW, wParam, lParam) : 0;
}

LRESULT CWinFormUnit::OnDestroyRequest(WPARAM, LPARAM) {
  if (!destroyRequested_) return 0;
  destroyRequested_ = false;
  DestroyWindow(Handle());
  return 0;
}

void CWinFormUnit::AfterWindowGone() {
  if (WindowRecord* record = Record()) {
    for (UnitRecord& unit : record->units) {
      Engine().platform->FreeUnitCursor(unit.cursor);
      unit.cursor = nullptr;
    }
    UnitGone(windowId_, unitId_);
  }
  ApplyQuitRule();
  delete this;
}

// Hands the focus to the control that had it last, else to the first tab stop.
void CWinFormUnit::FocusFirstControl() {
  if (lastFocused_ != nullptr && IsWindow(lastFocused_) && IsChild(Handle(), lastFocused_)) {
    SetFocus(lastFocused_);
    return;
  }
  MoveFocus(false);
}

void CWinFormUnit::MoveFocus(bool backwards) {
  WindowRecord* record = Record();
  if (record == nullptr) return;
  std::vector<const UnitRecord*> stops;
  for (const UnitRecord& unit : record->units) {
    if (!unit.tabStop || unit.liveObject == nullptr) continue;
    HWND control = static_cast<HWND>(unit.liveObject->Native());
    if (control != nullptr && control != Handle() && IsWindowVisible(control) && IsWindowEnabled(control)) {
      stops.push_back(&unit);
    }
  }
  if (stops.empty()) return;
  std::stable_sort(stops.begin(), stops.end(),
                   [](const UnitRecord* a, const UnitRecord* b) { return a->tabOrder < b->tabOrder; });
  HWND focus = GetFocus();
  auto current = std::find_if(stops.begin(), stops.end(),
                              [focus](const UnitRecord* unit) { return unit->liveObject->Native() == focus; });
  std::size_t next = 0;
  if (current != stops.end()) {
    const auto index = static_cast<std::size_t>(current - stops.begin());
    next = backwards ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
  } else if (backwards) {
    next = stops.size() - 1;
  }
  SetFocus(static_cast<HWND>(stops[next]->liveObject->Native()));
}

// Keys the window itself acts on before the focused control; true when consumed.
bool CWinFormUnit::ExamineKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  switch (message.wParam) {
    case VK_TAB:
      MoveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_ESCAPE:
      if (!settings_.escCloses) return false;
      PostMessageA(Handle(), WM_CLOSE, 0, 0);
      return true;
    case VK_RETURN:
      if (!settings_.enterMovesFocus) return false;
      MoveFocus(false);
      return true;
    default:
      return false;
  }
}

bool CWinFormUnit::PreTranslate(MSG& message) {
  HWND self = Handle();
  // Timer ticks and paints pass here five times a second: leave them at once.
  if (!IsInputMessage(message.message)) return false;
  if (IsKeyMessage(message.message) && !IsWindowEnabled(message.hwnd)) return false;
  if (message.message == WM_LBUTTONDOWN || message.message == WM_NCLBUTTONDOWN) {
    HWND capture = GetCapture();
    if (capture != nullptr && capture != message.hwnd) SendMessageA(capture, WM_CANCELMODE, 0, 0);
  }
  const UnitRecord* target = UnitFor(message.hwnd);
  if (settings_.dragAnywhere && message.message == WM_LBUTTONDOWN) {
    if (message.hwnd == self) {
      PostMessageA(self, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return false;
    }
    const UnitKind* kind = target != nullptr ? FindUnitKind(target->kind) : nullptr;
    if (kind != nullptr && (kind->flags & kKindDragsWindow) != 0) {
      PostMessageA(self, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      return true;
    }
  }
  if (ExamineKey(message)) return true;
  if (target == nullptr) return false;
  const UnitId targetId = message.hwnd == self ? unitId_ : target->id;
  std::optional<EventRecord> event =
      MakeInputEvent(windowId_, targetId, message.message, message.wParam, message.lParam, KeysNow());
  if (!event) return !IsWindow(self);
  const bool called = RaiseEvent(*event);
  const InputClaim claim = DecideInputClaim(*event, called, IsWindow(self) != FALSE);
  if (claim.character) message.wParam = static_cast<WPARAM>(*claim.character);
  return claim.claimed;
}

PropertyValue CWinFormUnit::ReadProperty(std::int32_t number) const {
  PropertyValue value;
  const auto text = [&value](const std::string& s) { value.text = s.c_str(); };
  const auto bytes = [&value](const std::vector<std::uint8_t>& b) {
    value.bytes = b.data();
    value.length = static_cast<std::int32_t>(b.size());
  };
  const WindowSettings& s = settings_;
  switch (number) {
    case 0: text(s.title); break;
    case 1: value.integer = s.windowBorder; break;
    case 2: value.integer = static_cast<std::int32_t>(s.backColor); break;
    case 3: bytes(s.picture); break;
    case 4: value.integer = s.pictureMode; break;
    case 5: bytes(s.music); break;
    case 6: value.integer = s.musicMode; break;
    case 7: value.integer = s.controlBox; break;
    case 8: value.integer = s.maximizeBox; break;
    case 9: value.integer = s.minimizeBox; break;
    case 10: value.integer = s.startPosition; break;
    case 11: value.integer = s.movable; break;
    case 12: bytes(s.icon); break;
    case 13: value.integer = s.enterMovesFocus; break;
    case 14: value.integer = s.escCloses; break;
    case 15: value.integer = s.f1OpensHelp; break;
    case 16: text(s.helpFile); break;
    case 17: value.integer = s.helpContext; break;
    case 18: value.integer = s.showInTaskbar; break;
    case 19: value.integer = s.dragAnywhere; break;
    case 20: value.integer = s.shape; break;
    case 21: value.integer = s.alwaysOnTop; break;
    case 22: value.integer = s.keepTitleActive; break;
    case 23: text(s.className); break;
    default: break;
  }
  return value;
}

void CWinFormUnit::WriteProperty(std::int32_t number, const PropertyValue& value) {
  const std::int32_t v = value.integer;
  const bool on = v != 0;
  const auto text = [&value] { return std::string(value.text != nullptr ? value.text : ""); };
  const auto bytes = [&value] {
    return value.bytes == nullptr || value.length <= 0
               ? std::vector<std::uint8_t>()
               : std::vector<std::uint8_t>(value.bytes, value.bytes + value.length);
  };
  WindowSettings& s = settings_;
  switch (number) {
    case 0: s.title = text(); SetWindowTextA(Handle(), s.title.c_str()); ApplyFrame(); break;
    case 1: s.windowBorder = std::clamp(v, 0, 6); ApplyFrame(); break;
    case 2: s.backColor = static_cast<std::uint32_t>(v); break;
    case 3: s.picture = bytes(); break;
    case 4: s.pictureMode = std::clamp(v, 0, 3); break;
    case 5: s.music = bytes(); break;
    case 6: s.musicMode = std::clamp(v, 0, 2); break;
    case 7: s.controlBox = on; ApplyFrame(); break;
    case 8: s.maximizeBox = on; ApplyFrame(); break;
    case 9: s.minimizeBox = on; ApplyFrame(); break;
    case 10: s.startPosition = std::clamp(v, 0, 3); ApplyStartPosition(); break;
    case 11: s.movable = on; ApplyMovable(); break;
    case 12: s.icon = bytes(); ApplyIcons(); break;
    case 13: s.enterMovesFocus = on; break;
    case 14: s.escCloses = on; break;
    case 15: s.f1OpensHelp = on; break;
    case 16: s.helpFile = text(); break;
    case 17: s.helpContext = v; break;
    case 18: s.showInTaskbar = on; ApplyOwner(); break;
    case 19: s.dragAnywhere = on; break;
    case 20: s.shape = std::clamp(v, 0, 29); ApplyShape(); break;
    case 21: s.alwaysOnTop = on; ApplyTopmost(); break;
    case 22: s.keepTitleActive = on; break;
    case 23: s.className = text(); break;
    default: return;
  }
  InvalidateRect(Handle(), nullptr, TRUE);
}
