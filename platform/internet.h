// HTTP GET in place of the system's internet functions: synchronous, with a bounded wait, so a
// request made on the user-interface thread never freezes the program for long.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace platform {

struct InternetReply {
  bool opened = false;  // an HTTP answer arrived, whatever its status
  long status = 0;      // its HTTP status
  std::string body;     // the whole body, byte for byte
};

// Follows redirects over http and https only (no other scheme is ever requested). Not opened
// when the address is not an http or https address, the host cannot be reached, the wait is
// over or the body exceeds kInternetBodyLimit.
InternetReply InternetGet(const std::string& address, const std::string& agent);

constexpr std::size_t kInternetBodyLimit = 16 * 1024 * 1024;

struct InternetTimeLimits {
  long connectMilliseconds = 5000;
  long totalMilliseconds = 20000;
};
// Tests shorten the waits.
void SetInternetTimeLimits(InternetTimeLimits limits);

// The body of a successful answer as an 8-bit text (up to its first NUL); nothing when no
// answer arrived or its status is an HTTP error (400 and above).
std::optional<std::string> WebGet(const std::string& address);
// The same with every failure as the empty text.
std::string WebGetText(const std::string& address);

// Every byte outside the unreserved set (letters, digits, "-", ".", "_", "~") as %XX, for a
// value in a query.
std::string PercentEncode(const std::string& bytes);

}  // namespace platform
