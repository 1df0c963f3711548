#pragma once
// The guide as a PDF: its chapters (Markdown files, in name order) laid out
// on A4 pages with the window pictures in place.

#include <QImage>
#include <filesystem>
#include <map>
#include <string>

namespace decalia::guide {

// False when the text cannot be read or the PDF cannot be written.
bool WriteGuidePdf(const std::filesystem::path& textFolder,
                   const std::map<std::string, QImage>& pictures,
                   const std::filesystem::path& pdf);

}  // namespace decalia::guide
