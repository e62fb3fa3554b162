// Move-only owners of GDI handles and COM variants, and the off-screen surface that paints
// without flicker.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <utility>

namespace win32 {

// Owns one GDI object (brush, bitmap, ...).
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle get() const { return handle_; }
    void reset() {
        if (handle_) DeleteObject(handle_);
        handle_ = nullptr;
    }

private:
    Handle handle_ = nullptr;
};

using Brush = GdiObject<HBRUSH>;
using Bitmap = GdiObject<HBITMAP>;

// Owns a memory device context.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a device context for a scope and restores the previous one.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Owns a VARIANT: initialised empty, cleared (freeing what it holds) at the end.
class Variant {
public:
    Variant() { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    VARIANT* get() { return &value_; }

private:
    VARIANT value_;
};

// An off-screen surface over a target's clip box: draw into dc() in the target's own logical
// coordinates; the destructor copies the result in one block transfer. Printer targets are
// drawn directly.
class CMemDC {
public:
    explicit CMemDC(HDC target)
        : target_(target), offScreen_(GetDeviceCaps(target, TECHNOLOGY) != DT_RASPRINTER), memory_(target) {
        GetClipBox(target, &area_);
        if (!offScreen_ || !memory_.get()) {
            offScreen_ = false;
            return;
        }
        image_ = Bitmap(CreateCompatibleBitmap(target, area_.right - area_.left, area_.bottom - area_.top));
        previous_ = SelectObject(memory_.get(), image_.get());
        SetWindowOrgEx(memory_.get(), area_.left, area_.top, nullptr);
    }
    ~CMemDC() {
        if (!offScreen_) return;
        BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, memory_.get(),
               area_.left, area_.top, SRCCOPY);
        SelectObject(memory_.get(), previous_);
    }
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    HDC dc() const { return offScreen_ ? memory_.get() : target_; }

private:
    HDC target_;
    bool offScreen_;
    MemoryDc memory_;
    Bitmap image_;
    HGDIOBJ previous_ = nullptr;
    RECT area_{};
};

}  // namespace win32
