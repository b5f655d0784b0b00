#include "Pictures.h"

#include <wincodec.h>

#include "Com.h"

namespace quillon::win32 {

OwnedBitmap DecodePicture(int resourceId) {
    const HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
    const HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    auto* bytes = static_cast<BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
    if (bytes == nullptr) {
        return nullptr;
    }
    const ComApartment apartment;
    IWICImagingFactory* createdFactory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&createdFactory)))) {
        return nullptr;
    }
    const ComHolder<IWICImagingFactory> factory(createdFactory);
    IWICStream* createdStream = nullptr;
    if (FAILED(factory->CreateStream(&createdStream))) {
        return nullptr;
    }
    const ComHolder<IWICStream> stream(createdStream);
    IWICBitmapDecoder* createdDecoder = nullptr;
    IWICBitmapFrameDecode* createdFrame = nullptr;
    if (FAILED(stream->InitializeFromMemory(bytes, SizeofResource(nullptr, found))) ||
        FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, &createdDecoder))) {
        return nullptr;
    }
    const ComHolder<IWICBitmapDecoder> decoder(createdDecoder);
    if (FAILED(decoder->GetFrame(0, &createdFrame))) {
        return nullptr;
    }
    const ComHolder<IWICBitmapFrameDecode> frame(createdFrame);
    IWICFormatConverter* createdConverter = nullptr;
    if (FAILED(factory->CreateFormatConverter(&createdConverter))) {
        return nullptr;
    }
    const ComHolder<IWICFormatConverter> converter(createdConverter);
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->GetSize(&width, &height))) {
        return nullptr;
    }
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER),
                        static_cast<LONG>(width),
                        -static_cast<LONG>(height),
                        1,
                        32,
                        BI_RGB,
                        0,
                        0,
                        0,
                        0,
                        0};
    void* bits = nullptr;
    OwnedBitmap picture(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UINT stride = width * 4;
    if (!picture ||
        FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
        return nullptr;
    }
    return picture;
}

OwnedBitmap ScaledBitmap(HBITMAP source, int width, int height) {
    BITMAP size{};
    GetObjectW(source, sizeof size, &size);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    OwnedBitmap scaled(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const OwnedDc from(CreateCompatibleDC(nullptr));
    const OwnedDc to(CreateCompatibleDC(nullptr));
    const HGDIOBJ fromBefore = SelectObject(from.get(), source);
    const HGDIOBJ toBefore = SelectObject(to.get(), scaled.get());
    SetStretchBltMode(to.get(), HALFTONE);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, size.bmWidth, size.bmHeight,
               SRCCOPY);
    SelectObject(from.get(), fromBefore);
    SelectObject(to.get(), toBefore);
    return scaled;
}

}  // namespace quillon::win32
