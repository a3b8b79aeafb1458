#include "ide/service_address.h"

#include <cstdlib>

#include "platform/code_page.h"

namespace {

// The reserved top-level domain .invalid never resolves, so without a service set the
// requests fail at once and say so.
constexpr const char* kBuiltInServiceAddress = "http://tavo.invalid";
constexpr const char* kBuiltInOnlineTestAddress = "http://www.example.com/";

std::string FromEnvironment(const char* variable, const char* builtIn) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0' ? value : builtIn;
}

}  // namespace

std::string ServiceAddress() {
  std::string address = FromEnvironment("TAVO_SERVICE_URL", kBuiltInServiceAddress);
  while (!address.empty() && address.back() == '/') address.pop_back();
  return address;
}

std::string HomePageAddress() { return ServiceAddress() + "/"; }

std::string RegistrationPageAddress() { return ServiceAddress() + "/tavo/register.php"; }

std::string OnlineTestAddress() { return FromEnvironment("TAVO_ONLINE_TEST_URL", kBuiltInOnlineTestAddress); }

std::string SupportContact() { return platform::NativeToAnsi(FromEnvironment("TAVO_SUPPORT_QQ", "")); }
