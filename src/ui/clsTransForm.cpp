#include "ui/clsTransForm.h"

#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/fs/Fs.h"
#include "platform/gdi/Dib.h"
#include "platform/win/WindowSystem.h"
#include "ui/Toolkit.h"
#include "ui/VbError.h"

#include <cmath>
#include <span>

namespace decalia::ui {

namespace {

constexpr const char* kSaveSource = "TransForm";
// A region file is a header and 16 bytes per rectangle; even a window of
// 32768 x 32768 pixels cut into single-pixel runs stays far below this.
constexpr std::uint64_t kLargestRegionFile = 256ull << 20;

std::vector<TransparentRun> FindTransparentRuns(win::HDC dc, std::int32_t width,
                                                std::int32_t height, win::COLORREF color) {
    std::vector<TransparentRun> runs;
    for (std::int32_t y = 0; y < height; ++y) {
        bool open = false;
        TransparentRun run{y, 0, 0};
        for (std::int32_t x = 0; x < width; ++x) {
            if (win::GetPixel(dc, x, y) == color) {
                if (!open) {
                    run.first = x;
                    open = true;
                }
                run.last = x;
            } else if (open) {
                runs.push_back(run);
                open = false;
            }
        }
        if (open) {
            runs.push_back(run);
        }
    }
    return runs;
}

}  // namespace

clsTransForm::~clsTransForm() { DeleteRegion(); }

void clsTransForm::DeleteRegion() {
    if (region_) {
        win::DeleteObject(region_);
        region_ = win::HRGN{};
    }
}

void clsTransForm::ShapeMe(forms::Control& name, win::COLORREF color, bool Load,
                           std::string_view FileName) {
    DeleteRegion();
    form_ = name.As<forms::Form>();
    if (form_ != nullptr) {
        PrepareForm();
        if (FileName.empty() || !Load) {
            ComputeRegion(color);
        } else {
            region_ = LoadRegionDataFromFile(FileName);
        }
    }
    if (!FileName.empty() && !Load) {
        SaveRegionDataToFile(FileName);
    }
    // The window owns the region from here on. The form's persistent drawing
    // was read through its own memory DC, which stays the form's: there is no
    // window DC to release.
    if (form_ != nullptr && region_ &&
        form_->GetRuntime().Windows().SetWindowRgn(form_->hWnd(), region_, true) != 0) {
        region_ = win::HRGN{};
    }
}

void clsTransForm::PrepareForm() {
    form_->SetAutoRedraw(true);
    form_->SetScaleMode(forms::ScaleMode::Pixels);
    form_->SetClipControls(false);
    height_ = static_cast<std::int32_t>(std::lround(form_->ScaleHeight()));
    width_ = static_cast<std::int32_t>(std::lround(form_->ScaleWidth()));
}

void clsTransForm::ComputeRegion(win::COLORREF color) {
    runs_ = FindTransparentRuns(form_->hDC(), width_, height_, color);
    region_ = win::CreateRectRgn(0, 0, width_, height_);
    for (const TransparentRun& run : runs_) {
        const win::HRGN runRegion = win::CreateRectRgn(run.first, run.y, run.last + 1, run.y + 1);
        win::CombineRgn(region_, region_, runRegion, win::RGN_DIFF);
        win::DeleteObject(runRegion);
    }
}

void clsTransForm::SaveRegionDataToFile(std::string_view FileName) {
    const std::uint32_t size = win::GetRegionData(region_, {});
    if (size == 0) {
        throw VbError(kRegionSizeError, kSaveSource,
                      "Unable to determine size of region in SaveRegionDataToFile");
    }
    std::vector<std::uint8_t> buffer(size);
    if (win::GetRegionData(region_, buffer) != size) {
        throw VbError(kRegionDataError, kSaveSource,
                      "Unable to get region data in SaveRegionDataToFile");
    }
    // The write replaces the old file in one step, so a failed write keeps
    // the old file instead of deleting it first.
    const std::string_view bytes(reinterpret_cast<const char*>(buffer.data()), buffer.size());
    if (!fs::WriteAll(FileName, bytes)) {
        throw VbError(kFileAccessError, kSaveSource, "Path/File access error");
    }
}

win::HRGN clsTransForm::LoadRegionDataFromFile(std::string_view FileName) {
    const std::string source = toolkit_.exeName + ".cDIBSectionRegion";
    if (!fs::FileExists(FileName)) {
        throw VbError(kFileNotFoundError, source, "File not found");
    }
    const std::optional<std::string> bytes = fs::ReadAll(FileName, kLargestRegionFile);
    if (!bytes) {
        throw VbError(kFileAccessError, source, "Path/File access error");
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes->data());
    const win::HRGN loaded =
        win::ExtCreateRegion(nullptr, std::span<const std::uint8_t>(data, bytes->size()));
    if (!loaded) {
        throw VbError(kInvalidFileFormatError, source, "Invalid file format");
    }
    return loaded;
}

void clsTransForm::DragForm(win::HWND hWnd, int intButton) {
    win::WindowSystem& windows = toolkit_.runtime.Windows();
    if (intButton == 1) {
        windows.ReleaseCapture();
        windows.SendMessageA(hWnd, win::WM_NCLBUTTONDOWN, win::HTCAPTION, 0);
    }
    forms::Form* main = toolkit_.mainWindow;
    if (main != nullptr && main->MousePointer() == forms::vbCustom) {
        main->SetMousePointer(forms::vbDefault);
    }
}

}  // namespace decalia::ui
