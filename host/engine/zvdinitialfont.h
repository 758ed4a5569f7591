#pragma once

#include <QString>

// The font file that drawing editors created from now on start with, for runs that need a known
// font (tests). Empty, the default, leaves the editor's own choice: the first CJK-capable font
// file found on the machine.
class ZVDInitialFont
{
public:
    static void set(const QString& fontFile);
    static QString path();
};
