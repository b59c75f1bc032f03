#pragma once
// Holds back the catchable stops (SIGINT, SIGTERM, SIGHUP) for the life of the object: one that
// arrives meanwhile takes effect when it ends. For work that must not be left half done, such as
// overwriting a file in place.
#include <signal.h>

namespace kit {

class HeldStops {
public:
    HeldStops()
    {
        sigset_t stops;
        sigemptyset(&stops);
        for (int stop : {SIGINT, SIGTERM, SIGHUP})
            sigaddset(&stops, stop);
        ::sigprocmask(SIG_BLOCK, &stops, &before_);
    }
    ~HeldStops() { ::sigprocmask(SIG_SETMASK, &before_, nullptr); }
    HeldStops(const HeldStops&) = delete;
    HeldStops& operator=(const HeldStops&) = delete;

private:
    sigset_t before_;
};

} // namespace kit
