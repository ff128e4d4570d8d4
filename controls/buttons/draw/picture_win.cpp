#include "controls/buttons/draw/picture_win.h"

#include <cwchar>
#include <utility>

#include "platform/files_win.h"

std::optional<PictureValue> PictureFromFile(const std::wstring& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes) || bytes.size() < 6) return std::nullopt;
    PictureValue picture{PictureKind::Bitmap, PictureOrigin::File, path};
    if (bytes.compare(0, 2, "BM") == 0) return picture;
    // An icon directory starts with a zero word and then its type.
    if (bytes[0] != 0 || bytes[1] != 0 || bytes[3] != 0) return std::nullopt;
    if (bytes[2] == 1)
        picture.Kind = PictureKind::Icon;
    else if (bytes[2] == 2)
        picture.Kind = PictureKind::Cursor;
    else
        return std::nullopt;
    return picture;
}

std::optional<std::wstring> PictureLoadError(const PictureValue& picture) {
    if (LoadedPicture(picture)) return std::nullopt;
    if (picture.Origin == PictureOrigin::File && !PathExists(picture.Name)) return L"File not found";
    return L"Invalid picture";
}

LoadedPicture::LoadedPicture(const PictureValue& picture) : source_(picture) {
    const UINT type = picture.Kind == PictureKind::Icon     ? IMAGE_ICON
                      : picture.Kind == PictureKind::Cursor ? IMAGE_CURSOR
                                                            : IMAGE_BITMAP;
    // Bitmaps as DIB sections, so that measuring can tell them from icons.
    UINT flags = picture.Kind == PictureKind::Bitmap ? LR_CREATEDIBSECTION : 0;
    HINSTANCE module = nullptr;
    const wchar_t* name = picture.Name.c_str();
    if (picture.Origin == PictureOrigin::File) {
        flags |= LR_LOADFROMFILE;
    } else {
        module = GetModuleHandleW(nullptr);
        if (picture.Name.size() > 1 && picture.Name[0] == L'#')
            name = MAKEINTRESOURCEW(static_cast<WORD>(std::wcstoul(name + 1, nullptr, 10)));
    }
    handle_ = LoadImageW(module, name, type, 0, 0, flags);
}

LoadedPicture::LoadedPicture(LoadedPicture&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), source_(std::move(other.source_)) {}

LoadedPicture& LoadedPicture::operator=(LoadedPicture&& other) noexcept {
    if (this != &other) {
        Destroy();
        handle_ = std::exchange(other.handle_, nullptr);
        source_ = std::move(other.source_);
    }
    return *this;
}

LoadedPicture::~LoadedPicture() { Destroy(); }

void LoadedPicture::Destroy() {
    if (!handle_) return;
    switch (source_->Kind) {
    case PictureKind::Icon:
        DestroyIcon(static_cast<HICON>(handle_));
        break;
    case PictureKind::Cursor:
        DestroyCursor(static_cast<HCURSOR>(handle_));
        break;
    case PictureKind::Bitmap:
        DeleteObject(handle_);
        break;
    }
    handle_ = nullptr;
}
