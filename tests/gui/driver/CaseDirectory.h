// The directory one case runs a program in: <build>\gui-cases\<case>, made
// empty at the start of the case and removed at its end, so that nothing a
// case copied in or the program wrote reaches the next case.
#pragma once

#include <string>

namespace gui {

class CaseDirectory {
  public:
    explicit CaseDirectory(const std::string& caseName);
    ~CaseDirectory();
    CaseDirectory(const CaseDirectory&) = delete;
    CaseDirectory& operator=(const CaseDirectory&) = delete;

    const std::string& Path() const { return path_; }
    // path\relativePath
    std::string File(const std::string& relativePath) const;

    // Copies a file in under relativePath, making the directories on the
    // way; false when it could not be copied.
    bool CopyIn(const std::string& source, const std::string& relativePath) const;
    // Makes a directory (and those above it) inside; its full path, or
    // empty when it could not be made.
    std::string MakeDirectory(const std::string& relativePath) const;

  private:
    std::string path_;
};

} // namespace gui
