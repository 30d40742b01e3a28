#pragma once

#include <QString>

// Where the program's files may live.
class Folders {
public:
    virtual ~Folders() = default;
    // The folder that holds the program file, where it keeps the user's files; none for an installed
    // program, which keeps them in the configuration folder.
    virtual QString ProgramFolder() const = 0;
    // The user's configuration folder for the program.
    virtual QString ConfigFolder() const = 0;
};
