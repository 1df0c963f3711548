#include "platform/fs/FileStamp.h"
#include "platform/fs/windows/Win32.h"

namespace decalia::fs {
namespace {

// 100-nanosecond ticks from 1601 to 1970.
constexpr std::int64_t kTicksTo1970 = 116'444'736'000'000'000;

std::int64_t Nanoseconds(std::int64_t ticks) { return (ticks - kTicksTo1970) * 100; }

std::int64_t Ticks(const FILETIME& time) {
    return static_cast<std::int64_t>((std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime);
}

}  // namespace

std::optional<FileStamp> StampOfHostFile(const std::filesystem::path& hostPath) {
    detail::Handle file(::CreateFileW(hostPath.c_str(), FILE_READ_ATTRIBUTES,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file || !::GetFileInformationByHandle(file.Get(), &info) || !detail::IsFile(info.dwFileAttributes)) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    stamp.modifiedNs = Nanoseconds(Ticks(info.ftLastWriteTime));
    stamp.fileId = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    FILE_BASIC_INFO basic{};
    stamp.changedNs = ::GetFileInformationByHandleEx(file.Get(), FileBasicInfo, &basic, sizeof basic)
                          ? Nanoseconds(basic.ChangeTime.QuadPart)
                          : stamp.modifiedNs;
    return stamp;
}

}  // namespace decalia::fs
