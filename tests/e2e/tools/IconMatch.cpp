#include "IconMatch.h"

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

#include "WindowQueries.h"

namespace {

class CMemoryBitmap {
public:
    CMemoryBitmap(int width, int height) : m_nWidth(width), m_nHeight(height) {
        m_hScreen = GetDC(nullptr);
        m_hDc = CreateCompatibleDC(m_hScreen);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_hBitmap = CreateDIBSection(m_hDc, &info, DIB_RGB_COLORS, &m_pBits, nullptr, 0);
        if (m_hBitmap != nullptr) m_hOld = SelectObject(m_hDc, m_hBitmap);
    }
    ~CMemoryBitmap() {
        if (m_hOld != nullptr) SelectObject(m_hDc, m_hOld);
        if (m_hBitmap != nullptr) DeleteObject(m_hBitmap);
        if (m_hDc != nullptr) DeleteDC(m_hDc);
        if (m_hScreen != nullptr) ReleaseDC(nullptr, m_hScreen);
    }
    CMemoryBitmap(const CMemoryBitmap&) = delete;
    CMemoryBitmap& operator=(const CMemoryBitmap&) = delete;

    bool Valid() const { return m_hBitmap != nullptr && m_pBits != nullptr; }
    HDC Dc() const { return m_hDc; }
    HDC Screen() const { return m_hScreen; }
    std::uint32_t Pixel(int x, int y) const {
        return static_cast<const std::uint32_t*>(m_pBits)[static_cast<size_t>(y) * m_nWidth + x];
    }
    void Fill(std::uint32_t pixel) {
        auto* pixels = static_cast<std::uint32_t*>(m_pBits);
        for (size_t i = 0; i < static_cast<size_t>(m_nWidth) * m_nHeight; ++i) pixels[i] = pixel;
    }

private:
    int m_nWidth;
    int m_nHeight;
    HDC m_hScreen = nullptr;
    HDC m_hDc = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    void* m_pBits = nullptr;
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
