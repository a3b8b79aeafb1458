// Where the vendor's web service lives. The built-in address names no real host; the
// environment variable TAVO_SERVICE_URL (the site's root, such as http://127.0.0.1:8080)
// points Tavo at a service. Its pages and requests are paths below that root.
#pragma once

#include <string>

// The site's root without a trailing "/".
std::string ServiceAddress();
std::string HomePageAddress();
std::string RegistrationPageAddress();
// The well-known public page whose answer tells that the machine is online; the environment
// variable TAVO_ONLINE_TEST_URL replaces it.
std::string OnlineTestAddress();
// The support contact (a QQ number) that a refused sign-in names: the environment variable
// TAVO_SUPPORT_QQ. There is no built-in one, so without it the message names none.
std::string SupportContact();
