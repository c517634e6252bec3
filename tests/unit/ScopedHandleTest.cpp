#include <gtest/gtest.h>

#include <vector>

#include "framework/ScopedHandle.h"

namespace {
// Handles are numbers here; 0 and negatives hold nothing, as a failed open's value.
struct RecordingCloser {
    using Handle = int;
    static bool Holds(int handle) { return handle > 0; }
    void operator()(int handle) const { closed.push_back(handle); }
    std::vector<int>& closed;
};
}  // namespace

TEST(ScopedHandle, ResetAndCloseGiveEachHandleBackOnceAndNeverOneThatHoldsNothing) {
    std::vector<int> closed;
    {
        ScopedHandle<RecordingCloser> handle(-1, RecordingCloser{closed});
        handle.Reset(3);
        EXPECT_TRUE(closed.empty());
        handle.Reset(5);
        EXPECT_EQ(closed, std::vector<int>{3});
        handle.Close();
        handle.Close();
        EXPECT_EQ(handle.Get(), 0);
        handle.Reset(7);
    }
    EXPECT_EQ(closed, (std::vector<int>{3, 5, 7}));
}

TEST(KernelHandle, AFailedOpenIsNotAHandle) {
    EXPECT_FALSE(KernelHandleCloser::Holds(nullptr));
    EXPECT_FALSE(KernelHandleCloser::Holds(INVALID_HANDLE_VALUE));
}
