#include "document/DocumentState.h"

#include "model/FileIo.h"

namespace rungpad {

void DocumentState::SetPathName(const std::string& path) {
    m_pathName = path;
    m_title = FileIo::FileName(path);
}

void DocumentState::SetUntitled(int number) {
    m_pathName.clear();
    m_title = kUntitledStem + std::to_string(number);
}

}  // namespace rungpad
