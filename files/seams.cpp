// SPDX-License-Identifier: GPL-3.0-or-later
#include "seams.h"

namespace kestro {
namespace {

FaultHook faultHook = nullptr;
CallFaultHook callFaultHook = nullptr;

}  // namespace

void setFaultHook(FaultHook hook) {
    faultHook = hook;
}

void beforeDiskChange() {
    if (faultHook) faultHook();
}

void setCallFaultHook(CallFaultHook hook) {
    callFaultHook = hook;
}

int injectedFault(SystemCall call) {
    return callFaultHook ? callFaultHook(call) : 0;
}

FileLayerCounts& fileLayerCounts() {
    static FileLayerCounts counts;
    return counts;
}

}  // namespace kestro
