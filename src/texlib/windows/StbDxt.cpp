// stb_dxt's code: Debian ships its compiled form for Linux only.
#include <cstring>

#define STB_DXT_IMPLEMENTATION
#include <stb_dxt.h>
