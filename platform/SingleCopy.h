#pragma once

#include <QString>

#include <functional>

// One copy of the program keeps a data folder at a time: a second one would write its old lists over
// what the first keeps.
class SingleCopy {
public:
    virtual ~SingleCopy() = default;

    // Claims the folder for this copy until it ends. False when another copy holds it; that copy is
    // then asked to show itself.
    virtual bool Claim(const QString& folder) = 0;

    // Runs when a later copy started for the same folder asks this one to show itself.
    std::function<void()> ShowRequested;
};
