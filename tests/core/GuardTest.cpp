#include "core/Guard.h"

#include <gtest/gtest.h>

#include <QLoggingCategory>
#include <QStringList>

#include <stdexcept>

namespace {

QStringList logged;

void Keep(QtMsgType, const QMessageLogContext& context, const QString& message) {
    logged << QString::fromLatin1(context.category) + ": " + message;
}

// A failure the guard drops is kept from the user, not from whoever turns its log on.
TEST(Guard, WhatItSwallowedLeavesATrace) {
    QLoggingCategory::setFilterRules(QStringLiteral("tintra.guard.debug=true"));
    const QtMessageHandler before = qInstallMessageHandler(Keep);
    bool cleanedUp = false;
    RunGuarded([] { throw std::out_of_range("the chosen row has no value"); });
    RunGuarded([] { throw 7; }, [&cleanedUp] { cleanedUp = true; });
    qInstallMessageHandler(before);
    QLoggingCategory::setFilterRules(QString());
    EXPECT_EQ(logged,
              (QStringList{"tintra.guard: a handler failed and carried on: the chosen row has no value",
                           "tintra.guard: a handler failed and carried on: (no reason given)"}));
    EXPECT_TRUE(cleanedUp);
}

} // namespace
