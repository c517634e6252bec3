#include "IconMatch.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "WindowQueries.h"

namespace {

class CMemoryBitmap {
public:
    CMemoryBitmap(int width, int height) : width_(width), height_(height) {
        screen_ = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen_);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
        if (bitmap_ != nullptr) old_ = SelectObject(dc_, bitmap_);
    }
    ~CMemoryBitmap() {
        if (old_ != nullptr) SelectObject(dc_, old_);
        if (bitmap_ != nullptr) DeleteObject(bitmap_);
        if (dc_ != nullptr) DeleteDC(dc_);
        if (screen_ != nullptr) ReleaseDC(nullptr, screen_);
    }
    CMemoryBitmap(const CMemoryBitmap&) = delete;
    CMemoryBitmap& operator=(const CMemoryBitmap&) = delete;

    bool Valid() const { return bitmap_ != nullptr && bits_ != nullptr; }
    HDC Dc() const { return dc_; }
    HDC Screen() const { return screen_; }
    std::uint32_t Pixel(int x, int y) const {
        return static_cast<const std::uint32_t*>(bits_)[static_cast<size_t>(y) * width_ + x];
    }
    void Fill(std::uint32_t pixel) {
        auto* pixels = static_cast<std::uint32_t*>(bits_);
        for (size_t i = 0; i < static_cast<size_t>(width_) * height_; ++i) pixels[i] = pixel;
    }

private:
    int width_;
    int height_;
    HDC screen_ = nullptr;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

HWND FindIconControl(HWND box) {
    for (HWND child : ChildWindows(box)) {
        const WindowFacts facts = DescribeWindow(child);
        if (facts.className == L"Static" && (facts.style & SS_TYPEMASK) == SS_ICON && facts.visible) {
            return child;
        }
    }
    return nullptr;
}

long long Distance(const CMemoryBitmap& a, const CMemoryBitmap& b, int width, int height) {
    long long total = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = a.Pixel(x, y);
            const std::uint32_t q = b.Pixel(x, y);
            for (int shift = 0; shift < 24; shift += 8) {
                total += std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF));
            }
        }
    }
    return total;
}

}  // namespace

std::wstring IdentifyBoxIcon(HWND box) {
    HWND control = FindIconControl(box);
    if (control == nullptr) return L"none";
    LRESULT icon = 0;
    if (SendWithTimeout(control, STM_GETICON, 0, 0, &icon) && icon == 0) return L"none";
    const int width = GetSystemMetrics(SM_CXICON);
    const int height = GetSystemMetrics(SM_CYICON);
    RECT rect{};
    GetWindowRect(control, &rect);
    CMemoryBitmap shown(width, height);
    if (!shown.Valid() || !BitBlt(shown.Dc(), 0, 0, width, height, shown.Screen(), rect.left, rect.top, SRCCOPY)) {
        return L"unknown";
    }
    struct Candidate {
        const wchar_t* name;
        LPCWSTR id;
    };
    const Candidate candidates[] = {{L"warning", IDI_WARNING},
                                    {L"error", IDI_ERROR},
                                    {L"question", IDI_QUESTION},
                                    {L"information", IDI_INFORMATION}};
    std::wstring best = L"unknown";
    long long bestDistance = std::numeric_limits<long long>::max();
    for (const Candidate& candidate : candidates) {
        CMemoryBitmap drawn(width, height);
        if (!drawn.Valid()) return L"unknown";
        drawn.Fill(shown.Pixel(0, 0));
        DrawIconEx(drawn.Dc(), 0, 0, LoadIconW(nullptr, candidate.id), width, height, 0, nullptr, DI_NORMAL);
        const long long distance = Distance(shown, drawn, width, height);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate.name;
        }
    }
    return best;
}
