#include "ide/shell_open.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "ide/service_address.h"
#include "platform/shell_execute.h"

namespace {

class ShellOpenTest : public testing::Test {
 protected:
  void SetUp() override {
    platform::SetDesktopOpener([this](const std::string& address) {
      opened_.push_back(address);
      return answer_;
    });
  }
  void TearDown() override {
    platform::SetDesktopOpener(nullptr);
    unsetenv("TAVO_SERVICE_URL");
  }

  std::vector<std::string> opened_;
  bool answer_ = true;
};

TEST_F(ShellOpenTest, PagesDeriveFromTheServiceRoot) {
  struct Case {
    const char* service;
    const char* home;
    const char* registration;
  };
  const Case cases[] = {
      {"http://127.0.0.1:8080", "http://127.0.0.1:8080/", "http://127.0.0.1:8080/tavo/register.php"},
      {"http://127.0.0.1:8080//", "http://127.0.0.1:8080/", "http://127.0.0.1:8080/tavo/register.php"},
      {"http://127.0.0.1/site", "http://127.0.0.1/site/", "http://127.0.0.1/site/tavo/register.php"},
  };
  for (const Case& c : cases) {
    setenv("TAVO_SERVICE_URL", c.service, 1);
    EXPECT_EQ(HomePageAddress(), c.home) << c.service;
    EXPECT_EQ(RegistrationPageAddress(), c.registration) << c.service;
  }
  unsetenv("TAVO_SERVICE_URL");
  EXPECT_EQ(HomePageAddress(), ServiceAddress() + "/");
  EXPECT_NE(ServiceAddress(), "");
}

TEST_F(ShellOpenTest, HandsTheAddressToTheDesktopAndReportsItsAnswer) {
  EXPECT_GT(ShellOpen(nullptr, "http://127.0.0.1:1/tavo/register.php"), 32);
  answer_ = false;
  EXPECT_LE(ShellOpen(nullptr, "http://127.0.0.1:1/"), 32);
  EXPECT_EQ(opened_, (std::vector<std::string>{"http://127.0.0.1:1/tavo/register.php", "http://127.0.0.1:1/"}));
}

TEST_F(ShellOpenTest, OnlyTheOpenVerbWithAFileReachesTheDesktop) {
  platform::SHELLEXECUTEINFO edit;
  edit.lpVerb = "edit";
  edit.lpFile = "a.c";
  platform::SHELLEXECUTEINFO empty;
  empty.lpVerb = "open";
  for (platform::SHELLEXECUTEINFO* info : {&edit, &empty}) {
    EXPECT_EQ(platform::ShellExecuteEx(info), platform::FALSE);
    EXPECT_EQ(info->hInstApp, platform::SE_ERR_NOASSOC);
  }
  EXPECT_TRUE(opened_.empty());
}

}  // namespace
