// The picture tests' reference codec on Windows: the Windows Imaging
// Component's PNG and JPEG decoders and its JPEG encoder.
#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <utility>

#include "image_test_support.h"

using Microsoft::WRL::ComPtr;

namespace image_test {
namespace {

ComPtr<IWICImagingFactory> factory() {
    static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)com;
    ComPtr<IWICImagingFactory> f;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&f));
    return f;
}

}  // namespace

std::optional<Rgba> load_reference(const std::filesystem::path& path) {
    const auto wic = factory();
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICBitmapSource> bgra;
    UINT width = 0, height = 0;
    if (!wic ||
        FAILED(wic->CreateDecoderFromFilename(path.wstring().c_str(), nullptr, GENERIC_READ,
                                              WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height)) ||
        FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.Get(), &bgra)))
        return std::nullopt;
    Rgba out{int(width), int(height), Bytes(std::size_t(width) * height * 4)};
    if (FAILED(bgra->CopyPixels(nullptr, width * 4, UINT(out.pixels.size()), out.pixels.data()))) return std::nullopt;
    for (std::size_t i = 0; i < out.pixels.size(); i += 4) std::swap(out.pixels[i], out.pixels[i + 2]);
    return out;
}

Bytes encode_jpeg(const Rgba& picture, bool grey, int quality) {
    const auto wic = factory();
    ComPtr<IStream> stream;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    if (!wic || FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
        FAILED(wic->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, &encoder)) ||
        FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame, &options)))
        return {};
    PROPBAG2 option{};
    option.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
    VARIANT value{};
    value.vt = VT_R4;
    value.fltVal = float(quality) / 100;
    options->Write(1, &option, &value);
    WICPixelFormatGUID format = grey ? GUID_WICPixelFormat8bppGray : GUID_WICPixelFormat24bppBGR;
    const GUID wanted = format;
    if (FAILED(frame->Initialize(options.Get())) || FAILED(frame->SetSize(picture.width, picture.height)) ||
        FAILED(frame->SetPixelFormat(&format)) || format != wanted)
        return {};
    const int channels = grey ? 1 : 3;
    const UINT stride = (UINT(picture.width) * channels + 3) & ~3u;
    Bytes rows(std::size_t(stride) * picture.height);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t* in = &picture.pixels[(std::size_t(y) * picture.width + x) * 4];
            std::uint8_t* out = &rows[std::size_t(y) * stride + std::size_t(x) * channels];
            if (grey)
                out[0] = std::uint8_t((in[0] * 299 + in[1] * 587 + in[2] * 114) / 1000);
            else
                out[0] = in[2], out[1] = in[1], out[2] = in[0];
        }
    STATSTG written{};
    HGLOBAL memory = nullptr;
    if (FAILED(frame->WritePixels(picture.height, stride, UINT(rows.size()), rows.data())) || FAILED(frame->Commit()) ||
        FAILED(encoder->Commit()) || FAILED(stream->Stat(&written, STATFLAG_NONAME)) ||
        FAILED(GetHGlobalFromStream(stream.Get(), &memory)))
        return {};
    const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(memory));
    Bytes jpeg(bytes, bytes + written.cbSize.QuadPart);
    GlobalUnlock(memory);
    return jpeg;
}

}  // namespace image_test
