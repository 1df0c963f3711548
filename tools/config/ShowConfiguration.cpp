#include "ShowConfiguration.h"

#include <string>

#include "platform/text/Text.h"

namespace decalia::tools {
namespace {

using config::AircraftConfiguration;
using config::TextureEntry;

class Printer {
public:
    explicit Printer(std::ostream& out) : out_(out) {}
    void operator()(const std::string& name, const std::string& value) {
        out_ << name << " = " << text::ToHost(value) << '\n';
    }
    void operator()(const std::string& name, std::int64_t value) {
        out_ << name << " = " << value << '\n';
    }

private:
    std::ostream& out_;
};

std::string Index(std::size_t i) { return text::Format00(static_cast<std::int64_t>(i)); }

void ShowMain(const AircraftConfiguration& c, Printer& p) {
    p("AircraftDisplayName", c.AircraftDisplayName);
    p("DataPath", c.DataPath);
    p("AircraftDirectory", c.AircraftDirectory);
    p("Manufacturer", c.Manufacturer);
    p("AircraftType", c.AircraftType);
    p("AircraftTail", c.AircraftTail);
    p("AircraftFlight", c.AircraftFlight);
    p("AircraftTitlePrefix", c.AircraftTitlePrefix);
    p("CheckListFile", c.CheckListFile);
    p("ReferenceFile", c.ReferenceFile);
    p("Description", c.Description);
    p("AssignAirline", c.AssignAirline);
    p("NumIdentifierCharacters", c.NumIdentifierCharacters);
    p("NumTextures", c.NumTextures);
    p("TemplateSizeX", c.TemplateSizeX);
    p("TemplateSizeY", c.TemplateSizeY);
    p("BaseModelName", c.BaseModelName);
    p("ReplaceMask", c.ReplaceMask);
    p("BaseAirName", c.BaseAirName);
    p("ReplaceAirMask", c.ReplaceAirMask);
    p("CopyRenameAirFile", c.CopyRenameAirFile);
    p("UseAlpha", c.UseAlpha);
    p("DefaultHeavy", c.DefaultHeavy);
    p("ShowDamage", c.ShowDamage);
    p("TextureAssignOnly", c.TextureAssignOnly);
    p("ModelFolder", c.ModelFolder);
}

void ShowSection(const std::string& prefix, const config::SectionMapping& s, Printer& p) {
    p(prefix + "TemplateLeft", s.TemplateLeft);
    p(prefix + "TemplateTop", s.TemplateTop);
    p(prefix + "TemplateRight", s.TemplateRight);
    p(prefix + "TemplateBottom", s.TemplateBottom);
    p(prefix + "DestLeft", s.DestLeft);
    p(prefix + "DestTop", s.DestTop);
    p(prefix + "DestRight", s.DestRight);
    p(prefix + "DestBottom", s.DestBottom);
}

void ShowTexture(std::size_t i, const TextureEntry& t, Printer& p) {
    const std::string prefix = "Texture." + Index(i) + ".";
    p(prefix + "BaseTextureName", t.BaseTextureName);
    p(prefix + "ReplaceMask", t.ReplaceMask);
    p(prefix + "ViewName", t.ViewName);
    p(prefix + "TextureSizeX", t.TextureSizeX);
    p(prefix + "TextureSizeY", t.TextureSizeY);
    p(prefix + "TextureFormat", t.TextureFormat);
    p(prefix + "NumSectionsOnTexture", t.NumSectionsOnTexture);
    for (std::size_t j = 0; j < t.Sections.size(); ++j)
        ShowSection(prefix + "Section." + Index(j) + ".", t.Sections[j], p);
    p(prefix + "NumMdlOffsets", t.NumMdlOffsets);
    for (std::size_t k = 0; k < t.MdlOffsets.size(); ++k)
        p(prefix + "Offset." + Index(k), t.MdlOffsets[k]);
}

void ShowExtras(const config::ExtraTextures& textures, const config::ExtraFields& fields,
                Printer& p) {
    p("ExtraTextures.CopyExtraTextures", textures.CopyExtraTextures);
    p("ExtraTextures.BaseTextureFolder", textures.BaseTextureFolder);
    p("ExtraTextures.NumTextures", textures.NumExtraTextures);
    if (textures.CopyExtraTextures == 1) {
        for (std::size_t n = 0; n < textures.ExtraTexture.size(); ++n)
            p("ExtraTextures.ExtraTexture." + Index(n), textures.ExtraTexture[n]);
    }
    p("ExtraFields.CopyExtraFields", fields.CopyExtraFields);
    p("ExtraFields.NumFields", fields.NumFields);
    if (fields.CopyExtraFields == 1) {
        for (std::size_t n = 0; n < fields.ExtraField.size(); ++n) {
            p("ExtraFields.ExtraField." + Index(n), fields.ExtraField[n]);
            p("ExtraFields.ExtraFieldDefault." + Index(n), fields.ExtraFieldDefault[n]);
        }
    }
}

}  // namespace

void ShowConfiguration(const AircraftConfiguration& record,
                       const config::ExtraTextures& extraTextures,
                       const config::ExtraFields& extraFields, std::ostream& out) {
    Printer print(out);
    ShowMain(record, print);
    ShowExtras(extraTextures, extraFields, print);
    for (std::size_t i = 0; i < record.Textures.size(); ++i) ShowTexture(i, record.Textures[i], print);
}

}  // namespace decalia::tools
