#include "recording_browser.h"

#include <array>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

namespace vistrel::e2e {
namespace {

constexpr wchar_t kBrowserKey[] = L"Software\\Wine\\WineBrowser";
constexpr wchar_t kBrowsersValue[] = L"Browsers";

// The Unix name of a Windows path: the script runs outside Wine.
std::string UnixPath(const std::filesystem::path& path) {
    using ToUnix = char*(CDECL*)(const WCHAR*);
    const auto toUnix = reinterpret_cast<ToUnix>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr) throw std::runtime_error("not running under Wine");
    char* unix = toUnix(path.c_str());
    if (unix == nullptr) throw std::runtime_error("no Unix name for " + path.string());
    std::string result{unix};
    ::HeapFree(::GetProcessHeap(), 0, unix);
    return result;
}

std::optional<std::wstring> ReadBrowsers() {
    std::vector<wchar_t> value(4096);
    auto size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (::RegGetValueW(HKEY_CURRENT_USER, kBrowserKey, kBrowsersValue, RRF_RT_REG_SZ, nullptr, value.data(),
                       &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring{value.data()};
}

std::wstring FromUtf8(const std::string& text) {
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

bool WriteBrowsers(const std::wstring& command) {
    const auto bytes = static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t));
    return ::RegSetKeyValueW(HKEY_CURRENT_USER, kBrowserKey, kBrowsersValue, REG_SZ, command.c_str(), bytes) ==
           ERROR_SUCCESS;
}

std::filesystem::path FreshFolder() {
    std::array<wchar_t, MAX_PATH + 1> temp{};
    const DWORD n = ::GetTempPathW(static_cast<DWORD>(temp.size()), temp.data());
    if (n == 0 || n >= temp.size()) throw std::runtime_error("no temporary folder");
    auto folder = std::filesystem::path{temp.data()} /
                  (L"vistrel-browser-" + std::to_wstring(::GetCurrentProcessId()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace

RecordingBrowser::RecordingBrowser() : folder_(FreshFolder()), record_(folder_ / L"address.txt") {
    const std::filesystem::path script = folder_ / L"record-address.sh";
    {
        // Written whole, then renamed, so that a half-written file is never read.
        std::ofstream out(script, std::ios::binary);
        const std::string record = UnixPath(record_);
        out << "#!/bin/sh\nprintf '%s' \"$1\" > '" << record << ".part' && mv '" << record << ".part' '" << record
            << "'\n";
        if (!out) throw std::runtime_error("could not write " + script.string());
    }
    previous_ = ReadBrowsers();
    // A Wine file has no execute bit: sh runs it. Winebrowser adds the address.
    const std::string command = "/bin/sh \"" + UnixPath(script) + "\"";
    if (!WriteBrowsers(FromUtf8(command))) {
        throw std::runtime_error("could not set Wine's browser");
    }
}

RecordingBrowser::~RecordingBrowser() {
    if (previous_) {
        WriteBrowsers(*previous_);
    } else {
        ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kBrowserKey, kBrowsersValue);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::optional<std::string> RecordingBrowser::WaitForAddress(milliseconds limit) const {
    std::optional<std::string> address;
    (void)WaitUntil(
        [&] {
            std::ifstream in(record_, std::ios::binary);
            if (!in) return false;
            address.emplace(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            return true;
        },
        limit, milliseconds{50});
    return address;
}

}  // namespace vistrel::e2e
