#include "platform/fs/LocalTime.h"

namespace decalia::fs {

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    ::localtime_s(&local, &when);
    return local;
}

}  // namespace decalia::fs
