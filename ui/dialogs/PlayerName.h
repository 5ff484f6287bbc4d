#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

// The registry reader takes a name of at most 4095 UTF-16 units (plus its terminator); a longer
// one would be written but read back as "Anonymous", so name editors stop at this length.
inline constexpr int MaxPlayerNameLength = 4095;

// A stored name as the player reads and edits it. The default name reads in the player's
// language, and stays the default while the player leaves it as shown.
class ShownName {
    Q_DECLARE_TR_FUNCTIONS(ShownName)

public:
    static QString Of(const std::u16string& stored);
    // What an editor that showed `stored` stores for its text: `stored` when the text is the
    // shown one, else the text as typed.
    static std::u16string Edited(const QString& text, const std::u16string& stored);
};
