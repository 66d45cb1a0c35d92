// The entry points libFuzzer calls for one target. Each fuzz-NAME program is
// this file compiled with SKYREACH_FUZZ_TARGET set to NAME.
#include "FuzzTarget.h"

#include <cstdio>
#include <cstdlib>

namespace
{
const FuzzTarget* s_target = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    s_target = FuzzTarget::Find(SKYREACH_FUZZ_TARGET);
    if (!s_target)
    {
        std::fprintf(stderr, "No fuzz target named %s\n", SKYREACH_FUZZ_TARGET);
        std::exit(2);
    }
    FuzzTarget::UseDataFile(SKYREACH_FUZZ_DATA_FILE);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    s_target->RunOne(data, size);
    return 0;
}
