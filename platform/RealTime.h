#pragma once
// Sound threads ask for real-time scheduling where the system grants it (as sound servers and
// their clients do), so a busy machine does not starve the queue they keep. Where it is
// refused the thread runs as any other.

#if defined(__linux__)
#include <pthread.h>
#include <sched.h>
#endif

namespace platform {

inline void askForRealTime()
{
#if defined(__linux__)
    sched_param param{};
    param.sched_priority = sched_get_priority_min(SCHED_RR);
    pthread_setschedparam(pthread_self(), SCHED_RR, &param);
#endif
}

} // namespace platform
