#include "imaging/CallDXTdll.h"

#include <string>

#include "appstate/Application.h"
#include "imaging/BitmapSurfaces.h"
#include "platform/fs/Fs.h"
#include "platform/win/Library.h"
#include "texlib/kwdds.h"

namespace decalia {
namespace {

constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

// Opened once, from the program's folder by its full path, so the current
// folder never decides which library runs.
void* TextureLibrary(Application& app) {
    if (!app.textureLibrary) {
        const std::string path = fs::Resolve(app.AppPath("\\" + win::LibraryFileName(kTextureLibrary)));
        win::HMODULE handle = win::LoadLibraryA(path);
        if (handle == nullptr) return nullptr;
        app.textureLibrary = std::shared_ptr<void>(handle, [](win::HMODULE h) { win::FreeLibrary(h); });
    }
    return app.textureLibrary.get();
}

template <class Function>
Function* EntryPoint(Application& app, const char* name) {
    void* library = TextureLibrary(app);
    return library == nullptr ? nullptr : reinterpret_cast<Function*>(win::GetProcAddress(library, name));
}

// The library is a host program: it gets host paths.
std::string HostPath(const Application& app, std::string_view name) {
    return fs::Resolve(TempBitmapPath(app, name));
}

void CallCompress(Application& app, std::string_view colourName, std::string_view alphaName,
                  std::string_view outputName, std::int32_t formatCode, std::int16_t flag1,
                  std::int16_t flag2) {
    auto* compress = EntryPoint<decltype(BMPScompressBMP)>(app, "BMPScompressBMP");
    if (compress == nullptr) return;
    compress(HostPath(app, colourName).c_str(), HostPath(app, alphaName).c_str(), formatCode,
             flag1, flag2, HostPath(app, outputName).c_str());
}

}  // namespace

void CompressTexture(Application& app, std::string_view colourName, std::string_view alphaName,
                     std::string_view outputName, bool flag, std::int32_t formatCode) {
    const std::int16_t both = flag ? kTrue : kFalse;
    CallCompress(app, colourName, alphaName, outputName, formatCode, both, both);
}

void CompressTextureDXT1(Application& app, std::string_view colourName, std::string_view alphaName,
                         std::string_view outputName) {
    CallCompress(app, colourName, alphaName, outputName, kFormatCodeDxt1, kTrue, kFalse);
    ReleaseWorkSurfaces(app);
    fs::DeleteFile(TempBitmapPath(app, colourName));
    fs::DeleteFile(TempBitmapPath(app, alphaName));
}

void ConvertTexture(Application& app, std::string_view sourceName, std::string_view outputName,
                    std::string_view code) {
    auto* convert = EntryPoint<decltype(ConvertImageFormat)>(app, "ConvertImageFormat");
    if (convert == nullptr) return;
    const std::string codeText(code);
    convert(HostPath(app, sourceName).c_str(), HostPath(app, outputName).c_str(), codeText.c_str());
}

}  // namespace decalia
