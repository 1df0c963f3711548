#include "InstalledLivery.h"

#include "ModelNames.h"
#include "platform/text/Text.h"

namespace decalia::demodata {
namespace {

constexpr std::string_view kLiveryWord = "BlueHeronAir";

}  // namespace

std::optional<InstalledLivery> DemoLivery(const DemoAircraft& aircraft) {
    const int k = aircraft.record.NumIdentifierCharacters;
    if (k < 1 || static_cast<std::size_t>(k) > kLiveryWord.size()) return std::nullopt;
    const std::string extension(kLiveryWord.substr(0, static_cast<std::size_t>(k)));
    return InstalledLivery{"Blue Heron", extension, text::UCase(extension), "BLUE HERON"};
}

std::optional<std::string> LiveryTextureName(const config::TextureEntry& texture,
                                             const InstalledLivery& livery) {
    return MaskedName(texture.BaseTextureName, texture.ReplaceMask, livery.identifier);
}

std::optional<std::string> LiveryModelName(const DemoAircraft& aircraft, const InstalledLivery& livery) {
    return MaskedName(aircraft.record.BaseModelName, aircraft.record.ReplaceMask, livery.identifier);
}

std::optional<std::string> LiveryAirName(const DemoAircraft& aircraft, const InstalledLivery& livery) {
    return MaskedName(aircraft.record.BaseAirName, aircraft.record.ReplaceAirMask, livery.identifier);
}

}  // namespace decalia::demodata
