#include "TextureTool.h"

#include "TextureCommands.h"
#include "texlib/SquishBlock.h"

namespace decalia::tools {
namespace {

std::string Usage() {
    return std::string("usage: decalia-texture info FILE\n"
                       "       decalia-texture decode FILE OUT.bmp [--alpha OUT_a.bmp] [--level N]\n"
                       "       decalia-texture encode COLOUR.bmp ALPHA.bmp FORMAT OUT.bmp\n"
                       "                       [--quality fast|default|maximum|") +
           (texlib::SquishAvailable() ? "squish|" : "") +
           "stb] [--threads N] [--dxt1-alpha]\n"
           "       decalia-texture compare A.bmp B.bmp\n"
           "FORMAT: DXT1 DXT3NM DXT3 32ANM 32A 16-555 16-565 16-444 32 (any case);\n"
           "the 16-bit formats and 32 take no alpha sheet (give - for ALPHA.bmp).\n";
}

}  // namespace

int RunTextureTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   bool showProgress) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        (args.empty() ? err : out) << Usage();
        return args.empty() ? kToolUsage : 0;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    int status = kToolUsage;
    if (args[0] == "info") {
        status = InfoCommand(rest, out, err);
    } else if (args[0] == "decode") {
        status = DecodeCommand(rest, out, err);
    } else if (args[0] == "encode") {
        status = EncodeCommand(rest, out, err, showProgress);
    } else if (args[0] == "compare") {
        status = CompareCommand(rest, out, err);
    } else {
        err << "decalia-texture: unknown command '" << args[0] << "'\n";
    }
    if (status == kToolUsage) {
        err << Usage();
    }
    return status;
}

}  // namespace decalia::tools
