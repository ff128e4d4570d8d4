#include "controls/buttons/model/button_accessibility.h"

#include <cwctype>

std::wstring AccessibleName(std::wstring_view caption) {
    std::wstring name;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const wchar_t c = caption[i];
        const bool doubled = i + 1 < caption.size() && caption[i + 1] == c;
        if (c == L'&') {
            if (doubled) name += caption[++i];
        } else if (c == L'|' && doubled) {
            name += L' ';
            ++i;
        } else {
            name += c;
        }
    }
    return name;
}

AccessibleView DescribeButton(const ButtonModel& button, bool focused) {
    const ButtonMembers& m = button.Members();
    AccessibleView view;
    view.name = AccessibleName(m.Caption);
    view.role = m.Mode == kCheckBox       ? AccessibleRole::CheckBox
                : m.Mode == kOptionButton ? AccessibleRole::RadioButton
                                          : AccessibleRole::PushButton;

    const bool held = m.StateFlags & kHeld;
    const bool checked = m.Mode != kCommandButton && m.Value;
    if (!button.Enabled())
        view.states |= kStateUnavailable;
    else
        view.states |= kStateFocusable;
    if (focused) view.states |= kStateFocused;
    if (held && ((m.StateFlags & kPointerOver) || m.Armed)) view.states |= kStatePressed;
    if (checked) view.states |= kStateChecked;
    if (m.Hovering) view.states |= kStateHotTracked;

    const std::wstring& key = button.WindowValues().AccessKeys;
    if (!key.empty()) view.shortcut = L"Alt+" + std::wstring(1, static_cast<wchar_t>(std::towupper(key[0])));
    // A checked option button is not unchecked by clicking it.
    view.defaultAction = m.Mode == kCommandButton ? L"Press" : m.Mode == kCheckBox && checked ? L"Uncheck" : L"Check";
    return view;
}
