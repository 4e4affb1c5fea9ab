#include "e2e_setup.h"

#include <windows.h>

#include <array>
#include <stdexcept>
#include <string_view>

namespace vistrel::e2e {
namespace {

E2eSetup setup;

// CTest hands over the build's Unix paths; Wine knows their Windows names.
std::wstring WindowsPath(std::wstring_view path) {
    if (path.empty() || path.front() != L'/') return std::wstring{path};
    using ToDos = WCHAR*(CDECL*)(const char*);
    const auto toDos = reinterpret_cast<ToDos>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
    const std::string narrow(path.begin(), path.end());
    if (toDos != nullptr) {
        if (WCHAR* dos = toDos(narrow.c_str()); dos != nullptr) {
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

std::filesystem::path ShotsDir() {
    std::array<wchar_t, 32768> buffer{};
    const auto size = static_cast<DWORD>(buffer.size());
    if (const DWORD n = ::GetEnvironmentVariableW(L"VISTREL_E2E_SHOTS", buffer.data(), size); n > 0 && n < size) {
        return std::filesystem::path{WindowsPath(buffer.data())};
    }
    const DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), size);
    return std::filesystem::path{std::wstring_view{buffer.data(), n}}.parent_path() / L"shots";
}

}  // namespace

void InitE2eSetup(int argc, wchar_t** argv) {
    constexpr std::wstring_view kTovrixFlag = L"--tovrix=";
    for (int i = 1; i < argc; ++i) {
        const std::wstring_view arg{argv[i]};
        if (arg.starts_with(kTovrixFlag)) setup.tovrixPath = WindowsPath(arg.substr(kTovrixFlag.size()));
    }
    if (setup.tovrixPath.empty()) throw std::invalid_argument("--tovrix=PATH is missing");
    setup.shotsDir = ShotsDir();
}

const E2eSetup& E2e() { return setup; }

std::wstring UserLocaleName() {
    std::array<wchar_t, LOCALE_NAME_MAX_LENGTH> name{};
    const int n = ::GetUserDefaultLocaleName(name.data(), static_cast<int>(name.size()));
    return n > 1 ? std::wstring{name.data()} : std::wstring{L"unknown"};
}

std::filesystem::path LocaleShotFile(std::wstring_view name) {
    return setup.shotsDir / (std::wstring{name} + L"-" + UserLocaleName() + L".bmp");
}

}  // namespace vistrel::e2e
