#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "platform/connected_state.h"
#include "platform/host_name.h"
#include "platform/ini_file.h"
#include "program_fixture.h"
#include "tests/support/http_test_server.h"

namespace {

// The service answers the ping with an error, which is ignored like any other reply.
class UsagePingTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    setenv("TAVO_SERVICE_URL", server_.Address().c_str(), 1);
    setenv("TAVO_ONLINE_TEST_URL", (server_.Address() + "/online").c_str(), 1);
    platform::SetConnectedStateProbe([] { return true; });
    platform::SetMachineNameSource([] { return std::string("tavo-pc"); });
  }
  void TearDown() override {
    platform::SetMachineNameSource(nullptr);
    unsetenv("TAVO_ONLINE_TEST_URL");
    unsetenv("TAVO_SERVICE_URL");
    ProgramTest::TearDown();
  }

  std::string FirstRunFlag() const {
    return platform::GetPrivateProfileStringA("系统配置", "是否初次", "(missing)", PathOf("config.ini"));
  }

  HttpTestServer server_{[](const std::string& target) {
    return HttpTestServer::Reply("", target.starts_with("/tavo/rec.asp") ? 500 : 200);
  }};
};

constexpr const char* kOnlineTest = "GET /online HTTP/1.1";
constexpr const char* kPing = "GET /tavo/rec.asp?=&p=tavo-pc HTTP/1.1";

TEST_F(UsagePingTest, OnlyTheFirstOnlineStartSendsItAndThenClearsTheFlag) {
  struct Case {
    const char* config;
    bool connected;
    bool onlinePageAnswers;
    std::vector<std::string> requests;
    const char* flagAfter;
  };
  const Case cases[] = {
      {"[系统配置]\r\n是否初次=是\r\n", true, true, {kOnlineTest, kPing}, "否"},
      {"", true, true, {kOnlineTest, kPing}, "否"},
      {"[系统配置]\r\n是否初次=否\r\n", true, true, {}, "否"},
      {"[系统配置]\r\n是否初次=是\r\n", false, true, {}, "是"},
      {"[系统配置]\r\n是否初次=是\r\n", true, false, {}, "是"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.config) + (c.connected ? " connected" : " no interface") +
                 (c.onlinePageAnswers ? "" : " online page silent"));
    const std::size_t before = server_.RequestLines().size();
    WriteBaseFile("config.ini", c.config);
    platform::SetConnectedStateProbe([&c] { return c.connected; });
    if (!c.onlinePageAnswers) setenv("TAVO_ONLINE_TEST_URL", "http://127.0.0.1:1/", 1);
    RunProgram([] {});
    const std::vector<std::string> lines = server_.RequestLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(before), lines.end()), c.requests);
    EXPECT_EQ(FirstRunFlag(), c.flagAfter);
    setenv("TAVO_ONLINE_TEST_URL", (server_.Address() + "/online").c_str(), 1);
  }
}

TEST_F(UsagePingTest, TheNextStartSendsNothing) {
  WriteBaseFile("config.ini", "[系统配置]\r\n是否初次=是\r\n");
  RunProgram([] {});
  RunProgram([] {});
  EXPECT_EQ(server_.RequestLines(), (std::vector<std::string>{kOnlineTest, kPing}));
}

TEST_F(UsagePingTest, AHostNameTheBufferCannotHoldIsSentEmpty) {
  platform::SetMachineNameSource([] { return std::string("sixteen-chars-xx"); });
  RunProgram([] {});
  EXPECT_EQ(server_.RequestLines().back(), "GET /tavo/rec.asp?=&p= HTTP/1.1");
}

}  // namespace
