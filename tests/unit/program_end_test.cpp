#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "lifecycle/program_end.h"
#include "lifecycle/runtime_error.h"
#include "lifecycle/window_engine.h"
#include "recording_platform.h"

namespace {

std::string& Trace() {
  static std::string trace;
  return trace;
}
void FirstRoutine() { Trace() += "first;"; }
void SecondRoutine() { Trace() += "second;"; }
void ExitRoutineThatSpeaks() { std::fputs("exit routine ran", stderr); }

TEST(RuntimeErrorTextTest, LinesAppearOnlyForWhatIsGiven) {
  const struct {
    const char* message;
    std::int32_t code;
    const char* text;
  } table[] = {
      {"载入启动窗口失败", 0, "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {"M", 7, "运行时出错!\r\n\r\n错误代码：7\r\n\r\n错误信息：M\r\n"},
      {"", 0, "运行时出错!\r\n\r\n"},
      {nullptr, -3, "运行时出错!\r\n\r\n错误代码：-3\r\n\r\n"},
  };
  for (const auto& row : table) EXPECT_EQ(RuntimeErrorText(row.message, row.code), row.text);
}

class ProgramEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetEngine(std::make_unique<RecordingPlatform>(log_));
    Trace().clear();
  }
  RecordingPlatform::Log log_;
};

TEST_F(ProgramEndTest, ExitRoutinesRunOnceInRegistrationOrder) {
  RegisterExitRoutine(FirstRoutine);
  RegisterExitRoutine(SecondRoutine);
  RegisterExitRoutine(FirstRoutine);
  EXPECT_EQ(Engine().exitRoutines.size(), 2u);

  Engine().description.windows.push_back(WindowRecord{0x52010001, {}, {}});
  ShutDownEngine();
  EXPECT_EQ(Trace(), "first;second;");
  EXPECT_TRUE(Engine().exitRoutines.empty());
  EXPECT_TRUE(Engine().description.windows.empty());
  EXPECT_GT(Engine().eventBlockCount, 0);
  EXPECT_EQ(log_.resourcesReleased, 1);
}

TEST_F(ProgramEndTest, FatalReportEndsWithMinusOneWithoutExitRoutines) {
  EXPECT_EXIT(
      {
        RegisterExitRoutine(ExitRoutineThatSpeaks);
        ReportRuntimeError("载入启动窗口失败", 0);
      },
      ::testing::ExitedWithCode(255),
      ::testing::AllOf(::testing::HasSubstr("错误信息：载入启动窗口失败\r\n"),
                       ::testing::Not(::testing::HasSubstr("exit routine ran"))));
}

TEST_F(ProgramEndTest, NormalEndRunsTheExitRoutines) {
  EXPECT_EXIT(
      {
        RegisterExitRoutine(ExitRoutineThatSpeaks);
        EndProgram(0);
      },
      ::testing::ExitedWithCode(0), ::testing::HasSubstr("exit routine ran"));
}

TEST_F(ProgramEndTest, QuitRulePostsOnlyOnceTheLoopHasBeenEntered) {
  Engine().description.windows.push_back(WindowRecord{0x52010001, {UnitRecord{}}, {}});
  ApplyQuitRule();
  EXPECT_TRUE(log_.quitCodes.empty()) << "a window destroyed before the loop posts nothing";

  Engine().loopEntered = true;
  ApplyQuitRule();
  EXPECT_THAT(log_.quitCodes, ::testing::ElementsAre(0));
}

}  // namespace
