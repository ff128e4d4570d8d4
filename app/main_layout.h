#pragma once
#include <string>
#include <vector>

// Every control of the main window: kind, container, place in twips,
// caption and tooltip. Pure data, so the layout can be checked without a window.

enum class ControlKind { Frame, Label, TextBox, ListBox, Button, OptionButton, CheckBox, ScrollBar };

enum ControlId : int {
    idFrame2 = 100,
    idFileNaming,
    idFrame1,
    idFrame3,
    idLabel2,
    idTxtURLs,
    idCmdPaste,
    idCmdAdd,
    idLabel1,
    idTxtPath,
    idCmdBrowse,
    idCmdView,
    idLstDownload,
    idCmdClear,
    idOptOriginalName,
    idOptOriginalDateTime,
    idOptCustom,
    idTxtCustomName,
    idLabel3,
    idLabel4,
    idTxtAutoD,
    idVScroll1,
    idLabel5,
    idChkShowMessages,
    idChkPlaySound,
    idCmdAction,
    idCmdOnlineSupport,
    idCmdOtherProducts,
    idCmdITSolutions,
    idCmdORMA,
    idSbStatus,
    idPrgBar,
};

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect&) const = default;
};

struct ControlDesign {
    ControlId id;
    const wchar_t* name;
    ControlKind kind;
    ControlId container;  // the frame that holds it, or itself at the top level
    TwipsRect place;      // relative to the container
    const wchar_t* caption;
    std::wstring tooltip;
};

constexpr int kMainClientWidthTwips = 9300;
constexpr int kMainClientHeightTwips = 8445;
constexpr TwipsRect kStatusBarPlace{0, 8070, 9300, 375};
constexpr TwipsRect kProgressBarPlace{5220, 8205, 3975, 150};
constexpr int kStatusPanelWidthsTwips[] = {2100, 3000, 4130};
// The etched box around Label3, inside the naming frame: from (135, 1845) to (4950, 2115).
constexpr TwipsRect kLabel3BoxPlace{135, 1845, 4815, 270};

// The controls in creation order: first those that take the focus, in tab
// order, then labels, then frames, so frames lie beneath what they hold.
const std::vector<ControlDesign>& MainWindowControls();

const ControlDesign& ControlById(ControlId id);

// The control's place relative to the window's client area.
TwipsRect PlaceInWindow(const ControlDesign& control);

bool TakesFocus(ControlKind kind);
