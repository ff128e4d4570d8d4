#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "controls/buttons/model/window_object.h"

// What a picture file holds, told from its header; nothing for anything
// that is not an icon, a cursor or a bitmap.
std::optional<PictureValue> PictureFromFile(const std::wstring& path);

// Why the picture cannot be loaded, in the words the Picture property
// reports; nothing when it loads.
std::optional<std::wstring> PictureLoadError(const PictureValue& picture);

// A picture loaded from its file or from the program's resources, destroyed
// with its owner. Bitmaps are loaded as DIB sections.
class LoadedPicture {
public:
    LoadedPicture() = default;
    explicit LoadedPicture(const PictureValue& picture);
    LoadedPicture(LoadedPicture&& other) noexcept;
    LoadedPicture& operator=(LoadedPicture&& other) noexcept;
    LoadedPicture(const LoadedPicture&) = delete;
    LoadedPicture& operator=(const LoadedPicture&) = delete;
    ~LoadedPicture();

    HANDLE handle() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // The value it was loaded from, also when loading failed.
    const PictureRef& source() const { return source_; }

private:
    void Destroy();

    HANDLE handle_ = nullptr;
    PictureRef source_;
};
