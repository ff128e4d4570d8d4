#include "app/main_layout.h"

#include <stdexcept>

#include "app/links.h"

namespace {

using K = ControlKind;

std::vector<ControlDesign> BuildControls() {
    const wchar_t* appliesToMessages = L"Enable this for tray popup messages informing about download completion.";
    // clang-format off
    return {
        {idTxtURLs, L"txtURLs", K::TextBox, idFrame2, {135, 510, 7530, 1590}, L"",
         L"The web address or URL of the files to retrieve"},
        {idCmdPaste, L"cmdPaste", K::Button, idFrame2, {7800, 510, 1185, 360}, L"&Paste", L"Paste URLs"},
        {idCmdAdd, L"cmdAdd", K::Button, idFrame2, {7800, 975, 1185, 855}, L"&Add", L"Add URL(s) to the list below"},
        {idTxtPath, L"txtPath", K::TextBox, idFrame2, {135, 2430, 6315, 315}, L"c:\\", L"Destination Folder"},
        {idCmdBrowse, L"cmdBrowse", K::Button, idFrame2, {6495, 2430, 510, 315}, L"...",
         L"Browse to the destination folder"},
        {idCmdView, L"cmdView", K::Button, idFrame2, {7065, 2430, 615, 315}, L"&View", L"View the destination folder"},
        {idLstDownload, L"lstDownload", K::ListBox, idFrame2, {135, 2865, 7530, 1815}, L"", L""},
        {idCmdClear, L"cmdClear", K::Button, idFrame2, {7800, 2865, 1185, 360}, L"&Clear", L"Clear list"},
        {idOptOriginalName, L"optOriginalName", K::OptionButton, idFileNaming, {135, 450, 1815, 285},
         L"Use &original file name",
         L"File name will be extracted from the URL (last portion of the URL will be used if no name contained)"},
        {idOptOriginalDateTime, L"optOriginalDateTime", K::OptionButton, idFileNaming, {135, 900, 2805, 285},
         L"Use &date && time + original file name",
         L"Date and time will be prefixed to file name, preventing file overwrite."},
        {idOptCustom, L"optCustom", K::OptionButton, idFileNaming, {135, 1350, 1680, 195}, L"Use custom &name:",
         L"File will be named as entered in the box. File serializing  will be used to prevent file overwrite."},
        {idTxtCustomName, L"txtCustomName", K::TextBox, idFileNaming, {1845, 1275, 2715, 285}, L"Downloaded_File.txt",
         L"Enter custome file name here."},
        {idTxtAutoD, L"txtAutoD", K::TextBox, idFrame1, {135, 720, 645, 330}, L"1", L"Auto-retrive interval"},
        {idVScroll1, L"VScroll1", K::ScrollBar, idFrame1, {810, 720, 375, 330}, L"", L""},
        {idChkShowMessages, L"chkShowMessages", K::CheckBox, idFrame1, {135, 1215, 1770, 330}, L"S&how tray messages",
         appliesToMessages},
        {idCmdAction, L"cmdAction", K::Button, idCmdAction, {7560, 5985, 1635, 495}, L"&START", L""},
        {idCmdOnlineSupport, L"cmdOnlineSupport", K::Button, idFrame3, {135, 240, 2295, 375}, L"On&line support",
         VendorAddress(kSupportPage.shows)},
        {idCmdOtherProducts, L"cmdOtherProducts", K::Button, idFrame3, {2160, 240, 2535, 375}, L"O&ther products",
         VendorAddress(kProductsPage.shows)},
        {idCmdITSolutions, L"cmdITSolutions", K::Button, idFrame3, {4440, 240, 2535, 375}, L"IT sol&utions",
         VendorAddress(kServicesPage.shows)},
        {idCmdORMA, L"cmdORMA", K::Button, idFrame3, {6720, 240, 2295, 375}, L"&ORMA", VendorAddress(kHomePage.shows)},
        {idChkPlaySound, L"chkPlaySound", K::CheckBox, idFrame1, {135, 1665, 1185, 330}, L"Pla&y sounds",
         appliesToMessages},
        {idLabel2, L"Label2", K::Label, idFrame2, {135, 270, 825, 195}, L"File(s) URL:", L"URL of the file to retrieve"},
        {idLabel1, L"Label1", K::Label, idFrame2, {135, 2205, 990, 195}, L"Save file(s) in:", L"destination folder"},
        {idLabel3, L"Label3", K::Label, idFileNaming, {135, 1890, 4800, 195},
         L"URL will be used as file name if no name explicitly defined", L""},
        {idLabel4, L"Label4", K::Label, idFrame1, {135, 450, 1650, 195}, L"Auto-retrieve files every", L""},
        {idLabel5, L"Label5", K::Label, idFrame1, {1215, 855, 540, 195}, L"minutes", L""},
        {idFrame2, L"Frame2", K::Frame, idFrame2, {90, 90, 9135, 4845}, L"File Information", L""},
        {idFileNaming, L"fmFileNaming", K::Frame, idFileNaming, {90, 4950, 5130, 2310}, L"Files Naming Convention", L""},
        {idFrame1, L"Frame1", K::Frame, idFrame1, {5310, 4950, 2190, 2310}, L"Options", L""},
        {idFrame3, L"Frame3", K::Frame, idFrame3, {90, 7290, 9135, 735}, L"Links", L""},
    };
    // clang-format on
}

}  // namespace

const std::vector<ControlDesign>& MainWindowControls() {
    static const std::vector<ControlDesign> controls = BuildControls();
    return controls;
}

const ControlDesign& ControlById(ControlId id) {
    for (const ControlDesign& control : MainWindowControls())
        if (control.id == id) return control;
    throw std::out_of_range("no such control");
}

TwipsRect PlaceInWindow(const ControlDesign& control) {
    TwipsRect place = control.place;
    if (control.container != control.id) {
        const TwipsRect frame = ControlById(control.container).place;
        place.left += frame.left;
        place.top += frame.top;
    }
    return place;
}

bool TakesFocus(ControlKind kind) { return kind != ControlKind::Frame && kind != ControlKind::Label; }
