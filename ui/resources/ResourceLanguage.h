#pragma once

#include <QString>

// The language of the pictures with words and of the help page carried in the program: empty for the
// Chinese ones, else the folder that holds that language's beside them ("en"). Set once, before the
// windows are made.
void SetResourceLanguage(const QString& language);
const QString& ResourceLanguage();

// The path of the embedded file in the resource language's folder below `folder` where there is one,
// else the Chinese one: LocalisedResource(":/help", "help.html").
QString LocalisedResource(const QString& folder, const QString& name);
