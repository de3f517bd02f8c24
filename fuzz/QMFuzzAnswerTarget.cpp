#include "QMFuzzAnswers.h"

// One fuzz target per answer family; the build names the family (QM_FUZZ_FAMILY).
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    QMFuzzAnswers::initialize();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QMFuzzAnswers::deliverInput(QMFuzzAnswers::Family::QM_FUZZ_FAMILY, data, size);
    return 0;
}
