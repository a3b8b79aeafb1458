// login.txt in ProgramDir: the signed-in user's name, password and display name, section
// "user". It holds a password, so only its owner may read or write it.
#pragma once

#include <string>

inline constexpr const char* kLoginSection = "user";
inline constexpr const char* kUserNameKey = "username";
inline constexpr const char* kPasswordKey = "password";
inline constexpr const char* kDisplayNameKey = "name";

std::string LoginFilePath();
// The key's value; empty when the file or key is missing.
std::string ReadLoginValue(const char* key);
// Writes the three keys in that order into a file only its owner may read, whether it was
// created here or not.
void StoreSignIn(const std::string& userName, const std::string& password, const std::string& displayName);
