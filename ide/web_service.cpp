#include "ide/web_service.h"

#include "ide/config_ini.h"
#include "ide/service_address.h"
#include "platform/connected_state.h"
#include "platform/host_name.h"
#include "platform/ini_file.h"
#include "platform/internet.h"

namespace {

constexpr int kHostNameBuffer = 16;

// Empty when the name and its NUL do not fit the buffer.
std::string MachineHostName() {
  char name[kHostNameBuffer] = {};
  return platform::gethostname(name, sizeof(name)) == 0 ? std::string(name) : std::string();
}

}  // namespace

std::string SignInAddress(const std::string& userName, const std::string& password) {
  return ServiceAddress() + "/tavo/login.asp?=&u=" + platform::PercentEncode(userName) +
         "&p=" + platform::PercentEncode(password);
}

std::string UsagePingAddress(const std::string& hostName) {
  return ServiceAddress() + "/tavo/rec.asp?=&p=" + platform::PercentEncode(hostName);
}

bool IsMachineOnline() {
  return platform::InternetGetConnectedState() && platform::InternetGet(OnlineTestAddress(), "test").opened;
}

void SendUsagePing() {
  const std::string firstRun = platform::GetPrivateProfileStringA(kSystemSection, kFirstRunKey, "是", ConfigIniPath());
  if (firstRun != "是" || !IsMachineOnline()) return;
  platform::WebGetText(UsagePingAddress(MachineHostName()));
  platform::WritePrivateProfileStringA(kSystemSection, kFirstRunKey, "否", ConfigIniPath());
}

std::optional<std::string> RequestSignIn(const std::string& userName, const std::string& password) {
  return platform::WebGet(SignInAddress(userName, password));
}
