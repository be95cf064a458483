#pragma once

#include <string>

namespace rungpad {

// The framework's part of a document: the path name of the file it was opened from or last
// saved to (empty for a document never saved), the modified mark and the title shown in its
// window ("Ladder1", "Ladder2", ... for untitled documents, else the file name).
class DocumentState {
  public:
    static constexpr const char* kUntitledStem = "Ladder";

    const std::string& PathName() const { return m_pathName; }
    const std::string& Title() const { return m_title; }
    bool IsModified() const { return m_modified; }

    // A path name also gives the title: the file name with extension.
    void SetPathName(const std::string& path);
    // Forgets the path name; the title stays.
    void ClearPathName() { m_pathName.clear(); }
    void SetTitle(const std::string& title) { m_title = title; }
    // Untitled documents are numbered by whoever creates them (the application counts).
    void SetUntitled(int number);
    void SetModified(bool modified = true) { m_modified = modified; }
    // The ladder test file last run against the document (empty: none yet); not part of the
    // program, so setting it leaves the modified mark alone.
    const std::string& TestFile() const { return m_testFile; }
    void SetTestFile(const std::string& path) { m_testFile = path; }

  private:
    std::string m_pathName;
    std::string m_title;
    bool m_modified = false;
    std::string m_testFile;
};

}  // namespace rungpad
