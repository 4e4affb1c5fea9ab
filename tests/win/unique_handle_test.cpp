#include "unique_handle.h"

#include <gtest/gtest.h>

#include <utility>

#include "test_window.h"

namespace vistrel::win {
namespace {

int frees = 0;

void CountingDeleteObject(HGDIOBJ object) noexcept {
    ++frees;
    ::DeleteObject(object);
}

using CountedBrush = UniqueHandle<HBRUSH, CountingDeleteObject>;

bool Alive(HGDIOBJ object) { return ::GetObjectType(object) == OBJ_BRUSH; }

class UniqueHandleTest : public testing::Test {
protected:
    void SetUp() override { frees = 0; }
};

TEST_F(UniqueHandleTest, FreesItsObjectOnceWhenItGoesOutOfScope) {
    HBRUSH raw = nullptr;
    {
        const CountedBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
        raw = brush.get();
        ASSERT_TRUE(Alive(raw));
    }
    EXPECT_FALSE(Alive(raw));
    EXPECT_EQ(frees, 1);
}

TEST_F(UniqueHandleTest, MoveConstructionHandsOwnershipOver) {
    HBRUSH raw = nullptr;
    {
        CountedBrush first(::CreateSolidBrush(RGB(1, 2, 3)));
        raw = first.get();
        {
            const CountedBrush second(std::move(first));
            EXPECT_EQ(second.get(), raw);
            EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): the point of the test
        }
        EXPECT_FALSE(Alive(raw)) << "the new owner frees it";
        EXPECT_EQ(frees, 1);
    }
    EXPECT_EQ(frees, 1) << "the moved-from owner frees nothing";
}

TEST_F(UniqueHandleTest, MoveAssignmentFreesTheTargetsOwnObject) {
    CountedBrush source(::CreateSolidBrush(RGB(1, 2, 3)));
    CountedBrush target(::CreateSolidBrush(RGB(4, 5, 6)));
    HBRUSH moved = source.get();
    HBRUSH replaced = target.get();

    target = std::move(source);

    EXPECT_FALSE(Alive(replaced));
    EXPECT_TRUE(Alive(moved));
    EXPECT_EQ(target.get(), moved);
    EXPECT_FALSE(source);  // NOLINT(bugprone-use-after-move)
    EXPECT_EQ(frees, 1);
}

TEST_F(UniqueHandleTest, SelfMoveAssignmentKeepsTheObject) {
    CountedBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH raw = brush.get();
    CountedBrush& same = brush;
    brush = std::move(same);
    EXPECT_EQ(brush.get(), raw);
    EXPECT_TRUE(Alive(raw));
    EXPECT_EQ(frees, 0);
}

TEST_F(UniqueHandleTest, ResetFreesTheOldObjectAndReleaseGivesItUp) {
    CountedBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH first = brush.get();
    brush.reset(::CreateSolidBrush(RGB(4, 5, 6)));
    EXPECT_FALSE(Alive(first));
    EXPECT_EQ(frees, 1);

    const UniqueBrush released(brush.release());
    EXPECT_FALSE(brush);
    brush.reset();
    EXPECT_TRUE(Alive(released.get()));
    EXPECT_EQ(frees, 1);
}

TEST(UniqueWindow, DestroysItsWindowAndMovesWithIt) {
    test::TestWindow parent;
    HWND raw = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, parent.Handle(), nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(raw, nullptr);
    {
        UniqueWindow first(raw);
        const UniqueWindow second(std::move(first));
        EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move)
        EXPECT_TRUE(::IsWindow(raw));
    }
    EXPECT_FALSE(::IsWindow(raw));
}

}  // namespace
}  // namespace vistrel::win
