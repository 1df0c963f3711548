#include "TextureCommands.h"

#include <charconv>
#include <cmath>
#include <iomanip>
#include <sstream>

#include "TextureTool.h"
#include "ToolArgs.h"
#include "texlib/AtomicFile.h"
#include "texlib/BitmapFile.h"
#include "texlib/Psnr.h"
#include "texlib/TextureReader.h"

namespace decalia::tools {
namespace {

using texlib::Texture;

std::optional<Texture> Load(const std::string& file, std::ostream& err) {
    texlib::TextureRead read = texlib::ReadTexture(file);
    if (!read.texture) {
        err << "decalia-texture: " << file << ": " << read.error << "\n";
    }
    return std::move(read.texture);
}

std::string Decibels(double psnr) {
    if (std::isinf(psnr)) {
        return "identical";
    }
    std::ostringstream text;
    text << std::fixed << std::setprecision(2) << psnr << " dB";
    return text.str();
}

bool Save(const std::string& file, const std::vector<std::uint8_t>& bytes, std::ostream& err) {
    if (!texlib::WriteFileAtomically(file, bytes)) {
        err << "decalia-texture: cannot write " << file << "\n";
        return false;
    }
    return true;
}

}  // namespace

int InfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        return kToolUsage;
    }
    const auto texture = Load(args[0], err);
    if (!texture) {
        return kToolFailed;
    }
    out << "format: " << texlib::FormatName(texture->format) << "\n"
        << "size: " << texture->width << " x " << texture->height << "\n"
        << "mip levels: " << texture->levels.size()
        << (texture->hasMipChain ? " (full chain)" : "") << "\n";
    for (std::size_t level = 0; level < texture->levels.size(); ++level) {
        out << "  level " << level << ": " << texture->levels[level].width << " x "
            << texture->levels[level].height << "\n";
    }
    out << "sizes checked: headers, levels and file length agree\n";
    return 0;
}

int DecodeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const ToolArgs parsed = ParseToolArgs(args, {"--alpha", "--level"});
    if (!parsed.error.empty() || parsed.positional.size() != 2) {
        err << (parsed.error.empty() ? "" : "decalia-texture: " + parsed.error + "\n");
        return kToolUsage;
    }
    std::size_t level = 0;
    if (const auto it = parsed.options.find("--level"); it != parsed.options.end()) {
        const std::string& text = it->second;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), level);
        if (ec != std::errc{} || end != text.data() + text.size()) {
            err << "decalia-texture: --level needs a whole number\n";
            return kToolUsage;
        }
    }
    const auto texture = Load(parsed.positional[0], err);
    if (!texture) {
        return kToolFailed;
    }
    if (level >= texture->levels.size()) {
        err << "decalia-texture: level " << level << " does not exist; the file has "
            << texture->levels.size() << "\n";
        return kToolFailed;
    }
    const texlib::RgbaImage& image = texture->levels[level];
    if (!Save(parsed.positional[1], texlib::EncodeColourBitmap(image), err)) {
        return kToolFailed;
    }
    if (const auto it = parsed.options.find("--alpha"); it != parsed.options.end()) {
        if (!Save(it->second, texlib::EncodeAlphaBitmap(image), err)) {
            return kToolFailed;
        }
    }
    out << "level " << level << ": " << image.width << " x " << image.height << " written\n";
    return 0;
}

int CompareCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 2) {
        return kToolUsage;
    }
    const auto a = Load(args[0], err);
    const auto b = a ? Load(args[1], err) : std::nullopt;
    if (!a || !b) {
        return kToolFailed;
    }
    const auto psnr = texlib::ComputePsnr(a->levels[0], b->levels[0]);
    if (!psnr) {
        err << "decalia-texture: the images differ in size (" << a->width << " x " << a->height
            << " and " << b->width << " x " << b->height << ")\n";
        return kToolFailed;
    }
    out << "RGB PSNR: " << Decibels(psnr->rgb) << "\n"
        << "alpha PSNR: " << Decibels(psnr->alpha) << "\n";
    return 0;
}

}  // namespace decalia::tools
