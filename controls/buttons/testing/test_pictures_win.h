#pragma once
// Test support: the small icon, cursor and bitmap linked into the test
// program, written out as files; and pictures drawn from rows of letters.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/files_win.h"
#include "platform/handles_win.h"
#include "platform/offscreen_surface_win.h"

inline std::wstring ExtractTestPicture(const TempFolder& folder, const wchar_t* resource, const wchar_t* fileName) {
    HRSRC info = FindResourceW(nullptr, resource, MAKEINTRESOURCEW(10));  // RT_RCDATA
    const auto* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, info)));
    const std::wstring path = folder / fileName;
    ReplaceFileContent(path, std::string(bytes, SizeofResource(nullptr, info)));
    return path;
}

struct TestPictures {
    TempFolder folder;
    std::wstring icon = ExtractTestPicture(folder, L"SMALL_ICO", L"small.ico");    // 16 x 16, all red
    std::wstring cursor = ExtractTestPicture(folder, L"SMALL_CUR", L"small.cur");  // 32 x 32, hot spot (3, 5)
    std::wstring bitmap = ExtractTestPicture(folder, L"SMALL_BMP", L"small.bmp");  // 24 x 16, all green
};

// One letter a pixel, each letter standing for a colour.
using PixelRows = std::vector<std::string>;
using Palette = std::map<char, COLORREF>;

// 24-bit rows bottom up, each padded to four bytes, as bitmap and icon
// files keep them.
inline std::string BottomUpBits(const PixelRows& rows, const Palette& palette) {
    std::string bits;
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        for (char letter : *row) {
            const COLORREF c = palette.at(letter);
            bits += {static_cast<char>(GetBValue(c)), static_cast<char>(GetGValue(c)), static_cast<char>(GetRValue(c))};
        }
        bits.append((4 - row->size() * 3 % 4) % 4, '\0');
    }
    return bits;
}

template <typename T>
void AppendBytes(std::string& out, const T& value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

inline BITMAPINFOHEADER Header24(const PixelRows& rows, int heightFactor) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = static_cast<LONG>(rows.front().size());
    header.biHeight = static_cast<LONG>(rows.size()) * heightFactor;
    header.biPlanes = 1;
    header.biBitCount = 24;
    return header;
}

// A 24-bit bitmap file with the colours of rows; answers its path.
inline std::wstring SaveBitmapFile(const TempFolder& folder, const wchar_t* fileName, const PixelRows& rows,
                                   const Palette& palette) {
    const std::string bits = BottomUpBits(rows, palette);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + bits.size());
    std::string bytes;
    AppendBytes(bytes, file);
    AppendBytes(bytes, Header24(rows, 1));
    bytes += bits;
    const std::wstring path = folder / fileName;
    ReplaceFileContent(path, bytes);
    return path;
}

// An icon file with the colours of rows, see-through where a row holds
// '.'; answers its path.
inline std::wstring SaveIconFile(const TempFolder& folder, const wchar_t* fileName, const PixelRows& rows,
                                 Palette palette) {
    palette['.'] = RGB(0, 0, 0);
    const int width = static_cast<int>(rows.front().size()), height = static_cast<int>(rows.size());
    std::string image;
    AppendBytes(image, Header24(rows, 2));  // the colour rows and the mask rows
    image += BottomUpBits(rows, palette);
    const int maskStride = (width + 31) / 32 * 4;
    for (int y = height - 1; y >= 0; --y) {
        std::string mask(maskStride, '\0');
        for (int x = 0; x < width; ++x)
            if (rows[y][x] == '.') mask[x / 8] = static_cast<char>(mask[x / 8] | (0x80 >> (x % 8)));
        image += mask;
    }
    const WORD directory[] = {0, 1, 1};  // reserved, icon, one image
    std::string bytes;
    AppendBytes(bytes, directory);
    const BYTE size[] = {static_cast<BYTE>(width), static_cast<BYTE>(height), 0, 0};
    AppendBytes(bytes, size);
    const WORD planesAndBits[] = {1, 24};
    AppendBytes(bytes, planesAndBits);
    const DWORD sizeAndOffset[] = {static_cast<DWORD>(image.size()), 6 + 16};
    AppendBytes(bytes, sizeAndOffset);
    bytes += image;
    const std::wstring path = folder / fileName;
    ReplaceFileContent(path, bytes);
    return path;
}

// A 32-bit DIB section with the colours of rows; alpha 0 throughout.
inline Gdi<HBITMAP> BitmapFromRows(const PixelRows& rows, const Palette& palette) {
    const int width = static_cast<int>(rows.front().size()), height = static_cast<int>(rows.size());
    std::uint32_t* bits = nullptr;
    Gdi<HBITMAP> bitmap = CreateColourBitmap(width, height, &bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = palette.at(rows[y][x]);
            bits[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    return bitmap;
}

// An icon with the colours of rows, transparent through its own mask where
// a row holds '.'.
inline Icon IconFromRows(const PixelRows& rows, Palette palette) {
    palette['.'] = RGB(0, 0, 0);
    const Gdi<HBITMAP> colour = BitmapFromRows(rows, palette);
    const int width = static_cast<int>(rows.front().size()), height = static_cast<int>(rows.size());
    // Monochrome rows are padded to 16 bits.
    const int stride = (width + 15) / 16 * 2;
    std::vector<BYTE> maskBits(static_cast<size_t>(stride) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (rows[y][x] == '.') maskBits[y * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    const Gdi<HBITMAP> mask(CreateBitmap(width, height, 1, 1, maskBits.data()));
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    return Icon(CreateIconIndirect(&info));
}
