// libFuzzer target: any bytes as a campsite file and as clipboard data.
// Built and run by tools/fuzz.sh.
#include "campsitestreamcheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CampsiteStreamCheck::check(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
