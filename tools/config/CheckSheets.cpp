// Sheet sizes, the rectangles that cut each sheet from the template, and the
// format each sheet gets.
#include <bit>

#include "CheckProblems.h"
#include "builder/TextureFormatNames.h"
#include "platform/text/Text.h"

namespace decalia::tools {
namespace {

using config::SectionMapping;
using config::TextureEntry;

// The pixels an edge pair covers along one axis, first to last: a pair
// given right to left (or bottom to top) is a mirrored copy of the same width.
struct Span {
    int first, last;
    bool mirrored;
};

Span Covered(int from, int to) {
    return to >= from ? Span{from, to - 1, false} : Span{to + 1, from, true};
}

struct Box {
    Span x, y;
};

Box DestBox(const SectionMapping& s) {
    return {Covered(s.DestLeft, s.DestRight), Covered(s.DestTop, s.DestBottom)};
}

bool Overlap(const Span& a, const Span& b) { return a.first <= b.last && b.first <= a.last; }
bool Empty(const Span& span) { return span.first > span.last; }

void CheckSide(const std::string& section, const char* key, int side, ProblemList& problems) {
    if (side <= 0) {
        problems.Error(section, key, "the size " + std::to_string(side) + " must be above 0");
    } else if (side % 4 != 0) {
        problems.Error(section, key, std::to_string(side) +
                                         " is not a multiple of 4, which compressed textures need");
    } else if (!std::has_single_bit(static_cast<unsigned>(side))) {
        problems.Warning(section, key, std::to_string(side) +
                                           " is not a power of two, which the simulator's mip "
                                           "chains need");
    }
}

struct Edge {
    const char* key;
    int value;
};

// The pixels an edge pair covers lie inside 0 .. size - 1; the edge that
// reaches out is the one named.
void CheckAxis(const std::string& section, const std::string& prefix, const char* area, Edge from,
               Edge to, int size, ProblemList& problems) {
    const Span span = Covered(from.value, to.value);
    if (Empty(span)) return;
    const Edge low = span.mirrored ? to : from;
    const Edge high = span.mirrored ? from : to;
    const std::string outside = " puts the piece on pixels " + std::to_string(span.first) + " to " +
                                std::to_string(span.last) + ", outside the " + area + "'s 0 to " +
                                std::to_string(size - 1);
    if (span.first < 0) problems.Error(section, prefix + low.key, std::to_string(low.value) + outside);
    if (span.last > size - 1) problems.Error(section, prefix + high.key, std::to_string(high.value) + outside);
}

void CheckPiece(const CheckedConfiguration& c, std::size_t i, std::size_t j, ProblemList& problems) {
    const TextureEntry& t = c.record.Textures[i];
    const SectionMapping& s = t.Sections[j];
    const std::string section = TextureSection(i);
    const std::string prefix = SectionKeyPrefix(j);
    const int templateX = c.record.TemplateSizeX;
    const int templateY = c.record.TemplateSizeY;
    CheckAxis(section, prefix, "template", {"TemplateLeft", s.TemplateLeft},
              {"TemplateRight", s.TemplateRight}, templateX, problems);
    CheckAxis(section, prefix, "template", {"TemplateTop", s.TemplateTop},
              {"TemplateBottom", s.TemplateBottom}, templateY, problems);
    CheckAxis(section, prefix, "sheet", {"DestLeft", s.DestLeft}, {"DestRight", s.DestRight},
              t.TextureSizeX, problems);
    CheckAxis(section, prefix, "sheet", {"DestTop", s.DestTop}, {"DestBottom", s.DestBottom},
              t.TextureSizeY, problems);
    const std::string piece = prefix.substr(0, prefix.size() - 1);
    const Box to = DestBox(s);
    if (s.TemplateLeft == s.TemplateRight || s.TemplateTop == s.TemplateBottom || Empty(to.x) ||
        Empty(to.y))
        problems.Warning(section, piece, "an empty rectangle: this piece copies nothing");
    for (std::size_t k = 0; k < j; ++k) {
        const Box earlier = DestBox(t.Sections[k]);
        if (!Overlap(earlier.x, to.x) || !Overlap(earlier.y, to.y)) continue;
        const std::string other = SectionKeyPrefix(k);
        problems.Warning(section, piece,
                         "overlaps " + other.substr(0, other.size() - 1) +
                             " on the sheet; the later one wins");
    }
}

// The file cannot choose the format (the main window's check box does), so a
// format named in it is at best ignored.
void CheckFormat(const CheckedConfiguration& c, std::size_t i, ProblemList& problems) {
    const std::string section = TextureSection(i);
    if (!IsKnownTextureFormat(c.record.Textures[i].TextureFormat))
        problems.Error(section, "TextureFormat",
                       Quoted(text::Trim(c.record.Textures[i].TextureFormat)) + " is not a known format");
    std::string named;
    if (!c.ini.Lookup(section, "TextureFormat", named)) return;
    if (!IsKnownTextureFormat(named))
        problems.Error(section, "TextureFormat", Quoted(named) + " is not a known format");
    else
        problems.Warning(section, "TextureFormat",
                         "ignored: the format comes from the main window's DXT3 check box");
}

}  // namespace

void CheckSheets(const CheckedConfiguration& c, ProblemList& problems) {
    for (const auto& [key, side] : {std::pair{"TemplateSizeX", c.record.TemplateSizeX},
                                    std::pair{"TemplateSizeY", c.record.TemplateSizeY}})
        if (side <= 0) problems.Error("Main", key, "the size " + std::to_string(side) + " must be above 0");
    for (std::size_t i = 0; i < c.record.Textures.size(); ++i) {
        if (!HasTextureSection(c, i)) continue;
        const TextureEntry& t = c.record.Textures[i];
        CheckSide(TextureSection(i), "TextureSizeX", t.TextureSizeX, problems);
        CheckSide(TextureSection(i), "TextureSizeY", t.TextureSizeY, problems);
        CheckFormat(c, i, problems);
        for (std::size_t j = 0; j < t.Sections.size(); ++j)
            if (HasPiece(c, i, j)) CheckPiece(c, i, j, problems);
    }
}

}  // namespace decalia::tools
