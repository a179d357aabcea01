#include "frame/gdi_scope.h"

namespace {
long liveObjects = 0;
}  // namespace

long LiveGdiObjects() { return liveObjects; }
void CountGdiObject(long change) { liveObjects += change; }

MemoryPicture::MemoryPicture(HDC like, HBITMAP bitmap) : bitmap_(bitmap) {
    if (!bitmap_) return;
    dc_ = CreateCompatibleDC(like);
    if (dc_ == nullptr) return;
    CountGdiObject(1);
    old_ = SelectObject(dc_, bitmap_.Get());
}

MemoryPicture& MemoryPicture::operator=(MemoryPicture&& other) noexcept {
    if (this != &other) {
        Reset();
        dc_ = std::exchange(other.dc_, nullptr);
        old_ = std::exchange(other.old_, nullptr);
        bitmap_ = std::move(other.bitmap_);
    }
    return *this;
}

void MemoryPicture::Reset() {
    if (dc_ != nullptr) {
        if (old_ != nullptr) SelectObject(dc_, old_);
        DeleteDC(dc_);
        CountGdiObject(-1);
        dc_ = nullptr;
        old_ = nullptr;
    }
    bitmap_.Reset();  // after the DC let it go
}
