#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "layout.h"
#include "unique_handle.h"

namespace vistrel::win {

class Application;

// A top-level window built from its layout, with one window class per form
// class. Derived forms react to messages by overriding HandleMessage.
class Form {
public:
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    [[nodiscard]] HWND Handle() const noexcept { return window_.get(); }
    [[nodiscard]] HWND Control(int id) const noexcept;
    [[nodiscard]] bool Visible() const noexcept { return ::IsWindowVisible(Handle()) != FALSE; }
    [[nodiscard]] HFONT Font() const noexcept { return font_.get(); }

    void Show();
    void Hide();
    // Asks the window to close, as its close box would.
    void Close();

    // Destroys the window while the derived form still exists, so that its
    // OnDestroy runs; the application calls it when it frees its forms.
    void DestroyHandle() noexcept;

protected:
    Form(Application& application, const FormLayout& layout);

    // Makes the window and its controls.
    void CreateHandle(HWND owner, DWORD extraExStyle = 0);

    // Anything not handled goes to DefaultMessage.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    // Runs when the window is closed: the main form ends the application,
    // any other form hides.
    virtual void OnClose();

    // Runs just before the window is destroyed.
    virtual void OnDestroy() {}

    [[nodiscard]] Application& App() const noexcept { return application_; }
    [[nodiscard]] const FormLayout& Layout() const noexcept { return layout_; }
    [[nodiscard]] HBRUSH BackgroundBrush() const noexcept { return background_.get(); }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;
    void RegisterWindowClass() const;
    void CreateControls();

    Application& application_;
    const FormLayout& layout_;
    UniqueFont font_;
    UniqueBrush background_;
    UniqueWindow window_;
    std::vector<std::pair<int, HWND>> controls_;
};

// The form's font, in device pixels, falling back to the system's message
// font when the face is not installed.
[[nodiscard]] UniqueFont CreateLayoutFont(const FontSpec& font, bool underline = false);

}  // namespace vistrel::win
