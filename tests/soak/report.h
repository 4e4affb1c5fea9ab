#pragma once

#include <cstdio>
#include <sstream>
#include <string>
#include <string_view>

namespace vistrel::soak {

// The figures of a run as "key value" lines, printed as they come and kept
// for the file the scripts read.
class Report {
public:
    template <typename Value>
    void Add(std::string_view key, const Value& value) {
        std::ostringstream line;
        line << key << ' ' << value << '\n';
        text_ += line.str();
        std::fputs(line.str().c_str(), stdout);
        std::fflush(stdout);
    }

    // A line for people only.
    static void Say(const std::string& text) {
        std::fprintf(stdout, "# %s\n", text.c_str());
        std::fflush(stdout);
    }

    // Writes the lines to a file (a Windows path); false if it cannot.
    [[nodiscard]] bool WriteTo(const std::wstring& path) const;

private:
    std::string text_;
};

}  // namespace vistrel::soak
