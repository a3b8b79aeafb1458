// An analysis plug-in for the build tests: it keeps the compiler output it is given in
// analysis-input and answers with the bytes of analysis-answer, both in the working directory.
#include <fstream>
#include <iterator>
#include <string>

extern "C" __attribute__((visibility("default"))) const char* Analysis(const char* output) {
  std::ofstream("analysis-input", std::ios::binary) << (output ? output : "");
  static std::string answer;
  std::ifstream file("analysis-answer", std::ios::binary);
  answer.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return answer.c_str();
}
