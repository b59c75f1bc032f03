#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <utility>

#include "FileDescriptor.h"

namespace {

bool isOpenNumber(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1;
}

} // namespace

// Each way an owner can end or hand on its descriptor closes it exactly once: a second close
// would close whatever file took the number meanwhile.
TEST(FileDescriptor, ClosesOnceWhicheverWayItGoes)
{
    struct Case {
        const char* what;
        void (*handle)(kit::FileDescriptor&&);
        bool openAfter;
    } cases[] = {
        {"owner ends", [](kit::FileDescriptor&& fd) { kit::FileDescriptor ending(std::move(fd)); }, false},
        {"closed early", [](kit::FileDescriptor&& fd) { EXPECT_EQ(fd.close(), 0); }, false},
        {"moved on",
         [](kit::FileDescriptor&& fd) {
             kit::FileDescriptor kept;
             kept = std::move(fd);
             kept.release();
         },
         true},
    };
    for (const Case& c : cases) {
        kit::FileDescriptor fd(::open("/dev/null", O_RDONLY | O_CLOEXEC));
        const int number = fd.get();
        ASSERT_TRUE(fd.isOpen());
        c.handle(std::move(fd));
        EXPECT_EQ(isOpenNumber(number), c.openAfter) << c.what;
        // The first owner has nothing left to close: the number may belong to another file now.
        EXPECT_FALSE(fd.isOpen()) << c.what;
        EXPECT_EQ(fd.close(), 0) << c.what;
        if (c.openAfter)
            ::close(number);
    }
}
