#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "form.h"
#include "unique_handle.h"

namespace vistrel::win {

// Creates the forms in order, runs the message loop with the main form
// shown, and frees the forms, newest first, when the loop ends.
class Application {
public:
    explicit Application(HINSTANCE instance) noexcept : instance_(instance) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    void Initialize();
    // The main window itself, not a hidden window of ours, gets the taskbar button.
    void SetMainFormOnTaskBar(bool on) noexcept { mainFormOnTaskBar_ = on; }
    [[nodiscard]] bool MainFormOnTaskBar() const noexcept { return mainFormOnTaskBar_; }

    // The first form created is the main form. A form's creation may ask
    // the application to terminate: check Terminated() afterwards.
    template <typename F, typename... Args>
    F* CreateForm(Args&&... args) {
        auto form = std::make_unique<F>(*this, std::forward<Args>(args)...);
        F* raw = form.get();
        forms_.push_back(std::move(form));
        return raw;
    }

    void Run();
    void Terminate() noexcept;
    [[nodiscard]] bool Terminated() const noexcept { return terminated_; }

    [[nodiscard]] bool IsMainForm(const Form& form) const noexcept {
        return !forms_.empty() && forms_.front().get() == &form;
    }
    [[nodiscard]] Form* MainForm() const noexcept { return forms_.empty() ? nullptr : forms_.front().get(); }

    [[nodiscard]] HINSTANCE Instance() const noexcept { return instance_; }
    [[nodiscard]] HICON Icon() const noexcept { return icon_.get(); }
    [[nodiscard]] HICON SmallIcon() const noexcept { return smallIcon_.get(); }

    // A message box owned by the main window.
    int ShowMessageBox(std::wstring_view text, std::wstring_view caption, UINT flags) const;

private:
    HINSTANCE instance_;
    UniqueIcon icon_;
    UniqueIcon smallIcon_;
    bool mainFormOnTaskBar_ = false;
    bool terminated_ = false;
    std::vector<std::unique_ptr<Form>> forms_;
};

}  // namespace vistrel::win
