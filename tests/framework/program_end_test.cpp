#include <QTimer>

#include "framework/message_box.h"
#include "framework_fixture.h"

namespace {

class ProgramEndTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    framework::SetExitRoutine([this] { events_.push_back("exit routine"); });
  }

  std::vector<std::string> events_;
};

TEST_F(ProgramEndTest, NormalEndRunsTheRoutineOnceAfterTheLoop) {
  const int code = framework::RunProgram([this] {
    framework::Form* form = LoadSample();
    QTimer::singleShot(0, [form] { form->Close(); });
    framework::RunMessageLoop();
    events_.push_back("loop over");
    return 0;
  });
  EXPECT_EQ(code, 0);
  framework::EndProgram(0);  // a later end finds the routine already run
  EXPECT_EQ(events_, (std::vector<std::string>{"loop over", "exit routine"}));
  EXPECT_EQ(endCodes_, (std::vector<int>{0}));
}

TEST_F(ProgramEndTest, EndingItselfRunsTheRoutineOnceThenEndsTheProcess) {
  LoadSample();
  framework::EndProgram(0);
  framework::EndProgram(0);
  EXPECT_EQ(events_, (std::vector<std::string>{"exit routine"}));
  EXPECT_EQ(endCodes_, (std::vector<int>{0, 0}));
}

TEST_F(ProgramEndTest, FatalStopShowsTheBoxThenRunsTheRoutineOnce) {
  framework::SetDialogAnswerer([this](const framework::DialogRequest& request) {
    requests_.push_back(request);
    events_.push_back("box");
    return framework::DialogReply{};
  });
  framework::FatalStop("载入启动窗口失败");
  EXPECT_EQ(events_, (std::vector<std::string>{"box", "exit routine"}));
  ASSERT_EQ(requests_.size(), 1u);
  const std::string prefix = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";  // "运行时出错!" in GBK
  EXPECT_EQ(requests_[0].text.substr(0, prefix.size()), prefix);
  EXPECT_NE(requests_[0].text.find("载入启动窗口失败"), std::string::npos);
  EXPECT_EQ(requests_[0].style & framework::MB_ICONMASK, framework::MB_ICONERROR);
  ASSERT_EQ(endCodes_.size(), 1u);
  EXPECT_NE(endCodes_[0], 0);
}

}  // namespace
