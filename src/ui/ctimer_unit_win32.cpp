#include "ui/ctimer_unit_win32.h"

#include <optional>

#include "lifecycle/event_dispatch.h"
#include "ui/timer_settings.h"

namespace {

constexpr char kTimerClass[] = "CTimerUnit";
constexpr UINT_PTR kTimerId = 1000;

}  // namespace

const CTimerUnit::Entry CTimerUnit::kMessages[] = {
    {WM_TIMER, &CTimerUnit::OnTimer},
    {WM_DESTROY, &CTimerUnit::OnDestroy},
};

CTimerUnit::CTimerUnit(std::int32_t period, UnitId windowId, UnitId unitId)
    : CChildUnit(windowId, unitId), period_(period) {}

CTimerUnit* CTimerUnit::Build(const CreateArguments& arguments) {
  const std::optional<TimerSettings> settings =
      ReadTimerSettings(arguments.settings, arguments.settingsLength);
  if (!settings) return nullptr;
  if (!EnsureWindowClass(kTimerClass, 0, nullptr, nullptr)) return nullptr;
  auto* timer = new CTimerUnit(settings->period, arguments.windowId, arguments.unitId);
  if (!timer->CreateChild(kTimerClass, "", WS_CHILD | arguments.styleBits, arguments)) {
    delete timer;
    return nullptr;
  }
  timer->Apply(timer->period_.WindowCreated());
  return timer;
}

void CTimerUnit::WritePeriod(std::int32_t value) { Apply(period_.Write(value)); }

LRESULT CTimerUnit::WindowProcedure(UINT message, WPARAM wParam, LPARAM lParam) {
  return Dispatch<CTimerUnit>(kMessages, message, wParam, lParam);
}

// The tick's timer identifier is not looked at: the window owns only timer 1000.
LRESULT CTimerUnit::OnTimer(WPARAM, LPARAM) {
  RaiseUnitEvent(OwnerId(), Id(), 0);
  return 0;
}

LRESULT CTimerUnit::OnDestroy(WPARAM, LPARAM) {
  Apply(period_.WindowDestroyed());
  return 0;
}

// Whether arming succeeds is not looked at: without ticks the caption just stays as it is.
void CTimerUnit::Apply(const TimerAction& action) {
  if (action.kill) KillTimer(Handle(), kTimerId);
  if (action.arm) SetTimer(Handle(), kTimerId, static_cast<UINT>(action.interval), nullptr);
}
