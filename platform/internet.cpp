#include "platform/internet.h"

#include <curl/curl.h>

#include <memory>

namespace platform {

namespace {

constexpr const char* kAgent = "Tavo";

InternetTimeLimits& TimeLimits() {
  static InternetTimeLimits limits;
  return limits;
}

struct EasyDeleter {
  void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
using Easy = std::unique_ptr<CURL, EasyDeleter>;

Easy NewEasy() {
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return Easy(initialised ? curl_easy_init() : nullptr);
}

// Returning less than was handed over makes libcurl stop the transfer.
std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* target) {
  auto* body = static_cast<std::string*>(target);
  const std::size_t bytes = size * count;
  if (body->size() + bytes > kInternetBodyLimit) return 0;
  body->append(data, bytes);
  return bytes;
}

void SetOptions(CURL* curl, const std::string& address, const std::string& agent, std::string* body) {
  curl_easy_setopt(curl, CURLOPT_URL, address.c_str());
  curl_easy_setopt(curl, CURLOPT_USERAGENT, agent.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, TimeLimits().connectMilliseconds);
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, TimeLimits().totalMilliseconds);
  // No signals: the wait for a name lookup must not disturb the program's own handling.
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, body);
}

}  // namespace

InternetReply InternetGet(const std::string& address, const std::string& agent) {
  InternetReply reply;
  const Easy curl = NewEasy();
  if (!curl) return reply;
  SetOptions(curl.get(), address, agent, &reply.body);
  reply.opened = curl_easy_perform(curl.get()) == CURLE_OK;
  if (!reply.opened) return InternetReply{};
  curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &reply.status);
  return reply;
}

void SetInternetTimeLimits(InternetTimeLimits limits) { TimeLimits() = limits; }

std::optional<std::string> WebGet(const std::string& address) {
  const InternetReply reply = InternetGet(address, kAgent);
  if (!reply.opened || reply.status >= 400) return std::nullopt;
  return std::string(reply.body.c_str());
}

std::string WebGetText(const std::string& address) { return WebGet(address).value_or(std::string()); }

std::string PercentEncode(const std::string& bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                            (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' || byte == '~';
    if (unreserved) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 15];
    }
  }
  return encoded;
}

}  // namespace platform
