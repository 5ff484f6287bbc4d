#include "platform/StringTable.h"

#include "resources/ResourceIds.h"

QString LoadResourceString(unsigned id) {
    switch (id) {
    case ProductNameString:
        return QStringLiteral("Pebblix");
    case DoneButtonStatusString:
        return QStringLiteral("Show or Hide Done Button");
    case LinesString:
        return QStringLiteral("Lines");
    case SquaresString:
        return QStringLiteral("Squares");
    case BlocksString:
        return QStringLiteral("Blocks");
    default:
        return {};
    }
}
