#include "platform/win32_platform.h"

namespace {

constexpr std::uint32_t kHandCursorId = 32649;
constexpr WORD kHandCursorResource = 1032;
constexpr char kHiddenOwnerClass[] = "UptimeWindowHiddenOwner";

void* ProcessHeapAllocate(std::size_t n) { return HeapAlloc(GetProcessHeap(), 0, n); }
void ProcessHeapRelease(void* block) { HeapFree(GetProcessHeap(), 0, block); }

}  // namespace

void Win32Platform::ShowErrorBox(const char* text) { MessageBoxA(nullptr, text, "错误", MB_ICONERROR); }

void Win32Platform::EndProcess(std::int32_t status) { ExitProcess(static_cast<UINT>(status)); }

void Win32Platform::PostQuit(std::int32_t code) { PostQuitMessage(code); }

CursorHandle Win32Platform::LoadUnitCursor(std::uint32_t systemCursorId) {
  // The pointing hand comes from the program's own cursor resource, not from the system.
  if (systemCursorId == kHandCursorId) return LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kHandCursorResource));
  return LoadCursorA(nullptr, MAKEINTRESOURCEA(static_cast<WORD>(systemCursorId)));
}

// System and resource cursors from LoadCursor are shared and must not be destroyed.
void Win32Platform::FreeUnitCursor(CursorHandle) {}

BlockHeap Win32Platform::ProcessHeap() { return {ProcessHeapAllocate, ProcessHeapRelease}; }

void Win32Platform::MakeHiddenOwner() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kHiddenOwnerClass;
  RegisterClassA(&windowClass);
  hiddenOwner_.Reset(CreateWindowExA(WS_EX_TOOLWINDOW, kHiddenOwnerClass, "", 0, 0, 0, 0, 0, nullptr, nullptr,
                                     windowClass.hInstance, nullptr));
}

NativeWindow Win32Platform::HiddenOwner() const { return hiddenOwner_.Get(); }

void Win32Platform::ReleaseResources() { hiddenOwner_.Reset(); }
