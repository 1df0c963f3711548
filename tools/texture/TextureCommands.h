#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace decalia::tools {

// Each takes the arguments after its command word and returns an exit status.
int InfoCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int DecodeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int CompareCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int EncodeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                  bool showProgress);

}  // namespace decalia::tools
