#pragma once

#include <windows.h>

namespace vistrel {

// One consistent look for the program's windows and menu: the system's
// visual styles (asked for by the manifest) with the settings window's face
// colour on the menu too. It keeps the settings the settings window
// declares; there is no stored skin and no skin engine.
struct SkinData {
    enum class FormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

    // Kinds of control the look reaches.
    enum SkinControl : unsigned {
        xcMainMenu = 1U << 0, xcPopupMenu = 1U << 1, xcToolbar = 1U << 2, xcControlbar = 1U << 3,
        xcCombo = 1U << 4, xcCheckBox = 1U << 5, xcRadioButton = 1U << 6, xcProgress = 1U << 7,
        xcScrollbar = 1U << 8, xcEdit = 1U << 9, xcButton = 1U << 10, xcBitBtn = 1U << 11,
        xcSpeedButton = 1U << 12, xcSpin = 1U << 13, xcPanel = 1U << 14, xcGroupBox = 1U << 15,
        xcStatusBar = 1U << 16, xcTab = 1U << 17, xcTrackBar = 1U << 18, xcSystemMenu = 1U << 19,
    };
    enum SkinOption : unsigned {
        xoPreview = 1U << 0, xoNoFocusRect = 1U << 1, xoToolbarBK = 1U << 2, xoCaptionButtonHint = 1U << 3,
    };

    bool Active = true;
    FormType SkinFormtype = FormType::sfMainform;
    unsigned SkinControls = xcMainMenu | xcPopupMenu | xcToolbar | xcControlbar | xcCombo | xcCheckBox |
                            xcRadioButton | xcProgress | xcScrollbar | xcEdit | xcButton | xcBitBtn |
                            xcSpeedButton | xcSpin | xcPanel | xcGroupBox | xcStatusBar | xcTab | xcTrackBar |
                            xcSystemMenu;
    unsigned Options = xoPreview | xoNoFocusRect | xoToolbarBK | xoCaptionButtonHint;
    int DisableTag = 99;  // a control with this tag keeps the plain look; none of ours has it
    bool MenuUpdate = true;
    bool MenuMerge = false;

    // Gives a pop-up menu the settings window's face.
    void ApplyToMenu(HMENU menu) const;
};

}  // namespace vistrel
