#pragma once

#include <map>
#include <string>
#include <string_view>

namespace vistrel::soak {

// --name=value arguments. Unix paths (as CMake and the scripts give them)
// become the Windows names Wine knows them by.
class Options {
public:
    Options(int argc, wchar_t** argv);

    [[nodiscard]] bool Has(std::wstring_view name) const { return values_.contains(std::wstring{name}); }
    // Throws std::invalid_argument naming the option when it is missing.
    [[nodiscard]] std::wstring Path(std::wstring_view name) const;
    [[nodiscard]] std::wstring Text(std::wstring_view name, std::wstring_view fallback) const;
    [[nodiscard]] double Number(std::wstring_view name, double fallback) const;

private:
    std::map<std::wstring, std::wstring> values_;
};

[[nodiscard]] std::wstring WindowsPath(std::wstring_view path);
[[nodiscard]] std::string Narrow(std::wstring_view text);

// Wine's explorer does not pass a program's exit code on: the wrapper
// scripts read it from the file named by VISTREL_EXIT_FILE.
void WriteExitFile(int code);

}  // namespace vistrel::soak
