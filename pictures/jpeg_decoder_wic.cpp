// JPEG through the Windows Imaging Component, which every Windows has, from
// memory. The Windows build's counterpart of jpeg_decoder.cpp.
#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <utility>
#include <vector>

#include "pictures/picture.h"
#include "pictures/picture_limits.h"

namespace forms::image {
namespace {

// COM's library, loaded when the first JPEG is decoded rather than by the
// loader at every start: setting it up costs a start under wine tens of
// milliseconds, and most starts show no JPEG before the window is up.
struct ComLibrary {
    HMODULE module = LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    decltype(&CoInitializeEx) initialize = entry<decltype(&CoInitializeEx)>("CoInitializeEx");
    decltype(&CoUninitialize) uninitialize = entry<decltype(&CoUninitialize)>("CoUninitialize");
    decltype(&CoCreateInstance) create_instance = entry<decltype(&CoCreateInstance)>("CoCreateInstance");
    bool loaded() const { return initialize != nullptr && uninitialize != nullptr && create_instance != nullptr; }

private:
    template <typename Function>
    Function entry(const char* name) const {
        return module == nullptr ? nullptr
                                 : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    }
};

const ComLibrary& com_library() {
    static const ComLibrary library;
    return library;
}

// COM for the calling thread during one decode. A thread that runs COM in
// the other threading model already can use it as it is.
class ComScope {
public:
    explicit ComScope(const ComLibrary& com)
        : com_(com), result_(com.loaded() ? com.initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) com_.uninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

private:
    const ComLibrary& com_;
    HRESULT result_;
};

}  // namespace

Picture decode_jpeg(std::span<const std::uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > MAXDWORD) return {};
    const ComLibrary& library = com_library();
    ComScope com(library);
    if (!com.usable()) return {};
    using Microsoft::WRL::ComPtr;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    // WIC reads the bytes in place and never writes them.
    if (FAILED(
            library.create_instance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
        FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(bytes.data()), DWORD(bytes.size()))) ||
        // Its JPEG decoder by name: the bytes were taken for a JPEG, and no
        // other format WIC knows is to be read through here.
        FAILED(factory->CreateDecoder(GUID_ContainerFormatJpeg, nullptr, &decoder)) ||
        FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
        FAILED(decoder->GetFrame(0, &frame)))
        return {};
    UINT width = 0, height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || !picture_size_allowed(width, height)) return {};
    // Grey, colour and CMYK pictures alike come out as opaque BGRA. The
    // factory's converter rather than WICConvertBitmapSource: the program
    // then imports nothing from WindowsCodecs.dll, which COM loads only when
    // a JPEG is first decoded instead of the loader at every start.
    ComPtr<IWICFormatConverter> bgra;
    if (FAILED(factory->CreateFormatConverter(&bgra)) ||
        FAILED(bgra->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                WICBitmapPaletteTypeCustom)))
        return {};
    std::vector<std::uint8_t> pixels(std::size_t(width) * height * 4);
    if (FAILED(bgra->CopyPixels(nullptr, width * 4, UINT(pixels.size()), pixels.data()))) return {};
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        std::swap(pixels[i], pixels[i + 2]);
        pixels[i + 3] = 255;
    }
    Picture picture;
    picture.width = int(width);
    picture.height = int(height);
    picture.frames.push_back(Frame{std::move(pixels), 0});
    return picture;
}

}  // namespace forms::image
