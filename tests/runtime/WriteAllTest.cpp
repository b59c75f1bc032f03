#include <gtest/gtest.h>

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

#include "FileDescriptor.h"
#include "ReadSome.h"
#include "FileWriting.h"

namespace {

// The handler of a signal that interrupts a blocked write instead of restarting it.
class InterruptingSignal {
public:
    InterruptingSignal()
    {
        struct sigaction action {};
        action.sa_handler = [](int) {};
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGUSR1, &action, &previous_);
    }
    ~InterruptingSignal() { ::sigaction(SIGUSR1, &previous_, nullptr); }
    InterruptingSignal(const InterruptingSignal&) = delete;
    InterruptingSignal& operator=(const InterruptingSignal&) = delete;

private:
    struct sigaction previous_ {};
};

} // namespace

// A writer blocked on a full pipe and interrupted by signals gets back a short write, or EINTR
// when nothing went through: either way every byte arrives, once and in order.
TEST(WriteAll, GoesOnAfterShortAndInterruptedWrites)
{
    const InterruptingSignal signal;
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    kit::FileDescriptor reader(ends[0]);
    kit::FileDescriptor writer(ends[1]);
    const int capacity = ::fcntl(writer.get(), F_GETPIPE_SZ);
    std::string block(static_cast<std::size_t>(capacity) * 8, '\0');
    for (std::size_t i = 0; i < block.size(); ++i)
        block[i] = static_cast<char>(i * 7 % 251);

    bool written = false;
    // The writer's end closes when it gives up as well, so that the reading below comes to an end.
    std::thread writing([&] {
        written = kit::writeAll(writer.get(), block);
        writer.close();
    });
    for (int round = 0; round < 4; ++round) {
        int queued = 0;
        while (::ioctl(reader.get(), FIONREAD, &queued) == 0 && queued < capacity)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        for (int i = 0; i < 3; ++i) {
            ::pthread_kill(writing.native_handle(), SIGUSR1);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    std::string arrived;
    char buffer[4096];
    for (ssize_t n; (n = kit::readSome(reader.get(), buffer, sizeof buffer)) > 0;)
        arrived.append(buffer, static_cast<std::size_t>(n));
    writing.join();
    EXPECT_TRUE(written);
    EXPECT_TRUE(arrived == block);
}

// A pipe whose reader is gone takes nothing: the failure comes back with its errno.
TEST(WriteAll, AFailingWriteReportsItsError)
{
    const sighandler_t previous = ::signal(SIGPIPE, SIG_IGN);
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    const kit::FileDescriptor writer(ends[1]);
    EXPECT_FALSE(kit::writeAll(writer.get(), "lost"));
    EXPECT_EQ(errno, EPIPE);
    ::signal(SIGPIPE, previous);
}
