// Owned kernel handles: closed exactly once, moved not copied, and both of
// Win32's "no handle" values treated as empty.
#include <gtest/gtest.h>
#include <type_traits>
#include <utility>
#include <vector>
#include "framework/Handle.h"

namespace {

bool IsLive(HANDLE h) {
    DWORD flags = 0;
    return ::GetHandleInformation(h, &flags) != FALSE;
}

HANDLE NewEvent() { return ::CreateEventW(nullptr, TRUE, FALSE, nullptr); }

// Records the handles it is asked to close instead of closing them.
struct RecordingTraits {
    static std::vector<HANDLE>& Closed() {
        static std::vector<HANDLE> closed;
        return closed;
    }
    static BOOL Close(HANDLE h) {
        Closed().push_back(h);
        return TRUE;
    }
};
typedef fw::CHandleT<RecordingTraits> RecordedHandle;

static_assert(!std::is_copy_constructible<CHandle>::value, "an owner cannot be copied");
static_assert(!std::is_copy_assignable<CHandle>::value, "an owner cannot be copied");
// A temporary owner closes its handle at the end of the expression: taking
// the raw handle from it does not compile.
static_assert(!std::is_convertible<CHandle&&, HANDLE>::value, "no raw handle from a temporary owner");
static_assert(std::is_convertible<const CHandle&, HANDLE>::value, "a raw handle from a living owner");

}  // namespace

TEST(HandleTest, OwnerMovesAndClosesExactlyOnce) {
    HANDLE h = NewEvent();
    ASSERT_TRUE(IsLive(h));
    {
        CHandle a(h);
        CHandle b(std::move(a));
        EXPECT_FALSE(a.IsValid());
        EXPECT_EQ(b.Get(), h);
        CHandle c;
        c = std::move(b);
        EXPECT_EQ((HANDLE)c, h);
        EXPECT_TRUE(IsLive(h));
    }
    EXPECT_FALSE(IsLive(h));  // gone with its last owner
}

TEST(HandleTest, GivingAnOwnerAnotherHandleClosesTheOldOne) {
    HANDLE first = NewEvent(), second = NewEvent(), third = NewEvent();
    CHandle a(first), b(second);
    a = std::move(b);
    EXPECT_FALSE(IsLive(first));
    EXPECT_TRUE(IsLive(second));
    a.Attach(third);
    EXPECT_FALSE(IsLive(second));
    a.Attach(third);  // the same handle again is kept, not closed
    EXPECT_TRUE(IsLive(third));
    HANDLE detached = a.Detach();
    EXPECT_EQ(detached, third);
    EXPECT_FALSE(a.IsValid());
    EXPECT_TRUE(IsLive(third));  // no longer owned: the caller closes it
    EXPECT_TRUE(::CloseHandle(detached));
}

TEST(HandleTest, NullAndInvalidHandleValueAreBothEmptyAndNeverClosed) {
    RecordingTraits::Closed().clear();
    {
        RecordedHandle none(nullptr), invalid(INVALID_HANDLE_VALUE), later;
        later.Attach(INVALID_HANDLE_VALUE);
        for (RecordedHandle* h : {&none, &invalid, &later}) {
            EXPECT_FALSE(h->IsValid());
            EXPECT_EQ(h->Get(), nullptr);  // one value for "no handle"
            EXPECT_FALSE(*h ? true : false);
            EXPECT_FALSE(h->Close());
        }
    }
    EXPECT_TRUE(RecordingTraits::Closed().empty());

    HANDLE fake = (HANDLE)(UINT_PTR)0x1234;
    {
        RecordedHandle owner(fake);
        EXPECT_TRUE(owner.Close());
        EXPECT_FALSE(owner.Close());  // closing twice closes once
    }
    EXPECT_EQ(RecordingTraits::Closed(), std::vector<HANDLE>{fake});
}

TEST(HandleTest, AFileOpenedThroughAnOwnerIsClosedWithIt) {
    wchar_t dir[MAX_PATH], path[MAX_PATH];
    ::GetTempPathW(MAX_PATH, dir);
    ::GetTempFileNameW(dir, L"hdl", 0, path);
    {
        CHandle f(::CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(f.IsValid());
        // Opened without sharing: nobody else may open it while it is owned.
        CHandle again(::CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        EXPECT_FALSE(again.IsValid());
    }
    CHandle after(::CreateFileW(path, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(after.IsValid());
    after.Close();
    ::DeleteFileW(path);
}
