#include "ide/login_file.h"

#include "ide/data_files.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"

std::string LoginFilePath() { return DataPath(data_file::LoginTxt); }

std::string ReadLoginValue(const char* key) {
  return platform::GetPrivateProfileStringA(kLoginSection, key, "", LoginFilePath());
}

void StoreSignIn(const std::string& userName, const std::string& password, const std::string& displayName) {
  const std::string file = LoginFilePath();
  if (!platform::MakeOwnerOnlyFile(file)) return;
  platform::WritePrivateProfileStringA(kLoginSection, kUserNameKey, userName, file);
  platform::WritePrivateProfileStringA(kLoginSection, kPasswordKey, password, file);
  platform::WritePrivateProfileStringA(kLoginSection, kDisplayNameKey, displayName, file);
}
