#pragma once
#include <windows.h>

#include <utility>

// Scoped GDI objects for the drawing code: whatever a scope creates is
// released when it ends, on every path. Each helper counts the objects it
// holds, so that a test can see that no page leaves any behind (the system's
// own count is not available under every Windows implementation).

// GDI objects (DCs, bitmaps, pens, fonts) held by the helpers below right now.
long LiveGdiObjects();
void CountGdiObject(long change);

// A pen, brush, font or bitmap, deleted at the end of the scope.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {
        if (handle_ != nullptr) CountGdiObject(1);
    }
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset() {
        if (handle_ == nullptr) return;
        DeleteObject(handle_);
        CountGdiObject(-1);
        handle_ = nullptr;
    }

private:
    Handle handle_ = nullptr;
};

using ScopedPen = GdiObject<HPEN>;
using ScopedFont = GdiObject<HFONT>;
using ScopedBitmap = GdiObject<HBITMAP>;

// Selects an object into a DC and puts the previous one back at scope end.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selection() {
        if (old_ != nullptr && old_ != HGDI_ERROR) SelectObject(dc_, old_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's DC from GetDC, released at scope end.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) { CountGdiObject(1); }
    ~WindowDC() {
        ReleaseDC(window_, dc_);
        CountGdiObject(-1);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// A memory DC compatible with `like` that owns the bitmap selected into it:
// both are released together (the start-up picture, a thumbnail). Movable, so
// a page can keep one per cell.
class MemoryPicture {
public:
    MemoryPicture() = default;
    MemoryPicture(HDC like, HBITMAP bitmap);
    ~MemoryPicture() { Reset(); }
    MemoryPicture(MemoryPicture&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), old_(std::exchange(other.old_, nullptr)),
          bitmap_(std::move(other.bitmap_)) {}
    MemoryPicture& operator=(MemoryPicture&& other) noexcept;
    MemoryPicture(const MemoryPicture&) = delete;
    MemoryPicture& operator=(const MemoryPicture&) = delete;

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    void Reset();

private:
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
    ScopedBitmap bitmap_;
};
