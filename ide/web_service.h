// The vendor's web service: the online test, the usage ping of the first start and the
// sign-in request. Requests are made on the user-interface thread and wait a bounded time.
#pragma once

#include <optional>
#include <string>

// The reply that refuses a sign-in, compared with the whole reply.
inline constexpr const char* kSignInRefusal = "w|*|wrong";

// True when a network interface is up and the online test's page answers.
bool IsMachineOnline();
// On the first start on which the machine is online (是否初次 in config.ini not yet "否"),
// tells the service the machine's host name and marks the first start as done.
void SendUsagePing();
// The service's reply to the sign-in (any text, the refusal included); nothing when the
// service could not be reached or answered with an HTTP error.
std::optional<std::string> RequestSignIn(const std::string& userName, const std::string& password);

// The requests' addresses; the values are sent percent-encoded.
std::string SignInAddress(const std::string& userName, const std::string& password);
std::string UsagePingAddress(const std::string& hostName);
