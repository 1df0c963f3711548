#include "ToolArgs.h"

namespace decalia::tools {

ToolArgs ParseToolArgs(const std::vector<std::string>& args, const std::set<std::string>& withValue,
                       const std::set<std::string>& switches) {
    ToolArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 2 || arg.rfind("--", 0) != 0) {
            parsed.positional.push_back(arg);
        } else if (switches.contains(arg)) {
            parsed.options[arg] = "";
        } else if (!withValue.contains(arg)) {
            parsed.error = "unknown option " + arg;
        } else if (i + 1 == args.size()) {
            parsed.error = arg + " needs a value";
        } else {
            parsed.options[arg] = args[++i];
        }
    }
    return parsed;
}

}  // namespace decalia::tools
