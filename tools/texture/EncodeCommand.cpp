#include <algorithm>
#include <array>
#include <cctype>

#include "Progress.h"
#include "TextureCommands.h"
#include "TextureTool.h"
#include "ToolArgs.h"
#include "texlib/EncoderSettings.h"
#include "texlib/Parallel.h"
#include "texlib/SquishBlock.h"
#include "texlib/TextureWriter.h"

namespace decalia::tools {
namespace {

// The library call the program makes for each texture format name.
struct FormatCall {
    const char* name;
    std::int32_t formatCode;  // BMPScompressBMP, or 0 for ConvertImageFormat
    bool flag1;
    bool flag2;
    const char* convertCode;
};

constexpr std::array<FormatCall, 9> kFormatCalls{{
    {"DXT1", 10, true, false, ""},
    {"DXT3NM", 12, false, false, ""},
    {"DXT3", 12, true, true, ""},
    {"32ANM", 17, false, false, ""},
    {"32A", 17, true, true, ""},
    {"16-555", 0, false, false, "1"},
    {"16-565", 0, false, false, "2"},
    {"16-444", 0, false, false, "3"},
    {"32", 0, false, false, "4"},
}};

const FormatCall* FindFormat(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (const FormatCall& call : kFormatCalls) {
        if (name == call.name) {
            return &call;
        }
    }
    return nullptr;
}

std::string CheckOptions(const ToolArgs& parsed, texlib::EncodeOptions& options) {
    options.threads = texlib::HardwareThreads();
    if (const auto it = parsed.options.find("--quality"); it != parsed.options.end()) {
        const auto quality = texlib::ParseQuality(it->second);
        if (!quality) {
            return texlib::SquishAvailable() ? "--quality must be fast, default, maximum, squish or stb"
                                             : "--quality must be fast, default, maximum or stb";
        }
        options.quality = *quality;
    }
    if (const auto it = parsed.options.find("--threads"); it != parsed.options.end()) {
        const auto threads = texlib::ParseThreadCount(it->second);
        if (!threads) {
            return "--threads must be a whole number from 1 to 256";
        }
        options.threads = *threads;
    }
    return {};
}

}  // namespace

int EncodeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  bool showProgress) {
    const ToolArgs parsed = ParseToolArgs(args, {"--quality", "--threads"}, {"--dxt1-alpha"});
    texlib::EncodeOptions options;
    std::string problem = parsed.error.empty() ? CheckOptions(parsed, options) : parsed.error;
    const FormatCall* call = parsed.positional.size() == 4 ? FindFormat(parsed.positional[2]) : nullptr;
    const bool dxt1Alpha = parsed.options.contains("--dxt1-alpha");
    if (problem.empty() && parsed.positional.size() == 4 && !call) {
        problem = "unknown format " + parsed.positional[2];
    }
    if (problem.empty() && call && dxt1Alpha && call->formatCode != 10) {
        problem = "--dxt1-alpha applies to DXT1 only";
    }
    if (!problem.empty() || !call) {
        err << (problem.empty() ? "" : "decalia-texture: " + problem + "\n");
        return kToolUsage;
    }
    ProgressLine progress(err);
    if (showProgress) {
        options.progress = progress.Callback();
    }
    const std::string& output = parsed.positional[3];
    const texlib::TexError result =
        call->formatCode != 0
            ? texlib::CompressBitmap({parsed.positional[0], parsed.positional[1], call->formatCode,
                                      call->flag1, call->flag2 || dxt1Alpha, output},
                                     options)
            : texlib::ConvertBitmap({parsed.positional[0], output, call->convertCode}, options);
    progress.Finish();
    if (result != texlib::TexError::None) {
        err << "decalia-texture: " << texlib::Describe(result) << " (error "
            << static_cast<int>(result) << "); nothing written to " << output << "\n";
        return kToolFailed;
    }
    out << call->name << " texture written to " << output << "\n";
    return 0;
}

}  // namespace decalia::tools
