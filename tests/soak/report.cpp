#include "report.h"

#include <windows.h>

namespace vistrel::soak {

bool Report::WriteTo(const std::wstring& path) const {
    FILE* file = ::_wfopen(path.c_str(), L"wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(text_.data(), 1, text_.size(), file) == text_.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace vistrel::soak
