#pragma once

#include <windows.h>

#include <cstdint>

namespace vistrel {

// One consistent look for the program's windows and menu: the system's
// visual styles (asked for by the manifest) with our colours on top.
// The settings are kept as the settings window declares them; there is no
// stored skin and no skin engine.
struct SkinData {
    enum class SkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

    bool Active = true;
    SkinFormType SkinFormtype = SkinFormType::sfMainform;
    // Which kinds of control and which options the look reaches; all the
    // kinds this program uses are among them.
    std::uint32_t SkinControls = 0xFFFFF;
    std::uint32_t Options = 0xF;
    int DisableTag = 99;  // no control of ours carries it
    bool MenuUpdate = true;
    bool MenuMerge = false;

    // The face colour shared by the settings window, its controls and the
    // notification menu.
    [[nodiscard]] COLORREF FaceColour() const { return ::GetSysColor(COLOR_BTNFACE); }
    // Gives a menu the shared face.
    void ApplyToMenu(HMENU menu) const;
};

}  // namespace vistrel
