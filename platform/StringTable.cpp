#include "platform/StringTable.h"

QString LoadResourceString(unsigned id) {
    switch (id) {
    case 128:
        return QStringLiteral("Pebblix");
    case 32768:
        return QStringLiteral("Show or Hide Done Button");
    case 61404:
        return QStringLiteral("Lines");
    case 61405:
        return QStringLiteral("Squares");
    case 61406:
        return QStringLiteral("Blocks");
    default:
        return {};
    }
}
