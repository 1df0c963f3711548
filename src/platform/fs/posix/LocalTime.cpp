#include "platform/fs/LocalTime.h"

namespace decalia::fs {

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    return local;
}

}  // namespace decalia::fs
