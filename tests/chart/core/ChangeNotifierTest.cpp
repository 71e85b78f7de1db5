// The one setter shape: compare, return if unchanged, (check), store, notify.
#include <gtest/gtest.h>

#include <QString>
#include <stdexcept>

#include "chart/core/ChangeNotifier.h"

using namespace rna::chart;

TEST(ChangeNotifier, StoresAndNotifiesOnlyOnAChange)
{
    int notified = 0;
    int seenByCallback = -1;
    int field = 3;
    const ChangeNotifier changes([&] {
        ++notified;
        seenByCallback = field;
    });
    const struct {
        int value;
        bool changed;
    } rows[] = {{3, false}, {4, true}, {4, false}, {-1, true}};
    int expectedNotifications = 0;
    for (const auto& r : rows) {
        EXPECT_EQ(changes.Store(field, r.value), r.changed) << r.value;
        expectedNotifications += r.changed ? 1 : 0;
        EXPECT_EQ(field, r.value);
        EXPECT_EQ(notified, expectedNotifications) << r.value;
    }
    EXPECT_EQ(seenByCallback, -1);  // the owner hears of a change after the store
}

TEST(ChangeNotifier, ARefusedValueKeepsTheOldOneAndNotifiesNothing)
{
    int notified = 0;
    const ChangeNotifier changes([&] { ++notified; });
    QString field = QStringLiteral("a");
    int checks = 0;
    auto refuseEmpty = [&](const QString& value) {
        return [&checks, value] {
            ++checks;
            if (value.isEmpty())
                throw std::invalid_argument("empty");
        };
    };
    EXPECT_THROW(changes.Store(field, QString(), refuseEmpty(QString())), std::invalid_argument);
    EXPECT_EQ(field, QStringLiteral("a"));
    EXPECT_FALSE(changes.Store(field, QStringLiteral("a"), refuseEmpty(QStringLiteral("a"))));  // equal: no check
    EXPECT_TRUE(changes.Store(field, QStringLiteral("b"), refuseEmpty(QStringLiteral("b"))));
    EXPECT_EQ(field, QStringLiteral("b"));
    EXPECT_EQ(checks, 2);
    EXPECT_EQ(notified, 1);
}

TEST(ChangeNotifier, WithoutAnOwnerItOnlyStores)
{
    const ChangeNotifier changes;
    bool field = false;
    EXPECT_TRUE(changes.Store(field, true));
    EXPECT_TRUE(field);
    changes.ChangeNotify();
}
