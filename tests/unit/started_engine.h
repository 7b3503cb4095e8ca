#pragma once

#include <gtest/gtest.h>

#include <span>

#include "lifecycle/start_engine.h"
#include "recording_platform.h"
#include "stand_in_units.h"
#include "ui/startup_description.h"
#include "ui/window_snapshot.h"

inline HandlerResult QuietHandler(const std::int32_t*, std::int32_t) { return std::nullopt; }

inline const HandlerEntry kQuietHandlers[] = {
    {kWindowReadyReference, QuietHandler}, {kWindowCloseReference, QuietHandler},
    {kLabel1CloseReference, QuietHandler}, {kLabel2CloseReference, QuietHandler},
    {kLabel3CloseReference, QuietHandler}, {kLabel4CloseReference, QuietHandler},
    {kRefreshTickReference, QuietHandler},
};

// The engine started with the program's description and stand-in kinds, and the start-up
// window loaded as a load leaves it: its snapshot taken and a live stand-in for each unit: 0 the window, 1 标签4, 2 标签3,
// 3 标签2, 4 标签1, 5 时钟1.
class StartedEngineTest : public ::testing::Test {
 protected:
  void SetUp() override { Start(kQuietHandlers); }

  void Start(std::span<const HandlerEntry> handlers) {
    ResetEngine(std::make_unique<RecordingPlatform>(log_));
    StartEngine(StandInHeader(handlers, StartupDescriptionBlock()));
    window_ = FindWindowRecord(Engine().description, kStartupWindowId);
    ASSERT_NE(window_, nullptr);
    TakeSnapshot(*window_);
    live_.Attach(*window_);
  }

  UnitRecord& Unit(std::size_t index) { return window_->units.at(index); }
  StandInUnit& Live(std::size_t index) { return live_[index]; }

  RecordingPlatform::Log log_;
  WindowRecord* window_ = nullptr;
  LiveStandIns live_;
};

inline constexpr std::size_t kWindowUnit = 0;
inline constexpr std::size_t kLabel1Unit = 4;
inline constexpr std::size_t kTimerUnit = 5;
