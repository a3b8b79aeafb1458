#include "platform/internet.h"

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/host_name.h"
#include "tests/support/http_test_server.h"

namespace {

using Answer = HttpTestServer::Answer;

const std::string kTenMegabytes(10 * 1024 * 1024, 'x');

Answer Without(Answer::Kind kind) {
  Answer answer;
  answer.kind = kind;
  return answer;
}

class InternetTest : public testing::Test {
 protected:
  void TearDown() override { platform::SetInternetTimeLimits({}); }

  HttpTestServer server_{[](const std::string& target) {
    static const std::map<std::string, Answer> answers = {
        {"/name", HttpTestServer::Reply("Alice")},
        {"/empty", HttpTestServer::Reply("")},
        {"/nul", HttpTestServer::Reply(std::string("Al\0ice", 6))},
        {"/error", HttpTestServer::Reply("Alice", 500)},
        {"/missing", HttpTestServer::Reply("Alice", 404)},
        {"/large", HttpTestServer::Reply(kTenMegabytes)},
        {"/closed", Without(Answer::Kind::CloseWithoutAnswer)},
        {"/silent", Without(Answer::Kind::KeepWaiting)},
    };
    const auto found = answers.find(target);
    return found != answers.end() ? found->second : HttpTestServer::Reply("?", 404);
  }};
};

TEST_F(InternetTest, AnAnswerIsItsBodyAndAFailureIsNothing) {
  const std::pair<const char*, std::optional<std::string>> cases[] = {
      {"/name", "Alice"},
      {"/empty", ""},
      {"/nul", "Al"},  // an 8-bit text ends at its first NUL
      {"/large", kTenMegabytes},
      {"/error", std::nullopt},
      {"/missing", std::nullopt},
      {"/closed", std::nullopt},
  };
  for (const auto& [path, expected] : cases) {
    EXPECT_EQ(platform::WebGet(server_.Address() + path), expected) << path;
    EXPECT_EQ(platform::WebGetText(server_.Address() + path), expected.value_or("")) << path;
  }
}

TEST_F(InternetTest, AnErrorStatusStillOpens) {
  const platform::InternetReply reply = platform::InternetGet(server_.Address() + "/error", "test");
  EXPECT_TRUE(reply.opened);
  EXPECT_EQ(reply.status, 500);
  EXPECT_EQ(reply.body, "Alice");
  EXPECT_EQ(server_.RequestLines().back(), "GET /error HTTP/1.1");
}

// Slow: it waits out the whole timeout.
class InternetSlowTest : public InternetTest {};

TEST_F(InternetSlowTest, ASilentServerIsGivenUpWithinTheTotalWait) {
  platform::SetInternetTimeLimits({500, 1500});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(platform::InternetGet(server_.Address() + "/silent", "test").opened);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(InternetTest, AddressesThatNameNoReachableHttpServerFail) {
  std::string goneAddress;
  {
    const HttpTestServer gone([](const std::string&) { return HttpTestServer::Reply(""); });
    goneAddress = gone.Address() + "/name";
  }
  const std::string addresses[] = {goneAddress, "not a url", "", "file:///etc/hostname", "ftp://127.0.0.1:1/x"};
  for (const std::string& address : addresses) {
    EXPECT_FALSE(platform::InternetGet(address, "test").opened) << address;
  }
}

TEST(PercentEncode, KeepsOnlyUnreservedBytes) {
  const std::pair<std::string, std::string> cases[] = {
      {"Az09-._~", "Az09-._~"},
      {"a&p=b c", "a%26p%3Db%20c"},
      {"%+/?#", "%25%2B%2F%3F%23"},
      {"\xD5\xC5", "%D5%C5"},
      {"", ""},
  };
  for (const auto& [bytes, encoded] : cases) EXPECT_EQ(platform::PercentEncode(bytes), encoded) << bytes;
}

TEST(HostName, FitsWithItsNulOrFails) {
  const std::pair<std::string, int> cases[] = {
      {"fifteen-chars-x", 0},
      {"sixteen-chars-xx", -1},
      {"", -1},
  };
  for (const auto& [machine, result] : cases) {
    platform::SetMachineNameSource([machine] { return machine; });
    char name[16] = "untouched";
    EXPECT_EQ(platform::gethostname(name, sizeof(name)), result) << machine;
    EXPECT_EQ(std::string(name), result == 0 ? machine : "untouched") << machine;
  }
  platform::SetMachineNameSource(nullptr);
  char name[256] = {};
  EXPECT_EQ(platform::gethostname(name, sizeof(name)), 0);
  EXPECT_NE(std::string(name), "");
}

}  // namespace
