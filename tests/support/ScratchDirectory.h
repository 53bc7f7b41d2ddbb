// A fresh, empty directory for one test, removed afterwards.
#pragma once

#include <string>

namespace testsupport {

class ScratchDirectory {
  public:
    explicit ScratchDirectory(const std::string& name);
    ~ScratchDirectory();
    const std::string& Path() const { return path_; }
    // path/name with the separator of this build.
    std::string File(const std::string& name) const;

  private:
    std::string path_;
};

// Whole content of a file, or empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// The same for a file written in text mode: line ends become "\n" on both builds.
std::string ReadTextFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& content);

} // namespace testsupport
