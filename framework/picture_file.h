// Where the framework looks for the picture files that window definitions name.
#pragma once

#include <QString>
#include <string>

namespace framework {

// The file's full path: a relative one is taken from the program file's directory.
QString PictureFilePath(const std::string& file);

}  // namespace framework
