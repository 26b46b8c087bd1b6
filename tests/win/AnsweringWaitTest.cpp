// Waiting on the user-interface thread while its windows keep answering.

#include "framework/AnsweringWait.h"
#include "framework/UniqueHandle.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using WindowHandle = UniqueHandle<HWND, &DestroyWindow>;

TEST(WaitAnswering, AWindowOfTheWaitingThreadAnswersAnotherThreadUntilTheObjectIsSignalled) {
    const WindowHandle window(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 10, 10, HWND_MESSAGE,
                                              nullptr, GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(window);
    const KernelHandle answered(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    bool sent = false;
    // The other thread signals the object only once the window has answered it.
    std::thread other([&] {
        DWORD_PTR result = 0;
        sent = SendMessageTimeoutA(window.Get(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
        SetEvent(answered.Get());
    });
    const DWORD waited = WaitAnswering(answered.Get(), 10000);
    other.join();
    EXPECT_EQ(waited, WAIT_OBJECT_0);
    EXPECT_TRUE(sent);
}

TEST(WaitAnswering, EndsAtItsLimitAndLeavesAQuitMessageForItsLoop) {
    const KernelHandle never(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    const struct {
        const char* what;
        HANDLE object;
    } cases[] = {{"an object never signalled", never.Get()}, {"no object", nullptr}};
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        PostQuitMessage(3);
        EXPECT_EQ(WaitAnswering(row.object, 50), static_cast<DWORD>(WAIT_TIMEOUT));
        MSG message{};
        ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(message.wParam, 3u);
    }
}

} // namespace
