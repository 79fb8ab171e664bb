// A fresh, empty folder for one test, with a Chinese name, removed with everything in it when the test ends.
#pragma once

#include <string>

namespace testsupport {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder in the form the program's own code uses (backslashes on both platforms).
    const std::wstring& path() const { return path_; }
    // Whole contents of a file in this folder, as raw bytes ("" when missing).
    std::string ReadBytes(const std::wstring& name) const;
    void WriteBytes(const std::wstring& name, const std::string& bytes) const;

  private:
    std::wstring path_;
};

}  // namespace testsupport
