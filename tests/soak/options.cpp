#include "options.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <stdexcept>

namespace vistrel::soak {

Options::Options(int argc, wchar_t** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view arg{argv[i]};
        if (!arg.starts_with(L"--")) throw std::invalid_argument("unexpected argument " + Narrow(arg));
        const std::size_t equals = arg.find(L'=');
        const std::wstring_view name = arg.substr(2, equals == std::wstring_view::npos ? arg.npos : equals - 2);
        const std::wstring_view value = equals == std::wstring_view::npos ? L"1" : arg.substr(equals + 1);
        values_[std::wstring{name}] = std::wstring{value};
    }
}

std::wstring Options::Path(std::wstring_view name) const {
    const auto found = values_.find(std::wstring{name});
    if (found == values_.end()) throw std::invalid_argument("--" + Narrow(name) + "=PATH is missing");
    return WindowsPath(found->second);
}

std::wstring Options::Text(std::wstring_view name, std::wstring_view fallback) const {
    const auto found = values_.find(std::wstring{name});
    return found == values_.end() ? std::wstring{fallback} : found->second;
}

double Options::Number(std::wstring_view name, double fallback) const {
    const auto found = values_.find(std::wstring{name});
    if (found == values_.end()) return fallback;
    try {
        return std::stod(found->second);
    } catch (const std::exception&) {
        throw std::invalid_argument("--" + Narrow(name) + " wants a number");
    }
}

std::wstring WindowsPath(std::wstring_view path) {
    if (path.empty() || path.front() != L'/') return std::wstring{path};
    using ToDos = WCHAR*(CDECL*)(const char*);
    const auto toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    if (toDos != nullptr) {
        if (WCHAR* dos = toDos(Narrow(path).c_str()); dos != nullptr) {
            std::wstring result{dos};
            ::HeapFree(::GetProcessHeap(), 0, dos);
            return result;
        }
    }
    std::wstring result = L"Z:" + std::wstring{path};
    for (wchar_t& c : result) {
        if (c == L'/') c = L'\\';
    }
    return result;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty()) return {};
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                        nullptr);
    std::string narrow(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), n, nullptr, nullptr);
    return narrow;
}

void WriteExitFile(int code) {
    std::array<wchar_t, MAX_PATH * 4> path{};
    const DWORD n = ::GetEnvironmentVariableW(L"VISTREL_EXIT_FILE", path.data(), static_cast<DWORD>(path.size()));
    if (n == 0 || n >= path.size()) return;
    if (FILE* file = ::_wfopen(path.data(), L"w"); file != nullptr) {
        std::fprintf(file, "%d\n", code);
        std::fclose(file);
    }
}

}  // namespace vistrel::soak
